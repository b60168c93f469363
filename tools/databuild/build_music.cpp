// The tunes: one short synthesized loop per tune the game plays, each with its own key,
// tempo, mode, voice and melody, so every screen is told apart by ear.
#include "tools/databuild/databuild.h"

#include <cmath>
#include <cstdio>

constexpr int TUNE_RATE = 22050;          // low rate and quality keep the archive small
constexpr float TUNE_QUALITY = -0.1f;
constexpr int TUNE_STEPS = 16;            // eighth notes per loop
constexpr i8 REST = -1;
constexpr float TUNE_PI = 3.14159265f;

enum ScaleId : u8 { SCALE_MAJOR, SCALE_MINOR, SCALE_DORIAN, SCALE_PHRYGIAN, SCALE_HARMONIC, SCALE_COUNT };
enum VoiceId : u8 { VOICE_SINE, VOICE_TRIANGLE, VOICE_REED, VOICE_PLUCK, VOICE_COUNT };

// Semitones above the tonic of each degree.
static const int scale_steps[][7] = {
    {0, 2, 4, 5, 7, 9, 11},   // major
    {0, 2, 3, 5, 7, 8, 10},   // minor
    {0, 2, 3, 5, 7, 9, 10},   // dorian
    {0, 1, 3, 5, 7, 8, 10},   // phrygian
    {0, 2, 3, 5, 7, 8, 11},   // harmonic minor
};
static_assert(sizeof scale_steps / sizeof scale_steps[0] == SCALE_COUNT, "one row per scale");

struct Tune {
    const char *name;       // archive entry
    int tonic;              // MIDI note of the melody's tonic
    int tempo;              // beats per minute
    ScaleId scale;
    VoiceId voice;
    int channels;           // 1 mono, 2 stereo
    int drums;              // 1: a noise tick on every off-beat
    i8 melody[TUNE_STEPS];  // scale degree per eighth note (7 and up: the octave above)
};

// name                      tonic tempo scale          voice           ch drums melody
static const Tune tunes[] = {
    {"musica/titulo.ogg",     62,  84, SCALE_DORIAN,   VOICE_REED,     2, 0, {0, REST, 4, 3, 2, REST, 1, 2, 4, REST, 7, 6, 4, REST, 2, REST}},
    {"musica/select.ogg",     67, 132, SCALE_MAJOR,    VOICE_TRIANGLE, 1, 1, {0, 2, 4, 2, 5, 4, 2, 0, 1, 3, 5, 3, 4, 2, 1, REST}},
    {"musica/shop.ogg",       72, 112, SCALE_MAJOR,    VOICE_PLUCK,    1, 0, {0, 4, 7, 4, 5, 4, 2, REST, 3, 5, 8, 5, 4, 2, 0, REST}},
    {"musica/tavrosk2.ogg",   64,  96, SCALE_DORIAN,   VOICE_PLUCK,    1, 0, {0, 2, 3, 4, REST, 3, 2, 0, 6, 4, 3, 2, REST, 1, 0, REST}},
    {"musica/jason.ogg",      57, 150, SCALE_MINOR,    VOICE_REED,     1, 1, {0, 0, 4, 0, 5, 4, 3, 2, 0, 0, 4, 0, 6, 5, 4, REST}},
    {"musica/atalanta.ogg",   60, 144, SCALE_DORIAN,   VOICE_TRIANGLE, 1, 1, {4, 2, 0, 2, 4, 5, 4, REST, 3, 1, 6, 1, 3, 4, 3, REST}},
    {"musica/atenas.ogg",     65, 128, SCALE_MAJOR,    VOICE_REED,     1, 1, {0, REST, 0, 2, 4, REST, 4, 5, 7, 5, 4, 2, 3, 2, 1, REST}},
    {"musica/creta.ogg",      59, 138, SCALE_HARMONIC, VOICE_PLUCK,    1, 1, {0, 1, 2, 1, 0, REST, 6, 0, 2, 3, 4, 3, 2, 1, 6, REST}},
    {"musica/labyrinth.ogg",  55, 120, SCALE_PHRYGIAN, VOICE_SINE,     1, 1, {0, REST, 1, REST, 0, 3, 1, REST, 0, REST, 1, 4, 3, 1, 0, REST}},
    {"musica/esfinge.ogg",    61, 126, SCALE_HARMONIC, VOICE_SINE,     1, 1, {4, 5, 6, 7, 6, 5, 4, REST, 2, 3, 4, 3, 2, 1, 0, REST}},
    {"musica/medusa.ogg",     58, 134, SCALE_PHRYGIAN, VOICE_REED,     1, 1, {0, 1, 0, 6, 0, 1, 3, REST, 4, 3, 1, 0, 1, REST, 0, REST}},
    {"musica/hades.ogg",      50, 116, SCALE_MINOR,    VOICE_REED,     1, 1, {0, REST, 0, 2, 0, REST, 5, 4, 0, REST, 0, 2, 3, 2, 1, REST}},
    {"musica/cinematic1.ogg", 53,  72, SCALE_PHRYGIAN, VOICE_SINE,     2, 0, {0, REST, REST, 1, 0, REST, 4, REST, 3, REST, REST, 1, 0, REST, REST, REST}},
    {"musica/ending.ogg",     60,  80, SCALE_MAJOR,    VOICE_TRIANGLE, 2, 0, {4, REST, 2, REST, 0, 2, 4, 7, 5, REST, 4, REST, 2, REST, 0, REST}},
};

