// The procedural painting kit: colours, canvases, tileable noise and the painters of stone,
// wood, cloth, leaves, fire and water that the content steps make their pictures with.
#include "tools/databuild/databuild.h"

#include <algorithm>
#include <cmath>

// ---- colours and canvases -------------------------------------------------------------

Rgba rgb(int r, int g, int b)
{
    return {r / 255.0f, g / 255.0f, b / 255.0f, 1.0f};
}

Rgba colour_mix(Rgba a, Rgba b, f32 t)
{
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t, a.a + (b.a - a.a) * t};
}

Rgba colour_shade(Rgba c, f32 k)
{
    return {c.r * k, c.g * k, c.b * k, c.a};
}

Rgba colour_alpha(Rgba c, f32 a)
{
    return {c.r, c.g, c.b, a};
}

f32 unit_clamp(f32 v)
{
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}

f32 smooth_step(f32 edge0, f32 edge1, f32 v)
{
    f32 t = unit_clamp((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

Canvas canvas_new(int w, int h, Rgba fill)
{
    Canvas c;
    c.w = w;
    c.h = h;
    c.px.assign(static_cast<size_t>(w) * h, fill);
    return c;
}

Rgba &canvas_pixel(Canvas &c, int x, int y)
{
    x = ((x % c.w) + c.w) % c.w;
    y = ((y % c.h) + c.h) % c.h;
    return c.px[static_cast<size_t>(y) * c.w + x];
}

void canvas_blend(Canvas &c, int x, int y, Rgba colour, f32 alpha)
{
    Rgba &p = canvas_pixel(c, x, y);
    Rgba out = colour_mix(p, colour, unit_clamp(alpha));
    out.a = p.a + (1.0f - p.a) * unit_clamp(alpha) * colour.a;
    p = out;
}

void canvas_rect(Canvas &c, int x0, int y0, int x1, int y1, Rgba colour, f32 alpha)
{
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++)
            canvas_blend(c, x, y, colour, alpha);
}

// A disc with a soft rim `soft` pixels wide.
void canvas_disc(Canvas &c, f32 cx, f32 cy, f32 radius, f32 soft, Rgba colour, f32 alpha)
{
    int r = static_cast<int>(radius + soft) + 1;
    for (int y = static_cast<int>(cy) - r; y <= static_cast<int>(cy) + r; y++)
        for (int x = static_cast<int>(cx) - r; x <= static_cast<int>(cx) + r; x++) {
            f32 d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            f32 k = 1.0f - smooth_step(radius - soft, radius + soft * 0.01f, d);
            if (k > 0.0f)
                canvas_blend(c, x, y, colour, alpha * k);
        }
}

// ---- noise --------------------------------------------------------------------------------
f32 noise_hash(int x, int y, int seed)
{
    u32 h = static_cast<u32>(x) * 374761393u + static_cast<u32>(y) * 668265263u + static_cast<u32>(seed) * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    return static_cast<f32>((h ^ (h >> 16)) & 0xffffff) / 16777216.0f;
}

static f32 noise_lattice(int x, int y, int period, int seed)
{
    return noise_hash(((x % period) + period) % period, ((y % period) + period) % period, seed);
}

// Smooth value noise on a lattice that repeats every `period` cells, at u, v in cell units.
f32 noise_value(f32 u, f32 v, int period, int seed)
{
    int x0 = static_cast<int>(std::floor(u)), y0 = static_cast<int>(std::floor(v));
    f32 fx = u - x0, fy = v - y0;
    fx = fx * fx * (3.0f - 2.0f * fx);
    fy = fy * fy * (3.0f - 2.0f * fy);
    f32 top = noise_lattice(x0, y0, period, seed) + (noise_lattice(x0 + 1, y0, period, seed) - noise_lattice(x0, y0, period, seed)) * fx;
    f32 bottom = noise_lattice(x0, y0 + 1, period, seed) + (noise_lattice(x0 + 1, y0 + 1, period, seed) - noise_lattice(x0, y0 + 1, period, seed)) * fx;
    return top + (bottom - top) * fy;
}

// Tileable fractal noise over the unit square (s, t in 0..1), about 0..1.
f32 noise_fractal(f32 s, f32 t, int period, int octaves, int seed)
{
    f32 sum = 0.0f, weight = 0.5f, total = 0.0f;
    for (int o = 0; o < octaves; o++) {
        sum += weight * noise_value(s * period, t * period, period, seed + o * 17);
        total += weight;
        weight *= 0.5f;
        period *= 2;
    }
    return sum / total;
}


// ---- painters -------------------------------------------------------------------------------
// Every painter makes one square picture of TEXTURE_SIZE pixels unless it says otherwise;
// coordinates s, t run 0..1 across it (t = 0 at the top row).

f32 canvas_coord(int i, int size)
{
    return (i + 0.5f) / size;
}

// Cut stone or marble: cols x rows blocks (every other row shifted half a block when
// `bond`), each block a little different, with dark joints, bevelled edges and, for marble,
// veins.
Canvas paint_blocks(Rgba stone, Rgba joint, int cols, int rows, bool bond, f32 veins, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, stone);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            int row = static_cast<int>(t * rows);
            f32 u = s * cols + (bond && (row & 1) ? 0.5f : 0.0f);
            int col = static_cast<int>(std::floor(u));
            f32 fu = u - col, fv = t * rows - row;
            f32 edge = std::min(std::min(fu, 1.0f - fu) * TEXTURE_SIZE / cols, std::min(fv, 1.0f - fv) * TEXTURE_SIZE / rows);
            f32 tint = 0.85f + 0.3f * noise_hash(col % cols, row, seed);
            f32 grain = noise_fractal(s, t, 8, 4, seed);
            Rgba p = colour_shade(stone, tint * (0.8f + 0.4f * grain));
            if (veins > 0.0f) {
                f32 vein = std::fabs(std::sin((s * 3.0f + t * 2.0f + noise_fractal(s, t, 4, 4, seed + 5) * 3.0f) * PAINT_PI * 2.0f));
                p = colour_mix(p, colour_shade(joint, 1.2f), veins * (1.0f - smooth_step(0.0f, 0.12f, vein)));
            }
            if (edge < 1.5f)
                p = joint;
            else if (edge < 3.5f)
                p = colour_shade(p, 0.8f + 0.06f * edge);
            canvas_pixel(c, x, y) = colour_alpha(p, 1.0f);
        }
    return c;
}

