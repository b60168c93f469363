#include "model_fixtures.h"
#include "test_paths.h"

#include <allegro.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

static bool maths_started = false;

static void maths_start(const std::string &log_dir)
{
    maths_started = true;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    snprintf(base_dir, sizeof base_dir, "%s/", log_dir.c_str());
}

void test_maths_setup()
{
    if (maths_started)
        return;
    std::string dir = test_scratch_dir("models-log");
    mkdir((dir + "/data").c_str(), 0755);
    maths_start(dir);
}

void fuzz_maths_setup()
{
    if (!maths_started)
        maths_start("/nonexistent-tavrosk-fuzz");
}

ArchiveHandle test_archive_of(const char *tag, const std::vector<ZipEntry> &entries)
{
    std::string path = test_scratch_dir(tag) + "/dat00.dat";
    if (!zip_write(path.c_str(), entries))
        return nullptr;
    return archive_open(path.c_str());
}
