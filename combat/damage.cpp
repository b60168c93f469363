// Hit resolution: what a melee hit found by the hit detection does to both fighters (combo,
// guard, sounds, sparks and blood, damage, power, stun build-up, follow-ups) and the
// defender's reaction with the hit light, which projectile and summon hits share.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <GL/gl.h>
#include <cstdlib>

constexpr i8 HIT_STUN_TICKS = 30;
constexpr i32 HIT_FLASH_TICKS = 30;
constexpr i32 COMBO_DISPLAY_TICKS = 60;
constexpr i32 FOLLOWUP_TICKS = 30;
constexpr i8 STUN_GAIN_HEAVY = 2;
constexpr i8 STUN_GAIN_LIGHT = 1;

static const f32 HIT_LIGHT_STRUCK[4] = {2.0f, 2.0f, 0.5f, 1.0f};
const f32 HIT_LIGHT_BLOCKED[4] = {2.0f, 2.0f, 2.0f, 1.0f};

static Fighter *other_fighter(int p)
{
    return &fighters[1 - p];
}

// The struck body point's x and z; the defender's own place when it has no model.
static void struck_point_xz(int defender, int point, f32 *x, f32 *z)
{
    const Model *model = fighter_models[defender];
    if (!model || point < 0 || point >= MODEL_HIT_ZONES) {
        *x = fighters[defender].pos_x;
        *z = fighters[defender].pos_z;
        return;
    }
    *x = model->hit_zones[point].x;
    *z = model->hit_zones[point].z;
}

// A hit on a defender still reeling from the last one adds to the attacker's combo.
void hit_count_combo(int a)
{
    if (other_fighter(a)->hit_stun <= 0) {
        combo_hits[a] = 1;
        return;
    }
    combo_hits[a]++;
    if (combo_hits[a] >= 2 && combo_hits[a] > best_combo[a])
        best_combo[a] = combo_hits[a];
    if (combo_hits[a] > 1)
        combo_display_timer[a] = COMBO_DISPLAY_TICKS;
}

static void hit_stun_start(Fighter *d)
{
    d->hit_stun = HIT_STUN_TICKS;
    d->hit_flash = HIT_FLASH_TICKS;
}

// The posture rule of the guard: a standing guard does not hold against a crouching attacker,
// nor a crouching guard against an airborne one (unless the move is one it holds against).
static bool guard_posture_fails(const Fighter *d, const Fighter *a, bool low_guard_holds)
{
    if (d->posture == POSTURE_STAND && a->posture == POSTURE_CROUCH)
        return true;
    return d->posture == POSTURE_CROUCH && a->posture == POSTURE_AIR && !low_guard_holds;
}

static bool guard_holds(const Fighter *d, const Fighter *a, const MeleeMove &move, u8 rules)
{
    if (!d->guarding)
        return false;
    if (!(rules & HIT_RULE_POSTURE_GUARD))
        return true;
    return !guard_posture_fails(d, a, move.move_class == MOVE_CLASS_HEAVY && move.low_guard_holds);
}

// A connecting LOW SWING of a fighter with follow-ups re-arms the button for the next one.
static void hit_open_followup(int a, const MeleeMove &move)
{
    if (fighters[a].has_followups != 1 || move.followup_chain == 0)
        return;
    input_low_swing_ready[a] = FIGHTER_FLAG_ON;
    followup_chain[a] = move.followup_chain;
    followup_timer[a] = FOLLOWUP_TICKS;
}

void hurt_voice(const Fighter *d)
{
    switch (hit_character(d).voice) {
    case VOICE_FEMALE:
        sfx_stop(SFX_VOICE_HURT_FEMALE);
        fight_sound(SFX_VOICE_HURT_FEMALE, PAN_HIT);
        break;
    case VOICE_MALE:
        // Two voices of the same sample start together: the male cry is louder.
        sfx_stop(SFX_VOICE_HURT_MALE);
        fight_sound(SFX_VOICE_HURT_MALE, PAN_HIT);
        fight_sound(SFX_VOICE_HURT_MALE, PAN_HIT);
        break;
    default:
        break;
    }
}

void power_gain(int p, f32 gain)
{
    Fighter *f = &fighters[p];
    if (!(f->power < 1.0f) || summon_victim == (1 - p) + 1)
        return;
    f->power += gain;
    if (f->power >= 1.0f) {
        f->power = 1.0f;
        fight_sound(SFX_POWER_FULL, PAN_HIT);
    }
}

