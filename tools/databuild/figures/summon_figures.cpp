// The summoned gods' figures: Demeter's rising earth, Zeus' lightning, Poseidon's wave, Hera's
// hurricane, Aphrodite's girdle, Hades' ghost cone, Phobos and Deimos, and the Moirai's thread;
// their skeletons animate keys 1 to 16, of which each god's stepper plays its own part.
#include "tools/databuild/figures/character_figures.h"

#include <cmath>
#include <cstring>

constexpr int SUMMON_SIDES = 12;
constexpr int SUMMON_KEYS = 16;
constexpr f32 SUMMON_TWO_PI = 6.2831853f;

static EmdSurface summon_surface(u16 texture_index)
{
    EmdSurface surface = EMD_PLAIN;
    surface.two_sided = 1;
    surface.texture_index = texture_index;
    return surface;
}

// Pillars of rock round a mound, each on its own bone so that they rise in turn: each pillar a
// stack of rough boulders, narrowing to a jagged point.
static EmdModel gaia_model()
{
    EmdModel model;
    emd_add_ball(model, 0, summon_surface(0), {0, 0, 1.0f}, {8.0f, 8.0f, 2.5f}, 6, SUMMON_SIDES);
    // Per pillar: a lean outward and each boulder's squash, so that no two look alike.
    static const f32 lean[6] = {0.10f, 0.16f, 0.08f, 0.14f, 0.12f, 0.18f};
    static const f32 squash[3] = {0.8f, 1.15f, 0.9f};
    for (int k = 0; k < 6; k++) {
        f32 a = SUMMON_TWO_PI * k / 6;
        f32 height = 9.0f + k;
        int bone = 1 + k % 3;
        MeshPoint foot = {6.0f * std::cos(a), 6.0f * std::sin(a), 0};
        MeshPoint top = {foot.x * (1.0f + lean[k]), foot.y * (1.0f + lean[k]), height};
        for (int b = 0; b < 3; b++) {
            f32 t = (b + 0.5f) / 3.5f;
            f32 r = 1.7f - 0.4f * b;
            MeshPoint at = {foot.x + (top.x - foot.x) * t, foot.y + (top.y - foot.y) * t, height * t};
            emd_add_ball(model, bone, summon_surface(1), at, {r * squash[b], r / squash[b], height / 6.0f}, 5, 7);
        }
        MeshPoint spire = {foot.x + (top.x - foot.x) * 0.75f, foot.y + (top.y - foot.y) * 0.75f, height * 0.75f};
        emd_add_limb(model, bone, summon_surface(1), spire, top, 0.9f, 0.1f, 6);
    }
    return model;
}

// A zigzag bolt: its segments carry texture indices 0 to 3, which the lightning drawer binds
// to different pictures.
static EmdModel lightning_model()
{
    EmdModel model;
    MeshPoint from = {0, 0, 60.0f};
    for (int k = 0; k < 8; k++) {
        MeshPoint to = {(k % 2 ? 2.5f : -2.5f), 0, 60.0f - 7.5f * (k + 1)};
        emd_add_limb(model, 1, summon_surface(static_cast<u16>(k % 4)), from, to, 0.6f, 0.6f, 4);
        from = to;
    }
    return model;
}

// A curling wall of water as wide as the arena and twice a fighter's height; its spray rises
// from vertex 20 of the rest pose, at the wave's left end near the crest (ten vertices a row),
// and spreads 400 units to the right over the whole wave.
static EmdModel wave_model()
{
    EmdModel model;
    int first = emd_add_floor(model, 1, summon_surface(0), {0, 0, 0}, 200.0f, 12.0f, 9);
    for (size_t i = first; i < model.vertices.size(); i++) {
        MeshPoint &p = model.vertices[i].pos;
        f32 across = (p.y + 12.0f) / 24.0f;   // 0 at the back, 1 at the front
        p.z = 40.0f * std::sin(across * 3.14159f);
        p.y -= 10.0f * across * across;       // the crest leans forward
    }
    return model;
}

static EmdModel hurricane_model()
{
    EmdModel model;
    for (int k = 0; k < 5; k++)
        emd_add_limb(model, 1, summon_surface(static_cast<u16>(k % 2)), {0, 0, 8.0f * k},
                     {0, 0, 8.0f * (k + 1)}, 1.5f + 2.0f * k, 3.5f + 2.0f * k, SUMMON_SIDES);
    return model;
}

static EmdModel girdle_model()
{
    EmdModel model;
    for (int k = 0; k < 12; k++) {
        f32 a = SUMMON_TWO_PI * k / 12;
        emd_add_ball(model, 1, summon_surface(0), {6.0f * std::cos(a), 6.0f * std::sin(a), 10.0f},
                     {1.2f, 1.2f, 0.8f}, 4, 6);
    }
    return model;
}

static EmdModel ghost_cone_model()
{
    EmdModel model;
    emd_add_limb(model, EMD_NO_BONE, summon_surface(0), {0, 0, 0}, {0, 0, 40.0f}, 14.0f, 0.5f,
                 SUMMON_SIDES * 2);
    return model;
}

