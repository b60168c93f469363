// The arena kit: the surfaces and shapes every arena is built of (quads, walls, floors,
// blocks, shafts, upright pictures, roofs, seat tiers), the scenery bones that sway banners,
// trees and flames, and the pieces several arenas share (skies, floors, temple fronts, houses,
// gate walls, statues, banner poles, braziers). Drawn on by the arenas' files; a change here
// changes every arena that uses the piece.
#include "tools/databuild/arenas/arena_kit.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <utility>

// ---- building one arena ----------------------------------------------------------------------
Uv floor_uv(f32 x, f32 y)
{
    return {(x + FLOOR_HALF) / (2.0f * FLOOR_HALF), (FLOOR_HALF - y) / (2.0f * FLOOR_HALF)};
}

EmdSurface solid(int texture, int lightmap)
{
    return {0, 0, 0, static_cast<u16>(texture), static_cast<u16>(lightmap)};
}

EmdSurface cutout(int texture, int lightmap)
{
    return {0, 1, 2, static_cast<u16>(texture), static_cast<u16>(lightmap)};
}

EmdSurface glowing(int texture)
{
    return {0, 1, 4, static_cast<u16>(texture), 0};
}

void quad(
    ArenaBuild &b, int bone, const EmdSurface &surface, const MeshPoint p[4], const Uv tex[4], const Uv lm[4])
{
    int first = static_cast<int>(b.model.vertices.size());
    for (int k = 0; k < 4; k++)
        emd_add_vertex(b.model, bone, p[k]);
    const int tris[2][3] = {{0, 1, 2}, {0, 2, 3}};
    for (const auto &tri : tris) {
        EmdPolygon poly = {};
        poly.surface = surface;
        for (int k = 0; k < 3; k++) {
            poly.corner[k] = static_cast<u16>(first + tri[k]);
            poly.tex_uv[2 * k] = tex[tri[k]].u;
            poly.tex_uv[2 * k + 1] = tex[tri[k]].v;
            poly.lightmap_uv[2 * k] = lm[tri[k]].u;
            poly.lightmap_uv[2 * k + 1] = lm[tri[k]].v;
        }
        b.model.polygons.push_back(poly);
    }
}

static f32 distance(MeshPoint a, MeshPoint b)
{
    return std::sqrt((a.x - b.x) * (a.x - b.x) + (a.y - b.y) * (a.y - b.y) + (a.z - b.z) * (a.z - b.z));
}

void wall(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint a, MeshPoint c, f32 height, f32 tile)
{
    f32 u = tile > 0.0f ? distance(a, c) / tile : 1.0f;
    f32 v = tile > 0.0f ? height / tile : 1.0f;
    const MeshPoint p[4] = {a, c, {c.x, c.y, c.z + height}, {a.x, a.y, a.z + height}};
    const Uv tex[4] = {{0, v}, {u, v}, {u, 0}, {0, 0}};
    const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    quad(b, bone, surface, p, tex, lm);
}

void flat(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 z, f32 tile,
    int cells, bool down)
{
    for (int j = 0; j < cells; j++)
        for (int i = 0; i < cells; i++) {
            f32 ax = x0 + (x1 - x0) * i / cells, bx = x0 + (x1 - x0) * (i + 1) / cells;
            f32 ay = y0 + (y1 - y0) * j / cells, by = y0 + (y1 - y0) * (j + 1) / cells;
            MeshPoint p[4] = {{ax, ay, z}, {bx, ay, z}, {bx, by, z}, {ax, by, z}};
            if (down) {
                std::swap(p[1], p[3]);
            }
            Uv tex[4], lm[4];
            for (int k = 0; k < 4; k++) {
                tex[k] = {p[k].x / tile, -p[k].y / tile};
                lm[k] = floor_uv(p[k].x, p[k].y);
            }
            quad(b, EMD_NO_BONE, surface, p, tex, lm);
        }
}

