// The Hydra, Ares and Atropos on the shared sequencer: the Hydra's head loss and footfalls in the
// bank of its heads left, a Hydra that loses every head in a fight, Ares' two throws and their
// ends, Atropos' blends, airborne hold and re-armed cut, the entries that step on from another
// key than the first, and every move of the three played on their built figures.
#include "characters/characters.h"
#include "support/hit_fixture.h"
#include "support/model_fixtures.h"
#include "support/sequence_fixture.h"
#include "support/test_paths.h"

#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

// One fighter of the three on its own table, started from its idle loop.
class ThreeFighters : public SequenceFixture {
protected:
    void SetUp() override
    {
        SequenceFixture::SetUp();
        use(CHARACTER_HYDRA);
        projectile_in_flight[0] = projectile_in_flight[1] = 0;
    }

    void TearDown() override
    {
        projectile_in_flight[0] = projectile_in_flight[1] = 0;
        SequenceFixture::TearDown();
    }

    void use(int id)
    {
        SequenceFixture::use(id);
        fighter.facing = 1;
    }

    // Starts an action as the control code does, from the idle loop.
    void start(int action)
    {
        settle_idle();
        SequenceFixture::start(action);
    }
};

// With each head lost the fall plays in the bank of the heads it had; at its end the count
// drops, the lagging bar refills and the next call idles in the next bank.
TEST_F(ThreeFighters, HydraHeadLossPlaysInItsBankAndCountsDown)
{
    use(CHARACTER_HYDRA);
    const int banks[] = {0, 63, 127, 191};   // by heads 4, 3, 2, 1
    for (int heads = 4; heads >= 2; heads--) {
        SCOPED_TRACE("heads " + std::to_string(heads));
        const int o = banks[4 - heads];
        fighter.heads_left = heads;
        start(ACTION_HEAD_LOST);
        fighter.life_shown = 0.25f;
        call_until_step();
        EXPECT_EQ(skeleton->key_to, o + 59) << "the entry names the last key";
        std::vector<int> froms;
        while (skeleton->action == ACTION_HEAD_LOST && froms.size() < 20) {
            ASSERT_GT(call_until_step(), 0);
            froms.push_back(skeleton->key_from);
            if (skeleton->action == ACTION_HEAD_LOST) {
                EXPECT_EQ(fighter.heads_left, heads) << "the count drops only at the end";
            }
        }
        ASSERT_EQ(froms.size(), 11u);
        EXPECT_EQ(froms.front(), o + 49);
        EXPECT_EQ(froms.back(), o + 59) << "settled on the last key";
        EXPECT_EQ(skeleton->key_to, o + 59);
        EXPECT_EQ(fighter.heads_left, heads - 1);
        EXPECT_EQ(fighter.life_shown, 1.0f);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(fighter.attack_state, ATTACK_STATE_RECOVERING);
        call_until_step();
        EXPECT_EQ(skeleton->key_to, banks[5 - heads] + 1) << "idle in the next bank";
    }
    // The knock-out lies on the same keys whatever the bank.
    for (int heads : {4, 1}) {
        fighter.heads_left = heads;
        start(ACTION_KO);
        call_until_step();
        EXPECT_EQ(skeleton->key_to, 240) << heads;
    }
}

