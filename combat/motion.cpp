// Motion commands: six small recognisers per fighter step along the direction history, and
// the special-move choice turns the completed ones into a move code.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

constexpr i16 COMMAND_WINDOW_TICKS = 30;
constexpr f32 POWER_FULL = 0.999f;

// The direction codes that mean toward, away and their downward diagonals for a fighter
// facing +x (facing 1) or -x (facing 0).
struct RelativeDirections {
    u8 toward, away, down_toward, down_away;
};
static const RelativeDirections relative_directions[2] = {
    {DIR_LEFT, DIR_RIGHT, DIR_DOWN_LEFT, DIR_DOWN_RIGHT},    // facing -x
    {DIR_RIGHT, DIR_LEFT, DIR_DOWN_RIGHT, DIR_DOWN_LEFT},    // facing +x
};

static const RelativeDirections &fighter_directions(const Fighter *fighter)
{
    return relative_directions[fighter->facing ? 1 : 0];
}

u8 fighter_toward(const Fighter *fighter)
{
    return fighter_directions(fighter).toward;
}

u8 fighter_away(const Fighter *fighter)
{
    return fighter_directions(fighter).away;
}

u8 fighter_down_toward(const Fighter *fighter)
{
    return fighter_directions(fighter).down_toward;
}

u8 fighter_down_away(const Fighter *fighter)
{
    return fighter_directions(fighter).down_away;
}

// One step of one recogniser: from state `from` to from + 1 when `matches`; reaching `done`
// opens the command window.
static bool command_step(Fighter *fighter, MotionCommand command, u8 from, bool matches, u8 done)
{
    if (fighter->command_state[command] != from || !matches)
        return false;
    fighter->command_state[command] = from + 1;
    if (from + 1 == done)
        fighter->command_window = COMMAND_WINDOW_TICKS;
    return true;
}

// Steps every recogniser at most once on the newest history entry, in the fixed order: the
// away-down and toward-away-toward completions clear recognisers stepped before them.
void detect_motion_commands(int p)
{
    Fighter *f = &fighters[p];
    if (f->dir_count < 1)
        return;
    const int code = f->dir_history[f->dir_count - 1];
    const RelativeDirections &rel = fighter_directions(f);
    const bool down = code == DIR_DOWN;
    const bool toward = code == rel.toward;
    const bool toward_or_diagonal = toward || code == rel.down_toward;
    const bool away_or_diagonal = code == rel.away || code == rel.down_away;
    u8 *state = f->command_state;

    if (!command_step(f, COMMAND_DOWN_TOWARD, 0, down, 2))
        command_step(f, COMMAND_DOWN_TOWARD, 1, toward_or_diagonal, 2);

    if (!command_step(f, COMMAND_DOWN_AWAY, 0, down, 2))
        command_step(f, COMMAND_DOWN_AWAY, 1, away_or_diagonal, 2);

    if (!command_step(f, COMMAND_AWAY_DOWN, 0, away_or_diagonal, 2) &&
        command_step(f, COMMAND_AWAY_DOWN, 1, down, 2)) {
        state[COMMAND_DOWN_TOWARD] = 0;
        state[COMMAND_DOWN_AWAY] = 0;
    }

    if (!command_step(f, COMMAND_TOWARD_DOWN_TOWARD, 0, toward, 3) &&
        !command_step(f, COMMAND_TOWARD_DOWN_TOWARD, 1, down, 3))
        command_step(f, COMMAND_TOWARD_DOWN_TOWARD, 2, toward_or_diagonal, 3);

    if (!command_step(f, COMMAND_TOWARD_AWAY_TOWARD, 0, toward_or_diagonal, 3) &&
        !command_step(f, COMMAND_TOWARD_AWAY_TOWARD, 1, away_or_diagonal, 3) &&
        command_step(f, COMMAND_TOWARD_AWAY_TOWARD, 2, toward_or_diagonal, 3)) {
        state[COMMAND_DOWN_TOWARD] = 0;
        state[COMMAND_TOWARD_DOWN_TOWARD] = 0;
    }

    if (!command_step(f, COMMAND_SUPER, 0, down, 4) && !command_step(f, COMMAND_SUPER, 1, toward, 4) &&
        !command_step(f, COMMAND_SUPER, 2, down, 4))
        command_step(f, COMMAND_SUPER, 3, toward, 4);
}

void reset_motion_commands(int p)
{
    for (u8 &state : fighters[p].command_state)
        state = 0;
}

