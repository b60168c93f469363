// The frame drawer: the scene of the current game state, the overlays over it, the swap.
// Drawing only: it reads what the logic tick left and writes GL alone.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "platform/platform.h"
#include "story/story.h"

#include <GL/gl.h>
#include <iterator>

// The glow's threshold in the biography viewer, by character: the bright-skinned glow less.
static const int biography_glow_levels[] = {
    150,   // Jason
    150,   // Odysseus
    170,   // Atalanta
    150,   // Perseus
    150,   // Hippolyte
    120,   // Polyphemus
    150,   // Minotaur
    150,   // Medusa
    150,   // Sphinx
    150,   // Hydra
    120,   // Ares
    150,   // Atropos
};
static_assert(std::size(biography_glow_levels) == CHARACTER_COUNT, "one glow level per character");
constexpr int BIOGRAPHY_GLOW_LEVEL_OTHER = 150;

// The fade quad covers the view at eye depth 50.
constexpr f32 FADE_QUAD_HALF_X = 25.0f;
constexpr f32 FADE_QUAD_HALF_Y = 16.0f;
constexpr f32 OVERLAY_DEPTH = -50.0f;

int biography_glow_level(int character)
{
    if (character < 0 || character >= CHARACTER_COUNT)
        return BIOGRAPHY_GLOW_LEVEL_OTHER;
    return biography_glow_levels[character];
}

void frame_3d_begin()
{
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDepthFunc(GL_LEQUAL);
}

void overlay_begin()
{
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, 0.0f);
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDepthFunc(GL_ALWAYS);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
}

static void clear_colour_and_depth()
{
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
}

// The title menu paints the whole view itself: only the depth buffer is cleared.
static void main_menu_scene()
{
    glDisable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    view_clear(GL_DEPTH_BUFFER_BIT);
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_CULL_FACE);
    glDepthFunc(GL_ALWAYS);
    title_menu_draw();
}

static void character_select_scene()
{
    clear_colour_and_depth();
    frame_3d_begin();
    glEnable(GL_LIGHTING);
    character_select_draw();
}

static void biography_figure_draw()
{
    masked_count = 0;
    fighter_draw(0);
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    if (masked_count)
        masked_polys_draw(stage_light);
}

// The biography's pre-pass: the figure alone in the 64 x 64 corner, read back for the glow.
static void biography_glow_prepass()
{
    glViewport(0, 0, GLOW_SIZE, GLOW_SIZE);
    clear_colour_and_depth();
    biography_figure_draw();
    // The figure shown is slot 0's, whoever picked it.
    glow_capture(GLOW_SUBTRACT, biography_glow_level(fighters[0].character));
    glViewport(0, 0, screen_width, screen_height);
}

// The viewed character stands in fighter record 0 with fighter model 0.
static void biography_scene()
{
    // The figure keeps its fight size; the view is brought to it instead, so that the viewer's
    // camera shows it at the viewer's size.
    f32 eye[3], centre[3];
    biography_figure_view(eye, centre);
    draw_view_set(eye, centre, camera_up_z);
    frame_3d_begin();
    glEnable(GL_LIGHTING);
    glDepthMask(GL_TRUE);
    if (glow_effect)
        biography_glow_prepass();
    clear_colour_and_depth();
    glDisable(GL_BLEND);
    biography_figure_draw();
    glEnable(GL_BLEND);
    glDisable(GL_LIGHTING);
    if (glow_effect)
        glow_draw();
    biography_overlay_draw();
}

// At most one scene matches the state. Screens whose drawers have not landed get their clears
// and GL set-up only.
static void frame_scene_draw()
{
    switch (game_state) {
    case STATE_STAGE_SELECT:
        stage_select_draw();
        break;
    case STATE_CREDITS_EARNED:
        credits_earned_draw();
        break;
    case STATE_INTRO:
    case STATE_FACTION_ENDING:
        view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        story_screen_draw();
        break;
    case STATE_SHOP:
        clear_colour_and_depth();
        shop_draw();
        break;
    case STATE_GALLERY:
        clear_colour_and_depth();
        gallery_draw();
        break;
    case STATE_CHARACTER_ENDING:
        clear_colour_and_depth();
        ending_draw();
        break;
    case STATE_CREDITS:
        credits_roll_draw();   // it clears for itself
        break;
    case STATE_MAIN_MENU:
        main_menu_scene();
        break;
    case STATE_CHARACTER_SELECT:
        character_select_scene();
        break;
    case STATE_BIOGRAPHY:
        biography_scene();
        break;
    case STATE_ROUND_INTRO:
    case STATE_FIGHT:
    case STATE_MATCH_OVER:
    case STATE_TIME_OVER:
    case STATE_CONTINUE:
        fight_scene_draw();
        break;
    default:
        break;
    }
}

void fade_quad_draw()
{
    if (fade_mode == FADE_NONE)
        return;
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    texture_unit_select(0);
    glDisable(GL_TEXTURE_2D);
    glDepthFunc(GL_ALWAYS);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(fade_colour, fade_colour, fade_colour, fade_level);
    glBegin(GL_QUADS);
    glVertex3f(-FADE_QUAD_HALF_X, FADE_QUAD_HALF_Y, OVERLAY_DEPTH);
    glVertex3f(-FADE_QUAD_HALF_X, -FADE_QUAD_HALF_Y, OVERLAY_DEPTH);
    glVertex3f(FADE_QUAD_HALF_X, -FADE_QUAD_HALF_Y, OVERLAY_DEPTH);
    glVertex3f(FADE_QUAD_HALF_X, FADE_QUAD_HALF_Y, OVERLAY_DEPTH);
    glEnd();
}

// After the scene: the state every overlay may take for granted, then the panels in their
// fixed order, the fade last so that it darkens everything.
static void frame_overlays_draw()
{
    glDisable(GL_CULL_FACE);
    glDisable(GL_BLEND);
    glDisable(GL_LIGHTING);
    texture_unit_select(0);
    glDisable(GL_TEXTURE_2D);
    overlays_draw();
    fade_quad_draw();
}

void draw_frame()
{
    // The screens' once-per-frame steps run right before their drawers.
    frame_step();
    // Every 3D drawer of this frame looks from the view the logic tick left.
    draw_view_set(camera_eye, camera_centre, camera_up_z);
    frame_scene_draw();
    round_calls_draw();
    frame_overlays_draw();
    glFlush();
    gl_window_swap();
}
