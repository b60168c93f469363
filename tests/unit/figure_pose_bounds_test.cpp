// Where the posed figures may reach: the beasts keep out of the ground (the Hydra's bites and
// its severed necks stop short of it and it collapses onto its belly, the Sphinx lies on it
// when she falls and gets up from it), Ares' cloak hangs behind his back below his shoulders
// in all of them, in his chest's own frame, and every fighter keeps its weapons, and the Hydra
// its necks, within reach between blows.
#include "characters/characters.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/model_fixtures.h"

#include <algorithm>
#include <cmath>
#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

// How far below the ground (z 0 at the feet) a vertex may go, in parts of the figure's height
// at rest: a paw pressed flat, and the keys between a stand and a crouch, where the legs fold
// less than the body comes down.
constexpr f32 GROUND_MARGIN = 0.05f;
// How far in front of his chest's joint, or above his shoulders, the cloak may reach, in the
// same parts: the shoulder bar's rounding.
constexpr f32 CAPE_MARGIN = 0.01f;
// Ares' skin atlas: the cloak's cloth takes the second tile of the top row beside the face
// (his skin the first).
constexpr f32 CLOTH_U0 = 0.75f, CLOTH_U1 = 1.0f, CLOTH_V0 = 0.0f, CLOTH_V1 = 0.25f;

static f32 rest_height(const Model *m)
{
    f32 lo = 1e9f, hi = -1e9f;
    for (int v = 0; v < m->vertex_count; v++) {
        lo = std::min(lo, m->rest_pos[v][2]);
        hi = std::max(hi, m->rest_pos[v][2]);
    }
    return hi - lo;
}

// The lowest vertex of the posed model.
static f32 lowest(const Model *m)
{
    f32 lo = 1e9f;
    for (int v = 0; v < m->vertex_count; v++)
        lo = std::min(lo, m->pos[v][2]);
    return lo;
}

// A posed point in a bone's rest frame: where it would stand if the bone had not moved.
static void unpose(const BoneMatrix &m, const f32 p[3], f32 out[3])
{
    const f32 d[3] = {p[0] - m.t[0], p[1] - m.t[1], p[2] - m.t[2]};
    const f32(*a)[3] = m.v;
    f32 det = a[0][0] * (a[1][1] * a[2][2] - a[1][2] * a[2][1]) - a[0][1] * (a[1][0] * a[2][2] - a[1][2] * a[2][0]) +
              a[0][2] * (a[1][0] * a[2][1] - a[1][1] * a[2][0]);
    for (int i = 0; i < 3; i++) {
        // Cramer's rule: column i of the matrix replaced by d.
        f32 c[3][3];
        for (int r = 0; r < 3; r++)
            for (int k = 0; k < 3; k++)
                c[r][k] = k == i ? d[r] : a[r][k];
        out[i] = (c[0][0] * (c[1][1] * c[2][2] - c[1][2] * c[2][1]) - c[0][1] * (c[1][0] * c[2][2] - c[1][2] * c[2][0]) +
                  c[0][2] * (c[1][0] * c[2][1] - c[1][1] * c[2][0])) /
                 det;
    }
}

// A human's chest: the root's child that stands above it.
static int chest_bone(const Skeleton *s)
{
    for (int b = 1; b < s->bone_count; b++)
        if (s->bones[b].parent == 0 && s->bones[b].rest[2] > s->bones[0].rest[2])
            return b;
    return -1;
}

static bool in_cloth_tile(const Polygon &p) { return polygon_in_tile(p, CLOTH_U0, CLOTH_V0, CLOTH_U1, CLOTH_V1); }

// The cloak's vertices: the corners of the triangles in the cloth's tile.
static std::vector<bool> cloth_vertices(const Model *m)
{
    std::vector<bool> out(m->vertex_count, false);
    for (int i = 0; i < m->polygon_count; i++)
        if (in_cloth_tile(m->polygons[i]))
            for (int k = 0; k < 3; k++)
                out[m->polygons[i].corner[k]] = true;
    return out;
}

