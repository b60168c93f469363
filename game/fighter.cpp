// The fighter records. Their fields are written by the round reset, the character loaders and
// the fight code; this file only holds them.
#include "game/game.h"

Fighter fighters[2];
Fighter select_fighter;

int fighter_head_index(const Fighter *fighter)
{
    if (fighter->heads_left < 1)
        return 0;
    if (fighter->heads_left > FIGHTER_HEAD_COUNT)
        return FIGHTER_HEAD_COUNT - 1;
    return fighter->heads_left - 1;
}
