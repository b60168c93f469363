#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/fight_flow_fixture.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <gtest/gtest.h>

// 0.015 per tick passes 1.0 on the 67th fade step.
constexpr int FADE_TICKS = 67;
// A pick's closing action: the capture's 30-tick blend, then two 30-tick key steps.
constexpr int PICK_TICKS = 90;

class CharacterSelectTest : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }

    // The select entered from the title's fade, in a mode, as a new run.
    static void select_in(int mode)
    {
        harness_reset();
        game_mode = mode;
        fade_out_start();
        harness_run(FADE_TICKS);
        ASSERT_EQ(game_state, STATE_CHARACTER_SELECT);
        ASSERT_EQ(game_mode, mode);
        ASSERT_EQ(select_chord_played, -1);
    }

    // Ticks until the fight load is requested; -1 when it never is within max_ticks.
    static int ticks_to_fight_request(int max_ticks)
    {
        return harness_run_until(max_ticks, [] { return fight_load_phase != 0; });
    }
};

TEST_F(CharacterSelectTest, NewRunStartsOnTheMinotaurAndHippolyteWithTheChord)
{
    select_in(GAME_MODE_ARCADE_P1);
    EXPECT_EQ(p1_character, CHARACTER_MINOTAUR);
    EXPECT_EQ(p2_character, CHARACTER_HIPPOLYTE);
    EXPECT_FLOAT_EQ(select_ring_angle[0], 3.142f);
    EXPECT_EQ(select_figure_action(), FIGURE_IDLE_SIDE1);
    EXPECT_EQ(sfx_last_request.number, 13);   // the chord's last note
    EXPECT_EQ(sfx_last_request.frequency, 1200);
    EXPECT_EQ(logic_ticks_pending, 1);
    EXPECT_EQ(camera_eye[1], -12.0f);
    EXPECT_EQ(select_fighter.pos_z, -14.0f);
}

// Held RIGHT steps one id per 10 ticks; 11 goes on to 0, and LEFT from 0 back to 11, each
// landing on its resting angle.
TEST_F(CharacterSelectTest, RingTurnsOncePerTenTicksAndWraps)
{
    select_in(GAME_MODE_ARCADE_P1);
    harness_run(1, TickScript().direction(0, DIR_RIGHT, 0));
    EXPECT_EQ(select_spin[0], 10);
    EXPECT_EQ(sfx_last_request.number, 0);
    EXPECT_EQ(sfx_last_request.pan, 50);
    harness_run(10);
    EXPECT_EQ(p1_character, CHARACTER_MEDUSA);
    EXPECT_FLOAT_EQ(select_ring_angle[0], 6.28f - 7 * 0.523f);
    // Held for 21 ticks: steps land at ticks 10, 20 and 30, and the third is the last begun.
    harness_run(31, TickScript().direction(0, DIR_RIGHT, 0, 21));
    EXPECT_EQ(p1_character, CHARACTER_ARES);
    EXPECT_EQ(select_spin[0], 0);
    harness_run(11, TickScript().direction(0, DIR_RIGHT, 0));
    EXPECT_EQ(p1_character, CHARACTER_ATROPOS);
    harness_run(11, TickScript().direction(0, DIR_RIGHT, 0));
    EXPECT_EQ(p1_character, 0);
    EXPECT_EQ(select_ring_angle[0], 0.0f);
    harness_run(11, TickScript().direction(0, DIR_LEFT, 0));
    EXPECT_EQ(p1_character, CHARACTER_ATROPOS);
    EXPECT_FLOAT_EQ(select_ring_angle[0], 0.523f);
    // Side two has no human in this mode: its keys turn nothing.
    harness_run(11, TickScript().direction(1, DIR_RIGHT, 0));
    EXPECT_EQ(p2_character, CHARACTER_HIPPOLYTE);
}

