// The start-up loader against damaged copies of the built data set, up to the steps that need
// no GL context (the texture steps are in tests/gl/loader_test.cpp).
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/xvfb_game.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <string>
#include <vector>

// The lines of free_game_data, in order.
static const std::vector<std::string> release_lines = {
    "recorders off\n",          "modelos off\n",    "escenarios off\n",      "selmodel off\n", "personajes/escenario off\n",
    "esqueletos off\n",         "skelly escenario off\n", "sel skelly off\n", "zip off\n",
};

static Skeleton **const all_skeleton_blocks[] = {
    &fighter_skeletons[0], &fighter_skeletons[1], &blur_skeletons[0],   &blur_skeletons[1],
    &select_skeleton,      &stage_skeleton,       &summon_skeletons[0], &summon_skeletons[1],
};

class LoaderEarly : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture_library_start();
        load_error = quit_request = 0;
        // As at program start: blocks, a light record and an archive (the harness's tunes) that
        // earlier tests laid out are not the start-up loader's, and its release must not free
        // them. A closed tunes archive would leave the harness a dangling handle that a later
        // archive can reuse.
        for (Skeleton **block : all_skeleton_blocks)
            *block = nullptr;
        stage_light = nullptr;
        asset_archive = nullptr;
    }
    void TearDown() override
    {
        masked_polys_free();
        free_game_data();
        sfx_bank_unload();
        load_error = quit_request = 0;
    }
};

// What a case does to its copy of the data set.
enum Damage : u8 {
    DAMAGE_NONE,
    DAMAGE_REMOVE,       // the file is gone
    DAMAGE_CUT,          // the file keeps its first 1,000 bytes
    DAMAGE_REPLACE,      // the file holds a tuning file instead
};

struct EarlyFailure {
    const char *name;
    const char *file;
    Damage damage;
    const char *line;    // the failure line, 0 for none
    u8 load_error;
    bool allocated;      // the records' step ran
};

// The last case is the fonts' step: unit tests run without a GL context, which gives no lists.
static const EarlyFailure early_failures[] = {
    {"no archive", "data/dat00.dat", DAMAGE_REMOVE, nullptr, 255, false},
    {"archive cut short", "data/dat00.dat", DAMAGE_CUT, nullptr, 255, false},
    {"no sound bank", "data/dat01.dat", DAMAGE_REMOVE, "\n     -sfx Failed!", 255, false},
    {"sound bank cut short", "data/dat01.dat", DAMAGE_CUT, "\n     -sfx Failed!", 255, false},
    {"sound bank of other bytes", "data/dat01.dat", DAMAGE_REPLACE, "\n     -sfx Failed!", 255, false},
    {"no GL for the fonts", "", DAMAGE_NONE, "\n -Couldn't load fonts!", 0, true},
};

static ::testing::AssertionResult damage_apply(const std::string &root, const EarlyFailure &test)
{
    switch (test.damage) {
    case DAMAGE_NONE:
        break;
    case DAMAGE_REMOVE:
        return data_set_remove(root, test.file);
    case DAMAGE_CUT: {
        std::string bytes = data_set_read(root, test.file).substr(0, 1000);
        return data_set_write(root, test.file, Bytes(bytes.begin(), bytes.end()));
    }
    case DAMAGE_REPLACE: {
        std::string bytes = data_set_read(root, "data/jason.txt");
        return data_set_write(root, test.file, Bytes(bytes.begin(), bytes.end()));
    }
    }
    return ::testing::AssertionSuccess();
}

