// The shop and the options pages in the running game, by keyboard, checked through the
// settings file the shutdown writes.
#include "support/xvfb_game.h"

#include <chrono>
#include <cstring>
#include <gtest/gtest.h>
#include <thread>

constexpr int SCREEN_WAIT_MS = 4000;   // a fade-out and the screen's load
constexpr int KEY_HOLD_MS = 300;
constexpr size_t SETTINGS_BRIGHTNESS = 8;
constexpr size_t SETTINGS_CREDITS = 146;
constexpr size_t SETTINGS_MEDUSA = 150;

static u32 le32(const Bytes &bytes, size_t at)
{
    return bytes[at] | bytes[at + 1] << 8 | bytes[at + 2] << 16 | static_cast<u32>(bytes[at + 3]) << 24;
}

static ::testing::AssertionResult keys_held(GameRun *run, std::initializer_list<const char *> keys)
{
    for (const char *key : keys) {
        ::testing::AssertionResult held = game_key_hold(run, key, KEY_HOLD_MS);
        if (!held)
            return held;
    }
    return ::testing::AssertionSuccess();
}

// With the credits of "-midastouch": EXTRAS, SHOP, down to Medusa, buy, ESC back to the title.
// The purchase is in the settings file, and still there after a second start and shutdown.
TEST(ShopWindow, BuyingMedusaLastsThroughARestart)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "shop"));
    ASSERT_TRUE(game_start_playing(&run, {"-midastouch"}));
    ASSERT_TRUE(keys_held(&run, {"Down", "Down", "Return", "Return"}));
    std::this_thread::sleep_for(std::chrono::milliseconds(SCREEN_WAIT_MS));
    // No profile is offered: down from the gallery passes them to Medusa.
    ASSERT_TRUE(keys_held(&run, {"Down", "z", "Escape"}));
    ASSERT_TRUE(game_stop(&run));
    Bytes settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    EXPECT_EQ(settings[SETTINGS_MEDUSA], 1);
    EXPECT_EQ(le32(settings, SETTINGS_CREDITS), 99999u - 1000u);

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
    u32 bits = le32(settings, SETTINGS_BRIGHTNESS);
    float brightness;
    memcpy(&brightness, &bits, sizeof brightness);
    EXPECT_NEAR(brightness, 1.1f, 1e-4);
}
