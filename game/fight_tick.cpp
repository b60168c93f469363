// STATE_FIGHT: one tick of a round in progress, the lagging life bars, the round clock and the
// challenger who joins a one-player fight.
#include "game/game.h"

#include "combat/combat.h"
#include "engine/engine.h"

#include <allegro.h>

i32 challenger_pending;
i32 challenger_ticks;
i32 combo_display_timer[2];
i32 combo_hits[2];
i32 best_combo[2];
i32 followup_timer[2];
i32 followup_chain[2];

constexpr f32 FIGHT_FLICKER_STEP = 0.1f;
constexpr f32 FIGHT_FLICKER_FLOOR = 3.0f;
constexpr f32 LIFE_LAG_STEP = 0.005f;         // of full health per tick

bool fighter_knocked_out()
{
    return fighters[0].action == ACTION_KO || fighters[1].action == ACTION_KO;
}

// Step 3: special-move cooldowns.
static void cooldowns_step()
{
    for (Fighter &fighter : fighters)
        if (fighter.special_cooldown > 0)
            fighter.special_cooldown--;
}

// Step 5: the curse a Sphinx or Ares summon leaves on the victim, once the summon is over.
static void summon_linger_step()
{
    const Fighter &caster = fighters[summoner == 1 ? 1 : 0];
    if (caster.character == CHARACTER_ARES)
        summon_linger_step_ares();
    else
        summon_linger_step_sphinx();
}

// Steps 7 and 8: the follow-up window, and the combo shown on the HUD (held during a summon).
// The combo is forgotten when its display runs out, not while none shows: the hit code counts
// a combo up from 1 between displays.
static void combo_timers_step()
{
    for (int side = 0; side < 2; side++) {
        if (followup_timer[side] > 0 && --followup_timer[side] == 0)
            followup_chain[side] = 0;
        if (summon_phase != SUMMON_NONE || combo_display_timer[side] <= 0)
            continue;
        if (--combo_display_timer[side] <= 0) {
            combo_display_timer[side] = 0;
            combo_hits[side] = 0;
            best_combo[side] = 0;
        }
    }
}

// Step 9: the hit and guard flashes fade while a hit reaction runs.
static void hit_flash_step()
{
    if (!fighters[0].hit_recoil && !fighters[1].hit_recoil)
        return;
    for (Fighter &fighter : fighters)
        if (fighter.hit_flash > 0)
            fighter.hit_flash--;
}

// Step 10: ESC, or the Start edge of a human side unless a challenger is on the way.
static void fight_pause_entry()
{
    if (key[KEY_ESC] && !latch_esc)
        pause_open(-1);
    if (challenger_pending)
        return;
    for (int p = 0; p < 2; p++)
        if (!fighter_is_cpu_side(p) && input_start[p] && !latch_start[p])
            pause_open(p);
}

// Step 13: nobody steers while a fighter lies knocked out; Start still reaches the pause.
static void knockout_inputs_clear()
{
    for (int p = 0; p < 2; p++) {
        input_dir[p] = DIR_NONE;
        input_hard_swing[p] = input_low_swing[p] = input_kick[p] = 0;
    }
}

// Step 15: the idle side of a one-player fight presses Start (held is enough) to join.
static void challenger_check()
{
    if (game_state != STATE_FIGHT || challenger_pending || summon_phase != SUMMON_NONE ||
        fighter_knocked_out())
        return;
    int idle = cpu_side_of_one_player_game();
    if (idle < 0 || !input_start[idle])
        return;
    sfx_play_menu(SFX_MENU_CONFIRM);
    latch_start[0] = latch_start[1] = 1;
    challenger_pending = -1;
    input_start_ready[0] = input_start_ready[1] = 0;
    challenger_ticks = 0;
    paused = 0;
}

