// The scene pictures' props (thrones, altars, columns, a ship, trees, clouds, the sun...) as
// small models made with the mesh writer's shapes over a few painted pictures, loaded into
// the offscreen context as figures so that the game's model drawing lights and draws them
// beside the cast.
#include "tools/databuild/pictures/scene_render.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>

// The props' pictures, by texture index.
enum PropTexture : u16 {
    PROP_TEX_MARBLE,
    PROP_TEX_GOLD,
    PROP_TEX_WOOD,
    PROP_TEX_LEAVES,
    PROP_TEX_CLOUD,
    PROP_TEX_FLAME,
    PROP_TEX_STONE,
    PROP_TEX_COUNT
};
// The sea has no fire: its own picture takes the flame's skin.
constexpr u16 PROP_TEX_WATER = PROP_TEX_FLAME;
static const char *const PROP_WATER_PICTURE = "scene/water.tga";
static_assert(PROP_TEX_COUNT <= FIGURE_RENDER_SKINS, "the props' pictures fit one figure's skins");

static const char *const PROP_SKELETON = "scene/prop.esq";

static std::string prop_texture_entry(int index)
{
    return "scene/prop" + std::to_string(index) + ".tga";
}

static std::string prop_model_entry(int prop)
{
    return "scene/prop" + std::to_string(prop) + ".emd";
}

static PaintCanvas prop_texture_paint(int index)
{
    switch (index) {
    case PROP_TEX_MARBLE: return paint_flutes(paint_rgb(226, 220, 205), 8, 3);
    case PROP_TEX_GOLD: return paint_metal(paint_rgb(176, 132, 52), 5);
    case PROP_TEX_WOOD: return paint_planks(paint_rgb(120, 80, 45), 4, 7);
    case PROP_TEX_LEAVES: return paint_leaves(paint_rgb(110, 150, 60), paint_rgb(40, 80, 30), 11);
    case PROP_TEX_CLOUD: return paint_ground(paint_rgb(250, 250, 252), paint_rgb(212, 218, 232), 0.2f, 13);
    case PROP_TEX_FLAME: return paint_flame(paint_rgb(255, 235, 150), paint_rgb(230, 90, 20), 17);
    default: return paint_ground(paint_rgb(128, 120, 108), paint_rgb(88, 82, 76), 0.5f, 19);
    }
}

static EmdSurface prop_surface(u16 texture)
{
    return EmdSurface{0, 0, 0, texture, 0};
}

// Unlit and seen from both sides, alpha-tested: fire.
static EmdSurface prop_fire()
{
    return EmdSurface{2, 1, 2, PROP_TEX_FLAME, 0};
}

// Unlit: what shines of itself (the sun, the moon).
static EmdSurface prop_glowing(u16 texture)
{
    return EmdSurface{2, 0, 0, texture, 0};
}

// A flame: two crossed upright cones of fire.
static void prop_flame(EmdModel &m, MeshPoint base, f32 size)
{
    emd_add_limb(m, 0, prop_fire(), base, {base.x, base.y, base.z + size * 1.6f}, size * 0.5f, 0.0f, 6);
}

// A column standing on the ground: base, fluted shaft, capital.
static void prop_column(EmdModel &m, f32 x, f32 y, f32 height, f32 radius)
{
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {x, y, radius * 0.3f}, {radius * 1.4f, radius * 1.4f, radius * 0.3f});
    emd_add_limb(m, 0, prop_surface(PROP_TEX_MARBLE), {x, y, radius * 0.6f}, {x, y, height - radius * 0.6f}, radius,
                 radius * 0.85f, 12);
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {x, y, height - radius * 0.3f}, {radius * 1.5f, radius * 1.5f, radius * 0.3f});
}

