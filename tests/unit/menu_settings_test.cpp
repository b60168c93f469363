// The title's settings pages through the tick and the frame step: the video, audio and game
// options, the controls pages with their capture machine, and the text field.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/test_paths.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

constexpr f32 POINTER_STEP = 0.1f;

class MenuSettings : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
    void TearDown() override
    {
        config_set_defaults();
        tex_env_combine = 0;
        capture_active = CAPTURE_NONE;
        video_apply_pending = 0;
    }
};

// The mouse motion that brings the pointer to (x, y) in one tick.
static TickScript &pointer_to(TickScript &script, f32 x, f32 y, int buttons, int tick)
{
    return script.mouse(buttons, (x - pointer_x) / POINTER_STEP, (pointer_y - y) / POINTER_STEP, tick);
}

static void page_open(i32 page, i32 cursor)
{
    menu_page = page;
    menu_cursor = cursor;
    harness_run(1);   // the entry's click latch frees
    sfx_request_count = 0;
}

// A keyboard confirm of the selected item by player 1's HARD SWING.
static void confirm()
{
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 0));
}

TEST_F(MenuSettings, VideoTogglesAndGreying)
{
    page_open(PAGE_VIDEO, 1);
    confirm();
    EXPECT_EQ(vsync_option, 1);
    EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
    menu_cursor = 2;
    confirm();
    EXPECT_EQ(shadow_quality, 1);   // greyed without combine, but it still changes
    menu_cursor = 3;
    confirm();
    confirm();
    EXPECT_EQ(glow_effect, 0);
    // BACK lands on the options page's BACK.
    menu_cursor = 4;
    confirm();
    EXPECT_EQ(menu_page, PAGE_OPTIONS);
    EXPECT_EQ(menu_cursor, 4);
}

// A click on a slider's row takes the value from the pointer over 2 < x <= 10; elsewhere the
// value stays. The slider's confirm is silent and leaves the click latch clear, so a held
// button drags.
TEST_F(MenuSettings, SlidersFollowThePointer)
{
    struct Case {
        const char *what;
        i32 page, item;
        f32 x, y;
        f32 brightness;
        u32 effects, music;
    };
    const Case cases[] = {
        {"brightness at 6.5", PAGE_VIDEO, 0, 6.5f, -2.75f, 1.5f, 64, 64},
        {"brightness at 2", PAGE_VIDEO, 0, 2.0f, -2.75f, 1.0f, 64, 64},
        {"effects at 6", PAGE_AUDIO, 0, 6.0f, -2.75f, 1.0f, 32, 64},
        {"effects at 9.99", PAGE_AUDIO, 0, 9.99f, -2.75f, 1.0f, 63, 64},
        {"music at 9.9", PAGE_AUDIO, 1, 9.9f, -4.25f, 1.0f, 64, 126},
        {"music at 10.5", PAGE_AUDIO, 1, 10.5f, -4.25f, 1.0f, 64, 64},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        page_open(c.page, c.item);
        TickScript script;
        pointer_to(script, c.x, c.y, 0, 0).mouse(1, 0, 0, 1);
        harness_run(2, script);
        EXPECT_NEAR(brightness, c.brightness, 1e-5);
        EXPECT_EQ(effects_volume, c.effects);
        EXPECT_EQ(music_volume, c.music);
        EXPECT_EQ(menu_click_latch, 0);
        EXPECT_EQ(sfx_request_count, 0);
    }
    // Dragging along the effects slider changes the volume in every frame.
    harness_reset();
    page_open(PAGE_AUDIO, 0);
    TickScript drag;
    pointer_to(drag, 3.0f, -2.75f, 1, 0);
    drag.mouse(1, 10, 0, 1).mouse(1, 10, 0, 2).mouse(1, 0, 0, 3);
    harness_run(4, drag);
    EXPECT_EQ(effects_volume, 24u);   // (5 - 2) x 8
}

