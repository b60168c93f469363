// fake_audio.h: a stand-in for the game library's audio streams, for unit tests and fuzzers
// where no sound device plays (every refill finds a free buffer unless told otherwise), and
// small Ogg tunes to feed it.
#pragma once

#include "engine/engine.h"
#include "tools/writers/writers.h"

#include <vector>

struct FakeAudio {
    int opens;                   // streams opened so far
    int open_failures;           // the next this-many opens give no stream
    int live;                    // streams opened and not yet closed
    int buffer_busy;             // non-zero: no buffer is free
    int samples, stereo, rate;   // of the last stream opened
    int volume;                  // the last voice volume set, -1 before any
    int releases;                // buffers handed back
    std::vector<u8> buffer;      // the one buffer the refills write into
};
extern FakeAudio fake_audio;

// Points the Ogg layer at the fake, with counts cleared; remove puts the game library back.
void fake_audio_install();
void fake_audio_remove();

// A 440 Hz tone at half of full scale, frames long, encoded by the game's Ogg writer.
Bytes tone_ogg(int channels, int rate, u32 frames);

// Every tune the game starts by name.
extern const char *const game_tunes[];
extern const int game_tune_count;

// The music as the start-up loader leaves it, for tests of what the logic tick drives: the
// fake sink installed and, unless an archive is already open, asset_archive opened on an
// archive that holds a short tone under every tune name.
void fake_audio_tunes_open();
