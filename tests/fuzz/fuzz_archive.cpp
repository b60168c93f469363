// Arbitrary bytes as data/dat00.dat: opening it and reading any entry must fail cleanly.
#include "engine/engine.h"

#include <cstdio>
#include <cstdlib>
#include <minizip/unzip.h>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static std::string path = "/tmp/tavrosk-fuzz-archive-" + std::to_string(getpid()) + ".dat";
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return 0;
    fwrite(data, 1, size, file);
    fclose(file);
    ArchiveHandle archive = archive_open(path.c_str());
    if (!archive)
        return 0;
    for (int more = unzGoToFirstFile(archive); more == UNZ_OK; more = unzGoToNextFile(archive)) {
        // A real record: minizip writes through this pointer without testing it.
        unz_file_info info;
        char name[256];
        if (unzGetCurrentFileInfo(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        u8 *entry;
        u32 entry_size;
        if (archive_read_entry(archive, name, &entry, &entry_size))
            free(entry);
    }
    archive_close(archive);
    return 0;
}
