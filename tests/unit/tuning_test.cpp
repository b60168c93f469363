// The character tuning reader against good, damaged and odd files.
#include "combat/combat.h"
#include "engine/engine.h"
#include "support/test_paths.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>

// A complete file whose every value tells where it came from: damage i = i / 100, rate i =
// 1 + i / 100, param i = i, flag alternating.
static std::string tuning_text(const char *line_end = "\n")
{
    std::string text = std::string("walk 0.25 0.30 0.95") + line_end;
    char line[128];
    for (int i = 1; i <= 18; i++) {
        snprintf(line, sizeof line, "move%d %.2f %d %.2f %d%s", i, i / 100.0, i, 1 + i / 100.0, i % 2, line_end);
        text += line;
    }
    return text + "summon 0.33" + line_end;
}

class TuningFileTest : public ::testing::Test {
protected:
    std::string dir = test_scratch_dir("tuning");
    std::string path = dir + "/jason.txt";
    Fighter fighter;

    void SetUp() override
    {
        snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
        mkdir((dir + "/data").c_str(), 0755);
        memset(&fighter, 0, sizeof fighter);
        fighter.walk_speed = 0.2f;   // the loader's default
        for (f32 &rate : fighter.anim_rate)
            rate = 7.0f;
    }
    void write(const std::string &text)
    {
        FILE *file = fopen(path.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fwrite(text.data(), 1, text.size(), file);
        fclose(file);
    }
    std::string log_text() { return test_read_text(dir + "/data/initlog.txt"); }
};

TEST_F(TuningFileTest, GoodFileFillsEveryField)
{
    write(tuning_text());
    ASSERT_EQ(read_damage_file(path.c_str(), &fighter), 1);
    EXPECT_FLOAT_EQ(fighter.damage[0], 0.25f);
    EXPECT_FLOAT_EQ(fighter.walk_speed, 0.30f);
    EXPECT_FLOAT_EQ(fighter.anim_rate[0], 0.95f);
    for (int i = 1; i <= 18; i++) {
        EXPECT_FLOAT_EQ(fighter.damage[i], i / 100.0f) << i;
        EXPECT_FLOAT_EQ(fighter.move_param[i - 1], static_cast<f32>(i)) << i;
        EXPECT_FLOAT_EQ(fighter.anim_rate[i], 1 + i / 100.0f) << i;
        EXPECT_EQ(fighter.move_flag[i - 1], i % 2) << i;
    }
    EXPECT_FLOAT_EQ(fighter.damage[19], 0.33f);
    EXPECT_EQ(log_text(), "");
}

TEST_F(TuningFileTest, WindowsLineEndsReadLikePlainOnes)
{
    write(tuning_text("\r\n"));
    ASSERT_EQ(read_damage_file(path.c_str(), &fighter), 1);
    Fighter crlf = fighter;
    write(tuning_text());
    ASSERT_EQ(read_damage_file(path.c_str(), &fighter), 1);
    EXPECT_EQ(memcmp(&crlf, &fighter, sizeof fighter), 0);
}

// Fractions are clamped, the walk speed and rates are taken as written, flags become 0 or 1,
// and a value that is not a finite number leaves its field alone.
TEST_F(TuningFileTest, ValuesAreClampedOrRefusedByKind)
{
    struct Case {
        const char *line0;
        const char *line6;
        f32 defence, walk_speed, damage6, rate6;
        u8 flag6;
    } cases[] = {
        {"walk 1.5 2.5 1.0", "hard -0.2 0 1.1 7", 1.0f, 2.5f, 0.0f, 1.1f, 1},
        {"walk -3 -0.1 1.0", "hard 1e9 0 0.5 -4", 0.0f, -0.1f, 1.0f, 0.5f, 0},
        {"walk nan inf 1.0", "hard -inf 0 NAN 1", 0.5f, 0.2f, 0.5f, 7.0f, 1},
        {"walk +0.1 1e999 1.0", "hard 0.07junk 0 1.2 99999999999999999999", 0.1f, 0.2f, 0.07f, 1.2f, 1},
    };
    for (const Case &c : cases) {
        SetUp();
        fighter.damage[0] = 0.5f;
        fighter.damage[6] = 0.5f;
        std::string text = tuning_text();
        text.replace(0, text.find('\n'), c.line0);
        size_t at = 0;
        for (int i = 0; i < 6; i++)
            at = text.find('\n', at) + 1;
        text.replace(at, text.find('\n', at) - at, c.line6);
        write(text);
        EXPECT_EQ(read_damage_file(path.c_str(), &fighter), 1) << c.line0;
        EXPECT_FLOAT_EQ(fighter.damage[0], c.defence) << c.line0;
        EXPECT_FLOAT_EQ(fighter.walk_speed, c.walk_speed) << c.line0;
        EXPECT_FLOAT_EQ(fighter.damage[6], c.damage6) << c.line6;
        EXPECT_FLOAT_EQ(fighter.anim_rate[6], c.rate6) << c.line6;
        EXPECT_EQ(fighter.move_flag[5], c.flag6) << c.line6;
        EXPECT_FLOAT_EQ(fighter.damage[19], 0.33f);
    }
}

TEST_F(TuningFileTest, MissingOrEmptyFileChangesNothing)
{
    Fighter before = fighter;
    EXPECT_EQ(read_damage_file(path.c_str(), &fighter), 0);
    EXPECT_EQ(memcmp(&before, &fighter, sizeof fighter), 0);
    write("");
    EXPECT_EQ(read_damage_file(path.c_str(), &fighter), 0);
    EXPECT_EQ(memcmp(&before, &fighter, sizeof fighter), 0);
    EXPECT_EQ(log_text(), "");
}

// A short file gives what it has, keeps the rest and says so once.
TEST_F(TuningFileTest, ShortFileKeepsWhatIsMissing)
{
    std::string text = tuning_text();
    size_t at = 0;
    for (int i = 0; i < 10; i++)
        at = text.find('\n', at) + 1;
    text.resize(at);
    text += "kick 0.5 3";   // line 10 without its rate and flag, no line end
    fighter.damage[19] = 0.4f;
    fighter.move_flag[9] = 1;
    write(text);
    EXPECT_EQ(read_damage_file(path.c_str(), &fighter), 0);
    EXPECT_FLOAT_EQ(fighter.damage[9], 0.09f);
    EXPECT_FLOAT_EQ(fighter.damage[10], 0.5f);
    EXPECT_FLOAT_EQ(fighter.move_param[9], 3.0f);
    EXPECT_FLOAT_EQ(fighter.anim_rate[10], 7.0f);
    EXPECT_EQ(fighter.move_flag[9], 1);
    EXPECT_FLOAT_EQ(fighter.damage[11], 0.0f);
    EXPECT_FLOAT_EQ(fighter.damage[19], 0.4f);
    std::string log = log_text();
    EXPECT_NE(log.find("incomplete from line 10"), std::string::npos) << log;
    EXPECT_EQ(log.find('\n', 1), std::string::npos) << "one line only: " << log;
}

// Blank lines and runs of spaces or tabs do not shift the values.
TEST_F(TuningFileTest, BlankLinesAndSpacingAreTolerated)
{
    std::string text = tuning_text();
    for (size_t at = 0; (at = text.find(' ', at)) != std::string::npos; at += 3)
        text.replace(at, 1, " \t ");
    write("\n\n" + text);
    Fighter spaced = fighter;
    ASSERT_EQ(read_damage_file(path.c_str(), &spaced), 1);
    write(tuning_text());
    ASSERT_EQ(read_damage_file(path.c_str(), &fighter), 1);
    EXPECT_EQ(memcmp(&spaced, &fighter, sizeof fighter), 0);
}

static const char *const tuning_names[CHARACTER_COUNT] = {
    "jason", "odysseus", "atalanta", "perseus", "hippolyte", "polyphemus",
    "minotaur", "medusa", "sphinx", "hydra", "ares", "atropos"};

// The shipped files: complete, in range, and keeping the cast's characters (the heavy
// fighters hit hardest and walk slowly, Atalanta walks fastest).
TEST(TuningContent, ShippedFilesAreCompleteAndBalanced)
{
    Fighter cast[CHARACTER_COUNT] = {};
    const char *const *names = tuning_names;
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        std::string path = test_source_dir() + "/tools/databuild/tuning/" + names[c] + ".txt";
        ASSERT_EQ(read_damage_file(path.c_str(), &cast[c]), 1) << path;
        EXPECT_GE(cast[c].damage[0], 0.0f) << names[c];
        EXPECT_LE(cast[c].damage[0], 0.5f) << names[c];
        EXPECT_GT(cast[c].walk_speed, 0.1f) << names[c];
        EXPECT_LT(cast[c].walk_speed, 0.5f) << names[c];
        for (int i = 0; i <= 16; i++) {
            EXPECT_GE(cast[c].anim_rate[i], 0.8f) << names[c] << " rate " << i;
            EXPECT_LE(cast[c].anim_rate[i], 1.25f) << names[c] << " rate " << i;
        }
        EXPECT_GT(cast[c].damage[19], 0.0f) << names[c];
    }
    const int heavy[] = {CHARACTER_POLYPHEMUS, CHARACTER_MINOTAUR};
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        if (c != CHARACTER_ATALANTA) {
            EXPECT_GT(cast[CHARACTER_ATALANTA].walk_speed, cast[c].walk_speed) << names[c];
        }
        if (c == heavy[0] || c == heavy[1])
            continue;
        for (int h : heavy) {
            EXPECT_GT(cast[h].damage[6], cast[c].damage[6]) << names[h] << " against " << names[c];
            if (c != CHARACTER_HYDRA) {
                EXPECT_LT(cast[h].walk_speed, cast[c].walk_speed) << names[h] << " against " << names[c];
            }
        }
    }
}

