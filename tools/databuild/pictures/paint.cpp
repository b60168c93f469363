// pictures/: every picture that is not an arena's or a figure's skin. paint.cpp (this file)
// is the painting kit they all use; vase_painting.cpp the red-figure style of the story
// (build_story.cpp), the gallery (gallery_pictures.cpp) and the gods' portraits
// (summon_pictures.cpp). Each screen's pictures are in the step named after it:
// build_title.cpp, build_select.cpp with select_portraits.cpp, build_screens.cpp (stage
// select, shop), build_overlays.cpp, build_shared_pictures.cpp (HUD, effects, panels),
// character_pictures.cpp and projectile_pictures.cpp for the fighters, build_fonts.cpp for
// the font sheets. To change a picture, change the painter in its step's file.
//
// The procedural painting kit: colours, canvases, tileable noise and the painters of stone,
// wood, cloth, leaves, fire and water that the content steps make their pictures with.
#include "tools/databuild/databuild.h"

#include <algorithm>
#include <cmath>

// ---- colours and canvases -------------------------------------------------------------

PaintColour paint_rgb(int r, int g, int b)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f};
}

PaintColour paint_mix(PaintColour a, PaintColour b, f32 t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

PaintColour paint_shade(PaintColour c, f32 k)
{
    return {c.r * k, c.g * k, c.b * k, c.a};
}

PaintColour paint_alpha(PaintColour c, f32 a)
{
    return {c.r, c.g, c.b, a};
}

f32 paint_clamp(f32 v)
{
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}

f32 paint_smooth(f32 edge0, f32 edge1, f32 v)
{
    f32 t = paint_clamp((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

PaintCanvas paint_canvas(int w, int h, PaintColour fill)
{
    PaintCanvas c;
    c.w = w;
    c.h = h;
    c.px.assign(static_cast<size_t>(w) * h, fill);
    return c;
}

PaintColour &paint_pixel(PaintCanvas &c, int x, int y)
{
    x = ((x % c.w) + c.w) % c.w;
    y = ((y % c.h) + c.h) % c.h;
    return c.px[static_cast<size_t>(y) * c.w + x];
}

void paint_blend(PaintCanvas &c, int x, int y, PaintColour colour, f32 alpha)
{
    PaintColour &p = paint_pixel(c, x, y);
    PaintColour out = paint_mix(p, colour, paint_clamp(alpha));
    out.a = p.a + (1.0f - p.a) * paint_clamp(alpha) * colour.a;
    p = out;
}

void paint_rect(PaintCanvas &c, int x0, int y0, int x1, int y1, PaintColour colour, f32 alpha)
{
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            paint_blend(c, x, y, colour, alpha);
}

// A disc with a soft rim `soft` pixels wide.
void paint_disc(PaintCanvas &c, f32 cx, f32 cy, f32 radius, f32 soft, PaintColour colour, f32 alpha)
{
    int r = static_cast<int>(radius + soft) + 1;
    for (int y = static_cast<int>(cy) - r; y <= static_cast<int>(cy) + r; y++)
        for (int x = static_cast<int>(cx) - r; x <= static_cast<int>(cx) + r; x++) {
            f32 d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            f32 k = 1.0f - paint_smooth(radius - soft, radius + soft * 0.01f, d);
            if (k > 0.0f)
                paint_blend(c, x, y, colour, alpha * k);
        }
}

// ---- noise --------------------------------------------------------------------------------
f32 paint_hash(int x, int y, int seed)
{
    u32 h = static_cast<u32>(x) * 374761393u + static_cast<u32>(y) * 668265263u +
            static_cast<u32>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<f32>((h ^ (h >> 16)) & 0xffffff) / 16777216.0f;
}

static f32 paint_lattice(int x, int y, int period, int seed)
{
    return paint_hash(((x % period) + period) % period, ((y % period) + period) % period, seed);
}

// Smooth value noise on a lattice that repeats every `period` cells, at u, v in cell units.
f32 paint_noise(f32 u, f32 v, int period, int seed)
{
    int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
    f32 fx = u - x0, fy = v - y0;
    fx = fx * fx * (3.0f - 2.0f * fx);
    fy = fy * fy * (3.0f - 2.0f * fy);
    f32 top = paint_lattice(x0, y0, period, seed) +
              (paint_lattice(x0 + 1, y0, period, seed) - paint_lattice(x0, y0, period, seed)) * fx;
    f32 bottom = paint_lattice(x0, y0 + 1, period, seed) +
                 (paint_lattice(x0 + 1, y0 + 1, period, seed) - paint_lattice(x0, y0 + 1, period, seed)) * fx;
    return top + (bottom - top) * fy;
}

// Tileable fractal noise over the unit square (s, t in 0..1), about 0..1.
f32 paint_fractal(f32 s, f32 t, int period, int octaves, int seed)
{
    f32 sum = 0.0f, weight = 0.5f, total = 0.0f;
    for (int o = 0; o < octaves; o++) {
        sum += weight * paint_noise(s * period, t * period, period, seed + o * 17);
        total += weight;
        weight *= 0.5f;
        period *= 2;
    }
    return sum / total;
}

// ---- painters -------------------------------------------------------------------------------
// Every painter makes one square picture of PAINT_SIZE pixels unless it says otherwise;
// coordinates s, t run 0..1 across it (t = 0 at the top row).

f32 paint_coord(int i, int size)
{
    return (i + 0.5f) / size;
}

// Cut stone or marble: cols x rows blocks (every other row shifted half a block when
// `bond`), each block a little different, with dark joints, bevelled edges and, for marble,
// veins.
PaintCanvas paint_blocks(
    PaintColour stone, PaintColour joint, int cols, int rows, bool bond, f32 veins, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, stone);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            int row = static_cast<int>(t * rows);
            f32 u = s * cols + (bond && (row & 1) ? 0.5f : 0.0f);
            int col = static_cast<int>(std::floor(u));
            f32 fu = u - col, fv = t * rows - row;
            f32 edge = std::min(
                std::min(fu, 1.0f - fu) * PAINT_SIZE / cols, std::min(fv, 1.0f - fv) * PAINT_SIZE / rows);
            f32 tint = 0.85f + 0.3f * paint_hash(col % cols, row, seed);
            f32 grain = paint_fractal(s, t, 8, 4, seed);
            PaintColour p = paint_shade(stone, tint * (0.8f + 0.4f * grain));
            if (veins > 0.0f) {
                f32 vein = std::fabs(std::sin(
                    (s * 3.0f + t * 2.0f + paint_fractal(s, t, 4, 4, seed + 5) * 3.0f) * PAINT_PI * 2.0f));
                p = paint_mix(p, paint_shade(joint, 1.2f), veins * (1.0f - paint_smooth(0.0f, 0.12f, vein)));
            }
            if (edge < 1.5f)
                p = joint;
            else if (edge < 3.5f)
                p = paint_shade(p, 0.8f + 0.06f * edge);
            paint_pixel(c, x, y) = paint_alpha(p, 1.0f);
        }
    return c;
}

// Boards running across the picture, with grain and dark gaps.
PaintCanvas paint_planks(PaintColour wood, int planks, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, wood);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            int plank = static_cast<int>(t * planks);
            f32 fv = t * planks - plank;
            f32 grain = std::sin((fv * 6.0f + paint_fractal(s, t, 4, 3, seed + plank) * 5.0f) * PAINT_PI);
            PaintColour p = paint_shade(
                wood, (0.8f + 0.25f * paint_hash(plank, 0, seed)) * (0.85f + 0.15f * grain));
            if (fv < 0.06f || fv > 0.94f)
                p = paint_shade(wood, 0.35f);
            paint_pixel(c, x, y) = p;
        }
    return c;
}

