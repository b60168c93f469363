// The fighters' key frames: a pose per key of every move, made from the same key-frame tables
// the sequencer runs, so that swings swing through the keys where the attack window is open, kicks kick, falls
// fall. Every key a move can show is posed; keys no move shows stay the identity.
// The moves are built from the kit in pose_kit.cpp; the Sphinx's and the Hydra's own poses are
// in sphinx_poses.cpp and hydra_poses.cpp.
#include "tools/databuild/figures/pose_kit.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

// ---- one-way moves -----------------------------------------------------------------------
// Each runs from t = 0 (the move's first key) to 1 (its last).

// A dash forward or back: leaning into it, the legs striding once.
static FigurePose pose_dash(PoseKind kind, f32 t)
{
    FigurePose base = stance();
    f32 d = kind == POSE_DASH ? 1.0f : -1.0f;
    lean(base, PART_CHEST, 22 * d);
    arm_r(base, 25 - 45 * d, 10, 0, 50, 20);
    FigurePose stride[2] = {base, base};
    legs(stride[0], 50 * d, -40, -35 * d, -30);
    legs(stride[1], -30 * d, -40, 45 * d, -30);
    return pose_path(stride, 2, t);
}

// Springing up into the tuck, the legs drawn up higher at the top.
static FigurePose pose_jump(f32 t)
{
    FigurePose rise = stance();
    legs(rise, 15, -5, -5, -5);
    arm_r(rise, 70, 20, 0, 30, 10);
    FigurePose path[3] = {rise, tuck(), tuck()};
    legs(path[2], 90, -120, 80, -115);
    return pose_path(path, 3, t);
}

// Touching down on bent knees, then settling into the crouch.
static FigurePose pose_landing(f32 t)
{
    FigurePose land = stance();
    kneel(land, 45, -80, 2.5f);
    FigurePose path[2] = {land, crouch()};
    return pose_path(path, 2, t);
}

// A blow taken on the guard, standing or crouched: pushed back, then held again.
static FigurePose pose_block(PoseKind kind, f32 t)
{
    FigurePose held = guard(kind == POSE_BLOCK ? stance() : crouch());
    FigurePose pushed = held;
    lean(pushed, PART_CHEST, -12);
    pushed.shift.y = 1.2f;
    FigurePose path[2] = {pushed, held};
    return pose_path(path, 2, t);
}

// Struck, standing or crouched: thrown back, then halfway home again.
static FigurePose pose_hit(PoseKind kind, f32 t)
{
    FigurePose base = stance();
    FigurePose struck = kind == POSE_HIT ? base : crouch();
    lean(struck, PART_CHEST, -20);
    lean(struck, PART_HEAD, -20);
    arm_r(struck, 20, 40, 0, 30, 0);
    arm_l(struck, 20, 40, 0, 30, 0);
    struck.shift.y = 1.0f;
    FigurePose path[2] = {struck, pose_blend(struck, kind == POSE_HIT ? base : crouch(), 0.5f)};
    return pose_path(path, 2, t);
}

// Struck in the air: from the tuck, arched back.
static FigurePose pose_hit_air(f32 t)
{
    FigurePose arched = tuck();
    lean(arched, PART_PELVIS, -30);
    legs(arched, -20, -30, -10, -40);
    arm_r(arched, 150, 30, 0, 10, 0);
    FigurePose path[2] = {tuck(), arched};
    return pose_path(path, 2, t);
}

