#include "tools/writers/writers.h"

#include <cstdio>

static void esq_put_key(Bytes &out, const EsqKey &key)
{
    for (f32 value : key.trans)
        put_f32(out, value);
    for (f32 value : key.scale)
        put_f32(out, value);
    for (f32 value : key.angles)
        put_f32(out, value);
}

Bytes esq_encode(const EsqSkeleton &skeleton)
{
    Bytes out;
    put_u32(out, 0);
    put_u8(out, 0);
    put_u16(out, static_cast<u32>(skeleton.bones.size()));
    for (const EsqBone &bone : skeleton.bones) {
        put_f32(out, bone.rest.x);
        put_f32(out, bone.rest.y);
        put_f32(out, bone.rest.z);
        put_u16(out, bone.parent);
    }
    for (const EsqBone &bone : skeleton.bones)
        for (const EsqKey &key : bone.keys)
            esq_put_key(out, key);
    return out;
}

EsqKey esq_identity_key()
{
    return {{0.0f, 0.0f, 0.0f}, {1.0f, 1.0f, 1.0f}, {0.0f, 0.0f, 0.0f}};
}

int esq_add_bone(EsqSkeleton &skeleton, int parent, MeshPoint rest)
{
    skeleton.bones.emplace_back();
    EsqBone &bone = skeleton.bones.back();
    bone.rest = rest;
    bone.parent = static_cast<u16>(parent < 0 ? 0 : parent);
    for (EsqKey &key : bone.keys)
        key = esq_identity_key();
    return static_cast<int>(skeleton.bones.size()) - 1;
}

// The key a figure's tables name, or null (with a message) for a slip in those tables.
static EsqKey *esq_key(EsqSkeleton &skeleton, int key, int bone)
{
    if (bone < 0 || static_cast<size_t>(bone) >= skeleton.bones.size() || key < 0 || key >= ESQ_KEYS) {
        fprintf(stderr, "esq: no key %d of bone %d\n", key, bone);
        return nullptr;
    }
    return &skeleton.bones[bone].keys[key];
}

static void store3(f32 out[3], f32 x, f32 y, f32 z)
{
    out[0] = x;
    out[1] = y;
    out[2] = z;
}

void esq_set_turn(EsqSkeleton &skeleton, int key, int bone, f32 ax, f32 ay, f32 az)
{
    if (EsqKey *k = esq_key(skeleton, key, bone))
        store3(k->angles, ax, ay, az);
}

void esq_set_shift(EsqSkeleton &skeleton, int key, int bone, MeshPoint trans)
{
    if (EsqKey *k = esq_key(skeleton, key, bone))
        store3(k->trans, trans.x, trans.y, trans.z);
}

void esq_set_scale(EsqSkeleton &skeleton, int key, int bone, MeshPoint scale)
{
    if (EsqKey *k = esq_key(skeleton, key, bone))
        store3(k->scale, scale.x, scale.y, scale.z);
}

void esq_set_pose(EsqSkeleton &skeleton, int key, const EsqTurn *turns, int turn_count)
{
    for (size_t b = 0; b < skeleton.bones.size(); b++)
        if (EsqKey *k = esq_key(skeleton, key, static_cast<int>(b)))
            *k = esq_identity_key();
    for (int i = 0; i < turn_count; i++)
        esq_set_turn(skeleton, key, turns[i].bone, turns[i].ax, turns[i].ay, turns[i].az);
}

void esq_copy_key(EsqSkeleton &skeleton, int from, int to)
{
    for (size_t b = 0; b < skeleton.bones.size(); b++) {
        EsqKey *source = esq_key(skeleton, from, static_cast<int>(b));
        EsqKey *target = esq_key(skeleton, to, static_cast<int>(b));
        if (source && target)
            *target = *source;
    }
}
