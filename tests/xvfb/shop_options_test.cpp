// The shop and the options pages in the running game, by keyboard, checked through the
// settings file the shutdown writes.
#include "engine/engine.h"
#include "support/data_set.h"
#include "support/xvfb_game.h"

#include <chrono>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

static ::testing::AssertionResult keys_held(GameRun *run, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        ::testing::AssertionResult held = game_key_hold(run, key, KEY_HOLD_MS);
        if (!held)
            return held;
    }
    return ::testing::AssertionSuccess();
}

// The gallery tile's window pixels at 640 x 480, columns 46..107 and rows 118..179 from the top.
constexpr int GALLERY_TILE_LEFT = 46, GALLERY_TILE_TOP = 118, GALLERY_TILE_SIZE = 62;
constexpr int TILE_INSET = 4;   // pixels left out at each edge: the JPEG blurs them into the frame

// Brightness of a picture's mean over a part: s0..s1 across and t0..t1 down, as fractions.
static double picture_light(const Picture &picture, double s0, double t0, double s1, double t1)
{
    double sum = 0.0;
    int count = 0;
    for (int y = static_cast<int>(t0 * picture.height); y < static_cast<int>(std::ceil(t1 * picture.height)); y++)
        for (int x = static_cast<int>(s0 * picture.width); x < static_cast<int>(std::ceil(s1 * picture.width)); x++) {
            const u8 *p = &picture.pixels[(static_cast<size_t>(y) * picture.width + x) * 4];
            sum += p[0] + p[1] + p[2];
            count++;
        }
    return count ? sum / count : 0.0;
}

// How closely the screenshot's gallery tile follows the gallery picture: the correlation of
// their brightness pixel by pixel (the tile pulses, which scales it but keeps the pattern).
static double gallery_tile_likeness(const Picture &shot, const Picture &gallery)
{
    std::vector<double> seen, drawn;
    for (int y = TILE_INSET; y < GALLERY_TILE_SIZE - TILE_INSET; y++)
        for (int x = TILE_INSET; x < GALLERY_TILE_SIZE - TILE_INSET; x++) {
            seen.push_back(picture_light(shot, (GALLERY_TILE_LEFT + x) / double(shot.width),
                                         (GALLERY_TILE_TOP + y) / double(shot.height),
                                         (GALLERY_TILE_LEFT + x + 1) / double(shot.width),
                                         (GALLERY_TILE_TOP + y + 1) / double(shot.height)));
            drawn.push_back(picture_light(gallery, x / double(GALLERY_TILE_SIZE), y / double(GALLERY_TILE_SIZE),
                                          (x + 1) / double(GALLERY_TILE_SIZE), (y + 1) / double(GALLERY_TILE_SIZE)));
        }
    double mean_seen = 0, mean_drawn = 0;
    for (size_t i = 0; i < seen.size(); i++) {
        mean_seen += seen[i] / seen.size();
        mean_drawn += drawn[i] / drawn.size();
    }
    double both = 0, seen_var = 0, drawn_var = 0;
    for (size_t i = 0; i < seen.size(); i++) {
        both += (seen[i] - mean_seen) * (drawn[i] - mean_drawn);
        seen_var += (seen[i] - mean_seen) * (seen[i] - mean_seen);
        drawn_var += (drawn[i] - mean_drawn) * (drawn[i] - mean_drawn);
    }
    return seen_var > 0 && drawn_var > 0 ? both / std::sqrt(seen_var * drawn_var) : 0.0;
}

// With the credits of "-midastouch": EXTRAS, SHOP, down to Medusa, buy, ESC back to the title.
// The purchase is in the settings file, and still there after a second start and shutdown.
TEST(ShopWindow, BuyingMedusaLastsThroughARestart)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "shop"));
    ASSERT_TRUE(game_start_playing(&run, {"-midastouch"}));
    ASSERT_TRUE(keys_held(&run, {"Down", "Down", "Return", "Return"}));
    ASSERT_TRUE(game_wait_settled(&run, SCREEN_WAIT_MS));
    // The shop as the window shows it: the gallery's picture on the gallery tile.
    ASSERT_TRUE(game_screenshot(&run, 1));
    Picture shot = {}, gallery = {};
    ASSERT_TRUE(screenshot_decode(game_screenshots(&run)[0], &shot));
    ArchiveHandle archive = archive_open(game_path(&run, "data/dat00.dat").c_str());
    ASSERT_NE(archive, nullptr);
    gallery = archive_picture(archive, "shop/gallery.jpg");
    archive_close(archive);
    ASSERT_NE(gallery.pixels, nullptr);
    ASSERT_EQ(shot.width, 640);
    EXPECT_GT(gallery_tile_likeness(shot, gallery), 0.8);
    picture_free(&shot);
    picture_free(&gallery);
    // No profile is offered: down from the gallery passes them to Medusa.
    ASSERT_TRUE(keys_held(&run, {"Down", "z", "Escape"}));
    ASSERT_TRUE(game_stop(&run));
    Bytes settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    EXPECT_EQ(settings[SETTINGS_MEDUSA], 1);
    EXPECT_EQ(settings_u32(settings, SETTINGS_CREDITS), 99999u - 1000u);

    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(game_stop(&run));
    settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    EXPECT_EQ(settings[SETTINGS_MEDUSA], 1);
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_EQ(log.find("failed"), std::string::npos) << log;
}

// OPTIONS, VIDEO, four steps right on BRIGHTNESS: the file holds 1.1 after the game ends.
TEST(OptionsWindow, BrightnessReachesTheSettingsFile)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "options"));
    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(keys_held(&run, {"Up", "Up", "Return", "Return", "Right", "Right", "Right", "Right"}));
    ASSERT_TRUE(game_stop(&run));
    Bytes settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    u32 bits = settings_u32(settings, SETTINGS_BRIGHTNESS);
    float brightness;
    memcpy(&brightness, &bits, sizeof brightness);
    EXPECT_NEAR(brightness, 1.1f, 1e-4);
}
