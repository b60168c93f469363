#include "arenas/arenas.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/colour_histogram.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstring>
#include <memory>
#include <string>

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

// The arena last loaded, drawn by the arena drawer from where the fight camera starts (two
// fighters 30 apart), unlit as the fight draws it: its lightmaps light it.
static void fight_camera_arena_draw(int stage, int combine)
{
    const f32 eye[3] = {0, -55, 15}, centre[3] = {0, 0, 13};
    draw_caps_set(true, combine, true);
    draw_gl_reset();
    draw_view_set(eye, centre, 1.0f);
    glDisable(GL_LIGHTING);
    glColor4f(1, 1, 1, 1);
    StageScene scene = {stage_textures, stage, 0, 1.0f};
    stage_draw(stage_model, &scene);
    glDisable(GL_BLEND);
}

// Each arena, loaded from the archive and drawn from where the fight camera starts, shows its
// floor across the bottom of the picture: lit by its lightmap, with or without
// texture-environment combine, and never one flat colour.
TEST_F(ArenaGlTest, EveryArenaShowsALitFloorFromTheFightCamera)
{
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        stage_textures_delete();
        ASSERT_EQ(load_arena(static_cast<StageId>(stage)), 0);
        model_skin(stage_model, stage_skeleton);
        for (int combine : {2, 0}) {
            SCOPED_TRACE(testing::Message() << arena_table[stage].model_entry << " combine " << combine);
            fight_camera_arena_draw(stage, combine);
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

// The arena as the fight shows it from where its camera starts, its sky behind it where it
// has one: the share of its pixels in each colour bin.
static std::vector<double> fight_view_colours(int stage)
{
    stage_textures_delete();
    if (load_arena(static_cast<StageId>(stage)) != 0)
        return {};
    model_skin(stage_model, stage_skeleton);
    fight_camera_arena_draw(stage, 2);
    if (stage != STAGE_LABYRINTH && stage != STAGE_TEMPLE) {
        StageScene scene = {stage_textures, stage, 0, 1.0f};
        texture_unit1_off();
        glEnable(GL_TEXTURE_2D);
        sky_panorama_draw(&scene);
    }
    std::vector<u8> pixels = window_pixels();
    return colour_histogram(pixels.data(), GL_TEST_WIDTH, 0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT);
}

// Each tile's preview is, of the ten arenas as the fight shows them, nearest in colour to
// the arena that tile loads, and near it: drawn from that arena, lightmapped as the fight
// draws it. Two tiles swapped, a preview of the wrong arena, or one drawn without its
// lightmaps or sky fails.
TEST_F(ArenaGlTest, EachStageSelectPreviewShowsTheArenaItsTileLoads)
{
    std::vector<std::vector<double>> arenas;
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        arenas.push_back(fight_view_colours(stage));
        ASSERT_FALSE(arenas.back().empty()) << arena_table[stage].model_entry;
    }
    for (int t = 0; t < STAGE_TILES; t++) {
        SCOPED_TRACE(stage_tiles[t].name);
        Picture p = archive_picture(asset_archive, ("stageselect/preview" + std::to_string(t) + ".jpg").c_str());
        ASSERT_NE(p.pixels, nullptr);
        std::vector<double> seen = colour_histogram(p.pixels, p.width, 0, 0, p.width, p.height);
        EXPECT_EQ(histogram_nearest(seen, arenas), stage_tiles[t].stage);
        EXPECT_LT(histogram_distance(seen, arenas[stage_tiles[t].stage]), 0.4);
        picture_free(&p);
    }
}
