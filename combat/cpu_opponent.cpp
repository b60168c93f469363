// The computer opponent: a computer side plays through the same input bytes as a player.
// It keeps one of three tactics (press, wait, back off), drawn with weights by its level and
// drawn again every 180 ticks or whenever the opponent's action changes; every decision is a
// roll of rand() % 10 plus the level, so a harder opponent acts and guards more often.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <cmath>
#include <cstdlib>
#include <iterator>

constexpr i32 REROLL_TICKS = 180;
constexpr f32 CROUCH_REACH_SCALE = 0.8f;
constexpr f32 NEAR_REACH_SCALE = 0.75f;     // nearer than this part of the reach: short moves
constexpr f32 DASH_REACH_SCALE = 1.5f;      // farther than this part of the reach: dash in
constexpr int BACK_OFF_CHANCE = 95;         // rand() % 100 above this steps away
constexpr int ROLL_PRESS = 9;               // rolls above these act
constexpr int ROLL_KICK = 5;
constexpr int ROLL_DUCK = 6;
constexpr int ROLL_JUMP = 8;
constexpr int ROLL_JUMP_SWING = 9;
constexpr int ROLL_GUARD = 11;              // at least: never at level 1
constexpr int ROLL_DASH = 6;                // at least
constexpr int ROLL_JUMP_IN = 9;             // at least
constexpr int ROLL_STUNNED_BACK_OFF = 5;    // below: back off from a stunned opponent
constexpr int ROLL_BONUS_AFTER_HIT = 4;     // while the opponent's connected attack runs on

CpuOpponent cpu_opponents[2];
i32 ai_dash_request;
i32 ai_last_opponent_action;
f32 ai_opponent_life_memo;

// What the computer must know of each character, as itself or as its opponent.
struct CpuCharacter {
    f32 reach;
    u8 simple;            // 1: cannot crouch or jump, so it only walks, waits and swings
    u8 jumped_at;         // 0: the computer never jumps in at this opponent
};
static const CpuCharacter cpu_characters[] = {
    // reach  simple jumped at
    {18.0f, 0, 1},   // Jason
    {20.0f, 0, 0},   // Odysseus
    {20.0f, 0, 1},   // Atalanta
    {20.0f, 0, 1},   // Perseus
    {20.0f, 0, 1},   // Hippolyte
    {25.0f, 0, 1},   // Polyphemus
    {25.0f, 0, 1},   // Minotaur
    {20.0f, 0, 1},   // Medusa
    {20.0f, 0, 1},   // Sphinx
    {35.0f, 1, 1},   // Hydra
    {20.0f, 0, 1},   // Ares
    {20.0f, 0, 1},   // Atropos
};
static_assert(std::size(cpu_characters) == CHARACTER_COUNT, "one row per character");

static const CpuCharacter &cpu_character(const Fighter *f)
{
    return cpu_characters[f->character < CHARACTER_COUNT ? f->character : 0];
}

void cpu_opponents_reset()
{
    for (int p = 0; p < 2; p++) {
        cpu_opponents[p].level = difficulty;
        cpu_opponents[p].countdown = 0;
        cpu_opponents[p].reach = cpu_character(&fighters[p]).reach;
    }
    ai_opponent_life_memo = 1.0f;
    ai_dash_request = 0;
}

void ai_reroll_tactics(int p)
{
    CpuOpponent *cpu = &cpu_opponents[p];
    int range[3] = {0, 0, 0};
    switch (cpu->level) {
    case 1: range[0] = 20; range[1] = 20; range[2] = 60; break;
    case 2:
    case 4: range[0] = 36; range[1] = 36; range[2] = 30; break;
    case 5: range[0] = 40; range[1] = 40; range[2] = 20; break;
    default: range[0] = 0; break;
    }
    if (range[0])
        for (int i = 0; i < 3; i++)
            cpu->weight[i] = rand() % range[i];
    const i32 *w = cpu->weight;
    for (int i = 0; i < 3; i++)
        if (w[i] >= w[(i + 1) % 3] && w[i] >= w[(i + 2) % 3])
            cpu->tactic = i;
    cpu->countdown = REROLL_TICKS;
}

// One tick's view of the fight from side p.
struct CpuView {
    int p, o;                 // own side, opponent's side
    f32 distance;             // along x
    f32 reach;
    bool threat;              // the opponent's attack is live
    bool projectile;          // the opponent's projectile flies
};

