// The keys of every move of the characters whose key-frame tables hold only their idle block
// so far, in their block order, so that their figures are posed where their moves will play.
// A character's own table takes over move by move as it is filled in.
#include "tools/databuild/character_figures.h"

#include <iterator>

static const KeyRange polyphemus_ranges[] = {
    {ACTION_WALK_FORWARD, 5, 8}, {ACTION_WALK_BACK, 9, 12}, {ACTION_JUMP, 19, 21},
    {ACTION_LANDING, 17, 18}, {ACTION_CROUCH, 18, 18}, {ACTION_DASH_FORWARD, 13, 14},
    {ACTION_DASH_BACK, 15, 16}, {ACTION_GUARD_STAND, 23, 23}, {ACTION_BLOCK_STAND, 23, 24},
    {ACTION_GUARD_CROUCH, 25, 25}, {ACTION_BLOCK_CROUCH, 26, 27}, {ACTION_HIT_STAND, 28, 29},
    {ACTION_HIT_CROUCH, 30, 31}, {ACTION_HARD_SWING, 83, 86}, {ACTION_HARD_SWING_FORWARD, 87, 90},
    {ACTION_HARD_SWING_CROUCH, 104, 107}, {ACTION_HARD_SWING_AIR, 111, 113}, {ACTION_KICK, 91, 93},
    {ACTION_KICK_FORWARD, 94, 97}, {ACTION_KICK_CROUCH, 98, 100}, {ACTION_KICK_SWEEP, 108, 110},
    {ACTION_KICK_AIR, 117, 119}, {ACTION_HIT_AIR, 32, 35}, {ACTION_LOW_SWING, 80, 82},
    {ACTION_LOW_SWING_2, 77, 79}, {ACTION_LOW_SWING_CROUCH, 101, 103},
    {ACTION_LOW_SWING_AIR, 114, 116}, {ACTION_KNOCKDOWN, 36, 42}, {ACTION_EDGE_HIT, 43, 50},
    {ACTION_EDGE_HIT_AIR, 68, 76}, {ACTION_STUNNED, 51, 59}, {ACTION_KO, 60, 67},
    {ACTION_WIN_1, 120, 124}, {ACTION_WIN_2, 125, 129}, {ACTION_TIME_OVER, 130, 130},
    {ACTION_POLYPHEMUS_SPECIAL1, 131, 133}, {ACTION_POLYPHEMUS_SPECIAL2, 134, 138},
    {ACTION_PROFILE_POSE, 254, 255},
};
static const KeyRange minotaur_ranges[] = {
    {ACTION_WALK_FORWARD, 5, 8}, {ACTION_WALK_BACK, 9, 12}, {ACTION_JUMP, 20, 22},
    {ACTION_LANDING, 23, 23}, {ACTION_CROUCH, 13, 13}, {ACTION_DASH_FORWARD, 14, 16},
    {ACTION_DASH_BACK, 17, 19}, {ACTION_GUARD_STAND, 76, 76}, {ACTION_BLOCK_STAND, 77, 78},
    {ACTION_GUARD_CROUCH, 79, 79}, {ACTION_BLOCK_CROUCH, 80, 81}, {ACTION_HIT_STAND, 24, 25},
    {ACTION_HIT_CROUCH, 26, 27}, {ACTION_HARD_SWING, 43, 46}, {ACTION_HARD_SWING_FORWARD, 39, 42},
    {ACTION_HARD_SWING_CROUCH, 65, 68}, {ACTION_HARD_SWING_AIR, 59, 61}, {ACTION_KICK, 50, 52},
    {ACTION_KICK_FORWARD, 47, 49}, {ACTION_KICK_CROUCH, 69, 71}, {ACTION_KICK_SWEEP, 72, 75},
    {ACTION_KICK_AIR, 53, 55}, {ACTION_HIT_AIR, 28, 32}, {ACTION_LOW_SWING, 36, 38},
    {ACTION_LOW_SWING_2, 33, 35}, {ACTION_LOW_SWING_CROUCH, 62, 64}, {ACTION_LOW_SWING_AIR, 56, 58},
    {ACTION_KNOCKDOWN, 120, 128}, {ACTION_EDGE_HIT, 82, 91}, {ACTION_EDGE_HIT_AIR, 92, 101},
    {ACTION_KO, 112, 119}, {ACTION_STUNNED, 102, 111}, {ACTION_WIN_1, 129, 132},
    {ACTION_WIN_2, 133, 136}, {ACTION_TIME_OVER, 129, 129}, {ACTION_MINOTAUR_SPECIAL1, 153, 158},
    {ACTION_MINOTAUR_SPECIAL2, 141, 152}, {ACTION_PROFILE_POSE, 137, 138},
};
static const KeyRange medusa_ranges[] = {
    {ACTION_WALK_FORWARD, 5, 8}, {ACTION_WALK_BACK, 9, 12}, {ACTION_JUMP, 19, 21},
    {ACTION_LANDING, 13, 13}, {ACTION_CROUCH, 14, 14}, {ACTION_DASH_FORWARD, 15, 16},
    {ACTION_DASH_BACK, 17, 18}, {ACTION_GUARD_STAND, 22, 22}, {ACTION_BLOCK_STAND, 23, 24},
    {ACTION_GUARD_CROUCH, 25, 25}, {ACTION_BLOCK_CROUCH, 26, 27}, {ACTION_HIT_STAND, 28, 29},
    {ACTION_HIT_CROUCH, 30, 31}, {ACTION_HARD_SWING_FORWARD, 69, 72}, {ACTION_HARD_SWING, 110, 113},
    {ACTION_HARD_SWING_CROUCH, 88, 90}, {ACTION_HARD_SWING_AIR, 103, 106}, {ACTION_KICK, 81, 83},
    {ACTION_KICK_FORWARD, 84, 87}, {ACTION_KICK_CROUCH, 97, 99}, {ACTION_KICK_SWEEP, 94, 96},
    {ACTION_KICK_AIR, 107, 109}, {ACTION_HIT_AIR, 33, 36}, {ACTION_LOW_SWING, 63, 65},
    {ACTION_LOW_SWING_3, 130, 133}, {ACTION_LOW_SWING_2, 66, 68}, {ACTION_LOW_SWING_CROUCH, 91, 93},
    {ACTION_LOW_SWING_AIR, 100, 102}, {ACTION_KNOCKDOWN, 36, 42}, {ACTION_EDGE_HIT, 73, 80},
    {ACTION_EDGE_HIT_AIR, 37, 45}, {ACTION_KO, 55, 62}, {ACTION_STUNNED, 46, 54},
    {ACTION_WIN_1, 114, 118}, {ACTION_WIN_2, 119, 123}, {ACTION_TIME_OVER, 124, 124},
    {ACTION_MEDUSA_SPECIAL1, 134, 138}, {ACTION_MEDUSA_SPECIAL2, 139, 143},
    {ACTION_PROFILE_POSE, 254, 255},
};
static const KeyRange sphinx_ranges[] = {
    {ACTION_WALK_FORWARD, 5, 8}, {ACTION_WALK_BACK, 9, 12}, {ACTION_JUMP, 19, 21},
    {ACTION_LANDING, 17, 18}, {ACTION_CROUCH, 18, 18}, {ACTION_DASH_FORWARD, 13, 14},
    {ACTION_DASH_BACK, 15, 16}, {ACTION_GUARD_STAND, 22, 22}, {ACTION_BLOCK_STAND, 23, 24},
    {ACTION_GUARD_CROUCH, 25, 25}, {ACTION_BLOCK_CROUCH, 26, 27}, {ACTION_HIT_STAND, 28, 29},
    {ACTION_HIT_CROUCH, 30, 31}, {ACTION_HARD_SWING, 74, 77}, {ACTION_HARD_SWING_FORWARD, 78, 81},
    {ACTION_HARD_SWING_CROUCH, 98, 101}, {ACTION_HARD_SWING_AIR, 112, 114}, {ACTION_KICK, 92, 94},
    {ACTION_KICK_FORWARD, 89, 91}, {ACTION_KICK_CROUCH, 102, 104}, {ACTION_KICK_SWEEP, 105, 108},
    {ACTION_KICK_AIR, 115, 117}, {ACTION_HIT_AIR, 32, 35}, {ACTION_LOW_SWING, 82, 84},
    {ACTION_LOW_SWING_2, 86, 88}, {ACTION_LOW_SWING_CROUCH, 95, 97},
    {ACTION_LOW_SWING_AIR, 109, 111}, {ACTION_KNOCKDOWN, 36, 42}, {ACTION_EDGE_HIT, 43, 50},
    {ACTION_EDGE_HIT_AIR, 51, 58}, {ACTION_KO, 67, 73}, {ACTION_STUNNED, 59, 66},
    {ACTION_WIN_1, 118, 123}, {ACTION_WIN_2, 124, 128}, {ACTION_TIME_OVER, 129, 129},
    {ACTION_SPHINX_SPECIAL1, 135, 138}, {ACTION_SPHINX_SPECIAL2, 139, 142},
    {ACTION_PROFILE_POSE, 254, 255},
};

struct KeyRangeList {
    const KeyRange *ranges;
    int count;
};

// Whole tables need none: Jason's, Odysseus', Atalanta's, Perseus', Hippolyte's, the Hydra's,
// Ares' and Atropos'.
static const KeyRangeList fallback_lists[] = {
    {nullptr, 0},
    {nullptr, 0},
    {nullptr, 0},
    {nullptr, 0},
    {nullptr, 0},
    {polyphemus_ranges, static_cast<int>(std::size(polyphemus_ranges))},
    {minotaur_ranges, static_cast<int>(std::size(minotaur_ranges))},
    {medusa_ranges, static_cast<int>(std::size(medusa_ranges))},
    {sphinx_ranges, static_cast<int>(std::size(sphinx_ranges))},
    {nullptr, 0},
    {nullptr, 0},
    {nullptr, 0},
};
static_assert(std::size(fallback_lists) == CHARACTER_COUNT, "one list per character");

const KeyRange *fallback_key_ranges(int id, int *count)
{
    *count = fallback_lists[id].count;
    return fallback_lists[id].ranges;
}