void stun_build_add(Fighter *d, int amount)
{
    const int value = d->stun_build + amount;
    d->stun_build = static_cast<i8>(value > INT8_MAX ? INT8_MAX : value);
}

// The damage of an unguarded hit and what follows from it: power, life, the head in play,
// the stun build-up.
static void hit_damage(int a, const MeleeMove &move)
{
    Fighter *att = &fighters[a];
    Fighter *d = other_fighter(a);
    f32 v = move.damage_index ? att->damage[move.damage_index] : 0.0f;
    power_gain(a, POWER_GAIN_ATTACKER);
    power_gain(1 - a, POWER_GAIN_DEFENDER);
    v = v * (1.0f - d->damage[0]);
    if (!hit_character(d).heads)
        d->life -= v;
    d->head_life[fighter_head_index(d)] -= 2.0f * v;
    if (move.move_class == MOVE_CLASS_LIGHT) {
        stun_build_add(d, STUN_GAIN_LIGHT);
        return;
    }
    if (move.stun_set)
        d->stun_build = move.stun_set;
    else if (move.action == ACTION_HARD_SWING_FORWARD && hit_character(att).forward_swing_stuns)
        d->stun_build = 10;
    stun_build_add(d, STUN_GAIN_HEAVY);
}

// Steps 3 to 6 of a hit of side a's move on the other side at (x, z): nothing for a move of
// no class; else follow-ups, guard, sounds, sparks or blood, damage.
static void hit_strike(int a, f32 x, f32 z, u8 rules)
{
    Fighter *att = &fighters[a];
    Fighter *d = other_fighter(a);
    const MeleeMove &move = melee_move(fighter_skeleton(a)->action);
    if (move.move_class == MOVE_CLASS_OTHER)
        return;
    const MoveClassInfo &cls = move_classes[move.move_class];
    if (move.move_class == MOVE_CLASS_LIGHT)
        hit_open_followup(a, move);   // guarded or not
    sfx_stop(cls.swing_sound);
    if (guard_holds(d, att, move, rules)) {
        hit_sparks_start(x, z);
        sfx_play(SFX_GUARD, static_cast<int>(effects_volume), PAN_HIT,
                 GUARD_PITCH_LOW + rand() % GUARD_PITCH_SPREAD);
        d->hit_recoil = cls.recoil;
        return;
    }
    d->guarding = 0;
    fight_sound(cls.hit_sound, PAN_HIT);
    if (move.move_class == MOVE_CLASS_HEAVY)
        hurt_voice(d);
    if (blood && move.bleeds)
        hit_blood_start(1 - a, x, z);
    hit_damage(a, move);
    d->hit_recoil = cls.recoil;
}

// The defender turns to face its attacker at once.
static void reaction_turn(Fighter *d, const Fighter *a)
{
    const u8 facing = d->pos_x <= a->pos_x ? 1 : 0;
    if (facing != d->facing) {
        d->facing = facing;
        d->turned = 1;
    }
    fighter_fix_heading(d);
}

// The defender's own attack is cut off and it stands idle; the reaction lives in its skeleton.
static void reaction_start(int defender, f32 x, f32 z)
{
    Fighter *d = &fighters[defender];
    glEnable(GL_LIGHT1);
    fighter_skeleton(defender)->attack_live = 0;
    d->aura = AURA_FADING;
    stage_light->hit_light_on = 1;
    d->hit_x = x;
    d->hit_z = z;
    if (!fighter_losing_head(defender))
        d->action = ACTION_IDLE;
}

// Posture's reaction: its first pose, or its twin when the first is already showing, so that
// a second hit restarts the animation. Airborne reactions hop from where the fighter is.
struct ReactionPoses {
    i32 stand, stand_b, crouch, crouch_b, air, air_b;
};
static const ReactionPoses BLOCK_POSES = {ACTION_BLOCK_STAND, ACTION_BLOCK_STAND_B, ACTION_BLOCK_CROUCH,
                                          ACTION_BLOCK_CROUCH_B, ACTION_BLOCK_AIR, ACTION_BLOCK_AIR_B};
