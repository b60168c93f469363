// The characters under a real GL context: every character loads from the built data set on
// either side, in both colour sets, with live textures in its slot of the tables; and Jason,
// drawn by the model drawer, shows his blade somewhere else in the middle of his hard swing.
#include "characters/characters.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

class CharacterGl : public GlTest {
protected:
    Skeleton *blocks = nullptr;
    ArchiveHandle saved_archive = nullptr;

    void SetUp() override
    {
        GlTest::SetUp();
        test_maths_setup();
        picture_library_start();
        saved_archive = asset_archive;
        asset_archive = archive_open(test_data_archive_path().c_str());
        ASSERT_NE(asset_archive, nullptr) << TEST_NO_DATA_SET;
        blocks = skeleton_blocks_new(6);
        for (int s = 0; s < FIGHTER_SLOTS; s++) {
            fighter_skeletons[s] = &blocks[s];
            blur_skeletons[s] = &blocks[2 + s];
            summon_skeletons[s] = &blocks[4 + s];
        }
    }

    void TearDown() override
    {
        delete_textures();
        character_models_free();
        for (int s = 0; s < FIGHTER_SLOTS; s++)
            fighter_skeletons[s] = blur_skeletons[s] = summon_skeletons[s] = nullptr;
        skeleton_blocks_free(blocks, 6);
        archive_close(asset_archive);
        asset_archive = saved_archive;
    }

    static void delete_table(u32 *names, int count)
    {
        glDeleteTextures(count, names);
        for (int i = 0; i < count; i++)
            names[i] = 0;
    }

    static void delete_textures()
    {
        delete_table(skin_textures, SKIN_TEXTURE_COUNT);
        delete_table(divine_textures, FIGHTER_SLOTS * DIVINE_TEXTURES_PER_SLOT);
        delete_table(projectile_textures, FIGHTER_SLOTS * PROJECTILE_TEXTURES_PER_SLOT);
        delete_table(blade_blur_textures, FIGHTER_SLOTS);
    }
};

TEST_F(CharacterGl, EveryCharacterLoadsOnEitherSideWithLiveTextures)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        for (int alt = 0; alt < 2; alt++) {
            SCOPED_TRACE("character " + std::to_string(id) + " colours " + std::to_string(alt));
            // A mirror match: both slots hold the character at once.
            ASSERT_EQ(load_character(id, 0, alt), 0);
            ASSERT_EQ(load_character(id, 1, 1 - alt), 0);
            for (int slot = 0; slot < FIGHTER_SLOTS; slot++) {
                EXPECT_TRUE(glIsTexture(skin_textures[SKIN_SLOT_SIZE * slot]));
                EXPECT_TRUE(glIsTexture(divine_textures[DIVINE_TEXTURES_PER_SLOT * slot + 2]));   // the god
                EXPECT_TRUE(glIsTexture(blade_blur_textures[slot]));
                EXPECT_EQ(fighter_models[slot], character_models[slot][id]);
            }
            EXPECT_NE(fighter_models[0], fighter_models[1]);
            delete_textures();
        }
    }
}

// The biography's start view, drawn as the frame draws it, shows every figure whole: its head
// under the top of the view and its feet above the text panel's top edge. The camera help is
// shown instead of the panel, so nothing hides the figure; its lines stand to the right of
// the columns looked at.
TEST_F(CharacterGl, TheBiographysStartViewShowsTheWholeFigure)
{
    draw_caps_set(true, 2, true);
    draw_gl_reset();
    screen_width = GL_TEST_WIDTH;
    screen_height = GL_TEST_HEIGHT;
    ASSERT_EQ(masked_polys_alloc(), 1);
    glow_effect = 0;
    const int help_left = 380;                                    // the help lines start right of it
    const int panel_top = static_cast<int>((1.0f - 5.0f / 50.0f / 0.31529879f) * GL_TEST_HEIGHT / 2);
    std::vector<u8> pixels(GL_TEST_WIDTH * GL_TEST_HEIGHT * 4);
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE("character " + std::to_string(id));
        game_mode = GAME_MODE_PROFILE_P1;
        p1_character = id;
        p1_alt_color = 0;
        quit_request = load_error = 0;
        biography_enter();
        ASSERT_EQ(quit_request, 0);
        biography_camera_view = 1;
        game_state = STATE_BIOGRAPHY;
        glClearColor(0, 0, 0, 1);
        draw_frame();
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        int lowest = GL_TEST_HEIGHT, highest = -1;
        for (int y = 0; y < GL_TEST_HEIGHT; y++)
            for (int x = 0; x < help_left; x++) {
                const u8 *p = &pixels[(y * GL_TEST_WIDTH + x) * 4];
                if (p[0] + p[1] + p[2] > 30) {
                    lowest = y < lowest ? y : lowest;
                    highest = y > highest ? y : highest;
                }
            }
        EXPECT_GT(lowest, panel_top) << "feet hidden by the panel";
        EXPECT_LT(highest, GL_TEST_HEIGHT - 2) << "head cut at the top";
        EXPECT_GT(highest - lowest, GL_TEST_HEIGHT / 3) << "a figure too small to see";
        delete_textures();
    }
    biography_figure_scale = 1.0f;
    biography_figure_lift = 0.0f;
    game_state = STATE_EXIT_SCREEN;
    title_textures_free();
    masked_polys_free();
}

