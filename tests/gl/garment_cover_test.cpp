// Clothes cover in every pose what they cover at rest. Each triangle is drawn in a colour that
// names it, from all round the figure; a leg triangle that something other than the legs hides
// in every view at rest (a robe, a tunic, a kilt) is a covered one, and no key may show it. The
// robed Fate shows no skin below her neck but her hands in any key, on the fight's figure and on
// the select's.
#include "characters/characters.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"

#include <GL/gl.h>
#include <algorithm>
#include <string>
#include <vector>

// The views: headings all round the figure, each seen from a little above as the fight's
// camera sees it, in an orthographic frame this many figure heights tall.
static const f32 cover_headings[] = {0, 60, 120, 180, 240, 300};
constexpr f32 COVER_ELEVATION = 12.0f;
constexpr f32 COVER_FRAME = 1.6f;
constexpr int COVER_WIDTH = 320, COVER_HEIGHT = 240;   // pixels, within the test window
// Covered pixels a view may show: the rims where a garment's edge meets the leg it follows.
constexpr int COVER_MOST_PIXELS = 6;
// The skin tile of a figure's painted atlas: the cell right of the face's quarter, the first
// material tile the builder lays out (skin comes first among the materials).
constexpr f32 SKIN_U0 = 0.5f, SKIN_U1 = 0.75f, SKIN_V0 = 0.0f, SKIN_V1 = 0.25f;

// A human figure's bones by what they are, found from the skeleton's shape: the root is the
// pelvis; a leg is a child of it whose own child lies well below it; the chest is the root's
// child above it, the head its highest child, the arms its other children with children.
struct HumanBones {
    int pelvis = 0, chest = -1, head = -1;
    std::vector<int> thighs, shins, upper_arms;
};

static std::vector<int> children_of(const Skeleton *s, int bone)
{
    std::vector<int> out;
    for (int b = 1; b < s->bone_count; b++)
        if (s->bones[b].parent == bone)
            out.push_back(b);
    return out;
}

static HumanBones human_bones(const Skeleton *s)
{
    HumanBones h;
    const f32 root_z = s->bones[0].rest[2];
    f32 lowest = root_z;
    for (int b = 0; b < s->bone_count; b++)
        lowest = std::min(lowest, s->bones[b].rest[2]);
    // In parts of the root's height over the lowest joint, so the select's small figure reads too.
    const f32 span = std::max(root_z - lowest, 1e-3f);
    for (int child : children_of(s, 0)) {
        for (int grandchild : children_of(s, child))
            if (s->bones[grandchild].rest[2] < root_z - 0.3f * span) {
                h.thighs.push_back(child);
                h.shins.push_back(grandchild);
            }
        if (s->bones[child].rest[2] > root_z + 0.1f * span)
            h.chest = child;
    }
    if (h.chest < 0)
        return h;
    for (int child : children_of(s, h.chest))
        if (h.head < 0 || s->bones[child].rest[2] > s->bones[h.head].rest[2])
            h.head = child;
    for (int child : children_of(s, h.chest))
        if (child != h.head && !children_of(s, child).empty())
            h.upper_arms.push_back(child);
    return h;
}

static bool in_skin_tile(const Polygon &p) { return polygon_in_tile(p, SKIN_U0, SKIN_V0, SKIN_U1, SKIN_V1); }

// The triangles on the given bones (only those in the skin tile, if asked).
static std::vector<bool> triangles_on(const Model *m, const std::vector<int> &bones, bool skin_only)
{
    std::vector<bool> out(m->polygon_count, false);
    for (int i = 0; i < m->polygon_count; i++) {
        int bone = m->bone_a[m->polygons[i].corner[0]];
        out[i] = std::count(bones.begin(), bones.end(), bone) > 0 && (!skin_only || in_skin_tile(m->polygons[i]));
    }
    return out;
}

static int count_of(const std::vector<bool> &marks)
{
    return static_cast<int>(std::count(marks.begin(), marks.end(), true));
}

// The leg skin that the garment hanging from the hips hides at rest: skin on the leg bones that
// some view of the legs alone shows (their own panels with them) and no view of the legs with
// the pelvis does.
struct HipCover {
    std::vector<bool> legs_and_hips;   // the triangles drawn when looking for it
    std::vector<bool> hidden;
};

