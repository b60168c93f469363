// The stage select, the shop and the gallery through the logic tick.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "support/tick_harness.h"

#include <allegro.h>
#include <gtest/gtest.h>

constexpr int FADE_TICKS = 67;   // a fade-out's ticks until its end runs

class Screens : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
    void TearDown() override
    {
        config_set_defaults();
        shop_cursor = 0;
        gallery_index = 0;
        gallery_fade = 0.0f;
        stage_select_cursor = 0;
        p1_character = p2_character = 0;
    }

    static void stage_select_open()
    {
        game_mode = GAME_MODE_VERSUS;
        ASSERT_EQ(stage_select_enter(), 0);
        sfx_request_count = 0;
    }
};

// ---- stage select ------------------------------------------------------------------------------
TEST_F(Screens, StageSelectEntryLoadsItsPictures)
{
    EXPECT_EQ(stage_select_enter(), 0);
    EXPECT_EQ(game_state, STATE_STAGE_SELECT);
    EXPECT_EQ(screen_texture_set, SCREEN_SET_STAGE_SELECT);
    EXPECT_EQ(screen_texture_count, STAGE_SELECT_FIRST_PREVIEW + STAGE_TILES);
    harness_reset();
    harness_screen_texture_failing = "stageselect/preview9.jpg";
    EXPECT_EQ(stage_select_enter(), 2);
}

// The tile map: the arena each tile loads, in rows of five.
TEST_F(Screens, StageTilesMapToTheirArenas)
{
    const i32 stages[STAGE_TILES] = {0, 5, 3, 2, 4, 1, 6, 7, 9, 8};
    for (int t = 0; t < STAGE_TILES; t++)
        EXPECT_EQ(stage_tiles[t].stage, stages[t]) << "tile " << t;
}

TEST_F(Screens, StageCursorMovesAndWraps)
{
    struct Case {
        u32 from;
        Direction dir;
        u32 to;
    };
    const Case cases[] = {
        {4, DIR_RIGHT, 5}, {9, DIR_RIGHT, 0}, {0, DIR_LEFT, 9}, {5, DIR_LEFT, 4},
        {7, DIR_DOWN, 2},  {2, DIR_DOWN, 7},  {3, DIR_UP, 8},   {1, DIR_DOWN_RIGHT, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << c.from << " dir " << c.dir);
        harness_reset();
        stage_select_open();
        stage_select_cursor = c.from;
        harness_run(10, TickScript().direction(0, c.dir, 0, 10));   // held: one move
        EXPECT_EQ(stage_select_cursor, c.to);
        EXPECT_EQ(sfx_request_count, c.to != c.from ? 1 : 0);
    }
    // Both players in one tick: player 1's move first, then player 2's from there.
    harness_reset();
    stage_select_open();
    stage_select_cursor = 0;
    harness_run(1, TickScript().direction(0, DIR_RIGHT, 0).direction(1, DIR_DOWN, 0));
    EXPECT_EQ(stage_select_cursor, 6u);
}

TEST_F(Screens, StageCursorStaysOnHadesWithAHydra)
{
    stage_select_open();
    p2_character = CHARACTER_HYDRA;
    harness_run(4, TickScript().direction(0, DIR_LEFT, 0).direction(1, DIR_UP, 2));
    EXPECT_EQ(stage_select_cursor, 9u);
    EXPECT_EQ(sfx_request_count, 0);
}

// START and ESC open the pause (the pause test comes first); HARD SWING chooses the tile and
// asks for the fight load; nothing acts during a fade.
TEST_F(Screens, StageSelectPausesOrRequestsTheFight)
{
    struct Case {
        const char *what;
        TickScript script;
        u8 paused;
        i32 load_phase;
    };
    Case cases[] = {
        {"player 2's START", TickScript().button(1, BUTTON_START, 1), 1, 0},
        {"ESC", TickScript().key(KEY_ESC, 1), 1, 0},
        {"player 1's HARD SWING", TickScript().button(0, BUTTON_HARD_SWING, 1), 0, 1},
        {"player 2's HARD SWING", TickScript().button(1, BUTTON_HARD_SWING, 1), 0, 1},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        stage_select_open();
        harness_run(2, c.script);
        EXPECT_EQ(paused, c.paused);
        EXPECT_EQ(fight_load_phase, c.load_phase);
        EXPECT_EQ(game_state, STATE_STAGE_SELECT);
        if (c.load_phase) {
            EXPECT_EQ(sfx_last_request.number, SFX_MENU_CONFIRM);
            EXPECT_FLOAT_EQ(music_fade, 1.0f);
        } else {
            EXPECT_EQ(pause_cursor, 0);
            EXPECT_FLOAT_EQ(pointer_x, -7.0f);
        }
    }
    harness_reset();
    stage_select_open();
    fade_mode = FADE_IN;
    fade_level = 1.0f;
    harness_run(1, TickScript().button(0, BUTTON_HARD_SWING, 0));
    EXPECT_EQ(fight_load_phase, 0);
}

