#include "engine/engine.h"
#include "combat/combat.h"
#include "game/game.h"
#include "support/fight_flow_fixture.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <gtest/gtest.h>

constexpr int ORBIT_TICKS = 241;

class RoundTest : public ::testing::Test {
protected:
    void SetUp() override { fight_fixture_reset(); }

    // The round intro as the fight load leaves it, the settling already over.
    void intro(int mode)
    {
        game_mode = mode;
        game_state = STATE_ROUND_INTRO;
        round_intro_timer = 1.0f;
        round_call_phase = 0;
        round_intro_start(0);
        round_intro_start(1);
    }
};

// Each side's orbit runs 241 ticks; the sweep's first step follows on side two's last tick
// and the round call sounds on the sweep step that carries the eye past the fight's mark.
TEST_F(RoundTest, IntroOrbitsThenSweepsToTheRoundCall)
{
    struct Case {
        int p1, p2;
        int sweep_steps;
        f32 volume_factor;
    };
    const Case cases[] = {
        {CHARACTER_JASON, CHARACTER_ATROPOS, 90, 1.0f},        // to -54.9998 by 0.5
        {CHARACTER_ARES, CHARACTER_SPHINX, 84, 1.75f},         // to -60 by 0.6
        {CHARACTER_POLYPHEMUS, CHARACTER_JASON, 84, 1.75f},
        {CHARACTER_MINOTAUR, CHARACTER_HYDRA, 123, 2.0f},      // to -119.9997 by 0.9
    };
    for (const Case &c : cases) {
        fight_fixture_reset(c.p1, c.p2);
        effects_volume = 64;
        intro(GAME_MODE_ARCADE_P1);
        EXPECT_EQ(harness_run_until(1000, [] { return camera_sequence.side[0].done != 0; }),
                  ORBIT_TICKS);
        // Side two's orbit takes its first step in side one's last tick.
        EXPECT_EQ(camera_sequence.side[1].ticks, 1);
        EXPECT_EQ(harness_run_until(1000, [] { return camera_sequence.side[1].done != 0; }),
                  ORBIT_TICKS - 1);
        EXPECT_EQ(camera_sequence.side[1].ticks, ORBIT_TICKS);
        // The sweep's first step was in that same tick.
        int steps = 1 + harness_run_until(1000, [] { return round_call_phase == -1; });
        EXPECT_EQ(steps, c.sweep_steps) << c.p1 << " v " << c.p2;
        EXPECT_EQ(sfx_last_request.number, SFX_ROUND_START);
        EXPECT_EQ(sfx_last_request.volume, static_cast<int>(c.volume_factor * 64.0f));
        int requests = sfx_request_count;
        harness_run(5);
        EXPECT_EQ(sfx_request_count, requests) << "the call sounds once";
        EXPECT_EQ(game_state, STATE_ROUND_INTRO);
    }
}

TEST_F(RoundTest, LoudRoundCallsStopAtFullVolume)
{
    fight_fixture_reset(CHARACTER_HYDRA, CHARACTER_JASON);
    effects_volume = 200;
    intro(GAME_MODE_VERSUS);
    camera_sequence.side[0].done = camera_sequence.side[1].done = CAMERA_DONE;
    round_intro_sweep(0);
    harness_run_until(1000, [] { return round_call_phase == -1; });
    EXPECT_EQ(sfx_last_request.volume, 255);
}

// The banners fall by 0.05 a tick after the call; the intro's last tick runs the round start
// and the first fight tick too.
TEST_F(RoundTest, IntroHandsOverToTheFightWithinOneTick)
{
    intro(GAME_MODE_ARCADE_P1);
    camera_sequence.side[0].done = camera_sequence.side[1].done = CAMERA_DONE;
    round_intro_sweep(0);
    harness_run_until(1000, [] { return round_call_phase == -1; });
    seconds_counter = 5;
    int ticks = harness_run_until(100, [] { return game_state != STATE_ROUND_INTRO; });
    EXPECT_EQ(ticks, 20);   // twenty steps of 0.05 from 1.0 end just below 0 in single precision
    EXPECT_EQ(game_state, STATE_FIGHT);
    EXPECT_EQ(round_clock, 80);
    EXPECT_EQ(round_clock_ticks, 1) << "the fight tick ran";
    EXPECT_EQ(seconds_counter, 0);
}

