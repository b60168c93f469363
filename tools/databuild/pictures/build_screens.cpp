// The pictures of the stage select, the shop and the gallery: arena views composed from the
// arenas' own colours and shapes, the shop's gallery tile and portraits; the gallery's own
// pictures are made in gallery_pictures.cpp.
#include "tools/databuild/figures/character_figures.h"
#include "tools/databuild/databuild.h"
#include "tools/databuild/pictures/select_portraits.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

constexpr int SCREEN_JPEG_QUALITY = 88;
constexpr int PREVIEW_SIZE = 256;
constexpr int THUMB_ATLAS = 256;
constexpr int THUMB_CELL_HEIGHT = 51;   // 0.2 of the atlas; the game shows 0.19 of it
constexpr int THUMB_CELL_USED = 48;
constexpr int SHOP_TILE = 128;

static int add_picture(const std::string &entry, const PaintCanvas &c)
{
    Bytes out;
    if (!jpeg_write(out, c.w, c.h, paint_bytes(c).data(), SCREEN_JPEG_QUALITY)) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry.c_str());
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

// ---- arena views ----------------------------------------------------------------------------
enum ArenaShape : int {
    SHAPE_COLONNADE,    // white columns under a pediment
    SHAPE_PALACE,       // red columns of a wide palace front
    SHAPE_FOREST,
    SHAPE_RUINS,        // broken walls and a fallen gate
    SHAPE_THEATRE,      // stone tiers round the stage
    SHAPE_CORRIDOR,     // dark walls and torches
    SHAPE_CITY_GATE,    // walls and two towers
    SHAPE_HALL,         // a lair's pillars round a green fire
    SHAPE_UNDERWORLD,   // a palace over a burning river
};

// One arena's look: sky from top to horizon, ground, building stone, accent, its shape.
struct ArenaView {
    PaintColour sky_top, sky_low, ground, stone, accent;
    int shape;
};
// By stage id.
static const ArenaView arena_views[] = {
    {paint_rgb(70, 120, 200), paint_rgb(230, 210, 170), paint_rgb(170, 150, 110), paint_rgb(235, 230, 215), paint_rgb(200, 160, 60), SHAPE_COLONNADE},   // Athens
    {paint_rgb(40, 50, 110), paint_rgb(230, 130, 80), paint_rgb(120, 100, 80), paint_rgb(215, 205, 190), paint_rgb(90, 60, 140), SHAPE_COLONNADE},     // Athens at dusk
    {paint_rgb(90, 140, 210), paint_rgb(210, 220, 230), paint_rgb(120, 110, 90), paint_rgb(150, 140, 130), paint_rgb(120, 90, 60), SHAPE_RUINS},      // Troy
    {paint_rgb(90, 160, 220), paint_rgb(200, 230, 200), paint_rgb(70, 120, 50), paint_rgb(90, 70, 40), paint_rgb(40, 110, 40), SHAPE_FOREST},         // Arcadia
    {paint_rgb(20, 20, 60), paint_rgb(90, 70, 120), paint_rgb(110, 100, 90), paint_rgb(180, 170, 150), paint_rgb(250, 160, 50), SHAPE_THEATRE},       // Theatre
    {paint_rgb(60, 140, 220), paint_rgb(160, 210, 240), paint_rgb(190, 170, 120), paint_rgb(230, 200, 150), paint_rgb(170, 40, 30), SHAPE_PALACE},    // Crete
    {paint_rgb(15, 12, 10), paint_rgb(50, 35, 25), paint_rgb(60, 45, 35), paint_rgb(95, 80, 65), paint_rgb(255, 170, 60), SHAPE_CORRIDOR},           // Labyrinth
    {paint_rgb(120, 90, 70), paint_rgb(240, 190, 120), paint_rgb(160, 130, 90), paint_rgb(190, 160, 120), paint_rgb(120, 70, 40), SHAPE_CITY_GATE},  // Thebes
    {paint_rgb(10, 10, 10), paint_rgb(60, 10, 10), paint_rgb(40, 20, 20), paint_rgb(60, 40, 50), paint_rgb(255, 90, 20), SHAPE_UNDERWORLD},         // Hades
    {paint_rgb(10, 25, 20), paint_rgb(30, 60, 50), paint_rgb(40, 55, 45), paint_rgb(100, 120, 110), paint_rgb(80, 255, 140), SHAPE_HALL},             // Temple
};
static_assert(std::size(arena_views) == STAGE_COUNT, "one view per arena");

