// Projected shadows' picture work and the segment test: the blur, which arena triangles take a
// shadow, and whether the line from the eye to the sun crosses a mesh.
#include "engine/engine.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/model_fixtures.h"

#include <gtest/gtest.h>
#include <vector>

namespace {

constexpr int SIZE = 128;

TEST(ShadowBlur, ASilhouetteSoftensOverAPixelAndTheBorderStaysWhite)
{
    std::vector<u8> raw(SIZE * SIZE, 255), blurred(SIZE * SIZE, 7);
    for (int y = 0; y < SIZE; y++)
        for (int x = 0; x < 64; x++)
            raw[y * SIZE + x] = 0;   // the left half black, right to the border
    shadow_blur(raw.data(), blurred.data());
    const int row = 40 * SIZE;
    EXPECT_EQ(blurred[row + 62], 0);
    EXPECT_EQ(blurred[row + 63], 85);    // one white column of three
    EXPECT_EQ(blurred[row + 64], 170);   // two of three
    EXPECT_EQ(blurred[row + 65], 255);
    for (int i = 0; i < SIZE; i++) {
        EXPECT_EQ(blurred[i], 255);                          // top row
        EXPECT_EQ(blurred[i * SIZE], 255);                   // left column, black beneath
        EXPECT_EQ(blurred[(SIZE - 1) * SIZE + i], 255);      // bottom row
    }
}

TEST(ShadowReceiver, OnlySurfacesFacingTheProjectorWithTheFighterCloseInFront)
{
    // A floor at z 0 wound to face up, and the projector's direction pointing up into it.
    const f32 c0[3] = {-10, -10, 0}, c1[3] = {10, -10, 0}, c2[3] = {10, 10, 0};
    const f32 up[3] = {0, 0, 1}, down[3] = {0, 0, -1};
    struct Case {
        f32 height;
        const f32 *dir;
        bool any_height;
        bool receives;
    };
    const Case cases[] = {
        {0.05f, up, false, true},    // standing a hair above the floor
        {37.5f, up, false, true},    // at the reach exactly
        {37.6f, up, false, false},   // jumped past the reach
        {37.6f, up, true, true},     // Hades: any height
        {0.0f, up, false, false},    // level with the plane: not in front of it
        {-1.0f, up, false, false},   // beneath it
        {5.0f, down, false, false},  // facing away from the projector
    };
    for (const Case &c : cases) {
        const f32 fighter[3] = {0, 0, c.height};
        EXPECT_EQ(shadow_receives(c0, c1, c2, fighter, c.dir, 37.5f, c.any_height), c.receives) << c.height;
    }
}

class SegmentTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test_maths_setup(); }
    // One triangle in the plane y = 0 spanning x -10..10, z 0..10.
    void SetUp() override
    {
        EmdModel source = {};
        int a = emd_add_vertex(source, EMD_NO_BONE, {-10, 0, 0});
        int b = emd_add_vertex(source, EMD_NO_BONE, {10, 0, 0});
        int c = emd_add_vertex(source, EMD_NO_BONE, {0, 0, 10});
        const f32 uv[6] = {0, 0, 1, 0, 0, 1};
        emd_add_triangle(source, fixture_surface(0, 0), a, b, c, uv);
        model = fixture_model(source);
        ASSERT_NE(model, nullptr);
    }
    void TearDown() override { model_free(model); }
    Model *model = nullptr;
};

TEST_F(SegmentTest, CrossingsInsideTheTriangleHitAndOthersMiss)
{
    struct Case {
        f32 a[3], b[3];
        int hit;
    };
    const Case cases[] = {
        {{0, -5, 3}, {0, 5, 3}, 1},       // through the middle
        {{0, 5, 3}, {0, -5, 3}, 1},       // the other way
        {{20, -5, 3}, {20, 5, 3}, 0},     // beside it
        {{0, -5, 3}, {0, -1, 3}, 0},      // stops short of the plane
        {{0, 0, 3}, {0, 5, 3}, 0},        // starts on the plane: touching is not crossing
        {{0, -5, 0}, {0, 5, 0}, 1},       // through the bottom edge: on the edge counts
        {{-5, -5, 5}, {5, -5, 5}, 0},     // parallel to the plane
    };
    for (const Case &c : cases)
        EXPECT_EQ(segment_hits_mesh(model, c.a, c.b), c.hit)
            << c.a[0] << "," << c.a[1] << "," << c.a[2] << " -> " << c.b[0] << "," << c.b[1] << "," << c.b[2];
    const f32 a[3] = {0, -5, 3}, b[3] = {0, 5, 3};
    EXPECT_EQ(segment_hits_mesh(nullptr, a, b), 0);
}

TEST(SegmentHelpers, PointInTriangleByItsAngles)
{
    const f32 c0[3] = {0, 0, 0}, c1[3] = {4, 0, 0}, c2[3] = {0, 4, 0};
    const f32 inside[3] = {1, 1, 0}, on_edge[3] = {2, 0, 0}, outside[3] = {3, 3, 0}, corner[3] = {0, 0, 0};
    EXPECT_TRUE(point_in_triangle(inside, c0, c1, c2));
    EXPECT_TRUE(point_in_triangle(on_edge, c0, c1, c2));
    EXPECT_FALSE(point_in_triangle(outside, c0, c1, c2));
    EXPECT_FALSE(point_in_triangle(corner, c0, c1, c2));   // a zero-length side has no angle, never NaN
    const f32 n[3] = {0, 0, 1}, p[3] = {5, 5, 2};
    EXPECT_FLOAT_EQ(plane_d_from_point(n, p), -2.0f);
    EXPECT_FLOAT_EQ(plane_eval(n, inside, -2.0f), -2.0f);
    EXPECT_FLOAT_EQ(vec_length(3, 4, 0), 5.0f);
}

}  // namespace
