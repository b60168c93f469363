// Odysseus: his assets, hit zones and key-frame table. Athena's soldiers answer his summon
// (pictures only, no summon model); his specials are 1005 and 1014.
#include "characters/characters.h"

#include <iterator>

static const LoadStep odysseus_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "odiseo/odiseo.emd",             nullptr},
    {LOAD_SKELETON,             0, -1,                   "odiseo/odiseo.esq",             nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "odiseo/odiseoblur.esq",         nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/soldado1.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/soldado2.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/atenea.jpg",             nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGB,   "divine/soldado3.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       4, TEXTURE_MIPMAP_RGB,   "divine/soldado4.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       5, TEXTURE_MIPMAP_RGB,   "divine/soldado5.jpg",           nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/odiseo11.jpg",      nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/odiseo12.jpg",      nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/odiseo13.jpg",      nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "odiseo/odiseo_1.jpg",           "odiseo/odiseo_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "odiseo/odiseo_2.jpg",           "odiseo/odiseo_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "odiseo/odiseo_3.tga",           "odiseo/odiseo_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "odiseo/odiseo_4.tga",           "odiseo/odiseo_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGB,   "odiseo/odiseo_5.jpg",           "odiseo/odiseo_ce5.jpg"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "odiseo/odiseo_bladeblur.tga",   nullptr},
};