class GarmentCover : public DrawTest {
protected:
    ArchiveHandle archive = nullptr;
    f32 frame_centre = 10.0f, frame_half = 16.0f;   // model units, set per figure
    std::vector<f32> corners;                        // the drawn triangles' corners
    std::vector<u8> colours;                         // and their colours

    void SetUp() override
    {
        DrawTest::SetUp();
        test_maths_setup();
        archive = data_set_archive_open();
        ASSERT_NE(archive, nullptr) << "make the data set first (tavrosk-databuild)";
    }

    void TearDown() override { archive_close(archive); }

    // Frames a figure whose rest pose spans bottom..top in z.
    void frame_figure(f32 bottom, f32 top)
    {
        frame_centre = (bottom + top) * 0.5f;
        frame_half = (top - bottom) * COVER_FRAME * 0.5f;
    }

    // The posed model's triangles (only the `drawn` ones, or all), each in the colour of its
    // index + 1, seen from `heading`; the view's pixels as triangle indices, -1 the ground.
    std::vector<int> draw_ids(const Model *m, const std::vector<bool> *drawn, f32 heading)
    {
        glViewport(0, 0, COVER_WIDTH, COVER_HEIGHT);
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_BLEND);
        glDisable(GL_CULL_FACE);
        glDisable(GL_DITHER);
        glEnable(GL_DEPTH_TEST);
        glDepthFunc(GL_LESS);
        glShadeModel(GL_FLAT);
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        f32 aspect = static_cast<f32>(COVER_WIDTH) / COVER_HEIGHT;
        glOrtho(-frame_half * aspect, frame_half * aspect, -frame_half, frame_half, -100, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glRotatef(COVER_ELEVATION, 1, 0, 0);
        glRotatef(-90, 1, 0, 0);   // z up on the screen, the figure's front (-y) toward the eye
        glRotatef(heading, 0, 0, 1);
        glTranslatef(0, 0, -frame_centre);
        // Every corner its own, so that flat shading gives each triangle its own colour.
        corners.clear();
        colours.clear();
        for (int i = 0; i < m->polygon_count; i++) {
            if (drawn && !(*drawn)[i])
                continue;
            int id = i + 1;
            for (int k = 0; k < 3; k++) {
                const f32 *p = m->pos[m->polygons[i].corner[k]];
                corners.insert(corners.end(), {p[0], p[1], p[2]});
                colours.insert(colours.end(), {static_cast<u8>(id & 255), static_cast<u8>(id >> 8 & 255),
                                               static_cast<u8>(id >> 16)});
            }
        }
        glEnableClientState(GL_VERTEX_ARRAY);
        glEnableClientState(GL_COLOR_ARRAY);
        glVertexPointer(3, GL_FLOAT, 0, corners.data());
        glColorPointer(3, GL_UNSIGNED_BYTE, 0, colours.data());
        glDrawArrays(GL_TRIANGLES, 0, static_cast<GLsizei>(corners.size() / 3));
        glDisableClientState(GL_COLOR_ARRAY);
        glDisableClientState(GL_VERTEX_ARRAY);
        std::vector<u8> rgba(static_cast<size_t>(COVER_WIDTH) * COVER_HEIGHT * 4);
        glReadPixels(0, 0, COVER_WIDTH, COVER_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        std::vector<int> ids(rgba.size() / 4);
        for (size_t p = 0; p < ids.size(); p++)
            ids[p] = (rgba[4 * p] | rgba[4 * p + 1] << 8 | rgba[4 * p + 2] << 16) - 1;
        return ids;
    }

    // The `marked` triangles that some view of the `part` triangles alone shows but no view
    // of them with the `cover` ones does: what the cover hides in the pose the model stands in.
    std::vector<bool> covered(const Model *m, const std::vector<bool> &marked, const std::vector<bool> &part,
                              const std::vector<bool> &cover)
    {
        std::vector<bool> alone(m->polygon_count, false), hidden(m->polygon_count, true);
        for (f32 heading : cover_headings) {
            for (int id : draw_ids(m, &part, heading))
                if (id >= 0)
                    alone[id] = true;
            for (int id : draw_ids(m, &cover, heading))
                if (id >= 0)
                    hidden[id] = false;
        }
        std::vector<bool> out(m->polygon_count);
        for (int i = 0; i < m->polygon_count; i++)
            out[i] = marked[i] && alone[i] && hidden[i];
        return out;
    }

    // The leg skin the hips' garment covers in the pose the model stands in (its rest pose).
    HipCover hip_cover(const Model *m, const HumanBones &bones)
    {
        std::vector<int> legs = bones.thighs;
        legs.insert(legs.end(), bones.shins.begin(), bones.shins.end());
        std::vector<int> legs_and_hips = legs;
        legs_and_hips.push_back(bones.pelvis);
        HipCover out;
        out.legs_and_hips = triangles_on(m, legs_and_hips, false);
        out.hidden = covered(m, triangles_on(m, legs, true), triangles_on(m, legs, false), out.legs_and_hips);
        return out;
    }

    // The most pixels of the `marked` triangles that one view of the posed figure (its `drawn`
    // triangles, or all) shows.
    int shown_pixels(const Model *m, const std::vector<bool> *drawn, const std::vector<bool> &marked,
                     f32 *worst_heading)
    {
        int most = 0;
        for (f32 heading : cover_headings) {
            int count = 0;
            for (int id : draw_ids(m, drawn, heading))
                count += id >= 0 && marked[id];
            if (count > most) {
                most = count;
                *worst_heading = heading;
            }
        }
        return most;
    }
};

static void rest_span(const Model *m, f32 *bottom, f32 *top)
{
    *bottom = 1e9f;
    *top = -1e9f;
    for (int v = 0; v < m->vertex_count; v++) {
        *bottom = std::min(*bottom, m->pos[v][2]);
        *top = std::max(*top, m->pos[v][2]);
    }
}

TEST_F(GarmentCover, NoKeyShowsALegWhereTheClothesCoverItAtRest)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        // The beasts wear nothing over their legs.
        if (id == CHARACTER_SPHINX || id == CHARACTER_HYDRA)
            continue;
        const CharacterModule *module = character_modules[id];
        std::string model_entry, skeleton_entry;
        character_figure_entries(module, &model_entry, &skeleton_entry);
        LoadedFigure f;
        ASSERT_TRUE(figure_load(archive, model_entry.c_str(), skeleton_entry.c_str(), &f)) << model_entry;
        HumanBones bones = human_bones(f.skeleton);
        ASSERT_EQ(bones.thighs.size(), 2u) << model_entry;
        model_pose_at(f.model, f.skeleton, 0);
        f32 bottom, top;
        rest_span(f.model, &bottom, &top);
        frame_figure(bottom, top);
        ASSERT_GT(count_of(triangles_on(f.model, {bones.head}, true)), 0) << model_entry << ": no skin found";
        HipCover cover = hip_cover(f.model, bones);
        for (int key : character_sampled_keys(module)) {
            model_pose_at(f.model, f.skeleton, key);
            f32 heading = 0;
            EXPECT_LE(shown_pixels(f.model, &cover.legs_and_hips, cover.hidden, &heading), COVER_MOST_PIXELS)
                << model_entry << " key " << key << " heading " << heading;
        }
    }
}

