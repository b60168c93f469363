// Projectile hits: the hit pass of every fight tick in which a projectile flies. Two
// projectiles that meet destroy each other with a flash; a projectile that reaches the other
// fighter's body strikes it for the thrower's special damage, without defence; Medusa's gaze
// turns an unguarded fighter to stone. Melee contact is not tested in such a tick.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <cstdlib>
#include <iterator>

u8 clash_flash_on[2];
f32 clash_flash[2];
f32 clash_flash_pos[2][3];

constexpr f32 PROJECTILE_BOX_SCALE = 0.75f;   // the hit box is smaller than the drawn quad
constexpr i8 PROJECTILE_HIT_TICKS = 30;       // hit stun and flash of the struck fighter
constexpr i16 PETRIFIED_TICKS = 150;
constexpr int NO_DAMAGE = -1;

// What a projectile does by the move that threw it.
struct ProjectileMove {
    i32 move;
    f32 burst[3];         // colour of the thrower's burst
    i8 damage_index;      // the thrower's damage[] value, NO_DAMAGE for none
    u8 passes_through;    // 1: never clashes with the other projectile
};
static const ProjectileMove projectile_moves[] = {
    // move                      burst colour        damage     passes through
    {ACTION_ARES_SPECIAL1,       {0.5f, 0.5f, 1.0f}, 16,        1},
    {ACTION_ODYSSEUS_SPECIAL2,   {0.5f, 0.5f, 1.0f}, 16,        0},
    {ACTION_HIPPOLYTE_SPECIAL2,  {1.0f, 1.0f, 1.0f}, 16,        0},
    {ACTION_SPHINX_SPECIAL2,     {1.0f, 0.5f, 0.0f}, 16,        0},
    {ACTION_POLYPHEMUS_SPECIAL2, {0.0f, 1.0f, 0.0f}, 16,        1},
    {ACTION_MEDUSA_SPECIAL1,     {0.0f, 1.0f, 0.0f}, NO_DAMAGE, 0},
    {ACTION_MEDUSA_SPECIAL2,     {0.0f, 1.0f, 0.0f}, NO_DAMAGE, 0},
    {ACTION_ARES_SPECIAL2,       {1.0f, 0.0f, 0.0f}, 15,        0},
};

// Any other move: no damage, clashes, and leaves the pool's colour as it was.
static const ProjectileMove unknown_move = {0, {0.0f, 0.0f, 0.0f}, NO_DAMAGE, 0};

static const ProjectileMove &projectile_move(i32 move)
{
    for (const ProjectileMove &row : projectile_moves)
        if (row.move == move)
            return row;
    return unknown_move;
}

// What a projectile does by its thrower, one row per character.
struct ProjectileThrower {
    u8 ends_on_hit;       // 1: gone once it strikes; 0: flies on (and may strike again)
    u8 petrifies;         // 1: an unguarded hit turns the fighter to stone
};
static const ProjectileThrower projectile_throwers[] = {
    // ends petrifies
    {0, 0},   // Jason
    {1, 0},   // Odysseus
    {0, 0},   // Atalanta
    {0, 0},   // Perseus
    {1, 0},   // Hippolyte
    {0, 0},   // Polyphemus: his shock wave rolls on
    {0, 0},   // Minotaur
    {1, 1},   // Medusa
    {1, 0},   // the Sphinx
    {0, 0},   // Hydra
    {0, 0},   // Ares: his fire rolls on
    {0, 0},   // Atropos
};
static_assert(std::size(projectile_throwers) == CHARACTER_COUNT, "one row per character");

static const ProjectileThrower &projectile_thrower(int t)
{
    const u8 c = fighters[t].character;
    return projectile_throwers[c < CHARACTER_COUNT ? c : 0];
}

static HitSquare projectile_box(const Projectile *proj)
{
    return hit_square(proj->pos[0], proj->pos[2], PROJECTILE_BOX_SCALE * proj->size[0],
                      PROJECTILE_BOX_SCALE * proj->size[2]);
}

// The large burst of side p's pool at (x, 0, z), in the colour of side p's projectile.
static void projectile_burst(int p, f32 x, f32 z)
{
    const ProjectileMove &move = projectile_move(projectiles[p].move_id);
    if (move.move != 0)
        for (int c = 0; c < 3; c++)
            burst_particles[p][0].tint[c] = move.burst[c];
    fx_large_burst(burst_particles[p], FX_INIT, x, 0.0f, z);
}

