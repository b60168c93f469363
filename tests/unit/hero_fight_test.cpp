// Odysseus, Atalanta, Perseus and Hippolyte loaded from the built data set and fought with the
// fight's own control code, hit detection and skinning: every move the buttons and motions
// give them plays and hands them back to idle, their throws put a projectile in flight, every
// action of their tables plays out without leaving them stuck, and their attacks reach an
// opponent standing close.
#include "characters/characters.h"
#include "support/character_fight_fixture.h"

#include <cmath>
#include <iterator>
#include <string>
#include <vector>

static const int heroes[] = {CHARACTER_ODYSSEUS, CHARACTER_ATALANTA, CHARACTER_PERSEUS, CHARACTER_HIPPOLYTE};

class HeroFight : public CharacterFight {
protected:
    void stand(int id, f32 apart = 30.0f) { CharacterFight::stand(id, apart); }
};

namespace {
struct SpecialCase {
    int id;
    const char *name;
    const std::vector<FightStep> *steps;
    int action;
    bool throws;                  // puts the side's projectile in flight
};
const SpecialCase specials[] = {
    {CHARACTER_ODYSSEUS, "Odysseus's throw", &motion_down_toward, ACTION_ODYSSEUS_SPECIAL2, true},
    {CHARACTER_ODYSSEUS, "Odysseus's thrust", &motion_down_away, ACTION_ODYSSEUS_SPECIAL1, false},
    {CHARACTER_ATALANTA, "Atalanta's leap", &motion_down_toward, ACTION_ATALANTA_SPECIAL1, false},
    {CHARACTER_ATALANTA, "Atalanta's rising", &motion_away_down, ACTION_ATALANTA_SPECIAL2, false},
    {CHARACTER_PERSEUS, "Perseus's flurry", &motion_down_toward, ACTION_PERSEUS_SPECIAL1, false},
    {CHARACTER_PERSEUS, "Perseus's leap", &motion_toward_down_toward, ACTION_PERSEUS_SPECIAL2, false},
    {CHARACTER_HIPPOLYTE, "Hippolyte's throw", &motion_down_toward, ACTION_HIPPOLYTE_SPECIAL2, true},
    {CHARACTER_HIPPOLYTE, "Hippolyte's leap", &motion_down_away, ACTION_HIPPOLYTE_SPECIAL1, false},
};
}   // namespace

TEST_F(HeroFight, EveryMoveTheyGetPlaysAndEndsInIdle)
{
    for (int id : heroes) {
        std::vector<FightMove> moves = fight_moves_common();
        for (const SpecialCase &s : specials)
            if (s.id == id)
                moves.push_back({s.name, *s.steps, s.action});
        for (const FightMove &c : moves) {
            SCOPED_TRACE(std::string(c.name) + " of character " + std::to_string(id));
            stand(id);
            for (const FightStep &step : c.steps)
                press(step.hands, step.ticks);
            EXPECT_GT(until_idle(), 0) << "still in action " << skeletons[0]->action;
            EXPECT_TRUE(seen.count(c.action)) << "never played " << c.action;
            for (int action : seen)
                EXPECT_NE(sequencer_find_block(&character_modules[id]->sequence, action), nullptr) << action;
        }
    }
}

TEST_F(HeroFight, TheirThrowsPutTheSidesProjectileInFlight)
{
    for (const SpecialCase &s : specials) {
        SCOPED_TRACE(s.name);
        stand(s.id);
        for (const FightStep &step : *s.steps)
            press(step.hands, step.ticks);
        EXPECT_EQ(projectile_in_flight[0], s.throws ? 1 : 0);
        if (s.throws) {
            EXPECT_EQ(projectiles[0].move_id, s.action);
            EXPECT_EQ(projectiles[0].direction, 1);   // toward the opponent
        }
    }
}

// Every action of each table, started from idle and played for a few hundred ticks with the
// skinning after each step: moves that end leave their action, holds rest on their last key,
// loops stay in their keys.
TEST_F(HeroFight, EveryActionOfTheirTablesPlaysOutWithSkinning)
{
    for (int id : heroes) {
        stand(id);
        const CharacterSequence &seq = character_modules[id]->sequence;
        for (int i = 0; i < seq.block_count; i++) {
            const SeqBlock &b = seq.blocks[i];
            for (int action : {b.action, b.twin}) {
                if (action == SEQ_NO_TWIN)
                    continue;
                SCOPED_TRACE("character " + std::to_string(id) + " action " + std::to_string(action));
                Skeleton *sk = skeletons[0].get();
                sk->action = action;
                fighters[0].action = action;
                for (int t = 0; t < 600; t++) {
                    character_animate(&fighters[0], sk, blur_skeletons[0]);
                    model_skin(fighter_models[0], sk);
                    ASSERT_TRUE(sk->key_from >= 0 && sk->key_from <= 255 && sk->key_to >= 0 && sk->key_to <= 255);
                    ASSERT_TRUE(std::isfinite(sk->phase));
                }
                if (b.flags & SEQ_LOOP) {
                    EXPECT_EQ(sk->action, action);
                    EXPECT_TRUE(sk->key_to >= b.lo && sk->key_to <= b.hi) << sk->key_to;
                } else if (b.end & END_SKELETON_ACTION) {
                    EXPECT_NE(sk->action, action) << "stuck on key " << sk->key_to;
                } else {
                    EXPECT_EQ(sk->key_from, b.end_key);
                    EXPECT_EQ(sk->key_to, b.end_key);
                }
                fighters[0].posture = POSTURE_STAND;
                sk->action = ACTION_IDLE;
                fighters[0].action = ACTION_IDLE;
                for (int t = 0; t < 60; t++)
                    character_animate(&fighters[0], sk, blur_skeletons[0]);
            }
        }
    }
}

TEST_F(HeroFight, EachAttackReachesAnOpponentStandingClose)
{
    for (int id : heroes)
        expect_attacks_reach(id);
}
