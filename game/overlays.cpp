// The panels laid over the scene after the round calls: continue, game over, the exit
// picture, the loading panel, the versus record, the pause menu or its confirmation box; and
// the credits-earned screen. Drawing only: their slides and fades are the logic tick's values.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game_local.h"

#include <GL/gl.h>
#include <cmath>
#include <cstdio>
#include <iterator>

u32 tex_exit_picture;

constexpr f32 PANEL_Z = -50.0f;
constexpr f32 PANEL_HALF_X = 21.5f;
constexpr f32 SLIDE_DISTANCE = 32.0f;     // a slide of 1.0 moves a panel a whole view down
constexpr f32 TABLE_SLIDE_X = 40.0f;      // the record table's texts come in from the side
constexpr f32 GREY = 0.5f;

int overlay_pictures_load()
{
    tex_exit_picture = texture_load(asset_archive, "misc/exit.jpg", TEXTURE_CLAMP_RGB);
    if (!tex_exit_picture) {
        log_printf("\n     -exit picture failed!");
        return 0;
    }
    return 1;
}

void overlay_pictures_free()
{
    if (tex_exit_picture)
        glDeleteTextures(1, &tex_exit_picture);
    tex_exit_picture = 0;
}

HudSpan overlay_slide_span(f32 half_height, f32 slide)
{
    return {-half_height - SLIDE_DISTANCE * slide, half_height - SLIDE_DISTANCE * slide};
}

void credits_time_format(u32 ticks, char *out, size_t size)
{
    u32 minutes = ticks / (60 * TICKS_PER_SECOND);
    u32 seconds = ticks % (60 * TICKS_PER_SECOND) / TICKS_PER_SECOND;
    snprintf(out, size, "TOTAL TIME: %02u:%02u", minutes, seconds);
}

// A full-texture panel of `texture` faded in as `opacity` rises.
static void overlay_panel(u32 texture, f32 opacity, f32 half_x, HudSpan y, f32 z)
{
    glColor4f(1.0f, 1.0f, 1.0f, opacity);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, texture);
    hud_picture(-half_x, half_x, y.low, y.high, z);
}

static void colour_white()
{
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
}

// 1. It rises as continue_slide falls; the word CONTINUE recedes within each count.
static void continue_panel()
{
    if (!continue_active || game_state == STATE_MAIN_MENU)
        return;
    f32 s = continue_slide;
    overlay_begin();
    overlay_panel(tex_continue_back, 1.0f - music_fade, PANEL_HALF_X, overlay_slide_span(16.0f, s), PANEL_Z);
    colour_white();
    if (fade_mode != FADE_NONE) {
        print_letters(-17.0f, -3.0f, -60.0f, "RETURN TO BATTLE!");
        return;
    }
    print_text(-7.5f, -15.0f, -80.0f, "PRESS START!");
    f32 depth = -40.0f * (1.0f + static_cast<f32>(continue_ticks) / 120.0f);
    print_letters(-10.0f, 21.0f * s - 5.0f, depth, "CONTINUE]");
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f - s);
    print_digits(-2.0f, 0.0f, -35.0f, "%02d", continue_countdown);
}

// 2.
static void game_over_panel()
{
    if (game_state != STATE_GAME_OVER)
        return;
    overlay_begin();
    overlay_panel(tex_gameover_back, 1.0f - music_fade, PANEL_HALF_X, {-16.0f, 16.0f}, PANEL_Z);
    colour_white();
    print_letters(-11.0f, 4.0f, -40.0f, "GAME//OVER");
}

// 3.
static void exit_picture()
{
    if (game_state != STATE_EXIT_SCREEN)
        return;
    overlay_begin();
    overlay_panel(tex_exit_picture, 1.0f - music_fade, 21.0f, {-16.0f, 16.0f}, PANEL_Z);
}

