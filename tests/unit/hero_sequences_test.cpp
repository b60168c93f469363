// The key-frame tables of Odysseus, Atalanta, Perseus and Hippolyte through the one sequencer:
// their attack windows step by step, the block-order quirks, the special ends (held, Skeleton
// only, airborne and renewing holds), the hit re-arms and the knock-out camera shake.
#include "characters/characters.h"
#include "support/sequence_fixture.h"

#include <gtest/gtest.h>
#include <string>
#include <utility>
#include <vector>

using HeroSequence = SequenceFixture;
using Trace = std::vector<std::pair<int, int>>;

TEST_F(HeroSequence, AttackWindowsOpenAndShutAtTheirKeys)
{
    struct Case {
        int id, action;
        Trace trace;   // entry, then each step; the last row is the end
    };
    const Case cases[] = {
        // Odysseus's KICK widens its window on each of its last three keys.
        {CHARACTER_ODYSSEUS, ACTION_KICK, {{44, 0}, {45, 0}, {46, 1}, {47, 2}, {48, 3}, {1, 0}}},
        {CHARACTER_ODYSSEUS, ACTION_HARD_SWING_CROUCH, {{60, 0}, {61, 1}, {62, 2}, {63, 0}, {18, 0}}},
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL1, {{142, 0}, {143, 0}, {144, 1}, {145, 2}, {146, 0}, {1, 0}}},
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL2, {{147, 0}, {148, 0}, {149, 0}, {150, 0}, {150, 0}}},
        // Atalanta's forward HARD SWING opens on its last key; her LOW SWINGs idle to key 0.
        {CHARACTER_ATALANTA, ACTION_HARD_SWING_FORWARD, {{42, 0}, {43, 0}, {44, 1}, {1, 0}}},
        {CHARACTER_ATALANTA, ACTION_LOW_SWING, {{49, 0}, {50, 1}, {51, 0}, {52, 0}, {0, 0}}},
        {CHARACTER_ATALANTA, ACTION_LOW_SWING_3, {{150, 0}, {151, 1}, {152, 1}, {153, 0}, {0, 0}}},
        {CHARACTER_ATALANTA, ACTION_KICK_FORWARD, {{53, 0}, {54, 0}, {55, 1}, {56, 2}, {1, 0}}},
        // Perseus's forward KICK stays shut on its second key.
        {CHARACTER_PERSEUS, ACTION_KICK_FORWARD, {{86, 0}, {87, 0}, {88, 1}, {89, 2}, {1, 0}}},
        {CHARACTER_PERSEUS, ACTION_HARD_SWING, {{46, 0}, {47, 1}, {48, 1}, {49, 0}, {1, 0}}},
        {CHARACTER_PERSEUS, ACTION_KICK_SWEEP, {{96, 0}, {97, 1}, {98, 1}, {99, 0}, {18, 0}}},
        // Hippolyte: raised on every step after the first, on every step, shut past a key.
        {CHARACTER_HIPPOLYTE, ACTION_HARD_SWING_CROUCH, {{68, 0}, {69, 0}, {70, 1}, {71, 2}, {71, 0}}},
        {CHARACTER_HIPPOLYTE, ACTION_KICK, {{65, 0}, {66, 1}, {67, 2}, {1, 0}}},
        {CHARACTER_HIPPOLYTE, ACTION_KICK_SWEEP, {{81, 0}, {82, 1}, {83, 1}, {84, 1}, {85, 1}, {86, 0}, {18, 0}}},
        {CHARACTER_HIPPOLYTE, ACTION_HIPPOLYTE_SPECIAL2,
         {{145, 0}, {146, 0}, {147, 0}, {148, 0}, {149, 0}, {150, 0}, {150, 0}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        EXPECT_EQ(play(c.action, 20), c.trace);
    }
}

