// The title menu's pages as rows of one table: items (hover rectangles, highlight caps),
// cursor ranges and the few functions each page needs. The controls pages' functions are in
// menu_controls.cpp.
#include "frontend/frontend_local.h"

#include "engine/engine.h"
#include "game/game.h"
#include "platform/platform.h"

#include <allegro.h>
#include <GL/gl.h>
#include <iterator>

constexpr MenuItem BACK_ITEM = MENU_BACK_ITEM;
constexpr MenuLabel BACK_LABEL = MENU_BACK_LABEL;

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
// BACK of the video and audio pages: the options page with its BACK selected, so a second
// confirm goes on to the main page.
static void settings_back()
{
    menu_page_open(PAGE_OPTIONS, OPTIONS_BACK);
    video_apply_pending = 0;
}

// ---- PAGE_VIDEO_MODE: drawn only; its last item comes and goes -------------------------------
constexpr i32 VIDEO_MODE_LAST = 7;   // APPLY, offered while a change waits

static i32 video_mode_cursor_last()
{
    return video_apply_pending ? VIDEO_MODE_LAST : VIDEO_MODE_LAST - 1;
}

// ---- settings rows ------------------------------------------------------------------------
constexpr f32 ROW_LABEL_X = -15.0f;
constexpr f32 ROW_VALUE_X = 10.0f;
constexpr f32 GREYED_ALPHA = 0.75f;
constexpr f32 SLIDER_X = 8.0f;
constexpr f32 SLIDER_POINTER_MIN = 2.0f;   // the sliders take the pointer over 2 < x <= 10
constexpr f32 SLIDER_POINTER_MAX = 10.0f;
constexpr f32 BRIGHTNESS_SLIDER_SPAN = 2.0f / 9.0f;
constexpr f32 EFFECTS_SLIDER_SCALE = 8.0f;
constexpr f32 MUSIC_SLIDER_SCALE = 16.0f;

// A row of a settings page: its label at the left, in the selected colour under the cursor.
static void settings_label_draw(const char *label, f32 y, bool selected)
{
    menu_label_colour(selected);
    print_text(ROW_LABEL_X, y, MENU_LABEL_DEPTH, "%s", label);
}

static void settings_value_draw(const char *value, f32 y)
{
    if (value)
        print_text(ROW_VALUE_X, y, MENU_LABEL_DEPTH, "%s", value);
}

static const char *yes_no(u8 value)
{
    return value ? "Yes" : "No";
}

