#include "engine/engine.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <algorithm>
#include <cmath>
#include <allegro.h>
#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

// Offsets in a bank of one sample named "A" (see one_sample_bank).
constexpr size_t BANK_COUNT_AT = 8;
constexpr size_t BANK_PROPERTY_AT = 12;
constexpr size_t BANK_TYPE_AT = 25;          // after "prop", "NAME", size 1, "A"
constexpr size_t BANK_STORED_AT = 29;
constexpr size_t BANK_UNPACKED_AT = 33;
constexpr size_t BANK_BITS_AT = 37;
constexpr size_t BANK_FREQUENCY_AT = 39;
constexpr size_t BANK_LENGTH_AT = 41;

class SoundBank : public ::testing::Test {
protected:
    std::string dir;

    void SetUp() override
    {
        picture_library_start();
        dir = test_scratch_dir("sound-bank");
        snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
        mkdir((dir + "/data").c_str(), 0755);
    }
    void TearDown() override { sfx_bank_unload(); }

    std::string bank_path() const { return dir + "/data/dat01.dat"; }
    std::string log_text() const { return data_set_read(dir, "data/initlog.txt"); }
};

static Bytes one_sample_bank()
{
    return datafile_encode_samples({{"A", 11025, {0, 1000, -1000, 32767}}});
}

static void put_be32_at(Bytes &bytes, size_t at, u32 value)
{
    for (int k = 0; k < 4; k++)
        bytes[at + k] = static_cast<u8>(value >> (24 - 8 * k));
}

TEST_F(SoundBank, WrittenSamplesLoadBackThroughTheGameLibrary)
{
    std::vector<DatSample> samples = {
        {"SFX_LOW", 22050, {0, 1000, -1000, 32767, -32768}},
        {"SFX_HIGH", 11025, {5, -5}},
    };
    ASSERT_TRUE(file_write(bank_path().c_str(), datafile_encode_samples(samples)));
    ASSERT_EQ(sfx_bank_load(bank_path().c_str()), 1) << log_text();
    for (size_t k = 0; k < samples.size(); k++) {
        SCOPED_TRACE(samples[k].name);
        ASSERT_EQ(sfx_datafile[k].type, DAT_SAMPLE);
        const SAMPLE *sample = static_cast<const SAMPLE *>(sfx_datafile[k].dat);
        EXPECT_EQ(sample->bits, 16);
        EXPECT_EQ(sample->stereo, 0);
        EXPECT_EQ(sample->freq, samples[k].frequency);
        ASSERT_EQ(sample->len, samples[k].data.size());
        const u16 *data = static_cast<const u16 *>(sample->data);
        for (size_t i = 0; i < sample->len; i++)
            EXPECT_EQ(data[i], static_cast<u16>(samples[k].data[i]) ^ 0x8000u) << i;   // unsigned
        EXPECT_STREQ(get_datafile_property(&sfx_datafile[k], DAT_NAME), samples[k].name.c_str());
    }
    EXPECT_EQ(sfx_datafile[2].type, DAT_END);
}

// The library's own datafile tool reads what the writer wrote.
TEST_F(SoundBank, TheLibrarysDatToolListsTheWrittenSamples)
{
    ASSERT_TRUE(file_write(bank_path().c_str(), datafile_encode_samples({{"SFX_ONE", 22050, std::vector<i16>(22050)},
                                                                         {"SFX_TWO", 11025, std::vector<i16>(100)}})));
    FILE *listing = popen(("dat -l '" + bank_path() + "' 2>&1").c_str(), "r");
    ASSERT_NE(listing, nullptr);
    std::string text;
    char line[256];
    while (fgets(line, sizeof line, listing))
        text += line;
    EXPECT_EQ(pclose(listing), 0) << text;
    EXPECT_NE(text.find("SAMP - SFX_ONE"), std::string::npos) << text;
    EXPECT_NE(text.find("sample (16 bit mono, 22050"), std::string::npos) << text;
    EXPECT_NE(text.find("SAMP - SFX_TWO"), std::string::npos) << text;
}

struct DamagedBank {
    const char *name;
    size_t at;          // where the damage goes
    u32 value;          // a big-endian 32-bit number written there
    size_t second_at;   // a second number, 0 for none
    u32 second_value;
};

