// The particle drawers and the flashes in real GL: each lays the right cell of the effects
// sheet, in its colour, where its record is, facing the camera, without a GL error.
#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/draw_fixtures.h"

#include <GL/gl.h>
#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

// A 4 x 4 sheet whose every cell is one colour: red by column, green by row, so a pixel
// tells which cell was drawn. Row 0 is v 0..0.25.
Rgb cell_colour(int column, int row)
{
    return {60 + 60 * column, 60 + 60 * row, 0};
}

u32 cell_sheet()
{
    static u32 name = 0;
    if (name)
        return name;
    std::vector<u8> pixels;
    for (int row = 0; row < 4; row++)
        for (int column = 0; column < 4; column++) {
            Rgb c = cell_colour(column, row);
            pixels.insert(pixels.end(), {static_cast<u8>(c.r), static_cast<u8>(c.g), 0, 255});
        }
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 4, 4, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    return name;
}

Rgb scaled(Rgb c, f32 level)
{
    return {static_cast<int>(c.r * level + 0.5f), static_cast<int>(c.g * level + 0.5f),
            static_cast<int>(c.b * level + 0.5f)};
}

std::string text(Rgb c)
{
    return std::to_string(c.r) + ", " + std::to_string(c.g) + ", " + std::to_string(c.b);
}

}  // namespace

class EffectsDrawTest : public DrawTest {
protected:
    std::vector<Particle> pool = std::vector<Particle>(STAGE_FLAME_PARTICLES + BLOOD_STAIN_PARTICLES);

    void SetUp() override
    {
        DrawTest::SetUp();
        tex_misc = cell_sheet();
        summon_fade_level = 1.0f;
        glEnable(GL_BLEND);
        fighters[0] = {};
        fighters[1] = {};
        while (glGetError() != GL_NO_ERROR) {
        }
    }
    void TearDown() override { EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)); }

    // One live record at p, everything else dead.
    Particle &only(f32 x, f32 y, f32 z, f32 life)
    {
        for (Particle &p : pool)
            p = Particle{};
        pool[0].x = x;
        pool[0].y = y;
        pool[0].z = z;
        pool[0].life = life;
        return pool[0];
    }
    // The select's flame row 40 steps on (every life band and some dead records), seen from
    // the select's view.
    void select_flame_row()
    {
        fx_flame_row(pool.data(), FX_INIT);
        for (int tick = 0; tick < 40; tick++)
            fx_flame_row(pool.data(), FX_STEP);
        const f32 eye[3] = {0, -12, 0}, centre[3] = {0, 0, 0};
        draw_view_set(eye, centre, 1.0f);
    }
    void clear()
    {
        glClearColor(0, 0, 0, 1);
        glDepthMask(GL_TRUE);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
    Rgb at(f32 x, f32 y, f32 z)
    {
        const f32 p[3] = {x, y, z};
        camera_view_load();
        return pixel_of(p);
    }
    // The eye high above the floor in front, looking down at (0, y, 0).
    void camera_above(f32 y = 0.0f)
    {
        const f32 eye[3] = {0, y - 30, 40}, centre[3] = {0, y, 0};
        draw_view_set(eye, centre, 1.0f);
    }
};

