// The summoned gods' pictures: each god's portrait (a glowing bust beside the god's own sign,
// on black, since it is added over the darkened scene) and the pictures of the effects: soldiers
// with their spears, arrows, the Furies with their wings, sun beams and rings, rock, lightning,
// clouds, water and spray, the hurricane and its smoke, the girdle, the ghosts, the masks of
// fear and the golden thread.
#include "tools/databuild/character_figures.h"

#include "tools/databuild/databuild.h"

#include <cmath>
#include <cstring>
#include <iterator>

namespace {

// A stroke of a sign, in picture units (0..1 across and down).
struct Stroke {
    f32 x0, y0, x1, y1, width;
};

// ---- drawing helpers -----------------------------------------------------------------------
// A thick line with soft edges, added in colour.
void stroke_draw(PaintCanvas &c, const Stroke &s, PaintColour colour, f32 ox = 0, f32 oy = 0, f32 scale = 1)
{
    const f32 x0 = (ox + s.x0 * scale) * c.w, y0 = (oy + s.y0 * scale) * c.h;
    const f32 x1 = (ox + s.x1 * scale) * c.w, y1 = (oy + s.y1 * scale) * c.h;
    const f32 half = s.width * scale * c.w * 0.5f + 0.5f;
    const f32 dx = x1 - x0, dy = y1 - y0, length2 = dx * dx + dy * dy;
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 t = length2 > 0 ? ((x + 0.5f - x0) * dx + (y + 0.5f - y0) * dy) / length2 : 0;
            t = t < 0 ? 0 : t > 1 ? 1 : t;
            const f32 ex = x + 0.5f - (x0 + t * dx), ey = y + 0.5f - (y0 + t * dy);
            const f32 d = std::sqrt(ex * ex + ey * ey);
            if (d < half + 1.0f)
                paint_blend(c, x, y, colour, paint_clamp(half + 0.5f - d));
        }
}

void strokes_draw(PaintCanvas &c, const Stroke *strokes, int count, PaintColour colour, f32 ox = 0, f32 oy = 0,
                  f32 scale = 1)
{
    for (int i = 0; i < count; i++)
        stroke_draw(c, strokes[i], colour, ox, oy, scale);
}

PaintCanvas black_canvas()
{
    return paint_canvas(PAINT_SIZE, PAINT_SIZE, paint_rgb(0, 0, 0));
}

// A head and shoulders, bright in the middle and fading to the edges.
void bust_draw(PaintCanvas &c, PaintColour colour)
{
    paint_disc(c, 0.32f * c.w, 0.33f * c.h, 0.13f * c.w, 2.0f, colour, 1.0f);
    for (int y = static_cast<int>(0.5f * c.h); y < static_cast<int>(0.78f * c.h); y++) {
        const f32 v = (y - 0.5f * c.h) / (0.28f * c.h);
        const f32 half = (0.1f + 0.16f * std::sqrt(v)) * c.w;
        for (int x = 0; x < c.w; x++) {
            const f32 d = std::fabs(x + 0.5f - 0.32f * c.w);
            if (d < half)
                paint_blend(c, x, y, paint_shade(colour, 1.0f - 0.4f * d / half), 1.0f);
        }
    }
    paint_disc(c, 0.32f * c.w, 0.47f * c.h, 0.06f * c.w, 2.0f, colour, 1.0f);   // the neck
}

// ---- the gods' signs -----------------------------------------------------------------------
// Each sign is drawn in the box x 0.55..0.95, y 0.12..0.52 of the portrait.
const Stroke SIGN_WHEAT[] = {{0.5f, 0.05f, 0.5f, 1.0f, 0.06f}, {0.5f, 0.2f, 0.3f, 0.05f, 0.08f},
                             {0.5f, 0.2f, 0.7f, 0.05f, 0.08f}, {0.5f, 0.4f, 0.3f, 0.25f, 0.08f},
                             {0.5f, 0.4f, 0.7f, 0.25f, 0.08f}, {0.5f, 0.6f, 0.3f, 0.45f, 0.08f},
                             {0.5f, 0.6f, 0.7f, 0.45f, 0.08f}};
