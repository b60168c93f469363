#include "tools/databuild/arenas/arena_kit.h"

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
