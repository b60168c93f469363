// The fight HUD (life bars, power gauges, round markers, name plates, round clock) and the
// calls of a round printed over the fight: READY and FIGHT, the results, the combo counters
// and the invitation to join. Drawing only; the pulse of a full gauge is its one own value.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game_local.h"

#include <GL/gl.h>
#include <cmath>
#include <iterator>

f32 hud_power_pulse;

constexpr f32 HUD_Z = -HUD_DEPTH;
// Bars and gauges sample one flat corner of tex_misc.
constexpr f32 FLAT_S1 = 0.0039f;
constexpr f32 FLAT_T1 = 0.125f;
constexpr f32 LIFE_Y0 = 12.8f, LIFE_Y1 = 14.0f;
constexpr f32 LIFE_INNER_X = 1.5f;
constexpr f32 LIFE_LENGTH = 18.0f;
constexpr f32 POWER_Y0 = -13.8f, POWER_Y1 = -12.5f;
constexpr f32 POWER_OUTER_X = 18.3f;
constexpr f32 POWER_LENGTH = 7.5f;
constexpr f32 POWER_FULL = 0.999f;
constexpr f32 PULSE_STEP = 0.02f;
constexpr f32 PULSE_TOP = 0.75f;
constexpr f32 COMBO_FADE_TICKS = 30.0f;

struct Rgb3 {
    f32 r, g, b;
};
constexpr Rgb3 LIFE_COLOUR = {1.0f, 0.25f, 0.0f};
constexpr Rgb3 WHITE = {1.0f, 1.0f, 1.0f};

// The Hydra's bars by heads left (row 0 one head): the front bar's colour and the full-length
// back bar's; with one head left the back is the ordinary white lagging bar.
struct HydraBarColours {
    Rgb3 front;
    Rgb3 back;
    bool back_full;
};
static const HydraBarColours hydra_bar_colours[] = {
    {{1.0f, 0.25f, 0.0f}, {1.0f, 1.0f, 1.0f}, false},   // 1
    {{0.9f, 0.9f, 0.0f}, {1.0f, 0.25f, 0.0f}, true},    // 2
    {{0.4f, 0.9f, 0.4f}, {0.9f, 0.9f, 0.0f}, true},     // 3
    {{0.4f, 0.4f, 0.9f}, {0.4f, 0.9f, 0.4f}, true},     // 4
};
static_assert(std::size(hydra_bar_colours) == FIGHTER_HEAD_COUNT, "one row per head count");

const NamePlate name_plates[] = {
    {0.0f, 0.2f, -21.0f, -14.0f},   // Jason
    {0.5f, 0.2f, -20.0f, -13.0f},   // Odysseus
    {0.0f, 0.3f, -20.0f, -13.0f},   // Atalanta
    {0.5f, 0.4f, -20.0f, -13.0f},   // Perseus
    {0.0f, 0.1f, -20.0f, -13.0f},   // Hippolyte
    {0.5f, 0.0f, -20.0f, -13.0f},   // Polyphemus
    {0.5f, 0.5f, -20.5f, -13.5f},   // Minotaur
    {0.0f, 0.4f, -20.0f, -13.0f},   // Medusa
    {0.5f, 0.1f, -21.0f, -14.0f},   // Sphinx
    {0.5f, 0.3f, -21.0f, -14.0f},   // Hydra
    {0.0f, 0.0f, -22.0f, -15.0f},   // Ares
    {0.0f, 0.5f, -21.0f, -14.0f},   // Atropos
};
static_assert(std::size(name_plates) == CHARACTER_COUNT, "one name plate per character");
constexpr f32 PLATE_Y0 = 10.5f, PLATE_Y1 = 13.5f;

// Round markers: side one's x ranges of the first, second and third win (side two mirrored).
static const f32 marker_x[][2] = {{-7.0f, -4.0f}, {-9.0f, -6.0f}, {-11.0f, -8.0f}};
constexpr f32 MARKER_Y0 = 10.5f, MARKER_Y1 = 13.5f;

