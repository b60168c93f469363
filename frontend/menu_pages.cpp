// The title menu's pages as rows of one table: items (hover rectangles, highlight caps),
// cursor ranges and the few functions each page needs. The main and options pages are whole;
// the settings pages so far hold their items' places, their BACK and their right/left steps,
// and their other items act from their own rows as those pages are built.
#include "frontend/frontend_local.h"

#include "engine/engine.h"
#include "game/game.h"

#include <allegro.h>
#include <GL/gl.h>
#include <iterator>

// The way back from the settings pages, in the same place on each of them.
constexpr MenuRect BACK_RECT = {-20, -11, -15, -10};
constexpr MenuCaps BACK_CAPS = {-10.6f, -19, -11.8f};
constexpr MenuItem BACK_ITEM = {BACK_RECT, BACK_CAPS, MENU_CONFIRM_STANDARD};
constexpr MenuLabel BACK_LABEL = {"BACK", -30, -25};
// An item place whose page is not built yet: never hovered, no caps, and its confirm does
// nothing.
constexpr MenuItem ITEM_LATER = {{0, 0, 0, 0}, MENU_CAPS_NONE, MENU_CONFIRM_OWN};

// The options page's rows, where its sub-pages' BACK returns.
enum OptionsItem : i32 {
    OPTIONS_VIDEO,
    OPTIONS_AUDIO,
    OPTIONS_CONTROLS,
    OPTIONS_GAME,
    OPTIONS_BACK,
    OPTIONS_ITEM_COUNT
};
constexpr f32 BRIGHTNESS_STEP = 0.025f;
constexpr f32 BRIGHTNESS_MIN = 0.5f;
constexpr f32 BRIGHTNESS_MAX = 2.5f;
constexpr u32 EFFECTS_VOLUME_STEP = 5;
constexpr u32 EFFECTS_VOLUME_MAX = 64;
constexpr u32 MUSIC_VOLUME_STEP = 10;
constexpr u32 MUSIC_VOLUME_MAX = 128;

// ---- PAGE_MAIN -----------------------------------------------------------------------------
enum MainItem : i32 {
    MAIN_START,
    MAIN_VERSUS,
    MAIN_EXTRAS,
    MAIN_OPTIONS,
    MAIN_EXIT,
    MAIN_ITEM_COUNT
};
static const MenuItem main_items[] = {
    // hover                 caps (top, left, right)   confirm
    {{-10, 10, -2, 5}, {1.0f, -6.2f, 2.8f}, MENU_CONFIRM_STANDARD},      // START
    {{-10, 10, -5, -2}, {-2.0f, -7.2f, 3.8f}, MENU_CONFIRM_STANDARD},    // VERSUS
    {{-10, 10, -8, -5}, {-5.0f, -7.2f, 3.8f}, MENU_CONFIRM_STANDARD},    // EXTRAS
    {{-10, 10, -11, -8}, {-8.0f, -7.7f, 4.3f}, MENU_CONFIRM_STANDARD},   // OPTIONS
    {{10, 20, -13, -10}, {-9.2f, 8.5f, 15.5f}, MENU_CONFIRM_STANDARD},   // EXIT, apart in the corner
};
static_assert(std::size(main_items) == MAIN_ITEM_COUNT, "one row per main item");
// Rows 5.4 label units (3 menu units) apart, as the hover rectangles are.
static const MenuLabel main_labels[] = {
    {"START", -6.3f, -4},
    {"VERSUS", -7.6f, -9.4f},
    {"EXTRAS", -7.6f, -14.8f},
    {"OPTIONS", -8.6f, -20.2f},
    {"EXIT", 20, -22.5f},
};
static_assert(std::size(main_labels) == MAIN_ITEM_COUNT, "one label per main item");

// START: a one-player game for the side that pressed (a mouse button counts as side one);
// the fade's end opens the character select.
static void main_start_game()
{
    bool side_one = input_start[0] || menu_frame_buttons != 0 || input_hard_swing[0];
    game_mode = side_one ? GAME_MODE_ARCADE_P1 : GAME_MODE_ARCADE_P2;
    ladder_started = 0;
    ladder_index = 0;
    menu_click_latch = 1;
    fade_out_start();
}

// Opens a page on its first item.
static void menu_page_open(i32 page, i32 cursor)
{
    menu_page = page;
    menu_cursor = cursor;
}

