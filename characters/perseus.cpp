// Perseus: his assets and hit zones. Zeus' lightning answers his summon; his specials are 1006
// and 1007, and he has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep perseus_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "perseo/perseo.emd",             nullptr},
    {LOAD_SKELETON,             0, -1,                   "perseo/perseo.esq",             nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "perseo/perseoblur.esq",         nullptr},
    {LOAD_SUMMON_MODEL,         3, -1,                   "divine/rayos.emd",              nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/rayos.esq",              nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/electro1.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/electro2.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/zeus.jpg",               nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGB,   "divine/electric_joint.jpg",     nullptr},
    {LOAD_DIVINE_TEXTURE,       4, TEXTURE_MIPMAP_RGB,   "divine/nubes2.jpg",             nullptr},
    {LOAD_DIVINE_TEXTURE,       5, TEXTURE_MIPMAP_RGB,   "divine/nubes.jpg",              nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "perseo/perseo_2.jpg",           nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "perseo/perseo_1.jpg",           "perseo/perseo_ce1.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "perseo/perseo_3.tga",           "perseo/perseo_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "perseo/perseo_4.jpg",           "perseo/perseo_ce4.jpg"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "perseo/perseo_5.tga",           "perseo/perseo_ce5.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "perseo/perseo_bladeblur.tga",   nullptr},
};

static const HitZoneRow perseus_hit_zones[] = {
    {1983, 1.0f}, {1984, 2.0f}, {1985, 3.0f}, {1990, 1.0f}, {1991, 1.0f}, {1986, 2.0f},
    {1988, 2.0f}, {1993, 6.0f}, {1992, 3.0f}, {1987, 2.5f}, {1989, 2.5f},
};
static_assert(std::size(perseus_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

static const SeqBlock perseus_blocks[] = {
    SEQ_IDLE_BLOCK,
};

const CharacterModule perseus_module = {
    "perseo",
    "data/perseus.txt",
    9,                         // body_half_width
    6,                         // body_height
    0.35f,                     // walk_speed
    1,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    perseus_hit_zones,
    perseus_load_steps,
    static_cast<int>(std::size(perseus_load_steps)),
    {perseus_blocks, static_cast<int>(std::size(perseus_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int perseus_load(int slot, int alt_skin) { return load_character(CHARACTER_PERSEUS, slot, alt_skin); }

void perseus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&perseus_module.sequence, fighter, skeleton, blur);
}
