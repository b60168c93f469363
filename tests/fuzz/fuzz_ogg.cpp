// Arbitrary bytes as an Ogg tune in memory: the start must fail cleanly or the stream must
// decode to its end, through the fake audio sink, without touching a byte it does not own.
// Raw bytes seldom get past the Ogg framing, so an odd first byte turns the rest into damage
// done to a good tune: a cut length, an offset, and bytes XORed in there.
#include "engine/engine.h"
#include "support/fake_audio.h"

#include <cstdlib>
#include <cstring>

constexpr int FUZZ_BLOCK = 4096;
// Enough refills for any input near the seeds' few kilobytes; decoding more is time taken
// from mutating.
constexpr int FUZZ_MAX_REFILLS = 64;
// The good tunes the damage is done to: a few packets past the headers, so that most of the
// damage falls on the framing and the packets rather than on decoding long stretches of sound.
constexpr u32 FUZZ_TUNE_FRAMES = 4096;

static Bytes fuzz_tune(const uint8_t *data, size_t size)
{
    if (size < 5 || !(data[0] & 1))
        return Bytes(data, data + size);
    static const Bytes mono = tone_ogg(1, 22050, FUZZ_TUNE_FRAMES);
    static const Bytes stereo = tone_ogg(2, 44100, FUZZ_TUNE_FRAMES);
    const Bytes &good = data[0] & 2 ? stereo : mono;
    Bytes tune = good;
    size_t cut = (data[1] | data[2] << 8) % (good.size() + 1);
    size_t at = (data[3] | data[4] << 8) % good.size();
    for (size_t i = 5; i < size && at < tune.size(); i++, at++)
        tune[at] ^= data[i];
    if (cut > 0)
        tune.resize(cut);
    return tune;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static bool installed = false;
    if (!installed) {
        fake_audio_install();
        installed = true;
    }
    Bytes bytes = fuzz_tune(data, size);
    // An exact-size copy, so the sanitizer sees any read past the tune's last byte.
    u8 *tune = static_cast<u8 *>(malloc(bytes.size() + !bytes.size()));
    if (!tune)
        return 0;
    if (!bytes.empty())
        memcpy(tune, bytes.data(), bytes.size());
    AloggStream *stream = alogg_start_streaming_memory(tune, static_cast<u32>(bytes.size()), FUZZ_BLOCK);
    for (int i = 0; stream && i < FUZZ_MAX_REFILLS && alogg_update_streaming(stream); i++) {
    }
    alogg_stop_streaming(stream);
    free(tune);
    if (fake_audio.live != 0)
        abort();
    return 0;
}
