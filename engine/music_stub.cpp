// Stand-in for the music player until engine/music.cpp lands; delete this file then.
#include "engine/engine.h"

#include <cstdio>

char music_name[256];

int music_play(const char *name)
{
    snprintf(music_name, sizeof music_name, "%s", name);
    return 0;
}

void music_poll() {}
void music_stop() {}
void music_set_voice_volume(int) {}
