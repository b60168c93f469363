// The ten arenas: for each, the scenery model (floor at z = 0 round the fight axis, the
// arena's own buildings and props), the scenery skeleton whose keys move banners, water and
// fire, and every picture its slot table names (textures, lightmaps, sky panels, sun).
#include "tools/databuild/databuild.h"

#include "arenas/arenas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

// ---- skies, sun, reflections and lightmaps ---------------------------------------------
namespace {

constexpr int LIGHTMAP_SIZE = 64;   // side of a wall or prop lightmap
constexpr int SKY_SIZE = 256;       // side of a sky panel

// A sky panorama, painted as one strip three panels wide and cut into the left, centre and
// right panels. The horizon sits two thirds of the way down: that is where the panorama
// drawer puts the camera's eye level.
struct SkyStyle {
    PaintColour zenith, horizon, land;   // top of the sky, sky at the horizon, the distant land
    f32 clouds;                          // 0 clear .. 1 overcast
    PaintColour cloud;
    f32 land_height;     // hills above the horizon, fraction of the panel height
    int stars;           // night skies: bright dots in the upper sky
    bool hanging_rock;   // Hades: rock teeth hanging from the top edge
    int seed;
};

constexpr f32 SKY_HORIZON = 0.67f;

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

// The sun disc and its flare, on black: both are drawn adding their colour.
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

// A sphere map for the rain arena's wet floor: a night sky with a few warm lights, seen as
// a reflection.
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

// Standing water on the paving: blotches of sheen whose alpha says how wet each spot is.
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

// Light baked into the floor: ambient, the arena light, the shadows the standing scenery
// casts away from it, and pools of firelight.
struct FloorShadow {
    f32 x0, y0, x1, y1;   // footprint on the floor, world units
    f32 height;
};

struct FloorGlow {
    f32 x, y, radius;
    PaintColour colour;
};

struct FloorLighting {
    PaintColour ambient;   // lightmap value in paint_shade (0.5 shows the texture as it is)
    PaintColour lit;       // where the arena light falls
    f32 light[3];          // direction toward the arena light
    std::vector<FloorShadow> shadows;
    std::vector<FloorGlow> glows;
};

// The floor lightmap covers this square of the world.
constexpr f32 FLOOR_HALF = 220.0f;

bool floor_shadowed(const FloorLighting &lighting, f32 x, f32 y)
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

// Light baked into walls and props: brighter above, darker toward the ground.
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

} // namespace

