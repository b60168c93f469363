// Melee hit detection: zone placement, the overlap rule, who may strike, which points strike
// and are struck, and the end-of-pass checks (stun, knock-out, lost heads, wounds, round wins).
#include "support/hit_fixture.h"

namespace {

struct Point3 {
    f32 x, y, z;
};

class HitDetectionTest : public HitFixture {};

// Degrees become 255/360 of the library's 256-unit turn, so even a full turn is not quite one.
TEST_F(HitDetectionTest, ZonesTurnByHeadingThenMoveToTheFighter)
{
    struct Case {
        f32 heading;
        Point3 vertex, position, world;
    } cases[] = {
        {90.0f, {0, -5, 10}, {3, 1, 2}, {7.999906f, 0.969321f, 12.0f}},
        {360.0f, {10, 0, 0}, {0, 0, 0}, {9.996988f, -0.245406f, 0.0f}},
        {270.0f, {0, -5, 10}, {-20, 0, 0}, {-24.999153f, 0.092031f, 10.0f}},
    };
    for (const Case &c : cases) {
        Fighter *f = &fighters[0];
        f->heading = c.heading;
        f->pos_x = c.position.x;
        f->pos_y = c.position.y;
        f->pos_z = c.position.z;
        f32 *v = &models[0].pos[3 * 4];
        v[0] = c.vertex.x;
        v[1] = c.vertex.y;
        v[2] = c.vertex.z;
        update_hit_zones();
        const HitZone &z = models[0].model.hit_zones[4];
        EXPECT_NEAR(z.x, c.world.x, 1e-4) << c.heading;
        EXPECT_NEAR(z.y, c.world.y, 1e-4) << c.heading;
        EXPECT_NEAR(z.z, c.world.z, 1e-4) << c.heading;
        EXPECT_EQ(z.radius, 1.0f) << "radii are the loader's";
    }
}

// A point without a vertex, or bound past the model's vertices, stays where it was.
TEST_F(HitDetectionTest, UnboundAndOutOfRangePointsKeepTheirPlace)
{
    const i16 bindings[] = {-1, MODEL_HIT_ZONES, 32767, -32768};
    for (i16 vertex : bindings) {
        HitZone *z = &models[0].model.hit_zones[8];
        models[0].model.hit_vertex[8] = vertex;
        z->x = 1.5f;
        z->y = 2.5f;
        z->z = 3.5f;
        update_hit_zones();
        EXPECT_EQ(z->x, 1.5f) << vertex;
        EXPECT_EQ(z->y, 2.5f) << vertex;
        EXPECT_EQ(z->z, 3.5f) << vertex;
    }
    fighter_models[1] = nullptr;
    update_hit_zones();   // a side without a model is passed over
}

TEST_F(HitDetectionTest, SquaresOverlapOnlyWithAnEndStrictlyInside)
{
    struct Case {
        HitSquare a, b;
        bool overlap;
        const char *what;
    } cases[] = {
        {hit_square(0, 0, 1, 1), hit_square(1.5f, 0.5f, 1, 1), true, "corners overlap"},
        {hit_square(0, 0, 5, 5), hit_square(1, 1, 1, 1), true, "one inside the other"},
        {hit_square(1, 1, 1, 1), hit_square(0, 0, 5, 5), true, "the other inside the one"},
        {hit_square(0, 0, 1, 1), hit_square(2, 0, 1, 1), false, "x intervals touch"},
        {hit_square(0, 0, 1, 1), hit_square(0, 2, 1, 1), false, "z intervals touch"},
        {hit_square(0, 0, 1, 1), hit_square(0, 5, 1, 1), false, "x overlaps, z apart"},
        {hit_square(0, 0, 1, 1), hit_square(0, 0.5f, 1, 1), false, "x intervals coincide"},
        {hit_square(0, 0, 1, 1), hit_square(0.5f, 0, 1, 1), false, "z intervals coincide"},
        {hit_square(0, 0, 1, 2), hit_square(0.5f, 0.5f, 2, 1), true, "boxes of two half sizes"},
    };
    for (const Case &c : cases) {
        EXPECT_EQ(zones_overlap(c.a, c.b), c.overlap) << c.what;
        EXPECT_EQ(zones_overlap(c.b, c.a), c.overlap) << c.what << " (swapped)";
    }
}

// Depth across the fight axis plays no part: a weapon far behind the body still hits.
TEST_F(HitDetectionTest, DepthIsIgnored)
{
    attack(0, ACTION_HARD_SWING);
    reach(0, 7, 3);
    fighters[0].pos_y = 40.0f;   // the whole striker moved far along y
    resolve_melee_hits();
    EXPECT_TRUE(struck(1));
}

// Which attack meets which: age, recovery, stun and lock decide; equal ages trade.
TEST_F(HitDetectionTest, WhoMayStrike)
{
    struct Side {
        bool live, window, locked;
        int age, state;
    };
    struct Case {
        Side one, two;
        bool one_struck, two_struck;
        const char *what;
    } cases[] = {
        {{true, true, false, 5, 0}, {true, true, false, 3, 0}, false, true, "the older attack strikes first"},
        {{true, true, false, 3, 0}, {true, true, false, 5, 0}, true, false, "side two's older attack"},
        {{true, true, false, 4, 0}, {true, true, false, 4, 0}, true, true, "equal ages trade"},
        {{true, true, false, 1, 1}, {true, true, false, 9, 0}, false, true, "recovering fighter goes first"},
        {{true, true, true, 5, 0}, {true, true, false, 3, 0}, false, false, "a locked older attack holds off"},
        {{true, true, false, 5, 0}, {true, false, false, 3, 0}, false, true, "older, the other's window shut"},
        {{true, true, false, 5, 0}, {false, false, false, 0, 0}, false, true, "a lone attack"},
        {{true, true, false, 5, 0}, {false, false, false, 0, 2}, false, false, "a stunned fighter is safe"},
        {{true, true, false, 5, 0}, {false, false, false, 0, 1}, false, false, "so is one getting up"},
        {{true, false, false, 5, 0}, {false, false, false, 0, 0}, false, false, "window shut"},
        {{false, true, false, 5, 0}, {false, false, false, 0, 0}, false, false, "window open, nothing live"},
        {{true, true, true, 5, 0}, {false, false, false, 0, 0}, false, false, "already connected"},
    };
    for (const Case &c : cases) {
        SetUp();
        const Side sides[2] = {c.one, c.two};
        for (int p = 0; p < 2; p++) {
            attack(p, ACTION_HARD_SWING, sides[p].age);
            skeletons[p]->attack_live = sides[p].live ? FIGHTER_FLAG_ON : 0;
            skeletons[p]->active_window = sides[p].window ? 1 : 0;
            fighters[p].hit_lock = sides[p].locked ? FIGHTER_FLAG_ON : 0;
            fighters[p].attack_state = sides[p].state;
        }
        reach(0, 7, 2, -2.0f);
        reach(1, 8, 5, 2.0f);
        resolve_melee_hits();
        EXPECT_EQ(struck(0), c.one_struck) << c.what;
        EXPECT_EQ(struck(1), c.two_struck) << c.what;
    }
}

// The window byte is read signed: a value past 127 is a shut window.
TEST_F(HitDetectionTest, WindowByteIsSigned)
{
    attack(0, ACTION_HARD_SWING);
    skeletons[0]->active_window = 200;
    reach(0, 7, 0);
    resolve_melee_hits();
    EXPECT_FALSE(struck(1));
}

// A move hits once; a key step that clears the lock lets it hit again, into a combo.
TEST_F(HitDetectionTest, AMoveHitsOnceUnlessItReArmsItsLock)
{
    attack(0, ACTION_HARD_SWING);
    reach(0, 7, 0);
    resolve_melee_hits();
    EXPECT_TRUE(struck(1));
    EXPECT_EQ(fighters[0].hit_lock, FIGHTER_FLAG_ON);
    fighters[1].hit_stun = 20;
    skeletons[0]->active_window = 1;   // the animation keeps the window open
    resolve_melee_hits();
    EXPECT_EQ(fighters[1].hit_stun, 20) << "locked";
    EXPECT_EQ(combo_hits[0], 1);
    fighters[0].hit_lock = 0;
    resolve_melee_hits();
    EXPECT_TRUE(struck(1));
    EXPECT_EQ(combo_hits[0], 2) << "struck again while still reeling";
}

// Which attack points a move strikes with, by character, move and side.
TEST_F(HitDetectionTest, AttackPointsByMoveAndCharacter)
{
    struct Case {
        int striker_side, striker, defender;
        i32 move;
        int reaching_point;
        bool hits;
        const char *what;
    } cases[] = {
        {0, CHARACTER_JASON, CHARACTER_JASON, ACTION_KICK, 9, true, "a kick strikes with 9"},
        {0, CHARACTER_JASON, CHARACTER_JASON, ACTION_KICK, 10, true, "and 10"},
        {0, CHARACTER_JASON, CHARACTER_JASON, ACTION_KICK, 7, false, "not the weapon"},
        {0, CHARACTER_JASON, CHARACTER_JASON, ACTION_HARD_SWING, 8, true, "a swing strikes with 8"},
        {0, CHARACTER_JASON, CHARACTER_JASON, ACTION_HARD_SWING, 9, false, "not the foot"},
        {0, CHARACTER_JASON, CHARACTER_JASON, ACTION_KICK_FORWARD, 10, true, "forward kick"},
        {0, CHARACTER_POLYPHEMUS, CHARACTER_JASON, ACTION_KICK, 7, true, "Polyphemus kicks with 7"},
        {0, CHARACTER_POLYPHEMUS, CHARACTER_JASON, ACTION_KICK_SWEEP, 9, false, "never with 9"},
        {1, CHARACTER_ODYSSEUS, CHARACTER_ARES, ACTION_KICK_SWEEP, 8, true, "Odysseus on two vs Ares"},
        {1, CHARACTER_ODYSSEUS, CHARACTER_ARES, ACTION_KICK_SWEEP, 9, false, "not his foot there"},
        {0, CHARACTER_ODYSSEUS, CHARACTER_ARES, ACTION_KICK_SWEEP, 9, true, "on side one: his foot"},
        {1, CHARACTER_ODYSSEUS, CHARACTER_JASON, ACTION_KICK_SWEEP, 10, true, "against another: his foot"},
        {1, CHARACTER_ODYSSEUS, CHARACTER_ARES, ACTION_KICK, 9, true, "other kicks: his foot"},
    };
    for (const Case &c : cases) {
        if (c.striker_side == 0)
            hit_start(c.striker, c.defender);
        else
            hit_start(c.defender, c.striker);
        attack(c.striker_side, c.move);
        reach(c.striker_side, c.reaching_point, 1);
        resolve_melee_hits();
        EXPECT_EQ(struck(1 - c.striker_side), c.hits) << c.what;
    }
}

// The Hydra loses a body point and an attack point with each head.
TEST_F(HitDetectionTest, HydraPointsFollowItsHeads)
{
    struct Case {
        int heads, point;
        bool hydra_strikes;
        bool hits;
    } cases[] = {
        {2, 5, true, true}, {2, 8, true, true}, {2, 9, true, false}, {4, 10, true, true},
        {1, 7, true, true}, {1, 8, true, false},
        {2, 0, false, true}, {2, 1, false, true}, {2, 2, false, false}, {4, 3, false, true},
        {4, 4, false, false}, {1, 1, false, false},
    };
    for (const Case &c : cases) {
        hit_start(CHARACTER_HYDRA, CHARACTER_JASON);
        fighters[0].heads_left = c.heads;
        if (c.hydra_strikes) {
            attack(0, ACTION_HARD_SWING);
            reach(0, c.point, 0);
        } else {
            attack(1, ACTION_HARD_SWING);
            reach(1, 7, c.point);
        }
        resolve_melee_hits();
        EXPECT_EQ(struck(c.hydra_strikes ? 1 : 0), c.hits) << c.heads << " heads, point " << c.point;
    }
}

// In a trade each search locks its striker at once; the struck point is the one found by the
// last attack point that found any.
TEST_F(HitDetectionTest, TradeLocksAndTakesTheLastFind)
{
    attack(0, ACTION_HARD_SWING, 3);
    attack(1, ACTION_HARD_SWING, 3);
    zone(0, 7, 0.0f, 5.0f);
    zone(0, 8, 10.0f, 5.0f);
    zone(1, 1, 0.5f, 5.5f);
    zone(1, 4, 10.5f, 5.5f);
    resolve_melee_hits();
    EXPECT_TRUE(struck(1));
    EXPECT_FALSE(struck(0));
    EXPECT_EQ(fighters[0].hit_lock, FIGHTER_FLAG_ON);
    EXPECT_EQ(fighters[1].hit_lock, 0);
    EXPECT_NEAR(fighters[1].hit_x, 10.5f, 1e-4) << "point 4, found by point 8";
}

// A one-sided trade tests the guard alone: a standing guard holds even against a crouching
// swing, which it would not against a lone strike.
TEST_F(HitDetectionTest, OneSidedTradeTestsTheGuardAlone)
{
    struct Case {
        int two_age;
        bool blocked;
    } cases[] = {{3, true}, {1, false}};
    for (const Case &c : cases) {
        SetUp();
        attack(0, ACTION_HARD_SWING_CROUCH, 3);
        fighters[0].posture = POSTURE_CROUCH;
        fighters[0].damage[8] = 0.1f;
        attack(1, ACTION_HARD_SWING, c.two_age);
        fighters[1].guarding = FIGHTER_FLAG_ON;
        reach(0, 7, 0);
        resolve_melee_hits();
        ASSERT_TRUE(struck(1));
        EXPECT_EQ(fighters[1].life < 1.0f, !c.blocked) << "age " << c.two_age;
    }
}

// A fighter whose stun has built past 10 is stunned at the end of a pass without a hit.
TEST_F(HitDetectionTest, StunAtTheEndOfAPass)
{
    fighters[1].stun_build = 11;
    fighters[0].stun_build = 10;
    resolve_melee_hits();
    EXPECT_EQ(fighters[1].action, ACTION_STUNNED);
    EXPECT_EQ(skeletons[1]->action, ACTION_STUNNED);
    EXPECT_EQ(fighters[1].attack_state, ATTACK_STATE_STUNNED);
    EXPECT_EQ(fighters[1].stun_build, 0);
    EXPECT_EQ(camera_shake, 2);
    EXPECT_NE(fighters[0].action, ACTION_STUNNED) << "10 is not past 10";
    camera_shake = 0;
    fighters[0].stun_build = 12;
    check_stun_and_knockout(false);
    EXPECT_EQ(fighters[0].action, ACTION_STUNNED);
    EXPECT_EQ(camera_shake, 0) << "projectile and summon checks do not shake";
}

// The hit that empties life declares no knock-out; the next pass without a hit does, with the
// slow motion and the fallen fighter's voice.
TEST_F(HitDetectionTest, KnockOutFollowsTheTickAfterLifeRunsOut)
{
    struct Case {
        int character;
        int voice;   // -1 none
    } cases[] = {
        {CHARACTER_JASON, SFX_VOICE_KO_MALE}, {CHARACTER_ARES, SFX_VOICE_KO_MALE},
        {CHARACTER_ATALANTA, SFX_VOICE_KO_FEMALE}, {CHARACTER_ATROPOS, SFX_VOICE_KO_FEMALE},
        {CHARACTER_MINOTAUR, -1}, {CHARACTER_MEDUSA, -1},
    };
    for (const Case &c : cases) {
        hit_start(CHARACTER_JASON, c.character);
        fighters[1].life = 0.05f;
        fighters[0].damage[6] = 0.5f;
        attack(0, ACTION_HARD_SWING);
        reach(0, 7, 0);
        resolve_melee_hits();
        ASSERT_LE(fighters[1].life, 0.0f);
        EXPECT_NE(fighters[1].action, ACTION_KO) << "not in the tick of the hit";
        EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
        const int requests = sfx_request_count;
        resolve_melee_hits();
        EXPECT_EQ(fighters[1].action, ACTION_KO) << c.character;
        EXPECT_EQ(skeletons[1]->action, ACTION_KO);
        EXPECT_EQ(skeletons[1]->attack_live, 0);
        EXPECT_EQ(logic_tick_units, LOGIC_TICK_30HZ);
        EXPECT_EQ(p1_round_wins, 1);
        EXPECT_EQ(p2_round_wins, 0);
        if (c.voice < 0) {
            EXPECT_EQ(sfx_request_count, requests) << c.character;
        } else {
            EXPECT_EQ(sfx_request_count, requests + 1) << c.character;
            EXPECT_EQ(sfx_last_request.number, c.voice);
            EXPECT_EQ(sfx_last_request.pan, 127);
        }
        resolve_melee_hits();
        EXPECT_EQ(p1_round_wins, 1) << "counted once: the pass stops at a knock-out";
    }
}

TEST_F(HitDetectionTest, RoundWins)
{
    struct Case {
        f32 life_one, life_two;
        int wins_one, wins_two;
    } cases[] = {
        {0.0f, 0.5f, 0, 1}, {0.4f, 0.001f, 1, 0}, {0.0f, -0.2f, 0, 0}, {0.0011f, 0.5f, 0, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        fighters[0].life = c.life_one;
        fighters[1].life = c.life_two;
        resolve_melee_hits();
        EXPECT_EQ(p1_round_wins, c.wins_one) << c.life_one << " " << c.life_two;
        EXPECT_EQ(p2_round_wins, c.wins_two) << c.life_one << " " << c.life_two;
    }
}

// Wounds show only with blood on, and never heal within the round.
TEST_F(HitDetectionTest, WoundLevels)
{
    struct Case {
        u8 blood_on;
        f32 life;
        i32 before, after;
    } cases[] = {
        {255, 0.6f, 0, 0}, {255, 0.5f, 0, 1}, {255, 0.3f, 0, 1}, {255, 0.25f, 0, 2}, {255, 0.6f, 2, 2},
        {0, 0.1f, 0, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        blood = c.blood_on;
        fighters[1].life = c.life;
        wound_level[1] = c.before;
        resolve_melee_hits();
        EXPECT_EQ(wound_level[1], c.after) << c.life;
        EXPECT_EQ(wound_level[0], 0);
    }
}

// The Hydra's heads fall one by one through its head-lost animation; the last one knocks it
// out and gives the other side the match at once.
TEST_F(HitDetectionTest, HydraLosesItsHeadsThenTheMatch)
{
    hit_start(CHARACTER_JASON, CHARACTER_HYDRA);
    rounds_to_win = 3;
    fighters[0].damage[6] = 0.3f;
    int hits = 0;
    for (int heads = 4; heads >= 1; heads--) {
        while (fighters[1].head_life[heads - 1] > 0.001f) {
            attack(0, ACTION_HARD_SWING);
            reach(0, 7, 0);
            resolve_melee_hits();
            ASSERT_TRUE(struck(1)) << heads << " heads, hit " << hits;
            fighters[1].hit_stun = 0;
            fighters[1].stun_build = 0;   // no stun in between to wait out
            hits++;
            EXPECT_EQ(fighters[1].life, 1.0f) << "hits never lower the Hydra's life";
            ASSERT_LT(hits, 20);
        }
        skeletons[0]->attack_live = 0;
        resolve_melee_hits();
        if (heads == 1)
            break;
        EXPECT_EQ(fighters[1].action, ACTION_HEAD_LOST) << heads;
        EXPECT_EQ(skeletons[1]->action, ACTION_HEAD_LOST);
        resolve_melee_hits();
        EXPECT_EQ(fighters[1].action, ACTION_HEAD_LOST) << "set once";
        // What the Hydra's animation step does at the end of the head's fall.
        fighters[1].heads_left--;
        fighters[1].action = ACTION_IDLE;
        skeletons[1]->action = ACTION_IDLE;
        resolve_melee_hits();
        EXPECT_EQ(fighters[1].action, ACTION_IDLE) << "the next head is whole";
    }
    EXPECT_EQ(fighters[1].heads_left, 1);
    EXPECT_EQ(fighters[1].action, ACTION_KO);
    EXPECT_EQ(p1_round_wins, 3) << "the match";
    EXPECT_EQ(hits, 8) << "two hits of 0.3 (0.6 off a head) per head";
}

// A Hydra that loses its last head on side one gives side two the match.
TEST_F(HitDetectionTest, HydraOnSideOneGivesSideTwoTheMatch)
{
    hit_start(CHARACTER_HYDRA, CHARACTER_JASON);
    fighters[0].heads_left = 1;
    fighters[0].head_life[0] = 0.0f;
    p2_round_wins = 1;
    resolve_melee_hits();
    EXPECT_EQ(fighters[0].action, ACTION_KO);
    EXPECT_EQ(p2_round_wins, 2);
}

// Whatever heads_left holds, head life is read and written within the four heads.
TEST_F(HitDetectionTest, HeadCountOutOfRangeStaysInsideTheHeads)
{
    const i32 counts[] = {0, -3, 5, 1000};
    for (i32 count : counts) {
        hit_start(CHARACTER_JASON, CHARACTER_HYDRA);
        fighters[1].heads_left = count;
        fighters[0].damage[6] = 0.1f;
        attack(0, ACTION_HARD_SWING);
        reach(0, 7, 0);
        resolve_melee_hits();
        fighters[0].hit_lock = 0;
        resolve_melee_hits();
        skeletons[0]->attack_live = 0;
        resolve_melee_hits();
        EXPECT_FLOAT_EQ(fighters[1].head_life[fighter_head_index(&fighters[1])], 0.6f) << count;
        EXPECT_EQ(fighters[1].life, 1.0f);
    }
}

TEST_F(HitDetectionTest, NothingHappensOnceAFighterIsKnockedOut)
{
    fighters[0].action = ACTION_KO;
    attack(1, ACTION_HARD_SWING);
    reach(1, 7, 0);
    fighters[1].stun_build = 20;
    resolve_melee_hits();
    EXPECT_FALSE(struck(0));
    EXPECT_EQ(fighters[1].stun_build, 20);
    EXPECT_EQ(p2_round_wins, 0);
}

}  // namespace
