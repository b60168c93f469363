// The effect pools: what each start fills, how records live and die, the caps, the stain
// ring, the projectile trail's growth, the arena flames' places and the aura's emitters.
#include "combat/combat.h"
#include "combat/combat_local.h"
#include "support/hit_fixture.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int POOL_MAX = 500;

// A pool of recognisable garbage: every byte 0x5a.
std::vector<Particle> marked_pool()
{
    std::vector<Particle> pool(POOL_MAX);
    memset(pool.data(), 0x5a, sizeof(Particle) * POOL_MAX);
    return pool;
}

int alive(const Particle *pool, int count)
{
    int n = 0;
    for (int i = 0; i < count; i++)
        n += pool[i].life > 0.0f;
    return n;
}

void kill(Particle *pool, int count)
{
    for (int i = 0; i < count; i++)
        pool[i] = Particle{};
}

}  // namespace

class EffectsTest : public HitFixture {
protected:
    void SetUp() override
    {
        HitFixture::SetUp();
        kill(spark_particles, SPARK_PARTICLES);
        kill(blood_stain_particles, BLOOD_STAIN_PARTICLES);
        kill(rain_splash_particles, RAIN_PARTICLES);
        for (int s = 0; s < 2; s++) {
            kill(burst_particles[s], BURST_PARTICLES);
            kill(blood_particles[s], BLOOD_PARTICLES);
            kill(projectile_trail_particles[s], PROJECTILE_TRAIL_PARTICLES);
            fx_projectile_trail_reset(s);
            projectiles[s] = Projectile{};
            aura_warmup[s] = 0;
        }
        kill(aura_particles, AURA_PARTICLES);
        kill(aura_particles_side2, AURA_PARTICLES);
        blood_stain_next = 0;
    }
};

// Modes other than FX_INIT and FX_STEP leave every pool and counter as it was.
TEST_F(EffectsTest, OtherModesDoNothing)
{
    const std::vector<std::function<void(Particle *, int)>> effects = {
        [](Particle *p, int m) { fx_projectile_trail(p, m, 0); },
        [](Particle *p, int m) { fx_fighter_aura(p, m, 0); },
        [](Particle *p, int m) { fx_small_burst(p, m, 1, 2, 3); },
        [](Particle *p, int m) { fx_large_burst(p, m, 1, 2, 3); },
        [](Particle *p, int m) { fx_blood_burst(p, m, 1, 2, 3); },
        fx_blood_stains, fx_rain, fx_rain_splashes, fx_labyrinth_flames, fx_theatre_flames, fx_temple_flames,
        fx_flame_row,
    };
    projectile_in_flight[0] = 1;
    projectiles[0].kind = PROJECTILE_STRAIGHT;
    aura_warmup[0] = 7;
    fighters[0].aura = AURA_EMITTING;
    for (int mode : {0, 3, -1}) {
        for (size_t e = 0; e < effects.size(); e++) {
            std::vector<Particle> pool = marked_pool();
            const std::vector<Particle> before = pool;
            effects[e](pool.data(), mode);
            EXPECT_EQ(memcmp(pool.data(), before.data(), sizeof(Particle) * POOL_MAX), 0)
                << "effect " << e << " mode " << mode;
        }
        EXPECT_EQ(projectile_trail_count[0], 0);
        EXPECT_EQ(aura_warmup[0], 7);
    }
}

