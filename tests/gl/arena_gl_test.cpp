#include "arenas/arenas.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstring>
#include <memory>

// The arenas the data builder wrote, loaded with the real loaders into the blocks the
// start-up loader would make.
class ArenaGlTest : public DrawTest {
protected:
    StageLight light = {};
    SkeletonBlock scenery = skeleton_block_new();

    void SetUp() override
    {
        DrawTest::SetUp();
        stage_light = &light;
        stage_skeleton = scenery.get();
        asset_archive = archive_open(test_data_archive_path().c_str());
        ASSERT_NE(asset_archive, nullptr) << TEST_NO_DATA_SET;
    }
    void TearDown() override
    {
        stage_textures_delete();
        stage_models_free();
        archive_close(asset_archive);
        asset_archive = nullptr;
        stage_light = nullptr;
        stage_skeleton = nullptr;
    }
};

// Every arena's textures become GL textures in their slots, light 0 carries the arena's
// light, and the delete pass gives every name back.
TEST_F(ArenaGlTest, EveryArenaLoadsIntoGlAndItsDeletePassEmptiesTheSlots)
{
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
}

// Each arena, loaded from the archive and drawn by the arena drawer from where the fight camera
// starts (two fighters 30 apart), shows its floor across the bottom of the picture: lit by
// its lightmap, with or without texture-environment combine, and never one flat colour.
TEST_F(ArenaGlTest, EveryArenaShowsALitFloorFromTheFightCamera)
{
    const f32 eye[3] = {0, -55, 15}, centre[3] = {0, 0, 13};
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        stage_textures_delete();
        ASSERT_EQ(load_arena(static_cast<StageId>(stage)), 0);
        model_skin(stage_model, stage_skeleton);
        for (int combine : {2, 0}) {
            SCOPED_TRACE(testing::Message() << arena_table[stage].model_entry << " combine " << combine);
            draw_caps_set(true, combine, true);
            draw_gl_reset();
            draw_view_set(eye, centre, 1.0f);
            glDisable(GL_LIGHTING);
            glColor4f(1, 1, 1, 1);
            StageScene scene = {stage_textures, stage, 0, 1.0f};
            stage_draw(stage_model, &scene);
            glDisable(GL_BLEND);
            // The bottom fifth of the picture looks down on the floor in front of the fighters.
            int darkest = 255 * 3, brightest = 0;
            for (int y = 4; y < GL_TEST_HEIGHT / 5; y += 8)
                for (int x = 4; x < GL_TEST_WIDTH; x += 8) {
                    Rgb p = pixel_at(x, y);
                    darkest = std::min(darkest, p.r + p.g + p.b);
                    brightest = std::max(brightest, p.r + p.g + p.b);
                }
            // Dark arenas stay dark without combine (lightmaps are not doubled), but never black.
            EXPECT_GT(darkest, 3 * 5) << "a black patch on the floor";
            EXPECT_GT(brightest - darkest, 3 * 8) << "the floor is one flat colour";
        }
    }
}
