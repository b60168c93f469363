// Motion-command recognisers and the special-move choice, fed direction histories as the
// control code keeps them (a code is entered only when it changes, and seen on many ticks).
#include "combat/combat.h"

#include <cstring>
#include <gtest/gtest.h>
#include <vector>

namespace {

struct CommandCase {
    const char *name;
    u8 facing;
    f32 power;
    std::vector<int> directions;
    i32 expected;
};

constexpr int N = DIR_NONE, U = DIR_UP, R = DIR_RIGHT, L = DIR_LEFT, D = DIR_DOWN;
constexpr int DR = DIR_DOWN_RIGHT, DL = DIR_DOWN_LEFT;

// Facing 1 means toward is right; facing 0 means toward is left.
const CommandCase command_cases[] = {
    {"down toward", 1, 0, {D, R}, SPECIAL_CODE_DOWN_TOWARD_RIGHT},
    {"down toward facing -x", 0, 0, {D, L}, SPECIAL_CODE_DOWN_TOWARD_LEFT},
    {"down, release, toward", 1, 0, {D, N, R}, SPECIAL_CODE_DOWN_TOWARD_RIGHT},
    {"down, down-toward, toward", 1, 0, {D, DR, R}, SPECIAL_CODE_DOWN_TOWARD_RIGHT},
    {"down, up, release, toward (noisy)", 1, 0, {D, U, N, R}, SPECIAL_CODE_DOWN_TOWARD_RIGHT},
    {"down away", 1, 0, {D, L}, SPECIAL_CODE_DOWN_AWAY_RIGHT},
    {"down away facing -x", 0, 0, {D, R}, SPECIAL_CODE_DOWN_AWAY_LEFT},
    {"down, down-away", 1, 0, {D, DL}, SPECIAL_CODE_DOWN_AWAY_RIGHT},
    {"away down clears the down commands", 1, 0, {L, D}, SPECIAL_CODE_AWAY_DOWN_RIGHT},
    {"away down facing -x", 0, 0, {R, D}, SPECIAL_CODE_AWAY_DOWN_LEFT},
    {"down-away, down", 1, 0, {DL, D}, SPECIAL_CODE_AWAY_DOWN_RIGHT},
    {"toward down toward outranks down toward", 1, 0, {R, D, R}, SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT},
    {"toward down toward facing -x", 0, 0, {L, D, L}, SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT},
    {"toward, up, down, release, down-toward (noisy)", 1, 0, {R, U, D, N, DR},
     SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT},
    {"toward-down-toward needs exact toward first", 1, 0, {DR, D, R}, SPECIAL_CODE_DOWN_TOWARD_RIGHT},
    {"toward away toward", 1, 0, {R, L, R}, SPECIAL_CODE_TOWARD_AWAY_TOWARD_RIGHT},
    {"toward away toward facing -x", 0, 0, {L, R, L}, SPECIAL_CODE_TOWARD_AWAY_TOWARD_LEFT},
    {"down-toward, down-away, down-toward", 1, 0, {DR, DL, DR}, SPECIAL_CODE_TOWARD_AWAY_TOWARD_RIGHT},
    {"super motion without power", 1, 0.5f, {D, R, D, R}, SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT},
    {"super motion at 0.999 is not full", 1, 0.999f, {D, R, D, R}, SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT},
    {"super with a full gauge", 1, 1.0f, {D, R, D, R}, SPECIAL_CODE_SUPER_RIGHT},
    {"super with a full gauge facing -x", 0, 1.0f, {D, L, D, L}, SPECIAL_CODE_SUPER_LEFT},
    {"super with noise between", 1, 1.0f, {D, N, R, U, D, N, R}, SPECIAL_CODE_SUPER_RIGHT},
    {"toward then away completes nothing", 1, 0, {R, L}, SPECIAL_CODE_NONE},
    {"down alone", 1, 1.0f, {D}, SPECIAL_CODE_NONE},
    {"toward down toward facing the wrong way", 0, 0, {R, D, R}, SPECIAL_CODE_DOWN_AWAY_LEFT},
};

class MotionTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        game_mode = GAME_MODE_VERSUS;   // two players: neither side rolls a computer's special
        memset(fighters, 0, sizeof fighters);
        fighters[1].side = 1;
        fighters[0].pos_x = -15.0f;
        fighters[0].facing = 1;
        fighters[1].pos_x = 15.0f;
    }
    // Each entry is held for a few ticks, as a player's hand holds a direction.
    void enter(const std::vector<int> &directions)
    {
        for (int code : directions)
            for (int tick = 0; tick < 3; tick++) {
                fighter_note_direction(&fighters[0], code);
                detect_motion_commands(0);
            }
    }
};

TEST_F(MotionTest, EveryCommandFromCleanAndNoisyInput)
{
    for (const CommandCase &c : command_cases) {
        SetUp();
        fighters[0].facing = c.facing;
        fighters[0].power = c.power;
        enter(c.directions);
        EXPECT_EQ(choose_special_move(0), c.expected) << c.name;
        bool completed = c.expected != SPECIAL_CODE_NONE;
        EXPECT_EQ(fighters[0].command_window, completed ? 30 : 0) << c.name;
    }
}

TEST_F(MotionTest, NoSpecialWhileAirborneOrAfterAKnockOut)
{
    enter({D, R});
    fighters[0].posture = POSTURE_AIR;
    EXPECT_EQ(choose_special_move(0), SPECIAL_CODE_NONE);
    fighters[0].posture = POSTURE_STAND;
    fighters[1].action = ACTION_KO;
    EXPECT_EQ(choose_special_move(0), SPECIAL_CODE_NONE);
    fighters[1].action = ACTION_IDLE;
    EXPECT_EQ(choose_special_move(0), SPECIAL_CODE_DOWN_TOWARD_RIGHT);
    reset_motion_commands(0);
    EXPECT_EQ(choose_special_move(0), SPECIAL_CODE_NONE);
}

