// The arenas' skies, sun, reflections and lightmaps: the painted panoramas cut into three
// panels, the sun disc and its flare, the rain's sphere map and puddles, and the light baked
// into floors, walls and props.
#include "tools/databuild/arenas/arena_kit.h"

#include <algorithm>
#include <cmath>

// ---- skies, sun, reflections and lightmaps ---------------------------------------------
constexpr int LIGHTMAP_SIZE = 64;   // side of a wall or prop lightmap
constexpr int SKY_SIZE = 256;       // side of a sky panel
constexpr f32 SKY_HORIZON = 0.67f;  // the horizon's height, from the top of the panel

PaintCanvas paint_sky_strip(const SkyStyle &sky)
{
    PaintCanvas c = paint_canvas(SKY_SIZE * 3, SKY_SIZE, sky.zenith);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            PaintColour p = paint_mix(sky.zenith, sky.horizon, std::pow(paint_clamp(t / SKY_HORIZON), 1.6f));
            f32 cloud = paint_smooth(
                1.0f - sky.clouds * 0.6f, 1.0f, paint_fractal(s, t * 0.33f, 4, 5, sky.seed) + 0.25f);
            p = paint_mix(p, sky.cloud, cloud * paint_clamp(1.2f - t / SKY_HORIZON));
            if (sky.stars && t < SKY_HORIZON * 0.8f && paint_hash(x, y, sky.seed + 3) < sky.stars / 10000.0f)
                p = paint_rgb(255, 255, 230);
            f32 hill = SKY_HORIZON -
                       sky.land_height * (0.4f + 0.6f * paint_fractal(s, 0.5f, 6, 3, sky.seed + 9));
            if (t > hill)
                p = paint_shade(
                    sky.land, 0.75f + 0.35f * paint_fractal(s, t, 16, 3, sky.seed + 11) - 0.3f * (t - hill));
            if (sky.hanging_rock) {
                f32 tooth = 0.12f +
                            0.25f * std::pow(std::fabs(std::sin(
                                                 s * 23.0f + paint_fractal(s, 0.1f, 8, 2, sky.seed) * 4.0f)),
                                        6.0f);
                if (t < tooth)
                    p = paint_shade(sky.land, 0.6f + 0.8f * t);
            }
            paint_pixel(c, x, y) = paint_alpha(p, 1.0f);
        }
    return c;
}

PaintCanvas cut_panel(const PaintCanvas &strip, int panel)
{
    PaintCanvas c = paint_canvas(SKY_SIZE, SKY_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < SKY_SIZE; y++)
        for (int x = 0; x < SKY_SIZE; x++)
            c.px[static_cast<size_t>(y) * SKY_SIZE + x] =
                strip.px[static_cast<size_t>(y) * strip.w + panel * SKY_SIZE + x];
    return c;
}

PaintCanvas paint_sun_disc()
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 d = std::hypot(paint_coord(x, c.w) - 0.5f, paint_coord(y, c.h) - 0.5f) * 2.0f;
            f32 disc = 1.0f - paint_smooth(0.45f, 0.5f, d);
            f32 halo = std::pow(paint_clamp(1.0f - d), 3.0f) * 0.6f;
            paint_pixel(c, x, y) = paint_mix(
                paint_shade(paint_rgb(255, 200, 120), halo), paint_rgb(255, 250, 225), disc);
        }
    return c;
}

PaintCanvas paint_sun_flare()
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 dx = paint_coord(x, c.w) - 0.5f, dy = paint_coord(y, c.h) - 0.5f;
            f32 d = std::hypot(dx, dy) * 2.0f, a = std::atan2(dy, dx);
            f32 rays = std::pow(std::fabs(std::cos(a * 6.0f)), 20.0f) * paint_clamp(1.0f - d);
            f32 ring = std::exp(-std::pow((d - 0.7f) * 18.0f, 2.0f)) * 0.35f;
            f32 core = std::pow(paint_clamp(1.0f - d * 2.0f), 2.0f);
            f32 k = paint_clamp(rays * 0.8f + ring + core);
            paint_pixel(c, x, y) = paint_shade(paint_rgb(255, 220, 170), k);
        }
    return c;
}