// A human side's attack button ends the orbits at once; the sweep still plays the call. The
// computer side's buttons do nothing.
TEST_F(RoundTest, AnAttackButtonSkipsTheOrbits)
{
    intro(GAME_MODE_ARCADE_P1);
    harness_run(20, TickScript().button(1, BUTTON_KICK, 5, 5));
    EXPECT_EQ(camera_sequence.side[0].done, 0);
    harness_run(1, TickScript().button(0, BUTTON_LOW_SWING, 0));
    EXPECT_EQ(camera_sequence.side[0].done, CAMERA_DONE);
    EXPECT_EQ(camera_sequence.side[1].done, CAMERA_DONE);
    EXPECT_FLOAT_EQ(camera_eye[1], -10.5f);   // the opening shot, one sweep step on
    EXPECT_FLOAT_EQ(camera_term, 13.0f);
    harness_run_until(200, [] { return round_call_phase == -1; });
    EXPECT_EQ(sfx_last_request.number, SFX_ROUND_START);
}

TEST_F(RoundTest, IntroSettlesTheMusicAndClockAndOpensThePause)
{
    intro(GAME_MODE_ARCADE_P2);
    fight_load_phase = 2;
    music_fade = 0.0f;
    round_time_option = 1;
    // ESC is not taken while the load settles.
    int settle = harness_run_until(100, [] { return fight_load_phase == 0; },
                                   TickScript().key(KEY_ESC, 0, 40));
    EXPECT_EQ(settle, 42);
    EXPECT_EQ(paused, 0);
    EXPECT_EQ(round_clock, 70);
    EXPECT_EQ(round_clock_ticks, 42);
    // Player 1 is the computer in mode 1; player 2's Start opens the short pause.
    harness_run(2, TickScript().button(0, BUTTON_START, 1));
    EXPECT_EQ(paused, 0);
    harness_run(2, TickScript().button(1, BUTTON_START, 1));
    EXPECT_EQ(paused, 1);
    int orbit = camera_sequence.side[0].ticks;
    harness_run(10, TickScript().button(1, BUTTON_START, 0, 10));
    EXPECT_EQ(camera_sequence.side[0].ticks, orbit) << "a paused intro does nothing";
}

// With the TIME option at 80 s the first second lasts 60 ticks and the time-over starts on the
// tick that ends the 80th.
TEST_F(RoundTest, RoundClockRunsOutIntoTheTimeOver)
{
    struct Case {
        u32 option;
        int seconds;
    };
    for (const Case &c : {Case{0, 80}, Case{1, 70}, Case{2, 60}}) {
        fight_fixture_reset();
        round_time_option = c.option;
        fight_fixture_fight(GAME_MODE_VERSUS);
        EXPECT_EQ(round_clock, c.seconds);
        harness_run(58);
        EXPECT_EQ(round_clock, c.seconds);
        harness_run(1);
        EXPECT_EQ(round_clock, c.seconds - 1);
        int ticks = 60 + harness_run_until(10000, [] { return game_state != STATE_FIGHT; });
        EXPECT_EQ(ticks, c.seconds * 60);
        EXPECT_EQ(game_state, STATE_TIME_OVER);
        EXPECT_EQ(round_clock, 0);
    }
}

TEST_F(RoundTest, AKnockOutStopsTheClock)
{
    fight_fixture_fight(GAME_MODE_ARCADE_P1);
    round_clock = 1;
    fight_fixture_knock_out(1);
    harness_run(99);   // the knock-out decision comes at the 100th
    EXPECT_EQ(round_clock, 1);
    EXPECT_EQ(game_state, STATE_FIGHT);
}

