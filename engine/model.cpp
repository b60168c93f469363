#include "engine/engine.h"
#include "engine/engine_local.h"

#include <allegro.h>
#include <cmath>
#include <cstdio>
#include <cstdlib>

// .emd layout: a header we carry past unread, then vertices and triangles, packed.
constexpr u32 EMD_HEADER_BYTES = 6;      // u32, u8, then the name count byte
constexpr u32 EMD_NAME_BYTES = 256;
constexpr u32 EMD_RECORD_BYTES = 20;
constexpr u32 EMD_VERTEX_BYTES = 18;
constexpr u32 EMD_POLYGON_BYTES = 64;

static int model_refuse(const char *entry_name, const char *why)
{
    log_printf("\n       -model_load: %s refused: %s", entry_name ? entry_name : "(null)", why);
    return 0;
}

// calloc that never answers 0 for an empty array, so a null pointer always means failure.
static void *zero_alloc(size_t count, size_t size)
{
    return calloc(count ? count : 1, size);
}

static int model_alloc_vertices(Model *model, u16 count)
{
    model->vertex_count = count;
    model->bone_a = static_cast<u16 *>(zero_alloc(count, sizeof(u16)));
    model->bone_b = static_cast<u16 *>(zero_alloc(count, sizeof(u16)));
    model->vertex_tag = static_cast<u16 *>(zero_alloc(count, sizeof(u16)));
    model->rest_pos = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    model->rest_normals = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    model->normals = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    model->mid_pos = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    model->pos = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    return model->bone_a && model->bone_b && model->vertex_tag && model->rest_pos &&
           model->rest_normals && model->normals && model->mid_pos && model->pos;
}

static int model_alloc_polygons(Model *model, u16 count)
{
    model->polygon_count = count;
    model->polygons = static_cast<Polygon *>(zero_alloc(count, sizeof(Polygon)));
    model->polygon_tag = static_cast<u16 *>(zero_alloc(count, sizeof(u16)));
    return model->polygons && model->polygon_tag;
}

// The format has no magic and no length field, so garbage is recognised only by a count that
// runs past the end: the refusal names that count, where its block starts, the bytes it needs
// and those left. Returns 0 (with the line logged) when count blocks of size do not fit.
static int emd_check_count(const ByteReader *in, u32 count, u32 size, const char *what, const char *entry_name)
{
    u32 need = count * size;   // at most 65535 blocks of 256 bytes
    if (need <= bytes_left(in))
        return 1;
    char why[128];
    snprintf(why, sizeof why, "%u %s at byte %u need %u bytes, %u are left", count, what, in->at, need,
             bytes_left(in));
    return model_refuse(entry_name, why);
}

// Reads one u16 count; returns 0 (with the line logged) when the entry ends inside it.
static int emd_read_count(ByteReader *in, u16 *count, const char *what, const char *entry_name)
{
    if (bytes_left(in) < 2) {
        char why[96];
        snprintf(why, sizeof why, "the entry ends at byte %u, inside the %s count", in->size, what);
        return model_refuse(entry_name, why);
    }
    *count = read_u16(in);
    return 1;
}

// Skips the names and the 20-byte records, leaving the cursor on the vertex count.
// Returns 0, with the refusal logged, when the entry ends inside them.
static int emd_skip_header(ByteReader *in, const char *entry_name)
{
    if (bytes_left(in) < EMD_HEADER_BYTES) {
        char why[64];
        snprintf(why, sizeof why, "%u bytes, shorter than the %u-byte header", in->size, EMD_HEADER_BYTES);
        return model_refuse(entry_name, why);
    }
    read_skip(in, 5);
    u32 names = read_u8(in) + 1u;   // the byte holds one less than the number of names
    if (!emd_check_count(in, names, EMD_NAME_BYTES, "names", entry_name))
        return 0;
    read_skip(in, names * EMD_NAME_BYTES);
    u16 records = 0;
    if (!emd_read_count(in, &records, "record", entry_name) ||
        !emd_check_count(in, records, EMD_RECORD_BYTES, "records", entry_name))
        return 0;
    read_skip(in, records * EMD_RECORD_BYTES);
    return 1;
}

// Reads the vertex block; the count has been checked against the bytes present.
static int emd_read_vertices(Model *model, ByteReader *in)
{
    for (int i = 0; i < model->vertex_count; i++) {
        // KEEP: the drawing bone is the second word of the file's vertex.
        model->bone_b[i] = read_u16(in);
        model->bone_a[i] = read_u16(in);
        for (int axis = 0; axis < 3; axis++) {
            model->rest_pos[i][axis] = read_f32(in);
            if (!std::isfinite(model->rest_pos[i][axis]))
                return 0;
        }
        model->vertex_tag[i] = read_u16(in);
    }
    return 1;
}

