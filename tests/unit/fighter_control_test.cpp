// Player control through the fighter update: walks, dashes, jumps, crouch, guard, attacks,
// follow-ups and special moves, driven by the input bytes a player's hands leave.
#include "support/fight_fixture.h"

#include <cmath>

namespace {

constexpr u8 N = DIR_NONE, U = DIR_UP, UR = DIR_UP_RIGHT, R = DIR_RIGHT, DR = DIR_DOWN_RIGHT, D = DIR_DOWN;
constexpr u8 DL = DIR_DOWN_LEFT, L = DIR_LEFT;

class ControlTest : public FightFixture {};

// Side one faces +x: right is toward, left is away.
TEST_F(ControlTest, WalksByScreenDirectionAndFacing)
{
    struct Case {
        u8 dir;
        i32 fighter_action, skeleton_action;
        f32 dx;
    } cases[] = {
        {R, ACTION_WALK_FORWARD, ACTION_WALK_FORWARD, 0.3f},
        {L, ACTION_WALK_BACK, ACTION_WALK_BACK, -0.3f},
    };
    for (const Case &c : cases) {
        SetUp();
        tick(Hands{c.dir}, 10);
        EXPECT_EQ(fighters[0].action, c.fighter_action);
        EXPECT_EQ(skeletons[0]->action, c.skeleton_action);
        EXPECT_NEAR(fighters[0].pos_x, -15.0f + 10 * c.dx, 1e-4);
        tick(Hands(), 1);
        EXPECT_EQ(fighters[0].action, ACTION_IDLE) << "released";
    }
    // Side two faces -x: its walk toward +x is away from the opponent.
    SetUp();
    for (int t = 0; t < 5; t++) {
        hold(0, Hands());
        hold(1, Hands{R});
        update_fighters();
    }
    EXPECT_EQ(fighters[1].action, ACTION_WALK_FORWARD);
    EXPECT_EQ(skeletons[1]->action, ACTION_WALK_BACK);
    EXPECT_NEAR(fighters[1].pos_x, 16.5f, 1e-4);
}

TEST_F(ControlTest, WalkingAwayStopsAtSeventyApart)
{
    fighters[0].pos_x = -40.0f;
    fighters[1].pos_x = 29.5f;
    tick(Hands{L}, 20);
    EXPECT_NEAR(fighters[0].pos_x, -40.6f, 1e-4) << "two steps, then the separation is 70";
}

// A double tap: a press of at least two ticks, a release, a second press while the window
// is still open.
TEST_F(ControlTest, DoubleTapDashesOnlyWithinTheWindow)
{
    struct Case {
        int first_press, gap;
        u8 dir;
        bool dashes;
        i32 skeleton_action;
    } cases[] = {
        {2, 2, R, true, ACTION_DASH_FORWARD},
        {3, 5, L, true, ACTION_DASH_BACK},
        {1, 2, R, false, ACTION_WALK_FORWARD},    // a one-tick first press is not recorded
        {3, 20, R, false, ACTION_WALK_FORWARD},   // too slow
        {15, 2, R, false, ACTION_WALK_FORWARD},   // a long walk runs the window down
    };
    for (const Case &c : cases) {
        SetUp();
        tick(Hands{c.dir}, c.first_press);
        tick(Hands(), c.gap);
        tick(Hands{c.dir});
        EXPECT_EQ(skeletons[0]->action, c.skeleton_action) << c.first_press << "/" << c.gap;
        if (!c.dashes)
            continue;
        EXPECT_EQ(fighters[0].action, c.dir == R ? ACTION_DASH_FORWARD : ACTION_DASH_BACK);
        const f32 start = fighters[0].pos_x;
        tick(Hands(), 19);
        EXPECT_EQ(fighters[0].action, ACTION_IDLE) << "a dash lasts 20 ticks";
        EXPECT_EQ(sfx_last_request.number, SFX_LAND);
        // Steps of timer / 30 x 3 for the timer 19 down to 1 after the first tick's step.
        EXPECT_NEAR(std::fabs(fighters[0].pos_x - start), 19.0f, 1e-3);
    }
}

TEST_F(ControlTest, HydraNeitherDashesNorJumpsNorCrouches)
{
    fight_start(CHARACTER_HYDRA, CHARACTER_JASON);
    tick(Hands{R}, 2);
    tick(Hands(), 2);
    tick(Hands{R});
    EXPECT_EQ(fighters[0].action, ACTION_WALK_FORWARD);
    tick(Hands{U});
    EXPECT_NE(fighters[0].posture, POSTURE_AIR);
    tick(Hands{D});
    EXPECT_EQ(fighters[0].posture, POSTURE_STAND);
    tick(Hands{N, true});
    EXPECT_EQ(fighters[0].action, ACTION_HARD_SWING);
    EXPECT_EQ(sfx_request_count, 0) << "the Hydra makes no swing sound";
}

// The jump height follows the arc by frame; it lands at frame 35.
TEST_F(ControlTest, JumpFollowsTheArcAndLands)
{
    EXPECT_EQ(jump_arc_table[0], 0.0f);
    EXPECT_NEAR(jump_arc_table[17], 14.985f, 0.001f);
    EXPECT_NEAR(jump_arc_table[18], 14.985f, 0.001f);
    EXPECT_NEAR(jump_arc_table[34], 1.350f, 0.001f);
    EXPECT_EQ(hop_arc_table[0], 0.0f);
    EXPECT_NEAR(hop_arc_table[15], 8.000f, 0.0005f);
    EXPECT_NEAR(hop_arc_table[29], 0.836f, 0.001f);

    // The jump starts in the control and takes its first frame in the same tick.
    for (int frame = 1; frame <= 34; frame++) {
        tick(Hands{frame == 1 ? U : N});
        EXPECT_EQ(fighters[0].posture, POSTURE_AIR);
        EXPECT_EQ(fighters[0].action, ACTION_JUMP);
        EXPECT_EQ(skeletons[0]->action, ACTION_JUMP);
        ASSERT_EQ(fighters[0].jump_frame, frame);
        EXPECT_EQ(fighters[0].pos_z, jump_arc_table[frame]) << frame;
    }
    tick(Hands());
    EXPECT_EQ(fighters[0].posture, POSTURE_STAND);
    EXPECT_EQ(fighters[0].pos_z, 0.0f);
    EXPECT_EQ(skeletons[0]->action, ACTION_LANDING);
    EXPECT_EQ(sfx_last_request.number, SFX_LAND);
}

TEST_F(ControlTest, JumpsDriftAndUpHeldSkipsTheLandingPose)
{
    tick(Hands{UR});
    EXPECT_EQ(fighters[0].action, ACTION_JUMP_RIGHT);
    tick(Hands{UR}, 9);
    EXPECT_NEAR(fighters[0].pos_x, -15.0f + 10 * 0.6f, 1e-4);
    tick(Hands{U}, 24);
    EXPECT_EQ(fighters[0].jump_frame, 34);
    tick(Hands{U});
    EXPECT_EQ(fighters[0].posture, POSTURE_STAND);
    EXPECT_EQ(skeletons[0]->action, ACTION_IDLE) << "up held at the landing";
    tick(Hands{U});
    EXPECT_EQ(fighters[0].posture, POSTURE_AIR) << "so the next jump starts at once";
}

TEST_F(ControlTest, CrouchAndGuardTowardAndAway)
{
    struct Case {
        bool threatened;
        u8 dir;
        i32 action;
        u8 guarding;
        u8 posture;
    } cases[] = {
        {false, D, ACTION_CROUCH, 0, POSTURE_CROUCH},
        {false, DL, ACTION_CROUCH, 0, POSTURE_CROUCH},
        {true, DL, ACTION_GUARD_CROUCH, FIGHTER_FLAG_ON, POSTURE_CROUCH},
        {true, DR, ACTION_CROUCH, 0, POSTURE_CROUCH},
        {true, L, ACTION_GUARD_STAND, FIGHTER_FLAG_ON, POSTURE_STAND},
        {true, R, ACTION_WALK_FORWARD, 0, POSTURE_STAND},
    };
    for (const Case &c : cases) {
        SetUp();
        skeletons[1]->attack_live = c.threatened ? FIGHTER_FLAG_ON : 0;
        tick(Hands{c.dir});
        EXPECT_EQ(fighters[0].action, c.action) << int(c.dir);
        EXPECT_EQ(skeletons[0]->action, c.action) << int(c.dir);
        EXPECT_EQ(fighters[0].guarding, c.guarding) << int(c.dir);
        EXPECT_EQ(fighters[0].posture, c.posture) << int(c.dir);
    }
    // The guard holds after the direction is released while the threat lasts.
    SetUp();
    skeletons[1]->attack_live = FIGHTER_FLAG_ON;
    tick(Hands{L});
    tick(Hands(), 3);
    EXPECT_EQ(fighters[0].guarding, FIGHTER_FLAG_ON);
    skeletons[1]->attack_live = 0;
    tick(Hands());
    EXPECT_EQ(fighters[0].guarding, 0);
    EXPECT_EQ(fighters[0].action, ACTION_IDLE);
}

// Each button by posture and direction; the fighter keeps its jump during an air attack.
TEST_F(ControlTest, AttacksByButtonPostureAndDirection)
{
    struct Case {
        const char *name;
        u8 setup_dir;   // held the tick before, to crouch or jump
        Hands hands;
        i32 fighter_action, skeleton_action;
        int sound;
    } cases[] = {
        {"hard", N, {N, true}, ACTION_HARD_SWING, ACTION_HARD_SWING, SFX_SWING_HARD},
        {"hard toward", N, {R, true}, ACTION_HARD_SWING_FORWARD, ACTION_HARD_SWING_FORWARD, SFX_SWING_HARD},
        {"hard crouching", D, {D, true}, ACTION_HARD_SWING_CROUCH, ACTION_HARD_SWING_CROUCH, SFX_SWING_HARD},
        {"hard airborne", U, {N, true}, ACTION_JUMP, ACTION_HARD_SWING_AIR, SFX_SWING_HARD},
        {"low", N, {N, false, true}, ACTION_LOW_SWING, ACTION_LOW_SWING, SFX_SWING_LOW},
        {"low crouching", D, {D, false, true}, ACTION_LOW_SWING_CROUCH, ACTION_LOW_SWING_CROUCH, SFX_SWING_LOW},
        {"low airborne", UR, {N, false, true}, ACTION_JUMP_RIGHT, ACTION_LOW_SWING_AIR, SFX_SWING_LOW},
        {"kick", N, {N, false, false, true}, ACTION_KICK, ACTION_KICK, SFX_SWING_KICK},
        {"kick toward", N, {R, false, false, true}, ACTION_KICK_FORWARD, ACTION_KICK_FORWARD, SFX_SWING_KICK},
        {"kick crouching", D, {D, false, false, true}, ACTION_KICK_CROUCH, ACTION_KICK_CROUCH, SFX_SWING_KICK},
        {"sweep", D, {DR, false, false, true}, ACTION_KICK_SWEEP, ACTION_KICK_SWEEP, SFX_SWING_KICK},
        {"kick airborne", U, {N, false, false, true}, ACTION_JUMP, ACTION_KICK_AIR, SFX_SWING_KICK},
        {"hard before low", N, {N, true, true, true}, ACTION_HARD_SWING, ACTION_HARD_SWING, SFX_SWING_HARD},
    };
    for (const Case &c : cases) {
        SetUp();
        fighters[0].character = CHARACTER_ODYSSEUS;   // no follow-ups, no sweep lunge
        if (c.setup_dir != N)
            tick(Hands{c.setup_dir});
        tick(c.hands);
        EXPECT_EQ(fighters[0].action, c.fighter_action) << c.name;
        EXPECT_EQ(skeletons[0]->action, c.skeleton_action) << c.name;
        EXPECT_EQ(skeletons[0]->attack_live, FIGHTER_FLAG_ON) << c.name;
        EXPECT_EQ(sfx_last_request.number, c.sound) << c.name;
        // Held on, the button does not strike again until it was released.
        if (c.hands.hard_swing + c.hands.low_swing + c.hands.kick > 1)
            continue;
        attack_ends(0);
        const int sounds = sfx_request_count;
        tick(c.hands);
        EXPECT_EQ(sfx_request_count, sounds) << c.name;
    }
}

// Standing LOW SWING: the follow-up table by follow-ups, pressing away and the chain.
TEST_F(ControlTest, LowSwingFollowUps)
{
    struct Case {
        int has_followups;
        bool away;
        int chain;
        i32 skeleton_action, fighter_action;
    } cases[] = {
        {0, false, 0, 8, 8},   {0, false, 1, 8, 8},   {0, false, 2, 8, 8},
        {0, true, 0, 88, 88},  {0, true, 1, 88, 88},  {0, true, 2, 88, 88},
        {1, false, 0, 8, 8},   {1, false, 1, 8, 8},   {1, false, 2, 89, 8},
        {1, true, 0, 88, 8},   {1, true, 1, 8, 8},    {1, true, 2, 89, 8},
    };
    for (const Case &c : cases) {
        SetUp();
        fighters[0].has_followups = c.has_followups;
        followup_chain[0] = c.chain;
        tick(Hands{c.away ? L : N, false, true});
        EXPECT_EQ(skeletons[0]->action, c.skeleton_action) << c.has_followups << c.away << c.chain;
        EXPECT_EQ(fighters[0].action, c.fighter_action) << c.has_followups << c.away << c.chain;
    }
}

// Every character's moves by command, facing +x.
TEST_F(ControlTest, SpecialMovePerCharacter)
{
    const std::initializer_list<u8> motions[] = {{D, R}, {D, L}, {L, D}, {R, D, R}, {R, L, R}};
    const i32 expected[CHARACTER_COUNT][5] = {
        // down-toward, down-away, away-down, toward-down-toward, toward-away-toward
        {1002, 1001, 0, 0, 0},     // Jason
        {1014, 1005, 0, 0, 0},     // Odysseus
        {1003, 0, 1016, 0, 0},     // Atalanta
        {1006, 0, 0, 1007, 0},     // Perseus
        {1015, 1009, 0, 0, 0},     // Hippolyte
        {0, 0, 0, 1018, 1010},     // Polyphemus
        {1023, 1024, 0, 0, 0},     // Minotaur
        {1019, 1020, 0, 0, 0},     // Medusa
        {0, 1017, 0, 1012, 0},     // Sphinx
        {1004, 0, 0, 0, 0},        // Hydra
        {1022, 1008, 0, 0, 0},     // Ares
        {1021, 0, 0, 1013, 0},     // Atropos
    };
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        int m = 0;
        for (const auto &directions : motions) {
            fight_start(c, CHARACTER_JASON);
            motion(directions);
            tick(Hands{N, true});
            const i32 move = expected[c][m++];
            if (move) {
                EXPECT_EQ(fighters[0].action, move) << "character " << c << " motion " << m;
                EXPECT_EQ(skeletons[0]->action, move);
                EXPECT_EQ(skeletons[0]->attack_live, FIGHTER_FLAG_ON);
            } else {
                EXPECT_EQ(skeletons[0]->attack_live, 0) << "character " << c << " motion " << m;
            }
            EXPECT_EQ(fighters[0].dir_count, 0) << "the history is used up";
            EXPECT_EQ(fighters[0].command_state[COMMAND_DOWN_TOWARD], 0);
        }
    }
}

