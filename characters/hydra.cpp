// The Hydra: its assets and hit zones. Hades' ghosts answer its summon (a model without a
// skeleton). Its skeleton holds one bank of keys per number of heads left, so every lost head
// changes every animation.
#include "characters/characters.h"

#include <iterator>

static const LoadStep hydra_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "hidra/hidra.emd",               nullptr},
    {LOAD_SKELETON,             0, -1,                   "hidra/hidra.esq",               nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "hidra/hidrablur.esq",           nullptr},
    {LOAD_SUMMON_MODEL,         9, -1,                   "divine/conofantasma.emd",       nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/fantasmas.jpg",          nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/hades.jpg",              nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "hidra/hidra_1.jpg",             "hidra/hidra_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGBA,  "hidra/hidra_2.tga",             "hidra/hidra_ce2.tga"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "hidra/hidra_3.jpg",             "hidra/hidra_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGB,   "hidra/hidra_4.jpg",             "hidra/hidra_ce4.jpg"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "hidra/hidra_bladeblur.tga",     nullptr},
};

static const HitZoneRow hydra_hit_zones[] = {
    {1222, 3.0f}, {1224, 3.0f}, {1226, 3.0f}, {1223, 3.0f}, {0, 0.0f}, {1220, 3.0f},
    {1217, 3.0f}, {1218, 3.0f}, {1221, 3.0f}, {1216, 5.0f}, {1219, 5.0f},
};
static_assert(std::size(hydra_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// The idle keys are counted from the bank of the heads left.
static const SeqBlock hydra_blocks[] = {
    SEQ_IDLE_BLOCK,
};

const CharacterModule hydra_module = {
    "hidra",
    "data/hydra.txt",
    2,                         // body_half_width
    4,                         // body_height
    0.15f,                     // walk_speed
    0,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    hydra_hit_zones,
    hydra_load_steps,
    static_cast<int>(std::size(hydra_load_steps)),
    {hydra_blocks, static_cast<int>(std::size(hydra_blocks)), nullptr, 0, nullptr, 0, {0, 191, 127, 63, 0}},
};

int hydra_load(int slot, int alt_skin) { return load_character(CHARACTER_HYDRA, slot, alt_skin); }

void hydra_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&hydra_module.sequence, fighter, skeleton, blur);
}
