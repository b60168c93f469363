// The bitmap fonts' layouts: grids, quad sizes and advances. Shared by the font builder and
// the data builder, which draws each glyph where the builder cuts it.
#include "engine/engine.h"

#include <cstring>
#include <iterator>

const FontLayout font_layouts[] = {
    // glyphs first_char cell_s   cell_t   row_limit quad_w quad_h word gap
    {256, -31, 0.0625f, 0.0625f, 0.9375f, 2.6f, 3.0f, 0.5f},   // FONT_TEXT
    {10, '0', 0.2f, 0.5f, 0.81f, 2.6f, 3.0f, 2.1f},             // FONT_DIGITS
    {29, 'A', 0.1666f, 0.2f, 0.85f, 3.2f, 4.2f, 1.0f},          // FONT_LETTERS
};
static_assert(std::size(font_layouts) == FONT_COUNT, "one row per font");

// The characters of a font that share an advance. The advances follow the ink of the face the
// data builder draws with (its width plus the font's even gap between letters), so the builder
// fits each glyph's ink to its advance and the gaps between letters come out even. Both faces
// are condensed: the text font so that the longest story line fits across the view at depth 70,
// the capitals so that the pause box holds "RETURN TO TITLE" with room on both sides.
struct GlyphAdvances {
    i32 font;
    const char *chars;
    float advance;
};

static const GlyphAdvances glyph_advances[] = {
    // font         characters                                          advance
    {FONT_LETTERS, "[", 0.9f},   // drawn as '!'
    {FONT_LETTERS, "I", 1.0f},
    {FONT_LETTERS, "J", 1.4f},
    {FONT_LETTERS, "]", 1.8f},   // drawn as '?'
    {FONT_LETTERS, "F", 1.9f},
    {FONT_LETTERS, "EL", 2.0f},
    {FONT_LETTERS, "BPS", 2.2f},
    {FONT_LETTERS, "CUZ", 2.3f},
    {FONT_LETTERS, "HNRT", 2.4f},
    {FONT_LETTERS, "DG", 2.5f},
    {FONT_LETTERS, "KX", 2.6f},
    {FONT_LETTERS, "AOQVY", 2.7f},
    {FONT_LETTERS, "M", 2.9f},
    {FONT_LETTERS, "W", 3.2f},
    {FONT_TEXT, "'|", 0.35f},
    {FONT_TEXT, "!.:il", 0.4f},
    {FONT_TEXT, "I", 0.45f},
    {FONT_TEXT, ",;", 0.5f},
    {FONT_TEXT, "()`j\xec", 0.55f},
    {FONT_TEXT, "-[]\xed\xef", 0.6f},
    {FONT_TEXT, "\"/J\\", 0.65f},
    {FONT_TEXT, "\xee", 0.7f},
    {FONT_TEXT, "fr", 0.75f},
    {FONT_TEXT, "?t{}", 0.8f},
    {FONT_TEXT, "*1F_csz\xe7", 0.85f},
    {FONT_TEXT, "$2357ELhnu\xf1\xf9\xfa\xfb\xfc", 0.9f},
    {FONT_TEXT, "689Sabdegpq\xe1\xe2\xe3\xe4\xe5\xe8\xe9\xea\xeb\xfe", 0.95f},
    {FONT_TEXT, "+04<=>BCPkovxy~\xf0\xf2\xf3\xf4\xf5\xf6\xf7\xf8\xfd\xff", 1.0f},
    {FONT_TEXT, "HNRUZ^", 1.05f},
    {FONT_TEXT, "DGT", 1.1f},
    {FONT_TEXT, "#KX", 1.15f},
    {FONT_TEXT, "&AOQVY", 1.2f},
    {FONT_TEXT, "M", 1.25f},
    {FONT_TEXT, "@mw", 1.35f},
    {FONT_TEXT, "%\xe6", 1.45f},
    {FONT_TEXT, "W", 1.6f},
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
    char c = static_cast<char>(glyph + font_layouts[font].first_char);
    for (const GlyphAdvances &row : glyph_advances)
        if (row.font == font && c != '\0' && std::strchr(row.chars, c))
            return row.advance;
    return font_layouts[font].advance;
}

float font_char_advance(int font, char c)
{
    int glyph = font_glyph_of(font, c);
    return glyph >= 0 ? font_glyph_advance(font, glyph) : font_layouts[font].advance;
}

float font_text_width(int font, const char *text)
{
    float width = 0.0f;
    for (const char *c = text; *c; c++)
        width += font_char_advance(font, *c);
    return width;
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