// Phobos and Deimos: two horned masks floating side by side, each a face with a heavy brow, a
// hooked nose, hollow cheeks and a jutting chin, and horns that curl up and out.
static void fear_mask(EmdModel &model, int bone, f32 x)
{
    const EmdSurface face = summon_surface(0), horn = summon_surface(1);
    emd_add_ball(model, bone, face, {x, 0, 16.0f}, {2.2f, 1.3f, 3.0f}, 8, SUMMON_SIDES);
    emd_add_ball(model, bone, horn, {x, -1.0f, 17.2f}, {2.0f, 0.55f, 0.5f}, 5, SUMMON_SIDES);
    emd_add_limb(model, bone, face, {x, -1.3f, 16.8f}, {x, -2.0f, 15.3f}, 0.3f, 0.55f, 8);
    for (int side = -1; side <= 1; side += 2) {
        emd_add_ball(model, bone, face, {x + 1.1f * side, -0.8f, 16.1f}, {0.7f, 0.5f, 0.5f}, 5, 8);
        emd_add_limb(model, bone, horn, {x + 1.6f * side, 0, 18.2f}, {x + 3.0f * side, -0.3f, 20.0f}, 0.6f, 0.35f, 8);
        emd_add_limb(model, bone, horn, {x + 3.0f * side, -0.3f, 20.0f}, {x + 2.6f * side, -0.9f, 22.4f}, 0.35f,
                     0.05f, 8);
    }
    emd_add_ball(model, bone, face, {x, -0.9f, 13.4f}, {0.9f, 0.7f, 0.8f}, 5, 8);
}

static EmdModel fear_model()
{
    EmdModel model;
    fear_mask(model, 1, -4.0f);
    fear_mask(model, 2, 4.0f);
    return model;
}

// The thread of a life, with knots; drawn unskinned.
static EmdModel thread_model()
{
    EmdModel model;
    emd_add_limb(model, EMD_NO_BONE, summon_surface(0), {-10.0f, 0, 0}, {10.0f, 0, 0}, 0.15f, 0.15f, 6);
    for (int k = 0; k < 5; k++)
        emd_add_ball(model, EMD_NO_BONE, summon_surface(1), {-8.0f + 4.0f * k, 0, 0}, {0.4f, 0.4f, 0.4f}, 4,
                     6);
    return model;
}

// A root and up to three moving bones; keys 1 to 16 animate, the rest stay the identity.
static EsqSkeleton summon_skeleton(const char *entry)
{
    EsqSkeleton skeleton;
    esq_add_bone(skeleton, -1, {0, 0, 0});
    for (int b = 1; b <= 3; b++)
        esq_add_bone(skeleton, 0, {0, 0, 0});
    bool rising = strstr(entry, "gaia") != nullptr, lightning = strstr(entry, "rayos") != nullptr;
    bool surging = strstr(entry, "wave") != nullptr;
    for (int key = 1; key <= SUMMON_KEYS; key++) {
        f32 t = static_cast<f32>(key - 1) / (SUMMON_KEYS - 1);
        for (int b = 1; b <= 3; b++) {
            if (rising) {
                f32 grow = key >= 4 + 2 * b ? 1.0f : 0.1f + 0.15f * key;
                esq_set_scale(skeleton, key, b, {1.0f, 1.0f, grow > 1.0f ? 1.0f : grow});
            } else if (lightning) {
                f32 length = key <= 8 ? 0.15f + 0.85f * key / 8.0f : 1.0f;
                esq_set_scale(skeleton, key, b, {1.0f, 1.0f, length});
                esq_set_turn(skeleton, key, b, 0, 0, key > 8 ? (key % 2 ? 6.0f : -6.0f) : 0.0f);
            } else if (surging) {
                // The water swells and leans forward, then falls back.
                f32 swell = std::sin(t * SUMMON_TWO_PI * 2.5f);
                esq_set_scale(skeleton, key, b, {1.0f, 1.0f, 0.85f + 0.15f * swell});
                esq_set_shift(skeleton, key, b, {0, -3.0f * swell, 0});
            } else {
                // Rock, spin and bob: a quarter turn per key and a gentle sway.
                esq_set_turn(skeleton, key, b, 6.0f * std::sin(t * SUMMON_TWO_PI * 2), 0,
                             64.0f * ((key - 1) % 4));
                esq_set_shift(skeleton, key, b, {0, 0, 1.5f * std::sin(t * SUMMON_TWO_PI * 4 + b)});
            }
        }
    }
    return skeleton;
}

Bytes summon_model_entry(const char *entry)
{
    EmdModel model;
    if (strstr(entry, "gaia"))
        model = gaia_model();
    else if (strstr(entry, "rayos"))
        model = lightning_model();
    else if (strstr(entry, "wave"))
        model = wave_model();
    else if (strstr(entry, "huracan"))
        model = hurricane_model();
    else if (strstr(entry, "cinturon"))
        model = girdle_model();
    else if (strstr(entry, "conofantasma"))
        model = ghost_cone_model();
    else if (strstr(entry, "fobos"))
        model = fear_model();
    else
        model = thread_model();
    model.name = entry;
    model.name_fields = 1;
    return emd_encode(model);
}

Bytes summon_skeleton_entry(const char *entry)
{
    return esq_encode(summon_skeleton(entry));
}
