// The fighter update: once per fight tick, for side one and then side two, the small timers,
// the arena limits and facing, the computer's and the player's control, and then the motion:
// turning, walks with push-apart, dashes and lunges, jumps and the hit reactions.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdlib>
#include <cstring>

constexpr f32 ARENA_HALF_WIDTH = 50.0f;
constexpr f32 ARENA_HALF_WIDTH_WIDE = 100.0f;   // Hades
constexpr f32 WALK_AWAY_MAX_SEPARATION = 70.0f;
constexpr f32 CLASH_FLASH_STEP = 0.05f;
constexpr f32 TURN_STEP = 15.0f;
constexpr f32 DASH_STEP = 3.0f;                 // x action_timer / 30
constexpr f32 JUMP_DRIFT = 0.6f;
constexpr f32 JUMP_SEPARATION_STEP = 1.5f;
constexpr int JUMP_FALLS_STRAIGHT_AFTER = 21;
constexpr int JUMP_LANDING_FRAME = JUMP_ARC_FRAMES;
constexpr int HOP_RISE_LAST_FRAME = 28;
constexpr i16 HOP_FALLING_FRAME = 31;
constexpr f32 HOP_FALL_STEP = 2.0f;
constexpr f32 HIT_DRIFT = 0.5f;
constexpr i8 EDGE_HIT_MIN_STUN = 21;
constexpr int PAN_LAND = 127;
constexpr i32 CONFUSION_TICKS[2] = {20, 60};

i32 confusion_bias;
i32 confusion_timer;

// The arena limits of one tick: the fighter's own, and the one it may push the other to.
struct ArenaLimits {
    f32 own, other;
};

static ArenaLimits arena_limits(const Fighter *f, const Fighter *other)
{
    const f32 base = stage_id == STAGE_HADES ? ARENA_HALF_WIDTH_WIDE : ARENA_HALF_WIDTH;
    // KEEP: on Thebes and the temple the own limit is one nearer and the pushed one one
    // farther, so a pusher there drives the other a unit past its own wall; those arenas
    // have always played so.
    const f32 stage_bias = (stage_id == STAGE_THEBES || stage_id == STAGE_TEMPLE) ? 1.0f : 0.0f;
    return {base - combat_character(f).wall_margin - stage_bias,
            base - combat_character(other).wall_margin + stage_bias};
}

// Whether x may still move by step: it lies inside -limit..limit on the side it moves toward.
static bool can_move(f32 x, f32 step, f32 limit)
{
    return step > 0.0f ? x < limit : x > -limit;
}

// Moves x by step when it may, ending at the limit at most: a step that started inside must
// not leave the fighter standing in the wall. Returns whether it moved.
static bool move_within(f32 *x, f32 step, f32 limit)
{
    if (!can_move(*x, step, limit))
        return false;
    *x += step;
    if (step > 0.0f && *x > limit)
        *x = limit;
    if (step < 0.0f && *x < -limit)
        *x = -limit;
    return true;
}

static bool at_limit(f32 x, f32 limit)
{
    return x >= limit || x <= -limit;
}

// +1 when the fighter's opponent lies toward +x, -1 otherwise.
static f32 toward_sign(const Fighter *f)
{
    return f->facing ? 1.0f : -1.0f;
}

bool fighters_meet(int p)
{
    const Fighter *f = &fighters[p];
    const Fighter *o = &fighters[1 - p];
    const f32 half = static_cast<f32>(o->body_half_width);
    if (f->pos_x < o->pos_x - half || f->pos_x > o->pos_x + half)
        return false;
    const f32 top = f->pos_z + f->body_height;
    const f32 other_top = o->pos_z + o->body_height;
    return (f->pos_z >= o->pos_z && f->pos_z <= other_top) || (top >= o->pos_z && top <= other_top);
}

f32 fighter_overlap(int p)
{
    if (!fighters_meet(p))
        return 0.0f;
    const Fighter *f = &fighters[p];
    const Fighter *o = &fighters[1 - p];
    // KEEP: the half width is halved as a whole number.
    f32 value = std::fabs(f->pos_x - o->pos_x) - static_cast<f32>(o->body_half_width / 2);
    return f->pos_x > o->pos_x ? -value : value;
}

