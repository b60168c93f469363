// sound/: the tunes and the sound bank. A tune is a score in music_scores.cpp (change the
// music there); this file renders the scores to Ogg. build_sounds.cpp makes every sound of
// the bank data/dat01.dat, synthesised or spoken by espeak-ng (the announcer's and the
// fighters' voices): change a sound in its row there.
//
// The tunes: each one a short score (sections, chords, a melody and its accompaniment, each
// part on its own General MIDI instrument) rendered through a soundfont by FluidSynth, then
// made to loop without a seam and brought to one loudness before the Ogg writer encodes it.
#include "tools/databuild/databuild.h"
#include "tools/databuild/sound/music_scores.h"

#include "engine/engine.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fluidsynth.h>
#include <iterator>
#include <string>
#include <thread>

constexpr int TUNE_RATE = 32000;              // enough for the soundfont's brightness, half the bytes of 44.1 kHz
constexpr float TUNE_QUALITY = 0.1f;          // Vorbis VBR quality: about 70 kbit/s in stereo
constexpr int TUNE_CHANNELS = 2;
constexpr int TUNE_DRUM_CHANNEL = 9;          // General MIDI's percussion channel
constexpr int TUNE_STEPS_PER_BEAT = 4;        // scores count in sixteenth notes
constexpr float TUNE_TAIL_SECONDS = 4.0f;      // what still rings after the last bar: folded into the head
constexpr float TUNE_TARGET_RMS = 0.12f;      // every tune's loudness, so the music slider means the same everywhere
constexpr float TUNE_PEAK_LIMIT = 0.89f;      // about -1 dBFS: Vorbis may overshoot a little
constexpr float TUNE_JITTER_SECONDS = 0.004f; // players are never exactly on the grid
constexpr const char *TUNE_SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2";
// The player loops a tune by starting its stream over, and a stream's last buffer is padded out
// when the tune ends part-way through it. A tune of whole buffers leaves no padding at the seam.
constexpr int TUNE_BUFFER_FRAMES = MUSIC_BLOCK_SIZE / (2 * TUNE_CHANNELS);


// Semitones above the tonic of each degree.
static const int scale_steps[][7] = {
    {0, 2, 4, 5, 7, 9, 11},   // major
    {0, 2, 3, 5, 7, 8, 10},   // minor
    {0, 2, 3, 5, 7, 9, 10},   // dorian
    {0, 1, 3, 5, 7, 8, 10},   // phrygian
    {0, 2, 3, 5, 7, 8, 11},   // harmonic minor
    {0, 2, 4, 6, 7, 9, 11},   // lydian
    {0, 2, 4, 5, 7, 9, 10},   // mixolydian
};
static_assert(std::size(scale_steps) == SCALE_COUNT, "one row per scale");

struct DrumLine {
    u8 note;            // General MIDI percussion key
    const char *hits;   // one character per sixteenth: X accent, x hit, o ghost, . nothing
};

struct Groove {
    DrumLine lines[5];
};

