#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <string>
#include <vector>

// The character select on the data builder's own entries: the figure and every picture load
// with the game's loaders, and the screen shows them.
class CharacterSelectGl : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        std::string path = test_data_archive_path();
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

    // One frame of the screen, set up as the frame drawer sets it up.
    static void screen_draw()
    {
        draw_gl_reset();
        draw_view_set(camera_eye, camera_centre, camera_up_z);
        glEnable(GL_TEXTURE_2D);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glDepthFunc(GL_LEQUAL);
        character_select_draw();
        glFinish();
    }

    // A one-player entry, the figure stepped twice, one frame drawn without the glow; false,
    // with nothing drawn, when the entry fails.
    static bool entered_screen_draw()
    {
        game_mode = GAME_MODE_ARCADE_P1;
        if (character_select_enter() != 0)
            return false;
        select_figure_step();
        select_figure_step();
        glow_effect = 0;
        screen_draw();
        return true;
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

// Leaving for a fight, the select's pictures go but the loading panel's two portraits; a
// ladder's next panel loads its own again, the same picture, and the next entry loads them all.
TEST_F(CharacterSelectGl, LeavingForAFightKeepsOnlyThePanelsPortraits)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ASSERT_EQ(character_select_enter(), 0);
    const i32 shown[2] = {2 * CHARACTER_JASON + 1, 2 * CHARACTER_MEDUSA + 1 + 1};
    u32 before[CHARACTER_COUNT][2];
    std::copy(&select_portraits[0][0], &select_portraits[0][0] + 2 * CHARACTER_COUNT, &before[0][0]);
    const u32 others[3] = {tex_select_icons, tex_locked_portrait, tex_hidden_icon};
    const Picture hydra = texture_read(select_portraits[CHARACTER_HYDRA][1]);

    select_pictures_release(shown[0], shown[1]);
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++) {
            const i32 picture = 2 * id + variant + 1;
            const bool kept = picture == shown[0] || picture == shown[1];
            EXPECT_EQ(select_portraits[id][variant], kept ? before[id][variant] : 0u) << id << " " << variant;
            EXPECT_EQ(glIsTexture(before[id][variant]), kept ? GL_TRUE : GL_FALSE) << id << " " << variant;
        }
    for (u32 name : others)
        EXPECT_FALSE(glIsTexture(name)) << name;
    EXPECT_EQ(tex_select_icons, 0u);
    EXPECT_EQ(select_icons_loaded, 0);

    select_portrait_ensure(0);
    select_portrait_ensure(2 * CHARACTER_COUNT + 1);   // numbers outside the portraits: nothing
    select_portrait_ensure(2 * CHARACTER_HYDRA + 1 + 1);
    const Picture again = texture_read(select_portraits[CHARACTER_HYDRA][1]);
    ASSERT_GT(hydra.width, 0);
    ASSERT_EQ(again.width, hydra.width);
    ASSERT_EQ(again.height, hydra.height);
    EXPECT_TRUE(std::equal(hydra.pixels, hydra.pixels + 4 * hydra.width * hydra.height, again.pixels));
    Picture pictures[2] = {hydra, again};
    for (Picture &picture : pictures)
        picture_free(&picture);
    const u32 kept_jason = select_portraits[CHARACTER_JASON][0];
    select_portrait_ensure(shown[0]);
    EXPECT_EQ(select_portraits[CHARACTER_JASON][0], kept_jason);

    ASSERT_EQ(character_select_enter(), 0);
    EXPECT_EQ(select_icons_loaded, 1);
    EXPECT_NE(tex_select_icons, 0u);
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++)
            EXPECT_TRUE(glIsTexture(select_portraits[id][variant])) << id << " " << variant;
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
    ASSERT_TRUE(entered_screen_draw());
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
    screen_draw();
    int lit_without = 0;
    for (int y = 40; y < GL_TEST_HEIGHT - 40; y += 8) {
        Rgb p = pixel_at(GL_TEST_WIDTH / 2, y);
        lit_without += p.r + p.g + p.b > 30;
    }
    select_model = figure;
    EXPECT_LT(lit_without, lit);
}

