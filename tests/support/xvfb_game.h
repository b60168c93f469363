// xvfb_game.h: runs the real build/tavrosk on the X display of the `xvfb` tests and drives it as
// a player does (xdotool keys into the focused window), then reads what it leaves behind: the
// log, the settings file, stderr and the F1 screenshots. Used by tests/xvfb/.
//
//     GameRun run;
//     ASSERT_TRUE(game_prepare(&run, "fight"));
//     ASSERT_TRUE(game_start_playing(&run));                   // past the launcher, window up
//     ASSERT_TRUE(game_keys(&run, {"Return", "Down", "z"}));
//     ASSERT_TRUE(game_stop(&run));                            // SIGTERM: the ordered shutdown
//     EXPECT_EQ(game_settings(&run).size(), 169u);
#pragma once

#include "tools/writers/writers.h"

#include <gtest/gtest.h>
#include <string>
#include <sys/types.h>
#include <vector>

// Seconds to wait for anything the game does: it draws with Mesa's software renderer, beside
// other window tests, on a machine that other builds may load to twice its cores. Waits end as
// soon as what they wait for happens, so a long limit costs a passing test nothing.
constexpr double GAME_TIMEOUT_SECONDS = 90.0;

// Keys are held over several frames: a loaded machine may draw few of them.
constexpr int KEY_HOLD_MS = 300;
// What a key starts, with room for a loaded machine: a fade-out (67 ticks at 60 a second); the
// select figure's 90-tick closing action after a pick; a fade-out and the next screen's load.
constexpr int FADE_WAIT_MS = 2500;
constexpr int PICK_WAIT_MS = 3000;
constexpr int SCREEN_WAIT_MS = 4000;

// Offsets in data/qx.cfg (169 bytes) that the tests read.
constexpr size_t SETTINGS_RESOLUTION = 0;
constexpr size_t SETTINGS_COLOUR_DEPTH = 1;
constexpr size_t SETTINGS_SCREEN_MODE = 5;
constexpr size_t SETTINGS_BRIGHTNESS = 8;     // a float
constexpr size_t SETTINGS_CREDITS = 146;      // four bytes
constexpr size_t SETTINGS_MEDUSA = 150;
constexpr size_t SETTINGS_PROFILES = 156;     // twelve bytes
constexpr size_t SETTINGS_BLOOD = 168;
// Four bytes of the settings, little-endian as the game stores numbers; 0 past the end.
u32 settings_u32(const Bytes &settings, size_t offset);

// One run of the game in a scratch folder of its own; the program's folder is its data root,
// so the run never touches build/data or the suite's data set.
struct GameRun {
    std::string dir;        // tavrosk, data/, stdout.txt, stderr.txt, scr*.jpg
    pid_t pid = -1;         // the running game, -1 once it ended
    int exit_status = -1;   // its exit code once ended; 128 + the signal when one killed it

    GameRun() = default;
    GameRun(const GameRun &) = delete;
    GameRun &operator=(const GameRun &) = delete;
    ~GameRun();             // kills a game still running: a failed assertion leaves none behind
};

// A new scratch folder holding a copy of build/tavrosk and of the suite's data set (first-run
// settings: windowed 640 x 480, default keys). The first call of a test program also starts its
// own X server (Xvfb at 1280 x 1024 x 24), which DISPLAY then names for the game and xdotool.
::testing::AssertionResult game_prepare(GameRun *run, const char *tag);

// A file of the run, relative to its folder ("data/initlog.txt").
std::string game_path(const GameRun *run, const char *relative);
std::string game_read_text(const GameRun *run, const char *relative);   // "" when missing
Bytes game_settings(const GameRun *run);                                  // data/qx.cfg
// Changes one byte of data/qx.cfg before the start (offset 5 = 0: full screen).
::testing::AssertionResult game_settings_patch(GameRun *run, size_t offset, u8 value);

