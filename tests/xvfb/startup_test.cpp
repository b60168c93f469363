#include "support/xvfb_game.h"

#include <gtest/gtest.h>
#include <string>
#include <vector>

static const std::string stars(51, '*');

// Every line the ordered shutdown writes, in its order, then the log's closing lines.
static const std::vector<std::string> shutdown_lines = {
    "sndfx off\n", "shadow buffers off\n", "archivo config guardado\n", "vsync off\n", "gamma off\n",
    "fonts off\n", "poligonos con mascara off\n", "glow buffers off\n", "liberar engine\n",
    "allegro cerrado\n", "recorders off\n", "modelos off\n", "escenarios off\n", "selmodel off\n",
    "personajes/escenario off\n", "esqueletos off\n", "skelly escenario off\n", "sel skelly off\n",
    "zip off\n", "liberar memoria\n", "JGL off!\n",
    "\n\n -Closing system\n -QORN successfully closed!\n -Log ended at ",
};

TEST(Startup, FirstRunStartsInAWindowAndShutsDownInOrderOnSigterm)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "first-run"));
    ASSERT_TRUE(game_start(&run));
    ASSERT_TRUE(game_keys(&run, {"Return"}));   // "Start Game" holds the focus
    ASSERT_TRUE(game_wait_log(&run, "\n    -Mode successfully set!"));
    ASSERT_TRUE(game_wait_log(&run, "\n -Trying to setup timers... Success!"));
    ASSERT_TRUE(game_wait_log(&run, "\n -QORN successfully initialized!\n"));
    ASSERT_TRUE(game_focus(&run));   // the game window itself is up
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    std::string log = game_read_text(&run, "data/initlog.txt");
    std::string banner = "\n" + stars + "\n             TAVROSK V.1.121\n" + stars +
                         "\n -QORN engine v.1.0 start.\n -Log started at ";
    EXPECT_EQ(log.compare(0, banner.size(), banner), 0) << log;
    EXPECT_TRUE(texts_in_order(log, {" -Initializing...\n -Current res.: 1280 x 1024",
                                     "\n -Trying to set 640 x 480 x 16...\n    -Mode successfully set!",
                                     "\n    -Maximum texture size: ", "\n -Looking for OpenGL extensions...",
                                     "\n -Trying to initialize sound...", "\nLoading data..."}));
    EXPECT_TRUE(texts_in_order(log, shutdown_lines));
    EXPECT_EQ(log.back(), '\n');
    Bytes settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    EXPECT_EQ(settings[SETTINGS_SCREEN_MODE], 1);
}

// The whole start-up on the built data set: every shared picture, the sound bank and the fonts
// load, and the title tune starts (a tune that fails ends the run at once).
TEST(Startup, TheBuiltDataSetReachesTheTitleMenuWithoutAFailureLine)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "title"));
    ASSERT_TRUE(game_start_playing(&run));
    EXPECT_FALSE(game_wait_exit(&run, 2.0)) << "the game stopped after its start-up";
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);

    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, {"\nLoading data...", "\n -Allocating memory for characters...",
                                     "\n -QORN successfully initialized!\n"}));
    for (const char *failure : {"ailed", "Couldn't", "Out of memory", "not in the sound bank", "Corrupt"})
        EXPECT_EQ(log.find(failure), std::string::npos) << failure << " in:\n" << log;
    EXPECT_TRUE(texts_in_order(log, shutdown_lines));
    // On a machine without a sound card the sound library's probe stays off the terminal.
    for (const char *output : {"stdout.txt", "stderr.txt"})
        EXPECT_EQ(game_read_text(&run, output).find("ALSA lib"), std::string::npos) << game_read_text(&run, output);
}

// Xvfb has one screen size and no mode switching: full screen takes the failure path.
TEST(Startup, FullScreenThatTheServerRefusesFailsTheStartUpAndStillSavesTheSettings)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "full-screen"));
    ASSERT_TRUE(game_settings_patch(&run, SETTINGS_SCREEN_MODE, 0));
    ASSERT_TRUE(game_start(&run));
    ASSERT_TRUE(game_keys(&run, {"Return"}));
    ASSERT_TRUE(game_answer_message_box(&run));
    ASSERT_TRUE(game_wait_exit(&run));
    EXPECT_EQ(run.exit_status, 1) << "a failed start is no success";

    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, {"\n -Trying to set 640 x 480 x 16...",
                                     "\n    -Couldn't set the specified resolution/color depth",
                                     "archivo config guardado\n", "\n -Log ended at "}));
    EXPECT_EQ(log.find("Mode successfully set"), std::string::npos);
    EXPECT_NE(game_read_text(&run, "stderr.txt").find("ERROR: Can't set 640 x 480 x 16"), std::string::npos);
    Bytes settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    EXPECT_EQ(settings[SETTINGS_SCREEN_MODE], 0);
}

