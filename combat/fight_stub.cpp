// Stand-ins for the state and calls of parts not built yet (summon sequence, projectiles and
// their effects, the fight tick's and the arena's globals); each definition is deleted here
// when its real one arrives.
#include "combat/combat.h"

Projectile projectiles[2];
u8 projectile_in_flight[2];
u8 clash_flash_on[2];
f32 clash_flash[2];

void fx_projectile_trail_reset(int) {}
