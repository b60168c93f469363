// Posing and skinning: key blends, the bone transform and its parent chain, the captured
// pose, and the vertices no bone moves.
#include "engine/engine.h"
#include "engine/engine_local.h"
#include "support/model_fixtures.h"
#include "tools/writers/writers.h"

#include <cmath>
#include <gtest/gtest.h>
#include <memory>

class PoseTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test_maths_setup(); }
    void TearDown() override { model_free(model); }

    // Torso (bone 0 at the origin), arm (bone 1, child of 0, at z 10), hand (bone 2, child
    // of 1, at (0, 8, 10)); plus three vertices no bone of this skeleton moves.
    void build_figure()
    {
        source = {};
        bones = {};
        esq_add_bone(bones, -1, {0, 0, 0});
        esq_add_bone(bones, 0, {0, 0, 10});
        esq_add_bone(bones, 1, {0, 8, 10});
        emd_add_box(source, 0, EMD_PLAIN, {0, 0, 5}, {2, 1, 5});
        arm_first = emd_add_limb(source, 1, EMD_PLAIN, {0, 0, 10}, {0, 8, 10}, 1, 0.8f, 5);
        hand = emd_add_ball(source, 2, EMD_PLAIN, {0, 9, 10}, {1, 1, 1}, 3, 4);
        rigid[0] = emd_add_vertex(source, BONE_NONE, {3, 3, 3});
        rigid[1] = emd_add_vertex(source, EMD_NO_BONE, {4, 4, 4});
        rigid[2] = emd_add_vertex(source, 9, {5, 5, 5});   // above the bone count
    }

    // Writes both through the writers and reads them back with the game's readers.
    void load()
    {
        Bytes emd = emd_encode(source), esq = esq_encode(bones);
        model = model_parse(emd.data(), static_cast<u32>(emd.size()), "pose.emd");
        ASSERT_NE(model, nullptr);
        ASSERT_EQ(skeleton_parse(skeleton.get(), esq.data(), static_cast<u32>(esq.size()), "pose.esq"), 1);
    }

    void pose(int key_from, int key_to, f32 phase)
    {
        skeleton->key_from = static_cast<i16>(key_from);
        skeleton->key_to = static_cast<i16>(key_to);
        skeleton->phase = phase;
        model_skin(model, skeleton.get());
    }

    void expect_at(int vertex, MeshPoint at, f32 tolerance = 1e-4f)
    {
        EXPECT_NEAR(model->pos[vertex][0], at.x, tolerance) << "vertex " << vertex;
        EXPECT_NEAR(model->pos[vertex][1], at.y, tolerance) << "vertex " << vertex;
        EXPECT_NEAR(model->pos[vertex][2], at.z, tolerance) << "vertex " << vertex;
    }

    void expect_rest_pose(f32 tolerance)
    {
        for (int i = 0; i < model->vertex_count; i++)
            for (int axis = 0; axis < 3; axis++) {
                ASSERT_NEAR(model->pos[i][axis], model->rest_pos[i][axis], tolerance) << "vertex " << i;
                ASSERT_NEAR(model->normals[i][axis], model->rest_normals[i][axis], tolerance) << "vertex " << i;
            }
    }

    EmdModel source;
    EsqSkeleton bones;
    Model *model = nullptr;
    SkeletonBlock skeleton = skeleton_block_new();
    int arm_first = 0, hand = 0, rigid[3] = {};
};

TEST_F(PoseTest, IdentityKeysGiveTheRestPose)
{
    build_figure();
    load();
    struct Case {
        int from, to;
        f32 phase;
    };
    const Case cases[] = {{0, 0, 0.0f}, {3, 200, 0.37f}, {255, 1, 1.0f}, {5, 6, 2.0f}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " to " << c.to << " at " << c.phase);
        pose(c.from, c.to, c.phase);
        expect_rest_pose(1e-5f);
    }
}

