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

// ---- character select (character_select.cpp, character_select_draw.cpp) ------------------
// Screen lifetime: set by character_select_enter.
extern f32 select_ring_angle[2];      // each side's icon ring, radians; at rest 6.28 - id x 0.523
extern i32 select_spin[2];            // ring step under way: +10 .. 1 right, -10 .. -1 left, 0 at rest
extern i32 select_button_latch[2];    // -1 after a press was acted on, 0 once no button is held
extern u8 select_confirmed[2];        // the side has picked
// Program lifetime: loaded by the first entry that succeeds and kept.
extern u8 select_icons_loaded;
extern u32 tex_select_icons;          // the ring icons, 4 x 3 cells by character id
extern u32 select_portraits[CHARACTER_COUNT][2];   // by id, then plain (0) or alternate (1)
extern u32 tex_locked_portrait, tex_hidden_icon;

// The figure, the pictures and the resets of the screen; 0 ready, 1 the figure failed,
// 2 a picture failed.
int character_select_enter();
// The select's block of the logic tick (the fight load's step once one is requested).
void character_select_tick();
// The select's step of each drawn frame: the mirror colours, the ending pictures and, on the
// first frame, the select chord.
void character_select_frame();
// Draws the screen; the caller has cleared and set texturing, culling and lighting on,
// blending off and the depth test to less-or-equal. Changes no state.
void character_select_draw();
// Whether side (0, 1) may not play this character: unbought, or in the profile modes an
// unbought biography for the side that chooses.
bool select_character_locked(int side, int character);
// The archive entry of a character's portrait in a colour set (0 plain, 1 alternate).
void select_portrait_entry(int id, int variant, char *out, size_t size);
// The seam through which the entry loads its figure and pictures (the real loads by default);
// tests put a stand-in here, since texture loads need a GL context. 0, 1 or 2 as the entry.
extern int (*select_assets_loader)();
int select_assets_load();

// ---- select figure (select_figure.cpp) ---------------------------------------------------
// The figure's actions: the phases of the character select.
enum FigureAction : i32 {
    FIGURE_IDLE_SIDE1 = 0,
    FIGURE_PICK_SIDE1 = 2,
    FIGURE_IDLE_SIDE2 = 3,
    FIGURE_PICK_SIDE2 = 5,
    FIGURE_IDLE_BOTH = 6,
    FIGURE_JOIN = 7,
    FIGURE_PICK_BOTH = 8,
    FIGURE_SIDE1_READY = 9,
    FIGURE_SIDE2_READY = 10,
    FIGURE_ACTION_COUNT
};
struct Model;
struct Skeleton;
extern Model *select_model;           // program lifetime: loaded by the first select entry
// Loads the figure's model (once), its skeleton and its five skins into skin_textures;
// 0 loaded, 1 a part failed (the skins that did load are counted in skin_texture_count).
int select_atropos_load();
// One sequencer step of the figure; the end of a closing action requests the fight load.
void select_atropos_animate(Fighter *placement, Skeleton *skeleton);
// The step and the skinning, as every caller does them.
void select_figure_step();
int select_figure_action();
void select_figure_set_action(int action);

// ---- pending: names other branches bring (select_pending.cpp) ----------------------------
// Declared here only until their owners land on main (the fight load, the stage select, the
// screens with pictures of their own, the arena loaders, the effects);
// delete each with its owner. p1_character and friends are defined by the fight flow's
// stand-ins for now.
extern i32 p1_character, p2_character;   // CharacterId of side one and side two
extern i32 p1_alt_color, p2_alt_color;   // 0 the plain colours, 1 the alternate set
extern u32 stage_select_cursor;          // the stage select's tile, 0..9
constexpr int SCREEN_TEXTURES = 32;
extern u32 screen_textures[SCREEN_TEXTURES];
extern u8 screen_texture_count;
void fx_flame_row_start();
void fx_flame_row_step();
void draw_fx_flame_row();

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
// Screen lifetime: set by biography_enter.
extern i32 biography_character;
extern f32 biography_distance;          // the orbit camera's distance from the centre
extern f32 biography_angle;             // radians round the centre
extern u32 biography_camera_view;       // 0 the text panel, else the camera help
void biography_enter();               // loads the chosen character into fighter slot 0
TickFlow biography_tick();
// Five characters every 16 ticks; a full page waits for HARD SWING.
void biography_typewriter_tick();
// True while a full page waits for HARD SWING and text remains.
bool biography_page_waits();
// The panel and its texts, or the camera help, over the figure.
void biography_overlay_draw();