// The slider confirm: the press is used up without a sound or the click latch, so a held
// button drags; the value follows the pointer only over the slider's reach.
static bool slider_pointer_on()
{
    menu_confirm_latches();
    return pointer_x > SLIDER_POINTER_MIN && pointer_x <= SLIDER_POINTER_MAX;
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
static const MenuItem video_items[] = {
    // hover                 caps            confirm
    {{-10, 10, -3.5f, -2}, MENU_CAPS_NONE, MENU_CONFIRM_OWN},        // BRIGHTNESS, a slider
    {{-10, 10, -5, -3.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},   // VSYNC
    {{-10, 10, -6.5f, -5}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},   // SHADOWS
    {{-10, 10, -8, -6.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},   // GLOW EFFECT
    BACK_ITEM,
};
static_assert(std::size(video_items) == VIDEO_ITEM_COUNT, "one row per video item");

static u8 toggled(u8 value)
{
    return value == 0 ? 1 : 0;
}

static void video_page_act(int item)
{
    switch (item) {
    case VIDEO_BRIGHTNESS:
        // The ramp is set again on every slider confirm, changed or not.
        if (slider_pointer_on())
            brightness = BRIGHTNESS_MIN + BRIGHTNESS_SLIDER_SPAN * (pointer_x - SLIDER_POINTER_MIN);
        gamma_set(brightness);
        break;
    case VIDEO_VSYNC:
        vsync_option = toggled(vsync_option);
        if (has_swap_control)
            swap_interval_set(vsync_option);
        break;
    case VIDEO_SHADOWS:
        shadow_quality = toggled(shadow_quality);
        break;
    case VIDEO_GLOW:
        glow_effect = toggled(glow_effect);
        break;
    case VIDEO_BACK:
        settings_back();
        break;
    }
}

// Without texture-environment combine SHADOWS and GLOW EFFECT show greyed, without values.
static void video_greyed_draw(const char *label, f32 y)
{
    glColor4f(1.0f, 1.0f, 1.0f, GREYED_ALPHA);
    print_text(ROW_LABEL_X, y, MENU_LABEL_DEPTH, "%s", label);
}

static void video_page_draw()
{
    menu_letters_draw(&BACK_LABEL, 1, false);
    settings_label_draw("BRIGHTNESS", -6, menu_cursor == VIDEO_BRIGHTNESS);
    settings_label_draw("VSYNC", -9, menu_cursor == VIDEO_VSYNC);
    settings_value_draw(yes_no(vsync_option), -9);
    if (tex_env_combine) {
        settings_label_draw("SHADOWS", -12, menu_cursor == VIDEO_SHADOWS);
        settings_value_draw(shadow_quality ? "High Quality" : "Simple", -12);
        settings_label_draw("GLOW EFFECT", -15, menu_cursor == VIDEO_GLOW);
        settings_value_draw(yes_no(glow_effect), -15);
    } else {
        video_greyed_draw("SHADOWS", -12);
        video_greyed_draw("GLOW EFFECT", -15);
    }
    menu_slider_draw(SLIDER_X, -7.5f, 0.5f * brightness - 0.25f);
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
static const MenuItem audio_items[] = {
    // hover                 caps            confirm
    {{-10, 10, -3.5f, -2}, MENU_CAPS_NONE, MENU_CONFIRM_OWN},   // EFFECTS VOLUME, a slider
    {{-10, 10, -5, -3.5f}, MENU_CAPS_NONE, MENU_CONFIRM_OWN},   // MUSIC VOLUME, a slider
    BACK_ITEM,
};
static_assert(std::size(audio_items) == AUDIO_ITEM_COUNT, "one row per audio item");
// The pointer's last value for each volume, before truncation.
static f32 effects_slider_value, music_slider_value;

static void audio_page_act(int item)
{
    switch (item) {
    case AUDIO_EFFECTS:
        if (!slider_pointer_on())
            break;
        effects_slider_value = (pointer_x - SLIDER_POINTER_MIN) * EFFECTS_SLIDER_SCALE;
        effects_volume = static_cast<u32>(effects_slider_value);
        break;
    case AUDIO_MUSIC:
        if (!slider_pointer_on())
            break;
        music_slider_value = (pointer_x - SLIDER_POINTER_MIN) * MUSIC_SLIDER_SCALE;
        music_volume = static_cast<u32>(music_slider_value);
        music_set_voice_volume(static_cast<int>(music_volume));
        break;
    case AUDIO_BACK:
        settings_back();
        break;
    }
}

static void audio_page_draw()
{
    menu_letters_draw(&BACK_LABEL, 1, false);
    settings_label_draw("EFFECTS VOLUME", -6, menu_cursor == AUDIO_EFFECTS);
    settings_label_draw("MUSIC VOLUME", -9, menu_cursor == AUDIO_MUSIC);
    menu_slider_draw(SLIDER_X, -8, static_cast<f32>(effects_volume) / EFFECTS_VOLUME_MAX);
    menu_slider_draw(SLIDER_X, -13, static_cast<f32>(music_volume) / MUSIC_VOLUME_MAX);
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

// ---- PAGE_JOYSTICK_BUTTONS: items 2 and 3 are never selected by the keyboard ------------------
static void joystick_cursor_skip(int step)
{
    if (step > 0 && menu_cursor == 2)
        menu_cursor = 4;
    if (step < 0 && menu_cursor == 3)
        menu_cursor = 1;
}

// ---- PAGE_GAME ---------------------------------------------------------------------------
enum GameItem : i32 {
    GAME_DIFFICULTY,
    GAME_TIME,
    GAME_ROUNDS,
    GAME_BLOOD,
    GAME_BACK,
    GAME_ITEM_COUNT
};
static const MenuItem game_items[] = {
    // hover                 caps            confirm
    {{-10, 10, -2, 0}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},       // DIFFICULTY
    {{-10, 10, -3.5f, -2}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},   // TIME
    {{-10, 10, -5, -3.5f}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},   // ROUNDS
    {{-10, 10, -7, -5}, MENU_CAPS_NONE, MENU_CONFIRM_STANDARD},      // BLOOD
    BACK_ITEM,
};
static_assert(std::size(game_items) == GAME_ITEM_COUNT, "one row per game item");
constexpr i8 DIFFICULTY_SKIPPED = 3;
constexpr i8 DIFFICULTY_MAX = 5;
constexpr u32 ROUND_TIME_LAST = 2;
constexpr u32 ROUND_TIME_ENDLESS = 3;   // never set here; a stored 3 shows as endless
constexpr u32 ROUNDS_MAX = 3;
constexpr u8 BLOOD_ON = 0xff;

// Value labels; an index without a label prints nothing.
static const char *const difficulty_labels[] = {nullptr, "Easiest", "Easy", nullptr, "Normal", "Hard"};
static const char *const round_time_labels[] = {"80", "70", "60"};
static const char *const rounds_labels[] = {nullptr, "1", "2", "3"};

static const char *label_of(const char *const *labels, size_t count, long long value)
{
    return value >= 0 && static_cast<size_t>(value) < count ? labels[value] : nullptr;
}

// Each confirm steps its option to the next value; a difficulty or time change offers APPLY
// on the video-mode page; BACK returns to the options page's BACK.
static void game_page_act(int item)
{
    switch (item) {
    case GAME_DIFFICULTY:
        difficulty = static_cast<i8>(difficulty + 1);
        if (difficulty == DIFFICULTY_SKIPPED)
            difficulty = DIFFICULTY_SKIPPED + 1;
        if (difficulty > DIFFICULTY_MAX)
            difficulty = 1;
        video_apply_pending = -1;
        break;
    case GAME_TIME:
        round_time_option = round_time_option + 1 > ROUND_TIME_LAST ? 0 : round_time_option + 1;
        video_apply_pending = -1;
        break;
    case GAME_ROUNDS:
        rounds_to_win = rounds_to_win + 1 > ROUNDS_MAX ? 1 : rounds_to_win + 1;
        break;
    case GAME_BLOOD:
        blood = blood == BLOOD_ON ? 0 : BLOOD_ON;
        break;
    case GAME_BACK:
        menu_page_open(PAGE_OPTIONS, OPTIONS_BACK);
        break;
    }
}

static void game_row_draw(const char *label, f32 y, int item, const char *value)
{
    settings_label_draw(label, y, menu_cursor == item);
    if (value)
        print_text(ROW_VALUE_X, y, MENU_LABEL_DEPTH, "%s", value);
}

static void game_page_draw()
{
    menu_letters_draw(&BACK_LABEL, 1, false);
    game_row_draw("DIFFICULTY", -3, GAME_DIFFICULTY,
                  label_of(difficulty_labels, std::size(difficulty_labels), difficulty));
    const char *time = label_of(round_time_labels, std::size(round_time_labels), round_time_option);
    if (round_time_option == ROUND_TIME_ENDLESS)
        time = menu_cursor == GAME_TIME ? "Inf" : "Inf.";
    game_row_draw("TIME", -6, GAME_TIME, time);
    game_row_draw("ROUNDS", -9, GAME_ROUNDS, label_of(rounds_labels, std::size(rounds_labels), rounds_to_win));
    game_row_draw("BLOOD", -12, GAME_BLOOD, blood == BLOOD_ON ? "On" : blood == 0 ? "Off" : nullptr);
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
// The two items' labels sit on their rows as the extras page's do, faded as NETWORK is on the
// page before: neither leads to a game.
static const MenuLabel network_labels[] = {{"HOST", -4.8f, -5.5f}, {"JOIN", -4.3f, -10.5f}};

static void network_page_draw()
{
    menu_letters_draw(&BACK_LABEL, 1, false);
    glColor4f(1.0f, 1.0f, 1.0f, NETWORK_ALPHA);
    for (const MenuLabel &label : network_labels)
        print_letters(label.x, label.y, MENU_LABEL_DEPTH, "%s", label.text);
}

// Its BACK returns to the page before, on its BACK.
static void network_page_act(int item)
{
    if (item == NETWORK_BACK)
        menu_page_open(PAGE_LOCAL_OR_NETWORK, LOCAL_BACK);
    else
        menu_page_open(item == NETWORK_FIRST ? PAGE_SELECT_DIRECT_1 : PAGE_SELECT_DIRECT_2, 0);
}

// The end pages' only item is BACK, to the item of page 11 that opened them; a line says why
// there is nothing else.
static const MenuItem network_end_items[] = {BACK_ITEM};
constexpr const char *NETWORK_END_LINE = "NETWORK PLAY IS NOT AVAILABLE HERE";
constexpr f32 NETWORK_END_LINE_X = -17.0f, NETWORK_END_LINE_Y = -2.0f;

static void network_end_draw()
{
    menu_letters_draw(&BACK_LABEL, 1, false);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_text(NETWORK_END_LINE_X, NETWORK_END_LINE_Y, MENU_LABEL_DEPTH, "%s", NETWORK_END_LINE);
}

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
    {video_items, VIDEO_ITEM_COUNT, 0, 4, 0, nullptr, nullptr, video_page_act, video_page_draw,
     video_cursor_skip, nullptr, video_sideways},
    // audio
    {audio_items, AUDIO_ITEM_COUNT, 0, 2, 0, nullptr, nullptr, audio_page_act, audio_page_draw,
     nullptr, nullptr, audio_sideways},
    // controls
    {controls_items, CONTROLS_ITEM_COUNT, 0, 4, 0, nullptr, controls_item_use, controls_page_act,
     controls_page_draw, nullptr, nullptr, nullptr},
    // keyboard keys
    {keyboard_items, KEYBOARD_ITEM_COUNT, 0, 8, 0, keyboard_page_input_first, binding_item_use, keyboard_page_act,
     keyboard_page_draw, nullptr, nullptr, nullptr},
    // joystick buttons
    {joystick_items, JOYSTICK_ITEM_COUNT, 1, 8, 0, joystick_page_input_first, joystick_item_use, joystick_page_act,
     joystick_page_draw, joystick_cursor_skip, nullptr, nullptr},
    // game
    {game_items, GAME_ITEM_COUNT, 0, 4, 0, nullptr, nullptr, game_page_act, game_page_draw,
     nullptr, nullptr, nullptr},
    // extras
    {extras_items, EXTRAS_ITEM_COUNT, 0, 3, 0, nullptr, extras_item_use, extras_page_act, extras_page_draw,
     extras_cursor_skip, nullptr, nullptr},
    // local or network
    {local_items, LOCAL_ITEM_COUNT, 0, 2, 0, nullptr, nullptr, local_page_act, local_page_draw,
     nullptr, nullptr, nullptr},
    // network
    {network_items, NETWORK_ITEM_COUNT, 0, 2, 0, nullptr, nullptr, network_page_act, network_page_draw,
     nullptr, nullptr, nullptr},
    // network end 1
    {network_end_items, 1, 0, 0, 0, network_end_escape, nullptr, network_end_act, network_end_draw,
     nullptr, nullptr, nullptr},
    // network end 2
    {network_end_items, 1, 0, 0, 0, network_end_escape, nullptr, network_end_act, network_end_draw,
     nullptr, nullptr, nullptr},
};
static_assert(std::size(menu_pages) == MENU_PAGE_ROWS, "one row per menu page");
