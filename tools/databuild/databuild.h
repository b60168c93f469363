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
int build_arenas(const char *data_dir);

// ---- procedural painting (paint.cpp) ---------------------------------------------------
// Pictures are painted in float RGBA (0..1), top row first, and handed to the TGA and JPEG
// writers as bytes. Coordinates wrap round, so repeating textures tile without seams.
constexpr f32 PAINT_PI = 3.14159265f;
constexpr int TEXTURE_SIZE = 128;    // side of a painter's picture
constexpr int LIGHTMAP_SIZE = 64;    // side of a lightmap
constexpr int SKY_SIZE = 256;        // side of a sky panel

struct Rgba {
    f32 r, g, b, a;
};

struct Canvas {
    int w = 0, h = 0;
    std::vector<Rgba> px;   // w x h, rows from the top
};

Rgba rgb(int r, int g, int b);                   // 0..255 components, opaque
Rgba colour_mix(Rgba a, Rgba b, f32 t);          // a at t = 0, b at t = 1
Rgba colour_shade(Rgba c, f32 k);                // r, g, b times k; alpha kept
Rgba colour_alpha(Rgba c, f32 a);
f32 unit_clamp(f32 v);
f32 smooth_step(f32 edge0, f32 edge1, f32 v);

Canvas canvas_new(int w, int h, Rgba fill);
Rgba &canvas_pixel(Canvas &c, int x, int y);     // wraps x and y round
f32 canvas_coord(int i, int size);               // pixel centre in 0..1
void canvas_blend(Canvas &c, int x, int y, Rgba colour, f32 alpha);
void canvas_rect(Canvas &c, int x0, int y0, int x1, int y1, Rgba colour, f32 alpha);
void canvas_disc(Canvas &c, f32 cx, f32 cy, f32 radius, f32 soft, Rgba colour, f32 alpha);
std::vector<u8> canvas_bytes(const Canvas &c);   // 8-bit RGBA for the writers

f32 noise_hash(int x, int y, int seed);                                  // 0..1
f32 noise_value(f32 u, f32 v, int period, int seed);                     // 0..1, repeats every period
f32 noise_fractal(f32 s, f32 t, int period, int octaves, int seed);     // tileable over 0..1

// Emblems painted on banners, shields and awnings.
enum Emblem : int {
    EMBLEM_NONE,
    EMBLEM_DISC,
    EMBLEM_OWL,
    EMBLEM_RAYS,
    EMBLEM_HORNS,
    EMBLEM_STRIPES,
};

// Each painter makes one TEXTURE_SIZE picture. Those that cut shapes out by alpha say so.
Canvas paint_blocks(Rgba stone, Rgba joint, int cols, int rows, bool bond, f32 veins, int seed);
Canvas paint_planks(Rgba wood, int planks, int seed);
Canvas paint_ground(Rgba a, Rgba b, f32 speckle, int seed);
Canvas paint_flutes(Rgba stone, int flutes, int seed);
Canvas paint_roof_tiles(Rgba tile, int seed);
void paint_emblem(Canvas &c, Emblem emblem, Rgba colour);
Canvas paint_banner(Rgba cloth, Rgba trim, Rgba emblem_colour, Emblem emblem, int seed);   // alpha
Canvas paint_leaves(Rgba light, Rgba dark, int seed);                                       // alpha
Canvas paint_blades(Rgba blade, Rgba head, int count, int seed);                            // alpha
Canvas paint_flame(Rgba core, Rgba rim, int seed);                                          // alpha
Canvas paint_water(Rgba deep, Rgba light, int seed);
Canvas paint_meander(Rgba ground, Rgba figure, int seed);
Canvas paint_windows(Rgba wall, Rgba window, int seed);
Canvas paint_metal(Rgba metal, int seed);
Canvas paint_cracks(Rgba rock, Rgba glow, f32 crack_width, int seed);
Canvas paint_glow(Rgba colour);              // on black, for additive drawing
Canvas paint_mist(Rgba colour, int seed);    // on black, for additive drawing
Canvas paint_scatter(Canvas ground, Rgba thing, int count, f32 size, int seed);
Canvas paint_fresco(Rgba ground, Rgba wave, Rgba band, int seed);
Canvas paint_faces(Rgba ground, Rgba face, Rgba dark, bool skulls, int seed);
Canvas paint_bars(Rgba iron, Rgba behind, int seed);
Canvas paint_chain(Rgba iron);
Canvas paint_mosaic(Rgba inner, Rgba middle, Rgba outer, int seed);
