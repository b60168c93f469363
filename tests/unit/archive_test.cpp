#include "engine/engine.h"
#include "support/data_set.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <minizip/unzip.h>
#include <string>
#include <sys/stat.h>
#include <vector>

// The entry read behind every asset: case-insensitive names, whole entries, clean failure.
TEST(ArchiveRead, ReadsWholeEntriesByNameWithoutCase)
{
    std::string dir = test_scratch_dir("archive");
    std::string path = dir + "/dat00.dat";
    Bytes big(100000);
    for (size_t i = 0; i < big.size(); i++)
        big[i] = static_cast<u8>(i * 7);
    ASSERT_TRUE(zip_write(path.c_str(), {{"misc/Blood.jpg", {1, 2, 3}}, {"big.bin", big}, {"empty", {}}}));

    ArchiveHandle archive = archive_open(path.c_str());
    ASSERT_NE(archive, nullptr);
    u8 *data;
    u32 size;
    ASSERT_EQ(archive_read_entry(archive, "MISC/blood.JPG", &data, &size), 1);
    EXPECT_EQ(size, 3u);
    EXPECT_EQ(data[2], 3);
    free(data);
    ASSERT_EQ(archive_read_entry(archive, "big.bin", &data, &size), 1);
    ASSERT_EQ(size, big.size());
    EXPECT_EQ(memcmp(data, big.data(), size), 0);
    free(data);
    ASSERT_EQ(archive_read_entry(archive, "empty", &data, &size), 1);
    EXPECT_EQ(size, 0u);
    free(data);
    EXPECT_EQ(archive_read_entry(archive, "missing.tga", &data, &size), 0);
    EXPECT_EQ(data, nullptr);
    archive_close(archive);
    EXPECT_EQ(archive_open((dir + "/nothing.dat").c_str()), nullptr);
}

// The names are indexed once when the archive opens: every entry the data builder wrote is
// found under its own name and under another case, and a name it did not write is not.
TEST(ArchiveRead, FindsEveryEntryOfTheBuiltDataSet)
{
    std::string root = data_set_built();
    ASSERT_FALSE(root.empty());
    std::string path = root + "/data/dat00.dat";
    std::vector<std::string> names;
    unzFile zip = unzOpen(path.c_str());
    ASSERT_NE(zip, nullptr);
    for (int at = unzGoToFirstFile(zip); at == UNZ_OK; at = unzGoToNextFile(zip)) {
        unz_file_info info;
        char name[512];
        ASSERT_EQ(unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0), UNZ_OK);
        names.push_back(name);
    }
    unzClose(zip);
    ASSERT_GT(names.size(), 100u);

    ArchiveHandle archive = archive_open(path.c_str());
    ASSERT_NE(archive, nullptr);
    u8 *data;
    u32 size;
    for (const std::string &name : names) {
        std::string upper = name;
        for (char &c : upper)
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        for (const std::string &asked : {name, upper}) {
            ASSERT_EQ(archive_read_entry(archive, asked.c_str(), &data, &size), 1) << asked;
            free(data);
        }
    }
    EXPECT_EQ(archive_read_entry(archive, "modelos/nobody.mdl", &data, &size), 0);
    EXPECT_EQ(archive_read_entry(archive, (names[0] + "x").c_str(), &data, &size), 0);
    EXPECT_EQ(archive_read_entry(archive, "", &data, &size), 0);
    archive_close(archive);
}

// As the directory scan matched: only a-z fold, the first of two same names wins, and a name
// of 256 bytes or more is never found.
TEST(ArchiveRead, MatchesNamesAsTheDirectoryScanDid)
{
    std::string dir = test_scratch_dir("archive-names");
    std::string path = dir + "/dat00.dat";
    std::string long_name(256, 'a');
    ASSERT_TRUE(zip_write(path.c_str(), {{"Same.bin", {1}}, {"same.BIN", {2}}, {"caf\xc3\xa9.txt", {3}},
                                         {long_name, {4}}, {"dir/[x]_y.tga", {5}}}));
    ArchiveHandle archive = archive_open(path.c_str());
    ASSERT_NE(archive, nullptr);
    u8 *data;
    u32 size;
    ASSERT_EQ(archive_read_entry(archive, "SAME.bin", &data, &size), 1);
    EXPECT_EQ(data[0], 1) << "the first entry of the name";
    free(data);
    ASSERT_EQ(archive_read_entry(archive, "CAF\xc3\xa9.TXT", &data, &size), 1);
    EXPECT_EQ(data[0], 3);
    free(data);
    EXPECT_EQ(archive_read_entry(archive, "caf\xc3\x89.txt", &data, &size), 0) << "only a-z fold";
    EXPECT_EQ(archive_read_entry(archive, long_name.c_str(), &data, &size), 0);
    ASSERT_EQ(archive_read_entry(archive, "DIR/[X]_Y.TGA", &data, &size), 1);
    EXPECT_EQ(data[0], 5);
    free(data);
    archive_close(archive);
}