// Starts the game with these arguments; stdout and stderr go to files of the run.
::testing::AssertionResult game_start(GameRun *run, const std::vector<std::string> &args = {});
// game_start, then "Start Game" on the launcher, then waits until the start-up loader is done
// and skips the opening story: the title menu is up and takes keys.
::testing::AssertionResult game_start_playing(GameRun *run, const std::vector<std::string> &args = {});
// Esc over the opening story, then the wait while the title fades in.
::testing::AssertionResult game_skip_intro(GameRun *run);
// Waits for a visible window titled "Tavrosk" (launcher or game window) and gives it the
// keyboard focus: Xvfb has no window manager to do it.
::testing::AssertionResult game_focus(GameRun *run, double seconds = GAME_TIMEOUT_SECONDS);
// Focuses the window, then presses each key in turn (xdotool key names: "Return", "Escape",
// "Tab", "Down", "F1", "z"...), holding it for hold_ms: the game reads the keys in the ticks
// it runs between two frames, so a press (or a release) shorter than a slow frame on a loaded
// machine can fall between two reads.
::testing::AssertionResult game_keys(GameRun *run, const std::vector<std::string> &keys, int hold_ms = 150,
                                     int gap_ms = 120);
// Holds a key down for a while (a fighter walking), then lets it go.
::testing::AssertionResult game_key_hold(GameRun *run, const std::string &key, int hold_ms);
// Waits until data/initlog.txt contains text.
::testing::AssertionResult game_wait_log(GameRun *run, const std::string &text,
                                         double seconds = GAME_TIMEOUT_SECONDS);
// Waits until the game's message box (an xmessage window) shows on the display.
::testing::AssertionResult game_wait_message_box(GameRun *run, double seconds = GAME_TIMEOUT_SECONDS);
// Answers the game's message box (an xmessage window) with its OK button.
::testing::AssertionResult game_answer_message_box(GameRun *run, double seconds = GAME_TIMEOUT_SECONDS);
// Waits for the game to end by itself.
::testing::AssertionResult game_wait_exit(GameRun *run, double seconds = GAME_TIMEOUT_SECONDS);
// Sends SIGTERM (the desktop's quit message) and waits for the ordered shutdown to end.
::testing::AssertionResult game_stop(GameRun *run, double seconds = GAME_TIMEOUT_SECONDS);

// Sends a signal (SIGHUP, SIGTERM...) and waits for the game to end.
::testing::AssertionResult game_signal_stop(GameRun *run, int signal, double seconds = GAME_TIMEOUT_SECONDS);

// An X server of the test's own (Xvfb at 1280 x 1024 x 24), for tests that take the display
// away from under the game: while it lives, DISPLAY names it, for the game and for xdotool.
struct OwnDisplay {
    pid_t pid = -1;
    std::string saved_display;   // DISPLAY before, put back by the destructor
    OwnDisplay() = default;
    OwnDisplay(const OwnDisplay &) = delete;
    OwnDisplay &operator=(const OwnDisplay &) = delete;
    ~OwnDisplay();
};
::testing::AssertionResult own_display_start(OwnDisplay *display);
// Starts this test program's X server on first use (game_prepare calls it): while the program
// runs, DISPLAY names it.
::testing::AssertionResult test_display_start();
// Kills the server at once (SIGKILL, as a crash or a lost session would) and reaps it.
void own_display_kill(OwnDisplay *display);

// The screenshots the game saved beside itself, oldest number first (full paths).
std::vector<std::string> game_screenshots(const GameRun *run);
// Waits until the game has saved at least `count` screenshots.
::testing::AssertionResult game_wait_screenshots(const GameRun *run, size_t count,
                                                 double seconds = GAME_TIMEOUT_SECONDS);
// Waits at_least_ms, then until the game's window has stopped changing (a fade, a load or a
// camera sweep is over: several grabs in a row nearly alike) and is not black.
::testing::AssertionResult game_wait_settled(GameRun *run, int at_least_ms = 0,
                                             double seconds = GAME_TIMEOUT_SECONDS);
// Waits settle_ms and for the screen to settle, holds F1 for KEY_HOLD_MS and waits until the
// game has saved its `count`th screenshot.
::testing::AssertionResult game_screenshot(GameRun *run, size_t count, int settle_ms = 0);

// Decodes a screenshot JPEG as the game decodes pictures (the caller frees it with
// picture_free); fails for a missing or undecodable file.
struct Picture;
::testing::AssertionResult screenshot_decode(const std::string &path, Picture *picture);

// True when every text occurs in haystack, each after the one before.
::testing::AssertionResult texts_in_order(const std::string &haystack, const std::vector<std::string> &texts);