// ---- building one arena ----------------------------------------------------------------------
namespace {

struct ArenaBuild {
    StageId stage;
    EmdModel model;
    EsqSkeleton skeleton;
    PaintCanvas pictures[STAGE_TEXTURE_SLOTS];   // by slot; empty where the arena fills none
    FloorLighting floor;
};

struct Uv {
    f32 u, v;
};

// Where a world point falls on the floor lightmap (v = 0 at the far edge).
Uv floor_uv(f32 x, f32 y)
{
    return {(x + FLOOR_HALF) / (2.0f * FLOOR_HALF), (FLOOR_HALF - y) / (2.0f * FLOOR_HALF)};
}

// Opaque, one-sided.
EmdSurface solid(int texture, int lightmap)
{
    return {0, 0, 0, static_cast<u16>(texture), static_cast<u16>(lightmap)};
}

// Alpha-tested and seen from both sides: leaves, cloth, flames.
EmdSurface cutout(int texture, int lightmap)
{
    return {0, 1, 2, static_cast<u16>(texture), static_cast<u16>(lightmap)};
}

// Added in a blended pass without depth writes (the Labyrinth's glows and mist).
EmdSurface glowing(int texture)
{
    return {0, 1, 4, static_cast<u16>(texture), 0};
}

// A quad a-b-c-d, counter-clockwise seen from the front, as two triangles.
void quad(
    ArenaBuild &b, int bone, const EmdSurface &surface, const MeshPoint p[4], const Uv tex[4], const Uv lm[4])
{
    int first = static_cast<int>(b.model.vertices.size());
    for (int k = 0; k < 4; k++)
        emd_add_vertex(b.model, bone, p[k]);
    const int tris[2][3] = {{0, 1, 2}, {0, 2, 3}};
    for (const auto &tri : tris) {
        EmdPolygon poly = {};
        poly.surface = surface;
        for (int k = 0; k < 3; k++) {
            poly.corner[k] = static_cast<u16>(first + tri[k]);
            poly.tex_uv[2 * k] = tex[tri[k]].u;
            poly.tex_uv[2 * k + 1] = tex[tri[k]].v;
            poly.lightmap_uv[2 * k] = lm[tri[k]].u;
            poly.lightmap_uv[2 * k + 1] = lm[tri[k]].v;
        }
        b.model.polygons.push_back(poly);
    }
}

f32 distance(MeshPoint a, MeshPoint b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

// A vertical face from bottom-left `a` to bottom-right `b` (as seen from its front), `height`
// tall, its texture repeating every `tile` units (tile 0: the picture once across the face).
void wall(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint a, MeshPoint c, f32 height, f32 tile)
{
    f32 u = tile > 0.0f ? distance(a, c) / tile : 1.0f;
    f32 v = tile > 0.0f ? height / tile : 1.0f;
    const MeshPoint p[4] = {a, c, {c.x, c.y, c.z + height}, {a.x, a.y, a.z + height}};
    const Uv tex[4] = {{0, v}, {u, v}, {u, 0}, {0, 0}};
    const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    quad(b, bone, surface, p, tex, lm);
}

// A horizontal rectangle at height z facing up (or down, for ceilings), split into cells.
// Floors take their lightmap coordinates from the world so that one lightmap covers them.
void flat(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 z, f32 tile,
    int cells, bool down)
{
    for (int j = 0; j < cells; j++)
        for (int i = 0; i < cells; i++) {
            f32 ax = x0 + (x1 - x0) * i / cells, bx = x0 + (x1 - x0) * (i + 1) / cells;
            f32 ay = y0 + (y1 - y0) * j / cells, by = y0 + (y1 - y0) * (j + 1) / cells;
            MeshPoint p[4] = {{ax, ay, z}, {bx, ay, z}, {bx, by, z}, {ax, by, z}};
            if (down) {
                std::swap(p[1], p[3]);
            }
            Uv tex[4], lm[4];
            for (int k = 0; k < 4; k++) {
                tex[k] = {p[k].x / tile, -p[k].y / tile};
                lm[k] = floor_uv(p[k].x, p[k].y);
            }
            quad(b, EMD_NO_BONE, surface, p, tex, lm);
        }
}

void floor_rect(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 tile)
{
    int cells = std::max(1, static_cast<int>(std::max(x1 - x0, y1 - y0) / 60.0f));
    flat(b, surface, x0, y0, x1, y1, ARENA_FLOOR_Z, tile, cells, false);
}

// An axis-aligned block from (x0, y0, z0) to (x1, y1, z1): four sides and the top. Standing
// on the floor, it also shades the floor lightmap.
void box(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint lo, MeshPoint hi, f32 tile)
{
    f32 h = hi.z - lo.z;
    wall(b, bone, surface, {lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, h, tile);
    wall(b, bone, surface, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, h, tile);
    wall(b, bone, surface, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, h, tile);
    wall(b, bone, surface, {lo.x, hi.y, lo.z}, {lo.x, lo.y, lo.z}, h, tile);
    const MeshPoint top[4] = {{lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    f32 tu = tile > 0.0f ? (hi.x - lo.x) / tile : 1.0f, tv = tile > 0.0f ? (hi.y - lo.y) / tile : 1.0f;
    const Uv tex[4] = {{0, tv}, {tu, tv}, {tu, 0}, {0, 0}};
    const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    quad(b, bone, surface, top, tex, lm);
    if (lo.z <= 0.5f && bone == EMD_NO_BONE)
        b.floor.shadows.push_back({lo.x, lo.y, hi.x, hi.y, hi.z});
}

// A round shaft from radius r0 at z0 to r1 at z1 (a column, a trunk; r1 = 0 makes a cone),
// its texture wrapping `wraps` times round it.
void shaft(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint base, f32 z1, f32 r0, f32 r1,
    int sides, f32 wraps, f32 tile)
{
    f32 v = tile > 0.0f ? (z1 - base.z) / tile : 1.0f;
    for (int k = 0; k < sides; k++) {
        f32 a0 = 2.0f * PAINT_PI * k / sides, a1 = 2.0f * PAINT_PI * (k + 1) / sides;
        f32 top_r1 = std::max(r1, 0.01f);
        const MeshPoint p[4] = {
            {base.x + r0 * std::cos(a0), base.y + r0 * std::sin(a0), base.z},
            {base.x + r0 * std::cos(a1), base.y + r0 * std::sin(a1), base.z},
            {base.x + top_r1 * std::cos(a1), base.y + top_r1 * std::sin(a1), z1},
            {base.x + top_r1 * std::cos(a0), base.y + top_r1 * std::sin(a0), z1},
        };
        f32 u0 = wraps * k / sides, u1 = wraps * (k + 1) / sides;
        const Uv tex[4] = {{u0, v}, {u1, v}, {u1, 0}, {u0, 0}};
        const Uv lm[4] = {{static_cast<f32>(k) / sides, 1}, {static_cast<f32>(k + 1) / sides, 1},
            {static_cast<f32>(k + 1) / sides, 0}, {static_cast<f32>(k) / sides, 0}};
        quad(b, bone, surface, p, tex, lm);
    }
    if (base.z <= 0.5f && bone == EMD_NO_BONE)
        b.floor.shadows.push_back(
            {base.x - r0 * 0.8f, base.y - r0 * 0.8f, base.x + r0 * 0.8f, base.y + r0 * 0.8f, z1});
}

// Flat pictures standing upright round a vertical axis (trees, bushes, flames), `planes`
// of them crossing at the centre, `width` wide and `height` tall from z0.
void sprite(
    ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint base, f32 width, f32 height, int planes)
{
    for (int k = 0; k < planes; k++) {
        f32 a = PAINT_PI * k / planes;
        f32 dx = std::cos(a) * width * 0.5f, dy = std::sin(a) * width * 0.5f;
        const MeshPoint p[4] = {
            {base.x - dx, base.y - dy, base.z},
            {base.x + dx, base.y + dy, base.z},
            {base.x + dx, base.y + dy, base.z + height},
            {base.x - dx, base.y - dy, base.z + height},
        };
        const Uv tex[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
        quad(b, bone, surface, p, tex, tex);
    }
}

// A pitched roof over x0..x1, its ridge along x, eaves at z0 on y0 and y1, ridge at z1.
void pitched_roof(
    ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 z0, f32 z1, f32 tile)
{
    f32 ym = (y0 + y1) * 0.5f;
    f32 slope = std::hypot(ym - y0, z1 - z0);
    f32 u = (x1 - x0) / tile, v = slope / tile;
    const Uv tex[4] = {{0, v}, {u, v}, {u, 0}, {0, 0}};
    const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    const MeshPoint front[4] = {{x0, y0, z0}, {x1, y0, z0}, {x1, ym, z1}, {x0, ym, z1}};
    const MeshPoint back[4] = {{x1, y1, z0}, {x0, y1, z0}, {x0, ym, z1}, {x1, ym, z1}};
    quad(b, EMD_NO_BONE, surface, front, tex, lm);
    quad(b, EMD_NO_BONE, surface, back, tex, lm);
}

// A gable end or pediment: the triangle over x0..x1 at y, base z0, apex z1, facing -y.
void gable(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 x1, f32 y, f32 z0, f32 z1)
{
    int first = static_cast<int>(b.model.vertices.size());
    emd_add_vertex(b.model, EMD_NO_BONE, {x0, y, z0});
    emd_add_vertex(b.model, EMD_NO_BONE, {x1, y, z0});
    emd_add_vertex(b.model, EMD_NO_BONE, {(x0 + x1) * 0.5f, y, z1});
    EmdPolygon poly = {};
    poly.surface = surface;
    poly.surface.two_sided = 1;
    const f32 uv[6] = {0, 1, 1, 1, 0.5f, 0};
    for (int k = 0; k < 3; k++)
        poly.corner[k] = static_cast<u16>(first + k);
    memcpy(poly.tex_uv, uv, sizeof uv);
    memcpy(poly.lightmap_uv, uv, sizeof uv);
    b.model.polygons.push_back(poly);
}

// Seat tiers in a ring round (cx, cy) between angles a0 and a1 (radians), facing the centre:
// rows steps, each `rise` up and `tread` deep, starting at radius r.
void tiers(ArenaBuild &b, const EmdSurface &surface, f32 cx, f32 cy, f32 r, int rows, f32 rise, f32 tread,
    f32 a0, f32 a1, int segments)
{
    for (int row = 0; row < rows; row++) {
        f32 ra = r + row * tread, rb = ra + tread, z0 = row * rise, z1 = z0 + rise;
        for (int k = 0; k < segments; k++) {
            f32 b0 = a0 + (a1 - a0) * k / segments, b1 = a0 + (a1 - a0) * (k + 1) / segments;
            MeshPoint riser[4] = {
                {cx + ra * std::cos(b1), cy + ra * std::sin(b1), z0},
                {cx + ra * std::cos(b0), cy + ra * std::sin(b0), z0},
                {cx + ra * std::cos(b0), cy + ra * std::sin(b0), z1},
                {cx + ra * std::cos(b1), cy + ra * std::sin(b1), z1},
            };
            MeshPoint tread_[4] = {
                riser[3],
                riser[2],
                {cx + rb * std::cos(b0), cy + rb * std::sin(b0), z1},
                {cx + rb * std::cos(b1), cy + rb * std::sin(b1), z1},
            };
            const Uv tex[4] = {{0, 1}, {2, 1}, {2, 0}, {0, 0}};
            const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
            quad(b, EMD_NO_BONE, surface, riser, tex, lm);
            quad(b, EMD_NO_BONE, surface, tread_, tex, lm);
        }
    }
}

// ---- scenery bones ---------------------------------------------------------------------------
// How a scenery bone moves through the arena's key cycle (one sine period over the cycle, so
// the blend from the last key back to the first is smooth).
enum Motion : int {
    MOTION_SWAY_X,    // turns about the x axis (toward and away from the camera)
    MOTION_SWAY_Y,    // turns about the y axis (side to side on screen)
    MOTION_SWAY_Z,    // turns about the vertical
    MOTION_BOB,       // rises and sinks
    MOTION_DRIFT_X,   // slides along x
    MOTION_FLICKER,   // stretches up and narrows, like a flame
};

// Adds a bone turning about `pivot`; `amount` is binary angle units (256 a turn), world units
// or a scale fraction by motion; `offset` shifts its phase so neighbours move apart.
int scenery_bone(ArenaBuild &b, MeshPoint pivot, Motion motion, f32 amount, f32 offset)
{
    int bone = esq_add_bone(b.skeleton, 0, pivot);
    int keys = scenery_steps[b.stage].last_key;
    for (int k = 1; k <= keys; k++) {
        f32 w = amount * std::sin(2.0f * PAINT_PI * (k - 1) / keys + offset);
        switch (motion) {
        case MOTION_SWAY_X:
            esq_set_turn(b.skeleton, k, bone, w, 0, 0);
            break;
        case MOTION_SWAY_Y:
            esq_set_turn(b.skeleton, k, bone, 0, w, 0);
            break;
        case MOTION_SWAY_Z:
            esq_set_turn(b.skeleton, k, bone, 0, 0, w);
            break;
        case MOTION_BOB:
            esq_set_shift(b.skeleton, k, bone, {0, 0, w});
            break;
        case MOTION_DRIFT_X:
            esq_set_shift(b.skeleton, k, bone, {w, 0, 0});
            break;
        case MOTION_FLICKER:
            esq_set_scale(b.skeleton, k, bone, {1.0f - 0.4f * w, 1.0f - 0.4f * w, 1.0f + w});
            break;
        }
    }
    return bone;
}

// A banner hanging from a bar at (x, y, top): a two-sided cloth on its own swaying bone.
void banner(
    ArenaBuild &b, int texture, int lightmap, f32 x, f32 y, f32 top, f32 width, f32 length, f32 offset)
{
    int bone = scenery_bone(b, {x, y, top}, MOTION_SWAY_Y, 6.0f, offset);
    wall(b, bone, cutout(texture, lightmap), {x - width * 0.5f, y, top - length},
        {x + width * 0.5f, y, top - length}, length, 0.0f);
}

// A flame standing at `base` on its own flickering bone.
void flame(ArenaBuild &b, int texture, MeshPoint base, f32 size, f32 offset)
{
    int bone = scenery_bone(b, base, MOTION_FLICKER, 0.25f, offset);
    sprite(b, bone, cutout(texture, 0), base, size, size * 1.6f, 2);
    b.floor.glows.push_back({base.x, base.y, size * 5.0f, paint_rgb(70, 40, 10)});
}

// A tree: trunk and a swaying crown of crossed leaf pictures.
void tree(ArenaBuild &b, int bark, int leaves, int lightmap, MeshPoint base, f32 height, f32 offset)
{
    shaft(b, EMD_NO_BONE, solid(bark, lightmap), base, base.z + height * 0.6f, height * 0.05f,
        height * 0.035f, 6, 1.0f, 0.0f);
    int bone = scenery_bone(b, {base.x, base.y, base.z + height * 0.5f}, MOTION_SWAY_Y, 2.5f, offset);
    sprite(b, bone, cutout(leaves, lightmap), {base.x, base.y, base.z + height * 0.35f}, height * 0.7f,
        height * 0.65f, 3);
    b.floor.shadows.push_back({base.x - height * 0.25f, base.y - height * 0.25f, base.x + height * 0.25f,
        base.y + height * 0.25f, height});
}

} // namespace

// ---- shared arena pieces ----------------------------------------------------------------------
namespace {

void paint(ArenaBuild &b, int slot, PaintCanvas canvas)
{
    b.pictures[slot] = std::move(canvas);
}

// Lightmap `index` of the arena (0 is the floor's, painted last from the floor lighting).
void face_lightmap(ArenaBuild &b, int index, PaintColour top, PaintColour bottom)
{
    paint(b, stage_lightmap_base(b.stage) + index, paint_face_lightmap(top, bottom, b.stage * 10 + index));
}

// The three sky panels: centre, left, right, from slot 23 (24 on Troy).
void sky(ArenaBuild &b, const SkyStyle &style)
{
    int first = b.stage == STAGE_TROY ? STAGE_SLOT_SKY + 1 : STAGE_SLOT_SKY;
    PaintCanvas strip = paint_sky_strip(style);
    paint(b, first, cut_panel(strip, 1));
    paint(b, first + 1, cut_panel(strip, 0));
    paint(b, first + 2, cut_panel(strip, 2));
}

// The floor the fighters stand on: `outer` everywhere, `centre` on the rectangle
// |x| < half_x, |y| < half_y where the fight starts.
void square_floor(ArenaBuild &b, const EmdSurface &outer, const EmdSurface &centre, f32 tile, f32 centre_tile,
    f32 half_x, f32 half_y)
{
    const f32 f = FLOOR_HALF;
    floor_rect(b, outer, -f, -f, f, -half_y, tile);
    floor_rect(b, outer, -f, half_y, f, f, tile);
    floor_rect(b, outer, -f, -half_y, -half_x, half_y, tile);
    floor_rect(b, outer, half_x, -half_y, f, half_y, tile);
    floor_rect(b, centre, -half_x, -half_y, half_x, half_y, centre_tile);
}

// Textures and lightmaps of a temple front.
struct TempleFront {
    int step, column, frieze, roof, wall;
    int lm_step, lm_column, lm_wall, lm_roof;
    f32 y;   // the first step's front edge
    f32 half_width;
    f32 column_height;
};

// Three steps, a row of columns with bases and capitals, the frieze, a pitched roof with its
// pediment facing the fight, and the wall behind the columns.
void temple_front(ArenaBuild &b, const TempleFront &t)
{
    f32 w = t.half_width, y = t.y, depth = 40.0f;
    for (int k = 0; k < 3; k++)
        box(b, EMD_NO_BONE, solid(t.step, t.lm_step), {-w - 10 + k * 2.0f, y + k * 5.0f, k * 2.0f},
            {w + 10 - k * 2.0f, y + depth, k * 2.0f + 2.0f}, 8.0f);
    f32 z = 6.0f, top = z + t.column_height, cy = y + 14.0f;
    int count = static_cast<int>(2.0f * w / 30.0f) + 1;
    for (int i = 0; i < count; i++) {
        f32 x = -w + 30.0f * i;
        box(b, EMD_NO_BONE, solid(t.step, t.lm_step), {x - 4.5f, cy - 4.5f, z},
            {x + 4.5f, cy + 4.5f, z + 1.5f}, 8.0f);
        shaft(b, EMD_NO_BONE, solid(t.column, t.lm_column), {x, cy, z + 1.5f}, top - 1.5f, 3.4f, 2.9f, 12,
            1.0f, 0.0f);
        box(b, EMD_NO_BONE, solid(t.step, t.lm_step), {x - 4.5f, cy - 4.5f, top - 1.5f},
            {x + 4.5f, cy + 4.5f, top}, 8.0f);
    }
    box(b, EMD_NO_BONE, solid(t.frieze, t.lm_wall), {-w - 6, cy - 6, top}, {w + 6, y + depth - 4, top + 8},
        8.0f);
    pitched_roof(b, solid(t.roof, t.lm_roof), -w - 8, cy - 8, w + 8, y + depth - 2, top + 8, top + 20, 16.0f);
    gable(b, solid(t.wall, t.lm_wall), -w - 6, w + 6, cy - 6, top + 8, top + 19);
    wall(b, EMD_NO_BONE, solid(t.wall, t.lm_wall), {-w, y + depth - 8, z}, {w, y + depth - 8, z},
        t.column_height, 16.0f);
}

// A row of houses along y between y0 and y1, their fronts on x = front facing the middle.
void houses(
    ArenaBuild &b, int wall_tex, int roof_tex, int lightmap, f32 front, f32 y0, f32 y1, int count, int seed)
{
    f32 depth = front < 0 ? -40.0f : 40.0f;
    for (int i = 0; i < count; i++) {
        f32 ya = y0 + (y1 - y0) * i / count, yb = y0 + (y1 - y0) * (i + 1) / count - 2.0f;
        f32 h = 24.0f + 16.0f * paint_hash(i, 0, seed);
        f32 xa = std::min(front, front + depth), xb = std::max(front, front + depth);
        box(b, EMD_NO_BONE, solid(wall_tex, lightmap), {xa, ya, 0}, {xb, yb, h}, 24.0f);
        box(b, EMD_NO_BONE, solid(roof_tex, lightmap), {xa - 1, ya - 1, h}, {xb + 1, yb + 1, h + 2}, 16.0f);
    }
}

// A wall across the back from x -260 to 260, between y0 and y1 and `height` tall, with a
// gate of half-width `gate_half` in the middle, set back behind its jambs and lintel.
void gate_wall(ArenaBuild &b, const EmdSurface &stone, const EmdSurface &gate, f32 y0, f32 y1, f32 height,
    f32 gate_half, f32 jamb, f32 gate_height, f32 tile)
{
    f32 outer = gate_half + jamb, recess = y0 + (y1 - y0) * 0.3f, door = y0 + (y1 - y0) * 0.6f;
    box(b, EMD_NO_BONE, stone, {-260, y0, 0}, {-outer, y1, height}, tile);
    box(b, EMD_NO_BONE, stone, {outer, y0, 0}, {260, y1, height}, tile);
    box(b, EMD_NO_BONE, stone, {-outer, recess, gate_height}, {outer, y1, height}, tile);
    box(b, EMD_NO_BONE, stone, {-outer, recess, 0}, {-gate_half, y1, gate_height}, tile);
    box(b, EMD_NO_BONE, stone, {gate_half, recess, 0}, {outer, y1, gate_height}, tile);
    wall(b, EMD_NO_BONE, gate, {-gate_half, door, 0}, {gate_half, door, 0}, gate_height, 16.0f);
}

// A row of house fronts along x between x0 and x1, their faces on y facing the fight.
void facade_row(
    ArenaBuild &b, int wall_tex, int roof_tex, int lightmap, f32 x0, f32 x1, f32 y, int count, int seed)
{
    for (int i = 0; i < count; i++) {
        f32 xa = x0 + (x1 - x0) * i / count, xb = x0 + (x1 - x0) * (i + 1) / count;
        f32 h = 28.0f + 22.0f * paint_hash(i, 1, seed), depth = 24.0f + 10.0f * paint_hash(i, 2, seed);
        box(b, EMD_NO_BONE, solid(wall_tex, lightmap), {xa, y, 0}, {xb, y + depth, h}, 24.0f);
        pitched_roof(b, solid(roof_tex, lightmap), xa - 1, y - 2, xb + 1, y + depth + 2, h, h + 8, 16.0f);
    }
}

// A standing figure on a plinth: legs, body, head and one raised arm.
void statue(ArenaBuild &b, int body_tex, int plinth_tex, int lightmap, MeshPoint at, f32 height)
{
    f32 z = at.z + height * 0.3f;
    box(b, EMD_NO_BONE, solid(plinth_tex, lightmap), {at.x - 6, at.y - 6, at.z}, {at.x + 6, at.y + 6, z},
        8.0f);
    f32 figure = height * 0.7f;
    EmdSurface body = solid(body_tex, lightmap);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x - 1.2f, at.y, z}, {at.x - 1.0f, at.y, z + figure * 0.48f},
        1.1f, 1.4f, 6);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x + 1.2f, at.y, z}, {at.x + 1.0f, at.y, z + figure * 0.48f},
        1.1f, 1.4f, 6);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x, at.y, z + figure * 0.45f},
        {at.x, at.y, z + figure * 0.82f}, 2.4f, 3.0f, 8);
    emd_add_ball(b.model, EMD_NO_BONE, body, {at.x, at.y, z + figure * 0.9f}, {1.6f, 1.6f, 1.9f}, 5, 8);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x + 2.8f, at.y, z + figure * 0.78f},
        {at.x + 4.5f, at.y - 1.0f, z + figure * 1.05f}, 0.8f, 0.6f, 6);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x - 2.8f, at.y, z + figure * 0.78f},
        {at.x - 3.6f, at.y, z + figure * 0.5f}, 0.8f, 0.6f, 6);
}

// A pole with a crossbar from which a banner hangs and sways.
void banner_pole(
    ArenaBuild &b, int banner_tex, int pole_tex, int lightmap, MeshPoint at, f32 height, f32 offset)
{
    shaft(b, EMD_NO_BONE, solid(pole_tex, lightmap), at, at.z + height, 0.8f, 0.6f, 6, 1.0f, 10.0f);
    box(b, EMD_NO_BONE, solid(pole_tex, lightmap), {at.x - 7, at.y - 0.5f, at.z + height - 3},
        {at.x + 7, at.y + 0.5f, at.z + height - 2}, 0.0f);
    banner(b, banner_tex, lightmap, at.x, at.y - 0.8f, at.z + height - 3, 12.0f, height * 0.5f, offset);
}

