// The controls pages of the title menu: each player's device, the eight key bindings and the
// joystick's stick and four buttons, with the capture that waits for a key, a stick push or a
// button and that ESC (or BACK) aborts with the old binding restored.
#include "frontend/frontend_local.h"

#include "engine/engine.h"
#include "game/game.h"

#include <allegro.h>
#include <GL/gl.h>
#include <iterator>

u32 capture_active;
i32 capture_saved_binding;
i32 capture_saved_stick;
i32 capture_saved_button;
i32 stick_capture_result[2];

constexpr int CONTROLS_BACK_ITEM = 4;   // the controls page's BACK, where pages 6 and 7 return
constexpr int OPTIONS_BACK_ITEM = 4;
constexpr f32 LABEL_X = -15.0f;
constexpr f32 VALUE_X = 8.0f;
constexpr f32 MESSAGE_Y = -24.0f;
constexpr f32 MESSAGE_2_Y = -27.0f;
constexpr f32 FADED_ALPHA = 0.25f;
constexpr int STICK_MODE = 0;
constexpr int BUTTON_MODE = 1;

// ---- PAGE_CONTROLS ------------------------------------------------------------------------
enum ControlsItem : i32 {
    CONTROLS_DEVICE_1,
    CONTROLS_CONFIGURE_1,
    CONTROLS_DEVICE_2,
    CONTROLS_CONFIGURE_2,
    CONTROLS_BACK
};
const MenuItem controls_items[] = {
    // hover                 caps            confirm
    {{-10, 10, -3.5f, -2}, MENU_CAPS_NONE, MENU_CONFIRM_OWN},      // player 1's device
    {{-10, 10, -5, -3.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD}, // player 1's CONFIGURE
    {{-10, 10, -8, -6.5f}, MENU_CAPS_NONE, MENU_CONFIRM_OWN},      // player 2's device
    {{-10, 10, -10.5f, -8}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},// player 2's CONFIGURE
    MENU_BACK_ITEM,
};
static_assert(std::size(controls_items) == CONTROLS_ITEM_COUNT, "one row per controls item");

// Whether player p's CONFIGURE leads anywhere: a keyboard, or a joystick that is there.
static bool configure_offered(int p)
{
    return input_device[p] == 0 || (input_device[p] == 1 && joystick_available);
}

u8 controls_item_use(int item)
{
    if (item == CONTROLS_CONFIGURE_1 || item == CONTROLS_CONFIGURE_2)
        return configure_offered(item == CONTROLS_CONFIGURE_1 ? 0 : 1) ? MENU_ITEM_HOVERS | MENU_ITEM_CONFIRMS : 0;
    return MENU_ITEM_HOVERS | MENU_ITEM_CONFIRMS;
}

// Switches player p between keyboard and joystick; with no joystick nothing happens at all.
// One joystick serves one player; with several, two players never share one.
static void device_toggle(int p)
{
    if (num_joysticks <= 0)
        return;
    menu_standard_confirm();
    int o = 1 - p;
    input_device[p] = input_device[p] == 0 ? 1 : 0;
    if (num_joysticks == 1 && input_device[o] == input_device[p])
        input_device[o] = 0;
    if (num_joysticks > 1 && bind_joy_index[p] == bind_joy_index[o]) {
        bind_joy_index[o] = bind_joy_index[p] == 0 ? 1 : 0;
        bind_joy_stick[o] = 0;
    }
    settings_save();   // a changed control survives a crash or a kill
}

static void binding_page_open(int p)
{
    binding_player = p;
    capture_active = CAPTURE_NONE;
    menu_page = input_device[p] == 0 ? PAGE_KEYBOARD_KEYS : PAGE_JOYSTICK_BUTTONS;
    if (p == 0)
        menu_cursor = 0;   // KEEP: player 2's page opens with the cursor where it was, on 3
}

void controls_page_act(int item)
{
    switch (item) {
    case CONTROLS_DEVICE_1:
    case CONTROLS_DEVICE_2:
        device_toggle(item == CONTROLS_DEVICE_1 ? 0 : 1);
        break;
    case CONTROLS_CONFIGURE_1:
    case CONTROLS_CONFIGURE_2:
        binding_page_open(item == CONTROLS_CONFIGURE_1 ? 0 : 1);
        break;
    case CONTROLS_BACK:
        menu_page = PAGE_OPTIONS;
        menu_cursor = OPTIONS_BACK_ITEM;
        video_apply_pending = 0;
        break;
    }
}

// A player's device row: its label gains a colon while selected; JOYSTICK fades without one.
static void device_row_draw(int p, f32 y)
{
    bool selected = menu_cursor == (p == 0 ? CONTROLS_DEVICE_1 : CONTROLS_DEVICE_2);
    menu_label_colour(selected);
    print_text(LABEL_X, y, MENU_LABEL_DEPTH, "PLAYER %d CONTROL%s", p + 1, selected ? ":" : "");
    if (input_device[p] == 0) {
        print_text(VALUE_X, y, MENU_LABEL_DEPTH, "KEYBOARD");
    } else if (input_device[p] == 1) {
        if (!joystick_available)
            glColor4f(1.0f, 1.0f, 1.0f, FADED_ALPHA);
        print_text(VALUE_X, y, MENU_LABEL_DEPTH, "JOYSTICK");
    }
}

void controls_page_draw()
{
    menu_letters_draw(&MENU_BACK_LABEL, 1, false);
    const f32 device_y[2] = {-6, -15}, configure_y[2] = {-9, -18};
    for (int p = 0; p < 2; p++) {
        device_row_draw(p, device_y[p]);
        if (!configure_offered(p))
            continue;
        menu_label_colour(menu_cursor == (p == 0 ? CONTROLS_CONFIGURE_1 : CONTROLS_CONFIGURE_2));
        print_text(LABEL_X, configure_y[p], MENU_LABEL_DEPTH, "CONFIGURE");
    }
}

// ---- binding rows ----------------------------------------------------------------------------
// One binding row of pages 6 and 7: its label and place, its binding, its capture and whether
// the confirm clears the binding at once (HARD SWING and START keep theirs while the
// confirming press lasts).
struct BindingRow {
    const char *label;
    f32 y;
    i32 *binding;   // two players
    u32 capture;
    u8 cleared;
};

// The row whose capture runs, or null.
static const BindingRow *binding_row_capturing(const BindingRow *rows, int count)
{
    for (int k = 0; k < count; k++)
        if (rows[k].capture == capture_active)
            return &rows[k];
    return nullptr;
}

// ---- PAGE_KEYBOARD_KEYS ---------------------------------------------------------------------
static const BindingRow key_rows[] = {
    {"UP", 0, bind_key_up, CAPTURE_UP, 1},
    {"DOWN", -3, bind_key_down, CAPTURE_DOWN, 1},
    {"LEFT", -6, bind_key_left, CAPTURE_LEFT, 1},
    {"RIGHT", -9, bind_key_right, CAPTURE_RIGHT, 1},
    {"HARD SWING", -12, bind_key_hard_swing, CAPTURE_HARD_SWING, 0},
    {"LOW SWING", -15, bind_key_low_swing, CAPTURE_LOW_SWING, 1},
    {"KICK", -18, bind_key_kick, CAPTURE_KICK, 1},
    {"START/PAUSE", -21, bind_key_start, CAPTURE_START, 0},
};
constexpr int KEY_ROWS = 8;
static_assert(std::size(key_rows) == KEY_ROWS, "eight bindings");
const MenuItem keyboard_items[] = {
    // hover                 caps            confirm
    {{-10, 10, 0.5f, 2}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -2, 0.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -3.5f, -2}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -5, -3.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -6.5f, -5}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -8, -6.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -9.5f, -8}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -11, -9.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    MENU_BACK_ITEM,
};
static_assert(std::size(keyboard_items) == KEYBOARD_ITEM_COUNT && KEYBOARD_ITEM_COUNT == KEY_ROWS + 1,
              "the rows, then BACK");

