// The built Jason figure and the built arenas drawn in runs give the very pixels of the same
// model drawn one triangle per call, where every triangle sets its own state as drawing used to.
#include "arenas/arenas.h"
#include "engine/engine.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>
#include <vector>

// Polygon i of the model as a model of its own, drawn by one call.
static Model polygon_alone(const Model *model, u32 i)
{
    Model one = *model;
    one.polygons = &model->polygons[i];
    one.corner_slot = &model->corner_slot[3 * i];
    one.polygon_count = 1;
    return one;
}

// Of two frames: the pixels the first lights, and the pixels whose colours differ.
struct FrameComparison {
    size_t lit, differ;
};
static FrameComparison frames_compare(const std::vector<u8> &a, const std::vector<u8> &b)
{
    FrameComparison result = {0, 0};
    for (size_t p = 0; p < a.size(); p += 4) {
        result.lit += a[p] || a[p + 1] || a[p + 2];
        result.differ += a[p] != b[p] || a[p + 1] != b[p + 1] || a[p + 2] != b[p + 2];
    }
    return result;
}

TEST_F(DrawTest, AFigureDrawnInBatchesMatchesItDrawnATriangleAtATime)
{
    std::string root = data_set_built();
    ASSERT_FALSE(root.empty());
    ArchiveHandle archive = archive_open((root + "/data/dat00.dat").c_str());
    ASSERT_NE(archive, nullptr);
    Model *model = model_load(archive, "jason/jason.emd");
    archive_close(archive);
    ASSERT_NE(model, nullptr);
    model_copy_rest_pose(model);
    ASSERT_EQ(masked_polys_alloc(), 1);
    // A colour per skin, so that a wrong bind shows.
    u32 skins[14];
    for (int k = 0; k < 14; k++)
        skins[k] = solid_texture(static_cast<u8>(40 + 15 * k), static_cast<u8>(250 - 13 * k), static_cast<u8>(90 * k));
    ModelSkin skin = {skins, 14, 0, colour.blue, 0};
    StageLight light;
    ModelPlacement placement = {};
    placement.pos_z = 0.0f;

    for (u32 wound : {0u, colour.red}) {
        SCOPED_TRACE(wound ? "wounded" : "unwounded");
        skin.wound_overlay = wound;
        draw_gl_reset();
        draw_flat_light(&light, 0.7f);
        masked_count = 0;
        model_draw(&placement, model, &skin, &light);
        std::vector<u8> batched = window_pixels();

        draw_gl_reset();
        draw_flat_light(&light, 0.7f);
        masked_count = 0;
        for (u32 i = 0; i < model->polygon_count; i++) {
            Model one = polygon_alone(model, i);
            model_draw(&placement, &one, &skin, &light);
        }
        FrameComparison result = frames_compare(batched, window_pixels());
        EXPECT_GT(result.lit, 2000u) << "the figure stands in view";
        EXPECT_EQ(result.differ, 0u);
    }
    masked_polys_free();
    model_free(model);
}

// Athens, and Arcadia with its scrolled water (each triangle drawn with the same offsets).
TEST_F(DrawTest, AnArenaDrawnInRunsMatchesItDrawnATriangleAtATime)
{
    std::string root = data_set_built();
    ASSERT_FALSE(root.empty());
    // A colour per slot, so that a wrong texture or lightmap bind shows.
    u32 textures[STAGE_TEXTURE_SLOTS];
    for (u32 k = 0; k < STAGE_TEXTURE_SLOTS; k++)
        textures[k] = solid_texture(static_cast<u8>(60 + 7 * k), static_cast<u8>(240 - 5 * k), static_cast<u8>(9 * k));
    for (StageId stage : {STAGE_ATHENS, STAGE_ARCADIA}) {
        SCOPED_TRACE(arena_table[stage].model_entry);
        ArchiveHandle archive = archive_open((root + "/data/dat00.dat").c_str());
        ASSERT_NE(archive, nullptr);
        Model *model = model_load(archive, arena_table[stage].model_entry);
        archive_close(archive);
        ASSERT_NE(model, nullptr);
        model_copy_rest_pose(model);
        StageScene scene = {textures, stage, 0, 1.0f};

        draw_gl_reset();
        stage_scroll_u = 0.25f;
        stage_scroll_v = 0.5f;
        stage_draw(model, &scene);
        std::vector<u8> runs = window_pixels();

        draw_gl_reset();
        for (u32 i = 0; i < model->polygon_count; i++) {
            Model one = polygon_alone(model, i);
            stage_scroll_u = 0.25f;
            stage_scroll_v = 0.5f;
            stage_draw(&one, &scene);
        }
        FrameComparison result = frames_compare(runs, window_pixels());
        EXPECT_GT(result.lit, 20000u) << "the arena fills the view";
        EXPECT_EQ(result.differ, 0u);
        model_free(model);
    }
}
