// The pictures the start-up loader keeps for the whole run: HUD frames and plates, the effects
// sheet, the flash, shadow, reflection and wound pictures, the screen panels, the logo and the
// menu pointer. Each is drawn to the layout its drawer cuts from it; pictures drawn with a
// (ONE, ONE_MINUS_SRC_ALPHA) blend are stored premultiplied, those drawn with a brightening
// blend are black where nothing shows.
#include "tools/databuild/databuild.h"

#include "engine/engine.h"
#include "game/game.h"

#include <allegro.h>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

constexpr int GLYPH_SIZE = 8;           // the game library's built-in font cell
constexpr int JPEG_QUALITY = 92;
constexpr f32 PI = 3.14159265f;

// Straight (not premultiplied) colour, each 0..1.
struct Rgba {
    f32 r, g, b, a;
};

constexpr Rgba CLEAR = {0, 0, 0, 0};
constexpr Rgba BLACK = {0, 0, 0, 1};
constexpr Rgba WHITE = {1, 1, 1, 1};
constexpr Rgba GOLD = {0.95f, 0.75f, 0.25f, 1};
constexpr Rgba DARK_GOLD = {0.45f, 0.3f, 0.05f, 1};
constexpr Rgba OUTLINE = {0.1f, 0.05f, 0.0f, 1};

struct Canvas {
    int width;
    int height;
    std::vector<Rgba> pixels;   // top row first
};

// ---- drawing ------------------------------------------------------------------------------

static f32 clamp01(f32 v)
{
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}

static Rgba mix(Rgba a, Rgba b, f32 t)
{
    t = clamp01(t);
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

// Lays colour over the pixel with the given coverage (0..1), straight-alpha "over".
static void paint(Canvas &c, int x, int y, Rgba colour, f32 coverage)
{
    if (x < 0 || y < 0 || x >= c.width || y >= c.height)
        return;
    f32 a = colour.a * clamp01(coverage);
    if (a <= 0.0f)
        return;
    Rgba &p = c.pixels[static_cast<size_t>(y) * c.width + x];
    f32 under = p.a * (1.0f - a);
    f32 out_a = a + under;
    p = {(colour.r * a + p.r * under) / out_a, (colour.g * a + p.g * under) / out_a,
         (colour.b * a + p.b * under) / out_a, out_a};
}

static void fill_rect(Canvas &c, int x0, int y0, int x1, int y1, Rgba colour)
{
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            paint(c, x, y, colour, 1.0f);
}

static void fill_gradient(Canvas &c, Rgba top, Rgba bottom)
{
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++)
            c.pixels[static_cast<size_t>(y) * c.width + x] = mix(top, bottom, static_cast<f32>(y) / (c.height - 1));
}

static void stroke_rect(Canvas &c, int x0, int y0, int x1, int y1, int width, Rgba colour)
{
    fill_rect(c, x0, y0, x1, y0 + width, colour);
    fill_rect(c, x0, y1 - width, x1, y1, colour);
    fill_rect(c, x0, y0, x0 + width, y1, colour);
    fill_rect(c, x1 - width, y0, x1, y1, colour);
}

// A disc shading from inner at the centre to outer at the rim, its edge softened over `soft`
// pixels.
static void fill_disc(Canvas &c, f32 cx, f32 cy, f32 radius, Rgba inner, Rgba outer, f32 soft)
{
    for (int y = static_cast<int>(cy - radius - 1); y <= static_cast<int>(cy + radius + 1); y++)
        for (int x = static_cast<int>(cx - radius - 1); x <= static_cast<int>(cx + radius + 1); x++) {
            f32 d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            paint(c, x, y, mix(inner, outer, d / radius), (radius - d) / soft);
        }
}