// The shoulders' height at rest: the highest joint of the chest's children that carry more
// bones (the arms; the head carries none).
static f32 shoulder_height(const Skeleton *s, int chest)
{
    f32 out = -1e9f;
    for (int b = 1; b < s->bone_count; b++) {
        if (s->bones[b].parent != chest)
            continue;
        for (int c = b + 1; c < s->bone_count; c++)
            if (s->bones[c].parent == b)
                out = std::max(out, s->bones[b].rest[2]);
    }
    return out;
}

// The worst a cloak strays from the back in one pose, in the chest's rest frame: how far its
// most forward vertex stands in front of the chest's joint (the figure faces -y), and how far
// its highest above the shoulders.
struct CapeStray {
    f32 forward = -1e9f, above = -1e9f;
};

static CapeStray cape_stray(const Model *m, const Skeleton *s, int chest, f32 shoulders, const std::vector<bool> &cape)
{
    CapeStray out;
    for (int v = 0; v < m->vertex_count; v++) {
        if (!cape[v])
            continue;
        f32 local[3];
        unpose(s->bones[chest].matrix, m->pos[v], local);
        out.forward = std::max(out.forward, s->bones[chest].rest[1] - local[1]);
        out.above = std::max(out.above, local[2] - shoulders);
    }
    return out;
}

// The moves that lay a beast low or reach down with it, by fighter: the Sphinx's falls and
// throws, the Hydra's bites, a head it loses and its collapse.
struct GroundMoves {
    int character;
    std::vector<int> actions;
};

// Every key the moves can show, in every bank of heads the fighter uses.
static std::set<int> move_keys(const CharacterSequence &sequence, const std::vector<int> &actions)
{
    std::set<int> banks(std::begin(sequence.bank_by_heads), std::end(sequence.bank_by_heads)), keys;
    for (int action : actions) {
        const SeqBlock *block = sequencer_find_block(&sequence, action);
        if (!block)
            continue;
        int outer[SEQ_OUTER_KEYS];
        int outer_count = sequencer_outer_keys(block, outer);
        for (int bank : (block->flags & SEQ_FIXED_KEYS) ? std::set<int>{0} : banks) {
            for (int key = block->lo; key <= block->hi; key++)
                keys.insert(key + bank);
            for (int i = 0; i < outer_count; i++)
                keys.insert(outer[i] + bank);
        }
    }
    return keys;
}

TEST(FigurePoseBounds, NoBeastGoesIntoTheGroundWhenItFallsOrBites)
{
    test_maths_setup();
    ArchiveHandle archive = data_set_archive_open();
    ASSERT_NE(archive, nullptr) << "make the data set first (tavrosk-databuild)";
    const GroundMoves rows[] = {
        {CHARACTER_SPHINX, {ACTION_HIT_AIR, ACTION_KNOCKDOWN, ACTION_EDGE_HIT, ACTION_EDGE_HIT_AIR, ACTION_KO}},
        {CHARACTER_HYDRA, {ACTION_HARD_SWING, ACTION_HARD_SWING_FORWARD, ACTION_LOW_SWING, ACTION_LOW_SWING_2,
                           ACTION_KICK, ACTION_KICK_FORWARD, ACTION_HYDRA_SPECIAL1, ACTION_HEAD_LOST,
                           ACTION_KO}},
    };
    for (const GroundMoves &row : rows) {
        const CharacterModule *module = character_modules[row.character];
        std::string model_entry, skeleton_entry;
        character_figure_entries(module, &model_entry, &skeleton_entry);
        LoadedFigure f;
        ASSERT_TRUE(figure_load(archive, model_entry.c_str(), skeleton_entry.c_str(), &f)) << model_entry;
        const f32 margin = GROUND_MARGIN * rest_height(f.model);
        std::set<int> keys = move_keys(module->sequence, row.actions);
        ASSERT_FALSE(keys.empty()) << model_entry;
        for (int key : keys) {
            model_pose_at(f.model, f.skeleton, key);
            EXPECT_GE(lowest(f.model), -margin) << model_entry << " key " << key;
        }
    }
    archive_close(archive);
}

