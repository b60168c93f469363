#include "tools/databuild/arenas/arena_kit.h"

#include <algorithm>

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
