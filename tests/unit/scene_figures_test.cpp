// The figures that stand only in the painted scenes, as the data builder records them beside
// its contact sheets (figure-sheets/cast.dat: each figure's model and a skeleton whose key
// 1 + p holds scene pose p): every one keeps the figures' budget and stands on the ground at
// its full height, and the poses the scenes ask for are what they say: seated at a seat's
// height with the knees forward, the right hand raised above the head, lying low.
#include "support/data_set.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

constexpr int CAST_MAX_TRIANGLES = 6000;
constexpr u32 CAST_MAX_CORNERS = 4000;

// The scene poses' keys (1 + the pose's place in the scenes' list).
enum CastKey {
    KEY_STAND = 1,
    KEY_ENTHRONED = 3,
    KEY_RAISE = 5,
    KEY_KNEEL = 10,
    KEY_BOW_DOWN = 11,
    KEY_LIE = 12,
    KEY_CHEER = 17,
    KEY_POINT = 19,
    KEY_SIT = 20,
};

// A human rig's bones, in the order the figure kit builds them (no blade-trail bones).
enum CastBone {
    BONE_PELVIS = 0,
    BONE_CHEST = 1,
    BONE_HEAD = 2,
    BONE_HAND_R = 5,
    BONE_HAND_L = 8,
    BONE_KNEE_R = 10,
    BONE_KNEE_L = 13,
};

struct CastPosed {
    f32 lo[3], hi[3];
    f32 joint[16][3];
};

class SceneFigures : public ::testing::Test {
protected:
    static ArchiveHandle archive;
    static std::vector<std::string> names;   // the figures, by their entries' stem

    static void SetUpTestSuite()
    {
        test_maths_setup();
        std::string path = test_data_set_dir() + "/figure-sheets/cast.dat";
        archive = archive_open(path.c_str());
        for (const std::string &entry : archive_names(path))
            if (entry.size() > 4 && entry.compare(entry.size() - 4, 4, ".emd") == 0)
                names.push_back(entry.substr(0, entry.size() - 4));
    }

    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
        names.clear();
    }

    void SetUp() override { ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET; }

    static bool load(const std::string &name, LoadedFigure *f)
    {
        return figure_load(archive, (name + ".emd").c_str(), (name + ".esq").c_str(), f);
    }

    // The model's bounds and the joints in one key.
    static CastPosed posed(LoadedFigure &f, int key)
    {
        CastPosed p = {{1e9f, 1e9f, 1e9f}, {-1e9f, -1e9f, -1e9f}, {}};
        model_pose_at(f.model, f.skeleton, key);
        for (int v = 0; v < f.model->vertex_count; v++)
            for (int k = 0; k < 3; k++) {
                p.lo[k] = std::min(p.lo[k], f.model->pos[v][k]);
                p.hi[k] = std::max(p.hi[k], f.model->pos[v][k]);
            }
        for (int b = 0; b < 16; b++)
            skeleton_bone_point(f.skeleton, b, p.joint[b]);
        return p;
    }
};
ArchiveHandle SceneFigures::archive = nullptr;
std::vector<std::string> SceneFigures::names;

TEST_F(SceneFigures, EveryFigureKeepsTheBudgetAndStandsOnTheGroundAtItsHeight)
{
    // Twenty-four people and a dog.
    ASSERT_EQ(names.size(), 25u);
    for (const std::string &name : names) {
        LoadedFigure f;
        ASSERT_TRUE(load(name, &f)) << name;
        EXPECT_LE(f.model->polygon_count, CAST_MAX_TRIANGLES) << name;
        EXPECT_LE(f.model->slot_count, CAST_MAX_CORNERS) << name;
        CastPosed rest = posed(f, 0);
        CastPosed stand = posed(f, KEY_STAND);
        f32 height = rest.joint[BONE_HEAD][2];
        EXPECT_NEAR(stand.lo[2], 0.0f, 0.03f * height) << name << ": the feet off the ground";
        EXPECT_GT(stand.joint[BONE_HEAD][2], 0.97f * height) << name << ": sunk at ease";
    }
}

