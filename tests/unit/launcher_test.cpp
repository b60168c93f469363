#include "engine/engine.h"
#include "platform/platform.h"

#include <gtest/gtest.h>

TEST(Launcher, ListsShowTheSettingsAndDamagedValuesClamped)
{
    struct Case {
        u8 resolution, depth, detail, tex_depth, sharpness, mode;
        u8 shown[VIDEO_LIST_COUNT];
    };
    const Case cases[] = {
        {2, 32, 1, 1, 0, 1, {2, 1, 1, 1, 0, 1}},
        {0, 16, 0, 0, 1, 0, {0, 0, 0, 0, 1, 0}},
        {7, 24, 9, 2, 255, 3, {0, 0, 1, 1, 1, 1}},   // a damaged file: the resolution the game runs
    };
    for (const Case &test : cases) {
        resolution_index = test.resolution;
        colour_depth = test.depth;
        texture_detail = test.detail;
        texture_colour_depth = test.tex_depth;
        texture_sharpness = test.sharpness;
        screen_mode = test.mode;
        u8 shown[VIDEO_LIST_COUNT];
        launcher_selection_from_settings(shown);
        for (int i = 0; i < VIDEO_LIST_COUNT; i++)
            EXPECT_EQ(shown[i], test.shown[i]) << "list " << i << " for resolution " << int(test.resolution);
    }
}

TEST(Launcher, ADamagedResolutionStartsAt640x480AfterTheDialog)
{
    for (u8 damaged : {u8(5), u8(7), u8(255)}) {
        resolution_index = damaged;
        u8 shown[VIDEO_LIST_COUNT];
        launcher_selection_from_settings(shown);
        launcher_selection_to_settings(shown);
        EXPECT_EQ(screen_width, 640) << "index " << int(damaged);
        EXPECT_EQ(screen_height, 480) << "index " << int(damaged);
    }
}

TEST(Launcher, ChoicesBecomeSettingsAndTheScreenSize)
{
    const u8 chosen[VIDEO_LIST_COUNT] = {3, 1, 1, 0, 1, 0};
    launcher_selection_to_settings(chosen);
    EXPECT_EQ(resolution_index, 3);
    EXPECT_EQ(colour_depth, 32);
    EXPECT_EQ(texture_detail, 1);
    EXPECT_EQ(texture_colour_depth, 0);
    EXPECT_EQ(texture_sharpness, 1);
    EXPECT_EQ(screen_mode, 0);
    EXPECT_EQ(screen_width, 1280);
    EXPECT_EQ(screen_height, 960);
}

TEST(Launcher, ScreenSizeFollowsTheResolutionTable)
{
    const u16 sizes[][3] = {{0, 640, 480}, {1, 800, 600}, {2, 1024, 768}, {3, 1280, 960}, {4, 1600, 1200},
                            {5, 640, 480}, {255, 640, 480}};
    for (const auto &size : sizes) {
        resolution_index = static_cast<u8>(size[0]);
        screen_size_from_resolution();
        EXPECT_EQ(screen_width, size[1]) << "index " << size[0];
        EXPECT_EQ(screen_height, size[2]) << "index " << size[0];
    }
}
