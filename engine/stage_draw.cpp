// Draws the arena model: textures on unit 0, lightmaps on unit 1, and the two arenas'
// extra passes; also its flat copy for the glow pre-pass.
#include "engine/engine.h"

#include "engine/engine_local.h"

#include <GL/gl.h>

f32 stage_scroll_u, stage_scroll_v;

// Slot of lightmap 0 by stage id.
static const u32 stage_lightmap_bases[] = {
    14,   // Athens
    14,   // Athens 2
    19,   // Troy
    14,   // Arcadia
    15,   // Theatre
    14,   // Crete
    11,   // Labyrinth
    15,   // Thebes
    16,   // Hades
    13,   // Temple
};
static_assert(sizeof stage_lightmap_bases / sizeof stage_lightmap_bases[0] == STAGE_COUNT, "one base per stage");
constexpr u32 STAGE_LIGHTMAP_BASE_OTHER = 14;

// Scroll offsets per drawn frame of the arenas whose surfaces move.
struct StageScroll {
    i32 stage;
    f32 step_u, step_v;
};
static const StageScroll stage_scrolls[] = {
    {STAGE_ARCADIA, 0.0125f, 0.0075f},
    {STAGE_LABYRINTH, 0.00125f, 0.00075f},
};
constexpr f32 STAGE_SCROLL_WRAP = 4.0f;
constexpr u16 ARCADIA_SCROLLED_TEXTURE = 13;   // Arcadia's water
constexpr u16 ATHENS2_FLOOR_TEXTURE_4 = 4;     // the floor pictures differ under this texture

// What one stage_draw call has bound so far.
struct ArenaDraw {
    const Model *model;
    const StageScene *scene;
    u32 lightmap_base;
    u16 texture_index;    // bound on unit 0
    u16 lightmap_index;   // bound on unit 1
    bool scroll;          // Arcadia: add the scroll offsets to the scrolled texture
    bool arrays;          // the slot arrays are set: plain triangles go in runs
    u32 run_first;        // the open run of plain triangles: first polygon, how many follow
    u32 run_count;
    i32 last_from_arrays; // the polygon drawn last when it came from the arrays, else -1
};

u32 stage_lightmap_base(i32 stage)
{
    if (stage < 0 || stage >= STAGE_COUNT)
        return STAGE_LIGHTMAP_BASE_OTHER;
    return stage_lightmap_bases[stage];
}

void stage_scroll_advance(i32 stage)
{
    for (const StageScroll &scroll : stage_scrolls) {
        if (scroll.stage != stage)
            continue;
        stage_scroll_u += scroll.step_u;
        stage_scroll_v += scroll.step_v;
        if (stage_scroll_u >= STAGE_SCROLL_WRAP)
            stage_scroll_u = 0.0f;
        if (stage_scroll_v >= STAGE_SCROLL_WRAP)
            stage_scroll_v = 0.0f;
    }
}

static void arena_bind_texture(ArenaDraw *draw, u16 index)
{
    if (index == draw->texture_index)
        return;
    draw->texture_index = index;
    texture_unit_select(0);
    texture_table_bind(draw->scene->textures, STAGE_TEXTURE_SLOTS, index);
}

static void arena_bind_lightmap(ArenaDraw *draw, u16 index)
{
    if (!has_multitexture || index == draw->lightmap_index)
        return;
    draw->lightmap_index = index;
    texture_unit_select(1);
    texture_table_bind(draw->scene->textures, STAGE_TEXTURE_SLOTS, draw->lightmap_base + index);
    texture_unit_select(0);
}

// One lit triangle with both layers; Arcadia's water shifted by the scroll offsets.
static void arena_triangle(const ArenaDraw *draw, const Polygon *polygon, bool scrolled)
{
    f32 du = scrolled ? stage_scroll_u : 0.0f, dv = scrolled ? stage_scroll_v : 0.0f;
    glBegin(GL_TRIANGLES);
    for (int c = 0; c < 3; c++) {
        u16 vertex = polygon->corner[c];
        glNormal3fv(draw->model->normals[vertex]);
        glTexCoord2f(polygon->tex_uv[2 * c] + du, polygon->tex_uv[2 * c + 1] + dv);
        if (has_multitexture)
            gl_multi_tex_coord2f(GL_TEXTURE1, polygon->lightmap_uv[2 * c], polygon->lightmap_uv[2 * c + 1]);
        glVertex3fv(draw->model->pos[vertex]);
    }
    glEnd();
}