// The gable over a temple front: a triangular prism along x at depth y0..y1.
static void prop_pediment(EmdModel &m, f32 half, f32 y0, f32 y1, f32 z0, f32 z1)
{
    EmdSurface s = prop_surface(PROP_TEX_MARBLE);
    s.two_sided = 1;
    int f = emd_add_vertex(m, 0, {-half, y0, z0}), g = emd_add_vertex(m, 0, {half, y0, z0});
    int h = emd_add_vertex(m, 0, {0, y0, z1});
    int b = emd_add_vertex(m, 0, {-half, y1, z0}), c = emd_add_vertex(m, 0, {half, y1, z0});
    int d = emd_add_vertex(m, 0, {0, y1, z1});
    const f32 uv[6] = {0, 1, 1, 1, 0.5f, 0};
    emd_add_triangle(m, s, f, g, h, uv);
    emd_add_quad(m, s, g, c, d, h);
    emd_add_quad(m, s, b, f, h, d);
}

static void prop_throne(EmdModel &m)
{
    EmdSurface gold = prop_surface(PROP_TEX_GOLD);
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {0, 0, 1}, {9, 8, 1});         // the dais
    emd_add_box(m, 0, gold, {0, 0, 6}, {6, 5, 1});                                // the seat
    emd_add_box(m, 0, gold, {0, 5, 13}, {6, 1, 12});                              // the back
    for (int side = -1; side <= 1; side += 2) {
        emd_add_box(m, 0, gold, {side * 6.0f, 0, 9}, {1, 5, 0.7f});               // the armrests
        emd_add_limb(m, 0, gold, {side * 6.0f, -4, 2}, {side * 6.0f, -4, 9}, 0.8f, 0.8f, 6);
        emd_add_ball(m, 0, gold, {side * 5.5f, 5, 25.5f}, {1.4f, 1.4f, 1.4f}, 4, 6);
    }
}

static void prop_altar(EmdModel &m)
{
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {0, 0, 4}, {5, 4, 4});
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {0, 0, 8.5f}, {6, 5, 0.6f});
    prop_flame(m, {0, 0, 9}, 4);
}

static void prop_anvil(EmdModel &m)
{
    emd_add_limb(m, 0, prop_surface(PROP_TEX_WOOD), {0, 0, 0}, {0, 0, 5}, 3.2f, 3.0f, 8);          // the stump
    emd_add_box(m, 0, prop_surface(PROP_TEX_STONE), {0, 0, 6}, {2, 1.6f, 1});
    emd_add_box(m, 0, prop_surface(PROP_TEX_STONE), {0.8f, 0, 7.8f}, {4, 2, 0.8f});                // its face
    emd_add_limb(m, 0, prop_surface(PROP_TEX_STONE), {4.8f, 0, 7.8f}, {8, 0, 7.8f}, 1.2f, 0.1f, 6);  // its horn
}

static void prop_temple(EmdModel &m)
{
    constexpr f32 HALF = 30, HEIGHT = 30;
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {0, 6, 1.5f}, {HALF + 4, 10, 1.5f});
    emd_add_box(m, 0, prop_surface(PROP_TEX_STONE), {0, 12, HEIGHT * 0.5f}, {HALF - 3, 1, HEIGHT * 0.5f});   // the wall behind
    for (int k = 0; k < 6; k++) {
        f32 x = -HALF + 3 + (2 * HALF - 6) * k / 5.0f;
        prop_column(m, x, 0, HEIGHT + 3, 2.2f);
    }
    emd_add_box(m, 0, prop_surface(PROP_TEX_MARBLE), {0, 6, HEIGHT + 5}, {HALF + 2, 8, 2});
    prop_pediment(m, HALF + 2, -2, 14, HEIGHT + 7, HEIGHT + 16);
}

static void prop_brazier(EmdModel &m)
{
    for (int k = 0; k < 3; k++) {
        f32 a = 2.0944f * k;
        emd_add_limb(m, 0, prop_surface(PROP_TEX_GOLD), {std::cos(a) * 3, std::sin(a) * 3, 0}, {0, 0, 10}, 0.35f, 0.35f, 5);
    }
    emd_add_ball(m, 0, prop_surface(PROP_TEX_GOLD), {0, 0, 11}, {3.5f, 3.5f, 1.6f}, 5, 10);
    prop_flame(m, {0, 0, 11.5f}, 3);
}

