// The fight HUD, the round calls and the overlays in real GL: colours read back where the
// layout puts them.
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cmath>
#include <cstring>
#include <string>
#include <vector>

class HudTest : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        u32 white = solid_texture(255, 255, 255);
        u32 clear = solid_texture(0, 0, 0, 0);
        tex_misc = white;
        tex_lifebar = tex_powerbar = tex_marker = tex_names = clear;
        for (int side = 0; side < 2; side++) {
            fighters[side] = {};
            fighters[side].character = CHARACTER_JASON;
            fighters[side].heads_left = 1;
            fighters[side].life = fighters[side].life_shown = 1.0f;
        }
        p1_round_wins = p2_round_wins = 0;
        free_camera = 0;
        paused = 0;
        fade_mode = FADE_NONE;
        music_fade = 0.0f;
    }
    void TearDown() override
    {
        game_state = STATE_EXIT_SCREEN;
        continue_active = 0;
        fonts_free();
    }
};

// Side one's life under its lagging bar: orange where the life reaches, white where the
// damage has not yet been caught up, and the Hydra's head colours.
TEST_F(HudTest, LifeBarsShowLifeOverTheLaggingBar)
{
    fighters[0].life = 0.4f;        // -8.7 .. -1.5
    fighters[0].life_shown = 1.0f;  // -19.5 .. -1.5
    fighters[1].character = CHARACTER_HYDRA;
    fighters[1].heads_left = 3;
    fighters[1].head_life[2] = 0.5f;   // 1.5 .. 10.5 blue-green, then yellow to 19.5
    draw_hud_bars();
    const f32 y = 13.4f, z = -50.0f;
    struct Case {
        f32 x;
        Rgb expected;
    };
    const Case cases[] = {
        {-4.0f, {255, 64, 0}},      // the life, (1, 0.25, 0)
        {-8.0f, {255, 64, 0}},
        {-9.6f, {255, 255, 255}},   // the damage still shown
        {-19.0f, {255, 255, 255}},
        {-20.5f, {0, 0, 0}},        // past the bar
        {5.0f, {102, 230, 102}},    // three heads: (0.4, 0.9, 0.4) in front
        {15.0f, {230, 230, 0}},     // over the next head's colour, full length
    };
    for (const Case &c : cases) {
        Rgb got = eye_pixel(c.x, y, z);
        EXPECT_TRUE(rgb_near(got, c.expected, 6)) << c.x << ": " << got.r << ", " << got.g << ", " << got.b;
    }
}

// A life below zero draws nothing; a full gauge's colour lifts with the pulse.
TEST_F(HudTest, EmptyLifeAndPowerGauges)
{
    fighters[0].life = -0.3f;
    fighters[0].life_shown = 0.0f;
    fighters[1].power = 0.5f;   // 14.55 .. 18.3
    draw_hud_bars();
    EXPECT_TRUE(rgb_near(eye_pixel(-2.0f, 13.4f, -50.0f), {0, 0, 0}));
    EXPECT_TRUE(rgb_near(eye_pixel(16.0f, -13.1f, -50.0f), {64, 64, 255}, 6));
    EXPECT_TRUE(rgb_near(eye_pixel(13.0f, -13.1f, -50.0f), {0, 0, 0}));
}

// READY shows over the round intro once the cameras are done, and not after the banner time.
TEST_F(HudTest, RoundCallTextIsVisible)
{
    ASSERT_EQ(fonts_build(), 1);
    font_letters_texture = font_text_texture = font_digits_texture = solid_texture(255, 255, 255);
    game_state = STATE_ROUND_INTRO;
    game_mode = GAME_MODE_VERSUS;
    camera_sequence.side[0].done = camera_sequence.side[1].done = CAMERA_DONE;
    round_call_phase = 0;
    auto lit_pixels = [] {
        int px0, py0, px1, py1;
        eye_to_pixel(-7.0f, -3.0f, -45.0f, &px0, &py0);
        eye_to_pixel(0.0f, 3.0f, -45.0f, &px1, &py1);
        int lit = 0;
        for (int py = py0; py < py1; py++)
            for (int px = px0; px < px1; px++)
                lit += pixel_at(px, py).r > 200;
        return lit;
    };
    round_intro_timer = 1.0f;
    round_calls_draw();
    EXPECT_GT(lit_pixels(), 200);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    round_intro_timer = 0.0f;
    round_calls_draw();
    EXPECT_EQ(lit_pixels(), 0);
}

