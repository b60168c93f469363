// The summon sequence: the scene darkens while the camera swings to a wide frontal view, the
// summoner's god acts for a time set per character, the light returns, and the Sphinx's and
// Ares's curses stay on the victim afterwards while the summoner's power drains.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <GL/gl.h>
#include <cstdlib>
#include <iterator>

i32 summon_phase;
i32 summoner;
i32 summon_victim;
f32 summon_fade_level = 1.0f;
f32 summon_timer;
f32 summon_scroll;
f32 summon_shake_step;
u8 summon_strike_counter;
u8 summon_bolt_counter;
f32 summon_ghost_phase;

constexpr f32 SUMMON_FADE_STEP = 0.02f;
constexpr f32 SUMMON_SCROLL_STEP = 0.005f;
constexpr f32 SUMMON_SHAKE_STEP = 0.5f;
constexpr f32 SUMMON_SHAKE_TOP = 2.0f;
constexpr f32 SUMMON_GHOST_STEP = 0.01f;
constexpr u8 SUMMON_CYCLE_TICKS = 10;
constexpr f32 SUMMON_VIEW_DISTANCE = 100.0f;
constexpr f32 SUMMON_VIEW_DISTANCE_WIDE = 150.0f;   // room for the Hydra's heads
constexpr f32 SUMMON_VIEW_RISE = 10.0f;
constexpr f32 SUMMON_STRIKE_HALF = 50.0f;
constexpr int SUMMON_PAN = 127;
constexpr int SUMMON_LOUDEST = 255;
constexpr i8 CURSE_BLOCK_TICKS = 30;
constexpr f32 CURSE_HIT_RISE = 10.0f;
constexpr int CURSE_GUARD_PITCH = 700;
constexpr int CURSE_GUARD_SPREAD = 200;

// The start-of-effect sounds: SFX_SUMMON_EARTH, SFX_SOLDIERS, SFX_THUNDER, SFX_WAVE,
// SFX_FURIES.
// columns: timer step, grounded extra, sound, loud, frequency, scrolls, shakes, strike,
//          strike after, figure, model, effect, curse drain
const SummonRule summon_rules[] = {
    {0.0025f, 0.0f, SFX_SUMMON_EARTH, 1, 1000, 0, 1, SUMMON_STRIKE_NONE, 0.0f, SUMMON_FIGURE_REST, 4,
     SUMMON_EFFECT_ROCKS, 0.0f},                                                  // Jason
    {0.0025f, 0.0f, SFX_SOLDIERS, 1, 800, 0, 1, SUMMON_STRIKE_NONE, 0.0f, SUMMON_FIGURE_NONE, -1,
     SUMMON_EFFECT_SOLDIERS, 0.0f},                                               // Odysseus
    {0.0025f, 0.0f, -1, 0, 0, 0, 1, SUMMON_STRIKE_NONE, 0.0f, SUMMON_FIGURE_NONE, -1, SUMMON_EFFECT_ARROWS,
     0.0f},                                                                       // Atalanta
    {0.0015f, 0.002f, SFX_THUNDER, 0, 1500, 1, 1, SUMMON_STRIKE_CYCLE, 0.2f, SUMMON_FIGURE_LIGHTNING, 3,
     SUMMON_EFFECT_LIGHTNING, 0.0f},                                              // Perseus
    {0.0025f, 0.0f, -1, 0, 0, 0, 1, SUMMON_STRIKE_NONE, 0.0f, SUMMON_FIGURE_NONE, -1, SUMMON_EFFECT_BEAMS,
     0.0f},                                                                       // Hippolyte
    {0.008f, 0.0f, SFX_WAVE, 1, 1500, 1, 1, SUMMON_STRIKE_ONCE, 0.85f, SUMMON_FIGURE_WAVE, 0,
     SUMMON_EFFECT_WAVE, 0.0f},                                                   // Polyphemus
    {0.0035f, 0.0f, SFX_FURIES, 0, 1000, 0, 1, SUMMON_STRIKE_NONE, 0.0f, SUMMON_FIGURE_NONE, -1,
     SUMMON_EFFECT_FURIES, 0.0f},                                                 // Minotaur
    {0.005f, 0.0f, -1, 0, 0, 1, 1, SUMMON_STRIKE_ONCE, 0.65f, SUMMON_FIGURE_HURRICANE, 7,
     SUMMON_EFFECT_HURRICANE, 0.0f},                                              // Medusa
    {0.015f, 0.0f, -1, 0, 0, 0, 0, SUMMON_STRIKE_CURSE, 0.0f, SUMMON_FIGURE_NONE, 8, SUMMON_EFFECT_NONE,
     0.004f},                                                                     // Sphinx
    {0.0015f, 0.002f, -1, 0, 0, 0, 1, SUMMON_STRIKE_CYCLE, 0.2f, SUMMON_FIGURE_REST, 9,
     SUMMON_EFFECT_GHOSTS, 0.0f},                                                 // Hydra
    {0.015f, 0.0f, -1, 0, 0, 0, 0, SUMMON_STRIKE_CURSE, 0.0f, SUMMON_FIGURE_NONE, 10, SUMMON_EFFECT_NONE,
     0.0033f},                                                                    // Ares
    {0.0025f, 0.0f, -1, 0, 0, 0, 1, SUMMON_STRIKE_NONE, 0.0f, SUMMON_FIGURE_REST, 11,
     SUMMON_EFFECT_THREADS, 0.0f},                                                // Atropos
};
static_assert(std::size(summon_rules) == CHARACTER_COUNT, "one summon rule per character");