TEST_F(HeroSequence, EntriesThatNameTheirLastKeyThenPlayTheRangeFromTheFirst)
{
    struct Case {
        int id, action;
        Trace trace;
        int end_action;   // the skeleton's once the keys are played
    };
    const Case cases[] = {
        // Odysseus's first crouching block blends to 27, steps 26 to 27, and holds there;
        // the second blends to 26 and steps to 27.
        {CHARACTER_ODYSSEUS, ACTION_BLOCK_CROUCH, {{27, 0}, {27, 0}, {27, 0}}, ACTION_BLOCK_CROUCH},
        {CHARACTER_ODYSSEUS, ACTION_BLOCK_CROUCH_B, {{26, 0}, {27, 0}, {27, 0}}, ACTION_BLOCK_CROUCH_B},
        // Atalanta's airborne HARD SWING and second air hit enter at their last keys.
        {CHARACTER_ATALANTA, ACTION_HARD_SWING_AIR, {{123, 0}, {122, 1}, {123, 1}, {123, 0}}, ACTION_HARD_SWING_AIR},
        {CHARACTER_ATALANTA, ACTION_HIT_AIR_B, {{30, 0}, {28, 0}, {29, 0}, {30, 0}, {30, 0}}, ACTION_HIT_AIR_B},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        EXPECT_EQ(play(c.action, static_cast<int>(c.trace.size())), c.trace);
        EXPECT_EQ(skeleton->action, c.end_action);
    }
    // The first step of such an entry starts from the range's first key.
    use(CHARACTER_ODYSSEUS);
    start(ACTION_BLOCK_CROUCH);
    call_until_step();
    call_until_step();
    EXPECT_EQ(skeleton->key_from, 26);
    EXPECT_EQ(skeleton->key_to, 27);
}

TEST_F(HeroSequence, KeyTimesFollowTheirOwnFactors)
{
    struct Case {
        int id, action, rate;
        f32 ticks;        // after the first step, with only that factor at 2
    };
    const Case cases[] = {
        {CHARACTER_ODYSSEUS, ACTION_WALK_FORWARD, 0, 28.0f},
        {CHARACTER_ATALANTA, ACTION_LOW_SWING, 2, 8.0f},        // her LOW SWING takes the second's factor
        {CHARACTER_ATALANTA, ACTION_LOW_SWING, 1, 4.0f},
        {CHARACTER_PERSEUS, ACTION_KICK_AIR, 14, 10.0f},        // a constant in the air
        {CHARACTER_HIPPOLYTE, ACTION_LOW_SWING_2, 1, 16.0f},    // her second takes the first's
        {CHARACTER_HIPPOLYTE, ACTION_LOW_SWING_2, 2, 8.0f},
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL1, 15, 8.0f},   // quick opening steps
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL2, 16, 4.0f},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        fighter.anim_rate[c.rate] = 2.0f;
        start(c.action);
        call_until_step();
        call_until_step();
        EXPECT_EQ(skeleton->key_ticks, c.ticks);
    }
    // Odysseus's first special slows from its third step; the thrown one after its first.
    use(CHARACTER_ODYSSEUS);
    start(ACTION_ODYSSEUS_SPECIAL1);
    for (int i = 0; i < 4; i++)
        call_until_step();
    EXPECT_EQ(skeleton->key_ticks, 6.0f);
    start(ACTION_ODYSSEUS_SPECIAL2);
    for (int i = 0; i < 3; i++)
        call_until_step();
    EXPECT_EQ(skeleton->key_ticks, 30.0f);
    // Atalanta's idle: five keys at 20 ticks.
    use(CHARACTER_ATALANTA);
    start(ACTION_IDLE);
    std::vector<int> keys;
    for (int i = 0; i < 7; i++) {
        call_until_step();
        keys.push_back(skeleton->key_to);
    }
    EXPECT_EQ(keys, (std::vector<int>{3, 4, 5, 1, 2, 3, 4}));
    EXPECT_EQ(call_until_step(), 20);
}

