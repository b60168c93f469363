// A versus match chosen from the title by keyboard: VERSUS, LOCAL GAME, both players' picks,
// the stage select, and a fight on the arena chosen there.
#include "engine/engine.h"
#include "support/xvfb_game.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

// Mean red and blue (0..255) over the whole picture.
static void picture_red_blue(const Picture &picture, double *red, double *blue)
{
    double r = 0, b = 0;
    size_t n = static_cast<size_t>(picture.width) * picture.height;
    for (size_t i = 0; i < n; i++) {
        r += picture.pixels[i * 4];
        b += picture.pixels[i * 4 + 2];
    }
    *red = r / n;
    *blue = b / n;
}

TEST(VersusWindow, TitleToAFightOnTheChosenArena)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "versus"));
    ASSERT_TRUE(game_start_playing(&run));
    // Title: down to VERSUS, confirm; LOCAL GAME is the first item of its page.
    for (const char *key : {"Down", "Return", "Return"})
        ASSERT_TRUE(game_key_hold(&run, key, KEY_HOLD_MS));
    ASSERT_TRUE(game_wait_settled(&run, SCREEN_WAIT_MS));
    // Player 1 picks with Z, player 2 with J; the select fades out to the stage select.
    ASSERT_TRUE(game_key_hold(&run, "z", KEY_HOLD_MS));
    ASSERT_TRUE(game_key_hold(&run, "j", KEY_HOLD_MS));
    ASSERT_TRUE(game_screenshot(&run, 1, 2 * SCREEN_WAIT_MS));
    // Left from the first tile wraps to the last, Hades; Z chooses it.
    ASSERT_TRUE(game_key_hold(&run, "Left", KEY_HOLD_MS));
    ASSERT_TRUE(game_key_hold(&run, "z", KEY_HOLD_MS));
    ASSERT_TRUE(game_screenshot(&run, 2, 2 * SCREEN_WAIT_MS));
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    std::vector<std::string> shots = game_screenshots(&run);
    ASSERT_EQ(shots.size(), 2u);
    double red[2], blue[2];
    for (int i = 0; i < 2; i++) {
        Picture picture = {};
        ASSERT_TRUE(screenshot_decode(shots[i], &picture));
        picture_red_blue(picture, &red[i], &blue[i]);
        picture_free(&picture);
    }
    // The stage select's blue marble, then Hades's fire and red rock.
    EXPECT_GT(blue[0], red[0]) << "stage select: red " << red[0] << ", blue " << blue[0];
    EXPECT_GT(red[1], 2 * blue[1]) << "Hades: red " << red[1] << ", blue " << blue[1];
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_EQ(log.find("failed"), std::string::npos) << log;
}
