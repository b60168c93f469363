// move_scripts.h: what a player's hands do to throw each move the control code gives every
// fighter (buttons, motions, jumps and dashes, for side one facing +x), and the attacks that
// must reach an opponent standing close; shared by the characters' fight and hit tests.
#pragma once

#include "support/fight_fixture.h"

#include <vector>

struct MoveStep {
    Hands hands;
    int ticks;
};

struct MoveScript {
    const char *name;
    std::vector<MoveStep> steps;
    int expected_action;   // the skeleton action the steps must show
};

// The moves every fighter but the Hydra has, before its specials.
inline std::vector<MoveScript> common_move_scripts()
{
    constexpr u8 N = DIR_NONE, U = DIR_UP, R = DIR_RIGHT, D = DIR_DOWN, L = DIR_LEFT, DR = DIR_DOWN_RIGHT;
    return {
        {"walk forward", {{{R}, 60}}, ACTION_WALK_FORWARD},
        {"walk back", {{{L}, 60}}, ACTION_WALK_BACK},
        {"crouch", {{{D}, 40}}, ACTION_CROUCH},
        {"jump", {{{U}, 1}}, ACTION_JUMP},
        {"dash", {{{R}, 2}, {{N}, 2}, {{R}, 1}}, ACTION_DASH_FORWARD},
        {"dash back", {{{L}, 2}, {{N}, 2}, {{L}, 1}}, ACTION_DASH_BACK},
        {"hard", {{{N, true}, 1}}, ACTION_HARD_SWING},
        {"hard toward", {{{R, true}, 1}}, ACTION_HARD_SWING_FORWARD},
        {"hard crouching", {{{D}, 1}, {{D, true}, 1}}, ACTION_HARD_SWING_CROUCH},
        {"hard airborne", {{{U}, 1}, {{N, true}, 1}}, ACTION_HARD_SWING_AIR},
        {"low", {{{N, false, true}, 1}}, ACTION_LOW_SWING},
        {"low away", {{{L, false, true}, 1}}, ACTION_LOW_SWING_2},
        {"low crouching", {{{D}, 1}, {{D, false, true}, 1}}, ACTION_LOW_SWING_CROUCH},
        {"low airborne", {{{U}, 1}, {{N, false, true}, 1}}, ACTION_LOW_SWING_AIR},
        {"kick", {{{N, false, false, true}, 1}}, ACTION_KICK},
        {"kick toward", {{{R, false, false, true}, 1}}, ACTION_KICK_FORWARD},
        {"kick crouching", {{{D}, 1}, {{D, false, false, true}, 1}}, ACTION_KICK_CROUCH},
        {"sweep", {{{D}, 1}, {{DR, false, false, true}, 1}}, ACTION_KICK_SWEEP},
        {"kick airborne", {{{U}, 1}, {{N, false, false, true}, 1}}, ACTION_KICK_AIR},
    };
}

// A special thrown by a motion (each direction held three ticks) and HARD SWING.
inline MoveScript special_move_script(const char *name, std::vector<u8> motion, int action)
{
    MoveScript script = {name, {}, action};
    for (u8 dir : motion)
        script.steps.push_back({{dir}, 3});
    script.steps.push_back({{DIR_NONE, true}, 1});
    return script;
}

// An attack from a stance (held through the attack) and the hands that throw it.
struct AttackScript {
    const char *name;
    Hands setup, attack;
};

inline std::vector<AttackScript> close_attack_scripts()
{
    constexpr u8 N = DIR_NONE, D = DIR_DOWN, R = DIR_RIGHT, DR = DIR_DOWN_RIGHT;
    return {
        {"hard", {N}, {N, true}},
        {"hard toward", {N}, {R, true}},
        {"hard crouching", {D}, {D, true}},
        {"low", {N}, {N, false, true}},
        {"low crouching", {D}, {D, false, true}},
        {"kick", {N}, {N, false, false, true}},
        {"kick toward", {N}, {R, false, false, true}},
        {"kick crouching", {D}, {D, false, false, true}},
        {"sweep", {D}, {DR, false, false, true}},
    };
}
