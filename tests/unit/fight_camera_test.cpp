// The fight camera keeps both fighters in the 35-degree, 4:3 view for every separation a fight
// reaches (a walk away stops at 70; only Hades is wider than that).
#include "support/fight_fixture.h"

#include <cmath>

namespace {

class CameraTest : public FightFixture {};

struct Vec {
    f32 x, y, z;
};
static Vec sub(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
static f32 dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
static Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
static Vec unit(Vec a)
{
    const f32 length = std::sqrt(dot(a, a));
    return {a.x / length, a.y / length, a.z / length};
}

// Whether a world point lies inside the frame's view (gluLookAt, then 35 degrees vertical at 4:3).
static bool in_view(Vec point)
{
    const Vec eye = {camera_eye[0], camera_eye[1], camera_eye[2]};
    const Vec forward = unit(sub({camera_centre[0], camera_centre[1], camera_centre[2]}, eye));
    const Vec side = unit(cross(forward, {0, 0, camera_up_z}));
    const Vec up = cross(side, forward);
    const Vec to = sub(point, eye);
    const f32 depth = dot(to, forward);
    const f32 half_height = std::tan(17.5f * 3.14159265f / 180.0f);
    return depth > 2.0f && std::fabs(dot(to, side) / depth) < half_height * 1.3333f &&
           std::fabs(dot(to, up) / depth) < half_height;
}

TEST_F(CameraTest, BothFightersStayInViewForEverySeparation)
{
    struct Case {
        int first, second, stage;
        f32 x0, x1, z0;
    } cases[] = {
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_ATHENS, -15, 15, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_ATHENS, 0, 0.5f, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_ATHENS, -50, 50, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_ATHENS, -50, -30, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_ATHENS, 10, 45, 15},
        {CHARACTER_POLYPHEMUS, CHARACTER_JASON, STAGE_ATHENS, -45, 0, 0},
        {CHARACTER_HYDRA, CHARACTER_JASON, STAGE_ATHENS, -20, 20, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_HADES, -100, -30, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_HADES, 25, 100, 0},
        {CHARACTER_JASON, CHARACTER_JASON, STAGE_HADES, -100, -60, 14},
    };
    for (const Case &c : cases) {
        fight_start(c.first, c.second);
        stage_id = c.stage;
        fighters[0].pos_x = c.x0;
        fighters[1].pos_x = c.x1;
        fighters[0].pos_z = c.z0;
        update_fight_camera();
        for (int p = 0; p < 2; p++) {
            const Fighter *f = &fighters[p];
            // Feet and head of a figure about 20 units tall.
            EXPECT_TRUE(in_view({f->pos_x, f->pos_y, f->pos_z})) << c.x0 << " " << c.x1 << " side " << p;
            EXPECT_TRUE(in_view({f->pos_x, f->pos_y, f->pos_z + 18.0f})) << c.x0 << " " << c.x1 << " side " << p;
        }
    }
}

// The Hydra's body stands behind its x and its tail reaches some 21 units further back (a
// 22-unit figure): framed on the fighters' x alone, the body ran off the screen's edge at the
// round's start and near its wall. Its haunches and its tail's tip stay in view wherever it
// stands, on either side.
TEST_F(CameraTest, TheHydrasBodyAndTailStayInViewBehindIt)
{
    constexpr f32 HAUNCH_BACK = 12.0f, TAIL_BACK = 21.0f;
    struct Case {
        f32 hydra_x, other_x;
        int stage;
    } cases[] = {
        {-30, 30, STAGE_ATHENS},   // the round's start
        {30, -30, STAGE_ATHENS},
        {-20, -17, STAGE_ATHENS},  // at its wall, the opponent close
        {20, 17, STAGE_ATHENS},
        {-20, 30, STAGE_ATHENS},
        {-70, -67, STAGE_HADES},
    };
    for (const Case &c : cases) {
        fight_start(CHARACTER_HYDRA, CHARACTER_JASON);
        stage_id = c.stage;
        fighters[0].pos_x = c.hydra_x;
        fighters[1].pos_x = c.other_x;
        fighters[0].facing = c.hydra_x < c.other_x ? 1 : 0;
        fighters[1].facing = 1 - fighters[0].facing;
        update_fight_camera();
        const f32 back = c.hydra_x < c.other_x ? -1.0f : 1.0f;
        EXPECT_TRUE(in_view({c.hydra_x + back * HAUNCH_BACK, 0, 10})) << c.hydra_x << " " << c.other_x << " haunches";
        EXPECT_TRUE(in_view({c.hydra_x + back * TAIL_BACK, 0, 1})) << c.hydra_x << " " << c.other_x << " tail";
        EXPECT_TRUE(in_view({c.other_x, 0, 0})) << c.hydra_x << " " << c.other_x << " opponent";
        EXPECT_TRUE(in_view({c.other_x, 0, 18})) << c.hydra_x << " " << c.other_x << " opponent's head";
    }
}

TEST_F(CameraTest, StartViewAndTheNearestEye)
{
    fighters[0].pos_x = -5.0f;
    fighters[1].pos_x = 25.0f;
    update_fight_camera();
    EXPECT_NEAR(camera_eye[0], 10.0f, 0.01f);
    EXPECT_NEAR(camera_eye[1], -55.0f, 0.01f);
    EXPECT_NEAR(camera_eye[2], 15.0f, 1e-4);
    EXPECT_NEAR(camera_centre[0], 10.0f, 1e-4);
    EXPECT_EQ(camera_centre[1], 0.0f);
    EXPECT_NEAR(camera_centre[2], 13.0f, 1e-4);
    for (f32 yaw : {1.57f, 3.1415f, 4.71f}) {
        camera_yaw = yaw;
        fighters[1].pos_x = -4.0f;
        update_fight_camera();
        EXPECT_LE(camera_eye[1], -36.0f) << yaw;
    }
}

TEST_F(CameraTest, ShakeBobsForTenTicksThenRests)
{
    camera_shake = 2;
    const f32 bob[] = {0.5f, 1.0f, 1.5f, 2.0f, 0.0f, 0.5f, 1.0f, 1.5f, 2.0f, 0.0f, 0.0f, 0.0f};
    for (f32 phase : bob) {
        update_fight_camera();
        EXPECT_EQ(camera_shake_phase, phase);
    }
    EXPECT_EQ(camera_shake, 0);
}

TEST_F(CameraTest, FreeCameraIsClampedAndOnlyWhilePaused)
{
    mouse_move_x = 100000.0f;
    mouse_move_y = 1000.0f;
    update_fight_camera();
    EXPECT_EQ(camera_yaw, 3.1415f) << "not paused";
    paused = 1;
    free_camera = 1;
    update_fight_camera();
    EXPECT_EQ(camera_yaw, 4.71f);
    EXPECT_EQ(camera_term, 20.0f);
    mouse_move_x = -100000.0f;
    mouse_move_y = -1000.0f;
    update_fight_camera();
    EXPECT_EQ(camera_yaw, 1.57f);
    EXPECT_EQ(camera_term, 2.0f);
    mouse_move_x = mouse_move_y = 0.0f;
}

TEST_F(CameraTest, CreepsTowardAKnockedOutFighter)
{
    update_fight_camera();
    EXPECT_NEAR(camera_centre[0], 0.0f, 1e-5);
    fighters[1].action = ACTION_KO;
    update_fight_camera();
    EXPECT_NEAR(camera_centre[0], 0.5f, 1e-5);
    const f32 eye_x = camera_eye[0];
    update_fight_camera();
    EXPECT_NEAR(camera_centre[0], 1.0f, 1e-5);
    EXPECT_NEAR(camera_eye[0], eye_x + 0.5f, 1e-5);
    game_state = STATE_TIME_OVER;
    update_fight_camera();
    EXPECT_NEAR(camera_centre[0], 1.0f, 1e-5) << "stays during the time-over";
}

}  // namespace