static void stroke_ring(Canvas &c, f32 cx, f32 cy, f32 radius, f32 width, Rgba colour)
{
    int reach = static_cast<int>(radius + width + 1);
    for (int y = static_cast<int>(cy) - reach; y <= static_cast<int>(cy) + reach; y++)
        for (int x = static_cast<int>(cx) - reach; x <= static_cast<int>(cx) + reach; x++) {
            f32 d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            paint(c, x, y, colour, 1.0f - std::fabs(d - radius) / width);
        }
}

// A star of `spikes` points whose light falls off from the centre.
static void fill_star(Canvas &c, f32 cx, f32 cy, f32 core, f32 reach, int spikes, Rgba colour)
{
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 dx = x + 0.5f - cx, dy = y + 0.5f - cy;
            f32 d = std::hypot(dx, dy);
            f32 spike = std::pow(std::fabs(std::cos(0.5f * spikes * std::atan2(dy, dx))), 12.0f);
            f32 limit = core + (reach - core) * spike;
            paint(c, x, y, colour, 1.0f - d / limit);
        }
}

// Whether the text's pixel (x, y), in picture pixels from the text's top left, is ink.
static bool text_ink(BITMAP *glyphs, int x, int y, f32 cell_w, f32 cell_h)
{
    if (x < 0 || y < 0)
        return false;
    int gx = static_cast<int>(x / cell_w), gy = static_cast<int>(y / cell_h);
    if (gx >= glyphs->w || gy >= glyphs->h)
        return false;
    return (getpixel(glyphs, gx, gy) & 0xFFFFFF) != 0;
}

// Text in the built-in font, each glyph pixel stretched to a cell_w x cell_h block, centred on
// (cx, cy), with an outline `edge` pixels wide when edge is above 0.
static void draw_text(Canvas &c, const char *text, f32 cx, f32 cy, f32 cell_w, f32 cell_h, Rgba colour, int edge)
{
    int length = static_cast<int>(std::string(text).size());
    BITMAP *glyphs = create_bitmap_ex(32, length * GLYPH_SIZE, GLYPH_SIZE);
    if (!glyphs)
        return;
    clear_to_color(glyphs, 0);
    textout_ex(glyphs, font, text, 0, 0, makecol32(255, 255, 255), -1);
    int width = static_cast<int>(glyphs->w * cell_w), height = static_cast<int>(glyphs->h * cell_h);
    int left = static_cast<int>(cx - 0.5f * width), top = static_cast<int>(cy - 0.5f * height);
    for (int y = -edge; y < height + edge; y++)
        for (int x = -edge; x < width + edge; x++) {
            bool near = false;
            for (int d = 0; d < 9 && edge > 0; d++)
                near |= text_ink(glyphs, x + (d % 3 - 1) * edge, y + (d / 3 - 1) * edge, cell_w, cell_h);
            if (text_ink(glyphs, x, y, cell_w, cell_h))
                paint(c, left + x, top + y, colour, 1.0f);
            else if (near)
                paint(c, left + x, top + y, OUTLINE, 1.0f);
        }
    destroy_bitmap(glyphs);
}

// A Greek key border: a double line with squares stepping along it.
static void draw_meander_border(Canvas &c, int margin, Rgba colour)
{
    stroke_rect(c, margin, margin, c.width - margin, c.height - margin, 2, colour);
    stroke_rect(c, margin + 10, margin + 10, c.width - margin - 10, c.height - margin - 10, 2, colour);
    for (int k = margin + 14; k < c.width - margin - 18; k += 12) {
        stroke_rect(c, k, margin + 4, k + 6, margin + 8, 1, colour);
        stroke_rect(c, k, c.height - margin - 8, k + 6, c.height - margin - 4, 1, colour);
    }
    for (int k = margin + 14; k < c.height - margin - 18; k += 12) {
        stroke_rect(c, margin + 4, k, margin + 8, k + 6, 1, colour);
        stroke_rect(c, c.width - margin - 8, k, c.width - margin - 4, k + 6, 1, colour);
    }
}

