// The pictures of the stage select, the shop and the gallery: each arena's preview and
// thumbnail drawn from the arena itself with the game's arena drawing, the shop's gallery tile
// and portraits; the gallery's own pictures are made in gallery_pictures.cpp.
#include "tools/databuild/databuild.h"
#include "tools/databuild/figures/figure_render.h"
#include "tools/databuild/pictures/select_portraits.h"

#include "frontend/frontend.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>

constexpr int SCREEN_JPEG_QUALITY = 88;
constexpr int PREVIEW_SIZE = 256;
constexpr int THUMB_ATLAS = 256;
constexpr int SHOP_TILE = 128;

static int add_jpeg(const std::string &entry, int w, int h, const std::vector<u8> &rgba)
{
    Bytes out;
    if (!jpeg_write(out, w, h, rgba.data(), SCREEN_JPEG_QUALITY)) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry.c_str());
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

static int add_picture(const std::string &entry, const PaintCanvas &c)
{
    return add_jpeg(entry, c.w, c.h, paint_bytes(c));
}

// ---- stage select ---------------------------------------------------------------------------
// The quads the game stretches these pictures over, in its view units: the preview 15 x 14;
// a thumbnail 7 x 5, showing half the atlas's width and 0.19 of its height, from a cell of 0.2.
constexpr f32 PREVIEW_ASPECT = 15.0f / 14.0f;
constexpr f32 THUMB_QUAD_W = 7.0f, THUMB_QUAD_H = 5.0f;
constexpr f32 THUMB_CELL_T = 0.2f, THUMB_SHOWN_T = 0.19f;
constexpr int THUMB_CELL_W = THUMB_ATLAS / 2;
constexpr int THUMB_CELL_H = 52;   // a cell's 51.2 rows rounded up: no row between two cells is left black
// The view's width to height on the thumbnail's quad, for a cell of THUMB_CELL_W x THUMB_CELL_H.
constexpr f32 THUMB_ASPECT = THUMB_QUAD_W / (THUMB_QUAD_H * THUMB_CELL_H / (THUMB_SHOWN_T * THUMB_ATLAS));

// How each arena is seen on the stage select: from a player's eye at the near end of the
// fight, looking over the ground at what the arena is known by. World units, z up; by stage id.
// Outdoors the sky's panels cover a view of up to about 50 degrees.
struct StageView {
    f32 eye[3];
    f32 centre[3];
    f32 fov;             // the preview's vertical field of view, degrees
    f32 thumb_fov;       // the thumbnail's, closer in so that the arena reads at its small size
};
static const StageView stage_views[] = {
    // eye              centre              fov  thumb
    {{0, -60, 16},  {0, 100, 24},   42, 34},   // Athens: the temple front over the mosaic
    {{0, -60, 16},  {0, 100, 26},   46, 36},   // Athens 2: the temple and the lit houses at night
    {{10, -50, 16}, {0, 150, 35},   44, 36},   // Troy: the gate between its towers, the horse
    {{0, -40, 14},  {0, 120, 24},   42, 34},   // Arcadia: the stream, its footbridge, the trees
    {{80, -60, 16}, {-100, 70, 22}, 46, 38},   // Theatre: a stage building and the tiers
    {{40, -40, 16}, {-50, 110, 22}, 44, 36},   // Crete: the red portico, the horns, the sea
    {{0, -60, 16},  {0, 170, 22},   44, 36},   // Labyrinth: the back wall's dark doorway
    {{0, -50, 16},  {0, 120, 26},   44, 36},   // Thebes: the gate, the Sphinx on her plinth
    {{0, -50, 16},  {0, 200, 30},   44, 36},   // Hades: the throne before the iron gate
    {{0, -40, 16},  {0, 200, 32},   50, 40},   // Temple: the columns, the altar, the statue
};
static_assert(std::size(stage_views) == STAGE_COUNT, "one view per arena");

static FigureShot stage_shot(const StageView &view, int width, int height, f32 fov)
{
    FigureShot shot = {};
    shot.width = width;
    shot.height = height;
    for (int k = 0; k < 3; k++) {
        shot.eye[k] = view.eye[k];
        shot.centre[k] = view.centre[k];
    }
    shot.fov_y = fov;
    return shot;
}

