#include "engine/engine.h"

#include "platform/platform.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <allegro.h>
#include <cmath>
#include <cstdio>

u16 screen_width, screen_height;
i32 window_active;
u32 glow_texture;

constexpr int WINDOW_DEPTH_BITS = 16;
constexpr int WINDOW_STENCIL_BITS = 0;
constexpr int GLOW_TEXTURE_SIZE = 64;
// The one projection of the whole game: a fixed 4:3 aspect whatever the window's shape.
constexpr double VIEW_FIELD_DEGREES = 35.0;
constexpr double VIEW_ASPECT = 1.3333;
constexpr double VIEW_NEAR = 2.0;
constexpr double VIEW_FAR = 1000.0;
constexpr float GAMMA_STEP = 0.003921569f;   // 1 / 255 as the ramp has always used it

f32 view_half_width(f32 depth)
{
    return static_cast<f32>(depth * std::tan(VIEW_FIELD_DEGREES * 0.5 * 3.14159265358979 / 180.0) * VIEW_ASPECT);
}

int video_mode_set()
{
    int fullscreen = screen_mode != 1;
    // The settings file then holds 16 for a windowed game.
    if (!fullscreen)
        colour_depth = 16;
    set_color_depth(32);   // the library's own bitmaps (screenshots)
    if (!gl_window_create("Tavrosk", screen_width, screen_height, colour_depth, WINDOW_DEPTH_BITS,
                          WINDOW_STENCIL_BITS, fullscreen)) {
        char text[64];
        snprintf(text, sizeof text, "ERROR: Can't set %d x %d x %d", screen_width, screen_height, colour_depth);
        message_box("Tavrosk", text);
        return 1;
    }
    // No activation message arrives without a window manager: the window being up is enough.
    window_active = -1;
    gl_init_state();
    if (colour_depth == 16)
        glEnable(GL_DITHER);
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    gl_window_swap();
    return 0;
}

void gl_init_state()
{
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glShadeModel(GL_SMOOTH);
    glPolygonMode(GL_FRONT_AND_BACK, GL_FILL);
    glDepthFunc(GL_LEQUAL);
    glEnable(GL_DEPTH_TEST);
    glCullFace(GL_BACK);   // the drawers switch culling itself on and off
    glPolygonOffset(1.0f, -10.0f);
    glHint(GL_PERSPECTIVE_CORRECTION_HINT, GL_NICEST);
    glHint(GL_FOG_HINT, GL_NICEST);
    // Fog is switched on only by the frame drawer, for some arenas.
    glFogi(GL_FOG_MODE, GL_EXP);
    glFogf(GL_FOG_DENSITY, 0.003f);
    glFogf(GL_FOG_START, 0.0f);
    glFogf(GL_FOG_END, 1.0f);
    glViewport(0, 0, screen_width, screen_height);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(VIEW_FIELD_DEGREES, VIEW_ASPECT, VIEW_NEAR, VIEW_FAR);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_TEXTURE_2D);
    GLuint texture = 0;
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGB8, GLOW_TEXTURE_SIZE, GLOW_TEXTURE_SIZE, 0, GL_RGB, GL_UNSIGNED_BYTE,
                 glow_read_buffer);
    glow_texture = texture;
}

void gamma_ramp_build(f32 gamma, u16 *ramp)
{
    f32 exponent = 1.0f / gamma;
    for (int i = 0; i < GAMMA_RAMP_SIZE; i++) {
        f32 level = powf(static_cast<f32>(i) * GAMMA_STEP, exponent);
        f32 entry = level * 65535.0f;
        // 255 steps of 1/255 land a hair above 1.0.
        ramp[i] = entry >= 65535.0f ? 65535 : static_cast<u16>(entry);
    }
}

void gamma_set(f32 gamma)
{
    if (!std::isfinite(gamma) || gamma <= 0.0f)
        return;
    u16 ramp[GAMMA_RAMP_SIZE];
    gamma_ramp_build(gamma, ramp);
    desktop_gamma_apply(ramp);
}
