// The round reset, run when a fight has loaded, before every further round and as the intro's
// opening shot starts; and the hook that steps the running arena's scenery.
#include "game/game.h"

#include "arenas/arenas.h"
#include "combat/combat.h"
#include "engine/engine.h"

#include <GL/gl.h>

constexpr f32 START_X = 15.0f;
constexpr f32 START_X_HYDRA = 30.0f;      // either fighter is the Hydra: more room
constexpr f32 START_CAMERA_TERM = 13.0f;
constexpr f32 START_CAMERA_YAW = 3.1415f;

// Damage factors of the computer side at the first round of a one-player match.
constexpr i8 DIFFICULTY_NORMAL = 4;
constexpr i8 DIFFICULTY_HARD = 5;
constexpr f32 SCALE_NORMAL = 1.1f;
constexpr f32 SCALE_NORMAL_FOLLOWUPS = 1.15f;   // the human has the LOW SWING follow-ups
constexpr f32 SCALE_HARD = 1.3f;
constexpr f32 SCALE_HARD_FOLLOWUPS = 1.35f;
constexpr f32 SCALE_HARD_PERSEUS_ATALANTA = 1.28f;
constexpr f32 SCALE_HARD_SPHINX = 1.25f;
constexpr int DAMAGE_FIRST_MOVE = 1;      // damage[0] is the defence and is never scaled
constexpr int DAMAGE_SUMMON = 19;

void fight_lights_reset()
{
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    glDisable(GL_LIGHT2);
}

// Step 1: counters, combos, power, auras, projectiles and the summon of the last round.
static void round_state_clear()
{
    state_ticks = 0;
    challenger_pending = challenger_ticks = 0;
    continue_active = 0;
    summon_phase = SUMMON_NONE;
    for (int side = 0; side < 2; side++) {
        fighters[side].special_cooldown = 0;
        combo_display_timer[side] = 0;
        best_combo[side] = 0;
        fighters[side].power = 0.0f;
        fighters[side].aura = AURA_NONE;
        projectile_in_flight[side] = 0;
    }
    // KEEP: side one's running combo is left; the hit code restarts it at 1 on a fresh combo.
    combo_hits[1] = 0;
    summon_victim = 0;
    summon_fade_level = 1.0f;
}

static void pool_kill(Particle *pool, int count)
{
    for (int i = 0; i < count; i++)
        pool[i].life = 0.0f;
}

// Step 2: the fight's own effects die; the arena's rain and flames go on.
static void round_pools_clear()
{
    pool_kill(blood_stain_particles, BLOOD_STAIN_PARTICLES);
    for (int side = 0; side < 2; side++) {
        pool_kill(blood_particles[side], BLOOD_PARTICLES);
        pool_kill(burst_particles[side], BURST_PARTICLES);
        pool_kill(projectile_trail_particles[side], PROJECTILE_TRAIL_PARTICLES);
        aura_warmup[side] = 0;
    }
    pool_kill(aura_particles, AURA_PARTICLES);
    pool_kill(aura_particles_side2, AURA_PARTICLES);
    pool_kill(spark_particles, SPARK_PARTICLES);
}

// Steps 3 and 4: each fighter on its mark, facing the other, whole again.
static void fighter_start(Fighter *fighter, f32 x, f32 heading, u8 facing)
{
    fighter->pos_x = x;
    fighter->pos_y = fighter->pos_z = 0.0f;
    fighter->rot_x = fighter->rot_y = 0.0f;
    fighter->heading = heading;
    fighter->facing = facing;
    fighter->life = fighter->life_shown = 1.0f;
    fighter->hit_recoil = HIT_RECOIL_NONE;
    fighter->stun_build = 0;
    fighter->dir_count = 0;
    fighter->press_count = 0;
    fighter->hold_timer = 0;
    fighter->heads_left = FIGHTER_HEAD_COUNT;
    for (f32 &head : fighter->head_life)
        head = 1.0f;
    fighter->action = ACTION_IDLE;
}

static void fighters_start()
{
    bool hydra = fighters[0].character == CHARACTER_HYDRA || fighters[1].character == CHARACTER_HYDRA;
    f32 x = hydra ? START_X_HYDRA : START_X;
    fighter_start(&fighters[0], -x, HEADING_FACING_RIGHT, 1);
    fighter_start(&fighters[1], x, HEADING_FACING_LEFT, 0);
    for (int side = 0; side < 2; side++) {
        wound_level[side] = 0;
        fighter_skeletons[side]->active_window = 0;
    }
}