// Keys: 35/36 bass drums, 38 snare, 37 side stick, 39 clap, 41-50 toms, 42 closed and 46 open
// hi-hat, 49 crash, 51 ride, 54 tambourine, 69 cabasa, 70 maracas, 81 triangle.
static const Groove grooves[] = {
    {{}},
    {{{36, "X..x..x.X.x....."}, {38, "....X.......X..o"}, {42, "x.xxx.x.x.xxx.x."}, {46, "..............x."}, {}}},
    {{{36, "X..X..X.X..X..X."}, {38, "....X.......X..."}, {41, "..x...x...x...x."}, {70, "xxxxxxxxxxxxxxxx"}, {}}},
    {{{36, "X.......X......."}, {38, "X.xoX.x.X.xoX.xx"}, {49, "X..............."}, {}, {}}},
    {{{35, "X..x....X..x.x.."}, {41, "....X.......X..x"}, {42, "..x...x...x...x."}, {}, {}}},
    {{{35, "X.........x....."}, {51, "..x...x...x...x."}, {69, "x.x.x.x.x.x.x.x."}, {81, "........X......."}, {}}},
    {{{36, "X.......x.x....."}, {37, "....x.......x..."}, {42, "x.x.x.x.x.x.x.x."}, {54, "..x...x...x...x."}, {}}},
    {{{35, "X.......x......."}, {41, "........X...x..."}, {51, "x...x...x...x..."}, {}, {}}},
    {{{36, "X..........."}, {42, "....x...x..."}, {54, "....x...x..."}, {}, {}}},
    {{{36, "X.....x...x....."}, {38, "....x.......x..."}, {42, "xx.xxx.xxx.xxx.x"}, {}, {}}},
    {{{36, "X.......X......."}, {38, "....x.xxX.x.xxxx"}, {48, "x.x............."}, {45, "....x.x.x.x....."}, {41, "..........X.X.X."}}},
    {{{36, "X..........."}, {38, "....x.xxx.xx"}, {45, "..x.x.x....."}, {}, {}}},
};
static_assert(std::size(grooves) == GROOVE_COUNT, "one row per groove");

// ---- score to events --------------------------------------------------------------------

enum EventKind : u8 { EVENT_OFF, EVENT_ON };

struct NoteEvent {
    double frame;
    EventKind kind;
    u8 channel, key, velocity;
};

struct Arranger {
    const Tune *tune;
    std::vector<NoteEvent> events;
    double step_frames;   // frames per sixteenth
    u32 seed;
};

static int degree_semitones(ScaleId scale, int degree)
{
    int octave = degree >= 0 ? degree / 7 : -((6 - degree) / 7);
    return scale_steps[scale][degree - 7 * octave] + 12 * octave;
}

static float arranger_random(Arranger *a)
{
    a->seed = a->seed * 1664525u + 1013904223u;
    return static_cast<float>(a->seed >> 8) / 16777216.0f;
}

// One note from a step for a number of steps, a little off the grid as a player would be.
static void arranger_note(Arranger *a, int channel, int key, int velocity, int step, float steps)
{
    if (key < 0 || key > 127 || steps <= 0.0f)
        return;
    double jitter = (arranger_random(a) - 0.5f) * 2.0f * TUNE_JITTER_SECONDS * TUNE_RATE;
    double on = step * a->step_frames + jitter;
    if (on < 0.0)
        on = 0.0;
    double off = on + steps * a->step_frames * 0.97;
    int v = static_cast<int>(velocity * (0.9f + 0.2f * arranger_random(a)));
    v = v < 1 ? 1 : v > 127 ? 127 : v;
    a->events.push_back(NoteEvent{on, EVENT_ON, static_cast<u8>(channel), static_cast<u8>(key), static_cast<u8>(v)});
    a->events.push_back(NoteEvent{off, EVENT_OFF, static_cast<u8>(channel), static_cast<u8>(key), 0});
}

// The chord of a bar at a step within it: its root as a scale degree.
static int section_chord(const Section &s, int bar, int step_in_bar, int bar_steps)
{
    std::vector<std::string> bars;
    const char *at = s.chords;
    while (*at) {
        while (*at == ' ')
            at++;
        const char *start = at;
        while (*at && *at != ' ')
            at++;
        if (at > start)
            bars.emplace_back(start, at);
    }
    if (bars.empty())
        return 0;
    const std::string &token = bars[bar % bars.size()];
    size_t comma = token.find(',');
    if (comma != std::string::npos && step_in_bar >= bar_steps / 2)
        return atoi(token.c_str() + comma + 1);
    return atoi(token.c_str());
}

// Places a degree's pitch class in the octave above base: close voicings move by small steps.
static int key_in_octave(const Tune &t, int degree, int base)
{
    int key = t.tonic + degree_semitones(t.scale, degree);
    while (key < base)
        key += 12;
    while (key >= base + 12)
        key -= 12;
    return key;
}

