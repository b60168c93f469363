#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/feedback.h"
#include "support/marker_pictures.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

// The stage select told apart by colour: each thumbnail cell of the atlas and each preview is
// a marker (the atlas's unused sliver under each cell magenta), over a white background that the
// screen tints (0.5, 0.5, 1); the printers' ink is clear.
constexpr int ATLAS_CELL_TEXELS = 20;   // a cell is 20 texels high; its last one is the sliver
constexpr int MARKER_PREVIEW_FIRST = 10;
constexpr f32 THUMB_DEPTH = -80.0f, PREVIEW_DEPTH = -60.0f;
constexpr f32 HALF_PULSE_ANGLE = 2.0944f;   // -cos = 0.5
const Rgb BACKGROUND = {128, 128, 255};
const Rgb SHADOWED = {77, 77, 153};   // the background under a 0.6 grey shadow

// Tile t's thumbnail (upper row t = 0..4, lower row 5..9) in the atlas: s halves by row, t
// fifths by column.
static u32 thumbs_atlas_make()
{
    const int width = 2 * ATLAS_CELL_TEXELS, height = 5 * ATLAS_CELL_TEXELS;
    std::vector<u8> texels(static_cast<size_t>(width) * height * 4);
    for (int y = 0; y < height; y++)
        for (int x = 0; x < width; x++) {
            int row = x / ATLAS_CELL_TEXELS, column = y / ATLAS_CELL_TEXELS;
            bool sliver = y % ATLAS_CELL_TEXELS == ATLAS_CELL_TEXELS - 1;
            texel_set(texels, width, x, y, sliver ? Rgb{255, 0, 255} : marker(5 * row + column));
        }
    return texels_texture(texels, width, height);
}

// A tile's thumbnail as the screen frames it, in eye space at its depth.
static PixelRect thumb_rect(int tile)
{
    f32 left = -24.0f + 10.0f * static_cast<f32>(tile % 5);
    f32 top = tile < 5 ? -8.0f : -15.0f;
    return eye_rect(left, top - 5.0f, left + 7.0f, top, THUMB_DEPTH);
}

class StageSelectDraw : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_TRUE(inkless_fonts_begin());
        atlas = thumbs_atlas_make();
        screen_textures[STAGE_SELECT_BACK] = colour.white;
        screen_textures[STAGE_SELECT_THUMBS] = atlas;
        for (int tile = 0; tile < STAGE_TILES; tile++)
            screen_textures[STAGE_SELECT_FIRST_PREVIEW + tile] = marker_texture(MARKER_PREVIEW_FIRST + tile);
        menu_pulse_angle = HALF_PULSE_ANGLE;
    }
    void TearDown() override
    {
        GLuint name = atlas;
        glDeleteTextures(1, &name);
        for (u32 &slot : screen_textures)
            slot = 0;
        inkless_fonts_end();
        stage_select_cursor = 0;
    }

    u32 atlas = 0;
};

static Rgb pixel_in(const std::vector<u8> &pixels, f32 x, f32 y)
{
    const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + static_cast<size_t>(x)) * 4];
    return {p[0], p[1], p[2]};
}

