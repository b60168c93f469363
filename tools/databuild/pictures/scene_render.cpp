// The scene renderer: one row of a scene table drawn as the fight draws its figures in an
// arena, in full colour. The cast is framed by its bounds into the part of the picture the
// screen shows, then the row's camera turns, raises and shifts the view; the backdrop is an
// arena (the row's own, or the one that stands for a sky, a sea, a hall...), laid in with the
// props the backdrop asks for, and lit and tinted to its hour.
#include "tools/databuild/pictures/scene_render.h"

#include "tools/databuild/figures/scene_figures.h"

#include "characters/characters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <iterator>

constexpr f32 SCENE_DEGREES = 3.14159265f / 180.0f;
constexpr f32 SCENE_WINDOW_FOV = 30.0f;     // the window's vertical field of view, degrees
constexpr f32 SCENE_MARGIN = 1.18f;         // the cast's bounds times this fill the window
constexpr f32 SCENE_SHADOW = 0.34f;         // a figure's shadow radius, in its own heights
constexpr int SCENE_EXTRAS = 5;             // props a backdrop lays in beside the row's own

// ---- backdrops ---------------------------------------------------------------------------------
// What stands for each backdrop: the arena behind (the row's own for BACKDROP_ARENA), the
// props it lays in (relative to the cast's middle and size), the light, and the colour the
// whole picture is multiplied by for its hour.
struct BackdropExtra {
    u8 prop;                // SceneProp, PROP_NONE for none
    f32 x, y, z;            // from the cast's feet middle, in cast heights
    f32 scale;              // in cast heights over the prop's own size of about 20
};
struct BackdropLook {
    i8 stage;               // StageId, -1: none (or the row's for BACKDROP_ARENA)
    BackdropExtra extras[SCENE_EXTRAS];
    f32 ambient, diffuse;
    f32 tint[3];
};
constexpr BackdropExtra NO_EXTRA = {PROP_NONE, 0, 0, 0, 0};
static const BackdropLook backdrop_looks[] = {
    // stage          extras                                                           ambient diffuse tint
    {-1,              {NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA},                                      0.40f, 0.65f, {1.0f, 1.0f, 1.0f}},    // clear
    {-1,              {NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA},                                      0.38f, 0.62f, {1.0f, 1.0f, 1.0f}},    // arena
    {STAGE_ARCADIA,   {{PROP_CLOUD, -2.2f, 7.0f, 2.2f, 1.6f}, {PROP_CLOUD, 2.6f, 8.0f, 2.6f, 2.0f}, NO_EXTRA, NO_EXTRA, NO_EXTRA}, 0.42f, 0.62f, {1.0f, 1.0f, 1.05f}},   // sky
    {STAGE_ATHENS,    {{PROP_CLOUD, -1.5f, 0.2f, -0.1f, 1.5f}, {PROP_CLOUD, 1.6f, 0.5f, -0.1f, 1.7f}, {PROP_TEMPLE, 0.0f, 11.0f, 0.0f, 1.3f},
                       {PROP_CLOUD, -2.6f, 3.0f, -0.2f, 2.6f}, {PROP_CLOUD, 2.8f, 3.4f, -0.2f, 2.8f}}, 0.42f, 0.62f, {1.05f, 1.0f, 0.95f}},   // Olympus
    {STAGE_TEMPLE,    {NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA},                                      0.40f, 0.60f, {1.05f, 1.0f, 0.92f}},  // the hall of the gods
    {STAGE_CRETE,     {NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA},                                      0.40f, 0.62f, {0.95f, 1.0f, 1.05f}},  // the sea
    {STAGE_ARCADIA,   {{PROP_TREE, -1.5f, 1.5f, 0.0f, 1.4f}, {PROP_TREE, 1.4f, 2.0f, 0.0f, 1.6f}, NO_EXTRA, NO_EXTRA, NO_EXTRA}, 0.38f, 0.60f, {0.95f, 1.02f, 0.92f}},  // the wood
    {STAGE_ATHENS2,   {{PROP_MOON, 1.2f, 6.0f, 1.6f, 0.9f}, NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA},                0.30f, 0.55f, {0.70f, 0.78f, 1.0f}},  // night
    {STAGE_HADES,     {NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA, NO_EXTRA},                                      0.32f, 0.60f, {0.85f, 0.65f, 0.6f}},  // the underworld
    {STAGE_LABYRINTH, {{PROP_BRAZIER, -1.0f, 1.0f, 0.0f, 0.9f}, {PROP_BRAZIER, 1.0f, 1.0f, 0.0f, 0.9f}, NO_EXTRA, NO_EXTRA, NO_EXTRA}, 0.35f, 0.65f, {1.15f, 0.85f, 0.6f}},   // the forge
    {STAGE_THEBES,    {{PROP_COLUMN, -1.3f, 1.2f, 0.0f, 1.4f}, {PROP_COLUMN, 1.3f, 1.2f, 0.0f, 1.4f}, NO_EXTRA, NO_EXTRA, NO_EXTRA}, 0.38f, 0.62f, {1.05f, 0.95f, 0.88f}},  // a palace
};
static_assert(std::size(backdrop_looks) == BACKDROP_COUNT, "one look per backdrop");

