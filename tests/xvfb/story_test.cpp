// The opening story as a new player meets it: the game starts into it after the start-up
// load, and Esc leaves it for the title.
#include "engine/engine.h"
#include "support/xvfb_game.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>

// The mean brightness (0..255) of the top-left corner of a screenshot.
static int corner_brightness(const std::string &path)
{
    Picture picture = {};
    EXPECT_TRUE(screenshot_decode(path, &picture));
    if (!picture.pixels)
        return -1;
    long sum = 0;
    int count = 0;
    for (int y = 0; y < 40; y++)
        for (int x = 0; x < 40; x++, count++) {
            const u8 *p = picture.pixels + (static_cast<size_t>(y) * picture.width + x) * 4;
            sum += (p[0] + p[1] + p[2]) / 3;
        }
    picture_free(&picture);
    return static_cast<int>(sum / count);
}

TEST(OpeningStory, TheGameStartsIntoTheStoryAndEscLeavesItForTheTitle)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "opening-story"));
    ASSERT_TRUE(game_start(&run));
    ASSERT_TRUE(game_keys(&run, {"Return"}));   // "Start Game" on the launcher
    ASSERT_TRUE(game_wait_log(&run, "\n -QORN successfully initialized!"));
    std::this_thread::sleep_for(std::chrono::seconds(2));
    ASSERT_TRUE(game_keys(&run, {"F1"}, 300));   // held past a slow frame
    ASSERT_TRUE(game_wait_screenshots(&run, 1));
    ASSERT_TRUE(game_skip_intro(&run));
    ASSERT_TRUE(game_keys(&run, {"F1"}, 300));   // held past a slow frame
    ASSERT_TRUE(game_wait_screenshots(&run, 2));
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    picture_library_start();
    std::vector<std::string> shots = game_screenshots(&run);
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_LT(corner_brightness(shots[0]), 16) << "the story's screen is black round its pictures";
    EXPECT_GT(corner_brightness(shots[1]), 30) << "the title's sky fills the screen";
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_EQ(log.find("ailed"), std::string::npos) << log;
}
