// Medusa: her assets, hit zones and key-frame table. Hera's hurricane answers her summon; her
// specials 1019 and 1020 throw, and her fourth projectile picture is the stone skin of a petrified fighter.
#include "characters/characters.h"

#include <iterator>

static const LoadStep medusa_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "medusa/medusa.emd",             nullptr},
    {LOAD_SKELETON,             0, -1,                   "medusa/medusa.esq",             nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "medusa/medusablur.esq",         nullptr},
    {LOAD_SUMMON_MODEL,         7, -1,                   "divine/huracan.emd",            nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/huracan.esq",            nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/huracan.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/huracan2.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/hera.jpg",               nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGBA,  "divine/humo.tga",               nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/medusa11.jpg",      nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/medusa12.jpg",      nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/medusa13.jpg",      nullptr},
    {LOAD_PROJECTILE_TEXTURE,   3, TEXTURE_CLAMP_RGB,    "proyectiles/medusa21.jpg",      nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGBA,  "medusa/medusa_1.tga",           "medusa/medusa_ce1.tga"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "medusa/medusa_2.jpg",           "medusa/medusa_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "medusa/medusa_3.jpg",           "medusa/medusa_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "medusa/medusa_4.jpg",           "medusa/medusa_ce4.jpg"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "medusa/medusa_5.tga",           "medusa/medusa_ce5.tga"},
    {LOAD_SKIN,                 5, TEXTURE_MIPMAP_RGBA,  "medusa/medusa_6.tga",           "medusa/medusa_ce6.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "medusa/medusa_bladeblur.tga",   nullptr},
};

static const HitZoneRow medusa_hit_zones[] = {
    {1839, 1.0f}, {1842, 2.0f}, {1843, 3.0f}, {1840, 1.0f}, {1841, 1.0f}, {1845, 2.0f},
    {1844, 2.0f}, {1848, 4.0f}, {1849, 3.0f}, {1846, 3.0f}, {1847, 3.0f},
};
static_assert(std::size(medusa_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// The special ends return her to idle but leave the last pair in place, outside the block's
// keys, with the phase full: the next call captures that pose and enters the idle block.
constexpr u16 MEDUSA_SPECIAL_END = END_SPECIAL_HELD & ~END_HOLD;

// Blocks in the order they are tested, the idle block first (her idle keys last 28 ticks);
// columns as in Jason's table.
static const SeqBlock medusa_blocks[] = {
    // action                     twin                    lo   hi  to  tk  rt  end                                key  then            in  at  w1  w+   w0  flags
    {ACTION_IDLE,               SEQ_NO_TWIN,             1,   4,  0, 28, -1, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_IDLE | SEQ_ENTRY_IDLE},
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 12,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0,  8,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // KEEP: as Jason's, the jump steps only to key 21 and then replays 20 to 21 in the air.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 19, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            13,  13,  0, -1, -1, END_LAND,                           13,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            14,  14,  0, -1, -1, END_HOLD,                           14,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            17,  18,  0, 10, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      22,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   23,  24,  0, 15, -1, END_HOLD,                           24,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      25,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  26,  27,  0, 15, -1, END_HOLD,                           27,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,                       29,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    30,  31,  0, 30, -1, END_REACTION,                       31,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            69,  72,  0,  6,  7, END_IDLE,                            1,              0,  0, 0, 1, 0,  71, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,           110, 113,  0,  6,  6, END_IDLE,                            1,              0,  0, 0, 1, 0, 111, SEQ_ENTRY_FROM_0},
    // KEEP: her crouching ends name key 18, not the crouch key 14; the crouch's capture
    // one call later stands almost wholly on the attack's last key, so it barely shows.
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            88,  90,  0,  8,  8, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,           103, 106,  0,  8,  9, END_AIR_ATTACK,                    106,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            81,  83,  0,  4, 10, END_IDLE,                            1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            84,  87,  0,  6, 11, END_IDLE,                            1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            97,  99,  0,  6, 12, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0,  98, SEQ_ENTRY_FROM_0},
    // KEEP: the sweep is timed by the crouching kick's factor; her factor 13 goes unused.
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            94,  96,  0,  6, 12, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0,  95, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,           107, 109,  0, 12, 14, END_AIR_ATTACK,                    109,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       33,  36,  0,  8, -1, END_HOLD,                           36,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            63,  65,  0,  6,  1, END_IDLE,                            1,              0,  0, 0, 1, 0,  64, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_3,        SEQ_NO_TWIN,           130, 133,  0,  6,  3, END_IDLE,                            1,              0,  0, 0, 1, 0, 132, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            66,  68,  0,  6,  2, END_IDLE,                            1,              0,  0, 0, 1, 0,  67, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            91,  93,  0,  8,  4, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0,  92, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,           100, 102,  0, 10,  5, END_AIR_ATTACK,                    102,              0,  0, 0, 1, 0,   0, 0},
    // Her air edge hit plays keys 37-45, over the knock-down's 36-42.
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            36,  42,  0, 10, -1, END_SETTLE,                         42,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            73,  80,  0,  8, -1, END_SETTLE,                         80,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            37,  45,  0, 10, -1, END_SETTLE,                         45,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,            55,  62,  0, 10, -1, END_HOLD,                           62,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,            46,  54,  0,  8, -1, END_SETTLE_IDLE,                    54,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           114, 118,  0, 20, -1, END_HOLD,                          118,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           119, 123,  0, 20, -1, END_HOLD,                          123,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           124, 124,  0, -1, -1, END_HOLD,                          124,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_MEDUSA_SPECIAL1,    SEQ_NO_TWIN,           134, 138,  0, 15, 15, MEDUSA_SPECIAL_END,                  0,              0,  0, 0, 0, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_MEDUSA_SPECIAL2,    SEQ_NO_TWIN,           139, 143,  0, 15, 16, MEDUSA_SPECIAL_END,                  0,              0,  0, 0, 0, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,                            1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent medusa_events[] = {
    // action                when         test              key  event               a   b
    {ACTION_KNOCKDOWN,       SEQ_ON_STEP, SEQ_TO_AT_MOST,    38, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_STUNNED,         SEQ_ON_STEP, SEQ_TO_AT_MOST,    52, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    {ACTION_KO,              SEQ_ON_STEP, SEQ_TO_IS,         60, SEQ_CAMERA_SHAKE,    2, 0},
    // Both throws: quick steps that may hit at each, then the long one that lets fly.
    {ACTION_MEDUSA_SPECIAL1, SEQ_ON_STEP, SEQ_FROM_AT_MOST,  136, SEQ_KEY_TICKS,       6, 15},
    {ACTION_MEDUSA_SPECIAL1, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_MEDUSA_SPECIAL1, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_MEDUSA_SPECIAL1, SEQ_ON_STEP, SEQ_FROM_IS,      137, SEQ_LAUNCH,          0, 0},
    {ACTION_MEDUSA_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_AT_MOST,  141, SEQ_KEY_TICKS,       6, 16},
    {ACTION_MEDUSA_SPECIAL2, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_MEDUSA_SPECIAL2, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_MEDUSA_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      142, SEQ_LAUNCH,          1, 0},
};

// The straight gaze flies from ahead of her; the rising one leaves from where she stands.
// Both fly as fast as her tuning times the special.
static const SeqLaunch medusa_launches[] = {
    // move                  kind                 flat set ahead  height size                speed  rate decay
    {ACTION_MEDUSA_SPECIAL1, PROJECTILE_STRAIGHT, 1,   0,  10.0f, 11.0f, {7.5f, 7.5f, 3.75f}, 0.75f, 15, 0.025f},
    {ACTION_MEDUSA_SPECIAL2, PROJECTILE_RISING,   1,   0,   0.0f, 17.0f, {7.5f, 7.5f, 3.75f}, 0.75f, 16, 0.025f},
};

const CharacterModule medusa_module = {
    "medusa",
    "data/medusa.txt",
    9,                         // body_half_width
    6,                         // body_height
    0.4f,                      // walk_speed
    1,                         // has_followups
    4,                         // projectile_texture_total
    nullptr,                   // tuning_log
    medusa_hit_zones,
    medusa_load_steps,
    static_cast<int>(std::size(medusa_load_steps)),
    {medusa_blocks, static_cast<int>(std::size(medusa_blocks)), medusa_events,
     static_cast<int>(std::size(medusa_events)), medusa_launches,
     static_cast<int>(std::size(medusa_launches)), {0, 0, 0, 0, 0}},
};

int medusa_load(int slot, int alt_skin) { return load_character(CHARACTER_MEDUSA, slot, alt_skin); }

void medusa_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&medusa_module.sequence, fighter, skeleton, blur);
}
