// The key-frame sequencer with Jason's table: the hard swing replayed call by call, the attack
// windows of every move, the ends (idle, crouch, settle, special), the dash's landing, the
// jump's repeat, the float phase, the Hydra's key banks and a walk over every table.
#include "characters/characters.h"
#include "support/model_fixtures.h"
#include "support/sequence_fixture.h"

#include <cstdlib>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <set>
#include <utility>
#include <vector>

class Sequencer : public SequenceFixture {};

// One sequencer call's result.
struct TraceRow {
    int call;
    int key_from, key_to;
    f32 key_ticks;
    int window;
    int action;        // the skeleton's
};

TEST_F(Sequencer, HardSwingReplaysTheWorkedTraceCallByCall)
{
    fighter.anim_rate[6] = 1.0f;
    skeleton->key_from = 2;
    skeleton->key_to = 3;
    skeleton->key_ticks = 30.0f;
    skeleton->phase = 0.4f;
    start(ACTION_HARD_SWING);
    // The calls at which something changes; in between the state holds.
    const TraceRow changes[] = {
        {1, 0, 54, 0.0f, 0, ACTION_HARD_SWING},    // capture, entry from 0
        {2, 54, 55, 8.0f, 1, ACTION_HARD_SWING},   // the zero key time steps at once
        {11, 55, 56, 8.0f, 1, ACTION_HARD_SWING},  // 8 ticks later: 1/8 sums to 1.0, not above
        {20, 56, 57, 8.0f, 0, ACTION_HARD_SWING},  // past 56 the window closes
        {29, 57, 1, 8.0f, 0, ACTION_IDLE},         // past 57: idle, key_to 1
        {30, 0, 1, 10.0f, 0, ACTION_IDLE},         // capture, idle entry over 10 ticks
        {40, 1, 2, 30.0f, 0, ACTION_IDLE},         // ten steps of 0.1f sum above 1.0
    };
    size_t next = 0;
    TraceRow expected = {0, 2, 3, 30.0f, 0, ACTION_HARD_SWING};
    for (int n = 1; n <= 45; n++) {
        call();
        if (next < std::size(changes) && changes[next].call == n)
            expected = changes[next++];
        SCOPED_TRACE("call " + std::to_string(n));
        EXPECT_EQ(skeleton->key_from, expected.key_from);
        EXPECT_EQ(skeleton->key_to, expected.key_to);
        EXPECT_EQ(skeleton->key_ticks, expected.key_ticks);
        EXPECT_EQ(skeleton->active_window, expected.window);
        EXPECT_EQ(skeleton->action, expected.action);
    }
    EXPECT_EQ(fighter.action, ACTION_IDLE);
    EXPECT_EQ(fighter.attack_state, 0);
    EXPECT_EQ(skeleton->attack_live, 0);
    EXPECT_EQ(skeleton->posed_action, ACTION_IDLE);
}

TEST_F(Sequencer, KeyTimesFollowTheFloatPhaseSum)
{
    // 1/10 in single precision sums to just above 1.0 after ten ticks, so a key of ten
    // ticks lasts ten calls (eleven with exact arithmetic).
    settle_idle();
    fighter.anim_rate[6] = 1.25f;
    start(ACTION_HARD_SWING);
    ASSERT_EQ(call_until_step(), 1);   // entry
    ASSERT_EQ(call_until_step(), 1);   // first step
    EXPECT_EQ(skeleton->key_ticks, 10.0f);
    EXPECT_EQ(call_until_step(), 10);
    EXPECT_EQ(call_until_step(), 10);
}

