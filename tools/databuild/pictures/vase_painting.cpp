// Red-figure vase painting: terracotta figures with black glaze details on a black ground,
// framed by meander bands; the logos before the opening story and the summoned gods' pictures
// are painted with it.
#include "tools/databuild/pictures/vase_painting.h"

#include <algorithm>
#include <cmath>

static const PaintColour INK_COLOURS[VASE_INK_COUNT] = {
    {0.80f, 0.43f, 0.20f, 1.0f},   // VASE_CLAY: the figures
    {0.07f, 0.05f, 0.04f, 1.0f},   // VASE_GLAZE: the ground and the drawn lines
    {0.95f, 0.90f, 0.80f, 1.0f},   // VASE_WHITE: added white
    {0.95f, 0.74f, 0.25f, 1.0f},   // VASE_GOLD
    {0.55f, 0.27f, 0.12f, 1.0f},   // VASE_DARK_CLAY: cloth folds, shadowed parts
};

void vase_capsule(VaseScene &s, f32 x0, f32 y0, f32 x1, f32 y1, f32 r, VaseInk ink)
{
    s.push_back({VASE_CAPSULE, {x0, y0, x1, y1, r, 0}, ink});
}

void vase_ellipse(VaseScene &s, f32 cx, f32 cy, f32 rx, f32 ry, f32 angle, VaseInk ink)
{
    s.push_back({VASE_ELLIPSE, {cx, cy, rx, ry, angle, 0}, ink});
}

void vase_triangle(VaseScene &s, f32 x0, f32 y0, f32 x1, f32 y1, f32 x2, f32 y2, VaseInk ink)
{
    s.push_back({VASE_TRIANGLE, {x0, y0, x1, y1, x2, y2}, ink});
}

void vase_quad(VaseScene &s, f32 x0, f32 y0, f32 x1, f32 y1, f32 x2, f32 y2, f32 x3, f32 y3, VaseInk ink)
{
    vase_triangle(s, x0, y0, x1, y1, x2, y2, ink);
    vase_triangle(s, x0, y0, x2, y2, x3, y3, ink);
}

void vase_ring(VaseScene &s, f32 cx, f32 cy, f32 r, f32 width, VaseInk ink)
{
    s.push_back({VASE_RING, {cx, cy, r, width, 0, 0}, ink});
}

static bool inside_capsule(const f32 *a, f32 x, f32 y)
{
    f32 dx = a[2] - a[0], dy = a[3] - a[1];
    f32 len2 = dx * dx + dy * dy;
    f32 t = len2 > 0 ? std::clamp(((x - a[0]) * dx + (y - a[1]) * dy) / len2, 0.0f, 1.0f) : 0.0f;
    f32 px = a[0] + t * dx - x, py = a[1] + t * dy - y;
    return px * px + py * py <= a[4] * a[4];
}

static bool inside_ellipse(const f32 *a, f32 x, f32 y)
{
    f32 c = std::cos(a[4]), s = std::sin(a[4]);
    f32 lx = (x - a[0]) * c + (y - a[1]) * s, ly = -(x - a[0]) * s + (y - a[1]) * c;
    return (lx * lx) / (a[2] * a[2]) + (ly * ly) / (a[3] * a[3]) <= 1.0f;
}

static f32 edge(f32 ax, f32 ay, f32 bx, f32 by, f32 x, f32 y)
{
    return (bx - ax) * (y - ay) - (by - ay) * (x - ax);
}

static bool inside_triangle(const f32 *a, f32 x, f32 y)
{
    f32 e0 = edge(a[0], a[1], a[2], a[3], x, y), e1 = edge(a[2], a[3], a[4], a[5], x, y),
        e2 = edge(a[4], a[5], a[0], a[1], x, y);
    return (e0 >= 0 && e1 >= 0 && e2 >= 0) || (e0 <= 0 && e1 <= 0 && e2 <= 0);
}

static bool inside(const VaseShape &shape, f32 x, f32 y)
{
    switch (shape.kind) {
    case VASE_CAPSULE:
        return inside_capsule(shape.a, x, y);
    case VASE_ELLIPSE:
        return inside_ellipse(shape.a, x, y);
    case VASE_TRIANGLE:
        return inside_triangle(shape.a, x, y);
    case VASE_RING: {
        f32 d = std::hypot(x - shape.a[0], y - shape.a[1]);
        return std::fabs(d - shape.a[2]) <= shape.a[3] * 0.5f;
    }
    default:
        return false;
    }
}

