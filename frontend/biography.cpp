#include "frontend/frontend.h"

#include "game/game.h"

void biography_enter()
{
}

TickFlow biography_tick()
{
    return TICK_ENDS;
}

void biography_typewriter_tick()
{
}
