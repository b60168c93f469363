// The pose kit: the table that gives every move its kind of look, the limb turns and blends
// the poses are written with, the base stances, and the moves as the sequencer's tables give
// them (their keys and where their attack window opens). The poses of the moves themselves are
// in character_poses.cpp; a change here changes every fighter's poses.
#include "tools/databuild/figures/pose_kit.h"

#include <vector>

constexpr f32 UNITS_PER_DEGREE = 256.0f / 360.0f;

// The engine turns a bone by its key angles through the game library's quaternions; these
// signs make the pose tables below read as written: a positive pitch swings a hanging limb
// toward the figure's front (-y), a positive roll swings a right limb out to the figure's right
// (-x), a positive yaw turns the front toward the figure's right.
constexpr f32 PITCH_SIGN = 1.0f;
constexpr f32 ROLL_SIGN = 1.0f;
constexpr f32 YAW_SIGN = 1.0f;

struct ActionPose {
    i32 action;
    PoseKind kind;
};

// How each move looks; the special moves by their own ids.
static const ActionPose action_poses[] = {
    {ACTION_IDLE, POSE_IDLE},
    {ACTION_WALK_FORWARD, POSE_WALK},
    {ACTION_WALK_BACK, POSE_WALK_BACK},
    {ACTION_DASH_FORWARD, POSE_DASH},
    {ACTION_DASH_BACK, POSE_DASH_BACK},
    {ACTION_JUMP, POSE_JUMP},
    {ACTION_LANDING, POSE_LANDING},
    {ACTION_CROUCH, POSE_CROUCH},
    {ACTION_GUARD_STAND, POSE_GUARD},
    {ACTION_BLOCK_STAND, POSE_BLOCK},
    {ACTION_BLOCK_STAND_B, POSE_BLOCK},
    {ACTION_GUARD_CROUCH, POSE_GUARD_CROUCH},
    {ACTION_BLOCK_CROUCH, POSE_BLOCK_CROUCH},
    {ACTION_BLOCK_CROUCH_B, POSE_BLOCK_CROUCH},
    {ACTION_HIT_STAND, POSE_HIT},
    {ACTION_HIT_STAND_B, POSE_HIT},
    {ACTION_HIT_CROUCH, POSE_HIT_CROUCH},
    {ACTION_HIT_CROUCH_B, POSE_HIT_CROUCH},
    {ACTION_HIT_AIR, POSE_HIT_AIR},
    {ACTION_HIT_AIR_B, POSE_HIT_AIR},
    {ACTION_HARD_SWING, POSE_CHOP},
    {ACTION_HARD_SWING_FORWARD, POSE_THRUST},
    {ACTION_HARD_SWING_CROUCH, POSE_CHOP_CROUCH},
    {ACTION_HARD_SWING_AIR, POSE_CHOP_AIR},
    {ACTION_LOW_SWING, POSE_SLASH},
    {ACTION_LOW_SWING_2, POSE_BACKSLASH},
    {ACTION_LOW_SWING_3, POSE_RISING},
    {ACTION_LOW_SWING_CROUCH, POSE_SLASH_CROUCH},
    {ACTION_LOW_SWING_AIR, POSE_SLASH_AIR},
    {ACTION_KICK, POSE_KICK},
    {ACTION_KICK_FORWARD, POSE_KICK_HIGH},
    {ACTION_KICK_CROUCH, POSE_KICK_CROUCH},
    {ACTION_KICK_SWEEP, POSE_SWEEP},
    {ACTION_KICK_AIR, POSE_KICK_AIR},
    {ACTION_KNOCKDOWN, POSE_KNOCKDOWN},
    {ACTION_EDGE_HIT, POSE_EDGE_HIT},
    {ACTION_EDGE_HIT_AIR, POSE_EDGE_HIT_AIR},
    {ACTION_STUNNED, POSE_STUNNED},
    {ACTION_KO, POSE_KO},
    {ACTION_WIN_1, POSE_WIN_1},
    {ACTION_WIN_2, POSE_WIN_2},
    {ACTION_TIME_OVER, POSE_TIME_OVER},
    {ACTION_PROFILE_POSE, POSE_PROFILE},
    {ACTION_PETRIFIED, POSE_IDLE},
    {ACTION_HEAD_LOST, POSE_HEAD_LOST},
    {ACTION_JASON_SPECIAL1, POSE_RISING},
    {ACTION_JASON_SPECIAL2, POSE_SPIN},
    {ACTION_ATALANTA_SPECIAL1, POSE_LEAP},
    {ACTION_HYDRA_SPECIAL1, POSE_CHOP},
    {ACTION_ODYSSEUS_SPECIAL1, POSE_THRUST},
    {ACTION_PERSEUS_SPECIAL1, POSE_FLURRY},
    {ACTION_PERSEUS_SPECIAL2, POSE_LEAP},
    {ACTION_ARES_SPECIAL1, POSE_STOMP},
    {ACTION_HIPPOLYTE_SPECIAL1, POSE_LEAP},
    {ACTION_POLYPHEMUS_SPECIAL1, POSE_CHOP},
    {ACTION_SPHINX_SPECIAL1, POSE_LEAP},
    {ACTION_ATROPOS_SPECIAL1, POSE_LEAP},
    {ACTION_ODYSSEUS_SPECIAL2, POSE_CAST},
    {ACTION_HIPPOLYTE_SPECIAL2, POSE_SPIN},
    {ACTION_ATALANTA_SPECIAL2, POSE_RISING},
    {ACTION_SPHINX_SPECIAL2, POSE_CAST},
    {ACTION_POLYPHEMUS_SPECIAL2, POSE_STOMP},
    {ACTION_MEDUSA_SPECIAL1, POSE_CAST},
    {ACTION_MEDUSA_SPECIAL2, POSE_CAST},
    {ACTION_ATROPOS_SPECIAL2, POSE_FLURRY},
    {ACTION_ARES_SPECIAL2, POSE_CAST},
    {ACTION_MINOTAUR_SPECIAL2, POSE_CHARGE},
    {ACTION_MINOTAUR_SPECIAL1, POSE_FLURRY},
};

