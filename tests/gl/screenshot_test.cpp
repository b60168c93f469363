// Screenshots in real GL: the saved JPEG has the window's size, is upright, takes the next
// free number, and a write that fails leaves no file behind.
#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <allegro.h>
#include <jpgalleg.h>
#include <string>
#include <unistd.h>

class ScreenshotTest : public GlTest {
protected:
    static void SetUpTestSuite()
    {
        test_maths_setup();
        set_color_depth(32);   // as the video mode leaves it: pictures load in true colour
    }
    void SetUp() override
    {
        GlTest::SetUp();
        draw_gl_reset();
        dir = test_scratch_dir("screenshots") + "/";
    }
    void TearDown() override
    {
        screen_width = 0;
        screen_height = 0;
    }

    // White top-left quarter of the window, black elsewhere.
    static void draw_marked_picture(int width, int height)
    {
        glEnable(GL_SCISSOR_TEST);
        glScissor(0, height / 2, width / 2, height - height / 2);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glDisable(GL_SCISSOR_TEST);
    }

    static bool exists_file(const std::string &path) { return access(path.c_str(), F_OK) == 0; }

    std::string dir;
};

TEST_F(ScreenshotTest, TheWindowUprightAtItsOwnSizeUnderTheFirstFreeNumber)
{
    // A width whose rows are not a multiple of 4 bytes, as a window clamped to the desktop.
    screen_width = 638;
    screen_height = 479;
    draw_marked_picture(screen_width, screen_height);
    ASSERT_EQ(screenshot_save_in(dir.c_str()), 1);
    ASSERT_EQ(screenshot_save_in(dir.c_str()), 1);
    EXPECT_TRUE(exists_file(dir + "scr00000.jpg"));
    EXPECT_TRUE(exists_file(dir + "scr00001.jpg"));
    BITMAP *picture = load_jpg((dir + "scr00001.jpg").c_str(), nullptr);
    ASSERT_NE(picture, nullptr) << jpgalleg_error_string();
    EXPECT_EQ(picture->w, 638);
    EXPECT_EQ(picture->h, 479);
    int top_left = getpixel(picture, 40, 40), bottom_left = getpixel(picture, 40, 440);
    int top_right = getpixel(picture, 600, 40);
    int depth = bitmap_color_depth(picture);
    EXPECT_GT(getr_depth(depth, top_left), 240);
    EXPECT_GT(getb_depth(depth, top_left), 240);
    EXPECT_LT(getr_depth(depth, bottom_left), 16);
    EXPECT_LT(getg_depth(depth, top_right), 16);
    destroy_bitmap(picture);
}

TEST_F(ScreenshotTest, AFailedWriteLeavesNoFileAndSaysSo)
{
    screen_width = 64;
    screen_height = 48;
    std::string missing = dir + "no-such-folder/";
    EXPECT_EQ(screenshot_save_in(missing.c_str()), 0);
    EXPECT_FALSE(exists_file(missing + "scr00000.jpg"));
    std::string log_path = std::string(base_dir) + "data/initlog.txt";
    FILE *log = fopen(log_path.c_str(), "r");
    ASSERT_NE(log, nullptr);
    char text[4096] = {};
    size_t got = fread(text, 1, sizeof text - 1, log);
    fclose(log);
    EXPECT_NE(std::string(text, got).find("scr00000.jpg not saved"), std::string::npos);
}

TEST_F(ScreenshotTest, NoWindowNoPicture)
{
    screen_width = 0;
    screen_height = 0;
    EXPECT_EQ(screenshot_save_in(dir.c_str()), 0);
    EXPECT_FALSE(exists_file(dir + "scr00000.jpg"));
}
