// The title menu's entry, its step of the logic tick and its frame step; the pages are rows of
// menu_pages.cpp, the drawing is in title_menu_draw.cpp.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <allegro.h>
#include <GL/gl.h>
#include <iterator>

// Screen lifetime.
i32 menu_page;
i32 menu_cursor;
f32 menu_pulse_angle;
f32 title_scroll_1, title_scroll_2, title_scroll_3;
i32 video_apply_pending;
// Program lifetime.
u32 title_textures[TITLE_TEXTURE_COUNT];
u8 title_texture_count;
// Frame lifetime.
i32 menu_frame_buttons;
MenuCaps menu_caps = MENU_CAPS_NONE;

constexpr f32 POINTER_START_X = -20.0f;   // top left of the pointer's range
constexpr f32 POINTER_START_Y = 15.0f;
constexpr f32 PULSE_FULL = 3.1415f;       // the pulse starts at full brightness
constexpr f32 PULSE_STEP = 0.1f;
constexpr f32 PULSE_END = 4.28f;
constexpr f32 PULSE_RESTART = 2.0f;
constexpr f32 SCROLL_STEP_SLOW = 0.00025f;
constexpr f32 SCROLL_STEP_FAST = 0.0005f;
constexpr f32 SCROLL_END_SLOW = 2.0f;
constexpr f32 SCROLL_END_FAST = 1.0f;
constexpr int MOUSE_LEFT_ONLY = 1;

// Samples of the god summons that may still sound when a fight is left for the title.
constexpr SfxId SUMMON_SOUNDS[] = {SFX_SUPER, SFX_SUMMON_EARTH, SFX_ROCK_IMPACT, SFX_SOLAR_BEAM,
                                   SFX_WAVE, SFX_FURIES, SFX_THUNDER};

struct TitlePicture {
    const char *entry;
    i32 mode;   // TextureMode
};
static const TitlePicture title_pictures[] = {
    {"titulo/back1.jpg", TEXTURE_MIPMAP_RGB},        // tiled and scrolled
    {"titulo/backfilter.jpg", TEXTURE_CLAMP_RGB},    // multiplies the background
    {"titulo/reflect2.jpg", TEXTURE_MIPMAP_RGB},     // slides across the logo
    {"titulo/select1.tga", TEXTURE_CLAMP_RGBA},
    {"titulo/select2.tga", TEXTURE_CLAMP_RGBA},
    {"titulo/back2.tga", TEXTURE_MIPMAP_RGBA},       // drifts sideways
};
static_assert(std::size(title_pictures) == TITLE_TEXTURE_COUNT, "one row per title picture");

void menu_pulse_step()
{
    menu_pulse_angle += PULSE_STEP;
    if (menu_pulse_angle > PULSE_END)
        menu_pulse_angle = PULSE_RESTART;
}

void title_textures_free()
{
    // The count may come from the biography viewer's single picture; never more than the table.
    int count = title_texture_count;
    if (count > TITLE_TEXTURE_COUNT)
        count = TITLE_TEXTURE_COUNT;
    texture_table_delete(title_textures, count);
    for (u32 &name : title_textures)
        name = 0;
    title_texture_count = 0;
}

// The first picture that fails ends the loading; the count records exactly those that loaded,
// so the next entry deletes them and nothing else. The missing layers draw with texture 0.
static void title_textures_load()
{
    for (int i = 0; i < TITLE_TEXTURE_COUNT; i++) {
        u32 name = texture_load(asset_archive, title_pictures[i].entry, title_pictures[i].mode);
        if (!name)
            return;
        title_textures[i] = name;
        title_texture_count = static_cast<u8>(i + 1);
    }
}