TEST_F(CharacterSelectTest, LockedCharactersAreRefusedUntilBought)
{
    const struct {
        int character;
        u8 *flag;
    } cases[] = {{CHARACTER_MEDUSA, &unlocked_medusa}, {CHARACTER_SPHINX, &unlocked_sphinx},
                 {CHARACTER_HYDRA, &unlocked_hydra},   {CHARACTER_ARES, &unlocked_ares},
                 {CHARACTER_ATROPOS, &unlocked_atropos}};
    for (const auto &c : cases) {
        select_in(GAME_MODE_ARCADE_P1);
        p1_character = c.character;
        harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(sfx_last_request.number, SFX_MENU_REFUSED) << c.character;
        EXPECT_EQ(select_confirmed[0], 0);
        EXPECT_EQ(select_figure_action(), FIGURE_IDLE_SIDE1);
        *c.flag = 1;
        harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(select_confirmed[0], 1) << c.character;
    }
    for (int id = 0; id <= CHARACTER_MINOTAUR; id++)
        EXPECT_FALSE(select_character_locked(0, id));
}

// In the profile modes a character whose biography is not bought is locked for the chooser.
TEST_F(CharacterSelectTest, ProfilesLockUnboughtBiographies)
{
    game_mode = GAME_MODE_PROFILE_P1;
    profile_jason = 1;
    EXPECT_TRUE(select_character_locked(0, CHARACTER_JASON));
    EXPECT_FALSE(select_character_locked(1, CHARACTER_JASON));
    profile_jason = 2;
    EXPECT_FALSE(select_character_locked(0, CHARACTER_JASON));
    profile_jason = 0;
}

// A confirm needs the ring at rest and the buttons released since the last acted-on press.
TEST_F(CharacterSelectTest, ConfirmWaitsForTheRingAndForRelease)
{
    select_in(GAME_MODE_VERSUS);
    harness_run(3, TickScript().direction(0, DIR_LEFT, 0).button(0, BUTTON_HARD_SWING, 2));
    EXPECT_EQ(select_confirmed[0], 0);   // the ring was still turning
    harness_run(12, TickScript().button(0, BUTTON_HARD_SWING, 0, 12));
    EXPECT_EQ(select_confirmed[0], 1);
    EXPECT_EQ(select_figure_action(), FIGURE_SIDE1_READY);
    EXPECT_EQ(select_button_latch[0], -1);
    harness_run(5, TickScript().button(0, BUTTON_HARD_SWING, 0, 5));
    EXPECT_EQ(select_button_latch[0], -1);
    harness_run(1);
    EXPECT_EQ(select_button_latch[0], 0);
}

// In versus a side landing on the other's character takes the other colours; KICK then flips
// both; once the other side has confirmed that character, KICK changes nothing.
TEST_F(CharacterSelectTest, VersusSharedCharacterWearsTheOtherColours)
{
    select_in(GAME_MODE_VERSUS);
    p2_character = CHARACTER_ATALANTA;
    p1_character = CHARACTER_ODYSSEUS;
    harness_run(11, TickScript().direction(0, DIR_RIGHT, 0));
    ASSERT_EQ(p1_character, CHARACTER_ATALANTA);
    EXPECT_EQ(p1_alt_color, 1);
    EXPECT_EQ(p2_alt_color, 0);
    harness_run(2, TickScript().button(0, BUTTON_KICK, 0));
    EXPECT_EQ(p1_alt_color, 0);
    EXPECT_EQ(p2_alt_color, 1);
    harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 0));
    ASSERT_EQ(select_figure_action(), FIGURE_SIDE2_READY);
    harness_run(2, TickScript().button(0, BUTTON_KICK, 0));
    EXPECT_EQ(p1_alt_color, 0);
    EXPECT_EQ(p2_alt_color, 1);
    // Landing elsewhere puts the plain colours back.
    harness_run(11, TickScript().direction(0, DIR_RIGHT, 0));
    EXPECT_EQ(p1_alt_color, 0);
}

TEST_F(CharacterSelectTest, OnePlayerKickTogglesAndTheComputerKeepsTheOtherColours)
{
    select_in(GAME_MODE_ARCADE_P1);
    harness_run(2, TickScript().button(0, BUTTON_KICK, 0));
    EXPECT_EQ(p1_alt_color, 1);
    harness_run(2, TickScript().button(0, BUTTON_KICK, 0, 2));   // held: once
    EXPECT_EQ(p1_alt_color, 0);
    p2_character = p1_character;
    p2_alt_color = p1_alt_color;
    harness_run(1);
    EXPECT_NE(p2_alt_color, p1_alt_color);
    EXPECT_EQ(ending_picture_p1, 2 * p1_character + p1_alt_color + 1);
    EXPECT_EQ(ending_picture_p2, 2 * p2_character + p2_alt_color + 1);
}

