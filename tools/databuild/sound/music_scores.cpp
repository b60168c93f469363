// The fourteen tunes as scores. Each names its parts (a General MIDI instrument per part, its
// register and place in the stereo field), its sections (chords per bar, the melody and the
// second voice in scale degrees, which parts play, the drum groove) and the order they play in.
// Melody tokens: degree (0 the tonic, 7 the octave above, negative below), # or b to alter it,
// :n for n sixteenths (kept until changed); r rests, - holds the note before.
#include "tools/databuild/sound/music_scores.h"

#include <iterator>

// The themes that come back in a tune's later sections.
static const char jason_theme[] =
    "4:4 4:2 7:2 6:4 4:4 5:6 4:2 2:8 2:4 4:2 6:2 9:6 7:2 8:8 6:4 4:4 7:6 9:2 11:4 9:4 10:8 9:4 7:4 8:4 7:4 5:4 3:4 4:12 r:4";
static const char select_theme[] =
    "4:4 2:2 4:2 7:4 4:4 5:6 4:2 2:8 3:4 5:4 7:4 5:4 4:8 6:4 8:4 7:4 9:2 7:2 4:4 2:4 5:4 7:4 9:8 8:4 7:4 5:4 1:4 4:12 r:4";
static const char shop_theme[] =
    "0:2 2:2 4:4 2:2 4:2 7:4 6:6 4:2 1:8 3:4 5:4 7:4 5:4 4:12 r:4 7:2 6:2 7:4 9:4 7:4 8:6 6:2 3:8 4:4 6:4 8:4 6:4 7:12 r:4";
static const char tavrosk2_theme[] =
    "4:6 2:2 0:8 1:4 3:4 5:8 6:6 4:2 1:8 2:12 r:4 7:6 6:2 4:8 5:4 3:4 1:4 3:4 4:4 1:4 -1:8 0:12 r:4";
static const char atalanta_theme[] =
    "0:2 2:2 4:2 7:2 4:4 2:4 6:6 5:2 3:8 3:2 5:2 7:2 10:2 9:8 7:12 r:4 11:4 9:2 7:2 9:4 7:4 8:4 6:2 5:2 6:8 5:4 3:4 7:4 5:4 4:12 r:4";
static const char atenas_theme[] =
    "0:4 2:2 4:2 7:4 4:4 5:4 3:4 5:4 7:4 8:6 6:2 4:8 7:12 r:4 7:2 6:2 7:4 9:4 7:4 10:6 9:2 7:8 8:4 5:4 6:4 4:4 7:12 r:4";
static const char creta_theme[] =
    "0:2 1:2 2:4 4:4 2:4 1:2 0:2 -1:4 0:8 5:4 4:2 5:2 7:8 6:4 4:4 1:8 7:2 6:2 7:4 9:4 7:4 4:4 5:2 4:2 2:8 3:4 5:4 7:4 5:4 4:4 1:4 -1:8";
static const char labyrinth_theme[] =
    "4:6 2:2 0:8 1:6 3:2 5:8 4:4 2:4 1:4 0:4 -1:12 r:4 7:6 8:2 7:4 4:4 5:4 3:4 1:8 5:4 4:4 2:8 1:12 r:4";
static const char esfinge_theme[] =
    "0:8 2:4 4:4 5:8 4:4 2:4 4:4 5:4 6:4 5:4 4:12 r:4 7:8 6:4 7:4 9:8 7:4 5:4 3:4 5:4 7:4 5:4 6:12 r:4";
static const char medusa_theme[] =
    "0:2 1:2 0:4 r:4 4:4 5:2 4:2 3:4 r:4 1:4 2:2 1:2 0:4 4:2 5:2 4:4 6:12 r:4 7:2 8:2 7:4 r:4 11:4 12:2 11:2 10:4 r:4 8:4 9:4 7:4 5:4 4:4 5:12 r:4";
