#include "tools/databuild/arenas/arena_kit.h"

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