// One player: the pick sets up the ladder, names the opponent and, at the end of the figure's
// closing action, requests the fight.
TEST_F(CharacterSelectTest, OnePlayerPickRequestsTheFight)
{
    for (int side = 0; side < 2; side++) {
        select_in(side == 0 ? GAME_MODE_ARCADE_P1 : GAME_MODE_ARCADE_P2);
        harness_run(2, TickScript().button(side, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(select_figure_action(), side == 0 ? FIGURE_PICK_SIDE1 : FIGURE_PICK_SIDE2);
        EXPECT_EQ(ladder_started, -1);
        int human = side == 0 ? p1_character : p2_character;
        int computer = side == 0 ? p2_character : p1_character;
        EXPECT_EQ(computer, ladder_opponents[0]);
        EXPECT_NE(computer, human);
        int ticks = ticks_to_fight_request(PICK_TICKS + 10);
        EXPECT_GE(ticks, PICK_TICKS - 2);
        EXPECT_LE(ticks, PICK_TICKS + 2);
        EXPECT_EQ(music_fade, 1.0f);
        // No ring turns meanwhile.
        harness_run(1, TickScript().direction(side, DIR_RIGHT, 0));
        EXPECT_EQ(select_spin[side], 0);
    }
}

TEST_F(CharacterSelectTest, VersusPicksFadeToTheStageSelectUnlessAHydraPlays)
{
    for (int hydra = 0; hydra < 2; hydra++) {
        select_in(GAME_MODE_VERSUS);
        unlocked_hydra = 1;
        if (hydra)
            p2_character = CHARACTER_HYDRA;
        harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(select_figure_action(), FIGURE_SIDE1_READY);
        harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(select_figure_action(), FIGURE_PICK_BOTH);
        EXPECT_EQ(fade_mode, hydra ? FADE_NONE : FADE_OUT);
        int ticks = harness_run_until(PICK_TICKS + 10, [] { return fight_load_phase != 0; });
        if (hydra)
            EXPECT_GT(ticks, 0);
        else
            EXPECT_EQ(fight_load_phase, 0);
    }
}

TEST_F(CharacterSelectTest, ProfilePickFadesToTheBiographyWithoutAFight)
{
    select_in(GAME_MODE_PROFILE_P1);
    profile_minotaur = 2;
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(select_figure_action(), FIGURE_PICK_SIDE1);
    EXPECT_EQ(fade_mode, FADE_OUT);
    harness_run(40);
    EXPECT_EQ(fight_load_phase, 0);
    profile_minotaur = 0;
}

// The idle side's START turns a one-player select into a challenge; both then pick.
TEST_F(CharacterSelectTest, IdleSideJoinsAndTheChallengeFightLoads)
{
    select_in(GAME_MODE_ARCADE_P1);
    harness_run(2, TickScript().button(1, BUTTON_START, 1));
    EXPECT_EQ(game_mode, GAME_MODE_CHALLENGE);
    EXPECT_EQ(select_figure_action(), FIGURE_JOIN);
    EXPECT_EQ(paused, 0);
    harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(select_figure_action(), FIGURE_SIDE2_READY);
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(select_figure_action(), FIGURE_PICK_BOTH);
    EXPECT_GT(ticks_to_fight_request(PICK_TICKS + 10), 0);
}

// Side one's ring standing still without its centre icon, deaf to LEFT and RIGHT, is side one
// shown ready in a challenge, waiting for side two's pick. A one-player game gets there by
// player 2's START (SPACE by default): held during the fight (a challenger), or pressed at the
// select after side one's confirm, which then counts as ready. Side two's pick goes on to the
// fight (the pause's way to the title is the other way out); nothing of player 1's does.
TEST_F(CharacterSelectTest, SideOneShownReadyWaitsForSideTwosPick)
{
    for (int route = 0; route < 2; route++) {
        SCOPED_TRACE(route == 0 ? "a challenger from the fight" : "a join after side one's confirm");
        if (route == 0) {
            fight_fixture_reset(CHARACTER_PERSEUS, CHARACTER_MEDUSA);
            fight_fixture_fight(GAME_MODE_ARCADE_P1);
            harness_run(1, TickScript().button(1, BUTTON_START, 0));
            harness_run_until(200, [] { return game_state == STATE_CHARACTER_SELECT && select_chord_played != 0; });
        } else {
            select_in(GAME_MODE_ARCADE_P1);
            harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
            ASSERT_EQ(select_figure_action(), FIGURE_PICK_SIDE1);
            harness_run(2, TickScript().button(1, BUTTON_START, 1));
        }
        ASSERT_EQ(game_state, STATE_CHARACTER_SELECT);
        EXPECT_EQ(game_mode, GAME_MODE_CHALLENGE);
        ASSERT_EQ(select_figure_action(), FIGURE_SIDE1_READY);
        const i32 character = p1_character;
        harness_run(12, TickScript().direction(0, DIR_RIGHT, 0, 12));
        harness_run(12, TickScript().direction(0, DIR_LEFT, 0, 12));
        harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(select_spin[0], 0);
        EXPECT_EQ(p1_character, character);
        EXPECT_EQ(select_figure_action(), FIGURE_SIDE1_READY);
        EXPECT_EQ(fight_load_phase, 0);
        harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 1));
        EXPECT_EQ(select_figure_action(), FIGURE_PICK_BOTH);
        EXPECT_GT(ticks_to_fight_request(PICK_TICKS + 10), 0);
    }
}

