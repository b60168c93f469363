// combat.h: fighter control, computer opponent, fight camera, tuning files, hits and damage,
// projectiles, summons and effects; used by game/, characters/ and frontend/.
#pragma once

#include "base/base.h"
