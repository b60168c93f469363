// Arena drawing in real GL on a small test arena: lightmaps by capability, cut-outs, the
// arenas' extra passes, the glow silhouette, the sky panels, the sun and its flare, blobs.
#include "engine/engine.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"

#include <GL/gl.h>

class StageDrawTest : public DrawTest {
protected:
    void SetUp() override
    {
        DrawTest::SetUp();
        for (u32 &slot : textures)
            slot = colour.white;
        scene = {textures, STAGE_ATHENS, 0, 1.0f};
    }
    void TearDown() override { model_free(arena); }

    // A wall 50 units beyond the origin, facing the camera, filling the view.
    static void add_wall(EmdModel &source, const EmdSurface &surface)
    {
        int a = emd_add_vertex(source, EMD_NO_BONE, {-60, 50, -40});
        int b = emd_add_vertex(source, EMD_NO_BONE, {60, 50, -40});
        int c = emd_add_vertex(source, EMD_NO_BONE, {60, 50, 60});
        int d = emd_add_vertex(source, EMD_NO_BONE, {-60, 50, 60});
        emd_add_quad(source, surface, a, b, c, d);
    }

    void build(const EmdModel &source)
    {
        arena = fixture_model(source);
        ASSERT_NE(arena, nullptr);
    }

    // An arena of the wall alone.
    void build_wall(const EmdSurface &surface)
    {
        EmdModel source = {};
        add_wall(source, surface);
        build(source);
    }

    // Lighting off and the light level white, as the frame leaves it for the arena.
    void draw_arena()
    {
        glDisable(GL_LIGHTING);
        glColor4f(1, 1, 1, 1);
        stage_draw(arena, &scene);
        glDisable(GL_BLEND);
    }

    u32 textures[STAGE_TEXTURE_SLOTS];
    StageScene scene;
    Model *arena = nullptr;
};

TEST_F(StageDrawTest, LightmapsShadeTheArenaOnlyWithASecondUnit)
{
    build_wall(EMD_PLAIN);
    struct Case {
        bool multitexture;
        int combine;
        int expected;
    };
    const Case cases[] = {{true, 2, 255}, {true, 0, 128}, {false, 2, 255}};
    for (int stage = 0; stage < STAGE_COUNT; stage++) {
        for (u32 &slot : textures)
            slot = colour.white;
        textures[stage_lightmap_base(stage)] = colour.grey;   // lightmap 0 of this arena
        scene.stage_id = stage;
        for (const Case &c : cases) {
            draw_caps_set(c.multitexture, c.combine, true);
            draw_gl_reset();
            draw_arena();
            EXPECT_TRUE(rgb_near(pixel_at(320, 240), {c.expected, c.expected, c.expected}))
                << "stage " << stage << " multitexture " << c.multitexture << " combine " << c.combine;
        }
    }
}

TEST_F(StageDrawTest, CutOutsAreAlphaTestedAndOtherHeldBackKindsNeverDrawn)
{
    EmdModel source = {};
    add_wall(source, EMD_PLAIN);
    EmdSurface cut_out = fixture_surface(2, 0, 1);   // fully transparent: cut away
    facing_triangle(source, cut_out, -10, 0, 10, 5);
    EmdSurface solid_cut_out = fixture_surface(2, 0, 2);   // opaque: kept
    facing_triangle(source, solid_cut_out, 10, 0, 10, 5);
    EmdSurface held = fixture_surface(2, 1, 2);
    facing_triangle(source, held, 0, 0, 0, 3);
    EmdSurface blended = fixture_surface(4, 0, 2);
    facing_triangle(source, blended, 0, 0, 20, 3);
    build(source);
    textures[0] = colour.grey;
    textures[1] = colour.clear;
    textures[2] = colour.red;
    draw_caps_set(false, 0, false);
    draw_gl_reset();
    draw_arena();
    const f32 left[3] = {-10, 0, 10}, right[3] = {10, 0, 10}, low[3] = {0, 0, 0}, high[3] = {0, 0, 20};
    EXPECT_TRUE(rgb_near(pixel_of(left), {128, 128, 128}));
    EXPECT_TRUE(rgb_near(pixel_of(right), {255, 0, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(low), {128, 128, 128}));
    EXPECT_TRUE(rgb_near(pixel_of(high), {128, 128, 128}));
}

// An index past the arena's table binds no texture rather than reading past it.
TEST_F(StageDrawTest, TextureAndLightmapIndicesPastTheTableBindNoTexture)
{
    EmdSurface far_index = fixture_surface(0, 0, 40);
    far_index.lightmap_index = 40;
    build_wall(far_index);
    for (u32 &slot : textures)
        slot = colour.red;
    draw_arena();
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {255, 255, 255}));
}

