// Ares: his assets and hit zones. Phobos and Deimos answer his summon; his specials 1008 and 1022
// throw. He has no default walk speed: his speed is his tuning file's.
#include "characters/characters.h"

#include <iterator>

static const LoadStep ares_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "ares/ares.emd",                 nullptr},
    {LOAD_SKELETON,             0, -1,                   "ares/ares.esq",                 nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "ares/aresblur.esq",             nullptr},
    {LOAD_SUMMON_MODEL,        10, -1,                   "divine/fobos.emd",              nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/fobos.esq",              nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/fobos.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/fobos.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/fobos_deimos.jpg",       nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/ares11.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/ares12.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/ares13.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   3, TEXTURE_CLAMP_RGB,    "proyectiles/ares21.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   4, TEXTURE_CLAMP_RGB,    "proyectiles/ares22.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   5, TEXTURE_CLAMP_RGB,    "proyectiles/ares23.jpg",        nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "ares/ares_1.jpg",               "ares/ares_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "ares/ares_2.jpg",               "ares/ares_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "ares/ares_3.tga",               "ares/ares_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "ares/ares_4.tga",               "ares/ares_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "ares/ares_5.tga",               "ares/ares_ce5.tga"},
    {LOAD_SKIN,                 5, TEXTURE_MIPMAP_RGBA,  "ares/ares_6.tga",               "ares/ares_ce6.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "ares/ares_bladeblur.tga",       nullptr},
};

static const HitZoneRow ares_hit_zones[] = {
    {1812, 1.0f}, {1821, 2.0f}, {1815, 3.0f}, {1813, 1.0f}, {1814, 1.0f}, {1818, 2.0f},
    {1816, 2.0f}, {1820, 3.0f}, {1822, 3.0f}, {1817, 2.0f}, {1819, 2.0f},
};
static_assert(std::size(ares_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first (columns as in Jason's table). He
// tests the petrified pose early, right after the crouch; his dashes keep his attack state.
static const SeqBlock ares_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                 key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 14,  0, END_NONE,             0,              0, 10,   0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0, 14,  0, END_NONE,             0,              0, 10,   0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // In the air the step from 20 to 21 replays until the action changes.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 20, -1, END_NONE,             0,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            16,  16,  0, -1, -1, END_LAND,            17,              0,  2,   0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,            18,              0, 10,   0, 0, 0,   0, 0},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,             1,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,            0, ACTION_LANDING, 10,   0, 0, 0,   0, 0},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,            0, ACTION_LANDING, 10,   0, 0, 0,   0, 0},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD,            22,              0,  8,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   23,  24,  0, 15, -1, END_HOLD,            24,              0, 15,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD,            25,              0,  8,   0, 0, 0,   0, SEQ_STEP_CALM},
    // KEEP: the crouching block blends to its last key, then steps from its first to it.
    {ACTION_BLOCK_CROUCH,       SEQ_NO_TWIN,            26,  27,  0, 15, -1, END_HOLD,            27,              0, 15,  27, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_CROUCH_B,     SEQ_NO_TWIN,            26,  27,  0, 15, -1, END_HOLD,            27,              0, 15,   0, 0, 0,   0, SEQ_STEP_CALM},
    // His hit reactions hold their last key even while a god's power runs.
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_HOLD,            29,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         SEQ_NO_TWIN,            30,  31,  0, 30, -1, END_HOLD,            31,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH_B,       SEQ_NO_TWIN,            30,  31,  0, 30, -1, END_HOLD,            31,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM | SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            36,  39,  0, 12,  7, END_IDLE,             1,              0,  0,   0, 1, 0,  38, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            40,  43,  0, 12,  6, END_IDLE,             1,              0,  0,   0, 1, 0,  41, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            60,  63,  0, 10,  8, END_IDLE,            18,              0,  0,   0, 1, 1,  62, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,            86,  88,  0,  8,  9, END_AIR_ATTACK,      88,              0,  0,   0, 1, 0,   0, 0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            64,  68,  0,  6, 11, END_IDLE,             1,              0,  0,   0, 0, 1,  68, SEQ_ENTRY_FROM_0},
    {ACTION_KICK,               SEQ_NO_TWIN,            44,  48,  0,  4, 10, END_IDLE,             1,              0,  0,   0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            96,  98,  0,  6, 12, END_IDLE,            18,              0,  0,   0, 1, 0,  97, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            89,  92,  0,  8, 13, END_IDLE,            18,              0,  0,   0, 1, 0,  91, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,            93,  95,  0, 12, 14, END_AIR_ATTACK,      95,              0,  0,   0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,            35,              0,  0,   0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            53,  55,  0, 10,  1, END_IDLE,             1,              0,  0,   0, 1, 0,  54, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            49,  51,  0,  8,  2, END_IDLE,             1,              0,  0,   0, 1, 0,  50, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            56,  58,  0,  6,  4, END_IDLE,            18,              0,  0,   0, 1, 0,  57, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,            83,  85,  0,  8,  5, END_AIR_ATTACK,      85,              0,  0,   0, 1, 0,  84, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            69,  74,  0, 10, -1, END_SETTLE,          74,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            75,  82,  0,  8, -1, END_SETTLE,          82,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            99, 108,  0, 10, -1, END_SETTLE,         108,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           119, 126,  0, 10, -1, END_HOLD,           126,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           109, 118,  0,  8, -1, END_SETTLE_IDLE,    118,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           127, 131,  0, 20, -1, END_HOLD,           131,              0,  0,   0, 0, 0,   0, 0},
    // KEEP: the second victory enters at the first victory's last key and steps on from 132.
    {ACTION_WIN_2,              SEQ_NO_TWIN,           131, 136,  0, 20, -1, END_HOLD,           136,              0,  0,   0, 0, 0,   0, SEQ_FIRST_PAST_LO},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           140, 140,  0, -1, -1, END_HOLD,           140,              0, 10,   0, 0, 0,   0, 0},
    // KEEP: both specials end on the pair their last step left (past their keys), not on key 1;
    // the planted one restarts the call, the thrown one enters idle a call later.
    {ACTION_ARES_SPECIAL1,      SEQ_NO_TWIN,           149, 152,  0, 10, 15, END_SPECIAL_IN_PLACE, 0,              0,  0,   0, 0, 0,   0, 0},
    {ACTION_ARES_SPECIAL2,      SEQ_NO_TWIN,           145, 148,  0, 12, 16, END_SPECIAL_IN_PLACE_LATE, 0,         0,  0,   0, 0, 0,   0, 0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,             0,              0,  0,   0, 0, 0,   0, SEQ_LOOP},
};