TEST_F(Sequencer, EveryAttackOpensAndClosesItsWindowAtItsKeys)
{
    struct Case {
        int action;
        std::vector<std::pair<int, int>> steps;   // (key_to, active_window), entry first
    };
    const Case cases[] = {
        {ACTION_HARD_SWING, {{54, 0}, {55, 1}, {56, 1}, {57, 0}, {1, 0}}},
        {ACTION_HARD_SWING_FORWARD, {{61, 0}, {62, 1}, {63, 2}, {64, 0}, {1, 0}}},
        {ACTION_HARD_SWING_CROUCH, {{73, 0}, {74, 0}, {75, 1}, {76, 2}, {77, 0}, {19, 0}}},
        {ACTION_KICK, {{82, 0}, {83, 1}, {84, 0}, {85, 0}, {1, 0}}},
        {ACTION_KICK_FORWARD, {{78, 0}, {79, 0}, {80, 1}, {81, 0}, {82, 0}, {1, 0}}},
        {ACTION_KICK_CROUCH, {{90, 0}, {91, 1}, {92, 1}, {93, 0}, {19, 0}}},
        {ACTION_KICK_SWEEP, {{86, 0}, {87, 1}, {88, 0}, {89, 0}, {19, 0}}},
        {ACTION_LOW_SWING, {{58, 0}, {59, 1}, {60, 0}, {1, 0}}},
        {ACTION_LOW_SWING_3, {{164, 0}, {165, 1}, {166, 1}, {167, 0}, {1, 0}}},
        {ACTION_LOW_SWING_2, {{65, 0}, {66, 1}, {67, 0}, {68, 0}}},   // KEEP: idles to 68
        {ACTION_LOW_SWING_CROUCH, {{70, 0}, {71, 1}, {72, 0}, {19, 0}}},
        {ACTION_JASON_SPECIAL1, {{118, 0}, {119, 0}, {120, 1}, {121, 2}, {122, 0}, {123, 0}, {1, 0}}},
        {ACTION_JASON_SPECIAL2,
         {{124, 0}, {125, 1}, {126, 2}, {127, 3}, {128, 4}, {129, 5}, {130, 6}, {131, 7}, {132, 0}, {1, 0}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.action));
        settle_idle();
        std::vector<std::pair<int, int>> seen = play(c.action, 20);
        if (c.action >= ACTION_JASON_SPECIAL1 && !seen.empty()) {
            // A special's end restarts the call: the step that ends it also enters idle.
            EXPECT_EQ(seen.back(), std::make_pair(1, 0));
            EXPECT_EQ(skeleton->key_from, 0);
            seen.back() = {1, 0};
        }
        EXPECT_EQ(seen, c.steps);
        EXPECT_EQ(skeleton->action, ACTION_IDLE);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(skeleton->attack_live, 0);
    }
}

TEST_F(Sequencer, AirAttacksHoldTheirLastKeyWithTheWindowShut)
{
    const std::pair<int, std::vector<std::pair<int, int>>> cases[] = {
        {ACTION_HARD_SWING_AIR, {{98, 0}, {99, 1}, {100, 1}, {100, 0}, {100, 0}}},
        {ACTION_KICK_AIR, {{101, 0}, {102, 1}, {103, 1}, {103, 0}, {103, 0}}},
        {ACTION_LOW_SWING_AIR, {{95, 0}, {96, 1}, {97, 0}, {97, 0}, {97, 0}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.first));
        settle_idle();
        fighter.attack_state = 1;
        EXPECT_EQ(play(c.first, 5), c.second);
        EXPECT_EQ(skeleton->key_from, skeleton->key_to);
        EXPECT_EQ(skeleton->action, c.first);
        EXPECT_EQ(fighter.attack_state, 0);
        start(ACTION_IDLE);
    }
}

TEST_F(Sequencer, ADashLandsOneCallAfterItsLastStep)
{
    settle_idle();
    start(ACTION_DASH_FORWARD);
    call_until_step();   // entry, blending 10 ticks into 13
    EXPECT_EQ(skeleton->key_to, 13);
    EXPECT_EQ(skeleton->key_ticks, 10.0f);
    call_until_step();   // 13 to 14
    call_until_step();   // past 14: chained to the landing, whose block comes earlier
    EXPECT_EQ(skeleton->action, ACTION_LANDING);
    EXPECT_EQ(skeleton->key_from, 14);
    EXPECT_EQ(skeleton->key_to, 15);
    call();              // the next call captures and enters the landing
    EXPECT_EQ(skeleton->posed_action, ACTION_LANDING);
    EXPECT_EQ(skeleton->key_from, 0);
    EXPECT_EQ(skeleton->key_to, 18);
    EXPECT_EQ(skeleton->key_ticks, 2.0f);
    EXPECT_EQ(call_until_step(), 3);   // 0.5, 1.0, then above
    EXPECT_EQ(skeleton->key_from, 19);
    EXPECT_EQ(skeleton->key_to, 19);
    EXPECT_EQ(skeleton->action, ACTION_IDLE);
    call();
    EXPECT_EQ(skeleton->key_to, 1);
    EXPECT_EQ(skeleton->key_ticks, 10.0f);
}

