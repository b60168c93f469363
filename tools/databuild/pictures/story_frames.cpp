// The story pictures' frames: the shape of every story quad as the scripts show it, and the
// pictures rendered from the scene rows into those frames, full colour, with the narration's
// rows darkened so the typed lines stay legible over them.
#include "tools/databuild/pictures/story_frames.h"

#include "tools/databuild/pictures/scene_render.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

// How each story picture is shown: its quad, width by height in the story's units, as the
// opening story's scenes, the endings' scripts and the faction endings' scenes place it; the
// part of it the screen shows while it is seen (the window, 0..1 across and down, the
// smallest over the moments its lines are read, at rest after a slide); the rows the
// narration lies over; and its ground: banded, plain, or none for a picture drawn over another
// (then it brings only its figures). Every story picture has its row here.
constexpr StoryGround OVER = STORY_GROUND_NONE, BASE = STORY_GROUND_BANDED, PLAIN = STORY_GROUND_PLAIN;
const StoryQuadShape story_quad_shapes[] = {
    // entry, quad w and h, window u0 u1 v0 v1, narration rows, ground;
    // intro/clash00 stands for both halves, painted as one 16 x 16 picture and cut. The windows
    // of the three sisters, fina_03, fina_05 and hefesto02 are narrowed further, so that each
    // figure stands beside, not on, those of the pictures shown with it.
    {"finales/aresf1.jpg", 17, 13.5f, {0.005f, 0.995f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/aresf2.jpg", 18, 18, {0.033f, 0.967f, 0.039f, 0.739f, 0.517f, 0.644f, BASE}},
    {"finales/atalantaf1.jpg", 18, 22, {0.033f, 0.967f, 0.032f, 0.605f, 0.423f, 0.527f, BASE}},
    {"finales/atalantaf2.jpg", 20, 16, {0.08f, 0.92f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"finales/atropof1.jpg", 17, 14.5f, {0.005f, 0.995f, 0.082f, 0.952f, 0.676f, 0.834f, BASE}},
    {"finales/atropof2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/esfingef1.jpg", 18, 22, {0.033f, 0.967f, 0.395f, 0.968f, 0.786f, 0.891f, BASE}},
    {"finales/esfingef2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/fina_01.tga", 20.5f, 16, {0.085f, 0.974f, 0.047f, 0.953f, 0.665f, 0.831f, BASE}},
    {"finales/fina_02.tga", 16.5f, 16, {0.0f, 0.703f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_03.tga", 12.5f, 16, {0.0f, 0.5f, 0.0f, 1.0f, 0.67f, 0.871f, OVER}},
    {"finales/fina_04.tga", 8.5f, 16, {0.0f, 1.0f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_05.tga", 18.5f, 16, {0.02f, 0.6f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_06.tga", 8.5f, 16, {0.0f, 0.888f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_07.tga", 14.5f, 16, {0.0f, 1.0f, 0.201f, 0.853f, 0.634f, 0.798f, BASE}},
    {"finales/finz_01.tga", 20.5f, 16, {0.023f, 1.0f, 0.027f, 0.973f, 0.672f, 0.845f, BASE}},
    {"finales/finz_02.tga", 8.5f, 16, {0.08f, 1.0f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/finz_03.tga", 18.5f, 16, {0.146f, 0.854f, 0.193f, 0.807f, 0.612f, 0.793f, BASE}},
    {"finales/finz_04.tga", 18.5f, 16, {0.087f, 0.979f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"finales/hidraf1.jpg", 18, 13, {0.033f, 0.967f, 0.015f, 0.985f, 0.677f, 0.854f, BASE}},
    {"finales/hidraf2.jpg", 18, 13, {0.033f, 0.967f, 0.015f, 0.985f, 0.677f, 0.854f, BASE}},
    {"finales/hipolitaf1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/hipolitaf2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/hipolitaf3.jpg", 18, 21, {0.033f, 0.967f, 0.033f, 0.634f, 0.443f, 0.552f, BASE}},
    {"finales/jasonf1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/jasonf2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/medusaf1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/medusaf2.jpg", 18, 21, {0.033f, 0.967f, 0.033f, 0.634f, 0.443f, 0.552f, BASE}},
    {"finales/medusaf3.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/minotaurof1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/minotaurof2.jpg", 18, 21, {0.033f, 0.967f, 0.366f, 0.967f, 0.776f, 0.886f, BASE}},
    {"finales/minotaurof3.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/odiseof1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/odiseof2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/odiseof3.jpg", 18, 17, {0.033f, 0.967f, 0.041f, 0.783f, 0.547f, 0.682f, BASE}},
    {"finales/perseof1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/perseof2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/perseof3.jpg", 18, 17, {0.033f, 0.967f, 0.217f, 0.959f, 0.724f, 0.859f, BASE}},
    {"finales/polifemof1.jpg", 18, 18, {0.033f, 0.967f, 0.039f, 0.739f, 0.517f, 0.644f, BASE}},
    {"finales/polifemof2.jpg", 18, 18, {0.033f, 0.967f, 0.039f, 0.739f, 0.517f, 0.644f, BASE}},
    {"intro/apolo01.tga", 14, 16, {0.0f, 0.823f, 0.132f, 0.743f, 0.549f, 0.948f, OVER}},
    {"intro/ares01.tga", 14, 16, {0.0f, 0.849f, 0.0f, 0.901f, 0.606f, 1.0f, OVER}},
    {"intro/ares02.tga", 15, 16, {0.199f, 0.734f, 0.104f, 0.427f, 0.307f, 0.776f, OVER}},
    {"intro/artemisa01.tga", 8, 16, {0.0f, 0.19f, 0.132f, 0.743f, 0.549f, 0.948f, OVER}},
    {"intro/atalanta.tga", 2, 8, {0.0f, 1.0f, 0.377f, 1.0f, 1.0f, 0.0f, OVER}},
    {"intro/atropos01.tga", 16, 16, {0.36f, 0.64f, 0.06f, 0.758f, 0.536f, 0.77f, OVER}},
    {"intro/clash00.tga", 16, 16, {0.0f, 1.0f, 0.007f, 0.993f, 0.68f, 0.859f, BASE}},
    {"intro/cloto01.tga", 16, 16, {0.42f, 0.731f, 0.047f, 0.862f, 0.603f, 0.88f, OVER}},
    {"intro/hades01.tga", 10, 16, {0.232f, 1.0f, 0.171f, 0.704f, 0.535f, 0.919f, OVER}},
    {"intro/hefesto01.tga", 16.5f, 16, {0.032f, 1.0f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"intro/hefesto02.tga", 16.5f, 16, {0.3f, 0.687f, 0.35f, 0.855f, 0.629f, 0.759f, OVER}},
    {"intro/hera02.tga", 8, 16, {0.0f, 1.0f, 0.024f, 0.851f, 0.588f, 0.739f, OVER}},
    {"intro/hipolita.tga", 2, 8, {0.0f, 1.0f, 0.0f, 1.0f, 0.727f, 1.0f, OVER}},
    {"intro/jason.tga", 4, 8, {0.0f, 1.0f, 0.377f, 1.0f, 1.0f, 0.0f, OVER}},
    {"intro/laquesis02.tga", 16, 16, {0.3f, 0.62f, 0.008f, 0.881f, 0.604f, 0.887f, OVER}},
    {"intro/odiseo.tga", 4, 8, {0.089f, 1.0f, 0.0f, 1.0f, 0.727f, 1.0f, OVER}},
    {"intro/olimpo01.tga", 18, 16, {0.16f, 0.84f, 0.216f, 0.79f, 0.607f, 0.794f, PLAIN}},
    {"intro/olimpo02.tga", 20, 16, {0.08f, 0.92f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"intro/olimpo03.tga", 50, 40, {0.186f, 0.614f, 0.299f, 0.701f, 0.573f, 0.762f, PLAIN}},
    {"intro/perseo.tga", 4, 8, {0.0f, 1.0f, 0.0f, 0.623f, 0.227f, 0.595f, OVER}},
    {"intro/polifemo.tga", 4, 8, {0.0f, 1.0f, 0.0f, 0.623f, 0.227f, 0.595f, OVER}},
    {"intro/zeus02.tga", 16, 16, {0.339f, 1.0f, 0.106f, 0.894f, 0.644f, 0.788f, OVER}},
    {"intro/zeus03.tga", 16.5f, 16, {0.233f, 1.0f, 0.106f, 0.894f, 0.644f, 0.788f, OVER}},
};
const int story_quad_shape_count = static_cast<int>(std::size(story_quad_shapes));


const StoryQuadShape &story_shape(const char *entry)
{
    static const StoryQuadShape whole = {"", 1, 1, {0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, BASE}};
    for (const StoryQuadShape &shape : story_quad_shapes)
        if (strcmp(shape.entry, entry) == 0)
            return shape;
    return whole;
}

void story_canvas_size(const StoryQuadShape &shape, int *width, int *height)
{
    f32 aspect = shape.width / shape.height;
    *width = aspect >= 1.0f ? STORY_PICTURE_SIZE : static_cast<int>(std::lround(STORY_PICTURE_SIZE * aspect));
    *height = aspect >= 1.0f ? static_cast<int>(std::lround(STORY_PICTURE_SIZE / aspect)) : STORY_PICTURE_SIZE;
}

const SceneRow *story_scene_row(const char *entry)
{
    const struct {
        const SceneRow *rows;
        int count;
    } tables[] = {{intro_scenes, intro_scene_count}, {ending_scenes, ending_scene_count}, {faction_scenes, faction_scene_count}};
    for (const auto &table : tables)
        for (int i = 0; i < table.count; i++)
            if (table.rows[i].entry && strcmp(table.rows[i].entry, entry) == 0)
                return &table.rows[i];
    return nullptr;
}

constexpr f32 STORY_SHADE = 0.5f;       // the narration rows' light
constexpr f32 STORY_SHADE_SOFT = 0.03f; // the shade's soft edges, picture heights
constexpr f32 STORY_OFFER_BAND = 0.14f;   // the offer line's band, window heights from its top
constexpr f32 STORY_OFFER_SHADE = 0.7f;
constexpr f32 STORY_EDGE_DIM = 0.4f;         // the light lost toward the quad's edge off the window
constexpr f32 STORY_EDGE_DIM_REACH = 0.08f;  // ... over this much past the window, picture sizes
constexpr int STORY_BAND = 7;           // the meander band's width, pixels
constexpr f32 STORY_EDGE_SHOWN = 0.005f;

// How far inside the rows v0..v1 the texture row v lies: 1 inside, 0 outside, soft between.
static f32 story_rows_in(f32 v0, f32 v1, f32 v)
{
    return paint_smooth(v0 - STORY_SHADE_SOFT, v0 + STORY_SHADE_SOFT, v) *
           (1.0f - paint_smooth(v1 - STORY_SHADE_SOFT, v1 + STORY_SHADE_SOFT, v));
}

// Darkens the narration's rows, softly at their edges, and on a character ending's picture
// also the top of the window, where the offer of a profile is typed over it in white. What
// lies off the window of an opaque picture shows only while it slides in: it dims a little
// toward the quad's edge, so the edge that comes first is never the brightest line it brings.
static void story_shade(PaintCanvas &c, const StoryFrame &frame, bool offer_band)
{
    f32 offer_v1 = frame.v0 + STORY_OFFER_BAND * (frame.v1 - frame.v0);
    bool opaque = frame.ground != STORY_GROUND_NONE;
    for (int y = 0; y < c.h; y++) {
        f32 v = (y + 0.5f) / c.h;
        f32 row = 1.0f;
        if (frame.shade_v1 > frame.shade_v0)
            row -= (1.0f - STORY_SHADE) * story_rows_in(frame.shade_v0, frame.shade_v1, v);
        if (offer_band)
            row = std::min(row, 1.0f - (1.0f - STORY_OFFER_SHADE) * (1.0f - paint_smooth(offer_v1 - STORY_SHADE_SOFT, offer_v1, v)));
        for (int x = 0; x < c.w; x++) {
            f32 u = (x + 0.5f) / c.w, k = row;
            if (opaque) {
                f32 off = std::max({frame.u0 - u, u - frame.u1, frame.v0 - v, v - frame.v1});
                k *= 1.0f - STORY_EDGE_DIM * paint_smooth(0.0f, STORY_EDGE_DIM_REACH, off);
            }
            PaintColour &p = paint_pixel(c, x, y);
            p = paint_alpha(paint_shade(p, k), p.a);
        }
    }
}

// A gold meander band along the top and the bottom edge of the quad where the screen shows
// them (the window reaches the picture's edge), as a vase's bands run; none where the quad
// runs on past the screen, so a picture slid in under another brings no line across it, and
// none down the sides, where halves cut from one picture meet.
static void story_borders(PaintCanvas &c, const StoryFrame &frame)
{
    static const PaintCanvas key = paint_meander(paint_rgb(40, 24, 14), paint_rgb(205, 160, 70), 5);
    constexpr int KEY_TOP = PAINT_SIZE / 2 - 14, KEY_ROWS = 28;
    const bool shown[2] = {frame.v0 <= STORY_EDGE_SHOWN, frame.v1 >= 1.0f - STORY_EDGE_SHOWN};
    for (int side = 0; side < 2; side++) {
        if (!shown[side])
            continue;
        for (int depth = 0; depth < STORY_BAND; depth++) {
            int y = side == 0 ? depth : c.h - 1 - depth;
            int row = KEY_TOP + depth * KEY_ROWS / STORY_BAND;
            for (int x = 0; x < c.w; x++)
                paint_pixel(c, x, y) = key.px[static_cast<size_t>(row) * key.w + x * 2 % key.w];
        }
    }
}

bool story_scene_picture(const SceneRow *row, const StoryQuadShape &shape, bool offer_band, PaintCanvas *out)
{
    int width = 0, height = 0;
    story_canvas_size(shape, &width, &height);
    const StoryFrame &frame = shape.frame;
    const SceneWindow window = {frame.u0, frame.u1, frame.v0, frame.v1};
    bool over = frame.ground == STORY_GROUND_NONE;
    std::vector<u8> rgba;
    if (!scene_render(row, width, height, &window, over, &rgba))
        return false;
    *out = paint_canvas(width, height, paint_rgb(0, 0, 0));
    for (int i = 0; i < width * height; i++) {
        const u8 *p = &rgba[static_cast<size_t>(i) * 4];
        // An opaque quad shows black where its scene leaves the ground clear.
        f32 a = p[3] / 255.0f;
        out->px[i] = over ? PaintColour{p[0] / 255.0f, p[1] / 255.0f, p[2] / 255.0f, a}
                          : paint_rgb(static_cast<int>(p[0] * a), static_cast<int>(p[1] * a), static_cast<int>(p[2] * a));
    }
    story_shade(*out, frame, offer_band);
    if (frame.ground == STORY_GROUND_BANDED)
        story_borders(*out, frame);
    return true;
}
