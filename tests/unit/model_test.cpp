// .emd models: the writer and the reader agree field for field, damaged entries are
// refused, and rest normals point out of every shape the data builder makes.
#include "engine/engine.h"
#include "engine/engine_local.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <limits>
#include <malloc.h>
#include <sys/stat.h>

class ModelTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test_maths_setup(); }
};

static Model *parse(const Bytes &bytes)
{
    return model_parse(bytes.data(), static_cast<u32>(bytes.size()), "test.emd");
}

// Two vertices on different bones, an unused one, and one triangle with every field set
// to a distinct value; texture and lightmap coordinates differ.
static EmdModel distinct_fields_model()
{
    EmdModel model = {};
    model.name = "fields";
    model.vertices.push_back({3, 7, {1.5f, -2.0f, 3.25f}, 11});
    model.vertices.push_back({EMD_NO_BONE, 255, {-4.0f, 5.0f, 0.5f}, 12});
    model.vertices.push_back({0, 1, {0.0f, 0.0f, 9.0f}, 13});
    model.vertices.push_back({2, 2, {7.0f, 7.0f, 7.0f}, 14});
    EmdPolygon poly = {};
    poly.surface = {5, 1, 3, 0x1234, 0x4321};
    poly.poly_flag = 0x9A;
    poly.poly_tag = 0xBEEF;
    poly.corner[0] = 2;
    poly.corner[1] = 0;
    poly.corner[2] = 1;
    for (int i = 0; i < 6; i++) {
        poly.tex_uv[i] = 0.1f * i;
        poly.lightmap_uv[i] = -1.0f - i;
    }
    model.polygons.push_back(poly);
    return model;
}

TEST_F(ModelTest, RoundTripKeepsEveryFieldWhateverTheHeaderHolds)
{
    struct Header {
        int name_fields, skipped_records;
    };
    const Header headers[] = {{1, 0}, {256, 0}, {1, 3}, {17, 65}};
    for (const Header &header : headers) {
        SCOPED_TRACE(testing::Message() << header.name_fields << " names, " << header.skipped_records << " records");
        EmdModel source = distinct_fields_model();
        source.name_fields = header.name_fields;
        source.skipped_records = header.skipped_records;
        ArchiveHandle archive = test_archive_of("emd", {{"figure/Test.emd", emd_encode(source)}});
        Model *model = model_load(archive, "FIGURE/test.emd");
        archive_close(archive);
        ASSERT_NE(model, nullptr);
        ASSERT_EQ(model->vertex_count, 4);
        ASSERT_EQ(model->polygon_count, 1);
        for (int i = 0; i < 4; i++) {
            const EmdVertex &v = source.vertices[i];
            EXPECT_EQ(model->bone_a[i], v.bone_a);
            EXPECT_EQ(model->bone_b[i], v.bone_b);
            EXPECT_EQ(model->vertex_tag[i], v.tag);
            EXPECT_EQ(model->rest_pos[i][0], v.pos.x);
            EXPECT_EQ(model->rest_pos[i][1], v.pos.y);
            EXPECT_EQ(model->rest_pos[i][2], v.pos.z);
            for (int axis = 0; axis < 3; axis++) {
                EXPECT_EQ(model->pos[i][axis], 0.0f);
                EXPECT_EQ(model->mid_pos[i][axis], 0.0f);
                EXPECT_EQ(model->normals[i][axis], 0.0f);
            }
        }
        const Polygon &p = model->polygons[0];
        EXPECT_EQ(p.surface_kind, 5);
        EXPECT_EQ(p.two_sided, 1);
        EXPECT_EQ(p.pass, 3);
        EXPECT_EQ(p.texture_index, 0x1234);
        EXPECT_EQ(p.lightmap_index, 0x4321);
        EXPECT_EQ(p.poly_flag, 0x9A);
        EXPECT_EQ(p.poly_tag, 0xBEEF);
        EXPECT_EQ(p.corner[0], 2);
        EXPECT_EQ(p.corner[1], 0);
        EXPECT_EQ(p.corner[2], 1);
        for (int i = 0; i < 6; i++) {
            EXPECT_EQ(p.tex_uv[i], 0.1f * i);
            EXPECT_EQ(p.lightmap_uv[i], -1.0f - i);
        }
        EXPECT_EQ(model->polygon_tag[0], 0);
        for (int zone = 0; zone < MODEL_HIT_ZONES; zone++)
            EXPECT_EQ(model->hit_vertex[zone], -1);
        // Vertex 3 belongs to no triangle: its normal stays zero.
        for (int axis = 0; axis < 3; axis++)
            EXPECT_EQ(model->rest_normals[3][axis], 0.0f);
        model_free(model);
    }
}