TEST_F(Sequencer, TheJumpRepeatsItsLastStepUntilTheActionChanges)
{
    settle_idle();
    start(ACTION_JUMP);
    call_until_step();
    EXPECT_EQ(skeleton->key_to, 20);
    EXPECT_EQ(skeleton->key_ticks, 0.0f);
    call_until_step();
    EXPECT_EQ(skeleton->key_to, 21);
    for (int i = 0; i < 4; i++) {
        EXPECT_EQ(call_until_step(), 20);   // 1/20 in single precision sums above 1 on the 20th add
        EXPECT_EQ(skeleton->key_from, 21);
        EXPECT_EQ(skeleton->key_to, 22);
    }
}

TEST_F(Sequencer, ReactionEndsSettleTheSkeletonAndLeaveTheFighterAsTheTableSays)
{
    struct Case {
        int action;
        int last_key;
        int fighter_action_after;   // the Fighter's action once the skeleton settled
    };
    const Case cases[] = {
        {ACTION_KNOCKDOWN, 53, ACTION_KNOCKDOWN},
        {ACTION_EDGE_HIT, 46, ACTION_EDGE_HIT},
        {ACTION_EDGE_HIT_AIR, 117, ACTION_EDGE_HIT_AIR},
        {ACTION_STUNNED, 142, ACTION_IDLE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.action));
        settle_idle();
        start(c.action);
        std::vector<std::pair<int, int>> seen = play(c.action, 20);
        ASSERT_FALSE(seen.empty());
        EXPECT_EQ(skeleton->action, ACTION_IDLE);
        EXPECT_EQ(skeleton->key_from, c.last_key);
        EXPECT_EQ(skeleton->key_to, c.last_key);
        EXPECT_EQ(fighter.action, c.fighter_action_after);
        EXPECT_EQ(fighter.attack_state, 1);
        // The idle block's first step clears what the end left.
        call_until_step();   // capture and idle entry
        call_until_step();   // first idle step
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(fighter.attack_state, 0);
    }
}

TEST_F(Sequencer, KnockdownAndStunKeysChangeTheirKeyTime)
{
    settle_idle();
    start(ACTION_KNOCKDOWN);
    std::vector<f32> ticks;
    for (int i = 0; i < 8; i++) {
        call_until_step();
        ticks.push_back(skeleton->key_ticks);
    }
    // Entry, then the steps to 48 and 49 at 12, the rest at 10.
    EXPECT_EQ(ticks, (std::vector<f32>{0, 12, 12, 10, 10, 10, 10, 10}));
    settle_idle();
    start(ACTION_STUNNED);
    ticks.clear();
    for (int i = 0; i < 11; i++) {
        call_until_step();
        ticks.push_back(skeleton->key_ticks);
    }
    EXPECT_EQ(ticks, (std::vector<f32>{0, 10, 10, 10, 10, 10, 10, 10, 8, 8, 8}));
}

TEST_F(Sequencer, TheSecondSpecialReArmsItsHitTwice)
{
    settle_idle();
    start(ACTION_JASON_SPECIAL2);
    int rearmed = 0;
    for (int n = 0; n < 400 && skeleton->action == ACTION_JASON_SPECIAL2; n++) {
        fighter.hit_lock = 255;   // it connected
        call();
        if (fighter.hit_lock == 0)
            rearmed++;
    }
    EXPECT_EQ(rearmed, 2);
}

TEST_F(Sequencer, ASpecialEndsIntoIdleInTheSameCallWithTheAuraFading)
{
    settle_idle();
    start(ACTION_JASON_SPECIAL1);
    fighter.aura = 2;
    int calls = 0;
    while (skeleton->action == ACTION_JASON_SPECIAL1 && calls < 400) {
        call();
        calls++;
    }
    EXPECT_EQ(fighter.aura, 3);
    EXPECT_EQ(skeleton->posed_action, ACTION_IDLE);   // captured in that call
    EXPECT_EQ(skeleton->key_from, 0);
    EXPECT_EQ(skeleton->key_to, 1);
    EXPECT_EQ(skeleton->key_ticks, 10.0f);
    EXPECT_EQ(fighter.action, ACTION_IDLE);
}

TEST_F(Sequencer, IdleLoopsItsFourKeysAndBlendsFastInTheAir)
{
    settle_idle();
    std::vector<std::pair<int, int>> pairs;
    for (int i = 0; i < 6; i++) {
        EXPECT_EQ(call_until_step(), 30) << "30 ticks a key";
        pairs.push_back({skeleton->key_from, skeleton->key_to});
    }
    EXPECT_EQ(pairs, (std::vector<std::pair<int, int>>{{1, 2}, {2, 3}, {3, 4}, {4, 1}, {1, 2}, {2, 3}}));
    start(ACTION_GUARD_STAND);
    call_until_step();
    fighter.posture = POSTURE_AIR;
    start(ACTION_IDLE);
    call_until_step();
    EXPECT_EQ(skeleton->key_to, 1);
    EXPECT_EQ(skeleton->key_ticks, 2.0f);
    EXPECT_EQ(skeleton->attack_live, 0);
}