static const DamagedBank damaged_banks[] = {
    {"packed datafile", 0, static_cast<u32>(F_PACK_MAGIC), 0, 0},
    {"not a datafile", 4, 0x58585858u, 0, 0},
    {"more entries than bytes", BANK_COUNT_AT, 2, 0, 0},
    {"huge entry count", BANK_COUNT_AT, 0xFFFFFFFFu, 0, 0},
    {"nested datafile", BANK_TYPE_AT, static_cast<u32>(DAT_FILE), 0, 0},
    {"bitmap entry", BANK_TYPE_AT, static_cast<u32>(DAT_BITMAP), 0, 0},
    {"compressed entry", BANK_UNPACKED_AT, 0xFFFFFFF0u, 0, 0},
    {"entry longer than the file", BANK_STORED_AT, 0x7FFFFFFFu, BANK_UNPACKED_AT, 0x7FFFFFFFu},
    {"entry too short for a sample", BANK_STORED_AT, 4, BANK_UNPACKED_AT, 4},
    {"property longer than the file", BANK_PROPERTY_AT + 8, 0x10000u, 0, 0},
    {"property with the end id", BANK_PROPERTY_AT + 4, static_cast<u32>(DAT_END), 0, 0},
    {"property of control bytes", BANK_PROPERTY_AT + 12, 0x01000000u, 0, 0},
    {"12-bit sample", BANK_BITS_AT, 0x000C2B11u, 0, 0},
    {"no frequency", BANK_BITS_AT, 0x00100000u, 0, 0},
    {"length beyond the data", BANK_LENGTH_AT, 5, 0, 0},
    {"length whose byte count wraps at 32 bits", BANK_LENGTH_AT, 0x80000004u, 0, 0},
};

TEST_F(SoundBank, DamagedBanksAreRefusedWithAReasonAndLeaveNoBank)
{
    Bytes good = one_sample_bank();
    const char *reason = nullptr;
    ASSERT_EQ(sfx_bank_check(good.data(), good.size(), &reason), 1);
    ASSERT_EQ(good[BANK_FREQUENCY_AT], 0x2B);   // the offsets above still fit the writer
    for (const DamagedBank &test : damaged_banks) {
        SCOPED_TRACE(test.name);
        Bytes bytes = good;
        put_be32_at(bytes, test.at, test.value);
        if (test.second_at)
            put_be32_at(bytes, test.second_at, test.second_value);
        reason = nullptr;
        EXPECT_EQ(sfx_bank_check(bytes.data(), bytes.size(), &reason), -1);
        EXPECT_NE(reason, nullptr);
        ASSERT_TRUE(file_write(bank_path().c_str(), bytes));
        EXPECT_EQ(sfx_bank_load(bank_path().c_str()), 0);
        EXPECT_EQ(sfx_datafile, nullptr);
        EXPECT_NE(log_text().find("\n     -sound bank " + bank_path() + ": " + (reason ? reason : "?")),
                  std::string::npos);
    }
}

TEST_F(SoundBank, EveryCutOfABankAndAnyTrailingByteIsRefused)
{
    Bytes good = one_sample_bank();
    const char *reason = nullptr;
    for (size_t size = 0; size < good.size(); size++)
        EXPECT_EQ(sfx_bank_check(good.data(), size, &reason), -1) << size;
    Bytes longer = good;
    longer.push_back(0);
    EXPECT_EQ(sfx_bank_check(longer.data(), longer.size(), &reason), -1);
    // A missing bank, and one a FIFO stands in for (reading it would wait for a writer).
    EXPECT_EQ(sfx_bank_load((dir + "/data/missing.dat").c_str()), 0);
    EXPECT_NE(log_text().find("\n     -sound bank " + dir + "/data/missing.dat: No such file or directory"),
              std::string::npos);
    std::string fifo = dir + "/data/fifo.dat";
    ASSERT_EQ(mkfifo(fifo.c_str(), 0644), 0);
    EXPECT_EQ(sfx_bank_load(fifo.c_str()), 0);
    EXPECT_NE(log_text().find("\n     -sound bank " + fifo + ": not a regular file"), std::string::npos);
}

