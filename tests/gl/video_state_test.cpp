#include "engine/engine.h"
#include "support/gl_context.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cmath>

TEST_F(GlTest, InitStateSetsTheEnginesFixedState)
{
    screen_width = 320;
    screen_height = 200;
    gl_init_state();

    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    EXPECT_EQ(viewport[0], 0);
    EXPECT_EQ(viewport[1], 0);
    EXPECT_EQ(viewport[2], 320);
    EXPECT_EQ(viewport[3], 200);
    GLint value = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &value);
    EXPECT_EQ(value, GL_LEQUAL);
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
    glGetIntegerv(GL_FOG_MODE, &value);
    EXPECT_EQ(value, GL_EXP);
    GLfloat density = 0.0f;
    glGetFloatv(GL_FOG_DENSITY, &density);
    EXPECT_FLOAT_EQ(density, 0.003f);
    EXPECT_FALSE(glIsEnabled(GL_FOG));   // only the frame drawer turns it on
    glGetIntegerv(GL_CULL_FACE_MODE, &value);
    EXPECT_EQ(value, GL_BACK);
    GLfloat offset_factor = 0.0f, offset_units = 0.0f;
    glGetFloatv(GL_POLYGON_OFFSET_FACTOR, &offset_factor);
    glGetFloatv(GL_POLYGON_OFFSET_UNITS, &offset_units);
    EXPECT_EQ(offset_factor, 1.0f);
    EXPECT_EQ(offset_units, -10.0f);
    glGetIntegerv(GL_SHADE_MODEL, &value);
    EXPECT_EQ(value, GL_SMOOTH);
    glGetIntegerv(GL_MATRIX_MODE, &value);
    EXPECT_EQ(value, GL_MODELVIEW);
    EXPECT_TRUE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

// 35 degrees vertical at a fixed 4:3, whatever the window's shape; near 2, far 1000.
TEST_F(GlTest, InitStateProjectionIsTheOneFixedPerspective)
{
    screen_width = 640;
    screen_height = 480;
    gl_init_state();
    GLfloat m[16];
    glGetFloatv(GL_PROJECTION_MATRIX, m);
    float f = 1.0f / std::tan(35.0f * 3.14159265f / 360.0f);
    EXPECT_NEAR(m[5], f, 1e-4);
    EXPECT_NEAR(m[0], f / 1.3333f, 1e-4);
    EXPECT_NEAR(m[10], (1000.0f + 2.0f) / (2.0f - 1000.0f), 1e-5);
    EXPECT_NEAR(m[14], 2.0f * 1000.0f * 2.0f / (2.0f - 1000.0f), 1e-4);
}

// Where a point lands in the window when the matrices and viewport are read for it alone.
static void point_projected_alone(double x, double y, double z, double *window_x, double *window_y)
{
    GLdouble model[16], projection[16], window_z;
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    gluProject(x, y, z, model, projection, viewport, window_x, window_y, &window_z);
}

// A view read once projects every point where reading the view for each point does: the
// point straight ahead to the middle of the window, and any other point alike to the bit.
TEST_F(GlTest, AViewReadOnceProjectsAsReadingItForEachPointDoes)
{
    screen_width = 640;
    screen_height = 480;
    gl_init_state();
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glTranslatef(0.0f, 0.0f, -50.0f);
    WindowView view;
    window_view_read(&view);
    const double points[][2] = {{0.0, 0.0}, {-16.0, 16.0}, {16.0, 0.0}, {3.7, -12.25}};
    for (const auto &point : points) {
        double x0, y0, x1, y1;
        point_projected_alone(point[0], point[1], 0.0, &x0, &y0);
        window_view_point(&view, point[0], point[1], 0.0, &x1, &y1);
        EXPECT_EQ(x0, x1);
        EXPECT_EQ(y0, y1);
    }
    double x, y;
    window_view_point(&view, 0.0, 0.0, 0.0, &x, &y);
    EXPECT_NEAR(x, 320.0, 1e-6);
    EXPECT_NEAR(y, 240.0, 1e-6);
}

TEST_F(GlTest, InitStateMakesTheGlowTexture)
{
    screen_width = 640;
    screen_height = 480;
    gl_init_state();
    ASSERT_NE(glow_texture, 0u);
    ASSERT_TRUE(glIsTexture(glow_texture));
    glBindTexture(GL_TEXTURE_2D, glow_texture);
    GLint width = 0, height = 0, filter = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(width, 64);
    EXPECT_EQ(height, 64);
    EXPECT_EQ(filter, GL_LINEAR);
}

TEST(GammaRamp, NeutralGammaIsTheIdentityRamp)
{
    u16 ramp[256];
    gamma_ramp_build(1.0f, ramp);
    EXPECT_EQ(ramp[0], 0);
    EXPECT_EQ(ramp[128], 32896);
    EXPECT_EQ(ramp[255], 65535);
    for (int i = 0; i < 256; i++)
        EXPECT_NEAR(ramp[i], i * 257, 1) << "entry " << i;
}

TEST(GammaRamp, HigherGammaBrightensAndStaysInRange)
{
    u16 bright[256], dark[256];
    gamma_ramp_build(2.5f, bright);
    gamma_ramp_build(0.5f, dark);
    EXPECT_GT(bright[128], 32896);
    EXPECT_LT(dark[128], 32896);
    EXPECT_EQ(bright[255], 65535);
    EXPECT_EQ(dark[255], 65535);
    for (int i = 1; i < 256; i++) {
        EXPECT_GE(bright[i], bright[i - 1]);
        EXPECT_GE(dark[i], dark[i - 1]);
    }
}
