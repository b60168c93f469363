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
// Leaving the select for a fight, its pictures go but the two portraits the loading panel
// shows (their portrait_picture numbers); the next select entry loads them all again.
void select_pictures_release(i32 shown_p1, i32 shown_p2);
// The texture slot of portrait number `picture`; nullptr for a number outside the portraits.
u32 *select_portrait_slot(i32 picture);
// Loads portrait number `picture` for a loading panel when the release left it out; a number
// outside the portraits, or one already loaded, is left alone.
void select_portrait_ensure(i32 picture);
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
extern Model *select_model;           // loaded by a select entry that finds none; freed by the fight load
// Loads the figure's model (once), its skeleton and its five skins into skin_textures;
// 0 loaded, 1 a part failed (the skins that did load are counted in skin_texture_count).
int select_atropos_load();
// Releases the figure's model at shutdown.
void select_model_free();
// Releases the figure's model and its skeleton's bones, as the fight load leaves the select;
// the next select entry reads both again.
void select_figure_free();
// One sequencer step of the figure; the end of a closing action requests the fight load.
void select_atropos_animate(Fighter *placement, Skeleton *skeleton);
// The step and the skinning, as every caller does them.
void select_figure_step();
int select_figure_action();
void select_figure_set_action(int action);

// ---- screen pictures (screen_textures.cpp) -------------------------------------------------
// The shop, the gallery and the stage select share one table of picture names; whoever loads
// into it first deletes what another screen left, so no name leaks and each screen knows
// whether the set it finds is its own.
enum ScreenTextureSet : u8 {
    SCREEN_SET_NONE,
    SCREEN_SET_SHOP,
    SCREEN_SET_GALLERY,
    SCREEN_SET_STAGE_SELECT
};
constexpr int SCREEN_TEXTURES = 32;
// Program lifetime: loaded by the screens' entries, freed by the next loader, the character
// select's entry or the title menu's entry (which keeps only the shop's set).
extern u32 screen_textures[SCREEN_TEXTURES];
extern u8 screen_texture_count;   // names loaded, from the first; 0 when none
extern u8 screen_texture_set;     // ScreenTextureSet of what is loaded

struct ScreenPicture {
    const char *entry;
    i32 mode;   // TextureMode
};
// Deletes what is loaded, then loads `count` pictures in order; 0, or 2 at the first that
// fails (those before it stay counted, so the next loader deletes them).
int screen_textures_load(u8 set, const ScreenPicture *pictures, int count);
void screen_textures_free();
// The loader the screens go through (texture_load from the game's archive by default);
// tests put a stand-in here, since texture loads need a GL context. 0 means failed.
extern u32 (*screen_texture_loader)(const char *entry, int mode);

// ---- stage select (stage_select.cpp, stage_select_draw.cpp) -----------------------------
// One tile of the stage select: the arena it loads, its name and its description lines
// (x, y at depth 100; a null text ends the lines).
struct StageTileLine {
    const char *text;
    f32 x, y;
};
struct StageTile {
    i32 stage;              // StageId
    const char *name;
    f32 name_x;
    StageTileLine lines[3];
};
constexpr int STAGE_TILES = 10;
extern const StageTile stage_tiles[];   // STAGE_TILES rows, upper row 0..4, lower row 5..9
// Screen lifetime: 0 on entering the character select, kept through the stage select.
extern u32 stage_select_cursor;        // the highlighted tile, 0..9
// Loads the screen's pictures and makes STATE_STAGE_SELECT current; 0, or 2 when a picture
// failed.
int stage_select_enter();
// The screen's block of the logic tick, while no fight load is pending; it waits out fades
// and the pause itself.
void stage_select_tick();
// Clears and draws the whole screen. Changes no state.
void stage_select_draw();

