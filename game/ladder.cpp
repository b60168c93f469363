// After a decided match: the one-player ladder and its advance, the continue offer, GAME
// OVER, the versus record table and the credits award of a completed run.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"

#include <cmath>
#include <iterator>

u32 ladder_time;
i32 ladder_started;
i32 ladder_index;
i32 ladder_opponents[LADDER_FIGHTS];
i32 ladder_stages[LADDER_FIGHTS];
i32 ladder_advance_done;
i32 continue_active;
f32 continue_slide;
i32 continue_countdown;
i32 continue_ticks;
i32 vs_record_shown;
f32 vs_record_alpha;
i32 ending_picture_p1, ending_picture_p2;
u8 vs_wins[VS_RECORD_SIZE], vs_losses[VS_RECORD_SIZE], vs_draws[VS_RECORD_SIZE];
u32 credits_earned;

// The heroes the ladder opens with, in the order a run meets them; each run starts after the
// human's own place in the list, so every hero meets them in another order.
static const i32 ladder_heroes[] = {
    CHARACTER_JASON, CHARACTER_ODYSSEUS, CHARACTER_ATALANTA, CHARACTER_PERSEUS,
    CHARACTER_HIPPOLYTE, CHARACTER_POLYPHEMUS, CHARACTER_MINOTAUR,
};
constexpr int LADDER_HERO_FIGHTS = 6;
// The bosses that close the ladder; the last only on Hard. The Sphinx stands in for a boss
// the human plays.
static const i32 ladder_bosses[] = {CHARACTER_MEDUSA, CHARACTER_ARES, CHARACTER_ATROPOS, CHARACTER_SPHINX};
static_assert(LADDER_HERO_FIGHTS + 3 == LADDER_FIGHTS, "six heroes and three bosses");

// Where each character waits on the ladder, by character.
static const i32 ladder_home_stages[] = {
    STAGE_ATHENS,      // Jason
    STAGE_TROY,        // Odysseus
    STAGE_ARCADIA,     // Atalanta
    STAGE_ATHENS2,     // Perseus
    STAGE_THEATRE,     // Hippolyte
    STAGE_CRETE,       // Polyphemus
    STAGE_LABYRINTH,   // Minotaur
    STAGE_ATHENS2,     // Medusa
    STAGE_THEBES,      // Sphinx
    STAGE_HADES,       // Hydra
    STAGE_TEMPLE,      // Ares
    STAGE_HADES,       // Atropos
};
static_assert(std::size(ladder_home_stages) == CHARACTER_COUNT, "one stage per character");

constexpr i32 LADDER_FIGHTS_NORMAL = 8;
constexpr i8 DIFFICULTY_HARD = 5;
constexpr f32 SLIDE_STEP = 0.025f;        // continue panel and record table, per tick
constexpr f32 SLIDE_IN_PLACE = 0.001f;
constexpr f32 RECORD_WAIT_BELOW = -0.01f;
constexpr i32 CONTINUE_COUNT = 10;
constexpr i32 CONTINUE_STEP_TICKS = 60;
constexpr i32 GAME_OVER_TICKS = 100;
constexpr i32 SOUND_PAN_CENTRE = 128;
constexpr i32 SOUND_OWN_PITCH = 1000;
constexpr f32 VICTORY_FLICKER_STEP = 0.05f;
constexpr f32 VICTORY_FLICKER_FLOOR = 3.5f;
constexpr f32 YAW_BASE = 4.71f;
// The award: a base by difficulty, and a bonus for a run faster than 45 min 12 s.
constexpr u32 AWARD_PER_DIFFICULTY = 100;
constexpr u32 AWARD_HARD = 600;
constexpr u32 AWARD_FAST_TICKS = 162768;
constexpr u32 AWARD_TICKS_PER_CREDIT = 500;

int ladder_length()
{
    return difficulty >= DIFFICULTY_HARD ? LADDER_FIGHTS : LADDER_FIGHTS_NORMAL;
}

static int character_valid(int character)
{
    return character >= 0 && character < CHARACTER_COUNT ? character : CHARACTER_JASON;
}