// The meander band: a key pattern of glaze on clay, repeating across the picture.
static VaseInk meander_at(f32 u, f32 v)
{
    constexpr int CELLS = 12;
    f32 cx = u * CELLS, cy = v;   // v runs 0..1 over the band's height
    f32 fx = cx - std::floor(cx);
    bool line = cy < 0.12f || cy > 0.88f;
    line |= fx < 0.1f && cy < 0.75f;
    line |= cy > 0.63f && cy < 0.75f && fx < 0.75f;
    line |= fx > 0.65f && fx < 0.75f && cy > 0.25f && cy < 0.75f;
    line |= cy > 0.25f && cy < 0.37f && fx > 0.3f && fx < 0.75f;
    return line ? VASE_GLAZE : VASE_CLAY;
}

// The ground at (x, y): the glaze, a little warmer near the middle, and the two bands.
static PaintColour ground_at(f32 x, f32 y)
{
    constexpr f32 BAND_EDGE = 0.86f, BAND_OUTER = 0.98f;
    f32 ay = std::fabs(y);
    if (ay > BAND_EDGE && ay < BAND_OUTER)
        return INK_COLOURS[meander_at((x + 1.0f) * 0.5f, (ay - BAND_EDGE) / (BAND_OUTER - BAND_EDGE))];
    f32 warmth = 1.0f - 0.5f * std::min(1.0f, x * x + y * y);
    return paint_mix(INK_COLOURS[VASE_GLAZE], paint_rgb(40, 22, 14), warmth * 0.6f);
}

// A shape's bounding box: x0, y0, x1, y1.
struct VaseBox {
    f32 v[4];
};

static VaseBox shape_box(const VaseShape &shape)
{
    const f32 *a = shape.a;
    switch (shape.kind) {
    case VASE_CAPSULE:
        return {{std::min(a[0], a[2]) - a[4], std::min(a[1], a[3]) - a[4], std::max(a[0], a[2]) + a[4],
                 std::max(a[1], a[3]) + a[4]}};
    case VASE_ELLIPSE: {
        f32 r = std::max(a[2], a[3]);
        return {{a[0] - r, a[1] - r, a[0] + r, a[1] + r}};
    }
    case VASE_TRIANGLE:
        return {{std::min({a[0], a[2], a[4]}), std::min({a[1], a[3], a[5]}), std::max({a[0], a[2], a[4]}),
                 std::max({a[1], a[3], a[5]})}};
    case VASE_RING: {
        f32 r = a[2] + a[3];
        return {{a[0] - r, a[1] - r, a[0] + r, a[1] + r}};
    }
    default:
        return {{0, 0, 0, 0}};
    }
}

// One sample at picture point (x, y): the ground and its bands, the shapes over it.
static PaintColour vase_sample(const VaseScene &scene, const std::vector<VaseBox> &boxes, f32 aspect, f32 x, f32 y)
{
    PaintColour colour = ground_at(x / aspect, y);
    if (std::fabs(y) >= 0.86f)
        return colour;
    for (size_t k = 0; k < scene.size(); k++) {
        const f32 *b = boxes[k].v;
        if (x >= b[0] && x <= b[2] && y >= b[1] && y <= b[3] && inside(scene[k], x, y))
            colour = INK_COLOURS[scene[k].ink];
    }
    return colour;
}

PaintCanvas vase_paint(const VaseScene &scene, int width, int height)
{
    constexpr int SAMPLES = 3;
    // Most shapes cover a small part of the picture: test only those whose box holds the point.
    std::vector<VaseBox> boxes;
    for (const VaseShape &shape : scene)
        boxes.push_back(shape_box(shape));
    PaintCanvas c = paint_canvas(width, height, INK_COLOURS[VASE_GLAZE]);
    f32 aspect = static_cast<f32>(width) / static_cast<f32>(height);
    for (int py = 0; py < height; py++)
        for (int px = 0; px < width; px++) {
            PaintColour sum = {0, 0, 0, 0};
            for (int s = 0; s < SAMPLES * SAMPLES; s++) {
                f32 tu = (px + (s % SAMPLES + 0.5f) / SAMPLES) / width, tv = (py + (s / SAMPLES + 0.5f) / SAMPLES) / height;
                PaintColour colour = vase_sample(scene, boxes, aspect, (tu * 2.0f - 1.0f) * aspect, 1.0f - tv * 2.0f);
                sum.r += colour.r, sum.g += colour.g, sum.b += colour.b;
            }
            f32 n = SAMPLES * SAMPLES;
            paint_pixel(c, px, py) = {sum.r / n, sum.g / n, sum.b / n, 1.0f};
        }
    return c;
}

