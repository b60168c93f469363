// Projectiles and the stone skin in real GL: a quad upright in the fight plane or turned to the
// camera, mirrored by its direction and tilted when it rises; and a petrified fighter that
// blinks black one frame in three in the spell's last second, each side on its own.
#include "characters/characters.h"
#include "combat/combat.h"
#include "support/draw_fixtures.h"

#include <GL/gl.h>

class ProjectileDrawTest : public DrawTest {
protected:
    u32 picture = 0;   // a 2 x 2 picture: top row red, green; bottom row blue, white
    StageLight light = {};

    void SetUp() override
    {
        DrawTest::SetUp();
        static const u8 texels[16] = {255, 0, 0, 255, 0, 255, 0, 255, 0, 0, 255, 255, 255, 255, 255, 255};
        glGenTextures(1, &picture);
        glBindTexture(GL_TEXTURE_2D, picture);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
        glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 2, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
        for (u32 &name : projectile_textures)
            name = 0;
        projectile_in_flight[0] = projectile_in_flight[1] = 0;
        paused = 0;
        stage_light = &light;
    }
    void TearDown() override
    {
        glDeleteTextures(1, &picture);
        for (u32 &name : projectile_textures)
            name = 0;
        projectile_in_flight[0] = projectile_in_flight[1] = 0;
        stage_light = nullptr;
    }

    // Side p's projectile at (0, 0, 10), 10 half-wide, on its second frame.
    Projectile *throw_at(int p, u8 kind, u8 direction, u8 flat)
    {
        Projectile *proj = &projectiles[p];
        *proj = Projectile{};
        proj->kind = kind;
        proj->direction = direction;
        proj->flat = flat;
        proj->texture_set = 0;
        proj->frame = 1;
        proj->pos[2] = 10.0f;
        proj->size[0] = proj->size[1] = proj->size[2] = 10.0f;
        projectile_textures[PROJECTILE_TEXTURES_PER_SLOT * p + 1] = picture;
        projectile_in_flight[p] = 1;
        return proj;
    }

    static Rgb at(f32 x, f32 z)
    {
        const f32 p[3] = {x, 0.0f, z};
        return pixel_of(p);
    }
};

// Travelling +x the picture stands as painted; travelling -x it is mirrored, top still up.
TEST_F(ProjectileDrawTest, AFlatQuadStandsInTheFightPlaneMirroredByDirection)
{
    const Rgb red = {255, 0, 0}, green = {0, 255, 0}, blue = {0, 0, 255}, white = {255, 255, 255};
    for (int direction = 0; direction <= 1; direction++) {
        SCOPED_TRACE(direction);
        draw_gl_reset();
        throw_at(1, PROJECTILE_STRAIGHT, static_cast<u8>(direction), 1);
        draw_projectiles();
        camera_view_load();
        EXPECT_TRUE(rgb_near(at(-5, 15), direction ? red : green));
        EXPECT_TRUE(rgb_near(at(5, 15), direction ? green : red));
        EXPECT_TRUE(rgb_near(at(-5, 5), direction ? blue : white));
        EXPECT_TRUE(rgb_near(at(5, 5), direction ? white : blue));
        EXPECT_TRUE(rgb_near(at(-15, 10), {0, 0, 0}));
    }
}

// Seen along the fight axis, a flat quad is edge-on and all but vanishes; one that faces the
// camera still shows its whole picture.
TEST_F(ProjectileDrawTest, ACameraFacingQuadTurnsToTheEye)
{
    const f32 eye[3] = {-80, 0, 10}, centre[3] = {0, 0, 10};
    for (int flat = 0; flat <= 1; flat++) {
        SCOPED_TRACE(flat);
        draw_gl_reset();
        draw_view_set(eye, centre, 1.0f);
        throw_at(0, PROJECTILE_STRAIGHT, 1, static_cast<u8>(flat));
        draw_projectiles();
        camera_view_load();
        // From -x the camera's right is -y: the picture's left half lies at +y.
        const f32 upper_left[3] = {0, 5, 15}, lower_right[3] = {0, -5, 5};
        EXPECT_TRUE(rgb_near(pixel_of(upper_left), flat ? Rgb{0, 0, 0} : Rgb{255, 0, 0}));
        EXPECT_TRUE(rgb_near(pixel_of(lower_right), flat ? Rgb{0, 0, 0} : Rgb{255, 255, 255}));
    }
}

