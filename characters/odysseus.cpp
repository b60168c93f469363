// Odysseus: his assets and hit zones. Athena's soldiers answer his summon (pictures only, no
// summon model); his specials are 1005 and 1014.
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

static const SeqBlock odysseus_blocks[] = {
    SEQ_IDLE_BLOCK,
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
    {odysseus_blocks, static_cast<int>(std::size(odysseus_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int odysseus_load(int slot, int alt_skin) { return load_character(CHARACTER_ODYSSEUS, slot, alt_skin); }

void odysseus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&odysseus_module.sequence, fighter, skeleton, blur);
}
