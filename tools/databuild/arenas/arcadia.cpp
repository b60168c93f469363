#include "tools/databuild/arenas/arena_kit.h"

#include <cmath>

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