static void main_page_act(int item)
{
    switch (item) {
    case MAIN_START:
        main_start_game();
        break;
    case MAIN_VERSUS:
        menu_page_open(PAGE_LOCAL_OR_NETWORK, 0);
        break;
    case MAIN_EXTRAS:
        menu_page_open(PAGE_EXTRAS, 0);
        break;
    case MAIN_OPTIONS:
        menu_page_open(PAGE_OPTIONS, 0);
        break;
    case MAIN_EXIT:
        game_state = STATE_EXIT_SCREEN;   // at once, no fade
        break;
    }
}

static void main_page_draw()
{
    menu_letters_draw(main_labels, MAIN_ITEM_COUNT, true);
}

// ---- PAGE_OPTIONS --------------------------------------------------------------------------
static const MenuItem options_items[] = {
    // hover                 caps (top, left, right)   confirm
    {{-10, 10, -2, 3}, {0.3f, -6, 3.1f}, MENU_CONFIRM_STANDARD},       // VIDEO
    {{-10, 10, -5, -2}, {-2.8f, -6, 3.1f}, MENU_CONFIRM_STANDARD},     // AUDIO
    {{-10, 10, -8, -5}, {-5.5f, -8, 5.2f}, MENU_CONFIRM_STANDARD},     // CONTROLS
    {{-10, 10, -11, -8}, {-8.4f, -5.4f, 2.4f}, MENU_CONFIRM_STANDARD}, // GAME
    BACK_ITEM,
};
static_assert(std::size(options_items) == OPTIONS_ITEM_COUNT, "one row per options item");
static const MenuLabel options_labels[] = {
    {"VIDEO", -6, -5.5f}, {"AUDIO", -6, -10.5f}, {"CONTROLS", -9.8f, -15.5f}, {"GAME", -5, -20.5f}, BACK_LABEL,
};
static_assert(std::size(options_labels) == OPTIONS_ITEM_COUNT, "one label per options item");
// Where each item leads, the cursor on the new page's first item.
static const i32 options_targets[] = {PAGE_VIDEO, PAGE_AUDIO, PAGE_CONTROLS, PAGE_GAME, PAGE_MAIN};
static_assert(std::size(options_targets) == OPTIONS_ITEM_COUNT, "one target per options item");

// Each page opens on its first item; BACK returns to OPTIONS on the main page.
static void options_page_act(int item)
{
    menu_page_open(options_targets[item], options_targets[item] == PAGE_MAIN ? MAIN_OPTIONS : 0);
}

// White labels: the caps alone show the selection.
static void options_page_draw()
{
    menu_letters_draw(options_labels, OPTIONS_ITEM_COUNT, false);
}

// ---- the settings pages' common BACK -------------------------------------------------------
// BACK of the video, audio and controls pages: the options page with the cursor on the row
// that opened the page.
static void settings_back(i32 row)
{
    menu_page_open(PAGE_OPTIONS, row);
    video_apply_pending = 0;
}

static void back_label_draw()
{
    menu_letters_draw(&BACK_LABEL, 1, false);
}

// ---- PAGE_VIDEO_MODE: drawn only; its last item comes and goes -------------------------------
constexpr i32 VIDEO_MODE_LAST = 7;   // APPLY, offered while a change waits

static i32 video_mode_cursor_last()
{
    return video_apply_pending ? VIDEO_MODE_LAST : VIDEO_MODE_LAST - 1;
}

// ---- PAGE_VIDEO --------------------------------------------------------------------------
enum VideoItem : i32 {
    VIDEO_BRIGHTNESS,
    VIDEO_VSYNC,
    VIDEO_SHADOWS,
    VIDEO_GLOW,
    VIDEO_BACK,
    VIDEO_ITEM_COUNT
};
static const MenuItem video_items[] = {ITEM_LATER, ITEM_LATER, ITEM_LATER, ITEM_LATER, BACK_ITEM};
static_assert(std::size(video_items) == VIDEO_ITEM_COUNT, "one row per video item");

static void video_page_act(int item)
{
    if (item == VIDEO_BACK)
        settings_back(OPTIONS_VIDEO);
}

// Without texture-environment combine SHADOWS is greyed, and the keyboard steps over it.
static void video_cursor_skip(int step)
{
    if (tex_env_combine || menu_cursor != VIDEO_SHADOWS)
        return;
    menu_cursor = step > 0 ? VIDEO_GLOW : VIDEO_VSYNC;
}

