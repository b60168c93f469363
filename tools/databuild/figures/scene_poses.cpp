// The poses the painted scenes ask of a figure (scene.h's ScenePose), built with the pose kit
// for any human rig: a fighter's or a figure drawn only in pictures. What a figure holds
// changes a few of them: a long staff or spear in the right hand is held upright, head or
// point up, so a figure that carries one speaks with its left hand.
#include "tools/databuild/figures/pose_kit.h"
#include "tools/databuild/figures/scene_figures.h"

#include <cmath>

constexpr f32 SCENE_DEGREES = TWO_PI / 360.0f;
// The legs of a 20-unit figure: the hip over the knee, the knee over the ankle, the ankle over
// the ground.
constexpr f32 SCENE_THIGH = 4.5f, SCENE_SHIN = 4.5f, SCENE_ANKLE = 1.0f, SCENE_HIP = 10.0f;

// How far the pelvis comes down when both legs fold to these turns with the feet on the
// ground (a shin's turn is the knee's, relative to its thigh).
static f32 seat_drop(f32 thigh, f32 shin)
{
    f32 reach = SCENE_THIGH * std::cos(thigh * SCENE_DEGREES) + SCENE_SHIN * std::cos((thigh + shin) * SCENE_DEGREES);
    return SCENE_HIP - SCENE_ANKLE - reach;
}

static bool holds_staff(const FigureStyle &style)
{
    return style.weapon == WEAPON_SPEAR || style.weapon == WEAPON_STAFF;
}

// The poses below turn a hand as for a staff, whose head is above the hand at rest; a hand
// holding anything else (a spear's point, a sword's blade, below the hand at rest) turns half
// round more, so that the business end leads.
static f32 head_flip(const FigureStyle &style)
{
    return style.weapon == WEAPON_STAFF ? 0.0f : 180.0f;
}

// The right arm holding a staff that leans `tilt` degrees from upright in the chest's frame,
// its foot forward: the hand turns back what the arm turned. A chest bent forward tips the
// staff's foot back by as much.
static void staff_arm(FigurePose &p, const FigureStyle &style, f32 upper, f32 roll, f32 fore, f32 tilt)
{
    arm_r(p, upper, roll, 0, fore, tilt + head_flip(style) - upper - fore);
}

// At ease: the weight on the right leg, the left knee eased forward, the hips tipped over the
// standing leg and the shoulders against them; a staff stands upright beside the right foot.
static FigurePose scene_stand(const FigureStyle &style)
{
    FigurePose p = {};
    legs(p, 2, -2, -4, 14);
    turn(p, PART_FOOT_L, -8);
    lean(p, PART_PELVIS, 0, -3);
    lean(p, PART_CHEST, 2, 4);
    turn(p, PART_HEAD, -3, 0, 4);
    arm_r(p, 6, 8, 0, 14, 0);
    arm_l(p, 4, 9, 0, 22, 5);
    if (holds_staff(style))
        staff_arm(p, style, 14, 12, 76, 0);
    p.shift = {0, 0, -0.05f};
    return p;
}

// Seated with the feet flat on the ground, the legs at these turns, the back upright.
static FigurePose scene_seated(const FigureStyle &style, f32 thigh, f32 shin)
{
    FigurePose p = scene_stand(style);
    legs(p, 0, 0, 0, 0);
    kneel(p, thigh, shin, seat_drop(thigh, shin));
    lean(p, PART_PELVIS, 0);
    lean(p, PART_CHEST, 0);
    return p;
}

