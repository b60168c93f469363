#include "engine/engine.h"

#include <GL/gl.h>
#include <cstring>


u32 stage_textures[STAGE_TEXTURE_SLOTS];
u8 stage_texture_count;
i32 stage_id;

void stage_light0_apply(const StageLight *light)
{
    glLightfv(GL_LIGHT0, GL_AMBIENT, light->light0_ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, light->light0_diffuse);
    glLightfv(GL_LIGHT0, GL_POSITION, light->light0_position);
    glEnable(GL_LIGHT0);
}

void stage_textures_delete()
{
    int count = stage_texture_count;
    if (count > static_cast<int>(STAGE_TEXTURE_SLOTS))
        count = STAGE_TEXTURE_SLOTS;
    texture_table_delete(stage_textures, count);
    // Arenas leave gaps inside their delete range; clearing every slot keeps a name that GL
    // has already taken back (and may hand out again) out of the next delete.
    memset(stage_textures, 0, sizeof stage_textures);
    stage_texture_count = 0;
}
