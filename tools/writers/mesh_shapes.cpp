// Procedural shapes for the figures and arenas the data builder makes. Every shape is
// closed or flat and winds its triangles counter-clockwise seen from outside, so the game's
// rest normals point outward.
#include "tools/writers/writers.h"

#include <cmath>

constexpr f32 MESH_PI = 3.14159265358979f;
constexpr int MESH_MIN_SIDES = 3;

static MeshPoint mesh_add(MeshPoint a, MeshPoint b)
{
    return {a.x + b.x, a.y + b.y, a.z + b.z};
}

static MeshPoint mesh_sub(MeshPoint a, MeshPoint b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}

static MeshPoint mesh_scale(MeshPoint a, f32 s)
{
    return {a.x * s, a.y * s, a.z * s};
}

static MeshPoint mesh_cross(MeshPoint a, MeshPoint b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}

static MeshPoint mesh_unit(MeshPoint a)
{
    f32 length = std::sqrt(a.x * a.x + a.y * a.y + a.z * a.z);
    return length > 0.0f ? mesh_scale(a, 1.0f / length) : MeshPoint{0.0f, 0.0f, 1.0f};
}

int emd_add_box(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint centre,
                MeshPoint half_size)
{
    int first = static_cast<int>(model.vertices.size());
    for (int i = 0; i < 8; i++) {
        MeshPoint corner = {i & 1 ? half_size.x : -half_size.x, i & 2 ? half_size.y : -half_size.y,
                            i & 4 ? half_size.z : -half_size.z};
        emd_add_vertex(model, bone, mesh_add(centre, corner));
    }
    // Corners per face, bottom left first as seen from outside: +x, -x, +y, -y (front), +z, -z.
    static const int faces[6][4] = {{1, 3, 7, 5}, {2, 0, 4, 6}, {3, 2, 6, 7},
                                    {0, 1, 5, 4}, {4, 5, 7, 6}, {2, 3, 1, 0}};
    for (const auto &face : faces)
        emd_add_quad(model, surface, first + face[0], first + face[1], first + face[2], first + face[3]);
    return first;
}

// Two unit vectors across the axis, with e1 x e2 = axis.
static void mesh_axis_frame(MeshPoint axis, MeshPoint *e1, MeshPoint *e2)
{
    MeshPoint helper = std::fabs(axis.z) < 0.9f ? MeshPoint{0.0f, 0.0f, 1.0f} : MeshPoint{1.0f, 0.0f, 0.0f};
    *e1 = mesh_unit(mesh_cross(helper, axis));
    *e2 = mesh_cross(axis, *e1);
}

static void mesh_add_ring(EmdModel &model, int bone, MeshPoint centre, MeshPoint e1, MeshPoint e2,
                          f32 radius, int sides)
{
    for (int k = 0; k < sides; k++) {
        f32 angle = 2.0f * MESH_PI * k / sides;
        MeshPoint out = mesh_add(mesh_scale(e1, std::cos(angle) * radius), mesh_scale(e2, std::sin(angle) * radius));
        emd_add_vertex(model, bone, mesh_add(centre, out));
    }
}

// Triangles from a centre vertex to a ring. along_axis: the fan faces the side from which
// the ring runs counter-clockwise; otherwise the other side.
static void mesh_add_cap(EmdModel &model, const EmdSurface &surface, int centre, int ring,
                         int sides, bool along_axis)
{
    for (int k = 0; k < sides; k++) {
        int next = (k + 1) % sides;
        f32 a0 = 2.0f * MESH_PI * k / sides, a1 = 2.0f * MESH_PI * (k + 1) / sides;
        f32 uv[6] = {0.5f, 0.5f, 0.5f + 0.5f * std::cos(a0), 0.5f - 0.5f * std::sin(a0),
                     0.5f + 0.5f * std::cos(a1), 0.5f - 0.5f * std::sin(a1)};
        if (along_axis) {
            emd_add_triangle(model, surface, centre, ring + k, ring + next, uv);
        } else {
            f32 flipped[6] = {uv[0], uv[1], uv[4], uv[5], uv[2], uv[3]};
            emd_add_triangle(model, surface, centre, ring + next, ring + k, flipped);
        }
    }
}

