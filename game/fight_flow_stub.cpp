// Stand-in for the summon state the state machine reads, until the summon sequence lands; the
// definition is deleted here when its real one arrives.
#include "game/game.h"

i32 summon_phase;
