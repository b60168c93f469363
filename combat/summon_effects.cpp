// The gods' effects: falling rocks, marching soldiers, a rain of arrows, sun beams, the three
// Furies, the spray of a wave, the smoke of a hurricane and rising threads. Each is spawned once
// when the scene has gone dark and stepped every effect tick; every piece strikes through the
// summon hit test.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <cmath>
#include <cstdlib>

SummonRecord summon_pool_gaia[SUMMON_GAIA_RECORDS];
SummonRecord summon_pool_soldiers[SUMMON_SOLDIER_RECORDS];
SummonRecord summon_pool_arrows[SUMMON_ARROW_RECORDS];
SummonRecord summon_pool_solar_beam[SUMMON_BEAM_RECORDS];
SummonRecord summon_pool_shockwave[SUMMON_RING_RECORDS];
SummonRecord summon_pool_furies[SUMMON_FURY_RECORDS];
Particle summon_pool_wave[SUMMON_SPRAY_PARTICLES];
Particle summon_pool_hurricane[SUMMON_SPRAY_PARTICLES];
i32 summon_record_count;
i32 summon_spawn_timer;
i32 summon_impact_count;

constexpr int PAN_CENTRE = 127;
constexpr int LOUDEST = 255;
constexpr f32 RING_FADE = 0.05f;
constexpr f32 SPRAY_DEPTH = 500.0f;          // the wave and the hurricane roll in from here
constexpr int WAVE_SPRAY_VERTEX = 20;        // a vertex on the wave's crest

// ---- shared pieces ---------------------------------------------------------------------------
static f32 facing_sign(int side)
{
    return fighters[side].facing ? 1.0f : -1.0f;
}

static const Fighter &opponent(int side)
{
    return fighters[1 - side];
}

// A fresh record at (x, summoner's depth + 1, z).
static void record_start(SummonRecord *r, int side, f32 x, f32 z)
{
    *r = SummonRecord{};
    r->pos[0] = x;
    r->pos[1] = fighters[side].pos_y + 1.0f;
    r->pos[2] = z;
    r->life = 1.0f;
}

// Somewhere across the summoner's end of the arena: x - 50 plus 0-199.
static f32 scatter_x(int side)
{
    return fighters[side].pos_x - 50.0f + static_cast<f32>(rand() % 200);
}

static int strike_at(int side, const SummonRecord *r, f32 half_x, f32 half_y, f32 half_z)
{
    const f32 half[3] = {half_x, half_y, half_z};
    return resolve_summon_hit(side, r->pos, half);
}

static void fade_to_nothing(f32 *life, f32 step)
{
    *life -= step;
    if (*life < 0.0f)
        *life = 0.0f;
}

static void summon_sound(int number, f32 loudness)
{
    int volume = static_cast<int>(loudness * static_cast<f32>(effects_volume));
    sfx_play(number, volume > LOUDEST ? LOUDEST : volume, PAN_CENTRE, 1000);
}

// An impact ring opens at x while the pool has room.
static void ring_open(f32 x)
{
    if (summon_impact_count < 0 || summon_impact_count >= SUMMON_RING_RECORDS)
        return;
    SummonRecord *r = &summon_pool_shockwave[summon_impact_count++];
    *r = SummonRecord{};
    r->pos[0] = x;
    r->life = 1.0f;
}

void summon_shockwave_update()
{
    for (int i = 0; i < summon_impact_count && i < SUMMON_RING_RECORDS; i++)
        if (summon_pool_shockwave[i].life > 0.0f)
            fade_to_nothing(&summon_pool_shockwave[i].life, RING_FADE);
}

// ---- volleys: one record at the spawn, a new one every N ticks up to the cap ------------------
struct Volley {
    SummonRecord *pool;
    int every;          // ticks between spawns
    int cap;            // records at most
    void (*spawn)(SummonRecord *r, int side, bool first);
    void (*step)(SummonRecord *r, int side);
};

static void volley_update(const Volley &v, int side, int mode)
{
    if (mode == FX_INIT) {
        v.spawn(&v.pool[0], side, true);
        summon_record_count = 1;
        summon_spawn_timer = 0;
        return;
    }
    for (int i = 0; i < summon_record_count && i < v.cap; i++)
        if (v.pool[i].life > 0.0f)
            v.step(&v.pool[i], side);
    if (summon_spawn_timer == v.every && summon_record_count < v.cap) {
        v.spawn(&v.pool[summon_record_count], side, false);
        summon_spawn_timer = 0;
        summon_record_count++;
    }
    summon_spawn_timer++;
}

