// combat_local.h: tables and helpers shared by the files of combat/; included by no other folder.
#pragma once

#include "combat/combat.h"
#include "engine/engine.h"

// ---- per-character combat rules (combat_tables.cpp) -------------------------------------
// What the shared control, update and camera code must know of each fighter; one row per
// character, so no rule tests a character id.
struct CombatCharacter {
    u8 grounded;              // 1: cannot jump, crouch, crouch-guard or dash (the Hydra)
    u8 swing_sound;           // 0: its attacks make no swing sound
    u8 hold_moves;            // 1: counts LOW SWING presses for its hold moves
    u8 heavy_landing;         // 1: the camera shakes when it lands from a jump
    u8 super_keeps_power;     // 1: its summon drains the gauge over time instead
    u8 sweep_lunges;          // 1: its crouching sweep carries it forward
    u8 cpu_long_special;      // 1: the computer rolls its toward-down-toward special in reach
    u8 cpu_spares_petrified;  // 1: the computer starts no special against a stone opponent
    u8 camera_heads;          // 1: the camera rises for it and bobs as it loses a head (the Hydra)
    f32 wall_margin;          // how much nearer its arena walls stand
    f32 camera_distance;      // the fight camera's base distance when it fights
    f32 camera_back;          // how far behind its x its body stands, where the camera frames it
    i32 specials[COMMAND_COUNT];   // move by completed command, 0 none (the super column unused)
};
extern const CombatCharacter combat_characters[];   // CHARACTER_COUNT rows

const CombatCharacter &combat_character(const Fighter *fighter);

// What starting a special move does besides setting the action, by kind.
enum SpecialKind : u8 {
    SPECIAL_NONE,
    SPECIAL_MELEE,         // 40-tick timed attack with an aura
    SPECIAL_LONG_MELEE,    // 100-tick timed attack with an aura
    SPECIAL_LEAP,          // leaves the ground in its animation
    SPECIAL_LOW,           // starts crouched
    SPECIAL_THROW,         // the projectile is launched at once by the control code
    SPECIAL_LAUNCH         // the projectile is launched later by the animation step
};

// How a move carries its fighter toward the opponent each tick.
enum LungeKind : u8 {
    LUNGE_NONE,
    LUNGE_FIXED,           // step per tick
    LUNGE_TIMER,           // action_timer x step per tick
};

struct SpecialMove {
    u8 kind;               // SpecialKind
    u8 trail_reset;        // 1: clears the side's projectile-trail effect as it starts
    u8 sound;              // 1: plays SFX_SPECIAL as it starts
    u8 lunge;              // LungeKind
    f32 lunge_step;
    u8 lunge_near_only;    // 1: lunges only while the fighters are less than 70 apart
};
constexpr i32 SPECIAL_FIRST = ACTION_JASON_SPECIAL1;
constexpr i32 SPECIAL_LAST = ACTION_MINOTAUR_SPECIAL1;
extern const SpecialMove special_moves[];    // one row per id SPECIAL_FIRST..SPECIAL_LAST

// The row of a special move id; a row of kind SPECIAL_NONE for any other action.
const SpecialMove &special_move(i32 action);

// ---- directions relative to facing (motion.cpp) ----------------------------------------
u8 fighter_toward(const Fighter *fighter);
u8 fighter_away(const Fighter *fighter);
u8 fighter_down_toward(const Fighter *fighter);
u8 fighter_down_away(const Fighter *fighter);

// ---- the fighter's skeleton, sounds and dash (control.cpp) -----------------------------
constexpr i8 DASH_TICKS = 20;
constexpr i16 TAP_WINDOW_DASH_MIN = 11;    // a dash's second tap comes while the window is this high

inline Skeleton *fighter_skeleton(int p)
{
    return fighter_skeletons[p];
}

// A Hydra losing a head plays the loss to its end whatever lands on it meanwhile: blows still
// count, flash and sound, but no reaction, stun, edge hit or petrifying takes its pose. The
// spent head stays in play until the loss lowers heads_left, so a loss cut short by a hit
// would start again at once, and again at every hit after.
inline bool fighter_losing_head(int p)
{
    return fighter_skeletons[p]->action == ACTION_HEAD_LOST;
}

// A fight sound at the effects volume and the sample's own pitch.
void fight_sound(int sound, int pan);

// ---- per-character hit rules and the melee moves (hit_tables.cpp) -----------------------
enum VoiceKind : u8 {
    VOICE_NONE,
    VOICE_MALE,        // hurt voice 14, started twice at once; knock-out voice 15
    VOICE_FEMALE       // hurt voice 23; knock-out voice 24
};

// What the hit code must know of each fighter; one row per character.
struct HitCharacter {
    u8 voice;                     // VoiceKind
    u8 kicks_with_weapon;         // 1: its kicks strike with the weapon points
    u8 sweep_proof;               // 1: never knocked down by a sweep
    u8 heads;                     // 1: fights with heads (the Hydra): hits spend the head in
                                  // play, not life; its points follow its heads; the last
                                  // head's knock-out ends the match
    u8 forward_swing_stuns;       // 1: its forward HARD SWING sets the stun build-up to 10
    i8 side_two_sweep_weapon_vs;  // on side two, against this character on side one, its
                                  // sweep strikes with the weapon points; -1 never
};
extern const HitCharacter hit_characters[];   // CHARACTER_COUNT rows

