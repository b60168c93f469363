// story.h: typewriter, opening story, biographies, endings, credits roll; used by game/
// and frontend/.
#pragma once

#include "base/base.h"