// Flames and the aura choose their cell by life band, in grey by life (the arena flames
// dimmed with a summon as well), as camera-facing quads of their half sizes.
TEST_F(EffectsDrawTest, FlamesTakeTheirCellByLife)
{
    struct Case {
        void (*draw)(const Particle *);
        f32 life;
        int column, row;
        f32 half;       // half width on x
        bool dims;      // dimmed by summon_fade_level
    };
    const Case cases[] = {
        {draw_fx_labyrinth_flames, 90, 0, 1, 2.5f, true}, {draw_fx_labyrinth_flames, 60, 1, 1, 2.5f, true},
        {draw_fx_labyrinth_flames, 30, 2, 1, 2.5f, true}, {draw_fx_theatre_flames, 81, 0, 1, 3.0f, true},
        {draw_fx_temple_flames, 70, 2, 2, 1.5f, true},    {draw_fx_temple_flames, 40, 3, 2, 1.5f, true},
        {draw_fx_temple_flames, 20, 0, 3, 1.5f, true},    {draw_fx_flame_row, 80, 2, 2, 3.0f, false},
        {draw_fx_flame_row, 55, 3, 2, 3.0f, false},       {draw_fx_fighter_aura, 95, 0, 1, 3.0f, false},
    };
    summon_fade_level = 0.5f;
    for (const Case &c : cases) {
        clear();
        only(4.0f, 0.0f, 12.0f, c.life);
        c.draw(pool.data());
        const f32 level = c.life * 0.01f * (c.dims ? 0.5f : 1.0f);
        Rgb got = at(4.0f, 0.0f, 12.0f);
        EXPECT_TRUE(rgb_near(got, scaled(cell_colour(c.column, c.row), level), 5))
            << "life " << c.life << ": " << text(got);
        EXPECT_GT(at(4.0f + c.half - 0.3f, 0.0f, 12.0f).g, 0) << "inside the quad's edge";
        EXPECT_TRUE(rgb_near(at(4.0f + c.half + 0.3f, 0.0f, 12.0f), {0, 0, 0})) << "outside the quad";
    }
}

// Below its lowest band a flame keeps the cell of the record before it and shows nothing.
TEST_F(EffectsDrawTest, DeadFlamesDrawBlack)
{
    clear();
    only(0.0f, 0.0f, 10.0f, 0.0f);
    pool[0].life = -1.0f;
    draw_fx_labyrinth_flames(pool.data());
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 10.0f), {0, 0, 0}));
}

// At summon level 0 the arena's flames, rain and splashes vanish; the flame row stays.
TEST_F(EffectsDrawTest, ASummonsDarknessHidesTheArenasParticles)
{
    summon_fade_level = 0.0f;
    void (*const hidden[])(const Particle *) = {draw_fx_labyrinth_flames, draw_fx_theatre_flames,
                                               draw_fx_temple_flames, draw_fx_rain};
    for (auto draw : hidden) {
        clear();
        only(0.0f, 0.0f, 10.0f, 90.0f);
        draw(pool.data());
        EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 10.0f), {0, 0, 0}));
    }
    clear();
    draw_fx_flame_row(pool.data());
    EXPECT_GT(at(0.0f, 0.0f, 10.0f).r, 50);
}

TEST_F(EffectsDrawTest, RainDropsTakeTheirVariantsCell)
{
    const struct {
        f32 variant;
        int column;
    } cases[] = {{0, 2}, {1, 1}, {4, 1}};
    for (const auto &c : cases) {
        clear();
        only(-6.0f, 0.0f, 20.0f, c.variant);
        draw_fx_rain(pool.data());
        Rgb got = at(-6.0f, 0.0f, 20.0f);
        EXPECT_TRUE(rgb_near(got, scaled(cell_colour(c.column, 0), 0.5f), 4)) << text(got);
        EXPECT_GT(at(-6.0f, 0.0f, 24.7f).r, 0) << "half size 5";
    }
}

// Splashes and stains lie flat on the floor: at 0.2 this side of y = 50, at -2 beyond it.
TEST_F(EffectsDrawTest, FloorMarksLieOnTheFloor)
{
    camera_above();
    const struct {
        void (*draw)(const Particle *);
        f32 life;
        int column, row;
        f32 half;
    } cases[] = {
        {draw_fx_rain_splashes, 1.0f, 3, 0, 1.5f},
        {draw_fx_rain_splashes, 0.25f, 0, 2, 1.5f},
        {draw_fx_blood_stains, 0.5f, 1, 3, 2.5f},
    };
    for (const auto &c : cases) {
        clear();
        only(3.0f, 5.0f, 100.0f, c.life);
        c.draw(pool.data());
        Rgb got = at(3.0f, 5.0f, 0.2f);
        EXPECT_TRUE(rgb_near(got, cell_colour(c.column, c.row), 4)) << text(got);
        EXPECT_GT(at(3.0f + c.half - 0.3f, 5.0f, 0.2f).r, 0);
        EXPECT_TRUE(rgb_near(at(3.0f + c.half + 0.5f, 5.0f, 0.2f), {0, 0, 0}));
        EXPECT_TRUE(rgb_near(at(3.0f, 5.0f, 10.0f), {0, 0, 0})) << "not where the record's z says";

        camera_above(60.0f);
        clear();
        only(3.0f, 60.0f, 100.0f, c.life);
        c.draw(pool.data());
        EXPECT_TRUE(rgb_near(at(3.0f, 60.0f, -2.0f), cell_colour(c.column, c.row), 4));
        camera_above();
    }
}

