#include "frontend/frontend.h"

#include "engine/engine.h"
#include "game/game.h"

#include <allegro.h>
#include <iterator>

i32 menu_page;
i32 menu_cursor;
f32 menu_pulse_angle;
f32 title_scroll_1, title_scroll_2, title_scroll_3;

constexpr f32 POINTER_START_X = -20.0f;   // top left of the pointer's range
constexpr f32 POINTER_START_Y = 15.0f;
constexpr f32 PULSE_FULL = 3.1415f;       // the pulse starts at full brightness
constexpr f32 PULSE_STEP = 0.1f;
constexpr f32 PULSE_END = 4.28f;
constexpr f32 PULSE_RESTART = 2.0f;
constexpr f32 SCROLL_STEP_SLOW = 0.00025f;
constexpr f32 SCROLL_STEP_FAST = 0.0005f;
constexpr int MOUSE_LEFT_ONLY = 1;

// Samples of the god summons that may still sound when a fight is left for the title.
constexpr SfxId SUMMON_SOUNDS[] = {SFX_SUPER, SFX_SUMMON_EARTH, SFX_ROCK_IMPACT, SFX_SOLAR_BEAM,
                                   SFX_WAVE, SFX_FURIES, SFX_THUNDER};

// Cursor range per page and whether the directions move it at all.
struct PageRange {
    i32 first, last;
    bool navigable;
};
static const PageRange page_ranges[] = {
    {0, 2, true},    // main
    {0, 4, true},    // options
    {0, 6, true},    // video mode
    {0, 4, true},    // video
    {0, 2, true},    // audio
    {0, 4, true},    // controls
    {0, 8, true},    // keyboard keys
    {1, 8, true},    // joystick buttons
    {0, 4, true},    // game
    {0, 3, true},    // extras
    {0, 0, false},   // local or network
    {0, 0, false},   // network
};
static_assert(std::size(page_ranges) == PAGE_COUNT, "one row per page");

// The main page's items in cursor order, with their hover rectangles (open bounds).
enum MainItem : i32 {
    MAIN_START,
    MAIN_OPTIONS,
    MAIN_EXIT,
    MAIN_ITEM_COUNT
};
struct HoverRect {
    f32 x0, x1, y0, y1;
};
static const HoverRect main_item_rects[] = {
    {-10, 10, -2, 5},     // START
    {-10, 10, -5, -2},    // OPTIONS
    {10, 20, -13, -10},   // EXIT
};
static_assert(std::size(main_item_rects) == MAIN_ITEM_COUNT, "one row per main item");

void menu_pulse_step()
{
    menu_pulse_angle += PULSE_STEP;
    if (menu_pulse_angle > PULSE_END)
        menu_pulse_angle = PULSE_RESTART;
}

void title_menu_enter()
{
    for (SfxId sound : SUMMON_SOUNDS)
        sfx_stop(sound);
    ladder_time = 0;
    pointer_x = POINTER_START_X;
    pointer_y = POINTER_START_Y;
    title_scroll_1 = title_scroll_2 = title_scroll_3 = 0.0f;
    state_ticks = 0;
    continue_active = 0;
    fight_load_phase = 0;
    challenger_pending = 0;
    menu_cursor = 0;
    menu_click_latch = 1;   // a button still held from the last screen does not click
    game_state = STATE_MAIN_MENU;
    menu_page = PAGE_MAIN;
    menu_pulse_angle = PULSE_FULL;
    timer_logic_rate_set(LOGIC_TICK_60HZ);   // a knock-out's slow motion ends here
}

// The item skips of the pages whose items may be hidden; `step` is the move just made.
static void menu_cursor_skip(int step)
{
    if (menu_page == PAGE_JOYSTICK_BUTTONS) {
        if (step > 0 && menu_cursor == 2)
            menu_cursor = 4;
        if (step < 0 && menu_cursor == 3)
            menu_cursor = 1;
    }
    if (menu_page == PAGE_EXTRAS && step > 0) {
        if (menu_cursor == 1 && !profiles_unlocked)
            menu_cursor = 2;
        if (menu_cursor == 2 && !gallery_bought)
            menu_cursor = 3;
    }
    if (menu_page == PAGE_EXTRAS && step < 0) {
        if (menu_cursor == 2 && !gallery_bought)
            menu_cursor = 1;
        if (menu_cursor == 1 && !profiles_unlocked)
            menu_cursor = 0;
    }
}

// One player's cursor step: down and up move once per press and wrap within the page.
static void menu_cursor_player(int p)
{
    int d = input_dir[p];
    if (d != input_dir_latch[p])
        input_dir_latch[p] = -1;
    if (menu_page < 0 || menu_page >= PAGE_COUNT || !page_ranges[menu_page].navigable)
        return;
    int step = 0;
    if (d == DIR_DOWN && input_dir_latch[p] != DIR_DOWN)
        step = 1;
    if (d == DIR_UP && input_dir_latch[p] != DIR_UP)
        step = -1;
    if (!step)
        return;
    input_dir_latch[p] = d;
    menu_cursor += step;
    sfx_play_menu(SFX_POWER_FULL);
    menu_cursor_skip(step);
    const PageRange &range = page_ranges[menu_page];
    if (menu_cursor < range.first)
        menu_cursor = range.last;
    if (menu_cursor > range.last)
        menu_cursor = range.first;
}

