// The glow: a 64 x 64 pre-pass read back, thresholded, blurred and laid over the whole view.
#include "engine/engine.h"

#include <GL/gl.h>

#include <cmath>

constexpr int GLOW_CHANNELS = 3;
constexpr int GLOW_BYTES = GLOW_SIZE * GLOW_SIZE * GLOW_CHANNELS;
constexpr int GLOW_BLUR_REACH = 2;   // a 5 x 5 box
constexpr f32 GLOW_RGB_SCALE = 4.0f;
// The overlay quad at eye depth 50 covers the standard 35-degree, 4:3 view.
constexpr f32 GLOW_QUAD_HALF_X = 21.25f;
constexpr f32 GLOW_QUAD_HALF_Y = 16.0f;
constexpr f32 GLOW_QUAD_DEPTH = -50.0f;

static_assert(GLOW_BYTES == static_cast<int>(GLOW_BUFFER_SIZE), "the glow buffers hold one picture");

// The columns and rows of the last captured picture that hold a texel other than black;
// first > last when every texel is black. Before any capture the whole picture counts.
struct GlowCover {
    int column0, column1;
    int row0, row1;
};
static GlowCover glow_cover = {0, GLOW_SIZE - 1, 0, GLOW_SIZE - 1};

static u8 clamp_byte(int value)
{
    return static_cast<u8>(value < 0 ? 0 : value > 255 ? 255 : value);
}

void glow_threshold(u8 *pixels, int mode, int k)
{
    if (!pixels)
        return;
    // Scaling by v / k needs a positive k; any other mode keeps the picture as read.
    if (mode == GLOW_SUBTRACT) {
        for (int i = 0; i < GLOW_BYTES; i++)
            pixels[i] = clamp_byte(pixels[i] - k);
    } else if (mode == GLOW_SCALE && k > 0) {
        for (int i = 0; i < GLOW_BYTES; i++)
            pixels[i] = clamp_byte(pixels[i] / k * pixels[i]);
    }
}

// The mean of one channel over the box round (row, column), edges taking fewer samples.
static u8 glow_box_mean(const u8 *in, int row, int column, int channel)
{
    int sum = 0, samples = 0;
    for (int r = row - GLOW_BLUR_REACH; r <= row + GLOW_BLUR_REACH; r++) {
        if (r < 0 || r >= GLOW_SIZE)
            continue;
        for (int c = column - GLOW_BLUR_REACH; c <= column + GLOW_BLUR_REACH; c++) {
            if (c < 0 || c >= GLOW_SIZE)
                continue;
            sum += in[(r * GLOW_SIZE + c) * GLOW_CHANNELS + channel];
            samples++;
        }
    }
    return clamp_byte(sum / samples);
}

void glow_blur(const u8 *in, u8 *out)
{
    if (!in || !out)
        return;
    for (int row = 0; row < GLOW_SIZE; row++)
        for (int column = 0; column < GLOW_SIZE; column++)
            for (int channel = 0; channel < GLOW_CHANNELS; channel++)
                out[(row * GLOW_SIZE + column) * GLOW_CHANNELS + channel] = glow_box_mean(in, row, column, channel);
}

static GlowCover glow_cover_find(const u8 *pixels)
{
    GlowCover cover = {GLOW_SIZE, -1, GLOW_SIZE, -1};
    for (int row = 0; row < GLOW_SIZE; row++)
        for (int column = 0; column < GLOW_SIZE; column++) {
            const u8 *texel = pixels + (row * GLOW_SIZE + column) * GLOW_CHANNELS;
            if (!texel[0] && !texel[1] && !texel[2])
                continue;
            cover.column0 = column < cover.column0 ? column : cover.column0;
            cover.column1 = column > cover.column1 ? column : cover.column1;
            cover.row0 = row < cover.row0 ? row : cover.row0;
            cover.row1 = row > cover.row1 ? row : cover.row1;
        }
    return cover;
}