TEST_F(SoundBank, ANumberTheBankLacksPlaysNothingAndIsLoggedOnce)
{
    ASSERT_TRUE(file_write(bank_path().c_str(), one_sample_bank()));
    ASSERT_EQ(sfx_bank_load(bank_path().c_str()), 1);
    sfx_request_count = 0;
    for (int round = 0; round < 2; round++) {
        sfx_play(0, 64, 128, 1000);
        sfx_play(SFX_YOU_WIN, 64, 128, 1000);
        sfx_play(-3, 64, 128, 1000);
        sfx_stop(SFX_YOU_WIN);
    }
    EXPECT_EQ(sfx_request_count, 6);
    EXPECT_EQ(sfx_last_request.number, -3);
    std::string log = log_text();
    std::string missing = "\n -sound 36 is not in the sound bank";
    ASSERT_NE(log.find(missing), std::string::npos) << log;
    EXPECT_EQ(log.find(missing, log.find(missing) + 1), std::string::npos) << "logged once";
    EXPECT_NE(log.find("\n -sound -3 is not in the sound bank"), std::string::npos);
    EXPECT_EQ(log.find("\n -sound 0 "), std::string::npos);
}

// The data builder's bank, through the game's loader: every sound number is a sample.
TEST_F(SoundBank, TheBuiltBankHoldsASoundForEveryNumber)
{
    std::string root = data_set_built();
    ASSERT_FALSE(root.empty());
    ASSERT_EQ(sfx_bank_load((root + "/data/dat01.dat").c_str()), 1) << log_text();
    for (int k = 0; k < SFX_BANK_SIZE; k++) {
        SCOPED_TRACE(k);
        ASSERT_EQ(sfx_datafile[k].type, DAT_SAMPLE);
        const SAMPLE *sample = static_cast<const SAMPLE *>(sfx_datafile[k].dat);
        EXPECT_EQ(sample->bits, 16);
        EXPECT_GT(sample->len, sample->freq / 50u) << "at least 20 ms";
        EXPECT_LT(sample->len, sample->freq * 3u) << "short";
        const u16 *data = static_cast<const u16 *>(sample->data);
        int peak = 0;
        for (size_t i = 0; i < sample->len; i++)
            peak = std::max(peak, std::abs(static_cast<int>(data[i]) - 0x8000));
        EXPECT_GT(peak, 3000) << "audible";
    }
    EXPECT_EQ(sfx_datafile[SFX_BANK_SIZE].type, DAT_END);
}

// The announcer's six names on the character select and the match's YOU WIN / YOU LOSE are
// spoken words: each the length of a word or two, and no two alike.
TEST_F(SoundBank, TheAnnouncersNamesAndCallsAreSpokenWords)
{
    static const int spoken[] = {SFX_NAME_HIPPOLYTE, SFX_NAME_JASON, SFX_NAME_MINOTAUR, SFX_NAME_ODYSSEUS,
                                 SFX_NAME_PERSEUS, SFX_NAME_POLYPHEMUS, SFX_YOU_WIN, SFX_YOU_LOSE};
    std::string root = data_set_built();
    ASSERT_FALSE(root.empty());
    ASSERT_EQ(sfx_bank_load((root + "/data/dat01.dat").c_str()), 1) << log_text();
    std::vector<std::vector<float>> words;
    for (int number : spoken) {
        SCOPED_TRACE(number);
        ASSERT_EQ(sfx_datafile[number].type, DAT_SAMPLE);
        const SAMPLE *sample = static_cast<const SAMPLE *>(sfx_datafile[number].dat);
        double seconds = static_cast<double>(sample->len) / sample->freq;
        EXPECT_GE(seconds, 0.3);
        EXPECT_LE(seconds, 1.5);
        const u16 *data = static_cast<const u16 *>(sample->data);
        std::vector<float> word;
        for (size_t i = 0; i < sample->len; i++)
            word.push_back((static_cast<int>(data[i]) - 0x8000) / 32768.0f);
        words.push_back(word);
    }
    // Two words are alike when their waveforms, laid one on the other, correlate closely.
    for (size_t a = 0; a < words.size(); a++) {
        for (size_t b = a + 1; b < words.size(); b++) {
            size_t n = std::min(words[a].size(), words[b].size());
            double ab = 0.0, aa = 0.0, bb = 0.0;
            for (size_t i = 0; i < n; i++) {
                ab += words[a][i] * words[b][i];
                aa += words[a][i] * words[a][i];
                bb += words[b][i] * words[b][i];
            }
            double likeness = aa > 0.0 && bb > 0.0 ? std::fabs(ab) / std::sqrt(aa * bb) : 1.0;
            EXPECT_LT(likeness, 0.5) << spoken[a] << " and " << spoken[b] << " sound alike";
        }
    }
}
