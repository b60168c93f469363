// game_local.h: helpers shared by the game folder's own files (the HUD and the overlays);
// no other folder includes it.
#pragma once

#include "game/game.h"

// ---- flat quads of the HUD and the overlays (hud.cpp) --------------------------------------
// A quad in eye space at depth z, x0..x1 by y0..y1 (y1 the top), showing the whole texture
// bound now: (0, 0) top-left, (1, 1) bottom-right.
void hud_picture(f32 x0, f32 x1, f32 y0, f32 y1, f32 z);
