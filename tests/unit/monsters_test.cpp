// The key-frame tables of Polyphemus, the Minotaur, Medusa and the Sphinx: their specials step
// by step (key times, windows, re-arms, the records they throw, the samples, the cooldown and
// the ends), the Sphinx's leap held in the air, their knock-out shakes, the key times and
// windows that differ from the common pattern, and the crouching attacks' ends.
#include "support/sequence_fixture.h"

#include <cstring>
#include <string>

// What the sequencer showed after each step of one action, the entry first, while the skeleton
// still played it.
struct StepLog {
    std::vector<f32> ticks;
    std::vector<int> windows;
    int rearms = 0;            // calls after which a connected hit was re-armed
    int launch_step = -1;      // the step (index into ticks) that threw
    int samples_at_launch = 0; // samples requested in the call that threw
    int shake_at_launch = 0;
    int calls = 0;
};

class Monsters : public SequenceFixture {
protected:

    // Starts `action` from idle and calls until the skeleton leaves it (at most `limit` calls).
    StepLog run(int action, int limit = 2000)
    {
        StepLog log;
        settle_idle();
        camera_shake = 0;
        projectile_in_flight[fighter.side] = 0;
        start(action);
        while (skeleton->action == action && log.calls < limit) {
            fighter.hit_lock = 255;   // as if the last step connected
            i32 samples = sfx_request_count;
            call();
            log.calls++;
            if (fighter.hit_lock == 0)
                log.rearms++;
            if (projectile_in_flight[fighter.side] && log.launch_step < 0) {
                log.launch_step = static_cast<int>(log.ticks.size());
                log.samples_at_launch = sfx_request_count - samples;
                log.shake_at_launch = camera_shake;
            }
            if (skeleton->phase == 0.0f && skeleton->action == action) {
                log.ticks.push_back(skeleton->key_ticks);
                log.windows.push_back(skeleton->active_window);
            }
        }
        return log;
    }
};

struct SpecialCase {
    const char *name;
    int id;
    int action;
    std::vector<f32> ticks;      // with anim_rate 15 and 16 at 2.0
    std::vector<int> windows;
    int rearms;
    int end_from, end_to;
    f32 end_phase;               // 1.0: held for a call; 0: idle entered in the same call
    int cooldown;
};

