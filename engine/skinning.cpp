#include "engine/engine.h"

#include <allegro.h>
#include <cmath>
#include <cstddef>
#include <cstring>

// BoneMatrix stands in for MATRIX_f in the public header, so that the header does not need
// the library's; the two are copied into each other byte for byte.
static_assert(sizeof(BoneMatrix) == sizeof(MATRIX_f), "BoneMatrix must match MATRIX_f");
static_assert(offsetof(BoneMatrix, v) == offsetof(MATRIX_f, v), "BoneMatrix must match MATRIX_f");
static_assert(offsetof(BoneMatrix, t) == offsetof(MATRIX_f, t), "BoneMatrix must match MATRIX_f");

// Turns a captured angle's cosine back into key units. KEEP: 40.76, not 128 / pi: poses
// were always captured with this factor, and the sequencers' timing of the blends out of
// a captured pose rests on it.
constexpr double CAPTURE_UNITS_PER_RADIAN = 40.76;
constexpr f32 ANGLE_UNITS_PER_TURN = 256.0f;

static MATRIX_f matrix_to_library(const BoneMatrix *m)
{
    MATRIX_f out;
    memcpy(&out, m, sizeof out);
    return out;
}

static void matrix_from_library(BoneMatrix *out, const MATRIX_f *m)
{
    memcpy(out, m, sizeof *out);
}

// p := m p, through the library so that posing rounds as it always has. The matrix is handed
// over in place (the layouts are checked above): a copy per call was most of a fight tick,
// and the library reads it in its own object, out of this file's sight.
static void bone_apply(const BoneMatrix *m, const f32 in[3], f32 out[3])
{
    apply_matrix_f(reinterpret_cast<const MATRIX_f *>(m), in[0], in[1], in[2], &out[0], &out[1], &out[2]);
}

// The sequencers keep keys in 0..255; a stray value is held at the ends rather than read
// past the key tables.
static int key_index(int key)
{
    return key < 0 ? 0 : key >= SKELETON_KEYS ? SKELETON_KEYS - 1 : key;
}

// How many bones may be read: the block holds exactly bone_count of them, and none at all
// without its array. A bone at or past this reads as rigid.
static int skeleton_bone_limit(const Skeleton *skeleton)
{
    int count = skeleton->bones ? skeleton->bone_count : 0;
    return count < 0 ? 0 : count > SKELETON_MAX_BONES ? SKELETON_MAX_BONES : count;
}

static int bone_moves(const Skeleton *skeleton, u16 bone)
{
    return bone < BONE_NONE && bone < skeleton_bone_limit(skeleton);
}

// Linear blend of one key table between the skeleton's two keys at its phase.
static void blend_keys(const Skeleton *skeleton, const f32 (*keys)[3], f32 out[3])
{
    const f32 *from = keys[key_index(skeleton->key_from)];
    const f32 *to = keys[key_index(skeleton->key_to)];
    for (int axis = 0; axis < 3; axis++)
        out[axis] = from[axis] + (to[axis] - from[axis]) * skeleton->phase;
}

// The turn about one axis (0 x, 1 y, 2 z) between the two keys, the shorter way round.
static void blend_axis(const Skeleton *skeleton, const Bone *bone, int axis, QUAT *out)
{
    static void (*const axis_quat[3])(QUAT *, float) = {get_x_rotate_quat, get_y_rotate_quat,
                                                         get_z_rotate_quat};
    QUAT from, to;
    axis_quat[axis](&from, bone->angle_keys[key_index(skeleton->key_from)][axis]);
    axis_quat[axis](&to, bone->angle_keys[key_index(skeleton->key_to)][axis]);
    quat_slerp(&from, &to, skeleton->phase, out, QUAT_SHORT);
}