// The slots as arrays: positions, normals, the texture's coordinates on unit 0 and the
// lightmap's on unit 1. Without the client unit switch every triangle goes one at a time.
static void arena_arrays_begin(ArenaDraw *draw)
{
    if (has_multitexture && !gl_client_active_texture)
        return;
    draw->arrays = true;
    model_arrays_begin(draw->model);
    if (has_multitexture)
        model_arrays_unit1(draw->model->slot_lightmap_uv);
}

// Draws the open run, in its order, as one call.
static void arena_run_end(ArenaDraw *draw)
{
    if (!draw->run_count)
        return;
    model_polygons_draw(draw->model, draw->run_first, draw->run_count);
    draw->last_from_arrays = static_cast<i32>(draw->run_first + draw->run_count - 1);
    draw->run_count = 0;
}

// Arrays off again, and the current normal and coordinates those of the last corner drawn, as
// drawing the corners one by one left them.
static void arena_arrays_end(ArenaDraw *draw)
{
    if (!draw->arrays)
        return;
    arena_run_end(draw);
    model_arrays_end(has_multitexture);
    if (draw->last_from_arrays >= 0)
        model_corner_current(draw->model, static_cast<u32>(draw->last_from_arrays),
                             has_multitexture ? draw->model->slot_lightmap_uv : nullptr);
}

// True when the plain triangle follows the open run and needs no bind or culling change.
static bool arena_run_takes(const ArenaDraw *draw, const Polygon *polygon, u32 index)
{
    if (!draw->run_count || index != draw->run_first + draw->run_count)
        return false;
    const Polygon *last = &draw->model->polygons[index - 1];
    return polygon->texture_index == draw->texture_index && polygon->two_sided == last->two_sided &&
           (!has_multitexture || polygon->lightmap_index == draw->lightmap_index);
}

// A plain triangle joins the open run, or ends it and starts the next after its binds; a
// triangle of the scrolled water goes alone, its coordinates shifted.
static void arena_plain_triangle(ArenaDraw *draw, const Polygon *polygon, u32 index, bool scrolled)
{
    if (draw->arrays && !scrolled && arena_run_takes(draw, polygon, index)) {
        draw->run_count++;
        return;
    }
    arena_run_end(draw);
    arena_bind_texture(draw, polygon->texture_index);
    arena_bind_lightmap(draw, polygon->lightmap_index);
    polygon_culling(polygon);
    if (!draw->arrays || scrolled) {
        arena_triangle(draw, polygon, scrolled);
        draw->last_from_arrays = -1;
        return;
    }
    draw->run_first = index;
    draw->run_count = 1;
}

// Unit 0 the texture, modulated; unit 1 the lightmap with the lit-skin environment.
static void arena_units_begin(ArenaDraw *draw)
{
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    texture_table_bind(draw->scene->textures, STAGE_TEXTURE_SLOTS, 0);
    if (!has_multitexture)
        return;
    texture_unit_select(1);
    tex_env_lit_skin();
    texture_table_bind(draw->scene->textures, STAGE_TEXTURE_SLOTS, draw->lightmap_base);
    glEnable(GL_TEXTURE_2D);
    texture_unit_select(0);
}

// Opaque triangles, and alpha-tested plain ones with their cut-outs; other held-back kinds
// are never drawn by the arena.
static void arena_main_pass(ArenaDraw *draw)
{
    arena_arrays_begin(draw);
    for (u32 i = 0; i < draw->model->polygon_count; i++) {
        const Polygon *polygon = &draw->model->polygons[i];
        PassGroup group = pass_group(polygon->pass);
        bool cut_out = group == PASS_GROUP_MASKED && polygon->surface_kind == SURFACE_PLAIN;
        if (group != PASS_GROUP_OPAQUE && !cut_out)
            continue;
        if (!cut_out) {
            arena_plain_triangle(draw, polygon, i, draw->scroll && polygon->texture_index == ARCADIA_SCROLLED_TEXTURE);
            continue;
        }
        arena_run_end(draw);
        arena_bind_texture(draw, polygon->texture_index);
        arena_bind_lightmap(draw, polygon->lightmap_index);
        glAlphaFunc(GL_GREATER, ALPHA_TEST_LEVEL);
        glEnable(GL_ALPHA_TEST);
        glDisable(GL_CULL_FACE);
        arena_triangle(draw, polygon, false);
        glDisable(GL_ALPHA_TEST);
        draw->last_from_arrays = -1;
    }
    arena_arrays_end(draw);
}