// Earth, sand, grass, ash: two colours mixed by noise, with a speckle of the darker one.
PaintCanvas paint_ground(PaintColour a, PaintColour b, f32 speckle, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, a);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 n = paint_fractal(s, t, 4, 5, seed);
            PaintColour p = paint_mix(a, b, paint_smooth(0.3f, 0.7f, n));
            if (paint_hash(x, y, seed + 1) < speckle)
                p = paint_shade(p, 0.7f);
            paint_pixel(c, x, y) = p;
        }
    return c;
}

// A column shaft: vertical flutes shaded as hollows.
PaintCanvas paint_flutes(PaintColour stone, int flutes, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, stone);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 hollow = 0.5f + 0.5f * std::cos(s * flutes * 2.0f * PAINT_PI);
            paint_pixel(c, x, y) = paint_shade(
                stone, (0.7f + 0.3f * hollow) * (0.9f + 0.2f * paint_fractal(s, t, 8, 3, seed)));
        }
    return c;
}

// Rows of round-backed roof tiles.
PaintCanvas paint_roof_tiles(PaintColour tile, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, tile);
    const int cols = 8, rows = 8;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            int row = static_cast<int>(t * rows);
            f32 u = s * cols + (row & 1) * 0.5f;
            f32 fu = u - std::floor(u), fv = t * rows - row;
            f32 round = std::sin(fu * PAINT_PI);
            PaintColour p = paint_shade(tile, (0.55f + 0.45f * round) * (1.0f - 0.35f * fv) *
                                                  (0.9f + 0.2f * paint_hash(static_cast<int>(u), row, seed)));
            paint_pixel(c, x, y) = p;
        }
    return c;
}

