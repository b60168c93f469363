// Drawing the gods: each effect's pieces and figures, the god's picture that every summon shows
// over the darkened scene, and the curse's figure on its victim. Drawers read the summon state
// and change nothing but GL.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <GL/gl.h>

constexpr int SLOT_PICTURE = 2;              // the god's picture in every set
constexpr f32 OVERLAY_WIDTH = 27.0f;
constexpr f32 OVERLAY_HEIGHT = 28.0f;
constexpr f32 OVERLAY_RISE = 22.0f;
constexpr f32 CURSE_SINK = 10.0f;
constexpr f32 FIGURE_DEPTH = 500.0f;         // the wave and the hurricane roll in from here
constexpr int TRAIL_COPIES = 6;

// ---- shared GL steps -----------------------------------------------------------------------------
static void bind_slot(int side, int slot)
{
    texture_table_bind(divine_textures, DIVINE_TEXTURE_COUNT,
                       static_cast<u32>(DIVINE_TEXTURES_PER_SLOT * (side & 1) + slot));
}

static void grey(f32 level)
{
    glColor4f(level, level, level, level);
}

// The frame's camera view with unit 0 modulating the summoner's picture: unlit, depth writes
// off, added over what is drawn.
static void summon_gl_begin(int side, int slot)
{
    camera_view_load();
    texture_unit1_off();
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    bind_slot(side, slot);
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_FALSE);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
}

// A quad facing the camera: corners at the centre +- the view's right +- its up vector, x parts
// scaled by a and y and z parts by b; the picture mirrored when `mirror`.
static void billboard(const f32 centre[3], f32 a, f32 b, bool mirror)
{
    f32 m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const f32 right[3] = {m[0], m[4], m[8]}, up[3] = {m[1], m[5], m[9]};
    const f32 sx[4] = {-1, 1, 1, -1}, sy[4] = {-1, -1, 1, 1};
    const f32 u[4] = {0, 1, 1, 0}, v[4] = {1, 1, 0, 0};
    glBegin(GL_QUADS);
    for (int c = 0; c < 4; c++) {
        f32 p[3];
        for (int k = 0; k < 3; k++)
            p[k] = centre[k] + (sx[c] * right[k] + sy[c] * up[k]) * (k == 0 ? a : b);
        glTexCoord2f(mirror ? 1.0f - u[c] : u[c], v[c]);
        glVertex3fv(p);
    }
    glEnd();
}

// A quad in the x-y plane at z (lying on the ground) or in the x-z plane at y (standing up):
// from (x0, b0) to (x1, b1) in x and the other axis.
static void flat_quad(bool upright, f32 at, f32 x0, f32 b0, f32 x1, f32 b1)
{
    const f32 xs[4] = {x0, x1, x1, x0}, bs[4] = {b0, b0, b1, b1};
    const f32 u[4] = {0, 1, 1, 0}, v[4] = {1, 1, 0, 0};
    glBegin(GL_QUADS);
    for (int c = 0; c < 4; c++) {
        glTexCoord2f(u[c], v[c]);
        if (upright)
            glVertex3f(xs[c], at, bs[c]);
        else
            glVertex3f(xs[c], bs[c], at);
    }
    glEnd();
}

static bool mirrored(int side)
{
    return fighters[side & 1].facing == 0;
}

static f32 mirror_sign(int side)
{
    return mirrored(side) ? -1.0f : 1.0f;
}

// How a figure's triangles are textured.
struct FigureStyle {
    const i8 *slots;     // slot by the triangle's texture index, -1 not drawn; null: one slot
    int slot_count;
    int unit1_slot;      // a second picture on unit 1, -1 none
    int unit1_index;     // only on triangles of this texture index, -1 all
    f32 unit1_u_scale;
    f32 u_shift, v_shift;          // of unit 0
    f32 unit1_u_shift, unit1_v_shift;
    bool lit, cull_back;
};

