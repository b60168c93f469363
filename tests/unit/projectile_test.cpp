// Projectiles: their flight, their ends, the lock after a hit, the clash of two, and what a
// projectile hit does to the fighter it reaches.
#include "characters/characters.h"
#include "support/hit_fixture.h"

#include <vector>

class ProjectileTest : public HitFixture {
protected:
    void SetUp() override
    {
        HitFixture::SetUp();
        for (int p = 0; p < 2; p++) {
            projectile_lock_ticks[p] = 0;
            projectile_tick_toggle[p] = 0;
            clash_flash_on[p] = 0;
            clash_flash[p] = 0.0f;
            for (Particle &particle : burst_particles[p])
                particle = Particle{};
        }
    }

    // Side p's throw as a special move fills it, at (x, z), travelling toward direction.
    Projectile *launch(int p, i32 move, u8 kind, u8 direction, f32 x, f32 z = 10.0f, f32 speed = 1.0f,
                       f32 decay = 0.01f, f32 half = 2.0f)
    {
        Projectile *proj = &projectiles[p];
        *proj = Projectile{};
        proj->move_id = move;
        proj->kind = kind;
        proj->direction = direction;
        proj->pos[0] = x;
        proj->pos[2] = z;
        proj->size[0] = proj->size[1] = proj->size[2] = half;
        proj->speed = speed;
        proj->decay = decay;
        proj->life = 1.0f;
        projectile_launched(p);
        return proj;
    }

    // Ticks of the projectile step until side p's flight ends; -1 when it flies on past limit.
    int ticks_to_end(int p, int limit = 1000)
    {
        for (int t = 1; t <= limit; t++) {
            update_projectiles();
            if (!projectile_in_flight[p])
                return t;
        }
        return -1;
    }

    // Side p's body point j at (x, z), every other body point far away.
    void body_at(int p, int j, f32 x, f32 z, f32 radius = 1.0f) { zone(p, j, x, z, radius); }
};

TEST_F(ProjectileTest, EachKindFliesUntilItsEdgeItsCeilingOrItsLife)
{
    struct Case {
        const char *name;
        u8 kind, direction;
        i32 stage;
        f32 x, speed, decay;
        int ticks;         // the tick in which the flight ends
        f32 end_x, end_z;  // where it stands then (it moves in its last tick too)
    };
    const Case cases[] = {
        {"straight +x to 50", PROJECTILE_STRAIGHT, 1, STAGE_ATHENS, 0, 1, 0.001f, 51, 51, 10},
        {"straight -x to -50", PROJECTILE_STRAIGHT, 0, STAGE_ATHENS, 0, 1, 0.001f, 51, -51, 10},
        {"+x ignores the -x edge", PROJECTILE_STRAIGHT, 1, STAGE_ATHENS, -70, 1, 0.001f, 121, 51, 10},
        {"-x ignores the +x edge", PROJECTILE_STRAIGHT, 0, STAGE_ATHENS, 70, 1, 0.001f, 121, -51, 10},
        {"thrown past its own edge", PROJECTILE_STRAIGHT, 1, STAGE_ATHENS, 60, 1, 0.001f, 1, 61, 10},
        {"Hades is twice as wide", PROJECTILE_STRAIGHT, 1, STAGE_HADES, 0, 1, 0.001f, 101, 101, 10},
        {"life 0.025 lasts 41 ticks", PROJECTILE_STRAIGHT, 1, STAGE_ATHENS, 0, 0.1f, 0.025f, 41, 4.1f, 10},
        {"life 0.01 lasts 101 ticks", PROJECTILE_STRAIGHT, 1, STAGE_ATHENS, 0, 0.1f, 0.01f, 101, 10.1f, 10},
        {"rising leaves by the side", PROJECTILE_RISING, 1, STAGE_ATHENS, 0, 1, 0.001f, 41, 51.25f, 51},
        {"rising -x", PROJECTILE_RISING, 0, STAGE_ATHENS, 0, 1, 0.001f, 41, -51.25f, 51},
        {"rising in Hades leaves above 70", PROJECTILE_RISING, 1, STAGE_HADES, 0, 1, 0.001f, 61, 76.25f, 71},
        {"still ends by life only", PROJECTILE_STILL, 1, STAGE_ATHENS, 80, 1, 0.025f, 41, 80, 10},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        stage_id = c.stage;
        launch(0, ACTION_ODYSSEUS_SPECIAL2, c.kind, c.direction, c.x, 10.0f, c.speed, c.decay);
        EXPECT_EQ(ticks_to_end(0), c.ticks);
        EXPECT_NEAR(projectiles[0].pos[0], c.end_x, 1e-3f);
        EXPECT_NEAR(projectiles[0].pos[2], c.end_z, 1e-3f);
        EXPECT_EQ(projectile_in_flight[1], 0);
    }
}

