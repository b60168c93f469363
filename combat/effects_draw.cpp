// The particle drawers: each turns its pool into textured quads, most of them facing the
// camera and cut from the effects sheet tex_misc in quarter cells. They read the pools and
// write only GL state.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"
#include "engine/engine.h"

#include <GL/gl.h>
#include <allegro.h>

#include <algorithm>
#include <cmath>
#include <iterator>
#include <vector>

constexpr int ARENA_FLAMES = 80;
constexpr f32 LIFE_TO_LEVEL = 0.01f;
constexpr f32 RAIN_GREY = 0.5f;
constexpr f32 FLOOR_NEAR = 0.2f;      // marks in the fight's part of the floor
constexpr f32 FLOOR_FAR = -2.0f;      // marks beyond y = 50, where the floor lies lower
constexpr f32 FLOOR_FAR_FROM_Y = 50.0f;
constexpr f32 SPLASH_HALF = 1.5f;
constexpr f32 STAIN_HALF = 2.5f;
constexpr f32 SPLASH_FRESH = 0.5f;
constexpr f32 BLOOD_HALF = 2.0f;
constexpr f32 BLOOD_DRIFT = 0.02f;    // a drop's quad is shifted by life x this on each axis
constexpr f32 STREAK_LENGTH = 3.0f;
constexpr f32 TRAIL_TURN = 45.0f;     // degrees a rising throw's trail leans

// A cell of tex_misc: u and v ranges.
struct SheetCell {
    f32 u0, u1, v0, v1;
};
static const SheetCell CELL_FLAME_LARGE = {0.0f, 0.25f, 0.25f, 0.5f};
static const SheetCell CELL_FLAME_MIDDLE = {0.25f, 0.5f, 0.25f, 0.5f};
static const SheetCell CELL_FLAME_SMALL = {0.5f, 0.75f, 0.25f, 0.5f};
static const SheetCell CELL_TALL_FLAME = {0.5f, 0.75f, 0.5f, 0.75f};
static const SheetCell CELL_TALL_FLAME_LOW = {0.75f, 1.0f, 0.5f, 0.75f};
static const SheetCell CELL_EMBER = {0.0f, 0.25f, 0.75f, 1.0f};
static const SheetCell CELL_RAIN_SLANTED = {0.5f, 0.75f, 0.0f, 0.25f};
static const SheetCell CELL_RAIN = {0.25f, 0.5f, 0.0f, 0.25f};
static const SheetCell CELL_SPLASH = {0.75f, 1.0f, 0.0f, 0.25f};
static const SheetCell CELL_SPLASH_FADING = {0.0f, 0.25f, 0.5f, 0.75f};
static const SheetCell CELL_SPARK = {0.75f, 1.0f, 0.25f, 0.5f};
static const SheetCell CELL_BLOOD = {0.25f, 0.5f, 0.75f, 1.0f};

// ---- shared steps ----------------------------------------------------------------------------

// Every drawer's start: no depth writes, unit 0 modulating the bound texture, the camera's
// view loaded; returns the camera's axes for the facing quads.
static CameraAxes fx_draw_begin(u32 texture, GLenum blend_src, GLenum blend_dst)
{
    glDepthMask(GL_FALSE);
    texture_unit_select(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, texture);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(blend_src, blend_dst);
    camera_view_load();
    return camera_axes_read();
}

CameraAxes camera_axes_read()
{
    GLfloat m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    CameraAxes axes = {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}};
    return axes;
}

void facing_quad_send(const CameraAxes &c, const f32 p[3], const f32 half[3], const f32 tex[4][2], f32 shift)
{
    static const f32 signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};
    for (int k = 0; k < 4; k++) {
        f32 v[3];
        for (int axis = 0; axis < 3; axis++)
            v[axis] = p[axis] + half[axis] * (signs[k][0] * c.right[axis] + signs[k][1] * c.up[axis]) + shift;
        glTexCoord2f(tex[k][0], tex[k][1]);
        glVertex3fv(v);
    }
}

// A quad facing the camera round p, half sizes a on x and y and b on z, moved by shift on
// every axis, with the cell's corners in the quad's corner order.
static void facing_quad(const CameraAxes &c, const f32 p[3], f32 a, f32 b, const SheetCell &cell, f32 shift = 0.0f)
{
    const f32 tex[4][2] = {{cell.u0, cell.v1}, {cell.u1, cell.v1}, {cell.u1, cell.v0}, {cell.u0, cell.v0}};
    const f32 half[3] = {a, a, b};
    facing_quad_send(c, p, half, tex, shift);
}

static void grey(f32 level)
{
    glColor3f(level, level, level);
}

