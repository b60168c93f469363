// Jason against Jason with the built figures, the fight's control code and its hit detection:
// each of his attacks, thrown at an opponent standing close, reaches a body point while its
// window is open.
#include "support/cast_fight_fixture.h"
#include "support/move_scripts.h"

#include <string>

// Both Jasons, as the cast fixture loads them.
class JasonHits : public CastFight {
protected:
    void stand(f32 apart) { CastFight::stand(CHARACTER_JASON, apart); }
};

TEST_F(JasonHits, EachAttackReachesAnOpponentStandingClose)
{
    for (f32 apart : {8.5f, 10.0f, 13.0f}) {
        for (const AttackScript &c : close_attack_scripts()) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(apart));
            stand(apart);
            EXPECT_TRUE(connects(c.setup, c.attack));
        }
    }
}
