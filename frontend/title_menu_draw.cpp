// The title menu's drawer: background layers, logo, highlight caps, the page's items and the
// pointer, all on the plane 50 units in front of the eye. It reads the menu's state (the
// frame step has already run this frame) and writes only GL.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <GL/gl.h>
#include <cmath>

// A quad's corners in the order top left, bottom left, bottom right, top right, each with its
// texture coordinates.
struct MenuQuad {
    f32 x[4], y[4];
    f32 s[4], t[4];
};

constexpr f32 BACK_HALF = 25.0f;                 // layer 1 and the filter reach past the screen
constexpr f32 BACK_2_HALF_WIDTH = 21.0f;
constexpr f32 BACK_2_TOP = 10.0f;
constexpr f32 BACK_2_BOTTOM = -15.0f;
constexpr f32 BACK_1_REPEATS = 2.0f;             // the picture repeats twice each way
constexpr f32 LOGO_HALF_WIDTH = 16.0f;
constexpr f32 LOGO_TOP_LEFT = 16.0f;
constexpr f32 LOGO_TOP_RIGHT = 17.0f;            // one unit higher than the top left
constexpr f32 CAP_SIZE = 3.0f;
constexpr f32 POINTER_SIZE = 4.0f;
constexpr f32 BACK_1_TINT[3] = {0.8f, 0.8f, 1.0f};
constexpr f32 BACK_2_ALPHA = 0.6f;

static void quad_draw(const MenuQuad &q)
{
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        glTexCoord2f(q.s[i], q.t[i]);
        glVertex3f(q.x[i], q.y[i], 0.0f);
    }
    glEnd();
}

// The same quad with a second set of coordinates for texture unit 1.
static void quad_draw_two_units(const MenuQuad &q, const MenuQuad &unit1)
{
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        gl_multi_tex_coord2f(GL_TEXTURE0, q.s[i], q.t[i]);
        gl_multi_tex_coord2f(GL_TEXTURE1, unit1.s[i], unit1.t[i]);
        glVertex3f(q.x[i], q.y[i], 0.0f);
    }
    glEnd();
}

// A rectangle from (left, top) to (right, bottom) showing the picture from (s0, t0) at its top
// left to (s1, t1) at its bottom right.
static MenuQuad quad_rect(f32 left, f32 top, f32 right, f32 bottom, f32 s0, f32 t0, f32 s1, f32 t1)
{
    return MenuQuad{{left, left, right, right}, {top, bottom, bottom, top}, {s0, s0, s1, s1}, {t0, t1, t1, t0}};
}

static void menu_plane_load()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, MENU_DEPTH);
}

static void blend_set(GLenum source, GLenum destination)
{
    glEnable(GL_BLEND);
    glBlendFunc(source, destination);
}

f32 menu_pulse_level()
{
    return -cosf(menu_pulse_angle);
}

void menu_label_colour(bool selected)
{
    f32 pulse = menu_pulse_level();
    if (selected)
        glColor4f(pulse, pulse, 0.0f, 1.0f);
    else
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

void menu_letters_draw(const MenuLabel *labels, int count, bool pulse_selected)
{
    for (int k = 0; k < count; k++) {
        menu_label_colour(pulse_selected && k == menu_cursor);
        print_letters(labels[k].x, labels[k].y, MENU_LABEL_DEPTH, "%s", labels[k].text);
    }
}

// The logo, with the reflection sliding across it on unit 1 where the driver can add it.
static void title_logo_draw()
{
    blend_set(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, tex_logo);
    MenuQuad logo = quad_rect(-LOGO_HALF_WIDTH, LOGO_TOP_LEFT, LOGO_HALF_WIDTH, 0.0f, 0, 0, 1, 1);
    logo.y[3] = LOGO_TOP_RIGHT;
    if (!has_multitexture || !has_tex_env_add) {
        quad_draw(logo);
        return;
    }
    texture_unit_select(1);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_REFLECTION]);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
    glEnable(GL_TEXTURE_2D);
    texture_unit_select(0);
    f32 r = title_scroll_3;
    quad_draw_two_units(logo, quad_rect(0, 0, 0, 0, r, 0, r + 1, 1));
}