// v -> S (R (v - rest) + T) + rest, and phase 0 / 1 give exactly key_from / key_to.
TEST_F(PoseTest, BoneTransformTurnsThenShiftsThenScalesAboutTheRestPoint)
{
    build_figure();
    bones.bones[0].rest = {1, 2, 3};
    esq_set_turn(bones, 3, 0, 0, 0, 64);   // this library turns x toward -y
    esq_set_shift(bones, 3, 0, {1, 0, 0});
    esq_set_scale(bones, 3, 0, {2, 2, 2});
    int probe = emd_add_vertex(source, 0, {2, 2, 3});
    load();
    pose(3, 7, 0.0f);
    expect_at(probe, {3, 0, 3});
    pose(7, 3, 1.0f);
    expect_at(probe, {3, 0, 3});
    pose(7, 3, 0.5f);   // halfway: an eighth of a turn, half the shift, scale 1.5
    f32 r = std::sqrt(0.5f);
    expect_at(probe, {1 + 1.5f * (r + 0.5f), 2 - 1.5f * r, 3});
}

// Quarter turns in this library: x takes (y, z) to (z, -y), y takes (x, z) to (-z, x),
// z takes (x, y) to (y, -x). A bone turns about x first, then z, then y.
TEST_F(PoseTest, TurnsApplyXThenZThenY)
{
    build_figure();
    esq_set_turn(bones, 1, 0, 64, 64, 64);
    int along_y = emd_add_vertex(source, 0, {0, 1, 0});
    int skew = emd_add_vertex(source, 0, {1, 2, 3});
    load();
    pose(1, 1, 0.0f);
    expect_at(along_y, {1, 0, 0});   // (0, 0, -1) after x, kept by z, then y
    expect_at(skew, {2, -1, 3});     // (1, 3, -2), (3, -1, -2), (2, -1, 3)
}

TEST_F(PoseTest, ChildrenTakeTheirOwnTransformFirstThenTheParents)
{
    build_figure();
    esq_set_turn(bones, 1, 0, 0, 0, 64);          // the torso turns a quarter about z
    esq_set_shift(bones, 1, 1, {0, 1, 0});        // the arm reaches out by 1 along y
    int probe = emd_add_vertex(source, 1, {0, 5, 10});
    load();
    pose(1, 1, 0.0f);
    // (0, 5, 10) reaches to (0, 6, 10), then turns with the torso: y goes to +x. The other
    // order would give (5, 1, 10).
    expect_at(probe, {6, 0, 10});
    // The hand hangs from the arm: the top of the ball, (0, 9, 11), follows both.
    expect_at(hand, {10, 0, 11});
    // Normals turn with the bones: the top of the hand ball still faces up.
    EXPECT_NEAR(model->normals[hand][2], 1.0f, 1e-5f);
}

TEST_F(PoseTest, AnglesBlendTheShorterWayRound)
{
    build_figure();
    esq_set_turn(bones, 1, 0, 250, 0, 0);
    esq_set_turn(bones, 2, 0, 10, 0, 0);
    int probe = emd_add_vertex(source, 0, {0, 5, 0});
    load();
    pose(1, 2, 0.5f);   // midway between -6 and +10 is +2, not +130
    f32 angle = 2.0f * 2.0f * 3.14159265f / 256.0f;
    EXPECT_NEAR(std::fabs(model->pos[probe][1]), 5.0f * std::cos(angle), 1e-4f);
    EXPECT_NEAR(std::fabs(model->pos[probe][2]), 5.0f * std::sin(angle), 1e-4f);
    EXPECT_GT(model->pos[probe][1], 0.0f);
}

TEST_F(PoseTest, ScaleZeroCollapsesABoneAndItsChildrenOntoItsRestPoint)
{
    build_figure();
    esq_set_scale(bones, 1, 1, {0, 0, 0});
    load();
    pose(0, 1, 1.0f);
    for (int i = 0; i < model->vertex_count; i++)
        if (model->bone_a[i] == 1 || model->bone_a[i] == 2)
            expect_at(i, {0, 0, 10});
    expect_at(0, {-2, -1, 0});   // the torso is untouched
}

