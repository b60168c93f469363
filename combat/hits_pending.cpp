// Stand-ins for the globals of the fight flow that the hit code reads and writes; each definition is deleted here when its owner's arrives.
#include "combat/combat.h"

i32 p1_round_wins, p2_round_wins;
