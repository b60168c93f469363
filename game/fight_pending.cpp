// Stand-ins for what the fight flow calls before its owners' files are in the tree (see
// fight_pending.h); each goes as soon as its owner defines it. The steps do nothing.
#include "game/fight_pending.h"

u32 stage_select_cursor;

void update_projectiles() {}

