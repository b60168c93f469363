// Model drawing in real GL: a posed figure where the pose puts it, skins by side, the lit
// skin doubled under combine, reflections, the wound overlay, and the held-back triangles.
#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>

class ModelDrawTest : public GlTest {
protected:
    void SetUp() override
    {
        GlTest::SetUp();
        draw_caps_set(true, 2, true);
        draw_gl_reset();
        draw_camera_front();
        ASSERT_EQ(masked_polys_alloc(), 1);
        masked_count = 0;
        if (!red)
            make_textures();
        for (u32 k = 0; k < 14; k++)
            skins[k] = k < SKIN_SLOT_SIZE ? (k == 0 ? blue : red) : (k == SKIN_SLOT_SIZE ? green : red);
        skin = {skins, 14, 0, 0, 0};
    }
    void TearDown() override { masked_polys_free(); }

    static void make_textures()
    {
        red = solid_texture(255, 0, 0);
        green = solid_texture(0, 255, 0);
        blue = solid_texture(0, 0, 255);
        white = solid_texture(255, 255, 255);
        half_red = solid_texture(255, 0, 0, 128);
        half_green = solid_texture(0, 255, 0, 128);
    }

    Rgb pixel_of(const f32 p[3])
    {
        int x, y;
        world_to_pixel(p, &x, &y);
        return pixel_at(x, y);
    }

    Rgb pixel_of_vertex(const Model *model, int vertex) { return pixel_of(model->pos[vertex]); }

    static u32 red, green, blue, white, half_red, half_green;
    u32 skins[14];
    ModelSkin skin;
    StageLight light;
    ModelPlacement at_origin = {};
};

u32 ModelDrawTest::red, ModelDrawTest::green, ModelDrawTest::blue, ModelDrawTest::white;
u32 ModelDrawTest::half_red, ModelDrawTest::half_green;

// Full-level light: lit colour 1, so a pixel shows its texture as it is.
TEST_F(ModelDrawTest, APosedFigureStandsWhereThePosePutsIt)
{
    EmdSurface arm = EMD_PLAIN;
    arm.texture_index = 1;
    PosedFigure figure;
    ASSERT_TRUE(posed_figure_build(&figure, arm));
    for (int multitexture = 0; multitexture <= 1; multitexture++)
        for (int combine = 0; combine <= 2; combine += 2) {
            draw_caps_set(multitexture, combine, multitexture);
            draw_gl_reset();
            draw_flat_light(&light, combine ? 0.5f : 1.0f);
            model_draw(&at_origin, figure.model, &skin, &light);
            SCOPED_TRACE(testing::Message() << "multitexture " << multitexture << " combine " << combine);
            EXPECT_TRUE(rgb_near(pixel_of_vertex(figure.model, figure.torso_marker), {0, 0, 255}));
            // The arm turned away from its rest place: red where the pose put it, black where
            // it stood before.
            const f32 *arm = figure.model->pos[figure.arm_marker];
            f32 dx = arm[0] - figure.arm_rest[0], dz = arm[2] - figure.arm_rest[2];
            EXPECT_GT(dx * dx + dz * dz, 25.0f);
            EXPECT_TRUE(rgb_near(pixel_of_vertex(figure.model, figure.arm_marker), {255, 0, 0}));
            EXPECT_TRUE(rgb_near(pixel_of(figure.arm_rest), {0, 0, 0}));
        }
    posed_figure_free(&figure);
}

