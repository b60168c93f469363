// Stand-ins for the fight flow's state and handlers until their own files land (fight load,
// round intro and fight tick, round end and ladder, skeletons, summons); each definition is
// deleted here when its real one arrives.
#include "game/game.h"

i32 fight_load_phase;
f32 music_fade;
i32 challenger_pending;
i32 challenger_ticks;
i32 continue_active;
i32 vs_record_shown;
u32 ladder_time;
i32 ladder_started;
i32 ladder_index;
i32 summon_phase;

TickFlow fight_load(FightLoadSite) { return TICK_CONTINUES; }
void round_intro_state_tick() {}
void round_start_tick() {}
void fight_tick() {}
void match_over_tick() {}
void time_over_decision() {}
void time_over_tick() {}
void knockout_decision() {}
bool fighter_knocked_out() { return false; }
void continue_tick() {}
void game_over_tick() {}
void credits_award() {}