TEST_F(GarmentCover, TheFatesRobeShowsNoSkinBelowHerNeck)
{
    std::vector<std::pair<std::string, std::string>> figures = {{"", ""}, {"atropo/atroposel.emd", "atropo/atroposel.esq"}};
    character_figure_entries(&atropos_module, &figures[0].first, &figures[0].second);
    std::vector<int> select_keys;
    for (int key = 0; key <= 33; key++)
        select_keys.push_back(key);
    for (size_t i = 0; i < figures.size(); i++) {
        LoadedFigure f;
        ASSERT_TRUE(figure_load(archive, figures[i].first.c_str(), figures[i].second.c_str(), &f)) << figures[i].first;
        HumanBones bones = human_bones(f.skeleton);
        ASSERT_EQ(bones.thighs.size(), 2u);
        ASSERT_EQ(bones.upper_arms.size(), 2u);
        std::vector<int> robed = {bones.pelvis, bones.chest};
        for (const std::vector<int> *set : {&bones.thighs, &bones.shins, &bones.upper_arms})
            robed.insert(robed.end(), set->begin(), set->end());
        std::vector<bool> skin = triangles_on(f.model, robed, true);
        model_pose_at(f.model, f.skeleton, 0);
        f32 bottom, top;
        rest_span(f.model, &bottom, &top);
        frame_figure(bottom, top);
        for (int key : i == 0 ? character_sampled_keys(&atropos_module) : select_keys) {
            model_pose_at(f.model, f.skeleton, key);
            f32 heading = 0;
            EXPECT_LE(shown_pixels(f.model, nullptr, skin, &heading), COVER_MOST_PIXELS)
                << figures[i].first << " key " << key << " heading " << heading;
        }
    }
}

