// Every key frame a fighter can show, on the built data set: the real sequencer plays every
// block of the twelve fighters (the Hydra in each bank of heads) and every key it draws must be
// posed, and no step of one action may jump further than a blend carries the figure. Then the
// Hydra's kicks with each number of heads strike with a head it still shows.
#include "characters/characters.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <gtest/gtest.h>
#include <map>
#include <string>
#include <utility>
#include <vector>

namespace {

using Joints = std::vector<std::array<f32, 3>>;

// Where every bone's joint stands at a pair of keys and a phase.
Joints joints_at(Skeleton *skeleton, int from, int to, f32 phase)
{
    Skeleton saved = *skeleton;
    skeleton->key_from = static_cast<i16>(from);
    skeleton->key_to = static_cast<i16>(to);
    skeleton->phase = std::min(phase, 1.0f);
    skeleton_build_matrices(skeleton);
    Joints out(static_cast<size_t>(skeleton->bone_count));
    for (int b = 0; b < skeleton->bone_count; b++)
        skeleton_bone_point(skeleton, b, out[static_cast<size_t>(b)].data());
    skeleton->key_from = saved.key_from;
    skeleton->key_to = saved.key_to;
    skeleton->phase = saved.phase;
    return out;
}

f32 distance(const std::array<f32, 3> &a, const std::array<f32, 3> &b)
{
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

// How far the joint that moves furthest between two poses moves.
f32 most_move(const Joints &a, const Joints &b)
{
    f32 most = 0.0f;
    for (size_t i = 0; i < a.size(); i++)
        most = std::max(most, distance(a[i], b[i]));
    return most;
}

Joints rest_joints(const Skeleton *skeleton)
{
    Joints out(static_cast<size_t>(skeleton->bone_count));
    for (int b = 0; b < skeleton->bone_count; b++)
        for (int axis = 0; axis < 3; axis++)
            out[static_cast<size_t>(b)][static_cast<size_t>(axis)] = skeleton->bones[b].rest[axis];
    return out;
}

f32 figure_height(const Joints &rest)
{
    f32 low = rest[0][2], high = rest[0][2];
    for (const auto &j : rest) {
        low = std::min(low, j[2]);
        high = std::max(high, j[2]);
    }
    return high - low;
}

const char *skeleton_entry(int id)
{
    const CharacterModule *m = character_modules[id];
    for (int i = 0; i < m->load_step_count; i++)
        if (m->load_steps[i].kind == LOAD_SKELETON)
            return m->load_steps[i].entry;
    return nullptr;
}

// One drawn frame: the pair and the phase the skinning reads after a call, and the joints it
// draws (key 0, the captured pose, as it stood at that call).
struct Frame {
    int from, to;
    f32 phase;
    Joints drawn;
};

}  // namespace

class FighterKeys : public ::testing::Test {
protected:
    static ArchiveHandle archive;

    static void SetUpTestSuite()
    {
        test_maths_setup();
        archive = archive_open(test_data_archive_path().c_str());
    }

    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }

    void SetUp() override
    {
        ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET;
        camera_shake = 0;
        summon_phase = 0;
        projectile_in_flight[0] = projectile_in_flight[1] = 0;
    }

    void TearDown() override
    {
        projectile_in_flight[0] = projectile_in_flight[1] = 0;
        if (skeleton)
            skeleton_blocks_free(skeleton, 1);
        skeleton = nullptr;
    }

    void load(int id)
    {
        if (skeleton)
            skeleton_blocks_free(skeleton, 1);
        skeleton = skeleton_blocks_new(1);
        ASSERT_EQ(skeleton_load(skeleton, archive, skeleton_entry(id)), 1) << skeleton_entry(id);
        sequence = &character_modules[id]->sequence;
        character = id;
    }

    // The fighter idling in the bank of its heads, then starting `action` as the control code
    // does; the frames drawn until the skeleton has left the action and the frame after (the
    // next action's start from the captured pose), or `calls` have passed.
    std::vector<Frame> play(int action, int heads, int calls)
    {
        fighter = Fighter{};
        fighter.character = static_cast<u8>(character);
        fighter.heads_left = static_cast<i8>(heads);
        fighter.facing = 1;
        for (f32 &rate : fighter.anim_rate)
            rate = 1.0f;
        const int bank = sequencer_bank(sequence, &fighter);
        skeleton->action = skeleton->posed_action = ACTION_IDLE;
        skeleton->key_from = static_cast<i16>(bank + 1);
        skeleton->key_to = static_cast<i16>(bank + 2);
        skeleton->phase = 0.0f;
        skeleton->key_ticks = 1.0f;
        for (int n = 0; n < 40; n++)
            sequencer_step(sequence, &fighter, skeleton, nullptr);
        fighter.action = skeleton->action = action;
        skeleton->attack_live = 255;
        fighter.hit_lock = 0;
        std::vector<Frame> frames;
        bool left = false;
        for (int n = 0; n < calls && !left; n++) {
            left = skeleton->action != action;
            sequencer_step(sequence, &fighter, skeleton, nullptr);
            frames.push_back({skeleton->key_from, skeleton->key_to, skeleton->phase,
                              joints_at(skeleton, skeleton->key_from, skeleton->key_to, skeleton->phase)});
        }
        return frames;
    }

    Skeleton *skeleton = nullptr;
    const CharacterSequence *sequence = nullptr;
    Fighter fighter{};
    int character = 0;
};
ArchiveHandle FighterKeys::archive = nullptr;