TEST_F(Sequencer, HoldsAndLoopsOfTheOtherBlocks)
{
    struct Case {
        int action;
        std::vector<std::pair<int, int>> pairs;   // (key_from, key_to) after each step
    };
    const Case cases[] = {
        {ACTION_CROUCH, {{0, 19}, {19, 19}, {19, 19}}},
        {ACTION_HIT_STAND_B, {{0, 32}, {32, 33}, {33, 33}, {33, 33}}},
        {ACTION_BLOCK_CROUCH_B, {{0, 30}, {30, 31}, {31, 31}}},
        {ACTION_WALK_BACK, {{0, 9}, {9, 10}, {10, 11}, {11, 12}, {12, 9}, {9, 10}}},
        {ACTION_PROFILE_POSE, {{0, 254}, {254, 255}, {255, 254}, {254, 255}}},
        {ACTION_TIME_OVER, {{0, 163}, {163, 163}, {163, 163}}},
        {ACTION_PETRIFIED, {{0, 1}, {1, 1}, {1, 1}}},
        {ACTION_KO, {{0, 143}, {143, 144}, {144, 145}, {145, 146}, {146, 147}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.action));
        settle_idle();
        start(c.action);
        std::vector<std::pair<int, int>> pairs;
        for (size_t i = 0; i < c.pairs.size(); i++) {
            call_until_step();
            pairs.push_back({skeleton->key_from, skeleton->key_to});
        }
        EXPECT_EQ(pairs, c.pairs);
        EXPECT_EQ(skeleton->action, c.action);
    }
}

TEST_F(Sequencer, EveryActionTheFightGivesJasonHasABlock)
{
    const int actions[] = {
        ACTION_IDLE, ACTION_WALK_FORWARD, ACTION_WALK_BACK, ACTION_DASH_FORWARD, ACTION_DASH_BACK,
        ACTION_JUMP, ACTION_CROUCH, ACTION_HARD_SWING, ACTION_LOW_SWING, ACTION_KICK,
        ACTION_HARD_SWING_CROUCH, ACTION_LOW_SWING_CROUCH, ACTION_KICK_CROUCH, ACTION_HARD_SWING_AIR,
        ACTION_LOW_SWING_AIR, ACTION_KICK_AIR, ACTION_HIT_STAND, ACTION_HIT_CROUCH, ACTION_HIT_AIR,
        ACTION_GUARD_STAND, ACTION_GUARD_CROUCH, ACTION_BLOCK_STAND, ACTION_BLOCK_STAND_B,
        ACTION_BLOCK_CROUCH, ACTION_BLOCK_CROUCH_B, ACTION_LANDING, ACTION_HARD_SWING_FORWARD,
        ACTION_LOW_SWING_2, ACTION_LOW_SWING_3, ACTION_KICK_FORWARD, ACTION_KICK_SWEEP,
        ACTION_HIT_STAND_B, ACTION_HIT_CROUCH_B, ACTION_HIT_AIR_B, ACTION_KNOCKDOWN, ACTION_EDGE_HIT,
        ACTION_EDGE_HIT_AIR, ACTION_WIN_1, ACTION_WIN_2, ACTION_PROFILE_POSE, ACTION_PETRIFIED,
        ACTION_JASON_SPECIAL1, ACTION_JASON_SPECIAL2, ACTION_STUNNED, ACTION_KO, ACTION_TIME_OVER,
    };
    for (int action : actions)
        EXPECT_NE(sequencer_find_block(&jason_module.sequence, action), nullptr) << action;
    // The idle block and 45 more, in his order.
    const int order[] = {0, 1, 2, 5, 53, 6, 3, 4, 20, 23, 24, 21, 25, 26, 16, 162, 17, 172, 7, 77,
                         10, 13, 9, 99, 12, 122, 15, 18, 182, 8, 89, 88, 11, 14, 193, 194, 195,
                         2001, 1001, 1002, 2002, 196, 197, 2003, 198, 199};
    std::vector<int> seen;
    for (int i = 0; i < jason_module.sequence.block_count; i++) {
        const SeqBlock &block = jason_module.sequence.blocks[i];
        seen.push_back(block.action);
        if (block.twin != SEQ_NO_TWIN)
            seen.push_back(block.twin);
    }
    EXPECT_EQ(seen, std::vector<int>(std::begin(order), std::end(order)));
}

