// combat.h: fighter control, computer opponent, fight camera, tuning files, hits and damage,
// projectiles, summons and effects; used by game/, characters/ and frontend/.
#pragma once

#include "base/base.h"
#include "game/game.h"

// ---- character tuning files (tuning.cpp) ----------------------------------------------
// Reads data/<name>.txt (path is the whole file name) into the fighter's defence, walk speed,
// damage, animation rates and move parameters and flags. Returns 1 when the whole file was
// read; 0 when it is missing or empty (the fighter untouched), or when values are missing (one
// log line; the values that were there are taken, the others keep theirs).
int read_damage_file(const char *path, Fighter *fighter);

// ---- motion commands and special-move choice (motion.cpp) --------------------------------
// Codes of choose_special_move, in pairs by facing: _RIGHT while facing +x, _LEFT while -x.
enum SpecialCode : i32 {
    SPECIAL_CODE_NONE = 0,
    SPECIAL_CODE_DOWN_TOWARD_RIGHT = 1,
    SPECIAL_CODE_DOWN_TOWARD_LEFT = 2,
    SPECIAL_CODE_DOWN_AWAY_LEFT = 4,
    SPECIAL_CODE_DOWN_AWAY_RIGHT = 5,
    SPECIAL_CODE_TOWARD_AWAY_TOWARD_LEFT = 6,
    SPECIAL_CODE_TOWARD_AWAY_TOWARD_RIGHT = 7,
    SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT = 13,
    SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT = 14,
    SPECIAL_CODE_SUPER_RIGHT = 15,
    SPECIAL_CODE_SUPER_LEFT = 16,
    SPECIAL_CODE_AWAY_DOWN_LEFT = 17,
    SPECIAL_CODE_AWAY_DOWN_RIGHT = 18
};

// Steps side p's six recognisers once on the newest direction-history entry.
void detect_motion_commands(int p);
void reset_motion_commands(int p);
// The special move side p's HARD SWING asks for: a SpecialCode. A computer side may roll one.
i32 choose_special_move(int p);
// The command a code stands for, COMMAND_COUNT for none.
MotionCommand special_code_command(i32 code);
// Appends a direction code to the history when it differs from the newest entry; a full
// history drops its oldest entry first.
void fighter_note_direction(Fighter *fighter, int code);
// Appends a code to the tap history (no test against the newest entry); a full history drops
// its oldest entry first.
void fighter_note_tap(Fighter *fighter, int code);

// ---- jump and hop arcs (jump_arc.cpp) ---------------------------------------------------
// Program lifetime: filled once at start-up. Heights by frame: a jump rises to about 15 at
// frames 17-18 and lands at frame 35; a hit hop rises 8 above its start at frame 15.
constexpr int JUMP_ARC_FRAMES = 35;
constexpr int HOP_ARC_FRAMES = 30;
extern f32 jump_arc_table[JUMP_ARC_FRAMES];
extern f32 hop_arc_table[HOP_ARC_FRAMES];
void jump_arcs_fill();

// ---- fighter control (control.cpp) --------------------------------------------------------
constexpr f32 HEADING_FACING_RIGHT = 90.0f;   // degrees about z while facing +x
constexpr f32 HEADING_FACING_LEFT = 270.0f;

// Turns side p's input bytes into its fighter's next move; run by update_fighters.
void player_control(int p);
// The opponent's attack is live, a summon runs or the opponent's projectile flies.
bool fighter_threatened(int p);
// A fighter that has turned round faces its opponent at once.
void fighter_fix_heading(Fighter *fighter);

// ---- fighter update and push-apart (fighter_update.cpp) -----------------------------------
// Match lifetime: Ares's lingering curse scrambles its victim's directions while the bias is
// positive; the bias is drawn again whenever the timer runs out.
extern i32 confusion_bias;
extern i32 confusion_timer;

// Both fighters' control and motion for one fight tick, side one first.
void update_fighters();
// Whether side p's body box meets the other fighter's.
bool fighters_meet(int p);
// 0 when the bodies do not meet; else the distance between the fighters less half the other's
// half width, negative when p stands at the greater x.
f32 fighter_overlap(int p);
// Whether side p is played by the computer in the current game mode.
bool fighter_is_cpu_side(int p);
// The computer's side in a one-player game, -1 in any other mode.
int cpu_side_of_one_player_game();

