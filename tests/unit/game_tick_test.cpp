#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "story/story.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <gtest/gtest.h>

class GameTickTest : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
};

// 0.015 per tick passes 1.0 on the 67th fade step.
constexpr int FADE_TICKS = 67;

TEST_F(GameTickTest, StartStateIsTheTitleMenuAtSixtyTicksPerSecond)
{
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(menu_page, PAGE_MAIN);
    EXPECT_EQ(menu_cursor, 0);
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
}

// START on the title's main page: the fade-out runs 67 ticks, then the character select opens
// without a fade-in, for the side that pressed.
TEST_F(GameTickTest, TitleStartFadesToTheCharacterSelect)
{
    struct Case {
        int player;
        InputButton button;
        int mode;
    };
    const Case cases[] = {{0, BUTTON_START, GAME_MODE_ARCADE_P1},
                          {1, BUTTON_START, GAME_MODE_ARCADE_P2},
                          {0, BUTTON_HARD_SWING, GAME_MODE_ARCADE_P1}};
    for (const Case &c : cases) {
        harness_reset();
        harness_run(1, TickScript().button(c.player, c.button, 0));
        EXPECT_EQ(fade_mode, FADE_OUT);
        EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
        EXPECT_EQ(game_mode, c.mode);
        harness_run(FADE_TICKS - 1);
        EXPECT_EQ(game_state, STATE_MAIN_MENU);
        harness_run(1);
        EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
        EXPECT_EQ(fade_mode, FADE_NONE);
        EXPECT_EQ(fight_load_phase, 0);
        EXPECT_EQ(select_chord_played, -1);   // set by the select's first frame
        EXPECT_STREQ(music_name, "musica/select.ogg");
        EXPECT_EQ(quit_request, 0);
    }
}

TEST_F(GameTickTest, TitleCursorMovesOncePerPressAndWraps)
{
    harness_run(10, TickScript().direction(0, DIR_UP, 0, 10));
    EXPECT_EQ(menu_cursor, 4);   // START up to EXIT
    EXPECT_EQ(sfx_request_count, 1);
    harness_run(3, TickScript().direction(0, DIR_DOWN, 1));
    EXPECT_EQ(menu_cursor, 0);   // EXIT down to START
    // Both players in one tick move twice.
    harness_run(1, TickScript().direction(0, DIR_DOWN, 0).direction(1, DIR_DOWN, 0));
    EXPECT_EQ(menu_cursor, 2);
}

// EXIT on the main page opens the exit screen at once; ESC there quits, in every tick it is
// held, and ends the run before the frame.
TEST_F(GameTickTest, ExitScreenEscQuits)
{
    harness_run(3, TickScript().direction(0, DIR_UP, 0).button(0, BUTTON_HARD_SWING, 2));
    EXPECT_EQ(game_state, STATE_EXIT_SCREEN);
    EXPECT_EQ(fade_mode, FADE_NONE);
    EXPECT_EQ(harness_run(5), 5);
    EXPECT_EQ(quit_request, 0);
    EXPECT_EQ(harness_run(5, TickScript().key(KEY_ESC, 2, 3)), 3);
    EXPECT_EQ(quit_request, 255);
    quit_request = 0;
    EXPECT_EQ(harness_run(5, TickScript().key(KEY_ESC, 0, 5)), 1);
    EXPECT_EQ(quit_request, 255);
}

// A START held through a fade-in and released after it does nothing; the next press acts.
TEST_F(GameTickTest, LatchesStaySetThroughAFade)
{
    fade_mode = FADE_IN;
    fade_level = 1.0f;
    harness_run(FADE_TICKS + 20, TickScript().button(0, BUTTON_START, 0, FADE_TICKS + 20));
    EXPECT_EQ(fade_mode, FADE_NONE);
    EXPECT_EQ(latch_start[0], 1);
    EXPECT_EQ(sfx_request_count, 0);
    harness_run(3, TickScript().button(0, BUTTON_START, 2));
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
}

TEST_F(GameTickTest, FadeOrFightLoadClearsEveryInput)
{
    struct Case {
        int fade, load;
    };
    const Case cases[] = {{FADE_OUT, 0}, {FADE_IN, 0}, {FADE_NONE, 1}, {FADE_NONE, 2}};
    for (const Case &c : cases) {
        harness_reset();
        game_state = STATE_EXIT_SCREEN;
        fade_mode = c.fade;
        fade_level = 0.5f;
        fight_load_phase = c.load;
        TickScript all;
        all.direction(1, DIR_UP_LEFT, 0);
        for (int b = 0; b < BUTTON_COUNT; b++)
            all.button(0, static_cast<InputButton>(b), 0).button(1, static_cast<InputButton>(b), 0);
        harness_run(1, all);
        for (int p = 0; p < 2; p++) {
            EXPECT_EQ(input_dir[p], DIR_NONE);
            EXPECT_EQ(input_hard_swing[p] | input_low_swing[p] | input_kick[p] | input_start[p], 0);
            EXPECT_EQ(latch_hard_swing[p] & latch_low_swing[p] & latch_kick[p] & latch_start[p], 1);
        }
    }
}