// ---- flames and aura -------------------------------------------------------------------------

// How one flame effect looks: its quad's half sizes, its cells by life band, its brightness.
struct FlameLook {
    int records;
    f32 half_xy, half_z;
    f32 band_low[3];          // a band takes life above (or at, when inclusive) its low end
    u8 inclusive;
    const SheetCell *cells[3];
    u8 dims_with_summon;      // 1: scaled by summon_fade_level
};

static const FlameLook LABYRINTH_LOOK = {ARENA_FLAMES, 2.5f, 3.0f, {80.0f, 50.0f, 0.0f}, 0,
                                         {&CELL_FLAME_LARGE, &CELL_FLAME_MIDDLE, &CELL_FLAME_SMALL}, 1};
static const FlameLook THEATRE_LOOK = {ARENA_FLAMES, 3.0f, 3.0f, {80.0f, 50.0f, 0.0f}, 0,
                                       {&CELL_FLAME_LARGE, &CELL_FLAME_MIDDLE, &CELL_FLAME_SMALL}, 1};
static const FlameLook TEMPLE_LOOK = {ARENA_FLAMES, 1.5f, 3.0f, {70.0f, 35.0f, -2.0f}, 1,
                                      {&CELL_TALL_FLAME, &CELL_TALL_FLAME_LOW, &CELL_EMBER}, 1};
static const FlameLook FLAME_ROW_LOOK = {STAGE_FLAME_PARTICLES, 3.0f, 3.0f, {80.0f, 50.0f, -2.0f}, 1,
                                         {&CELL_TALL_FLAME, &CELL_TALL_FLAME_LOW, &CELL_EMBER}, 0};
static const FlameLook AURA_LOOK = {AURA_PARTICLES, 3.0f, 3.0f, {80.0f, 50.0f, 0.0f}, 0,
                                    {&CELL_FLAME_LARGE, &CELL_FLAME_MIDDLE, &CELL_FLAME_SMALL}, 0};

// The cell of a life band; below the lowest band the previous record's cell stays.
static const SheetCell *flame_cell(const FlameLook &look, f32 life, const SheetCell *previous)
{
    for (int band = 0; band < 3; band++) {
        const bool in = look.inclusive ? life >= look.band_low[band] : life > look.band_low[band];
        if (in)
            return look.cells[band];
    }
    return previous;
}

// The part of a cell whose texels can light a pixel, as fractions of the cell: left to right,
// top (v0) to bottom (v1). Outside it every sample of the linear filter reads black, which adds
// nothing under the brightening blend.
struct CellPart {
    f32 left, right, top, bottom;
};
constexpr CellPart WHOLE_CELL = {0.0f, 1.0f, 0.0f, 1.0f};

// Program lifetime: the flame row's cells (by life band) as fx_flame_row_measure found them;
// whole cells until it runs.
static CellPart flame_row_parts[3] = {WHOLE_CELL, WHOLE_CELL, WHOLE_CELL};

// The quad of facing_quad cut down to the part of its cell, with the texture coordinates of
// that part, so that each pixel it keeps samples the sheet where the whole quad would.
static void facing_quad_part(const CameraAxes &c, const f32 p[3], f32 a, f32 b, const SheetCell &cell,
                             const CellPart &part)
{
    const f32 xs[2] = {-1.0f + 2.0f * part.left, -1.0f + 2.0f * part.right};
    const f32 ys[2] = {1.0f - 2.0f * part.bottom, 1.0f - 2.0f * part.top};
    const f32 us[2] = {cell.u0 + (cell.u1 - cell.u0) * part.left, cell.u0 + (cell.u1 - cell.u0) * part.right};
    const f32 vs[2] = {cell.v0 + (cell.v1 - cell.v0) * part.bottom, cell.v0 + (cell.v1 - cell.v0) * part.top};
    static const int corners[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};   // facing_quad's order
    const f32 half[3] = {a, a, b};
    for (const auto &corner : corners) {
        f32 v[3];
        for (int axis = 0; axis < 3; axis++)
            v[axis] = p[axis] + half[axis] * (xs[corner[0]] * c.right[axis] + ys[corner[1]] * c.up[axis]);
        glTexCoord2f(us[corner[0]], vs[corner[1]]);
        glVertex3fv(v);
    }
}