void floor_rect(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 tile)
{
    int cells = std::max(1, static_cast<int>(std::max(x1 - x0, y1 - y0) / 60.0f));
    flat(b, surface, x0, y0, x1, y1, ARENA_FLOOR_Z, tile, cells, false);
}

void box(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint lo, MeshPoint hi, f32 tile)
{
    f32 h = hi.z - lo.z;
    wall(b, bone, surface, {lo.x, lo.y, lo.z}, {hi.x, lo.y, lo.z}, h, tile);
    wall(b, bone, surface, {hi.x, lo.y, lo.z}, {hi.x, hi.y, lo.z}, h, tile);
    wall(b, bone, surface, {hi.x, hi.y, lo.z}, {lo.x, hi.y, lo.z}, h, tile);
    wall(b, bone, surface, {lo.x, hi.y, lo.z}, {lo.x, lo.y, lo.z}, h, tile);
    const MeshPoint top[4] = {{lo.x, lo.y, hi.z}, {hi.x, lo.y, hi.z}, {hi.x, hi.y, hi.z}, {lo.x, hi.y, hi.z}};
    f32 tu = tile > 0.0f ? (hi.x - lo.x) / tile : 1.0f, tv = tile > 0.0f ? (hi.y - lo.y) / tile : 1.0f;
    const Uv tex[4] = {{0, tv}, {tu, tv}, {tu, 0}, {0, 0}};
    const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    quad(b, bone, surface, top, tex, lm);
    if (lo.z <= 0.5f && bone == EMD_NO_BONE)
        b.floor.shadows.push_back({lo.x, lo.y, hi.x, hi.y, hi.z});
}

void shaft(ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint base, f32 z1, f32 r0, f32 r1,
    int sides, f32 wraps, f32 tile)
{
    f32 v = tile > 0.0f ? (z1 - base.z) / tile : 1.0f;
    for (int k = 0; k < sides; k++) {
        f32 a0 = 2.0f * PAINT_PI * k / sides, a1 = 2.0f * PAINT_PI * (k + 1) / sides;
        f32 top_r1 = std::max(r1, 0.01f);
        const MeshPoint p[4] = {
            {base.x + r0 * std::cos(a0), base.y + r0 * std::sin(a0), base.z},
            {base.x + r0 * std::cos(a1), base.y + r0 * std::sin(a1), base.z},
            {base.x + top_r1 * std::cos(a1), base.y + top_r1 * std::sin(a1), z1},
            {base.x + top_r1 * std::cos(a0), base.y + top_r1 * std::sin(a0), z1},
        };
        f32 u0 = wraps * k / sides, u1 = wraps * (k + 1) / sides;
        const Uv tex[4] = {{u0, v}, {u1, v}, {u1, 0}, {u0, 0}};
        const Uv lm[4] = {{static_cast<f32>(k) / sides, 1}, {static_cast<f32>(k + 1) / sides, 1},
            {static_cast<f32>(k + 1) / sides, 0}, {static_cast<f32>(k) / sides, 0}};
        quad(b, bone, surface, p, tex, lm);
    }
    if (base.z <= 0.5f && bone == EMD_NO_BONE)
        b.floor.shadows.push_back(
            {base.x - r0 * 0.8f, base.y - r0 * 0.8f, base.x + r0 * 0.8f, base.y + r0 * 0.8f, z1});
}

