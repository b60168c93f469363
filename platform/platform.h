// platform.h: our stand-in for the desktop platform (GL window, full screen, GL entry points,
// swap interval, desktop gamma, dialogs, message boxes, quit signals); used by engine/ and game/.
// The only folder that includes X11, GLX or AllegroGL headers.
#pragma once

#include "base/base.h"

// ---- desktop size and gamma ramp (desktop.cpp) ---------------------------------------------
// Program lifetime: set by desktop_size_query before the engine starts.
extern i32 desktop_width, desktop_height;   // pixels; 0 x 0 when no X display answers

constexpr int GAMMA_RAMP_SIZE = 256;        // entries per channel of the game's ramps

// Reads the desktop's size on our own X connection (the game library reports 0 x 0 under Xvfb).
void desktop_size_query();
// Reads and keeps the desktop's gamma ramp; returns 1, or 0 when the X server has none to give
// (no XF86VidMode, as under Xvfb).
int desktop_gamma_save();
// Gives all three channels this ramp, resampled to the server's ramp size; does nothing unless
// a ramp was saved, so the desktop is never left with a ramp that cannot be put back.
void desktop_gamma_apply(const u16 ramp[GAMMA_RAMP_SIZE]);
// Puts back the saved ramp, if one was saved.
void desktop_gamma_restore();
// Closes our X connection, once the ramp is back; gamma calls after it do nothing.
void desktop_close();

// ---- program file and quit signals (process.cpp) -------------------------------------------
// The running program's full path; returns 1, or 0 (out empty) when it cannot be read.
int executable_path(char *out, size_t size);
// SIGTERM, SIGINT and SIGHUP (a closed terminal, a logout) play the desktop's quit message:
// their handler only raises a flag that the main loop reads. Install after the game library,
// which sets handlers of its own for some of them.
void quit_signals_install();
int quit_signalled();

// An advisory lock on the game's folder, held until the process ends (the kernel lets it go
// if the game dies). Taken before anything in the folder is read or written.
enum FolderLock : u8 {
    FOLDER_LOCK_TAKEN,
    FOLDER_LOCK_HELD,          // another process holds it: the game already runs there
    FOLDER_LOCK_UNAVAILABLE    // the folder cannot be opened or locked: go on without
};
FolderLock folder_lock_take(const char *dir);

// A lost X server (killed, or gone with a logout) ends the game within moments: `save` runs
// once, in whatever thread noticed, and must make no X call; then the process ends at once
// with DISPLAY_LOST_EXIT_STATUS, without the libraries' exit handlers. Install before any
// X connection is opened.
constexpr int DISPLAY_LOST_EXIT_STATUS = 1;
void display_lost_handler_install(void (*save)());

// ---- sound card (sound_device.cpp) --------------------------------------------------------
// On a machine with no sound card the game library's probe makes the sound library print a
// run of "ALSA lib ..." lines on the terminal, which a player takes for the game's errors:
// call before the sound starts. Returns 1 when no card was found and the library was quieted.
int sound_card_quiet_when_absent();

// ---- message boxes (message_box.cpp) -------------------------------------------------------
// Prints "title: text" on stderr and, when the game library runs on an X display, shows the
// text in a box that waits for OK. Returns 1 when a box was shown, 0 when only printed.
int message_box_show(const char *title, const char *text);

// ---- GL window (gl_window.cpp) -------------------------------------------------------------
// Opens the one game window with a current, double-buffered GL context through AllegroGL.
// Colour, depth and stencil bits are suggestions (X keeps the server's colour depth).
// Returns 1, or 0 with the reason in gl_window_error().
int gl_window_create(const char *title, int width, int height, int colour_bits, int depth_bits,
                     int stencil_bits, int fullscreen);
// Clears the window to black and closes it; does nothing when no window was made.
void gl_window_kill();
void gl_window_swap();
const char *gl_window_error();

// ---- GL entry points and swap interval (gl_procs.cpp) --------------------------------------
// An extension entry point of the current context, or null.
void *gl_proc_address(const char *name);
// The GLX extension string of the current context's display, "" without a context.
const char *glx_extensions();

enum SwapControlKind : u8 {
    SWAP_CONTROL_NONE,
    SWAP_CONTROL_EXT,    // GLX_EXT_swap_control
    SWAP_CONTROL_MESA    // GLX_MESA_swap_control
};
// Fetches the entry points of that extension; returns 1 when they all exist.
int swap_control_init(SwapControlKind kind);
// The current window's swap interval (0 without swap control).
int swap_interval_get();
void swap_interval_set(int interval);

// ---- launcher and video set-up dialogs (dialogs.cpp) ---------------------------------------
// The six lists of the video set-up, in their tab order.
enum VideoList : u8 {
    VIDEO_LIST_RESOLUTION,              // "640x480" .. "1600x1200"
    VIDEO_LIST_COLOUR_DEPTH,            // "16 bit", "32 bit"
    VIDEO_LIST_TEXTURE_DETAIL,          // "Normal", "High"
    VIDEO_LIST_TEXTURE_COLOUR_DEPTH,    // "16 bit", "32 bit"
    VIDEO_LIST_TEXTURE_SHARPNESS,       // "Normal", "Sharper"
    VIDEO_LIST_SCREEN_MODE,             // "Fullscreen", "Windowed"
    VIDEO_LIST_COUNT
};
extern const u8 video_list_sizes[];     // VIDEO_LIST_COUNT rows: items in each list

enum LauncherResult : u8 {
    LAUNCHER_START,    // "Start Game"
    LAUNCHER_CLOSED,   // the launcher's close box, ESC, or a quit signal: the program ends
    LAUNCHER_FAILED    // no window could be opened for it
};
// Shows the launcher, and the video set-up whenever "Video Setup" is pressed, until the player
// starts or closes. `selection` holds one item index per list, inside its list; only "Accept"
// changes it. Runs in a plain window of the game library, closed again before returning.
LauncherResult launcher_run(u8 selection[VIDEO_LIST_COUNT]);
