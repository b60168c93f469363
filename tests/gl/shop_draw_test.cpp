#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/feedback.h"
#include "support/marker_pictures.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <vector>

// What the shop shows, told apart by colour: each picture is one marker colour (the icon atlas
// one per cell), over a black background, with the printers' ink clear. A picture's pixels are
// its marker at the idle grey (a half) or the pulse's full level.
constexpr int ICON_ATLAS_COLUMNS = 4, ICON_ATLAS_ROWS = 3, ICON_CELL_TEXELS = 16;
constexpr f32 IDLE_LEVEL = 0.5f;   // the grey of a tile not under the cursor
constexpr int PROFILE_GRID_COLUMNS = 6;

// Markers 0..12: the gallery and the twelve portraits by slot; 13..20: the icon atlas's lower
// two rows of cells, row by row; the caps and the pointer after.
constexpr int MARKER_ICON_FIRST = 13;
constexpr int MARKER_CAP_LEFT = 23, MARKER_CAP_RIGHT = 24, MARKER_POINTER = 25;
// The atlas cell (column, row) of each character for sale, from the left.
static const int icon_cells[5][2] = {{3, 1}, {0, 2}, {1, 2}, {2, 2}, {3, 2}};

static int icon_marker(int k)
{
    return MARKER_ICON_FIRST + (icon_cells[k][1] - 1) * ICON_ATLAS_COLUMNS + icon_cells[k][0];
}

// The icon atlas: rows 1 and 2 hold the characters' cells (the shop uses nothing of row 0).
static u32 icon_atlas_make()
{
    const int width = ICON_ATLAS_COLUMNS * ICON_CELL_TEXELS, height = ICON_ATLAS_ROWS * ICON_CELL_TEXELS;
    std::vector<u8> texels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            int row = y / ICON_CELL_TEXELS, column = x / ICON_CELL_TEXELS;
            Rgb c = row == 0 ? Rgb{0, 0, 0} : marker(MARKER_ICON_FIRST + (row - 1) * ICON_ATLAS_COLUMNS + column);
            texel_set(texels, width, x, y, c);
        }
    return texels_texture(texels, width, height);
}

static PixelRect hover_window_rect(int item)
{
    MenuRect r = shop_item_rect(item);
    return eye_rect(r.x0, r.y0, r.x1, r.y1, MENU_DEPTH);
}

// Window pixels per menu unit, across.
static f32 menu_unit_pixels()
{
    f32 x0, x1, y;
    eye_to_window(0.0f, 0.0f, MENU_DEPTH, &x0, &y);
    eye_to_window(1.0f, 0.0f, MENU_DEPTH, &x1, &y);
    return x1 - x0;
}

// A picture stands on its hover rectangle: it is one solid rectangle holding the rectangle's
// middle, most of the smaller of the two lies in the other, and no part of it lies further out
// than an icon reaches past its rectangle (3 units).
static void expect_on_hover(const MarkerArea &a, int item)
{
    SCOPED_TRACE(testing::Message() << "item " << item);
    ASSERT_GT(a.count, 0) << "not drawn";
    PixelRect hover = hover_window_rect(item);
    EXPECT_GE(a.count, 0.9f * rect_area(a.box)) << "one solid rectangle";
    EXPECT_GE(rect_overlap_area(a.box, hover), 0.6f * std::min(rect_area(a.box), rect_area(hover)));
    f32 centre_x = (hover.x0 + hover.x1) / 2, centre_y = (hover.y0 + hover.y1) / 2;
    EXPECT_TRUE(a.box.x0 <= centre_x && centre_x <= a.box.x1 && a.box.y0 <= centre_y && centre_y <= a.box.y1);
    EXPECT_TRUE(rect_inside(a.box, hover, 3.1f * menu_unit_pixels())) << "strays from its place";
}