// Boards running across the picture, with grain and dark gaps.
Canvas paint_planks(Rgba wood, int planks, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, wood);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            int plank = static_cast<int>(t * planks);
            f32 fv = t * planks - plank;
            f32 grain = std::sin((fv * 6.0f + noise_fractal(s, t, 4, 3, seed + plank) * 5.0f) * PAINT_PI);
            Rgba p = colour_shade(wood, (0.8f + 0.25f * noise_hash(plank, 0, seed)) * (0.85f + 0.15f * grain));
            if (fv < 0.06f || fv > 0.94f)
                p = colour_shade(wood, 0.35f);
            canvas_pixel(c, x, y) = p;
        }
    return c;
}

// Earth, sand, grass, ash: two colours mixed by noise, with a speckle of the darker one.
Canvas paint_ground(Rgba a, Rgba b, f32 speckle, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, a);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 n = noise_fractal(s, t, 4, 5, seed);
            Rgba p = colour_mix(a, b, smooth_step(0.3f, 0.7f, n));
            if (noise_hash(x, y, seed + 1) < speckle)
                p = colour_shade(p, 0.7f);
            canvas_pixel(c, x, y) = p;
        }
    return c;
}

// A column shaft: vertical flutes shaded as hollows.
Canvas paint_flutes(Rgba stone, int flutes, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, stone);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 hollow = 0.5f + 0.5f * std::cos(s * flutes * 2.0f * PAINT_PI);
            canvas_pixel(c, x, y) = colour_shade(stone, (0.7f + 0.3f * hollow) * (0.9f + 0.2f * noise_fractal(s, t, 8, 3, seed)));
        }
    return c;
}

// Rows of round-backed roof tiles.
Canvas paint_roof_tiles(Rgba tile, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, tile);
    const int cols = 8, rows = 8;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            int row = static_cast<int>(t * rows);
            f32 u = s * cols + (row & 1) * 0.5f;
            f32 fu = u - std::floor(u), fv = t * rows - row;
            f32 round = std::sin(fu * PAINT_PI);
            Rgba p = colour_shade(tile, (0.55f + 0.45f * round) * (1.0f - 0.35f * fv) * (0.9f + 0.2f * noise_hash(static_cast<int>(u), row, seed)));
            canvas_pixel(c, x, y) = p;
        }
    return c;
}

