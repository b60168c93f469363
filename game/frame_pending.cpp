// Stand-ins for the globals the frame drawer reads whose owners have not landed yet (arena
// loaders, start-up loader, fight tick, summon sequence); deleted when they land.
#include "game/game.h"

#include "engine/engine.h"

Model *stage_model;
u32 stage_textures[28];
StageLight *stage_light;
u32 tex_reflection, tex_blood, tex_blood2, tex_blob_shadow;
f32 summon_fade_level = 1.0f;