// A bowl on a stand with a flame in it.
void brazier(ArenaBuild &b, int metal_tex, int flame_tex, int lightmap, MeshPoint at, f32 height, f32 offset)
{
    shaft(b, EMD_NO_BONE, solid(metal_tex, lightmap), at, at.z + height, 0.9f, 0.6f, 6, 1.0f, 0.0f);
    shaft(b, EMD_NO_BONE, solid(metal_tex, lightmap), {at.x, at.y, at.z + height}, at.z + height + 2.5f, 1.5f,
        3.2f, 8, 1.0f, 0.0f);
    flame(b, flame_tex, {at.x, at.y, at.z + height + 1.0f}, 5.0f, offset);
}

} // namespace

// ---- the ten arenas ----------------------------------------------------------------------------
// Each fills its slots (texture index = slot; lightmap index = slot - lightmap base) and
// builds its scenery. The fight runs along x in -50..50 at y = 0 and the camera stands on
// the -y side, so the arena's face is what stands at y > 40.
namespace {

// A marble square before a temple, olive trees, a bronze statue and two banners.
void build_athens(ArenaBuild &b)
{
    enum : int {
        FLOOR,
        WALL,
        BANNER_BLUE,
        BANNER_RED,
        COLUMN,
        STEP,
        ROOF,
        FRIEZE,
        HOUSE,
        WOOD,
        BRONZE,
        GRASS,
        MOSAIC,
        OLIVE
    };
    enum : int { LM_FLOOR, LM_WALL, LM_COLUMN, LM_STEP, LM_ROOF, LM_SCENERY };
    const PaintColour joint = paint_rgb(150, 140, 128), gold = paint_rgb(225, 180, 60);
    paint(b, FLOOR, paint_blocks(paint_rgb(226, 220, 206), joint, 4, 4, false, 0.35f, 1));
    paint(b, WALL, paint_blocks(paint_rgb(214, 206, 192), joint, 3, 6, true, 0.1f, 2));
    paint(b, BANNER_BLUE, paint_banner(paint_rgb(40, 70, 160), gold, gold, EMBLEM_OWL, 3));
    paint(b, BANNER_RED, paint_banner(paint_rgb(170, 40, 35), gold, gold, EMBLEM_RAYS, 4));
    paint(b, COLUMN, paint_flutes(paint_rgb(236, 231, 220), 10, 5));
    paint(b, STEP, paint_blocks(paint_rgb(205, 198, 186), joint, 2, 1, false, 0.15f, 6));
    paint(b, ROOF, paint_roof_tiles(paint_rgb(178, 86, 50), 7));
    paint(b, FRIEZE, paint_meander(paint_rgb(226, 219, 205), paint_rgb(50, 75, 150), 8));
    paint(b, HOUSE, paint_windows(paint_rgb(238, 232, 220), paint_rgb(60, 45, 35), 9));
    paint(b, WOOD, paint_planks(paint_rgb(125, 88, 52), 3, 10));
    paint(b, BRONZE, paint_metal(paint_rgb(185, 135, 70), 11));
    paint(b, GRASS, paint_ground(paint_rgb(92, 122, 52), paint_rgb(125, 104, 62), 0.05f, 12));
    paint(b, MOSAIC,
        paint_mosaic(paint_rgb(185, 120, 90), paint_rgb(226, 216, 196), paint_rgb(125, 135, 150), 13));
    paint(b, OLIVE, paint_leaves(paint_rgb(150, 168, 96), paint_rgb(64, 86, 46), 14));
    face_lightmap(b, LM_WALL, paint_rgb(160, 154, 142), paint_rgb(108, 104, 98));
    face_lightmap(b, LM_COLUMN, paint_rgb(165, 160, 150), paint_rgb(115, 110, 104));
    face_lightmap(b, LM_STEP, paint_rgb(150, 146, 138), paint_rgb(120, 116, 110));
    face_lightmap(b, LM_ROOF, paint_rgb(150, 135, 120), paint_rgb(110, 100, 92));
    face_lightmap(b, LM_SCENERY, paint_rgb(150, 148, 140), paint_rgb(128, 124, 118));
    b.floor.ambient = paint_rgb(92, 92, 104);
    b.floor.lit = paint_rgb(150, 142, 124);

    square_floor(b, solid(FLOOR, LM_FLOOR), solid(MOSAIC, LM_FLOOR), 30.0f, 20.0f, 70.0f, 35.0f);
    temple_front(
        b, {STEP, COLUMN, FRIEZE, ROOF, WALL, LM_STEP, LM_COLUMN, LM_WALL, LM_ROOF, 150.0f, 150.0f, 40.0f});
    statue(b, BRONZE, STEP, LM_SCENERY, {0, 105, 0}, 30.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 48.0f;
        banner_pole(b, side < 0 ? BANNER_BLUE : BANNER_RED, WOOD, LM_SCENERY, {x, 95, 0}, 44.0f, side * 1.3f);
        box(b, EMD_NO_BONE, solid(GRASS, LM_SCENERY), {side * 85.0f - 9, 76, 0}, {side * 85.0f + 9, 94, 2.5f},
            10.0f);
        tree(b, WOOD, OLIVE, LM_SCENERY, {side * 85.0f, 85, 2.5f}, 34.0f, side * 0.7f);
        houses(b, HOUSE, ROOF, LM_WALL, side * 175.0f, -160.0f, 90.0f, 4, 20 + side);
    }
    sky(b, {paint_rgb(70, 120, 200), paint_rgb(185, 210, 235), paint_rgb(150, 160, 130), 0.35f,
               paint_rgb(250, 250, 250), 0.12f, 0, false, 15});
}

// Athens by night in the rain: wet paving that mirrors the sky, lanterns swinging, a
// fountain running, dark facades with lit windows.
void build_athens2(ArenaBuild &b)
{
    enum : int {
        FLOOR,
        WALL,
        BANNER,
        LANTERN,
        PUDDLE,
        COLUMN,
        ROOF,
        WOOD,
        STEP,
        FRIEZE,
        HOUSE,
        BRONZE,
        WATER,
        CYPRESS
    };
    enum : int { LM_FLOOR, LM_WALL, LM_COLUMN, LM_SCENERY };
    const PaintColour joint = paint_rgb(40, 42, 50);
    paint(b, FLOOR, paint_blocks(paint_rgb(88, 92, 104), joint, 4, 4, false, 0.2f, 21));
    paint(b, WALL, paint_blocks(paint_rgb(110, 110, 118), joint, 3, 6, true, 0.05f, 22));
    paint(b, BANNER,
        paint_banner(
            paint_rgb(90, 30, 40), paint_rgb(150, 140, 110), paint_rgb(170, 160, 120), EMBLEM_OWL, 23));
    PaintCanvas lantern = paint_glow(paint_rgb(255, 210, 120));
    for (PaintColour &p : lantern.px)
        p = p.a > 0.05f ? paint_rgb(255, 215, 130) : paint_alpha(p, 0.0f);
    paint(b, LANTERN, lantern);
    paint(b, PUDDLE, paint_blocks(paint_rgb(70, 76, 92), joint, 2, 2, false, 0.0f, 24));
    paint(b, COLUMN, paint_flutes(paint_rgb(130, 130, 140), 10, 25));
    paint(b, ROOF, paint_roof_tiles(paint_rgb(90, 50, 40), 26));
    paint(b, WOOD, paint_planks(paint_rgb(70, 55, 40), 3, 27));
    paint(b, STEP, paint_blocks(paint_rgb(100, 100, 110), joint, 2, 1, false, 0.1f, 28));
    paint(b, FRIEZE, paint_meander(paint_rgb(110, 110, 120), paint_rgb(40, 40, 60), 29));
    paint(b, HOUSE, paint_windows(paint_rgb(80, 78, 84), paint_rgb(255, 200, 110), 30));
    paint(b, BRONZE, paint_metal(paint_rgb(110, 95, 70), 31));
    paint(b, WATER, paint_water(paint_rgb(40, 60, 90), paint_rgb(150, 180, 210), 32));
    paint(b, CYPRESS, paint_leaves(paint_rgb(50, 80, 60), paint_rgb(20, 35, 28), 33));
    paint(b, STAGE_SLOT_FLOOR_SPHERE, paint_reflection_map(34));
    paint(b, STAGE_SLOT_FLOOR_4, paint_puddles(paint_rgb(170, 185, 215), 0.7f, 35));
    paint(b, STAGE_SLOT_FLOOR, paint_puddles(paint_rgb(140, 150, 175), 0.2f, 36));
    face_lightmap(b, LM_WALL, paint_rgb(120, 118, 125), paint_rgb(80, 80, 90));
    face_lightmap(b, LM_COLUMN, paint_rgb(130, 128, 135), paint_rgb(90, 90, 100));
    face_lightmap(b, LM_SCENERY, paint_rgb(150, 140, 120), paint_rgb(110, 105, 100));
    b.floor.ambient = paint_rgb(80, 84, 100);
    b.floor.lit = paint_rgb(118, 120, 135);

    // The wet paving: every floor polygon is reflective; puddle cells mirror most.
    EmdSurface paving = solid(FLOOR, LM_FLOOR), puddle = solid(PUDDLE, LM_FLOOR);
    paving.surface_kind = puddle.surface_kind = 2;
    const f32 f = FLOOR_HALF, cell = 55.0f;
    for (f32 y = -f; y < f - 1.0f; y += cell)
        for (f32 x = -f; x < f - 1.0f; x += cell) {
            bool wet = (static_cast<int>((x + f) / cell) + static_cast<int>((y + f) / cell)) % 3 == 0;
            flat(b, wet ? puddle : paving, x, y, std::min(x + cell, f), std::min(y + cell, f), ARENA_FLOOR_Z, 30.0f, 1,
                false);
        }
    // A small shrine between rows of houses whose windows are lit against the storm.
    temple_front(
        b, {STEP, COLUMN, FRIEZE, ROOF, WALL, LM_WALL, LM_COLUMN, LM_WALL, LM_WALL, 135.0f, 45.0f, 32.0f});
    facade_row(b, HOUSE, ROOF, LM_WALL, -230.0f, -62.0f, 150.0f, 4, 38);
    facade_row(b, HOUSE, ROOF, LM_WALL, 62.0f, 230.0f, 150.0f, 4, 39);
    // The fountain: a basin with a sheet of water that rises and falls.
    shaft(b, EMD_NO_BONE, solid(STEP, LM_SCENERY), {0, 85, 0}, 5.0f, 14.0f, 14.0f, 16, 4.0f, 0.0f);
    int water = scenery_bone(b, {0, 85, 4.5f}, MOTION_BOB, 0.8f, 0.0f);
    shaft(b, water, solid(WATER, LM_SCENERY), {0, 85, 3.5f}, 4.5f, 13.0f, 0.5f, 16, 2.0f, 0.0f);
    shaft(b, EMD_NO_BONE, solid(BRONZE, LM_SCENERY), {0, 85, 4.0f}, 16.0f, 2.0f, 1.2f, 8, 1.0f, 0.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 62.0f;
        // Lantern posts; the lanterns swing on their hooks.
        shaft(b, EMD_NO_BONE, solid(WOOD, LM_SCENERY), {x, 60, 0}, 36, 0.7f, 0.5f, 6, 1.0f, 10.0f);
        box(b, EMD_NO_BONE, solid(WOOD, LM_SCENERY), {x - 6, 59.5f, 35}, {x + 0.5f, 60.5f, 36}, 0.0f);
        int swing = scenery_bone(b, {x - 5, 60, 35}, MOTION_SWAY_X, 8.0f, side * 0.9f);
        sprite(b, swing, cutout(LANTERN, LM_SCENERY), {x - 5, 60, 27}, 6.0f, 7.0f, 2);
        b.floor.glows.push_back({x - 5, 60, 45.0f, paint_rgb(90, 60, 20)});
        banner_pole(b, BANNER, WOOD, LM_SCENERY, {side * 35.0f, 105, 0}, 42.0f, side * 2.0f);
        tree(b, WOOD, CYPRESS, LM_SCENERY, {side * 110.0f, 70, 0}, 48.0f, side);
        houses(b, HOUSE, ROOF, LM_WALL, side * 160.0f, -170.0f, 100.0f, 5, 40 + side);
    }
    sky(b, {paint_rgb(8, 10, 20), paint_rgb(45, 50, 70), paint_rgb(25, 25, 35), 0.9f, paint_rgb(70, 75, 90),
               0.1f, 0, false, 37});
}

// The plain before Troy's walls: two towers flanking the Scaean gate, flags on the towers,
// the wooden horse, the Greek camp's tents.
void build_troy(ArenaBuild &b)
{
    enum : int {
        SAND,
        WALL,
        BATTLEMENT,
        GATE,
        TOWER,
        POLE,
        TENT,
        SHIELD,
        HORSE,
        ROCK,
        TRACK,
        SPEAR,
        DISTANT,
        FLAG,
        BRICK,
        BANNER,
        STAIR,
        ROOF,
        TORCH
    };
    enum : int { LM_FLOOR, LM_WALL, LM_TOWER, LM_CAMP, LM_SCENERY };
    const PaintColour stone = paint_rgb(196, 170, 130), joint = paint_rgb(110, 90, 70);
    paint(b, SAND, paint_ground(paint_rgb(214, 186, 136), paint_rgb(186, 156, 110), 0.08f, 41));
    paint(b, WALL, paint_blocks(stone, joint, 3, 5, true, 0.0f, 42));
    paint(b, BATTLEMENT, paint_blocks(paint_shade(stone, 1.05f), joint, 2, 2, true, 0.0f, 43));
    paint(b, GATE, paint_planks(paint_rgb(110, 70, 40), 6, 44));
    paint(b, TOWER, paint_blocks(paint_shade(stone, 0.92f), joint, 4, 6, true, 0.0f, 45));
    paint(b, POLE, paint_planks(paint_rgb(100, 70, 45), 2, 46));
    paint(b, TENT, paint_ground(paint_rgb(225, 215, 190), paint_rgb(200, 185, 160), 0.0f, 47));
    paint(b, SHIELD, paint_metal(paint_rgb(200, 150, 70), 48));
    paint(b, HORSE, paint_planks(paint_rgb(150, 105, 60), 5, 49));
    paint(b, ROCK, paint_ground(paint_rgb(130, 120, 110), paint_rgb(90, 85, 80), 0.1f, 50));
    paint(b, TRACK, paint_ground(paint_rgb(180, 150, 105), paint_rgb(150, 120, 85), 0.15f, 51));
    paint(b, SPEAR, paint_planks(paint_rgb(120, 90, 60), 8, 52));
    paint(b, DISTANT, paint_water(paint_rgb(50, 90, 140), paint_rgb(150, 180, 200), 53));
    paint(b, FLAG,
        paint_banner(
            paint_rgb(150, 30, 30), paint_rgb(230, 200, 90), paint_rgb(230, 200, 90), EMBLEM_DISC, 54));
    paint(b, BRICK, paint_blocks(paint_rgb(170, 100, 70), paint_rgb(90, 60, 45), 4, 8, true, 0.0f, 55));
    paint(b, BANNER,
        paint_banner(
            paint_rgb(200, 160, 50), paint_rgb(120, 30, 30), paint_rgb(120, 30, 30), EMBLEM_STRIPES, 56));
    paint(b, STAIR, paint_blocks(paint_shade(stone, 0.85f), joint, 1, 4, false, 0.0f, 57));
    paint(b, ROOF, paint_roof_tiles(paint_rgb(140, 70, 45), 58));
    paint(b, TORCH, paint_flame(paint_rgb(255, 240, 170), paint_rgb(230, 80, 20), 59));
    face_lightmap(b, LM_WALL, paint_rgb(170, 150, 125), paint_rgb(110, 95, 80));
    face_lightmap(b, LM_TOWER, paint_rgb(175, 150, 120), paint_rgb(105, 90, 75));
    face_lightmap(b, LM_CAMP, paint_rgb(160, 150, 135), paint_rgb(120, 110, 100));
    face_lightmap(b, LM_SCENERY, paint_rgb(170, 150, 130), paint_rgb(140, 125, 110));
    b.floor.ambient = paint_rgb(100, 88, 92);
    b.floor.lit = paint_rgb(165, 140, 112);

    square_floor(b, solid(SAND, LM_FLOOR), solid(TRACK, LM_FLOOR), 35.0f, 40.0f, 90.0f, 30.0f);
    // The wall and its towers.
    gate_wall(
        b, solid(WALL, LM_WALL), solid(GATE, LM_WALL), 170.0f, 190.0f, 50.0f, 24.0f, 18.0f, 32.0f, 25.0f);
    for (f32 x = -255.0f; x < 255.0f; x += 12.0f)
        box(b, EMD_NO_BONE, solid(BATTLEMENT, LM_WALL), {x, 170, 50}, {x + 6, 176, 55}, 6.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 60.0f;
        box(b, EMD_NO_BONE, solid(TOWER, LM_TOWER), {x - 18, 160, 0}, {x + 18, 196, 78}, 26.0f);
        pitched_roof(b, solid(ROOF, LM_TOWER), x - 20, 158, x + 20, 198, 78, 92, 16.0f);
        shaft(b, EMD_NO_BONE, solid(POLE, LM_SCENERY), {x, 158, 70}, 100, 0.5f, 0.4f, 6, 1.0f, 0.0f);
        // Flags cycling through eight keys: a quick flutter in the wind off the sea.
        int flag = scenery_bone(b, {x, 158, 99}, MOTION_SWAY_Z, 10.0f, side * 0.5f);
        wall(b, flag, cutout(FLAG, LM_SCENERY), {x, 158, 89}, {x + side * 16.0f, 158, 89}, 10.0f, 0.0f);
        banner(b, BANNER, LM_SCENERY, x, 159.0f, 70.0f, 14.0f, 26.0f, side * 1.1f);
        box(b, EMD_NO_BONE, solid(BRICK, LM_SCENERY), {x * 0.5f - 3, 150, 0}, {x * 0.5f + 3, 156, 10}, 6.0f);
        flame(b, TORCH, {x * 0.5f, 153, 10}, 5.0f, side * 0.8f);
        box(b, EMD_NO_BONE, solid(STAIR, LM_WALL), {side * 120.0f - 10, 130, 0},
            {side * 120.0f + 10, 170, 20}, 10.0f);
    }
    // The wooden horse on its wheeled platform.
    const f32 hx = -82.0f, hy = 118.0f;
    box(b, EMD_NO_BONE, solid(HORSE, LM_CAMP), {hx - 16, hy - 8, 0}, {hx + 16, hy + 8, 4}, 8.0f);
    for (int leg = 0; leg < 4; leg++)
        box(b, EMD_NO_BONE, solid(HORSE, LM_CAMP),
            {hx - 12 + (leg & 1) * 20.0f, hy - 5 + (leg >> 1) * 7.0f, 4},
            {hx - 9 + (leg & 1) * 20.0f, hy - 2 + (leg >> 1) * 7.0f, 18}, 8.0f);
    box(b, EMD_NO_BONE, solid(HORSE, LM_CAMP), {hx - 14, hy - 6, 18}, {hx + 12, hy + 6, 30}, 12.0f);
    emd_add_limb(
        b.model, EMD_NO_BONE, solid(HORSE, LM_CAMP), {hx + 10, hy, 26}, {hx + 16, hy, 42}, 3.5f, 2.8f, 6);
    box(b, EMD_NO_BONE, solid(HORSE, LM_CAMP), {hx + 13, hy - 3, 40}, {hx + 24, hy + 3, 46}, 8.0f);
    // The Greek camp: tents, a rack of spears, shields.
    for (int k = 0; k < 3; k++) {
        f32 tx = 95.0f + k * 30.0f, ty = 100.0f + (k & 1) * 25.0f;
        shaft(b, EMD_NO_BONE, solid(TENT, LM_CAMP), {tx, ty, 0}, 22, 13, 0, 6, 3.0f, 0.0f);
    }
    for (int k = 0; k < 5; k++) {
        shaft(b, EMD_NO_BONE, solid(SPEAR, LM_CAMP), {60.0f + k * 3.0f, 145, 0}, 30, 0.35f, 0.2f, 4, 1.0f,
            0.0f);
        emd_add_ball(b.model, EMD_NO_BONE, solid(SHIELD, LM_CAMP), {60.0f + k * 7.0f, 143, 5},
            {3.5f, 0.6f, 3.5f}, 4, 10);
    }
    for (int k = 0; k < 6; k++)
        emd_add_ball(b.model, EMD_NO_BONE, solid(ROCK, LM_CAMP),
            {-200.0f + k * 75.0f, -120.0f + paint_hash(k, 0, 60) * 40.0f, 0}, {9, 7, 5}, 4, 7);
    // Beyond the camp the shore: a strip of sea under the walls' right flank.
    flat(b, solid(DISTANT, LM_SCENERY), 230, -220, 420, 220, -1.0f, 40.0f, 2, false);
    sky(b, {paint_rgb(60, 80, 150), paint_rgb(250, 170, 100), paint_rgb(120, 105, 90), 0.45f,
               paint_rgb(255, 200, 160), 0.08f, 0, false, 61});
}

// A clearing in the woods of Arcadia: meadow and path, a stream running under a footbridge,
// trees and bushes swaying, reeds, flowers, rocks.
void build_arcadia(ArenaBuild &b)
{
    enum : int {
        GRASS,
        LEAVES,
        BARK,
        ROCK,
        FERN,
        FLOWERS,
        LEAVES_DARK,
        PATH,
        MOSS,
        BRIDGE,
        PEBBLES,
        FOREST,
        REEDS,
        STREAM
    };
    enum : int { LM_FLOOR, LM_BANK, LM_TREE, LM_ROCK, LM_SCENERY };
    paint(b, GRASS, paint_ground(paint_rgb(86, 140, 60), paint_rgb(60, 110, 45), 0.1f, 71));
    paint(b, LEAVES, paint_leaves(paint_rgb(120, 180, 70), paint_rgb(40, 90, 35), 72));
    paint(b, BARK, paint_planks(paint_rgb(95, 70, 50), 9, 73));
    paint(b, ROCK, paint_ground(paint_rgb(150, 148, 140), paint_rgb(105, 110, 100), 0.1f, 74));
    paint(b, FERN, paint_blades(paint_rgb(70, 140, 55), paint_alpha(paint_rgb(0, 0, 0), 0.0f), 40, 75));
    paint(b, FLOWERS, paint_blades(paint_rgb(80, 150, 60), paint_rgb(240, 210, 80), 18, 76));
    paint(b, LEAVES_DARK, paint_leaves(paint_rgb(70, 130, 60), paint_rgb(25, 60, 30), 77));
    paint(b, PATH, paint_ground(paint_rgb(160, 130, 90), paint_rgb(130, 105, 75), 0.12f, 78));
    paint(b, MOSS, paint_ground(paint_rgb(100, 120, 80), paint_rgb(80, 90, 75), 0.08f, 79));
    paint(b, BRIDGE, paint_planks(paint_rgb(140, 100, 60), 5, 80));
    paint(b, PEBBLES,
        paint_scatter(paint_ground(paint_rgb(140, 130, 115), paint_rgb(120, 115, 100), 0.0f, 81),
            paint_rgb(190, 185, 175), 40, 4.0f, 82));
    paint(b, FOREST, paint_leaves(paint_rgb(60, 110, 60), paint_rgb(20, 50, 30), 83));
    paint(b, REEDS, paint_blades(paint_rgb(120, 150, 70), paint_rgb(110, 80, 50), 30, 84));
    paint(b, STREAM, paint_water(paint_rgb(40, 100, 130), paint_rgb(190, 225, 235), 85));
    face_lightmap(b, LM_BANK, paint_rgb(140, 150, 130), paint_rgb(100, 105, 95));
    face_lightmap(b, LM_TREE, paint_rgb(150, 160, 140), paint_rgb(95, 100, 90));
    face_lightmap(b, LM_ROCK, paint_rgb(150, 150, 145), paint_rgb(105, 105, 100));
    face_lightmap(b, LM_SCENERY, paint_rgb(160, 165, 150), paint_rgb(130, 135, 125));
    b.floor.ambient = paint_rgb(88, 98, 96);
    b.floor.lit = paint_rgb(150, 148, 120);

    // The meadow in front of the stream and behind it; the stream lies 2 units down.
    const f32 f = FLOOR_HALF, bank0 = 70.0f, bank1 = 100.0f;
    floor_rect(b, solid(GRASS, LM_FLOOR), -f, -f, f, -30, 30.0f);
    floor_rect(b, solid(GRASS, LM_FLOOR), -f, -30, -60, 30, 30.0f);
    floor_rect(b, solid(GRASS, LM_FLOOR), 60, -30, f, 30, 30.0f);
    floor_rect(b, solid(PATH, LM_FLOOR), -60, -30, 60, 30, 30.0f);
    floor_rect(b, solid(GRASS, LM_FLOOR), -f, 30, f, bank0 - 4, 30.0f);
    floor_rect(b, solid(GRASS, LM_FLOOR), -f, bank1 + 4, f, f, 30.0f);
    flat(b, solid(STREAM, LM_FLOOR), -f, bank0, f, bank1, -2.0f, 20.0f, 4, false);
    // Banks sloping down to the water, each 4 units wide.
    const MeshPoint near_bank[4] = {{f, bank0 - 4, 0}, {-f, bank0 - 4, 0}, {-f, bank0, -2}, {f, bank0, -2}};
    const MeshPoint far_bank[4] = {{-f, bank1 + 4, 0}, {f, bank1 + 4, 0}, {f, bank1, -2}, {-f, bank1, -2}};
    const Uv bank_uv[4] = {{14, 0}, {0, 0}, {0, 1}, {14, 1}};
    quad(b, EMD_NO_BONE, solid(MOSS, LM_BANK), near_bank, bank_uv, bank_uv);
    quad(b, EMD_NO_BONE, solid(MOSS, LM_BANK), far_bank, bank_uv, bank_uv);
    // The footbridge.
    box(b, EMD_NO_BONE, solid(BRIDGE, LM_SCENERY), {-14, bank0 - 8, 0}, {14, bank1 + 8, 2}, 10.0f);
    for (int side = -1; side <= 1; side += 2)
        box(b, EMD_NO_BONE, solid(BRIDGE, LM_SCENERY), {side * 13.0f - 1, bank0 - 8, 2},
            {side * 13.0f + 1, bank1 + 8, 8}, 6.0f);
    for (int k = 0; k < 9; k++) {
        f32 x = -160.0f + k * 40.0f + (paint_hash(k, 1, 86) - 0.5f) * 16.0f;
        f32 y = (k & 1) ? 135.0f : 165.0f;
        tree(b, BARK, (k % 3) ? LEAVES : LEAVES_DARK, LM_TREE, {x, y, 0},
            55.0f + 20.0f * paint_hash(k, 2, 86), k * 0.9f);
        if (std::fabs(x) > 30.0f)
            sprite(b, EMD_NO_BONE, cutout(REEDS, LM_SCENERY), {x * 0.8f, bank0 - 5, 0}, 12.0f, 9.0f, 2);
    }
    for (int side = -1; side <= 1; side += 2) {
        tree(b, BARK, LEAVES, LM_TREE, {side * 95.0f, 45, 0}, 60.0f, side * 2.0f);
        int bush = scenery_bone(b, {side * 70.0f, 50, 0}, MOTION_SWAY_Y, 3.0f, side);
        sprite(b, bush, cutout(FERN, LM_SCENERY), {side * 70.0f, 50, 0}, 16.0f, 10.0f, 3);
        sprite(b, EMD_NO_BONE, cutout(FLOWERS, LM_SCENERY), {side * 58.0f, 40, 0}, 10.0f, 5.0f, 2);
        emd_add_ball(b.model, EMD_NO_BONE, solid(ROCK, LM_ROCK), {side * 120.0f, 20, 0}, {12, 9, 7}, 4, 8);
        emd_add_ball(b.model, EMD_NO_BONE, solid(PEBBLES, LM_ROCK), {side * 135.0f, -30, 0}, {6, 5, 3}, 3, 7);
    }
    wall(b, EMD_NO_BONE, solid(FOREST, LM_SCENERY), {-400, 240, 0}, {400, 240, 0}, 70.0f, 70.0f);
    sky(b, {paint_rgb(80, 140, 220), paint_rgb(200, 225, 240), paint_rgb(90, 130, 80), 0.45f,
               paint_rgb(255, 255, 255), 0.14f, 0, false, 87});
}

// An open-air theatre: the fight on the stage boards, stone seat tiers rising in a half
// ring behind, braziers burning, curtains and garlands on the stage buildings.
void build_theatre(ArenaBuild &b)
{
    enum : int {
        BOARDS,
        SEATS,
        MARBLE,
        COLUMN,
        SCENE_WALL,
        MASKS,
        ROOF,
        FLAME,
        BRONZE,
        ORCHESTRA,
        CURTAIN,
        GARLAND,
        FLAME2,
        BANNER,
        BUSH
    };
    enum : int { LM_FLOOR, LM_SEATS, LM_BUILDING, LM_COLUMN, LM_SCENERY };
    paint(b, BOARDS, paint_planks(paint_rgb(150, 110, 70), 4, 91));
    paint(b, SEATS, paint_blocks(paint_rgb(200, 190, 170), paint_rgb(120, 110, 95), 2, 2, true, 0.05f, 92));
    paint(b, MARBLE, paint_blocks(paint_rgb(230, 225, 215), paint_rgb(160, 150, 140), 2, 2, false, 0.3f, 93));
    paint(b, COLUMN, paint_flutes(paint_rgb(220, 212, 198), 8, 94));
    paint(
        b, SCENE_WALL, paint_blocks(paint_rgb(196, 170, 140), paint_rgb(120, 100, 80), 3, 5, true, 0.0f, 95));
    paint(b, MASKS,
        paint_faces(paint_rgb(150, 60, 50), paint_rgb(235, 225, 200), paint_rgb(40, 30, 30), false, 96));
    paint(b, ROOF, paint_roof_tiles(paint_rgb(170, 85, 55), 97));
    paint(b, FLAME, paint_flame(paint_rgb(255, 245, 180), paint_rgb(240, 100, 20), 98));
    paint(b, BRONZE, paint_metal(paint_rgb(170, 120, 60), 99));
    paint(b, ORCHESTRA, paint_ground(paint_rgb(190, 165, 125), paint_rgb(165, 140, 105), 0.06f, 100));
    paint(b, CURTAIN,
        paint_banner(
            paint_rgb(120, 30, 90), paint_rgb(220, 180, 80), paint_rgb(220, 180, 80), EMBLEM_NONE, 101));
    paint(b, GARLAND, paint_leaves(paint_rgb(110, 170, 70), paint_rgb(50, 100, 40), 102));
    paint(b, FLAME2, paint_flame(paint_rgb(255, 230, 150), paint_rgb(220, 60, 10), 103));
    paint(b, BANNER,
        paint_banner(
            paint_rgb(30, 100, 60), paint_rgb(230, 220, 180), paint_rgb(235, 225, 200), EMBLEM_DISC, 104));
    paint(b, BUSH, paint_leaves(paint_rgb(90, 140, 60), paint_rgb(40, 80, 35), 105));
    face_lightmap(b, LM_SEATS, paint_rgb(165, 155, 140), paint_rgb(110, 100, 90));
    face_lightmap(b, LM_BUILDING, paint_rgb(160, 145, 125), paint_rgb(100, 90, 80));
    face_lightmap(b, LM_COLUMN, paint_rgb(165, 155, 140), paint_rgb(115, 105, 95));
    face_lightmap(b, LM_SCENERY, paint_rgb(170, 150, 130), paint_rgb(140, 125, 110));
    b.floor.ambient = paint_rgb(100, 90, 96);
    b.floor.lit = paint_rgb(160, 140, 118);

    square_floor(b, solid(ORCHESTRA, LM_FLOOR), solid(BOARDS, LM_FLOOR), 30.0f, 24.0f, 85.0f, 40.0f);
    tiers(b, solid(SEATS, LM_SEATS), 0, 20, 115.0f, 9, 5.0f, 11.0f, 0.12f * PAINT_PI, 0.88f * PAINT_PI, 16);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 150.0f;
        box(b, EMD_NO_BONE, solid(SCENE_WALL, LM_BUILDING), {x - 30, -90, 0}, {x + 30, 20, 40}, 20.0f);
        box(b, EMD_NO_BONE, solid(MASKS, LM_BUILDING), {x - 31, -91, 40}, {x + 31, 21, 48}, 8.0f);
        pitched_roof(b, solid(ROOF, LM_BUILDING), x - 33, -93, x + 33, 23, 48, 58, 16.0f);
        for (int k = 0; k < 4; k++) {
            f32 cy = -80.0f + k * 30.0f, cx = x - side * 36.0f;
            shaft(b, EMD_NO_BONE, solid(COLUMN, LM_COLUMN), {cx, cy, 0}, 40, 2.6f, 2.2f, 10, 1.0f, 0.0f);
            if (k < 3) {
                int hang = scenery_bone(b, {cx, cy + 15, 38}, MOTION_SWAY_X, 5.0f, k + side);
                wall(b, hang, cutout(k == 1 ? CURTAIN : GARLAND, LM_SCENERY), {cx, cy + 3, 22},
                    {cx, cy + 27, 22}, 16.0f, 0.0f);
            }
        }
        brazier(b, BRONZE, side < 0 ? FLAME : FLAME2, LM_SCENERY, {side * 48.0f, 80, 0}, 9.0f, side * 1.7f);
        brazier(b, BRONZE, FLAME, LM_SCENERY, {side * 105.0f, 15, 0}, 9.0f, side * 0.6f);
        banner_pole(b, BANNER, BRONZE, LM_SCENERY, {side * 40.0f, 100, 0}, 46.0f, side * 2.5f);
        sprite(b, EMD_NO_BONE, cutout(BUSH, LM_SCENERY), {side * 200.0f, 60, 0}, 20.0f, 14.0f, 3);
    }
    box(b, EMD_NO_BONE, solid(MARBLE, LM_SCENERY), {-6, 85, 0}, {6, 95, 7}, 8.0f);
    sky(b, {paint_rgb(80, 140, 220), paint_rgb(200, 225, 240), paint_rgb(90, 130, 80), 0.45f,
               paint_rgb(255, 255, 255), 0.14f, 0, false, 87});
}

