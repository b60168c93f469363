// The Hydra: its assets and hit zones. Hades' ghosts answer its summon (a model without a
// skeleton). Its skeleton holds one bank of keys per number of heads left, so every lost head
// changes every animation.
#include "characters/characters.h"

#include <iterator>

static const LoadStep hydra_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "hidra/hidra.emd",               nullptr},
    {LOAD_SKELETON,             0, -1,                   "hidra/hidra.esq",               nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "hidra/hidrablur.esq",           nullptr},
    {LOAD_SUMMON_MODEL,         9, -1,                   "divine/conofantasma.emd",       nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/fantasmas.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/hades.jpg",              nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "hidra/hidra_1.jpg",             "hidra/hidra_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGBA,  "hidra/hidra_2.tga",             "hidra/hidra_ce2.tga"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "hidra/hidra_3.jpg",             "hidra/hidra_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "hidra/hidra_4.jpg",             "hidra/hidra_ce4.jpg"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "hidra/hidra_bladeblur.tga",     nullptr},
};

static const HitZoneRow hydra_hit_zones[] = {
    {1222, 3.0f}, {1224, 3.0f}, {1226, 3.0f}, {1223, 3.0f}, {0, 0.0f}, {1220, 3.0f},
    {1217, 3.0f}, {1218, 3.0f}, {1221, 3.0f}, {1216, 5.0f}, {1219, 5.0f},
};
static_assert(std::size(hydra_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first (columns as in Jason's table).
// Every key is counted from the bank of the heads left, except the blocks marked with fixed
// keys: the knock-out, the profile pose and the petrified pose look the same in every bank.
// Its walks take long keys and blend in slowly: a heavy beast.
static const SeqBlock hydra_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end              key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 36,  0, END_NONE,          0,              0, 34,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0, 36,  0, END_NONE,          0,              0, 34,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            60,  60,  0, -1, -1, END_HOLD,         60,              0,  8,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   60,  60,  0, -1, -1, END_HOLD,         60,              0, 15,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     61,  62,  0, 30, -1, END_REACTION,     62,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            26,  31,  0, 10,  6, END_IDLE,          1,              0,  0,  0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            16,  22,  0,  8,  7, END_IDLE,          1,              0,  0,  0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK,               SEQ_NO_TWIN,            43,  46,  0, 10, 10, END_IDLE,          1,              0,  0,  0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    // The forward kick enters at its last key; its first step still starts at its first.
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            37,  42,  0, 10, 11, END_IDLE,          1,              0,  0, 42, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            13,  15,  0,  8,  1, END_IDLE,          1,              0,  0,  0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            23,  25,  0,  8,  2, END_IDLE,          1,              0,  0,  0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            61,  62,  0, 10, -1, END_SETTLE,       62,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           240, 250,  0, 10, -1, END_HOLD,        250,              0,  0,  0, 0, 0,   0, SEQ_FIXED_KEYS},
    {ACTION_STUNNED,            SEQ_NO_TWIN,            61,  62,  0, 10, -1, END_SETTLE_IDLE,  62,              0,  0,  0, 0, 0,   0, 0},
    // The head falls from the bank it had; the next call plays the bank of one head fewer.
    {ACTION_HEAD_LOST,          SEQ_NO_TWIN,            49,  59,  0, 12, -1, END_SETTLE | END_FIGHTER_ACTION_0, 59, 0, 0, 59, 0, 0, 0, 0},
    {ACTION_HYDRA_SPECIAL1,     SEQ_NO_TWIN,            32,  36,  0, 12, 15, END_IDLE | END_AURA,  1,           0,  0,  0, 0, 1,  35, SEQ_ENTRY_FROM_0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,             1,   4,  0, 60, -1, END_NONE,          0,              0,  0,  0, 0, 0,   0, SEQ_LOOP | SEQ_FIXED_KEYS},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,          1,              0,  0,  0, 0, 0,   0, SEQ_FIXED_KEYS},
};

static const SeqEvent hydra_events[] = {
    // action                 when         test              key  event               a   b
    // Each footfall of the walks lands heavily: two thuds and a shaken camera.
    {ACTION_WALK_FORWARD,    SEQ_ON_STEP, SEQ_FROM_IS,        6, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_FORWARD,    SEQ_ON_STEP, SEQ_FROM_IS,        6, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_FORWARD,    SEQ_ON_STEP, SEQ_FROM_IS,        6, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_WALK_FORWARD,    SEQ_ON_STEP, SEQ_FROM_IS,        8, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_FORWARD,    SEQ_ON_STEP, SEQ_FROM_IS,        8, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_FORWARD,    SEQ_ON_STEP, SEQ_FROM_IS,        8, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_WALK_BACK,       SEQ_ON_STEP, SEQ_FROM_IS,        9, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_BACK,       SEQ_ON_STEP, SEQ_FROM_IS,        9, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_BACK,       SEQ_ON_STEP, SEQ_FROM_IS,        9, SEQ_CAMERA_SHAKE,    2, 0},
    {ACTION_WALK_BACK,       SEQ_ON_STEP, SEQ_FROM_IS,       11, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_BACK,       SEQ_ON_STEP, SEQ_FROM_IS,       11, SEQ_SAMPLE,          SFX_LAND, 127},
    {ACTION_WALK_BACK,       SEQ_ON_STEP, SEQ_FROM_IS,       11, SEQ_CAMERA_SHAKE,    2, 0},
    // Re-arms: the two swings and the special may each hit twice.
    {ACTION_HARD_SWING,       SEQ_ON_STEP, SEQ_TO_IS,         28, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_HARD_SWING_FORWARD, SEQ_ON_STEP, SEQ_TO_IS,       19, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_HYDRA_SPECIAL1,   SEQ_ON_STEP, SEQ_TO_IS,         35, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_KO,               SEQ_ON_STEP, SEQ_TO_AT_MOST,   248, SEQ_KEY_TICKS,       4, SEQ_NO_RATE},
    {ACTION_HEAD_LOST,        SEQ_ON_END,  SEQ_ANY_KEY,        0, SEQ_HEAD_LOST,       0, 0},
};

const CharacterModule hydra_module = {
    "hidra",
    "data/hydra.txt",
    2,                         // body_half_width
    4,                         // body_height
    0.15f,                     // walk_speed
    0,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    hydra_hit_zones,
    hydra_load_steps,
    static_cast<int>(std::size(hydra_load_steps)),
    {hydra_blocks, static_cast<int>(std::size(hydra_blocks)), hydra_events,
     static_cast<int>(std::size(hydra_events)), nullptr, 0, {0, 191, 127, 63, 0}},
};

int hydra_load(int slot, int alt_skin) { return load_character(CHARACTER_HYDRA, slot, alt_skin); }

void hydra_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&hydra_module.sequence, fighter, skeleton, blur);
}
