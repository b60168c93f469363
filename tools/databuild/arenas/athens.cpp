#include "tools/databuild/arenas/arena_kit.h"

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
