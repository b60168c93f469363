// The texts a player reads, printed with the built fonts where the game prints them, in its
// projection: every line ends inside the view, glyph quads never overlap, the ink gap between
// two letters is the same everywhere (to a texel), and a word gap shows as one.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "story/story.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

namespace {

// One text as the game prints it.
struct Printed {
    int font;
    float x, y, z;
    std::string text;
};

// The texts whose words and places are fixed in the game's screens (values of a row stand for
// the longest the row can show).
const Printed fixed_texts[] = {
    // title menu pages (capitals at depth 90) and their rows
    {FONT_LETTERS, -6.3f, -4, -90, "START"},
    {FONT_LETTERS, -7.6f, -9.4f, -90, "VERSUS"},
    {FONT_LETTERS, -7.6f, -14.8f, -90, "EXTRAS"},
    {FONT_LETTERS, -8.6f, -20.2f, -90, "OPTIONS"},
    {FONT_LETTERS, 20, -22.5f, -90, "EXIT"},
    {FONT_LETTERS, -6, -5.5f, -90, "VIDEO"},
    {FONT_LETTERS, -6, -10.5f, -90, "AUDIO"},
    {FONT_LETTERS, -9.8f, -15.5f, -90, "CONTROLS"},
    {FONT_LETTERS, -5, -20.5f, -90, "GAME"},
    {FONT_LETTERS, -30, -25, -90, "BACK"},
    {FONT_LETTERS, -6.2f, -5.5f, -90, "SHOP"},
    {FONT_LETTERS, -10, -10.5f, -90, "PROFILES"},
    {FONT_LETTERS, -9, -15.5f, -90, "GALLERY"},
    {FONT_LETTERS, -13, -5.5f, -90, "LOCAL\\GAME"},
    {FONT_LETTERS, -9, -10.5f, -90, "NETWORK"},
    {FONT_TEXT, -15, -6, -90, "BRIGHTNESS"},
    {FONT_TEXT, -15, -9, -90, "VSYNC"},
    {FONT_TEXT, -15, -12, -90, "SHADOWS"},
    {FONT_TEXT, 10, -12, -90, "High Quality"},
    {FONT_TEXT, -15, -15, -90, "GLOW EFFECT"},
    {FONT_TEXT, -15, -6, -90, "EFFECTS VOLUME"},
    {FONT_TEXT, -15, -9, -90, "MUSIC VOLUME"},
    {FONT_TEXT, -15, -3, -90, "DIFFICULTY"},
    {FONT_TEXT, 10, -3, -90, "Easiest"},
    {FONT_TEXT, -15, -6, -90, "TIME"},
    {FONT_TEXT, -15, -9, -90, "ROUNDS"},
    {FONT_TEXT, -15, -12, -90, "BLOOD"},
    {FONT_TEXT, -15, 0, -90, "PLAYER 2 CONTROL:"},
    {FONT_TEXT, 8, 0, -90, "KEYBOARD"},
    {FONT_TEXT, 8, 0, -90, "JOYSTICK"},
    {FONT_TEXT, -15, -3, -90, "CONFIGURE"},
    {FONT_TEXT, -15, -12, -90, "HARD SWING"},
    {FONT_TEXT, -15, -21, -90, "START/PAUSE"},
    {FONT_TEXT, -15, -24, -90, "Press a key. ESC to abort."},
    {FONT_TEXT, -15, -24, -90, "Press a joystick button. ESC to abort."},
    {FONT_TEXT, -15, -24, -90, "Press any direction."},
    {FONT_TEXT, 8, -12, -90, "JOY_2_BUTTON12"},
    // character and stage select, gallery, shop
    {FONT_LETTERS, -17, 22, -90, "CHOOSE\\PROFILE"},
    {FONT_LETTERS, -20, 22, -90, "SELECT\\YOUR\\HERO"},
    {FONT_TEXT, 16, 0, -90, "PRESS START"},
    {FONT_TEXT, -30, 0, -90, "TO JOIN!"},
    {FONT_TEXT, -10, -15, -90, "Press KICK for"},
    {FONT_TEXT, -10, -18, -90, "Alternate Color!"},
    {FONT_LETTERS, 10, -24, -90, "]]]]"},
    {FONT_LETTERS, -14, 15, -70, "STAGE SELECT"},
    {FONT_LETTERS, -8, 11.5f, -50, "GALLERY"},
    {FONT_TEXT, -34, -27, -100, "HARD SWING next image    LOW SWING previous image"},
    {FONT_TEXT, -34, -29, -100, "START to exit"},
    {FONT_TEXT, 21, -20, -70, "23/23"},
    {FONT_TEXT, -26, 12, -100, "ARTWORK"},
    {FONT_TEXT, -36.5f, 5, -100, "750 Cr"},
    {FONT_TEXT, 14, 20, -100, "PROFILES"},
    {FONT_TEXT, 12, 17, -100, "350 Cr EACH"},
    {FONT_TEXT, 8.5f, 9, -90, "NONE AVAILABLE"},
    {FONT_TEXT, -8, -6, -100, "CHARACTERS"},
    {FONT_LETTERS, -5, 11, -90, "SHOP"},
    {FONT_TEXT, -34, -28, -100, "CREDITS:"},
    {FONT_LETTERS, 20, -26, -90, "EXIT"},
    {FONT_TEXT, 10, -30, -120, "Right and Left to Rotate camera"},
    {FONT_TEXT, 10, -30, -120, "Press HARD SWING to Zoom Out"},
    {FONT_TEXT, 0, -22, -75, "Continue..."},
    // the fight's calls, pause box, versus record and the screens between fights
    {FONT_LETTERS, -7, -2, -45, "READY]"},
    {FONT_LETTERS, -7, -2, -45, "FIGHT["},
    {FONT_TEXT, -8, 4, -80, "FINAL ROUND"},
    {FONT_TEXT, -6, -5, -80, "STAGE 10"},
    {FONT_LETTERS, -15, 10, -90, "TIME EXTENDED["},
    {FONT_LETTERS, -9, -13, -45, "YOU LOSE["},
    {FONT_LETTERS, -10, -2, -45, "DOUBLE\\KO["},
    {FONT_LETTERS, -12, -2, -45, "TIME\\OVER"},
    {FONT_LETTERS, -6, -2, -45, "DRAW"},
    {FONT_LETTERS, -18, -3, -55, "I\\CHALLENGE\\YOU["},
    {FONT_TEXT, -23, 4, -60, "Hits!"},
    {FONT_TEXT, 16.2f, 4, -60, "Hits!"},
    {FONT_TEXT, 18, 25.5f, -90, "1P PLEASE WAIT..."},
    {FONT_LETTERS, -6, 4, -130, "PAUSE["},
    {FONT_LETTERS, -16, 0, -130, "RESUME"},
    {FONT_LETTERS, -16, -6, -130, "RETURN TO TITLE"},
    {FONT_LETTERS, -16, -4, -130, "MOVE CAMERA"},
    {FONT_LETTERS, -14, 2, -130, "ARE YOU SURE]"},
    {FONT_LETTERS, -12, -4, -130, "YES"},
    {FONT_LETTERS, 4, -4, -130, "NO"},
    {FONT_TEXT, 5, -15, -100, "START to return to menu"},
    {FONT_LETTERS, -17, -3, -60, "RETURN TO BATTLE!"},
    {FONT_TEXT, -7.5f, -15, -80, "PRESS START!"},
    {FONT_LETTERS, -10, -5, -40, "CONTINUE]"},
    {FONT_LETTERS, -11, 4, -40, "GAME//OVER"},
    {FONT_LETTERS, -2.5f, -5, -30, "VS"},
    {FONT_TEXT, 20, -25, -90, "Loading..."},
    {FONT_LETTERS, -40, -3, -130, "POLYPHEMUS"},
    {FONT_TEXT, -17, -26, -90, "PRESS ANY BUTTON TO CONTINUE"},
    {FONT_LETTERS, -18.5f, 4, -70, "YOU//HAVE//EARNED"},
    {FONT_LETTERS, -9.5f, -7, -70, "CREDITS"},
    {FONT_TEXT, -13, 14, -70, "TIME: 999:59:59"},
    {FONT_TEXT, -11, -18, -80, "Congratulations!"},
};

// A text cut into its lines, each printed at (x, y - step * (i % 3), z); trailing blanks of a
// line carry no ink and are left off.
void lines_add(std::vector<Printed> *out, int font, float x, float y, float step, float z, const char *text)
{
    int i = 0;
    for (const char *p = text; *p; i++) {
        const char *end = std::strchr(p, '\n');
        std::string line(p, end ? end : p + std::strlen(p));
        line.erase(line.find_last_not_of(' ') + 1);
        if (!line.empty())
            out->push_back({font, x, y - step * (i % STORY_LINES), z, line});
        if (!end)
            break;
        p = end + 1;
    }
}

// Every text the game prints from its own tables: the fixed ones above, the stage tiles,
// the names, the key names, the credits and every line of every story and biography.
std::vector<Printed> game_texts()
{
    std::vector<Printed> texts(std::begin(fixed_texts), std::end(fixed_texts));
    for (int k = 0; k < STAGE_TILES; k++) {
        const StageTile &tile = stage_tiles[k];
        texts.push_back({FONT_LETTERS, tile.name_x, 11, -90, tile.name});
        for (const StageTileLine &line : tile.lines)
            if (line.text)
                texts.push_back({FONT_TEXT, line.x, line.y, -100, line.text});
    }
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        texts.push_back({FONT_LETTERS, 10, -24, -90, character_names[id]});
        texts.push_back({FONT_LETTERS, -30, -10, -80, character_names[id]});
        lines_add(&texts, FONT_TEXT, -27, -13, 3, -70, ending_text(id));
        lines_add(&texts, FONT_TEXT, -30, -13, 3, -75, biography_text(id));
    }
    for (int code = 0; code <= SCANCODE_STORED_MAX; code++)
        texts.push_back({FONT_TEXT, 8, -21, -90, key_names[code]});
    for (int i = 0; i < credit_line_count; i++) {
        const CreditLine &line = credit_lines[i];
        int font = line.capital ? FONT_LETTERS : FONT_TEXT;
        texts.push_back({font, credit_line_x(i), line.y, line.capital ? CREDIT_CAPITAL_Z : CREDIT_TEXT_Z, line.text});
    }
    lines_add(&texts, FONT_TEXT, -27, -13, 3, -70, faction_ending_text(STORY_ARES_WON));
    lines_add(&texts, FONT_TEXT, -27, -13, 3, -70, faction_ending_text(STORY_HEROES_WON));
    lines_add(&texts, FONT_TEXT, -27, -13, 3, -70, intro_narration);
    return texts;
}

