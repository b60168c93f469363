// Stand-ins for the logic tick, the frame drawer and the screenshot writer, so the program
// runs before the game-state machine and the drawing code exist; their own files replace this.
#include "game/game.h"

#include "engine/engine.h"
#include "platform/platform.h"

#include <GL/gl.h>

void game_tick()
{
}

void draw_frame()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glFlush();
    gl_window_swap();
}

void screenshot_save()
{
}
