// fight_pending.h: what the fight flow calls before its owners' files are in the tree; included
// only by the fight flow (fight_load, fight_scene, fight_tick, round_reset), the round
// decisions (round_end, ladder), the HUD and overlays, and their tests.
// Every name here belongs to another subsystem and leaves this file, with its definition in
// fight_pending.cpp, as soon as its owner defines it.
#pragma once

#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"

// ---- arenas/: loaders, the running arena ---------------------------------------------------
// Loads arena `stage`; 0 on success (1 model, 2 skeleton, 3 texture failed).
int load_arena(StageId id);
extern u8 stage_texture_count;
// The arenas' scenery steps, by stage (the Labyrinth has none).
void athens_step(Skeleton *skeleton);
void athens2_step(Skeleton *skeleton);
void troy_step(Skeleton *skeleton);
void arcadia_step(Skeleton *skeleton);
void theatre_step(Skeleton *skeleton);
void crete_step(Skeleton *skeleton);
void thebes_step(Skeleton *skeleton);
void hades_step(Skeleton *skeleton);
void temple_step(Skeleton *skeleton);

// ---- stage select ---------------------------------------------------------------------------
extern u32 stage_select_cursor;           // the highlighted tile, 0..9

// ---- combat: projectiles and summons ---------------------------------------------------------
void update_projectiles();

void summon_update(int side);
void summon_linger_step_ares();
void summon_linger_step_sphinx();
