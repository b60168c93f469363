// The fighters' likenesses: the select's portraits (which the loading panel and the shop show
// too) and the ring icons, drawn from the figures the characters step wrote, posed, lit and
// framed by their own head and chest points; the locked and hidden cards made from them.
#include "tools/databuild/pictures/select_portraits.h"

#include "characters/characters.h"
#include "tools/databuild/figures/figure_render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <ft2build.h>
#include FT_FREETYPE_H

constexpr int PORTRAIT_JPEG_QUALITY = 90;
constexpr int ZONE_HEAD = 0;    // the hit zones the loaders name: the head's point
constexpr int ZONE_CHEST = 1;   // and the chest's
constexpr f32 PORTRAIT_FOV = 18.0f;            // degrees: a long lens, so the face is not bulged
constexpr f32 DEGREES = PAINT_PI / 180.0f;
constexpr f32 ALTERNATE_GROUND_DISTANCE = 0.35f;  // summed over r, g, b (0..1 each)
constexpr f32 ALTERNATE_GROUND_TURN = 0.4f;       // of the hue circle
constexpr int OUTFIT_PROBE_SIDE = 32;
constexpr f32 FIGURE_GRADE = 0.3f;    // how far the figure's colours are drawn toward the ground's
constexpr f32 FIGURE_RIM = 0.35f;     // the back light's strength along the outline        // the whole figure drawn this small to read its colours
static const char *const LETTER_FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

// How each fighter is framed: the camera's turn round the figure from its front (degrees,
// positive toward the figure's left hand), how far below the chest point the portrait and the
// icon reach (in head-to-chest lengths), and how high the camera looks from. A fighter framed
// by its bounds (the Hydra, whose heads are many) shows the top `portrait_below` and
// `icon_below` of its height instead.
struct PortraitFraming {
    f32 turn;
    f32 portrait_below;
    f32 icon_below;
    f32 rise;            // eye height above the frame's middle, in frame heights
    u8 by_bounds;
};
static const PortraitFraming portrait_framing[] = {
    // turn portrait icon rise bounds
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Jason
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Odysseus
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Atalanta
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Perseus
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Hippolyte
    {20.0f, 1.0f, 0.15f, 0.10f, 0},    // Polyphemus
    {25.0f, 1.0f, 0.15f, 0.10f, 0},    // Minotaur
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Medusa
    {40.0f, 1.2f, 0.30f, 0.15f, 0},    // Sphinx
    {30.0f, 0.75f, 0.75f, 0.15f, 1},   // Hydra
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Ares
    {25.0f, 1.1f, 0.15f, 0.10f, 0},    // Atropos
};
static_assert(std::size(portrait_framing) == CHARACTER_COUNT, "one framing per character");

// The finished pictures, RGBA rows from the top, made once by select_likenesses_make.
struct Likenesses {
    bool made;
    std::vector<u8> portrait[CHARACTER_COUNT][2];   // PORTRAIT_SIDE square, opaque
    std::vector<u8> icon[CHARACTER_COUNT];          // ICON_WIDTH x ICON_HEIGHT, black and clear around
    std::vector<u8> silhouette;                     // the locked card's figure, alpha only
    std::vector<u8> icon_shape[CHARACTER_COUNT];    // ICON_WIDTH x ICON_HEIGHT, the icon's figure's cover
};
static Likenesses likenesses;

// ---- framing --------------------------------------------------------------------------

static void point_of_zone(const FigureModel *figure, int id, int zone, f32 out[3])
{
    int vertex = character_modules[id]->hit_zones[zone].vertex;
    const Model *model = figure->model;
    for (int k = 0; k < 3; k++)
        out[k] = vertex >= 0 && static_cast<u32>(vertex) < model->vertex_count ? model->pos[vertex][k] : 0.0f;
}

// The highest point of the figure within `radius` of the head's upright axis: the top of the
// hair, helmet or horns, but not a weapon held high beside it.
static f32 head_top(const FigureModel *figure, const f32 head[3], f32 radius)
{
    f32 top = head[2];
    const Model *model = figure->model;
    for (u32 v = 0; v < model->vertex_count; v++) {
        const f32 *p = model->pos[v];
        if (std::hypot(p[0] - head[0], p[1] - head[1]) < radius)
            top = std::max(top, p[2]);
    }
    return top;
}