// ---- shop --------------------------------------------------------------------------------------
// Every profile offered, unless a test says otherwise.
static void profiles_offer(u8 state)
{
    for (int id = 0; id < CHARACTER_COUNT; id++)
        *shop_profile_byte(id) = state;
}

static void shop_open(u32 cursor)
{
    ASSERT_EQ(shop_enter(), 0);
    shop_cursor = cursor;
    sfx_request_count = 0;
}

TEST_F(Screens, ShopPurchaseRule)
{
    struct Case {
        const char *what;
        u32 item;
        u32 credits_before;
        bool owned;
        u32 credits_after;
        int sound;
    };
    const Case cases[] = {
        {"gallery at its exact price", SHOP_ITEM_GALLERY, 750, false, 0, SFX_MENU_CONFIRM},
        {"a profile", 5, 1000, false, 650, SFX_MENU_CONFIRM},
        {"Medusa", 13, 1000, false, 0, SFX_MENU_CONFIRM},
        {"Atropos one credit short", 17, 1499, false, 1499, SFX_MENU_REFUSED},
        {"Ares", 16, 99999, false, 98499, SFX_MENU_CONFIRM},
        {"an owned Hydra", 15, 99999, true, 99999, SFX_MENU_REFUSED},
        {"an owned profile", 1, 99999, true, 99999, SFX_MENU_REFUSED},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        profiles_offer(1);
        credits = c.credits_before;
        if (c.owned && shop_item_is_profile(static_cast<int>(c.item)))
            *shop_profile_byte(static_cast<int>(c.item) - 1) = 2;
        else if (c.owned)
            *shop_character_byte(static_cast<int>(c.item)) = 1;
        shop_open(c.item);
        harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 1, 1));
        EXPECT_EQ(credits, c.credits_after);
        EXPECT_EQ(sfx_request_count, 1);
        EXPECT_EQ(sfx_last_request.number, c.sound);
    }
    // What a purchase sets.
    harness_settings_folder_new();   // the purchases are read back from it below
    harness_reset();
    credits = 99999;
    profiles_offer(1);
    shop_open(0);
    const u32 items[] = {0, 5, 13, 14, 15, 16, 17};
    for (u32 item : items) {
        shop_cursor = item;
        harness_run(2, TickScript().button(1, BUTTON_HARD_SWING, 1));
    }
    EXPECT_EQ(gallery_bought, 1);
    EXPECT_EQ(profile_hippolyte, 2);
    EXPECT_EQ(profiles_unlocked, 1);
    EXPECT_EQ(unlocked_medusa + unlocked_sphinx + unlocked_hydra + unlocked_ares + unlocked_atropos, 5);
    EXPECT_EQ(credits, 99999u - 750 - 350 - 3000 - 3000);
    EXPECT_FALSE(select_character_locked(0, CHARACTER_MEDUSA));

    // Each purchase is on disk at once, not only at shutdown.
    char settings_path[BASE_DIR_SIZE + 32];
    ASSERT_TRUE(base_path(settings_path, sizeof settings_path, "data/qx.cfg"));
    u32 credits_left = credits;
    config_set_defaults();
    credits = 0;
    ASSERT_EQ(config_load(settings_path), 1);
    EXPECT_EQ(gallery_bought, 1);
    EXPECT_EQ(profile_hippolyte, 2);
    EXPECT_EQ(unlocked_atropos, 1);
    EXPECT_EQ(credits, credits_left);
}