PaintCanvas paint_reflection_map(int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(0, 0, 0));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 d = std::hypot(s - 0.5f, t - 0.5f) * 2.0f;
            PaintColour sky = paint_mix(paint_rgb(60, 70, 100), paint_rgb(10, 12, 25), paint_clamp(d));
            sky = paint_mix(sky, paint_rgb(120, 125, 140),
                paint_smooth(0.55f, 0.9f, paint_fractal(s, t, 4, 4, seed)) * 0.5f);
            paint_pixel(c, x, y) = paint_alpha(sky, 0.55f);
        }
    for (int k = 0; k < 6; k++)
        paint_disc(c, 20.0f + 17.0f * k, 70.0f + 10.0f * std::sin(k * 1.7f), 3.0f, 3.0f,
            paint_alpha(paint_rgb(255, 200, 120), 0.9f), 1.0f);
    return c;
}

PaintCanvas paint_puddles(PaintColour sheen, f32 wet, int seed)
{
    PaintCanvas c = paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_alpha(sheen, 0.0f));
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            f32 k = paint_smooth(0.5f - wet * 0.3f, 0.6f, paint_fractal(s, t, 3, 4, seed));
            paint_pixel(c, x, y) = paint_alpha(paint_shade(sheen, 0.8f + 0.2f * k), 0.15f + 0.6f * k);
        }
    return c;
}

static bool floor_shadowed(const FloorLighting &lighting, f32 x, f32 y)
{
    if (lighting.light[2] <= 0.1f)
        return false;   // a light from below casts no floor shadow
    f32 run_x = lighting.light[0] / lighting.light[2], run_y = lighting.light[1] / lighting.light[2];
    for (const FloorShadow &s : lighting.shadows)
        for (int k = 0; k <= 8; k++) {
            f32 h = s.height * k / 8.0f;
            f32 px = x + run_x * h, py = y + run_y * h;
            if (px >= s.x0 && px <= s.x1 && py >= s.y0 && py <= s.y1)
                return true;
        }
    return false;
}

PaintCanvas paint_floor_lightmap(const FloorLighting &lighting)
{
    const int size = PAINT_SIZE;
    PaintCanvas c = paint_canvas(size, size, lighting.ambient);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            // Lightmap v = 0 is the far edge (y = +FLOOR_HALF), as the floor maps it.
            f32 wx = -FLOOR_HALF + paint_coord(x, size) * 2.0f * FLOOR_HALF;
            f32 wy = FLOOR_HALF - paint_coord(y, size) * 2.0f * FLOOR_HALF;
            f32 edge = 1.0f - 0.35f * paint_smooth(120.0f, 220.0f, std::max(std::fabs(wx), std::fabs(wy)));
            PaintColour p = floor_shadowed(lighting, wx, wy) ? lighting.ambient : lighting.lit;
            p = paint_shade(p, edge);
            for (const FloorGlow &g : lighting.glows) {
                f32 k = std::pow(paint_clamp(1.0f - std::hypot(wx - g.x, wy - g.y) / g.radius), 2.0f);
                p = {p.r + g.colour.r * k, p.g + g.colour.g * k, p.b + g.colour.b * k, 1.0f};
            }
            paint_pixel(c, x, y) = {paint_clamp(p.r), paint_clamp(p.g), paint_clamp(p.b), 1.0f};
        }
    return c;
}

PaintCanvas paint_face_lightmap(PaintColour top, PaintColour bottom, int seed)
{
    PaintCanvas c = paint_canvas(LIGHTMAP_SIZE, LIGHTMAP_SIZE, top);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 s = paint_coord(x, c.w), t = paint_coord(y, c.h);
            PaintColour p = paint_mix(top, bottom, paint_smooth(0.0f, 1.0f, t));
            paint_pixel(c, x, y) = paint_shade(p, 0.9f + 0.2f * paint_fractal(s, t, 4, 2, seed));
        }
    return c;
}
