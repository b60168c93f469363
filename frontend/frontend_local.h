// frontend_local.h: the title menu's page machinery and helpers shared by the files of
// frontend/; included by no other folder (and by the front end's own tests).
#pragma once

#include "frontend/frontend.h"

// ---- title menu pages (menu_pages.cpp) ----------------------------------------------------
// Menu units are those of the plane 50 units in front of the eye (the pointer's plane);
// labels are printed at depth 90, where (x, y) shows at (x, y) x 50 / 90 of that plane.
constexpr f32 MENU_DEPTH = -50.0f;
constexpr f32 MENU_LABEL_DEPTH = -90.0f;

// A hover rectangle with open bounds: x0 < x < x1, y0 < y < y1.
struct MenuRect {
    f32 x0, x1, y0, y1;
};

// Where the two highlight caps stand: their top, the left cap's left edge, the right cap's.
struct MenuCaps {
    f32 top, left, right;
};
// The caps of an item shown selected by its label colour only: below the screen.
constexpr MenuCaps MENU_CAPS_NONE = {-30.0f, -9.2f, 6.2f};

// How a confirmed item acts.
enum MenuConfirm : u8 {
    MENU_CONFIRM_STANDARD,   // the press is used up, the confirm sound, the click latch; then act
    MENU_CONFIRM_OWN         // act alone decides (sliders, fades without the click latch)
};

// One item of a page, in cursor order.
struct MenuItem {
    MenuRect hover;   // a zero rectangle is never hovered
    MenuCaps caps;    // set while the cursor is on the item
    u8 confirm;       // MenuConfirm
};

// What an item may do in this frame, as bits; a page without an item_use hook allows both.
constexpr u8 MENU_ITEM_HOVERS = 1;
constexpr u8 MENU_ITEM_CONFIRMS = 2;

// One page of the title menu. The hooks belong to their page's row alone; a null hook means
// the page has no such step.
struct MenuPageInfo {
    const MenuItem *items;          // the input block's items; null: the page has no input block
    i32 item_count;
    i32 cursor_first;               // the directions' range, wrapped round at both ends; a
    i32 cursor_last;                //   last below the first: the directions move nothing
    u8 items_screen_blend;          // 1: labels lighten what is below (the main page)
    void (*input_first)();          // first step of the input block (a binding capture)
    u8 (*item_use)(int item);       // MENU_ITEM_HOVERS | MENU_ITEM_CONFIRMS for now
    void (*act)(int item);          // a confirmed item's action
    void (*draw)();                 // the item block: labels, values, sliders
    void (*cursor_skip)(int step);  // after a keyboard step of +1 or -1: step over hidden items
    i32 (*cursor_last_now)();       // a last item that comes and goes; null: cursor_last
    void (*sideways)(int step);     // right (+1) or left (-1) on the page
};

// The way back from a page, in the same place on each page that has one.
constexpr MenuItem MENU_BACK_ITEM = {{-20, -11, -15, -10}, {-10.6f, -19, -11.8f}, MENU_CONFIRM_STANDARD};

// Pages 0..13: the eleven pages with items, the video-mode page (drawn only), and the two
// network pages without content.
constexpr int MENU_PAGE_ROWS = PAGE_SELECT_DIRECT_2 + 1;
extern const MenuPageInfo menu_pages[];   // MENU_PAGE_ROWS rows

// The page's row, or null for a page number outside the table.
const MenuPageInfo *menu_page_info(i32 page);

// ---- title menu frame state (title_menu.cpp) ------------------------------------------------
// Frame lifetime: written by the frame step, read by the page blocks and the drawer.
extern i32 menu_frame_buttons;    // mouse_b as read once at the start of the frame step
extern MenuCaps menu_caps;        // the highlight caps of this frame
// Screen lifetime: -1 while the video-mode page offers "APPLY"; 0 after a settings page's BACK.
extern i32 video_apply_pending;

// The pointer is active when it moved, a fresh left click came, or every button was let go
// after a click; never during a fade. An active pointer's place becomes the target.
bool menu_pointer_activity(int buttons);

// The title's animated background, also the shop's and the gallery's: the scrolls and the
// pulse, one step.
void menu_background_step();