const Stroke SIGN_SPEAR_SHIELD[] = {{0.8f, 0.0f, 0.8f, 1.0f, 0.06f}, {0.72f, 0.1f, 0.8f, 0.0f, 0.06f},
                                    {0.88f, 0.1f, 0.8f, 0.0f, 0.06f}, {0.15f, 0.35f, 0.6f, 0.35f, 0.3f},
                                    {0.2f, 0.7f, 0.55f, 0.7f, 0.3f}};
const Stroke SIGN_BOW[] = {{0.3f, 0.0f, 0.6f, 0.25f, 0.07f}, {0.6f, 0.25f, 0.65f, 0.5f, 0.07f},
                           {0.65f, 0.5f, 0.6f, 0.75f, 0.07f}, {0.6f, 0.75f, 0.3f, 1.0f, 0.07f},
                           {0.3f, 0.0f, 0.3f, 1.0f, 0.02f}, {0.05f, 0.5f, 0.95f, 0.5f, 0.03f},
                           {0.95f, 0.5f, 0.82f, 0.42f, 0.05f}, {0.95f, 0.5f, 0.82f, 0.58f, 0.05f}};
const Stroke SIGN_BOLT[] = {{0.7f, 0.0f, 0.35f, 0.45f, 0.1f}, {0.35f, 0.45f, 0.65f, 0.5f, 0.1f},
                            {0.65f, 0.5f, 0.3f, 1.0f, 0.1f}};
const Stroke SIGN_SUN[] = {{0.5f, 0.0f, 0.5f, 1.0f, 0.05f},  {0.0f, 0.5f, 1.0f, 0.5f, 0.05f},
                           {0.15f, 0.15f, 0.85f, 0.85f, 0.05f}, {0.85f, 0.15f, 0.15f, 0.85f, 0.05f},
                           {0.35f, 0.5f, 0.65f, 0.5f, 0.35f}};
const Stroke SIGN_TRIDENT[] = {{0.5f, 0.15f, 0.5f, 1.0f, 0.07f}, {0.2f, 0.35f, 0.8f, 0.35f, 0.07f},
                               {0.2f, 0.0f, 0.2f, 0.35f, 0.07f}, {0.8f, 0.0f, 0.8f, 0.35f, 0.07f},
                               {0.5f, 0.0f, 0.5f, 0.2f, 0.07f}};
const Stroke SIGN_WINGS[] = {{0.5f, 0.5f, 0.0f, 0.1f, 0.08f}, {0.5f, 0.5f, 0.05f, 0.35f, 0.08f},
                             {0.5f, 0.5f, 0.1f, 0.6f, 0.08f}, {0.5f, 0.5f, 1.0f, 0.1f, 0.08f},
                             {0.5f, 0.5f, 0.95f, 0.35f, 0.08f}, {0.5f, 0.5f, 0.9f, 0.6f, 0.08f},
                             {0.5f, 0.4f, 0.5f, 1.0f, 0.1f}};
const Stroke SIGN_CROWN[] = {{0.1f, 0.8f, 0.9f, 0.8f, 0.12f}, {0.1f, 0.8f, 0.1f, 0.3f, 0.07f},
                             {0.9f, 0.8f, 0.9f, 0.3f, 0.07f}, {0.1f, 0.3f, 0.3f, 0.6f, 0.07f},
                             {0.3f, 0.6f, 0.5f, 0.2f, 0.07f}, {0.5f, 0.2f, 0.7f, 0.6f, 0.07f},
                             {0.7f, 0.6f, 0.9f, 0.3f, 0.07f}};
const Stroke SIGN_HEART[] = {{0.5f, 0.95f, 0.1f, 0.45f, 0.14f}, {0.5f, 0.95f, 0.9f, 0.45f, 0.14f},
                             {0.1f, 0.45f, 0.3f, 0.15f, 0.14f}, {0.9f, 0.45f, 0.7f, 0.15f, 0.14f},
                             {0.3f, 0.15f, 0.5f, 0.35f, 0.12f}, {0.7f, 0.15f, 0.5f, 0.35f, 0.12f},
                             {0.5f, 0.4f, 0.5f, 0.8f, 0.3f}};
