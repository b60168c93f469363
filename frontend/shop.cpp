// The shop: the gallery, the twelve profiles and five locked characters for the credits the
// ladder awards. The pointer and both controllers share one cursor and one purchase rule;
// ESC, or a confirm on EXIT, goes straight back to the title menu without a fade.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <allegro.h>
#include <iterator>

u32 shop_cursor;

constexpr f32 PULSE_FULL = 3.1415f;
constexpr f32 POINTER_START_X = -20.0f;
constexpr f32 POINTER_START_Y = 15.0f;
constexpr int MOUSE_LEFT_ONLY = 1;
constexpr i32 PRICE_GALLERY = 750;
constexpr i32 PRICE_PROFILE = 350;
constexpr i32 PRICE_MONSTER = 1000;
constexpr i32 PRICE_GOD = 1500;
constexpr i32 MOVE_NONE = -1;   // the direction does nothing here: no sound, no latch

static const ScreenPicture shop_pictures[] = {
    {"shop/gallery.jpg", TEXTURE_CLAMP_RGB},      {"shop/jasonpf.jpg", TEXTURE_CLAMP_RGB},
    {"shop/odiseopf.jpg", TEXTURE_CLAMP_RGB},     {"shop/atalantapf.jpg", TEXTURE_CLAMP_RGB},
    {"shop/perseopf.jpg", TEXTURE_CLAMP_RGB},     {"shop/hipolitapf.jpg", TEXTURE_CLAMP_RGB},
    {"shop/polifemopf.jpg", TEXTURE_CLAMP_RGB},   {"shop/minotauropf.jpg", TEXTURE_CLAMP_RGB},
    {"shop/medusapf.jpg", TEXTURE_CLAMP_RGB},     {"shop/esfingepf.jpg", TEXTURE_CLAMP_RGB},
    {"shop/hidrapf.jpg", TEXTURE_CLAMP_RGB},      {"shop/arespf.jpg", TEXTURE_CLAMP_RGB},
    {"shop/atropopf.jpg", TEXTURE_CLAMP_RGB},     {"iconos/icon_n.tga", TEXTURE_MIPMAP_RGBA_FULL},
    {"shop/siluetas.tga", TEXTURE_MIPMAP_RGBA_FULL},
};
static_assert(std::size(shop_pictures) == SHOP_TEXTURE_COUNT,
              "gallery, twelve portraits, the icon atlas, the silhouettes");

// The five characters for sale, in item order: their unlock byte and price.
static u8 *const shop_character_bytes[] = {&unlocked_medusa, &unlocked_sphinx, &unlocked_hydra, &unlocked_ares,
                                          &unlocked_atropos};
static const i32 shop_character_prices[] = {PRICE_MONSTER, PRICE_MONSTER, PRICE_MONSTER, PRICE_GOD, PRICE_GOD};
static_assert(std::size(shop_character_bytes) == SHOP_ITEM_EXIT - SHOP_ITEM_CHARACTER_FIRST, "one byte per character");
static_assert(std::size(shop_character_prices) == SHOP_ITEM_EXIT - SHOP_ITEM_CHARACTER_FIRST, "one price per character");

// Where each direction takes the cursor, before profiles not offered are stepped over.
struct ShopMoves {
    i32 up, down, left, right;
};
static const ShopMoves shop_moves[] = {
    // up         down        left  right
    {MOVE_NONE, 12, 18, 1},          // 0 gallery
    {MOVE_NONE, 7, 0, 2},            // 1..6 first profile row
    {MOVE_NONE, 8, 1, 3},
    {MOVE_NONE, 9, 2, 4},
    {MOVE_NONE, 10, 3, 5},
    {MOVE_NONE, 11, 4, 6},
    {6, 12, 5, 7},                   // KEEP: up on the last column sounds without moving
    {1, 14, 6, 8},                   // 7..12 second profile row
    {2, 14, 7, 9},
    {3, 14, 8, 10},
    {4, 14, 9, 11},
    {5, 14, 10, 12},
    {0, MOVE_NONE, 11, 13},
    {0, MOVE_NONE, 12, 14},          // 13..17 characters
    {7, MOVE_NONE, 13, 15},
    {7, 17, 14, 16},
    {7, 17, 15, 17},
    {7, MOVE_NONE, 16, 18},
    {16, MOVE_NONE, 17, 0},          // 18 EXIT
};
static_assert(std::size(shop_moves) == SHOP_ITEM_COUNT, "one row per shop item");