// One glyph quad as GL drew it: window x across, and the cell's part it shows.
struct Quad {
    float x0, x1, y0, y1;   // window pixels
    float s0, s1, t0, t1;   // texture coordinates
};

// Feedback reports what the view clips away in pieces, so the quads are caught through a
// projection that shows SHRINK times more around the middle, then put back on the view's scale.
constexpr float SHRINK = 4.0f;

float view_x(float caught) { return GL_TEST_WIDTH / 2 + (caught - GL_TEST_WIDTH / 2) * SHRINK; }
float view_y(float caught) { return GL_TEST_HEIGHT / 2 + (caught - GL_TEST_HEIGHT / 2) * SHRINK; }

// The quads a print sends, caught in feedback mode: each quad comes back as one polygon or as
// two triangles over the same span, which are merged again.
std::vector<Quad> printed_quads(const Printed &p)
{
    static float buffer[1 << 16];
    float projection[16];
    glMatrixMode(GL_PROJECTION);
    glGetFloatv(GL_PROJECTION_MATRIX, projection);
    glLoadIdentity();
    glScalef(1.0f / SHRINK, 1.0f / SHRINK, 1.0f);
    glMultMatrixf(projection);
    glFeedbackBuffer(static_cast<GLsizei>(std::size(buffer)), GL_3D_COLOR_TEXTURE, buffer);
    glRenderMode(GL_FEEDBACK);
    void (*const printers[FONT_COUNT])(float, float, float, const char *, ...) = {print_text, print_digits,
                                                                                  print_letters};
    printers[p.font](p.x, p.y, p.z, "%s", p.text.c_str());
    int n = glRenderMode(GL_RENDER);
    glMatrixMode(GL_PROJECTION);
    glLoadMatrixf(projection);
    glMatrixMode(GL_MODELVIEW);
    std::vector<Quad> quads;
    const int vertex_floats = 11;   // x y z, r g b a, s t r q
    for (int i = 0; i < n;) {
        if (buffer[i] != GL_POLYGON_TOKEN) {
            ADD_FAILURE() << "unexpected feedback token " << buffer[i];
            break;
        }
        int count = static_cast<int>(buffer[i + 1]);
        const float *v = &buffer[i + 2];
        Quad q = {1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f, 1e9f, -1e9f};
        for (int k = 0; k < count; k++, v += vertex_floats) {
            q.x0 = std::min(q.x0, view_x(v[0])), q.x1 = std::max(q.x1, view_x(v[0]));
            q.y0 = std::min(q.y0, view_y(v[1])), q.y1 = std::max(q.y1, view_y(v[1]));
            q.s0 = std::min(q.s0, v[7]), q.s1 = std::max(q.s1, v[7]);
            q.t0 = std::min(q.t0, v[8]), q.t1 = std::max(q.t1, v[8]);
        }
        i += 2 + count * vertex_floats;
        if (!quads.empty() && std::fabs(quads.back().x0 - q.x0) < 1e-3f && std::fabs(quads.back().x1 - q.x1) < 1e-3f &&
            std::fabs(quads.back().s0 - q.s0) < 1e-6f) {
            quads.back().y0 = std::min(quads.back().y0, q.y0);
            quads.back().y1 = std::max(quads.back().y1, q.y1);
            continue;
        }
        quads.push_back(q);
    }
    return quads;
}

