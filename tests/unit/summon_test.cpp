// The summon sequence without a window: every character's summon from the fade-out back to
// none, the camera's swing, the strikes and their cycles, the curses with their drain and guard,
// the Furies' hand-over, the volleys' edge cases, and the summon hit's damage, guard, stun and
// knock-out.
#include "support/hit_fixture.h"

#include "combat/combat_local.h"

#include <vector>

namespace {

class SummonTest : public HitFixture {
protected:
    void SetUp() override
    {
        HitFixture::SetUp();
        summon_start(CHARACTER_JASON, CHARACTER_JASON);
    }

    // Side one summons against side two; side two's body point 0 stands at its feet + 10
    // (within every god's reach) when `reachable`, else far away.
    void summon_start(int summoner_character, int victim_character, bool reachable = false)
    {
        hit_start(summoner_character, victim_character);
        if (reachable)
            zone(1, 0, fighters[1].pos_x, 10.0f, 5.0f);
        summoner = 0;
        summon_phase = SUMMON_FADE_OUT;
        summon_fade_level = 1.0f;
        summon_victim = 0;
        summon_timer = 0.0f;
        fighters[0].power = 1.0f;
        camera_eye[0] = camera_eye[1] = camera_eye[2] = 0.0f;
        camera_centre[0] = camera_centre[1] = camera_centre[2] = 0.0f;
    }

    // Ticks of the sequence until the phase leaves `phase` (at most `limit`).
    int ticks_in(i32 phase, int limit = 2000)
    {
        int t = 0;
        while (summon_phase == phase && t < limit) {
            summon_update(summoner);
            t++;
        }
        return t;
    }