TEST_F(ModelTest, RefusesEveryEntryCutShortAndAcceptsTrailingBytes)
{
    EmdModel source = distinct_fields_model();
    source.skipped_records = 2;
    Bytes whole = emd_encode(source);
    for (size_t length = 0; length < whole.size(); length++) {
        Bytes cut(whole.begin(), whole.begin() + length);
        Model *model = parse(cut);
        EXPECT_EQ(model, nullptr) << "accepted a " << length << "-byte cut of " << whole.size();
        model_free(model);
    }
    Bytes longer = whole;
    longer.insert(longer.end(), 5, 0xEE);
    Model *model = parse(longer);
    EXPECT_NE(model, nullptr);
    model_free(model);
}

// A refused entry's log line names what failed: the count, where it stands, the bytes it needs
// and those left, or where the entry ends. An entry of garbage of the right length is not
// "shorter than its header".
TEST_F(ModelTest, ARefusalNamesTheCountThatFailed)
{
    std::string dir = test_scratch_dir("model-refusals");
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    EmdModel source = distinct_fields_model();
    source.skipped_records = 2;
    const Bytes whole = emd_encode(source);
    ASSERT_EQ(whole.size(), 444u);   // the offsets below: names at 6, records 264, vertices 306, polygons 380
    struct Case {
        const char *what;
        size_t at;          // where 0xA7 bytes are written: a count, or from 0 the whole entry
        size_t count;       // how many
        size_t length;      // the entry cut to this
        const char *why;
    } cases[] = {
        {"garbage of the right length", 0, 444, 444, "168 names at byte 6 need 43008 bytes, 438 are left"},
        {"record count", 262, 2, 444, "42919 records at byte 264 need 858380 bytes, 180 are left"},
        {"vertex count", 304, 2, 444, "42919 vertices at byte 306 need 772542 bytes, 138 are left"},
        {"polygon count", 378, 2, 444, "42919 polygons at byte 380 need 2746816 bytes, 64 are left"},
        {"cut in the header", 0, 0, 5, "5 bytes, shorter than the 6-byte header"},
        {"cut in the record count", 0, 0, 263, "the entry ends at byte 263, inside the record count"},
        {"cut in the vertex count", 0, 0, 305, "the entry ends at byte 305, inside the vertex count"},
        {"cut in the polygon count", 0, 0, 379, "the entry ends at byte 379, inside the polygon count"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        Bytes bytes(whole.begin(), whole.begin() + c.length);
        std::fill(bytes.begin() + c.at, bytes.begin() + c.at + c.count, 0xA7);
        remove((dir + "/data/initlog.txt").c_str());
        EXPECT_EQ(parse(bytes), nullptr);
        EXPECT_EQ(test_read_text(dir + "/data/initlog.txt"),
                  std::string("\n       -model_load: test.emd refused: ") + c.why);
    }
}

TEST_F(ModelTest, RefusesCornersOutsideTheVerticesAndPositionsThatAreNotNumbers)
{
    struct Case {
        const char *what;
        int corner;         // written into corner 1
        f32 x;              // written into vertex 0's x
        bool accepted;
    };
    const f32 nan = std::numeric_limits<f32>::quiet_NaN(), inf = std::numeric_limits<f32>::infinity();
    const Case cases[] = {
        {"last vertex", 3, 1.0f, true},
        {"corner = vertex count", 4, 1.0f, false},
        {"corner 0xFFFF", 0xFFFF, 1.0f, false},
        {"NaN position", 0, nan, false},
        {"infinite position", 0, inf, false},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        EmdModel source = distinct_fields_model();
        source.polygons[0].corner[1] = static_cast<u16>(c.corner);
        source.vertices[0].pos.x = c.x;
        Model *model = parse(emd_encode(source));
        EXPECT_EQ(model != nullptr, c.accepted);
        model_free(model);
    }
    ArchiveHandle archive = test_archive_of("emd-missing", {{"a.emd", emd_encode(distinct_fields_model())}});
    EXPECT_EQ(model_load(archive, "b.emd"), nullptr);
    EXPECT_EQ(model_load(nullptr, "a.emd"), nullptr);
    archive_close(archive);
}

static MeshPoint face_normal(const EmdModel &m, const EmdPolygon &p)
{
    MeshPoint a = m.vertices[p.corner[0]].pos, b = m.vertices[p.corner[1]].pos, c = m.vertices[p.corner[2]].pos;
    MeshPoint u = {b.x - a.x, b.y - a.y, b.z - a.z}, v = {c.x - a.x, c.y - a.y, c.z - a.z};
    return {u.y * v.z - u.z * v.y, u.z * v.x - u.x * v.z, u.x * v.y - u.y * v.x};
}

static f32 dot_from(MeshPoint n, MeshPoint at, MeshPoint centre)
{
    return n.x * (at.x - centre.x) + n.y * (at.y - centre.y) + n.z * (at.z - centre.z);
}

// Every triangle of a closed shape faces away from its centre, and every vertex the
// triangles use gets a unit normal pointing out.
TEST_F(ModelTest, ShapeHelpersWindOutwardAndTheirNormalsPointOut)
{
    struct Shape {
        const char *what;
        MeshPoint centre;
        void (*add)(EmdModel &m);
    };
    const Shape shapes[] = {
        {"box", {1, 2, 3}, [](EmdModel &m) { emd_add_box(m, 0, EMD_PLAIN, {1, 2, 3}, {2, 1, 4}); }},
        {"limb along z", {0, 0, 5}, [](EmdModel &m) { emd_add_limb(m, 0, EMD_PLAIN, {0, 0, 0}, {0, 0, 10}, 2, 1, 6); }},
        {"limb down -z", {0, 0, 5}, [](EmdModel &m) { emd_add_limb(m, 0, EMD_PLAIN, {0, 0, 10}, {0, 0, 0}, 1, 2, 5); }},
        {"limb along x", {5, 0, 0}, [](EmdModel &m) { emd_add_limb(m, 0, EMD_PLAIN, {0, 0, 0}, {10, 0, 0}, 1, 1, 8); }},
        {"slanted limb", {1, 2, 3}, [](EmdModel &m) { emd_add_limb(m, 0, EMD_PLAIN, {-2, 0, 1}, {4, 4, 5}, 1, 0.5f, 4); }},
        {"ball", {0, 1, 2}, [](EmdModel &m) { emd_add_ball(m, 0, EMD_PLAIN, {0, 1, 2}, {2, 1, 3}, 6, 8); }},
        {"flat ball", {0, 0, 0}, [](EmdModel &m) { emd_add_ball(m, 0, EMD_PLAIN, {0, 0, 0}, {1, 1, 1}, 2, 3); }},
    };
    for (const Shape &shape : shapes) {
        SCOPED_TRACE(shape.what);
        EmdModel source = {};
        shape.add(source);
        for (const EmdPolygon &p : source.polygons)
            EXPECT_GT(dot_from(face_normal(source, p), source.vertices[p.corner[0]].pos, shape.centre), 0.0f);
        Model *model = parse(emd_encode(source));
        ASSERT_NE(model, nullptr);
        for (int i = 0; i < model->vertex_count; i++) {
            const f32 *n = model->rest_normals[i];
            MeshPoint normal = {n[0], n[1], n[2]};
            EXPECT_NEAR(std::sqrt(n[0] * n[0] + n[1] * n[1] + n[2] * n[2]), 1.0f, 1e-5f) << "vertex " << i;
            EXPECT_GT(dot_from(normal, source.vertices[i].pos, shape.centre), 0.0f) << "vertex " << i;
        }
        model_free(model);
    }
    EmdModel floor = {};
    emd_add_floor(floor, EMD_NO_BONE, EMD_PLAIN, {0, 0, 1}, 10, 5, 3);
    EXPECT_EQ(floor.vertices.size(), 16u);
    EXPECT_EQ(floor.polygons.size(), 18u);
    Model *model = parse(emd_encode(floor));
    ASSERT_NE(model, nullptr);
    for (int i = 0; i < model->vertex_count; i++) {
        EXPECT_EQ(model->rest_normals[i][2], 1.0f);
        EXPECT_EQ(model->bone_a[i], EMD_NO_BONE);
    }
    model_free(model);
}

static bool finite3(const f32 v[3])
{
    return std::isfinite(v[0]) && std::isfinite(v[1]) && std::isfinite(v[2]);
}

TEST_F(ModelTest, NormalsWeighFacesByAreaAndNeverTurnNaN)
{
    EmdModel source = {};
    const f32 uv[6] = {};
    // Vertex 0 joins a large face looking up (+z) and a small one looking along -y.
    int o = emd_add_vertex(source, 0, {0, 0, 0});
    int far_x = emd_add_vertex(source, 0, {10, 0, 0});
    int far_y = emd_add_vertex(source, 0, {0, 10, 0});
    int up = emd_add_vertex(source, 0, {0, 0, 1});
    int near_x = emd_add_vertex(source, 0, {1, 0, 0});
    emd_add_triangle(source, EMD_PLAIN, o, far_x, far_y, uv);
    emd_add_triangle(source, EMD_PLAIN, o, near_x, up, uv);
    // Vertices 5-7 carry a face and its mirror: the two cancel exactly.
    int a = emd_add_vertex(source, 0, {0, 0, 5}), b = emd_add_vertex(source, 0, {1, 0, 5}),
        c = emd_add_vertex(source, 0, {0, 1, 5});
    emd_add_triangle(source, EMD_PLAIN, a, b, c, uv);
    emd_add_triangle(source, EMD_PLAIN, a, c, b, uv);
    // Vertices 8-9 make a face of no area, one corner named twice.
    int d = emd_add_vertex(source, 0, {3, 3, 3}), e = emd_add_vertex(source, 0, {4, 3, 3});
    emd_add_triangle(source, EMD_PLAIN, d, e, d, uv);

    // A tiny face still gets a unit normal; a face too large for single precision none.
    int t = emd_add_vertex(source, 0, {0, 0, 0});
    emd_add_vertex(source, 0, {0, 3e-21f, 0});
    emd_add_vertex(source, 0, {0, 0, 2e-21f});
    emd_add_triangle(source, EMD_PLAIN, t, t + 1, t + 2, uv);
    int h = emd_add_vertex(source, 0, {0, 0, 0});
    emd_add_vertex(source, 0, {3e38f, 0, 0});
    emd_add_vertex(source, 0, {-3e38f, 3e38f, 0});
    emd_add_triangle(source, EMD_PLAIN, h, h + 1, h + 2, uv);

    Model *model = parse(emd_encode(source));
    ASSERT_NE(model, nullptr);
    for (int i = t; i < t + 3; i++) {
        EXPECT_NEAR(model->rest_normals[i][0], 1.0f, 1e-6f) << "tiny face, vertex " << i;
        EXPECT_EQ(model->rest_normals[i][1], 0.0f);
    }
    for (int i = h; i < h + 3; i++) {
        EXPECT_TRUE(finite3(model->rest_normals[i])) << "huge face, vertex " << i;
        EXPECT_EQ(model->rest_normals[i][2], 0.0f);
    }
    const f32 *n = model->rest_normals[o];
    EXPECT_GT(n[2], 0.9f);    // the large face dominates
    EXPECT_LT(n[1], -0.005f); // yet the small one tilts it
    EXPECT_NEAR(n[0], 0.0f, 1e-6f);
    for (int i = a; i <= e; i++) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(finite3(model->rest_normals[i]));
        EXPECT_EQ(model->rest_normals[i][0], 0.0f);
        EXPECT_EQ(model->rest_normals[i][1], 0.0f);
        EXPECT_EQ(model->rest_normals[i][2], 0.0f);
    }
    model_free(model);
}

