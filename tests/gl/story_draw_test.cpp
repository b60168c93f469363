// The story screens in real GL: a picture quad shows its picture upright where its script puts
// it (the endings draw their pictures through the same quad).
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "story/story.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/fake_audio.h"
#include "support/test_paths.h"
#include "support/tick_harness.h"

#include <GL/gl.h>
#include <allegro.h>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <vector>
#include <set>
#include <sstream>
#include <string>

namespace {

// A picture whose top half is red and bottom half blue (v = 0 is the top row).
u32 two_band_texture()
{
    const u8 texels[16] = {255, 0, 0, 255, 255, 0, 0, 255, 0, 0, 255, 255, 0, 0, 255, 255};
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    return name;
}

class StoryDraw : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        screen_textures[0] = two_band_texture();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        story_text_start("");
    }
    void TearDown() override { texture_table_delete(screen_textures, 1); }

    // The built data set as the game's archive, with silent audio, for a ladder won on side one.
    ::testing::AssertionResult built_data_set_in()
    {
        std::string path = test_data_archive_path();
        previous_archive = asset_archive;
        asset_archive = archive_open(path.c_str());
        if (!asset_archive)
            return ::testing::AssertionFailure() << path << " is missing: " << TEST_NO_DATA_SET;
        fake_audio_install();
        difficulty = 2;
        game_mode = GAME_MODE_ARCADE_P1;
        return ::testing::AssertionSuccess();
    }
    void built_data_set_out()
    {
        fake_audio_remove();
        archive_close(asset_archive);
        asset_archive = previous_archive;
    }
    ArchiveHandle previous_archive = nullptr;

    // The two fonts the story screens print with, from the built data set (in first).
    ::testing::AssertionResult fonts_in()
    {
        font_text_texture = texture_load(asset_archive, "misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL);
        font_letters_texture = texture_load(asset_archive, "misc/textb.tga", TEXTURE_MIPMAP_RGBA_FULL);
        if (!fonts_build())
            return ::testing::AssertionFailure() << "no font lists";
        return ::testing::AssertionSuccess();
    }
    void fonts_out()
    {
        texture_table_delete(&font_text_texture, 1);
        texture_table_delete(&font_letters_texture, 1);
        fonts_free();
    }
};

// The opening story's pictures are deleted as it ends, not forgotten by the title's entry.
TEST_F(StoryDraw, TheOpeningStoryDeletesItsPicturesAsItEnds)
{
    harness_reset();
    u32 names[5];
    for (int slot = 0; slot < 5; slot++)
        names[slot] = screen_textures[slot] = solid_texture(10, 20, 30);
    story_scenes_reset(STORY_INTRO);
    story_text_start(intro_narration);
    game_state = STATE_INTRO;
    harness_run(2, TickScript().key(KEY_ESC, 1));
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    for (int slot = 0; slot < 5; slot++)
        EXPECT_FALSE(glIsTexture(names[slot])) << "slot " << slot;
}

// The story screens load into slots of the screens' table without counting them; freeing the
// table deletes those pictures too, and the counted ones, instead of forgetting their names.
TEST_F(StoryDraw, FreeingTheScreensPicturesDeletesTheStorySlotsTheCountLeavesOut)
{
    screen_texture_count = 1;   // slot 0 from the fixture, as a screen's own set
    const int story_slots[] = {2, SCREEN_TEXTURES - 1};
    u32 names[3] = {screen_textures[0]};
    for (int i = 0; i < 2; i++)
        names[i + 1] = screen_textures[story_slots[i]] = solid_texture(10, 20, 30);
    screen_textures_free();
    for (u32 name : names)
        EXPECT_FALSE(glIsTexture(name)) << "texture " << name;
    for (int slot = 0; slot < SCREEN_TEXTURES; slot++)
        EXPECT_EQ(screen_textures[slot], 0u) << "slot " << slot;
    EXPECT_EQ(screen_texture_count, 0);
}

TEST_F(StoryDraw, APictureQuadShowsItsPictureUprightAtItsPlace)
{
    story_scenes_reset(STORY_HEROES_WON);
    story_quad_set(0, 0, 4, 4, 6, 0, 0, 1.0f, 0, 0, 0, 0, 0);   // right of the centre
    story_quad_count = 1;
    story_screen_draw();
    Rgb top = pixel_at(GL_TEST_WIDTH / 2 + 110, GL_TEST_HEIGHT / 2 + 50);
    Rgb bottom = pixel_at(GL_TEST_WIDTH / 2 + 110, GL_TEST_HEIGHT / 2 - 50);
    Rgb left_of_centre = pixel_at(GL_TEST_WIDTH / 2 - 60, GL_TEST_HEIGHT / 2);
    EXPECT_TRUE(rgb_near(top, {255, 0, 0})) << top.r << "," << top.g << "," << top.b;
    EXPECT_TRUE(rgb_near(bottom, {0, 0, 255})) << bottom.r << "," << bottom.g << "," << bottom.b;
    EXPECT_TRUE(rgb_near(left_of_centre, {0, 0, 0}));
}

