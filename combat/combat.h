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

// ---- motion commands and special-move choice (motion.cpp) --------------------------------
// Codes of choose_special_move, in pairs by facing: _RIGHT while facing +x, _LEFT while -x.
enum SpecialCode : i32 {
    SPECIAL_CODE_NONE = 0,
    SPECIAL_CODE_DOWN_TOWARD_RIGHT = 1,
    SPECIAL_CODE_DOWN_TOWARD_LEFT = 2,
    SPECIAL_CODE_DOWN_AWAY_LEFT = 4,
    SPECIAL_CODE_DOWN_AWAY_RIGHT = 5,
    SPECIAL_CODE_TOWARD_AWAY_TOWARD_LEFT = 6,
    SPECIAL_CODE_TOWARD_AWAY_TOWARD_RIGHT = 7,
    SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT = 13,
    SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT = 14,
    SPECIAL_CODE_SUPER_RIGHT = 15,
    SPECIAL_CODE_SUPER_LEFT = 16,
    SPECIAL_CODE_AWAY_DOWN_LEFT = 17,
    SPECIAL_CODE_AWAY_DOWN_RIGHT = 18
};

// Steps side p's six recognisers once on the newest direction-history entry.
void detect_motion_commands(int p);
void reset_motion_commands(int p);
// The special move side p's HARD SWING asks for: a SpecialCode. A computer side may roll one.
i32 choose_special_move(int p);
// The command a code stands for, COMMAND_COUNT for none.
MotionCommand special_code_command(i32 code);
// Appends a direction code to the history when it differs from the newest entry; a full
// history drops its oldest entry first.
void fighter_note_direction(Fighter *fighter, int code);
// Appends a code to the tap history (no test against the newest entry); a full history drops
// its oldest entry first.
void fighter_note_tap(Fighter *fighter, int code);
