// The fight scene: the fighters, the arena, the sky, the shadows, the held-back polygons, the
// glow and the sun, in a fixed order of passes, each with the GL state it needs.
#include "game/game.h"

#include "arenas/arenas.h"
#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"

#include <GL/gl.h>

#include <iterator>

constexpr f32 FOG_GREY = 0.3f;
constexpr int FIGHT_GLOW_LEVEL = 155;
// Crete's sun: world position, half-size, full brightness.
constexpr f32 SUN_POSITION[3] = {150.0f, 348.0f, 110.0f};
constexpr f32 SUN_SIZE = 75.0f;
constexpr int SUN_BRIGHT = 1;

void fight_fog_colour(f32 rgba[4])
{
    f32 grey = summon_phase == SUMMON_FADE_OUT ? FOG_GREY * summon_fade_level : FOG_GREY;
    rgba[0] = rgba[1] = rgba[2] = grey;
    rgba[3] = 1.0f;
}

u32 wound_overlay_texture(int level)
{
    switch (level) {
    case 1:
        return tex_blood2;
    case 2:
        return tex_blood;
    default:
        return 0;
    }
}

// Athens 2's rain and the Labyrinth's gloom are the foggy arenas.
static bool stage_is_foggy()
{
    return stage_id == STAGE_ATHENS2 || stage_id == STAGE_LABYRINTH;
}

static void fog_switch(bool on)
{
    if (on)
        glEnable(GL_FOG);
    else
        glDisable(GL_FOG);
}

static StageScene fight_stage_scene()
{
    StageScene scene = {stage_textures, stage_id, summon_phase, summon_fade_level};
    return scene;
}

void fighter_draw(int side)
{
    if (side < 0 || side > 1)
        return;
    const Fighter *fighter = &fighters[side];
    // A petrified fighter is stone in the picture of the other side's set, its petrifier's.
    if (fighter->action == ACTION_PETRIFIED) {
        draw_fighter_effect_skin(fighter_models[side], fighter, 1 - side);
        return;
    }
    ModelPlacement placement = {fighter->pos_x, fighter->pos_y, fighter->pos_z, fighter->rot_x, fighter->rot_y,
                                fighter->heading};
    ModelSkin skin = {skin_textures, SKIN_TEXTURE_COUNT, SKIN_SLOT_SIZE * static_cast<u32>(side), tex_reflection,
                      wound_overlay_texture(wound_level[side])};
    model_draw(&placement, fighter_models[side], &skin, stage_light);
}

static void fight_fighters_draw()
{
    masked_count = 0;
    fighter_draw(0);
    fighter_draw(1);
}

static bool sky_shown()
{
    return stage_id != STAGE_LABYRINTH && stage_id != STAGE_TEMPLE && summon_phase != SUMMON_EFFECT;
}

static void fight_sky_draw(const StageScene *scene)
{
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    sky_panorama_draw(scene);
}

// The god's effect and picture while a summon runs, else the curse it left on its victim; in
// the fight itself only.
static void fight_summon_draw()
{
    if (game_state != STATE_FIGHT)
        return;
    if (summon_phase != SUMMON_NONE)
        summon_draw(summoner);
    else if (summon_victim != 0 && fighters[summoner & 1].character == CHARACTER_ARES)
        summon_linger_draw_ares();
    else if (summon_victim != 0)
        summon_linger_draw_sphinx();
}

// 2. The scene in small in the 64 x 64 corner: the fighters lit, the arena as a black
// silhouette that hides what stands behind it, the sky; read back for the glow. The scissor
// keeps the clear to the corner too (a clear ignores the viewport): the full view's own clear
// covers the rest, so clearing the whole window here only cost a second full-window fill.
static void fight_glow_prepass(const StageScene *scene)
{
    glViewport(0, 0, GLOW_SIZE, GLOW_SIZE);
    glScissor(0, 0, GLOW_SIZE, GLOW_SIZE);
    glEnable(GL_SCISSOR_TEST);
    glEnable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frame_3d_begin();
    fight_fighters_draw();
    if (summon_phase != SUMMON_EFFECT) {
        glDisable(GL_LIGHTING);
        glColor3f(0.0f, 0.0f, 0.0f);
        stage_draw_glow_pass(stage_model, scene);
        texture_unit1_off();
        fog_switch(stage_is_foggy());
    }
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glColor4f(summon_fade_level, summon_fade_level, summon_fade_level, 1.0f);
    if (sky_shown())
        fight_sky_draw(scene);
    fight_summon_draw();
    draw_projectiles();
    glDisable(GL_SCISSOR_TEST);
    glow_capture(GLOW_SUBTRACT, FIGHT_GLOW_LEVEL);
    glViewport(0, 0, screen_width, screen_height);
}

