// frontend.h: title menu and pages, character select, stage select, shop, gallery;
// used by game/.
#pragma once

#include "base/base.h"
#include "game/game.h"

// ---- title menu (title_menu.cpp) --------------------------------------------------------
// The title menu's pages.
enum MenuPage : i32 {
    PAGE_MAIN = 0,
    PAGE_OPTIONS = 1,
    PAGE_VIDEO_MODE = 2,
    PAGE_VIDEO = 3,
    PAGE_AUDIO = 4,
    PAGE_CONTROLS = 5,
    PAGE_KEYBOARD_KEYS = 6,
    PAGE_JOYSTICK_BUTTONS = 7,
    PAGE_GAME = 8,
    PAGE_EXTRAS = 9,
    PAGE_LOCAL_OR_NETWORK = 10,
    PAGE_NETWORK = 11,
    PAGE_COUNT
};
// Page numbers without a page, whose fade end leads straight to the character select.
constexpr i32 PAGE_SELECT_DIRECT_1 = 12;
constexpr i32 PAGE_SELECT_DIRECT_2 = 13;

// Screen lifetime: reset by title_menu_enter.
extern i32 menu_page;             // MenuPage
extern i32 menu_cursor;           // item of the page
extern f32 menu_pulse_angle;      // phase of the selected item's pulse, 2.0..4.28 radians
extern f32 title_scroll_1, title_scroll_2, title_scroll_3;   // background scrolls

// Enters the title menu: resets the menu and the run, makes STATE_MAIN_MENU current and
// puts the logic tick back to 60 per second. Starts no tune (its callers do).
void title_menu_enter();
// The menu's step of the logic tick in STATE_MAIN_MENU: cursor, pointer, scrolls, pulse.
void title_menu_tick();
// The menu's step of each drawn frame: hovers and confirms of the current page.
void title_menu_frame();
// One step of the selected item's pulse (also the select screens' and credits screen's).
void menu_pulse_step();
// Refreshes both players' controls; 1 when any direction, button or ENTER is held.
int any_control_pressed();

// ---- character select (character_select.cpp) --------------------------------------------
extern i32 select_button_latch_p1, select_button_latch_p2;   // -1 after a press was acted on

// Sets up the select screen; 0 on success, non-zero when its assets failed.
int character_select_enter();
// The select's step of the logic tick, while no fight load is pending.
void character_select_tick();
// The select's step of each drawn frame.
void character_select_frame();
// Steps the select figure's animation once and poses it.
void select_figure_step();

// ---- stage select (stage_select.cpp) ----------------------------------------------------
int stage_select_enter();             // 0 on success
void stage_select_tick();             // while no fight load is pending

// ---- shop (shop.cpp) --------------------------------------------------------------------
int shop_enter();                     // 0 on success
void shop_tick();                     // the pointer part, first in each shop tick
TickFlow shop_controls_tick();        // cursor, buying, leaving (which ends the tick)

// ---- gallery (gallery.cpp) --------------------------------------------------------------
int gallery_enter();                  // 0 on success
TickFlow gallery_tick();              // leaving ends the tick

// ---- biography (biography.cpp) ----------------------------------------------------------
void biography_enter();               // loads the chosen character into fighter slot 0
TickFlow biography_tick();
void biography_typewriter_tick();