void title_menu_enter()
{
    for (SfxId sound : SUMMON_SOUNDS)
        sfx_stop(sound);
    ladder_time = 0;
    title_textures_free();
    // The shop keeps its pictures for its next visit; another screen's go with it.
    if (screen_texture_set != SCREEN_SET_SHOP)
        screen_textures_free();
    pointer_x = POINTER_START_X;
    pointer_y = POINTER_START_Y;
    title_scroll_3 = 0.0f;
    fighters[0].action = fighters[1].action = 0;
    title_scroll_1 = title_scroll_2 = 0.0f;
    state_ticks = 0;
    continue_active = 0;
    fight_load_phase = 0;
    challenger_pending = 0;
    menu_cursor = 0;
    menu_click_latch = 1;   // a button still held from the last screen does not click
    game_state = STATE_MAIN_MENU;
    menu_page = PAGE_MAIN;
    menu_pulse_angle = PULSE_FULL;
    timer_logic_rate_set(LOGIC_TICK_60HZ);   // a knock-out's slow motion ends here
    title_textures_load();
    title_logo_measure();
}

const MenuPageInfo *menu_page_info(i32 page)
{
    return page >= 0 && page < MENU_PAGE_ROWS ? &menu_pages[page] : nullptr;
}

// Keeps the cursor within the page's range: past either end it comes round to the other.
static void menu_cursor_wrap(const MenuPageInfo *info)
{
    i32 last = info->cursor_last_now ? info->cursor_last_now() : info->cursor_last;
    if (menu_cursor < info->cursor_first)
        menu_cursor = last;
    if (menu_cursor > last)
        menu_cursor = info->cursor_first;
}

// A keyboard step of the cursor, +1 down or -1 up, with the move sound.
static void menu_cursor_step(const MenuPageInfo *info, int step)
{
    menu_cursor += step;
    sfx_play_menu(SFX_POWER_FULL);
    if (info->cursor_skip)
        info->cursor_skip(step);
}

// One player's directions: each acts once per press (the latch is re-armed by releasing the
// direction or turning to another), then the cursor wraps within the page.
static void menu_player_directions(int p)
{
    int d = input_dir[p];
    if (d != input_dir_latch[p])
        input_dir_latch[p] = -1;
    const MenuPageInfo *info = menu_page_info(menu_page);
    // A page with one place or none (the network pages' ends) takes no direction: nothing
    // would move, so no move sound either.
    if (!info || info->cursor_last <= info->cursor_first)
        return;
    if (d == DIR_DOWN && input_dir_latch[p] != DIR_DOWN) {
        input_dir_latch[p] = DIR_DOWN;
        menu_cursor_step(info, 1);
    }
    if (d == DIR_UP && input_dir_latch[p] != DIR_UP) {
        input_dir_latch[p] = DIR_UP;
        menu_cursor_step(info, -1);
    }
    if (d == DIR_RIGHT && input_dir_latch[p] != DIR_RIGHT) {
        input_dir_latch[p] = DIR_RIGHT;
        if (info->sideways)
            info->sideways(1);
    }
    if (d == DIR_LEFT && input_dir_latch[p] != DIR_LEFT) {
        input_dir_latch[p] = DIR_LEFT;
        if (info->sideways)
            info->sideways(-1);
    }
    menu_cursor_wrap(info);
}

static f32 scroll_advance(f32 scroll, f32 step, f32 limit)
{
    scroll += step;
    return scroll > limit ? 0.0f : scroll;
}

void menu_background_step()
{
    title_scroll_1 = scroll_advance(title_scroll_1, SCROLL_STEP_SLOW, SCROLL_END_SLOW);
    title_scroll_2 = scroll_advance(title_scroll_2, SCROLL_STEP_SLOW, SCROLL_END_SLOW);
    title_scroll_3 = scroll_advance(title_scroll_3, SCROLL_STEP_FAST, SCROLL_END_FAST);
    menu_pulse_step();
}

void title_menu_tick()
{
    menu_player_directions(0);   // player 1's step starts from player 0's result
    menu_player_directions(1);
    menu_pointer_step();         // moves during fades too
    menu_background_step();
}

// Player p's refreshed controls show any press, or ENTER is down.
static bool player_control_pressed(int p)
{
    if (input_device[p] == 0)
        input_read_keyboard(p);
    else if (input_device[p] == 1)
        input_read_joystick(p);
    return input_dir[p] || input_hard_swing[p] || input_low_swing[p] || input_kick[p] ||
           input_start[p] || key[KEY_ENTER];
}