// A blood drop covers by its alpha and sits shifted by life x 0.02 on every axis.
TEST_F(EffectsDrawTest, BloodDropsCoverByTheirLife)
{
    clear();
    only(0.0f, 0.0f, 10.0f, 50.0f);
    draw_fx_blood_burst(pool.data());
    Rgb got = at(1.0f, 1.0f, 11.0f);
    EXPECT_TRUE(rgb_near(got, scaled(cell_colour(1, 3), 0.5f), 4)) << text(got);
    EXPECT_GT(at(2.7f, 1.0f, 11.0f).r, 0);
    EXPECT_TRUE(rgb_near(at(3.5f, 1.0f, 11.0f), {0, 0, 0}));
}

// Sparks and bursts are streaks from the record along three times its direction, two wide;
// a burst takes its first record's tint, black when nobody wrote one.
TEST_F(EffectsDrawTest, SparksAndBurstsAreStreaksAlongTheirMotion)
{
    const struct {
        void (*draw)(const Particle *);
        f32 tint[3];
        Rgb expected;
    } cases[] = {
        {draw_fx_clash_sparks, {0, 0, 0}, cell_colour(3, 1)},
        {draw_fx_burst, {1, 0, 0}, {cell_colour(3, 1).r, 0, 0}},
        {draw_fx_burst, {0, 0, 0}, {0, 0, 0}},
    };
    for (const auto &c : cases) {
        clear();
        Particle &p = only(2.0f, 0.0f, 10.0f, 40.0f);
        p.dir_x = 2.0f;   // a streak from x 2 to x 8
        for (int k = 0; k < 3; k++)
            p.tint[k] = c.tint[k];
        c.draw(pool.data());
        Rgb got = at(5.0f, 0.0f, 10.0f);
        EXPECT_TRUE(rgb_near(got, c.expected, 4)) << text(got);
        EXPECT_TRUE(rgb_near(at(5.0f, 0.0f, 10.7f), c.expected, 4)) << "one unit to each side";
        EXPECT_TRUE(rgb_near(at(9.0f, 0.0f, 10.0f), {0, 0, 0})) << "past the head";
        EXPECT_TRUE(rgb_near(at(5.0f, 0.0f, 11.5f), {0, 0, 0}));
    }
}

// The trail uses the thrower's projectile picture of the set in dir_y, in blue by life
// (purple for Medusa and the Sphinx), sized by the thrower.
TEST_F(EffectsDrawTest, ProjectileTrailTakesItsSetAndThrowersLook)
{
    for (u32 &t : projectile_textures)
        t = colour.black;
    projectile_textures[PROJECTILE_TEXTURES_PER_SLOT * 1 + 3] = colour.white;
    const struct {
        u8 character;
        f32 half;   // at life 50
        Rgb expected;
    } cases[] = {
        {CHARACTER_JASON, 3.5f, {0, 0, 128}},
        {CHARACTER_ODYSSEUS, 8.5f, {0, 0, 128}},
        {CHARACTER_HIPPOLYTE, 1.5f, {0, 0, 128}},
        {CHARACTER_MEDUSA, 3.5f, {128, 0, 128}},
        {CHARACTER_SPHINX, 3.5f, {128, 0, 128}},
    };
    for (const auto &c : cases) {
        fighters[1].character = c.character;
        clear();
        Particle &p = only(-5.0f, 0.0f, 10.0f, 50.0f);
        p.dir_y = 3.7f;
        p.dir_x = 1.0f;
        draw_fx_projectile_trail(pool.data(), 1);
        Rgb got = at(-5.0f, 0.0f, 10.0f);
        EXPECT_TRUE(rgb_near(got, c.expected, 4)) << int(c.character) << ": " << text(got);
        EXPECT_GT(at(-5.0f + c.half - 0.3f, 0.0f, 10.0f).b, 0);
        EXPECT_TRUE(rgb_near(at(-5.0f + c.half + 0.4f, 0.0f, 10.0f), {0, 0, 0}));
    }
    fighters[1].character = CHARACTER_JASON;
    clear();
    only(-5.0f, 0.0f, 10.0f, 50.0f).dir_y = 4.0f;   // a black set: nothing shows
    draw_fx_projectile_trail(pool.data(), 1);
    EXPECT_TRUE(rgb_near(at(-5.0f, 0.0f, 10.0f), {0, 0, 0}));
}

