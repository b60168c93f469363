#include "tools/writers/writers.h"

#include <allegro.h>

constexpr int SAMPLE_BITS = 16;   // positive: mono

// One NAME property, then the sample object.
static void datafile_put_sample(Bytes &out, const DatSample &sample)
{
    put_u32_be(out, static_cast<u32>(DAT_PROPERTY));
    put_u32_be(out, static_cast<u32>(DAT_NAME));
    put_u32_be(out, static_cast<u32>(sample.name.size()));
    out.insert(out.end(), sample.name.begin(), sample.name.end());
    u32 size = static_cast<u32>(8 + sample.data.size() * 2);
    put_u32_be(out, static_cast<u32>(DAT_SAMPLE));
    put_u32_be(out, size);   // stored size
    put_u32_be(out, size);   // the same unpacked size: not compressed
    put_u16_be(out, SAMPLE_BITS);
    put_u16_be(out, static_cast<u32>(sample.frequency));
    put_u32_be(out, static_cast<u32>(sample.data.size()));
    // The library's 16-bit samples are unsigned, each value stored low byte first.
    for (i16 value : sample.data)
        put_u16(out, static_cast<u16>(value) ^ 0x8000u);
}

static bool datafile_sample_storable(const DatSample &sample)
{
    if (sample.frequency < 1 || sample.frequency > 0xFFFF || sample.data.size() > 0x7FFFFFF0u / 2)
        return false;
    for (char c : sample.name)
        if (c < 32 || c > 126)
            return false;
    return true;
}

Bytes datafile_encode_samples(const std::vector<DatSample> &samples)
{
    Bytes out;
    for (const DatSample &sample : samples)
        if (!datafile_sample_storable(sample))
            return out;
    put_u32_be(out, static_cast<u32>(F_NOPACK_MAGIC));
    put_u32_be(out, static_cast<u32>(DAT_MAGIC));
    put_u32_be(out, static_cast<u32>(samples.size()));
    for (const DatSample &sample : samples)
        datafile_put_sample(out, sample);
    return out;
}