// Right and left on BRIGHTNESS, no sound; the test comes before the step, so the value may
// end a hair past either limit.
static void video_sideways(int step)
{
    if (menu_cursor != VIDEO_BRIGHTNESS)
        return;
    if (step > 0 && brightness < BRIGHTNESS_MAX)
        brightness += BRIGHTNESS_STEP;
    else if (step < 0 && brightness > BRIGHTNESS_MIN)
        brightness -= BRIGHTNESS_STEP;
    else
        return;
    gamma_set(brightness);
}

// ---- PAGE_AUDIO --------------------------------------------------------------------------
enum AudioItem : i32 {
    AUDIO_EFFECTS,
    AUDIO_MUSIC,
    AUDIO_BACK,
    AUDIO_ITEM_COUNT
};
static const MenuItem audio_items[] = {ITEM_LATER, ITEM_LATER, BACK_ITEM};
static_assert(std::size(audio_items) == AUDIO_ITEM_COUNT, "one row per audio item");

static void audio_page_act(int item)
{
    if (item == AUDIO_BACK)
        settings_back(OPTIONS_AUDIO);
}

// A volume one step up (from max - 1 or less, capped at max) or down (from above 0, floored
// at 0).
static u32 volume_stepped(u32 volume, int step, u32 size, u32 max)
{
    if (step > 0 && volume < max)
        return volume + size > max ? max : volume + size;
    if (step < 0 && volume > 0)
        return volume < size ? 0 : volume - size;
    return volume;
}

// Right and left on the two volumes, no sound; the music's voice follows at once.
static void audio_sideways(int step)
{
    if (menu_cursor == AUDIO_EFFECTS)
        effects_volume = volume_stepped(effects_volume, step, EFFECTS_VOLUME_STEP, EFFECTS_VOLUME_MAX);
    if (menu_cursor != AUDIO_MUSIC)
        return;
    music_volume = volume_stepped(music_volume, step, MUSIC_VOLUME_STEP, MUSIC_VOLUME_MAX);
    music_set_voice_volume(static_cast<int>(music_volume));
}

// ---- PAGE_CONTROLS -----------------------------------------------------------------------
constexpr int CONTROLS_BACK = 4;
static const MenuItem controls_items[] = {ITEM_LATER, ITEM_LATER, ITEM_LATER, ITEM_LATER, BACK_ITEM};
static_assert(std::size(controls_items) == CONTROLS_BACK + 1, "BACK is the controls page's last item");

static void controls_page_act(int item)
{
    if (item == CONTROLS_BACK)
        settings_back(OPTIONS_CONTROLS);
}

// ---- PAGE_JOYSTICK_BUTTONS: items 2 and 3 are never selected by the keyboard ------------------
static void joystick_cursor_skip(int step)
{
    if (step > 0 && menu_cursor == 2)
        menu_cursor = 4;
    if (step < 0 && menu_cursor == 3)
        menu_cursor = 1;
}

// ---- PAGE_GAME ---------------------------------------------------------------------------
constexpr int GAME_BACK = 4;
static const MenuItem game_items[] = {ITEM_LATER, ITEM_LATER, ITEM_LATER, ITEM_LATER, BACK_ITEM};
static_assert(std::size(game_items) == GAME_BACK + 1, "BACK is the game page's last item");

// The game page's BACK leaves a waiting APPLY as it is.
static void game_page_act(int item)
{
    if (item != GAME_BACK)
        return;
    menu_page_open(PAGE_OPTIONS, OPTIONS_GAME);
}

// ---- PAGE_EXTRAS: PROFILES and GALLERY stay hidden until bought ----------------------------
enum ExtrasItem : i32 {
    EXTRAS_SHOP,
    EXTRAS_PROFILES,
    EXTRAS_GALLERY,
    EXTRAS_BACK,
    EXTRAS_ITEM_COUNT
};
static const MenuItem extras_items[] = {
    // hover                 caps (top, left, right)   confirm
    {{-10, 10, -2, 3}, {0.3f, -6.2f, 2.5f}, MENU_CONFIRM_STANDARD},     // SHOP
    {{-10, 10, -5, -2}, {-2.8f, -8, 4.5f}, MENU_CONFIRM_STANDARD},      // PROFILES
    {{-10, 10, -8, -5}, {-5.5f, -7.5f, 3.8f}, MENU_CONFIRM_STANDARD},   // GALLERY
    BACK_ITEM,
};
static_assert(std::size(extras_items) == EXTRAS_ITEM_COUNT, "one row per extras item");
static const MenuLabel extras_labels[] = {
    {"SHOP", -6.2f, -5.5f}, {"PROFILES", -10, -10.5f}, {"GALLERY", -9, -15.5f}, BACK_LABEL,
};
static_assert(std::size(extras_labels) == EXTRAS_ITEM_COUNT, "one label per extras item");

