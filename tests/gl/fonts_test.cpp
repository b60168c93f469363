#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/feedback.h"
#include "support/gl_context.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <vector>

// One unit of eye space is PIXELS_PER_UNIT pixels of the read-back picture.
constexpr int PIXELS_PER_UNIT = 10;

class Fonts : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        draw_gl_reset();   // whatever state and depth an earlier test's drawing left
        ASSERT_EQ(fonts_build(), 1);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(0, GL_TEST_WIDTH / PIXELS_PER_UNIT, 0, GL_TEST_HEIGHT / PIXELS_PER_UNIT, -20, 20);
        glMatrixMode(GL_MODELVIEW);
        glDisable(GL_BLEND);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    void TearDown() override { fonts_free(); }
};

static void modelview(float m[16])
{
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
}

TEST_F(Fonts, ListBlocksAreSeparate)
{
    EXPECT_NE(font_text_lists, 0u);
    EXPECT_NE(font_digits_lists, 0u);
    EXPECT_NE(font_letters_lists, 0u);
    EXPECT_TRUE(glIsList(font_text_lists + 255));
    EXPECT_TRUE(glIsList(font_digits_lists + 9));
    EXPECT_TRUE(glIsList(font_letters_lists + 28));
    fonts_free();
    EXPECT_EQ(font_text_lists, 0u);
    EXPECT_FALSE(glIsList(font_digits_lists + 9));
}

// The glyph quads a printer sends for a text at (1, 2, -3), caught by GL feedback.
static std::vector<FeedbackPolygon> printed(void (*print)(float, float, float, const char *, ...), const char *text)
{
    static void (*printer)(float, float, float, const char *, ...);
    static const char *printed_text;
    printer = print;
    printed_text = text;
    return feedback_polygons([] { printer(1.0f, 2.0f, -3.0f, "%s", printed_text); });
}

// A marker glyph printed after the text stands where the pen was left: at the advances of
// the text's glyphs. The printer leaves the model-view matrix as it found it.
TEST_F(Fonts, PrintersAdvanceThePenAsTheGlyphTableSays)
{
    struct Case {
        void (*print)(float, float, float, const char *, ...);
        const char *text;
        float advance;
    };
    const Case cases[] = {
        {print_digits, "07", 4.2f},
        {print_letters, "AIM", 2.7f + 1.0f + 2.9f},
        {print_text, "ill", 1.2f},
        {print_text, "MO", 1.25f + 1.2f},
        {print_text, "Hi!", 1.05f + 0.4f + 0.4f},
        {print_text, "\xe1\xff", 1.95f},             // Latin-1 letters from the first cells
        {print_letters, "A\\B", 2.7f + 1.0f + 2.2f},  // the word gap
        // Characters outside the font draw nothing and move the pen by the word gap.
        {print_letters, "A B", 2.7f + 1.0f + 2.2f},
        {print_letters, "a9^", 3 * 1.0f},
        {print_digits, "1x2", 3 * 2.1f},
        {print_text, "\x80\xe0", 2 * 0.5f},
        {print_text, "", 0.0f},
    };
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(7.0f, 0.0f, 0.0f);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        const char *marker = c.print == print_digits ? "8" : "A";
        std::vector<FeedbackPolygon> glyphs = printed(c.print, (std::string(c.text) + marker).c_str());
        std::vector<PrintedText> texts = feedback_texts(glyphs);
        ASSERT_FALSE(texts.empty());
        EXPECT_EQ(texts.back().text.back(), marker[0]);
        EXPECT_NEAR(glyphs.back().box.x0 / PIXELS_PER_UNIT, 1.0f + c.advance, 1e-3);
        EXPECT_NEAR(glyphs.back().box.y0 / PIXELS_PER_UNIT, 2.0f, 1e-3);
        float m[16];
        modelview(m);
        EXPECT_FLOAT_EQ(m[12], 7.0f);
        EXPECT_FLOAT_EQ(m[14], 0.0f);
    }
    // A long text is cut, not overrun: 300 digits print as 255 (in a view wide enough for them).
    std::string digits(300, '1');
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, GL_TEST_WIDTH, 0, GL_TEST_HEIGHT, -20, 20);
    std::vector<PrintedText> texts = feedback_texts(printed(print_digits, digits.c_str()));
    ASSERT_EQ(texts.size(), 1u);
    EXPECT_EQ(texts[0].text.size(), 255u);
}

TEST_F(Fonts, NullFormatChangesNothingAndEmptyTextSetsTheBase)
{
    glLoadIdentity();
    glTranslatef(7.0f, 0.0f, 0.0f);
    print_text(1.0f, 1.0f, 1.0f, nullptr);
    float m[16];
    modelview(m);
    EXPECT_FLOAT_EQ(m[12], 7.0f);

    print_letters(0, 0, 0, "%s", "");
    GLint base = 0;
    glGetIntegerv(GL_LIST_BASE, &base);
    EXPECT_EQ(static_cast<u32>(base), font_letters_lists - 'A');
    print_text(0, 0, 0, "%s", "");
    glGetIntegerv(GL_LIST_BASE, &base);
    EXPECT_EQ(static_cast<u32>(base), font_text_lists + 31);
}

