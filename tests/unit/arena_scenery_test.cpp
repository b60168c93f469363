#include "arenas/arenas.h"

#include <cstring>
#include <gtest/gtest.h>

// The scenery steps: how many ticks each key lasts (single-precision sums decide it), the key
// cycle, and the Labyrinth that never moves.

namespace {

// The scenery skeleton as an arena load leaves it.
void scenery_after_load(Skeleton *skeleton, StageId stage)
{
    memset(skeleton, 0, sizeof *skeleton);
    skeleton->key_ticks = arena_table[stage].start_key_ticks;
    skeleton->key_from = 0;
    skeleton->key_to = 1;
}

// Steps until the key pair changes; returns the number of steps taken.
int steps_until_next_key(Skeleton *skeleton, StageId stage)
{
    i16 from = skeleton->key_from;
    for (int steps = 1; steps <= 1000; steps++) {
        scenery_step(skeleton, stage);
        if (skeleton->key_from != from)
            return steps;
    }
    return -1;
}

void (*const step_functions[STAGE_COUNT])(Skeleton *) = {
    athens_step, athens2_step, troy_step, arcadia_step, theatre_step,
    crete_step, nullptr, thebes_step, hades_step, temple_step,
};

} // namespace

TEST(Scenery, KeysLastAsTheSinglePrecisionSumsSay)
{
    struct Case {
        StageId stage;
        int steps_per_key;    // 0.02: 51, 1/30: 30, 0.1: 10, 1/60: 61
        int last_key;
    };
    const Case cases[] = {
        {STAGE_ATHENS, 51, 4}, {STAGE_ATHENS2, 30, 4}, {STAGE_TROY, 10, 8},
        {STAGE_ARCADIA, 61, 4}, {STAGE_THEATRE, 61, 4}, {STAGE_CRETE, 30, 4},
        {STAGE_THEBES, 61, 4}, {STAGE_HADES, 61, 4}, {STAGE_TEMPLE, 61, 4},
    };
    static Skeleton skeleton;
    for (const Case &c : cases) {
        SCOPED_TRACE(c.stage);
        scenery_after_load(&skeleton, c.stage);
        // The first key runs from the rest key 0 into key 1, then the cycle starts.
        ASSERT_EQ(steps_until_next_key(&skeleton, c.stage), c.steps_per_key);
        EXPECT_EQ(skeleton.key_from, 1);
        EXPECT_EQ(skeleton.key_to, 2);
        EXPECT_EQ(skeleton.phase, 0.0f);
        // Two full cycles: every key lasts as long, and the last blends back to the first.
        for (int k = 0; k < 2 * c.last_key; k++) {
            int from = k % c.last_key + 1;
            ASSERT_EQ(skeleton.key_from, from);
            ASSERT_EQ(skeleton.key_to, from == c.last_key ? 1 : from + 1);
            ASSERT_EQ(steps_until_next_key(&skeleton, c.stage), c.steps_per_key) << "key " << from;
        }
        EXPECT_EQ(skeleton.key_from, 1);
        EXPECT_EQ(skeleton.key_to, 2);
    }
}

TEST(Scenery, NamedStepsWriteTheirPaceAndDriveTheirArena)
{
    static Skeleton skeleton;
    // Athens 2 and Crete keep the loader's 30; the others write their own on every step.
    const f32 pace[STAGE_COUNT] = {50, 30, 10, 60, 60, 30, 100, 60, 60, 60};
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        if (!step_functions[stage])
            continue;
        SCOPED_TRACE(stage);
        scenery_after_load(&skeleton, static_cast<StageId>(stage));
        step_functions[stage](&skeleton);
        EXPECT_EQ(skeleton.key_ticks, pace[stage]);
        EXPECT_GT(skeleton.phase, 0.0f);
        EXPECT_EQ(skeleton.key_from, 0);
    }
}

TEST(Scenery, LabyrinthAndUnknownStagesNeverMove)
{
    static Skeleton skeleton;
    scenery_after_load(&skeleton, STAGE_LABYRINTH);
    for (int i = 0; i < 5000; i++) {
        scenery_step(&skeleton, STAGE_LABYRINTH);
        scenery_step(&skeleton, static_cast<StageId>(STAGE_COUNT));
        scenery_step(&skeleton, static_cast<StageId>(-1));
    }
    EXPECT_EQ(skeleton.key_from, 0);
    EXPECT_EQ(skeleton.key_to, 1);
    EXPECT_EQ(skeleton.phase, 0.0f);
    EXPECT_EQ(skeleton.key_ticks, 100.0f);
}