TEST_F(PoseTest, VerticesNoBoneMovesKeepTheirRestPose)
{
    build_figure();
    esq_set_turn(bones, 1, 0, 30, 40, 50);
    esq_set_shift(bones, 1, 0, {1, 2, 3});
    load();
    for (int v : rigid) {
        model->rest_normals[v][0] = 0.25f;
        model->normals[v][0] = 9.0f;
    }
    pose(0, 1, 1.0f);
    EXPECT_GT(std::fabs(model->pos[0][0] - model->rest_pos[0][0]), 0.1f);
    for (int v : rigid) {
        EXPECT_EQ(memcmp(model->pos[v], model->rest_pos[v], sizeof(f32[3])), 0) << "vertex " << v;
        EXPECT_EQ(model->normals[v][0], 0.25f);
    }
    // With no bones at all, nothing moves.
    Bytes none = esq_encode(EsqSkeleton());
    ASSERT_EQ(skeleton_parse(skeleton.get(), none.data(), static_cast<u32>(none.size()), "none.esq"), 1);
    pose(0, 1, 1.0f);
    expect_rest_pose(0.0f);
    // A summoned figure shown before it is posed.
    for (int i = 0; i < model->vertex_count; i++)
        model->pos[i][2] = 99.0f;
    model_copy_rest_pose(model);
    expect_rest_pose(0.0f);
}

TEST_F(PoseTest, ScaledBonesTurnNormalsWithoutScalingThem)
{
    build_figure();
    esq_set_turn(bones, 1, 0, 0, 0, 64);
    esq_set_scale(bones, 1, 0, {2, 3, 4});
    load();
    pose(1, 1, 0.0f);
    for (int i = 0; i < 8; i++) {   // the torso box
        const f32 *n = model->normals[i];
        EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0f, 1e-5f);
        // turned a quarter about z: (x, y) -> (y, -x)
        EXPECT_NEAR(n[0], model->rest_normals[i][1], 1e-5f);
        EXPECT_NEAR(n[1], -model->rest_normals[i][0], 1e-5f);
    }
}

// The captured angle comes back through acos times 40.76 (not 128 / pi).
TEST_F(PoseTest, CaptureReadsAnglesBackPerAxis)
{
    build_figure();
    load();
    struct Case {
        f32 from, to, phase, expected;
    };
    const Case cases[] = {
        {0, 64, 1.0f, 64.0265f},     // a quarter turn
        {0, -64, 1.0f, 191.9735f},   // minus a quarter turn
        {0, 192, 1.0f, 191.9735f},
        {0, 64, 0.5f, 32.0128f},     // the slerp midpoint
        {0, 0, 1.0f, 0.0f},
        {250, 10, 0.5f, 2.0008f},    // through zero
    };
    for (int axis = 0; axis < 3; axis++)
        for (const Case &c : cases) {
            SCOPED_TRACE(testing::Message() << "axis " << axis << ": " << c.from << " to " << c.to << " at " << c.phase);
            Bone &bone = skeleton->bones[1];
            bone.angle_keys[5][axis] = c.from;
            bone.angle_keys[6][axis] = c.to;
            skeleton->key_from = 5;
            skeleton->key_to = 6;
            skeleton->phase = c.phase;
            skeleton_capture_pose(skeleton.get(), nullptr);
            EXPECT_NEAR(bone.angle_keys[0][axis], c.expected, 2e-3f);
            bone.angle_keys[5][axis] = bone.angle_keys[6][axis] = 0.0f;
        }
}

TEST_F(PoseTest, CaptureClampsThePhaseAndHandsTheKeysOver)
{
    build_figure();
    esq_set_shift(bones, 2, 1, {1.5f, -2.0f, 4.0f});
    esq_set_scale(bones, 2, 2, {2.5f, 0.5f, 1.0f});
    load();
    SkeletonBlock blur = skeleton_block_new();
    ASSERT_EQ(skeleton_bones_alloc(blur.get(), 3), 1);
    blur->bones[1].trans_keys[2][0] = 77.0f;
    blur->key_from = 42;
    skeleton->key_from = 1;
    skeleton->key_to = 2;
    skeleton->phase = 1.7f;
    skeleton->action = 0x10005;
    skeleton_capture_pose(skeleton.get(), blur.get());
    EXPECT_EQ(skeleton->phase, 2.0f);
    EXPECT_EQ(skeleton->key_to, 0);
    EXPECT_EQ(skeleton->key_from, 1);
    EXPECT_EQ(skeleton->posed_action, 5);
    // Clamped to phase 1, key 0 is key 2 itself.
    EXPECT_EQ(skeleton->bones[1].trans_keys[0][0], 1.5f);
    EXPECT_EQ(skeleton->bones[1].trans_keys[0][1], -2.0f);
    EXPECT_EQ(skeleton->bones[2].scale_keys[0][0], 2.5f);
    EXPECT_EQ(skeleton->bones[2].scale_keys[0][1], 0.5f);
    for (int b = 0; b < 3; b++) {
        EXPECT_EQ(memcmp(blur->bones[b].trans_keys[0], skeleton->bones[b].trans_keys[0], sizeof(f32[3])), 0);
        EXPECT_EQ(memcmp(blur->bones[b].scale_keys[0], skeleton->bones[b].scale_keys[0], sizeof(f32[3])), 0);
        EXPECT_EQ(memcmp(blur->bones[b].angle_keys[0], skeleton->bones[b].angle_keys[0], sizeof(f32[3])), 0);
    }
    // Only key 0 of the blur copy changes; its header is the sequencer's.
    EXPECT_EQ(blur->bones[1].trans_keys[2][0], 77.0f);
    EXPECT_EQ(blur->key_from, 42);
    EXPECT_EQ(blur->phase, 0.0f);
}