// A digit sheet whose cells differ in green (20 per digit) and whose cell halves differ in
// red (top) and blue (bottom): the read-back shows which cell was cut and which way up.
static Bytes digit_sheet()
{
    const int width = 160, height = 64;
    Bytes rgba(width * height * 4);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            int digit = (y / 32) * 5 + x / 32;
            bool top = y % 32 < 16;
            u8 *p = &rgba[(y * width + x) * 4];
            p[0] = top ? 255 : 0;
            p[1] = static_cast<u8>(20 * digit);
            p[2] = top ? 0 : 255;
            p[3] = 255;
        }
    return tga_write(width, height, 32, rgba.data());
}

static void read_at_units(float x, float y, unsigned char rgba[4])
{
    gl_test_read_pixel(static_cast<int>(x * PIXELS_PER_UNIT), static_cast<int>(y * PIXELS_PER_UNIT), rgba);
}

TEST_F(Fonts, GlyphsShowTheirOwnCellTheRightWayUp)
{
    std::string path = test_scratch_dir("fonts") + "/dat00.dat";
    ASSERT_EQ(zip_write(path.c_str(), {{"misc/number.tga", digit_sheet()}}), 1);
    ArchiveHandle archive = archive_open(path.c_str());
    font_digits_texture = texture_load(archive, "misc/number.tga", TEXTURE_MIPMAP_RGBA_FULL);
    archive_close(archive);
    ASSERT_NE(font_digits_texture, 0u);

    print_digits(1.0f, 1.0f, 0.0f, "%d", 7);
    // Quad 1 covers x 1..3.1, quad 2 x 3.1..5.2 (each as wide as its advance); both y 1..4.
    print_digits(1.0f, 10.0f, 0.0f, "0%d", 5);
    struct Probe {
        float x, y;
        int red, green, blue;
    };
    const Probe probes[] = {
        {2.0f, 3.5f, 255, 140, 0},    // '7', upper half: top of cell 7
        {2.0f, 1.5f, 0, 140, 255},    // '7', lower half
        {2.0f, 12.5f, 255, 0, 0},     // '0'
        {4.5f, 12.5f, 255, 100, 0},   // '5': the first cell of the second row
        {4.5f, 10.5f, 0, 100, 255},
        {8.0f, 12.0f, 0, 0, 0},       // past the last quad: nothing drawn
    };
    for (const Probe &p : probes) {
        SCOPED_TRACE(testing::Message() << p.x << ", " << p.y);
        unsigned char rgba[4];
        read_at_units(p.x, p.y, rgba);
        EXPECT_NEAR(rgba[0], p.red, 24);
        EXPECT_NEAR(rgba[1], p.green, 24);
        EXPECT_NEAR(rgba[2], p.blue, 24);
    }
    GLuint name = font_digits_texture;
    glDeleteTextures(1, &name);
    font_digits_texture = 0;
}

