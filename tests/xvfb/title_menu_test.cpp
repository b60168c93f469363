// The title menu in the running game: on screen from the start, and START leads on to the
// character select.
#include "engine/engine.h"
#include "support/xvfb_game.h"

#include <chrono>
#include <fstream>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <thread>
#include <vector>

// The title's own look: the afterglow between the two middle columns of the temple, bright
// over the dark hill. Points in menu units of the plane at depth 50 (x -21..21, y -15.8..15.8
// across the 640 x 480 window).
struct TitleProbe {
    f32 x, y;
};
constexpr TitleProbe AFTERGLOW = {0.0f, -5.8f};
constexpr TitleProbe HILL = {0.0f, -14.0f};

// Mean colour (0..255 each) of the 5 x 5 pixels round a probe.
static void probe_rgb(const Picture &picture, TitleProbe probe, double rgb[3])
{
    int cx = static_cast<int>((probe.x / 21.0f + 1.0f) * picture.width / 2);
    int cy = static_cast<int>((1.0f - probe.y / 15.76f) * picture.height / 2);
    rgb[0] = rgb[1] = rgb[2] = 0;
    for (int y = cy - 2; y <= cy + 2; y++)
        for (int x = cx - 2; x <= cx + 2; x++) {
            const u8 *p = picture.pixels + (static_cast<size_t>(y) * picture.width + x) * 4;
            for (int c = 0; c < 3; c++)
                rgb[c] += p[c] / 25.0;
        }
}

// Mean brightness (0..255) of the 5 x 5 pixels round a probe.
static double probe_light(const Picture &picture, TitleProbe probe)
{
    double rgb[3];
    probe_rgb(picture, probe, rgb);
    return (rgb[0] + rgb[1] + rgb[2]) / 3.0;
}

// The share (0..1) of gold pixels (bright red and green, little blue) in the band where the
// title's logo stands, its right two thirds (x 230..520, y 60..120 of 640 x 480): the select's
// portrait and name stand left of it, its robed figure in violet.
static double logo_gold(const Picture &picture)
{
    int gold = 0, count = 0;
    for (int y = picture.height * 60 / 480; y < picture.height * 120 / 480; y++)
        for (int x = picture.width * 230 / 640; x < picture.width * 520 / 640; x++, count++) {
            const u8 *p = picture.pixels + (static_cast<size_t>(y) * picture.width + x) * 4;
            gold += p[0] > 150 && p[1] > 110 && p[2] < 110;
        }
    return count ? static_cast<double>(gold) / count : 0.0;
}

// Whether a screenshot shows the title's dusk: a bright afterglow above a dark hill, under the
// gold logo.
static ::testing::AssertionResult shows_title(const std::string &path)
{
    Picture picture = {};
    ::testing::AssertionResult decoded = screenshot_decode(path, &picture);
    if (!decoded)
        return decoded;
    double glow = probe_light(picture, AFTERGLOW), hill = probe_light(picture, HILL);
    // The dusk is pink-violet; the character select's flame row, bright at the same place, is
    // orange with little blue.
    double glow_rgb[3];
    probe_rgb(picture, AFTERGLOW, glow_rgb);
    double gold = logo_gold(picture);
    picture_free(&picture);
    // The clouds drift across the glow, dimming it by a third at times.
    if (glow > 60 && hill < 40 && glow_rgb[2] > 0.5 * glow_rgb[0] && gold > 0.15)
        return ::testing::AssertionSuccess() << path << ": afterglow " << glow << ", hill " << hill << ", logo " << gold;
    return ::testing::AssertionFailure() << path << ": afterglow " << glow << ", hill " << hill << ", logo " << gold;
}

TEST(TitleMenuWindow, TitleShowsAndStartReachesTheCharacterSelect)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "title-menu"));
    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(game_screenshot(&run, 1));

    // Player 1's START (Enter) on "START": the fade, then the character select.
    ASSERT_TRUE(game_key_hold(&run, "Return", KEY_HOLD_MS));
    ASSERT_TRUE(game_screenshot(&run, 2, FADE_WAIT_MS));
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    std::vector<std::string> shots = game_screenshots(&run);
    ASSERT_EQ(shots.size(), 2u);
    EXPECT_TRUE(shows_title(shots[0]));
    EXPECT_FALSE(shows_title(shots[1]));

    // Every title picture decoded and uploaded: none left its failure line.
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_EQ(log.find("is not a readable"), std::string::npos) << log;
    EXPECT_EQ(log.find("could not be uploaded"), std::string::npos) << log;
    EXPECT_NE(log.find("\n -QORN successfully initialized!"), std::string::npos) << log;
}
