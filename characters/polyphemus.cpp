// Polyphemus: his assets and hit zones. Poseidon's wave answers his summon; his specials are
// 1010 and 1018 (the stomp).
#include "characters/characters.h"

#include <iterator>

static const LoadStep polyphemus_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "polifemo/polifemo.emd",         nullptr},
    {LOAD_SKELETON,             0, -1,                   "polifemo/polifemo.esq",         nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "polifemo/polifemoblur.esq",     nullptr},
    {LOAD_SUMMON_MODEL,         0, -1,                   "divine/wave.emd",               nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/wave.esq",               nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/wave1.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       1, TEXTURE_MIPMAP_RGB,   "divine/wave2.jpg",              nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/poseidon.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       3, TEXTURE_MIPMAP_RGB,   "divine/wave3.jpg",              nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/polifemo11.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/polifemo12.jpg",    nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/polifemo13.jpg",    nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_1.jpg",       nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_2.jpg",       "polifemo/polifemo_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_3.jpg",       "polifemo/polifemo_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "polifemo/polifemo_4.tga",       "polifemo/polifemo_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGB,   "polifemo/polifemo_5.jpg",       "polifemo/polifemo_ce5.jpg"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "polifemo/polifemo_bladeblur.tga", nullptr},
};

static const HitZoneRow polyphemus_hit_zones[] = {
    {1672, 2.0f}, {1675, 4.0f}, {1676, 4.0f}, {1673, 3.0f}, {1674, 3.0f}, {1677, 4.0f},
    {1678, 4.0f}, {1681, 8.0f}, {1682, 8.0f}, {1679, 8.0f}, {1680, 8.0f},
};
static_assert(std::size(polyphemus_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

static const SeqBlock polyphemus_blocks[] = {
    SEQ_IDLE_BLOCK,
};

const CharacterModule polyphemus_module = {
    "polifemo",
    "data/polyphemus.txt",
    12,                        // body_half_width
    6,                         // body_height
    0.15f,                     // walk_speed
    0,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    polyphemus_hit_zones,
    polyphemus_load_steps,
    static_cast<int>(std::size(polyphemus_load_steps)),
    {polyphemus_blocks, static_cast<int>(std::size(polyphemus_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int polyphemus_load(int slot, int alt_skin) { return load_character(CHARACTER_POLYPHEMUS, slot, alt_skin); }

void polyphemus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&polyphemus_module.sequence, fighter, skeleton, blur);
}
