// The fault a summon once caused: a super froze the fight until the clock ran out. Here the
// computer fights with each of the built data set's characters and full gauges, through the
// game's own logic tick, against a player who stands still: every summon returns to none, the
// fight goes on, and the round ends by a knock-out.
#include "characters/characters.h"
#include "support/data_set.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"
#include "support/tick_harness.h"

#include <cstring>
#include <gtest/gtest.h>
#include <memory>

namespace {

constexpr int SUMMON_LONGEST_TICKS = 900;    // fade-out, the slowest god, fade-in
constexpr int SUMMON_REST_TICKS = 1000;

u32 no_upload_texture(ArchiveHandle, const char *, int)
{
    return 1;
}

class SummonFight : public ::testing::Test {
protected:
    static ArchiveHandle archive;
    std::unique_ptr<Skeleton[]> god_blocks{new Skeleton[2]()};
    CharacterReaders saved_readers = character_readers;
    ArchiveHandle harness_archive = nullptr;   // the harness's tunes, put back afterwards

    static void SetUpTestSuite()
    {
        test_maths_setup();
        archive = data_set_archive_open();
    }
    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET;
        harness_reset();
        harness_archive = asset_archive;
        asset_archive = archive;
        std::string root = data_set_built() + "/";
        snprintf(base_dir, sizeof base_dir, "%s", root.c_str());
        character_readers.texture = no_upload_texture;
        summon_skeletons[0] = &god_blocks[0];
        summon_skeletons[1] = &god_blocks[1];
    }
    void TearDown() override
    {
        character_models_free();
        character_readers = saved_readers;
        summon_skeletons[0] = summon_skeletons[1] = nullptr;
        skeleton_bones_free(&god_blocks[0]);
        skeleton_bones_free(&god_blocks[1]);
        asset_archive = harness_archive;
        fighter_models[0] = fighter_models[1] = nullptr;
    }

    // Both characters loaded and the round set up as the fight load leaves it.
    void fight(int one, int two, int mode)
    {
        ASSERT_EQ(load_character(one, 0, 0), 0);
        ASSERT_EQ(load_character(two, 1, 0), 0);
        p1_character = one;
        p2_character = two;
        game_mode = mode;
        reset_round();
        game_state = STATE_ROUND_START;
        harness_run(1);
        ASSERT_EQ(game_state, STATE_FIGHT);
    }


    struct Outcome {
        int summons = 0;
        int longest = 0;         // ticks of the longest summon
        bool knocked_out = false;
    };

    // Runs the fight until a knock-out (or the clock); `start` may start a summon before a
    // tick, as a super move would.
    template <typename Start>
    Outcome run(Start start)
    {
        Outcome out;
        int running = 0;
        for (int t = 0; t < 40000 && game_state == STATE_FIGHT && !out.knocked_out; t++) {
            const i32 before = summon_phase;
            start();
            harness_run(1);
            if (before == SUMMON_NONE && summon_phase != SUMMON_NONE)
                out.summons++;
            running = summon_phase != SUMMON_NONE ? running + 1 : 0;
            out.longest = running > out.longest ? running : out.longest;
            out.knocked_out = fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO;
        }
        // The knock-out's summon still fades back in.
        harness_run_until(200, [] { return summon_phase == SUMMON_NONE; });
        return out;
    }
};
ArchiveHandle SummonFight::archive = nullptr;

// The computer's own supers, with its gauge kept full, against Jason the same.
TEST_F(SummonFight, TheComputersSupersEndAndTheRoundEndsByKnockOut)
{
    fight(CHARACTER_JASON, CHARACTER_JASON, GAME_MODE_ARCADE_P1);
    const Outcome out = run([] {
        if (summon_phase == SUMMON_NONE)
            fighters[1].power = 1.0f;
    });
    EXPECT_TRUE(out.knocked_out) << "state " << game_state;
    EXPECT_GT(out.summons, 0);
    EXPECT_LE(out.longest, SUMMON_LONGEST_TICKS);
    EXPECT_EQ(summon_phase, SUMMON_NONE);
}

// Every character's god, summoned again and again from side one and side two in turn against
// the computer's Jason: each summon ends, and the gods that strike knock him out.
TEST_F(SummonFight, EveryGodsSummonEndsAndTheFightGoesOn)
{
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        const int side = c % 2;
        if (side == 0)
            fight(c, CHARACTER_JASON, GAME_MODE_ARCADE_P1);
        else
            fight(CHARACTER_JASON, c, GAME_MODE_ARCADE_P2);
        int rest = 0;
        const Outcome out = run([side, &rest] {
            // As the super move starts it: the gauge full, the sequence handed the fight. A
            // rest between summons lets the cursed computer fight back.
            if (summon_phase != SUMMON_NONE || summon_victim != 0 || fighter_knocked_out() || rest-- > 0)
                return;
            rest = SUMMON_REST_TICKS;
            fighters[side].power = 1.0f;
            summoner = side;
            summon_phase = SUMMON_FADE_OUT;
        });
        // The curses strike no blow; those fights are left to the fighters.
        const bool curse = c == CHARACTER_SPHINX || c == CHARACTER_ARES;
        EXPECT_TRUE(out.knocked_out || curse) << "character " << c << ": state " << game_state;
        EXPECT_GT(out.summons, 0) << c;
        EXPECT_LE(out.longest, SUMMON_LONGEST_TICKS) << c;
        EXPECT_EQ(summon_phase, SUMMON_NONE) << c;
    }
}

}  // namespace
