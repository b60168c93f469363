#include "characters/characters.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "combat/combat.h"
#include "game/game.h"
#include "support/fight_flow_fixture.h"
#include "support/test_paths.h"
#include "support/tick_harness.h"

#include <algorithm>
#include <cstdio>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <vector>

// The music fades over 41 ticks; the loading tick is the 42nd.
constexpr int FADE_TICKS = 41;

class FightLoadTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        fight_fixture_reset();
        log_dir = test_scratch_dir("fight_load");
        snprintf(base_dir, sizeof base_dir, "%s/", log_dir.c_str());
        mkdir((log_dir + "/data").c_str(), 0755);
    }

    // A fight asked for from `state`, as the screens ask for one.
    void request(int state, int mode)
    {
        game_state = state;
        game_mode = mode;
        music_fade = 1.0f;
        fight_load_phase = 1;
    }

    std::string log_text() { return test_read_text(log_dir + "/data/initlog.txt"); }

    std::string log_dir;
};

TEST_F(FightLoadTest, MusicFadesOverFortyOneTicksThenLoadsOnTheNext)
{
    music_volume = 64;
    request(STATE_CHARACTER_SELECT, GAME_MODE_ARCADE_P1);
    std::vector<int> volumes;
    for (int tick = 1; tick <= FADE_TICKS; tick++) {
        harness_run(1);
        volumes.push_back(fight_load_music_volume());
        EXPECT_EQ(fight_load_phase, tick < FADE_TICKS ? 1 : 2) << "tick " << tick;
    }
    EXPECT_EQ(volumes[0], 62);
    EXPECT_EQ(volumes[1], 60);
    EXPECT_EQ(volumes[2], 59);
    EXPECT_EQ(volumes.back(), 0);
    for (size_t i = 1; i < volumes.size(); i++)
        EXPECT_LE(volumes[i], volumes[i - 1]);
    EXPECT_TRUE(fight_load_calls.empty());
    EXPECT_EQ(game_state, STATE_CHARACTER_SELECT);

    logic_ticks_pending = 7;   // owed while the assets load
    harness_run(1);
    EXPECT_EQ(game_state, STATE_ROUND_INTRO);
    EXPECT_EQ(fight_load_calls.size(), 3u);
    EXPECT_EQ(logic_ticks_pending, 0);
    EXPECT_STREQ(music_name, "musica/jason.ogg");
    EXPECT_EQ(round_call_phase, 0);
    EXPECT_EQ(camera_sequence.side[0].done, 0);
    EXPECT_EQ(camera_sequence.side[1].done, 0);
    EXPECT_FLOAT_EQ(fighters[0].pos_x, -40.0f);   // the intro's places
    EXPECT_FLOAT_EQ(fighters[1].pos_x, 40.0f);
    EXPECT_EQ(quit_request, 0);
}

