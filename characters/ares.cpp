// Ares: his assets and hit zones. Phobos and Deimos answer his summon; his specials 1008 and 1022
// throw. He has no default walk speed: his speed is his tuning file's.
#include "characters/characters.h"

#include <iterator>

static const LoadStep ares_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "ares/ares.emd",                 nullptr},
    {LOAD_SKELETON,             0, -1,                   "ares/ares.esq",                 nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "ares/aresblur.esq",             nullptr},
    {LOAD_SUMMON_MODEL,        10, -1,                   "divine/fobos.emd",              nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/fobos.esq",              nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/fobos.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/fobos.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/fobos_deimos.jpg",       nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/ares11.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/ares12.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/ares13.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   3, TEXTURE_CLAMP_RGB,    "proyectiles/ares21.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   4, TEXTURE_CLAMP_RGB,    "proyectiles/ares22.jpg",        nullptr},
    {LOAD_PROJECTILE_TEXTURE,   5, TEXTURE_CLAMP_RGB,    "proyectiles/ares23.jpg",        nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "ares/ares_1.jpg",               "ares/ares_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "ares/ares_2.jpg",               "ares/ares_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "ares/ares_3.tga",               "ares/ares_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "ares/ares_4.tga",               "ares/ares_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "ares/ares_5.tga",               "ares/ares_ce5.tga"},
    {LOAD_SKIN,                 5, TEXTURE_MIPMAP_RGBA,  "ares/ares_6.tga",               "ares/ares_ce6.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "ares/ares_bladeblur.tga",       nullptr},
};

static const HitZoneRow ares_hit_zones[] = {
    {1812, 1.0f}, {1821, 2.0f}, {1815, 3.0f}, {1813, 1.0f}, {1814, 1.0f}, {1818, 2.0f},
    {1816, 2.0f}, {1820, 3.0f}, {1822, 3.0f}, {1817, 2.0f}, {1819, 2.0f},
};
static_assert(std::size(ares_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

static const SeqBlock ares_blocks[] = {
    SEQ_IDLE_BLOCK,
};

const CharacterModule ares_module = {
    "ares",
    "data/ares.txt",
    8,                         // body_half_width
    6,                         // body_height
    NO_WALK_SPEED,             // walk_speed
    0,                         // has_followups
    6,                         // projectile_texture_total
    nullptr,                   // tuning_log
    ares_hit_zones,
    ares_load_steps,
    static_cast<int>(std::size(ares_load_steps)),
    {ares_blocks, static_cast<int>(std::size(ares_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int ares_load(int slot, int alt_skin) { return load_character(CHARACTER_ARES, slot, alt_skin); }

void ares_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&ares_module.sequence, fighter, skeleton, blur);
}