TEST_F(SceneFigures, PosesAreWhatTheySay)
{
    for (const std::string &name : names) {
        if (name == "dog")
            continue;
        SCOPED_TRACE(name);
        LoadedFigure f;
        ASSERT_TRUE(load(name, &f));
        CastPosed rest = posed(f, 0);
        f32 h = rest.joint[BONE_HEAD][2];   // the neck: 17 of a 20-unit figure
        f32 hip = rest.joint[BONE_PELVIS][2];

        // Enthroned: the hips at a seat's height (the knees' at rest), the thighs level and
        // the knees forward of the hips.
        CastPosed p = posed(f, KEY_ENTHRONED);
        f32 knee = rest.joint[BONE_KNEE_R][2];
        EXPECT_NEAR(p.joint[BONE_PELVIS][2], knee, 0.06f * h) << "enthroned: the seat's height";
        EXPECT_NEAR(p.joint[BONE_KNEE_R][2], p.joint[BONE_PELVIS][2], 0.08f * h) << "enthroned: the thighs level";
        EXPECT_LT(p.joint[BONE_KNEE_R][1], p.joint[BONE_PELVIS][1] - 0.2f * h) << "enthroned: the knees forward";
        EXPECT_NEAR(p.lo[2], 0.0f, 0.05f * h) << "enthroned: the feet on the ground";

        // Raise: the right hand over the head; cheer: both.
        p = posed(f, KEY_RAISE);
        EXPECT_GT(p.joint[BONE_HAND_R][2], p.joint[BONE_HEAD][2] + 0.2f * h) << "raise";
        p = posed(f, KEY_CHEER);
        EXPECT_GT(std::min(p.joint[BONE_HAND_R][2], p.joint[BONE_HAND_L][2]), p.joint[BONE_HEAD][2]) << "cheer";

        // Point: the right hand at shoulder height, well out in front of the chest.
        p = posed(f, KEY_POINT);
        EXPECT_LT(p.joint[BONE_HAND_R][1], p.joint[BONE_CHEST][1] - 0.3f * h) << "point: ahead";
        EXPECT_GT(p.joint[BONE_HAND_R][2], p.joint[BONE_CHEST][2]) << "point: raised";

        // Kneel: the right knee on the ground, the left up; bow down: the head below the
        // standing hips; sit: lower than standing, not as low as lying.
        p = posed(f, KEY_KNEEL);
        EXPECT_LT(p.joint[BONE_KNEE_R][2], 0.1f * h) << "kneel: the knee down";
        EXPECT_GT(p.joint[BONE_KNEE_L][2], 0.25f * h) << "kneel: the other knee up";
        EXPECT_NEAR(p.lo[2], 0.0f, 0.05f * h) << "kneel: on the ground";
        p = posed(f, KEY_BOW_DOWN);
        EXPECT_LT(p.joint[BONE_HEAD][2], hip) << "bow down";
        p = posed(f, KEY_SIT);
        EXPECT_LT(p.joint[BONE_PELVIS][2], 0.75f * hip) << "sit";

        // Lie: the body (the trunk and the head) under a third of its standing height.
        p = posed(f, KEY_LIE);
        f32 body = std::max({p.joint[BONE_PELVIS][2], p.joint[BONE_CHEST][2], p.joint[BONE_HEAD][2]});
        EXPECT_LT(body, h / 3.0f) << "lie";

        // No pose puts a foot, a robe or what the hands hold through the ground.
        for (int key = 1; key <= KEY_SIT; key++)
            EXPECT_GT(posed(f, key).lo[2], -0.05f * h) << "key " << key << ": through the ground";
    }
}

// The dog stands on its four paws and lies down with its belly on the ground.
TEST_F(SceneFigures, TheDogStandsAndLiesDown)
{
    LoadedFigure f;
    ASSERT_TRUE(load("dog", &f));
    CastPosed stand = posed(f, KEY_STAND);
    CastPosed lie = posed(f, KEY_LIE);
    f32 height = stand.hi[2] - stand.lo[2];
    EXPECT_NEAR(stand.lo[2], 0.0f, 0.03f * height);
    EXPECT_GT(stand.hi[1] - stand.lo[1], height) << "longer than tall";
    EXPECT_LT(lie.hi[2], 0.8f * stand.hi[2]);
    EXPECT_NEAR(lie.lo[2], 0.0f, 0.05f * height);
}
