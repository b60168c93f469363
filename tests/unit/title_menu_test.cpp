#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <gtest/gtest.h>

class TitleMenu : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
    void TearDown() override { tex_env_combine = 0; }
};

constexpr f32 POINTER_STEP = 0.1f;   // menu units per scaled mouse step

// The mouse motion that brings the pointer from where it is to (x, y) in one tick; the
// mouse's downward motion lowers the pointer.
static TickScript &pointer_to(TickScript &script, f32 x, f32 y, int buttons, int tick)
{
    return script.mouse(buttons, (x - pointer_x) / POINTER_STEP, (pointer_y - y) / POINTER_STEP, tick);
}

// Centres of the main page's hover rectangles.
constexpr f32 START_X = 0, START_Y = 1.5f;
constexpr f32 OPTIONS_X = 0, OPTIONS_Y = -9.5f;
constexpr f32 EXIT_X = 15, EXIT_Y = -11.5f;

TEST_F(TitleMenu, EnteringResetsTheMenuAndTheRunAndRestoresSixtyTicks)
{
    timer_logic_rate_set(LOGIC_TICK_30HZ);   // a knock-out's slow motion
    fighters[0].action = fighters[1].action = 7;
    menu_page = PAGE_AUDIO;
    menu_cursor = 2;
    menu_click_latch = 0;
    ladder_time = 900;
    game_state = STATE_FIGHT;
    title_menu_enter();
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
    EXPECT_EQ(fighters[0].action, 0);
    EXPECT_EQ(fighters[1].action, 0);
    EXPECT_EQ(menu_page, PAGE_MAIN);
    EXPECT_EQ(menu_cursor, 0);
    EXPECT_EQ(menu_click_latch, 1);   // a button held from the last screen does not click
    EXPECT_EQ(ladder_time, 0u);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_FLOAT_EQ(pointer_x, -20.0f);
    EXPECT_FLOAT_EQ(pointer_y, 15.0f);
    // Without a picture to load the count stays 0, so the next entry deletes nothing.
    EXPECT_EQ(title_texture_count, 0);
}

// The repeat guard: a held direction moves once; releasing or turning re-arms it; a diagonal
// moves nothing but re-arms.
TEST_F(TitleMenu, DirectionMovesOncePerPress)
{
    struct Case {
        const char *what;
        TickScript script;
        int cursor;   // from START, on the main page
        int sounds;
    };
    Case cases[] = {
        {"held for ten ticks", TickScript().direction(0, DIR_DOWN, 0, 10), 1, 1},
        {"released and pressed again", TickScript().direction(0, DIR_DOWN, 0, 3).direction(0, DIR_DOWN, 4, 3), 2, 2},
        {"turned without release", TickScript().direction(0, DIR_DOWN, 0, 3).direction(0, DIR_UP, 3, 3), 0, 2},
        {"through a diagonal", TickScript().direction(0, DIR_DOWN, 0, 2).direction(0, DIR_DOWN_RIGHT, 2, 2)
                                   .direction(0, DIR_DOWN, 4, 2), 2, 2},
        {"a diagonal alone", TickScript().direction(0, DIR_DOWN_LEFT, 0, 5), 0, 0},
        {"right and left on the main page", TickScript().direction(0, DIR_RIGHT, 0, 2).direction(0, DIR_LEFT, 2, 2), 0, 0},
        {"both players in one tick", TickScript().direction(0, DIR_UP, 0).direction(1, DIR_UP, 0), 3, 2},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        harness_run(12, c.script);
        EXPECT_EQ(menu_cursor, c.cursor);
        EXPECT_EQ(sfx_request_count, c.sounds);
        if (c.sounds) {
            EXPECT_EQ(sfx_last_request.number, SFX_POWER_FULL);
        }
    }
}

