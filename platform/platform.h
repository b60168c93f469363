// platform.h: our stand-in for the desktop platform (GL window, full screen, GL entry points,
// swap interval, desktop gamma, dialogs, message boxes); used by engine/ and game/.
// The only folder that includes X11, GLX or AllegroGL headers.
#pragma once

#include "base/base.h"

// ---- pending: the platform branch's window swap (game/frame_pending.cpp) ------------------
// Declared and defined here only until the GL window lands on main; delete this block and
// its definition then.
void gl_window_swap();