static const char hades_theme[] =
    "0:8 2:4 4:4 5:8 4:8 5:4 4:4 2:4 0:4 -2:12 r:4 3:8 5:4 7:4 6:6 5:2 3:8 4:4 6:4 8:4 6:4 4:12 r:4";
static const char ending_theme[] =
    "4:6 2:2 0:4 1:8 4:4 2:6 4:2 7:4 5:12 7:6 6:2 4:4 5:4 4:4 1:4 3:4 2:4 0:4 1:12";

// part columns: role, GM program, octave, velocity, pan, reverb, one-bar pattern
const Tune music_tunes[] = {
    // The title: stately, a horn over harp and strings, timpani and low drums.
    {"musica/titulo.ogg", 80, 4, 62, SCALE_DORIAN, 0.8f,
     {
         {PART_MELODY, 60, 0, 92, 60, 70, ""},                      // 0 french horn
         {PART_COUNTER, 73, 0, 70, 80, 60, ""},                     // 1 flute
         {PART_CHORDS, 48, -1, 62, 50, 80, "x---------------"},     // 2 strings
         {PART_ARPEGGIO, 46, -1, 72, 84, 70, "0.1.2.3.2.1.0.1."},   // 3 harp
         {PART_BASS, 43, -2, 80, 64, 50, "r-------f-------"},       // 4 contrabass
         {PART_BASS, 47, -2, 96, 64, 60, "R.........r.r..."},       // 5 timpani
         {PART_DRUMS, 0, 0, 70, 64, 60, ""},                        // 6 low drums
         {PART_CHORDS, 52, 0, 50, 70, 90, "x-------x-------"},      // 7 choir
     },
     {
         {4, "0 3 0 6", "", "", "2345", GROOVE_NONE, 0},
         {8, "0 3 0 6 0 3 4 0",
          "0:6 2:2 4:4 3:4 5:8 4:4 3:4 2:6 1:2 2:4 4:4 6:12 r:4 7:6 6:2 4:4 2:4 3:8 5:4 6:4 7:4 6:4 4:8 0:12 r:4",
          "r:8 9:8 8:16 7:8 4:8 6:16 r:8 9:8 10:16 11:8 8:8 7:16", "0123456", GROOVE_PROCESSION, 1},
         {8, "2 6 3 0 2 6 4 4",
          "9:8 7:4 9:4 8:8 6:8 7:4 8:4 9:4 10:4 11:12 r:4 9:6 8:2 7:4 9:4 8:8 10:8 11:6 10:2 9:4 8:4 8:12 r:4",
          "4:16 1:16 5:16 4:16 4:16 1:16 4:16 6:16", "0123457", GROOVE_PROCESSION, 1},
         {2, "4 4", "", "", "345", GROOVE_PROCESSION, 1},
     },
     "0123"},
    // Jason's fight: heroic minor, brass over driving bass and drums.
    {"musica/jason.ogg", 150, 4, 57, SCALE_MINOR, 0.4f,
     {
         {PART_MELODY, 61, 0, 96, 56, 40, ""},                      // 0 brass section
         {PART_COUNTER, 48, 1, 72, 76, 50, ""},                     // 1 strings, high
         {PART_CHORDS, 44, -1, 58, 40, 50, "x---------------"},     // 2 tremolo strings
         {PART_ARPEGGIO, 45, 0, 70, 90, 40, "0.1.2.1.0.1.2.3."},    // 3 pizzicato
         {PART_BASS, 33, -2, 92, 64, 20, "R.r.r.rrR.r.f.o."},       // 4 bass guitar
         {PART_DRUMS, 0, 0, 86, 64, 30, ""},                        // 5 kit
         {PART_BASS, 47, -2, 100, 64, 50, "R..............."},      // 6 timpani
         {PART_MELODY, 29, -1, 70, 30, 30, ""},                     // 7 overdriven guitar doubling
     },
     {
         {4, "0 0 5 4", "", "", "2456", GROOVE_FIGHT, 1},
         {8, "0 5 2 6 0 5 3 4",
          jason_theme,
          "", "02456", GROOVE_FIGHT, 1},
         {8, "3 3 0 0 5 6 4 4",
          "3:2 5:2 7:4 10:8 9:4 7:4 5:8 4:2 7:2 9:4 11:8 10:4 9:4 7:8 5:4 7:4 9:4 12:4 11:4 10:4 8:8 7:4 8:4 9:4 8:4 6#:12 r:4",
          "7:16 5:16 4:16 4:16 5:16 6:16 4:16 6#:16", "0134567", GROOVE_SKIP, 1},
         {8, "0 5 2 6 0 5 3 4",
          jason_theme,
          "9:16 7:16 6:16 8:16 9:16 7:16 5:16 6#:16", "01234567", GROOVE_FIGHT, 1},
         {4, "0 5 0 4", "", "", "3456", GROOVE_DRIVE, 1},
     },
     "01234"},
    // The character select: light and bright, a flute over guitar and a skipping kit.
    {"musica/select.ogg", 126, 4, 67, SCALE_MAJOR, 0.5f,
     {
         {PART_MELODY, 73, 0, 90, 70, 50, ""},                      // 0 flute
         {PART_COUNTER, 11, 0, 72, 40, 50, ""},                     // 1 vibraphone
         {PART_CHORDS, 49, -1, 54, 56, 60, "x-------x-------"},     // 2 strings
         {PART_ARPEGGIO, 24, -1, 74, 88, 40, "0.2.1.2.0.2.1.3."},   // 3 nylon guitar
         {PART_BASS, 32, -2, 86, 64, 20, "r...r.f.r...o.f."},       // 4 acoustic bass
         {PART_DRUMS, 0, 0, 70, 64, 30, ""},                        // 5 kit
     },
     {
         {2, "0 4", "", "", "2345", GROOVE_LIGHT, 0},
         {8, "0 5 3 4 0 5 1 4",
          select_theme,
          "", "02345", GROOVE_LIGHT, 1},
         {8, "3 4 2 5 3 4 3,4 0",
          "10:4 9:4 7:4 9:4 8:8 11:8 9:6 8:2 6:8 7:12 r:4 10:4 11:4 12:4 10:4 11:8 8:8 9:4 7:4 8:4 6:4 7:12 r:4",
          "", "012345", GROOVE_SKIP, 1},
         {8, "0 5 3 4 0 5 1 4",
          select_theme,
          "2:8 4:8 0:8 2:8 -2:8 0:8 -1:8 1:8", "012345", GROOVE_LIGHT, 1},
     },
     "0123"},
    // The shop: a market tune, pan flute and marimba over a strummed guitar.
    {"musica/shop.ogg", 112, 4, 65, SCALE_MIXOLYDIAN, 0.45f,
     {
         {PART_MELODY, 75, 0, 92, 50, 50, ""},                      // 0 pan flute
         {PART_COUNTER, 12, 0, 80, 84, 40, ""},                     // 1 marimba
         {PART_CHORDS, 25, -1, 60, 74, 40, "x..x..x.x..x..x."},     // 2 steel guitar
         {PART_ARPEGGIO, 46, -1, 66, 30, 50, "0...1...2...1..."},   // 3 harp
         {PART_BASS, 32, -2, 86, 64, 20, "r.....r.f.....f."},       // 4 acoustic bass
         {PART_DRUMS, 0, 0, 66, 64, 30, ""},                        // 5 kit
     },
     {
         {2, "0 6", "", "", "2345", GROOVE_LIGHT, 0},
         {8, "0 6 3 0 0 6 4 0",
          shop_theme,
          "", "02345", GROOVE_LIGHT, 1},
         {8, "3 3 0 0 5 6 4 4",
          "10:4 9:4 8:4 7:4 5:8 3:8 4:4 7:4 9:4 11:4 9:12 r:4 12:4 11:4 9:4 7:4 8:8 6:8 6:4 4:4 8:4 6:4 4:12 r:4",
          "", "0123456", GROOVE_SKIP, 1},
         {8, "0 6 3 0 0 6 4 0",
          shop_theme,
          "r:2 4:2 r:2 4:2 r:2 4:2 2:4 r:2 3:2 r:2 3:2 r:2 3:2 1:4 r:2 5:2 r:2 5:2 r:2 5:2 3:4 r:2 4:2 r:2 2:2 r:2 0:2 2:4",
          "012345", GROOVE_LIGHT, 1},
     },
     "0123"},
    // The gallery's and the endings' theme: an oboe over harp and strings, warm and noble.
    {"musica/tavrosk2.ogg", 92, 4, 57, SCALE_DORIAN, 0.7f,
     {
         {PART_MELODY, 68, 1, 92, 58, 70, ""},                      // 0 oboe
         {PART_COUNTER, 42, 0, 74, 80, 60, ""},                     // 1 cello
         {PART_CHORDS, 49, 0, 58, 50, 80, "x---------------"},      // 2 slow strings
         {PART_ARPEGGIO, 46, 0, 72, 90, 70, "0.1.2.1.3.1.2.1."},    // 3 harp
         {PART_BASS, 43, -1, 78, 64, 50, "r-------f-------"},       // 4 contrabass
         {PART_DRUMS, 0, 0, 52, 64, 60, ""},                        // 5 soft drums
         {PART_CHORDS, 52, 1, 44, 76, 90, "x---------------"},      // 6 choir
     },
     {
         {2, "0 3", "", "", "234", GROOVE_NONE, 0},
         {8, "0 3 6 2 0 3 4 0",
          tavrosk2_theme,
          "", "0234", GROOVE_NONE, 0},
         {8, "6 6 2 2 3 3 4 4",
          "8:8 10:8 9:4 8:4 6:8 9:8 11:8 10:4 9:4 7:8 10:8 12:8 11:4 10:4 8:8 8:4 7:4 6:4 4:4 4:12 r:4",
          "4:16 - 4:16 - 5:16 - 4:16 -", "0123456", GROOVE_PROCESSION, 1},
         {8, "0 3 6 2 0 3 4 0",
          tavrosk2_theme,
          "2:16 3:16 1:16 2:16 2:16 3:16 1:16 2:16", "0123456", GROOVE_PROCESSION, 1},
     },
     "0123"},
    // Atalanta's fight: the huntress, swift, a flute over harp and a running bass.
    {"musica/atalanta.ogg", 152, 4, 64, SCALE_DORIAN, 0.4f,
     {
         {PART_MELODY, 73, 1, 96, 50, 40, ""},                      // 0 flute
         {PART_COUNTER, 40, 0, 76, 84, 40, ""},                     // 1 violin
         {PART_CHORDS, 48, -1, 56, 40, 50, "x..x..x.x..x..x."},     // 2 strings, syncopated
         {PART_ARPEGGIO, 46, 0, 72, 90, 40, "0.1.2.1.3.1.2.1."},    // 3 harp
         {PART_BASS, 33, -2, 92, 64, 20, "R.r.Rr.rR.r.Rr.o"},       // 4 bass guitar
         {PART_DRUMS, 0, 0, 84, 64, 30, ""},                        // 5 kit
     },
     {
         {4, "0 6 0 4", "", "", "2345", GROOVE_DRIVE, 1},
         {8, "0 6 3 0 0 6 3 4",
          atalanta_theme,
          "", "02345", GROOVE_FIGHT, 1},
         {8, "2 2 6 6 3 3 4 4",
          "9:4 11:4 13:8 12:4 11:4 9:8 13:4 12:4 10:8 8:4 10:4 13:8 12:6 10:2 7:8 10:4 9:4 10:8 11:4 10:4 8:4 11:4 11:12 r:4",
          "", "012345", GROOVE_DRIVE, 1},
         {8, "0 6 3 0 0 6 3 4",
          atalanta_theme,
          "4:8 2:8 3:8 1:8 5:8 3:8 4:8 2:8", "012345", GROOVE_FIGHT, 1},
         {4, "0 6 3 4", "", "", "345", GROOVE_DRIVE, 1},
     },
     "01234"},
    // Athens: bright and proud, a trumpet over a marching band.
    {"musica/atenas.ogg", 140, 4, 62, SCALE_MAJOR, 0.5f,
     {
         {PART_MELODY, 56, 0, 96, 60, 40, ""},                      // 0 trumpet
         {PART_COUNTER, 60, 0, 74, 80, 50, ""},                     // 1 french horns
         {PART_CHORDS, 61, -1, 64, 46, 40, "X...x...X...x.x."},     // 2 brass stabs
         {PART_CHORDS, 48, -1, 50, 80, 60, "x---------------"},     // 3 strings
         {PART_BASS, 58, -2, 90, 64, 30, "r...f...r...f..."},       // 4 tuba
         {PART_DRUMS, 0, 0, 84, 64, 30, ""},                        // 5 march drums
         {PART_BASS, 47, -2, 90, 64, 50, "R.......r.r....."},       // 6 timpani
         {PART_ARPEGGIO, 72, 1, 62, 30, 40, "0.1.2.3.2.1.2.3."},    // 7 piccolo runs
     },
     {
         {4, "0 3 4 0", "", "", "2456", GROOVE_MARCH, 1},
         {8, "0 3 4 0 0 3 1,4 0",
          atenas_theme,
          "", "023456", GROOVE_MARCH, 1},
         {8, "3 3 0 0 5 5 4 4",
          "3:4 5:4 7:4 10:4 9:4 7:4 5:8 4:4 7:4 9:4 11:4 11:12 r:4 9:4 7:4 5:4 9:4 8:4 7:4 5:8 4:4 6:4 8:4 11:4 10:12 r:4",
          "", "0134567", GROOVE_FIGHT, 1},
         {8, "0 3 4 0 0 3 1,4 0",
          atenas_theme,
          "4:8 2:8 5:8 3:8 6:8 4:8 4:8 2:8", "01234567", GROOVE_MARCH, 1},
         {4, "3 4 3 4", "", "", "2567", GROOVE_MARCH, 1},
     },
     "01234"},
    // Crete: dark and driving, an oboe over a cello ostinato, taiko and a pounding bass.
    {"musica/creta.ogg", 144, 4, 59, SCALE_HARMONIC, 0.45f,
     {
         {PART_MELODY, 68, 1, 96, 54, 40, ""},                      // 0 oboe
         {PART_COUNTER, 40, 1, 70, 80, 40, ""},                     // 1 violin
         {PART_CHORDS, 44, 0, 54, 40, 50, "x-------x-------"},      // 2 tremolo strings
         {PART_ARPEGGIO, 42, -1, 80, 88, 30, "0.0.1.0.2.0.1.0."},   // 3 cello ostinato
         {PART_BASS, 38, -2, 90, 64, 20, "R.rR.rR.R.rR.rRr"},       // 4 synth bass
         {PART_DRUMS, 0, 0, 84, 64, 30, ""},                        // 5 kit
         {PART_BASS, 116, -2, 100, 64, 50, "R.....r.R.....r."},     // 6 taiko
     },
     {
         {4, "0 0 0 4", "", "", "3456", GROOVE_DRIVE, 1},
         {8, "0 0 5 4 0 0 3 4",
          creta_theme,
          "", "023456", GROOVE_DRIVE, 1},
         {8, "5 5 3 3 0 0 4 4",
          "9:6 8:2 7:8 5:4 7:4 9:8 10:6 9:2 7:8 8:4 7:4 5:8 7:2 8:2 9:2 11:2 9:8 8:4 9:4 7:8 6:4 8:4 11:4 8:4 6:12 r:4",
          "", "0123456", GROOVE_FIGHT, 1},
         {8, "0 0 5 4 0 0 3 4",
          creta_theme,
          "4:16 2:16 2:16 1:16 4:16 4:16 5:16 3:16", "0123456", GROOVE_DRIVE, 1},
         {4, "0 5 3 4", "", "", "2346", GROOVE_HEAVY, 1},
     },
     "01234"},
    // The Labyrinth: Phrygian and close, a trombone and a choir over toms and a low ostinato.
    {"musica/labyrinth.ogg", 132, 4, 55, SCALE_PHRYGIAN, 0.6f,
     {
         {PART_MELODY, 57, 0, 98, 56, 50, ""},                      // 0 trombone
         {PART_COUNTER, 52, 1, 70, 80, 80, ""},                     // 1 choir
         {PART_CHORDS, 95, 0, 54, 40, 60, "x---------------"},      // 2 sweep pad
         {PART_ARPEGGIO, 43, -1, 80, 86, 30, "0.0.0.1.0.0.1.0."},   // 3 contrabass ostinato
         {PART_BASS, 39, -2, 90, 64, 20, "R..r..r.R..r..r."},       // 4 synth bass
         {PART_DRUMS, 0, 0, 86, 64, 40, ""},                        // 5 toms and kit
         {PART_BASS, 116, -2, 100, 64, 50, "R.......R...r.r."},     // 6 taiko
     },
     {
         {4, "0 1 0 1", "", "", "3456", GROOVE_HEAVY, 1},
         {8, "0 1 0 6 0 1 5 1",
          labyrinth_theme,
          "", "023456", GROOVE_HEAVY, 1},
         {8, "5 5 6 6 1 1 0 0",
          "9:8 7:8 8:4 9:4 12:8 13:6 12:2 10:8 8:4 10:4 13:8 12:8 10:8 8:4 10:4 12:8 11:4 9:4 8:4 7:4 7:12 r:4",
          "", "0123456", GROOVE_DRIVE, 1},
         {8, "0 1 0 6 0 1 5 1",
          labyrinth_theme,
          "2:16 3:16 2:16 -1:16 2:16 1:16 2:16 1:16", "0123456", GROOVE_HEAVY, 1},
         {4, "0 1 5 1", "", "", "2346", GROOVE_DRIVE, 1},
     },
     "01234"},
    // The Sphinx: eerie, an oboe in harmonic minor over a choir pad and a music box.
    {"musica/esfinge.ogg", 112, 4, 61, SCALE_HARMONIC, 0.75f,
     {
         {PART_MELODY, 68, 0, 94, 56, 60, ""},                      // 0 oboe
         {PART_COUNTER, 53, 1, 66, 82, 90, ""},                     // 1 voice oohs
         {PART_CHORDS, 91, 0, 56, 40, 80, "x---------------"},      // 2 choir pad
         {PART_ARPEGGIO, 10, 1, 64, 90, 70, "0...2...1...3..."},    // 3 music box
         {PART_BASS, 35, -2, 88, 64, 30, "r-----f-r-------"},       // 4 fretless bass
         {PART_DRUMS, 0, 0, 78, 64, 50, ""},                        // 5 hand percussion
         {PART_BASS, 47, -2, 86, 64, 60, "R.......r......."},       // 6 timpani
     },
     {
         {2, "0 4", "", "", "2346", GROOVE_EERIE, 0},
         {8, "0 5 0 4 0 5 3 4",
          esfinge_theme,
          "", "023456", GROOVE_EERIE, 1},
         {8, "5 5 3 3 0 0 4 4",
          "9:6 8:2 7:8 5:4 7:4 9:8 10:6 9:2 7:8 8:4 7:4 5:8 11:8 9:4 7:4 8:4 9:4 7:8 6:4 8:4 11:4 8:4 6:12 r:4",
          "", "0123456", GROOVE_SKIP, 1},
         {8, "0 5 0 4 0 5 3 4",
          esfinge_theme,
          "2:16 2:16 2:16 1:16 2:16 0:16 0:16 1:16", "0123456", GROOVE_EERIE, 1},
         {2, "3 4", "", "", "2345", GROOVE_EERIE, 1},
     },
     "01234"},
    // Medusa: Phrygian and creeping, a clarinet over tremolo strings and a vibraphone.
    {"musica/medusa.ogg", 120, 4, 64, SCALE_PHRYGIAN, 0.7f,
     {
         {PART_MELODY, 71, 0, 96, 54, 60, ""},                      // 0 clarinet
         {PART_COUNTER, 53, 1, 64, 84, 90, ""},                     // 1 voice oohs
         {PART_CHORDS, 44, -1, 56, 40, 60, "x-------x-------"},     // 2 tremolo strings
         {PART_ARPEGGIO, 11, 0, 66, 90, 70, "0..1..2..3..2..1"},    // 3 vibraphone
         {PART_BASS, 45, -2, 92, 64, 30, "r..r..r.r..r..r."},       // 4 pizzicato basses
         {PART_DRUMS, 0, 0, 80, 64, 40, ""},                        // 5 kit
         {PART_BASS, 47, -2, 90, 64, 60, "R.......r.....r."},       // 6 timpani
     },
     {
         {4, "0 1 0 1", "", "", "2346", GROOVE_EERIE, 1},
         {8, "0 1 0 6 0 1 5 1",
          medusa_theme,
          "", "023456", GROOVE_EERIE, 1},
         {8, "5 5 3 3 6 6 1 1",
          "9:8 7:8 5:4 7:4 9:4 12:4 10:8 12:8 11:4 10:4 7:8 13:8 10:8 12:4 10:4 8:8 8:4 10:4 12:4 10:4 8:8 7:8",
          "", "0123456", GROOVE_SKIP, 1},
         {8, "0 1 0 6 0 1 5 1",
          medusa_theme,
          "4:16 5:16 4:16 3:16 4:16 3:16 2:16 3:16", "0123456", GROOVE_SKIP, 1},
         {4, "0 1 5 1", "", "", "2346", GROOVE_HEAVY, 1},
     },
     "01234"},
    // Hades: low and heavy, trombones and an organ over a choir, taiko and timpani.
    {"musica/hades.ogg", 100, 4, 50, SCALE_MINOR, 0.85f,
     {
         {PART_MELODY, 57, 0, 100, 56, 60, ""},                     // 0 trombone
         {PART_COUNTER, 19, 1, 62, 80, 80, ""},                     // 1 church organ
         {PART_CHORDS, 52, 0, 62, 40, 90, "x---------------"},      // 2 choir
         {PART_ARPEGGIO, 43, -1, 82, 88, 40, "0..0..1.0..0..2."},   // 3 contrabass ostinato
         {PART_BASS, 38, -2, 90, 64, 30, "R.......r..r...."},       // 4 synth bass
         {PART_DRUMS, 0, 0, 90, 64, 50, ""},                        // 5 heavy kit
         {PART_BASS, 116, -2, 104, 64, 60, "R.....r.R......."},     // 6 taiko
         {PART_BASS, 47, -2, 92, 64, 60, "........R...r.r."},       // 7 timpani
     },
     {
         {2, "0 0", "", "", "34567", GROOVE_HEAVY, 0},
         {8, "0 0 5 5 3 3 4 4",
          hades_theme,
          "", "0234567", GROOVE_HEAVY, 1},
         {8, "5 6 0 0 3 4 0 0",
          "9:8 7:8 6:4 8:4 10:8 11:8 9:8 7:12 r:4 10:8 8:4 7:4 11:6 10:2 8:8 7:8 9:4 11:4 7:12 r:4",
          "", "01234567", GROOVE_HEAVY, 1},
         {8, "0 0 5 5 3 3 4 4",
          hades_theme,
          "4:16 2:16 2:16 2:16 3:16 3:16 4:16 6#:16", "01234567", GROOVE_HEAVY, 1},
         {2, "5 4", "", "", "2367", GROOVE_HEAVY, 1},
     },
     "01234"},
    // The story's opening: slow and wide, strings and horns over harp and timpani.
    {"musica/cinematic1.ogg", 66, 4, 53, SCALE_MINOR, 0.9f,
     {
         {PART_MELODY, 48, 1, 90, 56, 90, ""},                      // 0 strings
         {PART_COUNTER, 60, 0, 76, 80, 80, ""},                     // 1 french horn
         {PART_CHORDS, 49, 0, 56, 40, 90, "x-------x-------"},      // 2 slow strings
         {PART_ARPEGGIO, 46, 0, 70, 90, 80, "0...1...2...3..."},    // 3 harp
         {PART_BASS, 43, -1, 80, 64, 60, "r---------------"},       // 4 contrabass
         {PART_BASS, 47, -2, 90, 64, 70, "R.............r."},       // 5 timpani
         {PART_CHORDS, 91, 1, 46, 76, 100, "x---------------"},     // 6 choir pad
     },
     {
         {2, "0 5", "", "", "2345", GROOVE_NONE, 0},
         {8, "0 5 2 6 0 5 3 4",
          "4:8 2:4 0:4 1:4 2:4 5:8 4:12 2:4 1:16 7:8 6:4 4:4 5:8 4:4 2:4 3:8 5:8 4:16",
          "", "02345", GROOVE_NONE, 0},
         {8, "2 2 6 6 5 5 4 4",
          "9:8 7:8 11:16 10:8 8:8 6:16 8:8 9:8 12:16 11:8 10:4 8:4 11:16",
          "2:16 - 1:16 - 0:16 - -1:16 -", "0123456", GROOVE_NONE, 0},
     },
     "012"},
    // The endings: slow and wide, a waltz of flute and cello over strings, harp and a choir.
    {"musica/ending.ogg", 72, 3, 58, SCALE_MAJOR, 0.85f,
     {
         {PART_MELODY, 73, 1, 90, 56, 80, ""},                      // 0 flute
         {PART_COUNTER, 42, 0, 76, 80, 70, ""},                     // 1 cello
         {PART_CHORDS, 49, -1, 56, 40, 80, "x-----------"},         // 2 slow strings
         {PART_ARPEGGIO, 46, -1, 72, 90, 70, "0.1.2.3.2.1."},       // 3 harp
         {PART_BASS, 43, -2, 80, 64, 50, "r-----------"},           // 4 contrabass
         {PART_DRUMS, 0, 0, 50, 64, 60, ""},                        // 5 soft waltz kit
         {PART_CHORDS, 52, 0, 44, 76, 100, "x-----------"},         // 6 choir
     },
     {
         {2, "0 3", "", "", "234", GROOVE_NONE, 0},
         {8, "0 4 5 3 0 4 3 4",
          ending_theme,
          "", "02345", GROOVE_WALTZ, 0},
         {8, "5 5 3 3 0 4 0 0",
          "9:8 8:4 7:12 10:8 9:4 7:12 11:4 9:4 7:4 8:8 4:4 7:12 7:8 r:4",
          "", "0123456", GROOVE_WALTZ, 1},
         {8, "0 4 5 3 0 4 3 4",
          ending_theme,
          "2:12 1:12 0:12 0:12 2:12 1:12 0:12 -1:12", "0123456", GROOVE_WALTZ, 1},
     },
     "0123"},
};
const int music_tune_count = static_cast<int>(std::size(music_tunes));