void paint_emblem(PaintCanvas &c, Emblem emblem, PaintColour colour)
{
    f32 cx = c.w * 0.5f, cy = c.h * 0.42f, r = c.w * 0.2f;
    switch (emblem) {
    case EMBLEM_DISC:
        paint_disc(c, cx, cy, r, 1.5f, colour, 1.0f);
        break;
    case EMBLEM_OWL:
        paint_disc(c, cx, cy + r * 0.6f, r * 0.9f, 1.5f, colour, 1.0f);
        paint_disc(c, cx - r * 0.45f, cy - r * 0.35f, r * 0.45f, 1.0f, colour, 1.0f);
        paint_disc(c, cx + r * 0.45f, cy - r * 0.35f, r * 0.45f, 1.0f, colour, 1.0f);
        paint_disc(c, cx - r * 0.45f, cy - r * 0.35f, r * 0.18f, 1.0f, paint_shade(colour, 0.2f), 1.0f);
        paint_disc(c, cx + r * 0.45f, cy - r * 0.35f, r * 0.18f, 1.0f, paint_shade(colour, 0.2f), 1.0f);
        break;
    case EMBLEM_RAYS:
        paint_disc(c, cx, cy, r * 0.5f, 1.0f, colour, 1.0f);
        for (int k = 0; k < 12; k++)
            for (f32 d = r * 0.6f; d < r * 1.4f; d += 0.5f)
                paint_disc(c, cx + std::cos(k * PAINT_PI / 6) * d, cy + std::sin(k * PAINT_PI / 6) * d, 1.2f,
                    0.5f, colour, 1.0f);
        break;
    case EMBLEM_HORNS:
        paint_rect(c, static_cast<int>(cx - r), static_cast<int>(cy + r * 0.3f), static_cast<int>(cx + r),
            static_cast<int>(cy + r * 0.8f), colour, 1.0f);
        paint_rect(c, static_cast<int>(cx - r), static_cast<int>(cy - r), static_cast<int>(cx - r * 0.55f),
            static_cast<int>(cy + r * 0.5f), colour, 1.0f);
        paint_rect(c, static_cast<int>(cx + r * 0.55f), static_cast<int>(cy - r), static_cast<int>(cx + r),
            static_cast<int>(cy + r * 0.5f), colour, 1.0f);
        break;
    case EMBLEM_STRIPES:
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++)
                if ((x / (c.w / 8)) & 1)
                    paint_blend(c, x, y, colour, 1.0f);
        break;
    case EMBLEM_NONE:
        break;
    }
}

// A hanging cloth: coloured field, trim along the edges, an emblem and a swallow-tailed foot
// cut out by alpha (the arena draws it alpha-tested).
PaintCanvas paint_banner(
    PaintColour cloth, PaintColour trim, PaintColour emblem_colour, Emblem emblem, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, cloth);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            paint_pixel(c, x, y) = paint_shade(cloth, 0.85f + 0.25f * paint_fractal(s, t, 4, 3, seed));
        }
    paint_emblem(c, emblem, emblem_colour);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 border = std::min(std::min(s, 1.0f - s), t);
            if (border < 0.07f)
                paint_pixel(c, x, y) = trim;
            // The foot: a notch rising from the bottom edge in the middle.
            f32 notch = 0.82f + 0.6f * std::fabs(s - 0.5f);
            if (t > notch)
                paint_pixel(c, x, y).a = 0.0f;
        }
    return c;
}

