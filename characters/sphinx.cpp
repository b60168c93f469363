// The Sphinx: her assets and hit zones. Aphrodite's girdle answers her summon; her specials are
// 1012 and 1017. With "-nomask" her model and both skeletons come from the unmasked variant, and
// her blur skeleton is read after the summon.
#include "characters/characters.h"

#include <iterator>

static const LoadStep sphinx_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "esfinge/esfinge.emd",           "esfinge/nomask.emd"},
    {LOAD_SKELETON,             0, -1,                   "esfinge/esfinge.esq",           "esfinge/nomask.esq"},
    {LOAD_SUMMON_MODEL,         8, -1,                   "divine/cinturon.emd",           nullptr},
    {LOAD_SUMMON_SKELETON,      0, -1,                   "divine/cinturon.esq",           nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "esfinge/esfingeblur.esq",       "esfinge/nomaskblur.esq"},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/cinturon.jpg",           nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/afrodita.jpg",           nullptr},
    {LOAD_PROJECTILE_TEXTURE,   0, TEXTURE_CLAMP_RGB,    "proyectiles/esfinge11.jpg",     nullptr},
    {LOAD_PROJECTILE_TEXTURE,   1, TEXTURE_CLAMP_RGB,    "proyectiles/esfinge12.jpg",     nullptr},
    {LOAD_PROJECTILE_TEXTURE,   2, TEXTURE_CLAMP_RGB,    "proyectiles/esfinge13.jpg",     nullptr},
    {LOAD_PROJECTILE_COUNT,     1, -1,                   nullptr,                         nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGB,   "esfinge/esfinge_1.jpg",         "esfinge/esfinge_ce1.jpg"},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "esfinge/esfinge_2.jpg",         "esfinge/esfinge_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "esfinge/esfinge_3.jpg",         "esfinge/esfinge_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "esfinge/esfinge_4.tga",         nullptr},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "esfinge/esfinge_5.tga",         nullptr},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "esfinge/esfinge_bladeblur.tga", nullptr},
};

static const HitZoneRow sphinx_hit_zones[] = {
    {1994, 2.0f}, {1997, 4.0f}, {1998, 4.0f}, {1995, 3.0f}, {1996, 3.0f}, {1999, 3.0f},
    {2001, 3.0f}, {2003, 4.0f}, {2004, 4.0f}, {2000, 3.0f}, {2002, 3.0f},
};
static_assert(std::size(sphinx_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

static const SeqBlock sphinx_blocks[] = {
    SEQ_IDLE_BLOCK,
};

const CharacterModule sphinx_module = {
    "esfinge",
    "data/sphinx.txt",
    10,                        // body_half_width
    6,                         // body_height
    0.3f,                      // walk_speed
    0,                         // has_followups
    3,                         // projectile_texture_total
    nullptr,                   // tuning_log
    sphinx_hit_zones,
    sphinx_load_steps,
    static_cast<int>(std::size(sphinx_load_steps)),
    {sphinx_blocks, static_cast<int>(std::size(sphinx_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int sphinx_load(int slot, int alt_skin) { return load_character(CHARACTER_SPHINX, slot, alt_skin); }

void sphinx_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&sphinx_module.sequence, fighter, skeleton, blur);
}
