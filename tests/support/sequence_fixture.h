// sequence_fixture.h: one fighter and its skeletons driven call by call through a key-frame
// table; used by the sequencer's tests and the character tables' tests.
#pragma once

#include "characters/characters.h"
#include "support/model_fixtures.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <utility>
#include <vector>

class SequenceFixture : public ::testing::Test {
protected:
    Skeleton *skeleton = nullptr;
    Skeleton *blur = nullptr;
    Fighter fighter{};
    const CharacterSequence *sequence = &jason_module.sequence;

    void SetUp() override
    {
        test_maths_setup();
        skeleton = skeleton_blocks_new(1);
        blur = skeleton_blocks_new(1);
        use(CHARACTER_JASON);
    }

    void TearDown() override
    {
        skeleton_blocks_free(skeleton, 1);
        skeleton_blocks_free(blur, 1);
    }

    // A fresh fighter of the character on its own table, as the round reset leaves it.
    void use(int id)
    {
        skeleton_block_clear(skeleton);
        fighter = Fighter{};
        fighter.character = static_cast<u8>(id);
        fighter.heads_left = 4;
        for (f32 &rate : fighter.anim_rate)
            rate = 1.0f;
        skeleton->key_from = 1;
        skeleton->key_to = 2;
        sequence = &character_modules[id]->sequence;
        camera_shake = 0;
        summon_phase = 0;
    }

    void call() { sequencer_step(sequence, &fighter, skeleton, blur); }

    // Calls until the skeleton takes a step, enters a block or changes its action, at most
    // `limit` calls; returns the calls made, -1 when nothing happened.
    int call_until_step(int limit = 400)
    {
        int action = skeleton->action;
        for (int n = 1; n <= limit; n++) {
            call();
            if (skeleton->phase == 0.0f || skeleton->action != action)
                return n;
        }
        return -1;
    }

    // Starts an action as the control code does.
    void start(int action)
    {
        fighter.action = action;
        skeleton->action = action;
        skeleton->attack_live = 255;
        fighter.hit_lock = 0;
    }

    // Settles into the idle loop from wherever the skeleton stands.
    void settle_idle()
    {
        fighter.action = ACTION_IDLE;
        skeleton->action = ACTION_IDLE;
        for (int i = 0; i < 3; i++)
            call_until_step();
        ASSERT_EQ(skeleton->action, ACTION_IDLE);
    }

    // (key_to, active_window) after each step of an action, the entry included, for `steps`
    // steps or until the skeleton leaves the action (that step included).
    std::vector<std::pair<int, int>> play(int action, int steps)
    {
        std::vector<std::pair<int, int>> seen;
        start(action);
        for (int i = 0; i < steps; i++) {
            if (call_until_step() < 0)
                break;
            seen.push_back({skeleton->key_to, skeleton->active_window});
            if (skeleton->action != action)
                break;
        }
        return seen;
    }
};