// Rounds end by knock-out: a handful of landed hard swings fells any fighter, whoever swings;
// and no single hit takes more than the whole bar, even scaled by the computer's largest
// factor (Hard, against a player with the follow-ups), which a match's start applies twice.
TEST(TuningContent, HardSwingsKnockOutWithinAHandfulAndNoHitExceedsTheBar)
{
    constexpr f32 CPU_LARGEST_FACTOR = 1.35f;
    constexpr int MOST_HARD_SWINGS = 8;
    Fighter cast[CHARACTER_COUNT] = {};
    const char *const *names = tuning_names;
    for (int c = 0; c < CHARACTER_COUNT; c++)
        ASSERT_EQ(read_damage_file((test_source_dir() + "/tools/databuild/tuning/" + names[c] + ".txt").c_str(),
                                   &cast[c]),
                  1);
    for (int a = 0; a < CHARACTER_COUNT; a++) {
        for (int i = 1; i <= 18; i++)
            EXPECT_LE(cast[a].damage[i] * CPU_LARGEST_FACTOR * CPU_LARGEST_FACTOR, 1.0f) << names[a] << " line " << i;
        for (int d = 0; d < CHARACTER_COUNT; d++) {
            if (d == CHARACTER_HYDRA)
                continue;   // felled head by head, by a rule of its own
            const f32 per_hit = cast[a].damage[6] * (1.0f - cast[d].damage[0]);
            EXPECT_LE(std::ceil(1.0f / per_hit), MOST_HARD_SWINGS) << names[a] << " against " << names[d];
        }
    }
}