// ---- figures ---------------------------------------------------------------------------

static void hand_item(VaseScene &s, VaseItem item, f32 hx, f32 hy, f32 h, f32 facing)
{
    f32 u = h * 0.1f;   // a tenth of the figure's height
    switch (item) {
    case ITEM_SPEAR:
        vase_capsule(s, hx - facing * u * 0.5f, hy - u * 4.5f, hx + facing * u * 0.8f, hy + u * 5.0f, u * 0.12f, VASE_CLAY);
        vase_triangle(s, hx + facing * u * 0.65f, hy + u * 4.8f, hx + facing * u * 1.1f, hy + u * 4.9f,
                      hx + facing * u * 0.95f, hy + u * 5.9f, VASE_CLAY);
        break;
    case ITEM_SWORD:
        vase_capsule(s, hx, hy, hx + facing * u * 3.0f, hy + u * 1.4f, u * 0.16f, VASE_WHITE);
        vase_capsule(s, hx - facing * u * 0.1f, hy - u * 0.4f, hx + facing * u * 0.2f, hy + u * 0.4f, u * 0.12f, VASE_GOLD);
        break;
    case ITEM_SHIELD:
        vase_ellipse(s, hx + facing * u * 0.4f, hy - u * 0.3f, u * 1.6f, u * 1.6f, 0, VASE_CLAY);
        vase_ring(s, hx + facing * u * 0.4f, hy - u * 0.3f, u * 1.35f, u * 0.16f, VASE_GLAZE);
        vase_ellipse(s, hx + facing * u * 0.4f, hy - u * 0.3f, u * 0.45f, u * 0.45f, 0, VASE_GLAZE);
        break;
    case ITEM_MIRROR_SHIELD:
        vase_ellipse(s, hx + facing * u * 0.4f, hy - u * 0.3f, u * 1.6f, u * 1.6f, 0, VASE_WHITE);
        vase_ring(s, hx + facing * u * 0.4f, hy - u * 0.3f, u * 1.5f, u * 0.16f, VASE_GOLD);
        break;
    case ITEM_BOW:
        vase_capsule(s, hx, hy + u * 2.2f, hx + facing * u * 0.9f, hy + u * 1.0f, u * 0.1f, VASE_CLAY);
        vase_capsule(s, hx + facing * u * 0.9f, hy + u * 1.0f, hx + facing * u * 0.9f, hy - u * 1.0f, u * 0.1f, VASE_CLAY);
        vase_capsule(s, hx + facing * u * 0.9f, hy - u * 1.0f, hx, hy - u * 2.2f, u * 0.1f, VASE_CLAY);
        vase_capsule(s, hx, hy + u * 2.2f, hx, hy - u * 2.2f, u * 0.03f, VASE_WHITE);
        break;
    case ITEM_BOLT:
        vase_capsule(s, hx, hy, hx + facing * u * 0.8f, hy + u * 1.2f, u * 0.14f, VASE_GOLD);
        vase_capsule(s, hx + facing * u * 0.8f, hy + u * 1.2f, hx + facing * u * 0.2f, hy + u * 1.6f, u * 0.14f, VASE_GOLD);
        vase_capsule(s, hx + facing * u * 0.2f, hy + u * 1.6f, hx + facing * u * 1.1f, hy + u * 3.0f, u * 0.14f, VASE_GOLD);
        break;
    case ITEM_HAMMER:
        vase_capsule(s, hx, hy, hx + facing * u * 0.6f, hy + u * 2.2f, u * 0.12f, VASE_CLAY);
        vase_quad(s, hx + facing * u * 0.1f, hy + u * 2.0f, hx + facing * u * 1.2f, hy + u * 2.3f,
                  hx + facing * u * 1.1f, hy + u * 2.8f, hx + facing * u * 0.0f, hy + u * 2.5f, VASE_CLAY);
        break;
    case ITEM_SHEARS:
        vase_capsule(s, hx, hy, hx + facing * u * 2.0f, hy + u * 1.0f, u * 0.12f, VASE_WHITE);
        vase_capsule(s, hx, hy + u * 0.5f, hx + facing * u * 2.0f, hy + u * 0.2f, u * 0.12f, VASE_WHITE);
        vase_ring(s, hx - facing * u * 0.25f, hy + u * 0.1f, u * 0.3f, u * 0.1f, VASE_GOLD);
        break;
    case ITEM_LYRE:
        vase_capsule(s, hx - u * 0.6f, hy + u * 1.6f, hx - u * 0.4f, hy, u * 0.12f, VASE_GOLD);
        vase_capsule(s, hx + u * 0.6f, hy + u * 1.6f, hx + u * 0.4f, hy, u * 0.12f, VASE_GOLD);
        vase_capsule(s, hx - u * 0.4f, hy, hx + u * 0.4f, hy, u * 0.12f, VASE_GOLD);
        vase_capsule(s, hx - u * 0.6f, hy + u * 1.5f, hx + u * 0.6f, hy + u * 1.5f, u * 0.08f, VASE_GOLD);
        break;
    case ITEM_CLUB:
        vase_capsule(s, hx, hy, hx + facing * u * 1.8f, hy + u * 2.6f, u * 0.35f, VASE_DARK_CLAY);
        break;
    case ITEM_STAFF:
        vase_capsule(s, hx, hy - u * 4.0f, hx, hy + u * 2.0f, u * 0.1f, VASE_GOLD);
        vase_ellipse(s, hx, hy + u * 2.2f, u * 0.3f, u * 0.3f, 0, VASE_GOLD);
        break;
    case ITEM_BIDENT:
        vase_capsule(s, hx, hy - u * 4.0f, hx, hy + u * 2.6f, u * 0.1f, VASE_CLAY);
        vase_capsule(s, hx - u * 0.4f, hy + u * 2.6f, hx + u * 0.4f, hy + u * 2.6f, u * 0.1f, VASE_CLAY);
        vase_capsule(s, hx - u * 0.4f, hy + u * 2.6f, hx - u * 0.4f, hy + u * 3.3f, u * 0.1f, VASE_CLAY);
        vase_capsule(s, hx + u * 0.4f, hy + u * 2.6f, hx + u * 0.4f, hy + u * 3.3f, u * 0.1f, VASE_CLAY);
        break;
    case ITEM_THREAD:
        vase_capsule(s, hx, hy, hx + facing * u * 2.5f, hy - u * 3.0f, u * 0.04f, VASE_WHITE);
        vase_ellipse(s, hx, hy, u * 0.35f, u * 0.5f, 0, VASE_WHITE);
        break;
    case ITEM_DISTAFF:
        vase_capsule(s, hx, hy - u * 3.0f, hx, hy + u * 2.4f, u * 0.09f, VASE_GOLD);
        vase_ellipse(s, hx, hy + u * 2.6f, u * 0.45f, u * 0.8f, 0, VASE_WHITE);
        break;
    case ITEM_ROD:
        vase_capsule(s, hx - facing * u * 0.4f, hy, hx + facing * u * 3.2f, hy, u * 0.1f, VASE_GOLD);
        for (int k = 0; k < 5; k++) {
            f32 x = hx + facing * u * (0.2f + 0.7f * k);
            vase_capsule(s, x, hy - u * 0.25f, x, hy + u * 0.25f, u * 0.05f, VASE_GLAZE);
        }
        break;
    case ITEM_NONE:
    default:
        break;
    }
}

