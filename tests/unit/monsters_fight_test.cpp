// Polyphemus, the Minotaur, Medusa and the Sphinx with their built figures, against their own
// double: every action of their tables plays with skinning and settles, every button and
// special the fight's control code gives them plays and hands them back to idle, and their
// attacks (the melee specials among them) reach an opponent standing close.
#include "support/character_fight_fixture.h"

#include <cmath>
#include <iterator>
#include <string>
#include <utility>
#include <vector>

static const int monsters[] = {CHARACTER_POLYPHEMUS, CHARACTER_MINOTAUR, CHARACTER_MEDUSA, CHARACTER_SPHINX};

// Polyphemus's short strike (side one facing +x).
static const std::vector<FightStep> motion_toward_away_toward = {
    {{DIR_RIGHT}, 3}, {{DIR_LEFT}, 3}, {{DIR_RIGHT}, 3}, {{DIR_NONE, true}, 1}};

class MonstersFight : public CharacterFight {
protected:
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

    // Plays one action on side one's skeleton alone for a few hundred ticks; false when its
    // keys never showed while it played.
    bool play_alone(int action, const SeqBlock &block)
    {
        fighters[0].action = action;
        fighters[0].posture = POSTURE_STAND;
        skeletons[0]->action = action;
        skeletons[0]->attack_live = 255;
        bool reached = false;
        for (int t = 0; t < 400; t++) {
            character_animate(&fighters[0], skeletons[0].get(), blur_skeletons[0]);
            model_skin(fighter_models[0], skeletons[0].get());
            EXPECT_TRUE(skeletons[0]->key_to >= 0 && skeletons[0]->key_to <= 255);
            if (skeletons[0]->action == action && skeletons[0]->key_to >= block.lo && skeletons[0]->key_to <= block.hi)
                reached = true;
        }
        return reached;
    }
};

// Played on the skeleton alone (the control code would change some of them at once): each
// action reaches its own keys, the skin stays whole, and after a few hundred ticks it is back in
// idle or the crouch, holding a last key, or looping inside its keys.
TEST_F(MonstersFight, EveryActionOfTheirTablesPlaysWithSkinningAndSettles)
{
    for (int id : monsters) {
        stand(id, 40.0f);
        const CharacterSequence &seq = character_modules[id]->sequence;
        for (int i = 0; i < seq.block_count; i++) {
            const SeqBlock &block = seq.blocks[i];
            for (int action : {block.action, block.twin}) {
                if (action == SEQ_NO_TWIN)
                    continue;
                SCOPED_TRACE(std::string(character_modules[id]->directory) + " action " + std::to_string(action));
                EXPECT_TRUE(play_alone(action, block));
                EXPECT_TRUE(skin_is_finite());
                const Skeleton &s = *skeletons[0];
                bool settled = s.action == ACTION_IDLE || s.action == ACTION_CROUCH || s.key_from == s.key_to ||
                               (block.flags & SEQ_LOOP) || (s.key_to >= block.lo && s.key_to <= block.hi);
                EXPECT_TRUE(settled) << "stuck at " << s.key_from << "-" << s.key_to << " in " << s.action;
                projectile_in_flight[0] = 0;
            }
        }
    }
}

TEST_F(MonstersFight, EveryButtonAndSpecialPlaysAndEndsInIdle)
{
    // Each one's specials by their commands.
    const std::vector<FightMove> specials[] = {
        {{"stomp", motion_toward_down_toward, ACTION_POLYPHEMUS_SPECIAL2},
         {"strike", motion_toward_away_toward, ACTION_POLYPHEMUS_SPECIAL1}},
        {{"charge", motion_down_toward, ACTION_MINOTAUR_SPECIAL2},
         {"gore", motion_down_away, ACTION_MINOTAUR_SPECIAL1}},
        {{"straight gaze", motion_down_toward, ACTION_MEDUSA_SPECIAL1},
         {"rising gaze", motion_down_away, ACTION_MEDUSA_SPECIAL2}},
        {{"riddle", motion_down_away, ACTION_SPHINX_SPECIAL2},
         {"leap", motion_toward_down_toward, ACTION_SPHINX_SPECIAL1}},
    };
    for (size_t m = 0; m < std::size(monsters); m++) {
        int id = monsters[m];
        std::vector<FightMove> all = fight_moves_common();
        all.insert(all.end(), specials[m].begin(), specials[m].end());
        for (const FightMove &c : all) {
            SCOPED_TRACE(std::string(character_modules[id]->directory) + " " + c.name);
            stand(id, 40.0f);
            for (f32 &rate : fighters[0].anim_rate)
                rate = 1.0f;
            for (const FightStep &step : c.steps)
                press(step.hands, step.ticks);
            EXPECT_GT(until_idle(), 0) << "still in action " << skeletons[0]->action;
            EXPECT_TRUE(seen.count(c.action)) << "never played " << c.action;
            for (int action : seen)
                EXPECT_NE(sequencer_find_block(&character_modules[id]->sequence, action), nullptr) << action;
            projectile_in_flight[0] = 0;
        }
    }
}

TEST_F(MonstersFight, EachAttackReachesAnOpponentStandingClose)
{
    for (int id : monsters)
        expect_attacks_reach(id);
}

// The specials that strike with the body rather than a thrown record reach a close opponent too.
TEST_F(MonstersFight, MeleeSpecialsReachAnOpponentStandingClose)
{
    const std::pair<int, FightMove> cases[] = {
        {CHARACTER_POLYPHEMUS, {"strike", motion_toward_away_toward, ACTION_POLYPHEMUS_SPECIAL1}},
        {CHARACTER_MINOTAUR, {"charge", motion_down_toward, ACTION_MINOTAUR_SPECIAL2}},
        {CHARACTER_MINOTAUR, {"gore", motion_down_away, ACTION_MINOTAUR_SPECIAL1}},
        {CHARACTER_SPHINX, {"leap", motion_toward_down_toward, ACTION_SPHINX_SPECIAL1}},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(std::string(character_modules[c.first]->directory) + " " + c.second.name);
        stand(c.first, 12.0f);
        for (const FightStep &step : c.second.steps)
            press(step.hands, step.ticks);
        bool struck = false;
        for (int t = 0; t < 200 && !struck; t++) {
            fight_tick(Hands());
            struck = fighters[1].hit_recoil != 0;
        }
        EXPECT_TRUE(seen.count(c.second.action));
        EXPECT_TRUE(struck);
    }
}