// The per-vertex recompute and the load's single sweep must agree to the bit.
TEST_F(ModelTest, VertexNormalRecomputeMatchesTheLoad)
{
    EmdModel source = {};
    emd_add_ball(source, 0, EMD_PLAIN, {0.3f, -1.7f, 2.2f}, {1.3f, 0.7f, 2.9f}, 7, 9);
    emd_add_limb(source, 1, EMD_PLAIN, {0, 0, 0}, {0.3f, -1.7f, 2.2f}, 0.4f, 0.9f, 5);
    Model *model = parse(emd_encode(source));
    ASSERT_NE(model, nullptr);
    for (int i = 0; i < model->vertex_count; i++) {
        f32 loaded[3] = {model->rest_normals[i][0], model->rest_normals[i][1], model->rest_normals[i][2]};
        model->rest_normals[i][0] = model->rest_normals[i][1] = model->rest_normals[i][2] = 0.0f;
        model_vertex_normal(i, model);
        EXPECT_EQ(memcmp(loaded, model->rest_normals[i], sizeof loaded), 0) << "vertex " << i;
    }
    model_vertex_normal(-1, model);
    model_vertex_normal(model->vertex_count, model);
    model_free(model);
    model_free(nullptr);
}

// The drawers' corner table: every corner's slot draws that corner's vertex and both its
// coordinate pairs, and corners alike in all three share one slot.
TEST_F(ModelTest, CornersAlikeShareASlotAndEverySlotDrawsItsCorner)
{
    EmdModel source = distinct_fields_model();
    EmdPolygon twin = source.polygons[0];   // the same three corners again: no new slot
    source.polygons.push_back(twin);
    twin.tex_uv[0] += 0.5f;                 // corner 0's texture coordinates differ
    twin.lightmap_uv[3] -= 0.25f;           // corner 1's lightmap coordinates differ
    source.polygons.push_back(twin);
    emd_add_ball(source, 0, EMD_PLAIN, {0.3f, -1.7f, 2.2f}, {1.3f, 0.7f, 2.9f}, 7, 9);
    Model *model = parse(emd_encode(source));
    ASSERT_NE(model, nullptr);
    for (int c = 0; c < 3; c++)
        EXPECT_EQ(model->corner_slot[3 + c], model->corner_slot[c]) << "corner " << c;
    EXPECT_NE(model->corner_slot[6], model->corner_slot[0]);
    EXPECT_NE(model->corner_slot[7], model->corner_slot[1]);
    EXPECT_EQ(model->corner_slot[8], model->corner_slot[2]);
    for (int p = 0; p < model->polygon_count; p++)
        for (int c = 0; c < 3; c++) {
            const Polygon &polygon = model->polygons[p];
            u32 slot = model->corner_slot[3 * p + c];
            ASSERT_LT(slot, model->slot_count);
            EXPECT_EQ(model->slot_vertex[slot], polygon.corner[c]);
            EXPECT_EQ(memcmp(model->slot_uv[slot], &polygon.tex_uv[2 * c], sizeof(f32[2])), 0);
            EXPECT_EQ(memcmp(model->slot_lightmap_uv[slot], &polygon.lightmap_uv[2 * c], sizeof(f32[2])), 0);
        }
    model_free(model);
}

