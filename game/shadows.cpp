// Projected shadows: each fighter's posed mesh is filled into a small grey picture from a point
// on the light's line, blurred, and thrown back onto the arena's nearby floor by projective
// texturing. The same vector helpers answer whether a segment crosses a mesh (the sun flare).
#include "game/game.h"

#include "engine/engine.h"

#include <allegro.h>

#include <GL/gl.h>
#include <GL/glu.h>

#include <cmath>
#include <cstdlib>
#include <cstring>

constexpr int SHADOW_SIZE = 128;
constexpr int SHADOW_BYTES = SHADOW_SIZE * SHADOW_SIZE;
constexpr f32 SHADOW_FOV = 40.0f;               // the library's angle units, 256 to the turn
constexpr f32 DEGREES_TO_UNITS = 0.71111f;      // 256 / 360, as the placement has always used
constexpr f32 TEXTURE_FOV = 60.0f;              // degrees
constexpr int SHADOW_WHITE = 255;               // no shadow
// A full turn, a little less for rounding: the angles round a point inside add up to this.
constexpr double POINT_INSIDE_ANGLE_SUM = 6.2825569894692;

struct ShadowPair {
    BITMAP *picture;
    u8 *raw;
    u8 *blurred;
    GLuint texture;
};

// Program lifetime: made on the first shadow, freed at shutdown.
static ShadowPair shadow_pairs[2];
// Draw-only scratch: each vertex of the caster as the projector sees it, in picture pixels.
constexpr int SHADOW_CASTER_VERTICES = 65536;   // every vertex a model's u16 count can name
static int shadow_points[SHADOW_CASTER_VERTICES][2];
// Draw-only scratch: the receiver's polygons that take the current shadow.
constexpr int SHADOW_RECEIVER_POLYGONS = 65536;   // every polygon a model's u16 count can name
static u16 shadow_receiver_list[SHADOW_RECEIVER_POLYGONS];

static void shadow_pairs_make()
{
    for (ShadowPair &pair : shadow_pairs) {
        pair.picture = create_bitmap_ex(8, SHADOW_SIZE, SHADOW_SIZE);
        pair.raw = static_cast<u8 *>(std::calloc(SHADOW_BYTES, 1));
        pair.blurred = static_cast<u8 *>(std::calloc(SHADOW_BYTES, 1));
        glGenTextures(1, &pair.texture);
        glBindTexture(GL_TEXTURE_2D, pair.texture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_R, GL_CLAMP_TO_EDGE);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_LUMINANCE8, SHADOW_SIZE, SHADOW_SIZE, 0, GL_LUMINANCE, GL_UNSIGNED_BYTE,
                     pair.raw);
    }
}

void shadow_buffers_free()
{
    if (shadow_pairs[0].raw) {
        for (ShadowPair &pair : shadow_pairs) {
            std::free(pair.raw);
            std::free(pair.blurred);
            pair.raw = pair.blurred = nullptr;
        }
    }
    if (shadow_pairs[0].picture) {
        for (ShadowPair &pair : shadow_pairs) {
            if (pair.picture)
                destroy_bitmap(pair.picture);
            pair.picture = nullptr;
        }
    }
    // The textures go with the GL context.
}

void shadow_blur(const u8 *raw, u8 *blurred)
{
    // The border stays white, so the clamped texture never darkens anything beyond the picture.
    std::memset(blurred, SHADOW_WHITE, SHADOW_BYTES);
    for (int y = 1; y < SHADOW_SIZE - 1; y++)
        for (int x = 1; x < SHADOW_SIZE - 1; x++) {
            int sum = 0;
            for (int dy = -1; dy <= 1; dy++)
                for (int dx = -1; dx <= 1; dx++)
                    sum += raw[(y + dy) * SHADOW_SIZE + x + dx];
            int mean = sum / 9;
            blurred[y * SHADOW_SIZE + x] = static_cast<u8>(mean < 0 ? 0 : mean > 255 ? 255 : mean);
        }
}

