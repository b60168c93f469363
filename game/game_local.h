// game_local.h: helpers shared by the game folder's own files (the HUD and the overlays);
// no other folder includes it.
#pragma once

#include "game/game.h"

// ---- flat quads of the HUD and the overlays (hud.cpp) --------------------------------------
// One quad in eye space at depth z, x0..x1 by y0..y1 (y1 the top), with texture coordinate
// (s0, t0) at its top-left corner and (s1, t1) at its bottom-right. Called between
// glBegin(GL_QUADS) and glEnd.
void hud_quad_vertices(f32 x0, f32 x1, f32 y0, f32 y1, f32 z, f32 s0, f32 s1, f32 t0, f32 t1);
// The same as a whole quad of the full texture bound now: (0, 0) top-left, (1, 1) bottom-right.
void hud_picture(f32 x0, f32 x1, f32 y0, f32 y1, f32 z);
