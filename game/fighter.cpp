// The fighter records and their skeleton blocks. Their fields are written by the round reset,
// the character loaders and the fight code; this file holds them and answers small questions.
#include "game/game.h"

#include "engine/engine.h"

Fighter fighters[2];
Fighter select_fighter;
Skeleton *fighter_skeletons[2];

int fighter_head_index(const Fighter *fighter)
{
    if (fighter->heads_left < 1)
        return 0;
    if (fighter->heads_left > FIGHTER_HEAD_COUNT)
        return FIGHTER_HEAD_COUNT - 1;
    return fighter->heads_left - 1;
}

bool fighter_attack_live(int side)
{
    if (side < 0 || side > 1 || !fighter_skeletons[side])
        return false;
    return fighter_skeletons[side]->attack_live != 0;
}