static void ladder_fill_heroes(int human)
{
    int count = static_cast<int>(std::size(ladder_heroes));
    int start = 0;
    for (int i = 0; i < count; i++)
        if (ladder_heroes[i] == human)
            start = i + 1;
    int fight = 0;
    for (int i = 0; i < count && fight < LADDER_HERO_FIGHTS; i++) {
        i32 hero = ladder_heroes[(start + i) % count];
        if (hero != human)
            ladder_opponents[fight++] = hero;
    }
}

static void ladder_fill_bosses(int human)
{
    int fight = LADDER_HERO_FIGHTS;
    for (i32 boss : ladder_bosses)
        if (boss != human && fight < LADDER_FIGHTS)
            ladder_opponents[fight++] = boss;
}

void setup_ladder(int character)
{
    if (game_mode != GAME_MODE_ARCADE_P1 && game_mode != GAME_MODE_ARCADE_P2)
        return;
    int human = character_valid(character);
    ladder_fill_heroes(human);
    ladder_fill_bosses(human);
    for (int fight = 0; fight < LADDER_FIGHTS; fight++)
        ladder_stages[fight] = ladder_home_stages[ladder_opponents[fight]];
}

void ladder_time_add()
{
    int64_t seconds = static_cast<int64_t>(round_length_seconds()) - round_clock;
    if (seconds < 0)
        seconds = 0;
    int64_t total = static_cast<int64_t>(ladder_time) + seconds * TICKS_PER_SECOND;
    ladder_time = total > LADDER_TIME_CAP ? LADDER_TIME_CAP : static_cast<u32>(total);
}

void continue_arm()
{
    continue_slide = 1.0f;
    continue_active = -1;
    continue_countdown = CONTINUE_COUNT;
    continue_ticks = 0;
}

// The human on `side` won: the next opponent from the list. Returns false when that was the
// ladder's last fight (the index stays on it).
static bool ladder_move_on(int side)
{
    i32 &human = side == 0 ? p1_character : p2_character;
    i32 &human_alt = side == 0 ? p1_alt_color : p2_alt_color;
    i32 &opponent = side == 0 ? p2_character : p1_character;
    i32 &opponent_alt = side == 0 ? p2_alt_color : p1_alt_color;
    if (!ladder_started) {
        ladder_started = -1;
        setup_ladder(human);
        ladder_index = 0;
    } else if (ladder_index + 1 < ladder_length() && ladder_index + 1 < LADDER_FIGHTS) {
        ladder_index++;
    } else {
        return false;
    }
    if (ladder_index < 0)
        ladder_index = 0;
    opponent = ladder_opponents[ladder_index];
    if (opponent == human)
        opponent_alt = human_alt == 0 ? 1 : 0;
    return true;
}

// The versus record counts the winner's and the loser's characters of a decided match.
static void vs_result_count(int winner)
{
    u8 *records[2] = {vs_wins, vs_losses};
    for (int i = 0; i < 2; i++) {
        int side = i == 0 ? winner : 1 - winner;
        int character = fighters[side].character;
        if (character >= CHARACTER_COUNT)
            continue;
        u8 &count = records[i][side * CHARACTER_COUNT + character];
        if (count < 255)
            count++;
    }
}

// A completed run fades out; the fade's end in STATE_MATCH_OVER awards the credits and
// starts the credits roll.
static void ladder_complete()
{
    if (game_mode == GAME_MODE_ARCADE_P1 || game_mode == GAME_MODE_ARCADE_P2)
        fade_out_start();
}

