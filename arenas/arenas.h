// arenas.h: the arena loaders, the scenery stepper and the per-arena tables; used by game/,
// frontend/ and the data builder (which writes the entries these tables name).
#pragma once

#include "base/base.h"
#include "engine/engine.h"

// The built arenas lay their floors a hair below the fighters' feet (z = 0): a shadow falls on
// the surfaces its fighter stands in front of, and a floor level with the feet would not count.
constexpr f32 ARENA_FLOOR_Z = -0.05f;

// ---- arena loading (arena_load.cpp) ----------------------------------------------------
// Program lifetime: a model is read on its arena's first load and kept until
// stage_models_free at shutdown.
extern Model *stage_models[STAGE_COUNT];
// Overwritten by every arena load.
extern Model *stage_model;           // the running arena's model, from stage_models

// Loads one arena: its model (once per run), its skeleton into stage_skeleton, textures,
// lightmaps and sky panels into their slots of stage_textures, then its delete count,
// stage_id, the scenery start keys and the lights in stage_light (GL light 0 included); the
// start-up loader has made both blocks. Returns 0, or 1, 2, 3 for the first failing model,
// skeleton or texture; nothing after the failing asset is done.
int load_arena(StageId id);
int athens_load();
int athens2_load();
int troy_load();
int arcadia_load();
int theatre_load();
int crete_load();
int labyrinth_load();
int thebes_load();
int hades_load();
int temple_load();
// Frees every cached arena model (shutdown).
void stage_models_free();

// ---- per-arena tables (arena_table.cpp) ------------------------------------------------
// One texture of an arena: loaded into slot `slot` of stage_textures with texture mode `mode`.
struct ArenaTexture {
    u8 slot;               // 0..STAGE_TEXTURE_SLOTS-1, increasing within an arena
    const char *entry;     // archive entry; .jpg is JPEG, anything else TGA
    u8 mode;               // TEXTURE_CLAMP_RGBA .. TEXTURE_MIPMAP_RGB
};

struct ArenaInfo {
    const char *model_entry;          // .emd
    const char *skeleton_entry;       // .esq
    const ArenaTexture *textures;     // in load order (increasing slot)
    u8 texture_count;                 // rows of textures
    u8 delete_count;                  // one more than the highest slot filled
    f32 start_key_ticks;              // the scenery skeleton's key_ticks after a load
};
extern const ArenaInfo arena_table[];          // STAGE_COUNT rows

// Light 0 of an arena, in two sets: the combine set where the driver has texture-environment
// combine (it doubles lit colours), the brighter plain set where it has not.
struct ArenaLight {
    f32 combine_ambient[3];
    f32 combine_diffuse[3];
    f32 plain_ambient[3];
    f32 plain_diffuse[3];
    f32 position[3];                  // direction toward the light (w = 0)
};
extern const ArenaLight arena_lights[];        // STAGE_COUNT rows

// ---- scenery animation (scenery.cpp) ---------------------------------------------------
// How an arena's scenery skeleton cycles its keys.
struct SceneryStep {
    f32 key_ticks;     // written on every step; 0 keeps the loader's value
    f32 phase_step;    // added to phase per step; 0 adds 1 / key_ticks
    i16 last_key;      // keys cycle 1..last_key; 0: the scenery never moves
};
extern const SceneryStep scenery_steps[];      // STAGE_COUNT rows

// Advances an arena's scenery skeleton by one logic tick. The phase sums in single precision:
// how many ticks a key lasts depends on it.
void scenery_step(Skeleton *skeleton, StageId stage);
// Once per logic tick of a fight on the running arena; the Labyrinth has no step.
void athens_step(Skeleton *skeleton);
void athens2_step(Skeleton *skeleton);
void troy_step(Skeleton *skeleton);
void arcadia_step(Skeleton *skeleton);
void theatre_step(Skeleton *skeleton);
void crete_step(Skeleton *skeleton);
void thebes_step(Skeleton *skeleton);
void hades_step(Skeleton *skeleton);
void temple_step(Skeleton *skeleton);
