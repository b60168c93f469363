// The flat drawing shared by the shop, the gallery and the stage select: rectangles on the
// view plane and the title's back layers. Writes only GL.
#include "frontend/frontend_local.h"

#include "engine/engine.h"
#include "game/game.h"

#include <GL/gl.h>

constexpr f32 BACK_HALF = 25.0f;                 // layer 1 reaches past the screen
constexpr f32 BACK_1_REPEATS = 2.0f;
constexpr f32 BACK_1_BOTTOM_TINT[3] = {0.25f, 0.25f, 1.0f};
constexpr f32 BAND_HALF_WIDTH = 21.0f;
constexpr f32 BAND_TOP[2] = {15.0f, -12.0f};
constexpr f32 BAND_HEIGHT = 3.0f;
constexpr f32 BAND_REPEATS = 6.0f;
constexpr f32 BAND_ALPHA = 0.5f;

void screen_draw_begin()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_LIGHTING);
    glDisable(GL_CULL_FACE);
    glDisable(GL_FOG);
    glDepthFunc(GL_ALWAYS);
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
}

// Layer 1 with its top corners white and its bottom corners blue.
static void back_layer_1_draw()
{
    f32 s = title_scroll_1;
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_1]);
    glBegin(GL_QUADS);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTexCoord2f(s, s);
    glVertex3f(-BACK_HALF, BACK_HALF, MENU_DEPTH);
    glColor4f(BACK_1_BOTTOM_TINT[0], BACK_1_BOTTOM_TINT[1], BACK_1_BOTTOM_TINT[2], 1.0f);
    glTexCoord2f(s, s + BACK_1_REPEATS);
    glVertex3f(-BACK_HALF, -BACK_HALF, MENU_DEPTH);
    glTexCoord2f(s + BACK_1_REPEATS, s + BACK_1_REPEATS);
    glVertex3f(BACK_HALF, -BACK_HALF, MENU_DEPTH);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glTexCoord2f(s + BACK_1_REPEATS, s);
    glVertex3f(BACK_HALF, BACK_HALF, MENU_DEPTH);
    glEnd();
}

void screen_title_background_draw()
{
    back_layer_1_draw();
    glColor4f(1.0f, 1.0f, 1.0f, BAND_ALPHA);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glBindTexture(GL_TEXTURE_2D, title_textures[TITLE_BACK_2]);
    f32 t = title_scroll_2;
    for (f32 top : BAND_TOP)
        screen_rect_draw(-BAND_HALF_WIDTH, top, BAND_HALF_WIDTH, top - BAND_HEIGHT, MENU_DEPTH, -t, 0,
                         BAND_REPEATS - t, 1);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}