// Runs once per decided match (the Decisions: the step must not repeat and run the index
// past the lists).
static void ladder_advance()
{
    ladder_advance_done = 1;
    i32 w = static_cast<i32>(rounds_to_win);
    bool ladder_goes_on = true;
    if (p2_round_wins >= w) {
        if (game_mode == GAME_MODE_ARCADE_P2)
            ladder_goes_on = ladder_move_on(1);
        else if (game_mode == GAME_MODE_ARCADE_P1)
            continue_arm();
    }
    if (p1_round_wins >= w) {
        if (game_mode == GAME_MODE_ARCADE_P1)
            ladder_goes_on = ladder_move_on(0);
        else if (game_mode == GAME_MODE_ARCADE_P2)
            continue_arm();
    }
    if (!continue_active) {
        if (game_mode == GAME_MODE_VERSUS) {
            vs_result_count(p1_round_wins >= w ? 0 : 1);
            vs_record_alpha = 1.0f;
            vs_record_shown = 1;
        } else if (ladder_goes_on && ladder_index < ladder_length()) {
            music_fade = 1.0f;
            fight_load_phase = 1;
        } else {
            ladder_complete();
        }
    }
    ending_picture_p1 = portrait_picture(p1_character, p1_alt_color);
    ending_picture_p2 = portrait_picture(p2_character, p2_alt_color);
    // The next fight's loading panel shows them; the select's pictures went with the last load.
    select_portrait_ensure(ending_picture_p1);
    select_portrait_ensure(ending_picture_p2);
}

// The human sides: player 1 in mode 0, player 2 in mode 1, both in versus and challenge.
static bool side_is_human(int side)
{
    switch (game_mode) {
    case GAME_MODE_ARCADE_P1:
        return side == 0;
    case GAME_MODE_ARCADE_P2:
        return side == 1;
    case GAME_MODE_VERSUS:
    case GAME_MODE_CHALLENGE:
        return true;
    default:
        return false;
    }
}

// HARD SWING of a human side cuts the victory camera short; the press is spent.
static void victory_skip_check()
{
    bool skip = false;
    for (int p = 0; p < 2; p++)
        if (side_is_human(p) && input_hard_swing[p] && input_hard_swing_ready[p])
            skip = true;
    if (!skip)
        return;
    for (int p = 0; p < 2; p++) {
        input_hard_swing_ready[p] = input_low_swing_ready[p] = input_kick_ready[p] = 0;
        latch_hard_swing[p] = latch_low_swing[p] = latch_kick[p] = latch_start[p] = 1;
    }
    victory_done = CAMERA_DONE;
}

static bool record_button_edge(int p)
{
    return (input_hard_swing[p] && !latch_hard_swing[p]) || (input_low_swing[p] && !latch_low_swing[p]) ||
           (input_kick[p] && !latch_kick[p]) || (input_start[p] && !latch_start[p]);
}

// The table slides in, then waits (dropping owed ticks) for any button of either player.
static void vs_record_tick()
{
    if (fade_mode != FADE_NONE)
        return;
    vs_record_alpha -= SLIDE_STEP;
    if (!(vs_record_alpha < RECORD_WAIT_BELOW))
        return;
    vs_record_alpha = 0.0f;
    logic_ticks_pending = 0;
    for (int p = 0; p < 2; p++) {
        if (!record_button_edge(p))
            continue;
        sfx_play_menu(SFX_MENU_CONFIRM);
        latch_hard_swing[p] = latch_low_swing[p] = latch_kick[p] = latch_start[p] = 1;
        latch_esc = 1;
        pause_confirm = 0;
        fade_out_start();
        return;
    }
}

static void match_over_step()
{
    if (++round_clock_ticks >= TICKS_PER_SECOND)
        round_clock_ticks = 0;
    fight_auras_step();
    fight_blood_step(false);
    fight_temple_flicker(VICTORY_FLICKER_STEP, VICTORY_FLICKER_FLOOR);
    camera_yaw = YAW_BASE - atan2f(camera_centre[1] - camera_eye[1], camera_centre[0] - camera_eye[0]);
    if (victory_done == 0) {
        victory_skip_check();
        round_victory_tick();
    }
    if (victory_done == CAMERA_DONE && !ladder_advance_done)
        ladder_advance();
    fight_scene_animate();
    fight_ambient_effects();
}

void match_over_tick()
{
    if (vs_record_shown) {
        vs_record_tick();
        return;
    }
    if (fight_load_phase || continue_active || paused || fade_mode != FADE_NONE)
        return;
    match_over_step();
}