// A font's atlas as GL holds it (level 0), read back from its texture.
struct Atlas {
    int width = 0, height = 0;
    std::vector<u8> rgba;
    // The light ink alone: the colour carries it (premultiplied), the alpha carries the dark
    // rim around it as well.
    u8 ink(int x, int y) const { return rgba[(static_cast<size_t>(y) * width + x) * 4]; }
};

Atlas atlas_read(u32 texture)
{
    Atlas atlas;
    glBindTexture(GL_TEXTURE_2D, texture);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &atlas.width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &atlas.height);
    atlas.rgba.resize(static_cast<size_t>(atlas.width) * atlas.height * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, atlas.rgba.data());
    return atlas;
}

constexpr int INK_ALPHA = 48;   // a texel at least this bright shows as ink

// The ink's columns inside a quad's part of the atlas, as texel offsets from where the quad
// starts sampling, and its rows as shares of the quad's height from the top; false for a quad
// without ink.
bool quad_ink(const Atlas &atlas, const Quad &q, float *left, float *right, float *top, float *bottom)
{
    float start = q.s0 * atlas.width;
    int c0 = static_cast<int>(std::floor(start + 0.5f)), c1 = static_cast<int>(std::floor(q.s1 * atlas.width + 0.5f));
    int r0 = static_cast<int>(std::floor(q.t0 * atlas.height + 0.5f)), r1 = static_cast<int>(q.t1 * atlas.height + 0.5f);
    int first = -1, last = -1, row_first = r1, row_last = -1;
    for (int c = c0; c < c1 && c < atlas.width; c++)
        for (int r = r0; r < r1 && r < atlas.height; r++)
            if (atlas.ink(c, r) >= INK_ALPHA) {
                if (first < 0)
                    first = c;
                last = c;
                row_first = std::min(row_first, r);
                row_last = std::max(row_last, r);
            }
    if (first < 0)
        return false;
    // The edge columns' coverage places the edges inside them.
    auto column_peak = [&](int c) {
        int peak = 0;
        for (int r = r0; r < r1 && r < atlas.height; r++)
            peak = std::max(peak, static_cast<int>(atlas.ink(c, r)));
        return peak / 255.0f;
    };
    *left = first + 1.0f - column_peak(first) - start;
    *right = last + column_peak(last) - start;
    *top = static_cast<float>(row_first - r0) / (r1 - r0);
    *bottom = static_cast<float>(row_last + 1 - r0) / (r1 - r0);
    return true;
}