TEST_F(ControlTest, SpecialStartsItsKindAndIsRefusedWhileItsProjectileFlies)
{
    motion({D, R});
    tick(Hands{N, true});
    EXPECT_EQ(fighters[0].action, ACTION_JASON_SPECIAL2);
    EXPECT_EQ(fighters[0].action_timer, 99) << "100, less the tick's lunge";
    EXPECT_EQ(fighters[0].aura, AURA_EMITTING);
    EXPECT_EQ(sfx_last_request.number, SFX_SPECIAL);

    fight_start(CHARACTER_ODYSSEUS, CHARACTER_JASON);
    motion({D, R});
    tick(Hands{N, true});
    EXPECT_EQ(fighters[0].action, ACTION_ODYSSEUS_SPECIAL2);
    ASSERT_EQ(projectile_in_flight[0], 1);
    EXPECT_EQ(projectiles[0].move_id, ACTION_ODYSSEUS_SPECIAL2);
    EXPECT_EQ(projectiles[0].pos[2], 11.0f);
    EXPECT_EQ(projectiles[0].speed, 0.5f);
    EXPECT_EQ(projectiles[0].direction, 1);

    attack_ends(0);
    tick(Hands(), 2);
    motion({D, R});
    tick(Hands{N, true});
    EXPECT_EQ(skeletons[0]->attack_live, 0) << "refused while the first flies";
    tick(Hands{N, true});
    EXPECT_EQ(fighters[0].action, ACTION_HARD_SWING) << "the held button strikes plainly next";
}

