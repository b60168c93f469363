// The fight scene's effects: the particles among the scenery (pass 12) and the flashes over
// everything (pass 13), in their fixed order.
#include "game/game.h"

#include "arenas/arenas.h"
#include "combat/combat.h"
#include "game/game_local.h"

#include <GL/gl.h>

// KEEP: 1/30 in single precision, as the level has always been scaled.
constexpr f32 HIT_FLASH_TO_LEVEL = 0.033333335f;

// The arena's own particles: the rain's splashes under its drops, the torches.
static void fight_stage_particles_draw()
{
    glDepthFunc(GL_LEQUAL);
    if (stage_id == STAGE_ATHENS2) {
        draw_fx_rain_splashes(rain_splash_particles);
        draw_fx_rain(rain_particles);
    }
    if (stage_id == STAGE_TEMPLE)
        draw_fx_temple_flames(stage_flame_particles);
    if (stage_id == STAGE_LABYRINTH)
        draw_fx_labyrinth_flames(stage_flame_particles);
}

void fight_particles_draw()
{
    for (int side = 0; side < 2; side++) {
        if (!fighters[side].aura)
            continue;
        glDepthFunc(GL_LEQUAL);
        draw_fx_fighter_aura(fx_aura_pool(side));
    }
    // The victory camera shows the winner alone: no trail of a throw still in the air.
    if (game_state != STATE_MATCH_OVER) {
        draw_fx_projectile_trail(projectile_trail_particles[0], 0);
        draw_fx_projectile_trail(projectile_trail_particles[1], 1);
    }
    fight_stage_particles_draw();
}

void fight_blood_draw()
{
    if (!blood)
        return;
    draw_fx_blood_stains(blood_stain_particles);
    draw_fx_blood_burst(blood_particles[0]);
    draw_fx_blood_burst(blood_particles[1]);
}

// A hit or guard flash while the struck fighter reels, the projectile clash's flash while it
// runs, then the sparks and bursts; nothing in front hides them.
void fight_flashes_draw()
{
    glDepthFunc(GL_ALWAYS);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    for (int side = 0; side < 2; side++) {
        const Fighter &f = fighters[side];
        if (!f.hit_recoil)
            continue;
        const f32 level = static_cast<f32>(f.hit_flash) * HIT_FLASH_TO_LEVEL;
        if (f.guarding)
            draw_guard_flash(f.hit_x, 0.0f, f.hit_z, level);
        else
            draw_hit_flash(f.hit_x, 0.0f, f.hit_z, level);
    }
    for (int e = 0; e < 2; e++)
        if (clash_flash_on[e])
            draw_hit_spark(clash_flash_pos[e][0], 0.0f, clash_flash_pos[e][2], clash_flash[e]);
    draw_fx_clash_sparks(spark_particles);
    draw_fx_burst(burst_particles[0]);
    draw_fx_burst(burst_particles[1]);
}
