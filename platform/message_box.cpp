#include "platform/platform.h"

#include <allegro.h>
#include <cstdio>

int message_box_show(const char *title, const char *text)
{
    fprintf(stderr, "%s: %s\n", title, text);
    // The library's X driver shows the box with xmessage and waits for it; any other driver
    // (none started, or a console) would only print it a second time.
    if (!system_driver || system_driver->id != SYSTEM_XWINDOWS)
        return 0;
    allegro_message("%s", text);
    return 1;
}
