#include "tools/databuild/arenas/arena_kit.h"

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
