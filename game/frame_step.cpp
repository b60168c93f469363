#include "game/game.h"

#include "frontend/frontend.h"

void frame_step()
{
    switch (game_state) {
    case STATE_MAIN_MENU:
        title_menu_frame();
        break;
    case STATE_CHARACTER_SELECT:
        character_select_frame();
        break;
    default:
        break;
    }
}
