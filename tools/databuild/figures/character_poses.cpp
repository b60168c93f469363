// The fighters' key frames: a pose per key of every move, made from the same key-frame tables
// the sequencer runs, so that swings swing through the keys where the attack window is open, kicks kick, falls
// fall. Every key a move can show is posed; keys no move shows stay the identity.
#include "tools/databuild/figures/character_figures.h"

#include <algorithm>
#include <cmath>
#include <vector>

constexpr f32 UNITS_PER_DEGREE = 256.0f / 360.0f;
constexpr f32 TWO_PI = 6.2831853f;

// The engine turns a bone by its key angles through the game library's quaternions; these
// signs make the pose tables below read as written: a positive pitch swings a hanging limb
// toward the figure's front (-y), a positive roll swings a right limb out to the figure's right
// (-x), a positive yaw turns the front toward the figure's right.
constexpr f32 PITCH_SIGN = 1.0f;
constexpr f32 ROLL_SIGN = 1.0f;
constexpr f32 YAW_SIGN = 1.0f;

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

static PoseKind pose_kind(int action)
{
    for (const ActionPose &row : action_poses)
        if (row.action == action)
            return row.kind;
    return POSE_IDLE;
}

static bool pose_is_attack(PoseKind kind)
{
    return kind >= POSE_CHOP;
}

static bool pose_is_kick(PoseKind kind)
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
static void turn(FigurePose &p, FigurePart part, f32 pitch, f32 roll = 0.0f, f32 yaw = 0.0f)
{
    f32 side = part_is_left(part) ? -1.0f : 1.0f;
    p.part[part] = {pitch * PITCH_SIGN * UNITS_PER_DEGREE, roll * side * ROLL_SIGN * UNITS_PER_DEGREE,
                    yaw * YAW_SIGN * UNITS_PER_DEGREE};
}

// The body's turn: leaning forward tips what stands above the joint to the front.
static void lean(FigurePose &p, FigurePart part, f32 forward, f32 side = 0.0f, f32 twist = 0.0f)
{
    turn(p, part, -forward, side, twist);
}

static FigurePose pose_blend(const FigurePose &a, const FigurePose &b, f32 t)
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
static FigurePose pose_path(const FigurePose *poses, int count, f32 t)
{
    if (count == 1 || t <= 0.0f)
        return poses[0];
    if (t >= 1.0f)
        return poses[count - 1];
    f32 at = t * (count - 1);
    int i = static_cast<int>(at);
    return pose_blend(poses[i], poses[i + 1], at - i);
}

static void legs(FigurePose &p, f32 thigh_r, f32 shin_r, f32 thigh_l, f32 shin_l)
{
    turn(p, PART_THIGH_R, thigh_r);
    turn(p, PART_SHIN_R, shin_r);
    turn(p, PART_THIGH_L, thigh_l);
    turn(p, PART_SHIN_L, shin_l);
}

// Feet flat under bent knees (shift in units of a 20-unit figure, scaled when written).
static void kneel(FigurePose &p, f32 thigh, f32 shin, f32 drop)
{
    legs(p, thigh, shin, thigh, shin);
    turn(p, PART_FOOT_R, -(thigh + shin));
    turn(p, PART_FOOT_L, -(thigh + shin));
    p.shift.z = -drop;
}

static void arm_r(FigurePose &p, f32 upper, f32 roll, f32 yaw, f32 fore, f32 hand)
{
    turn(p, PART_UPPER_ARM_R, upper, roll, yaw);
    turn(p, PART_FOREARM_R, fore);
    turn(p, PART_HAND_R, hand);
}

static void arm_l(FigurePose &p, f32 upper, f32 roll, f32 yaw, f32 fore, f32 hand)
{
    turn(p, PART_UPPER_ARM_L, upper, roll, yaw);
    turn(p, PART_FOREARM_L, fore);
    turn(p, PART_HAND_L, hand);
}

static FigurePose stance()
{
    FigurePose p = {};
    lean(p, PART_CHEST, 5);
    arm_r(p, 25, 10, 0, 60, 30);
    arm_l(p, 20, 10, 0, 55, 20);
    legs(p, 15, -15, -10, -5);
    p.shift = {0, 0, -0.3f};
    return p;
}