static bool loading_panel_state()
{
    switch (game_state) {
    case STATE_MATCH_OVER:
    case STATE_STAGE_SELECT:
    case STATE_CHARACTER_SELECT:
    case STATE_ROUND_INTRO:
    case STATE_FIGHT:
        return true;
    default:
        return false;
    }
}

// A number outside the portraits binds nothing.
static void select_picture_bind(i32 picture)
{
    const u32 *slot = select_portrait_slot(picture);
    glBindTexture(GL_TEXTURE_2D, slot ? *slot : 0);
}

// 4. It slides in while the music fades out, and away as it returns in the round intro.
static void loading_panel()
{
    if (!fight_load_phase || !loading_panel_state())
        return;
    f32 m = music_fade;
    overlay_begin();
    texture_unit1_off();
    overlay_panel(tex_vs_back, 1.0f - m, PANEL_HALF_X, overlay_slide_span(16.5f, m), PANEL_Z);
    glDisable(GL_BLEND);
    colour_white();
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    select_picture_bind(ending_picture_p1);
    hud_picture(-28.0f - 40.0f * m, -3.0f - 40.0f * m, -10.0f, 15.0f, -100.0f);
    select_picture_bind(ending_picture_p2);
    hud_picture(5.0f + 40.0f * m, 30.0f + 40.0f * m, -10.0f, 15.0f, -100.0f);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f - m);
    glEnable(GL_BLEND);
    glBindTexture(GL_TEXTURE_2D, tex_logo);
    hud_picture(-16.0f, 16.0f, 16.0f, 32.0f, -100.0f);
    colour_white();
    print_letters(-2.5f, 21.0f * m - 5.0f, -30.0f, "VS");
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f - m);
    print_text(20.0f, -25.0f, -90.0f, "Loading...");
}

// The record table's rows by character; KEEP: "HYPPOLITE" is the table's own spelling.
struct RecordRow {
    const char *name;
    f32 name_y;
    f32 count_y;
};
static const RecordRow record_rows[] = {
    {"JASON", 22.0f, 19.0f},       {"ODYSSEUS", 17.0f, 15.0f},    {"ATALANTA", 12.0f, 11.0f},
    {"PERSEUS", 7.0f, 7.0f},       {"HYPPOLITE", 2.0f, 2.5f},     {"POLYPHEMUS", -3.0f, -1.8f},
    {"MINOTAUR", -8.0f, -6.0f},    {"MEDUSA", -13.0f, -10.1f},    {"SPHINX", -18.0f, -14.1f},
    {"HYDRA", -23.0f, -18.5f},     {"ARES", -28.0f, -22.9f},      {"ATROPOS", -33.0f, -27.3f},
};
static_assert(std::size(record_rows) == CHARACTER_COUNT, "one record row per character");
// x of side one's wins, losses, draws, then side two's, before the slide.
static const f32 record_count_x[] = {-4.0f, 2.0f, 8.0f, 20.0f, 26.0f, 32.0f};
// The table's depths: the names, the column heads and "PLAYER", the counts, the sides' digits.
constexpr f32 RECORD_NAME_Z = -130.0f, RECORD_HEAD_Z = -120.0f, RECORD_COUNT_Z = -110.0f, RECORD_SIDE_Z = -92.0f;

// A locked character has no row.
static bool record_row_shown(int character)
{
    switch (character) {
    case CHARACTER_MEDUSA:
        return unlocked_medusa;
    case CHARACTER_SPHINX:
        return unlocked_sphinx;
    case CHARACTER_HYDRA:
        return unlocked_hydra;
    case CHARACTER_ARES:
        return unlocked_ares;
    case CHARACTER_ATROPOS:
        return unlocked_atropos;
    default:
        return true;
    }
}

static void record_row(int character, f32 s)
{
    const RecordRow &row = record_rows[character];
    print_letters(-40.0f - TABLE_SLIDE_X * s, row.name_y, RECORD_NAME_Z, "%s", row.name);
    const u8 *counts[3] = {vs_wins, vs_losses, vs_draws};
    for (int i = 0; i < 6; i++) {
        int side = i / 3;
        u8 count = counts[i % 3][side * CHARACTER_COUNT + character];
        print_digits(TABLE_SLIDE_X * s + record_count_x[i], row.count_y, RECORD_COUNT_Z, "%02d", count);
    }
}

