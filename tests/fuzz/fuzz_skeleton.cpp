// Arbitrary bytes as an .esq entry: refused with the block untouched, or loaded and then
// posed, captured and used for skinning; never a crash or an overrun. Entries big enough
// to hold bones are seldom reached by chance, so each input is also tried tiled out to the
// full size of 1 to 4 bones.
#include "engine/engine.h"
#include "engine/engine_local.h"
#include "support/model_fixtures.h"
#include "tools/writers/writers.h"

#include <cstddef>
#include <cstdlib>
#include <cstring>

// The blur copy holds two bones, so that captures both copy bones and skip those it lacks.
constexpr int FUZZ_BLUR_BONES = 2;
static Skeleton skeleton, blur;

// What a refusal must leave alone: the header, the bones' place and the first bone. A copy
// of every bone per input would slow the run a hundredfold, and the unit tests compare all.
struct WatchedBlock {
    Skeleton header;
    Bone first;
};

static WatchedBlock watched_block()
{
    WatchedBlock watched;
    memset(&watched, 0, sizeof watched);
    memcpy(&watched.header, &skeleton, sizeof skeleton);
    if (skeleton.bones && skeleton.bone_count > 0)
        memcpy(&watched.first, skeleton.bones, sizeof watched.first);
    return watched;
}

// A model with a vertex on every bone up to 6 and the two unskinned markers.
static Model *fuzz_model()
{
    EmdModel source = {};
    for (int bone = 0; bone <= 6; bone++)
        emd_add_box(source, bone, EMD_PLAIN, {0, 0, 2.0f * bone}, {1, 1, 1});
    emd_add_vertex(source, BONE_NONE, {1, 2, 3});
    emd_add_vertex(source, EMD_NO_BONE, {1, 2, 3});
    Bytes bytes = emd_encode(source);
    Model *model = model_parse(bytes.data(), static_cast<u32>(bytes.size()), "fuzz.emd");
    if (!model)
        abort();
    return model;
}

// Poses with keys and a phase taken from the input, captures, and poses again.
static void fuzz_pose(Model *model, const uint8_t *data, size_t size)
{
    skeleton.key_from = size > 0 ? data[0] : 0;
    skeleton.key_to = size > 1 ? data[size - 1] : 1;
    skeleton.phase = static_cast<f32>(size % 23) / 10.0f;
    skeleton.action = static_cast<i32>(size);
    model_skin(model, &skeleton);
    skeleton_capture_pose(&skeleton, &blur);
    model_skin(model, &skeleton);
}

static void fuzz_entry(Model *model, const uint8_t *data, size_t size, const uint8_t *entry, size_t entry_size)
{
    WatchedBlock before = watched_block();
    if (!skeleton_parse(&skeleton, entry, static_cast<u32>(entry_size), "fuzz.esq")) {
        WatchedBlock after = watched_block();
        if (memcmp(&before.header, &after.header, sizeof before.header) != 0 ||
            memcmp(&before.first, &after.first, sizeof before.first) != 0)
            abort();
        return;
    }
    fuzz_pose(model, data, size);
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static Model *model = nullptr;
    if (!model) {
        fuzz_maths_setup();
        model = fuzz_model();
        if (!skeleton_bones_alloc(&blur, FUZZ_BLUR_BONES))
            abort();
    }
    fuzz_entry(model, data, size, data, size);
    if (size < 8)
        return 0;
    int bones = 1 + data[0] % 4;
    Bytes tiled;
    put_u32(tiled, 0);
    put_u8(tiled, 0);
    put_u16(tiled, static_cast<u32>(bones));
    size_t full = 7 + static_cast<size_t>(bones) * (14 + 9216);
    size_t header = tiled.size();
    tiled.resize(full);
    for (size_t i = header; i < full; i++)
        tiled[i] = data[(i - header + 1) % size];
    fuzz_entry(model, data, size, tiled.data(), tiled.size());
    return 0;
}