// Blots of colour at spots picked by a fixed sequence, so every build draws the same.
static void draw_blots(Canvas &c, int count, f32 size, Rgba colour, u32 seed)
{
    for (int i = 0; i < count; i++) {
        seed = seed * 1664525u + 1013904223u;
        f32 x = static_cast<f32>(seed >> 16 & 0xFFFF) / 65536.0f * c.width;
        seed = seed * 1664525u + 1013904223u;
        f32 y = static_cast<f32>(seed >> 16 & 0xFFFF) / 65536.0f * c.height;
        f32 r = size * (0.4f + static_cast<f32>(seed & 0xFF) / 255.0f);
        fill_disc(c, x, y, r, colour, colour, 2.0f);
        fill_disc(c, x + r, y + r * 0.8f, r * 0.35f, colour, colour, 1.5f);
    }
}

// ---- the HUD ------------------------------------------------------------------------------

// The power gauge fills s 0.245..0.927, t 0.5..0.76 of the frame; that window stays clear.
static void draw_powerbar(Canvas &c)
{
    int x0 = 31, x1 = 119, y0 = 32, y1 = 49;
    stroke_rect(c, x0 - 4, y0 - 4, x1 + 4, y1 + 4, 3, GOLD);
    stroke_rect(c, x0 - 1, y0 - 1, x1 + 1, y1 + 1, 1, OUTLINE);
    fill_disc(c, 16, 40.5f, 10, WHITE, GOLD, 1.5f);
    stroke_ring(c, 16, 40.5f, 10, 1.2f, DARK_GOLD);
    fill_rect(c, 26, 39, x0 - 4, 42, GOLD);
}

// Side one's frame in the upper half, side two's in the lower; the bars fill x 18..238 and
// the rows 24..32 of each half, which stay clear.
static void draw_lifebar(Canvas &c)
{
    for (int half = 0; half < 2; half++) {
        int top = half * 64;
        stroke_rect(c, 14, top + 20, 242, top + 36, 3, GOLD);
        stroke_rect(c, 17, top + 23, 239, top + 33, 1, OUTLINE);
        int end = half == 0 ? 8 : 248;
        fill_disc(c, end, top + 28, 7, WHITE, GOLD, 1.5f);
    }
}

static void draw_marker(Canvas &c)
{
    fill_disc(c, 32, 32, 28, {1, 0.95f, 0.6f, 1}, DARK_GOLD, 1.5f);
    stroke_ring(c, 32, 32, 27, 2.0f, OUTLINE);
    fill_star(c, 32, 32, 5, 16, 5, WHITE);
}

// The names in character order, painted in capitals of the game library's font.
static const char *const name_plate_labels[] = {
    "JASON", "ODYSSEUS", "ATALANTA", "PERSEUS", "HIPPOLYTE", "POLYPHEMUS",
    "MINOTAUR", "MEDUSA", "SPHINX", "HYDRA", "ARES", "ATROPOS",
};
static_assert(std::size(name_plate_labels) == CHARACTER_COUNT, "one name per character");

// Ink this far inside the view's edge (in HUD units at the plates' depth) stays clear of it:
// more than the half unit the plates need, for the outline and the texture's filtering.
constexpr f32 NAME_VIEW_MARGIN = 0.6f;
constexpr int NAME_CELL_PAD = 4;   // pixels kept blank at a cell's sides
constexpr f32 NAME_GLYPH_HEIGHT = 2.5f;   // picture pixels down per pixel of the library font

// The part of a plate's cell, as shares of its width, that both sides' quads show inside the
// view: side one's quad loses its left end past the view's left edge, side two's (the same
// cell at -x1 .. -x0) its right end past the right edge.
static void name_plate_window(const NamePlate &plate, f32 *low, f32 *high)
{
    f32 edge = view_half_width(HUD_DEPTH) - NAME_VIEW_MARGIN, width = plate.x1 - plate.x0;
    *low = std::max(0.0f, (-edge - plate.x0) / width);
    *high = std::min(1.0f, (edge + plate.x1) / width);
}

