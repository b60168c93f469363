#include "game/game.h"

#include "engine/engine.h"
#include "frontend/frontend.h"
#include "story/story.h"

#include <allegro.h>

i32 game_state;
i32 game_mode;
i32 fade_mode;
f32 fade_level;
f32 fade_colour;
i32 state_ticks;
u8 quit_request;
u8 load_error;
i32 select_chord_played;

constexpr u8 QUIT_FROM_EXIT_SCREEN = 255;
constexpr u8 INPUT_REARMED = 255;
constexpr i32 CHALLENGER_FADE_TICK = 60;     // the challenger's banner shows this long
constexpr i32 CREDITS_EARNED_TICKS = 250;
constexpr u32 CHARACTER_ENDING_WAIT = 120;   // ticks before the ending's story starts

void fade_out_start()
{
    fade_colour = 0.0f;
    fade_mode = FADE_OUT;
    fade_level = 0.0f;
}

TickFlow load_failed()
{
    load_error = 1;
    quit_request = 1;
    return TICK_ENDS;
}

TickFlow title_menu_return()
{
    music_stop();
    title_menu_enter();
    // The HARD SWING or START that said YES to leave is still held: on the title it would
    // start a new game at once.
    latch_hard_swing[0] = latch_hard_swing[1] = 1;
    latch_start[0] = latch_start[1] = 1;
    if (music_play("musica/titulo.ogg") != 0)
        return load_failed();
    return TICK_ENDS;
}

// Step 1: ENTER and ESC act once per press; their latches free when the key is up.
static void special_latches_release()
{
    if (!key[KEY_ENTER])
        latch_enter = 0;
    if (!key[KEY_ESC])
        latch_esc = 0;
}

// Step 3: each player's reader by device (any other device value reads nothing); a button
// that is up frees its latch, and an attack button that is up re-arms whatever the reader
// decided: outside a fight the fighter's attack byte can be stale (a match's winner keeps
// its attack live), and a button the reader left unarmed would be dead on the next screen.
static void input_pass()
{
    for (int p = 0; p < 2; p++) {
        if (input_device[p] == 0)
            input_read_keyboard(p);
        else if (input_device[p] == 1)
            input_read_joystick(p);
        if (!input_hard_swing[p]) {
            latch_hard_swing[p] = 0;
            input_hard_swing_ready[p] = INPUT_REARMED;
        }
        if (!input_low_swing[p]) {
            latch_low_swing[p] = 0;
            input_low_swing_ready[p] = INPUT_REARMED;
        }
        if (!input_kick[p]) {
            latch_kick[p] = 0;
            input_kick_ready[p] = INPUT_REARMED;
        }
        if (!input_start[p])
            latch_start[p] = 0;
    }
}

// Step 4: nothing acts during a fade or a fight load, and a press made meanwhile stays spent
// until it is released.
static void input_freeze()
{
    for (int p = 0; p < 2; p++) {
        input_dir[p] = DIR_NONE;
        input_hard_swing[p] = input_low_swing[p] = input_kick[p] = input_start[p] = 0;
        latch_hard_swing[p] = latch_low_swing[p] = latch_kick[p] = latch_start[p] = 1;
    }
}

// Entering the character select from the title menu, a challenger's fade, a continue or the
// biography. The figure is posed twice so that the first frame shows it standing.
static TickFlow character_select_hand_off()
{
    if (character_select_enter() != 0)
        return load_failed();
    game_state = STATE_CHARACTER_SELECT;
    fight_load_phase = 0;
    select_figure_step();
    select_figure_step();
    select_chord_played = 0;
    if (music_play("musica/select.ogg") != 0)
        return load_failed();
    return TICK_CONTINUES;
}

// A screen entered through a set-up that may fail, followed by its tune.
static TickFlow screen_with_tune(int (*enter)(), const char *tune)
{
    if (enter() != 0 || music_play(tune) != 0)
        return load_failed();
    return TICK_CONTINUES;
}

// The end of a fade-out from the title menu, a fight (a challenger joined) or the continue:
// no fade-in; the new screen's handler runs later in this same tick.
static TickFlow fade_end_from_menu_or_fight()
{
    continue_active = 0;
    fade_mode = FADE_NONE;
    music_stop();
    if (game_state != STATE_MAIN_MENU)
        return character_select_hand_off();
    switch (menu_page) {
    case PAGE_MAIN:
    case PAGE_LOCAL_OR_NETWORK:
    case PAGE_SELECT_DIRECT_1:
    case PAGE_SELECT_DIRECT_2:
        return character_select_hand_off();
    case PAGE_EXTRAS:
        if (menu_cursor == 1)
            return character_select_hand_off();
        if (menu_cursor == 0)
            return screen_with_tune(shop_enter, "musica/shop.ogg");
        if (menu_cursor == 2)
            return screen_with_tune(gallery_enter, "musica/tavrosk2.ogg");
        return TICK_CONTINUES;
    default:
        return TICK_CONTINUES;   // the fade has ended and the menu stays
    }
}