static const BindingRow *key_row_capturing()
{
    return binding_row_capturing(key_rows, KEY_ROWS);
}

// Aborting puts the binding under capture back as it was before the confirm.
static void key_capture_abort()
{
    const BindingRow *row = key_row_capturing();
    if (row)
        row->binding[binding_player] = capture_saved_binding;
    capture_active = CAPTURE_NONE;
}

// One step of a key capture. ESC aborts before any scan: a key taken in the ESC tick would
// already have been cleared from the other bindings.
static void key_capture_step()
{
    const BindingRow *row = key_row_capturing();
    if (!row)
        return;
    int p = binding_player;
    if (key[KEY_ESC]) {
        key_capture_abort();
        return;
    }
    row->binding[p] = capture_key_binding();
    if (row->binding[p] > 0) {
        capture_active = CAPTURE_NONE;
        settings_save();   // a new binding survives a crash or a kill
    }
    // The key just bound does not move the cursor while it is still held.
    if (row->capture == CAPTURE_UP)
        input_dir_latch[p] = DIR_UP;
    if (row->capture == CAPTURE_DOWN)
        input_dir_latch[p] = DIR_DOWN;
}

void keyboard_page_input_first()
{
    if (capture_active != CAPTURE_NONE && (!capture_latch || key[KEY_ESC]))
        key_capture_step();
}