// The continue panel lies below the view at 1.0 and covers it as the slide reaches 0.
TEST_F(HudTest, ContinuePanelRisesIntoView)
{
    tex_continue_back = solid_texture(200, 0, 0);
    game_state = STATE_MATCH_OVER;
    continue_active = -1;
    fade_mode = FADE_IN;   // keeps the texts off the probed pixel
    continue_slide = 1.0f;
    overlays_draw();
    EXPECT_TRUE(rgb_near(eye_pixel(0.0f, 0.0f, -50.0f), {0, 0, 0}));
    continue_slide = 0.001f;
    overlays_draw();
    EXPECT_TRUE(rgb_near(eye_pixel(10.0f, 10.0f, -50.0f), {200, 0, 0}));
}

// The data builder's exit picture loads with the game's own texture loader.
TEST_F(HudTest, TheExitPictureLoadsFromTheDataSet)
{
    std::string path = test_data_archive_path();
    ArchiveHandle previous = asset_archive;
    asset_archive = archive_open(path.c_str());
    ASSERT_NE(asset_archive, nullptr) << path << " is missing: " << TEST_NO_DATA_SET;
    EXPECT_EQ(overlay_pictures_load(), 1);
    EXPECT_NE(tex_exit_picture, 0u);
    game_state = STATE_EXIT_SCREEN;
    overlays_draw();
    Rgb sky = eye_pixel(0.0f, 14.0f, -50.0f);   // the dusk's deep blue at the top
    EXPECT_GT(sky.b, sky.r);
    overlay_pictures_free();
    EXPECT_EQ(tex_exit_picture, 0u);
    archive_close(asset_archive);
    asset_archive = previous;
}

// The versus panel of the fight load shows both sides' select portraits.
TEST_F(HudTest, LoadingPanelShowsBothPortraits)
{
    tex_vs_back = solid_texture(40, 40, 40);
    tex_logo = solid_texture(0, 0, 0, 0);
    ASSERT_EQ(fonts_build(), 1);
    font_letters_texture = font_text_texture = solid_texture(0, 0, 0, 0);
    const u32 saved[2] = {select_portraits[CHARACTER_MINOTAUR][1], select_portraits[CHARACTER_ATALANTA][0]};
    select_portraits[CHARACTER_MINOTAUR][1] = solid_texture(255, 0, 0);
    select_portraits[CHARACTER_ATALANTA][0] = solid_texture(0, 0, 255);
    ending_picture_p1 = 2 * CHARACTER_MINOTAUR + 1 + 1;
    ending_picture_p2 = 2 * CHARACTER_ATALANTA + 0 + 1;
    game_state = STATE_CHARACTER_SELECT;
    fight_load_phase = 1;
    music_fade = 0.0f;   // the panel all the way in
    overlays_draw();
    fight_load_phase = 0;
    select_portraits[CHARACTER_MINOTAUR][1] = saved[0];
    select_portraits[CHARACTER_ATALANTA][0] = saved[1];
    // Side one's picture x -28 .. -3, side two's 5 .. 30, both y -10 .. 15 at depth 100.
    EXPECT_TRUE(rgb_near(eye_pixel(-15.0f, 2.0f, -100.0f), {255, 0, 0}, 8));
    EXPECT_TRUE(rgb_near(eye_pixel(17.0f, 2.0f, -100.0f), {0, 0, 255}, 8));
}

