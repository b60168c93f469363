// Atalanta: her assets and hit zones. Artemis' arrows answer her summon (pictures only, no
// summon model); her specials are 1003 and 1016, and she has the LOW SWING chain.
#include "characters/characters.h"

#include <iterator>

static const LoadStep atalanta_load_steps[] = {
    // kind                index mode                  entry                          alternate
    {LOAD_MODEL,                0, -1,                   "atalanta/atalanta.emd",         nullptr},
    {LOAD_SKELETON,             0, -1,                   "atalanta/atalanta.esq",         nullptr},
    {LOAD_BLUR_SKELETON,        0, -1,                   "atalanta/atalantablur.esq",     nullptr},
    {LOAD_DIVINE_TEXTURE,       0, TEXTURE_MIPMAP_RGB,   "divine/flecha1.jpg",            nullptr},
    {LOAD_DIVINE_TEXTURE,       2, TEXTURE_MIPMAP_RGB,   "divine/artemisa.jpg",           nullptr},
    {LOAD_SKIN,                 0, TEXTURE_MIPMAP_RGBA,  "atalanta/atalanta_1.tga",       nullptr},
    {LOAD_SKIN,                 1, TEXTURE_MIPMAP_RGB,   "atalanta/atalanta_2.jpg",       "atalanta/atalanta_ce2.jpg"},
    {LOAD_SKIN,                 2, TEXTURE_MIPMAP_RGB,   "atalanta/atalanta_3.jpg",       "atalanta/atalanta_ce3.jpg"},
    {LOAD_SKIN,                 3, TEXTURE_MIPMAP_RGBA,  "atalanta/atalanta_4.tga",       "atalanta/atalanta_ce4.tga"},
    {LOAD_SKIN,                 4, TEXTURE_MIPMAP_RGBA,  "atalanta/atalanta_5.tga",       "atalanta/atalanta_ce5.tga"},
    {LOAD_BLADE_BLUR,           0, TEXTURE_CLAMP_RGBA,   "atalanta/atalanta_bladeblur.tga", nullptr},
};

static const HitZoneRow atalanta_hit_zones[] = {
    {1796, 1.0f}, {1797, 2.0f}, {1798, 3.0f}, {1799, 1.0f}, {1800, 1.0f}, {1804, 2.0f},
    {1803, 2.0f}, {1801, 4.0f}, {1802, 3.0f}, {1805, 4.0f}, {1806, 4.0f},
};
static_assert(std::size(atalanta_hit_zones) == MODEL_HIT_ZONES, "eleven hit zones");

// Her idle loops five keys at 20 ticks, not the four at 30 of most characters.
static const SeqBlock atalanta_blocks[] = {
    {ACTION_IDLE, SEQ_NO_TWIN, 1, 5, 0, 20, -1, END_NONE, 0, 0, 10, 0, 0, 0, 0,
     SEQ_LOOP | SEQ_STEP_IDLE | SEQ_ENTRY_IDLE},
};

const CharacterModule atalanta_module = {
    "atalanta",
    "data/atalanta.txt",
    8,                         // body_half_width
    6,                         // body_height
    0.45f,                     // walk_speed
    1,                         // has_followups
    0,                         // projectile_texture_total
    nullptr,                   // tuning_log
    atalanta_hit_zones,
    atalanta_load_steps,
    static_cast<int>(std::size(atalanta_load_steps)),
    {atalanta_blocks, static_cast<int>(std::size(atalanta_blocks)), nullptr, 0, nullptr, 0, {0, 0, 0, 0, 0}},
};

int atalanta_load(int slot, int alt_skin) { return load_character(CHARACTER_ATALANTA, slot, alt_skin); }

void atalanta_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    sequencer_step(&atalanta_module.sequence, fighter, skeleton, blur);
}
