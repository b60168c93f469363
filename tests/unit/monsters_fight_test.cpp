// Polyphemus, the Minotaur, Medusa and the Sphinx with their built figures, against their own
// double: every action of their tables plays with skinning and settles, every button and
// special the fight's control code gives them plays and hands them back to idle, and their
// attacks reach an opponent standing close.
#include "support/cast_fight_fixture.h"
#include "support/move_scripts.h"

#include <cmath>
#include <iterator>
#include <set>
#include <string>
#include <vector>

static const int monsters[] = {CHARACTER_POLYPHEMUS, CHARACTER_MINOTAUR, CHARACTER_MEDUSA, CHARACTER_SPHINX};

class MonstersFight : public CastFight {
protected:
    std::set<int> seen;   // every skeleton action side one showed

    const CharacterSequence &sequence(int id) { return character_modules[id]->sequence; }

    void play_tick(const Hands &hands)
    {
        fight_tick(hands);
        seen.insert(skeletons[0]->action);
    }

    // Lets go and waits for side one to stand idle again; returns the ticks it took, -1 never.
    int until_idle(int limit = 900)
    {
        for (int t = 1; t <= limit; t++) {
            play_tick(Hands());
            if (fighters[0].action == ACTION_IDLE && skeletons[0]->action == ACTION_IDLE &&
                skeletons[0]->attack_live == 0 && fighters[0].posture == POSTURE_STAND)
                return t;
        }
        return -1;
    }

    // True when every vertex of side one's skinned model is a finite point.
    bool skin_is_finite()
    {
        const Model *model = fighter_models[0];
        for (u32 v = 0; v < model->vertex_count; v++)
            for (int axis = 0; axis < 3; axis++)
                if (!std::isfinite(model->pos[v][axis]))
                    return false;
        return true;
    }
};

// Played on the skeleton alone (the control code would change some of them at once): each
// action reaches its own keys, the skin stays whole, and after a few hundred ticks it is back in
// idle, holding a last key, or looping inside its keys.
TEST_F(MonstersFight, EveryActionOfTheirTablesPlaysWithSkinningAndSettles)
{
    for (int id : monsters) {
        stand(id, 40.0f);
        const CharacterSequence &seq = sequence(id);
        for (int i = 0; i < seq.block_count; i++) {
            for (int action : {seq.blocks[i].action, seq.blocks[i].twin}) {
                if (action == SEQ_NO_TWIN)
                    continue;
                const SeqBlock &block = seq.blocks[i];
                SCOPED_TRACE(std::string(character_modules[id]->directory) + " action " + std::to_string(action));
                fighters[0].action = action;
                fighters[0].posture = POSTURE_STAND;
                skeletons[0]->action = action;
                skeletons[0]->attack_live = 255;
                bool reached = false;   // its keys shown while it plays
                for (int t = 0; t < 400; t++) {
                    character_animate(&fighters[0], skeletons[0].get(), blur_skeletons[0]);
                    model_skin(fighter_models[0], skeletons[0].get());
                    ASSERT_GE(skeletons[0]->key_to, 0);
                    ASSERT_LE(skeletons[0]->key_to, 255);
                    if (skeletons[0]->action == action && skeletons[0]->key_to >= block.lo &&
                        skeletons[0]->key_to <= block.hi)
                        reached = true;
                }
                EXPECT_TRUE(reached);
                EXPECT_TRUE(skin_is_finite());
                const Skeleton &s = *skeletons[0];
                bool settled = s.action == ACTION_IDLE || s.action == ACTION_CROUCH ||
                               s.key_from == s.key_to || (block.flags & SEQ_LOOP) ||
                               (s.key_to >= block.lo && s.key_to <= block.hi);
                EXPECT_TRUE(settled) << "stuck at " << s.key_from << "-" << s.key_to << " in " << s.action;
                projectile_in_flight[0] = 0;
                fighters[0].posture = POSTURE_STAND;
            }
        }
    }
}

