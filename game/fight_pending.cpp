// Stand-ins for what the fight flow calls before its owners' files are in the tree (see
// fight_pending.h); each goes as soon as its owner defines it. The steps do nothing.
#include "game/fight_pending.h"

void fx_projectile_trail(Particle *, int, int) {}
void fx_fighter_aura(Particle *, int, int) {}
void fx_small_burst(Particle *, int, f32, f32, f32) {}
void fx_large_burst(Particle *, int, f32, f32, f32) {}
void fx_blood_burst(Particle *, int, f32, f32, f32) {}
void fx_blood_stains(Particle *, int) {}
void fx_rain(Particle *, int) {}
void fx_rain_splashes(Particle *, int) {}
void fx_labyrinth_flames(Particle *, int) {}
void fx_theatre_flames(Particle *, int) {}
void fx_temple_flames(Particle *, int) {}
