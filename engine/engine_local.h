// engine_local.h: helpers shared by the engine's own files; included only by engine/*.cpp
// and by the tests and fuzz targets of those files.
#pragma once

#include "engine/engine.h"

#include <cstring>

// ---- little-endian reads (engine_local.h) ------------------------------------------
// A read cursor over one entry. Callers check their counts against bytes_left before
// reading; a read past the end still stays inside the buffer and yields zero.
struct ByteReader {
    const u8 *data;
    u32 size;
    u32 at;
};

inline u32 bytes_left(const ByteReader *in)
{
    return in->at < in->size ? in->size - in->at : 0;
}

inline void read_skip(ByteReader *in, u32 count)
{
    in->at = count < bytes_left(in) ? in->at + count : in->size;
}

inline u8 read_u8(ByteReader *in)
{
    if (bytes_left(in) < 1)
        return 0;
    return in->data[in->at++];
}

inline u16 read_u16(ByteReader *in)
{
    if (bytes_left(in) < 2)
        return 0;
    u16 value = static_cast<u16>(in->data[in->at] | in->data[in->at + 1] << 8);
    in->at += 2;
    return value;
}

inline u32 read_u32(ByteReader *in)
{
    if (bytes_left(in) < 4)
        return 0;
    const u8 *p = in->data + in->at;
    in->at += 4;
    return static_cast<u32>(p[0]) | static_cast<u32>(p[1]) << 8 | static_cast<u32>(p[2]) << 16 |
           static_cast<u32>(p[3]) << 24;
}

inline i16 read_i16(ByteReader *in)
{
    return static_cast<i16>(read_u16(in));
}

inline f32 read_f32(ByteReader *in)
{
    u32 bits = read_u32(in);
    f32 value;
    memcpy(&value, &bits, sizeof value);
    return value;
}

// ---- entry parsers behind model_load and skeleton_load (model.cpp, skeleton.cpp) -----
// The same as the loaders, from an entry already in memory; entry_name only names the
// entry in log lines.
Model *model_parse(const u8 *data, u32 size, const char *entry_name);
int skeleton_parse(Skeleton *skeleton, const u8 *data, u32 size, const char *entry_name);
