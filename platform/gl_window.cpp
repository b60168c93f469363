#include "platform/platform.h"

#include <allegro.h>
#include <alleggl.h>

static bool allegro_gl_installed;
static bool gl_window_ready;   // a window and its context exist; only then is there anything to close

int gl_window_create(const char *title, int width, int height, int colour_bits, int depth_bits,
                     int stencil_bits, int fullscreen)
{
    // Installed only now: AllegroGL hides the library's plain drivers, which the dialogs use.
    if (!allegro_gl_installed) {
        if (install_allegro_gl() != 0)
            return 0;
        allegro_gl_installed = true;
    }
    allegro_gl_clear_settings();
    allegro_gl_set(AGL_COLOR_DEPTH, colour_bits);
    allegro_gl_set(AGL_Z_DEPTH, depth_bits);
    allegro_gl_set(AGL_STENCIL_DEPTH, stencil_bits);
    allegro_gl_set(AGL_DOUBLEBUFFER, TRUE);
    allegro_gl_set(fullscreen ? AGL_FULLSCREEN : AGL_WINDOWED, TRUE);
    // Requiring the depths would fail on every X server whose depth differs; requiring a
    // hardware render method would refuse Mesa's software renderers.
    allegro_gl_set(AGL_REQUIRE, AGL_DOUBLEBUFFER | (fullscreen ? AGL_FULLSCREEN : AGL_WINDOWED));
    allegro_gl_set(AGL_SUGGEST, AGL_COLOR_DEPTH | AGL_Z_DEPTH | AGL_STENCIL_DEPTH);
    set_window_title(title);
    if (set_gfx_mode(fullscreen ? GFX_OPENGL_FULLSCREEN : GFX_OPENGL_WINDOWED, width, height, 0, 0) != 0)
        return 0;
    set_window_title(title);
    gl_window_ready = true;
    return 1;
}

void gl_window_kill()
{
    if (!gl_window_ready)
        return;
    glClearColor(0.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    allegro_gl_flip();
    // Leaving the mode also gives a full-screen desktop its own video mode back.
    set_gfx_mode(GFX_TEXT, 0, 0, 0, 0);
    gl_window_ready = false;
}

void gl_window_swap()
{
    if (gl_window_ready)
        allegro_gl_flip();
}

const char *gl_window_error()
{
    return allegro_error;
}
