// The queue of held-back triangles: filled by model_draw, bucket-sorted by depth and drawn
// far to near, blended, once per frame after the arena and the sky.
#include "engine/engine.h"

#include "engine/engine_local.h"

#include <GL/gl.h>
#include <allegro.h>
#include <cstdlib>

MaskedPoly *masked_queue;
i32 *masked_buckets;
u16 masked_count;
u32 masked_dropped;

// KEEP: -255/360, not -256/360: queued triangles have always been sorted with this factor.
constexpr f32 DEGREES_TO_SORT_UNITS = -0.7083334f;
constexpr f32 SORT_FIELD_OF_VIEW = 35.0f;   // binary angle units; only x and y feel it
constexpr f32 SORT_ASPECT = 1.0f;

static bool masked_overflow_logged;

int masked_polys_alloc()
{
    masked_polys_free();
    masked_buckets = static_cast<i32 *>(calloc(MASKED_BUCKET_COUNT, sizeof *masked_buckets));
    masked_queue = static_cast<MaskedPoly *>(calloc(MASKED_QUEUE_SIZE, sizeof *masked_queue));
    masked_count = 0;
    masked_dropped = 0;
    stage_scroll_u = 0.0f;
    stage_scroll_v = 0.0f;
    if (!masked_buckets || !masked_queue) {
        masked_polys_free();
        return 0;
    }
    return 1;
}

void masked_polys_free()
{
    free(masked_buckets);
    free(masked_queue);
    masked_buckets = nullptr;
    masked_queue = nullptr;
    masked_count = 0;
}

void masked_polys_append(const ModelPlacement *placement, const Model *model,
                         const Polygon *polygon, u32 texture, u8 queue_kind)
{
    if (!masked_queue || masked_count >= MASKED_QUEUE_SIZE) {
        masked_dropped++;
        return;
    }
    MaskedPoly *entry = &masked_queue[masked_count++];
    entry->surface_kind = polygon->surface_kind;
    entry->poly_tag = polygon->poly_tag;
    entry->queue_kind = queue_kind;
    entry->angles[0] = placement->rot_x;
    entry->angles[1] = placement->rot_y;
    entry->angles[2] = placement->heading;
    entry->position[0] = placement->pos_x;
    entry->position[1] = placement->pos_y;
    entry->position[2] = placement->pos_z;
    for (int c = 0; c < 3; c++) {
        u16 vertex = polygon->corner[c];
        for (int axis = 0; axis < 3; axis++) {
            entry->corners[c][axis] = model->pos[vertex][axis];
            entry->corner_normals[c][axis] = model->normals[vertex][axis];
        }
    }
    for (int k = 0; k < 6; k++)
        entry->corner_uv[k] = polygon->tex_uv[k];
    entry->texture = texture;
    entry->next = -1;
}

i32 masked_depth_key(f32 depth_sum)
{
    f32 key = depth_sum * MASKED_DEPTH_SCALE;
    // Tested as a float, before any conversion: a huge or NaN key has no integer. Keys
    // between -1 and 0 truncate to bucket 0, as they always have.
    if (!(key > -1.0f && key < static_cast<f32>(MASKED_BUCKET_COUNT - 1)))
        return -1;
    return static_cast<i32>(key);
}

// The camera as the sort sees it: z is the distance in front of the eye.
static void sort_camera(MATRIX_f *camera)
{
    const DrawView &v = draw_view;
    get_camera_matrix_f(camera, v.eye[0], v.eye[1], v.eye[2], v.centre[0] - v.eye[0], v.centre[1] - v.eye[1],
                        v.centre[2] - v.eye[2], 0.0f, 0.0f, 1.0f, SORT_FIELD_OF_VIEW, SORT_ASPECT);
}

// One entry into camera space; returns its summed corner depths.
static f32 masked_poly_to_view(MaskedPoly *entry, const MATRIX_f *camera)
{
    MATRIX_f placement, to_view;
    get_rotation_matrix_f(&placement, entry->angles[0] * DEGREES_TO_SORT_UNITS,
                          entry->angles[1] * DEGREES_TO_SORT_UNITS, entry->angles[2] * DEGREES_TO_SORT_UNITS);
    placement.t[0] = entry->position[0];
    placement.t[1] = entry->position[1];
    placement.t[2] = entry->position[2];
    matrix_mul_f(&placement, camera, &to_view);
    f32 depth_sum = 0.0f;
    for (int c = 0; c < 3; c++) {
        f32 *out = entry->view_corners[c];
        apply_matrix_f(&to_view, entry->corners[c][0], entry->corners[c][1], entry->corners[c][2], &out[0],
                       &out[1], &out[2]);
        depth_sum += out[2];
    }
    return depth_sum;
}

void masked_polys_sort()
{
    if (!masked_buckets || !masked_queue)
        return;
    for (int b = 0; b < MASKED_BUCKET_COUNT; b++)
        masked_buckets[b] = -1;
    MATRIX_f camera;
    sort_camera(&camera);
    for (int i = 0; i < masked_count; i++) {
        MaskedPoly *entry = &masked_queue[i];
        i32 key = masked_depth_key(masked_poly_to_view(entry, &camera));
        if (key < 0)
            continue;
        entry->next = masked_buckets[key];
        masked_buckets[key] = i;
    }
}

// Once per run: a frame that held back more than the queue takes is worth a line, every
// frame of it is not.
static void masked_overflow_report()
{
    if (masked_dropped > 0 && !masked_overflow_logged) {
        masked_overflow_logged = true;
        log_printf("\n -Masked polygon queue full: %u triangles not drawn", masked_dropped);
    }
    masked_dropped = 0;
}

static void masked_poly_draw(const MaskedPoly *entry, const StageLight *light)
{
    camera_view_load();
    stage_light_send_positions(light);
    placement_apply(entry->position, entry->angles);
    glBegin(GL_TRIANGLES);
    for (int c = 0; c < 3; c++) {
        glNormal3fv(entry->corner_normals[c]);
        glTexCoord2f(entry->corner_uv[2 * c], entry->corner_uv[2 * c + 1]);
        glVertex3fv(entry->corners[c]);
    }
    glEnd();
}

// Far to near; within a bucket the last queued comes first. Binds and depth-write switches
// happen only on a change from the triangle before.
static void masked_polys_replay(const StageLight *light)
{
    u32 texture = 0;
    bool depth_writes = true;
    glBindTexture(GL_TEXTURE_2D, texture);
    for (int b = MASKED_BUCKET_COUNT - 1; b >= 0; b--) {
        for (i32 i = masked_buckets[b]; i >= 0; i = masked_queue[i].next) {
            const MaskedPoly *entry = &masked_queue[i];
            if (entry->texture != texture) {
                texture = entry->texture;
                glBindTexture(GL_TEXTURE_2D, texture);
            }
            bool writes = entry->queue_kind == 0;
            if (writes != depth_writes) {
                depth_writes = writes;
                glDepthMask(writes ? GL_TRUE : GL_FALSE);
            }
            masked_poly_draw(entry, light);
        }
    }
}

void masked_polys_draw(const StageLight *light)
{
    masked_overflow_report();
    if (!masked_buckets || !masked_queue)
        return;
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
    texture_unit_select(0);
    masked_polys_sort();
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glDepthMask(GL_TRUE);
    tex_env_lit_skin();
    glEnable(GL_TEXTURE_2D);
    masked_polys_replay(light);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glEnable(GL_CULL_FACE);
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, GL_TRUE);
}