static void head_of(VaseScene &s, const VaseFigure &f, f32 hx, f32 hy, f32 u)
{
    vase_ellipse(s, hx, hy, u * 0.55f, u * 0.65f, 0, VASE_CLAY);
    if (f.head == HEADGEAR_BULL) {
        vase_ellipse(s, hx + f.facing * u * 0.35f, hy - u * 0.15f, u * 0.55f, u * 0.35f, 0, VASE_CLAY);
        vase_capsule(s, hx - u * 0.4f, hy + u * 0.5f, hx - u * 0.9f, hy + u * 1.1f, u * 0.12f, VASE_WHITE);
        vase_capsule(s, hx + u * 0.4f, hy + u * 0.5f, hx + u * 0.9f, hy + u * 1.1f, u * 0.12f, VASE_WHITE);
    }
    // The eye and, for the one-eyed, one great eye in the middle of the brow.
    if (f.head == HEADGEAR_ONE_EYE) {
        vase_ellipse(s, hx + f.facing * u * 0.15f, hy + u * 0.1f, u * 0.25f, u * 0.2f, 0, VASE_WHITE);
        vase_ellipse(s, hx + f.facing * u * 0.2f, hy + u * 0.1f, u * 0.09f, u * 0.12f, 0, VASE_GLAZE);
    } else {
        vase_ellipse(s, hx + f.facing * u * 0.3f, hy + u * 0.1f, u * 0.09f, u * 0.06f, 0, VASE_GLAZE);
    }
    switch (f.head) {
    case HEADGEAR_HELMET:
        vase_ellipse(s, hx, hy + u * 0.25f, u * 0.6f, u * 0.5f, 0, VASE_DARK_CLAY);
        vase_ellipse(s, hx - f.facing * u * 0.1f, hy + u * 0.85f, u * 0.75f, u * 0.25f, 0, VASE_GLAZE);
        vase_ellipse(s, hx - f.facing * u * 0.1f, hy + u * 0.85f, u * 0.65f, u * 0.15f, 0, VASE_CLAY);
        break;
    case HEADGEAR_CROWN:
        for (int k = -1; k <= 1; k++)
            vase_triangle(s, hx + k * u * 0.3f - u * 0.15f, hy + u * 0.5f, hx + k * u * 0.3f + u * 0.15f, hy + u * 0.5f,
                          hx + k * u * 0.3f, hy + u * 0.95f, VASE_GOLD);
        break;
    case HEADGEAR_BEARD:
        vase_ellipse(s, hx + f.facing * u * 0.1f, hy - u * 0.55f, u * 0.4f, u * 0.4f, 0, VASE_DARK_CLAY);
        break;
    case HEADGEAR_SNAKES:
        for (int k = 0; k < 7; k++) {
            f32 a = 0.4f + k * 0.38f;
            vase_capsule(s, hx + std::cos(a) * u * 0.5f, hy + std::sin(a) * u * 0.6f, hx + std::cos(a) * u * 1.0f,
                         hy + std::sin(a) * u * 1.1f, u * 0.08f, VASE_DARK_CLAY);
        }
        break;
    case HEADGEAR_HOOD:
        vase_ellipse(s, hx - f.facing * u * 0.15f, hy + u * 0.15f, u * 0.65f, u * 0.8f, 0, VASE_DARK_CLAY);
        vase_ellipse(s, hx + f.facing * u * 0.1f, hy, u * 0.42f, u * 0.5f, 0, VASE_CLAY);
        vase_ellipse(s, hx + f.facing * u * 0.3f, hy + u * 0.1f, u * 0.09f, u * 0.06f, 0, VASE_GLAZE);
        break;
    case HEADGEAR_HAIR:
        vase_ellipse(s, hx - f.facing * u * 0.3f, hy + u * 0.1f, u * 0.45f, u * 0.6f, 0, VASE_GLAZE);
        vase_capsule(s, hx - f.facing * u * 0.5f, hy, hx - f.facing * u * 0.6f, hy - u * 0.9f, u * 0.18f, VASE_GLAZE);
        break;
    default:
        break;
    }
}

