// The title menu's drawer: background layers, logo, highlight caps, the page's items and the
// pointer, all on the plane 50 units in front of the eye. It reads the menu's state (the
// frame step has already run this frame) and writes only GL.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <GL/gl.h>
#include <algorithm>
#include <climits>
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

// A part of the logo's picture: s0..s1 across, t0..t1 down (t = 0 is the top row).
struct LogoPart {
    f32 s0, s1, t0, t1;
};
constexpr int LOGO_BANDS = 16;       // the picture is measured in bands of rows
// Texels: how far the filter reaches on the first two levels. No window the game offers
// shows the logo at less than half its size, so the third level is never read.
constexpr int LOGO_REACH = 4;
constexpr int LOGO_SCISSOR_PAD = 2;  // pixels added round each part's rectangle

// Screen lifetime: the logo's lit parts as title_logo_measure found them in the picture named
// logo_measured; the whole logo is drawn while tex_logo names another.
static LogoPart logo_parts[LOGO_BANDS];
static int logo_part_count;
static u32 logo_measured;

// Whether a texel of the span first..last (of size, repeating) lies within LOGO_REACH of the
// picture's other edge, where the repeating filter reads it too.
static bool span_wraps(int first, int last, int size)
{
    return first < LOGO_REACH || last >= size - LOGO_REACH;
}

// The columns of each band of rows whose texels, or texels within the filter's reach of them,
// have some alpha. Elsewhere the logo's blend leaves the screen as it was.
void title_logo_measure()
{
    logo_part_count = 0;
    logo_measured = 0;
    Picture logo = texture_read(tex_logo);
    if (!logo.pixels)
        return;
    const int width = logo.width, height = logo.height;
    for (int band = 0; band < LOGO_BANDS; band++) {
        const int top = band * height / LOGO_BANDS, bottom = (band + 1) * height / LOGO_BANDS;
        int first = width, last = -1;
        for (int row = top - LOGO_REACH; row < bottom + LOGO_REACH; row++) {
            const int y = (row % height + height) % height;
            for (int x = 0; x < width; x++)
                if (logo.pixels[(static_cast<size_t>(y) * width + x) * 4 + 3]) {
                    first = std::min(first, x);
                    last = std::max(last, x);
                }
        }
        if (last < 0)
            continue;
        LogoPart &part = logo_parts[logo_part_count++];
        const bool whole = span_wraps(first, last, width);
        part.s0 = whole ? 0.0f : static_cast<f32>(first - LOGO_REACH) / width;
        part.s1 = whole ? 1.0f : static_cast<f32>(last + 1 + LOGO_REACH) / width;
        part.t0 = static_cast<f32>(top) / height;
        part.t1 = static_cast<f32>(bottom) / height;
    }
    picture_free(&logo);
    logo_measured = tex_logo;
}

// A window rectangle: columns left..right - 1, rows bottom..top - 1.
struct WindowRect {
    int left, right, bottom, top;
};

// The window rectangle holding every point of the logo's quad whose texture coordinates lie
// in the part: x follows s alone, and y lies between the lower and the higher top edge's
// heights times (1 - t).
static WindowRect logo_part_rect(const WindowView &view, const LogoPart &part)
{
    const f32 low_top = std::min(LOGO_TOP_LEFT, LOGO_TOP_RIGHT), high_top = std::max(LOGO_TOP_LEFT, LOGO_TOP_RIGHT);
    GLdouble x0, y0, x1, y1;
    window_view_point(&view, -LOGO_HALF_WIDTH + 2.0f * LOGO_HALF_WIDTH * part.s0, low_top * (1.0f - part.t1), 0.0,
                      &x0, &y0);
    window_view_point(&view, -LOGO_HALF_WIDTH + 2.0f * LOGO_HALF_WIDTH * part.s1, high_top * (1.0f - part.t0), 0.0,
                      &x1, &y1);
    return WindowRect{static_cast<int>(std::floor(x0)) - LOGO_SCISSOR_PAD,
                      static_cast<int>(std::ceil(x1)) + LOGO_SCISSOR_PAD,
                      static_cast<int>(std::floor(y0)) - LOGO_SCISSOR_PAD,
                      static_cast<int>(std::ceil(y1)) + LOGO_SCISSOR_PAD};
}