// One frame step every second tick, cycling 0..2; both sides on their own toggles.
TEST_F(ProjectileTest, FramesStepEverySecondTick)
{
    launch(0, ACTION_ODYSSEUS_SPECIAL2, PROJECTILE_STILL, 1, 0);
    projectile_tick_toggle[1] = 1;
    launch(1, ACTION_SPHINX_SPECIAL2, PROJECTILE_STILL, 0, 0);
    std::vector<int> frames[2];
    for (int t = 0; t < 7; t++) {
        update_projectiles();
        frames[0].push_back(projectiles[0].frame);
        frames[1].push_back(projectiles[1].frame);
    }
    EXPECT_EQ(frames[0], (std::vector<int>{1, 1, 2, 2, 0, 0, 1}));
    EXPECT_EQ(frames[1], (std::vector<int>{0, 1, 1, 2, 2, 0, 0}));
}

// A struck fighter is free of a fly-on projectile for 16 ticks; a flight that ended by its
// life in the middle of that count leaves no stale count for the next throw.
TEST_F(ProjectileTest, TheLockLastsSixteenTicksAlsoAfterAFlightEndedMidCount)
{
    hit_start(CHARACTER_POLYPHEMUS, CHARACTER_JASON);
    body_at(1, 3, 0.0f, 10.0f);
    auto lock_ticks = [this] {
        EXPECT_EQ(projectiles[0].lock, 1);
        for (int t = 1; t <= 40; t++) {
            update_projectiles();
            if (!projectiles[0].lock)
                return t;
        }
        return -1;
    };
    launch(0, ACTION_POLYPHEMUS_SPECIAL2, PROJECTILE_STILL, 1, 0.0f);
    resolve_melee_hits();
    EXPECT_TRUE(struck(1));
    EXPECT_EQ(projectile_in_flight[0], 1);   // it flies on
    EXPECT_EQ(lock_ticks(), 16);

    // Struck again, then its life runs out five ticks into the lock.
    fighters[1].attack_state = ATTACK_STATE_NORMAL;
    resolve_melee_hits();
    projectiles[0].life = 4.5f * projectiles[0].decay;
    EXPECT_EQ(ticks_to_end(0), 5);
    EXPECT_EQ(projectiles[0].lock, 1);

    launch(0, ACTION_POLYPHEMUS_SPECIAL2, PROJECTILE_STILL, 1, 0.0f);
    resolve_melee_hits();
    EXPECT_EQ(lock_ticks(), 16);
}

