// character_fight_fixture.h: two fighters of a character loaded from the built data set and
// fought tick by tick with the fight's own hit pass, control code, key-frame steps and
// skinning; used by the characters' fight tests.
#pragma once

#include "characters/characters.h"
#include "support/data_set.h"
#include "support/fight_fixture.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <set>
#include <string>
#include <vector>

// A move as the hands give it: held directions and buttons, each for some ticks.
struct FightStep {
    Hands hands;
    int ticks;
};
struct FightMove {
    const char *name;
    std::vector<FightStep> steps;
    int action;                   // the skeleton action the steps must show
};

// The moves every fighter with arms and legs has (side one facing +x).
inline const std::vector<FightMove> &fight_moves_common()
{
    constexpr u8 N = DIR_NONE, U = DIR_UP, R = DIR_RIGHT, D = DIR_DOWN, L = DIR_LEFT, DR = DIR_DOWN_RIGHT;
    static const std::vector<FightMove> moves = {
        {"walk forward", {{{R}, 60}}, ACTION_WALK_FORWARD},
        {"walk back", {{{L}, 60}}, ACTION_WALK_BACK},
        {"crouch", {{{D}, 40}}, ACTION_CROUCH},
        {"jump", {{{U}, 1}}, ACTION_JUMP},
        {"dash", {{{R}, 2}, {{N}, 2}, {{R}, 1}}, ACTION_DASH_FORWARD},
        {"dash back", {{{L}, 2}, {{N}, 2}, {{L}, 1}}, ACTION_DASH_BACK},
        {"hard", {{{N, true}, 1}}, ACTION_HARD_SWING},
        {"hard toward", {{{R, true}, 1}}, ACTION_HARD_SWING_FORWARD},
        {"hard crouching", {{{D}, 1}, {{D, true}, 1}}, ACTION_HARD_SWING_CROUCH},
        {"hard airborne", {{{U}, 1}, {{N, true}, 1}}, ACTION_HARD_SWING_AIR},
        {"low", {{{N, false, true}, 1}}, ACTION_LOW_SWING},
        {"low away", {{{L, false, true}, 1}}, ACTION_LOW_SWING_2},
        {"low crouching", {{{D}, 1}, {{D, false, true}, 1}}, ACTION_LOW_SWING_CROUCH},
        {"low airborne", {{{U}, 1}, {{N, false, true}, 1}}, ACTION_LOW_SWING_AIR},
        {"kick", {{{N, false, false, true}, 1}}, ACTION_KICK},
        {"kick toward", {{{R, false, false, true}, 1}}, ACTION_KICK_FORWARD},
        {"kick crouching", {{{D}, 1}, {{D, false, false, true}, 1}}, ACTION_KICK_CROUCH},
        {"sweep", {{{D}, 1}, {{DR, false, false, true}, 1}}, ACTION_KICK_SWEEP},
        {"kick airborne", {{{U}, 1}, {{N, false, false, true}, 1}}, ACTION_KICK_AIR},
    };
    return moves;
}

// The motions of the special moves (side one facing +x), each finished with the HARD SWING.
inline const std::vector<FightStep> motion_down_toward = {{{DIR_DOWN}, 3}, {{DIR_RIGHT}, 3}, {{DIR_NONE, true}, 1}};
inline const std::vector<FightStep> motion_down_away = {{{DIR_DOWN}, 3}, {{DIR_LEFT}, 3}, {{DIR_NONE, true}, 1}};
inline const std::vector<FightStep> motion_away_down = {{{DIR_LEFT}, 3}, {{DIR_DOWN}, 3}, {{DIR_NONE, true}, 1}};
inline const std::vector<FightStep> motion_toward_down_toward = {
    {{DIR_RIGHT}, 3}, {{DIR_DOWN}, 3}, {{DIR_RIGHT}, 3}, {{DIR_NONE, true}, 1}};

// A special move by its motion, and whether it throws.
struct SpecialCase {
    int id;
    const char *name;
    const std::vector<FightStep> *steps;
    int action;
    bool throws;                  // puts the side's projectile in flight
};

// An attack thrown from a set-up (a held direction), for the reach checks.
struct ReachCase {
    const char *name;
    Hands setup, attack;
};