const SummonRule &summon_rule(int side)
{
    const int character = fighters[side & 1].character;
    return summon_rules[character < CHARACTER_COUNT ? character : 0];
}

Model *summon_model(int side)
{
    const i8 model = summon_rule(side).model;
    return model < 0 || model >= SUMMON_MODEL_COUNT ? nullptr : summon_models[model];
}

static Skeleton *summon_skeleton(int side)
{
    return summon_skeletons[side & 1];
}

// ---- key steppers -------------------------------------------------------------------------
// One phase step at `ticks` per key; past a key the pair moves on, wrapping above `last` to
// `first`.
static void anim_step(Skeleton *sk, f32 ticks, i16 first, i16 last)
{
    if (!sk)
        return;
    sk->key_ticks = ticks;
    sk->phase += 1.0f / ticks;
    if (sk->phase <= 1.0f)
        return;
    sk->phase = 0.0f;
    if (++sk->key_from > last)
        sk->key_from = first;
    if (++sk->key_to > last)
        sk->key_to = first;
}

void summon_anim_step_wave(Skeleton *sk)
{
    anim_step(sk, 30.0f, 1, 6);
}

void summon_anim_step_hurricane(Skeleton *sk)
{
    anim_step(sk, 30.0f, 1, 4);
}

void summon_anim_step_linger(Skeleton *sk)
{
    anim_step(sk, 15.0f, 1, 4);
}

// Keys 1 to 8 strike down once at 10 ticks a key; 9 to 16 then flicker at one tick a key.
void summon_anim_step_lightning(Skeleton *sk)
{
    if (!sk)
        return;
    const bool striking = sk->key_from <= 7 && sk->key_to < 8;
    anim_step(sk, striking ? 10.0f : 1.0f, 9, 16);
}

// ---- camera --------------------------------------------------------------------------------
void summon_camera_update()
{
    const f32 k = 1.0f - summon_fade_level;
    const bool hydra = fighters[0].character == CHARACTER_HYDRA || fighters[1].character == CHARACTER_HYDRA;
    const f32 distance = hydra ? SUMMON_VIEW_DISTANCE_WIDE : SUMMON_VIEW_DISTANCE;
    camera_eye[0] += (camera_centre[0] - camera_eye[0]) * k;
    camera_eye[1] += (camera_centre[1] - distance - camera_eye[1]) * k;
    camera_eye[2] += (camera_centre[2] + SUMMON_VIEW_RISE - camera_eye[2]) * k;
    camera_centre[2] += SUMMON_VIEW_RISE * k;
}

// ---- the phases ----------------------------------------------------------------------------
// The scene has gone dark: counters and figures start afresh and the effect is spawned.
static void summon_spawn(int side)
{
    summon_strike_counter = 0;
    summon_bolt_counter = 0;
    summon_phase = SUMMON_EFFECT;
    for (Skeleton *sk : summon_skeletons)
        if (sk) {
            sk->key_from = 1;
            sk->key_to = 2;
        }
    summon_fade_level = 0.0f;
    summon_scroll = 0.0f;
    summon_timer = 0.0f;
    summon_ghost_phase = 0.0f;
    summon_shake_step = 0.0f;
    summon_effect_update(side, FX_INIT);
}