TEST_F(ProjectileTest, ClashEndsBothWithAFlashUnlessOneIsAPassThroughMove)
{
    struct Case {
        const char *name;
        i32 move_one, move_two;
        f32 x_two;
        bool clash;
    };
    const Case cases[] = {
        {"Odysseus meets the Sphinx", ACTION_ODYSSEUS_SPECIAL2, ACTION_SPHINX_SPECIAL2, 2.5f, true},
        {"too far apart", ACTION_ODYSSEUS_SPECIAL2, ACTION_SPHINX_SPECIAL2, 3.5f, false},
        {"Ares's first passes", ACTION_ARES_SPECIAL1, ACTION_SPHINX_SPECIAL2, 2.5f, false},
        {"Polyphemus's passes", ACTION_ODYSSEUS_SPECIAL2, ACTION_POLYPHEMUS_SPECIAL2, 2.5f, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        clash_flash_on[0] = 0;
        launch(0, c.move_one, PROJECTILE_STRAIGHT, 1, 0.0f, 10.0f);   // box half 1.5
        launch(1, c.move_two, PROJECTILE_STRAIGHT, 0, c.x_two, 12.0f);
        resolve_melee_hits();
        EXPECT_EQ(projectile_in_flight[0] == 0 && projectile_in_flight[1] == 0, c.clash);
        EXPECT_EQ(clash_flash_on[0], c.clash ? 1 : 0);
        EXPECT_EQ(fighters[0].hit_stun + fighters[1].hit_stun, 0);
        if (!c.clash)
            continue;
        EXPECT_FLOAT_EQ(clash_flash_pos[0][0], 1.25f);
        EXPECT_FLOAT_EQ(clash_flash_pos[0][2], 10.0f);
        EXPECT_FLOAT_EQ(clash_flash[0], 0.0f);
        EXPECT_FLOAT_EQ(burst_particles[0][0].tint[2], 1.0f);   // (0.5, 0.5, 1)
        EXPECT_FLOAT_EQ(burst_particles[0][0].tint[0], 0.5f);
        EXPECT_FLOAT_EQ(burst_particles[1][0].tint[1], 0.5f);   // (1, 0.5, 0)
        EXPECT_FLOAT_EQ(burst_particles[1][0].tint[2], 0.0f);
    }
}

// Neither projectile clashes nor strikes while one has struck or either fighter is reeling.
TEST_F(ProjectileTest, TwoInFlightTestNothingWhileEitherIsLockedOrAFighterReels)
{
    for (int blocker = 0; blocker < 2; blocker++) {
        SCOPED_TRACE(blocker);
        hit_start(CHARACTER_ODYSSEUS, CHARACTER_SPHINX);
        body_at(1, 0, 0.0f, 10.0f);
        launch(0, ACTION_ODYSSEUS_SPECIAL2, PROJECTILE_STRAIGHT, 1, 0.0f);
        launch(1, ACTION_SPHINX_SPECIAL2, PROJECTILE_STRAIGHT, 0, 1.0f);
        if (blocker == 0)
            projectiles[1].lock = 1;
        else
            fighters[0].attack_state = ATTACK_STATE_RECOVERING;
        resolve_melee_hits();
        EXPECT_EQ(projectile_in_flight[0] + projectile_in_flight[1], 2);
        EXPECT_FALSE(struck(1));
    }
}

TEST_F(ProjectileTest, EachThrowersHitEndsOrFliesOnAndDamagesWithoutDefence)
{
    struct Case {
        int thrower;
        i32 move;
        bool ends;
        f32 life_lost;
        bool petrifies;
    };
    const Case cases[] = {
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL2, true, 0.2f, false},
        {CHARACTER_HIPPOLYTE, ACTION_HIPPOLYTE_SPECIAL2, true, 0.2f, false},
        {CHARACTER_SPHINX, ACTION_SPHINX_SPECIAL2, true, 0.2f, false},
        {CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL2, false, 0.2f, false},
        {CHARACTER_ARES, ACTION_ARES_SPECIAL1, false, 0.2f, false},
        {CHARACTER_ARES, ACTION_ARES_SPECIAL2, false, 0.3f, false},
        {CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL1, true, 0.0f, true},
        {CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL2, true, 0.0f, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.move);
        hit_start(CHARACTER_JASON, c.thrower);
        fighters[1].damage[15] = 0.3f;
        fighters[1].damage[16] = 0.2f;
        fighters[0].damage[0] = 0.5f;   // defence plays no part
        fighters[0].stun_build = 3;
        body_at(0, 2, 0.0f, 12.0f);
        launch(1, c.move, PROJECTILE_STRAIGHT, 0, 0.5f, 12.5f);
        resolve_melee_hits();
        EXPECT_TRUE(struck(0));
        EXPECT_EQ(projectile_in_flight[1], c.ends ? 0 : 1);
        EXPECT_EQ(projectiles[1].lock, 1);
        EXPECT_NEAR(fighters[0].life, 1.0f - c.life_lost, 1e-6f);
        EXPECT_NEAR(fighters[0].head_life[3], 1.0f - 2.0f * c.life_lost, 1e-6f);
        EXPECT_EQ(fighters[0].hit_recoil, HIT_RECOIL_FAR);
        EXPECT_EQ(fighters[0].stun_build, 4);
        EXPECT_FLOAT_EQ(fighters[1].power, 0.1f);
        EXPECT_FLOAT_EQ(fighters[0].power, 0.15f);
        EXPECT_EQ(sfx_last_request.number, SFX_VOICE_HURT_MALE);   // Jason cries out last
        EXPECT_EQ(fighters[0].action, c.petrifies ? ACTION_PETRIFIED : ACTION_IDLE);
        EXPECT_EQ(skeletons[0]->action, c.petrifies ? ACTION_PETRIFIED : ACTION_HIT_STAND);
        EXPECT_EQ(fighters[0].effect_timer, c.petrifies ? 150 : 0);
        EXPECT_EQ(stage_light->hit_light_on, 1);
        EXPECT_FLOAT_EQ(stage_light->light1_position[2], 12.0f);   // at the struck point
    }
}