// A crown of leaves on a transparent ground, for alpha-tested crossed sprites.
PaintCanvas paint_leaves(PaintColour light, PaintColour dark, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_alpha(dark, 0.0f));
    for (int k = 0; k < 420; k++) {
        f32 a = paint_hash(k, 1, seed) * 2.0f * PAINT_PI, d = std::sqrt(paint_hash(k, 2, seed)) * 0.46f;
        f32 x = (0.5f + std::cos(a) * d) * c.w, y = (0.5f + std::sin(a) * d * 0.9f) * c.h;
        PaintColour leaf = paint_mix(dark, light, paint_hash(k, 3, seed) * (1.0f - d));
        f32 size = 2.0f + 3.0f * paint_hash(k, 4, seed);
        int r = static_cast<int>(size) + 1;
        for (int yy = -r; yy <= r; yy++)
            for (int xx = -r; xx <= r; xx++)
                if (xx * xx * 0.5f + yy * yy < size * size && x + xx >= 0 && x + xx < c.w && y + yy >= 0 &&
                    y + yy < c.h)
                    paint_pixel(c, static_cast<int>(x) + xx, static_cast<int>(y) + yy) = leaf;
    }
    return c;
}

// Reeds, grass tufts and flowers: thin blades rising from the bottom edge, with heads.
PaintCanvas paint_blades(PaintColour blade, PaintColour head, int count, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_alpha(blade, 0.0f));
    for (int k = 0; k < count; k++) {
        f32 x0 = (0.05f + 0.9f * paint_hash(k, 1, seed)) * c.w;
        f32 lean = (paint_hash(k, 2, seed) - 0.5f) * 0.5f;
        f32 height = (0.4f + 0.55f * paint_hash(k, 3, seed)) * c.h;
        for (f32 d = 0; d < height; d += 0.5f) {
            int x = static_cast<int>(x0 + lean * d), y = c.h - 1 - static_cast<int>(d);
            if (x >= 1 && x < c.w - 1)
                paint_pixel(c, x, y) = paint_pixel(c, x + 1, y) = paint_shade(
                    blade, 0.7f + 0.5f * d / height);
        }
        if (head.a > 0.0f)
            paint_disc(c, x0 + lean * height, c.h - 1 - height, 3.5f, 1.0f, head, 1.0f);
    }
    return c;
}

// A tongue of fire: white-yellow core, red rim, cut out by alpha.
PaintCanvas paint_flame(PaintColour core, PaintColour rim, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_alpha(rim, 0.0f));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 rise = 1.0f - t;   // 0 at the foot, 1 at the tip
            f32 width = 0.42f * std::sqrt(std::max(0.0f, 1.0f - rise)) *
                        (0.8f + 0.4f * paint_fractal(s, t, 4, 3, seed));
            f32 d = std::fabs(s - 0.5f) / std::max(width, 0.001f);
            if (d >= 1.0f || rise < 0.03f)
                continue;
            PaintColour p = paint_mix(core, rim, paint_smooth(0.2f, 0.9f, d) * 0.7f + rise * 0.3f);
            paint_pixel(c, x, y) = paint_alpha(p, 1.0f);
        }
    return c;
}

// Water: a deep colour crossed by bright ripples.
PaintCanvas paint_water(PaintColour deep, PaintColour light, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, deep);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 n = paint_fractal(s, t, 4, 4, seed);
            f32 ripple = std::sin((t * 6.0f + n * 2.5f) * 2.0f * PAINT_PI) *
                         std::sin((s * 2.0f + n) * 2.0f * PAINT_PI);
            paint_pixel(c, x, y) = paint_mix(
                deep, light, paint_smooth(0.35f, 0.95f, ripple * 0.5f + 0.5f * n));
        }
    return c;
}

// A band of the Greek key between two plain borders, for friezes and architraves.
PaintCanvas paint_meander(PaintColour ground, PaintColour figure, int seed)
{
    PaintCanvas c = paint_ground(ground, paint_shade(ground, 0.9f), 0.0f, seed);
    const int cell = PAINT_SIZE / 8;
    // One turn of the key inside a cell of 16 pixels: a hook drawn with 2-pixel strokes.
    static const char *const key[8] = {
        "########",
        "#......#",
        "#.####.#",
        "#.#..#.#",
        "#.#.##.#",
        "#.#....#",
        "#.######",
        "#.......",
    };
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < c.w; x++) {
            int kx = (x % cell) / 2, ky = y / 2;
            if (key[ky][kx] == '#')
                paint_pixel(c, x, c.h / 2 - 8 + y) = figure;
        }
    paint_rect(c, 0, c.h / 2 - 14, c.w, c.h / 2 - 11, figure, 1.0f);
    paint_rect(c, 0, c.h / 2 + 11, c.w, c.h / 2 + 14, figure, 1.0f);
    return c;
}

