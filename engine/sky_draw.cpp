// The sky panels in front of the camera, Crete's sun with its flare, and blob shadows.
#include "engine/engine.h"

#include <GL/gl.h>
#include <cmath>

// The panels' frame in eye space: pushed back, and slid by the view direction.
constexpr f32 SKY_SLIDE_X = -350.0f;
constexpr f32 SKY_RAISE = 55.0f;
constexpr f32 SKY_SLIDE_Z = -400.0f;
constexpr f32 SKY_DEPTH = -470.0f;
constexpr f32 SKY_PANEL_HALF = 200.0f;   // each panel is 400 x 400
constexpr f32 SKY_SUMMON_DIM = 0.5f;
constexpr u32 TROY_SKY_SHIFT = 1;        // Troy's sky sits one slot later

constexpr f32 SUN_DIM = 0.25f;
constexpr f32 BLOB_HALF = 10.0f;
constexpr f32 BLOB_LIFT = 0.2f;

// The view direction of unit length; zero when the eye stands on the centre (no direction).
static void view_direction(f32 d[3])
{
    f32 length_sq = 0.0f;
    for (int axis = 0; axis < 3; axis++) {
        d[axis] = draw_view.centre[axis] - draw_view.eye[axis];
        length_sq += d[axis] * d[axis];
    }
    f32 length = sqrtf(length_sq);
    for (int axis = 0; axis < 3; axis++)
        d[axis] = length > 0.0f && std::isfinite(length) ? d[axis] / length : 0.0f;
}

static void sky_panel(const StageScene *scene, u32 slot, f32 left)
{
    texture_table_bind(scene->textures, STAGE_TEXTURE_SLOTS, slot);
    f32 right = left + 2.0f * SKY_PANEL_HALF;
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(left, -SKY_PANEL_HALF, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(right, -SKY_PANEL_HALF, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(right, SKY_PANEL_HALF, 0.0f);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(left, SKY_PANEL_HALF, 0.0f);
    glEnd();
}

void sky_panorama_draw(const StageScene *scene)
{
    if (!scene)
        return;
    f32 d[3];
    view_direction(d);
    glLoadIdentity();
    glTranslatef(SKY_SLIDE_X * d[0], SKY_RAISE + SKY_SLIDE_Z * d[2], SKY_DEPTH);
    texture_unit_select(0);
    if (scene->summon_phase != 0) {
        f32 level = SKY_SUMMON_DIM * scene->summon_fade_level;
        glColor4f(level, level, level, level);
    } else {
        glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    }
    u32 first = STAGE_SLOT_SKY + (scene->stage_id == STAGE_TROY ? TROY_SKY_SHIFT : 0);
    sky_panel(scene, first, -SKY_PANEL_HALF);
    sky_panel(scene, first + 1, -3.0f * SKY_PANEL_HALF);
    sky_panel(scene, first + 2, SKY_PANEL_HALF);
}

// The camera-facing quad shared by the disc and the flare, from the view's right and up.
static void sun_quad(const StageScene *scene, u32 slot, const f32 p[3], f32 size)
{
    texture_unit_select(0);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    texture_table_bind(scene->textures, STAGE_TEXTURE_SLOTS, slot);
    glEnable(GL_TEXTURE_2D);
    camera_view_load();
    f32 m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    const f32 r[3] = {m[0], m[4], m[8]};
    const f32 u[3] = {m[1], m[5], m[9]};
    static const f32 corner_signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};   // R, U per corner
    glBegin(GL_QUADS);
    for (const f32 *sign : corner_signs) {
        glTexCoord2f(sign[0] > 0 ? 1.0f : 0.0f, sign[1] > 0 ? 1.0f : 0.0f);
        glVertex3f(p[0] + (sign[0] * r[0] + sign[1] * u[0]) * size, p[1] + (sign[0] * r[1] + sign[1] * u[1]) * size,
                   p[2] + (sign[0] * r[2] + sign[1] * u[2]) * size);
    }
    glEnd();
}

// Unit 1 must add nothing to the sun's picture.
static void sun_begin(f32 grey)
{
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    if (grey >= 0.0f)
        glColor3f(grey, grey, grey);
    if (!has_multitexture)
        return;
    texture_unit_select(1);
    glDisable(GL_TEXTURE_GEN_S);
    glDisable(GL_TEXTURE_GEN_T);
    glDisable(GL_TEXTURE_2D);
}

// The disc fades with the scene during a summon; a bright value other than 0 or 1 keeps the
// current colour (-1 here).
void sun_draw(const StageScene *scene, f32 x, f32 y, f32 z, f32 size, int bright)
{
    if (!scene)
        return;
    f32 grey = bright == 0 ? SUN_DIM * scene->summon_fade_level : bright == 1 ? scene->summon_fade_level : -1.0f;
    sun_begin(grey);
    glDepthFunc(GL_LEQUAL);
    const f32 p[3] = {x, y, z};
    sun_quad(scene, STAGE_SLOT_SUN, p, size);
}

// The flare shows through everything and does not fade; it leaves the depth test GL_ALWAYS.
void sun_flare_draw(const StageScene *scene, f32 x, f32 y, f32 z, f32 size, int bright)
{
    if (!scene)
        return;
    sun_begin(bright == 0 ? SUN_DIM : bright == 1 ? 1.0f : -1.0f);
    glDepthFunc(GL_ALWAYS);
    const f32 p[3] = {x, y, z};
    sun_quad(scene, STAGE_SLOT_FLARE, p, size);
}

void blob_shadow_draw(f32 x, f32 y)
{
    camera_view_load();
    glTranslatef(x, y, BLOB_LIFT);
    glColor3f(1.0f, 1.0f, 1.0f);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(BLOB_HALF, BLOB_HALF, 0.0f);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-BLOB_HALF, BLOB_HALF, 0.0f);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(-BLOB_HALF, -BLOB_HALF, 0.0f);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(BLOB_HALF, -BLOB_HALF, 0.0f);
    glEnd();
}