// The order of the loads at each site, the arena each picks and who zeroes the round wins.
TEST_F(FightLoadTest, EachSiteLoadsInItsOwnOrder)
{
    struct Case {
        int state, mode, p1, p2, ladder_stage;
        std::vector<std::string> calls;
        bool wins_zeroed;
    };
    const Case cases[] = {
        {STATE_MATCH_OVER, GAME_MODE_ARCADE_P1, 3, 5, 7, {"C0:3:0", "C1:5:1", "A7"}, true},
        {STATE_CONTINUE, GAME_MODE_ARCADE_P2, 0, 1, 2, {"C0:0:0", "C1:1:1", "A2"}, true},
        // A Hydra on the ladder always fights in Hades.
        {STATE_MATCH_OVER, GAME_MODE_ARCADE_P1, 0, 9, 7, {"C0:0:0", "C1:9:1", "A8"}, true},
        {STATE_CONTINUE, GAME_MODE_ARCADE_P2, 9, 4, 3, {"C0:9:0", "C1:4:1", "A8"}, true},
        // The first fight from the select: the arena first.
        {STATE_CHARACTER_SELECT, GAME_MODE_ARCADE_P1, 3, 2, 4, {"A4", "C0:3:0", "C1:2:1"}, false},
        // A Hydra fights in Hades from the select too: a versus pick of the Hydra skips the
        // stage select, and the ladder's arena is stale in versus.
        {STATE_CHARACTER_SELECT, GAME_MODE_ARCADE_P1, 9, 2, 4, {"A8", "C0:9:0", "C1:2:1"}, false},
        {STATE_CHARACTER_SELECT, GAME_MODE_VERSUS, 6, 9, 1, {"A8", "C0:6:0", "C1:9:1"}, false},
        {STATE_CHARACTER_SELECT, GAME_MODE_VERSUS, 9, 0, 1, {"A8", "C0:9:0", "C1:0:1"}, false},
        // The stage select: the tile's arena (tile 2 is Arcadia), then the sides.
        {STATE_STAGE_SELECT, GAME_MODE_VERSUS, 10, 11, 5, {"A3", "C0:10:0", "C1:11:1"}, false},
    };
    for (const Case &c : cases) {
        fight_fixture_reset(c.p1, c.p2);
        p2_alt_color = 1;
        ladder_index = 3;
        ladder_stages[3] = c.ladder_stage;
        stage_select_cursor = 2;
        p1_round_wins = p2_round_wins = rounds_played = 1;
        request(c.state, c.mode);
        harness_run(FADE_TICKS + 1);
        EXPECT_EQ(fight_load_calls, c.calls) << "state " << c.state;
        EXPECT_EQ(game_state, STATE_ROUND_INTRO);
        EXPECT_EQ(rounds_played == 0 && p1_round_wins == 0 && p2_round_wins == 0, c.wins_zeroed);
        EXPECT_EQ(quit_request, 0);
    }
}

TEST_F(FightLoadTest, StageSelectTilesAndTheVersusTune)
{
    const int stages[] = {0, 5, 3, 2, 4, 1, 6, 7, 9, 8};
    const char *tunes[] = {"musica/jason.ogg",    "musica/atalanta.ogg", "musica/atenas.ogg",
                           "musica/creta.ogg",    "musica/labyrinth.ogg", "musica/esfinge.ogg",
                           "musica/medusa.ogg",   "musica/hades.ogg",     "musica/hades.ogg"};
    for (int tile = 0; tile < 10; tile++) {
        fight_fixture_reset();
        stage_select_cursor = static_cast<u32>(tile);
        request(STATE_STAGE_SELECT, GAME_MODE_VERSUS);
        harness_run(FADE_TICKS + 1);
        ASSERT_FALSE(fight_load_calls.empty());
        EXPECT_EQ(fight_load_calls[0], "A" + std::to_string(stages[tile])) << "tile " << tile;
        ASSERT_GE(ladder_index, 0);
        ASSERT_LE(ladder_index, 8);
        EXPECT_STREQ(music_name, tunes[ladder_index]);
    }
}

// The select's flame row shares the arena flames' pool: a fight in the theatre or the temple
// starts every one of its flames afresh at its torches, none where the row burned.
TEST_F(FightLoadTest, ArenaFlamesStartAtTheirTorchesAfterTheSelect)
{
    const struct {
        int stage;
        f32 height;
    } cases[] = {{STAGE_THEATRE, 16.0f}, {STAGE_TEMPLE, 30.0f}, {STAGE_LABYRINTH, 44.0f}};
    for (const auto &c : cases) {
        SCOPED_TRACE("arena " + std::to_string(c.stage));
        fight_fixture_reset(3, 2);
        fx_flame_row(stage_flame_particles, FX_INIT);
        for (int i = 0; i < 20; i++)
            fx_flame_row(stage_flame_particles, FX_STEP);
        ladder_index = 3;
        ladder_stages[3] = c.stage;
        request(STATE_CHARACTER_SELECT, GAME_MODE_ARCADE_P1);
        harness_run(FADE_TICKS + 1);
        ASSERT_EQ(fight_load_calls.front(), "A" + std::to_string(c.stage));
        for (int i = 0; i < 80; i++) {
            const Particle &p = stage_flame_particles[i];
            ASSERT_GT(p.life, 0.0f) << "flame " << i;
            ASSERT_GE(p.z, c.height - 0.5f) << "flame " << i << " burns at the row's height";
            ASSERT_NE(p.y, 30.0f) << "flame " << i << " burns at the row's depth";
        }
    }
}

