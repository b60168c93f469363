#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <gtest/gtest.h>

// A paused fight (or another screen) in versus, with every button re-armed by one idle tick.
class PauseMenuTest : public ::testing::Test {
protected:
    void SetUp() override { pause_in(STATE_FIGHT, GAME_MODE_VERSUS); }
    void pause_in(int state, int mode)
    {
        harness_reset();
        reset_round();   // both fighters standing, as in a round under way
        game_state = state;
        game_mode = mode;
        harness_run(1);
        pause_open(-1);
        harness_run(1);   // ESC's latch frees
    }
};

TEST_F(PauseMenuTest, CursorMovesOncePerPressAndClamps)
{
    harness_run(10, TickScript().direction(0, DIR_DOWN, 0, 10));
    EXPECT_EQ(pause_cursor, 1);
    EXPECT_EQ(sfx_request_count, 1);
    harness_run(6, TickScript().direction(0, DIR_DOWN, 1).direction(1, DIR_DOWN, 3)
                       .direction(0, DIR_DOWN, 5));
    EXPECT_EQ(pause_cursor, 2);   // the full menu's last entry
    harness_run(8, TickScript().direction(0, DIR_UP, 1).direction(0, DIR_UP, 3)
                       .direction(0, DIR_UP, 5).direction(0, DIR_UP, 7));
    EXPECT_EQ(pause_cursor, 0);
}

// The fight has three entries; the select screens, the round intro and a summon two.
TEST_F(PauseMenuTest, ShortMenuWhereThereIsNoCamera)
{
    struct Case {
        int state, summon, last;
    };
    const Case cases[] = {{STATE_FIGHT, 0, 2},         {STATE_FIGHT, 2, 1},
                          {STATE_CHARACTER_SELECT, 0, 1}, {STATE_STAGE_SELECT, 0, 1},
                          {STATE_ROUND_INTRO, 0, 1}};
    for (const Case &c : cases) {
        pause_in(c.state, GAME_MODE_VERSUS);
        summon_phase = c.summon;
        harness_run(6, TickScript().direction(0, DIR_DOWN, 1).direction(0, DIR_DOWN, 3)
                           .direction(0, DIR_DOWN, 5));
        EXPECT_EQ(pause_cursor, c.last) << c.state << "/" << c.summon;
        EXPECT_EQ(paused, 1);
    }
}

TEST_F(PauseMenuTest, HoverBands)
{
    struct Case {
        int state;
        f32 y;
        int cursor;
    };
    const Case cases[] = {
        {STATE_FIGHT, 1.8f, 0},   {STATE_FIGHT, 0.68f, 0},  {STATE_FIGHT, 0.0f, 1},
        {STATE_FIGHT, -1.2f, 2},  {STATE_FIGHT, -2.6f, 2},  {STATE_FIGHT, 5.0f, -1},
        {STATE_FIGHT, -3.0f, -1}, {STATE_STAGE_SELECT, 1.4f, 0}, {STATE_STAGE_SELECT, -0.5f, 1},
        {STATE_STAGE_SELECT, -1.5f, -1},
    };
    for (const Case &c : cases) {
        pause_in(c.state, GAME_MODE_VERSUS);
        pause_cursor = -1;   // no entry, so any band hovered shows
        pointer_x = 0.0f;
        pointer_y = c.y;
        harness_run(1);
        EXPECT_EQ(pause_cursor, c.cursor < 0 ? 0 : c.cursor) << c.state << " y " << c.y;
    }
}

// RETURN TO TITLE opens the box on NO, so a second press in a row only closes it; YES leaves.
TEST_F(PauseMenuTest, ReturnToTitleAsksFirst)
{
    pause_in(STATE_CHARACTER_SELECT, GAME_MODE_ARCADE_P1);
    harness_run(2, TickScript().direction(0, DIR_DOWN, 1));
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(pause_confirm, -1);
    EXPECT_EQ(pause_confirm_cursor, 1);
    EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(pause_confirm, 0);
    EXPECT_EQ(paused, 1);
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);

    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    harness_run(2, TickScript().direction(0, DIR_LEFT, 1));
    EXPECT_EQ(pause_confirm_cursor, 0);
    logic_tick_units = LOGIC_TICK_30HZ;
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
}

// YES leaves for the title and stays there while the confirming press is still held: neither
// a HARD SWING nor a click that said YES starts a new game on the title.
TEST_F(PauseMenuTest, YesEndsOnTheTitleWhileThePressIsHeld)
{
    struct Case {
        int state, mode;
        bool mouse;
    };
    const Case cases[] = {
        {STATE_FIGHT, GAME_MODE_ARCADE_P1, false},
        {STATE_CHARACTER_SELECT, GAME_MODE_ARCADE_P1, false},
        {STATE_CHARACTER_SELECT, GAME_MODE_PROFILE_P1, false},
        {STATE_FIGHT, GAME_MODE_ARCADE_P1, true},
        {STATE_CHARACTER_SELECT, GAME_MODE_PROFILE_P1, true},
    };
    for (const Case &c : cases) {
        pause_in(c.state, c.mode);
        pause_confirm = -1;
        pause_confirm_cursor = 0;   // YES
        pointer_x = -5.0f;          // over YES
        pointer_y = 0.0f;
        TickScript held;
        if (c.mouse)
            held.mouse(1, 0.0f, 0.0f, 1, 40);
        else
            held.button(0, BUTTON_HARD_SWING, 1, 40);
        harness_run(45, held);
        EXPECT_EQ(game_state, STATE_MAIN_MENU) << c.state << "/" << c.mode << "/" << c.mouse;
        EXPECT_EQ(fade_mode, FADE_NONE) << c.state << "/" << c.mode << "/" << c.mouse;
        EXPECT_EQ(menu_page, PAGE_MAIN) << c.state << "/" << c.mode << "/" << c.mouse;
    }
}

