// Hit, guard and clash flashes: camera-facing pictures at the point of contact, drawn over
// everything with a brightening blend, their size and brightness set by one level 0..1.
#include "combat/combat.h"

#include "combat/combat_local.h"
#include "engine/engine.h"

#include <GL/gl.h>

HitFlashScales hit_flash_scales(f32 level, f32 base)
{
    HitFlashScales s;
    s.first[0] = s.first[1] = base * (2.0f - level);
    s.first[2] = base * level;
    s.second = 2.0f * base * (1.0f - level);
    return s;
}

f32 guard_flash_scale(f32 level)
{
    return GUARD_FLASH_BASE * level;
}

// Every flash's start: its level as colour, no depth test or writes, the camera's view.
static CameraAxes flash_begin(f32 level, bool unit1_off)
{
    glColor3f(level, level, level);
    glDepthFunc(GL_ALWAYS);
    glDepthMask(GL_FALSE);
    camera_view_load();
    const CameraAxes axes = camera_axes_read();
    if (unit1_off)
        texture_unit1_off();
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    return axes;
}

// One quad round p scaled per axis, with the whole picture.
static void flash_quad(const CameraAxes &c, const f32 p[3], const f32 scale[3])
{
    static const f32 tex[4][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
    facing_quad_send(c, p, scale, tex, 0.0f);
}

static void flash_textured_quad(const CameraAxes &c, const f32 p[3], const f32 scale[3], u32 texture)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    flash_quad(c, p, scale);
    glEnd();
}

// The star that widens and flattens as it fades, the ring that grows out of it, and the star
// again at the ring's size.
static void hit_flash_at(f32 x, f32 y, f32 z, f32 level, f32 base, bool unit1_off)
{
    const CameraAxes axes = flash_begin(level, unit1_off);
    const f32 p[3] = {x, y, z};
    const HitFlashScales s = hit_flash_scales(level, base);
    const f32 second[3] = {s.second, s.second, s.second};
    flash_textured_quad(axes, p, s.first, tex_hit);
    flash_textured_quad(axes, p, second, tex_hit2);
    flash_textured_quad(axes, p, second, tex_hit);
}

void draw_hit_flash(f32 x, f32 y, f32 z, f32 level)
{
    hit_flash_at(x, y, z, level, HIT_FLASH_BASE, false);
}

void draw_hit_spark(f32 x, f32 y, f32 z, f32 level)
{
    hit_flash_at(x, y, z, level, HIT_SPARK_BASE, true);
}

// Sent twice in one batch: under the brightening blend that doubles its light.
void draw_guard_flash(f32 x, f32 y, f32 z, f32 level)
{
    const CameraAxes axes = flash_begin(level, true);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glBindTexture(GL_TEXTURE_2D, tex_guard);
    const f32 p[3] = {x, y, z};
    const f32 half = guard_flash_scale(level);
    const f32 scale[3] = {half, half, half};
    glBegin(GL_QUADS);
    flash_quad(axes, p, scale);
    flash_quad(axes, p, scale);
    glEnd();
}
