// The pictures of the stage select, the shop and the gallery: arena views composed from the
// arenas' own colours and shapes, the shop's gallery tile and portraits, and the gallery's
// painted busts of the heroes, monsters and gods.
#include "tools/databuild/character_figures.h"
#include "tools/databuild/databuild.h"
#include "tools/databuild/select_portraits.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

constexpr int SCREEN_JPEG_QUALITY = 88;
constexpr int PREVIEW_SIZE = 256;
constexpr int THUMB_ATLAS = 256;
constexpr int THUMB_CELL_HEIGHT = 51;   // 0.2 of the atlas; the game shows 0.19 of it
constexpr int THUMB_CELL_USED = 48;
constexpr int GALLERY_SIZE = 256;
constexpr int GALLERY_WIDE = 298;       // the panorama is drawn 28 units wide against 24

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

// ---- gallery busts ----------------------------------------------------------------------------
enum Attribute : int {
    ATTR_SWORD, ATTR_BOW, ATTR_SPEAR, ATTR_SHIELD, ATTR_AXE, ATTR_EYE, ATTR_HORNS, ATTR_SNAKES,
    ATTR_WINGS, ATTR_HEADS, ATTR_HELMET, ATTR_SUN, ATTR_MOON, ATTR_OWL, ATTR_WHEAT, ATTR_FEAR,
    ATTR_DOVE, ATTR_FLAMES, ATTR_PEACOCK, ATTR_TRIDENT, ATTR_BOLT, ATTR_SHEARS,
};

