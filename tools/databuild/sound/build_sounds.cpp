// The sound bank data/dat01.dat: one sound per sound number, each made to fit what plays it
// (swings swish, hits thump, menus blip, the gods' powers rumble and zap). The announcer's
// names and calls and the fighters' cries are spoken by espeak-ng and given a room by SoX.
// Entry k of the bank is sound number k.
#include "tools/databuild/databuild.h"

#include "game/game.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include <cstdio>
#include <cstring>
#include <espeak-ng/speak_lib.h>
#include <iterator>
#include <sox.h>
#include <string>

constexpr int SOUND_RATE = 22050;                 // samples per second
constexpr f32 SOUND_EDGE_SECONDS = 0.004f;        // fade at both ends: no clicks
constexpr f32 TWO_PI = 6.2831853f;
constexpr f32 SPEECH_SILENCE = 0.02f;             // of the peak: quieter ends are trimmed off
constexpr f32 SPEECH_FADE_SECONDS = 0.06f;        // a sound longer than its recipe fades out over this

enum SoundKind : u8 {
    SOUND_BLIP,     // one tone gliding from pitch_from to pitch_to; parts = harmonics
    SOUND_CHIME,    // parts notes in turn, stepping from pitch_from to pitch_to
    SOUND_SWISH,    // noise through a band that sweeps from pitch_from to pitch_to
    SOUND_THUMP,    // a falling low tone; parts > 0 adds a crackle of that many bursts
    SOUND_CLANG,    // parts inharmonic partials over pitch_from, ringing out
    SOUND_SPEECH,   // text spoken in one of the speech voices, in a small room
    SOUND_RUMBLE,   // low noise swelling; parts cracks at the start
    SOUND_ZAP,      // parts detuned buzzes sweeping up from pitch_from to pitch_to
    SOUND_MARCH,    // parts footfalls in step
    SOUND_SHRIEK    // parts wavering high tones over hissing noise
};

struct SoundRecipe {
    i32 number;           // the sound number, also the bank entry
    const char *name;     // kept as the entry's name
    SoundKind kind;
    f32 seconds;
    f32 pitch_from;       // Hz
    f32 pitch_to;         // Hz
    i32 parts;
    f32 loudness;         // peak, 0..1
    const char *text;     // SOUND_SPEECH: what is said, spelt as the speech engine says it right; "" otherwise
    u8 voice;             // SOUND_SPEECH: a row of speech_voices
};

// The speakers: an espeak-ng voice and how it is set. The announcer is deep and a little slow.
enum SpeechVoiceId : u8 { SPEECH_NONE, SPEECH_ANNOUNCER, SPEECH_MAN, SPEECH_WOMAN, SPEECH_MAN_FALLING, SPEECH_WOMAN_FALLING, SPEECH_VOICE_COUNT };

struct SpeechVoice {
    const char *name;     // espeak-ng voice and variant
    int pitch;            // 0..100, 50 the voice's own
    int range;            // 0..100, how far the pitch moves
    int words_per_minute; // 175 is espeak-ng's usual pace
};

static const SpeechVoice speech_voices[] = {
    // name      pitch range wpm
    {"", 0, 0, 0},
    {"en+m3", 12, 45, 135},   // the announcer
    {"en+m1", 30, 60, 170},   // a man hit
    {"en+f3", 70, 60, 170},   // a woman hit
    {"en+m1", 25, 90, 80},    // a man knocked out: drawn out
    {"en+f3", 65, 90, 80},    // a woman knocked out: drawn out
};
static_assert(std::size(speech_voices) == SPEECH_VOICE_COUNT, "one row per speech voice");

