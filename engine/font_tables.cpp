// The bitmap fonts' layouts: grids, quad sizes and advances. Shared by the font builder and
// the data builder, which draws each glyph where the builder cuts it.
#include "engine/engine.h"

#include <iterator>

const FontLayout font_layouts[] = {
    // glyphs first_char cell_s   cell_t   row_limit quad_w quad_h advance
    {256, -31, 0.0625f, 0.0625f, 0.9375f, 2.6f, 3.0f, 1.2f},   // FONT_TEXT
    {10, '0', 0.2f, 0.5f, 0.81f, 2.6f, 3.0f, 2.1f},             // FONT_DIGITS
    {29, 'A', 0.1666f, 0.2f, 0.85f, 3.2f, 4.2f, 2.7f},          // FONT_LETTERS
};
static_assert(std::size(font_layouts) == FONT_COUNT, "one row per font");

// Glyphs whose advance differs from their font's.
struct GlyphAdvance {
    i32 font;
    i32 glyph;
    float advance;
};

static const GlyphAdvance glyph_advances[] = {
    // font       glyph advance
    {FONT_TEXT, 96, 1.3f},     // A
    {FONT_TEXT, 103, 1.4f},    // H
    {FONT_TEXT, 104, 1.1f},    // I
    {FONT_TEXT, 108, 1.5f},    // M
    {FONT_TEXT, 109, 1.4f},    // N
    {FONT_TEXT, 110, 1.5f},    // O
    {FONT_TEXT, 136, 1.0f},    // i
    {FONT_TEXT, 137, 1.0f},    // j
    {FONT_TEXT, 139, 1.0f},    // l
    {FONT_LETTERS, 0, 2.2f},   // A
    {FONT_LETTERS, 4, 2.2f},   // E
    {FONT_LETTERS, 7, 3.0f},   // H
    {FONT_LETTERS, 8, 1.6f},   // I
    {FONT_LETTERS, 9, 1.7f},   // J
    {FONT_LETTERS, 11, 2.5f},  // L
    {FONT_LETTERS, 12, 3.2f},  // M
    {FONT_LETTERS, 15, 2.2f},  // P
    {FONT_LETTERS, 17, 2.2f},  // R
    {FONT_LETTERS, 19, 2.2f},  // T
    {FONT_LETTERS, 22, 3.2f},  // W
    {FONT_LETTERS, 24, 2.5f},  // Y
};

int font_glyph_of(int font, char c)
{
    // Characters are signed bytes: the text font's Latin-1 letters come out negative and land
    // in its first cells.
    int glyph = static_cast<signed char>(c) - font_layouts[font].first_char;
    return glyph >= 0 && glyph < font_layouts[font].glyph_count ? glyph : -1;
}

float font_glyph_advance(int font, int glyph)
{
    for (const GlyphAdvance &row : glyph_advances)
        if (row.font == font && row.glyph == glyph)
            return row.advance;
    return font_layouts[font].advance;
}

// Moves (s, t) to the next glyph's cell, left to right, then row by row down the picture.
static void font_cell_next(const FontLayout *layout, float *s, float *t)
{
    *s += layout->cell_s;
    if (*s > layout->row_limit) {
        *t += layout->cell_t;
        *s = 0.0f;
    }
}

void font_glyph_cell(int font, int glyph, float *s, float *t)
{
    *s = 0.0f;
    *t = 0.0f;
    for (int g = 0; g < glyph; g++)
        font_cell_next(&font_layouts[font], s, t);
}