// Every record is drawn, a dead one black: black adds nothing under the brightening blend.
// With parts (one per band), a record is drawn over its cell's lit part only, and a black one
// not at all: the picture is the same for a fraction of the pixels.
static void flames_draw(const Particle *pool, const FlameLook &look, const CellPart *parts = nullptr)
{
    const CameraAxes axes = fx_draw_begin(tex_misc, GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    const f32 fade = look.dims_with_summon ? summon_fade_level : 1.0f;
    const SheetCell *cell = look.cells[2];
    int band = 2;
    glBegin(GL_QUADS);
    for (int i = 0; i < look.records; i++) {
        const Particle &p = pool[i];
        cell = flame_cell(look, p.life, cell);
        const f32 level = fade * p.life * LIFE_TO_LEVEL;
        const f32 at[3] = {p.x, p.y, p.z};
        if (!parts) {
            grey(level > 0.0f ? level : 0.0f);
            facing_quad(axes, at, look.half_xy, look.half_z, *cell);
            continue;
        }
        while (look.cells[band] != cell)
            band = (band + 1) % 3;
        const CellPart &part = parts[band];
        if (level <= 0.0f || part.right <= part.left || part.bottom <= part.top)
            continue;
        grey(level);
        facing_quad_part(axes, at, look.half_xy, look.half_z, *cell, part);
    }
    glEnd();
}

// The lit part of one span of a cell (u0..u1 of `size` texels; lit[i] says whether texel i is
// lit): the linear filter reads a texel for coordinates within one texel of its centre, and
// half a texel more is kept on each side. first > last when nothing is lit.
static void span_lit_part(f32 u0, f32 u1, int size, const std::vector<u8> &lit, f32 *first, f32 *last)
{
    const int from = std::max(0, static_cast<int>(std::floor(u0 * size - 0.5f)));
    const int to = std::min(size - 1, static_cast<int>(std::floor(u1 * size - 0.5f)) + 1);
    int low = size, high = -1;
    for (int i = from; i <= to; i++)
        if (lit[i]) {
            low = std::min(low, i);
            high = i;
        }
    if (high < 0) {
        *first = 1.0f;
        *last = 0.0f;
        return;
    }
    const f32 span = u1 - u0;
    *first = std::clamp((static_cast<f32>(low - 1) / size - u0) / span, 0.0f, 1.0f);
    *last = std::clamp((static_cast<f32>(high + 2) / size - u0) / span, 0.0f, 1.0f);
}

static CellPart cell_lit_part(const Picture &sheet, const SheetCell &cell)
{
    const int width = sheet.width, height = sheet.height;
    std::vector<u8> column_lit(width), row_lit(height);
    const int x0 = std::max(0, static_cast<int>(std::floor(cell.u0 * width)) - 1);
    const int x1 = std::min(width - 1, static_cast<int>(std::ceil(cell.u1 * width)));
    const int y0 = std::max(0, static_cast<int>(std::floor(cell.v0 * height)) - 1);
    const int y1 = std::min(height - 1, static_cast<int>(std::ceil(cell.v1 * height)));
    for (int y = y0; y <= y1; y++)
        for (int x = x0; x <= x1; x++) {
            const u8 *t = &sheet.pixels[(static_cast<size_t>(y) * width + x) * 4];
            if (t[0] | t[1] | t[2]) {
                column_lit[x] = 1;
                row_lit[y] = 1;
            }
        }
    CellPart part;
    span_lit_part(cell.u0, cell.u1, width, column_lit, &part.left, &part.right);
    span_lit_part(cell.v0, cell.v1, height, row_lit, &part.top, &part.bottom);
    return part;
}

void fx_flame_row_measure()
{
    for (CellPart &part : flame_row_parts)
        part = WHOLE_CELL;
    Picture sheet = texture_read(tex_misc);
    if (!sheet.pixels)
        return;
    for (int band = 0; band < 3; band++)
        flame_row_parts[band] = cell_lit_part(sheet, *FLAME_ROW_LOOK.cells[band]);
    picture_free(&sheet);
}

void draw_fx_labyrinth_flames(const Particle *pool)
{
    flames_draw(pool, LABYRINTH_LOOK);
}

void draw_fx_theatre_flames(const Particle *pool)
{
    flames_draw(pool, THEATRE_LOOK);
}

void draw_fx_temple_flames(const Particle *pool)
{
    flames_draw(pool, TEMPLE_LOOK);
}

void draw_fx_flame_row(const Particle *pool)
{
    flames_draw(pool, FLAME_ROW_LOOK, flame_row_parts);
}

void draw_fx_fighter_aura(const Particle *pool)
{
    flames_draw(pool, AURA_LOOK);
}

// ---- rain ------------------------------------------------------------------------------------

constexpr f32 RAIN_HALF = 5.0f;

void draw_fx_rain(const Particle *pool)
{
    const CameraAxes axes = fx_draw_begin(tex_misc, GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    grey(summon_fade_level * RAIN_GREY);
    glBegin(GL_QUADS);
    for (int i = 0; i < RAIN_PARTICLES; i++) {
        const Particle &p = pool[i];
        const f32 at[3] = {p.x, p.y, p.z};
        const bool slanted = static_cast<int>(p.life) == 0;   // variant 0
        facing_quad(axes, at, RAIN_HALF, RAIN_HALF, slanted ? CELL_RAIN_SLANTED : CELL_RAIN);
    }
    glEnd();
}

// A square flat on the floor; the floor lies lower beyond the fight's part of the arena.
static void floor_square(f32 x, f32 y, f32 half, const SheetCell &cell)
{
    const f32 z = y < FLOOR_FAR_FROM_Y ? FLOOR_NEAR : FLOOR_FAR;
    glTexCoord2f(cell.u0, cell.v1);
    glVertex3f(x - half, y + half, z);
    glTexCoord2f(cell.u1, cell.v1);
    glVertex3f(x - half, y - half, z);
    glTexCoord2f(cell.u1, cell.v0);
    glVertex3f(x + half, y - half, z);
    glTexCoord2f(cell.u0, cell.v0);
    glVertex3f(x + half, y + half, z);
}

void draw_fx_rain_splashes(const Particle *pool)
{
    fx_draw_begin(tex_misc, GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    grey(summon_fade_level);
    glBegin(GL_QUADS);
    for (int i = 0; i < RAIN_PARTICLES; i++) {
        const Particle &p = pool[i];
        if (p.life > 0.0f)
            floor_square(p.x, p.y, SPLASH_HALF, p.life >= SPLASH_FRESH ? CELL_SPLASH : CELL_SPLASH_FADING);
    }
    glEnd();
}

// ---- blood -------------------------------------------------------------------------------------

constexpr int BLOOD_DRAWN = 25;

// Blood darkens and covers rather than brightening.
void draw_fx_blood_burst(const Particle *pool)
{
    const CameraAxes axes = fx_draw_begin(tex_misc, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glBegin(GL_QUADS);
    for (int i = 0; i < BLOOD_DRAWN; i++) {
        const Particle &p = pool[i];
        if (p.life <= 0.0f)
            continue;
        glColor4f(1.0f, 1.0f, 1.0f, p.life * LIFE_TO_LEVEL);
        const f32 at[3] = {p.x, p.y, p.z};
        facing_quad(axes, at, BLOOD_HALF, BLOOD_HALF, CELL_BLOOD, p.life * BLOOD_DRIFT);
    }
    glEnd();
}

// A stain stays opaque for its whole life and then vanishes.
void draw_fx_blood_stains(const Particle *pool)
{
    fx_draw_begin(tex_misc, GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    for (int i = 0; i < BLOOD_STAIN_PARTICLES; i++) {
        const Particle &p = pool[i];
        if (p.life > 0.0f)
            floor_square(p.x, p.y, STAIN_HALF, CELL_BLOOD);
    }
    glEnd();
}

// ---- streaks: sparks and bursts ------------------------------------------------------------------

constexpr int SPARKS_DRAWN = 25;
constexpr int BURSTS_DRAWN = 50;

// A two-unit-wide streak from p along three times its direction, turned to face the eye. A
// streak seen end-on has no side to turn to and is left out.
static void streak_draw(const Particle &p)
{
    const f32 head[3] = {p.x + STREAK_LENGTH * p.dir_x, p.y + STREAK_LENGTH * p.dir_y, p.z + STREAK_LENGTH * p.dir_z};
    f32 side[3];
    cross_product_f(draw_view.eye[0] - p.x, draw_view.eye[1] - p.y, draw_view.eye[2] - p.z, head[0] - p.x,
                    head[1] - p.y, head[2] - p.z, &side[0], &side[1], &side[2]);
    if (vector_length_f(side[0], side[1], side[2]) <= 0.0f)
        return;
    normalize_vector_f(&side[0], &side[1], &side[2]);
    const f32 u0 = CELL_SPARK.u0, u1 = CELL_SPARK.u1, v0 = CELL_SPARK.v0, v1 = CELL_SPARK.v1;
    glTexCoord2f(u0, v1);
    glVertex3f(p.x - side[0], p.y - side[1], p.z - side[2]);
    glTexCoord2f(u1, v1);
    glVertex3f(p.x + side[0], p.y + side[1], p.z + side[2]);
    glTexCoord2f(u1, v0);
    glVertex3f(head[0] + side[0], head[1] + side[1], head[2] + side[2]);
    glTexCoord2f(u0, v0);
    glVertex3f(head[0] - side[0], head[1] - side[1], head[2] - side[2]);
}

static void streaks_draw(const Particle *pool, int records, f32 r, f32 g, f32 b)
{
    glDepthFunc(GL_LEQUAL);
    fx_draw_begin(tex_misc, GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    glColor3f(r, g, b);
    glBegin(GL_QUADS);
    for (int i = 0; i < records; i++)
        if (pool[i].life > 0.0f)
            streak_draw(pool[i]);
    glEnd();
}

void draw_fx_clash_sparks(const Particle *pool)
{
    streaks_draw(pool, SPARKS_DRAWN, 1.0f, 1.0f, 1.0f);
}

// The whole burst takes its first record's tint; a burst nobody tinted is black, unseen.
void draw_fx_burst(const Particle *pool)
{
    streaks_draw(pool, BURSTS_DRAWN, pool[0].tint[0], pool[0].tint[1], pool[0].tint[2]);
}

// ---- projectile trail --------------------------------------------------------------------------

// How a thrower's trail looks: its size by life, its tint, whether it faces the camera.
struct TrailLook {
    f32 half_per_life;
    u8 purple;             // 1: red as well as blue
    u8 faces_camera;       // 1: a camera-facing quad in world space instead of the fight's plane
};

static const TrailLook trail_looks[] = {
    // half/life purple faces camera
    {0.07f, 0, 0},   // Jason
    {0.17f, 0, 0},   // Odysseus
    {0.07f, 0, 0},   // Atalanta
    {0.07f, 0, 0},   // Perseus
    {0.03f, 0, 0},   // Hippolyte
    {0.07f, 0, 0},   // Polyphemus
    {0.07f, 0, 0},   // Minotaur
    {0.07f, 1, 0},   // Medusa
    {0.07f, 1, 1},   // Sphinx
    {0.07f, 0, 0},   // Hydra
    {0.07f, 0, 0},   // Ares
    {0.07f, 0, 0},   // Atropos
};
static_assert(std::size(trail_looks) == CHARACTER_COUNT, "one row per character");

// An upright quad in the fight's plane at the record, leaning with a rising throw; its
// picture mirrors with the throw's direction.
static void trail_plane_quad(const Particle &p, f32 h, bool rising)
{
    camera_view_load();
    glTranslatef(p.x, p.y, p.z);
    const bool toward_plus_x = p.dir_x > 0.5f;
    if (rising)
        glRotatef(toward_plus_x ? -TRAIL_TURN : TRAIL_TURN, 0.0f, 1.0f, 0.0f);
    const f32 u_left = toward_plus_x ? 0.0f : 1.0f, u_right = 1.0f - u_left;
    glBegin(GL_QUADS);
    glTexCoord2f(u_left, 1.0f);
    glVertex3f(-h, 0.0f, -h);
    glTexCoord2f(u_right, 1.0f);
    glVertex3f(h, 0.0f, -h);
    glTexCoord2f(u_right, 0.0f);
    glVertex3f(h, 0.0f, h);
    glTexCoord2f(u_left, 0.0f);
    glVertex3f(-h, 0.0f, h);
    glEnd();
}

void draw_fx_projectile_trail(const Particle *pool, int side)
{
    if (side < 0 || side > 1)
        return;
    const u8 character = fighters[side].character;
    const TrailLook &look = trail_looks[character < CHARACTER_COUNT ? character : 0];
    const CameraAxes axes = fx_draw_begin(0, GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    const bool rising = pool[0].kind == PROJECTILE_RISING;
    for (int i = 0; i < PROJECTILE_TRAIL_PARTICLES; i++) {
        const Particle &p = pool[i];
        if (p.life <= 0.0f)
            continue;
        const f32 h = p.life * look.half_per_life;
        const f32 level = p.life * LIFE_TO_LEVEL;
        // A set outside the side's six pictures binds none.
        texture_table_bind(projectile_textures + PROJECTILE_TEXTURES_PER_SLOT * side, PROJECTILE_TEXTURES_PER_SLOT,
                           static_cast<u32>(static_cast<int>(p.dir_y)));
        glColor3f(look.purple ? level : 0.0f, 0.0f, level);
        if (!look.faces_camera) {
            trail_plane_quad(p, h, rising);
            continue;
        }
        const f32 at[3] = {p.x, p.y, p.z};
        const SheetCell whole = {p.dir_x < 0.5f ? 1.0f : 0.0f, p.dir_x < 0.5f ? 0.0f : 1.0f, 0.0f, 1.0f};
        glBegin(GL_QUADS);
        facing_quad(axes, at, h, h, whole);
        glEnd();
    }
}
