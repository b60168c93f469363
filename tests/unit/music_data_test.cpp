#include "engine/engine.h"
#include "support/fake_audio.h"
#include "support/test_paths.h"

#include <gtest/gtest.h>
#include <set>
#include <string>

// Every tune the game starts by name, each played through once by the game's own player from
// the archive the data builder wrote (make test builds it before the tests run).
TEST(MusicData, EveryTuneTheGamePlaysIsAShortDistinctLoop)
{
    std::string path = test_build_dir() + "/data/dat00.dat";
    archive_close(asset_archive);  // whatever an earlier test left open
    asset_archive = archive_open(path.c_str());
    ASSERT_NE(asset_archive, nullptr) << path << " is missing: run build/tavrosk-databuild build/data";
    fake_audio_install();
    std::set<std::vector<u8>> first_buffers;
    for (int t = 0; t < game_tune_count; t++) {
        const char *name = game_tunes[t];
        ASSERT_EQ(music_play(name), 0) << name;
        music_poll();
        first_buffers.insert(fake_audio.buffer);
        int polls = 1;
        while (fake_audio.opens == 1 && polls < 100) {
            music_poll();
            polls++;
        }
        EXPECT_EQ(fake_audio.opens, 2) << name << " never looped";
        // Seconds of sound: every poll but the last (empty) one handed back one buffer.
        double buffer_seconds = static_cast<double>(fake_audio.samples) / fake_audio.rate;
        EXPECT_GE((polls - 1) * buffer_seconds, 2.0) << name;
        EXPECT_LE((polls - 2) * buffer_seconds, 8.0) << name;
        music_stop();
        fake_audio_install();
    }
    EXPECT_EQ(first_buffers.size(), static_cast<size_t>(game_tune_count)) << "two tunes begin alike";
    fake_audio_remove();
    archive_close(asset_archive);
    asset_archive = nullptr;
}