// The end of the one-player run: the award, then the winner's ending (the credits follow it).
static TickFlow fade_end_from_match_over()
{
    credits_award();
    ladder_profile_offer();
    settings_save();   // the award and the offer survive a crash or a kill
    int failed = ending_start();
    fade_mode = FADE_NONE;
    fade_level = 0.0f;
    if (failed)
        return load_failed();
    return TICK_ENDS;
}

// Versus picks go on to the stage select, a biography pick to the biography.
static TickFlow fade_end_from_select()
{
    fade_mode = FADE_IN;
    fade_level = 1.0f;
    if (game_mode == GAME_MODE_VERSUS) {
        if (stage_select_enter() != 0)
            return load_failed();
        return TICK_ENDS;
    }
    music_stop();
    biography_enter();
    game_state = STATE_BIOGRAPHY;
    if (music_play("musica/titulo.ogg") != 0)
        return load_failed();
    return TICK_ENDS;
}

static TickFlow fade_end_from_biography()
{
    music_stop();
    fade_mode = FADE_NONE;
    fade_level = 0.0f;
    character_select_hand_off();
    return TICK_ENDS;
}

// A challenger's fade ends in the character select whatever the round did meanwhile (the
// clock may have run out): the challenge replaces the rest of the fight.
static TickFlow fade_end_to_challenge()
{
    timer_logic_rate_set(LOGIC_TICK_60HZ);   // a knock-out's slow motion ends with the fight
    return fade_end_from_menu_or_fight();
}

// After game over, the credits and the gallery the title fades in from black.
static TickFlow fade_end_to_title()
{
    fade_mode = FADE_IN;
    fade_level = 1.0f;
    return title_menu_return();
}

// The transition at the end of a fade-out, chosen by the state being left. A state without
// an entry of its own (the closing fade of the versus record table) returns to the title
// rather than stay on a black screen.
static TickFlow fade_out_end()
{
    if (challenger_pending)
        return fade_end_to_challenge();
    switch (game_state) {
    case STATE_MATCH_OVER:
        if (game_mode == GAME_MODE_ARCADE_P1 || game_mode == GAME_MODE_ARCADE_P2)
            return fade_end_from_match_over();
        vs_record_shown = 0;   // the versus record table closes with its fade
        return fade_end_to_title();
    case STATE_CHARACTER_SELECT:
        return fade_end_from_select();
    case STATE_BIOGRAPHY:
        return fade_end_from_biography();
    case STATE_MAIN_MENU:
    case STATE_FIGHT:
    case STATE_CONTINUE:
        return fade_end_from_menu_or_fight();
    default:
        return fade_end_to_title();   // game over, credits earned, gallery, and the rest
    }
}

// In versus the tune fades with the picture, except where the next screen keeps it.
static void fade_out_music()
{
    if (game_mode != GAME_MODE_VERSUS || game_state == STATE_CHARACTER_SELECT ||
        game_state == STATE_CREDITS_EARNED)
        return;
    int volume = static_cast<int>((1.0f - fade_level) * static_cast<f32>(music_volume));
    music_set_voice_volume(volume < 0 ? 0 : volume);
}

static TickFlow fade_out_step()
{
    fade_level += FADE_STEP;
    fade_out_music();
    if (fade_level > 1.0f)
        return fade_out_end();
    return TICK_CONTINUES;
}

static void fade_in_step()
{
    fade_level -= FADE_STEP;
    if (fade_level < 0.0f)
        fade_mode = FADE_NONE;
}

static void challenger_count()
{
    if (++challenger_ticks == CHALLENGER_FADE_TICK)
        fade_out_start();
}

// STATE_CREDITS_EARNED: the run's time and award stay up, then the title returns.
static void credits_earned_tick()
{
    menu_pulse_step();
    if (++state_ticks == CREDITS_EARNED_TICKS)
        fade_out_start();
}

// The knock-out decision waits for the pause and leaves the screens that have no fight. Once
// a challenger has joined, no decision is taken: a fight decided under the challenger's fade
// would run the ladder's award and ending, or reset the round and drop the challenger.
static bool knockout_may_decide(i32 state)
{
    if (paused || challenger_pending || state == STATE_TIME_OVER || state == STATE_CREDITS_EARNED ||
        state == STATE_GAME_OVER || state == STATE_MAIN_MENU || state == STATE_CHARACTER_SELECT)
        return false;
    return fighter_knocked_out();
}

// A story step that changed the state ends the tick: the new state's handler first runs in
// the next one.
static TickFlow story_step(void (*step)(), i32 state)
{
    step();
    return game_state != state ? TICK_ENDS : TICK_CONTINUES;
}