TEST_F(LoaderEarly, EachEarlyFailureStopsTheStartUpWithItsLineAndFreeGameDataCleansUp)
{
    for (const EarlyFailure &test : early_failures) {
        SCOPED_TRACE(test.name);
        std::string root = data_set_copy("loader-early");
        ASSERT_FALSE(root.empty());
        ASSERT_TRUE(damage_apply(root, test));
        load_error = 0;
        EXPECT_EQ(data_set_load(root), 0);
        EXPECT_EQ(load_error, test.load_error);
        EXPECT_EQ(fighter_skeletons[0] != nullptr, test.allocated);
        EXPECT_EQ(stage_light != nullptr, test.allocated);
        EXPECT_EQ(masked_queue != nullptr, test.allocated);
        EXPECT_NE(input_recorders[1], nullptr);
        EXPECT_EQ(sfx_datafile != nullptr, test.allocated);
        free_game_data();
        sfx_bank_unload();
        masked_polys_free();
        EXPECT_EQ(stage_light, nullptr);
        for (Skeleton **block : all_skeleton_blocks)
            EXPECT_EQ(*block, nullptr);
        EXPECT_EQ(input_recorders[0], nullptr);
        EXPECT_EQ(asset_archive, nullptr);

        std::string log = data_set_read(root, "data/initlog.txt");
        EXPECT_EQ(log.rfind("\nLoading data...", 0), 0u) << log;
        if (test.line) {
            EXPECT_NE(log.find(test.line), std::string::npos) << log;
        }
        EXPECT_EQ(log.find("Out of memory"), std::string::npos) << log;
        EXPECT_EQ(log.find("QORN successfully initialized"), std::string::npos) << log;
        EXPECT_EQ(log.find("Allocating memory") != std::string::npos, test.allocated) << log;
        EXPECT_TRUE(texts_in_order(log, release_lines));
    }
}

// The failure path after a missing archive: the data-error message, where no box can show,
// goes to the log after its closing lines.
TEST_F(LoaderEarly, AMissingArchiveIsReportedAtShutdown)
{
    std::string root = data_set_copy("loader-no-archive");
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(data_set_remove(root, "data/dat00.dat"));
    ASSERT_EQ(data_set_load(root), 0);
    shutdown_after_failed_start();
    // The archive named with its reason, every release line, and the closing lines last.
    std::vector<std::string> lines = {"\n -Couldn't open " + root + "/data/dat00.dat: No such file or directory"};
    lines.insert(lines.end(), release_lines.begin(), release_lines.end());
    lines.push_back("archivo config guardado\n");
    lines.push_back("\n -Corrupt or missing datafiles!");
    lines.push_back("\n -QORN successfully closed!");
    std::string log = data_set_read(root, "data/initlog.txt");
    EXPECT_TRUE(texts_in_order(log, lines));
    EXPECT_EQ(log.substr(log.rfind("\n -Log ended at ")).find("off\n"), std::string::npos) << log;
}

// A settings file that cannot be written is logged as not saved, with the reason, and never
// as saved.
TEST_F(LoaderEarly, ASettingsSaveThatFailsIsLoggedAsAFailure)
{
    std::string root = data_set_copy("loader-settings-unwritable");
    ASSERT_FALSE(root.empty());
    ASSERT_TRUE(data_set_remove(root, "data/dat00.dat"));
    ASSERT_EQ(data_set_load(root), 0);
    // A folder put where the settings file was after it was read: the save cannot replace it.
    ASSERT_EQ(remove((root + "/data/qx.cfg").c_str()), 0);
    ASSERT_EQ(mkdir((root + "/data/qx.cfg").c_str(), 0755), 0);
    shutdown_after_failed_start();
    std::string log = data_set_read(root, "data/initlog.txt");
    EXPECT_EQ(log.find("archivo config guardado"), std::string::npos) << log;
    EXPECT_NE(log.find("archivo config NO guardado: Is a directory\n"), std::string::npos) << log;
}

TEST(InputRecorders, AllocatedZeroedAndFreed)
{
    ASSERT_EQ(input_recorder_alloc(), 0);
    for (u8 *recorder : input_recorders) {
        ASSERT_NE(recorder, nullptr);
        EXPECT_EQ(recorder[0], 0);
        EXPECT_EQ(recorder[INPUT_RECORDER_SIZE - 1], 0);
    }
    input_recorder_free();
    input_recorder_free();   // twice is harmless
    EXPECT_EQ(input_recorders[0], nullptr);
    EXPECT_EQ(input_recorders[1], nullptr);
}

// The select figure's model, loaded by the first select entry, goes with the shutdown release.
TEST_F(LoaderEarly, TheShutdownReleaseFreesTheSelectFigure)
{
    std::string root = data_set_copy("loader-select-model");
    ASSERT_FALSE(root.empty());
    ArchiveHandle archive = archive_open((root + "/data/dat00.dat").c_str());
    ASSERT_NE(archive, nullptr);
    select_model = model_load(archive, "atropo/atroposel.emd");
    archive_close(archive);
    ASSERT_NE(select_model, nullptr);
    free_game_data();
    EXPECT_EQ(select_model, nullptr);
}