static f32 scroll_advance(f32 scroll, f32 step, f32 limit)
{
    scroll += step;
    return scroll > limit ? 0.0f : scroll;
}

void title_menu_tick()
{
    menu_cursor_player(0);   // player 1's step starts from player 0's result
    menu_cursor_player(1);
    menu_pointer_step();
    title_scroll_1 = scroll_advance(title_scroll_1, SCROLL_STEP_SLOW, 2.0f);
    title_scroll_2 = scroll_advance(title_scroll_2, SCROLL_STEP_SLOW, 2.0f);
    title_scroll_3 = scroll_advance(title_scroll_3, SCROLL_STEP_FAST, 1.0f);
    menu_pulse_step();
}

// Player p's refreshed controls show any press.
static bool player_control_pressed(int p)
{
    if (input_device[p] == 0)
        input_read_keyboard(p);
    else if (input_device[p] == 1)
        input_read_joystick(p);
    return input_dir[p] || input_hard_swing[p] || input_low_swing[p] || input_kick[p] ||
           input_start[p] || key[KEY_ENTER];
}

int any_control_pressed()
{
    return player_control_pressed(0) || player_control_pressed(1);
}

// The pointer is active in a frame in which it moved, a fresh left click came, or every
// button was let go after a click. Never during a fade.
static bool menu_pointer_active()
{
    if (fade_mode != FADE_NONE)
        return false;
    bool moved = pointer_x != pointer_target_x || pointer_y != pointer_target_y;
    bool fresh_click = mouse_b == MOUSE_LEFT_ONLY && !menu_click_latch;
    bool released = mouse_b == 0 && menu_click_latch == 1;
    if (!moved && !fresh_click && !released)
        return false;
    pointer_target_x = pointer_x;
    pointer_target_y = pointer_y;
    return true;
}

static bool pointer_inside(const HoverRect &rect)
{
    return pointer_x > rect.x0 && pointer_x < rect.x1 && pointer_y > rect.y0 && pointer_y < rect.y1;
}

// A confirm press on the selected item: a click on it, or a HARD SWING or START of either
// player whose latch is clear. Nothing confirms during a fade.
static bool menu_confirm_pressed(const HoverRect &rect)
{
    if (fade_mode != FADE_NONE)
        return false;
    if (mouse_b == MOUSE_LEFT_ONLY && !menu_click_latch && pointer_inside(rect))
        return true;
    for (int p = 0; p < 2; p++)
        if ((input_hard_swing[p] && !latch_hard_swing[p]) || (input_start[p] && !latch_start[p]))
            return true;
    return false;
}

// The press is used up for every player and for ENTER.
static void menu_standard_confirm()
{
    latch_hard_swing[0] = latch_hard_swing[1] = 1;
    latch_start[0] = latch_start[1] = 1;
    latch_enter = 1;
    sfx_play_menu(SFX_MENU_CONFIRM);
    menu_click_latch = 1;
}

// START: a one-player game for the side that pressed (a mouse click counts as side one); the
// fade's end opens the character select.
static void main_start_game()
{
    bool side_one = input_start[0] || mouse_b != 0 || input_hard_swing[0];
    game_mode = side_one ? GAME_MODE_ARCADE_P1 : GAME_MODE_ARCADE_P2;
    ladder_started = 0;
    ladder_index = 0;
    menu_click_latch = 1;
    fade_out_start();
}

static void main_item_act(int item)
{
    switch (item) {
    case MAIN_START:
        main_start_game();
        break;
    case MAIN_OPTIONS:
        menu_page = PAGE_OPTIONS;
        menu_cursor = 0;
        break;
    default:
        game_state = STATE_EXIT_SCREEN;   // at once, no fade
        break;
    }
}

// The main page's hovers and confirms; the hover comes first, so one click on an item both
// selects and confirms it.
static void main_page_input(bool pointer_active)
{
    for (int item = 0; item < MAIN_ITEM_COUNT && menu_page == PAGE_MAIN; item++) {
        const HoverRect &rect = main_item_rects[item];
        if (pointer_active && menu_cursor != item && pointer_inside(rect)) {
            sfx_play_menu(SFX_POWER_FULL);
            menu_cursor = item;
        }
        if (menu_cursor == item && menu_confirm_pressed(rect)) {
            menu_standard_confirm();
            main_item_act(item);
        }
    }
}

void title_menu_frame()
{
    bool pointer_active = menu_pointer_active();
    if (menu_page == PAGE_MAIN)
        main_page_input(pointer_active);
    capture_latch = any_control_pressed();
}
