#include "game/game.h"

u8 input_dir[2];
u8 input_hard_swing[2], input_low_swing[2], input_kick[2], input_start[2];
u8 input_hard_swing_ready[2], input_low_swing_ready[2], input_kick_ready[2], input_start_ready[2];
i32 latch_hard_swing[2], latch_low_swing[2], latch_kick[2], latch_start[2];
