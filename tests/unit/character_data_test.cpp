// The characters' entries of the built data set: each loads with the game's own readers,
// every character loads on either side in both colour sets, the figures have their hit-zone
// vertices and blade-trail bones, the skeletons their exact size, and the poses move.
#include "characters/characters.h"
#include "support/data_set.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <string>

constexpr size_t ESQ_HEADER_BYTES = 7;
constexpr size_t ESQ_BONE_BYTES = 14;
constexpr size_t ESQ_KEYS_BYTES = 9216;

// A texture reader that decodes without uploading: what texture_load does short of GL.
static u32 decode_only_texture(ArchiveHandle archive, const char *name, int mode)
{
    if (mode < 0 || mode >= TEXTURE_MODE_COUNT)
        return 0;
    u8 *data = nullptr;
    u32 size = 0;
    if (!archive_read_entry(archive, name, &data, &size))
        return 0;
    Picture picture = {};
    int ok =
        texture_name_is_jpeg(name) ? jpeg_decode(data, size, &picture) : tga_decode(data, size, &picture);
    free(data);
    picture_free(&picture);
    return ok ? 1 : 0;
}

class CharacterData : public ::testing::Test {
protected:
    static ArchiveHandle archive;

    static void SetUpTestSuite()
    {
        test_maths_setup();
        picture_library_start();
        std::string path = test_data_archive_path();
        archive = archive_open(path.c_str());
    }

    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }

    void SetUp() override { ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET; }

    static Skeleton *load_skeleton(const std::string &name)
    {
        Skeleton *skeleton = skeleton_blocks_new(1);
        if (!skeleton_load(skeleton, archive, name.c_str())) {
            skeleton_blocks_free(skeleton, 1);
            return nullptr;
        }
        return skeleton;
    }
};
ArchiveHandle CharacterData::archive = nullptr;

TEST_F(CharacterData, EveryCharacterLoadsOnEitherSideInBothColourSets)
{
    Skeleton *blocks = skeleton_blocks_new(6);
    for (int s = 0; s < 2; s++) {
        fighter_skeletons[s] = &blocks[s];
        blur_skeletons[s] = &blocks[2 + s];
        summon_skeletons[s] = &blocks[4 + s];
    }
    ArchiveHandle saved_archive = asset_archive;
    CharacterReaders saved_readers = character_readers;
    asset_archive = archive;
    character_readers.texture = decode_only_texture;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int slot = 0; slot < 2; slot++)
            for (int alt = 0; alt < 2; alt++)
                EXPECT_EQ(load_character(id, slot, alt), 0)
                    << "character " << id << " slot " << slot << " colours " << alt;
    u8 saved_nomask = nomask;
    nomask = 255;
    character_models_free();   // the unmasked Sphinx is read only into an empty cache
    EXPECT_EQ(sphinx_load(0, 0), 0);
    nomask = saved_nomask;
    character_models_free();
    character_readers = saved_readers;
    asset_archive = saved_archive;
    for (int s = 0; s < 2; s++)
        fighter_skeletons[s] = blur_skeletons[s] = summon_skeletons[s] = nullptr;
    skeleton_blocks_free(blocks, 6);
}

TEST_F(CharacterData, FigureModelsHaveTheirHitVerticesAndSkeletonsTheirTrailBones)
{
    // The blade-trail edge bones the combat code samples, by character.
    const int top_edge_bone[CHARACTER_COUNT] = {16, 8, 10, 10, 12, 11, 11, 10, 13, -1, 8, 12};
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE("character " + std::to_string(id));
        int top = 0;
        for (int z = 0; z < MODEL_HIT_ZONES; z++)
            top = std::max<int>(top, character_modules[id]->hit_zones[z].vertex);
        for (const std::string &name : character_entries(id, LOAD_MODEL)) {
            Model *model = model_load(archive, name.c_str());
            ASSERT_NE(model, nullptr) << name;
            EXPECT_GT(model->vertex_count, top) << name;
            EXPECT_GT(model->polygon_count, 0) << name;
            model_free(model);
        }
        Skeleton *skeleton = load_skeleton(*character_entries(id, LOAD_SKELETON).begin());
        Skeleton *blur = load_skeleton(*character_entries(id, LOAD_BLUR_SKELETON).begin());
        ASSERT_TRUE(skeleton && blur);
        EXPECT_GT(skeleton->bone_count, top_edge_bone[id]);
        EXPECT_EQ(blur->bone_count, skeleton->bone_count);
        EXPECT_EQ(memcmp(blur->bones, skeleton->bones, sizeof(Bone) * skeleton->bone_count), 0);
        skeleton_blocks_free(skeleton, 1);
        skeleton_blocks_free(blur, 1);
    }
}