static FigurePose crouch()
{
    FigurePose p = stance();
    lean(p, PART_CHEST, 15);
    kneel(p, 65, -115, 4.2f);
    return p;
}

static FigurePose tuck()
{
    FigurePose p = stance();
    legs(p, 80, -110, 70, -100);
    arm_r(p, 120, 20, 0, 40, 20);
    arm_l(p, 120, 20, 0, 40, 0);
    return p;
}

static FigurePose guard(FigurePose p)
{
    arm_r(p, 55, 15, 0, 85, -10);
    arm_l(p, 50, -10, 0, 100, 0);
    return p;
}

static FigurePose lying()
{
    FigurePose p = stance();
    lean(p, PART_PELVIS, -90);
    lean(p, PART_CHEST, 0);
    arm_r(p, 150, 30, 0, 10, 0);
    arm_l(p, 140, 40, 0, 10, 0);
    legs(p, 10, -5, 5, -10);
    p.shift = {0, 3.0f, -8.8f};
    return p;
}

static FigurePose sitting_up()
{
    FigurePose p = crouch();
    lean(p, PART_PELVIS, -25);
    p.shift = {0, 2.0f, -5.5f};
    return p;
}

// ---- moves -----------------------------------------------------------------------------
// A cyclic move at phase 0..1 of its loop.
static FigurePose pose_cycle(PoseKind kind, f32 phase)
{
    f32 s = std::sin(phase * TWO_PI), c = std::cos(phase * TWO_PI);
    FigurePose p = stance();
    switch (kind) {
    case POSE_IDLE:
        lean(p, PART_CHEST, 5 + 2.5f * s);
        arm_r(p, 25 + 3 * s, 10, 0, 60 + 4 * s, 30);
        p.shift.z = -0.3f - 0.2f * (1 - c);
        return p;
    case POSE_WALK:
    case POSE_WALK_BACK: {
        // A short stride: the front foot of a walker come up to its opponent stops short of the
        // other's feet.
        f32 d = kind == POSE_WALK ? 1.0f : -1.0f;
        legs(p, 18 * s * d, -22 * (1 + c * d) * 0.5f - 5, -18 * s * d, -22 * (1 - c * d) * 0.5f - 5);
        arm_l(p, 20 - 18 * s * d, 10, 0, 55, 20);
        p.shift.z = -0.3f - 0.3f * std::fabs(c);
        return p;
    }
    case POSE_PROFILE:
        arm_r(p, 40, 35, 0, 130 + 5 * s, 10);
        arm_l(p, 15, 45, 0, 95, 0);
        lean(p, PART_CHEST, -5);
        lean(p, PART_HEAD, -5 + 3 * s, 0, 10);
        return p;
    case POSE_CHARGE:
        lean(p, PART_CHEST, 35);
        lean(p, PART_HEAD, 30);
        arm_r(p, 60, 10, 0, 40, 0);
        arm_l(p, -20, 10, 0, 40, 0);
        legs(p, 45 * s, -35 * (1 + c) * 0.5f - 10, -45 * s, -35 * (1 - c) * 0.5f - 10);
        p.shift = {0, -1.0f, -0.6f - 0.4f * std::fabs(c)};
        return p;
    case POSE_SPIN:
        arm_r(p, 90, 80, 0, 0, 0);
        arm_l(p, 90, 80, 0, 0, 0);
        lean(p, PART_PELVIS, 0, 0, 360 * phase);
        return p;
    default:
        return p;
    }
}

// The four poses of an attack: wound up, striking (start and end of the open window) and
// following through.
struct AttackPoses {
    FigurePose wind, strike_from, strike_to, follow;
};

