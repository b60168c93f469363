#include "engine/engine.h"
#include "support/data_set.h"
#include "support/test_paths.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

// The data builder's title pictures, decoded as the game decodes them.
class TitlePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string path = test_data_archive_path();
        archive = archive_open(path.c_str());
        ASSERT_NE(archive, nullptr) << path << " missing: run the data builder (make test does)";
    }
    void TearDown() override { archive_close(archive); }

    Picture decode(const char *entry) { return archive_picture(archive, entry); }

    ArchiveHandle archive = nullptr;
};

static const u8 *pixel(const Picture &p, int x, int y)
{
    return &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
}

// Mean difference per channel between column a and column b (or rows, when `rows`).
static double line_difference(const Picture &p, int a, int b, bool rows)
{
    int length = rows ? p.width : p.height;
    double sum = 0;
    for (int i = 0; i < length; i++) {
        const u8 *pa = rows ? pixel(p, i, a) : pixel(p, a, i);
        const u8 *pb = rows ? pixel(p, i, b) : pixel(p, b, i);
        for (int c = 0; c < 3; c++)
            sum += std::abs(pa[c] - pb[c]);
    }
    return sum / (3.0 * length);
}

static double brightness_at(const Picture &p, int x, int y)
{
    const u8 *px = pixel(p, x, y);
    return (px[0] + px[1] + px[2]) / 3.0;
}

// The scrolled layers repeat: across the seam the picture changes no more than between two
// neighbouring lines inside it.
TEST_F(TitlePictures, ScrolledLayersTileWithoutSeams)
{
    struct Case {
        const char *entry;
        bool tiles_vertically;
    };
    const Case cases[] = {{"titulo/back1.jpg", true}, {"titulo/back2.tga", false}, {"titulo/reflect2.jpg", false}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        Picture p = decode(c.entry);
        ASSERT_GT(p.width, 16);
        double seam = line_difference(p, p.width - 1, 0, false);
        double inside = line_difference(p, p.width / 2, p.width / 2 + 1, false);
        EXPECT_LE(seam, 2 * inside + 2);
        if (c.tiles_vertically) {
            seam = line_difference(p, p.height - 1, 0, true);
            inside = line_difference(p, p.height / 2, p.height / 2 + 1, true);
            EXPECT_LE(seam, 2 * inside + 2);
        }
        picture_free(&p);
    }
}

// The filter's brightness at a point of the menu plane: it spans 50 units each way, centred
// on the screen.
static double filter_at(const Picture &p, float x, float y)
{
    return brightness_at(p, static_cast<int>((x + 25) / 50 * p.width), static_cast<int>((25 - y) / 50 * p.height));
}

// The filter: a bright dusk sky over the dark silhouette of the temple and its hill.
TEST_F(TitlePictures, FilterDarkensTheTempleUnderABrightSky)
{
    Picture p = decode("titulo/backfilter.jpg");
    ASSERT_GT(p.width, 0);
    EXPECT_LT(filter_at(p, 0, -2.8f), 30);    // the entablature, under START
    EXPECT_LT(filter_at(p, 0, -14), 30);      // the hill
    EXPECT_GT(filter_at(p, 0, -5.2f), 180);   // the afterglow between two columns
    EXPECT_GT(filter_at(p, 0, 12), 60);       // the sky high up, dimmer than the glow
    EXPECT_LT(filter_at(p, 0, 12), filter_at(p, 0, -5.2f));
    picture_free(&p);
}

// The caps are cut out (clear and nearly solid alpha) and the right one mirrors the left.
TEST_F(TitlePictures, HighlightCapsAreMirroredCutOuts)
{
    Picture left = decode("titulo/select1.tga");
    Picture right = decode("titulo/select2.tga");
    ASSERT_GT(left.width, 0);
    ASSERT_EQ(left.width, right.width);
    ASSERT_EQ(left.height, right.height);
    int clear = 0, solid = 0, mirrored = 0;
    for (int y = 0; y < left.height; y++)
        for (int x = 0; x < left.width; x++) {
            u8 alpha = pixel(left, x, y)[3];
            clear += alpha == 0;
            solid += alpha >= 192;
            mirrored += std::abs(alpha - pixel(right, left.width - 1 - x, y)[3]) <= 8;
        }
    int area = left.width * left.height;
    EXPECT_GT(clear, area / 3);
    EXPECT_GT(solid, area / 20);
    EXPECT_GT(mirrored, area * 95 / 100);
    picture_free(&left);
    picture_free(&right);
}
