#include "arenas/arenas.h"
#include "support/test_paths.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <string>
#include <vector>

// The arenas the data builder wrote (the suite's data set, built by its fixture before the
// tests run), read back with the game's own readers and held to what the loaders, the
// drawers and the fight expect of them.

namespace {

class ArenaData : public ::testing::Test {
protected:
    static ArchiveHandle archive;
    static void SetUpTestSuite()
    {
        picture_library_start();
        archive = archive_open(test_data_archive_path().c_str());
    }
    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }
    void SetUp() override
    {
        ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET;
    }
};
ArchiveHandle ArenaData::archive = nullptr;

bool slot_named(const ArenaInfo &arena, int slot, bool lightmap)
{
    for (int i = 0; i < arena.texture_count; i++)
        if (arena.textures[i].slot == slot)
            return (strstr(arena.textures[i].entry, "lm") != nullptr) == lightmap;
    return false;
}

// The highest triangle over floor point (x, y): its height and its polygon, or -1e9.
f32 surface_height(const Model *model, f32 x, f32 y, f32 below, int *polygon)
{
    f32 best = -1e9f;
    for (int i = 0; i < model->polygon_count; i++) {
        const Polygon &p = model->polygons[i];
        const f32 *a = model->pos[p.corner[0]], *b = model->pos[p.corner[1]], *c = model->pos[p.corner[2]];
        f32 d = (b[1] - c[1]) * (a[0] - c[0]) + (c[0] - b[0]) * (a[1] - c[1]);
        if (std::fabs(d) < 1e-6f)
            continue;
        f32 l0 = ((b[1] - c[1]) * (x - c[0]) + (c[0] - b[0]) * (y - c[1])) / d;
        f32 l1 = ((c[1] - a[1]) * (x - c[0]) + (a[0] - c[0]) * (y - c[1])) / d;
        f32 l2 = 1.0f - l0 - l1;
        if (l0 < -1e-4f || l1 < -1e-4f || l2 < -1e-4f)
            continue;
        f32 z = l0 * a[2] + l1 * b[2] + l2 * c[2];
        if (z < below && z > best) {
            best = z;
            *polygon = i;
        }
    }
    return best;
}

} // namespace

// Reads an arena's model (0 on failure) and its skeleton into `skeleton`.
static Model *arena_read(ArchiveHandle archive, int stage, Skeleton *skeleton)
{
    Model *model = model_load(archive, arena_table[stage].model_entry);
    if (model && !skeleton_load(skeleton, archive, arena_table[stage].skeleton_entry)) {
        model_free(model);
        return nullptr;
    }
    return model;
}

TEST_F(ArenaData, EveryArenaEntryLoadsWithTheGamesReaders)
{
    static Skeleton skeleton;
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        const ArenaInfo &arena = arena_table[stage];
        SCOPED_TRACE(arena.model_entry);
        Model *model = arena_read(archive, stage, &skeleton);
        ASSERT_NE(model, nullptr);
        EXPECT_GT(model->polygon_count, 100);
        model_free(model);
        for (int i = 0; i < arena.texture_count; i++) {
            const char *entry = arena.textures[i].entry;
            u8 *data;
            u32 size;
            ASSERT_EQ(archive_read_entry(archive, entry, &data, &size), 1) << entry;
            Picture picture;
            int decoded = texture_name_is_jpeg(entry) ? jpeg_decode(data, size, &picture)
                                                      : tga_decode(data, size, &picture);
            free(data);
            EXPECT_EQ(decoded, 1) << entry;
            if (decoded)
                picture_free(&picture);
        }
    }
}

