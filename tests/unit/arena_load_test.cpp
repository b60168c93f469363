#include "arenas/arenas.h"
#include "arenas/arenas_local.h"
#include "game/game.h"

#include <cstring>
#include <gtest/gtest.h>
#include <set>
#include <sstream>
#include <string>
#include <vector>

// The arena loaders against recording fakes of the three engine loaders: which entries are
// read, in which order, into which slots, and what a failure leaves behind.

namespace {

struct LoadCall {
    char kind;            // 'm' model, 's' skeleton, 't' texture
    std::string entry;
    int mode;             // textures only
    int slot;             // textures only: the slot the name landed in
};

std::vector<LoadCall> load_calls;
std::set<std::string> failing_entries;
Model fake_models[STAGE_COUNT];
u32 next_texture_name;
// The blocks the start-up loader would make.
StageLight light_record;
Skeleton scenery_skeleton;

Model *fake_model_load(ArchiveHandle, const char *entry)
{
    load_calls.push_back({'m', entry, -1, -1});
    if (failing_entries.count(entry))
        return nullptr;
    for (int i = 0; i < STAGE_COUNT; i++)
        if (strcmp(entry, arena_table[i].model_entry) == 0)
            return &fake_models[i];
    return &fake_models[0];
}

int fake_skeleton_load(Skeleton *skeleton, ArchiveHandle, const char *entry)
{
    load_calls.push_back({'s', entry, -1, -1});
    if (failing_entries.count(entry))
        return 0;
    memset(skeleton, 0, sizeof *skeleton);   // as the real reader does
    return 1;
}

u32 fake_texture_load(ArchiveHandle, const char *entry, int mode)
{
    load_calls.push_back({'t', entry, mode, -1});
    if (failing_entries.count(entry))
        return 0;
    return ++next_texture_name;
}

// The slot table as a grid: one line per slot, one cell per stage id, "name mode" or "-";
// a cell with a "/" is a whole entry name, any other name follows the arena's prefix.
constexpr int SLOTS = STAGE_TEXTURE_SLOTS;

const char *const slot_grid[SLOTS] = {
    "01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3 | 01.jpg 3",
    "02.jpg 3 | 02.jpg 3 | 02.jpg 3 | 02.tga 2 | 02.jpg 3 | 02.jpg 3 | 02.jpg 3 | 02.jpg 3 | 02.jpg 3 | 02.jpg 3",
    "03.tga 0 | 04.tga 0 | 03.jpg 3 | 03.jpg 3 | 03.jpg 3 | 03.jpg 3 | 03.tga 2 | 03.jpg 3 | 03.jpg 3 | 03.jpg 3",
    "04.tga 0 | 03.tga 0 | 04.jpg 3 | 04.jpg 2 | 04.jpg 3 | 04.jpg 3 | 04.jpg 3 | 04.jpg 3 | 04.jpg 3 | 04.jpg 3",
    "05.jpg 3 | 05.jpg 2 | 05.jpg 3 | 05.tga 2 | 05.jpg 3 | 05.jpg 3 | 05.jpg 3 | 05.jpg 3 | 05.jpg 3 | 05.tga 2",
    "06.jpg 3 | 06.jpg 3 | 06.jpg 3 | 06.tga 0 | 06.jpg 3 | 06.jpg 3 | 06.jpg 1 | 06.jpg 1 | 06.jpg 3 | 06.tga 0",
    "07.jpg 3 | 08.jpg 3 | 07.jpg 3 | 07.tga 2 | 07.jpg 3 | 07.jpg 3 | 07.jpg 3 | 07.jpg 3 | 07.jpg 3 | 07.jpg 3",
    "08.jpg 3 | 09.jpg 3 | 08.jpg 3 | 08.jpg 3 | 08.tga 2 | 08.jpg 3 | 08.tga 2 | 08.jpg 3 | 08.jpg 3 | 08.jpg 3",
    "09.jpg 3 | 10.jpg 3 | 09.jpg 3 | 09.jpg 3 | 09.jpg 3 | 09.jpg 3 | 09.jpg 3 | 09.jpg 3 | 09.jpg 3 | 09.jpg 3",
    "10.jpg 3 | 11.jpg 3 | 10.jpg 3 | 10.jpg 3 | 11.jpg 3 | 10.jpg 3 | 10.jpg 3 | 10.jpg 3 | 10.jpg 3 | 10.tga 2",
    "11.jpg 3 | 12.jpg 3 | 11.jpg 3 | 11.jpg 3 | 12.tga 2 | 11.jpg 3 | 11.jpg 3 | 11.jpg 3 | 11.jpg 3 | 11.jpg 3",
    "12.jpg 3 | 13.jpg 3 | 12.jpg 3 | 12.jpg 3 | 13.tga 2 | - | lm0.tga 1 | 13.jpg 3 | 12.jpg 3 | -",
    "13.jpg 3 | 07.jpg 3 | 13.jpg 3 | 13.tga 2 | 14.tga 2 | - | lm1.tga 1 | 14.jpg 3 | 13.tga 2 | -",
    "14.tga 2 | 14.tga 2 | 14.tga 2 | 14.jpg 3 | 15.tga 2 | - | lm2.tga 1 | 15.jpg 3 | 14.jpg 3 | lm0.tga 0",
    "lm0.tga 1 | lm0.tga 0 | 15.jpg 3 | lm0.tga 1 | 16.tga 2 | lm0.tga 1 | lm3.tga 1 | - | 15.jpg 3 | lm1.tga 0",
    "lm1.tga 1 | lm1.tga 0 | 16.tga 2 | lm1.tga 1 | lm0.tga 1 | lm1.tga 1 | lm4.tga 1 | lm0.tga 1 | 16.jpg 3 | lm2.tga 0",
    "lm2.tga 1 | lm2.tga 0 | 17.jpg 3 | lm2.tga 1 | lm1.tga 1 | lm2.tga 1 | lm5.tga 1 | lm1.tga 1 | lm0.tga 1 | lm3.tga 0",
    "lm3.tga 1 | lm3.tga 0 | 18.jpg 3 | lm3.tga 1 | lm2.tga 1 | lm3.tga 1 | lm6.tga 1 | lm2.tga 1 | lm1.tga 1 | -",
    "lm4.tga 1 | reflejo.tga 0 | 19.tga 2 | lm4.tga 1 | lm3.tga 1 | lm4.tga 1 | - | - | - | -",
    "lm5.tga 1 | puddle.tga 2 | lm0.tga 1 | - | lm4.tga 1 | lm5.tga 1 | - | - | - | -",
    "- | puddle2.tga 2 | lm1.tga 1 | - | - | lm6.tga 1 | - | - | - | -",
    "- | - | lm2.tga 1 | - | - | - | - | - | - | -",
    "- | - | lm3.tga 1 | - | - | - | - | - | - | -",
    "skymap_c.jpg 1 | skymap_c.jpg 1 | lm4.tga 1 | skymap_c.jpg 1 | arcadia/arcadia_skymap_c.jpg 1 | skymap_c.jpg 1 | - | skymap_c.jpg 1 | skymap_c.jpg 1 | -",
    "skymap_i.jpg 1 | skymap_i.jpg 1 | skymap_c.jpg 1 | skymap_i.jpg 1 | arcadia/arcadia_skymap_i.jpg 1 | skymap_i.jpg 1 | - | skymap_i.jpg 1 | skymap_i.jpg 1 | -",
    "skymap_d.jpg 1 | skymap_d.jpg 1 | skymap_i.jpg 1 | skymap_d.jpg 1 | arcadia/arcadia_skymap_d.jpg 1 | skymap_d.jpg 1 | - | skymap_d.jpg 1 | skymap_d.jpg 1 | -",
    "- | - | skymap_d.jpg 1 | - | - | sol.jpg 1 | - | - | - | -",
    "- | - | - | - | - | sol2.jpg 1 | - | - | - | -",};
const char *const entry_prefix[STAGE_COUNT] = {
    "atenas/atenas_", "atenas2/atenas2_", "troya/troya_", "arcadia/arcadia_", "teatro/teatro_",
    "creta/creta_", "laberinto/", "tebas/tebas_", "hades/hades_", "temple/temple_",
};
const int delete_counts[STAGE_COUNT] = {26, 26, 27, 26, 26, 28, 18, 26, 26, 17};

struct ExpectedTexture {
    int slot;
    std::string entry;
    int mode;
};

std::vector<ExpectedTexture> expected_textures(int stage)
{
    std::vector<ExpectedTexture> list;
    for (int slot = 0; slot < SLOTS; slot++) {
        std::string row = slot_grid[slot];
        std::string cell;
        std::istringstream cells(row);
        for (int i = 0; i <= stage; i++)
            std::getline(cells, cell, '|');
        std::istringstream words(cell);
        std::string name;
        int mode = -1;
        words >> name >> mode;
        if (name == "-")
            continue;
        list.push_back({slot, name.find('/') != std::string::npos ? name : entry_prefix[stage] + name, mode});
    }
    return list;
}

class ArenaLoad : public ::testing::Test {
protected:
    ArenaAssetLoaders saved;
    void SetUp() override
    {
        saved = arena_asset_loaders;
        arena_asset_loaders = {fake_model_load, fake_skeleton_load, fake_texture_load};
        stage_light = &light_record;
        stage_skeleton = &scenery_skeleton;
        load_calls.clear();
        failing_entries.clear();
        next_texture_name = 0;
        for (Model *&model : stage_models)
            model = nullptr;   // fakes: never freed
        stage_model = nullptr;
        memset(stage_textures, 0, sizeof stage_textures);
        stage_texture_count = 0;
        stage_id = -1;
        tex_env_combine = 2;
    }
    void TearDown() override
    {
        arena_asset_loaders = saved;
        for (Model *&model : stage_models)
            model = nullptr;
        stage_model = nullptr;
        stage_light = nullptr;
        stage_skeleton = nullptr;
    }
};

int (*const named_loaders[STAGE_COUNT])() = {
    athens_load, athens2_load, troy_load, arcadia_load, theatre_load,
    crete_load, labyrinth_load, thebes_load, hades_load, temple_load,
};

} // namespace

