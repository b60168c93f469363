#include "engine/engine.h"
#include "tools/writers/writers.h"

#include <allegro.h>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <jpgalleg.h>

// A small picture whose every pixel differs, so a flipped row or swapped channel shows.
static Bytes test_pixels(int width, int height)
{
    Bytes rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            u8 *p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            p[0] = static_cast<u8>(x * 40);
            p[1] = static_cast<u8>(y * 60);
            p[2] = static_cast<u8>(200 - x * 10);
            p[3] = static_cast<u8>(10 + x + y * 16);
        }
    return rgba;
}

TEST(TgaDecode, RoundTripsBothDepthsTopRowFirst)
{
    const int width = 5, height = 3;
    Bytes rgba = test_pixels(width, height);
    for (int bits : {24, 32}) {
        SCOPED_TRACE(bits);
        Bytes file = tga_write(width, height, bits, rgba.data());
        ASSERT_EQ(file.size(), 18u + width * height * bits / 8);
        // The writer's header is exactly what the reader requires.
        const u8 header_start[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
        EXPECT_EQ(memcmp(file.data(), header_start, 12), 0);
        EXPECT_EQ(file[16], bits);
        // The file's first pixel row is the picture's bottom row, in B, G, R order.
        EXPECT_EQ(file[18], rgba[(2 * width) * 4 + 2]);
        EXPECT_EQ(file[20], rgba[(2 * width) * 4 + 0]);

        Picture picture;
        ASSERT_EQ(tga_decode(file.data(), file.size(), &picture), 1);
        ASSERT_EQ(picture.width, width);
        ASSERT_EQ(picture.height, height);
        for (size_t i = 0; i < rgba.size(); i++) {
            u8 expected = (i % 4 == 3 && bits == 24) ? 255 : rgba[i];
            ASSERT_EQ(picture.pixels[i], expected) << "byte " << i;
        }
        picture_free(&picture);
        EXPECT_EQ(picture.pixels, nullptr);
    }
}

TEST(TgaDecode, IgnoresTheOriginBitAndTrailingBytes)
{
    Bytes rgba = test_pixels(2, 2);
    Bytes file = tga_write(2, 2, 32, rgba.data());
    file[17] |= 0x20;   // "top-left origin": still read bottom row first
    file.insert(file.end(), {1, 2, 3, 4, 5});
    Picture picture;
    ASSERT_EQ(tga_decode(file.data(), file.size(), &picture), 1);
    EXPECT_EQ(memcmp(picture.pixels, rgba.data(), rgba.size()), 0);
    picture_free(&picture);
}

TEST(TgaDecode, RefusesWhatItCannotRead)
{
    Bytes rgba = test_pixels(4, 4);
    const Bytes good = tga_write(4, 4, 24, rgba.data());
    struct Case {
        const char *what;
        size_t offset;   // byte to change, or the length to cut to when value < 0
        int value;
    };
    const Case cases[] = {
        {"empty", 0, -1},
        {"shorter than the header", 17, -1},
        {"header only", 18, -1},
        {"one pixel byte short", 18 + 4 * 4 * 3 - 1, -1},
        {"run-length type", 2, 10},
        {"colour-mapped", 1, 1},
        {"image id present", 0, 4},
        {"origin field set", 8, 1},
        {"width 0", 12, 0},
        {"height 0", 14, 0},
        {"16 bits", 16, 16},
        {"8 bits", 16, 8},
        {"huge width, few bytes", 13, 0xFF},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = good;
        if (c.value < 0)
            file.resize(c.offset);
        else
            file[c.offset] = static_cast<u8>(c.value);
        Picture picture = {1, 1, reinterpret_cast<u8 *>(1)};
        EXPECT_EQ(tga_decode(file.data(), file.size(), &picture), 0);
        EXPECT_EQ(picture.pixels, nullptr);
        EXPECT_EQ(picture.width, 0);
    }
}

static Bytes jpeg_fixture(int width, int height)
{
    // Flat colour quarters survive compression well enough to check by eye of a test.
    Bytes rgba(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            u8 *p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
            int top = y < height / 2, left = x < width / 2;
            p[0] = top ? 220 : 20;
            p[1] = left ? 200 : 30;
            p[2] = 120;
            p[3] = 7;
        }
    Bytes file;
    EXPECT_EQ(jpeg_write(file, width, height, rgba.data(), 95), 1);
    return file;
}

static void expect_near_rgb(const u8 *pixel, int r, int g, int b)
{
    EXPECT_NEAR(pixel[0], r, 12);
    EXPECT_NEAR(pixel[1], g, 12);
    EXPECT_NEAR(pixel[2], b, 12);
    EXPECT_EQ(pixel[3], 255);
}

TEST(JpegDecode, ReadsTheWritersPicturesOpaque)
{
    // 13 x 7 is no multiple of the 8 x 8 blocks: the decoded size must still be the picture's.
    for (auto size : {std::pair{32, 16}, std::pair{13, 7}}) {
        int width = size.first, height = size.second;
        SCOPED_TRACE(width);
        Bytes file = jpeg_fixture(width, height);
        Picture picture;
        ASSERT_EQ(jpeg_decode(file.data(), file.size(), &picture), 1);
        ASSERT_EQ(picture.width, width);
        ASSERT_EQ(picture.height, height);
        expect_near_rgb(picture.pixels, 220, 200, 120);   // top left
        const u8 *bottom_right = picture.pixels + (static_cast<size_t>(height) * width - 1) * 4;
        expect_near_rgb(bottom_right, 20, 30, 120);
        picture_free(&picture);
    }
}

// Other encoders subsample colour or write grey: JPGalleg's own encoder makes both kinds.
TEST(JpegDecode, ReadsSubsampledAndGreyPictures)
{
    picture_library_start();
    const int width = 40, height = 24;
    BITMAP *bitmap = create_bitmap_ex(32, width, height);
    clear_to_color(bitmap, makecol32(200, 180, 40));
    rectfill(bitmap, 0, height / 2, width - 1, height - 1, makecol32(30, 60, 220));
    for (int flags : {JPG_SAMPLING_422, JPG_SAMPLING_411, JPG_SAMPLING_444 | JPG_GREYSCALE}) {
        SCOPED_TRACE(flags);
        Bytes file(width * height * 4 + 4096);
        int size = static_cast<int>(file.size());
        ASSERT_EQ(save_memory_jpg_ex(file.data(), &size, bitmap, nullptr, 95, flags, nullptr), 0);
        Picture picture;
        ASSERT_EQ(jpeg_decode(file.data(), static_cast<size_t>(size), &picture), 1);
        EXPECT_EQ(picture.width, width);
        EXPECT_EQ(picture.height, height);
        // Decoded at the library's own depth, yet every pixel as its conversion to 32 bits
        // gives it; and new bitmaps keep the depth set before.
        EXPECT_EQ(get_color_depth(), 32);
        BITMAP *converted = load_memory_jpg(file.data(), size, nullptr);
        ASSERT_NE(converted, nullptr);
        ASSERT_EQ(bitmap_color_depth(converted), 32);
        for (int i = 0; i < width * height; i++) {
            int colour = getpixel(converted, i % width, i / width);
            const u8 *at = picture.pixels + 4 * i;
            ASSERT_EQ(at[0], getr32(colour)) << i;
            ASSERT_EQ(at[1], getg32(colour)) << i;
            ASSERT_EQ(at[2], getb32(colour)) << i;
        }
        destroy_bitmap(converted);
        const u8 *top = picture.pixels + (2 * width + 2) * 4;
        const u8 *bottom = picture.pixels + ((height - 3) * width + 2) * 4;
        if (flags & JPG_GREYSCALE) {
            EXPECT_EQ(top[0], top[2]);
            EXPECT_GT(top[0], bottom[0]);   // the yellow is lighter than the blue
        } else {
            expect_near_rgb(top, 200, 180, 40);
            expect_near_rgb(bottom, 30, 60, 220);
        }
        picture_free(&picture);
    }
    destroy_bitmap(bitmap);
}

// Finds the first block with this marker; returns the offset of its 0xFF.
static size_t jpeg_find_marker(const Bytes &file, u8 marker)
{
    for (size_t i = 2; i + 1 < file.size(); i++)
        if (file[i] == 0xFF && file[i + 1] == marker)
            return i;
    return 0;
}

TEST(JpegDecode, RefusesHeadersItsDecoderWouldMishandle)
{
    const Bytes good = jpeg_fixture(16, 16);
    size_t sof = jpeg_find_marker(good, 0xC0), dht = jpeg_find_marker(good, 0xC4), sos = jpeg_find_marker(good, 0xDA);
    ASSERT_TRUE(sof && dht && sos);
    struct Case {
        const char *what;
        size_t offset;
        u8 value;
    };
    const Case cases[] = {
        {"not a JPEG", 1, 0xD9},
        {"progressive frame", sof + 1, 0xC2},
        {"arithmetic-coded frame", sof + 1, 0xC9},
        {"12-bit samples", sof + 4, 12},
        {"height 0", sof + 6, 0},
        {"wider than any texture", sof + 7, 0x20},
        {"two components", sof + 9, 2},
        {"component ids from 0", sof + 10, 0},
        {"4 x 1 sampling", sof + 11, 0x41},
        {"quantisation table 4", sof + 12, 4},
        {"block length past the end", sof + 2, 0xFF},
        {"Huffman table 5", dht + 4, 0x05},
        {"Huffman counts overfill the code space", dht + 5, 3},
        {"scan names an undefined table", sos + 6, 0x22},
        {"scan of one component", sos + 4, 1},
        {"scan component ids out of order", sos + 5, 2},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Bytes file = good;
        file[c.offset] = c.value;
        if (c.offset == sof + 7)
            file[sof + 8] = 0x01;   // 0x2001 = 8193 wide
        Picture picture;
        EXPECT_EQ(jpeg_decode(file.data(), file.size(), &picture), 0);
        EXPECT_EQ(picture.pixels, nullptr);
    }
}

TEST(JpegDecode, SurvivesEveryTruncation)
{
    const Bytes good = jpeg_fixture(24, 24);
    size_t scan = jpeg_find_marker(good, 0xDA);
    for (size_t length = 0; length < good.size(); length++) {
        Picture picture;
        int ok = jpeg_decode(good.data(), length, &picture);
        if (length <= scan + 13) {
            EXPECT_EQ(ok, 0) << "cut inside the header at " << length;
        }
        picture_free(&picture);
    }
    Picture picture;
    EXPECT_EQ(jpeg_decode(nullptr, 0, &picture), 0);
    Bytes tga = tga_write(2, 2, 24, test_pixels(2, 2).data());
    EXPECT_EQ(jpeg_decode(tga.data(), tga.size(), &picture), 0);
}
