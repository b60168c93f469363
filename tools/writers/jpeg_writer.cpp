#include "tools/writers/writers.h"

#include "engine/engine.h"

#include <allegro.h>
#include <jpgalleg.h>

int jpeg_write(Bytes &out, int width, int height, const u8 *rgba, int quality)
{
    out.clear();
    if (width < 1 || height < 1 || width > 8192 || height > 8192 || !rgba || quality < 1 || quality > 100)
        return 0;
    picture_library_start();
    BITMAP *bitmap = create_bitmap_ex(32, width, height);
    if (!bitmap)
        return 0;
    for (int y = 0; y < height; y++) {
        const u8 *in = rgba + static_cast<size_t>(y) * width * 4;
        for (int x = 0; x < width; x++, in += 4)
            putpixel(bitmap, x, y, makecol32(in[0], in[1], in[2]));
    }
    // Room for the picture uncompressed plus the headers; JPGalleg fails rather than overrun.
    int size = width * height * 3 + 4096;
    out.resize(static_cast<size_t>(size));
    int failed = save_memory_jpg_ex(out.data(), &size, bitmap, nullptr, quality, JPG_SAMPLING_444, nullptr);
    destroy_bitmap(bitmap);
    if (failed) {
        out.clear();
        return 0;
    }
    out.resize(static_cast<size_t>(size));
    return 1;
}
