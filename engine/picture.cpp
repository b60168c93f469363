// Picture decoding: uncompressed TGA by hand, JPEG through JPGalleg. No GL here.
#include "engine/engine.h"

#include <allegro.h>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>
#include <jpgalleg.h>
#include <malloc.h>

// ---- TGA ------------------------------------------------------------------------------

constexpr size_t TGA_HEADER_SIZE = 18;
// No image id, no colour map, type 2 (uncompressed true colour), origin fields 0.
static const u8 tga_header_start[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};

static u32 read_u16_le(const u8 *p)
{
    return static_cast<u32>(p[0]) | static_cast<u32>(p[1]) << 8;
}

static u32 read_u16_be(const u8 *p)
{
    return static_cast<u32>(p[0]) << 8 | static_cast<u32>(p[1]);
}

static int picture_alloc(Picture *picture, int width, int height)
{
    picture->pixels = static_cast<u8 *>(malloc(static_cast<size_t>(width) * height * 4));
    if (!picture->pixels)
        return 0;
    picture->width = width;
    picture->height = height;
    return 1;
}

void picture_free(Picture *picture)
{
    free(picture->pixels);
    *picture = Picture{};
}

int tga_decode(const u8 *data, size_t size, Picture *picture)
{
    *picture = Picture{};
    if (!data || size < TGA_HEADER_SIZE || memcmp(data, tga_header_start, sizeof tga_header_start) != 0)
        return 0;
    int width = static_cast<int>(read_u16_le(data + 12));
    int height = static_cast<int>(read_u16_le(data + 14));
    int bytes_per_pixel = data[16] / 8;
    if (width == 0 || height == 0 || (data[16] != 24 && data[16] != 32))
        return 0;
    size_t row_bytes = static_cast<size_t>(width) * bytes_per_pixel;
    if (size - TGA_HEADER_SIZE < row_bytes * height)
        return 0;
    if (!picture_alloc(picture, width, height))
        return 0;
    // KEEP: rows are always read bottom row first, whatever the descriptor byte says; stored
    // pictures are drawn the way this reading shows them.
    for (int row = 0; row < height; row++) {
        const u8 *in = data + TGA_HEADER_SIZE + row_bytes * (height - 1 - row);
        u8 *out = picture->pixels + static_cast<size_t>(row) * width * 4;
        for (int x = 0; x < width; x++, in += bytes_per_pixel, out += 4) {
            out[0] = in[2];
            out[1] = in[1];
            out[2] = in[0];
            out[3] = bytes_per_pixel == 4 ? in[3] : 255;
        }
    }
    return 1;
}

// ---- the game library for memory bitmaps ----------------------------------------------

// The heap keeps this much freed memory at its top for the next picture's passing buffers
// (the entry, the decoded bitmap, the picture, the mipmap levels). Kept larger (it was 8 MB
// while the tables lived in the heap), freed memory stays resident through the fight; kept
// smaller, a fight load faults in more fresh pages, and below about 1 MB the renderer's own
// passing memory of every title frame is given back and faulted in again (a third more per
// frame). At 1 MB the bench's fight load pays about 10 ms of page faults for 3 MB less at the
// fight's peak.
constexpr int PICTURE_HEAP_KEPT_BYTES = 1 << 20;

// JPGalleg frees and callocs its Huffman lookup tables (2 MB each, mostly untouched) for every
// table of every picture. Of a table, the four largest parts (128 KB to 1 MB) get a page or
// two written. Taken from freed heap memory, calloc clears them whole, and all 7.5 MB of a
// colour picture's tables stay resident; mapped fresh, only the written pages are, and they go
// back at the free. So the decoder maps from 128 KB up, everything else from 1 MB up: a fixed
// value, since setting the kept size above stops glibc from moving it, and where it stood then
// depended on what had been freed before.
constexpr int PICTURE_MAPPED_FROM = 1 << 20;
constexpr int JPEG_TABLES_MAPPED_FROM = 128 << 10;

static void picture_heap_keep()
{
    static bool kept = false;
    if (kept)
        return;
    mallopt(M_TRIM_THRESHOLD, PICTURE_HEAP_KEPT_BYTES);
    mallopt(M_MMAP_THRESHOLD, PICTURE_MAPPED_FROM);
    kept = true;
}

