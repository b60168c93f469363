// The round-intro and victory cameras: they own the view while they run and leave the opening
// shot from which the fight camera takes over.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"

#include <cmath>
#include <cstdlib>

CameraSequence camera_sequence;
i32 victory_done;
static int victory_side;   // the side round_victory_start was given

// The intro orbit: one radian round the fighter in 240 ticks, from the fight axis.
constexpr f32 ORBIT_STEP = 0.004166667f;
constexpr f32 ORBIT_START_SIDE1 = 1.5707f;
constexpr f32 ORBIT_START_SIDE2 = 4.7122f;
constexpr i32 ORBIT_LAST_TICK = 240;       // done once ticks passes it: 241 ticks
constexpr f32 ORBIT_EYE_Z[2] = {6.0f, 15.0f};
constexpr f32 INTRO_PLACE_X = 40.0f;

// Eye distance and look-at height of the intro orbit by the orbited fighter's build.
struct OrbitShot {
    f32 radius;
    f32 height;
};
static const OrbitShot orbit_regular = {30.0f, 8.0f};
static const OrbitShot orbit_polyphemus = {42.0f, 12.0f};
static const OrbitShot orbit_large = {37.0f, 10.0f};        // Minotaur, Medusa, Sphinx
static const OrbitShot orbit_hydra_near = {100.0f, 20.0f};  // side one, variant 0
static const OrbitShot orbit_hydra = {105.0f, 20.0f};

// The sweep back to the opening shot, by the largest build in the fight.
struct SweepShot {
    f32 step;          // eye y per tick
    f32 end_y;         // the round call sounds once eye y is below this
    f32 volume;        // times effects_volume
};
static const SweepShot sweep_regular = {0.5f, -54.9998f, 1.0f};
static const SweepShot sweep_large = {0.6f, -60.0f, 1.75f};          // characters 5 to 8
static const SweepShot sweep_hydra = {0.9f, -119.9997f, 2.0f};
constexpr f32 SWEEP_HYDRA_EYE_Z = 23.0f;
constexpr f32 SWEEP_HYDRA_CENTRE_Z = 21.0f;

// The opening fight camera that the sweep starts from.
constexpr f32 OPENING_EYE[3] = {0.0f, -10.0f, 15.0f};
constexpr f32 OPENING_CENTRE[3] = {0.0f, 0.0f, 13.0f};
constexpr f32 OPENING_YAW = 3.1415f;
constexpr f32 OPENING_TERM = 13.0f;

// The victory spiral.
constexpr f32 VICTORY_RADIUS = 40.0f;
constexpr f32 VICTORY_RADIUS_STEP = 0.05f;
constexpr f32 VICTORY_TURN = 0.01f;
constexpr f32 VICTORY_EYE_Z = 20.0f;
constexpr f32 VICTORY_DROP = 0.06666667f;
constexpr f32 VICTORY_DROP_POLYPHEMUS = 0.020833334f;
constexpr i32 VICTORY_LAST_TICK = 200;      // done once ticks passes it: 201 ticks
constexpr i32 VICTORY_RESULT_TICK = 15;
constexpr f32 VICTORY_LOSER_X = 30.0f;
constexpr f32 RESULT_VOLUME = 1.75f;
// A winning Hydra: a slow circle at a fixed distance, no pose and no result call.
constexpr f32 HYDRA_VICTORY_RADIUS = 105.0f;
constexpr f32 HYDRA_VICTORY_TURN = 0.0044444446f;
constexpr f32 HYDRA_VICTORY_CENTRE_Z = 20.0f;
constexpr f32 HYDRA_VICTORY_EYE_Z = 15.0f;
constexpr i32 HYDRA_VICTORY_TICKS = 226;
constexpr f32 HYDRA_LOSER_X = 40.0f;

constexpr f32 HEADING_FACES_PLUS_X = 91.0f;   // headings below it count as facing +x
constexpr int CALL_PAN = 128;                  // the calls sound from the centre
constexpr int CALL_PITCH = 1000;               // at the sample's own pitch

static bool large_build(int character)
{
    return character >= CHARACTER_POLYPHEMUS && character <= CHARACTER_SPHINX;
}

static bool either_fighter_is(bool (*test)(int))
{
    return test(fighters[0].character) || test(fighters[1].character);
}

static bool is_hydra(int character)
{
    return character == CHARACTER_HYDRA;
}

static void fighter_place(Fighter *fighter, f32 x, f32 heading)
{
    fighter->pos_x = x;
    fighter->pos_y = 0.0f;
    fighter->pos_z = 0.0f;
    fighter->heading = heading;
}

static void camera_look_at(const Fighter *fighter, f32 height)
{
    camera_centre[0] = fighter->pos_x;
    camera_centre[1] = fighter->pos_y;
    camera_centre[2] = height;
}

