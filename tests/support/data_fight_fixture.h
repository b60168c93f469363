// data_fight_fixture.h: two fighters that load their figures, skeletons and tuning from the
// data builder's data set (textures are not uploaded: no GL context), on the fight fixture's
// records; used by the tests and balance runs that fight with the built characters.
#pragma once

#include "characters/characters.h"
#include "support/fight_fixture.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <cstdlib>
#include <cstring>

class DataFightFixture : public FightFixture {
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
};