static const SoundRecipe sound_recipes[] = {
    // number               name                     kind          secs  from    to      parts loud  text  voice
    {SFX_POWER_FULL, "SFX_POWER_FULL", SOUND_CHIME, 0.16f, 880, 1320, 2, 0.6f, "", SPEECH_NONE},
    {SFX_MENU_CONFIRM, "SFX_MENU_CONFIRM", SOUND_CHIME, 0.24f, 660, 990, 3, 0.7f, "", SPEECH_NONE},
    {SFX_MENU_REFUSED, "SFX_MENU_REFUSED", SOUND_BLIP, 0.22f, 190, 140, 5, 0.7f, "", SPEECH_NONE},
    {SFX_SOLAR_BEAM, "SFX_SOLAR_BEAM", SOUND_ZAP, 1.1f, 500, 1800, 3, 0.6f, "", SPEECH_NONE},
    {SFX_SUMMON_EARTH, "SFX_SUMMON_EARTH", SOUND_RUMBLE, 1.8f, 60, 30, 0, 0.9f, "", SPEECH_NONE},
    {SFX_ROCK_IMPACT, "SFX_ROCK_IMPACT", SOUND_THUMP, 0.6f, 90, 35, 6, 1.0f, "", SPEECH_NONE},
    {SFX_FURIES, "SFX_FURIES", SOUND_SHRIEK, 1.6f, 700, 1300, 3, 0.6f, "", SPEECH_NONE},
    {SFX_SOLDIERS, "SFX_SOLDIERS", SOUND_MARCH, 1.8f, 110, 80, 8, 0.9f, "", SPEECH_NONE},
    {SFX_THUNDER, "SFX_THUNDER", SOUND_RUMBLE, 2.0f, 120, 40, 3, 1.0f, "", SPEECH_NONE},
    {SFX_WAVE, "SFX_WAVE", SOUND_SWISH, 1.8f, 250, 1400, 0, 0.8f, "", SPEECH_NONE},
    {SFX_GUARD, "SFX_GUARD", SOUND_CLANG, 0.4f, 900, 900, 4, 0.7f, "", SPEECH_NONE},
    {SFX_SUPER, "SFX_SUPER", SOUND_ZAP, 1.4f, 110, 880, 4, 0.8f, "", SPEECH_NONE},
    {SFX_ROUND_START, "SFX_ROUND_START", SOUND_CHIME, 0.8f, 392, 784, 3, 0.9f, "", SPEECH_NONE},
    {SFX_SPECIAL, "SFX_SPECIAL", SOUND_ZAP, 0.45f, 300, 1000, 2, 0.7f, "", SPEECH_NONE},
    {SFX_VOICE_HURT_MALE, "SFX_VOICE_HURT_MALE", SOUND_SPEECH, 0.45f, 0, 0, 0, 0.9f, "Ugh!", SPEECH_MAN},
    {SFX_VOICE_KO_MALE, "SFX_VOICE_KO_MALE", SOUND_SPEECH, 1.1f, 0, 0, 0, 1.0f, "Aargh!", SPEECH_MAN_FALLING},
    {SFX_SWING_HARD, "SFX_SWING_HARD", SOUND_SWISH, 0.28f, 500, 2400, 0, 0.8f, "", SPEECH_NONE},
    {SFX_EFFECT_HIT, "SFX_EFFECT_HIT", SOUND_THUMP, 0.5f, 160, 50, 10, 0.9f, "", SPEECH_NONE},
    {18, "SFX_UNUSED_18", SOUND_BLIP, 0.05f, 1000, 1000, 1, 0.2f, "", SPEECH_NONE},
    {SFX_LAND, "SFX_LAND", SOUND_THUMP, 0.18f, 75, 45, 0, 0.7f, "", SPEECH_NONE},
    {SFX_SWING_KICK, "SFX_SWING_KICK", SOUND_SWISH, 0.24f, 350, 1500, 0, 0.7f, "", SPEECH_NONE},
    {SFX_SWING_LOW, "SFX_SWING_LOW", SOUND_SWISH, 0.2f, 900, 3200, 0, 0.6f, "", SPEECH_NONE},
    {22, "SFX_UNUSED_22", SOUND_BLIP, 0.05f, 1000, 1000, 1, 0.2f, "", SPEECH_NONE},
    {SFX_VOICE_HURT_FEMALE, "SFX_VOICE_HURT_FEMALE", SOUND_SPEECH, 0.45f, 0, 0, 0, 0.9f, "Ah!", SPEECH_WOMAN},
    {SFX_VOICE_KO_FEMALE, "SFX_VOICE_KO_FEMALE", SOUND_SPEECH, 1.1f, 0, 0, 0, 1.0f, "Aaah!", SPEECH_WOMAN_FALLING},
    {SFX_NAME_HIPPOLYTE, "SFX_NAME_HIPPOLYTE", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "Hipollity!", SPEECH_ANNOUNCER},
    {SFX_NAME_JASON, "SFX_NAME_JASON", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "Jason!", SPEECH_ANNOUNCER},
    {SFX_NAME_MINOTAUR, "SFX_NAME_MINOTAUR", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "Minotaur!", SPEECH_ANNOUNCER},
    {SFX_NAME_ODYSSEUS, "SFX_NAME_ODYSSEUS", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "Odysseus!", SPEECH_ANNOUNCER},
    {SFX_NAME_PERSEUS, "SFX_NAME_PERSEUS", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "Perseus!", SPEECH_ANNOUNCER},
    {SFX_NAME_POLYPHEMUS, "SFX_NAME_POLYPHEMUS", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "Polyfeemus!", SPEECH_ANNOUNCER},
    {31, "SFX_UNUSED_31", SOUND_BLIP, 0.05f, 1000, 1000, 1, 0.2f, "", SPEECH_NONE},
    {32, "SFX_UNUSED_32", SOUND_BLIP, 0.05f, 1000, 1000, 1, 0.2f, "", SPEECH_NONE},
    {SFX_HIT_HARD, "SFX_HIT_HARD", SOUND_THUMP, 0.35f, 130, 45, 3, 1.0f, "", SPEECH_NONE},
    {SFX_HIT_LOW, "SFX_HIT_LOW", SOUND_THUMP, 0.25f, 190, 70, 2, 0.8f, "", SPEECH_NONE},
    {SFX_YOU_LOSE, "SFX_YOU_LOSE", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "You lose!", SPEECH_ANNOUNCER},
    {SFX_YOU_WIN, "SFX_YOU_WIN", SOUND_SPEECH, 1.4f, 0, 0, 0, 1.0f, "You win!", SPEECH_ANNOUNCER},
};
static_assert(std::size(sound_recipes) == SFX_BANK_SIZE, "one recipe per sound number");