// A rising throw's trail leans 45 degrees: a corner of the upright square moves off.
TEST_F(EffectsDrawTest, ARisingThrowsTrailLeans)
{
    for (u32 &t : projectile_textures)
        t = colour.white;
    clear();
    Particle &p = only(0.0f, 0.0f, 10.0f, 50.0f);
    p.kind = PROJECTILE_RISING;
    p.dir_x = 1.0f;
    draw_fx_projectile_trail(pool.data(), 0);
    EXPECT_TRUE(rgb_near(at(3.2f, 0.0f, 13.2f), {0, 0, 0})) << "the corner turned away";
    EXPECT_GT(at(0.0f, 0.0f, 14.6f).b, 0) << "a corner turned up";
}

// ---- flashes ---------------------------------------------------------------------------------

class FlashDrawTest : public EffectsDrawTest {
protected:
    void SetUp() override
    {
        EffectsDrawTest::SetUp();
        tex_hit = solid_texture(200, 0, 0);
        tex_hit2 = solid_texture(0, 200, 0);
        tex_guard = solid_texture(0, 0, 200);
        glBlendFunc(GL_ONE, GL_ONE_MINUS_SRC_COLOR);
        clear();
    }
};

TEST_F(FlashDrawTest, AFreshHitFlashIsTheStarAlone)
{
    draw_hit_flash(0.0f, 0.0f, 10.0f, 1.0f);
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 10.0f), {200, 0, 0}));
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 14.6f), {200, 0, 0}));
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 5.6f), {200, 0, 0}));
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 15.5f), {0, 0, 0}));
}

// Half faded: the star is 7.5 wide and 2.5 high, the ring and the second star 5 each way.
TEST_F(FlashDrawTest, AFadingHitFlashWidensAndGrowsItsRing)
{
    draw_hit_flash(0.0f, 0.0f, 10.0f, 0.5f);
    EXPECT_GT(at(7.0f, 0.0f, 10.0f).r, 50) << "the star widened";
    EXPECT_GT(at(0.0f, 0.0f, 14.5f).g, 50) << "the ring grew";
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 15.5f), {0, 0, 0}));
    EXPECT_TRUE(rgb_near(at(8.0f, 0.0f, 10.0f), {0, 0, 0}));
}

TEST_F(FlashDrawTest, TheClashSparkIsTwiceTheSize)
{
    draw_hit_spark(0.0f, 0.0f, 10.0f, 1.0f);
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 19.5f), {200, 0, 0}));
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 20.5f), {0, 0, 0}));
}

// Sent twice under the brightening blend: 0.5 x 200 twice over gives about 150.
TEST_F(FlashDrawTest, TheGuardFlashIsDoubledAndShrinksAsItFades)
{
    draw_guard_flash(0.0f, 0.0f, 10.0f, 0.5f);
    Rgb got = at(0.0f, 0.0f, 10.0f);
    EXPECT_NEAR(got.b, 100 + 100 * (255 - 100) / 255, 4) << text(got);
    EXPECT_GT(at(0.0f, 0.0f, 12.3f).b, 0);
    EXPECT_TRUE(rgb_near(at(0.0f, 0.0f, 12.8f), {0, 0, 0}));
}

