// Blade trails: each frame the blur skeleton is posed at nine moments reaching back through the
// current key step, and the ribbon between a weapon's two edge bones is drawn additively.
#include "combat/combat.h"

#include "engine/engine.h"

#include <GL/gl.h>
#include <GL/glu.h>

#include <iterator>

const BladeEdges blade_trail_edges[] = {
    // a    b    c    d  on_kicks
    {{13, 14, 15, 16}, 0},   // Jason: two swords
    {{7, 8, -1, -1}, 0},     // Odysseus
    {{9, 10, -1, -1}, 0},    // Atalanta
    {{9, 10, -1, -1}, 0},    // Perseus
    {{9, 10, 11, 12}, 0},    // Hippolyte
    {{8, 9, 10, 11}, 1},     // Polyphemus
    {{10, 11, -1, -1}, 0},   // Minotaur
    {{9, 10, -1, -1}, 0},    // Medusa
    {{10, 11, 12, 13}, 0},   // Sphinx
    {{-1, -1, -1, -1}, 0},   // Hydra: no weapon, never a trail
    {{7, 8, -1, -1}, 0},     // Ares
    {{9, 10, 11, 12}, 0},    // Atropos
};
static_assert(std::size(blade_trail_edges) == CHARACTER_COUNT, "one row per character");

BladeTrail blade_trail;

constexpr f32 TRAIL_STEP_BACK = 0.1f;   // phase between two samples
constexpr int TRAIL_QUADS = 8;
constexpr f32 TRAIL_U_STEP = 0.125f;
constexpr f32 TRAIL_ALPHA = 0.75f;

static bool action_is_kick(i32 action)
{
    return action == ACTION_KICK || action == ACTION_KICK_FORWARD || action == ACTION_KICK_CROUCH ||
           action == ACTION_KICK_SWEEP || action == ACTION_KICK_AIR;
}

// Specials that throw something: their swing is sampled but the thrown thing shows instead.
static bool action_hides_trail(i32 action)
{
    switch (action) {
    case ACTION_ARES_SPECIAL1:
    case ACTION_SPHINX_SPECIAL2:
    case ACTION_POLYPHEMUS_SPECIAL2:
    case ACTION_MEDUSA_SPECIAL1:
    case ACTION_MEDUSA_SPECIAL2:
    case ACTION_ARES_SPECIAL2:
        return true;
    default:
        return action_is_kick(action);
    }
}

static const BladeEdges *trail_edges(int character)
{
    if (character < 0 || character >= CHARACTER_COUNT || blade_trail_edges[character].bone[0] < 0)
        return nullptr;
    return &blade_trail_edges[character];
}

bool blade_trail_sampled(int character, i32 action)
{
    const BladeEdges *edges = trail_edges(character);
    return edges && (edges->on_kicks || !action_is_kick(action));
}

bool blade_trail_shown(int character, i32 action)
{
    const BladeEdges *edges = trail_edges(character);
    return edges && (edges->on_kicks || !action_hides_trail(action));
}

// The shared sampler: bones[] holds two or four edge bones, each into its own sample array.
static void trail_sample_edges(int side, const Skeleton *skeleton, Skeleton *blur, const int bones[4], int edges)
{
    if (side < 0 || side > 1 || !skeleton || !blur)
        return;
    f32 (*out[4])[3] = {blade_trail.trail_edge_a[side], blade_trail.trail_edge_b[side],
                        blade_trail.trail_edge_c[side], blade_trail.trail_edge_d[side]};
    blur->key_from = skeleton->key_from;
    blur->key_to = skeleton->key_to;
    for (int i = 0; i < BLADE_TRAIL_WRITTEN; i++) {
        f32 t = skeleton->phase - TRAIL_STEP_BACK * static_cast<f32>(i);
        if (t < 0.0f) {
            // Reaching back past the step's start: the previous key pair, from then on.
            blur->phase = t + 1.0f;
            blur->key_from = skeleton->prev_key_from;
            blur->key_to = skeleton->prev_key_to;
        } else {
            blur->phase = t;
        }
        skeleton_build_matrices(blur);
        for (int e = 0; e < edges; e++)
            skeleton_bone_point(blur, bones[e], out[e][i]);   // a bone past the count reads as the origin
    }
}