// ---- building blocks ----------------------------------------------------------------------

// Noise from a fixed seed, so every build writes the same bank.
struct Noise {
    u32 state;
};

static f32 noise_next(Noise *noise)
{
    noise->state = noise->state * 1664525u + 1013904223u;
    return static_cast<f32>(noise->state >> 8) / 8388608.0f - 1.0f;
}

// A two-pole band-pass (constant peak gain) whose centre may move from sample to sample.
struct BandPass {
    f32 x1, x2, y1, y2;
};

static f32 band_pass(BandPass *f, f32 in, f32 centre, f32 q)
{
    f32 w = TWO_PI * centre / SOUND_RATE;
    f32 alpha = std::sin(w) / (2.0f * q);
    f32 a0 = 1.0f + alpha;
    f32 out = (alpha * in - alpha * f->x2 + 2.0f * std::cos(w) * f->y1 - (1.0f - alpha) * f->y2) / a0;
    f->x2 = f->x1;
    f->x1 = in;
    f->y2 = f->y1;
    f->y1 = out;
    return out;
}

static f32 lerp(f32 a, f32 b, f32 t)
{
    return a + (b - a) * t;
}

// A sharp attack and an exponential fall to about 1/1000 by the end.
static f32 decay(f32 t, f32 seconds)
{
    return std::exp(-7.0f * t / seconds);
}

// ---- the kinds ----------------------------------------------------------------------------

static void synth_blip(const SoundRecipe &r, std::vector<f32> &out)
{
    f32 phase = 0.0f;
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / out.size();
        phase += TWO_PI * lerp(r.pitch_from, r.pitch_to, t) / SOUND_RATE;
        f32 v = 0.0f;
        for (int h = 1; h <= r.parts; h++)
            v += std::sin(phase * (2 * h - 1)) / (2 * h - 1);
        out[i] = v * (1.0f - t * 0.5f);
    }
}

