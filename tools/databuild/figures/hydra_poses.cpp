// The Hydra's poses: its four necks weaving, recoiling from blows and striking, the heads it
// has lost shrunk away, and its collapse.
#include "tools/databuild/figures/pose_kit.h"

#include <algorithm>
#include <cmath>

FigurePart hydra_neck(int head) { return static_cast<FigurePart>(PART_NECK_0 + 2 * head); }
static FigurePart hydra_head(int head) { return static_cast<FigurePart>(PART_HEAD_0 + 2 * head); }

// Which heads a Hydra attack strikes with, as a bit set, among the `heads` it still shows (the
// lost ones are shrunk away): a blow dealt by lost heads passes to the highest heads left.
static int hydra_strikers(int action, int heads)
{
    int strikers;
    switch (action) {
    case ACTION_HARD_SWING_FORWARD: strikers = 0x3; break;
    case ACTION_KICK: strikers = 0xC; break;
    case ACTION_KICK_FORWARD: strikers = 0x6; break;
    default: return 0xF;
    }
    while (strikers >> heads)
        strikers >>= 1;
    return strikers ? strikers : 0x1;
}

// How far each neck rears back from its built slant between blows, in degrees: the necks
// built leaning out toward the opponent stood their heads in the chest of whoever came close
// and some way out of its back. Reared up and back over the body, the heads stand behind the
// Hydra's x, clear of an opponent come as close as the push-apart allows (a step inside the
// Hydra's small half width), the jaws turned level to the front; only the strikes reach out.
// The lowest neck leans out most, so it rears back most.
static const f32 hydra_neck_rear[4] = {-12, -25, -39, -50};
constexpr f32 HYDRA_NECK_SWAY = 2.0f;   // degrees each way while it weaves

// How far each neck bows forward from its built slant to lay its head on the floor, in
// degrees: the body sunk on its belly (knocked out), and standing (a neck it loses). A higher,
// steeper neck bows further; one bowed level stood its head in mid-air. The head turns back
// against the bow to lie on its jaw, its snout a little down, rather than stand on its snout.
constexpr f32 HYDRA_HEAD_DOWN = 15.0f;
static const f32 hydra_neck_down[4][2] = {{92, 115}, {85, 100}, {75, 87}, {65, 73}};

// How far the body lunges at the opponent through a strike's window (units of a 20-unit
// figure), and how much less each lower neck bows: with the necks reared back between blows,
// what its blows must reach (its own kind's necks among them) stands further off and higher
// than when the necks leaned out.
constexpr f32 HYDRA_STRIKE_LUNGE = 6.5f;
constexpr f32 HYDRA_STRIKE_LEVEL = 8.0f;   // degrees less bow for each neck further down

static void hydra_necks_rest(FigurePose &p, f32 phase)
{
    for (int h = 0; h < 4; h++) {
        f32 rear = hydra_neck_rear[h] + HYDRA_NECK_SWAY * std::sin(phase * TWO_PI + h);
        lean(p, hydra_neck(h), rear, 0, 8 * std::sin(phase * TWO_PI + 2 * h));
        lean(p, hydra_head(h), 10 - rear);
    }
}

FigurePose hydra_pose(const PosedMove &m, int k, int heads)
{
    PoseKind kind = pose_kind(m.action);
    int span = m.hi - m.lo;
    f32 t = move_progress(m, k);
    f32 phase = static_cast<f32>(k - m.lo) / (span + 1);
    f32 s = std::sin(phase * TWO_PI);
    FigurePose p = {};
    p.hidden_heads = static_cast<f32>(heads);
    hydra_necks_rest(p, phase);
    switch (kind) {
    case POSE_WALK:
    case POSE_WALK_BACK:
        turn(p, PART_UPPER_ARM_R, 20 * s);
        turn(p, PART_THIGH_L, 20 * s);
        turn(p, PART_UPPER_ARM_L, -20 * s);
        turn(p, PART_THIGH_R, -20 * s);
        return p;
    case POSE_GUARD:
    case POSE_BLOCK:
    case POSE_HIT:
    case POSE_EDGE_HIT:
    case POSE_STUNNED:
        for (int h = 0; h < 4; h++)
            lean(p, hydra_neck(h), hydra_neck_rear[h] - 15 - 10 * t, 0,
                 (kind == POSE_STUNNED ? 15 : 0) * (k & 1 ? 1 : -1));
        p.shift.y = kind == POSE_GUARD ? 0.0f : 1.0f;
        return p;
    case POSE_KO:
        // It sinks onto its belly: the legs splay out flat ahead of the body coming down and
        // the tail lifts level, so that no part of it goes through the floor; the necks sink
        // until the heads lie on it.
        for (int h = 0; h < 4; h++) {
            lean(p, hydra_neck(h), hydra_neck_down[h][0] * t);
            lean(p, hydra_head(h), HYDRA_HEAD_DOWN - hydra_neck_down[h][0] * t);
        }
        for (FigurePart leg : {PART_UPPER_ARM_R, PART_UPPER_ARM_L, PART_THIGH_R, PART_THIGH_L})
            turn(p, leg, 0, 85 * std::min(1.0f, 1.6f * t));
        turn(p, PART_TAIL, -15 * t);
        p.shift.z = -3.4f * t;
        return p;
    case POSE_HEAD_LOST:
        // The severed neck slumps forward until its head lies on the floor, before it shrinks.
        lean(p, hydra_neck(heads - 1), hydra_neck_down[heads - 1][1] * t);
        lean(p, hydra_head(heads - 1), HYDRA_HEAD_DOWN - hydra_neck_down[heads - 1][1] * t);
        return p;
    case POSE_PROFILE:
        for (int h = 0; h < 4; h++)
            lean(p, hydra_neck(h), -15, 0, 20 * (h - 1.5f));
        return p;
    default:
        break;
    }
    if (!pose_is_attack(kind))
        return p;
    // Strikers pull back, lunge through the window and recoil.
    f32 reach;
    if (k <= m.lo)
        reach = -30;
    else if (k < m.a0)
        reach = 20;
    else if (k <= m.a1)
        reach = 60;
    else
        reach = 15;
    f32 sweep = m.action == ACTION_LOW_SWING ? 40 : m.action == ACTION_LOW_SWING_2 ? -40 : 0;
    for (int h = 0; h < 4; h++)
        if (hydra_strikers(m.action, heads) & (1 << h)) {
            // The lower necks, built leaning further out, bow less through the window: they
            // reach as far, their heads at the height of the reared necks they strike.
            f32 bow = reach > 30 ? reach - HYDRA_STRIKE_LEVEL * h : reach;
            lean(p, hydra_neck(h), bow, 0, k <= m.a0 ? sweep : -sweep);
            lean(p, hydra_head(h), bow * 0.5f);
        }
    p.shift.y = reach > 30 ? -HYDRA_STRIKE_LUNGE : 0.0f;
    return p;
}
