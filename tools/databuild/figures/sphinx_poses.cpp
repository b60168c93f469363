// The Sphinx's poses: the human poses with her kicks dealt by a front paw, and her falls,
// throws and knock-out as a beast's, on her belly or low on her four legs, wings spread.
#include "tools/databuild/figures/pose_kit.h"

// How far her crouch sits back from her x (units of a 20-unit figure).
constexpr f32 SPHINX_CROUCH_BACK = 0.8f;

// The Sphinx crouches as a cat does, her chest held level and her haunches sunk back (a
// chest bowed forward as a man's stood her breast in the knees of an opponent crouching
// close), and kicks with her left front paw rather than a hind leg.
void sphinx_adapt(FigurePose &p, PoseKind kind)
{
    if (kind == POSE_CROUCH || kind == POSE_GUARD_CROUCH || kind == POSE_BLOCK_CROUCH) {
        lean(p, PART_CHEST, 0);
        p.shift.y += SPHINX_CROUCH_BACK;
    }
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
    arm_r(p, 66, 25, 0, 20, -5);
    arm_l(p, 62, 30, 0, 24, -5);
    legs(p, -88, 0, -85, 0);
    turn(p, PART_WING_R, -10, 70);
    turn(p, PART_WING_L, -10, 70);
    turn(p, PART_TAIL, -45, 0, 25);
    p.shift = {0, 0, -6.1f};
    return p;
}

// Low on her four legs, the legs slanted out under her as far as her body comes down.
static FigurePose sphinx_low()
{
    FigurePose p = stance();
    arm_r(p, 50, 10, 0, 0, -30);
    arm_l(p, 50, 10, 0, 0, -30);
    legs(p, -50, 0, -50, 0);
    p.shift.z = -2.0f;
    return p;
}

// Struck: reared back, head thrown up.
static FigurePose sphinx_struck()
{
    FigurePose p = stance();
    lean(p, PART_CHEST, -15);
    lean(p, PART_HEAD, -20);
    p.shift.y = 1.0f;
    return p;
}

// Her knock-out: struck, sagging onto her legs, then down for good.
static FigurePose sphinx_knockout(f32 t)
{
    FigurePose down = sphinx_fallen();
    FigurePose path[4] = {sphinx_struck(), sphinx_low(), down, down};
    return pose_path(path, 4, t);
}

// Her falls as a beast's: knocked off her paws she drops onto her belly and gets up on all
// fours, gathering her legs under her; thrown, she tumbles over onto her side in the air
// before she lands; slammed into the edge she crouches low on her four legs. False for the
// moves she makes as the others do.
bool sphinx_fall(PoseKind kind, f32 t, FigurePose *out)
{
    FigurePose down = sphinx_fallen();
    FigurePose low = sphinx_low();
    FigurePose struck = sphinx_struck();
    switch (kind) {
    case POSE_KO:
        *out = sphinx_knockout(t);
        return true;
    case POSE_KNOCKDOWN: {
        FigurePose path[5] = {struck, low, down, low, stance()};
        *out = pose_path(path, 5, t);
        return true;
    }
    case POSE_EDGE_HIT: {
        FigurePose slammed = struck, bounced = stance();
        lean(slammed, PART_PELVIS, 0, 12);
        slammed.shift.y = 1.5f;
        lean(bounced, PART_CHEST, 12);
        bounced.shift.y = -1.0f;
        FigurePose path[4] = {slammed, bounced, low, low};
        *out = pose_path(path, 4, t);
        return true;
    }
    case POSE_HIT_AIR:
    case POSE_EDGE_HIT_AIR: {
        // Rolled over her back in the air: her legs flail out to the sky's side, her head
        // and wings stay clear of the ground below.
        FigurePose thrown = struck, rolled = stance();
        lean(thrown, PART_PELVIS, 0, 35);
        legs(thrown, 30, -20, -30, -10);
        thrown.shift.z = 2.0f;
        lean(rolled, PART_PELVIS, 0, 80);
        arm_r(rolled, 40, 30, 0, 20, 0);
        arm_l(rolled, 30, 30, 0, 30, 0);
        turn(rolled, PART_WING_R, -10, 40);
        turn(rolled, PART_WING_L, -10, 40);
        rolled.shift.z = 3.5f;
        if (kind == POSE_HIT_AIR) {
            FigurePose path[2] = {thrown, rolled};
            *out = pose_path(path, 2, t);
            return true;
        }
        FigurePose path[5] = {thrown, rolled, down, low, stance()};
        *out = pose_path(path, 5, t);
        return true;
    }
    default:
        return false;
    }
}