// A house front: wall colour with a grid of windows, lit or dark.
PaintCanvas paint_windows(PaintColour wall, PaintColour window, int seed)
{
    PaintCanvas c = paint_ground(wall, paint_shade(wall, 0.85f), 0.02f, seed);
    for (int row = 0; row < 3; row++)
        for (int col = 0; col < 4; col++) {
            int x0 = col * 32 + 10, y0 = row * 42 + 10;
            PaintColour glass = paint_hash(col, row, seed) < 0.7f ? window : paint_shade(window, 0.3f);
            paint_rect(c, x0 - 2, y0 - 2, x0 + 14, y0 + 24, paint_shade(wall, 0.6f), 1.0f);
            paint_rect(c, x0, y0, x0 + 12, y0 + 22, glass, 1.0f);
        }
    return c;
}

// Bronze, gold, iron: a polished sheen with scratches.
PaintCanvas paint_metal(PaintColour metal, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, metal);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 sheen = 0.7f + 0.5f * std::pow(std::fabs(std::sin((s + t * 0.3f) * PAINT_PI * 2.0f)), 3.0f);
            paint_pixel(c, x, y) = paint_shade(
                metal, sheen * (0.85f + 0.3f * paint_fractal(s, t, 16, 2, seed)));
        }
    return c;
}

// Rock split by glowing cracks (cell edges of scattered points): lava, obsidian, embers.
PaintCanvas paint_cracks(PaintColour rock, PaintColour glow, f32 crack_width, int seed)
{
    constexpr int POINTS = 24;
    f32 px_[POINTS], py_[POINTS];
    for (int k = 0; k < POINTS; k++) {
        px_[k] = paint_hash(k, 1, seed);
        py_[k] = paint_hash(k, 2, seed);
    }
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, rock);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 d1 = 9.0f, d2 = 9.0f;
            for (int k = 0; k < POINTS; k++) {
                // Nearest copy of the point on the repeating plane.
                f32 dx = std::fabs(s - px_[k]), dy = std::fabs(t - py_[k]);
                f32 d = std::hypot(std::min(dx, 1.0f - dx), std::min(dy, 1.0f - dy));
                if (d < d1) {
                    d2 = d1;
                    d1 = d;
                } else if (d < d2) {
                    d2 = d;
                }
            }
            f32 crack = 1.0f - paint_smooth(0.0f, crack_width, d2 - d1);
            PaintColour p = paint_shade(rock, 0.7f + 0.5f * paint_fractal(s, t, 8, 3, seed));
            paint_pixel(c, x, y) = paint_mix(p, glow, crack);
        }
    return c;
}

// Soft light on black, for additive passes: a round glow or drifting mist.
PaintCanvas paint_glow(PaintColour colour)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 d = std::hypot(paint_coord(x, c.w) - 0.5f, paint_coord(y, c.h) - 0.5f) * 2.0f;
            f32 k = std::pow(paint_clamp(1.0f - d), 2.0f);
            paint_pixel(c, x, y) = paint_alpha(paint_shade(colour, k), k);
        }
    return c;
}

PaintCanvas paint_mist(PaintColour colour, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 k = paint_smooth(0.45f, 0.85f, paint_fractal(s, t, 3, 4, seed)) * 0.8f;
            paint_pixel(c, x, y) = paint_alpha(paint_shade(colour, k), k);
        }
    return c;
}

// Round things scattered on a ground: pebbles, bones, flowers.
PaintCanvas paint_scatter(PaintCanvas ground, PaintColour thing, int count, f32 size, int seed)
{
    for (int k = 0; k < count; k++) {
        f32 x = paint_hash(k, 1, seed) * ground.w, y = paint_hash(k, 2, seed) * ground.h;
        f32 r = size * (0.5f + paint_hash(k, 3, seed));
        paint_disc(ground, x, y, r, 1.0f, paint_shade(thing, 0.8f + 0.4f * paint_hash(k, 4, seed)), 1.0f);
        paint_disc(ground, x - r * 0.3f, y - r * 0.3f, r * 0.4f, 1.0f, paint_shade(thing, 1.3f), 0.6f);
    }
    return ground;
}

// Minoan wall painting: ochre ground, blue running spirals, a red band.
PaintCanvas paint_fresco(PaintColour ground, PaintColour wave, PaintColour band, int seed)
{
    PaintCanvas c = paint_ground(ground, paint_shade(ground, 0.9f), 0.0f, seed);
    paint_rect(c, 0, 0, c.w, 18, band, 1.0f);
    paint_rect(c, 0, c.h - 18, c.w, c.h, band, 1.0f);
    for (int k = 0; k < 4; k++) {
        f32 cx = k * 32 + 16.0f, cy = c.h * 0.5f;
        for (f32 a = 0; a < 4.0f * PAINT_PI; a += 0.05f) {
            f32 r = 2.0f + a * 1.6f;
            paint_disc(c, cx + std::cos(a) * r, cy + std::sin(a) * r, 1.8f, 0.5f, wave, 1.0f);
        }
    }
    return c;
}