// Two projectiles that meet end together, with a flash between them; true when they met.
static bool projectile_clash()
{
    const Projectile *one = &projectiles[0];
    const Projectile *two = &projectiles[1];
    const ProjectileMove &move_one = projectile_move(one->move_id);
    const ProjectileMove &move_two = projectile_move(two->move_id);
    if (move_one.passes_through || move_two.passes_through ||
        !zones_overlap(projectile_box(one), projectile_box(two)))
        return false;
    projectile_in_flight[0] = projectile_in_flight[1] = 0;
    projectile_burst(0, one->pos[0], one->pos[2]);
    projectile_burst(1, two->pos[0], two->pos[2]);
    clash_flash_pos[0][0] = (one->pos[0] + two->pos[0]) / 2.0f;
    clash_flash_pos[0][1] = 0.0f;
    clash_flash_pos[0][2] = one->pos[2];
    clash_flash_on[0] = 1;
    clash_flash[0] = 0.0f;
    return true;
}

// The first of the defender's body points 0 to 6 that side t's projectile overlaps, -1 none.
// Always seven points, also for a fighter with heads.
static int projectile_body_point(int t)
{
    const Model *body = fighter_models[1 - t];
    if (!body)
        return -1;
    const HitSquare box = projectile_box(&projectiles[t]);
    for (int j = 0; j < HIT_BODY_ZONES; j++) {
        const HitZone &zone = body->hit_zones[j];
        if (zones_overlap(box, hit_square(zone.x, zone.z, zone.radius, zone.radius)))
            return j;
    }
    return -1;
}

// Side t's projectile may strike: its lock is clear and the defender neither stunned nor
// getting up.
static bool projectile_may_strike(int t)
{
    return !projectiles[t].lock && fighters[1 - t].attack_state == ATTACK_STATE_NORMAL;
}

// An unguarded projectile hit: sounds, burst, power, stun build-up, damage without defence.
static void projectile_wound(int t, f32 x, f32 z)
{
    Fighter *d = &fighters[1 - t];
    const ProjectileMove &move = projectile_move(projectiles[t].move_id);
    fight_sound(SFX_EFFECT_HIT, PAN_HIT);
    hurt_voice(d);
    projectile_burst(t, x, z);
    power_gain(t, POWER_GAIN_ATTACKER);
    power_gain(1 - t, POWER_GAIN_DEFENDER);
    stun_build_add(d, 1);
    const f32 damage = move.damage_index == NO_DAMAGE ? 0.0f : fighters[t].damage[move.damage_index];
    if (!hit_character(d).heads)
        d->life -= damage;
    d->head_life[fighter_head_index(d)] -= 2.0f * damage;
}

// Side t's projectile strikes the other side at body point j.
static void projectile_strike(int t, int j)
{
    const int defender = 1 - t;
    Fighter *d = &fighters[defender];
    const HitZone &point = fighter_models[defender]->hit_zones[j];
    const ProjectileThrower &thrower = projectile_thrower(t);
    projectile_lock_set(t);
    if (thrower.ends_on_hit)
        projectile_in_flight[t] = 0;
    hit_count_combo(t);
    d->hit_stun = PROJECTILE_HIT_TICKS;
    d->hit_flash = PROJECTILE_HIT_TICKS;
    sfx_stop(SFX_SWING_HARD);
    const bool guarded = d->guarding != 0;
    if (guarded) {
        fx_small_burst(spark_particles, FX_INIT, point.x, 0.0f, point.z);
        sfx_play(SFX_GUARD, static_cast<int>(effects_volume), PAN_HIT, GUARD_PITCH_LOW + rand() % GUARD_PITCH_SPREAD);
    } else {
        projectile_wound(t, point.x, point.z);
    }
    d->hit_recoil = HIT_RECOIL_FAR;
    apply_hit_reaction(defender, t, point.x, point.z, HIT_RULE_GUARD_ALONE);
    if (thrower.petrifies && !guarded && !fighter_losing_head(defender)) {
        d->action = ACTION_PETRIFIED;
        fighter_skeleton(defender)->action = ACTION_PETRIFIED;
        d->effect_timer = PETRIFIED_TICKS;
    }
}

// Tries side t's projectile against the other side's body; true when it struck.
static bool projectile_try_strike(int t)
{
    const int j = projectile_body_point(t);
    if (j < 0)
        return false;
    projectile_strike(t, j);
    return true;
}

// The clash, then the body tests; true when the pass ends without the end-of-pass checks.
static bool projectile_contact()
{
    const bool one = projectile_in_flight[0] != 0;
    const bool two = projectile_in_flight[1] != 0;
    if (one && two) {
        // Two projectiles test nothing while either has struck or either fighter is reeling.
        if (!projectile_may_strike(0) || !projectile_may_strike(1))
            return false;
        return projectile_clash() || projectile_try_strike(0) || projectile_try_strike(1);
    }
    if (one)
        return projectile_may_strike(0) && projectile_try_strike(0);
    if (two)
        return projectile_may_strike(1) && projectile_try_strike(1);
    return false;
}

void resolve_projectile_hits()
{
    if (fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO)
        return;
    update_hit_zones();
    if (projectile_contact())
        return;   // a clash or a hit skips the end-of-pass checks, as a melee hit does
    // KEEP: a stun declared while a projectile flies does not shake the camera.
    check_stun_and_knockout(false);
}
