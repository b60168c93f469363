// frontend.h: title menu and pages, character select, stage select, shop, gallery;
// used by game/.
#pragma once

#include "base/base.h"
