// story_local.h: helpers shared by the story folder's own files; no other folder includes it.
#pragma once

#include "story/story.h"

// One picture on a centred quad of the story screens (view space, the screen's translation
// already loaded), in white at the given alpha; slot indexes screen_textures.
void story_picture_draw(u32 slot, const f32 corners[4][3], const f32 position[3], f32 alpha);
// The opening story's two logos, their alpha following the typed count.
void intro_logos_draw();
// Loads an archive picture into a slot of screen_textures, releasing what the slot held; 0 on
// failure (the slot is then empty).
int story_slot_load(int slot, const char *entry, int mode);
void story_slot_release(int slot);
// The story screens' GL state: view space 20 units out, no culling or lighting, unit 0
// textured with GL_MODULATE, depth test GL_ALWAYS, alpha blending.
void story_screen_state_set();
// Deletes the fight's and the screens' pictures before a story screen loads its own: the skins,
// screen and arena tables, and with the fighters' extras also their gods, projectiles and the
// title's pictures; every table whole, its count zeroed.
void story_fight_pictures_release(bool with_fighters_extras);
// Sets a quad's flags, alpha step and velocity (its picture, place and alpha stay).
void story_quad_motion(int i, u32 flags, f32 step, f32 vx, f32 vy, f32 vz);
// After the end stamp: the music's fall, and true once its 240 ticks are over.
bool story_end_wait_over();
// A Start press of either player (held, its latch clear).
bool story_start_pressed();