static void update_clash_flash(int p)
{
    if (!clash_flash_on[p])
        return;
    clash_flash[p] += CLASH_FLASH_STEP;
    if (clash_flash[p] > 1.0f) {
        clash_flash[p] = 0.0f;
        clash_flash_on[p] = 0;
    }
}

static void update_petrification(int p)
{
    Fighter *f = &fighters[p];
    if (f->action != ACTION_PETRIFIED) {
        f->effect_timer = 0;
        return;
    }
    if (f->effect_timer >= 1 && --f->effect_timer < 1) {
        f->action = ACTION_IDLE;
        fighter_skeleton(p)->action = ACTION_IDLE;
    }
}

static void update_facing(int p)
{
    Fighter *f = &fighters[p];
    const u8 facing = f->pos_x > fighters[1 - p].pos_x ? 0 : 1;
    if (facing != f->facing)
        f->turned = 1;
    f->facing = facing;
}

bool fighter_is_cpu_side(int p)
{
    if (game_mode == GAME_MODE_VERSUS || game_mode == GAME_MODE_CHALLENGE)
        return false;
    return game_mode != (p == 0 ? GAME_MODE_ARCADE_P1 : GAME_MODE_ARCADE_P2);
}

// The computer side of a one-player game (side two in arcade mode for player one, side one
// in arcade mode for player two), -1 in any other mode.
int cpu_side_of_one_player_game()
{
    if (game_mode == GAME_MODE_ARCADE_P1)
        return 1;
    if (game_mode == GAME_MODE_ARCADE_P2)
        return 0;
    return -1;
}

static u8 confused_direction(u8 code)
{
    switch (code) {
    case DIR_RIGHT: return DIR_LEFT;
    case DIR_LEFT: return DIR_RIGHT;
    case DIR_UP: return DIR_DOWN;
    case DIR_DOWN: return DIR_UP;
    default: return code;
    }
}

// A side under a lingering curse cannot attack; Ares's curse scrambles its directions now and
// then, any other curse holds them.
static void update_lingering_curse(int p)
{
    if (summon_victim != p + 1)
        return;
    input_hard_swing[p] = 0;
    input_low_swing[p] = 0;
    input_kick[p] = 0;
    if (fighters[1 - p].character != CHARACTER_ARES) {
        input_dir[p] = DIR_NONE;
        return;
    }
    if (confusion_bias > 0)
        input_dir[p] = confused_direction(input_dir[p]);
    if (--confusion_timer < 1) {
        confusion_timer = CONFUSION_TICKS[p];
        confusion_bias = rand() % 1000 - 500;
    }
}

static void clear_fight_inputs()
{
    for (int p = 0; p < 2; p++) {
        input_dir[p] = DIR_NONE;
        input_hard_swing[p] = 0;
        input_low_swing[p] = 0;
        input_kick[p] = 0;
    }
}

// The time-over, a challenger's arrival and a summon's effect take the controls away.
static void update_control(int p)
{
    if (game_state == STATE_TIME_OVER || challenger_pending != 0 || summon_phase >= SUMMON_EFFECT)
        clear_fight_inputs();
    if (summon_phase >= SUMMON_EFFECT)
        return;
    const i32 phase_before = summon_phase;
    player_control(p);
    // Side one gets its tick in again when side two's super freezes the fight, so both
    // sides enter the summon with this tick's control done.
    if (p == 1 && phase_before == SUMMON_NONE && summon_phase == SUMMON_FADE_OUT)
        player_control(0);
}

