#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

// The engine's projection: 35 degrees of field, aspect 1.3333.
constexpr f32 HALF_FIELD_TAN = 0.31529879f;   // tan(17.5 degrees)
constexpr f32 ASPECT = 1.3333f;

// The pixel at which a point (x, y) at `depth` units in front of the eye shows.
static void project(f32 x, f32 y, f32 depth, int *px, int *py)
{
    *px = static_cast<int>((x / depth / (HALF_FIELD_TAN * ASPECT) + 1.0f) * GL_TEST_WIDTH / 2);
    *py = static_cast<int>((y / depth / HALF_FIELD_TAN + 1.0f) * GL_TEST_HEIGHT / 2);
}

static void texture_delete(u32 *name)
{
    GLuint n = *name;
    if (n)
        glDeleteTextures(1, &n);
    *name = 0;
}

// A dark blue background that the filter leaves alone, opaque white caps, no logo, a black
// pointer: what the labels and caps add shows plainly. The pictures are the drawing tests'
// shared solid textures, so the count stays 0 and no entry deletes them.
class TitleMenuDraw : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        std::string path = test_data_archive_path();
        ArchiveHandle archive = archive_open(path.c_str());
        ASSERT_NE(archive, nullptr) << path << " missing: run the data builder (make test does)";
        font_letters_texture = texture_load(archive, "misc/textb.tga", TEXTURE_MIPMAP_RGBA_FULL);
        font_text_texture = texture_load(archive, "misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
        archive_close(archive);
        ASSERT_NE(font_letters_texture, 0u);
        ASSERT_EQ(fonts_build(), 1);

        asset_archive = nullptr;   // the entry loads nothing; the test's pictures go in below
        title_menu_enter();
        title_textures[TITLE_BACK_1] = solid_texture(0, 0, 80);
        title_textures[TITLE_BACK_FILTER] = colour.white;
        title_textures[TITLE_REFLECTION] = colour.black;
        title_textures[TITLE_CAP_LEFT] = colour.white;
        title_textures[TITLE_CAP_RIGHT] = colour.white;
        title_textures[TITLE_BACK_2] = colour.black;
        tex_logo = colour.clear;
        tex_select_panel = colour.black;
    }
    void TearDown() override
    {
        title_textures_free();
        tex_logo = tex_select_panel = 0;
        texture_delete(&font_letters_texture);
        texture_delete(&font_text_texture);
        fonts_free();
    }

    // One frame as the frame drawer makes it: the frame step, then the drawer.
    std::vector<u8> frame()
    {
        title_menu_frame();
        glDisable(GL_CULL_FACE);
        glDepthFunc(GL_ALWAYS);
        title_menu_draw();
        std::vector<u8> pixels(GL_TEST_WIDTH * GL_TEST_HEIGHT * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // The built logo in tex_logo and the built reflection, 0.3 along, in its slot; returns the
    // reflection's name.
    u32 built_logo_and_reflection()
    {
        tex_logo = built_texture("titulo/logo.tga", TEXTURE_MIPMAP_RGBA_FULL);
        title_textures[TITLE_REFLECTION] = built_texture("titulo/reflect2.jpg", TEXTURE_MIPMAP_RGB);
        title_scroll_3 = 0.3f;
        return title_textures[TITLE_REFLECTION];
    }
};

struct PixelBox {
    int x0, y0, x1, y1;
};

// The screen box of a text printed in a font at (x, y), depth 90.
static PixelBox font_box(int font, const char *text, f32 x, f32 y)
{
    f32 width = 0.0f;
    for (const char *c = text; *c; c++)
        width += font_glyph_advance(font, font_glyph_of(font, *c));
    PixelBox box;
    project(x, y, 90.0f, &box.x0, &box.y0);
    project(x + width, y + font_layouts[font].quad_height, 90.0f, &box.x1, &box.y1);
    return box;
}

// The screen box of a label printed with the letters font at (x, y), depth 90.
static PixelBox letters_box(const char *text, f32 x, f32 y)
{
    return font_box(FONT_LETTERS, text, x, y);
}

// How many pixels of the box look like the colour (within 40 per channel).
static int count_colour(const std::vector<u8> &pixels, const PixelBox &box, int r, int g, int b)
{
    int count = 0;
    for (int y = box.y0; y < box.y1; y++)
        for (int x = box.x0; x < box.x1; x++) {
            const u8 *p = &pixels[(y * GL_TEST_WIDTH + x) * 4];
            count += std::abs(p[0] - r) < 40 && std::abs(p[1] - g) < 40 && std::abs(p[2] - b) < 40;
        }
    return count;
}

// START is selected: full pulsing yellow over the blue; OPTIONS and EXIT white. The letters
// lighten what is below, so the box around them keeps the background.
TEST_F(TitleMenuDraw, MainPageLabelsShowInTheirColours)
{
    struct Label {
        const char *text;
        f32 x, y;
        int r, g, b;
    };
    const Label labels[] = {
        {"START", -6.3f, -4, 255, 255, 80},
        {"OPTIONS", -8.6f, -9, 255, 255, 255},
        {"EXIT", 20, -22.5f, 255, 255, 255},
    };
    std::vector<u8> pixels = frame();
    for (const Label &label : labels) {
        SCOPED_TRACE(label.text);
        PixelBox box = letters_box(label.text, label.x, label.y);
        int area = (box.x1 - box.x0) * (box.y1 - box.y0);
        int ink = count_colour(pixels, box, label.r, label.g, label.b);
        EXPECT_GT(ink, area / 10);
        EXPECT_GT(count_colour(pixels, box, 0, 0, 80), area / 10);
    }
    // Nothing of the labels' colours far from them.
    PixelBox empty = {10, 200, 150, 260};
    EXPECT_EQ(count_colour(pixels, empty, 255, 255, 255), 0);
    EXPECT_EQ(count_colour(pixels, empty, 255, 255, 80), 0);
}

// How many pixels of the box differ from the dark blue background.
static int count_ink(const std::vector<u8> &pixels, const PixelBox &box)
{
    int area = (box.x1 - box.x0) * (box.y1 - box.y0);
    return area - count_colour(pixels, box, 0, 0, 80);
}

// The network page names its two items and BACK; the pages they open say that there is no
// network play here, with their BACK.
TEST_F(TitleMenuDraw, NetworkPagesShowWhereThePlayerIsAndTheWayBack)
{
    struct Label {
        i32 page;
        int font;
        const char *text;
        f32 x, y;
    };
    const Label labels[] = {
        {PAGE_NETWORK, FONT_LETTERS, "HOST", -4.8f, -5.5f},
        {PAGE_NETWORK, FONT_LETTERS, "JOIN", -4.3f, -10.5f},
        {PAGE_NETWORK, FONT_LETTERS, "BACK", -30, -25},
        {PAGE_SELECT_DIRECT_1, FONT_TEXT, "NETWORK PLAY IS NOT AVAILABLE HERE", -17, -2},
        {PAGE_SELECT_DIRECT_1, FONT_LETTERS, "BACK", -30, -25},
        {PAGE_SELECT_DIRECT_2, FONT_TEXT, "NETWORK PLAY IS NOT AVAILABLE HERE", -17, -2},
    };
    for (const Label &label : labels) {
        SCOPED_TRACE(label.text);
        menu_page = label.page;
        menu_cursor = 2;   // BACK on the network page, so no cap stands over the labels
        if (label.page != PAGE_NETWORK)
            menu_cursor = 0;
        std::vector<u8> pixels = frame();
        PixelBox box = font_box(label.font, label.text, label.x, label.y);
        int area = (box.x1 - box.x0) * (box.y1 - box.y0);
        EXPECT_GT(count_ink(pixels, box), area / 10);
        EXPECT_GT(count_colour(pixels, box, 0, 0, 80), area / 10);
    }
}

// The caps stand at both ends of the selected row in the pulse's grey, which changes as the
// tick moves the pulse on.
TEST_F(TitleMenuDraw, HighlightCapsPulseBetweenFrames)
{
    // START's caps: top 1, left caps at x -6.2 and 2.8, each 3 units wide and high.
    int left_x, right_x, cap_y;
    project(-4.7f, -0.5f, 50.0f, &left_x, &cap_y);
    project(4.3f, -0.5f, 50.0f, &right_x, &cap_y);
    std::vector<u8> first = frame();
    for (int i = 0; i < 11; i++)
        title_menu_tick();
    std::vector<u8> second = frame();
    f32 levels[2] = {-cosf(3.1415f), -cosf(menu_pulse_angle)};
    const std::vector<u8> *frames[2] = {&first, &second};
    for (int f = 0; f < 2; f++)
        for (int x : {left_x, right_x}) {
            SCOPED_TRACE(testing::Message() << "frame " << f << ", x " << x);
            const u8 *p = &(*frames[f])[(cap_y * GL_TEST_WIDTH + x) * 4];
            EXPECT_NEAR(p[0], levels[f] * 255, 3);
            EXPECT_NEAR(p[2], levels[f] * 255, 3);
        }
    EXPECT_GT(levels[0] - levels[1], 0.3f);

    // Moved to OPTIONS, the caps follow the row.
    menu_cursor = 1;
    std::vector<u8> third = frame();
    int options_left_x, options_y;
    project(-6.2f, -3.5f, 50.0f, &options_left_x, &options_y);
    EXPECT_NEAR(third[(options_y * GL_TEST_WIDTH + options_left_x) * 4], levels[1] * 255, 3);
    EXPECT_EQ(third[(cap_y * GL_TEST_WIDTH + left_x) * 4], 0);
}

// Where the driver can add on a second unit, the reflection picture slides across the logo
// with title_scroll_3; elsewhere the logo is drawn plain.
TEST_F(TitleMenuDraw, ReflectionSlidesAcrossTheLogo)
{
    tex_logo = solid_texture(100, 100, 100);
    // Light in the left half of the reflection, nothing in the right half; opaque, as a JPEG
    // uploads (the logo's alpha is multiplied by it).
    std::vector<u8> half(16 * 4 * 4, 255);
    for (int y = 0; y < 4; y++)
        for (int x = 0; x < 16; x++)
            for (int c = 0; c < 3; c++)
                half[(y * 16 + x) * 4 + c] = x < 8 ? 100 : 0;
    GLuint reflection = 0;
    glGenTextures(1, &reflection);
    glBindTexture(GL_TEXTURE_2D, reflection);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, 16, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, half.data());
    title_textures[TITLE_REFLECTION] = reflection;
    // Logo quarter points, a quarter of its width in from each side, halfway up.
    int left_x, right_x, y;
    project(-8.0f, 8.0f, 50.0f, &left_x, &y);
    project(8.0f, 8.0f, 50.0f, &right_x, &y);
    ASSERT_TRUE(has_multitexture && has_tex_env_add) << "Mesa offers both";
    struct Case {
        u8 env_add;
        f32 scroll;
        int left, right;   // red at the two points
    };
    const Case cases[] = {{255, 0.0f, 200, 100}, {255, 0.5f, 100, 200}, {0, 0.0f, 100, 100}};
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "add " << int(c.env_add) << ", scroll " << c.scroll);
        has_tex_env_add = c.env_add;
        title_scroll_3 = c.scroll;
        std::vector<u8> pixels = frame();
        EXPECT_NEAR(pixels[(y * GL_TEST_WIDTH + left_x) * 4], c.left, 3);
        EXPECT_NEAR(pixels[(y * GL_TEST_WIDTH + right_x) * 4], c.right, 3);
    }
    glDeleteTextures(1, &reflection);
    title_textures[TITLE_REFLECTION] = 0;
}