// The specials strike through their projectiles, never through his body: their windows stay
// shut, and every step re-arms the hit.
static const SeqEvent ares_events[] = {
    // action                 when         test              key  event               a   b
    {ACTION_KICK_FORWARD,     SEQ_ON_STEP, SEQ_FROM_ABOVE,    67, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_KNOCKDOWN,        SEQ_ON_STEP, SEQ_TO_AT_MOST,    71, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_KO,               SEQ_ON_STEP, SEQ_TO_IS,        123, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_STUNNED,          SEQ_ON_STEP, SEQ_TO_AT_MOST,   117, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    {ACTION_ARES_SPECIAL1,    SEQ_ON_STEP, SEQ_FROM_ABOVE,   150, SEQ_KEY_TICKS,      40, 15},
    {ACTION_ARES_SPECIAL1,    SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_ARES_SPECIAL1,    SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_ARES_SPECIAL1,    SEQ_ON_STEP, SEQ_FROM_IS,      151, SEQ_LAUNCH,          0, 0},
    {ACTION_ARES_SPECIAL1,    SEQ_ON_STEP, SEQ_FROM_IS,      151, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_ARES_SPECIAL2,    SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_ARES_SPECIAL2,    SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_ARES_SPECIAL2,    SEQ_ON_STEP, SEQ_FROM_IS,      147, SEQ_LAUNCH,          1, 0},
};

// The planted pillar of texture set 3 stands where it was placed; the bolt of set 0 flies.
static const SeqLaunch ares_launches[] = {
    // move                 kind                 flat set ahead height size                  speed rate decay
    {ACTION_ARES_SPECIAL1,  PROJECTILE_STILL,    1,   3,  8.0f, 14.0f, {9.0f, 14.0f, 16.0f}, 0.0f, SEQ_NO_RATE, 0.025f},
    {ACTION_ARES_SPECIAL2,  PROJECTILE_STRAIGHT, 1,   0,  5.0f, 11.0f, {6.0f, 6.0f, 7.0f},   0.6f, 16,          0.025f},
};

const CharacterModule ares_module = {
    "ares",
    "data/ares.txt",
    8,                         // body_half_width
    6,                         // body_height
    NO_WALK_SPEED,             // walk_speed
    0,                         // has_followups
    6,                         // projectile_texture_total
    nullptr,                   // tuning_log
    ares_hit_zones,
    ares_load_steps,
    static_cast<int>(std::size(ares_load_steps)),
    {ares_blocks, static_cast<int>(std::size(ares_blocks)), ares_events,
     static_cast<int>(std::size(ares_events)), ares_launches, static_cast<int>(std::size(ares_launches)),
     {0, 0, 0, 0, 0}},
};

int ares_load(int slot, int alt_skin) { return load_character(CHARACTER_ARES, slot, alt_skin); }

void ares_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&ares_module.sequence, fighter, skeleton, blur);
}