// The parts' rectangles overlap where bands meet, and a pixel blended twice would show, so
// the rows are cut where any rectangle starts or ends and each run of rows takes the span of
// every rectangle over it: rectangles that cover the same pixels once. Returns the count.
static int logo_scissor_rects(WindowRect *out)
{
    WindowRect rects[LOGO_BANDS];
    int edges[2 * LOGO_BANDS];
    WindowView view;
    window_view_read(&view);
    for (int i = 0; i < logo_part_count; i++) {
        rects[i] = logo_part_rect(view, logo_parts[i]);
        edges[2 * i] = rects[i].bottom;
        edges[2 * i + 1] = rects[i].top;
    }
    std::sort(edges, edges + 2 * logo_part_count);
    int count = 0;
    for (int e = 0; e + 1 < 2 * logo_part_count; e++) {
        WindowRect run = {INT_MAX, INT_MIN, edges[e], edges[e + 1]};
        for (int i = 0; i < logo_part_count && run.bottom < run.top; i++)
            if (rects[i].bottom <= run.bottom && rects[i].top >= run.top) {
                run.left = std::min(run.left, rects[i].left);
                run.right = std::max(run.right, rects[i].right);
            }
        if (run.bottom >= run.top || run.left >= run.right)
            continue;
        WindowRect *last = count ? &out[count - 1] : nullptr;
        if (last && last->top == run.bottom && last->left == run.left && last->right == run.right)
            last->top = run.top;
        else
            out[count++] = run;
    }
    return count;
}

// A picture the window magnifies everywhere (fewer texels than pixels each way, with room to
// spare: the back layers, the logo's reflection) never reads its smaller mip levels, so it is
// drawn from level 0 with the cheaper filter and the same pixels; the texture's own filter is
// put back after.
constexpr f32 LEVEL_ZERO_TEXELS_PER_PIXEL = 0.9f;

// Switches the bound texture to the plain linear filter when it is magnified everywhere over
// q; returns the filter to put back, or 0 when it was left alone.
static GLint level_zero_begin(u32 texture, const MenuQuad &q)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    GLint width = 0, height = 0, filter = GL_LINEAR;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    GLdouble x0, y0, x2, y2;
    WindowView view;
    window_view_read(&view);
    window_view_point(&view, q.x[0], q.y[0], 0.0, &x0, &y0);
    window_view_point(&view, q.x[2], q.y[2], 0.0, &x2, &y2);
    const double across = width * std::fabs(q.s[2] - q.s[0]) / std::fabs(x2 - x0);
    const double down = height * std::fabs(q.t[2] - q.t[0]) / std::fabs(y2 - y0);
    if (width <= 0 || height <= 0 || filter == GL_LINEAR || std::max(across, down) >= LEVEL_ZERO_TEXELS_PER_PIXEL)
        return 0;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    return filter;
}

// Puts back the filter level_zero_begin replaced on the texture bound to the active unit.
static void level_zero_end(GLint filter)
{
    if (filter)
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, filter);
}

// The logo, with the reflection sliding across it on unit 1 where the driver can add it. Once
// the picture is measured, the quad is drawn through each lit part's rectangle alone: the
// same pixels, without the clear ones.
static void title_logo_draw()
{
    blend_set(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, tex_logo);
    MenuQuad logo = quad_rect(-LOGO_HALF_WIDTH, LOGO_TOP_LEFT, LOGO_HALF_WIDTH, 0.0f, 0, 0, 1, 1);
    logo.y[3] = LOGO_TOP_RIGHT;
    const bool reflection = has_multitexture && has_tex_env_add;
    f32 r = title_scroll_3;
    const MenuQuad slide = quad_rect(0, 0, 0, 0, r, 0, r + 1, 1);
    GLint reflection_filter = 0;
    if (reflection) {
        MenuQuad slid = logo;   // the reflection's coordinates where the logo lies
        std::copy(slide.s, slide.s + 4, slid.s);
        std::copy(slide.t, slide.t + 4, slid.t);
        texture_unit_select(1);
        reflection_filter = level_zero_begin(title_textures[TITLE_REFLECTION], slid);
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_ADD);
        glEnable(GL_TEXTURE_2D);
        texture_unit_select(0);
    }
    const bool cut = tex_logo && logo_measured == tex_logo;
    WindowRect scissors[2 * LOGO_BANDS];
    const int scissor_count = cut ? logo_scissor_rects(scissors) : 0;
    if (cut)
        glEnable(GL_SCISSOR_TEST);
    for (int i = 0; i < (cut ? scissor_count : 1); i++) {
        if (cut) {
            const WindowRect &r = scissors[i];
            glScissor(r.left, r.bottom, r.right - r.left, r.top - r.bottom);
        }
        if (reflection)
            quad_draw_two_units(logo, slide);
        else
            quad_draw(logo);
    }
    glDisable(GL_SCISSOR_TEST);
    if (reflection_filter) {
        texture_unit_select(1);
        level_zero_end(reflection_filter);
        texture_unit_select(0);
    }
}

