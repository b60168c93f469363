// Blade trails: the nine samples reaching back through the key step (and into the step before),
// and which characters and actions leave a trail.
#include "combat/combat.h"
#include "engine/engine.h"
#include "support/model_fixtures.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <memory>

namespace {

// Two bones: a root and its child at rest height 5; the root slides 10 units along x per key,
// so a sample's x tells the key pair and the phase it was posed at.
SkeletonBlock sliding_skeleton()
{
    SkeletonBlock s = skeleton_block_new();
    if (!skeleton_bones_alloc(s.get(), 2))
        abort();
    s->bones[1].parent = 0;
    s->bones[1].rest[2] = 5.0f;
    for (int b = 0; b < 2; b++)
        for (int k = 0; k < SKELETON_KEYS; k++) {
            s->bones[b].trans_keys[k][0] = b == 0 ? 10.0f * static_cast<f32>(k) : 0.0f;
            for (int axis = 0; axis < 3; axis++)
                s->bones[b].scale_keys[k][axis] = 1.0f;
        }
    return s;
}

class BladeTrailTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test_maths_setup(); }
    void SetUp() override
    {
        fighter = sliding_skeleton();
        blur = sliding_skeleton();
        blade_trail = BladeTrail{};
    }
    // Keys 5 -> 6 now, 3 -> 4 the step before.
    void step_at(f32 phase)
    {
        fighter->key_from = 5;
        fighter->key_to = 6;
        fighter->prev_key_from = 3;
        fighter->prev_key_to = 4;
        fighter->phase = phase;
    }
    SkeletonBlock fighter, blur;
};

TEST_F(BladeTrailTest, SamplesReachBackIntoThePreviousKeyPair)
{
    step_at(0.35f);
    blade_trail_sample(1, fighter.get(), blur.get(), 0, 1);
    // 0.35, 0.25, 0.15, 0.05 in the current step; then 0.95 .. 0.55 of the previous one.
    const f32 expect_x[9] = {53.5f, 52.5f, 51.5f, 50.5f, 39.5f, 38.5f, 37.5f, 36.5f, 35.5f};
    for (int i = 0; i < BLADE_TRAIL_WRITTEN; i++) {
        EXPECT_NEAR(blade_trail.trail_edge_a[1][i][0], expect_x[i], 1e-3f) << i;
        EXPECT_NEAR(blade_trail.trail_edge_a[1][i][2], 0.0f, 1e-4f) << i;
        EXPECT_NEAR(blade_trail.trail_edge_b[1][i][0], expect_x[i], 1e-3f) << i;
        EXPECT_NEAR(blade_trail.trail_edge_b[1][i][2], 5.0f, 1e-4f) << i;
    }
    EXPECT_EQ(blade_trail.trail_edge_b[0][0][0], 0.0f);   // the other side untouched
    EXPECT_EQ(fighter->phase, 0.35f);                      // only the blur copy is posed
}

TEST_F(BladeTrailTest, AStepJustBegunIsDrawnFromThePreviousPairAlone)
{
    step_at(0.0f);
    blade_trail_sample2(0, fighter.get(), blur.get(), 1, 1, 1, 1);
    EXPECT_NEAR(blade_trail.trail_edge_b[0][0][0], 50.0f, 1e-3f);
    for (int i = 1; i < BLADE_TRAIL_WRITTEN; i++) {
        f32 phase = 1.0f - 0.1f * static_cast<f32>(i);   // 0.9 down to 0.2
        EXPECT_NEAR(blade_trail.trail_edge_b[0][i][0], 30.0f + 10.0f * phase, 1e-3f) << i;
        EXPECT_NEAR(blade_trail.trail_edge_d[0][i][0], 30.0f + 10.0f * phase, 1e-3f) << i;
    }
}

TEST_F(BladeTrailTest, BonesPastTheSkeletonAreNeverRead)
{
    fighter->phase = 0.5f;
    blade_trail_sample2(0, fighter.get(), blur.get(), 0, 2, 200, -1);
    for (int i = 0; i < BLADE_TRAIL_WRITTEN; i++) {
        EXPECT_EQ(blade_trail.trail_edge_b[0][i][0], 0.0f);
        EXPECT_EQ(blade_trail.trail_edge_c[0][i][0], 0.0f);
        EXPECT_EQ(blade_trail.trail_edge_d[0][i][0], 0.0f);
    }
}

TEST(BladeTrailRule, KicksAndThrowsHideTheTrailByCharacter)
{
    struct Case {
        int character;
        i32 action;
        bool sampled, shown;
    };
    const Case cases[] = {
        {CHARACTER_JASON, ACTION_HARD_SWING, true, true},
        {CHARACTER_JASON, ACTION_KICK, false, false},
        {CHARACTER_JASON, ACTION_KICK_FORWARD, false, false},
        {CHARACTER_JASON, ACTION_KICK_CROUCH, false, false},
        {CHARACTER_JASON, ACTION_KICK_SWEEP, false, false},
        {CHARACTER_JASON, ACTION_KICK_AIR, false, false},
        {CHARACTER_POLYPHEMUS, ACTION_KICK, true, true},
        {CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL2, true, true},
        {CHARACTER_HYDRA, ACTION_HARD_SWING, false, false},
        {CHARACTER_ARES, ACTION_ARES_SPECIAL1, true, false},
        {CHARACTER_ARES, ACTION_ARES_SPECIAL2, true, false},
        {CHARACTER_SPHINX, ACTION_SPHINX_SPECIAL2, true, false},
        {CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL1, true, false},
        {CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL2, true, false},
        {CHARACTER_ATROPOS, ACTION_LOW_SWING, true, true},
        {-1, ACTION_HARD_SWING, false, false},
        {CHARACTER_COUNT, ACTION_HARD_SWING, false, false},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(blade_trail_sampled(c.character, c.action), c.sampled) << c.character << " " << c.action;
        EXPECT_EQ(blade_trail_shown(c.character, c.action), c.shown) << c.character << " " << c.action;
    }
}

TEST(BladeTrailRule, TwoWeaponsHaveBothPairsAndOneWeaponNone)
{
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        const BladeEdges &e = blade_trail_edges[c];
        EXPECT_EQ(e.bone[2] >= 0, e.bone[3] >= 0) << c;
        EXPECT_EQ(e.bone[0] >= 0, e.bone[1] >= 0) << c;
    }
    EXPECT_EQ(blade_trail_edges[CHARACTER_JASON].bone[3], 16);
    EXPECT_LT(blade_trail_edges[CHARACTER_HYDRA].bone[0], 0);
}

}  // namespace