// ---- what the picture holds ---------------------------------------------------------------------
struct SceneDrawn {
    FigureModel models[SCENE_FIGURES + SCENE_PROPS + SCENE_EXTRAS];
    FigureInScene items[SCENE_FIGURES + SCENE_PROPS + SCENE_EXTRAS];
    int count;
    f32 lo[3], hi[3];       // the framed bounds, world units
};

static void bounds_clear(f32 lo[3], f32 hi[3])
{
    for (int k = 0; k < 3; k++) {
        lo[k] = 1e9f;
        hi[k] = -1e9f;
    }
}

// Widens lo..hi by a model's posed bounds as placed: turned about z, then moved.
static void bounds_add_placed(f32 lo[3], f32 hi[3], const FigureModel *model, const ModelPlacement &at)
{
    f32 mlo[3], mhi[3];
    figure_render_bounds(model, mlo, mhi);
    f32 c = std::cos(at.heading * SCENE_DEGREES), s = std::sin(at.heading * SCENE_DEGREES);
    for (int corner = 0; corner < 4; corner++) {
        f32 x = corner & 1 ? mhi[0] : mlo[0], y = corner & 2 ? mhi[1] : mlo[1];
        f32 wx = at.pos_x + x * c - y * s, wy = at.pos_y + x * s + y * c;
        lo[0] = std::min(lo[0], wx), hi[0] = std::max(hi[0], wx);
        lo[1] = std::min(lo[1], wy), hi[1] = std::max(hi[1], wy);
    }
    lo[2] = std::min(lo[2], at.pos_z + mlo[2]);
    hi[2] = std::max(hi[2], at.pos_z + mhi[2]);
}

static void scene_drawn_free(SceneDrawn *drawn)
{
    for (int i = 0; i < drawn->count; i++)
        figure_render_free(&drawn->models[i]);
    drawn->count = 0;
}

// Adds one loaded model at its place, scaled; casts a shadow when `shadow` says so.
static void scene_drawn_place(SceneDrawn *drawn, f32 x, f32 y, f32 z, f32 heading, f32 scale, bool shadow)
{
    FigureModel *model = &drawn->models[drawn->count];
    if (scale > 0.0f && scale != 1.0f)
        figure_render_scale(model, scale);
    f32 lo[3], hi[3];
    figure_render_bounds(model, lo, hi);
    FigureInScene &item = drawn->items[drawn->count++];
    item.figure = model;
    item.placement = {x, y, z, 0, 0, heading};
    item.shadow_radius = shadow ? SCENE_SHADOW * (hi[2] - lo[2]) : 0.0f;
}

