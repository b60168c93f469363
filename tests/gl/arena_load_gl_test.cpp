#include "arenas/arenas.h"
#include "support/gl_context.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cstring>

// Every arena loads from the data builder's archive with the real loaders, its textures
// become GL textures in their slots, light 0 carries the arena's light, and the delete pass
// gives every name back.
TEST_F(GlTest, EveryArenaLoadsIntoGlAndItsDeletePassEmptiesTheSlots)
{
    asset_archive = archive_open((test_build_dir() + "/data/dat00.dat").c_str());
    ASSERT_NE(asset_archive, nullptr) << "no build/data/dat00.dat: run tavrosk-databuild build/data";
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();   // light positions are stored through the model-view matrix
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        const ArenaInfo &arena = arena_table[stage];
        SCOPED_TRACE(arena.model_entry);
        glDisable(GL_LIGHT0);
        ASSERT_EQ(load_arena(static_cast<StageId>(stage)), 0);
        for (int i = 0; i < arena.texture_count; i++)
            EXPECT_TRUE(glIsTexture(stage_textures[arena.textures[i].slot])) << arena.textures[i].entry;
        EXPECT_TRUE(glIsEnabled(GL_LIGHT0));
        GLfloat ambient[4], diffuse[4], position[4];
        glGetLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
        glGetLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
        glGetLightfv(GL_LIGHT0, GL_POSITION, position);
        for (int i = 0; i < 4; i++) {
            EXPECT_FLOAT_EQ(ambient[i], stage_light->light0_ambient[i]);
            EXPECT_FLOAT_EQ(diffuse[i], stage_light->light0_diffuse[i]);
            EXPECT_FLOAT_EQ(position[i], stage_light->light0_position[i]);
        }
        u32 names[STAGE_TEXTURE_SLOTS];
        memcpy(names, stage_textures, sizeof names);
        stage_textures_delete();
        for (int i = 0; i < arena.texture_count; i++)
            EXPECT_FALSE(glIsTexture(names[arena.textures[i].slot])) << arena.textures[i].entry;
    }
    stage_models_free();
    archive_close(asset_archive);
    asset_archive = nullptr;
}
