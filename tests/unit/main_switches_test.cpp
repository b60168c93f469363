#include "engine/engine.h"
#include "game/game.h"

#include <gtest/gtest.h>
#include <vector>

struct SwitchCase {
    std::vector<const char *> argv;   // argv[0] is the program
    u32 found;
};

static const SwitchCase switch_cases[] = {
    {{"tavrosk"}, 0},
    {{"tavrosk", "-blood"}, SWITCH_BLOOD},
    {{"tavrosk", "-blood", "-nomask"}, SWITCH_BLOOD | SWITCH_NOMASK},
    {{"tavrosk", "-nomask", "x", "y", "-midastouch"}, SWITCH_NOMASK | SWITCH_MIDASTOUCH},   // four arguments
    {{"tavrosk", "-nomask", "x", "y", "z", "-midastouch"}, 0},                              // five: none read
    {{"tavrosk", "-Blood", "-NOMASK"}, 0},                                                  // letter case
    {{"tavrosk", "-bloody", "-midas", "-ulock_profiles2"}, 0},                              // longer or shorter
    {{"tavrosk", "blood", "--blood"}, 0},
    {{"tavrosk", "-ulock_profiles", "-ulock_profiles"}, SWITCH_ULOCK_PROFILES},
};

TEST(Switches, ReadOnlyWholeCaseSensitiveNamesFromOneToFourArguments)
{
    for (const SwitchCase &test : switch_cases)
        EXPECT_EQ(switches_read(static_cast<int>(test.argv.size()), test.argv.data()), test.found)
            << "with " << test.argv.size() - 1 << " arguments, the first " << (test.argv.size() > 1 ? test.argv[1] : "-");
}

TEST(Switches, EffectsKeepBoughtBiographies)
{
    blood = 0;
    nomask = 0;
    credits = 12;
    profile_jason = 0;
    profile_medusa = 2;   // bought: stays bought
    profile_atropos = 1;
    switches_apply(SWITCH_ULOCK_PROFILES);
    EXPECT_EQ(profile_jason, 1);
    EXPECT_EQ(profile_medusa, 2);
    EXPECT_EQ(profile_atropos, 1);
    EXPECT_EQ(credits, 12u);
    EXPECT_EQ(blood, 0);

    switches_apply(SWITCH_BLOOD | SWITCH_NOMASK | SWITCH_MIDASTOUCH);
    EXPECT_EQ(blood, 255);
    EXPECT_EQ(nomask, 255);
    EXPECT_EQ(credits, 99999u);
}

struct BaseDirCase {
    const char *path;
    size_t size;
    int result;
    const char *dir;
};

static const BaseDirCase base_dir_cases[] = {
    {"/games/tavrosk/tavrosk", 64, 1, "/games/tavrosk/"},
    {"/tavrosk", 64, 1, "/"},
    {"./tavrosk", 64, 1, "./"},
    {"tavrosk", 64, 1, ""},   // a bare name: the current directory
    {"t", 64, 1, ""},         // shorter than any program name: no underflow
    {"", 64, 1, ""},
    {"/games/tavrosk/tavrosk", 15, 0, ""},   // "/games/tavrosk/" needs 16 with its end
    {"/games/tavrosk/tavrosk", 16, 1, "/games/tavrosk/"},
};

TEST(BaseDir, IsTheProgramsDirectoryWithItsSlash)
{
    for (const BaseDirCase &test : base_dir_cases) {
        char out[64] = "junk";
        EXPECT_EQ(base_dir_from_path(test.path, out, test.size), test.result) << test.path;
        EXPECT_STREQ(out, test.dir) << test.path;
    }
}