// Each burst fills exactly its used records at the centre, keeps the tint its caller wrote,
// falls no faster than 1 along z, and dies out for good.
TEST_F(EffectsTest, BurstsFillTheirRecordsAndDieOut)
{
    struct Case {
        void (*start)(Particle *, int, f32, f32, f32);
        Particle *pool;
        int size;
        int used;
        int lifetime;   // steps after which every record is dead
    };
    const Case cases[] = {
        {fx_small_burst, spark_particles, SPARK_PARTICLES, 25, 50},
        {fx_large_burst, burst_particles[1], BURST_PARTICLES, 50, 50},
        {fx_blood_burst, blood_particles[0], BLOOD_PARTICLES, 25, 100},
    };
    for (const Case &c : cases) {
        c.pool[0].tint[0] = 0.25f;
        c.start(c.pool, FX_INIT, 4.0f, 0.0f, 30.0f);
        // The record after the burst's last stays unborn, where the pool has one.
        EXPECT_EQ(alive(c.pool, std::min(c.used + 1, c.size)), c.used);
        EXPECT_EQ(c.pool[0].tint[0], 0.25f);
        for (int i = 0; i < c.used; i++) {
            EXPECT_EQ(c.pool[i].x, 4.0f);
            EXPECT_EQ(c.pool[i].z, 30.0f);
            EXPECT_GE(c.pool[i].life, 50.0f);
            EXPECT_LT(c.pool[i].life, 100.0f);
        }
        for (int step = 0; step < c.lifetime; step++) {
            c.start(c.pool, FX_STEP, 0, 0, 0);
            for (int i = 0; i < c.used; i++)
                ASSERT_GE(c.pool[i].dir_z, -1.0f);
        }
        EXPECT_EQ(alive(c.pool, c.used), 0);
        const f32 z = c.pool[0].z;
        c.start(c.pool, FX_STEP, 0, 0, 0);
        EXPECT_EQ(c.pool[0].z, z) << "a dead record waits for the next start";
    }
}

TEST_F(EffectsTest, HitStartsAimAtTheStruckSidesPool)
{
    hit_sparks_start(3.0f, 12.0f);
    EXPECT_EQ(alive(spark_particles, SPARK_PARTICLES), 25);
    EXPECT_EQ(spark_particles[0].y, 0.0f);
    EXPECT_EQ(spark_particles[0].z, 12.0f);
    hit_blood_start(1, 3.0f, 12.0f);
    EXPECT_EQ(alive(blood_particles[0], BLOOD_PARTICLES), 0);
    EXPECT_EQ(alive(blood_particles[1], BLOOD_PARTICLES), 25);
    hit_blood_start(2, 3.0f, 12.0f);   // no such side: nothing
    hit_blood_start(-1, 3.0f, 12.0f);
}

// A drop crossing the floor band stains on every tick inside it; the 501st stain overwrites
// the oldest.
TEST_F(EffectsTest, StainsFormARingOf500)
{
    Particle *drop = &blood_particles[0][0];
    *drop = Particle{};
    drop->life = 1000.0f;
    drop->dir_z = -1.0f;   // held at the floor: speed 0
    for (int i = 0; i < 501; i++) {
        drop->x = static_cast<f32>(i);
        fx_blood_burst(blood_particles[0], FX_STEP, 0, 0, 0);
    }
    EXPECT_EQ(blood_stain_next, 1);
    EXPECT_EQ(blood_stain_particles[0].x, 500.0f);
    EXPECT_EQ(blood_stain_particles[1].x, 1.0f);
    EXPECT_EQ(blood_stain_particles[499].x, 499.0f);
    EXPECT_EQ(alive(blood_stain_particles, BLOOD_STAIN_PARTICLES), 500);

    drop->z = 1.5f;   // above the band: no stain
    fx_blood_burst(blood_particles[0], FX_STEP, 0, 0, 0);
    EXPECT_EQ(blood_stain_next, 1);
}

// Splashes last four steps, stains about a hundred; a dead mark is parked at height 100.
TEST_F(EffectsTest, FloorMarksFadeAndPark)
{
    struct Case {
        void (*step)(Particle *, int);
        Particle *pool;
        int alive_after, dead_after;
    };
    const Case cases[] = {
        {fx_rain_splashes, rain_splash_particles, 3, 4},
        {fx_blood_stains, blood_stain_particles, 99, 101},
    };
    for (const Case &c : cases) {
        c.step(c.pool, FX_INIT);
        EXPECT_EQ(c.pool[7].z, 100.0f);
        c.pool[7].life = 1.0f;
        c.pool[7].x = 5.0f;
        for (int i = 0; i < c.alive_after; i++)
            c.step(c.pool, FX_STEP);
        EXPECT_GT(c.pool[7].life, 0.0f);
        for (int i = c.alive_after; i < c.dead_after; i++)
            c.step(c.pool, FX_STEP);
        EXPECT_EQ(c.pool[7].life, 0.0f);
        EXPECT_EQ(c.pool[7].x, 0.0f);
        EXPECT_EQ(c.pool[7].z, 100.0f);
    }
}