static const ReactionPoses HIT_POSES = {ACTION_HIT_STAND, ACTION_HIT_STAND_B, ACTION_HIT_CROUCH,
                                        ACTION_HIT_CROUCH_B, ACTION_HIT_AIR, ACTION_HIT_AIR_B};

static void reaction_pose(int defender, const ReactionPoses &poses)
{
    Fighter *d = &fighters[defender];
    Skeleton *sk = fighter_skeleton(defender);
    if (fighter_losing_head(defender))
        return;
    i32 first = poses.stand, twin = poses.stand_b;
    if (d->posture == POSTURE_AIR) {
        d->hop_base_z = d->pos_z;
        d->jump_frame = 0;
        first = poses.air;
        twin = poses.air_b;
    } else if (d->posture == POSTURE_CROUCH) {
        first = poses.crouch;
        twin = poses.crouch_b;
    }
    sk->action = sk->action == first ? twin : first;
}

void hit_light_aim(const f32 colour[4], f32 x, f32 z)
{
    static const GLfloat dark[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    for (int i = 0; i < 4; i++)
        stage_light->light1_diffuse[i] = colour[i];
    stage_light->light1_position[0] = x;
    stage_light->light1_position[1] = 0.0f;
    stage_light->light1_position[2] = z;
    stage_light->light1_position[3] = 1.0f;
    glLightfv(GL_LIGHT1, GL_AMBIENT, dark);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, stage_light->light1_diffuse);
    glLightfv(GL_LIGHT1, GL_POSITION, stage_light->light1_position);
}

void apply_hit_reaction(int defender, int attacker, f32 x, f32 z, u8 rules)
{
    Fighter *d = &fighters[defender];
    const Fighter *a = &fighters[attacker];
    reaction_turn(d, a);
    reaction_start(defender, x, z);
    // KEEP: the pose takes the posture rule without the specials a crouching guard holds
    // against, so such a block still shows a hit.
    const bool blocked = d->guarding && (!(rules & HIT_RULE_POSTURE_GUARD) || !guard_posture_fails(d, a, false));
    if (blocked) {
        reaction_pose(defender, BLOCK_POSES);
    } else {
        reaction_pose(defender, HIT_POSES);
        if ((rules & HIT_RULE_SWEEP_KNOCKDOWN) && fighter_skeleton(attacker)->action == ACTION_KICK_SWEEP &&
            !hit_character(d).sweep_proof && d->posture != POSTURE_AIR && !fighter_losing_head(defender)) {
            fighter_skeleton(defender)->action = ACTION_KNOCKDOWN;
            d->attack_state = ATTACK_STATE_NORMAL;
        }
    }
    fighter_skeleton(defender)->active_window = 0;
    hit_light_aim(blocked ? HIT_LIGHT_BLOCKED : HIT_LIGHT_STRUCK, x, z);
}

void apply_melee_hit(int a, int struck_point, u8 rules)
{
    const int defender = 1 - a;
    f32 x, z;
    struck_point_xz(defender, struck_point, &x, &z);
    hit_count_combo(a);
    fighters[a].hit_lock = FIGHTER_FLAG_ON;
    hit_stun_start(&fighters[defender]);
    hit_strike(a, x, z, rules);
    apply_hit_reaction(defender, a, x, z, rules);
}

// Both struck at once: each hit is resolved on its own, then both react with the hit pose
// (never a block or a knock-down) under one hit light at side one's struck point.
void apply_trade_hits(int point_on_side_two, int point_on_side_one)
{
    f32 x[2], z[2];
    struck_point_xz(0, point_on_side_one, &x[0], &z[0]);
    struck_point_xz(1, point_on_side_two, &x[1], &z[1]);
    hit_count_combo(0);
    hit_count_combo(1);
    hit_stun_start(&fighters[0]);
    hit_stun_start(&fighters[1]);
    hit_strike(0, x[1], z[1], HIT_RULE_GUARD_ALONE);
    hit_strike(1, x[0], z[0], HIT_RULE_GUARD_ALONE);
    reaction_turn(&fighters[1], &fighters[0]);
    reaction_turn(&fighters[0], &fighters[1]);
    for (int p = 0; p < 2; p++) {
        reaction_start(p, x[p], z[p]);
        reaction_pose(p, HIT_POSES);
        fighter_skeleton(p)->active_window = 0;
    }
    hit_light_aim(HIT_LIGHT_STRUCK, x[0], z[0]);
}