// A single press of down waits in the first step of three recognisers until a command completes.
TEST_F(MotionTest, PartialProgressSurvivesUnrelatedInput)
{
    enter({D, N, U, N, U, N});
    EXPECT_EQ(fighters[0].command_state[COMMAND_DOWN_TOWARD], 1);
    EXPECT_EQ(fighters[0].command_state[COMMAND_DOWN_AWAY], 1);
    EXPECT_EQ(fighters[0].command_state[COMMAND_SUPER], 1);
    enter({R});
    EXPECT_EQ(choose_special_move(0), SPECIAL_CODE_DOWN_TOWARD_RIGHT);
}

TEST_F(MotionTest, CodesMapBackToTheirCommands)
{
    EXPECT_EQ(special_code_command(SPECIAL_CODE_DOWN_TOWARD_LEFT), COMMAND_DOWN_TOWARD);
    EXPECT_EQ(special_code_command(SPECIAL_CODE_DOWN_AWAY_RIGHT), COMMAND_DOWN_AWAY);
    EXPECT_EQ(special_code_command(SPECIAL_CODE_AWAY_DOWN_LEFT), COMMAND_AWAY_DOWN);
    EXPECT_EQ(special_code_command(SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT), COMMAND_TOWARD_DOWN_TOWARD);
    EXPECT_EQ(special_code_command(SPECIAL_CODE_TOWARD_AWAY_TOWARD_LEFT), COMMAND_TOWARD_AWAY_TOWARD);
    EXPECT_EQ(special_code_command(SPECIAL_CODE_SUPER_LEFT), COMMAND_SUPER);
    EXPECT_EQ(special_code_command(3), COMMAND_COUNT);
    EXPECT_EQ(special_code_command(SPECIAL_CODE_NONE), COMMAND_COUNT);
}

// A full history forgets its oldest entries and never writes past its end.
TEST_F(MotionTest, FullHistoriesDropTheOldest)
{
    Fighter *f = &fighters[0];
    for (int i = 0; i < 700; i++)
        fighter_note_direction(f, i % 9);
    EXPECT_EQ(f->dir_count, FIGHTER_DIR_HISTORY_SIZE);
    EXPECT_EQ(f->dir_history[FIGHTER_DIR_HISTORY_SIZE - 1], 699 % 9);
    EXPECT_EQ(f->dir_history[0], (700 - FIGHTER_DIR_HISTORY_SIZE) % 9);
    fighter_note_direction(f, 699 % 9);   // unchanged code: nothing stored
    EXPECT_EQ(f->dir_history[0], (700 - FIGHTER_DIR_HISTORY_SIZE) % 9);
    for (int i = 0; i < 300; i++)
        fighter_note_tap(f, i % 2 ? DIR_NONE : DIR_RIGHT);
    EXPECT_EQ(f->tap_count, FIGHTER_TAP_HISTORY_SIZE);
    EXPECT_EQ(f->tap_history[FIGHTER_TAP_HISTORY_SIZE - 1], DIR_NONE);
    EXPECT_EQ(f->tap_history[FIGHTER_TAP_HISTORY_SIZE - 2], DIR_RIGHT);
}

}  // namespace

namespace {

class CpuSpecialTest : public MotionTest {
protected:
    void SetUp() override
    {
        MotionTest::SetUp();
        game_mode = GAME_MODE_ARCADE_P1;   // side two is the computer
        fighters[1].facing = 0;
        srand(7);
    }
    int count(i32 code, int draws)
    {
        int hits = 0;
        for (int i = 0; i < draws; i++)
            hits += choose_special_move(1) == code;
        return hits;
    }
};

// At level 5 only a draw of 0 keeps a full gauge from becoming the super move.
TEST_F(CpuSpecialTest, FullGaugeMostlyBecomesTheSuper)
{
    cpu_opponents[1].level = 5;
    fighters[1].power = 1.0f;
    ai_dash_request = 1;
    EXPECT_GE(count(SPECIAL_CODE_SUPER_LEFT, 200), 195);
    EXPECT_EQ(ai_dash_request, 0);
    EXPECT_EQ(choose_special_move(0), SPECIAL_CODE_NONE) << "side one is the human";
}

// Without the gauge, a second draw gives the usual special: toward-down-toward for the
// characters that reach with it, down-toward for the rest.
TEST_F(CpuSpecialTest, RolledSpecialsByCharacterAndReach)
{
    cpu_opponents[1].level = 4;
    cpu_opponents[1].reach = 20.0f;
    fighters[1].character = CHARACTER_PERSEUS;
    fighters[0].pos_x = 0.0f;   // 15 apart: in reach
    const int near = count(SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT, 300);
    EXPECT_GT(near, 150);
    EXPECT_EQ(count(SPECIAL_CODE_DOWN_TOWARD_LEFT, 300), 0);
    fighters[0].pos_x = -30.0f;   // out of reach
    EXPECT_EQ(count(SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT, 300), 0);
    EXPECT_GT(count(SPECIAL_CODE_DOWN_TOWARD_LEFT, 300), 150);
    fighters[1].character = CHARACTER_MEDUSA;
    fighters[0].action = ACTION_PETRIFIED;
    EXPECT_EQ(count(SPECIAL_CODE_NONE, 100), 100) << "no special against a stone opponent";
}

}  // namespace
