// Stand-ins for the calls of parts not built yet (the projectile trail of the effects); each
// definition is deleted here when its real one arrives.
#include "combat/combat.h"

void fx_projectile_trail_reset(int) {}
