// vase_painting.h: the red-figure painting kit of the logos before the opening story and the
// summoned gods' pictures; used by the data builder's story and summon picture steps.
#pragma once

#include "tools/databuild/databuild.h"

#include <vector>

enum VaseInk : u8 {
    VASE_CLAY,
    VASE_GLAZE,
    VASE_WHITE,
    VASE_GOLD,
    VASE_DARK_CLAY,
    VASE_INK_COUNT
};

enum VaseShapeKind : u8 {
    VASE_CAPSULE,    // x0, y0, x1, y1, radius
    VASE_ELLIPSE,    // cx, cy, rx, ry, angle (radians)
    VASE_TRIANGLE,   // three corners
    VASE_RING        // cx, cy, radius, width
};

// Shapes in picture units: y from -1 (bottom) to 1 (top), x by the picture's aspect; later
// shapes cover earlier ones. The meander bands take |y| above 0.86.
struct VaseShape {
    VaseShapeKind kind;
    f32 a[6];
    VaseInk ink;
};
using VaseScene = std::vector<VaseShape>;

void vase_capsule(VaseScene &s, f32 x0, f32 y0, f32 x1, f32 y1, f32 r, VaseInk ink);
void vase_ellipse(VaseScene &s, f32 cx, f32 cy, f32 rx, f32 ry, f32 angle, VaseInk ink);
void vase_triangle(VaseScene &s, f32 x0, f32 y0, f32 x1, f32 y1, f32 x2, f32 y2, VaseInk ink);
void vase_quad(VaseScene &s, f32 x0, f32 y0, f32 x1, f32 y1, f32 x2, f32 y2, f32 x3, f32 y3, VaseInk ink);
void vase_ring(VaseScene &s, f32 cx, f32 cy, f32 r, f32 width, VaseInk ink);

enum VaseItem : u8 {
    ITEM_NONE,
    ITEM_SPEAR,
    ITEM_SWORD,
    ITEM_SHIELD,
    ITEM_MIRROR_SHIELD,
    ITEM_BOW,
    ITEM_BOLT,
    ITEM_HAMMER,
    ITEM_SHEARS,
    ITEM_LYRE,
    ITEM_CLUB,
    ITEM_STAFF,
    ITEM_BIDENT,
    ITEM_THREAD,
    ITEM_DISTAFF,    // a staff with its mass of wool, for the spinner
    ITEM_ROD         // a measuring rod held level, notched
};

enum VaseHeadgear : u8 {
    HEADGEAR_NONE,
    HEADGEAR_HELMET,
    HEADGEAR_CROWN,
    HEADGEAR_BEARD,
    HEADGEAR_SNAKES,
    HEADGEAR_HOOD,
    HEADGEAR_HAIR,
    HEADGEAR_BULL,
    HEADGEAR_ONE_EYE
};

// One standing figure, feet at (x, foot_y), `height` picture units tall.
struct VaseFigure {
    f32 x, foot_y, height;
    f32 facing;                 // 1 faces right, -1 left
    VaseHeadgear head;
    bool robe;                  // a long chiton to the ankles
    bool large;                 // a giant's bulk
    VaseItem front_item, back_item;
    f32 front_raise, back_raise;   // -1 arm down .. 1 raised high
};
void vase_figure(VaseScene &s, const VaseFigure &f);

void vase_clouds(VaseScene &s, f32 y, int count, int seed);
void vase_sparks(VaseScene &s, f32 x, f32 y, f32 radius, int count, int seed);
void vase_sun(VaseScene &s, f32 x, f32 y, f32 r);

// Paints the scene over the glaze ground and the two meander bands, 3 x 3 samples a pixel.
PaintCanvas vase_paint(const VaseScene &scene, int width, int height);
constexpr int VASE_JPEG_QUALITY = 90;
Bytes vase_tga(const PaintCanvas &c);
Bytes vase_jpeg(const PaintCanvas &c);   // empty when the encoder fails