// A ball's triangles share their corners: the slot arrays keep the slots the model has, not
// one per corner, the draw-only ones included.
TEST_F(ModelTest, SlotArraysHoldTheSlotsNotEveryCorner)
{
    EmdModel source = distinct_fields_model();
    emd_add_ball(source, 0, EMD_PLAIN, {0.3f, -1.7f, 2.2f}, {1.3f, 0.7f, 2.9f}, 7, 9);
    Model *model = parse(emd_encode(source));
    ASSERT_NE(model, nullptr);
    const size_t slots = model->slot_count + 1u;
    const size_t corners = 3u * model->polygon_count;
    ASSERT_GT(corners, 2 * slots);
    struct SlotArray {
        const char *name;
        const void *array;
        size_t entry_bytes;
    };
    const SlotArray arrays[] = {
        {"slot_vertex", model->slot_vertex, sizeof(u16)},
        {"slot_uv", model->slot_uv, sizeof(f32[2])},
        {"slot_lightmap_uv", model->slot_lightmap_uv, sizeof(f32[2])},
        {"slot_pos", model->slot_pos, sizeof(f32[3])},
        {"slot_normals", model->slot_normals, sizeof(f32[3])},
    };
    constexpr size_t ALLOCATOR_SLACK = 64;   // rounding and a tail too small to split off
    for (const SlotArray &a : arrays) {
        size_t usable = malloc_usable_size(const_cast<void *>(a.array));
        EXPECT_GE(usable, slots * a.entry_bytes) << a.name;
        EXPECT_LE(usable, slots * a.entry_bytes + ALLOCATOR_SLACK) << a.name;
    }
    model_free(model);
}

