// The built figures face to face as close as the push-apart lets one walk into the other: in
// every key of their stand, walk, guard, crouch and crouching guard, the two bodies (torso,
// hips and legs, and the Hydra's necks and heads; not a human's head, arms or weapons) keep
// apart. Each body is measured as its front, the farthest it reaches toward the opponent in
// each band of height, over all those keys; two fronts that together pass the distance
// between the fighters meet inside each other.
#include "characters/characters.h"
#include "combat/combat.h"
#include "support/data_set.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

// Height bands of the fronts (world units) and how many cover the tallest figure.
constexpr f32 FIT_BAND = 0.5f;
constexpr int FIT_BANDS = 64;
constexpr f32 FIT_NO_BODY = -1e9f;

// What of a figure is not its body: the bones of its first `head_zones` hit zones with all
// they carry (a head), and where they reach its arms (the bones above its forearm zones, with
// the hands and what they hold). The Sphinx's forelegs count as arms: her stand lifts one and
// her blows strike with them. The Hydra's legs carry its body, and its necks, reared back
// between blows, count as body: let out toward the opponent they stood through the chest and
// head of whoever walked up to it.
struct FitBody {
    int head_zones;
    bool arms_reach;
};
static const FitBody fit_bodies[] = {
    {1, true}, {1, true}, {1, true}, {1, true}, {1, true}, {1, true},
    {1, true}, {1, true}, {1, true}, {0, false}, {1, true}, {1, true},
};
static_assert(std::size(fit_bodies) == CHARACTER_COUNT, "one row per character");

// The actions a fighter stands or crouches in while the other walks up to it, and walks up in.
static const int fit_actions[] = {ACTION_IDLE,        ACTION_WALK_FORWARD, ACTION_WALK_BACK,
                                  ACTION_GUARD_STAND, ACTION_CROUCH,       ACTION_GUARD_CROUCH};

struct BodyFront {
    f32 reach[FIT_BANDS];   // toward the opponent from the fighter's x, per band from z = 0
};

static bool in_subtree(const Skeleton *skeleton, int bone, int top)
{
    // Bone 0 is the root: its parent field means nothing.
    for (int b = bone; b > 0 && b < skeleton->bone_count; b = skeleton->bones[b].parent)
        if (b == top)
            return true;
    return top == 0;
}

// Per bone: whether it carries the body.
static std::vector<bool> body_bones(int id, const Model *model, const Skeleton *skeleton)
{
    const HitZoneRow *zones = character_modules[id]->hit_zones;
    std::vector<int> tops;
    for (int z = 0; z < fit_bodies[id].head_zones; z++)
        tops.push_back(model->bone_a[zones[z].vertex]);
    if (fit_bodies[id].arms_reach)
        for (int z : {3, 4})
            tops.push_back(skeleton->bones[model->bone_a[zones[z].vertex]].parent);
    std::vector<bool> body(skeleton->bone_count, true);
    for (int b = 0; b < skeleton->bone_count; b++)
        for (int top : tops)
            if (in_subtree(skeleton, b, top))
                body[b] = false;
    return body;
}

static void front_add(BodyFront *front, const f32 p[3])
{
    int band = static_cast<int>(std::floor(p[2] / FIT_BAND));
    if (band >= 0 && band < FIT_BANDS)
        front->reach[band] = std::max(front->reach[band], -p[1]);
}

// The posed body's triangles into the front, each edge sampled finer than a band so that a
// long triangle counts in every band it crosses. The figure faces model -y.
static void front_add_pose(BodyFront *front, const Model *model, const std::vector<bool> &body)
{
    for (int i = 0; i < model->polygon_count; i++) {
        const u16 *c = model->polygons[i].corner;
        if (model->bone_a[c[0]] >= static_cast<int>(body.size()) || !body[model->bone_a[c[0]]])
            continue;
        for (int k = 0; k < 3; k++) {
            const f32 *a = model->pos[c[k]], *b = model->pos[c[(k + 1) % 3]];
            int steps = 1 + static_cast<int>(std::fabs(b[2] - a[2]) / (FIT_BAND / 2));
            for (int s = 0; s <= steps; s++) {
                f32 t = static_cast<f32>(s) / steps;
                const f32 p[3] = {a[0] + (b[0] - a[0]) * t, a[1] + (b[1] - a[1]) * t, a[2] + (b[2] - a[2]) * t};
                front_add(front, p);
            }
        }
    }
}

// Every key the fit actions can show, in every bank the fighter uses.
static std::set<int> fit_keys(const CharacterSequence &sequence)
{
    std::set<int> banks(std::begin(sequence.bank_by_heads), std::end(sequence.bank_by_heads)), keys;
    for (int action : fit_actions) {
        const SeqBlock *block = sequencer_find_block(&sequence, action);
        if (!block)
            continue;
        int outer[SEQ_OUTER_KEYS];
        int outer_count = sequencer_outer_keys(block, outer);
        for (int bank : banks) {
            for (int key = block->lo; key <= block->hi; key++)
                keys.insert(key + bank);
            for (int i = 0; i < outer_count; i++)
                keys.insert(outer[i] + bank);
        }
    }
    return keys;
}