// The caster seen from the projector, filled in the shadow's grey into the pair's picture.
static void shadow_rasterise(ShadowPair *pair, const ShadowCaster *caster, const f32 light[3], const f32 target[3],
                             int grey)
{
    set_projection_viewport(0, 0, SHADOW_SIZE, SHADOW_SIZE);
    MATRIX_f camera, rotation, translation, placement, full;
    get_camera_matrix_f(&camera, light[0], light[1], light[2], light[0] - target[0], light[1] - target[1],
                        light[2] - target[2], 0.0f, 0.0f, -1.0f, SHADOW_FOV, 1.0f);
    get_rotation_matrix_f(&rotation, caster->angles[0] * DEGREES_TO_UNITS, caster->angles[1] * DEGREES_TO_UNITS,
                          -caster->angles[2] * DEGREES_TO_UNITS);
    get_translation_matrix_f(&translation, target[0], target[1], target[2]);
    matrix_mul_f(&rotation, &translation, &placement);
    matrix_mul_f(&placement, &camera, &full);

    clear_to_color(pair->picture, SHADOW_WHITE);
    const Model *model = caster->model;
    // Each vertex once, however many triangles share it.
    for (int i = 0; i < model->vertex_count; i++) {
        const f32 *v = model->pos[i];
        f32 x, y, z, sx, sy;
        apply_matrix_f(&full, v[0], v[1], v[2], &x, &y, &z);
        persp_project_f(x, y, z, &sx, &sy);
        shadow_points[i][0] = static_cast<int>(sx);
        shadow_points[i][1] = static_cast<int>(sy);
    }
    for (int p = 0; p < model->polygon_count; p++) {
        const u16 *corner = model->polygons[p].corner;
        const int *a = shadow_points[corner[0]], *b = shadow_points[corner[1]], *c = shadow_points[corner[2]];
        triangle(pair->picture, a[0], a[1], b[0], b[1], c[0], c[1], grey);
    }
    for (int y = 0; y < SHADOW_SIZE; y++)
        std::memcpy(pair->raw + y * SHADOW_SIZE, pair->picture->line[y], SHADOW_SIZE);
    shadow_blur(pair->raw, pair->blurred);
    glBindTexture(GL_TEXTURE_2D, pair->texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, SHADOW_SIZE, SHADOW_SIZE, GL_LUMINANCE, GL_UNSIGNED_BYTE, pair->blurred);
}

// World coordinates generated from the camera's view, mapped by the texture matrix into the
// picture as the projector saw it; the picture multiplies what is already drawn.
static void shadow_state_begin(const ShadowPair *pair, const f32 light[3], const f32 target[3])
{
    static const GLfloat planes[4][4] = {{1, 0, 0, 0}, {0, 1, 0, 0}, {0, 0, 1, 0}, {0, 0, 0, 1}};
    static const GLenum coords[4] = {GL_S, GL_T, GL_R, GL_Q};
    static const GLenum gens[4] = {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q};
    glDisable(GL_LIGHTING);
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, pair->texture);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    camera_view_load();   // before the eye planes: they are taken in the camera's view
    for (int i = 0; i < 4; i++) {
        glTexGeni(coords[i], GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
        glTexGenfv(coords[i], GL_EYE_PLANE, planes[i]);
        glEnable(gens[i]);
    }
    glEnable(GL_BLEND);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glDepthMask(GL_FALSE);
    glEnable(GL_CULL_FACE);
    glDepthFunc(GL_LEQUAL);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glTranslatef(0.5f, 0.5f, 0.5f);
    glScalef(0.5f, 0.5f, 1.0f);
    gluPerspective(TEXTURE_FOV, 1.0, 0.0, 1.0);
    gluLookAt(light[0], light[1], light[2], target[0], target[1], target[2], 0.0, 0.0, -1.0);
    glMatrixMode(GL_MODELVIEW);
}