void glow_capture(int mode, int k)
{
    if (!glow_read_buffer || !glow_blur_buffer)
        return;
    glFlush();
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GLOW_SIZE, GLOW_SIZE, GL_RGB, GL_UNSIGNED_BYTE, glow_read_buffer);
    glow_threshold(glow_read_buffer, mode, k);
    glow_blur(glow_read_buffer, glow_blur_buffer);
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, glow_texture);
    glTexSubImage2D(GL_TEXTURE_2D, 0, 0, 0, GLOW_SIZE, GLOW_SIZE, GL_RGB, GL_UNSIGNED_BYTE, glow_blur_buffer);
    glow_cover = glow_cover_find(glow_blur_buffer);
}

// The span of texture coordinates whose linear filtering reaches texels first .. last; the
// whole span when they lie at an edge, where the repeating texture wraps the filter round.
static void glow_cover_span(int first, int last, double span[2])
{
    span[0] = 0.0;
    span[1] = 1.0;
    if (first <= 0 || last >= GLOW_SIZE - 1)
        return;
    span[0] = (first - 0.5) / GLOW_SIZE;
    span[1] = (last + 1.5) / GLOW_SIZE;
}

// Only the window pixels whose sample reaches a texel that is not black can change: black
// adds nothing under the screen blend. The scissor keeps the rest from being blended at all,
// with a pixel to spare on each side; the quad drawn is the same. Needs the identity view.
static void glow_scissor_set()
{
    glEnable(GL_SCISSOR_TEST);
    if (glow_cover.column0 > glow_cover.column1) {
        glScissor(0, 0, 0, 0);
        return;
    }
    double s[2], t[2], corner[2][2];
    glow_cover_span(glow_cover.column0, glow_cover.column1, s);
    glow_cover_span(glow_cover.row0, glow_cover.row1, t);
    WindowView view;
    window_view_read(&view);
    for (int k = 0; k < 2; k++)
        window_view_point(&view, GLOW_QUAD_HALF_X * (2.0 * s[k] - 1.0), GLOW_QUAD_HALF_Y * (2.0 * t[k] - 1.0),
                          GLOW_QUAD_DEPTH, &corner[k][0], &corner[k][1]);
    int x0 = static_cast<int>(std::floor(corner[0][0])) - 1, x1 = static_cast<int>(std::ceil(corner[1][0])) + 1;
    int y0 = static_cast<int>(std::floor(corner[0][1])) - 1, y1 = static_cast<int>(std::ceil(corner[1][1])) + 1;
    glScissor(x0, y0, x1 > x0 ? x1 - x0 : 0, y1 > y0 ? y1 - y0 : 0);
}

// Without combine the environment stays as the drawer before left it: the glow is not
// quadrupled then.
void glow_draw()
{
    glDepthFunc(GL_ALWAYS);
    texture_unit_select(0);
    glEnable(GL_TEXTURE_2D);
    if (tex_env_combine == 1 || tex_env_combine == 2) {
        glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_COMBINE);
        glTexEnvi(GL_TEXTURE_ENV, GL_COMBINE_RGB, GL_MODULATE);
        glTexEnvf(GL_TEXTURE_ENV, GL_RGB_SCALE, GLOW_RGB_SCALE);
    }
    glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
    glBindTexture(GL_TEXTURE_2D, glow_texture);
    glLoadIdentity();
    glColor3f(1.0f, 1.0f, 1.0f);
    glow_scissor_set();
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(-GLOW_QUAD_HALF_X, GLOW_QUAD_HALF_Y, GLOW_QUAD_DEPTH);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(-GLOW_QUAD_HALF_X, -GLOW_QUAD_HALF_Y, GLOW_QUAD_DEPTH);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(GLOW_QUAD_HALF_X, -GLOW_QUAD_HALF_Y, GLOW_QUAD_DEPTH);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(GLOW_QUAD_HALF_X, GLOW_QUAD_HALF_Y, GLOW_QUAD_DEPTH);
    glEnd();
    glDisable(GL_SCISSOR_TEST);
    glDepthFunc(GL_LEQUAL);
}