// Athena's army marches in from behind the summoner; a soldier within reach of the opponent
// stops to strike once, then fades away.
static void soldier_spawn(SummonRecord *r, int side, bool first)
{
    const f32 dir = facing_sign(side);
    const f32 hydra = opponent(side).character == CHARACTER_HYDRA ? 10.0f : 0.0f;
    const f32 z = static_cast<f32>(5 + rand() % (first ? 30 : 35)) + hydra;
    record_start(r, side, fighters[side].pos_x - 50.0f * dir, z);
    r->speed = 1.0f;
    r->dir[0] = dir;
}

static void soldier_step(SummonRecord *r, int side)
{
    const Fighter &d = opponent(side);
    const bool hydra = d.character == CHARACTER_HYDRA;
    if (std::fabs(r->pos[0] - d.pos_x) > 5.0f) {
        r->pos[0] += r->dir[0] * r->speed;
        return;
    }
    // Out of reach in height, the soldier marches on through.
    if (!(std::fabs(r->pos[2] - (d.pos_z + 10.0f)) < (hydra ? 40.0f : 10.0f))) {
        r->pos[0] += r->dir[0] * r->speed;
        return;
    }
    r->phase += 0.05f;
    if (r->phase > 0.5f && !r->struck) {
        r->struck = 1;
        strike_at(side, r, hydra ? 40.0f : 10.0f, 10.0f, 10.0f);
    }
    if (r->phase >= 1.0f)
        fade_to_nothing(&r->life, 0.05f);
}

// Demeter's rocks fall spinning; each strikes once as it lands and opens an impact ring.
static void rock_spawn(SummonRecord *r, int side, bool)
{
    record_start(r, side, scatter_x(side), 100.0f);
    r->phase = 1.0f;
}

static void rock_step(SummonRecord *r, int side)
{
    if (!(r->pos[2] < 10.0f)) {
        r->pos[2] -= 1.2f;
        r->phase += 2.0f;
    }
    if (!(r->pos[2] < 10.0f))
        return;
    if (!r->struck) {
        r->struck = 1;
        strike_at(side, r, 10.0f, 10.0f, 10.0f);
        if (std::fabs(opponent(side).pos_x - r->pos[0]) < 50.0f)
            summon_sound(SFX_ROCK_IMPACT, 1.25f);
    }
    if (r->life == 1.0f)
        ring_open(r->pos[0]);
    fade_to_nothing(&r->life, 0.1f);
}

// Artemis's arrows fly down at 45 degrees; one that struck or reached the ground stays and fades.
static void arrow_spawn(SummonRecord *r, int side, bool)
{
    record_start(r, side, scatter_x(side), 50.0f);
    r->speed = 4.0f;
    r->dir[0] = 0.7071f * facing_sign(side);
    r->dir[2] = -0.7071f;
}

static void arrow_step(SummonRecord *r, int side)
{
    if (!r->struck && r->pos[2] > 0.0f) {
        for (int a = 0; a < 3; a++)
            r->pos[a] += r->dir[a] * r->speed;
        if (strike_at(side, r, 5.0f, 5.0f, 5.0f))
            r->struck = 1;
        return;
    }
    if (r->phase < 1.0f)
        r->phase += 0.1f;
    else
        fade_to_nothing(&r->life, 0.1f);
}

// Apollo's beams stand from the sky to the ground for a few ticks; each opens a ring as it comes.
static void beam_spawn(SummonRecord *r, int side, bool first)
{
    if (first)
        summon_impact_count = 0;
    record_start(r, side, scatter_x(side), 100.0f);
    ring_open(r->pos[0]);
    if (std::fabs(opponent(side).pos_x - r->pos[0]) < 40.0f)
        summon_sound(SFX_SOLAR_BEAM, 0.5f);
}

static void beam_step(SummonRecord *r, int side)
{
    if (!r->struck) {
        r->struck = 1;
        strike_at(side, r, 7.5f, 7.5f, 100.0f);
    }
    fade_to_nothing(&r->life, 0.2f);
}

// The Moirai's threads rise from below the floor, spinning, until one catches the opponent.
static void thread_spawn(SummonRecord *r, int side, bool)
{
    record_start(r, side, scatter_x(side), -50.0f);
    r->phase = 1.0f;
}

