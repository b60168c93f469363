#include "engine/engine.h"
#include "engine/engine_local.h"

#include <cmath>
#include <cstdlib>

// .esq layout: u32 and u8 carried past, i16 bone count, per bone a rest position and a
// parent, then per bone all its key frames (translation, scale, angles), packed.
constexpr u32 ESQ_HEADER_BYTES = 7;
constexpr u32 ESQ_COUNT_OFFSET = 5;
constexpr u32 ESQ_BONE_BYTES = 14;
constexpr u32 ESQ_KEY_BYTES = 36;
constexpr u32 ESQ_BONE_KEYS_BYTES = ESQ_KEY_BYTES * SKELETON_KEYS;   // 9,216

static int skeleton_refuse(const char *entry_name, const char *why)
{
    log_printf("\n       -skeleton_load: %s refused: %s", entry_name ? entry_name : "(null)", why);
    return 0;
}

// Checks the rest positions and the parent chain: every bone after the root must hang
// from a bone before it, or building the matrices would read a parent not yet built.
static int esq_check_bones(ByteReader *in, int bone_count, const char *entry_name)
{
    for (int b = 0; b < bone_count; b++) {
        for (int axis = 0; axis < 3; axis++)
            if (!std::isfinite(read_f32(in)))
                return skeleton_refuse(entry_name, "a rest position is not a number");
        u16 parent = read_u16(in);
        if (b > 0 && parent >= b)
            return skeleton_refuse(entry_name, "a bone's parent does not come before it");
    }
    return 1;
}

static int esq_check_keys(ByteReader *in, int bone_count, const char *entry_name)
{
    u32 values = static_cast<u32>(bone_count) * (ESQ_BONE_KEYS_BYTES / 4);
    for (u32 i = 0; i < values; i++)
        if (!std::isfinite(read_f32(in)))
            return skeleton_refuse(entry_name, "a key frame value is not a number");
    return 1;
}

// Validates the whole entry before the block is touched, so a refused entry leaves the
// skeleton as it was. Returns 1 with the bone count (0 for a count below 1), or 0.
static int esq_check(const u8 *data, u32 size, int *bone_count, const char *entry_name)
{
    if (size < ESQ_HEADER_BYTES)
        return skeleton_refuse(entry_name, "shorter than its header");
    ByteReader in = {data, size, ESQ_COUNT_OFFSET};
    int count = read_i16(&in);
    *bone_count = count < 1 ? 0 : count;
    // Loaded as a skeleton without bones, as before; but no writer makes a negative count,
    // and a fighter standing stiff in its rest pose needs a line saying why.
    if (count < 0)
        log_printf("\n       -skeleton_load: %s has a bone count of %d, loaded with no bones",
                   entry_name ? entry_name : "(null)", count);
    if (count < 1)
        return 1;
    if (count > SKELETON_MAX_BONES)
        return skeleton_refuse(entry_name, "more than 256 bones");
    if (bytes_left(&in) < static_cast<u32>(count) * (ESQ_BONE_BYTES + ESQ_BONE_KEYS_BYTES))
        return skeleton_refuse(entry_name, "shorter than its bone count");
    return esq_check_bones(&in, count, entry_name) && esq_check_keys(&in, count, entry_name);
}

// Fills a block's freshly allocated bones from an entry that esq_check accepted.
static void esq_fill(Skeleton *skeleton, const u8 *data, u32 size, int bone_count)
{
    ByteReader in = {data, size, ESQ_HEADER_BYTES};
    for (int b = 0; b < bone_count; b++) {
        Bone *bone = &skeleton->bones[b];
        for (int axis = 0; axis < 3; axis++)
            bone->rest[axis] = read_f32(&in);
        bone->parent = read_u16(&in);
    }
    for (int b = 0; b < bone_count; b++) {
        Bone *bone = &skeleton->bones[b];
        for (int key = 0; key < SKELETON_KEYS; key++) {
            for (int axis = 0; axis < 3; axis++)
                bone->trans_keys[key][axis] = read_f32(&in);
            for (int axis = 0; axis < 3; axis++)
                bone->scale_keys[key][axis] = read_f32(&in);
            for (int axis = 0; axis < 3; axis++)
                bone->angle_keys[key][axis] = read_f32(&in);
        }
    }
}

int skeleton_bones_alloc(Skeleton *skeleton, int count)
{
    if (count < 0 || count > SKELETON_MAX_BONES)
        return 0;
    Bone *bones = nullptr;
    if (count > 0) {
        bones = static_cast<Bone *>(calloc(static_cast<size_t>(count), sizeof(Bone)));
        if (!bones)
            return 0;
    }
    free(skeleton->bones);
    skeleton->bones = bones;
    skeleton->bone_count = static_cast<i16>(count);
    return 1;
}

void skeleton_bones_free(Skeleton *skeleton)
{
    free(skeleton->bones);
    skeleton->bones = nullptr;
    skeleton->bone_count = 0;
}

int skeleton_parse(Skeleton *skeleton, const u8 *data, u32 size, const char *entry_name)
{
    int bone_count;
    if (!esq_check(data, size, &bone_count, entry_name))
        return 0;
    if (!skeleton_bones_alloc(skeleton, bone_count))
        return skeleton_refuse(entry_name, "no memory for its bones");
    // Zeroing the header too is what starts every fight's skeleton from key 0, phase 0.
    Skeleton header = {};
    header.bone_count = skeleton->bone_count;
    header.bones = skeleton->bones;
    *skeleton = header;
    esq_fill(skeleton, data, size, bone_count);
    return 1;
}

int skeleton_load(Skeleton *skeleton, ArchiveHandle archive, const char *entry_name)
{
    u8 *data;
    u32 size;
    if (!archive_read_entry(archive, entry_name, &data, &size)) {
        log_printf("\n       -skeleton_load: cannot read %s", entry_name ? entry_name : "(null)");
        return 0;
    }
    int loaded = skeleton_parse(skeleton, data, size, entry_name);
    free(data);
    return loaded;
}