// ---- shop (shop.cpp, shop_draw.cpp) -------------------------------------------------------
enum ShopItem : i32 {
    SHOP_ITEM_GALLERY = 0,
    SHOP_ITEM_PROFILE_FIRST = 1,
    SHOP_ITEM_CHARACTER_FIRST = 13,
    SHOP_ITEM_EXIT = 18,
    SHOP_ITEM_COUNT
};
// Program lifetime: the shop opens on the item chosen last.
extern u32 shop_cursor;               // ShopItem, 0..18
// Loads the shop's fourteen pictures unless they are the set already loaded; 0, or 2.
int shop_enter();
// One logic tick of the shop: the pointer, then both controllers, then leaving; TICK_ENDS
// once it has left for the title menu.
TickFlow shop_tick();
// Draws the shop; the caller has cleared. Changes no state.
void shop_draw();
// The profile byte of a character id (0..11): 0 not offered, 1 for sale, 2 bought.
u8 *shop_profile_byte(int character);
// Puts a character's profile up for sale (its byte 0 -> 1); returns 1 when it was not offered
// before, 0 when it already was or was bought, or the id is out of range.
int shop_profile_offer(int character);

// ---- gallery (gallery.cpp, gallery_draw.cpp) ----------------------------------------------
constexpr int GALLERY_PICTURES = 23;
// Program lifetime: the gallery reopens on the picture shown last, its fade-in where it was.
extern u32 gallery_index;             // picture shown, 0..22
extern f32 gallery_fade;              // its fade-in, 0..1
int gallery_enter();                  // 0 on success, 2 when a picture failed
TickFlow gallery_tick();              // leaving ends the tick
void gallery_draw();                  // the caller has cleared; changes no state

// ---- controls pages' binding capture (menu_controls.cpp) ---------------------------------
// What a capture is waiting for; the directions are their input codes.
enum CaptureValue : u32 {
    CAPTURE_NONE = 0,
    CAPTURE_UP = 1,
    CAPTURE_RIGHT = 3,
    CAPTURE_DOWN = 5,
    CAPTURE_STICK = 5,   // the joystick page's stick
    CAPTURE_LEFT = 7,
    CAPTURE_HARD_SWING = 9,
    CAPTURE_LOW_SWING = 10,
    CAPTURE_KICK = 11,
    CAPTURE_START = 12
};
// Screen lifetime: a capture runs from a row's confirm until a key, a stick push or a button
// arrives (written) or ESC or BACK aborts it (the saved values written back).
extern u32 capture_active;          // CaptureValue
extern i32 capture_saved_binding;   // the key replaced (keys page) or the joystick (joystick page)
extern i32 capture_saved_stick;
extern i32 capture_saved_button;
extern i32 stick_capture_result[2]; // the stick capture's direction per player, -1 while it waits

// ---- text entry field (text_field.cpp) ----------------------------------------------------
// Program lifetime: characters typed into the field being edited (one field at a time).
extern i32 text_field_length;
constexpr int TEXT_FIELD_MAX = 14;
// Opens a field on `buffer` of `size` bytes: empty, the cursor glyph "_" alone, length 0.
void text_field_open(char *buffer, int size);
// Takes at most one key from the library's key buffer: a printable one (32..126) is added
// up to fourteen (or what the buffer holds), backspace deletes one; "_" and NUL always follow
// the text; other keys are dropped.
void text_field_edit(char *buffer, int size);
// One key as readkey gives it (scancode x 256 + character code), the step of text_field_edit.
void text_field_key(char *buffer, int size, int key);

// ---- biography (biography.cpp) ----------------------------------------------------------
// Screen lifetime: set by biography_enter.
extern i32 biography_character;
extern f32 biography_distance;          // the orbit camera's distance from the centre
extern f32 biography_angle;             // radians round the centre
extern u32 biography_camera_view;       // 0 the text panel, else the camera help
extern f32 biography_figure_scale;      // the figure's size in the viewer (1 = as in a fight)
extern f32 biography_figure_lift;       // how far its feet are raised, world units
// The view from which the figure, drawn at its own size, shows at the viewer's size: the
// camera's eye and centre brought into the figure's scale.
void biography_figure_view(f32 eye[3], f32 centre[3]);
void biography_enter();               // loads the chosen character into fighter slot 0
TickFlow biography_tick();
// A character's biography as typed into the panel ("" for an id out of range).
const char *biography_text(int character);
// Five characters every 16 ticks; a full page waits for HARD SWING.
void biography_typewriter_tick();
// True while a full page waits for HARD SWING and text remains.
bool biography_page_waits();
// The panel and its texts, or the camera help, over the figure.
void biography_overlay_draw();
