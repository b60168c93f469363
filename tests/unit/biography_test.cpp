// The biography viewer: its camera by character, the typing rhythm and page turns, the views'
// controls, and the way back to the character select.
#include "combat/combat.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "story/story.h"
#include "support/tick_harness.h"

#include <allegro.h>

#include <cstring>
#include <gtest/gtest.h>

namespace {

class BiographyTest : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
    // The viewer as its entry leaves it, without the character's assets (no archive here).
    void show(int character, const char *text)
    {
        game_mode = GAME_MODE_PROFILE_P1;
        p1_character = character;
        biography_enter();   // the load fails here: the camera is set all the same
        quit_request = 0;
        load_error = 0;
        story_text_start(text);
        game_state = STATE_BIOGRAPHY;
        biography_camera_view = 0;
    }
};

// The Hydra starts nearer than its nearest distance: zooming in does nothing there until it
// has been zoomed out past that limit.
TEST_F(BiographyTest, EachCharacterStartsAtItsCameraTheHydraBelowItsNearestLimit)
{
    struct Case {
        int character;
        f32 distance, height, angle;
    };
    const Case cases[] = {
        {CHARACTER_JASON, 15, 13, 3.1415f},
        {CHARACTER_POLYPHEMUS, 25, 23, 3.1415f},
        {CHARACTER_SPHINX, 15, 17, 3.1415f},
        {CHARACTER_HYDRA, 45, 13, 3.6f},   // below its range of 50 to 80
    };
    for (const Case &c : cases) {
        show(c.character, "");
        EXPECT_FLOAT_EQ(biography_distance, c.distance) << c.character;
        EXPECT_FLOAT_EQ(camera_eye[2], c.height) << c.character;
        EXPECT_FLOAT_EQ(camera_centre[2], c.height) << c.character;
        EXPECT_FLOAT_EQ(biography_angle, c.angle) << c.character;
    }
    biography_camera_view = 1;
    harness_run(20, TickScript().button(0, BUTTON_LOW_SWING, 0, 20));
    EXPECT_FLOAT_EQ(biography_distance, 45.0f);
    harness_run(41, TickScript().button(0, BUTTON_HARD_SWING, 0, 41));
    EXPECT_FLOAT_EQ(biography_distance, 50.125f);
    harness_run(20, TickScript().button(0, BUTTON_LOW_SWING, 0, 20));
    EXPECT_FLOAT_EQ(biography_distance, 50.0f);
}

// The mouse zooms as the help lines pair the buttons: the left one in, as LOW SWING does, and
// the right one out, as HARD SWING does; in either view.
TEST_F(BiographyTest, MouseButtonsZoomAsTheSwingButtonsDo)
{
    struct Case {
        int buttons;
        f32 distance;
    };
    const Case cases[] = {{1, 14.0f}, {2, 16.0f}, {3, 15.0f}};
    for (const Case &c : cases) {
        show(CHARACTER_JASON, "");
        harness_run(8, TickScript().mouse(c.buttons, 0.0f, 0.0f, 0, 8));
        EXPECT_FLOAT_EQ(biography_distance, c.distance) << c.buttons;
    }
    show(CHARACTER_JASON, "");
    biography_camera_view = 1;
    harness_run(8, TickScript().button(0, BUTTON_LOW_SWING, 0, 8));
    EXPECT_FLOAT_EQ(biography_distance, 14.0f);
}

TEST_F(BiographyTest, FiveCharactersAreTypedInEverySixteenTicks)
{
    show(CHARACTER_JASON, "ABCDEFGHIJKLMNOP\n");
    harness_run(16);
    EXPECT_STREQ(story_lines[0], "ABCDE");
    harness_run(16);
    EXPECT_STREQ(story_lines[0], "ABCDEFGHIJ");
}

TEST_F(BiographyTest, AFullPageWaitsForAHardSwingPress)
{
    show(CHARACTER_HYDRA, "Monster\n\n\nIts breath is poison.\n");
    harness_run(32);
    EXPECT_TRUE(biography_page_waits());   // the empty parentage line filled the page early
    harness_run(64);
    EXPECT_STREQ(story_lines[0], "Monster");
    TickScript press;
    press.button(1, BUTTON_HARD_SWING, 1, 20);
    harness_run(20, press);
    EXPECT_EQ(story_page, 1u);
    EXPECT_FALSE(biography_page_waits());
    EXPECT_EQ(latch_hard_swing[1], 1);   // the held press turned one page only
}

TEST_F(BiographyTest, ZoomAndHeightOnlyInTheCameraViewWithinTheLimits)
{
    show(CHARACTER_JASON, "");
    TickScript in_and_up;
    in_and_up.button(0, BUTTON_LOW_SWING, 0, 200).direction(0, DIR_UP, 0, 200);
    harness_run(200, in_and_up);
    EXPECT_FLOAT_EQ(biography_distance, 15.0f);   // text view: no zoom, no height
    EXPECT_FLOAT_EQ(camera_centre[2], 13.0f);
    biography_camera_view = 1;
    harness_run(200, in_and_up);
    EXPECT_FLOAT_EQ(biography_distance, 10.0f);   // stopped at the nearest limit
    EXPECT_FLOAT_EQ(camera_centre[2], 20.0f);     // clamped to the top of its range
    TickScript turn;
    turn.direction(1, DIR_RIGHT, 0, 4);
    f32 angle = biography_angle;
    harness_run(4, turn);
    EXPECT_FLOAT_EQ(biography_angle, angle + 4 * 0.03125f);
}

TEST_F(BiographyTest, StartLeavesThroughTheFadeToTheCharacterSelect)
{
    show(CHARACTER_MEDUSA, "Gorgon\n");
    TickScript start;
    start.button(0, BUTTON_START, 1);
    harness_run(2, start);
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_EQ(latch_esc, 1);
    harness_run_until(200, [] { return game_state == STATE_CHARACTER_SELECT; });
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);
}

// A second ESC while the way out fades does not start the fade again from full brightness.
TEST_F(BiographyTest, ASecondEscDuringTheFadeLeavesItRunning)
{
    show(CHARACTER_MEDUSA, "Gorgon\n");
    harness_run(2, TickScript().key(KEY_ESC, 1));
    ASSERT_EQ(fade_mode, FADE_OUT);
    harness_run(20);
    f32 level = fade_level;
    ASSERT_GT(level, 0.2f);
    harness_run(3, TickScript().key(KEY_ESC, 1));
    EXPECT_GT(fade_level, level);
    EXPECT_EQ(fade_mode, FADE_OUT);
}

}  // namespace