static void draw_names(Canvas &c)
{
    f32 cell_w = c.width * NAME_PLATE_CELL_S;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const NamePlate &plate = name_plates[id];
        f32 low, high;
        name_plate_window(plate, &low, &high);
        f32 x0 = plate.s0 * c.width + std::max(low * cell_w, static_cast<f32>(NAME_CELL_PAD));
        f32 x1 = plate.s0 * c.width + std::min(high * cell_w, cell_w - NAME_CELL_PAD);
        f32 cy = (plate.t0 + 0.5f * NAME_PLATE_CELL_T) * c.height;
        f32 glyph_w = (x1 - x0 - 2) / (std::string(name_plate_labels[id]).size() * GLYPH_SIZE);
        draw_text(c, name_plate_labels[id], 0.5f * (x0 + x1), cy, glyph_w, NAME_GLYPH_HEIGHT, GOLD, 1);
    }
}

// ---- the effects sheet (quarter cells: column u, row v, v = 0 the top row) ----------------

static void cell_origin(int column, int row, f32 *x, f32 *y)
{
    *x = column * 64.0f;
    *y = row * 64.0f;
}

static void draw_flame(Canvas &c, int column, int row, f32 size)
{
    f32 x, y;
    cell_origin(column, row, &x, &y);
    fill_disc(c, x + 32, y + 38, 22 * size, {1, 0.9f, 0.5f, 1}, {0.8f, 0.2f, 0, 1}, 8 * size);
    fill_disc(c, x + 32, y + 26, 14 * size, {1, 0.8f, 0.3f, 1}, {0.6f, 0.1f, 0, 1}, 8 * size);
    fill_disc(c, x + 32, y + 16, 7 * size, {1, 0.7f, 0.2f, 1}, {0.5f, 0.05f, 0, 1}, 5 * size);
}

static void draw_rain_streak(Canvas &c, int column, f32 width)
{
    f32 x, y;
    cell_origin(column, 0, &x, &y);
    for (int k = 4; k < 60; k++)
        for (int dx = -3; dx <= 3; dx++)
            paint(c, static_cast<int>(x) + 32 + dx, static_cast<int>(y) + k, {0.7f, 0.8f, 1, 1},
                  (1.0f - std::fabs(static_cast<f32>(dx)) / width) * std::sin(PI * k / 64.0f));
}

// The streak of a spark or burst: its quad runs from tail to head along v and is two units
// wide along u, so the glow is long down the cell and thin across it.
static void draw_spark(Canvas &c, int column, int row)
{
    f32 x0, y0;
    cell_origin(column, row, &x0, &y0);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++) {
            f32 d = std::hypot((x + 0.5f - 32) / 10.0f, (y + 0.5f - 32) / 30.0f);
            paint(c, static_cast<int>(x0) + x, static_cast<int>(y0) + y, mix(WHITE, {1, 0.7f, 0.2f, 1}, d), 1.0f - d);
        }
}

// The blood cell keeps its alpha: a drop and its spatter on nothing.
static void draw_blood_drop(Canvas &c, int column, int row)
{
    f32 x0, y0;
    cell_origin(column, row, &x0, &y0);
    for (int y = 0; y < 64; y++)
        for (int x = 0; x < 64; x++)
            c.pixels[static_cast<size_t>(y0 + y) * c.width + static_cast<size_t>(x0 + x)] = CLEAR;
    fill_disc(c, x0 + 32, y0 + 32, 18, {0.6f, 0, 0, 1}, {0.35f, 0, 0, 1}, 3);
    fill_disc(c, x0 + 52, y0 + 14, 5, {0.5f, 0, 0, 1}, {0.35f, 0, 0, 1}, 2);
    fill_disc(c, x0 + 12, y0 + 50, 4, {0.5f, 0, 0, 1}, {0.35f, 0, 0, 1}, 2);
}

