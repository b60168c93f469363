// The Sphinx: her assets, hit zones and key-frame table. Aphrodite's girdle answers her summon;
// her specials are 1012 (a leap) and 1017 (a throw). With "-nomask" her model and both skeletons
// come from the unmasked variant, and her blur skeleton is read after the summon.
#include "characters/characters.h"

#include <iterator>

static const LoadStep sphinx_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "esfinge/esfinge.emd",           "esfinge/nomask.emd"},
    {LOAD_SKELETON,             0, -1,                   "esfinge/esfinge.esq",           "esfinge/nomask.esq"},
    {LOAD_SUMMON_MODEL,         8, -1,                   "divine/cinturon.emd",           nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/cinturon.esq",           nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "esfinge/esfingeblur.esq",       "esfinge/nomaskblur.esq"},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/cinturon.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/afrodita.jpg",           nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/esfinge11.jpg",     nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/esfinge12.jpg",     nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/esfinge13.jpg",     nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "esfinge/esfinge_1.jpg",         "esfinge/esfinge_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "esfinge/esfinge_2.jpg",         "esfinge/esfinge_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "esfinge/esfinge_3.jpg",         "esfinge/esfinge_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "esfinge/esfinge_4.tga",         nullptr},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "esfinge/esfinge_5.tga",         nullptr},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "esfinge/esfinge_bladeblur.tga", nullptr},
};