void picture_library_start()
{
    picture_heap_keep();
    // The game's own start-up installs the library with its window before any picture is
    // decoded; only tools, tests and the fuzzer arrive here with nothing installed.
    if (!system_driver)
        install_allegro(SYSTEM_NONE, &errno, atexit);
    set_color_depth(32);
}

// ---- JPEG -----------------------------------------------------------------------------
//
// JPGalleg's decoder trusts its input: a Huffman table that overfills its code space writes
// past its lookup table, a scan naming a table that was never defined reads through a null
// pointer, a header error after a table leaks every table read so far, and the entropy
// decoder reads on past the end of the data. So an entry is screened first: its header is
// walked exactly as JPGalleg walks it, and anything JPGalleg could mishandle is refused.
// What passes is a baseline picture whose header JPGalleg reads without error; the data is
// then handed over with a tail of 1 bits, which no table accepted here decodes, so a short
// or damaged scan stops at the tail instead of running past it.

constexpr int JPEG_MAX_SIDE = 4096;        // larger than any texture a driver takes
constexpr size_t JPEG_TAIL_SIZE = 64;      // far more than one failed code can look ahead

// Header parts JPGalleg needs before its first scan, as its own flags name them.
enum JpegSeen : u32 {
    JPEG_SEEN_FRAME = 0x01,
    JPEG_SEEN_HUFFMAN = 0x02,
    JPEG_SEEN_QUANT = 0x08,
    JPEG_SEEN_APP0 = 0x10,   // a JFIF block or any APP2..APP15 block
    JPEG_SEEN_APP1 = 0x20,   // an Exif block
};

struct JpegHeader {
    u32 seen;              // JpegSeen bits
    int components;        // 0 until the frame is read
    u8 huffman_tables[2];  // bit k: DC (0) or AC (1) table k defined
};

// Markers (the byte after 0xFF).
constexpr u8 JPEG_SOF0 = 0xC0, JPEG_SOF1 = 0xC1, JPEG_DHT = 0xC4, JPEG_JPG = 0xC8;
constexpr u8 JPEG_RST0 = 0xD0, JPEG_RST7 = 0xD7, JPEG_SOS = 0xDA, JPEG_DQT = 0xDB;
constexpr u8 JPEG_DRI = 0xDD, JPEG_APP0 = 0xE0, JPEG_APP1 = 0xE1, JPEG_APP15 = 0xEF, JPEG_TEM = 0x01;

static int jpeg_is_other_frame(u8 marker)
{
    // Every start-of-frame but the two baseline ones; progressive (0xC2) included.
    return marker >= 0xC2 && marker <= 0xCF && marker != JPEG_DHT && marker != JPEG_JPG && marker != 0xCC;
}

// Frame header: 8-bit samples, a sane size, components 1 (and 2, 3) in that order with the
// sampling JPGalleg's plotters are written for.
static int jpeg_check_frame(JpegHeader *header, const u8 *body, size_t length)
{
    if (header->components || length < 6 || body[0] != 8)
        return 0;
    int height = static_cast<int>(read_u16_be(body + 1));
    int width = static_cast<int>(read_u16_be(body + 3));
    int components = body[5];
    if (width < 1 || height < 1 || width > JPEG_MAX_SIDE || height > JPEG_MAX_SIDE)
        return 0;
    if ((components != 1 && components != 3) || length != 6 + 3 * static_cast<size_t>(components))
        return 0;
    for (int i = 0; i < components; i++) {
        const u8 *c = body + 6 + 3 * i;
        int sampling_ok = i == 0 ? (c[1] == 0x11 || c[1] == 0x21 || c[1] == 0x12 || c[1] == 0x22) : c[1] == 0x11;
        if (c[0] != i + 1 || !sampling_ok || c[2] > 3)
            return 0;
    }
    header->components = components;
    header->seen |= JPEG_SEEN_FRAME;
    return 1;
}