static float note_hz(int midi)
{
    return 440.0f * std::pow(2.0f, (midi - 69) / 12.0f);
}

static int degree_note(const Tune &tune, int degree)
{
    return tune.tonic + scale_steps[tune.scale][degree % 7] + 12 * (degree / 7);
}

static float voice_wave(VoiceId voice, float phase, float t)
{
    switch (voice) {
    case VOICE_TRIANGLE: return 2.0f * std::fabs(2.0f * (phase - std::floor(phase + 0.5f))) - 1.0f;
    case VOICE_REED: return std::sin(2 * TUNE_PI * phase) + 0.3f * std::sin(6 * TUNE_PI * phase) +
                            0.15f * std::sin(10 * TUNE_PI * phase);
    case VOICE_PLUCK: return (std::sin(2 * TUNE_PI * phase) + 0.4f * std::sin(4 * TUNE_PI * phase)) *
                             std::exp(-6.0f * t);
    default: return std::sin(2 * TUNE_PI * phase);
    }
}

// Shape of a note over its length: a quick rise, a slow fall, silence by its end, so the
// loop's seam and every note boundary are free of clicks.
static float note_envelope(float t, float length)
{
    float rise = t < 0.01f ? t / 0.01f : 1.0f;
    float fall = t > length * 0.8f ? (length - t) / (length * 0.2f) : 1.0f;
    return rise * fall * std::exp(-2.0f * t);
}

// Adds one note of one voice into the left and right mixes at the given pans.
static void mix_note(std::vector<float> *mix, int first, int frames, float hz, VoiceId voice,
                     float loudness, const float pan[2])
{
    float length = static_cast<float>(frames) / TUNE_RATE;
    for (int f = 0; f < frames; f++) {
        float t = static_cast<float>(f) / TUNE_RATE;
        float v = loudness * note_envelope(t, length) * voice_wave(voice, hz * t, t);
        mix[0][first + f] += v * pan[0];
        mix[1][first + f] += v * pan[1];
    }
}

// A short burst of fixed pseudo-random noise: the same bytes on every build.
static void mix_tick(std::vector<float> *mix, int first, int frames)
{
    u32 seed = 12345;
    int length = frames / 4;
    for (int f = 0; f < length; f++) {
        seed = seed * 1103515245u + 12345u;
        float noise = static_cast<float>((seed >> 16) & 0x7FFF) / 16384.0f - 1.0f;
        float v = 0.08f * noise * (1.0f - static_cast<float>(f) / length);
        mix[0][first + f] += v;
        mix[1][first + f] += v;
    }
}

static void tune_render(const Tune &tune, std::vector<float> *mix, int step_frames)
{
    static const float melody_pan[2] = {0.8f, 0.5f};
    static const float bass_pan[2] = {0.5f, 0.8f};
    for (int step = 0; step < TUNE_STEPS; step++) {
        int first = step * step_frames;
        if (tune.melody[step] != REST)
            mix_note(mix, first, step_frames, note_hz(degree_note(tune, tune.melody[step])), tune.voice,
                     0.35f, melody_pan);
        // A bass note every beat, tonic and fifth in turn, two octaves down.
        if (step % 2 == 0) {
            int bass = tune.tonic - 24 + (step % 4 == 2 ? 7 : 0);
            mix_note(mix, first, 2 * step_frames, note_hz(bass), VOICE_SINE, 0.3f, bass_pan);
        }
        if (tune.drums && step % 2 == 1)
            mix_tick(mix, first, step_frames);
    }
}

static i16 sample_from(float level)
{
    long value = std::lround(level * 26000.0f);
    return static_cast<i16>(value > 32767 ? 32767 : value < -32768 ? -32768 : value);
}

// The loop as interleaved 16-bit sound of the tune's channel count.
static std::vector<i16> tune_samples(const Tune &tune, u32 *frames)
{
    int step_frames = TUNE_RATE * 60 / tune.tempo / 2;
    *frames = static_cast<u32>(step_frames * TUNE_STEPS);
    std::vector<float> mix[2] = {std::vector<float>(*frames), std::vector<float>(*frames)};
    tune_render(tune, mix, step_frames);
    std::vector<i16> samples;
    samples.reserve(*frames * tune.channels);
    for (u32 f = 0; f < *frames; f++) {
        if (tune.channels == 1) {
            samples.push_back(sample_from(0.5f * (mix[0][f] + mix[1][f])));
            continue;
        }
        samples.push_back(sample_from(mix[0][f]));
        samples.push_back(sample_from(mix[1][f]));
    }
    return samples;
}

int build_music(const char *)
{
    for (const Tune &tune : tunes) {
        u32 frames;
        std::vector<i16> samples = tune_samples(tune, &frames);
        Bytes ogg;
        if (!ogg_write(ogg, samples.data(), frames, tune.channels, TUNE_RATE, TUNE_QUALITY)) {
            fprintf(stderr, "databuild: cannot encode %s\n", tune.name);
            return 0;
        }
        archive_add(tune.name, std::move(ogg));
    }
    return 1;
}
