// The view every 3D drawer starts from, and the few GL steps the drawers of all folders share.
#include "engine/engine.h"

#include <GL/gl.h>
#include <GL/glu.h>

DrawView draw_view;

constexpr f32 LIT_SKIN_RGB_SCALE = 2.0f;

void draw_view_set(const f32 eye[3], const f32 centre[3], f32 up_z)
{
    for (int axis = 0; axis < 3; axis++) {
        draw_view.eye[axis] = eye[axis];
        draw_view.centre[axis] = centre[axis];
    }
    draw_view.up_z = up_z;
}

void camera_view_load()
{
    const DrawView &v = draw_view;
    glLoadIdentity();
    gluLookAt(v.eye[0], v.eye[1], v.eye[2], v.centre[0], v.centre[1], v.centre[2], 0.0, 0.0, v.up_z);
}

void window_view_read(WindowView *view)
{
    glGetDoublev(GL_MODELVIEW_MATRIX, view->model);
    glGetDoublev(GL_PROJECTION_MATRIX, view->projection);
    glGetIntegerv(GL_VIEWPORT, view->viewport);
}

void window_view_point(const WindowView *view, double x, double y, double z, double *window_x, double *window_y)
{
    GLdouble window_z;
    gluProject(x, y, z, view->model, view->projection, view->viewport, window_x, window_y, &window_z);
}

// Nothing draws with the stencil, but the window's depth buffer may share its words with one:
// clearing the depth alone makes the software renderer keep the stencil bits of every word,
// where clearing both is a plain fill.
void view_clear(u32 buffers)
{
    if (buffers & GL_DEPTH_BUFFER_BIT)
        buffers |= GL_STENCIL_BUFFER_BIT;
    glClear(buffers);
}

void texture_unit_select(int unit)
{
    if (has_multitexture)
        gl_active_texture(GL_TEXTURE0 + unit);
}

void texture_unit1_off()
{
    if (!has_multitexture)
        return;
    gl_active_texture(GL_TEXTURE1);
    glDisable(GL_TEXTURE_2D);
    gl_active_texture(GL_TEXTURE0);
}

void tex_env_lit_skin()
{
    if (tex_env_combine != 1 && tex_env_combine != 2) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
        return;
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, LIT_SKIN_RGB_SCALE);
}

void texture_table_bind(const u32 *table, u32 count, u32 index)
{
    glBindTexture(GL_TEXTURE_2D, table && index < count ? table[index] : 0);
}

void screen_rect_vertices(f32 left, f32 top, f32 right, f32 bottom, f32 z, f32 s0, f32 t0, f32 s1, f32 t1)
{
    glTexCoord2f(s0, t0);
    glVertex3f(left, top, z);
    glTexCoord2f(s0, t1);
    glVertex3f(left, bottom, z);
    glTexCoord2f(s1, t1);
    glVertex3f(right, bottom, z);
    glTexCoord2f(s1, t0);
    glVertex3f(right, top, z);
}

void screen_rect_draw(f32 left, f32 top, f32 right, f32 bottom, f32 z, f32 s0, f32 t0, f32 s1, f32 t1)
{
    glBegin(GL_QUADS);
    screen_rect_vertices(left, top, right, bottom, z, s0, t0, s1, t1);
    glEnd();
}

void screen_rect_fill(f32 left, f32 top, f32 right, f32 bottom, f32 z)
{
    glDisable(GL_TEXTURE_2D);
    screen_rect_draw(left, top, right, bottom, z);
    glEnable(GL_TEXTURE_2D);
}