static bool scene_cast_load(SceneDrawn *drawn, const SceneRow *row)
{
    bounds_clear(drawn->lo, drawn->hi);
    for (const SceneFigure &f : row->figures) {
        if (f.who >= WHO_COUNT)
            break;
        if (!scene_figure_load(&f, archive_entries, &drawn->models[drawn->count]))
            return false;
        scene_drawn_place(drawn, f.x, f.y, 0.0f, f.heading, f.scale, true);
        bounds_add_placed(drawn->lo, drawn->hi, &drawn->models[drawn->count - 1], drawn->items[drawn->count - 1].placement);
    }
    return true;
}

// The row's props, where it puts them; framed with the cast on a picture drawn over another
// (there they are what it brings, with the figures), and framed alone when there is no cast.
static bool scene_props_load(SceneDrawn *drawn, const SceneRow *row, bool clear)
{
    bool framed = clear || drawn->count == 0;
    for (const ScenePropAt &p : row->props) {
        if (p.prop == PROP_NONE || p.prop >= PROP_COUNT)
            break;
        if (!scene_prop_load(p.prop, &drawn->models[drawn->count]))
            return false;
        bool grounded = p.z <= 0.0f && p.prop != PROP_THREAD && p.prop != PROP_WATER;
        scene_drawn_place(drawn, p.x, p.y, p.z, p.heading, p.scale, grounded);
        if (framed)
            bounds_add_placed(drawn->lo, drawn->hi, &drawn->models[drawn->count - 1], drawn->items[drawn->count - 1].placement);
    }
    if (drawn->count == 0) {   // nothing at all: frame a figure's height of empty ground
        const f32 lo[3] = {-8, -4, 0}, hi[3] = {8, 4, 20};
        std::copy(lo, lo + 3, drawn->lo);
        std::copy(hi, hi + 3, drawn->hi);
    }
    return true;
}

// The backdrop's own props, placed by the framed bounds.
static bool scene_extras_load(SceneDrawn *drawn, const BackdropLook &look)
{
    f32 size = drawn->hi[2] - drawn->lo[2];
    f32 mx = (drawn->lo[0] + drawn->hi[0]) * 0.5f, my = (drawn->lo[1] + drawn->hi[1]) * 0.5f;
    for (const BackdropExtra &e : look.extras) {
        if (e.prop == PROP_NONE)
            continue;
        if (!scene_prop_load(e.prop, &drawn->models[drawn->count]))
            return false;
        scene_drawn_place(drawn, mx + e.x * size, my + e.y * size, drawn->lo[2] + e.z * size, 0.0f, e.scale * size / 20.0f,
                          e.z <= 0.0f);
    }
    return true;
}