// One picture: its backdrop (top, bottom), robe, skin, hair and its attribute.
struct Bust {
    const char *entry;
    PaintColour top, bottom, robe, skin, hair;
    int attribute;
};
static const Bust gallery_busts[] = {
    {"galeria/atalanta.jpg", paint_rgb(60, 120, 60), paint_rgb(200, 220, 150), paint_rgb(60, 150, 70), paint_rgb(235, 195, 155), paint_rgb(200, 160, 60), ATTR_BOW},
    {"galeria/hipolita.jpg", paint_rgb(120, 60, 30), paint_rgb(230, 180, 110), paint_rgb(170, 90, 40), paint_rgb(200, 150, 110), paint_rgb(30, 25, 20), ATTR_AXE},
    {"galeria/jason.jpg", paint_rgb(40, 80, 160), paint_rgb(220, 200, 140), paint_rgb(200, 160, 40), paint_rgb(225, 180, 140), paint_rgb(70, 45, 25), ATTR_SWORD},
    {"galeria/odiseo.jpg", paint_rgb(20, 60, 100), paint_rgb(120, 180, 200), paint_rgb(150, 40, 40), paint_rgb(215, 170, 130), paint_rgb(90, 70, 50), ATTR_SPEAR},
    {"galeria/perseo.jpg", paint_rgb(30, 40, 90), paint_rgb(170, 170, 220), paint_rgb(60, 80, 170), paint_rgb(225, 180, 140), paint_rgb(40, 30, 20), ATTR_SHIELD},
    {"galeria/polifemo.jpg", paint_rgb(60, 50, 40), paint_rgb(170, 150, 110), paint_rgb(110, 90, 60), paint_rgb(190, 150, 120), paint_rgb(50, 40, 30), ATTR_EYE},
    {"galeria/esfinge.jpg", paint_rgb(160, 110, 40), paint_rgb(250, 220, 150), paint_rgb(200, 170, 90), paint_rgb(210, 170, 120), paint_rgb(40, 60, 150), ATTR_WINGS},
    {"galeria/hidra.jpg", paint_rgb(20, 50, 30), paint_rgb(90, 140, 90), paint_rgb(50, 110, 60), paint_rgb(90, 140, 80), paint_rgb(150, 40, 30), ATTR_HEADS},
    {"galeria/medusa.jpg", paint_rgb(20, 40, 30), paint_rgb(110, 150, 110), paint_rgb(40, 110, 80), paint_rgb(150, 190, 140), paint_rgb(60, 140, 60), ATTR_SNAKES},
    {"galeria/minotaur.jpg", paint_rgb(40, 20, 10), paint_rgb(150, 90, 50), paint_rgb(90, 60, 40), paint_rgb(120, 80, 50), paint_rgb(60, 40, 25), ATTR_HORNS},
    {"galeria/ares.jpg", paint_rgb(80, 10, 10), paint_rgb(220, 90, 40), paint_rgb(130, 20, 20), paint_rgb(210, 160, 120), paint_rgb(170, 30, 20), ATTR_HELMET},
    {"galeria/poli2.jpg", paint_rgb(40, 70, 120), paint_rgb(200, 170, 120), paint_rgb(110, 90, 60), paint_rgb(190, 150, 120), paint_rgb(50, 40, 30), ATTR_EYE},
    {"galeria/apolo.jpg", paint_rgb(200, 120, 20), paint_rgb(255, 230, 140), paint_rgb(240, 200, 80), paint_rgb(235, 195, 150), paint_rgb(220, 170, 60), ATTR_SUN},
    {"galeria/artemisa.jpg", paint_rgb(10, 20, 60), paint_rgb(90, 110, 170), paint_rgb(180, 190, 220), paint_rgb(230, 200, 170), paint_rgb(60, 40, 30), ATTR_MOON},
    {"galeria/atenea.jpg", paint_rgb(60, 70, 90), paint_rgb(200, 200, 210), paint_rgb(200, 200, 220), paint_rgb(230, 195, 160), paint_rgb(80, 60, 40), ATTR_OWL},
    {"galeria/demeter.jpg", paint_rgb(120, 140, 40), paint_rgb(240, 220, 120), paint_rgb(120, 160, 60), paint_rgb(225, 185, 145), paint_rgb(150, 100, 40), ATTR_WHEAT},
    {"galeria/fobos.jpg", paint_rgb(10, 10, 20), paint_rgb(70, 40, 90), paint_rgb(50, 30, 60), paint_rgb(160, 150, 170), paint_rgb(20, 20, 20), ATTR_FEAR},
    {"galeria/aphrodite.jpg", paint_rgb(200, 90, 130), paint_rgb(255, 210, 220), paint_rgb(240, 160, 190), paint_rgb(240, 205, 180), paint_rgb(230, 180, 90), ATTR_DOVE},
    {"galeria/hades.jpg", paint_rgb(20, 5, 5), paint_rgb(120, 30, 10), paint_rgb(40, 30, 40), paint_rgb(170, 160, 160), paint_rgb(20, 20, 25), ATTR_FLAMES},
    {"galeria/hera.jpg", paint_rgb(40, 60, 120), paint_rgb(200, 180, 220), paint_rgb(120, 60, 150), paint_rgb(230, 195, 165), paint_rgb(60, 40, 30), ATTR_PEACOCK},
    {"galeria/poseidon.jpg", paint_rgb(10, 40, 90), paint_rgb(60, 170, 190), paint_rgb(40, 120, 150), paint_rgb(200, 180, 160), paint_rgb(220, 220, 230), ATTR_TRIDENT},
    {"galeria/zeus.jpg", paint_rgb(30, 30, 60), paint_rgb(180, 180, 220), paint_rgb(230, 230, 240), paint_rgb(225, 190, 160), paint_rgb(240, 240, 245), ATTR_BOLT},
    {"galeria/atropo.jpg", paint_rgb(5, 5, 10), paint_rgb(60, 60, 80), paint_rgb(40, 40, 50), paint_rgb(220, 200, 190), paint_rgb(20, 20, 20), ATTR_SHEARS},
};
static_assert(std::size(gallery_busts) == 23, "the gallery's twenty-three pictures");