TEST_F(HeroSequence, SpecialEndsAsEachTableSays)
{
    struct Case {
        int id, action;
        int cooldown;             // special_cooldown after the end (-1: left alone)
        bool idle_at_once;        // the idle entry in the end's own call
        int fighter_action;       // the Fighter's right after the end
    };
    const Case cases[] = {
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL1, 15, true, ACTION_IDLE},
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL2, 15, false, ACTION_IDLE},
        {CHARACTER_ATALANTA, ACTION_ATALANTA_SPECIAL2, -1, true, ACTION_IDLE},
        {CHARACTER_PERSEUS, ACTION_PERSEUS_SPECIAL1, -1, true, ACTION_PERSEUS_SPECIAL1},
        {CHARACTER_HIPPOLYTE, ACTION_HIPPOLYTE_SPECIAL2, 15, false, ACTION_IDLE},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        fighter.special_cooldown = -1;
        start(c.action);
        while (skeleton->action == c.action)
            ASSERT_GT(call_until_step(), 0);
        EXPECT_EQ(fighter.aura, AURA_FADING);
        EXPECT_EQ(fighter.special_cooldown, c.cooldown);
        EXPECT_EQ(fighter.action, c.fighter_action);
        EXPECT_EQ(skeleton->attack_live, 0);
        if (c.idle_at_once) {
            EXPECT_EQ(skeleton->key_to, 1);
        } else {
            // Held: the last key's pose for one call, then the capture and the idle entry.
            EXPECT_EQ(skeleton->key_from, 150);
            EXPECT_EQ(skeleton->key_to, 150);
            EXPECT_EQ(skeleton->phase, 1.0f);
            call();
            EXPECT_EQ(skeleton->key_to, 1);
        }
        call_until_step();
        EXPECT_EQ(fighter.action, ACTION_IDLE);   // the idle block's first step at the latest
    }
}

TEST_F(HeroSequence, SpecialsReArmTheirHits)
{
    struct Case {
        int id, action;
        std::vector<int> re_armed_after;   // key_to of each step that left hit_lock 0
    };
    const Case cases[] = {
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL2, {148, 149, 150, 150}},
        {CHARACTER_PERSEUS, ACTION_PERSEUS_SPECIAL1, {148}},
        {CHARACTER_HIPPOLYTE, ACTION_HIPPOLYTE_SPECIAL2, {146, 147, 148, 149, 150, 150}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        start(c.action);
        std::vector<int> re_armed;
        while (skeleton->action == c.action) {
            fighter.hit_lock = 255;
            ASSERT_GT(call_until_step(), 0);
            if (fighter.hit_lock == 0)
                re_armed.push_back(skeleton->action == c.action ? skeleton->key_to : 150);
        }
        EXPECT_EQ(re_armed, c.re_armed_after);
    }
}