static void shadow_state_end()
{
    static const GLenum gens[4] = {GL_TEXTURE_GEN_S, GL_TEXTURE_GEN_T, GL_TEXTURE_GEN_R, GL_TEXTURE_GEN_Q};
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    for (GLenum gen : gens)
        glDisable(gen);
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
}

bool shadow_receives(const f32 c0[3], const f32 c1[3], const f32 c2[3], const f32 target[3], const f32 dir[3],
                     f32 reach, bool any_height)
{
    f32 e1[3], e2[3], n[3];
    vec_sub(e1, c0, c1);
    vec_sub(e2, c1, c2);
    cross_product_f(e1[0], e1[1], e1[2], e2[0], e2[1], e2[2], &n[0], &n[1], &n[2]);
    normalize_vector_f(&n[0], &n[1], &n[2]);
    f32 height = plane_eval(n, target, plane_d_from_point(n, c0));
    if (!any_height && (height <= 0.0f || height > reach))
        return false;
    return vec_dot(n, dir) > 0.0f;
}

// The arena's opaque triangles near the fighter and facing the light take the picture.
static bool shadow_receiving(const Model *receiver, int p, const f32 target[3], const f32 dir[3], f32 scale)
{
    bool any_height = stage_id == STAGE_HADES;   // Hades' floor lies far below its fighters
    const Polygon *polygon = &receiver->polygons[p];
    if (polygon->pass >= 2)
        return false;
    const f32 *c0 = receiver->rest_pos[polygon->corner[0]], *c1 = receiver->rest_pos[polygon->corner[1]],
              *c2 = receiver->rest_pos[polygon->corner[2]];
    return shadow_receives(c0, c1, c2, target, dir, scale * 0.5f, any_height);
}

// ---- the window rectangle a shadow can darken ----------------------------------------------
// Where the projected picture is white the receivers multiply what is drawn by one and change
// nothing; the texture clamps to its white border beyond the picture. So only the receivers'
// parts whose texture coordinates fall on a texel that is not white, or that the linear filter
// reaches from one, need drawing: a scissor over their window rectangle leaves the picture as
// drawing the receivers whole.

// The picture's texels that are not white, as texture coordinates the filter reaches them
// from, a texel to spare: s0, s1, t0, t1. False when every texel is white.
static bool shadow_dark_span(const u8 *blurred, double span[4])
{
    int column0 = SHADOW_SIZE, column1 = -1, row0 = SHADOW_SIZE, row1 = -1;
    for (int row = 0; row < SHADOW_SIZE; row++)
        for (int column = 0; column < SHADOW_SIZE; column++) {
            if (blurred[row * SHADOW_SIZE + column] == SHADOW_WHITE)
                continue;
            column0 = column < column0 ? column : column0;
            column1 = column > column1 ? column : column1;
            row0 = row < row0 ? row : row0;
            row1 = row > row1 ? row : row1;
        }
    if (column0 > column1)
        return false;
    span[0] = (column0 - 1.5) / SHADOW_SIZE;
    span[1] = (column1 + 2.5) / SHADOW_SIZE;
    span[2] = (row0 - 1.5) / SHADOW_SIZE;
    span[3] = (row1 + 2.5) / SHADOW_SIZE;
    return true;
}

// A corner of a receiver: its world position and its texture coordinates before the divide.
struct ShadowCorner {
    double world[3];
    double tex[4];   // s, t, r, q
};

static void matrix_apply(const double m[16], const double v[4], double out[4])
{
    for (int row = 0; row < 4; row++)
        out[row] = m[row] * v[0] + m[4 + row] * v[1] + m[8 + row] * v[2] + m[12 + row] * v[3];
}

