#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/fight_flow_fixture.h"

#include <gtest/gtest.h>

class RoundResetTest : public ::testing::Test {
protected:
    void SetUp() override { fight_fixture_reset(); }
};

TEST_F(RoundResetTest, FightersStartOnTheirMarks)
{
    struct Case {
        int p1, p2;
        f32 x;
    };
    for (const Case &c : {Case{CHARACTER_JASON, CHARACTER_ODYSSEUS, 15.0f},
                          Case{CHARACTER_JASON, CHARACTER_HYDRA, 30.0f},
                          Case{CHARACTER_HYDRA, CHARACTER_MEDUSA, 30.0f}}) {
        fight_fixture_reset(c.p1, c.p2);
        for (Fighter &f : fighters) {
            f.pos_y = 3.0f;
            f.life = f.life_shown = 0.2f;
            f.heads_left = 1;
            f.head_life[2] = 0.0f;
            f.action = ACTION_KO;
            f.hit_recoil = HIT_RECOIL_HEAVY;
            f.power = 1.0f;
            f.aura = AURA_EMITTING;
        }
        fighter_skeletons[1]->action = ACTION_KICK;
        fighter_skeletons[1]->active_window = 3;
        reset_round();
        EXPECT_FLOAT_EQ(fighters[0].pos_x, -c.x);
        EXPECT_FLOAT_EQ(fighters[1].pos_x, c.x);
        EXPECT_FLOAT_EQ(fighters[0].heading, 90.0f);
        EXPECT_FLOAT_EQ(fighters[1].heading, 270.0f);
        EXPECT_EQ(fighters[0].facing, 1);
        EXPECT_EQ(fighters[1].facing, 0);
        for (const Fighter &f : fighters) {
            EXPECT_FLOAT_EQ(f.pos_y, 0.0f);
            EXPECT_FLOAT_EQ(f.life, 1.0f);
            EXPECT_FLOAT_EQ(f.life_shown, 1.0f);
            EXPECT_EQ(f.heads_left, 4);
            EXPECT_FLOAT_EQ(f.head_life[2], 1.0f);
            EXPECT_EQ(f.action, ACTION_IDLE);
            EXPECT_EQ(f.hit_recoil, 0);
            EXPECT_FLOAT_EQ(f.power, 0.0f);
            EXPECT_EQ(f.aura, AURA_NONE);
        }
        EXPECT_EQ(fighter_skeletons[1]->action, ACTION_IDLE);
        EXPECT_EQ(fighter_skeletons[1]->key_from, 1);
        EXPECT_EQ(fighter_skeletons[1]->key_to, 2);
        EXPECT_EQ(fighter_skeletons[1]->active_window, 0);
        EXPECT_FLOAT_EQ(camera_term, 13.0f);
        EXPECT_FLOAT_EQ(camera_yaw, 3.1415f);
    }
}

TEST_F(RoundResetTest, RoundStateAndEffectsAreCleared)
{
    combo_hits[0] = combo_hits[1] = 4;
    best_combo[0] = combo_display_timer[1] = 9;
    challenger_pending = -1;
    state_ticks = 50;
    summon_phase = SUMMON_EFFECT;
    summon_victim = 2;
    summon_fade_level = 0.0f;
    projectile_in_flight[1] = 1;
    spark_particles[3].life = 5.0f;
    blood_stain_particles[499].life = 1.0f;
    burst_particles[1][7].life = 2.0f;
    rain_particles[0].life = 3.0f;   // the drop's variant: the rain goes on
    ASSERT_NE(stage_light, nullptr);
    stage_light->hit_light_on = 1;
    reset_round();
    EXPECT_EQ(combo_hits[0], 4) << "side one's running combo is left";
    EXPECT_EQ(combo_hits[1] | best_combo[0] | combo_display_timer[1], 0);
    EXPECT_EQ(challenger_pending | state_ticks | summon_phase | summon_victim, 0);
    EXPECT_FLOAT_EQ(summon_fade_level, 1.0f);
    EXPECT_EQ(projectile_in_flight[1], 0);
    EXPECT_FLOAT_EQ(spark_particles[3].life, 0.0f);
    EXPECT_FLOAT_EQ(blood_stain_particles[499].life, 0.0f);
    EXPECT_FLOAT_EQ(burst_particles[1][7].life, 0.0f);
    EXPECT_FLOAT_EQ(rain_particles[0].life, 3.0f);
    EXPECT_EQ(stage_light->hit_light_on, 0);
}