void paint_emblem(Canvas &c, Emblem emblem, Rgba colour)
{
    f32 cx = c.w * 0.5f, cy = c.h * 0.42f, r = c.w * 0.2f;
    switch (emblem) {
    case EMBLEM_DISC:
        canvas_disc(c, cx, cy, r, 1.5f, colour, 1.0f);
        break;
    case EMBLEM_OWL:
        canvas_disc(c, cx, cy + r * 0.6f, r * 0.9f, 1.5f, colour, 1.0f);
        canvas_disc(c, cx - r * 0.45f, cy - r * 0.35f, r * 0.45f, 1.0f, colour, 1.0f);
        canvas_disc(c, cx + r * 0.45f, cy - r * 0.35f, r * 0.45f, 1.0f, colour, 1.0f);
        canvas_disc(c, cx - r * 0.45f, cy - r * 0.35f, r * 0.18f, 1.0f, colour_shade(colour, 0.2f), 1.0f);
        canvas_disc(c, cx + r * 0.45f, cy - r * 0.35f, r * 0.18f, 1.0f, colour_shade(colour, 0.2f), 1.0f);
        break;
    case EMBLEM_RAYS:
        canvas_disc(c, cx, cy, r * 0.5f, 1.0f, colour, 1.0f);
        for (int k = 0; k < 12; k++)
            for (f32 d = r * 0.6f; d < r * 1.4f; d += 0.5f)
                canvas_disc(c, cx + std::cos(k * PAINT_PI / 6) * d, cy + std::sin(k * PAINT_PI / 6) * d, 1.2f, 0.5f, colour, 1.0f);
        break;
    case EMBLEM_HORNS:
        canvas_rect(c, static_cast<int>(cx - r), static_cast<int>(cy + r * 0.3f), static_cast<int>(cx + r), static_cast<int>(cy + r * 0.8f), colour, 1.0f);
        canvas_rect(c, static_cast<int>(cx - r), static_cast<int>(cy - r), static_cast<int>(cx - r * 0.55f), static_cast<int>(cy + r * 0.5f), colour, 1.0f);
        canvas_rect(c, static_cast<int>(cx + r * 0.55f), static_cast<int>(cy - r), static_cast<int>(cx + r), static_cast<int>(cy + r * 0.5f), colour, 1.0f);
        break;
    case EMBLEM_STRIPES:
        for (int y = 0; y < c.h; y++)
            for (int x = 0; x < c.w; x++)
                if ((x / (c.w / 8)) & 1)
                    canvas_blend(c, x, y, colour, 1.0f);
        break;
    case EMBLEM_NONE:
        break;
    }
}

// A hanging cloth: coloured field, trim along the edges, an emblem and a swallow-tailed foot
// cut out by alpha (the arena draws it alpha-tested).
Canvas paint_banner(Rgba cloth, Rgba trim, Rgba emblem_colour, Emblem emblem, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, cloth);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            canvas_pixel(c, x, y) = colour_shade(cloth, 0.85f + 0.25f * noise_fractal(s, t, 4, 3, seed));
        }
    paint_emblem(c, emblem, emblem_colour);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 border = std::min(std::min(s, 1.0f - s), t);
            if (border < 0.07f)
                canvas_pixel(c, x, y) = trim;
            // The foot: a notch rising from the bottom edge in the middle.
            f32 notch = 0.82f + 0.6f * std::fabs(s - 0.5f);
            if (t > notch)
                canvas_pixel(c, x, y).a = 0.0f;
        }
    return c;
}

// A crown of leaves on a transparent ground, for alpha-tested crossed sprites.
Canvas paint_leaves(Rgba light, Rgba dark, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, colour_alpha(dark, 0.0f));
    for (int k = 0; k < 420; k++) {
        f32 a = noise_hash(k, 1, seed) * 2.0f * PAINT_PI, d = std::sqrt(noise_hash(k, 2, seed)) * 0.46f;
        f32 x = (0.5f + std::cos(a) * d) * c.w, y = (0.5f + std::sin(a) * d * 0.9f) * c.h;
        Rgba leaf = colour_mix(dark, light, noise_hash(k, 3, seed) * (1.0f - d));
        f32 size = 2.0f + 3.0f * noise_hash(k, 4, seed);
        int r = static_cast<int>(size) + 1;
        for (int yy = -r; yy <= r; yy++)
            for (int xx = -r; xx <= r; xx++)
                if (xx * xx * 0.5f + yy * yy < size * size && x + xx >= 0 && x + xx < c.w && y + yy >= 0 && y + yy < c.h)
                    canvas_pixel(c, static_cast<int>(x) + xx, static_cast<int>(y) + yy) = leaf;
    }
    return c;
}

