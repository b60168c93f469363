// Arbitrary bytes as an .emd entry: refused, or loaded with finite unit-or-zero normals and
// skinned by a small skeleton; never a crash or an overrun.
#include "engine/engine.h"
#include "engine/engine_local.h"
#include "support/model_fixtures.h"
#include "tools/writers/writers.h"

#include <cmath>
#include <cstdlib>

// Three bones, one turned and one scaled at key 1; vertices naming higher bones stay put.
static Skeleton *fuzz_skeleton()
{
    static Skeleton skeleton;
    EsqSkeleton source;
    esq_add_bone(source, -1, {0, 0, 0});
    esq_add_bone(source, 0, {0, 0, 10});
    esq_add_bone(source, 1, {0, 5, 10});
    esq_set_turn(source, 1, 1, 30, 0, 64);
    esq_set_scale(source, 1, 2, {0, 2, 0.5f});
    Bytes bytes = esq_encode(source);
    if (!skeleton_parse(&skeleton, bytes.data(), static_cast<u32>(bytes.size()), "fuzz.esq"))
        abort();
    skeleton.key_to = 1;
    skeleton.phase = 0.5f;
    return &skeleton;
}

static void check_normals(const Model *model)
{
    for (int i = 0; i < model->vertex_count; i++) {
        const f32 *n = model->rest_normals[i];
        f32 length = std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]);
        if (!std::isfinite(length) || (length != 0.0f && std::fabs(length - 1.0f) > 1e-3f))
            abort();
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Skeleton *skeleton = nullptr;
    if (!skeleton) {
        fuzz_maths_setup();
        skeleton = fuzz_skeleton();
    }
    Model *model = model_parse(data, static_cast<u32>(size), "fuzz.emd");
    if (!model)
        return 0;
    check_normals(model);
    model_skin(model, skeleton);
    model_skin_two_skeletons(model, skeleton, skeleton);
    model_vertex_normal(model->vertex_count - 1, model);
    model_free(model);
    return 0;
}