TEST_F(ArenaLoad, EachArenaReadsModelSkeletonThenItsSlotsInOrder)
{
    const u32 untouched = 0xdead;
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        SCOPED_TRACE(stage);
        load_calls.clear();
        next_texture_name = 0;
        for (u32 &name : stage_textures)
            name = untouched;
        stage_texture_count = 0;
        ASSERT_EQ(named_loaders[stage](), 0);

        std::vector<ExpectedTexture> expected = expected_textures(stage);
        ASSERT_EQ(load_calls.size(), expected.size() + 2);
        EXPECT_EQ(load_calls[0].kind, 'm');
        EXPECT_EQ(load_calls[0].entry, arena_table[stage].model_entry);
        EXPECT_EQ(load_calls[1].kind, 's');
        EXPECT_EQ(load_calls[1].entry, arena_table[stage].skeleton_entry);
        std::string prefix = entry_prefix[stage];
        std::string dir = prefix.substr(0, prefix.find('/'));
        EXPECT_EQ(load_calls[0].entry, dir + "/" + dir + ".emd");
        EXPECT_EQ(load_calls[1].entry, dir + "/" + dir + ".esq");

        std::vector<bool> filled(SLOTS, false);
        for (size_t i = 0; i < expected.size(); i++) {
            const LoadCall &call = load_calls[i + 2];
            EXPECT_EQ(call.kind, 't');
            EXPECT_EQ(call.entry, expected[i].entry);
            EXPECT_EQ(call.mode, expected[i].mode) << call.entry;
            // The i-th texture loaded is the (i + 1)-th name the fake handed out.
            EXPECT_EQ(stage_textures[expected[i].slot], i + 1) << call.entry;
            filled[expected[i].slot] = true;
        }
        for (int slot = 0; slot < SLOTS; slot++) {
            if (!filled[slot]) {
                EXPECT_EQ(stage_textures[slot], untouched) << "slot " << slot;
            }
        }
        EXPECT_EQ(stage_texture_count, delete_counts[stage]);
        EXPECT_EQ(stage_id, stage);
        EXPECT_EQ(stage_model, &fake_models[stage]);
    }
}

