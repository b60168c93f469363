#include "engine/engine.h"
#include "support/test_paths.h"
#include "support/xvfb_game.h"

#include <allegro.h>
#include <chrono>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <thread>

// The game library with its timer thread, as the engine start-up leaves it; needs the display.
static void library_start()
{
    ASSERT_TRUE(test_display_start());
    ASSERT_EQ(install_allegro(SYSTEM_AUTODETECT, &errno, atexit), 0) << allegro_error;
    ASSERT_EQ(install_timer(), 0);
}

// Logic ticks owed per second of wall time, counted over about one second.
static double logic_rate()
{
    logic_ticks_pending = 0;
    auto start = std::chrono::steady_clock::now();
    std::this_thread::sleep_for(std::chrono::seconds(1));
    int ticks = logic_ticks_pending.exchange(0);
    std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
    return ticks / elapsed.count();
}

TEST(Clock, LogicTickRunsSixtyTimesASecondAndThirtyInTheSlowMotion)
{
    ASSERT_NO_FATAL_FAILURE(library_start());
    ASSERT_EQ(timers_install(), 1);
    int seconds_before = seconds_counter;
    double normal = logic_rate();
    EXPECT_GE(normal, 55.0);
    EXPECT_LE(normal, 65.0);
    timer_logic_rate_set(LOGIC_TICK_30HZ);
    double slow = logic_rate();
    EXPECT_GE(slow, 27.0);
    EXPECT_LE(slow, 33.0);
    timer_logic_rate_set(LOGIC_TICK_60HZ);
    double restored = logic_rate();
    EXPECT_GE(restored, 55.0);
    EXPECT_LE(restored, 65.0);
    EXPECT_GE(seconds_counter - seconds_before, 2) << "the seconds timer runs beside it";
    timers_remove();
}

// A built tune through the game library's own audio stream (a silent one where the machine
// has no sound device), fed once per tick for a few seconds.
TEST(MusicPlayer, BuiltTunePlaysAndStaysFedForSeconds)
{
    ASSERT_NO_FATAL_FAILURE(library_start());
    reserve_voices(8, 0);
    install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr);  // may fail: the music still plays
    std::string dir = test_scratch_dir("music-xvfb");
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    asset_archive = archive_open(test_data_archive_path().c_str());
    ASSERT_NE(asset_archive, nullptr) << TEST_NO_DATA_SET;
    music_volume = 64;
    ASSERT_EQ(music_play("musica/titulo.ogg"), 0);
    for (int tick = 0; tick < 4 * TICKS_PER_SECOND; tick++) {
        music_poll();
        ASSERT_NE(music_stream, nullptr) << "tick " << tick;
        ASSERT_NE(music_audio_stream, nullptr);
        rest(1000 / TICKS_PER_SECOND);
    }
    music_stop();
    EXPECT_EQ(test_read_text(dir + "/data/initlog.txt"), "") << "the player logged a failure";
    archive_close(asset_archive);
    asset_archive = nullptr;
}

// The real program: the title tune starts with the title menu and keeps the game running; the
// shutdown stops the music, the Ogg layer and the timers, in that order.
TEST(MusicPlayer, TitleTuneRunsUntilTheOrderedShutdown)
{
    GameRun run;
    ASSERT_TRUE(game_prepare(&run, "title-tune"));
    ASSERT_TRUE(game_start_playing(&run));
    std::this_thread::sleep_for(std::chrono::seconds(3));
    ASSERT_TRUE(game_focus(&run, 5.0)) << "the game ended: its title tune did not start";
    ASSERT_TRUE(game_stop(&run));
    EXPECT_EQ(run.exit_status, 0);
    std::string log = game_read_text(&run, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, {"\n -QORN successfully initialized!\n", "liberar engine\n",
                                     "musica off\nalogg off\ntimers off\n", "allegro cerrado\n"}))
        << log;
    EXPECT_EQ(log.find("Couldn't"), std::string::npos) << log;
}