TEST(Startup, ClosingTheLauncherEndsTheProgramWithoutAWindowOrABanner)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "launcher-closed"));
    ASSERT_TRUE(game_start(&run));
    ASSERT_TRUE(game_keys(&run, {"Escape"}));
    ASSERT_TRUE(game_wait_exit(&run));
    EXPECT_EQ(run.exit_status, 0);

    // Only the failure path's lines: this run created no log of its own.
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_EQ(log.find("TAVROSK V."), std::string::npos) << log;
    EXPECT_TRUE(texts_in_order(log, {"archivo config guardado\n", "\n -Log ended at "}));
    EXPECT_EQ(log.substr(log.rfind("\n -Log ended at ")).find("off\n"), std::string::npos) << log;
    EXPECT_EQ(game_settings(&run).size(), 169u);
}

// The video set-up's lists take the keyboard: Down moves the choice, Tab the focus, in the
// order resolution, colour depth, texture detail, texture colour depth, sharpness, screen mode,
// "Accept", "Cancel".
struct VideoSetupCase {
    const char *name;
    std::vector<std::string> keys;   // from the launcher's "Start Game" to the game window
    const char *mode_line;
    u8 resolution;                   // saved at shutdown
};

static const VideoSetupCase video_setup_cases[] = {
    {"Accept",
     {"Tab", "Return", "Down", "Down", "Tab", "Down", "Tab", "Tab", "Tab", "Tab", "Tab", "Return", "Return"},
     "\n -Trying to set 1024 x 768 x 32...",
     2},
    {"Cancel",
     {"Tab", "Return", "Down", "Down", "Tab", "Down", "Tab", "Tab", "Tab", "Tab", "Tab", "Tab", "Return", "Return"},
     "\n -Trying to set 640 x 480 x 16...",
     0},
};

TEST(Startup, VideoSetupChoicesReachTheWindowOnlyThroughAccept)
{
    for (const VideoSetupCase &test : video_setup_cases) {
        SCOPED_TRACE(test.name);
        GameRun run;
        ASSERT_TRUE(game_prepare(&run, "video-setup"));
        ASSERT_TRUE(game_start(&run));
        ASSERT_TRUE(game_keys(&run, test.keys));
        ASSERT_TRUE(game_wait_log(&run, test.mode_line));
        ASSERT_TRUE(game_wait_log(&run, "\n    -Mode successfully set!"));
        ASSERT_TRUE(game_stop(&run));
        Bytes settings = game_settings(&run);
        ASSERT_EQ(settings.size(), 169u);
        EXPECT_EQ(settings[SETTINGS_RESOLUTION], test.resolution);
        // A window always runs at 16 bits, and the settings file then says so.
        EXPECT_EQ(settings[SETTINGS_COLOUR_DEPTH], 16);
    }
}

TEST(Startup, SwitchesChangeTheSavedProgress)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "switches"));
    ASSERT_TRUE(game_settings_patch(&run, SETTINGS_PROFILES + 1, 2));   // one biography bought
    ASSERT_TRUE(game_start_playing(&run, {"-midastouch", "-ulock_profiles", "-blood", "-Blood"}));
    ASSERT_TRUE(game_stop(&run));
    Bytes settings = game_settings(&run);
    ASSERT_EQ(settings.size(), 169u);
    EXPECT_EQ(settings_u32(settings, SETTINGS_CREDITS), 99999u);
    for (size_t i = 0; i < 12; i++)
        EXPECT_EQ(settings[SETTINGS_PROFILES + i], i == 1 ? 2 : 1) << "biography byte " << i;
    EXPECT_EQ(settings[SETTINGS_BLOOD], 255);
}

// The whole loop with the real logic tick: keys reach the title menu, its EXIT item leads to
// the exit screen, and ESC there ends the main loop through the ordered shutdown.
TEST(Startup, EscOnTheExitScreenQuitsThroughTheOrderedShutdown)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "exit-screen"));
    ASSERT_TRUE(game_start_playing(&run));
    ASSERT_TRUE(game_keys(&run, {"Up", "Return"}));   // from START up round to EXIT
    ASSERT_TRUE(game_keys(&run, {"Escape"}));
    ASSERT_TRUE(game_wait_exit(&run));
    EXPECT_EQ(run.exit_status, 0);
    EXPECT_TRUE(texts_in_order(game_read_text(&run, "data/initlog.txt"), shutdown_lines));
}