static void thread_step(SummonRecord *r, int side)
{
    if (!(r->pos[2] <= 100.0f)) {
        fade_to_nothing(&r->life, 0.1f);
        return;
    }
    r->pos[2] += 1.75f;
    r->phase += 15.0f;
    if (!r->struck && strike_at(side, r, 5.0f, 5.0f, 35.0f))
        r->struck = 1;
}

static const Volley VOLLEY_ROCKS = {summon_pool_gaia, 8, 40, rock_spawn, rock_step};
static const Volley VOLLEY_SOLDIERS = {summon_pool_soldiers, 10, SUMMON_SOLDIER_RECORDS, soldier_spawn,
                                       soldier_step};
static const Volley VOLLEY_ARROWS = {summon_pool_arrows, 2, SUMMON_ARROW_RECORDS, arrow_spawn, arrow_step};
static const Volley VOLLEY_BEAMS = {summon_pool_solar_beam, 3, SUMMON_BEAM_RECORDS, beam_spawn, beam_step};
static const Volley VOLLEY_THREADS = {summon_pool_gaia, 4, SUMMON_GAIA_RECORDS, thread_spawn, thread_step};

void summon_gaia_update(int side, int mode)
{
    if (mode == FX_INIT)
        summon_impact_count = 0;
    volley_update(VOLLEY_ROCKS, side, mode);
}

void summon_soldiers_update(int side, int mode)
{
    volley_update(VOLLEY_SOLDIERS, side, mode);
}

void summon_arrows_update(int side, int mode)
{
    volley_update(VOLLEY_ARROWS, side, mode);
}

void summon_solar_beam_update(int side, int mode)
{
    volley_update(VOLLEY_BEAMS, side, mode);
}

void summon_thread_update(int side, int mode)
{
    volley_update(VOLLEY_THREADS, side, mode);
}

// ---- the Furies: three in turn, each fading in to strike and out again ------------------------
constexpr f32 FURY_STEP = 0.025f;
constexpr f32 FURY_FADING_OUT = 1.0f;

static void fury_step(int side, int i)
{
    SummonRecord *r = &summon_pool_furies[i];
    r->pos[0] += r->speed * facing_sign(side);
    if (r->dir[2] != FURY_FADING_OUT) {
        r->phase += FURY_STEP;
        // The second Fury strikes earlier in her rise.
        const f32 strike_at_phase = i == 1 ? 0.5f : 0.75f;
        if (r->phase >= strike_at_phase && !r->struck) {
            r->struck = 1;
            strike_at(side, r, 100.0f, 100.0f, 100.0f);
        }
        if (r->phase >= 1.0f)
            r->dir[2] = FURY_FADING_OUT;
        return;
    }
    r->phase -= FURY_STEP;
    if (r->phase >= 0.0f)
        return;
    r->life = 0.0f;
    r->phase = 0.0f;
    // The third Fury hands over to no one: the pool holds three.
    if (i + 1 < SUMMON_FURY_RECORDS)
        summon_pool_furies[i + 1].life = 1.0f;
}

void summon_furies_update(int side, int mode)
{
    if (mode == FX_INIT) {
        const Fighter &d = opponent(side);
        const f32 dir = facing_sign(side);
        const f32 x[SUMMON_FURY_RECORDS] = {d.pos_x - 15.0f * dir, d.pos_x + 5.0f * dir, d.pos_x - 15.0f * dir};
        for (int i = 0; i < SUMMON_FURY_RECORDS; i++) {
            record_start(&summon_pool_furies[i], side, x[i], fighters[side].pos_z + 17.0f);
            summon_pool_furies[i].speed = 0.01f;
            summon_pool_furies[i].life = i == 0 ? 1.0f : 0.0f;
        }
        return;
    }
    for (int i = 0; i < SUMMON_FURY_RECORDS; i++)
        if (summon_pool_furies[i].life > 0.0f)
            fury_step(side, i);
}

