// The computer opponent: tactic rerolls, rolls by difficulty, pressing, guarding, closing in,
// and that it plays only through the input bytes.
#include "support/fight_fixture.h"

#include <cmath>
#include <cstddef>
#include <cstring>

namespace {

constexpr int CPU = 1;        // side two plays against player 1
constexpr int HUMAN = 0;
const int LEVELS[] = {1, 2, 4, 5};

class CpuTest : public FightFixture {
protected:
    void SetUp() override
    {
        FightFixture::SetUp();
        cpu_start(4);
    }

    void cpu_start(int level, int cpu_character = CHARACTER_JASON, int human_character = CHARACTER_JASON)
    {
        fight_start(human_character, cpu_character);
        game_mode = GAME_MODE_ARCADE_P1;
        difficulty = static_cast<i8>(level);
        cpu_opponents_reset();
        ai_last_opponent_action = ACTION_IDLE;
    }

    // A tactic that stays: no reroll is due and the opponent's action is the one last seen.
    void hold_tactic(i32 tactic)
    {
        cpu_opponents[CPU].tactic = tactic;
        cpu_opponents[CPU].countdown = 1000000;
        ai_last_opponent_action = fighters[HUMAN].action;
    }

    void human_attacks()
    {
        skeletons[HUMAN]->attack_live = FIGHTER_FLAG_ON;
    }