class TextLayout : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_EQ(fonts_build(), 1);
        // The game's driver keeps the sheets at their size, as the start-up reads it.
        saved_max = gl_max_texture_size;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &gl_max_texture_size);
        std::string path = test_data_archive_path();
        ArchiveHandle archive = archive_open(path.c_str());
        ASSERT_TRUE(archive) << "run the data builder (make test does)";
        font_text_texture = texture_load(archive, "misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
        font_letters_texture = texture_load(archive, "misc/textb.tga", TEXTURE_MIPMAP_RGBA_FULL);
        font_digits_texture = texture_load(archive, "misc/number.tga", TEXTURE_MIPMAP_RGBA_FULL);
        archive_close(archive);
        ASSERT_TRUE(font_text_texture && font_letters_texture && font_digits_texture);
        draw_gl_reset();   // the game's projection on a 640 x 480 view
    }
    void TearDown() override
    {
        GLuint names[] = {font_text_texture, font_letters_texture, font_digits_texture};
        glDeleteTextures(3, names);
        font_text_texture = font_letters_texture = font_digits_texture = 0;
        fonts_free();
        gl_max_texture_size = saved_max;
        DrawTest::TearDown();
    }
    GLint saved_max = 0;
};

// The projection keeps a 4:3 view at every window size, so what fits the 640 x 480 view fits
// every resolution the launcher offers. The margin keeps ink off the very edge.
TEST_F(TextLayout, EveryTextFitsTheViewWithEvenLetterGapsAndWordGaps)
{
    const u32 textures[FONT_COUNT] = {font_text_texture, font_digits_texture, font_letters_texture};
    Atlas atlases[FONT_COUNT];
    for (int font = 0; font < FONT_COUNT; font++)
        atlases[font] = atlas_read(textures[font]);
    const float margin = GL_TEST_WIDTH * 0.01f;
    float letter_gap_min[FONT_COUNT], letter_gap_max[FONT_COUNT], word_gap_min[FONT_COUNT];
    std::fill(std::begin(letter_gap_min), std::end(letter_gap_min), 1e9f);
    std::fill(std::begin(letter_gap_max), std::end(letter_gap_max), -1e9f);
    std::fill(std::begin(word_gap_min), std::end(word_gap_min), 1e9f);
    for (const Printed &p : game_texts()) {
        SCOPED_TRACE(testing::Message() << "\"" << p.text << "\" at " << p.x << ", " << p.y << ", " << p.z);
        std::vector<Quad> quads = printed_quads(p);
        int glyphs = 0;
        for (char c : p.text)
            glyphs += font_glyph_of(p.font, c) >= 0;
        ASSERT_EQ(static_cast<int>(quads.size()), glyphs);
        // Walk the text's characters beside its quads: a character without ink between two
        // inked ones makes their gap a word gap.
        const Atlas &atlas = atlases[p.font];
        size_t q = 0;
        bool have_ink = false, blank_since = false;
        float previous_right = 0.0f, previous_x1 = -1e9f;
        for (char c : p.text) {
            if (font_glyph_of(p.font, c) < 0) {
                blank_since = true;
                continue;
            }
            const Quad &quad = quads[q++];
            EXPECT_GE(quad.x0, previous_x1 - 1e-3f) << "quads overlap at '" << c << "'";
            previous_x1 = quad.x1;
            float left, right, top, bottom;
            if (!quad_ink(atlas, quad, &left, &right, &top, &bottom)) {
                blank_since = true;
                continue;
            }
            // Ink may not reach the view's edges; the blank of a quad may.
            EXPECT_GE(quad.x0, margin) << "at '" << c << "'";
            EXPECT_LE(quad.x1, GL_TEST_WIDTH - margin) << "at '" << c << "'";
            EXPECT_GE(quad.y1 - bottom * (quad.y1 - quad.y0), 0.0f) << "at '" << c << "'";
            EXPECT_LE(quad.y1 - top * (quad.y1 - quad.y0), static_cast<float>(GL_TEST_HEIGHT)) << "at '" << c << "'";
            // Window pixels per atlas texel for this quad, to put both inks on one scale.
            float texels = (quad.s1 - quad.s0) * atlas.width;
            float scale = (quad.x1 - quad.x0) / texels;
            float ink_left = quad.x0 + left * scale;
            if (have_ink) {
                float gap = (ink_left - previous_right) / scale;
                int font = p.font;
                if (blank_since)
                    word_gap_min[font] = std::min(word_gap_min[font], gap);
                else {
                    letter_gap_min[font] = std::min(letter_gap_min[font], gap);
                    letter_gap_max[font] = std::max(letter_gap_max[font], gap);
                }
            }
            previous_right = quad.x0 + right * scale;
            have_ink = true;
            blank_since = false;
        }
    }
    for (int font = 0; font < FONT_COUNT; font++) {
        if (letter_gap_max[font] < letter_gap_min[font])
            continue;   // the digits print no two-glyph text of their own
        SCOPED_TRACE(testing::Message() << "font " << font);
        EXPECT_GT(letter_gap_min[font], 0.5f) << "letters touch";
        EXPECT_LE(letter_gap_max[font] - letter_gap_min[font], 1.01f) << "uneven gaps between letters";
        EXPECT_GT(word_gap_min[font], 2.0f * letter_gap_max[font]) << "a word gap does not show";
    }
}

