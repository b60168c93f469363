// The fighters' likenesses in the data builder's data set: the select's portraits in both
// colour sets, the ring icons' atlas and the locked and hidden cards, decoded as the game
// decodes them.
#include "characters/characters.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "support/data_set.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <string>

constexpr int PORTRAIT_SIDE = 128;
constexpr int ATLAS_SIDE = 256;
constexpr int ICON_WIDTH = ATLAS_SIDE / 4, ICON_HEIGHT = ATLAS_SIDE / 3;

class LikenessPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture_library_start();
        archive = data_set_archive_open();
        ASSERT_NE(archive, nullptr) << "run the data builder (make test does)";
    }
    void TearDown() override
    {
        for (int id = 0; id < CHARACTER_COUNT; id++)
            for (Picture &p : portraits[id])
                picture_free(&p);
        archive_close(archive);
    }

    // Every portrait, decoded; false when one is missing.
    bool portraits_decode()
    {
        for (int id = 0; id < CHARACTER_COUNT; id++)
            for (int variant = 0; variant < 2; variant++) {
                char entry[64];
                select_portrait_entry(id, variant, entry, sizeof entry);
                portraits[id][variant] = archive_picture(archive, entry);
                if (!portraits[id][variant].pixels)
                    return false;
            }
        return true;
    }

    ArchiveHandle archive = nullptr;
    Picture portraits[CHARACTER_COUNT][2] = {};
};

struct Region {
    int x0, y0, x1, y1;
};

static const u8 *pixel(const Picture &p, int x, int y)
{
    return &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
}

// Mean difference per channel of two pictures' regions, the second's region at an offset.
static double region_difference(const Picture &a, const Picture &b, Region r, int bx = 0, int by = 0)
{
    double sum = 0;
    for (int y = r.y0; y < r.y1; y++)
        for (int x = r.x0; x < r.x1; x++)
            for (int k = 0; k < 3; k++)
                sum += std::abs(pixel(a, x, y)[k] - pixel(b, x + bx, y + by)[k]);
    return sum / (3.0 * (r.x1 - r.x0) * (r.y1 - r.y0));
}

// The spread of a region's brightness: 0 for one flat colour.
static double region_spread(const Picture &p, Region r)
{
    double sum = 0, square = 0;
    int n = 0;
    for (int y = r.y0; y < r.y1; y++)
        for (int x = r.x0; x < r.x1; x++, n++) {
            double v = (pixel(p, x, y)[0] + pixel(p, x, y)[1] + pixel(p, x, y)[2]) / 3.0;
            sum += v;
            square += v * v;
        }
    double mean = sum / n;
    return std::sqrt(square / n - mean * mean);
}

// A portrait's middle, where the figure stands.
static const Region PORTRAIT_MIDDLE = {PORTRAIT_SIDE / 4, PORTRAIT_SIDE / 4, 3 * PORTRAIT_SIDE / 4,
                                       3 * PORTRAIT_SIDE / 4};

// Each portrait shows a figure, not a flat card, and tells its fighter and its colour set
// apart from every other portrait.
TEST_F(LikenessPictures, PortraitsShowEachFighterInEachColourSet)
{
    ASSERT_TRUE(portraits_decode());
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++) {
            SCOPED_TRACE(std::to_string(id) + " colours " + std::to_string(variant));
            const Picture &p = portraits[id][variant];
            EXPECT_EQ(p.width, PORTRAIT_SIDE);
            EXPECT_EQ(p.height, PORTRAIT_SIDE);
            EXPECT_GT(region_spread(p, PORTRAIT_MIDDLE), 12.0);
        }
    for (int a = 0; a < 2 * CHARACTER_COUNT; a++)
        for (int b = a + 1; b < 2 * CHARACTER_COUNT; b++)
            EXPECT_GT(region_difference(portraits[a / 2][a % 2], portraits[b / 2][b % 2], PORTRAIT_MIDDLE), 8.0)
                << a / 2 << "/" << a % 2 << " against " << b / 2 << "/" << b % 2;
}

// The atlas holds twelve icons, each a likeness in a round frame with clear ground round it
// (the ring adds their colour), every one unlike the others.
TEST_F(LikenessPictures, IconAtlasHoldsTwelveDifferentFramedIcons)
{
    Picture atlas = archive_picture(archive, "iconos/icon_n.tga");
    ASSERT_NE(atlas.pixels, nullptr);
    EXPECT_EQ(atlas.width, ATLAS_SIDE);
    EXPECT_EQ(atlas.height, ATLAS_SIDE);
    auto cell = [](int id) {
        int x0 = (id % 4) * ICON_WIDTH, y0 = (id / 4) * ICON_HEIGHT;
        return Region{x0, y0, x0 + ICON_WIDTH, y0 + ICON_HEIGHT};
    };
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE(id);
        Region r = cell(id);
        Region middle = {r.x0 + ICON_WIDTH / 4, r.y0 + ICON_HEIGHT / 4, r.x1 - ICON_WIDTH / 4, r.y1 - ICON_HEIGHT / 4};
        EXPECT_GT(region_spread(atlas, middle), 10.0);
        EXPECT_EQ(pixel(atlas, middle.x0 + ICON_WIDTH / 4, middle.y0 + ICON_HEIGHT / 4)[3], 255) << "the middle";
        for (int corner = 0; corner < 4; corner++) {
            const u8 *p = pixel(atlas, corner % 2 ? r.x1 - 2 : r.x0 + 1, corner / 2 ? r.y1 - 2 : r.y0 + 1);
            EXPECT_EQ(p[0] + p[1] + p[2] + p[3], 0) << "corner " << corner;
        }
        for (int other = id + 1; other < CHARACTER_COUNT; other++) {
            Region b = cell(other);
            EXPECT_GT(region_difference(atlas, atlas, middle, b.x0 - r.x0, b.y0 - r.y0), 8.0) << "against " << other;
        }
    }
    picture_free(&atlas);
}

// The locked portrait and the hidden icon keep their entries' sizes and carry their words:
// light lettering over a dark figure, not a flat card.
TEST_F(LikenessPictures, LockedAndHiddenCardsAreLetteredOverAShadow)
{
    struct Case {
        const char *entry;
        int width, height;
    };
    const Case cases[] = {{"iconos/not.jpg", PORTRAIT_SIDE, PORTRAIT_SIDE}, {"iconos/int.tga", ICON_WIDTH, ICON_HEIGHT}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.entry);
        Picture p = archive_picture(archive, c.entry);
        ASSERT_NE(p.pixels, nullptr);
        EXPECT_EQ(p.width, c.width);
        EXPECT_EQ(p.height, c.height);
        int light = 0, dark = 0;
        for (int y = 0; y < p.height; y++)
            for (int x = 0; x < p.width; x++) {
                const u8 *q = pixel(p, x, y);
                int level = (q[0] + q[1] + q[2]) / 3;
                light += level > 170 && q[3] == 255;
                dark += level < 40 && q[3] == 255;
            }
        EXPECT_GT(light, p.width * p.height / 100) << "the word";
        EXPECT_GT(dark, p.width * p.height / 10) << "the shadow";
        picture_free(&p);
    }
}
