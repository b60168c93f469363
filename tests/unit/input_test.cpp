#include "engine/engine.h"
#include "game/game.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <cstring>
#include <gtest/gtest.h>

class InputTest : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
};

// Every combination of the four direction keys, each after the player held right: the
// combinations without a code keep right.
TEST_F(InputTest, KeyboardDirectionCombinations)
{
    struct Case {
        bool up, down, left, right;
        int expected;
    };
    const Case cases[] = {
        {0, 0, 0, 0, DIR_NONE},      {1, 0, 0, 0, DIR_UP},        {1, 0, 0, 1, DIR_UP_RIGHT},
        {0, 0, 0, 1, DIR_RIGHT},     {0, 1, 0, 1, DIR_DOWN_RIGHT}, {0, 1, 0, 0, DIR_DOWN},
        {0, 1, 1, 0, DIR_DOWN_LEFT}, {0, 0, 1, 0, DIR_LEFT},      {1, 0, 1, 0, DIR_UP_LEFT},
        {1, 1, 0, 0, DIR_RIGHT},     {0, 0, 1, 1, DIR_RIGHT},     {1, 1, 1, 0, DIR_RIGHT},
        {1, 0, 1, 1, DIR_RIGHT},     {1, 1, 1, 1, DIR_RIGHT},
    };
    for (const Case &c : cases) {
        TickScript script;
        script.direction(0, DIR_RIGHT, 0);
        if (c.up)
            script.direction(0, DIR_UP, 1);
        if (c.down)
            script.direction(0, DIR_DOWN, 1);
        if (c.left)
            script.direction(0, DIR_LEFT, 1);
        if (c.right)
            script.direction(0, DIR_RIGHT, 1);
        harness_run(2, script);
        EXPECT_EQ(input_dir[0], c.expected) << "U" << c.up << " D" << c.down << " L" << c.left
                                            << " R" << c.right;
    }
}

TEST_F(InputTest, UpAndDownTogetherKeepThePreviousDirection)
{
    harness_run(3, TickScript().direction(0, DIR_DOWN_LEFT, 0).direction(0, DIR_UP, 1, 2)
                       .direction(0, DIR_DOWN, 1, 2));
    EXPECT_EQ(input_dir[0], DIR_DOWN_LEFT);
}

// Player 2 reads the joystick: the stick counts from 60 on either way.
TEST_F(InputTest, JoystickAxisThresholds)
{
    harness_joysticks(2);
    input_device[1] = 1;
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {
        {59, 0, DIR_NONE},     {60, 0, DIR_RIGHT},     {-59, 0, DIR_NONE},   {-60, 0, DIR_LEFT},
        {0, 60, DIR_DOWN},     {0, -60, DIR_UP},       {128, -128, DIR_UP_RIGHT},
        {-60, 60, DIR_DOWN_LEFT}, {60, 60, DIR_DOWN_RIGHT}, {-60, -60, DIR_UP_LEFT},
    };
    for (const Case &c : cases) {
        harness_run(1, TickScript().joy_axis(1, 0, 0, c.x, 0).joy_axis(1, 0, 1, c.y, 0));
        EXPECT_EQ(input_dir[1], c.expected) << c.x << ", " << c.y;
    }
}

TEST_F(InputTest, JoystickButtonsAndReadyBytes)
{
    harness_joysticks(1, 1, 2, 4);
    input_device[0] = 1;
    harness_run(1);
    EXPECT_EQ(input_kick_ready[0], 255);
    input_kick_ready[0] = 0;   // a move used the press
    harness_run(1, TickScript().joy_button(0, bind_joy_kick[0], 0));
    EXPECT_EQ(input_kick[0], 255);
    EXPECT_EQ(input_kick_ready[0], 0);
    harness_run(1);
    EXPECT_EQ(input_kick[0], 0);
    EXPECT_EQ(input_kick_ready[0], 255);
}

// Settings naming a joystick, stick or button that is not attached read as centred and
// released; a negative joystick reads as nothing at all. Everything attached is pushed.
TEST_F(InputTest, JoystickBindingsThatDoNotExistReadNothing)
{
    harness_joysticks(1, 1, 2, 4);
    input_device[0] = 1;
    struct Case {
        i32 index, stick, button;
        bool moves, presses;
    };
    const Case cases[] = {
        {0, 0, 0, true, true},    {1, 0, 0, false, false},  {7, 0, 0, false, false},
        {99, 0, 0, false, false}, {0, 1, 0, false, true},   {0, -2, 0, false, true},
        {0, 0, 4, true, false},   {0, 0, 31, true, false},  {0, 0, 500, true, false},
        {0, 0, -7, true, false},  {-1, 0, 0, false, false},
    };
    for (const Case &c : cases) {
        bind_joy_index[0] = c.index;
        bind_joy_stick[0] = c.stick;
        bind_joy_hard_swing[0] = c.button;
        TickScript script;
        for (int j = 0; j < MAX_JOYSTICKS; j++) {
            script.joy_axis(j, 0, 0, 100, 0).joy_axis(j, 1, 0, 100, 0);
            for (int b = 0; b < MAX_JOYSTICK_BUTTONS; b++)
                script.joy_button(j, b, 0);
        }
        harness_run(1, script);
        EXPECT_EQ(input_dir[0], c.moves ? DIR_RIGHT : DIR_NONE) << c.index << "/" << c.stick;
        EXPECT_EQ(input_hard_swing[0], c.presses ? 255 : 0) << c.index << "/" << c.button;
    }
}

