#include "engine/engine.h"

#include <allegro.h>
#include <climits>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vorbis/vorbisfile.h>

// A decoded buffer is whole 16-bit frames; these bound what a damaged header can ask for.
constexpr int STREAM_BLOCK_MIN = 4;
constexpr int STREAM_BLOCK_MAX = 1 << 24;
constexpr long STREAM_RATE_MAX = 192000;
constexpr int STREAM_FULL_VOLUME = 255;
constexpr int STREAM_CENTRE_PAN = 128;
constexpr u16 STREAM_SILENCE = 0x8000;  // unsigned 16-bit sound: zero level is mid-range
// The audio streams are mono or stereo; ov_read interleaves every channel, so a surround
// file would play as garbled, over-long stereo.
constexpr int STREAM_CHANNELS_MAX = 2;

struct AloggStream {
    OggVorbis_File file;       // owns the data source once opened: ov_clear closes it
    AUDIOSTREAM *audio;
    int buffer_bytes;          // bytes per audio buffer, whole frames
    int ended;                 // a refill decoded nothing
    int loop;                  // the end of the file runs on into its start
    long since_start;          // bytes decoded since the file's start (or the last wrap)
};

const AudioSink *audio_sink = &allegro_audio_sink;
int alogg_error_code = 0;

// ---- the game library's audio streams ----

static AUDIOSTREAM *allegro_stream_open(int samples, int stereo, int rate)
{
    return play_audio_stream(samples, 16, stereo, rate, STREAM_FULL_VOLUME, STREAM_CENTRE_PAN);
}

static void allegro_stream_volume(AUDIOSTREAM *stream, int volume)
{
    voice_set_volume(stream->voice, volume);
}

const AudioSink allegro_audio_sink = {
    allegro_stream_open, get_audio_stream_buffer, free_audio_stream_buffer, stop_audio_stream,
    allegro_stream_volume,
};

// ---- memory source ----

size_t alogg_memory_read(void *ptr, size_t size, size_t count, void *source)
{
    AloggMemorySource *memory = static_cast<AloggMemorySource *>(source);
    if (!memory || !ptr || size == 0 || memory->position >= memory->size)
        return 0;
    // Dividing what is left, never multiplying size by count, so no product can overflow.
    size_t left = static_cast<size_t>(memory->size - memory->position);
    size_t items = left / size < count ? left / size : count;
    memcpy(ptr, memory->data + memory->position, items * size);
    memory->position += static_cast<int64_t>(items * size);
    return items;
}

int alogg_memory_seek(void *source, int64_t offset, int whence)
{
    AloggMemorySource *memory = static_cast<AloggMemorySource *>(source);
    if (!memory)
        return -1;
    int64_t base;
    switch (whence) {
    case SEEK_SET: base = 0; break;
    case SEEK_CUR: base = memory->position; break;
    case SEEK_END: base = memory->size; break;
    default: return -1;
    }
    // base is never negative, so only a positive offset can overflow.
    if (offset > 0 && base > INT64_MAX - offset)
        return -1;
    if (base + offset < 0)
        return -1;
    memory->position = base + offset;
    return 0;
}

int alogg_memory_close_free(void *source)
{
    free(source);
    return 0;
}

long alogg_memory_tell(void *source)
{
    AloggMemorySource *memory = static_cast<AloggMemorySource *>(source);
    return memory ? static_cast<long>(memory->position) : -1;
}

static const ov_callbacks alogg_memory_callbacks = {
    alogg_memory_read, alogg_memory_seek, alogg_memory_close_free, alogg_memory_tell,
};

// ---- stdio file source ----

static size_t alogg_file_read(void *ptr, size_t size, size_t count, void *source)
{
    return fread(ptr, size, count, static_cast<FILE *>(source));
}

static int alogg_file_seek(void *source, int64_t offset, int whence)
{
    return fseeko(static_cast<FILE *>(source), static_cast<off_t>(offset), whence);
}

static int alogg_file_close(void *source)
{
    return fclose(static_cast<FILE *>(source));
}

static long alogg_file_tell(void *source)
{
    return static_cast<long>(ftello(static_cast<FILE *>(source)));
}

static const ov_callbacks alogg_file_callbacks = {
    alogg_file_read, alogg_file_seek, alogg_file_close, alogg_file_tell,
};

// ---- packfile source ----

static size_t alogg_packfile_read(void *ptr, size_t size, size_t count, void *source)
{
    if (size == 0 || size > LONG_MAX)
        return 0;
    size_t limit = static_cast<size_t>(LONG_MAX) / size;
    long bytes = pack_fread(ptr, static_cast<long>((count < limit ? count : limit) * size),
                            static_cast<PACKFILE *>(source));
    return bytes > 0 ? static_cast<size_t>(bytes) / size : 0;
}

// Packfiles only skip forward, so the stream is decoded as unseekable: vorbisfile then reads
// it front to back and never asks for a position.
static int alogg_packfile_seek(void *, int64_t, int)
{
    return -1;
}

static int alogg_packfile_close(void *source)
{
    return pack_fclose(static_cast<PACKFILE *>(source));
}

static long alogg_packfile_tell(void *)
{
    return -1;
}

static const ov_callbacks alogg_packfile_callbacks = {
    alogg_packfile_read, alogg_packfile_seek, alogg_packfile_close, alogg_packfile_tell,
};