const Stroke SIGN_HELM[] = {{0.2f, 0.2f, 0.8f, 0.2f, 0.15f}, {0.2f, 0.2f, 0.2f, 0.9f, 0.12f},
                            {0.8f, 0.2f, 0.8f, 0.9f, 0.12f}, {0.5f, 0.3f, 0.5f, 0.8f, 0.1f},
                            {0.5f, 0.0f, 0.5f, 0.15f, 0.12f}};
const Stroke SIGN_MASKS[] = {{0.25f, 0.15f, 0.25f, 0.75f, 0.3f}, {0.75f, 0.25f, 0.75f, 0.85f, 0.3f},
                             {0.1f, 0.05f, 0.15f, 0.25f, 0.05f}, {0.4f, 0.05f, 0.35f, 0.25f, 0.05f},
                             {0.6f, 0.15f, 0.65f, 0.35f, 0.05f}, {0.9f, 0.15f, 0.85f, 0.35f, 0.05f}};
const Stroke SIGN_SPINDLE[] = {{0.5f, 0.0f, 0.5f, 1.0f, 0.05f}, {0.3f, 0.45f, 0.7f, 0.45f, 0.25f},
                               {0.35f, 0.6f, 0.65f, 0.6f, 0.2f}, {0.5f, 0.52f, 0.95f, 0.95f, 0.02f}};

struct GodPortrait {
    const char *entry;
    PaintColour colour;
    const Stroke *sign;
    int sign_strokes;
};

const GodPortrait god_portraits[] = {
    {"divine/demeter.jpg", {0.55f, 0.85f, 0.25f, 1}, SIGN_WHEAT, static_cast<int>(std::size(SIGN_WHEAT))},
    {"divine/atenea.jpg", {0.7f, 0.75f, 0.95f, 1}, SIGN_SPEAR_SHIELD, static_cast<int>(std::size(SIGN_SPEAR_SHIELD))},
    {"divine/artemisa.jpg", {0.85f, 0.9f, 1.0f, 1}, SIGN_BOW, static_cast<int>(std::size(SIGN_BOW))},
    {"divine/zeus.jpg", {1.0f, 0.9f, 0.35f, 1}, SIGN_BOLT, static_cast<int>(std::size(SIGN_BOLT))},
    {"divine/apolo.jpg", {1.0f, 0.75f, 0.2f, 1}, SIGN_SUN, static_cast<int>(std::size(SIGN_SUN))},
    {"divine/poseidon.jpg", {0.25f, 0.6f, 1.0f, 1}, SIGN_TRIDENT, static_cast<int>(std::size(SIGN_TRIDENT))},
    {"divine/erinias.jpg", {1.0f, 0.25f, 0.2f, 1}, SIGN_WINGS, static_cast<int>(std::size(SIGN_WINGS))},
    {"divine/hera.jpg", {0.75f, 0.45f, 1.0f, 1}, SIGN_CROWN, static_cast<int>(std::size(SIGN_CROWN))},
    {"divine/afrodita.jpg", {1.0f, 0.5f, 0.75f, 1}, SIGN_HEART, static_cast<int>(std::size(SIGN_HEART))},
    {"divine/hades.jpg", {0.55f, 0.4f, 0.85f, 1}, SIGN_HELM, static_cast<int>(std::size(SIGN_HELM))},
    {"divine/fobos_deimos.jpg", {0.9f, 0.15f, 0.1f, 1}, SIGN_MASKS, static_cast<int>(std::size(SIGN_MASKS))},
    {"divine/moiras.jpg", {0.95f, 0.95f, 0.85f, 1}, SIGN_SPINDLE, static_cast<int>(std::size(SIGN_SPINDLE))},
};