static void update_cpu_dash(int p)
{
    Fighter *f = &fighters[p];
    if (ai_dash_request != 1 || summon_victim != 0 || cpu_side_of_one_player_game() != p ||
        f->posture == POSTURE_AIR)
        return;
    f->action = f->facing ? ACTION_DASH_FORWARD : ACTION_DASH_BACK;
    fighter_skeleton(p)->action = ACTION_DASH_FORWARD;
    input_hard_swing[p] = 0;
    input_low_swing[p] = 0;
    input_kick[p] = 0;
    f->posture = POSTURE_STAND;
    f->action_timer = DASH_TICKS;
    f->tap_window = TAP_WINDOW_DASH_MIN;
    f->tap_count = 0;
    fighter_fix_heading(f);
    ai_dash_request = 0;
}

// No step toward the opponent while a summon runs; a guard walking away holds.
static void update_summon_hold(int p)
{
    Fighter *f = &fighters[p];
    if (summon_phase == SUMMON_NONE)
        return;
    const bool right = f->action == ACTION_WALK_FORWARD || f->action == ACTION_DASH_FORWARD;
    const bool left = f->action == ACTION_WALK_BACK || f->action == ACTION_DASH_BACK;
    if ((right && f->facing) || (left && !f->facing)) {
        f->action = ACTION_IDLE;
        fighter_skeleton(p)->action = ACTION_IDLE;
    } else if (f->guarding && ((f->action == ACTION_WALK_FORWARD && !f->facing) ||
                               (f->action == ACTION_WALK_BACK && f->facing))) {
        f->action = ACTION_GUARD_STAND;
    }
}

static void update_turning(Fighter *f)
{
    if (f->attack_state != ATTACK_STATE_NORMAL)
        return;
    if (f->action != ACTION_IDLE && f->action != ACTION_WALK_FORWARD && f->action != ACTION_WALK_BACK &&
        f->action != ACTION_CROUCH)
        return;
    if (!f->turned) {
        f->heading = f->facing ? HEADING_FACING_RIGHT : HEADING_FACING_LEFT;
        return;
    }
    if (f->facing) {
        f->heading += TURN_STEP;
        if (f->heading > 360.0f)
            f->heading = TURN_STEP;
        if (f->heading > 89.0f && f->heading < 270.0f)
            f->turned = 0;
    } else {
        if (f->heading < HEADING_FACING_LEFT)
            f->heading += TURN_STEP;
        if (f->heading >= HEADING_FACING_LEFT)
            f->turned = 0;
    }
}

// Moves side p by step along x (its sign the direction), pushing the other fighter when p
// walks into its body toward it and it stands on the ground: then both move by push, the
// other only while `push_other` allows. A step away from the opponent stops at a separation
// of 70.
struct Stride {
    f32 step;          // free step, signed
    f32 push;          // step of each while pushing, signed
    bool other_ahead_only;
};

static void stride(int p, const Stride &s, const ArenaLimits &limits, f32 separation)
{
    Fighter *f = &fighters[p];
    Fighter *o = &fighters[1 - p];
    const bool forward = s.step > 0.0f;
    const f32 reach = static_cast<f32>(o->body_half_width);
    const bool touching = forward ? f->pos_x >= o->pos_x - reach : f->pos_x <= o->pos_x + reach;
    const bool toward_opponent = forward == (f->facing != 0);
    if (touching && toward_opponent && o->posture != POSTURE_AIR) {
        if (can_move(f->pos_x, s.push, limits.own) && can_move(o->pos_x, s.push, limits.other)) {
            move_within(&f->pos_x, s.push, limits.own);
            const bool ahead = forward ? o->pos_x > f->pos_x : o->pos_x < f->pos_x;
            if (!s.other_ahead_only || ahead)
                move_within(&o->pos_x, s.push, limits.other);
        }
        return;
    }
    if (!toward_opponent && separation >= WALK_AWAY_MAX_SEPARATION)
        return;
    move_within(&f->pos_x, s.step, limits.own);
}

static void update_walk(int p, const ArenaLimits &limits, f32 separation)
{
    const Fighter *f = &fighters[p];
    if (f->action != ACTION_WALK_FORWARD && f->action != ACTION_WALK_BACK)
        return;
    const f32 sign = f->action == ACTION_WALK_FORWARD ? 1.0f : -1.0f;
    stride(p, {sign * f->walk_speed, sign * f->walk_speed * 0.5f, false}, limits, separation);
}

