// The frame drawer in real GL: the fight scene's passes on a test arena with a posed figure,
// the biography scene, and the fade quad over any state.
#include "arenas/arenas.h"
#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/draw_fixtures.h"
#include "support/gl_context.h"
#include "support/model_fixtures.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <allegro.h>
#include <cstring>
#include <vector>

class FrameTest : public GlTest {
protected:
    // The projected shadows fill their pictures with the game library's triangle filler.
    static void SetUpTestSuite() { test_maths_setup(); }
    void SetUp() override
    {
        GlTest::SetUp();
        draw_caps_set(true, 2, true);
        draw_gl_reset();
        draw_glow_setup();
        screen_width = 640;
        screen_height = 480;
        ASSERT_EQ(masked_polys_alloc(), 1);
        EmdSurface arm = fixture_surface(4, 0, 1);   // held back and blended over the arena
        ASSERT_TRUE(posed_figure_build(&figure, arm));
        build_arena();
        scene_reset();
    }
    void TearDown() override
    {
        posed_figure_free(&figure);
        model_free(arena);
        fighter_models[0] = fighter_models[1] = nullptr;
        stage_model = nullptr;
        stage_light = nullptr;
        masked_polys_free();
        game_state = STATE_EXIT_SCREEN;
        fade_mode = FADE_NONE;
        glow_effect = 0;
        free_camera = 0;
        summon_phase = SUMMON_NONE;
    }

    // A wall 50 units beyond the fighters up to height 20, with the sky above it, and the
    // floor they stand on (a hair below their feet, as the built arenas lay it).
    void build_arena()
    {
        EmdModel source = {};
        int a = emd_add_vertex(source, EMD_NO_BONE, {-60, 50, 0});
        int b = emd_add_vertex(source, EMD_NO_BONE, {60, 50, 0});
        int c = emd_add_vertex(source, EMD_NO_BONE, {60, 50, 20});
        int d = emd_add_vertex(source, EMD_NO_BONE, {-60, 50, 20});
        emd_add_quad(source, EMD_PLAIN, a, b, c, d);
        EmdSurface floor = fixture_surface(0, 0, 1);
        emd_add_floor(source, EMD_NO_BONE, floor, {0, 5, ARENA_FLOOR_Z}, 60, 45, 4);
        arena = fixture_model(source);
        ASSERT_NE(arena, nullptr);
    }

    // Athens, no summon, no glow, blob shadows; side one's figure at the origin facing the
    // camera, side two far out of view.
    void scene_reset()
    {
        game_state = STATE_FIGHT;
        fade_mode = FADE_NONE;
        free_camera = 1;   // the scene alone: no HUD or fight texts over it
        glow_effect = 0;
        shadow_quality = 0;
        summon_phase = SUMMON_NONE;
        summon_fade_level = 1.0f;
        stage_id = STAGE_ATHENS;
        const Palette &p = palette();
        for (u32 &slot : stage_textures)
            slot = p.grey;   // lightmaps of grey, doubled under combine: no change
        stage_textures[0] = solid_texture(0, 160, 0);     // the wall
        stage_textures[1] = solid_texture(160, 160, 160);   // the floor
        for (u32 k = 0; k < 4; k++)
            stage_textures[STAGE_SLOT_SKY + k] = solid_texture(0, 0, 200);
        for (u32 &skin : skin_textures)
            skin = p.blue;
        skin_textures[1] = p.half_red;
        tex_blob_shadow = p.white;
        wound_level[0] = wound_level[1] = 0;
        fighters[0] = {};
        fighters[1] = {};
        fighters[1].pos_x = 500.0f;
        fighter_models[0] = figure.model;
        fighter_models[1] = nullptr;
        stage_model = arena;
        draw_flat_light(&light, 0.5f);
        stage_light = &light;
        const f32 eye[3] = {0, -80, 10}, centre[3] = {0, 0, 10};
        for (int axis = 0; axis < 3; axis++) {
            camera_eye[axis] = eye[axis];
            camera_centre[axis] = centre[axis];
        }
        camera_up_z = 1.0f;
    }

    Rgb torso() { return pixel_of(figure.model->pos[figure.torso_marker]); }
    Rgb arm() { return pixel_of(figure.model->pos[figure.arm_marker]); }
    Rgb wall() { const f32 p[3] = {40, 50, 15}; return pixel_of(p); }
    Rgb sky() { return pixel_at(320, 440); }

    PosedFigure figure;
    Model *arena = nullptr;
    StageLight light;
};