TEST_F(Monsters, SpecialsStepAndEndAsTheirTablesSay)
{
    const SpecialCase cases[] = {
        {"stomp", CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL2, {0, 12, 12, 12, 70}, {0, 0, 0, 0, 0}, 5,
         138, 138, 1.0f, 0},
        {"strike", CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL1, {0, 24, 24}, {0, 1, 0}, 0, 0, 1, 0.0f, 0},
        {"gore", CHARACTER_MINOTAUR, ACTION_MINOTAUR_SPECIAL1, {0, 20, 20, 20, 20, 20}, {0, 0, 1, 2, 3, 4}, 2,
         0, 1, 0.0f, 0},
        {"charge", CHARACTER_MINOTAUR, ACTION_MINOTAUR_SPECIAL2, {0, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8, 8},
         {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 0, 1, 0.0f, 0},
        // Medusa's ends keep their last pair, outside the block's keys.
        {"straight gaze", CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL1, {0, 12, 12, 12, 30}, {0, 0, 0, 0, 0}, 5,
         138, 139, 1.0f, 0},
        {"rising gaze", CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL2, {0, 12, 12, 12, 30}, {0, 0, 0, 0, 0}, 5,
         143, 144, 1.0f, 0},
        {"riddle", CHARACTER_SPHINX, ACTION_SPHINX_SPECIAL2, {0, 8, 8, 20}, {0, 0, 0, 0}, 4, 142, 142, 1.0f, 60},
    };
    for (const SpecialCase &c : cases) {
        SCOPED_TRACE(c.name);
        use(c.id);
        fighter.anim_rate[15] = fighter.anim_rate[16] = 2.0f;
        fighter.aura = 2;
        fighter.special_cooldown = 0;
        StepLog log = run(c.action);
        EXPECT_EQ(log.ticks, c.ticks);
        EXPECT_EQ(log.windows, c.windows);
        EXPECT_EQ(log.rearms, c.rearms);
        EXPECT_EQ(skeleton->action, ACTION_IDLE);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(fighter.attack_state, 0);
        EXPECT_EQ(skeleton->attack_live, 0);
        EXPECT_EQ(skeleton->active_window, 0);
        EXPECT_EQ(fighter.aura, 3);
        EXPECT_EQ(fighter.special_cooldown, c.cooldown);
        EXPECT_EQ(skeleton->key_from, c.end_from);
        EXPECT_EQ(skeleton->key_to, c.end_to);
        EXPECT_EQ(skeleton->phase, c.end_phase);
        // Either way the next call blends into idle from the captured pose.
        call();
        EXPECT_EQ(skeleton->posed_action, ACTION_IDLE);
        EXPECT_EQ(skeleton->key_to, 1);
    }
}

struct ThrowCase {
    const char *name;
    int id;
    int action;
    int launch_step;             // index of the step that throws (entry 0)
    ProjectileKind kind;
    u8 flat;
    f32 x, z;                    // thrown by a fighter at x 5 facing -x
    f32 size[3];
    f32 speed;                   // with anim_rate 15 and 16 at 2.0
    f32 decay;
    int samples, sample, pan;
    int shake;
};

TEST_F(Monsters, ThrowsFillTheRecordFieldByFieldOnTheirStep)
{
    const ThrowCase cases[] = {
        {"stomp shock", CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL2, 4, PROJECTILE_STILL, 1, -12.0f, 14.5f,
         {10.0f, 15.0f, 20.0f}, 0.0f, 0.025f, 2, SFX_LAND, 127, 2},
        {"straight gaze", CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL1, 4, PROJECTILE_STRAIGHT, 1, -5.0f, 11.0f,
         {7.5f, 7.5f, 3.75f}, 1.5f, 0.025f, 0, 0, 0, 0},
        {"rising gaze", CHARACTER_MEDUSA, ACTION_MEDUSA_SPECIAL2, 4, PROJECTILE_RISING, 1, 5.0f, 17.0f,
         {7.5f, 7.5f, 3.75f}, 1.5f, 0.025f, 0, 0, 0, 0},
        {"riddle", CHARACTER_SPHINX, ACTION_SPHINX_SPECIAL2, 3, PROJECTILE_STRAIGHT, 0, 0.0f, 9.0f,
         {5.0f, 5.0f, 5.0f}, 0.75f, 0.01f, 1, SFX_SPECIAL, 128, 0},
    };
    for (const ThrowCase &c : cases) {
        SCOPED_TRACE(c.name);
        use(c.id);
        fighter.anim_rate[15] = fighter.anim_rate[16] = 2.0f;
        fighter.side = 1;
        fighter.facing = 0;
        fighter.pos_x = 5.0f;
        fighter.pos_y = 1.0f;
        projectile_in_flight[0] = 0;   // other tests may leave a record flying
        Projectile &thrown = projectiles[1];
        memset(&thrown, 0x55, sizeof thrown);   // every field must be written
        StepLog log = run(c.action);
        EXPECT_EQ(log.launch_step, c.launch_step);
        EXPECT_EQ(projectile_in_flight[1], 1);
        EXPECT_EQ(projectile_in_flight[0], 0);
        EXPECT_EQ(thrown.move_id, c.action);
        EXPECT_EQ(thrown.kind, c.kind);
        EXPECT_EQ(thrown.direction, 0);
        EXPECT_EQ(thrown.lock, 0);
        EXPECT_EQ(thrown.flat, c.flat);
        EXPECT_EQ(thrown.texture_set, 0);
        EXPECT_EQ(thrown.frame, 0);
        EXPECT_EQ(thrown.pos[0], c.x);
        EXPECT_EQ(thrown.pos[1], 1.0f);
        EXPECT_EQ(thrown.pos[2], c.z);
        for (int axis = 0; axis < 3; axis++)
            EXPECT_EQ(thrown.size[axis], c.size[axis]) << "axis " << axis;
        EXPECT_EQ(thrown.speed, c.speed);
        EXPECT_EQ(thrown.decay, c.decay);
        EXPECT_EQ(thrown.life, 1.0f);
        EXPECT_EQ(log.samples_at_launch, c.samples);
        if (c.samples) {
            EXPECT_EQ(sfx_last_request.number, c.sample);
            EXPECT_EQ(sfx_last_request.pan, c.pan);
            EXPECT_EQ(sfx_last_request.frequency, 1000);
        }
        EXPECT_EQ(log.shake_at_launch, c.shake);
        projectile_in_flight[1] = 0;
    }
    // Facing +x the throws land ahead on the other side.
    use(CHARACTER_POLYPHEMUS);
    fighter.side = 0;
    fighter.facing = 1;
    fighter.pos_x = 5.0f;
    run(ACTION_POLYPHEMUS_SPECIAL2);
    EXPECT_EQ(projectiles[0].pos[0], 22.0f);
    EXPECT_EQ(projectiles[0].direction, 1);
    projectile_in_flight[0] = 0;
}

TEST_F(Monsters, TheSphinxsLeapHoldsHerInTheAirUntilTheMotionCodeLandsHer)
{
    use(CHARACTER_SPHINX);
    fighter.posture = POSTURE_STAND;
    fighter.jump_frame = 9;
    StepLog log = run(ACTION_SPHINX_SPECIAL1, 200);
    EXPECT_EQ(skeleton->action, ACTION_SPHINX_SPECIAL1);   // never ends by itself
    EXPECT_EQ(fighter.posture, POSTURE_AIR);
    EXPECT_EQ(fighter.jump_frame, 0);
    EXPECT_EQ(log.windows, (std::vector<int>{0, 1, 1, 1}));   // entry, then 135 to 138
    EXPECT_EQ(skeleton->key_from, 138);
    EXPECT_EQ(skeleton->key_to, 138);
    EXPECT_EQ(skeleton->phase, 1.0f);
    EXPECT_EQ(skeleton->attack_live, 0);
    EXPECT_EQ(skeleton->active_window, 0);
    // Every call steps into the hold again and sets the aura anew.
    for (int n = 0; n < 3; n++) {
        fighter.aura = 0;
        call();
        EXPECT_EQ(fighter.aura, 3);
        EXPECT_EQ(skeleton->key_to, 138);
        EXPECT_EQ(skeleton->phase, 1.0f);
    }
    // The airborne step falls on the step from 136, not at the entry.
    settle_idle();
    fighter.posture = POSTURE_STAND;
    start(ACTION_SPHINX_SPECIAL1);
    call_until_step();   // entry
    call_until_step();   // 135 to 136
    EXPECT_EQ(fighter.posture, POSTURE_STAND);
    call_until_step();   // 136 to 137
    EXPECT_EQ(fighter.posture, POSTURE_AIR);
}

TEST_F(Monsters, KnockOutsShakeTheCameraAtTheirKey)
{
    const std::pair<int, std::pair<int, int>> cases[] = {
        {CHARACTER_POLYPHEMUS, {64, 4}},
        {CHARACTER_MINOTAUR, {117, 2}},
        {CHARACTER_MEDUSA, {60, 2}},
        {CHARACTER_SPHINX, {71, 2}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(character_modules[c.first]->directory);
        use(c.first);
        settle_idle();
        camera_shake = 0;
        start(ACTION_KO);
        int shaken_at = -1;
        for (int n = 0; n < 2000 && shaken_at < 0; n++) {
            call();
            if (camera_shake)
                shaken_at = skeleton->key_to;
        }
        EXPECT_EQ(shaken_at, c.second.first);
        EXPECT_EQ(camera_shake, c.second.second);
    }
}

struct TimingCase {
    const char *name;
    int id;
    int action;
    int rate, other_rate;        // anim_rate [rate] 2.0, anim_rate [other_rate] 3.0 (must not count)
    std::vector<f32> ticks;
    std::vector<int> windows;
};

TEST_F(Monsters, KeyTimesAndWindowsThatDifferFromTheCommonPattern)
{
    const TimingCase cases[] = {
        // A fixed 12 for the step from 89.
        {"cyclops forward swing", CHARACTER_POLYPHEMUS, ACTION_HARD_SWING_FORWARD, 7, 6, {0, 16, 16, 12}, {0, 1, 1, 0}},
        // Opens two wide and stays open up to its idle.
        {"cyclops swing", CHARACTER_POLYPHEMUS, ACTION_HARD_SWING, 6, 7, {0, 20, 20, 20}, {0, 2, 3, 4}},
        {"cyclops crouching swing", CHARACTER_POLYPHEMUS, ACTION_HARD_SWING_CROUCH, 8, 6, {0, 14, 14, 14},
         {0, 0, 1, 0}},
        {"bull knock-down", CHARACTER_MINOTAUR, ACTION_KNOCKDOWN, -1, -1, {0, 10, 10, 10, 10, 10, 8, 8, 8},
         {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"bull edge hit", CHARACTER_MINOTAUR, ACTION_EDGE_HIT, -1, -1, {0, 6, 6, 6, 6, 6, 6, 4, 4, 4},
         {0, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
        {"bull swing", CHARACTER_MINOTAUR, ACTION_HARD_SWING, 6, 7, {0, 28, 28, 28}, {0, 1, 1, 1}},
        // Her sweep goes by the crouching kick's factor.
        {"gorgon sweep", CHARACTER_MEDUSA, ACTION_KICK_SWEEP, 12, 13, {0, 12, 12}, {0, 1, 0}},
        {"gorgon stun", CHARACTER_MEDUSA, ACTION_STUNNED, -1, -1, {0, 10, 10, 10, 10, 10, 10, 8, 8},
         {0, 0, 0, 0, 0, 0, 0, 0, 0}},
        // Her forward swing goes by the plain swing's factor.
        {"sphinx forward swing", CHARACTER_SPHINX, ACTION_HARD_SWING_FORWARD, 6, 7, {0, 20, 20, 20}, {0, 1, 1, 0}},
        // A fixed 10 for the step from 87.
        {"sphinx second low swing", CHARACTER_SPHINX, ACTION_LOW_SWING_2, 2, 1, {0, 8, 10}, {0, 1, 0}},
        {"sphinx kick", CHARACTER_SPHINX, ACTION_KICK, 10, 11, {0, 24, 24}, {0, 1, 2}},
    };
    for (const TimingCase &c : cases) {
        SCOPED_TRACE(c.name);
        use(c.id);
        for (f32 &rate : fighter.anim_rate)
            rate = 1.0f;
        if (c.rate >= 0) {
            fighter.anim_rate[c.rate] = 2.0f;
            fighter.anim_rate[c.other_rate] = 3.0f;
        }
        StepLog log = run(c.action);
        EXPECT_EQ(log.ticks, c.ticks);
        EXPECT_EQ(log.windows, c.windows);
    }
}

TEST_F(Monsters, CrouchingAttacksEndWhereTheirTablesSay)
{
    struct Case {
        const char *name;
        int id;
        int action;
        int key_to, skeleton_action;
    };
    const Case cases[] = {
        {"cyclops crouching swing", CHARACTER_POLYPHEMUS, ACTION_HARD_SWING_CROUCH, 18, ACTION_IDLE},
        {"cyclops sweep", CHARACTER_POLYPHEMUS, ACTION_KICK_SWEEP, 18, ACTION_IDLE},
        {"bull crouching kick", CHARACTER_MINOTAUR, ACTION_KICK_CROUCH, 13, ACTION_CROUCH},
        {"bull crouching swing", CHARACTER_MINOTAUR, ACTION_HARD_SWING_CROUCH, 18, ACTION_CROUCH},
        {"gorgon crouching low swing", CHARACTER_MEDUSA, ACTION_LOW_SWING_CROUCH, 18, ACTION_CROUCH},
        {"sphinx sweep", CHARACTER_SPHINX, ACTION_KICK_SWEEP, 18, ACTION_CROUCH},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        use(c.id);
        fighter.attack_state = 1;
        run(c.action);
        EXPECT_EQ(skeleton->key_to, c.key_to);
        EXPECT_EQ(skeleton->action, c.skeleton_action);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(fighter.attack_state, 0);
        EXPECT_EQ(skeleton->attack_live, 0);
        EXPECT_EQ(skeleton->active_window, 0);
    }
}

TEST_F(Monsters, OwnKeyLayoutsAndEntries)
{
    // The Sphinx's second win blends to its last key, then starts over at its first.
    use(CHARACTER_SPHINX);
    settle_idle();
    start(ACTION_WIN_2);
    call_until_step();
    EXPECT_EQ(skeleton->key_from, 0);
    EXPECT_EQ(skeleton->key_to, 128);
    call_until_step();
    EXPECT_EQ(skeleton->key_from, 124);
    EXPECT_EQ(skeleton->key_to, 125);
    // The Minotaur's profile pose loops 137-138, his jump holds 22, his landing holds 23.
    use(CHARACTER_MINOTAUR);
    const std::pair<int, std::vector<std::pair<int, int>>> cases[] = {
        {ACTION_PROFILE_POSE, {{0, 137}, {137, 138}, {138, 137}, {137, 138}}},
        {ACTION_JUMP, {{0, 20}, {20, 21}, {21, 22}, {22, 22}, {22, 22}}},
        {ACTION_DASH_FORWARD, {{0, 14}, {14, 15}, {15, 16}, {16, 17}, {0, 23}, {23, 23}}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE("action " + std::to_string(c.first));
        settle_idle();
        start(c.first);
        std::vector<std::pair<int, int>> pairs;
        for (size_t i = 0; i < c.second.size(); i++) {
            call_until_step();
            pairs.push_back({skeleton->key_from, skeleton->key_to});
        }
        EXPECT_EQ(pairs, c.second);
    }
    EXPECT_EQ(skeleton->action, ACTION_IDLE);   // the landing's hold hands back to idle
    // Medusa idles on keys of 28 ticks.
    use(CHARACTER_MEDUSA);
    settle_idle();
    call_until_step();
    EXPECT_EQ(skeleton->key_ticks, 28.0f);
}