// Reeds, grass tufts and flowers: thin blades rising from the bottom edge, with heads.
Canvas paint_blades(Rgba blade, Rgba head, int count, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, colour_alpha(blade, 0.0f));
    for (int k = 0; k < count; k++) {
        f32 x0 = (0.05f + 0.9f * noise_hash(k, 1, seed)) * c.w;
        f32 lean = (noise_hash(k, 2, seed) - 0.5f) * 0.5f;
        f32 height = (0.4f + 0.55f * noise_hash(k, 3, seed)) * c.h;
        for (f32 d = 0; d < height; d += 0.5f) {
            int x = static_cast<int>(x0 + lean * d), y = c.h - 1 - static_cast<int>(d);
            if (x >= 1 && x < c.w - 1)
                canvas_pixel(c, x, y) = canvas_pixel(c, x + 1, y) = colour_shade(blade, 0.7f + 0.5f * d / height);
        }
        if (head.a > 0.0f)
            canvas_disc(c, x0 + lean * height, c.h - 1 - height, 3.5f, 1.0f, head, 1.0f);
    }
    return c;
}

// A tongue of fire: white-yellow core, red rim, cut out by alpha.
Canvas paint_flame(Rgba core, Rgba rim, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, colour_alpha(rim, 0.0f));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 rise = 1.0f - t;   // 0 at the foot, 1 at the tip
            f32 width = 0.42f * std::sqrt(std::max(0.0f, 1.0f - rise)) * (0.8f + 0.4f * noise_fractal(s, t, 4, 3, seed));
            f32 d = std::fabs(s - 0.5f) / std::max(width, 0.001f);
            if (d >= 1.0f || rise < 0.03f)
                continue;
            Rgba p = colour_mix(core, rim, smooth_step(0.2f, 0.9f, d) * 0.7f + rise * 0.3f);
            canvas_pixel(c, x, y) = colour_alpha(p, 1.0f);
        }
    return c;
}

// Water: a deep colour crossed by bright ripples.
Canvas paint_water(Rgba deep, Rgba light, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, deep);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 n = noise_fractal(s, t, 4, 4, seed);
            f32 ripple = std::sin((t * 6.0f + n * 2.5f) * 2.0f * PAINT_PI) * std::sin((s * 2.0f + n) * 2.0f * PAINT_PI);
            canvas_pixel(c, x, y) = colour_mix(deep, light, smooth_step(0.35f, 0.95f, ripple * 0.5f + 0.5f * n));
        }
    return c;
}

// A band of the Greek key between two plain borders, for friezes and architraves.
Canvas paint_meander(Rgba ground, Rgba figure, int seed)
{
    Canvas c = paint_ground(ground, colour_shade(ground, 0.9f), 0.0f, seed);
    const int cell = TEXTURE_SIZE / 8;
    // One turn of the key inside a cell of 16 pixels: a hook drawn with 2-pixel strokes.
    static const char *const key[8] = {
        "########", "#......#", "#.####.#", "#.#..#.#", "#.#.##.#", "#.#....#", "#.######", "#.......",
    };
    for (int y = 0; y < 16; y++)
        for (int x = 0; x < c.w; x++) {
            int kx = (x % cell) / 2, ky = y / 2;
            if (key[ky][kx] == '#')
                canvas_pixel(c, x, c.h / 2 - 8 + y) = figure;
        }
    canvas_rect(c, 0, c.h / 2 - 14, c.w, c.h / 2 - 11, figure, 1.0f);
    canvas_rect(c, 0, c.h / 2 + 11, c.w, c.h / 2 + 14, figure, 1.0f);
    return c;
}

