#include "tools/databuild/arenas/arena_kit.h"

// The underworld: black glass floor veined with fire, a lava river, Hades' throne before the
// iron gate, bone pillars, chains swinging, braziers, Cerberus in stone, a sky of red rock.
void build_hades(ArenaBuild &b)
{
    enum : int {
        OBSIDIAN,
        RED_ROCK,
        LAVA,
        BONE,
        IRON,
        STYX,
        BASALT,
        BRIMSTONE,
        THRONE,
        SKULLS,
        CHAIN,
        ASH,
        FIRE,
        CERBERUS,
        DARK_ROCK,
        EMBER
    };
    enum : int { LM_FLOOR, LM_ALL };
    paint(b, OBSIDIAN, paint_cracks(paint_rgb(62, 48, 54), paint_rgb(255, 90, 20), 0.012f, 171));
    paint(b, RED_ROCK, paint_ground(paint_rgb(150, 50, 35), paint_rgb(90, 30, 25), 0.1f, 172));
    paint(b, LAVA, paint_cracks(paint_rgb(220, 60, 10), paint_rgb(255, 220, 90), 0.05f, 173));
    paint(b, BONE, paint_flutes(paint_rgb(225, 215, 190), 5, 174));
    paint(b, IRON, paint_bars(paint_rgb(90, 85, 85), paint_rgb(30, 10, 10), 175));
    paint(b, STYX, paint_water(paint_rgb(20, 30, 40), paint_rgb(70, 90, 100), 176));
    paint(b, BASALT, paint_blocks(paint_rgb(60, 55, 60), paint_rgb(25, 20, 25), 2, 4, true, 0.0f, 177));
    paint(b, BRIMSTONE, paint_ground(paint_rgb(190, 160, 60), paint_rgb(120, 90, 40), 0.1f, 178));
    paint(b, THRONE, paint_metal(paint_rgb(120, 30, 30), 179));
    paint(b, SKULLS,
        paint_faces(paint_rgb(60, 25, 25), paint_rgb(225, 215, 195), paint_rgb(20, 10, 10), true, 180));
    paint(b, CHAIN, paint_chain(paint_rgb(130, 120, 115)));
    paint(b, ASH, paint_ground(paint_rgb(90, 80, 80), paint_rgb(60, 55, 55), 0.1f, 181));
    paint(b, FIRE, paint_flame(paint_rgb(255, 240, 160), paint_rgb(220, 40, 10), 182));
    paint(b, CERBERUS, paint_ground(paint_rgb(70, 65, 70), paint_rgb(45, 40, 45), 0.05f, 183));
    paint(b, DARK_ROCK, paint_ground(paint_rgb(70, 40, 40), paint_rgb(40, 25, 25), 0.1f, 184));
    paint(b, EMBER, paint_cracks(paint_rgb(60, 20, 15), paint_rgb(255, 120, 30), 0.03f, 185));
    face_lightmap(b, LM_ALL, paint_rgb(190, 110, 90), paint_rgb(120, 50, 40));
    b.floor.ambient = paint_rgb(110, 70, 66);
    b.floor.lit = paint_rgb(110, 70, 66);

    // Ash round a disc of obsidian; the lava river crosses behind the fight.
    const f32 f = FLOOR_HALF, river0 = 95.0f, river1 = 125.0f;
    floor_rect(b, solid(ASH, LM_FLOOR), -f, -f, f, -50, 30.0f);
    floor_rect(b, solid(ASH, LM_FLOOR), -f, -50, -100, 50, 30.0f);
    floor_rect(b, solid(ASH, LM_FLOOR), 100, -50, f, 50, 30.0f);
    floor_rect(b, solid(OBSIDIAN, LM_FLOOR), -100, -50, 100, 50, 30.0f);
    floor_rect(b, solid(ASH, LM_FLOOR), -f, 50, f, river0, 30.0f);
    floor_rect(b, solid(OBSIDIAN, LM_FLOOR), -f, river1, f, f, 30.0f);
    int lava = scenery_bone(b, {0, 110, -3}, MOTION_DRIFT_X, 3.0f, 0.0f);
    const MeshPoint river[4] = {
        {-f - 20, river0, -3}, {f + 20, river0, -3}, {f + 20, river1, -3}, {-f - 20, river1, -3}};
    // The river glows: it takes the floor lightmap, brightest along its course.
    const Uv river_uv[4] = {{0, 1}, {16, 1}, {16, 0}, {0, 0}};
    Uv river_lm[4];
    for (int k = 0; k < 4; k++)
        river_lm[k] = floor_uv(river[k].x, river[k].y);
    quad(b, lava, solid(LAVA, LM_FLOOR), river, river_uv, river_lm);
    wall(b, EMD_NO_BONE, solid(DARK_ROCK, LM_ALL), {f, river0, -3}, {-f, river0, -3}, 3.0f, 10.0f);
    wall(b, EMD_NO_BONE, solid(DARK_ROCK, LM_ALL), {-f, river1, -3}, {f, river1, -3}, 3.0f, 10.0f);
    for (f32 x = -200.0f; x <= 200.0f; x += 40.0f)
        b.floor.glows.push_back({x, 110.0f, 70.0f, paint_rgb(110, 45, 10)});
    box(b, EMD_NO_BONE, solid(BONE, LM_ALL), {-12, river0 - 4, 0}, {12, river1 + 4, 2}, 8.0f);
    // The throne on its steps, the gate behind it with a frieze of skulls.
    for (int k = 0; k < 3; k++)
        box(b, EMD_NO_BONE, solid(BASALT, LM_ALL), {-40 + k * 6.0f, 150 + k * 6.0f, k * 3.0f},
            {40 - k * 6.0f, 200, k * 3.0f + 3}, 10.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {-9, 175, 9}, {9, 190, 16}, 8.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {-9, 187, 16}, {9, 192, 48}, 8.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {-11, 175, 16}, {-8, 190, 22}, 8.0f);
    box(b, EMD_NO_BONE, solid(THRONE, LM_ALL), {8, 175, 16}, {11, 190, 22}, 8.0f);
    wall(b, EMD_NO_BONE, solid(IRON, LM_ALL), {-40, 215, 0}, {40, 215, 0}, 60.0f, 30.0f);
    box(b, EMD_NO_BONE, solid(SKULLS, LM_ALL), {-60, 210, 60}, {60, 220, 72}, 12.0f);
    for (int side = -1; side <= 1; side += 2) {
        box(b, EMD_NO_BONE, solid(BASALT, LM_ALL), {side * 50.0f - 10, 205, 0}, {side * 50.0f + 10, 225, 72},
            12.0f);
        // Chains hanging from the gate's pillars, swinging.
        int chain = scenery_bone(b, {side * 50.0f, 203, 70}, MOTION_SWAY_X, 4.0f, side);
        box(b, chain, solid(CHAIN, LM_ALL), {side * 50.0f - 0.6f, 202, 40}, {side * 50.0f + 0.6f, 203.2f, 70},
            0.0f);
        // The cavern's walls and teeth of rock round the back and the sides.
        for (int k = 0; k < 7; k++) {
            f32 x = side * (72.0f + k * 24.0f), y = 175.0f - k * 8.0f + 12.0f * paint_hash(k, side + 7, 186);
            f32 h = 55.0f + 60.0f * paint_hash(k, side + 5, 186);
            shaft(b, EMD_NO_BONE, solid(RED_ROCK, LM_ALL), {x, y, 0}, h, 17.0f, 3.0f, 7, 2.0f, 0.0f);
        }
        for (int k = 0; k < 4; k++)
            shaft(b, EMD_NO_BONE, solid(DARK_ROCK, LM_ALL),
                {side * (150.0f + 15.0f * (k & 1)), -150.0f + k * 70.0f, 0}, 30 + k * 8.0f, 9, 0, 7, 1.0f,
                0.0f);
        shaft(b, EMD_NO_BONE, solid(BONE, LM_ALL), {side * 100.0f, 60, 0}, 50, 3.5f, 2.0f, 8, 1.0f, 0.0f);
        shaft(b, EMD_NO_BONE, solid(BONE, LM_ALL), {side * 130.0f, -40, 0}, 45, 3.5f, 2.0f, 8, 1.0f, 0.0f);
        brazier(b, EMBER, FIRE, LM_ALL, {side * 70.0f, 80, 0}, 10.0f, side * 1.4f);
        brazier(b, EMBER, FIRE, LM_ALL, {side * 30.0f, 148, 0}, 12.0f, side * 0.4f);
        // The Styx along both sides beyond the ash, brimstone on its banks.
        flat(b, solid(STYX, LM_ALL), side < 0 ? -f - 200 : f, -f, side < 0 ? -f : f + 200, f, -1.0f, 40.0f, 2,
            false);
        box(b, EMD_NO_BONE, solid(BRIMSTONE, LM_ALL), {side * 190.0f - 8, -40, 0},
            {side * 190.0f + 8, -10, 3}, 8.0f);
    }
    // Cerberus in stone on a plinth by the river: a body, four legs, three necks and heads.
    const f32 cx = -75.0f, cy = 150.0f;
    EmdSurface dog = solid(CERBERUS, LM_ALL);
    box(b, EMD_NO_BONE, solid(BASALT, LM_ALL), {cx - 14, cy - 8, 0}, {cx + 14, cy + 8, 5}, 10.0f);
    for (int leg = 0; leg < 4; leg++)
        box(b, EMD_NO_BONE, dog, {cx - 9 + (leg & 1) * 15.0f, cy - 4 + (leg >> 1) * 5.0f, 5},
            {cx - 6 + (leg & 1) * 15.0f, cy - 1 + (leg >> 1) * 5.0f, 13}, 6.0f);
    box(b, EMD_NO_BONE, dog, {cx - 10, cy - 5, 12}, {cx + 10, cy + 5, 19}, 10.0f);
    for (int head = -1; head <= 1; head++) {
        emd_add_limb(b.model, EMD_NO_BONE, dog, {cx + 8, cy + head * 2.0f, 17},
            {cx + 13, cy - 3 + head * 5.0f, 26}, 2.0f, 1.6f, 6);
        emd_add_ball(
            b.model, EMD_NO_BONE, dog, {cx + 14, cy - 4 + head * 5.5f, 27}, {2.6f, 2.2f, 2.2f}, 4, 7);
    }
    sky(b, {paint_rgb(40, 5, 5), paint_rgb(200, 60, 20), paint_rgb(70, 20, 15), 0.6f, paint_rgb(120, 30, 20),
               0.15f, 0, true, 187});
}
