// The built figures drawn in the poses their key tables reach: seen from the front and from
// the side, no joint opens a see-through crack. Each bone's triangles are drawn in a colour of
// their own on a black ground; round each joint, background that the two parts meeting there
// enclose between them (other parts let the ground through) is a crack.
#include "characters/characters.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cmath>
#include <set>
#include <string>
#include <vector>

// The view: the figure stands at the origin, the eye 60 units in front of its middle.
constexpr f32 HOLE_EYE_DISTANCE = 60.0f, HOLE_EYE_HEIGHT = 11.0f;
// Background counted round each joint (world units), and how many pixels make a crack.
constexpr f32 HOLE_JOINT_REACH = 0.5f;
constexpr int HOLE_MOST_PIXELS = 8;
// Only the two parts' pixels within this many reaches of the joint close a crack.
constexpr int HOLE_WALL_REACH = 2;
// The box round a joint in which the ground is flooded from its edge, pixels each way.
constexpr int HOLE_BOX = 40;
// Bone b is drawn in red HOLE_RED_BASE + b * HOLE_RED_STEP; black is the ground.
constexpr int HOLE_BONES = 32, HOLE_RED_BASE = 12, HOLE_RED_STEP = 7;
// The flat light that draws a texture at its own colour (its ambient is added twice over).
constexpr f32 HOLE_LIGHT = 0.5f;

static int bone_at(const std::vector<u8> &rgba, int x, int y)
{
    int r = rgba[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
    if (r < HOLE_RED_BASE / 2)
        return -1;
    return (r - HOLE_RED_BASE + HOLE_RED_STEP / 2) / HOLE_RED_STEP;
}

// Ground pixels within `reach` of (jx, jy) that the two bones' pixels cut off from the edge of
// the box round it.
static int enclosed_near(const std::vector<u8> &rgba, int jx, int jy, int reach, int bone, int parent)
{
    const int size = 2 * HOLE_BOX + 1;
    // Only the parts' pixels near the joint close a crack: farther out a weapon or a limb
    // lying along its neighbour may well enclose ground with it.
    auto wall = [&](int x, int y) {
        int b = bone_at(rgba, x, y);
        int dx = x - jx, dy = y - jy;
        return (b == bone || b == parent) && dx * dx + dy * dy <= HOLE_WALL_REACH * HOLE_WALL_REACH * reach * reach;
    };
    auto inside = [&](int x, int y) { return x >= 0 && y >= 0 && x < GL_TEST_WIDTH && y < GL_TEST_HEIGHT; };
    std::vector<u8> reached(size * size, 0);
    std::vector<std::pair<int, int>> stack;
    for (int k = -HOLE_BOX; k <= HOLE_BOX; k++)
        stack.insert(stack.end(), {{jx + k, jy - HOLE_BOX}, {jx + k, jy + HOLE_BOX}, {jx - HOLE_BOX, jy + k},
                                   {jx + HOLE_BOX, jy + k}});
    while (!stack.empty()) {
        auto [x, y] = stack.back();
        stack.pop_back();
        int i = (y - jy + HOLE_BOX) * size + (x - jx + HOLE_BOX);
        if (std::abs(x - jx) > HOLE_BOX || std::abs(y - jy) > HOLE_BOX || reached[i])
            continue;
        reached[i] = 1;
        if (inside(x, y) && wall(x, y))
            continue;
        stack.insert(stack.end(), {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}});
    }
    int count = 0;
    for (int dy = -reach; dy <= reach; dy++)
        for (int dx = -reach; dx <= reach; dx++) {
            int x = jx + dx, y = jy + dy;
            if (dx * dx + dy * dy > reach * reach || !inside(x, y))
                continue;
            count += !reached[(dy + HOLE_BOX) * size + dx + HOLE_BOX] && bone_at(rgba, x, y) < 0;
        }
    return count;
}

class FigureHoles : public DrawTest {
protected:
    ArchiveHandle archive = nullptr;
    StageLight light;
    u32 bone_colours[HOLE_BONES];   // solid_texture's, kept for the whole program
    ModelSkin skin = {};

    void SetUp() override
    {
        DrawTest::SetUp();
        test_maths_setup();
        archive = data_set_archive_open();
        ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET;
        ASSERT_EQ(masked_polys_alloc(), 1);
        for (int b = 0; b < HOLE_BONES; b++)
            bone_colours[b] = solid_texture(static_cast<u8>(HOLE_RED_BASE + b * HOLE_RED_STEP), 0, 0);
        skin = {bone_colours, HOLE_BONES, 0, 0, 0};
    }

    void TearDown() override
    {
        archive_close(archive);
        masked_polys_free();
    }

