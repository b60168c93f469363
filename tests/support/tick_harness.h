// tick_harness.h: runs the logic tick with scripted keys, joysticks and mouse, from a known
// start; used by the unit tests of everything the tick drives.
//
//     harness_reset();                                     // the title menu, as after start-up
//     TickScript script;
//     script.button(0, BUTTON_START, 0, 3)                 // player 1 holds START, ticks 0-2
//           .direction(1, DIR_DOWN, 5)                     // player 2 taps down at tick 5
//           .key(KEY_ESC, 10, 2);                          // ESC held at ticks 10-11
//     harness_run(20, script);
//     EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
//
// Every tick starts with every key, joystick button and axis, mouse button and mouse motion
// released; the script then holds what it names for that tick. Ticks count from 0 at the
// start of each run. After each tick the frame step runs, as the main loop draws a frame; a
// tick that sets quit_request ends the run at once, as it ends the main loop. As at start-up,
// a ready byte arms only in a tick in which its button is up, so script an attack button's
// press from tick 1 on where its ready byte matters. Scripts name library scancodes, so
// include <allegro.h> for KEY_ESC and the rest.
#pragma once

#include "game/game.h"

#include <functional>
#include <vector>

struct TickScript {
    enum Kind { KEY, BUTTON, DIRECTION, JOY_AXIS, JOY_BUTTON, MOUSE };
    struct Event {
        Kind kind;
        int first, count;      // ticks first .. first + count - 1 of the run
        int a, b, c, d;        // by kind: see the adders
        f32 move_x, move_y;
    };
    std::vector<Event> events;

    // A key by the library's scancode (KEY_ESC, KEY_ENTER, KEY_LSHIFT ...).
    TickScript &key(int scancode, int first, int count = 1);
    // The key bound to the player's button or direction, looked up at the tick it is held, in
    // the player's current bindings (a diagonal holds both keys).
    TickScript &button(int player, InputButton button, int first, int count = 1);
    TickScript &direction(int player, Direction direction, int first, int count = 1);
    // A joystick axis position (-128..128) and a joystick button.
    TickScript &joy_axis(int joystick, int stick, int axis, int position, int first, int count = 1);
    TickScript &joy_button(int joystick, int button, int first, int count = 1);
    // The mouse: button bits and this tick's motion (as the main loop scales it).
    TickScript &mouse(int buttons, f32 move_x, f32 move_y, int first, int count = 1);
};

// Puts the game where the start-up loader leaves it: every global the tick uses at its
// start-up value, cleared skeleton blocks for the fighters, their trails and the arena, both
// players on the keyboard with the harness bindings below, no joystick, no sound bank, rand
// seeded, then the title menu entered. Player 1: arrows, Z
// (HARD SWING), X (LOW SWING), C (KICK), ENTER (START). Player 2: W S A D, J, K, L, SPACE.
void harness_reset(unsigned seed = 1);
// base_dir := a new scratch folder with data/ in it, for a test that reads back what the tick
// saved: an earlier test may have left base_dir where nothing can be written.
void harness_settings_folder_new();

// What the character select's entry returns under the harness (0 by default): its figure and
// pictures are not loaded, the figure's skeleton block is cleared instead.
extern int harness_select_result;

// What the screens' picture loads give under the harness: made-up names counted in loads
// (reset to 0), or 0 for the entry named in `failing` (none by default).
extern u32 harness_screen_texture_loads;
extern const char *harness_screen_texture_failing;

// Attaches `count` joysticks, each with `sticks` sticks of `axes` axes and `buttons` buttons.
void harness_joysticks(int count, int sticks = 1, int axes = 2, int buttons = 4);

// The library scancode of the player's bound key for a button (0 when unbound).
int harness_key_for(int player, InputButton button);

// Runs `ticks` logic ticks under the script; returns the number run (fewer after a quit).
int harness_run(int ticks, const TickScript &script = TickScript());

// Runs ticks until `done()` holds after one (or quit, or max_ticks); returns the ticks run,
// or -1 when done() never held.
int harness_run_until(int max_ticks, const std::function<bool()> &done,
                      const TickScript &script = TickScript());