int any_control_pressed()
{
    // A press of player 0 answers before player 1's controls are refreshed.
    return player_control_pressed(0) || player_control_pressed(1);
}

bool menu_pointer_activity(int buttons)
{
    if (fade_mode != FADE_NONE)
        return false;
    bool moved = pointer_x != pointer_target_x || pointer_y != pointer_target_y;
    bool fresh_click = buttons == MOUSE_LEFT_ONLY && !menu_click_latch;
    bool released = buttons == 0 && menu_click_latch == 1;
    if (!moved && !fresh_click && !released)
        return false;
    pointer_target_x = pointer_x;
    pointer_target_y = pointer_y;
    return true;
}

static bool pointer_inside(const MenuRect &rect)
{
    return pointer_x > rect.x0 && pointer_x < rect.x1 && pointer_y > rect.y0 && pointer_y < rect.y1;
}

// A confirm press on the selected item: a fresh left click on it, or a HARD SWING or START of
// either player whose latch is clear. Nothing confirms during a fade.
static bool menu_confirm_pressed(bool pointer_on_item)
{
    if (fade_mode != FADE_NONE)
        return false;
    if (menu_frame_buttons == MOUSE_LEFT_ONLY && !menu_click_latch && pointer_on_item)
        return true;
    for (int p = 0; p < 2; p++)
        if ((input_hard_swing[p] && !latch_hard_swing[p]) || (input_start[p] && !latch_start[p]))
            return true;
    return false;
}

void menu_confirm_latches()
{
    latch_hard_swing[0] = latch_hard_swing[1] = 1;
    latch_start[0] = latch_start[1] = 1;
    latch_enter = 1;
}

void menu_standard_confirm()
{
    menu_confirm_latches();
    sfx_play_menu(SFX_MENU_CONFIRM);
    menu_click_latch = 1;
}

// One item's hover, then its confirm: one click on an unselected item both selects and
// confirms it.
static void menu_item_input(const MenuPageInfo *info, int k, bool pointer_active)
{
    const MenuItem &item = info->items[k];
    u8 use = info->item_use ? info->item_use(k) : MENU_ITEM_HOVERS | MENU_ITEM_CONFIRMS;
    bool on_item = pointer_inside(item.hover);
    if ((use & MENU_ITEM_HOVERS) && pointer_active && menu_cursor != k && on_item) {
        sfx_play_menu(SFX_POWER_FULL);
        menu_cursor = k;
    }
    if (!(use & MENU_ITEM_CONFIRMS) || menu_cursor != k || !menu_confirm_pressed(on_item))
        return;
    if (item.confirm == MENU_CONFIRM_STANDARD)
        menu_standard_confirm();
    if (info->act)
        info->act(k);
}

// The input block of one page: its first step, its items in cursor order while the page
// stays current, then the caps of the item under the cursor.
static void menu_page_input(i32 page, bool pointer_active)
{
    const MenuPageInfo *info = &menu_pages[page];
    if (!info->items)
        return;
    if (info->input_first)
        info->input_first();
    for (int k = 0; k < info->item_count && menu_page == page; k++)
        menu_item_input(info, k, pointer_active);
    if (menu_page == page && menu_cursor >= 0 && menu_cursor < info->item_count)
        menu_caps = info->items[menu_cursor].caps;
}

void title_menu_frame()
{
    menu_frame_buttons = mouse_b;
    menu_caps = MENU_CAPS_NONE;
    bool pointer_active = menu_pointer_activity(menu_frame_buttons);
    // Pages in ascending order, each test reading the current page: a block that moves to a
    // later page lets that page's block run in this frame too (its hovers apply; its confirms
    // cannot, since the press is used up).
    for (i32 page = 0; page < MENU_PAGE_ROWS; page++)
        if (menu_page == page)
            menu_page_input(page, pointer_active);
    capture_latch = any_control_pressed();
}