TEST_F(HeroSequence, AirborneSpecialsHangOnTheirLastKeyUntilTheJumpEnds)
{
    struct Case {
        int id, action;
        int airborne_at;       // key_to at which the posture turns airborne (0: the entry)
        int re_arm_at;         // key_to of the step that re-arms the hit
        int hold_key;
        int cooldown;          // renewed at every step of the hold (-1 none)
    };
    const Case cases[] = {
        {CHARACTER_ATALANTA, ACTION_ATALANTA_SPECIAL1, 135, 135, 136, -1},
        {CHARACTER_PERSEUS, ACTION_PERSEUS_SPECIAL2, 0, 154, 155, -1},
        {CHARACTER_HIPPOLYTE, ACTION_HIPPOLYTE_SPECIAL1, 0, 139, 141, 30},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        fighter.special_cooldown = -1;
        fighter.jump_frame = 9;
        start(c.action);
        int airborne_at = -1, re_armed_at = -1, widest = 0;
        for (int step = 0; step < 12; step++) {
            fighter.hit_lock = 255;
            call_until_step();
            if (airborne_at < 0 && fighter.posture == POSTURE_AIR) {
                airborne_at = step == 0 ? 0 : skeleton->key_to;
                EXPECT_EQ(fighter.jump_frame, 0);
            }
            if (step > 0 && fighter.hit_lock == 0 && re_armed_at < 0)
                re_armed_at = skeleton->key_to;
            widest = std::max<int>(widest, skeleton->active_window);
        }
        EXPECT_EQ(airborne_at, c.airborne_at);
        EXPECT_EQ(re_armed_at, c.re_arm_at);
        EXPECT_GT(widest, 0);
        // Held with the action unchanged, disarmed and fading, as long as the jump lasts.
        EXPECT_EQ(skeleton->action, c.action);
        EXPECT_EQ(fighter.action, c.action);
        EXPECT_EQ(skeleton->key_from, c.hold_key);
        EXPECT_EQ(skeleton->key_to, c.hold_key);
        EXPECT_EQ(skeleton->active_window, 0);
        EXPECT_EQ(skeleton->attack_live, 0);
        EXPECT_EQ(fighter.aura, AURA_FADING);
        EXPECT_EQ(fighter.special_cooldown, c.cooldown);
        fighter.aura = 0;
        fighter.special_cooldown = 0;
        skeleton->attack_live = 255;
        call_until_step();
        EXPECT_EQ(fighter.aura, AURA_FADING);
        EXPECT_EQ(skeleton->attack_live, 0);
        EXPECT_EQ(fighter.special_cooldown, c.cooldown < 0 ? 0 : c.cooldown);
        // A landing replaces it.
        start(ACTION_LANDING);
        call_until_step();
        EXPECT_EQ(skeleton->action, ACTION_LANDING);
    }
    // Perseus's airborne special counts as a heavy attack from its first step.
    use(CHARACTER_PERSEUS);
    start(ACTION_PERSEUS_SPECIAL2);
    call_until_step();
    call_until_step();
    EXPECT_EQ(fighter.attack_state, 1);
}

TEST_F(HeroSequence, CrouchingAttacksEndAsTheirTablesSay)
{
    struct Case {
        int id, action;
        int end_key, end_action;   // the skeleton's right after the end
    };
    const Case cases[] = {
        {CHARACTER_ODYSSEUS, ACTION_KICK_CROUCH, 18, ACTION_IDLE},
        {CHARACTER_ATALANTA, ACTION_KICK_SWEEP, 15, ACTION_IDLE},
        {CHARACTER_PERSEUS, ACTION_HARD_SWING_CROUCH, 18, ACTION_CROUCH},
        {CHARACTER_PERSEUS, ACTION_LOW_SWING_CROUCH, 18, ACTION_CROUCH},
        {CHARACTER_HIPPOLYTE, ACTION_KICK_CROUCH, 18, ACTION_CROUCH},
        {CHARACTER_HIPPOLYTE, ACTION_HARD_SWING_CROUCH, 71, ACTION_CROUCH},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id) + " action " + std::to_string(c.action));
        use(c.id);
        start(c.action);
        while (skeleton->action == c.action)
            ASSERT_GT(call_until_step(), 0);
        EXPECT_EQ(skeleton->key_to, c.end_key);
        EXPECT_EQ(skeleton->action, c.end_action);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(skeleton->attack_live, 0);
        if (c.end_action == ACTION_CROUCH) {
            // Into the crouch block: a 10-tick blend to key 18, then held there.
            call_until_step();
            EXPECT_EQ(skeleton->key_to, 18);
            EXPECT_EQ(skeleton->key_ticks, 10.0f);
            call_until_step();
            call_until_step();
            EXPECT_EQ(skeleton->key_from, 18);
            EXPECT_EQ(skeleton->key_to, 18);
            EXPECT_EQ(skeleton->action, ACTION_CROUCH);
        }
    }
}

