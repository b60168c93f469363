#include "engine/engine.h"
#include "support/fake_audio.h"
#include "support/test_paths.h"

#include <allegro.h>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

// An archive of small tunes (a tune of about two music buffers, and damaged ones), a log
// folder, and the fake audio sink.
class Music : public ::testing::Test {
protected:
    std::string log_path;
    Bytes tune;

    void SetUp() override
    {
        std::string dir = test_scratch_dir("music");
        snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
        mkdir((dir + "/data").c_str(), 0755);
        log_path = dir + "/data/initlog.txt";
        tune = tone_ogg(1, 22050, 30000);  // 60,000 bytes decoded: one full buffer and a padded one
        Bytes cut(tune.begin(), tune.begin() + 50);
        std::string path = dir + "/data/dat00.dat";
        ASSERT_TRUE(zip_write(path.c_str(), {{"musica/Tone.ogg", tune}, {"musica/other.ogg", tone_ogg(2, 44100, 500)},
                                             {"musica/cut.ogg", cut}, {"musica/text.ogg", {'h', 'i'}}}));
        archive_close(asset_archive);  // whatever an earlier test left open
        asset_archive = archive_open(path.c_str());
        ASSERT_NE(asset_archive, nullptr);
        music_volume = 64;
        music_stop();   // whatever an earlier test left playing, before the sink counts afresh
        fake_audio_install();
    }

    void TearDown() override
    {
        music_stop();
        EXPECT_EQ(fake_audio.live, 0);
        fake_audio_remove();
        archive_close(asset_archive);
        asset_archive = nullptr;
    }
};

TEST_F(Music, PlaysAWholeEntryAtTheOptionVolume)
{
    ASSERT_EQ(music_play("MUSICA/tone.OGG"), 0);
    EXPECT_STREQ(music_name, "MUSICA/tone.OGG");
    EXPECT_EQ(music_block_size, MUSIC_BLOCK_SIZE);
    ASSERT_NE(music_data, nullptr);
    ASSERT_EQ(music_size, tune.size());
    EXPECT_EQ(memcmp(music_data, tune.data(), tune.size()), 0);
    EXPECT_NE(music_stream, nullptr);
    EXPECT_EQ(music_audio_stream, alogg_get_audio_stream(music_stream));
    EXPECT_EQ(fake_audio.samples, MUSIC_BLOCK_SIZE / 2);
    EXPECT_EQ(fake_audio.volume, 64);
}

TEST_F(Music, VoiceVolumeFollowsTheOptionScale)
{
    music_set_voice_volume(100);
    EXPECT_EQ(fake_audio.volume, -1) << "no tune, no voice";
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    const int cases[][2] = {{0, 0}, {1, 1}, {64, 64}, {128, 128}, {129, 128}, {100000, 128}, {-5, 0}};
    for (const auto &c : cases) {
        music_set_voice_volume(c[0]);
        EXPECT_EQ(fake_audio.volume, c[1]) << c[0];
    }
}

// The tune's last frame runs into its first with nothing between: no padding, no silent
// buffer, no second stream (which would cut the buffer still playing).
TEST_F(Music, LoopsWithoutAGapOnOneStream)
{
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    music_set_voice_volume(10);
    std::vector<u8> played;
    for (int polls = 0; polls < 5; polls++) {
        music_poll();
        played.insert(played.end(), fake_audio.buffer.begin(), fake_audio.buffer.end());
    }
    EXPECT_EQ(fake_audio.opens, 1);
    EXPECT_EQ(fake_audio.live, 1);
    EXPECT_EQ(fake_audio.volume, 10);
    const size_t tune_bytes = 60000;   // the fixture's 30,000 mono frames
    ASSERT_GT(played.size(), 2 * tune_bytes);
    for (size_t at = tune_bytes; at < played.size(); at++)
        ASSERT_EQ(played[at], played[at - tune_bytes]) << "byte " << at;
    music_stop();
}