// The movement table, with every profile offered, and with none.
TEST_F(Screens, ShopCursorFollowsTheMovementTable)
{
    struct Case {
        u8 profiles;
        u32 from;
        Direction dir;
        u32 to;
        int sounds;   // 0: a "none" entry
    };
    const Case cases[] = {
        {1, 0, DIR_UP, 0, 0},     {1, 3, DIR_UP, 3, 0},     {1, 6, DIR_UP, 6, 1},     {1, 9, DIR_UP, 3, 1},
        {1, 14, DIR_UP, 7, 1},    {1, 18, DIR_UP, 16, 1},   {1, 0, DIR_DOWN, 12, 1},  {1, 2, DIR_DOWN, 8, 1},
        {1, 6, DIR_DOWN, 12, 1},  {1, 10, DIR_DOWN, 14, 1}, {1, 12, DIR_DOWN, 12, 0}, {1, 15, DIR_DOWN, 17, 1},
        {1, 17, DIR_DOWN, 17, 0}, {1, 18, DIR_DOWN, 18, 0}, {1, 18, DIR_RIGHT, 0, 1}, {1, 0, DIR_LEFT, 18, 1},
        {1, 12, DIR_RIGHT, 13, 1},
        // Nothing offered: the profiles are stepped over in the move's direction.
        {0, 0, DIR_RIGHT, 13, 1}, {0, 13, DIR_LEFT, 0, 1}, {0, 0, DIR_DOWN, 13, 1}, {0, 14, DIR_UP, 13, 1},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(testing::Message() << "profiles " << int(c.profiles) << " from " << c.from << " dir " << c.dir);
        harness_reset();
        profiles_offer(c.profiles);
        shop_open(c.from);
        harness_run(5, TickScript().direction(0, c.dir, 0, 5));
        EXPECT_EQ(shop_cursor, c.to);
        EXPECT_EQ(sfx_request_count, c.sounds);
    }
    // Only Minotaur's profile missing: down from 1 passes on to 8.
    harness_reset();
    profiles_offer(1);
    profile_minotaur = 0;
    shop_open(1);
    harness_run(1, TickScript().direction(0, DIR_DOWN, 0));
    EXPECT_EQ(shop_cursor, 8u);
}

// A held direction on a "none" entry is not latched: it acts once the cursor moves under it.
TEST_F(Screens, ShopNoneEntryLeavesTheDirectionArmed)
{
    profiles_offer(1);
    shop_open(12);
    harness_run(4, TickScript().direction(0, DIR_DOWN, 0, 4).direction(1, DIR_LEFT, 2));
    EXPECT_EQ(shop_cursor, 14u);   // 12 left to 11, then the held DOWN to 14
}

// Leaving: ESC anywhere; HARD SWING or START only on EXIT; a click on EXIT only with the first
// button alone. Leaving ends the tick: the title menu's step does not run in it.
TEST_F(Screens, ShopIsLeftByEscExitAndAClickOnExit)
{
    struct Case {
        const char *what;
        u32 cursor;
        TickScript script;
        bool left;
    };
    // From the pointer's start (-20, 15) to EXIT (14, -13).
    const f32 to_exit_x = (14.0f + 20.0f) / 0.1f, to_exit_y = (15.0f + 13.0f) / 0.1f;
    Case cases[] = {
        {"ESC on a profile", 3, TickScript().key(KEY_ESC, 1), true},
        {"START on a profile", 3, TickScript().button(0, BUTTON_START, 1), false},
        {"START on EXIT", SHOP_ITEM_EXIT, TickScript().button(1, BUTTON_START, 1), true},
        {"HARD SWING on EXIT", SHOP_ITEM_EXIT, TickScript().button(1, BUTTON_HARD_SWING, 1), true},
        {"a left click on EXIT", 0, TickScript().mouse(0, to_exit_x, to_exit_y, 0).mouse(1, 0, 0, 1), true},
        {"two buttons on EXIT", 0, TickScript().mouse(0, to_exit_x, to_exit_y, 0).mouse(3, 0, 0, 1), false},
    };
    for (Case &c : cases) {
        SCOPED_TRACE(c.what);
        harness_reset();
        shop_open(c.cursor);
        c.script.direction(0, DIR_DOWN, 1);   // would move the title's cursor in the same tick
        harness_run(2, c.script);
        EXPECT_EQ(game_state, c.left ? STATE_MAIN_MENU : STATE_SHOP);
        if (c.left) {
            EXPECT_EQ(menu_cursor, 0);
            EXPECT_EQ(fade_mode, FADE_NONE);
            EXPECT_STREQ(music_name, "musica/titulo.ogg");
        }
    }
}

