// The first playable slice as a player meets it: the launcher, the title, START, the character
// select, a pick; keyboard presses only, checked through the screenshots and the log.
#include "engine/engine.h"
#include "support/xvfb_game.h"

#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <thread>
#include <vector>

constexpr int FADE_WAIT_MS = 2500;       // 67 ticks of fade, with room for a loaded machine
constexpr int KEY_HOLD_MS = 300;         // keys held over several frames
constexpr int PICK_WAIT_MS = 3000;       // the figure's 90-tick closing action

struct Shot {
    Picture picture = {};
    ~Shot() { picture_free(&picture); }
};

// Mean colour of the 5 x 5 pixels round (x, y), top row first.
static void mean_rgb(const Picture &p, int cx, int cy, double rgb[3])
{
    rgb[0] = rgb[1] = rgb[2] = 0;
    for (int y = cy - 2; y <= cy + 2; y++)
        for (int x = cx - 2; x <= cx + 2; x++)
            for (int c = 0; c < 3; c++)
                rgb[c] += p.pixels[(static_cast<size_t>(y) * p.width + x) * 4 + c] / 25.0;
}

static double mean_light(const Picture &p, int x, int y)
{
    double rgb[3];
    mean_rgb(p, x, y, rgb);
    return (rgb[0] + rgb[1] + rgb[2]) / 3;
}

// The select: side one's portrait (the Minotaur's face, plain colours, drawn unlit) left of
// the middle and the figure lit in the middle.
static ::testing::AssertionResult shows_select(const Picture &p)
{
    // The portrait's middle: x -26, y 16 at depth 100 under the 35-degree view.
    int px = static_cast<int>((1.0 - 26.0 / (100 * 0.31529879 * 1.3333)) * p.width / 2);
    int py = static_cast<int>((1.0 - 16.0 / (100 * 0.31529879)) * p.height / 2);
    double face[3];
    mean_rgb(p, px, py, face);
    const double minotaur_flesh[3] = {120, 80, 50};
    for (int c = 0; c < 3; c++)
        if (face[c] < minotaur_flesh[c] - 30 || face[c] > minotaur_flesh[c] + 30)
            return ::testing::AssertionFailure()
                   << "portrait " << face[0] << " " << face[1] << " " << face[2];
    double figure = mean_light(p, p.width / 2, p.height / 2);
    if (figure < 20)
        return ::testing::AssertionFailure() << "figure " << figure;
    return ::testing::AssertionSuccess();
}

TEST(FirstFight, TitleStartPickAndTheFightIsRequested)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "first-fight"));
    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(game_key_hold(&run, "F1", KEY_HOLD_MS));
    ASSERT_TRUE(game_wait_screenshots(&run, 1));

    // START on the title, then the select with the chord.
    ASSERT_TRUE(game_key_hold(&run, "Return", KEY_HOLD_MS));
    std::this_thread::sleep_for(std::chrono::milliseconds(FADE_WAIT_MS));
    ASSERT_TRUE(game_key_hold(&run, "F1", KEY_HOLD_MS));
    ASSERT_TRUE(game_wait_screenshots(&run, 2));

    // The ring one step to the right and back, then HARD SWING picks the Minotaur.
    ASSERT_TRUE(game_keys(&run, {"Right"}, KEY_HOLD_MS / 3, 400));
    ASSERT_TRUE(game_keys(&run, {"Left"}, KEY_HOLD_MS / 3, 400));
    ASSERT_TRUE(game_key_hold(&run, "z", KEY_HOLD_MS));
    std::this_thread::sleep_for(std::chrono::milliseconds(PICK_WAIT_MS));
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    std::vector<std::string> shots = game_screenshots(&run);
    ASSERT_EQ(shots.size(), 2u);
    Shot title, select;
    ASSERT_TRUE(screenshot_decode(shots[0], &title.picture));
    ASSERT_TRUE(screenshot_decode(shots[1], &select.picture));
    EXPECT_FALSE(shows_select(title.picture));
    EXPECT_TRUE(shows_select(select.picture));

    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_EQ(log.find("Error while trying to access file!"), std::string::npos) << log;
    EXPECT_EQ(log.find("is not a readable"), std::string::npos) << log;
    EXPECT_EQ(log.find("could not be uploaded"), std::string::npos) << log;
    EXPECT_NE(log.find("\n -QORN successfully closed!"), std::string::npos) << log;
}