    // The fighters `distance` apart, facing each other.
    void place(f32 distance)
    {
        fighters[HUMAN].pos_x = -distance / 2;
        fighters[CPU].pos_x = distance / 2;
    }
};

TEST_F(CpuTest, ResetGivesLevelAndReachByCharacter)
{
    struct Case {
        int character;
        f32 reach;
    } cases[] = {
        {CHARACTER_JASON, 18.0f}, {CHARACTER_ODYSSEUS, 20.0f}, {CHARACTER_POLYPHEMUS, 25.0f},
        {CHARACTER_MINOTAUR, 25.0f}, {CHARACTER_HYDRA, 35.0f}, {CHARACTER_ATROPOS, 20.0f},
    };
    for (const Case &c : cases) {
        ai_opponent_life_memo = 0.2f;
        ai_dash_request = 1;
        cpu_start(5, c.character, CHARACTER_MEDUSA);
        EXPECT_EQ(cpu_opponents[CPU].reach, c.reach) << c.character;
        EXPECT_EQ(cpu_opponents[HUMAN].reach, 20.0f);
        EXPECT_EQ(cpu_opponents[CPU].level, 5);
        EXPECT_EQ(cpu_opponents[CPU].countdown, 0) << "a reroll is due at once";
        EXPECT_EQ(ai_opponent_life_memo, 1.0f);
        EXPECT_EQ(ai_dash_request, 0);
    }
}

// The tactic is the heaviest weight, a tie going to the later tactic.
TEST_F(CpuTest, RerollTakesTheHeaviestWeightTiesToTheLater)
{
    struct Case {
        i32 w0, w1, w2;
        i32 tactic;
    } cases[] = {
        {9, 1, 1, 0}, {1, 9, 1, 1}, {1, 1, 9, 2}, {5, 5, 1, 1}, {5, 1, 5, 2}, {1, 5, 5, 2}, {3, 3, 3, 2},
    };
    for (const Case &c : cases) {
        cpu_opponents[CPU].level = 3;   // a level without weights of its own keeps the old ones
        cpu_opponents[CPU].weight[0] = c.w0;
        cpu_opponents[CPU].weight[1] = c.w1;
        cpu_opponents[CPU].weight[2] = c.w2;
        cpu_opponents[CPU].tactic = -1;
        ai_reroll_tactics(CPU);
        EXPECT_EQ(cpu_opponents[CPU].tactic, c.tactic) << c.w0 << " " << c.w1 << " " << c.w2;
        EXPECT_EQ(cpu_opponents[CPU].countdown, 180);
    }
}

TEST_F(CpuTest, RerollWeightsStayInTheirLevelsRanges)
{
    struct Case {
        int level;
        i32 range[3];
    } cases[] = {{1, {20, 20, 60}}, {2, {36, 36, 30}}, {4, {36, 36, 30}}, {5, {40, 40, 20}}};
    for (const Case &c : cases) {
        cpu_opponents[CPU].level = c.level;
        i32 most[3] = {0, 0, 0};
        for (int n = 0; n < 500; n++) {
            ai_reroll_tactics(CPU);
            for (int i = 0; i < 3; i++) {
                ASSERT_GE(cpu_opponents[CPU].weight[i], 0);
                ASSERT_LT(cpu_opponents[CPU].weight[i], c.range[i]) << c.level;
                most[i] = std::max(most[i], cpu_opponents[CPU].weight[i]);
            }
        }
        for (int i = 0; i < 3; i++)
            EXPECT_GE(most[i], c.range[i] / 2) << "the whole range is drawn, level " << c.level;
    }
}

// The guard roll, rand() % 10 + level at 11 or more, holds on 4 draws in 10 at level 5, 3 at
// 4, 1 at 2 and never at level 1.
TEST_F(CpuTest, GuardRollByDifficulty)
{
    struct Case {
        int level;
        f32 share;
    } cases[] = {{1, 0.0f}, {2, 0.1f}, {4, 0.3f}, {5, 0.4f}};
    for (const Case &c : cases) {
        cpu_start(c.level);
        place(10.0f);
        human_attacks();
        const int ticks = 4000;
        int guards = 0;
        for (int t = 0; t < ticks; t++) {
            hold_tactic(CPU_TACTIC_PRESS);
            ai_think(CPU);
            if (input_dir[CPU] == DIR_RIGHT)   // away from the opponent at -x
                guards++;
        }
        EXPECT_NEAR(static_cast<f32>(guards) / ticks, c.share, 0.04f) << "level " << c.level;
    }
}

// A crouching opponent is guarded low.
TEST_F(CpuTest, GuardsLowAgainstACrouchingOpponent)
{
    place(10.0f);
    human_attacks();
    fighters[HUMAN].posture = POSTURE_CROUCH;
    hold_tactic(CPU_TACTIC_WAIT);
    ai_think(CPU);
    EXPECT_EQ(input_dir[CPU], DIR_DOWN_RIGHT) << "down and away from the opponent at -x";
}

TEST_F(CpuTest, LetsGoOfEverythingAgainstAKnockedOutOpponent)
{
    place(10.0f);
    fighters[HUMAN].action = ACTION_KO;
    input_dir[CPU] = DIR_LEFT;
    input_hard_swing[CPU] = input_low_swing[CPU] = input_kick[CPU] = FIGHTER_FLAG_ON;
    for (int t = 0; t < 50; t++) {
        ai_think(CPU);
        EXPECT_EQ(input_dir[CPU], DIR_NONE);
        EXPECT_EQ(input_hard_swing[CPU] | input_low_swing[CPU] | input_kick[CPU], 0);
    }
}

// A reroll every time the opponent's action changes, and when the countdown runs out.
TEST_F(CpuTest, RerollsOnEveryChangeOfTheOpponentsAction)
{
    const i32 actions[] = {ACTION_WALK_FORWARD, ACTION_CROUCH, ACTION_WALK_BACK, ACTION_IDLE};
    place(40.0f);
    cpu_opponents[CPU].countdown = 100;
    for (i32 action : actions) {
        fighters[HUMAN].action = action;
        ai_think(CPU);
        EXPECT_EQ(cpu_opponents[CPU].countdown, 180) << action;
        EXPECT_EQ(ai_last_opponent_action, action);
        cpu_opponents[CPU].countdown = 100;
        ai_think(CPU);
        EXPECT_EQ(cpu_opponents[CPU].countdown, 100) << "the same action: no reroll";
    }
    cpu_opponents[CPU].countdown = 0;
    ai_think(CPU);
    EXPECT_EQ(cpu_opponents[CPU].countdown, 180);
}

// From Normal up, a helpless opponent is pressed: turned to stone, or under this side's curse.
TEST_F(CpuTest, PressesAHelplessOpponent)
{
    struct Case {
        int level;
        i32 opponent_action;
        i32 victim;
        bool always_press;
    } cases[] = {
        {4, ACTION_PETRIFIED, 0, true}, {5, ACTION_IDLE, HUMAN + 1, true},
        {4, ACTION_IDLE, CPU + 1, false}, {2, ACTION_PETRIFIED, 0, false}, {4, ACTION_IDLE, 0, false},
    };
    for (const Case &c : cases) {
        cpu_start(c.level);
        place(10.0f);
        summon_victim = c.victim;
        fighters[HUMAN].action = c.opponent_action;
        bool always = true;
        for (int n = 0; n < 100; n++) {
            cpu_opponents[CPU].countdown = 0;
            ai_think(CPU);
            always = always && cpu_opponents[CPU].tactic == CPU_TACTIC_PRESS;
        }
        EXPECT_EQ(always, c.always_press) << c.level << " " << c.opponent_action << " " << c.victim;
    }
}

// A stunned opponent makes it wait (or back off, at the lowest levels).
TEST_F(CpuTest, NeverPressesAStunnedOpponent)
{
    for (int level : LEVELS) {
        cpu_start(level);
        place(10.0f);
        fighters[HUMAN].action = ACTION_STUNNED;
        for (int n = 0; n < 100; n++) {
            cpu_opponents[CPU].countdown = 0;
            ai_think(CPU);
            ASSERT_NE(cpu_opponents[CPU].tactic, CPU_TACTIC_PRESS) << level;
        }
    }
}

// Whatever the situation, the computer changes nothing of either fighter or skeleton record.
TEST_F(CpuTest, WritesNothingButTheInputBytes)
{
    struct Situation {
        f32 distance;
        bool threat, airborne, crouching;
    } situations[] = {
        {10.0f, false, false, false}, {10.0f, true, false, true}, {12.0f, false, true, false},
        {25.0f, true, false, false}, {60.0f, false, false, false}, {60.0f, true, true, false},
    };
    const int characters[] = {CHARACTER_JASON, CHARACTER_HYDRA, CHARACTER_POLYPHEMUS};
    constexpr size_t HEADER = offsetof(Skeleton, bones);
    u8 skeletons_before[2][HEADER];
    for (int character : characters) {
        for (int level : LEVELS) {
            for (const Situation &s : situations) {
                cpu_start(level, character);
                place(s.distance);
                if (s.threat)
                    human_attacks();
                fighters[HUMAN].posture = s.airborne ? POSTURE_AIR : POSTURE_STAND;
                fighters[CPU].posture = s.crouching ? POSTURE_CROUCH : POSTURE_STAND;
                Fighter fighters_before[2];
                memcpy(fighters_before, fighters, sizeof fighters);
                for (int t = 0; t < 200; t++) {
                    fighters[HUMAN].action = t % 50 == 0 ? ACTION_WALK_FORWARD : ACTION_IDLE;
                    fighters_before[HUMAN].action = fighters[HUMAN].action;
                    for (int p = 0; p < 2; p++)
                        memcpy(skeletons_before[p], skeletons[p].get(), HEADER);
                    ai_think(CPU);
                    ASSERT_EQ(memcmp(fighters_before, fighters, sizeof fighters), 0) << character << " " << level;
                    for (int p = 0; p < 2; p++)
                        ASSERT_EQ(memcmp(skeletons_before[p], skeletons[p].get(), HEADER), 0);
                    ASSERT_EQ(input_dir[HUMAN], DIR_NONE) << "the other side's bytes are not its own";
                }
            }
        }
    }
}

// The Hydra can neither crouch nor jump nor dash: its computer only walks, waits and swings.
TEST_F(CpuTest, HydraOnlyWalksWaitsAndSwings)
{
    for (int level : LEVELS) {
        cpu_start(level, CHARACTER_HYDRA);
        const f32 distances[] = {20.0f, 60.0f, 120.0f};
        for (f32 distance : distances) {
            place(distance);
            fighters[HUMAN].posture = POSTURE_AIR;
            for (int t = 0; t < 500; t++) {
                skeletons[HUMAN]->attack_live = t % 3 ? FIGHTER_FLAG_ON : 0;
                ai_think(CPU);
                const u8 dir = input_dir[CPU];
                ASSERT_TRUE(dir == DIR_NONE || dir == DIR_LEFT || dir == DIR_RIGHT) << int(dir);
                ASSERT_EQ(ai_dash_request, 0);
                if (distance > cpu_opponents[CPU].reach) {
                    ASSERT_EQ(input_kick[CPU] | input_low_swing[CPU] | input_hard_swing[CPU], 0) << "out of reach";
                }
            }
        }
    }
}

// Through the fighter update, at every level: the computer closes in from afar, attacks once
// in reach, and guards the human's attacks. The test plays the animation's part: attacks end
// after 20 ticks.
TEST_F(CpuTest, ClosesInAttacksAndGuardsAtEveryLevel)
{
    for (int level : LEVELS) {
        for (unsigned seed = 1; seed <= 3; seed++) {
            cpu_start(level);
            srand(seed);
            place(80.0f);
            int attack_ticks[2] = {0, 0};
            bool closed = false, attacked_in_reach = false, guarded = false;
            for (int t = 0; t < 4000 && !(closed && attacked_in_reach && guarded); t++) {
                const f32 d = std::fabs(fighters[0].pos_x - fighters[1].pos_x);
                closed = closed || d <= cpu_opponents[CPU].reach;
                Hands hands;
                hands.hard_swing = d < 25.0f && t % 60 == 0;
                const bool cpu_was_idle = skeletons[CPU]->attack_live == 0;
                tick(hands);
                if (cpu_was_idle && skeletons[CPU]->attack_live && d <= cpu_opponents[CPU].reach)
                    attacked_in_reach = true;
                guarded = guarded || fighters[CPU].guarding == FIGHTER_FLAG_ON;
                for (int p = 0; p < 2; p++) {
                    attack_ticks[p] = skeletons[p]->attack_live ? attack_ticks[p] + 1 : 0;
                    if (attack_ticks[p] > 20)
                        attack_ends(p);
                }
            }
            EXPECT_TRUE(closed) << "level " << level << " seed " << seed;
            EXPECT_TRUE(attacked_in_reach) << "level " << level << " seed " << seed;
            EXPECT_TRUE(guarded) << "level " << level << " seed " << seed;
        }
    }
}

}  // namespace