// Knocked down: struck, falling and lying; from a knock-down the fighter sits up and crouches,
// from a knock-out he stays down.
static FigurePose pose_fall(PoseKind kind, f32 t)
{
    FigurePose base = stance();
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

// Slammed against the arena's edge, bounced off it and down into the crouch.
static FigurePose pose_edge_hit(f32 t)
{
    FigurePose base = stance();
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

// Thrown against the edge in the air: flipped over, down, and up again.
static FigurePose pose_edge_hit_air(f32 t)
{
    FigurePose thrown = tuck(), flipped = tuck();
    lean(thrown, PART_PELVIS, -60);
    thrown.shift.z = 2.0f;
    lean(flipped, PART_PELVIS, -140);
    flipped.shift.z = 1.0f;
    FigurePose path[5] = {thrown, flipped, lying(), sitting_up(), crouch()};
    return pose_path(path, 5, t);
}

// The first victory: the weapon arm raised high.
static FigurePose pose_win_1(f32 t)
{
    FigurePose base = stance();
    FigurePose raised = base;
    arm_r(raised, 175, 10, 0, 5, 0);
    arm_l(raised, 15, 45, 0, 95, 0);
    lean(raised, PART_CHEST, -8);
    FigurePose path[2] = {base, raised};
    return pose_path(path, 2, t);
}

// The second victory: a bow, then a salute.
static FigurePose pose_win_2(f32 t)
{
    FigurePose base = stance();
    FigurePose bow = base, salute = base;
    lean(bow, PART_CHEST, 35);
    arm_r(bow, 10, 10, 0, 20, 0);
    arm_r(salute, 100, 0, -60, 90, 0);
    lean(salute, PART_CHEST, -5);
    FigurePose path[3] = {base, bow, salute};
    return pose_path(path, 3, t);
}

// Time over: slumped, head down, the knees giving.
static FigurePose pose_time_over()
{
    FigurePose base = stance();
    lean(base, PART_CHEST, 25);
    lean(base, PART_HEAD, 30);
    arm_r(base, 5, 10, 0, 10, 0);
    arm_l(base, 5, 10, 0, 10, 0);
    kneel(base, 15, -25, 0.6f);
    return base;
}

// A one-way move at t = 0 (its first key) to 1 (its last).
static FigurePose pose_sequence(PoseKind kind, f32 t)
{
    switch (kind) {
    case POSE_DASH:
    case POSE_DASH_BACK: return pose_dash(kind, t);
    case POSE_JUMP: return pose_jump(t);
    case POSE_LANDING: return pose_landing(t);
    case POSE_CROUCH: return crouch();
    case POSE_GUARD: return guard(stance());
    case POSE_GUARD_CROUCH: return guard(crouch());
    case POSE_BLOCK:
    case POSE_BLOCK_CROUCH: return pose_block(kind, t);
    case POSE_HIT:
    case POSE_HIT_CROUCH: return pose_hit(kind, t);
    case POSE_HIT_AIR: return pose_hit_air(t);
    case POSE_KNOCKDOWN:
    case POSE_KO: return pose_fall(kind, t);
    case POSE_EDGE_HIT: return pose_edge_hit(t);
    case POSE_EDGE_HIT_AIR: return pose_edge_hit_air(t);
    case POSE_WIN_1: return pose_win_1(t);
    case POSE_WIN_2: return pose_win_2(t);
    case POSE_TIME_OVER: return pose_time_over();
    default: return stance();
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

static FigurePose human_pose(const PosedMove &m, int k)
{
    PoseKind kind = pose_kind(m.action);
    int span = m.hi - m.lo;
    f32 t = move_progress(m, k);
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

// ---- writing the keys ----------------------------------------------------------------
void figure_write_pose(FigureRig *rig, int key, const FigurePose &p, f32 unit)
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

// A heavy weapon (a club, a great axe) is not held out at the opponent between blows as a
// blade is: its bearer rests it on his shoulder, forearm up and wrist cocked back, so that at
// the closest distance its head stands over him rather than in the other fighter's face.
static bool weapon_is_heavy(FigureWeapon weapon) { return weapon == WEAPON_CLUB || weapon == WEAPON_AXE; }

static void heavy_weapon_at_rest(FigurePose &p, PoseKind kind)
{
    if (kind == POSE_IDLE || kind == POSE_WALK || kind == POSE_WALK_BACK)
        arm_r(p, 30, 15, 0, 115, 60);
}

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
    PoseKind kind = pose_kind(m.action);
    if (style.body == BODY_SPHINX) {
        sphinx_fall(kind, move_progress(m, k), &p);
        sphinx_adapt(p, kind);
    }
    if (!hydra)
        p.hidden_heads = 4;
    if (weapon_is_heavy(style.weapon))
        heavy_weapon_at_rest(p, kind);
    figure_write_pose(rig, key, p, style.height / 20.0f);
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
