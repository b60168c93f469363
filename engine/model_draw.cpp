// Draws a posed figure: opaque and alpha-tested triangles at once, the rest held back in the
// masked-polygon queue. Unit 0 carries the skin; unit 1 a sphere-mapped reflection or, on a
// wounded figure, the blood picture. The corners come from the model's slot arrays, so each
// shared vertex is sent and lit once.
#include "engine/engine.h"

#include "engine/engine_local.h"

#include <GL/gl.h>

// What one model_draw call has switched so far.
struct FigureDraw {
    const Model *model;
    const ModelSkin *skin;
    bool reflections;     // shiny surfaces may show the reflection in this call
    bool wounded;         // the blood picture goes over every triangle drawn at once
    bool wound_ready;     // unit 1 holds the blood picture
    bool reflection_on;   // unit 1 holds the sphere map with generation on
    bool unlit;           // a run of unlit surfaces has lighting off
    u16 texture_index;    // the skin bound on unit 0
    bool batch_open;      // a run of opaque triangles waits for more of the same state
    u32 run_first;        // the open run: its first polygon and how many follow in order
    u32 run_count;
    i32 last_drawn;       // the polygon drawn last, -1 none yet
    int culling;          // GL_CULL_FACE as last set here: 1 on, 0 off, -1 not yet
    int two_side_light;   // GL_LIGHT_MODEL_TWO_SIDE as last set here, -1 not yet
};

PassGroup pass_group(u8 pass)
{
    if (pass <= 1)
        return PASS_GROUP_OPAQUE;
    if (pass <= 3)
        return PASS_GROUP_MASKED;
    if (pass <= 5)
        return PASS_GROUP_BLENDED;
    return PASS_GROUP_NEVER;
}

void placement_apply(const f32 pos[3], const f32 angles[3])
{
    glTranslatef(pos[0], pos[1], pos[2]);
    glRotatef(angles[2], 0.0f, 0.0f, 1.0f);
    glRotatef(angles[1], 0.0f, 1.0f, 0.0f);
    glRotatef(angles[0], 1.0f, 0.0f, 0.0f);
}

void polygon_culling(const Polygon *polygon)
{
    if (polygon->two_sided)
        glDisable(GL_CULL_FACE);
    else
        glEnable(GL_CULL_FACE);
}

void stage_light_send_positions(const StageLight *light)
{
    if (!light)
        return;
    glLightfv(GL_LIGHT0, GL_POSITION, light->light0_position);
    if (light->hit_light_on)
        glLightfv(GL_LIGHT1, GL_POSITION, light->light1_position);
}

static u32 figure_texture(const FigureDraw *draw, u16 index)
{
    u32 slot = draw->skin->base + index;
    return slot < draw->skin->texture_count ? draw->skin->textures[slot] : 0;
}

// Binds on unit 0 when the polygon's skin differs from the bound one.
static void figure_skin(FigureDraw *draw, u16 index)
{
    if (index == draw->texture_index)
        return;
    draw->texture_index = index;
    glBindTexture(GL_TEXTURE_2D, figure_texture(draw, index));
}

