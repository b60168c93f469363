// The end of a round: the knock-out and time-over decisions, the next round or the match's
// end, and the time-over state's two handlers.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"

i32 p1_round_wins, p2_round_wins;
i32 rounds_played;

constexpr i32 DECISION_TICK = 100;        // knock-out or time over: the round is judged
constexpr i32 TIME_OVER_LAST_TICK = 300;  // the tick after it moves on
constexpr i32 TIME_OVER_MOVING_TICKS = 98;   // the fighters still move this long
constexpr i32 FINAL_ROUND_AT = 4;         // rounds played when the final round is set up
constexpr f32 LIFE_TIE = 0.001f;          // lives this close are even: both time-over poses
constexpr f32 LIFE_LEAD = 0.01f;          // a lead above this takes the round on time
constexpr f32 TIME_OVER_FLICKER_STEP = 0.05f;
constexpr f32 TIME_OVER_FLICKER_FLOOR = 3.5f;

static i32 wins_needed()
{
    return static_cast<i32>(rounds_to_win);
}

static void skeleton_attack_live(int side, u8 value)
{
    if (fighter_skeletons[side])
        fighter_skeletons[side]->attack_live = value;
}

// The Hydra has no time-over or victory pose: it stands idle.
static void skeleton_pose(int side, i32 action)
{
    if (!fighter_skeletons[side])
        return;
    fighter_skeletons[side]->action = fighters[side].character == CHARACTER_HYDRA ? ACTION_IDLE : action;
}

// Nothing of the round may go on acting over the victory camera.
static void round_effects_stop()
{
    projectile_in_flight[0] = projectile_in_flight[1] = 0;
    summon_phase = SUMMON_NONE;
    clash_flash_on[0] = clash_flash_on[1] = 0;
    fighters[0].hit_recoil = fighters[1].hit_recoil = HIT_RECOIL_NONE;
    stage_light->hit_light_on = 0;
}

void match_over_setup(int side)
{
    game_state = STATE_MATCH_OVER;
    round_victory_start(side);
    skeleton_attack_live(side, FIGHTER_FLAG_ON);
    skeleton_attack_live(1 - side, 0);
    round_effects_stop();
    ladder_advance_done = 0;
}

// Later rounds open with the sweep and the READY / FIGHT calls, not the orbiting cameras.
static void next_round_setup()
{
    skeleton_attack_live(0, 0);
    skeleton_attack_live(1, 0);
    reset_round();
    game_state = STATE_ROUND_INTRO;
    round_intro_sweep(0);
    round_intro_timer = 1.0f;
    camera_sequence.side[0].done = camera_sequence.side[1].done = CAMERA_DONE;
    round_call_phase = 0;
}

// Both sides one win short: whoever takes the final round takes the match.
static void final_round_set()
{
    p1_round_wins = p2_round_wins = wins_needed() - 1;
}

// Side two first, so that side one's victory is the one that stands when both reached W.
static void match_winners_setup()
{
    if (p2_round_wins >= wins_needed())
        match_over_setup(1);
    if (p1_round_wins >= wins_needed())
        match_over_setup(0);
}

static bool match_undecided()
{
    return p1_round_wins < wins_needed() && p2_round_wins < wins_needed();
}

static bool one_player_mode()
{
    return game_mode == GAME_MODE_ARCADE_P1 || game_mode == GAME_MODE_ARCADE_P2;
}

void knockout_decision()
{
    if (++state_ticks != DECISION_TICK)
        return;
    if (one_player_mode())
        ladder_time_add();
    rounds_played++;
    if (game_state == STATE_MATCH_OVER)
        return;
    timer_logic_rate_set(LOGIC_TICK_60HZ);   // the knock-out's slow motion ends
    if (match_undecided()) {
        // KEEP: a double knock-out in the final round gives nobody a win, so the round repeats.
        if (rounds_played == FINAL_ROUND_AT)
            final_round_set();
        next_round_setup();
        return;
    }
    match_winners_setup();
}

// The healthier side takes the round on time: the other falls as if knocked out.
static void round_taken_on_time(int winner)
{
    int loser = 1 - winner;
    fighters[loser].action = ACTION_KO;
    skeleton_pose(loser, ACTION_TIME_OVER);
    skeleton_attack_live(winner, FIGHTER_FLAG_ON);
    bool loser_left = fighters[loser].pos_x < fighters[winner].pos_x;
    skeleton_pose(winner, loser_left ? ACTION_WIN_1 : ACTION_WIN_2);
    if (winner == 0)
        p1_round_wins++;
    else
        p2_round_wins++;
}

// Tick 100 of the time over. KEEP: a lead above LIFE_TIE and at most LIFE_LEAD gives nobody
// the round and nobody a pose.
static void time_over_judge()
{
    if (one_player_mode())
        ladder_time_add();
    rounds_played++;
    f32 h1 = fighters[0].life, h2 = fighters[1].life;
    if (!(h1 - h2 > LIFE_TIE) && !(h2 - h1 > LIFE_TIE)) {
        skeleton_pose(0, ACTION_TIME_OVER);
        skeleton_pose(1, ACTION_TIME_OVER);
    }
    if (h1 - h2 > LIFE_LEAD)
        round_taken_on_time(0);
    if (h2 - h1 > LIFE_LEAD)
        round_taken_on_time(1);
}

static void vs_count(u8 *record, int side)
{
    int character = fighters[side].character;
    if (character < 0 || character >= CHARACTER_COUNT)
        return;
    u8 &count = record[side * CHARACTER_COUNT + character];
    if (count < 255)
        count++;
}

// The final round ended without a winner: a draw in versus, the continue offer otherwise.
static void drawn_game()
{
    if (game_mode == GAME_MODE_VERSUS) {
        vs_record_alpha = 1.0f;
        vs_record_shown = 1;
        vs_count(vs_draws, 1);
        vs_count(vs_draws, 0);
    } else {
        continue_arm();
    }
    round_effects_stop();
    game_state = STATE_MATCH_OVER;
}

// The tick after TIME_OVER_LAST_TICK: the next round, the match's end or a drawn game.
static void time_over_outcome()
{
    timer_logic_rate_set(LOGIC_TICK_60HZ);
    if (match_undecided() && rounds_played <= FINAL_ROUND_AT) {
        if (rounds_played == FINAL_ROUND_AT)
            final_round_set();
        next_round_setup();
        return;
    }
    if (!match_undecided()) {
        fighters[0].hit_recoil = fighters[1].hit_recoil = HIT_RECOIL_NONE;
        match_winners_setup();
        return;
    }
    drawn_game();
}

void time_over_decision()
{
    update_fight_camera();
    if (summon_phase != SUMMON_NONE)
        summon_update(summoner);
    update_projectiles();
    fx_projectile_trail(projectile_trail_particles[0], FX_STEP, 0);
    fx_projectile_trail(projectile_trail_particles[1], FX_STEP, 1);
    state_ticks++;
    if (state_ticks == DECISION_TICK)
        time_over_judge();
    if (state_ticks == TIME_OVER_LAST_TICK + 1 && game_state == STATE_TIME_OVER)
        time_over_outcome();
}

void time_over_tick()
{
    update_fight_camera();
    if (summon_phase != SUMMON_NONE)
        summon_update(summoner);
    fight_temple_flicker(TIME_OVER_FLICKER_STEP, TIME_OVER_FLICKER_FLOOR);
    if (state_ticks <= TIME_OVER_MOVING_TICKS)
        update_fighters();
    fight_scene_animate();
    fight_ambient_effects();
    fight_auras_step();
    fight_bursts_step();
    fight_blood_step(true);
}