// The pointer: a hover selects silently; a click on an item selects and buys it at once; a
// profile not offered is not hovered.
TEST_F(Screens, ShopPointerHoversAndBuys)
{
    credits = 5000;
    profiles_offer(1);
    profile_odysseus = 0;
    shop_open(0);
    // The pointer moves at the end of a tick; the next tick's hover test sees it.
    // Onto Odysseus's hidden tile (item 2, x -0.4..1.6, y 6.4..8.4): nothing.
    harness_run(2, TickScript().mouse(0, (0.6f + 20.0f) / 0.1f, (15.0f - 7.4f) / 0.1f, 0));
    EXPECT_EQ(shop_cursor, 0u);
    // Onto Jason's (item 1, x -4.4..-2.4): selected, silently.
    harness_run(2, TickScript().mouse(0, -4.0f / 0.1f, 0, 0));
    EXPECT_EQ(shop_cursor, 1u);
    EXPECT_EQ(sfx_request_count, 0);
    // Down to the Sphinx (item 14), then the right button: selected and bought at once.
    harness_run(2, TickScript().mouse(0, -4.6f / 0.1f, (7.4f + 7.0f) / 0.1f, 0).mouse(2, 0, 0, 1));
    EXPECT_EQ(shop_cursor, 14u);
    EXPECT_EQ(unlocked_sphinx, 1);
    EXPECT_EQ(credits, 4000u);
}

// The shop keeps its pictures between visits, and reloads them after another screen's.
TEST_F(Screens, ShopPicturesSurviveGalleryRoundTrips)
{
    ASSERT_EQ(shop_enter(), 0);
    EXPECT_EQ(harness_screen_texture_loads, static_cast<u32>(SHOP_TEXTURE_COUNT));
    title_menu_enter();
    ASSERT_EQ(shop_enter(), 0);
    EXPECT_EQ(harness_screen_texture_loads, static_cast<u32>(SHOP_TEXTURE_COUNT)) << "its own set is kept";
    for (int trip = 0; trip < 10; trip++) {
        title_menu_enter();
        ASSERT_EQ(gallery_enter(), 0);
        EXPECT_EQ(screen_texture_count, GALLERY_PICTURES);
        title_menu_enter();
        EXPECT_EQ(screen_texture_count, 0) << "the title lets the gallery's pictures go";
        ASSERT_EQ(shop_enter(), 0);
        EXPECT_EQ(screen_texture_set, SCREEN_SET_SHOP);
        EXPECT_EQ(screen_texture_count, SHOP_TEXTURE_COUNT);
    }
    EXPECT_EQ(harness_screen_texture_loads, SHOP_TEXTURE_COUNT + 10u * (23 + SHOP_TEXTURE_COUNT));
}

// ---- gallery -----------------------------------------------------------------------------------
TEST_F(Screens, GalleryPagesWrapAndFadeIn)
{
    ASSERT_EQ(gallery_enter(), 0);
    gallery_index = 22;
    gallery_fade = 1.0f;
    harness_run(3, TickScript().button(0, BUTTON_HARD_SWING, 0, 3));   // held: one page
    EXPECT_EQ(gallery_index, 0u);
    EXPECT_NEAR(gallery_fade, 0.15f, 1e-5);   // reset, then three ticks of fade-in, its own included
    harness_run(1, TickScript().button(1, BUTTON_LOW_SWING, 0));
    EXPECT_EQ(gallery_index, 22u);
    // One player's press blocks the other's held button until it is let go.
    harness_run(2, TickScript().button(0, BUTTON_HARD_SWING, 0, 2).button(1, BUTTON_HARD_SWING, 1));
    EXPECT_EQ(gallery_index, 0u);
    harness_run(40);
    EXPECT_FLOAT_EQ(gallery_fade, 1.0f);
}

// START fades out to the title; during the fade nothing pages and the fade-in stops.
TEST_F(Screens, GalleryFadesOutToTheTitle)
{
    ASSERT_EQ(gallery_enter(), 0);
    gallery_fade = 0.5f;
    harness_run(2, TickScript().button(1, BUTTON_START, 1));
    EXPECT_EQ(fade_mode, FADE_OUT);
    EXPECT_FLOAT_EQ(gallery_fade, 0.55f);
    harness_run(5, TickScript().button(0, BUTTON_HARD_SWING, 0, 5));
    EXPECT_EQ(gallery_index, 0u);
    EXPECT_FLOAT_EQ(gallery_fade, 0.55f);
    harness_run(FADE_TICKS);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
    EXPECT_EQ(fade_mode, FADE_IN);
}