TEST_F(ArenaLoad, SecondLoadKeepsTheModelButReadsSkeletonAndTexturesAgain)
{
    ASSERT_EQ(troy_load(), 0);
    size_t first = load_calls.size();
    ASSERT_EQ(athens_load(), 0);
    ASSERT_EQ(troy_load(), 0);
    std::vector<LoadCall> again(load_calls.end() - (first - 1), load_calls.end());
    EXPECT_EQ(again[0].kind, 's');
    EXPECT_EQ(again[0].entry, "troya/troya.esq");
    for (size_t i = 1; i < again.size(); i++)
        EXPECT_EQ(again[i].kind, 't');
    EXPECT_EQ(stage_model, &fake_models[STAGE_TROY]);
    EXPECT_EQ(stage_models[STAGE_ATHENS], &fake_models[STAGE_ATHENS]);
}

// A failure ends the load at once; the count and stage_id stay as the delete pass left them.
TEST_F(ArenaLoad, FirstFailingAssetGivesItsCodeAndStopsTheLoad)
{
    struct Case {
        StageId stage;
        const char *failing;
        int result;
        size_t calls;     // loader calls made, the failing one included
        bool model_kept;
    };
    const Case cases[] = {
        {STAGE_ATHENS, "atenas/atenas.emd", 1, 1, false},
        {STAGE_HADES, "hades/hades.esq", 2, 2, true},
        {STAGE_CRETE, "creta/creta_01.jpg", 3, 3, true},
        {STAGE_CRETE, "creta/creta_sol2.jpg", 3, 25, true},
        {STAGE_THEATRE, "arcadia/arcadia_skymap_i.jpg", 3, 24, true},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.failing);
        SetUp();
        stage_id = STAGE_LABYRINTH;
        failing_entries.insert(c.failing);
        EXPECT_EQ(load_arena(c.stage), c.result);
        EXPECT_EQ(load_calls.size(), c.calls);
        EXPECT_EQ(load_calls.back().entry, c.failing);
        EXPECT_EQ(stage_texture_count, 0);
        EXPECT_EQ(stage_id, STAGE_LABYRINTH);
        EXPECT_EQ(stage_models[c.stage] != nullptr, c.model_kept);
    }
}