// The fight load frees the figure; the next entry reads it again and the screen looks as
// it did before.
TEST_F(CharacterSelectGl, TheWayBackReadsTheFigureAgain)
{
    auto entered_frame = [] {
        EXPECT_TRUE(entered_screen_draw());
        return window_pixels();
    };
    std::vector<u8> first = entered_frame();
    select_figure_free();
    EXPECT_EQ(select_model, nullptr);
    EXPECT_EQ(select_skeleton->bone_count, 0);
    std::vector<u8> again = entered_frame();
    ASSERT_NE(select_model, nullptr);
    EXPECT_GT(select_skeleton->bone_count, 0);
    EXPECT_TRUE(first == again);
}

// A texture whose top rows (t = 0 is the top row, as the game's pictures are uploaded) are one
// colour and bottom rows another, in `rows` bands of two texels each, `columns` wide. The
// band at `marked` row and column takes top and bottom; every other band is `rest`.
static u32 banded_texture(int columns, int rows, int marked_column, int marked_row, Rgb top, Rgb bottom, Rgb rest)
{
    std::vector<u8> texels;
    for (int y = 0; y < 2 * rows; y++)
        for (int x = 0; x < columns; x++) {
            bool marked = x == marked_column && y / 2 == marked_row;
            Rgb c = !marked ? rest : y % 2 == 0 ? top : bottom;
            texels.insert(texels.end(), {static_cast<u8>(c.r), static_cast<u8>(c.g), static_cast<u8>(c.b), 255});
        }
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, columns, 2 * rows, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    return name;
}

// The portrait and the highlighted ring icon stand upright, and the icon is the highlighted
// character's own cell of the atlas (id 0: the top-left cell).
TEST_F(CharacterSelectGl, PortraitAndIconStandUpright)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ASSERT_EQ(character_select_enter(), 0);
    p1_character = CHARACTER_JASON;
    p1_alt_color = 0;
    select_ring_angle[0] = 6.28f;   // at rest on id 0
    menu_pulse_angle = 3.14f;
    glow_effect = 0;
    // The other icons black: their pass adds their colour over the portrait.
    const Rgb red = {255, 0, 0}, blue = {0, 0, 255}, black = {0, 0, 0};
    GLuint portrait = banded_texture(1, 1, 0, 0, red, blue, black);
    GLuint atlas = banded_texture(4, 3, 0, 0, red, blue, black);
    const u32 saved_portrait = select_portraits[CHARACTER_JASON][0], saved_atlas = tex_select_icons;
    select_portraits[CHARACTER_JASON][0] = portrait;
    tex_select_icons = atlas;
    Model *figure = select_model;
    select_model = nullptr;   // nothing in front of what is probed
    screen_draw();
    select_model = figure;
    select_portraits[CHARACTER_JASON][0] = saved_portrait;
    tex_select_icons = saved_atlas;
    // Side one's portrait: x -38 .. -14, y 4 .. 28 at depth 100, its top edge at y 28.
    EXPECT_TRUE(rgb_near(eye_pixel(-26.0f, 26.0f, -100.0f), red, 8)) << "the portrait's top";
    EXPECT_TRUE(rgb_near(eye_pixel(-26.0f, 6.0f, -100.0f), blue, 8)) << "the portrait's bottom";
    // The highlighted icon at the ring's bottom: x -16.5 .. -9.5, y -10 .. -1 at depth 50.
    EXPECT_TRUE(rgb_near(eye_pixel(-13.0f, -2.0f, -50.0f), red, 8)) << "the icon's top";
    EXPECT_TRUE(rgb_near(eye_pixel(-13.0f, -9.0f, -50.0f), blue, 8)) << "the icon's bottom";
    glDeleteTextures(1, &portrait);
    glDeleteTextures(1, &atlas);
}