const HitCharacter &hit_character(const Fighter *fighter);

enum MoveClass : u8 {
    MOVE_CLASS_OTHER,      // no sound, no damage
    MOVE_CLASS_HEAVY,
    MOVE_CLASS_LIGHT,
    MOVE_CLASS_COUNT
};

// Sounds and knock-back by class.
struct MoveClassInfo {
    i8 hit_sound;          // played when the hit is not guarded, -1 none
    i8 swing_sound;        // stopped as the hit lands, -1 none
    u8 recoil;             // HitRecoil of the defender, guarded or not
};
extern const MoveClassInfo move_classes[];    // MOVE_CLASS_COUNT rows

// A move that can strike in melee, by the attacker's skeleton action.
struct MeleeMove {
    i32 action;
    u8 move_class;         // MoveClass
    u8 damage_index;       // the attacker's damage[] value; 0 none
    u8 kick;               // 1: strikes with the kick points
    u8 bleeds;             // 1: an unguarded hit draws blood (with blood on)
    i8 stun_set;           // stun build-up set to this before the + 2, 0 keeps it
    u8 low_guard_holds;    // 1: a crouching guard blocks it even from the air
    u8 followup_chain;     // a connecting hit opens this LOW SWING follow-up, 0 none
};
// The row of a skeleton action; an all-zero row of MOVE_CLASS_OTHER for any other action.
const MeleeMove &melee_move(i32 action);

// ---- effects the hit code starts (effects_pending.cpp until the effects land) -----------
// The guard's spark burst and the struck side's blood burst at (x, 0, z).
void hit_sparks_start(f32 x, f32 z);
void hit_blood_start(int side, f32 x, f32 z);

// ---- what the hit resolution shares with the summon hits (damage.cpp) --------------------
extern const f32 HIT_LIGHT_BLOCKED[4];        // the hit light's colour after a block
// The struck side's cry of pain, by its voice.
void hurt_voice(const Fighter *d);
// The hit light's colour and place in the arena's light record, given to GL light 1 at once.
void hit_light_aim(const f32 colour[4], f32 x, f32 z);

// ---- the gods' effects (summon_effects.cpp; drawn by summon_draw.cpp) ---------------------
// One piece of a god's effect. The Furies keep their state (0 fading in, 1 fading out) in
// dir[2] and their activity in life (1.0 active, 0 not).
struct SummonRecord {
    u8 struck;         // 1 once this piece has made its strike
    f32 pos[3];        // x (fight axis), y (depth), z (height)
    f32 dir[3];        // direction of travel
    f32 life;          // 1.0 at the spawn; 0 or less is skipped
    f32 phase;         // strike progress, fade, or spin angle in degrees, by effect
    f32 speed;         // distance per tick along dir
};

constexpr int SUMMON_GAIA_RECORDS = 100;          // Jason's rocks (40) and Atropos's threads (100)
constexpr int SUMMON_SOLDIER_RECORDS = 20;
constexpr int SUMMON_ARROW_RECORDS = 150;
constexpr int SUMMON_BEAM_RECORDS = 150;
constexpr int SUMMON_RING_RECORDS = 150;
constexpr int SUMMON_FURY_RECORDS = 3;
constexpr int SUMMON_SPRAY_PARTICLES = 300;

// Round lifetime in effect: every spawn starts its pool afresh.
extern SummonRecord summon_pool_gaia[SUMMON_GAIA_RECORDS];
extern SummonRecord summon_pool_soldiers[SUMMON_SOLDIER_RECORDS];
extern SummonRecord summon_pool_arrows[SUMMON_ARROW_RECORDS];
extern SummonRecord summon_pool_solar_beam[SUMMON_BEAM_RECORDS];
extern SummonRecord summon_pool_shockwave[SUMMON_RING_RECORDS];   // impact rings: x and life
extern SummonRecord summon_pool_furies[SUMMON_FURY_RECORDS];
extern Particle summon_pool_wave[SUMMON_SPRAY_PARTICLES];
extern Particle summon_pool_hurricane[SUMMON_SPRAY_PARTICLES];
extern i32 summon_record_count;   // live records of the running volley effect
extern i32 summon_spawn_timer;    // ticks since the last volley spawn
extern i32 summon_impact_count;   // impact rings in use