TEST_F(RoundTest, TimeOverDuringASummonSendsItToItsFadeIn)
{
    fight_fixture_fight(GAME_MODE_VERSUS);
    summon_phase = SUMMON_EFFECT;
    summon_fade_level = 0.0f;   // the scene is dark while the god acts
    summon_timer = 0.0f;
    round_clock = 1;
    round_clock_ticks = 59;
    harness_run(1);
    EXPECT_EQ(game_state, STATE_TIME_OVER);
    EXPECT_EQ(summon_phase, SUMMON_FADE_IN);
}

// Only the idle side of a one-player fight can join, and not while a fighter is down or a god
// is summoned.
TEST_F(RoundTest, ChallengerJoinsOnlyAOnePlayerFight)
{
    struct Case {
        int mode, player;
        bool joins;
    };
    const Case cases[] = {
        {GAME_MODE_ARCADE_P1, 1, true},  {GAME_MODE_ARCADE_P1, 0, false},
        {GAME_MODE_ARCADE_P2, 0, true},  {GAME_MODE_ARCADE_P2, 1, false},
        {GAME_MODE_VERSUS, 1, false},    {GAME_MODE_CHALLENGE, 0, false},
    };
    for (const Case &c : cases) {
        fight_fixture_reset();
        fight_fixture_fight(c.mode);
        harness_run(1, TickScript().button(c.player, BUTTON_START, 0));
        EXPECT_EQ(challenger_pending, c.joins ? -1 : 0) << c.mode << " " << c.player;
        EXPECT_EQ(paused, c.joins ? 0 : 1) << "a human's Start pauses";
        if (c.joins) {
            EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
            EXPECT_EQ(latch_start[0] & latch_start[1], 1);
            EXPECT_EQ(input_start_ready[0] | input_start_ready[1], 0);
        }
    }
    for (int blocker = 0; blocker < 2; blocker++) {
        fight_fixture_reset();
        fight_fixture_fight(GAME_MODE_ARCADE_P1);
        if (blocker == 0)
            fight_fixture_knock_out(0);
        else
            summon_phase = SUMMON_FADE_OUT;
        harness_run(1, TickScript().button(1, BUTTON_START, 0));
        EXPECT_EQ(challenger_pending, 0);
    }
}

// A challenger's banner shows 60 ticks, then the fade leads to the character select.
TEST_F(RoundTest, ChallengerFadesToTheCharacterSelect)
{
    fight_fixture_fight(GAME_MODE_ARCADE_P1);
    harness_run(1, TickScript().button(1, BUTTON_START, 0));
    harness_run(59);
    EXPECT_EQ(fade_mode, FADE_NONE);
    harness_run(1);
    EXPECT_EQ(fade_mode, FADE_OUT);
    harness_run_until(200, [] { return game_state == STATE_CHARACTER_SELECT; });
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
}