void skeleton_bone_matrix(Skeleton *skeleton, int b)
{
    if (!skeleton || b < 0 || b >= skeleton_bone_limit(skeleton))
        return;
    Bone *bone = &skeleton->bones[b];
    f32 shift[3], scale[3];
    blend_keys(skeleton, bone->trans_keys, shift);
    blend_keys(skeleton, bone->scale_keys, scale);
    QUAT turn[3], xz, q;
    for (int axis = 0; axis < 3; axis++)
        blend_axis(skeleton, bone, axis, &turn[axis]);
    quat_mul(&turn[0], &turn[2], &xz);   // x first, then z, then y
    quat_mul(&xz, &turn[1], &q);
    MATRIX_f rotation;
    quat_to_matrix(&q, &rotation);

    // v -> S (R (v - rest) + T) + rest: the scale acts after the shift, about the rest point.
    MATRIX_f to_rest, shift_m, scale_m, from_rest, step1, step2, step3, full;
    get_translation_matrix_f(&to_rest, -bone->rest[0], -bone->rest[1], -bone->rest[2]);
    get_translation_matrix_f(&shift_m, shift[0], shift[1], shift[2]);
    get_scaling_matrix_f(&scale_m, scale[0], scale[1], scale[2]);
    get_translation_matrix_f(&from_rest, bone->rest[0], bone->rest[1], bone->rest[2]);
    matrix_mul_f(&to_rest, &rotation, &step1);
    matrix_mul_f(&step1, &shift_m, &step2);
    matrix_mul_f(&step2, &scale_m, &step3);
    matrix_mul_f(&step3, &from_rest, &full);
    matrix_from_library(&bone->matrix, &full);
    matrix_from_library(&bone->rotation, &rotation);
}

void skeleton_build_matrices(Skeleton *skeleton)
{
    int count = skeleton_bone_limit(skeleton);
    for (int b = 0; b < count; b++) {
        skeleton_bone_matrix(skeleton, b);
        Bone *bone = &skeleton->bones[b];
        // Parents come first, so the parent's matrix is already final. A block filled by
        // hand with a later parent leaves that bone unchained rather than half-built.
        if (b == 0 || bone->parent >= b)
            continue;
        const Bone *parent = &skeleton->bones[bone->parent];
        MATRIX_f own = matrix_to_library(&bone->matrix), up = matrix_to_library(&parent->matrix), out;
        matrix_mul_f(&own, &up, &out);
        matrix_from_library(&bone->matrix, &out);
        own = matrix_to_library(&bone->rotation);
        up = matrix_to_library(&parent->rotation);
        matrix_mul_f(&own, &up, &out);
        matrix_from_library(&bone->rotation, &out);
    }
}

void skeleton_bone_point(const Skeleton *skeleton, int bone, f32 out[3])
{
    out[0] = out[1] = out[2] = 0.0f;
    if (!skeleton || bone < 0 || bone >= skeleton_bone_limit(skeleton))
        return;
    const Bone *b = &skeleton->bones[bone];
    bone_apply(&b->matrix, b->rest, out);
}

// Reads one axis's angle back out of a single-axis rotation matrix, 0..256 key units.
static f32 captured_angle(const MATRIX_f *m, int axis)
{
    // Cells (cos row, cos column, sin row, sin column) per axis in the library's layout.
    static const int cell[3][4] = {{1, 1, 1, 2}, {0, 0, 2, 0}, {0, 0, 0, 1}};
    double c = m->v[cell[axis][0]][cell[axis][1]];
    f32 s = m->v[cell[axis][2]][cell[axis][3]];
    // Rounding can carry the cosine just past 1; acos would answer NaN.
    c = c > 1.0 ? 1.0 : c < -1.0 ? -1.0 : c;
    f32 angle = static_cast<f32>(acos(c) * CAPTURE_UNITS_PER_RADIAN);
    return s < 0.0f ? ANGLE_UNITS_PER_TURN - angle : angle;
}

