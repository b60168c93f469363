// story.h: typewriter, opening story, biographies, endings, credits roll; used by game/
// and frontend/.
#pragma once

#include "base/base.h"

// ---- story ticks (typewriter.cpp) -------------------------------------------------------
// Screen lifetime: ticks since the credits roll or an ending started; the logic tick adds 1
// before each of their steps.
extern u32 story_ticks;

// ---- opening story and endings (intro.cpp, ending.cpp, faction_ending.cpp) ---------------
// One step each of STATE_INTRO, STATE_CHARACTER_ENDING and STATE_FACTION_ENDING; each may
// change game_state, which ends the logic tick.
void intro_tick();
void ending_tick();
void faction_ending_tick();

// ---- credits roll (credits_roll.cpp) ----------------------------------------------------
// Starts the roll (STATE_CREDITS, set even on failure); 1 when its tune cannot start, else 0.
int credits_roll_start();
// One step of the roll; its end enters STATE_CREDITS_EARNED.
void credits_roll_tick();
