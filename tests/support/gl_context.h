// gl_context.h: a real OpenGL context without X for the `gl` tests (Mesa's EGL surfaceless
// platform with a pbuffer), and a fixture that makes it current.
#pragma once

#include <gtest/gtest.h>

constexpr int GL_TEST_WIDTH = 640;
constexpr int GL_TEST_HEIGHT = 480;

// Sets the pbuffer's size for a context not yet made (the benchmark measures the launcher's
// resolutions); the tests keep GL_TEST_WIDTH x GL_TEST_HEIGHT.
void gl_test_context_size(int width, int height);

// Creates the context on first use and makes it current; returns false when EGL cannot give
// one (the test then fails: the gl level is never skipped).
bool gl_test_context_current();

// Reads one RGBA pixel of the pbuffer (origin bottom left).
void gl_test_read_pixel(int x, int y, unsigned char rgba[4]);

class GlTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gl_test_context_current()) << "no EGL surfaceless GL context"; }
};