void sprite(
    ArenaBuild &b, int bone, const EmdSurface &surface, MeshPoint base, f32 width, f32 height, int planes)
{
    for (int k = 0; k < planes; k++) {
        f32 a = PAINT_PI * k / planes;
        f32 dx = std::cos(a) * width * 0.5f, dy = std::sin(a) * width * 0.5f;
        const MeshPoint p[4] = {
            {base.x - dx, base.y - dy, base.z},
            {base.x + dx, base.y + dy, base.z},
            {base.x + dx, base.y + dy, base.z + height},
            {base.x - dx, base.y - dy, base.z + height},
        };
        const Uv tex[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
        quad(b, bone, surface, p, tex, tex);
    }
}

void pitched_roof(
    ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 y0, f32 x1, f32 y1, f32 z0, f32 z1, f32 tile)
{
    f32 ym = (y0 + y1) * 0.5f;
    f32 slope = std::hypot(ym - y0, z1 - z0);
    f32 u = (x1 - x0) / tile, v = slope / tile;
    const Uv tex[4] = {{0, v}, {u, v}, {u, 0}, {0, 0}};
    const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    const MeshPoint front[4] = {{x0, y0, z0}, {x1, y0, z0}, {x1, ym, z1}, {x0, ym, z1}};
    const MeshPoint back[4] = {{x1, y1, z0}, {x0, y1, z0}, {x0, ym, z1}, {x1, ym, z1}};
    quad(b, EMD_NO_BONE, surface, front, tex, lm);
    quad(b, EMD_NO_BONE, surface, back, tex, lm);
}

void gable(ArenaBuild &b, const EmdSurface &surface, f32 x0, f32 x1, f32 y, f32 z0, f32 z1)
{
    int first = static_cast<int>(b.model.vertices.size());
    emd_add_vertex(b.model, EMD_NO_BONE, {x0, y, z0});
    emd_add_vertex(b.model, EMD_NO_BONE, {x1, y, z0});
    emd_add_vertex(b.model, EMD_NO_BONE, {(x0 + x1) * 0.5f, y, z1});
    EmdPolygon poly = {};
    poly.surface = surface;
    poly.surface.two_sided = 1;
    const f32 uv[6] = {0, 1, 1, 1, 0.5f, 0};
    for (int k = 0; k < 3; k++)
        poly.corner[k] = static_cast<u16>(first + k);
    memcpy(poly.tex_uv, uv, sizeof uv);
    memcpy(poly.lightmap_uv, uv, sizeof uv);
    b.model.polygons.push_back(poly);
}

void tiers(ArenaBuild &b, const EmdSurface &surface, f32 cx, f32 cy, f32 r, int rows, f32 rise, f32 tread,
    f32 a0, f32 a1, int segments)
{
    for (int row = 0; row < rows; row++) {
        f32 ra = r + row * tread, rb = ra + tread, z0 = row * rise, z1 = z0 + rise;
        for (int k = 0; k < segments; k++) {
            f32 b0 = a0 + (a1 - a0) * k / segments, b1 = a0 + (a1 - a0) * (k + 1) / segments;
            MeshPoint riser[4] = {
                {cx + ra * std::cos(b1), cy + ra * std::sin(b1), z0},
                {cx + ra * std::cos(b0), cy + ra * std::sin(b0), z0},
                {cx + ra * std::cos(b0), cy + ra * std::sin(b0), z1},
                {cx + ra * std::cos(b1), cy + ra * std::sin(b1), z1},
            };
            MeshPoint tread_[4] = {
                riser[3],
                riser[2],
                {cx + rb * std::cos(b0), cy + rb * std::sin(b0), z1},
                {cx + rb * std::cos(b1), cy + rb * std::sin(b1), z1},
            };
            const Uv tex[4] = {{0, 1}, {2, 1}, {2, 0}, {0, 0}};
            const Uv lm[4] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
            quad(b, EMD_NO_BONE, surface, riser, tex, lm);
            quad(b, EMD_NO_BONE, surface, tread_, tex, lm);
        }
    }
}

// ---- scenery bones ---------------------------------------------------------------------------

int scenery_bone(ArenaBuild &b, MeshPoint pivot, Motion motion, f32 amount, f32 offset)
{
    int bone = esq_add_bone(b.skeleton, 0, pivot);
    int keys = scenery_steps[b.stage].last_key;
    for (int k = 1; k <= keys; k++) {
        f32 w = amount * std::sin(2.0f * PAINT_PI * (k - 1) / keys + offset);
        switch (motion) {
        case MOTION_SWAY_X:
            esq_set_turn(b.skeleton, k, bone, w, 0, 0);
            break;
        case MOTION_SWAY_Y:
            esq_set_turn(b.skeleton, k, bone, 0, w, 0);
            break;
        case MOTION_SWAY_Z:
            esq_set_turn(b.skeleton, k, bone, 0, 0, w);
            break;
        case MOTION_BOB:
            esq_set_shift(b.skeleton, k, bone, {0, 0, w});
            break;
        case MOTION_DRIFT_X:
            esq_set_shift(b.skeleton, k, bone, {w, 0, 0});
            break;
        case MOTION_FLICKER:
            esq_set_scale(b.skeleton, k, bone, {1.0f - 0.4f * w, 1.0f - 0.4f * w, 1.0f + w});
            break;
        }
    }
    return bone;
}

void banner(
    ArenaBuild &b, int texture, int lightmap, f32 x, f32 y, f32 top, f32 width, f32 length, f32 offset)
{
    int bone = scenery_bone(b, {x, y, top}, MOTION_SWAY_Y, 6.0f, offset);
    wall(b, bone, cutout(texture, lightmap), {x - width * 0.5f, y, top - length},
        {x + width * 0.5f, y, top - length}, length, 0.0f);
}

void flame(ArenaBuild &b, int texture, MeshPoint base, f32 size, f32 offset)
{
    int bone = scenery_bone(b, base, MOTION_FLICKER, 0.25f, offset);
    sprite(b, bone, cutout(texture, 0), base, size, size * 1.6f, 2);
    b.floor.glows.push_back({base.x, base.y, size * 5.0f, paint_rgb(70, 40, 10)});
}

void tree(ArenaBuild &b, int bark, int leaves, int lightmap, MeshPoint base, f32 height, f32 offset)
{
    shaft(b, EMD_NO_BONE, solid(bark, lightmap), base, base.z + height * 0.6f, height * 0.05f,
        height * 0.035f, 6, 1.0f, 0.0f);
    int bone = scenery_bone(b, {base.x, base.y, base.z + height * 0.5f}, MOTION_SWAY_Y, 2.5f, offset);
    sprite(b, bone, cutout(leaves, lightmap), {base.x, base.y, base.z + height * 0.35f}, height * 0.7f,
        height * 0.65f, 3);
    b.floor.shadows.push_back({base.x - height * 0.25f, base.y - height * 0.25f, base.x + height * 0.25f,
        base.y + height * 0.25f, height});
}

// ---- shared arena pieces ----------------------------------------------------------------------
void paint(ArenaBuild &b, int slot, PaintCanvas canvas)
{
    b.pictures[slot] = std::move(canvas);
}

void face_lightmap(ArenaBuild &b, int index, PaintColour top, PaintColour bottom)
{
    paint(b, stage_lightmap_base(b.stage) + index, paint_face_lightmap(top, bottom, b.stage * 10 + index));
}

void sky(ArenaBuild &b, const SkyStyle &style)
{
    int first = b.stage == STAGE_TROY ? STAGE_SLOT_SKY + 1 : STAGE_SLOT_SKY;
    PaintCanvas strip = paint_sky_strip(style);
    paint(b, first, cut_panel(strip, 1));
    paint(b, first + 1, cut_panel(strip, 0));
    paint(b, first + 2, cut_panel(strip, 2));
}

void square_floor(ArenaBuild &b, const EmdSurface &outer, const EmdSurface &centre, f32 tile, f32 centre_tile,
    f32 half_x, f32 half_y)
{
    const f32 f = FLOOR_HALF;
    floor_rect(b, outer, -f, -f, f, -half_y, tile);
    floor_rect(b, outer, -f, half_y, f, f, tile);
    floor_rect(b, outer, -f, -half_y, -half_x, half_y, tile);
    floor_rect(b, outer, half_x, -half_y, f, half_y, tile);
    floor_rect(b, centre, -half_x, -half_y, half_x, half_y, centre_tile);
}

void temple_front(ArenaBuild &b, const TempleFront &t)
{
    f32 w = t.half_width, y = t.y, depth = 40.0f;
    for (int k = 0; k < 3; k++)
        box(b, EMD_NO_BONE, solid(t.step, t.lm_step), {-w - 10 + k * 2.0f, y + k * 5.0f, k * 2.0f},
            {w + 10 - k * 2.0f, y + depth, k * 2.0f + 2.0f}, 8.0f);
    f32 z = 6.0f, top = z + t.column_height, cy = y + 14.0f;
    int count = static_cast<int>(2.0f * w / 30.0f) + 1;
    for (int i = 0; i < count; i++) {
        f32 x = -w + 30.0f * i;
        box(b, EMD_NO_BONE, solid(t.step, t.lm_step), {x - 4.5f, cy - 4.5f, z},
            {x + 4.5f, cy + 4.5f, z + 1.5f}, 8.0f);
        shaft(b, EMD_NO_BONE, solid(t.column, t.lm_column), {x, cy, z + 1.5f}, top - 1.5f, 3.4f, 2.9f, 12,
            1.0f, 0.0f);
        box(b, EMD_NO_BONE, solid(t.step, t.lm_step), {x - 4.5f, cy - 4.5f, top - 1.5f},
            {x + 4.5f, cy + 4.5f, top}, 8.0f);
    }
    box(b, EMD_NO_BONE, solid(t.frieze, t.lm_wall), {-w - 6, cy - 6, top}, {w + 6, y + depth - 4, top + 8},
        8.0f);
    pitched_roof(b, solid(t.roof, t.lm_roof), -w - 8, cy - 8, w + 8, y + depth - 2, top + 8, top + 20, 16.0f);
    gable(b, solid(t.wall, t.lm_wall), -w - 6, w + 6, cy - 6, top + 8, top + 19);
    wall(b, EMD_NO_BONE, solid(t.wall, t.lm_wall), {-w, y + depth - 8, z}, {w, y + depth - 8, z},
        t.column_height, 16.0f);
}

void houses(
    ArenaBuild &b, int wall_tex, int roof_tex, int lightmap, f32 front, f32 y0, f32 y1, int count, int seed)
{
    f32 depth = front < 0 ? -40.0f : 40.0f;
    for (int i = 0; i < count; i++) {
        f32 ya = y0 + (y1 - y0) * i / count, yb = y0 + (y1 - y0) * (i + 1) / count - 2.0f;
        f32 h = 24.0f + 16.0f * paint_hash(i, 0, seed);
        f32 xa = std::min(front, front + depth), xb = std::max(front, front + depth);
        box(b, EMD_NO_BONE, solid(wall_tex, lightmap), {xa, ya, 0}, {xb, yb, h}, 24.0f);
        box(b, EMD_NO_BONE, solid(roof_tex, lightmap), {xa - 1, ya - 1, h}, {xb + 1, yb + 1, h + 2}, 16.0f);
    }
}

void gate_wall(ArenaBuild &b, const EmdSurface &stone, const EmdSurface &gate, f32 y0, f32 y1, f32 height,
    f32 gate_half, f32 jamb, f32 gate_height, f32 tile)
{
    f32 outer = gate_half + jamb, recess = y0 + (y1 - y0) * 0.3f, door = y0 + (y1 - y0) * 0.6f;
    box(b, EMD_NO_BONE, stone, {-260, y0, 0}, {-outer, y1, height}, tile);
    box(b, EMD_NO_BONE, stone, {outer, y0, 0}, {260, y1, height}, tile);
    box(b, EMD_NO_BONE, stone, {-outer, recess, gate_height}, {outer, y1, height}, tile);
    box(b, EMD_NO_BONE, stone, {-outer, recess, 0}, {-gate_half, y1, gate_height}, tile);
    box(b, EMD_NO_BONE, stone, {gate_half, recess, 0}, {outer, y1, gate_height}, tile);
    wall(b, EMD_NO_BONE, gate, {-gate_half, door, 0}, {gate_half, door, 0}, gate_height, 16.0f);
}

void facade_row(
    ArenaBuild &b, int wall_tex, int roof_tex, int lightmap, f32 x0, f32 x1, f32 y, int count, int seed)
{
    for (int i = 0; i < count; i++) {
        f32 xa = x0 + (x1 - x0) * i / count, xb = x0 + (x1 - x0) * (i + 1) / count;
        f32 h = 28.0f + 22.0f * paint_hash(i, 1, seed), depth = 24.0f + 10.0f * paint_hash(i, 2, seed);
        box(b, EMD_NO_BONE, solid(wall_tex, lightmap), {xa, y, 0}, {xb, y + depth, h}, 24.0f);
        pitched_roof(b, solid(roof_tex, lightmap), xa - 1, y - 2, xb + 1, y + depth + 2, h, h + 8, 16.0f);
    }
}

void statue(ArenaBuild &b, int body_tex, int plinth_tex, int lightmap, MeshPoint at, f32 height)
{
    f32 z = at.z + height * 0.3f;
    box(b, EMD_NO_BONE, solid(plinth_tex, lightmap), {at.x - 6, at.y - 6, at.z}, {at.x + 6, at.y + 6, z},
        8.0f);
    f32 figure = height * 0.7f;
    EmdSurface body = solid(body_tex, lightmap);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x - 1.2f, at.y, z}, {at.x - 1.0f, at.y, z + figure * 0.48f},
        1.1f, 1.4f, 6);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x + 1.2f, at.y, z}, {at.x + 1.0f, at.y, z + figure * 0.48f},
        1.1f, 1.4f, 6);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x, at.y, z + figure * 0.45f},
        {at.x, at.y, z + figure * 0.82f}, 2.4f, 3.0f, 8);
    emd_add_ball(b.model, EMD_NO_BONE, body, {at.x, at.y, z + figure * 0.9f}, {1.6f, 1.6f, 1.9f}, 5, 8);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x + 2.8f, at.y, z + figure * 0.78f},
        {at.x + 4.5f, at.y - 1.0f, z + figure * 1.05f}, 0.8f, 0.6f, 6);
    emd_add_limb(b.model, EMD_NO_BONE, body, {at.x - 2.8f, at.y, z + figure * 0.78f},
        {at.x - 3.6f, at.y, z + figure * 0.5f}, 0.8f, 0.6f, 6);
}

