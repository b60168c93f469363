// game.h: game flow (entry, start-up loader, main loop, game-state machine, frame drawer,
// HUD, input, cameras, shadows); used by combat/, characters/, arenas/, frontend/, story/.
#pragma once

#include "base/base.h"

// ---- player input (input.cpp) ----------------------------------------------------------
// Screen directions, clockwise from up; the fight control turns them into toward and away.
enum Direction : u8 {
    DIR_NONE,
    DIR_UP,
    DIR_UP_RIGHT,
    DIR_RIGHT,
    DIR_DOWN_RIGHT,
    DIR_DOWN,
    DIR_DOWN_LEFT,
    DIR_LEFT,
    DIR_UP_LEFT
};

// Per player (0 side one, 1 side two), refreshed by the input pass of every logic tick.
// Held bytes are 255 while the button is down; ready bytes are 255 once it was released and
// are cleared by the code that acts on a press; latches (0/1) make a screen act once per press.
extern u8 input_dir[2];
extern u8 input_hard_swing[2], input_low_swing[2], input_kick[2], input_start[2];
extern u8 input_hard_swing_ready[2], input_low_swing_ready[2], input_kick_ready[2], input_start_ready[2];
extern i32 latch_hard_swing[2], latch_low_swing[2], latch_kick[2], latch_start[2];

// ---- fighter record (fighter.cpp) ---------------------------------------------------
// One fighter in a fight: who it is, where it stands, what it does, how hurt it is, what its
// player's motion commands have built up, and its character's tuning values. Counters count
// logic ticks. Flags that read "255 while ..." are u8 set to FIGHTER_FLAG_ON.
constexpr u8 FIGHTER_FLAG_ON = 255;

constexpr int FIGHTER_DIR_HISTORY_SIZE = 512;
constexpr int FIGHTER_TAP_HISTORY_SIZE = 256;
constexpr int FIGHTER_HEAD_COUNT = 4;         // the Hydra's heads
// Tuning values read from data/<name>.txt: damage 0 is the defence, 1-18 the moves, 19 the
// summon; anim_rate 0 the walk, 1-14 the button attacks, 15 and 16 the specials.
constexpr int TUNING_DAMAGE_COUNT = 20;
constexpr int TUNING_RATE_COUNT = 19;
constexpr int TUNING_MOVE_COUNT = 18;         // move_param and move_flag

enum Posture : u8 {
    POSTURE_STAND = 0,
    POSTURE_CROUCH = 1,
    POSTURE_AIR = 2                           // no special move starts while airborne
};

// Kind of hit reaction under way (Fighter.hit_recoil); input is ignored while not none.
enum HitRecoil : u8 {
    HIT_RECOIL_NONE = 0,
    HIT_RECOIL_LIGHT = 1,
    HIT_RECOIL_HEAVY = 3,
    HIT_RECOIL_FAR = 99                       // projectile or summon hit
};

enum AttackState : i32 {
    ATTACK_STATE_NORMAL = 0,
    ATTACK_STATE_RECOVERING = 1,              // after a knock-down, edge hit or stun
    ATTACK_STATE_STUNNED = 2
};

enum AuraState : i32 {
    AURA_NONE = 0,
    AURA_EMITTING = 2,
    AURA_FADING = 3
};

// The motion-command recognisers, one state byte each in Fighter.command_state, stepped in
// this order.
enum MotionCommand : u8 {
    COMMAND_DOWN_TOWARD,                      // D, F or DF            done at 2
    COMMAND_DOWN_AWAY,                        // D, B or DB            done at 2
    COMMAND_AWAY_DOWN,                        // B or DB, D            done at 2
    COMMAND_TOWARD_DOWN_TOWARD,               // F, D, F or DF         done at 3
    COMMAND_TOWARD_AWAY_TOWARD,               // F or DF, B or DB, F or DF   done at 3
    COMMAND_SUPER,                            // D, F, D, F            done at 4
    COMMAND_COUNT
};

struct Fighter {
    i32 side;                    // 0 for fighters[0], 1 for fighters[1]; set once at start-up
    u8 posture;                  // Posture
    u8 hit_lock;                 // 255 once the current attack connected; cleared as one starts
    u8 hit_recoil;               // HitRecoil
    u8 turned;                   // 1 after facing changed, until the heading has turned
    u8 character;                // CharacterId 0-11
    i8 stun_build;               // stunned above 10
    u8 guarding;                 // 255 while guarding
    u8 facing;                   // 1 when facing +x (the opponent at the same or greater x)
    i8 body_half_width;          // push-apart half width
    i8 body_height;              // push-apart height
    i8 special_cooldown;         // ticks before the next special may start
    i8 hit_stun;                 // ticks of hit reaction left
    i8 action_timer;             // countdown of the current timed action
    i16 command_window;          // ticks left to answer a completed motion command
    i16 hold_timer;              // hold moves of LOW SWING (Medusa, Atropos)
    i16 tap_window;              // ticks left for the second tap of a dash
    i16 dir_history[FIGHTER_DIR_HISTORY_SIZE];   // entry n (from 1) at index n - 1
    i16 tap_history[FIGHTER_TAP_HISTORY_SIZE];   // entry n (from 1) at index n - 1
    i16 dir_count;               // number of the newest dir_history entry, 0..512
    i16 press_count;             // presses counted by the hold moves
    i16 jump_frame;              // frame of the current jump or hit hop
    f32 pos_x;                   // along the fight axis; the walls stand near +/-50
    f32 pos_y;                   // depth
    f32 pos_z;                   // height above the floor
    f32 rot_x, rot_y;            // degrees
    f32 heading;                 // degrees about z: 90 faces +x, 270 faces -x
    f32 hop_base_z;              // height at which the current hit hop began
    f32 walk_speed;              // world units per tick
    f32 life;                    // 1.0 full; knocked out below 0.001
    f32 life_shown;              // the lagging life the HUD draws
    i32 tap_count;               // number of the newest tap_history entry, 0..256
    i32 attack_state;            // AttackState
    i32 action;                  // ActionId
    i32 hit_flash;               // hit or guard flash level, 30 down to 0
    i32 has_followups;           // 1 when the LOW SWING follow-ups are allowed
    f32 power;                   // 0..1; above 0.999 the super move is available
    u8 command_state[COMMAND_COUNT];
    i16 effect_timer;            // petrification ticks left
    f32 damage[TUNING_DAMAGE_COUNT];     // each 0..1
    f32 anim_rate[TUNING_RATE_COUNT];    // key-duration factors
    f32 move_param[TUNING_MOVE_COUNT];
    u8 move_flag[TUNING_MOVE_COUNT];     // 0 or 1
    f32 head_life[FIGHTER_HEAD_COUNT];   // the Hydra's heads; index through fighter_head_index
    i32 heads_left;              // 4 down to 1
    i32 attack_age;              // ticks the current attack has had its window open
    i32 aura;                    // AuraState
    f32 hit_x;                   // where the last hit landed
    f32 hit_z;
};

// Program lifetime: zero from the start; `side` is set by the start-up loader, the rest by
// the round reset, the character loaders and the fight code.
extern Fighter fighters[2];              // side one first
extern Fighter select_fighter;           // places the figure on the select and biography screens

// The index of the Hydra's head in play, heads_left - 1 kept within 0..3 whatever
// heads_left holds.
int fighter_head_index(const Fighter *fighter);
