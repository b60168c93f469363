// Player control: once per fight tick per side, the side's input bytes become what its fighter
// does (walk, dash, jump, crouch, guard, an attack, a special move or the super move). The
// computer opponent plays through the same bytes, so the same rules hold for both sides.
#include "combat/combat.h"

#include "combat/combat_local.h"

constexpr i16 HOLD_WINDOW_TICKS = 120;
constexpr i16 TAP_WINDOW_TICKS = 30;
constexpr i8 SWEEP_TICKS = 30;
constexpr i8 SPECIAL_TICKS = 40;
constexpr i8 LONG_SPECIAL_TICKS = 100;
constexpr int PAN_CENTRE = 128;
constexpr int PAN_SUPER = 127;
constexpr int SOUND_OWN_PITCH = 1000;

void fight_sound(int sound, int pan)
{
    sfx_play(sound, static_cast<int>(effects_volume), pan, SOUND_OWN_PITCH);
}

// Where each button's bytes live, so one routine can test any of them.
struct Button {
    u8 *held;
    u8 *ready;
};

static Button button_hard_swing(int p) { return {&input_hard_swing[p], &input_hard_swing_ready[p]}; }
static Button button_low_swing(int p) { return {&input_low_swing[p], &input_low_swing_ready[p]}; }
static Button button_kick(int p) { return {&input_kick[p], &input_kick_ready[p]}; }

// The actions from which a fighter may move or fall back to idle.
static bool action_is_free(i32 action)
{
    switch (action) {
    case ACTION_IDLE:
    case ACTION_WALK_FORWARD:
    case ACTION_WALK_BACK:
    case ACTION_CROUCH:
    case ACTION_GUARD_STAND:
    case ACTION_GUARD_CROUCH:
        return true;
    default:
        return false;
    }
}

// The opponent's attack is live, a summon runs or the opponent's projectile flies.
bool fighter_threatened(int p)
{
    const int other = 1 - p;
    return fighter_skeleton(other)->attack_live != 0 || summon_phase != SUMMON_NONE ||
           projectile_in_flight[other] != 0;
}

void fighter_fix_heading(Fighter *f)
{
    if (f->turned != 1)
        return;
    f->turned = 0;
    f->heading = f->facing ? HEADING_FACING_RIGHT : HEADING_FACING_LEFT;
}

// Medusa's and Atropos's hold moves count LOW SWING presses within a 120-tick window.
static void control_count_presses(int p)
{
    Fighter *f = &fighters[p];
    if (f->hit_recoil != HIT_RECOIL_NONE)
        return;
    if (input_low_swing[p] == 0) {
        latch_low_swing[p] = 0;
        return;
    }
    if (!combat_character(f).hold_moves || latch_low_swing[p] != 0)
        return;
    if (f->hold_timer < 1) {
        f->hold_timer = HOLD_WINDOW_TICKS;
        f->press_count = 0;
    } else {
        f->press_count++;
    }
    latch_low_swing[p] = -1;
}

// A completed command that was not answered in time empties the history and the recognisers.
static void control_count_windows(int p)
{
    Fighter *f = &fighters[p];
    if (f->command_window > 0 && --f->command_window < 1) {
        f->command_window = 0;
        f->dir_count = 0;
        reset_motion_commands(p);
    }
    if (f->tap_window > 0 && --f->tap_window < 1) {
        f->tap_window = 0;
        f->tap_count = 0;
    }
}

static int newest_tap(const Fighter *f)
{
    return f->tap_count > 0 ? f->tap_history[f->tap_count - 1] : -1;
}

// With nothing pressed, a walking, crouching or guarding fighter stands idle again; the
// release is noted in the tap history, as the middle of a double tap.
static void control_return_to_idle(int p)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    if (f->hit_recoil != HIT_RECOIL_NONE || input_dir[p] != DIR_NONE || f->attack_state != ATTACK_STATE_NORMAL ||
        sk->action == ACTION_LANDING || !action_is_free(f->action))
        return;
    sk->action = ACTION_IDLE;
    f->posture = POSTURE_STAND;
    f->action = ACTION_IDLE;
    if (f->tap_count >= 1 && newest_tap(f) != DIR_NONE)
        fighter_note_tap(f, DIR_NONE);
}

