#include "tools/databuild/arenas/arena_kit.h"

// Thebes' market square at dusk below the city wall and its gate, with stalls, a fountain
// and the Sphinx keeping watch on her plinth.
void build_thebes(ArenaBuild &b)
{
    enum : int {
        PAVING,
        CITY_WALL,
        GATE,
        HOUSE,
        ROOF,
        MURAL,
        COLUMN,
        BANNER,
        WOOD,
        AWNING,
        FOUNTAIN,
        WATER,
        SPHINX,
        GRASS
    };
    enum : int { LM_FLOOR, LM_WALL, LM_SCENERY };
    const PaintColour stone = paint_rgb(205, 175, 130), joint = paint_rgb(120, 95, 70);
    paint(b, PAVING, paint_blocks(paint_rgb(190, 165, 125), joint, 5, 5, true, 0.0f, 151));
    paint(b, CITY_WALL, paint_blocks(stone, joint, 3, 5, true, 0.0f, 152));
    paint(b, GATE, paint_bars(paint_rgb(90, 70, 50), paint_rgb(60, 40, 25), 153));
    paint(b, HOUSE, paint_windows(paint_rgb(215, 190, 150), paint_rgb(70, 50, 35), 154));
    paint(b, ROOF, paint_roof_tiles(paint_rgb(160, 90, 60), 155));
    paint(b, MURAL,
        paint_faces(paint_rgb(60, 90, 140), paint_rgb(210, 180, 120), paint_rgb(50, 30, 20), false, 156));
    paint(b, COLUMN, paint_flutes(paint_rgb(215, 195, 160), 8, 157));
    paint(b, BANNER,
        paint_banner(
            paint_rgb(110, 40, 110), paint_rgb(230, 200, 100), paint_rgb(230, 200, 100), EMBLEM_RAYS, 158));
    paint(b, WOOD, paint_planks(paint_rgb(120, 85, 55), 3, 159));
    paint(b, AWNING,
        paint_banner(
            paint_rgb(200, 80, 40), paint_rgb(240, 220, 170), paint_rgb(240, 220, 170), EMBLEM_STRIPES, 160));
    paint(b, FOUNTAIN, paint_blocks(paint_rgb(200, 190, 170), joint, 2, 2, false, 0.1f, 161));
    paint(b, WATER, paint_water(paint_rgb(50, 100, 130), paint_rgb(180, 210, 220), 162));
    paint(b, SPHINX, paint_ground(paint_rgb(200, 170, 110), paint_rgb(170, 140, 90), 0.05f, 163));
    paint(b, GRASS, paint_ground(paint_rgb(100, 130, 60), paint_rgb(80, 100, 50), 0.08f, 164));
    face_lightmap(b, LM_WALL, paint_rgb(180, 145, 110), paint_rgb(105, 85, 80));
    face_lightmap(b, LM_SCENERY, paint_rgb(175, 145, 115), paint_rgb(125, 105, 95));
    b.floor.ambient = paint_rgb(96, 80, 88);
    b.floor.lit = paint_rgb(172, 132, 92);

    square_floor(b, solid(PAVING, LM_FLOOR), solid(FOUNTAIN, LM_FLOOR), 30.0f, 30.0f, 60.0f, 30.0f);
    // The wall with the gate between two towers.
    gate_wall(
        b, solid(CITY_WALL, LM_WALL), solid(GATE, LM_WALL), 175.0f, 195.0f, 45.0f, 22.0f, 8.0f, 32.0f, 22.0f);
    for (int side = -1; side <= 1; side += 2) {
        f32 x = side * 48.0f;
        box(b, EMD_NO_BONE, solid(CITY_WALL, LM_WALL), {x - 16, 168, 0}, {x + 16, 200, 62}, 22.0f);
        box(b, EMD_NO_BONE, solid(ROOF, LM_WALL), {x - 18, 166, 62}, {x + 18, 202, 65}, 16.0f);
        wall(b, EMD_NO_BONE, solid(MURAL, LM_SCENERY), {side * 120.0f - 20, 174.5f, 8},
            {side * 120.0f + 20, 174.5f, 8}, 24.0f, 0.0f);
        // Banners hang from the wall top.
        for (f32 bx : {80.0f, 160.0f})
            banner(b, BANNER, LM_SCENERY, side * bx, 174.0f, 44.0f, 12.0f, 24.0f, side * bx * 0.02f);
        // A row of columns before the wall, each with its capital.
        for (f32 cx = 75.0f; cx <= 225.0f; cx += 30.0f) {
            shaft(b, EMD_NO_BONE, solid(COLUMN, LM_SCENERY), {side * cx, 150, 0}, 32, 2.4f, 2.0f, 8, 1.0f,
                0.0f);
            box(b, EMD_NO_BONE, solid(FOUNTAIN, LM_SCENERY), {side * cx - 3.5f, 146.5f, 32},
                {side * cx + 3.5f, 153.5f, 34}, 6.0f);
        }
        // A market stall with a striped awning flapping in the evening wind.
        f32 sx = side * 100.0f;
        box(b, EMD_NO_BONE, solid(WOOD, LM_SCENERY), {sx - 14, 48, 0}, {sx + 14, 56, 9}, 8.0f);
        for (int post = 0; post < 4; post++)
            box(b, EMD_NO_BONE, solid(WOOD, LM_SCENERY),
                {sx - 14 + (post & 1) * 27.0f, 45 + (post >> 1) * 18.0f, 0},
                {sx - 13 + (post & 1) * 27.0f, 46 + (post >> 1) * 18.0f, 22}, 0.0f);
        int awning = scenery_bone(b, {sx, 63, 22}, MOTION_SWAY_X, 2.5f, side);
        const MeshPoint cloth[4] = {
            {sx - 16, 42, 19}, {sx + 16, 42, 19}, {sx + 16, 64, 23}, {sx - 16, 64, 23}};
        const Uv cloth_uv[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
        EmdSurface awning_surface = solid(AWNING, LM_SCENERY);
        awning_surface.two_sided = 1;
        quad(b, awning, awning_surface, cloth, cloth_uv, cloth_uv);
        box(b, EMD_NO_BONE, solid(GRASS, LM_SCENERY), {side * 60.0f - 8, 112, 0}, {side * 60.0f + 8, 128, 3},
            10.0f);
        houses(b, HOUSE, ROOF, LM_WALL, side * 170.0f, -170.0f, 130.0f, 5, 170 + side);
    }
    // The fountain, low enough not to hide the Sphinx.
    shaft(b, EMD_NO_BONE, solid(FOUNTAIN, LM_SCENERY), {0, 70, 0}, 4.0f, 11.0f, 11.0f, 14, 3.0f, 0.0f);
    int water = scenery_bone(b, {0, 70, 3.5f}, MOTION_BOB, 0.5f, 0.0f);
    shaft(b, water, solid(WATER, LM_SCENERY), {0, 70, 3.0f}, 3.6f, 10.5f, 0.5f, 14, 2.0f, 0.0f);
    // The Sphinx in profile: a lion's body lying on a plinth, paws toward +x, a woman's
    // head in a headdress, wings raised from her back.
    EmdSurface sphinx = solid(SPHINX, LM_SCENERY);
    box(b, EMD_NO_BONE, solid(FOUNTAIN, LM_SCENERY), {-18, 116, 0}, {18, 136, 7}, 10.0f);
    box(b, EMD_NO_BONE, sphinx, {-12, 121, 7}, {6, 131, 16}, 10.0f);
    box(b, EMD_NO_BONE, sphinx, {6, 121.5f, 7}, {16, 124.5f, 10}, 8.0f);
    box(b, EMD_NO_BONE, sphinx, {6, 127.5f, 7}, {16, 130.5f, 10}, 8.0f);
    box(b, EMD_NO_BONE, sphinx, {2, 122, 12}, {9, 130, 24}, 8.0f);
    emd_add_ball(b.model, EMD_NO_BONE, sphinx, {7.5f, 126, 27}, {3.2f, 3.0f, 3.8f}, 5, 8);
    box(b, EMD_NO_BONE, sphinx, {2.5f, 122.5f, 21}, {5.5f, 129.5f, 31}, 6.0f);
    gable(b, sphinx, -11, 3, 126, 15, 38);
    emd_add_limb(b.model, EMD_NO_BONE, sphinx, {-12, 126, 9}, {-17, 126, 15}, 0.8f, 0.5f, 5);
    sky(b, {paint_rgb(60, 40, 100), paint_rgb(240, 140, 80), paint_rgb(110, 80, 70), 0.3f,
               paint_rgb(250, 170, 140), 0.1f, 0, false, 165});
}