TEST_F(EffectsTest, RainFallsAndSplashesAtTheFloor)
{
    fx_rain(rain_particles, FX_INIT);
    fx_rain_splashes(rain_splash_particles, FX_INIT);
    for (int i = 0; i < RAIN_PARTICLES; i++) {
        const Particle &p = rain_particles[i];
        ASSERT_GE(p.life, 0.0f);
        ASSERT_LE(p.life, 4.0f);
        ASSERT_EQ(p.z, 100.0f);
        ASSERT_EQ(p.dir_x, p.life == 0.0f ? 0.05f : 0.1f);
        ASSERT_GE(p.x, -80.0f);
        ASSERT_LT(p.x, 60.0f);
        ASSERT_GE(p.y, -80.0f);
        ASSERT_LT(p.y, 80.0f);
    }
    rain_particles[3].z = 0.0f;   // exactly on the floor
    rain_particles[3].x = 11.0f;
    rain_particles[3].y = -7.0f;
    rain_particles[4].z = 0.001f;
    fx_rain(rain_particles, FX_STEP);
    EXPECT_EQ(rain_splash_particles[3].life, 1.0f);
    EXPECT_EQ(rain_splash_particles[3].x, 11.0f);
    EXPECT_EQ(rain_splash_particles[3].y, -7.0f);
    EXPECT_EQ(rain_particles[3].z, 100.0f);
    EXPECT_EQ(rain_splash_particles[4].life, 0.0f);
    EXPECT_LT(rain_particles[4].z, 0.0f);
    EXPECT_EQ(alive(rain_splash_particles, RAIN_PARTICLES), 1);
}

// While a throw flies one more record comes into play every third step, up to 20; each is
// born the step after, at the projectile, and lives 50 steps.
TEST_F(EffectsTest, ProjectileTrailGrowsEveryThirdStep)
{
    Particle *pool = projectile_trail_particles[1];
    projectile_in_flight[1] = 1;
    projectiles[1].kind = PROJECTILE_RISING;
    projectiles[1].direction = 1;
    projectiles[1].texture_set = 3;
    projectiles[1].pos[0] = 7.0f;
    projectiles[1].pos[2] = 12.0f;
    projectiles[1].size[0] = 10.0f;
    const struct {
        int step, count, alive;
    } expect[] = {{1, 1, 0}, {2, 1, 1}, {4, 2, 1}, {5, 2, 2}, {7, 3, 2}, {57, 19, 19}, {58, 20, 18}, {80, 20, 20}};
    int step = 0;
    for (const auto &e : expect) {
        while (step < e.step) {
            fx_projectile_trail(pool, FX_STEP, 1);
            step++;
        }
        EXPECT_EQ(projectile_trail_count[1], e.count) << "after step " << step;
        EXPECT_EQ(alive(pool, PROJECTILE_TRAIL_PARTICLES), e.alive) << "after step " << step;
    }
    EXPECT_EQ(pool[0].kind, PROJECTILE_RISING);
    EXPECT_EQ(pool[0].dir_x, 1.0f);
    EXPECT_EQ(pool[0].dir_y, 3.0f);
    EXPECT_EQ(pool[0].x, 7.0f);
    EXPECT_LT(pool[0].z, 12.0f);

    // Landed: the records fade out within 50 steps and stay dead.
    projectile_in_flight[1] = 0;
    for (int i = 0; i < 50; i++)
        fx_projectile_trail(pool, FX_STEP, 1);
    EXPECT_EQ(alive(pool, PROJECTILE_TRAIL_PARTICLES), 0);
    EXPECT_EQ(projectile_trail_count[1], 20);
    fx_projectile_trail_reset(1);
    EXPECT_EQ(projectile_trail_count[1], 0);
    EXPECT_EQ(projectile_trail_timer[1], 0);
}

