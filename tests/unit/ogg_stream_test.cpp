#include "engine/engine.h"
#include "support/fake_audio.h"
#include "support/test_paths.h"

#include <allegro.h>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

constexpr u16 SILENCE = 0x8000;

static u16 word_at(const std::vector<u8> &bytes, size_t at)
{
    return static_cast<u16>(bytes[at] | bytes[at + 1] << 8);
}

// Refills until the stream ends (or max refills), keeping a copy of every buffer handed back.
static std::vector<std::vector<u8>> drain(AloggStream *stream, int max_refills)
{
    std::vector<std::vector<u8>> buffers;
    for (int i = 0; i < max_refills; i++) {
        int alive = alogg_update_streaming(stream);
        buffers.push_back(fake_audio.buffer);
        if (!alive)
            break;
    }
    return buffers;
}

class OggStream : public ::testing::Test {
protected:
    void SetUp() override { fake_audio_install(); }
    void TearDown() override
    {
        EXPECT_EQ(fake_audio.live, 0) << "an audio stream was left open";
        fake_audio_remove();
    }
};

// ---- memory source ----

TEST(OggMemorySource, ReadsWholeItemsAndNothingPastTheEnd)
{
    const u8 data[10] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    u8 out[16] = {};
    AloggMemorySource source = {10, 8, data};
    EXPECT_EQ(alogg_memory_read(out, 4, 1, &source), 0u) << "2 bytes left hold no 4-byte item";
    EXPECT_EQ(source.position, 8);
    EXPECT_EQ(alogg_memory_read(out, 1, 4, &source), 2u);
    EXPECT_EQ(out[0], 8);
    EXPECT_EQ(out[1], 9);
    EXPECT_EQ(source.position, 10);
    EXPECT_EQ(alogg_memory_read(out, 1, 4, &source), 0u);

    source.position = 2;
    EXPECT_EQ(alogg_memory_read(out, 3, 2, &source), 2u);
    EXPECT_EQ(out[5], 7);
    EXPECT_EQ(source.position, 8);
    // size x count would overflow: only what is there is read.
    source.position = 0;
    EXPECT_EQ(alogg_memory_read(out, SIZE_MAX / 2 + 1, 4, &source), 0u);
    EXPECT_EQ(alogg_memory_read(out, 2, SIZE_MAX, &source), 5u);
    EXPECT_EQ(alogg_memory_read(out, 0, 4, &source), 0u);
    EXPECT_EQ(alogg_memory_read(out, 1, 4, nullptr), 0u);
}

TEST(OggMemorySource, SeeksEachWayAndRefusesNegativeOrOverflowingTargets)
{
    struct Case {
        int64_t start, offset;
        int whence;
        int result;
        int64_t position;  // after the call
    };
    const Case cases[] = {
        {5, 3, SEEK_SET, 0, 3},
        {5, 2, SEEK_CUR, 0, 7},
        {5, -5, SEEK_CUR, 0, 0},
        {5, 0, SEEK_END, 0, 10},
        {5, -4, SEEK_END, 0, 6},
        {5, 90, SEEK_SET, 0, 90},            // past the end is allowed
        {5, INT64_MAX, SEEK_SET, 0, INT64_MAX},
        {5, -1, SEEK_SET, -1, 5},
        {5, -6, SEEK_CUR, -1, 5},
        {5, -11, SEEK_END, -1, 5},
        {5, INT64_MIN, SEEK_CUR, -1, 5},
        {5, INT64_MAX, SEEK_CUR, -1, 5},      // would overflow
        {5, INT64_MAX, SEEK_END, -1, 5},
        {5, 0, 7, -1, 5},                     // unknown whence
    };
    const u8 data[10] = {};
    for (const Case &c : cases) {
        AloggMemorySource source = {10, c.start, data};
        EXPECT_EQ(alogg_memory_seek(&source, c.offset, c.whence), c.result) << c.offset << " from " << c.whence;
        EXPECT_EQ(source.position, c.position) << c.offset << " from " << c.whence;
        EXPECT_EQ(alogg_memory_tell(&source), c.position);
    }
    EXPECT_EQ(alogg_memory_seek(nullptr, 0, SEEK_SET), -1);
    EXPECT_EQ(alogg_memory_tell(nullptr), -1);

    // At the end, and far past it, a read gives nothing.
    u8 out[4];
    AloggMemorySource source = {10, 0, data};
    ASSERT_EQ(alogg_memory_seek(&source, 0, SEEK_END), 0);
    EXPECT_EQ(alogg_memory_read(out, 1, 4, &source), 0u);
    ASSERT_EQ(alogg_memory_seek(&source, INT64_MAX, SEEK_SET), 0);
    EXPECT_EQ(alogg_memory_read(out, 1, 4, &source), 0u);
}

