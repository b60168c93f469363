#include "support/feedback.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>

constexpr int FEEDBACK_FLOATS = 1 << 22;
constexpr int CORNER_FLOATS = 11;   // x y z, r g b a, s t r q

static FeedbackCorner corner_read(const GLfloat *f)
{
    return FeedbackCorner{f[0], f[1], f[2], {f[3], f[4], f[5], f[6]}, f[7] / f[10], f[8] / f[10]};
}

static FeedbackPolygon polygon_of(const GLfloat *f, int count)
{
    FeedbackPolygon p;
    for (int i = 0; i < count; i++)
        p.corners.push_back(corner_read(f + i * CORNER_FLOATS));
    const FeedbackCorner &c0 = p.corners[0];
    p.box = {c0.x, c0.y, c0.x, c0.y};
    p.s0 = p.s1 = c0.s;
    p.t0 = p.t1 = c0.t;
    for (const FeedbackCorner &c : p.corners) {
        p.box = {std::min(p.box.x0, c.x), std::min(p.box.y0, c.y), std::max(p.box.x1, c.x), std::max(p.box.y1, c.y)};
        p.s0 = std::min(p.s0, c.s);
        p.s1 = std::max(p.s1, c.s);
        p.t0 = std::min(p.t0, c.t);
        p.t1 = std::max(p.t1, c.t);
    }
    return p;
}

std::vector<FeedbackPolygon> feedback_polygons(void (*draw)())
{
    static std::vector<GLfloat> buffer(FEEDBACK_FLOATS);
    glFeedbackBuffer(FEEDBACK_FLOATS, GL_3D_COLOR_TEXTURE, buffer.data());
    glRenderMode(GL_FEEDBACK);
    draw();
    const int used = glRenderMode(GL_RENDER);
    std::vector<FeedbackPolygon> polygons;
    for (int i = 0; i >= 0 && i < used;) {
        const int token = static_cast<int>(buffer[i++]);
        switch (token) {
        case GL_POLYGON_TOKEN: {
            const int count = static_cast<int>(buffer[i++]);
            polygons.push_back(polygon_of(&buffer[i], count));
            i += count * CORNER_FLOATS;
            break;
        }
        case GL_LINE_TOKEN:
        case GL_LINE_RESET_TOKEN:
            i += 2 * CORNER_FLOATS;
            break;
        case GL_POINT_TOKEN:
        case GL_BITMAP_TOKEN:
        case GL_DRAW_PIXEL_TOKEN:
        case GL_COPY_PIXEL_TOKEN:
            i += CORNER_FLOATS;
            break;
        case GL_PASS_THROUGH_TOKEN:
            i += 1;
            break;
        default:
            ADD_FAILURE() << "unknown feedback token " << token;
            return polygons;
        }
    }
    if (used < 0)
        ADD_FAILURE() << "the feedback buffer overflowed";
    return polygons;
}

static bool near(f32 a, f32 b, f32 tolerance)
{
    return std::fabs(a - b) < tolerance;
}

// The font and glyph whose atlas cell the polygon shows; false for any other picture.
static bool glyph_of(const FeedbackPolygon &p, int *font, int *glyph)
{
    constexpr f32 TOLERANCE = 1e-3f;
    for (int f = 0; f < FONT_COUNT; f++) {
        const FontLayout &layout = font_layouts[f];
        if (!near(p.t1 - p.t0, layout.cell_t, TOLERANCE))
            continue;
        for (int g = 0; g < layout.glyph_count; g++) {
            f32 s, t;
            font_glyph_cell(f, g, &s, &t);
            if (near(s, p.s0, TOLERANCE) && near(t, p.t0, TOLERANCE)) {
                *font = f;
                *glyph = g;
                return true;
            }
        }
    }
    return false;
}

// The character a font prints with a glyph (the first, where several share one).
static char glyph_char(int font, int glyph)
{
    for (int c = -128; c < 128; c++)
        if (font_glyph_of(font, static_cast<char>(c)) == glyph)
            return static_cast<char>(c);
    return '?';
}

