// The data builder as a command: the same sources give the same bytes, it makes the folders it
// writes into, and it answers --help and a wrong command line with its usage.
#include "support/data_set.h"
#include "support/test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <sys/wait.h>

namespace {

// The steps run again beside the suite's whole build: those that sculpt and render the figures
// (whose models once took their size from uninitialised fields), speak the voices (whose breath
// noise drew on a shared generator) and render the story in the arenas it stands in, with
// the cheap text steps.
constexpr const char *REBUILT_STEPS = "settings,tuning,characters,select,sounds,arenas,story";

struct BuilderRun {
    int status;          // the exit code, -1 when it did not end normally
    std::string output;  // stdout and stderr together
};

BuilderRun builder_run(const std::string &arguments)
{
    std::string command = "'" + test_build_dir() + "/tavrosk-databuild' " + arguments + " 2>&1";
    BuilderRun run = {-1, ""};
    FILE *pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, pipe)) > 0)
        run.output.append(buffer, got);
    int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

// Every entry of an archive by name, with its bytes, read by the game's own archive reader.
std::map<std::string, std::string> archive_contents(const std::string &path)
{
    std::map<std::string, std::string> entries;
    ArchiveHandle archive = archive_open(path.c_str());
    if (!archive)
        return entries;
    for (const std::string &name : archive_names(path)) {
        u8 *data = nullptr;
        u32 size = 0;
        if (archive_read_entry(archive, name.c_str(), &data, &size))
            entries[name] = std::string(reinterpret_cast<const char *>(data), size);
        free(data);
    }
    archive_close(archive);
    return entries;
}

TEST(DataBuilder, RebuiltStepsWriteTheSameBytesAsTheSuitesBuild)
{
    // A folder two levels below a new one: the builder makes what is missing.
    std::string scratch = test_scratch_dir("rebuild");
    ASSERT_FALSE(scratch.empty());
    std::string data = scratch + "/again/data";
    BuilderRun run = builder_run(std::string("--only ") + REBUILT_STEPS + " '" + data + "'");
    ASSERT_EQ(run.status, 0) << run.output;

    std::string reference = test_data_set_dir() + "/data";
    std::map<std::string, std::string> built = archive_contents(reference + "/dat00.dat");
    ASSERT_FALSE(built.empty()) << TEST_NO_DATA_SET;
    std::map<std::string, std::string> again = archive_contents(data + "/dat00.dat");
    ASSERT_GT(again.size(), 100u) << "the rebuilt steps wrote next to nothing";
    int differing = 0;
    for (const auto &[name, bytes] : again) {
        auto match = built.find(name);
        if (match == built.end()) {
            ADD_FAILURE() << name << " is not in the suite's build";
            continue;
        }
        if (match->second != bytes && ++differing <= 10)
            ADD_FAILURE() << name << " differs (" << bytes.size() << " bytes against " << match->second.size()
                          << ")";
    }
    EXPECT_EQ(differing, 0);
    for (const char *file : {"dat01.dat", "qx.cfg", "jason.txt", "hydra.txt"}) {
        std::string expected = test_read_file(reference + "/" + file);
        EXPECT_FALSE(expected.empty()) << file;
        EXPECT_TRUE(test_read_file(data + "/" + file) == expected) << file << " differs";
    }
}

TEST(DataBuilder, AnswersItsUsageInsteadOfBuildingAFolderNamedAfterAnOption)
{
    BuilderRun help = builder_run("--help");
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.output.find("usage:"), std::string::npos) << help.output;
    EXPECT_NE(help.output.find("characters"), std::string::npos) << "the steps --only takes are listed";

    struct Case {
        const char *arguments;
        const char *says;
    };
    const Case wrong[] = {
        {"", "usage:"},
        {"--bogus", "usage:"},
        {"one two", "usage:"},
        {"--only musik /nonexistent-tavrosk-test", "no step named \"musik\""},
    };
    for (const Case &c : wrong) {
        BuilderRun run = builder_run(c.arguments);
        EXPECT_EQ(run.status, 2) << c.arguments;
        EXPECT_NE(run.output.find(c.says), std::string::npos) << c.arguments << ": " << run.output;
    }
}

TEST(DataBuilder, SaysWhyItCannotMakeItsFolder)
{
    std::string scratch = test_scratch_dir("blocked");
    ASSERT_FALSE(scratch.empty());
    // A file where a folder of the path should be.
    std::string file = scratch + "/taken";
    FILE *f = fopen(file.c_str(), "w");
    ASSERT_NE(f, nullptr);
    fclose(f);
    BuilderRun run = builder_run("--only settings '" + file + "/data'");
    EXPECT_EQ(run.status, 1);
    EXPECT_NE(run.output.find("cannot make"), std::string::npos) << run.output;
}

}  // namespace