// The round clock reads: the built digit sheet drawn in the HUD's blend leaves ink and clear
// ground in the clock's box, not a uniform box.
TEST_F(HudTest, TheRoundClockShowsItsDigits)
{
    font_digits_texture = built_texture("misc/number.tga", TEXTURE_MIPMAP_RGBA_FULL);
    ASSERT_NE(font_digits_texture, 0u) << TEST_NO_DATA_SET;
    ASSERT_EQ(fonts_build(), 1);
    game_state = STATE_FIGHT;
    round_clock = 88;
    hud_draw();
    glFinish();
    GLuint name = font_digits_texture;
    glDeleteTextures(1, &name);
    font_digits_texture = 0;
    // "88" at (-2.5, 17.3, -70): two quads 2.6 x 3.0, 2.1 apart.
    int x0, y0, x1, y1;
    eye_to_pixel(-2.5f, 17.3f, -70.0f, &x0, &y0);
    eye_to_pixel(-2.5f + 2.1f + 2.6f, 20.3f, -70.0f, &x1, &y1);
    int ink = 0, ground = 0;
    for (int y = y0; y < y1; y++)
        for (int x = x0; x < x1; x++) {
            Rgb p = pixel_at(x, y);
            ink += p.r > 160;
            ground += p.r < 60;
        }
    const int total = (x1 - x0) * (y1 - y0);
    EXPECT_GT(ink, total / 10);
    EXPECT_GT(ground, total / 4);
}

// One frame picture's quad as a whole: s0, t0 at the top left, as the HUD lays its pictures.
static void whole_frame_draw(u32 texture, f32 x0, f32 x1, f32 y0, f32 y1, f32 s0, f32 s1, f32 t0, f32 t1)
{
    glBindTexture(GL_TEXTURE_2D, texture);
    glBegin(GL_QUADS);
    const f32 corners[4][4] = {{s0, t0, x0, y1}, {s0, t1, x0, y0}, {s1, t1, x1, y0}, {s1, t0, x1, y1}};
    for (const auto &c : corners) {
        glTexCoord2f(c[0], c[1]);
        glVertex3f(c[2], c[3], -50.0f);
    }
    glEnd();
}

// The built life and power frames, blended only over the rows their pictures fill, leave the
// very pixels of the whole quads blended as they were before.
TEST_F(HudTest, FramesBlendedOverTheirFilledRowsMatchTheWholeQuads)
{
    u32 life = built_texture("misc/lifebar.tga", TEXTURE_CLAMP_RGBA);
    u32 power = built_texture("misc/powerbar.tga", TEXTURE_MIPMAP_RGBA);
    ASSERT_NE(life, 0u);
    ASSERT_NE(power, 0u);
    glDisable(GL_DEPTH_TEST);
    draw_blend_background();
    tex_lifebar = life;
    tex_powerbar = power;
    draw_hud_bars();
    std::vector<u8> covered = window_pixels();

    // The same HUD with see-through frames, then the frames whole over it: nothing the HUD
    // draws after a frame overlaps it.
    draw_blend_background();
    tex_lifebar = tex_powerbar = solid_texture(0, 0, 0, 0);
    draw_hud_bars();
    std::vector<u8> bare = window_pixels();
    glLoadIdentity();
    whole_frame_draw(life, -21.0f, 0.0f, 7.8f, 17.8f, 0.0f, 1.0f, 0.0f, 0.5f);
    whole_frame_draw(life, 0.0f, 21.0f, 7.8f, 17.8f, 0.0f, 1.0f, 0.5f, 1.0f);
    whole_frame_draw(power, -21.0f, -10.0f, -15.0f, -10.0f, 0.0f, 1.0f, 0.0f, 1.0f);
    whole_frame_draw(power, 10.0f, 21.0f, -15.0f, -10.0f, 1.0f, 0.0f, 0.0f, 1.0f);
    std::vector<u8> whole = window_pixels();
    glEnable(GL_DEPTH_TEST);

    size_t differ = 0, framed = 0;
    for (size_t i = 0; i < whole.size(); i += 4) {
        differ += memcmp(&covered[i], &whole[i], 3) != 0;
        framed += memcmp(&bare[i], &whole[i], 3) != 0;
    }
    EXPECT_EQ(differ, 0u);
    EXPECT_GT(framed, 2000u) << "the frames show";
}