// Whether an extras item is shown: PROFILES once one was bought, GALLERY once bought.
static bool extras_item_shown(int item)
{
    if (item == EXTRAS_PROFILES)
        return profiles_unlocked != 0;
    if (item == EXTRAS_GALLERY)
        return gallery_bought != 0;
    return true;
}

// A hidden item neither takes the hover nor confirms, not even by a click on its place.
static u8 extras_item_use(int item)
{
    return extras_item_shown(item) ? MENU_ITEM_HOVERS | MENU_ITEM_CONFIRMS : 0;
}

// Whose profiles are viewed: player 1's when a button of player 1's, the mouse or ENTER
// confirmed, else player 2's.
static void extras_profiles_mode()
{
    bool side_one = input_hard_swing[0] || input_start[0] || menu_frame_buttons != 0 || key[KEY_ENTER];
    game_mode = side_one ? GAME_MODE_PROFILE_P1 : GAME_MODE_PROFILE_P2;
}

// The shop, the profiles and the gallery open when the fade ends, by page and cursor.
static void extras_page_act(int item)
{
    if (item == EXTRAS_BACK) {
        menu_page_open(PAGE_MAIN, MAIN_EXTRAS);
        return;
    }
    if (item == EXTRAS_PROFILES)
        extras_profiles_mode();
    fade_out_start();
}

static void extras_page_draw()
{
    for (int k = 0; k < EXTRAS_ITEM_COUNT; k++)
        if (extras_item_shown(k))
            menu_letters_draw(&extras_labels[k], 1, false);
}

static void extras_cursor_skip(int step)
{
    if (step > 0) {
        if (menu_cursor == EXTRAS_PROFILES && !profiles_unlocked)
            menu_cursor = EXTRAS_GALLERY;
        if (menu_cursor == EXTRAS_GALLERY && !gallery_bought)
            menu_cursor = EXTRAS_BACK;
        return;
    }
    if (menu_cursor == EXTRAS_GALLERY && !gallery_bought)
        menu_cursor = EXTRAS_PROFILES;
    if (menu_cursor == EXTRAS_PROFILES && !profiles_unlocked)
        menu_cursor = EXTRAS_SHOP;
}

// ---- PAGE_LOCAL_OR_NETWORK -----------------------------------------------------------------
enum LocalItem : i32 {
    LOCAL_GAME,
    LOCAL_NETWORK,
    LOCAL_BACK,
    LOCAL_ITEM_COUNT
};
static const MenuItem local_items[] = {
    // hover                 caps (top, left, right)   confirm
    {{-10, 10, -2, 3}, {0.3f, -9.6f, 6.5f}, MENU_CONFIRM_STANDARD},     // LOCAL GAME
    {{-10, 10, -5, -2}, {-2.8f, -7.7f, 4.5f}, MENU_CONFIRM_STANDARD},   // NETWORK
    BACK_ITEM,
};
static_assert(std::size(local_items) == LOCAL_ITEM_COUNT, "one row per local-or-network item");
static const MenuLabel local_labels[] = {{"LOCAL\\GAME", -13, -5.5f}, BACK_LABEL};
static const MenuLabel network_label = {"NETWORK", -9, -10.5f};
constexpr f32 NETWORK_ALPHA = 0.5f;   // there is no network game: the item shows faded

// LOCAL GAME: a versus match; the fade's end opens the character select in versus mode.
static void local_page_act(int item)
{
    switch (item) {
    case LOCAL_GAME:
        ladder_index = 0;
        game_mode = GAME_MODE_VERSUS;
        ladder_started = 0;
        fade_out_start();
        break;
    case LOCAL_NETWORK:
        menu_page_open(PAGE_NETWORK, 0);
        break;
    case LOCAL_BACK:
        menu_page_open(PAGE_MAIN, MAIN_VERSUS);
        break;
    }
}

static void local_page_draw()
{
    menu_letters_draw(local_labels, 2, false);
    glColor4f(1.0f, 1.0f, 1.0f, NETWORK_ALPHA);
    print_letters(network_label.x, network_label.y, MENU_LABEL_DEPTH, "%s", network_label.text);
}