TEST_F(ControlTest, CooldownAndSlowCommandsGiveThePlainAttack)
{
    fighters[0].special_cooldown = 10;
    motion({D, R});
    tick(Hands{N, true});
    EXPECT_EQ(fighters[0].action, ACTION_HARD_SWING);

    SetUp();
    motion({D, R});
    tick(Hands(), 31);   // the command window closes
    tick(Hands{N, true});
    EXPECT_EQ(fighters[0].action, ACTION_HARD_SWING);
}

TEST_F(ControlTest, SuperMoveNeedsAFullGauge)
{
    struct Case {
        int character;
        f32 power_after;
    } cases[] = {{CHARACTER_JASON, 0.0f}, {CHARACTER_SPHINX, 1.0f}, {CHARACTER_ARES, 1.0f}};
    for (const Case &c : cases) {
        fight_start(c.character, CHARACTER_JASON);
        fighters[0].power = 1.0f;
        motion({D, R, D, R});
        tick(Hands{N, true});
        EXPECT_EQ(summon_phase, SUMMON_FADE_OUT) << c.character;
        EXPECT_EQ(summoner, 0);
        EXPECT_EQ(fighters[0].action, ACTION_IDLE);
        EXPECT_EQ(fighters[0].power, c.power_after) << c.character;
        EXPECT_EQ(sfx_last_request.number, SFX_SUPER);
        EXPECT_EQ(sfx_last_request.pan, 127);
    }
}