// The data builder's three sheets in the fonts' textures; false when one is missing.
static bool built_sheets_load()
{
    std::string path = test_data_archive_path();
    ArchiveHandle archive = archive_open(path.c_str());
    if (!archive)
        return false;
    font_text_texture = texture_load(archive, "misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
    font_letters_texture = texture_load(archive, "misc/textb.tga", TEXTURE_MIPMAP_RGBA_FULL);
    font_digits_texture = texture_load(archive, "misc/number.tga", TEXTURE_MIPMAP_RGBA_FULL);
    archive_close(archive);
    return font_text_texture && font_letters_texture && font_digits_texture;
}

static void built_sheets_free()
{
    GLuint names[] = {font_text_texture, font_letters_texture, font_digits_texture};
    glDeleteTextures(3, names);
    font_text_texture = font_letters_texture = font_digits_texture = 0;
}

// The data builder's own sheets: printed text leaves ink, but not a solid block.
TEST_F(Fonts, BuiltSheetsPrintVisibleText)
{
    ASSERT_TRUE(built_sheets_load()) << "run the data builder (make test does)";

    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    // Each text in its own band, scaled up by printing at a larger projection.
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(0, 32, 0, 24, -1, 1);   // 20 pixels per unit
    glMatrixMode(GL_MODELVIEW);
    print_letters(1.0f, 1.0f, 0.0f, "ZEUS");
    print_text(1.0f, 8.0f, 0.0f, "Hello");
    print_digits(1.0f, 14.0f, 0.0f, "%d", 2024);
    glDisable(GL_BLEND);

    struct Band {
        const char *what;
        float x0, y0, x1, y1;   // in units of the 32 x 24 view
    };
    const Band bands[] = {
        {"letters", 1.0f, 1.0f, 1.0f + font_text_width(FONT_LETTERS, "ZEUS"), 1.0f + 4.2f},
        {"text", 1.0f, 8.0f, 1.0f + font_text_width(FONT_TEXT, "Hello"), 11.0f},
        {"digits", 1.0f, 14.0f, 1.0f + 4 * 2.1f + 0.5f, 17.0f},
    };
    std::vector<unsigned char> pixels(GL_TEST_WIDTH * GL_TEST_HEIGHT * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    const int scale = GL_TEST_WIDTH / 32;
    for (const Band &band : bands) {
        SCOPED_TRACE(band.what);
        int lit = 0, total = 0;
        for (int y = static_cast<int>(band.y0 * scale); y < static_cast<int>(band.y1 * scale); y++)
            for (int x = static_cast<int>(band.x0 * scale); x < static_cast<int>(band.x1 * scale); x++, total++)
                lit += pixels[(y * GL_TEST_WIDTH + x) * 4] > 128;
        EXPECT_GT(lit, total / 10);
        EXPECT_LT(lit, total * 7 / 10);
    }
    int lit_elsewhere = 0;
    for (int x = 0; x < GL_TEST_WIDTH; x++)
        lit_elsewhere += pixels[(20 * scale * GL_TEST_WIDTH + x) * 4] > 0;
    EXPECT_EQ(lit_elsewhere, 0);

    built_sheets_free();
}

// The glyph lists as the printers called them, one draw per glyph: the reference the printers'
// single run of quads is held to.
static void print_by_lists(int font, u32 texture, u32 lists, float x, float y, float z, const char *text)
{
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, texture);
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glTranslatef(x, y, z);
    glListBase(lists - static_cast<u32>(font_layouts[font].first_char));
    glCallLists(static_cast<GLsizei>(strlen(text)), GL_BYTE, text);
    glPopMatrix();
}

// Texts of the menus, the select and the fight's calls where the game prints them, in its
// projection and blend with the built sheets: one run of quads shows the pixels the glyph
// lists show, one draw each, but for the rounding of the quads' corners (a level at most on a
// few pixels), and leaves the model-view matrix as it found it.
TEST_F(Fonts, TextsShowAsTheirGlyphListsShowThem)
{
    ASSERT_TRUE(built_sheets_load()) << "run the data builder (make test does)";
    draw_gl_reset();   // the game's projection
    glEnable(GL_BLEND);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
    glDepthFunc(GL_ALWAYS);
    struct Case {
        int font;
        void (*print)(float, float, float, const char *, ...);
        float x, y, z;
        const char *text;
    };
    const Case cases[] = {
        {FONT_LETTERS, print_letters, -20.0f, 22.0f, -90.0f, "SELECT\\YOUR\\HERO"},
        {FONT_LETTERS, print_letters, -8.6f, -20.2f, -90.0f, "OPTIONS"},
        {FONT_TEXT, print_text, -10.0f, -15.0f, -90.0f, "Press KICK for"},
        {FONT_TEXT, print_text, 18.0f, 0.0f, -90.0f, "TO JOIN!"},
        {FONT_TEXT, print_text, -8.0f, 4.0f, -80.0f, "FINAL ROUND"},
        {FONT_DIGITS, print_digits, -2.5f, 17.3f, -70.0f, "59"},
    };
    const u32 textures[FONT_COUNT] = {font_text_texture, font_digits_texture, font_letters_texture};
    const u32 lists[FONT_COUNT] = {font_text_lists, font_digits_lists, font_letters_lists};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.text);
        float matrices[2][16];
        std::vector<u8> pictures[2];
        for (int printed = 0; printed < 2; printed++) {
            glClear(GL_COLOR_BUFFER_BIT);
            glLoadIdentity();
            glTranslatef(3.0f, 0.0f, 0.0f);
            if (printed)
                c.print(c.x, c.y, c.z, "%s", c.text);
            else
                print_by_lists(c.font, textures[c.font], lists[c.font], c.x, c.y, c.z, c.text);
            modelview(matrices[printed]);
            pictures[printed] = window_pixels();
        }
        int ink = 0;
        for (size_t i = 0; i < pictures[0].size(); i += 4)
            ink += pictures[0][i] > 128;
        EXPECT_GT(ink, 50) << "the text shows";
        int worst = 0;
        for (size_t i = 0; i < pictures[0].size(); i++)
            worst = std::max(worst, std::abs(pictures[0][i] - pictures[1][i]));
        EXPECT_LE(worst, 1);
        EXPECT_EQ(memcmp(matrices[0], matrices[1], sizeof matrices[0]), 0);
    }
    built_sheets_free();
}