// r rests and - holds; a - before a digit is a degree below the tonic.
static bool line_is_rest_or_hold(const char *token)
{
    return token[0] == 'r' || (token[0] == '-' && !(token[1] >= '0' && token[1] <= '9'));
}

// Sixteenths in one pass of a line, or 0 when a token does not read.
static int line_steps(const char *line)
{
    int length = 4, total = 0;
    const char *at = line;
    while (*at) {
        if (*at == ' ') {
            at++;
            continue;
        }
        char *end = const_cast<char *>(at + 1);
        if (!line_is_rest_or_hold(at)) {
            strtol(at, &end, 10);
            if (end == at)
                return 0;
        }
        if (*end == '#' || *end == 'b')
            end++;
        if (*end == ':')
            length = static_cast<int>(strtol(end + 1, &end, 10));
        if (length <= 0 || (*end && *end != ' '))
            return 0;
        total += length;
        at = end;
    }
    return total;
}

// A melody line: its tokens cycle until the section's steps are full. Returns 0 when a token
// does not read or the line does not fill the section in whole passes (a miscounted bar).
static int arrange_line(Arranger *a, const Part &p, int channel, const char *line, int first, int steps)
{
    if (!line[0])
        return 1;
    int cycle = line_steps(line);
    if (cycle == 0 || steps % cycle != 0) {
        fprintf(stderr, "databuild: %s: the line \"%.24s...\" is %d sixteenths, its section %d\n", a->tune->name,
                line, cycle, steps);
        return 0;
    }
    const Tune &t = *a->tune;
    int length = 4, step = 0;
    int held_key = -1, held_from = 0, held_velocity = 0;
    float held_steps = 0;
    const char *at = line;
    while (step < steps) {
        while (*at == ' ')
            at++;
        if (!*at)
            at = line;
        char *end;
        int degree = 0;
        char kind = line_is_rest_or_hold(at) ? *at : 'n';
        if (kind != 'n') {
            end = const_cast<char *>(at + 1);
        } else {
            degree = static_cast<int>(strtol(at, &end, 10));
            if (end == at)
                return 0;
        }
        int alter = 0;
        if (*end == '#' || *end == 'b')
            alter = *end++ == '#' ? 1 : -1;
        if (*end == ':')
            length = static_cast<int>(strtol(end + 1, &end, 10));
        if (length <= 0 || (*end && *end != ' '))
            return 0;
        at = end;
        int n = std::min(length, steps - step);
        if (kind == '-') {
            held_steps += n;
        } else {
            if (held_key >= 0)
                arranger_note(a, channel, held_key, held_velocity, first + held_from, held_steps);
            held_key = -1;
            if (kind != 'r') {
                held_key = t.tonic + 12 * p.octave + degree_semitones(t.scale, degree) + alter;
                // Notes on the beat lead a little.
                held_velocity = p.velocity + (step % TUNE_STEPS_PER_BEAT == 0 ? 8 : 0);
                held_from = step;
                held_steps = static_cast<float>(n);
            }
        }
        step += n;
    }
    if (held_key >= 0)
        arranger_note(a, channel, held_key, held_velocity, first + held_from, held_steps);
    return 1;
}

