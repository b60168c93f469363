// Stand-ins for the globals the frame drawer reads whose owners have not landed yet (arena
// loaders, start-up loader, fight tick, summon sequence); deleted when they land.
#include "game/game.h"

#include "engine/engine.h"

Model *stage_model;
u32 stage_textures[28];
StageLight *stage_light;
u32 tex_reflection, tex_blood, tex_blood2, tex_blob_shadow;
u32 tex_misc, tex_lifebar, tex_powerbar, tex_marker, tex_names;
u32 tex_continue_back, tex_gameover_back, tex_vs_back, tex_logo, tex_select_panel;
u32 select_pictures[SELECT_PICTURE_COUNT];
f32 summon_fade_level = 1.0f;
