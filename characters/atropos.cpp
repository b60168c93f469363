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

static const SeqBlock atropos_blocks[] = {
    SEQ_IDLE_BLOCK,
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
    {atropos_blocks, static_cast<int>(std::size(atropos_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int atropos_load(int slot, int alt_skin) { return load_character(CHARACTER_ATROPOS, slot, alt_skin); }

void atropos_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&atropos_module.sequence, fighter, skeleton, blur);
}