// Sets the uncompressed size that the zip's local and central headers claim.
static void claim_uncompressed_size(Bytes &zip, u32 claimed)
{
    for (size_t at = 0; at + 30 < zip.size(); at++) {
        u32 signature = zip[at] | zip[at + 1] << 8 | zip[at + 2] << 16 | static_cast<u32>(zip[at + 3]) << 24;
        size_t field = signature == 0x04034b50u ? at + 22 : signature == 0x02014b50u ? at + 24 : 0;
        for (size_t i = 0; field && i < 4; i++)
            zip[field + i] = static_cast<u8>(claimed >> (8 * i));
    }
}

// A damaged directory must not make the reader allocate what it claims before reading.
TEST(ArchiveRead, RefusesAnEntryClaimingMoreThanItsPackedBytesCanHold)
{
    std::string dir = test_scratch_dir("archive_claim");
    std::string path = dir + "/dat00.dat";
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    std::string log_path = dir + "/data/initlog.txt";
    ASSERT_TRUE(zip_write(path.c_str(), {{"model.emd", Bytes(4000, 9)}}));
    std::string packed = test_read_text(path);
    Bytes zip(packed.begin(), packed.end());
    for (u32 claimed : {0xF0000000u, 0xFFFFFFFFu, 400u << 20}) {
        claim_uncompressed_size(zip, claimed);
        ASSERT_TRUE(file_write(path.c_str(), zip));
        ArchiveHandle archive = archive_open(path.c_str());
        ASSERT_NE(archive, nullptr);
        u8 *data;
        u32 size;
        EXPECT_EQ(archive_read_entry(archive, "model.emd", &data, &size), 0) << claimed;
        EXPECT_EQ(data, nullptr);
        archive_close(archive);
        EXPECT_NE(test_read_text(log_path).find("\n       -model.emd claims " + std::to_string(claimed)),
                  std::string::npos)
            << "refused before allocating " << claimed;
        remove(log_path.c_str());
    }
}

// An archive that will not open says which file and why: a player told only that the data is
// corrupt cannot tell a missing file from a cut download. A FIFO is refused without a read.
TEST(ArchiveRead, AnArchiveThatWillNotOpenIsNamedWithItsReason)
{
    std::string dir = test_scratch_dir("archive_open");
    std::string path = dir + "/dat00.dat";
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    std::string log_path = dir + "/data/initlog.txt";
    ASSERT_TRUE(zip_write(path.c_str(), {{"misc/blood.jpg", Bytes(3000, 7)}, {"misc/golpe.jpg", Bytes(900, 1)}}));
    std::string good = test_read_text(path);
    Bytes garbage(good.begin(), good.begin() + 64);
    for (int i = 0; i < 4000; i++)
        garbage.push_back(static_cast<u8>(i * 37));
    struct Case {
        const char *what;
        Bytes bytes;            // the file's bytes; empty with fifo for a FIFO
        bool fifo;
        const char *reason;
    } cases[] = {
        {"missing", {}, false, "No such file or directory"},
        {"empty", {}, false, "empty (0 bytes)"},
        {"cut to its first bytes", Bytes(good.begin(), good.begin() + 10), false, "too short for an archive (10 bytes)"},
        {"cut before its directory", Bytes(good.begin(), good.begin() + good.size() / 2), false,
         "damaged, no archive directory found"},
        {"garbage after a good header", garbage, false,
         "damaged, no archive directory found"},
        {"a FIFO", {}, true, "not a regular file"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        remove(path.c_str());
        remove(log_path.c_str());
        if (c.fifo) {
            ASSERT_EQ(mkfifo(path.c_str(), 0644), 0);
        } else if (strcmp(c.what, "missing") != 0) {
            ASSERT_TRUE(file_write(path.c_str(), c.bytes));
        }
        EXPECT_EQ(archive_open(path.c_str()), nullptr);
        EXPECT_NE(test_read_text(log_path).find("\n -Couldn't open " + path + ": " + c.reason), std::string::npos)
            << test_read_text(log_path);
    }
    remove(path.c_str());
}
