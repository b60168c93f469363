// The arena drawer's tables and scroll offsets, without GL.
#include "engine/engine.h"

#include <gtest/gtest.h>

TEST(StageLightmapBase, ByStageAndFourteenForAnyOther)
{
    const u32 bases[STAGE_COUNT] = {14, 14, 19, 14, 15, 14, 11, 15, 16, 13};
    for (int stage = 0; stage < STAGE_COUNT; stage++)
        EXPECT_EQ(stage_lightmap_base(stage), bases[stage]) << "stage " << stage;
    EXPECT_EQ(stage_lightmap_base(-1), 14u);
    EXPECT_EQ(stage_lightmap_base(STAGE_COUNT), 14u);
}

TEST(StageScroll, ArcadiaWrapsUAfterAbout320FramesAndVAfterAbout534)
{
    stage_scroll_u = stage_scroll_v = 0.0f;
    int u_wrap = 0, v_wrap = 0;
    for (int frame = 1; frame <= 600; frame++) {
        f32 u = stage_scroll_u, v = stage_scroll_v;
        stage_scroll_advance(STAGE_ARCADIA);
        if (stage_scroll_u < u && !u_wrap)
            u_wrap = frame;
        if (stage_scroll_v < v && !v_wrap)
            v_wrap = frame;
        ASSERT_LT(stage_scroll_u, 4.0f);
        ASSERT_LT(stage_scroll_v, 4.0f);
    }
    EXPECT_NEAR(u_wrap, 320, 1);
    EXPECT_NEAR(v_wrap, 534, 1);
}

TEST(StageScroll, OnlyArcadiaAndTheLabyrinthMove)
{
    stage_scroll_u = stage_scroll_v = 0.0f;
    for (int stage = 0; stage < STAGE_COUNT; stage++)
        if (stage != STAGE_ARCADIA && stage != STAGE_LABYRINTH)
            stage_scroll_advance(stage);
    EXPECT_EQ(stage_scroll_u, 0.0f);
    EXPECT_EQ(stage_scroll_v, 0.0f);
    stage_scroll_advance(STAGE_LABYRINTH);
    EXPECT_FLOAT_EQ(stage_scroll_u, 0.00125f);
    EXPECT_FLOAT_EQ(stage_scroll_v, 0.00075f);
}