void blade_trail_sample(int side, const Skeleton *skeleton, Skeleton *blur, int bone_a, int bone_b)
{
    const int bones[4] = {bone_a, bone_b, -1, -1};
    trail_sample_edges(side, skeleton, blur, bones, 2);
}

void blade_trail_sample2(int side, const Skeleton *skeleton, Skeleton *blur, int bone_a, int bone_b, int bone_c,
                         int bone_d)
{
    const int bones[4] = {bone_a, bone_b, bone_c, bone_d};
    trail_sample_edges(side, skeleton, blur, bones, 4);
}

static void trail_ribbon(const f32 (*a)[3], const f32 (*b)[3])
{
    glBegin(GL_QUADS);
    for (int i = 0; i < TRAIL_QUADS; i++) {
        f32 u = 1.0f - TRAIL_U_STEP * static_cast<f32>(i);
        glColor4f(1.0f, 1.0f, 1.0f, TRAIL_ALPHA);
        glTexCoord2f(u, 0.0f);
        glVertex3fv(a[i]);
        glTexCoord2f(u, 1.0f);
        glVertex3fv(b[i]);
        glTexCoord2f(u - TRAIL_U_STEP, 1.0f);
        glVertex3fv(b[i + 1]);
        glTexCoord2f(u - TRAIL_U_STEP, 0.0f);
        glVertex3fv(a[i + 1]);
    }
    glEnd();
}

// Additive blending over what is drawn, in the fighter's placement under the fight camera.
static void trail_draw_begin(const Fighter *fighter, u32 texture)
{
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE);
    glEnable(GL_BLEND);
    glDisable(GL_CULL_FACE);
    glBindTexture(GL_TEXTURE_2D, texture);
    camera_view_load();
    glTranslatef(fighter->pos_x, fighter->pos_y, fighter->pos_z);
    glRotatef(fighter->heading, 0.0f, 0.0f, 1.0f);
    glRotatef(fighter->rot_y, 0.0f, 1.0f, 0.0f);
    glRotatef(fighter->rot_x, 1.0f, 0.0f, 0.0f);
}

static void trail_draw_end()
{
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
}

void blade_trail_draw(const Fighter *fighter, u32 texture, int side)
{
    if (!fighter || side < 0 || side > 1)
        return;
    trail_draw_begin(fighter, texture);
    trail_ribbon(blade_trail.trail_edge_a[side], blade_trail.trail_edge_b[side]);
    trail_draw_end();
}

void blade_trail_draw2(const Fighter *fighter, u32 texture, int side)
{
    if (!fighter || side < 0 || side > 1)
        return;
    trail_draw_begin(fighter, texture);
    trail_ribbon(blade_trail.trail_edge_a[side], blade_trail.trail_edge_b[side]);
    trail_ribbon(blade_trail.trail_edge_c[side], blade_trail.trail_edge_d[side]);
    trail_draw_end();
}

constexpr u8 ATTACK_LIVE = 255;

void blade_trail_frame_sample(int side, const Skeleton *skeleton, Skeleton *blur)
{
    if (side < 0 || side > 1 || !skeleton || skeleton->attack_live != ATTACK_LIVE)
        return;
    int character = fighters[side].character;
    if (!blade_trail_sampled(character, skeleton->action))
        return;
    const i8 *bone = blade_trail_edges[character].bone;
    if (bone[2] >= 0)
        blade_trail_sample2(side, skeleton, blur, bone[0], bone[1], bone[2], bone[3]);
    else
        blade_trail_sample(side, skeleton, blur, bone[0], bone[1]);
}

void blade_trail_frame_draw(int side, const Skeleton *skeleton, u32 texture)
{
    if (side < 0 || side > 1 || !skeleton || skeleton->attack_live != ATTACK_LIVE)
        return;
    const Fighter *fighter = &fighters[side];
    if (!blade_trail_shown(fighter->character, skeleton->action))
        return;
    if (blade_trail_edges[fighter->character].bone[2] >= 0)
        blade_trail_draw2(fighter, texture, side);
    else
        blade_trail_draw(fighter, texture, side);
}