// A palace terrace of Crete above the sea: gypsum paving, red columns wider at the top,
// fresco walls, horns of consecration on the parapet, a ship riding the swell, the sun.
void build_crete(ArenaBuild &b)
{
    enum : int { GYPSUM, COLUMN, FRESCO, HORNS, OCHRE, SEA, SAND, CLIFF, ROOF, STAIR, SHIP };
    enum : int { LM_FLOOR, LM_WALL, LM_COLUMN, LM_ROOF, LM_PARAPET, LM_SEA, LM_SCENERY };
    paint(
        b, GYPSUM, paint_blocks(paint_rgb(232, 222, 196), paint_rgb(170, 150, 120), 3, 3, false, 0.15f, 111));
    paint(b, COLUMN, paint_ground(paint_rgb(170, 40, 30), paint_rgb(140, 30, 25), 0.02f, 112));
    paint(b, FRESCO,
        paint_fresco(paint_rgb(225, 195, 140), paint_rgb(40, 90, 170), paint_rgb(160, 50, 40), 113));
    paint(b, HORNS, paint_ground(paint_rgb(240, 235, 225), paint_rgb(220, 215, 205), 0.0f, 114));
    paint(b, OCHRE, paint_blocks(paint_rgb(210, 165, 100), paint_rgb(150, 110, 70), 2, 4, true, 0.0f, 115));
    paint(b, SEA, paint_water(paint_rgb(20, 80, 150), paint_rgb(120, 190, 230), 116));
    paint(b, SAND, paint_ground(paint_rgb(230, 210, 160), paint_rgb(210, 190, 140), 0.08f, 117));
    paint(b, CLIFF, paint_ground(paint_rgb(170, 150, 120), paint_rgb(120, 105, 85), 0.12f, 118));
    paint(b, ROOF, paint_blocks(paint_rgb(200, 185, 160), paint_rgb(140, 125, 100), 2, 2, false, 0.0f, 119));
    paint(b, STAIR, paint_blocks(paint_rgb(220, 208, 185), paint_rgb(150, 135, 110), 1, 4, false, 0.0f, 120));
    paint(b, SHIP, paint_planks(paint_rgb(120, 75, 40), 4, 121));
    paint(b, STAGE_SLOT_FLARE, paint_sun_flare());
    paint(b, STAGE_SLOT_SUN, paint_sun_disc());
    face_lightmap(b, LM_WALL, paint_rgb(180, 165, 140), paint_rgb(120, 110, 95));
    face_lightmap(b, LM_COLUMN, paint_rgb(185, 170, 150), paint_rgb(115, 105, 95));
    face_lightmap(b, LM_ROOF, paint_rgb(170, 160, 145), paint_rgb(120, 112, 100));
    face_lightmap(b, LM_PARAPET, paint_rgb(190, 180, 160), paint_rgb(140, 130, 115));
    face_lightmap(b, LM_SEA, paint_rgb(170, 175, 185), paint_rgb(140, 145, 160));
    face_lightmap(b, LM_SCENERY, paint_rgb(180, 170, 150), paint_rgb(135, 128, 115));
    b.floor.ambient = paint_rgb(110, 100, 100);
    b.floor.lit = paint_rgb(175, 160, 130);

    // The terrace ends at y = 110 in a kerb with horns of consecration; below it a beach and
    // the sea, low enough to show over the edge.
    const f32 f = FLOOR_HALF, edge = 110.0f, sea_level = -6.0f;
    floor_rect(b, solid(GYPSUM, LM_FLOOR), -f, -f, f, edge, 36.0f);
    box(b, EMD_NO_BONE, solid(OCHRE, LM_PARAPET), {-f, edge, 0}, {f, edge + 5, 2}, 8.0f);
    for (f32 x = -180.0f; x <= 180.0f; x += 45.0f) {
        box(b, EMD_NO_BONE, solid(OCHRE, LM_PARAPET), {x - 4, edge + 1, 2}, {x + 4, edge + 4, 5}, 0.0f);
        box(b, EMD_NO_BONE, solid(HORNS, LM_PARAPET), {x - 5, edge + 1, 5}, {x + 5, edge + 4, 6.5f}, 0.0f);
        box(b, EMD_NO_BONE, solid(HORNS, LM_PARAPET), {x - 5, edge + 1, 6.5f}, {x - 3, edge + 4, 11}, 0.0f);
        box(b, EMD_NO_BONE, solid(HORNS, LM_PARAPET), {x + 3, edge + 1, 6.5f}, {x + 5, edge + 4, 11}, 0.0f);
    }
    wall(b, EMD_NO_BONE, solid(CLIFF, LM_PARAPET), {-600, edge + 5, sea_level}, {600, edge + 5, sea_level},
        -sea_level, 12.0f);
    flat(b, solid(SAND, LM_SEA), -600, edge + 5, 600, edge + 30, sea_level, 30.0f, 4, false);
    int swell = scenery_bone(b, {0, 300, sea_level}, MOTION_BOB, 0.6f, 0.0f);
    const MeshPoint sea[4] = {{-900, edge + 30, sea_level - 0.5f}, {900, edge + 30, sea_level - 0.5f},
        {900, 1000, sea_level - 0.5f}, {-900, 1000, sea_level - 0.5f}};
    const Uv sea_uv[4] = {{0, 20}, {30, 20}, {30, 0}, {0, 0}};
    const Uv sea_lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    quad(b, swell, solid(SEA, LM_SEA), sea, sea_uv, sea_lm);
    // The ship, rolling on its own.
    int ship = scenery_bone(b, {-150, 300, sea_level}, MOTION_SWAY_Y, 4.0f, 1.0f);
    box(b, ship, solid(SHIP, LM_SCENERY), {-185, 292, sea_level - 2}, {-115, 308, sea_level + 6}, 10.0f);
    shaft(b, ship, solid(SHIP, LM_SCENERY), {-150, 300, sea_level + 6}, sea_level + 40, 0.8f, 0.6f, 6, 1.0f,
        0.0f);
    wall(b, ship, cutout(HORNS, LM_SCENERY), {-166, 300, sea_level + 12}, {-134, 300, sea_level + 12}, 26.0f,
        0.0f);
    // A portico of red columns with a fresco wall on the left; the great horns of
    // consecration either side of the middle. The right stays open toward the sun.
    for (int k = 0; k < 4; k++)
        shaft(b, EMD_NO_BONE, solid(COLUMN, LM_COLUMN), {-150.0f + k * 30.0f, 84, 0}, 30, 2.3f, 3.3f, 10,
            1.0f, 0.0f);
    box(b, EMD_NO_BONE, solid(ROOF, LM_ROOF), {-166, 78, 30}, {-50, 100, 35}, 20.0f);
    wall(b, EMD_NO_BONE, solid(FRESCO, LM_WALL), {-166, 99, 0}, {-50, 99, 0}, 30.0f, 30.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 32.0f;
        box(b, EMD_NO_BONE, solid(OCHRE, LM_PARAPET), {x - 9, 96, 0}, {x + 9, 104, 4}, 8.0f);
        box(b, EMD_NO_BONE, solid(HORNS, LM_PARAPET), {x - 9, 97, 4}, {x + 9, 103, 7}, 0.0f);
        box(b, EMD_NO_BONE, solid(HORNS, LM_PARAPET), {x - 9, 97, 7}, {x - 5, 103, 19}, 0.0f);
        box(b, EMD_NO_BONE, solid(HORNS, LM_PARAPET), {x + 5, 97, 7}, {x + 9, 103, 19}, 0.0f);
    }
    // Colonnades on both sides under a flat roof, fresco walls behind them.
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 125.0f;
        for (f32 y = -150.0f; y <= 80.0f; y += 38.0f)
            shaft(b, EMD_NO_BONE, solid(COLUMN, LM_COLUMN), {x, y, 0}, 34, 2.6f, 3.6f, 10, 1.0f, 0.0f);
        f32 inner = x - side * 8.0f, back = side * 172.0f;
        box(b, EMD_NO_BONE, solid(ROOF, LM_ROOF), {std::min(inner, back), -160, 34},
            {std::max(inner, back), 90, 40}, 20.0f);
        // The fresco wall faces the middle of the terrace.
        wall(b, EMD_NO_BONE, solid(FRESCO, LM_WALL), {back - side * 2.0f, side < 0 ? -160.0f : 90.0f, 0},
            {back - side * 2.0f, side < 0 ? 90.0f : -160.0f, 0}, 34.0f, 34.0f);
        box(b, EMD_NO_BONE, solid(STAIR, LM_WALL), {side * 95.0f - 8, 90, 0}, {side * 95.0f + 8, edge, 4},
            8.0f);
    }
    sky(b, {paint_rgb(30, 90, 200), paint_rgb(170, 210, 245), paint_rgb(60, 110, 160), 0.15f,
               paint_rgb(255, 255, 255), 0.03f, 0, false, 122});
}

} // namespace