// Each thumbnail fills its frame with its own cell (none of the sliver below it), the selected
// one at the pulse's level; its shadow falls right and down; the selected tile's preview fills
// the preview frame and no other preview shows.
TEST_F(StageSelectDraw, ThumbnailsAndPreviewFillTheirFrames)
{
    for (u32 cursor : {0u, 7u}) {
        SCOPED_TRACE(testing::Message() << "cursor " << cursor);
        stage_select_cursor = cursor;
        stage_select_draw();
        std::vector<u8> pixels = window_pixels();
        std::vector<MarkerArea> areas = marker_areas(pixels);
        for (int tile = 0; tile < STAGE_TILES; tile++) {
            SCOPED_TRACE(testing::Message() << "tile " << tile);
            PixelRect frame = thumb_rect(tile);
            const MarkerArea &a = areas[tile];
            ASSERT_GT(a.count, 0);
            EXPECT_NEAR(a.box.x0, frame.x0, 1.5f);
            EXPECT_NEAR(a.box.x1, frame.x1, 1.5f);
            EXPECT_NEAR(a.box.y0, frame.y0, 1.5f);
            EXPECT_NEAR(a.box.y1, frame.y1, 1.5f);
            EXPECT_GE(a.count, 0.97f * rect_area(a.box));
            f32 mid_x = (frame.x0 + frame.x1) / 2, mid_y = (frame.y0 + frame.y1) / 2;
            f32 level = static_cast<u32>(tile) == cursor ? 0.5f : 1.0f;
            EXPECT_TRUE(rgb_near(pixel_in(pixels, mid_x, mid_y), marker_at(tile, level), 3));
            EXPECT_TRUE(rgb_near(pixel_in(pixels, frame.x1 + 1, mid_y), SHADOWED, 3)) << "no shadow on the right";
            EXPECT_TRUE(rgb_near(pixel_in(pixels, mid_x, frame.y0 - 1), SHADOWED, 3)) << "no shadow below";
            EXPECT_TRUE(rgb_near(pixel_in(pixels, frame.x0 - 1, mid_y), BACKGROUND, 3)) << "shadow on the left";
        }
        PixelRect preview = eye_rect(-18.0f, -3.0f, -3.0f, 11.0f, PREVIEW_DEPTH);
        for (int tile = 0; tile < STAGE_TILES; tile++) {
            const MarkerArea &a = areas[MARKER_PREVIEW_FIRST + tile];
            if (static_cast<u32>(tile) != cursor) {
                EXPECT_EQ(a.count, 0) << "preview " << tile << " shows";
                continue;
            }
            EXPECT_NEAR(a.box.x0, preview.x0, 1.5f);
            EXPECT_NEAR(a.box.x1, preview.x1, 1.5f);
            EXPECT_NEAR(a.box.y0, preview.y0, 1.5f);
            EXPECT_NEAR(a.box.y1, preview.y1, 1.5f);
            EXPECT_GE(a.count, 0.97f * rect_area(a.box));
        }
    }
}

// The title above the preview; the highlighted arena's name and description lines beside it,
// within the window, each line's foot under the one before (the name's first).
TEST_F(StageSelectDraw, NameAndDescriptionStandBesideThePreview)
{
    PixelRect preview = eye_rect(-18.0f, -3.0f, -3.0f, 11.0f, PREVIEW_DEPTH);
    for (u32 cursor = 0; cursor < STAGE_TILES; cursor++) {
        const StageTile &tile = stage_tiles[cursor];
        SCOPED_TRACE(tile.name);
        stage_select_cursor = cursor;
        std::vector<PrintedText> texts = feedback_texts(feedback_polygons(stage_select_draw));
        const PrintedText *title = printed_find(texts, "STAGE SELECT");
        ASSERT_NE(title, nullptr);
        EXPECT_GT(title->box.y0, preview.y1);
        const PrintedText *name = printed_find(texts, tile.name);
        ASSERT_NE(name, nullptr);
        EXPECT_EQ(name->font, FONT_LETTERS);
        EXPECT_GT(name->box.x0, preview.x1);
        EXPECT_TRUE(name->box.y0 < preview.y1 && name->box.y0 > preview.y0);
        f32 above = name->box.y0;
        int lines = 0;
        for (const StageTileLine &line : tile.lines) {
            if (!line.text)
                continue;
            lines++;
            const PrintedText *seen = printed_find(texts, line.text);
            ASSERT_NE(seen, nullptr) << line.text;
            EXPECT_EQ(seen->font, FONT_TEXT);
            EXPECT_GT(seen->box.x0, preview.x1) << line.text;
            EXPECT_LT(seen->box.y0, above) << line.text << ": not under the line before";
            EXPECT_LE(seen->box.x1, GL_TEST_WIDTH) << line.text;
            above = seen->box.y0;
        }
        EXPECT_EQ(static_cast<int>(texts.size()), 2 + lines) << "only the title, the name and the lines";
    }
}
