// The shop's drawer: the title's back layers, the gallery tile, the profile tiles, the five
// characters from the icon atlas, the prices and "SOLD" marks, EXIT with its caps, the
// pointer. Writes only GL.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <GL/gl.h>
#include <iterator>

constexpr f32 TEXT_DEPTH = -100.0f;
constexpr f32 IDLE_GREY = 0.5f;
constexpr f32 SHADOW_ALPHA = 0.3f;
constexpr f32 ICON_SHADOW_ALPHA = 0.5f;
constexpr f32 SILHOUETTE_ALPHA = 0.85f;   // a locked god's figure, dark but for the cursor's pulse
constexpr f32 SHADOW_OFFSET = 0.6f;
constexpr f32 CAP_SIZE = 3.0f;
// The laurels stand level with the letters of EXIT, as the title's stand by its items: any
// higher, the left one's top reaches up beside Atropos' price.
constexpr f32 EXIT_CAP_LEFTS[2] = {8.5f, 15.5f};
constexpr f32 EXIT_CAP_TOP = -11.7f;
constexpr f32 POINTER_SIZE = 4.0f;
constexpr int PROFILE_COLUMNS = 6;

constexpr f32 CURSOR_FRAME_GAP = 0.25f;     // between a tile and the cursor's frame
constexpr f32 CURSOR_FRAME_WIDTH = 0.35f;
constexpr f32 CURSOR_GOLD[3] = {1.0f, 0.8f, 0.3f};
constexpr f32 CURSOR_LOW = 0.55f;           // the frame's pulse runs from this to full

// A character for sale: its icon cell and its quad; its price or "SOLD" stands centred
// under it.
struct ShopCharacterView {
    f32 u0, v0, u1, v1;         // the atlas cell, v down
    f32 left, top, right, bottom;
};
static const ShopCharacterView shop_character_views[] = {
    {0.75f, 0.3333f, 1.0f, 0.66666f, -18, -3, -12, -11},    // Medusa
    {0.0f, 0.66666f, 0.25f, 1.0f, -11, -3, -5, -11},        // Sphinx
    {0.25f, 0.66666f, 0.5f, 1.0f, -4, -3, 2, -11},          // Hydra
    {0.5f, 0.66666f, 0.75f, 1.0f, 3, -3, 9, -11},           // Ares
    {0.75f, 0.66666f, 1.0f, 1.0f, 10, -3, 16, -11},         // Atropos
};
static_assert(std::size(shop_character_views) == SHOP_ITEM_EXIT - SHOP_ITEM_CHARACTER_FIRST,
              "one view per character for sale");
// The height of a bought profile's "SOLD", for each row.
static const f32 profile_sold_y[2] = {12, 4};
// The middle of the profile tiles' grid across, at the tiles' depth: the profiles' heading
// and "NONE AVAILABLE" stand centred on it.
constexpr f32 PROFILE_GRID_MIDDLE = 7.0f;
constexpr f32 GALLERY_LEFT = -18.0f, GALLERY_TOP = 8.0f, GALLERY_SIZE = 4.0f;
constexpr int ARES_VIEW = 3;   // Ares and Atropos show as silhouettes while locked

static f32 item_grey(int item)
{
    return shop_cursor == static_cast<u32>(item) ? menu_pulse_level() : IDLE_GREY;
}

static void blend_on()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
}

// A caption in the text font centred by its measured width on `middle`, which is given at
// the tiles' depth: the captions' depths differ from the tiles', so the middle scales with it.
static void shop_caption(f32 middle, f32 y, f32 z, const char *text)
{
    print_text(middle * z / MENU_DEPTH - 0.5f * font_text_width(FONT_TEXT, text), y, z, "%s", text);
}

