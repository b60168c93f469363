// The gallery: twenty-three pictures paged with the attack buttons, each sliding and fading
// in; START or ESC fade back to the title menu.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <allegro.h>
#include <iterator>

u32 gallery_index;
f32 gallery_fade;

constexpr f32 GALLERY_FADE_STEP = 0.05f;
constexpr f32 PULSE_FULL = 3.1415f;

static const ScreenPicture gallery_pictures[] = {
    {"galeria/atalanta.jpg", TEXTURE_CLAMP_RGB}, {"galeria/hipolita.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/jason.jpg", TEXTURE_CLAMP_RGB},    {"galeria/odiseo.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/perseo.jpg", TEXTURE_CLAMP_RGB},   {"galeria/polifemo.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/esfinge.jpg", TEXTURE_CLAMP_RGB},  {"galeria/hidra.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/medusa.jpg", TEXTURE_CLAMP_RGB},   {"galeria/minotaur.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/ares.jpg", TEXTURE_CLAMP_RGB},     {"galeria/poli2.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/apolo.jpg", TEXTURE_CLAMP_RGB},    {"galeria/artemisa.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/atenea.jpg", TEXTURE_CLAMP_RGB},   {"galeria/demeter.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/fobos.jpg", TEXTURE_CLAMP_RGB},    {"galeria/aphrodite.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/hades.jpg", TEXTURE_CLAMP_RGB},    {"galeria/hera.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/poseidon.jpg", TEXTURE_CLAMP_RGB}, {"galeria/zeus.jpg", TEXTURE_CLAMP_RGB},
    {"galeria/atropo.jpg", TEXTURE_CLAMP_RGB},
};
static_assert(std::size(gallery_pictures) == GALLERY_PICTURES, "one entry per gallery picture");

int gallery_enter()
{
    // Every visit loads the pictures afresh; what an earlier screen left is deleted first.
    if (screen_textures_load(SCREEN_SET_GALLERY, gallery_pictures, GALLERY_PICTURES) != 0)
        return 2;
    title_scroll_3 = 0.0f;
    menu_cursor = 0;
    title_scroll_1 = title_scroll_2 = 0.0f;
    menu_pulse_angle = PULSE_FULL;
    game_state = STATE_GALLERY;
    return 0;
}

// One player's HARD SWING (next) and LOW SWING (previous); a press latches that button for
// both players, so one player's press blocks the other's held button.
static void gallery_player_pages(int p)
{
    if (input_hard_swing[p] && !latch_hard_swing[p]) {
        gallery_fade = 0.0f;
        latch_hard_swing[0] = latch_hard_swing[1] = 1;
        gallery_index = gallery_index + 1 >= GALLERY_PICTURES ? 0 : gallery_index + 1;
    }
    if (input_low_swing[p] && !latch_low_swing[p]) {
        gallery_fade = 0.0f;
        latch_low_swing[0] = latch_low_swing[1] = 1;
        gallery_index = gallery_index == 0 || gallery_index >= GALLERY_PICTURES ? GALLERY_PICTURES - 1
                                                                                 : gallery_index - 1;
    }
}

static bool gallery_leave_pressed()
{
    return key[KEY_ESC] || (input_start[0] && !latch_start[0]) || (input_start[1] && !latch_start[1]);
}

TickFlow gallery_tick()
{
    if (fade_mode != FADE_NONE)
        return TICK_CONTINUES;
    gallery_player_pages(0);
    gallery_player_pages(1);
    menu_background_step();
    if (gallery_leave_pressed()) {
        paused = 0;
        latch_start[0] = latch_start[1] = 1;
        pause_confirm = 0;
        fade_out_start();   // its end returns to the title menu
        return TICK_ENDS;
    }
    gallery_fade += GALLERY_FADE_STEP;
    if (gallery_fade >= 1.0f)
        gallery_fade = 1.0f;
    return TICK_CONTINUES;
}
