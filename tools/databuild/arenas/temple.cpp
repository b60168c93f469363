#include "tools/databuild/arenas/arena_kit.h"

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