static void line_paint(PaintCanvas &c, f32 x0, f32 y0, f32 x1, f32 y1, f32 width, PaintColour colour)
{
    int steps = static_cast<int>(std::hypot(x1 - x0, y1 - y0) * c.w) + 1;
    for (int i = 0; i <= steps; i++) {
        f32 k = i / static_cast<f32>(steps);
        paint_disc(c, (x0 + (x1 - x0) * k) * c.w, (y0 + (y1 - y0) * k) * c.h, width * c.w, 1.0f, colour, 1.0f);
    }
}

// The attribute beside or over the figure; positions in 0..1 of the picture.
static void attribute_paint(PaintCanvas &c, const Bust &b)
{
    PaintColour metal = paint_rgb(210, 210, 220), gold = paint_rgb(240, 200, 70), dark = paint_rgb(30, 25, 20);
    switch (b.attribute) {
    case ATTR_SWORD: line_paint(c, 0.8f, 0.95f, 0.8f, 0.35f, 0.012f, metal); line_paint(c, 0.72f, 0.8f, 0.88f, 0.8f, 0.012f, gold); break;
    case ATTR_BOW:
        for (int i = 0; i <= 40; i++) {
            f32 a = -1.2f + 2.4f * i / 40.0f;
            paint_disc(c, (0.72f + 0.12f * std::cos(a)) * c.w, (0.6f + 0.3f * std::sin(a)) * c.h, 0.012f * c.w, 1, paint_rgb(120, 70, 30), 1);
        }
        line_paint(c, 0.76f, 0.32f, 0.76f, 0.88f, 0.003f, paint_rgb(240, 240, 230));
        break;
    case ATTR_SPEAR: line_paint(c, 0.82f, 0.98f, 0.82f, 0.15f, 0.008f, paint_rgb(120, 80, 40)); line_paint(c, 0.82f, 0.15f, 0.82f, 0.08f, 0.02f, metal); break;
    case ATTR_SHIELD: paint_disc(c, 0.78f * c.w, 0.72f * c.h, 0.15f * c.w, 2, metal, 1); paint_disc(c, 0.78f * c.w, 0.72f * c.h, 0.05f * c.w, 2, gold, 1); break;
    case ATTR_AXE: line_paint(c, 0.8f, 0.98f, 0.8f, 0.3f, 0.01f, paint_rgb(110, 70, 40)); paint_disc(c, 0.74f * c.w, 0.33f * c.h, 0.07f * c.w, 1, metal, 1); paint_disc(c, 0.86f * c.w, 0.33f * c.h, 0.07f * c.w, 1, metal, 1); break;
    case ATTR_EYE: paint_disc(c, 0.5f * c.w, 0.36f * c.h, 0.07f * c.w, 1, paint_rgb(250, 250, 240), 1); paint_disc(c, 0.5f * c.w, 0.36f * c.h, 0.03f * c.w, 1, dark, 1); break;
    case ATTR_HORNS: line_paint(c, 0.4f, 0.25f, 0.28f, 0.12f, 0.02f, paint_rgb(230, 220, 190)); line_paint(c, 0.6f, 0.25f, 0.72f, 0.12f, 0.02f, paint_rgb(230, 220, 190)); break;
    case ATTR_SNAKES:
        for (int i = 0; i < 9; i++) {
            f32 a = 3.4f + 2.6f * i / 8.0f;
            line_paint(c, 0.5f + 0.1f * std::cos(a), 0.35f + 0.1f * std::sin(a), 0.5f + 0.2f * std::cos(a), 0.35f + 0.2f * std::sin(a), 0.012f, b.hair);
        }
        break;
    case ATTR_WINGS: for (int side : {-1, 1}) for (int i = 0; i < 5; i++) line_paint(c, 0.5f + side * 0.22f, 0.55f, 0.5f + side * (0.3f + 0.04f * i), 0.2f + 0.06f * i, 0.015f, paint_rgb(240, 220, 170)); break;
    case ATTR_HEADS: for (int i = 0; i < 4; i++) { f32 x = 0.15f + 0.23f * i + (i > 1 ? 0.08f : 0); line_paint(c, 0.5f, 0.7f, x, 0.3f, 0.03f, b.robe); paint_disc(c, x * c.w, 0.27f * c.h, 0.06f * c.w, 2, b.skin, 1); paint_disc(c, x * c.w, 0.26f * c.h, 0.012f * c.w, 1, b.hair, 1); } break;
    case ATTR_HELMET: band_paint(c, 0.4f, 0.22f, 0.6f, 0.3f, metal); band_paint(c, 0.47f, 0.08f, 0.53f, 0.22f, b.hair); break;
    case ATTR_SUN: for (int i = 0; i < 16; i++) { f32 a = i * PAINT_PI / 8; line_paint(c, 0.5f + 0.17f * std::cos(a), 0.36f + 0.17f * std::sin(a), 0.5f + 0.27f * std::cos(a), 0.36f + 0.27f * std::sin(a), 0.008f, gold); } break;
    case ATTR_MOON: paint_disc(c, 0.8f * c.w, 0.2f * c.h, 0.1f * c.w, 1, paint_rgb(240, 240, 250), 1); paint_disc(c, 0.84f * c.w, 0.18f * c.h, 0.09f * c.w, 1, b.top, 1); break;
    case ATTR_OWL: paint_disc(c, 0.8f * c.w, 0.75f * c.h, 0.08f * c.w, 2, paint_rgb(140, 110, 80), 1); paint_disc(c, 0.77f * c.w, 0.72f * c.h, 0.02f * c.w, 1, gold, 1); paint_disc(c, 0.83f * c.w, 0.72f * c.h, 0.02f * c.w, 1, gold, 1); break;
    case ATTR_WHEAT: for (int i = 0; i < 3; i++) { f32 x = 0.75f + 0.05f * i; line_paint(c, x, 0.98f, x, 0.5f, 0.005f, gold); for (int k = 0; k < 5; k++) paint_disc(c, x * c.w, (0.46f + 0.03f * k) * c.h, 0.014f * c.w, 1, gold, 1); } break;
    case ATTR_FEAR: for (int i = 0; i < 6; i++) paint_disc(c, (0.15f + 0.14f * i) * c.w, (0.15f + 0.05f * (i % 2)) * c.h, 0.02f * c.w, 2, paint_rgb(220, 30, 30), 0.9f); break;
    case ATTR_DOVE: paint_disc(c, 0.8f * c.w, 0.25f * c.h, 0.05f * c.w, 2, paint_rgb(250, 250, 250), 1); line_paint(c, 0.74f, 0.22f, 0.86f, 0.18f, 0.02f, paint_rgb(250, 250, 250)); break;
    case ATTR_FLAMES: for (int i = 0; i < 7; i++) flame_paint(c, 0.08f + 0.14f * i, 0.92f, 0.025f, paint_rgb(255, 110, 20)); break;
    case ATTR_PEACOCK: for (int i = 0; i < 9; i++) { f32 a = 3.5f + 2.4f * i / 8.0f; paint_disc(c, (0.5f + 0.38f * std::cos(a)) * c.w, (0.6f + 0.38f * std::sin(a)) * c.h, 0.035f * c.w, 2, paint_rgb(30, 140, 130), 1); paint_disc(c, (0.5f + 0.38f * std::cos(a)) * c.w, (0.6f + 0.38f * std::sin(a)) * c.h, 0.014f * c.w, 1, paint_rgb(20, 40, 120), 1); } break;
    case ATTR_TRIDENT: line_paint(c, 0.82f, 0.98f, 0.82f, 0.2f, 0.01f, gold); line_paint(c, 0.74f, 0.25f, 0.9f, 0.25f, 0.01f, gold); for (f32 x : {0.74f, 0.82f, 0.9f}) line_paint(c, x, 0.25f, x, 0.12f, 0.008f, gold); break;
    case ATTR_BOLT: line_paint(c, 0.85f, 0.1f, 0.75f, 0.35f, 0.012f, paint_rgb(255, 250, 160)); line_paint(c, 0.75f, 0.35f, 0.86f, 0.38f, 0.012f, paint_rgb(255, 250, 160)); line_paint(c, 0.86f, 0.38f, 0.74f, 0.7f, 0.012f, paint_rgb(255, 250, 160)); break;
    case ATTR_SHEARS: line_paint(c, 0.72f, 0.5f, 0.9f, 0.3f, 0.01f, metal); line_paint(c, 0.72f, 0.3f, 0.9f, 0.5f, 0.01f, metal); line_paint(c, 0.2f, 0.1f, 0.2f, 0.9f, 0.002f, paint_rgb(230, 220, 200)); break;
    }
}

