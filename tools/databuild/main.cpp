// The data builder: writes the game's whole data/ folder from code.
//   tavrosk-databuild DATA_DIR
#include "tools/databuild/databuild.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

std::vector<ZipEntry> archive_entries;

void archive_add(const std::string &name, Bytes bytes)
{
    archive_entries.push_back(ZipEntry{name, std::move(bytes)});
}

// Steps run in this order; the archive is written after all of them.
static int (*const build_steps[])(const char *data_dir) = {
    build_settings,
    build_music,
    build_fonts,
    build_tuning,
    build_title,
    build_characters,
    build_select,
    build_overlays,
    build_sounds,
    build_shared_pictures,
    build_arenas,
    build_screens,
    build_story,
};

int main(int argc, char **argv)
{
    if (argc != 2) {
        fprintf(stderr, "usage: %s DATA_DIR\n", argv[0]);
        return 2;
    }
    const char *data_dir = argv[1];
    mkdir(data_dir, 0755);
    for (auto step : build_steps)
        if (!step(data_dir))
            return 1;
    // minizip will not open an archive without entries, and the game opens this one at start.
    const char note[] = "Tavrosk data set, written by tavrosk-databuild.\n";
    archive_add("readme.txt", Bytes(note, note + sizeof note - 1));
    std::string archive_path = std::string(data_dir) + "/dat00.dat";
    if (!zip_write(archive_path.c_str(), archive_entries)) {
        fprintf(stderr, "databuild: cannot write %s\n", archive_path.c_str());
        return 1;
    }
    printf("databuild: %zu archive entries written to %s\n", archive_entries.size(), data_dir);
    return 0;
}
