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
