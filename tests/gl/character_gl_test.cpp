// The character loaders with the engine's own readers under a real GL context: every
// character loads from the built data set on either side, in both colour sets, and its
// textures are live GL textures in its slot of the tables.
#include "characters/characters.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cstdlib>
#include <string>

class CharacterGl : public GlTest {
protected:
    Skeleton *blocks = nullptr;
    ArchiveHandle saved_archive = nullptr;

    void SetUp() override
    {
        GlTest::SetUp();
        test_maths_setup();
        picture_library_start();
        saved_archive = asset_archive;
        asset_archive = archive_open((test_build_dir() + "/data/dat00.dat").c_str());
        ASSERT_NE(asset_archive, nullptr) << "make the data set first (tavrosk-databuild)";
        blocks = static_cast<Skeleton *>(calloc(6, sizeof(Skeleton)));
        for (int s = 0; s < FIGHTER_SLOTS; s++) {
            fighter_skeletons[s] = &blocks[s];
            blur_skeletons[s] = &blocks[2 + s];
            summon_skeletons[s] = &blocks[4 + s];
        }
    }

    void TearDown() override
    {
        delete_textures();
        character_models_free();
        for (int s = 0; s < FIGHTER_SLOTS; s++)
            fighter_skeletons[s] = blur_skeletons[s] = summon_skeletons[s] = nullptr;
        free(blocks);
        archive_close(asset_archive);
        asset_archive = saved_archive;
    }

    static void delete_table(u32 *names, int count)
    {
        glDeleteTextures(count, names);
        for (int i = 0; i < count; i++)
            names[i] = 0;
    }

    static void delete_textures()
    {
        delete_table(skin_textures, SKIN_TEXTURE_COUNT);
        delete_table(divine_textures, FIGHTER_SLOTS * DIVINE_TEXTURES_PER_SLOT);
        delete_table(projectile_textures, FIGHTER_SLOTS * PROJECTILE_TEXTURES_PER_SLOT);
        delete_table(blade_blur_textures, FIGHTER_SLOTS);
    }
};

TEST_F(CharacterGl, EveryCharacterLoadsOnEitherSideWithLiveTextures)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        for (int alt = 0; alt < 2; alt++) {
            SCOPED_TRACE("character " + std::to_string(id) + " colours " + std::to_string(alt));
            // A mirror match: both slots hold the character at once.
            ASSERT_EQ(load_character(id, 0, alt), 0);
            ASSERT_EQ(load_character(id, 1, 1 - alt), 0);
            for (int slot = 0; slot < FIGHTER_SLOTS; slot++) {
                EXPECT_TRUE(glIsTexture(skin_textures[SKIN_SLOT_SIZE * slot]));
                EXPECT_TRUE(glIsTexture(divine_textures[DIVINE_TEXTURES_PER_SLOT * slot + 2]));   // the god
                EXPECT_TRUE(glIsTexture(blade_blur_textures[slot]));
                EXPECT_EQ(fighter_models[slot], character_models[slot][id]);
            }
            EXPECT_NE(fighter_models[0], fighter_models[1]);
            delete_textures();
        }
    }
}