static void summon_fade_out(int side)
{
    // The curses' picture grows from nothing on the victim as the effect starts.
    if (summon_rule(side).strike == SUMMON_STRIKE_CURSE)
        summon_timer = 0.0f;
    summon_fade_level -= SUMMON_FADE_STEP;
    if (summon_fade_level > 0.0f)
        return;
    summon_spawn(side);
}

static void summon_fade_in()
{
    summon_fade_level += SUMMON_FADE_STEP;
    if (summon_fade_level < 1.0f)
        return;
    summon_fade_level = 1.0f;
    summon_phase = SUMMON_NONE;
}

static void summon_start_sound(int side, const SummonRule &rule)
{
    const f32 progress = rule.figure == SUMMON_FIGURE_WAVE ? summon_scroll : summon_timer;
    if (rule.sound < 0 || progress != 0.0f)
        return;
    int volume = static_cast<int>(effects_volume) * (rule.sound_loud ? 2 : 1);
    if (volume > SUMMON_LOUDEST)
        volume = SUMMON_LOUDEST;
    (void)side;
    sfx_play(rule.sound, volume, SUMMON_PAN, rule.frequency);
}

// The effect's clock; true on the tick it runs out and the fade-in begins.
static bool summon_clock(int side, const SummonRule &rule)
{
    f32 step = rule.timer_step;
    if (fighters[1 - side].posture != POSTURE_AIR)
        step += rule.grounded_step;
    summon_timer += step;
    if (rule.scrolls)
        summon_scroll += SUMMON_SCROLL_STEP;
    if (summon_timer <= 1.0f)
        return false;
    summon_phase = SUMMON_FADE_IN;
    return true;
}

static void summon_camera_shake()
{
    const f32 rise = summon_shake_step * summon_timer;
    camera_eye[2] += rise;
    camera_centre[2] += rise;
    summon_shake_step += SUMMON_SHAKE_STEP;
    if (summon_shake_step > SUMMON_SHAKE_TOP)
        summon_shake_step = 0.0f;
}

// Perseus's last bolt leaves an opponent who did not guard reeling.
static void summon_stun_opponent(int side)
{
    Fighter *d = &fighters[1 - side];
    if (d->guarding)
        return;
    d->action = ACTION_STUNNED;
    fighter_skeletons[1 - side]->action = ACTION_STUNNED;
    d->attack_state = ATTACK_STATE_STUNNED;
}

// The god's own strike at the opponent's place.
static void summon_strike_opponent(int side)
{
    const Fighter *d = &fighters[1 - side];
    const f32 centre[3] = {d->pos_x, d->pos_y, d->pos_z};
    const f32 half[3] = {SUMMON_STRIKE_HALF, SUMMON_STRIKE_HALF, SUMMON_STRIKE_HALF};
    resolve_summon_hit(side, centre, half);
}

// A strike on every tenth tick once the threshold is passed.
static void summon_strike_cycle(int side, u8 *counter)
{
    if (summon_timer > summon_rule(side).strike_after && *counter == 0) {
        *counter = 1;
        summon_strike_opponent(side);
    }
    if (*counter > 0 && ++*counter > SUMMON_CYCLE_TICKS)
        *counter = 0;
}

static void summon_strikes(int side, const SummonRule &rule)
{
    switch (rule.strike) {
    case SUMMON_STRIKE_ONCE:
        if (summon_timer > rule.strike_after && summon_strike_counter == 0) {
            summon_strike_counter = 1;
            summon_strike_opponent(side);
        }
        break;
    case SUMMON_STRIKE_CYCLE:
        // Perseus and the Hydra keep separate counters.
        summon_strike_cycle(side, rule.figure == SUMMON_FIGURE_LIGHTNING ? &summon_bolt_counter
                                                                        : &summon_strike_counter);
        break;
    default:
        break;
    }
}

