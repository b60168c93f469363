#include "tools/writers/writers.h"

#include <cstdio>

constexpr int EMD_NAME_BYTES = 256;
constexpr int EMD_MAX_NAMES = 256;
constexpr int EMD_RECORD_BYTES = 20;
constexpr size_t EMD_MAX_COUNT = 0xFFFF;   // vertex and polygon counts are u16

static void emd_put_header(Bytes &out, const EmdModel &model)
{
    int names = model.name_fields < 1 ? 1 : model.name_fields > EMD_MAX_NAMES ? EMD_MAX_NAMES
                                                                               : model.name_fields;
    put_u32(out, 0);
    put_u8(out, 0);
    put_u8(out, names - 1);   // the count byte holds one less than the number of names
    for (int field = 0; field < names; field++)
        for (int i = 0; i < EMD_NAME_BYTES; i++) {
            bool in_name = field == 0 && i < EMD_NAME_BYTES - 1 && static_cast<size_t>(i) < model.name.size();
            put_u8(out, in_name ? static_cast<u8>(model.name[i]) : 0);
        }
    put_u16(out, model.skipped_records);
    out.insert(out.end(), static_cast<size_t>(model.skipped_records & 0xFFFF) * EMD_RECORD_BYTES, 0);
}

static void emd_put_vertex(Bytes &out, const EmdVertex &vertex)
{
    put_u16(out, vertex.bone_b);   // the file keeps the chain bone first
    put_u16(out, vertex.bone_a);
    put_f32(out, vertex.pos.x);
    put_f32(out, vertex.pos.y);
    put_f32(out, vertex.pos.z);
    put_u16(out, vertex.tag);
}

static void emd_put_polygon(Bytes &out, const EmdPolygon &poly)
{
    put_u8(out, poly.surface.surface_kind);
    put_u8(out, poly.surface.two_sided);
    put_u16(out, poly.poly_tag);
    put_u8(out, poly.poly_flag);
    for (int k = 0; k < 3; k++)
        put_u16(out, poly.corner[k]);
    put_u8(out, poly.surface.pass);
    put_u16(out, poly.surface.texture_index);
    put_u16(out, poly.surface.lightmap_index);
    for (int k = 0; k < 3; k++) {
        put_f32(out, poly.tex_uv[2 * k]);
        put_f32(out, poly.tex_uv[2 * k + 1]);
        put_f32(out, poly.lightmap_uv[2 * k]);
        put_f32(out, poly.lightmap_uv[2 * k + 1]);
    }
}

// Empty bytes when a count does not fit the format's u16: the builder must split the model.
Bytes emd_encode(const EmdModel &model)
{
    if (model.vertices.size() > EMD_MAX_COUNT || model.polygons.size() > EMD_MAX_COUNT) {
        fprintf(stderr, "emd_encode: %s has too many vertices or polygons\n", model.name.c_str());
        return Bytes();
    }
    Bytes out;
    emd_put_header(out, model);
    put_u16(out, static_cast<u32>(model.vertices.size()));
    for (const EmdVertex &vertex : model.vertices)
        emd_put_vertex(out, vertex);
    put_u16(out, static_cast<u32>(model.polygons.size()));
    for (const EmdPolygon &poly : model.polygons)
        emd_put_polygon(out, poly);
    return out;
}

int emd_add_vertex(EmdModel &model, int bone, MeshPoint pos)
{
    EmdVertex vertex = {static_cast<u16>(bone), EMD_NO_BONE, pos, 0};
    model.vertices.push_back(vertex);
    return static_cast<int>(model.vertices.size()) - 1;
}

void emd_add_triangle(EmdModel &model, const EmdSurface &surface, int a, int b, int c,
                      const f32 uv[6])
{
    EmdPolygon poly = {};
    poly.surface = surface;
    poly.corner[0] = static_cast<u16>(a);
    poly.corner[1] = static_cast<u16>(b);
    poly.corner[2] = static_cast<u16>(c);
    for (int i = 0; i < 6; i++) {
        poly.tex_uv[i] = uv[i];
        poly.lightmap_uv[i] = uv[i];
    }
    model.polygons.push_back(poly);
}

void emd_add_quad(EmdModel &model, const EmdSurface &surface, int a, int b, int c, int d)
{
    // a bottom left, b bottom right, c top right, d top left; v = 0 is the top row.
    const f32 lower[6] = {0, 1, 1, 1, 1, 0};
    const f32 upper[6] = {0, 1, 1, 0, 0, 0};
    emd_add_triangle(model, surface, a, b, c, lower);
    emd_add_triangle(model, surface, a, c, d, upper);
}
