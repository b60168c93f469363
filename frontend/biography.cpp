#include "frontend/frontend.h"

#include "game/game.h"

#include <allegro.h>

void biography_enter()
{
}

// Until the viewer itself lands, START or ESC leaves for the character select (the fade's
// end goes there), so a player who opens a bought profile is never held on this screen.
TickFlow biography_tick()
{
    if (fade_mode != FADE_NONE)
        return TICK_ENDS;
    bool start = (input_start[0] && !latch_start[0]) || (input_start[1] && !latch_start[1]);
    bool esc = key[KEY_ESC] && !latch_esc;
    if (!start && !esc)
        return TICK_ENDS;
    latch_esc = 1;
    latch_start[0] = latch_start[1] = 1;
    pause_confirm = 0;
    fade_out_start();
    return TICK_ENDS;
}

void biography_typewriter_tick()
{
}
