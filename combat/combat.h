// combat.h: fighter control, computer opponent, fight camera, tuning files, hits and damage,
// projectiles, summons and effects; used by game/, characters/ and frontend/.
#pragma once

#include "base/base.h"
#include "game/game.h"

// ---- character tuning files (tuning.cpp) ----------------------------------------------
// Reads data/<name>.txt (path is the whole file name) into the fighter's defence, walk speed,
// damage, animation rates and move parameters and flags. Returns 1 when the whole file was
// read; 0 when it is missing or empty (the fighter untouched), or when values are missing (one
// log line; the values that were there are taken, the others keep theirs).
int read_damage_file(const char *path, Fighter *fighter);
