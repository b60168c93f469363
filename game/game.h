// game.h: game flow (entry, start-up loader, main loop, game-state machine, frame drawer,
// HUD, input, cameras, shadows); used by combat/, characters/, arenas/, frontend/, story/.
#pragma once

#include "base/base.h"

// ---- player input (input.cpp) ----------------------------------------------------------
// Screen directions, clockwise from up; the fight control turns them into toward and away.
enum Direction : u8 {
    DIR_NONE,
    DIR_UP,
    DIR_UP_RIGHT,
    DIR_RIGHT,
    DIR_DOWN_RIGHT,
    DIR_DOWN,
    DIR_DOWN_LEFT,
    DIR_LEFT,
    DIR_UP_LEFT
};

// Per player (0 side one, 1 side two), refreshed by the input pass of every logic tick.
// Held bytes are 255 while the button is down; ready bytes are 255 once it was released and
// are cleared by the code that acts on a press; latches (0/1) make a screen act once per press.
extern u8 input_dir[2];
extern u8 input_hard_swing[2], input_low_swing[2], input_kick[2], input_start[2];
extern u8 input_hard_swing_ready[2], input_low_swing_ready[2], input_kick_ready[2], input_start_ready[2];
extern i32 latch_hard_swing[2], latch_low_swing[2], latch_kick[2], latch_start[2];

// ---- program entry, main loop and shutdown (main_loop.cpp) ---------------------------------
// Program lifetime, cleared by main before the start-up.
extern u8 quit_request;      // non-zero ends the main loop: 1 quit signal or failed load, 255 ESC on the exit screen
extern u8 load_error;        // non-zero: data files missing or corrupt; the shutdown says so in a box
extern u8 nomask;            // 255 when "-nomask" was given (the Sphinx then loads unmasked)
// Refreshed before every logic tick.
extern f32 mouse_move_x, mouse_move_y;   // this tick's mouse motion, scaled to a 640 x 480 screen

// The command-line switches, as bits of switches_read's result.
enum CommandSwitch : u32 {
    SWITCH_BLOOD = 1u << 0,            // "-blood"
    SWITCH_NOMASK = 1u << 1,           // "-nomask"
    SWITCH_MIDASTOUCH = 1u << 2,       // "-midastouch"
    SWITCH_ULOCK_PROFILES = 1u << 3    // "-ulock_profiles"
};
// The switches among argv[1..argc-1], matched whole and case-sensitively; none are read with
// no argument or more than four.
u32 switches_read(int argc, const char *const *argv);
// Blood on, unmasked Sphinx, 99,999 credits, every unbought biography offered.
void switches_apply(u32 switches);
// The directory part of path, ending in "/", into out ("" when path has none); returns 1, or
// 0 (out empty) when it does not fit.
int base_dir_from_path(const char *path, char *out, size_t size);
// base_dir := the running program's own directory (argv0's when /proc cannot tell).
void base_dir_set(const char *argv0);
// Runs owed logic ticks and draws frames until quit_request is set.
void main_loop_run();
// The ordered release after the main loop, one log line per step.
void shutdown_ordered();
// The release when the start-up failed; its lines land after the log's closing lines.
void shutdown_after_failed_start();

// ---- start-up loader (loader.cpp) ----------------------------------------------------------
// Starts the engine and opens the archive; returns 1 when the game may run, 0 on failure.
int load_game_data();
// Releases what load_game_data built; safe after a start-up that stopped half-way.
void free_game_data();

// ---- the logic tick and the frame, called only by the main loop ----------------------------
void game_tick();    // one 1/60 s step of the game
void draw_frame();   // one frame of the current state, ending with the buffer swap
