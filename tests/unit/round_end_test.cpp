// The decisions after a round and a match, driven through the logic tick with forced outcomes
// (a fighter's action, the lives, the clock): knock-outs, time over, the ladder, the continue,
// GAME OVER, the versus record and the credits award.
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "story/story.h"
#include "support/model_fixtures.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>
#include <set>

constexpr int FADE_TICKS = 67;           // 0.015 per tick passes 1.0 on the 67th step
constexpr int DECISION_TICKS = 100;
constexpr int TIME_OVER_TICKS = 301;
constexpr int SLIDE_TICKS = 40;          // 1.0 in steps of 0.025, the last below 0.001

class RoundEndTest : public ::testing::Test {
protected:
    SkeletonBlock skeletons[2] = {skeleton_block_new(), skeleton_block_new()};

    void SetUp() override
    {
        harness_reset();
        for (int side = 0; side < 2; side++) {
            skeleton_block_clear(skeletons[side].get());
            fighter_skeletons[side] = skeletons[side].get();
        }
        memset(vs_wins, 0, sizeof vs_wins);
        memset(vs_losses, 0, sizeof vs_losses);
        memset(vs_draws, 0, sizeof vs_draws);
        credits = 0;
        difficulty = 4;
        rounds_to_win = 1;
        round_time_option = 0;
        p1_character = CHARACTER_JASON;
        p2_character = CHARACTER_ODYSSEUS;
        p1_alt_color = p2_alt_color = 0;
        vs_record_alpha = 0.0f;
        continue_slide = 0.0f;
        continue_countdown = continue_ticks = 0;
        match_start(GAME_MODE_ARCADE_P1);
    }
    void TearDown() override { fighter_skeletons[0] = fighter_skeletons[1] = nullptr; }

    // A fight as the fight load leaves it, with both fighters standing at full life.
    void match_start(i32 mode)
    {
        game_mode = mode;
        p1_round_wins = p2_round_wins = rounds_played = 0;
        fight_load_phase = 0;
        music_fade = 0.0f;
        fade_mode = FADE_NONE;
        round_start();
    }
    void round_start()
    {
        game_state = STATE_FIGHT;
        state_ticks = 0;
        round_clock = 60;
        for (int side = 0; side < 2; side++) {
            fighters[side] = {};
            fighters[side].side = side;
            fighters[side].life = fighters[side].life_shown = 1.0f;
            fighters[side].heads_left = 1;
            fighters[side].pos_x = side == 0 ? -10.0f : 10.0f;
            skeletons[side]->action = ACTION_IDLE;
            skeletons[side]->attack_live = 0;
        }
        fighters[0].character = static_cast<u8>(p1_character);
        fighters[1].character = static_cast<u8>(p2_character);
    }
    // The hit code's part of a knock-out: the loser at ACTION_KO, a round to the winner.
    void knock_out(int loser)
    {
        fighters[loser].action = ACTION_KO;
        skeletons[loser]->action = ACTION_KO;
        if (loser == 1)
            p1_round_wins++;
        else
            p2_round_wins++;
    }
    // The victory camera runs out by itself.
    int run_until_advance()
    {
        return harness_run_until(2000, [] {
            return fight_load_phase != 0 || continue_active != 0 || vs_record_shown != 0 || fade_mode != FADE_NONE;
        });
    }
};

// Each ladder's opponents are valid characters other than the human's, the heroes first and
// the bosses last; their stages are valid arenas.
TEST_F(RoundEndTest, EveryLadderIsSixHeroesThenTheBosses)
{
    for (int human = 0; human < CHARACTER_COUNT; human++) {
        SCOPED_TRACE(human);
        setup_ladder(human);
        std::set<i32> met;
        for (int fight = 0; fight < LADDER_FIGHTS; fight++) {
            i32 opponent = ladder_opponents[fight];
            EXPECT_NE(opponent, human);
            EXPECT_GE(opponent, 0);
            EXPECT_LT(opponent, CHARACTER_COUNT);
            EXPECT_EQ(fight < 6, opponent <= CHARACTER_MINOTAUR) << fight;
            EXPECT_GE(ladder_stages[fight], 0);
            EXPECT_LT(ladder_stages[fight], STAGE_COUNT);
            met.insert(opponent);
        }
        EXPECT_EQ(met.size(), static_cast<size_t>(LADDER_FIGHTS));
    }
    // Outside the one-player modes the lists stay as they are.
    i32 before[LADDER_FIGHTS];
    memcpy(before, ladder_opponents, sizeof before);
    game_mode = GAME_MODE_VERSUS;
    setup_ladder(CHARACTER_ARES);
    EXPECT_EQ(memcmp(before, ladder_opponents, sizeof before), 0);
}

