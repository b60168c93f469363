// Atalanta: her assets, hit zones and key-frame table. Artemis' arrows answer her summon (pictures
// only, no summon model); her specials are 1003 and 1016, and she has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep atalanta_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "atalanta/atalanta.emd",         nullptr},
    {LOAD_SKELETON,             0, -1,                   "atalanta/atalanta.esq",         nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "atalanta/atalantablur.esq",     nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/flecha1.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/artemisa.jpg",           nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGBA,  "atalanta/atalanta_1.tga",       nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "atalanta/atalanta_2.jpg",       "atalanta/atalanta_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "atalanta/atalanta_3.jpg",       "atalanta/atalanta_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "atalanta/atalanta_4.tga",       "atalanta/atalanta_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "atalanta/atalanta_5.tga",       "atalanta/atalanta_ce5.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "atalanta/atalanta_bladeblur.tga", nullptr},
};

static const HitZoneRow atalanta_hit_zones[] = {
    {1796, 1.0f}, {1797, 2.0f}, {1798, 3.0f}, {1799, 1.0f}, {1800, 1.0f}, {1804, 2.0f},
    {1803, 2.0f}, {1801, 4.0f}, {1802, 3.0f}, {1805, 4.0f}, {1806, 4.0f},
};
static_assert(std::size(atalanta_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Her idle loops five keys at 20 ticks, not the four at 30 of most characters.
// Her idle breathes over five quicker keys.
static const SeqBlock atalanta_idle = {
    ACTION_IDLE, SEQ_NO_TWIN, 1, 5, 0, 20, SEQ_NO_RATE, END_NONE, 0, 0, 10, 0, 0, 0, 0,
    SEQ_LOOP | SEQ_STEP_IDLE | SEQ_ENTRY_IDLE};

// Blocks in the order they are tested, the idle block first; columns as in Jason's table.
static const SeqBlock atalanta_blocks[] = {
    atalanta_idle,
    // action                     twin                    lo   hi  to  tk  rt  end                 key  then            in   at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             6,   9,  0,  8,  0, END_NONE,             0,              0,  8,   0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,            10,  13,  0,  8,  0, END_NONE,             0,              0,  8,   0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_JUMP,               SEQ_NO_TWIN,            16,  18,  0, 20, -1, END_NONE,             0,              0,  0,   0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            14,  14,  0, -1, -1, END_LAND,            15,              0,  2,   0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            15,  15,  0, -1, -1, END_HOLD,            15,              0,  4,   0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            19,  20,  0, 10, -1, END_CHAIN,            0, ACTION_LANDING, 10,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            21,  22,  0, 10, -1, END_CHAIN,            0, ACTION_LANDING, 10,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            31,  31,  0, -1, -1, END_HOLD,            31,              0,  8,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   31,  33,  0, 15, -1, END_HOLD,            33,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            34,  34,  0, -1, -1, END_HOLD,            34,              0,  8,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  34,  36,  0, 15, -1, END_HOLD,            36,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     23,  24,  0, 30, -1, END_REACTION,        24,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    25,  26,  0, 30, -1, END_REACTION,        26,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            38,  40,  0,  6,  6, END_IDLE,             1,              0,  0,   0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            42,  44,  0,  4,  7, END_IDLE,             1,              0,  0,   0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,           102, 104,  0,  8,  8, END_IDLE,            15,              0,  0,   0, 1, 0, 103, SEQ_ENTRY_FROM_0},
    // KEEP: the airborne swing blends to its last key, then plays its keys from the first.
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,           121, 123,  0,  8,  9, END_AIR_ATTACK,     123,              0,  0, 123, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            57,  59,  0,  8, 10, END_IDLE,             1,              0,  0,   0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            53,  56,  0,  6, 11, END_IDLE,             1,              0,  0,   0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,           105, 107,  0,  6, 12, END_IDLE,            15,              0,  0,   0, 1, 0, 106, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,           108, 111,  0,  8, 13, END_IDLE,            15,              0,  0,   0, 1, 0, 109, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,           127, 129,  0, 12, 14, END_AIR_ATTACK,     129,              0,  0,   0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            SEQ_NO_TWIN,            27,  30,  0,  8, -1, END_HOLD,            30,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_AIR_B,          SEQ_NO_TWIN,            27,  30,  0,  8, -1, END_HOLD,            30,              0,  0,  30, 0, 0,   0, SEQ_STEP_CALM},
    // KEEP: the LOW SWING and its follow-ups idle to key 0, so the next capture blends from
    // the pose held before the swing; the first LOW SWING keeps the second's factor.
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            45,  48,  0,  4,  2, END_IDLE,             0,              0,  0,   0, 1, 0,  46, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_3,        SEQ_NO_TWIN,           150, 153,  0,  5, -1, END_IDLE,             0,              0,  0,   0, 1, 0, 152, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            49,  52,  0,  4,  2, END_IDLE,             0,              0,  0,   0, 1, 0,  50, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            99, 101,  0,  6,  4, END_IDLE,            15,              0,  0,   0, 1, 0, 100, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,           124, 126,  0, 10,  5, END_AIR_ATTACK,     126,              0,  0,   0, 1, 0,   0, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,           112, 120,  0,  6, -1, END_SETTLE,         120,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            61,  69,  0,  8, -1, END_SETTLE_IDLE,     69,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            70,  80,  0,  8, -1, END_SETTLE_IDLE,     80,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,            81,  91,  0,  7, -1, END_SETTLE_IDLE,     91,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,            92,  98,  0, 10, -1, END_HOLD,            98,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_ATALANTA_SPECIAL1,  SEQ_NO_TWIN,           130, 136,  0,  6, 15, END_AIRBORNE_HOLD,  136,              0,  0,   0, 1, 0,   0, 0},
    {ACTION_ATALANTA_SPECIAL2,  SEQ_NO_TWIN,           154, 158,  0,  6, 16, END_SPECIAL,          1,              0,  0,   0, 1, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           137, 142,  0, 20, -1, END_HOLD,           142,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           143, 148,  0, 20, -1, END_HOLD,           148,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           149, 149,  0, -1, -1, END_HOLD,           149,              0, 10,   0, 0, 0,   0, 0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,             0,              0,  0,   0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,             1,              0,  0,   0, 0, 0,   0, 0},
};

