// Stand-ins for the fight flow's names declared in fight_pending.h, until the fight flow's own
// files land: the steps do nothing, the round reset puts the fighters back on their feet, and
// the victory camera ends after a second.
#include "game/fight_pending.h"

i32 p1_character, p2_character;
i32 p1_alt_color, p2_alt_color;

i32 round_clock;
i32 round_clock_ticks;
f32 round_intro_timer;
i32 round_call_phase;

static const i32 pending_round_lengths[] = {80, 70, 60};

i32 round_length_seconds()
{
    if (round_time_option >= 3)
        return 0;
    return pending_round_lengths[round_time_option];
}

void fight_temple_flicker(f32, f32) {}
void fight_scene_animate() {}
void fight_ambient_effects() {}
void fight_auras_step() {}
void fight_bursts_step() {}
void fight_blood_step(bool) {}

void reset_round()
{
    state_ticks = 0;
    for (int side = 0; side < 2; side++) {
        fighters[side].life = fighters[side].life_shown = 1.0f;
        fighters[side].action = ACTION_IDLE;
        if (fighter_skeletons[side])
            fighter_skeletons[side]->action = ACTION_IDLE;
    }
}

CameraSequence camera_sequence;
i32 victory_done;
static i32 pending_victory_ticks;
constexpr i32 PENDING_VICTORY_TICKS = 60;

void round_intro_sweep(int) {}

void round_victory_start(int)
{
    victory_done = 0;
    pending_victory_ticks = 0;
}

void round_victory_tick()
{
    if (++pending_victory_ticks > PENDING_VICTORY_TICKS)
        victory_done = CAMERA_DONE;
}

Particle projectile_trail_particles[2][PROJECTILE_TRAIL_PARTICLES];
void fx_projectile_trail(Particle *, int, int) {}

void update_projectiles() {}
void summon_update(int) {}