// The HUD's lagging life runs down 0.005 a tick once the hit reaction is over, follows the
// Hydra's head in play and never goes below empty.
TEST_F(RoundTest, LaggingLifeFollowsTheHealth)
{
    struct Case {
        int character;
        f32 life, head_life;
        i32 heads_left;
        u8 hit_recoil;
        i32 skeleton_action;
        f32 shown_before, shown_after;
        int ticks;
    };
    const Case cases[] = {
        {CHARACTER_JASON, 0.5f, 1.0f, 4, 0, ACTION_IDLE, 1.0f, 0.5f, 400},
        {CHARACTER_JASON, 0.5f, 1.0f, 4, 3, ACTION_KO, 1.0f, 0.5f, 400},
        // Knocked out: the knock-out decision ends the round after 100 ticks.
        {CHARACTER_JASON, -0.3f, 1.0f, 4, 0, ACTION_KO, 0.3f, 0.0f, 90},
        {CHARACTER_HYDRA, 1.0f, 0.7f, 2, 0, ACTION_IDLE, 1.0f, 0.7f, 400},
        {CHARACTER_HYDRA, 1.0f, 0.7f, 9, 0, ACTION_IDLE, 1.0f, 0.7f, 400},   // index kept in 0..3
        {CHARACTER_HYDRA, 1.0f, 0.7f, 0, 0, ACTION_IDLE, 1.0f, 0.7f, 400},
    };
    for (const Case &c : cases) {
        fight_fixture_reset(c.character, CHARACTER_JASON);
        fight_fixture_fight(GAME_MODE_VERSUS);
        Fighter &f = fighters[0];
        f.life = c.life;
        f.life_shown = c.shown_before;
        f.heads_left = c.heads_left;
        for (f32 &head : f.head_life)
            head = 1.0f;
        int head = c.heads_left < 1 ? 0 : c.heads_left > 4 ? 3 : c.heads_left - 1;
        f.head_life[head] = c.head_life;
        f.hit_recoil = c.hit_recoil;
        fighter_skeletons[0]->action = c.skeleton_action;
        harness_run(1);
        EXPECT_FLOAT_EQ(f.life_shown, c.shown_before - 0.005f);
        harness_run(c.ticks);
        EXPECT_GE(f.life_shown, 0.0f);
        EXPECT_NEAR(f.life_shown, c.shown_after, 0.0051f) << c.character << " " << c.life;
        EXPECT_LE(f.life_shown, c.shown_after + 0.0001f);
    }
    // While the hit reaction runs the bar waits.
    fight_fixture_reset();
    fight_fixture_fight(GAME_MODE_VERSUS);
    fighters[0].life = 0.5f;
    fighters[0].hit_recoil = HIT_RECOIL_HEAVY;
    fighters[0].hit_stun = 30;
    fighter_skeletons[0]->action = ACTION_HIT_STAND;
    harness_run(10);
    EXPECT_FLOAT_EQ(fighters[0].life_shown, 1.0f);
}

TEST_F(RoundTest, FightTimersCountDown)
{
    fight_fixture_fight(GAME_MODE_VERSUS);
    fighters[0].special_cooldown = 2;
    followup_timer[1] = 2;
    followup_chain[1] = 1;
    combo_display_timer[0] = 2;
    combo_hits[0] = best_combo[0] = 3;
    combo_hits[1] = 1;   // a single hit with no display is kept for the next
    fighters[0].hit_recoil = 1;
    fighters[0].hit_flash = fighters[1].hit_flash = 1;
    harness_run(1);
    EXPECT_EQ(fighters[0].special_cooldown, 1);
    EXPECT_EQ(followup_chain[1], 1);
    EXPECT_EQ(combo_hits[0], 3);
    EXPECT_EQ(fighters[1].hit_flash, 0);
    harness_run(1);
    EXPECT_EQ(fighters[0].special_cooldown, 0);
    EXPECT_EQ(followup_chain[1], 0);
    EXPECT_EQ(combo_display_timer[0], 0);
    EXPECT_EQ(combo_hits[0] | best_combo[0], 0);
    EXPECT_EQ(combo_hits[1], 1);
    harness_run(1);
    EXPECT_EQ(fighters[0].special_cooldown, 0);
    // A summon holds the combo display.
    combo_display_timer[1] = 5;
    summon_phase = SUMMON_FADE_OUT;
    harness_run(3);
    EXPECT_EQ(combo_display_timer[1], 5);
}

// A knock-out takes the sticks and attack buttons from both players; Start still pauses.
TEST_F(RoundTest, AKnockOutClearsTheControls)
{
    fight_fixture_fight(GAME_MODE_VERSUS);
    fight_fixture_knock_out(1);
    harness_run(2, TickScript().direction(0, DIR_LEFT, 1).button(1, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(input_dir[0], DIR_NONE);
    EXPECT_EQ(input_hard_swing[1], 0);
    harness_run(2, TickScript().button(0, BUTTON_START, 1));
    EXPECT_EQ(paused, 1);
}