static void draw_misc_sheet(Canvas &c)
{
    fill_gradient(c, BLACK, BLACK);
    fill_rect(c, 0, 0, 64, 64, WHITE);   // the HUD bars' flat colour: its corner is sampled
    draw_rain_streak(c, 1, 1.5f);        // rain variants 1-4
    draw_rain_streak(c, 2, 2.5f);        // rain variant 0
    stroke_ring(c, 224, 32, 20, 3, {0.6f, 0.75f, 1, 1});    // a fresh splash
    stroke_ring(c, 32, 160, 10, 2.5f, {0.6f, 0.75f, 1, 1});   // a fading splash
    for (int column = 0; column < 3; column++)
        draw_flame(c, column, 1, 1.0f - 0.25f * column);   // arena flames, large to small
    draw_spark(c, 3, 1);
    draw_flame(c, 2, 2, 1.0f);   // temple flames and the flame row, large to small
    draw_flame(c, 3, 2, 0.75f);
    fill_disc(c, 32, 224, 10, {1, 0.4f, 0.1f, 1}, {0.3f, 0, 0, 1}, 6);   // a dying ember
    draw_blood_drop(c, 1, 3);
}

// ---- flashes, shadow, reflection, wounds --------------------------------------------------

static void draw_blob_shadow(Canvas &c)
{
    fill_gradient(c, BLACK, BLACK);
    fill_disc(c, 64, 64, 58, {0.85f, 0.85f, 0.85f, 1}, {0.3f, 0.3f, 0.3f, 1}, 26);
}

static void draw_hit(Canvas &c)
{
    fill_gradient(c, BLACK, BLACK);
    fill_star(c, 64, 64, 18, 62, 8, {1, 0.9f, 0.5f, 1});
    fill_disc(c, 64, 64, 20, WHITE, {1, 0.9f, 0.5f, 1}, 12);
}

static void draw_hit_ring(Canvas &c)
{
    fill_gradient(c, BLACK, BLACK);
    stroke_ring(c, 64, 64, 48, 12, {1, 0.6f, 0.2f, 1});
    stroke_ring(c, 64, 64, 48, 4, {1, 0.95f, 0.8f, 1});
}

static void draw_guard(Canvas &c)
{
    fill_gradient(c, BLACK, BLACK);
    for (int side = 0; side < 6; side++) {
        f32 a0 = PI / 3 * side, a1 = PI / 3 * (side + 1);
        for (int k = 0; k <= 60; k++) {
            f32 t = k / 60.0f;
            f32 x = 64 + 52 * ((1 - t) * std::cos(a0) + t * std::cos(a1));
            f32 y = 64 + 52 * ((1 - t) * std::sin(a0) + t * std::sin(a1));
            fill_disc(c, x, y, 5, {0.8f, 0.9f, 1, 1}, {0.2f, 0.4f, 1, 1}, 4);
        }
    }
    fill_disc(c, 64, 64, 30, {0.6f, 0.8f, 1, 1}, BLACK, 30);
}

// A sphere map: the sky above the horizon, the ground below, a sun to the upper left.
static void draw_reflection(Canvas &c)
{
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 up = 1.0f - 2.0f * (y + 0.5f) / c.height;
            Rgba sky = mix({0.95f, 0.95f, 1, 1}, {0.35f, 0.5f, 0.85f, 1}, up);
            Rgba ground = mix({0.6f, 0.5f, 0.35f, 1}, {0.2f, 0.15f, 0.1f, 1}, -up * 1.5f);
            c.pixels[static_cast<size_t>(y) * c.width + x] = up > 0 ? sky : ground;
        }
    fill_disc(c, c.width * 0.33f, c.height * 0.3f, c.width * 0.12f, WHITE, {1, 1, 0.9f, 0}, c.width * 0.12f);
}

// Laid over the skin by modulation: white leaves it alone, red stains it.
static void draw_blood_heavy(Canvas &c)
{
    fill_gradient(c, WHITE, WHITE);
    draw_blots(c, 40, 10, {0.55f, 0.02f, 0.02f, 1}, 11);
}