// Columns across [x0, x1) standing on `base` up to `top`, with a darker side for relief.
static void columns_paint(PaintCanvas &c, int count, f32 x0, f32 x1, f32 top, f32 base, PaintColour stone)
{
    f32 pitch = (x1 - x0) / static_cast<f32>(count);
    for (int i = 0; i < count; i++) {
        int left = static_cast<int>((x0 + pitch * (i + 0.25f)) * c.w);
        int right = static_cast<int>((x0 + pitch * (i + 0.75f)) * c.w);
        int mid = (left + right) / 2;
        paint_rect(c, left, static_cast<int>(top * c.h), mid, static_cast<int>(base * c.h), stone, 1.0f);
        paint_rect(c, mid, static_cast<int>(top * c.h), right, static_cast<int>(base * c.h), paint_shade(stone, 0.7f), 1.0f);
    }
}

static void band_paint(PaintCanvas &c, f32 x0, f32 y0, f32 x1, f32 y1, PaintColour colour, f32 alpha = 1.0f)
{
    paint_rect(c, static_cast<int>(x0 * c.w), static_cast<int>(y0 * c.h), static_cast<int>(x1 * c.w),
               static_cast<int>(y1 * c.h), colour, alpha);
}

// A triangle roof from (x0, base) to (x1, base) rising to `peak`.
static void pediment_paint(PaintCanvas &c, f32 x0, f32 x1, f32 base, f32 peak, PaintColour colour)
{
    for (int y = static_cast<int>(peak * c.h); y < static_cast<int>(base * c.h); y++) {
        f32 k = (y / static_cast<f32>(c.h) - peak) / (base - peak);
        f32 half = 0.5f * (x1 - x0) * k, mid = 0.5f * (x0 + x1);
        band_paint(c, mid - half, y / static_cast<f32>(c.h), mid + half, (y + 1) / static_cast<f32>(c.h), colour);
    }
}

static void flame_paint(PaintCanvas &c, f32 x, f32 y, f32 size, PaintColour colour)
{
    paint_disc(c, x * c.w, y * c.h, size * c.w * 2.5f, size * c.w * 2.0f, colour, 0.35f);
    paint_disc(c, x * c.w, y * c.h, size * c.w, size * c.w * 0.5f, paint_mix(colour, paint_rgb(255, 255, 220), 0.5f), 1.0f);
}

static void shape_paint(PaintCanvas &c, const ArenaView &v)
{
    PaintColour dark = paint_shade(v.stone, 0.45f);
    switch (v.shape) {
    case SHAPE_COLONNADE:
        band_paint(c, 0.18f, 0.62f, 0.82f, 0.68f, paint_shade(v.stone, 0.8f));
        columns_paint(c, 6, 0.2f, 0.8f, 0.34f, 0.62f, v.stone);
        band_paint(c, 0.17f, 0.3f, 0.83f, 0.35f, v.stone);
        pediment_paint(c, 0.17f, 0.83f, 0.3f, 0.16f, paint_shade(v.stone, 0.9f));
        break;
    case SHAPE_PALACE:
        band_paint(c, 0.05f, 0.3f, 0.95f, 0.66f, v.stone);
        columns_paint(c, 8, 0.08f, 0.92f, 0.38f, 0.66f, v.accent);
        band_paint(c, 0.03f, 0.26f, 0.97f, 0.31f, paint_shade(v.accent, 0.7f));
        break;
    case SHAPE_FOREST:
        for (int i = 0; i < 9; i++) {
            f32 x = 0.05f + 0.11f * i + 0.03f * paint_hash(i, 1, 7);
            band_paint(c, x - 0.015f, 0.4f, x + 0.015f, 0.72f, v.stone);
            paint_disc(c, x * c.w, (0.3f + 0.08f * paint_hash(i, 2, 7)) * c.h, 0.1f * c.w, 6, paint_mix(v.accent, v.ground, 0.3f * paint_hash(i, 3, 7)), 1.0f);
        }
        break;
    case SHAPE_RUINS:
        for (int i = 0; i < 5; i++) {
            f32 x = 0.08f + 0.2f * i, top = 0.3f + 0.25f * paint_hash(i, 4, 3);
            band_paint(c, x, top, x + 0.12f, 0.66f, i % 2 ? v.stone : paint_shade(v.stone, 0.8f));
        }
        band_paint(c, 0.35f, 0.2f, 0.65f, 0.27f, dark);   // the gate's fallen lintel
        break;
    case SHAPE_THEATRE:
        for (int i = 0; i < 6; i++)
            band_paint(c, 0.05f + 0.03f * i, 0.3f + 0.06f * i, 0.95f - 0.03f * i, 0.36f + 0.06f * i,
                       paint_shade(v.stone, 0.6f + 0.07f * i));
        flame_paint(c, 0.1f, 0.6f, 0.03f, v.accent);
        flame_paint(c, 0.9f, 0.6f, 0.03f, v.accent);
        break;
    case SHAPE_CORRIDOR:
        band_paint(c, 0.0f, 0.0f, 0.3f, 0.75f, v.stone);
        band_paint(c, 0.7f, 0.0f, 1.0f, 0.75f, v.stone);
        band_paint(c, 0.4f, 0.15f, 0.6f, 0.7f, dark);
        flame_paint(c, 0.25f, 0.35f, 0.025f, v.accent);
        flame_paint(c, 0.75f, 0.35f, 0.025f, v.accent);
        break;
    case SHAPE_CITY_GATE:
        band_paint(c, 0.0f, 0.42f, 1.0f, 0.68f, v.stone);
        band_paint(c, 0.25f, 0.22f, 0.38f, 0.68f, paint_shade(v.stone, 0.85f));
        band_paint(c, 0.62f, 0.22f, 0.75f, 0.68f, paint_shade(v.stone, 0.85f));
        band_paint(c, 0.43f, 0.48f, 0.57f, 0.68f, v.accent);
        break;
    case SHAPE_HALL:
        columns_paint(c, 4, 0.0f, 1.0f, 0.05f, 0.7f, v.stone);
        flame_paint(c, 0.5f, 0.58f, 0.05f, v.accent);
        break;
    case SHAPE_UNDERWORLD:
        band_paint(c, 0.25f, 0.25f, 0.75f, 0.6f, dark);
        band_paint(c, 0.3f, 0.12f, 0.38f, 0.6f, dark);
        band_paint(c, 0.62f, 0.12f, 0.7f, 0.6f, dark);
        band_paint(c, 0.0f, 0.7f, 1.0f, 0.8f, v.accent, 0.8f);   // the burning river
        break;
    }
}

