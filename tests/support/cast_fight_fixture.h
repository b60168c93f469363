// cast_fight_fixture.h: two fighters of any character loaded from the built data set (their
// models, skeletons and tuning; textures are not uploaded), stepped as the fight ticks them:
// the hit pass, control and motion, then each side's key-frame step and skinning. Used by the
// tests that play a character's moves against an opponent.
#pragma once

#include "characters/characters.h"
#include "support/fight_fixture.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

class CastFight : public FightFixture {
protected:
    Skeleton *blocks = nullptr;   // blur and summon skeletons of both sides
    ArchiveHandle saved_archive = nullptr;
    CharacterReaders saved_readers = character_readers;
    char saved_base_dir[BASE_DIR_SIZE];

    static u32 no_texture_upload(ArchiveHandle, const char *, int) { return 1; }

    void SetUp() override
    {
        test_maths_setup();
        FightFixture::SetUp();
        blocks = static_cast<Skeleton *>(calloc(4, sizeof(Skeleton)));
        for (int p = 0; p < 2; p++) {
            blur_skeletons[p] = &blocks[p];
            summon_skeletons[p] = &blocks[2 + p];
        }
        saved_archive = asset_archive;
        asset_archive = archive_open((test_build_dir() + "/data/dat00.dat").c_str());
        ASSERT_NE(asset_archive, nullptr) << "make the data set first (tavrosk-databuild)";
        memcpy(saved_base_dir, base_dir, sizeof base_dir);
        snprintf(base_dir, sizeof base_dir, "%s/", test_build_dir().c_str());
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
        free(blocks);
        FightFixture::TearDown();
    }

    // Both sides load `id` (side two in the alternate colours) and stand `apart` units from
    // each other, facing each other, settled into idle.
    void stand(int id, f32 apart)
    {
        fight_start(id, id);
        ASSERT_EQ(load_character(id, 0, 0), 0);
        ASSERT_EQ(load_character(id, 1, 1), 0);
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
            character_animate(&fighters[p], skeletons[p].get(), blur_skeletons[p]);
            model_skin(fighter_models[p], skeletons[p].get());
        }
    }

    // Throws an attack and plays it out; true when it struck the other side.
    bool connects(const Hands &setup, const Hands &attack)
    {
        if (setup.dir != DIR_NONE)
            fight_tick(setup);
        fight_tick(attack);
        for (int t = 0; t < 150; t++) {
            fight_tick(Hands{setup.dir});
            if (fighters[1].hit_recoil != 0)
                return true;
        }
        return false;
    }
};