// A partial load keeps exactly what loaded; the next entry deletes those and nothing else.
TEST_F(TitleMenuDraw, PartialLoadRecordsWhatLoaded)
{
    title_textures_free();
    Bytes cap = tga_write(2, 2, 32, std::vector<u8>(16, 255).data());
    Bytes jpeg;
    ASSERT_EQ(jpeg_write(jpeg, 2, 2, std::vector<u8>(16, 128).data(), 90), 1);
    std::string path = test_scratch_dir("title-partial") + "/dat00.dat";
    ASSERT_EQ(zip_write(path.c_str(), {{"titulo/back1.jpg", jpeg}, {"titulo/backfilter.jpg", jpeg},
                                       {"titulo/reflect2.jpg", jpeg}, {"titulo/select2.tga", cap},
                                       {"titulo/back2.tga", cap}}),
              1);
    asset_archive = archive_open(path.c_str());
    ASSERT_NE(asset_archive, nullptr);
    title_menu_enter();
    archive_close(asset_archive);
    asset_archive = nullptr;
    EXPECT_EQ(title_texture_count, 3);   // select1.tga is missing: the later ones stay unloaded
    u32 loaded[3];
    for (int i = 0; i < 3; i++) {
        loaded[i] = title_textures[i];
        EXPECT_TRUE(glIsTexture(loaded[i])) << i;
    }
    for (int i = 3; i < TITLE_TEXTURE_COUNT; i++)
        EXPECT_EQ(title_textures[i], 0u) << i;

    // A name in a slot past the count is somebody else's: the next entry leaves it alone.
    GLuint foreign = 0;
    glGenTextures(1, &foreign);
    glBindTexture(GL_TEXTURE_2D, foreign);
    title_textures[4] = foreign;
    title_menu_enter();   // with no archive, nothing loads
    EXPECT_EQ(title_texture_count, 0);
    for (u32 name : loaded)
        EXPECT_FALSE(glIsTexture(name));
    EXPECT_TRUE(glIsTexture(foreign));
    glDeleteTextures(1, &foreign);
}