void vase_figure(VaseScene &s, const VaseFigure &f)
{
    f32 h = f.height, u = h * 0.1f, x = f.x, y = f.foot_y;
    f32 hip = y + u * 4.6f, shoulder = y + u * 7.6f, head_y = y + u * 8.6f;
    // Legs, striding; a robe hides them down to the ankles.
    vase_capsule(s, x, hip, x - u * 0.9f, y + u * 0.3f, u * 0.32f, VASE_CLAY);
    vase_capsule(s, x, hip, x + u * 0.9f, y + u * 0.3f, u * 0.32f, VASE_CLAY);
    if (f.robe) {
        vase_quad(s, x - u * 0.8f, shoulder - u * 0.3f, x + u * 0.8f, shoulder - u * 0.3f, x + u * 1.6f, y + u * 0.4f,
                  x - u * 1.6f, y + u * 0.4f, VASE_CLAY);
        for (int k = -1; k <= 1; k++)   // the folds
            vase_capsule(s, x + k * u * 0.5f, hip, x + k * u * 0.9f, y + u * 0.6f, u * 0.05f, VASE_GLAZE);
    }
    // The torso and, for warriors, a belt.
    vase_quad(s, x - u * 0.9f, shoulder, x + u * 0.9f, shoulder, x + u * 0.55f, hip, x - u * 0.55f, hip, VASE_CLAY);
    vase_capsule(s, x - u * 0.6f, hip + u * 0.3f, x + u * 0.6f, hip + u * 0.3f, u * 0.1f, f.robe ? VASE_GLAZE : VASE_GOLD);
    if (f.large)   // a giant's or a monster's bulk
        vase_ellipse(s, x, hip + u * 1.6f, u * 1.4f, u * 1.8f, 0, VASE_CLAY);
    vase_capsule(s, x, shoulder, x, head_y - u * 0.4f, u * 0.25f, VASE_CLAY);
    head_of(s, f, x, head_y, u);
    // Arms: the front one toward the facing side, the back one raised behind.
    f32 front_hx = x + f.facing * u * 2.2f, front_hy = shoulder - u * 0.4f + f.front_raise * u * 2.4f;
    f32 back_hx = x - f.facing * u * 1.9f, back_hy = shoulder - u * 0.6f + f.back_raise * u * 2.4f;
    vase_capsule(s, x + f.facing * u * 0.6f, shoulder - u * 0.2f, front_hx, front_hy, u * 0.22f, VASE_CLAY);
    vase_capsule(s, x - f.facing * u * 0.6f, shoulder - u * 0.2f, back_hx, back_hy, u * 0.22f, VASE_CLAY);
    hand_item(s, f.front_item, front_hx, front_hy, h, f.facing);
    hand_item(s, f.back_item, back_hx, back_hy, h, -f.facing);
}