// Rows hover only while no capture runs and confirm only once every control is released;
// BACK hovers only while no capture runs.
u8 binding_item_use(int item)
{
    bool is_back = item == menu_page_info(menu_page)->item_count - 1;
    u8 use = capture_active == CAPTURE_NONE ? MENU_ITEM_HOVERS : 0;
    if (is_back || !capture_latch)
        use |= MENU_ITEM_CONFIRMS;
    return use;
}

// BACK of the binding pages: a capture still waiting is aborted as by ESC.
static void binding_page_back()
{
    if (capture_active != CAPTURE_NONE) {
        if (menu_page == PAGE_KEYBOARD_KEYS)
            key_capture_abort();
        else
            joystick_capture_abort();
    }
    menu_page = PAGE_CONTROLS;
    menu_cursor = CONTROLS_BACK_ITEM;
    video_apply_pending = 0;
}

void keyboard_page_act(int item)
{
    if (item == KEY_ROWS) {
        binding_page_back();
        return;
    }
    const BindingRow &row = key_rows[item];
    int p = binding_player;
    capture_saved_binding = row.binding[p];
    if (row.cleared)
        row.binding[p] = 0;
    if (row.capture == CAPTURE_DOWN)
        input_dir_latch[p] = DIR_DOWN;
    capture_active = row.capture;
}

// A stored binding outside the name table prints as none.
static const char *key_name_of(i32 binding)
{
    return binding >= 0 && binding <= SCANCODE_STORED_MAX ? key_names[binding] : key_names[0];
}

void keyboard_page_draw()
{
    menu_letters_draw(&MENU_BACK_LABEL, 1, false);
    for (int k = 0; k < KEY_ROWS; k++) {
        menu_label_colour(menu_cursor == k);
        print_text(LABEL_X, key_rows[k].y, MENU_LABEL_DEPTH, "%s", key_rows[k].label);
        print_text(VALUE_X, key_rows[k].y, MENU_LABEL_DEPTH, "%s", key_name_of(key_rows[k].binding[binding_player]));
    }
    if (capture_active == CAPTURE_NONE)
        return;
    menu_label_colour(true);
    print_text(LABEL_X, MESSAGE_Y, MENU_LABEL_DEPTH, "Press a key. ESC to abort.");
}