static const HitZoneRow sphinx_hit_zones[] = {
    {1994, 2.0f}, {1997, 4.0f}, {1998, 4.0f}, {1995, 3.0f}, {1996, 3.0f}, {1999, 3.0f},
    {2001, 3.0f}, {2003, 4.0f}, {2004, 4.0f}, {2000, 3.0f}, {2002, 3.0f},
};
static_assert(std::size(sphinx_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Her first special leaves her in the air on its last key until the motion code lands her:
// every later step holds that key again with the phase full.
constexpr u16 SPHINX_AIRBORNE_END = END_AIRBORNE_HOLD | END_PHASE_ONE;

// Blocks in the order they are tested, the idle block first; columns as in Jason's table.
static const SeqBlock sphinx_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                                key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0,  8,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0,  8,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    // KEEP: as Jason's, the jump steps only to key 21 and then replays 20 to 21 in the air.
    {ACTION_JUMP,               SEQ_NO_TWIN,            19,  21, 20, 19, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            17,  17,  0, -1, -1, END_LAND,                           18,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            18,  18,  0, -1, -1, END_HOLD,                           18,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            13,  14,  0, 10, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            15,  16,  0, 10, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            22,  22,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      22,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   23,  24,  0, 15, -1, END_HOLD,                           24,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            25,  25,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      25,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  26,  27,  0, 15, -1, END_HOLD,                           27,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     28,  29,  0, 30, -1, END_REACTION,                       29,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    30,  31,  0, 30, -1, END_REACTION,                       31,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            74,  77,  0, 12,  6, END_IDLE,                            1,              0,  0, 0, 1, 0,  76, SEQ_ENTRY_FROM_0},
    // KEEP: the forward swing is timed by the plain swing's factor; her factor 7 goes unused.
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            78,  81,  0, 10,  6, END_IDLE,                            1,              0,  0, 0, 1, 0,  80, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            98, 101,  0, 10,  8, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,           112, 114,  0,  8,  9, END_AIR_ATTACK,                    114,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            92,  94,  0, 12, 10, END_IDLE,                            1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            89,  91,  0, 10, 11, END_IDLE,                            1,              0,  0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,           102, 104,  0,  8, 12, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0, 103, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,           105, 108,  0,  8, 13, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0, 107, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,           115, 117,  0, 10, 14, END_AIR_ATTACK,                    117,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       32,  35,  0,  8, -1, END_HOLD,                           35,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            82,  84,  0, 10,  1, END_IDLE,                            1,              0,  0, 0, 1, 0,  83, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            86,  88,  0,  4,  2, END_IDLE,                            1,              0,  0, 0, 1, 0,  87, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            95,  97,  0, 10,  4, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0,  96, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,           109, 111,  0, 10,  5, END_AIR_ATTACK,                    111,              0,  0, 0, 1, 0, 110, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,            36,  42,  0, 10, -1, END_SETTLE,                         42,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            43,  50,  0,  8, -1, END_SETTLE,                         50,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            51,  58,  0, 10, -1, END_SETTLE,                         58,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,            67,  73,  0, 10, -1, END_HOLD,                           73,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,            59,  66,  0,  8, -1, END_SETTLE_IDLE,                    66,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           118, 123,  0, 30, -1, END_HOLD,                          123,              0,  0, 0, 0, 0,   0, 0},
    // KEEP: the second win blends to its last key first, then plays from its first.
    {ACTION_WIN_2,              SEQ_NO_TWIN,           124, 128,  0, 30, -1, END_HOLD,                          128,              0,  0,128, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           129, 129,  0, -1, -1, END_HOLD,                          129,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_SPHINX_SPECIAL1,    SEQ_NO_TWIN,           135, 138,  0, 10, 15, SPHINX_AIRBORNE_END,               138,              0,  0, 0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_SPHINX_SPECIAL2,    SEQ_NO_TWIN,           139, 142,  0, 10, 16, END_SPECIAL_HELD,                  142,              0,  0, 0, 0, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           254, 255,  0, 60, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,                            1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent sphinx_events[] = {
    // action                when         test              key  event               a                      b
    {ACTION_KICK,            SEQ_ON_STEP, SEQ_FROM_ABOVE,    93, SEQ_WINDOW_CLEAR,    0,                     0},
    {ACTION_LOW_SWING_2,     SEQ_ON_STEP, SEQ_FROM_IS,       87, SEQ_KEY_TICKS,      10,                     SEQ_NO_RATE},
    {ACTION_KNOCKDOWN,       SEQ_ON_STEP, SEQ_TO_AT_MOST,    38, SEQ_KEY_TICKS,      12,                     SEQ_NO_RATE},
    {ACTION_STUNNED,         SEQ_ON_STEP, SEQ_TO_AT_MOST,    64, SEQ_KEY_TICKS,      10,                     SEQ_NO_RATE},
    {ACTION_KO,              SEQ_ON_STEP, SEQ_TO_IS,         71, SEQ_CAMERA_SHAKE,    2,                     0},
    // The leap: from its second key on the motion code carries her through the air.
    {ACTION_SPHINX_SPECIAL1, SEQ_ON_STEP, SEQ_FROM_IS,      136, SEQ_AIRBORNE,        0,                     0},
    // The riddle: quick steps that may hit at each, the throw, then a cooldown.
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_AT_MOST,  140, SEQ_KEY_TICKS,       4,                     16},
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_WINDOW_CLEAR,    0,                     0},
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_STEP, SEQ_ANY_KEY,        0, SEQ_HIT_LOCK_CLEAR,  0,                     0},
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      141, SEQ_FIGHTER_ACTION,  ACTION_SPHINX_SPECIAL2, 0},
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      141, SEQ_LAUNCH,          0,                     0},
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS,      141, SEQ_SAMPLE,          SFX_SPECIAL,           128},
    {ACTION_SPHINX_SPECIAL2, SEQ_ON_END,  SEQ_ANY_KEY,        0, SEQ_COOLDOWN,       60,                     0},
};

static const SeqLaunch sphinx_launches[] = {
    // move                  kind                 flat set ahead height size               speed  rate         decay
    {ACTION_SPHINX_SPECIAL2, PROJECTILE_STRAIGHT, 0,   0,  5.0f, 9.0f,  {5.0f, 5.0f, 5.0f}, 0.75f, SEQ_NO_RATE, 0.01f},
};

const CharacterModule sphinx_module = {
    "esfinge",
    "data/sphinx.txt",
    10,                        // body_half_width
    6,                         // body_height
    0.3f,                      // walk_speed
    0,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    sphinx_hit_zones,
    sphinx_load_steps,
    static_cast<int>(std::size(sphinx_load_steps)),
    {sphinx_blocks, static_cast<int>(std::size(sphinx_blocks)), sphinx_events,
     static_cast<int>(std::size(sphinx_events)), sphinx_launches,
     static_cast<int>(std::size(sphinx_launches)), {0, 0, 0, 0, 0}},
};

int sphinx_load(int slot, int alt_skin) { return load_character(CHARACTER_SPHINX, slot, alt_skin); }

void sphinx_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&sphinx_module.sequence, fighter, skeleton, blur);
}