static bool same_colour(const f32 a[4], const f32 b[4])
{
    for (int i = 0; i < 4; i++)
        if (!near(a[i], b[i], 1e-3f))
            return false;
    return true;
}

static bool blank(char c)
{
    return c == ' ' || c == '\\';
}

std::string printed_form(const char *text)
{
    std::string out;
    for (const char *c = text; *c; c++)
        if (!blank(*c))
            out += *c;
    return out;
}

// Whether a pen step (in the font's units) is the last glyph's advance, with up to two blanks
// after it that drew nothing.
static bool pen_step(int font, int last_glyph, f32 step)
{
    const int space = font_glyph_of(font, ' ');
    const f32 blank = space >= 0 ? font_glyph_advance(font, space) : font_layouts[font].advance;
    for (int blanks = 0; blanks <= 2; blanks++)
        if (near(step, font_glyph_advance(font, last_glyph) + blanks * blank, 0.02f))
            return true;
    return false;
}

std::vector<PrintedText> feedback_texts(const std::vector<FeedbackPolygon> &polygons)
{
    std::vector<PrintedText> texts;
    PixelRect last = {};   // the last glyph's quad
    int last_glyph = 0;
    bool open = false;
    for (const FeedbackPolygon &p : polygons) {
        int font, glyph;
        if (!glyph_of(p, &font, &glyph)) {
            open = false;
            continue;
        }
        PrintedText *run = open ? &texts.back() : nullptr;
        const FontLayout &layout = font_layouts[font];
        const f32 unit = (p.box.y1 - p.box.y0) / layout.quad_height;   // pixels per font unit
        bool joins = run && run->font == font && same_colour(run->rgba, p.corners[0].rgba) &&
                     near(p.box.y0, last.y0, 1.0f);
        if (joins && p.box.x0 == last.x0 && p.box.x1 == last.x1)
            continue;   // the quad's second triangle
        if (!joins || !pen_step(font, last_glyph, (p.box.x0 - last.x0) / unit)) {
            texts.push_back(PrintedText{font, "", p.box, {}});
            std::copy(p.corners[0].rgba, p.corners[0].rgba + 4, texts.back().rgba);
            run = &texts.back();
        }
        const char c = glyph_char(font, glyph);
        if (!blank(c))
            run->text += c;
        run->box = {std::min(run->box.x0, p.box.x0), std::min(run->box.y0, p.box.y0),
                    std::max(run->box.x1, p.box.x1), std::max(run->box.y1, p.box.y1)};
        last = p.box;
        last_glyph = glyph;
        open = true;
    }
    return texts;
}

const PrintedText *printed_find(const std::vector<PrintedText> &texts, const char *text)
{
    const std::string wanted = printed_form(text);
    for (const PrintedText &t : texts)
        if (t.text == wanted)
            return &t;
    return nullptr;
}

void eye_to_window(f32 x, f32 y, f32 z, f32 *px, f32 *py)
{
    const f32 half_y = -z * std::tan(17.5f * 3.14159265f / 180.0f);
    const f32 half_x = half_y * 1.3333f;
    *px = (GL_TEST_WIDTH / 2.0f) + x / half_x * (GL_TEST_WIDTH / 2.0f);
    *py = (GL_TEST_HEIGHT / 2.0f) + y / half_y * (GL_TEST_HEIGHT / 2.0f);
}

PixelRect eye_rect(f32 x0, f32 y0, f32 x1, f32 y1, f32 z)
{
    PixelRect r;
    eye_to_window(std::min(x0, x1), std::min(y0, y1), z, &r.x0, &r.y0);
    eye_to_window(std::max(x0, x1), std::max(y0, y1), z, &r.x1, &r.y1);
    return r;
}

bool rect_inside(const PixelRect &inner, const PixelRect &outer, f32 slack)
{
    return inner.x0 >= outer.x0 - slack && inner.x1 <= outer.x1 + slack && inner.y0 >= outer.y0 - slack &&
           inner.y1 <= outer.y1 + slack;
}