// The ring's icons go in runs of one picture: Ares and Atropos, locked, show the hidden picture
// after the run of atlas icons before them, and the atlas icons show the atlas.
TEST_F(CharacterSelectGl, LockedIconsShowTheHiddenPictureAfterTheAtlasRun)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ASSERT_EQ(character_select_enter(), 0);
    ASSERT_TRUE(select_character_locked(0, CHARACTER_ARES) && select_character_locked(0, CHARACTER_ATROPOS))
        << "the data builder's progress keeps both locked";
    p1_character = CHARACTER_PERSEUS;   // its large icon stands clear of Ares and Atropos
    select_ring_angle[0] = 6.28f;       // id 0 at the ring's bottom
    menu_pulse_angle = 3.14f;           // icons at full size
    glow_effect = 0;
    const u32 saved_atlas = tex_select_icons, saved_hidden = tex_hidden_icon;
    tex_select_icons = solid_texture(0, 255, 0);
    tex_hidden_icon = solid_texture(255, 0, 0);
    for (Particle &flame : stage_flame_particles)
        flame.life = 0.0f;   // the flame row, drawn black, adds nothing
    Model *figure = select_model;
    select_model = nullptr;   // nothing in front of what is probed
    screen_draw();
    select_model = figure;
    tex_select_icons = saved_atlas;
    tex_hidden_icon = saved_hidden;
    // Where each icon's middle lies on side one's ring (centre -13, -1, radius 5, depth 50).
    auto icon_middle = [](int id) {
        const f32 theta = static_cast<f32>(id) * 0.5233f + 6.28f + 3.14f;
        return eye_pixel(-13.0f + 5.0f * sinf(theta), -1.0f + 5.0f * cosf(theta) + 0.25f, -50.0f);
    };
    for (int id : {CHARACTER_ARES, CHARACTER_ATROPOS}) {
        SCOPED_TRACE(id);
        EXPECT_GT(icon_middle(id).r, 200);
    }
    for (int id : {0, 1, 8, 9}) {   // clear of the large icon, the portrait and the texts
        SCOPED_TRACE(id);
        EXPECT_LT(icon_middle(id).r, 50);
        EXPECT_GT(icon_middle(id).g, 200);
    }
}