// The frame's top, bottom and upright axis: from the head's top to `below` head-to-chest
// lengths under the chest point, or by the bounds for a fighter framed by them.
static void likeness_frame(const FigureModel *figure, int id, f32 below, f32 *top, f32 *bottom, f32 axis[2])
{
    if (portrait_framing[id].by_bounds) {
        f32 lo[3], hi[3];
        figure_render_bounds(figure, lo, hi);
        *top = hi[2] + 0.03f * (hi[2] - lo[2]);
        *bottom = hi[2] - below * (hi[2] - lo[2]);
        // As wide as the figure looks from the camera's side, so no neck is cut off there.
        f32 turn = portrait_framing[id].turn * DEGREES, across = 0.0f;
        for (int corner = 0; corner < 4; corner++) {
            f32 x = corner % 2 ? hi[0] : lo[0], y = corner / 2 ? hi[1] : lo[1];
            f32 cx = 0.5f * (lo[0] + hi[0]), cy = 0.5f * (lo[1] + hi[1]);
            across = std::max(across, 2.0f * std::fabs((x - cx) * std::cos(turn) - (y - cy) * std::sin(turn)));
        }
        *bottom = std::min(*bottom, *top - 1.08f * across);
        axis[0] = 0.5f * (lo[0] + hi[0]);
        axis[1] = 0.5f * (lo[1] + hi[1]);
        return;
    }
    f32 head[3], chest[3];
    point_of_zone(figure, id, ZONE_HEAD, head);
    point_of_zone(figure, id, ZONE_CHEST, chest);
    f32 span = std::max(0.5f, std::hypot(head[2] - chest[2], head[1] - chest[1]));
    *top = head_top(figure, head, 1.4f * span) + 0.25f * span;
    *bottom = chest[2] - below * span;
    // Centred between head and chest across, so a leaning body stays in the frame.
    axis[0] = 0.5f * (head[0] + chest[0]);
    axis[1] = 0.5f * (head[1] + chest[1]);
}

// A shot of the frame seen from the framing's turn and rise, key light from the viewer's
// upper left.
static FigureShot likeness_shot(const FigureModel *figure, int id, f32 below, int width, int height)
{
    const PortraitFraming &framing = portrait_framing[id];
    f32 top, bottom, axis[2];
    likeness_frame(figure, id, below, &top, &bottom, axis);
    f32 frame_h = top - bottom;
    f32 aspect = static_cast<f32>(width) / height;
    f32 distance = 0.5f * frame_h / std::tan(0.5f * PORTRAIT_FOV * DEGREES);
    f32 turn = framing.turn * DEGREES;
    FigureShot shot = {};
    shot.width = width;
    shot.height = height;
    shot.centre[0] = axis[0];
    shot.centre[1] = axis[1];
    shot.centre[2] = 0.5f * (top + bottom);
    shot.eye[0] = shot.centre[0] - std::sin(turn) * distance;
    shot.eye[1] = shot.centre[1] - std::cos(turn) * distance;
    shot.eye[2] = shot.centre[2] + framing.rise * frame_h;
    shot.fov_y = PORTRAIT_FOV * std::max(1.0f, 1.0f / aspect);
    const f32 light[3] = {-std::sin(turn + 0.8f), -std::cos(turn + 0.8f), 0.9f};
    memcpy(shot.light, light, sizeof light);
    shot.ambient = 0.32f;
    shot.diffuse = 0.42f;
    return shot;
}

// The key of the fighter's profile pose: the first of its block's keys, or the rest pose.
static int likeness_key(int id)
{
    const CharacterSequence &sequence = character_modules[id]->sequence;
    for (int i = 0; i < sequence.block_count; i++)
        if (sequence.blocks[i].action == ACTION_IDLE)
            return sequence.blocks[i].lo;
    return 0;
}

// ---- backgrounds and compositing --------------------------------------------------------

