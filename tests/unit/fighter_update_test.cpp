// The fighter update's motion: facing, arena limits, push-apart, jumps meeting, lunges and
// the hit reaction.
#include "support/fight_fixture.h"

#include <cmath>

namespace {

constexpr u8 N = DIR_NONE, R = DIR_RIGHT, U = DIR_UP;

class UpdateTest : public FightFixture {};

TEST_F(UpdateTest, FacingFollowsTheOpponentAndEqualXFacesPlus)
{
    fighters[0].pos_x = 20.0f;
    fighters[1].pos_x = 20.0f;
    tick();
    EXPECT_EQ(fighters[0].facing, 1);
    EXPECT_EQ(fighters[1].facing, 1);
    EXPECT_EQ(fighters[1].turned, 1) << "side two turned round";
    // A turn from 270 to 90 takes twelve ticks.
    for (int t = 0; t < 10; t++)
        tick();
    EXPECT_EQ(fighters[1].turned, 1);
    tick();
    EXPECT_EQ(fighters[1].turned, 0);
    EXPECT_EQ(fighters[1].heading, 90.0f);
}

// Walking into the other pushes it at half speed, up to its wall; there both stop, and the
// walker never passes through.
TEST_F(UpdateTest, PushApartKeepsBodiesApartAtTheArenaEdge)
{
    struct Case {
        int stage, walker, pushed;
        f32 wall;
    } cases[] = {
        {STAGE_ATHENS, CHARACTER_JASON, CHARACTER_JASON, 50.0f},
        {STAGE_ATHENS, CHARACTER_JASON, CHARACTER_MINOTAUR, 45.0f},
        {STAGE_THEBES, CHARACTER_JASON, CHARACTER_JASON, 51.0f},   // the pushed one's wall
        {STAGE_HADES, CHARACTER_JASON, CHARACTER_JASON, 100.0f},
        {STAGE_ATHENS, CHARACTER_MINOTAUR, CHARACTER_HYDRA, 20.0f},
    };
    for (const Case &c : cases) {
        fight_start(c.walker, c.pushed);
        stage_id = c.stage;
        fighters[0].pos_x = c.wall - 20.0f;
        fighters[1].pos_x = c.wall - 12.0f;
        const f32 reach = fighters[1].body_half_width;
        for (int t = 0; t < 600; t++) {
            tick(Hands{R});
            // A thousandth for rounding: the pushed one now stands exactly at its wall.
            ASSERT_LE(fighters[0].pos_x, fighters[1].pos_x - reach + fighters[0].walk_speed + 1e-3f) << c.stage;
        }
        EXPECT_NEAR(fighters[1].pos_x, c.wall, 0.2f) << c.stage << " " << c.pushed;
        EXPECT_LE(fighters[1].pos_x, c.wall + 0.15f);
        EXPECT_EQ(fighters[0].facing, 1);
    }
}

// A fighter's own steps end at its wall, never in it, on every arena width.
TEST_F(UpdateTest, OwnStepsStopAtTheWall)
{
    struct Case {
        int stage, character;
        f32 wall;
    } cases[] = {
        {STAGE_ATHENS, CHARACTER_JASON, 50.0f},
        {STAGE_THEBES, CHARACTER_JASON, 49.0f},
        {STAGE_ATHENS, CHARACTER_MINOTAUR, 45.0f},
        {STAGE_HADES, CHARACTER_JASON, 100.0f},
    };
    for (const Case &c : cases) {
        fight_start(c.character, CHARACTER_JASON);
        stage_id = c.stage;
        fighters[1].pos_x = c.wall - 30.0f;
        fighters[0].pos_x = c.wall - 0.1f;   // backs away toward its wall
        for (int t = 0; t < 20; t++) {
            tick(Hands{R});
            ASSERT_LE(fighters[0].pos_x, c.wall) << c.stage << " tick " << t;
        }
        EXPECT_EQ(fighters[0].pos_x, c.wall) << c.stage;
    }
}

// The hit light's colour is kept in the arena's light record, not only sent to GL.
TEST_F(UpdateTest, HitLightColourIsWrittenToTheLightRecord)
{
    fighters[1].hit_recoil = HIT_RECOIL_HEAVY;
    for (u8 guarding : {u8(0), u8(1)}) {
        fighters[1].hit_stun = 15;
        fighters[1].guarding = guarding;
        light.light1_diffuse[0] = light.light1_diffuse[2] = -1.0f;
        tick();
        EXPECT_FLOAT_EQ(light.light1_diffuse[0], guarding ? 1.0f : 1.5f);   // the stun of 15 at the light
        EXPECT_FLOAT_EQ(light.light1_diffuse[2], guarding ? 1.0f : 0.5f);
    }
}

TEST_F(UpdateTest, WalkerPassesUnderAnAirborneOpponentAtFullSpeed)
{
    fighters[0].pos_x = 0.0f;
    fighters[1].pos_x = 4.0f;
    fighters[1].posture = POSTURE_AIR;
    fighters[1].pos_z = 10.0f;
    fighters[1].hit_recoil = HIT_RECOIL_LIGHT;   // held up by a hit hop, not a jump
    fighters[1].jump_frame = 10;
    fighters[1].hop_base_z = 5.0f;
    tick(Hands{R});
    EXPECT_NEAR(fighters[0].pos_x, 0.3f, 1e-5);
}

// Each parts the other by 1.5 per tick while it stands strictly inside the other's half width.
TEST_F(UpdateTest, StraightJumpsIntoEachOtherArePushedApart)
{
    fighters[0].pos_x = -1.0f;
    fighters[1].pos_x = 1.0f;
    const f32 expected[] = {2.0f + 3.0f, 2.0f + 6.0f, 8.0f, 8.0f};
    for (f32 separation : expected) {
        hold(0, Hands{fighters[0].posture == POSTURE_AIR ? N : U});
        hold(1, Hands{fighters[1].posture == POSTURE_AIR ? N : U});
        update_fighters();
        EXPECT_FLOAT_EQ(fighters[1].pos_x - fighters[0].pos_x, separation);
    }
    EXPECT_FLOAT_EQ(fighters[0].pos_x + fighters[1].pos_x, 0.0f) << "apart evenly";
}

TEST_F(UpdateTest, OverlapValueKeepsItsWholeNumberHalving)
{
    fighters[0].pos_x = 0.0f;
    fighters[1].pos_x = 5.0f;
    fighters[1].body_half_width = 7;   // 7 / 2 = 3
    EXPECT_FLOAT_EQ(fighter_overlap(0), 2.0f);
    fighters[0].pos_x = 10.0f;
    EXPECT_FLOAT_EQ(fighter_overlap(0), -2.0f);
    fighters[0].pos_x = 13.0f;
    EXPECT_EQ(fighter_overlap(0), 0.0f) << "outside the other's half width";
    fighters[0].pos_x = 4.0f;
    fighters[0].pos_z = 7.0f;   // above the other's top (0 + 6)
    EXPECT_EQ(fighter_overlap(0), 0.0f);
}

// Jason's timed lunges take their step from the timer, which rests at 0 rather than wrapping.
TEST_F(UpdateTest, TimedLungeStepsShrinkAndStopAtZero)
{
    fighters[1].pos_x = 40.0f;
    skeletons[0]->action = ACTION_JASON_SPECIAL1;
    fighters[0].action = ACTION_JASON_SPECIAL1;
    skeletons[0]->attack_live = FIGHTER_FLAG_ON;
    fighters[0].action_timer = 3;
    tick(Hands(), 200);
    EXPECT_EQ(fighters[0].action_timer, 0);
    EXPECT_NEAR(fighters[0].pos_x, -15.0f + (3 + 2 + 1) * 0.05f, 1e-5);
}

// Hit in the air: the hop rises 8 above its base, falls after frame 28, and the reaction ends
// on the first tick on the floor even though the stun ran out in the air.
TEST_F(UpdateTest, HitHopAndTheEndOfTheReaction)
{
    Fighter *f = &fighters[1];
    f->posture = POSTURE_AIR;
    f->hit_recoil = HIT_RECOIL_HEAVY;
    f->hit_stun = 30;
    f->hop_base_z = 6.0f;
    f->jump_frame = 0;
    skeletons[1]->action = ACTION_HIT_AIR;
    for (int t = 0; t < 16; t++)
        tick();
    EXPECT_NEAR(f->pos_z, 6.0f + 8.0f, 1e-3) << "frame 15 of the hop";
    EXPECT_GT(f->pos_x, 15.0f) << "knocked back and drifting away";
    int ticks = 16;
    while (f->posture == POSTURE_AIR && ticks < 200) {
        tick();
        ticks++;
        if (f->posture == POSTURE_AIR && f->hit_stun < 1) {
            EXPECT_EQ(f->hit_recoil, HIT_RECOIL_HEAVY) << "held until the floor";
        }
    }
    EXPECT_EQ(f->pos_z, 0.0f);
    EXPECT_EQ(skeletons[1]->action, ACTION_LANDING);
    tick();
    EXPECT_EQ(f->hit_recoil, HIT_RECOIL_NONE);
}

// Knocked against the wall, the fighter passes the push to the attacker; a hard hit there is
// an edge hit.
TEST_F(UpdateTest, KnockBackAtTheWallPushesTheAttackerAndMakesAnEdgeHit)
{
    fighters[0].pos_x = 40.0f;
    fighters[1].pos_x = 50.0f;
    fighters[1].hit_recoil = HIT_RECOIL_HEAVY;
    fighters[1].hit_stun = 30;
    tick();
    EXPECT_EQ(fighters[1].pos_x, 50.0f);
    EXPECT_NEAR(fighters[0].pos_x, 40.0f - 30.0f / 60.0f, 1e-5);
    EXPECT_EQ(skeletons[1]->action, ACTION_EDGE_HIT);
    EXPECT_EQ(fighters[1].attack_state, ATTACK_STATE_STUNNED);
    EXPECT_EQ(camera_shake, 2);
}

TEST_F(UpdateTest, TimeOverAndSummonTakeTheControlsAway)
{
    game_state = STATE_TIME_OVER;
    tick(Hands{R, true});
    EXPECT_EQ(fighters[0].pos_x, -15.0f);
    EXPECT_EQ(skeletons[0]->attack_live, 0);
    game_state = STATE_FIGHT;
    summon_phase = SUMMON_EFFECT;
    tick(Hands{R, true});
    EXPECT_EQ(fighters[0].pos_x, -15.0f);
    EXPECT_EQ(skeletons[0]->attack_live, 0);
}

// Ares's lingering curse swaps right and left while its bias is positive.
TEST_F(UpdateTest, AresCurseScramblesDirections)
{
    fight_start(CHARACTER_JASON, CHARACTER_ARES);
    summon_victim = 1;
    confusion_bias = 100;
    confusion_timer = 50;
    tick(Hands{R, true});
    EXPECT_EQ(fighters[0].action, ACTION_WALK_BACK);
    EXPECT_EQ(skeletons[0]->attack_live, 0) << "no attacks under a curse";
    fight_start(CHARACTER_JASON, CHARACTER_SPHINX);
    summon_victim = 1;
    tick(Hands{R});
    EXPECT_EQ(fighters[0].pos_x, -15.0f) << "another curse holds the directions";
}

TEST_F(UpdateTest, ComputerDashRequestDashesTheComputerSide)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ai_dash_request = 1;
    tick();
    EXPECT_EQ(fighters[1].action, ACTION_DASH_BACK) << "side two faces -x, so toward is -x";
    EXPECT_EQ(skeletons[1]->action, ACTION_DASH_FORWARD);
    EXPECT_EQ(ai_dash_request, 0);
    EXPECT_EQ(fighters[0].action, ACTION_IDLE);
}

}  // namespace
