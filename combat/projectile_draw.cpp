// The projectiles in flight, each one additive textured quad; and a fighter turned to stone,
// drawn in the petrifier's stone picture.
#include "combat/combat.h"

#include "characters/characters.h"
#include "engine/engine.h"

#include <GL/gl.h>

u8 effect_skin_blink[2];

constexpr f32 RISING_TILT = 45.0f;           // degrees about the depth axis
constexpr int STONE_TEXTURE = 3;             // slot of the petrifier's projectile pictures
constexpr i16 BLINK_FROM_TICKS = 59;         // the spell's last second blinks
constexpr u8 BLINK_PERIOD = 3;               // black on one frame of three

// The camera's right and up vectors in world space, from the view's model-view rows.
struct ViewAxes {
    f32 right[3];
    f32 up[3];
};

static ViewAxes view_axes()
{
    GLfloat m[16];
    camera_view_load();
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    return {{m[0], m[4], m[8]}, {m[1], m[5], m[9]}};
}

// A projectile's four corners about its own centre: in the fight plane when flat, else
// along the camera's axes, each axis scaled by the half extent along it.
static void projectile_corners(const Projectile *proj, const ViewAxes &axes, f32 corners[4][3])
{
    static const f32 signs[4][2] = {{-1, -1}, {1, -1}, {1, 1}, {-1, 1}};   // right, up
    for (int c = 0; c < 4; c++) {
        const f32 r = signs[c][0], u = signs[c][1];
        if (proj->flat) {
            corners[c][0] = r * proj->size[0];
            corners[c][1] = 0.0f;
            corners[c][2] = u * proj->size[2];
            continue;
        }
        for (int axis = 0; axis < 3; axis++)
            corners[c][axis] = (r * axes.right[axis] + u * axes.up[axis]) * proj->size[axis];
    }
}

static void projectile_quad(int side, const ViewAxes &axes)
{
    const Projectile *proj = &projectiles[side];
    static const f32 uv_forward[4][2] = {{0, 1}, {1, 1}, {1, 0}, {0, 0}};
    static const f32 uv_backward[4][2] = {{1, 1}, {0, 1}, {0, 0}, {1, 0}};
    const f32(*uv)[2] = proj->direction == 1 ? uv_forward : uv_backward;
    f32 corners[4][3];
    projectile_corners(proj, axes, corners);
    camera_view_load();
    // A still projectile shows through the scenery it sits in.
    glDepthFunc(proj->kind == PROJECTILE_STILL ? GL_ALWAYS : GL_LEQUAL);
    glColor3f(1.0f, 1.0f, 1.0f);
    texture_table_bind(projectile_textures, PROJECTILE_TEXTURE_COUNT,
                       static_cast<u32>(PROJECTILE_TEXTURES_PER_SLOT * side + proj->texture_set + proj->frame));
    glTranslatef(proj->pos[0], proj->pos[1], proj->pos[2]);
    if (proj->kind == PROJECTILE_RISING)
        glRotatef(proj->direction == 1 ? -RISING_TILT : RISING_TILT, 0.0f, 1.0f, 0.0f);
    glBegin(GL_QUADS);
    for (int c = 0; c < 4; c++) {
        glTexCoord2f(uv[c][0], uv[c][1]);
        glVertex3fv(corners[c]);
    }
    glEnd();
}

void draw_projectiles()
{
    if (!projectile_in_flight[0] && !projectile_in_flight[1])
        return;
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    const ViewAxes axes = view_axes();
    for (int side = 0; side < 2; side++)
        if (projectile_in_flight[side])
            projectile_quad(side, axes);
    glDepthMask(GL_TRUE);
    glDepthFunc(GL_LEQUAL);
}

// Draw-only state: advances the fighter's blink counter while the spell wears off, so that
// one frame in three is black; a paused game stands the counter still and shows the stone.
static bool effect_skin_blacked_out(const Fighter *fighter)
{
    if (fighter->effect_timer > BLINK_FROM_TICKS || paused || fighter->side < 0 || fighter->side > 1)
        return false;
    u8 *blink = &effect_skin_blink[fighter->side];
    const bool black = *blink == 0;
    if (++*blink >= BLINK_PERIOD)
        *blink = 0;
    return black;
}

void draw_fighter_effect_skin(const Model *model, const Fighter *fighter, int other_side)
{
    if (!fighter || other_side < 0 || other_side > 1)
        return;
    camera_view_load();
    if (stage_light) {
        glLightfv(GL_LIGHT0, GL_POSITION, stage_light->light0_position);
        glLightfv(GL_LIGHT1, GL_POSITION, stage_light->light1_position);
    }
    texture_unit_select(0);
    texture_table_bind(projectile_textures, PROJECTILE_TEXTURE_COUNT,
                       static_cast<u32>(STONE_TEXTURE + PROJECTILE_TEXTURES_PER_SLOT * other_side));
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glEnable(GL_TEXTURE_2D);
    texture_unit1_off();
    glColor3f(1.0f, 1.0f, 1.0f);
    if (effect_skin_blacked_out(fighter)) {
        glDisable(GL_LIGHTING);
        glColor3f(0.0f, 0.0f, 0.0f);
    }
    const ModelPlacement placement = {fighter->pos_x, fighter->pos_y, fighter->pos_z,
                                      fighter->rot_x, fighter->rot_y, fighter->heading};
    model_draw_plain(&placement, model);
    glEnable(GL_LIGHTING);
}