// Each page's range, its wrap and its skips, by one keyboard step of player 1.
TEST_F(TitleMenu, CursorRangesWrapAndSkipPerPage)
{
    struct Case {
        const char *what;
        i32 page;
        i32 from;
        Direction dir;
        i32 to;
        u8 combine, profiles, gallery;
        i32 apply_pending;
    };
    const Case cases[] = {
        {"main, down from EXIT", PAGE_MAIN, 4, DIR_DOWN, 0, 0, 0, 0, 0},
        {"main, up from START", PAGE_MAIN, 0, DIR_UP, 4, 0, 0, 0, 0},
        {"main, down from START to VERSUS", PAGE_MAIN, 0, DIR_DOWN, 1, 0, 0, 0, 0},
        {"options, down from BACK", PAGE_OPTIONS, 4, DIR_DOWN, 0, 0, 0, 0, 0},
        {"video without combine, down past SHADOWS", PAGE_VIDEO, 1, DIR_DOWN, 3, 0, 0, 0, 0},
        {"video without combine, up past SHADOWS", PAGE_VIDEO, 3, DIR_UP, 1, 0, 0, 0, 0},
        {"video with combine, down onto SHADOWS", PAGE_VIDEO, 1, DIR_DOWN, 2, 2, 0, 0, 0},
        {"video mode, no APPLY: down from BACK", PAGE_VIDEO_MODE, 6, DIR_DOWN, 0, 0, 0, 0, 0},
        {"video mode, no APPLY: up from the top", PAGE_VIDEO_MODE, 0, DIR_UP, 6, 0, 0, 0, 0},
        {"video mode, APPLY: down from BACK", PAGE_VIDEO_MODE, 6, DIR_DOWN, 7, 0, 0, 0, -1},
        {"video mode, APPLY: up from the top", PAGE_VIDEO_MODE, 0, DIR_UP, 7, 0, 0, 0, -1},
        {"audio, up from the top", PAGE_AUDIO, 0, DIR_UP, 2, 0, 0, 0, 0},
        {"keyboard keys, down from BACK", PAGE_KEYBOARD_KEYS, 8, DIR_DOWN, 0, 0, 0, 0, 0},
        {"joystick, down past the stick's rows", PAGE_JOYSTICK_BUTTONS, 1, DIR_DOWN, 4, 0, 0, 0, 0},
        {"joystick, up past the stick's rows", PAGE_JOYSTICK_BUTTONS, 4, DIR_UP, 1, 0, 0, 0, 0},
        {"joystick, up from the first row", PAGE_JOYSTICK_BUTTONS, 1, DIR_UP, 8, 0, 0, 0, 0},
        {"joystick, down from BACK", PAGE_JOYSTICK_BUTTONS, 8, DIR_DOWN, 1, 0, 0, 0, 0},
        {"extras, nothing bought, down from SHOP", PAGE_EXTRAS, 0, DIR_DOWN, 3, 0, 0, 0, 0},
        {"extras, nothing bought, up from BACK", PAGE_EXTRAS, 3, DIR_UP, 0, 0, 0, 0, 0},
        {"extras, profiles only, down from PROFILES", PAGE_EXTRAS, 1, DIR_DOWN, 3, 0, 1, 0, 0},
        {"extras, gallery only, down from SHOP", PAGE_EXTRAS, 0, DIR_DOWN, 2, 0, 0, 1, 0},
        {"extras, both, up from BACK", PAGE_EXTRAS, 3, DIR_UP, 2, 0, 1, 1, 0},
        {"local or network, down from BACK", PAGE_LOCAL_OR_NETWORK, 2, DIR_DOWN, 0, 0, 0, 0, 0},
        {"network, up from the top", PAGE_NETWORK, 0, DIR_UP, 2, 0, 0, 0, 0},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        menu_page = c.page;
        menu_cursor = c.from;
        tex_env_combine = c.combine;
        profiles_unlocked = c.profiles;
        gallery_bought = c.gallery;
        video_apply_pending = c.apply_pending;
        harness_run(1, TickScript().direction(0, c.dir, 0));
        EXPECT_EQ(menu_cursor, c.to);
        EXPECT_EQ(sfx_request_count, 1);
    }
    profiles_unlocked = gallery_bought = 0;
    video_apply_pending = 0;
}

// The network pages' empty ends hold only BACK: ESC or BACK returns to the item of the network
// page that opened them; directions stay on BACK.
TEST_F(TitleMenu, NetworkEndPagesLeadBack)
{
    struct Case {
        const char *what;
        i32 page;
        TickScript script;
        i32 cursor;
    };
    Case cases[] = {
        {"ESC on the first", PAGE_SELECT_DIRECT_1, TickScript().key(KEY_ESC, 1, 3), 0},
        {"BACK on the second", PAGE_SELECT_DIRECT_2, TickScript().button(1, BUTTON_START, 1), 1},
        {"directions, then ESC", PAGE_SELECT_DIRECT_2,
         TickScript().direction(0, DIR_DOWN, 0).direction(0, DIR_UP, 2).key(KEY_ESC, 4), 1},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        menu_page = c.page;
        harness_run(6, c.script);
        EXPECT_EQ(menu_page, PAGE_NETWORK);
        EXPECT_EQ(menu_cursor, c.cursor);
        EXPECT_EQ(game_state, STATE_MAIN_MENU);
    }
    // Up and down move nothing there, so they make no sound either.
    harness_reset();
    menu_page = PAGE_SELECT_DIRECT_1;
    harness_run(1);
    sfx_request_count = 0;
    harness_run(6, TickScript().direction(0, DIR_DOWN, 0).direction(1, DIR_UP, 2).direction(0, DIR_UP, 4));
    EXPECT_EQ(sfx_request_count, 0);
    EXPECT_EQ(menu_cursor, 0);
}

