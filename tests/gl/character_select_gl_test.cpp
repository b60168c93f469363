#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <GL/gl.h>
#include <cstdlib>
#include <string>
#include <vector>

// The character select on the data builder's own entries: the figure and every picture load
// with the game's loaders, and the screen shows them.
class CharacterSelectGl : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        std::string path = test_build_dir() + "/data/dat00.dat";
        asset_archive = archive_open(path.c_str());
        ASSERT_NE(asset_archive, nullptr) << path << " missing: run the data builder (make test does)";
        select_icons_loaded = 0;
        select_assets_loader = select_assets_load;
        static Skeleton figure_block;   // the start-up loader's block of the figure
        if (!select_skeleton)
            select_skeleton = &figure_block;
    }
    void TearDown() override
    {
        archive_close(asset_archive);
        asset_archive = nullptr;
        DrawTest::TearDown();
    }

    static Bytes entry_bytes(const char *name)
    {
        u8 *data;
        u32 size;
        if (!archive_read_entry(asset_archive, name, &data, &size))
            return Bytes();
        Bytes bytes(data, data + size);
        free(data);
        return bytes;
    }
};

TEST_F(CharacterSelectGl, EveryEntryOfTheScreenLoads)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ASSERT_EQ(character_select_enter(), 0);
    EXPECT_NE(select_model, nullptr);
    EXPECT_GT(select_skeleton->bone_count, 0);
    EXPECT_EQ(skin_texture_count, 5);
    for (int i = 0; i < 5; i++)
        EXPECT_NE(skin_textures[i], 0u) << i;
    EXPECT_EQ(select_icons_loaded, 1);
    EXPECT_NE(tex_select_icons, 0u);
    EXPECT_NE(tex_locked_portrait, 0u);
    EXPECT_NE(tex_hidden_icon, 0u);
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++)
            EXPECT_NE(select_portraits[id][variant], 0u) << id << " " << variant;
    // The poses of the figure's phases differ from each other: idle toward side one, the
    // pick, idle toward side two.
    const int keys[] = {1, 9, 20};
    for (int a = 0; a < 3; a++)
        for (int b = a + 1; b < 3; b++) {
            bool differ = false;
            for (int bone = 0; bone < select_skeleton->bone_count; bone++)
                for (int k = 0; k < 3; k++)
                    differ |= select_skeleton->bones[bone].angle_keys[keys[a]][k] !=
                              select_skeleton->bones[bone].angle_keys[keys[b]][k];
            EXPECT_TRUE(differ) << keys[a] << " " << keys[b];
        }
}

// A skin that fails leaves the ones before it counted, so the next screen deletes them.
TEST_F(CharacterSelectGl, FailedSkinLeavesTheLoadedOnesCounted)
{
    std::vector<ZipEntry> entries;
    const char *kept[] = {"atropo/atroposel.emd", "atropo/atroposel.esq", "atropo/atropo_1.jpg",
                          "atropo/atropo_ce2.jpg"};
    for (const char *name : kept)
        entries.push_back(ZipEntry{name, entry_bytes(name)});
    std::string path = test_scratch_dir("select_skins") + "/dat00.dat";
    ASSERT_TRUE(zip_write(path.c_str(), entries));
    archive_close(asset_archive);
    asset_archive = archive_open(path.c_str());
    ASSERT_NE(asset_archive, nullptr);
    model_free(select_model);
    select_model = nullptr;
    EXPECT_EQ(select_atropos_load(), 1);
    EXPECT_EQ(skin_texture_count, 2);
    game_mode = GAME_MODE_ARCADE_P1;
    EXPECT_EQ(character_select_enter(), 1);
    EXPECT_EQ(skin_texture_count, 2);   // the entry deleted the two, then loaded two again
}

// The drawn screen: the figure stands in the middle and the portrait fills its rectangle.
TEST_F(CharacterSelectGl, ScreenShowsTheFigureAndThePortrait)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ASSERT_EQ(character_select_enter(), 0);
    select_figure_step();
    select_figure_step();
    glow_effect = 0;
    auto draw = [] {
        draw_gl_reset();
        draw_view_set(camera_eye, camera_centre, camera_up_z);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glDepthFunc(GL_LEQUAL);
        character_select_draw();
        glFinish();
    };
    draw();
    // The figure spans the middle of the view from its feet up.
    int lit = 0;
    for (int y = 40; y < GL_TEST_HEIGHT - 40; y += 8) {
        Rgb p = pixel_at(GL_TEST_WIDTH / 2, y);
        lit += p.r + p.g + p.b > 30;
    }
    EXPECT_GT(lit, 5);
    // Side one's portrait: x -38 .. -14, y 4 .. 28 at depth 100 lies left of the middle, above.
    Rgb portrait = pixel_at(GL_TEST_WIDTH / 2 - 200, GL_TEST_HEIGHT / 2 + 120);
    EXPECT_GT(portrait.r + portrait.g + portrait.b, 30);
    Model *figure = select_model;
    select_model = nullptr;
    draw();
    int lit_without = 0;
    for (int y = 40; y < GL_TEST_HEIGHT - 40; y += 8) {
        Rgb p = pixel_at(GL_TEST_WIDTH / 2, y);
        lit_without += p.r + p.g + p.b > 30;
    }
    select_model = figure;
    EXPECT_LT(lit_without, lit);
}