// ---- fight camera (fight_camera.cpp) ------------------------------------------------------
// Round lifetime: the round reset sets camera_term 13, camera_up_z 1 and camera_yaw 3.1415;
// the rest is recomputed every fight tick. World units, z up, the camera on the -y side.
extern f32 camera_eye[3];
extern f32 camera_centre[3];
extern f32 camera_up_z;
extern f32 camera_yaw;            // radians; 3.1415 looks along +y
extern f32 camera_term;           // the eye's height above the lift
extern u8 camera_shake;           // bob cycles still to run; heavy landings and hits set 2
extern f32 camera_shake_phase;    // 0, 0.5 .. 2.0 within one bob
extern f32 camera_head_phase;     // the bob while the Hydra loses a head or falls
extern f32 fighter_distance;      // the fighters' distance this tick

// Places the camera for the fight; once per fight tick, also while paused.
void update_fight_camera();

// ---- summon sequence (summon.cpp, summon_effects.cpp, summon_hit.cpp, summon_draw.cpp) -----
enum SummonPhase : i32 {
    SUMMON_NONE = 0,
    SUMMON_FADE_OUT = 1,
    SUMMON_EFFECT = 2,
    SUMMON_FADE_IN = 3
};
// Round lifetime: the round reset sets summon_phase none, summon_victim 0 and the fade level
// 1.0; the rest is set when a summon starts or its effect spawns. The player control starts a
// summon (summoner, phase); a knock-out by a god's strike and the round clock send it to its
// fade-in.
extern i32 summoner;              // side whose summon runs
extern i32 summon_victim;         // side under a lingering curse: 1 side one, 2 side two, 0 none
extern f32 summon_fade_level;     // the scene's light level, 1.0 normal, 0 while the god acts
extern f32 summon_timer;          // progress of the effect, 0..1; also the gods' brightness
extern f32 summon_scroll;         // texture scroll of the wave, hurricane and lightning
extern f32 summon_shake_step;     // camera shake factor 0, 0.5 .. 2.0
extern u8 summon_strike_counter;  // the single strike made; the Hydra's strike cycle
extern u8 summon_bolt_counter;    // Perseus's strike cycle
extern f32 summon_ghost_phase;    // the Hydra's ghost cycle, 0..1

// One tick of the summon of side `side`: camera blend, then (unless paused) the fade-out, the
// god's effect and the fade-in back to SUMMON_NONE.
void summon_update(int side);
// The camera's swing to the wide frontal view, by the darkness of the scene.
void summon_camera_update();
// One tick of the curse that Ares's or the Sphinx's summon leaves behind: the god's figure
// moves and the summoner's power drains until it is spent.
void summon_linger_step_ares();
void summon_linger_step_sphinx();
// A piece of the summoner's effect at `centre` with half sizes (x, depth, height) against the
// other side's body points 0-6; 1 when it struck now. Ends with the stun and knock-out checks.
int resolve_summon_hit(int side, const f32 centre[3], const f32 half_size[3]);
// The god's effect and the god's picture, in the current camera view; every summon phase.
void summon_draw(int side);
void summon_draw_overlay();
// The lingering curse's figure on its victim.
void summon_linger_draw_ares();
void summon_linger_draw_sphinx();

// ---- projectiles (projectiles.cpp, projectile_hits.cpp, projectile_draw.cpp) ------------
enum ProjectileKind : u8 {
    PROJECTILE_STILL = 0,
    PROJECTILE_STRAIGHT = 1,
    PROJECTILE_RISING = 2
};

// One per side, indexed by the thrower's side. The throw fills it; after the end it keeps
// its last values, and only projectile_in_flight says whether it is moved, tested or drawn.
struct Projectile {
    i32 move_id;       // the special move that threw it
    u8 kind;           // ProjectileKind
    u8 direction;      // 1 travels toward +x
    u8 lock;           // set by the hit detection when it connects; cleared 16 ticks later
    u8 flat;           // 1: an upright quad in the x-z plane; 0: facing the camera
    i32 texture_set;   // first frame in the thrower's projectile textures
    i32 frame;         // 0..2
    f32 pos[3];
    f32 size[3];       // half extents of the drawn quad
    f32 speed;         // distance per tick
    f32 decay;         // life lost per tick
    f32 life;          // 1.0 at the throw; ends below 0
};

// Round lifetime: the round reset clears the flags. The thrower sets its flag (through
// projectile_launched); the projectile step and the hit detection clear it.
extern Projectile projectiles[2];
extern u8 projectile_in_flight[2];
extern i32 projectile_lock_ticks[2];   // ticks the record's lock has been set
extern i32 projectile_tick_toggle[2];  // 0..1, the frame steps every second tick

