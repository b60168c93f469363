// draw_fixtures.h: shared set-up of the drawing `gl` tests (model, arena, glow, frame): the
// probe flags, a known GL state, solid textures, the camera, flat lights, a posed figure and
// a small arena; included by tests/gl/.
#pragma once

#include "engine/engine.h"
#include "support/gl_context.h"
#include "tools/writers/writers.h"

#include <vector>

// Sets the capability flags as the engine start-up would find them, with Mesa's own entry
// points for the second texture unit.
void draw_caps_set(bool multitexture, int combine, bool env_add);
// The state every drawing test starts from: the game's projection and the full viewport,
// depth test GL_LEQUAL with writes, no blending, culling, lighting, alpha test or fog, both
// texture units off, colour white, cleared to black.
void draw_gl_reset();
// A 2 x 2 texture of one colour, made on the first request for that colour and kept for the
// run (the context lives as long).
u32 solid_texture(u8 r, u8 g, u8 b, u8 a = 255);
// The colours most tests use.
struct Palette {
    u32 red, green, blue, white, grey, black;
    u32 clear;                              // alpha 0: cut away by the alpha test
    u32 half_red, half_green, half_white;   // alpha 0.5
};
const Palette &palette();
// A surface of the given pass, surface kind and texture index, one-sided.
EmdSurface fixture_surface(u8 pass, u8 surface_kind, u16 texture_index = 0);
// The glow buffers and texture as the engine start-up and the GL set-up make them, once.
void draw_glow_setup();
// The eye 80 units in front of (0, 0, 10), looking along +y.
void draw_camera_front();
// Lighting on with light 0 ambient only, so every lit surface takes `level` of its texture
// whatever its normal; fills light with the same light 0.
void draw_flat_light(StageLight *light, f32 level);
// The window pixel a world point lands on under the current camera (the model-view is left
// as camera_view_load makes it).
void world_to_pixel(const f32 p[3], int *x, int *y);

struct Rgb {
    int r, g, b;
};
Rgb pixel_at(int x, int y);
// The pixel a world point lands on under the current camera.
Rgb pixel_of(const f32 p[3]);
// The window pixel of an eye-space point under the game's projection (35 degrees, 4:3), as the
// overlays and the 2D parts of the screens place themselves; and the pixel there.
void eye_to_pixel(f32 x, f32 y, f32 z, int *px, int *py);
Rgb eye_pixel(f32 x, f32 y, f32 z);
// The whole window, RGBA rows from the bottom.
std::vector<u8> window_pixels();
// A gradient of every level over the whole view (at eye depth 50, untextured, unblended), so
// that any blend over it shows; leaves the identity view.
void draw_blend_background();
// An entry of the data builder's data set loaded with the game's texture loader; 0 when the
// data set or the entry is missing.
u32 built_texture(const char *entry, int mode);
// True when each channel lies within tolerance of the expected one.
bool rgb_near(Rgb got, Rgb expected, int tolerance = 4);

// A figure of two bones: a torso box (skin texture 0) on bone 0 and an upright arm box
// (skin texture 1) on bone 1 at the right shoulder; key 1 turns the arm a quarter about y,
// out to the figure's right.
// Marker vertices (drawn by nothing) sit at the arm's middle and the torso's middle.
struct PosedFigure {
    Model *model;
    Skeleton *skeleton;
    int arm_marker;     // vertex at the arm's middle, moved by the pose
    int torso_marker;   // vertex at the torso's middle
    f32 arm_rest[3];    // where the arm's middle stands before posing
};
// Builds the figure with `arm` as the arm's surface, posed at key 1; false on failure.
bool posed_figure_build(PosedFigure *figure, const EmdSurface &arm);
void posed_figure_free(PosedFigure *figure);

// A model of one-bone-free triangles from an EmdModel, at rest pose; null on failure.
Model *fixture_model(const EmdModel &source);
// A triangle facing the camera (-y), centred on (x, y, z), `half` wide.
void facing_triangle(EmdModel &model, const EmdSurface &surface, f32 x, f32 y, f32 z, f32 half);

// The drawing tests' fixture: the GL context, every capability offered (multitexture,
// ARB combine, env-add), the known state, the camera in front, and the palette.
class DrawTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        draw_caps_set(true, 2, true);
        draw_gl_reset();
        draw_camera_front();
        colour = palette();
    }

    Palette colour = {};
};
