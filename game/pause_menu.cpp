#include "game/game.h"

#include "engine/engine.h"
#include "frontend/frontend.h"

#include <allegro.h>
#include <iterator>

u8 paused;
i32 pause_cursor;
i32 pause_confirm;
i32 pause_confirm_cursor;
i32 free_camera;

constexpr i32 PAUSE_BOX_OPEN = -1;
constexpr i32 PAUSE_YES = 0;
constexpr i32 PAUSE_NO = 1;
constexpr int MOUSE_LEFT_ONLY = 1;
constexpr f32 PAUSE_POINTER_X = -7.0f;
constexpr f32 PAUSE_POINTER_Y = 4.0f;
constexpr f32 BOX_SPLIT_X = -0.5f;   // YES left of it, NO right

// Entries of the full menu (the fight) and of the short one (everywhere else).
enum PauseEntry : i32 {
    PAUSE_RESUME,
    PAUSE_MOVE_CAMERA,
    PAUSE_RETURN_TO_TITLE
};

// Hover bands on the pointer's y, bounds exclusive.
struct HoverBand {
    f32 top, bottom;
    i32 entry;
};
static const HoverBand full_menu_bands[] = {
    {1.87f, 0.67f, 0},
    {0.67f, -1.13f, 1},
    {-1.13f, -2.63f, 2},
};
static const HoverBand short_menu_bands[] = {
    {1.5f, 0.0f, 0},
    {0.0f, -1.13f, 1},
};

// The free camera's turn per held direction, written over the tick's mouse motion.
struct CameraPush {
    f32 x, y;
};
static const CameraPush camera_push[] = {
    {0, 0},          // none
    {0, 5},          // up
    {10, 5},         // up-right
    {10, 0},         // right
    {10, -5},        // down-right
    {0, -5},         // down
    {-10, -5},       // down-left
    {-10, 0},        // left
    {-10, 5},        // up-left
};
static_assert(std::size(camera_push) == DIR_UP_LEFT + 1, "one row per direction");

bool pause_menu_is_short()
{
    return game_state == STATE_CHARACTER_SELECT || game_state == STATE_ROUND_INTRO ||
           game_state == STATE_STAGE_SELECT || summon_phase != 0;
}

static i32 pause_last_entry()
{
    return pause_menu_is_short() ? 1 : PAUSE_RETURN_TO_TITLE;
}

// The entry the cursor stands on, in the full menu's numbering.
static i32 pause_entry()
{
    if (pause_menu_is_short() && pause_cursor == 1)
        return PAUSE_RETURN_TO_TITLE;
    return pause_cursor;
}

void pause_open(int player)
{
    paused = 1;
    latch_esc = 1;
    pause_confirm = 0;
    // In the fight only the pressing player's Start is spent; ESC and the menus spend both.
    if (game_state == STATE_FIGHT && (player == 0 || player == 1)) {
        latch_start[player] = 1;
    } else {
        latch_start[0] = latch_start[1] = 1;
    }
    if (game_state == STATE_FIGHT || game_state == STATE_CHARACTER_SELECT ||
        game_state == STATE_STAGE_SELECT) {
        pause_cursor = PAUSE_RESUME;
        pointer_x = PAUSE_POINTER_X;
        pointer_y = PAUSE_POINTER_Y;
    }
    if (game_state == STATE_FIGHT || game_state == STATE_ROUND_INTRO ||
        game_state == STATE_STAGE_SELECT)
        latch_enter = 1;
}

// Who may work the menu: the human players of the mode.
static bool pause_player_plays(int p)
{
    switch (game_mode) {
    case GAME_MODE_ARCADE_P1:
    case GAME_MODE_PROFILE_P1:
        return p == 0;
    case GAME_MODE_ARCADE_P2:
    case GAME_MODE_PROFILE_P2:
        return p == 1;
    case GAME_MODE_VERSUS:
    case GAME_MODE_CHALLENGE:
        return true;
    default:
        return false;
    }
}

// The pointer counts as active in a tick in which it moved, or a fresh left click came.
static bool pause_pointer_active()
{
    bool moved = pointer_x != pointer_target_x || pointer_y != pointer_target_y;
    bool fresh_click = mouse_b == MOUSE_LEFT_ONLY && !menu_click_latch;
    if (!moved && !fresh_click)
        return false;
    pointer_target_x = pointer_x;
    pointer_target_y = pointer_y;
    return true;
}

static void pause_select(i32 *cursor, i32 entry)
{
    if (*cursor == entry)
        return;
    *cursor = entry;
    sfx_play_menu(SFX_POWER_FULL);
}