// Side two's super stops the fight for the summon; side one's control runs once more first.
TEST_F(ControlTest, SideTwoSuperGivesSideOneASecondControl)
{
    fighters[1].power = 1.0f;
    const u8 sequence[] = {D, L, D, L};
    for (u8 dir : sequence)
        for (int t = 0; t < 3; t++) {
            hold(0, Hands());
            hold(1, Hands{dir});
            update_fighters();
        }
    hold(0, Hands{D});
    hold(1, Hands{N, true});
    fighters[0].command_window = 5;
    update_fighters();
    EXPECT_EQ(summon_phase, SUMMON_FADE_OUT);
    EXPECT_EQ(fighters[0].command_window, 3) << "counted down twice in the tick";
}

TEST_F(ControlTest, KnockedOutFighterIgnoresEverything)
{
    fight_start(CHARACTER_MEDUSA, CHARACTER_JASON);
    fighters[0].action = ACTION_KO;
    tick(Hands{R, true, true, true}, 5);
    EXPECT_EQ(fighters[0].action, ACTION_KO);
    EXPECT_EQ(fighters[0].hold_timer, 0);
    EXPECT_EQ(fighters[0].dir_count, 0);
    EXPECT_EQ(fighters[0].pos_x, -15.0f);
}

TEST_F(ControlTest, HoldMovesCountPresses)
{
    fight_start(CHARACTER_MEDUSA, CHARACTER_JASON);
    for (int press = 0; press < 3; press++) {
        tick(Hands{N, false, true});
        attack_ends(0);
        tick(Hands());
    }
    EXPECT_EQ(fighters[0].hold_timer, 120);
    EXPECT_EQ(fighters[0].press_count, 2);
}

}  // namespace