TEST_F(ArenaLoad, LightsFollowTheCombineSupport)
{
    struct Light {
        f32 combine_ambient[3], combine_diffuse[3], plain_ambient[3], plain_diffuse[3], position[3];
    };
    const Light lights[STAGE_COUNT] = {
        {{0.85f, 0.85f, 0.95f}, {1.0f, 0.8f, 0.4f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {-0.75f, -0.75f, 0.75f}},
        {{0.9f, 0.9f, 1.3f}, {0.4f, 0.4f, 0.4f}, {1.5f, 1.5f, 1.7f}, {1.5f, 1.5f, 1.5f}, {0, -0.55f, 0.9f}},
        {{0.9f, 0.9f, 1.4f}, {0.7f, 0.7f, 1.3f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.75f, 0.5f, 0.5f}},
        {{1.35f, 1.0f, 1.0f}, {0.5f, 0.5f, 0.5f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.2f, -0.5f, 0.75f}},
        {{1.5f, 1.25f, 1.25f}, {1, 1, 1}, {1.5f, 1.5f, 1.7f}, {1.2f, 1.0f, 0.8f}, {0.2f, 0, 0.5f}},
        {{0.85f, 0.7f, 0.7f}, {0.9f, 0.9f, 0.9f}, {2.0f, 1.5f, 1.5f}, {1.8f, 1.8f, 1.8f}, {1.0f, 1.0f, 0.9f}},
        {{0.6f, 0.6f, 0.4f}, {0.7f, 0.6f, 0.5f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.5f, -0.5f, 0.5f}},
        {{1.05f, 0.85f, 0.85f}, {0.9f, 0.6f, 0.2f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.717f, 0.717f, 0.105f}},
        {{1.2f, 0.6f, 0.4f}, {0.8f, 0.7f, 0.7f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {-0.75f, -1.0f, -0.5f}},
        {{1.2f, 0.7f, 0.7f}, {0.8f, 0.8f, 1.2f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.2f, 0, 0.5f}},
    };
    for (int combine : {0, 1, 2}) {
        for (int stage = 0; stage < STAGE_COUNT; stage++) {
            SCOPED_TRACE(testing::Message() << "combine " << combine << " stage " << stage);
            tex_env_combine = static_cast<u8>(combine);
            memset(stage_light, 0x7f, sizeof *stage_light);
            ASSERT_EQ(named_loaders[stage](), 0);
            const Light &l = lights[stage];
            const f32 *ambient = combine ? l.combine_ambient : l.plain_ambient;
            const f32 *diffuse = combine ? l.combine_diffuse : l.plain_diffuse;
            const StageLight &s = *stage_light;
            EXPECT_EQ(s.hit_light_on, 0);
            for (int i = 0; i < 3; i++) {
                EXPECT_FLOAT_EQ(s.light0_ambient[i], ambient[i]);
                EXPECT_FLOAT_EQ(s.light0_diffuse[i], diffuse[i]);
                EXPECT_FLOAT_EQ(s.light0_position[i], l.position[i]);
                EXPECT_EQ(s.light1_diffuse[i], 1.0f);
                EXPECT_EQ(s.light1_position[i], 0.0f);
            }
            EXPECT_EQ(s.light0_ambient[3], 1.0f);
            EXPECT_EQ(s.light0_diffuse[3], 1.0f);
            EXPECT_EQ(s.light0_position[3], 0.0f);
            EXPECT_EQ(s.light1_diffuse[3], 1.0f);
            EXPECT_EQ(s.light1_position[3], 1.0f);
        }
    }
}

TEST_F(ArenaLoad, SceneryStartsAtItsRestKeyWithTheArenasPace)
{
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        SCOPED_TRACE(stage);
        stage_skeleton->phase = 0.5f;
        ASSERT_EQ(named_loaders[stage](), 0);
        bool slow_start = stage == STAGE_ATHENS2 || stage == STAGE_CRETE;
        EXPECT_EQ(stage_skeleton->key_ticks, slow_start ? 30.0f : 100.0f);
        EXPECT_EQ(stage_skeleton->phase, 0.0f);
        EXPECT_EQ(stage_skeleton->key_from, 0);
        EXPECT_EQ(stage_skeleton->key_to, 1);
    }
}

// After a Troy fight the delete pass removes slots 0-26, sky included; after the Temple it
// leaves 17-27 alone. Either way no slot keeps a name for the pass after.
TEST_F(ArenaLoad, DeletePassEmptiesEverySlot)
{
    ASSERT_EQ(troy_load(), 0);
    EXPECT_EQ(stage_texture_count, 27);
    EXPECT_NE(stage_textures[26], 0u);
    stage_textures_delete();
    ASSERT_EQ(temple_load(), 0);
    EXPECT_EQ(stage_texture_count, 17);
    EXPECT_EQ(stage_textures[11], 0u);   // Troy's old slot 11 no longer holds a stale name
    EXPECT_EQ(stage_textures[12], 0u);
    stage_textures_delete();
    EXPECT_EQ(stage_texture_count, 0);
    for (u32 name : stage_textures)
        EXPECT_EQ(name, 0u);
}
