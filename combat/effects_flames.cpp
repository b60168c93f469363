// The rising effects: the arenas' flames, the character select's flame row and the fighters'
// auras. Their records never stop: a record found dead at the start of a step is born again.
#include "combat/combat.h"

#include "characters/characters.h"
#include "combat/combat_local.h"

#include <allegro.h>

#include <cstdlib>

constexpr int ARENA_FLAMES = 80;
constexpr int FLAME_ROW_FLAMES = STAGE_FLAME_PARTICLES;
constexpr f32 FLAME_DECAY = 2.0f;
constexpr f32 FLAME_SIZE_SCALE = 0.04f;
constexpr int FLAME_SPREAD = 100;            // speed = r % 100 x the site's factor

// KEEP: the library's angle units from degrees with the sign turned; the hit zones turn the
// other way through a different library call and land on the same points.
constexpr f32 DEGREES_TO_ROTATION = -0.7083334f;
constexpr f32 AURA_SPEED_SCALE = 0.002f;
constexpr int AURA_FIRST_OF_SECOND = 26;     // records from here rise from the second emitter
constexpr int AURA_ZONE_FIRST = 7;
constexpr int AURA_ZONE_SECOND = 8;

// ---- arena flames ---------------------------------------------------------------------------

constexpr int FLAME_SITE_PLACES = 8;

// Where one arena's flames burn: a random k picks the emitter by band, and a small offset
// d = (k - k_centre) x factor spreads them.
struct FlameSite {
    int k_range;                      // k = r % k_range
    int k_centre;
    f32 d_init, d_rebirth;            // the offset's factor at FX_INIT and at a rebirth
    f32 speed_init, speed_rebirth;    // speed = r % 100 x this
    f32 height;                       // z; a rebirth adds d
    int places;
    int band_top[FLAME_SITE_PLACES];  // a place takes k up to and including its top
    f32 place[FLAME_SITE_PLACES][2];  // x, y
};

// The labyrinth's fifth band is twice as wide: that torch gets two ninths of the flames.
static const FlameSite LABYRINTH_SITE = {
    9000, 4500, 0.00011111111f, 0.00011111111f, 0.004f, 0.0025f, 44.0f, 8,
    {1000, 2000, 3000, 4000, 5000, 7000, 8000, 9000},
    {{-63.4f, -23.4f}, {63.4f, -23.0f}, {-63.4f, 39.4f}, {63.4f, 39.4f},
     {-32.0f, 194.5f}, {32.0f, 194.5f}, {-32.0f, 322.0f}, {32.0f, 322.0f}}};
static const FlameSite THEATRE_SITE = {
    4000, 2000, 0.00025f, 0.0005f, 0.004f, 0.0025f, 16.0f, 4,
    {1000, 2000, 3000, 4000},
    {{-65.0f, -0.5f}, {-32.0f, 44.0f}, {36.0f, 44.0f}, {65.0f, -2.0f}}};
static const FlameSite TEMPLE_SITE = {
    4000, 2000, 0.00025f, 0.0005f, 0.004f, 0.0025f, 30.0f, 4,
    {1000, 2000, 3000, 4000},
    {{-54.0f, 0.0f}, {-30.0f, 50.0f}, {27.0f, 50.0f}, {54.0f, 0.0f}}};

static void flame_life_birth(Particle *p, f32 speed_scale)
{
    p->life = static_cast<f32>(rand() % 50 + 50);
    p->size = p->life * FLAME_SIZE_SCALE;
    p->dir_x = 0.0f;
    p->dir_y = 0.0f;
    p->dir_z = 1.0f;
    p->speed = static_cast<f32>(rand() % FLAME_SPREAD) * speed_scale;
}

static void flame_site_birth(Particle *p, const FlameSite &site, bool first)
{
    flame_life_birth(p, first ? site.speed_init : site.speed_rebirth);
    const int k = rand() % site.k_range;
    int place = site.places - 1;
    for (int i = 0; i < site.places; i++)
        if (k <= site.band_top[i]) {
            place = i;
            break;
        }
    const f32 d = static_cast<f32>(k - site.k_centre) * (first ? site.d_init : site.d_rebirth);
    p->x = site.place[place][0] + d;
    p->y = site.place[place][1] + d;
    p->z = first ? site.height : site.height + d;
}

// A live flame rises and shrinks; returns false for a dead one.
static bool flame_record_step(Particle *p)
{
    if (p->life <= 0.0f)
        return false;
    p->life -= FLAME_DECAY;
    p->size = p->life * FLAME_SIZE_SCALE;
    p->x += p->dir_x * p->speed;
    p->y += p->dir_y * p->speed;
    p->z += p->dir_z * p->speed;
    return true;
}

static void flame_site_run(Particle *pool, int mode, const FlameSite &site)
{
    if (mode != FX_INIT && mode != FX_STEP)
        return;
    for (int i = 0; i < ARENA_FLAMES; i++) {
        if (mode == FX_INIT)
            flame_site_birth(&pool[i], site, true);
        else if (!flame_record_step(&pool[i]))
            flame_site_birth(&pool[i], site, false);
    }
}

void fx_labyrinth_flames(Particle *pool, int mode)
{
    flame_site_run(pool, mode, LABYRINTH_SITE);
}

void fx_theatre_flames(Particle *pool, int mode)
{
    flame_site_run(pool, mode, THEATRE_SITE);
}

void fx_temple_flames(Particle *pool, int mode)
{
    flame_site_run(pool, mode, TEMPLE_SITE);
}

