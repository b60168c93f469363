// Stand-ins for the skeleton blocks the start-up loader allocates (see characters.h); deleted
// when the loader lands.
#include "characters/characters.h"

Skeleton *blur_skeletons[FIGHTER_SLOTS];
Skeleton *summon_skeletons[FIGHTER_SLOTS];
