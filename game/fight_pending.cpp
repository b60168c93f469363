// Stand-ins for what the fight flow calls before its owners' files are in the tree (see
// fight_pending.h); each goes as soon as its owner defines it. The loaders load nothing and
// succeed, the steps do nothing, and the figures are blank blocks.
#include "game/fight_pending.h"

static Skeleton pending_skeletons[3];

Skeleton *blur_skeletons[2] = {&pending_skeletons[0], &pending_skeletons[1]};
u32 divine_textures[DIVINE_TEXTURES];
u32 projectile_textures[PROJECTILE_TEXTURES];
u8 skin_texture_count, divine_texture_count, projectile_texture_count;

int load_character(int character, int slot, int)
{
    if (slot == 0 || slot == 1)
        fighters[slot].character = static_cast<u8>(character);
    return 0;
}

void character_animate(Fighter *, Skeleton *, Skeleton *) {}

u8 stage_texture_count;
Skeleton *stage_skeleton = &pending_skeletons[2];

int load_arena(int stage)
{
    stage_id = stage;
    return 0;
}

i32 ladder_stages[LADDER_FIGHTS];
i32 rounds_played;
u32 stage_select_cursor;

void update_projectiles() {}

void summon_update(int) {}
void summon_linger_step_ares() {}
void summon_linger_step_sphinx() {}

void fx_projectile_trail(Particle *, int, int) {}
void fx_fighter_aura(Particle *, int, int) {}
void fx_small_burst(Particle *, int, f32, f32, f32) {}
void fx_large_burst(Particle *, int, f32, f32, f32) {}
void fx_blood_burst(Particle *, int, f32, f32, f32) {}
void fx_blood_stains(Particle *, int) {}
void fx_rain(Particle *, int) {}
void fx_rain_splashes(Particle *, int) {}
void fx_labyrinth_flames(Particle *, int) {}
void fx_theatre_flames(Particle *, int) {}
void fx_temple_flames(Particle *, int) {}

void athens_step(Skeleton *) {}
void athens2_step(Skeleton *) {}
void troy_step(Skeleton *) {}
void arcadia_step(Skeleton *) {}
void theatre_step(Skeleton *) {}
void crete_step(Skeleton *) {}
void thebes_step(Skeleton *) {}
void hades_step(Skeleton *) {}
void temple_step(Skeleton *) {}
