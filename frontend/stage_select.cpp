#include "frontend/frontend.h"

#include "game/game.h"

int stage_select_enter()
{
    game_state = STATE_STAGE_SELECT;
    return 0;
}

void stage_select_tick()
{
}
