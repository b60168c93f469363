// The effect pools: plain arrays that live for the whole run; nothing is allocated.
#include "combat/combat.h"

Particle projectile_trail_particles[2][PROJECTILE_TRAIL_PARTICLES];
Particle stage_flame_particles[STAGE_FLAME_PARTICLES];
Particle aura_particles[AURA_PARTICLES];
Particle aura_particles_side2[AURA_PARTICLES];
Particle spark_particles[SPARK_PARTICLES];
Particle blood_particles[2][BLOOD_PARTICLES];
Particle blood_stain_particles[BLOOD_STAIN_PARTICLES];
Particle rain_particles[RAIN_PARTICLES];
Particle rain_splash_particles[RAIN_PARTICLES];
Particle burst_particles[2][BURST_PARTICLES];
i32 aura_warmup[2];