// 3. The full view: cleared, lit, fogged on the foggy arenas unless a god's effect fills it.
static void fight_scene_begin()
{
    glEnable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    frame_3d_begin();
    glEnable(GL_LIGHTING);
    fog_switch(stage_is_foggy() && summon_phase != SUMMON_EFFECT);
}

// 5. Unlit: the lightmaps carry the arena's light, dimmed with the scene during a summon.
static void fight_arena_draw(const StageScene *scene)
{
    glDisable(GL_LIGHTING);
    glColor4f(summon_fade_level, summon_fade_level, summon_fade_level, summon_fade_level);
    stage_draw(stage_model, scene);
}

// How each arena throws the fighters' shadows with SHADOWS high.
struct ShadowStage {
    f32 light[3];        // the light's direction
    f32 strength;        // grey of the shadow: 0 black
    f32 scale;           // the projector's distance
    u8 side_one_first;   // the order of the two drawn shadows
};
static const ShadowStage shadow_stages[] = {
    // light                   strength scale side one first
    {{0.5f, 1.0f, -0.5f},      0.25f,   75.0f,  1},   // Athens
    {{0.0f, -0.1f, -0.75f},    0.5f,    75.0f,  0},   // Athens 2
    {{-0.25f, -0.75f, -0.75f}, 0.0f,    75.0f,  0},   // Troy
    {{0.0f, 0.5f, -1.0f},      0.25f,   75.0f,  0},   // Arcadia
    {{0.25f, 1.0f, -1.0f},     0.5f,    75.0f,  0},   // Theatre
    {{-0.5f, -0.5f, -1.0f},    0.0f,    75.0f,  0},   // Crete
    {{0.5f, 1.0f, -0.5f},      0.5f,    75.0f,  1},   // Labyrinth
    {{-0.1f, -1.0f, -0.75f},   0.0f,    75.0f,  0},   // Thebes
    {{0.0f, 0.5f, -1.0f},      0.25f,   100.0f, 0},   // Hades
    {{0.0f, 0.25f, -1.0f},     0.25f,   75.0f,  0},   // Temple
};
static_assert(std::size(shadow_stages) == STAGE_COUNT, "one row per arena");

static ShadowCaster fighter_shadow_caster(int side)
{
    const Fighter *f = &fighters[side];
    ShadowCaster caster = {fighter_models[side], {f->pos_x, f->pos_y, f->pos_z}, {f->rot_x, f->rot_y, f->heading}};
    return caster;
}

static const ShadowStage *fight_shadow_stage()
{
    return stage_id >= 0 && stage_id < STAGE_COUNT ? &shadow_stages[stage_id] : nullptr;
}

// The side whose shadow is drawn first, into pair 0; the other's goes into pair 1.
static int fight_shadow_first(const ShadowStage *row)
{
    return row->side_one_first ? 0 : 1;
}

// 0. Both shadows' pictures, before anything is drawn: sending a picture to its texture after
// draws that read the texture would wait for the renderer to finish them.
static void fight_shadow_pictures_make()
{
    const ShadowStage *row = fight_shadow_stage();
    if (shadow_quality != 1 || !row)
        return;
    int first = fight_shadow_first(row);
    for (int k = 0; k < 2; k++) {
        ShadowCaster caster = fighter_shadow_caster(k == 0 ? first : 1 - first);
        shadow_picture_make(row->light, &caster, row->strength, row->scale, static_cast<u8>(k));
    }
}

static void fight_projected_shadows()
{
    const ShadowStage *row = fight_shadow_stage();
    if (!row)
        return;
    ShadowCaster caster = fighter_shadow_caster(1);
    shadow_project(row->light, &caster, stage_model, row->scale, 0, SHADOW_SKIP);   // sets and resets the state only
    int first = fight_shadow_first(row);
    for (int k = 0; k < 2; k++) {
        caster = fighter_shadow_caster(k == 0 ? first : 1 - first);
        shadow_project(row->light, &caster, stage_model, row->scale, static_cast<u8>(k), 0);
    }
}

