#include "engine/engine.h"

#include <gtest/gtest.h>

TEST(FontTables, CharactersMapToTheirGlyphsOrToNone)
{
    struct Case {
        int font;
        int c;
        int glyph;
    };
    const Case cases[] = {
        {FONT_TEXT, ' ', 63},  {FONT_TEXT, 'A', 96},  {FONT_TEXT, '~', 157}, {FONT_TEXT, 225, 0},
        {FONT_TEXT, 255, 30},  {FONT_TEXT, 128, -1},  {FONT_TEXT, 224, -1},  {FONT_DIGITS, '0', 0},
        {FONT_DIGITS, '9', 9}, {FONT_DIGITS, 'a', -1}, {FONT_DIGITS, ' ', -1}, {FONT_LETTERS, 'A', 0},
        {FONT_LETTERS, 'Z', 25}, {FONT_LETTERS, '\\', 27}, {FONT_LETTERS, ']', 28}, {FONT_LETTERS, '^', -1},
        {FONT_LETTERS, ' ', -1}, {FONT_LETTERS, 'a', -1}, {FONT_LETTERS, 200, -1},
    };
    for (const Case &c : cases)
        EXPECT_EQ(font_glyph_of(c.font, static_cast<char>(c.c)), c.glyph) << "font " << c.font << " char " << c.c;
}

TEST(FontTables, CellsRunRowByRowFromTheTopLeft)
{
    struct Case {
        int font, glyph;
        float s, t;
    };
    const Case cases[] = {
        {FONT_TEXT, 0, 0.0f, 0.0f},          {FONT_TEXT, 15, 0.9375f, 0.0f},
        {FONT_TEXT, 16, 0.0f, 0.0625f},      {FONT_TEXT, 255, 0.9375f, 0.9375f},
        {FONT_DIGITS, 0, 0.0f, 0.0f},        {FONT_DIGITS, 4, 0.8f, 0.0f},
        {FONT_DIGITS, 5, 0.0f, 0.5f},        {FONT_LETTERS, 5, 5 * 0.1666f, 0.0f},
        {FONT_LETTERS, 6, 0.0f, 0.2f},       {FONT_LETTERS, 28, 4 * 0.1666f, 0.8f},
    };
    for (const Case &c : cases) {
        float s, t;
        font_glyph_cell(c.font, c.glyph, &s, &t);
        EXPECT_NEAR(s, c.s, 1e-5) << "font " << c.font << " glyph " << c.glyph;
        EXPECT_NEAR(t, c.t, 1e-5) << "font " << c.font << " glyph " << c.glyph;
    }
}