// ---- decoding into the audio stream ----

TEST_F(OggStream, DecodesMonoAndStereoIntoWholeBuffersPaddedWithTheLastWord)
{
    struct Case {
        int channels, rate, block;
        int samples;  // per audio-stream buffer
    };
    const Case cases[] = {{1, 22050, 4096, 2048}, {2, 44100, 4096, 1024}, {2, 22050, 4098, 1024}};
    const u32 frames = 3000;
    for (const Case &c : cases) {
        Bytes ogg = tone_ogg(c.channels, c.rate, frames);
        AloggStream *stream = alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), c.block);
        ASSERT_NE(stream, nullptr);
        EXPECT_EQ(fake_audio.samples, c.samples);
        EXPECT_EQ(fake_audio.stereo, c.channels == 2);
        EXPECT_EQ(fake_audio.rate, c.rate);
        EXPECT_EQ(alogg_get_audio_stream(stream), alogg_get_audio_stream(stream));
        EXPECT_NE(alogg_get_audio_stream(stream), nullptr);

        std::vector<std::vector<u8>> buffers = drain(stream, 100);
        size_t buffer_bytes = static_cast<size_t>(c.samples) * c.channels * 2;
        size_t decoded = static_cast<size_t>(frames) * c.channels * 2;
        ASSERT_EQ(buffers.size(), decoded / buffer_bytes + 2) << "full buffers, the padded one, the empty one";
        EXPECT_EQ(alogg_update_streaming(stream), 0) << "an ended stream stays ended";

        // Unsigned words around 0x8000: a half-scale tone stays within a quarter turn of it.
        std::vector<u8> all;
        for (const auto &b : buffers)
            all.insert(all.end(), b.begin(), b.end());
        int low = 0x10000, high = 0;
        for (size_t at = 0; at < decoded; at += 2) {
            low = std::min<int>(low, word_at(all, at));
            high = std::max<int>(high, word_at(all, at));
        }
        EXPECT_GT(high, SILENCE + 12000);
        EXPECT_LT(low, SILENCE - 12000);
        EXPECT_LT(high, SILENCE + 20000);
        EXPECT_GT(low, SILENCE - 20000);

        const std::vector<u8> &padded = buffers[buffers.size() - 2];
        size_t used = decoded % buffer_bytes;
        for (size_t at = used; at < buffer_bytes; at += 2)
            ASSERT_EQ(word_at(padded, at), word_at(padded, used - 2)) << "byte " << at;
        for (size_t at = 0; at < buffer_bytes; at += 2)
            ASSERT_EQ(word_at(buffers.back(), at), SILENCE) << "nothing decoded: silence";
        alogg_stop_streaming(stream);
    }
}

// Looping, the last frame runs straight into the first within one buffer, for as long as the
// stream is refilled; without it, the same data ends after its padded buffer.
TEST_F(OggStream, ALoopedStreamRunsItsEndIntoItsStart)
{
    const u32 frames = 3000;   // 6,000 bytes: not a whole number of 4,096-byte buffers
    Bytes ogg = tone_ogg(1, 22050, frames);
    AloggStream *once = alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 4096);
    ASSERT_NE(once, nullptr);
    std::vector<u8> tune;
    for (const auto &b : drain(once, 100))
        tune.insert(tune.end(), b.begin(), b.end());
    alogg_stop_streaming(once);
    tune.resize(frames * 2);

    AloggStream *looped = alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 4096);
    ASSERT_NE(looped, nullptr);
    alogg_stream_loop(looped, 1);
    std::vector<u8> played;
    for (int i = 0; i < 7; i++) {
        ASSERT_EQ(alogg_update_streaming(looped), 1) << "refill " << i;
        played.insert(played.end(), fake_audio.buffer.begin(), fake_audio.buffer.end());
    }
    for (size_t at = 0; at < played.size(); at++)
        ASSERT_EQ(played[at], tune[at % tune.size()]) << "byte " << at << ", pass " << at / tune.size();
    alogg_stop_streaming(looped);
}

TEST_F(OggStream, WaitsWhileNoBufferIsFree)
{
    Bytes ogg = tone_ogg(1, 22050, 1000);
    AloggStream *stream = alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 1024);
    ASSERT_NE(stream, nullptr);
    fake_audio.buffer_busy = 1;
    for (int i = 0; i < 10; i++)
        EXPECT_EQ(alogg_update_streaming(stream), 1);
    EXPECT_EQ(fake_audio.releases, 0);
    fake_audio.buffer_busy = 0;
    EXPECT_EQ(drain(stream, 100).size(), 3u);  // 1000 frames: one full buffer of 512, one padded, one empty
    alogg_stop_streaming(stream);
}