// Reads one 64-byte triangle; the corner fields sit at odd offsets, so each is assembled
// byte by byte. Returns 0 for a corner outside the vertex block or a coordinate that is
// not a finite number.
static int emd_read_polygon(Polygon *poly, ByteReader *in, u16 vertex_count)
{
    poly->surface_kind = read_u8(in);
    poly->two_sided = read_u8(in);
    poly->poly_tag = read_u16(in);
    poly->poly_flag = read_u8(in);
    for (int k = 0; k < 3; k++)
        poly->corner[k] = read_u16(in);
    poly->pass = read_u8(in);
    poly->texture_index = read_u16(in);
    poly->lightmap_index = read_u16(in);
    int finite = 1;
    for (int k = 0; k < 3; k++) {
        poly->tex_uv[2 * k] = read_f32(in);
        poly->tex_uv[2 * k + 1] = read_f32(in);
        poly->lightmap_uv[2 * k] = read_f32(in);
        poly->lightmap_uv[2 * k + 1] = read_f32(in);
        finite &= std::isfinite(poly->tex_uv[2 * k]) && std::isfinite(poly->tex_uv[2 * k + 1]) &&
                  std::isfinite(poly->lightmap_uv[2 * k]) && std::isfinite(poly->lightmap_uv[2 * k + 1]);
    }
    return finite && poly->corner[0] < vertex_count && poly->corner[1] < vertex_count &&
           poly->corner[2] < vertex_count;
}

// Face normal of one triangle at rest, not normalised, so larger faces weigh more.
static void polygon_face_normal(const Model *model, const Polygon *poly, f32 out[3])
{
    const f32 *p0 = model->rest_pos[poly->corner[0]];
    const f32 *p1 = model->rest_pos[poly->corner[1]];
    const f32 *p2 = model->rest_pos[poly->corner[2]];
    cross_product_f(p0[0] - p1[0], p0[1] - p1[1], p0[2] - p1[2],
                    p1[0] - p2[0], p1[1] - p2[1], p1[2] - p2[2], &out[0], &out[1], &out[2]);
}

