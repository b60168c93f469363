// Every thrower against Jason on the built data set and the real fight tick (a gl test: the
// loaders upload the pictures). The thrower throws again and again while Jason presses away,
// as a player meets it in the first round. No projectile outlives its longest flight, the
// thrower can throw again once it has gone, and Jason's guard lets go after it has passed.
#include "characters/characters.h"
#include "combat/combat.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"
#include "support/tick_harness.h"

#include <gtest/gtest.h>
#include <string>

constexpr int FIGHT_TICKS = 4000;
constexpr int LONGEST_FLIGHT = 101;   // life 1.0 at the smallest decay, 0.01
constexpr i32 ROUND_CLOCK_FULL = 99;

class ProjectileFight : public GlTest {
protected:
    ArchiveHandle saved_archive = nullptr;
    Skeleton summon_blocks[FIGHTER_SLOTS] = {};   // the harness lends the fighters' and blurs' blocks

    void SetUp() override
    {
        GlTest::SetUp();
        harness_reset();
        for (int s = 0; s < FIGHTER_SLOTS; s++)
            summon_skeletons[s] = &summon_blocks[s];
        test_maths_setup();
        picture_library_start();
        saved_archive = asset_archive;
        asset_archive = archive_open(test_data_archive_path().c_str());
        ASSERT_NE(asset_archive, nullptr) << TEST_NO_DATA_SET;
    }

    void TearDown() override
    {
        character_models_free();
        for (Skeleton *&block : summon_skeletons)
            block = nullptr;
        for (Skeleton &block : summon_blocks)
            skeleton_bones_free(&block);
        archive_close(asset_archive);
        asset_archive = saved_archive;
        timer_logic_rate_set(LOGIC_TICK_60HZ);
    }

    void fight_begin(int thrower)
    {
        ASSERT_EQ(load_character(thrower, 0, 0), 0);
        ASSERT_EQ(load_character(CHARACTER_JASON, 1, 0), 0);
        p1_character = thrower;
        p2_character = CHARACTER_JASON;
        game_mode = GAME_MODE_VERSUS;
        stage_id = STAGE_ATHENS;
        reset_round();
        game_state = STATE_FIGHT;
    }
};

// Side p's hands: a direction relative to its facing and the HARD SWING button. A released
// button re-arms while no attack is live, as the input pass does.
enum Relative : u8 { REL_NONE, REL_AWAY, REL_TOWARD, REL_DOWN, REL_DOWN_TOWARD, REL_DOWN_AWAY };

static void hands(int p, Relative rel, bool hard)
{
    const bool right = fighters[p].facing == 1;
    static const u8 facing_right[] = {DIR_NONE, DIR_LEFT, DIR_RIGHT, DIR_DOWN, DIR_DOWN_RIGHT, DIR_DOWN_LEFT};
    static const u8 facing_left[] = {DIR_NONE, DIR_RIGHT, DIR_LEFT, DIR_DOWN, DIR_DOWN_LEFT, DIR_DOWN_RIGHT};
    input_dir[p] = right ? facing_right[rel] : facing_left[rel];
    input_hard_swing[p] = hard ? FIGHTER_FLAG_ON : 0;
    input_low_swing[p] = input_kick[p] = 0;
    if (fighter_skeletons[p]->attack_live == 0) {
        if (!hard)
            input_hard_swing_ready[p] = FIGHTER_FLAG_ON;
        input_low_swing_ready[p] = input_kick_ready[p] = FIGHTER_FLAG_ON;
    }
}

// A thrower's throw: its motion, each entry held three ticks, then HARD SWING.
struct Throw {
    int character;
    i32 move;
    Relative motion[3];   // REL_NONE ends it early
};
static const Throw throws_by_character[] = {
    {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL2, {REL_DOWN, REL_TOWARD, REL_NONE}},
    {CHARACTER_HIPPOLYTE, ACTION_HIPPOLYTE_SPECIAL2, {REL_DOWN, REL_TOWARD, REL_NONE}},
    {CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL2, {REL_TOWARD, REL_DOWN, REL_TOWARD}},
    {CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL1, {REL_DOWN, REL_TOWARD, REL_NONE}},
    {CHARACTER_SPHINX, ACTION_SPHINX_SPECIAL2, {REL_DOWN, REL_AWAY, REL_NONE}},
    {CHARACTER_ARES, ACTION_ARES_SPECIAL2, {REL_DOWN, REL_TOWARD, REL_NONE}},
};

constexpr int THROW_EVERY = 150;      // ticks between the thrower's attempts
constexpr int GUARD_LIMIT = LONGEST_FLIGHT + 60;   // a flight, or a throw's own animation

// The thrower's hands at tick t: the motion, then the button, at the start of each period.
static void thrower_hands(const Throw &th, int t)
{
    const int step = t % THROW_EVERY / 3;
    if (step < 3 && th.motion[step] != REL_NONE) {
        hands(0, th.motion[step], false);
        return;
    }
    const bool pressed = step == 3 || (step < 3 && (step == 0 || th.motion[step - 1] != REL_NONE));
    hands(0, REL_NONE, pressed);
}

TEST_F(ProjectileFight, EveryThrowEndsAndBothFightersKeepMoving)
{
    for (const Throw &th : throws_by_character) {
        SCOPED_TRACE("thrower " + std::to_string(th.character));
        ASSERT_NO_FATAL_FAILURE(fight_begin(th.character));
        // A throw whose animation is not in the character's table yet never ends its move;
        // its flight is still checked.
        const bool animated = sequencer_find_block(&character_modules[th.character]->sequence, th.move) != nullptr;
        int flight = 0, longest = 0, throws = 0, guard = 0, longest_guard = 0;
        for (int t = 0; t < FIGHT_TICKS; t++) {
            round_clock = ROUND_CLOCK_FULL;   // no time-over in the middle
            thrower_hands(th, t);
            hands(1, REL_AWAY, false);
            fight_tick();
            if (fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO) {
                // The next round, as the round decision would start it.
                timer_logic_rate_set(LOGIC_TICK_60HZ);
                reset_round();
            }
            flight = projectile_in_flight[0] ? flight + 1 : 0;
            throws += flight == 1;
            longest = std::max(longest, flight);
            guard = fighters[1].guarding ? guard + 1 : 0;
            longest_guard = std::max(longest_guard, guard);
        }
        EXPECT_LE(longest, LONGEST_FLIGHT);
        if (animated) {
            EXPECT_GE(throws, 2);
            EXPECT_LE(longest_guard, GUARD_LIMIT);
        }
        RecordProperty("throws_" + std::to_string(th.character), throws);
    }
}
