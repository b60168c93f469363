// The glow in real GL: a pre-pass in the 64 x 64 corner, captured, blurred and laid over the
// view as the mode table and the combine support say.
#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>
#include <cstring>
#include <vector>

class GlowTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        draw_glow_setup();
        draw_gl_reset();
    }

    static void clear_to(int grey)
    {
        glClearColor(grey / 255.0f, grey / 255.0f, grey / 255.0f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

TEST_F(GlowTest, TheOverlayBrightensAsTheModeTableSays)
{
    struct Case {
        int pre_pass;     // grey drawn in the corner
        int mode, k;
        int combine;
        int background;   // grey of the picture the glow goes over
        int expected;
    };
    const Case cases[] = {
        {255, GLOW_SUBTRACT, 205, 0, 0, 50},      // 255 - 205
        {255, GLOW_SUBTRACT, 205, 2, 0, 200},     // quadrupled under combine
        {255, GLOW_SUBTRACT, 205, 1, 0, 200},
        {150, GLOW_SUBTRACT, 155, 2, 128, 128},   // nothing above the level: unchanged
        {255, GLOW_SUBTRACT, 0, 2, 128, 255},     // a white glow turns the picture white
        {255, GLOW_SCALE, 100, 0, 0, 255},        // (255 / 100) x 255, clamped
        {99, GLOW_SCALE, 100, 0, 0, 0},
        {200, GLOW_SCALE, 0, 0, 0, 200},          // no level to scale by: kept as read
    };
    for (const Case &c : cases) {
        draw_caps_set(true, c.combine, true);
        draw_gl_reset();
        glViewport(0, 0, GLOW_SIZE, GLOW_SIZE);
        clear_to(c.pre_pass);
        glow_capture(c.mode, c.k);
        glViewport(0, 0, 640, 480);
        clear_to(c.background);
        glEnable(GL_BLEND);
        glow_draw();
        Rgb got = pixel_at(320, 240);
        EXPECT_TRUE(rgb_near(got, {c.expected, c.expected, c.expected}, 3))
            << "pre-pass " << c.pre_pass << " mode " << c.mode << " k " << c.k << " combine " << c.combine
            << ": got " << got.r;
        GLint depth_function = 0;
        glGetIntegerv(GL_DEPTH_FUNC, &depth_function);
        EXPECT_EQ(depth_function, GL_LEQUAL);
    }
}

// The read-back's bottom row is the texture's row 0, shown at the bottom of the screen.
TEST_F(GlowTest, TheOverlayIsUpright)
{
    draw_caps_set(true, 0, true);
    glViewport(0, 0, GLOW_SIZE, GLOW_SIZE);
    clear_to(0);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, GLOW_SIZE, GLOW_SIZE / 2);
    clear_to(255);
    glDisable(GL_SCISSOR_TEST);
    glow_capture(GLOW_SUBTRACT, 0);
    glViewport(0, 0, 640, 480);
    clear_to(0);
    glEnable(GL_BLEND);
    glow_draw();
    EXPECT_TRUE(rgb_near(pixel_at(320, 40), {255, 255, 255}));
    EXPECT_TRUE(rgb_near(pixel_at(320, 440), {0, 0, 0}));
}

// The gradient behind the overlay, depth test passed, blending on again for the overlay.
static void background_draw()
{
    glDepthFunc(GL_ALWAYS);
    draw_blend_background();
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_BLEND);
}

// The overlay as one whole quad over the view, as it was laid before it learnt its cover.
static void whole_overlay_draw()
{
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
    glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
    glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, 4.0f);
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    glBindTexture(GL_TEXTURE_2D, glow_texture);
    glBegin(GL_QUADS);
    const f32 corners[4][4] = {{0, 1, -21.25f, 16}, {0, 0, -21.25f, -16}, {1, 0, 21.25f, -16}, {1, 1, 21.25f, 16}};
    for (const auto &c : corners) {
        glTexCoord2f(c[0], c[1]);
        glVertex3f(c[2], c[3], -50.0f);
    }
    glEnd();
}

// Drawn only where its picture holds light, band by band, the overlay leaves the very pixels
// the whole quad leaves: for small bright patches, patches at the picture's edges (the filter
// wraps), patches in neighbouring bands, and none.
TEST_F(GlowTest, TheOverlayDrawnOverItsCoverMatchesTheWholeQuad)
{
    struct Patch {
        int x, y, width, height;   // a bright patch in the 64 x 64 pre-pass
    };
    struct Case {
        const char *name;
        Patch patches[2];          // a patch of no width is left out
    };
    const Case cases[] = {
        {"patch", {{20, 30, 6, 4}, {0, 0, 0, 0}}},
        {"edge", {{0, 10, 3, 5}, {0, 0, 0, 0}}},
        {"dark", {{0, 0, 0, 0}, {0, 0, 0, 0}}},
        // Bands of different widths: low on the left, high on the right, in neighbouring rows.
        {"two patches", {{5, 8, 4, 4}, {50, 13, 6, 9}}},
        {"single texels", {{31, 31, 1, 1}, {40, 35, 1, 1}}},
        // The filter wraps from the top row to the bottom one.
        {"top and bottom rows", {{10, 63, 5, 1}, {40, 0, 8, 1}}},
        {"one column", {{17, 0, 1, 64}, {0, 0, 0, 0}}},
    };
    draw_caps_set(true, 2, true);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        draw_gl_reset();
        glViewport(0, 0, GLOW_SIZE, GLOW_SIZE);
        clear_to(0);
        glEnable(GL_SCISSOR_TEST);
        for (const Patch &patch : c.patches) {
            if (!patch.width)
                continue;
            glScissor(patch.x, patch.y, patch.width, patch.height);
            clear_to(230);
        }
        glDisable(GL_SCISSOR_TEST);
        glow_capture(GLOW_SUBTRACT, 30);
        glViewport(0, 0, 640, 480);
        background_draw();
        std::vector<u8> bare = window_pixels();
        glow_draw();
        std::vector<u8> covered = window_pixels();
        draw_gl_reset();
        background_draw();
        glDepthFunc(GL_ALWAYS);
        whole_overlay_draw();
        std::vector<u8> whole = window_pixels();
        size_t differ = 0, lit = 0;
        for (size_t i = 0; i < whole.size(); i += 4) {
            differ += memcmp(&covered[i], &whole[i], 3) != 0;
            lit += memcmp(&bare[i], &whole[i], 3) != 0;
        }
        EXPECT_EQ(differ, 0u);
        if (c.patches[0].width) {
            EXPECT_GT(lit, 100u) << "the patches glow";
        }
    }
}