PoseKind pose_kind(int action)
{
    for (const ActionPose &row : action_poses)
        if (row.action == action)
            return row.kind;
    return POSE_IDLE;
}

bool pose_is_attack(PoseKind kind)
{
    return kind >= POSE_CHOP;
}

bool pose_is_kick(PoseKind kind)
{
    return kind >= POSE_KICK && kind <= POSE_KICK_AIR;
}

// ---- building poses ------------------------------------------------------------------
static bool part_is_left(FigurePart part)
{
    return part == PART_UPPER_ARM_L || part == PART_FOREARM_L || part == PART_HAND_L ||
           part == PART_THIGH_L || part == PART_SHIN_L || part == PART_FOOT_L || part == PART_WING_L;
}

// A limb's turn in degrees: pitch to the front, roll outward (mirrored on the left side), yaw
// turning its front to the figure's right.
void turn(FigurePose &p, FigurePart part, f32 pitch, f32 roll, f32 yaw)
{
    f32 side = part_is_left(part) ? -1.0f : 1.0f;
    p.part[part] = {pitch * PITCH_SIGN * UNITS_PER_DEGREE, roll * side * ROLL_SIGN * UNITS_PER_DEGREE,
                    yaw * YAW_SIGN * UNITS_PER_DEGREE};
}

// The body's turn: leaning forward tips what stands above the joint to the front.
void lean(FigurePose &p, FigurePart part, f32 forward, f32 side, f32 twist)
{
    turn(p, part, -forward, side, twist);
}

FigurePose pose_blend(const FigurePose &a, const FigurePose &b, f32 t)
{
    FigurePose out = a;
    for (int i = 0; i < PART_COUNT; i++) {
        out.part[i].ax = a.part[i].ax + (b.part[i].ax - a.part[i].ax) * t;
        out.part[i].ay = a.part[i].ay + (b.part[i].ay - a.part[i].ay) * t;
        out.part[i].az = a.part[i].az + (b.part[i].az - a.part[i].az) * t;
    }
    out.shift = {a.shift.x + (b.shift.x - a.shift.x) * t, a.shift.y + (b.shift.y - a.shift.y) * t,
                 a.shift.z + (b.shift.z - a.shift.z) * t};
    out.hidden_heads = a.hidden_heads;
    return out;
}

// Blends along a list of poses spread evenly over t = 0..1.
FigurePose pose_path(const FigurePose *poses, int count, f32 t)
{
    if (count == 1 || t <= 0.0f)
        return poses[0];
    if (t >= 1.0f)
        return poses[count - 1];
    f32 at = t * (count - 1);
    int i = static_cast<int>(at);
    return pose_blend(poses[i], poses[i + 1], at - i);
}

void legs(FigurePose &p, f32 thigh_r, f32 shin_r, f32 thigh_l, f32 shin_l)
{
    turn(p, PART_THIGH_R, thigh_r);
    turn(p, PART_SHIN_R, shin_r);
    turn(p, PART_THIGH_L, thigh_l);
    turn(p, PART_SHIN_L, shin_l);
}

// Feet flat under bent knees (shift in units of a 20-unit figure, scaled when written).
void kneel(FigurePose &p, f32 thigh, f32 shin, f32 drop)
{
    legs(p, thigh, shin, thigh, shin);
    turn(p, PART_FOOT_R, -(thigh + shin));
    turn(p, PART_FOOT_L, -(thigh + shin));
    p.shift.z = -drop;
}

void arm_r(FigurePose &p, f32 upper, f32 roll, f32 yaw, f32 fore, f32 hand)
{
    turn(p, PART_UPPER_ARM_R, upper, roll, yaw);
    turn(p, PART_FOREARM_R, fore);
    turn(p, PART_HAND_R, hand);
}

