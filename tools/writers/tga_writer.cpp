#include "tools/writers/writers.h"

Bytes tga_write(int width, int height, int bits, const u8 *rgba)
{
    Bytes out;
    if (width < 1 || height < 1 || width > 0xFFFF || height > 0xFFFF || (bits != 24 && bits != 32) || !rgba)
        return out;
    const u8 header_start[12] = {0, 0, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    out.assign(header_start, header_start + sizeof header_start);
    put_u16(out, static_cast<u32>(width));
    put_u16(out, static_cast<u32>(height));
    put_u8(out, static_cast<u32>(bits));
    put_u8(out, bits == 32 ? 8 : 0);   // alpha bits; origin bottom left
    out.reserve(out.size() + static_cast<size_t>(width) * height * (bits / 8));
    for (int row = height - 1; row >= 0; row--) {
        const u8 *in = rgba + static_cast<size_t>(row) * width * 4;
        for (int x = 0; x < width; x++, in += 4) {
            out.push_back(in[2]);
            out.push_back(in[1]);
            out.push_back(in[0]);
            if (bits == 32)
                out.push_back(in[3]);
        }
    }
    return out;
}