static FigurePose scene_pose_human(ScenePose pose, const FigureStyle &style)
{
    FigurePose p = scene_stand(style);
    switch (pose) {
    case SCENE_STAND:
        break;
    case SCENE_SPEAK:
        // The palm out at shoulder height, the head a little up.
        if (holds_staff(style))
            arm_l(p, 55, 25, 0, 75, -45);
        else
            arm_r(p, 55, 25, 0, 75, -45);
        turn(p, PART_HEAD, -6, 0, 0);
        break;
    case SCENE_ENTHRONED:
        // The forearms along the armrests, what the hands hold upright beside them.
        p = scene_seated(style, 90, -90);
        arm_r(p, 12, 14, 0, 78, -90);
        arm_l(p, 12, 14, 0, 78, -90);
        // A staff's foot is planted ahead of the seat.
        if (holds_staff(style))
            staff_arm(p, style, 25, 14, 95, 40);
        turn(p, PART_HEAD, -3);
        break;
    case SCENE_SIT:
        // On a rock: the knees up, one forearm on them, leaning forward.
        p = scene_seated(style, 75, -55);
        lean(p, PART_CHEST, 14);
        turn(p, PART_HEAD, -10);
        arm_r(p, 40, 6, 0, 45, 0);
        arm_l(p, 25, 10, 0, 70, 10);
        if (holds_staff(style))
            staff_arm(p, style, 35, 8, 70, 60);
        break;
    case SCENE_FLEE:
        // In full stride, bent forward, the head turned back over the right shoulder.
        legs(p, 55, -75, -30, -55);
        turn(p, PART_FOOT_R, 10);
        turn(p, PART_FOOT_L, 35);
        lean(p, PART_PELVIS, 12);
        lean(p, PART_CHEST, 10, 0, 20);
        turn(p, PART_HEAD, -5, 0, 60);
        arm_r(p, -45, 12, 0, 70, 0);
        arm_l(p, 60, 12, 0, 70, 0);
        if (holds_staff(style))
            staff_arm(p, style, 30, 12, 50, 95);   // carried level
        p.shift = {0, 0, -0.9f};
        break;
    case SCENE_RAISE:
        // The right arm straight up, what it holds pointing at the sky.
        arm_r(p, 172, 10, 0, 8, 180 + head_flip(style));
        arm_l(p, 20, 25, 0, 35, 0);
        lean(p, PART_CHEST, -5, 3);
        turn(p, PART_HEAD, -15);
        break;
    case SCENE_THROW:
        // Drawn back: the weight on the back foot, the chest turned away, the arm cocked
        // behind the head with what it throws pointing forward.
        legs(p, 30, -10, -20, -25);
        lean(p, PART_CHEST, -10, 0, -35);
        turn(p, PART_HEAD, 0, 0, 30);
        // What it throws points forward and up, along the line it will fly.
        arm_r(p, 125, 10, 0, 60, 65 + head_flip(style));
        arm_l(p, 85, 10, 0, 10, 0);
        break;
    case SCENE_SPIN:
        // The distaff held up in the left hand, the right drawing the thread down before her.
        arm_l(p, 60, 15, 0, 70, -130);
        arm_r(p, 35, 10, 0, 35, -70);
        turn(p, PART_HEAD, 10, 0, 15);
        break;
    case SCENE_DRAW_BOW:
        // Side on to the mark: the bow arm straight out to the left, the string drawn to the
        // right shoulder.
        legs(p, 15, -5, -15, -5);
        lean(p, PART_CHEST, 0, 0, 60);
        turn(p, PART_HEAD, 0, 0, -60);
        arm_l(p, 90, 0, 0, 0, -90);
        arm_r(p, 90, 0, 0, 140, 0);
        break;
    case SCENE_EMBRACE:
        arm_r(p, 75, -15, 0, 55, 0);
        arm_l(p, 75, -15, 0, 55, 0);
        lean(p, PART_CHEST, 8);
        turn(p, PART_HEAD, 8);
        break;
    case SCENE_KNEEL:
        // On the right knee, the shin rising behind it to the toes tucked under, the left
        // foot planted forward; held a little above the ground, where a long robe's folds
        // round the knee lie.
        legs(p, -5, -110, 95, -95);
        turn(p, PART_FOOT_R, 30);
        turn(p, PART_FOOT_L, 0);
        lean(p, PART_PELVIS, 0);
        lean(p, PART_CHEST, 5);
        arm_l(p, 55, 10, 0, 45, 0);
        arm_r(p, 10, 10, 0, 20, 0);
        if (holds_staff(style))
            staff_arm(p, style, 30, 10, 80, 45);
        p.shift = {0, 0, -4.45f};
        break;
    case SCENE_BOW_DOWN:
        // On both knees, bent low, the hands forward on the ground.
        legs(p, 0, -95, 0, -95);
        turn(p, PART_FOOT_R, 40);
        turn(p, PART_FOOT_L, 40);
        lean(p, PART_PELVIS, 40);
        lean(p, PART_CHEST, 25);
        turn(p, PART_HEAD, -20);
        arm_r(p, -15, 12, 0, 15, 0);
        arm_l(p, -15, 12, 0, 15, 0);
        if (holds_staff(style))
            staff_arm(p, style, -15, 12, 15, 155);   // laid level before the bowed head
        p.shift = {0, 0, -4.7f};
        break;
    case SCENE_LIE:
        // On the back, the right arm loose at the side, the left forearm across the body (and
        // a shield on it over the body, not into the ground); a robe's folds lie deeper
        // than a fighter's gear, so the body lies a little higher than a knocked-out fighter.
        p = lying();
        arm_r(p, -8, 22, 0, 8, 0);
        arm_l(p, 15, 5, 0, 0, 0);
        turn(p, PART_FOREARM_L, 35, -75);
        turn(p, PART_HEAD, 0, 0, 20);
        p.shift.z += 1.3f;
        break;
    case SCENE_STRIKE:
        // A lunge: the blow driven forward at shoulder height.
        legs(p, 50, -55, -30, -5);
        lean(p, PART_CHEST, 15, 0, -15);
        arm_r(p, 85, 5, 0, 10, 70);
        arm_l(p, -25, 25, 0, 30, 0);
        // A staff or spear is driven overhand, point forward and down.
        if (holds_staff(style))
            arm_r(p, 140, 10, 0, 30, 80 + head_flip(style));
        p.shift = {0, 0, -1.0f};
        break;
    case SCENE_HAMMER:
        // The hammer up behind the head, the left hand holding the work on the anvil.
        legs(p, 15, -15, -10, -5);
        lean(p, PART_CHEST, 15);
        arm_r(p, 165, 15, 0, 70, 30);
        arm_l(p, 60, 10, 0, 45, 0);
        break;
    case SCENE_MEASURE:
        // The rod held level across the body in both hands.
        arm_r(p, 45, -5, 0, 50, 0);
        turn(p, PART_HAND_R, 0, 90);
        arm_l(p, 45, -5, 0, 50, 0);
        turn(p, PART_HEAD, 15);
        break;
    case SCENE_CUT:
        // The blades pointing ahead at the thread held out in the other hand.
        arm_r(p, 55, -15, 0, 75, -40);
        arm_l(p, 50, -10, 0, 80, -40);
        turn(p, PART_HEAD, 12);
        break;
    case SCENE_CHEER:
        arm_r(p, 160, 30, 0, 15, 0);
        arm_l(p, 160, 30, 0, 15, 0);
        turn(p, PART_HEAD, -12);
        break;
    case SCENE_WALK:
        legs(p, 25, -12, -22, -18);
        turn(p, PART_FOOT_L, 15);
        arm_r(p, -18, 8, 0, 18, 0);
        arm_l(p, 22, 8, 0, 22, 0);
        if (holds_staff(style))
            staff_arm(p, style, 25, 12, 65, 5);
        p.shift = {0, 0, -0.35f};
        break;
    case SCENE_POINT:
        arm_r(p, 88, 5, 0, 0, 0);
        turn(p, PART_HEAD, 0, 0, 0);
        break;
    default:
        break;
    }
    p.hidden_heads = 4;
    return p;
}

// The dog (on the Sphinx's four-legged rig) stands for every pose but lying
// down, where its belly is on the ground, its forelegs stretched out before it and its hind
// legs folded under it.
static FigurePose scene_pose_beast(ScenePose pose)
{
    FigurePose p = {};
    if (pose == SCENE_LIE || pose == SCENE_SIT || pose == SCENE_BOW_DOWN) {
        turn(p, PART_UPPER_ARM_R, 60);
        turn(p, PART_FOREARM_R, 20);
        turn(p, PART_HAND_R, -80);
        turn(p, PART_UPPER_ARM_L, 60);
        turn(p, PART_FOREARM_L, 20);
        turn(p, PART_HAND_L, -80);
        legs(p, 60, -150, 60, -150);
        turn(p, PART_HEAD, 10);
        p.shift = {0, 0, -5.4f};
    }
    p.hidden_heads = 4;
    return p;
}

FigurePose scene_pose(ScenePose pose, const FigureStyle &style)
{
    if (style.body != BODY_HUMAN)
        return scene_pose_beast(pose);
    return scene_pose_human(pose, style);
}