// A marble figure on its plinth, one arm raised.
static void prop_statue(EmdModel &m)
{
    EmdSurface s = prop_surface(PROP_TEX_MARBLE);
    emd_add_box(m, 0, s, {0, 0, 4}, {4, 4, 4});
    emd_add_limb(m, 0, s, {-1, 0, 8}, {-1, 0, 17}, 1.1f, 1.3f, 8);
    emd_add_limb(m, 0, s, {1, 0, 8}, {1, 0, 17}, 1.1f, 1.3f, 8);
    emd_add_limb(m, 0, s, {0, 0, 17}, {0, 0, 24}, 2.4f, 2.8f, 8);
    emd_add_ball(m, 0, s, {0, 0, 26.5f}, {1.5f, 1.5f, 1.9f}, 5, 8);
    emd_add_limb(m, 0, s, {2.8f, 0, 23.5f}, {4.5f, 0, 30}, 0.8f, 0.6f, 6);
    emd_add_limb(m, 0, s, {-2.8f, 0, 23.5f}, {-3.4f, 0, 17}, 0.8f, 0.6f, 6);
}

// A ship along x, its prow at +x: the hull, the mast and a square sail, a row of oars.
static void prop_ship(EmdModel &m)
{
    emd_add_ball(m, 0, prop_surface(PROP_TEX_WOOD), {0, 0, 2}, {26, 6, 5}, 6, 14);
    emd_add_box(m, 0, prop_surface(PROP_TEX_WOOD), {0, 0, 5.5f}, {22, 4.5f, 1});                      // the deck
    emd_add_limb(m, 0, prop_surface(PROP_TEX_WOOD), {24, 0, 4}, {30, 0, 12}, 1.2f, 0.5f, 6);          // the prow
    emd_add_limb(m, 0, prop_surface(PROP_TEX_WOOD), {-2, 0, 5}, {-2, 0, 34}, 0.7f, 0.5f, 6);         // the mast
    emd_add_box(m, 0, prop_surface(PROP_TEX_CLOUD), {-2, -0.9f, 22}, {11, 0.3f, 9});                  // the sail
    for (int k = 0; k < 6; k++)
        emd_add_limb(m, 0, prop_surface(PROP_TEX_WOOD), {-14.0f + 5.5f * k, -5, 5}, {-16.0f + 5.5f * k, -14, -1},
                     0.35f, 0.35f, 4);
}

static void prop_tree(EmdModel &m)
{
    emd_add_limb(m, 0, prop_surface(PROP_TEX_WOOD), {0, 0, 0}, {0.8f, 0, 22}, 2.2f, 1.2f, 8);
    const f32 crowns[][4] = {{0, 0, 26, 9}, {-5, 1, 22, 6.5f}, {5.5f, -1, 23, 6.5f}, {1, 2, 32, 6}};
    for (const auto &c : crowns)
        emd_add_ball(m, 0, prop_surface(PROP_TEX_LEAVES), {c[0], c[1], c[2]}, {c[3], c[3] * 0.9f, c[3] * 0.8f}, 6, 10);
}

static void prop_rock(EmdModel &m)
{
    emd_add_ball(m, 0, prop_surface(PROP_TEX_STONE), {0, 0, 3}, {7, 6, 5}, 5, 9);
    emd_add_ball(m, 0, prop_surface(PROP_TEX_STONE), {4, 2, 2}, {4, 4, 3}, 4, 7);
}