static void synth_chime(const SoundRecipe &r, std::vector<f32> &out)
{
    size_t note_length = out.size() / r.parts;
    for (int n = 0; n < r.parts; n++) {
        f32 pitch = r.parts > 1 ? lerp(r.pitch_from, r.pitch_to, static_cast<f32>(n) / (r.parts - 1)) : r.pitch_from;
        for (size_t k = 0; k < note_length; k++) {
            f32 t = static_cast<f32>(k) / SOUND_RATE;
            f32 w = TWO_PI * pitch * t;
            f32 ring = decay(static_cast<f32>(k), static_cast<f32>(note_length) * 1.5f);
            out[n * note_length + k] = (std::sin(w) + 0.3f * std::sin(2.0f * w) + 0.15f * std::sin(3.0f * w)) * ring;
        }
    }
}

static void synth_swish(const SoundRecipe &r, std::vector<f32> &out)
{
    Noise noise = {static_cast<u32>(r.number) * 7919u + 1u};
    BandPass band = {};
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / out.size();
        f32 swell = std::sin(3.14159265f * t);
        out[i] = band_pass(&band, noise_next(&noise), lerp(r.pitch_from, r.pitch_to, t), 2.0f) * swell * swell;
    }
}

// A thud with an optional crackle: short noise bursts scattered over the first half.
static void synth_thump(const SoundRecipe &r, std::vector<f32> &out)
{
    Noise noise = {static_cast<u32>(r.number) * 104729u + 7u};
    BandPass crackle = {};
    f32 phase = 0.0f;
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / out.size();
        phase += TWO_PI * lerp(r.pitch_from, r.pitch_to, std::sqrt(t)) / SOUND_RATE;
        f32 body = std::sin(phase) * decay(t, 0.8f);
        f32 click = i < SOUND_RATE / 200 ? noise_next(&noise) * 0.6f : 0.0f;
        f32 grit = 0.0f;
        if (r.parts > 0) {
            f32 burst = std::fmod(t * r.parts * 2.0f, 1.0f);
            f32 gate = t < 0.5f ? decay(burst, 0.6f) : 0.0f;
            grit = band_pass(&crackle, noise_next(&noise), 1800.0f, 1.5f) * gate * 0.8f;
        }
        out[i] = body + click + grit;
    }
}

static void synth_clang(const SoundRecipe &r, std::vector<f32> &out)
{
    static const f32 ratios[] = {1.0f, 2.76f, 5.40f, 8.93f, 13.34f};
    int partials = r.parts < static_cast<int>(std::size(ratios)) ? r.parts : static_cast<int>(std::size(ratios));
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / SOUND_RATE;
        f32 v = 0.0f;
        for (int p = 0; p < partials; p++)
            v += std::sin(TWO_PI * r.pitch_from * ratios[p] * t) * decay(t, r.seconds / (1.0f + p)) / (1.0f + p);
        out[i] = v;
    }
}

static void synth_rumble(const SoundRecipe &r, std::vector<f32> &out)
{
    Noise noise = {static_cast<u32>(r.number) * 2654435u + 5u};
    BandPass low = {}, crack = {};
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / out.size();
        f32 swell = t < 0.2f ? t / 0.2f : 1.0f - (t - 0.2f) / 0.8f;
        f32 v = band_pass(&low, noise_next(&noise), lerp(r.pitch_from, r.pitch_to, t), 0.8f) * 3.0f * swell;
        for (int c = 0; c < r.parts; c++) {
            f32 at = t - 0.04f * c;
            if (at >= 0.0f && at < 0.15f)
                v += band_pass(&crack, noise_next(&noise), 2500.0f, 0.7f) * decay(at, 0.15f);
        }
        out[i] = v;
    }
}

static void synth_zap(const SoundRecipe &r, std::vector<f32> &out)
{
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / out.size();
        f32 seconds = static_cast<f32>(i) / SOUND_RATE;
        // The sweep's phase is the integral of a pitch that rises linearly.
        f32 sweep = TWO_PI * seconds * (r.pitch_from + 0.5f * (r.pitch_to - r.pitch_from) * t);
        f32 v = 0.0f;
        for (int p = 0; p < r.parts; p++) {
            f32 w = sweep * (1.0f + 0.007f * p);
            v += std::sin(w) + 0.4f * std::sin(2.0f * w + std::sin(seconds * 40.0f));
        }
        out[i] = v * std::sin(3.14159265f * std::sqrt(t)) / r.parts;
    }
}

