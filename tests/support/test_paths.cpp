#include "test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <gtest/gtest.h>
#include <string>
#include <unistd.h>
#include <vector>

// Every run of the suite makes gigabytes of scratch folders (whole data sets, game copies):
// left behind, a few runs fill the disk. A program whose tests all passed removes its folders
// as it ends; a failing one keeps them for a look and names them. Tests cache folders in
// statics and leave base_dir pointing into them, so nothing goes before the program's end.
static std::vector<std::string> scratch_folders;

class ScratchSweeper : public ::testing::EmptyTestEventListener {
    void OnTestProgramEnd(const ::testing::UnitTest &unit) override
    {
        if (!unit.Passed() || getenv("TAVROSK_KEEP_SCRATCH")) {
            for (const std::string &folder : scratch_folders)
                fprintf(stderr, "scratch folder kept: %s\n", folder.c_str());
            return;
        }
        for (const std::string &folder : scratch_folders) {
            std::error_code error;
            std::filesystem::remove_all(folder, error);
        }
        scratch_folders.clear();
    }
};

std::string test_scratch_dir(const char *tag)
{
    static bool sweeping = (::testing::UnitTest::GetInstance()->listeners().Append(new ScratchSweeper), true);
    (void)sweeping;
    const char *tmp = getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavrosk-" + tag + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        return std::string();
    scratch_folders.push_back(pattern);
    return pattern;
}

std::string test_read_text(const std::string &path)
{
    std::string text;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    for (int c; (c = fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    fclose(file);
    return text;
}

std::string test_read_file(const std::string &path)
{
    std::string text;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    fclose(file);
    return text;
}

std::string test_fuzz_file(const char *tag, const unsigned char *data, size_t size)
{
    // In memory where the system has it: every input is written, and the settings reader's
    // save syncs it, which a disk makes slow enough to starve the short runs.
    static const char *folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path = std::string(folder) + "/tavrosk-fuzz-" + tag + "-" + std::to_string(getpid());
    static std::string last_path;
    if (last_path.empty())
        atexit([] { unlink(last_path.c_str()); });
    last_path = path;
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return std::string();
    bool ok = fwrite(data, 1, size, file) == size;
    ok = fclose(file) == 0 && ok;
    return ok ? path : std::string();
}