static int roll(const CpuView &v)
{
    return rand() % 10 + cpu_opponents[v.p].level;
}

static void press(u8 *held)
{
    *held = FIGHTER_FLAG_ON;
}

// Away from the opponent; down-away against a crouching one.
static void guard_away(const CpuView &v)
{
    const Fighter *f = &fighters[v.p];
    input_dir[v.p] = fighters[v.o].posture == POSTURE_CROUCH ? fighter_down_away(f) : fighter_away(f);
}

// HARD SWING from the far part of the reach, else KICK or LOW SWING.
static void press_attack(const CpuView &v, bool may_duck)
{
    const int p = v.p;
    if (v.distance > NEAR_REACH_SCALE * v.reach) {
        press(&input_hard_swing[p]);
    } else if (roll(v) > ROLL_KICK) {
        press(&input_kick[p]);
    } else {
        press(&input_low_swing[p]);
    }
    const Fighter *o = &fighters[v.o];
    if (may_duck && roll(v) > ROLL_DUCK && o->posture == POSTURE_STAND && !cpu_character(o).simple)
        input_dir[p] = DIR_DOWN;
}

// A press on a good roll, better while the opponent's attack that already hit runs on.
static void try_press(const CpuView &v, bool may_duck)
{
    const Fighter *o = &fighters[v.o];
    const int bonus = v.threat && o->hit_lock != 0 ? ROLL_BONUS_AFTER_HIT : 0;
    if (roll(v) + bonus > ROLL_PRESS)
        press_attack(v, may_duck);
}

// Waiting: stand still while nothing comes; guard what comes.
static void wait_and_guard(const CpuView &v)
{
    if (!v.threat)
        input_dir[v.p] = DIR_NONE;
    if (fighters[v.p].posture != POSTURE_AIR && (v.threat || v.projectile))
        guard_away(v);
}

// After a reroll: hold back from a flying projectile or a dangerous opponent, press a helpless
// one, and think twice about a stunned one.
static void reroll_adjust(const CpuView &v)
{
    CpuOpponent *cpu = &cpu_opponents[v.p];
    const Fighter *o = &fighters[v.o];
    if (v.distance > v.reach && v.projectile && cpu->tactic == CPU_TACTIC_PRESS)
        cpu->tactic = CPU_TACTIC_WAIT;
    if (cpu->level > 3) {
        if (cpu->tactic == CPU_TACTIC_PRESS && o->action == ACTION_HIPPOLYTE_SPECIAL1)
            cpu->tactic = CPU_TACTIC_WAIT;
        if (ai_opponent_life_memo > o->life && v.threat) {
            cpu->tactic = CPU_TACTIC_WAIT;
            ai_opponent_life_memo = o->life;
        }
        // The opponent is helpless: turned to stone, or under this side's lingering curse.
        if (o->action == ACTION_PETRIFIED || summon_victim == v.o + 1)
            cpu->tactic = CPU_TACTIC_PRESS;
    }
    if (o->action == ACTION_STUNNED)
        cpu->tactic = roll(v) < ROLL_STUNNED_BACK_OFF ? CPU_TACTIC_BACK_OFF : CPU_TACTIC_WAIT;
}

static void think_in_reach(const CpuView &v)
{
    const int p = v.p;
    const CpuOpponent *cpu = &cpu_opponents[p];
    input_dir[p] = DIR_NONE;
    if (cpu->tactic == CPU_TACTIC_PRESS)
        try_press(v, true);
    if (fighters[v.o].posture == POSTURE_AIR && cpu->level > 0 && roll(v) > ROLL_JUMP) {
        input_dir[p] = DIR_UP;
        if (roll(v) > ROLL_JUMP_SWING)
            press(v.distance > NEAR_REACH_SCALE * v.reach ? &input_hard_swing[p] : &input_low_swing[p]);
    }
    if (v.threat && roll(v) >= ROLL_GUARD)
        guard_away(v);
    if (cpu->tactic == CPU_TACTIC_WAIT)
        wait_and_guard(v);
}

// Far away and idle or walking: ask the fighter update for a dash in.
static bool think_dash(const CpuView &v)
{
    const Fighter *f = &fighters[v.p];
    const i32 dash_toward = f->facing ? ACTION_DASH_FORWARD : ACTION_DASH_BACK;
    if (!(v.distance > DASH_REACH_SCALE * v.reach) || roll(v) < ROLL_DASH ||
        fighter_skeleton(v.p)->action >= ACTION_WALK_BACK || f->action == dash_toward)
        return false;
    ai_dash_request = 1;
    input_dir[v.p] = DIR_NONE;
    return true;
}

