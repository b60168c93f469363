// Jason under the fight's own control code: every move the buttons and motions give him has a
// block in his table, plays, and hands him back to idle once the hands let go.
#include "characters/characters.h"
#include "support/character_fight_fixture.h"
#include "support/model_fixtures.h"

#include <set>
#include <string>
#include <vector>

class JasonFight : public FightFixture {
protected:
    std::set<int> seen;   // every skeleton action met

    void SetUp() override
    {
        test_maths_setup();
        FightFixture::SetUp();
    }

    // One fight tick as the game runs it: control and motion, then both animation steps.
    void fight_tick(const Hands &hands)
    {
        hold(0, hands);
        hold(1, Hands());
        update_fighters();
        for (int p = 0; p < 2; p++)
            jason_animate(&fighters[p], skeletons[p].get(), nullptr);
        seen.insert(skeletons[0]->action);
    }

    void press(const Hands &hands, int ticks = 1)
    {
        for (int t = 0; t < ticks; t++)
            fight_tick(hands);
    }

    // Lets go and waits for side one to stand idle again; returns the ticks it took, -1 never.
    int until_idle(int limit = 900)
    {
        for (int t = 1; t <= limit; t++) {
            fight_tick(Hands());
            if (fighters[0].action == ACTION_IDLE && skeletons[0]->action == ACTION_IDLE &&
                skeletons[0]->attack_live == 0 && fighters[0].posture == POSTURE_STAND)
                return t;
        }
        return -1;
    }
};

TEST_F(JasonFight, EveryMoveHeGetsPlaysAndEndsInIdle)
{
    std::vector<FightMove> cases = fight_moves_common();
    cases.push_back({"first special", motion_down_away, ACTION_JASON_SPECIAL1});
    cases.push_back({"second special", motion_down_toward, ACTION_JASON_SPECIAL2});
    for (const FightMove &c : cases) {
        SCOPED_TRACE(c.name);
        fight_start(CHARACTER_JASON, CHARACTER_JASON);
        fighters[0].has_followups = 1;
        for (f32 &rate : fighters[0].anim_rate)
            rate = 1.0f;
        seen.clear();
        press(Hands(), 5);
        for (const FightStep &step : c.steps)
            press(step.hands, step.ticks);
        EXPECT_GT(until_idle(), 0) << "still in action " << skeletons[0]->action;
        EXPECT_TRUE(seen.count(c.action)) << "never played " << c.action;
        for (int action : seen)
            EXPECT_NE(sequencer_find_block(&jason_module.sequence, action), nullptr) << action;
    }
}

// The third LOW SWING of the chain comes after two that connected.
TEST_F(JasonFight, TheLowSwingChainEndsInIdle)
{
    fighters[0].has_followups = 1;
    for (f32 &rate : fighters[0].anim_rate)
        rate = 1.0f;
    press(Hands(), 5);
    followup_chain[0] = 2;
    press(Hands{DIR_NONE, false, true});
    EXPECT_EQ(skeletons[0]->action, ACTION_LOW_SWING_3);
    followup_chain[0] = 0;
    EXPECT_GT(until_idle(), 0);
}
