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
extern i32 menu_page;             // MenuPage, or PAGE_SELECT_DIRECT_1 / _2
extern i32 menu_cursor;           // item of the page
extern f32 menu_pulse_angle;      // phase of the selected item's pulse, 2.0..4.28 radians
extern f32 title_scroll_1, title_scroll_2, title_scroll_3;   // background scrolls, 0..2, 0..2, 0..1

// The title pictures, in load order: background layer 1, the filter over the background,
// the reflection over the logo, the left and right highlight caps, background layer 2.
enum TitleTexture : i32 {
    TITLE_BACK_1,
    TITLE_BACK_FILTER,
    TITLE_REFLECTION,
    TITLE_CAP_LEFT,
    TITLE_CAP_RIGHT,
    TITLE_BACK_2,
    TITLE_TEXTURE_COUNT
};
// Program lifetime: loaded by title_menu_enter (the biography viewer loads the first alone)
// and kept after the menu ends; the next entry, or the character select, frees them.
extern u32 title_textures[TITLE_TEXTURE_COUNT];   // GL names, 0 where not loaded
extern u8 title_texture_count;    // how many of title_textures, from the first, are loaded

// Enters the title menu: resets the menu and the run, makes STATE_MAIN_MENU current, puts
// the logic tick back to 60 per second and loads the title pictures. Starts no tune (its
// callers do).
void title_menu_enter();
// Deletes the loaded title pictures (title_texture_count of them) and sets the count to 0.
void title_textures_free();
// The menu's step of the logic tick in STATE_MAIN_MENU: cursor, sideways steps, pointer,
// scrolls, pulse.
void title_menu_tick();
// The menu's step of each drawn frame, before title_menu_draw: the pointer's activity, the
// hovers and confirms of the current page (every page action happens here), the highlight
// caps, capture_latch.
void title_menu_frame();
// Draws the menu: background layers, logo, highlight caps, the page's items, the pointer.
// Changes no state. The caller has turned face culling off and set the depth test to always.
void title_menu_draw();
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
