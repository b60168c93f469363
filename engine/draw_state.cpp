// The view every 3D drawer starts from, and the few GL steps the drawers of all folders share.
#include "engine/engine.h"

#include <GL/gl.h>
#include <GL/glu.h>

f32 camera_eye[3];
f32 camera_centre[3];
f32 camera_up_z;

constexpr f32 LIT_SKIN_RGB_SCALE = 2.0f;

void camera_view_load()
{
    glLoadIdentity();
    gluLookAt(camera_eye[0], camera_eye[1], camera_eye[2], camera_centre[0], camera_centre[1],
              camera_centre[2], 0.0, 0.0, camera_up_z);
}

void texture_unit_select(int unit)
{
    if (has_multitexture)
        gl_active_texture(GL_TEXTURE0 + unit);
}

void texture_unit1_off()
{
    if (!has_multitexture)
        return;
    gl_active_texture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    gl_active_texture(GL_TEXTURE0);
}

void tex_env_lit_skin()
{
    if (tex_env_combine != 1 && tex_env_combine != 2) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        return;
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, LIT_SKIN_RGB_SCALE);
}

void texture_table_bind(const u32 *table, u32 count, u32 index)
{
    glBindTexture(GL_TEXTURE_2D, table && index < count ? table[index] : 0);
}