// The whole figure drawn small, from the front, to read its colours.
static std::vector<u8> outfit_probe(const FigureModel *figure)
{
    f32 lo[3], hi[3];
    figure_render_bounds(figure, lo, hi);
    FigureShot shot = {};
    shot.width = shot.height = OUTFIT_PROBE_SIDE;
    f32 height = hi[2] - lo[2];
    const f32 centre[3] = {0.5f * (lo[0] + hi[0]), 0.5f * (lo[1] + hi[1]), 0.5f * (lo[2] + hi[2])};
    memcpy(shot.centre, centre, sizeof centre);
    const f32 eye[3] = {centre[0], centre[1] - 3.0f * height, centre[2]}, light[3] = {0, -1, 0.5f};
    memcpy(shot.eye, eye, sizeof eye);
    memcpy(shot.light, light, sizeof light);
    shot.fov_y = 25.0f;
    shot.ambient = 0.4f;
    shot.diffuse = 0.4f;
    std::vector<u8> rgba;
    figure_render_draw(figure, &shot, &rgba);
    return rgba;
}

static f32 probe_distance(const u8 *a, const u8 *b)
{
    return (std::abs(a[0] - b[0]) + std::abs(a[1] - b[1]) + std::abs(a[2] - b[2])) / 765.0f;
}

// The colour of a colour set's outfit: the mean of its probe, weighted toward the pixels
// where the other set's probe differs (the dyed cloth and armour) and by saturation, so bare
// skin and grey metal hardly count. Lightened toward mid grey when too dark to light a ground.
static PaintColour outfit_colour(const std::vector<u8> &mine, const std::vector<u8> &other)
{
    f32 sum[3] = {}, weight = 0.0f;
    for (size_t i = 0; i < mine.size(); i += 4) {
        f32 c[3] = {mine[i] / 255.0f, mine[i + 1] / 255.0f, mine[i + 2] / 255.0f};
        f32 saturation = std::max({c[0], c[1], c[2]}) - std::min({c[0], c[1], c[2]});
        f32 dyed = 1.0f + 20.0f * probe_distance(&mine[i], &other[i]);
        f32 w = mine[i + 3] / 255.0f * (saturation + 0.05f) * dyed;
        for (int k = 0; k < 3; k++)
            sum[k] += c[k] * w;
        weight += w;
    }
    if (weight <= 0.0f)
        return paint_rgb(110, 90, 70);
    PaintColour c = {sum[0] / weight, sum[1] / weight, sum[2] / weight, 1.0f};
    f32 level = std::max({c.r, c.g, c.b});
    return level < 0.35f ? paint_mix(c, paint_rgb(120, 110, 100), 0.5f) : c;
}

// A ground in the fighter's colour: a glow behind the head, darkening to the corners, with
// a thin gold frame.
static PaintCanvas portrait_ground(PaintColour colour, int size)
{
    PaintCanvas c = paint_canvas(size, size, colour);
    PaintColour light = paint_mix(colour, paint_rgb(255, 240, 210), 0.45f);
    PaintColour dark = paint_shade(colour, 0.22f);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            f32 u = paint_coord(x, size) - 0.5f, v = paint_coord(y, size) - 0.38f;
            f32 d = std::sqrt(u * u + v * v);
            f32 grain = 0.06f * (paint_fractal(paint_coord(x, size), paint_coord(y, size), 8, 3, 41) - 0.5f);
            PaintColour p = paint_mix(light, dark, paint_smooth(0.0f, 0.75f, d) + grain);
            paint_pixel(c, x, y) = paint_alpha(p, 1.0f);
        }
    PaintColour gold = paint_rgb(205, 165, 80);
    int rim = std::max(2, size / 48);
    paint_rect(c, 0, 0, size, rim, gold, 1.0f);
    paint_rect(c, 0, size - rim, size, size, gold, 1.0f);
    paint_rect(c, 0, 0, rim, size, gold, 1.0f);
    paint_rect(c, size - rim, 0, size, size, gold, 1.0f);
    return c;
}

