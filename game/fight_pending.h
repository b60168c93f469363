// fight_pending.h: what the fight flow calls before its owners' files are in the tree; included
// only by the fight flow (fight_load, fight_scene, fight_tick, round_reset), the round
// decisions (round_end, ladder), the HUD and overlays, and their tests.
// Every name here belongs to another subsystem and leaves this file, with its definition in
// fight_pending.cpp, as soon as its owner defines it.
#pragma once

#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