// A challenger from a one-player fight enters ready against the side that fought.
TEST_F(CharacterSelectTest, ChallengerEntersWithTheOtherSideReady)
{
    harness_reset();
    game_mode = GAME_MODE_ARCADE_P1;
    p1_character = CHARACTER_HIPPOLYTE;
    p1_alt_color = 0;
    challenger_pending = -1;
    ASSERT_EQ(character_select_enter(), 0);
    EXPECT_EQ(game_mode, GAME_MODE_CHALLENGE);
    EXPECT_EQ(p2_character, CHARACTER_HIPPOLYTE);
    EXPECT_EQ(p2_alt_color, 1);
    EXPECT_EQ(select_figure_action(), FIGURE_SIDE1_READY);
    EXPECT_EQ(challenger_pending, 0);
}

TEST_F(CharacterSelectTest, FailedAssetsStopTheProgram)
{
    for (int result = 1; result <= 2; result++) {
        harness_reset();
        harness_select_result = result;
        fade_out_start();
        harness_run(FADE_TICKS);
        EXPECT_EQ(load_error, 1);
        EXPECT_EQ(quit_request, 1);
    }
}

// Until the first frame has played the chord, only the blink and pulse timers run.
TEST_F(CharacterSelectTest, NothingButTheTimersRunBeforeTheFirstFrame)
{
    select_in(GAME_MODE_ARCADE_P1);
    select_chord_played = 0;
    f32 blink = title_scroll_1;
    input_dir[0] = DIR_RIGHT;
    input_hard_swing[0] = 255;
    character_select_tick();
    EXPECT_EQ(select_spin[0], 0);
    EXPECT_EQ(select_confirmed[0], 0);
    EXPECT_FLOAT_EQ(title_scroll_1, blink + 0.005f);
}

// ---- the figure ----------------------------------------------------------------------------
class SelectFigureTest : public ::testing::Test {
protected:
    Skeleton *skeleton = new Skeleton();
    ~SelectFigureTest() override { delete skeleton; }
    void SetUp() override { harness_reset(); }

    // The key pair after each of `steps` calls.
    void run(int steps) {
        for (int i = 0; i < steps; i++)
            select_atropos_animate(&select_fighter, skeleton);
    }
};