static void bone_capture(Skeleton *skeleton, Bone *bone)
{
    f32 shift[3], scale[3], angles[3];
    blend_keys(skeleton, bone->trans_keys, shift);
    blend_keys(skeleton, bone->scale_keys, scale);
    for (int axis = 0; axis < 3; axis++) {
        QUAT turn;
        MATRIX_f m;
        blend_axis(skeleton, bone, axis, &turn);
        quat_to_matrix(&turn, &m);
        angles[axis] = captured_angle(&m, axis);
    }
    // Stored only now: key 0 may be one of the keys being blended.
    memcpy(bone->trans_keys[0], shift, sizeof shift);
    memcpy(bone->scale_keys[0], scale, sizeof scale);
    memcpy(bone->angle_keys[0], angles, sizeof angles);
}

void skeleton_capture_pose(Skeleton *skeleton, Skeleton *second)
{
    if (skeleton->phase > 1.0f)
        skeleton->phase = 1.0f;
    int count = skeleton_bone_limit(skeleton);
    // The blur copy has the same bones when both loaded; a bone it lacks is skipped.
    int copies = second ? skeleton_bone_limit(second) : 0;
    for (int b = 0; b < count; b++) {
        Bone *bone = &skeleton->bones[b];
        bone_capture(skeleton, bone);
        if (b >= copies)
            continue;
        Bone *copy = &second->bones[b];
        memcpy(copy->trans_keys[0], bone->trans_keys[0], sizeof copy->trans_keys[0]);
        memcpy(copy->scale_keys[0], bone->scale_keys[0], sizeof copy->scale_keys[0]);
        memcpy(copy->angle_keys[0], bone->angle_keys[0], sizeof copy->angle_keys[0]);
    }
    // Phase 2 with key_to 0 marks "captured, no transition yet"; the sequencer sets the
    // next one from key 0.
    skeleton->phase = 2.0f;
    skeleton->key_to = 0;
    skeleton->posed_action = static_cast<i16>(skeleton->action);
}

static void copy3(f32 out[3], const f32 in[3])
{
    out[0] = in[0];
    out[1] = in[1];
    out[2] = in[2];
}

void model_skin(Model *model, Skeleton *skeleton)
{
    skeleton_build_matrices(skeleton);
    // The arrays are read into locals once: the library's matrix apply is out of line, so
    // through the record every vertex would fetch them again after each call.
    const u16 *bone_of = model->bone_a;
    const f32(*rest_pos)[3] = model->rest_pos;
    const f32(*rest_normals)[3] = model->rest_normals;
    f32(*pos)[3] = model->pos;
    f32(*normals)[3] = model->normals;
    const Bone *bones = skeleton->bones;
    const int moving = skeleton_bone_limit(skeleton);
    const int count = model->vertex_count;
    for (int i = 0; i < count; i++) {
        u16 b = bone_of[i];
        if (b >= BONE_NONE || b >= moving) {
            copy3(pos[i], rest_pos[i]);
            copy3(normals[i], rest_normals[i]);
            continue;
        }
        // Normals turn with the bone but are not renormalised: scale never reaches them.
        bone_apply(&bones[b].matrix, rest_pos[i], pos[i]);
        bone_apply(&bones[b].rotation, rest_normals[i], normals[i]);
    }
}

void model_copy_rest_pose(Model *model)
{
    for (int i = 0; i < model->vertex_count; i++) {
        copy3(model->pos[i], model->rest_pos[i]);
        copy3(model->normals[i], model->rest_normals[i]);
    }
}

void model_skin_two_skeletons(Model *model, Skeleton *first, Skeleton *second)
{
    skeleton_build_matrices(first);
    skeleton_build_matrices(second);
    for (int i = 0; i < model->vertex_count; i++) {
        u16 b = model->bone_b[i];
        if (bone_moves(first, b))
            bone_apply(&first->bones[b].matrix, model->rest_pos[i], model->mid_pos[i]);
        else
            copy3(model->mid_pos[i], model->rest_pos[i]);
        u16 a = model->bone_a[i];
        if (bone_moves(second, a)) {
            bone_apply(&second->bones[a].matrix, model->mid_pos[i], model->pos[i]);
            bone_apply(&second->bones[a].rotation, model->rest_normals[i], model->normals[i]);
        } else {
            copy3(model->pos[i], model->mid_pos[i]);
            copy3(model->normals[i], model->rest_normals[i]);
        }
    }
}