// A throw was filled into side p's record: it flies from now, with a fresh lock count.
void projectile_launched(int p);
// Moves, ages and animates both sides' projectiles; once per fight tick.
void update_projectiles();
// The hit pass of a tick in which a projectile flies: the clash of two projectiles, a
// projectile against the other fighter's body, or the end-of-pass checks.
void resolve_projectile_hits();
// Both sides' projectiles in flight, each one textured quad; in the fight frame and the glow
// pre-pass.
void draw_projectiles();

struct Model;

// Draw-only: each side's blink counter of the stone skin, 0..2.
extern u8 effect_skin_blink[2];
// A petrified fighter: its posed model in the petrifier's stone texture, black every third
// frame in the spell's last second; advances the blink counter of its side unless paused.
void draw_fighter_effect_skin(const Model *model, const Fighter *fighter, int other_side);

// Clears side p's projectile-trail effect as a new throw starts.
void fx_projectile_trail_reset(int p);

// The projectile-clash flash, per element; set by the clash, faded by the fighter update.
extern u8 clash_flash_on[2];
extern f32 clash_flash[2];        // its level, rising 0.05 per tick
extern f32 clash_flash_pos[2][3]; // world x, y, z

// ---- melee hit detection (hit_detection.cpp) -----------------------------------------------
// Hit-zone points of a fighter's model: 0-6 the body, 7 and 8 the weapon, 9 and 10 the kick;
// a fighter with heads (the Hydra) has one body point per head from 0 and attacks from 5.
constexpr int HIT_BODY_ZONES = 7;
constexpr int HIT_WEAPON_ZONE = 7;
constexpr int HIT_KICK_ZONE = 9;
constexpr int HIT_HEAD_ATTACK_ZONE = 5;

// Round lifetime: zeroed by the round reset.
extern i32 wound_level[2];        // per side, blood on only: 1 at half life or less, 2 at a quarter

// A point's or a box's extent on x and z (depth plays no part in any hit test).
struct HitSquare {
    f32 x_low, x_high;
    f32 z_low, z_high;
};
HitSquare hit_square(f32 x, f32 z, f32 half_x, f32 half_z);
// The squares overlap on x and on z; on each axis an end of one interval must lie strictly
// inside the other, so squares that only touch, or coincide exactly, do not overlap.
bool zones_overlap(const HitSquare &a, const HitSquare &b);

// Places both fighters' eleven hit-zone points in the world from their posed models.
void update_hit_zones();
// The fight tick's hit pass: who may strike, the search, the hit; the end-of-pass checks in a
// tick without a hit.
void resolve_melee_hits();
// Stun, knock-out (with the slow motion), the Hydra's head loss, wounds and round wins.
// Returns true when a knock-out was declared. The melee pass shakes the camera on a stun.
bool check_stun_and_knockout(bool stun_shakes_camera);

// ---- hit resolution and damage (damage.cpp) --------------------------------------------------
// How a hit tests the defender's guard, and what its reaction may do; combined as bits.
enum HitRule : u8 {
    HIT_RULE_GUARD_ALONE = 0,         // any guard holds; no knock-down (projectiles, summons)
    HIT_RULE_POSTURE_GUARD = 1,       // a standing guard fails low, a crouching one fails high
    HIT_RULE_SWEEP_KNOCKDOWN = 2,     // a sweep knocks the defender down
    HIT_RULE_MELEE = HIT_RULE_POSTURE_GUARD | HIT_RULE_SWEEP_KNOCKDOWN
};

// The hit light, GL light 1, lives in the arena's light record (stage_light): a hit sets
// hit_light_on, light1_diffuse (RGBA (2, 2, 0.5) after a hit, (2, 2, 2) after a block) and
// light1_position (the struck point, w = 1). The round reset switches it off; the fighter
// update fades it and switches it off as the stun ends.

// One hit of side `attacker`'s current move on the other side at its body point
// `struck_point`: combo, guard, sounds, damage, power, stun build-up, reaction.
void apply_melee_hit(int attacker, int struck_point, u8 rules);
// Both sides struck in one tick, each at the given body point of its own.
void apply_trade_hits(int point_on_side_two, int point_on_side_one);
// The defender's reaction at (x, z): facing, guard or hit pose, the hit light.
void apply_hit_reaction(int defender, int attacker, f32 x, f32 z, u8 rules);

// ---- computer opponent (cpu_opponent.cpp) ----------------------------------------------------
struct CpuOpponent {
    i32 level;         // difficulty: 1 Easiest, 2 Easy, 4 Normal, 5 Hard
    i32 weight[3];     // tactic weights of the last reroll
    f32 reach;         // attack reach in world units
    i32 countdown;     // ticks to the next reroll; the fighter update lowers it every tick
    i32 tactic;        // CpuTactic
};