TEST(FigurePoseBounds, AresCloakHangsBehindHisBackBelowHisShouldersInEveryKey)
{
    test_maths_setup();
    ArchiveHandle archive = data_set_archive_open();
    ASSERT_NE(archive, nullptr) << "make the data set first (tavrosk-databuild)";
    std::string model_entry, skeleton_entry;
    character_figure_entries(&ares_module, &model_entry, &skeleton_entry);
    LoadedFigure f;
    ASSERT_TRUE(figure_load(archive, model_entry.c_str(), skeleton_entry.c_str(), &f)) << model_entry;
    int chest = chest_bone(f.skeleton);
    ASSERT_GT(chest, 0);
    f32 shoulders = shoulder_height(f.skeleton, chest);
    ASSERT_GT(shoulders, f.skeleton->bones[chest].rest[2]);
    std::vector<bool> cape = cloth_vertices(f.model);
    ASSERT_GT(std::count(cape.begin(), cape.end(), true), 0) << "no cloak found in the cloth's tile";
    const f32 margin = CAPE_MARGIN * rest_height(f.model);
    for (int key = 0; key < SKELETON_KEYS; key++) {
        model_pose_at(f.model, f.skeleton, key);
        CapeStray stray = cape_stray(f.model, f.skeleton, chest, shoulders, cape);
        EXPECT_LE(stray.forward, margin) << "in front of the chest, key " << key;
        EXPECT_LE(stray.above, margin) << "above the shoulders, key " << key;
    }
    archive_close(archive);
}

// Every fighter's built figure from the data set, by character, and its model's entry name.
class FighterPoses : public ::testing::Test {
protected:
    void SetUp() override
    {
        test_maths_setup();
        ArchiveHandle archive = data_set_archive_open();
        ASSERT_NE(archive, nullptr) << "make the data set first (tavrosk-databuild)";
        for (int id = 0; id < CHARACTER_COUNT; id++) {
            std::string skeleton_entry;
            character_figure_entries(character_modules[id], &entries[id], &skeleton_entry);
            loaded[id] = figure_load(archive, entries[id].c_str(), skeleton_entry.c_str(), &figures[id]);
        }
        archive_close(archive);
    }

    LoadedFigure figures[CHARACTER_COUNT];
    std::string entries[CHARACTER_COUNT];
    bool loaded[CHARACTER_COUNT] = {};
};

// The keys a fighter stands in between blows, walks in, guards and blocks in, standing or
// crouched: what another fighter walks up to.
static const int rest_actions[] = {ACTION_IDLE,        ACTION_WALK_FORWARD, ACTION_WALK_BACK,      ACTION_CROUCH,
                                   ACTION_GUARD_STAND, ACTION_BLOCK_STAND,  ACTION_BLOCK_STAND_B,  ACTION_GUARD_CROUCH,
                                   ACTION_BLOCK_CROUCH, ACTION_BLOCK_CROUCH_B};

static bool bone_under(const Skeleton *s, int bone, int top)
{
    // Bone 0 is the root: its parent field means nothing.
    for (int b = bone; b > 0 && b < s->bone_count; b = s->bones[b].parent)
        if (b == top)
            return true;
    return false;
}

// What a fighter holds out at its opponent: its arms with the hands and all they hold (the
// bones from the parents of its forearm zones, 3 and 4, down), or the Hydra's four necks and
// heads (the bones of its first four zones, down).
static std::vector<int> reaching_tops(int id, const Model *m, const Skeleton *s)
{
    const CharacterModule *module = character_modules[id];
    std::vector<int> tops;
    if (id == CHARACTER_HYDRA) {
        for (int z = 0; z < 4; z++)
            tops.push_back(m->bone_a[module->hit_zones[z].vertex]);
        return tops;
    }
    for (int z : {3, 4})
        tops.push_back(s->bones[m->bone_a[module->hit_zones[z].vertex]].parent);
    return tops;
}

// The farthest the posed model's reaching parts go along one axis of the model, the sign
// choosing the direction: (1, -1) in front of its x (the figure faces -y), (2, 1) above the
// floor.
static f32 reaching_extent(const Model *m, const Skeleton *s, const std::vector<int> &tops, int axis, f32 sign)
{
    f32 most = -1e9f;
    for (int v = 0; v < m->vertex_count; v++)
        for (int top : tops)
            if (bone_under(s, m->bone_a[v], top))
                most = std::max(most, sign * m->pos[v][axis]);
    return most;
}

