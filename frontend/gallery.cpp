#include "frontend/frontend.h"

#include "game/game.h"

int gallery_enter()
{
    game_state = STATE_GALLERY;
    return 0;
}

TickFlow gallery_tick()
{
    return TICK_CONTINUES;
}