TEST_F(Sequencer, TheHydraIdlesInTheBankOfItsHeadsLeft)
{
    const std::pair<int, int> banks[] = {{4, 1}, {3, 64}, {2, 128}, {1, 192}, {0, 1}};
    for (const auto &bank : banks) {
        SCOPED_TRACE("heads left " + std::to_string(bank.first));
        fighter.heads_left = bank.first;
        start(ACTION_IDLE);
        skeleton->posed_action = 99;   // as after another action: capture and enter
        std::set<int> keys;
        for (int i = 0; i < 6; i++) {
            for (int n = 0; n < 200; n++) {
                hydra_animate(&fighter, skeleton, blur);
                if (skeleton->phase == 0.0f)
                    break;
            }
            keys.insert(skeleton->key_to);
        }
        int first = bank.second;
        EXPECT_EQ(keys, (std::set<int>{first, first + 1, first + 2, first + 3}));
    }
}

// One walk over every table of the cast: ranges ordered and inside the key tables, every
// action once, events and launches pointing at something that exists.
TEST(CharacterTables, EveryTableIsConsistent)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE("character " + std::to_string(id));
        const CharacterSequence &seq = character_modules[id]->sequence;
        ASSERT_GT(seq.block_count, 0);
        EXPECT_EQ(seq.blocks[0].action, ACTION_IDLE);
        int top_bank = 0;
        for (int bank : seq.bank_by_heads)
            top_bank = bank > top_bank ? bank : top_bank;
        std::set<int> actions;
        for (int i = 0; i < seq.block_count; i++) {
            const SeqBlock &b = seq.blocks[i];
            SCOPED_TRACE("block of action " + std::to_string(b.action));
            int bank = (b.flags & SEQ_FIXED_KEYS) ? 0 : top_bank;
            EXPECT_TRUE(actions.insert(b.action).second);
            if (b.twin != SEQ_NO_TWIN) {
                EXPECT_TRUE(actions.insert(b.twin).second);
            }
            EXPECT_GE(b.lo, 1);
            EXPECT_LE(b.lo, b.hi);
            EXPECT_LE(b.hi + bank, 255);
            if (b.step_hi) {
                EXPECT_TRUE(b.step_hi >= b.lo && b.step_hi <= b.hi);
            }
            if (b.entry_key) {
                EXPECT_TRUE(b.entry_key >= b.lo && b.entry_key <= b.hi);
            }
            if (b.flags & SEQ_FIRST_PAST_LO) {
                EXPECT_LT(b.lo, b.hi) << "a first step past lo still ends within the keys";
            }
            EXPECT_TRUE(b.end_key >= 0 && b.end_key + bank <= 255);
            EXPECT_TRUE(b.rate >= SEQ_NO_RATE && b.rate < TUNING_RATE_COUNT);
            EXPECT_TRUE(b.ticks >= 0.0f || b.ticks == SEQ_NO_TICKS);
            if (b.window_clear_above) {
                EXPECT_TRUE(b.window_clear_above >= b.lo && b.window_clear_above <= b.hi);
            }
        }
        for (int i = 0; i < seq.event_count; i++) {
            const SeqEvent &e = seq.events[i];
            const SeqBlock *owner = nullptr;
            for (int j = 0; j < seq.block_count; j++)
                if (seq.blocks[j].action == e.action)
                    owner = &seq.blocks[j];
            ASSERT_NE(owner, nullptr) << "event of action " << e.action;
            if (e.test != SEQ_ANY_KEY) {
                EXPECT_TRUE(e.key >= owner->lo - 1 && e.key <= owner->hi + 1) << e.action;
            }
            if (e.code == SEQ_LAUNCH) {
                EXPECT_TRUE(e.a >= 0 && e.a < seq.launch_count);
            }
            if (e.code == SEQ_KEY_TICKS) {
                EXPECT_TRUE(e.b >= SEQ_NO_RATE && e.b < TUNING_RATE_COUNT);
            }
        }
    }
}

