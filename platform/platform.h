// platform.h: our stand-in for the desktop platform (GL window, full screen, GL entry points,
// swap interval, desktop gamma, dialogs, message boxes); used by engine/ and game/.
// The only folder that includes X11, GLX or AllegroGL headers.
#pragma once

#include "base/base.h"