// ---- scenery -----------------------------------------------------------------------------

void vase_clouds(VaseScene &s, f32 y, int count, int seed)
{
    for (int k = 0; k < count; k++) {
        f32 x = -1.1f + 2.2f * (k + 0.5f) / count + 0.1f * (paint_hash(k, seed, 3) - 0.5f);
        f32 r = 0.12f + 0.08f * paint_hash(k, seed, 7);
        vase_ellipse(s, x, y + 0.05f * paint_hash(k, seed, 11), r * 1.6f, r * 0.6f, 0, VASE_WHITE);
    }
}

void vase_sparks(VaseScene &s, f32 x, f32 y, f32 radius, int count, int seed)
{
    for (int k = 0; k < count; k++) {
        f32 a = 6.2831853f * paint_hash(k, seed, 5), d = radius * (0.3f + 0.7f * paint_hash(k, seed, 9));
        vase_ellipse(s, x + std::cos(a) * d, y + std::sin(a) * d, 0.012f, 0.012f, 0, VASE_GOLD);
    }
}

void vase_sun(VaseScene &s, f32 x, f32 y, f32 r)
{
    for (int k = 0; k < 12; k++) {
        f32 a = 6.2831853f * k / 12.0f;
        vase_capsule(s, x + std::cos(a) * r * 1.2f, y + std::sin(a) * r * 1.2f, x + std::cos(a) * r * 1.6f,
                     y + std::sin(a) * r * 1.6f, r * 0.08f, VASE_GOLD);
    }
    vase_ellipse(s, x, y, r, r, 0, VASE_GOLD);
}

Bytes vase_tga(const PaintCanvas &c)
{
    return tga_write(c.w, c.h, 32, paint_bytes(c).data());
}

Bytes vase_jpeg(const PaintCanvas &c)
{
    Bytes out;
    if (!jpeg_write(out, c.w, c.h, paint_bytes(c).data(), VASE_JPEG_QUALITY))
        out.clear();
    return out;
}