TEST_F(FlashDrawTest, FlashesShowThroughWhatStandsInFront)
{
    glColor3f(1, 1, 1);
    glBindTexture(GL_TEXTURE_2D, colour.white);
    glDisable(GL_BLEND);
    camera_view_load();
    glBegin(GL_QUADS);   // a grey wall between the eye and the flash, depth written
    glColor3f(0.2f, 0.2f, 0.2f);
    glVertex3f(-20, -20, 0);
    glVertex3f(20, -20, 0);
    glVertex3f(20, -20, 20);
    glVertex3f(-20, -20, 20);
    glEnd();
    glEnable(GL_BLEND);
    draw_hit_flash(0.0f, 0.0f, 10.0f, 1.0f);
    EXPECT_GT(at(0.0f, 0.0f, 10.0f).r, 150);
    draw_guard_flash(0.0f, 0.0f, 10.0f, 0.0f);   // level 0: black, nothing changes
    EXPECT_GT(at(0.0f, 0.0f, 10.0f).r, 150);
}

// The flame row drawn over its cells' lit parts of the built effects sheet shows the picture
// the whole cells show: the cut-away pixels only ever sampled black, and the kept ones differ
// at most by the rounding of their texture coordinates.
TEST_F(EffectsDrawTest, FlameRowOverLitPartsShowsTheWholeCellsPicture)
{
    const u32 sheet = built_texture("misc/misc.tga", TEXTURE_CLAMP_RGBA);
    ASSERT_NE(sheet, 0u) << "run the data builder (make test does)";
    select_flame_row();
    std::vector<u8> pictures[2];
    for (int measured = 0; measured < 2; measured++) {
        tex_misc = measured ? sheet : 0;
        fx_flame_row_measure();
        tex_misc = sheet;
        clear();
        draw_fx_flame_row(pool.data());
        pictures[measured] = window_pixels();
    }
    tex_misc = 0;
    fx_flame_row_measure();   // whole cells again for the other tests' sheet
    int lit = 0, worst = 0;
    for (size_t i = 0; i < pictures[0].size(); i++) {
        lit += pictures[0][i] > 20;
        worst = std::max(worst, std::abs(pictures[0][i] - pictures[1][i]));
    }
    EXPECT_GT(lit, 10000) << "the row burns across the view";
    EXPECT_LE(worst, 2);
    glDeleteTextures(1, &sheet);
}

// The select draws its flame row without the depth test. Behind it lie only the portraits,
// 100 units from the eye: over a grey wall there, depth written, the row drawn with the depth
// test on (GL_LEQUAL, as before) and with it off shows the same pixels.
TEST_F(EffectsDrawTest, FlameRowShowsTheSameWithoutTheDepthTestInFrontOfThePortraits)
{
    const u32 sheet = built_texture("misc/misc.tga", TEXTURE_CLAMP_RGBA);
    ASSERT_NE(sheet, 0u) << "run the data builder (make test does)";
    tex_misc = sheet;
    fx_flame_row_measure();
    select_flame_row();
    std::vector<u8> pictures[2];
    for (int tested = 0; tested < 2; tested++) {
        clear();
        glDisable(GL_BLEND);
        glDisable(GL_TEXTURE_2D);
        glDepthMask(GL_TRUE);
        glDepthFunc(GL_LEQUAL);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glColor3f(0.4f, 0.4f, 0.4f);
        glBegin(GL_QUADS);   // the portraits' plane, wider than the view
        glVertex3f(-60, -60, -100);
        glVertex3f(60, -60, -100);
        glVertex3f(60, 60, -100);
        glVertex3f(-60, 60, -100);
        glEnd();
        glEnable(GL_BLEND);
        if (tested == 0)
            glDisable(GL_DEPTH_TEST);
        draw_fx_flame_row(pool.data());
        glEnable(GL_DEPTH_TEST);
        pictures[tested] = window_pixels();
    }
    tex_misc = 0;
    fx_flame_row_measure();   // whole cells again for the other tests' sheet
    int lit = 0;
    for (size_t i = 0; i < pictures[0].size(); i += 4)
        lit += pictures[0][i] > 120;
    EXPECT_GT(lit, 10000) << "the row burns over the grey";
    EXPECT_TRUE(pictures[0] == pictures[1]);
    glDeleteTextures(1, &sheet);
}
