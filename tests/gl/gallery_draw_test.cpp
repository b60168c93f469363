// The gallery screen in real GL with the built fonts: the title's ink stands above the
// picture's frame, clear of it and inside the view, for the square pictures and the panorama.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "support/draw_fixtures.h"
#include "support/marker_pictures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <algorithm>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int PICTURE_MARKER = 3;
constexpr int PANORAMA = 11;
constexpr int INK = 200;
constexpr int CLEARANCE = 3;   // pixels of background between the ink and the frame or the view's edge   // every channel above this: white ink (the picture is a marker colour)

struct Box {
    int count = 0;
    int x0 = GL_TEST_WIDTH, y0 = GL_TEST_HEIGHT, x1 = -1, y1 = -1;   // window pixels, rows from the bottom
    void add(int x, int y)
    {
        count++;
        x0 = std::min(x0, x), x1 = std::max(x1, x), y0 = std::min(y0, y), y1 = std::max(y1, y);
    }
};

class GalleryDraw : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        std::string path = test_data_archive_path();
        archive = archive_open(path.c_str());
        ASSERT_NE(archive, nullptr) << path << " is missing: " << TEST_NO_DATA_SET;
        font_text_texture = texture_load(archive, "misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
        font_letters_texture = texture_load(archive, "misc/textb.tga", TEXTURE_MIPMAP_RGBA_FULL);
        ASSERT_TRUE(fonts_build());
        title_textures[TITLE_BACK_1] = colour.black;
        title_textures[TITLE_BACK_2] = colour.black;
        for (int slot = 0; slot < GALLERY_PICTURES; slot++)
            screen_textures[slot] = marker_texture(PICTURE_MARKER);
    }
    void TearDown() override
    {
        for (int slot = 0; slot < GALLERY_PICTURES; slot++)
            screen_textures[slot] = 0;
        title_textures[TITLE_BACK_1] = title_textures[TITLE_BACK_2] = 0;
        texture_table_delete(&font_text_texture, 1);
        texture_table_delete(&font_letters_texture, 1);
        fonts_free();
        archive_close(archive);
        gallery_index = 0;
        gallery_fade = 0.0f;
    }

    // The picture's pixels and the white ink's above the view's middle (the help lines and
    // the counter stand below it).
    void frame(Box *picture, Box *title)
    {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        gallery_draw();
        std::vector<u8> pixels = window_pixels();
        Rgb m = marker(PICTURE_MARKER);
        for (int y = 0; y < GL_TEST_HEIGHT; y++)
            for (int x = 0; x < GL_TEST_WIDTH; x++) {
                const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
                if (rgb_near({p[0], p[1], p[2]}, m, 8))
                    picture->add(x, y);
                else if (y > GL_TEST_HEIGHT / 2 && p[0] > INK && p[1] > INK && p[2] > INK)
                    title->add(x, y);
            }
    }

    ArchiveHandle archive = nullptr;
};

TEST_F(GalleryDraw, TheTitleStandsAboveThePictureFrameInsideTheView)
{
    gallery_fade = 1.0f;   // the picture at rest
    for (u32 index : {0u, static_cast<u32>(PANORAMA)}) {
        SCOPED_TRACE(testing::Message() << "picture " << index);
        gallery_index = index;
        Box picture, title;
        frame(&picture, &title);
        ASSERT_GT(picture.count, 0) << "no picture drawn";
        ASSERT_GT(title.count, 50) << "no title ink";
        EXPECT_GT(title.y0, picture.y1 + CLEARANCE) << "the title's ink reaches the frame";
        EXPECT_LT(title.y1, GL_TEST_HEIGHT - 1 - CLEARANCE) << "the title runs off the top";
        int title_middle = (title.x0 + title.x1) / 2, picture_middle = (picture.x0 + picture.x1) / 2;
        EXPECT_NEAR(title_middle, picture_middle, 8) << "centred over the picture";
    }
}

} // namespace