// The render lit by its surroundings: its colours drawn a little toward the ground's, and a
// rim of the ground's light along the outline, as a back light would give. Width x height.
static std::vector<u8> figure_in_ground(const std::vector<u8> &rgba, int width, int height, PaintColour ground)
{
    f32 top = std::max({ground.r, ground.g, ground.b, 0.01f});
    const f32 tint[3] = {ground.r / top, ground.g / top, ground.b / top};
    std::vector<u8> out = rgba;
    const int reach = std::max(1, width / 64);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            u8 *p = &out[(static_cast<size_t>(y) * width + x) * 4];
            if (p[3] == 0)
                continue;
            // The rim: how much of the neighbourhood lies off the figure.
            f32 off = 0.0f;
            for (int dy = -reach; dy <= reach; dy++)
                for (int dx = -reach; dx <= reach; dx++) {
                    int sx = std::clamp(x + dx, 0, width - 1), sy = std::clamp(y + dy, 0, height - 1);
                    off = std::max(off, 1.0f - rgba[(static_cast<size_t>(sy) * width + sx) * 4 + 3] / 255.0f);
                }
            for (int k = 0; k < 3; k++) {
                f32 v = p[k] / 255.0f * (1.0f + FIGURE_GRADE * (tint[k] - 1.0f));
                v += FIGURE_RIM * off * (0.5f + 0.5f * tint[k]);
                p[k] = static_cast<u8>(paint_clamp(v) * 255.0f + 0.5f);
            }
        }
    return out;
}

// Lays the figure's render over the canvas, its alpha as coverage.
static void composite(PaintCanvas &c, const std::vector<u8> &rgba)
{
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            const u8 *p = &rgba[(static_cast<size_t>(y) * c.w + x) * 4];
            PaintColour figure = {p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, 1.0f};
            paint_blend(c, x, y, figure, p[3] / 255.0f);
        }
}

// ---- lettering --------------------------------------------------------------------------

// Letters `word` in the middle of the canvas at `pixels` high, in `colour` with a dark edge.
static void letter_word(PaintCanvas &c, const char *word, int pixels, f32 centre_y, PaintColour colour)
{
    FT_Library library;
    FT_Face face;
    if (FT_Init_FreeType(&library) != 0)
        return;
    if (FT_New_Face(library, LETTER_FONT, 0, &face) != 0) {
        FT_Done_FreeType(library);
        return;
    }
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixels));
    int advance = 0;
    for (const char *p = word; *p; p++)
        if (FT_Load_Char(face, static_cast<FT_ULong>(*p), FT_LOAD_DEFAULT) == 0)
            advance += static_cast<int>(face->glyph->advance.x >> 6);
    int pen = (c.w - advance) / 2;
    int baseline = static_cast<int>(centre_y * c.h + 0.36f * pixels);
    std::vector<f32> ink(static_cast<size_t>(c.w) * c.h, 0.0f);
    for (const char *p = word; *p; p++) {
        if (FT_Load_Char(face, static_cast<FT_ULong>(*p), FT_LOAD_RENDER) != 0)
            continue;
        const FT_Bitmap &bitmap = face->glyph->bitmap;
        for (unsigned row = 0; row < bitmap.rows; row++)
            for (unsigned col = 0; col < bitmap.width; col++) {
                int x = pen + face->glyph->bitmap_left + static_cast<int>(col);
                int y = baseline - face->glyph->bitmap_top + static_cast<int>(row);
                if (x >= 0 && x < c.w && y >= 0 && y < c.h)
                    ink[static_cast<size_t>(y) * c.w + x] = bitmap.buffer[row * bitmap.pitch + col] / 255.0f;
            }
        pen += static_cast<int>(face->glyph->advance.x >> 6);
    }
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    // The edge: the ink spread by two pixels, laid dark under the letters.
    const int edge = std::max(1, pixels / 12);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++) {
            f32 spread = 0.0f;
            for (int dy = -edge; dy <= edge; dy++)
                for (int dx = -edge; dx <= edge; dx++) {
                    int sx = x + dx, sy = y + dy;
                    if (sx >= 0 && sx < c.w && sy >= 0 && sy < c.h)
                        spread = std::max(spread, ink[static_cast<size_t>(sy) * c.w + sx]);
                }
            paint_blend(c, x, y, paint_rgb(10, 8, 6), 0.85f * spread);
            paint_blend(c, x, y, colour, ink[static_cast<size_t>(y) * c.w + x]);
        }
}

