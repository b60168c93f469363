// The one-shot and falling effects: the projectile trail, the spark, large and blood bursts,
// the blood stains, the rain and its splashes. Each steps its own fixed pool once per tick.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <cmath>
#include <cstdlib>

i32 projectile_trail_count[2];
i32 projectile_trail_timer[2];
i32 blood_stain_next;

constexpr int TRAIL_TIMER_LAST = 2;          // one more record every third tick
constexpr f32 TRAIL_LIFE = 100.0f;
constexpr f32 TRAIL_DECAY = 2.0f;
constexpr f32 TRAIL_SINK = 0.01f;
constexpr f32 TRAIL_SIZE_SCALE = 0.01f;
constexpr f32 TRAIL_ODYSSEUS_HEIGHT = 5.0f;  // his trail hangs low whatever the throw's height

constexpr int SPARK_USED = 25;
constexpr int BURST_USED = 50;
constexpr int BLOOD_USED = 25;
constexpr f32 DEGREES_TO_RADIANS = 0.0174527989f;
constexpr f32 FALL_LIMIT = -1.0f;            // no burst falls faster than this along z
constexpr f32 STAIN_BAND = 1.0f;             // a drop this near the floor leaves a stain

constexpr f32 RAIN_HEIGHT = 100.0f;
constexpr f32 SPLASH_DECAY = 0.25f;
constexpr f32 STAIN_DECAY = 0.01f;

static bool trail_driven(int side)
{
    const u8 kind = projectiles[side].kind;
    return projectile_in_flight[side] && (kind == PROJECTILE_STRAIGHT || kind == PROJECTILE_RISING);
}

static void trail_rebirth(Particle *p, int side)
{
    const Projectile &shot = projectiles[side];
    p->life = TRAIL_LIFE;
    p->speed = TRAIL_SINK;
    p->dir_x = shot.direction;
    p->dir_y = static_cast<f32>(shot.texture_set);
    p->dir_z = -1.0f;
    p->kind = shot.kind;
    p->x = shot.pos[0];
    p->y = 0.0f;
    p->z = fighters[side].character == CHARACTER_ODYSSEUS ? TRAIL_ODYSSEUS_HEIGHT : shot.pos[2];
}

void fx_projectile_trail(Particle *pool, int mode, int side)
{
    if (mode != FX_STEP || side < 0 || side > 1)
        return;
    const bool driven = trail_driven(side);
    for (int i = 0; i < projectile_trail_count[side] && i < PROJECTILE_TRAIL_PARTICLES; i++) {
        Particle *p = &pool[i];
        if (p->life > 0.0f) {
            p->life -= TRAIL_DECAY;
            p->size = p->life * projectiles[side].size[0] * TRAIL_SIZE_SCALE;
            p->z += p->speed * p->dir_z;
        } else if (driven) {
            trail_rebirth(p, side);
        }
    }
    if (driven && projectile_trail_timer[side] == 0 && projectile_trail_count[side] < PROJECTILE_TRAIL_PARTICLES)
        projectile_trail_count[side]++;
    if (++projectile_trail_timer[side] > TRAIL_TIMER_LAST)
        projectile_trail_timer[side] = 0;
}

// A new throw starts its trail from nothing: the old throw's records die with the counters, or
// the step (which moves only the first `count`) would leave them hanging where they were drawn.
void fx_projectile_trail_reset(int p)
{
    if (p < 0 || p > 1)
        return;
    for (Particle &record : projectile_trail_particles[p])
        record.life = 0.0f;
    projectile_trail_count[p] = 0;
    projectile_trail_timer[p] = 0;
}

// ---- bursts ---------------------------------------------------------------------------------

// How one kind of burst throws its records out and lets them fall.
struct BurstShape {
    int used;             // records one start fills
    int speed_range;      // speed = (r % range + base) x scale
    int speed_base;
    f32 speed_scale;
    f32 angle_scale;      // random angles: degrees for sparks and bursts, radians for blood
    f32 decay;            // life lost per tick
    f32 fall;             // taken from dir_z per tick
};

static const BurstShape SPARK_SHAPE = {SPARK_USED, 35, 35, 0.013333334f, DEGREES_TO_RADIANS, 2.0f, 0.04f};
static const BurstShape LARGE_SHAPE = {BURST_USED, 35, 6, 0.025f, DEGREES_TO_RADIANS, 2.0f, 0.04f};
// KEEP: the blood's angles are whole radians; its drops scatter less evenly, as they always did.
static const BurstShape BLOOD_SHAPE = {BLOOD_USED, 7, 1, 0.0625f, 1.0f, 1.0f, 0.075f};

static f32 burst_axis(const BurstShape &shape)
{
    return std::cos(static_cast<f32>(rand() % 360) * shape.angle_scale);
}

// Overwrites the used part of the pool: a new burst cuts an old one short. The large burst's
// tint, written by its caller beforehand, is left alone.
static void burst_start(Particle *pool, const BurstShape &shape, f32 x, f32 y, f32 z)
{
    for (int i = 0; i < shape.used; i++) {
        Particle *p = &pool[i];
        p->life = static_cast<f32>(rand() % 50 + 50);
        p->size = 1.0f;
        p->speed = static_cast<f32>(rand() % shape.speed_range + shape.speed_base) * shape.speed_scale;
        p->dir_x = burst_axis(shape);
        p->dir_y = burst_axis(shape);
        p->dir_z = burst_axis(shape);
        p->x = x;
        p->y = y;
        p->z = z;
    }
}