// A throw soon after a throw: the old trail's puffs die with the reset, so none hangs where it
// was drawn while the new trail grows from its first record.
TEST_F(EffectsTest, ANewThrowLeavesNoOldTrailRecordAlive)
{
    Particle *pool = projectile_trail_particles[0];
    projectile_in_flight[0] = 1;
    projectiles[0].kind = PROJECTILE_STRAIGHT;
    projectiles[0].pos[0] = 7.0f;
    projectiles[0].size[0] = 10.0f;
    for (int i = 0; i < 60; i++)
        fx_projectile_trail(pool, FX_STEP, 0);
    projectile_in_flight[0] = 0;
    for (int i = 0; i < 5; i++)
        fx_projectile_trail(pool, FX_STEP, 0);
    ASSERT_GE(alive(pool, PROJECTILE_TRAIL_PARTICLES), 15) << "the first throw's puffs still fade";

    fx_projectile_trail_reset(0);
    EXPECT_EQ(alive(pool, PROJECTILE_TRAIL_PARTICLES), 0);
    projectile_in_flight[0] = 1;
    projectiles[0].pos[0] = -20.0f;
    for (int i = 0; i < 12; i++)
        fx_projectile_trail(pool, FX_STEP, 0);
    EXPECT_GT(alive(pool, PROJECTILE_TRAIL_PARTICLES), 0);
    for (int i = 0; i < PROJECTILE_TRAIL_PARTICLES; i++)
        if (pool[i].life > 0.0f) {
            EXPECT_LT(i, projectile_trail_count[0]) << "a live record the step does not move";
            EXPECT_EQ(pool[i].x, -20.0f) << "record " << i << " is the old throw's";
        }
}

TEST_F(EffectsTest, OdysseusTrailHangsLowAndStillThrowsMakeNone)
{
    fighters[0].character = CHARACTER_ODYSSEUS;
    projectile_in_flight[0] = 1;
    projectiles[0].kind = PROJECTILE_STRAIGHT;
    projectiles[0].pos[2] = 14.0f;
    fx_projectile_trail(projectile_trail_particles[0], FX_STEP, 0);
    fx_projectile_trail(projectile_trail_particles[0], FX_STEP, 0);
    EXPECT_EQ(projectile_trail_particles[0][0].z, 5.0f);

    projectiles[1].kind = PROJECTILE_STILL;
    projectile_in_flight[1] = 1;
    for (int i = 0; i < 10; i++)
        fx_projectile_trail(projectile_trail_particles[1], FX_STEP, 1);
    EXPECT_EQ(projectile_trail_count[1], 0);
    EXPECT_EQ(alive(projectile_trail_particles[1], PROJECTILE_TRAIL_PARTICLES), 0);
}

// Every flame starts at one of its arena's places (within the small spread) and rises; a
// dead one is born again on the next step. The arena flames use 80 records, the row 200.
TEST_F(EffectsTest, FlamesBurnAtTheirPlaces)
{
    struct Case {
        void (*effect)(Particle *, int);
        int records;
        f32 height;
        std::vector<std::pair<f32, f32>> places;
    };
    const Case cases[] = {
        {fx_labyrinth_flames, 80, 44.0f,
         {{-63.4f, -23.4f}, {63.4f, -23.0f}, {-63.4f, 39.4f}, {63.4f, 39.4f}, {-32.0f, 194.5f}, {32.0f, 194.5f},
          {-32.0f, 322.0f}, {32.0f, 322.0f}}},
        {fx_theatre_flames, 80, 16.0f, {{-65.0f, -0.5f}, {-32.0f, 44.0f}, {36.0f, 44.0f}, {65.0f, -2.0f}}},
        {fx_temple_flames, 80, 30.0f, {{-54.0f, 0.0f}, {-30.0f, 50.0f}, {27.0f, 50.0f}, {54.0f, 0.0f}}},
    };
    for (const Case &c : cases) {
        kill(stage_flame_particles, STAGE_FLAME_PARTICLES);
        c.effect(stage_flame_particles, FX_INIT);
        EXPECT_EQ(alive(stage_flame_particles, STAGE_FLAME_PARTICLES), c.records);
        for (int i = 0; i < c.records; i++) {
            const Particle &p = stage_flame_particles[i];
            bool placed = false;
            for (const auto &place : c.places)
                placed = placed || (std::fabs(p.x - place.first) <= 0.51f && std::fabs(p.y - place.second) <= 0.51f);
            ASSERT_TRUE(placed) << "flame " << i << " at " << p.x << ", " << p.y;
            ASSERT_EQ(p.z, c.height);
            ASSERT_FLOAT_EQ(p.size, p.life * 0.04f);
        }
        Particle *dead = &stage_flame_particles[5];
        dead->life = 0.0f;
        dead->z = -50.0f;
        const Particle rising = stage_flame_particles[6];
        c.effect(stage_flame_particles, FX_STEP);
        EXPECT_GT(dead->life, 0.0f);
        EXPECT_NEAR(dead->z, c.height, 1.01f);
        EXPECT_EQ(stage_flame_particles[6].life, rising.life - 2.0f);
        EXPECT_GE(stage_flame_particles[6].z, rising.z);
    }

    fx_flame_row(stage_flame_particles, FX_INIT);
    EXPECT_EQ(alive(stage_flame_particles, STAGE_FLAME_PARTICLES), 200);
    for (int i = 0; i < STAGE_FLAME_PARTICLES; i++) {
        const Particle &p = stage_flame_particles[i];
        ASSERT_EQ(p.y, 30.0f);
        ASSERT_EQ(p.z, -7.0f);
        ASSERT_GE(p.x, -17.5f);
        ASSERT_LT(p.x, 17.5f);
    }
    for (int i = 0; i < 100; i++)
        fx_flame_row(stage_flame_particles, FX_STEP);
    EXPECT_GT(alive(stage_flame_particles, STAGE_FLAME_PARTICLES), 150) << "the row never goes out";
}