// ---- PAGE_JOYSTICK_BUTTONS ------------------------------------------------------------------
enum JoystickItem : i32 {
    JOY_ITEM_STICK = 1,
    JOY_ITEM_HARD_SWING = 4,
    JOY_ITEM_BACK = 8
};
// Rows 4..7: the four buttons.
static const BindingRow button_rows[] = {
    {"HARD SWING", -12, bind_joy_hard_swing, CAPTURE_HARD_SWING, 0},
    {"LOW SWING", -15, bind_joy_low_swing, CAPTURE_LOW_SWING, 1},
    {"KICK", -18, bind_joy_kick, CAPTURE_KICK, 1},
    {"START/PAUSE", -21, bind_joy_start, CAPTURE_START, 0},
};
constexpr int BUTTON_ROWS = 4;
static_assert(std::size(button_rows) == BUTTON_ROWS, "four buttons");
constexpr MenuItem NO_ITEM = {{0, 0, 0, 0}, MENU_CAPS_NONE, MENU_CONFIRM_OWN};
const MenuItem joystick_items[] = {
    // hover                 caps            confirm
    NO_ITEM,
    {{-10, 10, -2, 0.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},     // JOYSTICK:
    NO_ITEM,
    NO_ITEM,
    {{-10, 10, -6.5f, -5}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -8, -6.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -9.5f, -8}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    {{-10, 10, -11, -9.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},
    MENU_BACK_ITEM,
};
static_assert(std::size(joystick_items) == JOYSTICK_ITEM_COUNT, "cursor places 0..8");

static const BindingRow *button_row_capturing()
{
    return binding_row_capturing(button_rows, BUTTON_ROWS);
}

void joystick_capture_abort()
{
    int p = binding_player;
    bind_joy_index[p] = capture_saved_binding;
    bind_joy_stick[p] = capture_saved_stick;
    const BindingRow *row = button_row_capturing();
    if (row)
        row->binding[p] = capture_saved_button;
    capture_active = CAPTURE_NONE;
}

static void joystick_capture_step()
{
    int p = binding_player;
    if (key[KEY_ESC]) {
        joystick_capture_abort();
        return;
    }
    if (capture_active == CAPTURE_STICK) {
        stick_capture_result[p] = capture_joystick_binding(STICK_MODE);
        if (stick_capture_result[p] > 0) {
            capture_active = CAPTURE_NONE;
            settings_save();
        }
        input_dir_latch[p] = DIR_DOWN;
        return;
    }
    const BindingRow *row = button_row_capturing();
    if (!row)
        return;
    row->binding[p] = capture_joystick_binding(BUTTON_MODE);
    if (row->binding[p] > 0) {
        row->binding[p] -= 1;
        capture_active = CAPTURE_NONE;
        settings_save();
    }
}

void joystick_page_input_first()
{
    if (capture_active != CAPTURE_NONE && (!capture_latch || key[KEY_ESC]))
        joystick_capture_step();
}

u8 joystick_item_use(int item)
{
    if (joystick_items[item].confirm == MENU_CONFIRM_OWN)
        return 0;   // the empty places between the rows
    return binding_item_use(item);
}

void joystick_page_act(int item)
{
    int p = binding_player;
    if (item == JOY_ITEM_BACK) {
        binding_page_back();
        return;
    }
    capture_saved_binding = bind_joy_index[p];
    capture_saved_stick = bind_joy_stick[p];
    if (item == JOY_ITEM_STICK) {
        stick_capture_result[p] = -1;
        capture_active = CAPTURE_STICK;
        return;
    }
    const BindingRow &row = button_rows[item - JOY_ITEM_HARD_SWING];
    capture_saved_button = row.binding[p];
    if (row.cleared)
        row.binding[p] = -1;
    capture_active = row.capture;
}

void joystick_page_draw()
{
    int p = binding_player;
    menu_letters_draw(&MENU_BACK_LABEL, 1, false);
    menu_label_colour(menu_cursor == JOY_ITEM_STICK);
    print_text(LABEL_X, -3, MENU_LABEL_DEPTH, "JOYSTICK:");
    if (bind_joy_index[p] >= 0)
        print_text(VALUE_X, -3, MENU_LABEL_DEPTH, "JOY_%d", bind_joy_index[p]);
    for (int k = 0; k < BUTTON_ROWS; k++) {
        const BindingRow &row = button_rows[k];
        menu_label_colour(menu_cursor == JOY_ITEM_HARD_SWING + k);
        print_text(LABEL_X, row.y, MENU_LABEL_DEPTH, "%s", row.label);
        if (bind_joy_index[p] >= 0 && row.binding[p] >= 0)
            print_text(VALUE_X, row.y, MENU_LABEL_DEPTH, "JOY_%d_BUTTON%d", bind_joy_index[p], row.binding[p]);
    }
    menu_label_colour(true);
    if (capture_active == CAPTURE_STICK) {
        print_text(LABEL_X, MESSAGE_Y, MENU_LABEL_DEPTH, "Press any direction.");
        print_text(LABEL_X, MESSAGE_2_Y, MENU_LABEL_DEPTH, "ESC to abort.");
    } else if (capture_active != CAPTURE_NONE) {
        print_text(LABEL_X, MESSAGE_Y, MENU_LABEL_DEPTH, "Press a joystick button. ESC to abort.");
    }
}