void arm_l(FigurePose &p, f32 upper, f32 roll, f32 yaw, f32 fore, f32 hand)
{
    turn(p, PART_UPPER_ARM_L, upper, roll, yaw);
    turn(p, PART_FOREARM_L, fore);
    turn(p, PART_HAND_L, hand);
}

FigurePose stance()
{
    FigurePose p = {};
    lean(p, PART_CHEST, 5);
    arm_r(p, 25, 10, 0, 60, 30);
    arm_l(p, 20, 10, 0, 55, 20);
    legs(p, 15, -15, -10, -5);
    p.shift = {0, 0, -0.3f};
    return p;
}

// Knees spread wide, as a wrestler squats: knees pushed straight ahead stood in the knees of
// an opponent crouching as close.
constexpr f32 CROUCH_KNEE_SPREAD = 50.0f;

FigurePose crouch()
{
    FigurePose p = stance();
    lean(p, PART_CHEST, 15);
    kneel(p, 65, -115, 4.2f);
    turn(p, PART_THIGH_R, 65, 0, CROUCH_KNEE_SPREAD);
    turn(p, PART_THIGH_L, 65, 0, -CROUCH_KNEE_SPREAD);
    return p;
}

FigurePose tuck()
{
    FigurePose p = stance();
    legs(p, 80, -110, 70, -100);
    arm_r(p, 120, 20, 0, 40, 20);
    arm_l(p, 120, 20, 0, 40, 0);
    return p;
}

FigurePose guard(FigurePose p)
{
    arm_r(p, 55, 15, 0, 85, -10);
    arm_l(p, 50, -10, 0, 100, 0);
    return p;
}

constexpr f32 LYING_FOREARM_TWIST = 90.0f;
constexpr f32 LYING_HAND_TWIST = 90.0f;

// Flat on the back, the arms lying along the body a little out from it with whatever they
// hold on the ground beside the legs: arms flung up over the head stood the weapons up in the
// air. The upper arms slope down to the floor from the shoulders, the hands turn the weapons
// level just above it.
FigurePose lying()
{
    FigurePose p = stance();
    lean(p, PART_PELVIS, -90);
    lean(p, PART_CHEST, 0);
    arm_r(p, -6, 15, 0, 0, 4);
    arm_l(p, -6, 15, 0, 0, 4);
    // Turned on their long axes: a shield on the forearm and an axe's blade lie flat.
    turn(p, PART_FOREARM_L, 0, 0, LYING_FOREARM_TWIST);
    turn(p, PART_HAND_R, 4, 0, LYING_HAND_TWIST);
    lean(p, PART_HEAD, 30);   // chin to chest: a helmet's crest or a hood stays off the floor
    legs(p, 10, -5, 5, -10);
    p.shift = {0, 3.0f, -8.8f};
    return p;
}

FigurePose sitting_up()
{
    FigurePose p = crouch();
    lean(p, PART_PELVIS, -25);
    p.shift = {0, 2.0f, -5.5f};
    return p;
}

// ---- moves and their keys ----------------------------------------------------------------
// The keys of a block whose step raises active_window, as the sequencer's window columns
// leave it after the step to each key.
static void block_window(const SeqBlock &block, int *a0, int *a1)
{
    *a0 = 1;
    *a1 = 0;
    int window = 0;
    for (int k = block.lo + 1; k <= block.hi; k++) {
        window += k == block.lo + 1 ? block.window_first : block.window_later;
        if (block.window_clear_above && k > block.window_clear_above)
            window = 0;
        if (window > 0 && *a0 > *a1) {
            *a0 = k;
            *a1 = k;
        } else if (window > 0) {
            *a1 = k;
        }
    }
}

// Where a move without window columns strikes: its second key up to its middle.
static void guessed_window(int lo, int hi, int *a0, int *a1)
{
    *a0 = lo + 1 <= hi ? lo + 1 : hi;
    *a1 = lo + (hi - lo + 1) / 2;
    if (*a1 < *a0)
        *a1 = *a0;
}

f32 move_progress(const PosedMove &m, int k)
{
    return m.hi > m.lo ? static_cast<f32>(k - m.lo) / (m.hi - m.lo) : 1.0f;
}

std::vector<PosedMove> character_moves(int id)
{
    const CharacterSequence &seq = character_modules[id]->sequence;
    std::vector<PosedMove> moves;
    for (int i = 0; i < seq.block_count; i++) {
        const SeqBlock &b = seq.blocks[i];
        PosedMove move = {b.action, b.lo, b.hi, 1, 0, (b.flags & SEQ_FIXED_KEYS) != 0, {}, 0, false};
        move.outer_count = sequencer_outer_keys(&b, move.outer);
        move.ends_past_in_full = !(b.flags & SEQ_LOOP) && (b.end & END_PHASE_ONE) && !(b.end & (END_HOLD | END_TO_KEY));
        block_window(b, &move.a0, &move.a1);
        if (move.a0 > move.a1)
            guessed_window(b.lo, b.hi, &move.a0, &move.a1);
        moves.push_back(move);
    }
    return moves;
}
