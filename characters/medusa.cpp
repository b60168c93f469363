// Medusa: her assets and hit zones. Hera's hurricane answers her summon; her specials 1019 and
// 1020 throw, and her fourth projectile picture is the stone skin of a petrified fighter.
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

// Her idle keys last 28 ticks, not 30.
static const SeqBlock medusa_blocks[] = {
    {ACTION_IDLE, SEQ_NO_TWIN, 1, 4, 0, 28, -1, END_NONE, 0, 0, 10, 0, 0, 0, 0,
     SEQ_LOOP | SEQ_STEP_IDLE | SEQ_ENTRY_IDLE},
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
    {medusa_blocks, static_cast<int>(std::size(medusa_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int medusa_load(int slot, int alt_skin) { return load_character(CHARACTER_MEDUSA, slot, alt_skin); }

void medusa_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&medusa_module.sequence, fighter, skeleton, blur);
}
