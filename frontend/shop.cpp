#include "frontend/frontend.h"

#include "game/game.h"

int shop_enter()
{
    game_state = STATE_SHOP;
    return 0;
}

void shop_tick()
{
}

TickFlow shop_controls_tick()
{
    return TICK_CONTINUES;
}
