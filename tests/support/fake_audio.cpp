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

void fake_audio_install()
{
    fake_audio = FakeAudio{};
    fake_audio.volume = -1;
    audio_sink = &fake_audio_sink;
}

void fake_audio_remove()
{
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

static ArchiveHandle tune_archive = nullptr;

// Closes the tune archive at exit, so leak checks stay quiet, unless the game already closed
// it (its shutdown closes asset_archive and clears it).
static void fake_audio_tunes_close()
{
    music_stop();
    if (!asset_archive || asset_archive != tune_archive)
        return;
    archive_close(asset_archive);
    asset_archive = tune_archive = nullptr;
}

void fake_audio_tunes_open()
{
    music_stop();
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
        path = test_scratch_dir("tunes") + "/dat00.dat";
        zip_write(path.c_str(), entries);
    }
    tune_archive = asset_archive = archive_open(path.c_str());
}
