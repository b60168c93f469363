// marker_pictures.h: pictures of one colour each, and where each colour shows in a read-back
// window, so a drawing test tells which picture stands where; included by tests/gl/.
#pragma once

#include "support/draw_fixtures.h"
#include "support/feedback.h"

#include <vector>

constexpr int MARKER_COUNT = 26;

// Marker i's colour: red full, green and blue telling the markers apart, also at half level.
Rgb marker(int i);
// A solid texture of marker i.
u32 marker_texture(int i);
// Uploads RGBA texels (rows from the top) as a texture with nearest filtering.
u32 texels_texture(const std::vector<u8> &rgba, int width, int height);
// Sets a texel of an RGBA picture to a colour.
void texel_set(std::vector<u8> &rgba, int width, int x, int y, Rgb c);

// Where a marker shows: how many pixels are its colour at full level or at half (a grey 0.5
// modulating it), and the window box of those pixels.
struct MarkerArea {
    int count;
    PixelRect box;
};
std::vector<MarkerArea> marker_areas(const std::vector<u8> &pixels);
// The window colour of marker i modulated by a grey level, as the nearest byte.
Rgb marker_at(int i, f32 level);
f32 rect_area(const PixelRect &r);
f32 rect_overlap_area(const PixelRect &a, const PixelRect &b);

// The printers with clear ink, so that only the pictures show: builds the glyph lists and
// puts a clear texture in place of the three atlases; the end puts the atlases back and frees
// the lists. True when the lists were built.
bool inkless_fonts_begin();
void inkless_fonts_end();
