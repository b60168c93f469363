#include "tools/writers/writers.h"

#include <vorbis/vorbisenc.h>

constexpr int OGG_SERIAL = 0x54415652;       // fixed, so rebuilt data is byte for byte the same
constexpr u32 OGG_FRAMES_PER_PASS = 1024;    // sound handed to the analyser at a time
constexpr int OGG_CHANNELS_MAX = 8;          // up to 7.1 surround: the tests' damaged-input cases

// The encoder's four records, set up and torn down together.
struct OggEncoder {
    vorbis_info info;
    vorbis_comment comment;
    vorbis_dsp_state dsp;
    vorbis_block block;
    ogg_stream_state stream;
};

static void ogg_append_page(Bytes &out, const ogg_page &page)
{
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
}

// Writes the three header packets, each header page flushed on its own as decoders expect.
static void ogg_write_headers(OggEncoder &encoder, Bytes &out)
{
    ogg_packet identification, comments, codebooks;
    vorbis_analysis_headerout(&encoder.dsp, &encoder.comment, &identification, &comments, &codebooks);
    ogg_stream_packetin(&encoder.stream, &identification);
    ogg_stream_packetin(&encoder.stream, &comments);
    ogg_stream_packetin(&encoder.stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page))
        ogg_append_page(out, page);
}

// Hands the analyser frames (none marks the end) and writes every page it completes.
static void ogg_encode_pass(OggEncoder &encoder, Bytes &out, const i16 *samples, u32 frames, int channels)
{
    if (frames > 0) {
        float **planes = vorbis_analysis_buffer(&encoder.dsp, static_cast<int>(frames));
        for (u32 f = 0; f < frames; f++)
            for (int c = 0; c < channels; c++)
                planes[c][f] = samples[f * channels + c] / 32768.0f;
    }
    vorbis_analysis_wrote(&encoder.dsp, static_cast<int>(frames));
    while (vorbis_analysis_blockout(&encoder.dsp, &encoder.block) == 1) {
        vorbis_analysis(&encoder.block, nullptr);
        vorbis_bitrate_addblock(&encoder.block);
        ogg_packet packet;
        while (vorbis_bitrate_flushpacket(&encoder.dsp, &packet)) {
            ogg_stream_packetin(&encoder.stream, &packet);
            ogg_page page;
            while (ogg_stream_pageout(&encoder.stream, &page))
                ogg_append_page(out, page);
        }
    }
}

int ogg_write(Bytes &out, const i16 *samples, u32 frames, int channels, int rate, float quality)
{
    if (channels < 1 || channels > OGG_CHANNELS_MAX || rate < 1 || (frames > 0 && !samples))
        return 0;
    OggEncoder encoder;
    vorbis_info_init(&encoder.info);
    if (vorbis_encode_init_vbr(&encoder.info, channels, rate, quality) != 0) {
        vorbis_info_clear(&encoder.info);
        return 0;
    }
    vorbis_comment_init(&encoder.comment);
    vorbis_analysis_init(&encoder.dsp, &encoder.info);
    vorbis_block_init(&encoder.dsp, &encoder.block);
    ogg_stream_init(&encoder.stream, OGG_SERIAL);
    ogg_write_headers(encoder, out);
    for (u32 at = 0; at < frames; at += OGG_FRAMES_PER_PASS) {
        u32 count = frames - at < OGG_FRAMES_PER_PASS ? frames - at : OGG_FRAMES_PER_PASS;
        ogg_encode_pass(encoder, out, samples + static_cast<size_t>(at) * channels, count, channels);
    }
    ogg_encode_pass(encoder, out, nullptr, 0, channels);
    // The end-of-stream page may still sit in the stream after the last pageout.
    ogg_page page;
    while (ogg_stream_flush(&encoder.stream, &page))
        ogg_append_page(out, page);
    ogg_stream_clear(&encoder.stream);
    vorbis_block_clear(&encoder.block);
    vorbis_dsp_clear(&encoder.dsp);
    vorbis_comment_clear(&encoder.comment);
    vorbis_info_clear(&encoder.info);
    return 1;
}
