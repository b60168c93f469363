// The masked-polygon queue without GL: depth keys, the bucket order, what is left out, and
// the placement's turn in the sort.
#include "engine/engine.h"
#include "engine/engine_local.h"

#include <cmath>
#include <gtest/gtest.h>
#include <limits>
#include <vector>

TEST(MaskedDepthKey, TenTimesTheMeanDepthTruncatedAndRangeTested)
{
    struct Case {
        f32 depth_sum;
        i32 key;
    };
    const f32 nan = std::numeric_limits<f32>::quiet_NaN();
    const f32 inf = std::numeric_limits<f32>::infinity();
    const Case cases[] = {
        {3 * 12.34f, 123},      // mean depth 12.34
        {0.0f, 0},
        {-0.25f, 0},            // a hair behind the eye still truncates to bucket 0
        {-0.3f, -1},            // key -1.0: behind the eye
        {-100.0f, -1},
        {3 * 4999.89f, 49998},  // the last bucket a triangle can take
        {3 * 4999.95f, -1},     // key 49,999.5: too far
        {1e30f, -1},
        {inf, -1},
        {-inf, -1},
        {nan, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(masked_depth_key(c.depth_sum), c.key) << "depth sum " << c.depth_sum;
}

class MaskedQueueTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_EQ(masked_polys_alloc(), 1);
        // Looking along +y from 100 units in front of the origin.
        const f32 eye[3] = {0, -100, 0}, centre[3] = {0, 0, 0};
        draw_view_set(eye, centre, 1.0f);
    }
    void TearDown() override { masked_polys_free(); }

    // Queues a flat triangle at y (view depth 100 + y from the eye) round x, through the
    // same path model_draw takes.
    int queue_at(f32 y, f32 heading = 0.0f, f32 x = 0.0f)
    {
        placement = {};
        placement.heading = heading;
        f32 pos[3][3] = {{x, y, -1}, {x + 1, y, 1}, {x - 1, y, 1}};
        f32 normals[3][3] = {};
        Polygon polygon = {};
        polygon.corner[0] = 0;
        polygon.corner[1] = 1;
        polygon.corner[2] = 2;
        polygon.poly_tag = static_cast<u16>(masked_count);
        Model model = {};
        model.vertex_count = 3;
        model.pos = pos;
        model.normals = normals;
        masked_polys_append(&placement, &model, &polygon, 0, 1);
        return masked_count - 1;
    }

    // Entries in drawing order: buckets from far to near, each list from its head.
    std::vector<int> draw_order()
    {
        std::vector<int> order;
        for (int b = MASKED_BUCKET_COUNT - 1; b >= 0; b--)
            for (i32 i = masked_buckets[b]; i >= 0; i = masked_queue[i].next)
                order.push_back(i);
        return order;
    }

    ModelPlacement placement;
};

TEST_F(MaskedQueueTest, FarToNearAndLastQueuedFirstWithinABucket)
{
    int near_a = queue_at(0.0f);     // bucket 1000
    int far = queue_at(50.0f);       // bucket 1500
    int near_b = queue_at(0.01f);    // bucket 1000 too
    masked_polys_sort();
    EXPECT_EQ(draw_order(), (std::vector<int>{far, near_b, near_a}));
    EXPECT_EQ(masked_buckets[1000], near_b);
    EXPECT_EQ(masked_buckets[1500], far);
}

TEST_F(MaskedQueueTest, BehindTheEyeOrBeyondTheFarBucketIsLeftOut)
{
    queue_at(-150.0f);      // behind the eye
    int kept = queue_at(10.0f);
    queue_at(5000.0f);      // mean depth 5,100: past the last bucket
    masked_polys_sort();
    EXPECT_EQ(draw_order(), (std::vector<int>{kept}));
}

TEST_F(MaskedQueueTest, ANinetyDegreeHeadingSortsAtTheTurnedCorners)
{
    // A triangle 10 units along the placement's x: turned a quarter left it lies 10 units
    // farther along y, at depth 110 rather than 100.
    int turned = queue_at(0.0f, 90.0f, 10.0f);
    masked_polys_sort();
    const MaskedPoly &entry = masked_queue[turned];
    f32 depth_sum = entry.view_corners[0][2] + entry.view_corners[1][2] + entry.view_corners[2][2];
    EXPECT_NEAR(depth_sum, 330.0f, 0.2f);
    EXPECT_EQ(masked_buckets[masked_depth_key(depth_sum)], turned);
    EXPECT_NEAR(masked_depth_key(depth_sum), 1100, 1);
}

TEST_F(MaskedQueueTest, TheEyeOnTheCentreSortsNothingRatherThanNotANumber)
{
    draw_view.centre[1] = draw_view.eye[1];
    queue_at(0.0f);
    masked_polys_sort();
    EXPECT_TRUE(draw_order().empty());
}

TEST_F(MaskedQueueTest, AFullQueueDropsAndCountsTheRest)
{
    for (int i = 0; i < MASKED_QUEUE_SIZE; i++)
        queue_at(0.0f);
    EXPECT_EQ(masked_count, MASKED_QUEUE_SIZE);
    queue_at(0.0f);
    queue_at(0.0f);
    EXPECT_EQ(masked_count, MASKED_QUEUE_SIZE);
    EXPECT_EQ(masked_dropped, 2u);
}
