// Stand-ins for the round and match decisions until their own files land (round end, match
// over, ladder, continue, game over, credits award, skeletons, summons); each definition is
// deleted here when its real one arrives.
#include "game/game.h"

i32 continue_active;
i32 vs_record_shown;
u32 ladder_time;
i32 ladder_started;
i32 ladder_index;
i32 summon_phase;

void match_over_tick() {}
void time_over_decision() {}
void time_over_tick() {}
void knockout_decision() {}
void continue_tick() {}
void game_over_tick() {}
void credits_award() {}
