// The glow's picture maths: the threshold modes and the 5 x 5 box blur.
#include "engine/engine.h"

#include <gtest/gtest.h>
#include <vector>

constexpr int PIXEL_BYTES = GLOW_SIZE * GLOW_SIZE * 3;

static u8 &channel(std::vector<u8> &picture, int row, int column, int c)
{
    return picture[(row * GLOW_SIZE + column) * 3 + c];
}

TEST(GlowThreshold, EachModeOnEachByte)
{
    struct Case {
        int mode, k;
        u8 in, out;
    };
    const Case cases[] = {
        {GLOW_SUBTRACT, 155, 255, 100},   // white keeps what lies above the level
        {GLOW_SUBTRACT, 155, 150, 0},     // below the level: nothing
        {GLOW_SUBTRACT, 0, 77, 77},
        {GLOW_SCALE, 100, 250, 255},      // (250 / 100) x 250 = 500, clamped
        {GLOW_SCALE, 100, 120, 120},      // 1 x 120
        {GLOW_SCALE, 100, 99, 0},         // 0 x 99
        {GLOW_SCALE, 0, 200, 200},        // no level to scale by: unchanged
        {GLOW_SCALE, -5, 200, 200},
        {7, 155, 200, 200},               // no such mode: unchanged
    };
    for (const Case &c : cases) {
        std::vector<u8> picture(PIXEL_BYTES, c.in);
        glow_threshold(picture.data(), c.mode, c.k);
        EXPECT_EQ(picture[0], c.out) << "mode " << c.mode << " k " << c.k << " v " << int(c.in);
        EXPECT_EQ(picture[PIXEL_BYTES - 1], c.out);
    }
}

TEST(GlowBlur, ACornerPixelSpreadsOverTheCornerItsBoxReaches)
{
    std::vector<u8> in(PIXEL_BYTES, 0), out(PIXEL_BYTES, 1);
    channel(in, 0, 0, 1) = 225;
    glow_blur(in.data(), out.data());
    // Each pixel of the 3 x 3 corner holds 225 divided by its own box's samples inside the
    // picture: 9 at the corner itself, 25 two steps in; farther pixels do not reach it.
    const u8 corner[3][3] = {{225 / 9, 225 / 12, 225 / 15}, {225 / 12, 225 / 16, 225 / 20}, {225 / 15, 225 / 20, 225 / 25}};
    for (int row = 0; row < GLOW_SIZE; row++)
        for (int column = 0; column < GLOW_SIZE; column++) {
            u8 expected = row <= 2 && column <= 2 ? corner[row][column] : 0;
            ASSERT_EQ(channel(out, row, column, 1), expected) << row << ", " << column;
            ASSERT_EQ(channel(out, row, column, 0), 0);
            ASSERT_EQ(channel(out, row, column, 2), 0);
        }
}

TEST(GlowBlur, InsideThePictureTheMeanIsOverTwentyFiveAndTruncated)
{
    std::vector<u8> in(PIXEL_BYTES, 0), out(PIXEL_BYTES, 0);
    channel(in, 30, 30, 0) = 255;
    channel(in, 31, 30, 0) = 255;
    glow_blur(in.data(), out.data());
    EXPECT_EQ(channel(out, 30, 30, 0), 20);   // 510 / 25 = 20.4
    EXPECT_EQ(channel(out, 28, 28, 0), 10);   // only (30, 30) is inside: 255 / 25
    EXPECT_EQ(channel(out, 27, 30, 0), 0);
    // A flat picture stays flat, edges and all: the divisor is the samples taken.
    std::vector<u8> flat(PIXEL_BYTES, 200);
    glow_blur(flat.data(), out.data());
    EXPECT_EQ(out, flat);
}
