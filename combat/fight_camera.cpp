// The fight camera: looks at the point between the fighters from a distance that grows with
// their separation, lifts and pulls back when they jump, orbits under the paused player's
// mouse, bobs for a shake and creeps toward a knocked-out fighter.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <cmath>

constexpr f32 CAMERA_START_TERM = 13.0f;
constexpr f32 CAMERA_START_YAW = 3.1415f;
constexpr f32 BOB_STEP = 0.5f;
constexpr f32 BOB_TOP = 2.0f;
constexpr f32 EYE_Y_NEAREST = -36.0f;
constexpr f32 EYE_Y_FARTHEST = -130.0f;
constexpr f32 SIDE_LIMIT = 30.0f;
constexpr f32 SIDE_LIMIT_WIDE = 80.0f;        // Hades
constexpr f32 CENTRE_HEIGHT = 11.0f;
constexpr f32 KO_CREEP_STEP = 0.5f;
constexpr f32 YAW_MIN = 1.57f, YAW_MAX = 4.71f;
constexpr f32 TERM_MIN = 2.0f, TERM_MAX = 20.0f;
constexpr i16 HEAD_FALL_LAST_KEY = 250;

f32 camera_eye[3];
f32 camera_centre[3];
f32 camera_up_z = 1.0f;
f32 camera_yaw = CAMERA_START_YAW;
f32 camera_term = CAMERA_START_TERM;
u8 camera_shake;
f32 camera_shake_phase;
f32 camera_head_phase;
f32 fighter_distance;

// One step of a bob: 0.5, 1.0, 1.5, 2.0, then 0. Returns true when the cycle wrapped.
static bool bob_step(f32 *phase)
{
    *phase += BOB_STEP;
    if (*phase <= BOB_TOP)
        return false;
    *phase = 0.0f;
    return true;
}

static void camera_step_shake()
{
    if (camera_shake == 0 || paused) {
        camera_shake_phase = 0.0f;
        return;
    }
    if (bob_step(&camera_shake_phase))
        camera_shake--;
}

// The camera bobs while the Hydra loses a head or falls.
static bool camera_head_bob(int p)
{
    const Fighter *f = &fighters[p];
    if (!combat_character(f).camera_heads)
        return false;
    return f->action == ACTION_HEAD_LOST ||
           (f->action == ACTION_KO && fighter_skeleton(p)->last_key_to < HEAD_FALL_LAST_KEY);
}

static void camera_step_head_bob()
{
    if (paused || !(camera_head_bob(0) || camera_head_bob(1))) {
        camera_head_phase = 0.0f;
        return;
    }
    bob_step(&camera_head_phase);
}

// The fallen side when exactly one fighter is knocked out, else -1.
static int camera_fallen_side()
{
    const bool ko0 = fighters[0].action == ACTION_KO;
    const bool ko1 = fighters[1].action == ACTION_KO;
    if (ko0 == ko1)
        return -1;
    return ko0 ? 0 : 1;
}

static f32 creep(f32 value, f32 target)
{
    if (value > target)
        return value - KO_CREEP_STEP;
    if (value < target)
        return value + KO_CREEP_STEP;
    return value;
}

static void camera_free_look()
{
    if (!paused || !free_camera)
        return;
    camera_term += 0.1f * mouse_move_y;
    camera_yaw += 0.001f * mouse_move_x;
    camera_yaw = std::fmin(std::fmax(camera_yaw, YAW_MIN), YAW_MAX);
    camera_term = std::fmin(std::fmax(camera_term, TERM_MIN), TERM_MAX);
}

// Where the camera frames a fighter: its x, or its body where that stands behind its x (the
// Hydra's, behind its necks): framed on its x, a Hydra near its wall had its body off the
// screen's edge.
static f32 camera_body_x(const Fighter *f)
{
    const f32 toward = f->facing ? 1.0f : -1.0f;
    return f->pos_x - toward * combat_character(f).camera_back;
}

// Keeps both fighters in view; called once per fight tick, also while paused.
void update_fight_camera()
{
    const Fighter *a = &fighters[0];
    const Fighter *b = &fighters[1];
    camera_step_shake();                                       // 1. shake
    camera_step_head_bob();                                    // 2. head-loss bob
    const f32 distance = std::fmax(combat_character(a).camera_distance, combat_character(b).camera_distance);
    const f32 side_limit = stage_id == STAGE_HADES ? SIDE_LIMIT_WIDE : SIDE_LIMIT;   // 3.
    const int fallen = camera_fallen_side();
    const f32 ax = camera_body_x(a), bx = camera_body_x(b);
    if (fallen < 0)                                            // 4. midpoint and distance
        camera_centre[0] = (ax + bx) * 0.5f;
    camera_centre[1] = 0.0f;
    const f32 dx = a->pos_x - b->pos_x, dy = a->pos_y - b->pos_y, dz = a->pos_z - b->pos_z;
    fighter_distance = std::sqrt(dx * dx + dy * dy + dz * dz);
    const f32 framed = std::sqrt((ax - bx) * (ax - bx) + dy * dy + dz * dz);   // the bodies' distance
    f32 lift = std::fmax(fighter_distance * 0.1f - 1.0f, 0.0f);
    camera_free_look();                                        // 5. free camera
    if (fallen >= 0) {                                         // 6. creep toward the fallen
        if (game_state != STATE_TIME_OVER && !paused) {
            camera_eye[0] = creep(camera_eye[0], camera_body_x(&fighters[fallen]));
            camera_centre[0] = creep(camera_centre[0], camera_body_x(&fighters[fallen]));
        }
    } else {                                                   // 7. eye x
        const f32 x = std::sin(camera_yaw) * (distance + framed) + camera_centre[0];
        camera_eye[0] = std::fmin(std::fmax(x, -side_limit), side_limit);
    }
    camera_eye[1] = std::fmin(std::cos(camera_yaw) * (distance + framed) + camera_centre[1],
                              EYE_Y_NEAREST);                  // 8. eye y
    const f32 height = std::fmax(a->pos_z, b->pos_z);
    // Fighters at one point give an endless pull-back, which the farthest limit below catches.
    if (height > 0.0f) {                                       // 9. jumps lift and pull back
        camera_eye[1] -= 20.0f * height / fighter_distance;
        lift += 0.25f * height;
    }
    camera_eye[1] = std::fmax(camera_eye[1], EYE_Y_FARTHEST); // 10. farthest, Hydra's lift
    if (combat_character(a).camera_heads || combat_character(b).camera_heads)
        lift += 5.0f;
    camera_up_z = 1.0f;                                        // 11. heights
    const f32 bob = camera_head_phase + camera_shake_phase;
    camera_eye[2] = camera_term + lift + bob;
    camera_centre[2] = lift + CENTRE_HEIGHT + bob;
}