// The band of quads between two rings of `sides` vertices; u runs round, v from the
// first ring (v_first) to the second (v_second).
static void mesh_add_band(EmdModel &model, const EmdSurface &surface, int first_ring,
                          int second_ring, int sides, f32 v_first, f32 v_second)
{
    for (int k = 0; k < sides; k++) {
        int next = (k + 1) % sides;
        f32 u0 = static_cast<f32>(k) / sides, u1 = static_cast<f32>(k + 1) / sides;
        const f32 lower[6] = {u0, v_first, u1, v_first, u1, v_second};
        const f32 upper[6] = {u0, v_first, u1, v_second, u0, v_second};
        emd_add_triangle(model, surface, first_ring + k, first_ring + next, second_ring + next, lower);
        emd_add_triangle(model, surface, first_ring + k, second_ring + next, second_ring + k, upper);
    }
}

int emd_add_limb(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint from,
                 MeshPoint to, f32 radius_from, f32 radius_to, int sides)
{
    if (sides < MESH_MIN_SIDES)
        sides = MESH_MIN_SIDES;
    int first = static_cast<int>(model.vertices.size());
    MeshPoint axis = mesh_unit(mesh_sub(to, from)), e1, e2;
    mesh_axis_frame(axis, &e1, &e2);
    mesh_add_ring(model, bone, from, e1, e2, radius_from, sides);
    mesh_add_ring(model, bone, to, e1, e2, radius_to, sides);
    int centre_from = emd_add_vertex(model, bone, from);
    int centre_to = emd_add_vertex(model, bone, to);
    mesh_add_band(model, surface, first, first + sides, sides, 0.0f, 1.0f);
    mesh_add_cap(model, surface, centre_from, first, sides, false);
    mesh_add_cap(model, surface, centre_to, first + sides, sides, true);
    return first;
}

int emd_add_ball(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint centre,
                 MeshPoint radii, int rings, int sides)
{
    if (rings < 2)
        rings = 2;
    if (sides < MESH_MIN_SIDES)
        sides = MESH_MIN_SIDES;
    int first = emd_add_vertex(model, bone, {centre.x, centre.y, centre.z + radii.z});
    for (int j = 1; j < rings; j++) {
        f32 polar = MESH_PI * j / rings;
        MeshPoint ring_centre = {centre.x, centre.y, centre.z + radii.z * std::cos(polar)};
        MeshPoint e1 = {radii.x * std::sin(polar), 0.0f, 0.0f}, e2 = {0.0f, radii.y * std::sin(polar), 0.0f};
        mesh_add_ring(model, bone, ring_centre, e1, e2, 1.0f, sides);
    }
    int bottom = emd_add_vertex(model, bone, {centre.x, centre.y, centre.z - radii.z});
    int top_ring = first + 1, bottom_ring = first + 1 + (rings - 2) * sides;
    mesh_add_cap(model, surface, first, top_ring, sides, true);
    // Bands run from the lower ring up, so they face out like the limb's.
    for (int j = rings - 2; j > 0; j--) {
        int upper = first + 1 + (j - 1) * sides, lower = upper + sides;
        mesh_add_band(model, surface, lower, upper, sides, static_cast<f32>(j + 1) / rings,
                      static_cast<f32>(j) / rings);
    }
    mesh_add_cap(model, surface, bottom, bottom_ring, sides, false);
    return first;
}

int emd_add_floor(EmdModel &model, int bone, const EmdSurface &surface, MeshPoint centre,
                  f32 half_x, f32 half_y, int cells)
{
    if (cells < 1)
        cells = 1;
    int first = static_cast<int>(model.vertices.size());
    for (int j = 0; j <= cells; j++)
        for (int i = 0; i <= cells; i++) {
            f32 x = centre.x - half_x + 2.0f * half_x * i / cells;
            f32 y = centre.y - half_y + 2.0f * half_y * j / cells;
            emd_add_vertex(model, bone, {x, y, centre.z});
        }
    for (int j = 0; j < cells; j++)
        for (int i = 0; i < cells; i++) {
            int a = first + j * (cells + 1) + i;
            emd_add_quad(model, surface, a, a + 1, a + cells + 2, a + cells + 1);
        }
    return first;
}
