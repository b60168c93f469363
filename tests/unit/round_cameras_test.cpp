#include "engine/engine.h"
#include "combat/combat.h"
#include "game/game.h"
#include "support/fight_flow_fixture.h"
#include "support/tick_harness.h"

#include <cmath>
#include <gtest/gtest.h>

class RoundCamerasTest : public ::testing::Test {
protected:
    void SetUp() override { fight_fixture_reset(); }

    // Runs the victory camera until it is over; returns its ticks and, in result_tick, the
    // tick on which a sound was asked for (0 for none).
    int victory_run(int *result_tick)
    {
        *result_tick = 0;
        for (int tick = 1; tick <= 1000; tick++) {
            int requests = sfx_request_count;
            round_victory_tick();
            if (sfx_request_count != requests)
                *result_tick = tick;
            if (victory_done == CAMERA_DONE)
                return tick;
        }
        return -1;
    }
};

// The intro places the fighters apart and starts their idle from a fresh capture; the orbit
// starts on the fight axis between the fighter and the arena's centre.
TEST_F(RoundCamerasTest, IntroPlacesAndOrbits)
{
    fighters[0].pos_x = 3.0f;
    fighter_skeletons[1]->attack_live = 255;
    fighter_skeletons[0]->action = ACTION_KICK;
    round_intro_start(0);
    EXPECT_FLOAT_EQ(fighters[0].pos_x, -40.0f);
    EXPECT_FLOAT_EQ(fighters[0].heading, 90.0f);
    EXPECT_FLOAT_EQ(fighters[1].pos_x, 40.0f);
    EXPECT_FLOAT_EQ(fighters[1].heading, 270.0f);
    EXPECT_EQ(fighter_skeletons[1]->attack_live, 0);
    EXPECT_EQ(fighter_skeletons[0]->action, ACTION_IDLE);
    EXPECT_EQ(fighter_skeletons[0]->key_from, 1);
    EXPECT_EQ(fighter_skeletons[0]->key_to, 2);
    EXPECT_FLOAT_EQ(fighter_skeletons[0]->phase, 2.0f);

    camera_sequence.side[0].variant = 1;
    round_intro_orbit(0, 1);
    // Jason: 30 from the fighter at angle 1.5707 + 1/240, eye 15 high in variant 1.
    EXPECT_NEAR(camera_eye[0], -40.0f + 30.0f * std::sin(1.5707f + 0.004166667f), 1e-4);
    EXPECT_NEAR(camera_eye[1], 30.0f * std::cos(1.5707f + 0.004166667f), 1e-4);
    EXPECT_FLOAT_EQ(camera_eye[2], 15.0f);
    EXPECT_FLOAT_EQ(camera_centre[2], 8.0f);
    // Side two's orbit swings towards -y as well.
    round_intro_orbit(1, 1);
    EXPECT_LT(camera_eye[1], 0.0f);
    EXPECT_LT(camera_eye[0], 40.0f);
}

// The variant is drawn at random but only ever 0 or 1.
TEST_F(RoundCamerasTest, IntroVariantIsZeroOrOne)
{
    bool seen[2] = {false, false};
    for (int i = 0; i < 200; i++) {
        round_intro_start(i & 1);
        int variant = camera_sequence.side[i & 1].variant;
        ASSERT_TRUE(variant == 0 || variant == 1);
        seen[variant] = true;
    }
    EXPECT_TRUE(seen[0] && seen[1]);
}