static AttackPoses attack_chop(FigurePose base)
{
    AttackPoses a = {base, base, base, base};
    lean(a.wind, PART_CHEST, -10);
    arm_r(a.wind, 165, 5, 0, 40, 20);
    lean(a.strike_from, PART_CHEST, 10);
    arm_r(a.strike_from, 110, 0, 0, 15, -10);
    lean(a.strike_to, PART_CHEST, 20);
    arm_r(a.strike_to, 80, 0, 0, 15, 0);
    lean(a.follow, PART_CHEST, 15);
    arm_r(a.follow, 45, 0, 0, 20, 20);
    a.strike_from.shift.y = -1.0f;
    a.strike_to.shift.y = -1.5f;
    a.follow.shift.y = -1.0f;
    return a;
}

static AttackPoses attack_thrust()
{
    FigurePose base = stance();
    AttackPoses a = {base, base, base, base};
    arm_r(a.wind, 70, 30, 0, 90, -70);
    lean(a.wind, PART_CHEST, 0, 0, 25);
    for (FigurePose *p : {&a.strike_from, &a.strike_to}) {
        arm_r(*p, 88, 0, 0, 20, 0);
        lean(*p, PART_CHEST, 15, 0, -10);
        legs(*p, 55, -55, -25, -5);
        p->shift = {0, -1.5f, -0.8f};
    }
    a.strike_to.shift.y = -2.0f;
    arm_r(a.follow, 70, 0, 0, 20, 10);
    lean(a.follow, PART_CHEST, 10);
    a.follow.shift.y = -2.0f;
    return a;
}

// A horizontal sweep; dir 1 from the figure's right across to its left, -1 back.
static AttackPoses attack_slash(FigurePose base, f32 pitch, f32 dir)
{
    AttackPoses a = {base, base, base, base};
    arm_r(a.wind, pitch - 10, 0, 55 * dir, 20, -20);
    lean(a.wind, PART_CHEST, 5, 0, 35 * dir);
    arm_r(a.strike_from, pitch, 0, 20 * dir, 0, -10);
    lean(a.strike_from, PART_CHEST, 10, 0, 10 * dir);
    arm_r(a.strike_to, pitch, 0, -30 * dir, 0, -10);
    lean(a.strike_to, PART_CHEST, 10, 0, -30 * dir);
    arm_r(a.follow, pitch - 15, 0, -50 * dir, 30, 0);
    lean(a.follow, PART_CHEST, 5, 0, -35 * dir);
    a.strike_from.shift.y = a.strike_to.shift.y = -1.0f;
    return a;
}

static AttackPoses attack_rising()
{
    FigurePose low = stance();
    kneel(low, 35, -50, 1.5f);
    AttackPoses a = {low, stance(), stance(), stance()};
    arm_r(a.wind, 15, 25, 0, 10, 20);
    lean(a.wind, PART_CHEST, 20);
    arm_r(a.strike_from, 95, 0, 0, 0, 0);
    arm_r(a.strike_to, 160, 0, 0, 0, 0);
    lean(a.strike_to, PART_CHEST, -10);
    a.strike_to.shift.z = 0.5f;
    arm_r(a.follow, 150, 10, 0, 30, 10);
    return a;
}

// A kick from a base pose: thigh and shin of the kicking leg chambered, then driven out.
static AttackPoses attack_kick(FigurePose base, f32 chamber, f32 thigh, f32 shin, f32 step, f32 lean_back)
{
    AttackPoses a = {base, base, base, base};
    turn(a.wind, PART_THIGH_R, chamber);
    turn(a.wind, PART_SHIN_R, -110);
    lean(a.wind, PART_CHEST, -lean_back * 0.5f);
    for (FigurePose *p : {&a.strike_from, &a.strike_to}) {
        turn(*p, PART_THIGH_R, thigh);
        turn(*p, PART_SHIN_R, shin);
        turn(*p, PART_FOOT_R, -30);
        lean(*p, PART_CHEST, -lean_back);
        p->shift.y = -step;
    }
    a.strike_to.shift.y = -step - 0.5f;
    turn(a.follow, PART_THIGH_R, chamber);
    turn(a.follow, PART_SHIN_R, -100);
    a.follow.shift.y = -step * 0.5f;
    return a;
}

