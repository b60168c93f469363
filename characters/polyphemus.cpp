// Polyphemus: his assets, hit zones and key-frame table. Poseidon's wave answers his summon;
// his specials are 1010 and 1018 (the stomp, which leaves a shock standing on the ground).
#include "characters/characters.h"

#include <iterator>

static const LoadStep polyphemus_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "polifemo/polifemo.emd",         nullptr},
    {LOAD_SKELETON,             0, -1,                   "polifemo/polifemo.esq",         nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "polifemo/polifemoblur.esq",     nullptr},
    {LOAD_SUMMON_MODEL,         0, -1,                   "divine/wave.emd",               nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/wave.esq",               nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/wave1.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/wave2.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/poseidon.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGB,   "divine/wave3.jpg",              nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/polifemo11.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/polifemo12.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/polifemo13.jpg",    nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_1.jpg",       nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_2.jpg",       "polifemo/polifemo_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_3.jpg",       "polifemo/polifemo_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "polifemo/polifemo_4.tga",       "polifemo/polifemo_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_5.jpg",       "polifemo/polifemo_ce5.jpg"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "polifemo/polifemo_bladeblur.tga", nullptr},
};

static const HitZoneRow polyphemus_hit_zones[] = {
    {1672, 2.0f}, {1675, 4.0f}, {1676, 4.0f}, {1673, 3.0f}, {1674, 3.0f}, {1677, 4.0f},
    {1678, 4.0f}, {1681, 8.0f}, {1682, 8.0f}, {1679, 8.0f}, {1680, 8.0f},
};
static_assert(std::size(polyphemus_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first; columns as in Jason's table.
static const SeqBlock polyphemus_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                                key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 18,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0, 18,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21,  0, 20, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            17,  17,  0, -1, -1, END_LAND,                           18,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,                           18,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            23,  23,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      23,              0,  8, 0, 0, 0,   0, 0},
    // His two stand blocks share their keys but not their times.
    {ACTION_BLOCK_STAND,        SEQ_NO_TWIN,            23,  24,  0, 10, -1, END_HOLD,                           24,              0,  4, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND_B,      SEQ_NO_TWIN,            23,  24,  0, 15, -1, END_HOLD,                           24,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      25,              0,  4, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  26,  27,  0, 10, -1, END_HOLD,                           27,              0,  4, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,                       29,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    30,  31,  0, 30, -1, END_REACTION,                       31,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    // KEEP: the hard swing opens its window two wide and keeps it open up to its idle.
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            83,  86,  0, 10,  6, END_IDLE,                            1,              0,  0, 0, 2, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            87,  90,  0,  8,  7, END_IDLE,                            1,              0,  0, 0, 1, 0,  89, SEQ_ENTRY_FROM_0},
    // The crouching attacks end in plain idle, only on the crouch's key.
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,           104, 107,  0,  7,  8, END_IDLE,                           18,              0,  0, 0, 0, 1, 106, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,           111, 113,  0,  8,  9, END_AIR_ATTACK,                    113,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            91,  93,  0, 10, 10, END_IDLE,                            1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            94,  97,  0, 10, 11, END_IDLE,                            1,              0,  0, 0, 0, 1,  96, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            98, 100,  0, 12, 12, END_IDLE,                           18,              0,  0, 0, 1, 0,  99, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,           108, 110,  0, 14, 13, END_IDLE,                           18,              0,  0, 0, 1, 0, 109, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,           117, 119,  0,  8, 14, END_AIR_ATTACK,                    119,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,                           35,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            80,  82,  0, 12,  1, END_IDLE,                            1,              0,  0, 0, 1, 0,  81, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            77,  79,  0, 10,  2, END_IDLE,                            1,              0,  0, 0, 1, 0,  78, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,           101, 103,  0, 12,  4, END_IDLE,                           18,              0,  0, 0, 1, 0, 102, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,           114, 116,  0,  8,  5, END_AIR_ATTACK,                    116,              0,  0, 0, 1, 0, 115, SEQ_ENTRY_FROM_0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            36,  42,  0,  8, -1, END_SETTLE,                         42,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            43,  50,  0,  8, -1, END_SETTLE,                         50,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            68,  76,  0, 10, -1, END_SETTLE,                         76,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,            51,  59,  0,  8, -1, END_SETTLE_IDLE,                    59,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,            60,  67,  0, 10, -1, END_HOLD,                           67,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           120, 124,  0, 40, -1, END_HOLD,                          124,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           125, 129,  0, 40, -1, END_HOLD,                          129,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           130, 130,  0, -1, -1, END_HOLD,                          130,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_POLYPHEMUS_SPECIAL1, SEQ_NO_TWIN,          131, 133,  0, 12, 15, END_SPECIAL,                         1,              0,  0, 0, 1, 0, 132, 0},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_NO_TWIN,          134, 138,  0, 35, 16, END_SPECIAL_HELD,                  138,              0,  0, 0, 0, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,                            1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent polyphemus_events[] = {
    // action                    when         test              key  event               a         b
    {ACTION_HARD_SWING_FORWARD,  SEQ_ON_STEP, SEQ_FROM_IS,       89, SEQ_KEY_TICKS,      12,        SEQ_NO_RATE},
    {ACTION_KO,                  SEQ_ON_STEP, SEQ_TO_IS,         64, SEQ_CAMERA_SHAKE,    4,        0},
    // The stomp: quick steps that may hit at each, then the long one that leaves the shock.
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_AT_MOST,  136, SEQ_KEY_TICKS,       6,        16},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0,        0},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0,        0},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      137, SEQ_LAUNCH,          0,        0},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      137, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      137, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_POLYPHEMUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      137, SEQ_CAMERA_SHAKE,    2,        0},
};

// The stomp's shock stands where it was placed and fades.
static const SeqLaunch polyphemus_launches[] = {
    // move                       kind              flat set ahead  height size                  speed rate         decay
    {ACTION_POLYPHEMUS_SPECIAL2, PROJECTILE_STILL, 1,   0,  17.0f, 14.5f, {10.0f, 15.0f, 20.0f}, 0.0f, SEQ_NO_RATE, 0.025f},
};

const CharacterModule polyphemus_module = {
    "polifemo",
    "data/polyphemus.txt",
    12,                        // body_half_width
    6,                         // body_height
    0.15f,                     // walk_speed
    0,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    polyphemus_hit_zones,
    polyphemus_load_steps,
    static_cast<int>(std::size(polyphemus_load_steps)),
    {polyphemus_blocks, static_cast<int>(std::size(polyphemus_blocks)), polyphemus_events,
     static_cast<int>(std::size(polyphemus_events)), polyphemus_launches,
     static_cast<int>(std::size(polyphemus_launches)), {0, 0, 0, 0, 0}},
};

int polyphemus_load(int slot, int alt_skin) { return load_character(CHARACTER_POLYPHEMUS, slot, alt_skin); }

void polyphemus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&polyphemus_module.sequence, fighter, skeleton, blur);
}