// A whole one-player run: every won match moves the ladder on, the last one fades to the
// credits roll with the award, and the index never runs past the lists.
TEST_F(RoundEndTest, AOnePlayerRunClimbsTheWholeLadderToTheCredits)
{
    const i8 difficulties[] = {4, 5};
    for (i8 level : difficulties) {
        SCOPED_TRACE(static_cast<int>(level));
        SetUp();
        difficulty = level;
        ladder_started = 0;
        ladder_index = 0;
        setup_ladder(p1_character);
        ladder_started = -1;
        p2_character = ladder_opponents[0];
        for (int fight = 0; fight < ladder_length(); fight++) {
            match_start(GAME_MODE_ARCADE_P1);
            knock_out(1);
            harness_run(DECISION_TICKS);
            ASSERT_EQ(game_state, STATE_MATCH_OVER);
            EXPECT_EQ(fighter_skeletons[0]->attack_live, FIGHTER_FLAG_ON);
            EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
            ASSERT_GT(run_until_advance(), 0);
            EXPECT_EQ(ending_picture_p1, 1 + 2 * p1_character + p1_alt_color);
            if (fight + 1 < ladder_length()) {
                EXPECT_EQ(fight_load_phase, 1);
                EXPECT_EQ(ladder_index, fight + 1);
                EXPECT_EQ(p2_character, ladder_opponents[fight + 1]);
            }
        }
        // The last fight: nothing more to load; the fade ends in the award and the winner's
        // ending, which starts its tune (its pictures need the data set and GL, which the
        // story's own tests have; here the game stops with the data error instead).
        EXPECT_EQ(fight_load_phase, 0);
        EXPECT_EQ(fade_mode, FADE_OUT);
        EXPECT_EQ(ladder_index, ladder_length() - 1);
        music_name[0] = '\0';
        ASSERT_GT(harness_run_until(FADE_TICKS + 1, [] { return std::strcmp(music_name, "musica/tavrosk2.ogg") == 0; }), 0);
        EXPECT_GT(credits_earned, 0u);
        EXPECT_EQ(credits, credits_earned);
        quit_request = 0;   // the next run starts afresh
        load_error = 0;
    }
}

// Once a completed run is over, the match-over handler may run on (here with the closing fade
// cancelled): the ladder step does not run again.
TEST_F(RoundEndTest, TheLadderStepRunsOncePerMatch)
{
    difficulty = 5;
    setup_ladder(p1_character);
    ladder_started = -1;
    ladder_index = LADDER_FIGHTS - 1;
    knock_out(1);
    harness_run(DECISION_TICKS);
    ASSERT_GT(run_until_advance(), 0);
    for (int i = 0; i < 50; i++) {
        fade_mode = FADE_NONE;
        harness_run(1);
    }
    EXPECT_EQ(ladder_index, LADDER_FIGHTS - 1);
    EXPECT_EQ(fight_load_phase, 0);
    EXPECT_EQ(fade_mode, FADE_NONE);   // no second closing fade either
}

// The computer won: the offer rises, a HARD SWING hurries the count, a Start tie goes to
// player 2, and the run resumes at the fight that was lost.
TEST_F(RoundEndTest, ContinueHurriedThenTakenByAStartTie)
{
    ladder_index = 3;
    knock_out(0);
    harness_run(DECISION_TICKS);
    ASSERT_GT(run_until_advance(), 0);
    EXPECT_EQ(continue_active, -1);
    EXPECT_EQ(fight_load_phase, 0);
    harness_run(SLIDE_TICKS - 1);   // the arming tick made the first step
    EXPECT_EQ(game_state, STATE_MATCH_OVER);
    harness_run(1);
    EXPECT_EQ(game_state, STATE_CONTINUE);
    EXPECT_EQ(continue_countdown, 10);
    harness_run(3, TickScript().button(0, BUTTON_HARD_SWING, 1, 2));
    EXPECT_EQ(continue_countdown, 9);   // once per press
    harness_run(3, TickScript().button(0, BUTTON_START, 1).button(1, BUTTON_START, 1));
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(game_mode, GAME_MODE_ARCADE_P2);
    EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
    EXPECT_EQ(sfx_last_request.frequency, 1000);
    EXPECT_EQ(fighters[0].action, ACTION_IDLE);
    harness_run(FADE_TICKS);
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
    EXPECT_EQ(continue_active, 0);
    EXPECT_EQ(ladder_index, 3);
}