// The press is used up for both players and ENTER; a slider's confirm stops here.
void menu_confirm_latches();
// The standard confirm: the latches, the confirm sound, the click latch.
void menu_standard_confirm();

// ---- title menu drawing (title_menu_draw.cpp) ----------------------------------------------
// A label of a page printed at depth 90.
struct MenuLabel {
    const char *text;
    f32 x, y;
};
constexpr MenuLabel MENU_BACK_LABEL = {"BACK", -30, -25};
// A slider with its top left corner at (x, y) on the plane at depth 180 (x 8..38 lies under the
// pointer's 2.2..10.6), its knob at the fraction f.
void menu_slider_draw(f32 x, f32 y, f32 f);

// Finds the lit parts of tex_logo's picture; until the next call the title draws the logo
// over those parts only (over all of it when tex_logo has changed since).
void title_logo_measure();
// The pulse's brightness this frame, -cos(menu_pulse_angle).
f32 menu_pulse_level();
// The label colour: the selected item's pulsing yellow, or white.
void menu_label_colour(bool selected);
// Prints labels with the capital-letter font, the one under the cursor (when `pulse_selected`)
// in the pulsing yellow, the others white.
void menu_letters_draw(const MenuLabel *labels, int count, bool pulse_selected);

// ---- character select (character_select.cpp) ---------------------------------------------
// Whether side (0, 1) has a human choosing on the select in the current mode.
bool select_side_plays(int side);

// ---- stage select (stage_select.cpp) --------------------------------------------------------
// Slots of screen_textures while the stage select's set is loaded.
constexpr int STAGE_SELECT_BACK = 0;
constexpr int STAGE_SELECT_THUMBS = 1;
constexpr int STAGE_SELECT_FIRST_PREVIEW = 2;   // then one per tile

// ---- the screens' flat drawing (screen_draw.cpp) --------------------------------------------
// The screens' 2D set-up: model-view reset, texturing on unit 0 only, modulated, lighting
// and face culling off, depth test always.
void screen_draw_begin();
// The title's two back layers as the shop and the gallery show them: layer 1 tiled and
// drifting, blue towards the bottom; layer 2 in two half-bright bands. Leaves blending on
// with (one, one minus source alpha).
void screen_title_background_draw();

// ---- shop (shop.cpp) ---------------------------------------------------------------------------
// Slots of screen_textures while the shop's set is loaded: the gallery, the twelve portraits
// by character id, the icon atlas.
constexpr int SHOP_TEXTURE_GALLERY = 0;
constexpr int SHOP_TEXTURE_FIRST_PORTRAIT = 1;
constexpr int SHOP_TEXTURE_ICONS = 13;
constexpr int SHOP_TEXTURE_SILHOUETTES = 14;   // the icon atlas's layout: each figure black on clear
constexpr int SHOP_TEXTURE_COUNT = 15;
bool shop_item_is_profile(int item);
// A profile whose character is not offered.
bool shop_item_hidden(int item);
// The item's hover rectangle in menu units (a profile's whether it is offered or not).
MenuRect shop_item_rect(int item);
// The unlock byte of a character item (13..17); null for other items.
u8 *shop_character_byte(int item);

// ---- controls pages (menu_controls.cpp) ------------------------------------------------------
constexpr int CONTROLS_ITEM_COUNT = 5;
constexpr int KEYBOARD_ITEM_COUNT = 9;
constexpr int JOYSTICK_ITEM_COUNT = 9;
extern const MenuItem controls_items[];   // CONTROLS_ITEM_COUNT rows
extern const MenuItem keyboard_items[];   // KEYBOARD_ITEM_COUNT rows
extern const MenuItem joystick_items[];   // JOYSTICK_ITEM_COUNT rows
u8 controls_item_use(int item);
void controls_page_act(int item);
void controls_page_draw();
void keyboard_page_input_first();
u8 binding_item_use(int item);
void keyboard_page_act(int item);
void keyboard_page_draw();
void joystick_page_input_first();
u8 joystick_item_use(int item);
void joystick_page_act(int item);
void joystick_page_draw();
void joystick_capture_abort();

// ---- names (character_select_draw.cpp) ----------------------------------------------------
// The characters' names as the screens print them, by CharacterId.
extern const char *const character_names[CHARACTER_COUNT];
