// Model drawing in real GL: a posed figure where the pose puts it, skins by side, the lit
// skin doubled under combine, reflections, the wound overlay, and the held-back triangles.
#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>

class ModelDrawTest : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_EQ(masked_polys_alloc(), 1);
        masked_count = 0;
        // Side one's torso blue, side two's green, every other skin red.
        for (u32 &entry : skins)
            entry = colour.red;
        skins[0] = colour.blue;
        skins[SKIN_SLOT_SIZE] = colour.green;
        skin = {skins, 14, 0, 0, 0};
    }
    void TearDown() override { masked_polys_free(); }

    Rgb pixel_of_vertex(const Model *model, int vertex) { return pixel_of(model->pos[vertex]); }

    u32 skins[14];
    ModelSkin skin;
    StageLight light;
    ModelPlacement at_origin = {};
};

// Full-level light: lit colour 1, so a pixel shows its texture as it is.
TEST_F(ModelDrawTest, APosedFigureStandsWhereThePosePutsIt)
{
    EmdSurface arm = fixture_surface(0, 0, 1);
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
    EmdSurface arm = fixture_surface(0, 0, 1);
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
    skins[0] = colour.white;
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
    EmdSurface shiny = fixture_surface(0, 1);
    EmdModel source = {};
    facing_triangle(source, shiny, 0, 0, 10, 8);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = colour.red;
    skin.reflection = colour.blue;
    struct Case {
        bool multitexture, env_add;
        u32 wound;
        Rgb expected;
    };
    const Case cases[] = {
        {true, true, 0, {255, 0, 255}},          // the sphere map added
        {true, false, 0, {255, 0, 0}},           // no env-add: no reflection
        {false, true, 0, {255, 0, 0}},           // no second unit: no reflection
        {true, true, colour.white, {255, 0, 0}},        // wounded: the blood picture, no reflection
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
    EmdSurface cut_out = fixture_surface(2, 0);   // alpha-tested, drawn at once
    facing_triangle(source, cut_out, 8, 0, 10, 6);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = colour.white;
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
    EmdSurface cut_out = fixture_surface(2, 5);
    facing_triangle(source, cut_out, -8, 0, 10, 6);
    EmdSurface held = fixture_surface(2, 1);
    facing_triangle(source, held, 8, 0, 10, 6);
    EmdSurface blended = fixture_surface(4, 0);
    facing_triangle(source, blended, 0, 0, 20, 3);
    EmdSurface never = fixture_surface(6, 0);
    facing_triangle(source, never, 0, 0, 0, 3);
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = colour.half_red;   // alpha 0.5: kept by the alpha test
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    ASSERT_EQ(masked_count, 2);
    EXPECT_EQ(masked_queue[0].queue_kind, 0);
    EXPECT_EQ(masked_queue[0].surface_kind, 1);
    EXPECT_EQ(masked_queue[1].queue_kind, 1);
    EXPECT_EQ(masked_queue[1].texture, colour.half_red);
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
    EmdSurface far_index = fixture_surface(0, 0, 40);
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
    EmdSurface held = fixture_surface(2, 1);
    EmdSurface held_green = fixture_surface(2, 1, 2);
    EmdModel source = {};
    facing_triangle(source, held_green, 0, 0, 10, 8);   // near, queued first
    facing_triangle(source, held, 0, 20, 10, 12);       // far, queued last
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = colour.half_red;
    skins[2] = colour.half_green;
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
    EmdSurface held = fixture_surface(2, 1);   // queue kind 0: writes depth
    EmdSurface blended = fixture_surface(4, 0, 2);   // queue kind 1: no depth writes
    EmdModel source = {};
    facing_triangle(source, held, 0, 0.04f, 10, 8);      // a hair farther, queued first: drawn last
    facing_triangle(source, blended, 0, 0.0f, 10, 8);    // same bucket, queued last: drawn first
    Model *model = fixture_model(source);
    ASSERT_NE(model, nullptr);
    skins[0] = colour.half_red;
    skins[2] = colour.half_green;
    // Close up, where the 16-bit depth buffer tells the two planes apart.
    draw_view.eye[1] = -10.0f;
    draw_flat_light(&light, 1.0f);
    model_draw(&at_origin, model, &skin, &light);
    masked_polys_draw(&light);
    Rgb got = pixel_at(320, 240);
    EXPECT_TRUE(rgb_near(got, {128, 64, 0}, 6)) << got.r << ", " << got.g << ", " << got.b;
    model_free(model);
}