static AttackPoses attack_sweep()
{
    FigurePose base = crouch();
    kneel(base, 75, -125, 5.0f);
    AttackPoses a = {base, base, base, base};
    turn(a.wind, PART_THIGH_R, 80, 0, 60);
    turn(a.wind, PART_SHIN_R, -20);
    turn(a.strike_from, PART_THIGH_R, 85, 0, 10);
    turn(a.strike_from, PART_SHIN_R, 0);
    turn(a.strike_to, PART_THIGH_R, 85, 0, -20);
    turn(a.strike_to, PART_SHIN_R, 0);
    turn(a.follow, PART_THIGH_R, 70, 0, -60);
    turn(a.follow, PART_SHIN_R, -40);
    return a;
}

static AttackPoses attack_cast()
{
    FigurePose base = stance();
    AttackPoses a = {base, base, base, base};
    arm_r(a.wind, 140, 10, 0, 60, 0);
    arm_l(a.wind, 60, 10, 0, 40, 0);
    lean(a.wind, PART_CHEST, -10);
    for (FigurePose *p : {&a.strike_from, &a.strike_to}) {
        arm_r(*p, 90, 0, 0, 0, -20);
        arm_l(*p, 90, 0, 0, 0, 0);
        lean(*p, PART_CHEST, 15);
        p->shift.y = -1.0f;
    }
    arm_r(a.follow, 60, 5, 0, 20, 0);
    arm_l(a.follow, 55, 5, 0, 20, 0);
    return a;
}

static AttackPoses attack_stomp()
{
    FigurePose base = stance();
    AttackPoses a = {base, base, base, base};
    legs(a.wind, 90, -90, -5, -5);
    arm_r(a.wind, 150, 10, 0, 30, 0);
    for (FigurePose *p : {&a.strike_from, &a.strike_to}) {
        legs(*p, 25, -25, -10, -10);
        arm_r(*p, 60, 0, 0, 0, 30);
        lean(*p, PART_CHEST, 30);
        p->shift.z = -1.5f;
    }
    return a;
}

static AttackPoses attack_leap()
{
    FigurePose low = crouch();
    FigurePose air = tuck();
    AttackPoses a = {low, air, air, air};
    arm_r(a.strike_from, 170, 5, 0, 10, 0);
    a.strike_from.shift.z = 1.5f;
    arm_r(a.strike_to, 80, 0, 0, 0, 0);
    lean(a.strike_to, PART_CHEST, 30);
    legs(a.strike_to, -20, -30, -30, -20);
    arm_r(a.follow, 60, 0, 0, 10, 10);
    lean(a.follow, PART_CHEST, 25);
    return a;
}

static AttackPoses attack_poses(PoseKind kind)
{
    switch (kind) {
    case POSE_CHOP: return attack_chop(stance());
    case POSE_THRUST: return attack_thrust();
    case POSE_CHOP_CROUCH: return attack_chop(crouch());
    case POSE_CHOP_AIR: return attack_chop(tuck());
    case POSE_SLASH: return attack_slash(stance(), 65, 1);
    case POSE_BACKSLASH: return attack_slash(stance(), 70, -1);
    case POSE_RISING: return attack_rising();
    case POSE_SLASH_CROUCH: return attack_slash(crouch(), 70, 1);
    case POSE_SLASH_AIR: return attack_slash(tuck(), 60, 1);
    case POSE_KICK: return attack_kick(stance(), 85, 90, -10, 1.5f, 20);
    case POSE_KICK_HIGH: return attack_kick(stance(), 95, 110, 0, 2.5f, 30);
    case POSE_KICK_CROUCH: return attack_kick(crouch(), 40, 85, 0, 1.0f, 5);
    case POSE_SWEEP: return attack_sweep();
    case POSE_KICK_AIR: return attack_kick(tuck(), 60, 50, 0, 0.5f, 10);
    case POSE_CAST: return attack_cast();
    case POSE_STOMP: return attack_stomp();
    default: return attack_leap();
    }
}