static void layer_draw(u32 texture, const MenuQuad &q)
{
    GLint filter = level_zero_begin(texture, q);
    quad_draw(q);
    level_zero_end(filter);
}

// The three back layers as one pass where the driver combines on three units: unit 0 takes
// layer 1 in the tint, unit 1 lightens it with layer 2 as the screen blend does
// (a + b (1 - a), interpolating white and layer 2 by the previous colour), unit 2 multiplies
// by the filter. Each pixel is then written once instead of blended three times; the picture
// differs from the blended passes by rounding alone.
static bool background_one_pass()
{
    return has_multitexture && tex_env_combine != 0 && texture_units >= 3;
}

// The picture's coordinates at the plane point (x, y) of a layer drawn as q.
static void layer_coords(const MenuQuad &q, f32 x, f32 y, f32 *s, f32 *t)
{
    *s = q.s[0] + (q.s[2] - q.s[0]) * (x - q.x[0]) / (q.x[2] - q.x[0]);
    *t = q.t[0] + (q.t[2] - q.t[0]) * (y - q.y[0]) / (q.y[2] - q.y[0]);
}

// A rectangle of the plane with each unit's layer (none where null) at its coordinates.
static void background_rect_draw(f32 left, f32 top, f32 right, f32 bottom, const MenuQuad *const layers[3])
{
    const f32 xs[4] = {left, left, right, right}, ys[4] = {top, bottom, bottom, top};
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        for (int unit = 0; unit < 3; unit++) {
            if (!layers[unit])
                continue;
            f32 s, t;
            layer_coords(*layers[unit], xs[i], ys[i], &s, &t);
            gl_multi_tex_coord2f(GL_TEXTURE0 + unit, s, t);
        }
        glVertex3f(xs[i], ys[i], 0.0f);
    }
    glEnd();
}

// Unit 1's environment: white and layer 2 interpolated by the previous colour; the alpha
// passed on, as the blended passes leave it at 1.
static const GLint SCREEN_BLEND_ENV[][2] = {
    {GL_TEXTURE_ENV_MODE, GL_COMBINE}, {GL_COMBINE_RGB, GL_INTERPOLATE},
    {GL_SOURCE0_RGB, GL_CONSTANT},     {GL_OPERAND0_RGB, GL_SRC_COLOR},
    {GL_SOURCE1_RGB, GL_TEXTURE},      {GL_OPERAND1_RGB, GL_SRC_COLOR},
    {GL_SOURCE2_RGB, GL_PREVIOUS},     {GL_OPERAND2_RGB, GL_SRC_COLOR},
    {GL_COMBINE_ALPHA, GL_REPLACE},    {GL_SOURCE0_ALPHA, GL_PREVIOUS},
    {GL_OPERAND0_ALPHA, GL_SRC_ALPHA},
};