// Each footfall of a walk thuds twice and shakes the camera, on the keys of the bank in use,
// on every cycle of the walk: the step out of the loop's last key included.
TEST_F(ThreeFighters, HydraFootfallsThudAndShakeOnTheirKeys)
{
    use(CHARACTER_HYDRA);
    struct Case {
        int heads, action;
        std::set<int> footfalls;   // new key_from of the steps that land a foot
    } cases[] = {
        {4, ACTION_WALK_FORWARD, {6, 8}},
        {4, ACTION_WALK_BACK, {9, 11}},
        {2, ACTION_WALK_FORWARD, {127 + 6, 127 + 8}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("heads " + std::to_string(c.heads) + " action " + std::to_string(c.action));
        fighter.heads_left = c.heads;
        start(c.action);
        call_until_step();
        EXPECT_EQ(skeleton->key_ticks, 34.0f) << "the walks blend in slowly";
        std::multiset<int> landed;
        for (int step = 0; step < 8; step++) {
            sfx_request_count = 0;
            camera_shake = 0;
            ASSERT_GT(call_until_step(), 0);
            EXPECT_EQ(skeleton->key_ticks, 36.0f);
            if (sfx_request_count) {
                EXPECT_EQ(sfx_request_count, 2);
                EXPECT_EQ(sfx_last_request.number, SFX_LAND);
                EXPECT_EQ(sfx_last_request.pan, 127);
                EXPECT_EQ(camera_shake, 2);
                landed.insert(skeleton->key_from);
            } else {
                EXPECT_EQ(camera_shake, 0);
            }
        }
        // Eight steps: two cycles of four keys, two footfalls each.
        std::multiset<int> twice;
        for (int key : c.footfalls)
            twice.insert({key, key});
        EXPECT_EQ(landed, twice);
    }
}

// The planted pillar shakes the camera and stands still; its end enters idle in the same call.
// The bolt flies; its end leaves the pair past its keys, and idle comes one call later.
TEST_F(ThreeFighters, AresThrowsAndEndsHisSpecialsAsEachSays)
{
    use(CHARACTER_ARES);
    fighter.side = 1;
    fighter.facing = 0;
    fighter.pos_x = 20.0f;
    fighter.pos_y = 1.5f;
    fighter.anim_rate[16] = 2.0f;
    struct Case {
        int action;
        int launch_from;       // the new key_from of the throwing step
        ProjectileKind kind;
        int texture_set;
        f32 x, z, speed;
        f32 size[3];
        u8 shake;
        bool idle_at_once;
    } cases[] = {
        {ACTION_ARES_SPECIAL1, 151, PROJECTILE_STILL, 3, 12.0f, 14.0f, 0.0f, {9, 14, 16}, 2, true},
        {ACTION_ARES_SPECIAL2, 147, PROJECTILE_STRAIGHT, 0, 15.0f, 11.0f, 1.2f, {6, 6, 7}, 0, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("special " + std::to_string(c.action));
        start(c.action);
        camera_shake = 0;
        fighter.aura = 0;
        bool thrown = false;
        int calls = 0;
        while (skeleton->action == c.action && calls < 2000) {
            fighter.hit_lock = 1;
            call();
            calls++;
            if (skeleton->phase != 0.0f || skeleton->action != c.action || skeleton->key_from == 0)
                continue;   // no step, the end, or the entry
            EXPECT_EQ(skeleton->active_window, 0) << "it strikes through what it throws";
            EXPECT_EQ(fighter.hit_lock, 0) << "every step re-arms";
            if (projectile_in_flight[1] && !thrown) {
                thrown = true;
                EXPECT_EQ(skeleton->key_from, c.launch_from);
                EXPECT_EQ(camera_shake, c.shake);
            }
        }
        ASSERT_TRUE(thrown);
        const Projectile &p = projectiles[1];
        EXPECT_EQ(p.move_id, c.action);
        EXPECT_EQ(p.kind, c.kind);
        EXPECT_EQ(p.direction, 0);
        EXPECT_EQ(p.texture_set, c.texture_set);
        EXPECT_EQ(p.frame, 0);
        EXPECT_EQ(p.flat, 1);
        EXPECT_FLOAT_EQ(p.pos[0], c.x) << "ahead of a fighter facing -x";
        EXPECT_FLOAT_EQ(p.pos[1], 1.5f);
        EXPECT_FLOAT_EQ(p.pos[2], c.z);
        EXPECT_FLOAT_EQ(p.speed, c.speed);
        EXPECT_FLOAT_EQ(p.decay, 0.025f);
        EXPECT_FLOAT_EQ(p.life, 1.0f);
        for (int axis = 0; axis < 3; axis++)
            EXPECT_FLOAT_EQ(p.size[axis], c.size[axis]);
        projectile_in_flight[1] = 0;
        // The call that ended the special.
        EXPECT_EQ(skeleton->action, ACTION_IDLE);
        EXPECT_EQ(fighter.action, ACTION_IDLE);
        EXPECT_EQ(fighter.aura, AURA_FADING);
        EXPECT_EQ(skeleton->attack_live, 0);
        if (c.idle_at_once) {
            EXPECT_EQ(skeleton->posed_action, ACTION_IDLE) << "captured in the same call";
            EXPECT_EQ(skeleton->prev_key_from, 152) << "from the pair past the last key";
            EXPECT_EQ(skeleton->key_to, 1);
            EXPECT_EQ(skeleton->key_ticks, 10.0f);
        } else {
            EXPECT_EQ(skeleton->posed_action, ACTION_ARES_SPECIAL2);
            EXPECT_EQ(skeleton->key_from, 148);
            EXPECT_EQ(skeleton->key_to, 149);
            call();
            EXPECT_EQ(skeleton->posed_action, ACTION_IDLE);
            EXPECT_EQ(skeleton->key_to, 1) << "the idle entry one call later";
        }
    }
    // The planted pillar's last keys are slow.
    start(ACTION_ARES_SPECIAL1);
    while (skeleton->key_from <= 150)
        ASSERT_GT(call_until_step(), 0);
    EXPECT_EQ(skeleton->key_ticks, 40.0f);
    projectile_in_flight[1] = 0;
}

// Entries that step on from another key than the first, and the first-step key times: (key_from,
// key_to, key_ticks) after the entry and after each of the next steps.
TEST_F(ThreeFighters, EntriesBlendAndStepOnAsTheTablesSay)
{
    struct Pair {
        int from, to;
        f32 ticks;
        bool operator==(const Pair &o) const { return from == o.from && to == o.to && ticks == o.ticks; }
    };
    struct Case {
        int character, action;
        std::vector<Pair> pairs;
    } cases[] = {
        // Atropos' standing blocks share keys and key times, not blends.
        {CHARACTER_ATROPOS, ACTION_BLOCK_STAND, {{0, 23, 2}, {23, 24, 15}, {24, 24, 15}}},
        {CHARACTER_ATROPOS, ACTION_BLOCK_STAND_B, {{0, 23, 4}, {23, 24, 15}, {24, 24, 15}}},
        // Ares' crouching block blends to its last key, then steps from its first to it.
        {CHARACTER_ARES, ACTION_BLOCK_CROUCH, {{0, 27, 15}, {26, 27, 15}, {27, 27, 15}}},
        {CHARACTER_ARES, ACTION_BLOCK_CROUCH_B, {{0, 26, 15}, {26, 27, 15}, {27, 27, 15}}},
        // His second victory enters on 131 and steps on from 132.
        {CHARACTER_ARES, ACTION_WIN_2, {{0, 131, 0}, {132, 133, 20}, {133, 134, 20}}},
        // The Hydra's forward kick enters on its last key, then starts at its first.
        {CHARACTER_HYDRA, ACTION_KICK_FORWARD, {{0, 42, 0}, {37, 38, 10}, {38, 39, 10}}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE("character " + std::to_string(c.character) + " action " + std::to_string(c.action));
        use(c.character);
        start(c.action);
        std::vector<Pair> seen;
        for (size_t i = 0; i < c.pairs.size(); i++) {
            ASSERT_GT(call_until_step(), 0);
            seen.push_back({skeleton->key_from, skeleton->key_to, skeleton->key_ticks});
        }
        for (size_t i = 0; i < seen.size(); i++)
            EXPECT_TRUE(seen[i] == c.pairs[i]) << "pair " << i << ": " << seen[i].from << ", " << seen[i].to
                                               << " at " << seen[i].ticks;
    }
}

// Her leap lifts her on its second step and hangs on its last key, fading, until the motion
// code lands her; her cut re-arms once and ends into idle in the same call.
TEST_F(ThreeFighters, AtroposLeapHoldsInTheAirAndHerCutReArmsOnce)
{
    use(CHARACTER_ATROPOS);
    start(ACTION_ATROPOS_SPECIAL1);
    fighter.aura = 0;
    std::vector<int> windows;
    for (int step = 0; step < 3; step++) {
        ASSERT_GT(call_until_step(), 0);
        windows.push_back(skeleton->active_window);
        EXPECT_EQ(fighter.posture, step == 2 ? POSTURE_AIR : POSTURE_STAND) << step;
    }
    EXPECT_EQ(windows, (std::vector<int>{0, 0, 1})) << "entry, first step, then raised";
    fighter.jump_frame = 7;
    for (int n = 0; n < 400; n++)
        call();
    EXPECT_EQ(skeleton->action, ACTION_ATROPOS_SPECIAL1) << "the action is not hers to end";
    EXPECT_EQ(skeleton->key_from, 166);
    EXPECT_EQ(skeleton->key_to, 166);
    EXPECT_EQ(fighter.aura, AURA_FADING);
    EXPECT_EQ(skeleton->attack_live, 0);
    EXPECT_EQ(skeleton->active_window, 0);
    EXPECT_EQ(fighter.jump_frame, 7) << "lifted once, on the second step only";

    fighter.posture = POSTURE_STAND;
    start(ACTION_ATROPOS_SPECIAL2);
    fighter.aura = 0;
    std::vector<int> rearmed;
    while (skeleton->action == ACTION_ATROPOS_SPECIAL2) {
        fighter.hit_lock = 1;
        ASSERT_GT(call_until_step(), 0);
        if (fighter.hit_lock == 0)
            rearmed.push_back(skeleton->key_from);
        if (skeleton->action == ACTION_ATROPOS_SPECIAL2 && skeleton->key_from != 0) {
            EXPECT_GT(skeleton->active_window, 0) << "open on every step";
        }
    }
    EXPECT_EQ(rearmed, (std::vector<int>{151}));
    EXPECT_EQ(fighter.aura, AURA_FADING);
    EXPECT_EQ(fighter.action, ACTION_IDLE);
    EXPECT_EQ(skeleton->posed_action, ACTION_IDLE) << "captured in the call that ended it";
    EXPECT_EQ(skeleton->prev_key_from, 154) << "from the pair past the last key";
    EXPECT_EQ(skeleton->key_to, 1);
    EXPECT_EQ(skeleton->active_window, 0);
}

// The Hydra in a fight: every head spent falls through the real animation step, and the last
// one knocks it out and gives the other side the match.
class HydraFight : public HitFixture {};

TEST_F(HydraFight, LosesItsHeadsOneByOneThenTheMatch)
{
    test_maths_setup();
    hit_start(CHARACTER_JASON, CHARACTER_HYDRA);
    rounds_to_win = 3;
    fighters[0].damage[6] = 0.3f;
    for (int heads = 4; heads >= 1; heads--) {
        SCOPED_TRACE("heads " + std::to_string(heads));
        for (int hit = 0; hit < 10 && fighters[1].head_life[heads - 1] > 0.001f; hit++) {
            attack(0, ACTION_HARD_SWING);
            reach(0, 7, 0);
            resolve_melee_hits();
            fighters[1].hit_stun = 0;
            fighters[1].stun_build = 0;
        }
        skeletons[0]->attack_live = 0;
        resolve_melee_hits();
        if (heads == 1)
            break;
        ASSERT_EQ(fighters[1].action, ACTION_HEAD_LOST);
        for (int n = 0; n < 400 && fighters[1].heads_left == heads; n++)
            hydra_animate(&fighters[1], skeletons[1].get(), nullptr);
        EXPECT_EQ(fighters[1].heads_left, heads - 1);
        EXPECT_EQ(fighters[1].action, ACTION_IDLE);
        EXPECT_EQ(fighters[1].life_shown, 1.0f);
        EXPECT_EQ(fighters[1].attack_state, ATTACK_STATE_RECOVERING) << "settled on the fall";
        // The idle loop's first step stands it up again, open to the next blows.
        for (int n = 0; n < 400 && fighters[1].attack_state != ATTACK_STATE_NORMAL; n++)
            hydra_animate(&fighters[1], skeletons[1].get(), nullptr);
        EXPECT_EQ(skeletons[1]->key_to, (heads == 4 ? 63 : heads == 3 ? 127 : 191) + 2);
        resolve_melee_hits();
        EXPECT_EQ(fighters[1].action, ACTION_IDLE) << "the next head is whole";
    }
    EXPECT_EQ(fighters[1].heads_left, 1) << "the last head ends by the knock-out";
    EXPECT_EQ(fighters[1].action, ACTION_KO);
    EXPECT_EQ(p1_round_wins, 3) << "the match";
    for (int n = 0; n < 200; n++)
        hydra_animate(&fighters[1], skeletons[1].get(), nullptr);
    EXPECT_EQ(skeletons[1]->key_from, 250);
    EXPECT_EQ(skeletons[1]->key_to, 250);
}

// Blows that keep landing on a Hydra while it loses a head neither restart nor stop the loss:
// the spent head falls within the loss's own length (its eleven keys of twelve ticks, from the
// entry on the last key) and the next head comes into play. A loss that restarted at each hit
// left the round unwinnable to an attacker who kept hitting.
TEST_F(HydraFight, AHeadLostUnderBlowsStillFallsWithinTheLoss)
{
    test_maths_setup();
    hit_start(CHARACTER_JASON, CHARACTER_HYDRA);
    fighters[0].damage[6] = 0.6f;
    for (int hit = 0; hit < 10 && fighters[1].head_life[3] > 0.001f; hit++) {
        attack(0, ACTION_HARD_SWING);
        reach(0, 7, 0);
        resolve_melee_hits();
        fighters[1].stun_build = 0;
    }
    skeletons[0]->attack_live = 0;
    resolve_melee_hits();
    ASSERT_EQ(fighters[1].action, ACTION_HEAD_LOST);
    for (f32 &rate : fighters[1].anim_rate)
        rate = 1.0f;
    constexpr int LOSS_TICKS = 12 * 12;   // the entry's key and ten steps of twelve ticks, and a step's slack
    constexpr int HIT_EVERY = 5;
    int ticks = 0, hits = 0;
    for (; ticks < LOSS_TICKS && fighters[1].heads_left == 4; ticks++) {
        // Every tick runs the hit pass, as the fight does: the ticks between blows check for
        // spent heads.
        fighters[1].hit_stun = 0;
        if (ticks % HIT_EVERY == 0) {
            attack(0, ACTION_HARD_SWING);
            reach(0, 7, 0);
        } else {
            skeletons[0]->attack_live = 0;
        }
        resolve_melee_hits();
        hits += struck(1) ? 1 : 0;
        hydra_animate(&fighters[1], skeletons[1].get(), nullptr);
    }
    EXPECT_GT(hits, 10) << "the blows kept landing";
    EXPECT_EQ(fighters[1].heads_left, 3) << "still losing the first head after " << ticks << " ticks";
    EXPECT_GT(fighters[1].head_life[2], 0.99f) << "the next head takes no blow meant for the spent one";
    EXPECT_EQ(fighters[1].action, ACTION_IDLE);
}

// Every move of the three on its built figure, skinned each call: each moves through its keys
// and ends in idle or on a hold within its keys, and the skinned figure stays finite.
class BuiltFigures : public ::testing::Test {
protected:
    static ArchiveHandle archive;

    static void SetUpTestSuite()
    {
        test_maths_setup();
        std::string path = test_data_archive_path();
        archive = archive_open(path.c_str());
    }
    static void TearDownTestSuite() { archive_close(archive); }
};
ArchiveHandle BuiltFigures::archive = nullptr;

TEST_F(BuiltFigures, EveryMoveOfTheThreePlaysSkinnedAndNoneSticks)
{
    ASSERT_NE(archive, nullptr);
    struct Cast {
        int id;
        const char *model, *skeleton;
        std::vector<int> heads;
    } cast[] = {
        {CHARACTER_HYDRA, "hidra/hidra.emd", "hidra/hidra.esq", {4, 3, 2, 1}},
        {CHARACTER_ARES, "ares/ares.emd", "ares/ares.esq", {4}},
        {CHARACTER_ATROPOS, "atropo/atropo.emd", "atropo/atropo.esq", {4}},
    };
    Skeleton *skeleton = skeleton_blocks_new(1);
    for (const Cast &c : cast) {
        Model *model = model_load(archive, c.model);
        ASSERT_NE(model, nullptr) << c.model;
        const CharacterSequence &seq = character_modules[c.id]->sequence;
        std::vector<int> actions;
        for (int i = 0; i < seq.block_count; i++) {
            actions.push_back(seq.blocks[i].action);
            if (seq.blocks[i].twin != SEQ_NO_TWIN)
                actions.push_back(seq.blocks[i].twin);
        }
        for (int heads : c.heads)
            for (int action : actions) {
                SCOPED_TRACE(std::string(c.model) + " heads " + std::to_string(heads) + " action " +
                             std::to_string(action));
                ASSERT_TRUE(skeleton_load(skeleton, archive, c.skeleton));
                Fighter fighter = {};
                fighter.character = static_cast<u8>(c.id);
                fighter.heads_left = heads;
                for (f32 &rate : fighter.anim_rate)
                    rate = 1.0f;
                skeleton->key_from = 1;
                skeleton->key_to = 2;
                skeleton->action = fighter.action = action;
                skeleton->attack_live = 255;
                std::set<std::pair<int, int>> pairs;
                bool finite = true;
                for (int n = 0; n < 300; n++) {
                    character_animate(&fighter, skeleton, nullptr);
                    model_skin(model, skeleton);
                    pairs.insert({skeleton->key_from, skeleton->key_to});
                    for (u32 v = 0; v < model->vertex_count && finite; v++)
                        for (int axis = 0; axis < 3; axis++)
                            finite = finite && std::isfinite(model->pos[v][axis]) &&
                                     std::fabs(model->pos[v][axis]) < 1000.0f;
                }
                EXPECT_TRUE(finite);
                EXPECT_GE(pairs.size(), 2u) << "it moved";
                const SeqBlock *block = sequencer_find_block(&seq, action);
                ASSERT_NE(block, nullptr);
                int bank = (block->flags & SEQ_FIXED_KEYS) ? 0 : sequencer_bank(&seq, &fighter);
                if (skeleton->action != ACTION_IDLE && skeleton->action != ACTION_CROUCH) {
                    EXPECT_GE(skeleton->key_to, block->lo + bank) << "held within its keys";
                    EXPECT_LE(skeleton->key_to, block->hi + bank + 1);
                }
            }
        model_free(model);
    }
    skeleton_blocks_free(skeleton, 1);
}

}  // namespace
