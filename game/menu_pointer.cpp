#include "game/game.h"

#include <allegro.h>

f32 pointer_x, pointer_y;
f32 pointer_target_x, pointer_target_y;
i32 menu_click_latch;
f32 mouse_move_x, mouse_move_y;

constexpr f32 POINTER_SPEED = 0.1f;   // menu units per scaled mouse step
constexpr f32 POINTER_X_LIMIT = 20.0f;
constexpr f32 POINTER_Y_LIMIT = 15.0f;

static f32 clamp_symmetric(f32 value, f32 limit)
{
    return value < -limit ? -limit : value > limit ? limit : value;
}

void menu_pointer_step()
{
    // The mouse's downward motion lowers the pointer.
    pointer_x = clamp_symmetric(pointer_x + POINTER_SPEED * mouse_move_x, POINTER_X_LIMIT);
    pointer_y = clamp_symmetric(pointer_y - POINTER_SPEED * mouse_move_y, POINTER_Y_LIMIT);
    if (mouse_b == 0)
        menu_click_latch = 0;
}
