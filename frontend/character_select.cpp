#include "frontend/frontend.h"

#include "game/game.h"

i32 select_button_latch_p1, select_button_latch_p2;

int character_select_enter()
{
    return 0;
}

void character_select_tick()
{
}

// The select screen counts as shown from its first drawn frame on; its tick waits for it.
void character_select_frame()
{
    if (select_ready == 0)
        select_ready = -1;
}

void select_figure_step()
{
}