TEST_F(FrameTest, AFightFrameDrawsFighterArenaSkyAndHeldBackPolygonsInOrder)
{
    draw_frame();
    EXPECT_TRUE(rgb_near(torso(), {0, 0, 255}));
    EXPECT_TRUE(rgb_near(wall(), {0, 160, 0}));
    EXPECT_TRUE(rgb_near(sky(), {0, 0, 200}));
    // The arm is held back: blended over the finished arena, not hidden by it. The queue
    // draws without culling, so the arm box's back and front both lay half their red on.
    Rgb got = arm();
    EXPECT_TRUE(rgb_near(got, {191, 40, 0}, 6)) << got.r << ", " << got.g << ", " << got.b;
}

TEST_F(FrameTest, BlobShadowsDarkenTheFloorUnderEachFighterOnlyWithSimpleShadows)
{
    const f32 under[3] = {0, -8, 0}, aside[3] = {30, -8, 0};
    draw_frame();
    EXPECT_TRUE(rgb_near(pixel_of(under), {0, 0, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(aside), {160, 160, 160}));
    shadow_quality = 1;
    draw_frame();
    EXPECT_FALSE(rgb_near(pixel_of(under), {0, 0, 0}, 30));   // no blob with High
}

// Athens' light comes from the front left and above: the figure's shadow falls on the floor
// behind it and to its right, in a quarter of the floor's light; none falls in front of it.
TEST_F(FrameTest, HighShadowsThrowTheFiguresShapeOntoTheFloorBehindIt)
{
    shadow_quality = 1;
    const f32 eye[3] = {0, -60, 60}, centre[3] = {0, 10, 0};
    for (int axis = 0; axis < 3; axis++) {
        camera_eye[axis] = eye[axis];
        camera_centre[axis] = centre[axis];
    }
    draw_frame();
    const f32 behind[3] = {6, 12, 0}, in_front[3] = {-3, -12, 0}, far_aside[3] = {-40, 30, 0};
    Rgb shade = pixel_of(behind);
    EXPECT_TRUE(rgb_near(shade, {40, 40, 40}, 12)) << shade.r << ", " << shade.g << ", " << shade.b;
    EXPECT_TRUE(rgb_near(pixel_of(in_front), {160, 160, 160}));
    EXPECT_TRUE(rgb_near(pixel_of(far_aside), {160, 160, 160}));
}

TEST_F(FrameTest, DuringTheSummonsEffectOnlyTheFightersAreDrawn)
{
    summon_phase = SUMMON_EFFECT;
    draw_frame();
    EXPECT_TRUE(rgb_near(torso(), {0, 0, 255}));
    EXPECT_TRUE(rgb_near(wall(), {0, 0, 0}));
    EXPECT_TRUE(rgb_near(sky(), {0, 0, 0}));
}

TEST_F(FrameTest, TheSkyIsNotDrawnOnTheLabyrinthOrTheTemple)
{
    const i32 no_sky[] = {STAGE_LABYRINTH, STAGE_TEMPLE};
    for (i32 stage : no_sky) {
        stage_id = stage;
        glDisable(GL_FOG);
        glFogf(GL_FOG_DENSITY, 0.0f);   // the Labyrinth's fog, kept from tinting the test
        draw_frame();
        EXPECT_TRUE(rgb_near(sky(), {0, 0, 0})) << "stage " << stage;
        EXPECT_TRUE(rgb_near(wall(), {0, 160, 0})) << "stage " << stage;
    }
}

TEST_F(FrameTest, TheGlowBrightensTheFightersLightParts)
{
    skin_textures[0] = solid_texture(200, 200, 200);
    draw_frame();
    Rgb plain = torso();
    glow_effect = 1;
    draw_frame();
    Rgb glowing = torso();
    EXPECT_NEAR(plain.r, 200, 4);
    EXPECT_GT(glowing.r, plain.r + 10);
    // The wall stays as it was: the pre-pass drew it black.
    EXPECT_TRUE(rgb_near(wall(), {0, 160, 0}, 6));
}

// The glow's pre-pass clears only its corner: the full view's clear covers the rest, so a
// frame drawn over any picture is the same frame.
TEST_F(FrameTest, AGlowingFrameKeepsNothingOfThePictureBeforeIt)
{
    skin_textures[0] = solid_texture(200, 200, 200);
    glow_effect = 1;
    std::vector<u8> frames[2];
    const f32 before[2][3] = {{1.0f, 0.0f, 1.0f}, {0.0f, 1.0f, 0.2f}};
    GLfloat clear_colour[4];
    glGetFloatv(GL_COLOR_CLEAR_VALUE, clear_colour);
    for (int k = 0; k < 2; k++) {
        glClearColor(before[k][0], before[k][1], before[k][2], 1.0f);
        glClearDepth(k == 0 ? 0.0 : 1.0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        // The frame clears with the game's own colour and depth.
        glClearColor(clear_colour[0], clear_colour[1], clear_colour[2], clear_colour[3]);
        glClearDepth(1.0);
        draw_frame();
        frames[k] = window_pixels();
    }
    size_t differ = 0;
    for (size_t i = 0; i < frames[0].size(); i += 4)
        differ += memcmp(&frames[0][i], &frames[1][i], 3) != 0;
    EXPECT_EQ(differ, 0u);
    EXPECT_TRUE(rgb_near(wall(), {0, 160, 0}, 6));
}

TEST_F(FrameTest, TheBiographyShowsSlotZerosFigureAlone)
{
    game_state = STATE_BIOGRAPHY;
    glClearColor(0, 0, 0, 1);
    draw_frame();
    EXPECT_TRUE(rgb_near(torso(), {0, 0, 255}));
    EXPECT_TRUE(rgb_near(wall(), {0, 0, 0}));
    // Its held-back arm blends over the cleared view, back face and front face.
    Rgb got = arm();
    EXPECT_TRUE(rgb_near(got, {191, 0, 0}, 6)) << got.r << ", " << got.g << ", " << got.b;
}

// A state that draws nothing of its own keeps the picture, so only the fade acts on it.
TEST_F(FrameTest, TheFadeQuadDarkensTheFrameByTheFadeLevel)
{
    game_state = STATE_ROUND_START;   // a one-tick state with no scene of its own
    struct Case {
        i32 mode;
        f32 level;
        int expected;
    };
    const Case cases[] = {
        {FADE_NONE, 0.5f, 255},   // no fade running: nothing laid over
        {FADE_OUT, 0.0f, 255},
        {FADE_OUT, 0.25f, 191},
        {FADE_IN, 0.5f, 128},
        {FADE_OUT, 1.0f, 0},
    };
    for (const Case &c : cases) {
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        fade_mode = c.mode;
        fade_level = c.level;
        fade_colour = 0.0f;
        draw_frame();
        EXPECT_TRUE(rgb_near(pixel_at(5, 5), {c.expected, c.expected, c.expected}, 2))
            << "mode " << c.mode << " level " << c.level;
        EXPECT_TRUE(rgb_near(pixel_at(635, 475), {c.expected, c.expected, c.expected}, 2));
    }
}

// Every effect at once on the rainy arena with blood on: no GL error, the particles among the
// scenery, and the hit flash over all of it.
TEST_F(FrameTest, AFightFrameWithEveryEffectShowsThemAll)
{
    const Palette &p = palette();
    tex_misc = p.white;
    tex_hit = solid_texture(255, 0, 0);
    tex_hit2 = tex_guard = p.black;
    for (u32 &t : projectile_textures)
        t = p.white;
    stage_id = STAGE_ATHENS2;
    glFogf(GL_FOG_DENSITY, 0.0f);
    blood = 1;
    fx_rain(rain_particles, FX_INIT);
    fx_rain_splashes(rain_splash_particles, FX_INIT);
    const f32 aura_at[3] = {-30, 0, 15}, blood_at[3] = {30, 0, 8}, burst_at[3] = {20, 0, 25};
    for (int side = 0; side < 2; side++) {
        fighters[side].aura = AURA_EMITTING;
        Particle *aura = side == 0 ? aura_particles : aura_particles_side2;
        aura[0] = Particle{};
        aura[0].x = aura_at[0] + 10.0f * side;
        aura[0].z = aura_at[2];
        aura[0].life = 90.0f;
        burst_particles[side][0].tint[0] = 1.0f;
        fx_large_burst(burst_particles[side], FX_INIT, burst_at[0], 0.0f, burst_at[2]);
        fx_blood_burst(blood_particles[side], FX_INIT, blood_at[0], 0.0f, blood_at[2]);
        projectile_trail_particles[side][0].life = 60.0f;
        projectile_trail_particles[side][0].x = -10.0f;
        projectile_trail_particles[side][0].z = 12.0f;
    }
    fx_small_burst(spark_particles, FX_INIT, 10.0f, 0.0f, 5.0f);
    blood_stain_particles[0].life = 1.0f;
    fighters[1].hit_recoil = 1;
    fighters[1].hit_flash = 30;
    fighters[1].hit_x = -20.0f;
    fighters[1].hit_z = 5.0f;
    while (glGetError() != GL_NO_ERROR) {
    }
    draw_frame();
    EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
    const f32 flash_at[3] = {-20, 0, 5}, trail_at[3] = {-10, 0, 12};
    EXPECT_TRUE(rgb_near(pixel_of(flash_at), {255, 160, 0}, 8)) << "the hit flash's red over the green wall";
    EXPECT_GT(pixel_of(aura_at).r, 200) << "the aura's grey over the wall";
    EXPECT_GT(pixel_of(trail_at).b, 100) << "the trail's blue over the wall";

    blood = 0;
    memset(aura_particles, 0, sizeof aura_particles);
    memset(aura_particles_side2, 0, sizeof aura_particles_side2);
    memset(burst_particles, 0, sizeof burst_particles);
    memset(blood_particles, 0, sizeof blood_particles);
    memset(projectile_trail_particles, 0, sizeof projectile_trail_particles);
    memset(spark_particles, 0, sizeof spark_particles);
    memset(blood_stain_particles, 0, sizeof blood_stain_particles);
}

// Crete's flare shows over whatever stands before the sun, unless an arena triangle lies on the
// line from the eye to the sun.
TEST_F(FrameTest, CretesFlareShowsOnlyWhenNothingStandsBetweenTheEyeAndTheSun)
{
    stage_id = STAGE_CRETE;
    stage_textures[STAGE_SLOT_SUN] = palette().black;
    stage_textures[STAGE_SLOT_FLARE] = palette().white;
    fighter_models[0] = nullptr;   // the figure out of the way
    const f32 sun[3] = {150, 348, 110};
    struct Case {
        f32 eye[3];
        i32 state;
        bool flare;
    };
    const Case cases[] = {
        {{40, 60, 5}, STATE_FIGHT, true},         // in front of the wall: a clear line
        {{40, 40, 5}, STATE_FIGHT, false},        // behind it: the wall crosses the line
        {{40, 60, 5}, STATE_MATCH_OVER, false},   // never once the match is decided
    };
    for (const Case &c : cases) {
        game_state = c.state;
        for (int axis = 0; axis < 3; axis++) {
            camera_eye[axis] = c.eye[axis];
            camera_centre[axis] = sun[axis];
        }
        draw_frame();
        Rgb centre = pixel_at(GL_TEST_WIDTH / 2, GL_TEST_HEIGHT / 2);
        EXPECT_EQ(centre.r > 200 && centre.g > 200, c.flare)
            << c.eye[1] << " state " << c.state << ": " << centre.r << ", " << centre.g << ", " << centre.b;
    }
}

// A ribbon between two edges drawn additively in the fighter's placement: the newest end takes
// the texture's u = 1 side, the oldest its u = 0 side.
TEST_F(FrameTest, ABladeTrailRibbonRunsFromTheNewestSampleToTheOldest)
{
    // Two texels: u < 0.5 black, u >= 0.5 red.
    GLuint texture = 0;
    const u8 texels[8] = {0, 0, 0, 255, 255, 0, 0, 255};
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 2, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    // Samples 0 (newest) at x = -16 to 8 (oldest) at x = 16, the edges at heights 5 and 15.
    for (int i = 0; i < BLADE_TRAIL_SAMPLES; i++) {
        f32 x = -16.0f + 4.0f * static_cast<f32>(i);
        const f32 a[3] = {x, 0, 5}, b[3] = {x, 0, 15};
        for (int axis = 0; axis < 3; axis++) {
            blade_trail.trail_edge_a[0][i][axis] = a[axis];
            blade_trail.trail_edge_b[0][i][axis] = b[axis];
        }
    }
    draw_camera_front();
    draw_gl_reset();
    Fighter at_origin = {};
    blade_trail_draw(&at_origin, texture, 0);
    const f32 newest[3] = {-10, 0, 10}, oldest[3] = {10, 0, 10}, above[3] = {-10, 0, 20};
    EXPECT_TRUE(rgb_near(pixel_of(newest), {191, 0, 0}));   // red at alpha 0.75, added to black
    EXPECT_TRUE(rgb_near(pixel_of(oldest), {0, 0, 0}));
    EXPECT_TRUE(rgb_near(pixel_of(above), {0, 0, 0}));
    GLboolean blending = GL_TRUE;
    glGetBooleanv(GL_BLEND, &blending);
    EXPECT_FALSE(blending);
    glDeleteTextures(1, &texture);
}

// The flaming arenas burn in the frame: a flame lights the view where it stands, and the same
// frame with every flame dead shows nothing there.
TEST_F(FrameTest, TheFlamingArenasBurn)
{
    tex_misc = palette().white;
    glFogf(GL_FOG_DENSITY, 0.0f);
    const struct {
        i32 stage;
        void (*start)(Particle *, int);
    } cases[] = {{STAGE_THEATRE, fx_theatre_flames}, {STAGE_LABYRINTH, fx_labyrinth_flames},
                 {STAGE_TEMPLE, fx_temple_flames}};
    for (const auto &c : cases) {
        stage_id = c.stage;
        c.start(stage_flame_particles, FX_INIT);
        const Particle &flame = stage_flame_particles[0];
        const f32 at[3] = {flame.x, flame.y, flame.z};
        camera_eye[0] = camera_centre[0] = at[0];
        camera_eye[1] = at[1] - 40.0f;
        camera_centre[1] = at[1];
        camera_eye[2] = camera_centre[2] = at[2];
        draw_frame();
        const Rgb burning = pixel_of(at);
        for (Particle &p : stage_flame_particles)
            p.life = 0.0f;
        draw_frame();
        const Rgb out = pixel_of(at);
        EXPECT_GT(burning.r, out.r + 60) << "stage " << c.stage;
    }
    memset(stage_flame_particles, 0, sizeof stage_flame_particles);
}

// A projectile in flight is laid over the finished scene, and a petrified fighter is stone in
// its petrifier's picture (slot 3 of the other side's set) in place of its skins.
TEST_F(FrameTest, AFlyingProjectileAndAPetrifiedFighterAreDrawn)
{
    for (u32 &name : projectile_textures)
        name = 0;
    projectile_textures[0] = solid_texture(255, 0, 0);
    projectile_textures[PROJECTILE_TEXTURES_PER_SLOT + 3] = solid_texture(200, 200, 0);
    Projectile *proj = &projectiles[0];
    *proj = Projectile{};
    proj->kind = PROJECTILE_STRAIGHT;
    proj->direction = 1;
    proj->flat = 1;
    proj->pos[0] = 30.0f;
    proj->pos[2] = 10.0f;
    proj->size[0] = proj->size[1] = proj->size[2] = 5.0f;
    projectile_in_flight[0] = 1;
    fighters[0].action = ACTION_PETRIFIED;
    fighters[0].effect_timer = 100;
    draw_frame();
    projectile_in_flight[0] = 0;
    fighters[0].action = ACTION_IDLE;
    const f32 at[3] = {30, 0, 10};
    Rgb got = pixel_of(at);
    EXPECT_GT(got.r, 200) << got.r << ", " << got.g << ", " << got.b;   // red over the green wall
    got = torso();
    EXPECT_TRUE(rgb_near(got, {100, 100, 0}, 8)) << got.r << ", " << got.g << ", " << got.b;
    for (u32 &name : projectile_textures)
        name = 0;
}

// The projector as the shadow sets it, for drawing receivers the way they were drawn before
// they learnt the window rectangle their shadow reaches: the bound picture multiplying what is
// drawn, at coordinates taken from the world by the projector's matrix.
static void whole_receivers_draw(const Model *receiver, const f32 light_dir[3], const f32 target[3], f32 scale)
{
    f32 dir[3] = {0.001f - light_dir[0], -light_dir[1], -light_dir[2]};
    normalize_vector_f(&dir[0], &dir[1], &dir[2]);
    const f32 light[3] = {target[0] - scale * dir[0], target[1] - scale * dir[1], target[2] - scale * dir[2]};
    // Texture coordinates (x, y, z, w) of the world, taken in the camera's view.
    const struct {
        GLenum coord, gen;
        GLfloat plane[4];
    } world_coords[4] = {{GL_S, GL_TEXTURE_GEN_S, {1, 0, 0, 0}}, {GL_T, GL_TEXTURE_GEN_T, {0, 1, 0, 0}},
                         {GL_R, GL_TEXTURE_GEN_R, {0, 0, 1, 0}}, {GL_Q, GL_TEXTURE_GEN_Q, {0, 0, 0, 1}}};
    // Clip space to the picture's 0..1 in s and t, and r.
    const GLfloat bias[16] = {0.5f, 0, 0, 0, 0, 0.5f, 0, 0, 0, 0, 1, 0, 0.5f, 0.5f, 0.5f, 1};
    glMatrixMode(GL_TEXTURE);
    glLoadMatrixf(bias);
    gluPerspective(60.0, 1.0, 0.0, 1.0);
    gluLookAt(light[0], light[1], light[2], target[0], target[1], target[2], 0.0, 0.0, -1.0);
    glMatrixMode(GL_MODELVIEW);
    camera_view_load();
    for (const auto &w : world_coords) {
        glTexGeni(w.coord, GL_TEXTURE_GEN_MODE, GL_EYE_LINEAR);
        glTexGenfv(w.coord, GL_EYE_PLANE, w.plane);
        glEnable(w.gen);
    }
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glBlendFunc(GL_DST_COLOR, GL_ZERO);
    glEnable(GL_BLEND);
    glDepthFunc(GL_LEQUAL);
    glDepthMask(GL_FALSE);
    glEnable(GL_CULL_FACE);
    for (int p = 0; p < receiver->polygon_count; p++) {
        const Polygon *polygon = &receiver->polygons[p];
        const f32 *c[3];
        for (int k = 0; k < 3; k++)
            c[k] = receiver->rest_pos[polygon->corner[k]];
        if (polygon->pass >= 2 || !shadow_receives(c[0], c[1], c[2], target, dir, scale * 0.5f, false))
            continue;
        glBegin(GL_TRIANGLES);
        for (int k = 0; k < 3; k++)
            glVertex3fv(c[k]);
        glEnd();
    }
    for (const auto &w : world_coords)
        glDisable(w.gen);
    glMatrixMode(GL_TEXTURE);
    glLoadIdentity();
    glMatrixMode(GL_MODELVIEW);
    glDisable(GL_BLEND);
    glDepthMask(GL_TRUE);
}

// A projected shadow draws its receivers only over the window rectangle its dark texels
// reach: the picture is the one the whole receivers leave, from several lights and views,
// with the shadow near the view's edge and partly out of it, and with floor behind the
// projector.
TEST_F(FrameTest, ProjectedShadowsDrawnOverTheirReachMatchTheWholeReceivers)
{
    struct Case {
        const char *name;
        f32 light[3];
        f32 eye[3], centre[3];
    };
    const Case cases[] = {
        {"Athens' light", {0.5f, 1.0f, -0.5f}, {0, -60, 60}, {0, 10, 0}},
        {"from the side, low view", {-0.5f, -0.5f, -1.0f}, {10, -70, 15}, {0, 0, 5}},
        {"at the view's edge", {0.0f, 0.5f, -1.0f}, {-35, -40, 30}, {-24, 10, 0}},
        {"straight down, close", {0.0f, 0.0f, -1.0f}, {0, -20, 25}, {0, 0, 0}},
        // The floor runs on behind the projector, where the picture falls mirrored.
        {"low light", {0.6f, 0.1f, -0.2f}, {0, -70, 40}, {0, 0, 0}},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.name);
        for (int axis = 0; axis < 3; axis++) {
            camera_eye[axis] = c.eye[axis];
            camera_centre[axis] = c.centre[axis];
        }
        ShadowCaster caster = {figure.model, {0, 0, 0}, {0, 0, 0}};
        tex_blob_shadow = palette().black;
        // The bounded way, the whole way, and the floor without a shadow.
        std::vector<u8> picture[3];
        GLint shadow_texture = 0;
        for (int way = 0; way < 3; way++) {
            draw_frame();   // blob shadows of black: none
            texture_unit1_off();
            // The bounded way fills and binds the pair's picture; the whole way draws with it.
            if (way == 0) {
                shadow_picture_make(c.light, &caster, 0.25f, 75.0f, 1);
                shadow_project(c.light, &caster, arena, 75.0f, 1, 0);
                glGetIntegerv(GL_TEXTURE_BINDING_2D, &shadow_texture);
            } else if (way == 1) {
                glBindTexture(GL_TEXTURE_2D, static_cast<GLuint>(shadow_texture));
                whole_receivers_draw(arena, c.light, caster.pos, 75.0f);
            }
            picture[way] = window_pixels();
        }
        size_t differ = 0, shaded = 0;
        for (size_t i = 0; i < picture[0].size(); i += 4) {
            differ += memcmp(&picture[0][i], &picture[1][i], 3) != 0;
            shaded += picture[1][i] + 20 < picture[2][i];
        }
        EXPECT_EQ(differ, 0u);
        EXPECT_GT(shaded, 50u) << "the shadow falls in the view";
    }
}