// The arena seen from the fighters' ground: sky and clouds, far hills, the ground, then its
// buildings.
static PaintCanvas arena_view_paint(int stage, int w, int h)
{
    const ArenaView &v = arena_views[stage];
    PaintCanvas c = paint_canvas(w, h, v.ground);
    constexpr f32 HORIZON = 0.66f;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            f32 s = paint_coord(x, w), t = paint_coord(y, h);
            f32 grain = paint_fractal(s, t, 4, 4, stage * 11 + 1);
            PaintColour p;
            if (t < HORIZON) {
                p = paint_mix(v.sky_top, v.sky_low, t / HORIZON);
                p = paint_mix(p, paint_rgb(255, 255, 255), paint_smooth(0.55f, 0.8f, grain) * 0.35f);
                f32 hill = HORIZON - 0.12f * (0.5f + 0.5f * std::sin(s * 9.0f + stage)) * grain;
                if (t > hill)
                    p = paint_mix(v.sky_low, v.ground, 0.6f);
            } else {
                p = paint_shade(v.ground, 0.75f + 0.5f * grain - 0.3f * (t - HORIZON));
            }
            paint_pixel(c, x, y) = p;
        }
    shape_paint(c, v);
    return c;
}

// The stage select's tile order gives the stage of each thumbnail.
static const int tile_stages[] = {0, 5, 3, 2, 4, 1, 6, 7, 9, 8};
static_assert(std::size(tile_stages) == STAGE_COUNT, "one stage per tile");

// The ten thumbnails: upper row in the left half, lower row in the right, a fifth of the
// height each.
static PaintCanvas thumbnail_atlas_paint()
{
    PaintCanvas atlas = paint_canvas(THUMB_ATLAS, THUMB_ATLAS, paint_rgb(0, 0, 0));
    for (int tile = 0; tile < STAGE_COUNT; tile++) {
        PaintCanvas view = arena_view_paint(tile_stages[tile], THUMB_ATLAS / 2, THUMB_CELL_USED);
        int x0 = tile < 5 ? 0 : THUMB_ATLAS / 2, y0 = (tile % 5) * THUMB_CELL_HEIGHT;
        for (int y = 0; y < view.h; y++)
            for (int x = 0; x < view.w; x++)
                paint_pixel(atlas, x0 + x, y0 + y) = paint_pixel(view, x, y);
    }
    return atlas;
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
    if (!add_picture("stageselect/back.jpg", stage_select_back_paint()) ||
        !add_picture("stageselect/thumbs.jpg", thumbnail_atlas_paint()))
        return 0;
    for (int tile = 0; tile < STAGE_COUNT; tile++)
        if (!add_picture("stageselect/preview" + std::to_string(tile) + ".jpg",
                         arena_view_paint(tile_stages[tile], PREVIEW_SIZE, PREVIEW_SIZE)))
            return 0;
    return 1;
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