// Indexes outside the tables load Athens with a log line rather than read past them.
TEST_F(FightLoadTest, OutOfRangeArenasLoadAthens)
{
    struct Case {
        int state, ladder_index, ladder_stage;
        u32 cursor;
    };
    const Case cases[] = {
        {STATE_CHARACTER_SELECT, -1, 3, 0},
        {STATE_CHARACTER_SELECT, LADDER_FIGHTS, 3, 0},
        {STATE_MATCH_OVER, 2, 12, 0},
        {STATE_STAGE_SELECT, 0, 0, 10},
    };
    for (const Case &c : cases) {
        fight_fixture_reset();
        ladder_index = c.ladder_index;
        if (c.ladder_index >= 0 && c.ladder_index < LADDER_FIGHTS)
            ladder_stages[c.ladder_index] = c.ladder_stage;
        stage_select_cursor = c.cursor;
        request(c.state, GAME_MODE_ARCADE_P1);
        harness_run(FADE_TICKS + 1);
        EXPECT_NE(std::find(fight_load_calls.begin(), fight_load_calls.end(), "A0"),
                  fight_load_calls.end());
        EXPECT_EQ(quit_request, 0);
    }
}

// A failing loader stops the load at once with the error code and log line of its site.
TEST_F(FightLoadTest, FailingLoaderStopsTheProgramWithItsCode)
{
    struct Case {
        int state, p1, p2, failing_character, failing_stage;
        u8 load_error;
        const char *line;
        size_t calls;
    };
    const Case cases[] = {
        {STATE_CHARACTER_SELECT, 1, 2, -1, 0, 255, "atenas failed!\n", 1},
        {STATE_MATCH_OVER, 1, 2, -1, 0, 255, "atenas failed!\n", 3},
        {STATE_STAGE_SELECT, 1, 2, -1, 0, 255, "", 1},
        {STATE_CHARACTER_SELECT, 1, 2, -1, 3, 255, "", 1},
        {STATE_MATCH_OVER, 0, 2, 0, -1, 255, "", 1},                        // Jason
        {STATE_MATCH_OVER, 1, 2, 2, -1, 1, "", 2},
        {STATE_MATCH_OVER, 1, 4, 4, -1, 1, "hipo failed!\n", 2},
        {STATE_CONTINUE, 6, 1, 6, -1, 1, "minotauro failed!\n", 1},
        {STATE_CHARACTER_SELECT, 6, 1, 6, -1, 1, "", 2},
        {STATE_STAGE_SELECT, 1, 6, 6, -1, 1, "2minotauro failed!\n", 3},
        {STATE_STAGE_SELECT, 6, 1, 6, -1, 1, "", 2},
    };
    for (const Case &c : cases) {
        fight_fixture_reset(c.p1, c.p2);
        remove((log_dir + "/data/initlog.txt").c_str());
        fight_load_failing_character = c.failing_character;
        fight_load_failing_stage = c.failing_stage;
        ladder_stages[0] = c.failing_stage >= 0 ? c.failing_stage : 3;
        stage_select_cursor = 0;   // Athens
        request(c.state, GAME_MODE_ARCADE_P1);
        int ran = harness_run(FADE_TICKS + 5);
        EXPECT_EQ(ran, FADE_TICKS + 1) << "the loading tick ends the run";
        EXPECT_EQ(quit_request, 1);
        EXPECT_EQ(load_error, c.load_error) << c.state << " " << c.failing_character;
        EXPECT_EQ(log_text(), c.line);
        EXPECT_EQ(fight_load_calls.size(), c.calls);
        EXPECT_EQ(round_clock, 0) << "the round intro did not run";
    }
}

