#include "tools/writers/writers.h"

#include <cstdio>
#include <cstring>

void put_u8(Bytes &out, u32 value)
{
    out.push_back(static_cast<u8>(value));
}

void put_u16(Bytes &out, u32 value)
{
    out.push_back(static_cast<u8>(value));
    out.push_back(static_cast<u8>(value >> 8));
}

void put_u32(Bytes &out, u32 value)
{
    for (int shift = 0; shift < 32; shift += 8)
        out.push_back(static_cast<u8>(value >> shift));
}

void put_u16_be(Bytes &out, u32 value)
{
    out.push_back(static_cast<u8>(value >> 8));
    out.push_back(static_cast<u8>(value));
}

void put_u32_be(Bytes &out, u32 value)
{
    for (int shift = 24; shift >= 0; shift -= 8)
        out.push_back(static_cast<u8>(value >> shift));
}

void put_f32(Bytes &out, float value)
{
    u32 bits;
    memcpy(&bits, &value, sizeof bits);
    put_u32(out, bits);
}

int file_write(const char *path, const Bytes &bytes)
{
    FILE *file = fopen(path, "wb");
    if (!file)
        return 0;
    size_t written = bytes.empty() ? 0 : fwrite(bytes.data(), 1, bytes.size(), file);
    int closed = fclose(file);
    return written == bytes.size() && closed == 0;
}

Bytes file_read(const char *path)
{
    Bytes bytes;
    FILE *file = fopen(path, "rb");
    if (!file)
        return bytes;
    int c;
    while ((c = fgetc(file)) != EOF)
        bytes.push_back(static_cast<u8>(c));
    fclose(file);
    return bytes;
}