static const SeqEvent atalanta_events[] = {
    // action                   when         test              key  event               a   b
    {ACTION_LOW_SWING_3,        SEQ_ON_STEP, SEQ_TO_IS,        151, SEQ_KEY_TICKS,       4, 3},
    {ACTION_KNOCKDOWN,          SEQ_ON_STEP, SEQ_TO_AT_MOST,   116, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_KO,                 SEQ_ON_STEP, SEQ_TO_IS,         96, SEQ_CAMERA_SHAKE,    2, 0},
    // The leap: from key 134 on the control code's jump carries her, and the move may hit
    // once more on the way up; she hangs on her last key until the jump ends.
    {ACTION_ATALANTA_SPECIAL1,  SEQ_ON_STEP, SEQ_FROM_IS,      134, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_ATALANTA_SPECIAL1,  SEQ_ON_STEP, SEQ_FROM_IS,      134, SEQ_AIRBORNE,        0, 0},
};

const CharacterModule atalanta_module = {
    "atalanta",
    "data/atalanta.txt",
    8,                         // body_half_width
    6,                         // body_height
    0.45f,                     // walk_speed
    1,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    atalanta_hit_zones,
    atalanta_load_steps,
    static_cast<int>(std::size(atalanta_load_steps)),
    {atalanta_blocks, static_cast<int>(std::size(atalanta_blocks)), atalanta_events,
     static_cast<int>(std::size(atalanta_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int atalanta_load(int slot, int alt_skin) { return load_character(CHARACTER_ATALANTA, slot, alt_skin); }

void atalanta_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&atalanta_module.sequence, fighter, skeleton, blur);
}