// ---- the character select's flame row -----------------------------------------------------

constexpr f32 FLAME_ROW_SPEED_SCALE = 0.004f;
constexpr int FLAME_ROW_WIDTH = 3500;        // x = (r % width - width / 2) x 0.01
constexpr f32 FLAME_ROW_X_SCALE = 0.01f;
constexpr f32 FLAME_ROW_DEPTH = 30.0f;
constexpr f32 FLAME_ROW_HEIGHT = -7.0f;

static void flame_row_birth(Particle *p)
{
    flame_life_birth(p, FLAME_ROW_SPEED_SCALE);
    p->x = static_cast<f32>(rand() % FLAME_ROW_WIDTH - FLAME_ROW_WIDTH / 2) * FLAME_ROW_X_SCALE;
    p->y = FLAME_ROW_DEPTH;
    p->z = FLAME_ROW_HEIGHT;
}

void fx_flame_row(Particle *pool, int mode)
{
    if (mode != FX_INIT && mode != FX_STEP)
        return;
    for (int i = 0; i < FLAME_ROW_FLAMES; i++)
        if (mode == FX_INIT || !flame_record_step(&pool[i]))
            flame_row_birth(&pool[i]);
}

// ---- fighter aura ---------------------------------------------------------------------------

// Fighters that hold a weapon or a hand at both hit zones 7 and 8 glow from both.
static const u8 aura_two_emitters[] = {
    1,   // Jason
    0,   // Odysseus
    0,   // Atalanta
    0,   // Perseus
    1,   // Hippolyte
    1,   // Polyphemus
    0,   // Minotaur
    0,   // Medusa
    1,   // Sphinx
    0,   // Hydra
    0,   // Ares
    1,   // Atropos
};
static_assert(sizeof(aura_two_emitters) == CHARACTER_COUNT, "one row per character");

Particle *fx_aura_pool(int side)
{
    return side == 0 ? aura_particles : aura_particles_side2;
}

// The fighter's placement: turned by its three angles, then moved to its position.
static void aura_placement(const Fighter *f, MATRIX_f *m)
{
    MATRIX_f turn, move;
    get_rotation_matrix_f(&turn, f->rot_x * DEGREES_TO_ROTATION, f->rot_y * DEGREES_TO_ROTATION,
                          f->heading * DEGREES_TO_ROTATION);
    get_translation_matrix_f(&move, f->pos_x, f->pos_y, f->pos_z);
    matrix_mul_f(&turn, &move, m);
}

int fx_aura_emitters(int side, f32 out[2][3])
{
    if (side < 0 || side > 1)
        return 0;
    const Fighter *f = &fighters[side];
    const Model *model = fighter_models[side];
    if (!model || !model->pos)
        return 0;
    MATRIX_f m;
    aura_placement(f, &m);
    const int zones = f->character < CHARACTER_COUNT && aura_two_emitters[f->character] ? 2 : 1;
    const int zone_of[2] = {AURA_ZONE_FIRST, AURA_ZONE_SECOND};
    int found = 0;
    for (int i = 0; i < zones; i++) {
        // A zone bound to no vertex, or past the posed ones, emits nothing.
        const int v = model->hit_vertex[zone_of[i]];
        if (v < 0 || v >= model->vertex_count)
            continue;
        apply_matrix_f(&m, model->pos[v][0], model->pos[v][1], model->pos[v][2], &out[found][0], &out[found][1],
                       &out[found][2]);
        found++;
    }
    return found;
}

static void aura_birth(Particle *p, int index, const f32 emitters[2][3], int count)
{
    flame_life_birth(p, AURA_SPEED_SCALE);
    const int e = count > 1 && index >= AURA_FIRST_OF_SECOND ? 1 : 0;
    p->x = emitters[e][0];
    p->y = emitters[e][1];
    p->z = emitters[e][2];
}

// Emitting, dead records rise again from the emitters; fading, they are only counted, and a
// whole pool of dead records hands the aura back to none.
static void aura_records_step(Particle *pool, int side)
{
    Fighter *f = &fighters[side];
    f32 emitters[2][3];
    const int count = f->aura == AURA_EMITTING ? fx_aura_emitters(side, emitters) : 0;
    int dead = 0;
    for (int i = 0; i < aura_warmup[side] && i < AURA_PARTICLES; i++) {
        Particle *p = &pool[i];
        if (flame_record_step(p))
            continue;
        if (f->aura == AURA_EMITTING && count > 0)
            aura_birth(p, i, emitters, count);
        else if (f->aura == AURA_FADING)
            dead++;
    }
    if (f->aura == AURA_FADING && dead >= AURA_PARTICLES)
        f->aura = AURA_NONE;
}

// The aura grows by one record a tick from nothing after its start. The start kills the last
// aura's records: the step moves only the records the warm-up has reached, and the drawer shows
// every live one, so an old flame beyond them would hang frozen in the air.
void fx_fighter_aura(Particle *pool, int mode, int side)
{
    if (side < 0 || side > 1)
        return;
    if (mode == FX_INIT) {
        aura_warmup[side] = 0;
        for (int i = 0; i < AURA_PARTICLES; i++)
            pool[i].life = 0.0f;
        return;
    }
    if (mode != FX_STEP)
        return;
    if (aura_warmup[side] == 0) {
        aura_warmup[side] = 1;
        return;
    }
    aura_records_step(pool, side);
    if (aura_warmup[side] < AURA_PARTICLES)
        aura_warmup[side]++;
}