// The landing that stood bolt upright for a frame, the specials that popped to the rest pose as
// they ended: every key a block can show (its range, its entry, end and hold keys, the key past
// its last) and every key the sequencer draws while playing it holds a pose of its own, and no
// tick through a key past the block's own moves the figure further than the block's own steps.
TEST_F(FighterKeys, EveryKeyAFighterShowsIsPosedAndNoStepPops)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE(character_modules[id]->directory);
        load(id);
        ASSERT_FALSE(HasFatalFailure());
        const Joints rest = rest_joints(skeleton);
        const f32 height = figure_height(rest);
        ASSERT_GT(height, 1.0f);
        std::map<int, Joints> posed;
        auto key_joints = [&](int key) -> const Joints & {
            auto found = posed.find(key);
            if (found == posed.end())
                found = posed.emplace(key, joints_at(skeleton, key, key, 0.0f)).first;
            return found->second;
        };
        auto expect_posed = [&](int key) {
            EXPECT_GT(most_move(key_joints(key), rest), 0.005f * height) << "key " << key << " is the rest pose";
        };
        const bool hydra = id == CHARACTER_HYDRA;
        for (int heads : {4, 3, 2, 1}) {
            if (!hydra && heads != 4)
                continue;
            Fighter banked{};
            banked.heads_left = static_cast<i8>(heads);
            const int heads_bank = sequencer_bank(sequence, &banked);
            for (int b = 0; b < sequence->block_count; b++) {
                const SeqBlock &block = sequence->blocks[b];
                const int bank = (block.flags & SEQ_FIXED_KEYS) ? 0 : heads_bank;
                SCOPED_TRACE("action " + std::to_string(block.action) + " heads " + std::to_string(heads));
                for (int k = block.lo; k <= block.hi; k++)
                    expect_posed(k + bank);
                int outer[SEQ_OUTER_KEYS];
                for (int i = sequencer_outer_keys(&block, outer); i-- > 0;)
                    expect_posed(outer[i] + bank);
                std::vector<Frame> frames = play(block.action, heads, 600);
                ASSERT_FALSE(frames.empty());
                for (const Frame &f : frames)
                    for (int key : {f.from, f.phase > 0.0f ? f.to : 0})
                        if (key != 0)
                            expect_posed(key);
                // From one drawn frame to the next: the blends out of and into a captured pose
                // (key 0) are the entries' own; the action's steps between its own keys set how
                // far one tick may carry the figure, and no tick through a key past them goes
                // further.
                auto own = [&](int key) { return key >= block.lo + bank && key <= block.hi + bank; };
                // Quick steps and two-tick blends carry a joint a fifth of the figure in a
                // tick; no tick need stay below that.
                f32 own_tick = 0.2f * height;
                std::vector<std::pair<f32, size_t>> other_ticks;
                for (size_t n = 1; n < frames.size(); n++) {
                    const Frame &was = frames[n - 1], &now = frames[n];
                    if (was.from == 0 || was.to == 0 || now.from == 0)
                        continue;
                    const f32 move = most_move(was.drawn, now.drawn);
                    if (own(was.from) && own(was.to) && own(now.from) && own(now.to))
                        own_tick = std::max(own_tick, move);
                    else
                        other_ticks.push_back({move, n});
                }
                for (const auto &[move, n] : other_ticks)
                    EXPECT_LE(move, own_tick) << "from keys " << frames[n - 1].from << "-" << frames[n - 1].to
                                              << " to " << frames[n].from << "-" << frames[n].to;
            }
        }
    }
}

// A lost head is shrunk away into its neck; the Hydra's kicks must strike with heads it still
// shows, whatever the bank: some shown bone reaches far from where it stood at idle.
TEST_F(FighterKeys, HydraKicksStrikeWithAHeadStillShown)
{
    load(CHARACTER_HYDRA);
    ASSERT_FALSE(HasFatalFailure());
    const f32 height = figure_height(rest_joints(skeleton));
    for (int action : {ACTION_KICK, ACTION_KICK_FORWARD, ACTION_HARD_SWING_FORWARD})
        for (int heads : {4, 3, 2, 1}) {
            SCOPED_TRACE("action " + std::to_string(action) + " heads " + std::to_string(heads));
            fighter.heads_left = static_cast<i8>(heads);
            const int bank = sequencer_bank(sequence, &fighter);
            const SeqBlock *block = sequencer_find_block(sequence, action);
            ASSERT_NE(block, nullptr);
            const Joints idle = joints_at(skeleton, bank + 1, bank + 1, 0.0f);
            f32 reach = 0.0f;
            for (int key = block->lo + bank; key <= block->hi + bank; key++) {
                const Joints struck = joints_at(skeleton, key, key, 0.0f);
                for (int b = 1; b < skeleton->bone_count; b++) {
                    // Shown: no bone up its chain is shrunk at this key.
                    bool shown = true;
                    for (int up = b; up > 0 && shown; up = skeleton->bones[up].parent)
                        shown = skeleton->bones[up].scale_keys[key][0] > 0.5f;
                    if (!shown)
                        continue;
                    f32 moved[3], body[3];
                    for (int axis = 0; axis < 3; axis++) {
                        body[axis] = struck[0][axis] - idle[0][axis];
                        moved[axis] = struck[b][axis] - idle[b][axis] - body[axis];
                    }
                    reach = std::max(reach, std::sqrt(moved[0] * moved[0] + moved[1] * moved[1] + moved[2] * moved[2]));
                }
            }
            EXPECT_GT(reach, 0.15f * height);
        }
}