static void draw_blood_light(Canvas &c)
{
    fill_gradient(c, WHITE, WHITE);
    draw_blots(c, 14, 7, {0.7f, 0.1f, 0.1f, 1}, 23);
}

// ---- screens ------------------------------------------------------------------------------

static void draw_vs_back(Canvas &c)
{
    fill_gradient(c, {0.35f, 0.05f, 0.05f, 1}, {0.05f, 0.0f, 0.0f, 1});
    draw_text(c, "VS", c.width / 2.0f, c.height / 2.0f, 12, 12, {0.5f, 0.2f, 0.1f, 1}, 0);
    draw_meander_border(c, 6, GOLD);
}

static void draw_continue_back(Canvas &c)
{
    fill_gradient(c, {0.05f, 0.1f, 0.3f, 1}, {0.0f, 0.0f, 0.05f, 1});
    stroke_ring(c, c.width / 2.0f, c.height / 2.0f, 70, 6, {0.2f, 0.3f, 0.6f, 1});
    draw_text(c, "CONTINUE", c.width / 2.0f, c.height - 30.0f, 2.5f, 2.5f, {0.4f, 0.5f, 0.8f, 1}, 0);
    draw_meander_border(c, 6, {0.6f, 0.7f, 1, 1});
}

// A broken column under a dark sky.
static void draw_gameover_back(Canvas &c)
{
    fill_gradient(c, {0.15f, 0.15f, 0.15f, 1}, {0.02f, 0.0f, 0.0f, 1});
    fill_rect(c, 108, 120, 148, 236, {0.3f, 0.28f, 0.25f, 1});
    for (int flute = 112; flute < 148; flute += 8)
        fill_rect(c, flute, 124, flute + 2, 236, {0.2f, 0.18f, 0.16f, 1});
    for (int x = 104; x < 152; x++)
        fill_rect(c, x, 236, x + 1, 244, {0.35f, 0.32f, 0.3f, 1});
    for (int x = 108; x < 148; x++)
        fill_rect(c, x, 120 - (x * 7 % 13), x + 1, 120, {0.3f, 0.28f, 0.25f, 1});
    draw_meander_border(c, 6, {0.5f, 0.1f, 0.1f, 1});
}

static void draw_logo(Canvas &c)
{
    for (Rgba &p : c.pixels)
        p = {OUTLINE.r, OUTLINE.g, OUTLINE.b, 0};   // filtering blends edges toward the outline
    draw_text(c, "TAVROSK", c.width / 2.0f, c.height * 0.42f, 8, 12, GOLD, 4);
    fill_rect(c, 40, 200, c.width - 40, 206, DARK_GOLD);
    for (int x = 48; x < c.width - 48; x += 24)
        fill_disc(c, x + 12, 203, 6, GOLD, DARK_GOLD, 1.5f);
}

static bool point_in_polygon(const f32 (*corners)[2], int count, f32 x, f32 y)
{
    bool inside = false;
    for (int i = 0, j = count - 1; i < count; j = i++) {
        f32 xi = corners[i][0], yi = corners[i][1], xj = corners[j][0], yj = corners[j][1];
        if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi)
            inside = !inside;
    }
    return inside;
}

// The menu pointer: an arrow whose tip is the top-left corner, white with a black edge.
static void draw_pointer(Canvas &c)
{
    static const f32 arrow[][2] = {{0, 0}, {0, 50}, {14, 38}, {24, 60}, {34, 55}, {24, 35}, {42, 35}};
    constexpr int ARROW_CORNERS = 7;
    constexpr f32 EDGE = 0.8f;   // the white part, scaled about the arrow's middle
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 px = x + 0.5f, py = y + 0.5f;
            if (!point_in_polygon(arrow, ARROW_CORNERS, px, py))
                continue;
            bool inner = point_in_polygon(arrow, ARROW_CORNERS, 14 + (px - 14) / EDGE, 30 + (py - 30) / EDGE);
            paint(c, x, y, inner ? WHITE : BLACK, 1.0f);
        }
}

// ---- the table ----------------------------------------------------------------------------