class ShopDraw : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_TRUE(inkless_fonts_begin());
        title_textures[TITLE_BACK_1] = colour.black;
        title_textures[TITLE_BACK_2] = colour.black;
        title_textures[TITLE_CAP_LEFT] = marker_texture(MARKER_CAP_LEFT);
        title_textures[TITLE_CAP_RIGHT] = marker_texture(MARKER_CAP_RIGHT);
        tex_select_panel = marker_texture(MARKER_POINTER);
        for (int slot = 0; slot < SHOP_TEXTURE_ICONS; slot++)
            screen_textures[slot] = marker_texture(slot);
        icons = icon_atlas_make();
        screen_textures[SHOP_TEXTURE_ICONS] = icons;
        screen_textures[SHOP_TEXTURE_SILHOUETTES] = icons;   // drawn black: only its cover shows
        menu_pulse_angle = 3.1415f;
        shop_state_set(false);
    }
    void TearDown() override
    {
        GLuint name = icons;
        glDeleteTextures(1, &name);
        for (u32 &slot : screen_textures)
            slot = 0;
        for (u32 &texture : title_textures)
            texture = 0;
        tex_select_panel = 0;
        inkless_fonts_end();
        // The progress a fresh start has: nothing bought or offered.
        shop_state_set(false);
        for (int id = 0; id < CHARACTER_COUNT; id++)
            *shop_profile_byte(id) = 0;
        credits = 0;
        shop_cursor = 0;
    }

    // Nothing bought and every profile offered, or everything bought.
    static void shop_state_set(bool bought)
    {
        u8 value = bought ? 1 : 0;
        gallery_bought = value;
        for (int item = SHOP_ITEM_CHARACTER_FIRST; item < SHOP_ITEM_EXIT; item++)
            *shop_character_byte(item) = value;
        for (int id = 0; id < CHARACTER_COUNT; id++)
            *shop_profile_byte(id) = bought ? 2 : 1;
        credits = 1234;
    }

    std::vector<MarkerArea> frame()
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        shop_draw();
        return marker_areas(window_pixels());
    }

    u32 icons = 0;
};

// Every tile and icon stands on the rectangle that selects it, whatever is bought; "SOLD"
// moves none of them; Ares and Atropos show only once bought (a black silhouette before).
TEST_F(ShopDraw, PicturesStandOnTheirHoverRectangles)
{
    shop_cursor = SHOP_ITEM_EXIT;
    pointer_x = -20.0f;
    pointer_y = 15.0f;   // where the shop starts it, over no picture
    std::vector<MarkerArea> unsold = frame();
    shop_state_set(true);
    std::vector<MarkerArea> sold = frame();
    for (int item = 0; item < SHOP_ITEM_EXIT; item++) {
        int k = item - SHOP_ITEM_CHARACTER_FIRST;
        int m = k >= 0 ? icon_marker(k) : item;
        bool silhouette_while_unsold = k >= 3;
        expect_on_hover(sold[m], item);
        if (silhouette_while_unsold) {
            EXPECT_EQ(unsold[m].count, 0) << "item " << item << " shows before it is bought";
            continue;
        }
        expect_on_hover(unsold[m], item);
        EXPECT_EQ(unsold[m].count, sold[m].count) << "item " << item;
        EXPECT_TRUE(unsold[m].box.x0 == sold[m].box.x0 && unsold[m].box.y0 == sold[m].box.y0 &&
                    unsold[m].box.x1 == sold[m].box.x1 && unsold[m].box.y1 == sold[m].box.y1)
            << "item " << item << " moved when bought";
    }
    // The gallery tile where the game's window shows it, at 640 x 480 (rows counted down).
    EXPECT_NEAR(sold[0].box.x0, 46, 1.5);
    EXPECT_NEAR(sold[0].box.x1, 108, 1.5);
    EXPECT_NEAR(GL_TEST_HEIGHT - sold[0].box.y1, 118, 1.5);
    EXPECT_NEAR(GL_TEST_HEIGHT - sold[0].box.y0, 180, 1.5);
}