// ---- streams ----

// The layer's start-up and shutdown hooks: every stream holds all it needs, so there is
// nothing to set up or release.
void alogg_init()
{
}

void alogg_exit()
{
}

// Opens the decoder on a source and the audio stream to match. The stream owns the source
// from the first line on: every failure releases it exactly once, through close before the
// decoder accepted it and through ov_clear after (vorbisfile leaves a refused source open).
static AloggStream *alogg_stream_start(void *source, const ov_callbacks &callbacks, int block_size)
{
    AloggStream *stream = static_cast<AloggStream *>(calloc(1, sizeof(AloggStream)));
    if (!stream || block_size < STREAM_BLOCK_MIN || block_size > STREAM_BLOCK_MAX) {
        callbacks.close_func(source);
        free(stream);
        return nullptr;
    }
    int opened = ov_open_callbacks(source, &stream->file, nullptr, 0, callbacks);
    if (opened < 0) {
        alogg_error_code = opened;
        callbacks.close_func(source);
        free(stream);
        return nullptr;
    }
    vorbis_info *info = ov_info(&stream->file, -1);
    if (info && info->channels > STREAM_CHANNELS_MAX) {
        log_printf("\n       -An Ogg stream with %d channels refused: mono or stereo only", info->channels);
        info = nullptr;
    }
    if (info && info->rate >= 1 && info->rate <= STREAM_RATE_MAX) {
        int stereo = info->channels >= 2;
        int frame_bytes = stereo ? 4 : 2;
        stream->buffer_bytes = block_size / frame_bytes * frame_bytes;
        stream->audio = audio_sink->open(block_size / frame_bytes, stereo, static_cast<int>(info->rate));
    }
    if (!stream->audio) {
        ov_clear(&stream->file);
        free(stream);
        return nullptr;
    }
    return stream;
}

AloggStream *alogg_start_streaming_memory(const u8 *data, u32 size, int block_size)
{
    AloggMemorySource *memory = static_cast<AloggMemorySource *>(malloc(sizeof(AloggMemorySource)));
    if (!memory)
        return nullptr;
    *memory = AloggMemorySource{size, 0, data};
    return alogg_stream_start(memory, alogg_memory_callbacks, block_size);
}

AloggStream *alogg_start_streaming(const char *path, int block_size)
{
    FILE *file = path ? fopen(path, "rb") : nullptr;
    if (!file)
        return nullptr;
    return alogg_stream_start(file, alogg_file_callbacks, block_size);
}

AloggStream *alogg_start_streaming_packfile(PACKFILE *file, int block_size)
{
    if (!file)
        return nullptr;
    return alogg_stream_start(file, alogg_packfile_callbacks, block_size);
}

// Fills the 16-bit little-endian unsigned words the audio streams take. A short buffer is
// padded with its last word, or with silence when nothing was decoded, so the tail neither
// clicks nor leaves stale sound. Returns the bytes decoded, or the decoder's error when it
// failed before decoding anything.
static long alogg_stream_read(AloggStream *stream, u8 *buffer, int length)
{
    int done = 0;
    long error = 0;
    while (done < length) {
        int section;
        long got = ov_read(&stream->file, reinterpret_cast<char *>(buffer) + done, length - done,
                           0 /* little-endian */, 2 /* 16-bit */, 0 /* unsigned */, &section);
        if (got == 0) {
            // Wrapping here, mid-buffer, keeps the loop seamless: ending the stream and starting
            // another would cut the buffer still playing and open on silence. A file that
            // decodes nothing between two ends is not looped for ever.
            if (stream->loop && stream->since_start > 0 && ov_pcm_seek(&stream->file, 0) == 0) {
                stream->since_start = 0;
                continue;
            }
            break;
        }
        if (got < 0) {
            // After some sound the tune just ends here, as if the file had.
            if (done == 0)
                error = alogg_error_code = static_cast<int>(got);
            break;
        }
        done += static_cast<int>(got);
        stream->since_start += got;
    }
    int whole = done & ~1;
    u16 pad = whole > 0 ? static_cast<u16>(buffer[whole - 2] | buffer[whole - 1] << 8) : STREAM_SILENCE;
    for (int at = whole; at + 1 < length; at += 2) {
        buffer[at] = static_cast<u8>(pad);
        buffer[at + 1] = static_cast<u8>(pad >> 8);
    }
    return error ? error : done;
}

static int alogg_stream_refill(AloggStream *stream)
{
    u8 *buffer = static_cast<u8 *>(audio_sink->buffer(stream->audio));
    if (!buffer)
        return 1;
    long got = alogg_stream_read(stream, buffer, stream->buffer_bytes);
    if (got <= 0)
        stream->ended = 1;
    audio_sink->release(stream->audio);
    return !stream->ended;
}

void alogg_stream_loop(AloggStream *stream, int loop)
{
    if (stream)
        stream->loop = loop;
}

int alogg_update_streaming(AloggStream *stream)
{
    if (!stream || stream->ended)
        return 0;
    return alogg_stream_refill(stream);
}

void alogg_stop_streaming(AloggStream *stream)
{
    if (!stream)
        return;
    audio_sink->close(stream->audio);
    ov_clear(&stream->file);
    free(stream);
}

AUDIOSTREAM *alogg_get_audio_stream(AloggStream *stream)
{
    return stream ? stream->audio : nullptr;
}
