// fight_fixture.h: two fighters standing ready for a fight tick without a window, and the
// input bytes a player's hands would leave; used by the combat tests.
#pragma once

#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/model_fixtures.h"

#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <memory>

// What one side's hands hold during a tick.
struct Hands {
    u8 dir = DIR_NONE;
    bool hard_swing = false;
    bool low_swing = false;
    bool kick = false;
};

class FightFixture : public ::testing::Test {
protected:
    SkeletonBlock skeletons[2] = {skeleton_block_new(), skeleton_block_new()};
    StageLight light = {};   // the arena's light record, as the start-up loader would make it

    void SetUp() override { fight_start(CHARACTER_JASON, CHARACTER_JASON); }
    // The blocks go with the fixture; later tests must not find them.
    void TearDown() override
    {
        fighter_skeletons[0] = fighter_skeletons[1] = nullptr;
        stage_light = nullptr;
    }

    // Two fighters 30 apart on the floor of Athens, both human, as after a round reset.
    void fight_start(int first, int second)
    {
        jump_arcs_fill();
        memset(fighters, 0, sizeof fighters);
        const int characters[2] = {first, second};
        for (int p = 0; p < 2; p++) {
            Fighter *f = &fighters[p];
            skeleton_block_clear(skeletons[p].get());
            skeletons[p]->phase = 1.0f;
            fighter_skeletons[p] = skeletons[p].get();
            f->side = p;
            f->character = static_cast<u8>(characters[p]);
            f->pos_x = p == 0 ? -15.0f : 15.0f;
            f->facing = p == 0 ? 1 : 0;
            f->heading = p == 0 ? HEADING_FACING_RIGHT : HEADING_FACING_LEFT;
            f->life = f->life_shown = 1.0f;
            f->walk_speed = 0.3f;
            f->body_half_width = characters[p] == CHARACTER_HYDRA ? 2 : 8;
            f->body_height = characters[p] == CHARACTER_HYDRA ? 4 : 6;
            f->heads_left = 4;
            input_dir[p] = DIR_NONE;
            input_hard_swing[p] = input_low_swing[p] = input_kick[p] = 0;
            input_hard_swing_ready[p] = input_low_swing_ready[p] = input_kick_ready[p] = FIGHTER_FLAG_ON;
            latch_low_swing[p] = 0;
            projectile_in_flight[p] = 0;
            followup_chain[p] = 0;
            cpu_opponents[p] = CpuOpponent{};
        }
        game_mode = GAME_MODE_VERSUS;
        game_state = STATE_FIGHT;
        stage_id = STAGE_ATHENS;
        light = StageLight{};
        stage_light = &light;
        summon_phase = SUMMON_NONE;
        summon_victim = 0;
        challenger_pending = 0;
        ai_dash_request = 0;
        paused = 0;
        free_camera = 0;
        camera_shake = 0;
        camera_term = 13.0f;
        camera_yaw = 3.1415f;
        sfx_request_count = 0;
        srand(1);
    }

    // The input pass: held bytes follow the hands; a released button re-arms while its
    // fighter has no live attack.
    void hold(int p, const Hands &hands)
    {
        input_dir[p] = hands.dir;
        const bool pressed[3] = {hands.hard_swing, hands.low_swing, hands.kick};
        u8 *held[3] = {&input_hard_swing[p], &input_low_swing[p], &input_kick[p]};
        u8 *ready[3] = {&input_hard_swing_ready[p], &input_low_swing_ready[p], &input_kick_ready[p]};
        for (int b = 0; b < 3; b++) {
            *held[b] = pressed[b] ? FIGHTER_FLAG_ON : 0;
            if (!pressed[b] && skeletons[p]->attack_live == 0)
                *ready[b] = FIGHTER_FLAG_ON;
        }
    }

    // One fight tick of control and motion with side one's hands as given (side two idle).
    void tick(const Hands &hands = Hands(), int ticks = 1)
    {
        for (int t = 0; t < ticks; t++) {
            hold(0, hands);
            hold(1, Hands());
            update_fighters();
        }
    }

    // The direction entries of a motion, each held for three ticks.
    void motion(std::initializer_list<u8> directions)
    {
        for (u8 dir : directions)
            tick(Hands{dir}, 3);
    }

    // What the animation step does at the end of an attack.
    void attack_ends(int p)
    {
        skeletons[p]->attack_live = 0;
        skeletons[p]->active_window = 0;
        skeletons[p]->action = ACTION_IDLE;
        fighters[p].action = ACTION_IDLE;
        fighters[p].attack_state = ATTACK_STATE_NORMAL;
    }
};