// Each credits page stands in the middle of the view, its ink as far from the left edge as
// from the right, the roles' column under a name as well as the name.
TEST_F(StoryDraw, TheCreditsPagesStandCentred)
{
    ASSERT_TRUE(built_data_set_in());
    ASSERT_TRUE(fonts_in());
    const u32 page_ticks = 270;   // the roll's page length; the middle of a page is fully faded in
    for (u32 page = 0; page < 13; page++) {
        SCOPED_TRACE(page);
        story_ticks = page * page_ticks + page_ticks / 2;
        story_picture_index = page;
        credits_roll_draw();
        std::vector<u8> rgba(GL_TEST_WIDTH * GL_TEST_HEIGHT * 4);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        // The roles' first line starts 4 below the name's: the rows below their middle hold the
        // column alone.
        int column_top = 0;
        if (page == 4 || page == 5) {
            int x = 0;
            eye_to_pixel(0, -4, CREDIT_CAPITAL_Z, &x, &column_top);
        }
        int left = GL_TEST_WIDTH, right = -1, column_left = GL_TEST_WIDTH, column_right = -1;
        int bands = 0;   // runs of rows with ink: one per line of the page
        bool inked_above = false;
        for (int y = 0; y < GL_TEST_HEIGHT; y++) {
            bool inked = false;
            for (int x = 0; x < GL_TEST_WIDTH; x++) {
                const u8 *p = &rgba[(y * GL_TEST_WIDTH + x) * 4];
                if (p[0] > 128 && p[1] > 128 && p[2] > 128) {
                    inked = true;
                    left = std::min(left, x);
                    right = std::max(right, x);
                    if (y < column_top) {
                        column_left = std::min(column_left, x);
                        column_right = std::max(column_right, x);
                    }
                }
            }
            bands += inked && !inked_above;
            inked_above = inked;
        }
        int lines = 0;
        for (int i = 0; i < credit_line_count; i++)
            lines += credit_lines[i].page == page;
        EXPECT_EQ(bands, lines) << "every line of the page shows";
        ASSERT_GE(right, 0) << "an empty page";
        EXPECT_NEAR(left, GL_TEST_WIDTH - 1 - right, 6) << "ink from " << left << " to " << right;
        if (column_top > 0) {
            EXPECT_NEAR(column_left, GL_TEST_WIDTH - 1 - column_right, 6)
                << "the roles from " << column_left << " to " << column_right;
        }
    }
    fonts_out();
    built_data_set_out();
}

// Whether byte i of the frames without and with the offer is a pixel its line turns white;
// the line's dark band changes a bright picture too, but that is not the line.
bool offer_letter(const std::vector<u8> shown[2], size_t i)
{
    return shown[1][i] > 200 && shown[1][i + 1] > 200 && shown[1][i + 2] > 200 && std::abs(shown[0][i] - shown[1][i]) > 60;
}