static const HitZoneRow odysseus_hit_zones[] = {
    {1990, 1.0f}, {1993, 2.0f}, {1992, 3.0f}, {1994, 1.0f}, {1991, 1.0f}, {1995, 2.0f},
    {1996, 2.0f}, {1999, 4.0f}, {2000, 3.0f}, {1997, 2.0f}, {1998, 2.0f},
};
static_assert(std::size(odysseus_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first; columns as in Jason's table.
static const SeqBlock odysseus_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                 key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 14,  0, END_NONE,             0,              0, 10,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0, 14,  0, END_NONE,             0,              0, 10,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // KEEP: in the air the step from 20 to 21 replays until the action changes.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 20, -1, END_NONE,             0,              0,  0,  0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            16,  16,  0, -1, -1, END_LAND,            17,              0,  2,  0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,            18,              0, 10,  0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,            0, ACTION_LANDING, 10,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,            0, ACTION_LANDING, 10,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD,            22,              0,  8,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   23,  24,  0, 15, -1, END_HOLD,            24,              0, 15,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD,            25,              0,  8,  0, 0, 0,   0, SEQ_STEP_CALM},
    // KEEP: the first crouching block blends to its last key, then steps its range from the
    // first key (the entry left key_from 0) before it holds.
    {ACTION_BLOCK_CROUCH,       SEQ_NO_TWIN,            26,  27,  0, 15, -1, END_HOLD,            27,              0, 15, 27, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_BLOCK_CROUCH_B,     SEQ_NO_TWIN,            26,  27,  0, 15, -1, END_HOLD,            27,              0, 15,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,        29,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         SEQ_NO_TWIN,            30,  31,  0, 30, -1, END_REACTION,        31,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH_B,       SEQ_NO_TWIN,            30,  31,  0, 30, -1, END_REACTION,        31,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM | SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            36,  39,  0, 10,  7, END_IDLE,             1,              0,  0,  0, 1, 0,  37, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            40,  43,  0, 10,  6, END_IDLE,             1,              0,  0,  0, 1, 0,  41, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            60,  63,  0, 10,  8, END_IDLE,            18,              0,  0,  0, 1, 1,  62, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,            86,  88,  0,  8,  9, END_AIR_ATTACK,      88,              0,  0,  0, 1, 0,   0, 0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            64,  68,  0,  8, 11, END_IDLE,             1,              0,  0,  0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK,               SEQ_NO_TWIN,            44,  48,  0,  6, 10, END_IDLE,             1,              0,  0,  0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            96,  98,  0,  8, 12, END_IDLE,            18,              0,  0,  0, 1, 0,  97, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            89,  92,  0, 10, 13, END_IDLE,            18,              0,  0,  0, 1, 0,  91, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,            93,  95,  0, 12, 14, END_AIR_ATTACK,      95,              0,  0,  0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,            35,              0,  0,  0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            53,  55,  0, 10,  1, END_IDLE,             1,              0,  0,  0, 1, 0,  54, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            49,  51,  0, 10,  2, END_IDLE,             1,              0,  0,  0, 1, 0,  50, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            56,  58,  0, 10,  4, END_IDLE,            18,              0,  0,  0, 1, 0,  57, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,            83,  85,  0, 10,  5, END_AIR_ATTACK,      85,              0,  0,  0, 1, 0,  84, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            69,  74,  0, 10, -1, END_SETTLE,          74,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            75,  82,  0,  8, -1, END_SETTLE,          82,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            99, 108,  0, 10, -1, END_SETTLE,         108,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           119, 126,  0, 10, -1, END_HOLD,           126,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           109, 118,  0,  8, -1, END_SETTLE_IDLE,    118,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           127, 132,  0, 20, -1, END_HOLD,           132,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           133, 138,  0, 20, -1, END_HOLD,           138,              0,  0,  0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           139, 139,  0, -1, -1, END_HOLD,           139,              0, 10,  0, 0, 0,   0, 0},
    {ACTION_ODYSSEUS_SPECIAL1,  SEQ_NO_TWIN,           142, 146,  0,  6, 15, END_SPECIAL,          1,              0,  0,  0, 0, 1, 145, 0},
    {ACTION_ODYSSEUS_SPECIAL2,  SEQ_NO_TWIN,           147, 150,  0, 30, 16, END_SPECIAL_HELD,   150,    ACTION_IDLE,  0,  0, 0, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,             0,              0,  0,  0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,             1,              0,  0,  0, 0, 0,   0, 0},
};

static const SeqEvent odysseus_events[] = {
    // action                   when         test              key  event               a   b
    {ACTION_KNOCKDOWN,          SEQ_ON_STEP, SEQ_TO_AT_MOST,    71, SEQ_KEY_TICKS,      12, SEQ_NO_RATE},
    {ACTION_STUNNED,            SEQ_ON_STEP, SEQ_TO_AT_MOST,   117, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    {ACTION_KO,                 SEQ_ON_STEP, SEQ_TO_IS,        123, SEQ_CAMERA_SHAKE,    2, 0},
    // The first special's opening steps are quicker than its strike.
    {ACTION_ODYSSEUS_SPECIAL1,  SEQ_ON_STEP, SEQ_FROM_AT_MOST,  143, SEQ_KEY_TICKS,       4, 15},
    {ACTION_ODYSSEUS_SPECIAL1,  SEQ_ON_STEP, SEQ_TO_ABOVE,     145, SEQ_ATTACK_STATE,    0, 0},
    {ACTION_ODYSSEUS_SPECIAL1,  SEQ_ON_STEP, SEQ_TO_ABOVE,     145, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_ODYSSEUS_SPECIAL1,  SEQ_ON_END,  SEQ_ANY_KEY,        0, SEQ_COOLDOWN,       15, 0},
    // The throw: a short wind-up, then long steps; what flies is the control code's
    // projectile, so the swing itself never opens a window but may hit on every step.
    {ACTION_ODYSSEUS_SPECIAL2,  SEQ_ON_STEP, SEQ_TO_IS,        148, SEQ_KEY_TICKS,       2, 16},
    {ACTION_ODYSSEUS_SPECIAL2,  SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0, 0},
    {ACTION_ODYSSEUS_SPECIAL2,  SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_ODYSSEUS_SPECIAL2,  SEQ_ON_END,  SEQ_ANY_KEY,        0, SEQ_COOLDOWN,       15, 0},
};

const CharacterModule odysseus_module = {
    "odiseo",
    "data/odysseus.txt",
    8,                         // body_half_width
    6,                         // body_height
    0.25f,                     // walk_speed
    0,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    odysseus_hit_zones,
    odysseus_load_steps,
    static_cast<int>(std::size(odysseus_load_steps)),
    {odysseus_blocks, static_cast<int>(std::size(odysseus_blocks)), odysseus_events,
     static_cast<int>(std::size(odysseus_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int odysseus_load(int slot, int alt_skin) { return load_character(CHARACTER_ODYSSEUS, slot, alt_skin); }

void odysseus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&odysseus_module.sequence, fighter, skeleton, blur);
}
