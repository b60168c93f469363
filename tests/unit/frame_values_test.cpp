// The frame drawer's values that need no GL: the biography's glow level, the fight's fog
// colour and the wound pictures.
#include "combat/combat.h"
#include "game/game.h"

#include <gtest/gtest.h>

TEST(BiographyGlowLevel, ByTheCharacterShown)
{
    for (int character = 0; character < CHARACTER_COUNT; character++) {
        int expected = character == CHARACTER_POLYPHEMUS || character == CHARACTER_ARES ? 120
                       : character == CHARACTER_ATALANTA                                ? 170
                                                                                        : 150;
        EXPECT_EQ(biography_glow_level(character), expected) << "character " << character;
    }
    EXPECT_EQ(biography_glow_level(-1), 150);
    EXPECT_EQ(biography_glow_level(CHARACTER_COUNT), 150);
}

TEST(FightFogColour, GreyDimmedOnlyWhileASummonFadesTheSceneOut)
{
    struct Case {
        i32 phase;
        f32 grey;
    };
    const Case cases[] = {{SUMMON_NONE, 0.3f}, {SUMMON_FADE_OUT, 0.15f}, {SUMMON_EFFECT, 0.3f}, {SUMMON_FADE_IN, 0.3f}};
    summon_fade_level = 0.5f;
    for (const Case &c : cases) {
        summon_phase = c.phase;
        f32 fog[4];
        fight_fog_colour(fog);
        EXPECT_FLOAT_EQ(fog[0], c.grey) << "phase " << c.phase;
        EXPECT_FLOAT_EQ(fog[1], c.grey);
        EXPECT_FLOAT_EQ(fog[2], c.grey);
        EXPECT_FLOAT_EQ(fog[3], 1.0f);
    }
    summon_phase = SUMMON_NONE;
    summon_fade_level = 1.0f;
}

TEST(WoundOverlay, TheLighterBloodAtHalfLifeTheHeavierAtAQuarter)
{
    tex_blood2 = 21;
    tex_blood = 22;
    EXPECT_EQ(wound_overlay_texture(0), 0u);
    EXPECT_EQ(wound_overlay_texture(1), 21u);
    EXPECT_EQ(wound_overlay_texture(2), 22u);
    EXPECT_EQ(wound_overlay_texture(3), 0u);
    EXPECT_EQ(wound_overlay_texture(-1), 0u);
    tex_blood2 = tex_blood = 0;
}
