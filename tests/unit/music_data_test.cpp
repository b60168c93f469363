#include "engine/engine.h"
#include "support/fake_audio.h"
#include "support/test_paths.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

// A tune as the game's own player decodes it from the built archive: every buffer the stream
// handed back until it ended and the player started it over.
struct DecodedTune {
    int played = 0;                 // music_play accepted it
    int looped = 0;                 // the player started it over after its end
    int rate = 0;
    int channels = 0;
    std::vector<u8> first_buffer;
    std::vector<float> left, right; // -1..1
    int full_scale = 0;             // samples at the 16-bit limits
};

static DecodedTune tune_decode(const char *name)
{
    DecodedTune tune;
    fake_audio_install();
    tune.played = music_play(name) == 0;
    if (!tune.played)
        return tune;
    // Once through: the stream then ends, and the player's restart marks the tune's length.
    alogg_stream_loop(music_stream, 0);
    tune.rate = fake_audio.rate;
    tune.channels = fake_audio.stereo ? 2 : 1;
    std::vector<u8> pending;   // the last buffer waits: the one that ends the stream is padding
    for (int polls = 0; polls < 10000 && fake_audio.opens == 1; polls++) {
        if (!pending.empty()) {
            for (size_t at = 0; at + 2 * tune.channels <= pending.size(); at += 2 * tune.channels) {
                for (int c = 0; c < tune.channels; c++) {
                    int word = pending[at + 2 * c] | pending[at + 2 * c + 1] << 8;
                    int value = word - 0x8000;   // the audio streams take unsigned words
                    tune.full_scale += value == 32767 || value == -32768;
                    (c ? tune.right : tune.left).push_back(value / 32768.0f);
                }
            }
        }
        music_poll();
        pending = fake_audio.buffer;
        if (tune.first_buffer.empty())
            tune.first_buffer = pending;
    }
    tune.looped = fake_audio.opens == 2;
    if (tune.channels == 1)
        tune.right = tune.left;
    music_stop();
    fake_audio_remove();
    return tune;
}

// Loudness over 10 ms frames of the two channels' mix.
static std::vector<float> tune_envelope(const DecodedTune &tune)
{
    size_t frame = static_cast<size_t>(tune.rate / 100);
    std::vector<float> envelope;
    for (size_t at = 0; at + frame <= tune.left.size(); at += frame) {
        double sum = 0.0;
        for (size_t i = at; i < at + frame; i++) {
            double mix = 0.5 * (tune.left[i] + tune.right[i]);
            sum += mix * mix;
        }
        envelope.push_back(static_cast<float>(std::sqrt(sum / frame)));
    }
    return envelope;
}

// The highest correlation of the loudness with itself shifted round the loop by 1 to 15 s:
// a short loop repeated to length scores about 1 at its period.
static double envelope_self_similarity(const std::vector<float> &envelope)
{
    size_t n = envelope.size();
    double mean = 0.0;
    for (float v : envelope)
        mean += v;
    mean /= n;
    std::vector<double> centred(n);
    double power = 0.0;
    for (size_t i = 0; i < n; i++) {
        centred[i] = envelope[i] - mean;
        power += centred[i] * centred[i];
    }
    double highest = -1.0;
    for (size_t lag = 100; lag <= 1500 && lag < n; lag++) {
        double sum = 0.0;
        for (size_t i = 0; i < n; i++)
            sum += centred[i] * centred[(i + lag) % n];
        highest = std::max(highest, sum / power);
    }
    return highest;
}

static double rms_of(const DecodedTune &tune)
{
    double sum = 0.0;
    for (size_t i = 0; i < tune.left.size(); i++)
        sum += tune.left[i] * tune.left[i] + tune.right[i] * tune.right[i];
    return std::sqrt(sum / (2.0 * tune.left.size()));
}

// The share of the power below 250 Hz: a second-order low-pass over the mix.
static double low_share(const DecodedTune &tune)
{
    double w = 2.0 * 3.14159265358979 * 250.0 / tune.rate;
    double alpha = std::sin(w) / (2.0 * 0.7071);
    double cw = std::cos(w), a0 = 1.0 + alpha;
    double b0 = (1.0 - cw) / 2.0 / a0, b1 = (1.0 - cw) / a0, b2 = b0, a1 = -2.0 * cw / a0, a2 = (1.0 - alpha) / a0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0, low = 0, all = 0;
    for (size_t i = 0; i < tune.left.size(); i++) {
        double x = 0.5 * (tune.left[i] + tune.right[i]);
        double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        low += y * y;
        all += x * x;
    }
    return all > 0.0 ? low / all : 0.0;
}

