// The summoned gods' pictures: each god's portrait (the god in the story's red-figure style, on
// black, since it is added over the darkened scene) and the pictures of the effects: soldiers
// with their spears, arrows, the Furies with their wings, sun beams and rings, rock, lightning,
// clouds, water and spray, the hurricane and its smoke, the girdle, the ghosts, the masks of
// fear and the golden thread.
#include "tools/databuild/figures/character_figures.h"

#include "tools/databuild/databuild.h"
#include "tools/databuild/pictures/vase_painting.h"

#include <algorithm>
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

// ---- the gods, as the story paints them ------------------------------------------------
// Each god's figure seen from the waist up, large in the picture: headgear, build and the
// attribute in each hand tell the gods apart. The story's red-figure style, on black, since
// the picture is added over the darkened fight: the clay figure lights up, the glaze details
// show the fight through.
constexpr f32 GOD_HEIGHT = 2.7f;      // a figure this tall, feet below the picture, shows from the hips
constexpr f32 GOD_FOOT = -2.05f;

struct GodLook {
    const char *entry;
    VaseHeadgear head;
    bool robe;
    VaseItem front, back;
    f32 front_raise, back_raise;
    u8 extra;   // GodExtra
};

enum GodExtra : u8 {
    GOD_PLAIN,
    GOD_WHEAT,      // ears of wheat round the head
    GOD_SUN,        // the sun behind the head
    GOD_WAVES,      // the sea below
    GOD_WINGS,      // great wings behind the shoulders
    GOD_TWO,        // a twin figure beside the first (Phobos and Deimos)
    GOD_THREE,      // three sisters (the Moirae)
    GOD_STARS,      // a ring of sparks, for love
    GOD_DARK,       // smoke at the feet, for the underworld
    GOD_PEACOCK     // a peacock's tail spread behind her
};

const GodLook god_looks[] = {
    // entry                    head              robe   front        back               raise  extra
    {"divine/demeter.jpg",      HEADGEAR_HAIR,    true,  ITEM_STAFF,  ITEM_NONE,         0.2f, -0.6f, GOD_WHEAT},
    {"divine/atenea.jpg",       HEADGEAR_HELMET,  true,  ITEM_SPEAR,  ITEM_SHIELD,       0.5f, 0.0f,  GOD_PLAIN},
    {"divine/artemisa.jpg",     HEADGEAR_HAIR,    false, ITEM_BOW,    ITEM_NONE,         0.5f, 0.3f,  GOD_PLAIN},
    {"divine/zeus.jpg",         HEADGEAR_BEARD,   true,  ITEM_STAFF,  ITEM_BOLT,         0.1f, 0.9f,  GOD_PLAIN},
    {"divine/apolo.jpg",        HEADGEAR_HAIR,    true,  ITEM_LYRE,   ITEM_NONE,         0.2f, -0.6f, GOD_SUN},
    {"divine/poseidon.jpg",     HEADGEAR_BEARD,   false, ITEM_BIDENT, ITEM_NONE,         0.7f, -0.3f, GOD_WAVES},
    {"divine/erinias.jpg",      HEADGEAR_SNAKES,  true,  ITEM_NONE,   ITEM_NONE,         0.6f, 0.6f,  GOD_WINGS},
    {"divine/hera.jpg",         HEADGEAR_CROWN,   true,  ITEM_STAFF,  ITEM_NONE,         0.2f, -0.6f, GOD_PEACOCK},
    {"divine/afrodita.jpg",     HEADGEAR_HAIR,    true,  ITEM_MIRROR_SHIELD, ITEM_NONE,  0.4f, -0.6f, GOD_STARS},
    {"divine/hades.jpg",        HEADGEAR_BEARD,   true,  ITEM_BIDENT, ITEM_NONE,         0.3f, -0.6f, GOD_DARK},
    {"divine/fobos_deimos.jpg", HEADGEAR_HELMET,  false, ITEM_SWORD,  ITEM_NONE,         0.6f, -0.4f, GOD_TWO},
    {"divine/moiras.jpg",       HEADGEAR_HOOD,    true,  ITEM_THREAD, ITEM_SHEARS,       0.3f, 0.3f,  GOD_THREE},
};

VaseFigure god_figure(const GodLook &look, f32 x, f32 height, f32 facing)
{
    return VaseFigure{x, GOD_FOOT, height, facing, look.head, look.robe, false, look.front, look.back,
                      look.front_raise, look.back_raise};
}

