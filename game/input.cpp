#include "game/game.h"

#include "engine/engine.h"

#include <allegro.h>
#include <iterator>

u8 input_dir[2];
u8 input_hard_swing[2], input_low_swing[2], input_kick[2], input_start[2];
u8 input_hard_swing_ready[2], input_low_swing_ready[2], input_kick_ready[2], input_start_ready[2];
i32 latch_hard_swing[2], latch_low_swing[2], latch_kick[2], latch_start[2];
i32 latch_enter;
u8 latch_esc;
i32 input_dir_latch[2];
i32 capture_latch;
i32 binding_player;

constexpr u8 INPUT_HELD = 255;
constexpr u8 INPUT_READY = 255;

// Where each button's bytes and bindings live.
struct ButtonSlots {
    u8 *held;
    u8 *ready;
    i32 *key;         // stored scancode per player
    i32 *joy_button;  // button number per player, -1 none
};
static const ButtonSlots button_slots[] = {
    {input_hard_swing, input_hard_swing_ready, bind_key_hard_swing, bind_joy_hard_swing},
    {input_low_swing, input_low_swing_ready, bind_key_low_swing, bind_joy_low_swing},
    {input_kick, input_kick_ready, bind_key_kick, bind_joy_kick},
    {input_start, input_start_ready, bind_key_start, bind_joy_start},
};
static_assert(std::size(button_slots) == BUTTON_COUNT, "one row per button");

// The sixteen key bindings that a captured key is taken away from.
static i32 *const key_bindings[] = {
    bind_key_up, bind_key_down, bind_key_left, bind_key_right,
    bind_key_hard_swing, bind_key_low_swing, bind_key_kick, bind_key_start,
};

constexpr u8 DIR_KEEP = 255;

// Keyboard direction by the held direction keys (bit 0 up, 1 down, 2 left, 3 right). Opposite
// keys together, or three and four keys, keep the previous direction.
static const u8 key_direction[16] = {
    DIR_NONE,  DIR_UP,       DIR_DOWN,      DIR_KEEP,   // -, U, D, UD
    DIR_LEFT,  DIR_UP_LEFT,  DIR_DOWN_LEFT, DIR_KEEP,   // L, UL, DL, UDL
    DIR_RIGHT, DIR_UP_RIGHT, DIR_DOWN_RIGHT, DIR_KEEP,  // R, UR, DR, UDR
    DIR_KEEP,  DIR_KEEP,     DIR_KEEP,      DIR_KEEP,   // LR, ULR, DLR, UDLR
};

// Joystick direction by [y + 1][x + 1], each axis -1, 0 or 1 (up and left negative).
static const u8 stick_direction[3][3] = {
    {DIR_UP_LEFT, DIR_UP, DIR_UP_RIGHT},
    {DIR_LEFT, DIR_NONE, DIR_RIGHT},
    {DIR_DOWN_LEFT, DIR_DOWN, DIR_DOWN_RIGHT},
};

// Older numbering: the last common code, and where the modifiers start.
constexpr int SCANCODE_COMMON_LAST = 102;     // KEY_KANJI in both
constexpr int SCANCODE_STORED_MODIFIERS = 103;
constexpr int SCANCODE_LIBRARY_SHIFT = __allegro_KEY_MODIFIERS - SCANCODE_STORED_MODIFIERS;
static_assert(SCANCODE_LIBRARY_SHIFT == 12, "this library's modifiers sit twelve codes higher");
static_assert(SCANCODE_STORED_MAX + SCANCODE_LIBRARY_SHIFT == KEY_MAX, "KEY_MAX moves with them");

// Keys a capture never takes: the screenshot key, F12 and the abort key.
constexpr int CAPTURE_SKIPPED[] = {KEY_F1, KEY_F12, KEY_ESC};

// Joystick positions run -128..128: a direction counts from 60 on while playing, and at 60 or
// more for a capture.
constexpr int STICK_READ_DIVISOR = 30;
constexpr int STICK_CAPTURE_DIVISOR = 60;

int scancode_to_library(int stored)
{
    if (stored < 0 || stored > SCANCODE_STORED_MAX)
        return 0;
    if (stored <= SCANCODE_COMMON_LAST)
        return stored;
    return stored + SCANCODE_LIBRARY_SHIFT;
}

int scancode_from_library(int library)
{
    if (library < 0 || library > KEY_MAX)
        return 0;
    if (library <= SCANCODE_COMMON_LAST)
        return library;
    if (library < __allegro_KEY_MODIFIERS)
        return 0;   // keys the older library did not know
    return library - SCANCODE_LIBRARY_SHIFT;
}

