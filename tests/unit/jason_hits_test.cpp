// Jason against Jason with the built figures, the fight's control code and its hit detection:
// each of his attacks, thrown at an opponent standing close, reaches a body point while its
// window is open.
#include "characters/characters.h"
#include "support/character_fight_fixture.h"

using JasonHits = CharacterFight;

TEST_F(JasonHits, EachAttackReachesAnOpponentStandingClose)
{
    expect_attacks_reach(CHARACTER_JASON);
}