TEST_F(CharacterData, EverySkeletonEntryHasItsExactSize)
{
    std::set<std::string> names;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (LoadStepKind kind : {LOAD_SKELETON, LOAD_BLUR_SKELETON, LOAD_SUMMON_SKELETON})
            for (const std::string &name : character_entries(id, kind))
                names.insert(name);
    ASSERT_FALSE(names.empty());
    for (const std::string &name : names) {
        u8 *data = nullptr;
        u32 size = 0;
        ASSERT_TRUE(archive_read_entry(archive, name.c_str(), &data, &size)) << name;
        ASSERT_GE(size, ESQ_HEADER_BYTES) << name;
        size_t bones = static_cast<size_t>(static_cast<i16>(data[5] | data[6] << 8));
        EXPECT_EQ(size, ESQ_HEADER_BYTES + ESQ_BONE_BYTES * bones + ESQ_KEYS_BYTES * bones) << name;
        free(data);
        Skeleton *skeleton = load_skeleton(name);
        EXPECT_NE(skeleton, nullptr) << name;
        skeleton_blocks_free(skeleton, 1);
    }
}

TEST_F(CharacterData, SummonModelsAndPicturesLoad)
{
    std::set<std::string> models, pictures;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        for (const std::string &name : character_entries(id, LOAD_SUMMON_MODEL))
            models.insert(name);
        for (LoadStepKind kind : {LOAD_DIVINE_TEXTURE, LOAD_PROJECTILE_TEXTURE, LOAD_SKIN, LOAD_BLADE_BLUR})
            for (const std::string &name : character_entries(id, kind))
                pictures.insert(name);
    }
    EXPECT_EQ(models.size(), 8u);
    for (const std::string &name : models) {
        Model *model = model_load(archive, name.c_str());
        EXPECT_NE(model, nullptr) << name;
        model_free(model);
    }
    // The wave's spray rises from its vertex 20.
    Model *wave = model_load(archive, "divine/wave.emd");
    ASSERT_NE(wave, nullptr);
    EXPECT_GT(wave->vertex_count, 20);
    model_free(wave);
    for (const std::string &name : pictures)
        EXPECT_EQ(decode_only_texture(archive, name.c_str(), TEXTURE_MIPMAP_RGB), 1u) << name;
}

// Keys that no move shows hold the identity, so that nothing blends into a collapsed bone.
TEST_F(CharacterData, KeysNoMoveUsesAreIdentityAndNoScaleIsZero)
{
    Skeleton *skeleton = load_skeleton("jason/jason.esq");
    ASSERT_NE(skeleton, nullptr);
    std::set<int> used;
    const CharacterSequence &seq = jason_module.sequence;
    for (int i = 0; i < seq.block_count; i++) {
        for (int k = seq.blocks[i].lo; k <= seq.blocks[i].hi; k++)
            used.insert(k);
        int outer[SEQ_OUTER_KEYS];
        for (int n = sequencer_outer_keys(&seq.blocks[i], outer); n-- > 0;)
            used.insert(outer[n]);
    }
    for (int key = 1; key < SKELETON_KEYS; key++) {
        for (int b = 0; b < skeleton->bone_count; b++) {
            const Bone &bone = skeleton->bones[b];
            for (int axis = 0; axis < 3; axis++) {
                EXPECT_GT(bone.scale_keys[key][axis], 0.0f) << "key " << key << " bone " << b;
                if (used.count(key))
                    continue;
                EXPECT_EQ(bone.trans_keys[key][axis], 0.0f) << "key " << key;
                EXPECT_EQ(bone.angle_keys[key][axis], 0.0f) << "key " << key;
                EXPECT_EQ(bone.scale_keys[key][axis], 1.0f) << "key " << key;
            }
        }
    }
    skeleton_blocks_free(skeleton, 1);
}

// Posed by the sequencer itself: Jason's weapon point swings far from where it stood.
TEST_F(CharacterData, JasonsHardSwingMovesHisWeaponPoint)
{
    Model *model = model_load(archive, "jason/jason.emd");
    Skeleton *skeleton = load_skeleton("jason/jason.esq");
    ASSERT_TRUE(model && skeleton);
    Fighter fighter = {};
    for (f32 &rate : fighter.anim_rate)
        rate = 1.0f;
    const int tip = jason_module.hit_zones[8].vertex;
    // Stand at idle.
    skeleton->key_from = 1;
    skeleton->key_to = 2;
    for (int n = 0; n < 60; n++)
        jason_animate(&fighter, skeleton, nullptr);
    model_skin(model, skeleton);
    f32 idle[3];
    memcpy(idle, model->pos[tip], sizeof idle);
    // Swing, and stop half-way through the open window.
    skeleton->action = fighter.action = ACTION_HARD_SWING;
    skeleton->attack_live = 255;
    for (int n = 0; n < 200 && !(skeleton->key_to == 56 && skeleton->phase >= 0.5f); n++)
        jason_animate(&fighter, skeleton, nullptr);
    ASSERT_EQ(skeleton->key_to, 56);
    EXPECT_GT(skeleton->active_window, 0);
    model_skin(model, skeleton);
    const f32 *swing = model->pos[tip];
    f32 moved =
        std::sqrt((swing[0] - idle[0]) * (swing[0] - idle[0]) + (swing[1] - idle[1]) * (swing[1] - idle[1]) +
                  (swing[2] - idle[2]) * (swing[2] - idle[2]));
    EXPECT_GT(moved, 4.0f);
    // The blade reaches out in front (-y) at about chest height.
    EXPECT_LT(swing[1], -10.0f);
    EXPECT_GT(swing[2], 8.0f);
    EXPECT_LT(swing[2], 20.0f);
    model_free(model);
    skeleton_blocks_free(skeleton, 1);
}