// The finder on a small figure: a skirt on the pelvis over a thigh and a shin. Kicked forward,
// the bare thigh comes out through the skirt's front, and the finder must see it; wrapped in a
// panel of its own bone, the same kick shows no leg.
TEST_F(GarmentCover, TheFinderSeesALegThroughASkirtAndNoneUnderAPanel)
{
    for (bool panel : {false, true}) {
        EmdModel source;
        emd_add_box(source, 0, EMD_PLAIN, {0, 0, 9.0f}, {2.0f, 2.0f, 2.5f});
        emd_add_box(source, 0, EMD_PLAIN, {0, 0, 14.0f}, {1.5f, 1.0f, 3.0f});
        emd_add_box(source, 1, EMD_PLAIN, {0, 0, 8.5f}, {0.7f, 0.7f, 1.5f});
        emd_add_box(source, 2, EMD_PLAIN, {0, 0, 4.2f}, {0.6f, 0.6f, 3.2f});
        for (EmdPolygon &leg : source.polygons)
            if (source.vertices[leg.corner[0]].bone_a != 0)
                for (int k = 0; k < 3; k++) {
                    leg.tex_uv[2 * k] = (SKIN_U0 + SKIN_U1) * 0.5f;
                    leg.tex_uv[2 * k + 1] = (SKIN_V0 + SKIN_V1) * 0.5f;
                }
        if (panel)
            emd_add_box(source, 1, EMD_PLAIN, {0, 0, 8.35f}, {1.0f, 1.0f, 1.95f});
        Model *model = fixture_model(source);
        Skeleton *skeleton = skeleton_blocks_new(1);
        ASSERT_TRUE(model && skeleton_bones_alloc(skeleton, 3));
        const f32 rest_z[3] = {10.0f, 10.0f, 7.0f};
        for (int b = 0; b < 3; b++) {
            for (int k = 0; k < SKELETON_KEYS; k++)
                for (int a = 0; a < 3; a++)
                    skeleton->bones[b].scale_keys[k][a] = 1.0f;
            skeleton->bones[b].rest[2] = rest_z[b];
            skeleton->bones[b].parent = static_cast<u16>(b > 0 ? b - 1 : 0);
        }
        skeleton->bones[1].angle_keys[1][0] = 64.0f;   // a quarter turn: the thigh straight out
        HumanBones bones = human_bones(skeleton);
        ASSERT_EQ(bones.thighs, std::vector<int>{1});
        model_pose_at(model, skeleton, 0);
        frame_figure(0.0f, 17.0f);
        HipCover cover = hip_cover(model, bones);
        if (!panel) {
            ASSERT_GT(count_of(cover.hidden), 0) << "the skirt covers the bare thigh at rest";
        }
        f32 heading = 0;
        EXPECT_LE(shown_pixels(model, &cover.legs_and_hips, cover.hidden, &heading), COVER_MOST_PIXELS)
            << "at rest, panel " << panel;
        model_pose_at(model, skeleton, 1);
        int shown = shown_pixels(model, &cover.legs_and_hips, cover.hidden, &heading);
        if (panel)
            EXPECT_LE(shown, COVER_MOST_PIXELS) << "under a panel";
        else
            EXPECT_GT(shown, COVER_MOST_PIXELS * 20) << "through the skirt";
        model_free(model);
        skeleton_blocks_free(skeleton, 1);
    }
}