static void think_out_of_reach(const CpuView &v)
{
    const int p = v.p;
    const Fighter *f = &fighters[p];
    const CpuOpponent *cpu = &cpu_opponents[p];
    if (think_dash(v))
        return;
    if (cpu->tactic == CPU_TACTIC_BACK_OFF && rand() % 100 > BACK_OFF_CHANCE)
        input_dir[p] = fighter_away(f);
    if (cpu->tactic == CPU_TACTIC_PRESS && f->posture != POSTURE_AIR) {
        input_dir[p] = fighter_toward(f);
        const Fighter *o = &fighters[v.o];
        if (cpu_character(o).jumped_at && fighter_skeleton(v.o)->action != ACTION_HIPPOLYTE_SPECIAL1 &&
            cpu->level > 0 && roll(v) >= ROLL_JUMP_IN)
            input_dir[p] = f->facing ? DIR_UP_RIGHT : DIR_UP_LEFT;
        if (v.threat && roll(v) >= ROLL_GUARD)
            guard_away(v);
    }
    if (cpu->tactic == CPU_TACTIC_WAIT)
        wait_and_guard(v);
}

// A fighter that cannot crouch or jump walks in, swings, and steps away from danger.
static void think_simple(const CpuView &v)
{
    const int p = v.p;
    const Fighter *f = &fighters[p];
    const CpuOpponent *cpu = &cpu_opponents[p];
    if (v.distance <= v.reach) {
        if (cpu->tactic == CPU_TACTIC_PRESS)
            try_press(v, false);
        input_dir[p] = DIR_NONE;
        if (v.threat && roll(v) >= ROLL_GUARD)
            input_dir[p] = fighter_away(f);
        return;
    }
    if (cpu->tactic == CPU_TACTIC_BACK_OFF && rand() % 100 > BACK_OFF_CHANCE)
        input_dir[p] = fighter_away(f);
    if (cpu->tactic == CPU_TACTIC_PRESS)
        input_dir[p] = v.threat && roll(v) >= ROLL_GUARD ? fighter_away(f) : fighter_toward(f);
}

static CpuView cpu_view(int p)
{
    const int o = 1 - p;
    const Fighter *f = &fighters[p];
    CpuView v;
    v.p = p;
    v.o = o;
    v.distance = std::fabs(f->pos_x - fighters[o].pos_x);
    v.reach = cpu_opponents[p].reach;
    if (f->posture == POSTURE_CROUCH && !cpu_character(f).simple)
        v.reach *= CROUCH_REACH_SCALE;
    v.threat = fighter_skeleton(o)->attack_live == FIGHTER_FLAG_ON;
    v.projectile = projectile_in_flight[o] != 0;
    return v;
}

// Every press is a new press: the held bytes start clear and, with no attack of its own
// under way, the ready bytes armed.
static void release_buttons(int p)
{
    input_hard_swing[p] = 0;
    input_low_swing[p] = 0;
    input_kick[p] = 0;
    if (fighter_skeleton(p)->attack_live != 0)
        return;
    input_hard_swing_ready[p] = FIGHTER_FLAG_ON;
    input_low_swing_ready[p] = FIGHTER_FLAG_ON;
    input_kick_ready[p] = FIGHTER_FLAG_ON;
}

void ai_think(int p)
{
    release_buttons(p);
    const Fighter *o = &fighters[1 - p];
    if (o->action == ACTION_KO) {
        input_dir[p] = DIR_NONE;
        return;
    }
    const CpuView v = cpu_view(p);
    CpuOpponent *cpu = &cpu_opponents[p];
    // KEEP: a reroll tick writes no direction, so the last one is held a tick longer.
    if (cpu->countdown < 1 || o->action != ai_last_opponent_action) {
        ai_last_opponent_action = o->action;
        ai_reroll_tactics(p);
        if (!cpu_character(&fighters[p]).simple)
            reroll_adjust(v);
        return;
    }
    if (cpu_character(&fighters[p]).simple)
        think_simple(v);
    else if (v.distance <= v.reach)
        think_in_reach(v);
    else
        think_out_of_reach(v);
}
