#include "engine/engine.h"

#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <minizip/unzip.h>
#include <sys/stat.h>
#include <string>
#include <unordered_map>

ArchiveHandle asset_archive = nullptr;

namespace {

// Each open archive's entry names, folded, with where each entry's record sits: a read then
// goes straight to its entry instead of scanning the whole central directory for it.
typedef std::unordered_map<std::string, unz_file_pos> NameIndex;
std::unordered_map<ArchiveHandle, NameIndex> name_indexes;

// minizip's case-insensitive compare (what the reads matched by before the index) folds
// only a-z; names of 256 bytes or more never matched there.
constexpr size_t LONGEST_NAME = 255;

bool fold_name(const char *name, std::string *folded)
{
    folded->clear();
    for (const char *c = name; *c; c++) {
        if (folded->size() >= LONGEST_NAME)
            return false;
        folded->push_back(*c >= 'a' && *c <= 'z' ? static_cast<char>(*c - 0x20) : *c);
    }
    return true;
}

// The first entry of a name wins, as the scan found the first.
NameIndex index_names(unzFile zip)
{
    NameIndex index;
    std::string folded;
    for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
        unz_file_info info;
        char name[LONGEST_NAME + 2];
        unz_file_pos where;
        if (unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK ||
            info.size_filename > LONGEST_NAME || unzGetFilePos(zip, &where) != UNZ_OK)
            continue;
        if (fold_name(name, &folded))
            index.emplace(folded, where);
    }
    return index;
}

// Makes the named entry the current one; 0 when the archive has no such entry.
int locate_entry(ArchiveHandle archive, const char *name)
{
    auto found = name_indexes.find(archive);
    std::string folded;
    if (found == name_indexes.end() || !fold_name(name, &folded))
        return 0;
    auto entry = found->second.find(folded);
    if (entry == found->second.end())
        return 0;
    unz_file_pos where = entry->second;
    return unzGoToFilePos(archive, &where) == UNZ_OK;
}

}  // namespace

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

// The smallest zip: its end-of-directory record alone.
constexpr off_t ARCHIVE_END_RECORD_BYTES = 22;

// Why an archive would not open, in the log: a player told only that the data is corrupt
// cannot tell a missing file from a cut download. A FIFO or a device is never opened, since
// minizip's reads would wait on it for ever.
static int archive_file_usable(const char *path)
{
    struct stat status;
    if (stat(path, &status) != 0)
        log_printf("\n -Couldn't open %s: %s", path, strerror(errno));
    else if (!S_ISREG(status.st_mode))
        log_printf("\n -Couldn't open %s: not a regular file", path);
    else if (status.st_size < ARCHIVE_END_RECORD_BYTES)
        log_printf("\n -Couldn't open %s: %s (%lld bytes)", path, status.st_size == 0 ? "empty" : "too short for an archive",
                   static_cast<long long>(status.st_size));
    else
        return 1;
    return 0;
}

ArchiveHandle archive_open(const char *path)
{
    if (!path || !archive_file_usable(path))
        return nullptr;
    unzFile zip = unzOpen(path);
    if (!zip) {
        log_printf("\n -Couldn't open %s: damaged, no archive directory found", path);
        return nullptr;
    }
    name_indexes[zip] = index_names(zip);
    return zip;
}

void archive_close(ArchiveHandle archive)
{
    if (archive) {
        name_indexes.erase(archive);
        unzClose(archive);
    }
}

int archive_is_open(ArchiveHandle archive)
{
    return archive && name_indexes.count(archive) != 0;
}

int archive_has_entry(ArchiveHandle archive, const char *name)
{
    return archive && name && locate_entry(archive, name);
}

// Why a read of an entry that is there failed, in the log: a damaged archive is otherwise
// indistinguishable from a missing picture.
static int archive_read_refused(const char *name, const char *why, int code)
{
    log_printf("\n       -%s: %s (zip error %d)", name, why, code);
    return 0;
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
    if (!locate_entry(archive, name))
        return 0;
    unz_file_info info;
    char found_name[256];
    int code = unzGetCurrentFileInfo(archive, &info, found_name, sizeof found_name, nullptr, 0, nullptr, 0);
    if (code != UNZ_OK)
        return archive_read_refused(name, "unreadable directory record", code);
    if (!archive_entry_size_plausible(info, name))
        return 0;
    // One spare byte so that an empty entry still gets a distinct buffer.
    u8 *buffer = static_cast<u8 *>(malloc(static_cast<size_t>(info.uncompressed_size) + 1));
    if (!buffer)
        return archive_read_refused(name, "no memory for it", UNZ_INTERNALERROR);
    code = unzOpenCurrentFile(archive);
    if (code != UNZ_OK) {
        free(buffer);
        return archive_read_refused(name, "cannot be opened", code);
    }
    int got = 0;
    if (info.uncompressed_size > 0)
        got = unzReadCurrentFile(archive, buffer, static_cast<unsigned>(info.uncompressed_size));
    int closed = unzCloseCurrentFile(archive);
    if (got < 0 || static_cast<uLong>(got) != info.uncompressed_size || closed != UNZ_OK) {
        free(buffer);
        if (got < 0)
            return archive_read_refused(name, "damaged data", got);
        if (static_cast<uLong>(got) != info.uncompressed_size)
            return archive_read_refused(name, "shorter than its directory says", got);
        return archive_read_refused(name, closed == UNZ_CRCERROR ? "CRC error" : "damaged data", closed);
    }
    *data = buffer;
    *size = static_cast<u32>(info.uncompressed_size);
    return 1;
}