static void synth_march(const SoundRecipe &r, std::vector<f32> &out)
{
    Noise noise = {static_cast<u32>(r.number) * 48271u + 9u};
    size_t step = out.size() / r.parts;
    for (size_t i = 0; i < out.size(); i++) {
        f32 s = static_cast<f32>(i % step) / SOUND_RATE;
        f32 pitch = lerp(r.pitch_from, r.pitch_to, s * 8.0f > 1.0f ? 1.0f : s * 8.0f);
        f32 stamp = std::sin(TWO_PI * pitch * s) * decay(s, 0.12f);
        f32 rattle = noise_next(&noise) * decay(s, 0.05f) * 0.3f;
        out[i] = (stamp + rattle) * ((i / step) % 2 ? 0.8f : 1.0f);
    }
}

static void synth_shriek(const SoundRecipe &r, std::vector<f32> &out)
{
    Noise noise = {static_cast<u32>(r.number) * 16807u + 11u};
    BandPass hiss = {};
    f32 phases[4] = {};
    for (size_t i = 0; i < out.size(); i++) {
        f32 t = static_cast<f32>(i) / out.size();
        f32 seconds = static_cast<f32>(i) / SOUND_RATE;
        f32 v = band_pass(&hiss, noise_next(&noise), 3000.0f, 1.0f) * 0.5f;
        for (int p = 0; p < r.parts && p < 4; p++) {
            f32 waver = 1.0f + 0.08f * std::sin(TWO_PI * (5.0f + 2.0f * p) * seconds);
            phases[p] += TWO_PI * lerp(r.pitch_from, r.pitch_to, t) * (1.0f + 0.19f * p) * waver / SOUND_RATE;
            v += std::sin(phases[p]) / (1.0f + p);
        }
        out[i] = v * std::sin(3.14159265f * t);
    }
}

// ---- speech -------------------------------------------------------------------------------

// espeak-ng hands its sound over in pieces, in the calling thread (synchronous mode).
static std::vector<f32> *speech_sink;

static int speech_collect(short *wave, int count, espeak_EVENT *)
{
    if (wave && count > 0)
        for (int i = 0; i < count; i++)
            speech_sink->push_back(wave[i] / 32768.0f);
    return 0;   // go on
}

// The engine's sound of the text in the recipe's voice at SOUND_RATE, silence cut from both ends.
static std::vector<f32> speech_say(const SoundRecipe &r)
{
    const SpeechVoice &v = speech_voices[r.voice];
    std::vector<f32> wave;
    speech_sink = &wave;
    espeak_SetVoiceByName(v.name);
    espeak_SetParameter(espeakRATE, v.words_per_minute, 0);
    espeak_SetParameter(espeakPITCH, v.pitch, 0);
    espeak_SetParameter(espeakRANGE, v.range, 0);
    // The engine's breath noise comes from the C library's rand(): seeded from the recipe, so that
    // a voice does not depend on what else drew from rand() before it (other stages, other threads).
    srand(static_cast<unsigned>(r.number) + 1u);
    espeak_Synth(r.text, strlen(r.text) + 1, 0, POS_CHARACTER, 0, espeakCHARS_UTF8, nullptr, nullptr);
    espeak_Synchronize();
    speech_sink = nullptr;
    f32 peak = 0.0f;
    for (f32 x : wave)
        peak = std::max(peak, std::fabs(x));
    size_t first = 0, last = wave.size();
    while (first < last && std::fabs(wave[first]) < SPEECH_SILENCE * peak)
        first++;
    while (last > first && std::fabs(wave[last - 1]) < SPEECH_SILENCE * peak)
        last--;
    return std::vector<f32>(wave.begin() + first, wave.begin() + last);
}

// SoX's effects chain reads from and writes to these through two small effects of our own.
static const std::vector<f32> *room_source;
static size_t room_source_at;
static std::vector<f32> *room_sink;
static unsigned room_sink_channels;