// ---- the camera --------------------------------------------------------------------------------
// The shot that frames the bounds into the window of a width x height picture, then applies
// the row's camera: the eye turned round the cast by yaw and raised by rise, the view moved
// back by zoom and shifted by side and lift (window widths and heights). The whole picture
// is drawn with one perspective whose middle is not the window's: the camera is moved
// sideways, not turned, so the cast lands in the window unskewed.
static FigureShot scene_camera(const SceneDrawn *drawn, const SceneCamera &cam, int width, int height,
                               const SceneWindow &w, const BackdropLook &look)
{
    f32 size[3], middle[3];
    for (int k = 0; k < 3; k++) {
        size[k] = drawn->hi[k] - drawn->lo[k];
        middle[k] = (drawn->lo[k] + drawn->hi[k]) * 0.5f;
    }
    f32 yaw = cam.yaw * SCENE_DEGREES;
    f32 across = std::fabs(size[0] * std::cos(yaw)) + std::fabs(size[1] * std::sin(yaw));
    f32 window_aspect = (w.u1 - w.u0) * width / ((w.v1 - w.v0) * height);
    f32 t = std::tan(SCENE_WINDOW_FOV * 0.5f * SCENE_DEGREES);
    f32 zoom = cam.zoom > 0.0f ? cam.zoom : 1.0f;
    f32 reach = std::max(size[2] * 0.5f / t, across * 0.5f / (t * window_aspect)) * SCENE_MARGIN / zoom;
    f32 distance = reach + std::fabs(size[0] * std::sin(yaw)) * 0.5f + std::fabs(size[1] * std::cos(yaw)) * 0.5f;
    f32 forward[3] = {std::sin(yaw), -std::cos(yaw), 0.0f};   // from the cast toward the eye, level
    f32 eye[3] = {middle[0] + forward[0] * distance, middle[1] + forward[1] * distance, middle[2] + cam.rise * size[2]};
    f32 look_at[3] = {middle[0], middle[1], middle[2]};
    // The view's axes: right along the ground, up square to the line of sight.
    f32 sight[3] = {look_at[0] - eye[0], look_at[1] - eye[1], look_at[2] - eye[2]};
    f32 sl = std::sqrt(sight[0] * sight[0] + sight[1] * sight[1] + sight[2] * sight[2]);
    for (f32 &v : sight)
        v /= sl;
    f32 right[3] = {std::cos(yaw), std::sin(yaw), 0.0f};
    f32 up[3] = {right[1] * sight[2] - right[2] * sight[1], right[2] * sight[0] - right[0] * sight[2],
                 right[0] * sight[1] - right[1] * sight[0]};
    // The window at the cast's distance, and where its middle lies on the whole picture.
    f32 window_h = 2.0f * sl * t, window_w = window_h * window_aspect;
    f32 picture_half_h = window_h * 0.5f / (w.v1 - w.v0), picture_half_w = picture_half_h * width / height;
    f32 cx = w.u0 + w.u1 - 1.0f, cy = 1.0f - (w.v0 + w.v1);
    f32 move_right = cam.side * window_w - cx * picture_half_w, move_up = cam.lift * window_h - cy * picture_half_h;
    for (int k = 0; k < 3; k++) {
        f32 shift = right[k] * move_right + up[k] * move_up;
        eye[k] += shift;
        look_at[k] += shift;
    }
    f32 fov = 2.0f * std::atan(t / (w.v1 - w.v0)) / SCENE_DEGREES;
    f32 light[3] = {-0.5f * std::cos(yaw) - std::sin(yaw) * 0.3f, -0.5f * std::sin(yaw) + std::cos(yaw) * -1.0f, 0.9f};
    FigureShot shot = {width, height, {}, {}, fov, {light[0], light[1], light[2]}, look.ambient, look.diffuse};
    std::copy(eye, eye + 3, shot.eye);
    std::copy(look_at, look_at + 3, shot.centre);
    return shot;
}