// Leaving the select, by either road, frees the select figure's five skins; the ladder frees
// the last fight's tables by their own sizes and empties them.
TEST_F(FightLoadTest, TextureTablesAreEmptiedByTheirSizes)
{
    auto fill = [] {
        for (u32 &name : skin_textures)
            name = 100;
        for (u32 &name : divine_textures)
            name = 200;
        for (u32 &name : projectile_textures)
            name = 300;
        for (u32 &name : stage_textures)
            name = 400;
        skin_texture_count = 32;
        divine_texture_count = 16;
        projectile_texture_count = 10;
        stage_texture_count = 26;
    };
    fill();
    request(STATE_MATCH_OVER, GAME_MODE_ARCADE_P1);
    harness_run(FADE_TICKS + 1);
    for (u32 name : skin_textures)
        EXPECT_EQ(name, 0u);
    for (u32 name : divine_textures)
        EXPECT_EQ(name, 0u);
    for (u32 name : projectile_textures)
        EXPECT_EQ(name, 0u);
    for (int i = 0; i < static_cast<int>(STAGE_TEXTURE_SLOTS); i++)
        EXPECT_EQ(stage_textures[i], i < 26 ? 0u : 400u) << i;
    EXPECT_EQ(divine_texture_count + projectile_texture_count + stage_texture_count, 0);
    EXPECT_EQ(skin_texture_count, 32) << "left for the character loaders";

    for (int state : {STATE_CHARACTER_SELECT, STATE_STAGE_SELECT}) {
        fight_fixture_reset();
        fill();
        request(state, GAME_MODE_VERSUS);
        harness_run(FADE_TICKS + 1);
        for (int i = 0; i < static_cast<int>(SKIN_TEXTURE_COUNT); i++)
            EXPECT_EQ(skin_textures[i], i < 5 ? 0u : 100u) << i;
        EXPECT_EQ(divine_textures[0], 200u);
    }
}

// Leaving the select by either road frees its figure before the fight's assets load.
TEST_F(FightLoadTest, LeavingTheSelectFreesItsFigure)
{
    static Skeleton figure_block;   // the start-up loader's block where a test made none
    if (!select_skeleton)
        select_skeleton = &figure_block;
    for (int state : {STATE_CHARACTER_SELECT, STATE_STAGE_SELECT}) {
        fight_fixture_reset();
        select_model = static_cast<Model *>(calloc(1, sizeof(Model)));
        ASSERT_TRUE(skeleton_bones_alloc(select_skeleton, 3));
        request(state, GAME_MODE_VERSUS);
        harness_run(FADE_TICKS + 1);
        EXPECT_EQ(select_model, nullptr) << state;
        EXPECT_EQ(select_skeleton->bones, nullptr) << state;
        EXPECT_EQ(select_skeleton->bone_count, 0) << state;
    }
}

// A fight tune that cannot start stops the program; only the select's copy says so in the log.
TEST_F(FightLoadTest, FailingTuneStopsTheProgram)
{
    for (int state : {STATE_CHARACTER_SELECT, STATE_MATCH_OVER, STATE_STAGE_SELECT}) {
        fight_fixture_reset();
        remove((log_dir + "/data/initlog.txt").c_str());
        request(state, GAME_MODE_ARCADE_P1);
        harness_run(FADE_TICKS);
        ArchiveHandle tunes = asset_archive;
        asset_archive = nullptr;   // no tune can be read
        harness_run(1);
        asset_archive = tunes;
        EXPECT_EQ(quit_request, 1);
        EXPECT_EQ(load_error, 1);
        EXPECT_EQ(log_text(), state == STATE_CHARACTER_SELECT ? "musica failed!\n" : "");
        EXPECT_EQ(fight_load_calls.size(), 3u) << "the tune comes after the loads";
    }
}
