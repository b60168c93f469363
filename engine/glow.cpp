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

// Each texel row of the last captured picture: its first and last column that is not black,
// first > last in a black row. Known once a picture is captured.
static bool glow_rows_known;
static int glow_row_first[GLOW_SIZE], glow_row_last[GLOW_SIZE];
// The overlay is blended in bands of the window, each as wide as the texel rows it samples
// need: a lit patch low on the left and one high on the right leave the rest of their common
// rectangle unblended. Each band is GLOW_BAND_ROWS texel rows tall.
constexpr int GLOW_BAND_ROWS = 4;
constexpr int GLOW_BANDS = GLOW_SIZE / GLOW_BAND_ROWS;
// A window row of a band samples up to two texel rows beyond it: one for the linear filter,
// one for the rounding of the band's edges to whole pixels (a texel is a pixel tall at least).
constexpr int GLOW_BAND_REACH = 2;
static_assert(GLOW_SIZE % GLOW_BAND_ROWS == 0, "whole bands");

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

// Notes each row's lit columns in glow_row_first and glow_row_last.
static void glow_cover_find(const u8 *pixels)
{
    for (int row = 0; row < GLOW_SIZE; row++) {
        glow_row_first[row] = GLOW_SIZE;
        glow_row_last[row] = -1;
        for (int column = 0; column < GLOW_SIZE; column++) {
            const u8 *texel = pixels + (row * GLOW_SIZE + column) * GLOW_CHANNELS;
            if (!texel[0] && !texel[1] && !texel[2])
                continue;
            glow_row_first[row] = column < glow_row_first[row] ? column : glow_row_first[row];
            glow_row_last[row] = column;
        }
    }
    glow_rows_known = true;
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
    glow_cover_find(glow_blur_buffer);
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

// The window column, or row, where the quad's coordinate `at` (0..1 of its width, or height)
// lands.
static double glow_window_x(const WindowView *view, double at)
{
    double x, y;
    window_view_point(view, GLOW_QUAD_HALF_X * (2.0 * at - 1.0), 0.0, GLOW_QUAD_DEPTH, &x, &y);
    return x;
}

static double glow_window_y(const WindowView *view, double at)
{
    double x, y;
    window_view_point(view, 0.0, GLOW_QUAD_HALF_Y * (2.0 * at - 1.0), GLOW_QUAD_DEPTH, &x, &y);
    return y;
}

// The lit columns of texel rows first .. last, wrapping round the picture's edges as the
// repeating texture's filter does; false when they are all black.
static bool glow_rows_columns(int first, int last, int columns[2])
{
    columns[0] = GLOW_SIZE;
    columns[1] = -1;
    for (int k = first; k <= last; k++) {
        int row = (k + GLOW_SIZE) % GLOW_SIZE;
        columns[0] = glow_row_first[row] < columns[0] ? glow_row_first[row] : columns[0];
        columns[1] = glow_row_last[row] > columns[1] ? glow_row_last[row] : columns[1];
    }
    return columns[0] <= columns[1];
}

// The scissor over window rows y0 .. y1 - 1 and the window columns whose sample reaches
// texel columns first .. last, with a pixel to spare on each side.
static void glow_band_scissor(const WindowView *view, int y0, int y1, const int columns[2])
{
    double s[2];
    glow_cover_span(columns[0], columns[1], s);
    int x0 = static_cast<int>(std::floor(glow_window_x(view, s[0]))) - 1;
    int x1 = static_cast<int>(std::ceil(glow_window_x(view, s[1]))) + 1;
    glScissor(x0, y0, x1 > x0 ? x1 - x0 : 0, y1 > y0 ? y1 - y0 : 0);
}

static void glow_quad_send()
{
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
}

// The quad once per band of window rows that holds a lit texel, scissored to that band and
// to the columns its texel rows light. The bands share no window row, so no pixel is blended
// twice, and every pixel left out samples only black, which adds nothing under the screen
// blend: the picture is the whole quad's. Needs the identity view.
static void glow_bands_draw(const WindowView *view)
{
    // Band b's window rows run from edge[b] to edge[b + 1]; the outer edges a pixel beyond.
    int edge[GLOW_BANDS + 1];
    for (int b = 0; b <= GLOW_BANDS; b++)
        edge[b] = static_cast<int>(std::floor(glow_window_y(view, static_cast<double>(b) / GLOW_BANDS) + 0.5));
    int outward = edge[GLOW_BANDS] >= edge[0] ? 1 : -1;   // the picture may stand either way up
    edge[0] -= outward;
    edge[GLOW_BANDS] += outward;
    for (int b = 0; b < GLOW_BANDS; b++) {
        int columns[2];
        int first = b * GLOW_BAND_ROWS - GLOW_BAND_REACH, last = (b + 1) * GLOW_BAND_ROWS - 1 + GLOW_BAND_REACH;
        if (!glow_rows_columns(first, last, columns))
            continue;
        int y0 = edge[b] < edge[b + 1] ? edge[b] : edge[b + 1], y1 = edge[b] < edge[b + 1] ? edge[b + 1] : edge[b];
        glow_band_scissor(view, y0, y1, columns);
        glow_quad_send();
    }
}

// Without combine the environment stays as the drawer before left it: the glow is not
// quadrupled then. Before any capture the whole quad is blended.
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
    if (glow_rows_known) {
        WindowView view;
        window_view_read(&view);
        glEnable(GL_SCISSOR_TEST);
        glow_bands_draw(&view);
        glDisable(GL_SCISSOR_TEST);
    } else {
        glow_quad_send();
    }
    glDepthFunc(GL_LEQUAL);
}