// Where a fade ends, by the state and mode it started in, and the tune it starts.
TEST_F(GameTickTest, FadeEndTransitions)
{
    struct Case {
        int state, mode, state_after, fade_after;
        const char *tune;
        int quit;
    };
    const char *title = "musica/titulo.ogg";
    const char *select = "musica/select.ogg";
    const Case cases[] = {
        {STATE_GAME_OVER, GAME_MODE_ARCADE_P1, STATE_MAIN_MENU, FADE_IN, title, 0},
        {STATE_CREDITS_EARNED, GAME_MODE_ARCADE_P1, STATE_MAIN_MENU, FADE_IN, title, 0},
        {STATE_GALLERY, GAME_MODE_ARCADE_P1, STATE_MAIN_MENU, FADE_IN, title, 0},
        {STATE_CHARACTER_SELECT, GAME_MODE_VERSUS, STATE_STAGE_SELECT, FADE_IN, "", 0},
        // The biography loads its character: with no archive here, the game then stops.
        {STATE_CHARACTER_SELECT, GAME_MODE_PROFILE_P2, STATE_BIOGRAPHY, FADE_IN, title, 1},
        {STATE_BIOGRAPHY, GAME_MODE_PROFILE_P1, STATE_CHARACTER_SELECT, FADE_NONE, select, 0},
        {STATE_FIGHT, GAME_MODE_CHALLENGE, STATE_CHARACTER_SELECT, FADE_NONE, select, 0},
        {STATE_CONTINUE, GAME_MODE_ARCADE_P1, STATE_CHARACTER_SELECT, FADE_NONE, select, 0},
        // No entry of their own: back to the title rather than a black screen.
        {STATE_MATCH_OVER, GAME_MODE_VERSUS, STATE_MAIN_MENU, FADE_IN, title, 0},
        {STATE_ROUND_INTRO, GAME_MODE_VERSUS, STATE_MAIN_MENU, FADE_IN, title, 0},
        {STATE_SHOP, GAME_MODE_ARCADE_P1, STATE_MAIN_MENU, FADE_IN, title, 0},
        {STATE_EXIT_SCREEN, GAME_MODE_ARCADE_P1, STATE_MAIN_MENU, FADE_IN, title, 0},
    };
    for (const Case &c : cases) {
        harness_reset();
        music_name[0] = 0;
        game_state = c.state;
        game_mode = c.mode;
        round_clock = 80;   // a fight has time left
        logic_tick_units = LOGIC_TICK_30HZ;
        fade_out_start();
        harness_run(FADE_TICKS - 1);
        EXPECT_EQ(game_state, c.state) << c.state << "/" << c.mode;
        harness_run(1);
        EXPECT_EQ(game_state, c.state_after) << c.state << "/" << c.mode;
        EXPECT_EQ(fade_mode, c.fade_after) << c.state << "/" << c.mode;
        EXPECT_STREQ(music_name, c.tune) << c.state << "/" << c.mode;
        if (c.fade_after == FADE_IN) {
            EXPECT_EQ(fade_level, 1.0f);
        }
        if (c.state_after == STATE_MAIN_MENU) {
            EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
        }
        EXPECT_EQ(quit_request, c.quit) << c.state << "/" << c.mode;
    }
}

// The title menu's fade ends by page and cursor; a page without a destination keeps the menu.
TEST_F(GameTickTest, TitleFadeEndByPageAndCursor)
{
    struct Case {
        int page, cursor, state_after;
        const char *tune;
    };
    const Case cases[] = {
        {PAGE_MAIN, 0, STATE_CHARACTER_SELECT, "musica/select.ogg"},
        {PAGE_LOCAL_OR_NETWORK, 0, STATE_CHARACTER_SELECT, "musica/select.ogg"},
        {12, 0, STATE_CHARACTER_SELECT, "musica/select.ogg"},
        {13, 0, STATE_CHARACTER_SELECT, "musica/select.ogg"},
        {PAGE_EXTRAS, 1, STATE_CHARACTER_SELECT, "musica/select.ogg"},
        {PAGE_EXTRAS, 0, STATE_SHOP, "musica/shop.ogg"},
        {PAGE_EXTRAS, 2, STATE_GALLERY, "musica/tavrosk2.ogg"},
        {PAGE_EXTRAS, 3, STATE_MAIN_MENU, ""},
        {PAGE_OPTIONS, 0, STATE_MAIN_MENU, ""},
    };
    for (const Case &c : cases) {
        harness_reset();
        music_name[0] = 0;
        menu_page = c.page;
        menu_cursor = c.cursor;
        continue_active = -1;
        fade_out_start();
        harness_run(FADE_TICKS);
        EXPECT_EQ(game_state, c.state_after) << c.page << "/" << c.cursor;
        EXPECT_EQ(fade_mode, FADE_NONE);
        EXPECT_EQ(continue_active, 0);
        EXPECT_STREQ(music_name, c.tune) << c.page << "/" << c.cursor;
    }
}

