// The drawers' corner table: each distinct corner of a model (a vertex with its texture and
// lightmap coordinates) gets one slot, so vertex arrays send and light a shared vertex once.
#include "engine/engine.h"

#include "engine/engine_local.h"

#include <GL/gl.h>

#include <cstdlib>
#include <cstring>

constexpr u32 SLOT_NONE = 0xFFFFFFFFu;

// The same corner, bit for bit: a slot may stand for it only when nothing drawn can differ.
static bool slot_matches(const Model *model, u32 slot, const Polygon *polygon, int c)
{
    return memcmp(model->slot_uv[slot], &polygon->tex_uv[2 * c], sizeof(f32[2])) == 0 &&
           memcmp(model->slot_lightmap_uv[slot], &polygon->lightmap_uv[2 * c], sizeof(f32[2])) == 0;
}

static u32 slot_new(Model *model, const Polygon *polygon, int c)
{
    u32 slot = model->slot_count++;
    model->slot_vertex[slot] = polygon->corner[c];
    memcpy(model->slot_uv[slot], &polygon->tex_uv[2 * c], sizeof(f32[2]));
    memcpy(model->slot_lightmap_uv[slot], &polygon->lightmap_uv[2 * c], sizeof(f32[2]));
    return slot;
}

// The build's arrays, sized for the most slots a model can need: one per corner.
static bool model_corners_alloc(Model *model)
{
    size_t corners = 3u * model->polygon_count + 1u;   // never an empty allocation
    model->corner_slot = static_cast<u32 *>(calloc(corners, sizeof(u32)));
    model->slot_vertex = static_cast<u16 *>(calloc(corners, sizeof(u16)));
    model->slot_uv = static_cast<f32(*)[2]>(calloc(corners, sizeof(f32[2])));
    model->slot_lightmap_uv = static_cast<f32(*)[2]>(calloc(corners, sizeof(f32[2])));
    return model->corner_slot && model->slot_vertex && model->slot_uv && model->slot_lightmap_uv;
}

// A shrunk copy of a slot array, or the array itself when the allocator keeps it in place
// or refuses: shrinking never loses the slots.
static void *slots_shrink(void *array, size_t bytes)
{
    void *shrunk = realloc(array, bytes);
    return shrunk ? shrunk : array;
}

// Shared corners leave most of the corner-sized arrays unused: they keep the slots the build
// made, and the draw-only arrays are made at that size.
static bool model_slots_fit(Model *model)
{
    size_t slots = model->slot_count + 1u;   // never an empty allocation
    model->slot_vertex = static_cast<u16 *>(slots_shrink(model->slot_vertex, slots * sizeof(u16)));
    model->slot_uv = static_cast<f32(*)[2]>(slots_shrink(model->slot_uv, slots * sizeof(f32[2])));
    model->slot_lightmap_uv =
        static_cast<f32(*)[2]>(slots_shrink(model->slot_lightmap_uv, slots * sizeof(f32[2])));
    return model_slots_posed_alloc(model);
}

int model_slots_posed_alloc(Model *model)
{
    size_t slots = model->slot_count + 1u;   // never an empty allocation
    model->slot_pos = static_cast<f32(*)[3]>(calloc(slots, sizeof(f32[3])));
    model->slot_normals = static_cast<f32(*)[3]>(calloc(slots, sizeof(f32[3])));
    return model->slot_pos && model->slot_normals;
}

void model_slots_posed_free(Model *model)
{
    free(model->slot_pos);
    free(model->slot_normals);
}

int model_corners_build(Model *model)
{
    model->slot_count = 0;
    if (!model_corners_alloc(model))
        return 0;
    // Per vertex, a chain of its slots: first_slot by vertex, then next_slot by slot.
    u32 *first_slot = static_cast<u32 *>(malloc((model->vertex_count + 1u) * sizeof(u32)));
    u32 *next_slot = static_cast<u32 *>(malloc((3u * model->polygon_count + 1u) * sizeof(u32)));
    if (!first_slot || !next_slot) {
        free(first_slot);
        free(next_slot);
        return 0;
    }
    memset(first_slot, 0xFF, (model->vertex_count + 1u) * sizeof(u32));
    for (u32 p = 0; p < model->polygon_count; p++) {
        const Polygon *polygon = &model->polygons[p];
        for (int c = 0; c < 3; c++) {
            u32 slot = first_slot[polygon->corner[c]];
            while (slot != SLOT_NONE && !slot_matches(model, slot, polygon, c))
                slot = next_slot[slot];
            if (slot == SLOT_NONE) {
                slot = slot_new(model, polygon, c);
                next_slot[slot] = first_slot[polygon->corner[c]];
                first_slot[polygon->corner[c]] = slot;
            }
            model->corner_slot[3 * p + c] = slot;
        }
    }
    free(first_slot);
    free(next_slot);
    return model_slots_fit(model);
}

void model_corners_free(Model *model)
{
    free(model->corner_slot);
    free(model->slot_vertex);
    free(model->slot_uv);
    free(model->slot_lightmap_uv);
}

void model_slots_gather(const Model *model)
{
    for (u32 slot = 0; slot < model->slot_count; slot++) {
        u16 vertex = model->slot_vertex[slot];
        memcpy(model->slot_pos[slot], model->pos[vertex], sizeof(f32[3]));
        memcpy(model->slot_normals[slot], model->normals[vertex], sizeof(f32[3]));
    }
}

void model_arrays_begin(const Model *model)
{
    model_slots_gather(model);
    glVertexPointer(3, GL_FLOAT, 0, model->slot_pos);
    glNormalPointer(GL_FLOAT, 0, model->slot_normals);
    glTexCoordPointer(2, GL_FLOAT, 0, model->slot_uv);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
}

void model_arrays_unit1(const f32 (*uv)[2])
{
    gl_client_active_texture(GL_TEXTURE1);
    glTexCoordPointer(2, GL_FLOAT, 0, uv);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    gl_client_active_texture(GL_TEXTURE0);
}

void model_arrays_end(bool unit1)
{
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    if (!unit1)
        return;
    gl_client_active_texture(GL_TEXTURE1);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    gl_client_active_texture(GL_TEXTURE0);
}

void model_polygons_draw(const Model *model, u32 first, u32 count)
{
    glDrawElements(GL_TRIANGLES, static_cast<GLsizei>(3 * count), GL_UNSIGNED_INT, model->corner_slot + 3 * first);
}

void model_corner_current(const Model *model, u32 polygon_index, const f32 (*unit1_uv)[2])
{
    const Polygon *polygon = &model->polygons[polygon_index];
    u32 slot = model->corner_slot[3 * polygon_index + 2];
    glNormal3fv(model->normals[polygon->corner[2]]);
    glTexCoord2fv(model->slot_uv[slot]);
    if (unit1_uv)
        gl_multi_tex_coord2f(GL_TEXTURE1, unit1_uv[slot][0], unit1_uv[slot][1]);
}
