#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/feedback.h"

#include <GL/gl.h>
#include <cmath>
#include <vector>

// The title menu's pages as their printers send them: which texts show, in which colour, and
// whether each stands in the row its hover rectangle selects.
class MenuPagesDraw : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_EQ(fonts_build(), 1);
        asset_archive = nullptr;   // the entry loads nothing
        title_menu_enter();
        for (u32 &texture : title_textures)
            texture = colour.white;
        tex_logo = colour.clear;
        tex_select_panel = colour.white;
        menu_pulse_angle = 3.1415f;   // the selected colour at its full yellow
        pointer_x = -20.0f;
        pointer_y = 15.0f;
        capture_active = CAPTURE_NONE;
        tex_env_combine = 2;
    }
    void TearDown() override
    {
        for (u32 &texture : title_textures)
            texture = 0;
        tex_logo = tex_select_panel = 0;
        capture_active = CAPTURE_NONE;
        menu_page = PAGE_MAIN;
        menu_cursor = 0;
        fonts_free();
    }
};

static std::vector<PrintedText> page_texts()
{
    return feedback_texts(feedback_polygons(title_menu_draw));
}

enum TextPlace : u8 {
    PLACE_LABEL,   // the row's label: across inside the rectangle, its middle on the row
    PLACE_VALUE,   // right of the row's label, its middle on the row
    PLACE_FREE     // a message, in no row
};
enum TextColour : u8 {
    COLOUR_WHITE,
    COLOUR_SELECTED,   // the pulse's yellow
    COLOUR_GREYED,     // white at 0.75: an option the driver cannot take
    COLOUR_HALF,       // white at 0.5: NETWORK, which has no game behind it
    COLOUR_FADED       // white at 0.25: a joystick that is not there
};
// One text of a page: what it reads, its font, the item whose row it stands in, its place in
// the row and its colour (a value takes its label's).
struct PageText {
    const char *text;
    int font;
    int item;
    u8 place;
    u8 colour;
};

static void colour_of(u8 colour, f32 rgba[4])
{
    const f32 colours[][4] = {{1, 1, 1, 1}, {1, 1, 0, 1}, {1, 1, 1, 0.75f}, {1, 1, 1, 0.5f}, {1, 1, 1, 0.25f}};
    for (int i = 0; i < 4; i++)
        rgba[i] = colours[colour][i];
}

static PixelRect hover_rect(int item)
{
    const MenuRect &r = menu_page_info(menu_page)->items[item].hover;
    return eye_rect(r.x0, r.y0, r.x1, r.y1, MENU_DEPTH);
}

static f32 menu_units(f32 units)
{
    f32 x0, x1, y;
    eye_to_window(0.0f, 0.0f, MENU_DEPTH, &x0, &y);
    eye_to_window(units, 0.0f, MENU_DEPTH, &x1, &y);
    return x1 - x0;
}

// Every text of the table shows as it says, and nothing else is printed.
static void expect_page(const PageText *table, int count)
{
    std::vector<PrintedText> texts = page_texts();
    EXPECT_EQ(static_cast<int>(texts.size()), count) << "texts printed";
    for (int i = 0; i < count; i++) {
        const PageText &want = table[i];
        SCOPED_TRACE(want.text);
        const PrintedText *got = printed_find(texts, want.text);
        ASSERT_NE(got, nullptr) << "not printed";
        EXPECT_EQ(got->font, want.font);
        f32 rgba[4];
        colour_of(want.colour, rgba);
        for (int c = 0; c < 4; c++)
            EXPECT_NEAR(got->rgba[c], rgba[c], 0.01f) << "channel " << c;
        if (want.place == PLACE_FREE)
            continue;
        PixelRect row = hover_rect(want.item);
        f32 middle = (got->box.y0 + got->box.y1) / 2;
        EXPECT_TRUE(row.y0 < middle && middle < row.y1) << "off its row";
        if (want.place == PLACE_LABEL) {
            EXPECT_GE(got->box.x0, row.x0 - menu_units(0.5f));
            EXPECT_LE(got->box.x1, row.x1 + menu_units(0.5f));
            continue;
        }
        for (int k = 0; k < count; k++) {
            const PrintedText *label = printed_find(texts, table[k].text);
            if (table[k].item == want.item && table[k].place == PLACE_LABEL && label) {
                EXPECT_GT(got->box.x0, label->box.x1) << "left of its label";
            }
        }
    }
}