// ---- aura ------------------------------------------------------------------------------------

class AuraTest : public EffectsTest {
protected:
    void SetUp() override
    {
        EffectsTest::SetUp();
        for (int p = 0; p < 2; p++)
            for (int i = 0; i < MODEL_HIT_ZONES; i++)
                zone(p, i, fighters[p].pos_x + i, 20.0f + i);
    }

    // The side's aura started (emitting) and stepped `emitting` times, then fading for
    // `fading` steps.
    static void aura_run(int side, int emitting, int fading)
    {
        Particle *pool = side ? aura_particles_side2 : aura_particles;
        fighters[side].aura = AURA_EMITTING;
        fx_fighter_aura(pool, FX_INIT, side);
        for (int i = 0; i < emitting; i++)
            fx_fighter_aura(pool, FX_STEP, side);
        fighters[side].aura = AURA_FADING;
        for (int i = 0; i < fading; i++)
            fx_fighter_aura(pool, FX_STEP, side);
    }
};

TEST_F(AuraTest, GrowsOneRecordATickAfterItsStart)
{
    fighters[0].aura = AURA_EMITTING;
    fx_fighter_aura(aura_particles, FX_INIT, 0);
    fx_fighter_aura(aura_particles, FX_STEP, 0);
    EXPECT_EQ(alive(aura_particles, AURA_PARTICLES), 0);
    fx_fighter_aura(aura_particles, FX_STEP, 0);
    EXPECT_EQ(alive(aura_particles, AURA_PARTICLES), 1);
    for (int i = 0; i < 60; i++)
        fx_fighter_aura(aura_particles, FX_STEP, 0);
    EXPECT_EQ(aura_warmup[0], 50);
    EXPECT_GE(alive(aura_particles, AURA_PARTICLES), 45) << "a record that dies is born again on the next step";
}

// A special that ends early still hands the aura back to none once 50 steps have passed and
// every record is dead.
TEST_F(AuraTest, FadingAuraReturnsToNone)
{
    aura_run(1, 10, 0);
    int steps = 0;
    while (fighters[1].aura == AURA_FADING && steps < 200) {
        fx_fighter_aura(aura_particles_side2, FX_STEP, 1);
        steps++;
    }
    EXPECT_EQ(fighters[1].aura, AURA_NONE);
    EXPECT_GE(steps, 40) << "not before the pool has grown to 50";
    EXPECT_EQ(alive(aura_particles_side2, AURA_PARTICLES), 0);
}

// A special started soon after the last one ended: the new aura grows from nothing, and no
// flame of the old one is left alive beyond the records the step moves.
TEST_F(AuraTest, ANewAuraLeavesNoFrozenFlame)
{
    aura_run(0, 60, 3);
    ASSERT_GE(alive(aura_particles, AURA_PARTICLES), 40);

    fighters[0].aura = AURA_EMITTING;
    fx_fighter_aura(aura_particles, FX_INIT, 0);
    for (int step = 0; step < 10; step++) {
        fx_fighter_aura(aura_particles, FX_STEP, 0);
        for (int i = aura_warmup[0]; i < AURA_PARTICLES; i++)
            ASSERT_LE(aura_particles[i].life, 0.0f) << "record " << i << " after step " << step;
    }
}