TEST_F(GameTickTest, FadeInEndsBelowZero)
{
    game_state = STATE_EXIT_SCREEN;
    fade_mode = FADE_IN;
    fade_level = 1.0f;
    harness_run(FADE_TICKS - 1);
    EXPECT_EQ(fade_mode, FADE_IN);
    harness_run(1);
    EXPECT_EQ(fade_mode, FADE_NONE);
    EXPECT_LT(fade_level, 0.0f);
}

// The challenger's banner stands 60 ticks, then the fade to the character select runs; its
// first step comes in the same tick, since the fades are tested after the challenger.
TEST_F(GameTickTest, ChallengerFadesToTheSelectAfterSixtyTicks)
{
    reset_round();   // both fighters standing
    game_state = STATE_FIGHT;
    game_mode = GAME_MODE_ARCADE_P1;
    round_clock = 80;
    challenger_pending = -1;
    harness_run(59);
    EXPECT_EQ(fade_mode, FADE_NONE);
    harness_run(1);
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(fade_level, FADE_STEP);
    EXPECT_EQ(harness_run_until(100, [] { return game_state == STATE_CHARACTER_SELECT; }),
              FADE_TICKS - 1);
    EXPECT_EQ(fade_mode, FADE_NONE);
}

TEST_F(GameTickTest, CreditsEarnedScreenLastsTwoHundredFiftyTicks)
{
    game_state = STATE_CREDITS_EARNED;
    harness_run(249);
    EXPECT_EQ(fade_mode, FADE_NONE);
    EXPECT_GE(menu_pulse_angle, 2.0f);
    EXPECT_LE(menu_pulse_angle, 4.28f);
    harness_run(1);
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(harness_run_until(100, [] { return game_state == STATE_MAIN_MENU; }), FADE_TICKS - 1);
    EXPECT_EQ(fade_mode, FADE_IN);
}

// The credits roll ends on a Start press; the credits-earned count starts on the next tick.
TEST_F(GameTickTest, CreditsRollEndsOnStart)
{
    EXPECT_EQ(credits_roll_start(), 0);
    EXPECT_EQ(game_state, STATE_CREDITS);
    harness_run(3);
    EXPECT_EQ(story_ticks, 3u);
    harness_run(1, TickScript().button(1, BUTTON_START, 0));
    EXPECT_EQ(game_state, STATE_CREDITS_EARNED);
    EXPECT_EQ(state_ticks, 0);
    harness_run(1);
    EXPECT_EQ(state_ticks, 1);
}

// The sample player records every request and plays nothing without a bank.
TEST_F(GameTickTest, SamplePlayerWithoutABank)
{
    sfx_play(SFX_YOU_WIN, 300, -4, 1500);
    EXPECT_EQ(sfx_request_count, 1);
    EXPECT_EQ(sfx_last_request.number, SFX_YOU_WIN);
    EXPECT_EQ(sfx_last_request.volume, 255);
    EXPECT_EQ(sfx_last_request.pan, 0);
    sfx_play(-5, 10, 10, 1000);
    sfx_play(1 << 30, 10, 10, 1000);
    sfx_stop(-1);
    sfx_stop(1 << 30);
    EXPECT_EQ(sfx_request_count, 3);
    effects_volume = 40;
    sfx_play_menu(SFX_MENU_REFUSED);
    EXPECT_EQ(sfx_last_request.volume, 40);
    EXPECT_EQ(sfx_last_request.pan, 128);
    EXPECT_EQ(sfx_last_request.frequency, 1000);
}

// A bank shorter than the number asked for, or an entry that is not a sample, plays nothing
// and reads nothing past the bank's end.
TEST_F(GameTickTest, SamplePlayerStaysInsideTheBank)
{
    DATAFILE bank[2] = {};
    bank[0].type = DAT_ID('D', 'A', 'T', 'A');
    bank[1].type = DAT_END;
    sfx_datafile = bank;
    for (int number : {0, 1, 2, 40, 1000}) {
        sfx_play(number, 255, 128, 1000);
        sfx_stop(number);
    }
    EXPECT_EQ(sfx_request_count, 5);
    sfx_datafile = nullptr;
}
