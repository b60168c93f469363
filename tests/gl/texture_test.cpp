#include "engine/engine.h"
#include "support/gl_context.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <GL/gl.h>
#include <GL/glext.h>
#include <vector>

// Pixels of one flat colour, with a different top-left pixel so the orientation shows.
static Bytes flat_picture(int width, int height, u8 r, u8 g, u8 b, u8 a)
{
    Bytes rgba(static_cast<size_t>(width) * height * 4);
    for (size_t i = 0; i < rgba.size(); i += 4) {
        rgba[i] = r;
        rgba[i + 1] = g;
        rgba[i + 2] = b;
        rgba[i + 3] = a;
    }
    rgba[0] = 255;
    rgba[1] = rgba[2] = 0;
    return rgba;
}

class TextureLoad : public GlTest {
protected:
    static ArchiveHandle archive;
    u8 saved_detail = 0, saved_sharpness = 0, saved_depth = 0;
    i32 saved_max = 0;

    static void SetUpTestSuite()
    {
        std::string path = test_scratch_dir("textures") + "/dat00.dat";
        Bytes jpeg;
        ASSERT_EQ(jpeg_write(jpeg, 64, 32, flat_picture(64, 32, 40, 160, 90, 255).data(), 95), 1);
        std::vector<ZipEntry> entries = {
            {"pic/small.tga", tga_write(64, 32, 32, flat_picture(64, 32, 10, 20, 30, 128).data())},
            {"pic/large.tga", tga_write(512, 512, 24, flat_picture(512, 512, 50, 60, 70, 255).data())},
            {"pic/photo.jpg", jpeg},
            {"pic/photo_caps.JPG", jpeg},
            {"pic/bad.tga", {1, 2, 3}},
        };
        ASSERT_EQ(zip_write(path.c_str(), entries), 1);
        archive = archive_open(path.c_str());
        ASSERT_NE(archive, nullptr);
    }
    static void TearDownTestSuite() { archive_close(archive); }

    void SetUp() override
    {
        GlTest::SetUp();
        saved_detail = texture_detail;
        saved_sharpness = texture_sharpness;
        saved_depth = texture_colour_depth;
        saved_max = gl_max_texture_size;
        glGetIntegerv(GL_MAX_TEXTURE_SIZE, &gl_max_texture_size);
    }
    void TearDown() override
    {
        texture_detail = saved_detail;
        texture_sharpness = saved_sharpness;
        texture_colour_depth = saved_depth;
        gl_max_texture_size = saved_max;
        glTexEnvf(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, 0.0f);
    }
};
ArchiveHandle TextureLoad::archive = nullptr;

static GLint level_parameter(int level, GLenum name)
{
    GLint value = -1;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, level, name, &value);
    return value;
}

static GLint texture_parameter(GLenum name)
{
    GLint value = -1;
    glGetTexParameteriv(GL_TEXTURE_2D, name, &value);
    return value;
}

TEST_F(TextureLoad, EachModeSetsFormatFilterWrapAndLevels)
{
    struct Case {
        int mode;
        GLint format_16, format_32, min_filter, wrap;
        bool mipmaps;
    };
    const Case cases[] = {
        {TEXTURE_CLAMP_RGBA, GL_RGBA4, GL_RGBA8, GL_LINEAR, GL_CLAMP_TO_EDGE, false},
        {TEXTURE_CLAMP_RGB, GL_RGB4, GL_RGB8, GL_LINEAR, GL_CLAMP_TO_EDGE, false},
        {TEXTURE_MIPMAP_RGBA, GL_RGBA4, GL_RGBA8, GL_LINEAR_MIPMAP_LINEAR, GL_REPEAT, true},
        {TEXTURE_MIPMAP_RGB, GL_RGB4, GL_RGB8, GL_LINEAR_MIPMAP_LINEAR, GL_REPEAT, true},
        {TEXTURE_MIPMAP_RGBA_FULL, GL_RGBA4, GL_RGBA8, GL_LINEAR_MIPMAP_LINEAR, GL_REPEAT, true},
    };
    for (const Case &c : cases) {
        for (int depth : {0, 1}) {
            SCOPED_TRACE(testing::Message() << "mode " << c.mode << " colour depth " << depth);
            texture_colour_depth = static_cast<u8>(depth);
            u32 name = texture_load(archive, "PIC/Small.TGA", c.mode);   // any case finds it
            ASSERT_NE(name, 0u);
            GLint bound = 0;
            glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
            EXPECT_EQ(static_cast<u32>(bound), name);
            EXPECT_EQ(level_parameter(0, GL_TEXTURE_WIDTH), 64);
            EXPECT_EQ(level_parameter(0, GL_TEXTURE_HEIGHT), 32);
            EXPECT_EQ(level_parameter(0, GL_TEXTURE_INTERNAL_FORMAT), depth ? c.format_32 : c.format_16);
            EXPECT_EQ(level_parameter(1, GL_TEXTURE_WIDTH), c.mipmaps ? 32 : 0);
            EXPECT_EQ(texture_parameter(GL_TEXTURE_MAG_FILTER), GL_LINEAR);
            EXPECT_EQ(texture_parameter(GL_TEXTURE_MIN_FILTER), c.min_filter);
            EXPECT_EQ(texture_parameter(GL_TEXTURE_WRAP_S), c.wrap);
            EXPECT_EQ(texture_parameter(GL_TEXTURE_WRAP_T), c.wrap);
            GLuint gl_name = name;
            glDeleteTextures(1, &gl_name);
        }
    }
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
}