// A row of faces: the smiling masks of a theatre frieze, or the skulls of an underworld one
// (deep sockets, a nose hole and a row of teeth).
PaintCanvas paint_faces(PaintColour ground, PaintColour face, PaintColour dark, bool skulls, int seed)
{
    PaintCanvas c = paint_ground(ground, paint_shade(ground, 0.85f), 0.0f, seed);
    for (int k = 0; k < 2; k++) {
        f32 cx = k * 64 + 32.0f, cy = 60.0f;
        paint_disc(c, cx, cy, 24.0f, 1.5f, face, 1.0f);
        f32 eye = skulls ? 7.5f : 5.0f;
        paint_disc(c, cx - 10, cy - 4, eye, 1.0f, dark, 1.0f);
        paint_disc(c, cx + 10, cy - 4, eye, 1.0f, dark, 1.0f);
        if (!skulls) {
            for (f32 a = 0.2f * PAINT_PI; a < 0.8f * PAINT_PI; a += 0.02f)
                paint_disc(c, cx + std::cos(a) * 11, cy + 6 + std::sin(a) * 8, 1.6f, 0.5f, dark, 1.0f);
            continue;
        }
        paint_disc(c, cx, cy + 7, 2.5f, 0.5f, dark, 1.0f);
        paint_rect(c, static_cast<int>(cx) - 12, static_cast<int>(cy) + 14, static_cast<int>(cx) + 12,
            static_cast<int>(cy) + 26, face, 1.0f);
        for (int t = -12; t < 12; t += 4)
            paint_rect(c, static_cast<int>(cx) + t, static_cast<int>(cy) + 15, static_cast<int>(cx) + t + 1,
                static_cast<int>(cy) + 25, dark, 1.0f);
    }
    return c;
}

// Iron bars on a dark ground (a gate, a grille).
PaintCanvas paint_bars(PaintColour iron, PaintColour behind, int seed)
{
    PaintCanvas c = paint_ground(behind, paint_shade(behind, 0.6f), 0.0f, seed);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            bool bar = (x % 16) < 4 || (y % 64) < 5;
            if (bar)
                paint_pixel(c, x, y) = paint_shade(iron, 0.8f + 0.4f * std::sin((x % 16) * PAINT_PI / 4.0f));
        }
    return c;
}

// Links of a chain, vertical, on black.
PaintCanvas paint_chain(PaintColour iron)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(10, 10, 10));
    for (int k = 0; k < 8; k++) {
        f32 cy = k * 16 + 8.0f;
        paint_disc(c, 64.0f, cy, 9.0f, 1.0f, iron, 1.0f);
        paint_disc(c, 64.0f, cy, 5.0f, 1.0f, paint_rgb(10, 10, 10), 1.0f);
    }
    return c;
}

// Small square stones in rings of three colours round the picture's centre.
PaintCanvas paint_mosaic(PaintColour inner, PaintColour middle, PaintColour outer, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(40, 35, 30));
    const int stone = 8;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            int cx = x / stone, cy = y / stone;
            if (x % stone == 0 || y % stone == 0)
                continue;
            f32 ring = std::hypot(cx + 0.5f - 8.0f, cy + 0.5f - 8.0f);
            int band = static_cast<int>(ring) % 3;
            PaintColour p = band == 0 ? inner : band == 1 ? middle : outer;
            paint_pixel(c, x, y) = paint_shade(p, 0.85f + 0.3f * paint_hash(cx, cy, seed));
        }
    return c;
}

std::vector<u8> paint_bytes(const PaintCanvas &c)
{
    std::vector<u8> out(static_cast<size_t>(c.w) * c.h * 4);
    for (size_t i = 0; i < c.px.size(); i++) {
        const PaintColour &p = c.px[i];
        out[4 * i] = static_cast<u8>(paint_clamp(p.r) * 255.0f + 0.5f);
        out[4 * i + 1] = static_cast<u8>(paint_clamp(p.g) * 255.0f + 0.5f);
        out[4 * i + 2] = static_cast<u8>(paint_clamp(p.b) * 255.0f + 0.5f);
        out[4 * i + 3] = static_cast<u8>(paint_clamp(p.a) * 255.0f + 0.5f);
    }
    return out;
}