// The tests that can end the tick before the fades: exit screen, challenger, stage select,
// credits earned, game over and the story screens.
static TickFlow chain_before_fades(i32 &state)
{
    if (state == STATE_EXIT_SCREEN && key[KEY_ESC])
        quit_request = QUIT_FROM_EXIT_SCREEN;                           // next test
    if (challenger_pending)
        challenger_count();                                             // next test
    if (state == STATE_STAGE_SELECT) {
        if (!fight_load_phase)
            stage_select_tick();
        else if (fight_load(FIGHT_LOAD_STAGE_SELECT) == TICK_ENDS)
            return TICK_ENDS;
        state = game_state;                                             // re-read
    }
    if (state == STATE_CREDITS_EARNED)
        credits_earned_tick();                                          // next test
    if (state == STATE_GAME_OVER)
        game_over_tick();                                               // next test
    if (state == STATE_INTRO && story_step(intro_tick, state) == TICK_ENDS)
        return TICK_ENDS;                                               // ends if changed
    if (state == STATE_CREDITS) {
        story_ticks++;
        if (story_step(credits_roll_tick, state) == TICK_ENDS)
            return TICK_ENDS;                                           // ends if changed
    }
    if (state == STATE_CHARACTER_ENDING) {
        story_ticks++;
        if (story_ticks > CHARACTER_ENDING_WAIT && story_step(ending_tick, state) == TICK_ENDS)
            return TICK_ENDS;                                           // ends if changed
    }
    if (state == STATE_FACTION_ENDING) {
        story_ticks++;
        if (story_step(faction_ending_tick, state) == TICK_ENDS)
            return TICK_ENDS;                                           // ends if changed
    }
    return TICK_CONTINUES;
}

// The decisions after a round, and the fades.
static TickFlow chain_decisions_and_fades(i32 &state)
{
    if (state == STATE_TIME_OVER && !paused && !challenger_pending) {
        time_over_decision();
        state = game_state;                                             // re-read
    }
    if (knockout_may_decide(state)) {
        knockout_decision();
        state = game_state;                                             // re-read
    }
    if (fade_mode == FADE_IN)
        fade_in_step();                                                 // next test
    if (fade_mode == FADE_OUT) {
        if (fade_out_step() == TICK_ENDS)
            return TICK_ENDS;
        state = game_state;                                             // re-read
    }
    return TICK_CONTINUES;
}

// The screens and the fight. A fight load that fails ends the tick.
static TickFlow chain_screens_and_fight(i32 &state)
{
    if (state == STATE_SHOP && shop_tick() == TICK_ENDS)
        return TICK_ENDS;                                               // ends if left
    if (state == STATE_GALLERY && gallery_tick() == TICK_ENDS)
        return TICK_ENDS;                                               // next test
    if (state == STATE_MAIN_MENU) {
        title_menu_tick();
        state = game_state;                                             // re-read
    }
    if (state == STATE_CHARACTER_SELECT) {
        if (!fight_load_phase)
            character_select_tick();
        else if (fight_load(FIGHT_LOAD_SELECT) == TICK_ENDS)
            return TICK_ENDS;
        state = game_state;                                             // re-read
    }
    // The round intro's last tick runs the round start and the first fight tick as well.
    if (state == STATE_ROUND_INTRO) {
        round_intro_state_tick();
        state = game_state;                                             // re-read
    }
    if (state == STATE_ROUND_START) {
        round_start_tick();
        state = game_state;                                             // re-read
    }
    if (state == STATE_FIGHT) {
        fight_tick();
        state = game_state;                                             // re-read
    }
    return TICK_CONTINUES;
}

// The match's end: next fight, record table, continue; and the biography, last of all.
static void chain_match_end(i32 state)
{
    if (state == STATE_MATCH_OVER && fight_load_phase && !vs_record_shown) {
        if (fight_load(FIGHT_LOAD_LADDER) == TICK_ENDS)
            return;
        state = game_state;                                             // re-read
    }
    if (state == STATE_CONTINUE && fight_load_phase) {
        if (fight_load(FIGHT_LOAD_LADDER) == TICK_ENDS)
            return;
        state = game_state;                                             // re-read
    }
    if (state == STATE_MATCH_OVER) {
        match_over_tick();
        state = game_state;                                             // re-read
    }
    if (state == STATE_TIME_OVER) {
        time_over_tick();
        state = game_state;                                             // re-read
    }
    if ((state == STATE_CONTINUE && !fight_load_phase) ||
        (state == STATE_MATCH_OVER && continue_active)) {
        continue_tick();
        state = game_state;                                             // re-read
    }
    if (state == STATE_BIOGRAPHY)
        biography_tick();                                               // end of tick
}

// Step 6: the handlers in their fixed order. Each test reads `state`, taken once before the
// chain; where a handler may change game_state the chain reads it again, so a later handler
// runs in the new state within this tick.
static void handler_chain()
{
    i32 state = game_state;
    if (chain_before_fades(state) == TICK_ENDS)
        return;
    if (chain_decisions_and_fades(state) == TICK_ENDS)
        return;
    if (chain_screens_and_fight(state) == TICK_ENDS)
        return;
    chain_match_end(state);
}

void game_tick()
{
    special_latches_release();                  // 1. ENTER and ESC latches
    music_poll();                               // 2. keep the tune fed (and looping)
    input_pass();                               // 3. both players' direction and buttons
    if (fade_mode != FADE_NONE || fight_load_phase != 0)
        input_freeze();                         // 4. no input during a fade or a fight load
    if (paused && pause_tick() == TICK_ENDS)    // 5. the pause menu (may return to the title)
        return;
    handler_chain();                            // 6. the screens and the fight
}
