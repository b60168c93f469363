// Stand-ins for the fight flow's state and handlers until their own files land (fight load,
// round intro and fight tick, summons); each definition is
// deleted here when its real one arrives.
#include "game/game.h"

i32 fight_load_phase;
f32 music_fade;
i32 challenger_pending;
i32 challenger_ticks;
i32 summon_phase;

TickFlow fight_load(FightLoadSite) { return TICK_CONTINUES; }
void round_intro_state_tick() {}
void round_start_tick() {}
void fight_tick() {}
bool fighter_knocked_out()
{
    return fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO;
}
