// databuild.h: the data builder's steps; each step adds the entries of one part of the game.
#pragma once

#include "tools/writers/writers.h"

// Everything that goes into data/dat00.dat, in the order it was added.
extern std::vector<ZipEntry> archive_entries;
void archive_add(const std::string &name, Bytes bytes);

// One step per content area; each writes files into data_dir or adds archive entries.
// Returns 1, or 0 after printing what failed.
int build_settings(const char *data_dir);
int build_music(const char *data_dir);       // musica/*.ogg
int build_fonts(const char *data_dir);
int build_tuning(const char *data_dir);      // data/<name>.txt, copied from tuning/
int build_title(const char *data_dir);       // the title menu's pictures
int build_characters(const char *data_dir);
int build_select(const char *data_dir);      // the character select's figure and pictures (after the characters)
int build_overlays(const char *data_dir);    // misc/exit.jpg
int build_sounds(const char *data_dir);      // data/dat01.dat, the sound bank
int build_shared_pictures(const char *data_dir);   // the start-up loader's HUD, effect and screen pictures
int build_arenas(const char *data_dir);
int build_story(const char *data_dir);       // the opening story's and the endings' pictures
int build_screens(const char *data_dir);     // the stage select's, the shop's and the gallery's pictures
// The figures' contact sheets beside the data set (figure-sheets/), drawn from the entries.
int build_contact_sheets(const char *data_dir);

// ---- procedural painting (pictures/paint.cpp) ------------------------------------------
// Pictures are painted in float RGBA (0..1), top row first, and handed to the TGA and JPEG
// writers as bytes. Coordinates wrap round, so repeating textures tile without seams.
constexpr f32 PAINT_PI = 3.14159265f;
constexpr int PAINT_SIZE = 128;      // side of a painter's picture

struct PaintColour {
    f32 r, g, b, a;
};

struct PaintCanvas {
    int w = 0, h = 0;
    std::vector<PaintColour> px;   // w x h, rows from the top
};

PaintColour paint_rgb(int r, int g, int b);                               // 0..255 components, opaque
PaintColour paint_mix(PaintColour a, PaintColour b, f32 t);               // a at t = 0, b at t = 1
PaintColour paint_shade(PaintColour c, f32 k);                            // r, g, b times k; alpha kept
PaintColour paint_alpha(PaintColour c, f32 a);
f32 paint_clamp(f32 v);
f32 paint_smooth(f32 edge0, f32 edge1, f32 v);

PaintCanvas paint_canvas(int w, int h, PaintColour fill);
PaintColour &paint_pixel(PaintCanvas &c, int x, int y);                   // wraps x and y round
f32 paint_coord(int i, int size);                                         // pixel centre in 0..1
void paint_blend(PaintCanvas &c, int x, int y, PaintColour colour, f32 alpha);
void paint_rect(PaintCanvas &c, int x0, int y0, int x1, int y1, PaintColour colour, f32 alpha);
void paint_disc(PaintCanvas &c, f32 cx, f32 cy, f32 radius, f32 soft, PaintColour colour, f32 alpha);
std::vector<u8> paint_bytes(const PaintCanvas &c);                        // 8-bit RGBA for the writers

f32 paint_hash(int x, int y, int seed);                                   // 0..1
f32 paint_noise(f32 u, f32 v, int period, int seed);                      // 0..1, repeats every period
f32 paint_fractal(f32 s, f32 t, int period, int octaves, int seed);       // tileable over 0..1

// Emblems painted on banners, shields and awnings.
enum Emblem : int {
    EMBLEM_NONE,
    EMBLEM_DISC,
    EMBLEM_OWL,
    EMBLEM_RAYS,
    EMBLEM_HORNS,
    EMBLEM_STRIPES,
};

// Each painter makes one PAINT_SIZE picture. Banners, leaves, blades and flames cut their
// shapes out by alpha.
PaintCanvas paint_blocks(PaintColour stone, PaintColour joint, int cols, int rows, bool bond, f32 veins,
                         int seed);
PaintCanvas paint_planks(PaintColour wood, int planks, int seed);
PaintCanvas paint_ground(PaintColour a, PaintColour b, f32 speckle, int seed);
PaintCanvas paint_flutes(PaintColour stone, int flutes, int seed);
PaintCanvas paint_roof_tiles(PaintColour tile, int seed);
void paint_emblem(PaintCanvas &c, Emblem emblem, PaintColour colour);
PaintCanvas paint_banner(PaintColour cloth, PaintColour trim, PaintColour emblem_colour, Emblem emblem,
                         int seed);
PaintCanvas paint_leaves(PaintColour light, PaintColour dark, int seed);
PaintCanvas paint_blades(PaintColour blade, PaintColour head, int count, int seed);
PaintCanvas paint_flame(PaintColour core, PaintColour rim, int seed);
PaintCanvas paint_water(PaintColour deep, PaintColour light, int seed);
PaintCanvas paint_meander(PaintColour ground, PaintColour figure, int seed);
PaintCanvas paint_windows(PaintColour wall, PaintColour window, int seed);
PaintCanvas paint_metal(PaintColour metal, int seed);
PaintCanvas paint_cracks(PaintColour rock, PaintColour glow, f32 crack_width, int seed);
PaintCanvas paint_glow(PaintColour colour);                 // on black, for additive drawing
PaintCanvas paint_mist(PaintColour colour, int seed);       // on black, for additive drawing
PaintCanvas paint_scatter(PaintCanvas ground, PaintColour thing, int count, f32 size, int seed);
PaintCanvas paint_fresco(PaintColour ground, PaintColour wave, PaintColour band, int seed);
PaintCanvas paint_faces(PaintColour ground, PaintColour face, PaintColour dark, bool skulls, int seed);
PaintCanvas paint_bars(PaintColour iron, PaintColour behind, int seed);
PaintCanvas paint_chain(PaintColour iron);
PaintCanvas paint_mosaic(PaintColour inner, PaintColour middle, PaintColour outer, int seed);

// ---- captions (pictures/build_fonts.cpp) ---------------------------------------------------
// Paints text in the fonts' face, pixel_height pixels to the em, its baseline at `baseline`,
// starting at x, for the builder's sheets; returns the x after it.
int font_text_paint(PaintCanvas &c, int x, int baseline, int pixel_height, const char *text, PaintColour colour);

// ---- the gallery (pictures/gallery_pictures.cpp) -----------------------------------------
// The gallery's pictures for the screens step, and their contact sheet
// beside the data set (figure-sheets/gallery.jpg); after the characters and the arenas.
int gallery_pictures_build(const char *data_dir);
PaintCanvas gallery_shop_tile(int side);   // the shop's gallery tile: Zeus's picture, side x side