// Any guard holds, standing or crouching: no damage, no petrification, the block pose and
// the far recoil.
TEST_F(ProjectileTest, AGuardBlocksAnyProjectile)
{
    const struct {
        u8 posture;
        i32 block;
        i32 move;
        int thrower;
    } cases[] = {
        {POSTURE_STAND, ACTION_BLOCK_STAND, ACTION_ODYSSEUS_SPECIAL2, CHARACTER_ODYSSEUS},
        {POSTURE_CROUCH, ACTION_BLOCK_CROUCH, ACTION_ARES_SPECIAL2, CHARACTER_ARES},
        {POSTURE_STAND, ACTION_BLOCK_STAND, ACTION_MEDUSA_SPECIAL1, CHARACTER_MEDUSA},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.move);
        hit_start(CHARACTER_JASON, c.thrower);
        fighters[1].damage[15] = fighters[1].damage[16] = 0.2f;
        fighters[0].guarding = FIGHTER_FLAG_ON;
        fighters[0].posture = c.posture;
        body_at(0, 0, 0.0f, 12.0f);
        launch(1, c.move, PROJECTILE_STRAIGHT, 0, 0.5f, 12.5f);
        resolve_melee_hits();
        EXPECT_TRUE(struck(0));
        EXPECT_FLOAT_EQ(fighters[0].life, 1.0f);
        EXPECT_EQ(fighters[0].stun_build, 0);
        EXPECT_FLOAT_EQ(fighters[0].power + fighters[1].power, 0.0f);
        EXPECT_EQ(fighters[0].hit_recoil, HIT_RECOIL_FAR);
        EXPECT_EQ(skeletons[0]->action, c.block);
        EXPECT_NE(fighters[0].action, ACTION_PETRIFIED);
        EXPECT_EQ(sfx_last_request.number, SFX_GUARD);
    }
}

// Body points are always 0 to 6: also a Hydra with two heads left is struck on point 5, and
// loses head life, not life.
TEST_F(ProjectileTest, ALoneProjectileStrikesBodyPointsZeroToSixAndSparesTheReeling)
{
    hit_start(CHARACTER_HYDRA, CHARACTER_ODYSSEUS);
    fighters[1].damage[16] = 0.1f;
    fighters[0].heads_left = 2;
    body_at(0, 5, 0.0f, 12.0f);
    launch(1, ACTION_ODYSSEUS_SPECIAL2, PROJECTILE_STRAIGHT, 0, 0.5f, 12.5f);
    fighters[0].attack_state = ATTACK_STATE_STUNNED;
    resolve_melee_hits();
    EXPECT_FALSE(struck(0));
    EXPECT_EQ(projectile_in_flight[1], 1);

    fighters[0].attack_state = ATTACK_STATE_NORMAL;
    resolve_melee_hits();
    EXPECT_TRUE(struck(0));
    EXPECT_FLOAT_EQ(fighters[0].life, 1.0f);
    EXPECT_NEAR(fighters[0].head_life[1], 0.8f, 1e-6f);

    // Point 7 is a weapon point: it is never struck.
    hit_start(CHARACTER_JASON, CHARACTER_ODYSSEUS);
    body_at(0, 7, 0.0f, 12.0f);
    launch(1, ACTION_ODYSSEUS_SPECIAL2, PROJECTILE_STRAIGHT, 0, 0.5f, 12.5f);
    resolve_melee_hits();
    EXPECT_FALSE(struck(0));
}

// While a projectile flies, a melee attack that reaches does not connect; once it has gone
// the same attack does.
TEST_F(ProjectileTest, MeleeDoesNotConnectWhileAProjectileFlies)
{
    attack(0, ACTION_HARD_SWING);
    reach(0, HIT_WEAPON_ZONE, 3);
    launch(1, ACTION_ODYSSEUS_SPECIAL2, PROJECTILE_STRAIGHT, 0, 500.0f);
    resolve_melee_hits();
    EXPECT_FALSE(struck(1));
    projectile_in_flight[1] = 0;
    resolve_melee_hits();
    EXPECT_TRUE(struck(1));
}

// A stun declared in a projectile tick does not shake the camera.
TEST_F(ProjectileTest, AStunInAProjectileTickDoesNotShakeTheCamera)
{
    fighters[1].stun_build = 11;
    launch(0, ACTION_ODYSSEUS_SPECIAL2, PROJECTILE_STRAIGHT, 1, 500.0f);
    resolve_melee_hits();
    EXPECT_EQ(fighters[1].action, ACTION_STUNNED);
    EXPECT_EQ(camera_shake, 0);
}
