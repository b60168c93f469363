// Arbitrary bytes as data/dat00.dat: opening it and reading any entry must fail cleanly.
#include "engine/engine.h"
#include "support/test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <minizip/unzip.h>
#include <string>
#include <unistd.h>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    std::string path = test_fuzz_file("archive", data, size);
    if (path.empty())
        return 0;
    ArchiveHandle archive = archive_open(path.c_str());
    if (!archive)
        return 0;
    // The names first: each read by name moves minizip's current entry, so reading while
    // walking never ends on an archive whose names fold alike.
    std::vector<std::string> names;
    for (int more = unzGoToFirstFile(archive); more == UNZ_OK; more = unzGoToNextFile(archive)) {
        // A real record: minizip writes through this pointer without testing it.
        unz_file_info info;
        char name[256];
        if (unzGetCurrentFileInfo(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        names.push_back(name);
    }
    for (const std::string &name : names) {
        u8 *entry;
        u32 entry_size;
        if (archive_read_entry(archive, name.c_str(), &entry, &entry_size))
            free(entry);
    }
    archive_close(archive);
    return 0;
}