// Texture indices name the arena's textures and lightmap indices its lightmaps (the
// drawer binds base + index); every skinned vertex follows a bone the skeleton has.
TEST_F(ArenaData, PolygonsAndVerticesStayInsideTheirTables)
{
    static Skeleton skeleton;
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        const ArenaInfo &arena = arena_table[stage];
        SCOPED_TRACE(arena.model_entry);
        Model *model = arena_read(archive, stage, &skeleton);
        ASSERT_NE(model, nullptr);
        int bad_polygons = 0, bad_vertices = 0;
        for (int i = 0; i < model->polygon_count; i++) {
            const Polygon &p = model->polygons[i];
            bool texture_ok = p.texture_index < stage_lightmap_base(stage) &&
                              slot_named(arena, p.texture_index, false);
            bool lightmap_ok = slot_named(arena, stage_lightmap_base(stage) + p.lightmap_index, true);
            bad_polygons += !(texture_ok && lightmap_ok);
        }
        for (int v = 0; v < model->vertex_count; v++)
            bad_vertices += model->bone_a[v] < BONE_NONE && model->bone_a[v] >= skeleton.bone_count;
        EXPECT_EQ(bad_polygons, 0);
        EXPECT_EQ(bad_vertices, 0);
        model_free(model);
    }
}

// Fighters stand on z = 0 all along the fight axis and nothing of the scenery stands in
// their way up to a jump's height; the arena's own surfaces are where its drawer wants them.
TEST_F(ArenaData, FloorCarriesTheFightAndItsSpaceIsClear)
{
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        const ArenaInfo &arena = arena_table[stage];
        SCOPED_TRACE(arena.model_entry);
        Model *model = model_load(archive, arena.model_entry);
        ASSERT_NE(model, nullptr);
        model_copy_rest_pose(model);
        for (f32 x = -50.0f; x <= 50.0f; x += 5.0f)
            for (f32 y : {-10.0f, 0.0f, 10.0f}) {
                int floor_polygon = -1, above_polygon = -1;
                f32 floor = surface_height(model, x, y, 0.01f, &floor_polygon);
                ASSERT_NEAR(floor, ARENA_FLOOR_Z, 0.001f) << "no floor at " << x << ", " << y;
                EXPECT_LT(surface_height(model, x, y, 45.0f, &above_polygon), 0.01f)
                    << "scenery over " << x << ", " << y;
                if (stage == STAGE_ATHENS2) {
                    EXPECT_EQ(model->polygons[floor_polygon].surface_kind, 2);   // the reflective floor
                }
            }
        bool scrolling = false, additive = false;
        for (int i = 0; i < model->polygon_count; i++) {
            scrolling |= model->polygons[i].texture_index == 13;
            additive |= model->polygons[i].pass == 4 || model->polygons[i].pass == 5;
        }
        if (stage == STAGE_ARCADIA) {
            EXPECT_TRUE(scrolling) << "Arcadia's stream scrolls texture 13";
        }
        EXPECT_EQ(additive, stage == STAGE_LABYRINTH);
        model_free(model);
    }
}

// The scenery keys move something on every arena that steps; the Labyrinth's scenery stands.
TEST_F(ArenaData, SceneryKeysMoveTheScenery)
{
    static Skeleton skeleton;
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        SCOPED_TRACE(arena_table[stage].model_entry);
        Model *model = arena_read(archive, stage, &skeleton);
        ASSERT_NE(model, nullptr);
        int last_key = scenery_steps[stage].last_key;
        f32 most = 0.0f;
        std::vector<f32> first;
        for (int key = 1; key <= std::max(last_key, 2); key++) {
            skeleton.key_from = static_cast<i16>(key);
            skeleton.key_to = static_cast<i16>(key);
            skeleton.phase = 0.0f;
            model_skin(model, &skeleton);
            if (key == 1) {
                first.assign(&model->pos[0][0], &model->pos[0][0] + 3 * model->vertex_count);
                continue;
            }
            for (int i = 0; i < 3 * model->vertex_count; i++)
                most = std::max(most, std::fabs((&model->pos[0][0])[i] - first[i]));
        }
        if (last_key > 0) {
            EXPECT_GT(most, 0.5f);
        } else {
            EXPECT_EQ(most, 0.0f);
        }
        model_free(model);
    }
}