PaintCanvas portrait_paint(const GodPortrait &god)
{
    PaintCanvas c = black_canvas();
    paint_disc(c, 0.5f * c.w, 0.42f * c.h, 0.45f * c.w, 0.3f * c.w, paint_shade(god.colour, 0.25f), 1.0f);
    bust_draw(c, paint_shade(god.colour, 0.8f));
    strokes_draw(c, god.sign, god.sign_strokes, god.colour, 0.55f, 0.12f, 0.4f);
    return c;
}

// ---- the effects' pictures -----------------------------------------------------------------
// A warrior with a round shield and a spear at `spear` (0 upright, 1 thrust level), on black.
PaintCanvas soldier_paint(f32 spear, f32 glow)
{
    const PaintColour bronze = paint_shade(paint_rgb(210, 150, 60), glow);
    const Stroke body[] = {{0.5f, 0.2f, 0.5f, 0.6f, 0.14f},  {0.5f, 0.6f, 0.4f, 0.95f, 0.08f},
                           {0.5f, 0.6f, 0.62f, 0.95f, 0.08f}, {0.42f, 0.06f, 0.58f, 0.06f, 0.06f},
                           {0.5f, 0.0f, 0.5f, 0.08f, 0.04f}};
    PaintCanvas c = black_canvas();
    strokes_draw(c, body, static_cast<int>(std::size(body)), bronze);
    paint_disc(c, 0.5f * c.w, 0.14f * c.h, 0.07f * c.w, 1.5f, bronze, 1.0f);
    const f32 a = spear * PAINT_PI * 0.5f;
    const Stroke shaft = {0.62f - 0.3f * std::sin(a), 0.75f - 0.05f * std::cos(a), 0.62f + 0.35f * std::sin(a),
                          0.05f + 0.35f * (1 - std::cos(a)) - 0.05f * spear, 0.035f};
    stroke_draw(c, shaft, paint_shade(paint_rgb(230, 220, 200), glow));
    paint_disc(c, 0.36f * c.w, 0.42f * c.h, 0.16f * c.w, 1.5f, paint_shade(paint_rgb(170, 40, 30), glow), 1.0f);
    paint_disc(c, 0.36f * c.w, 0.42f * c.h, 0.05f * c.w, 1.5f, bronze, 1.0f);
    return c;
}

PaintCanvas arrow_paint()
{
    const Stroke arrow[] = {{0.15f, 0.15f, 0.85f, 0.85f, 0.04f}, {0.85f, 0.85f, 0.65f, 0.8f, 0.07f},
                            {0.85f, 0.85f, 0.8f, 0.65f, 0.07f},  {0.15f, 0.15f, 0.12f, 0.3f, 0.05f},
                            {0.15f, 0.15f, 0.3f, 0.12f, 0.05f},  {0.22f, 0.22f, 0.19f, 0.37f, 0.05f},
                            {0.22f, 0.22f, 0.37f, 0.19f, 0.05f}};
    PaintCanvas c = black_canvas();
    strokes_draw(c, arrow, static_cast<int>(std::size(arrow)), paint_rgb(230, 240, 255));
    return c;
}

// A winged woman; `fury` picks her colour, `raised` lifts her arms to strike.
PaintCanvas fury_paint(PaintColour colour, f32 raised, f32 glow)
{
    const f32 arm = 0.45f - 0.35f * raised;
    const Stroke figure[] = {{0.5f, 0.25f, 0.5f, 0.7f, 0.1f},   {0.5f, 0.7f, 0.35f, 1.0f, 0.12f},
                             {0.5f, 0.7f, 0.65f, 1.0f, 0.12f},  {0.5f, 0.32f, 0.25f, arm, 0.05f},
                             {0.5f, 0.32f, 0.75f, arm, 0.05f}};
    const Stroke wings[] = {{0.5f, 0.3f, 0.02f, 0.05f, 0.06f}, {0.5f, 0.35f, 0.05f, 0.3f, 0.06f},
                            {0.5f, 0.4f, 0.1f, 0.55f, 0.06f},  {0.5f, 0.3f, 0.98f, 0.05f, 0.06f},
                            {0.5f, 0.35f, 0.95f, 0.3f, 0.06f}, {0.5f, 0.4f, 0.9f, 0.55f, 0.06f}};
    PaintCanvas c = black_canvas();
    strokes_draw(c, wings, static_cast<int>(std::size(wings)), paint_shade(colour, 0.6f * glow));
    strokes_draw(c, figure, static_cast<int>(std::size(figure)), paint_shade(colour, glow));
    paint_disc(c, 0.5f * c.w, 0.18f * c.h, 0.08f * c.w, 1.5f, paint_shade(colour, glow), 1.0f);
    return c;
}