TEST_F(TextureLoad, PixelsArriveTopRowFirstWithAlpha)
{
    texture_colour_depth = 1;
    u32 name = texture_load(archive, "pic/small.tga", TEXTURE_CLAMP_RGBA);
    ASSERT_NE(name, 0u);
    std::vector<u8> texels(64 * 32 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    // Texel row 0 (t = 0) is the picture's top row, whose first pixel is red.
    EXPECT_EQ(texels[0], 255);
    EXPECT_EQ(texels[1], 0);
    EXPECT_EQ(texels[4 * 5 + 0], 10);
    EXPECT_EQ(texels[4 * 5 + 2], 30);
    EXPECT_EQ(texels[4 * 5 + 3], 128);
    GLuint gl_name = name;
    glDeleteTextures(1, &gl_name);
}

TEST_F(TextureLoad, LargePicturesFollowTheDetailSetting)
{
    struct Case {
        int mode, detail, max_size, side;
    };
    const Case cases[] = {
        {TEXTURE_CLAMP_RGBA, 0, 0, 256},           // Normal detail squeezes
        {TEXTURE_CLAMP_RGB, 1, 0, 512},            // High detail on this driver keeps it
        {TEXTURE_MIPMAP_RGBA, 1, 256, 256},        // a driver limited to 256 squeezes
        {TEXTURE_MIPMAP_RGBA_FULL, 0, 0, 512},     // detail not looked at
    };
    GLint driver_max = gl_max_texture_size;
    ASSERT_GE(driver_max, 512);
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode << " detail " << c.detail);
        texture_detail = static_cast<u8>(c.detail);
        gl_max_texture_size = c.max_size ? c.max_size : driver_max;
        u32 name = texture_load(archive, "pic/large.tga", c.mode);
        ASSERT_NE(name, 0u);
        EXPECT_EQ(level_parameter(0, GL_TEXTURE_WIDTH), c.side);
        EXPECT_EQ(level_parameter(0, GL_TEXTURE_HEIGHT), c.side);
        GLuint gl_name = name;
        glDeleteTextures(1, &gl_name);
    }
}

TEST_F(TextureLoad, JpegEntriesAreOpaqueAndOnlyLowerCaseJpgCounts)
{
    texture_colour_depth = 1;
    u32 name = texture_load(archive, "pic/photo.jpg", TEXTURE_CLAMP_RGBA);
    ASSERT_NE(name, 0u);
    EXPECT_EQ(level_parameter(0, GL_TEXTURE_WIDTH), 64);
    std::vector<u8> texels(64 * 32 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    size_t middle = (16 * 64 + 32) * 4;
    EXPECT_NEAR(texels[middle + 1], 160, 12);
    EXPECT_EQ(texels[middle + 3], 255);
    GLuint gl_name = name;
    glDeleteTextures(1, &gl_name);

    // Capital letters make it a TGA, and JPEG bytes are no TGA.
    EXPECT_EQ(texture_load(archive, "pic/photo_caps.JPG", TEXTURE_CLAMP_RGBA), 0u);
}

TEST_F(TextureLoad, FailuresReturnZeroAndLeaveNoTexture)
{
    GLuint probe = 0;
    glGenTextures(1, &probe);
    glDeleteTextures(1, &probe);
    EXPECT_EQ(texture_load(archive, "pic/missing.tga", TEXTURE_CLAMP_RGBA), 0u);
    EXPECT_EQ(texture_load(archive, "pic/bad.tga", TEXTURE_CLAMP_RGBA), 0u);
    EXPECT_EQ(texture_load(archive, "pic/small.tga", TEXTURE_MODE_COUNT), 0u);
    EXPECT_EQ(texture_load(archive, "pic/small.tga", -1), 0u);
    EXPECT_EQ(texture_load(nullptr, "pic/small.tga", TEXTURE_CLAMP_RGBA), 0u);
    // No name was used up by the failures: the next one made is the one just freed, or the
    // one after it where the driver does not hand names out again.
    GLuint next = 0;
    glGenTextures(1, &next);
    EXPECT_LE(next, probe + 1);
    glDeleteTextures(1, &next);
}

TEST_F(TextureLoad, SharperSettingBiasesTheUnitForMipmapsOnly)
{
    texture_sharpness = 1;
    GLfloat bias = 1.0f;
    GLuint names[2];
    names[0] = texture_load(archive, "pic/small.tga", TEXTURE_CLAMP_RGBA);
    glGetTexEnvfv(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, &bias);
    EXPECT_EQ(bias, 0.0f);
    names[1] = texture_load(archive, "pic/small.tga", TEXTURE_MIPMAP_RGBA);
    glGetTexEnvfv(GL_TEXTURE_FILTER_CONTROL, GL_TEXTURE_LOD_BIAS, &bias);
    EXPECT_EQ(bias, -1.0f);
    glDeleteTextures(2, names);
}
