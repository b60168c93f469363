// The gods' drawers in real GL: every effect leaves its pixels without a GL error, the god's
// picture stands over the summoner (over the victim for the curses), and the curse's figure
// wraps its victim.
#include "characters/characters.h"
#include "combat/combat.h"
#include "combat/combat_local.h"
#include "support/draw_fixtures.h"
#include "support/data_set.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <cstring>
#include <vector>

namespace {

class SummonDraw : public DrawTest {
protected:
    static ArchiveHandle archive;
    Skeleton blocks[4] = {};
    StageLight light = {};

    static void SetUpTestSuite()
    {
        test_maths_setup();
        archive = data_set_archive_open();
    }
    static void TearDownTestSuite()
    {
        archive_close(archive);
        archive = nullptr;
    }

    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_NE(archive, nullptr) << TEST_NO_DATA_SET;
        memset(fighters, 0, sizeof fighters);
        for (int p = 0; p < 2; p++) {
            fighters[p].side = p;
            fighters[p].pos_x = p == 0 ? -15.0f : 15.0f;
            fighters[p].facing = p == 0 ? 1 : 0;
            fighters[p].life = 1.0f;
            fighters[p].heads_left = 4;
            for (f32 &head : fighters[p].head_life)
                head = 1.0f;
            fighter_skeletons[p] = &blocks[p];
            summon_skeletons[p] = &blocks[2 + p];
        }
        draw_flat_light(&light, 1.0f);
        stage_light = &light;
        const f32 eye[3] = {0, -80, 10}, centre[3] = {0, 0, 10};
        for (int a = 0; a < 3; a++) {
            camera_eye[a] = eye[a];
            camera_centre[a] = centre[a];
        }
        camera_up_z = 1.0f;
        picture(colour.black);
        summon_victim = 0;
        paused = 0;
    }
    void TearDown() override
    {
        character_models_free();
        for (Skeleton &block : blocks)
            skeleton_bones_free(&block);
        for (int p = 0; p < 2; p++)
            fighter_skeletons[p] = summon_skeletons[p] = nullptr;
        stage_light = nullptr;
        summon_phase = SUMMON_NONE;
        summon_victim = 0;
        summon_fade_level = 1.0f;
    }

    // Every effect picture white; the god's own picture (slot 2) as given.
    void picture(u32 god)
    {
        for (int i = 0; i < DIVINE_TEXTURE_COUNT; i++)
            divine_textures[i] = i % DIVINE_TEXTURES_PER_SLOT == 2 ? god : colour.white;
    }

    // The god's figure and skeleton of character c, read from the data set.
    void god_load(int c)
    {
        const CharacterModule *m = character_modules[c];
        for (int i = 0; i < m->load_step_count; i++) {
            const LoadStep &s = m->load_steps[i];
            if (s.kind == LOAD_SUMMON_MODEL && !summon_models[s.index])
                summon_models[s.index] = model_load(archive, s.entry);
            if (s.kind == LOAD_SUMMON_SKELETON) {
                ASSERT_EQ(skeleton_load(summon_skeletons[0], archive, s.entry), 1) << s.entry;
            }
        }
    }

    void summon_begin(int c)
    {
        fighters[0].character = static_cast<u8>(c);
        fighters[1].character = CHARACTER_JASON;
        god_load(c);
        summoner = 0;
        summon_phase = SUMMON_FADE_OUT;
        summon_fade_level = 1.0f;
        fighters[0].power = 1.0f;
    }

    // Lit pixels of the whole view.
    int lit_pixels()
    {
        std::vector<unsigned char> rgba(4 * GL_TEST_WIDTH * GL_TEST_HEIGHT);
        glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
        int lit = 0;
        for (size_t i = 0; i < rgba.size(); i += 4)
            lit += rgba[i] + rgba[i + 1] + rgba[i + 2] > 60;
        return lit;
    }

    // Lit pixels within `half` pixels of where a world point lands.
    int lit_near(const f32 p[3], int half)
    {
        int x, y, lit = 0;
        world_to_pixel(p, &x, &y);
        for (int dy = -half; dy <= half; dy++)
            for (int dx = -half; dx <= half; dx++) {
                const Rgb c = pixel_at(x + dx, y + dy);
                lit += c.r + c.g + c.b > 60;
            }
        return lit;
    }
};
ArchiveHandle SummonDraw::archive = nullptr;

// Half-way through each god's effect, its drawer (with a black god's picture, which adds
// nothing) leaves pixels on the black view.
TEST_F(SummonDraw, EveryGodsEffectLeavesItsPixels)
{
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        if (c == CHARACTER_SPHINX || c == CHARACTER_ARES)
            continue;   // their effect is the picture and the curse
        summon_begin(c);
        for (int t = 0; t < 1000 && (summon_phase != SUMMON_EFFECT || summon_timer < 0.5f); t++)
            summon_update(0);
        ASSERT_EQ(summon_phase, SUMMON_EFFECT) << c;
        draw_gl_reset();
        summon_draw(0);
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR)) << c;
        EXPECT_GT(lit_pixels(), 100) << "character " << c;
    }
}

// The god's picture rises over the summoner as the scene darkens; the curses' picture comes
// down on the victim.
TEST_F(SummonDraw, TheGodsPictureStandsOverTheSummonerOrTheVictim)
{
    for (int c : {CHARACTER_ODYSSEUS, CHARACTER_SPHINX}) {
        picture(colour.red);
        summon_begin(c);
        summon_fade_level = 0.3f;
        summon_timer = 0.0f;
        draw_gl_reset();
        summon_draw_overlay();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        const bool on_victim = c == CHARACTER_SPHINX;
        const f32 over_summoner[3] = {-15.0f, 0.0f, 22.0f}, over_victim[3] = {15.0f, 0.0f, 22.0f};
        const f32 beyond_summoner[3] = {-45.0f, 0.0f, 22.0f}, beyond_victim[3] = {45.0f, 0.0f, 22.0f};
        const Rgb centre = pixel_of(on_victim ? over_victim : over_summoner);
        EXPECT_GT(centre.r, 120) << c;
        EXPECT_LT(centre.g, 30) << c;
        EXPECT_EQ(lit_near(on_victim ? beyond_summoner : beyond_victim, 3), 0) << c;
    }
}

// The curse's figure wraps the victim, not the one who cast it.
TEST_F(SummonDraw, TheCursesFigureWrapsItsVictim)
{
    for (int c : {CHARACTER_SPHINX, CHARACTER_ARES}) {
        summon_begin(c);
        summon_phase = SUMMON_NONE;
        summon_victim = 2;
        summon_timer = 1.0f;
        summon_linger_step_ares();   // poses the figure as the tick would
        summon_linger_step_sphinx();
        summon_victim = 2;
        draw_gl_reset();
        if (c == CHARACTER_ARES)
            summon_linger_draw_ares();
        else
            summon_linger_draw_sphinx();
        EXPECT_EQ(glGetError(), static_cast<GLenum>(GL_NO_ERROR));
        const f32 victim[3] = {15.0f, 0.0f, 12.0f}, caster[3] = {-15.0f, 0.0f, 12.0f};
        EXPECT_GT(lit_near(victim, 40), 20) << c;
        EXPECT_EQ(lit_near(caster, 20), 0) << c;
    }
}

}  // namespace