// A held HARD SWING confirms once: its ready byte is spent until it is released.
TEST_F(PauseMenuTest, HeldButtonActsOncePerPress)
{
    pause_cursor = 1;   // MOVE CAMERA
    harness_run(10, TickScript().button(0, BUTTON_HARD_SWING, 1, 9));
    EXPECT_EQ(free_camera, 1);
    harness_run(3, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(free_camera, 0);
}

// In the free camera the directions turn the camera, and Start first ends the free camera,
// then resumes the fight.
TEST_F(PauseMenuTest, FreeCameraThenStartTwice)
{
    pause_cursor = 1;
    harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 1));
    ASSERT_EQ(free_camera, 1);
    harness_run(1, TickScript().direction(0, DIR_UP_RIGHT, 0));
    EXPECT_EQ(mouse_move_x, 10.0f);
    EXPECT_EQ(mouse_move_y, 5.0f);
    EXPECT_EQ(pause_cursor, 1);   // the directions do not move the cursor meanwhile
    harness_run(2, TickScript().button(0, BUTTON_START, 1));
    EXPECT_EQ(free_camera, 0);
    EXPECT_EQ(paused, 1);
    harness_run(2, TickScript().button(1, BUTTON_START, 1));
    EXPECT_EQ(paused, 0);
}

TEST_F(PauseMenuTest, EscResumesOncePerPress)
{
    harness_run(3, TickScript().key(KEY_ESC, 1, 2));
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(latch_esc, 1);
}

// A confirmation on the character select spends the press for the select's own picks too.
TEST_F(PauseMenuTest, ConfirmSetsTheSelectButtonLatches)
{
    pause_in(STATE_CHARACTER_SELECT, GAME_MODE_VERSUS);
    harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(paused, 0);   // RESUME
    // Player 1 holds no button, so the select's own tick frees that latch at once; player 2's
    // held press stays spent and picks nothing.
    EXPECT_EQ(select_button_latch[1], -1);
    EXPECT_EQ(select_confirmed[1], 0);
    EXPECT_EQ(input_hard_swing_ready[0], 0);
    EXPECT_EQ(input_hard_swing_ready[1], 0);
}

// Only the players of the mode work the menu.
TEST_F(PauseMenuTest, IdlePlayerCannotWorkTheMenu)
{
    struct Case {
        int mode, player;
        bool works;
    };
    const Case cases[] = {{GAME_MODE_ARCADE_P1, 1, false}, {GAME_MODE_ARCADE_P1, 0, true},
                          {GAME_MODE_ARCADE_P2, 0, false}, {GAME_MODE_ARCADE_P2, 1, true},
                          {GAME_MODE_PROFILE_P1, 1, false}, {GAME_MODE_PROFILE_P2, 1, true},
                          {GAME_MODE_CHALLENGE, 1, true}};
    for (const Case &c : cases) {
        pause_in(STATE_FIGHT, c.mode);
        harness_run(6, TickScript().direction(c.player, DIR_DOWN, 1)
                           .button(c.player, BUTTON_START, 3));
        EXPECT_EQ(pause_cursor, c.works ? 1 : 0) << c.mode << "/" << c.player;
        EXPECT_EQ(paused, c.works ? 0 : 1) << c.mode << "/" << c.player;
    }
}

TEST_F(PauseMenuTest, MouseClickConfirmsTheHoveredEntry)
{
    pointer_x = 0.0f;
    pointer_y = -2.0f;   // RETURN TO TITLE's band
    harness_run(1, TickScript().mouse(1, 0.0f, 0.0f, 0));
    EXPECT_EQ(pause_cursor, 2);
    EXPECT_EQ(pause_confirm, -1);
    // Held: the pointer moves over YES (the hover shows from the next tick on), but the same
    // press does not click again.
    harness_run(2, TickScript().mouse(1, -100.0f, 0.0f, 0).mouse(1, 0.0f, 0.0f, 1));
    EXPECT_EQ(pause_confirm, -1);
    EXPECT_EQ(pause_confirm_cursor, 0);
    EXPECT_EQ(game_state, STATE_FIGHT);
}

// What opening the pause spends and places, by the screen it opens over.
TEST_F(PauseMenuTest, OpeningByScreen)
{
    struct Case {
        int state, player;
        bool both_starts, cursor_reset, enter_latched;
    };
    const Case cases[] = {
        {STATE_FIGHT, 1, false, true, true},           {STATE_FIGHT, -1, true, true, true},
        {STATE_CHARACTER_SELECT, 0, true, true, false}, {STATE_STAGE_SELECT, 1, true, true, true},
        {STATE_ROUND_INTRO, 0, true, false, true},
    };
    for (const Case &c : cases) {
        harness_reset();
        game_state = c.state;
        pause_cursor = 2;
        pointer_x = pointer_y = 0.0f;
        pause_confirm = -1;
        pause_open(c.player);
        EXPECT_EQ(paused, 1);
        EXPECT_EQ(latch_esc, 1);
        EXPECT_EQ(pause_confirm, 0);
        EXPECT_EQ(latch_start[0], c.both_starts || c.player == 0 ? 1 : 0) << c.state;
        EXPECT_EQ(latch_start[1], 1) << c.state;
        EXPECT_EQ(pause_cursor, c.cursor_reset ? 0 : 2) << c.state;
        EXPECT_EQ(pointer_x, c.cursor_reset ? -7.0f : 0.0f) << c.state;
        EXPECT_EQ(latch_enter, c.enter_latched ? 1 : 0) << c.state;
    }
}
