// The start-up loader with a GL context: the shared pictures, a whole start-up on the built
// data set, and the ordered shutdown after it.
#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/fake_audio.h"
#include "support/gl_context.h"
#include "support/xvfb_game.h"

#include <GL/gl.h>
#include <iterator>
#include <gtest/gtest.h>
#include <string>
#include <vector>

constexpr size_t SETTINGS_INPUT_DEVICE_1 = 30;
constexpr size_t SETTINGS_INPUT_DEVICE_2 = 87;

static u32 *const shared_textures[] = {
    &tex_powerbar, &font_text_texture, &font_letters_texture, &font_digits_texture, &tex_misc,
    &tex_names, &tex_lifebar, &tex_blob_shadow, &tex_hit, &tex_hit2, &tex_reflection, &tex_guard,
    &tex_marker, &tex_blood, &tex_blood2, &tex_vs_back, &tex_continue_back, &tex_gameover_back,
    &tex_logo, &tex_select_panel,
};

static void shared_textures_clear()
{
    for (u32 *texture : shared_textures) {
        glDeleteTextures(1, texture);
        *texture = 0;
    }
}

class Loader : public GlTest {
protected:
    u8 saved_joystick = 0;

    void SetUp() override
    {
        GlTest::SetUp();
        picture_library_start();
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &gl_max_texture_size);
        saved_joystick = joystick_available;
        load_error = quit_request = 0;
        fake_audio_install();
        shared_textures_clear();
        asset_archive = nullptr;   // the harness's tunes are not the loader's to close
    }
    void TearDown() override
    {
        music_stop();
        fake_audio_remove();
        masked_polys_free();
        free_game_data();
        sfx_bank_unload();
        fonts_free();
        shared_textures_clear();
        joystick_available = saved_joystick;
        input_device[0] = input_device[1] = 0;
        load_error = quit_request = 0;
    }
};

struct MissingPicture {
    const char *entry;
    const char *line;   // its failure line, 0 for none
    int loaded_before;  // pictures of the table loaded before it
};

static const MissingPicture missing_pictures[] = {
    {"misc/powerbar.tga", "\n     -powerbar failed!", 0},
    {"misc/letra.tga", "\n     -normal text Failed!", 1},
    {"misc/textb.tga", "\n     -big text Failed!", 2},
    {"misc/number.tga", nullptr, 3},
    {"misc/misc.tga", nullptr, 4},
    {"misc/fondo_vs.jpg", nullptr, 15},
    {"titulo/select3.tga", nullptr, 19},
};

TEST_F(Loader, AMissingSharedPictureStopsTheStartUpAfterTheOnesBeforeIt)
{
    for (const MissingPicture &test : missing_pictures) {
        SCOPED_TRACE(test.entry);
        std::string root = data_set_copy("loader-picture");
        ASSERT_FALSE(root.empty());
        ASSERT_TRUE(data_set_remove_entry(root, test.entry));
        shared_textures_clear();
        EXPECT_EQ(data_set_load(root), 0);
        for (int k = 0; k < static_cast<int>(std::size(shared_textures)); k++)
            EXPECT_EQ(*shared_textures[k] != 0, k < test.loaded_before) << "picture " << k;
        EXPECT_EQ(load_error, 255) << "the shutdown shows the data-error box";
        free_game_data();
        sfx_bank_unload();
        fonts_free();
        EXPECT_EQ(fighter_skeletons[0], nullptr);

        std::string log = data_set_read(root, "data/initlog.txt");
        if (test.line) {
            EXPECT_NE(log.find(test.line), std::string::npos) << log;
        } else {
            EXPECT_EQ(log.find("ailed!"), std::string::npos) << log;
        }
        EXPECT_NE(log.find("\n     -" + std::string(test.entry) + " failed: not in the archive"), std::string::npos)
            << log;
        EXPECT_EQ(log.find("QORN successfully initialized"), std::string::npos) << log;
        EXPECT_TRUE(texts_in_order(log, {"\n -Allocating memory for characters...", "recorders off\n", "zip off\n"}));
    }
}

// A picture that is there but damaged (a changed byte on the disk, or bytes that are no
// picture) stops the start-up as a missing one does, with the entry and the reason logged.
struct DamagedPicture {
    const char *entry;
    bool garbage;         // the entry holds bytes that are no picture; else one byte changed
    const char *reason;   // what the reading layer logs after the entry's name
};

static const DamagedPicture damaged_pictures[] = {
    {"misc/sombra.jpg", false, ": "},
    {"misc/fondo_vs.jpg", false, ": "},
    {"misc/letra.tga", true, " is not a readable TGA picture"},
};

TEST_F(Loader, ADamagedSharedPictureEndsInTheDataErrorWithItsEntryLogged)
{
    for (const DamagedPicture &test : damaged_pictures) {
        SCOPED_TRACE(test.entry);
        std::string root = data_set_copy("loader-damaged-picture");
        ASSERT_FALSE(root.empty());
        if (test.garbage) {
            ASSERT_TRUE(data_set_replace_entry(root, test.entry, Bytes(300, 0x5A)));
        } else {
            ASSERT_TRUE(data_set_damage_entry(root, test.entry));
        }
        shared_textures_clear();
        EXPECT_EQ(data_set_load(root), 0);
        EXPECT_EQ(load_error, 255);
        free_game_data();
        sfx_bank_unload();
        fonts_free();

        std::string log = data_set_read(root, "data/initlog.txt");
        std::string entry = test.entry;
        EXPECT_TRUE(texts_in_order(log, {"\n       -" + entry + test.reason, "\n     -" + entry + " failed!"}));
        EXPECT_EQ(log.find("QORN successfully initialized"), std::string::npos) << log;
    }
}