// The data builder's pictures load under the menu's modes.
TEST_F(TitleMenuDraw, BuiltTitlePicturesLoad)
{
    title_textures_free();
    std::string path = test_data_archive_path();
    asset_archive = archive_open(path.c_str());
    ASSERT_NE(asset_archive, nullptr);
    title_menu_enter();
    archive_close(asset_archive);
    asset_archive = nullptr;
    EXPECT_EQ(title_texture_count, TITLE_TEXTURE_COUNT);
    for (u32 name : title_textures)
        EXPECT_TRUE(glIsTexture(name));
}

// Drawn through the rectangles of its lit parts, the built logo with its reflection shows
// exactly the pixels the whole quad shows.
TEST_F(TitleMenuDraw, LogoThroughItsLitPartsShowsTheWholeLogo)
{
    const u32 reflection = built_logo_and_reflection();
    ASSERT_NE(tex_logo, 0u) << "run the data builder (make test does)";
    ASSERT_NE(reflection, 0u);
    std::vector<u8> whole = frame();   // measured before tex_logo was set: drawn whole
    title_logo_measure();
    std::vector<u8> parts = frame();
    int differing = 0, logo = 0;
    for (size_t i = 0; i < whole.size(); i += 4) {
        differing += whole[i] != parts[i] || whole[i + 1] != parts[i + 1] || whole[i + 2] != parts[i + 2];
        logo += whole[i] > 100;   // the gold letters over the dark blue
    }
    EXPECT_EQ(differing, 0);
    EXPECT_GT(logo, 20000) << "the logo shows";
    title_textures[TITLE_REFLECTION] = colour.black;
    GLuint names[2] = {tex_logo, reflection};
    glDeleteTextures(2, names);
    tex_logo = 0;
    title_logo_measure();
}

