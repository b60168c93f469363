#include "game/game.h"

#include "engine/engine.h"

#include <allegro.h>

DATAFILE *sfx_datafile;
SfxRequest sfx_last_request;
i32 sfx_request_count;

constexpr int SFX_PAN_CENTRE = 128;
constexpr int SFX_OWN_PITCH = 1000;

static int clamp_byte(int value)
{
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

// Entry `number` of the bank when it is there and holds a sample, else 0. The bank ends at its
// DAT_END entry, so the walk never reads past it.
static SAMPLE *sfx_sample(int number)
{
    if (!sfx_datafile || number < 0)
        return nullptr;
    for (int i = 0; i < number; i++)
        if (sfx_datafile[i].type == DAT_END)
            return nullptr;
    const DATAFILE &entry = sfx_datafile[number];
    if (entry.type != DAT_SAMPLE || !entry.dat)
        return nullptr;
    return static_cast<SAMPLE *>(entry.dat);
}

void sfx_play(int number, int volume, int pan, int frequency)
{
    sfx_last_request = SfxRequest{number, clamp_byte(volume), clamp_byte(pan), frequency};
    sfx_request_count++;
    SAMPLE *sample = sfx_sample(number);
    if (sample)
        play_sample(sample, clamp_byte(volume), clamp_byte(pan), frequency, 0);
}

void sfx_play_menu(int number)
{
    sfx_play(number, static_cast<int>(effects_volume), SFX_PAN_CENTRE, SFX_OWN_PITCH);
}

void sfx_stop(int number)
{
    SAMPLE *sample = sfx_sample(number);
    if (sample)
        stop_sample(sample);
}
