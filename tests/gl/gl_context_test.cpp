#include "support/gl_context.h"

#include <GL/gl.h>

// The fixture itself: a cleared pbuffer reads back the clear colour.
TEST_F(GlTest, ClearColourReadsBack)
{
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    unsigned char rgba[4];
    gl_test_read_pixel(10, 10, rgba);
    EXPECT_EQ(rgba[0], 255);
    EXPECT_EQ(rgba[1], 0);
}