// A shaft of light brightest at its middle, across the picture's width.
PaintCanvas beam_paint()
{
    PaintCanvas c = black_canvas();
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            const f32 d = std::fabs(paint_coord(x, c.w) - 0.5f) * 2.0f;
            const f32 f = paint_clamp(1.0f - d) * (0.85f + 0.15f * paint_noise(0.1f, paint_coord(y, c.h), 8, 3));
            paint_pixel(c, x, y) = {f, f * f * 0.9f + 0.1f * f, f * f * f * 0.6f, 1};
        }
    return c;
}

PaintCanvas ring_paint(PaintColour colour)
{
    PaintCanvas c = black_canvas();
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            const f32 dx = paint_coord(x, c.w) - 0.5f, dy = paint_coord(y, c.h) - 0.5f;
            const f32 r = std::sqrt(dx * dx + dy * dy);
            const f32 f = paint_clamp(1.0f - std::fabs(r - 0.38f) * 12.0f) + 0.3f * paint_clamp(1.0f - r * 2.6f);
            paint_pixel(c, x, y) = {colour.r * f, colour.g * f, colour.b * f, 1};
        }
    return c;
}

// Twisting streaks round the middle: the hurricane's wall.
PaintCanvas swirl_paint(PaintColour colour, int seed)
{
    PaintCanvas c = black_canvas();
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            const f32 u = paint_coord(x, c.w), v = paint_coord(y, c.h);
            const f32 n = paint_fractal(u + 0.3f * v, v * 0.25f, 8, 3, seed);
            const f32 f = 0.25f + 0.75f * paint_smooth(0.35f, 0.75f, n);
            paint_pixel(c, x, y) = {colour.r * f, colour.g * f, colour.b * f, 1};
        }
    return c;
}

// A soft round puff whose alpha follows its density.
PaintCanvas smoke_paint()
{
    PaintCanvas c = black_canvas();
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            const f32 dx = paint_coord(x, c.w) - 0.5f, dy = paint_coord(y, c.h) - 0.5f;
            const f32 n = paint_fractal(paint_coord(x, c.w), paint_coord(y, c.h), 4, 3, 11);
            const f32 f = paint_clamp(1.0f - std::sqrt(dx * dx + dy * dy) * 2.2f) * (0.6f + 0.4f * n);
            paint_pixel(c, x, y) = {0.75f * f, 0.7f * f, 0.8f * f, f};
        }
    return c;
}

// Golden strands along the picture, for the Moirai's thread.
PaintCanvas thread_paint()
{
    PaintCanvas c = black_canvas();
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            const f32 v = paint_coord(y, c.h), u = paint_coord(x, c.w);
            const f32 f = 0.55f + 0.45f * std::sin((v * 6.0f + u * 2.0f) * 2.0f * PAINT_PI);
            paint_pixel(c, x, y) = {f, 0.8f * f, 0.3f * f, 1};
        }
    return c;
}