// Huffman tables: each must fit its block and leave the all-ones code of every length
// unused, as the format requires; that also keeps JPGalleg's writes inside its tables.
static int jpeg_check_huffman(JpegHeader *header, const u8 *body, size_t length)
{
    if (length == 0)
        return 0;
    size_t at = 0;
    while (at < length) {
        u8 info = body[at];
        if ((info & 0xE0) || (info & 0x0F) > 3 || length - at < 17)
            return 0;
        const u8 *counts = body + at + 1;
        u32 code = 0;
        size_t symbols = 0;
        for (int bits = 1; bits <= 16; bits++) {
            code += counts[bits - 1];
            symbols += counts[bits - 1];
            if (code > (1u << bits) - 1)
                return 0;
            code <<= 1;
        }
        if (length - at - 17 < symbols)
            return 0;
        header->huffman_tables[(info >> 4) & 1] |= static_cast<u8>(1u << (info & 0x0F));
        at += 17 + symbols;
    }
    header->seen |= JPEG_SEEN_HUFFMAN;
    return 1;
}

static int jpeg_check_quant(JpegHeader *header, const u8 *body, size_t length)
{
    if (length == 0 || length % 65 != 0)
        return 0;
    for (size_t at = 0; at < length; at += 65)
        if (body[at] > 3)   // 8-bit values, table 0..3
            return 0;
    header->seen |= JPEG_SEEN_QUANT;
    return 1;
}

// The scan: every component of the frame, in order, each naming tables already defined.
static int jpeg_check_scan(const JpegHeader *header, const u8 *body, size_t length)
{
    if (length < 1 || body[0] != header->components || length != 4 + 2 * static_cast<size_t>(body[0]))
        return 0;
    for (int i = 0; i < header->components; i++) {
        const u8 *c = body + 1 + 2 * i;
        int dc = c[1] >> 4, ac = c[1] & 0x0F;
        if (c[0] != i + 1 || dc > 3 || ac > 3)
            return 0;
        if (!(header->huffman_tables[0] & (1u << dc)) || !(header->huffman_tables[1] & (1u << ac)))
            return 0;
    }
    return 1;
}

// APP blocks: JPGalleg checks the first APP0 for "JFIF" version 1 and the first APP1 for
// "Exif", and counts APP2..APP15 as an APP0.
static int jpeg_check_app(JpegHeader *header, u8 marker, const u8 *body, size_t length)
{
    if (marker == JPEG_APP0 && !(header->seen & JPEG_SEEN_APP0)) {
        if (length < 6 || memcmp(body, "JFIF", 5) != 0 || body[5] != 1)
            return 0;
    }
    if (marker == JPEG_APP1) {
        if (!(header->seen & JPEG_SEEN_APP1) && (length < 5 || memcmp(body, "Exif", 5) != 0))
            return 0;
        header->seen |= JPEG_SEEN_APP1;
        return 1;
    }
    header->seen |= JPEG_SEEN_APP0;
    return 1;
}

static int jpeg_check_block(JpegHeader *header, u8 marker, const u8 *body, size_t length)
{
    switch (marker) {
    case JPEG_SOF0:
    case JPEG_SOF1:
        return jpeg_check_frame(header, body, length);
    case JPEG_DHT:
        return jpeg_check_huffman(header, body, length);
    case JPEG_DQT:
        return jpeg_check_quant(header, body, length);
    case JPEG_DRI:
        return length == 2;
    default:
        if (marker >= JPEG_APP0 && marker <= JPEG_APP15)
            return jpeg_check_app(header, marker, body, length);
        return 1;   // comments and unknown blocks are skipped by length
    }
}

