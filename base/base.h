// base.h: fixed-width integers, the tick rate and the ids every subsystem shares; included by every header.
#pragma once

#include <cstddef>
#include <cstdint>

typedef uint8_t u8;
typedef int8_t i8;
typedef uint16_t u16;
typedef int16_t i16;
typedef uint32_t u32;
typedef int32_t i32;
typedef float f32;

constexpr int TICKS_PER_SECOND = 60;

// The order indexes every per-character table (names, loaders, models, portraits).
enum CharacterId : int32_t {
    CHARACTER_JASON,
    CHARACTER_ODYSSEUS,
    CHARACTER_ATALANTA,
    CHARACTER_PERSEUS,
    CHARACTER_HIPPOLYTE,
    CHARACTER_POLYPHEMUS,
    CHARACTER_MINOTAUR,
    CHARACTER_MEDUSA,
    CHARACTER_SPHINX,
    CHARACTER_HYDRA,
    CHARACTER_ARES,
    CHARACTER_ATROPOS,
    CHARACTER_COUNT
};

enum StageId : int32_t {
    STAGE_ATHENS,
    STAGE_ATHENS2,
    STAGE_TROY,
    STAGE_ARCADIA,
    STAGE_THEATRE,
    STAGE_CRETE,
    STAGE_LABYRINTH,
    STAGE_THEBES,
    STAGE_HADES,
    STAGE_TEMPLE,
    STAGE_COUNT
};

// ---- fighter actions --------------------------------------------------------------
// A fighter's current action; the same numbers select its skeleton's animation. Walks and
// dashes differ between the two records: the fighter keeps the screen direction (odd values
// toward +x), the skeleton the facing-relative one (forward = toward the opponent). The
// special moves are numbered across the whole cast, so an id alone names its owner.
enum ActionId : int32_t {
    ACTION_IDLE = 0,
    ACTION_WALK_FORWARD = 1,
    ACTION_WALK_BACK = 2,
    ACTION_DASH_FORWARD = 3,
    ACTION_DASH_BACK = 4,
    ACTION_JUMP = 5,
    ACTION_CROUCH = 6,
    ACTION_HARD_SWING = 7,
    ACTION_LOW_SWING = 8,
    ACTION_KICK = 9,
    ACTION_HARD_SWING_CROUCH = 10,
    ACTION_LOW_SWING_CROUCH = 11,
    ACTION_KICK_CROUCH = 12,
    ACTION_HARD_SWING_AIR = 13,             // skeleton only: the fighter keeps its jump
    ACTION_LOW_SWING_AIR = 14,              // skeleton only
    ACTION_KICK_AIR = 15,                   // skeleton only
    ACTION_HIT_STAND = 16,
    ACTION_HIT_CROUCH = 17,
    ACTION_HIT_AIR = 18,
    ACTION_GUARD_STAND = 20,
    ACTION_GUARD_CROUCH = 21,
    ACTION_BLOCK_STAND = 23,
    ACTION_BLOCK_STAND_B = 24,
    ACTION_BLOCK_CROUCH = 25,
    ACTION_BLOCK_CROUCH_B = 26,
    ACTION_BLOCK_AIR = 27,
    ACTION_BLOCK_AIR_B = 28,
    ACTION_JUMP_RIGHT = 51,                 // fighter only: up and toward +x
    ACTION_JUMP_LEFT = 52,                  // fighter only: up and toward -x
    ACTION_LANDING = 53,
    ACTION_HARD_SWING_FORWARD = 77,
    ACTION_LOW_SWING_2 = 88,
    ACTION_LOW_SWING_3 = 89,
    ACTION_KICK_FORWARD = 99,
    ACTION_KICK_SWEEP = 122,
    // The "_B" twins let a second hit in a row restart the reaction's animation.
    ACTION_HIT_STAND_B = 162,
    ACTION_HIT_CROUCH_B = 172,
    ACTION_HIT_AIR_B = 182,
    ACTION_KNOCKDOWN = 193,
    ACTION_EDGE_HIT = 194,
    ACTION_EDGE_HIT_AIR = 195,
    ACTION_WIN_1 = 196,
    ACTION_WIN_2 = 197,
    ACTION_PROFILE_POSE = 198,
    ACTION_PETRIFIED = 199,                 // timed by the fighter's effect_timer
    ACTION_JASON_SPECIAL1 = 1001,
    ACTION_JASON_SPECIAL2 = 1002,
    ACTION_ATALANTA_SPECIAL1 = 1003,
    ACTION_HYDRA_SPECIAL1 = 1004,
    ACTION_ODYSSEUS_SPECIAL1 = 1005,
    ACTION_PERSEUS_SPECIAL1 = 1006,
    ACTION_PERSEUS_SPECIAL2 = 1007,
    ACTION_ARES_SPECIAL1 = 1008,
    ACTION_HIPPOLYTE_SPECIAL1 = 1009,
    ACTION_POLYPHEMUS_SPECIAL1 = 1010,
    ACTION_SPECIAL_UNUSED = 1011,           // no fighter has it; the damage rules still list it
    ACTION_SPHINX_SPECIAL1 = 1012,
    ACTION_ATROPOS_SPECIAL1 = 1013,
    ACTION_ODYSSEUS_SPECIAL2 = 1014,
    ACTION_HIPPOLYTE_SPECIAL2 = 1015,
    ACTION_ATALANTA_SPECIAL2 = 1016,
    ACTION_SPHINX_SPECIAL2 = 1017,
    ACTION_POLYPHEMUS_SPECIAL2 = 1018,
    ACTION_MEDUSA_SPECIAL1 = 1019,
    ACTION_MEDUSA_SPECIAL2 = 1020,
    ACTION_ATROPOS_SPECIAL2 = 1021,
    ACTION_ARES_SPECIAL2 = 1022,
    ACTION_MINOTAUR_SPECIAL2 = 1023,
    ACTION_MINOTAUR_SPECIAL1 = 1024,
    ACTION_STUNNED = 2001,
    ACTION_KO = 2002,
    ACTION_TIME_OVER = 2003,
    ACTION_HEAD_LOST = 2004                 // the Hydra loses a head
};