// ---- the pictures -------------------------------------------------------------------------

static void portrait_make(const FigureModel *figure, int id, int variant, PaintColour ground)
{
    FigureShot shot = likeness_shot(figure, id, portrait_framing[id].portrait_below, PORTRAIT_SIDE, PORTRAIT_SIDE);
    std::vector<u8> render;
    figure_render_draw(figure, &shot, &render);
    PaintCanvas c = portrait_ground(ground, PORTRAIT_SIDE);
    composite(c, figure_in_ground(render, PORTRAIT_SIDE, PORTRAIT_SIDE, ground));
    likenesses.portrait[id][variant] = paint_bytes(c);
    if (id == CHARACTER_JASON && variant == 0)
        likenesses.silhouette = render;
}

// A round frame: the head and shoulders in a gold ring on the fighter's colour, black and
// clear outside it (the ring adds the icons' colour, weighted by their alpha).
static PaintCanvas icon_canvas(const std::vector<u8> &render, PaintColour ground)
{
    PaintCanvas c = paint_canvas(ICON_WIDTH, ICON_HEIGHT, {0, 0, 0, 0});
    f32 cx = ICON_WIDTH * 0.5f, cy = ICON_HEIGHT * 0.5f, radius = ICON_WIDTH * 0.47f;
    PaintColour gold = paint_rgb(225, 185, 90);
    for (int y = 0; y < ICON_HEIGHT; y++)
        for (int x = 0; x < ICON_WIDTH; x++) {
            f32 d = std::hypot(x + 0.5f - cx, y + 0.5f - cy);
            f32 inside = 1.0f - paint_smooth(radius - 1.0f, radius, d);
            if (inside <= 0.0f)
                continue;
            PaintColour p = paint_mix(paint_mix(ground, paint_rgb(255, 240, 210), 0.35f), paint_shade(ground, 0.35f),
                                      paint_smooth(0.0f, radius, std::hypot(x + 0.5f - cx, y + 0.5f - cy * 0.8f)));
            // The render is the cell's width square, standing on the cell's middle.
            int ry = y - (ICON_HEIGHT - ICON_WIDTH) / 2;
            if (ry >= 0 && ry < ICON_WIDTH) {
                const u8 *f = &render[(static_cast<size_t>(ry) * ICON_WIDTH + x) * 4];
                PaintColour figure = {f[0] / 255.0f, f[1] / 255.0f, f[2] / 255.0f, 1.0f};
                p = paint_mix(p, figure, f[3] / 255.0f);
            }
            f32 ring = paint_smooth(radius - 4.5f, radius - 3.5f, d);
            p = paint_mix(p, paint_shade(gold, 1.1f - 0.4f * (y / static_cast<f32>(ICON_HEIGHT))), ring);
            paint_pixel(c, x, y) = {p.r * inside, p.g * inside, p.b * inside, inside};
        }
    return c;
}

// The figure's cover as the icon shows it (the render standing on the cell's middle, inside
// the ring), for the shop's silhouette of a fighter still locked.
static void icon_shape_keep(const std::vector<u8> &render, int id)
{
    std::vector<u8> &shape = likenesses.icon_shape[id];
    shape.assign(static_cast<size_t>(ICON_WIDTH) * ICON_HEIGHT, 0);
    f32 cx = ICON_WIDTH * 0.5f, cy = ICON_HEIGHT * 0.5f, radius = ICON_WIDTH * 0.47f - 4.0f;
    for (int y = 0; y < ICON_HEIGHT; y++)
        for (int x = 0; x < ICON_WIDTH; x++) {
            int ry = y - (ICON_HEIGHT - ICON_WIDTH) / 2;
            if (ry < 0 || ry >= ICON_WIDTH)
                continue;
            f32 inside = 1.0f - paint_smooth(radius - 1.0f, radius, std::hypot(x + 0.5f - cx, y + 0.5f - cy));
            f32 cover = render[(static_cast<size_t>(ry) * ICON_WIDTH + x) * 4 + 3] / 255.0f;
            shape[static_cast<size_t>(y) * ICON_WIDTH + x] = static_cast<u8>(std::lround(255.0f * cover * inside));
        }
}

