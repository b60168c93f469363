// The projectile step: each side's thrown projectile is animated, aged and moved once per
// fight tick, and ends when its life runs out or it leaves the arena ahead of it.
#include "combat/combat.h"

#include "combat/combat_local.h"

Projectile projectiles[2];
u8 projectile_in_flight[2];
i32 projectile_lock_ticks[2];
i32 projectile_tick_toggle[2];

constexpr i32 PROJECTILE_LOCK_TICKS = 15;      // the lock clears when its count passes this
constexpr i32 PROJECTILE_LAST_FRAME = 2;
constexpr f32 ARENA_EDGE = 50.0f;
constexpr f32 ARENA_EDGE_HADES = 100.0f;       // Hades is twice as wide
constexpr f32 RISING_X_FACTOR = 1.25f;         // a rising projectile runs faster along than up
constexpr f32 RISING_CEILING = 70.0f;

void projectile_launched(int p)
{
    if (p < 0 || p > 1)
        return;
    projectile_in_flight[p] = 1;
    // A projectile that flew on after a hit and ended mid-count leaves its count behind;
    // carried into the next throw it would shorten that one's re-hit interval.
    projectile_lock_ticks[p] = 0;
}

void projectile_lock_set(int p)
{
    projectiles[p].lock = 1;
    projectile_lock_ticks[p] = 0;
}

static void projectile_lock_clear(int p)
{
    projectiles[p].lock = 0;
    projectile_lock_ticks[p] = 0;
}

// Step 1: the lock's count, then one frame step every second tick.
static void projectile_animate(int p)
{
    Projectile *proj = &projectiles[p];
    projectile_tick_toggle[p]++;
    if (proj->lock && ++projectile_lock_ticks[p] > PROJECTILE_LOCK_TICKS)
        projectile_lock_clear(p);
    if (projectile_tick_toggle[p] > 1)
        projectile_tick_toggle[p] = 0;
    if (projectile_tick_toggle[p] == 1 && ++proj->frame > PROJECTILE_LAST_FRAME)
        proj->frame = 0;
}

// Only the edge ahead ends a flight: a throw from beyond the edge behind flies back in.
static bool projectile_past_edge(const Projectile *proj, f32 edge)
{
    return proj->direction == 1 ? proj->pos[0] > edge : proj->pos[0] < -edge;
}

// Step 3: motion by kind; true when the projectile left the arena.
static bool projectile_move(Projectile *proj, f32 edge)
{
    const f32 sign = proj->direction == 1 ? 1.0f : -1.0f;
    switch (proj->kind) {
    case PROJECTILE_STRAIGHT:
        proj->pos[0] += sign * proj->speed;
        return projectile_past_edge(proj, edge);
    case PROJECTILE_RISING:
        proj->pos[0] += sign * RISING_X_FACTOR * proj->speed;
        proj->pos[2] += proj->speed;
        return projectile_past_edge(proj, edge) || proj->pos[2] > RISING_CEILING;
    default:
        return false;   // a still projectile ends by its life or by a hit
    }
}

static void projectile_step(int p, f32 edge)
{
    Projectile *proj = &projectiles[p];
    projectile_animate(p);
    proj->life -= proj->decay;
    // The motion of the tick in which the life runs out still runs.
    if (proj->life < 0.0f)
        projectile_in_flight[p] = 0;
    if (projectile_move(proj, edge)) {
        projectile_in_flight[p] = 0;
        projectile_lock_clear(p);
    }
}

void update_projectiles()
{
    const f32 edge = stage_id == STAGE_HADES ? ARENA_EDGE_HADES : ARENA_EDGE;
    for (int p = 0; p < 2; p++)
        if (projectile_in_flight[p] == 1)
            projectile_step(p, edge);
}
