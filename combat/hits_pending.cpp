// Stand-ins for the globals of the fight flow that the hit code reads and writes; each definition is deleted here when its owner's arrives.
#include "combat/combat.h"

i32 combo_hits[2];
i32 best_combo[2];
i32 combo_display_timer[2];
i32 followup_timer[2];