// A house front: wall colour with a grid of windows, lit or dark.
Canvas paint_windows(Rgba wall, Rgba window, int seed)
{
    Canvas c = paint_ground(wall, colour_shade(wall, 0.85f), 0.02f, seed);
    for (int row = 0; row < 3; row++)
        for (int col = 0; col < 4; col++) {
            int x0 = col * 32 + 10, y0 = row * 42 + 10;
            Rgba glass = noise_hash(col, row, seed) < 0.7f ? window : colour_shade(window, 0.3f);
            canvas_rect(c, x0 - 2, y0 - 2, x0 + 14, y0 + 24, colour_shade(wall, 0.6f), 1.0f);
            canvas_rect(c, x0, y0, x0 + 12, y0 + 22, glass, 1.0f);
        }
    return c;
}

// Bronze, gold, iron: a polished sheen with scratches.
Canvas paint_metal(Rgba metal, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, metal);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 sheen = 0.7f + 0.5f * std::pow(std::fabs(std::sin((s + t * 0.3f) * PAINT_PI * 2.0f)), 3.0f);
            canvas_pixel(c, x, y) = colour_shade(metal, sheen * (0.85f + 0.3f * noise_fractal(s, t, 16, 2, seed)));
        }
    return c;
}

// Rock split by glowing cracks (cell edges of scattered points): lava, obsidian, embers.
Canvas paint_cracks(Rgba rock, Rgba glow, f32 crack_width, int seed)
{
    constexpr int POINTS = 24;
    f32 px_[POINTS], py_[POINTS];
    for (int k = 0; k < POINTS; k++) {
        px_[k] = noise_hash(k, 1, seed);
        py_[k] = noise_hash(k, 2, seed);
    }
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, rock);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
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
            f32 crack = 1.0f - smooth_step(0.0f, crack_width, d2 - d1);
            Rgba p = colour_shade(rock, 0.7f + 0.5f * noise_fractal(s, t, 8, 3, seed));
            canvas_pixel(c, x, y) = colour_mix(p, glow, crack);
        }
    return c;
}

// Soft light on black, for additive passes: a round glow or drifting mist.
Canvas paint_glow(Rgba colour)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 d = std::hypot(canvas_coord(x, c.w) - 0.5f, canvas_coord(y, c.h) - 0.5f) * 2.0f;
            f32 k = std::pow(unit_clamp(1.0f - d), 2.0f);
            canvas_pixel(c, x, y) = colour_alpha(colour_shade(colour, k), k);
        }
    return c;
}

Canvas paint_mist(Rgba colour, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = canvas_coord(x, c.w), t = canvas_coord(y, c.h);
            f32 k = smooth_step(0.45f, 0.85f, noise_fractal(s, t, 3, 4, seed)) * 0.8f;
            canvas_pixel(c, x, y) = colour_alpha(colour_shade(colour, k), k);
        }
    return c;
}

// Round things scattered on a ground: pebbles, bones, flowers.
Canvas paint_scatter(Canvas ground, Rgba thing, int count, f32 size, int seed)
{
    for (int k = 0; k < count; k++) {
        f32 x = noise_hash(k, 1, seed) * ground.w, y = noise_hash(k, 2, seed) * ground.h;
        f32 r = size * (0.5f + noise_hash(k, 3, seed));
        canvas_disc(ground, x, y, r, 1.0f, colour_shade(thing, 0.8f + 0.4f * noise_hash(k, 4, seed)), 1.0f);
        canvas_disc(ground, x - r * 0.3f, y - r * 0.3f, r * 0.4f, 1.0f, colour_shade(thing, 1.3f), 0.6f);
    }
    return ground;
}

// Minoan wall painting: ochre ground, blue running spirals, a red band.
Canvas paint_fresco(Rgba ground, Rgba wave, Rgba band, int seed)
{
    Canvas c = paint_ground(ground, colour_shade(ground, 0.9f), 0.0f, seed);
    canvas_rect(c, 0, 0, c.w, 18, band, 1.0f);
    canvas_rect(c, 0, c.h - 18, c.w, c.h, band, 1.0f);
    for (int k = 0; k < 4; k++) {
        f32 cx = k * 32 + 16.0f, cy = c.h * 0.5f;
        for (f32 a = 0; a < 4.0f * PAINT_PI; a += 0.05f) {
            f32 r = 2.0f + a * 1.6f;
            canvas_disc(c, cx + std::cos(a) * r, cy + std::sin(a) * r, 1.8f, 0.5f, wave, 1.0f);
        }
    }
    return c;
}