// HARD SWING of player 2, or else player 1, takes a step off the countdown.
static void continue_hurry()
{
    int p = input_hard_swing[1] && !latch_hard_swing[1] ? 1 : input_hard_swing[0] && !latch_hard_swing[0] ? 0 : -1;
    if (p < 0)
        return;
    latch_hard_swing[0] = latch_hard_swing[1] = 1;
    continue_countdown--;
}

// Start takes the continue: the character select follows the fade, and the ladder resumes
// with the fight that was lost. Player 2 wins a tie. Returns true when taken.
static bool continue_take()
{
    bool one = input_start[0] && input_start_ready[0];
    bool two = input_start[1] && input_start_ready[1];
    if (!one && !two)
        return false;
    fighters[0].action = fighters[1].action = ACTION_IDLE;
    latch_start[0] = latch_start[1] = 1;
    input_start_ready[0] = input_start_ready[1] = 0;
    sfx_play(SFX_MENU_CONFIRM, static_cast<int>(effects_volume), SOUND_PAN_CENTRE, SOUND_OWN_PITCH);
    challenger_pending = 0;
    if (one)
        game_mode = GAME_MODE_ARCADE_P1;
    if (two)
        game_mode = GAME_MODE_ARCADE_P2;
    fade_out_start();
    return true;
}

// A step that brings the count to 0 or below ends the offer: GAME OVER.
static bool continue_count_step()
{
    if (++continue_ticks < CONTINUE_STEP_TICKS)
        return false;
    continue_ticks = 0;
    if (--continue_countdown > 0)
        return false;
    continue_countdown = 0;
    game_state = STATE_GAME_OVER;
    state_ticks = 0;
    continue_active = 0;
    return true;
}

void continue_tick()
{
    if (fade_mode != FADE_NONE)
        return;
    if (continue_slide > SLIDE_IN_PLACE) {
        continue_slide -= SLIDE_STEP;
        return;
    }
    continue_slide = 0.0f;
    game_state = STATE_CONTINUE;
    if (continue_count_step())
        return;
    bool hurry_modes = game_mode == GAME_MODE_ARCADE_P1 || game_mode == GAME_MODE_ARCADE_P2 ||
                       game_mode == GAME_MODE_CHALLENGE;
    if (hurry_modes && continue_countdown > 0)
        continue_hurry();
    if (continue_countdown > 0)
        continue_take();
}

void game_over_tick()
{
    if (++state_ticks != GAME_OVER_TICKS)
        return;
    fade_out_start();
    fighters[0].action = fighters[1].action = ACTION_IDLE;
}

// The time bonus, by the rounds a match takes: halved for one, doubled for two, four times
// for three.
static u32 award_time_bonus()
{
    if (ladder_time >= AWARD_FAST_TICKS)
        return 0;
    u32 bonus = (AWARD_FAST_TICKS - ladder_time) / AWARD_TICKS_PER_CREDIT;
    switch (rounds_to_win) {
    case 1:
        return bonus / 2;
    case 2:
        return bonus * 2;
    case 3:
        return bonus * 4;
    default:
        return bonus;
    }
}

u8 ladder_profile_offered;

void credits_award()
{
    u32 base = difficulty >= DIFFICULTY_HARD ? AWARD_HARD
               : difficulty > 0             ? static_cast<u32>(difficulty) * AWARD_PER_DIFFICULTY
                                            : 0;
    credits_earned = base + award_time_bonus();
    uint64_t total = static_cast<uint64_t>(credits) + credits_earned;
    credits = total > CREDITS_CAP ? CREDITS_CAP : static_cast<u32>(total);
    // The screens that follow show the human's character.
    if (game_mode == GAME_MODE_ARCADE_P2)
        p1_character = p2_character;
}

void ladder_profile_offer()
{
    // credits_award has put the winner into p1_character in either one-player mode.
    ladder_profile_offered = static_cast<u8>(shop_profile_offer(p1_character));
}