TEST_F(InputTest, OtherPlayersJoystickTakenReadsNothing)
{
    harness_joysticks(1);
    input_device[0] = 1;
    bind_joy_index[0] = 0;
    binding_player = 1;
    TickScript push;
    push.joy_axis(0, 0, 0, 100, 0);
    harness_run(1, push);
    EXPECT_EQ(input_dir[0], DIR_RIGHT);
    joy[0].stick[0].axis[0].pos = 100;
    capture_latch = 0;   // the menu frame saw the stick pushed
    EXPECT_EQ(capture_joystick_binding(0), DIR_RIGHT);
    EXPECT_EQ(bind_joy_index[1], 0);
    EXPECT_EQ(bind_joy_index[0], -1);
    harness_run(1, push.joy_button(0, bind_joy_hard_swing[0], 0));
    EXPECT_EQ(input_dir[0], DIR_NONE);
    EXPECT_EQ(input_hard_swing[0], 0);
}

// On the character select the reader alone re-arms only START; the tick's input pass then
// re-arms every released button, there and on every other screen, whatever the fighters'
// attack bytes were left at.
TEST_F(InputTest, ReleasedButtonsReArmOnEveryScreen)
{
    game_state = STATE_CHARACTER_SELECT;
    input_read_keyboard(0);
    EXPECT_EQ(input_start_ready[0], 255);
    EXPECT_EQ(input_hard_swing_ready[0], 0);
    EXPECT_EQ(input_low_swing_ready[0], 0);
    EXPECT_EQ(input_kick_ready[0], 0);

    struct Case {
        int state;
        u8 paused;
    };
    const Case cases[] = {{STATE_CHARACTER_SELECT, 0}, {STATE_CHARACTER_SELECT, 1},
                          {STATE_STAGE_SELECT, 0}, {STATE_EXIT_SCREEN, 0}};
    for (const Case &c : cases) {
        game_state = c.state;
        paused = c.paused;
        input_hard_swing_ready[0] = input_low_swing_ready[1] = input_kick_ready[1] = 0;
        harness_run(1);
        EXPECT_EQ(input_hard_swing_ready[0], 255) << c.state << "/" << int(c.paused);
        EXPECT_EQ(input_low_swing_ready[1], 255) << c.state << "/" << int(c.paused);
        EXPECT_EQ(input_kick_ready[1], 255) << c.state << "/" << int(c.paused);
    }
    paused = 0;
}

// Modifier keys are stored in the older numbering and still work in play.
TEST_F(InputTest, StoredModifierBindingReadsTheLibrarysKey)
{
    bind_key_hard_swing[0] = 103;   // left shift, as the settings file stores it
    harness_run(1, TickScript().key(KEY_LSHIFT, 0));
    EXPECT_EQ(input_hard_swing[0], 255);
    harness_run(1, TickScript().key(103, 0));   // the library's 103 is another key
    EXPECT_EQ(input_hard_swing[0], 0);
}

// A damaged settings file can hold any number in a binding: outside 0..115 it is no key.
TEST_F(InputTest, BindingsOutsideTheStoredRangeAreNone)
{
    const i32 codes[] = {-1, -100000, 116, 127, 128, 1 << 30, 115};
    TickScript all_keys;
    for (int k = 1; k < KEY_MAX; k++)
        all_keys.key(k, 0);
    for (i32 code : codes) {
        bind_key_up[0] = code;
        bind_key_start[0] = code;
        harness_run(1, all_keys);
        EXPECT_EQ(input_start[0], 0) << code;
    }
}

TEST_F(InputTest, ScancodeTranslationRoundTripsEveryKey)
{
    for (int stored = 103; stored <= 114; stored++) {
        int library = scancode_to_library(stored);
        EXPECT_EQ(library, stored + 12);
        EXPECT_EQ(scancode_from_library(library), stored);
    }
    EXPECT_EQ(scancode_to_library(103), KEY_LSHIFT);
    EXPECT_EQ(scancode_to_library(114), KEY_CAPSLOCK);
    EXPECT_EQ(scancode_to_library(115), KEY_MAX);
    for (int stored = 0; stored <= 102; stored++)
        EXPECT_EQ(scancode_from_library(scancode_to_library(stored)), stored);
    for (int library = 103; library <= 114; library++)
        EXPECT_EQ(scancode_from_library(library), 0) << "no older name for " << library;
    EXPECT_EQ(scancode_to_library(-1), 0);
    EXPECT_EQ(scancode_to_library(116), 0);
    EXPECT_EQ(scancode_from_library(128), 0);
}