// Pads, arpeggios and bass lines: the part's one-bar pattern over the section's chords.
static void arrange_harmony(Arranger *a, const Part &p, int channel, const Section &s, int first)
{
    const Tune &t = *a->tune;
    int bar_steps = t.beats * TUNE_STEPS_PER_BEAT;
    int base = t.tonic + 12 * p.octave;
    int pattern_length = static_cast<int>(strlen(p.pattern));
    for (int step = 0; step < s.bars * bar_steps; step++) {
        char c = p.pattern[step % pattern_length];
        if (c == '.' || c == '-')
            continue;
        float steps = 1;
        while (step + steps < s.bars * bar_steps && p.pattern[static_cast<int>(step + steps) % pattern_length] == '-')
            steps++;
        int root = section_chord(s, step / bar_steps, step % bar_steps, bar_steps);
        int velocity = p.velocity + (c >= 'A' && c <= 'Z' ? 12 : 0);
        char lower = static_cast<char>(c | 0x20);
        if (p.role == PART_CHORDS) {
            for (int tone = 0; tone < 3; tone++)
                arranger_note(a, channel, key_in_octave(t, root + 2 * tone, base), velocity - 6, first + step, steps);
            continue;
        }
        if (p.role == PART_ARPEGGIO) {
            int tone = c - '0';
            int key = tone == 3 ? key_in_octave(t, root, base) + 12 : key_in_octave(t, root + 2 * tone, base);
            arranger_note(a, channel, key, velocity, first + step, steps);
            continue;
        }
        int key = key_in_octave(t, root, base);
        switch (lower) {
        case 'f': key = key_in_octave(t, root + 4, base); break;
        case 't': key = key_in_octave(t, root + 2, base); break;
        case 'o': key += 12; break;
        default: break;
        }
        arranger_note(a, channel, key, velocity, first + step, steps);
    }
}

static void arrange_drums(Arranger *a, const Part &p, const Section &s, int first)
{
    int bar_steps = a->tune->beats * TUNE_STEPS_PER_BEAT;
    for (int bar = 0; bar < s.bars; bar++) {
        GrooveId id = s.groove;
        if (s.fill && bar == s.bars - 1 && id != GROOVE_NONE)
            id = a->tune->beats == 3 ? GROOVE_FILL_WALTZ : GROOVE_FILL;
        for (const DrumLine &line : grooves[id].lines) {
            if (!line.hits)
                continue;
            for (int step = 0; step < bar_steps && line.hits[step]; step++) {
                char c = line.hits[step];
                if (c == '.')
                    continue;
                int velocity = c == 'X' ? p.velocity + 20 : c == 'o' ? p.velocity / 2 : p.velocity;
                arranger_note(a, TUNE_DRUM_CHANNEL, line.note, velocity, first + bar * bar_steps + step, 1);
            }
        }
    }
}

static int tune_steps(const Tune &t)
{
    int steps = 0;
    for (const char *f = t.form; *f; f++)
        steps += t.sections[*f - '0'].bars * t.beats * TUNE_STEPS_PER_BEAT;
    return steps;
}

// The whole tune as note events; returns 0 on a line of the score that does not read.
static int tune_arrange(Arranger *a)
{
    const Tune &t = *a->tune;
    int bar_steps = t.beats * TUNE_STEPS_PER_BEAT;
    int first = 0;
    for (const char *f = t.form; *f; f++) {
        const Section &s = t.sections[*f - '0'];
        for (const char *d = s.parts; *d; d++) {
            int index = *d - '0';
            const Part &p = t.parts[index];
            if (p.role != PART_DRUMS && p.role != PART_MELODY && p.role != PART_COUNTER &&
                static_cast<int>(strlen(p.pattern)) != bar_steps) {
                fprintf(stderr, "databuild: %s: part %d's pattern is not one bar\n", t.name, index);
                return 0;
            }
            int channel = index;   // parts 0..7 keep clear of the percussion channel
            switch (p.role) {
            case PART_MELODY:
                if (!arrange_line(a, p, channel, s.melody, first, s.bars * bar_steps))
                    return 0;
                break;
            case PART_COUNTER:
                if (!arrange_line(a, p, channel, s.counter, first, s.bars * bar_steps))
                    return 0;
                break;
            case PART_DRUMS: arrange_drums(a, p, s, first); break;
            default: arrange_harmony(a, p, channel, s, first); break;
            }
        }
        first += s.bars * bar_steps;
    }
    return 1;
}

// ---- rendering ----------------------------------------------------------------------------