// A rising projectile leans 45 degrees into its climb: its front end up, its back end down.
TEST_F(ProjectileDrawTest, ARisingQuadLeansIntoItsClimb)
{
    const Rgb black = {0, 0, 0};
    for (int direction = 0; direction <= 1; direction++) {
        SCOPED_TRACE(direction);
        draw_gl_reset();
        Projectile *proj = throw_at(0, PROJECTILE_RISING, static_cast<u8>(direction), 1);
        proj->size[2] = 1.0f;   // a thin bar along its flight
        draw_projectiles();
        camera_view_load();
        const f32 ahead = direction ? 5.0f : -5.0f;
        EXPECT_FALSE(rgb_near(at(ahead, 15), black));
        EXPECT_FALSE(rgb_near(at(-ahead, 5), black));
        EXPECT_TRUE(rgb_near(at(ahead, 5), black));
        EXPECT_TRUE(rgb_near(at(-ahead, 15), black));
    }
}

// Nothing in flight: nothing drawn, and the depth writes the frame relies on stay on.
TEST_F(ProjectileDrawTest, AProjectileThatEndedIsNotDrawn)
{
    throw_at(0, PROJECTILE_STRAIGHT, 1, 1);
    projectile_in_flight[0] = 0;
    draw_projectiles();
    camera_view_load();
    EXPECT_TRUE(rgb_near(at(-5, 15), {0, 0, 0}));
    GLboolean writes = GL_FALSE;
    glGetBooleanv(GL_DEPTH_WRITEMASK, &writes);
    EXPECT_EQ(writes, GL_TRUE);
}

class StoneSkinTest : public ProjectileDrawTest {
protected:
    Model *model = nullptr;
    Fighter fighter[2] = {};

    void SetUp() override
    {
        ProjectileDrawTest::SetUp();
        EmdModel source = {};
        facing_triangle(source, EMD_PLAIN, 0.0f, 0.0f, 10.0f, 8.0f);
        model = fixture_model(source);
        ASSERT_NE(model, nullptr);
        // Each side's stone picture sits in slot 3 of the other side's set.
        projectile_textures[3] = colour.grey;
        projectile_textures[PROJECTILE_TEXTURES_PER_SLOT + 3] = colour.grey;
        for (int p = 0; p < 2; p++) {
            fighter[p].side = p;
            fighter[p].action = ACTION_PETRIFIED;
            effect_skin_blink[p] = 0;
        }
    }
    void TearDown() override
    {
        model_free(model);
        ProjectileDrawTest::TearDown();
    }

    // Draws side p as the frame does; true when it came out black.
    bool drawn_black(int p)
    {
        draw_gl_reset();
        draw_flat_light(&light, 1.0f);
        draw_fighter_effect_skin(model, &fighter[p], 1 - p);
        camera_view_load();
        const Rgb got = at(0, 8);
        EXPECT_TRUE(rgb_near(got, {0, 0, 0}) || rgb_near(got, {128, 128, 128}, 8))
            << got.r << " " << got.g << " " << got.b;
        return rgb_near(got, {0, 0, 0});
    }
};

TEST_F(StoneSkinTest, BlackOneFrameInThreeOnlyInTheLastSecondAndNotWhilePaused)
{
    fighter[0].effect_timer = 60;
    for (int frame = 0; frame < 4; frame++)
        EXPECT_FALSE(drawn_black(0)) << frame;
    EXPECT_EQ(effect_skin_blink[0], 0);

    fighter[0].effect_timer = 59;
    fighter[1].effect_timer = 59;
    const bool side_one[6] = {true, false, false, true, false, false};
    for (int frame = 0; frame < 6; frame++)
        EXPECT_EQ(drawn_black(0), side_one[frame]) << frame;
    // Side two's counter did not move with side one's.
    EXPECT_TRUE(drawn_black(1));

    paused = 1;
    for (int frame = 0; frame < 3; frame++)
        EXPECT_FALSE(drawn_black(0)) << frame;
    paused = 0;
    EXPECT_TRUE(drawn_black(0));
    GLboolean lit = glIsEnabled(GL_LIGHTING);
    EXPECT_EQ(lit, GL_TRUE);
}