TEST(CharacterTables, EveryLoadListReadsOneOfEachAndItsSkins)
{
    const int skins[CHARACTER_COUNT] = {4, 5, 5, 5, 5, 5, 6, 6, 5, 4, 6, 5};
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE("character " + std::to_string(id));
        const CharacterModule *m = character_modules[id];
        ASSERT_GT(m->load_step_count, 0);
        EXPECT_EQ(m->load_steps[0].kind, LOAD_MODEL);
        int count[LOAD_LOG + 1] = {};
        std::set<int> skin_slots, divine_slots, projectile_slots;
        std::string own = std::string(m->directory) + "/";
        for (int i = 0; i < m->load_step_count; i++) {
            const LoadStep &s = m->load_steps[i];
            count[s.kind]++;
            if (s.kind == LOAD_PROJECTILE_COUNT || s.kind == LOAD_LOG)
                continue;
            std::string entry = s.entry;
            bool texture = s.kind >= LOAD_DIVINE_TEXTURE;
            EXPECT_EQ(texture, s.mode >= 0) << entry;
            EXPECT_LT(s.mode, TEXTURE_MODE_COUNT) << entry;
            if (s.kind == LOAD_SKIN) {
                EXPECT_TRUE(skin_slots.insert(s.index).second) << entry;
                EXPECT_LT(s.index, SKIN_SLOT_SIZE);
                bool tga = entry.size() > 4 && entry.substr(entry.size() - 4) == ".tga";
                EXPECT_EQ(s.mode, tga ? TEXTURE_MIPMAP_RGBA : TEXTURE_MIPMAP_RGB) << entry;
            }
            if (s.kind == LOAD_DIVINE_TEXTURE) {
                EXPECT_TRUE(s.index < DIVINE_TEXTURES_PER_SLOT && divine_slots.insert(s.index).second);
            }
            if (s.kind == LOAD_PROJECTILE_TEXTURE) {
                EXPECT_TRUE(s.index < PROJECTILE_TEXTURES_PER_SLOT &&
                            projectile_slots.insert(s.index).second);
            }
            if (s.kind == LOAD_SUMMON_MODEL) {
                EXPECT_TRUE(s.index >= 0 && s.index < SUMMON_MODEL_COUNT);
            }
            bool shared = entry.rfind("divine/", 0) == 0 || entry.rfind("proyectiles/", 0) == 0;
            EXPECT_TRUE(shared || entry.rfind(own, 0) == 0) << entry;
        }
        EXPECT_EQ(count[LOAD_MODEL], 1);
        EXPECT_EQ(count[LOAD_SKELETON], 1);
        EXPECT_EQ(count[LOAD_BLUR_SKELETON], 1);
        EXPECT_EQ(count[LOAD_BLADE_BLUR], 1);
        // The Hydra's and Atropos' summon models have no skeleton.
        bool summon_skeleton = count[LOAD_SUMMON_MODEL] && id != CHARACTER_HYDRA && id != CHARACTER_ATROPOS;
        EXPECT_EQ(count[LOAD_SUMMON_SKELETON], summon_skeleton ? 1 : 0);
        EXPECT_EQ(static_cast<int>(skin_slots.size()), skins[id]);
        EXPECT_EQ(m->projectile_texture_total, projectile_slots.size());
        EXPECT_EQ(count[LOAD_PROJECTILE_COUNT], projectile_slots.empty() ? 0 : 1);
        if (m->sequence.block_count > 1) {
            EXPECT_EQ(m->has_followups != 0,
                      sequencer_find_block(&m->sequence, ACTION_LOW_SWING_3) != nullptr);
        }
    }
}

TEST_F(Sequencer, HitReactionsDropToIdleWhileASummonRuns)
{
    settle_idle();
    summon_phase = 1;
    std::vector<std::pair<int, int>> seen = play(ACTION_HIT_STAND, 5);
    summon_phase = 0;
    EXPECT_EQ(seen, (std::vector<std::pair<int, int>>{{32, 0}, {33, 0}, {33, 0}}));
    EXPECT_EQ(skeleton->action, ACTION_IDLE);
    settle_idle();
    seen = play(ACTION_HIT_STAND, 5);
    EXPECT_EQ(skeleton->action, ACTION_HIT_STAND);   // without a summon it holds
}

