// Bitmap fonts: one display list per glyph, and the printers that send a text's glyphs as one
// run of quads, each where its list draws it.
#include "engine/engine.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <cstdarg>
#include <cstdio>
#include <iterator>

u32 font_text_texture = 0;
u32 font_letters_texture = 0;
u32 font_digits_texture = 0;
u32 font_text_lists = 0;
u32 font_digits_lists = 0;
u32 font_letters_lists = 0;

static u32 *const font_textures[] = {&font_text_texture, &font_digits_texture, &font_letters_texture};
static u32 *const font_lists[] = {&font_text_lists, &font_digits_lists, &font_letters_lists};
static_assert(std::size(font_textures) == FONT_COUNT && std::size(font_lists) == FONT_COUNT,
              "one texture and one list block per font");

// The quad of one glyph with its left edge at pen, as wide as its advance and cut from the
// same share of its cell, so the cell's texels keep their size on screen whatever the advance.
// The picture's top row is t = 0, so the quad's bottom edge takes the cell's larger t.
static void glyph_quad_send(const FontLayout *layout, float advance, float pen, float s, float t)
{
    float w = advance < layout->quad_width ? advance : layout->quad_width, h = layout->quad_height;
    float ds = layout->cell_s * w / layout->quad_width, dt = layout->cell_t;
    glTexCoord2f(s, t + dt);
    glVertex2f(pen, 0.0f);
    glTexCoord2f(s + ds, t + dt);
    glVertex2f(pen + w, 0.0f);
    glTexCoord2f(s + ds, t);
    glVertex2f(pen + w, h);
    glTexCoord2f(s, t);
    glVertex2f(pen, h);
}

static void font_compile_glyph(const FontLayout *layout, float advance, float s, float t)
{
    glBegin(GL_QUADS);
    glyph_quad_send(layout, advance, 0.0f, s, t);
    glEnd();
    glTranslatef(advance, 0.0f, 0.0f);
}

static int font_build(int font)
{
    const FontLayout *layout = &font_layouts[font];
    GLuint base = glGenLists(layout->glyph_count);
    if (base == 0)
        return 0;
    for (int glyph = 0; glyph < layout->glyph_count; glyph++) {
        float s, t;
        font_glyph_cell(font, glyph, &s, &t);
        glNewList(base + glyph, GL_COMPILE);
        font_compile_glyph(layout, font_glyph_advance(font, glyph), s, t);
        glEndList();
    }
    *font_lists[font] = base;
    return 1;
}

int fonts_build()
{
    // The blocks are made in this order: text, digits, capital letters.
    for (int font = 0; font < FONT_COUNT; font++) {
        if (!font_build(font)) {
            fonts_free();
            return 0;
        }
    }
    return 1;
}

void fonts_free()
{
    static const int free_order[] = {FONT_DIGITS, FONT_LETTERS, FONT_TEXT};
    for (int font : free_order) {
        if (*font_lists[font])
            glDeleteLists(*font_lists[font], font_layouts[font].glyph_count);
        *font_lists[font] = 0;
    }
}

// The glyphs as one draw instead of a draw per glyph list (a software renderer pays for each
// draw): each quad is moved along by the advances before it. A character without a glyph (-1)
// only moves the pen, by the word gap.
static void glyphs_send(int font, const int *glyphs, int count)
{
    const FontLayout *layout = &font_layouts[font];
    float pen = 0.0f;
    glBegin(GL_QUADS);
    for (int i = 0; i < count; i++) {
        float advance = glyphs[i] >= 0 ? font_glyph_advance(font, glyphs[i]) : layout->advance;
        if (glyphs[i] >= 0) {
            float s, t;
            font_glyph_cell(font, glyphs[i], &s, &t);
            glyph_quad_send(layout, advance, pen, s, t);
        }
        pen += advance;
    }
    glEnd();
}

static void print_with_font(int font, float x, float y, float z, const char *format, va_list args)
{
    if (!format)
        return;
    char text[256];
    vsnprintf(text, sizeof text, format, args);
    // A character the font has no glyph for (-1) keeps its place as a gap between words.
    int glyphs[sizeof text];
    int count = 0;
    for (const char *c = text; *c; c++)
        glyphs[count++] = font_glyph_of(font, *c);
    // Unit 1 may still hold a lightmap from the last model drawn.
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, *font_textures[font]);
    // The pen's matrix lives only as long as the text: screens print between the quads they
    // place in their own view, and a quad drawn after a text must land where it would without.
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, z);
    // List base + signed character = the character's glyph list, for a caller that calls them.
    glListBase(*font_lists[font] - static_cast<u32>(font_layouts[font].first_char));
    // Before fonts_build there are no glyphs to print, as there are no lists to call.
    if (*font_lists[font])
        glyphs_send(font, glyphs, count);
    glPopMatrix();
}

void print_text(float x, float y, float z, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    print_with_font(FONT_TEXT, x, y, z, format, args);
    va_end(args);
}

void print_digits(float x, float y, float z, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    print_with_font(FONT_DIGITS, x, y, z, format, args);
    va_end(args);
}

void print_letters(float x, float y, float z, const char *format, ...)
{
    va_list args;
    va_start(args, format);
    print_with_font(FONT_LETTERS, x, y, z, format, args);
    va_end(args);
}