// Unit 1 holds the sphere map for shiny surfaces; each switch comes back to unit 0 so that
// skin binds always land there.
static void figure_reflection(FigureDraw *draw, bool on)
{
    if (!draw->reflections || on == draw->reflection_on)
        return;
    draw->reflection_on = on;
    texture_unit_select(1);
    if (on) {
        glEnable(GL_TEXTURE_2D);
        glTexGeni(GL_S, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glTexGeni(GL_T, GL_TEXTURE_GEN_MODE, GL_SPHERE_MAP);
        glEnable(GL_TEXTURE_GEN_S);
        glEnable(GL_TEXTURE_GEN_T);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
    } else {
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        glDisable(GL_TEXTURE_2D);
    }
    texture_unit_select(0);
}

// The blood picture over the skin, with the skin's own coordinates; set up once per call.
static void figure_wound(FigureDraw *draw)
{
    if (!draw->wounded || draw->wound_ready)
        return;
    draw->wound_ready = true;
    texture_unit_select(1);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glBindTexture(GL_TEXTURE_2D, draw->skin->wound_overlay);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    texture_unit_select(0);
    if (gl_client_active_texture)
        model_arrays_unit1(draw->model->slot_uv);
}

// Unlit surfaces come in runs: lighting goes off at the first and back on after the last.
static void figure_lighting(FigureDraw *draw, bool lit)
{
    if (lit == !draw->unlit)
        return;
    draw->unlit = !lit;
    if (lit)
        glEnable(GL_LIGHTING);
    else
        glDisable(GL_LIGHTING);
    glColor3f(1.0f, 1.0f, 1.0f);
}

// Polygons first .. first + count - 1, in their order, as one draw.
static void figure_polygons(FigureDraw *draw, u32 first, u32 count)
{
    model_polygons_draw(draw->model, first, count);
    draw->last_drawn = static_cast<i32>(first + count - 1);
}

// Draws the open run of opaque triangles before any state changes.
static void figure_batch_end(FigureDraw *draw)
{
    if (!draw->batch_open)
        return;
    figure_polygons(draw, draw->run_first, draw->run_count);
    draw->batch_open = false;
}

static void figure_culling(FigureDraw *draw, const Polygon *polygon)
{
    int on = polygon->two_sided ? 0 : 1;
    if (on == draw->culling)
        return;
    draw->culling = on;
    polygon_culling(polygon);
}

static void figure_two_side_light(FigureDraw *draw, int on)
{
    if (on == draw->two_side_light)
        return;
    draw->two_side_light = on;
    glLightModeli(GL_LIGHT_MODEL_TWO_SIDE, on ? GL_TRUE : GL_FALSE);
}

static void figure_triangle(FigureDraw *draw, const Polygon *polygon, u32 index)
{
    figure_culling(draw, polygon);
    figure_polygons(draw, index, 1);
}

// True when the opaque polygon follows the open run and drawing it would change no state.
static bool figure_batch_takes(const FigureDraw *draw, const Polygon *polygon, u32 index)
{
    bool lit = polygon->surface_kind != SURFACE_UNLIT;
    bool shiny = polygon->surface_kind == SURFACE_REFLECTIVE;
    return draw->batch_open && index == draw->run_first + draw->run_count && lit == !draw->unlit &&
           (!draw->reflections || shiny == draw->reflection_on) && polygon->texture_index == draw->texture_index &&
           (polygon->two_sided ? 0 : 1) == draw->culling;
}

// Runs of opaque triangles in one state go in one draw, in their own order, so the pixels
// are those of one triangle at a time.
static void figure_draw_opaque(FigureDraw *draw, const Polygon *polygon, u32 index)
{
    if (figure_batch_takes(draw, polygon, index)) {
        draw->run_count++;
        return;
    }
    figure_batch_end(draw);
    figure_two_side_light(draw, 0);
    figure_lighting(draw, polygon->surface_kind != SURFACE_UNLIT);
    figure_reflection(draw, polygon->surface_kind == SURFACE_REFLECTIVE);
    figure_wound(draw);
    figure_skin(draw, polygon->texture_index);
    figure_culling(draw, polygon);
    draw->batch_open = true;
    draw->run_first = index;
    draw->run_count = 1;
}

// Alpha-tested kinds are cut out now, lit on both faces; the other kinds wait in the queue.
static void figure_draw_masked(FigureDraw *draw, const Polygon *polygon, u32 index,
                               const ModelPlacement *placement)
{
    figure_batch_end(draw);
    figure_lighting(draw, true);
    u8 kind = polygon->surface_kind;
    if (kind != SURFACE_PLAIN && kind != SURFACE_MASKED_REFLECTIVE) {
        masked_polys_append(placement, draw->model, polygon, figure_texture(draw, polygon->texture_index), 0);
        return;
    }
    glAlphaFunc(GL_GREATER, ALPHA_TEST_LEVEL);
    glEnable(GL_ALPHA_TEST);
    figure_two_side_light(draw, 1);
    figure_reflection(draw, kind == SURFACE_MASKED_REFLECTIVE);
    figure_skin(draw, polygon->texture_index);
    figure_triangle(draw, polygon, index);
    glDisable(GL_ALPHA_TEST);
    figure_two_side_light(draw, 0);
}

// Unit 0 textured with the lit-skin environment; unit 1 loaded with the sphere map but off
// until a shiny surface comes.
static void figure_units_begin(const ModelSkin *skin)
{
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    if (has_multitexture) {
        texture_unit_select(1);
        glBindTexture(GL_TEXTURE_2D, skin->reflection);
        glDisable(GL_TEXTURE_2D);
        texture_unit_select(0);
    }
    glEnable(GL_TEXTURE_2D);
    tex_env_lit_skin();
}

// Arrays off again, the current attributes as the last corner drawn left them.
static void figure_arrays_end(const FigureDraw *draw)
{
    bool wound_array = draw->wound_ready && gl_client_active_texture;
    model_arrays_end(wound_array);
    if (draw->last_drawn >= 0)
        model_corner_current(draw->model, static_cast<u32>(draw->last_drawn),
                             draw->wound_ready ? draw->model->slot_uv : nullptr);
}

// Generation and texturing of unit 1 off (the reflection or the blood picture), unit 0
// active, lighting on: what every later drawer may take for granted.
static void figure_units_end()
{
    if (has_multitexture) {
        texture_unit_select(1);
        glDisable(GL_TEXTURE_GEN_S);
        glDisable(GL_TEXTURE_GEN_T);
        glDisable(GL_TEXTURE_2D);
        texture_unit_select(0);
    }
    glEnable(GL_LIGHTING);
}

void model_draw(const ModelPlacement *placement, const Model *model, const ModelSkin *skin,
                const StageLight *light)
{
    // A model without polygons draws nothing: there is no first polygon to bind for.
    if (!placement || !model || !skin || model->polygon_count == 0)
        return;
    FigureDraw draw = {};
    draw.model = model;
    draw.skin = skin;
    draw.wounded = has_multitexture && skin->wound_overlay != 0;
    draw.reflections = has_tex_env_add && has_multitexture && skin->wound_overlay == 0;
    figure_units_begin(skin);
    camera_view_load();
    stage_light_send_positions(light);
    const f32 pos[3] = {placement->pos_x, placement->pos_y, placement->pos_z};
    const f32 angles[3] = {placement->rot_x, placement->rot_y, placement->heading};
    placement_apply(pos, angles);
    draw.culling = draw.two_side_light = -1;
    draw.last_drawn = -1;
    model_arrays_begin(model);
    draw.texture_index = model->polygons[0].texture_index;
    glBindTexture(GL_TEXTURE_2D, figure_texture(&draw, draw.texture_index));
    for (u32 i = 0; i < model->polygon_count; i++) {
        const Polygon *polygon = &model->polygons[i];
        switch (pass_group(polygon->pass)) {
        case PASS_GROUP_OPAQUE:
            figure_draw_opaque(&draw, polygon, i);
            break;
        case PASS_GROUP_MASKED:
            figure_draw_masked(&draw, polygon, i, placement);
            break;
        case PASS_GROUP_BLENDED:
            masked_polys_append(placement, model, polygon, figure_texture(&draw, polygon->texture_index), 1);
            break;
        case PASS_GROUP_NEVER:
            break;
        }
    }
    figure_batch_end(&draw);
    figure_arrays_end(&draw);
    figure_units_end();
}
