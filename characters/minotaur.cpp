// The Minotaur: his assets, hit zones and key-frame table. The Furies answer his summon
// (pictures only, no summon model); his specials are 1024 and 1023. His is the one loader that logs its progress,
// so a failed load tells in the log which group of files failed.
#include "characters/characters.h"

#include <iterator>

static const LoadStep minotaur_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "minotauro/minotauro.emd",       nullptr},
    {LOAD_SKELETON,             0, -1,                   "minotauro/minotauro.esq",       nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "minotauro/minotauroblur.esq",   nullptr},
    {LOAD_LOG,                  0, -1,                   "modelos ok!\n",                 nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/tisifone1.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/tisifone2.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/erinias.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGB,   "divine/tisifone3.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       4, TEXTURE_MIPMAP_RGB,   "divine/alecto.jpg",             nullptr},
    {LOAD_DIVINE_TEXTURE,       5, TEXTURE_MIPMAP_RGB,   "divine/megera1.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       6, TEXTURE_MIPMAP_RGB,   "divine/megera2.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       7, TEXTURE_MIPMAP_RGB,   "divine/megera3.jpg",            nullptr},
    {LOAD_LOG,                  0, -1,                   "texturas divine ok!\n",         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGBA,  "minotauro/minotauro_05.tga",    nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGBA,  "minotauro/minotauro_04.tga",    "minotauro/minotauro_ce_04.tga"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "minotauro/minotauro_01.tga",    "minotauro/minotauro_ce_01.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "minotauro/minotauro_02.jpg",    "minotauro/minotauro_ce_02.jpg"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGB,   "minotauro/minotauro_03.jpg",    "minotauro/minotauro_ce_03.jpg"},
    {LOAD_SKIN,                 5, TEXTURE_MIPMAP_RGBA,  "minotauro/minotauro_06.tga",    "minotauro/minotauro_ce_06.tga"},
    {LOAD_LOG,                  0, -1,                   "texturas normales ok!\n",       nullptr},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGB,    "minotauro/minotauro_bladeblur.tga", nullptr},
    {LOAD_LOG,                  0, -1,                   "blur ok!\n",                    nullptr},
};