// Layer 1 tiled and drifting, layer 2 drifting sideways and lightening, the filter
// multiplying both, then the logo.
static void title_background_draw()
{
    menu_plane_load();
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    glColor4f(BACK_1_TINT[0], BACK_1_TINT[1], BACK_1_TINT[2], 1.0f);
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_1]);
    f32 s = title_scroll_1;
    quad_draw(quad_rect(-BACK_HALF, BACK_HALF, BACK_HALF, -BACK_HALF, s, s, s + BACK_1_REPEATS, s + BACK_1_REPEATS));

    glColor4f(1.0f, 1.0f, 1.0f, BACK_2_ALPHA);
    blend_set(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_2]);
    f32 t = title_scroll_2;
    quad_draw(quad_rect(-BACK_2_HALF_WIDTH, BACK_2_TOP, BACK_2_HALF_WIDTH, BACK_2_BOTTOM, -t, 0, 1 - t, 1));

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    blend_set(GL_DST_COLOR, GL_ZERO);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_FILTER]);
    quad_draw(quad_rect(-BACK_HALF, BACK_HALF, BACK_HALF, -BACK_HALF, 0, 0, 1, 1));

    title_logo_draw();
}

// The two caps at the ends of the selected item's row, pulsing in grey with the logo's blend.
static void title_caps_draw()
{
    f32 pulse = menu_pulse_level();
    glColor4f(pulse, pulse, pulse, 1.0f);
    menu_plane_load();
    texture_unit1_off();
    blend_set(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    const u32 pictures[2] = {title_textures[TITLE_CAP_LEFT], title_textures[TITLE_CAP_RIGHT]};
    const f32 lefts[2] = {menu_caps.left, menu_caps.right};
    f32 top = menu_caps.top;
    for (int i = 0; i < 2; i++) {
        glBindTexture(GL_TEXTURE_2D, pictures[i]);
        quad_draw(quad_rect(lefts[i], top, lefts[i] + CAP_SIZE, top - CAP_SIZE, 0, 0, 1, 1));
    }
}

// The item block of the current page; the main page's labels lighten what is below them.
static void title_items_draw()
{
    const MenuPageInfo *info = menu_page_info(menu_page);
    if (!info || !info->draw)
        return;
    if (info->items_screen_blend) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        blend_set(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    }
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    info->draw();
}

// A 4 x 4 picture with its top left corner at the pointer.
static void title_pointer_draw()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    menu_plane_load();
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, tex_select_panel);
    blend_set(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    quad_draw(quad_rect(pointer_x, pointer_y, pointer_x + POINTER_SIZE, pointer_y - POINTER_SIZE, 0, 0, 1, 1));
}

void title_menu_draw()
{
    // Other screens may leave lighting or fog on; the menu's quads carry no normals.
    glDisable(GL_LIGHTING);
    glDisable(GL_FOG);
    title_background_draw();
    title_caps_draw();
    title_items_draw();     // after the caps: a label shows over its caps
    title_pointer_draw();   // last: over everything
}

// The slider stands at depth 180: 30 wide and 3 high, black to violet, half transparent,
// framed in grey, with a white knob standing out above and below.
void menu_slider_draw(f32 x, f32 y, f32 f)
{
    constexpr f32 DEPTH = -90.0f;       // at z -90 after a move of -90
    constexpr f32 WIDTH = 30.0f, HEIGHT = 3.0f;
    constexpr f32 KNOB_HALF = 0.2f, KNOB_OVER = 0.5f;
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, DEPTH);
    texture_unit1_off();
    texture_unit_select(0);
    glDisable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    blend_set(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    glColor4f(0.0f, 0.0f, 0.0f, 0.5f);
    glVertex3f(x, y, DEPTH);
    glVertex3f(x, y - HEIGHT, DEPTH);
    glColor4f(0.25f, 0.0f, 1.0f, 0.5f);
    glVertex3f(x + WIDTH, y - HEIGHT, DEPTH);
    glVertex3f(x + WIDTH, y, DEPTH);
    glEnd();
    glColor4f(0.5f, 0.5f, 0.5f, 1.0f);
    glBegin(GL_LINE_LOOP);
    glVertex3f(x, y, DEPTH);
    glVertex3f(x, y - HEIGHT, DEPTH);
    glVertex3f(x + WIDTH, y - HEIGHT, DEPTH);
    glVertex3f(x + WIDTH, y, DEPTH);
    glEnd();
    f32 knob = x + WIDTH * f;
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glVertex3f(knob - KNOB_HALF, y + KNOB_OVER, DEPTH);
    glVertex3f(knob - KNOB_HALF, y - HEIGHT - KNOB_OVER, DEPTH);
    glVertex3f(knob + KNOB_HALF, y - HEIGHT - KNOB_OVER, DEPTH);
    glVertex3f(knob + KNOB_HALF, y + KNOB_OVER, DEPTH);
    glEnd();
    glEnable(GL_TEXTURE_2D);
}
