// Hippolyte: her assets, hit zones and key-frame table. Apollo's solar beam answers her summon
// (pictures only, no summon model); her specials are 1009 and 1015, and she has the LOW SWING
// chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep hippolyte_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "hipolita/hipolita.emd",         nullptr},
    {LOAD_SKELETON,             0, -1,                   "hipolita/hipolita.esq",         nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "hipolita/hipolitablur.esq",     nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/solarbeam.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/beamhit.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/apolo.jpg",              nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/hipolita11.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/hipolita12.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/hipolita13.jpg",    nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGBA,  "hipolita/hipolita_1.tga",       nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "hipolita/hipolita_2.jpg",       "hipolita/hipolita_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "hipolita/hipolita_3.tga",       "hipolita/hipolita_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "hipolita/hipolita_4.jpg",       "hipolita/hipolita_ce4.jpg"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "hipolita/hipolita_5.tga",       "hipolita/hipolita_ce5.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "hipolita/hipolita_bladeblur.tga", nullptr},
};

static const HitZoneRow hippolyte_hit_zones[] = {
    {2048, 1.0f}, {2049, 2.0f}, {2050, 3.0f}, {2055, 1.0f}, {2056, 1.0f}, {2051, 2.0f},
    {2053, 2.0f}, {2057, 3.0f}, {2058, 3.0f}, {2052, 2.0f}, {2054, 2.0f},
};
static_assert(std::size(hippolyte_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first; columns as in Jason's table.
// Her crouching attacks end in the crouch, the Fighter already idle.
static const SeqBlock hippolyte_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                          key  then           in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0,  8,  0, END_NONE,                      0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0,  8,  0, END_NONE,                      0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // KEEP: in the air the step from 20 to 21 replays until the action changes.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 19, -1, END_NONE,                      0,              0,  0, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            17,  17,  0, -1, -1, END_LAND,                     18,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,                     18,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,                     0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,                     0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0, 22,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_STAND,        SEQ_NO_TWIN,            23,  24,  0, 15, -1, END_HOLD,                     24,              0,  2, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND_B,      SEQ_NO_TWIN,            23,  24,  0, 15, -1, END_HOLD,                     24,              0,  4, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0, 25,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  26,  27,  0, 10, -1, END_HOLD,                     27,              0,  4, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,                 29,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    30,  31,  0, 30, -1, END_REACTION,                 31,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            57,  60,  0,  8,  6, END_IDLE,                      1,              0,  0, 0, 1, 0,  59, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            51,  53,  0,  8,  7, END_IDLE,                      1,              0,  0, 0, 1, 0,  52, SEQ_ENTRY_FROM_0},
    // KEEP: the crouching HARD SWING leaves key_to on its last key, not the crouch's.
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            68,  71,  0,  8,  8, END_IDLE,                     71,  ACTION_CROUCH,  0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,            90,  92,  0,  8,  9, END_AIR_ATTACK,               92,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            65,  67,  0,  8, 10, END_IDLE,                      1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            61,  64,  0,  6, 11, END_IDLE,                      1,              0,  0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            78,  80,  0,  6, 12, END_IDLE,                     18,  ACTION_CROUCH,  0, 0, 1, 0,  79, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            81,  86,  0,  6, 13, END_IDLE,                     18,  ACTION_CROUCH,  0, 0, 1, 0,  85, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,            93,  95,  0, 12, 14, END_AIR_ATTACK,               95,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,                     35,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            54,  56,  0,  8,  1, END_IDLE,                      1,              0,  0, 0, 1, 0,  55, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_3,        SEQ_NO_TWIN,           142, 144,  0,  8,  3, END_IDLE,                      1,              0,  0, 0, 1, 0, 143, SEQ_ENTRY_FROM_0},
    // KEEP: the second LOW SWING runs at the first one's factor; her chain was balanced so.
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            72,  74,  0,  8,  1, END_IDLE,                      1,              0,  0, 0, 1, 0,  73, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            75,  77,  0,  8,  4, END_IDLE,                     18,  ACTION_CROUCH,  0, 0, 1, 0,  76, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,            87,  89,  0, 10,  5, END_AIR_ATTACK,               89,              0,  0, 0, 1, 0,  88, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            36,  42,  0, 10, -1, END_SETTLE,                   42,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            43,  50,  0,  8, -1, END_SETTLE,                   50,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            96, 105,  0, 10, -1, END_SETTLE,                  105,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           116, 123,  0, 10, -1, END_HOLD,                    123,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           106, 115,  0,  8, -1, END_SETTLE_IDLE,            115,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           124, 129,  0, 20, -1, END_HOLD,                    129,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           130, 135,  0, 20, -1, END_HOLD,                    135,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           136, 136,  0, -1, -1, END_HOLD,                    136,              0, 10, 0, 0, 0,   0, 0},
    // The leap: she hangs on key 141, renewing its fade and cooldown at every step, until
    // the control code ends her jump.
    {ACTION_HIPPOLYTE_SPECIAL1, SEQ_NO_TWIN,           137, 141,  0,  7, 15, END_AIRBORNE_HOLD,           141,              0,  0, 0, 1, 0, 140, 0},
    {ACTION_HIPPOLYTE_SPECIAL2, SEQ_NO_TWIN,           145, 150,  0,  6, 16, END_SPECIAL_HELD,            150,    ACTION_IDLE,  0, 0, 0, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,                      0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,                      1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent hippolyte_events[] = {
    // action                   when          test              key  event               a   b
    {ACTION_KNOCKDOWN,          SEQ_ON_STEP,  SEQ_TO_AT_MOST,    38, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_STUNNED,            SEQ_ON_STEP,  SEQ_TO_AT_MOST,   113, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    {ACTION_KO,                 SEQ_ON_STEP,  SEQ_TO_IS,        120, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_HIPPOLYTE_SPECIAL1, SEQ_ON_ENTRY, SEQ_ANY_KEY,        0, SEQ_AIRBORNE,        0, 0},
    {ACTION_HIPPOLYTE_SPECIAL1, SEQ_ON_ENTRY, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_HIPPOLYTE_SPECIAL1, SEQ_ON_STEP,  SEQ_FROM_IS,      138, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_HIPPOLYTE_SPECIAL1, SEQ_ON_END,   SEQ_ANY_KEY,        0, SEQ_COOLDOWN,       30, 0},
    // The spin: the step from 148 lasts one tick; every step may hit again, the window
    // itself stays shut (her projectile does the reaching).
    {ACTION_HIPPOLYTE_SPECIAL2, SEQ_ON_STEP,  SEQ_FROM_IS,      148, SEQ_KEY_TICKS,       0, SEQ_NO_RATE},
    {ACTION_HIPPOLYTE_SPECIAL2, SEQ_ON_STEP,  SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_HIPPOLYTE_SPECIAL2, SEQ_ON_STEP,  SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_HIPPOLYTE_SPECIAL2, SEQ_ON_END,   SEQ_ANY_KEY,        0, SEQ_COOLDOWN,       15, 0},
};

const CharacterModule hippolyte_module = {
    "hipolita",
    "data/hippolyte.txt",
    10,                        // body_half_width
    6,                         // body_height
    0.3f,                      // walk_speed
    1,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    hippolyte_hit_zones,
    hippolyte_load_steps,
    static_cast<int>(std::size(hippolyte_load_steps)),
    {hippolyte_blocks, static_cast<int>(std::size(hippolyte_blocks)), hippolyte_events,
     static_cast<int>(std::size(hippolyte_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int hippolyte_load(int slot, int alt_skin) { return load_character(CHARACTER_HIPPOLYTE, slot, alt_skin); }

void hippolyte_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&hippolyte_module.sequence, fighter, skeleton, blur);
}
