// The built figures as the game reads them: every fighter's (in both masks), the select's and
// the gods' keep within the triangle and corner budget; each hit-zone point lies on the part
// of the figure it belongs to and each blade-trail bone on its weapon; and no skin carries a
// written label (a fighter's name in the game library's font).
#include "characters/characters.h"
#include "combat/combat.h"
#include "support/data_set.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <allegro.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

constexpr int FIGURE_MAX_TRIANGLES = 6000;
constexpr u32 FIGURE_MAX_CORNERS = 4000;
constexpr int PICTURE_BYTES = 4;   // R, G, B, A as the readers decode

class FigureLook : public ::testing::Test {
protected:
    static ArchiveHandle archive;

    static void SetUpTestSuite()
    {
        test_maths_setup();
        picture_library_start();
        archive = data_set_archive_open();
    }

    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }

    void SetUp() override { ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET; }
};
ArchiveHandle FigureLook::archive = nullptr;

TEST_F(FigureLook, EveryFigureKeepsItsTriangleAndCornerBudget)
{
    std::vector<std::string> models = {"atropo/atroposel.emd"};
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (LoadStepKind kind : {LOAD_MODEL, LOAD_SUMMON_MODEL})
            for (const std::string &name : character_entries(id, kind))
                models.push_back(name);
    for (const std::string &name : models) {
        Model *model = model_load(archive, name.c_str());
        ASSERT_NE(model, nullptr) << name;
        EXPECT_LE(model->polygon_count, FIGURE_MAX_TRIANGLES) << name;
        EXPECT_LE(model->slot_count, FIGURE_MAX_CORNERS) << name;
        model_free(model);
    }
}

static f32 distance_to_segment(const f32 p[3], const f32 a[3], const f32 b[3])
{
    f32 ab[3] = {b[0] - a[0], b[1] - a[1], b[2] - a[2]}, ap[3] = {p[0] - a[0], p[1] - a[1], p[2] - a[2]};
    f32 len2 = ab[0] * ab[0] + ab[1] * ab[1] + ab[2] * ab[2];
    f32 t = len2 > 0 ? std::clamp((ap[0] * ab[0] + ap[1] * ab[1] + ap[2] * ab[2]) / len2, 0.0f, 1.0f) : 0.0f;
    return std::hypot(ap[0] - ab[0] * t, ap[1] - ab[1] * t, ap[2] - ab[2] * t);
}

// The distance from a point to the nearest edge of a triangle drawn on the bone.
static f32 distance_to_bone_mesh(const Model *model, int bone, const f32 p[3])
{
    f32 best = 1e9f;
    for (int i = 0; i < model->polygon_count; i++) {
        const u16 *c = model->polygons[i].corner;
        if (model->bone_a[c[0]] != bone)
            continue;
        for (int k = 0; k < 3; k++)
            best = std::min(best, distance_to_segment(p, model->rest_pos[c[k]], model->rest_pos[c[(k + 1) % 3]]));
    }
    return best;
}

TEST_F(FigureLook, HitPointsLieOnTheirPartsAndTrailBonesOnTheWeapon)
{
    // A point no farther than this from its part's surface (world units; a figure is ~20 tall).
    constexpr f32 ON_THE_PART = 2.0f;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE("character " + std::to_string(id));
        const HitZoneRow *zones = character_modules[id]->hit_zones;
        Skeleton *skeleton = skeleton_blocks_new(1);
        ASSERT_TRUE(skeleton_load(skeleton, archive, character_entries(id, LOAD_SKELETON).begin()->c_str()));
        for (const std::string &name : character_entries(id, LOAD_MODEL)) {
            Model *model = model_load(archive, name.c_str());
            ASSERT_NE(model, nullptr);
            for (int z = 0; z < MODEL_HIT_ZONES; z++) {
                if (zones[z].radius <= 0)
                    continue;
                int vertex = zones[z].vertex;
                ASSERT_LT(vertex, model->vertex_count) << name << " zone " << z;
                int bone = model->bone_a[vertex];
                ASSERT_LT(bone, skeleton->bone_count) << name << " zone " << z;
                EXPECT_LT(distance_to_bone_mesh(model, bone, model->rest_pos[vertex]), ON_THE_PART)
                    << name << " zone " << z;
            }
            // Each trail edge hangs from a bone whose surface (the weapon in its hand) it touches.
            for (i8 edge : blade_trail_edges[id].bone) {
                if (edge < 0)
                    continue;
                ASSERT_LT(edge, skeleton->bone_count);
                int hand = skeleton->bones[edge].parent;
                EXPECT_LT(distance_to_bone_mesh(model, hand, skeleton->bones[edge].rest), ON_THE_PART)
                    << name << " edge bone " << static_cast<int>(edge);
            }
            model_free(model);
        }
        skeleton_blocks_free(skeleton, 1);
    }
}

// ---- labels ---------------------------------------------------------------------------------
struct Luma {
    int w = 0, h = 0;
    std::vector<int> v;   // 0..255, rows from the top
};