static void icon_make(const FigureModel *figure, int id, PaintColour ground)
{
    FigureShot shot = likeness_shot(figure, id, portrait_framing[id].icon_below, ICON_WIDTH, ICON_WIDTH);
    std::vector<u8> render;
    figure_render_draw(figure, &shot, &render);
    likenesses.icon[id] = paint_bytes(icon_canvas(figure_in_ground(render, ICON_WIDTH, ICON_WIDTH, ground), ground));
    icon_shape_keep(render, id);
}

// The colour turned round the hue circle by `turn` (0..1 of a full turn), its lightness and
// saturation kept: a rotation about the grey axis.
static PaintColour hue_turn(PaintColour c, f32 turn)
{
    f32 angle = 2.0f * PAINT_PI * turn, cosine = std::cos(angle), sine = std::sin(angle);
    f32 k = (1.0f - cosine) / 3.0f, r3 = std::sqrt(1.0f / 3.0f) * sine;
    f32 m[3][3] = {{cosine + k, k - r3, k + r3}, {k + r3, cosine + k, k - r3}, {k - r3, k + r3, cosine + k}};
    const f32 in[3] = {c.r, c.g, c.b};
    f32 out[3];
    for (int i = 0; i < 3; i++)
        out[i] = paint_clamp(m[i][0] * in[0] + m[i][1] * in[1] + m[i][2] * in[2]);
    return {out[0], out[1], out[2], 1.0f};
}

static f32 colour_distance(PaintColour a, PaintColour b)
{
    return std::fabs(a.r - b.r) + std::fabs(a.g - b.g) + std::fabs(a.b - b.b);
}

// Both colour sets of one fighter: each portrait on a ground of its own set's colours.
static bool likeness_figure(int id)
{
    FigureModel figures[2];
    std::vector<u8> probes[2];
    for (int variant = 0; variant < 2; variant++) {
        FigureSource source;
        figure_source_of(id, variant, &source);
        if (!figure_render_load(&figures[variant], &source, archive_entries)) {
            if (variant == 1)
                figure_render_free(&figures[0]);
            return false;
        }
        figure_render_pose(&figures[variant], likeness_key(id));
        probes[variant] = outfit_probe(&figures[variant]);
    }
    PaintColour grounds[2] = {outfit_colour(probes[0], probes[1]), outfit_colour(probes[1], probes[0])};
    // Where the two outfits differ only in a detail, the alternate ground still tells the
    // player at a glance that the other colours are chosen.
    if (colour_distance(grounds[0], grounds[1]) < ALTERNATE_GROUND_DISTANCE)
        grounds[1] = hue_turn(grounds[0], ALTERNATE_GROUND_TURN);
    for (int variant = 0; variant < 2; variant++) {
        PaintColour ground = grounds[variant];
        portrait_make(&figures[variant], id, variant, ground);
        if (variant == 0)
            icon_make(&figures[variant], id, ground);
        figure_render_free(&figures[variant]);
    }
    return true;
}

bool select_likenesses_make()
{
    if (likenesses.made)
        return true;
    if (!figure_render_start())
        return false;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        if (!likeness_figure(id))
            return false;
    likenesses.made = true;
    return true;
}

static Bytes jpeg_of(const PaintCanvas &c)
{
    Bytes out;
    std::vector<u8> bytes = paint_bytes(c);
    jpeg_write(out, c.w, c.h, bytes.data(), PORTRAIT_JPEG_QUALITY);
    return out;
}

static PaintCanvas canvas_of(const std::vector<u8> &rgba, int width, int height)
{
    PaintCanvas c = paint_canvas(width, height, {0, 0, 0, 1});
    for (size_t i = 0; i < c.px.size(); i++)
        c.px[i] = {rgba[4 * i] / 255.0f, rgba[4 * i + 1] / 255.0f, rgba[4 * i + 2] / 255.0f, rgba[4 * i + 3] / 255.0f};
    return c;
}