// Says which side of the window the cast's bounds run past once the row's camera has turned,
// raised and shifted the view (a corner a little past the edge passes: the bounds hold the
// reach of every weapon), and by how much the row's zoom would have to shrink to hold them.
// The picture is still made; the row's camera is its table's to mend.
static void scene_framing_check(const SceneRow *row, const SceneDrawn *drawn, const FigureShot &shot, const SceneWindow &w)
{
    constexpr f32 SLACK = 0.15f;   // of the picture's half size
    f32 f[3] = {shot.centre[0] - shot.eye[0], shot.centre[1] - shot.eye[1], shot.centre[2] - shot.eye[2]};
    f32 fl = std::sqrt(f[0] * f[0] + f[1] * f[1] + f[2] * f[2]), rl = std::sqrt(f[0] * f[0] + f[1] * f[1]);
    const f32 r[3] = {f[1] / rl, -f[0] / rl, 0.0f};
    for (f32 &v : f)
        v /= fl;
    const f32 u[3] = {r[1] * f[2] - r[2] * f[1], r[2] * f[0] - r[0] * f[2], r[0] * f[1] - r[1] * f[0]};
    f32 t = std::tan(shot.fov_y * 0.5f * SCENE_DEGREES), aspect = static_cast<f32>(shot.width) / shot.height;
    f32 mid_x = w.u0 + w.u1 - 1.0f, mid_y = 1.0f - w.v0 - w.v1, half_x = w.u1 - w.u0, half_y = w.v1 - w.v0;
    const char *past = nullptr;
    f32 reach = 0.0f;   // the farthest corner from the window's middle, in window half sizes
    for (int corner = 0; corner < 8; corner++) {
        f32 d[3];
        for (int k = 0; k < 3; k++)
            d[k] = (corner >> k & 1 ? drawn->hi[k] : drawn->lo[k]) - shot.eye[k];
        f32 depth = d[0] * f[0] + d[1] * f[1] + d[2] * f[2];
        f32 x = (d[0] * r[0] + d[1] * r[1] + d[2] * r[2]) / (depth * t * aspect) - mid_x;
        f32 y = (d[0] * u[0] + d[1] * u[1] + d[2] * u[2]) / (depth * t) - mid_y;
        reach = std::max({reach, std::fabs(x) / half_x, std::fabs(y) / half_y});
        if (!past)
            past = x < -half_x - SLACK ? "left" : x > half_x + SLACK ? "right" : y > half_y + SLACK ? "top"
                   : y < -half_y - SLACK ? "bottom" : nullptr;
    }
    if (past)
        fprintf(stderr, "databuild: %s: the cast runs past the %s of the part the screen shows (its zoom times %.2f holds it)\n",
                row->entry, past, 1.0f / reach);
}

// The whole picture in the backdrop's colour of light.
static void scene_tint(std::vector<u8> *rgba, const f32 tint[3])
{
    for (size_t i = 0; i < rgba->size(); i += 4)
        for (int k = 0; k < 3; k++)
            (*rgba)[i + k] = static_cast<u8>(std::min(255.0f, (*rgba)[i + k] * tint[k]));
}

// The arena of a stage, read once for all the pictures of a build (the offscreen context
// lives as long as the builder); null after a message when it cannot be read.
static const FigureArena *scene_arena(int stage)
{
    static FigureArena arenas[STAGE_COUNT];
    static bool tried[STAGE_COUNT];
    if (!tried[stage]) {
        tried[stage] = true;
        if (!figure_arena_load(&arenas[stage], stage, archive_entries))
            arenas[stage] = {};
    }
    return arenas[stage].model ? &arenas[stage] : nullptr;
}

bool scene_render(const SceneRow *row, int width, int height, const SceneWindow *window, bool clear,
                  std::vector<u8> *rgba)
{
    if (!figure_render_start())
        return false;
    int backdrop = clear || row->backdrop >= BACKDROP_COUNT ? static_cast<int>(BACKDROP_CLEAR) : row->backdrop;
    const BackdropLook &look = backdrop_looks[backdrop];
    int stage = backdrop == BACKDROP_ARENA ? row->stage : look.stage;
    SceneDrawn drawn = {};
    bool ok = scene_cast_load(&drawn, row) && scene_props_load(&drawn, row, backdrop == BACKDROP_CLEAR) &&
              scene_extras_load(&drawn, look);
    const FigureArena *arena = ok && stage >= 0 && stage < STAGE_COUNT ? scene_arena(stage) : nullptr;
    if (stage >= 0 && !arena)
        ok = false;
    if (ok) {
        FigureShot shot = scene_camera(&drawn, row->camera, width, height, *window, look);
        if (row->figures[0].who < WHO_COUNT)   // an empty scene frames no one
            scene_framing_check(row, &drawn, shot, *window);
        figure_render_draw_scene(drawn.items, drawn.count, &shot, arena, rgba);
        scene_tint(rgba, look.tint);
    } else {
        fprintf(stderr, "databuild: cannot render the scene %s\n", row->entry);
    }
    scene_drawn_free(&drawn);
    return ok;
}