u8 *shop_profile_byte(int character)
{
    static u8 *const bytes[] = {&profile_jason, &profile_odysseus, &profile_atalanta, &profile_perseus,
                                &profile_hippolyte, &profile_polyphemus, &profile_minotaur, &profile_medusa,
                                &profile_sphinx, &profile_hydra, &profile_ares, &profile_atropos};
    static_assert(std::size(bytes) == CHARACTER_COUNT, "one profile byte per character");
    return character >= 0 && character < CHARACTER_COUNT ? bytes[character] : nullptr;
}

int shop_profile_offer(int character)
{
    u8 *profile = shop_profile_byte(character);
    if (!profile || *profile != 0)
        return 0;   // already for sale, or bought: a second win changes nothing
    *profile = 1;
    return 1;
}

u8 *shop_character_byte(int item)
{
    int k = item - SHOP_ITEM_CHARACTER_FIRST;
    return k >= 0 && k < SHOP_ITEM_EXIT - SHOP_ITEM_CHARACTER_FIRST ? shop_character_bytes[k] : nullptr;
}

bool shop_item_is_profile(int item)
{
    return item >= SHOP_ITEM_PROFILE_FIRST && item < SHOP_ITEM_CHARACTER_FIRST;
}

// A profile tile whose character is not offered is neither drawn, hovered nor stepped on.
bool shop_item_hidden(int item)
{
    return shop_item_is_profile(item) && *shop_profile_byte(item - SHOP_ITEM_PROFILE_FIRST) == 0;
}

int shop_enter()
{
    // The shop keeps its pictures between visits; another screen's set is replaced.
    if (screen_texture_set != SCREEN_SET_SHOP || screen_texture_count != SHOP_TEXTURE_COUNT) {
        if (screen_textures_load(SCREEN_SET_SHOP, shop_pictures, SHOP_TEXTURE_COUNT) != 0)
            return 2;
    }
    pointer_x = POINTER_START_X;
    pointer_y = POINTER_START_Y;
    menu_cursor = 0;
    menu_click_latch = 1;   // the click that chose the shop does not count in the shop
    title_scroll_1 = title_scroll_2 = title_scroll_3 = 0.0f;
    menu_pulse_angle = PULSE_FULL;
    game_state = STATE_SHOP;
    return 0;
}

static i32 shop_price(int item)
{
    if (item == SHOP_ITEM_GALLERY)
        return PRICE_GALLERY;
    if (shop_item_is_profile(item))
        return PRICE_PROFILE;
    return shop_character_prices[item - SHOP_ITEM_CHARACTER_FIRST];
}

static bool shop_item_owned(int item)
{
    if (item == SHOP_ITEM_GALLERY)
        return gallery_bought != 0;
    if (shop_item_is_profile(item))
        return *shop_profile_byte(item - SHOP_ITEM_PROFILE_FIRST) == 2;
    return *shop_character_byte(item) != 0;
}

// The purchase rule: too few credits or already owned are refused; otherwise the price is
// paid and the item's bytes set.
static void shop_buy(int item)
{
    if (item < 0 || item >= SHOP_ITEM_EXIT)
        return;
    i32 price = shop_price(item);
    if (price > static_cast<i32>(credits) || shop_item_owned(item)) {
        sfx_play_menu(SFX_MENU_REFUSED);
        return;
    }
    credits -= static_cast<u32>(price);
    if (item == SHOP_ITEM_GALLERY) {
        gallery_bought = 1;
    } else if (shop_item_is_profile(item)) {
        *shop_profile_byte(item - SHOP_ITEM_PROFILE_FIRST) = 2;
        profiles_unlocked = 1;
    } else {
        *shop_character_byte(item) = 1;
    }
    sfx_play_menu(SFX_MENU_CONFIRM);
    settings_save();   // what was paid for survives a crash or a kill
}

// Back to the title menu at once, with its tune; the tick ends.
static TickFlow shop_leave()
{
    paused = 0;
    pause_confirm = 0;
    music_stop();
    title_menu_enter();
    if (music_play("musica/titulo.ogg") != 0)
        return load_failed();
    return TICK_ENDS;
}

// Hover rectangles, in the order they are tested; k is a profile tile's column.
MenuRect shop_item_rect(int item)
{
    static const MenuRect fixed[] = {
        {-18.0f, -12.6f, -9.4f, -4.6f},   // Medusa
        {-10.2f, -5.8f, -10.0f, -4.0f},   // Sphinx
        {-3.2f, -1.0f, -8.6f, -4.4f},     // Hydra
        {4.6f, 8.2f, -10.0f, -4.4f},      // Ares
        {11.0f, 15.6f, -10.4f, -4.2f},    // Atropos
        {11.0f, 17.6f, -14.4f, -11.8f},   // EXIT
    };
    if (item == SHOP_ITEM_GALLERY)
        return {-18.2f, -14.4f, 5.2f, 8.2f};
    if (shop_item_is_profile(item)) {
        int k = (item - SHOP_ITEM_PROFILE_FIRST) % 6;
        f32 x = 4.0f * static_cast<f32>(k);
        bool first_row = item < SHOP_ITEM_PROFILE_FIRST + 6;
        return first_row ? MenuRect{x - 4.4f, x - 2.4f, 6.4f, 8.4f} : MenuRect{x - 4.4f, x - 2.4f, 2.4f, 4.2f};
    }
    return fixed[item - SHOP_ITEM_CHARACTER_FIRST];
}

