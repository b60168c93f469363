// Arbitrary bytes as a TGA entry's data: decoded or refused, never read past.
#include "engine/engine.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    Picture picture;
    if (tga_decode(data, size, &picture)) {
        // Touch the last pixel: the buffer must be as large as the picture says.
        volatile u8 last = picture.pixels[static_cast<size_t>(picture.width) * picture.height * 4 - 1];
        (void)last;
        picture_free(&picture);
    }
    return 0;
}