// The winner turns to the loser, who is set 30 away; the spiral runs 201 ticks with the result
// call at tick 15.
TEST_F(RoundCamerasTest, VictorySpiralAndResultCall)
{
    struct Case {
        int mode, winner;
        int sound;     // -1 none
    };
    const Case cases[] = {
        {GAME_MODE_ARCADE_P1, 0, SFX_YOU_WIN},  {GAME_MODE_ARCADE_P1, 1, SFX_YOU_LOSE},
        {GAME_MODE_ARCADE_P2, 1, SFX_YOU_WIN},  {GAME_MODE_ARCADE_P2, 0, SFX_YOU_LOSE},
        {GAME_MODE_CHALLENGE, 1, SFX_YOU_WIN},  {GAME_MODE_VERSUS, 0, -1},
    };
    for (const Case &c : cases) {
        fight_fixture_reset();
        game_mode = c.mode;
        effects_volume = 64;
        int loser = 1 - c.winner;
        fighters[c.winner].pos_x = 5.0f;
        fighters[loser].pos_x = 12.0f;
        fighters[loser].action = ACTION_KO;
        camera_sequence.side[loser].ticks = 300;   // left over from the intro
        round_victory_start(c.winner);
        EXPECT_EQ(fighter_skeletons[c.winner]->action, ACTION_WIN_2);
        EXPECT_FLOAT_EQ(fighters[c.winner].pos_x, 0.0f);
        EXPECT_FLOAT_EQ(fighters[c.winner].heading, 90.0f);
        EXPECT_FLOAT_EQ(fighters[loser].pos_x, 30.0f);
        EXPECT_FLOAT_EQ(fighters[loser].heading, 270.0f);
        int result_tick;
        EXPECT_EQ(victory_run(&result_tick), 201) << c.mode << " " << c.winner;
        EXPECT_EQ(result_tick, c.sound < 0 ? 0 : 15);
        if (c.sound >= 0) {
            EXPECT_EQ(sfx_last_request.number, c.sound);
            EXPECT_EQ(sfx_last_request.volume, 112);
        }
    }
}

TEST_F(RoundCamerasTest, VictoryFacesALoserOnTheLeft)
{
    fighters[0].pos_x = 10.0f;
    fighters[1].pos_x = -4.0f;
    fighters[1].action = ACTION_KO;
    round_victory_start(0);
    EXPECT_EQ(fighter_skeletons[0]->action, ACTION_WIN_1);
    EXPECT_FLOAT_EQ(fighters[0].heading, 270.0f);
    EXPECT_FLOAT_EQ(fighters[1].pos_x, -30.0f);
    EXPECT_FLOAT_EQ(fighters[1].heading, 90.0f);
    round_victory_tick();
    // Far side of the winner from the loser, closing in and coming down.
    EXPECT_GT(camera_eye[0], 0.0f);
    EXPECT_NEAR(camera_eye[2], 20.0f - 0.06666667f, 1e-5);
    EXPECT_FLOAT_EQ(camera_centre[2], 10.0f);
}

// A winning Hydra circles slowly at 105 for 226 ticks, with no pose and no result call.
TEST_F(RoundCamerasTest, HydraVictoryCircle)
{
    fight_fixture_reset(CHARACTER_JASON, CHARACTER_HYDRA);
    game_mode = GAME_MODE_ARCADE_P2;
    fighters[0].pos_x = -20.0f;
    fighters[0].action = ACTION_KO;
    fighter_skeletons[1]->action = ACTION_KICK;
    round_victory_start(1);
    EXPECT_EQ(fighter_skeletons[1]->action, ACTION_IDLE);
    EXPECT_FLOAT_EQ(fighters[0].pos_x, -40.0f);
    EXPECT_FLOAT_EQ(fighters[1].heading, 270.0f);
    int result_tick;
    EXPECT_EQ(victory_run(&result_tick), 226);
    EXPECT_EQ(result_tick, 0);
    EXPECT_NEAR(std::hypot(camera_eye[0] - fighters[1].pos_x, camera_eye[1] - fighters[1].pos_y),
                105.0, 1e-3);
    EXPECT_FLOAT_EQ(camera_eye[2], 15.0f);
}

// Both fighters down and side one given the match: its camera still runs out.
TEST_F(RoundCamerasTest, DoubleKnockOutVictoryEnds)
{
    fighters[0].action = fighters[1].action = ACTION_KO;
    round_victory_start(0);
    int result_tick;
    EXPECT_EQ(victory_run(&result_tick), 201);
    EXPECT_EQ(camera_sequence.side[1].ticks, 0) << "the loser is not circled";
}