// The last three taps are code, release, code: a double tap.
static bool control_double_tapped(const Fighter *f, int code)
{
    if (f->tap_window < TAP_WINDOW_DASH_MIN || f->tap_count <= 2)
        return false;
    const i16 *last = &f->tap_history[f->tap_count - 3];
    return last[0] == code && last[1] == DIR_NONE && last[2] == code;
}

static void control_start_dash(int p, int code)
{
    Fighter *f = &fighters[p];
    f->action = code == DIR_RIGHT ? ACTION_DASH_FORWARD : ACTION_DASH_BACK;
    fighter_skeleton(p)->action = code == fighter_toward(f) ? ACTION_DASH_FORWARD : ACTION_DASH_BACK;
    f->action_timer = DASH_TICKS;
    f->tap_count = 0;
    fighter_fix_heading(f);
}

// Left or right: walk, guard while threatened, or dash on a double tap. Returns true when a
// dash started, which ends the control for this tick.
static bool control_walk(int p, int code)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    const int other = 1 - p;
    const bool away = code == fighter_away(f);
    f->posture = POSTURE_STAND;
    f->guarding = 0;
    sk->action = away ? ACTION_WALK_BACK : ACTION_WALK_FORWARD;
    if (away && fighter_threatened(p)) {
        sk->action = ACTION_GUARD_STAND;
        f->action = ACTION_GUARD_STAND;
        f->guarding = FIGHTER_FLAG_ON;
    }
    if (f->tap_count == 0 || newest_tap(f) != code)
        fighter_note_tap(f, code);
    if (!combat_character(f).grounded && control_double_tapped(f, code)) {
        control_start_dash(p, code);
        return true;
    }
    const i32 walk = code == DIR_RIGHT ? ACTION_WALK_FORWARD : ACTION_WALK_BACK;
    if (f->action == walk) {
        // A held walk runs the window down twice as fast.
        if (f->tap_window > 0 && --f->tap_window < 1) {
            f->tap_window = 0;
            f->tap_count = 0;
        }
    } else {
        f->tap_window = TAP_WINDOW_TICKS;
        f->tap_count = 0;
    }
    // KEEP: a guard against a live attack or a flying projectile holds; one against a summon
    // alone gives way to the walk on the fighter's record.
    if (!(away && (fighter_skeleton(other)->attack_live != 0 || projectile_in_flight[other] != 0)))
        f->action = walk;
    return false;
}

static void control_crouch(int p, int code)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    if (code == DIR_DOWN) {
        if (f->hit_recoil == HIT_RECOIL_NONE) {
            f->posture = POSTURE_CROUCH;
            sk->action = ACTION_CROUCH;
            f->action = ACTION_CROUCH;
        }
        if (f->tap_window >= 1 && newest_tap(f) != DIR_DOWN)
            fighter_note_tap(f, DIR_DOWN);
        return;
    }
    if (f->hit_recoil != HIT_RECOIL_NONE)
        return;
    f->posture = POSTURE_CROUCH;
    const bool guard = code == fighter_down_away(f) && fighter_threatened(p);
    if (guard)
        f->guarding = FIGHTER_FLAG_ON;
    sk->action = guard ? ACTION_GUARD_CROUCH : ACTION_CROUCH;
    f->action = sk->action;
    if (f->tap_count >= 1 && newest_tap(f) != code)
        fighter_note_tap(f, code);
}