enum CpuTactic : i32 {
    CPU_TACTIC_PRESS = 0,
    CPU_TACTIC_WAIT = 1,
    CPU_TACTIC_BACK_OFF = 2
};

// Round lifetime: cpu_opponents_reset runs with every round reset.
extern CpuOpponent cpu_opponents[2];
extern i32 ai_dash_request;           // 1: the computer side dashes toward its opponent this tick
extern i32 ai_last_opponent_action;   // the opponent action last seen, shared by both sides
extern f32 ai_opponent_life_memo;     // the opponent life last noted while its attack was live

// Level from the difficulty, reach from each side's character, reroll due at once, the memo
// at full life, no dash asked for.
void cpu_opponents_reset();
// New tactic weights by level; the tactic is the heaviest (ties go to the later one).
void ai_reroll_tactics(int p);
// Writes side p's input bytes for the computer (and its own record and memos, nothing else).
void ai_think(int p);

// ---- particle pools (particle_pools.cpp) and their effects (effects.cpp, effects_flames.cpp) --
// One record of an effect's pool; alive while life > 0 (the rain keeps its drop variant in life).
struct Particle {
    u8 kind;           // ProjectileKind, copied by the projectile trail
    f32 tint[3];       // red, green, blue; read from the first record of a large burst
    f32 x, y, z;       // world position
    f32 dir_x, dir_y, dir_z;   // direction of motion
    f32 life;
    f32 size;          // drawing size term
    f32 speed;         // distance per tick along the direction
};

// Modes of every effect step: fill or start the pool, or advance it one tick.
constexpr int FX_INIT = 1;
constexpr int FX_STEP = 2;

constexpr int PROJECTILE_TRAIL_PARTICLES = 20;   // per side
constexpr int STAGE_FLAME_PARTICLES = 200;       // 80 used by the arena flames
constexpr int AURA_PARTICLES = 50;               // per side
constexpr int SPARK_PARTICLES = 25;
constexpr int BLOOD_PARTICLES = 100;             // per side, 25 used per burst
constexpr int BLOOD_STAIN_PARTICLES = 500;
constexpr int RAIN_PARTICLES = 500;
constexpr int BURST_PARTICLES = 100;             // per side, 50 used per burst

// Program lifetime: all dead at the start; the round reset kills the combat pools.
extern Particle projectile_trail_particles[2][PROJECTILE_TRAIL_PARTICLES];
extern Particle stage_flame_particles[STAGE_FLAME_PARTICLES];
extern Particle aura_particles[AURA_PARTICLES];          // side one
extern Particle aura_particles_side2[AURA_PARTICLES];
extern Particle spark_particles[SPARK_PARTICLES];
extern Particle blood_particles[2][BLOOD_PARTICLES];     // by the side that was hit
extern Particle blood_stain_particles[BLOOD_STAIN_PARTICLES];
extern Particle rain_particles[RAIN_PARTICLES];
extern Particle rain_splash_particles[RAIN_PARTICLES];
extern Particle burst_particles[2][BURST_PARTICLES];
extern i32 aura_warmup[2];        // records of the aura in play, 0..50
extern i32 projectile_trail_count[2];   // per side: trail records in play, 0..20
extern i32 projectile_trail_timer[2];   // per side: 0..2, one more record each time it is 0
extern i32 blood_stain_next;            // the stain ring's next slot, 0..499

// The effect steps, each on its pool with FX_INIT or FX_STEP; the bursts take their centre.
void fx_projectile_trail(Particle *pool, int mode, int side);
void fx_fighter_aura(Particle *pool, int mode, int side);
void fx_small_burst(Particle *pool, int mode, f32 x, f32 y, f32 z);
void fx_large_burst(Particle *pool, int mode, f32 x, f32 y, f32 z);
void fx_blood_burst(Particle *pool, int mode, f32 x, f32 y, f32 z);
void fx_blood_stains(Particle *pool, int mode);
void fx_rain(Particle *pool, int mode);
void fx_rain_splashes(Particle *pool, int mode);
void fx_labyrinth_flames(Particle *pool, int mode);
void fx_theatre_flames(Particle *pool, int mode);
void fx_temple_flames(Particle *pool, int mode);
// The character select's row of 200 flames in stage_flame_particles.
void fx_flame_row(Particle *pool, int mode);
// Side 0's aura pool is aura_particles, side 1's aura_particles_side2.
Particle *fx_aura_pool(int side);
// The world points side's aura rises from (hit zones 7, and 8 for the two-handed fighters);
// zones without a posed vertex are skipped. Returns how many were written to out, 0..2.
int fx_aura_emitters(int side, f32 out[2][3]);