// The eye on a circle of `radius` round the fighter, at angle `angle` from +y towards +x.
static void camera_circle(const Fighter *fighter, f32 radius, f32 angle, f32 eye_z)
{
    camera_eye[0] = fighter->pos_x + radius * sinf(angle);
    camera_eye[1] = fighter->pos_y + radius * cosf(angle);
    camera_eye[2] = eye_z;
}

static void attacks_disarm()
{
    fighter_skeletons[0]->attack_live = 0;
    fighter_skeletons[1]->attack_live = 0;
}

static int clamp_volume(f32 volume)
{
    int v = static_cast<int>(volume);
    return v > 255 ? 255 : v;
}

static void sfx_play_call(int number, f32 volume_factor)
{
    sfx_play(number, clamp_volume(volume_factor * static_cast<f32>(effects_volume)), CALL_PAN,
              CALL_PITCH);
}

void round_intro_start(int side)
{
    attacks_disarm();
    CameraSide *record = &camera_sequence.side[side];
    record->ticks = 0;
    record->variant = (rand() % 199) / 100;
    record->done = 0;
    round_intro_orbit(0, 0);
    round_intro_orbit(1, 0);
}

static const OrbitShot &orbit_shot(int side, int variant)
{
    int character = fighters[side].character;
    if (character == CHARACTER_POLYPHEMUS)
        return orbit_polyphemus;
    if (large_build(character))
        return orbit_large;
    if (is_hydra(character))
        return side == 0 && variant == 0 ? orbit_hydra_near : orbit_hydra;
    return orbit_regular;
}

// Phase 0 starts the side's idle animation afresh at its intro place; phase 1 moves the eye.
void round_intro_orbit(int side, int phase)
{
    Fighter *fighter = &fighters[side];
    if (phase == 0) {
        Skeleton *skeleton = fighter_skeletons[side];
        skeleton->action = ACTION_IDLE;
        skeleton->posed_action = ACTION_IDLE;
        skeleton->key_from = 1;
        skeleton->key_to = 2;
        skeleton->phase = 2.0f;
        if (side == 0)
            fighter_place(fighter, -INTRO_PLACE_X, HEADING_FACING_RIGHT);
        else
            fighter_place(fighter, INTRO_PLACE_X, HEADING_FACING_LEFT);
        return;
    }
    CameraSide *record = &camera_sequence.side[side];
    record->ticks++;
    int variant = record->variant ? 1 : 0;
    const OrbitShot &shot = orbit_shot(side, variant);
    f32 turn = static_cast<f32>(record->ticks) * ORBIT_STEP;
    f32 angle = side == 0 ? ORBIT_START_SIDE1 + turn : ORBIT_START_SIDE2 - turn;
    camera_look_at(fighter, shot.height);
    camera_circle(fighter, shot.radius, angle, ORBIT_EYE_Z[variant]);
    if (record->ticks > ORBIT_LAST_TICK)
        record->done = CAMERA_DONE;
}

void round_intro_tick()
{
    CameraSide *one = &camera_sequence.side[0];
    CameraSide *two = &camera_sequence.side[1];
    if (one->done == 0)
        round_intro_orbit(0, 1);
    if (two->done == 0 && one->done == CAMERA_DONE) {
        round_intro_orbit(1, 1);
        if (two->done == CAMERA_DONE) {
            attacks_disarm();
            round_intro_sweep(0);
        }
    }
    // On the tick side two finishes, the sweep's first step follows at once.
    if (one->done == CAMERA_DONE && two->done == CAMERA_DONE && round_call_phase == 0)
        round_intro_sweep(1);
}

void round_intro_skip()
{
    camera_sequence.side[0].done = CAMERA_DONE;
    camera_sequence.side[1].done = CAMERA_DONE;
    attacks_disarm();
    round_intro_sweep(0);
}

static const SweepShot &sweep_shot()
{
    if (either_fighter_is(is_hydra))
        return sweep_hydra;
    if (either_fighter_is(large_build))
        return sweep_large;
    return sweep_regular;
}

// Phase 0 resets the round and sets the opening shot; phase 1 backs the eye away along -y
// until the round call.
void round_intro_sweep(int phase)
{
    if (phase == 0) {
        reset_round();
        for (int i = 0; i < 3; i++) {
            camera_eye[i] = OPENING_EYE[i];
            camera_centre[i] = OPENING_CENTRE[i];
        }
        camera_up_z = 1.0f;
        camera_yaw = OPENING_YAW;
        camera_term = OPENING_TERM;
        return;
    }
    const SweepShot &shot = sweep_shot();
    camera_eye[1] -= shot.step;
    if (&shot == &sweep_hydra) {
        camera_eye[2] = SWEEP_HYDRA_EYE_Z;
        camera_centre[2] = SWEEP_HYDRA_CENTRE_Z;
    }
    if (camera_eye[1] < shot.end_y) {
        round_call_phase = -1;
        sfx_play_call(SFX_ROUND_START, shot.volume);
    }
}

