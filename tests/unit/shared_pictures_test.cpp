// The data builder's shared pictures, decoded by the game's own decoders, checked against the
// places their drawers cut from them.
#include "engine/engine.h"
#include "support/data_set.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

class SharedPictures : public ::testing::Test {
protected:
    static ArchiveHandle archive;

    static void SetUpTestSuite()
    {
        picture_library_start();
        std::string root = data_set_built();
        ASSERT_FALSE(root.empty());
        archive = archive_open((root + "/data/dat00.dat").c_str());
        ASSERT_NE(archive, nullptr);
    }
    static void TearDownTestSuite() { archive_close(archive); }

    static Picture decode(const char *entry) { return archive_picture(archive, entry); }

    // The pixel at texture coordinates (s, t), t = 0 the top row.
    static const u8 *at(const Picture &p, float s, float t)
    {
        int x = static_cast<int>(s * p.width), y = static_cast<int>(t * p.height);
        return p.pixels + (static_cast<size_t>(y) * p.width + x) * 4;
    }
};
ArchiveHandle SharedPictures::archive;

static bool power_of_two(int n)
{
    return n > 0 && (n & (n - 1)) == 0;
}

struct PictureCase {
    const char *entry;
    bool premultiplied;   // drawn with (ONE, ONE_MINUS_SRC_ALPHA): colour never above alpha
};

static const PictureCase picture_cases[] = {
    {"misc/powerbar.tga", true},       {"misc/misc.tga", true},         {"misc/names.tga", true},
    {"misc/lifebar.tga", true},        {"misc/sombra.jpg", false},      {"misc/golpe.jpg", false},
    {"misc/golpe2.jpg", false},        {"misc/reflejo.jpg", false},     {"misc/defensa.jpg", false},
    {"misc/marker.tga", true},         {"misc/blood.jpg", false},       {"misc/blood2.jpg", false},
    {"misc/fondo_vs.jpg", false},      {"misc/fondo_continue.jpg", false},
    {"misc/fondo_gameover.jpg", false}, {"titulo/logo.tga", false},     {"titulo/select3.tga", true},
};

TEST_F(SharedPictures, EveryPictureDecodesAtASizeTheDriverTakes)
{
    for (const PictureCase &test : picture_cases) {
        SCOPED_TRACE(test.entry);
        Picture p = decode(test.entry);
        ASSERT_NE(p.pixels, nullptr);
        EXPECT_TRUE(power_of_two(p.width) && power_of_two(p.height));
        EXPECT_LE(p.width, 512);
        size_t shown = 0;
        for (size_t i = 0; i < static_cast<size_t>(p.width) * p.height; i++) {
            const u8 *px = p.pixels + i * 4;
            if (test.premultiplied) {
                ASSERT_TRUE(px[0] <= px[3] && px[1] <= px[3] && px[2] <= px[3]) << "pixel " << i;
            }
            shown += px[3] > 0 && (px[0] | px[1] | px[2]) != 0;
        }
        EXPECT_GT(shown, static_cast<size_t>(p.width) * p.height / 50) << "something to see";
        picture_free(&p);
    }
}

// Where the HUD's drawers sample or lay their bars, and what must show there.
TEST_F(SharedPictures, HudPicturesLeaveTheBarsWhereTheDrawersPutThem)
{
    Picture misc = decode("misc/misc.tga");
    ASSERT_NE(misc.pixels, nullptr);
    const u8 *corner = at(misc, 0.001f, 0.06f);   // the bars' flat colour: s 0..0.0039, t 0..0.125
    EXPECT_TRUE(corner[0] == 255 && corner[1] == 255 && corner[2] == 255 && corner[3] == 255);
    EXPECT_GT(at(misc, 0.375f, 0.875f)[3], 0) << "the blood cell keeps alpha";
    EXPECT_EQ(at(misc, 0.3f, 0.77f)[3], 0) << "around the drop";
    picture_free(&misc);

    Picture life = decode("misc/lifebar.tga");
    ASSERT_NE(life.pixels, nullptr);
    for (float half : {0.0f, 0.5f}) {
        // Bars at x -19.5..-1.5 (or 1.5..19.5) of a 21-wide frame, y 12.8..14.0 of 17.8..7.8.
        EXPECT_EQ(at(life, 0.5f, half + 0.22f)[3], 0) << "the bar shows through";
        EXPECT_EQ(at(life, 0.1f, half + 0.22f)[3], 0);
        EXPECT_GT(at(life, 0.5f, half + 0.165f)[3], 200) << "the frame above the bar";
    }
    picture_free(&life);

    Picture power = decode("misc/powerbar.tga");
    ASSERT_NE(power.pixels, nullptr);
    // The gauge at x -18.3..-10.8 of the frame's -21..-10, y -12.5..-13.8 of -10..-15.
    EXPECT_EQ(at(power, 0.6f, 0.63f)[3], 0);
    EXPECT_GT(at(power, 0.6f, 0.46f)[3], 200);
    picture_free(&power);
}

TEST_F(SharedPictures, EachNamePlateCellHoldsItsName)
{
    Picture names = decode("misc/names.tga");
    ASSERT_NE(names.pixels, nullptr);
    for (int column = 0; column < 2; column++)
        for (int row = 0; row < 10; row++) {
            int ink = 0;
            for (int y = row * names.height / 10; y < (row + 1) * names.height / 10; y++)
                for (int x = column * names.width / 2; x < (column + 1) * names.width / 2; x++)
                    ink += names.pixels[(static_cast<size_t>(y) * names.width + x) * 4 + 3] > 0;
            if (row < 6)
                EXPECT_GT(ink, 200) << column << ", " << row;
            else
                EXPECT_EQ(ink, 0) << column << ", " << row;
        }
    picture_free(&names);
}
