// The offscreen figure drawer: a pbuffer on Mesa's surfaceless EGL platform, and the game's
// model loader, skinning and model_draw, lit by one light from the front and above.
#include "tools/databuild/figure_render.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>
#include <GL/glu.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>

static EGLDisplay render_display = EGL_NO_DISPLAY;
static EGLContext render_context = EGL_NO_CONTEXT;
static EGLSurface render_surface = EGL_NO_SURFACE;

constexpr f32 RENDER_FOV = 30.0f;        // degrees, vertical
constexpr f32 RENDER_MARGIN = 1.3f;      // room round the rest pose for the actions' reach

bool figure_render_start(int width, int height)
{
    auto get_platform_display =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!get_platform_display)
        return false;
    render_display = get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major, minor;
    if (render_display == EGL_NO_DISPLAY || !eglInitialize(render_display, &major, &minor))
        return false;
    const EGLint config_attributes[] = {
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
        EGL_ALPHA_SIZE, 8, EGL_DEPTH_SIZE, 16, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(render_display, config_attributes, &config, 1, &count) || count < 1 ||
        !eglBindAPI(EGL_OPENGL_API))
        return false;
    render_context = eglCreateContext(render_display, config, EGL_NO_CONTEXT, nullptr);
    const EGLint surface_attributes[] = {EGL_WIDTH, width, EGL_HEIGHT, height, EGL_NONE};
    render_surface = eglCreatePbufferSurface(render_display, config, surface_attributes);
    if (render_context == EGL_NO_CONTEXT || render_surface == EGL_NO_SURFACE)
        return false;
    if (!eglMakeCurrent(render_display, render_surface, render_surface, render_context))
        return false;
    return masked_polys_alloc() == 1;
}

void figure_render_stop()
{
    masked_polys_free();
    if (render_display == EGL_NO_DISPLAY)
        return;
    eglMakeCurrent(render_display, EGL_NO_SURFACE, EGL_NO_SURFACE, EGL_NO_CONTEXT);
    if (render_surface != EGL_NO_SURFACE)
        eglDestroySurface(render_display, render_surface);
    if (render_context != EGL_NO_CONTEXT)
        eglDestroyContext(render_display, render_context);
    eglTerminate(render_display);
    render_display = EGL_NO_DISPLAY;
    render_surface = EGL_NO_SURFACE;
    render_context = EGL_NO_CONTEXT;
}

static void figure_frame(RenderFigure *figure)
{
    const Model *m = figure->model;
    f32 lo[3] = {1e9f, 1e9f, 1e9f}, hi[3] = {-1e9f, -1e9f, -1e9f};
    for (int i = 0; i < m->vertex_count; i++)
        for (int k = 0; k < 3; k++) {
            lo[k] = std::min(lo[k], m->rest_pos[i][k]);
            hi[k] = std::max(hi[k], m->rest_pos[i][k]);
        }
    for (int k = 0; k < 3; k++)
        figure->centre[k] = (lo[k] + hi[k]) * 0.5f;
    f32 wide = std::max(hi[0] - lo[0], hi[1] - lo[1]);
    figure->frame = std::max(hi[2] - lo[2], wide) * RENDER_MARGIN;
}

bool figure_render_load(ArchiveHandle archive, const char *model_entry, const char *skeleton_entry,
                        const LoadStep *steps, int step_count, int outfit, RenderFigure *figure)
{
    memset(figure, 0, sizeof *figure);
    figure->model = model_load(archive, model_entry);
    if (!figure->model || !skeleton_load(&figure->skeleton, archive, skeleton_entry)) {
        fprintf(stderr, "figure_render: cannot read %s or %s\n", model_entry, skeleton_entry);
        return false;
    }
    for (int i = 0; i < step_count; i++) {
        const LoadStep &step = steps[i];
        if (step.kind != LOAD_SKIN || step.index < 0 || step.index >= static_cast<int>(SKIN_SLOT_SIZE))
            continue;
        const char *entry = outfit && step.alt_entry ? step.alt_entry : step.entry;
        figure->textures[step.index] = texture_load(archive, entry, step.mode);
    }
    figure->skin = {figure->textures, SKIN_SLOT_SIZE, 0, 0, 0};
    figure_frame(figure);
    return true;
}

void figure_render_free(RenderFigure *figure)
{
    glDeleteTextures(SKIN_SLOT_SIZE, figure->textures);
    model_free(figure->model);
    skeleton_bones_free(&figure->skeleton);
    figure->model = nullptr;
}

void figure_render_pose(RenderFigure *figure, int key)
{
    if (key < 0) {
        model_copy_rest_pose(figure->model);
        return;
    }
    figure->skeleton.key_from = figure->skeleton.key_to = static_cast<i16>(key);
    figure->skeleton.phase = 0.0f;
    model_skin(figure->model, &figure->skeleton);
}

static void render_light(StageLight *light)
{
    *light = {};
    const f32 ambient[4] = {0.45f, 0.45f, 0.48f, 1}, diffuse[4] = {0.75f, 0.72f, 0.68f, 1};
    for (int k = 0; k < 4; k++) {
        light->light0_ambient[k] = ambient[k];
        light->light0_diffuse[k] = diffuse[k];
    }
    light->light0_position[0] = -0.4f;
    light->light0_position[1] = -1.0f;
    light->light0_position[2] = 0.8f;
    const f32 none[4] = {0, 0, 0, 1}, white[4] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, none);
    glLightfv(GL_LIGHT0, GL_AMBIENT, ambient);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, diffuse);
    glLightfv(GL_LIGHT0, GL_SPECULAR, none);
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_DIFFUSE, white);
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, none);
    glEnable(GL_LIGHT0);
    glDisable(GL_LIGHT1);
    glEnable(GL_LIGHTING);
}

void figure_render_draw(const RenderFigure *figure, f32 heading, const u8 background[3], int x, int y, int w,
                        int h)
{
    glViewport(x, y, w, h);
    glScissor(x, y, w, h);
    glEnable(GL_SCISSOR_TEST);
    glClearColor(background[0] / 255.0f, background[1] / 255.0f, background[2] / 255.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(RENDER_FOV, static_cast<double>(w) / h, 1.0, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_TRUE);
    f32 distance = figure->frame * 0.5f / std::tan(RENDER_FOV * 0.5f * 3.14159265f / 180.0f);
    const f32 eye[3] = {figure->centre[0], figure->centre[1] - distance, figure->centre[2]};
    draw_view_set(eye, figure->centre, 1.0f);
    camera_view_load();
    StageLight light;
    render_light(&light);
    stage_light_send_positions(&light);
    ModelPlacement placement = {0, 0, 0, 0, 0, heading};
    masked_count = 0;
    model_draw(&placement, figure->model, &figure->skin, &light);
    masked_polys_draw(&light);
}

std::vector<u8> figure_render_read(int width, int height)
{
    std::vector<u8> rows(static_cast<size_t>(width) * height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, rows.data());
    // GL reads bottom row first.
    std::vector<u8> top_first(rows.size());
    size_t stride = static_cast<size_t>(width) * 4;
    for (int r = 0; r < height; r++)
        memcpy(&top_first[r * stride], &rows[(height - 1 - r) * stride], stride);
    return top_first;
}
