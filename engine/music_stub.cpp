// Stand-in for the music player until engine/music.cpp lands; delete this file then.
#include "engine/engine.h"

int music_play(const char *) { return 0; }
void music_poll() {}
void music_stop() {}
void music_voice_volume_set(int) {}