// A one-way move at t = 0 (its first key) to 1 (its last).
static FigurePose pose_sequence(PoseKind kind, f32 t)
{
    FigurePose base = stance();
    switch (kind) {
    case POSE_DASH:
    case POSE_DASH_BACK: {
        f32 d = kind == POSE_DASH ? 1.0f : -1.0f;
        lean(base, PART_CHEST, 22 * d);
        arm_r(base, 25 - 45 * d, 10, 0, 50, 20);
        FigurePose stride[2] = {base, base};
        legs(stride[0], 50 * d, -40, -35 * d, -30);
        legs(stride[1], -30 * d, -40, 45 * d, -30);
        return pose_path(stride, 2, t);
    }
    case POSE_JUMP: {
        FigurePose rise = stance();
        legs(rise, 15, -5, -5, -5);
        arm_r(rise, 70, 20, 0, 30, 10);
        FigurePose path[3] = {rise, tuck(), tuck()};
        legs(path[2], 90, -120, 80, -115);
        return pose_path(path, 3, t);
    }
    case POSE_LANDING: {
        FigurePose land = stance();
        kneel(land, 45, -80, 2.5f);
        FigurePose path[2] = {land, crouch()};
        return pose_path(path, 2, t);
    }
    case POSE_CROUCH:
        return crouch();
    case POSE_GUARD:
        return guard(base);
    case POSE_GUARD_CROUCH:
        return guard(crouch());
    case POSE_BLOCK:
    case POSE_BLOCK_CROUCH: {
        FigurePose held = guard(kind == POSE_BLOCK ? base : crouch());
        FigurePose pushed = held;
        lean(pushed, PART_CHEST, -12);
        pushed.shift.y = 1.2f;
        FigurePose path[2] = {pushed, held};
        return pose_path(path, 2, t);
    }
    case POSE_HIT:
    case POSE_HIT_CROUCH: {
        FigurePose struck = kind == POSE_HIT ? base : crouch();
        lean(struck, PART_CHEST, -20);
        lean(struck, PART_HEAD, -20);
        arm_r(struck, 20, 40, 0, 30, 0);
        arm_l(struck, 20, 40, 0, 30, 0);
        struck.shift.y = 1.0f;
        FigurePose path[2] = {struck, pose_blend(struck, kind == POSE_HIT ? base : crouch(), 0.5f)};
        return pose_path(path, 2, t);
    }
    case POSE_HIT_AIR: {
        FigurePose arched = tuck();
        lean(arched, PART_PELVIS, -30);
        legs(arched, -20, -30, -10, -40);
        arm_r(arched, 150, 30, 0, 10, 0);
        FigurePose path[2] = {tuck(), arched};
        return pose_path(path, 2, t);
    }
    case POSE_KNOCKDOWN:
    case POSE_KO: {
        FigurePose struck = base, falling = base;
        lean(struck, PART_CHEST, -25);
        struck.shift.y = 1.0f;
        lean(falling, PART_PELVIS, -50);
        legs(falling, 40, -60, 30, -50);
        falling.shift = {0, 2.5f, -3.5f};
        if (kind == POSE_KO) {
            FigurePose path[4] = {struck, falling, lying(), lying()};
            return pose_path(path, 4, t);
        }
        FigurePose path[5] = {struck, falling, lying(), sitting_up(), crouch()};
        return pose_path(path, 5, t);
    }
    case POSE_EDGE_HIT: {
        FigurePose slammed = base, bounced = base;
        lean(slammed, PART_CHEST, -30);
        arm_r(slammed, 30, 50, 0, 20, 0);
        arm_l(slammed, 30, 50, 0, 20, 0);
        slammed.shift.y = 1.5f;
        lean(bounced, PART_CHEST, 30);
        bounced.shift.y = -1.0f;
        FigurePose path[4] = {slammed, bounced, crouch(), crouch()};
        return pose_path(path, 4, t);
    }
    case POSE_EDGE_HIT_AIR: {
        FigurePose thrown = tuck(), flipped = tuck();
        lean(thrown, PART_PELVIS, -60);
        thrown.shift.z = 2.0f;
        lean(flipped, PART_PELVIS, -140);
        flipped.shift.z = 1.0f;
        FigurePose path[5] = {thrown, flipped, lying(), sitting_up(), crouch()};
        return pose_path(path, 5, t);
    }
    case POSE_WIN_1: {
        FigurePose raised = base;
        arm_r(raised, 175, 10, 0, 5, 0);
        arm_l(raised, 15, 45, 0, 95, 0);
        lean(raised, PART_CHEST, -8);
        FigurePose path[2] = {base, raised};
        return pose_path(path, 2, t);
    }
    case POSE_WIN_2: {
        FigurePose bow = base, salute = base;
        lean(bow, PART_CHEST, 35);
        arm_r(bow, 10, 10, 0, 20, 0);
        arm_r(salute, 100, 0, -60, 90, 0);
        lean(salute, PART_CHEST, -5);
        FigurePose path[3] = {base, bow, salute};
        return pose_path(path, 3, t);
    }
    case POSE_TIME_OVER:
        lean(base, PART_CHEST, 25);
        lean(base, PART_HEAD, 30);
        arm_r(base, 5, 10, 0, 10, 0);
        arm_l(base, 5, 10, 0, 10, 0);
        kneel(base, 15, -25, 0.6f);
        return base;
    default:
        return base;
    }
}