// The jump itself (arc, drift, landing) is run by the fighter update.
static void control_jump(int p, int code)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    if (sk->attack_live != 0 || f->hit_recoil != HIT_RECOIL_NONE || f->action == ACTION_PETRIFIED ||
        f->action == ACTION_DASH_FORWARD || f->action == ACTION_DASH_BACK || !(sk->phase > 0.0f))
        return;
    sk->attack_live = 0;
    f->posture = POSTURE_AIR;
    f->guarding = 0;
    f->jump_frame = 0;
    sk->action = ACTION_JUMP;
    fighter_fix_heading(f);
    f->action = code == DIR_UP_RIGHT ? ACTION_JUMP_RIGHT : (code == DIR_UP_LEFT ? ACTION_JUMP_LEFT : ACTION_JUMP);
}

// Returns true when the control for this tick ends here (a dash started).
static bool control_move(int p)
{
    Fighter *f = &fighters[p];
    if (f->attack_state != ATTACK_STATE_NORMAL || f->action == ACTION_PETRIFIED || !(f->life > 0.0f) ||
        !action_is_free(f->action))
        return false;
    const int code = input_dir[p];
    const bool grounded = combat_character(f).grounded;
    switch (code) {
    case DIR_LEFT:
    case DIR_RIGHT:
        return f->hit_recoil == HIT_RECOIL_NONE && control_walk(p, code);
    case DIR_DOWN:
    case DIR_DOWN_LEFT:
    case DIR_DOWN_RIGHT:
        if (!grounded)
            control_crouch(p, code);
        return false;
    case DIR_UP:
    case DIR_UP_LEFT:
    case DIR_UP_RIGHT:
        if (!grounded)
            control_jump(p, code);
        return false;
    default:
        return false;
    }
}

static bool button_qualifies(int p, Button button)
{
    const Fighter *f = &fighters[p];
    return *button.held == FIGHTER_FLAG_ON && *button.ready == FIGHTER_FLAG_ON && f->hit_recoil == HIT_RECOIL_NONE &&
           f->action != ACTION_PETRIFIED && f->attack_state < ATTACK_STATE_STUNNED &&
           fighter_skeleton(p)->attack_live == 0;
}

static void control_swing_sound(const Fighter *f, int sound)
{
    if (combat_character(f).swing_sound)
        fight_sound(sound, PAN_CENTRE);
}

// Sets both records' action, or only the skeleton's while airborne (the fighter keeps its
// jump, which the jump arc goes on reading).
static void control_set_attack(int p, i32 action, i32 air_action)
{
    Fighter *f = &fighters[p];
    if (f->posture == POSTURE_AIR) {
        fighter_skeleton(p)->action = air_action;
        return;
    }
    fighter_skeleton(p)->action = action;
    f->action = action;
}

// The aura of a special move: the fighter glows while it runs.
static void control_start_aura(int p)
{
    fighters[p].aura = AURA_EMITTING;
    fx_fighter_aura(fx_aura_pool(p), FX_INIT, p);
}

// Odysseus's and Hippolyte's throws leave the hand at once.
struct ThrowShape {
    i32 move;
    f32 height, size_x, size_y, size_z, speed;
};
static const ThrowShape throw_shapes[] = {
    // move                     height size x  y     z     speed
    {ACTION_ODYSSEUS_SPECIAL2,  11.0f, 12.0f, 12.0f, 14.0f, 0.5f},
    {ACTION_HIPPOLYTE_SPECIAL2, 13.5f, 5.0f,  5.0f,  2.5f,  0.75f},
};

static void control_throw(int p, i32 move)
{
    const Fighter *f = &fighters[p];
    for (const ThrowShape &shape : throw_shapes) {
        if (shape.move != move)
            continue;
        Projectile *proj = &projectiles[p];
        proj->move_id = move;
        proj->kind = PROJECTILE_STRAIGHT;
        proj->direction = f->facing;
        proj->lock = 0;
        proj->flat = 1;
        proj->texture_set = 0;
        proj->frame = 0;
        proj->pos[0] = f->pos_x;
        proj->pos[1] = f->pos_y;
        proj->pos[2] = shape.height;
        proj->size[0] = shape.size_x;
        proj->size[1] = shape.size_y;
        proj->size[2] = shape.size_z;
        proj->speed = shape.speed;
        proj->life = 1.0f;
        proj->decay = 0.01f;
        projectile_launched(p);
    }
}