// The height band where the two fronts together pass the distance, or -1.
static int fronts_meet(const BodyFront &a, const BodyFront &b, f32 distance)
{
    for (int band = 0; band < FIT_BANDS; band++)
        if (a.reach[band] > FIT_NO_BODY && b.reach[band] > FIT_NO_BODY && a.reach[band] + b.reach[band] > distance)
            return band;
    return -1;
}

struct FitFighter {
    BodyFront front;
    f32 half_width, walk_speed;
};

class FigureFit : public ::testing::Test {
protected:
    static ArchiveHandle archive;
    static FitFighter fit[CHARACTER_COUNT];

    static void SetUpTestSuite()
    {
        test_maths_setup();
        archive = data_set_archive_open();
        for (int id = 0; archive && id < CHARACTER_COUNT; id++)
            fit_measure(id, 0.0f, &fit[id]);
    }

    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }

    void SetUp() override { ASSERT_NE(archive, nullptr) << "make the data set first (tavrosk-databuild)"; }

    // The fighter's front over its fit keys, with its model moved `forward` toward the
    // opponent; its half width and tuned walking step. False when its files do not load.
    static bool fit_measure(int id, f32 forward, FitFighter *out)
    {
        const CharacterModule *module = character_modules[id];
        Model *model = model_load(archive, character_entries(id, LOAD_MODEL).begin()->c_str());
        Skeleton *skeleton = skeleton_blocks_new(1);
        bool loaded = model && skeleton_load(skeleton, archive, character_entries(id, LOAD_SKELETON).begin()->c_str());
        std::fill(std::begin(out->front.reach), std::end(out->front.reach), FIT_NO_BODY);
        if (loaded) {
            std::vector<bool> body = body_bones(id, model, skeleton);
            for (int key : fit_keys(module->sequence)) {
                model_pose_at(model, skeleton, key);
                for (int i = 0; i < model->vertex_count; i++)
                    model->pos[i][1] -= forward;
                front_add_pose(&out->front, model, body);
            }
        }
        Fighter fighter = {};
        fighter.walk_speed = module->walk_speed;
        const std::string tuning = test_data_set_dir() + "/" + module->tuning_file;
        read_damage_file(tuning.c_str(), &fighter);
        out->half_width = module->body_half_width;
        out->walk_speed = fighter.walk_speed;
        model_free(model);
        skeleton_blocks_free(skeleton, 1);
        return loaded;
    }

    // The closest the two stand: a walker stops pushing once inside the other's half width,
    // at most one of its steps past it.
    static f32 closest(const FitFighter &a, const FitFighter &b)
    {
        return std::min(b.half_width - a.walk_speed, a.half_width - b.walk_speed);
    }
};
ArchiveHandle FigureFit::archive = nullptr;
FitFighter FigureFit::fit[CHARACTER_COUNT];

TEST_F(FigureFit, NoTwoBodiesMeetAtTheClosestThePushApartAllows)
{
    for (int a = 0; a < CHARACTER_COUNT; a++)
        for (int b = a; b < CHARACTER_COUNT; b++) {
            f32 distance = closest(fit[a], fit[b]);
            int band = fronts_meet(fit[a].front, fit[b].front, distance);
            EXPECT_LT(band, 0) << character_modules[a]->directory << " and " << character_modules[b]->directory
                               << " at " << distance << " meet at height " << band * FIT_BAND << " (fronts "
                               << fit[a].front.reach[std::max(band, 0)] << " and "
                               << fit[b].front.reach[std::max(band, 0)] << ")";
        }
}

// Each body stays within its half width of its x on the opponent's side, the Hydra's behind
// its x altogether.
TEST_F(FigureFit, EveryBodyKeepsWithinItsHalfWidthOnTheOpponentsSide)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const f32 limit = id == CHARACTER_HYDRA ? 0.0f : fit[id].half_width;
        f32 most = *std::max_element(std::begin(fit[id].front.reach), std::end(fit[id].front.reach));
        EXPECT_LE(most, limit) << character_modules[id]->directory;
    }
}

// The measure itself: the Hydra built round its x, as it once was, stands in the belly of
// anyone who walks up to it.
TEST_F(FigureFit, AHydraCentredOnItsXMeetsEveryFighterWhoWalksUp)
{
    constexpr f32 BODY_BACK = 9.5f;   // how far behind its x the Hydra's body now stands
    FitFighter centred;
    ASSERT_TRUE(fit_measure(CHARACTER_HYDRA, BODY_BACK, &centred));
    for (int id = 0; id < CHARACTER_COUNT; id++)
        EXPECT_GE(fronts_meet(fit[id].front, centred.front, closest(fit[id], centred)), 0)
            << character_modules[id]->directory;
}
