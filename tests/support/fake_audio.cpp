#include "fake_audio.h"
#include "test_paths.h"

#include <allegro.h>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>

FakeAudio fake_audio;

static AUDIOSTREAM *fake_open(int samples, int stereo, int rate)
{
    if (fake_audio.open_failures > 0) {
        fake_audio.open_failures--;
        return nullptr;
    }
    fake_audio.opens++;
    fake_audio.live++;
    fake_audio.samples = samples;
    fake_audio.stereo = stereo;
    fake_audio.rate = rate;
    fake_audio.buffer.assign(static_cast<size_t>(samples) * (stereo ? 4 : 2), 0xAA);
    return new AUDIOSTREAM{};
}

static void *fake_buffer(AUDIOSTREAM *)
{
    return fake_audio.buffer_busy ? nullptr : fake_audio.buffer.data();
}

static void fake_release(AUDIOSTREAM *)
{
    fake_audio.releases++;
}

static void fake_close(AUDIOSTREAM *stream)
{
    fake_audio.live--;
    delete stream;
}

static void fake_volume(AUDIOSTREAM *, int volume)
{
    fake_audio.volume = volume;
}

static const AudioSink fake_audio_sink = {fake_open, fake_buffer, fake_release, fake_close, fake_volume};

// The music stops before the sink changes: a stream must be closed by the sink that opened it.
void fake_audio_install()
{
    music_stop();
    fake_audio = FakeAudio{};
    fake_audio.volume = -1;
    audio_sink = &fake_audio_sink;
}

void fake_audio_remove()
{
    music_stop();
    audio_sink = &allegro_audio_sink;
}

Bytes tone_ogg(int channels, int rate, u32 frames)
{
    std::vector<i16> samples;
    for (u32 f = 0; f < frames; f++)
        for (int c = 0; c < channels; c++)
            samples.push_back(static_cast<i16>(16384 * std::sin(2 * 3.14159265 * 440 * f / rate)));
    Bytes ogg;
    ogg_write(ogg, samples.data(), frames, channels, rate, 0.0f);
    return ogg;
}

const char *const game_tunes[] = {
    "musica/titulo.ogg", "musica/select.ogg", "musica/shop.ogg", "musica/tavrosk2.ogg",
    "musica/jason.ogg", "musica/atalanta.ogg", "musica/atenas.ogg", "musica/creta.ogg",
    "musica/labyrinth.ogg", "musica/esfinge.ogg", "musica/medusa.ogg", "musica/hades.ogg",
    "musica/cinematic1.ogg", "musica/ending.ogg",
};
const int game_tune_count = static_cast<int>(std::size(game_tunes));

// Opened once and lent to asset_archive. A test may close it (through the game's shutdown,
// or closing whatever asset_archive held), and a closed handle's address comes back from the
// next archive_open: the handle is ours only while it is open and holds our marker entry.
static ArchiveHandle tune_archive = nullptr;
static const char TUNES_MARKER[] = "harness/tunes";

static bool tune_archive_is_ours()
{
    return archive_is_open(tune_archive) && archive_has_entry(tune_archive, TUNES_MARKER);
}

static void fake_audio_tunes_close()
{
    music_stop();
    if (tune_archive_is_ours())
        archive_close(tune_archive);
    if (asset_archive == tune_archive)
        asset_archive = nullptr;
    tune_archive = nullptr;
}

void fake_audio_tunes_open()
{
    fake_audio_install();
    if (asset_archive)
        return;
    static std::string path;
    if (path.empty()) {
        atexit(fake_audio_tunes_close);
        Bytes tone = tone_ogg(1, 22050, 2000);
        std::vector<ZipEntry> entries;
        for (const char *name : game_tunes)
            entries.push_back(ZipEntry{name, tone});
        entries.push_back(ZipEntry{TUNES_MARKER, Bytes{}});
        path = test_scratch_dir("tunes") + "/dat00.dat";
        zip_write(path.c_str(), entries);
    }
    if (!tune_archive_is_ours())
        tune_archive = archive_open(path.c_str());
    asset_archive = tune_archive;
}