static int room_input_drain(sox_effect_t *, sox_sample_t *out, size_t *count)
{
    size_t n = std::min(*count, room_source->size() - room_source_at);
    for (size_t i = 0; i < n; i++) {
        f32 v = std::max(-1.0f, std::min(1.0f, (*room_source)[room_source_at + i]));
        out[i] = static_cast<sox_sample_t>(std::lround(v * 2147483647.0));
    }
    room_source_at += n;
    *count = n;
    return n ? SOX_SUCCESS : SOX_EOF;
}

static int room_output_flow(sox_effect_t *, const sox_sample_t *in, sox_sample_t *, size_t *in_count,
                            size_t *out_count)
{
    // Several channels come out as their mix.
    for (size_t i = 0; i + room_sink_channels <= *in_count; i += room_sink_channels) {
        f32 sum = 0.0f;
        for (unsigned c = 0; c < room_sink_channels; c++)
            sum += static_cast<f32>(in[i + c] / 2147483648.0);
        room_sink->push_back(sum / room_sink_channels);
    }
    *out_count = 0;
    return SOX_SUCCESS;
}

static const sox_effect_handler_t room_input = {"input", nullptr, SOX_EFF_MCHAN, nullptr, nullptr, nullptr,
                                                room_input_drain, nullptr, nullptr, 0};
static const sox_effect_handler_t room_output = {"output", nullptr, SOX_EFF_MCHAN, nullptr, nullptr,
                                                 room_output_flow, nullptr, nullptr, nullptr, 0};

static int room_add(sox_effects_chain_t *chain, const sox_effect_handler_t *handler, int argc, const char *const *argv,
                    sox_signalinfo_t *signal, const sox_signalinfo_t *out)
{
    if (!handler)
        return 0;
    sox_effect_t *effect = sox_create_effect(handler);
    int ok = effect && sox_effect_options(effect, argc, const_cast<char **>(argv)) == SOX_SUCCESS &&
             sox_add_effect(chain, effect, signal, out) == SOX_SUCCESS;
    free(effect);   // the chain keeps its own copy
    return ok;
}

// A short room around the voice, then brought to a peak just under full scale: SoX's reverb and
// gain -n. Returns the voice unchanged when the chain cannot be made.
static std::vector<f32> speech_room(const std::vector<f32> &dry)
{
    static const char *const reverb[] = {"35", "60", "25", "0", "8", "-4"};   // reverberance, damping, room, stereo, pre-delay ms, wet dB
    static const char *const gain[] = {"-n", "-1"};
    sox_signalinfo_t signal = {SOUND_RATE, 1, 16, 0, nullptr};
    sox_encodinginfo_t encoding = {};
    encoding.encoding = SOX_ENCODING_SIGN2;
    encoding.bits_per_sample = 16;
    sox_effects_chain_t *chain = sox_create_effects_chain(&encoding, &encoding);
    if (!chain)
        return dry;
    std::vector<f32> wet;
    room_source = &dry;
    room_source_at = 0;
    room_sink = &wet;
    sox_signalinfo_t at = signal;
    int ok = room_add(chain, &room_input, 0, nullptr, &at, &signal) &&
             room_add(chain, sox_find_effect("reverb"), static_cast<int>(std::size(reverb)), reverb, &at, &signal) &&
             room_add(chain, sox_find_effect("gain"), static_cast<int>(std::size(gain)), gain, &at, &signal);
    room_sink_channels = at.channels ? at.channels : 1;
    ok = ok && room_add(chain, &room_output, 0, nullptr, &at, &signal) && sox_flow_effects(chain, nullptr, nullptr) == SOX_SUCCESS;
    sox_delete_effects_chain(chain);
    room_source = nullptr;
    room_sink = nullptr;
    if (!ok || wet.empty()) {
        fprintf(stderr, "databuild: SoX could not put a voice in a room; it stays dry\n");
        return dry;
    }
    return wet;
}

// The spoken sound, its room's tail trimmed where it falls silent and faded out if it would
// run past the recipe's length.
static std::vector<f32> speech_sound(const SoundRecipe &r)
{
    std::vector<f32> wave = speech_room(speech_say(r));
    f32 peak = 0.0f;
    for (f32 x : wave)
        peak = std::max(peak, std::fabs(x));
    size_t last = wave.size();
    while (last > 0 && std::fabs(wave[last - 1]) < 0.5f * SPEECH_SILENCE * peak)
        last--;
    size_t limit = static_cast<size_t>(r.seconds * SOUND_RATE);
    wave.resize(std::min(last, limit));
    size_t fade = static_cast<size_t>(SPEECH_FADE_SECONDS * SOUND_RATE);
    if (last > limit)
        for (size_t i = 0; i < fade && i < wave.size(); i++)
            wave[wave.size() - 1 - i] *= static_cast<f32>(i) / fade;
    return wave;
}