// Moves one live record; returns false for a dead one.
static bool burst_record_step(Particle *p, const BurstShape &shape)
{
    if (p->life <= 0.0f)
        return false;
    p->life -= shape.decay;
    p->dir_z -= shape.fall;
    if (p->dir_z < FALL_LIMIT)
        p->dir_z = FALL_LIMIT;
    p->x += p->dir_x * p->speed;
    p->y += p->dir_y * p->speed;
    p->z += p->dir_z * p->speed;
    return true;
}

static void burst_run(Particle *pool, int mode, const BurstShape &shape, f32 x, f32 y, f32 z)
{
    if (mode == FX_INIT)
        burst_start(pool, shape, x, y, z);
    if (mode != FX_STEP)
        return;
    for (int i = 0; i < shape.used; i++)
        burst_record_step(&pool[i], shape);
}

void fx_small_burst(Particle *pool, int mode, f32 x, f32 y, f32 z)
{
    burst_run(pool, mode, SPARK_SHAPE, x, y, z);
}

void fx_large_burst(Particle *pool, int mode, f32 x, f32 y, f32 z)
{
    burst_run(pool, mode, LARGE_SHAPE, x, y, z);
}

static void stain_write(f32 x, f32 y)
{
    if (blood_stain_next < 0 || blood_stain_next >= BLOOD_STAIN_PARTICLES)
        blood_stain_next = 0;
    Particle *stain = &blood_stain_particles[blood_stain_next];
    stain->life = 1.0f;
    stain->x = x;
    stain->y = y;
    blood_stain_next = (blood_stain_next + 1) % BLOOD_STAIN_PARTICLES;
}

// The drop flies on after leaving a stain, so a slow one stains every tick it spends in the band.
void fx_blood_burst(Particle *pool, int mode, f32 x, f32 y, f32 z)
{
    if (mode == FX_INIT)
        burst_start(pool, BLOOD_SHAPE, x, y, z);
    if (mode != FX_STEP)
        return;
    for (int i = 0; i < BLOOD_SHAPE.used; i++) {
        Particle *p = &pool[i];
        if (burst_record_step(p, BLOOD_SHAPE) && p->z >= -STAIN_BAND && p->z <= STAIN_BAND)
            stain_write(p->x, p->y);
    }
}

void hit_sparks_start(f32 x, f32 z)
{
    fx_small_burst(spark_particles, FX_INIT, x, 0.0f, z);
}

void hit_blood_start(int side, f32 x, f32 z)
{
    if (side < 0 || side > 1)
        return;
    fx_blood_burst(blood_particles[side], FX_INIT, x, 0.0f, z);
}

// ---- floor marks: splashes and stains -------------------------------------------------------

// A mark at rest: dead, parked high above the floor.
static void mark_park(Particle *p)
{
    p->life = 0.0f;
    p->x = 0.0f;
    p->y = 0.0f;
    p->z = RAIN_HEIGHT;
}

static void marks_run(Particle *pool, int mode, int count, f32 decay)
{
    if (mode != FX_INIT && mode != FX_STEP)
        return;
    for (int i = 0; i < count; i++) {
        Particle *p = &pool[i];
        if (mode == FX_STEP && p->life > 0.0f)
            p->life -= decay;
        if (mode == FX_INIT || p->life <= 0.0f)
            mark_park(p);
    }
}

void fx_rain_splashes(Particle *pool, int mode)
{
    marks_run(pool, mode, RAIN_PARTICLES, SPLASH_DECAY);
}

void fx_blood_stains(Particle *pool, int mode)
{
    marks_run(pool, mode, BLOOD_STAIN_PARTICLES, STAIN_DECAY);
}

// ---- rain -------------------------------------------------------------------------------------

// The drop variant (0..4) lives in `life`; variant 0 slants twice as much.
static void rain_drop_birth(Particle *p)
{
    const int variant = rand() % 5;
    p->life = static_cast<f32>(variant);
    p->size = 20.0f;
    p->speed = static_cast<f32>(rand() % 100 + 50) * 0.04f;
    p->dir_x = variant == 0 ? 0.05f : 0.1f;
    p->dir_y = 0.0f;
    p->dir_z = -1.0f;
    p->x = static_cast<f32>(rand() % 140 - 80);
    p->y = static_cast<f32>(rand() % 160 - 80);
    p->z = RAIN_HEIGHT;
}

// A drop that reached the floor leaves a splash in the record of the same index.
void fx_rain(Particle *pool, int mode)
{
    if (mode == FX_INIT) {
        for (int i = 0; i < RAIN_PARTICLES; i++)
            rain_drop_birth(&pool[i]);
        return;
    }
    if (mode != FX_STEP)
        return;
    for (int i = 0; i < RAIN_PARTICLES; i++) {
        Particle *p = &pool[i];
        if (p->z <= 0.0f) {
            Particle *splash = &rain_splash_particles[i];
            splash->life = 1.0f;
            splash->x = p->x;
            splash->y = p->y;
            rain_drop_birth(p);
            continue;
        }
        p->x += p->dir_x * p->speed;
        p->y += p->dir_y * p->speed;
        p->z += p->dir_z * p->speed;
    }
}