// Walks the header the way JPGalleg does, up to and including the first scan header, which
// must be the block that completes what JPGalleg waits for. Returns 1 when safe to decode.
static int jpeg_header_safe(const u8 *data, size_t size)
{
    if (size < 2 || data[0] != 0xFF || data[1] != 0xD8)
        return 0;
    constexpr u32 needed = JPEG_SEEN_FRAME | JPEG_SEEN_HUFFMAN | JPEG_SEEN_QUANT;
    JpegHeader header = {};
    size_t at = 2;
    for (;;) {
        if (at >= size)
            return 0;
        if (data[at++] != 0xFF)
            continue;   // JPGalleg skips stray bytes between blocks
        while (at < size && data[at] == 0xFF)
            at++;
        if (at >= size)
            return 0;
        u8 marker = data[at++];
        if (marker == 0)
            continue;
        if (marker == JPEG_JPG || marker == JPEG_TEM || (marker >= JPEG_RST0 && marker <= JPEG_RST7) ||
            jpeg_is_other_frame(marker))
            return 0;
        if (size - at < 2)
            return 0;
        size_t length = read_u16_be(data + at);
        if (length < 2 || length > size - at)
            return 0;
        const u8 *body = data + at + 2;
        at += length;
        if (marker == JPEG_SOS)
            return (header.seen & needed) == needed && (header.seen & (JPEG_SEEN_APP0 | JPEG_SEEN_APP1)) &&
                   jpeg_check_scan(&header, body, length - 2);
        if (!jpeg_check_block(&header, marker, body, length - 2))
            return 0;
    }
}

// The library decodes a JPEG into a 24-bit bitmap, which is kept at that depth (see
// jpeg_decode); its rows are read as they lie, through the library's own 24-bit pixel and
// channel readers. Any other depth goes through getpixel, which knows every layout.
constexpr int JPEG_DECODE_DEPTH = 24;

static void picture_row_from_24bit(u8 *out, const u8 *row, int width)
{
    for (int x = 0; x < width; x++, out += 4) {
        int colour = bmp_read24(reinterpret_cast<uintptr_t>(row + 3 * x));
        out[0] = static_cast<u8>(getr24(colour));
        out[1] = static_cast<u8>(getg24(colour));
        out[2] = static_cast<u8>(getb24(colour));
        out[3] = 255;
    }
}

static void picture_from_bitmap(Picture *picture, BITMAP *bitmap)
{
    int depth = bitmap_color_depth(bitmap);
    for (int y = 0; y < picture->height; y++) {
        u8 *out = picture->pixels + static_cast<size_t>(y) * picture->width * 4;
        if (depth == JPEG_DECODE_DEPTH) {
            picture_row_from_24bit(out, bitmap->line[y], picture->width);
            continue;
        }
        for (int x = 0; x < picture->width; x++, out += 4) {
            int colour = getpixel(bitmap, x, y);
            out[0] = static_cast<u8>(getr_depth(depth, colour));
            out[1] = static_cast<u8>(getg_depth(depth, colour));
            out[2] = static_cast<u8>(getb_depth(depth, colour));
            out[3] = 255;
        }
    }
}

int jpeg_decode(const u8 *data, size_t size, Picture *picture)
{
    *picture = Picture{};
    if (!data || size > INT_MAX - JPEG_TAIL_SIZE || !jpeg_header_safe(data, size))
        return 0;
    u8 *padded = static_cast<u8 *>(malloc(size + JPEG_TAIL_SIZE));
    if (!padded)
        return 0;
    memcpy(padded, data, size);
    memset(padded + size, 0xFF, JPEG_TAIL_SIZE);
    picture_library_start();
    // At the depth the library decodes to, it hands its bitmap over as it is; at any other it
    // converts the whole picture into a second bitmap first. New bitmaps elsewhere keep the
    // depth that was set.
    int depth_set = get_color_depth();
    set_color_depth(JPEG_DECODE_DEPTH);
    mallopt(M_MMAP_THRESHOLD, JPEG_TABLES_MAPPED_FROM);
    BITMAP *bitmap = load_memory_jpg(padded, static_cast<int>(size + JPEG_TAIL_SIZE), nullptr);
    mallopt(M_MMAP_THRESHOLD, PICTURE_MAPPED_FROM);
    set_color_depth(depth_set);
    free(padded);
    if (!bitmap)
        return 0;
    // The library widens grey pictures to the 24-bit colour set above; were its colour
    // conversion ever off, they would come back as palette indices, which are no colours.
    int ok = bitmap_color_depth(bitmap) > 8 && picture_alloc(picture, bitmap->w, bitmap->h);
    if (ok)
        picture_from_bitmap(picture, bitmap);
    destroy_bitmap(bitmap);
    return ok;
}