// Column i's middle, carried from the counts' depth to depth z, where it lies on the same line
// of sight.
static f32 record_column_middle(int i, f32 z)
{
    return (record_count_x[i] + 0.5f * font_text_width(FONT_DIGITS, "00")) * z / RECORD_COUNT_Z;
}

// Each column's W, L or D over the middle of its counts, and each side's "PLAYER" with its
// digit centred over the side's middle column, whatever the letters' widths.
static void record_heads(f32 slide)
{
    static const char *const heads[] = {"W", "L", "D"};
    for (int i = 0; i < 6; i++) {
        f32 x = record_column_middle(i, RECORD_HEAD_Z) - 0.5f * font_text_width(FONT_LETTERS, heads[i % 3]);
        print_letters(slide + x, 26.0f, RECORD_HEAD_Z, "%s", heads[i % 3]);
    }
    const f32 word = font_text_width(FONT_LETTERS, "PLAYER"), gap = font_text_width(FONT_LETTERS, " ");
    const f32 digit = font_text_width(FONT_DIGITS, "1") * RECORD_HEAD_Z / RECORD_SIDE_Z;
    for (int side = 0; side < 2; side++) {
        f32 x = record_column_middle(side * 3 + 1, RECORD_HEAD_Z) - 0.5f * (word + gap + digit);
        print_letters(slide + x, 30.0f, RECORD_HEAD_Z, "PLAYER");
        print_digits(slide + (x + word + gap) * RECORD_SIDE_Z / RECORD_HEAD_Z, 23.5f, RECORD_SIDE_Z, "%d", side + 1);
    }
}

static bool record_table_state()
{
    return game_state == STATE_MATCH_OVER || game_state == STATE_CHARACTER_SELECT ||
           game_state == STATE_ROUND_INTRO || game_state == STATE_FIGHT;
}

// 5.
static void record_table()
{
    if (!vs_record_shown || !record_table_state())
        return;
    f32 s = vs_record_alpha;
    overlay_begin();
    overlay_panel(tex_vs_back, 1.0f - s, PANEL_HALF_X, overlay_slide_span(16.5f, s), PANEL_Z);
    colour_white();
    f32 slide = TABLE_SLIDE_X * s;
    record_heads(slide);
    for (int character = 0; character < CHARACTER_COUNT; character++)
        if (record_row_shown(character))
            record_row(character, s);
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f - s);
    print_text(-17.0f, -26.0f, -90.0f, "PRESS ANY BUTTON TO CONTINUE");
}

// One shape of the pause box, its top corners in one colour and its bottom corners in another.
static void pause_box_shape(GLenum mode, f32 x0, f32 x1, f32 y0, f32 y1, const f32 top[4], const f32 bottom[4])
{
    glBegin(mode);
    glColor4fv(top);
    glVertex3f(x0, y1, PANEL_Z);
    glColor4fv(bottom);
    glVertex3f(x0, y0, PANEL_Z);
    glVertex3f(x1, y0, PANEL_Z);
    glColor4fv(top);
    glVertex3f(x1, y1, PANEL_Z);
    glEnd();
}

// The dark green box of the pause menu and of its confirmation, with its gold outline.
static void pause_box()
{
    static const f32 box_top[4] = {0.0f, 0.25f, 0.0f, 1.0f};
    static const f32 box_bottom[4] = {0.0f, 0.0f, 0.0f, 0.25f};
    static const f32 outline_top[4] = {0.8f, 0.75f, 0.3f, 1.0f};
    static const f32 outline_bottom[4] = {0.8f, 0.75f, 0.3f, 0.5f};
    glEnable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    pause_box_shape(GL_QUADS, -6.9f, 7.0f, -4.0f, 3.95f, box_top, box_bottom);
    pause_box_shape(GL_LINE_LOOP, -7.0f, 7.0f, -4.0f, 4.0f, outline_top, outline_bottom);
    glEnable(GL_TEXTURE_2D);
}