// Where a HUD picture's ink lies across the window in one band of rows, over a grey that any
// dark outline or gold letter differs from: the first and last ink columns left and right of
// the middle (-1 for none).
struct InkSpan {
    int left_first, left_last, right_first, right_last;
};
static InkSpan ink_columns(const std::vector<u8> &pixels, int row0, int row1, int grey)
{
    InkSpan span = {-1, -1, -1, -1};
    for (int x = 0; x < GL_TEST_WIDTH; x++)
        for (int y = row0; y < row1; y++) {
            const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
            if (std::abs(p[0] - grey) <= 20 && std::abs(p[1] - grey) <= 20 && std::abs(p[2] - grey) <= 20)
                continue;
            int &first = x < GL_TEST_WIDTH / 2 ? span.left_first : span.right_first;
            int &last = x < GL_TEST_WIDTH / 2 ? span.left_last : span.right_last;
            first = first < 0 ? x : first;
            last = x;
            break;
        }
    return span;
}

// Every fighter's name, on side one's plate and on side two's, stands whole inside the view:
// its ink at least half a unit (8 pixels at 640 x 480) in from the window's edge, and still
// a name's width across.
TEST_F(HudTest, NamePlatesStayInsideTheView)
{
    tex_names = built_texture("misc/names.tga", TEXTURE_CLAMP_RGBA);
    ASSERT_NE(tex_names, 0u) << "make the data set first (tavrosk-databuild)";
    int row0, row1, x;
    eye_to_pixel(0.0f, 10.5f, -50.0f, &x, &row0);
    eye_to_pixel(0.0f, 13.5f, -50.0f, &x, &row1);
    int two_units = 0, origin = 0;
    eye_to_pixel(0.0f, 0.0f, -50.0f, &origin, &x);
    eye_to_pixel(2.0f, 0.0f, -50.0f, &two_units, &x);
    two_units -= origin;
    const int grey = 128, margin = 8;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE(id);
        fighters[0].character = fighters[1].character = id;
        glClearColor(grey / 255.0f, grey / 255.0f, grey / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glDisable(GL_DEPTH_TEST);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_BLEND);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_ALPHA);
        glColor4f(1, 1, 1, 1);
        draw_name_plates();
        InkSpan span = ink_columns(window_pixels(), row0, row1, grey);
        glEnable(GL_DEPTH_TEST);
        ASSERT_GE(span.left_first, 0) << "no name on side one";
        ASSERT_GE(span.right_first, 0) << "no name on side two";
        EXPECT_GE(span.left_first, margin);
        EXPECT_LE(span.right_last, GL_TEST_WIDTH - 1 - margin);
        EXPECT_GE(span.left_last - span.left_first, two_units);
        EXPECT_GE(span.right_last - span.right_first, two_units);
    }
    GLuint name = tex_names;
    glDeleteTextures(1, &name);
}

static int picture_brightness(const Picture &p, int x, int y)
{
    const u8 *c = &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
    return c[0] + c[1] + c[2];
}

// The farewell's words stand in the open sky of the exit picture, clear of the temple: the
// lowest row of their light ink lies above the pediment's peak, where the column through the
// peak first turns darker than the sky at the far edge.
TEST(ExitPicture, TheWordsStandClearOfTheTemple)
{
    picture_library_start();
    ArchiveHandle archive = data_set_archive_open();
    ASSERT_NE(archive, nullptr) << "run the data builder (make test does)";
    Picture picture = archive_picture(archive, "misc/exit.jpg");
    archive_close(archive);
    ASSERT_NE(picture.pixels, nullptr);
    int lowest_word = -1, peak = -1;
    const int peak_x = picture.width * 62 / 256, sky_x = picture.width - 8;
    for (int y = 0; y < picture.height; y++) {
        for (int x = 0; x < picture.width; x++) {
            const u8 *c = &picture.pixels[(static_cast<size_t>(y) * picture.width + x) * 4];
            if (c[0] > 200 && c[1] > 180)
                lowest_word = y;
        }
        if (peak < 0 && picture_brightness(picture, peak_x, y) < picture_brightness(picture, sky_x, y) - 90)
            peak = y;
    }
    picture_free(&picture);
    ASSERT_GE(lowest_word, 0) << "no words";
    ASSERT_GE(peak, 0) << "no temple";
    EXPECT_LT(lowest_word + 4, peak) << "words down to row " << lowest_word << ", the roof from row " << peak;
}