// The step from the loop's last sample to its first, against the steps just before and after:
// the larger of the two channels', as a multiple of the root-mean-square step near the seam.
static double seam_step_ratio(const DecodedTune &tune)
{
    size_t n = tune.left.size();
    size_t near = static_cast<size_t>(tune.rate / 20);   // 50 ms either side
    double worst = 0.0;
    for (const std::vector<float> *channel : {&tune.left, &tune.right}) {
        const std::vector<float> &x = *channel;
        double sum = 0.0;
        for (size_t i = 1; i < near; i++)
            sum += (x[i] - x[i - 1]) * (x[i] - x[i - 1]) + (x[n - i] - x[n - i - 1]) * (x[n - i] - x[n - i - 1]);
        double typical = std::sqrt(sum / (2.0 * (near - 1)));
        double seam = std::fabs(x[0] - x[n - 1]);
        worst = std::max(worst, typical > 0.0 ? seam / typical : seam > 0.0 ? 1e9 : 0.0);
    }
    return worst;
}

struct TuneCase {
    const char *name;
    int fight;   // played under a fight: it must run longer before it repeats
};

static const TuneCase tune_cases[] = {
    {"musica/titulo.ogg", 0},  {"musica/select.ogg", 0},    {"musica/shop.ogg", 0},
    {"musica/tavrosk2.ogg", 0}, {"musica/jason.ogg", 1},     {"musica/atalanta.ogg", 1},
    {"musica/atenas.ogg", 1},  {"musica/creta.ogg", 1},     {"musica/labyrinth.ogg", 1},
    {"musica/esfinge.ogg", 1}, {"musica/medusa.ogg", 1},    {"musica/hades.ogg", 1},
    {"musica/cinematic1.ogg", 0}, {"musica/ending.ogg", 0},
};

// Every tune the game plays, decoded whole by the game's own player from the archive the data
// builder wrote (make test builds it before the tests run): an arranged piece of some length
// that loops without a seam, as loud as the others, with a bass under it.
TEST(MusicData, EveryTuneIsALongArrangedLoopAtOneLoudness)
{
    ASSERT_EQ(std::size(tune_cases), static_cast<size_t>(game_tune_count));
    std::string path = test_data_archive_path();
    // Lent to the game's player for this test; what an earlier test left there (the harness's
    // tunes) is put back, not closed, since its owner still holds the handle.
    ArchiveHandle saved_archive = asset_archive;
    asset_archive = archive_open(path.c_str());
    ASSERT_NE(asset_archive, nullptr) << path << " is missing: " << TEST_NO_DATA_SET;
    std::set<std::vector<u8>> first_buffers;
    double quietest = 1e9, loudest = 0.0;
    // One tune decoded at a time: a minute of float stereo is some 15 MB.
    for (const TuneCase &test : tune_cases) {
        SCOPED_TRACE(test.name);
        const DecodedTune tune = tune_decode(test.name);
        ASSERT_TRUE(tune.played);
        EXPECT_TRUE(tune.looped);
        ASSERT_GT(tune.rate, 0);
        first_buffers.insert(tune.first_buffer);
        double seconds = static_cast<double>(tune.left.size()) / tune.rate;
        EXPECT_GE(seconds, test.fight ? 45.0 : 30.0);
        EXPECT_LE(seconds, 90.0);
        EXPECT_LT(envelope_self_similarity(tune_envelope(tune)), 0.9) << "a short loop padded out";
        EXPECT_LE(seam_step_ratio(tune), 3.0) << "a step at the loop's seam";
        EXPECT_EQ(tune.full_scale, 0) << "clipped";
        EXPECT_GT(low_share(tune), 0.1) << "no bass";
        double rms = rms_of(tune);
        quietest = std::min(quietest, rms);
        loudest = std::max(loudest, rms);
    }
    archive_close(asset_archive);
    asset_archive = saved_archive;
    EXPECT_LE(20.0 * std::log10(loudest / quietest), 3.0) << "the tunes' loudness differs";
    EXPECT_EQ(first_buffers.size(), static_cast<size_t>(game_tune_count)) << "two tunes begin alike";
}

// The measures themselves: a short loop repeated to length, and a loop cut mid-wave.
TEST(MusicData, TheMeasuresCatchAPaddedLoopAndASeamStep)
{
    DecodedTune tune;
    tune.rate = 8000;
    tune.channels = 2;
    u32 seed = 1;
    std::vector<float> bar(tune.rate * 3);
    for (size_t i = 0; i < bar.size(); i++) {
        seed = seed * 1664525u + 1013904223u;
        float burst = std::exp(-8.0f * static_cast<float>(i % 2000) / 2000.0f);
        bar[i] = burst * (static_cast<float>(seed >> 8) / 8388608.0f - 1.0f) * 0.3f;
    }
    for (int repeat = 0; repeat < 12; repeat++)
        tune.left.insert(tune.left.end(), bar.begin(), bar.end());
    tune.right = tune.left;
    EXPECT_GT(envelope_self_similarity(tune_envelope(tune)), 0.9);

    DecodedTune cut;
    cut.rate = 8000;
    for (int i = 0; i < 8000 * 2 + 1234; i++)
        cut.left.push_back(0.5f * std::sin(2.0f * 3.14159265f * 220.0f * i / 8000.0f));
    cut.right = cut.left;
    EXPECT_GT(seam_step_ratio(cut), 3.0);
    cut.left.resize(8000 * 2);   // whole cycles of 220 Hz at 8 kHz: 11 every 400 samples
    cut.right = cut.left;
    EXPECT_LE(seam_step_ratio(cut), 3.0);
}