// Each option's cycle, a stored value outside it, and the APPLY a difficulty or time change
// offers.
TEST_F(MenuSettings, GameOptionsCycle)
{
    struct Case {
        const char *what;
        int item;
        long long from, to;
        bool apply;
    };
    const Case cases[] = {
        {"difficulty Easy to Normal", 0, 2, 4, true}, {"difficulty Hard to Easiest", 0, 5, 1, true},
        {"difficulty stored 3", 0, 3, 4, true},       {"difficulty stored 9", 0, 9, 1, true},
        {"difficulty stored -4", 0, -4, -3, true},    {"time 60 to 80", 1, 2, 0, true},
        {"time stored Inf", 1, 3, 0, true},           {"rounds 3 to 1", 2, 3, 1, false},
        {"rounds stored 0", 2, 0, 1, false},          {"blood on to off", 3, 255, 0, false},
        {"blood stored 7", 3, 7, 255, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        video_apply_pending = 0;
        difficulty = static_cast<i8>(c.item == 0 ? c.from : 2);
        round_time_option = static_cast<u32>(c.item == 1 ? c.from : 0);
        rounds_to_win = static_cast<u32>(c.item == 2 ? c.from : 2);
        blood = static_cast<u8>(c.item == 3 ? c.from : 0);
        page_open(PAGE_GAME, c.item);
        confirm();
        long long values[] = {difficulty, round_time_option, rounds_to_win, blood};
        EXPECT_EQ(values[c.item], c.to);
        EXPECT_EQ(video_apply_pending, c.apply ? -1 : 0);
    }
}

// The changed settings reach their offsets in the 169-byte file and come back on a new start.
TEST_F(MenuSettings, ChangedSettingsSurviveASaveAndANewStart)
{
    std::string dir = test_scratch_dir("menu_settings");
    std::string path = dir + "/qx.cfg";
    page_open(PAGE_AUDIO, 1);
    harness_run(2, TickScript().direction(0, DIR_LEFT, 0));   // music 64 to 54
    page_open(PAGE_GAME, 0);
    confirm();                                                   // difficulty 2 to 4
    ASSERT_TRUE(config_save(path.c_str()));
    FILE *file = fopen(path.c_str(), "rb");
    ASSERT_TRUE(file);
    u8 bytes[CONFIG_FILE_SIZE] = {};
    ASSERT_EQ(fread(bytes, 1, sizeof bytes, file), CONFIG_FILE_SIZE);
    fclose(file);
    EXPECT_EQ(bytes[17], 54);
    EXPECT_EQ(bytes[29], 4);
    config_set_defaults();
    config_load(path.c_str());
    EXPECT_EQ(music_volume, 54u);
    EXPECT_EQ(difficulty, 4);
}

// ---- controls --------------------------------------------------------------------------------
static int stored(int library_scancode)
{
    return scancode_from_library(library_scancode);
}

// Rebinding moves a key: its old place shows "(none)". F1, F12 and ESC are never taken; ESC
// restores the old key.
TEST_F(MenuSettings, KeyCaptureMovesAKeyAndEscRestores)
{
    harness_settings_folder_new();   // the binding is read back from it below
    binding_player = 0;
    page_open(PAGE_KEYBOARD_KEYS, 2);   // LEFT
    i32 old_left = bind_key_left[0];
    confirm();
    EXPECT_EQ(capture_active, CAPTURE_LEFT);
    EXPECT_EQ(bind_key_left[0], 0);   // shows "(none)" while it waits
    harness_run(4, TickScript().key(KEY_F1, 0).key(KEY_F12, 2));
    EXPECT_EQ(capture_active, CAPTURE_LEFT);
    // Player 2's right (D) becomes player 1's left; player 2's right is left with none.
    harness_run(2, TickScript().key(KEY_D, 0));
    EXPECT_EQ(capture_active, CAPTURE_NONE);
    EXPECT_EQ(bind_key_left[0], stored(KEY_D));
    EXPECT_EQ(bind_key_right[1], 0);
    EXPECT_STREQ(key_names[bind_key_right[1]], "(none)");
    // The new binding is on disk at once, not only at shutdown.
    char settings_path[BASE_DIR_SIZE + 32];
    ASSERT_TRUE(base_path(settings_path, sizeof settings_path, "data/qx.cfg"));
    bind_key_left[0] = bind_key_right[1] = -1;
    ASSERT_EQ(config_load(settings_path), 1);
    EXPECT_EQ(bind_key_left[0], stored(KEY_D));
    EXPECT_EQ(bind_key_right[1], 0);
    // A second capture aborted by ESC puts the key back.
    harness_run(2);
    confirm();
    EXPECT_EQ(capture_active, CAPTURE_LEFT);
    harness_run(2, TickScript().key(KEY_ESC, 0));
    EXPECT_EQ(capture_active, CAPTURE_NONE);
    EXPECT_EQ(bind_key_left[0], stored(KEY_D));
    EXPECT_NE(old_left, stored(KEY_D));
}

// BACK confirmed while a capture waits acts like ESC (on the joystick page the keyboard can
// reach it); ESC with no capture does nothing.
TEST_F(MenuSettings, BackDuringACaptureRestoresTheBinding)
{
    harness_joysticks(1);
    binding_player = 0;
    bind_joy_index[0] = 0;
    bind_joy_kick[0] = 2;
    page_open(PAGE_JOYSTICK_BUTTONS, 6);   // KICK
    confirm();
    ASSERT_EQ(capture_active, CAPTURE_KICK);
    EXPECT_EQ(bind_joy_kick[0], -1);
    harness_run(6, TickScript().direction(0, DIR_DOWN, 0).direction(0, DIR_DOWN, 2).button(0, BUTTON_START, 4));
    EXPECT_EQ(menu_page, PAGE_CONTROLS);
    EXPECT_EQ(menu_cursor, 4);
    EXPECT_EQ(capture_active, CAPTURE_NONE);
    EXPECT_EQ(bind_joy_kick[0], 2);
    harness_run(2, TickScript().key(KEY_ESC, 0));
    EXPECT_EQ(menu_page, PAGE_CONTROLS);
}

// A scripted joystick: the stick gives JOY_0, a button JOY_0_BUTTON0.
TEST_F(MenuSettings, JoystickCaptureTakesTheStickAndAButton)
{
    harness_joysticks(1);
    joystick_available = 255;
    binding_player = 0;
    bind_joy_index[0] = -1;
    page_open(PAGE_JOYSTICK_BUTTONS, 1);
    confirm();
    ASSERT_EQ(capture_active, CAPTURE_STICK);
    harness_run(2, TickScript().joy_axis(0, 0, 0, -128, 0));
    EXPECT_EQ(capture_active, CAPTURE_NONE);
    EXPECT_EQ(bind_joy_index[0], 0);
    EXPECT_EQ(bind_joy_stick[0], 0);
    EXPECT_EQ(stick_capture_result[0], DIR_LEFT);
    harness_run(2);
    menu_cursor = 5;   // LOW SWING
    confirm();
    ASSERT_EQ(capture_active, CAPTURE_LOW_SWING);
    EXPECT_EQ(bind_joy_low_swing[0], -1);
    harness_run(2, TickScript().joy_button(0, 0, 0));
    EXPECT_EQ(capture_active, CAPTURE_NONE);
    EXPECT_EQ(bind_joy_low_swing[0], 0);
    char value[32];
    snprintf(value, sizeof value, "JOY_%d_BUTTON%d", bind_joy_index[0], bind_joy_low_swing[0]);
    EXPECT_STREQ(value, "JOY_0_BUTTON0");
}

// The device toggle: nothing at all without a joystick; one joystick serves one player.
TEST_F(MenuSettings, DeviceToggleWithOneJoystick)
{
    page_open(PAGE_CONTROLS, 0);
    confirm();
    EXPECT_EQ(input_device[0], 0);
    EXPECT_EQ(sfx_request_count, 0);
    harness_joysticks(1);
    input_device[1] = 1;
    confirm();
    EXPECT_EQ(input_device[0], 1);
    EXPECT_EQ(input_device[1], 0);
    EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
}

// ---- text field ------------------------------------------------------------------------------
TEST_F(MenuSettings, TextFieldTakesFourteenAndBackspaces)
{
    char buffer[16];
    text_field_open(buffer, sizeof buffer);
    EXPECT_STREQ(buffer, "_");
    text_field_key(buffer, sizeof buffer, KEY_BACKSPACE << 8 | 8);
    EXPECT_STREQ(buffer, "_");
    EXPECT_EQ(text_field_length, 0);
    const char *typed = "Jason of Iolcus";   // fifteen, a space among them
    for (const char *c = typed; *c; c++)
        text_field_key(buffer, sizeof buffer, *c);
    EXPECT_STREQ(buffer, "Jason of Iolcu_");
    text_field_key(buffer, sizeof buffer, KEY_F5 << 8);
    text_field_key(buffer, sizeof buffer, KEY_ENTER << 8 | 13);
    EXPECT_STREQ(buffer, "Jason of Iolcu_");
    text_field_key(buffer, sizeof buffer, KEY_BACKSPACE << 8 | 8);
    EXPECT_STREQ(buffer, "Jason of Iolc_");
    EXPECT_EQ(text_field_length, 13);
}

// A buffer smaller than the field takes what it holds; the glyph and the NUL stay inside it.
TEST_F(MenuSettings, TextFieldStaysInsideASmallBuffer)
{
    char buffer[6] = {'x', 'x', 'x', 'x', 'x', 'x'};
    text_field_open(buffer, 5);
    for (char c : {'a', 'b', 'c', 'd', 'e'})
        text_field_key(buffer, 5, c);
    EXPECT_STREQ(buffer, "abc_");
    EXPECT_EQ(buffer[5], 'x');
}

// ---- the pages that lead out of the menu -------------------------------------------------------
constexpr int FADE_TICKS = 67;

TEST_F(MenuSettings, LocalGameReachesTheVersusSelect)
{
    ladder_index = 5;
    ladder_started = 1;
    harness_run(6, TickScript().direction(0, DIR_DOWN, 0).button(1, BUTTON_START, 2).button(0, BUTTON_HARD_SWING, 4));
    EXPECT_EQ(menu_page, PAGE_LOCAL_OR_NETWORK);
    EXPECT_EQ(fade_mode, FADE_OUT);
    harness_run(FADE_TICKS);
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
    EXPECT_EQ(game_mode, GAME_MODE_VERSUS);
    EXPECT_EQ(ladder_index, 0);
    EXPECT_EQ(ladder_started, 0);
    EXPECT_STREQ(music_name, "musica/select.ogg");
}

// Each BACK of the pages off the main page returns to the row that opened them; page 11's
// returns to page 10's BACK.
TEST_F(MenuSettings, BacksReturnToTheRowsThatOpenedThem)
{
    struct Case {
        i32 page, back;
        i32 page_after, cursor_after;
    };
    const Case cases[] = {
        {PAGE_OPTIONS, 4, PAGE_MAIN, 3},
        {PAGE_EXTRAS, 3, PAGE_MAIN, 2},
        {PAGE_LOCAL_OR_NETWORK, 2, PAGE_MAIN, 1},
        {PAGE_NETWORK, 2, PAGE_LOCAL_OR_NETWORK, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.page);
        harness_reset();
        page_open(c.page, c.back);
        confirm();
        EXPECT_EQ(menu_page, c.page_after);
        EXPECT_EQ(menu_cursor, c.cursor_after);
    }
}

// A hidden GALLERY neither hovers nor confirms, not even by a click on its place; once bought
// its confirm fades out to the gallery, and PROFILES picks whose profiles by who confirmed.
TEST_F(MenuSettings, ExtrasHiddenItemsStayOut)
{
    page_open(PAGE_EXTRAS, 0);
    TickScript click;
    pointer_to(click, 0, -6.5f, 0, 0).mouse(1, 0, 0, 1);
    harness_run(2, click);
    EXPECT_EQ(menu_cursor, 0);
    EXPECT_EQ(fade_mode, FADE_NONE);
    harness_reset();
    gallery_bought = 1;
    profiles_unlocked = 1;
    page_open(PAGE_EXTRAS, 1);
    harness_run(2, TickScript().button(1, BUTTON_START, 0));
    EXPECT_EQ(game_mode, GAME_MODE_PROFILE_P2);
    EXPECT_EQ(fade_mode, FADE_OUT);
    harness_reset();
    gallery_bought = 1;
    page_open(PAGE_EXTRAS, 0);
    TickScript gallery;
    pointer_to(gallery, 0, -6.5f, 0, 0).mouse(1, 0, 0, 1);
    harness_run(2 + FADE_TICKS, gallery);
    EXPECT_EQ(game_state, STATE_GALLERY);
    EXPECT_STREQ(music_name, "musica/tavrosk2.ogg");
}

// A bought profile opens the biography from the select; START leads back to the select.
TEST_F(MenuSettings, ProfilesLeadToTheBiographyAndBack)
{
    profiles_unlocked = 1;
    profile_jason = 2;
    game_mode = GAME_MODE_PROFILE_P1;
    game_state = STATE_BIOGRAPHY;
    harness_run(2, TickScript().button(0, BUTTON_START, 1));
    EXPECT_EQ(fade_mode, FADE_OUT);
    harness_run(FADE_TICKS);
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
}