// 7. Shadows darken what is already drawn, a little in front of it, without writing depth.
static void fight_shadows_draw()
{
    bool foggy = stage_is_foggy();
    if (foggy)
        fog_switch(false);
    if (shadow_quality == 1)
        fight_projected_shadows();
    glEnable(GL_POLYGON_OFFSET_FILL);
    glDisable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, tex_blob_shadow);
    glBlendFunc(GL_ZERO, GL_ONE_MINUS_SRC_COLOR);
    glEnable(GL_BLEND);
    glDepthMask(GL_FALSE);
    if (shadow_quality == 0) {
        blob_shadow_draw(fighters[0].pos_x, 0.0f);
        blob_shadow_draw(fighters[1].pos_x, 0.0f);
    }
    if (foggy)
        fog_switch(true);
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
}

// 8. The theatre's flames, then the fighters' held-back polygons over the finished arena and sky.
static void fight_held_back_draw()
{
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    if (stage_id == STAGE_THEATRE) {
        glDepthFunc(GL_LEQUAL);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
        draw_fx_theatre_flames(stage_flame_particles);
    }
    glDepthMask(GL_TRUE);
    glDisable(GL_BLEND);
    glEnable(GL_CULL_FACE);
    glDisable(GL_POLYGON_OFFSET_FILL);
    glEnable(GL_LIGHTING);
    if (masked_count)
        masked_polys_draw(stage_light);
    glDepthMask(GL_FALSE);
    glDisable(GL_LIGHTING);
    if (stage_is_foggy())
        fog_switch(false);
}

static void fight_trails_sample()
{
    for (int side = 0; side < 2; side++)
        blade_trail_frame_sample(side, fighter_skeletons[side], blur_skeletons[side]);
}

static void fight_trails_draw()
{
    for (int side = 0; side < 2; side++)
        blade_trail_frame_draw(side, fighter_skeletons[side], blade_blur_textures[side]);
}

// 11. Crete's sun, hidden by the arena where the arena stands before it.
static void fight_sun_draw(const StageScene *scene)
{
    sun_draw(scene, SUN_POSITION[0], SUN_POSITION[1], SUN_POSITION[2], SUN_SIZE, SUN_BRIGHT);
    if (!segment_hits_mesh(stage_model, camera_eye, SUN_POSITION) && game_state != STATE_MATCH_OVER)
        sun_flare_draw(scene, SUN_POSITION[0], SUN_POSITION[1], SUN_POSITION[2], SUN_SIZE, SUN_BRIGHT);
}

void fight_scene_draw()
{
    StageScene scene = fight_stage_scene();
    f32 fog[4];
    fight_fog_colour(fog);
    // Both fog users below see this frame's colour.
    glFogfv(GL_FOG_COLOR, fog);
    fight_shadow_pictures_make();        // 0.
    // 1. Before any drawing, so the pre-pass and the main pass see the same trail.
    fight_trails_sample();
    if (glow_effect)
        fight_glow_prepass(&scene);
    fight_scene_begin();                 // 3.
    fight_fighters_draw();               // 4. they fill the held-back queue
    if (summon_phase != SUMMON_EFFECT)
        fight_arena_draw(&scene);        // 5.
    if (sky_shown())
        fight_sky_draw(&scene);          // 6.
    fight_shadows_draw();                // 7.
    fight_held_back_draw();              // 8. after the arena and the sky they blend over
    fight_trails_draw();                 // 9.
    glDisable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    if (glow_effect)
        glow_draw();                     // 10.
    if (stage_id == STAGE_CRETE)
        fight_sun_draw(&scene);          // 11.
    fight_particles_draw();              // 12. auras, projectile trails, the arena's particles
    fight_summon_draw();                 // 12. the god, or the curse it left
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
    fight_blood_draw();                  // 12. stains, then both sides' drops
    draw_projectiles();                  // 12. after the blood
    fight_flashes_draw();                // 13. over everything drawn so far
    hud_draw();                          // 14.
}
