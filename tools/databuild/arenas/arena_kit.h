// arena_kit.h: the arena kit (surfaces, walls, shafts, roofs, tiers, scenery bones, temple
// fronts, houses, statues, braziers; skies, sun and lightmaps) and the ten arenas' builds; used
// by the files of tools/databuild/arenas/ only.
#pragma once

#include "tools/databuild/databuild.h"

#include "arenas/arenas.h"

#include <vector>

// ---- skies, sun, reflections and lightmaps ---------------------------------------------

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

PaintCanvas paint_sky_strip(const SkyStyle &sky);

PaintCanvas cut_panel(const PaintCanvas &strip, int panel);

// The sun disc and its flare, on black: both are drawn adding their colour.
PaintCanvas paint_sun_disc();

PaintCanvas paint_sun_flare();

// A sphere map for the rain arena's wet floor: a night sky with a few warm lights, seen as
// a reflection.
PaintCanvas paint_reflection_map(int seed);

// Standing water on the paving: blotches of sheen whose alpha says how wet each spot is.
PaintCanvas paint_puddles(PaintColour sheen, f32 wet, int seed);

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

PaintCanvas paint_floor_lightmap(const FloorLighting &lighting);

// Light baked into walls and props: brighter above, darker toward the ground.
PaintCanvas paint_face_lightmap(PaintColour top, PaintColour bottom, int seed);

// ---- building one arena ----------------------------------------------------------------------

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
Uv floor_uv(f32 x, f32 y);

// Opaque, one-sided.
EmdSurface solid(int texture, int lightmap);

// Alpha-tested and seen from both sides: leaves, cloth, flames.
EmdSurface cutout(int texture, int lightmap);

// Added in a blended pass without depth writes (the Labyrinth's glows and mist).
EmdSurface glowing(int texture);

// A quad a-b-c-d, counter-clockwise seen from the front, as two triangles.
void quad(
    ArenaBuild &b, int bone, const EmdSurface &surface, const MeshPoint p[4], const Uv tex[4], const Uv lm[4]);

// A vertical face from bottom-left `a` to bottom-right `b` (as seen from its front), `height`
// tall, its texture repeating every `tile` units (tile 0: the picture once across the face).
void wall(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint a, MeshPoint c, f32 height, f32 tile);

// A horizontal rectangle at height z facing up (or down, for ceilings), split into cells.
// Floors take their lightmap coordinates from the world so that one lightmap covers them.
void flat(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 z, f32 tile,
    int cells, bool down);

void floor_rect(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 tile);

// An axis-aligned block from (x0, y0, z0) to (x1, y1, z1): four sides and the top. Standing
// on the floor, it also shades the floor lightmap.
void box(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint lo, MeshPoint hi, f32 tile);

// A round shaft from radius r0 at z0 to r1 at z1 (a column, a trunk; r1 = 0 makes a cone),
// its texture wrapping `wraps` times round it.
void shaft(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint base, f32 z1, f32 r0, f32 r1,
    int sides, f32 wraps, f32 tile);

// Flat pictures standing upright round a vertical axis (trees, bushes, flames), `planes`
// of them crossing at the centre, `width` wide and `height` tall from z0.
void sprite(
    ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint base, f32 width, f32 height, int planes);

// A pitched roof over x0..x1, its ridge along x, eaves at z0 on y0 and y1, ridge at z1.
void pitched_roof(
    ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 z0, f32 z1, f32 tile);

// A gable end or pediment: the triangle over x0..x1 at y, base z0, apex z1, facing -y.
void gable(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 x1, f32 y, f32 z0, f32 z1);

// Seat tiers in a ring round (cx, cy) between angles a0 and a1 (radians), facing the centre:
// rows steps, each `rise` up and `tread` deep, starting at radius r.
void tiers(ArenaBuild &b, const EmdSurface &surface, f32 cx, f32 cy, f32 r, int rows, f32 rise, f32 tread,
    f32 a0, f32 a1, int segments);

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
int scenery_bone(ArenaBuild &b, MeshPoint pivot, Motion motion, f32 amount, f32 offset);

// A banner hanging from a bar at (x, y, top): a two-sided cloth on its own swaying bone.
void banner(
    ArenaBuild &b, int texture, int lightmap, f32 x, f32 y, f32 top, f32 width, f32 length, f32 offset);

// A flame standing at `base` on its own flickering bone.
void flame(ArenaBuild &b, int texture, MeshPoint base, f32 size, f32 offset);

// A tree: trunk and a swaying crown of crossed leaf pictures.
void tree(ArenaBuild &b, int bark, int leaves, int lightmap, MeshPoint base, f32 height, f32 offset);

// ---- shared arena pieces ----------------------------------------------------------------------

void paint(ArenaBuild &b, int slot, PaintCanvas canvas);

// Lightmap `index` of the arena (0 is the floor's, painted last from the floor lighting).
void face_lightmap(ArenaBuild &b, int index, PaintColour top, PaintColour bottom);

// The three sky panels: centre, left, right, from slot 23 (24 on Troy).
void sky(ArenaBuild &b, const SkyStyle &style);

// The floor the fighters stand on: `outer` everywhere, `centre` on the rectangle
// |x| < half_x, |y| < half_y where the fight starts.
void square_floor(ArenaBuild &b, const EmdSurface &outer, const EmdSurface &centre, f32 tile, f32 centre_tile,
    f32 half_x, f32 half_y);

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
void temple_front(ArenaBuild &b, const TempleFront &t);

// A row of houses along y between y0 and y1, their fronts on x = front facing the middle.
void houses(
    ArenaBuild &b, int wall_tex, int roof_tex, int lightmap, f32 front, f32 y0, f32 y1, int count, int seed);

// A wall across the back from x -260 to 260, between y0 and y1 and `height` tall, with a
// gate of half-width `gate_half` in the middle, set back behind its jambs and lintel.
void gate_wall(ArenaBuild &b, const EmdSurface &stone, const EmdSurface &gate, f32 y0, f32 y1, f32 height,
    f32 gate_half, f32 jamb, f32 gate_height, f32 tile);

// A row of house fronts along x between x0 and x1, their faces on y facing the fight.
void facade_row(
    ArenaBuild &b, int wall_tex, int roof_tex, int lightmap, f32 x0, f32 x1, f32 y, int count, int seed);

// A standing figure on a plinth: legs, body, head and one raised arm.
void statue(ArenaBuild &b, int body_tex, int plinth_tex, int lightmap, MeshPoint at, f32 height);

// A pole with a crossbar from which a banner hangs and sways.
void banner_pole(
    ArenaBuild &b, int banner_tex, int pole_tex, int lightmap, MeshPoint at, f32 height, f32 offset);

// A bowl on a stand with a flame in it.
void brazier(ArenaBuild &b, int metal_tex, int flame_tex, int lightmap, MeshPoint at, f32 height, f32 offset);

// ---- the ten arenas ----------------------------------------------------------------------------
// Each fills its slots (texture index = slot; lightmap index = slot - lightmap base) and
// builds its scenery, in a file of its own named after it. The fight runs along x in -50..50
// at y = 0 and the camera stands on the -y side, so the arena's face is what stands at y > 40.
void build_athens(ArenaBuild &b);
void build_athens2(ArenaBuild &b);
void build_troy(ArenaBuild &b);
void build_arcadia(ArenaBuild &b);
void build_theatre(ArenaBuild &b);
void build_crete(ArenaBuild &b);
void build_labyrinth(ArenaBuild &b);
void build_thebes(ArenaBuild &b);
void build_hades(ArenaBuild &b);
void build_temple(ArenaBuild &b);
