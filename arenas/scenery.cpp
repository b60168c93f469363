#include "arenas/arenas.h"

#include <iterator>

// KEEP: the steps are single-precision constants summed in single precision; a key lasts
// 51 ticks at 0.02 and 61 at 1/60 (not 50 and 60), and the scenery's rhythm depends on it.
const SceneryStep scenery_steps[] = {
    // key_ticks  phase_step     last_key
    {50.0f, 0.02f, 4},           // Athens: banners
    {0.0f, 0.0f, 4},             // Athens 2: 30 ticks per key from the loader
    {10.0f, 0.1f, 8},            // Troy
    {60.0f, 1.0f / 60.0f, 4},    // Arcadia
    {60.0f, 1.0f / 60.0f, 4},    // Theatre
    {0.0f, 0.0f, 4},             // Crete: 30 ticks per key from the loader
    {0.0f, 0.0f, 0},             // Labyrinth: its scenery stands still
    {60.0f, 1.0f / 60.0f, 4},    // Thebes
    {60.0f, 1.0f / 60.0f, 4},    // Hades
    {60.0f, 1.0f / 60.0f, 4},    // Temple
};
static_assert(std::size(scenery_steps) == STAGE_COUNT, "one row per arena");

void scenery_step(Skeleton *skeleton, StageId stage)
{
    if (stage < 0 || stage >= STAGE_COUNT)
        return;
    const SceneryStep &step = scenery_steps[stage];
    if (step.last_key == 0)
        return;
    if (step.key_ticks > 0.0f)
        skeleton->key_ticks = step.key_ticks;
    f32 increment = step.phase_step > 0.0f ? step.phase_step : 1.0f / skeleton->key_ticks;
    // The test is made on the rounded sum before it is stored (a NaN restarts the key).
    f32 sum = skeleton->phase + increment;
    if (sum <= 1.0f) {
        skeleton->phase = sum;
        return;
    }
    // From the loader's (0, 1) the pairs run (1, 2) ... (last, 1): the scenery blends from
    // its last key back to its first, and key 0 never returns.
    skeleton->phase = 0.0f;
    skeleton->key_from++;
    skeleton->key_to++;
    if (skeleton->key_from > step.last_key)
        skeleton->key_from = 1;
    if (skeleton->key_to > step.last_key)
        skeleton->key_to = 1;
}

void athens_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_ATHENS); }
void athens2_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_ATHENS2); }
void troy_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_TROY); }
void arcadia_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_ARCADIA); }
void theatre_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_THEATRE); }
void crete_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_CRETE); }
void thebes_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_THEBES); }
void hades_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_HADES); }
void temple_step(Skeleton *skeleton) { scenery_step(skeleton, STAGE_TEMPLE); }