// Starts a special move by its row, unless its thrower's projectile is still flying.
static void control_start_move(int p, i32 move)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    const SpecialMove &row = special_move(move);
    const bool throws = row.kind == SPECIAL_THROW || row.kind == SPECIAL_LAUNCH;
    if (row.kind == SPECIAL_NONE || (throws && projectile_in_flight[p]))
        return;
    f->action = move;
    sk->action = move;
    sk->attack_live = FIGHTER_FLAG_ON;
    switch (row.kind) {
    case SPECIAL_LONG_MELEE:
    case SPECIAL_MELEE:
        input_hard_swing_ready[p] = 0;
        if (row.kind == SPECIAL_MELEE)
            input_low_swing_ready[p] = 0;
        f->action_timer = row.kind == SPECIAL_MELEE ? SPECIAL_TICKS : LONG_SPECIAL_TICKS;
        f->tap_count = 0;
        control_start_aura(p);
        break;
    case SPECIAL_LEAP:
        input_hard_swing_ready[p] = 0;
        input_low_swing_ready[p] = 0;
        input_dir[p] = DIR_NONE;
        control_start_aura(p);
        break;
    case SPECIAL_LOW:
        input_hard_swing_ready[p] = 0;
        f->posture = POSTURE_CROUCH;
        control_start_aura(p);
        break;
    case SPECIAL_THROW:
        control_throw(p, move);
        break;
    default:
        break;
    }
    if (row.trail_reset)
        fx_projectile_trail_reset(p);
    if (row.sound)
        fight_sound(SFX_SPECIAL, PAN_CENTRE);
}

// The super move hands the fight to the summon sequence.
static void control_start_super(int p)
{
    Fighter *f = &fighters[p];
    summoner = p;
    summon_phase = SUMMON_FADE_OUT;
    fighter_skeleton(p)->action = ACTION_IDLE;
    f->action = ACTION_IDLE;
    input_dir[p] = DIR_NONE;
    if (!combat_character(f).super_keeps_power)
        f->power = 0.0f;
    fight_sound(SFX_SUPER, PAN_SUPER);
}

// A special-move code from a completed command: the super move, the character's move for that
// command, or nothing (a command the character has no move for is used up all the same).
static void control_special(int p, i32 code)
{
    Fighter *f = &fighters[p];
    f->posture = POSTURE_STAND;
    reset_motion_commands(p);
    const MotionCommand command = special_code_command(code);
    if (command == COMMAND_SUPER) {
        control_start_super(p);
        return;
    }
    if (command != COMMAND_COUNT)
        control_start_move(p, combat_character(f).specials[command]);
    f->dir_count = 0;
    fighter_fix_heading(f);
}

static void control_hard_swing(int p)
{
    Fighter *f = &fighters[p];
    const i32 code = f->special_cooldown < 1 ? choose_special_move(p) : SPECIAL_CODE_NONE;
    if (code != SPECIAL_CODE_NONE) {
        control_special(p, code);
        return;
    }
    fighter_skeleton(p)->attack_live = FIGHTER_FLAG_ON;
    input_hard_swing_ready[p] = 0;
    if (f->posture == POSTURE_CROUCH)
        control_set_attack(p, ACTION_HARD_SWING_CROUCH, ACTION_HARD_SWING_AIR);
    else
        control_set_attack(p, input_dir[p] == fighter_toward(f) ? ACTION_HARD_SWING_FORWARD : ACTION_HARD_SWING,
                           ACTION_HARD_SWING_AIR);
    control_swing_sound(f, SFX_SWING_HARD);
}

