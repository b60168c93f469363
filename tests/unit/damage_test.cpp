// Hit resolution: guard rules by posture, damage from the tuning values less defence, power,
// stun build-up, follow-ups, combos, voices, reactions with the hit light, and the trade.
#include "support/hit_fixture.h"

#include "combat/combat_local.h"

#include <set>

namespace {

constexpr f32 STRUCK_X = 4.0f, STRUCK_Z = 12.0f;

class DamageTest : public HitFixture {
protected:
    // Side a's move `move` lands on the other side's body point j at (STRUCK_X, STRUCK_Z).
    void hit(int a, i32 move, int j = 2, u8 rules = HIT_RULE_MELEE)
    {
        attack(a, move);
        zone(1 - a, j, STRUCK_X, STRUCK_Z);
        update_hit_zones();
        apply_melee_hit(a, j, rules);
    }
};

TEST_F(DamageTest, GuardAndDamageByPosture)
{
    struct Case {
        int attacker;
        i32 move;
        u8 attacker_posture, defender_posture;
        bool guarding;
        f32 defence, value;
        f32 loss;
        int sounds, last_sound;
        i32 reaction;
        u8 recoil;
        f32 light_blue;
        const char *what;
    } cases[] = {
        {CHARACTER_JASON, ACTION_HARD_SWING_CROUCH, POSTURE_CROUCH, POSTURE_STAND, true, 0.0f, 0.1f, 0.1f,
         3, SFX_VOICE_HURT_MALE, ACTION_HIT_STAND, HIT_RECOIL_HEAVY, 0.5f, "standing guard, crouching swing"},
        {CHARACTER_JASON, ACTION_LOW_SWING_AIR, POSTURE_AIR, POSTURE_CROUCH, true, 0.0f, 0.1f, 0.1f,
         1, SFX_HIT_LOW, ACTION_HIT_CROUCH, HIT_RECOIL_LIGHT, 0.5f, "crouching guard, airborne swing"},
        {CHARACTER_ATROPOS, ACTION_ATROPOS_SPECIAL1, POSTURE_AIR, POSTURE_CROUCH, true, 0.0f, 0.1f, 0.0f,
         1, SFX_GUARD, ACTION_HIT_CROUCH, HIT_RECOIL_HEAVY, 0.5f, "held, yet shown as a hit"},
        {CHARACTER_JASON, ACTION_HARD_SWING, POSTURE_STAND, POSTURE_STAND, true, 0.0f, 0.1f, 0.0f,
         1, SFX_GUARD, ACTION_BLOCK_STAND, HIT_RECOIL_HEAVY, 2.0f, "guarded heavy"},
        {CHARACTER_JASON, ACTION_KICK, POSTURE_STAND, POSTURE_STAND, true, 0.0f, 0.1f, 0.0f,
         1, SFX_GUARD, ACTION_BLOCK_STAND, HIT_RECOIL_LIGHT, 2.0f, "guarded light"},
        {CHARACTER_JASON, ACTION_KICK_CROUCH, POSTURE_CROUCH, POSTURE_CROUCH, true, 0.0f, 0.1f, 0.0f,
         1, SFX_GUARD, ACTION_BLOCK_CROUCH, HIT_RECOIL_LIGHT, 2.0f, "crouching guard, crouching kick"},
        {CHARACTER_JASON, ACTION_LOW_SWING, POSTURE_STAND, POSTURE_AIR, true, 0.0f, 0.1f, 0.0f,
         1, SFX_GUARD, ACTION_BLOCK_AIR, HIT_RECOIL_LIGHT, 2.0f, "airborne guard"},
        {CHARACTER_JASON, ACTION_HARD_SWING, POSTURE_STAND, POSTURE_STAND, false, 0.25f, 0.1f, 0.075f,
         3, SFX_VOICE_HURT_MALE, ACTION_HIT_STAND, HIT_RECOIL_HEAVY, 0.5f, "defence 0.25"},
        {CHARACTER_JASON, ACTION_KICK_FORWARD, POSTURE_STAND, POSTURE_STAND, false, 1.0f, 0.5f, 0.0f,
         3, SFX_VOICE_HURT_MALE, ACTION_HIT_STAND, HIT_RECOIL_HEAVY, 0.5f, "full defence"},
        {CHARACTER_JASON, ACTION_WALK_FORWARD, POSTURE_STAND, POSTURE_STAND, false, 0.0f, 0.1f, 0.0f,
         0, -1, ACTION_HIT_STAND, HIT_RECOIL_NONE, 0.5f, "a move of no class"},
    };
    for (const Case &c : cases) {
        hit_start(c.attacker, CHARACTER_JASON);
        Fighter *d = &fighters[1];
        fighters[0].posture = c.attacker_posture;
        d->posture = c.defender_posture;
        d->pos_z = c.defender_posture == POSTURE_AIR ? 6.0f : 0.0f;
        d->guarding = c.guarding ? FIGHTER_FLAG_ON : 0;
        d->damage[0] = c.defence;
        const MeleeMove &move = melee_move(c.move);
        fighters[0].damage[move.damage_index] = c.value;
        const int before = sfx_request_count;
        hit(0, c.move);
        EXPECT_NEAR(1.0f - d->life, c.loss, 1e-6) << c.what;
        EXPECT_EQ(sfx_request_count - before, c.sounds) << c.what;
        if (c.last_sound >= 0) {
            EXPECT_EQ(sfx_last_request.number, c.last_sound) << c.what;
        }
        if (c.last_sound == SFX_GUARD) {
            EXPECT_GE(sfx_last_request.frequency, 900) << c.what;
            EXPECT_LT(sfx_last_request.frequency, 1100) << c.what;
        }
        EXPECT_EQ(skeletons[1]->action, c.reaction) << c.what;
        EXPECT_EQ(d->hit_recoil, c.recoil) << c.what;
        EXPECT_EQ(stage_light->light1_diffuse[2], c.light_blue) << c.what;
        EXPECT_EQ(d->action, ACTION_IDLE) << c.what;
        EXPECT_EQ(d->hit_stun, 30);
        EXPECT_EQ(d->hit_flash, 30);
        EXPECT_EQ(fighters[0].hit_lock, FIGHTER_FLAG_ON);
        if (c.defender_posture == POSTURE_AIR) {
            EXPECT_EQ(d->hop_base_z, 6.0f) << "the hop starts where it was struck";
            EXPECT_EQ(d->jump_frame, 0);
        }
    }
}

// The reaction cuts the defender's own attack, lights the struck point and turns the defender.
TEST_F(DamageTest, ReactionCutsTheAttackAndLightsTheStruckPoint)
{
    Fighter *d = &fighters[1];
    attack(1, ACTION_KICK);
    d->facing = 1;   // looking the wrong way
    d->aura = AURA_EMITTING;
    hit(0, ACTION_HARD_SWING);
    EXPECT_EQ(skeletons[1]->attack_live, 0);
    EXPECT_EQ(skeletons[1]->active_window, 0);
    EXPECT_EQ(d->aura, AURA_FADING);
    EXPECT_EQ(d->facing, 0);
    EXPECT_EQ(d->turned, 0);
    EXPECT_EQ(d->heading, HEADING_FACING_LEFT);
    EXPECT_EQ(stage_light->hit_light_on, 1);
    EXPECT_NEAR(d->hit_x, STRUCK_X, 1e-4);
    EXPECT_NEAR(d->hit_z, STRUCK_Z, 1e-4);
    EXPECT_NEAR(stage_light->light1_position[0], STRUCK_X, 1e-4);
    EXPECT_EQ(stage_light->light1_position[1], 0.0f);
    EXPECT_NEAR(stage_light->light1_position[2], STRUCK_Z, 1e-4);
    EXPECT_EQ(stage_light->light1_position[3], 1.0f);
    EXPECT_EQ(stage_light->light1_diffuse[0], 2.0f);
}

// A second hit while a reaction shows plays its twin, so the animation starts over.
TEST_F(DamageTest, ReactionsAlternateWithTheirTwins)
{
    struct Case {
        u8 posture;
        bool guarding;
        i32 first, twin;
    } cases[] = {
        {POSTURE_STAND, false, ACTION_HIT_STAND, ACTION_HIT_STAND_B},
        {POSTURE_CROUCH, false, ACTION_HIT_CROUCH, ACTION_HIT_CROUCH_B},
        {POSTURE_AIR, false, ACTION_HIT_AIR, ACTION_HIT_AIR_B},
        {POSTURE_STAND, true, ACTION_BLOCK_STAND, ACTION_BLOCK_STAND_B},
        {POSTURE_CROUCH, true, ACTION_BLOCK_CROUCH, ACTION_BLOCK_CROUCH_B},
        {POSTURE_AIR, true, ACTION_BLOCK_AIR, ACTION_BLOCK_AIR_B},
    };
    for (const Case &c : cases) {
        SetUp();
        const i32 expected[] = {c.first, c.twin, c.first};
        for (i32 reaction : expected) {
            fighters[1].posture = c.posture;
            fighters[1].guarding = c.guarding ? FIGHTER_FLAG_ON : 0;
            hit(0, ACTION_LOW_SWING);
            EXPECT_EQ(skeletons[1]->action, reaction);
        }
    }
}

TEST_F(DamageTest, HurtVoicesByCharacter)
{
    struct Case {
        int defender;
        int sounds, last;
    } cases[] = {
        {CHARACTER_JASON, 3, SFX_VOICE_HURT_MALE}, {CHARACTER_POLYPHEMUS, 3, SFX_VOICE_HURT_MALE},
        {CHARACTER_HIPPOLYTE, 2, SFX_VOICE_HURT_FEMALE}, {CHARACTER_ATROPOS, 2, SFX_VOICE_HURT_FEMALE},
        {CHARACTER_MINOTAUR, 1, SFX_HIT_HARD}, {CHARACTER_SPHINX, 1, SFX_HIT_HARD},
        {CHARACTER_HYDRA, 1, SFX_HIT_HARD},
    };
    for (const Case &c : cases) {
        hit_start(CHARACTER_JASON, c.defender);
        const int before = sfx_request_count;
        hit(0, ACTION_HARD_SWING, 0);
        EXPECT_EQ(sfx_request_count - before, c.sounds) << c.defender;
        EXPECT_EQ(sfx_last_request.number, c.last) << c.defender;
        EXPECT_EQ(sfx_last_request.pan, 127);
        EXPECT_EQ(sfx_last_request.frequency, 1000);
        // Light hits make no voice.
        const int light_before = sfx_request_count;
        hit(0, ACTION_LOW_SWING, 0);
        EXPECT_EQ(sfx_request_count - light_before, 1) << c.defender;
        EXPECT_EQ(sfx_last_request.number, SFX_HIT_LOW);
    }
}

// Both gain power from a clean hit; a gain that fills the gauge stops at exactly 1 with one
// sound. A side whose curse lingers on the other gains nothing, given or taken.
TEST_F(DamageTest, PowerGain)
{
    struct Case {
        int attacker;
        f32 power_attacker, power_defender;
        i32 victim;
        f32 after_attacker, after_defender;
        int full_sounds;
    } cases[] = {
        {0, 0.0f, 0.0f, 0, 0.1f, 0.15f, 0},
        {0, 0.95f, 0.0f, 0, 1.0f, 0.15f, 1},
        {0, 1.0f, 0.9f, 0, 1.0f, 1.0f, 1},
        {0, 0.5f, 0.5f, 2, 0.5f, 0.65f, 0},
        {1, 0.5f, 0.5f, 2, 0.6f, 0.5f, 0},
        {1, 0.5f, 0.5f, 1, 0.5f, 0.65f, 0},
    };
    for (const Case &c : cases) {
        hit_start(CHARACTER_MINOTAUR, CHARACTER_MINOTAUR);   // no hurt voice to count
        const int d = 1 - c.attacker;
        fighters[c.attacker].power = c.power_attacker;
        fighters[d].power = c.power_defender;
        summon_victim = c.victim;
        const int before = sfx_request_count;
        hit(c.attacker, ACTION_HARD_SWING);
        EXPECT_FLOAT_EQ(fighters[c.attacker].power, c.after_attacker) << c.power_attacker;
        EXPECT_FLOAT_EQ(fighters[d].power, c.after_defender) << c.power_defender;
        EXPECT_EQ(sfx_request_count - before, 1 + c.full_sounds);
        if (c.full_sounds) {
            EXPECT_EQ(sfx_last_request.number, SFX_POWER_FULL);
        }
    }
    // A guarded hit gives no power.
    SetUp();
    fighters[1].guarding = FIGHTER_FLAG_ON;
    hit(0, ACTION_HARD_SWING);
    EXPECT_EQ(fighters[0].power, 0.0f);
    EXPECT_EQ(fighters[1].power, 0.0f);
}

TEST_F(DamageTest, StunBuildUp)
{
    struct Case {
        int attacker;
        i32 move;
        i8 before, after;
        bool guarding;
    } cases[] = {
        {CHARACTER_JASON, ACTION_KICK_FORWARD, 3, 12, false},
        {CHARACTER_JASON, ACTION_KICK_FORWARD, -20, 12, false},
        {CHARACTER_JASON, ACTION_KICK_FORWARD, 3, 3, true},
        {CHARACTER_JASON, ACTION_HARD_SWING, 3, 5, false},
        {CHARACTER_JASON, ACTION_LOW_SWING, 3, 4, false},
        {CHARACTER_JASON, ACTION_KICK_SWEEP, 3, 4, false},
        {CHARACTER_JASON, ACTION_HARD_SWING_FORWARD, 3, 5, false},
        {CHARACTER_SPHINX, ACTION_HARD_SWING_FORWARD, 3, 12, false},
        {CHARACTER_ODYSSEUS, ACTION_ODYSSEUS_SPECIAL1, 9, 7, false},
        {CHARACTER_POLYPHEMUS, ACTION_POLYPHEMUS_SPECIAL1, 0, 12, false},
        {CHARACTER_ATALANTA, ACTION_ATALANTA_SPECIAL1, 6, 8, false},
        {CHARACTER_JASON, ACTION_HARD_SWING, 126, 127, false},   // saturates, never wraps
    };
    for (const Case &c : cases) {
        hit_start(c.attacker, CHARACTER_JASON);
        fighters[1].stun_build = c.before;
        fighters[1].guarding = c.guarding ? FIGHTER_FLAG_ON : 0;
        hit(0, c.move);
        EXPECT_EQ(fighters[1].stun_build, c.after) << c.move << " by " << c.attacker;
    }
}

// A connecting first or second LOW SWING of a fighter with follow-ups re-arms the button for
// the next step of the chain, guarded or not.
TEST_F(DamageTest, FollowUpsReArmTheLowSwing)
{
    struct Case {
        i32 has_followups;
        i32 move;
        bool guarding;
        i32 chain;
    } cases[] = {
        {1, ACTION_LOW_SWING, false, 2}, {1, ACTION_LOW_SWING, true, 2}, {1, ACTION_LOW_SWING_2, false, 1},
        {1, ACTION_LOW_SWING_3, false, 0}, {0, ACTION_LOW_SWING, false, 0}, {1, ACTION_HARD_SWING, false, 0},
    };
    for (const Case &c : cases) {
        SetUp();
        fighters[0].has_followups = c.has_followups;
        fighters[1].guarding = c.guarding ? FIGHTER_FLAG_ON : 0;
        input_low_swing_ready[0] = 0;
        hit(0, c.move);
        EXPECT_EQ(followup_chain[0], c.chain) << c.move;
        EXPECT_EQ(followup_timer[0], c.chain ? 30 : 0) << c.move;
        EXPECT_EQ(input_low_swing_ready[0], c.chain ? FIGHTER_FLAG_ON : 0) << c.move;
    }
}

TEST_F(DamageTest, SweepKnocksDownOnlyWhoStandsOrCrouches)
{
    struct Case {
        int defender;
        u8 posture;
        bool guarding;
        i32 reaction;
    } cases[] = {
        {CHARACTER_JASON, POSTURE_STAND, false, ACTION_KNOCKDOWN},
        {CHARACTER_JASON, POSTURE_CROUCH, false, ACTION_KNOCKDOWN},
        {CHARACTER_JASON, POSTURE_AIR, false, ACTION_HIT_AIR},
        {CHARACTER_MEDUSA, POSTURE_STAND, false, ACTION_HIT_STAND},
        {CHARACTER_HYDRA, POSTURE_STAND, false, ACTION_HIT_STAND},
        {CHARACTER_JASON, POSTURE_CROUCH, true, ACTION_BLOCK_CROUCH},
    };
    for (const Case &c : cases) {
        hit_start(CHARACTER_JASON, c.defender);
        fighters[0].posture = POSTURE_CROUCH;
        fighters[1].posture = c.posture;
        fighters[1].guarding = c.guarding ? FIGHTER_FLAG_ON : 0;
        fighters[1].attack_state = ATTACK_STATE_RECOVERING;
        hit(0, ACTION_KICK_SWEEP, 0);
        EXPECT_EQ(skeletons[1]->action, c.reaction) << c.defender << " " << int(c.posture);
        if (c.reaction == ACTION_KNOCKDOWN) {
            EXPECT_EQ(fighters[1].attack_state, ATTACK_STATE_NORMAL);
        }
    }
    // Without the knock-down rule (projectiles, summons, a trade) the sweep is a plain hit.
    SetUp();
    fighters[0].posture = POSTURE_CROUCH;
    hit(0, ACTION_KICK_SWEEP, 0, HIT_RULE_GUARD_ALONE);
    EXPECT_EQ(skeletons[1]->action, ACTION_HIT_STAND);
}

// Hits on a defender still in hit-stun build the attacker's combo.
TEST_F(DamageTest, CombosAndBestCombo)
{
    for (int n = 1; n <= 3; n++) {
        hit(0, ACTION_LOW_SWING);
        EXPECT_EQ(combo_hits[0], n);
        fighters[1].hit_stun = 10;   // still reeling at the next hit
    }
    EXPECT_EQ(best_combo[0], 3);
    EXPECT_EQ(combo_display_timer[0], 60);
    fighters[1].hit_stun = 0;
    combo_display_timer[0] = 5;
    hit(0, ACTION_LOW_SWING);
    EXPECT_EQ(combo_hits[0], 1) << "a fresh combo";
    EXPECT_EQ(best_combo[0], 3);
    EXPECT_EQ(combo_display_timer[0], 5);
    EXPECT_EQ(combo_hits[1], 0);
}

// The Hydra's life stays full; the head in play loses twice the damage.
TEST_F(DamageTest, HydraHeadTakesTwiceTheDamage)
{
    hit_start(CHARACTER_JASON, CHARACTER_HYDRA);
    fighters[0].damage[6] = 0.1f;
    fighters[1].damage[0] = 0.5f;
    fighters[1].heads_left = 3;
    hit(0, ACTION_HARD_SWING, 0);
    EXPECT_EQ(fighters[1].life, 1.0f);
    EXPECT_FLOAT_EQ(fighters[1].head_life[2], 0.9f);
    EXPECT_EQ(fighters[1].head_life[3], 1.0f);
    EXPECT_EQ(fighters[1].head_life[1], 1.0f);
}

// Two attacks of the same age meet: both are struck, each by the other's tuning, and both
// show the hit pose (no block, no knock-down) under one light at side one's struck point.
TEST_F(DamageTest, TradeStrikesBoth)
{
    attack(0, ACTION_KICK_SWEEP, 4);
    attack(1, ACTION_HARD_SWING, 4);
    fighters[0].posture = POSTURE_CROUCH;
    fighters[0].damage[13] = 0.1f;
    fighters[1].damage[6] = 0.2f;
    fighters[0].guarding = FIGHTER_FLAG_ON;
    fighters[1].hit_stun = 5;   // still reeling from side one's last hit
    combo_hits[0] = 1;
    zone(0, 9, 0.0f, 3.0f);
    zone(1, 5, 0.5f, 3.5f);
    zone(1, 7, 6.0f, 14.0f);
    zone(0, 1, 5.5f, 14.5f);
    resolve_melee_hits();
    EXPECT_FLOAT_EQ(fighters[1].life, 0.9f);
    EXPECT_EQ(fighters[0].life, 1.0f) << "its guard held";
    EXPECT_EQ(skeletons[0]->action, ACTION_HIT_CROUCH);
    EXPECT_EQ(skeletons[1]->action, ACTION_HIT_STAND) << "no knock-down in a trade";
    EXPECT_EQ(combo_hits[0], 2) << "side two was still reeling";
    EXPECT_EQ(combo_hits[1], 1);
    EXPECT_EQ(fighters[0].hit_stun, 30);
    EXPECT_EQ(fighters[1].hit_stun, 30);
    EXPECT_EQ(fighters[0].hit_lock, FIGHTER_FLAG_ON);
    EXPECT_EQ(fighters[1].hit_lock, FIGHTER_FLAG_ON);
    EXPECT_EQ(skeletons[0]->attack_live, 0);
    EXPECT_EQ(skeletons[1]->attack_live, 0);
    EXPECT_NEAR(fighters[0].hit_x, 5.5f, 1e-4);
    EXPECT_NEAR(fighters[1].hit_x, 0.5f, 1e-4);
    EXPECT_NEAR(stage_light->light1_position[0], 5.5f, 1e-4) << "side one's struck point";
    EXPECT_EQ(stage_light->light1_diffuse[2], 0.5f);
}

// Every move row names a tuning value that exists, once per action, and the kick column
// agrees with the kick moves.
TEST(MeleeMoveTable, RowsAreConsistent)
{
    const i32 kicks[] = {ACTION_KICK, ACTION_KICK_CROUCH, ACTION_KICK_AIR, ACTION_KICK_FORWARD, ACTION_KICK_SWEEP};
    for (i32 kick : kicks)
        EXPECT_EQ(melee_move(kick).kick, 1) << kick;
    std::set<i32> seen;
    for (i32 action = 0; action <= ACTION_HEAD_LOST; action++) {
        const MeleeMove &move = melee_move(action);
        if (move.move_class == MOVE_CLASS_OTHER) {
            EXPECT_EQ(move.damage_index, 0) << action;
            continue;
        }
        EXPECT_EQ(move.action, action);
        EXPECT_TRUE(seen.insert(action).second);
        EXPECT_GE(move.damage_index, 1) << action;
        EXPECT_LT(move.damage_index, TUNING_DAMAGE_COUNT) << action;
        EXPECT_LT(move.move_class, MOVE_CLASS_COUNT) << action;
    }
    EXPECT_EQ(seen.size(), 31u);
    EXPECT_EQ(melee_move(ACTION_ODYSSEUS_SPECIAL2).move_class, MOVE_CLASS_OTHER) << "thrown, not swung";
}

}  // namespace
