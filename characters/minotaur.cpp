// The Minotaur: his assets and hit zones. The Furies answer his summon (pictures only, no
// summon model); his specials are 1024 and 1023. His is the one loader that logs its progress,
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

static const SeqBlock minotaur_blocks[] = {
    SEQ_IDLE_BLOCK,
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
    {minotaur_blocks, static_cast<int>(std::size(minotaur_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int minotaur_load(int slot, int alt_skin) { return load_character(CHARACTER_MINOTAUR, slot, alt_skin); }

void minotaur_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&minotaur_module.sequence, fighter, skeleton, blur);
}
