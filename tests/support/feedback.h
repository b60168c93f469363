// feedback.h: what a drawer sends, caught with GL feedback instead of drawn: its polygons in
// window pixels with their colours and texture coordinates, and the texts its printers sent,
// read back from the glyph cells; included by tests/gl/.
#pragma once

#include "engine/engine.h"
#include "support/gl_context.h"

#include <string>
#include <vector>

// One corner in window pixels (origin bottom left), its colour and texture coordinates.
struct FeedbackCorner {
    f32 x, y, z;
    f32 rgba[4];
    f32 s, t;
};
// The window box of some corners: x0 <= x <= x1, y0 <= y <= y1.
struct PixelRect {
    f32 x0, y0, x1, y1;
};
struct FeedbackPolygon {
    std::vector<FeedbackCorner> corners;
    PixelRect box;           // of the corners
    f32 s0, t0, s1, t1;      // the least and greatest texture coordinates
};

// Runs draw with the render mode at GL_FEEDBACK and returns the polygons it sent, in order
// (Mesa splits a quad in two triangles; each is one polygon). Lines and points are left out.
std::vector<FeedbackPolygon> feedback_polygons(void (*draw)());

// A run of glyphs one printer sent: the characters (blanks and the letters font's word gap
// left out, so "LOCAL\GAME" reads "LOCALGAME"), its font, the window box of its glyph quads
// and the colour it was printed in.
struct PrintedText {
    int font;
    std::string text;
    PixelRect box;
    f32 rgba[4];
};
// The texts among the polygons: each polygon whose texture cell is a glyph cell of a font
// (by its height in the atlas and its corner) is a glyph; glyphs that follow one another on
// one baseline, in one font and colour, each a pen step (the glyph before's advance, and
// blanks) after the one before, are one text.
std::vector<PrintedText> feedback_texts(const std::vector<FeedbackPolygon> &polygons);
// The text without blanks or word gaps, as feedback_texts reads it.
std::string printed_form(const char *text);
// The first printed text that reads `text` (in printed_form), or null.
const PrintedText *printed_find(const std::vector<PrintedText> &texts, const char *text);

// Where the game's projection (35 degrees, 4:3, the test window) shows an eye-space point.
void eye_to_window(f32 x, f32 y, f32 z, f32 *px, f32 *py);
// The window box of an eye-space rectangle at depth z.
PixelRect eye_rect(f32 x0, f32 y0, f32 x1, f32 y1, f32 z);
bool rect_inside(const PixelRect &inner, const PixelRect &outer, f32 slack = 0.0f);
