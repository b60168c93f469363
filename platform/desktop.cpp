#include "platform/platform.h"

#include <X11/Xlib.h>
#include <X11/extensions/xf86vmode.h>
#include <cstdlib>
#include <unistd.h>

i32 desktop_width, desktop_height;

// Our own connection: the game library's is private to its driver, and it knows no gamma.
static Display *desktop_display;
static bool desktop_display_tried;   // a display that never answered is not waited for twice

// The desktop's ramp as read at start; servers keep 256 to a few thousand entries a channel.
constexpr int SAVED_RAMP_MAX = 4096;
static u16 saved_ramp[3][SAVED_RAMP_MAX];
static int saved_ramp_size;   // 0: nothing was read, so nothing may be written

constexpr int DISPLAY_OPEN_ATTEMPTS = 5;
constexpr int DISPLAY_RETRY_US = 100000;

static Display *desktop_connection()
{
    if (!desktop_display && !desktop_display_tried) {
        desktop_display_tried = true;
        XInitThreads();   // the game library's event thread shares this process's Xlib
        // A busy server can turn a new connection away for a moment; without a display named
        // there is nothing to wait for.
        for (int attempt = 0; attempt < DISPLAY_OPEN_ATTEMPTS && !desktop_display; attempt++) {
            if (attempt > 0)
                usleep(DISPLAY_RETRY_US);
            desktop_display = XOpenDisplay(nullptr);
            if (!getenv("DISPLAY"))
                break;
        }
    }
    return desktop_display;
}

void desktop_size_query()
{
    desktop_width = desktop_height = 0;
    Display *display = desktop_connection();
    if (!display)
        return;
    int screen = DefaultScreen(display);
    desktop_width = DisplayWidth(display, screen);
    desktop_height = DisplayHeight(display, screen);
}

int desktop_gamma_save()
{
    saved_ramp_size = 0;
    Display *display = desktop_connection();
    int event_base, error_base;
    // Asking a server without the extension prints a warning; asking it first stays quiet.
    if (!display || !XF86VidModeQueryExtension(display, &event_base, &error_base))
        return 0;
    int screen = DefaultScreen(display);
    int size = 0;
    if (!XF86VidModeGetGammaRampSize(display, screen, &size) || size < 2 || size > SAVED_RAMP_MAX)
        return 0;
    if (!XF86VidModeGetGammaRamp(display, screen, size, saved_ramp[0], saved_ramp[1], saved_ramp[2]))
        return 0;
    saved_ramp_size = size;
    return 1;
}

void desktop_gamma_apply(const u16 ramp[GAMMA_RAMP_SIZE])
{
    if (!saved_ramp_size || !desktop_display)
        return;
    static u16 wide[SAVED_RAMP_MAX];
    // Nearest lower entry of the game's 256: exact when the server also has 256.
    for (int i = 0; i < saved_ramp_size; i++)
        wide[i] = ramp[i * (GAMMA_RAMP_SIZE - 1) / (saved_ramp_size - 1)];
    XF86VidModeSetGammaRamp(desktop_display, DefaultScreen(desktop_display), saved_ramp_size, wide, wide, wide);
    XFlush(desktop_display);
}

void desktop_gamma_restore()
{
    if (!saved_ramp_size || !desktop_display)
        return;
    XF86VidModeSetGammaRamp(desktop_display, DefaultScreen(desktop_display), saved_ramp_size, saved_ramp[0],
                            saved_ramp[1], saved_ramp[2]);
    XFlush(desktop_display);
}

void desktop_close()
{
    desktop_display_tried = false;
    if (!desktop_display)
        return;
    XCloseDisplay(desktop_display);
    desktop_display = nullptr;
}