// Left alone the count runs out: GAME OVER, then the title. A press that brings the count to
// 0 ends the offer at the next step, not at once.
TEST_F(RoundEndTest, TheCountRunsOutIntoGameOverAndTheTitle)
{
    continue_arm();
    game_state = STATE_MATCH_OVER;
    harness_run(SLIDE_TICKS + 1);
    ASSERT_EQ(game_state, STATE_CONTINUE);
    continue_countdown = 1;
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(continue_countdown, 0);
    EXPECT_EQ(game_state, STATE_CONTINUE);
    int ticks = harness_run_until(100, [] { return game_state == STATE_GAME_OVER; });
    EXPECT_GT(ticks, 1);
    EXPECT_EQ(continue_active, 0);
    harness_run(DECISION_TICKS);
    EXPECT_EQ(fade_mode, FADE_OUT);
    harness_run(FADE_TICKS);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

// Difficulty 2, two rounds to win, 100,000 ticks: 200 + (62,768 / 500 = 125) x 2 = 450.
TEST_F(RoundEndTest, CreditsAward)
{
    struct Case {
        i8 difficulty;
        u32 rounds, time, before, earned, after;
    };
    const Case cases[] = {
        {2, 2, 100000, 0, 450, 450},      {2, 2, 162768, 0, 200, 200},   {2, 2, 162767, 0, 200, 200},
        {5, 2, 200000, 10, 600, 610},     {4, 1, 100000, 0, 462, 462},   {1, 3, 0, 0, 100 + 325 * 4, 1400},
        {4, 2, 500000, 999900, 400, 999999},
    };
    for (const Case &c : cases) {
        difficulty = c.difficulty;
        rounds_to_win = c.rounds;
        ladder_time = c.time;
        credits = c.before;
        credits_award();
        EXPECT_EQ(credits_earned, c.earned) << c.time;
        EXPECT_EQ(credits, c.after) << c.time;
    }
    game_mode = GAME_MODE_ARCADE_P2;
    p2_character = CHARACTER_MEDUSA;
    credits_award();
    EXPECT_EQ(p1_character, CHARACTER_MEDUSA);
}

TEST_F(RoundEndTest, LadderTimeCountsTheRoundsFoughtUpToItsCap)
{
    round_time_option = 1;   // 70 s
    round_clock = 30;
    ladder_time = 0;
    ladder_time_add();
    EXPECT_EQ(ladder_time, 40u * 60);
    ladder_time = LADDER_TIME_CAP - 10;
    ladder_time_add();
    EXPECT_EQ(ladder_time, LADDER_TIME_CAP);
    // Only the one-player modes time the run.
    match_start(GAME_MODE_VERSUS);
    ladder_time = 0;
    knock_out(1);
    harness_run(DECISION_TICKS);
    EXPECT_EQ(ladder_time, 0u);
}

// The end-of-round poses; any other action (the computer side walks on) counts as none.
static i32 pose_of(i32 action)
{
    bool pose = action == ACTION_TIME_OVER || action == ACTION_WIN_1 || action == ACTION_WIN_2;
    return pose ? action : ACTION_IDLE;
}

// Time over: within 0.001 both take the time-over pose; a lead above 0.01 takes the round;
// in between nobody gets a round or a pose.
TEST_F(RoundEndTest, TimeOverBands)
{
    struct Case {
        f32 h1, h2;
        i32 wins1, wins2;
        i32 pose1, pose2;
        bool down1, down2;   // fallen as if knocked out
    };
    const Case cases[] = {
        {0.5f, 0.5f, 0, 0, ACTION_TIME_OVER, ACTION_TIME_OVER, false, false},
        {0.5f, 0.4995f, 0, 0, ACTION_TIME_OVER, ACTION_TIME_OVER, false, false},
        {0.5f, 0.495f, 0, 0, ACTION_IDLE, ACTION_IDLE, false, false},
        {0.6f, 0.5f, 1, 0, ACTION_WIN_2, ACTION_TIME_OVER, false, true},
        {0.3f, 0.5f, 0, 1, ACTION_TIME_OVER, ACTION_WIN_1, true, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.h2);
        match_start(GAME_MODE_ARCADE_P1);
        rounds_to_win = 2;
        game_state = STATE_TIME_OVER;
        fighters[0].life = c.h1;
        fighters[1].life = c.h2;
        harness_run(DECISION_TICKS);
        EXPECT_EQ(rounds_played, 1);
        EXPECT_EQ(p1_round_wins, c.wins1);
        EXPECT_EQ(p2_round_wins, c.wins2);
        EXPECT_EQ(pose_of(skeletons[0]->action), c.pose1);
        EXPECT_EQ(pose_of(skeletons[1]->action), c.pose2);
        EXPECT_EQ(fighters[0].action == ACTION_KO, c.down1);
        EXPECT_EQ(fighters[1].action == ACTION_KO, c.down2);
        harness_run(TIME_OVER_TICKS - DECISION_TICKS - 1);
        EXPECT_EQ(game_state, STATE_TIME_OVER);
        harness_run(1);
        EXPECT_EQ(game_state, STATE_ROUND_INTRO);   // one win of two: the next round
        EXPECT_EQ(round_intro_timer, 1.0f);
        EXPECT_EQ(round_call_phase, 0);
        EXPECT_EQ(camera_sequence.side[0].done, CAMERA_DONE);
        EXPECT_EQ(camera_sequence.side[1].done, CAMERA_DONE);
    }
}

// The Hydra stands idle instead of posing.
TEST_F(RoundEndTest, TheHydraTakesNoTimeOverPose)
{
    p1_character = CHARACTER_HYDRA;
    match_start(GAME_MODE_ARCADE_P1);
    game_state = STATE_TIME_OVER;
    skeletons[0]->action = ACTION_WALK_FORWARD;
    harness_run(DECISION_TICKS);
    EXPECT_EQ(skeletons[0]->action, ACTION_IDLE);
    EXPECT_EQ(skeletons[1]->action, ACTION_TIME_OVER);
}

// The final round that nobody takes: a draw for both characters in versus, the continue
// offer in the other modes.
TEST_F(RoundEndTest, ADrawnFinalRoundInVersusAndInOtherModes)
{
    const i32 modes[] = {GAME_MODE_VERSUS, GAME_MODE_ARCADE_P1, GAME_MODE_CHALLENGE};
    for (i32 mode : modes) {
        SCOPED_TRACE(mode);
        memset(vs_draws, 0, sizeof vs_draws);
        continue_active = vs_record_shown = 0;
        match_start(mode);
        rounds_to_win = 2;
        p1_round_wins = p2_round_wins = 1;
        rounds_played = 4;
        game_state = STATE_TIME_OVER;
        harness_run(TIME_OVER_TICKS);
        EXPECT_EQ(game_state, STATE_MATCH_OVER);
        bool versus = mode == GAME_MODE_VERSUS;
        EXPECT_EQ(vs_record_shown, versus ? 1 : 0);
        EXPECT_EQ(continue_active, versus ? 0 : -1);
        EXPECT_EQ(vs_draws[p1_character], versus ? 1 : 0);
        EXPECT_EQ(vs_draws[CHARACTER_COUNT + p2_character], versus ? 1 : 0);
    }
}

// The fourth decided round sets both sides one win short; a double knock-out there gives
// nobody the match, and the round is fought again.
TEST_F(RoundEndTest, FinalRoundAndItsDoubleKnockOut)
{
    rounds_to_win = 3;
    rounds_played = 3;
    p1_round_wins = 2;
    p2_round_wins = 1;
    fighters[0].action = fighters[1].action = ACTION_KO;
    skeletons[0]->action = skeletons[1]->action = ACTION_KO;
    harness_run(DECISION_TICKS);
    EXPECT_EQ(rounds_played, 4);
    EXPECT_EQ(p1_round_wins, 2);
    EXPECT_EQ(p2_round_wins, 2);
    EXPECT_EQ(game_state, STATE_ROUND_INTRO);
    round_start();
    fighters[0].action = fighters[1].action = ACTION_KO;
    skeletons[0]->action = skeletons[1]->action = ACTION_KO;
    harness_run(DECISION_TICKS);
    EXPECT_EQ(rounds_played, 5);
    EXPECT_EQ(game_state, STATE_ROUND_INTRO);
}

// Both sides at the wins needed in one decision: side one's victory is the one that stands.
TEST_F(RoundEndTest, BothSidesReachingTheWinsNeededGoesToSideOne)
{
    match_start(GAME_MODE_VERSUS);
    p1_round_wins = p2_round_wins = 1;
    fighters[0].action = fighters[1].action = ACTION_KO;
    skeletons[0]->action = skeletons[1]->action = ACTION_KO;
    harness_run(DECISION_TICKS);
    EXPECT_EQ(game_state, STATE_MATCH_OVER);
    EXPECT_EQ(skeletons[0]->attack_live, FIGHTER_FLAG_ON);
    EXPECT_EQ(skeletons[1]->attack_live, 0);
    ASSERT_GT(run_until_advance(), 0);
    EXPECT_EQ(vs_wins[p1_character], 1);
    EXPECT_EQ(vs_losses[CHARACTER_COUNT + p2_character], 1);
}

// A versus match ends in the record table: it slides in, waits for any button, and closes
// with a fade back to the title.
TEST_F(RoundEndTest, VersusRecordTableWaitsForAButton)
{
    match_start(GAME_MODE_VERSUS);
    knock_out(0);
    harness_run(DECISION_TICKS);
    ASSERT_GT(run_until_advance(), 0);
    EXPECT_EQ(vs_record_shown, 1);
    EXPECT_EQ(vs_wins[CHARACTER_COUNT + p2_character], 1);
    EXPECT_EQ(vs_losses[p1_character], 1);
    harness_run(SLIDE_TICKS + 1);
    EXPECT_EQ(vs_record_alpha, 0.0f);
    EXPECT_EQ(fade_mode, FADE_NONE);
    harness_run(2, TickScript().button(1, BUTTON_KICK, 1));
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(latch_esc, 1);
    harness_run(FADE_TICKS);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(vs_record_shown, 0);
}

// HARD SWING of the human side cuts the victory camera short; the computer side's does not.
TEST_F(RoundEndTest, AHumansHardSwingSkipsTheVictoryCamera)
{
    knock_out(1);
    harness_run(DECISION_TICKS);
    ASSERT_EQ(victory_done, 0);
    harness_run(3, TickScript().button(1, BUTTON_HARD_SWING, 1, 2));
    EXPECT_EQ(victory_done, 0);
    harness_run(3, TickScript().button(0, BUTTON_HARD_SWING, 1, 2));
    EXPECT_EQ(victory_done, CAMERA_DONE);
    EXPECT_EQ(fight_load_phase, 1);
}

// The winner who skipped the victory camera keeps a working HARD SWING after the match: on
// the next stage select it chooses the stage.
TEST_F(RoundEndTest, TheWinnersSkippingSwingStillChoosesTheNextStage)
{
    match_start(GAME_MODE_VERSUS);
    knock_out(1);
    harness_run(DECISION_TICKS);
    harness_run(3, TickScript().button(0, BUTTON_HARD_SWING, 1, 2));
    ASSERT_EQ(victory_done, CAMERA_DONE);
    ASSERT_EQ(vs_record_shown, 1);
    harness_run(SLIDE_TICKS + 1);
    harness_run(2, TickScript().button(1, BUTTON_KICK, 1));
    harness_run(2 * FADE_TICKS + 1);   // out to the title and its fade-in
    ASSERT_EQ(game_state, STATE_MAIN_MENU);
    ASSERT_EQ(fade_mode, FADE_NONE);

    game_mode = GAME_MODE_VERSUS;
    ASSERT_EQ(stage_select_enter(), 0);
    harness_run(3, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(fight_load_phase, 1);
    EXPECT_EQ(paused, 0);
}

// A challenger who joins around a deciding knock-out gets one sound outcome: a join made while
// the fight still stood starts the challenge, a later one is refused and the ladder goes on;
// the credits award and the ending never follow a fight that did not finish the ladder.
TEST_F(RoundEndTest, AJoinAndADecidingKnockOutGiveOneOutcome)
{
    struct Case {
        int knock_out_tick, join_tick, loser;
        i8 rounds;
    };
    const Case cases[] = {
        {0, 1, 1, 1},  {1, 1, 1, 1},  {2, 1, 1, 1},  {40, 1, 1, 1}, {59, 1, 1, 1},
        {70, 1, 1, 1}, {5, 1, 0, 1},  {5, 1, 1, 2},  {1, 1, 1, 2},
    };
    for (const Case &c : cases) {
        SetUp();
        rounds_to_win = c.rounds;
        match_start(GAME_MODE_ARCADE_P1);
        bool joined = false;
        for (int t = 0; t < 400; t++) {
            if (t == c.knock_out_tick)
                knock_out(c.loser);
            TickScript script;
            if (t == c.join_tick)
                script.button(1, BUTTON_START, 0);
            harness_run(1, script);
            if (t == c.join_tick)
                joined = challenger_pending != 0;
        }
        const char *label = joined ? "joined" : "refused";
        EXPECT_EQ(joined, c.knock_out_tick > c.join_tick) << c.knock_out_tick << " " << label;
        EXPECT_EQ(credits, 0u) << c.knock_out_tick << " " << label;
        EXPECT_NE(game_state, STATE_CHARACTER_ENDING) << c.knock_out_tick << " " << label;
        if (joined) {
            EXPECT_EQ(game_state, STATE_CHARACTER_SELECT) << c.knock_out_tick;
            EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ) << c.knock_out_tick;
        } else {
            EXPECT_NE(game_state, STATE_MAIN_MENU) << c.knock_out_tick;
        }
    }
    // The clock running out under the challenger's fade does not send the game to the title.
    SetUp();
    round_clock = 1;
    harness_run(1, TickScript().button(1, BUTTON_START, 0));
    ASSERT_NE(challenger_pending, 0);
    harness_run(400);
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
    EXPECT_EQ(credits, 0u);
}

TEST(HudLayout, LifeBarsTimeTextAndComboCounters)
{
    // Life 0.4 under a shown 1.0: the white part spans -19.5 .. -8.7 on side one.
    EXPECT_FLOAT_EQ(hud_life_span(0, 1.0f).low, -19.5f);
    EXPECT_FLOAT_EQ(hud_life_span(0, 0.4f).low, -8.7f);
    EXPECT_FLOAT_EQ(hud_life_span(0, 0.4f).high, -1.5f);
    EXPECT_FLOAT_EQ(hud_life_span(1, 0.5f).high, 10.5f);
    HudSpan empty = hud_life_span(1, -0.2f);
    EXPECT_FLOAT_EQ(empty.low, empty.high);

    char text[32];
    credits_time_format(162767, text, sizeof text);
    EXPECT_STREQ(text, "TOTAL TIME: 45:12");

    // Ten hits switch to two digits, 0.7 further left on side one and 1 on side two.
    ComboLayout nine = combo_layout(0, 9, 60), ten = combo_layout(0, 10, 60);
    EXPECT_STREQ(nine.number_format, "%d");
    EXPECT_STREQ(ten.number_format, "%02d");
    EXPECT_NEAR(nine.number_x - ten.number_x, 0.7f, 1e-5);
    EXPECT_NEAR(combo_layout(1, 9, 60).number_x - combo_layout(1, 10, 60).number_x, 1.0f, 1e-5);
    // Half way through the fade: half alpha, moved outward by 1 and 2.
    ComboLayout fading = combo_layout(1, 9, 15);
    EXPECT_FLOAT_EQ(fading.alpha, 0.5f);
    EXPECT_FLOAT_EQ(fading.number_x, 9.5f);
    EXPECT_FLOAT_EQ(fading.hits_x, 18.2f);

    // The continue panel lies wholly below the view at 1.0.
    HudSpan below = overlay_slide_span(16.0f, 1.0f);
    EXPECT_FLOAT_EQ(below.low, -48.0f);
    EXPECT_FLOAT_EQ(below.high, -16.0f);
}