TEST_F(InputTest, KeyNamesFollowTheStoredNumbering)
{
    EXPECT_STREQ(key_names[0], "(none)");
    EXPECT_STREQ(key_names[1], "KEY_A");
    EXPECT_STREQ(key_names[47], "KEY_F1");
    EXPECT_STREQ(key_names[58], "KEY_F12");
    EXPECT_STREQ(key_names[59], "KEY_ESC");
    EXPECT_STREQ(key_names[67], "KEY_ENTER");
    EXPECT_STREQ(key_names[102], "KEY_KANJI");
    EXPECT_STREQ(key_names[103], "KEY_LSHIFT");
    EXPECT_STREQ(key_names[114], "KEY_CAPSLOCK");
    EXPECT_STREQ(key_names[115], "KEY_MAX");
    for (int k = 1; k <= 115; k++)
        EXPECT_EQ(strncmp(key_names[k], "KEY_", 4), 0) << k;
}

static void hold_keys(std::initializer_list<int> codes)
{
    for (int k = 0; k < KEY_MAX; k++)
        key[k] = 0;
    for (int code : codes)
        key[code] = 1;
}

TEST_F(InputTest, KeyCaptureSkipsScreenshotF12AndEsc)
{
    hold_keys({KEY_F1, KEY_F12, KEY_ESC});
    EXPECT_EQ(capture_key_binding(), 0);
    EXPECT_EQ(capture_latch, 0);
    hold_keys({KEY_ESC, KEY_F1, KEY_Q});
    EXPECT_EQ(capture_key_binding(), KEY_Q);
    EXPECT_EQ(capture_latch, 1);
}

TEST_F(InputTest, KeyCaptureWaitsForTheLatchAndTakesTheLowestKey)
{
    capture_latch = 1;
    hold_keys({KEY_B, KEY_A});
    EXPECT_EQ(capture_key_binding(), 0);
    capture_latch = 0;
    EXPECT_EQ(capture_key_binding(), KEY_A);
    capture_latch = 0;
    hold_keys({KEY_RCONTROL});
    EXPECT_EQ(capture_key_binding(), 106);   // stored in the older numbering
}

// Binding player 1's up to the key of player 2's KICK leaves player 2's KICK unbound.
TEST_F(InputTest, KeyCaptureUnbindsTheKeyEverywhere)
{
    bind_key_kick[1] = KEY_L;
    bind_key_low_swing[0] = KEY_L;
    hold_keys({KEY_L});
    bind_key_up[0] = capture_key_binding();
    EXPECT_EQ(bind_key_up[0], KEY_L);
    EXPECT_EQ(bind_key_kick[1], 0);
    EXPECT_EQ(bind_key_low_swing[0], 0);
    EXPECT_EQ(bind_key_start[0], KEY_ENTER);
}

TEST_F(InputTest, StickCaptureGivesTheJoystickToOnePlayer)
{
    harness_joysticks(2, 2, 2, 4);
    joy[1].stick[0].num_axis = 1;   // a throttle: not a stick
    joy[1].stick[0].axis[0].pos = -128;
    joy[1].stick[1].axis[1].pos = -60;
    bind_joy_index[0] = 1;
    binding_player = 1;
    EXPECT_EQ(capture_joystick_binding(0), DIR_UP);
    EXPECT_EQ(bind_joy_index[1], 1);
    EXPECT_EQ(bind_joy_stick[1], 1);
    EXPECT_EQ(bind_joy_index[0], -1);
    EXPECT_EQ(capture_latch, 1);
    EXPECT_EQ(capture_joystick_binding(0), 0);   // waits for the release
}

TEST_F(InputTest, StickCaptureTestsLeftRightUpDownInOrder)
{
    harness_joysticks(1);
    struct Case {
        int x, y, expected;
    };
    const Case cases[] = {{-60, 60, DIR_LEFT}, {60, -60, DIR_RIGHT}, {59, -60, DIR_UP},
                          {-59, 60, DIR_DOWN}, {59, 59, 0}};
    for (const Case &c : cases) {
        capture_latch = 0;
        joy[0].stick[0].axis[0].pos = c.x;
        joy[0].stick[0].axis[1].pos = c.y;
        EXPECT_EQ(capture_joystick_binding(0), c.expected) << c.x << ", " << c.y;
    }
}

// A button capture returns the number + 1, so button 0 can be bound; -1 is nothing.
TEST_F(InputTest, ButtonCaptureReturnsNumberPlusOne)
{
    EXPECT_EQ(capture_joystick_binding(1), -1);   // no joystick
    harness_joysticks(2, 1, 2, 6);
    EXPECT_EQ(capture_joystick_binding(1), -1);   // nothing pressed
    joy[1].button[0].b = 1;
    EXPECT_EQ(capture_joystick_binding(1), 1);
    capture_latch = 0;
    joy[1].button[0].b = 0;
    joy[0].button[5].b = 1;
    EXPECT_EQ(capture_joystick_binding(1), 6);
    capture_latch = 0;
    bind_joy_index[0] = -1;   // binding_player 0 has no joystick
    EXPECT_EQ(capture_joystick_binding(1), -1);
    EXPECT_EQ(capture_latch, 0);
}