// Standing LOW SWING: pressing away gives the second swing; a fighter with follow-ups chains
// into the third after a connecting first swing and shows every chain step as 8 on its record.
static void control_low_swing_standing(int p)
{
    Fighter *f = &fighters[p];
    Skeleton *sk = fighter_skeleton(p);
    const bool away = input_dir[p] == fighter_away(f);
    if (!f->has_followups) {
        f->action = sk->action = away ? ACTION_LOW_SWING_2 : ACTION_LOW_SWING;
        return;
    }
    f->action = ACTION_LOW_SWING;
    if (followup_chain[p] == 2)
        sk->action = ACTION_LOW_SWING_3;
    else if (followup_chain[p] == 0 && away)
        sk->action = ACTION_LOW_SWING_2;
    else
        sk->action = ACTION_LOW_SWING;
}

static void control_low_swing(int p)
{
    Fighter *f = &fighters[p];
    // KEEP: asked and ignored, so a computer side spends its random draws here too.
    choose_special_move(p);
    fighter_skeleton(p)->attack_live = FIGHTER_FLAG_ON;
    input_low_swing_ready[p] = 0;
    if (f->posture == POSTURE_CROUCH)
        control_set_attack(p, ACTION_LOW_SWING_CROUCH, ACTION_LOW_SWING_AIR);
    else if (f->posture == POSTURE_AIR)
        fighter_skeleton(p)->action = ACTION_LOW_SWING_AIR;
    else
        control_low_swing_standing(p);
    control_swing_sound(f, SFX_SWING_LOW);
}

static void control_kick(int p)
{
    Fighter *f = &fighters[p];
    control_swing_sound(f, SFX_SWING_KICK);
    fighter_skeleton(p)->attack_live = FIGHTER_FLAG_ON;
    input_kick_ready[p] = 0;
    if (f->posture == POSTURE_CROUCH) {
        const bool sweep = input_dir[p] == fighter_down_toward(f);
        control_set_attack(p, sweep ? ACTION_KICK_SWEEP : ACTION_KICK_CROUCH, ACTION_KICK_AIR);
        if (sweep)
            f->action_timer = SWEEP_TICKS;
    } else {
        control_set_attack(p, input_dir[p] == fighter_toward(f) ? ACTION_KICK_FORWARD : ACTION_KICK,
                           ACTION_KICK_AIR);
    }
}

// Without a button pressed, a guard held against a threat that has passed drops.
static void control_no_button(int p)
{
    Fighter *f = &fighters[p];
    if (f->guarding == FIGHTER_FLAG_ON && f->hit_recoil == HIT_RECOIL_NONE && !fighter_threatened(p)) {
        f->guarding = 0;
        f->action = ACTION_IDLE;
    }
    if (f->hit_recoil == HIT_RECOIL_NONE && f->guarding != 0)
        fighter_fix_heading(f);
}

// What every qualifying button does before its attack.
static void control_button_pressed(int p)
{
    Fighter *f = &fighters[p];
    f->guarding = 0;
    f->attack_age = 0;
    f->hit_lock = 0;
    fighter_skeleton(p)->active_window = 0;
    if (f->posture != POSTURE_AIR)
        fighter_fix_heading(f);
}

// The first qualifying button in the order HARD SWING, LOW SWING, KICK acts.
static void control_buttons(int p)
{
    if (button_qualifies(p, button_hard_swing(p))) {
        control_button_pressed(p);
        control_hard_swing(p);
    } else if (button_qualifies(p, button_low_swing(p))) {
        control_button_pressed(p);
        control_low_swing(p);
    } else if (button_qualifies(p, button_kick(p))) {
        control_button_pressed(p);
        control_kick(p);
    } else {
        control_no_button(p);
    }
}

void player_control(int p)
{
    if (fighters[p].action == ACTION_KO)
        return;
    control_count_presses(p);                        // 1. hold moves
    control_count_windows(p);                        // 2-3. command and tap windows
    fighter_note_direction(&fighters[p], input_dir[p]);   // 4. direction history
    control_return_to_idle(p);                       // 5. idle when nothing is pressed
    detect_motion_commands(p);                       // 6. recognisers see this tick's entry
    if (control_move(p))                             // 7. walk, crouch, jump; a dash ends the call
        return;
    control_buttons(p);                              // 8-9. attacks, specials, guard release
}