static void update_dash(int p, const ArenaLimits &limits, f32 separation)
{
    Fighter *f = &fighters[p];
    if ((f->action != ACTION_DASH_FORWARD && f->action != ACTION_DASH_BACK) || f->posture == POSTURE_AIR)
        return;
    const f32 sign = f->action == ACTION_DASH_FORWARD ? 1.0f : -1.0f;
    const f32 step = f->action_timer / 30.0f * DASH_STEP;
    stride(p, {sign * step, sign * step * 0.5f, true}, limits, separation);
    if (--f->action_timer <= 0) {
        f->action_timer = 0;
        fight_sound(SFX_LAND, PAN_LAND);
        f->action = ACTION_IDLE;
    }
}

// The forward moves carry their fighter toward the opponent by their own step.
static void update_lunge(int p, const ArenaLimits &limits, f32 separation)
{
    Fighter *f = &fighters[p];
    const i32 action = fighter_skeleton(p)->action;
    LungeKind kind = LUNGE_NONE;
    f32 step = 0.0f;
    if (action == ACTION_KICK_SWEEP && combat_character(f).sweep_lunges) {
        kind = LUNGE_TIMER;
        step = 1.0f / 30.0f;
    } else {
        const SpecialMove &move = special_move(action);
        if (move.lunge_near_only && separation >= WALK_AWAY_MAX_SEPARATION)
            return;
        kind = static_cast<LungeKind>(move.lunge);
        step = move.lunge_step;
    }
    if (kind == LUNGE_NONE)
        return;
    if (kind == LUNGE_TIMER)
        step *= f->action_timer;
    const f32 sign = toward_sign(f);
    stride(p, {sign * step, sign * step, false}, limits, separation);
    // The timed lunges end with their animation; their timer rests at 0 until then.
    if (kind == LUNGE_TIMER ? f->action_timer > 0 : f->action_timer > INT8_MIN)
        f->action_timer--;
}

// Lands a jump: facing again, the landing sound and pose, the buttons re-armed.
static void update_jump_landing(int p)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    update_facing(p);
    fight_sound(SFX_LAND, PAN_LAND);
    sk->attack_live = 0;
    sk->active_window = 0;
    if (f->action == ACTION_PETRIFIED || combat_character(f).heavy_landing)
        camera_shake = 2;
    if (f->action != ACTION_KO) {
        f->action = ACTION_IDLE;
        const u8 dir = input_dir[p];
        // Up still held: no landing pose, so the next jump can start at once.
        sk->action = (dir == DIR_UP || dir == DIR_UP_RIGHT || dir == DIR_UP_LEFT) ? ACTION_IDLE : ACTION_LANDING;
    }
    input_hard_swing_ready[p] = FIGHTER_FLAG_ON;
    input_low_swing_ready[p] = FIGHTER_FLAG_ON;
    input_kick_ready[p] = FIGHTER_FLAG_ON;
    f->posture = POSTURE_STAND;
    f->pos_z = 0.0f;
    f->jump_frame = 0;
}

// A straight jump into the other's body: the two part by 1.5 per tick, the jumper moving only
// when the other stands at its limit.
static void update_jump_separation(int p, const ArenaLimits &limits)
{
    Fighter *f = &fighters[p];
    Fighter *o = &fighters[1 - p];
    const f32 half = static_cast<f32>(o->body_half_width);
    if (f->action != ACTION_JUMP || !fighters_meet(p) || !(f->pos_x > o->pos_x - half && f->pos_x < o->pos_x + half))
        return;
    const f32 away = f->pos_x <= o->pos_x ? JUMP_SEPARATION_STEP : -JUMP_SEPARATION_STEP;
    if (!move_within(&o->pos_x, away, limits.other))
        move_within(&f->pos_x, -away, limits.own);
}

