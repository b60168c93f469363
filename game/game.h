// game.h: game flow (entry, start-up loader, main loop, game-state machine, frame drawer,
// HUD, input, cameras, shadows); used by combat/, characters/, arenas/, frontend/, story/.
#pragma once

#include "base/base.h"