// A text drawn large (20 pixels a unit) from the left edge, white on black, in the window.
constexpr int DRAW_SCALE = 20;

std::vector<u8> letters_drawn(const char *text)
{
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, GL_TEST_WIDTH / DRAW_SCALE, 0, GL_TEST_HEIGHT / DRAW_SCALE, -1, 1);
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    print_letters(1.0f, 1.0f, 0.0f, "%s", text);
    return window_pixels();
}

// Lit pixels in the window's columns [x0, x1) units over the printed line's height.
int lit_between(const std::vector<u8> &pixels, float x0, float x1)
{
    int lit = 0;
    int top = static_cast<int>((1.0f + font_layouts[FONT_LETTERS].quad_height) * DRAW_SCALE);
    for (int y = DRAW_SCALE; y < top; y++)
        for (int x = static_cast<int>(x0 * DRAW_SCALE); x < static_cast<int>(x1 * DRAW_SCALE); x++)
            lit += pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4] > 96;
    return lit;
}

// Where a character of a capital text starts and ends, in units from the window's edge.
void letters_span(const char *text, int index, float *x0, float *x1)
{
    std::string before(text, text + index);
    *x0 = 1.0f + font_text_width(FONT_LETTERS, before.c_str());
    *x1 = *x0 + font_char_advance(FONT_LETTERS, text[index]);
}