static int shop_item_under_pointer()
{
    for (int item = 0; item < SHOP_ITEM_COUNT; item++) {
        MenuRect r = shop_item_rect(item);
        if (!shop_item_hidden(item) && pointer_x > r.x0 && pointer_x < r.x1 && pointer_y > r.y0 && pointer_y < r.y1)
            return item;
    }
    return -1;
}

// The pointer: the hovered item takes the cursor; a fresh click buys it, or leaves on EXIT
// (with the first button alone).
static TickFlow shop_pointer_part()
{
    if (!menu_pointer_activity(mouse_b))
        return TICK_CONTINUES;
    int item = shop_item_under_pointer();
    if (item < 0)
        return TICK_CONTINUES;
    shop_cursor = static_cast<u32>(item);
    bool exit_click = item == SHOP_ITEM_EXIT && mouse_b == MOUSE_LEFT_ONLY;
    bool buy_click = item != SHOP_ITEM_EXIT && mouse_b != 0;
    if (menu_click_latch || (!exit_click && !buy_click))
        return TICK_CONTINUES;
    menu_click_latch = 1;
    if (exit_click)
        return shop_leave();
    shop_buy(item);
    return TICK_CONTINUES;
}

static i32 shop_move_target(u32 cursor, int dir)
{
    const ShopMoves &m = shop_moves[cursor < SHOP_ITEM_COUNT ? cursor : 0];
    switch (dir) {
    case DIR_UP: return m.up;
    case DIR_DOWN: return m.down;
    case DIR_LEFT: return m.left;
    case DIR_RIGHT: return m.right;
    default: return MOVE_NONE;
    }
}

// After a move onto a profile not offered: on in the move's direction (LEFT back, the others
// forward) to the next item shown.
static i32 shop_skip_hidden(i32 item, int dir)
{
    int step = dir == DIR_LEFT ? -1 : 1;
    while (shop_item_hidden(item) && item + step >= 0)
        item += step;
    return item;
}

// One player's directions: a "none" entry neither sounds nor latches, so a held direction
// acts once the cursor reaches an item where it does something.
static void shop_player_moves(int p)
{
    int dir = input_dir[p];
    if (dir != input_dir_latch[p])
        input_dir_latch[p] = -1;
    i32 target = shop_move_target(shop_cursor, dir);
    if (target == MOVE_NONE || input_dir_latch[p] == dir)
        return;
    input_dir_latch[p] = dir;
    sfx_play_menu(SFX_POWER_FULL);
    shop_cursor = static_cast<u32>(shop_skip_hidden(target, dir));
}

static void shop_player_buys(int p)
{
    if (!input_hard_swing[p] || latch_hard_swing[p] || shop_cursor == SHOP_ITEM_EXIT)
        return;
    latch_hard_swing[p] = 1;
    shop_buy(static_cast<int>(shop_cursor));
}

// ESC anywhere, or a fresh HARD SWING or START of either player on EXIT.
static bool shop_leave_pressed()
{
    if (key[KEY_ESC])
        return true;
    if (shop_cursor != SHOP_ITEM_EXIT)
        return false;
    return (input_hard_swing[0] && !latch_hard_swing[0]) || (input_hard_swing[1] && !latch_hard_swing[1]) ||
           (input_start[0] && !latch_start[0]) || (input_start[1] && !latch_start[1]);
}

TickFlow shop_tick()
{
    // A click on EXIT ends the tick here: nothing of the shop runs in the title state.
    if (fade_mode == FADE_NONE && shop_pointer_part() == TICK_ENDS)
        return TICK_ENDS;
    for (int p = 0; p < 2; p++) {
        shop_player_moves(p);
        shop_player_buys(p);
    }
    menu_pointer_step();
    menu_background_step();
    if (!shop_leave_pressed())
        return TICK_CONTINUES;
    latch_start[0] = latch_start[1] = 1;
    latch_hard_swing[0] = latch_hard_swing[1] = 1;
    latch_enter = 1;
    return shop_leave();
}
