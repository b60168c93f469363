// Jason: his assets, hit zones and key-frame table. Demeter answers his summon; his specials
// are 1001 and 1002, and he has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

// He loads Demeter before his own skeletons.
static const LoadStep jason_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,              0, -1,                   "jason/jason.emd",             nullptr},
    {LOAD_SUMMON_MODEL,       4, -1,                   "divine/gaia.emd",             nullptr},
    {LOAD_SUMMON_SKELETON,    0, -1,                   "divine/gaia.esq",             nullptr},
    {LOAD_DIVINE_TEXTURE,     0, TEXTURE_MIPMAP_RGB,   "divine/gaia.jpg",             nullptr},
    {LOAD_DIVINE_TEXTURE,     1, TEXTURE_MIPMAP_RGB,   "divine/shockwave.jpg",        nullptr},
    {LOAD_DIVINE_TEXTURE,     2, TEXTURE_MIPMAP_RGB,   "divine/demeter.jpg",          nullptr},
    {LOAD_SKELETON,           0, -1,                   "jason/jason.esq",             nullptr},
    {LOAD_BLUR_SKELETON,      0, -1,                   "jason/jasonblur.esq",         nullptr},
    {LOAD_SKIN,               0, TEXTURE_MIPMAP_RGBA,  "jason/jason_1.tga",           "jason/jason_ce1.tga"},
    {LOAD_SKIN,               1, TEXTURE_MIPMAP_RGB,   "jason/jason_2.jpg",           "jason/jason_ce2.jpg"},
    {LOAD_SKIN,               2, TEXTURE_MIPMAP_RGBA,  "jason/jason_3.tga",           "jason/jason_ce3.tga"},
    {LOAD_SKIN,               3, TEXTURE_MIPMAP_RGB,   "jason/jason_ce4.jpg",         nullptr},
    {LOAD_BLADE_BLUR,         0, TEXTURE_CLAMP_RGBA,   "jason/jason_bladeblur.tga",   nullptr},
};

static const HitZoneRow jason_hit_zones[] = {
    {1835, 1.0f}, {1838, 2.0f}, {1839, 3.0f}, {1836, 1.0f}, {1837, 1.0f}, {1840, 2.0f},
    {1841, 2.0f}, {1842, 2.0f}, {1843, 2.0f}, {1844, 2.0f}, {1845, 2.0f},
};
static_assert(std::size(jason_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first. Columns: the action and the one
// sharing its row; keys lo to hi and the step limit (to); key ticks and their anim_rate factor
// (rt); the end past hi, its key and the skeleton's action then; the entry's ticks (in) and key
// (at); the window raised on the first step (w1) and each later one (w+), shut above key w0.
static const SeqBlock jason_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end              key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 10,  0, END_NONE,          0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0, 10,  0, END_NONE,          0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // KEEP: the jump steps only to key 22 but would wrap above it, so in the air the
    // step from 21 to 22 replays until the action changes.
    {ACTION_JUMP,               SEQ_NO_TWIN,            20,  22, 21, 20, -1, END_NONE,          0,              0,  0, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_LAND,         19,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            19,  19,  0, -1, -1, END_HOLD,         19,              0,  4, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,         0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,         0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            23,  23,  0, -1, -1, END_HOLD,         23,              0,  8, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   24,  25,  0, 15, -1, END_HOLD,         25,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            29,  29,  0, -1, -1, END_HOLD,         29,              0,  8, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  30,  31,  0, 15, -1, END_HOLD,         31,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     32,  33,  0, 30, -1, END_REACTION,     33,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    34,  35,  0, 30, -1, END_REACTION,     35,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            54,  57,  0,  8,  6, END_IDLE,          1,              0,  0, 0, 1, 0,  56, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            61,  64,  0,  8,  7, END_IDLE,          1,              0,  0, 0, 1, 1,  63, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            73,  77,  0,  6,  8, END_IDLE,         19,              0,  0, 0, 0, 1,  76, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,            98, 100,  0,  8,  9, END_AIR_ATTACK,  100,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            82,  85,  0,  8, 10, END_IDLE,          1,              0,  0, 0, 1, 0,  83, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            78,  82,  0,  8, 11, END_IDLE,          1,              0,  0, 0, 0, 1,  80, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            90,  93,  0,  4, 12, END_IDLE,         19,              0,  0, 0, 1, 0,  92, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            86,  89,  0, 10, 13, END_IDLE,         19,              0,  0, 0, 1, 0,  87, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,           101, 103,  0, 12, 14, END_AIR_ATTACK,  103,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,      104, 107,  0,  8, -1, END_HOLD,        107,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            58,  60,  0,  8,  1, END_IDLE,          1,              0,  0, 0, 1, 0,  59, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_3,        SEQ_NO_TWIN,           164, 167,  0,  4,  3, END_IDLE,          1,              0,  0, 0, 1, 0, 166, SEQ_ENTRY_FROM_0},
    // KEEP: the second LOW SWING idles to key 68 and enters without clearing key_from;
    // the chain's timing was balanced with it.
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            65,  67,  0,  8,  2, END_IDLE,         68,              0,  0, 0, 1, 0,  66, 0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            70,  72,  0,  8,  4, END_IDLE,         19,              0,  0, 0, 1, 0,  71, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,            95,  97,  0, 10,  5, END_AIR_ATTACK,   97,              0,  0, 0, 1, 0,  96, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            47,  53,  0, 10, -1, END_SETTLE,       53,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            38,  46,  0,  8, -1, END_SETTLE,       46,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,           108, 117,  0, 10, -1, END_SETTLE,      117,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           133, 142,  0,  8, -1, END_SETTLE_IDLE, 142,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_JASON_SPECIAL1,     SEQ_NO_TWIN,           118, 123,  0,  8, 15, END_SPECIAL,       1,              0,  0, 0, 0, 1, 121, 0},
    {ACTION_JASON_SPECIAL2,     SEQ_NO_TWIN,           124, 132,  0,  6, 16, END_SPECIAL,       1,              0,  0, 0, 1, 1, 131, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           143, 150,  0, 10, -1, END_HOLD,        150,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           151, 156,  0, 16, -1, END_HOLD,        156,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           157, 162,  0, 16, -1, END_HOLD,        162,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           163, 163,  0, -1, -1, END_HOLD,        163,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,          0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,          1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent jason_events[] = {
    // action                 when         test              key  event               a   b
    {ACTION_KNOCKDOWN,        SEQ_ON_STEP, SEQ_TO_AT_MOST,    49, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_STUNNED,          SEQ_ON_STEP, SEQ_TO_AT_MOST,   140, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    // Two re-arms: a connecting second special hits up to three times.
    {ACTION_JASON_SPECIAL2,   SEQ_ON_STEP, SEQ_FROM_IS,      127, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_JASON_SPECIAL2,   SEQ_ON_STEP, SEQ_FROM_IS,      130, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_KO,               SEQ_ON_STEP, SEQ_TO_IS,        147, SEQ_CAMERA_SHAKE,    2, 0},
};

const CharacterModule jason_module = {
    "jason",
    "data/jason.txt",
    8,                         // body_half_width
    6,                         // body_height
    0.3f,                      // walk_speed
    1,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    jason_hit_zones,
    jason_load_steps,
    static_cast<int>(std::size(jason_load_steps)),
    {jason_blocks, static_cast<int>(std::size(jason_blocks)), jason_events,
     static_cast<int>(std::size(jason_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int jason_load(int slot, int alt_skin) { return load_character(CHARACTER_JASON, slot, alt_skin); }

void jason_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&jason_module.sequence, fighter, skeleton, blur);
}