// The stun's sway and the flurry's alternating blows go key by key.
static FigurePose pose_alternating(PoseKind kind, int step, f32 t)
{
    f32 side = (step & 1) ? 1.0f : -1.0f;
    FigurePose p = stance();
    if (kind == POSE_STUNNED) {
        lean(p, PART_CHEST, 10, 12 * side);
        lean(p, PART_HEAD, 10, 18 * side);
        arm_r(p, 5, 10, 0, 10, 0);
        arm_l(p, 5, 10, 0, 10, 0);
        kneel(p, 20, -30, 0.8f);
        return p;
    }
    AttackPoses slash = attack_slash(stance(), 75, side);
    FigurePose blow = pose_blend(slash.strike_from, slash.strike_to, 0.5f);
    blow.shift.y = -1.0f - t;
    return blow;
}

// The attack's pose at key k of lo..hi, striking through keys a0..a1.
static FigurePose pose_attack(PoseKind kind, int k, int lo, int hi, int a0, int a1)
{
    AttackPoses a = attack_poses(kind);
    if (k <= lo)
        return a.wind;
    if (k < a0)
        return pose_blend(a.wind, a.strike_from, static_cast<f32>(k - lo) / (a0 - lo));
    // A window of one key is open only on the step into it: that step carries the whole blow.
    if (k <= a1)
        return pose_blend(a.strike_from, a.strike_to, a1 > a0 ? static_cast<f32>(k - a0) / (a1 - a0) : 1.0f);
    FigurePose rest =
        kind == POSE_KICK_AIR || kind == POSE_CHOP_AIR || kind == POSE_SLASH_AIR ? tuck() : a.follow;
    return pose_blend(a.follow, rest, hi > a1 + 1 ? static_cast<f32>(k - a1 - 1) / (hi - a1 - 1) : 0.0f);
}

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

static std::vector<PosedMove> character_moves(int id)
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

static FigurePose human_pose(const PosedMove &m, int k)
{
    PoseKind kind = pose_kind(m.action);
    int span = m.hi - m.lo;
    f32 t = span > 0 ? static_cast<f32>(k - m.lo) / span : 1.0f;
    switch (kind) {
    case POSE_IDLE:
    case POSE_WALK:
    case POSE_WALK_BACK:
    case POSE_PROFILE:
    case POSE_CHARGE:
    case POSE_SPIN:
        return pose_cycle(kind, static_cast<f32>(k - m.lo) / (span + 1));
    case POSE_STUNNED:
    case POSE_FLURRY:
        return pose_alternating(kind, k - m.lo, t);
    default:
        break;
    }
    if (pose_is_attack(kind))
        return pose_attack(kind, k, m.lo, m.hi, m.a0, m.a1);
    return pose_sequence(kind, t);
}