enum PictureFormat : u8 {
    PICTURE_TGA_PREMULTIPLIED,   // drawn with (ONE, ONE_MINUS_SRC_ALPHA)
    PICTURE_TGA,                 // straight alpha
    PICTURE_JPEG
};

struct SharedPicture {
    const char *entry;
    int width, height;
    PictureFormat format;
    void (*draw)(Canvas &c);
};

static const SharedPicture shared_pictures[] = {
    // entry                     width height format                   drawer
    {"misc/powerbar.tga", 128, 64, PICTURE_TGA_PREMULTIPLIED, draw_powerbar},
    {"misc/misc.tga", 256, 256, PICTURE_TGA_PREMULTIPLIED, draw_misc_sheet},
    {"misc/names.tga", 256, 256, PICTURE_TGA_PREMULTIPLIED, draw_names},
    {"misc/lifebar.tga", 256, 128, PICTURE_TGA_PREMULTIPLIED, draw_lifebar},
    {"misc/sombra.jpg", 128, 128, PICTURE_JPEG, draw_blob_shadow},
    {"misc/golpe.jpg", 128, 128, PICTURE_JPEG, draw_hit},
    {"misc/golpe2.jpg", 128, 128, PICTURE_JPEG, draw_hit_ring},
    {"misc/reflejo.jpg", 256, 256, PICTURE_JPEG, draw_reflection},
    {"misc/defensa.jpg", 128, 128, PICTURE_JPEG, draw_guard},
    {"misc/marker.tga", 64, 64, PICTURE_TGA_PREMULTIPLIED, draw_marker},
    {"misc/blood.jpg", 128, 128, PICTURE_JPEG, draw_blood_heavy},
    {"misc/blood2.jpg", 128, 128, PICTURE_JPEG, draw_blood_light},
    {"misc/fondo_vs.jpg", 256, 256, PICTURE_JPEG, draw_vs_back},
    {"misc/fondo_continue.jpg", 256, 256, PICTURE_JPEG, draw_continue_back},
    {"misc/fondo_gameover.jpg", 256, 256, PICTURE_JPEG, draw_gameover_back},
    {"titulo/logo.tga", 512, 256, PICTURE_TGA, draw_logo},
    {"titulo/select3.tga", 64, 64, PICTURE_TGA_PREMULTIPLIED, draw_pointer},
};

static u8 to_byte(f32 v)
{
    return static_cast<u8>(std::lround(clamp01(v) * 255.0f));
}

static Bytes canvas_encode(const Canvas &c, PictureFormat format)
{
    Bytes rgba(static_cast<size_t>(c.width) * c.height * 4);
    for (size_t i = 0; i < c.pixels.size(); i++) {
        Rgba p = c.pixels[i];
        f32 scale = format == PICTURE_TGA_PREMULTIPLIED ? p.a : 1.0f;
        rgba[i * 4] = to_byte(p.r * scale);
        rgba[i * 4 + 1] = to_byte(p.g * scale);
        rgba[i * 4 + 2] = to_byte(p.b * scale);
        rgba[i * 4 + 3] = to_byte(p.a);
    }
    if (format != PICTURE_JPEG)
        return tga_write(c.width, c.height, 32, rgba.data());
    Bytes jpeg;
    jpeg_write(jpeg, c.width, c.height, rgba.data(), JPEG_QUALITY);
    return jpeg;
}

int build_shared_pictures(const char *)
{
    picture_library_start();
    for (const SharedPicture &picture : shared_pictures) {
        Canvas canvas = {picture.width, picture.height,
                         std::vector<Rgba>(static_cast<size_t>(picture.width) * picture.height, CLEAR)};
        picture.draw(canvas);
        Bytes bytes = canvas_encode(canvas, picture.format);
        if (bytes.empty()) {
            fprintf(stderr, "databuild: cannot encode %s\n", picture.entry);
            return 0;
        }
        archive_add(picture.entry, bytes);
    }
    return 1;
}