// Fills every mip level but the first of the texture with magenta.
static void smaller_levels_magenta(u32 name)
{
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    for (int level = 1; width > 1 || height > 1; level++) {
        width = std::max(width / 2, 1);
        height = std::max(height / 2, 1);
        std::vector<u8> magenta(static_cast<size_t>(width) * height * 4, 255);
        for (size_t i = 1; i < magenta.size(); i += 4)
            magenta[i] = 0;
        glTexImage2D(GL_TEXTURE_2D, level, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, magenta.data());
    }
}

// The window magnifies both back layers everywhere, so their smaller mip levels never show:
// the frame is the same when those levels hold nothing but magenta.
TEST_F(TitleMenuDraw, BackLayersShowOnlyTheirFirstLevel)
{
    const u32 back_1 = built_texture("titulo/back1.jpg", TEXTURE_MIPMAP_RGB);
    const u32 back_2 = built_texture("titulo/back2.tga", TEXTURE_MIPMAP_RGBA);
    ASSERT_NE(back_1, 0u) << "run the data builder (make test does)";
    ASSERT_NE(back_2, 0u);
    title_textures[TITLE_BACK_1] = back_1;
    title_textures[TITLE_BACK_2] = back_2;
    title_scroll_1 = 0.3f;
    title_scroll_2 = 0.6f;
    std::vector<u8> mipmapped = frame();
    for (u32 name : {back_1, back_2})
        smaller_levels_magenta(name);
    EXPECT_TRUE(frame() == mipmapped);
    GLuint names[2] = {back_1, back_2};
    glDeleteTextures(2, names);
    title_textures[TITLE_BACK_1] = title_textures[TITLE_BACK_2] = 0;
}

