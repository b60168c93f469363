// The Sphinx's poses: the human poses with her kicks dealt by a front paw, and her fall and
// knock-out on her belly, wings spread.
#include "tools/databuild/figures/pose_kit.h"

// The Sphinx kicks with her left front paw rather than a hind leg.
void sphinx_adapt(FigurePose &p, PoseKind kind)
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
FigurePose sphinx_knockout(f32 t)
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