// Every grounded attack of a fighter with arms and legs.
inline const std::vector<ReachCase> &reach_cases_common()
{
    constexpr u8 N = DIR_NONE, D = DIR_DOWN, R = DIR_RIGHT, DR = DIR_DOWN_RIGHT;
    static const std::vector<ReachCase> cases = {
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
    return cases;
}

class CharacterFight : public FightFixture {
protected:
    Skeleton *blocks = nullptr;   // blur and summon skeletons of both sides
    ArchiveHandle saved_archive = nullptr;
    CharacterReaders saved_readers = character_readers;
    char saved_base_dir[BASE_DIR_SIZE];
    std::set<int> seen;           // every skeleton action side one showed since stand()

    static u32 no_texture_upload(ArchiveHandle, const char *, int) { return 1; }

    void SetUp() override
    {
        test_maths_setup();
        FightFixture::SetUp();
        blocks = skeleton_blocks_new(4);
        for (int p = 0; p < 2; p++) {
            blur_skeletons[p] = &blocks[p];
            summon_skeletons[p] = &blocks[2 + p];
        }
        saved_archive = asset_archive;
        asset_archive = archive_open(test_data_archive_path().c_str());
        ASSERT_NE(asset_archive, nullptr) << TEST_NO_DATA_SET;
        memcpy(saved_base_dir, base_dir, sizeof base_dir);
        // The tuning files are read, and the log written, under base_dir: this program's own copy.
        snprintf(base_dir, sizeof base_dir, "%s/", data_set_built().c_str());
        character_readers.texture = no_texture_upload;
    }

    void TearDown() override
    {
        character_models_free();
        character_readers = saved_readers;
        memcpy(base_dir, saved_base_dir, sizeof base_dir);
        archive_close(asset_archive);
        asset_archive = saved_archive;
        for (int p = 0; p < 2; p++)
            blur_skeletons[p] = summon_skeletons[p] = nullptr;
        skeleton_blocks_free(blocks, 4);
        FightFixture::TearDown();
    }

    // The character against itself in the other colours, `apart` units between them, facing
    // each other and settled into their idle.
    void stand(int id, f32 apart = 30.0f)
    {
        fight_start(id, id);
        ASSERT_EQ(load_character(id, 0, 0), 0);
        ASSERT_EQ(load_character(id, 1, 1), 0);
        for (int p = 0; p < 2; p++) {
            fighters[p].pos_x = p == 0 ? -apart / 2 : apart / 2;
            fighters[p].life = fighters[p].life_shown = 1.0f;
            for (f32 &head : fighters[p].head_life)   // the Hydra's heads, as the round reset fills them
                head = 1.0f;
            skeletons[p]->key_from = 1;
            skeletons[p]->key_to = 2;
        }
        for (int t = 0; t < 40; t++)
            fight_tick(Hands());
        seen.clear();
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
            character_animate(&fighters[p], skeletons[p].get(), blur_skeletons[p]);
            model_skin(fighter_models[p], skeletons[p].get());
        }
        seen.insert(skeletons[0]->action);
    }

    void press(const Hands &hands, int ticks = 1)
    {
        for (int t = 0; t < ticks; t++)
            fight_tick(hands);
    }

    // Throws an attack and plays it out; true when it struck the other side.
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

    // Each attack of the list (by default every grounded attack), thrown at the other side
    // standing close (from bodies all but touching to a step apart), strikes it.
    void expect_attacks_reach(int id, const std::vector<ReachCase> &cases = reach_cases_common())
    {
        for (f32 apart : {8.5f, 10.0f, 13.0f}) {
            for (const ReachCase &c : cases) {
                SCOPED_TRACE(std::string(c.name) + " of character " + std::to_string(id) + " at " +
                             std::to_string(apart));
                stand(id, apart);
                EXPECT_TRUE(connects(c.setup, c.attack));
            }
        }
    }

    // Each move from the character standing idle: it shows its action, only actions of the
    // character's table show, and the character stands idle again once the hands let go.
    void expect_moves_play(int id, const std::vector<FightMove> &moves)
    {
        for (const FightMove &c : moves) {
            SCOPED_TRACE(std::string(c.name) + " of character " + std::to_string(id));
            stand(id, 30.0f);
            for (const FightStep &step : c.steps)
                press(step.hands, step.ticks);
            EXPECT_GT(until_idle(), 0) << "still in action " << skeletons[0]->action;
            EXPECT_TRUE(seen.count(c.action)) << "never played " << c.action;
            for (int action : seen)
                EXPECT_NE(sequencer_find_block(&character_modules[id]->sequence, action), nullptr) << action;
        }
    }

    // Lets go and waits for side one to stand idle again; the ticks it took, -1 never.
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