// A row of faces: the smiling masks of a theatre frieze, or the skulls of an underworld one
// (deep sockets, a nose hole and a row of teeth).
Canvas paint_faces(Rgba ground, Rgba face, Rgba dark, bool skulls, int seed)
{
    Canvas c = paint_ground(ground, colour_shade(ground, 0.85f), 0.0f, seed);
    for (int k = 0; k < 2; k++) {
        f32 cx = k * 64 + 32.0f, cy = 60.0f;
        canvas_disc(c, cx, cy, 24.0f, 1.5f, face, 1.0f);
        f32 eye = skulls ? 7.5f : 5.0f;
        canvas_disc(c, cx - 10, cy - 4, eye, 1.0f, dark, 1.0f);
        canvas_disc(c, cx + 10, cy - 4, eye, 1.0f, dark, 1.0f);
        if (!skulls) {
            for (f32 a = 0.2f * PAINT_PI; a < 0.8f * PAINT_PI; a += 0.02f)
                canvas_disc(c, cx + std::cos(a) * 11, cy + 6 + std::sin(a) * 8, 1.6f, 0.5f, dark, 1.0f);
            continue;
        }
        canvas_disc(c, cx, cy + 7, 2.5f, 0.5f, dark, 1.0f);
        canvas_rect(c, static_cast<int>(cx) - 12, static_cast<int>(cy) + 14, static_cast<int>(cx) + 12, static_cast<int>(cy) + 26, face, 1.0f);
        for (int t = -12; t < 12; t += 4)
            canvas_rect(c, static_cast<int>(cx) + t, static_cast<int>(cy) + 15, static_cast<int>(cx) + t + 1, static_cast<int>(cy) + 25, dark, 1.0f);
    }
    return c;
}

// Iron bars on a dark ground (a gate, a grille).
Canvas paint_bars(Rgba iron, Rgba behind, int seed)
{
    Canvas c = paint_ground(behind, colour_shade(behind, 0.6f), 0.0f, seed);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            bool bar = (x % 16) < 4 || (y % 64) < 5;
            if (bar)
                canvas_pixel(c, x, y) = colour_shade(iron, 0.8f + 0.4f * std::sin((x % 16) * PAINT_PI / 4.0f));
        }
    return c;
}

// Links of a chain, vertical, on black.
Canvas paint_chain(Rgba iron)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, rgb(10, 10, 10));
    for (int k = 0; k < 8; k++) {
        f32 cy = k * 16 + 8.0f;
        canvas_disc(c, 64.0f, cy, 9.0f, 1.0f, iron, 1.0f);
        canvas_disc(c, 64.0f, cy, 5.0f, 1.0f, rgb(10, 10, 10), 1.0f);
    }
    return c;
}



// Small square stones in rings of three colours round the picture's centre.
Canvas paint_mosaic(Rgba inner, Rgba middle, Rgba outer, int seed)
{
    Canvas c = canvas_new(TEXTURE_SIZE, TEXTURE_SIZE, rgb(40, 35, 30));
    const int stone = 8;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            int cx = x / stone, cy = y / stone;
            if (x % stone == 0 || y % stone == 0)
                continue;
            f32 ring = std::hypot(cx + 0.5f - 8.0f, cy + 0.5f - 8.0f);
            int band = static_cast<int>(ring) % 3;
            Rgba p = band == 0 ? inner : band == 1 ? middle : outer;
            canvas_pixel(c, x, y) = colour_shade(p, 0.85f + 0.3f * noise_hash(cx, cy, seed));
        }
    return c;
}


std::vector<u8> canvas_bytes(const Canvas &c)
{
    std::vector<u8> out(static_cast<size_t>(c.w) * c.h * 4);
    for (size_t i = 0; i < c.px.size(); i++) {
        const Rgba &p = c.px[i];
        out[4 * i] = static_cast<u8>(unit_clamp(p.r) * 255.0f + 0.5f);
        out[4 * i + 1] = static_cast<u8>(unit_clamp(p.g) * 255.0f + 0.5f);
        out[4 * i + 2] = static_cast<u8>(unit_clamp(p.b) * 255.0f + 0.5f);
        out[4 * i + 3] = static_cast<u8>(unit_clamp(p.a) * 255.0f + 0.5f);
    }
    return out;
}