namespace {

// A walled chamber deep in the Labyrinth: dark stone, doorways into blackness, bones on the
// floor, torches glowing and mist drifting (both added in the additive pass). Nothing moves.
void build_labyrinth(ArenaBuild &b)
{
    enum : int { FLOOR, WALL, MIST, MOSS_WALL, PILLAR, RUNES, CEILING, TORCH_GLOW, BONES, BRICK, DOOR };
    enum : int { LM_FLOOR, LM_WALL, LM_MOSS, LM_PILLAR, LM_CEILING, LM_DOOR, LM_RUNES };
    const PaintColour joint = paint_rgb(45, 40, 38);
    paint(b, FLOOR, paint_blocks(paint_rgb(120, 110, 100), joint, 3, 3, false, 0.0f, 131));
    paint(b, WALL, paint_blocks(paint_rgb(105, 98, 90), joint, 3, 6, true, 0.0f, 132));
    paint(b, MIST, paint_mist(paint_rgb(110, 120, 140), 133));
    paint(b, MOSS_WALL, paint_blocks(paint_rgb(85, 100, 75), joint, 3, 6, true, 0.0f, 134));
    paint(b, PILLAR, paint_blocks(paint_rgb(115, 105, 95), joint, 1, 4, false, 0.0f, 135));
    paint(b, RUNES, paint_meander(paint_rgb(60, 55, 50), paint_rgb(200, 150, 60), 136));
    paint(b, CEILING, paint_blocks(paint_rgb(70, 65, 60), joint, 2, 2, false, 0.0f, 137));
    paint(b, TORCH_GLOW, paint_glow(paint_rgb(255, 170, 70)));
    paint(b, BONES,
        paint_scatter(paint_blocks(paint_rgb(110, 100, 90), joint, 3, 3, false, 0.0f, 138),
            paint_rgb(215, 205, 180), 30, 3.0f, 139));
    paint(b, BRICK, paint_blocks(paint_rgb(120, 70, 50), paint_rgb(50, 30, 25), 4, 8, true, 0.0f, 140));
    paint(b, DOOR, paint_ground(paint_rgb(20, 18, 16), paint_rgb(5, 5, 5), 0.0f, 141));
    face_lightmap(b, LM_WALL, paint_rgb(130, 115, 100), paint_rgb(80, 72, 65));
    face_lightmap(b, LM_MOSS, paint_rgb(120, 115, 100), paint_rgb(75, 72, 65));
    face_lightmap(b, LM_PILLAR, paint_rgb(140, 120, 100), paint_rgb(85, 75, 65));
    face_lightmap(b, LM_CEILING, paint_rgb(90, 80, 70), paint_rgb(70, 62, 55));
    face_lightmap(b, LM_DOOR, paint_rgb(60, 55, 50), paint_rgb(40, 38, 35));
    face_lightmap(b, LM_RUNES, paint_rgb(160, 130, 90), paint_rgb(120, 100, 70));
    b.floor.ambient = paint_rgb(88, 82, 78);
    b.floor.lit = paint_rgb(120, 110, 96);

    const f32 wx = 150.0f, back = 170.0f, front = -170.0f, height = 60.0f;
    floor_rect(b, solid(FLOOR, LM_FLOOR), -wx, front, wx, 80.0f, 30.0f);
    floor_rect(b, solid(FLOOR, LM_FLOOR), -90, 80, 90, back, 30.0f);
    floor_rect(b, solid(BONES, LM_FLOOR), -wx, 80, -90, back, 30.0f);
    floor_rect(b, solid(BONES, LM_FLOOR), 90, 80, wx, back, 30.0f);
    flat(b, solid(CEILING, LM_CEILING), -wx, front, wx, back, height, 30.0f, 5, true);
    // The back wall with a doorway in the middle, the corridor beyond it black.
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {-wx, back, 0}, {-20, back, 0}, height, 20.0f);
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {20, back, 0}, {wx, back, 0}, height, 20.0f);
    wall(b, EMD_NO_BONE, solid(BRICK, LM_WALL), {-20, back, 36}, {20, back, 36}, height - 36, 12.0f);
    wall(b, EMD_NO_BONE, solid(DOOR, LM_DOOR), {-20, back + 30, 0}, {20, back + 30, 0}, 36.0f, 0.0f);
    wall(b, EMD_NO_BONE, solid(BRICK, LM_DOOR), {-20, back, 0}, {-20, back + 30, 0}, 36.0f, 12.0f);
    wall(b, EMD_NO_BONE, solid(BRICK, LM_DOOR), {20, back + 30, 0}, {20, back, 0}, 36.0f, 12.0f);
    flat(b, solid(BRICK, LM_DOOR), -20, back, 20, back + 30, 36.0f, 12.0f, 1, true);
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {wx, front, 0}, {-wx, front, 0}, height, 20.0f);
    // Side walls, mossy, each with a dark opening.
    wall(b, EMD_NO_BONE, solid(MOSS_WALL, LM_MOSS), {-wx, front, 0}, {-wx, 40, 0}, height, 20.0f);
    wall(b, EMD_NO_BONE, solid(MOSS_WALL, LM_MOSS), {-wx, 80, 0}, {-wx, back, 0}, height, 20.0f);
    wall(b, EMD_NO_BONE, solid(DOOR, LM_DOOR), {-wx - 25, 40, 0}, {-wx - 25, 80, 0}, height, 0.0f);
    wall(b, EMD_NO_BONE, solid(MOSS_WALL, LM_MOSS), {wx, back, 0}, {wx, 80, 0}, height, 20.0f);
    wall(b, EMD_NO_BONE, solid(MOSS_WALL, LM_MOSS), {wx, 40, 0}, {wx, front, 0}, height, 20.0f);
    wall(b, EMD_NO_BONE, solid(DOOR, LM_DOOR), {wx + 25, 80, 0}, {wx + 25, 40, 0}, height, 0.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * wx;
        // The opening's sides, facing into it.
        wall(b, EMD_NO_BONE, solid(BRICK, LM_DOOR), {x, side < 0 ? 40.0f : 80.0f, 0},
            {x + side * 25.0f, side < 0 ? 40.0f : 80.0f, 0}, height, 12.0f);
        wall(b, EMD_NO_BONE, solid(BRICK, LM_DOOR), {x + side * 25.0f, side < 0 ? 80.0f : 40.0f, 0},
            {x, side < 0 ? 80.0f : 40.0f, 0}, height, 12.0f);
        for (f32 y : {-120.0f, 0.0f, 120.0f})
            box(b, EMD_NO_BONE, solid(PILLAR, LM_PILLAR), {x * 0.8f - 7, y - 7, 0},
                {x * 0.8f + 7, y + 7, height}, 15.0f);
        wall(b, EMD_NO_BONE, solid(RUNES, LM_RUNES), {side * 80.0f - 22, back - 0.5f, 14},
            {side * 80.0f + 22, back - 0.5f, 14}, 24.0f, 0.0f);
        // Torches on the back wall and their glow; the mist along the walls.
        box(b, EMD_NO_BONE, solid(BRICK, LM_PILLAR), {side * 40.0f - 2, back - 4, 26},
            {side * 40.0f + 2, back, 29}, 4.0f);
        wall(b, EMD_NO_BONE, glowing(TORCH_GLOW), {side * 40.0f - 12, back - 5, 20},
            {side * 40.0f + 12, back - 5, 20}, 24.0f, 0.0f);
        b.floor.glows.push_back({side * 40.0f, back - 10, 90.0f, paint_rgb(110, 70, 30)});
        wall(b, EMD_NO_BONE, glowing(MIST), {x - side * 10.0f, side < 0 ? front : back, 0},
            {x - side * 10.0f, side < 0 ? back : front, 0}, 14.0f, 60.0f);
    }
    wall(b, EMD_NO_BONE, glowing(MIST), {-wx, back - 15, 0}, {wx, back - 15, 0}, 12.0f, 60.0f);
}

