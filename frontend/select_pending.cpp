// Stand-ins for the names the select reads whose owners have not landed yet (the screens
// with pictures of their own); deleted when they land.
#include "frontend/frontend.h"

#include "engine/engine.h"

u32 screen_textures[SCREEN_TEXTURES];
u8 screen_texture_count;
