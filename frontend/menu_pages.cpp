// The title menu's pages as rows of one table: items (hover rectangles, highlight caps),
// cursor ranges and the few functions each page needs. The main and options pages are whole;
// the settings pages so far hold their items' places, their BACK and their right/left steps,
// and their other items act from their own rows as those pages are built.
#include "frontend/frontend_local.h"

#include "engine/engine.h"
#include "game/game.h"

#include <iterator>

// The way back from the settings pages, in the same place on each of them.
constexpr MenuRect BACK_RECT = {-20, -11, -15, -10};
constexpr MenuCaps BACK_CAPS = {-10.6f, -19, -11.8f};
constexpr MenuItem BACK_ITEM = {BACK_RECT, BACK_CAPS, MENU_CONFIRM_STANDARD};
constexpr MenuLabel BACK_LABEL = {"BACK", -30, -25};
// An item place whose page is not built yet: never hovered, no caps, and its confirm does
// nothing.
constexpr MenuItem ITEM_LATER = {{0, 0, 0, 0}, MENU_CAPS_NONE, MENU_CONFIRM_OWN};

constexpr int OPTIONS_BACK = 4;   // the options page's BACK, where its sub-pages return
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
    MAIN_OPTIONS,
    MAIN_EXIT,
    MAIN_ITEM_COUNT
};
static const MenuItem main_items[] = {
    // hover                 caps (top, left, right)   confirm
    {{-10, 10, -2, 5}, {1.0f, -6.2f, 2.8f}, MENU_CONFIRM_STANDARD},      // START
    {{-10, 10, -5, -2}, {-2.0f, -7.7f, 4.3f}, MENU_CONFIRM_STANDARD},    // OPTIONS
    {{10, 20, -13, -10}, {-9.2f, 8.5f, 15.5f}, MENU_CONFIRM_STANDARD},   // EXIT, apart in the corner
};
static_assert(std::size(main_items) == MAIN_ITEM_COUNT, "one row per main item");
static const MenuLabel main_labels[] = {
    {"START", -6.3f, -4},
    {"OPTIONS", -8.6f, -9},
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

static void main_page_act(int item)
{
    switch (item) {
    case MAIN_START:
        main_start_game();
        break;
    case MAIN_OPTIONS:
        menu_page = PAGE_OPTIONS;
        menu_cursor = 0;
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
constexpr int OPTIONS_ITEM_COUNT = 5;
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

static void options_page_act(int item)
{
    menu_page = options_targets[item];
    menu_cursor = 0;
}

// White labels: the caps alone show the selection.
static void options_page_draw()
{
    menu_letters_draw(options_labels, OPTIONS_ITEM_COUNT, false);
}

// ---- the settings pages' common BACK -------------------------------------------------------
// BACK of the video, audio and controls pages: the options page with its BACK selected, so a
// second confirm goes on to the main page.
static void settings_back()
{
    menu_page = PAGE_OPTIONS;
    menu_cursor = OPTIONS_BACK;
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
        settings_back();
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
        settings_back();
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
        settings_back();
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
    menu_page = PAGE_OPTIONS;
    menu_cursor = OPTIONS_BACK;
}

// ---- PAGE_EXTRAS: PROFILES and GALLERY stay hidden until bought ----------------------------
enum ExtrasItem : i32 {
    EXTRAS_SHOP,
    EXTRAS_PROFILES,
    EXTRAS_GALLERY,
    EXTRAS_BACK
};

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

// ---- the table -----------------------------------------------------------------------------
const MenuPageInfo menu_pages[] = {
    // items, count   cursor first, last   screen blend   input first   item use   act   draw
    //   cursor skip   cursor last now   sideways
    // main
    {main_items, MAIN_ITEM_COUNT, 0, 2, 1, nullptr, nullptr, main_page_act, main_page_draw,
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
    {nullptr, 0, 0, 3, 0, nullptr, nullptr, nullptr, nullptr,
     extras_cursor_skip, nullptr, nullptr},
    // local or network
    {nullptr, 0, 0, 2, 0, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr},
    // network
    {nullptr, 0, 0, 2, 0, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr},
    // network end 1
    {nullptr, 0, 0, -1, 0, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr},
    // network end 2
    {nullptr, 0, 0, -1, 0, nullptr, nullptr, nullptr, nullptr,
     nullptr, nullptr, nullptr},
};
static_assert(std::size(menu_pages) == MENU_PAGE_ROWS, "one row per menu page");