PaintCanvas effect_paint(const char *name)
{
    static const char *const soldiers[] = {"soldado1", "soldado2", "soldado3", "soldado4", "soldado5"};
    for (int i = 0; i < 5; i++)
        if (strcmp(name, soldiers[i]) == 0)
            return soldier_paint(i / 4.0f, i == 3 ? 1.2f : 1.0f);
    struct Fury {
        const char *name;
        PaintColour colour;
        f32 raised, glow;
    };
    static const Fury furies[] = {
        {"tisifone1", {0.9f, 0.3f, 0.25f, 1}, 0.0f, 0.8f}, {"tisifone2", {1.0f, 0.35f, 0.3f, 1}, 1.0f, 1.2f},
        {"tisifone3", {0.9f, 0.3f, 0.25f, 1}, 0.3f, 0.6f}, {"alecto", {0.35f, 0.9f, 0.35f, 1}, 0.8f, 1.0f},
        {"megera1", {0.6f, 0.35f, 1.0f, 1}, 0.0f, 0.8f},   {"megera2", {0.65f, 0.4f, 1.0f, 1}, 1.0f, 1.2f},
        {"megera3", {0.6f, 0.35f, 1.0f, 1}, 0.3f, 0.6f},
    };
    for (const Fury &f : furies)
        if (strcmp(name, f.name) == 0)
            return fury_paint(f.colour, f.raised, f.glow);
    if (strcmp(name, "flecha1") == 0)
        return arrow_paint();
    if (strcmp(name, "solarbeam") == 0)
        return beam_paint();
    if (strcmp(name, "beamhit") == 0)
        return ring_paint(paint_rgb(255, 210, 90));
    if (strcmp(name, "shockwave") == 0)
        return ring_paint(paint_rgb(200, 160, 100));
    if (strcmp(name, "gaia") == 0)
        return paint_cracks(paint_rgb(120, 95, 60), paint_rgb(90, 160, 60), 0.02f, 5);
    if (strcmp(name, "electro1") == 0 || strcmp(name, "electro2") == 0)
        return paint_cracks(paint_rgb(40, 60, 160), paint_rgb(200, 230, 255), 0.04f, name[7]);
    if (strcmp(name, "electric_joint") == 0)
        return paint_glow(paint_rgb(170, 210, 255));
    if (strcmp(name, "nubes") == 0 || strcmp(name, "nubes2") == 0)
        return paint_mist(paint_rgb(150, 150, 175), name[5]);
    if (strcmp(name, "wave1") == 0)
        return paint_water(paint_rgb(20, 70, 140), paint_rgb(120, 190, 240), 3);
    if (strcmp(name, "wave2") == 0)
        return paint_mist(paint_rgb(200, 230, 255), 7);
    if (strcmp(name, "wave3") == 0)
        return paint_glow(paint_rgb(190, 225, 255));
    if (strcmp(name, "huracan") == 0 || strcmp(name, "huracan2") == 0)
        return swirl_paint(name[7] ? paint_rgb(150, 120, 200) : paint_rgb(110, 110, 140), name[7] ? 4 : 2);
    if (strcmp(name, "humo") == 0)
        return smoke_paint();
    if (strcmp(name, "cinturon") == 0)
        return paint_meander(paint_rgb(200, 90, 140), paint_rgb(255, 210, 120), 6);
    if (strcmp(name, "fantasmas") == 0)
        return paint_faces(paint_rgb(20, 20, 40), paint_rgb(170, 190, 230), paint_rgb(10, 10, 20), true, 9);
    if (strcmp(name, "fobos") == 0)
        return paint_faces(paint_rgb(40, 5, 5), paint_rgb(220, 60, 40), paint_rgb(20, 0, 0), false, 13);
    if (strcmp(name, "hilo") == 0)
        return thread_paint();
    if (strcmp(name, "hilo_destello") == 0)
        return paint_glow(paint_rgb(255, 240, 190));
    return PaintCanvas{};
}

// "divine/soldado1.jpg" gives "soldado1".
std::string entry_stem(const char *entry)
{
    std::string name = entry;
    const size_t slash = name.rfind('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    const size_t dot = name.rfind('.');
    return dot == std::string::npos ? name : name.substr(0, dot);
}

}  // namespace

bool summon_picture_paint(const char *entry, std::vector<u8> *rgba, int *size, bool *portrait)
{
    *portrait = false;
    PaintCanvas c;
    for (const GodPortrait &god : god_portraits)
        if (strcmp(god.entry, entry) == 0) {
            c = portrait_paint(god);
            *portrait = true;
        }
    if (!*portrait)
        c = effect_paint(entry_stem(entry).c_str());
    if (c.w == 0)
        return false;
    *rgba = paint_bytes(c);
    *size = c.w;
    return true;
}