// The same tune through the file and the packfile sources decodes to the same sound.
TEST_F(OggStream, FileAndPackfileSourcesDecodeLikeMemory)
{
    if (!system_driver)
        install_allegro(SYSTEM_NONE, &errno, atexit);
    Bytes ogg = tone_ogg(2, 22050, 5000);
    std::string path = test_scratch_dir("ogg") + "/tone.ogg";
    ASSERT_TRUE(file_write(path.c_str(), ogg));

    AloggStream *memory = alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 4096);
    ASSERT_NE(memory, nullptr);
    std::vector<std::vector<u8>> expected = drain(memory, 100);
    alogg_stop_streaming(memory);

    AloggStream *file = alogg_start_streaming(path.c_str(), 4096);
    ASSERT_NE(file, nullptr);
    EXPECT_EQ(drain(file, 100), expected);
    alogg_stop_streaming(file);

    AloggStream *packed = alogg_start_streaming_packfile(pack_fopen(path.c_str(), "r"), 4096);
    ASSERT_NE(packed, nullptr);
    EXPECT_EQ(drain(packed, 100), expected);
    alogg_stop_streaming(packed);

    EXPECT_EQ(alogg_start_streaming((path + ".missing").c_str(), 4096), nullptr);
    EXPECT_EQ(alogg_start_streaming_packfile(nullptr, 4096), nullptr);
}

// Damaged tunes: a refused start frees everything; one that starts ends within a few refills.
TEST_F(OggStream, DamagedDataFailsOrEndsCleanly)
{
    // About 3.5 KB of headers, then about 4.5 KB of sound pages.
    Bytes good = tone_ogg(1, 22050, 100000);
    ASSERT_GT(good.size(), 7000u);
    Bytes cut_in_headers(good.begin(), good.begin() + 40);
    Bytes cut_in_sound(good.begin(), good.end() - 2000);
    Bytes flipped = good;
    for (size_t at = good.size() - 3000; at < good.size() - 2936; at++)
        flipped[at] ^= 0x5A;
    Bytes garbage(4000, 'x');
    Bytes empty;

    struct Case {
        const char *what;
        const Bytes &bytes;
        bool starts;
    };
    const Case cases[] = {
        {"cut in the headers", cut_in_headers, false},
        {"not Ogg at all", garbage, false},
        {"empty", empty, false},
        {"cut in the sound", cut_in_sound, true},
        {"bytes flipped in the sound", flipped, true},
    };
    for (const Case &c : cases) {
        alogg_error_code = 0;
        AloggStream *stream = alogg_start_streaming_memory(c.bytes.data(), static_cast<u32>(c.bytes.size()), 4096);
        EXPECT_EQ(stream != nullptr, c.starts) << c.what;
        if (!stream) {
            EXPECT_LT(alogg_error_code, 0) << c.what;
            continue;
        }
        std::vector<std::vector<u8>> buffers = drain(stream, 100);
        EXPECT_LT(buffers.size(), 100u) << c.what << " never ended";
        EXPECT_EQ(alogg_update_streaming(stream), 0) << c.what;
        alogg_stop_streaming(stream);
    }
}

TEST_F(OggStream, NoAudioStreamOrNoRoomIsAStartFailure)
{
    Bytes ogg = tone_ogg(1, 22050, 1000);
    fake_audio.open_failures = 1;
    EXPECT_EQ(alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 4096), nullptr);
    EXPECT_EQ(alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 3), nullptr);
    EXPECT_EQ(fake_audio.opens, 0);
    // Calls on no stream do nothing.
    EXPECT_EQ(alogg_update_streaming(nullptr), 0);
    EXPECT_EQ(alogg_get_audio_stream(nullptr), nullptr);
    alogg_stop_streaming(nullptr);
}

// The audio streams take one or two channels; a surround file is refused, not played as
// garbled stereo three times too long.
TEST_F(OggStream, MoreThanTwoChannelsAreRefusedWithALogLine)
{
    std::string dir = test_scratch_dir("ogg_channels");
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    for (int channels : {3, 6}) {
        Bytes ogg = tone_ogg(channels, 22050, 2000);
        EXPECT_EQ(alogg_start_streaming_memory(ogg.data(), static_cast<u32>(ogg.size()), 4096), nullptr) << channels;
        EXPECT_EQ(fake_audio.opens, 0) << channels;
    }
    FILE *log = fopen((dir + "/data/initlog.txt").c_str(), "rb");
    ASSERT_NE(log, nullptr);
    char text[512] = {};
    fread(text, 1, sizeof text - 1, log);
    fclose(log);
    EXPECT_NE(strstr(text, "\n       -An Ogg stream with 6 channels refused"), nullptr) << text;
}