static void update_jump(int p, const ArenaLimits &limits, f32 separation)
{
    Fighter *f = &fighters[p];
    const Fighter *o = &fighters[1 - p];
    if (f->posture != POSTURE_AIR)
        return;
    if (f->jump_frame < 0)
        f->jump_frame = 0;
    if (++f->jump_frame >= JUMP_LANDING_FRAME) {
        update_jump_landing(p);
        return;
    }
    f->pos_z = jump_arc_table[f->jump_frame];
    if (f->jump_frame > JUMP_FALLS_STRAIGHT_AFTER && fighters_meet(p) && f->action != ACTION_KO)
        f->action = ACTION_JUMP;
    if (f->action == ACTION_JUMP_RIGHT || f->action == ACTION_JUMP_LEFT) {
        const f32 drift = f->action == ACTION_JUMP_RIGHT ? JUMP_DRIFT : -JUMP_DRIFT;
        const bool away = (drift > 0.0f) != (f->facing != 0);
        const bool blocked = o->jump_frame > 0 && fighters_meet(p);
        if (!blocked && (!away || separation < WALK_AWAY_MAX_SEPARATION))
            move_within(&f->pos_x, drift, limits.own);
    }
    update_jump_separation(p, limits);
}

// The hit light glows with the stun: white while guarding, warm otherwise.
static void update_hit_light(const Fighter *f)
{
    const f32 s = static_cast<f32>(f->hit_stun) / 30.0f;
    const GLfloat colour[4] = {f->guarding ? 2 * s : 3 * s, f->guarding ? 2 * s : 3 * s, f->guarding ? 2 * s : s, 1.0f};
    // The record too: the drawers re-send light 1 from it, and would otherwise show a stale colour.
    if (stage_light)
        memcpy(stage_light->light1_diffuse, colour, sizeof colour);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, colour);
}

// A fighter hit in the air hops on the hop arc, then falls; on the floor it stands up, or lies
// where a stun, an edge hit or a knock-out leaves it.
static void update_hit_hop(int p, const ArenaLimits &limits, f32 separation)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    if (f->posture != POSTURE_AIR)
        return;
    if (f->jump_frame < 0)
        f->jump_frame = 0;
    if (f->jump_frame <= HOP_RISE_LAST_FRAME) {
        f->pos_z = hop_arc_table[f->jump_frame] + f->hop_base_z;
        f->jump_frame++;
    } else {
        f->pos_z -= HOP_FALL_STEP;
        f->jump_frame = HOP_FALLING_FRAME;
    }
    if (separation < WALK_AWAY_MAX_SEPARATION)
        move_within(&f->pos_x, -toward_sign(f) * HIT_DRIFT, limits.own);
    if (!(f->pos_z < 0.0f))
        return;
    if (sk->action == ACTION_EDGE_HIT_AIR || sk->action == ACTION_STUNNED || sk->action == ACTION_KO) {
        camera_shake = 2;
        if (sk->action == ACTION_KO)
            f->pos_z = 0.0f;
    } else {
        f->pos_z = 0.0f;
        sk->attack_live = 0;
        sk->active_window = 0;
        if (f->action != ACTION_PETRIFIED)
            sk->action = ACTION_LANDING;
    }
    fight_sound(SFX_LAND, PAN_LAND);
    f->posture = POSTURE_STAND;
}

// The hit drives its fighter away from the opponent by the stun left; a fighter against its
// wall passes the push to the attacker instead.
static void update_knock_back(int p, const ArenaLimits &limits)
{
    Fighter *f = &fighters[p];
    if (f->hit_stun < 1)
        return;
    const bool heavy = f->hit_recoil == HIT_RECOIL_HEAVY || f->hit_recoil == HIT_RECOIL_FAR || f->action == ACTION_KO;
    const f32 amount = f->hit_stun / (heavy ? 60.0f : 180.0f);
    const f32 away = -toward_sign(f) * amount;
    const bool blocked = !can_move(f->pos_x, away, limits.own);
    if (!blocked && !(heavy && summon_phase != SUMMON_NONE)) {
        f->pos_x += away;
        return;
    }
    if (f->hit_recoil != HIT_RECOIL_FAR)
        move_within(&fighters[1 - p].pos_x, -away, limits.other);
}