static void figure_vertex(const Model *m, const Polygon &p, int c, const FigureStyle &s, bool unit1)
{
    const int v = p.corner[c];
    const f32(*pos)[3] = m->pos ? m->pos : m->rest_pos;
    const f32 u = p.tex_uv[2 * c], t = p.tex_uv[2 * c + 1];
    if (s.lit && m->normals)
        glNormal3fv(m->normals[v]);
    glTexCoord2f(u + s.u_shift, t + s.v_shift);
    if (unit1 && gl_multi_tex_coord2f)
        gl_multi_tex_coord2f(GL_TEXTURE1, u * s.unit1_u_scale + s.unit1_u_shift, t + s.unit1_v_shift);
    glVertex3fv(pos[v]);
}

static void unit1_bind(int side, int slot, bool on)
{
    if (!has_multitexture)
        return;
    texture_unit_select(1);
    if (on) {
        glEnable(GL_TEXTURE_2D);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        bind_slot(side, slot);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    texture_unit_select(0);
}

// Every triangle of a figure in the current placement, one triangle at a time so each can
// take its own picture.
static void figure_draw(int side, const Model *m, const FigureStyle &s)
{
    if (!m || !m->polygons || (!m->pos && !m->rest_pos))
        return;
    for (int i = 0; i < m->polygon_count; i++) {
        const Polygon &p = m->polygons[i];
        int slot = 0;
        if (s.slots) {
            slot = p.texture_index < s.slot_count ? s.slots[p.texture_index] : -1;
            if (slot < 0)
                continue;
        }
        bind_slot(side, slot);
        const bool unit1 = s.unit1_slot >= 0 && (s.unit1_index < 0 || s.unit1_index == p.texture_index);
        unit1_bind(side, s.unit1_slot, unit1);
        if (s.cull_back && !p.two_sided)
            glEnable(GL_CULL_FACE);
        else
            glDisable(GL_CULL_FACE);
        glBegin(GL_TRIANGLES);
        for (int c = 0; c < 3; c++)
            if (p.corner[c] < m->vertex_count)
                figure_vertex(m, p, c, s, unit1);
        glEnd();
    }
    unit1_bind(side, 0, false);
    glDisable(GL_CULL_FACE);
}

static FigureStyle plain_style()
{
    FigureStyle s = {};
    s.unit1_slot = -1;
    s.unit1_index = -1;
    s.unit1_u_scale = 1.0f;
    return s;
}

// ---- the volleys and rings -----------------------------------------------------------------------
// Demeter's rocks: the earth figure, lit and solid while the rock falls, fading once it landed.
static void summon_gaia_draw(int side, const SummonRecord *r)
{
    const Model *m = summon_model(side);
    summon_gl_begin(side, 0);
    glTranslatef(r->pos[0], r->pos[1], r->pos[2]);
    glRotatef(r->phase, 0.0f, 0.0f, -1.0f);
    FigureStyle s = plain_style();
    glDepthFunc(GL_LEQUAL);
    if (r->life < 1.0f) {
        glColor4f(1.0f, 1.0f, 1.0f, r->life);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    } else {
        stage_light_send_positions(stage_light);
        glEnable(GL_LIGHTING);
        glDisable(GL_BLEND);
        glDepthMask(GL_TRUE);
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
        s.lit = true;
        s.cull_back = true;
    }
    figure_draw(side, m, s);
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
}

static void summon_shockwave_draw(int side)
{
    summon_gl_begin(side, 1);
    for (int i = 0; i < summon_impact_count && i < SUMMON_RING_RECORDS; i++) {
        const SummonRecord &r = summon_pool_shockwave[i];
        if (r.life <= 0.0f)
            continue;
        const f32 ex = 5.0f + 20.0f * (1.0f - r.life), ey = 5.0f + 15.0f * (1.0f - r.life);
        grey(r.life);
        flat_quad(false, 0.0f, r.pos[0] - ex, -ey, r.pos[0] + ex, ey);
    }
}

static void summon_beam_hit_draw(int side)
{
    summon_gl_begin(side, 1);
    for (int i = 0; i < summon_impact_count && i < SUMMON_RING_RECORDS; i++) {
        const SummonRecord &r = summon_pool_shockwave[i];
        if (r.life <= 0.0f)
            continue;
        const f32 e = 5.0f + 10.0f * (1.0f - r.life);
        grey(r.life);
        flat_quad(true, 0.0f, r.pos[0] - e, -e, r.pos[0] + e, e);
    }
}

// The soldier's picture by how far its blow has come.
static int soldier_slot(f32 phase)
{
    if (phase <= 0.1f)
        return 0;
    if (phase < 0.25f)
        return 1;
    if (phase < 0.5f)
        return 3;
    return phase < 0.75f ? 4 : 5;
}

static void summon_soldiers_draw(int side)
{
    summon_gl_begin(side, 0);
    const f32 back = -mirror_sign(side);
    for (int i = 0; i < summon_record_count && i < SUMMON_SOLDIER_RECORDS; i++) {
        const SummonRecord &r = summon_pool_soldiers[i];
        if (r.life <= 0.0f)
            continue;
        bind_slot(side, soldier_slot(r.phase));
        grey(r.life);
        // A fading soldier leaves after-images behind it.
        for (int k = 0; r.phase > 1.0f && k < TRAIL_COPIES; k++) {
            const f32 at[3] = {r.pos[0] + back * (1.0f - r.life) * k * 8.333334f, r.pos[1], r.pos[2]};
            billboard(at, 15.0f, 15.0f, mirrored(side));
        }
        billboard(r.pos, 15.0f, 15.0f, mirrored(side));
    }
}

static void summon_arrows_draw(int side)
{
    summon_gl_begin(side, 0);
    const f32 back = -mirror_sign(side);
    for (int i = 0; i < summon_record_count && i < SUMMON_ARROW_RECORDS; i++) {
        const SummonRecord &r = summon_pool_arrows[i];
        if (r.life <= 0.0f)
            continue;
        for (int k = 0; r.phase < 0.999f && k < TRAIL_COPIES; k++) {
            const f32 off = (1.0f - r.phase) * k * 4.166667f;
            const f32 at[3] = {r.pos[0] + back * off, r.pos[1], r.pos[2] + off};
            grey(r.life * (1.0f - k / 6.0f));
            billboard(at, 5.0f, 5.0f, mirrored(side));
        }
        grey(r.life);
        billboard(r.pos, 5.0f, 5.0f, mirrored(side));
    }
}

static void summon_solar_beam_draw(int side)
{
    summon_gl_begin(side, 0);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (int i = 0; i < summon_record_count && i < SUMMON_BEAM_RECORDS; i++) {
        const SummonRecord &r = summon_pool_solar_beam[i];
        if (r.life <= 0.0f)
            continue;
        flat_quad(true, r.pos[1], r.pos[0] + 5.0f * r.life, 0.0f, r.pos[0] - 5.0f * r.life, 100.0f);
    }
}

// The Moirai's threads, each turned by its spin.
static void summon_thread_draw(int side, const SummonRecord *r)
{
    static const i8 slots[] = {0, 1};
    summon_gl_begin(side, 0);
    glDepthFunc(GL_ALWAYS);
    glDepthMask(GL_TRUE);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTranslatef(r->pos[0], r->pos[1], r->pos[2]);
    glRotatef(r->phase, 0.0f, 0.0f, 1.0f);
    FigureStyle s = plain_style();
    s.slots = slots;
    s.slot_count = 2;
    figure_draw(side, summon_model(side), s);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
}

// ---- the Furies -----------------------------------------------------------------------------------
struct FuryLook {
    int rising, striking, falling;   // slots: fading in, fading in from 0.75, fading out
};
static const FuryLook FURY_LOOKS[SUMMON_FURY_RECORDS] = {{0, 1, 3}, {4, 4, 4}, {5, 6, 7}};

static void fury_draw(int side, int i)
{
    const SummonRecord &r = summon_pool_furies[i];
    const bool falling = r.dir[2] != 0.0f;
    const FuryLook &look = FURY_LOOKS[i];
    bind_slot(side, falling ? look.falling : r.phase >= 0.75f ? look.striking : look.rising);
    // After-images: the second Fury's come and go with her, the others' only as they rise.
    const bool copies = i == 1 || !falling;
    const f32 toward = (i == 1 && falling ? -1.0f : i == 1 ? 1.0f : -1.0f) * mirror_sign(side);
    for (int k = 0; copies && k < TRAIL_COPIES; k++) {
        const f32 at[3] = {r.pos[0] + toward * (1.0f - r.phase) * k * 8.333334f, r.pos[1], r.pos[2]};
        grey(r.phase * k / 6.0f);
        billboard(at, 25.0f, 25.0f, mirrored(side));
    }
    grey(r.phase);
    billboard(r.pos, 25.0f, 25.0f, mirrored(side));
}

static void summon_furies_draw(int side)
{
    summon_gl_begin(side, 0);
    for (int i = 0; i < SUMMON_FURY_RECORDS; i++)
        if (summon_pool_furies[i].life > 0.0f)
            fury_draw(side, i);
}

// ---- figures and particles ------------------------------------------------------------------------
static void summon_lightning_draw(int side)
{
    static const i8 slots[] = {0, 1, 3, 4};
    const Fighter &d = fighters[1 - side];
    summon_gl_begin(side, 0);
    glDepthFunc(GL_ALWAYS);
    grey(summon_timer);
    glTranslatef(d.pos_x, d.pos_y, d.pos_z + 2.0f);
    if (d.character == CHARACTER_HYDRA)
        glScalef(1.5f, 1.5f, 1.5f);
    FigureStyle s = plain_style();
    s.slots = slots;
    s.slot_count = 4;
    s.unit1_slot = 5;
    s.unit1_index = 3;
    s.unit1_v_shift = summon_scroll;
    figure_draw(side, summon_model(side), s);
    glDepthFunc(GL_LEQUAL);
}

// The wave and the hurricane roll in from the back of the arena as the effect runs.
static void rolling_figure_draw(int side, f32 unit1_u_scale, f32 unit1_u_shift)
{
    summon_gl_begin(side, 0);
    glDepthFunc(GL_LEQUAL);
    grey(summon_timer);
    glTranslatef(0.0f, FIGURE_DEPTH - FIGURE_DEPTH * summon_timer, 0.0f);
    FigureStyle s = plain_style();
    s.unit1_slot = 1;
    s.unit1_u_scale = unit1_u_scale;
    s.unit1_u_shift = unit1_u_shift;
    s.unit1_v_shift = summon_scroll;
    figure_draw(side, summon_model(side), s);
}

static void summon_wave_draw(int side)
{
    rolling_figure_draw(side, 6.0f, 0.0f);
}

static void summon_hurricane_draw(int side)
{
    rolling_figure_draw(side, 1.0f, summon_scroll);
}

static void particles_draw(const Particle *pool, f32 a, f32 b, bool smoke)
{
    for (int i = 0; i < SUMMON_SPRAY_PARTICLES; i++) {
        const Particle &p = pool[i];
        if (p.life <= 0.0f)
            continue;
        const f32 c = summon_timer * p.life * 0.01f;
        glColor4f(c, c, c, smoke ? c * 0.5f : c);
        const f32 at[3] = {p.x, p.y, p.z};
        billboard(at, a, b, false);
    }
}

static void summon_wave_particles_draw(int side)
{
    summon_gl_begin(side, 3);
    particles_draw(summon_pool_wave, 20.0f, 10.0f, false);
}

static void summon_hurricane_particles_draw(int side)
{
    summon_gl_begin(side, 3);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    particles_draw(summon_pool_hurricane, 50.0f, 50.0f, true);
}

// Hades's cone of ghosts over the whole arena, its picture drifting.
static void summon_ghosts_draw(int side)
{
    summon_gl_begin(side, 0);
    glDepthFunc(GL_ALWAYS);
    grey(summon_timer);
    FigureStyle s = plain_style();
    s.u_shift = s.v_shift = summon_ghost_phase;
    figure_draw(side, summon_model(side), s);
    glDepthFunc(GL_LEQUAL);
}

static void summon_effect_draw(int side)
{
    switch (summon_rule(side).effect) {
    case SUMMON_EFFECT_ROCKS:
        for (int i = 0; i < summon_record_count && i < SUMMON_GAIA_RECORDS; i++)
            if (summon_pool_gaia[i].life > 0.0f)
                summon_gaia_draw(side, &summon_pool_gaia[i]);
        summon_shockwave_draw(side);
        break;
    case SUMMON_EFFECT_SOLDIERS: summon_soldiers_draw(side); break;
    case SUMMON_EFFECT_ARROWS: summon_arrows_draw(side); break;
    case SUMMON_EFFECT_LIGHTNING: summon_lightning_draw(side); break;
    case SUMMON_EFFECT_BEAMS:
        summon_solar_beam_draw(side);
        summon_beam_hit_draw(side);
        break;
    case SUMMON_EFFECT_WAVE:
        summon_wave_draw(side);
        summon_wave_particles_draw(side);
        break;
    case SUMMON_EFFECT_FURIES: summon_furies_draw(side); break;
    case SUMMON_EFFECT_HURRICANE:
        summon_hurricane_draw(side);
        summon_hurricane_particles_draw(side);
        break;
    case SUMMON_EFFECT_GHOSTS: summon_ghosts_draw(side); break;
    case SUMMON_EFFECT_THREADS:
        for (int i = 0; i < summon_record_count && i < SUMMON_GAIA_RECORDS; i++)
            if (summon_pool_gaia[i].life > 0.0f)
                summon_thread_draw(side, &summon_pool_gaia[i]);
        break;
    default: break;
    }
}

void summon_draw(int side)
{
    side &= 1;
    glDisable(GL_FOG);
    if (summon_phase == SUMMON_EFFECT)
        summon_effect_draw(side);
    summon_draw_overlay();
}

// ---- the god's picture ----------------------------------------------------------------------------
// Over the summoner for most gods; the curses' picture shrinks and sinks onto the victim.
void summon_draw_overlay()
{
    const int side = summoner & 1;
    const Fighter &f = fighters[side];
    const Fighter &d = fighters[1 - side];
    summon_gl_begin(side, SLOT_PICTURE);
    glDepthFunc(GL_ALWAYS);
    grey(1.0f - summon_fade_level);
    if (summon_rule(side).strike != SUMMON_STRIKE_CURSE) {
        const f32 at[3] = {f.pos_x, f.pos_y, f.pos_z + OVERLAY_RISE};
        billboard(at, OVERLAY_WIDTH, OVERLAY_HEIGHT, mirrored(side));
    } else {
        const f32 shrink = 1.0f - summon_timer;
        const f32 at[3] = {d.pos_x, d.pos_y, d.pos_z + OVERLAY_RISE - CURSE_SINK * summon_timer};
        billboard(at, OVERLAY_WIDTH * shrink, OVERLAY_HEIGHT * shrink, mirrored(side));
        if (summon_phase == SUMMON_EFFECT) {
            const f32 full[3] = {d.pos_x, d.pos_y, d.pos_z + OVERLAY_RISE};
            grey(1.0f - summon_timer);
            billboard(full, OVERLAY_WIDTH, OVERLAY_HEIGHT, mirrored(side));
        }
    }
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
}

// ---- the curse's figure ---------------------------------------------------------------------------
// The god's figure wraps the victim, larger round the big ones.
static void summon_linger_draw(int character)
{
    if (summon_victim != 1 && summon_victim != 2)
        return;
    const int caster = summon_victim == 1 ? 1 : 0;
    const Fighter &v = fighters[1 - caster];
    const i8 index = summon_rules[character].model;
    const Model *m = index < 0 ? nullptr : summon_models[index];
    summon_gl_begin(caster, 0);
    glDepthFunc(GL_LEQUAL);
    grey(summon_timer);
    glTranslatef(v.pos_x, 0.0f, v.pos_z);
    if (v.character == CHARACTER_HYDRA)
        glScalef(3.0f, 3.0f, 1.5f);
    else if (v.character == CHARACTER_POLYPHEMUS || v.character == CHARACTER_MEDUSA ||
             v.character == CHARACTER_SPHINX)
        glScalef(2.0f, 2.0f, 1.25f);
    FigureStyle s = plain_style();
    s.cull_back = true;
    figure_draw(caster, m, s);
    glDisable(GL_CULL_FACE);
    glDepthMask(GL_TRUE);
}

void summon_linger_draw_ares()
{
    summon_linger_draw(CHARACTER_ARES);
}

void summon_linger_draw_sphinx()
{
    summon_linger_draw(CHARACTER_SPHINX);
}