// Step 7: side one's aura starts afresh; Athens 2 starts its rain.
static void round_effects_start()
{
    fx_fighter_aura(aura_particles, FX_INIT, 0);
    if (stage_id == STAGE_ATHENS2) {
        fx_rain(rain_particles, FX_INIT);
        fx_rain_splashes(rain_splash_particles, FX_INIT);
    }
}

// Step 8: the first pose of the round blends from the current one into the idle.
static void skeletons_start()
{
    for (Skeleton *skeleton : fighter_skeletons) {
        skeleton->action = ACTION_IDLE;
        skeleton->key_from = 1;
        skeleton->key_to = 2;
        skeleton->posed_action = ACTION_IDLE;
    }
}

// The computer side's damage factor: harder against a human with follow-ups; on Hard, a
// computer Perseus against Atalanta and a computer Sphinx have factors of their own.
static f32 cpu_damage_factor(const Fighter *cpu, const Fighter *human)
{
    bool followups = human->has_followups == 1;
    if (difficulty == DIFFICULTY_NORMAL)
        return followups ? SCALE_NORMAL_FOLLOWUPS : SCALE_NORMAL;
    if (difficulty != DIFFICULTY_HARD)
        return 1.0f;
    f32 factor = followups ? SCALE_HARD_FOLLOWUPS : SCALE_HARD;
    if (cpu->character == CHARACTER_PERSEUS && human->character == CHARACTER_ATALANTA)
        factor = SCALE_HARD_PERSEUS_ATALANTA;
    if (cpu->character == CHARACTER_SPHINX)
        factor = SCALE_HARD_SPHINX;
    return factor;
}

// Step 10, at the first round of a one-player match. KEEP: it acts on the current values, so
// the fight load's reset and the intro's opening shot each apply it (twice in all).
static void cpu_damage_scale()
{
    int cpu = cpu_side_of_one_player_game();
    if (rounds_played != 0 || cpu < 0 || fighters[cpu].character == CHARACTER_HYDRA)
        return;
    Fighter *fighter = &fighters[cpu];
    if (fighter->character == CHARACTER_ODYSSEUS)
        return;
    f32 factor = cpu_damage_factor(fighter, &fighters[1 - cpu]);
    for (int i = DAMAGE_FIRST_MOVE; i < DAMAGE_SUMMON; i++)
        fighter->damage[i] *= factor;
    if (fighter->character != CHARACTER_JASON)
        fighter->damage[DAMAGE_SUMMON] *= factor;
}

// The hit light lives in the arena's light record, which the model drawer reads.
static void hit_lights_off()
{
    if (stage_light)
        stage_light->hit_light_on = 0;
}

void reset_round()
{
    round_state_clear();                        // 1. counters, combos, power, summon
    round_pools_clear();                        // 2. the fight's effects die
    fighters_start();                           // 3, 4. marks, health, heads
    hit_lights_off();                           // 5. lights: the hit light off
    fight_lights_reset();
    camera_term = START_CAMERA_TERM;            // 6. the fight camera's start values
    camera_up_z = 1.0f;
    camera_yaw = START_CAMERA_YAW;
    round_effects_start();                      // 7. side one's aura, the rain
    skeletons_start();                          // 8. both figures to the idle
    cpu_opponents_reset();                      // 9. the computer's level, reach and memo
    cpu_damage_scale();                         // 10. at a one-player match's first round
}

void step_stage_animation(int stage)
{
    switch (stage) {
    case STAGE_ATHENS:
        athens_step(stage_skeleton);
        break;
    case STAGE_ATHENS2:
        athens2_step(stage_skeleton);
        break;
    case STAGE_TROY:
        troy_step(stage_skeleton);
        break;
    case STAGE_ARCADIA:
        arcadia_step(stage_skeleton);
        break;
    case STAGE_THEATRE:
        theatre_step(stage_skeleton);
        break;
    case STAGE_CRETE:
        crete_step(stage_skeleton);
        break;
    case STAGE_THEBES:
        thebes_step(stage_skeleton);
        break;
    case STAGE_HADES:
        hades_step(stage_skeleton);
        break;
    case STAGE_TEMPLE:
        temple_step(stage_skeleton);
        break;
    default:
        break;   // the Labyrinth's scenery stands still
    }
}
