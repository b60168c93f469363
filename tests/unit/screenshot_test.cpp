// The screenshot's name search: the first free number, never the highest plus one.
#include "engine/engine.h"
#include "support/test_paths.h"

#include <cstdio>
#include <gtest/gtest.h>
#include <string>

static void touch(const std::string &path)
{
    FILE *file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr) << path;
    fclose(file);
}

TEST(ScreenshotName, TheFirstFreeNumberInTheFolder)
{
    std::string dir = test_scratch_dir("screenshot-names") + "/";
    EXPECT_EQ(screenshot_free_number(dir.c_str()), 0);
    touch(dir + "scr00000.jpg");
    touch(dir + "scr00002.jpg");
    EXPECT_EQ(screenshot_free_number(dir.c_str()), 1);
    touch(dir + "scr00001.jpg");
    EXPECT_EQ(screenshot_free_number(dir.c_str()), 3);
    // Other names and other folders do not count.
    touch(dir + "scr3.jpg");
    touch(dir + "scr00003.png");
    EXPECT_EQ(screenshot_free_number(dir.c_str()), 3);
}

TEST(ScreenshotName, NoFolderToSearchMeansNumberZero)
{
    EXPECT_EQ(screenshot_free_number("/nonexistent-tavrosk-folder/"), 0);
}
