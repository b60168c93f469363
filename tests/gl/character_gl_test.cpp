// The characters under a real GL context: every character loads from the built data set on
// either side, in both colour sets, with live textures in its slot of the tables; and Jason,
// drawn by the model drawer, shows his blade somewhere else in the middle of his hard swing.
#include "characters/characters.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <string>

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
        asset_archive = archive_open((test_build_dir() + "/data/dat00.dat").c_str());
        ASSERT_NE(asset_archive, nullptr) << "make the data set first (tavrosk-databuild)";
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
        archive = archive_open((test_build_dir() + "/data/dat00.dat").c_str());
        ASSERT_NE(archive, nullptr) << "make the data set first (tavrosk-databuild)";
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
