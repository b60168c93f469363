#include "engine/engine.h"

#include <cstdio>
#include <cstdlib>

constexpr int MUSIC_VOLUME_MAX = 128;  // the MUSIC VOLUME option's top

// Program lifetime: one tune at a time.
int music_block_size = 0;
char music_name[256];
u8 *music_data = nullptr;
u32 music_size = 0;
AloggStream *music_stream = nullptr;
AUDIOSTREAM *music_audio_stream = nullptr;

void music_set_voice_volume(int volume)
{
    if (!music_audio_stream)
        return;
    if (volume < 0)
        volume = 0;
    if (volume > MUSIC_VOLUME_MAX)
        volume = MUSIC_VOLUME_MAX;
    // The option's 0..128 is the voice volume as it stands: at its top the music plays at
    // half the library's loudest, under the effects.
    audio_sink->volume(music_audio_stream, volume);
}

static void music_data_free()
{
    free(music_data);
    music_data = nullptr;
    music_size = 0;
}

// Starts the stream over music_data from its first byte at the option's volume. Returns 1, or
// 0 with no stream left.
static int music_stream_start()
{
    music_stream = alogg_start_streaming_memory(music_data, music_size, music_block_size);
    music_audio_stream = alogg_get_audio_stream(music_stream);
    if (!music_stream)
        return 0;
    alogg_stream_loop(music_stream, 1);
    music_set_voice_volume(static_cast<int>(music_volume));
    return 1;
}

int music_play(const char *name)
{
    // Callers stop the old tune first; stopping here too keeps a careless one from leaking it.
    music_stop();
    if (!name)
        return 1;
    music_block_size = MUSIC_BLOCK_SIZE;
    snprintf(music_name, sizeof music_name, "%s", name);
    // The entry read fails unless the whole entry came out with a good CRC.
    if (!archive_read_entry(asset_archive, name, &music_data, &music_size))
        return 1;
    if (!music_stream_start()) {
        log_printf("\n -Couldn't decode %s", music_name);
        music_data_free();
        return 1;
    }
    return 0;
}

void music_poll()
{
    if (!music_stream || alogg_update_streaming(music_stream))
        return;
    // The stream loops by itself; it ends only when its data stops decoding. Starting over
    // from the first byte then gives the tune another chance, at the option's volume.
    alogg_stop_streaming(music_stream);
    if (!music_stream_start()) {
        log_printf("\n -Couldn't restart %s", music_name);
        music_data_free();
    }
}

void music_stop()
{
    if (!music_stream)
        return;
    alogg_stop_streaming(music_stream);
    music_stream = nullptr;
    music_audio_stream = nullptr;
    music_data_free();
}

void sound_shutdown()
{
    if (!allegro_started)
        return;
    // The voice goes silent before the last refill, so nothing more of the tune is heard.
    if (music_stream) {
        music_set_voice_volume(0);
        music_poll();
        music_stop();
    }
    log_printf("musica off\n");
    alogg_exit();
    log_printf("alogg off\n");
    timers_remove();
    log_printf("timers off\n");
}