// A win that put the winner's profile up for sale says so on a line of its own above the
// pictures; another win shows nothing there.
TEST_F(StoryDraw, TheEndingTellsOfTheProfileOffered)
{
    ASSERT_TRUE(built_data_set_in());
    ASSERT_TRUE(fonts_in());
    p1_character = CHARACTER_JASON;
    quit_request = 0;
    ASSERT_EQ(ending_start(), 0);
    for (int tick = 0; tick < 400; tick++)
        ending_tick();
    // The top band of the view, above the story's lines.
    const int row_low = GL_TEST_HEIGHT - GL_TEST_HEIGHT / 8, row_high = GL_TEST_HEIGHT;
    int ink[2] = {0, 0};
    std::vector<u8> shown[2];
    for (int offered = 0; offered < 2; offered++) {
        ladder_profile_offered = static_cast<u8>(offered);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        ending_draw();
        shown[offered] = window_pixels();
        for (int y = row_low; y < row_high; y++)
            for (int x = 0; x < GL_TEST_WIDTH; x++) {
                Rgb p = pixel_at(x, y);
                ink[offered] += p.r > 200 && p.g > 200 && p.b > 200;
            }
    }
    EXPECT_EQ(ink[0], 0);
    EXPECT_GT(ink[1], 200);
    // The line stands in the middle: where the offer brings white letters, as far from
    // either edge.
    int left = GL_TEST_WIDTH, right = -1;
    for (int y = row_low; y < row_high; y++)
        for (int x = 0; x < GL_TEST_WIDTH; x++) {
            size_t i = (static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4;
            if (offer_letter(shown, i)) {
                left = std::min(left, x);
                right = std::max(right, x);
            }
        }
    EXPECT_NEAR(left, GL_TEST_WIDTH - 1 - right, 6) << "the line from " << left << " to " << right;
    // Inside the view, clear of its edges.
    int low = GL_TEST_HEIGHT, high = -1;
    for (int y = 0; y < GL_TEST_HEIGHT; y++)
        for (int x = left; x <= right; x++) {
            size_t i = (static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4;
            if (offer_letter(shown, i)) {
                low = std::min(low, y);
                high = std::max(high, y);
            }
        }
    const int margin = GL_TEST_WIDTH / 80;   // 8 pixels at 640
    EXPECT_GE(left, margin);
    EXPECT_LT(high, GL_TEST_HEIGHT - margin);
    // Nothing of the picture shows round the letters: drawn over a plain white picture in
    // place of the palace, the line's box looks the same but for the band's small see-through.
    u32 slot = ending_texture, picture = screen_textures[slot];
    screen_textures[slot] = 0;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ending_draw();
    std::vector<u8> over_white = window_pixels();
    screen_textures[slot] = picture;
    int most = 0;
    for (int y = low; y <= high; y++)
        for (int x = left; x <= right; x++) {
            size_t i = (static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4;
            for (int c = 0; c < 3; c++)
                most = std::max(most, std::abs(over_white[i + c] - shown[1][i + c]));
        }
    EXPECT_LE(most, 60) << "the picture shows through the line's box from row " << low << " to " << high;
    ladder_profile_offered = 0;
    texture_table_delete(screen_textures, SCREEN_TEXTURES);
    fonts_out();
    built_data_set_out();
}

// After a won ladder every line of the credits-earned screen, the pulsing count too, stands in
// the middle of the view by its ink.
TEST_F(StoryDraw, TheCreditsEarnedLinesStandCentred)
{
    ASSERT_TRUE(built_data_set_in());
    ASSERT_TRUE(fonts_in());
    font_digits_texture = texture_load(asset_archive, "misc/number.tga", TEXTURE_MIPMAP_RGBA_FULL);
    ASSERT_NE(font_digits_texture, 0u);
    ladder_time = 60 * (60 * 12 + 34);
    credits_earned = 250;
    menu_pulse_angle = 3.1415f;   // the count at its brightest
    credits_earned_draw();
    std::vector<u8> rgba = window_pixels();
    int bands = 0;
    bool inked_above = false;
    int left = GL_TEST_WIDTH, right = -1;
    for (int y = 0; y <= GL_TEST_HEIGHT; y++) {
        int first = -1, last = -1;
        for (int x = 0; x < GL_TEST_WIDTH && y < GL_TEST_HEIGHT; x++) {
            const u8 *p = &rgba[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
            if (p[0] > 128 && p[1] > 128 && p[2] > 128)
                last = x, first = first < 0 ? x : first;
        }
        bool inked = first >= 0;
        if (inked) {
            left = std::min(left, first);
            right = std::max(right, last);
        }
        if (!inked && inked_above) {   // a line's band ends: its ink's middle
            SCOPED_TRACE(testing::Message() << "the line ending at row " << y);
            EXPECT_NEAR(left, GL_TEST_WIDTH - 1 - right, 6) << "ink from " << left << " to " << right;
            bands++;
            left = GL_TEST_WIDTH, right = -1;
        }
        inked_above = inked;
    }
    EXPECT_EQ(bands, 5) << "the time, the two words, the count and the congratulations";
    texture_table_delete(&font_digits_texture, 1);
    fonts_out();
    built_data_set_out();
}

// Every winner's ending plays from the built data set to the screen that follows it, and the
// faction endings on to the credits roll, each once.
TEST_F(StoryDraw, EveryEndingPlaysThroughToTheCreditsFromTheBuiltDataSet)
{
    ASSERT_TRUE(built_data_set_in());
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        quit_request = 0;
        p1_character = id;
        ASSERT_EQ(ending_start(), 0) << id;
        EXPECT_EQ(game_state, STATE_CHARACTER_ENDING);
        int ticks = 0;
        for (; ticks < 30000 && game_state == STATE_CHARACTER_ENDING; ticks++)
            if (++story_ticks > 120)
                ending_tick();
        bool ares_side = id == 4 || id == 6 || id == 7 || id == 8 || id == 9;
        bool roll = id == CHARACTER_ARES || id == CHARACTER_ATROPOS;
        EXPECT_EQ(game_state, roll ? STATE_CREDITS : STATE_FACTION_ENDING) << id;
        if (!roll) {
            EXPECT_EQ(story_kind, ares_side ? STORY_ARES_WON : STORY_HEROES_WON) << id;
        }
        for (ticks = 0; ticks < 30000 && game_state == STATE_FACTION_ENDING; ticks++) {
            story_ticks++;
            faction_ending_tick();
        }
        EXPECT_EQ(game_state, STATE_CREDITS) << id;
        EXPECT_EQ(quit_request, 0) << id;
    }
    built_data_set_out();
}

// Every shown picture quad's shape against its picture's: a picture painted square for a tall
// quad is stretched (and its heads cut off when cropped); noted once per slot, size and quad.
class QuadShapes {
public:
    // The picture quads of the opening story and the faction endings.
    void check(const char *where)
    {
        for (u32 i = 0; i < story_quad_count && i < STORY_QUADS; i++) {
            const StoryQuad &q = story_quads[i];
            if (q.alpha > 0.0f)
                compare(where, q.texture, q.corners[3][0] - q.corners[0][0], q.corners[0][1] - q.corners[1][1]);
        }
    }
    // A character ending's picture in its rectangle.
    void check_ending(const char *where)
    {
        u32 k = story_picture_index < ENDING_MAX_PICTURES ? story_picture_index : ENDING_MAX_PICTURES - 1;
        compare(where, ending_texture, ending_quad_right[k] - ending_quad_left[k],
                ending_quad_top[k] - ending_quad_bottom[k]);
    }
    // The picture's own size, read from its entry: the texture itself may have been rescaled
    // to powers of two on upload.
    void compare(const char *where, u32 slot, f32 quad_w, f32 quad_h)
    {
        if (slot >= SCREEN_TEXTURES || !screen_textures[slot] || !story_slot_entries[slot] || quad_h <= 0.0f)
            return;
        const char *entry = story_slot_entries[slot];
        if (!sizes.count(entry)) {
            Picture picture = archive_picture(asset_archive, entry);
            sizes[entry] = {picture.width, picture.height};
            picture_free(&picture);
        }
        int width = sizes[entry].first, height = sizes[entry].second;
        if (width <= 0 || height <= 0) {
            wrong.insert(std::string(entry) + " does not decode");
            return;
        }
        f32 ratio = (static_cast<f32>(width) / height) / (quad_w / quad_h);
        if (std::fabs(ratio - 1.0f) <= 0.05f)
            return;
        std::ostringstream line;
        line << where << ": " << entry << " " << width << " x " << height << " on a quad " << quad_w << " x " << quad_h;
        wrong.insert(line.str());
    }
    std::set<std::string> wrong;
    std::map<std::string, std::pair<int, int>> sizes;   // by entry
};

// The opening story, every winner's ending and both faction endings, played from the built
// data set: each picture is painted for the shape of the quad that shows it.
TEST_F(StoryDraw, EveryStoryPictureFitsTheShapeOfItsQuad)
{
    ASSERT_TRUE(built_data_set_in());
    QuadShapes shapes;
    ASSERT_EQ(intro_start(), 0);
    for (int ticks = 0; ticks < 30000 && game_state == STATE_INTRO; ticks++) {
        shapes.check("opening");
        story_ticks++;
        intro_tick();
    }
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        p1_character = id;
        ASSERT_EQ(ending_start(), 0) << id;
        std::string where = "ending " + std::to_string(id);
        for (int ticks = 0; ticks < 30000 && game_state == STATE_CHARACTER_ENDING; ticks++) {
            shapes.check_ending(where.c_str());
            if (++story_ticks > 120)
                ending_tick();
        }
        for (int ticks = 0; ticks < 30000 && game_state == STATE_FACTION_ENDING; ticks++) {
            shapes.check(story_kind == STORY_ARES_WON ? "Ares' side won" : "the heroes won");
            story_ticks++;
            faction_ending_tick();
        }
    }
    built_data_set_out();
    std::string all;
    for (const std::string &line : shapes.wrong)
        all += line + "\n";
    EXPECT_TRUE(shapes.wrong.empty()) << all;
}

}  // namespace