TEST_F(HeroSequence, FallsSettleAndTheKnockOutShakesTheCamera)
{
    struct Case {
        int id;
        int shake_key;                  // the KO step that shakes the camera
        int knockdown_first_ticks, knockdown_last_ticks;
        bool edge_hit_idles_fighter;    // the edge hit's end clears the Fighter's action too
    };
    const Case cases[] = {
        {CHARACTER_ODYSSEUS, 123, 12, 10, false},
        {CHARACTER_ATALANTA, 96, 12, 6, true},
        {CHARACTER_PERSEUS, 80, 6, 6, false},
        {CHARACTER_HIPPOLYTE, 120, 12, 10, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.id));
        use(c.id);
        start(ACTION_KO);
        int shaken_at = -1;
        for (int i = 0; i < 12; i++) {
            call_until_step();
            if (camera_shake == 2 && shaken_at < 0)
                shaken_at = skeleton->key_to;
        }
        EXPECT_EQ(shaken_at, c.shake_key);
        EXPECT_EQ(skeleton->action, ACTION_KO);
        EXPECT_EQ(skeleton->key_from, skeleton->key_to);   // held on its last key

        start(ACTION_KNOCKDOWN);
        call_until_step();
        call_until_step();
        EXPECT_EQ(skeleton->key_ticks, static_cast<f32>(c.knockdown_first_ticks));
        std::vector<f32> ticks;
        while (skeleton->action == ACTION_KNOCKDOWN) {
            ticks.push_back(skeleton->key_ticks);
            ASSERT_GT(call_until_step(), 0);
        }
        EXPECT_EQ(ticks.back(), static_cast<f32>(c.knockdown_last_ticks));
        EXPECT_EQ(fighter.action, ACTION_KNOCKDOWN);   // left for the control code
        EXPECT_EQ(fighter.attack_state, 1);

        start(ACTION_EDGE_HIT);
        while (skeleton->action == ACTION_EDGE_HIT)
            ASSERT_GT(call_until_step(), 0);
        EXPECT_EQ(fighter.action, c.edge_hit_idles_fighter ? ACTION_IDLE : ACTION_EDGE_HIT);
        start(ACTION_STUNNED);
        while (skeleton->action == ACTION_STUNNED)
            ASSERT_GT(call_until_step(), 0);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(fighter.attack_state, 1);
    }
}

TEST_F(HeroSequence, JumpsRepeatOrLoopAndHitReactionsDropDuringASummon)
{
    // Hippolyte never holds a jump key: the 20 to 21 step replays every 19 ticks.
    use(CHARACTER_HIPPOLYTE);
    start(ACTION_JUMP);
    for (int i = 0; i < 3; i++)
        call_until_step();
    for (int i = 0; i < 3; i++) {
        // 19 ticks a step; the float phase sum crosses 1 on the call after its 19th add.
        EXPECT_EQ(call_until_step(), 20);
        EXPECT_EQ(skeleton->key_ticks, 19.0f);
        EXPECT_EQ(skeleton->key_from, 20);
        EXPECT_EQ(skeleton->key_to, 21);
    }
    // Atalanta's jump loops through its three keys.
    use(CHARACTER_ATALANTA);
    start(ACTION_JUMP);
    std::vector<int> keys;
    for (int i = 0; i < 6; i++) {
        call_until_step();
        keys.push_back(skeleton->key_to);
    }
    EXPECT_EQ(keys, (std::vector<int>{16, 17, 18, 16, 17, 18}));
    // A held hit reaction blends back to idle while a god's power runs.
    for (int id : {CHARACTER_ODYSSEUS, CHARACTER_ATALANTA, CHARACTER_PERSEUS, CHARACTER_HIPPOLYTE}) {
        SCOPED_TRACE("character " + std::to_string(id));
        use(id);
        summon_phase = 1;
        start(ACTION_HIT_CROUCH);
        for (int i = 0; i < 4 && skeleton->action == ACTION_HIT_CROUCH; i++)
            call_until_step();
        EXPECT_EQ(skeleton->action, ACTION_IDLE);
        summon_phase = 0;
    }
}
