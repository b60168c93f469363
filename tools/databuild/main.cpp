// The data builder: writes the game's whole data/ folder from code.
//   tavrosk-databuild DATA_DIR
#include "tools/databuild/databuild.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/stat.h>

std::vector<ZipEntry> archive_entries;

void archive_add(const std::string &name, Bytes bytes)
{
    archive_entries.push_back(ZipEntry{name, std::move(bytes)});
}

// Steps run in this order; the archive is written after all of them.
struct BuildStep {
    const char *name;  // for the timing line
    int (*run)(const char *data_dir);
};
static const BuildStep build_steps[] = {
    {"settings", build_settings},
    {"music", build_music},
    {"fonts", build_fonts},
    {"tuning", build_tuning},
    {"title", build_title},
    {"characters", build_characters},
    {"select", build_select},
    {"overlays", build_overlays},
    {"sounds", build_sounds},
    {"shared pictures", build_shared_pictures},
    {"arenas", build_arenas},
    {"screens", build_screens},
    {"story", build_story},
    {"contact sheets", build_contact_sheets},   // after every figure's entries
};

static double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
        return 2;
    }
    const char *data_dir = argv[1];
    mkdir(data_dir, 0755);
    // Each stage's time is printed so that a slow stage shows at once: the whole build has a budget.
    auto build_start = std::chrono::steady_clock::now();
    for (const BuildStep &step : build_steps) {
        auto step_start = std::chrono::steady_clock::now();
        if (!step.run(data_dir))
            return 1;
        printf("databuild: %-16s %6.2f s\n", step.name, seconds_since(step_start));
    }
    // minizip will not open an archive without entries, and the game opens this one at start.
    const char note[] = "Tavrosk data set, written by tavrosk-databuild.\n";
    archive_add("readme.txt", Bytes(note, note + sizeof note - 1));
    std::string archive_path = std::string(data_dir) + "/dat00.dat";
    if (!zip_write(archive_path.c_str(), archive_entries)) {
        fprintf(stderr, "databuild: cannot write %s: %s\n", archive_path.c_str(), strerror(errno));
        return 1;
    }
    printf("databuild: %zu archive entries written to %s in %.2f s\n", archive_entries.size(), data_dir,
           seconds_since(build_start));
    return 0;
}