// The profiles not offered are neither drawn nor hovered; the others keep their places.
TEST_F(ShopDraw, ProfilesNotOfferedLeaveTheirPlacesEmpty)
{
    for (int id = 0; id < CHARACTER_COUNT; id++)
        *shop_profile_byte(id) = id % 3 == 0 ? 0 : 1;
    std::vector<MarkerArea> areas = frame();
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        int item = SHOP_ITEM_PROFILE_FIRST + id;
        if (id % 3 == 0)
            EXPECT_EQ(areas[SHOP_TEXTURE_FIRST_PORTRAIT + id].count, 0) << id;
        else
            expect_on_hover(areas[SHOP_TEXTURE_FIRST_PORTRAIT + id], item);
    }
}

// With EXIT selected the two caps stand at the ends of its row, one each side of its middle;
// the selected item shows at the pulse's full level, the others at half.
TEST_F(ShopDraw, ExitCapsFlankTheExitRow)
{
    shop_cursor = SHOP_ITEM_GALLERY;
    std::vector<MarkerArea> gallery_selected = frame();
    EXPECT_EQ(gallery_selected[MARKER_CAP_LEFT].count, 0);
    EXPECT_EQ(gallery_selected[MARKER_CAP_RIGHT].count, 0);
    int cx = static_cast<int>(std::lround((gallery_selected[0].box.x0 + gallery_selected[0].box.x1) / 2));
    int cy = static_cast<int>(std::lround((gallery_selected[0].box.y0 + gallery_selected[0].box.y1) / 2));
    EXPECT_TRUE(rgb_near(pixel_at(cx, cy), marker(0), 3)) << "the selected tile at full level";

    shop_cursor = SHOP_ITEM_EXIT;
    std::vector<MarkerArea> areas = frame();
    EXPECT_TRUE(rgb_near(pixel_at(cx, cy), marker_at(0, 0.5f), 3)) << "an idle tile at half";
    PixelRect hover = hover_window_rect(SHOP_ITEM_EXIT);
    const f32 middle = (hover.x0 + hover.x1) / 2;
    for (int m : {MARKER_CAP_LEFT, MARKER_CAP_RIGHT}) {
        SCOPED_TRACE(m);
        const MarkerArea &cap = areas[m];
        ASSERT_GT(cap.count, 0);
        EXPECT_GE(cap.count, 0.9f * rect_area(cap.box));
        f32 rows = std::min(cap.box.y1, hover.y1) - std::max(cap.box.y0, hover.y0);
        EXPECT_GE(rows, 0.5f * (cap.box.y1 - cap.box.y0)) << "in the row";
        EXPECT_GT(rect_overlap_area(cap.box, {hover.x0 - 10, hover.y0, hover.x1 + 10, hover.y1}), 0.0f);
    }
    EXPECT_LT(areas[MARKER_CAP_LEFT].box.x1, middle);
    EXPECT_GT(areas[MARKER_CAP_RIGHT].box.x0, middle);
}

// The pixels of a window box (GL rows, bottom up) that pass a test.
static std::vector<std::pair<int, int>> pixels_where(const std::vector<u8> &pixels, const PixelRect &box,
                                                     bool (*keep)(const u8 *p))
{
    std::vector<std::pair<int, int>> found;
    for (int y = std::max(0, static_cast<int>(box.y0)); y < std::min(GL_TEST_HEIGHT, static_cast<int>(box.y1) + 1); y++)
        for (int x = std::max(0, static_cast<int>(box.x0)); x < std::min(GL_TEST_WIDTH, static_cast<int>(box.x1) + 1); x++)
            if (keep(&pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4]))
                found.push_back({x, y});
    return found;
}