TEST_F(TextLayout, CapitalsLeaveABlankForASpaceAndDrawTheirBangAsABang)
{
    struct Case {
        const char *text;
        int space;   // index of a space
    };
    const Case cases[] = {{"STAGE SELECT", 5}, {"ARE YOU SURE]", 3}, {"ARE YOU SURE]", 7}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<u8> pixels = letters_drawn(c.text);
        float x0, x1, before0, before1, after0, after1;
        letters_span(c.text, c.space, &x0, &x1);
        letters_span(c.text, c.space - 1, &before0, &before1);
        letters_span(c.text, c.space + 1, &after0, &after1);
        EXPECT_GT(x1 - x0, 0.5f) << "the space moves the pen";
        EXPECT_EQ(lit_between(pixels, x0, x1), 0) << "ink where the space is";
        EXPECT_GT(lit_between(pixels, before0, before1), 40) << "the letter before the space";
        EXPECT_GT(lit_between(pixels, after0, after1), 40) << "the letter after it";
    }

    // '[' closes the fight's calls: down the middle of its ink, a long stroke over a short dot,
    // where a bracket shows two short arms.
    std::vector<u8> pixels = letters_drawn("FIGHT[");
    float x0, x1;
    letters_span("FIGHT[", 5, &x0, &x1);
    int first = -1, last = -1;
    for (int x = static_cast<int>(x0 * DRAW_SCALE); x < static_cast<int>(x1 * DRAW_SCALE); x++)
        if (lit_between(pixels, static_cast<float>(x) / DRAW_SCALE, static_cast<float>(x + 1) / DRAW_SCALE) > 0) {
            if (first < 0)
                first = x;
            last = x;
        }
    ASSERT_GE(first, 0) << "the mark shows";
    int middle = (first + last) / 2;
    std::vector<int> runs;   // lengths, bottom up
    bool inside = false;
    for (int y = 0; y < GL_TEST_HEIGHT; y++) {
        bool lit = pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + middle) * 4] > 96;
        if (lit && !inside)
            runs.push_back(0);
        if (lit)
            runs.back()++;
        inside = lit;
    }
    ASSERT_EQ(runs.size(), 2u) << "a stroke and a dot";
    EXPECT_GT(runs[1], 2 * runs[0]) << "the stroke stands over the dot";
    EXPECT_GT(runs[1], static_cast<int>(0.4f * font_layouts[FONT_LETTERS].quad_height * DRAW_SCALE)) << "a long stroke";
}

} // namespace