// The polygon's part where coordinate `axis` (0 s, 1 t, 3 q) less `limit` times q is at least
// 0 (keep_above) or at most 0: with q positive at every corner, where s or t over q is at least
// or at most `limit`. Returns the corner count.
static int shadow_clip(const ShadowCorner *in, int count, int axis, double limit, bool keep_above, ShadowCorner *out)
{
    int kept = 0;
    for (int k = 0; k < count; k++) {
        const ShadowCorner &a = in[k], &b = in[(k + 1) % count];
        double fa = a.tex[axis] - limit * a.tex[3], fb = b.tex[axis] - limit * b.tex[3];
        if (!keep_above) {
            fa = -fa;
            fb = -fb;
        }
        if (fa >= 0.0)
            out[kept++] = a;
        if ((fa >= 0.0) == (fb >= 0.0))
            continue;
        double u = fa / (fa - fb);
        ShadowCorner &c = out[kept++];
        for (int i = 0; i < 3; i++)
            c.world[i] = a.world[i] + u * (b.world[i] - a.world[i]);
        for (int i = 0; i < 4; i++)
            c.tex[i] = a.tex[i] + u * (b.tex[i] - a.tex[i]);
    }
    return kept;
}

// The window rectangle a shadow can darken, grown by each receiver's part under the dark
// texels; unbounded once such a part reaches behind the camera.
struct ShadowBounds {
    bool unbounded;
    double x0, x1, y0, y1;   // window pixels; x0 > x1 while empty
};

static void shadow_bounds_add(ShadowBounds *bounds, const double eye_to_window[16], const int viewport[4],
                              const ShadowCorner *corners, int count)
{
    for (int k = 0; k < count; k++) {
        const double v[4] = {corners[k].world[0], corners[k].world[1], corners[k].world[2], 1.0};
        double clip[4];
        matrix_apply(eye_to_window, v, clip);
        if (clip[3] <= 0.0) {
            bounds->unbounded = true;
            return;
        }
        double x = viewport[0] + viewport[2] * (clip[0] / clip[3] + 1.0) * 0.5;
        double y = viewport[1] + viewport[3] * (clip[1] / clip[3] + 1.0) * 0.5;
        bounds->x0 = x < bounds->x0 ? x : bounds->x0;
        bounds->x1 = x > bounds->x1 ? x : bounds->x1;
        bounds->y0 = y < bounds->y0 ? y : bounds->y0;
        bounds->y1 = y > bounds->y1 ? y : bounds->y1;
    }
}

// The part of a triangle in front of the projector (q >= 0), or behind it, cut to the dark span
// and added to the bounds. Behind the projector the divide by a negative q mirrors the picture
// onto the floor: that part is cut with its coordinates negated, which keep their ratios.
static void shadow_part_bounds(ShadowBounds *bounds, const double eye_to_window[16], const int viewport[4],
                               const ShadowCorner triangle[3], const double span[4], bool in_front)
{
    // Each cut can add a corner: three, then at most eight.
    ShadowCorner corners[2][9];
    int kept = shadow_clip(triangle, 3, 3, 0.0, in_front, corners[0]);
    for (int k = 0; k < kept && !in_front; k++)
        for (double &coordinate : corners[0][k].tex)
            coordinate = -coordinate;
    kept = shadow_clip(corners[0], kept, 0, span[0], true, corners[1]);
    kept = shadow_clip(corners[1], kept, 0, span[1], false, corners[0]);
    kept = shadow_clip(corners[0], kept, 1, span[2], true, corners[1]);
    kept = shadow_clip(corners[1], kept, 1, span[3], false, corners[0]);
    shadow_bounds_add(bounds, eye_to_window, viewport, corners[0], kept);
}