// Right and left step the brightness and the volumes, silently, and only on their rows.
TEST_F(TitleMenu, RightAndLeftStepTheSettingsRows)
{
    struct Case {
        const char *what;
        i32 page, cursor;
        Direction dir;
        int presses;
        u32 effects_from, effects_to;
        u32 music_from, music_to;
    };
    const Case cases[] = {
        {"effects up to the cap", PAGE_AUDIO, 0, DIR_RIGHT, 1, 62, 64, 64, 64},
        {"effects at the cap", PAGE_AUDIO, 0, DIR_RIGHT, 3, 64, 64, 64, 64},
        {"effects from 63", PAGE_AUDIO, 0, DIR_RIGHT, 1, 63, 64, 64, 64},
        {"effects down to the floor", PAGE_AUDIO, 0, DIR_LEFT, 2, 7, 0, 64, 64},
        {"music up to the cap", PAGE_AUDIO, 1, DIR_RIGHT, 1, 64, 64, 125, 128},
        {"music down to the floor", PAGE_AUDIO, 1, DIR_LEFT, 3, 64, 64, 25, 0},
        {"BACK row", PAGE_AUDIO, 2, DIR_RIGHT, 2, 10, 10, 10, 10},
        {"main page", PAGE_MAIN, 0, DIR_LEFT, 2, 10, 10, 10, 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        menu_page = c.page;
        menu_cursor = c.cursor;
        effects_volume = c.effects_from;
        music_volume = c.music_from;
        TickScript script;
        for (int i = 0; i < c.presses; i++)
            script.direction(0, c.dir, 2 * i);   // released between presses
        harness_run(2 * c.presses, script);
        EXPECT_EQ(effects_volume, c.effects_to);
        EXPECT_EQ(music_volume, c.music_to);
        EXPECT_EQ(sfx_request_count, 0);
    }
    config_set_defaults();
}

// From 1.0, 60 steps right reach 2.5 and the next is refused; left steps stop at 0.5 or just
// below it.
TEST_F(TitleMenu, BrightnessStepsStopAtTheirLimits)
{
    menu_page = PAGE_VIDEO;
    brightness = 1.0f;
    TickScript right, left;
    for (int i = 0; i < 90; i++) {
        right.direction(1, DIR_RIGHT, 2 * i);
        left.direction(1, DIR_LEFT, 2 * i);
    }
    harness_run(2 * 59, right);
    EXPECT_LT(brightness, 2.5f);
    harness_run(2 * 10, right);
    EXPECT_NEAR(brightness, 2.5f, 1e-4);
    EXPECT_GE(brightness, 2.5f - 1e-4f);
    harness_run(2 * 90, left);
    EXPECT_LE(brightness, 0.5f + 1e-4f);
    EXPECT_GT(brightness, 0.5f - 0.025f - 1e-4f);
    EXPECT_EQ(sfx_request_count, 0);
    config_set_defaults();
}

TEST_F(TitleMenu, PointerHoverSelectsTheItemUnderIt)
{
    TickScript script;
    harness_run(1, pointer_to(script, OPTIONS_X, OPTIONS_Y, 0, 0));
    EXPECT_EQ(menu_cursor, 3);
    EXPECT_EQ(sfx_request_count, 1);
    EXPECT_EQ(sfx_last_request.number, SFX_POWER_FULL);
    // Still and unmoved: nothing more happens.
    harness_run(5);
    EXPECT_EQ(sfx_request_count, 1);
    TickScript to_exit;
    harness_run(1, pointer_to(to_exit, EXIT_X, EXIT_Y, 0, 0));
    EXPECT_EQ(menu_cursor, 4);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);   // a hover confirms nothing
    // The bounds are open: on the line between START and VERSUS neither takes the hover.
    TickScript to_line;
    harness_run(1, pointer_to(to_line, 0.0f, -2.0f, 0, 0));
    EXPECT_EQ(menu_cursor, 4);
    EXPECT_EQ(sfx_request_count, 2);
}

