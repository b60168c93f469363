// Stand-ins for the names the select reads whose owners have not landed yet (stage select,
// screens with pictures, arena loaders, effects); deleted when they land.
#include "frontend/frontend.h"

#include "engine/engine.h"

u32 stage_select_cursor;
u32 screen_textures[SCREEN_TEXTURES];
u8 screen_texture_count, stage_texture_count;

void fx_flame_row_start() {}
void fx_flame_row_step() {}
void draw_fx_flame_row() {}