// Where the driver combines on three units the back layers are drawn in one pass: the
// built pictures show as the three blended passes show them, within the passes' rounding,
// and the units' environments are left as the pass found them.
TEST_F(TitleMenuDraw, BackLayersInOnePassShowTheBlendedPicture)
{
    const struct {
        TitleTexture slot;
        const char *entry;
        int mode;
    } layers[] = {{TITLE_BACK_1, "titulo/back1.jpg", TEXTURE_MIPMAP_RGB},
                  {TITLE_BACK_2, "titulo/back2.tga", TEXTURE_MIPMAP_RGBA},
                  {TITLE_BACK_FILTER, "titulo/backfilter.jpg", TEXTURE_CLAMP_RGB}};
    for (const auto &layer : layers) {
        title_textures[layer.slot] = built_texture(layer.entry, layer.mode);
        ASSERT_NE(title_textures[layer.slot], 0u) << layer.entry << ": run the data builder";
    }
    title_scroll_1 = 0.3f;
    title_scroll_2 = 0.6f;
    const i32 units = texture_units;
    std::vector<u8> passes = frame();   // the fixture's driver has no third unit
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &texture_units);
    ASSERT_GE(texture_units, 3) << "Mesa gives eight";
    std::vector<u8> one_pass = frame();
    texture_units = units;
    // Unit 1's combine settings are left as found, for the next drawer that combines on it.
    GLint source = 0;
    glActiveTexture(GL_TEXTURE1);
    glGetTexEnviv(GL_TEXTURE_ENV, GL_SOURCE0_RGB, &source);
    glActiveTexture(GL_TEXTURE0);
    EXPECT_EQ(source, GL_TEXTURE);
    int worst = 0, bright = 0;
    for (size_t i = 0; i < passes.size(); i++) {
        worst = std::max(worst, std::abs(passes[i] - one_pass[i]));
        bright += i % 4 != 3 && passes[i] > 60;
    }
    EXPECT_LE(worst, 2);
    EXPECT_GT(bright, 100000) << "the layers show";
    for (const auto &layer : layers) {
        GLuint name = title_textures[layer.slot];
        glDeleteTextures(1, &name);
        title_textures[layer.slot] = 0;
    }
}

// The logo's reflection is magnified everywhere too: the built logo shows the same when the
// reflection's smaller levels hold nothing but magenta.
TEST_F(TitleMenuDraw, TheReflectionShowsOnlyItsFirstLevel)
{
    const u32 reflection = built_logo_and_reflection();
    ASSERT_NE(tex_logo, 0u) << "run the data builder (make test does)";
    ASSERT_NE(reflection, 0u);
    std::vector<u8> mipmapped = frame();
    smaller_levels_magenta(reflection);
    EXPECT_TRUE(frame() == mipmapped);
    GLint filter = 0;
    glBindTexture(GL_TEXTURE_2D, reflection);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR) << "the reflection's own filter is put back";
    title_textures[TITLE_REFLECTION] = colour.black;
    GLuint names[2] = {tex_logo, reflection};
    glDeleteTextures(2, names);
    tex_logo = 0;
}

// Every layer of the title covers what lies below it, so the title shows the same over a depth
// buffer at the nearest depth with GL_LESS left on as it shows as it was drawn before (the
// depth test on, GL_ALWAYS, writing depth), and the depth test is on again after it.
TEST_F(TitleMenuDraw, TheTitleShowsTheSameWhateverTheDepthBufferHolds)
{
    tex_logo = built_texture("titulo/logo.tga", TEXTURE_MIPMAP_RGBA_FULL);
    ASSERT_NE(tex_logo, 0u) << "run the data builder (make test does)";
    const f32 pulse = menu_pulse_angle;
    std::vector<u8> always = frame();
    menu_pulse_angle = pulse;
    title_menu_frame();
    glClearDepth(0.0);
    glClear(GL_DEPTH_BUFFER_BIT);
    glClearDepth(1.0);
    glDepthFunc(GL_LESS);
    title_menu_draw();
    EXPECT_TRUE(window_pixels() == always);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    GLuint name = tex_logo;
    glDeleteTextures(1, &name);
    tex_logo = 0;
}