static const HitZoneRow minotaur_hit_zones[] = {
    {2054, 2.0f}, {2062, 3.0f}, {2057, 5.0f}, {2056, 2.0f}, {2055, 2.0f}, {2059, 4.0f},
    {2058, 4.0f}, {2052, 4.0f}, {2053, 4.0f}, {2060, 3.0f}, {2061, 3.0f},
};
static_assert(std::size(minotaur_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Blocks in the order they are tested, the idle block first; columns as in Jason's table. His
// keys lie in an order of their own: the crouch at 13, guards and blocks after the attacks.
static const SeqBlock minotaur_blocks[] = {
    SEQ_IDLE_BLOCK,
    // action                     twin                    lo   hi  to  tk  rt  end                                key  then            in  at  w1  w+   w0  flags
    {ACTION_WALK_FORWARD,       SEQ_NO_TWIN,             5,   8,  0, 14,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_WALK_BACK,          SEQ_NO_TWIN,             9,  12,  0, 14,  0, END_NONE,                            0,              0, 10, 0, 0, 0,   0, SEQ_LOOP | SEQ_STEP_CALM},
    {ACTION_JUMP,               SEQ_NO_TWIN,            20,  22,  0, 20, -1, END_HOLD,                           22,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LANDING,            SEQ_NO_TWIN,            23,  23,  0, -1, -1, END_LAND,                           23,              0,  2, 0, 0, 0,   0, 0},
    {ACTION_CROUCH,             SEQ_NO_TWIN,            13,  13,  0, -1, -1, END_HOLD,                           13,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_DASH_FORWARD,       SEQ_NO_TWIN,            14,  16,  0,  8, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_DASH_BACK,          SEQ_NO_TWIN,            17,  19,  0,  8, -1, END_CHAIN,                           0, ACTION_LANDING, 10, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_STAND,        SEQ_NO_TWIN,            76,  76,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      76,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_STAND,        ACTION_BLOCK_STAND_B,   77,  78,  0, 15, -1, END_HOLD,                           78,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_GUARD_CROUCH,       SEQ_NO_TWIN,            79,  79,  0, -1, -1, END_HOLD | END_ATTACK_STATE_0,      79,              0,  8, 0, 0, 0,   0, 0},
    {ACTION_BLOCK_CROUCH,       ACTION_BLOCK_CROUCH_B,  80,  81,  0, 15, -1, END_HOLD,                           81,              0, 15, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_STAND,          ACTION_HIT_STAND_B,     24,  25,  0, 30, -1, END_REACTION,                       25,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HIT_CROUCH,         ACTION_HIT_CROUCH_B,    26,  27,  0, 30, -1, END_REACTION,                       27,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_HARD_SWING,         SEQ_NO_TWIN,            43,  46,  0, 14,  6, END_IDLE,                            1,              0,  0, 0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_FORWARD, SEQ_NO_TWIN,            39,  42,  0, 15,  7, END_IDLE,                            1,              0,  0, 0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    // KEEP: these crouching ends name key 18, not the crouch key 13; the crouch's capture
    // one call later stands almost wholly on the attack's last key, so it barely shows.
    {ACTION_HARD_SWING_CROUCH,  SEQ_NO_TWIN,            65,  68,  0, 14,  8, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_HARD_SWING_AIR,     SEQ_NO_TWIN,            59,  61,  0, 10,  9, END_AIR_ATTACK,                     61,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_KICK,               SEQ_NO_TWIN,            50,  52,  0, 12, 10, END_IDLE,                            1,              0,  0, 0, 1, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_FORWARD,       SEQ_NO_TWIN,            47,  49,  0, 10, 11, END_IDLE,                            1,              0,  0, 0, 0, 1,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_CROUCH,        SEQ_NO_TWIN,            69,  71,  0, 10, 12, END_IDLE,                           13, ACTION_CROUCH,   0, 0, 1, 0,   0, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_SWEEP,         SEQ_NO_TWIN,            72,  75,  0, 10, 13, END_IDLE,                           13, ACTION_CROUCH,   0, 0, 1, 0,  74, SEQ_ENTRY_FROM_0},
    {ACTION_KICK_AIR,           SEQ_NO_TWIN,            53,  55,  0,  8, 14, END_AIR_ATTACK,                     55,              0,  0, 0, 1, 0,   0, 0},
    {ACTION_HIT_AIR,            ACTION_HIT_AIR_B,       28,  32,  0,  8, -1, END_HOLD,                           32,              0,  0, 0, 0, 0,   0, SEQ_STEP_CALM},
    {ACTION_LOW_SWING,          SEQ_NO_TWIN,            36,  38,  0, 12,  1, END_IDLE,                            1,              0,  0, 0, 1, 0,  37, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_2,        SEQ_NO_TWIN,            33,  35,  0, 10,  2, END_IDLE,                            1,              0,  0, 0, 1, 0,  34, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_CROUCH,   SEQ_NO_TWIN,            62,  64,  0, 12,  4, END_IDLE,                           18, ACTION_CROUCH,   0, 0, 1, 0,  63, SEQ_ENTRY_FROM_0},
    {ACTION_LOW_SWING_AIR,      SEQ_NO_TWIN,            56,  58,  0, 10,  5, END_AIR_ATTACK,                     58,              0,  0, 0, 1, 0,  57, 0},
    {ACTION_KNOCKDOWN,          SEQ_NO_TWIN,           120, 128,  0,  8, -1, END_SETTLE,                        128,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT,           SEQ_NO_TWIN,            82,  91,  0,  4, -1, END_SETTLE,                         91,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_EDGE_HIT_AIR,       SEQ_NO_TWIN,            92, 101,  0,  6, -1, END_SETTLE,                        101,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_KO,                 SEQ_NO_TWIN,           112, 119,  0, 10, -1, END_HOLD,                          119,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_STUNNED,            SEQ_NO_TWIN,           102, 111,  0,  6, -1, END_SETTLE_IDLE,                   111,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_1,              SEQ_NO_TWIN,           129, 132,  0, 30, -1, END_HOLD,                          132,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_WIN_2,              SEQ_NO_TWIN,           133, 136,  0, 30, -1, END_HOLD,                          136,              0,  0, 0, 0, 0,   0, 0},
    {ACTION_TIME_OVER,          SEQ_NO_TWIN,           129, 129,  0, -1, -1, END_HOLD,                          129,              0, 10, 0, 0, 0,   0, 0},
    {ACTION_MINOTAUR_SPECIAL1,  SEQ_NO_TWIN,           153, 158,  0, 10, 15, END_SPECIAL,                         1,              0,  0, 0, 0, 1,   0, 0},
    {ACTION_MINOTAUR_SPECIAL2,  SEQ_NO_TWIN,           141, 152,  0,  4, 16, END_SPECIAL,                         1,              0,  0, 0, 1, 1,   0, 0},
    {ACTION_PROFILE_POSE,       SEQ_NO_TWIN,           137, 138,  0, 60, -1, END_NONE,                            0,              0,  0, 0, 0, 0,   0, SEQ_LOOP},
    {ACTION_PETRIFIED,          SEQ_NO_TWIN,             1,   1,  0, -1, -1, END_HOLD,                            1,              0,  0, 0, 0, 0,   0, 0},
};

static const SeqEvent minotaur_events[] = {
    // action                  when         test              key  event               a   b
    {ACTION_KNOCKDOWN,         SEQ_ON_STEP, SEQ_TO_AT_MOST,   125, SEQ_KEY_TICKS,      10, SEQ_NO_RATE},
    {ACTION_EDGE_HIT,          SEQ_ON_STEP, SEQ_TO_AT_MOST,    88, SEQ_KEY_TICKS,       6, SEQ_NO_RATE},
    {ACTION_EDGE_HIT_AIR,      SEQ_ON_STEP, SEQ_TO_AT_MOST,    98, SEQ_KEY_TICKS,       8, SEQ_NO_RATE},
    {ACTION_STUNNED,           SEQ_ON_STEP, SEQ_TO_AT_MOST,   108, SEQ_KEY_TICKS,       8, SEQ_NO_RATE},
    {ACTION_KO,                SEQ_ON_STEP, SEQ_TO_IS,        117, SEQ_CAMERA_SHAKE,    2, 0},
    // Two re-arms: a connecting first special hits up to three times.
    {ACTION_MINOTAUR_SPECIAL1, SEQ_ON_STEP, SEQ_FROM_IS,      155, SEQ_HIT_LOCK_CLEAR,  0, 0},
    {ACTION_MINOTAUR_SPECIAL1, SEQ_ON_STEP, SEQ_FROM_IS,      157, SEQ_HIT_LOCK_CLEAR,  0, 0},
};

const CharacterModule minotaur_module = {
    "minotauro",
    "data/minotaur.txt",
    12,                        // body_half_width
    6,                         // body_height
    0.2f,                      // walk_speed
    0,                         // has_followups
    0,                         // projectile_texture_total
    "damage file ok!\n",       // tuning_log
    minotaur_hit_zones,
    minotaur_load_steps,
    static_cast<int>(std::size(minotaur_load_steps)),
    {minotaur_blocks, static_cast<int>(std::size(minotaur_blocks)), minotaur_events,
     static_cast<int>(std::size(minotaur_events)), nullptr, 0, {0, 0, 0, 0, 0}},
};

int minotaur_load(int slot, int alt_skin) { return load_character(CHARACTER_MINOTAUR, slot, alt_skin); }

void minotaur_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&minotaur_module.sequence, fighter, skeleton, blur);
}