// ---- PAGE_NETWORK and the two empty pages it opens ------------------------------------------
enum NetworkItem : i32 {
    NETWORK_FIRST,
    NETWORK_SECOND,
    NETWORK_BACK,
    NETWORK_ITEM_COUNT
};
static const MenuItem network_items[] = {
    // hover                 caps (top, left, right)   confirm
    {{-10, 10, -2, 3}, {0.3f, -8.2f, 5.7f}, MENU_CONFIRM_STANDARD},
    {{-10, 10, -5, -2}, {-2.8f, -9.5f, 7.1f}, MENU_CONFIRM_STANDARD},
    BACK_ITEM,
};
static_assert(std::size(network_items) == NETWORK_ITEM_COUNT, "one row per network item");

// Nothing is printed on this page; its BACK returns to NETWORK on the page before.
static void network_page_act(int item)
{
    if (item == NETWORK_BACK)
        menu_page_open(PAGE_LOCAL_OR_NETWORK, LOCAL_NETWORK);
    else
        menu_page_open(item == NETWORK_FIRST ? PAGE_SELECT_DIRECT_1 : PAGE_SELECT_DIRECT_2, 0);
}

// The empty pages' only item is BACK, to the item of page 11 that opened them.
static const MenuItem network_end_items[] = {BACK_ITEM};

static void network_end_back()
{
    menu_page_open(PAGE_NETWORK, menu_page == PAGE_SELECT_DIRECT_1 ? NETWORK_FIRST : NETWORK_SECOND);
}

static void network_end_act(int)
{
    network_end_back();
}

// ESC leads back as well, once per press.
static void network_end_escape()
{
    if (!key[KEY_ESC] || latch_esc)
        return;
    latch_esc = 1;
    network_end_back();
}

// ---- the table -----------------------------------------------------------------------------
const MenuPageInfo menu_pages[] = {
    // items, count   cursor first, last   screen blend   input first   item use   act   draw
    //   cursor skip   cursor last now   sideways
    // main
    {main_items, MAIN_ITEM_COUNT, 0, MAIN_ITEM_COUNT - 1, 1, nullptr, nullptr, main_page_act, main_page_draw,
     nullptr, nullptr, nullptr},
    // options
    {options_items, OPTIONS_ITEM_COUNT, 0, 4, 0, nullptr, nullptr, options_page_act, options_page_draw,
     nullptr, nullptr, nullptr},
    // video mode
    {nullptr, 0, 0, VIDEO_MODE_LAST, 0, nullptr, nullptr, nullptr, nullptr,
     nullptr, video_mode_cursor_last, nullptr},
    // video
    {video_items, VIDEO_ITEM_COUNT, 0, 4, 0, nullptr, nullptr, video_page_act, back_label_draw,
     video_cursor_skip, nullptr, video_sideways},
    // audio
    {audio_items, AUDIO_ITEM_COUNT, 0, 2, 0, nullptr, nullptr, audio_page_act, back_label_draw,
     nullptr, nullptr, audio_sideways},
    // controls
    {controls_items, CONTROLS_BACK + 1, 0, 4, 0, nullptr, nullptr, controls_page_act, back_label_draw,
     nullptr, nullptr, nullptr},
    // keyboard keys
    {nullptr, 0, 0, 8, 0, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr},
    // joystick buttons
    {nullptr, 0, 1, 8, 0, nullptr, nullptr, nullptr, nullptr,
     joystick_cursor_skip, nullptr, nullptr},
    // game
    {game_items, GAME_BACK + 1, 0, 4, 0, nullptr, nullptr, game_page_act, back_label_draw,
     nullptr, nullptr, nullptr},
    // extras
    {extras_items, EXTRAS_ITEM_COUNT, 0, 3, 0, nullptr, extras_item_use, extras_page_act, extras_page_draw,
     extras_cursor_skip, nullptr, nullptr},
    // local or network
    {local_items, LOCAL_ITEM_COUNT, 0, 2, 0, nullptr, nullptr, local_page_act, local_page_draw,
     nullptr, nullptr, nullptr},
    // network
    {network_items, NETWORK_ITEM_COUNT, 0, 2, 0, nullptr, nullptr, network_page_act, nullptr,
     nullptr, nullptr, nullptr},
    // network end 1
    {network_end_items, 1, 0, 0, 0, network_end_escape, nullptr, network_end_act, back_label_draw,
     nullptr, nullptr, nullptr},
    // network end 2
    {network_end_items, 1, 0, 0, 0, network_end_escape, nullptr, network_end_act, back_label_draw,
     nullptr, nullptr, nullptr},
};
static_assert(std::size(menu_pages) == MENU_PAGE_ROWS, "one row per menu page");