struct TuneAudio {
    std::vector<float> left, right;
    u32 frames = 0;   // the loop's length; the vectors hold its tail as well until folded
    Bytes ogg;
    int ok = 0;
};

static void synth_set_up(fluid_synth_t *synth, int font, const Tune &t)
{
    for (int index = 0; index < TUNE_PARTS_MAX; index++) {
        const Part &p = t.parts[index];
        if (!p.velocity)
            continue;
        int channel = p.role == PART_DRUMS ? TUNE_DRUM_CHANNEL : index;
        if (p.role == PART_DRUMS)
            fluid_synth_program_select(synth, channel, font, 128, 0);
        else
            fluid_synth_program_select(synth, channel, font, 0, p.program);
        fluid_synth_cc(synth, channel, 10, p.pan);
        fluid_synth_cc(synth, channel, 91, p.reverb);
    }
}

// Plays the events in frame order, writing the sound between them.
static void synth_play(fluid_synth_t *synth, std::vector<NoteEvent> &events, TuneAudio *audio)
{
    std::stable_sort(events.begin(), events.end(), [](const NoteEvent &x, const NoteEvent &y) {
        return x.frame < y.frame || (x.frame == y.frame && x.kind < y.kind);
    });
    u32 total = static_cast<u32>(audio->left.size());
    u32 done = 0;
    size_t next = 0;
    while (done < total) {
        while (next < events.size() && events[next].frame <= done) {
            const NoteEvent &e = events[next++];
            if (e.kind == EVENT_ON)
                fluid_synth_noteon(synth, e.channel, e.key, e.velocity);
            else
                fluid_synth_noteoff(synth, e.channel, e.key);
        }
        u32 until = next < events.size() ? static_cast<u32>(std::ceil(events[next].frame)) : total;
        until = std::min(std::max(until, done + 1), total);
        fluid_synth_write_float(synth, static_cast<int>(until - done), audio->left.data(), static_cast<int>(done), 1,
                                audio->right.data(), static_cast<int>(done), 1);
        done = until;
    }
}

// What rings on past the loop's end is what the loop's start hears when it comes round again.
static void audio_fold_tail(TuneAudio *audio)
{
    for (size_t i = audio->frames; i < audio->left.size(); i++) {
        audio->left[i - audio->frames] += audio->left[i];
        audio->right[i - audio->frames] += audio->right[i];
    }
    audio->left.resize(audio->frames);
    audio->right.resize(audio->frames);
}

// One loudness for every tune; a rare peak above the limit is rounded off rather than clipped.
static std::vector<i16> audio_level(const TuneAudio &audio)
{
    double sum = 0.0;
    for (u32 f = 0; f < audio.frames; f++)
        sum += audio.left[f] * audio.left[f] + audio.right[f] * audio.right[f];
    double rms = std::sqrt(sum / (2.0 * audio.frames));
    float gain = rms > 0.0 ? static_cast<float>(TUNE_TARGET_RMS / rms) : 1.0f;
    std::vector<i16> samples(static_cast<size_t>(audio.frames) * TUNE_CHANNELS);
    const float knee = 0.7f;
    for (u32 f = 0; f < audio.frames; f++) {
        for (int c = 0; c < TUNE_CHANNELS; c++) {
            float v = (c ? audio.right[f] : audio.left[f]) * gain;
            float size = std::fabs(v);
            if (size > knee)
                v = std::copysign(knee + (TUNE_PEAK_LIMIT - knee) * std::tanh((size - knee) / (TUNE_PEAK_LIMIT - knee)), v);
            samples[f * TUNE_CHANNELS + c] = static_cast<i16>(std::lround(v * 32767.0f));
        }
    }
    return samples;
}