// Each listed receiving triangle cut to the dark span in texture space, its corners taken to the
// window. Needs the camera's view and the projector's texture matrix loaded.
static ShadowBounds shadow_bounds_find(const Model *receiver, const u16 *list, int count, const double span[4])
{
    ShadowBounds bounds = {false, 1.0, 0.0, 1.0, 0.0};
    double texture[16], model[16], projection[16], eye_to_window[16];
    int viewport[4];
    glGetDoublev(GL_TEXTURE_MATRIX, texture);
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    for (int column = 0; column < 4; column++)
        matrix_apply(projection, &model[4 * column], &eye_to_window[4 * column]);
    for (int i = 0; i < count && !bounds.unbounded; i++) {
        int p = list[i];
        // Each cut can add a corner: three, then at most seven.
        ShadowCorner corners[3];
        for (int k = 0; k < 3; k++) {
            const f32 *c = receiver->rest_pos[receiver->polygons[p].corner[k]];
            const double v[4] = {c[0], c[1], c[2], 1.0};
            for (int i = 0; i < 3; i++)
                corners[k].world[i] = c[i];
            matrix_apply(texture, v, corners[k].tex);
        }
        shadow_part_bounds(&bounds, eye_to_window, viewport, corners, span, true);
        shadow_part_bounds(&bounds, eye_to_window, viewport, corners, span, false);
    }
    return bounds;
}

// The receivers, scissored to the window rectangle their dark texels can reach, with a pixel
// to spare on each side; none when the picture is all white or no receiver reaches it.
static void shadow_receivers_draw(const Model *receiver, const u8 *blurred, const f32 target[3], const f32 dir[3],
                                  f32 scale)
{
    double span[4];
    if (!shadow_dark_span(blurred, span))
        return;
    int count = 0;
    for (int p = 0; p < receiver->polygon_count; p++)
        if (shadow_receiving(receiver, p, target, dir, scale))
            shadow_receiver_list[count++] = static_cast<u16>(p);
    ShadowBounds bounds = shadow_bounds_find(receiver, shadow_receiver_list, count, span);
    if (!bounds.unbounded && bounds.x0 > bounds.x1)
        return;
    if (!bounds.unbounded) {
        int x0 = static_cast<int>(std::floor(bounds.x0)) - 1, x1 = static_cast<int>(std::ceil(bounds.x1)) + 1;
        int y0 = static_cast<int>(std::floor(bounds.y0)) - 1, y1 = static_cast<int>(std::ceil(bounds.y1)) + 1;
        glScissor(x0, y0, x1 - x0, y1 - y0);
        glEnable(GL_SCISSOR_TEST);
    }
    for (int i = 0; i < count; i++) {
        glBegin(GL_TRIANGLES);
        for (int k = 0; k < 3; k++)
            glVertex3fv(receiver->rest_pos[receiver->polygons[shadow_receiver_list[i]].corner[k]]);
        glEnd();
    }
    glDisable(GL_SCISSOR_TEST);
}

// The projector's direction (from the light towards the fighter, unit length) and position.
static void shadow_projector(const f32 light_dir[3], const f32 target[3], f32 scale, f32 dir[3], f32 light[3])
{
    dir[0] = 0.001f - light_dir[0];
    dir[1] = -light_dir[1];
    dir[2] = -light_dir[2];
    normalize_vector_f(&dir[0], &dir[1], &dir[2]);
    for (int i = 0; i < 3; i++)
        light[i] = target[i] - scale * dir[i];
}

static ShadowPair *shadow_pair(u8 pair_index)
{
    set_color_depth(8);
    if (!shadow_pairs[0].raw)
        shadow_pairs_make();
    ShadowPair *pair = &shadow_pairs[pair_index & 1];
    return pair->picture && pair->raw ? pair : nullptr;
}

void shadow_picture_make(const f32 light_dir[3], const ShadowCaster *caster, f32 strength, f32 scale, u8 pair_index)
{
    ShadowPair *pair = shadow_pair(pair_index);
    if (!pair || !caster->model)
        return;
    f32 dir[3], light[3];
    shadow_projector(light_dir, caster->pos, scale, dir, light);
    shadow_rasterise(pair, caster, light, caster->pos, static_cast<int>(strength * 255.0f));
}