// Thebes' market square at dusk below the city wall and its gate, with stalls, a fountain
// and the Sphinx keeping watch on her plinth.
void build_thebes(ArenaBuild &b)
{
    enum : int {
        PAVING,
        CITY_WALL,
        GATE,
        HOUSE,
        ROOF,
        MURAL,
        COLUMN,
        BANNER,
        WOOD,
        AWNING,
        FOUNTAIN,
        WATER,
        SPHINX,
        GRASS
    };
    enum : int { LM_FLOOR, LM_WALL, LM_SCENERY };
    const PaintColour stone = paint_rgb(205, 175, 130), joint = paint_rgb(120, 95, 70);
    paint(b, PAVING, paint_blocks(paint_rgb(190, 165, 125), joint, 5, 5, true, 0.0f, 151));
    paint(b, CITY_WALL, paint_blocks(stone, joint, 3, 5, true, 0.0f, 152));
    paint(b, GATE, paint_bars(paint_rgb(90, 70, 50), paint_rgb(60, 40, 25), 153));
    paint(b, HOUSE, paint_windows(paint_rgb(215, 190, 150), paint_rgb(70, 50, 35), 154));
    paint(b, ROOF, paint_roof_tiles(paint_rgb(160, 90, 60), 155));
    paint(b, MURAL,
        paint_faces(paint_rgb(60, 90, 140), paint_rgb(210, 180, 120), paint_rgb(50, 30, 20), false, 156));
    paint(b, COLUMN, paint_flutes(paint_rgb(215, 195, 160), 8, 157));
    paint(b, BANNER,
        paint_banner(
            paint_rgb(110, 40, 110), paint_rgb(230, 200, 100), paint_rgb(230, 200, 100), EMBLEM_RAYS, 158));
    paint(b, WOOD, paint_planks(paint_rgb(120, 85, 55), 3, 159));
    paint(b, AWNING,
        paint_banner(
            paint_rgb(200, 80, 40), paint_rgb(240, 220, 170), paint_rgb(240, 220, 170), EMBLEM_STRIPES, 160));
    paint(b, FOUNTAIN, paint_blocks(paint_rgb(200, 190, 170), joint, 2, 2, false, 0.1f, 161));
    paint(b, WATER, paint_water(paint_rgb(50, 100, 130), paint_rgb(180, 210, 220), 162));
    paint(b, SPHINX, paint_ground(paint_rgb(200, 170, 110), paint_rgb(170, 140, 90), 0.05f, 163));
    paint(b, GRASS, paint_ground(paint_rgb(100, 130, 60), paint_rgb(80, 100, 50), 0.08f, 164));
    face_lightmap(b, LM_WALL, paint_rgb(180, 145, 110), paint_rgb(105, 85, 80));
    face_lightmap(b, LM_SCENERY, paint_rgb(175, 145, 115), paint_rgb(125, 105, 95));
    b.floor.ambient = paint_rgb(96, 80, 88);
    b.floor.lit = paint_rgb(172, 132, 92);

    square_floor(b, solid(PAVING, LM_FLOOR), solid(FOUNTAIN, LM_FLOOR), 30.0f, 30.0f, 60.0f, 30.0f);
    // The wall with the gate between two towers.
    gate_wall(
        b, solid(CITY_WALL, LM_WALL), solid(GATE, LM_WALL), 175.0f, 195.0f, 45.0f, 22.0f, 8.0f, 32.0f, 22.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 48.0f;
        box(b, EMD_NO_BONE, solid(CITY_WALL, LM_WALL), {x - 16, 168, 0}, {x + 16, 200, 62}, 22.0f);
        box(b, EMD_NO_BONE, solid(ROOF, LM_WALL), {x - 18, 166, 62}, {x + 18, 202, 65}, 16.0f);
        wall(b, EMD_NO_BONE, solid(MURAL, LM_SCENERY), {side * 120.0f - 20, 174.5f, 8},
            {side * 120.0f + 20, 174.5f, 8}, 24.0f, 0.0f);
        // Banners hang from the wall top.
        for (f32 bx : {80.0f, 160.0f})
            banner(b, BANNER, LM_SCENERY, side * bx, 174.0f, 44.0f, 12.0f, 24.0f, side * bx * 0.02f);
        // A row of columns before the wall, each with its capital.
        for (f32 cx = 75.0f; cx <= 225.0f; cx += 30.0f) {
            shaft(b, EMD_NO_BONE, solid(COLUMN, LM_SCENERY), {side * cx, 150, 0}, 32, 2.4f, 2.0f, 8, 1.0f,
                0.0f);
            box(b, EMD_NO_BONE, solid(FOUNTAIN, LM_SCENERY), {side * cx - 3.5f, 146.5f, 32},
                {side * cx + 3.5f, 153.5f, 34}, 6.0f);
        }
        // A market stall with a striped awning flapping in the evening wind.
        f32 sx = side * 100.0f;
        box(b, EMD_NO_BONE, solid(WOOD, LM_SCENERY), {sx - 14, 48, 0}, {sx + 14, 56, 9}, 8.0f);
        for (int post = 0; post < 4; post++)
            box(b, EMD_NO_BONE, solid(WOOD, LM_SCENERY),
                {sx - 14 + (post & 1) * 27.0f, 45 + (post >> 1) * 18.0f, 0},
                {sx - 13 + (post & 1) * 27.0f, 46 + (post >> 1) * 18.0f, 22}, 0.0f);
        int awning = scenery_bone(b, {sx, 63, 22}, MOTION_SWAY_X, 2.5f, side);
        const MeshPoint cloth[4] = {
            {sx - 16, 42, 19}, {sx + 16, 42, 19}, {sx + 16, 64, 23}, {sx - 16, 64, 23}};
        const Uv cloth_uv[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
        EmdSurface awning_surface = solid(AWNING, LM_SCENERY);
        awning_surface.two_sided = 1;
        quad(b, awning, awning_surface, cloth, cloth_uv, cloth_uv);
        box(b, EMD_NO_BONE, solid(GRASS, LM_SCENERY), {side * 60.0f - 8, 112, 0}, {side * 60.0f + 8, 128, 3},
            10.0f);
        houses(b, HOUSE, ROOF, LM_WALL, side * 170.0f, -170.0f, 130.0f, 5, 170 + side);
    }
    // The fountain, low enough not to hide the Sphinx.
    shaft(b, EMD_NO_BONE, solid(FOUNTAIN, LM_SCENERY), {0, 70, 0}, 4.0f, 11.0f, 11.0f, 14, 3.0f, 0.0f);
    int water = scenery_bone(b, {0, 70, 3.5f}, MOTION_BOB, 0.5f, 0.0f);
    shaft(b, water, solid(WATER, LM_SCENERY), {0, 70, 3.0f}, 3.6f, 10.5f, 0.5f, 14, 2.0f, 0.0f);
    // The Sphinx in profile: a lion's body lying on a plinth, paws toward +x, a woman's
    // head in a headdress, wings raised from her back.
    EmdSurface sphinx = solid(SPHINX, LM_SCENERY);
    box(b, EMD_NO_BONE, solid(FOUNTAIN, LM_SCENERY), {-18, 116, 0}, {18, 136, 7}, 10.0f);
    box(b, EMD_NO_BONE, sphinx, {-12, 121, 7}, {6, 131, 16}, 10.0f);
    box(b, EMD_NO_BONE, sphinx, {6, 121.5f, 7}, {16, 124.5f, 10}, 8.0f);
    box(b, EMD_NO_BONE, sphinx, {6, 127.5f, 7}, {16, 130.5f, 10}, 8.0f);
    box(b, EMD_NO_BONE, sphinx, {2, 122, 12}, {9, 130, 24}, 8.0f);
    emd_add_ball(b.model, EMD_NO_BONE, sphinx, {7.5f, 126, 27}, {3.2f, 3.0f, 3.8f}, 5, 8);
    box(b, EMD_NO_BONE, sphinx, {2.5f, 122.5f, 21}, {5.5f, 129.5f, 31}, 6.0f);
    gable(b, sphinx, -11, 3, 126, 15, 38);
    emd_add_limb(b.model, EMD_NO_BONE, sphinx, {-12, 126, 9}, {-17, 126, 15}, 0.8f, 0.5f, 5);
    sky(b, {paint_rgb(60, 40, 100), paint_rgb(240, 140, 80), paint_rgb(110, 80, 70), 0.3f,
               paint_rgb(250, 170, 140), 0.1f, 0, false, 165});
}

// The underworld: black glass floor veined with fire, a lava river, Hades' throne before the
// iron gate, bone pillars, chains swinging, braziers, Cerberus in stone, a sky of red rock.
void build_hades(ArenaBuild &b)
{
    enum : int {
        OBSIDIAN,
        RED_ROCK,
        LAVA,
        BONE,
        IRON,
        STYX,
        BASALT,
        BRIMSTONE,
        THRONE,
        SKULLS,
        CHAIN,
        ASH,
        FIRE,
        CERBERUS,
        DARK_ROCK,
        EMBER
    };
    enum : int { LM_FLOOR, LM_ALL };
    paint(b, OBSIDIAN, paint_cracks(paint_rgb(62, 48, 54), paint_rgb(255, 90, 20), 0.012f, 171));
    paint(b, RED_ROCK, paint_ground(paint_rgb(150, 50, 35), paint_rgb(90, 30, 25), 0.1f, 172));
    paint(b, LAVA, paint_cracks(paint_rgb(220, 60, 10), paint_rgb(255, 220, 90), 0.05f, 173));
    paint(b, BONE, paint_flutes(paint_rgb(225, 215, 190), 5, 174));
    paint(b, IRON, paint_bars(paint_rgb(90, 85, 85), paint_rgb(30, 10, 10), 175));
    paint(b, STYX, paint_water(paint_rgb(20, 30, 40), paint_rgb(70, 90, 100), 176));
    paint(b, BASALT, paint_blocks(paint_rgb(60, 55, 60), paint_rgb(25, 20, 25), 2, 4, true, 0.0f, 177));
    paint(b, BRIMSTONE, paint_ground(paint_rgb(190, 160, 60), paint_rgb(120, 90, 40), 0.1f, 178));
    paint(b, THRONE, paint_metal(paint_rgb(120, 30, 30), 179));
    paint(b, SKULLS,
        paint_faces(paint_rgb(60, 25, 25), paint_rgb(225, 215, 195), paint_rgb(20, 10, 10), true, 180));
    paint(b, CHAIN, paint_chain(paint_rgb(130, 120, 115)));
    paint(b, ASH, paint_ground(paint_rgb(90, 80, 80), paint_rgb(60, 55, 55), 0.1f, 181));
    paint(b, FIRE, paint_flame(paint_rgb(255, 240, 160), paint_rgb(220, 40, 10), 182));
    paint(b, CERBERUS, paint_ground(paint_rgb(70, 65, 70), paint_rgb(45, 40, 45), 0.05f, 183));
    paint(b, DARK_ROCK, paint_ground(paint_rgb(70, 40, 40), paint_rgb(40, 25, 25), 0.1f, 184));
    paint(b, EMBER, paint_cracks(paint_rgb(60, 20, 15), paint_rgb(255, 120, 30), 0.03f, 185));
    face_lightmap(b, LM_ALL, paint_rgb(190, 110, 90), paint_rgb(120, 50, 40));
    b.floor.ambient = paint_rgb(110, 70, 66);
    b.floor.lit = paint_rgb(110, 70, 66);

    // Ash round a disc of obsidian; the lava river crosses behind the fight.
    const f32 f = FLOOR_HALF, river0 = 95.0f, river1 = 125.0f;
    floor_rect(b, solid(ASH, LM_FLOOR), -f, -f, f, -50, 30.0f);
    floor_rect(b, solid(ASH, LM_FLOOR), -f, -50, -100, 50, 30.0f);
    floor_rect(b, solid(ASH, LM_FLOOR), 100, -50, f, 50, 30.0f);
    floor_rect(b, solid(OBSIDIAN, LM_FLOOR), -100, -50, 100, 50, 30.0f);
    floor_rect(b, solid(ASH, LM_FLOOR), -f, 50, f, river0, 30.0f);
    floor_rect(b, solid(OBSIDIAN, LM_FLOOR), -f, river1, f, f, 30.0f);
    int lava = scenery_bone(b, {0, 110, -3}, MOTION_DRIFT_X, 3.0f, 0.0f);
    const MeshPoint river[4] = {
        {-f - 20, river0, -3}, {f + 20, river0, -3}, {f + 20, river1, -3}, {-f - 20, river1, -3}};
    // The river glows: it takes the floor lightmap, brightest along its course.
    const Uv river_uv[4] = {{0, 1}, {16, 1}, {16, 0}, {0, 0}};
    Uv river_lm[4];
    for (int k = 0; k < 4; k++)
        river_lm[k] = floor_uv(river[k].x, river[k].y);
    quad(b, lava, solid(LAVA, LM_FLOOR), river, river_uv, river_lm);
    wall(b, EMD_NO_BONE, solid(DARK_ROCK, LM_ALL), {f, river0, -3}, {-f, river0, -3}, 3.0f, 10.0f);
    wall(b, EMD_NO_BONE, solid(DARK_ROCK, LM_ALL), {-f, river1, -3}, {f, river1, -3}, 3.0f, 10.0f);
    for (f32 x = -200.0f; x <= 200.0f; x += 40.0f)
        b.floor.glows.push_back({x, 110.0f, 70.0f, paint_rgb(110, 45, 10)});
    box(b, EMD_NO_BONE, solid(BONE, LM_ALL), {-12, river0 - 4, 0}, {12, river1 + 4, 2}, 8.0f);
    // The throne on its steps, the gate behind it with a frieze of skulls.
    for (int k = 0; k < 3; k++)
        box(b, EMD_NO_BONE, solid(BASALT, LM_ALL), {-40 + k * 6.0f, 150 + k * 6.0f, k * 3.0f},
            {40 - k * 6.0f, 200, k * 3.0f + 3}, 10.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {-9, 175, 9}, {9, 190, 16}, 8.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {-9, 187, 16}, {9, 192, 48}, 8.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {-11, 175, 16}, {-8, 190, 22}, 8.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {8, 175, 16}, {11, 190, 22}, 8.0f);
    wall(b, EMD_NO_BONE, solid(IRON, LM_ALL), {-40, 215, 0}, {40, 215, 0}, 60.0f, 30.0f);
    box(b, EMD_NO_BONE, solid(SKULLS, LM_ALL), {-60, 210, 60}, {60, 220, 72}, 12.0f);
    for (int side = -1; side <= 1; side += 2) {
        box(b, EMD_NO_BONE, solid(BASALT, LM_ALL), {side * 50.0f - 10, 205, 0}, {side * 50.0f + 10, 225, 72},
            12.0f);
        // Chains hanging from the gate's pillars, swinging.
        int chain = scenery_bone(b, {side * 50.0f, 203, 70}, MOTION_SWAY_X, 4.0f, side);
        box(b, chain, solid(CHAIN, LM_ALL), {side * 50.0f - 0.6f, 202, 40}, {side * 50.0f + 0.6f, 203.2f, 70},
            0.0f);
        // The cavern's walls and teeth of rock round the back and the sides.
        for (int k = 0; k < 7; k++) {
            f32 x = side * (72.0f + k * 24.0f), y = 175.0f - k * 8.0f + 12.0f * paint_hash(k, side + 7, 186);
            f32 h = 55.0f + 60.0f * paint_hash(k, side + 5, 186);
            shaft(b, EMD_NO_BONE, solid(RED_ROCK, LM_ALL), {x, y, 0}, h, 17.0f, 3.0f, 7, 2.0f, 0.0f);
        }
        for (int k = 0; k < 4; k++)
            shaft(b, EMD_NO_BONE, solid(DARK_ROCK, LM_ALL),
                {side * (150.0f + 15.0f * (k & 1)), -150.0f + k * 70.0f, 0}, 30 + k * 8.0f, 9, 0, 7, 1.0f,
                0.0f);
        shaft(b, EMD_NO_BONE, solid(BONE, LM_ALL), {side * 100.0f, 60, 0}, 50, 3.5f, 2.0f, 8, 1.0f, 0.0f);
        shaft(b, EMD_NO_BONE, solid(BONE, LM_ALL), {side * 130.0f, -40, 0}, 45, 3.5f, 2.0f, 8, 1.0f, 0.0f);
        brazier(b, EMBER, FIRE, LM_ALL, {side * 70.0f, 80, 0}, 10.0f, side * 1.4f);
        brazier(b, EMBER, FIRE, LM_ALL, {side * 30.0f, 148, 0}, 12.0f, side * 0.4f);
        // The Styx along both sides beyond the ash, brimstone on its banks.
        flat(b, solid(STYX, LM_ALL), side < 0 ? -f - 200 : f, -f, side < 0 ? -f : f + 200, f, -1.0f, 40.0f, 2,
            false);
        box(b, EMD_NO_BONE, solid(BRIMSTONE, LM_ALL), {side * 190.0f - 8, -40, 0},
            {side * 190.0f + 8, -10, 3}, 8.0f);
    }
    // Cerberus in stone on a plinth by the river: a body, four legs, three necks and heads.
    const f32 cx = -75.0f, cy = 150.0f;
    EmdSurface dog = solid(CERBERUS, LM_ALL);
    box(b, EMD_NO_BONE, solid(BASALT, LM_ALL), {cx - 14, cy - 8, 0}, {cx + 14, cy + 8, 5}, 10.0f);
    for (int leg = 0; leg < 4; leg++)
        box(b, EMD_NO_BONE, dog, {cx - 9 + (leg & 1) * 15.0f, cy - 4 + (leg >> 1) * 5.0f, 5},
            {cx - 6 + (leg & 1) * 15.0f, cy - 1 + (leg >> 1) * 5.0f, 13}, 6.0f);
    box(b, EMD_NO_BONE, dog, {cx - 10, cy - 5, 12}, {cx + 10, cy + 5, 19}, 10.0f);
    for (int head = -1; head <= 1; head++) {
        emd_add_limb(b.model, EMD_NO_BONE, dog, {cx + 8, cy + head * 2.0f, 17},
            {cx + 13, cy - 3 + head * 5.0f, 26}, 2.0f, 1.6f, 6);
        emd_add_ball(
            b.model, EMD_NO_BONE, dog, {cx + 14, cy - 4 + head * 5.5f, 27}, {2.6f, 2.2f, 2.2f}, 4, 7);
    }
    sky(b, {paint_rgb(40, 5, 5), paint_rgb(200, 60, 20), paint_rgb(70, 20, 15), 0.6f, paint_rgb(120, 30, 20),
               0.15f, 0, true, 187});
}

// Inside the great temple: polished marble, two rows of columns under a coffered ceiling,
// hanging lamps and tapestries swaying, an altar fire, the god's statue on its dais.
void build_temple(ArenaBuild &b)
{
    enum : int { MARBLE, WALL, COLUMN, CEILING, LAMP, TAPESTRY, ALTAR, STATUE, STEP, FLAME, BRONZE };
    enum : int { LM_FLOOR, LM_WALL, LM_COLUMN, LM_CEILING };
    const PaintColour joint = paint_rgb(140, 125, 115);
    paint(b, MARBLE, paint_blocks(paint_rgb(232, 226, 218), joint, 3, 3, false, 0.4f, 191));
    paint(b, WALL, paint_blocks(paint_rgb(200, 180, 150), joint, 3, 6, true, 0.05f, 192));
    paint(b, COLUMN, paint_flutes(paint_rgb(235, 228, 215), 12, 193));
    PaintCanvas coffers = paint_blocks(
        paint_rgb(120, 60, 50), paint_rgb(200, 160, 80), 4, 4, false, 0.0f, 194);
    for (int k = 0; k < 16; k++)
        paint_disc(coffers, 16.0f + 32.0f * (k % 4), 16.0f + 32.0f * (k / 4), 4.0f, 1.0f,
            paint_rgb(230, 190, 90), 1.0f);
    paint(b, CEILING, coffers);
    PaintCanvas lamp = paint_glow(paint_rgb(255, 220, 140));
    for (PaintColour &p : lamp.px)
        p = p.a > 0.1f ? paint_rgb(255, 225, 150) : paint_alpha(p, 0.0f);
    paint(b, LAMP, lamp);
    paint(b, TAPESTRY,
        paint_banner(
            paint_rgb(40, 60, 140), paint_rgb(220, 180, 70), paint_rgb(220, 180, 70), EMBLEM_RAYS, 195));
    paint(b, ALTAR, paint_blocks(paint_rgb(140, 40, 50), paint_rgb(80, 20, 30), 2, 2, false, 0.3f, 196));
    paint(b, STATUE, paint_metal(paint_rgb(230, 190, 90), 197));
    paint(b, STEP, paint_blocks(paint_rgb(215, 205, 190), joint, 2, 1, false, 0.2f, 198));
    paint(b, FLAME, paint_flame(paint_rgb(255, 245, 190), paint_rgb(240, 120, 30), 199));
    paint(b, BRONZE, paint_metal(paint_rgb(160, 110, 60), 200));
    face_lightmap(b, LM_WALL, paint_rgb(160, 140, 115), paint_rgb(100, 88, 75));
    face_lightmap(b, LM_COLUMN, paint_rgb(170, 150, 125), paint_rgb(110, 98, 85));
    face_lightmap(b, LM_CEILING, paint_rgb(130, 110, 90), paint_rgb(100, 85, 70));
    b.floor.ambient = paint_rgb(92, 82, 76);
    b.floor.lit = paint_rgb(146, 126, 104);

    const f32 wx = 150.0f, back = 235.0f, front = -185.0f, height = 72.0f;
    square_floor(b, solid(MARBLE, LM_FLOOR), solid(STEP, LM_FLOOR), 30.0f, 20.0f, 60.0f, 30.0f);
    flat(b, solid(CEILING, LM_CEILING), -wx, front, wx, back, height, 32.0f, 6, true);
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {-wx, back, 0}, {wx, back, 0}, height, 24.0f);
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {wx, front, 0}, {-wx, front, 0}, height, 24.0f);
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {-wx, front, 0}, {-wx, back, 0}, height, 24.0f);
    wall(b, EMD_NO_BONE, solid(WALL, LM_WALL), {wx, back, 0}, {wx, front, 0}, height, 24.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 95.0f;
        for (f32 y = -150.0f; y <= 200.0f; y += 35.0f) {
            shaft(
                b, EMD_NO_BONE, solid(COLUMN, LM_COLUMN), {x, y, 0}, height - 8, 3.6f, 3.1f, 12, 1.0f, 0.0f);
            box(b, EMD_NO_BONE, solid(STEP, LM_COLUMN), {x - 5, y - 5, height - 8},
                {x + 5, y + 5, height - 6}, 8.0f);
        }
        box(b, EMD_NO_BONE, solid(STEP, LM_CEILING), {x - 5, front, height - 6}, {x + 5, back, height},
            12.0f);
        // Lamps on chains from the ceiling, swinging together with their chains.
        for (f32 y : {40.0f, 120.0f}) {
            int swing = scenery_bone(b, {side * 50.0f, y, height}, MOTION_SWAY_X, 3.0f, y * 0.02f + side);
            box(b, swing, solid(BRONZE, LM_CEILING), {side * 50.0f - 0.4f, y - 0.4f, 46},
                {side * 50.0f + 0.4f, y + 0.4f, height}, 0.0f);
            sprite(b, swing, cutout(LAMP, LM_COLUMN), {side * 50.0f, y, 40}, 7.0f, 7.0f, 2);
            b.floor.glows.push_back({side * 50.0f, y, 55.0f, paint_rgb(70, 50, 20)});
        }
        // Tapestries on the side walls, stirring in the draught.
        for (f32 y : {-60.0f, 20.0f, 100.0f}) {
            f32 wall_x = side * (wx - 1.0f);
            int stir = scenery_bone(b, {wall_x, y, 60}, MOTION_SWAY_Y, 2.0f, y * 0.03f);
            wall(b, stir, cutout(TAPESTRY, LM_WALL), {wall_x, y - side * 12.0f, 25},
                {wall_x, y + side * 12.0f, 25}, 35.0f, 0.0f);
        }
    }
    // The altar and its fire, then the dais with the god's statue.
    box(b, EMD_NO_BONE, solid(ALTAR, LM_COLUMN), {-10, 110, 0}, {10, 122, 10}, 10.0f);
    flame(b, FLAME, {0, 116, 10}, 7.0f, 0.0f);
    for (int k = 0; k < 3; k++)
        box(b, EMD_NO_BONE, solid(STEP, LM_COLUMN), {-60 + k * 5.0f, 160 + k * 6.0f, k * 2.0f},
            {60 - k * 5.0f, back, k * 2.0f + 2}, 10.0f);
    statue(b, STATUE, STEP, LM_COLUMN, {0, 205, 6}, 66.0f);
}

