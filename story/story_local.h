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