    // Crack pixels at the joints of the posed figure drawn turned by heading degrees.
    int crack_pixels(Model *model, Skeleton *skeleton, const std::vector<int> &joints, f32 heading)
    {
        draw_gl_reset();
        const f32 eye[3] = {0, -HOLE_EYE_DISTANCE, HOLE_EYE_HEIGHT}, centre[3] = {0, 0, HOLE_EYE_HEIGHT};
        draw_view_set(eye, centre, 1.0f);
        draw_flat_light(&light, HOLE_LIGHT);
        masked_count = 0;
        ModelPlacement placement = {0, 0, 0, 0, 0, heading};
        model_draw(&placement, model, &skin, &light);
        std::vector<u8> rgba = window_pixels();
        f32 turn = heading * 3.14159265f / 180.0f;
        int count = 0;
        for (int bone : joints) {
            f32 p[3];
            skeleton_bone_point(skeleton, bone, p);
            const f32 world[3] = {p[0] * std::cos(turn) - p[1] * std::sin(turn),
                                  p[0] * std::sin(turn) + p[1] * std::cos(turn), p[2]};
            const f32 edge[3] = {world[0], world[1], world[2] + HOLE_JOINT_REACH};
            int x, y, ex, ey;
            world_to_pixel(world, &x, &y);
            world_to_pixel(edge, &ex, &ey);
            count += enclosed_near(rgba, x, y, std::max(1, std::abs(ey - y)), bone, skeleton->bones[bone].parent);
        }
        return count;
    }
};

// Colours each triangle by its bone, and returns the bones that join two drawn parts: those
// with triangles whose parent has triangles too.
static std::vector<int> colour_by_bone(Model *model, const Skeleton *skeleton)
{
    std::set<int> drawn;
    for (int i = 0; i < model->polygon_count; i++) {
        int bone = model->bone_a[model->polygons[i].corner[0]];
        model->polygons[i].texture_index = static_cast<u16>(bone);
        drawn.insert(bone);
    }
    std::vector<int> joints;
    for (int bone = 1; bone < skeleton->bone_count; bone++)
        if (drawn.count(bone) && drawn.count(skeleton->bones[bone].parent))
            joints.push_back(bone);
    return joints;
}

// One test per fighter, so that ctest spreads the twelve over its workers.
class FigureHolesOfAFighter : public FigureHoles, public ::testing::WithParamInterface<int> {};

TEST_P(FigureHolesOfAFighter, NoPoseOpensACrackAtAJointFromTheFrontOrTheSide)
{
    const CharacterModule *module = character_modules[GetParam()];
    std::string model_entry, skeleton_entry;
    character_figure_entries(module, &model_entry, &skeleton_entry);
    Model *model = model_load(archive, model_entry.c_str());
    Skeleton *skeleton = skeleton_blocks_new(1);
    ASSERT_TRUE(model && skeleton_load(skeleton, archive, skeleton_entry.c_str())) << model_entry;
    ASSERT_LE(skeleton->bone_count, HOLE_BONES);
    std::vector<int> joints = colour_by_bone(model, skeleton);
    ASSERT_FALSE(joints.empty()) << model_entry;
    for (int key : character_sampled_keys(module)) {
        model_pose_at(model, skeleton, key);
        for (f32 heading : {0.0f, 90.0f})
            EXPECT_LE(crack_pixels(model, skeleton, joints, heading), HOLE_MOST_PIXELS)
                << model_entry << " key " << key << " heading " << heading;
    }
    model_free(model);
    skeleton_blocks_free(skeleton, 1);
}

INSTANTIATE_TEST_SUITE_P(EveryFighter, FigureHolesOfAFighter, ::testing::Range(0, static_cast<int>(CHARACTER_COUNT)),
                         [](const ::testing::TestParamInfo<int> &info) {
                             return std::string(character_modules[info.param]->directory);
                         });

// The finder itself: a frame on the lower bone round the joint, filled at rest by a plug on
// the upper bone; shifted aside, the frame shows a hole beside the plug that it must see.
TEST_F(FigureHoles, TheFinderSeesAHoleOpenAtAJoint)
{
    EmdModel source;
    emd_add_box(source, 0, EMD_PLAIN, {0, 0, 14.5f}, {1.0f, 1.0f, 3.5f});
    emd_add_box(source, 0, EMD_PLAIN, {0, 0, 10.0f}, {0.3f, 0.2f, 0.45f});
    const MeshPoint frame[4][2] = {{{0, 0, 10.5f}, {0.7f, 0.3f, 0.2f}}, {{0, 0, 9.5f}, {0.7f, 0.3f, 0.2f}},
                                   {{-0.5f, 0, 10.0f}, {0.2f, 0.3f, 0.7f}}, {{0.5f, 0, 10.0f}, {0.2f, 0.3f, 0.7f}}};
    for (const auto &bar : frame)
        emd_add_box(source, 1, EMD_PLAIN, bar[0], bar[1]);
    Model *model = fixture_model(source);
    Skeleton *skeleton = skeleton_blocks_new(1);
    ASSERT_TRUE(model && skeleton_bones_alloc(skeleton, 2));
    for (int b = 0; b < 2; b++) {
        for (int k = 0; k < SKELETON_KEYS; k++)
            for (int a = 0; a < 3; a++)
                skeleton->bones[b].scale_keys[k][a] = 1.0f;
        skeleton->bones[b].rest[2] = 10.0f;
    }
    skeleton->bones[1].parent = 0;
    skeleton->bones[1].trans_keys[1][0] = 0.6f;
    std::vector<int> joints = colour_by_bone(model, skeleton);
    skeleton->key_from = skeleton->key_to = 0;
    model_skin(model, skeleton);
    EXPECT_LE(crack_pixels(model, skeleton, joints, 0.0f), HOLE_MOST_PIXELS) << "filled";
    skeleton->key_from = skeleton->key_to = 1;
    model_skin(model, skeleton);
    EXPECT_GT(crack_pixels(model, skeleton, joints, 0.0f), HOLE_MOST_PIXELS) << "shifted";
    model_free(model);
    skeleton_blocks_free(skeleton, 1);
}