static bool stored_key_down(i32 stored)
{
    int library = scancode_to_library(stored);
    return library > 0 && library < KEY_MAX && key[library];
}

// A button that went up re-arms in the reader: START always; an attack button only while no
// attack of the fighter is live and not on the character select (the pause menu over the
// select excepted). The tick's input pass then re-arms every attack button that is up, so
// these conditions hold only for a caller of the reader alone.
static bool attack_button_rearms(int p)
{
    if (game_state == STATE_CHARACTER_SELECT && !paused)
        return false;
    return !fighter_attack_live(p);
}

static void input_button_set(int p, int button, bool down)
{
    const ButtonSlots &slots = button_slots[button];
    if (down) {
        slots.held[p] = INPUT_HELD;
        return;
    }
    slots.held[p] = 0;
    if (button == BUTTON_START || attack_button_rearms(p))
        slots.ready[p] = INPUT_READY;
}

void input_read_keyboard(int p)
{
    if (p < 0 || p > 1)
        return;
    int held = stored_key_down(bind_key_up[p]) | stored_key_down(bind_key_down[p]) << 1 |
               stored_key_down(bind_key_left[p]) << 2 | stored_key_down(bind_key_right[p]) << 3;
    if (key_direction[held] != DIR_KEEP)
        input_dir[p] = key_direction[held];
    for (int button = 0; button < BUTTON_COUNT; button++)
        input_button_set(p, button, stored_key_down(button_slots[button].key[p]));
}

// The player's bound joystick, or 0 when the number names none that is attached.
static const JOYSTICK_INFO *bound_joystick(int p)
{
    int index = bind_joy_index[p];
    if (index < 0 || index >= num_joysticks || index >= MAX_JOYSTICKS)
        return nullptr;
    return &joy[index];
}

// -1, 0 or 1 for one axis of the bound stick; a missing stick or axis reads centred.
static int stick_axis_step(const JOYSTICK_INFO *joystick, int stick, int axis)
{
    if (!joystick || stick < 0 || stick >= joystick->num_sticks || stick >= MAX_JOYSTICK_STICKS)
        return 0;
    const JOYSTICK_STICK_INFO &info = joystick->stick[stick];
    if (axis >= info.num_axis)
        return 0;
    int step = info.axis[axis].pos / STICK_READ_DIVISOR;
    return step < -1 ? -1 : step > 1 ? 1 : 0;
}

static bool joystick_button_down(const JOYSTICK_INFO *joystick, i32 button)
{
    if (!joystick || button < 0 || button >= joystick->num_buttons ||
        button >= MAX_JOYSTICK_BUTTONS)
        return false;
    return joystick->button[button].b != 0;
}

void input_read_joystick(int p)
{
    if (p < 0 || p > 1)
        return;
    if (bind_joy_index[p] < 0) {
        input_dir[p] = DIR_NONE;
        for (int button = 0; button < BUTTON_COUNT; button++)
            button_slots[button].held[p] = 0;
        return;
    }
    const JOYSTICK_INFO *joystick = bound_joystick(p);
    int x = stick_axis_step(joystick, bind_joy_stick[p], 0);
    int y = stick_axis_step(joystick, bind_joy_stick[p], 1);
    input_dir[p] = stick_direction[y + 1][x + 1];
    for (int button = 0; button < BUTTON_COUNT; button++) {
        i32 bound = button_slots[button].joy_button[p];
        input_button_set(p, button, joystick_button_down(joystick, bound));
    }
}

static bool capture_skips(int stored)
{
    for (int skipped : CAPTURE_SKIPPED)
        if (stored == skipped)
            return true;
    return false;
}

i32 capture_key_binding()
{
    if (capture_latch)
        return 0;
    int found = 0;
    for (int stored = 1; stored < SCANCODE_STORED_MAX && !found; stored++)
        if (!capture_skips(stored) && stored_key_down(stored))
            found = stored;
    if (!found)
        return 0;
    capture_latch = 1;
    // One key, one action of one player: wherever it was bound it is now unbound.
    for (i32 *binding : key_bindings)
        for (int p = 0; p < 2; p++)
            if (binding[p] == found)
                binding[p] = 0;
    return found;
}

// The direction of one stick for a capture, 0 when it stands near the centre.
static int stick_capture_direction(const JOYSTICK_STICK_INFO &stick)
{
    int x = stick.axis[0].pos / STICK_CAPTURE_DIVISOR;
    int y = stick.axis[1].pos / STICK_CAPTURE_DIVISOR;
    if (x <= -1)
        return DIR_LEFT;
    if (x >= 1)
        return DIR_RIGHT;
    if (y <= -1)
        return DIR_UP;
    if (y >= 1)
        return DIR_DOWN;
    return 0;
}

