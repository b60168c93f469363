// .esq skeletons: the writer and the reader agree key for key, and a damaged entry is
// refused with the skeleton block left exactly as it was.
#include "engine/engine.h"
#include "engine/engine_local.h"
#include "support/model_fixtures.h"
#include "tools/writers/writers.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <memory>

class SkeletonTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test_maths_setup(); }
};

constexpr int JUNK_BONES = 2;
constexpr u8 JUNK = 0xAB;

// A block as an earlier load and a fight leave it: every header byte set, and bones of its own.
static SkeletonBlock junk_skeleton()
{
    SkeletonBlock skeleton = skeleton_block_new();
    memset(skeleton.get(), JUNK, sizeof(Skeleton));
    skeleton->bones = nullptr;
    if (!skeleton_bones_alloc(skeleton.get(), JUNK_BONES))
        abort();
    memset(skeleton->bones, JUNK, JUNK_BONES * sizeof(Bone));
    return skeleton;
}

// The junk block exactly as junk_skeleton left it: its header, its bones' place and their bytes.
static ::testing::AssertionResult untouched(const Skeleton *skeleton, const Skeleton &before)
{
    if (memcmp(skeleton, &before, sizeof before) != 0)
        return ::testing::AssertionFailure() << "the header or the bones' place changed";
    for (size_t i = 0; i < JUNK_BONES * sizeof(Bone); i++)
        if (reinterpret_cast<const u8 *>(skeleton->bones)[i] != JUNK)
            return ::testing::AssertionFailure() << "bone byte " << i << " changed";
    return ::testing::AssertionSuccess();
}

// A chain of `count` bones, each hanging from the one before.
static EsqSkeleton chain(int count)
{
    EsqSkeleton skeleton;
    for (int b = 0; b < count; b++)
        esq_add_bone(skeleton, b - 1, {0.0f, 0.0f, 2.0f * b});
    return skeleton;
}

TEST_F(SkeletonTest, RoundTripKeepsRestParentsAndEveryKeyInItsTable)
{
    EsqSkeleton source;
    esq_add_bone(source, -1, {1, 2, 3});
    esq_add_bone(source, 0, {4, 5, 6});
    esq_add_bone(source, 1, {-7, 8.5f, 9});
    for (int b = 0; b < 3; b++)
        for (int k = 0; k < ESQ_KEYS; k++) {
            esq_set_shift(source, k, b, {static_cast<f32>(b), static_cast<f32>(k), 1.0f});
            esq_set_scale(source, k, b, {0.5f * k, b + 2.0f, 3.0f});
            esq_set_turn(source, k, b, static_cast<f32>(k), static_cast<f32>(-b), 7.5f);
        }
    Bytes bytes = esq_encode(source);
    ASSERT_EQ(bytes.size(), 7u + 14u * 3 + 9216u * 3);
    ArchiveHandle archive = test_archive_of("esq", {{"Fig/fig.esq", bytes}});
    SkeletonBlock skeleton = junk_skeleton();
    ASSERT_EQ(skeleton_load(skeleton.get(), archive, "fig/FIG.esq"), 1);
    archive_close(archive);

    // The whole header starts from zero, as every fight's skeleton must.
    EXPECT_EQ(skeleton->attack_live, 0);
    EXPECT_EQ(skeleton->active_window, 0);
    EXPECT_EQ(skeleton->key_ticks, 0.0f);
    EXPECT_EQ(skeleton->phase, 0.0f);
    EXPECT_EQ(skeleton->key_from, 0);
    EXPECT_EQ(skeleton->key_to, 0);
    EXPECT_EQ(skeleton->posed_action, 0);
    EXPECT_EQ(skeleton->action, 0);
    ASSERT_EQ(skeleton->bone_count, 3);
    for (int b = 0; b < 3; b++) {
        const Bone &bone = skeleton->bones[b];
        EXPECT_EQ(bone.rest[0], source.bones[b].rest.x);
        EXPECT_EQ(bone.rest[1], source.bones[b].rest.y);
        EXPECT_EQ(bone.rest[2], source.bones[b].rest.z);
        EXPECT_EQ(bone.parent, b == 2 ? 1 : 0);
        for (int k = 0; k < SKELETON_KEYS; k++) {
            const EsqKey &key = source.bones[b].keys[k];
            ASSERT_EQ(memcmp(bone.trans_keys[k], key.trans, sizeof key.trans), 0) << b << "/" << k;
            ASSERT_EQ(memcmp(bone.scale_keys[k], key.scale, sizeof key.scale), 0) << b << "/" << k;
            ASSERT_EQ(memcmp(bone.angle_keys[k], key.angles, sizeof key.angles), 0) << b << "/" << k;
        }
    }
    // Nothing of the old bones is left: what the entry does not give starts at zero.
    static const BoneMatrix zero_matrix = {};
    for (int b = 0; b < 3; b++) {
        EXPECT_EQ(memcmp(&skeleton->bones[b].matrix, &zero_matrix, sizeof zero_matrix), 0);
        EXPECT_EQ(memcmp(&skeleton->bones[b].rotation, &zero_matrix, sizeof zero_matrix), 0);
    }
}

