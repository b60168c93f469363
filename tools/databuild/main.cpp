// The data builder: writes the game's whole data/ folder from code.
//   tavrosk-databuild [--only STEP[,STEP...]] DATA_DIR
#include "tools/databuild/databuild.h"

#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

// Steps run in this order; the archive is written after all of them. Each step's source is in
// the folder of its kind of content, named in the comment.
struct BuildStep {
    const char *name;  // for the timing line
    int (*run)(const char *data_dir);
};
static const BuildStep build_steps[] = {
    {"settings", build_settings},               // build_settings.cpp
    {"music", build_music},                     // sound/
    {"fonts", build_fonts},                     // pictures/
    {"tuning", build_tuning},                   // build_tuning.cpp, from tuning/
    {"title", build_title},                     // pictures/
    {"characters", build_characters},           // figures/
    {"select", build_select},                   // pictures/
    {"overlays", build_overlays},               // pictures/
    {"sounds", build_sounds},                   // sound/
    {"shared pictures", build_shared_pictures}, // pictures/
    {"arenas", build_arenas},                   // arenas/
    {"screens", build_screens},                 // pictures/
    {"story", build_story},                     // pictures/
    {"contact sheets", build_contact_sheets},   // figures/, after every figure's entries
};

std::vector<ZipEntry> archive_entries;

void archive_add(const std::string &name, Bytes bytes)
{
    archive_entries.push_back(ZipEntry{name, std::move(bytes)});
}

static double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

static void print_usage(FILE *out, const char *program)
{
    fprintf(out, "usage: %s [--only STEP[,STEP...]] DATA_DIR\n"
                 "Writes the game's data set into DATA_DIR (made if missing): dat00.dat, dat01.dat,\n"
                 "the tuning files and a first-run qx.cfg (an existing one is kept), and the figures'\n"
                 "contact sheets into DATA_DIR/../figure-sheets. The same sources give the same bytes.\n"
                 "--only runs just the named steps (the archive then holds only their entries):",
            program);
    for (const BuildStep &step : build_steps)
        fprintf(out, " %s", step.name);
    fprintf(out, "\n");
}

// Whether the step is in the comma-separated list of names; an empty list takes every step.
static bool step_chosen(const BuildStep &step, const std::string &only)
{
    if (only.empty())
        return true;
    return ("," + only + ",").find("," + std::string(step.name) + ",") != std::string::npos;
}

// Every name of the list must name a step: a misspelt one would quietly build nothing.
static bool steps_known(const std::string &only)
{
    size_t start = 0;
    while (start <= only.size()) {
        size_t end = only.find(',', start);
        std::string name = only.substr(start, end == std::string::npos ? std::string::npos : end - start);
        bool known = false;
        for (const BuildStep &step : build_steps)
            known = known || name == step.name;
        if (!known) {
            fprintf(stderr, "databuild: no step named \"%s\"\n", name.c_str());
            return false;
        }
        if (end == std::string::npos)
            break;
        start = end + 1;
    }
    return true;
}

int main(int argc, char **argv)
{
    std::string only;
    int arg = 1;
    if (argc == 2 && (!strcmp(argv[1], "--help") || !strcmp(argv[1], "-h"))) {
        print_usage(stdout, argv[0]);
        return 0;
    }
    if (argc == 4 && !strcmp(argv[1], "--only")) {
        only = argv[2];
        arg = 3;
        if (!steps_known(only))
            return 2;
    }
    if (argc != arg + 1 || argv[arg][0] == '-') {
        print_usage(stderr, argv[0]);
        return 2;
    }
    const char *data_dir = argv[arg];
    std::error_code error;
    std::filesystem::create_directories(data_dir, error);
    if (error) {
        fprintf(stderr, "databuild: cannot make %s: %s\n", data_dir, error.message().c_str());
        return 1;
    }
    // Each stage's time is printed so that a slow stage shows at once: the whole build has a budget.
    auto build_start = std::chrono::steady_clock::now();
    for (const BuildStep &step : build_steps) {
        if (!step_chosen(step, only))
            continue;
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
