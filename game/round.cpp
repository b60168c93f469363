// STATE_ROUND_INTRO and STATE_ROUND_START: the intro cameras and banners before a round, and
// the one tick that arms the round clock.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"

#include <allegro.h>
#include <cmath>
#include <iterator>

i32 round_clock;
i32 round_clock_ticks;
f32 round_intro_timer;
i32 round_call_phase;

constexpr f32 INTRO_TIMER_STEP = 0.05f;       // the READY / FIGHT banners' fall per tick
constexpr f32 MUSIC_RETURN_STEP = 0.025f;     // the settling after a fight load
constexpr f32 MUSIC_RETURN_END = 1.025f;
constexpr f32 INTRO_FLICKER_STEP = 0.05f;
constexpr f32 INTRO_FLICKER_FLOOR = 3.5f;
constexpr f32 YAW_BASE = 4.71f;

// Round lengths in seconds by the TIME option.
static const i32 round_lengths[] = {80, 70, 60};

i32 round_length_seconds()
{
    if (round_time_option >= std::size(round_lengths))
        return 0;
    return round_lengths[round_time_option];
}

// An option value without a length leaves the clock as it stands.
static void round_clock_set()
{
    if (round_length_seconds() > 0)
        round_clock = round_length_seconds();
}

static bool intro_cameras_done()
{
    return camera_sequence.side[0].done == CAMERA_DONE &&
           camera_sequence.side[1].done == CAMERA_DONE;
}

// The ESC edge, or the Start edge of a human side (its latch clear), opens the pause.
static void intro_pause_entry()
{
    if (key[KEY_ESC] && !latch_esc) {
        pause_open(-1);
        return;
    }
    for (int p = 0; p < 2; p++) {
        if (!fighter_is_cpu_side(p) && input_start[p] && !latch_start[p]) {
            pause_open(p);
            return;
        }
    }
}

static bool intro_skip_pressed()
{
    for (int p = 0; p < 2; p++)
        if (!fighter_is_cpu_side(p) && (input_hard_swing[p] || input_low_swing[p] || input_kick[p]))
            return true;
    return false;
}

// The players are ignored until the fight tune has come back up after the load.
static void music_return_step()
{
    if (fight_load_phase != 2)
        return;
    music_fade += MUSIC_RETURN_STEP;
    if (music_fade > MUSIC_RETURN_END) {
        music_fade = 0.0f;
        fight_load_phase = 0;
    }
}

void round_intro_state_tick()
{
    if (paused)
        return;
    if (++round_clock_ticks == TICKS_PER_SECOND)
        round_clock_ticks = 0;
    if (intro_cameras_done() && round_call_phase == -1 && round_intro_timer > 0.0f)
        round_intro_timer -= INTRO_TIMER_STEP;
    music_return_step();
    fight_temple_flicker(INTRO_FLICKER_STEP, INTRO_FLICKER_FLOOR);
    round_clock_set();
    camera_yaw = YAW_BASE - atan2f(camera_centre[1] - camera_eye[1], camera_centre[0] - camera_eye[0]);
    if (intro_cameras_done() && round_call_phase == -1 && round_intro_timer < 0.0f) {
        game_state = STATE_ROUND_START;   // the round start and the fight run later this tick
    } else {
        if (!fight_load_phase)
            intro_pause_entry();
        if (!paused && !intro_cameras_done() && intro_skip_pressed())
            round_intro_skip();
        round_intro_tick();
    }
    fight_scene_animate();
    fight_ambient_effects();
}

void round_start_tick()
{
    game_state = STATE_FIGHT;
    seconds_counter = 0;
    round_clock_set();
    round_clock_ticks = 0;
}