// The keyboard cursor: a gold frame round the selected tile, pulsing as the menus' choices
// do. Leaves 2D texturing on.
static void shop_cursor_frame(int item, f32 left, f32 top, f32 right, f32 bottom)
{
    if (shop_cursor != static_cast<u32>(item))
        return;
    f32 level = CURSOR_LOW + (1.0f - CURSOR_LOW) * menu_pulse_level();
    f32 x0 = left - CURSOR_FRAME_GAP, x1 = right + CURSOR_FRAME_GAP;
    f32 y0 = top + CURSOR_FRAME_GAP, y1 = bottom - CURSOR_FRAME_GAP;
    f32 w = CURSOR_FRAME_WIDTH;
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glColor4f(CURSOR_GOLD[0] * level, CURSOR_GOLD[1] * level, CURSOR_GOLD[2] * level, 1.0f);
    screen_rect_fill(x0 - w, y0 + w, x1 + w, y0, MENU_DEPTH);
    screen_rect_fill(x0 - w, y1, x1 + w, y1 - w, MENU_DEPTH);
    screen_rect_fill(x0 - w, y0, x0, y1, MENU_DEPTH);
    screen_rect_fill(x1, y0, x1 + w, y1, MENU_DEPTH);
    glEnable(GL_TEXTURE_2D);
}

// A tile: its shadow (blended), then its picture (unblended) in the item's grey, framed when
// the cursor is on it.
static void shop_tile_draw(u32 texture, int item, f32 left, f32 top, f32 size)
{
    blend_on();
    glColor4f(0.0f, 0.0f, 0.0f, SHADOW_ALPHA);
    screen_rect_fill(left + SHADOW_OFFSET, top - SHADOW_OFFSET, left + SHADOW_OFFSET + size,
                     top - SHADOW_OFFSET - size, MENU_DEPTH);
    glDisable(GL_BLEND);
    f32 grey = item_grey(item);
    glColor4f(grey, grey, grey, 1.0f);
    glBindTexture(GL_TEXTURE_2D, texture);
    screen_rect_draw(left, top, left + size, top - size, MENU_DEPTH);
    shop_cursor_frame(item, left, top, left + size, top - size);
}

static void shop_gallery_draw()
{
    shop_tile_draw(screen_textures[SHOP_TEXTURE_GALLERY], SHOP_ITEM_GALLERY, GALLERY_LEFT, GALLERY_TOP, GALLERY_SIZE);
    blend_on();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_text(-26, 12, TEXT_DEPTH, "ARTWORK");
    print_text(-26, 9, TEXT_DEPTH, "GALLERY");
    f32 middle = GALLERY_LEFT + 0.5f * GALLERY_SIZE;
    if (gallery_bought)
        shop_caption(middle, 11, TEXT_DEPTH, "SOLD");
    else
        shop_caption(middle, 5, TEXT_DEPTH, "750 Cr");
}

static void shop_profiles_draw()
{
    blend_on();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    shop_caption(PROFILE_GRID_MIDDLE, 20, TEXT_DEPTH, "PROFILES");
    shop_caption(PROFILE_GRID_MIDDLE, 17, TEXT_DEPTH, "350 Cr EACH");
    bool any = false;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        any = any || *shop_profile_byte(id) != 0;
    if (!any)
        shop_caption(PROFILE_GRID_MIDDLE, 9, -90, "NONE AVAILABLE");
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        if (*shop_profile_byte(id) == 0)
            continue;
        f32 x = 4.0f * static_cast<f32>(id % PROFILE_COLUMNS) - 4.0f;
        f32 y = 8.0f - 4.0f * static_cast<f32>(id / PROFILE_COLUMNS);
        shop_tile_draw(screen_textures[SHOP_TEXTURE_FIRST_PORTRAIT + id], SHOP_ITEM_PROFILE_FIRST + id, x, y, 2);
    }
}

// A locked Ares or Atropos: the figure's silhouette in black where its icon stands, its
// alpha the pulse grey under the cursor.
static void shop_silhouette_draw(const ShopCharacterView &v, int item)
{
    f32 alpha = shop_cursor == static_cast<u32>(item) ? menu_pulse_level() : SILHOUETTE_ALPHA;
    glBindTexture(GL_TEXTURE_2D, screen_textures[SHOP_TEXTURE_SILHOUETTES]);
    glColor4f(0.0f, 0.0f, 0.0f, alpha);
    screen_rect_draw(v.left, v.top, v.right, v.bottom, MENU_DEPTH, v.u0, v.v0, v.u1, v.v1);
    glBindTexture(GL_TEXTURE_2D, screen_textures[SHOP_TEXTURE_ICONS]);
}

