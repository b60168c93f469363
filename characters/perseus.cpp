// Perseus: his assets, hit zones and key-frame table. Zeus' lightning answers his summon; his
// specials are 1006 and 1007, and he has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep perseus_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "perseo/perseo.emd",             nullptr},
    {LOAD_SKELETON,             0, -1,                   "perseo/perseo.esq",             nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "perseo/perseoblur.esq",         nullptr},
    {LOAD_SUMMON_MODEL,         3, -1,                   "divine/rayos.emd",              nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/rayos.esq",              nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/electro1.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/electro2.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/zeus.jpg",               nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGB,   "divine/electric_joint.jpg",     nullptr},
    {LOAD_DIVINE_TEXTURE,       4, TEXTURE_MIPMAP_RGB,   "divine/nubes2.jpg",             nullptr},
    {LOAD_DIVINE_TEXTURE,       5, TEXTURE_MIPMAP_RGB,   "divine/nubes.jpg",              nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "perseo/perseo_2.jpg",           nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "perseo/perseo_1.jpg",           "perseo/perseo_ce1.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "perseo/perseo_3.tga",           "perseo/perseo_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "perseo/perseo_4.jpg",           "perseo/perseo_ce4.jpg"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "perseo/perseo_5.tga",           "perseo/perseo_ce5.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "perseo/perseo_bladeblur.tga",   nullptr},
};

static const HitZoneRow perseus_hit_zones[] = {
    {1983, 1.0f}, {1984, 2.0f}, {1985, 3.0f}, {1990, 1.0f}, {1991, 1.0f}, {1986, 2.0f},
    {1988, 2.0f}, {1993, 6.0f}, {1992, 3.0f}, {1987, 2.5f}, {1989, 2.5f},
};
static_assert(std::size(perseus_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first; columns as in Jason's table.
// His crouching attacks end in the crouch (key 18), the Fighter already idle.
static const SeqBlock perseus_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                  key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0,  8,  0, END_NONE,              0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0,  8,  0, END_NONE,              0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // KEEP: in the air the step from 20 to 21 replays until the action changes.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 19, -1, END_NONE,              0,              0,  0, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            17,  17,  0, -1, -1, END_LAND,             18,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,             18,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,             0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,             0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD,             22,              0,  8, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   23,  24,  0, 15, -1, END_HOLD,             24,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD,             25,              0,  8, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  26,  27,  0, 15, -1, END_HOLD,             27,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,         29,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    30,  31,  0, 30, -1, END_REACTION,         31,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            46,  49,  0,  7,  6, END_IDLE,              1,              0,  0, 0, 1, 0,  48, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            42,  45,  0,  6,  7, END_IDLE,              1,              0,  0, 0, 0, 1,  44, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,           100, 103,  0,  8,  8, END_IDLE,             18,  ACTION_CROUCH,  0, 0, 1, 0, 102, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,           104, 107,  0,  5,  9, END_AIR_ATTACK,      107,              0,  0, 0, 1, 0, 106, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            83,  85,  0,  8, 10, END_IDLE,              1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            86,  89,  0,  6, 11, END_IDLE,              1,              0,  0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            93,  95,  0,  6, 12, END_IDLE,             18,  ACTION_CROUCH,  0, 0, 1, 0,  94, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            96,  99,  0,  8, 13, END_IDLE,             18,  ACTION_CROUCH,  0, 0, 1, 0,  98, SEQ_ENTRY_FROM_0},
    // KEEP: his airborne kick runs at a constant rate, not at a tuning factor.
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,           111, 113,  0, 10, -1, END_AIR_ATTACK,      113,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,             35,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            36,  38,  0,  6,  1, END_IDLE,              1,              0,  0, 0, 1, 0,  37, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_3,        SEQ_NO_TWIN,           156, 159,  0,  6,  3, END_IDLE,              1,              0,  0, 0, 1, 0, 158, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            39,  41,  0,  6,  2, END_IDLE,              1,              0,  0, 0, 1, 0,  40, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            90,  92,  0, 10,  4, END_IDLE,             18,  ACTION_CROUCH,  0, 0, 1, 0,  91, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,           108, 110,  0,  8,  5, END_AIR_ATTACK,      110,              0,  0, 0, 1, 0, 109, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            58,  65,  0,  6, -1, END_SETTLE,           65,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            50,  57,  0,  8, -1, END_SETTLE,           57,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            66,  74,  0, 10, -1, END_SETTLE,           74,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,            75,  82,  0, 10, -1, END_HOLD,             82,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           114, 122,  0,  6, -1, END_SETTLE_IDLE,     122,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           123, 132,  0, 10, -1, END_HOLD,            132,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           133, 142,  0, 10, -1, END_HOLD,            142,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           143, 143,  0, -1, -1, END_HOLD,            143,              0, 10, 0, 0, 0,   0, 0},
    // The first special leaves the Fighter's action to the idle block's first step.
    {ACTION_PERSEUS_SPECIAL1,   SEQ_NO_TWIN,           144, 150,  0,  6, 15, END_SPECIAL_SKELETON, 150,    ACTION_IDLE,  0, 0, 1, 0,   0, 0},
    {ACTION_PERSEUS_SPECIAL2,   SEQ_NO_TWIN,           151, 155,  0,  6, 16, END_AIRBORNE_HOLD,   155,              0,  0, 0, 1, 0, 154, 0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,              0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,              1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent perseus_events[] = {
    // action                   when          test              key  event               a   b
    {ACTION_KICK_FORWARD,       SEQ_ON_STEP,  SEQ_TO_IS,         87, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_KO,                 SEQ_ON_STEP,  SEQ_TO_IS,         80, SEQ_CAMERA_SHAKE,    2, 0},
    // A second hit for the first special.
    {ACTION_PERSEUS_SPECIAL1,   SEQ_ON_STEP,  SEQ_FROM_IS,      147, SEQ_HIT_LOCK_CLEAR,  0, 0},
    // The second special takes him into the air from its entry, where the control code's
    // jump carries him; it may hit twice and hangs on its last key until the jump ends.
    {ACTION_PERSEUS_SPECIAL2,   SEQ_ON_ENTRY, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_PERSEUS_SPECIAL2,   SEQ_ON_ENTRY, SEQ_ANY_KEY,        0, SEQ_AIRBORNE,        0, 0},
    {ACTION_PERSEUS_SPECIAL2,   SEQ_ON_STEP,  SEQ_FROM_IS,      151, SEQ_ATTACK_STATE,    1, 0},
    {ACTION_PERSEUS_SPECIAL2,   SEQ_ON_STEP,  SEQ_FROM_IS,      153, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_PERSEUS_SPECIAL2,   SEQ_ON_STEP,  SEQ_FROM_ABOVE,   153, SEQ_ATTACK_STATE,    0, 0},
    {ACTION_PERSEUS_SPECIAL2,   SEQ_ON_STEP,  SEQ_FROM_ABOVE,   153, SEQ_WINDOW_CLEAR,    0, 0},
};

const CharacterModule perseus_module = {
    "perseo",
    "data/perseus.txt",
    9,                         // body_half_width
    6,                         // body_height
    0.35f,                     // walk_speed
    1,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    perseus_hit_zones,
    perseus_load_steps,
    static_cast<int>(std::size(perseus_load_steps)),
    {perseus_blocks, static_cast<int>(std::size(perseus_blocks)), perseus_events,
     static_cast<int>(std::size(perseus_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int perseus_load(int slot, int alt_skin) { return load_character(CHARACTER_PERSEUS, slot, alt_skin); }

void perseus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&perseus_module.sequence, fighter, skeleton, blur);
}
