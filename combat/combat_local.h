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

// A fight sound at the effects volume and the sample's own pitch.
void fight_sound(int sound, int pan);
