// engine_local.h: helpers shared by the engine's own files; included only by engine/*.cpp
// and by the tests and fuzz targets of those files.
#pragma once

#include "engine/engine.h"

#include <cstring>

// ---- little-endian reads (engine_local.h) ------------------------------------------
// A read cursor over one entry. Callers check their counts against bytes_left before
// reading; a read past the end still stays inside the buffer and yields zero.
struct ByteReader {
    const u8 *data;
    u32 size;
    u32 at;
};

inline u32 bytes_left(const ByteReader *in)
{
    return in->at < in->size ? in->size - in->at : 0;
}

inline void read_skip(ByteReader *in, u32 count)
{
    in->at = count < bytes_left(in) ? in->at + count : in->size;
}

inline u8 read_u8(ByteReader *in)
{
    if (bytes_left(in) < 1)
        return 0;
    return in->data[in->at++];
}

inline u16 read_u16(ByteReader *in)
{
    if (bytes_left(in) < 2)
        return 0;
    u16 value = static_cast<u16>(in->data[in->at] | in->data[in->at + 1] << 8);
    in->at += 2;
    return value;
}

inline u32 read_u32(ByteReader *in)
{
    if (bytes_left(in) < 4)
        return 0;
    const u8 *p = in->data + in->at;
    in->at += 4;
    return static_cast<u32>(p[0]) | static_cast<u32>(p[1]) << 8 | static_cast<u32>(p[2]) << 16 |
           static_cast<u32>(p[3]) << 24;
}

inline i16 read_i16(ByteReader *in)
{
    return static_cast<i16>(read_u16(in));
}

inline f32 read_f32(ByteReader *in)
{
    u32 bits = read_u32(in);
    f32 value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

// ---- entry parsers behind model_load and skeleton_load (model.cpp, skeleton.cpp) -----
// The same as the loaders, from an entry already in memory; entry_name only names the
// entry in log lines.
Model *model_parse(const u8 *data, u32 size, const char *entry_name);
int skeleton_parse(Skeleton *skeleton, const u8 *data, u32 size, const char *entry_name);

// ---- the corner table (model_corners.cpp) ------------------------------------------
// Fills the model's slots from its polygons; returns 0 when memory cannot be had (the
// caller frees the model). Freed with the model.
int model_corners_build(Model *model);
void model_corners_free(Model *model);
// The draw-only slot arrays of posed positions and normals, slot_count of each; 0 when out of
// memory. Every record has its own, a twin too.
int model_slots_posed_alloc(Model *model);
void model_slots_posed_free(Model *model);
// Copies the posed positions and normals into the slots, right before a draw.
void model_slots_gather(const Model *model);
// The slots, gathered, as client arrays: positions, normals, texture coordinates on unit 0;
// `uv` as unit 1's coordinates (needs gl_client_active_texture).
void model_arrays_begin(const Model *model);
void model_arrays_unit1(const f32 (*uv)[2]);
// Every client array off again, unit 1's too when it was set.
void model_arrays_end(bool unit1);
// Polygons first .. first + count - 1, in their order, as one draw from the arrays.
void model_polygons_draw(const Model *model, u32 first, u32 count);
// The current normal and coordinates those of the polygon's last corner, as sending its
// corners one by one leaves them (unit 1's from unit1_uv, when given): the drawers after a
// model that send no normal of their own see the same one.
void model_corner_current(const Model *model, u32 polygon_index, const f32 (*unit1_uv)[2]);

// ---- drawing helpers shared by the model and arena drawers (model_draw.cpp) ----------
// Polygon::surface_kind values the drawers test.
enum SurfaceKind : u8 {
    SURFACE_PLAIN = 0,
    SURFACE_REFLECTIVE = 1,         // sphere-mapped reflection on texture unit 1
    SURFACE_UNLIT = 2,              // drawn white without lighting (the arena: reflective floor)
    SURFACE_MASKED_REFLECTIVE = 5   // alpha-tested, with the reflection
};

// Polygon::pass grouped as the drawers treat it.
enum PassGroup : u8 {
    PASS_GROUP_OPAQUE,     // 0-1: drawn at once
    PASS_GROUP_MASKED,     // 2-3: alpha-tested at once, or held back with depth writes
    PASS_GROUP_BLENDED,    // 4-5: held back without depth writes
    PASS_GROUP_NEVER       // 6 and above
};

constexpr f32 ALPHA_TEST_LEVEL = 0.35f;   // alpha-tested texels at or below this are cut out

PassGroup pass_group(u8 pass);
// Moves the current model-view to a placement: translate to pos, then turn by heading about
// z, rot_y about y and rot_x about x (angles[0..2] = rot_x, rot_y, heading, degrees).
void placement_apply(const f32 pos[3], const f32 angles[3]);
// Face culling off for a two-sided polygon, on otherwise.
void polygon_culling(const Polygon *polygon);
// Appends one held-back triangle of a posed model; a full queue counts it in masked_dropped.
void masked_polys_append(const ModelPlacement *placement, const Model *model,
                         const Polygon *polygon, u32 texture, u8 queue_kind);