static void update_edge_hit(int p, const ArenaLimits &limits)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    if (!at_limit(f->pos_x, limits.own) || f->hit_stun < EDGE_HIT_MIN_STUN || f->guarding ||
        f->action == ACTION_PETRIFIED || f->action == ACTION_KO || fighter_losing_head(p) ||
        summon_phase != SUMMON_NONE)
        return;
    const bool heavy = f->hit_recoil == HIT_RECOIL_HEAVY || f->hit_recoil == HIT_RECOIL_FAR;
    i32 reaction;
    if (f->posture == POSTURE_AIR) {
        if (!heavy && sk->action == ACTION_EDGE_HIT_AIR)
            return;
        reaction = ACTION_EDGE_HIT_AIR;
    } else {
        if (!heavy)
            return;
        reaction = ACTION_EDGE_HIT;
    }
    f->attack_state = ATTACK_STATE_STUNNED;
    camera_shake = 2;
    sk->action = reaction;
}

// The stun runs down (twice as fast behind a guard); once it is out, the reaction ends on the
// first tick the fighter stands on the floor.
static void update_hit_stun(Fighter *f)
{
    if (f->hit_stun >= 1) {
        f->hit_stun -= f->guarding ? 2 : 1;
        if (f->hit_stun < 0)
            f->hit_stun = 0;
    }
    if (f->hit_stun >= 1)
        return;
    if (f->posture != POSTURE_AIR)
        f->hit_recoil = HIT_RECOIL_NONE;
    glDisable(GL_LIGHT1);
    stage_light->hit_light_on = 0;
}

static void update_hit_reaction(int p, const ArenaLimits &limits, f32 separation)
{
    Fighter *f = &fighters[p];
    if (f->hit_recoil == HIT_RECOIL_NONE)
        return;
    update_hit_light(f);
    update_hit_hop(p, limits, separation);
    update_knock_back(p, limits);
    update_edge_hit(p, limits);
    update_hit_stun(f);
}

static void update_attack_age(int p)
{
    Fighter *f = &fighters[p];
    const Skeleton *sk = fighter_skeleton(p);
    if (sk->attack_live == FIGHTER_FLAG_ON && sk->active_window != 0)
        f->attack_age++;
    else
        f->attack_age = 0;
    if (f->posture != POSTURE_AIR)
        f->pos_z = 0.0f;
}

static void update_fighter(int p, f32 separation)
{
    Fighter *f = &fighters[p];
    update_clash_flash(p);                                    // 1. clash flash
    update_petrification(p);                                  // 2. stone skin
    const ArenaLimits limits = arena_limits(f, &fighters[1 - p]);   // 3. walls of this tick
    cpu_opponents[p].countdown--;                             // 4. computer reroll clock
    if (!fighter_skeleton(p)->attack_live && f->posture != POSTURE_AIR)
        update_facing(p);                                     // 5. facing
    if (fighter_is_cpu_side(p) && f->life > 0.0f)
        ai_think(p);                                          // 6. computer writes the inputs
    update_lingering_curse(p);                                // 7. a curse overrides them
    update_control(p);                                        // 8. gate, then player control
    update_cpu_dash(p);                                       // 9. computer's dash request
    update_summon_hold(p);                                    // 10. no advance during a summon
    if (f->hit_recoil == HIT_RECOIL_NONE && f->action != ACTION_PETRIFIED) {   // 11.
        update_turning(f);                                    // 12. turning round
        update_walk(p, limits, separation);                   // 13. walks and push-apart
        update_dash(p, limits, separation);                   // 14. dashes
        update_lunge(p, limits, separation);                  //     and lunges
        update_jump(p, limits, separation);                   // 15. jump arc and landing
    }
    update_hit_reaction(p, limits, separation);               // 16. hit reaction
    update_attack_age(p);                                     // 17. attack age, floor
}

void update_fighters()
{
    // The separation is taken once: both sides move against the same value this tick.
    const f32 separation = std::fabs(fighters[0].pos_x - fighters[1].pos_x);
    update_fighter(0, separation);
    update_fighter(1, separation);
}