// A click on OPTIONS selects and confirms it in one frame; the options page's own block then
// runs in that frame: its hover applies, its confirm cannot. The held button clicks nothing
// more; after a release the next click confirms.
TEST_F(TitleMenu, OneClickActsOncePerPress)
{
    harness_run(1);   // the entry's click latch frees once no button is down
    TickScript click;
    pointer_to(click, OPTIONS_X, OPTIONS_Y, 1, 0);
    harness_run(1, click);
    EXPECT_EQ(menu_page, PAGE_OPTIONS);
    EXPECT_EQ(menu_cursor, 3);   // GAME lies under the pointer on the options page
    EXPECT_EQ(sfx_request_count, 3);   // move, confirm, move
    EXPECT_EQ(latch_hard_swing[0], 1);
    EXPECT_EQ(latch_enter, 1);

    harness_run(10, TickScript().mouse(1, 0, 0, 0, 10));
    EXPECT_EQ(menu_page, PAGE_OPTIONS);
    EXPECT_EQ(sfx_request_count, 3);

    harness_run(3, TickScript().mouse(1, 0, 0, 1));   // up for a tick, then a new click
    EXPECT_EQ(menu_page, PAGE_GAME);
    EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
}

TEST_F(TitleMenu, OnlyTheLeftButtonAloneClicks)
{
    TickScript hover;
    harness_run(1, pointer_to(hover, START_X, START_Y, 0, 0));
    for (int buttons : {2, 3, 4}) {
        SCOPED_TRACE(buttons);
        harness_run(3, TickScript().mouse(buttons, 0, 0, 1));
        EXPECT_EQ(fade_mode, FADE_NONE);
    }
    // Player 2's START with a mouse button held still plays side one.
    harness_run(2, TickScript().mouse(2, 0, 0, 0, 2).button(1, BUTTON_START, 1));
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(game_mode, GAME_MODE_ARCADE_P1);
}

// During the fade-out nothing confirms and nothing is hovered, while the pointer moves.
TEST_F(TitleMenu, TheFadeFreezesTheMenuButNotThePointer)
{
    harness_run(1, TickScript().button(1, BUTTON_START, 0));
    ASSERT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(game_mode, GAME_MODE_ARCADE_P2);
    int sounds = sfx_request_count;
    TickScript during;
    pointer_to(during, OPTIONS_X, OPTIONS_Y, 1, 0);
    during.button(0, BUTTON_START, 2).button(1, BUTTON_HARD_SWING, 4).mouse(1, 0, 0, 6);
    harness_run(8, during);
    EXPECT_NEAR(pointer_x, OPTIONS_X, 1e-3);
    EXPECT_NEAR(pointer_y, OPTIONS_Y, 1e-3);
    EXPECT_EQ(menu_cursor, 0);
    EXPECT_EQ(menu_page, PAGE_MAIN);
    EXPECT_EQ(sfx_request_count, sounds);
    EXPECT_EQ(game_mode, GAME_MODE_ARCADE_P2);
}

// Through the pages and back by their BACK items, by keyboard.
TEST_F(TitleMenu, OptionsPageLeadsToItsPagesAndBack)
{
    harness_run(5, TickScript().direction(0, DIR_UP, 0).direction(0, DIR_UP, 2).button(0, BUTTON_HARD_SWING, 4));
    ASSERT_EQ(menu_page, PAGE_OPTIONS);
    EXPECT_EQ(menu_cursor, 0);
    harness_run(2, TickScript().button(1, BUTTON_START, 1));
    ASSERT_EQ(menu_page, PAGE_VIDEO);
    // Up from the first row reaches BACK, which returns to the options page's BACK.
    video_apply_pending = -1;
    harness_run(4, TickScript().direction(0, DIR_UP, 0).button(0, BUTTON_START, 2));
    EXPECT_EQ(menu_page, PAGE_OPTIONS);
    EXPECT_EQ(menu_cursor, 4);
    EXPECT_EQ(video_apply_pending, 0);
    // The options page's own BACK returns to OPTIONS on the main page.
    harness_run(2, TickScript().button(0, BUTTON_START, 1));
    EXPECT_EQ(menu_page, PAGE_MAIN);
    EXPECT_EQ(menu_cursor, 3);
}

// capture_latch holds whether any control was down when the last frame ended: a press of
// either player, or ENTER.
TEST_F(TitleMenu, AnyControlPressedSeesBothPlayersAndEnter)
{
    struct Case {
        const char *what;
        TickScript script;
        i32 latch;
    };
    Case cases[] = {
        {"nothing", TickScript(), 0},
        {"player 1's kick", TickScript().button(0, BUTTON_KICK, 0), 1},
        {"player 2's low swing", TickScript().button(1, BUTTON_LOW_SWING, 0), 1},
        {"player 2's direction", TickScript().direction(1, DIR_LEFT, 0), 1},
        {"ENTER", TickScript().key(KEY_ENTER, 0), 1},
        {"ESC", TickScript().key(KEY_ESC, 0), 0},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        menu_page = PAGE_KEYBOARD_KEYS;   // no item block acts on the press
        harness_run(1, c.script);
        EXPECT_EQ(capture_latch, c.latch);
    }
}
