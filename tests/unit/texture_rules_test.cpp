#include "engine/engine.h"

#include <gtest/gtest.h>

TEST(TextureUploadSize, FollowsTheModeDetailAndDriver)
{
    struct Case {
        int mode, detail, max_size, width, height, expect_width, expect_height;
    };
    const Case cases[] = {
        // mode                  detail max   w     h    -> w    h
        {TEXTURE_CLAMP_RGBA, 0, 1024, 512, 512, 256, 256},       // large, Normal detail
        {TEXTURE_CLAMP_RGBA, 1, 1024, 512, 512, 512, 512},       // large, High detail
        {TEXTURE_CLAMP_RGBA, 1, 256, 512, 512, 256, 256},        // large, small driver
        {TEXTURE_CLAMP_RGB, 0, 4096, 300, 64, 256, 256},         // one side over 256 is large
        {TEXTURE_MIPMAP_RGB, 1, 512, 300, 64, 300, 64},
        {TEXTURE_MIPMAP_RGBA, 0, 256, 256, 256, 256, 256},       // 256 is never resized
        {TEXTURE_MIPMAP_RGBA, 0, 0, 100, 50, 100, 50},           // nor anything smaller
        {TEXTURE_CLAMP_RGBA, 1, 1024, 2048, 64, 256, 256},       // beyond the driver: squeezed
        {TEXTURE_MIPMAP_RGBA_FULL, 0, 256, 128, 128, 256, 256},  // small driver: even small ones
        {TEXTURE_MIPMAP_RGBA_FULL, 0, 512, 128, 128, 128, 128},
        {TEXTURE_MIPMAP_RGBA_FULL, 0, 2048, 1024, 700, 1024, 700},  // detail not looked at
    };
    u8 saved_detail = texture_detail;
    i32 saved_max = gl_max_texture_size;
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " detail " << c.detail << " max " << c.max_size
                                        << " " << c.width << "x" << c.height);
        texture_detail = static_cast<u8>(c.detail);
        gl_max_texture_size = c.max_size;
        int width = -1, height = -1;
        texture_upload_size(c.mode, c.width, c.height, &width, &height);
        EXPECT_EQ(width, c.expect_width);
        EXPECT_EQ(height, c.expect_height);
    }
    texture_detail = saved_detail;
    gl_max_texture_size = saved_max;
}

TEST(TextureNames, OnlyLowerCaseJpgIsJpeg)
{
    struct Case {
        const char *name;
        int jpeg;
    };
    const Case cases[] = {
        {"misc/blood.jpg", 1},
        {"misc/blood.JPG", 0},   // capitals: read as a TGA
        {"misc/blood.tga", 0},
        {"misc/blood", 0},
        {"misc.jpg/blood", 0},   // a dot in a folder name is no extension
        {"a.b.jpg", 1},
        {"a.jpgx", 1},           // the first three letters decide
        {"a.jp", 0},
        {"", 0},
    };
    for (const Case &c : cases)
        EXPECT_EQ(texture_name_is_jpeg(c.name), c.jpeg) << c.name;
}
