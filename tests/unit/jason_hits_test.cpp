// Jason against Jason with the built figures, the fight's control code and its hit detection:
// each of his attacks, thrown at an opponent standing close, reaches a body point while its
// window is open.
#include "characters/characters.h"
#include "support/data_fight_fixture.h"

#include <cstdlib>
#include <cstring>
#include <string>

class JasonHits : public DataFightFixture {
protected:
    // Both Jasons loaded, standing `apart` units from each other and facing each other.
    void stand(f32 apart)
    {
        fight_start(CHARACTER_JASON, CHARACTER_JASON);
        ASSERT_EQ(jason_load(0, 0), 0);
        ASSERT_EQ(jason_load(1, 1), 0);
        for (int p = 0; p < 2; p++) {
            fighters[p].pos_x = p == 0 ? -apart / 2 : apart / 2;
            fighters[p].life = fighters[p].life_shown = 1.0f;
            skeletons[p]->key_from = 1;
            skeletons[p]->key_to = 2;
        }
        for (int t = 0; t < 40; t++)
            fight_tick(Hands());
    }

    // One fight tick in the game's order: the hit pass, control and motion, then each side's
    // key-frame step and skinning.
    void fight_tick(const Hands &hands)
    {
        resolve_melee_hits();
        hold(0, hands);
        hold(1, Hands());
        update_fighters();
        for (int p = 0; p < 2; p++) {
            jason_animate(&fighters[p], skeletons[p].get(), blur_skeletons[p]);
            model_skin(fighter_models[p], skeletons[p].get());
        }
    }

    // Throws an attack and plays it out; true when it struck the other Jason.
    bool connects(const Hands &setup, const Hands &attack)
    {
        if (setup.dir != DIR_NONE)
            fight_tick(setup);
        fight_tick(attack);
        for (int t = 0; t < 120; t++) {
            fight_tick(Hands{setup.dir});
            if (fighters[1].hit_recoil != 0)
                return true;
        }
        return false;
    }
};

TEST_F(JasonHits, EachAttackReachesAnOpponentStandingClose)
{
    constexpr u8 N = DIR_NONE, D = DIR_DOWN, R = DIR_RIGHT, DR = DIR_DOWN_RIGHT;
    struct Case {
        const char *name;
        Hands setup, attack;
    };
    const Case cases[] = {
        {"hard", {N}, {N, true}},
        {"hard toward", {N}, {R, true}},
        {"hard crouching", {D}, {D, true}},
        {"low", {N}, {N, false, true}},
        {"low crouching", {D}, {D, false, true}},
        {"kick", {N}, {N, false, false, true}},
        {"kick toward", {N}, {R, false, false, true}},
        {"kick crouching", {D}, {D, false, false, true}},
        {"sweep", {D}, {DR, false, false, true}},
    };
    for (f32 apart : {8.5f, 10.0f, 13.0f}) {
        for (const Case &c : cases) {
            SCOPED_TRACE(std::string(c.name) + " at " + std::to_string(apart));
            stand(apart);
            EXPECT_TRUE(connects(c.setup, c.attack));
        }
    }
}