static void tune_render(const Tune &t, TuneAudio *audio)
{
    int steps = tune_steps(t);
    // The tempo gives a little so that the loop is whole stream buffers.
    double nominal = 60.0 * TUNE_RATE / t.tempo / TUNE_STEPS_PER_BEAT * steps;
    audio->frames = static_cast<u32>(std::ceil(nominal / TUNE_BUFFER_FRAMES)) * TUNE_BUFFER_FRAMES;
    Arranger a = {&t, {}, static_cast<double>(audio->frames) / steps, 0x9E3779B9u ^ static_cast<u32>(t.tempo * 131 + t.tonic)};
    if (!tune_arrange(&a)) {
        fprintf(stderr, "databuild: %s: a line of the score does not read\n", t.name);
        return;
    }
    size_t total = audio->frames + static_cast<size_t>(TUNE_TAIL_SECONDS * TUNE_RATE);
    audio->left.assign(total, 0.0f);
    audio->right.assign(total, 0.0f);

    fluid_settings_t *settings = new_fluid_settings();
    fluid_settings_setnum(settings, "synth.sample-rate", TUNE_RATE);
    fluid_settings_setint(settings, "synth.dynamic-sample-loading", 1);
    fluid_settings_setint(settings, "synth.polyphony", 256);
    fluid_settings_setnum(settings, "synth.gain", 0.3);
    fluid_settings_setnum(settings, "synth.reverb.room-size", t.room);
    fluid_settings_setnum(settings, "synth.reverb.damp", 0.4);
    fluid_settings_setnum(settings, "synth.reverb.width", 0.9);
    fluid_settings_setnum(settings, "synth.reverb.level", 0.8);
    // The reverb gives the room; the chorus would only thicken what the soundfont already has.
    fluid_settings_setint(settings, "synth.chorus.active", 0);
    fluid_synth_t *synth = new_fluid_synth(settings);
    int font = synth ? fluid_synth_sfload(synth, TUNE_SOUNDFONT, 1) : FLUID_FAILED;
    if (font != FLUID_FAILED) {
        synth_set_up(synth, font, t);
        synth_play(synth, a.events, audio);
        audio_fold_tail(audio);
        std::vector<i16> samples = audio_level(*audio);
        audio->ok = ogg_write(audio->ogg, samples.data(), audio->frames, TUNE_CHANNELS, TUNE_RATE, TUNE_QUALITY);
    } else {
        fprintf(stderr, "databuild: %s: cannot load the soundfont %s\n", t.name, TUNE_SOUNDFONT);
    }
    if (synth)
        delete_fluid_synth(synth);
    delete_fluid_settings(settings);
    std::vector<float>().swap(audio->left);
    std::vector<float>().swap(audio->right);
}

int build_music(const char *)
{
    // The synthesizer's own chatter (sample loading, voice stealing) stays out of the build log.
    fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    const int count = music_tune_count;
    std::vector<TuneAudio> audio(count);
    // Longest first, so that no thread is left with a long tune when the others are done.
    std::vector<int> order(count);
    for (int k = 0; k < count; k++)
        order[k] = k;
    std::sort(order.begin(), order.end(), [](int x, int y) {
        return tune_steps(music_tunes[x]) * music_tunes[y].tempo > tune_steps(music_tunes[y]) * music_tunes[x].tempo;
    });
    std::atomic<int> next{0};
    auto worker = [&]() {
        for (int k = next++; k < count; k = next++)
            tune_render(music_tunes[order[k]], &audio[order[k]]);
    };
    unsigned cores = std::thread::hardware_concurrency();
    int workers = std::min(count, static_cast<int>(cores ? cores : 4));
    std::vector<std::thread> threads;
    for (int w = 0; w < workers; w++)
        threads.emplace_back(worker);
    for (std::thread &thread : threads)
        thread.join();
    for (int k = 0; k < count; k++) {
        if (!audio[k].ok) {
            fprintf(stderr, "databuild: cannot render %s\n", music_tunes[k].name);
            return 0;
        }
        archive_add(music_tunes[k].name, std::move(audio[k].ogg));
    }
    return 1;
}
