// The built Jason figure and the built arenas drawn in runs give the very pixels of the same
// model drawn one triangle per call, where every triangle sets its own state as drawing used to.
#include "arenas/arenas.h"
#include "engine/engine.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>
#include <vector>

static std::vector<unsigned char> frame_pixels()
{
    std::vector<unsigned char> pixels(static_cast<size_t>(GL_TEST_WIDTH) * GL_TEST_HEIGHT * 4);
    glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return pixels;
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
        std::vector<unsigned char> batched = frame_pixels();

        draw_gl_reset();
        draw_flat_light(&light, 0.7f);
        masked_count = 0;
        for (u32 i = 0; i < model->polygon_count; i++) {
            Model one = *model;
            one.polygons = &model->polygons[i];
            one.corner_slot = &model->corner_slot[3 * i];
            one.polygon_count = 1;
            model_draw(&placement, &one, &skin, &light);
        }
        std::vector<unsigned char> single = frame_pixels();

        size_t lit = 0, differ = 0;
        for (size_t p = 0; p < batched.size(); p += 4) {
            lit += batched[p] || batched[p + 1] || batched[p + 2];
            differ += batched[p] != single[p] || batched[p + 1] != single[p + 1] || batched[p + 2] != single[p + 2];
        }
        EXPECT_GT(lit, 2000u) << "the figure stands in view";
        EXPECT_EQ(differ, 0u);
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
        std::vector<unsigned char> runs = frame_pixels();

        draw_gl_reset();
        for (u32 i = 0; i < model->polygon_count; i++) {
            Model one = *model;
            one.polygons = &model->polygons[i];
            one.corner_slot = &model->corner_slot[3 * i];
            one.polygon_count = 1;
            stage_scroll_u = 0.25f;
            stage_scroll_v = 0.5f;
            stage_draw(&one, &scene);
        }
        std::vector<unsigned char> single = frame_pixels();

        size_t lit = 0, differ = 0;
        for (size_t p = 0; p < runs.size(); p += 4) {
            lit += runs[p] || runs[p + 1] || runs[p + 2];
            differ += runs[p] != single[p] || runs[p + 1] != single[p + 1] || runs[p + 2] != single[p + 2];
        }
        EXPECT_GT(lit, 20000u) << "the arena fills the view";
        EXPECT_EQ(differ, 0u);
        model_free(model);
    }
}