static void pause_hover()
{
    if (pause_confirm == PAUSE_BOX_OPEN) {
        if (pointer_x < BOX_SPLIT_X)
            pause_select(&pause_confirm_cursor, PAUSE_YES);
        else if (pointer_x > BOX_SPLIT_X)
            pause_select(&pause_confirm_cursor, PAUSE_NO);
        return;
    }
    bool short_menu = pause_menu_is_short();
    const HoverBand *bands = short_menu ? short_menu_bands : full_menu_bands;
    int count = short_menu ? std::size(short_menu_bands) : std::size(full_menu_bands);
    for (int i = 0; i < count; i++)
        if (pointer_y < bands[i].top && pointer_y > bands[i].bottom)
            pause_select(&pause_cursor, bands[i].entry);
}

// A direction acts once per press: it must differ from the player's latch, which takes it.
static bool direction_fresh(int p, int direction)
{
    if (input_dir[p] != direction || input_dir_latch[p] == direction)
        return false;
    input_dir_latch[p] = direction;
    return true;
}

static void pause_step_cursor(i32 *cursor, int step)
{
    *cursor += step;
    sfx_play_menu(SFX_POWER_FULL);
}

static void pause_directions(int p)
{
    if (pause_confirm == PAUSE_BOX_OPEN) {
        if (direction_fresh(p, DIR_RIGHT))
            pause_step_cursor(&pause_confirm_cursor, 1);
        if (direction_fresh(p, DIR_LEFT))
            pause_step_cursor(&pause_confirm_cursor, -1);
    } else {
        if (direction_fresh(p, DIR_DOWN))
            pause_step_cursor(&pause_cursor, 1);
        if (direction_fresh(p, DIR_UP))
            pause_step_cursor(&pause_cursor, -1);
    }
    // Clamped, not wrapped: holding on past the last entry stays there.
    i32 last = pause_last_entry();
    pause_cursor = pause_cursor < 0 ? 0 : pause_cursor > last ? last : pause_cursor;
    pause_confirm_cursor = pause_confirm_cursor < PAUSE_YES ? PAUSE_YES
                           : pause_confirm_cursor > PAUSE_NO ? PAUSE_NO
                                                             : pause_confirm_cursor;
}

// Start or ESC: out of the free camera back to the menu, or out of the menu.
static bool pause_leave_pressed(int p)
{
    bool start_edge = input_start[p] && !latch_start[p];
    bool esc_edge = key[KEY_ESC] && !latch_esc;
    if (!start_edge && !esc_edge)
        return false;
    latch_esc = 1;
    pause_confirm = 0;
    latch_start[0] = latch_start[1] = 1;
    if (free_camera)
        free_camera = 0;
    else
        paused = 0;
    return true;
}

static TickFlow pause_leave_to_title()
{
    paused = 0;
    pause_confirm = 0;
    return title_menu_return();
}

// The left button or a HARD SWING confirms the entry under the cursor. The press is spent
// for the select screens too, so it does not also pick a character there.
static TickFlow pause_confirm_pressed(int p)
{
    bool click = mouse_b == MOUSE_LEFT_ONLY && !menu_click_latch;
    bool swing = input_hard_swing[p] && input_hard_swing_ready[p] == 255;
    if (!click && !swing)
        return TICK_CONTINUES;
    sfx_play_menu(SFX_MENU_CONFIRM);
    menu_click_latch = 1;
    input_hard_swing_ready[0] = input_hard_swing_ready[1] = 0;
    select_button_latch[0] = select_button_latch[1] = -1;
    if (pause_confirm == PAUSE_BOX_OPEN) {
        if (pause_confirm_cursor == PAUSE_YES)
            return pause_leave_to_title();
        pause_confirm = 0;
        return TICK_CONTINUES;
    }
    switch (pause_entry()) {
    case PAUSE_RESUME:
        paused = 0;
        break;
    case PAUSE_MOVE_CAMERA:
        free_camera = !free_camera;
        break;
    default:
        // NO first, so a second press in a row does not leave.
        pause_confirm = PAUSE_BOX_OPEN;
        pause_confirm_cursor = PAUSE_NO;
        break;
    }
    return TICK_CONTINUES;
}

static TickFlow pause_player_step(int p, bool pointer_active)
{
    if (input_dir[p] != input_dir_latch[p])
        input_dir_latch[p] = -1;
    if (free_camera && input_dir[p] != DIR_NONE && input_dir[p] <= DIR_UP_LEFT) {
        const CameraPush &push = camera_push[input_dir[p]];
        if (push.x != 0)
            mouse_move_x = push.x;
        if (push.y != 0)
            mouse_move_y = push.y;
    }
    if (pointer_active && !free_camera)
        pause_hover();
    if (!free_camera)
        pause_directions(p);
    if (pause_leave_pressed(p))
        return TICK_CONTINUES;
    return pause_confirm_pressed(p);
}

TickFlow pause_tick()
{
    bool pointer_active = pause_pointer_active();
    menu_pointer_step();
    for (int p = 0; p < 2 && paused; p++) {
        if (!pause_player_plays(p))
            continue;
        if (pause_player_step(p, pointer_active) == TICK_ENDS)
            return TICK_ENDS;
    }
    return TICK_CONTINUES;
}
