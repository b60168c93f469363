#include "model_fixtures.h"
#include "test_paths.h"

#include <allegro.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

void test_maths_setup()
{
    static bool ready = false;
    if (ready)
        return;
    ready = true;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    std::string dir = test_scratch_dir("models-log");
    mkdir((dir + "/data").c_str(), 0755);
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
}

ArchiveHandle test_archive_of(const char *tag, const std::vector<ZipEntry> &entries)
{
    std::string path = test_scratch_dir(tag) + "/dat00.dat";
    if (!zip_write(path.c_str(), entries))
        return nullptr;
    return archive_open(path.c_str());
}
