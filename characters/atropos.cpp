// Atropos: her assets and hit zones. The Moirai's thread answers her summon (a model without a
// skeleton); her specials are 1013 and 1021, and she has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep atropos_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "atropo/atropo.emd",             nullptr},
    {LOAD_SKELETON,             0, -1,                   "atropo/atropo.esq",             nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "atropo/atropoblur.esq",         nullptr},
    {LOAD_SUMMON_MODEL,        11, -1,                   "divine/hilo.emd",               nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/hilo.jpg",               nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/hilo_destello.jpg",      nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/moiras.jpg",             nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "atropo/atropo_1.jpg",           nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "atropo/atropo_2.jpg",           "atropo/atropo_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "atropo/atropo_3.tga",           "atropo/atropo_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "atropo/atropo_4.tga",           "atropo/atropo_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGB,   "atropo/atropo_5.jpg",           "atropo/atropo_ce5.jpg"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "atropo/atropo_bladeblur.tga",   nullptr},
};

static const HitZoneRow atropos_hit_zones[] = {
    {1465, 1.0f}, {1466, 2.0f}, {1467, 3.0f}, {1468, 1.0f}, {1469, 1.0f}, {1470, 2.0f},
    {1471, 2.0f}, {2033, 3.0f}, {2032, 2.0f}, {1472, 2.0f}, {1473, 2.0f},
};
static_assert(std::size(atropos_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Her crouching heavy swing ends crouched on its own last key rather than the crouch key.
constexpr u16 ATROPOS_CROUCH_SWING_END = END_HOLD | END_SKELETON_ACTION | END_FIGHTER_ACTION_0 |
                                         END_ATTACK_STATE_0 | END_DISARM;

// Blocks in the order they are tested, the idle block first (columns as in Jason's table).
static const SeqBlock atropos_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                       key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0,  8,  0, END_NONE,                   0,              0, 10,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0,  8,  0, END_NONE,                   0,              0, 10,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // In the air the step from 20 to 21 replays until the action changes.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 19, -1, END_NONE,                   0,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            17,  17,  0, -1, -1, END_LAND,                  18,              0,  2,  0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,                  18,              0, 10,  0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,                  0, ACTION_LANDING, 10,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,                  0, ACTION_LANDING, 10,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD,                  22,              0,  8,  0, 0, 0,   0, SEQ_STEP_CALM},
    // The two standing blocks share their keys but not their blend: the second comes in slower.
    {ACTION_BLOCK_STAND,        SEQ_NO_TWIN,            23,  24,  0, 15, -1, END_HOLD,                  24,              0,  2,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND_B,      SEQ_NO_TWIN,            23,  24,  0, 15, -1, END_HOLD,                  24,              0,  4,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD,                  25,              0,  8,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  26,  27,  0, 10, -1, END_HOLD,                  27,              0,  4,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,              29,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    30,  31,  0, 30, -1, END_REACTION,              31,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            57,  60,  0,  8,  6, END_IDLE,                   1,              0,  0,  0, 1, 0,  59, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            51,  53,  0,  8,  7, END_IDLE,                   1,              0,  0,  0, 1, 0,  52, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            68,  71,  0,  8,  8, ATROPOS_CROUCH_SWING_END,  71, ACTION_CROUCH,   0,  0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,            90,  92,  0,  8,  9, END_AIR_ATTACK,            92,              0,  0,  0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            65,  67,  0,  6, 10, END_IDLE,                   1,              0,  0,  0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            61,  64,  0,  6, 11, END_IDLE,                   1,              0,  0,  0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            78,  80,  0,  6, 12, END_IDLE,                  18, ACTION_CROUCH,   0,  0, 1, 0,  79, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            81,  86,  0,  8, 13, END_IDLE,                  18, ACTION_CROUCH,   0,  0, 1, 0,  85, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,            93,  95,  0, 12, 14, END_AIR_ATTACK,            95,              0,  0,  0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,                  35,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            54,  56,  0,  8,  1, END_IDLE,                   1,              0,  0,  0, 1, 0,  55, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_3,        SEQ_NO_TWIN,           145, 147,  0,  8,  3, END_IDLE,                   1,              0,  0,  0, 1, 0, 146, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            72,  74,  0,  8,  2, END_IDLE,                   1,              0,  0,  0, 1, 0,  73, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            75,  77,  0,  8,  4, END_IDLE,                  18, ACTION_CROUCH,   0,  0, 1, 0,  76, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,            87,  89,  0, 10,  5, END_AIR_ATTACK,            89,              0,  0,  0, 1, 0,  88, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            36,  42,  0, 10, -1, END_SETTLE,                42,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            43,  50,  0,  8, -1, END_SETTLE,                50,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            96, 105,  0, 10, -1, END_SETTLE,               105,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           116, 123,  0, 10, -1, END_HOLD,                 123,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           106, 115,  0,  8, -1, END_SETTLE_IDLE,          115,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           124, 130,  0, 20, -1, END_HOLD,                 130,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           131, 137,  0, 20, -1, END_HOLD,                 137,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           138, 138,  0, -1, -1, END_HOLD,                 138,              0, 10,  0, 0, 0,   0, 0},
    // The leap never ends here: she hangs on its last key until the motion code lands her.
    {ACTION_ATROPOS_SPECIAL1,   SEQ_NO_TWIN,           160, 166,  0,  5, 15, END_AIRBORNE_HOLD,        166,              0,  0,  0, 0, 1,   0, 0},
    // KEEP: the cut ends on the pair its last step left (154, 155; key 155 is no block's),
    // not on key 1; the restart captures that pose for the idle entry in the same call.
    {ACTION_ATROPOS_SPECIAL2,   SEQ_NO_TWIN,           148, 154,  0,  8, 16, END_SPECIAL_IN_PLACE,       0,              0,  0,  0, 1, 1,   0, 0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,                   0,              0,  0,  0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,                   1,              0,  0,  0, 0, 0,   0, 0},
};

static const SeqEvent atropos_events[] = {
    // action                 when         test              key  event               a   b
    {ACTION_KICK,             SEQ_ON_STEP, SEQ_FROM_ABOVE,    66, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_KNOCKDOWN,        SEQ_ON_STEP, SEQ_TO_AT_MOST,    38, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_KO,               SEQ_ON_STEP, SEQ_TO_IS,        120, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_STUNNED,          SEQ_ON_STEP, SEQ_TO_AT_MOST,   113, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    // Her second step leaves the ground; the motion code carries her from there.
    {ACTION_ATROPOS_SPECIAL1, SEQ_ON_STEP, SEQ_FROM_IS,      161, SEQ_AIRBORNE,        0, 0},
    // One re-arm: the cut may hit twice.
    {ACTION_ATROPOS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      151, SEQ_HIT_LOCK_CLEAR,  0, 0},
};

const CharacterModule atropos_module = {
    "atropo",
    "data/atropos.txt",
    8,                         // body_half_width
    6,                         // body_height
    0.35f,                     // walk_speed
    1,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    atropos_hit_zones,
    atropos_load_steps,
    static_cast<int>(std::size(atropos_load_steps)),
    {atropos_blocks, static_cast<int>(std::size(atropos_blocks)), atropos_events,
     static_cast<int>(std::size(atropos_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int atropos_load(int slot, int alt_skin) { return load_character(CHARACTER_ATROPOS, slot, alt_skin); }

void atropos_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&atropos_module.sequence, fighter, skeleton, blur);
}
