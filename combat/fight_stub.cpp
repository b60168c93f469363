// Stand-ins for the state and calls of parts not built yet (summon sequence, projectiles and
// their effects, the fight tick's and the arena's globals); each definition is deleted here
// when its real one arrives.
#include "combat/combat.h"

i32 summoner;
i32 summon_victim;

void fx_projectile_trail_reset(int) {}
