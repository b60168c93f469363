// The gallery's pictures in the data builder's data set: each decodes at the size of the quad
// that shows it, and no two share a layout (told by their edge maps, which ignore colour).
#include "engine/engine.h"
#include "support/data_set.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

// In the gallery's paging order; the panorama (index 11) is drawn 28 units wide against 24.
const char *const gallery_entries[] = {
    "galeria/atalanta.jpg", "galeria/hipolita.jpg", "galeria/jason.jpg",    "galeria/odiseo.jpg",
    "galeria/perseo.jpg",   "galeria/polifemo.jpg", "galeria/esfinge.jpg",  "galeria/hidra.jpg",
    "galeria/medusa.jpg",   "galeria/minotaur.jpg", "galeria/ares.jpg",     "galeria/poli2.jpg",
    "galeria/apolo.jpg",    "galeria/artemisa.jpg", "galeria/atenea.jpg",   "galeria/demeter.jpg",
    "galeria/fobos.jpg",    "galeria/aphrodite.jpg", "galeria/hades.jpg",   "galeria/hera.jpg",
    "galeria/poseidon.jpg", "galeria/zeus.jpg",     "galeria/atropo.jpg",
};
constexpr int PICTURES = 23;
constexpr int PANORAMA = 11;
constexpr int SIDE = 256, WIDE = 298;   // 24 and 28 units of the gallery's view at 256 texels to 24
constexpr int FRAME = 8;                // the painted rim and its inner line, with room to spare
constexpr int GRID = 48;                // the edge map's cells across and down

// A picture's brightness averaged into GRID x GRID cells inside its frame, so that pictures of
// two widths compare cell for cell.
std::vector<double> brightness_grid(const Picture &p)
{
    std::vector<double> grid(GRID * GRID, 0.0);
    std::vector<int> counts(GRID * GRID, 0);
    int w = p.width - 2 * FRAME, h = p.height - 2 * FRAME;
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const u8 *px = &p.pixels[(static_cast<size_t>(y + FRAME) * p.width + x + FRAME) * 4];
            int cell = (y * GRID / h) * GRID + x * GRID / w;
            grid[cell] += 0.299 * px[0] + 0.587 * px[1] + 0.114 * px[2];
            counts[cell]++;
        }
    for (int i = 0; i < GRID * GRID; i++)
        grid[i] /= std::max(counts[i], 1);
    return grid;
}

// The gradient's length at every inner cell of the grid (Sobel).
std::vector<double> edge_map(const std::vector<double> &g)
{
    std::vector<double> edges;
    auto at = [&](int x, int y) { return g[y * GRID + x]; };
    for (int y = 1; y < GRID - 1; y++)
        for (int x = 1; x < GRID - 1; x++) {
            double gx = at(x + 1, y - 1) + 2 * at(x + 1, y) + at(x + 1, y + 1) - at(x - 1, y - 1) - 2 * at(x - 1, y) -
                        at(x - 1, y + 1);
            double gy = at(x - 1, y + 1) + 2 * at(x, y + 1) + at(x + 1, y + 1) - at(x - 1, y - 1) - 2 * at(x, y - 1) -
                        at(x + 1, y - 1);
            edges.push_back(std::hypot(gx, gy));
        }
    return edges;
}

double correlation(const std::vector<double> &a, const std::vector<double> &b)
{
    double ma = 0, mb = 0;
    for (size_t i = 0; i < a.size(); i++)
        ma += a[i], mb += b[i];
    ma /= a.size(), mb /= b.size();
    double ab = 0, aa = 0, bb = 0;
    for (size_t i = 0; i < a.size(); i++) {
        ab += (a[i] - ma) * (b[i] - mb);
        aa += (a[i] - ma) * (a[i] - ma);
        bb += (b[i] - mb) * (b[i] - mb);
    }
    return aa > 0 && bb > 0 ? ab / std::sqrt(aa * bb) : 1.0;   // a flat picture has no layout of its own
}

class GalleryPictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture_library_start();
        archive = data_set_archive_open();
        ASSERT_NE(archive, nullptr) << "run the data builder (make test does)";
        for (int i = 0; i < PICTURES; i++)
            pictures[i] = archive_picture(archive, gallery_entries[i]);
    }
    void TearDown() override
    {
        for (Picture &p : pictures)
            picture_free(&p);
        archive_close(archive);
    }

    ArchiveHandle archive = nullptr;
    Picture pictures[PICTURES] = {};
};

// The highest row inside the frame that is black from edge to edge, or -1: a view the arena
// and its sky leave uncovered shows as such a band (the painted ground is a warm dark brown).
int blank_row(const Picture &p)
{
    constexpr int BLACK = 6;
    for (int y = FRAME; y < p.height - FRAME; y++) {
        bool blank = true;
        for (int x = FRAME; x < p.width - FRAME && blank; x++) {
            const u8 *px = &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
            blank = px[0] < BLACK && px[1] < BLACK && px[2] < BLACK;
        }
        if (blank)
            return y;
    }
    return -1;
}

TEST_F(GalleryPictures, EachDecodesAtTheSizeOfItsQuadAndFillsIt)
{
    for (int i = 0; i < PICTURES; i++) {
        SCOPED_TRACE(gallery_entries[i]);
        ASSERT_NE(pictures[i].pixels, nullptr) << "missing or not a JPEG the game reads";
        EXPECT_EQ(pictures[i].width, i == PANORAMA ? WIDE : SIDE);
        EXPECT_EQ(pictures[i].height, SIDE);
        EXPECT_EQ(blank_row(pictures[i]), -1) << "a row of nothing";
    }
}

// The pictures that replaced a placeholder drawn 23 times over in other colours: the measure
// sees through colour (a picture against itself in other colours correlates near 1), and no
// two pictures come near the placeholders' median of 0.48: the gods' scenes, rendered like
// the fighters' in settings of their own, share no more than the fighters' do.
TEST_F(GalleryPictures, NoTwoShareALayout)
{
    for (const Picture &p : pictures)
        ASSERT_NE(p.pixels, nullptr);
    std::vector<std::vector<double>> edges;
    for (const Picture &p : pictures)
        edges.push_back(edge_map(brightness_grid(p)));

    std::vector<double> recoloured = brightness_grid(pictures[0]);
    for (double &v : recoloured)
        v = 255.0 - 0.6 * v;
    EXPECT_GT(correlation(edges[0], edge_map(recoloured)), 0.95) << "the measure must ignore colour";

    std::vector<double> all;
    for (int i = 0; i < PICTURES; i++)
        for (int j = i + 1; j < PICTURES; j++) {
            double r = correlation(edges[i], edges[j]);
            all.push_back(r);
            EXPECT_LT(r, 0.4) << gallery_entries[i] << " and " << gallery_entries[j] << " share a layout";
        }
    std::sort(all.begin(), all.end());
    EXPECT_LT(all[all.size() / 2], 0.1) << "median of the pairs";
}

} // namespace