// What stands behind or beside the god.
void god_extra_behind(VaseScene &s, const GodLook &look)
{
    const f32 head_y = GOD_FOOT + GOD_HEIGHT * 0.86f;
    switch (look.extra) {
    case GOD_WHEAT:
        for (int k = 0; k < 7; k++) {
            f32 a = 0.5f + k * 0.35f;
            vase_ellipse(s, std::cos(a) * 0.42f, head_y + std::sin(a) * 0.3f, 0.05f, 0.11f, a - 1.57f, VASE_GOLD);
        }
        break;
    case GOD_SUN: vase_sun(s, -0.05f, head_y + 0.05f, 0.28f); break;
    case GOD_WINGS:
        for (int side = -1; side <= 1; side += 2)
            for (int k = 0; k < 4; k++)
                vase_ellipse(s, side * (0.35f + 0.13f * k), head_y - 0.2f + 0.12f * k, 0.1f, 0.42f - 0.06f * k,
                             side * (0.5f + 0.2f * k), VASE_DARK_CLAY);
        break;
    case GOD_STARS: vase_sparks(s, 0.0f, head_y - 0.2f, 0.75f, 40, 12); break;
    case GOD_PEACOCK:
        for (int k = 0; k < 9; k++) {
            f32 a = 0.25f + k * 0.33f, x = std::cos(a) * 0.72f, y = head_y - 0.45f + std::sin(a) * 0.62f;
            vase_capsule(s, 0.0f, head_y - 0.5f, x, y, 0.02f, VASE_DARK_CLAY);
            vase_ellipse(s, x, y, 0.11f, 0.08f, a, VASE_GOLD);
            vase_ellipse(s, x, y, 0.045f, 0.035f, a, VASE_GLAZE);
        }
        break;
    default: break;
    }
}

void god_extra_front(VaseScene &s, const GodLook &look)
{
    switch (look.extra) {
    case GOD_WAVES:
        for (int k = 0; k < 6; k++)
            vase_ring(s, -1.0f + 0.4f * k, -0.5f, 0.2f, 0.05f, VASE_DARK_CLAY);
        break;
    case GOD_DARK: {
        // The smoke of the underworld, dark, so the name stays readable over it.
        size_t first = s.size();
        vase_clouds(s, -0.5f, 5, 27);
        for (size_t k = first; k < s.size(); k++)
            s[k].ink = VASE_DARK_CLAY;
        break;
    }
    default: break;
    }
}

VaseScene god_scene(const GodLook &look)
{
    VaseScene s;
    god_extra_behind(s, look);
    if (look.extra == GOD_TWO) {
        VaseFigure fear = god_figure(look, -0.35f, GOD_HEIGHT * 0.9f, 1);
        VaseFigure dread = god_figure(look, 0.42f, GOD_HEIGHT * 0.9f, -1);
        dread.head = HEADGEAR_BEARD;
        vase_figure(s, fear);
        vase_figure(s, dread);
    } else if (look.extra == GOD_THREE) {
        static const VaseItem fronts[] = {ITEM_THREAD, ITEM_STAFF, ITEM_SHEARS};
        for (int k = 0; k < 3; k++) {
            VaseFigure sister = god_figure(look, -0.55f + 0.55f * k, GOD_HEIGHT * (k == 1 ? 0.85f : 0.8f), k < 2 ? 1 : -1);
            sister.front_item = fronts[k];
            sister.back_item = ITEM_NONE;
            vase_figure(s, sister);
        }
    } else {
        vase_figure(s, god_figure(look, -0.05f, GOD_HEIGHT, 1));
    }
    god_extra_front(s, look);
    return s;
}

// The painted scene with its glaze ground and bands turned black: nothing but the figure adds
// to the fight.
PaintCanvas god_paint(const GodLook &look)
{
    PaintCanvas c = vase_paint(god_scene(look), PAINT_SIZE, PAINT_SIZE);
    const PaintCanvas ground = vase_paint(VaseScene(), 1, 1);
    const PaintColour glaze = ground.px[0];
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            PaintColour &p = c.px[static_cast<size_t>(y) * c.w + x];
            f32 band = std::fabs(1.0f - (y + 0.5f) / c.h * 2.0f) > 0.86f ? 0.0f : 1.0f;
            f32 lift = paint_clamp((std::max({p.r - glaze.r, p.g - glaze.g, p.b - glaze.b}) - 0.02f) * 4.0f);
            p = paint_shade(p, band * lift);
            p.a = 1.0f;
        }
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

bool summon_picture_paint(const char *entry, std::vector<u8> *rgba, int *size)
{
    PaintCanvas c;
    bool god = false;
    for (const GodLook &look : god_looks)
        if (strcmp(look.entry, entry) == 0) {
            c = god_paint(look);
            god = true;
        }
    if (!god)
        c = effect_paint(entry_stem(entry).c_str());
    if (c.w == 0)
        return false;
    *rgba = paint_bytes(c);
    *size = c.w;
    return true;
}