// One tile's preview, and its thumbnail into its cell of the atlas (rows from the top): the
// upper row in the left half, the lower row in the right, a fifth of the height each.
static bool stage_tile_pictures(int tile, std::vector<u8> *preview, std::vector<u8> *atlas)
{
    int stage = stage_tiles[tile].stage;
    FigureArena arena;
    if (!figure_arena_load(&arena, stage, archive_entries))
        return false;
    const StageView &view = stage_views[stage];
    FigureShot shot = stage_shot(view, PREVIEW_SIZE, PREVIEW_SIZE, view.fov);
    figure_render_draw_arena(&shot, PREVIEW_ASPECT, &arena, preview);
    std::vector<u8> cell;
    shot = stage_shot(view, THUMB_CELL_W, THUMB_CELL_H, view.thumb_fov);
    figure_render_draw_arena(&shot, THUMB_ASPECT, &arena, &cell);
    figure_arena_free(&arena);
    int x0 = tile < 5 ? 0 : THUMB_CELL_W;
    int y0 = static_cast<int>(THUMB_CELL_T * THUMB_ATLAS * static_cast<f32>(tile % 5));
    for (int y = 0; y < THUMB_CELL_H && y0 + y < THUMB_ATLAS; y++)
        memcpy(&(*atlas)[(static_cast<size_t>(y0 + y) * THUMB_ATLAS + x0) * 4],
               &cell[static_cast<size_t>(y) * THUMB_CELL_W * 4], static_cast<size_t>(THUMB_CELL_W) * 4);
    return true;
}

// Dark blue marble with a gold meander border.
static PaintCanvas stage_select_back_paint()
{
    PaintCanvas c = paint_canvas(PREVIEW_SIZE, PREVIEW_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 vein = std::fabs(std::sin(12.0f * (s + t) + 8.0f * paint_fractal(s, t, 4, 5, 3)));
            paint_pixel(c, x, y) = paint_mix(paint_rgb(20, 30, 70), paint_rgb(90, 110, 170), paint_smooth(0.85f, 1.0f, vein));
        }
    PaintColour gold = paint_rgb(210, 170, 70);
    for (int band : {6, c.h - 14}) {
        paint_rect(c, 0, band, c.w, band + 2, gold, 1.0f);
        paint_rect(c, 0, band + 8, c.w, band + 10, gold, 1.0f);
        for (int x = 0; x < c.w; x += 8)
            paint_rect(c, x, band + 2, x + 2, band + 8, gold, 1.0f);
    }
    return c;
}

static int build_stage_select_pictures()
{
    if (!figure_render_start() || !add_picture("stageselect/back.jpg", stage_select_back_paint()))
        return 0;
    std::vector<u8> atlas(static_cast<size_t>(THUMB_ATLAS) * THUMB_ATLAS * 4, 0);
    for (int tile = 0; tile < STAGE_TILES; tile++) {
        std::vector<u8> preview;
        if (!stage_tile_pictures(tile, &preview, &atlas) ||
            !add_jpeg("stageselect/preview" + std::to_string(tile) + ".jpg", PREVIEW_SIZE, PREVIEW_SIZE, preview))
            return 0;
    }
    return add_jpeg("stageselect/thumbs.jpg", THUMB_ATLAS, THUMB_ATLAS, atlas);
}

// ---- shop ---------------------------------------------------------------------------------------
static const char *const shop_portraits[] = {
    "shop/jasonpf.jpg", "shop/odiseopf.jpg", "shop/atalantapf.jpg", "shop/perseopf.jpg",
    "shop/hipolitapf.jpg", "shop/polifemopf.jpg", "shop/minotauropf.jpg", "shop/medusapf.jpg",
    "shop/esfingepf.jpg", "shop/hidrapf.jpg", "shop/arespf.jpg", "shop/atropopf.jpg",
};
static_assert(std::size(shop_portraits) == CHARACTER_COUNT, "one shop portrait per character");

static int build_shop_pictures()
{
    // The gallery's tile: a small framed view of Zeus's picture.
    if (!add_picture("shop/gallery.jpg", gallery_shop_tile(SHOP_TILE)))
        return 0;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        archive_add(shop_portraits[id], select_portrait_jpeg(id, 0));
    archive_add("shop/siluetas.tga", shop_silhouette_atlas_tga());   // after the select's likenesses
    return 1;
}

int build_screens(const char *data_dir)
{
    return build_stage_select_pictures() && gallery_pictures_build(data_dir) && build_shop_pictures();
}