// Weapons held out level at chest height stood 11 to 14.5 units in front of their bearers,
// past the near side of an opponent come as close as the push-apart allows, and the Hydra's
// necks reached some 70 pixels through its opponent's back. Between blows every arm with its
// weapon or shield (a blade or spear held up or across the body, point raised; a club or axe
// on the shoulder), and every neck of the Hydra reared back over its body, keeps within its
// bearer's half width and a unit more in front, in every bank of heads; only the attacks reach
// further.
TEST_F(FighterPoses, WeaponsAndNecksRestWithinReachBetweenBlows)
{
    constexpr f32 REST_MARGIN = 1.0f;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const CharacterModule *module = character_modules[id];
        const std::string &model_entry = entries[id];
        LoadedFigure &f = figures[id];
        ASSERT_TRUE(loaded[id]) << model_entry;
        std::vector<int> tops = reaching_tops(id, f.model, f.skeleton);
        const f32 limit = module->body_half_width + REST_MARGIN;
        std::set<int> keys = move_keys(module->sequence, std::vector<int>(std::begin(rest_actions), std::end(rest_actions)));
        ASSERT_FALSE(keys.empty()) << model_entry;
        for (int key : keys) {
            model_pose_at(f.model, f.skeleton, key);
            EXPECT_LE(reaching_extent(f.model, f.skeleton, tops, 1, -1.0f), limit) << model_entry << " key " << key;
        }
    }
}

// The bones a limb ends in: the children of the bones of the given zones of the model's
// fighter (a human's hands with what they hold, below the forearm zones; the Hydra's heads,
// below its neck zones). A shoulder or a neck's root stands high whatever the limb does.
static std::vector<int> zone_children(const Model *m, const Skeleton *s, const std::vector<int> &zones, int id)
{
    std::vector<int> out;
    for (int z : zones) {
        int limb = m->bone_a[character_modules[id]->hit_zones[z].vertex];
        for (int b = 1; b < s->bone_count; b++)
            if (s->bones[b].parent == limb)
                out.push_back(b);
    }
    return out;
}

// Knocked out, every fighter lies where it fell until the round ends: none goes through the
// floor, and its arms with what they hold (the Hydra its necks and heads) lie on the ground
// rather than stand up in the air, as Polyphemus's club and the Minotaur's axe once did. A
// neck the Hydra loses lies on the floor at the loss's end, in every bank of heads.
TEST_F(FighterPoses, KnockedOutFightersAndLostNecksLieOnTheGround)
{
    // How high above the floor a lying hand with what it holds, or a lying head, may reach, in
    // parts of the figure's height at rest: a thick arm on a deep chest, a club's head.
    constexpr f32 LYING_HEIGHT = 0.16f;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        ASSERT_TRUE(loaded[id]) << entries[id];
        Model *model = figures[id].model;
        Skeleton *skeleton = figures[id].skeleton;
        const f32 height = rest_height(model);
        const SeqBlock *ko = sequencer_find_block(&character_modules[id]->sequence, ACTION_KO);
        ASSERT_NE(ko, nullptr) << entries[id];
        model_pose_at(model, skeleton, ko->hi);
        EXPECT_GE(lowest(model), -GROUND_MARGIN * height) << entries[id] << " knocked out";
        // The Sphinx lies on her belly on her forelegs, her paws before her.
        if (id == CHARACTER_SPHINX)
            continue;
        // The Hydra is knocked out with its last head, zone 0's; the others are shrunk away.
        std::vector<int> ends = id == CHARACTER_HYDRA ? zone_children(model, skeleton, {0}, id)
                                                      : zone_children(model, skeleton, {3, 4}, id);
        ASSERT_FALSE(ends.empty()) << entries[id];
        EXPECT_LE(reaching_extent(model, skeleton, ends, 2, 1.0f), LYING_HEIGHT * height) << entries[id];
    }
    const LoadedFigure &hydra = figures[CHARACTER_HYDRA];
    const SeqBlock *loss = sequencer_find_block(&hydra_module.sequence, ACTION_HEAD_LOST);
    ASSERT_NE(loss, nullptr);
    for (int heads = 2; heads <= 4; heads++) {
        model_pose_at(hydra.model, hydra.skeleton, hydra_module.sequence.bank_by_heads[heads] + loss->hi);
        // The lost neck: the one of the head in play, zone heads - 1.
        std::vector<int> lost = zone_children(hydra.model, hydra.skeleton, {heads - 1}, CHARACTER_HYDRA);
        ASSERT_EQ(lost.size(), 1u);
        EXPECT_LE(reaching_extent(hydra.model, hydra.skeleton, lost, 2, 1.0f), LYING_HEIGHT * rest_height(hydra.model))
            << "heads " << heads;
    }
}