// The game's view cleared to one grey, a text printed in it as the HUD and the story print
// theirs (premultiplied white), read back.
static std::vector<u8> text_over(float grey, int font, float x, float y, float z, const char *text)
{
    draw_gl_reset();
    glDisable(GL_DEPTH_TEST);
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
    glClearColor(grey, grey, grey, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    if (font == FONT_DIGITS)
        print_digits(x, y, z, "%s", text);
    else if (font == FONT_LETTERS)
        print_letters(x, y, z, "%s", text);
    else
        print_text(x, y, z, "%s", text);
    return window_pixels();
}

constexpr int DARK_EDGE = 128;   // at least half-way from the white behind to black

// Along each row (or column) that the ink crosses over black: whether a dark pixel lies a
// few pixels out from both ends of the ink over white. Counts the lines and the edged ones.
static void edged_lines(const std::vector<u8> &on_black, const std::vector<u8> &on_white, bool columns, int *lines,
                        int *edged)
{
    const int reach = 4, across = columns ? GL_TEST_WIDTH : GL_TEST_HEIGHT, along = columns ? GL_TEST_HEIGHT : GL_TEST_WIDTH;
    auto red = [&](const std::vector<u8> &p, int line, int k) {
        int x = columns ? line : k, y = columns ? k : line;
        return p[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
    };
    *lines = *edged = 0;
    for (int line = 0; line < across; line++) {
        int first = -1, last = -1;
        for (int k = 0; k < along; k++)
            if (red(on_black, line, k) > 200)
                last = k, first = first < 0 ? k : first;
        if (first < 0)
            continue;
        bool before = false, after = false;
        for (int d = 0; d <= reach; d++) {
            before |= first - d >= 0 && red(on_white, line, first - d) < DARK_EDGE;
            after |= last + d < along && red(on_white, line, last + d) < DARK_EDGE;
        }
        ++*lines;
        *edged += before && after;
    }
}

// The clock, the combo counts, the narration and the round's calls are light ink over whatever
// the arena or the picture shows (the calls over the palest floors): over white, a dark edge
// still runs round every glyph, to its left and right and above and below it, where its ink
// shows over black.
TEST_F(TextLayout, LightTextKeepsADarkEdgeOverWhite)
{
    std::vector<Printed> cases = {
        {FONT_DIGITS, -2.5f, 17.3f, -70.0f, "0123456789"},   // the round clock's size
        {FONT_DIGITS, -12.0f, 3.0f, -30.0f, "47"},           // a combo count
        {FONT_TEXT, -23.0f, 4.0f, -60.0f, "Hits!"},
        {FONT_TEXT, -27.0f, -13.0f, -70.0f, "Medusa waits"},   // a line of narration
        {FONT_LETTERS, -9.0f, -13.0f, -45.0f, "YOU WIN["},
    };
    // The round's other calls where the fight prints them. (The menus' capitals stand on their
    // own dark boxes and banners.)
    const std::set<std::string> calls = {"READY]", "FIGHT[", "TIME EXTENDED[", "YOU LOSE[", "DOUBLE\\KO[",
                                         "TIME\\OVER", "DRAW"};
    for (const Printed &p : fixed_texts)
        if (calls.count(p.text))
            cases.push_back(p);
    ASSERT_EQ(cases.size(), 5 + calls.size());
    for (const Printed &c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<u8> on_black = text_over(0.0f, c.font, c.x, c.y, c.z, c.text.c_str());
        std::vector<u8> on_white = text_over(1.0f, c.font, c.x, c.y, c.z, c.text.c_str());
        for (int columns = 0; columns < 2; columns++) {
            int lines = 0, edged = 0;
            edged_lines(on_black, on_white, columns, &lines, &edged);
            ASSERT_GT(lines, 0) << "no ink";
            // A glyph's outermost texels may fall at its quad's edge: nearly every line, not all.
            EXPECT_GE(edged, lines * 9 / 10) << edged << " of " << lines << (columns ? " columns" : " rows");
        }
    }
}
