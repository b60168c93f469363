// The scene steps that every fight state runs (round intro, fight, match over, time over):
// the fighters' and the arena's animation, the temple's flickering light, the ambient effects.
#include "game/game.h"

#include "arenas/arenas.h"
#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"

#include <GL/gl.h>
#include <cmath>

constexpr f32 FLICKER_TOP = 4.28f;

void fight_temple_flicker(f32 step, f32 floor)
{
    if (stage_id != STAGE_TEMPLE || !stage_light)
        return;
    menu_pulse_angle += step;
    if (menu_pulse_angle > FLICKER_TOP)
        menu_pulse_angle = floor;
    f32 level = -cosf(menu_pulse_angle);
    const f32 *colour = stage_light->light0_diffuse;
    GLfloat diffuse[4] = {colour[0] * level, colour[1] * level, colour[2] * level, 0.0f};
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glEnable(GL_LIGHT0);
}

void fight_side_skin(int side)
{
    // A side whose figure is not loaded has nothing to pose.
    if (fighter_models[side] && fighter_skeletons[side])
        model_skin(fighter_models[side], fighter_skeletons[side]);
}

void fight_side_animate(int side)
{
    character_animate(&fighters[side], fighter_skeletons[side], blur_skeletons[side]);
    fight_side_skin(side);
}

void fight_stage_animate()
{
    step_stage_animation(stage_id);
    if (stage_model && stage_skeleton)
        model_skin(stage_model, stage_skeleton);
}

void fight_scene_animate()
{
    fight_side_animate(0);
    fight_side_animate(1);
    fight_stage_animate();
}

void fight_ambient_effects()
{
    if (stage_id == STAGE_ATHENS2) {
        fx_rain(rain_particles, FX_STEP);
        fx_rain_splashes(rain_splash_particles, FX_STEP);
    }
    if (stage_id == STAGE_TEMPLE)
        fx_temple_flames(stage_flame_particles, FX_STEP);
    if (stage_id == STAGE_LABYRINTH)
        fx_labyrinth_flames(stage_flame_particles, FX_STEP);
    if (stage_id == STAGE_THEATRE)
        fx_theatre_flames(stage_flame_particles, FX_STEP);
}

void fight_auras_step()
{
    if (fighters[0].aura)
        fx_fighter_aura(aura_particles, FX_STEP, 0);
    if (fighters[1].aura)
        fx_fighter_aura(aura_particles_side2, FX_STEP, 1);
}

void fight_bursts_step()
{
    fx_small_burst(spark_particles, FX_STEP, 0.0f, 0.0f, 0.0f);
    fx_large_burst(burst_particles[0], FX_STEP, 0.0f, 0.0f, 0.0f);
    fx_large_burst(burst_particles[1], FX_STEP, 0.0f, 0.0f, 0.0f);
}

void fight_blood_step(bool stains)
{
    if (!blood)
        return;
    fx_blood_burst(blood_particles[0], FX_STEP, 0.0f, 0.0f, 0.0f);
    fx_blood_burst(blood_particles[1], FX_STEP, 0.0f, 0.0f, 0.0f);
    if (stains)
        fx_blood_stains(blood_stain_particles, FX_STEP);
}