TEST_F(ModelDrawTest, SideTwoDrawsFromTheSecondSkinSlotAndAPlacementMovesIt)
{
    EmdSurface arm = EMD_PLAIN;
    arm.texture_index = 1;
    PosedFigure figure;
    ASSERT_TRUE(posed_figure_build(&figure, arm));
    draw_flat_light(&light, 0.5f);
    skin.base = SKIN_SLOT_SIZE;
    ModelPlacement beside = {};
    beside.pos_x = 15.0f;
    model_draw(&beside, figure.model, &skin, &light);
    const f32 *torso = figure.model->pos[figure.torso_marker];
    const f32 moved[3] = {torso[0] + 15.0f, torso[1], torso[2]};
    EXPECT_TRUE(rgb_near(pixel_of(moved), {0, 255, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(torso), {0, 0, 0}));
    posed_figure_free(&figure);
}

TEST_F(ModelDrawTest, CombineDoublesTheLitSkinAndModulateDoesNot)
{
    EmdModel source = {};
    facing_triangle(source, EMD_PLAIN, 0, 0, 10, 8);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = white;
    struct Case {
        int combine;
        int level;   // expected grey
    };
    const Case cases[] = {{0, 102}, {1, 204}, {2, 204}};
    for (const Case &c : cases) {
        draw_caps_set(true, c.combine, true);
        draw_gl_reset();
        draw_flat_light(&light, 0.4f);
        model_draw(&at_origin, model, &skin, &light);
        EXPECT_TRUE(rgb_near(pixel_at(320, 240), {c.level, c.level, c.level})) << "combine " << c.combine;
    }
    model_free(model);
}

TEST_F(ModelDrawTest, ReflectionsNeedBothExtensionsAndAnUnwoundedFigure)
{
    EmdSurface shiny = EMD_PLAIN;
    shiny.surface_kind = 1;
    EmdModel source = {};
    facing_triangle(source, shiny, 0, 0, 10, 8);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = red;
    skin.reflection = blue;
    struct Case {
        bool multitexture, env_add;
        u32 wound;
        Rgb expected;
    };
    const Case cases[] = {
        {true, true, 0, {255, 0, 255}},          // the sphere map added
        {true, false, 0, {255, 0, 0}},           // no env-add: no reflection
        {false, true, 0, {255, 0, 0}},           // no second unit: no reflection
        {true, true, white, {255, 0, 0}},        // wounded: the blood picture, no reflection
    };
    for (const Case &c : cases) {
        draw_caps_set(c.multitexture, 0, c.env_add);
        draw_gl_reset();
        draw_flat_light(&light, 1.0f);
        skin.wound_overlay = c.wound;
        model_draw(&at_origin, model, &skin, &light);
        Rgb got = pixel_at(320, 240);
        EXPECT_TRUE(rgb_near(got, c.expected))
            << "multitexture " << c.multitexture << " env-add " << c.env_add << " wound " << c.wound << ": "
            << got.r << ", " << got.g << ", " << got.b;
    }
    model_free(model);
}

TEST_F(ModelDrawTest, TheWoundOverlayModulatesEveryTriangleDrawnAtOnce)
{
    EmdModel source = {};
    facing_triangle(source, EMD_PLAIN, -8, 0, 10, 6);
    EmdSurface cut_out = EMD_PLAIN;
    cut_out.pass = 2;   // alpha-tested, drawn at once
    facing_triangle(source, cut_out, 8, 0, 10, 6);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = white;
    skin.wound_overlay = solid_texture(255, 64, 0);
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    const f32 left[3] = {-8, 0, 10}, right[3] = {8, 0, 10};
    EXPECT_TRUE(rgb_near(pixel_of(left), {255, 64, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(right), {255, 64, 0}));
    // Without a second unit there is nothing to lay it on.
    draw_caps_set(false, 0, false);
    draw_gl_reset();
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    EXPECT_TRUE(rgb_near(pixel_of(left), {255, 255, 255}));
    model_free(model);
}

TEST_F(ModelDrawTest, AlphaTestedKindsAreCutOutAtOnceAndOtherKindsWaitInTheQueue)
{
    EmdModel source = {};
    EmdSurface cut_out = EMD_PLAIN;
    cut_out.pass = 2;
    cut_out.surface_kind = 5;
    facing_triangle(source, cut_out, -8, 0, 10, 6);
    EmdSurface held = cut_out;
    held.surface_kind = 1;
    facing_triangle(source, held, 8, 0, 10, 6);
    EmdSurface blended = EMD_PLAIN;
    blended.pass = 4;
    facing_triangle(source, blended, 0, 0, 20, 3);
    EmdSurface never = EMD_PLAIN;
    never.pass = 6;
    facing_triangle(source, never, 0, 0, 0, 3);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = half_red;   // alpha 0.5: kept by the alpha test
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    ASSERT_EQ(masked_count, 2);
    EXPECT_EQ(masked_queue[0].queue_kind, 0);
    EXPECT_EQ(masked_queue[0].surface_kind, 1);
    EXPECT_EQ(masked_queue[1].queue_kind, 1);
    EXPECT_EQ(masked_queue[1].texture, half_red);
    const f32 left[3] = {-8, 0, 10}, right[3] = {8, 0, 10}, bottom[3] = {0, 0, 0};
    EXPECT_TRUE(rgb_near(pixel_of(left), {255, 0, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(right), {0, 0, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(bottom), {0, 0, 0}));
    model_free(model);
}

TEST_F(ModelDrawTest, AModelWithoutPolygonsDrawsNothing)
{
    EmdModel source = {};
    emd_add_vertex(source, EMD_NO_BONE, {0, 0, 10});
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    ASSERT_EQ(model->polygon_count, 0);
    model_draw(&at_origin, model, &skin, &light);
    EXPECT_EQ(masked_count, 0);
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {0, 0, 0}));
    model_free(model);
}

TEST_F(ModelDrawTest, ASkinIndexPastTheTableBindsNoTexture)
{
    EmdSurface far_index = EMD_PLAIN;
    far_index.texture_index = 40;
    EmdModel source = {};
    facing_triangle(source, far_index, 0, 0, 10, 8);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    draw_caps_set(false, 0, false);
    draw_gl_reset();
    draw_flat_light(&light, 1.0f);
    glColor3f(1, 1, 1);
    model_draw(&at_origin, model, &skin, &light);
    // Texture 0 has no picture: the lit colour shows untextured.
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {255, 255, 255}));
    model_free(model);
}