    void to_effect()
    {
        ticks_in(SUMMON_FADE_OUT);
        ASSERT_EQ(summon_phase, SUMMON_EFFECT);
    }
};

// Each god acts for its own time and every summon ends back at none with the light restored.
TEST_F(SummonTest, EveryCharactersSummonFadesOutActsAndReturnsToNone)
{
    const int effect_ticks[CHARACTER_COUNT] = {400, 400, 400, 286, 400, 125, 286, 200, 67, 286, 67, 400};
    for (int c = 0; c < CHARACTER_COUNT; c++) {
        summon_start(c, CHARACTER_ODYSSEUS);
        EXPECT_NEAR(ticks_in(SUMMON_FADE_OUT), 50, 1) << c;
        EXPECT_EQ(summon_phase, SUMMON_EFFECT) << c;
        EXPECT_EQ(summon_fade_level, 0.0f);
        EXPECT_NEAR(ticks_in(SUMMON_EFFECT), effect_ticks[c], 1) << c;
        EXPECT_EQ(summon_phase, SUMMON_FADE_IN) << c;
        EXPECT_NEAR(ticks_in(SUMMON_FADE_IN), 50, 1) << c;
        EXPECT_EQ(summon_phase, SUMMON_NONE) << c;
        EXPECT_EQ(summon_fade_level, 1.0f) << c;
    }
}

// Perseus's and the Hydra's gods linger over an opponent in the air.
TEST_F(SummonTest, AnAirborneOpponentSlowsTheLightningAndTheGhosts)
{
    for (int c : {CHARACTER_PERSEUS, CHARACTER_HYDRA}) {
        summon_start(c, CHARACTER_JASON);
        to_effect();
        fighters[1].posture = POSTURE_AIR;
        EXPECT_NEAR(ticks_in(SUMMON_EFFECT), 667, 1) << c;
    }
}

TEST_F(SummonTest, ThePauseHoldsThePhasesButNotTheCamera)
{
    summon_fade_level = 0.5f;
    paused = 1;
    camera_centre[1] = 40.0f;
    summon_update(0);
    EXPECT_EQ(summon_phase, SUMMON_FADE_OUT);
    EXPECT_EQ(summon_fade_level, 0.5f);
    EXPECT_FLOAT_EQ(camera_eye[1], -30.0f) << "half way to 100 in front of the centre";
    paused = 0;
}

// At the height of a summon the camera looks level from D in front of a point 10 above the
// fight camera's centre; D is wider with the Hydra in the fight.
TEST_F(SummonTest, CameraBlendsToTheFrontalView)
{
    struct Case {
        f32 fade;
        int opponent;
        f32 eye[3], centre_z;
    } cases[] = {
        {1.0f, CHARACTER_JASON, {3.0f, -50.0f, 20.0f}, 8.0f},
        {0.0f, CHARACTER_JASON, {10.0f, -60.0f, 18.0f}, 18.0f},
        {0.0f, CHARACTER_HYDRA, {10.0f, -110.0f, 18.0f}, 18.0f},
        {0.5f, CHARACTER_JASON, {6.5f, -55.0f, 19.0f}, 13.0f},
    };
    for (const Case &c : cases) {
        hit_start(CHARACTER_JASON, c.opponent);
        const f32 eye[3] = {3.0f, -50.0f, 20.0f}, centre[3] = {10.0f, 40.0f, 8.0f};
        for (int a = 0; a < 3; a++) {
            camera_eye[a] = eye[a];
            camera_centre[a] = centre[a];
        }
        summon_fade_level = c.fade;
        summon_camera_update();
        for (int a = 0; a < 3; a++)
            EXPECT_FLOAT_EQ(camera_eye[a], c.eye[a]) << c.fade << " axis " << a;
        EXPECT_FLOAT_EQ(camera_centre[2], c.centre_z);
    }
}

// The ticks of the effect phase on which the god's strikes landed.
static std::vector<int> strike_ticks(SummonTest *)
{
    std::vector<int> ticks;
    for (int t = 0; summon_phase == SUMMON_EFFECT && t < 2000; t++) {
        const i32 before = combo_hits[0];
        summon_update(0);
        if (combo_hits[0] != before)
            ticks.push_back(t);
    }
    return ticks;
}

// The wave and the hurricane strike once past their mark; the lightning and the ghosts strike
// every tenth tick once the effect is a fifth done.
TEST_F(SummonTest, StrikesAndStrikeCycles)
{
    struct Case {
        int character;
        f32 first_after;     // summon_timer past which the first strike falls
        bool cycles;
    } cases[] = {
        {CHARACTER_POLYPHEMUS, 0.85f, false},
        {CHARACTER_MEDUSA, 0.65f, false},
        {CHARACTER_PERSEUS, 0.2f, true},
        {CHARACTER_HYDRA, 0.2f, true},
    };
    for (const Case &c : cases) {
        summon_start(c.character, CHARACTER_JASON, true);
        fighters[0].damage[19] = 0.0f;
        to_effect();
        const std::vector<int> ticks = strike_ticks(this);
        ASSERT_FALSE(ticks.empty()) << c.character;
        const f32 step = summon_rules[c.character].timer_step + summon_rules[c.character].grounded_step;
        EXPECT_NEAR(ticks[0], c.first_after / step, 1.5) << c.character;
        if (!c.cycles) {
            EXPECT_EQ(ticks.size(), 1u) << c.character;
            continue;
        }
        EXPECT_GT(ticks.size(), 20u);
        for (size_t i = 1; i < ticks.size(); i++)
            EXPECT_EQ(ticks[i] - ticks[i - 1], 10) << c.character << " strike " << i;
    }
}

// Perseus's last tick stuns an opponent who is not guarding, before that tick's strike.
TEST_F(SummonTest, PerseusLastBoltStunsAnUnguardedOpponent)
{
    for (bool guarding : {false, true}) {
        summon_start(CHARACTER_PERSEUS, CHARACTER_JASON);
        to_effect();
        fighters[1].guarding = guarding ? FIGHTER_FLAG_ON : 0;
        ticks_in(SUMMON_EFFECT);
        EXPECT_EQ(fighters[1].action == ACTION_STUNNED, !guarding);
        EXPECT_EQ(skeletons[1]->action == ACTION_STUNNED, !guarding);
        EXPECT_EQ(fighters[1].attack_state == ATTACK_STATE_STUNNED, !guarding);
    }
}

// The Sphinx's and Ares's curses stay on the victim while the summoner's power drains, and
// end with the gauge empty, not negative.
TEST_F(SummonTest, CursesDrainTheSummonersPowerThenEnd)
{
    struct Case {
        int character;
        int drain_ticks;
    } cases[] = {{CHARACTER_SPHINX, 250}, {CHARACTER_ARES, 304}};
    for (const Case &c : cases) {
        for (int side = 0; side < 2; side++) {
            summon_start(side == 0 ? c.character : CHARACTER_JASON, side == 0 ? CHARACTER_JASON : c.character);
            summoner = side;
            fighters[side].power = 1.0f;
            ticks_in(SUMMON_FADE_OUT);
            ticks_in(SUMMON_EFFECT);
            ticks_in(SUMMON_FADE_IN);
            ASSERT_EQ(summon_victim, side == 0 ? 2 : 1) << c.character;
            EXPECT_EQ(summon_timer, 1.0f);
            int t = 0;
            for (; summon_victim != 0 && t < 1000; t++)
                c.character == CHARACTER_ARES ? summon_linger_step_ares() : summon_linger_step_sphinx();
            EXPECT_NEAR(t, c.drain_ticks, 1) << c.character;
            EXPECT_EQ(fighters[side].power, 0.0f);
        }
    }
}

// A guard held on the curse's last tick turns it away; guarding only earlier does not.
TEST_F(SummonTest, AGuardOnTheCursesLastTickCancelsIt)
{
    for (int c : {CHARACTER_SPHINX, CHARACTER_ARES}) {
        summon_start(c, CHARACTER_JASON);
        to_effect();
        fighters[1].guarding = FIGHTER_FLAG_ON;
        for (int t = 0; t < 10; t++)
            summon_update(0);
        fighters[1].guarding = 0;
        ticks_in(SUMMON_EFFECT);
        EXPECT_EQ(summon_victim, 2) << "guarding early only: the curse holds";
        EXPECT_GT(fighters[0].power, 0.0f);

        summon_start(c, CHARACTER_JASON);
        to_effect();
        fighters[1].guarding = FIGHTER_FLAG_ON;
        skeletons[1]->action = ACTION_BLOCK_STAND;
        ticks_in(SUMMON_EFFECT);
        EXPECT_EQ(summon_victim, 0) << c;
        EXPECT_EQ(fighters[0].power, 0.0f);
        EXPECT_EQ(fighters[1].hit_recoil, HIT_RECOIL_FAR);
        EXPECT_EQ(fighters[1].hit_stun, 30);
        EXPECT_EQ(skeletons[1]->action, ACTION_BLOCK_STAND_B) << "the twin restarts the reaction";
        EXPECT_EQ(sfx_last_request.number, SFX_GUARD);
        EXPECT_GE(sfx_last_request.frequency, 700);
        EXPECT_LT(sfx_last_request.frequency, 900);
        EXPECT_FLOAT_EQ(light.light1_diffuse[2], 2.0f);
        EXPECT_FLOAT_EQ(fighters[1].hit_z, fighters[1].pos_z + 10.0f);
    }
}

// The Furies rise one after another, each striking once; the third hands over to no one.
TEST_F(SummonTest, TheFuriesTakeTurnsAndEachStrikesOnce)
{
    summon_start(CHARACTER_MINOTAUR, CHARACTER_JASON, true);
    fighters[0].damage[19] = 0.0f;
    to_effect();
    std::vector<int> order;
    for (int t = 0; t < 400 && summon_phase == SUMMON_EFFECT; t++) {
        summon_update(0);
        int active = -1;
        for (int i = 0; i < SUMMON_FURY_RECORDS; i++)
            if (summon_pool_furies[i].life > 0.0f)
                active = i;
        if (order.empty() || order.back() != active)
            order.push_back(active);
    }
    EXPECT_EQ(order, (std::vector<int>{0, 1, 2, -1}));
    EXPECT_EQ(combo_hits[0], 3);
    for (const SummonRecord &fury : summon_pool_furies)
        EXPECT_EQ(fury.struck, 1);
}

// A soldier out of the opponent's reach in height marches on past and never strikes.
TEST_F(SummonTest, ASoldierOutOfReachMarchesPast)
{
    summon_start(CHARACTER_ODYSSEUS, CHARACTER_JASON, true);
    summon_effect_update(0, FX_INIT);
    summon_pool_soldiers[0].pos[2] = 30.0f;    // opponent's reach: 10 +- 10
    for (int t = 0; t < 100; t++)
        summon_soldiers_update(0, FX_STEP);
    EXPECT_GT(summon_pool_soldiers[0].pos[0], fighters[1].pos_x + 5.0f);
    EXPECT_EQ(summon_pool_soldiers[0].struck, 0);
    EXPECT_EQ(summon_record_count, 10) << "one soldier joins every 10 ticks";
}

// Arrows that reach the ground stay there and fade; none strikes twice; the pools never
// overrun, however long the volleys run.
TEST_F(SummonTest, VolleysStayWithinTheirPools)
{
    summon_start(CHARACTER_ATALANTA, CHARACTER_JASON);
    summon_arrows_update(0, FX_INIT);
    for (int t = 0; t < 1000; t++)
        summon_arrows_update(0, FX_STEP);
    EXPECT_EQ(summon_record_count, SUMMON_ARROW_RECORDS);
    EXPECT_LE(summon_pool_arrows[0].pos[2], 0.0f);
    EXPECT_EQ(summon_pool_arrows[0].life, 0.0f);
    EXPECT_NEAR(summon_pool_arrows[0].phase, 1.0f, 1e-5);

    for (int c : {CHARACTER_JASON, CHARACTER_HIPPOLYTE, CHARACTER_ATROPOS, CHARACTER_ODYSSEUS}) {
        summon_start(c, CHARACTER_JASON);
        summon_effect_update(0, FX_INIT);
        for (int t = 0; t < 2000; t++)
            summon_effect_update(0, FX_STEP);
        EXPECT_LE(summon_impact_count, SUMMON_RING_RECORDS);
        EXPECT_LE(summon_record_count, SUMMON_GAIA_RECORDS > SUMMON_ARROW_RECORDS ? SUMMON_GAIA_RECORDS
                                                                                   : SUMMON_ARROW_RECORDS);
    }
}

// Jason's impact sound only for rocks landing within 50 of the opponent; each rock opens one
// ring as it lands.
TEST_F(SummonTest, RocksSoundNearTheOpponentAndOpenRings)
{
    summon_start(CHARACTER_JASON, CHARACTER_JASON);
    for (f32 offset : {40.0f, 60.0f}) {
        summon_gaia_update(0, FX_INIT);
        summon_pool_gaia[0].pos[0] = fighters[1].pos_x + offset;
        sfx_last_request = SfxRequest{};
        for (int t = 0; t < 76; t++)
            summon_gaia_update(0, FX_STEP);
        EXPECT_EQ(summon_pool_gaia[0].struck, 1);
        EXPECT_EQ(sfx_last_request.number == SFX_ROCK_IMPACT, offset < 50.0f) << offset;
        EXPECT_EQ(summon_impact_count, 1);
        EXPECT_FLOAT_EQ(summon_pool_shockwave[0].pos[0], summon_pool_gaia[0].pos[0]);
    }
}

// The spray and the smoke rise from model vertices: a short model or one with no vertices
// must neither read past its arrays nor divide by zero.
TEST_F(SummonTest, SprayFromShortOrEmptyModels)
{
    f32 rest[2][3] = {{1.0f, 2.0f, 3.0f}, {4.0f, 5.0f, 6.0f}};
    f32 normals[2][3] = {{0.0f, 0.0f, 1.0f}, {1.0f, 0.0f, 0.0f}};
    Model short_model = {};
    short_model.vertex_count = 2;
    short_model.rest_pos = short_model.pos = rest;
    short_model.rest_normals = short_model.normals = normals;
    Model empty = {};
    for (Model *m : {&short_model, &empty}) {
        summon_wave_particles(summon_pool_wave, FX_INIT, m);
        summon_hurricane_particles(summon_pool_hurricane, FX_INIT, m);
        for (int t = 0; t < 60; t++) {
            summon_wave_particles(summon_pool_wave, FX_STEP, m);
            summon_hurricane_particles(summon_pool_hurricane, FX_STEP, m);
        }
    }
    summon_wave_particles(summon_pool_wave, FX_INIT, &short_model);
    EXPECT_FLOAT_EQ(summon_pool_wave[0].z, 6.0f) << "the last vertex stands in for vertex 20";
    summon_wave_particles(summon_pool_wave, FX_INIT, nullptr);
}

// ---- summon hits --------------------------------------------------------------------------------
class SummonHitTest : public SummonTest {
protected:
    // Side one's piece at side two's body point 3, or beside it.
    int strike(bool on_target = true)
    {
        zone(1, 3, 5.0f, 12.0f, 2.0f);
        const f32 centre[3] = {on_target ? 5.0f : 30.0f, 0.0f, 12.0f};
        const f32 half[3] = {3.0f, 3.0f, 3.0f};
        return resolve_summon_hit(0, centre, half);
    }
};

TEST_F(SummonHitTest, DamageIsTheSummonValueWithoutDefence)
{
    struct Case {
        int summoner, defender;
        bool guarding;
        f32 life_after, head_after;
        bool stunned;
    } cases[] = {
        {CHARACTER_ODYSSEUS, CHARACTER_JASON, false, 0.8f, 0.6f, false},
        {CHARACTER_JASON, CHARACTER_JASON, false, 0.8f, 0.6f, true},
        {CHARACTER_POLYPHEMUS, CHARACTER_JASON, false, 0.8f, 0.6f, true},
        {CHARACTER_MEDUSA, CHARACTER_JASON, false, 0.8f, 0.6f, true},
        {CHARACTER_JASON, CHARACTER_JASON, true, 1.0f, 1.0f, false},
        {CHARACTER_ODYSSEUS, CHARACTER_HYDRA, false, 1.0f, 0.6f, false},
    };
    for (const Case &c : cases) {
        summon_start(c.summoner, c.defender);
        fighters[0].damage[19] = 0.2f;
        fighters[1].damage[0] = 0.5f;   // defence plays no part
        fighters[1].guarding = c.guarding ? FIGHTER_FLAG_ON : 0;
        fighters[0].power = 0.3f;
        fighters[1].power = 0.4f;
        sfx_last_request = SfxRequest{};
        EXPECT_EQ(strike(), 1);
        EXPECT_FLOAT_EQ(fighters[1].life, c.life_after) << c.summoner << " on " << c.defender;
        EXPECT_FLOAT_EQ(fighters[1].head_life[3], c.head_after);
        EXPECT_EQ(fighters[1].action == ACTION_STUNNED, c.stunned) << c.summoner;
        EXPECT_EQ(fighters[1].hit_recoil, HIT_RECOIL_FAR);
        EXPECT_EQ(fighters[0].power, 0.3f) << "no power changes hands";
        EXPECT_EQ(fighters[1].power, 0.4f);
        if (c.guarding) {
            EXPECT_EQ(sfx_last_request.number, SFX_GUARD);
            EXPECT_GE(sfx_last_request.frequency, 700);
            EXPECT_LT(sfx_last_request.frequency, 900);
            EXPECT_EQ(skeletons[1]->action, ACTION_BLOCK_STAND);
        }
    }
}

TEST_F(SummonHitTest, EveryHitCountsInTheCombo)
{
    fighters[0].damage[19] = 0.01f;
    for (int i = 0; i < 3; i++) {
        fighters[1].hit_stun = 0;
        EXPECT_EQ(strike(), 1);
    }
    EXPECT_EQ(combo_hits[0], 3);
    EXPECT_EQ(best_combo[0], 3);
    EXPECT_EQ(combo_display_timer[0], 60);
    EXPECT_EQ(strike(false), 0);
    EXPECT_EQ(combo_hits[0], 3);
}

TEST_F(SummonHitTest, AKnockOutEndsTheSummon)
{
    summon_phase = SUMMON_EFFECT;
    fighters[0].damage[19] = 0.5f;
    fighters[1].life = 0.4f;
    EXPECT_EQ(strike(), 1);
    EXPECT_EQ(fighters[1].action, ACTION_KO);
    EXPECT_EQ(summon_phase, SUMMON_FADE_IN);
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_30HZ);
    EXPECT_EQ(p1_round_wins, 1);
    EXPECT_EQ(strike(), 0) << "no more hits once a fighter is down";
}

// A knock-out in the middle of an effect still fades the light back in and ends at none.
TEST_F(SummonHitTest, AKnockOutDuringTheEffectStillEndsAtNone)
{
    summon_start(CHARACTER_PERSEUS, CHARACTER_JASON, true);
    fighters[0].damage[19] = 0.3f;
    to_effect();
    ticks_in(SUMMON_EFFECT);
    EXPECT_EQ(fighters[1].action, ACTION_KO);
    EXPECT_LT(summon_timer, 1.0f) << "the knock-out cut the effect short";
    EXPECT_NEAR(ticks_in(SUMMON_FADE_IN), 50, 1);
    EXPECT_EQ(summon_phase, SUMMON_NONE);
}

}  // namespace