class JasonDraw : public DrawTest {
protected:
    ArchiveHandle archive = nullptr;
    Model *model = nullptr;
    Skeleton *skeleton = nullptr;
    Fighter fighter = {};
    u32 skins[SKIN_TEXTURE_COUNT];
    ModelSkin skin = {};
    StageLight light;
    // Facing +x, so that the swing crosses the view of the camera in front.
    ModelPlacement placement = {0, 0, 0, 0, 0, 90.0f};

    void SetUp() override
    {
        DrawTest::SetUp();
        test_maths_setup();
        ASSERT_EQ(masked_polys_alloc(), 1);
        archive = archive_open(test_data_archive_path().c_str());
        ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET;
        model = model_load(archive, "jason/jason.emd");
        skeleton = skeleton_blocks_new(1);
        ASSERT_TRUE(model && skeleton_load(skeleton, archive, "jason/jason.esq"));
        for (f32 &rate : fighter.anim_rate)
            rate = 1.0f;
        // Every skin grey but the blades' (skin 2), red.
        for (u32 &entry : skins)
            entry = colour.grey;
        skins[2] = colour.red;
        skin = {skins, SKIN_TEXTURE_COUNT, 0, 0, 0};
    }

    void TearDown() override
    {
        model_free(model);
        skeleton_blocks_free(skeleton, 1);
        archive_close(archive);
        masked_polys_free();
    }

    // Draws Jason as posed and returns the window pixel of his right blade's middle.
    void draw(int *x, int *y)
    {
        model_skin(model, skeleton);
        draw_gl_reset();
        draw_flat_light(&light, 1.0f);
        masked_count = 0;
        model_draw(&placement, model, &skin, &light);
        // The placement turns model -y (his front) to +x.
        const f32 *p = model->pos[jason_module.hit_zones[7].vertex];
        const f32 world[3] = {-p[1], p[0], p[2]};
        world_to_pixel(world, x, y);
    }
};

TEST_F(JasonDraw, TheHardSwingDrawsTheBladeElsewhere)
{
    skeleton->key_from = 1;
    skeleton->key_to = 2;
    for (int n = 0; n < 60; n++)
        jason_animate(&fighter, skeleton, nullptr);
    int idle_x, idle_y;
    draw(&idle_x, &idle_y);
    EXPECT_TRUE(rgb_near(pixel_at(idle_x, idle_y), {255, 0, 0}, 40)) << "the blade at idle";

    skeleton->action = fighter.action = ACTION_HARD_SWING;
    skeleton->attack_live = 255;
    for (int n = 0; n < 200 && !(skeleton->key_to == 56 && skeleton->phase >= 0.5f); n++)
        jason_animate(&fighter, skeleton, nullptr);
    ASSERT_EQ(skeleton->key_to, 56);
    int swing_x, swing_y;
    draw(&swing_x, &swing_y);
    EXPECT_TRUE(rgb_near(pixel_at(swing_x, swing_y), {255, 0, 0}, 40)) << "the blade mid-swing";
    EXPECT_FALSE(rgb_near(pixel_at(idle_x, idle_y), {255, 0, 0}, 40)) << "no blade where it stood";
    f32 moved = std::hypot(static_cast<f32>(swing_x - idle_x), static_cast<f32>(swing_y - idle_y));
    EXPECT_GT(moved, 20.0f) << "pixels";
}
