// fight_pending.h: the fight flow's names that the round decisions, the HUD and the overlays
// use before the fight flow's own files are in the tree; included only by round_end.cpp,
// ladder.cpp, hud.cpp and overlays.cpp. Each name is declared here exactly as its owner
// declares it (fight load, round intro and clock, round reset, cameras, fight scene steps,
// particle pools, projectiles, summons); when the fight flow lands this header and
// fight_pending.cpp give way to its own.
#pragma once

#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"

// ---- fight load -------------------------------------------------------------------------
extern i32 p1_character, p2_character;   // CharacterId of side one and side two
extern i32 p1_alt_color, p2_alt_color;   // 0 the plain colours, 1 the alternate set

// ---- round intro, round start and round clock --------------------------------------------
extern i32 round_clock;           // whole seconds left, shown as "%02d"
extern i32 round_clock_ticks;     // ticks 0..59 within the current second
extern f32 round_intro_timer;     // 1.0 when a round is prepared; READY / FIGHT show while above 0
extern i32 round_call_phase;      // 0 while READY shows, -1 once the round call has sounded
// The round length the TIME option gives, in seconds; 0 for an option value it does not know.
i32 round_length_seconds();

// ---- fight scene steps ----------------------------------------------------------------------
void fight_temple_flicker(f32 step, f32 floor);
void fight_scene_animate();               // side one, side two, then the arena
void fight_ambient_effects();             // the arena's rain or flames
void fight_auras_step();                  // the auras of the fighters whose aura is set
void fight_bursts_step();                 // the spark burst and both sides' large bursts
void fight_blood_step(bool stains);       // with the blood option on

// ---- round reset ------------------------------------------------------------------------------
void reset_round();

// ---- round-intro and victory cameras -----------------------------------------------------
constexpr i32 CAMERA_DONE = -1;
struct CameraSide {
    i32 ticks;
    i32 variant;
    i32 done;                     // 0 while it runs, CAMERA_DONE when it is over
};
struct CameraSequence {
    CameraSide side[2];           // side one first
};
extern CameraSequence camera_sequence;
extern i32 victory_done;          // 0 while the victory camera runs, CAMERA_DONE when over or skipped
void round_intro_sweep(int phase);
void round_victory_start(int side);
void round_victory_tick();

// ---- particle pools: the projectile trails ------------------------------------------------
struct Particle {
    u8 kind;
    f32 tint[3];
    f32 x, y, z;
    f32 dir_x, dir_y, dir_z;
    f32 life;
    f32 size;
    f32 speed;
};
constexpr int FX_INIT = 1;
constexpr int FX_STEP = 2;
constexpr int PROJECTILE_TRAIL_PARTICLES = 20;   // per side
extern Particle projectile_trail_particles[2][PROJECTILE_TRAIL_PARTICLES];
void fx_projectile_trail(Particle *pool, int mode, int side);

// ---- projectiles and summons -----------------------------------------------------------------
void update_projectiles();
void summon_update(int side);