// A twin is what a second read of the entry gives, sharing the read-only arrays: posing one
// leaves the other where it was, and either frees without the other.
TEST_F(ModelTest, TwinSharesTheReadArraysAndPosesApart)
{
    EmdModel source = distinct_fields_model();
    emd_add_ball(source, 0, EMD_PLAIN, {0.3f, -1.7f, 2.2f}, {1.3f, 0.7f, 2.9f}, 7, 9);
    Model *model = parse(emd_encode(source));
    ASSERT_NE(model, nullptr);
    model->hit_vertex[2] = 1;
    model->pos[0][0] = 5.0f;
    Model *twin = model_twin(model);
    ASSERT_NE(twin, nullptr);
    Model *read_again = parse(emd_encode(source));
    ASSERT_NE(read_again, nullptr);
    EXPECT_EQ(twin->vertex_count, read_again->vertex_count);
    EXPECT_EQ(twin->polygon_count, read_again->polygon_count);
    EXPECT_EQ(twin->slot_count, read_again->slot_count);
    EXPECT_EQ(memcmp(twin->hit_vertex, read_again->hit_vertex, sizeof twin->hit_vertex), 0);
    EXPECT_EQ(memcmp(twin->pos, read_again->pos, twin->vertex_count * sizeof(f32[3])), 0);
    EXPECT_EQ(twin->polygons, model->polygons);
    EXPECT_EQ(twin->rest_pos, model->rest_pos);
    EXPECT_EQ(twin->corner_slot, model->corner_slot);
    const void *own[][2] = {{twin->pos, model->pos},           {twin->normals, model->normals},
                            {twin->mid_pos, model->mid_pos},   {twin->slot_pos, model->slot_pos},
                            {twin->slot_normals, model->slot_normals}};
    for (const auto &pair : own)
        EXPECT_NE(pair[0], pair[1]);
    twin->pos[0][0] = -3.0f;
    EXPECT_EQ(model->pos[0][0], 5.0f);
    model_free(twin);
    EXPECT_EQ(memcmp(model->polygons, read_again->polygons, model->polygon_count * sizeof(Polygon)), 0);
    EXPECT_EQ(memcmp(model->slot_uv, read_again->slot_uv, model->slot_count * sizeof(f32[2])), 0);
    model_free(read_again);
    model_free(model);
}

TEST_F(ModelTest, WriterRefusesCountsTheFormatCannotHold)
{
    EmdModel big = {};
    big.vertices.resize(0x10000);
    EXPECT_TRUE(emd_encode(big).empty());
    big.vertices.resize(0xFFFF);
    EXPECT_FALSE(emd_encode(big).empty());
}