static void unit_layer_set(int unit, u32 texture)
{
    texture_unit_select(unit);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

// Layer 2's rectangle with all three units, then the four rectangles round it (sharing its
// edges exactly, so no pixel is drawn twice) with layer 1 and the filter alone.
static void background_one_pass_draw(const MenuQuad &back_1, const MenuQuad &back_2, const MenuQuad &filter)
{
    // Unit 1's combine settings would stay for the next drawer that combines on it.
    glPushAttrib(GL_TEXTURE_BIT);
    const GLint filter_1 = level_zero_begin(title_textures[TITLE_BACK_1], back_1);
    unit_layer_set(0, title_textures[TITLE_BACK_1]);
    unit_layer_set(1, title_textures[TITLE_BACK_2]);
    const GLint filter_2 = level_zero_begin(title_textures[TITLE_BACK_2], back_2);
    const f32 white[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    glTexEnvfv(GL_TEXTURE_ENV, GL_TEXTURE_ENV_COLOR, white);
    for (const auto &setting : SCREEN_BLEND_ENV)
        glTexEnvi(GL_TEXTURE_ENV, setting[0], setting[1]);
    glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, 1.0f);
    glTexEnvf(GL_TEXTURE_ENV, GL_ALPHA_SCALE, 1.0f);
    unit_layer_set(2, title_textures[TITLE_BACK_FILTER]);

    glColor4f(BACK_1_TINT[0], BACK_1_TINT[1], BACK_1_TINT[2], 1.0f);
    glDisable(GL_BLEND);
    const MenuQuad *const all[3] = {&back_1, &back_2, &filter};
    background_rect_draw(-BACK_2_HALF_WIDTH, BACK_2_TOP, BACK_2_HALF_WIDTH, BACK_2_BOTTOM, all);
    texture_unit_select(1);
    glDisable(GL_TEXTURE_2D);
    const MenuQuad *const outer[3] = {&back_1, nullptr, &filter};
    background_rect_draw(-BACK_HALF, BACK_HALF, BACK_HALF, BACK_2_TOP, outer);
    background_rect_draw(-BACK_HALF, BACK_2_BOTTOM, BACK_HALF, -BACK_HALF, outer);
    background_rect_draw(-BACK_HALF, BACK_2_TOP, -BACK_2_HALF_WIDTH, BACK_2_BOTTOM, outer);
    background_rect_draw(BACK_2_HALF_WIDTH, BACK_2_TOP, BACK_HALF, BACK_2_BOTTOM, outer);

    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_2]);
    level_zero_end(filter_2);
    texture_unit_select(0);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_1]);
    level_zero_end(filter_1);
    glPopAttrib();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

// Layer 1 tiled and drifting, layer 2 drifting sideways and lightening, the filter
// multiplying both, then the logo.
static void title_background_draw()
{
    menu_plane_load();
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    f32 s = title_scroll_1, t = title_scroll_2;
    const MenuQuad back_1 =
        quad_rect(-BACK_HALF, BACK_HALF, BACK_HALF, -BACK_HALF, s, s, s + BACK_1_REPEATS, s + BACK_1_REPEATS);
    const MenuQuad back_2 =
        quad_rect(-BACK_2_HALF_WIDTH, BACK_2_TOP, BACK_2_HALF_WIDTH, BACK_2_BOTTOM, -t, 0, 1 - t, 1);
    const MenuQuad filter = quad_rect(-BACK_HALF, BACK_HALF, BACK_HALF, -BACK_HALF, 0, 0, 1, 1);
    if (background_one_pass()) {
        background_one_pass_draw(back_1, back_2, filter);
        title_logo_draw();
        return;
    }

    glColor4f(BACK_1_TINT[0], BACK_1_TINT[1], BACK_1_TINT[2], 1.0f);
    glDisable(GL_BLEND);
    layer_draw(title_textures[TITLE_BACK_1], back_1);

    glColor4f(1.0f, 1.0f, 1.0f, BACK_2_ALPHA);
    blend_set(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    layer_draw(title_textures[TITLE_BACK_2], back_2);

    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    blend_set(GL_DST_COLOR, GL_ZERO);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_FILTER]);
    quad_draw(filter);

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
    // Each layer covers what was drawn before it and nothing reads the depth it would write,
    // so the depth test is off: the same pixels without a depth read and write for each.
    glDisable(GL_DEPTH_TEST);
    title_background_draw();
    title_caps_draw();
    title_items_draw();     // after the caps: a label shows over its caps
    title_pointer_draw();   // last: over everything
    glEnable(GL_DEPTH_TEST);
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