static void summon_figure_step(int side, const SummonRule &rule)
{
    Model *model = summon_model(side);
    Skeleton *sk = summon_skeleton(side);
    switch (rule.figure) {
    case SUMMON_FIGURE_REST:
        if (model)
            model_copy_rest_pose(model);
        return;
    case SUMMON_FIGURE_WAVE: summon_anim_step_wave(sk); break;
    case SUMMON_FIGURE_HURRICANE: summon_anim_step_hurricane(sk); break;
    case SUMMON_FIGURE_LIGHTNING: summon_anim_step_lightning(sk); break;
    default: return;
    }
    if (model && sk)
        model_skin(model, sk);
}

// A guard held as the curse falls turns it away: the victim reels with sparks under a white
// hit light, and the summoner's gauge is emptied.
static void summon_curse_blocked(int side)
{
    Fighter *d = &fighters[1 - side];
    Skeleton *sk = fighter_skeletons[1 - side];
    const f32 x = d->pos_x, z = d->pos_z + CURSE_HIT_RISE;
    d->hit_stun = CURSE_BLOCK_TICKS;
    d->hit_flash = CURSE_BLOCK_TICKS;
    d->hit_recoil = HIT_RECOIL_FAR;
    hit_light_aim(HIT_LIGHT_BLOCKED, x, z);
    if (d->posture == POSTURE_CROUCH)
        sk->action = sk->action == ACTION_BLOCK_CROUCH ? ACTION_BLOCK_CROUCH_B : ACTION_BLOCK_CROUCH;
    else
        sk->action = sk->action == ACTION_BLOCK_STAND ? ACTION_BLOCK_STAND_B : ACTION_BLOCK_STAND;
    sk->active_window = 0;
    d->hit_x = x;
    d->hit_z = z;
    hit_sparks_start(x, z);
    sfx_play(SFX_GUARD, static_cast<int>(effects_volume), SUMMON_PAN,
             CURSE_GUARD_PITCH + rand() % CURSE_GUARD_SPREAD);
    summon_victim = 0;
    fighters[side].power = 0.0f;
}

static void summon_curse(int side, bool ended)
{
    if (ended)
        summon_timer = 1.0f;
    summon_victim = side == 0 ? 2 : 1;
    if (ended && fighters[1 - side].guarding)
        summon_curse_blocked(side);
}

static void summon_effect_tick(int side)
{
    const SummonRule &rule = summon_rule(side);
    summon_start_sound(side, rule);
    const bool ended = summon_clock(side, rule);
    // The last bolt's stun comes before this tick's strike test.
    if (ended && rule.figure == SUMMON_FIGURE_LIGHTNING)
        summon_stun_opponent(side);
    if (rule.shakes)
        summon_camera_shake();
    if (rule.effect == SUMMON_EFFECT_GHOSTS) {
        summon_ghost_phase += SUMMON_GHOST_STEP;
        if (summon_ghost_phase > 1.0f)
            summon_ghost_phase = 0.0f;
    }
    summon_strikes(side, rule);
    summon_figure_step(side, rule);
    summon_effect_update(side, FX_STEP);
    if (rule.strike == SUMMON_STRIKE_CURSE)
        summon_curse(side, ended);
}

void summon_update(int side)
{
    side &= 1;
    summon_camera_update();
    if (paused)
        return;
    switch (summon_phase) {
    case SUMMON_FADE_OUT: summon_fade_out(side); break;
    case SUMMON_EFFECT: summon_effect_tick(side); break;
    case SUMMON_FADE_IN: summon_fade_in(); break;
    default: break;
    }
}

// ---- the curse ------------------------------------------------------------------------------
// The victim's side number names the caster: side two's curse lies on side one (1).
static void summon_linger_step(int character)
{
    if (summon_victim != 1 && summon_victim != 2)
        return;
    const int caster = summon_victim == 1 ? 1 : 0;
    Fighter *f = &fighters[caster];
    Model *model = summon_rules[character].model < 0 ? nullptr : summon_models[summon_rules[character].model];
    Skeleton *sk = summon_skeleton(caster);
    summon_anim_step_linger(sk);
    if (model && sk)
        model_skin(model, sk);
    f->power -= summon_rules[character].curse_drain;
    if (f->power >= 0.0f)
        return;
    summon_victim = 0;
    // An empty gauge, not a negative one the HUD would draw reversed.
    f->power = 0.0f;
}

void summon_linger_step_ares()
{
    summon_linger_step(CHARACTER_ARES);
}

void summon_linger_step_sphinx()
{
    summon_linger_step(CHARACTER_SPHINX);
}