// A bust before a glowing backdrop, in a gold frame.
static PaintCanvas bust_paint(const Bust &b, int w, int h)
{
    PaintCanvas c = paint_canvas(w, h, b.bottom);
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            f32 s = paint_coord(x, w), t = paint_coord(y, h);
            f32 glow = 1.0f - paint_smooth(0.0f, 0.6f, std::hypot(s - 0.5f, t - 0.38f));
            PaintColour p = paint_mix(b.top, b.bottom, t);
            p = paint_mix(p, paint_rgb(255, 250, 230), 0.35f * glow);
            paint_pixel(c, x, y) = paint_shade(p, 0.85f + 0.3f * paint_fractal(s, t, 4, 4, 5));
        }
    // Shoulders, neck, head and hair; the figure is lit from the left.
    paint_disc(c, 0.5f * w, 1.0f * h, 0.42f * w, 3, b.robe, 1);
    paint_disc(c, 0.42f * w, 0.95f * h, 0.25f * w, 20, paint_mix(b.robe, paint_rgb(255, 255, 255), 0.25f), 0.6f);
    band_paint(c, 0.45f, 0.45f, 0.55f, 0.62f, paint_shade(b.skin, 0.85f));
    paint_disc(c, 0.5f * w, 0.36f * h, 0.13f * w, 2, paint_shade(b.hair, 0.9f), 1);
    paint_disc(c, 0.5f * w, 0.39f * h, 0.11f * w, 2, b.skin, 1);
    paint_disc(c, 0.47f * w, 0.37f * h, 0.06f * w, 8, paint_mix(b.skin, paint_rgb(255, 255, 255), 0.3f), 0.5f);
    paint_disc(c, 0.46f * w, 0.38f * h, 0.012f * w, 1, paint_rgb(30, 25, 20), 1);
    paint_disc(c, 0.54f * w, 0.38f * h, 0.012f * w, 1, paint_rgb(30, 25, 20), 1);
    attribute_paint(c, b);
    PaintColour gold = paint_rgb(200, 160, 60);
    paint_rect(c, 0, 0, w, 4, gold, 1);
    paint_rect(c, 0, h - 4, w, h, gold, 1);
    paint_rect(c, 0, 0, 4, h, gold, 1);
    paint_rect(c, w - 4, 0, w, h, gold, 1);
    return c;
}

static int build_gallery_pictures()
{
    for (int i = 0; i < static_cast<int>(std::size(gallery_busts)); i++) {
        int w = std::string(gallery_busts[i].entry) == "galeria/poli2.jpg" ? GALLERY_WIDE : GALLERY_SIZE;
        if (!add_picture(gallery_busts[i].entry, bust_paint(gallery_busts[i], w, GALLERY_SIZE)))
            return 0;
    }
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
    const Bust &zeus = gallery_busts[21];
    if (!add_picture("shop/gallery.jpg", bust_paint(zeus, 128, 128)))
        return 0;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        archive_add(shop_portraits[id], select_portrait_jpeg(id, 0));
    archive_add("shop/siluetas.tga", shop_silhouette_atlas_tga());   // after the select's likenesses
    return 1;
}

int build_screens(const char *)
{
    return build_stage_select_pictures() && build_gallery_pictures() && build_shop_pictures();
}