// Athens 2's floor: its unlit polygons again, half-transparent, over a black first pass.
TEST_F(StageDrawTest, TheAthens2FloorNeedsASecondUnitAndStepsAsideForASummon)
{
    EmdSurface floor = fixture_surface(0, 2);
    build_wall(floor);
    textures[0] = colour.black;
    textures[STAGE_SLOT_FLOOR_SPHERE] = colour.black;
    textures[STAGE_SLOT_FLOOR] = colour.half_white;
    scene.stage_id = STAGE_ATHENS2;
    struct Case {
        bool multitexture;
        i32 summon_phase;
        int expected;
    };
    const Case cases[] = {{true, 0, 128}, {true, 1, 128}, {true, SUMMON_EFFECT_PHASE, 0}, {false, 0, 0}};
    for (const Case &c : cases) {
        draw_caps_set(c.multitexture, 0, true);
        draw_gl_reset();
        scene.summon_phase = c.summon_phase;
        draw_arena();
        EXPECT_TRUE(rgb_near(pixel_at(320, 240), {c.expected, c.expected, c.expected}))
            << "multitexture " << c.multitexture << " summon " << c.summon_phase;
    }
    // Another arena has no such floor.
    scene.stage_id = STAGE_ATHENS;
    scene.summon_phase = 0;
    draw_caps_set(true, 0, true);
    draw_gl_reset();
    draw_arena();
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {0, 0, 0}));
}

TEST_F(StageDrawTest, TheLabyrinthAddsItsBlendedWaterWithASecondUnit)
{
    EmdModel source = {};
    add_wall(source, EMD_PLAIN);
    EmdSurface water = fixture_surface(4, 0, 1);
    facing_triangle(source, water, 0, 0, 10, 8);
    build(source);
    textures[0] = colour.grey;
    textures[1] = colour.grey;
    scene.stage_id = STAGE_LABYRINTH;
    struct Case {
        bool multitexture;
        i32 summon_phase;
        int expected;
    };
    // (one, one minus source colour): 128 + 128 x (1 - 0.5).
    const Case cases[] = {{true, 0, 192}, {true, SUMMON_EFFECT_PHASE, 128}, {false, 0, 128}};
    for (const Case &c : cases) {
        draw_caps_set(c.multitexture, 2, true);
        draw_gl_reset();
        scene.summon_phase = c.summon_phase;
        textures[stage_lightmap_base(STAGE_LABYRINTH)] = colour.grey;   // x 2 under combine: no change
        stage_scroll_u = stage_scroll_v = 0.0f;
        draw_arena();
        EXPECT_TRUE(rgb_near(pixel_at(320, 240), {c.expected, c.expected, c.expected}))
            << "multitexture " << c.multitexture << " summon " << c.summon_phase;
        // The offsets advance whether or not the extra pass ran.
        EXPECT_FLOAT_EQ(stage_scroll_u, 0.00125f);
    }
}

TEST_F(StageDrawTest, TheGlowPassIsABlackSilhouetteThatKeepsItsCutOuts)
{
    build_wall(EMD_PLAIN);
    EmdModel front = {};
    EmdSurface cut_out = fixture_surface(2, 0, 1);
    facing_triangle(front, cut_out, 0, 0, 10, 8);
    Model *screen = fixture_model(front);
    ASSERT_NE(screen, nullptr);
    textures[0] = colour.red;
    textures[1] = colour.clear;
    // Red behind the arena's wall first: the silhouette must hide it.
    glColor3f(1, 0, 0);
    camera_view_load();
    glBegin(GL_QUADS);
    glVertex3f(-60, 80, -40);
    glVertex3f(60, 80, -40);
    glVertex3f(60, 80, 60);
    glVertex3f(-60, 80, 60);
    glEnd();
    glDisable(GL_LIGHTING);
    glColor3f(0, 0, 0);
    stage_draw_glow_pass(arena, &scene);
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {0, 0, 0}));
    // A cut-out in front leaves what lies behind it alone.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT);
    stage_draw_glow_pass(screen, &scene);
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {0, 0, 255}));
    model_free(screen);
}

