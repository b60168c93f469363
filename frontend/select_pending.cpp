// Stand-ins for the names the select reads whose owners have not landed yet (the screens
// with pictures of their own, the flame row's effect); deleted when they land.
#include "frontend/frontend.h"

#include "engine/engine.h"

u32 screen_textures[SCREEN_TEXTURES];
u8 screen_texture_count;

void fx_flame_row_start() {}
void fx_flame_row_step() {}
void draw_fx_flame_row() {}