constexpr int T = FONT_TEXT, L = FONT_LETTERS;

TEST_F(MenuPagesDraw, MainAndOptionsLabelsStandInTheirRows)
{
    menu_page = PAGE_MAIN;
    menu_cursor = 1;
    const PageText main_page[] = {
        {"START", L, 0, PLACE_LABEL, COLOUR_WHITE},     {"VERSUS", L, 1, PLACE_LABEL, COLOUR_SELECTED},
        {"EXTRAS", L, 2, PLACE_LABEL, COLOUR_WHITE},    {"OPTIONS", L, 3, PLACE_LABEL, COLOUR_WHITE},
        {"EXIT", L, 4, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(main_page, 5);

    // The options page shows the selection by its caps alone.
    menu_page = PAGE_OPTIONS;
    menu_cursor = 2;
    const PageText options_page[] = {
        {"VIDEO", L, 0, PLACE_LABEL, COLOUR_WHITE},     {"AUDIO", L, 1, PLACE_LABEL, COLOUR_WHITE},
        {"CONTROLS", L, 2, PLACE_LABEL, COLOUR_WHITE},  {"GAME", L, 3, PLACE_LABEL, COLOUR_WHITE},
        {"BACK", L, 4, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(options_page, 5);
}

TEST_F(MenuPagesDraw, VideoRowsShowTheirValuesOrShowGreyed)
{
    menu_page = PAGE_VIDEO;
    menu_cursor = 1;
    vsync_option = 1;
    shadow_quality = 1;
    glow_effect = 0;
    const PageText combining[] = {
        {"BRIGHTNESS", T, 0, PLACE_LABEL, COLOUR_WHITE},  {"VSYNC", T, 1, PLACE_LABEL, COLOUR_SELECTED},
        {"Yes", T, 1, PLACE_VALUE, COLOUR_SELECTED},      {"SHADOWS", T, 2, PLACE_LABEL, COLOUR_WHITE},
        {"High Quality", T, 2, PLACE_VALUE, COLOUR_WHITE}, {"GLOW EFFECT", T, 3, PLACE_LABEL, COLOUR_WHITE},
        {"No", T, 3, PLACE_VALUE, COLOUR_WHITE},          {"BACK", L, 4, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(combining, 8);

    // Without combine SHADOWS and GLOW EFFECT are greyed, without values, even when selected.
    tex_env_combine = 0;
    menu_cursor = 2;
    const PageText greyed[] = {
        {"BRIGHTNESS", T, 0, PLACE_LABEL, COLOUR_WHITE}, {"VSYNC", T, 1, PLACE_LABEL, COLOUR_WHITE},
        {"Yes", T, 1, PLACE_VALUE, COLOUR_WHITE},        {"SHADOWS", T, 2, PLACE_LABEL, COLOUR_GREYED},
        {"GLOW EFFECT", T, 3, PLACE_LABEL, COLOUR_GREYED}, {"BACK", L, 4, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(greyed, 6);
}

TEST_F(MenuPagesDraw, ControlsRowsShowEachPlayersDevice)
{
    menu_page = PAGE_CONTROLS;
    menu_cursor = 0;
    input_device[0] = 0;
    input_device[1] = 1;
    joystick_available = 0;   // player 2's joystick is missing: faded, nothing to configure
    const PageText page[] = {
        {"PLAYER 1 CONTROL:", T, 0, PLACE_LABEL, COLOUR_SELECTED}, {"KEYBOARD", T, 0, PLACE_VALUE, COLOUR_SELECTED},
        {"CONFIGURE", T, 1, PLACE_LABEL, COLOUR_WHITE},            {"PLAYER 2 CONTROL", T, 2, PLACE_LABEL, COLOUR_WHITE},
        {"JOYSTICK", T, 2, PLACE_VALUE, COLOUR_FADED},             {"BACK", L, 4, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(page, 6);
    input_device[1] = 0;
}

TEST_F(MenuPagesDraw, BindingRowsShowTheirKeysAndButtons)
{
    menu_page = PAGE_KEYBOARD_KEYS;
    menu_cursor = 3;
    binding_player = 0;
    i32 *keys[] = {bind_key_up, bind_key_down, bind_key_left, bind_key_right,
                   bind_key_hard_swing, bind_key_low_swing, bind_key_kick, bind_key_start};
    for (int k = 0; k < 8; k++)
        keys[k][0] = 1 + k;   // KEY_A .. KEY_H
    capture_active = CAPTURE_LEFT;
    const PageText keyboard[] = {
        {"UP", T, 0, PLACE_LABEL, COLOUR_WHITE},           {"KEY_A", T, 0, PLACE_VALUE, COLOUR_WHITE},
        {"DOWN", T, 1, PLACE_LABEL, COLOUR_WHITE},         {"KEY_B", T, 1, PLACE_VALUE, COLOUR_WHITE},
        {"LEFT", T, 2, PLACE_LABEL, COLOUR_WHITE},         {"KEY_C", T, 2, PLACE_VALUE, COLOUR_WHITE},
        {"RIGHT", T, 3, PLACE_LABEL, COLOUR_SELECTED},     {"KEY_D", T, 3, PLACE_VALUE, COLOUR_SELECTED},
        {"HARD SWING", T, 4, PLACE_LABEL, COLOUR_WHITE},   {"KEY_E", T, 4, PLACE_VALUE, COLOUR_WHITE},
        {"LOW SWING", T, 5, PLACE_LABEL, COLOUR_WHITE},    {"KEY_F", T, 5, PLACE_VALUE, COLOUR_WHITE},
        {"KICK", T, 6, PLACE_LABEL, COLOUR_WHITE},         {"KEY_G", T, 6, PLACE_VALUE, COLOUR_WHITE},
        {"START/PAUSE", T, 7, PLACE_LABEL, COLOUR_WHITE},  {"KEY_H", T, 7, PLACE_VALUE, COLOUR_WHITE},
        {"BACK", L, 8, PLACE_LABEL, COLOUR_WHITE},
        {"Press a key. ESC to abort.", T, -1, PLACE_FREE, COLOUR_SELECTED},
    };
    expect_page(keyboard, 18);

    menu_page = PAGE_JOYSTICK_BUTTONS;
    menu_cursor = 5;
    capture_active = CAPTURE_NONE;
    bind_joy_index[0] = 1;
    i32 *buttons[] = {bind_joy_hard_swing, bind_joy_low_swing, bind_joy_kick, bind_joy_start};
    for (int k = 0; k < 4; k++)
        buttons[k][0] = k;
    const PageText joystick[] = {
        {"JOYSTICK:", T, 1, PLACE_LABEL, COLOUR_WHITE},    {"JOY_1", T, 1, PLACE_VALUE, COLOUR_WHITE},
        {"HARD SWING", T, 4, PLACE_LABEL, COLOUR_WHITE},   {"JOY_1_BUTTON0", T, 4, PLACE_VALUE, COLOUR_WHITE},
        {"LOW SWING", T, 5, PLACE_LABEL, COLOUR_SELECTED}, {"JOY_1_BUTTON1", T, 5, PLACE_VALUE, COLOUR_SELECTED},
        {"KICK", T, 6, PLACE_LABEL, COLOUR_WHITE},         {"JOY_1_BUTTON2", T, 6, PLACE_VALUE, COLOUR_WHITE},
        {"START/PAUSE", T, 7, PLACE_LABEL, COLOUR_WHITE},  {"JOY_1_BUTTON3", T, 7, PLACE_VALUE, COLOUR_WHITE},
        {"BACK", L, 8, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(joystick, 11);
}

TEST_F(MenuPagesDraw, GameRowsShowTheirValues)
{
    menu_page = PAGE_GAME;
    menu_cursor = 3;
    difficulty = 4;
    round_time_option = 1;
    rounds_to_win = 2;
    blood = 255;
    const PageText page[] = {
        {"DIFFICULTY", T, 0, PLACE_LABEL, COLOUR_WHITE}, {"Normal", T, 0, PLACE_VALUE, COLOUR_WHITE},
        {"TIME", T, 1, PLACE_LABEL, COLOUR_WHITE},       {"70", T, 1, PLACE_VALUE, COLOUR_WHITE},
        {"ROUNDS", T, 2, PLACE_LABEL, COLOUR_WHITE},     {"2", T, 2, PLACE_VALUE, COLOUR_WHITE},
        {"BLOOD", T, 3, PLACE_LABEL, COLOUR_SELECTED},   {"On", T, 3, PLACE_VALUE, COLOUR_SELECTED},
        {"BACK", L, 4, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(page, 9);
}

TEST_F(MenuPagesDraw, ExtrasAndVersusLabelsStandInTheirRows)
{
    menu_page = PAGE_EXTRAS;
    menu_cursor = 0;
    profiles_unlocked = 0;   // PROFILES stays away until one is bought
    gallery_bought = 1;
    const PageText extras[] = {
        {"SHOP", L, 0, PLACE_LABEL, COLOUR_WHITE},
        {"GALLERY", L, 2, PLACE_LABEL, COLOUR_WHITE},
        {"BACK", L, 3, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(extras, 3);

    menu_page = PAGE_LOCAL_OR_NETWORK;
    const PageText versus[] = {
        {"LOCAL\\GAME", L, 0, PLACE_LABEL, COLOUR_WHITE},
        {"NETWORK", L, 1, PLACE_LABEL, COLOUR_HALF},
        {"BACK", L, 2, PLACE_LABEL, COLOUR_WHITE},
    };
    expect_page(versus, 3);
    gallery_bought = 0;
}

// A slider as its drawer sent it: the bar's window box and the knob's middle.
struct SliderSeen {
    PixelRect bar;
    f32 knob_x;
};

static bool corner_is(const FeedbackCorner &c, f32 r, f32 g, f32 b, f32 a)
{
    return std::fabs(c.rgba[0] - r) < 0.01f && std::fabs(c.rgba[1] - g) < 0.01f && std::fabs(c.rgba[2] - b) < 0.01f &&
           std::fabs(c.rgba[3] - a) < 0.01f;
}

// The bars are the half-transparent black-to-violet quads; each knob is the thin white quad
// after its bar.
static std::vector<SliderSeen> sliders_seen()
{
    std::vector<SliderSeen> sliders;
    for (const FeedbackPolygon &p : feedback_polygons(title_menu_draw)) {
        bool bar = true, knob = p.box.x1 - p.box.x0 < 3.0f;
        for (const FeedbackCorner &c : p.corners) {
            bar = bar && (corner_is(c, 0, 0, 0, 0.5f) || corner_is(c, 0.25f, 0, 1, 0.5f));
            knob = knob && corner_is(c, 1, 1, 1, 1);
        }
        if (bar && (sliders.empty() || sliders.back().knob_x >= 0))
            sliders.push_back({p.box, -1.0f});
        if (knob && !sliders.empty())
            sliders.back().knob_x = (p.box.x0 + p.box.x1) / 2;
    }
    return sliders;
}

// Each slider stands on its row with its knob at its value, close to where the pointer would
// set that value (the slider and the pointer's reach differ a little by design).
TEST_F(MenuPagesDraw, SlidersStandOnTheirRowsAtTheirValues)
{
    struct Case {
        int page;
        f32 brightness;
        u32 effects, music;
        int slider, item;
        f32 fraction;
        f32 pointer_x;   // where a slider confirm sets the value
    };
    const Case cases[] = {
        {PAGE_VIDEO, 1.5f, 0, 0, 0, 0, 0.5f, 6.5f},
        {PAGE_VIDEO, 0.5f, 0, 0, 0, 0, 0.0f, 2.0f},
        {PAGE_AUDIO, 1.0f, 40, 96, 0, 0, 40.0f / 64, 7.0f},
        {PAGE_AUDIO, 1.0f, 40, 96, 1, 1, 0.75f, 8.0f},
        {PAGE_AUDIO, 1.0f, 64, 0, 0, 0, 1.0f, 10.0f},
        {PAGE_AUDIO, 1.0f, 64, 0, 1, 1, 0.0f, 2.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "page " << c.page << ", slider " << c.slider);
        menu_page = c.page;
        menu_cursor = 0;
        brightness = c.brightness;
        effects_volume = c.effects;
        music_volume = c.music;
        std::vector<SliderSeen> sliders = sliders_seen();
        ASSERT_EQ(sliders.size(), c.page == PAGE_VIDEO ? 1u : 2u);
        const SliderSeen &s = sliders[c.slider];
        EXPECT_NEAR(s.knob_x, s.bar.x0 + c.fraction * (s.bar.x1 - s.bar.x0), 1.0f);
        PixelRect row = hover_rect(c.item);
        f32 middle = (s.bar.y0 + s.bar.y1) / 2;
        EXPECT_TRUE(row.y0 < middle && middle < row.y1) << "off its row";
        f32 pointer, y;
        eye_to_window(c.pointer_x, 0.0f, MENU_DEPTH, &pointer, &y);
        EXPECT_NEAR(s.knob_x, pointer, menu_units(0.7f));
    }
    brightness = 1.0f;
    effects_volume = music_volume = 64;
}