static void put_count(Bytes &bytes, i16 count)
{
    bytes[5] = static_cast<u8>(count);
    bytes[6] = static_cast<u8>(static_cast<u16>(count) >> 8);
}

TEST_F(SkeletonTest, RefusesDamagedEntriesWithTheBlockUntouched)
{
    const f32 nan = std::numeric_limits<f32>::quiet_NaN(), inf = std::numeric_limits<f32>::infinity();
    struct Case {
        const char *what;
        Bytes bytes;
    };
    std::vector<Case> cases;
    cases.push_back({"257 bones", esq_encode(chain(257))});
    Bytes short_one = esq_encode(chain(2));
    short_one.pop_back();
    cases.push_back({"one byte short", short_one});
    cases.push_back({"header cut", Bytes(6, 0)});
    cases.push_back({"empty", Bytes()});
    EsqSkeleton own_parent = chain(3);
    own_parent.bones[1].parent = 1;
    cases.push_back({"parent is the bone itself", esq_encode(own_parent)});
    EsqSkeleton later_parent = chain(3);
    later_parent.bones[1].parent = 2;
    cases.push_back({"parent comes later", esq_encode(later_parent)});
    EsqSkeleton nan_key = chain(2);
    nan_key.bones[1].keys[255].angles[2] = nan;
    cases.push_back({"NaN in the last key", esq_encode(nan_key)});
    EsqSkeleton inf_rest = chain(2);
    inf_rest.bones[0].rest.y = inf;
    cases.push_back({"infinite rest position", esq_encode(inf_rest)});
    Bytes counted_high = esq_encode(chain(1));
    put_count(counted_high, 2);
    cases.push_back({"count above the bones present", counted_high});

    SkeletonBlock skeleton = junk_skeleton();
    const Skeleton before = *skeleton;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(skeleton_parse(skeleton.get(), c.bytes.data(), static_cast<u32>(c.bytes.size()), "bad.esq"), 0);
        EXPECT_TRUE(untouched(skeleton.get(), before));
    }
    ArchiveHandle archive = test_archive_of("esq-missing", {{"a.esq", esq_encode(chain(1))}});
    EXPECT_EQ(skeleton_load(skeleton.get(), archive, "b.esq"), 0);
    EXPECT_TRUE(untouched(skeleton.get(), before));
    archive_close(archive);
}

TEST_F(SkeletonTest, AcceptsNoBonesFullSkeletonsAndAnyRootParent)
{
    struct Case {
        const char *what;
        Bytes bytes;
        int bone_count;
    };
    Bytes negative = esq_encode(chain(0));
    put_count(negative, -5);
    EsqSkeleton odd_root = chain(2);
    odd_root.bones[0].parent = 9;   // the root's parent is never used
    Bytes trailing = esq_encode(chain(1));
    trailing.insert(trailing.end(), 3, 0x55);
    std::vector<Case> cases;
    cases.push_back({"no bones", esq_encode(chain(0)), 0});
    cases.push_back({"negative count", negative, 0});
    cases.push_back({"256 bones", esq_encode(chain(256)), 256});
    cases.push_back({"odd root parent", esq_encode(odd_root), 2});
    cases.push_back({"trailing bytes", trailing, 1});
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        SkeletonBlock skeleton = junk_skeleton();
        ASSERT_EQ(skeleton_parse(skeleton.get(), c.bytes.data(), static_cast<u32>(c.bytes.size()), "ok.esq"), 1);
        EXPECT_EQ(skeleton->bone_count, c.bone_count);
        EXPECT_EQ(skeleton->bones != nullptr, c.bone_count > 0);
        EXPECT_EQ(skeleton->phase, 0.0f);
    }
}

TEST_F(SkeletonTest, WriterHelpersKeepUnusedKeysIdentity)
{
    EsqSkeleton source = chain(3);
    const EsqTurn pose[] = {{0, 0, 0, 64}, {2, 10, 20, 30}};
    esq_set_shift(source, 4, 1, {1, 1, 1});
    esq_set_pose(source, 4, pose, 2);   // a pose replaces the whole key
    esq_copy_key(source, 4, 9);
    esq_set_turn(source, 300, 0, 1, 1, 1);   // out of range: ignored
    esq_set_turn(source, 1, 3, 1, 1, 1);
    for (int b = 0; b < 3; b++)
        for (int k = 0; k < ESQ_KEYS; k++) {
            const EsqKey &key = source.bones[b].keys[k];
            EsqKey expected = esq_identity_key();
            if ((k == 4 || k == 9) && b == 0)
                expected.angles[2] = 64;
            if ((k == 4 || k == 9) && b == 2) {
                expected.angles[0] = 10;
                expected.angles[1] = 20;
                expected.angles[2] = 30;
            }
            ASSERT_EQ(memcmp(&key, &expected, sizeof key), 0) << "bone " << b << " key " << k;
        }
    EXPECT_EQ(esq_identity_key().scale[1], 1.0f);
}
