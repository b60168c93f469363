#include "gl_context.h"

#include <EGL/egl.h>
#include <EGL/eglext.h>
#include <GL/gl.h>

static EGLDisplay egl_display = EGL_NO_DISPLAY;
static EGLContext egl_context = EGL_NO_CONTEXT;
static EGLSurface egl_surface = EGL_NO_SURFACE;
static int egl_surface_width = GL_TEST_WIDTH, egl_surface_height = GL_TEST_HEIGHT;

void gl_test_context_size(int width, int height)
{
    egl_surface_width = width;
    egl_surface_height = height;
}

static bool gl_test_context_create()
{
    auto get_platform_display =
        reinterpret_cast<PFNEGLGETPLATFORMDISPLAYEXTPROC>(eglGetProcAddress("eglGetPlatformDisplayEXT"));
    if (!get_platform_display)
        return false;
    egl_display = get_platform_display(EGL_PLATFORM_SURFACELESS_MESA, EGL_DEFAULT_DISPLAY, nullptr);
    EGLint major, minor;
    if (egl_display == EGL_NO_DISPLAY || !eglInitialize(egl_display, &major, &minor))
        return false;
    const EGLint config_attributes[] = {
        EGL_SURFACE_TYPE, EGL_PBUFFER_BIT, EGL_RED_SIZE, 8, EGL_GREEN_SIZE, 8, EGL_BLUE_SIZE, 8,
        EGL_ALPHA_SIZE, 8, EGL_DEPTH_SIZE, 16, EGL_RENDERABLE_TYPE, EGL_OPENGL_BIT, EGL_NONE};
    EGLConfig config;
    EGLint count = 0;
    if (!eglChooseConfig(egl_display, config_attributes, &config, 1, &count) || count < 1)
        return false;
    if (!eglBindAPI(EGL_OPENGL_API))
        return false;
    egl_context = eglCreateContext(egl_display, config, EGL_NO_CONTEXT, nullptr);
    const EGLint surface_attributes[] = {EGL_WIDTH, egl_surface_width, EGL_HEIGHT, egl_surface_height, EGL_NONE};
    egl_surface = eglCreatePbufferSurface(egl_display, config, surface_attributes);
    return egl_context != EGL_NO_CONTEXT && egl_surface != EGL_NO_SURFACE;
}

bool gl_test_context_current()
{
    static bool created = gl_test_context_create();
    if (!created)
        return false;
    if (!eglMakeCurrent(egl_display, egl_surface, egl_surface, egl_context))
        return false;
    glViewport(0, 0, egl_surface_width, egl_surface_height);
    return true;
}

void gl_test_read_pixel(int x, int y, unsigned char rgba[4])
{
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(x, y, 1, 1, GL_RGBA, GL_UNSIGNED_BYTE, rgba);
}
