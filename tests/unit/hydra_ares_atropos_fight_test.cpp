// The Hydra, Ares and Atropos loaded from the built data set and fought with the fight's own
// control code, hit detection and skinning: every move the buttons and motions give them plays
// and hands them back to idle (Atropos' leap lands her first), Ares' specials put his projectile
// in flight, and their attacks reach an opponent standing close.
#include "characters/characters.h"
#include "support/character_fight_fixture.h"

#include <string>
#include <vector>

class DepthsFight : public CharacterFight {};

namespace {
const SpecialCase specials[] = {
    {CHARACTER_HYDRA, "the Hydra's lunge", &motion_down_toward, ACTION_HYDRA_SPECIAL1, false},
    {CHARACTER_ARES, "Ares' bolt", &motion_down_toward, ACTION_ARES_SPECIAL2, true},
    {CHARACTER_ARES, "Ares' pillar", &motion_down_away, ACTION_ARES_SPECIAL1, true},
    {CHARACTER_ATROPOS, "Atropos' cut", &motion_down_toward, ACTION_ATROPOS_SPECIAL2, false},
    {CHARACTER_ATROPOS, "Atropos' leap", &motion_toward_down_toward, ACTION_ATROPOS_SPECIAL1, false},
};

// The Hydra stands on its four legs: it walks and strikes with its heads, nothing more.
std::vector<FightMove> hydra_moves()
{
    constexpr u8 N = DIR_NONE, R = DIR_RIGHT, L = DIR_LEFT;
    return {
        {"walk forward", {{{R}, 60}}, ACTION_WALK_FORWARD},
        {"walk back", {{{L}, 60}}, ACTION_WALK_BACK},
        {"hard", {{{N, true}, 1}}, ACTION_HARD_SWING},
        {"hard toward", {{{R, true}, 1}}, ACTION_HARD_SWING_FORWARD},
        {"low", {{{N, false, true}, 1}}, ACTION_LOW_SWING},
        {"low away", {{{L, false, true}, 1}}, ACTION_LOW_SWING_2},
        {"kick", {{{N, false, false, true}, 1}}, ACTION_KICK},
        {"kick toward", {{{R, false, false, true}, 1}}, ACTION_KICK_FORWARD},
    };
}
}   // namespace

TEST_F(DepthsFight, EveryMoveTheyGetPlaysAndEndsInIdle)
{
    for (int id : {CHARACTER_HYDRA, CHARACTER_ARES, CHARACTER_ATROPOS}) {
        std::vector<FightMove> moves = id == CHARACTER_HYDRA ? hydra_moves() : fight_moves_common();
        for (const SpecialCase &s : specials)
            if (s.id == id)
                moves.push_back({s.name, *s.steps, s.action});
        expect_moves_play(id, moves);
    }
}

TEST_F(DepthsFight, AresSpecialsPutHisProjectileInFlight)
{
    for (const SpecialCase &s : specials) {
        if (!s.throws)
            continue;
        SCOPED_TRACE(s.name);
        stand(s.id);
        for (const FightStep &step : *s.steps)
            press(step.hands, step.ticks);
        for (int t = 0; t < 200 && !projectile_in_flight[0]; t++)
            fight_tick(Hands());
        ASSERT_EQ(projectile_in_flight[0], 1);
        EXPECT_EQ(projectiles[0].move_id, s.action);
        EXPECT_EQ(projectiles[0].direction, 1);   // toward the opponent
    }
}

TEST_F(DepthsFight, EachAttackReachesAnOpponentStandingClose)
{
    for (int id : {CHARACTER_ARES, CHARACTER_ATROPOS})
        expect_attacks_reach(id);
}

// The Hydra's heads strike an opponent standing close, each of its blows.
TEST_F(DepthsFight, TheHydrasHeadsReachAnOpponentStandingClose)
{
    constexpr u8 N = DIR_NONE, R = DIR_RIGHT, L = DIR_LEFT;
    expect_attacks_reach(CHARACTER_HYDRA, {
        {"hard", {N}, {N, true}},
        {"hard toward", {N}, {R, true}},
        {"low", {N}, {N, false, true}},
        {"low away", {N}, {L, false, true}},
        {"kick", {N}, {N, false, false, true}},
        {"kick toward", {N}, {R, false, false, true}},
    });
}
