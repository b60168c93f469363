// music_scores.h: the tunes' scores as data; used by the data builder's music step only.
#pragma once

#include "base/base.h"

constexpr int TUNE_PARTS_MAX = 8;
constexpr int TUNE_SECTIONS_MAX = 6;

enum ScaleId : u8 { SCALE_MAJOR, SCALE_MINOR, SCALE_DORIAN, SCALE_PHRYGIAN, SCALE_HARMONIC, SCALE_LYDIAN, SCALE_MIXOLYDIAN, SCALE_COUNT };

// What a part plays from its section: the melody, the counter-melody, the chords as a pad or
// broken into an arpeggio, the chords' roots as a bass line, or the drum groove.
enum PartRole : u8 { PART_MELODY, PART_COUNTER, PART_CHORDS, PART_ARPEGGIO, PART_BASS, PART_DRUMS };

// Drum grooves, one bar each, shared by the tunes; a section may end on the fill.
enum GrooveId : u8 {
    GROOVE_NONE, GROOVE_FIGHT, GROOVE_DRIVE, GROOVE_MARCH, GROOVE_HEAVY, GROOVE_EERIE, GROOVE_LIGHT,
    GROOVE_PROCESSION, GROOVE_WALTZ, GROOVE_SKIP, GROOVE_FILL, GROOVE_FILL_WALTZ, GROOVE_COUNT
};

struct Part {
    PartRole role;
    u8 program;          // General MIDI program, 0..127 (drums: unused)
    i8 octave;           // register: octaves from the tonic's
    u8 velocity;         // 1..127 before the section's accents
    u8 pan;              // 0 left .. 127 right
    u8 reverb;           // reverb send 0..127
    const char *pattern; // chords: x strike, - hold, . silent; arpeggio: 0-3 chord tone, - hold,
                         // . silent; bass: r root, f fifth, o octave, t third, - hold, . silent.
                         // One bar; upper case accents.
};

struct Section {
    int bars;
    const char *chords;   // one scale degree per bar; "a,b" splits the bar; cycles over the bars
    const char *melody;   // "degree[#|b][:sixteenths]" tokens, r rest, - hold; cycles; "" none
    const char *counter;  // the same for the second voice
    const char *parts;    // digits: the parts that play in this section
    GrooveId groove;
    int fill;             // 1: the last bar is the drum fill
};

struct Tune {
    const char *name;     // archive entry
    int tempo;            // beats per minute
    int beats;            // beats per bar
    int tonic;            // MIDI note of the melody's tonic
    ScaleId scale;
    float room;           // reverb room size 0..1
    Part parts[TUNE_PARTS_MAX];
    Section sections[TUNE_SECTIONS_MAX];
    const char *form;     // section numbers in playing order
};


// Every tune the game plays, title first.
extern const Tune music_tunes[];
extern const int music_tune_count;
