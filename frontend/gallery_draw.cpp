// The gallery's drawer: the title's back layers, the picture sliding down into place as it
// fades in, the captions and the counter. Writes only GL.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <GL/gl.h>

constexpr f32 PICTURE_HALF = 12.0f;
constexpr f32 PICTURE_WIDE_HALF = 14.0f;   // the panorama of Polyphemus
constexpr u32 PICTURE_WIDE = 11;
constexpr f32 PICTURE_SLIDE = 5.0f;        // units above its place at the start of the fade
// The title's ink stands on the band over the picture, between the picture's frame (its top
// edge at 12) and the top of the view, and centred over the picture.
constexpr f32 TITLE_X = -8, TITLE_Y = 11.5f;
constexpr f32 HELP_X = -34, HELP_Y = -27, EXIT_HELP_Y = -29, HELP_DEPTH = -100;
constexpr f32 COUNTER_X = 21, COUNTER_Y = -20, COUNTER_DEPTH = -70;

static void gallery_picture_draw()
{
    u32 index = gallery_index < GALLERY_PICTURES ? gallery_index : 0;
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, gallery_fade);
    glBindTexture(GL_TEXTURE_2D, screen_textures[index]);
    f32 half_width = index == PICTURE_WIDE ? PICTURE_WIDE_HALF : PICTURE_HALF;
    f32 d = PICTURE_SLIDE * (1.0f - gallery_fade);
    screen_rect_draw(-half_width, PICTURE_HALF + d, half_width, -PICTURE_HALF + d, MENU_DEPTH);
}

void gallery_draw()
{
    screen_draw_begin();
    screen_title_background_draw();
    gallery_picture_draw();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_letters(TITLE_X, TITLE_Y, MENU_DEPTH, "GALLERY");
    print_text(HELP_X, HELP_Y, HELP_DEPTH, "HARD SWING next image    LOW SWING previous image");
    print_text(HELP_X, EXIT_HELP_Y, HELP_DEPTH, "START to exit");
    print_text(COUNTER_X, COUNTER_Y, COUNTER_DEPTH, "%d/23", static_cast<int>(gallery_index) + 1);
}
