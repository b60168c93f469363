// The projectiles' pictures, three animation frames per throw, painted bright on black since
// the game adds them over the scene: Odysseus's arrow, Hippolyte's sun beam, Polyphemus's
// rock shock wave, Medusa's gaze, the Sphinx's sand whirl, Ares's spear and his pillar of
// fire; and the stone skin of a fighter Medusa has petrified. Travelling toward +x a picture
// is drawn as painted, so each throw points to the right.
#include "tools/databuild/figures/character_figures.h"
#include "tools/databuild/databuild.h"

#include <cmath>
#include <cstring>
#include <string>

constexpr int PROJECTILE_PICTURE_SIZE = 128;
constexpr int PROJECTILE_JPEG_QUALITY = 90;

// A picture in the making: colour added on black.
struct Glow {
    int size;
    std::vector<f32> rgb;   // size x size x 3, rows from the top
};

static Glow glow_canvas()
{
    const int n = PROJECTILE_PICTURE_SIZE;
    return {n, std::vector<f32>(static_cast<size_t>(n) * n * 3, 0.0f)};
}

static void glow_add(Glow &g, int x, int y, const f32 colour[3], f32 k)
{
    if (x < 0 || y < 0 || x >= g.size || y >= g.size || k <= 0.0f)
        return;
    f32 *p = &g.rgb[(static_cast<size_t>(y) * g.size + x) * 3];
    for (int c = 0; c < 3; c++)
        p[c] += colour[c] * k;
}