void banner_pole(
    ArenaBuild &b, int banner_tex, int pole_tex, int lightmap, MeshPoint at, f32 height, f32 offset)
{
    shaft(b, EMD_NO_BONE, solid(pole_tex, lightmap), at, at.z + height, 0.8f, 0.6f, 6, 1.0f, 10.0f);
    box(b, EMD_NO_BONE, solid(pole_tex, lightmap), {at.x - 7, at.y - 0.5f, at.z + height - 3},
        {at.x + 7, at.y + 0.5f, at.z + height - 2}, 0.0f);
    banner(b, banner_tex, lightmap, at.x, at.y - 0.8f, at.z + height - 3, 12.0f, height * 0.5f, offset);
}

void brazier(ArenaBuild &b, int metal_tex, int flame_tex, int lightmap, MeshPoint at, f32 height, f32 offset)
{
    shaft(b, EMD_NO_BONE, solid(metal_tex, lightmap), at, at.z + height, 0.9f, 0.6f, 6, 1.0f, 0.0f);
    shaft(b, EMD_NO_BONE, solid(metal_tex, lightmap), {at.x, at.y, at.z + height}, at.z + height + 2.5f, 1.5f,
        3.2f, 8, 1.0f, 0.0f);
    flame(b, flame_tex, {at.x, at.y, at.z + height + 1.0f}, 5.0f, offset);
}