// The speech engine and the effects library live for the bank's build only.
static int speech_start()
{
    int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, 0, nullptr, 0);
    if (rate != SOUND_RATE) {
        fprintf(stderr, "databuild: espeak-ng speaks at %d Hz, not %d\n", rate, SOUND_RATE);
        if (rate > 0)
            espeak_Terminate();
        return 0;
    }
    espeak_SetSynthCallback(speech_collect);
    if (sox_init() != SOX_SUCCESS) {
        espeak_Terminate();
        fprintf(stderr, "databuild: SoX will not start\n");
        return 0;
    }
    return 1;
}

static void speech_stop()
{
    sox_quit();
    espeak_Terminate();
}

// ---- the bank -----------------------------------------------------------------------------

static void sound_synthesize(const SoundRecipe &r, std::vector<f32> &out)
{
    switch (r.kind) {
    case SOUND_BLIP: synth_blip(r, out); break;
    case SOUND_CHIME: synth_chime(r, out); break;
    case SOUND_SWISH: synth_swish(r, out); break;
    case SOUND_THUMP: synth_thump(r, out); break;
    case SOUND_CLANG: synth_clang(r, out); break;
    case SOUND_RUMBLE: synth_rumble(r, out); break;
    case SOUND_ZAP: synth_zap(r, out); break;
    case SOUND_MARCH: synth_march(r, out); break;
    case SOUND_SHRIEK: synth_shriek(r, out); break;
    case SOUND_SPEECH: break;   // spoken, not synthesized
    }
}

// Scaled to the recipe's peak, with short fades at both ends.
static DatSample sound_to_sample(const SoundRecipe &r, const std::vector<f32> &wave)
{
    f32 peak = 0.0f;
    for (f32 v : wave)
        peak = std::fabs(v) > peak ? std::fabs(v) : peak;
    f32 gain = peak > 0.0f ? r.loudness * 32767.0f / peak : 0.0f;
    size_t edge = static_cast<size_t>(SOUND_EDGE_SECONDS * SOUND_RATE);
    DatSample sample = {r.name, SOUND_RATE, std::vector<i16>(wave.size())};
    for (size_t i = 0; i < wave.size(); i++) {
        f32 fade = 1.0f;
        if (i < edge)
            fade = static_cast<f32>(i) / edge;
        if (wave.size() - i <= edge)
            fade = static_cast<f32>(wave.size() - i - 1) / edge;
        sample.data[i] = static_cast<i16>(std::lround(wave[i] * gain * fade));
    }
    return sample;
}

int build_sounds(const char *data_dir)
{
    if (!speech_start())
        return 0;
    std::vector<DatSample> samples;
    for (int k = 0; k < SFX_BANK_SIZE; k++) {
        const SoundRecipe &r = sound_recipes[k];
        if (r.number != k) {
            fprintf(stderr, "databuild: sound recipe %d holds number %d\n", k, r.number);
            speech_stop();
            return 0;
        }
        std::vector<f32> wave;
        if (r.kind == SOUND_SPEECH) {
            wave = speech_sound(r);
        } else {
            wave.resize(static_cast<size_t>(r.seconds * SOUND_RATE));
            sound_synthesize(r, wave);
        }
        samples.push_back(sound_to_sample(r, wave));
    }
    speech_stop();
    Bytes bank = datafile_encode_samples(samples);
    std::string path = std::string(data_dir) + "/dat01.dat";
    if (bank.empty()) {
        fprintf(stderr, "databuild: cannot encode the sound bank\n");
        return 0;
    }
    if (!file_write(path.c_str(), bank)) {
        fprintf(stderr, "databuild: cannot write %s: %s\n", path.c_str(), strerror(errno));
        return 0;
    }
    return 1;
}