// A stream that ends all the same (its data stopped decoding) starts over from the first byte
// at the option's volume.
TEST_F(Music, AnEndedStreamStartsOverAtTheOptionVolume)
{
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    music_set_voice_volume(10);
    std::vector<u8> first_buffer;
    music_poll();
    first_buffer = fake_audio.buffer;
    alogg_stream_loop(music_stream, 0);   // as a stream whose data fails at its end
    for (int polls = 0; polls < 20 && fake_audio.opens == 1; polls++)
        music_poll();
    EXPECT_EQ(fake_audio.opens, 2);
    EXPECT_EQ(fake_audio.live, 1);
    EXPECT_EQ(fake_audio.volume, 64);
    ASSERT_NE(music_stream, nullptr);
    EXPECT_EQ(music_audio_stream, alogg_get_audio_stream(music_stream));
    music_poll();
    EXPECT_EQ(fake_audio.buffer, first_buffer) << "the restart plays the tune from its start";
}

TEST_F(Music, ARestartWithNoStreamStopsTheMusicWithALogLine)
{
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    alogg_stream_loop(music_stream, 0);   // so that the stream ends
    fake_audio.open_failures = 1;
    for (int i = 0; i < 5; i++)
        music_poll();
    EXPECT_EQ(music_stream, nullptr);
    EXPECT_EQ(music_audio_stream, nullptr);
    EXPECT_EQ(music_data, nullptr);
    EXPECT_NE(test_read_text(log_path).find("\n -Couldn't restart musica/tone.ogg"), std::string::npos);
    music_stop();
}

TEST_F(Music, StopsOnlyWhatPlays)
{
    music_stop();
    EXPECT_EQ(fake_audio.opens, 0);
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    // A second play without a stop still leaves one tune, the new one.
    ASSERT_EQ(music_play("musica/other.ogg"), 0);
    EXPECT_EQ(fake_audio.live, 1);
    EXPECT_EQ(fake_audio.stereo, 1);
    music_stop();
    EXPECT_EQ(fake_audio.live, 0);
    EXPECT_EQ(music_stream, nullptr);
    EXPECT_EQ(music_audio_stream, nullptr);
    EXPECT_EQ(music_data, nullptr);
    music_stop();
    music_poll();
}

TEST_F(Music, MissingOrUndecodableTunesFailWithNothingKept)
{
    const char *names[] = {"musica/none.ogg", "musica/cut.ogg", "musica/text.ogg", nullptr};
    for (const char *name : names) {
        EXPECT_EQ(music_play(name), 1) << (name ? name : "null");
        EXPECT_EQ(music_data, nullptr);
        EXPECT_EQ(music_stream, nullptr);
        EXPECT_EQ(music_audio_stream, nullptr);
    }
    EXPECT_EQ(fake_audio.opens, 0);
    std::string log = test_read_text(log_path);
    EXPECT_NE(log.find("\n -Couldn't decode musica/cut.ogg"), std::string::npos);
    EXPECT_EQ(log.find("none.ogg"), std::string::npos) << "a missing entry is the caller's to report";
    // With no archive open at all.
    archive_close(asset_archive);
    asset_archive = nullptr;
    EXPECT_EQ(music_play("musica/tone.ogg"), 1);
}

TEST_F(Music, ShutdownStopsTheTuneOnlyOnceTheLibraryStarted)
{
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    allegro_started = 0;
    sound_shutdown();
    EXPECT_NE(music_stream, nullptr);
    EXPECT_EQ(test_read_text(log_path), "");

    allegro_started = 1;
    sound_shutdown();
    allegro_started = 0;
    EXPECT_EQ(music_stream, nullptr);
    EXPECT_EQ(fake_audio.live, 0);
    EXPECT_EQ(fake_audio.volume, 0) << "silenced before the stop";
    EXPECT_EQ(test_read_text(log_path), "musica off\nalogg off\ntimers off\n");
}

// With no sound device the game library still hands out a stream: the title tune must not
// stop the start-up on a silent machine.
TEST_F(Music, PlaysThroughTheGameLibraryWithNoSoundDevice)
{
    fake_audio_remove();
    if (!system_driver)
        install_allegro(SYSTEM_NONE, &errno, atexit);
    ASSERT_EQ(music_play("musica/tone.ogg"), 0);
    ASSERT_NE(music_audio_stream, nullptr);
    for (int i = 0; i < 10; i++)
        music_poll();
    EXPECT_NE(music_stream, nullptr);
    music_set_voice_volume(32);
    music_stop();
    EXPECT_EQ(music_audio_stream, nullptr);
    fake_audio_install();
}