// The end kinds and events that other characters' tables use, on a small table of their own:
// a crouch end, a held special end, a skeleton-only special end, an airborne special, a
// banked head loss and the samples.
static const SeqBlock mixed_blocks[] = {
    SEQ_IDLE_BLOCK,
    {ACTION_CROUCH, SEQ_NO_TWIN, 18, 18, 0, -1, -1, END_HOLD, 18, 0, 10, 0, 0, 0, 0, 0},
    {ACTION_KICK_CROUCH, SEQ_NO_TWIN, 93, 95, 0, 6, 12, END_IDLE, 18, ACTION_CROUCH, 0, 0, 1, 0, 94, SEQ_ENTRY_FROM_0},
    {ACTION_ODYSSEUS_SPECIAL2, SEQ_NO_TWIN, 147, 150, 0, 30, 16, END_SPECIAL_HELD, 150, ACTION_IDLE, 0, 0, 0, 0, 0,
     SEQ_ENTRY_FROM_0},
    {ACTION_PERSEUS_SPECIAL1, SEQ_NO_TWIN, 144, 150, 0, 6, 15, END_SPECIAL_SKELETON, 150, ACTION_IDLE, 0, 0, 1, 0, 0, 0},
    {ACTION_PERSEUS_SPECIAL2, SEQ_NO_TWIN, 151, 155, 0, 6, 16, END_AIRBORNE_HOLD, 155, 0, 0, 0, 1, 0, 154, 0},
    {ACTION_HEAD_LOST, SEQ_NO_TWIN, 49, 59, 0, 12, -1, END_SETTLE | END_FIGHTER_ACTION_0, 59, ACTION_IDLE, 0, 59, 0, 0, 0, 0},
    {ACTION_KO, SEQ_NO_TWIN, 240, 250, 0, 10, -1, END_HOLD, 250, 0, 0, 0, 0, 0, 0, SEQ_FIXED_KEYS},
};
static const SeqEvent mixed_events[] = {
    {ACTION_ODYSSEUS_SPECIAL2, SEQ_ON_STEP, SEQ_TO_AT_MOST, 148, SEQ_KEY_TICKS, 2, 16},
    {ACTION_ODYSSEUS_SPECIAL2, SEQ_ON_END, SEQ_ANY_KEY, 0, SEQ_COOLDOWN, 15, 0},
    {ACTION_PERSEUS_SPECIAL2, SEQ_ON_ENTRY, SEQ_ANY_KEY, 0, SEQ_AIRBORNE, 0, 0},
    {ACTION_PERSEUS_SPECIAL2, SEQ_ON_ENTRY, SEQ_ANY_KEY, 0, SEQ_HIT_LOCK_CLEAR, 0, 0},
    {ACTION_PERSEUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS, 151, SEQ_ATTACK_STATE, 1, 0},
    {ACTION_PERSEUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS, 153, SEQ_SAMPLE, SFX_LAND, 127},
    {ACTION_PERSEUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS, 153, SEQ_SAMPLE, SFX_LAND, 127},
    {ACTION_PERSEUS_SPECIAL2, SEQ_ON_STEP, SEQ_FROM_IS, 152, SEQ_LAUNCH, 0, 0},
    {ACTION_HEAD_LOST, SEQ_ON_END, SEQ_ANY_KEY, 0, SEQ_HEAD_LOST, 0, 0},
};
static const SeqLaunch mixed_launches[] = {
    // move                 kind                 flat set ahead height size               speed rate decay
    {ACTION_MEDUSA_SPECIAL1, PROJECTILE_STRAIGHT, 1, 0, 10.0f, 11.0f, {7.5f, 7.5f, 3.75f}, 0.75f, 15, 0.025f},
};
static const CharacterSequence mixed_sequence = {
    mixed_blocks,        static_cast<int>(std::size(mixed_blocks)),
    mixed_events,        static_cast<int>(std::size(mixed_events)),
    mixed_launches,      static_cast<int>(std::size(mixed_launches)),
    {0, 191, 127, 63, 0}};

