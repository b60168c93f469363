// Summon hits: a piece of a god's effect against the summoner's opponent. Every hit counts in
// the combo, a guard turns the damage away, the damage is the summoner's summon value with no
// defence, and the pass always ends with the stun and knock-out checks, so a god can end the
// round.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <cstdlib>

constexpr int SUMMON_HIT_DAMAGE = 19;          // the summoner's damage[] value of its summon
constexpr i8 SUMMON_HIT_STUN = 30;
constexpr i32 SUMMON_HIT_FLASH = 30;
constexpr i32 SUMMON_COMBO_TICKS = 60;
constexpr i8 SUMMON_STUN_BUILD = 15;           // past the threshold: the checks stun at once
constexpr int SUMMON_PAN = 127;
constexpr int SUMMON_GUARD_PITCH = 700;        // lower than a melee guard's
constexpr int SUMMON_GUARD_SPREAD = 200;

// The first of the defender's body points 0-6 the box overlaps, -1 none.
static int summon_point_struck(int defender, const HitSquare &box)
{
    const Model *body = fighter_models[defender];
    if (!body)
        return -1;
    for (int j = 0; j < HIT_BODY_ZONES; j++) {
        const HitZone &zone = body->hit_zones[j];
        if (zones_overlap(box, hit_square(zone.x, zone.z, zone.radius, zone.radius)))
            return j;
    }
    return -1;
}

// Every summon hit counts, whether or not the defender still reels from the last.
static void summon_combo(int a)
{
    combo_hits[a]++;
    if (combo_hits[a] >= 2 && combo_hits[a] > best_combo[a])
        best_combo[a] = combo_hits[a];
    if (combo_hits[a] > 1)
        combo_display_timer[a] = SUMMON_COMBO_TICKS;
}

// Which of the gods' blows leave the defender stunned.
static bool summon_stuns(const Fighter *a)
{
    return a->character == CHARACTER_JASON || a->character == CHARACTER_POLYPHEMUS ||
           a->character == CHARACTER_MEDUSA;
}

static void summon_damage(int a, f32 x, f32 z)
{
    Fighter *d = &fighters[1 - a];
    const f32 v = fighters[a].damage[SUMMON_HIT_DAMAGE];
    if (!hit_character(d).heads)
        d->life -= v;
    d->head_life[fighter_head_index(d)] -= 2.0f * v;
    sfx_stop(SFX_EFFECT_HIT);
    fight_sound(SFX_EFFECT_HIT, SUMMON_PAN);
    hurt_voice(d);
    if (blood)
        hit_blood_start(1 - a, x, z);
}

static void summon_hit(int a, int point)
{
    Fighter *d = &fighters[1 - a];
    const HitZone &zone = fighter_models[1 - a]->hit_zones[point];
    summon_combo(a);
    d->hit_stun = SUMMON_HIT_STUN;
    d->hit_flash = SUMMON_HIT_FLASH;
    sfx_stop(SFX_SWING_HARD);
    const bool guarded = d->guarding != 0;
    if (guarded) {
        hit_sparks_start(zone.x, zone.z);
        sfx_play(SFX_GUARD, static_cast<int>(effects_volume), SUMMON_PAN,
                 SUMMON_GUARD_PITCH + rand() % SUMMON_GUARD_SPREAD);
    } else {
        summon_damage(a, zone.x, zone.z);
    }
    d->hit_recoil = HIT_RECOIL_FAR;
    if (!guarded && summon_stuns(&fighters[a]))
        d->stun_build = SUMMON_STUN_BUILD;
    apply_hit_reaction(1 - a, a, zone.x, zone.z, HIT_RULE_GUARD_ALONE);
}

int resolve_summon_hit(int side, const f32 centre[3], const f32 half_size[3])
{
    const int a = side & 1;
    if (fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO)
        return 0;
    update_hit_zones();
    const HitSquare box = hit_square(centre[0], centre[2], half_size[0], half_size[2]);
    const int point = summon_point_struck(1 - a, box);
    if (point >= 0)
        summon_hit(a, point);
    // A god's stun does not shake the camera; a knock-out ends the summon with the light.
    if (check_stun_and_knockout(false))
        summon_phase = SUMMON_FADE_IN;
    return point >= 0 ? 1 : 0;
}
