// Writes the fuzz targets' seed corpus from a data set the data builder made: for each reader,
// the smallest entry of its format, so the short fuzz runs of the suite start past the
// headers and reach the parsers. Seeds are kept small (a tune cut to its first pages, an
// archive of a few short entries, a bank of a few short samples): every input of a seed's
// size is read whole, and a big seed slows a run to too few inputs to mutate.
// Usage: tavrosk-fuzz-seeds <data folder> <corpus folder>.
#include "engine/engine.h"
#include "tools/writers/writers.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <minizip/unzip.h>
#include <ogg/ogg.h>
#include <string>
#include <sys/stat.h>

// A fuzz target and the name ending of the archive entries that seed it.
struct SeedKind {
    const char *target;
    const char *ending;
};
static const SeedKind seed_kinds[] = {
    {"fuzz_jpeg", ".jpg"}, {"fuzz_tga", ".tga"}, {"fuzz_model", ".emd"},
    {"fuzz_skeleton", ".esq"}, {"fuzz_ogg", ".ogg"},
};

constexpr size_t OGG_SEED_BYTES = 6 * 1024;       // the headers and a page or two of sound
constexpr int OGG_HEADER_PAGES = 3;                // a Vorbis stream's headers fill at most these
constexpr size_t ARCHIVE_SEED_ENTRY_BYTES = 512;   // the archive reader never parses an entry
constexpr size_t ARCHIVE_SEED_ENTRIES = 3;
constexpr int BANK_SEED_SAMPLES = 3;
constexpr int BANK_SEED_LENGTH = 48;               // sample values in each

static bool ends_with(const std::string &name, const char *ending)
{
    size_t n = strlen(ending);
    return name.size() >= n && strcasecmp(name.c_str() + name.size() - n, ending) == 0;
}

static Bytes entry_bytes(ArchiveHandle archive, const std::string &name)
{
    u8 *data;
    u32 size;
    if (!archive_read_entry(archive, name.c_str(), &data, &size))
        return Bytes();
    Bytes bytes(data, data + size);
    free(data);
    return bytes;
}

// The name of the smallest entry with the ending; empty when there is none.
static std::string smallest_entry(ArchiveHandle archive, const char *ending)
{
    std::string best;
    uLong best_size = 0;
    for (int more = unzGoToFirstFile(archive); more == UNZ_OK; more = unzGoToNextFile(archive)) {
        unz_file_info info;
        char name[256];
        if (unzGetCurrentFileInfo(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) != UNZ_OK)
            break;
        if (info.uncompressed_size > 0 && ends_with(name, ending) && (best.empty() || info.uncompressed_size < best_size)) {
            best = name;
            best_size = info.uncompressed_size;
        }
    }
    return best;
}

// The tune's first whole pages, as libogg splits them: at least the header pages, then pages
// up to the size. Cut at a page, the stream starts and plays a moment, then simply ends.
static Bytes tune_cut(const Bytes &tune)
{
    ogg_sync_state sync;
    ogg_sync_init(&sync);
    char *buffer = ogg_sync_buffer(&sync, static_cast<long>(tune.size()));
    if (!tune.empty())
        memcpy(buffer, tune.data(), tune.size());
    ogg_sync_wrote(&sync, static_cast<long>(tune.size()));
    Bytes cut;
    ogg_page page;
    for (int pages = 0; ogg_sync_pageout(&sync, &page) == 1; pages++) {
        size_t page_size = static_cast<size_t>(page.header_len + page.body_len);
        if (pages >= OGG_HEADER_PAGES && cut.size() + page_size > OGG_SEED_BYTES)
            break;
        cut.insert(cut.end(), page.header, page.header + page.header_len);
        cut.insert(cut.end(), page.body, page.body + page.body_len);
    }
    ogg_sync_clear(&sync);
    return cut;
}

// A few short samples in the builder's own bank format: the check and the load walk every
// entry and the players touch every sample, so the whole bank would be read per input.
static Bytes small_bank()
{
    std::vector<DatSample> samples;
    for (int k = 0; k < BANK_SEED_SAMPLES; k++) {
        DatSample sample = {"SEED" + std::to_string(k), 11025 << k, {}};
        for (int i = 0; i < BANK_SEED_LENGTH; i++)
            sample.data.push_back(static_cast<i16>((i * 1371 * (k + 1)) % 65536 - 32768));
        samples.push_back(sample);
    }
    return datafile_encode_samples(samples);
}

static bool seed_write(const std::string &corpus, const char *target, const char *file, const Bytes &bytes)
{
    std::string dir = corpus + "/" + target;
    mkdir(dir.c_str(), 0755);
    return !bytes.empty() && file_write((dir + "/" + file).c_str(), bytes);
}

int main(int argc, char **argv)
{
    if (argc != 3) {
        fprintf(stderr, "usage: tavrosk-fuzz-seeds <data folder> <corpus folder>\n");
        return 2;
    }
    std::string data = argv[1], corpus = argv[2];
    mkdir(corpus.c_str(), 0755);
    ArchiveHandle archive = archive_open((data + "/dat00.dat").c_str());
    if (!archive) {
        fprintf(stderr, "tavrosk-fuzz-seeds: no %s/dat00.dat\n", data.c_str());
        return 1;
    }
    bool ok = true;
    std::vector<ZipEntry> small_archive;
    for (const SeedKind &kind : seed_kinds) {
        std::string name = smallest_entry(archive, kind.ending);
        Bytes bytes = entry_bytes(archive, name);
        if (strcmp(kind.target, "fuzz_ogg") == 0)
            bytes = tune_cut(bytes);
        ok = seed_write(corpus, kind.target, "seed", bytes) && ok;
        if (small_archive.size() < ARCHIVE_SEED_ENTRIES && !bytes.empty())
            small_archive.push_back({name, Bytes(bytes.begin(), bytes.begin() + std::min(bytes.size(), ARCHIVE_SEED_ENTRY_BYTES))});
    }
    archive_close(archive);
    std::string zip_path = corpus + "/fuzz_archive";
    mkdir(zip_path.c_str(), 0755);
    ok = zip_write((zip_path + "/seed").c_str(), small_archive) && ok;
    // Two names that fold alike: the reads by name keep finding the first of them.
    if (!small_archive.empty()) {
        ZipEntry first = small_archive[0], twin = small_archive[0];
        for (char &c : twin.name)
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        ok = zip_write((zip_path + "/folded-twins").c_str(), {first, twin}) && ok;
    }
    ok = seed_write(corpus, "fuzz_tuning", "seed", file_read((data + "/jason.txt").c_str())) && ok;
    ok = seed_write(corpus, "fuzz_sound_bank", "seed", small_bank()) && ok;
    ok = seed_write(corpus, "fuzz_settings", "seed", file_read((data + "/qx.cfg").c_str())) && ok;
    if (!ok)
        fprintf(stderr, "tavrosk-fuzz-seeds: a seed is missing\n");
    return ok ? 0 : 1;
}