// Half-transparent red behind half-transparent green, both held back with depth writes:
// far to near shows both; near to far would hide the red.
TEST_F(ModelDrawTest, HeldBackTrianglesBlendFarToNear)
{
    EmdSurface held = EMD_PLAIN;
    held.pass = 2;
    held.surface_kind = 1;
    EmdSurface held_green = held;
    held_green.texture_index = 2;
    EmdModel source = {};
    facing_triangle(source, held_green, 0, 0, 10, 8);   // near, queued first
    facing_triangle(source, held, 0, 20, 10, 12);       // far, queued last
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = half_red;
    skins[2] = half_green;
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    ASSERT_EQ(masked_count, 2);
    masked_polys_draw(&light);
    Rgb got = pixel_at(320, 240);
    EXPECT_TRUE(rgb_near(got, {64, 128, 0}, 6)) << got.r << ", " << got.g << ", " << got.b;
    model_free(model);
}

// Within one bucket the last queued is drawn first; a blended (no depth write) triangle drawn
// first does not hide a slightly farther one drawn after it.
TEST_F(ModelDrawTest, BlendedHeldBackTrianglesWriteNoDepth)
{
    EmdSurface held = EMD_PLAIN;
    held.pass = 2;
    held.surface_kind = 1;   // queue kind 0: writes depth
    EmdSurface blended = EMD_PLAIN;
    blended.pass = 4;        // queue kind 1: no depth writes
    blended.texture_index = 2;
    EmdModel source = {};
    facing_triangle(source, held, 0, 0.04f, 10, 8);      // a hair farther, queued first: drawn last
    facing_triangle(source, blended, 0, 0.0f, 10, 8);    // same bucket, queued last: drawn first
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = half_red;
    skins[2] = half_green;
    // Close up, where the 16-bit depth buffer tells the two planes apart.
    draw_view.eye[1] = -10.0f;
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    masked_polys_draw(&light);
    Rgb got = pixel_at(320, 240);
    EXPECT_TRUE(rgb_near(got, {128, 64, 0}, 6)) << got.r << ", " << got.g << ", " << got.b;
    model_free(model);
}