static void shop_character_draw(int k)
{
    const ShopCharacterView &v = shop_character_views[k];
    int item = SHOP_ITEM_CHARACTER_FIRST + k;
    bool locked = *shop_character_byte(item) == 0;
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    if (locked && k >= ARES_VIEW) {
        shop_silhouette_draw(v, item);
    } else {
        glColor4f(0.0f, 0.0f, 0.0f, ICON_SHADOW_ALPHA);
        screen_rect_draw(v.left + SHADOW_OFFSET, v.top - SHADOW_OFFSET, v.right + SHADOW_OFFSET,
                         v.bottom - SHADOW_OFFSET, MENU_DEPTH, v.u0, v.v0, v.u1, v.v1);
        f32 grey = item_grey(item);
        glColor4f(grey, grey, grey, 1.0f);
        screen_rect_draw(v.left, v.top, v.right, v.bottom, MENU_DEPTH, v.u0, v.v0, v.u1, v.v1);
    }
    // The icon's ring fills the middle of its taller quad: the frame goes round the ring, clear
    // of the price under it.
    f32 middle_y = 0.5f * (v.top + v.bottom), half = 0.5f * (v.right - v.left);
    shop_cursor_frame(item, v.left, middle_y + half, v.right, middle_y - half);
    blend_on();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    f32 middle = 0.5f * (v.left + v.right);
    if (locked)
        shop_caption(middle, -24, TEXT_DEPTH, k >= ARES_VIEW ? "1500 Cr" : "1000 Cr");
    else
        shop_caption(middle, -16, TEXT_DEPTH, "SOLD");
}

static void shop_characters_draw()
{
    blend_on();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_text(-8, -6, TEXT_DEPTH, "CHARACTERS");
    glEnable(GL_BLEND);
    for (int k = 0; k < SHOP_ITEM_EXIT - SHOP_ITEM_CHARACTER_FIRST; k++) {
        glBindTexture(GL_TEXTURE_2D, screen_textures[SHOP_TEXTURE_ICONS]);
        shop_character_draw(k);
    }
}

static void shop_sold_profiles_draw()
{
    blend_on();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        if (*shop_profile_byte(id) != 2)
            continue;
        f32 middle = 4.0f * static_cast<f32>(id % PROFILE_COLUMNS) - 3.0f;
        shop_caption(middle, profile_sold_y[id / PROFILE_COLUMNS], TEXT_DEPTH, "SOLD");
    }
}

// The title's laurels round EXIT, blended as the title blends them: their pictures' ground is
// clear but coloured (so the leaves' edges filter cleanly), and a blend that adds the colour
// regardless of alpha would show it as a box.
static void shop_exit_caps_draw()
{
    if (shop_cursor != SHOP_ITEM_EXIT)
        return;
    f32 pulse = menu_pulse_level();
    glColor4f(pulse, pulse, pulse, 1.0f);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const u32 pictures[2] = {title_textures[TITLE_CAP_LEFT], title_textures[TITLE_CAP_RIGHT]};
    for (int i = 0; i < 2; i++) {
        glBindTexture(GL_TEXTURE_2D, pictures[i]);
        screen_rect_draw(EXIT_CAP_LEFTS[i], EXIT_CAP_TOP, EXIT_CAP_LEFTS[i] + CAP_SIZE, EXIT_CAP_TOP - CAP_SIZE,
                         MENU_DEPTH);
    }
}

static void shop_pointer_draw()
{
    blend_on();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBindTexture(GL_TEXTURE_2D, tex_select_panel);
    screen_rect_draw(pointer_x, pointer_y, pointer_x + POINTER_SIZE, pointer_y - POINTER_SIZE, MENU_DEPTH);
}

void shop_draw()
{
    screen_draw_begin();
    screen_title_background_draw();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_letters(-5, 11, MENU_DEPTH, "SHOP");
    print_text(-34, -28, TEXT_DEPTH, "CREDITS:");
    print_digits(-23, -28, TEXT_DEPTH, "%01d", static_cast<int>(credits));
    print_letters(20, -26, -90, "EXIT");
    shop_gallery_draw();
    shop_profiles_draw();
    shop_characters_draw();
    shop_sold_profiles_draw();
    shop_exit_caps_draw();
    shop_pointer_draw();
}