// The Sphinx kicks with her left front paw rather than a hind leg.
static void sphinx_adapt(FigurePose &p, PoseKind kind)
{
    if (!pose_is_kick(kind))
        return;
    p.part[PART_UPPER_ARM_L] = p.part[PART_THIGH_R];
    p.part[PART_FOREARM_L] = p.part[PART_SHIN_R];
    p.part[PART_HAND_L] = {0, 0, 0};
    p.part[PART_THIGH_R] = p.part[PART_SHIN_R] = p.part[PART_FOOT_R] = {0, 0, 0};
}

// The Sphinx fallen: on her belly with the legs splayed along the ground, fore to the front
// and hind behind, her head slumped to one side, the wings spread limp above the ground and
// the tail lying out behind (shift in units of a 20-unit figure, as the human poses').
static FigurePose sphinx_fallen()
{
    FigurePose p = {};
    lean(p, PART_PELVIS, 0, 8);
    lean(p, PART_CHEST, 6, -4);
    lean(p, PART_HEAD, 35, 15, 30);
    arm_r(p, 80, 25, 0, 10, -20);
    arm_l(p, 75, 30, 0, 15, -20);
    legs(p, -80, 10, -75, 5);
    turn(p, PART_WING_R, -10, 70);
    turn(p, PART_WING_L, -10, 70);
    turn(p, PART_TAIL, -45, 0, 25);
    p.shift = {0, 0, -6.8f};
    return p;
}

// Her knock-out: struck, sagging onto her legs, then down for good.
static FigurePose sphinx_knockout(f32 t)
{
    FigurePose struck = stance();
    lean(struck, PART_CHEST, -15);
    lean(struck, PART_HEAD, -20);
    struck.shift.y = 1.0f;
    FigurePose down = sphinx_fallen();
    FigurePose sagging = pose_blend(stance(), down, 0.5f);
    FigurePose path[4] = {struck, sagging, down, down};
    return pose_path(path, 4, t);
}

// ---- the Hydra ---------------------------------------------------------------------------
static FigurePart hydra_neck(int head) { return static_cast<FigurePart>(PART_NECK_0 + 2 * head); }
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

static FigurePose hydra_pose(const PosedMove &m, int k, int heads)
{
    PoseKind kind = pose_kind(m.action);
    int span = m.hi - m.lo;
    f32 t = span > 0 ? static_cast<f32>(k - m.lo) / span : 1.0f;
    f32 phase = static_cast<f32>(k - m.lo) / (span + 1);
    f32 s = std::sin(phase * TWO_PI);
    FigurePose p = {};
    p.hidden_heads = static_cast<f32>(heads);
    for (int h = 0; h < 4; h++) {
        lean(p, hydra_neck(h), 5 + 6 * std::sin(phase * TWO_PI + h), 0, 8 * std::sin(phase * TWO_PI + 2 * h));
        lean(p, hydra_head(h), 10);
    }
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
            lean(p, hydra_neck(h), -25 - 10 * t, 0, (kind == POSE_STUNNED ? 15 : 0) * (k & 1 ? 1 : -1));
        p.shift.y = kind == POSE_GUARD ? 0.0f : 1.0f;
        return p;
    case POSE_KO:
        for (int h = 0; h < 4; h++) {
            lean(p, hydra_neck(h), 40 + 50 * t);
            lean(p, hydra_head(h), 20);
        }
        turn(p, PART_UPPER_ARM_R, 0, 30 * t);
        turn(p, PART_UPPER_ARM_L, 0, 30 * t);
        p.shift.z = -4.5f * t;
        return p;
    case POSE_HEAD_LOST:
        lean(p, hydra_neck(heads - 1), 100 * t);
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
            lean(p, hydra_neck(h), reach, 0, k <= m.a0 ? sweep : -sweep);
            lean(p, hydra_head(h), reach * 0.5f);
        }
    p.shift.y = reach > 30 ? -1.0f : 0.0f;
    return p;
}

