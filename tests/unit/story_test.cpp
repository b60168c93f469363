// The story screens' typewriter and picture quads, and the opening story's pacing, cues and
// ways out.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "frontend/frontend_local.h"
#include "game/game.h"
#include "story/story.h"
#include "support/tick_harness.h"

#include <allegro.h>

#include <cstring>
#include <gtest/gtest.h>
#include <string>

namespace {

// Runs the typewriter until a new page starts; the tick (1 = the first) it started on.
int ticks_to_next_page(int limit = 5000)
{
    for (int tick = 1; tick <= limit; tick++)
        if (story_typewriter_step())
            return tick;
    return -1;
}

TEST(StoryTypewriter, ABlankPageOfSpacesTurnsOnTick221)
{
    std::string text = std::string(44, ' ') + "\n\n\nNext page\n";
    story_text_start(text.c_str());
    EXPECT_EQ(ticks_to_next_page(), 221);
    EXPECT_EQ(story_page, 1u);
    EXPECT_EQ(story_line, 0u);
    EXPECT_STREQ(story_lines[0], "");
    for (int i = 0; i < 4; i++)
        story_typewriter_step();
    EXPECT_STREQ(story_lines[0], "");
    story_typewriter_step();   // typing goes on at its own rhythm, 5 ticks after the clear
    EXPECT_STREQ(story_lines[0], "N");
}

TEST(StoryTypewriter, BreaksCostNoTimeAndALeftoverBreakEmptiesTheNextFirstLine)
{
    story_text_start("A\n\n\n\nB\n");
    story_typewriter_step();   // tick 1: A
    EXPECT_STREQ(story_lines[0], "A");
    for (int i = 0; i < 4; i++)
        story_typewriter_step();
    // Tick 6 (divider 5): three breaks fill the page; it clears only on divider 0, 5 ticks on.
    EXPECT_FALSE(story_typewriter_step());
    EXPECT_EQ(story_line, 3u);
    EXPECT_EQ(ticks_to_next_page(), 5);
    // The fourth break is consumed with the next typing: B goes on the second line.
    for (int i = 0; i < 5; i++)
        story_typewriter_step();
    EXPECT_STREQ(story_lines[0], "");
    EXPECT_STREQ(story_lines[1], "B");
}

TEST(StoryTypewriter, AFullPageAtTheEndOfTheTextStaysAndLongInputIsCut)
{
    story_text_start("A\nB\nC\n");
    for (int i = 0; i < 200; i++)
        EXPECT_FALSE(story_typewriter_step());
    EXPECT_STREQ(story_lines[2], "C");
    // A line longer than its buffer is cut, never written past.
    std::string wide(400, 'x');
    story_text_start(wide.c_str());
    for (int i = 0; i < 400 * 5; i++)
        story_typewriter_step();
    EXPECT_EQ(std::strlen(story_lines[0]), static_cast<size_t>(STORY_LINE_SIZE - 1));
    // A text longer than the record is cut to it.
    std::string huge(20000, 'y');
    story_text_start(huge.c_str());
    EXPECT_EQ(std::strlen(story_text), static_cast<size_t>(STORY_TEXT_SIZE - 1));
}

TEST(StoryQuads, MoveAndFadeWithinTheirFlagsAndClamps)
{
    story_scenes_reset(STORY_INTRO);
    story_quad_set(0, 0, 1, 1, 0, 0, 0, 0.0f, QUAD_FADE, 0.1f, 0, 0, 0);
    story_quad_set(1, 0, 1, 1, 0, 0, 0, 0.5f, QUAD_MOVE | QUAD_FADE, -0.2f, 1, 0, 0);
    story_quad_set(2, 0, 1, 1, 0, 0, 0, 0.5f, 0, 0.3f, 1, 1, 1);   // frozen
    story_quad_set(3, 0, 1, 1, 0, 0, 0, 0.0f, QUAD_FADE, 0.1f, 0, 0, 0);   // past the count
    story_quad_count = 3;
    for (int i = 0; i < 12; i++)
        story_quads_step();
    EXPECT_FLOAT_EQ(story_quads[0].alpha, 1.0f);
    EXPECT_FLOAT_EQ(story_quads[1].alpha, 0.0f);
    EXPECT_FLOAT_EQ(story_quads[1].position[0], 12.0f);
    EXPECT_FLOAT_EQ(story_quads[2].alpha, 0.5f);
    EXPECT_FLOAT_EQ(story_quads[2].position[0], 0.0f);
    EXPECT_FLOAT_EQ(story_quads[3].alpha, 0.0f);
}

TEST(StoryMusic, TheTuneFallsToSilenceOver240Ticks)
{
    music_volume = 128;
    EXPECT_EQ(story_music_fade_volume(0), 128);
    EXPECT_EQ(story_music_fade_volume(120), 64);
    EXPECT_EQ(story_music_fade_volume(240), 0);
}

class IntroTest : public ::testing::Test {
protected:
    void SetUp() override { harness_reset(); }
    // The opening story as its start leaves it, without its pictures (no archive here).
    void start_without_pictures()
    {
        story_scenes_reset(STORY_INTRO);
        story_text_start(intro_narration);
        story_quad_count = 3;
        story_cue_pages[0] = 3;
        game_state = STATE_INTRO;
    }
};

TEST_F(IntroTest, TheNarrationHasItsPagesAndTheFirstSceneStartsOnTick681)
{
    EXPECT_EQ(std::strlen(intro_narration), 2429u);
    int breaks = 0, longest = 0, run = 0;
    for (const char *c = intro_narration; *c; c++) {
        run = *c == '\n' ? 0 : run + 1;
        breaks += *c == '\n';
        longest = run > longest ? run : longest;
    }
    EXPECT_EQ(breaks, 95);
    EXPECT_LE(longest, 59);
    start_without_pictures();
    TickScript none;
    harness_run(680, none);
    EXPECT_EQ(story_scene, 0u);
    harness_run(1, none);
    EXPECT_EQ(story_scene, 1u);   // Clotho starts to come forward
    EXPECT_EQ(story_quads[0].flags, QUAD_MOVE | QUAD_FADE);
    EXPECT_EQ(story_cue_pages[1], 4);
    EXPECT_EQ(game_state, STATE_INTRO);
}

TEST_F(IntroTest, StartOrEscSkipsToTheTitleFadingInFromBlack)
{
    struct Case {
        bool esc;
    };
    for (Case c : {Case{true}, Case{false}}) {
        harness_reset();
        start_without_pictures();
        TickScript script;
        if (c.esc)
            script.key(KEY_ESC, 0);
        else
            script.button(1, BUTTON_START, 0);
        harness_run(1, script);
        EXPECT_EQ(game_state, STATE_MAIN_MENU);
        EXPECT_EQ(fade_mode, FADE_IN);
        EXPECT_GT(fade_level, 0.98f);
        EXPECT_EQ(latch_start[0], 1);
        EXPECT_EQ(latch_start[1], 1);
    }
}

TEST_F(IntroTest, TheStoryLeavesOnceTheLastPageIsTypedUpToItsFinalBreak)
{
    start_without_pictures();
    story_scene = 26;
    story_cue_pages[26] = STORY_CUE_NONE;
    story_chars_typed = static_cast<u32>(std::strlen(intro_narration)) - 2;
    TickScript none;
    harness_run(1, none);
    EXPECT_EQ(game_state, STATE_INTRO);
    story_chars_typed++;
    harness_run(1, none);
    EXPECT_EQ(game_state, STATE_MAIN_MENU);
}

}  // namespace