static void prop_cloud(EmdModel &m)
{
    const f32 puffs[][4] = {{0, 0, 0, 7}, {-8, 1, -1, 5}, {8, 1, -1, 5.5f}, {-3, 2, 3, 5}, {4, 2, 3.5f, 4.5f}};
    for (const auto &p : puffs)
        emd_add_ball(m, 0, prop_surface(PROP_TEX_CLOUD), {p[0], p[1], p[2]}, {p[3] * 1.2f, p[3], p[3] * 0.8f}, 6, 10);
}

// A level thread of life along x, 40 long, on its two spindles' worth of wool.
static void prop_thread(EmdModel &m)
{
    emd_add_limb(m, 0, prop_glowing(PROP_TEX_GOLD), {-20, 0, 0}, {20, 0, 0}, 0.22f, 0.22f, 5);
}

// The sea: a wide plane of water from its shore line (the prop's place) back to the horizon.
static void prop_water(EmdModel &m)
{
    emd_add_floor(m, 0, prop_surface(PROP_TEX_WATER), {0, 250, 0}, 500, 250, 10);
}

static EmdModel prop_model(int prop)
{
    EmdModel m;
    m.name = prop_model_entry(prop);
    switch (prop) {
    case PROP_THRONE: prop_throne(m); break;
    case PROP_ALTAR: prop_altar(m); break;
    case PROP_ANVIL: prop_anvil(m); break;
    case PROP_COLUMN: prop_column(m, 0, 0, 32, 2.2f); break;
    case PROP_TEMPLE: prop_temple(m); break;
    case PROP_BRAZIER: prop_brazier(m); break;
    case PROP_STATUE: prop_statue(m); break;
    case PROP_SHIP: prop_ship(m); break;
    case PROP_TREE: prop_tree(m); break;
    case PROP_ROCK: prop_rock(m); break;
    case PROP_CLOUD: prop_cloud(m); break;
    case PROP_SUN: emd_add_ball(m, 0, prop_glowing(PROP_TEX_GOLD), {0, 0, 0}, {6, 6, 6}, 8, 12); break;
    case PROP_MOON: emd_add_ball(m, 0, prop_glowing(PROP_TEX_CLOUD), {0, 0, 0}, {5, 5, 5}, 8, 12); break;
    case PROP_THREAD: prop_thread(m); break;
    case PROP_WATER: prop_water(m); break;
    default: break;
    }
    return m;
}

// The kit's entries: every prop's model, the one-bone skeleton they share, the pictures.
static const std::vector<ZipEntry> &prop_entries()
{
    static std::vector<ZipEntry> entries;
    if (!entries.empty())
        return entries;
    EsqSkeleton skeleton;
    esq_add_bone(skeleton, -1, {0, 0, 0});
    entries.push_back({PROP_SKELETON, esq_encode(skeleton)});
    for (int prop = PROP_NONE + 1; prop < PROP_COUNT; prop++)
        entries.push_back({prop_model_entry(prop), emd_encode(prop_model(prop))});
    for (int t = 0; t < PROP_TEX_COUNT; t++) {
        PaintCanvas c = prop_texture_paint(t);
        entries.push_back({prop_texture_entry(t), tga_write(c.w, c.h, 32, paint_bytes(c).data())});
    }
    PaintCanvas water = paint_water(paint_rgb(20, 60, 110), paint_rgb(90, 150, 190), 23);
    entries.push_back({PROP_WATER_PICTURE, tga_write(water.w, water.h, 32, paint_bytes(water).data())});
    return entries;
}

bool scene_prop_load(int prop, FigureModel *out)
{
    std::string model = prop_model_entry(prop);
    std::string textures[PROP_TEX_COUNT];
    FigureSource source = {model.c_str(), PROP_SKELETON, {}};
    for (int t = 0; t < PROP_TEX_COUNT; t++) {
        textures[t] = prop_texture_entry(t);
        source.skins[t] = textures[t].c_str();
    }
    if (prop == PROP_WATER)
        source.skins[PROP_TEX_WATER] = PROP_WATER_PICTURE;
    return figure_render_load(out, &source, prop_entries());
}