// Athens 2: the unlit floor polygons again, blended, with the sky's sphere map added on unit 1.
static void athens2_floor_pass(ArenaDraw *draw)
{
    const u32 *textures = draw->scene->textures;
    texture_unit_select(1);
    texture_table_bind(textures, STAGE_TEXTURE_SLOTS, STAGE_SLOT_FLOOR_SPHERE);
    glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
    glEnable(GL_TEXTURE_GEN_S);
    glEnable(GL_TEXTURE_GEN_T);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
    texture_unit_select(0);
    glEnable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    u32 bound = 0;
    for (u32 i = 0; i < draw->model->polygon_count; i++) {
        const Polygon *polygon = &draw->model->polygons[i];
        if (pass_group(polygon->pass) != PASS_GROUP_OPAQUE || polygon->surface_kind != SURFACE_UNLIT)
            continue;
        u32 slot = polygon->texture_index == ATHENS2_FLOOR_TEXTURE_4 ? STAGE_SLOT_FLOOR_4 : STAGE_SLOT_FLOOR;
        if (slot != bound) {
            bound = slot;
            texture_table_bind(textures, STAGE_TEXTURE_SLOTS, slot);
        }
        glBegin(GL_TRIANGLES);
        for (int c = 0; c < 3; c++) {
            glNormal3fv(draw->model->normals[polygon->corner[c]]);
            glTexCoord2f(polygon->tex_uv[2 * c], polygon->tex_uv[2 * c + 1]);
            glVertex3fv(draw->model->pos[polygon->corner[c]]);
        }
        glEnd();
    }
    // The floor pictures replaced the tracked texture on unit 0.
    draw->texture_index = 0xFFFF;
    texture_unit_select(1);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    texture_unit_select(0);
}

// The Labyrinth: its blended polygons added over the picture, scrolling.
static void labyrinth_water_pass(ArenaDraw *draw)
{
    glEnable(GL_CULL_FACE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    for (u32 i = 0; i < draw->model->polygon_count; i++) {
        const Polygon *polygon = &draw->model->polygons[i];
        if (pass_group(polygon->pass) != PASS_GROUP_BLENDED)
            continue;
        arena_bind_texture(draw, polygon->texture_index);
        glBegin(GL_TRIANGLES);
        for (int c = 0; c < 3; c++) {
            glTexCoord2f(polygon->tex_uv[2 * c] + stage_scroll_u, polygon->tex_uv[2 * c + 1] + stage_scroll_v);
            glVertex3fv(draw->model->pos[polygon->corner[c]]);
        }
        glEnd();
    }
}

void stage_draw(const Model *model, const StageScene *scene)
{
    if (!model || !scene)
        return;
    ArenaDraw draw = {};
    draw.model = model;
    draw.scene = scene;
    draw.lightmap_base = stage_lightmap_base(scene->stage_id);
    draw.scroll = scene->stage_id == STAGE_ARCADIA;
    draw.last_from_arrays = -1;
    arena_units_begin(&draw);
    camera_view_load();
    arena_main_pass(&draw);
    // The extra passes need the second unit, and step aside while a god's effect fills the view.
    bool extras = has_multitexture && scene->summon_phase != SUMMON_EFFECT_PHASE;
    if (extras && scene->stage_id == STAGE_ATHENS2)
        athens2_floor_pass(&draw);
    if (has_multitexture) {
        texture_unit_select(1);
        glDisable(GL_TEXTURE_2D);
        texture_unit_select(0);
    }
    if (extras && scene->stage_id == STAGE_LABYRINTH)
        labyrinth_water_pass(&draw);
    stage_scroll_advance(scene->stage_id);
}

void stage_draw_glow_pass(const Model *model, const StageScene *scene)
{
    if (!model || !scene)
        return;
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    u16 bound = 0;
    texture_table_bind(scene->textures, STAGE_TEXTURE_SLOTS, bound);
    camera_view_load();
    for (u32 i = 0; i < model->polygon_count; i++) {
        const Polygon *polygon = &model->polygons[i];
        PassGroup group = pass_group(polygon->pass);
        if (group != PASS_GROUP_OPAQUE && group != PASS_GROUP_MASKED)
            continue;
        if (polygon->texture_index != bound) {
            bound = polygon->texture_index;
            texture_table_bind(scene->textures, STAGE_TEXTURE_SLOTS, bound);
        }
        bool cut_out = group == PASS_GROUP_MASKED;
        if (cut_out) {
            glAlphaFunc(GL_GREATER, ALPHA_TEST_LEVEL);
            glEnable(GL_ALPHA_TEST);
            glDisable(GL_CULL_FACE);
        } else {
            polygon_culling(polygon);
        }
        glBegin(GL_TRIANGLES);
        for (int c = 0; c < 3; c++) {
            if (cut_out)
                glTexCoord2f(polygon->tex_uv[2 * c], polygon->tex_uv[2 * c + 1]);
            glVertex3fv(model->pos[polygon->corner[c]]);
        }
        glEnd();
        if (cut_out)
            glDisable(GL_ALPHA_TEST);
    }
}