TEST_F(RoundResetTest, ComputerReachAndLevel)
{
    struct Case {
        int character;
        f32 reach;
    };
    for (const Case &c : {Case{CHARACTER_JASON, 18.0f}, Case{CHARACTER_ATALANTA, 20.0f},
                          Case{CHARACTER_POLYPHEMUS, 25.0f}, Case{CHARACTER_MINOTAUR, 25.0f},
                          Case{CHARACTER_HYDRA, 35.0f}}) {
        fight_fixture_reset(CHARACTER_ARES, c.character);
        difficulty = 2;
        cpu_opponents[1].countdown = 40;
        reset_round();
        EXPECT_FLOAT_EQ(cpu_opponents[1].reach, c.reach) << c.character;
        EXPECT_FLOAT_EQ(cpu_opponents[0].reach, 20.0f);
        EXPECT_EQ(cpu_opponents[1].level, 2);
        EXPECT_EQ(cpu_opponents[1].countdown, 0);
    }
}

// The computer side's damage at a one-player match's first round, by difficulty and pairing.
TEST_F(RoundResetTest, ComputerDamageScaling)
{
    struct Case {
        int mode, difficulty, rounds, cpu_character, human_character, human_followups;
        f32 move_factor, summon_factor;
    };
    const Case cases[] = {
        {GAME_MODE_ARCADE_P1, 4, 0, CHARACTER_ARES, CHARACTER_ODYSSEUS, 0, 1.1f, 1.1f},
        {GAME_MODE_ARCADE_P1, 4, 0, CHARACTER_ARES, CHARACTER_JASON, 1, 1.15f, 1.15f},
        {GAME_MODE_ARCADE_P1, 5, 0, CHARACTER_MEDUSA, CHARACTER_ODYSSEUS, 0, 1.3f, 1.3f},
        {GAME_MODE_ARCADE_P1, 5, 0, CHARACTER_MEDUSA, CHARACTER_JASON, 1, 1.35f, 1.35f},
        {GAME_MODE_ARCADE_P1, 5, 0, CHARACTER_SPHINX, CHARACTER_JASON, 1, 1.25f, 1.25f},
        {GAME_MODE_ARCADE_P1, 5, 0, CHARACTER_PERSEUS, CHARACTER_ATALANTA, 1, 1.28f, 1.28f},
        {GAME_MODE_ARCADE_P1, 4, 0, CHARACTER_JASON, CHARACTER_ARES, 0, 1.1f, 1.0f},
        {GAME_MODE_ARCADE_P1, 5, 0, CHARACTER_ODYSSEUS, CHARACTER_ARES, 0, 1.0f, 1.0f},
        {GAME_MODE_ARCADE_P1, 5, 0, CHARACTER_HYDRA, CHARACTER_ARES, 0, 1.0f, 1.0f},
        {GAME_MODE_ARCADE_P1, 2, 0, CHARACTER_ARES, CHARACTER_JASON, 1, 1.0f, 1.0f},
        {GAME_MODE_ARCADE_P1, 5, 1, CHARACTER_ARES, CHARACTER_JASON, 1, 1.0f, 1.0f},
        {GAME_MODE_VERSUS, 5, 0, CHARACTER_ARES, CHARACTER_JASON, 1, 1.0f, 1.0f},
        {GAME_MODE_ARCADE_P2, 4, 0, CHARACTER_ARES, CHARACTER_ODYSSEUS, 0, 1.1f, 1.1f},
    };
    for (const Case &c : cases) {
        int cpu = c.mode == GAME_MODE_ARCADE_P2 ? 0 : 1;
        fight_fixture_reset();
        game_mode = c.mode;
        difficulty = static_cast<i8>(c.difficulty);
        rounds_played = c.rounds;
        fighters[cpu].character = static_cast<u8>(c.cpu_character);
        fighters[1 - cpu].character = static_cast<u8>(c.human_character);
        fighters[1 - cpu].has_followups = c.human_followups;
        for (Fighter &f : fighters)
            for (f32 &d : f.damage)
                d = 0.5f;
        reset_round();
        EXPECT_FLOAT_EQ(fighters[cpu].damage[0], 0.5f) << "the defence is never scaled";
        EXPECT_FLOAT_EQ(fighters[cpu].damage[1], 0.5f * c.move_factor) << c.cpu_character;
        EXPECT_FLOAT_EQ(fighters[cpu].damage[18], 0.5f * c.move_factor);
        EXPECT_FLOAT_EQ(fighters[cpu].damage[19], 0.5f * c.summon_factor);
        EXPECT_FLOAT_EQ(fighters[1 - cpu].damage[5], 0.5f) << "the human is never scaled";
    }
    rounds_played = 0;
}