// Which rows of a frame picture hold anything but zeros: a texel of all zeros adds nothing
// under the frames' blend, so each frame is blended only over the window rows that its
// filtered texels can reach. Read back from GL once per picture (the HUD's pictures live as
// long as the program); a draw-only cache.
constexpr int HUD_COVER_MAX_ROWS = 1024;
struct HudCover {
    u32 texture;                       // the picture read, 0 none yet
    int rows;                          // its height in texels
    bool filled[HUD_COVER_MAX_ROWS];   // by row, from t = 0
};
static HudCover hud_life_cover, hud_power_cover;
constexpr int HUD_COVER_MARGIN_ROWS = 2;   // beyond the linear filter's reach of one texel
constexpr int HUD_COVER_MARGIN_PIXELS = 2;

static bool hud_row_empty(const u8 *row, int width)
{
    for (int i = 0; i < 4 * width; i++)
        if (row[i])
            return false;
    return true;
}

static void hud_cover_read(HudCover *cover, u32 texture)
{
    if (cover->texture == texture)
        return;
    Picture picture = texture_read(texture);
    // Not read: the frame is drawn whole.
    if (picture.pixels && picture.height <= HUD_COVER_MAX_ROWS) {
        cover->texture = texture;
        cover->rows = picture.height;
        for (int row = 0; row < picture.height; row++)
            cover->filled[row] = !hud_row_empty(picture.pixels + 4u * picture.width * row, picture.width);
    }
    picture_free(&picture);
}

// The rows first..last of the picture (wrapped round its edges) that are filled: the first
// and last of them into *low and *high, false when none is.
static bool hud_cover_rows(const HudCover *cover, int first, int last, int *low, int *high)
{
    *low = last + 1;
    *high = first - 1;
    for (int row = first; row <= last; row++) {
        if (!cover->filled[((row % cover->rows) + cover->rows) % cover->rows])
            continue;
        *low = row < *low ? row : *low;
        *high = row;
    }
    return *low <= *high;
}

// Scissors the window to the rows the quad's picture can change, with a margin; false when
// the whole quad is drawn (the picture not read).
static bool hud_cover_scissor(const HudCover *cover, u32 texture, f32 y0, f32 y1, f32 t0, f32 t1)
{
    if (cover->texture != texture || t0 == t1)
        return false;
    f32 rows = static_cast<f32>(cover->rows);
    f32 t_low = t0 < t1 ? t0 : t1, t_high = t0 < t1 ? t1 : t0;
    // Every row the quad's samples reach, and the margin round them.
    int first = static_cast<int>(std::floor(t_low * rows)) - 1 - HUD_COVER_MARGIN_ROWS;
    int last = static_cast<int>(std::ceil(t_high * rows)) + HUD_COVER_MARGIN_ROWS;
    int low, high;
    glEnable(GL_SCISSOR_TEST);
    if (!hud_cover_rows(cover, first, last, &low, &high)) {
        glScissor(0, 0, 0, 0);
        return true;
    }
    const f32 reach[2] = {(low - HUD_COVER_MARGIN_ROWS) / rows, (high + 1 + HUD_COVER_MARGIN_ROWS) / rows};
    double window[2][2];
    WindowView view;
    window_view_read(&view);
    // Texture t = t0 at the top edge y1, t1 at the bottom edge y0.
    for (int k = 0; k < 2; k++) {
        f32 y = y1 + (reach[k] - t0) / (t1 - t0) * (y0 - y1);
        window_view_point(&view, 0.0, y, HUD_Z, &window[k][0], &window[k][1]);
    }
    const int *viewport = view.viewport;
    double low_y = window[0][1] < window[1][1] ? window[0][1] : window[1][1];
    double high_y = window[0][1] < window[1][1] ? window[1][1] : window[0][1];
    int bottom = static_cast<int>(std::floor(low_y)) - HUD_COVER_MARGIN_PIXELS;
    int top = static_cast<int>(std::ceil(high_y)) + HUD_COVER_MARGIN_PIXELS;
    glScissor(viewport[0], bottom, viewport[2], top > bottom ? top - bottom : 0);
    return true;
}

