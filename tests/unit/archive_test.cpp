#include "engine/engine.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>

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