// Averages count summed face normals into a unit normal. Faces that cancel and faces of no
// area give a zero normal, never NaN. The library squares the components, so sums far from
// unit size are brought near it first; ordinary ones go through untouched.
static void normal_finish(const f32 sum[3], int count, f32 out[3])
{
    constexpr f32 SQUARES_SAFE_MIN = 1e-18f, SQUARES_SAFE_MAX = 1e18f;
    f32 scale = 1.0f / static_cast<f32>(count);
    f32 x = sum[0] * scale, y = sum[1] * scale, z = sum[2] * scale;
    f32 largest = std::fmax(std::fabs(x), std::fmax(std::fabs(y), std::fabs(z)));
    if (!(largest > 0.0f) || !std::isfinite(x) || !std::isfinite(y) || !std::isfinite(z)) {
        out[0] = out[1] = out[2] = 0.0f;
        return;
    }
    if (largest < SQUARES_SAFE_MIN || largest > SQUARES_SAFE_MAX) {
        x /= largest;
        y /= largest;
        z /= largest;
    }
    normalize_vector_f(&x, &y, &z);
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

static int polygon_uses_vertex(const Polygon *poly, int vertex)
{
    return poly->corner[0] == vertex || poly->corner[1] == vertex || poly->corner[2] == vertex;
}

void model_vertex_normal(int vertex, Model *model)
{
    if (!model || vertex < 0 || vertex >= model->vertex_count)
        return;
    f32 sum[3] = {0.0f, 0.0f, 0.0f};
    int count = 0;
    for (int p = 0; p < model->polygon_count; p++) {
        const Polygon *poly = &model->polygons[p];
        if (!polygon_uses_vertex(poly, vertex))
            continue;
        f32 face[3];
        polygon_face_normal(model, poly, face);
        for (int axis = 0; axis < 3; axis++)
            sum[axis] += face[axis];
        count++;
    }
    if (count > 0)
        normal_finish(sum, count, model->rest_normals[vertex]);
}

// Every rest normal in one sweep over the triangles. Each vertex sums its faces in
// triangle order, exactly as model_vertex_normal does, so both give the same bits; there
// is no cap on the faces round a vertex. Returns 0 when the count array cannot be had.
static int model_compute_normals(Model *model)
{
    int *counts = static_cast<int *>(zero_alloc(model->vertex_count, sizeof(int)));
    if (!counts)
        return 0;
    f32(*sums)[3] = model->rest_normals;   // summed in place, finished below
    for (int p = 0; p < model->polygon_count; p++) {
        const Polygon *poly = &model->polygons[p];
        f32 face[3];
        polygon_face_normal(model, poly, face);
        for (int k = 0; k < 3; k++) {
            int v = poly->corner[k];
            if ((k > 0 && v == poly->corner[0]) || (k > 1 && v == poly->corner[1]))
                continue;   // a face counts once round a vertex it names twice
            for (int axis = 0; axis < 3; axis++)
                sums[v][axis] += face[axis];
            counts[v]++;
        }
    }
    for (int v = 0; v < model->vertex_count; v++)
        if (counts[v] > 0)
            normal_finish(sums[v], counts[v], model->rest_normals[v]);
    free(counts);
    return 1;
}

// Reads the vertex and triangle blocks after the header, checking each count against the
// bytes present first.
static int emd_read_body(Model *model, ByteReader *in, const char *entry_name)
{
    u16 vertex_count = 0;
    if (!emd_read_count(in, &vertex_count, "vertex", entry_name) ||
        !emd_check_count(in, vertex_count, EMD_VERTEX_BYTES, "vertices", entry_name))
        return 0;
    if (!model_alloc_vertices(model, vertex_count))
        return model_refuse(entry_name, "out of memory");
    if (!emd_read_vertices(model, in))
        return model_refuse(entry_name, "a vertex position is not a number");
    u16 polygon_count = 0;
    if (!emd_read_count(in, &polygon_count, "polygon", entry_name) ||
        !emd_check_count(in, polygon_count, EMD_POLYGON_BYTES, "polygons", entry_name))
        return 0;
    if (!model_alloc_polygons(model, polygon_count))
        return model_refuse(entry_name, "out of memory");
    for (int p = 0; p < polygon_count; p++)
        if (!emd_read_polygon(&model->polygons[p], in, vertex_count))
            return model_refuse(entry_name, "a polygon corner lies outside the vertices");
    if (!model_compute_normals(model) || !model_corners_build(model))
        return model_refuse(entry_name, "out of memory");
    return 1;
}

Model *model_parse(const u8 *data, u32 size, const char *entry_name)
{
    ByteReader in = {data, size, 0};
    if (!emd_skip_header(&in, entry_name))
        return nullptr;
    Model *model = static_cast<Model *>(calloc(1, sizeof(Model)));
    if (!model) {
        model_refuse(entry_name, "out of memory");
        return nullptr;
    }
    for (int zone = 0; zone < MODEL_HIT_ZONES; zone++)
        model->hit_vertex[zone] = -1;
    if (!emd_read_body(model, &in, entry_name)) {
        model_free(model);
        return nullptr;
    }
    return model;
}

Model *model_load(ArchiveHandle archive, const char *entry_name)
{
    u8 *data;
    u32 size;
    if (!archive_read_entry(archive, entry_name, &data, &size)) {
        log_printf("\n       -model_load: cannot read %s", entry_name ? entry_name : "(null)");
        return nullptr;
    }
    Model *model = model_parse(data, size, entry_name);
    free(data);
    return model;
}

Model *model_twin(const Model *source)
{
    Model *twin = static_cast<Model *>(calloc(1, sizeof(Model)));
    if (!twin)
        return nullptr;
    *twin = *source;
    twin->mesh_shared = 1;
    for (int zone = 0; zone < MODEL_HIT_ZONES; zone++) {
        twin->hit_vertex[zone] = -1;
        twin->hit_zones[zone] = HitZone{};
    }
    u16 count = source->vertex_count;
    twin->mid_pos = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    twin->pos = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    twin->normals = static_cast<f32(*)[3]>(zero_alloc(count, sizeof(f32[3])));
    twin->slot_pos = nullptr;
    twin->slot_normals = nullptr;
    if (!twin->mid_pos || !twin->pos || !twin->normals || !model_slots_posed_alloc(twin)) {
        model_free(twin);
        return nullptr;
    }
    return twin;
}

void model_free(Model *model)
{
    if (!model)
        return;
    free(model->mid_pos);
    free(model->pos);
    free(model->normals);
    model_slots_posed_free(model);
    if (!model->mesh_shared) {
        free(model->bone_a);
        free(model->bone_b);
        free(model->vertex_tag);
        free(model->rest_pos);
        free(model->polygon_tag);
        free(model->rest_normals);
        free(model->polygons);
        model_corners_free(model);
    }
    free(model);
}
