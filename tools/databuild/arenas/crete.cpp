#include "tools/databuild/arenas/arena_kit.h"

#include <algorithm>

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
