// pose_kit.h: the kit the fighters' key frames are posed with (the moves' kinds, limb turns,
// blends, the base stances, the moves read from the sequencer's tables) and the Sphinx's and
// the Hydra's own poses; used by the pose files of tools/databuild/figures/ only.
#pragma once

#include "tools/databuild/figures/character_figures.h"

#include <vector>

constexpr f32 TWO_PI = 6.2831853f;

// What a move looks like; the action table (pose_kit.cpp) gives each move its kind.
enum PoseKind : u8 {
    POSE_IDLE,
    POSE_WALK,
    POSE_WALK_BACK,
    POSE_DASH,
    POSE_DASH_BACK,
    POSE_JUMP,
    POSE_LANDING,
    POSE_CROUCH,
    POSE_GUARD,
    POSE_BLOCK,
    POSE_GUARD_CROUCH,
    POSE_BLOCK_CROUCH,
    POSE_HIT,
    POSE_HIT_CROUCH,
    POSE_HIT_AIR,
    POSE_KNOCKDOWN,
    POSE_EDGE_HIT,
    POSE_EDGE_HIT_AIR,
    POSE_STUNNED,
    POSE_KO,
    POSE_WIN_1,
    POSE_WIN_2,
    POSE_TIME_OVER,
    POSE_PROFILE,
    POSE_HEAD_LOST,
    POSE_SPIN,            // cycles: the whole figure turns round
    POSE_CHARGE,
    POSE_FLURRY,
    // Attacks: wound up at the first key, striking through the keys of the open window.
    POSE_CHOP,
    POSE_THRUST,
    POSE_CHOP_CROUCH,
    POSE_CHOP_AIR,
    POSE_SLASH,
    POSE_BACKSLASH,
    POSE_RISING,
    POSE_SLASH_CROUCH,
    POSE_SLASH_AIR,
    POSE_KICK,
    POSE_KICK_HIGH,
    POSE_KICK_CROUCH,
    POSE_SWEEP,
    POSE_KICK_AIR,
    POSE_CAST,
    POSE_STOMP,
    POSE_LEAP
};

PoseKind pose_kind(int action);
bool pose_is_attack(PoseKind kind);
bool pose_is_kick(PoseKind kind);

// ---- building poses ------------------------------------------------------------------
// A pose holds a turn per figure part and a shift of the whole figure, in units of a 20-unit
// figure (scaled when written).

// A limb's turn in degrees: pitch to the front, roll outward (mirrored on the left side), yaw
// turning its front to the figure's right.
void turn(FigurePose &p, FigurePart part, f32 pitch, f32 roll = 0.0f, f32 yaw = 0.0f);
// The body's turn: leaning forward tips what stands above the joint to the front.
void lean(FigurePose &p, FigurePart part, f32 forward, f32 side = 0.0f, f32 twist = 0.0f);
FigurePose pose_blend(const FigurePose &a, const FigurePose &b, f32 t);
// Blends along a list of poses spread evenly over t = 0..1.
FigurePose pose_path(const FigurePose *poses, int count, f32 t);
void legs(FigurePose &p, f32 thigh_r, f32 shin_r, f32 thigh_l, f32 shin_l);
// Feet flat under bent knees, the figure dropped by `drop`.
void kneel(FigurePose &p, f32 thigh, f32 shin, f32 drop);
void arm_r(FigurePose &p, f32 upper, f32 roll, f32 yaw, f32 fore, f32 hand);
void arm_l(FigurePose &p, f32 upper, f32 roll, f32 yaw, f32 fore, f32 hand);
// The base poses the moves start from.
FigurePose stance();
FigurePose crouch();
FigurePose tuck();
FigurePose guard(FigurePose p);
FigurePose lying();
FigurePose sitting_up();

// ---- moves and their keys ----------------------------------------------------------------
struct PosedMove {
    i32 action;
    int lo, hi;
    int a0, a1;           // keys whose step opens the attack window, a0 > a1 for none
    bool fixed;           // the same keys in every bank
    int outer[SEQ_OUTER_KEYS];   // keys past lo..hi the move can leave on show
    int outer_count;
    bool ends_past_in_full;      // its end shows the key past hi at phase 1
};

// Every block of the character's sequence as a move to pose, with the keys it strikes through.
std::vector<PosedMove> character_moves(int id);
// How far through the move its own key k stands: 0 at lo, 1 at hi (1 for a one-key move).
f32 move_progress(const PosedMove &m, int k);

// ---- the Sphinx (sphinx_poses.cpp) and the Hydra (hydra_poses.cpp) ---------------------
// The Sphinx takes the human poses and changes a few; the Hydra has poses of its own.
void sphinx_adapt(FigurePose &p, PoseKind kind);
bool sphinx_fall(PoseKind kind, f32 t, FigurePose *out);
FigurePart hydra_neck(int head);
FigurePose hydra_pose(const PosedMove &m, int k, int heads);
