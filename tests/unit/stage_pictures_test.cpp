// The stage select's pictures in the data builder's data set: the ten previews and the
// thumbnail atlas at the sizes the screen expects, each preview its own arena's view, each
// thumbnail cell where the screen reads it and the same arena as its tile's preview. That
// each preview is the arena its tile loads is tested against the arenas themselves in
// tests/gl/arena_gl_test.cpp.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "support/colour_histogram.h"
#include "support/data_set.h"

#include <cmath>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace {

constexpr int PREVIEW_SIDE = 256, ATLAS_SIDE = 256;
// The screen draws a thumbnail from half the atlas's width (the upper row's tiles left, the
// lower row's right) and 0.19 of its height from 0.2 of it per column.
constexpr double CELL_T = 0.2, SHOWN_T = 0.19;

// Where the screen reads tile t's thumbnail, in atlas pixels.
struct Cell {
    int x0, y0, w, h;
};
Cell thumbnail_cell(int t)
{
    int top = static_cast<int>(std::floor(CELL_T * (t % 5) * ATLAS_SIDE));
    int bottom = static_cast<int>(std::ceil((CELL_T * (t % 5) + SHOWN_T) * ATLAS_SIDE));
    return {t < 5 ? 0 : ATLAS_SIDE / 2, top, ATLAS_SIDE / 2, std::min(bottom, ATLAS_SIDE) - top};
}

// The first row of the box that is black from edge to edge, or -1: where the arena and its
// sky leave the view uncovered, or a cell stands off the place the screen reads.
int black_row(const Picture &p, const Cell &box)
{
    constexpr int BLACK = 6;
    for (int y = box.y0; y < box.y0 + box.h; y++) {
        int lit = 0;
        for (int x = box.x0; x < box.x0 + box.w; x++) {
            const u8 *px = &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
            lit += px[0] >= BLACK || px[1] >= BLACK || px[2] >= BLACK;
        }
        if (lit == 0)
            return y;
    }
    return -1;
}

std::vector<double> box_histogram(const Picture &p, const Cell &box)
{
    return colour_histogram(p.pixels, p.width, box.x0, box.y0, box.w, box.h);
}

class StagePictures : public ::testing::Test {
protected:
    void SetUp() override
    {
        picture_library_start();
        archive = data_set_archive_open();
        ASSERT_NE(archive, nullptr) << "run the data builder (make test does)";
        for (int t = 0; t < STAGE_TILES; t++) {
            previews[t] = archive_picture(archive, ("stageselect/preview" + std::to_string(t) + ".jpg").c_str());
            ASSERT_NE(previews[t].pixels, nullptr) << "preview " << t << " missing or not a JPEG the game reads";
        }
        atlas = archive_picture(archive, "stageselect/thumbs.jpg");
        ASSERT_NE(atlas.pixels, nullptr) << "the thumbnail atlas missing or not a JPEG the game reads";
    }
    void TearDown() override
    {
        for (Picture &p : previews)
            picture_free(&p);
        picture_free(&atlas);
        archive_close(archive);
    }

    Cell whole(const Picture &p) const { return {0, 0, p.width, p.height}; }

    ArchiveHandle archive = nullptr;
    Picture previews[STAGE_TILES] = {};
    Picture atlas = {};
};

TEST_F(StagePictures, EachFillsTheQuadThatShowsIt)
{
    EXPECT_EQ(atlas.width, ATLAS_SIDE);
    EXPECT_EQ(atlas.height, ATLAS_SIDE);
    for (int t = 0; t < STAGE_TILES; t++) {
        SCOPED_TRACE(stage_tiles[t].name);
        EXPECT_EQ(previews[t].width, PREVIEW_SIDE);
        EXPECT_EQ(previews[t].height, PREVIEW_SIDE);
        EXPECT_EQ(black_row(previews[t], whole(previews[t])), -1) << "a row of nothing in the preview";
        EXPECT_EQ(black_row(atlas, thumbnail_cell(t)), -1) << "a row of nothing where the screen reads the thumbnail";
    }
}

// Ten arenas, ten views: no preview repeats another's colours, as one arena drawn twice, or
// two tiles given one picture, would.
TEST_F(StagePictures, NoTwoPreviewsShowTheSamePlace)
{
    std::vector<std::vector<double>> seen;
    for (const Picture &p : previews)
        seen.push_back(box_histogram(p, whole(p)));
    for (int a = 0; a < STAGE_TILES; a++)
        for (int b = a + 1; b < STAGE_TILES; b++)
            EXPECT_GT(histogram_distance(seen[a], seen[b]), 0.2) << stage_tiles[a].name << " and " << stage_tiles[b].name;
}

// The cell the screen reads for a tile shows the arena of that tile's preview, of all ten the
// nearest in colour: a cell in the other half, another column, or off by a row of cells fails.
TEST_F(StagePictures, EachThumbnailIsItsPreviewsArena)
{
    std::vector<std::vector<double>> seen;
    for (const Picture &p : previews)
        seen.push_back(box_histogram(p, whole(p)));
    for (int t = 0; t < STAGE_TILES; t++) {
        std::vector<double> cell = box_histogram(atlas, thumbnail_cell(t));
        EXPECT_EQ(histogram_nearest(cell, seen), t) << stage_tiles[t].name;
    }
}

} // namespace
