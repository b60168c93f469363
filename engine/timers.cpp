#include "engine/engine.h"

#include <allegro.h>

std::atomic<int> logic_ticks_pending{0};
std::atomic<int> seconds_counter{0};
int logic_tick_units = 0;

// Set once the game library's timers run; before that (and in tests) a rate change is only
// recorded, since the library's timer calls need its timer thread.
static bool timers_running = false;

void timer_logic_tick()
{
    logic_ticks_pending++;
}
END_OF_FUNCTION(timer_logic_tick)

void timer_second_tick()
{
    if (++seconds_counter > 1000)
        seconds_counter = 0;
}
END_OF_FUNCTION(timer_second_tick)

int timers_install()
{
    LOCK_FUNCTION(timer_logic_tick);
    LOCK_FUNCTION(timer_second_tick);
    if (install_int(timer_second_tick, 1000) != 0)
        return 0;
    if (install_int_ex(timer_logic_tick, LOGIC_TICK_60HZ) != 0) {
        remove_int(timer_second_tick);
        return 0;
    }
    logic_tick_units = LOGIC_TICK_60HZ;
    timers_running = true;
    return 1;
}

void timers_remove()
{
    if (!timers_running)
        return;
    remove_int(timer_logic_tick);
    remove_int(timer_second_tick);
    timers_running = false;
}

void timer_logic_rate_set(int units)
{
    logic_tick_units = units;
    if (timers_running)
        install_int_ex(timer_logic_tick, units);
}