static int joystick_count()
{
    return num_joysticks < MAX_JOYSTICKS ? num_joysticks : MAX_JOYSTICKS;
}

static i32 capture_stick(int p)
{
    for (int j = 0; j < joystick_count(); j++) {
        int sticks = joy[j].num_sticks;
        if (sticks > MAX_JOYSTICK_STICKS)
            sticks = MAX_JOYSTICK_STICKS;
        for (int s = 0; s < sticks; s++) {
            if (joy[j].stick[s].num_axis <= 1)
                continue;
            int direction = stick_capture_direction(joy[j].stick[s]);
            if (!direction)
                continue;
            bind_joy_index[p] = j;
            bind_joy_stick[p] = s;
            if (bind_joy_index[1 - p] == j)
                bind_joy_index[1 - p] = -1;   // one joystick per player
            capture_latch = 1;
            return direction;
        }
    }
    return 0;
}

// KEEP: button number + 1, so that button 0 can be told from nothing; the page stores result - 1.
static i32 capture_button(int p)
{
    if (bind_joy_index[p] < 0)
        return -1;
    for (int j = 0; j < joystick_count(); j++)
        for (int b = 0; b < joy[j].num_buttons && b < MAX_JOYSTICK_BUTTONS; b++)
            if (joy[j].button[b].b) {
                capture_latch = 1;
                return b + 1;
            }
    return -1;
}

i32 capture_joystick_binding(int mode)
{
    if (capture_latch)
        return 0;
    int p = binding_player;
    if (p < 0 || p > 1)
        return mode == 0 ? 0 : -1;
    return mode == 0 ? capture_stick(p) : capture_button(p);
}

const char *const key_names[] = {
    "(none)",
    "KEY_A", "KEY_B", "KEY_C", "KEY_D", "KEY_E", "KEY_F", "KEY_G", "KEY_H", "KEY_I", "KEY_J",
    "KEY_K", "KEY_L", "KEY_M", "KEY_N", "KEY_O", "KEY_P", "KEY_Q", "KEY_R", "KEY_S", "KEY_T",
    "KEY_U", "KEY_V", "KEY_W", "KEY_X", "KEY_Y", "KEY_Z",
    "KEY_0", "KEY_1", "KEY_2", "KEY_3", "KEY_4", "KEY_5", "KEY_6", "KEY_7", "KEY_8", "KEY_9",
    "KEY_0_PAD", "KEY_1_PAD", "KEY_2_PAD", "KEY_3_PAD", "KEY_4_PAD",
    "KEY_5_PAD", "KEY_6_PAD", "KEY_7_PAD", "KEY_8_PAD", "KEY_9_PAD",
    "KEY_F1", "KEY_F2", "KEY_F3", "KEY_F4", "KEY_F5", "KEY_F6",
    "KEY_F7", "KEY_F8", "KEY_F9", "KEY_F10", "KEY_F11", "KEY_F12",
    "KEY_ESC", "KEY_TILDE", "KEY_MINUS", "KEY_EQUALS", "KEY_BACKSPACE", "KEY_TAB",
    "KEY_OPENBRACE", "KEY_CLOSEBRACE", "KEY_ENTER", "KEY_COLON", "KEY_QUOTE", "KEY_BACKSLASH",
    "KEY_BACKSLASH2", "KEY_COMMA", "KEY_STOP", "KEY_SLASH", "KEY_SPACE", "KEY_INSERT",
    "KEY_DEL", "KEY_HOME", "KEY_END", "KEY_PGUP", "KEY_PGDN", "KEY_LEFT", "KEY_RIGHT",
    "KEY_UP", "KEY_DOWN", "KEY_SLASH_PAD", "KEY_ASTERISK", "KEY_MINUS_PAD", "KEY_PLUS_PAD",
    "KEY_DEL_PAD", "KEY_ENTER_PAD", "KEY_PRTSCR", "KEY_PAUSE", "KEY_ABNT_C1", "KEY_YEN",
    "KEY_KANA", "KEY_CONVERT", "KEY_NOCONVERT", "KEY_AT", "KEY_CIRCUMFLEX", "KEY_COLON2",
    "KEY_KANJI",
    "KEY_LSHIFT", "KEY_RSHIFT", "KEY_LCONTROL", "KEY_RCONTROL", "KEY_ALT", "KEY_ALTGR",
    "KEY_LWIN", "KEY_RWIN", "KEY_MENU", "KEY_SCRLOCK", "KEY_NUMLOCK", "KEY_CAPSLOCK",
    "KEY_MAX",
};
static_assert(std::size(key_names) == SCANCODE_STORED_MAX + 1, "one name per stored scancode");
