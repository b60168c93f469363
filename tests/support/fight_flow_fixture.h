// fight_flow_fixture.h: a fight set up for the logic tick without loaded assets: both fighters and
// their skeleton blocks cleared, and recorders in place of the character and arena loaders;
// used by the unit tests of the fight load, the round and the cameras.
#pragma once

#include "game/game.h"

#include <string>
#include <vector>

// Calls the loaders received, in order: "C<slot>:<character>:<colour>" and "A<stage>".
extern std::vector<std::string> fight_load_calls;
// A character or stage whose loader fails; -1 for none.
extern int fight_load_failing_character;
extern int fight_load_failing_stage;

// harness_reset, then: both fighters zeroed (sides set, full health and heads) with the given
// characters, the recorders installed and the calls forgotten, nothing failing.
void fight_fixture_reset(int character1 = CHARACTER_JASON, int character2 = CHARACTER_ODYSSEUS);
// Side `side` knocked out as the hit code leaves it: fighter and skeleton at ACTION_KO.
void fight_fixture_knock_out(int side);
// The game in STATE_FIGHT in `mode`, the clock from the TIME option, no fight load pending.
void fight_fixture_fight(int mode);