TEST_F(MonstersFight, EveryButtonAndSpecialPlaysAndEndsInIdle)
{
    constexpr u8 R = DIR_RIGHT, D = DIR_DOWN, L = DIR_LEFT;
    // Each special by its command, for side one facing +x.
    const std::vector<MoveScript> specials[] = {
        {special_move_script("stomp", {R, D, R}, ACTION_POLYPHEMUS_SPECIAL2),
         special_move_script("strike", {R, L, R}, ACTION_POLYPHEMUS_SPECIAL1)},
        {special_move_script("charge", {D, R}, ACTION_MINOTAUR_SPECIAL2),
         special_move_script("gore", {D, L}, ACTION_MINOTAUR_SPECIAL1)},
        {special_move_script("straight gaze", {D, R}, ACTION_MEDUSA_SPECIAL1),
         special_move_script("rising gaze", {D, L}, ACTION_MEDUSA_SPECIAL2)},
        {special_move_script("riddle", {D, L}, ACTION_SPHINX_SPECIAL2),
         special_move_script("leap", {R, D, R}, ACTION_SPHINX_SPECIAL1)},
    };
    for (size_t m = 0; m < std::size(monsters); m++) {
        int id = monsters[m];
        std::vector<MoveScript> all = common_move_scripts();
        all.insert(all.end(), specials[m].begin(), specials[m].end());
        for (const MoveScript &c : all) {
            SCOPED_TRACE(std::string(character_modules[id]->directory) + " " + c.name);
            stand(id, 40.0f);
            for (f32 &rate : fighters[0].anim_rate)
                rate = 1.0f;
            seen.clear();
            for (const MoveStep &step : c.steps)
                for (int t = 0; t < step.ticks; t++)
                    play_tick(step.hands);
            EXPECT_GT(until_idle(), 0) << "still in action " << skeletons[0]->action;
            EXPECT_TRUE(seen.count(c.expected_action)) << "never played " << c.expected_action;
            for (int action : seen)
                EXPECT_NE(sequencer_find_block(&sequence(id), action), nullptr) << action;
            projectile_in_flight[0] = 0;
        }
    }
}

TEST_F(MonstersFight, EachAttackReachesAnOpponentStandingClose)
{
    for (int id : monsters) {
        for (f32 apart : {8.5f, 12.0f}) {
            for (const AttackScript &c : close_attack_scripts()) {
                SCOPED_TRACE(std::string(character_modules[id]->directory) + " " + c.name + " at " +
                             std::to_string(apart));
                stand(id, apart);
                EXPECT_TRUE(connects(c.setup, c.attack));
            }
        }
    }
}

// The specials that strike with the body rather than a thrown record reach a close opponent too.
TEST_F(MonstersFight, MeleeSpecialsReachAnOpponentStandingClose)
{
    constexpr u8 R = DIR_RIGHT, D = DIR_DOWN, L = DIR_LEFT;
    const std::pair<int, MoveScript> cases[] = {
        {CHARACTER_POLYPHEMUS, special_move_script("strike", {R, L, R}, ACTION_POLYPHEMUS_SPECIAL1)},
        {CHARACTER_MINOTAUR, special_move_script("charge", {D, R}, ACTION_MINOTAUR_SPECIAL2)},
        {CHARACTER_MINOTAUR, special_move_script("gore", {D, L}, ACTION_MINOTAUR_SPECIAL1)},
        {CHARACTER_SPHINX, special_move_script("leap", {R, D, R}, ACTION_SPHINX_SPECIAL1)},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(character_modules[c.first]->directory) + " " + c.second.name);
        stand(c.first, 12.0f);
        seen.clear();
        bool struck = false;
        for (const MoveStep &step : c.second.steps)
            for (int t = 0; t < step.ticks; t++)
                play_tick(step.hands);
        for (int t = 0; t < 200 && !struck; t++) {
            play_tick(Hands());
            struck = fighters[1].hit_recoil != 0;
        }
        EXPECT_TRUE(seen.count(c.second.expected_action));
        EXPECT_TRUE(struck);
    }
}
