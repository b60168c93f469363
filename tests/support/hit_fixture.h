// hit_fixture.h: two fighters with small posed models whose hit-zone points the tests place
// in the world, and attacks set up as the control code and the animation step leave them;
// used by the hit detection and damage tests.
#pragma once

#include "characters/characters.h"
#include "support/fight_fixture.h"

#include <cmath>
#include <vector>

// A model of one vertex per hit-zone point, zone i bound to vertex i.
struct ZoneModel {
    std::vector<f32> pos = std::vector<f32>(3 * MODEL_HIT_ZONES, 0.0f);
    Model model = {};

    ZoneModel() { reset(); }
    ZoneModel(const ZoneModel &) = delete;
    ZoneModel &operator=(const ZoneModel &) = delete;

    void reset()
    {
        model = Model{};
        model.vertex_count = MODEL_HIT_ZONES;
        model.pos = reinterpret_cast<f32(*)[3]>(pos.data());
        for (int i = 0; i < MODEL_HIT_ZONES; i++) {
            model.hit_vertex[i] = static_cast<i16>(i);
            model.hit_zones[i].radius = 1.0f;
        }
    }
};

constexpr f32 FAR_AWAY = 1000.0f;

class HitFixture : public FightFixture {
protected:
    ZoneModel models[2];

    void SetUp() override
    {
        FightFixture::SetUp();
        hit_start(CHARACTER_JASON, CHARACTER_JASON);
    }
    void TearDown() override
    {
        fighter_models[0] = fighter_models[1] = nullptr;
        FightFixture::TearDown();
    }

    // Both fighters as after a round reset, every point far apart and out of reach.
    void hit_start(int first, int second)
    {
        fight_start(first, second);
        for (int p = 0; p < 2; p++) {
            models[p].reset();
            fighter_models[p] = &models[p].model;
            Fighter *f = &fighters[p];
            for (int h = 0; h < FIGHTER_HEAD_COUNT; h++)
                f->head_life[h] = 1.0f;
            for (int i = 0; i < MODEL_HIT_ZONES; i++)
                zone(p, i, FAR_AWAY * (p + 1) + 10.0f * i, FAR_AWAY);
            combo_hits[p] = best_combo[p] = combo_display_timer[p] = followup_timer[p] = 0;
            wound_level[p] = 0;
        }
        p1_round_wins = p2_round_wins = 0;
        rounds_to_win = 2;
        blood = 0;
        stage_light->hit_light_on = 0;
        effects_volume = 64;
        logic_tick_units = LOGIC_TICK_60HZ;
    }

    // Binds side p's point i to a model vertex that the fighter's current heading and
    // position place at world (x, z), on the fighter's own depth.
    void zone(int p, int i, f32 x, f32 z, f32 radius = 1.0f)
    {
        const Fighter *f = &fighters[p];
        const double angle = f->heading * 0.7083334 * M_PI / 128.0;
        const double dx = x - f->pos_x;
        f32 *v = &models[p].pos[3 * i];
        v[0] = static_cast<f32>(std::cos(angle) * dx);
        v[1] = static_cast<f32>(-std::sin(angle) * dx);
        v[2] = z - f->pos_z;
        models[p].model.hit_zones[i].radius = radius;
    }

    // Side p's move under way as the control code starts it and the animation step opens it.
    void attack(int p, i32 move, int age = 1)
    {
        fighters[p].action = move;
        fighters[p].attack_age = age;
        fighters[p].hit_lock = 0;
        skeletons[p]->action = move;
        skeletons[p]->attack_live = FIGHTER_FLAG_ON;
        skeletons[p]->active_window = 1;
    }

    // Side p's attack point `k` at (x, z) reaches the other side's body point `j` half a
    // unit off on both axes (squares that coincide on an axis do not overlap).
    void reach(int p, int k, int j, f32 x = 0.0f, f32 z = 10.0f)
    {
        zone(p, k, x, z);
        zone(1 - p, j, x + 0.5f, z + 0.5f);
    }

    // Whether side p was struck (its hit reaction started).
    bool struck(int p) const { return fighters[p].hit_stun == 30; }
};
