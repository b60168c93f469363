// Computer against computer, a character against itself with the built data set and the fight's own
// hit pass, control, computer and animation: how rounds end (knock-out or time-over) and how
// much life is left. A balance check run on demand (build target tavrosk_fight_balance), not a test
// of the suite: BALANCE_ROUNDS rounds (default 40), BALANCE_LEVEL the computer level (4),
// BALANCE_CHARACTER the character id (0, Jason), BALANCE_SCALE_PERCENT a factor on every
// move's damage to try a re-balance (100).
#include "support/character_fight_fixture.h"

#include <cstdio>
#include <cstdlib>

constexpr int ROUND_TICKS = 80 * 60;   // the longest clock, 80 s at 60 ticks

static int env_int(const char *name, int fallback)
{
    const char *text = getenv(name);
    return text && *text ? atoi(text) : fallback;
}

class Balance : public CharacterFight {
protected:
    // One round from 30 units apart; returns the ticks it took, ROUND_TICKS at time-over.
    int round(int id, int level)
    {
        stand(id, 30.0f);
        game_mode = GAME_MODE_PROFILE_P1;   // neither side is a player's: both are the computer's
        difficulty = static_cast<i8>(level);
        cpu_opponents_reset();
        const f32 scale = static_cast<f32>(env_int("BALANCE_SCALE_PERCENT", 100)) / 100.0f;
        for (int p = 0; p < 2; p++)
            for (int i = 1; i < 19; i++)
                fighters[p].damage[i] *= scale;   // trying a re-balance without rebuilding the data
        for (int t = 0; t < ROUND_TICKS; t++) {
            // The input pass finds no hands on a computer side: buttons up, ready bytes armed.
            fight_tick(Hands());
            if (fighters[0].life <= 0.0f || fighters[1].life <= 0.0f)
                return t;
        }
        return ROUND_TICKS;
    }
};

TEST_F(Balance, ComputerAgainstComputer)
{
    const int rounds = env_int("BALANCE_ROUNDS", 40), level = env_int("BALANCE_LEVEL", 4);
    const int id = env_int("BALANCE_CHARACTER", CHARACTER_JASON);
    int knock_outs = 0;
    double ticks = 0.0, life_left = 0.0, loser_life = 0.0;
    srand(7);
    for (int r = 0; r < rounds; r++) {
        int t = round(id, level);
        knock_outs += t < ROUND_TICKS;
        ticks += t;
        life_left += fighters[0].life > fighters[1].life ? fighters[0].life : fighters[1].life;
        loser_life += fighters[0].life > fighters[1].life ? fighters[1].life : fighters[0].life;
    }
    printf("level %d: %d of %d rounds by knock-out, %.0f ticks a round, lives left %.2f and %.2f\n", level,
           knock_outs, rounds, ticks / rounds, life_left / rounds, loser_life / rounds);
}
