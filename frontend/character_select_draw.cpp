// The character select's drawer: lights, the glow pre-pass, the portraits, the flame row and
// the figure, the two rings and the texts. It reads the screen's state (the frame step has
// already run this frame) and writes only GL.
#include "frontend/frontend.h"

#include "characters/characters.h"
#include "combat/combat.h"
#include "frontend/frontend_local.h"
#include "engine/engine.h"

#include <GL/gl.h>
#include <cmath>

constexpr f32 PORTRAIT_DEPTH = -100.0f;
constexpr f32 RING_DEPTH = -50.0f;
constexpr f32 TEXT_DEPTH = -90.0f;
constexpr f32 RING_RADIUS = 5.0f;
constexpr f32 RING_CENTRE_Y = -1.0f;
constexpr f32 ICON_ANGLE = 0.5233f;
constexpr int GLOW_LEVEL = 55;
constexpr f32 ICON_CELL_WIDTH = 0.25f;    // the atlas: 4 columns
constexpr f32 ICON_CELL_HEIGHT = 0.33f;   // and 3 rows

const char *const character_names[CHARACTER_COUNT] = {
    "JASON", "ODYSSEUS", "ATALANTA", "PERSEUS", "HIPPOLYTE", "POLYPHEMUS",
    "MINOTAUR", "MEDUSA", "SPHINX", "HYDRA", "ARES", "ATROPOS"};

static int side_id(int side)
{
    int id = side == 0 ? p1_character : p2_character;
    return id >= 0 && id < CHARACTER_COUNT ? id : 0;
}

static void select_lights()
{
    const f32 ambient2[4] = {0.6f, 0.3f, 0.3f, 1.0f}, diffuse2[4] = {0.25f, 0.25f, 0.75f, 1.0f};
    const f32 direction2[4] = {1.0f, 0.0f, -0.5f, 0.0f};
    const f32 ambient1[4] = {0.0f, 0.0f, 0.0f, 1.0f}, diffuse1[4] = {0.8f, 0.8f, 0.8f, 1.0f};
    const f32 direction1[4] = {-1.0f, 0.0f, 0.5f, 0.0f};
    glDisable(GL_LIGHT0);
    glEnable(GL_LIGHT2);
    glLightfv(GL_LIGHT2, GL_AMBIENT, ambient2);
    glLightfv(GL_LIGHT2, GL_DIFFUSE, diffuse2);
    glLightfv(GL_LIGHT2, GL_POSITION, direction2);
    glEnable(GL_LIGHT1);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse1);
    glLightfv(GL_LIGHT1, GL_POSITION, direction1);
}

static void figure_draw()
{
    if (!select_model)
        return;
    ModelPlacement placement = {select_fighter.pos_x, select_fighter.pos_y, select_fighter.pos_z,
                                select_fighter.rot_x, select_fighter.rot_y, select_fighter.heading};
    // Draw mode 0, as a side-one fighter: the shiny parts take the reflection map.
    ModelSkin skin = {skin_textures, SKIN_TEXTURE_COUNT, 0, tex_reflection, 0};
    camera_view_load();
    model_draw(&placement, select_model, &skin, stage_light);
}

// The figure alone in the 64 x 64 corner, read back for the glow. The scissor keeps the clear
// to the corner (a clear ignores the viewport): the screen's own clear follows and covers the
// rest, so a whole-window clear here would be a second full-window fill for nothing.
static void glow_prepass()
{
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    glViewport(0, 0, GLOW_SIZE, GLOW_SIZE);
    glScissor(0, 0, GLOW_SIZE, GLOW_SIZE);
    glEnable(GL_SCISSOR_TEST);
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glEnable(GL_LIGHTING);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    masked_count = 0;
    figure_draw();
    glow_capture(0, GLOW_LEVEL);
    glViewport(viewport[0], viewport[1], viewport[2], viewport[3]);
}

static void portraits_draw()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    for (int side = 0; side < 2; side++) {
        if (!select_side_plays(side))
            continue;
        int id = side_id(side);
        int variant = (side == 0 ? p1_alt_color : p2_alt_color) ? 1 : 0;
        u32 texture = select_character_locked(side, id) ? tex_locked_portrait : select_portraits[id][variant];
        glBindTexture(GL_TEXTURE_2D, texture);
        f32 left = side == 0 ? -38.0f : 14.0f;
        screen_rect_draw(left, 28.0f, left + 24.0f, 4.0f, PORTRAIT_DEPTH);
    }
}

// The flame row burns 42 units from the eye, in front of the portraits (100 units away), the
// only thing drawn before it, and writes no depth: the depth test would pass every one of its
// pixels, so it is left off, which spares the software renderer a depth read per pixel.
static void figure_pass()
{
    glEnable(GL_BLEND);
    glDisable(GL_DEPTH_TEST);
    draw_fx_flame_row(stage_flame_particles);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_LIGHTING);
    masked_count = 0;
    figure_draw();
    if (masked_count)
        masked_polys_draw(stage_light);
    glEnable(GL_BLEND);
    if (glow_effect)
        glow_draw();
}

static bool side_confirmed_shown(int side)
{
    int action = select_figure_action();
    if (action == FIGURE_PICK_BOTH)
        return true;
    if (side == 0)
        return action == FIGURE_PICK_SIDE1 || action == FIGURE_SIDE1_READY;
    return action == FIGURE_PICK_SIDE2 || action == FIGURE_SIDE2_READY;
}