// What a character's summon spawns, steps and draws.
enum SummonEffect : u8 {
    SUMMON_EFFECT_NONE,          // the curses: nothing besides the god's picture
    SUMMON_EFFECT_ROCKS,         // Demeter's rocks and their impact rings
    SUMMON_EFFECT_SOLDIERS,      // Athena's army
    SUMMON_EFFECT_ARROWS,        // Artemis's arrows
    SUMMON_EFFECT_LIGHTNING,     // Zeus's lightning
    SUMMON_EFFECT_BEAMS,         // Apollo's sun beams and their rings
    SUMMON_EFFECT_WAVE,          // Poseidon's wave and its spray
    SUMMON_EFFECT_FURIES,        // the three Furies
    SUMMON_EFFECT_HURRICANE,     // Hera's hurricane and its smoke
    SUMMON_EFFECT_GHOSTS,        // Hades's ghost cone
    SUMMON_EFFECT_THREADS        // the Moirai's threads
};

// How the sequence strikes by itself, besides what the effect's pieces strike.
enum SummonStrike : u8 {
    SUMMON_STRIKE_NONE,
    SUMMON_STRIKE_ONCE,          // one strike past the threshold (the wave, the hurricane)
    SUMMON_STRIKE_CYCLE,         // one strike every 10 ticks past the threshold
    SUMMON_STRIKE_CURSE          // the curse: held on the victim, turned away by a guard
};

// How the god's figure moves during the effect.
enum SummonFigure : u8 {
    SUMMON_FIGURE_NONE,
    SUMMON_FIGURE_REST,          // drawn in its rest pose
    SUMMON_FIGURE_WAVE,
    SUMMON_FIGURE_HURRICANE,
    SUMMON_FIGURE_LIGHTNING
};

// One row per character: the summon's timing, sound, strikes, figure and effect.
struct SummonRule {
    f32 timer_step;        // summon_timer per effect tick
    f32 grounded_step;     // added while the opponent is not airborne
    i8 sound;              // played on the first effect tick, -1 none
    u8 sound_loud;         // 1: at twice the effects volume
    i16 frequency;
    u8 scrolls;            // 1: the figure's texture scrolls
    u8 shakes;             // 1: the camera shakes
    u8 strike;             // SummonStrike
    f32 strike_after;      // summon_timer past which the sequence strikes
    u8 figure;             // SummonFigure
    i8 model;              // summon_models entry of the god's figure, -1 none
    u8 effect;             // SummonEffect
    f32 curse_drain;       // power drained per tick while its curse lingers
};
extern const SummonRule summon_rules[];     // CHARACTER_COUNT rows
const SummonRule &summon_rule(int side);
// The god's figure of side `side`'s character, null when it has none or it is not loaded.
Model *summon_model(int side);

// The effect of side `side`'s character: its spawn (mode FX_INIT) or one step (FX_STEP).
void summon_effect_update(int side, int mode);
// The key stepper of a figure skeleton: key_ticks, phase, and keys wrapping in their range.
void summon_anim_step_wave(Skeleton *skeleton);
void summon_anim_step_hurricane(Skeleton *skeleton);
void summon_anim_step_linger(Skeleton *skeleton);
void summon_anim_step_lightning(Skeleton *skeleton);
// A model's vertex for an effect to rise from: `wanted` when the model has it, else its
// last; false for a model without vertices, with the point and normal at zero.
bool summon_model_vertex(const Model *model, int wanted, bool rest, f32 out[3], f32 normal[3]);
// The effects one by one, mode FX_INIT or FX_STEP (the rings only step).
void summon_gaia_update(int side, int mode);
void summon_shockwave_update();
void summon_soldiers_update(int side, int mode);
void summon_arrows_update(int side, int mode);
void summon_solar_beam_update(int side, int mode);
void summon_furies_update(int side, int mode);
void summon_thread_update(int side, int mode);
void summon_wave_particles(Particle *pool, int mode, const Model *wave);
void summon_hurricane_particles(Particle *pool, int mode, const Model *hurricane);

// ---- what the hit resolution shares with the projectile hits (damage.cpp) ----------------
// Side a's combo after a hit on a defender still reeling, or a new count of 1.
void hit_count_combo(int a);
// Side p's power rises by gain below full, unless its own curse lingers on the other side.
void power_gain(int p, f32 gain);
void stun_build_add(Fighter *d, int amount);
constexpr f32 POWER_GAIN_ATTACKER = 0.1f;
constexpr f32 POWER_GAIN_DEFENDER = 0.15f;
constexpr int PAN_HIT = 127;
constexpr int GUARD_PITCH_LOW = 900;
constexpr int GUARD_PITCH_SPREAD = 200;

// ---- projectile lock (projectiles.cpp) --------------------------------------------------
// The projectile of side p has struck: it strikes no more until the step clears the lock.
void projectile_lock_set(int p);

// ---- camera-facing quads of the effect and flash drawers (effects_draw.cpp) ----------------
struct CameraAxes {
    f32 right[3];    // the camera's right vector in world space
    f32 up[3];       // its up vector
};
// The camera's axes from the first two rows of the current model-view matrix.
CameraAxes camera_axes_read();
// Sends one quad, inside glBegin(GL_QUADS), round p: corners p + half x (-R - U), (R - U),
// (R + U), (U - R), per axis, each then shifted by `shift` on every axis; tex[k] at corner k.
void facing_quad_send(const CameraAxes &c, const f32 p[3], const f32 half[3], const f32 tex[4][2], f32 shift);