// ---- particle drawing (effects_draw.cpp) -----------------------------------------------
// Each drawer sends its pool as textured quads from the camera globals' view, with its own
// blend function; they leave depth writes off. Pass the pool each effect steps.
void draw_fx_projectile_trail(const Particle *pool, int side);
void draw_fx_fighter_aura(const Particle *pool);
void draw_fx_burst(const Particle *pool);
void draw_fx_blood_burst(const Particle *pool);
void draw_fx_labyrinth_flames(const Particle *pool);
void draw_fx_theatre_flames(const Particle *pool);
void draw_fx_temple_flames(const Particle *pool);
void draw_fx_flame_row(const Particle *pool);
// Finds, in tex_misc, the part of each of the flame row's cells that can light a pixel; the
// row is then drawn over those parts only (whole cells until this runs, or with no sheet).
void fx_flame_row_measure();
void draw_fx_rain(const Particle *pool);
void draw_fx_rain_splashes(const Particle *pool);
void draw_fx_clash_sparks(const Particle *pool);
void draw_fx_blood_stains(const Particle *pool);

// ---- hit and guard flashes (flash_draw.cpp) --------------------------------------------
// Half sizes of a hit flash's quads at level 0..1 round a base size: the first quad widens
// and flattens as it fades, the second grows from nothing.
struct HitFlashScales {
    f32 first[3];      // x, y, z
    f32 second;        // every axis
};
constexpr f32 HIT_FLASH_BASE = 5.0f;
constexpr f32 HIT_SPARK_BASE = 10.0f;    // the projectile clash: twice the size
constexpr f32 GUARD_FLASH_BASE = 5.0f;
HitFlashScales hit_flash_scales(f32 level, f32 base);
// A guard flash's half size at level 0..1.
f32 guard_flash_scale(f32 level);
// Camera-facing flashes at a world point, at a brightness level 0..1; drawn over everything.
void draw_hit_flash(f32 x, f32 y, f32 z, f32 level);
void draw_hit_spark(f32 x, f32 y, f32 z, f32 level);
void draw_guard_flash(f32 x, f32 y, f32 z, f32 level);

// ---- blade trails (blade_trail.cpp) -------------------------------------------------------
// The two bones at a weapon's edges, per character: a, b for the first weapon, c, d for the
// second, -1 where the character has none. The data builder places its figures' edge bones
// from this same table.
struct BladeEdges {
    i8 bone[4];
    u8 on_kicks;          // 1: both ribbons whatever the action (Polyphemus swings his club with kicks)
};
extern const BladeEdges blade_trail_edges[];   // CHARACTER_COUNT rows

constexpr int BLADE_TRAIL_SAMPLES = 10;        // 0..8 written, 0 the newest
constexpr int BLADE_TRAIL_WRITTEN = 9;

// Draw-only cache, rebuilt every frame while an attack is live: edge positions in the
// fighter's model space, [side][sample][x, y, z].
struct BladeTrail {
    f32 trail_edge_a[2][BLADE_TRAIL_SAMPLES][3];
    f32 trail_edge_b[2][BLADE_TRAIL_SAMPLES][3];
    f32 trail_edge_c[2][BLADE_TRAIL_SAMPLES][3];
    f32 trail_edge_d[2][BLADE_TRAIL_SAMPLES][3];
};
extern BladeTrail blade_trail;

// Whether a character's trail is sampled, and drawn, during an action (with an attack live).
bool blade_trail_sampled(int character, i32 action);
bool blade_trail_shown(int character, i32 action);
// Poses blur at nine moments reaching back from skeleton's phase and records the edge bones.
void blade_trail_sample(int side, const Skeleton *skeleton, Skeleton *blur, int bone_a, int bone_b);
void blade_trail_sample2(int side, const Skeleton *skeleton, Skeleton *blur, int bone_a, int bone_b, int bone_c,
                         int bone_d);
// Eight additive quads per ribbon from side's samples, placed like the fighter's model.
void blade_trail_draw(const Fighter *fighter, u32 texture, int side);
void blade_trail_draw2(const Fighter *fighter, u32 texture, int side);
// The frame's two steps for one side: sample while the rule allows, then draw by it.
void blade_trail_frame_sample(int side, const Skeleton *skeleton, Skeleton *blur);
void blade_trail_frame_draw(int side, const Skeleton *skeleton, u32 texture);