// ---- particle effects: the wave's spray and the hurricane's smoke ----------------------------
bool summon_model_vertex(const Model *model, int wanted, bool rest, f32 out[3], f32 normal[3])
{
    if (!model || model->vertex_count == 0) {
        for (int a = 0; a < 3; a++)
            out[a] = normal[a] = 0.0f;
        return false;
    }
    const int v = wanted < model->vertex_count ? wanted : model->vertex_count - 1;
    const f32(*pos)[3] = rest ? model->rest_pos : model->pos;
    const f32(*normals)[3] = rest ? model->rest_normals : model->normals;
    for (int a = 0; a < 3; a++) {
        out[a] = pos ? pos[v][a] : 0.0f;
        normal[a] = normals ? normals[v][a] : 0.0f;
    }
    return true;
}

static void particle_move(Particle *p)
{
    p->life -= 2.0f;
    p->x += p->dir_x * p->speed;
    p->y += p->dir_y * p->speed;
    p->z += p->dir_z * p->speed;
}

static f32 spray_depth()
{
    return SPRAY_DEPTH - SPRAY_DEPTH * summon_timer;
}

static void wave_respawn(Particle *p, const f32 point[3])
{
    p->life = static_cast<f32>(50 + rand() % 50);
    p->dir_x = p->dir_y = 0.0f;
    p->dir_z = -static_cast<f32>(200 + rand() % 800) * 0.005f;
    p->speed = static_cast<f32>(rand() % 100) * 0.004f;
    p->x = point[0] + static_cast<f32>(rand() % 400);
    p->y = spray_depth();
    p->z = point[2];
}

// The spray falls from the wave's crest; mode FX_INIT starts every drop from the rest pose.
void summon_wave_particles(Particle *pool, int mode, const Model *wave)
{
    f32 point[3], normal[3];
    const bool has_point = summon_model_vertex(wave, WAVE_SPRAY_VERTEX, mode == FX_INIT, point, normal);
    for (int i = 0; i < SUMMON_SPRAY_PARTICLES; i++) {
        Particle *p = &pool[i];
        if (mode == FX_INIT)
            p->life = 0.0f;
        if (p->life > 0.0f)
            particle_move(p);
        else if (has_point)
            wave_respawn(p, point);
    }
}

// The smoke leaves the hurricane's skin outward and upward; one random vertex a call serves
// every puff respawned in that call.
void summon_hurricane_particles(Particle *pool, int mode, const Model *hurricane)
{
    f32 point[3], normal[3];
    const int vertex = hurricane && hurricane->vertex_count ? rand() % hurricane->vertex_count : 0;
    const bool has_point = summon_model_vertex(hurricane, vertex, mode == FX_INIT, point, normal);
    f32 dir[3] = {normal[0], normal[1], 5.0f};
    const f32 length = std::sqrt(dir[0] * dir[0] + dir[1] * dir[1] + dir[2] * dir[2]);
    for (f32 &d : dir)
        d /= length;
    for (int i = 0; i < SUMMON_SPRAY_PARTICLES; i++) {
        Particle *p = &pool[i];
        if (mode == FX_INIT)
            p->life = 0.0f;
        if (p->life > 0.0f) {
            particle_move(p);
            continue;
        }
        if (!has_point)
            continue;
        p->x = point[0];
        p->y = point[1] + spray_depth();
        p->z = point[2];
        p->dir_x = dir[0];
        p->dir_y = dir[1];
        p->dir_z = dir[2];
        p->speed = static_cast<f32>(rand() % 100) * 0.02f;
        p->life = static_cast<f32>(50 + rand() % 50);
    }
}

// ---- by character ----------------------------------------------------------------------------
void summon_effect_update(int side, int mode)
{
    switch (summon_rule(side).effect) {
    case SUMMON_EFFECT_ROCKS:
        summon_gaia_update(side, mode);
        if (mode == FX_STEP)
            summon_shockwave_update();
        break;
    case SUMMON_EFFECT_SOLDIERS: summon_soldiers_update(side, mode); break;
    case SUMMON_EFFECT_ARROWS: summon_arrows_update(side, mode); break;
    case SUMMON_EFFECT_BEAMS:
        summon_solar_beam_update(side, mode);
        if (mode == FX_STEP)
            summon_shockwave_update();
        break;
    case SUMMON_EFFECT_WAVE: summon_wave_particles(summon_pool_wave, mode, summon_model(side)); break;
    case SUMMON_EFFECT_FURIES: summon_furies_update(side, mode); break;
    case SUMMON_EFFECT_HURRICANE:
        summon_hurricane_particles(summon_pool_hurricane, mode, summon_model(side));
        break;
    case SUMMON_EFFECT_THREADS: summon_thread_update(side, mode); break;
    default: break;
    }
}