// Entering the side-two idle: the capture blends into key 20 at once, then 20 -> 25 at 25
// ticks a step while key_from is at most 22, then the 24 / 25 loop every 60 ticks.
TEST_F(SelectFigureTest, SideTwoIdlePlaysThenLoops)
{
    skeleton->action = FIGURE_IDLE_SIDE2;
    skeleton->key_from = 20;
    skeleton->key_to = 21;
    run(2);
    EXPECT_EQ(skeleton->key_to, 20);
    EXPECT_EQ(skeleton->key_from, 0);
    run(1);
    EXPECT_EQ(skeleton->key_from, 20);
    EXPECT_EQ(skeleton->key_to, 21);
    EXPECT_EQ(skeleton->key_ticks, 25.0f);
    // Each new key pair, and the calls it took to come: key_ticks, or one more where the
    // single-precision phase sum lands exactly on 1.0.
    const int expect[][3] = {{21, 22, 25}, {22, 23, 25}, {23, 24, 60}, {24, 25, 60}, {25, 24, 60}, {24, 25, 60}};
    for (const auto &e : expect) {
        int wait = static_cast<int>(skeleton->key_ticks);
        i16 from = skeleton->key_from;
        int calls = 0;
        while (skeleton->key_from == from && calls < 100) {
            run(1);
            calls++;
        }
        EXPECT_GE(calls, wait);
        EXPECT_LE(calls, wait + 1);
        EXPECT_EQ(skeleton->key_from, e[0]);
        EXPECT_EQ(skeleton->key_to, e[1]);
        EXPECT_EQ(skeleton->key_ticks, static_cast<f32>(e[2]));
    }
}

// PICK_BOTH from SIDE1_READY: captured pose -> 16 in 30 ticks, 16 -> 17, 17 -> 18; the request
// comes as 17 -> 18 completes and the pose then holds at 18.
TEST_F(SelectFigureTest, PickBothClosesWithTheFightRequest)
{
    game_mode = GAME_MODE_CHALLENGE;
    skeleton->action = FIGURE_SIDE1_READY;
    run(70);
    skeleton->action = FIGURE_PICK_BOTH;
    int ticks = 0;
    while (fight_load_phase == 0 && ticks < 200) {
        run(1);
        ticks++;
    }
    EXPECT_GE(ticks, 88);
    EXPECT_LE(ticks, 92);
    EXPECT_EQ(skeleton->key_from, 18);
    EXPECT_EQ(skeleton->key_to, 18);
    EXPECT_EQ(music_fade, 1.0f);
}

// Every action: the keys it visits stay inside its range once entered, and only the closing
// actions request the fight, and not in the cases the select handles with a fade.
TEST_F(SelectFigureTest, ActionsStayInTheirRangeAndOnlyPicksClose)
{
    const struct {
        int action, mode, first, last, requests;
    } cases[] = {
        {FIGURE_IDLE_SIDE1, GAME_MODE_ARCADE_P1, 1, 6, 0},   {FIGURE_PICK_SIDE1, GAME_MODE_ARCADE_P1, 7, 9, 1},
        {FIGURE_PICK_SIDE1, GAME_MODE_PROFILE_P1, 7, 9, 0},  {FIGURE_IDLE_SIDE2, GAME_MODE_ARCADE_P2, 20, 25, 0},
        {FIGURE_PICK_SIDE2, GAME_MODE_ARCADE_P2, 26, 28, 1}, {FIGURE_PICK_SIDE2, GAME_MODE_PROFILE_P2, 26, 28, 0},
        {FIGURE_IDLE_BOTH, GAME_MODE_VERSUS, 10, 15, 0},     {FIGURE_JOIN, GAME_MODE_CHALLENGE, 14, 15, 0},
        {FIGURE_PICK_BOTH, GAME_MODE_CHALLENGE, 16, 18, 1},  {FIGURE_PICK_BOTH, GAME_MODE_VERSUS, 16, 18, 0},
        {FIGURE_SIDE1_READY, GAME_MODE_VERSUS, 30, 31, 0},   {FIGURE_SIDE2_READY, GAME_MODE_VERSUS, 32, 33, 0},
    };
    for (const auto &c : cases) {
        *skeleton = Skeleton();
        fight_load_phase = 0;
        game_mode = c.mode;
        p1_character = p2_character = CHARACTER_JASON;
        skeleton->action = c.action;
        run(40);   // the blend into the first key
        for (int i = 0; i < 600; i++) {
            run(1);
            EXPECT_GE(skeleton->key_to, c.first) << c.action;
            EXPECT_LE(skeleton->key_to, c.last) << c.action;
        }
        EXPECT_EQ(fight_load_phase, c.requests) << c.action << " mode " << c.mode;
    }
}