TEST_F(StageDrawTest, TheSkyShowsItsCentrePanelAheadAndDimsDuringASummon)
{
    u32 panels[3] = {solid_texture(0, 0, 200), solid_texture(200, 0, 0), solid_texture(0, 200, 0)};
    struct Case {
        i32 stage;
        u32 first_slot;
        i32 summon_phase;
        f32 fade;
        int expected_blue;
    };
    const Case cases[] = {
        {STAGE_ATHENS, STAGE_SLOT_SKY, 0, 1.0f, 200},
        {STAGE_TROY, STAGE_SLOT_SKY + 1, 0, 1.0f, 200},
        {STAGE_ATHENS, STAGE_SLOT_SKY, 1, 0.5f, 50},   // 0.5 x fade 0.5 of the picture
    };
    for (const Case &c : cases) {
        for (u32 &slot : textures)
            slot = colour.white;
        for (int k = 0; k < 3; k++)
            textures[c.first_slot + k] = panels[k];
        scene = {textures, c.stage, c.summon_phase, c.fade};
        draw_gl_reset();
        glEnable(GL_TEXTURE_2D);
        sky_panorama_draw(&scene);
        EXPECT_TRUE(rgb_near(pixel_at(320, 240), {0, 0, c.expected_blue})) << "stage " << c.stage;
        // Looking to the right slides the right-hand panel into view.
        draw_view.centre[0] = 80.0f;
        draw_gl_reset();
        glEnable(GL_TEXTURE_2D);
        sky_panorama_draw(&scene);
        Rgb right = pixel_at(320, 240);
        EXPECT_GT(right.g, 0) << "stage " << c.stage;
        draw_camera_front();
    }
}

TEST_F(StageDrawTest, TheEyeOnTheCentreStillDrawsTheSky)
{
    textures[STAGE_SLOT_SKY] = colour.red;
    draw_view.centre[1] = draw_view.eye[1];
    draw_view.centre[2] = draw_view.eye[2];
    glEnable(GL_TEXTURE_2D);
    sky_panorama_draw(&scene);
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {255, 0, 0}));
}

TEST_F(StageDrawTest, TheFlareShowsThroughTheWallThatHidesTheSun)
{
    build_wall(EMD_PLAIN);
    textures[0] = colour.grey;
    textures[STAGE_SLOT_SUN] = colour.white;
    textures[STAGE_SLOT_FLARE] = colour.grey;
    draw_caps_set(true, 0, true);
    draw_gl_reset();
    draw_arena();
    glEnable(GL_BLEND);
    sun_draw(&scene, 0, 100, 10, 20, 1);   // behind the wall
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {128, 128, 128}));
    sun_flare_draw(&scene, 0, 100, 10, 20, 1);
    // 128 + 128 x (1 - 0.5)
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {192, 192, 192}));
    GLint depth_function = 0;
    glGetIntegerv(GL_DEPTH_FUNC, &depth_function);
    EXPECT_EQ(depth_function, GL_ALWAYS);
    // In front of the wall the disc shows, faded with the scene at full brightness.
    draw_gl_reset();
    draw_arena();
    glEnable(GL_BLEND);
    scene.summon_fade_level = 0.5f;
    sun_draw(&scene, 0, 0, 10, 20, 1);
    EXPECT_TRUE(rgb_near(pixel_at(320, 240), {192, 192, 192}));   // 128 + 128 x (1 - 0.5)
}

TEST_F(StageDrawTest, ABlobLiesUnderItsFighter)
{
    draw_view.eye[0] = 0;
    draw_view.eye[1] = -30;
    draw_view.eye[2] = 100;
    draw_view.centre[0] = draw_view.centre[1] = draw_view.centre[2] = 0;
    glEnable(GL_TEXTURE_2D);
    glBindTexture(GL_TEXTURE_2D, colour.red);
    blob_shadow_draw(20, 0);
    const f32 under[3] = {20, 0, 0.2f}, beside[3] = {-20, 0, 0.2f};
    EXPECT_TRUE(rgb_near(pixel_of(under), {255, 0, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(beside), {0, 0, 0}));
}
