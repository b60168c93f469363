// arenas.h: the arena loaders and scenery stepper; used by game/ and frontend/.
#pragma once

#include "base/base.h"