// The emitters stand where the hit detection places zones 7 and 8, both facings; a
// two-handed fighter's later records rise from zone 8.
TEST_F(AuraTest, EmittersAreTheWeaponZones)
{
    fight_start(CHARACTER_JASON, CHARACTER_ODYSSEUS);
    models[0].reset();
    models[1].reset();
    fighter_models[0] = &models[0].model;
    fighter_models[1] = &models[1].model;
    for (int p = 0; p < 2; p++)
        for (int i = 0; i < MODEL_HIT_ZONES; i++)
            zone(p, i, fighters[p].pos_x + 2.0f * i - 8.0f, 10.0f + i);
    update_hit_zones();
    for (int p = 0; p < 2; p++) {
        f32 out[2][3];
        const int count = fx_aura_emitters(p, out);
        ASSERT_EQ(count, p == 0 ? 2 : 1);
        for (int e = 0; e < count; e++) {
            const HitZone &z = models[p].model.hit_zones[7 + e];
            EXPECT_NEAR(out[e][0], z.x, 0.01f) << "side " << p << " emitter " << e;
            EXPECT_NEAR(out[e][1], z.y, 0.01f);
            EXPECT_NEAR(out[e][2], z.z, 0.01f);
        }
    }

    fighters[0].aura = AURA_EMITTING;
    fx_fighter_aura(aura_particles, FX_INIT, 0);
    for (int i = 0; i < 52; i++)
        fx_fighter_aura(aura_particles, FX_STEP, 0);
    EXPECT_NEAR(aura_particles[25].x, models[0].model.hit_zones[7].x, 0.01f);
    EXPECT_NEAR(aura_particles[26].x, models[0].model.hit_zones[8].x, 0.01f);
}

// A zone bound to no vertex, or past the model's vertices, emits nothing and reads nothing.
TEST_F(AuraTest, ZonesWithoutAVertexAreSkipped)
{
    f32 out[2][3];
    models[0].model.hit_vertex[7] = -1;
    EXPECT_EQ(fx_aura_emitters(0, out), 1) << "Jason keeps zone 8";
    models[0].model.hit_vertex[8] = MODEL_HIT_ZONES;   // one past the last vertex
    EXPECT_EQ(fx_aura_emitters(0, out), 0);
    fighters[0].aura = AURA_EMITTING;
    fx_fighter_aura(aura_particles, FX_INIT, 0);
    for (int i = 0; i < 5; i++)
        fx_fighter_aura(aura_particles, FX_STEP, 0);
    EXPECT_EQ(alive(aura_particles, AURA_PARTICLES), 0);
    fighter_models[0] = nullptr;
    EXPECT_EQ(fx_aura_emitters(0, out), 0);
}

// ---- flash sizes -------------------------------------------------------------------------------

TEST(FlashSizes, HitFlashWidensFlattensAndGrowsItsRing)
{
    const struct {
        f32 level, base, first_xy, first_z, second;
    } cases[] = {
        {1.0f, 5.0f, 5.0f, 5.0f, 0.0f},     // the moment of the hit: a square, no ring
        {0.0f, 5.0f, 10.0f, 0.0f, 10.0f},   // faded: flat and wide, the ring at full size
        {0.5f, 5.0f, 7.5f, 2.5f, 5.0f},
        {1.0f, 10.0f, 10.0f, 10.0f, 0.0f},  // the clash spark at twice the size
        {0.0f, 10.0f, 20.0f, 0.0f, 20.0f},
    };
    for (const auto &c : cases) {
        const HitFlashScales s = hit_flash_scales(c.level, c.base);
        EXPECT_FLOAT_EQ(s.first[0], c.first_xy);
        EXPECT_FLOAT_EQ(s.first[1], c.first_xy);
        EXPECT_FLOAT_EQ(s.first[2], c.first_z);
        EXPECT_FLOAT_EQ(s.second, c.second);
    }
    EXPECT_FLOAT_EQ(guard_flash_scale(1.0f), 5.0f);
    EXPECT_FLOAT_EQ(guard_flash_scale(0.5f), 2.5f);
    EXPECT_FLOAT_EQ(guard_flash_scale(0.0f), 0.0f);
}