// The laurels on EXIT are the title's own pictures, whose ground is coloured but clear: it is
// blended away as on the title, so over a black screen only the leaves show, and they stand
// clear of Atropos' price above them.
TEST_F(ShopDraw, TheExitLaurelsShowOnlyTheirLeavesClearOfThePrice)
{
    shop_cursor = SHOP_ITEM_EXIT;
    std::vector<MarkerArea> places = frame();
    const PixelRect quads[2] = {places[MARKER_CAP_LEFT].box, places[MARKER_CAP_RIGHT].box};
    u32 caps[2] = {built_texture("titulo/select1.tga", TEXTURE_CLAMP_RGBA),
                   built_texture("titulo/select2.tga", TEXTURE_CLAMP_RGBA)};
    u32 inkless = font_text_texture;
    font_text_texture = built_texture("misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
    ASSERT_TRUE(caps[0] && caps[1] && font_text_texture) << "run the data builder (make test does)";
    title_textures[TITLE_CAP_LEFT] = caps[0];
    title_textures[TITLE_CAP_RIGHT] = caps[1];
    for (u32 &slot : screen_textures)
        slot = colour.black;
    std::vector<PrintedText> texts = feedback_texts(feedback_polygons(shop_draw));
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    shop_draw();
    std::vector<u8> pixels = window_pixels();

    const PrintedText *price = nullptr;   // Atropos', the rightmost
    for (const PrintedText &t : texts)
        if (t.text == "1500Cr" && (!price || t.box.x0 > price->box.x0))
            price = &t;
    ASSERT_NE(price, nullptr);
    std::vector<std::pair<int, int>> ink =
        pixels_where(pixels, price->box, [](const u8 *p) { return p[0] > 160 && p[1] > 160 && p[2] > 160; });
    ASSERT_FALSE(ink.empty());
    const f32 clearance = 0.5f * menu_unit_pixels();
    for (int i = 0; i < 2; i++) {
        SCOPED_TRACE(i ? "right laurel" : "left laurel");
        const PixelRect &q = quads[i];
        const int inset = 2;
        for (int corner = 0; corner < 4; corner++) {
            int x = static_cast<int>(corner & 1 ? q.x1 : q.x0) + (corner & 1 ? -inset : inset);
            int y = static_cast<int>(corner & 2 ? q.y1 : q.y0) + (corner & 2 ? -inset : inset);
            EXPECT_TRUE(rgb_near(pixel_at(x, y), {0, 0, 0}, 8)) << "the picture's ground shows";
        }
        std::vector<std::pair<int, int>> leaves =
            pixels_where(pixels, q, [](const u8 *p) { return p[0] + p[1] + p[2] > 120; });
        ASSERT_GT(leaves.size(), 30u) << "no leaves";
        f32 nearest = 1e9f;
        for (const auto &[lx, ly] : leaves)
            for (const auto &[px, py] : ink)
                nearest = std::min(nearest, std::hypot(static_cast<f32>(lx - px), static_cast<f32>(ly - py)));
        EXPECT_GE(nearest, clearance) << "the leaves touch the price";
    }
    for (u32 cap : caps) {
        GLuint name = cap;
        glDeleteTextures(1, &name);
    }
    GLuint name = font_text_texture;
    glDeleteTextures(1, &name);
    font_text_texture = inkless;
}

// The pointer's picture has its top left corner on the pointer, wherever it goes, and lies
// on the picture of the item the pointer is over.
TEST_F(ShopDraw, PointerPictureSitsAtThePointer)
{
    shop_state_set(true);   // Ares and Atropos in colour
    for (int item = 0; item < SHOP_ITEM_COUNT; item++) {
        SCOPED_TRACE(testing::Message() << "item " << item);
        MenuRect r = shop_item_rect(item);
        pointer_x = (r.x0 + r.x1) / 2;
        pointer_y = (r.y0 + r.y1) / 2;
        shop_cursor = static_cast<u32>(item);
        std::vector<MarkerArea> areas = frame();
        const MarkerArea &pointer = areas[MARKER_POINTER];
        f32 x, y;
        eye_to_window(pointer_x, pointer_y, MENU_DEPTH, &x, &y);
        ASSERT_GT(pointer.count, 0);
        EXPECT_NEAR(pointer.box.x0, x, 1.5);
        EXPECT_NEAR(pointer.box.y1, y, 1.5);
        f32 size_x, size_y;
        eye_to_window(pointer_x + 4.0f, pointer_y - 4.0f, MENU_DEPTH, &size_x, &size_y);
        EXPECT_NEAR(pointer.box.x1, size_x, 1.5);
        EXPECT_NEAR(pointer.box.y0, std::max(size_y, 0.0f), 1.5);   // cut at the window's foot
        if (item == SHOP_ITEM_EXIT)
            continue;
        int k = item - SHOP_ITEM_CHARACTER_FIRST;
        const MarkerArea &picture = areas[k >= 0 ? icon_marker(k) : item];
        EXPECT_TRUE(picture.box.x0 <= x && x <= picture.box.x1 && picture.box.y0 <= y && y <= picture.box.y1)
            << "the pointer's tip is off the item's picture";
    }
}

// A price or "SOLD" belongs to a picture when it stands across it (a third of its width over
// the picture's) with its top no higher than the picture's and its foot no more than 2.6 units
// below the picture's.
static bool label_belongs(const PrintedText &label, const PixelRect &picture)
{
    f32 across = std::min(label.box.x1, picture.x1) - std::max(label.box.x0, picture.x0);
    return across > (label.box.x1 - label.box.x0) / 3 && label.box.y1 <= picture.y1 &&
           label.box.y0 >= picture.y0 - 2.6f * menu_unit_pixels();
}

// The texts of the shop as its printers send them: EXIT inside its hover rectangle, the total
// in digits, and each price or "SOLD" by its own picture and no other.
TEST_F(ShopDraw, LabelsAndPricesStandByTheirPictures)
{
    shop_state_set(true);
    std::vector<MarkerArea> all_shown = frame();   // the icons' places, Ares and Atropos included
    for (bool bought : {false, true}) {
        SCOPED_TRACE(bought ? "everything bought" : "nothing bought");
        shop_state_set(bought);
        shop_cursor = SHOP_ITEM_GALLERY;
        std::vector<PrintedText> texts = feedback_texts(feedback_polygons(shop_draw));
        const PrintedText *exit = printed_find(texts, "EXIT");
        ASSERT_NE(exit, nullptr);
        EXPECT_TRUE(rect_inside(exit->box, hover_window_rect(SHOP_ITEM_EXIT), 1.0f));
        EXPECT_NE(printed_find(texts, "SHOP"), nullptr);
        const PrintedText *total = printed_find(texts, "1234");
        ASSERT_NE(total, nullptr);
        EXPECT_EQ(total->font, FONT_DIGITS);

        std::vector<const PrintedText *> labels;
        for (const PrintedText &t : texts)
            if (t.text == "SOLD" || t.text == "1000Cr" || t.text == "1500Cr" || t.text == "750Cr")
                labels.push_back(&t);
        EXPECT_EQ(static_cast<int>(labels.size()), 1 + 5 + (bought ? CHARACTER_COUNT : 0));
        std::vector<PixelRect> pictures = {all_shown[0].box};
        for (int k = 0; k < 5; k++)
            pictures.push_back(all_shown[icon_marker(k)].box);
        if (bought)
            for (int id = 0; id < CHARACTER_COUNT; id++)
                pictures.push_back(all_shown[SHOP_TEXTURE_FIRST_PORTRAIT + id].box);
        for (const PixelRect &picture : pictures) {
            int owners = 0;
            for (const PrintedText *label : labels)
                owners += label_belongs(*label, picture);
            EXPECT_EQ(owners, 1) << "picture at " << picture.x0 << ", " << picture.y0;
        }
        // The prices name what is for sale: 1000 for the three monsters, 1500 for the gods.
        for (int k = 0; k < 5 && !bought; k++)
            for (const PrintedText *label : labels) {
                if (label_belongs(*label, pictures[1 + k])) {
                    EXPECT_EQ(label->text, k < 3 ? "1000Cr" : "1500Cr") << k;
                }
            }
    }
}

// The mean colour of a part of a picture: s0..s1 across, t0..t1 down, as fractions.
static void picture_mean(const Picture &picture, f32 s0, f32 t0, f32 s1, f32 t1, f32 mean[3])
{
    double sum[3] = {};
    int count = 0;
    for (int y = static_cast<int>(t0 * picture.height); y < static_cast<int>(t1 * picture.height); y++)
        for (int x = static_cast<int>(s0 * picture.width); x < static_cast<int>(s1 * picture.width); x++) {
            const u8 *p = &picture.pixels[(static_cast<size_t>(y) * picture.width + x) * 4];
            for (int c = 0; c < 3; c++)
                sum[c] += p[c];
            count++;
        }
    for (int c = 0; c < 3; c++)
        mean[c] = count ? static_cast<f32>(sum[c] / count) : 0.0f;
}

// How far a window box is from a picture drawn over it at a grey level: the mean over the
// box's inner pixels (two in from each edge) of the channels' differences from the picture's
// mean over each pixel's footprint; `flipped` reads the picture upside down.
static f32 box_difference(const std::vector<u8> &pixels, const PixelRect &box, const Picture &picture, f32 level,
                          bool flipped)
{
    constexpr int INSET = 2;
    const f32 w = box.x1 - box.x0, h = box.y1 - box.y0;
    double sum = 0.0;
    int count = 0;
    for (int y = static_cast<int>(box.y0) + INSET; y < static_cast<int>(box.y1) - INSET; y++)
        for (int x = static_cast<int>(box.x0) + INSET; x < static_cast<int>(box.x1) - INSET; x++) {
            f32 s0 = (x - box.x0) / w, s1 = (x + 1 - box.x0) / w;
            f32 t0 = (box.y1 - (y + 1)) / h, t1 = (box.y1 - y) / h;
            if (flipped) {
                f32 t = t0;
                t0 = 1.0f - t1;
                t1 = 1.0f - t;
            }
            f32 mean[3];
            picture_mean(picture, s0, t0, s1, t1, mean);
            const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
            for (int c = 0; c < 3; c++)
                sum += std::fabs(p[c] - level * mean[c]);
            count++;
        }
    return count ? static_cast<f32>(sum / count) : 1e9f;
}

// The data builder's pictures, loaded as the shop loads them: each tile shows its own picture
// at the idle grey, the right way up: closer to it than to any other tile's picture or to
// itself upside down.
TEST_F(ShopDraw, BuiltPicturesShowOnTheirOwnTilesTheRightWayUp)
{
    std::vector<MarkerArea> places = frame();
    ArchiveHandle archive = data_set_archive_open();
    ASSERT_NE(archive, nullptr) << "run the data builder (make test does)";
    static const char *const entries[] = {
        "shop/gallery.jpg",    "shop/jasonpf.jpg",    "shop/odiseopf.jpg", "shop/atalantapf.jpg",
        "shop/perseopf.jpg",   "shop/hipolitapf.jpg", "shop/polifemopf.jpg", "shop/minotauropf.jpg",
        "shop/medusapf.jpg",   "shop/esfingepf.jpg",  "shop/hidrapf.jpg",  "shop/arespf.jpg",
        "shop/atropopf.jpg",
    };
    constexpr int TILES = SHOP_TEXTURE_ICONS;
    static_assert(std::size(entries) == TILES, "the gallery and the twelve portraits");
    Picture pictures[TILES];
    for (int tile = 0; tile < TILES; tile++) {
        pictures[tile] = archive_picture(archive, entries[tile]);
        ASSERT_NE(pictures[tile].pixels, nullptr) << entries[tile];
    }
    asset_archive = archive;
    for (u32 &slot : screen_textures)
        slot = 0;
    ASSERT_EQ(shop_enter(), 0);
    asset_archive = nullptr;
    archive_close(archive);
    shop_state_set(false);
    shop_cursor = SHOP_ITEM_EXIT;   // every tile at the idle grey
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    shop_draw();
    std::vector<u8> pixels = window_pixels();
    for (int tile = 0; tile < TILES; tile++) {
        SCOPED_TRACE(entries[tile]);
        const PixelRect &box = places[tile].box;
        f32 own = box_difference(pixels, box, pictures[tile], IDLE_LEVEL, false);
        EXPECT_LT(own, box_difference(pixels, box, pictures[tile], IDLE_LEVEL, true)) << "upside down";
        for (int other = 0; other < TILES; other++) {
            if (other != tile) {
                EXPECT_LT(own, box_difference(pixels, box, pictures[other], IDLE_LEVEL, false)) << entries[other];
            }
        }
    }
    for (Picture &picture : pictures)
        picture_free(&picture);
    screen_textures_free();
}

// Where the white ink of one printed caption lies across the window: the middle between its
// first and last inked columns inside the caption's box; -1 without ink.
static f32 caption_ink_middle(const std::vector<u8> &pixels, const PixelRect &box)
{
    int first = -1, last = -1;
    for (int x = std::max(0, static_cast<int>(box.x0) - 2); x < std::min(GL_TEST_WIDTH, static_cast<int>(box.x1) + 2); x++)
        for (int y = std::max(0, static_cast<int>(box.y0)); y < std::min(GL_TEST_HEIGHT, static_cast<int>(box.y1)); y++) {
            const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
            if (p[0] > 160 && p[1] > 160 && p[2] > 160) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    return first < 0 ? -1.0f : 0.5f * (first + last + 1);
}

// Each price and "SOLD" stands centred under or on its own tile, and the profiles' heading
// and "NONE AVAILABLE" over the profiles' grid, measured on the built font's ink: within 2
// pixels at 640 x 480, whatever the font's letters measure.
TEST_F(ShopDraw, CaptionsStandCentredOnTheirTiles)
{
    shop_state_set(true);
    std::vector<MarkerArea> places = frame();
    f32 grid_middle = 0.5f * (places[SHOP_TEXTURE_FIRST_PORTRAIT].box.x0 +
                              places[SHOP_TEXTURE_FIRST_PORTRAIT + PROFILE_GRID_COLUMNS - 1].box.x1);
    u32 inkless = font_text_texture;
    font_text_texture = built_texture("misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
    ASSERT_NE(font_text_texture, 0u) << "run the data builder (make test does)";
    for (u32 &slot : screen_textures)
        slot = colour.black;   // white ink over black tiles
    // 0 nothing bought, 1 everything, 2 nothing and no profile offered
    for (int state = 0; state < 3; state++) {
        SCOPED_TRACE(state);
        shop_state_set(state == 1);
        if (state == 2)
            for (int id = 0; id < CHARACTER_COUNT; id++)
                *shop_profile_byte(id) = 0;
        shop_cursor = SHOP_ITEM_EXIT;
        std::vector<PrintedText> texts = feedback_texts(feedback_polygons(shop_draw));
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        shop_draw();
        std::vector<u8> pixels = window_pixels();
        // Each caption with the middle it belongs on.
        std::vector<std::pair<const PrintedText *, f32>> captions;
        std::vector<PixelRect> tiles = {places[0].box};
        for (int k = 0; k < 5; k++)
            tiles.push_back(places[icon_marker(k)].box);
        for (int id = 0; id < CHARACTER_COUNT && state == 1; id++)
            tiles.push_back(places[SHOP_TEXTURE_FIRST_PORTRAIT + id].box);
        for (const PixelRect &tile : tiles)
            for (const PrintedText &t : texts)
                if ((t.text == "SOLD" || t.text.find("Cr") != std::string::npos) && t.text != "350CrEACH" &&
                    label_belongs(t, tile))
                    captions.push_back({&t, 0.5f * (tile.x0 + tile.x1)});
        EXPECT_EQ(static_cast<int>(captions.size()), static_cast<int>(tiles.size()));
        for (const char *heading : {"PROFILES", "350CrEACH", "NONEAVAILABLE"})
            if (const PrintedText *t = printed_find(texts, heading))
                captions.push_back({t, grid_middle});
        EXPECT_EQ(printed_find(texts, "NONEAVAILABLE") != nullptr, state == 2);
        for (const auto &[caption, middle] : captions) {
            SCOPED_TRACE(caption->text);
            EXPECT_NEAR(caption_ink_middle(pixels, caption->box), middle, 2.0f);
        }
    }
    GLuint name = font_text_texture;
    glDeleteTextures(1, &name);
    font_text_texture = inkless;
}

// The mean brightness of the band just outside a tile, where the cursor's frame stands; with
// `sides_only` the strips left and right of it alone (an icon's quad runs on above and below
// the square of its ring).
static f32 band_around(const std::vector<u8> &pixels, const PixelRect &tile, f32 reach, bool sides_only)
{
    double sum = 0.0;
    int count = 0;
    for (int y = static_cast<int>(tile.y0 - reach); y < static_cast<int>(tile.y1 + reach); y++)
        for (int x = static_cast<int>(tile.x0 - reach); x < static_cast<int>(tile.x1 + reach); x++) {
            bool inside = x >= tile.x0 - 1 && x < tile.x1 + 1 && y >= tile.y0 - 1 && y < tile.y1 + 1;
            bool above_or_below = y < tile.y0 || y >= tile.y1;
            if (inside || (sides_only && above_or_below) || x < 0 || y < 0 || x >= GL_TEST_WIDTH || y >= GL_TEST_HEIGHT)
                continue;
            const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
            sum += (p[0] + p[1] + p[2]) / 3.0;
            count++;
        }
    return count ? static_cast<f32>(sum / count) : 0.0f;
}

// A player on the keyboard sees at a glance where the cursor is: round the selected tile a
// bright frame stands out against the dark round the same tile unselected, at the pulse's
// dimmest as at its brightest, on a portrait, on the gallery and on a character's icon.
TEST_F(ShopDraw, TheCursorFramesItsTile)
{
    shop_state_set(false);
    shop_cursor = SHOP_ITEM_EXIT;
    std::vector<MarkerArea> places = frame();
    const f32 reach = 1.0f * menu_unit_pixels();
    struct Case {
        int item, marker;
        bool ring;   // an icon: the frame goes round the square of its ring, mid-quad
    };
    const Case cases[] = {
        {SHOP_ITEM_PROFILE_FIRST + 2, SHOP_TEXTURE_FIRST_PORTRAIT + 2, false},
        {SHOP_ITEM_GALLERY, 0, false},
        {SHOP_ITEM_CHARACTER_FIRST + 2, icon_marker(2), true},
    };
    for (f32 angle : {2.0f, 3.1415f}) {
        menu_pulse_angle = angle;
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << "item " << c.item << " at pulse " << angle);
            PixelRect tile = places[c.marker].box;
            if (c.ring) {
                f32 middle = 0.5f * (tile.y0 + tile.y1), half = 0.5f * (tile.x1 - tile.x0);
                tile.y0 = middle - half;
                tile.y1 = middle + half;
            }
            f32 band[2];
            for (int selected = 0; selected < 2; selected++) {
                shop_cursor = static_cast<u32>(selected ? c.item : SHOP_ITEM_EXIT);
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                shop_draw();
                band[selected] = band_around(window_pixels(), tile, reach, c.ring);
            }
            EXPECT_GT(band[1] - band[0], 40.0f) << band[1] << " against " << band[0];
        }
    }
}
