#include "platform/platform.h"

#include <GL/glx.h>
#include <GL/glxext.h>

static PFNGLXSWAPINTERVALEXTPROC swap_interval_ext;
static PFNGLXSWAPINTERVALMESAPROC swap_interval_mesa;
static PFNGLXGETSWAPINTERVALMESAPROC get_swap_interval_mesa;
static SwapControlKind swap_control = SWAP_CONTROL_NONE;

void *gl_proc_address(const char *name)
{
    return reinterpret_cast<void *>(glXGetProcAddressARB(reinterpret_cast<const GLubyte *>(name)));
}

const char *glx_extensions()
{
    Display *display = glXGetCurrentDisplay();
    if (!display)
        return "";
    const char *list = glXQueryExtensionsString(display, DefaultScreen(display));
    return list ? list : "";
}

int swap_control_init(SwapControlKind kind)
{
    swap_control = SWAP_CONTROL_NONE;
    switch (kind) {
    case SWAP_CONTROL_EXT:
        // The EXT interval is read back through glXQueryDrawable, which every GLX 1.3 has.
        swap_interval_ext = reinterpret_cast<PFNGLXSWAPINTERVALEXTPROC>(gl_proc_address("glXSwapIntervalEXT"));
        if (!swap_interval_ext)
            return 0;
        break;
    case SWAP_CONTROL_MESA:
        swap_interval_mesa = reinterpret_cast<PFNGLXSWAPINTERVALMESAPROC>(gl_proc_address("glXSwapIntervalMESA"));
        get_swap_interval_mesa =
            reinterpret_cast<PFNGLXGETSWAPINTERVALMESAPROC>(gl_proc_address("glXGetSwapIntervalMESA"));
        if (!swap_interval_mesa || !get_swap_interval_mesa)
            return 0;
        break;
    case SWAP_CONTROL_NONE:
        return 0;
    }
    swap_control = kind;
    return 1;
}

int swap_interval_get()
{
    Display *display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    switch (swap_control) {
    case SWAP_CONTROL_EXT: {
        unsigned int interval = 0;
        if (display && drawable)
            glXQueryDrawable(display, drawable, GLX_SWAP_INTERVAL_EXT, &interval);
        return static_cast<int>(interval);
    }
    case SWAP_CONTROL_MESA:
        return get_swap_interval_mesa();
    case SWAP_CONTROL_NONE:
        break;
    }
    return 0;
}

void swap_interval_set(int interval)
{
    Display *display = glXGetCurrentDisplay();
    GLXDrawable drawable = glXGetCurrentDrawable();
    switch (swap_control) {
    case SWAP_CONTROL_EXT:
        if (display && drawable)
            swap_interval_ext(display, drawable, interval);
        break;
    case SWAP_CONTROL_MESA:
        swap_interval_mesa(interval < 0 ? 0u : static_cast<unsigned int>(interval));
        break;
    case SWAP_CONTROL_NONE:
        break;
    }
}
