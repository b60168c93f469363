// Stand-ins for the frame drawer and the screenshot writer, so the program runs before the
// drawing code exists; their own files replace this one.
#include "game/game.h"

#include "engine/engine.h"
#include "platform/platform.h"

#include <GL/gl.h>

void draw_frame()
{
    frame_step();   // right before drawing, as the real drawer does
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    gl_window_swap();
}

void screenshot_save()
{
}