Bytes select_portrait_jpeg(int id, int variant)
{
    return jpeg_of(canvas_of(likenesses.portrait[id][variant], PORTRAIT_SIDE, PORTRAIT_SIDE));
}

Bytes select_icon_atlas_tga()
{
    // Cells of 4 columns by 3 rows; the atlas is square, so a cell is a quarter wide and a
    // third high.
    PaintCanvas atlas = paint_canvas(ICON_ATLAS_SIDE, ICON_ATLAS_SIDE, {0, 0, 0, 0});
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        int x0 = (id % 4) * ICON_ATLAS_SIDE / 4, y0 = (id / 4) * ICON_ATLAS_SIDE / 3;
        PaintCanvas icon = canvas_of(likenesses.icon[id], ICON_WIDTH, ICON_HEIGHT);
        for (int y = 0; y < ICON_HEIGHT; y++)
            for (int x = 0; x < ICON_WIDTH; x++)
                paint_pixel(atlas, x0 + x, y0 + y) = icon.px[static_cast<size_t>(y) * ICON_WIDTH + x];
    }
    std::vector<u8> bytes = paint_bytes(atlas);
    return tga_write(atlas.w, atlas.h, 32, bytes.data());
}

Bytes shop_silhouette_atlas_tga()
{
    // The icon atlas's cells, each the fighter's figure in black on clear.
    PaintCanvas atlas = paint_canvas(ICON_ATLAS_SIDE, ICON_ATLAS_SIDE, {0, 0, 0, 0});
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        int x0 = (id % 4) * ICON_ATLAS_SIDE / 4, y0 = (id / 4) * ICON_ATLAS_SIDE / 3;
        const std::vector<u8> &shape = likenesses.icon_shape[id];
        for (int y = 0; y < ICON_HEIGHT && !shape.empty(); y++)
            for (int x = 0; x < ICON_WIDTH; x++)
                paint_pixel(atlas, x0 + x, y0 + y) = {0, 0, 0, shape[static_cast<size_t>(y) * ICON_WIDTH + x] / 255.0f};
    }
    std::vector<u8> bytes = paint_bytes(atlas);
    return tga_write(atlas.w, atlas.h, 32, bytes.data());
}

Bytes select_locked_jpeg()
{
    // A figure in shadow on cold stone: whoever is locked stays unseen.
    PaintCanvas c = portrait_ground(paint_rgb(70, 74, 86), PORTRAIT_SIDE);
    PaintColour shadow = paint_rgb(14, 14, 20);
    for (int y = 0; y < c.h; y++)
        for (int x = 0; x < c.w; x++)
            paint_blend(c, x, y, shadow, likenesses.silhouette[(static_cast<size_t>(y) * c.w + x) * 4 + 3] / 255.0f);
    // High on the card: the ring of icons covers its lower part on the select screen.
    letter_word(c, "LOCKED", PORTRAIT_SIDE / 6, 0.42f, paint_rgb(235, 205, 120));
    return jpeg_of(c);
}

Bytes select_hidden_icon_tga()
{
    PaintCanvas c = icon_canvas(std::vector<u8>(static_cast<size_t>(ICON_WIDTH) * ICON_WIDTH * 4, 0),
                                paint_rgb(60, 22, 22));
    PaintCanvas word = paint_canvas(ICON_WIDTH, ICON_HEIGHT, {0, 0, 0, 0});
    letter_word(word, "?", ICON_WIDTH * 2 / 3, 0.5f, paint_rgb(240, 210, 130));
    for (size_t i = 0; i < c.px.size(); i++) {
        // Inside the frame only, and weighted by the frame's alpha as the ring expects.
        f32 a = word.px[i].a * c.px[i].a;
        c.px[i] = paint_mix(c.px[i], paint_alpha(paint_shade(word.px[i], 1.0f / std::max(word.px[i].a, 1e-3f)), c.px[i].a), a);
    }
    std::vector<u8> bytes = paint_bytes(c);
    return tga_write(c.w, c.h, 32, bytes.data());
}