// One frame picture's quad, blended only over the rows its cover reaches.
static void hud_frame_quad(HudCover *cover, u32 texture, f32 x0, f32 x1, f32 y0, f32 y1, f32 s0, f32 s1, f32 t0,
                           f32 t1)
{
    hud_cover_read(cover, texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    bool scissored = hud_cover_scissor(cover, texture, y0, y1, t0, t1);
    glBegin(GL_QUADS);
    screen_rect_vertices(x0, y1, x1, y0, HUD_Z, s0, t0, s1, t1);
    glEnd();
    if (scissored)
        glDisable(GL_SCISSOR_TEST);
}

void hud_picture(f32 x0, f32 x1, f32 y0, f32 y1, f32 z)
{
    glBegin(GL_QUADS);
    screen_rect_vertices(x0, y1, x1, y0, z, 0.0f, 0.0f, 1.0f, 1.0f);
    glEnd();
}

HudSpan hud_life_span(int side, f32 value)
{
    f32 length = LIFE_LENGTH * (value > 0.0f ? value : 0.0f);
    if (side == 0)
        return {-LIFE_INNER_X - length, -LIFE_INNER_X};
    return {LIFE_INNER_X, LIFE_INNER_X + length};
}

static void flat_bar(HudSpan span, f32 y0, f32 y1, Rgb3 colour)
{
    glColor3f(colour.r, colour.g, colour.b);
    screen_rect_vertices(span.low, y1, span.high, y0, HUD_Z, 0.0f, 0.0f, FLAT_S1, FLAT_T1);
}

// The lagging bar (or the Hydra's back bar), then the life bar over it.
static void life_bars(int side)
{
    const Fighter *f = &fighters[side];
    if (f->character != CHARACTER_HYDRA) {
        flat_bar(hud_life_span(side, f->life_shown), LIFE_Y0, LIFE_Y1, WHITE);
        flat_bar(hud_life_span(side, f->life), LIFE_Y0, LIFE_Y1, LIFE_COLOUR);
        return;
    }
    int head = fighter_head_index(f);
    const HydraBarColours &colours = hydra_bar_colours[head];
    f32 back = colours.back_full ? 1.0f : f->life_shown;
    flat_bar(hud_life_span(side, back), LIFE_Y0, LIFE_Y1, colours.back);
    flat_bar(hud_life_span(side, f->head_life[head]), LIFE_Y0, LIFE_Y1, colours.front);
}

static void hud_frames_blend()
{
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

static void round_markers(int side, i32 wins)
{
    if (wins < 1 || wins > 3)
        return;
    glBindTexture(GL_TEXTURE_2D, tex_marker);
    glBegin(GL_QUADS);
    for (int i = 0; i < wins; i++) {
        f32 x0 = side == 0 ? marker_x[i][0] : -marker_x[i][1];
        f32 x1 = side == 0 ? marker_x[i][1] : -marker_x[i][0];
        screen_rect_vertices(x0, MARKER_Y1, x1, MARKER_Y0, HUD_Z, 0.0f, 0.0f, 1.0f, 1.0f);
    }
    glEnd();
}

// Once per drawn frame, so a full gauge pulses faster at higher frame rates.
static void power_pulse_step()
{
    if (fighters[0].power <= POWER_FULL && fighters[1].power <= POWER_FULL)
        return;
    hud_power_pulse += PULSE_STEP;
    if (hud_power_pulse > PULSE_TOP)
        hud_power_pulse = 0.0f;
}

static void power_gauges()
{
    glDisable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, tex_misc);
    glBegin(GL_QUADS);
    for (int side = 0; side < 2; side++) {
        f32 power = fighters[side].power;
        f32 length = POWER_LENGTH * power;
        HudSpan span = side == 0 ? HudSpan{-POWER_OUTER_X, -POWER_OUTER_X + length}
                                 : HudSpan{POWER_OUTER_X - length, POWER_OUTER_X};
        f32 lift = power > POWER_FULL ? hud_power_pulse : 0.0f;
        flat_bar(span, POWER_Y0, POWER_Y1, {0.25f + lift, 0.25f + lift, 1.0f});
    }
    glEnd();
}

// Side two's frame is the same picture mirrored.
static void power_frames()
{
    hud_frames_blend();
    hud_frame_quad(&hud_power_cover, tex_powerbar, -21.0f, -10.0f, -15.0f, -10.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    hud_frame_quad(&hud_power_cover, tex_powerbar, 10.0f, 21.0f, -15.0f, -10.0f, 1.0f, 0.0f, 0.0f, 1.0f);
}

void draw_hud_bars()
{
    glDisable(GL_BLEND);
    texture_unit1_off();   // before the bind: it leaves unit 0 active
    glBindTexture(GL_TEXTURE_2D, tex_misc);
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glLoadIdentity();
    glBegin(GL_QUADS);
    life_bars(0);
    life_bars(1);
    glEnd();
    hud_frames_blend();
    hud_frame_quad(&hud_life_cover, tex_lifebar, -21.0f, 0.0f, 7.8f, 17.8f, 0.0f, 1.0f, 0.0f, 0.5f);
    hud_frame_quad(&hud_life_cover, tex_lifebar, 0.0f, 21.0f, 7.8f, 17.8f, 0.0f, 1.0f, 0.5f, 1.0f);
    round_markers(0, p1_round_wins);
    round_markers(1, p2_round_wins);
    power_pulse_step();
    power_gauges();
    power_frames();
}

// In the state draw_hud_bars leaves: blending on, colour white.
void draw_name_plates()
{
    glBindTexture(GL_TEXTURE_2D, tex_names);
    glBegin(GL_QUADS);
    for (int side = 0; side < 2; side++) {
        int character = fighters[side].character;
        if (character >= CHARACTER_COUNT)
            continue;
        const NamePlate &plate = name_plates[character];
        f32 x0 = side == 0 ? plate.x0 : -plate.x1;
        f32 x1 = side == 0 ? plate.x1 : -plate.x0;
        screen_rect_vertices(x0, PLATE_Y1, x1, PLATE_Y0, HUD_Z, plate.s0, plate.t0, plate.s0 + NAME_PLATE_CELL_S,
                             plate.t0 + NAME_PLATE_CELL_T);
    }
    glEnd();
}

static bool intro_cameras_done()
{
    return camera_sequence.side[0].done == CAMERA_DONE && camera_sequence.side[1].done == CAMERA_DONE;
}

void hud_draw()
{
    if (game_state == STATE_MATCH_OVER)
        return;
    if (game_state == STATE_ROUND_INTRO && !intro_cameras_done())
        return;
    glDepthFunc(GL_ALWAYS);
    glDisable(GL_LIGHTING);
    if (free_camera)
        return;
    draw_hud_bars();
    draw_name_plates();
    print_digits(-2.5f, 17.3f, -70.0f, "%02d", round_clock);
}

static bool fighter_at(int side, i32 action)
{
    return fighters[side].action == action;
}

static void colour_white()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

// 1. READY with FINAL ROUND or the stage number, then FIGHT.
static void intro_calls()
{
    if (game_state != STATE_ROUND_INTRO || !intro_cameras_done() || !(round_intro_timer > 0.0f))
        return;
    overlay_begin();
    colour_white();
    if (round_call_phase == 0) {
        print_letters(-7.0f, -2.0f, -45.0f, "READY]");
        if (rounds_played == 4)
            print_text(-8.0f, 4.0f, -80.0f, "FINAL ROUND");
        if (game_mode != GAME_MODE_VERSUS && game_mode != GAME_MODE_CHALLENGE)
            print_text(-6.0f, -5.0f, -80.0f, "STAGE %d", ladder_index + 1);
    } else if (round_call_phase == -1) {
        print_letters(-7.0f, -2.0f, -45.0f, "FIGHT[");
    }
}

// 2. The Hydra lost a head: the round goes on.
static void head_lost_call()
{
    if (game_state != STATE_FIGHT || paused)
        return;
    if (!fighter_at(0, ACTION_HEAD_LOST) && !fighter_at(1, ACTION_HEAD_LOST))
        return;
    overlay_begin();
    glColor4f(1.0f, 1.0f, 0.25f, 1.0f);
    print_letters(-15.0f, 10.0f, -90.0f, "TIME EXTENDED[");
}

// 3. The result, from the human's side in the one-player modes; any winner in versus.
static void result_call()
{
    if (game_state != STATE_MATCH_OVER || fighter_at(0, ACTION_KO) == fighter_at(1, ACTION_KO))
        return;
    bool two_down = fighter_at(1, ACTION_KO);
    overlay_begin();
    colour_white();
    switch (game_mode) {
    case GAME_MODE_ARCADE_P1:
        print_letters(-9.0f, -13.0f, -45.0f, two_down ? "YOU WIN[" : "YOU LOSE[");
        break;
    case GAME_MODE_ARCADE_P2:
        print_letters(-9.0f, -13.0f, -45.0f, two_down ? "YOU LOSE[" : "YOU WIN[");
        break;
    case GAME_MODE_VERSUS:
    case GAME_MODE_CHALLENGE:
        print_letters(-7.0f, -13.0f, -45.0f, "YOU WIN[");
        break;
    default:
        break;
    }
}

// 4 and 5. Both down; the clock ran out (DRAW once the time-over judged even lives).
static void double_ko_and_time_calls()
{
    if (game_state == STATE_FIGHT && fighter_at(0, ACTION_KO) && fighter_at(1, ACTION_KO)) {
        overlay_begin();
        colour_white();
        print_letters(-10.0f, -2.0f, -45.0f, "DOUBLE\\KO[");
    }
    if (game_state != STATE_TIME_OVER || fighter_knocked_out())
        return;
    overlay_begin();
    colour_white();
    if (state_ticks <= 100)
        print_letters(-12.0f, -2.0f, -45.0f, "TIME\\OVER");
    else if (std::fabs(fighters[0].life - fighters[1].life) <= 0.001f)
        print_letters(-6.0f, -2.0f, -45.0f, "DRAW");
}

// 6. The idle side joined: a dark band under the challenge.
static void challenger_call()
{
    if (game_state != STATE_FIGHT || !challenger_pending)
        return;
    overlay_begin();
    glEnable(GL_BLEND);
    glColor4f(0.0f, 0.0f, 0.0f, 0.5f);
    screen_rect_fill(-25.0f, 2.5f, 25.0f, -3.0f, HUD_Z);
    colour_white();
    print_letters(-18.0f, -3.0f, -55.0f, "I\\CHALLENGE\\YOU[");
}

ComboLayout combo_layout(int side, i32 best, i32 timer)
{
    bool two_digits = best > 9;
    ComboLayout layout;
    layout.number_format = two_digits ? "%02d" : "%d";
    f32 k = timer > COMBO_FADE_TICKS ? 1.0f : static_cast<f32>(timer) / COMBO_FADE_TICKS;
    f32 out = 1.0f - k;
    layout.alpha = k;
    if (side == 0) {
        layout.number_x = (two_digits ? -12.0f : -11.3f) - 2.0f * out;
        layout.hits_x = -23.0f - 4.0f * out;
    } else {
        layout.number_x = (two_digits ? 7.5f : 8.5f) + 2.0f * out;
        layout.hits_x = 16.2f + 4.0f * out;
    }
    return layout;
}

// 7. The combo counters fade and drift outward over their last half second.
static void combo_counters()
{
    if (game_state != STATE_FIGHT || free_camera)
        return;
    glDisable(GL_LIGHTING);
    glDepthFunc(GL_ALWAYS);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    for (int side = 0; side < 2; side++) {
        if (!combo_display_timer[side])
            continue;
        ComboLayout layout = combo_layout(side, best_combo[side], combo_display_timer[side]);
        glColor4f(1.0f, 1.0f, 1.0f, layout.alpha);
        print_digits(layout.number_x, 3.0f, -30.0f, layout.number_format, best_combo[side]);
        print_text(layout.hits_x, 4.0f, -60.0f, "Hits!");
    }
}

// 8. Over the idle side of a one-player game: the invitation, or a wait while no one may join.
static void join_texts()
{
    if (free_camera)
        return;
    if (game_state != STATE_ROUND_INTRO && game_state != STATE_FIGHT && game_state != STATE_MATCH_OVER)
        return;
    if (game_mode != GAME_MODE_ARCADE_P1 && game_mode != GAME_MODE_ARCADE_P2)
        return;
    f32 x = game_mode == GAME_MODE_ARCADE_P1 ? 15.0f : -30.0f;
    overlay_begin();
    colour_white();
    if (round_clock > 0 && game_state != STATE_ROUND_INTRO && !fighter_knocked_out())
        print_text(x, 25.5f, -90.0f, round_clock_ticks < 30 ? "PRESS START" : "TO JOIN!");
    else
        print_text(x, 25.5f, -90.0f, game_mode == GAME_MODE_ARCADE_P1 ? "2P PLEASE WAIT..." : "1P PLEASE WAIT...");
}

void round_calls_draw()
{
    intro_calls();
    head_lost_call();
    result_call();
    double_ko_and_time_calls();
    challenger_call();
    combo_counters();
    join_texts();
}