namespace {

// The ladder's end: the award once, then the winner's ending with its tune; without its
// pictures (there is no archive here) the game stops with the data error rather than show
// an empty screen.
TEST_F(IntroTest, AWonLadderGoesFromTheAwardToTheWinnersEnding)
{
    game_state = STATE_MATCH_OVER;
    game_mode = GAME_MODE_ARCADE_P1;
    p1_character = CHARACTER_MEDUSA;
    u32 credits_before = credits;
    fade_out_start();
    harness_run(200);
    EXPECT_STREQ(music_name, "musica/tavrosk2.ogg");
    EXPECT_EQ(quit_request, 1);
    EXPECT_NE(load_error, 0);
    EXPECT_GT(credits, credits_before);
}

// A won ladder puts the winner's profile up for sale, on disk at once with the award, and the
// ending says so; a profile already offered or bought stays as it was, with no such line.
TEST_F(IntroTest, AWonLadderOffersTheWinnersProfile)
{
    struct Case {
        int mode, p1, p2;
        u8 before, after, offered;
    };
    const Case cases[] = {
        {GAME_MODE_ARCADE_P1, CHARACTER_MEDUSA, CHARACTER_JASON, 0, 1, 1},
        {GAME_MODE_ARCADE_P2, CHARACTER_JASON, CHARACTER_PERSEUS, 0, 1, 1},
        {GAME_MODE_ARCADE_P1, CHARACTER_ARES, CHARACTER_JASON, 1, 1, 0},
        {GAME_MODE_ARCADE_P1, CHARACTER_HYDRA, CHARACTER_JASON, 2, 2, 0},
    };
    char settings_path[BASE_DIR_SIZE + 32];
    ASSERT_TRUE(base_path(settings_path, sizeof settings_path, "data/qx.cfg"));
    for (const Case &c : cases) {
        harness_reset();
        for (int id = 0; id < CHARACTER_COUNT; id++)
            *shop_profile_byte(id) = 0;
        int winner = c.mode == GAME_MODE_ARCADE_P1 ? c.p1 : c.p2;
        *shop_profile_byte(winner) = c.before;
        credits = 0;
        game_state = STATE_MATCH_OVER;
        game_mode = c.mode;
        p1_character = c.p1;
        p2_character = c.p2;
        fade_out_start();
        harness_run(200);
        EXPECT_EQ(*shop_profile_byte(winner), c.after) << winner;
        EXPECT_EQ(ladder_profile_offered, c.offered) << winner;
        EXPECT_EQ(shop_item_hidden(SHOP_ITEM_PROFILE_FIRST + winner), false) << winner;
        for (int id = 0; id < CHARACTER_COUNT; id++) {
            if (id != winner) {
                EXPECT_EQ(*shop_profile_byte(id), 0) << id;
            }
        }
        // The settings file holds the award and the offer before any shutdown.
        u32 awarded = credits;
        EXPECT_GT(awarded, 0u);
        *shop_profile_byte(winner) = 0;
        credits = 0;
        ASSERT_EQ(config_load(settings_path), 1);
        EXPECT_EQ(*shop_profile_byte(winner), c.after) << winner;
        EXPECT_EQ(credits, awarded);
    }
    config_set_defaults();
}

// What follows a character ending, by difficulty and winner: the roll's tune or the faction
// endings' (neither can start without the archive, so the tune named is what tells).
TEST_F(IntroTest, TheWinnerAndTheDifficultyDecideWhatFollowsTheEnding)
{
    struct Case {
        i8 difficulty;
        int winner;
        const char *tune;
    };
    const Case cases[] = {
        {4, CHARACTER_JASON, "musica/jason.ogg"},        {5, CHARACTER_ARES, "musica/jason.ogg"},
        {5, CHARACTER_ATROPOS, "musica/jason.ogg"},      {5, CHARACTER_HIPPOLYTE, "musica/ending.ogg"},
        {2, CHARACTER_HYDRA, "musica/ending.ogg"},       {1, CHARACTER_POLYPHEMUS, "musica/ending.ogg"},
    };
    for (const Case &c : cases) {
        harness_reset();
        difficulty = c.difficulty;
        game_mode = GAME_MODE_ARCADE_P1;
        p1_character = c.winner;
        EXPECT_EQ(ending_winner(), c.winner);
        game_state = STATE_CHARACTER_ENDING;
        story_ticks = 200;
        TickScript start;
        start.button(0, BUTTON_START, 1);
        harness_run(2, start);
        EXPECT_STREQ(music_name, c.tune) << int(c.difficulty) << " " << c.winner;
        EXPECT_EQ(latch_start[1], 1);   // a held Start cannot skip what follows
    }
    game_mode = GAME_MODE_VERSUS;
    EXPECT_EQ(ending_winner(), CHARACTER_JASON);
}

// One held Start ends the faction ending only: the credits roll that follows keeps running.
TEST_F(IntroTest, OneHeldStartSkipsTheFactionEndingButNotTheRoll)
{
    game_state = STATE_FACTION_ENDING;
    story_ticks = 200;
    harness_run(20, TickScript().button(0, BUTTON_START, 1, 19));
    EXPECT_EQ(game_state, STATE_CREDITS);
    harness_run(5);
    EXPECT_EQ(game_state, STATE_CREDITS);
    harness_run(2, TickScript().button(1, BUTTON_START, 1));
    EXPECT_EQ(game_state, STATE_CREDITS_EARNED);   // a fresh press still ends it
}

TEST_F(IntroTest, TheCreditsRollShowsItsPagesInOrderThenTheCreditsEarned)
{
    credits_roll_start();
    EXPECT_EQ(game_state, STATE_CREDITS);
    quit_request = 0;
    u32 last_page = 0;
    int ticks = harness_run_until(20000, [&] {
        EXPECT_GE(story_picture_index, last_page);
        last_page = story_picture_index;
        return game_state != STATE_CREDITS;
    });
    EXPECT_GT(ticks, 13 * 60);   // every page stays long enough to read
    EXPECT_EQ(game_state, STATE_CREDITS_EARNED);
    EXPECT_EQ(story_picture_index, 13u);
    // A fresh Start press skips the rest at once, with both latches set.
    harness_reset();
    credits_roll_start();
    quit_request = 0;
    TickScript start;
    start.button(1, BUTTON_START, 50);
    harness_run(51, start);
    EXPECT_EQ(game_state, STATE_CREDITS_EARNED);
    EXPECT_EQ(state_ticks, 0);
    EXPECT_EQ(latch_start[0], 1);
}

}  // namespace