// Completed commands by rank, with their codes for facing +x and -x.
struct CommandCode {
    MotionCommand command;
    u8 done;
    i32 code_facing_right, code_facing_left;
};
static const CommandCode command_codes[] = {
    {COMMAND_SUPER, 4, SPECIAL_CODE_SUPER_RIGHT, SPECIAL_CODE_SUPER_LEFT},   // needs a full gauge
    {COMMAND_TOWARD_DOWN_TOWARD, 3, SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT, SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT},
    {COMMAND_DOWN_TOWARD, 2, SPECIAL_CODE_DOWN_TOWARD_RIGHT, SPECIAL_CODE_DOWN_TOWARD_LEFT},
    {COMMAND_DOWN_AWAY, 2, SPECIAL_CODE_DOWN_AWAY_RIGHT, SPECIAL_CODE_DOWN_AWAY_LEFT},
    {COMMAND_AWAY_DOWN, 2, SPECIAL_CODE_AWAY_DOWN_RIGHT, SPECIAL_CODE_AWAY_DOWN_LEFT},
    {COMMAND_TOWARD_AWAY_TOWARD, 3, SPECIAL_CODE_TOWARD_AWAY_TOWARD_RIGHT, SPECIAL_CODE_TOWARD_AWAY_TOWARD_LEFT},
};

MotionCommand special_code_command(i32 code)
{
    for (const CommandCode &row : command_codes)
        if (code == row.code_facing_right || code == row.code_facing_left)
            return row.command;
    return COMMAND_COUNT;
}

static i32 code_by_facing(const Fighter *fighter, i32 right, i32 left)
{
    return fighter->facing ? right : left;
}

// The player's part: the highest-ranked completed command.
static i32 choose_completed_command(const Fighter *f)
{
    for (const CommandCode &row : command_codes) {
        if (f->command_state[row.command] != row.done)
            continue;
        if (row.command == COMMAND_SUPER && !(f->power > POWER_FULL))
            continue;
        return code_by_facing(f, row.code_facing_right, row.code_facing_left);
    }
    return 0;
}

// The computer's own rolls: with a full gauge, usually the super move; then, now and again,
// the character's usual special. Returns -1 to go on with the completed commands.
static i32 cpu_roll_special_move(int p)
{
    const Fighter *f = &fighters[p];
    const Fighter *other = &fighters[1 - p];
    const CpuOpponent *cpu = &cpu_opponents[p];
    if (combat_character(f).cpu_spares_petrified && other->action == ACTION_PETRIFIED)
        return SPECIAL_CODE_NONE;
    if (rand() % 1000 + 100 * cpu->level > 500 && f->power > POWER_FULL) {
        ai_dash_request = 0;
        return code_by_facing(f, SPECIAL_CODE_SUPER_RIGHT, SPECIAL_CODE_SUPER_LEFT);
    }
    if (rand() % 1000 + 100 * cpu->level > 600) {
        const f32 separation = std::fabs(f->pos_x - other->pos_x);
        if (combat_character(f).cpu_long_special && cpu->reach >= separation)
            return code_by_facing(f, SPECIAL_CODE_TOWARD_DOWN_TOWARD_RIGHT, SPECIAL_CODE_TOWARD_DOWN_TOWARD_LEFT);
        return code_by_facing(f, SPECIAL_CODE_DOWN_TOWARD_RIGHT, SPECIAL_CODE_DOWN_TOWARD_LEFT);
    }
    return -1;
}

// Returns the special-move code for side p's HARD SWING (0 none): codes come in facing pairs,
// +x / -x: 1/2 down-toward, 5/4 down-away, 18/17 away-down, 13/14 toward-down-toward, 7/6
// toward-away-toward, 15/16 the super move. A computer side may also roll one.
i32 choose_special_move(int p)
{
    const Fighter *f = &fighters[p];
    const Fighter *other = &fighters[1 - p];
    if (f->posture == POSTURE_AIR || f->action == ACTION_KO || other->action == ACTION_KO)
        return 0;
    if (cpu_side_of_one_player_game() == p) {
        const i32 code = cpu_roll_special_move(p);
        if (code >= 0)
            return code;
    }
    return choose_completed_command(f);
}

void fighter_note_direction(Fighter *fighter, int code)
{
    if (fighter->dir_count < 0 || fighter->dir_count > FIGHTER_DIR_HISTORY_SIZE)
        fighter->dir_count = 0;
    if (fighter->dir_count > 0 && fighter->dir_history[fighter->dir_count - 1] == code)
        return;
    // Only the newest entries are ever read, so a full history forgets its oldest.
    if (fighter->dir_count == FIGHTER_DIR_HISTORY_SIZE) {
        memmove(fighter->dir_history, fighter->dir_history + 1, sizeof fighter->dir_history - sizeof(i16));
        fighter->dir_count--;
    }
    fighter->dir_history[fighter->dir_count++] = static_cast<i16>(code);
}

void fighter_note_tap(Fighter *fighter, int code)
{
    if (fighter->tap_count < 0 || fighter->tap_count > FIGHTER_TAP_HISTORY_SIZE)
        fighter->tap_count = 0;
    if (fighter->tap_count == FIGHTER_TAP_HISTORY_SIZE) {
        memmove(fighter->tap_history, fighter->tap_history + 1, sizeof fighter->tap_history - sizeof(i16));
        fighter->tap_count--;
    }
    fighter->tap_history[fighter->tap_count++] = static_cast<i16>(code);
}
