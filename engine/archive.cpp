#include "engine/engine.h"

#include <cstdlib>
#include <minizip/unzip.h>

ArchiveHandle asset_archive = nullptr;

// Deflate cannot expand past about 1032 to 1, and no entry we ship comes near the cap, so a
// directory claiming more is damage: believing it would allocate gigabytes before reading.
constexpr uLong ARCHIVE_DEFLATE_MAX_RATIO = 1032;
constexpr uLong ARCHIVE_ENTRY_MAX = 64u << 20;

static int archive_entry_size_plausible(const unz_file_info &info, const char *name)
{
    uLong limit = info.compressed_size * ARCHIVE_DEFLATE_MAX_RATIO + 64;
    if (limit > ARCHIVE_ENTRY_MAX)
        limit = ARCHIVE_ENTRY_MAX;
    if (info.uncompressed_size <= limit)
        return 1;
    log_printf("\n       -%s claims %lu bytes from %lu packed, refused", name, info.uncompressed_size,
               info.compressed_size);
    return 0;
}

ArchiveHandle archive_open(const char *path)
{
    return unzOpen(path);
}

void archive_close(ArchiveHandle archive)
{
    if (archive)
        unzClose(archive);
}

// The one entry read behind music, textures, models and skeletons. A read shorter than the
// entry, or a CRC error reported at close, fails: a damaged archive must not hand back
// half a picture.
int archive_read_entry(ArchiveHandle archive, const char *name, u8 **data, u32 *size)
{
    *data = nullptr;
    *size = 0;
    if (!archive || !name)
        return 0;
    if (unzLocateFile(archive, name, 2) != UNZ_OK)  // 2: case-insensitive
        return 0;
    unz_file_info info;
    char found_name[256];
    if (unzGetCurrentFileInfo(archive, &info, found_name, sizeof found_name, nullptr, 0, nullptr, 0) != UNZ_OK)
        return 0;
    if (!archive_entry_size_plausible(info, name))
        return 0;
    // One spare byte so that an empty entry still gets a distinct buffer.
    u8 *buffer = static_cast<u8 *>(malloc(static_cast<size_t>(info.uncompressed_size) + 1));
    if (!buffer)
        return 0;
    if (unzOpenCurrentFile(archive) != UNZ_OK) {
        free(buffer);
        return 0;
    }
    int got = 0;
    if (info.uncompressed_size > 0)
        got = unzReadCurrentFile(archive, buffer, static_cast<unsigned>(info.uncompressed_size));
    int closed = unzCloseCurrentFile(archive);
    if (got < 0 || static_cast<uLong>(got) != info.uncompressed_size || closed != UNZ_OK) {
        free(buffer);
        return 0;
    }
    *data = buffer;
    *size = static_cast<u32>(info.uncompressed_size);
    return 1;
}