// The checks on a small figure: hips, a chest leaning forward in key 1, a cloak on the chest and
// a second cloak on the hips. A cloak as tall as the back and standing up past the shoulders
// is seen above them at rest; one hanging from the hips is seen in front of the chest once
// the chest bows forward past it; a cloak hung below the shoulders behind the chest passes.
TEST(FigurePoseBounds, TheCloakCheckSeesACloakAboveTheShouldersOrInFrontOfTheChest)
{
    test_maths_setup();
    struct Case {
        const char *what;
        int bone;
        MeshPoint centre, half;
        bool above_at_rest, forward_leaning;
    };
    // Rest: hips at z 10, the chest's joint at z 12, the shoulders at z 16, its block up to z 17.
    constexpr f32 SHOULDERS = 16.0f;
    const Case cases[] = {
        {"a cloak standing past the shoulders", 1, {0, 1.65f, 12.8f}, {2.4f, 0.25f, 4.4f}, true, false},
        {"a cloak on the hips", 0, {0, 1.65f, 9.0f}, {2.4f, 0.25f, 3.0f}, false, true},
        {"a cloak hung from the shoulders", 1, {0, 1.75f, 12.0f}, {2.3f, 0.2f, 3.8f}, false, false},
    };
    for (const Case &c : cases) {
        EmdModel source;
        emd_add_box(source, 0, EMD_PLAIN, {0, 0, 9.0f}, {2.0f, 1.5f, 2.5f});
        emd_add_box(source, 1, EMD_PLAIN, {0, 0, 14.5f}, {2.5f, 1.5f, 2.5f});
        size_t first = source.polygons.size();
        emd_add_box(source, c.bone, EMD_PLAIN, c.centre, c.half);
        for (size_t i = 0; i < source.polygons.size(); i++)
            for (int k = 0; k < 3; k++) {
                source.polygons[i].tex_uv[2 * k] = i >= first ? (CLOTH_U0 + CLOTH_U1) * 0.5f : 0.1f;
                source.polygons[i].tex_uv[2 * k + 1] = i >= first ? (CLOTH_V0 + CLOTH_V1) * 0.5f : 0.1f;
            }
        Model *model = fixture_model(source);
        Skeleton *skeleton = skeleton_blocks_new(1);
        ASSERT_TRUE(model && skeleton_bones_alloc(skeleton, 2));
        const f32 rest_z[2] = {10.0f, 12.0f};
        for (int b = 0; b < 2; b++) {
            for (int k = 0; k < SKELETON_KEYS; k++)
                for (int a = 0; a < 3; a++)
                    skeleton->bones[b].scale_keys[k][a] = 1.0f;
            skeleton->bones[b].rest[2] = rest_z[b];
            skeleton->bones[b].parent = 0;
        }
        skeleton->bones[1].angle_keys[1][0] = -32.0f;   // an eighth of a turn: the chest bowed
        ASSERT_EQ(chest_bone(skeleton), 1);
        std::vector<bool> cape = cloth_vertices(model);
        for (int key : {0, 1}) {
            model_pose_at(model, skeleton, key);
            CapeStray stray = cape_stray(model, skeleton, 1, SHOULDERS, cape);
            EXPECT_EQ(stray.above > 0.1f, c.above_at_rest) << c.what << ", key " << key;
            EXPECT_EQ(stray.forward > 0.1f, c.forward_leaning && key == 1) << c.what << ", key " << key;
        }
        model_free(model);
        skeleton_blocks_free(skeleton, 1);
    }
}