// One builder per arena, by stage id.
void (*const arena_builders[])(ArenaBuild &) = {
    build_athens,
    build_athens2,
    build_troy,
    build_arcadia,
    build_theatre,
    build_crete,
    build_labyrinth,
    build_thebes,
    build_hades,
    build_temple,
};
static_assert(std::size(arena_builders) == STAGE_COUNT, "one builder per arena");

} // namespace

// ---- writing the entries ------------------------------------------------------------------------
namespace {

// A picture as the entry its name asks for: JPEG for ".jpg", else a TGA with alpha where
// the texture mode keeps it.
int picture_encode(const PaintCanvas &c, const ArenaTexture &texture, Bytes &out)
{
    std::vector<u8> rgba = paint_bytes(c);
    if (texture_name_is_jpeg(texture.entry))
        return jpeg_write(out, c.w, c.h, rgba.data(), 90);
    bool alpha = texture.mode == TEXTURE_CLAMP_RGBA || texture.mode == TEXTURE_MIPMAP_RGBA;
    out = tga_write(c.w, c.h, alpha ? 32 : 24, rgba.data());
    return !out.empty();
}

// What the loaders and drawers rely on: every slot the table names has a picture and no
// other slot does; every polygon's texture is one of the arena's textures (below the
// lightmap base) and its lightmap one of its lightmaps; the counts fit the formats.
int arena_check(const ArenaBuild &b)
{
    const ArenaInfo &arena = arena_table[b.stage];
    bool named[STAGE_TEXTURE_SLOTS] = {};
    int lightmaps = 0;
    for (int i = 0; i < arena.texture_count; i++) {
        named[arena.textures[i].slot] = true;
        if (strstr(arena.textures[i].entry, "lm") && arena.textures[i].slot >= stage_lightmap_base(b.stage))
            lightmaps++;
    }
    for (u32 slot = 0; slot < STAGE_TEXTURE_SLOTS; slot++)
        if (named[slot] != (b.pictures[slot].w > 0)) {
            fprintf(stderr, "databuild: %s: slot %u %s\n", arena.model_entry, slot,
                named[slot] ? "has no picture" : "is not in the table");
            return 0;
        }
    for (const EmdPolygon &poly : b.model.polygons)
        if (poly.surface.texture_index >= stage_lightmap_base(b.stage) ||
            !named[poly.surface.texture_index] || poly.surface.lightmap_index >= lightmaps) {
            fprintf(stderr, "databuild: %s: polygon with texture %d, lightmap %d\n", arena.model_entry,
                poly.surface.texture_index, poly.surface.lightmap_index);
            return 0;
        }
    if (b.model.vertices.size() > 65535 || b.model.polygons.size() > 65535 || b.skeleton.bones.size() > 256) {
        fprintf(stderr, "databuild: %s: too big\n", arena.model_entry);
        return 0;
    }
    return 1;
}

bool polygon_draw_order(const EmdPolygon &x, const EmdPolygon &y)
{
    if (x.surface.pass != y.surface.pass)
        return x.surface.pass < y.surface.pass;
    if (x.surface.texture_index != y.surface.texture_index)
        return x.surface.texture_index < y.surface.texture_index;
    return x.surface.lightmap_index < y.surface.lightmap_index;
}

int arena_write(StageId stage, std::set<std::string> &written)
{
    ArenaBuild b{};
    b.stage = stage;
    const ArenaInfo &arena = arena_table[stage];
    b.model.name = arena.model_entry;
    b.model.name_fields = 1;
    b.model.skipped_records = 0;
    esq_add_bone(b.skeleton, -1, {0, 0, 0});   // the root, never moved
    memcpy(b.floor.light, arena_lights[stage].position, sizeof b.floor.light);
    arena_builders[stage](b);
    paint(b, stage_lightmap_base(stage), paint_floor_lightmap(b.floor));
    // Drawers rebind only when a texture or lightmap changes: keep like with like.
    std::stable_sort(b.model.polygons.begin(), b.model.polygons.end(), polygon_draw_order);
    if (!arena_check(b))
        return 0;
    archive_add(arena.model_entry, emd_encode(b.model));
    archive_add(arena.skeleton_entry, esq_encode(b.skeleton));
    for (int i = 0; i < arena.texture_count; i++) {
        const ArenaTexture &texture = arena.textures[i];
        if (!written.insert(texture.entry).second)
            continue;   // the Theatre's sky is Arcadia's
        Bytes bytes;
        if (!picture_encode(b.pictures[texture.slot], texture, bytes)) {
            fprintf(stderr, "databuild: cannot encode %s\n", texture.entry);
            return 0;
        }
        archive_add(texture.entry, std::move(bytes));
    }
    return 1;
}

} // namespace

int build_arenas(const char *)
{
    picture_library_start();
    std::set<std::string> written;
    for (int stage = 0; stage < STAGE_COUNT; stage++)
        if (!arena_write(static_cast<StageId>(stage), written))
            return 0;
    return 1;
}