static void pause_pointer()
{
    colour_white();
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, PANEL_Z);
    texture_unit1_off();
    glBindTexture(GL_TEXTURE_2D, tex_select_panel);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    hud_picture(pointer_x, pointer_x + 4.0f, pointer_y - 4.0f, pointer_y, 0.0f);
}

static void entry_colour(bool selected)
{
    if (selected)
        colour_white();
    else
        glColor4f(GREY, GREY, GREY, 1.0f);
}

// 6. Two entries where the camera may not move (RETURN TO TITLE is then entry 1).
static void pause_menu()
{
    if (!paused || pause_confirm)
        return;
    overlay_begin();
    if (free_camera) {
        glEnable(GL_BLEND);
        colour_white();
        print_text(5.0f, -15.0f, -100.0f, "START to return to menu");
        return;
    }
    pause_box();
    glColor4f(1.0f, 1.0f, 0.0f, 1.0f);
    print_letters(-6.0f, 4.0f, -130.0f, "PAUSE[");
    entry_colour(pause_cursor == 0);
    print_letters(-16.0f, 0.0f, -130.0f, "RESUME");
    if (pause_menu_is_short()) {
        entry_colour(pause_cursor == 1);
        print_letters(-16.0f, -6.0f, -130.0f, "RETURN TO TITLE");
    } else {
        entry_colour(pause_cursor == 1);
        print_letters(-16.0f, -4.0f, -130.0f, "MOVE CAMERA");
        entry_colour(pause_cursor == 2);
        print_letters(-16.0f, -8.0f, -130.0f, "RETURN TO TITLE");
    }
    pause_pointer();
}

// 7.
static void pause_confirm_box()
{
    if (!paused || !pause_confirm)
        return;
    overlay_begin();
    pause_box();
    colour_white();
    print_letters(-14.0f, 2.0f, -130.0f, "ARE YOU SURE]");
    entry_colour(pause_confirm_cursor == 0);
    print_letters(-12.0f, -4.0f, -130.0f, "YES");
    entry_colour(pause_confirm_cursor == 1);
    print_letters(4.0f, -4.0f, -130.0f, "NO");
    pause_pointer();
}

void overlays_draw()
{
    continue_panel();
    game_over_panel();
    exit_picture();
    loading_panel();
    record_table();
    pause_menu();
    pause_confirm_box();
}

// x that centres a text of a font on the view's middle, by its measured width.
static f32 centred_x(int font, const char *text)
{
    return -0.5f * font_text_width(font, text);
}

// Every line centred by its measured width, at the heights and depths it always had.
void credits_earned_draw()
{
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    overlay_begin();
    glEnable(GL_BLEND);
    colour_white();
    print_letters(centred_x(FONT_LETTERS, "YOU//HAVE//EARNED"), 4.0f, -70.0f, "YOU//HAVE//EARNED");
    print_letters(centred_x(FONT_LETTERS, "CREDITS"), -7.0f, -70.0f, "CREDITS");
    char time_text[32];
    credits_time_format(ladder_time, time_text, sizeof time_text);
    print_text(centred_x(FONT_TEXT, time_text), 14.0f, -70.0f, "%s", time_text);
    f32 c = -cosf(menu_pulse_angle);
    glColor4f(c, c, c, 1.0f);
    char earned[16];
    snprintf(earned, sizeof earned, "%03u", credits_earned);
    print_digits(centred_x(FONT_DIGITS, earned), -1.0f, -40.0f, "%s", earned);
    colour_white();
    print_text(centred_x(FONT_TEXT, "Congratulations!"), -18.0f, -80.0f, "Congratulations!");
}
