// Hippolyte: her assets and hit zones. Apollo's solar beam answers her summon (pictures only,
// no summon model); her specials are 1009 and 1015, and she has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep hippolyte_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "hipolita/hipolita.emd",         nullptr},
    {LOAD_SKELETON,             0, -1,                   "hipolita/hipolita.esq",         nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "hipolita/hipolitablur.esq",     nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/solarbeam.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/beamhit.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/apolo.jpg",              nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/hipolita11.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/hipolita12.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/hipolita13.jpg",    nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGBA,  "hipolita/hipolita_1.tga",       nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "hipolita/hipolita_2.jpg",       "hipolita/hipolita_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGBA,  "hipolita/hipolita_3.tga",       "hipolita/hipolita_ce3.tga"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "hipolita/hipolita_4.jpg",       "hipolita/hipolita_ce4.jpg"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "hipolita/hipolita_5.tga",       "hipolita/hipolita_ce5.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "hipolita/hipolita_bladeblur.tga", nullptr},
};

static const HitZoneRow hippolyte_hit_zones[] = {
    {2048, 1.0f}, {2049, 2.0f}, {2050, 3.0f}, {2055, 1.0f}, {2056, 1.0f}, {2051, 2.0f},
    {2053, 2.0f}, {2057, 3.0f}, {2058, 3.0f}, {2052, 2.0f}, {2054, 2.0f},
};
static_assert(std::size(hippolyte_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

static const SeqBlock hippolyte_blocks[] = {
    SEQ_IDLE_BLOCK,
};

const CharacterModule hippolyte_module = {
    "hipolita",
    "data/hippolyte.txt",
    10,                        // body_half_width
    6,                         // body_height
    0.3f,                      // walk_speed
    1,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    hippolyte_hit_zones,
    hippolyte_load_steps,
    static_cast<int>(std::size(hippolyte_load_steps)),
    {hippolyte_blocks, static_cast<int>(std::size(hippolyte_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int hippolyte_load(int slot, int alt_skin) { return load_character(CHARACTER_HIPPOLYTE, slot, alt_skin); }

void hippolyte_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&hippolyte_module.sequence, fighter, skeleton, blur);
}
