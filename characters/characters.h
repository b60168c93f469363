// characters.h: the character loaders and the key-frame sequencer shared by all twelve
// fighters; used by game/, combat/ and frontend/.
#pragma once

#include "base/base.h"
