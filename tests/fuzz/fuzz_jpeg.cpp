// Arbitrary bytes as a JPEG entry's data. Half the inputs are taken as they come; the other
// half damage a valid picture from the writer (byte changes, then a cut), which reaches the
// scan decoder far sooner than random bytes would.
#include "engine/engine.h"
#include "tools/writers/writers.h"

static Bytes seed_picture()
{
    const int width = 24, height = 16;
    Bytes rgba(width * height * 4);
    for (size_t i = 0; i < rgba.size(); i++)
        rgba[i] = static_cast<u8>(i * 37);
    Bytes file;
    jpeg_write(file, width, height, rgba.data(), 80);
    return file;
}

static void decode(const u8 *data, size_t size)
{
    Picture picture;
    if (jpeg_decode(data, size, &picture)) {
        volatile u8 last = picture.pixels[static_cast<size_t>(picture.width) * picture.height * 4 - 1];
        (void)last;
        picture_free(&picture);
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Bytes seed = seed_picture();
    if (size == 0 || !(data[0] & 1)) {
        decode(data, size);
        return 0;
    }
    // data[1..2]: where to cut; then (offset, value) pairs.
    Bytes damaged = seed;
    size_t at = 1;
    if (size >= 3) {
        size_t cut = (static_cast<size_t>(data[1]) << 8 | data[2]) % (seed.size() + 1);
        damaged.resize(cut ? cut : seed.size());
        at = 3;
    }
    for (; at + 2 < size && !damaged.empty(); at += 3) {
        size_t offset = (static_cast<size_t>(data[at]) << 8 | data[at + 1]) % damaged.size();
        damaged[offset] = data[at + 2];
    }
    decode(damaged.data(), damaged.size());
    return 0;
}