// Distance from (px, py) to the segment a-b, all in picture units 0..1.
static f32 segment_distance(f32 px, f32 py, f32 ax, f32 ay, f32 bx, f32 by)
{
    const f32 dx = bx - ax, dy = by - ay;
    f32 t = ((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy);
    t = t < 0.0f ? 0.0f : (t > 1.0f ? 1.0f : t);
    const f32 ex = px - (ax + t * dx), ey = py - (ay + t * dy);
    return std::sqrt(ex * ex + ey * ey);
}

// A glowing line from a to b: full within half its width, fading over `soft` beyond.
static void glow_line(Glow &g, f32 ax, f32 ay, f32 bx, f32 by, f32 width, f32 soft, const f32 colour[3])
{
    for (int y = 0; y < g.size; y++)
        for (int x = 0; x < g.size; x++) {
            const f32 d = segment_distance(paint_coord(x, g.size), paint_coord(y, g.size), ax, ay, bx, by);
            glow_add(g, x, y, colour, 1.0f - paint_smooth(width / 2.0f, width / 2.0f + soft, d));
        }
}

static void glow_disc(Glow &g, f32 cx, f32 cy, f32 radius, f32 soft, const f32 colour[3])
{
    glow_line(g, cx, cy, cx + 1e-4f, cy, 2.0f * radius, soft, colour);
}

// A filled triangle (an arrow or spear head), hard-edged.
static void glow_triangle(Glow &g, const f32 corner[3][2], const f32 colour[3])
{
    for (int y = 0; y < g.size; y++)
        for (int x = 0; x < g.size; x++) {
            const f32 px = paint_coord(x, g.size), py = paint_coord(y, g.size);
            int positive = 0;
            for (int e = 0; e < 3; e++) {
                const f32 *a = corner[e], *b = corner[(e + 1) % 3];
                positive += (b[0] - a[0]) * (py - a[1]) - (b[1] - a[1]) * (px - a[0]) > 0.0f;
            }
            if (positive == 0 || positive == 3)
                glow_add(g, x, y, colour, 1.0f);
        }
}

// Motion streaks trailing to the left of x_end, shifting with the frame.
static void glow_streaks(Glow &g, f32 x_end, f32 y, f32 spread, int frame, const f32 colour[3])
{
    for (int s = 0; s < 5; s++) {
        const f32 dy = spread * (s - 2) / 2.0f;
        const f32 start = 0.05f + 0.07f * ((s * 3 + frame * 2) % 5);
        glow_line(g, start, y + dy, x_end, y + dy * 0.5f, 0.006f, 0.01f, colour);
    }
}

// Odysseus's arrow: a bronze head, a pale shaft, fletching, blue-white streaks behind.
static Glow odysseus_arrow(int frame)
{
    static const f32 shaft[3] = {0.85f, 0.8f, 0.7f}, head[3] = {1.0f, 0.8f, 0.45f};
    static const f32 feather[3] = {0.7f, 0.75f, 1.0f}, streak[3] = {0.25f, 0.3f, 0.6f};
    Glow g = glow_canvas();
    glow_streaks(g, 0.25f, 0.5f, 0.16f, frame, streak);
    glow_line(g, 0.22f, 0.5f, 0.8f, 0.5f, 0.03f, 0.02f, shaft);
    const f32 tip[3][2] = {{0.78f, 0.42f}, {0.95f, 0.5f}, {0.78f, 0.58f}};
    glow_triangle(g, tip, head);
    glow_line(g, 0.22f, 0.5f, 0.14f, 0.40f, 0.025f, 0.01f, feather);
    glow_line(g, 0.22f, 0.5f, 0.14f, 0.60f, 0.025f, 0.01f, feather);
    glow_line(g, 0.30f, 0.5f, 0.22f, 0.40f, 0.025f, 0.01f, feather);
    glow_line(g, 0.30f, 0.5f, 0.22f, 0.60f, 0.025f, 0.01f, feather);
    return g;
}

// Hippolyte's sun beam: a white-hot core along the middle in a golden band, rays flickering.
static Glow hippolyte_beam(int frame)
{
    static const f32 core[3] = {1.0f, 1.0f, 0.9f}, band[3] = {0.9f, 0.65f, 0.15f}, ray[3] = {0.6f, 0.45f, 0.1f};
    Glow g = glow_canvas();
    glow_line(g, 0.05f, 0.5f, 0.95f, 0.5f, 0.22f, 0.12f, band);
    glow_line(g, 0.02f, 0.5f, 0.98f, 0.5f, 0.06f, 0.04f, core);
    for (int r = 0; r < 7; r++) {
        const f32 x = 0.1f + 0.13f * r + 0.04f * frame;
        const f32 up = (r + frame) % 2 ? -1.0f : 1.0f;
        glow_line(g, x, 0.5f, x + 0.08f, 0.5f + up * 0.3f, 0.012f, 0.02f, ray);
    }
    glow_disc(g, 0.92f, 0.5f, 0.06f, 0.08f, core);
    return g;
}

// Polyphemus's shock wave: a ring of dust breaking the ground, rocks thrown up; it widens
// from frame to frame.
static Glow polyphemus_wave(int frame)
{
    static const f32 dust[3] = {0.55f, 0.42f, 0.25f}, rock[3] = {0.75f, 0.62f, 0.45f}, crack[3] = {1.0f, 0.7f, 0.3f};
    Glow g = glow_canvas();
    const f32 r = 0.26f + 0.08f * frame;
    for (int i = 0; i <= 16; i++) {
        const f32 a0 = PAINT_PI * i / 16.0f, a1 = PAINT_PI * (i + 1) / 16.0f;
        if (i < 16)
            glow_line(g, 0.5f - r * std::cos(a0), 0.92f - r * 0.9f * std::sin(a0), 0.5f - r * std::cos(a1),
                      0.92f - r * 0.9f * std::sin(a1), 0.05f, 0.05f, dust);
    }
    glow_line(g, 0.05f, 0.92f, 0.95f, 0.92f, 0.03f, 0.03f, crack);
    for (int k = 0; k < 7; k++) {
        const f32 x = 0.2f + 0.1f * k + 0.02f * ((k * 5 + frame) % 3);
        const f32 y = 0.85f - (0.15f + 0.1f * ((k * 7 + frame * 3) % 4)) * (1.0f + 0.3f * frame);
        glow_disc(g, x, y, 0.022f + 0.008f * (k % 3), 0.015f, rock);
    }
    return g;
}

// Medusa's gaze: a green eye with a slit pupil, its rays pulsing outward.
static Glow medusa_gaze(int frame)
{
    static const f32 iris[3] = {0.3f, 1.0f, 0.35f}, ray[3] = {0.1f, 0.55f, 0.15f}, lid[3] = {0.6f, 1.0f, 0.5f};
    Glow g = glow_canvas();
    for (int r = 0; r < 10; r++) {
        const f32 a = 2.0f * PAINT_PI * (r + 0.5f * frame) / 10.0f;
        const f32 inner = 0.2f, outer = 0.36f + 0.05f * ((r + frame) % 3);
        glow_line(g, 0.5f + inner * std::cos(a), 0.5f + inner * std::sin(a), 0.5f + outer * std::cos(a),
                  0.5f + outer * std::sin(a), 0.015f, 0.02f, ray);
    }
    for (int y = 0; y < g.size; y++)
        for (int x = 0; x < g.size; x++) {
            const f32 u = (paint_coord(x, g.size) - 0.5f) / 0.3f, v = (paint_coord(y, g.size) - 0.5f) / 0.15f;
            const f32 eye = u * u + v * v;
            const bool pupil = std::fabs(u) < 0.08f && std::fabs(v) < 0.8f;
            if (eye < 1.0f && !pupil)
                glow_add(g, x, y, eye > 0.75f ? lid : iris, 1.0f - 0.5f * eye);
        }
    return g;
}

// The Sphinx's sand whirl: an orange spiral about a hot centre, turning frame by frame.
static Glow sphinx_whirl(int frame)
{
    static const f32 sand[3] = {1.0f, 0.55f, 0.1f}, heart[3] = {1.0f, 0.9f, 0.6f};
    Glow g = glow_canvas();
    for (int y = 0; y < g.size; y++)
        for (int x = 0; x < g.size; x++) {
            const f32 u = paint_coord(x, g.size) - 0.5f, v = paint_coord(y, g.size) - 0.5f;
            const f32 d = std::sqrt(u * u + v * v);
            if (d > 0.45f)
                continue;
            const f32 turn = std::atan2(v, u) + d * 14.0f - frame * 2.1f;
            const f32 arm = 0.5f + 0.5f * std::cos(3.0f * turn);
            glow_add(g, x, y, sand, arm * arm * (1.0f - d / 0.45f) * 1.3f);
        }
    glow_disc(g, 0.5f, 0.5f, 0.05f, 0.07f, heart);
    return g;
}

// Ares's thrown spear: an iron head, a dark shaft, a trail of red fire.
static Glow ares_spear(int frame)
{
    static const f32 shaft[3] = {0.6f, 0.45f, 0.3f}, head[3] = {0.9f, 0.9f, 0.95f}, fire[3] = {0.8f, 0.15f, 0.05f};
    Glow g = glow_canvas();
    glow_streaks(g, 0.45f, 0.5f, 0.1f, frame, fire);
    glow_line(g, 0.05f, 0.5f, 0.45f, 0.5f, 0.08f, 0.1f, fire);
    glow_line(g, 0.1f, 0.5f, 0.82f, 0.5f, 0.025f, 0.015f, shaft);
    const f32 tip[3][2] = {{0.8f, 0.45f}, {0.98f, 0.5f}, {0.8f, 0.55f}};
    glow_triangle(g, tip, head);
    return g;
}

// Ares's pillar of fire rising from the ground, its tongues changing each frame.
static Glow ares_pillar(int frame)
{
    static const f32 core[3] = {1.0f, 0.85f, 0.4f}, flame[3] = {0.9f, 0.25f, 0.05f};
    Glow g = glow_canvas();
    for (int y = 0; y < g.size; y++)
        for (int x = 0; x < g.size; x++) {
            const f32 u = paint_coord(x, g.size), v = paint_coord(y, g.size);
            const f32 lick = paint_noise(u * 4.0f, v * 3.0f + frame * 0.7f, 64, 31);
            const f32 width = 0.1f + 0.25f * v + 0.1f * lick;
            const f32 side = std::fabs(u - 0.5f) / width;
            if (side >= 1.0f)
                continue;
            const f32 k = (1.0f - side) * (0.3f + 0.7f * v);
            glow_add(g, x, y, flame, 1.4f * k);
            glow_add(g, x, y, core, side < 0.35f ? k : 0.0f);
        }
    return g;
}

// Grey stone with darker veins and cracks: the petrified fighter's skin.
static Glow stone_skin()
{
    Glow g = glow_canvas();
    for (int y = 0; y < g.size; y++)
        for (int x = 0; x < g.size; x++) {
            const f32 u = paint_coord(x, g.size), v = paint_coord(y, g.size);
            const f32 grain = paint_fractal(u, v, 8, 4, 77);
            const f32 vein = std::fabs(paint_fractal(u * 0.7f, v * 0.7f, 4, 3, 91) - 0.5f);
            f32 grey = 0.42f + 0.25f * grain - (vein < 0.02f ? 0.2f : 0.0f) + 0.06f * paint_hash(x, y, 5);
            const f32 colour[3] = {grey, grey, grey * 0.95f};
            glow_add(g, x, y, colour, 1.0f);
        }
    return g;
}

static Bytes glow_jpeg(const Glow &g)
{
    std::vector<u8> rgba(static_cast<size_t>(g.size) * g.size * 4, 255);
    for (size_t i = 0; i < static_cast<size_t>(g.size) * g.size; i++)
        for (int c = 0; c < 3; c++)
            rgba[4 * i + c] = static_cast<u8>(255.0f * paint_clamp(g.rgb[3 * i + c]));
    Bytes out;
    jpeg_write(out, g.size, g.size, rgba.data(), PROJECTILE_JPEG_QUALITY);
    return out;
}

// Each throw's painter by the picture's name ("proyectiles/odiseo12.jpg": Odysseus, frame 2).
struct ProjectilePainter {
    const char *stem;            // the name without its set and frame digits
    int set;                     // first digit of the name
    Glow (*paint)(int frame);    // frame 0..2
};
static const ProjectilePainter projectile_painters[] = {
    {"odiseo", 1, odysseus_arrow},   {"hipolita", 1, hippolyte_beam}, {"polifemo", 1, polyphemus_wave},
    {"medusa", 1, medusa_gaze},      {"esfinge", 1, sphinx_whirl},    {"ares", 1, ares_spear},
    {"ares", 2, ares_pillar},
};

Bytes projectile_picture(const char *entry)
{
    std::string name = entry;
    const size_t slash = name.rfind('/');
    name = name.substr(slash == std::string::npos ? 0 : slash + 1);
    const size_t dot = name.rfind('.');
    name = name.substr(0, dot);
    if (name == "medusa21")
        return glow_jpeg(stone_skin());
    if (name.size() < 3)
        return glow_jpeg(odysseus_arrow(0));
    const std::string stem = name.substr(0, name.size() - 2);
    const int set = name[name.size() - 2] - '0';
    const int frame = name[name.size() - 1] - '1';
    for (const ProjectilePainter &painter : projectile_painters)
        if (stem == painter.stem && set == painter.set)
            return glow_jpeg(painter.paint(frame < 0 || frame > 2 ? 0 : frame));
    return glow_jpeg(odysseus_arrow(0));
}
