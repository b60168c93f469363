// The credits roll: thirteen pages of credits, white on black, one after another, while the
// run's tune comes up from silence; then the credits-earned screen.
#include "story/story.h"

#include "engine/engine.h"
#include "game/game.h"

#include <GL/gl.h>

#include <algorithm>
#include <iterator>

constexpr f32 CENTRED = CREDIT_CENTRED;
constexpr f32 COLUMN = CREDIT_COLUMN;
constexpr u32 CREDITS_PAGES = 13;
constexpr u32 PAGE_TICKS = 270;               // 4.5 s a page: long enough to read a name twice
constexpr u32 PAGE_FADE_TICKS = 40;           // each page fades in and out
constexpr u32 MUSIC_RISE_TICKS = 180;         // the tune comes up from silence over 3 s

// Every line is centred by its measured width (a fixed start centres a line only in the font
// it was measured in); the roles under a name keep their left edges in line as a column, and
// the column is centred as a whole.
const CreditLine credit_lines[] = {
    {0, 1, "BRISVALE", CENTRED, -2},
    {0, 0, "PRESENTED", CENTRED, -5},
    {1, 0, "A", CENTRED, 2},
    {1, 1, "TOLVENIX", CENTRED, -3},
    {1, 0, "GAME", CENTRED, -5},
    {2, 1, "TAVROSK", CENTRED, -2},
    {3, 0, "PRODUCED BY", CENTRED, 4},
    {3, 1, "LUMMERDALE", CENTRED, -2},
    {4, 0, "2D ARTWORK", COLUMN, -6},
    {4, 0, "TEXTURES", COLUMN, -8},
    {4, 0, "3D BACKGROUNDS", COLUMN, -10},
    {4, 1, "OSTELBRAND", CENTRED, -2},
    {5, 0, "PROGRAMMING", COLUMN, -6},
    {5, 0, "3D CHARACTER MODELS", COLUMN, -8},
    {5, 0, "STORY", COLUMN, -10},
    {5, 1, "DRAVEMONT", CENTRED, -2},
    {6, 0, "MUSIC BY", CENTRED, 5},
    {6, 1, "QUENRIDGE", CENTRED, -2},
    {6, 1, "DRAVEMONT", CENTRED, -8},
    {7, 0, "VOICES AND SOUND FX BY", CENTRED, 4},
    {7, 1, "FARROWICK", CENTRED, -3},
    {7, 1, "LUMMERDALE", CENTRED, -8},
    {8, 0, "SPECIAL THANKS", CENTRED, 10},
    {8, 1, "WENDROSK", CENTRED, 5.5f},
    {8, 1, "ALL\\THE\\ALLEGRO\\CREW", CENTRED, 1},
    {9, 1, "CORVALINE", CENTRED, 1},
    {9, 0, "FOR ALOGG", CENTRED, -1},
    {10, 1, "HESTRIVAL", CENTRED, 1},
    {10, 0, "FOR JPGALLEG", CENTRED, -1},
    {11, 1, "AND\\YOU", CENTRED, 1},
    {11, 1, "FOR\\PLAYING\\THIS\\GAME", CENTRED, -4},
    {12, 1, "SEE\\YOU\\NEXT\\TIME[", CENTRED, -1},
};
const int credit_line_count = static_cast<int>(std::size(credit_lines));

int credits_roll_start()
{
    game_state = STATE_CREDITS;
    story_ticks = 0;
    story_picture_index = 0;
    music_stop();
    if (music_play("musica/jason.ogg") != 0)
        return 1;
    music_set_voice_volume(0);
    return 0;
}

static void credits_roll_end()
{
    latch_start[0] = latch_start[1] = 1;
    state_ticks = 0;
    game_state = STATE_CREDITS_EARNED;
    music_set_voice_volume(0);
}

// A Start press of either player ends the roll; otherwise the pages follow each other.
void credits_roll_tick()
{
    if ((input_start[0] && !latch_start[0]) || (input_start[1] && !latch_start[1])) {
        credits_roll_end();
        return;
    }
    if (story_ticks <= MUSIC_RISE_TICKS)
        music_set_voice_volume(static_cast<int>(music_volume) * static_cast<int>(story_ticks) /
                               static_cast<int>(MUSIC_RISE_TICKS));
    story_picture_index = story_ticks / PAGE_TICKS;
    if (story_picture_index >= CREDITS_PAGES) {
        story_picture_index = CREDITS_PAGES;
        state_ticks = 0;
        game_state = STATE_CREDITS_EARNED;
    }
}

static int credit_font(const CreditLine &line)
{
    return line.capital ? FONT_LETTERS : FONT_TEXT;
}

f32 credit_line_x(int i)
{
    const CreditLine &line = credit_lines[i];
    if (line.x == CENTRED)
        return -0.5f * font_text_width(credit_font(line), line.text);
    if (line.x != COLUMN)
        return line.x;
    f32 widest = 0.0f;
    for (const CreditLine &other : credit_lines)
        if (other.page == line.page && other.x == COLUMN)
            widest = std::max(widest, font_text_width(credit_font(other), other.text));
    return -0.5f * widest;
}

// A page fades in over its first ticks and out over its last.
static f32 page_alpha()
{
    u32 into = story_ticks % PAGE_TICKS;
    u32 left = PAGE_TICKS - 1 - into;
    u32 edge = into < left ? into : left;
    return edge >= PAGE_FADE_TICKS ? 1.0f : static_cast<f32>(edge) / PAGE_FADE_TICKS;
}

void credits_roll_draw()
{
    glClearColor(0, 0, 0, 1);
    view_clear(GL_DEPTH_BUFFER_BIT | GL_COLOR_BUFFER_BIT);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_TEXTURE_2D);
    glColor4f(1, 1, 1, page_alpha());
    for (int i = 0; i < credit_line_count; i++) {
        const CreditLine &line = credit_lines[i];
        if (line.page != story_picture_index)
            continue;
        f32 x = credit_line_x(i);
        if (line.capital)
            print_letters(x, line.y, CREDIT_CAPITAL_Z, "%s", line.text);
        else
            print_text(x, line.y, CREDIT_TEXT_Z, "%s", line.text);
    }
}
