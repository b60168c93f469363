// game.h: game flow (entry, start-up loader, main loop, game-state machine, frame drawer,
// HUD, input, cameras, shadows); used by combat/, characters/, arenas/, frontend/, story/.
#pragma once

#include "base/base.h"

// ---- player input (input.cpp) ----------------------------------------------------------
// Screen directions, clockwise from up; the fight control turns them into toward and away.
enum Direction : u8 {
    DIR_NONE,
    DIR_UP,
    DIR_UP_RIGHT,
    DIR_RIGHT,
    DIR_DOWN_RIGHT,
    DIR_DOWN,
    DIR_DOWN_LEFT,
    DIR_LEFT,
    DIR_UP_LEFT
};

// Per player (0 side one, 1 side two), refreshed by the input pass of every logic tick.
// Held bytes are 255 while the button is down; ready bytes are 255 once it was released and
// are cleared by the code that acts on a press; latches (0/1) make a screen act once per press.
extern u8 input_dir[2];
extern u8 input_hard_swing[2], input_low_swing[2], input_kick[2], input_start[2];
extern u8 input_hard_swing_ready[2], input_low_swing_ready[2], input_kick_ready[2], input_start_ready[2];
extern i32 latch_hard_swing[2], latch_low_swing[2], latch_kick[2], latch_start[2];
