// Stand-ins for the globals the frame drawer reads whose owners have not landed yet (start-up
// loader, fight tick, summon sequence); deleted when they land.
#include "game/game.h"

#include "engine/engine.h"

u32 tex_reflection, tex_blood, tex_blood2, tex_blob_shadow;
f32 summon_fade_level = 1.0f;