void shadow_project(const f32 light_dir[3], const ShadowCaster *caster, const Model *receiver, f32 scale,
                    u8 pair_index, u8 skip)
{
    ShadowPair *pair = shadow_pair(pair_index);
    if (!pair)
        return;
    f32 dir[3], light[3];
    shadow_projector(light_dir, caster->pos, scale, dir, light);
    shadow_state_begin(pair, light, caster->pos);
    if (skip != SHADOW_SKIP && caster->model && receiver)
        shadow_receivers_draw(receiver, pair->blurred, caster->pos, dir, scale);
    shadow_state_end();
}

// ---- the segment test ------------------------------------------------------------------

f32 vec_length(f32 x, f32 y, f32 z)
{
    return std::sqrt(x * x + y * y + z * z);
}

void vec_sub(f32 out[3], const f32 a[3], const f32 b[3])
{
    for (int i = 0; i < 3; i++)
        out[i] = a[i] - b[i];
}

f32 vec_dot(const f32 a[3], const f32 b[3])
{
    return a[0] * b[0] + a[1] * b[1] + a[2] * b[2];
}

f32 vec_angle(const f32 a[3], const f32 b[3])
{
    f32 lengths = vec_length(a[0], a[1], a[2]) * vec_length(b[0], b[1], b[2]);
    if (lengths == 0.0f)
        return 0.0f;   // a corner at the point itself: no angle, never NaN
    f32 c = vec_dot(a, b) / lengths;
    return std::acos(c > 1.0f ? 1.0f : c < -1.0f ? -1.0f : c);
}

f32 plane_d_from_point(const f32 n[3], const f32 p[3])
{
    return -vec_dot(n, p);
}

f32 plane_eval(const f32 n[3], const f32 p[3], f32 d)
{
    return vec_dot(n, p) + d;
}

void line_plane_intersect(f32 out[3], const f32 a[3], const f32 b[3], const f32 n[3], f32 d)
{
    f32 u[3];
    vec_sub(u, a, b);
    normalize_vector_f(&u[0], &u[1], &u[2]);
    f32 along = vec_dot(n, u);
    f32 t = along == 0.0f ? 0.0f : -(vec_dot(n, a) + d) / along;
    for (int i = 0; i < 3; i++)
        out[i] = a[i] + t * u[i];
}

bool point_in_triangle(const f32 q[3], const f32 c0[3], const f32 c1[3], const f32 c2[3])
{
    const f32 *c[3] = {c0, c1, c2};
    double sum = 0.0;
    for (int i = 0; i < 3; i++) {
        f32 to_this[3], to_next[3];
        vec_sub(to_this, c[i], q);
        vec_sub(to_next, c[(i + 1) % 3], q);
        sum += vec_angle(to_this, to_next);
    }
    return sum >= POINT_INSIDE_ANGLE_SUM;
}

int segment_hits_mesh(const Model *model, const f32 a[3], const f32 b[3])
{
    if (!model || !model->pos)
        return 0;
    int hit = 0;
    for (int p = 0; p < model->polygon_count; p++) {
        const Polygon *polygon = &model->polygons[p];
        const f32 *c0 = model->pos[polygon->corner[0]], *c1 = model->pos[polygon->corner[1]],
                  *c2 = model->pos[polygon->corner[2]];
        f32 e1[3], e2[3], n[3];
        vec_sub(e1, c0, c1);
        vec_sub(e2, c1, c2);
        cross_product_f(e1[0], e1[1], e1[2], e2[0], e2[1], e2[2], &n[0], &n[1], &n[2]);
        normalize_vector_f(&n[0], &n[1], &n[2]);
        f32 d = plane_d_from_point(n, c0);
        // Strictly on opposite sides: a segment that only touches the plane does not cross it.
        if (!(plane_eval(n, a, d) * plane_eval(n, b, d) < 0.0f))
            continue;
        f32 q[3];
        line_plane_intersect(q, a, b, n, d);
        if (point_in_triangle(q, c0, c1, c2))
            hit = 1;
    }
    return hit;
}