// Step 16: while a summon darkens the scene only the summoner moves, and a guard held by the
// other side (a guard pose still blends); both figures are posed.
static void fighters_animate()
{
    for (int side = 0; side < 2; side++) {
        const Skeleton *skeleton = fighter_skeletons[side];
        bool held = summon_phase == SUMMON_FADE_OUT && side != summoner &&
                    skeleton->action != ACTION_GUARD_STAND && skeleton->action != ACTION_GUARD_CROUCH;
        if (held)
            fight_side_skin(side);
        else
            fight_side_animate(side);
    }
}

// Step 18: the HUD's lagging life runs down towards the health (the Hydra's: its head in
// play) once the hit reaction is over, or at once for a knocked-out fighter.
static void lagging_life_step(Fighter *fighter, const Skeleton *skeleton)
{
    f32 target = fighter->life;
    if (fighter->character == CHARACTER_HYDRA)
        target = fighter->head_life[fighter_head_index(fighter)];
    if (target < 0.0f)
        target = 0.0f;
    if (fighter->life_shown <= target)
        return;
    if (fighter->hit_recoil && skeleton->action != ACTION_KO)
        return;
    if (fighter->life_shown > 0.0f)
        fighter->life_shown -= LIFE_LAG_STEP;
    // May stop up to one step below a positive target; never below empty.
    if (fighter->life_shown < 0.0f)
        fighter->life_shown = 0.0f;
}

// Steps 19 and 20: auras, projectile trails, sparks and bursts, and blood when it is on.
static void fight_effects_step()
{
    fight_auras_step();
    fx_projectile_trail(projectile_trail_particles[0], FX_STEP, 0);
    fx_projectile_trail(projectile_trail_particles[1], FX_STEP, 1);
    fight_bursts_step();
    fight_blood_step(true);
}

// Step 22: the clock counts a second every 60 ticks, not while a fighter lies knocked out; at
// 0 a running summon fades back in and the round goes to the time-over.
static void round_clock_step()
{
    if (++round_clock_ticks <= TICKS_PER_SECOND - 1)
        return;
    round_clock_ticks = 0;
    if (fighter_knocked_out())
        return;
    if (--round_clock > 0)
        return;
    round_clock = 0;
    if (summon_phase != SUMMON_NONE)
        summon_phase = SUMMON_FADE_IN;
    game_state = STATE_TIME_OVER;
}

void fight_tick()
{
    update_fight_camera();                                  // 1. also while paused
    if (paused) {                                           // 2. a paused fight runs only a summon
        if (summon_phase != SUMMON_NONE)
            summon_update(summoner);
        return;
    }
    cooldowns_step();                                       // 3. special-move cooldowns
    if (summon_phase != SUMMON_NONE)
        summon_update(summoner);                            // 4. the summon's step
    if (summon_victim && summon_phase == SUMMON_NONE)
        summon_linger_step();                               // 5. a curse that lingers
    update_projectiles();                                   // 6. projectiles
    combo_timers_step();                                    // 7, 8. follow-up and combo timers
    hit_flash_step();                                       // 9. hit-flash timers
    fight_pause_entry();                                    // 10. pause entry
    fight_temple_flicker(FIGHT_FLICKER_STEP, FIGHT_FLICKER_FLOOR);   // 11. temple light
    if (summon_phase == SUMMON_NONE && !fighter_knocked_out())
        resolve_melee_hits();                               // 12. one hit-detection pass
    if (fighter_knocked_out())
        knockout_inputs_clear();                            // 13. no steering after a knock-out
    if (summon_phase == SUMMON_NONE || summon_phase == SUMMON_EFFECT)
        update_fighters();                                  // 14. control and motion
    challenger_check();                                     // 15. the idle side joins
    fighters_animate();                                     // 16. animation and skinning
    fight_stage_animate();                                  // 17. the arena's scenery
    lagging_life_step(&fighters[0], fighter_skeletons[0]);  // 18. lagging life bars
    lagging_life_step(&fighters[1], fighter_skeletons[1]);
    fight_effects_step();                                   // 19, 20. auras, bursts, blood
    fight_ambient_effects();                                // 21. rain and flames
    round_clock_step();                                     // 22. round clock: may end the round
}