// A blur copy that holds fewer bones (its entry failed, or differs) takes key 0 of the bones
// it has; the rest are skipped, never written past its array.
TEST_F(PoseTest, CaptureSkipsTheBonesTheBlurCopyLacks)
{
    build_figure();
    esq_set_shift(bones, 1, 0, {1.0f, 2.0f, 3.0f});
    load();
    SkeletonBlock blur = skeleton_block_new();
    ASSERT_EQ(skeleton_bones_alloc(blur.get(), 1), 1);
    SkeletonBlock empty = skeleton_block_new();
    skeleton->key_to = 1;
    skeleton->phase = 1.0f;
    skeleton_capture_pose(skeleton.get(), blur.get());
    EXPECT_EQ(blur->bone_count, 1);
    EXPECT_EQ(blur->bones[0].trans_keys[0][2], 3.0f);
    skeleton_capture_pose(skeleton.get(), empty.get());
    EXPECT_EQ(empty->bones, nullptr);
    EXPECT_EQ(skeleton->bones[0].trans_keys[0][2], 3.0f);
}

// The next movement starts from key 0, so key 0 must hold where the figure stood.
TEST_F(PoseTest, TheCapturedPoseIsWhereTheFigureStood)
{
    build_figure();
    const EsqTurn first[] = {{0, 10, 0, 20}, {1, 0, 30, 0}, {2, 100, 0, 0}};
    const EsqTurn second[] = {{0, -20, 5, 60}, {1, 40, -30, 0}, {2, 0, 0, 200}};
    esq_set_pose(bones, 1, first, 3);
    esq_set_pose(bones, 2, second, 3);
    esq_set_shift(bones, 2, 0, {0, 3, 0});
    load();
    pose(1, 2, 0.4f);
    std::vector<f32> stood(&model->pos[0][0], &model->pos[0][0] + 3 * model->vertex_count);
    skeleton_capture_pose(skeleton.get(), nullptr);
    pose(0, 9, 0.0f);
    for (int i = 0; i < model->vertex_count; i++)
        for (int axis = 0; axis < 3; axis++)
            ASSERT_NEAR(model->pos[i][axis], stood[3 * i + axis], 0.02f) << "vertex " << i;
}

TEST_F(PoseTest, TwoSkeletonsChainThroughTheMidPositions)
{
    build_figure();
    source.vertices[0].bone_b = 0;   // moved by both
    load();
    SkeletonBlock first = skeleton_block_new();
    ASSERT_EQ(skeleton_bones_alloc(first.get(), 1), 1);
    first->bones[0].scale_keys[0][0] = first->bones[0].scale_keys[0][1] = first->bones[0].scale_keys[0][2] = 1.0f;
    first->bones[0].trans_keys[0][0] = 3.0f;
    skeleton->bones[0].trans_keys[1][1] = 2.0f;
    skeleton->key_to = 1;
    skeleton->phase = 1.0f;
    model_skin_two_skeletons(model, first.get(), skeleton.get());
    const f32 *rest = model->rest_pos[0];
    EXPECT_NEAR(model->mid_pos[0][0], rest[0] + 3.0f, 1e-5f);
    expect_at(0, {rest[0] + 3.0f, rest[1] + 2.0f, rest[2]});
    expect_at(1, {model->rest_pos[1][0], model->rest_pos[1][1] + 2.0f, model->rest_pos[1][2]});
    expect_at(rigid[1], {4, 4, 4}, 0.0f);
}