TEST_F(Sequencer, OtherEndKindsAndEventsRunFromTheirTables)
{
    sequence = &mixed_sequence;
    // Crouch end: the skeleton goes to the crouch, the Fighter to idle.
    start(ACTION_KICK_CROUCH);
    for (int i = 0; i < 4; i++)
        call_until_step();
    EXPECT_EQ(skeleton->action, ACTION_CROUCH);
    EXPECT_EQ(skeleton->key_to, 18);
    EXPECT_EQ(fighter.action, ACTION_IDLE);
    call_until_step();
    EXPECT_EQ(skeleton->key_to, 18);
    EXPECT_EQ(skeleton->key_ticks, 10.0f);

    // Held special end: the pose stays on its last key with phase 1.0 for one call.
    start(ACTION_ODYSSEUS_SPECIAL2);
    fighter.anim_rate[16] = 1.0f;
    call_until_step();
    call_until_step();
    EXPECT_EQ(skeleton->key_ticks, 2.0f);   // the first step is short
    call_until_step();
    EXPECT_EQ(skeleton->key_ticks, 30.0f);
    while (skeleton->action == ACTION_ODYSSEUS_SPECIAL2)
        call_until_step();
    EXPECT_EQ(skeleton->key_from, 150);
    EXPECT_EQ(skeleton->key_to, 150);
    EXPECT_EQ(skeleton->phase, 1.0f);
    EXPECT_EQ(fighter.special_cooldown, 15);
    EXPECT_EQ(fighter.aura, 3);
    call();
    EXPECT_EQ(skeleton->key_to, 1);   // captured and entered idle one call later

    // Skeleton-only special end: the Fighter keeps its action until the idle block steps.
    start(ACTION_PERSEUS_SPECIAL1);
    while (skeleton->action == ACTION_PERSEUS_SPECIAL1)
        call_until_step();
    EXPECT_EQ(fighter.action, ACTION_PERSEUS_SPECIAL1);
    EXPECT_EQ(skeleton->key_to, 1);   // the restart entered idle in the same call
    call_until_step();
    EXPECT_EQ(fighter.action, ACTION_IDLE);

    // Airborne special: airborne from its entry, a throw at key 152, two samples at key 153,
    // then held in the air.
    fighter.side = 1;
    fighter.facing = 0;
    fighter.pos_x = 5.0f;
    fighter.pos_y = 1.0f;
    fighter.anim_rate[15] = 2.0f;
    projectile_in_flight[1] = 0;
    start(ACTION_PERSEUS_SPECIAL2);
    fighter.hit_lock = 255;
    i32 samples = sfx_request_count;
    call_until_step();
    EXPECT_EQ(fighter.posture, POSTURE_AIR);
    EXPECT_EQ(fighter.hit_lock, 0);
    call_until_step();
    EXPECT_EQ(fighter.attack_state, 1);
    for (int i = 0; i < 6; i++)
        call_until_step();
    EXPECT_EQ(sfx_request_count - samples, 2);
    const Projectile &thrown = projectiles[1];
    EXPECT_EQ(projectile_in_flight[1], 1);
    EXPECT_EQ(thrown.move_id, ACTION_MEDUSA_SPECIAL1);
    EXPECT_EQ(thrown.kind, PROJECTILE_STRAIGHT);
    EXPECT_EQ(thrown.direction, 0);
    EXPECT_EQ(thrown.pos[0], -5.0f);   // ahead of a fighter facing -x
    EXPECT_EQ(thrown.pos[1], 1.0f);
    EXPECT_EQ(thrown.pos[2], 11.0f);
    EXPECT_EQ(thrown.speed, 1.5f);
    EXPECT_EQ(thrown.life, 1.0f);
    EXPECT_EQ(thrown.flat, 1);
    projectile_in_flight[1] = 0;
    EXPECT_EQ(sfx_last_request.number, SFX_LAND);
    EXPECT_EQ(sfx_last_request.pan, 127);
    EXPECT_EQ(skeleton->action, ACTION_PERSEUS_SPECIAL2);
    EXPECT_EQ(skeleton->key_from, 155);
    EXPECT_EQ(skeleton->key_to, 155);
    EXPECT_EQ(skeleton->attack_live, 0);
    fighter.posture = 0;

    // Head loss in the bank of two heads: keys 127 + 49 .. 59, then one head fewer.
    fighter.heads_left = 2;
    start(ACTION_HEAD_LOST);
    call_until_step();
    EXPECT_EQ(skeleton->key_to, 127 + 59);   // the entry names the last key
    call_until_step();
    EXPECT_EQ(skeleton->key_from, 127 + 49);  // the first step starts the range
    while (skeleton->action == ACTION_HEAD_LOST)
        call_until_step();
    EXPECT_EQ(fighter.heads_left, 1);
    EXPECT_EQ(fighter.life_shown, 1.0f);
    EXPECT_EQ(skeleton->key_to, 127 + 59);

    // Fixed keys are the same in every bank.
    start(ACTION_KO);
    call_until_step();
    EXPECT_EQ(skeleton->key_to, 240);
}

TEST_F(Sequencer, TheFightersOwnCharacterChoosesTheSteps)
{
    // The Hydra's idle is banked: three heads left put it on keys 64 and up.
    fighter.character = CHARACTER_HYDRA;
    fighter.heads_left = 3;
    for (int n = 0; n < 5; n++)
        character_animate(&fighter, skeleton, blur);
    EXPECT_GE(skeleton->key_to, 64);
    // An id outside the cast steps nothing.
    const f32 phase = skeleton->phase;
    const int key_to = skeleton->key_to;
    fighter.character = 200;
    character_animate(&fighter, skeleton, blur);
    EXPECT_EQ(skeleton->phase, phase);
    EXPECT_EQ(skeleton->key_to, key_to);
}