static Luma picture_luma(const Picture &picture)
{
    Luma l;
    l.w = picture.width;
    l.h = picture.height;
    for (int y = 0; y < l.h; y++)
        for (int x = 0; x < l.w; x++) {
            const u8 *p = &picture.pixels[(static_cast<size_t>(y) * l.w + x) * PICTURE_BYTES];
            l.v.push_back((p[0] * 3 + p[1] * 6 + p[2]) / 10);
        }
    return l;
}

// The glyph pixels of a text in the game library's 8 x 8 font: what the skins once had written
// on them ("HIPPOLYTE 1").
static std::vector<std::pair<int, int>> text_mask(const char *text, int *w, int *h)
{
    *w = text_length(font, text);
    *h = text_height(font);
    BITMAP *bmp = create_bitmap_ex(32, *w, *h);
    clear_to_color(bmp, makecol32(0, 0, 0));
    textout_ex(bmp, font, text, 0, 0, makecol32(255, 255, 255), -1);
    std::vector<std::pair<int, int>> on;
    for (int y = 0; y < *h; y++)
        for (int x = 0; x < *w; x++)
            if (getr32(_getpixel32(bmp, x, y)) > 128)
                on.push_back({x, y});
    destroy_bitmap(bmp);
    return on;
}

// The blank pixels that touch a glyph pixel: the ground the ink was written on.
static std::vector<std::pair<int, int>> text_ground(const std::vector<std::pair<int, int>> &on, int w, int h)
{
    std::set<std::pair<int, int>> ink(on.begin(), on.end()), ground;
    for (const auto &p : on)
        for (const auto &d : {std::make_pair(1, 0), std::make_pair(-1, 0), std::make_pair(0, 1), std::make_pair(0, -1)}) {
            std::pair<int, int> q = {p.first + d.first, p.second + d.second};
            if (q.first >= 0 && q.second >= 0 && q.first < w && q.second < h && !ink.count(q))
                ground.insert(q);
        }
    return std::vector<std::pair<int, int>>(ground.begin(), ground.end());
}

// The mean of the picture's pixels at the given offsets from (x0, y0); their spread in *spread.
static f32 pixels_mean(const Luma &l, int x0, int y0, const std::vector<std::pair<int, int>> &at, int *spread)
{
    long total = 0;
    int lo = 255, hi = 0;
    for (const auto &p : at) {
        int v = l.v[(y0 + p.second) * l.w + x0 + p.first];
        total += v;
        lo = std::min(lo, v);
        hi = std::max(hi, v);
    }
    *spread = hi - lo;
    return static_cast<f32>(total) / at.size();
}

// Whether the text stands written anywhere in the picture: at some place its glyph pixels are
// all of one ink, and the ground round them all of another, clearly apart.
static bool picture_has_text(const Luma &l, const char *text)
{
    constexpr int CONTRAST = 40, SPREAD = 30;
    int w, h;
    std::vector<std::pair<int, int>> on = text_mask(text, &w, &h);
    std::vector<std::pair<int, int>> ground = text_ground(on, w, h);
    for (int y0 = 0; y0 + h <= l.h; y0++)
        for (int x0 = 0; x0 + w <= l.w; x0++) {
            int ink_spread, ground_spread;
            f32 ink = pixels_mean(l, x0, y0, on, &ink_spread);
            if (ink_spread >= SPREAD)
                continue;
            f32 rest = pixels_mean(l, x0, y0, ground, &ground_spread);
            if (ground_spread < SPREAD && std::fabs(ink - rest) > CONTRAST)
                return true;
        }
    return false;
}

static const char *const fighter_names[CHARACTER_COUNT] = {
    "JASON", "ODYSSEUS", "ATALANTA", "PERSEUS", "HIPPOLYTE", "POLYPHEMUS",
    "MINOTAUR", "MEDUSA", "SPHINX", "HYDRA", "ARES", "ATROPOS",
};

TEST_F(FigureLook, TheLabelFinderFindsAWrittenName)
{
    // A plain skin with the name written on it, as the skins once were.
    BITMAP *bmp = create_bitmap_ex(32, 128, 128);
    clear_to_color(bmp, makecol32(200, 160, 40));
    textout_ex(bmp, font, "HIPPOLYTE", 30, 70, makecol32(100, 80, 20), -1);
    Picture picture = {};
    picture.width = picture.height = 128;
    std::vector<u8> pixels;
    for (int y = 0; y < 128; y++)
        for (int x = 0; x < 128; x++) {
            int c = _getpixel32(bmp, x, y);
            pixels.insert(pixels.end(), {static_cast<u8>(getr32(c)), static_cast<u8>(getg32(c)),
                                         static_cast<u8>(getb32(c)), 255});
        }
    destroy_bitmap(bmp);
    picture.pixels = pixels.data();
    Luma l = picture_luma(picture);
    EXPECT_TRUE(picture_has_text(l, "HIPPOLYTE"));
    EXPECT_FALSE(picture_has_text(l, "MINOTAUR"));
}

TEST_F(FigureLook, NoSkinCarriesItsFightersName)
{
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (const std::string &name : character_entries(id, LOAD_SKIN)) {
            Picture picture = archive_picture(archive, name.c_str());
            ASSERT_NE(picture.pixels, nullptr) << name;
            EXPECT_FALSE(picture_has_text(picture_luma(picture), fighter_names[id])) << name;
            picture_free(&picture);
        }
}