// The built figure stands whole in the middle column, between the rings and the portraits:
// what it adds to the screen lies inside that column and clear of the top and bottom edges.
TEST_F(CharacterSelectGl, TheFigureStandsWholeInTheMiddleColumn)
{
    game_mode = GAME_MODE_VERSUS;
    ASSERT_EQ(character_select_enter(), 0);
    select_figure_step();
    select_figure_step();
    glow_effect = 0;
    screen_draw();
    std::vector<u8> with = window_pixels();
    Model *figure = select_model;
    select_model = nullptr;
    screen_draw();
    std::vector<u8> without = window_pixels();
    select_model = figure;
    // The rings' inner edges: x -6.5 and 6.5 at depth 50.
    int column_left, column_right, unused;
    eye_to_pixel(-6.5f, 0.0f, -50.0f, &column_left, &unused);
    eye_to_pixel(6.5f, 0.0f, -50.0f, &column_right, &unused);
    int lowest = GL_TEST_HEIGHT, highest = -1, outside = 0, figure_pixels = 0;
    for (int y = 0; y < GL_TEST_HEIGHT; y++)
        for (int x = 0; x < GL_TEST_WIDTH; x++) {
            size_t at = (static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4;
            if (abs(with[at] - without[at]) + abs(with[at + 1] - without[at + 1]) + abs(with[at + 2] - without[at + 2]) < 24)
                continue;
            figure_pixels++;
            outside += x < column_left || x > column_right;
            lowest = std::min(lowest, y);
            highest = std::max(highest, y);
        }
    EXPECT_GT(figure_pixels, 2000);
    EXPECT_EQ(outside, 0) << "columns " << column_left << " .. " << column_right;
    EXPECT_GT(lowest, 4) << "the feet on screen";
    EXPECT_LT(highest, GL_TEST_HEIGHT - 5) << "the head on screen";
    EXPECT_GT(highest - lowest, GL_TEST_HEIGHT / 3) << "a figure, not a speck";
}

// The chosen fighter's built portrait, as drawn: side one's rectangle (x -38 .. -14, y 4 .. 28
// at depth 100) shows the portrait entry's own pixels, upright, in both colour sets. Only its
// upper part is probed: the ring's icons lie over the lower part.
TEST_F(CharacterSelectGl, TheChosenFightersPortraitIsDrawnUpright)
{
    game_mode = GAME_MODE_ARCADE_P1;
    ASSERT_EQ(character_select_enter(), 0);
    glow_effect = 0;
    for (Particle &flame : stage_flame_particles)
        flame.life = 0.0f;
    Model *figure = select_model;
    select_model = nullptr;   // nothing in front of what is probed
    for (int variant = 0; variant < 2; variant++) {
        SCOPED_TRACE(variant);
        p1_character = CHARACTER_PERSEUS;
        p1_alt_color = static_cast<u8>(variant);
        char entry[64];
        select_portrait_entry(CHARACTER_PERSEUS, variant, entry, sizeof entry);
        Picture picture = archive_picture(asset_archive, entry);
        ASSERT_NE(picture.pixels, nullptr);
        screen_draw();
        // Drawn against the entry as it stands and upside down.
        double upright = 0, flipped = 0;
        int samples = 0;
        for (f32 y = 16.0f; y <= 26.5f; y += 1.5f)
            for (f32 x = -36.5f; x <= -15.5f; x += 1.5f, samples++) {
                Rgb drawn = eye_pixel(x, y, -100.0f);
                int px = static_cast<int>((x + 38.0f) / 24.0f * picture.width);
                int py = static_cast<int>((28.0f - y) / 24.0f * picture.height);
                const u8 *a = &picture.pixels[(static_cast<size_t>(py) * picture.width + px) * 4];
                const u8 *b = &picture.pixels[(static_cast<size_t>(picture.height - 1 - py) * picture.width + px) * 4];
                upright += std::abs(drawn.r - a[0]) + std::abs(drawn.g - a[1]) + std::abs(drawn.b - a[2]);
                flipped += std::abs(drawn.r - b[0]) + std::abs(drawn.g - b[1]) + std::abs(drawn.b - b[2]);
            }
        picture_free(&picture);
        EXPECT_LT(upright / (3 * samples), 12.0);
        EXPECT_GT(flipped / (3 * samples), 2 * upright / (3 * samples));
    }
    select_model = figure;
}

// With every fighter open, the ring shows twelve icons, each unlike the others: the middle of
// each drawn icon differs from every other's.
TEST_F(CharacterSelectGl, TheRingShowsTwelveDifferentIcons)
{
    game_mode = GAME_MODE_ARCADE_P1;
    u8 *const unlock_flags[] = {&unlocked_medusa, &unlocked_sphinx, &unlocked_hydra, &unlocked_ares, &unlocked_atropos};
    u8 saved_flags[std::size(unlock_flags)];
    for (size_t i = 0; i < std::size(unlock_flags); i++) {
        saved_flags[i] = *unlock_flags[i];
        *unlock_flags[i] = 1;
    }
    ASSERT_EQ(character_select_enter(), 0);
    p1_character = CHARACTER_JASON;
    select_ring_angle[0] = 6.28f;   // id 0 at the ring's bottom, drawn large
    menu_pulse_angle = 3.14f;       // icons at full size
    glow_effect = 0;
    for (Particle &flame : stage_flame_particles)
        flame.life = 0.0f;
    const u32 saved_portrait = select_portraits[CHARACTER_JASON][0];
    select_portraits[CHARACTER_JASON][0] = solid_texture(0, 0, 0);   // nothing behind the ring's top
    Model *figure = select_model;
    select_model = nullptr;
    screen_draw();
    select_model = figure;
    select_portraits[CHARACTER_JASON][0] = saved_portrait;
    for (size_t i = 0; i < std::size(unlock_flags); i++)
        *unlock_flags[i] = saved_flags[i];
    // Each icon's middle on side one's ring (centre -13, -1, radius 5, depth 50), as a patch
    // of 21 x 21 pixels (an icon is about 45 pixels wide here).
    std::vector<std::vector<int>> patches;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const f32 theta = static_cast<f32>(id) * 0.5233f + 6.28f + 3.14f;
        int cx, cy;
        eye_to_pixel(-13.0f + 5.0f * sinf(theta), -1.0f + 5.0f * cosf(theta) + 0.25f, -50.0f, &cx, &cy);
        std::vector<int> patch;
        for (int dy = -10; dy <= 10; dy++)
            for (int dx = -10; dx <= 10; dx++) {
                Rgb p = pixel_at(cx + dx, cy + dy);
                patch.insert(patch.end(), {p.r, p.g, p.b});
            }
        patches.push_back(patch);
    }
    for (int a = 0; a < CHARACTER_COUNT; a++)
        for (int b = a + 1; b < CHARACTER_COUNT; b++) {
            double difference = 0;
            for (size_t k = 0; k < patches[a].size(); k++)
                difference += std::abs(patches[a][k] - patches[b][k]);
            EXPECT_GT(difference / patches[a].size(), 10.0) << a << " against " << b;
        }
}