// The built data set: every step done, the title menu entered with its tune, then the
// ordered shutdown releases it all with its lines in order.
TEST_F(Loader, TheBuiltDataSetStartsTheGameAtTheTitleMenu)
{
    std::string root = data_set_copy("loader-whole");
    ASSERT_FALSE(root.empty());
    joystick_available = 0;
    input_device[0] = 1;   // data/qx.cfg chose the pad for player 1
    input_device[1] = 0;
    logic_tick_units = 0;
    ASSERT_EQ(data_set_load(root), 1);
    std::string log = data_set_read(root, "data/initlog.txt");
    EXPECT_EQ(log, "\nLoading data...\n -Allocating memory for characters...\n -QORN successfully initialized!\n");

    for (int k = 0; k < static_cast<int>(std::size(shared_textures)); k++) {
        EXPECT_NE(*shared_textures[k], 0u) << "picture " << k;
        EXPECT_TRUE(glIsTexture(*shared_textures[k])) << "picture " << k;
    }
    EXPECT_NE(font_text_lists, 0u);
    Skeleton *blocks[] = {fighter_skeletons[0], fighter_skeletons[1], blur_skeletons[0], blur_skeletons[1],
                          select_skeleton,      stage_skeleton,       summon_skeletons[0], summon_skeletons[1]};
    for (Skeleton *block : blocks) {
        ASSERT_NE(block, nullptr);
        EXPECT_EQ(block->attack_live, 0);
    }
    EXPECT_NE(input_recorders[0], nullptr);
    EXPECT_NE(sfx_datafile, nullptr);
    EXPECT_EQ(fighters[0].side, 0);
    EXPECT_EQ(fighters[1].side, 1);
    EXPECT_EQ(challenger_pending, 0);
    EXPECT_NEAR(jump_arc_table[17], 14.985f, 0.001f);
    EXPECT_NEAR(hop_arc_table[15], 8.0f, 0.0005f);
    EXPECT_EQ(input_device[0], 0) << "no pad: the keyboard for this run";
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
    EXPECT_STREQ(music_name, "musica/titulo.ogg");
    EXPECT_EQ(fake_audio.live, 1) << "the title tune plays";
    EXPECT_EQ(quit_request, 0);
    EXPECT_EQ(load_error, 0);

    input_device[1] = 1;   // player 2 picks the pad on the controls page meanwhile
    music_stop();          // the sound shutdown's part: it stops nothing in a game library never started
    shutdown_ordered();
    EXPECT_EQ(sfx_datafile, nullptr);
    EXPECT_EQ(asset_archive, nullptr);
    EXPECT_EQ(stage_skeleton, nullptr);
    EXPECT_EQ(font_text_lists, 0u);
    log = data_set_read(root, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, {"sndfx off\n", "shadow buffers off\n", "archivo config guardado\n",
                                     "vsync off\n", "gamma off\n", "fonts off\n",
                                     "poligonos con mascara off\n", "glow buffers off\n", "liberar engine\n", "allegro cerrado\n",
                                     "recorders off\n", "modelos off\n", "escenarios off\n", "selmodel off\n",
                                     "personajes/escenario off\n", "esqueletos off\n", "skelly escenario off\n",
                                     "sel skelly off\n", "zip off\n", "liberar memoria\n", "JGL off!\n",
                                     "\n -QORN successfully closed!\n"}));
    std::string settings = data_set_read(root, "data/qx.cfg");
    ASSERT_EQ(settings.size(), CONFIG_FILE_SIZE);
    EXPECT_EQ(settings[SETTINGS_INPUT_DEVICE_1], 1) << "the stored choice survives a run without the pad";
    EXPECT_EQ(settings[SETTINGS_INPUT_DEVICE_2], 1) << "a choice made during the run is kept";
}

// The loader reports success; the data error then ends the run at once.
TEST_F(Loader, AMissingTitleTuneStopsTheGameAfterAWholeStartUp)
{
    std::string root = data_set_copy("loader-no-tune");
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(data_set_remove_entry(root, "musica/titulo.ogg"));
    EXPECT_EQ(data_set_load(root), 1);
    EXPECT_EQ(quit_request, 1);
    EXPECT_EQ(load_error, 255);
    EXPECT_EQ(fake_audio.live, 0);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_NE(data_set_read(root, "data/initlog.txt").find("\n -QORN successfully initialized!\n"), std::string::npos);
}

TEST_F(Loader, AJoystickKeepsTheStoredDevices)
{
    std::string root = data_set_copy("loader-pad");
    ASSERT_FALSE(root.empty());
    joystick_available = 255;
    input_device[0] = 1;
    input_device[1] = 1;
    ASSERT_EQ(data_set_load(root), 1);
    EXPECT_EQ(input_device[0], 1);
    EXPECT_EQ(input_device[1], 1);
    input_devices_restore_for_saving();
    EXPECT_EQ(input_device[0], 1);
}
