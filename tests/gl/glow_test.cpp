// The glow in real GL: a pre-pass in the 64 x 64 corner, captured, blurred and laid over the
// view as the mode table and the combine support say.
#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>

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