void round_victory_start(int side)
{
    CameraSide *record = &camera_sequence.side[side];
    record->ticks = 0;
    record->done = 0;
    victory_done = 0;
    victory_side = side;
    round_victory_orbit(side, 0);
}

// A knocked-out fighter is not circled, except the winner of a double knock-out: with nobody
// circled the camera would never end and the match would wait for ever.
void round_victory_tick()
{
    for (int side = 0; side < 2; side++)
        if (fighters[side].action != ACTION_KO || side == victory_side)
            round_victory_orbit(side, 1);
}

// The winner turns to face the loser, who stands at a fixed distance.
static void victory_place(int side, f32 loser_x)
{
    Fighter *winner = &fighters[side];
    Fighter *loser = &fighters[1 - side];
    bool loser_left = loser->pos_x < winner->pos_x;
    if (is_hydra(winner->character))
        loser_left = loser->pos_x < 0.0f;
    fighter_place(winner, 0.0f, loser_left ? HEADING_FACING_LEFT : HEADING_FACING_RIGHT);
    fighter_place(loser, loser_left ? -loser_x : loser_x, loser_left ? HEADING_FACING_RIGHT : HEADING_FACING_LEFT);
}

static void victory_pose(int side)
{
    Skeleton *skeleton = fighter_skeletons[side];
    skeleton->phase = 2.0f;
    bool loser_left = fighters[1 - side].pos_x < fighters[side].pos_x;
    skeleton->action = loser_left ? ACTION_WIN_1 : ACTION_WIN_2;
    victory_place(side, VICTORY_LOSER_X);
}

static bool knocked_out(int side)
{
    return fighters[side].action == ACTION_KO;
}

// The human's result: heard in the one-player modes by who lies knocked out, always a win for
// a challenger.
static void victory_result_call()
{
    bool one_down = knocked_out(0), two_down = knocked_out(1);
    int sound = -1;
    if (game_mode == GAME_MODE_ARCADE_P1 && one_down != two_down)
        sound = two_down ? SFX_YOU_WIN : SFX_YOU_LOSE;
    else if (game_mode == GAME_MODE_ARCADE_P2 && one_down != two_down)
        sound = one_down ? SFX_YOU_WIN : SFX_YOU_LOSE;
    else if (game_mode == GAME_MODE_CHALLENGE)
        sound = SFX_YOU_WIN;
    if (sound >= 0)
        sfx_play_call(sound, RESULT_VOLUME);
}

static void victory_spiral(int side)
{
    Fighter *winner = &fighters[side];
    CameraSide *record = &camera_sequence.side[side];
    record->ticks++;
    f32 ticks = static_cast<f32>(record->ticks);
    int character = winner->character;
    f32 height = character == CHARACTER_POLYPHEMUS ? 20.0f : large_build(character) ? 15.0f : 10.0f;
    f32 radius = VICTORY_RADIUS - VICTORY_RADIUS_STEP * ticks;
    f32 angle = winner->heading < HEADING_FACES_PLUS_X ? ORBIT_START_SIDE2 - VICTORY_TURN * ticks
                                                       : ORBIT_START_SIDE1 + VICTORY_TURN * ticks;
    f32 drop = character == CHARACTER_POLYPHEMUS ? VICTORY_DROP_POLYPHEMUS : VICTORY_DROP;
    camera_look_at(winner, height);
    camera_circle(winner, radius, angle, VICTORY_EYE_Z - ticks * drop);
    if (record->ticks > VICTORY_LAST_TICK)
        victory_done = CAMERA_DONE;
    if (record->ticks == VICTORY_RESULT_TICK)
        victory_result_call();
}

static void hydra_victory_circle(int side)
{
    Fighter *hydra = &fighters[side];
    CameraSide *record = &camera_sequence.side[side];
    record->ticks++;
    f32 turn = static_cast<f32>(record->ticks) * HYDRA_VICTORY_TURN;
    f32 angle = hydra->heading < HEADING_FACES_PLUS_X ? ORBIT_START_SIDE1 + turn
                                                      : ORBIT_START_SIDE2 - turn;
    camera_look_at(hydra, HYDRA_VICTORY_CENTRE_Z);
    camera_circle(hydra, HYDRA_VICTORY_RADIUS, angle, HYDRA_VICTORY_EYE_Z);
    // At or past: a side whose count ran on from an earlier sequence still ends the camera.
    if (record->ticks >= HYDRA_VICTORY_TICKS)
        victory_done = CAMERA_DONE;
}

void round_victory_orbit(int side, int phase)
{
    bool hydra = is_hydra(fighters[side].character);
    if (phase == 0 && hydra) {
        fighter_skeletons[side]->action = ACTION_IDLE;
        fighter_skeletons[side]->posed_action = ACTION_IDLE;
        victory_place(side, HYDRA_LOSER_X);
    } else if (phase == 0) {
        victory_pose(side);
    } else if (hydra) {
        hydra_victory_circle(side);
    } else {
        victory_spiral(side);
    }
}