// ---- writing the keys ----------------------------------------------------------------
static void write_pose(FigureRig *rig, int key, const FigurePose &p, f32 unit)
{
    std::vector<EsqTurn> turns;
    for (size_t bone = 0; bone < rig->parts.size(); bone++) {
        FigurePart part = rig->parts[bone];
        if (part == PART_EDGE)
            continue;
        const FigureAngles &a = p.part[part];
        if (a.ax != 0.0f || a.ay != 0.0f || a.az != 0.0f)
            turns.push_back({static_cast<int>(bone), a.ax, a.ay, a.az});
    }
    esq_set_pose(rig->skeleton, key, turns.data(), static_cast<int>(turns.size()));
    esq_set_shift(rig->skeleton, key, rig->bone_of[PART_PELVIS],
                  {p.shift.x * unit, p.shift.y * unit, p.shift.z * unit});
    // The Hydra's lost heads shrink into their necks' roots (never to nothing: a zero scale
    // would collapse the bone's matrix).
    for (int h = 0; h < 4; h++) {
        int neck = rig->bone_of[hydra_neck(h)];
        if (neck >= 0 && h >= p.hidden_heads)
            esq_set_scale(rig->skeleton, key, neck, {0.05f, 0.05f, 0.05f});
    }
}

// The heads a Hydra key shows: its bank's, but the fixed keys are shared by every bank; the
// knock-out comes only once the last head is spent, the other fixed poses show the whole beast.
static int hydra_heads_shown(const PosedMove &m, int bank_heads)
{
    if (!m.fixed)
        return bank_heads;
    return m.action == ACTION_KO ? 1 : 4;
}

// The Hydra's banks by heads left: the first key of each.
static const int hydra_banks[4][2] = {{4, 0}, {3, 63}, {2, 127}, {1, 191}};

// Writes key `key` of a move as the move stands at its own key k, unless a move before it
// wrote that key already.
static void pose_key(FigureRig *rig, const FigureStyle &style, std::vector<bool> &posed, const PosedMove &m,
                     int key, int k, int heads)
{
    if (key < 0 || key >= ESQ_KEYS || posed[key])
        return;
    posed[key] = true;
    bool hydra = style.body == BODY_HYDRA;
    FigurePose p = hydra ? hydra_pose(m, k, hydra_heads_shown(m, heads)) : human_pose(m, k);
    if (style.body == BODY_SPHINX && pose_kind(m.action) == POSE_KO)
        p = sphinx_knockout(m.hi > m.lo ? static_cast<f32>(k - m.lo) / (m.hi - m.lo) : 1.0f);
    if (!hydra)
        p.hidden_heads = 4;
    if (style.body == BODY_SPHINX)
        sphinx_adapt(p, pose_kind(m.action));
    write_pose(rig, key, p, style.height / 20.0f);
}

void figure_pose_keys(int id, FigureRig *rig)
{
    const FigureStyle &style = figure_styles[id];
    std::vector<bool> posed(ESQ_KEYS, false);
    posed[0] = true;   // the captured pose
    std::vector<PosedMove> moves = character_moves(id);
    int banks = style.body == BODY_HYDRA ? 4 : 1;
    // A move that ends with the key past its last shown in full hands that key its own last
    // pose, even where the next move starts on it: the next starts from a still figure, this
    // one would pop. Then every move's own keys; then the keys a move shows past them (a
    // landing's held key, the pair a special ends on) take the pose of the move's nearest key,
    // where no move owns them, so that no move ever snaps into the rest pose.
    for (int pass = 0; pass < 3; pass++)
        for (int b = 0; b < banks; b++) {
            int heads = hydra_banks[b][0], offset = hydra_banks[b][1];
            for (const PosedMove &m : moves) {
                if (m.fixed && offset != 0)
                    continue;
                int bank = m.fixed ? 0 : offset;
                if (pass == 0 && m.ends_past_in_full)
                    pose_key(rig, style, posed, m, m.hi + 1 + bank, m.hi, heads);
                if (pass == 1)
                    for (int k = m.lo; k <= m.hi; k++)
                        pose_key(rig, style, posed, m, k + bank, k, heads);
                for (int i = 0; pass == 2 && i < m.outer_count; i++)
                    pose_key(rig, style, posed, m, m.outer[i] + bank, std::clamp(m.outer[i], m.lo, m.hi), heads);
            }
        }
}