static bool icon_hidden(int side, int id)
{
    return (id == CHARACTER_ARES || id == CHARACTER_ATROPOS) && select_character_locked(side, id);
}

static u32 icon_picture(int side, int id)
{
    return icon_hidden(side, id) ? tex_hidden_icon : tex_select_icons;
}

// One icon's quad, inside a glBegin(GL_QUADS) with icon_picture bound: its atlas cell, or the
// whole hidden picture.
static void icon_send(int side, int id, f32 x, f32 y, f32 half_w, f32 below, f32 above)
{
    if (icon_hidden(side, id)) {
        screen_rect_vertices(x - half_w, y + above, x + half_w, y - below, RING_DEPTH, 0.0f, 0.0f, 1.0f, 1.0f);
        return;
    }
    // Column id mod 4, row id div 4 from the atlas's top.
    f32 s0 = static_cast<f32>(id % 4) * ICON_CELL_WIDTH;
    f32 t0 = static_cast<f32>(id / 4) * ICON_CELL_HEIGHT;
    screen_rect_vertices(x - half_w, y + above, x + half_w, y - below, RING_DEPTH, s0, t0, s0 + ICON_CELL_WIDTH,
                         t0 + ICON_CELL_HEIGHT);
}

// The ring's other icons in id order, as runs of quads that end only where the picture
// changes: the same quads in the same order as one draw each, in a few draws.
static void ring_icons_draw(int side, int highlighted, f32 centre_x, f32 ring_angle, f32 pulse)
{
    u32 bound = 0;
    bool open = false;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        if (id == highlighted)
            continue;
        const u32 picture = icon_picture(side, id);
        if (!open || picture != bound) {
            if (open)
                glEnd();
            glBindTexture(GL_TEXTURE_2D, picture);
            bound = picture;
            glBegin(GL_QUADS);
            open = true;
        }
        f32 theta = static_cast<f32>(id) * ICON_ANGLE + ring_angle + 3.14f;
        icon_send(side, id, centre_x + RING_RADIUS * sinf(theta), RING_CENTRE_Y + RING_RADIUS * cosf(theta),
                  1.5f * pulse, 2.0f * pulse, 2.5f * pulse);
    }
    if (open)
        glEnd();
}

static void ring_draw(int side, f32 pulse)
{
    f32 centre_x = side == 0 ? -13.0f : 13.0f;
    int highlighted = side_id(side);
    f32 ring_angle = select_ring_angle[side];
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    ring_icons_draw(side, highlighted, centre_x, ring_angle, pulse);
    if (side_confirmed_shown(side))
        return;
    // The icons' colours are already weighted by their alpha (black, clear ground).
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    f32 theta = static_cast<f32>(highlighted) * ICON_ANGLE + ring_angle + 3.14f;
    glBindTexture(GL_TEXTURE_2D, icon_picture(side, highlighted));
    glBegin(GL_QUADS);
    icon_send(side, highlighted, centre_x + RING_RADIUS * sinf(theta), RING_CENTRE_Y + RING_RADIUS * cosf(theta),
              3.5f, 4.0f, 5.0f);
    glEnd();
}

static void texts_draw()
{
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    bool profile = game_mode == GAME_MODE_PROFILE_P1 || game_mode == GAME_MODE_PROFILE_P2;
    if (profile)
        print_letters(-17.0f, 22.0f, TEXT_DEPTH, "CHOOSE\\PROFILE");
    else
        print_letters(-20.0f, 22.0f, TEXT_DEPTH, "SELECT\\YOUR\\HERO");
    tex_env_lit_skin();
    const char *prompt = title_scroll_1 < 0.5f ? "PRESS START" : "TO JOIN!";
    f32 prompt_x = title_scroll_1 < 0.5f ? 0.0f : 2.0f;
    if (game_mode == GAME_MODE_ARCADE_P1)
        print_text(16.0f + prompt_x, 0.0f, TEXT_DEPTH, "%s", prompt);
    else if (game_mode == GAME_MODE_ARCADE_P2)
        print_text(-32.0f + prompt_x, 0.0f, TEXT_DEPTH, "%s", prompt);
    glColor4f(1.0f, 0.8f, 0.0f, 1.0f);
    print_text(-10.0f, -15.0f, TEXT_DEPTH, "Press KICK for");
    print_text(-10.0f, -18.0f, TEXT_DEPTH, "Alternate Color!");
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    if (profile)
        return;
    for (int side = 0; side < 2; side++) {
        if (!select_side_plays(side))
            continue;
        int id = side_id(side);
        const char *name = icon_hidden(side, id) ? "]]]]" : character_names[id];
        print_letters(side == 0 ? -30.0f : 10.0f, -24.0f, TEXT_DEPTH, "%s", name);
    }
}

void character_select_draw()
{
    select_lights();
    f32 pulse = -cosf(menu_pulse_angle);
    if (glow_effect) {
        glow_prepass();
        view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    glEnable(GL_TEXTURE_2D);
    portraits_draw();
    figure_pass();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDepthFunc(GL_ALWAYS);
    if (tex_env_combine)
        tex_env_lit_skin();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    for (int side = 0; side < 2; side++)
        if (select_side_plays(side))
            ring_draw(side, pulse);
    texts_draw();
    glDepthFunc(GL_LEQUAL);
}
