// The story screens' pictures: the opening story's, the two logos before it, the character and
// faction endings', all in the vase-painting style.
#include "tools/databuild/databuild.h"

#include "tools/databuild/vase_painting.h"

#include "characters/characters.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>

constexpr int STORY_PICTURE_SIZE = 256;

// A standing figure, most fields as a table row.
static VaseFigure figure(f32 x, f32 h, f32 facing, VaseHeadgear head, bool robe, VaseItem front, VaseItem back,
                         f32 front_raise = 0.0f, f32 back_raise = -0.6f)
{
    return VaseFigure{x, -0.8f, h, facing, head, robe, false, front, back, front_raise, back_raise};
}

static VaseScene one(const VaseFigure &f)
{
    VaseScene s;
    vase_figure(s, f);
    return s;
}

// ---- the Moirae ---------------------------------------------------------------------------
static VaseScene clotho()
{
    return one(figure(0.0f, 1.5f, 1, HEADGEAR_HOOD, true, ITEM_THREAD, ITEM_STAFF, 0.2f, 0.1f));
}
static VaseScene lachesis()
{
    return one(figure(0.0f, 1.5f, -1, HEADGEAR_HOOD, true, ITEM_STAFF, ITEM_THREAD, 0.1f, 0.2f));
}
static VaseScene atropos()
{
    return one(figure(0.0f, 1.5f, 1, HEADGEAR_HOOD, true, ITEM_SHEARS, ITEM_THREAD, 0.4f, -0.2f));
}

// ---- the gods --------------------------------------------------------------------------------
static VaseScene olympus(int seed, bool zeus_above)
{
    VaseScene s;
    vase_mountain(s, 0.0f, -0.86f, 1.0f, 1.1f, true);
    vase_clouds(s, -0.5f, 5, seed);
    if (zeus_above)
        vase_sun(s, 0.55f, 0.55f, 0.12f);
    return s;
}
static VaseScene ares(bool charging)
{
    VaseFigure f = figure(0.0f, 1.5f, 1, HEADGEAR_HELMET, false, ITEM_SPEAR, ITEM_SHIELD, charging ? 0.6f : 0.2f, -0.2f);
    return one(f);
}
static VaseScene artemis()
{
    return one(figure(0.0f, 1.5f, 1, HEADGEAR_HAIR, true, ITEM_BOW, ITEM_NONE, 0.3f));
}
static VaseScene hades()
{
    VaseScene s = one(figure(0.0f, 1.5f, -1, HEADGEAR_BEARD, true, ITEM_BIDENT, ITEM_NONE, 0.1f));
    vase_sparks(s, 0.0f, -0.7f, 0.8f, 30, 4);
    return s;
}
static VaseScene apollo()
{
    VaseScene s;
    vase_sun(s, -0.45f, 0.45f, 0.16f);
    vase_figure(s, figure(0.15f, 1.5f, 1, HEADGEAR_HAIR, true, ITEM_LYRE, ITEM_NONE, 0.1f));
    return s;
}
static VaseScene zeus(bool throwing)
{
    VaseScene s;
    vase_clouds(s, 0.6f, 4, 21);
    vase_figure(s, figure(0.0f, 1.55f, 1, HEADGEAR_BEARD, true, ITEM_STAFF, ITEM_BOLT, 0.0f, throwing ? 0.9f : 0.3f));
    return s;
}
static VaseScene hera()
{
    return one(figure(0.0f, 1.5f, -1, HEADGEAR_CROWN, true, ITEM_STAFF, ITEM_NONE, 0.1f));
}

// ---- the clash and the forge ----------------------------------------------------------------
static VaseScene clash(bool close)
{
    VaseScene s;
    f32 gap = close ? 0.35f : 0.6f;
    vase_figure(s, figure(-gap, 1.4f, 1, HEADGEAR_HELMET, false, ITEM_SPEAR, ITEM_SHIELD, 0.5f));
    vase_figure(s, figure(gap, 1.45f, -1, HEADGEAR_BEARD, true, ITEM_BOLT, ITEM_STAFF, 0.7f, 0.0f));
    if (close)
        vase_sparks(s, 0.0f, 0.3f, 0.3f, 24, 8);
    return s;
}
// "The sparks of his anvil lit the night": a tall picture, the smith over his anvil and the
// sparks rising above him.
static VaseScene anvil_sparks()
{
    VaseScene s;
    vase_quad(s, -0.05f, -0.8f, 0.45f, -0.8f, 0.38f, -0.5f, 0.02f, -0.5f, VASE_DARK_CLAY);
    vase_quad(s, -0.12f, -0.5f, 0.5f, -0.5f, 0.5f, -0.38f, -0.12f, -0.38f, VASE_DARK_CLAY);
    vase_figure(s, figure(-0.3f, 1.35f, 1, HEADGEAR_BEARD, false, ITEM_HAMMER, ITEM_NONE, 0.9f));
    vase_sparks(s, 0.2f, -0.1f, 0.3f, 30, 5);
    vase_sparks(s, 0.1f, 0.45f, 0.35f, 24, 6);
    return s;
}

// Everything a scene adds from `first` on, painted in another ink.
static void scene_ink(VaseScene &s, size_t first, VaseInk from, VaseInk to)
{
    for (size_t k = first; k < s.size(); k++)
        if (s[k].ink == from)
            s[k].ink = to;
}

// Moves everything a scene adds from `first` on up by dy.
static void scene_lift(VaseScene &s, size_t first, f32 dy)
{
    for (size_t k = first; k < s.size(); k++) {
        VaseShape &shape = s[k];
        shape.a[1] += dy;
        if (shape.kind == VASE_CAPSULE || shape.kind == VASE_TRIANGLE)
            shape.a[3] += dy;
        if (shape.kind == VASE_TRIANGLE)
            shape.a[5] += dy;
    }
}

// "Each had a god behind him, ready to lend his power": a hero, and a god towering in gold
// behind him.
static VaseScene god_behind_hero()
{
    VaseScene s;
    size_t god = s.size();
    vase_figure(s, VaseFigure{0.12f, -0.8f, 1.62f, 1, HEADGEAR_BEARD, true, false, ITEM_BOLT, ITEM_STAFF, 0.6f, 0.0f});
    scene_ink(s, god, VASE_CLAY, VASE_GOLD);
    vase_figure(s, figure(-0.12f, 1.0f, 1, HEADGEAR_HELMET, false, ITEM_SWORD, ITEM_SHIELD, 0.3f, 0.0f));
    return s;
}

// "The crowds of heaven gathered to watch": the gods in a row on a bank of clouds, looking
// down; then the arena below them, its stands full.
static VaseScene heaven_watches()
{
    VaseScene s;
    static const VaseHeadgear heads[] = {HEADGEAR_CROWN, HEADGEAR_BEARD, HEADGEAR_HELMET, HEADGEAR_HAIR, HEADGEAR_BEARD};
    static const VaseItem items[] = {ITEM_STAFF, ITEM_BOLT, ITEM_SPEAR, ITEM_LYRE, ITEM_BIDENT};
    for (int k = 0; k < 5; k++) {
        f32 x = -0.8f + 0.4f * k;
        vase_figure(s, VaseFigure{x, -0.35f, 1.0f - 0.05f * (k % 2), k < 2 ? 1.0f : -1.0f, heads[k], k != 2, false,
                                  items[k], ITEM_NONE, 0.1f, -0.6f});
    }
    vase_clouds(s, -0.45f, 6, 17);
    vase_clouds(s, -0.62f, 5, 23);
    return s;
}

static VaseScene arena_stands()
{
    VaseScene s;
    vase_ellipse(s, 0.0f, -0.45f, 0.95f, 0.42f, 0.0f, VASE_DARK_CLAY);    // the stands
    vase_ellipse(s, 0.0f, -0.5f, 0.62f, 0.24f, 0.0f, VASE_CLAY);          // the sand
    for (int row = 0; row < 3; row++)
        for (int k = 0; k < 22; k++) {
            f32 a = PAINT_PI * (0.05f + 0.9f * k / 21.0f), r = 0.7f + 0.08f * row;
            vase_ellipse(s, std::cos(a) * r * 1.22f, -0.45f + std::sin(a) * r * 0.5f, 0.022f, 0.03f, 0, VASE_WHITE);
        }
    // The two fighters stand on the sand, above the ground line.
    size_t fighters = s.size();
    vase_figure(s, figure(-0.18f, 0.5f, 1, HEADGEAR_HELMET, false, ITEM_SPEAR, ITEM_SHIELD, 0.4f));
    vase_figure(s, figure(0.2f, 0.55f, -1, HEADGEAR_BULL, false, ITEM_HAMMER, ITEM_NONE, 0.5f));
    scene_lift(s, fighters, 0.2f);
    vase_clouds(s, 0.55f, 4, 31);
    for (int k = 0; k < 3; k++)
        vase_figure(s, VaseFigure{-0.5f + 0.5f * k, 0.5f, 0.35f, 1, k == 1 ? HEADGEAR_BEARD : HEADGEAR_CROWN, true,
                                  false, k == 1 ? ITEM_BOLT : ITEM_STAFF, ITEM_NONE, 0.1f, -0.6f});
    return s;
}

// "Ares called the monsters ... Zeus sent word to the Greeks for heroes": Zeus sends his
// herald off with raised bolt, the herald running with his staff.
static VaseScene zeus_sends_word()
{
    VaseScene s;
    vase_clouds(s, 0.62f, 4, 21);
    vase_figure(s, figure(-0.4f, 1.5f, 1, HEADGEAR_BEARD, true, ITEM_BOLT, ITEM_STAFF, 0.9f, 0.0f));
    VaseFigure herald = figure(0.45f, 1.2f, 1, HEADGEAR_HELMET, false, ITEM_STAFF, ITEM_NONE, 0.5f, 0.3f);
    vase_figure(s, herald);
    return s;
}

// ---- the fighters -----------------------------------------------------------------------------
static VaseScene jason() { return one(figure(0, 1.5f, 1, HEADGEAR_NONE, false, ITEM_SWORD, ITEM_SWORD, 0.3f, 0.2f)); }
static VaseScene atalanta() { return one(figure(0, 1.5f, 1, HEADGEAR_HAIR, false, ITEM_BOW, ITEM_NONE, 0.3f)); }
static VaseScene odysseus() { return one(figure(0, 1.5f, 1, HEADGEAR_HELMET, false, ITEM_SWORD, ITEM_SHIELD, 0.3f)); }
static VaseScene hippolyte() { return one(figure(0, 1.5f, -1, HEADGEAR_HAIR, false, ITEM_SPEAR, ITEM_NONE, 0.3f)); }
static VaseScene perseus()
{
    return one(figure(0, 1.5f, 1, HEADGEAR_HELMET, false, ITEM_SWORD, ITEM_MIRROR_SHIELD, 0.4f));
}
static VaseScene polyphemus()
{
    VaseFigure f = figure(0, 1.6f, -1, HEADGEAR_ONE_EYE, false, ITEM_CLUB, ITEM_NONE, 0.5f);
    f.large = true;
    return one(f);
}

// ---- the logos -----------------------------------------------------------------------------------
// The maker's mark: an owl's face in a gold ring.
static VaseScene maker_logo()
{
    VaseScene s;
    vase_ring(s, 0, 0, 0.7f, 0.08f, VASE_GOLD);
    vase_ellipse(s, 0, -0.05f, 0.42f, 0.5f, 0, VASE_CLAY);
    for (int side = -1; side <= 1; side += 2) {
        vase_ellipse(s, side * 0.18f, 0.08f, 0.14f, 0.14f, 0, VASE_WHITE);
        vase_ellipse(s, side * 0.18f, 0.08f, 0.06f, 0.06f, 0, VASE_GLAZE);
        vase_triangle(s, side * 0.3f, 0.3f, side * 0.12f, 0.38f, side * 0.36f, 0.55f, VASE_CLAY);   // the ear tufts
    }
    vase_triangle(s, -0.05f, -0.08f, 0.05f, -0.08f, 0, -0.22f, VASE_GOLD);
    return s;
}
// The game's mark: a bull's head between two laurel sprays on a wide band.
static VaseScene game_logo()
{
    VaseScene s;
    vase_quad(s, -1.9f, -0.5f, 1.9f, -0.5f, 1.9f, 0.5f, -1.9f, 0.5f, VASE_DARK_CLAY);
    vase_ellipse(s, 0, 0.05f, 0.28f, 0.34f, 0, VASE_CLAY);
    vase_ellipse(s, 0, -0.18f, 0.18f, 0.14f, 0, VASE_CLAY);
    for (int side = -1; side <= 1; side += 2) {
        vase_capsule(s, side * 0.2f, 0.25f, side * 0.5f, 0.45f, 0.05f, VASE_WHITE);
        vase_ellipse(s, side * 0.1f, 0.1f, 0.04f, 0.03f, 0, VASE_GLAZE);
        for (int k = 0; k < 6; k++) {
            f32 x = side * (0.55f + 0.18f * k), y = -0.1f + 0.05f * k * (k < 3 ? 1 : -1) * 0.5f;
            vase_ellipse(s, x, y + 0.08f, 0.09f, 0.04f, side * 0.5f, VASE_GOLD);
            vase_ellipse(s, x, y - 0.08f, 0.09f, 0.04f, -side * 0.5f, VASE_GOLD);
        }
    }
    return s;
}

struct StoryPicture {
    const char *entry;
    VaseScene (*paint)();
};

static VaseScene olympus_1() { return olympus(1, false); }
static VaseScene olympus_2() { return olympus(2, true); }
static VaseScene olympus_3() { return olympus(3, false); }
static VaseScene ares_1() { return ares(false); }
static VaseScene ares_2() { return ares(true); }
static VaseScene zeus_2() { return zeus(false); }

static const StoryPicture intro_pictures[] = {
    {"intro/cloto01.tga", clotho},        {"intro/laquesis02.tga", lachesis}, {"intro/atropos01.tga", atropos},
    {"intro/olimpo01.tga", olympus_1},    {"intro/olimpo02.tga", olympus_2},  {"intro/olimpo03.tga", olympus_3},
    {"intro/ares01.tga", ares_1},         {"intro/ares02.tga", ares_2},       {"intro/artemisa01.tga", artemis},
    {"intro/hades01.tga", hades},         {"intro/apolo01.tga", apollo},      {"intro/zeus02.tga", zeus_2},
    {"intro/zeus03.tga", zeus_sends_word}, {"intro/hera02.tga", hera},         {"intro/clash00.tga", anvil_sparks},
    {"intro/clash01.tga", god_behind_hero}, {"intro/hefesto01.tga", heaven_watches}, {"intro/hefesto02.tga", arena_stands},
    {"intro/jason.tga", jason},           {"intro/atalanta.tga", atalanta},   {"intro/odiseo.tga", odysseus},
    {"intro/hipolita.tga", hippolyte},    {"intro/perseo.tga", perseus},      {"intro/polifemo.tga", polyphemus},
};

// ---- the endings ---------------------------------------------------------------------------
// Each fighter as the endings paint it.
static VaseFigure fighter_figure(int id, f32 x, f32 facing)
{
    static const VaseFigure looks[] = {
        // x  foot  height facing head             robe   large  front          back            raise
        {0, -0.8f, 1.4f, 1, HEADGEAR_NONE,    false, false, ITEM_SWORD,  ITEM_SWORD,         0.3f, 0.2f},   // Jason
        {0, -0.8f, 1.4f, 1, HEADGEAR_HELMET,  false, false, ITEM_SWORD,  ITEM_SHIELD,        0.3f, 0.0f},   // Odysseus
        {0, -0.8f, 1.4f, 1, HEADGEAR_HAIR,    false, false, ITEM_BOW,    ITEM_NONE,          0.3f, -0.6f},  // Atalanta
        {0, -0.8f, 1.4f, 1, HEADGEAR_HELMET,  false, false, ITEM_SWORD,  ITEM_MIRROR_SHIELD, 0.4f, 0.0f},   // Perseus
        {0, -0.8f, 1.4f, 1, HEADGEAR_HAIR,    false, false, ITEM_SPEAR,  ITEM_NONE,          0.3f, -0.6f},  // Hippolyte
        {0, -0.8f, 1.55f, 1, HEADGEAR_ONE_EYE, false, true, ITEM_CLUB,   ITEM_NONE,          0.5f, -0.6f},  // Polyphemus
        {0, -0.8f, 1.55f, 1, HEADGEAR_BULL,   false, true,  ITEM_HAMMER, ITEM_NONE,          0.4f, -0.6f},  // Minotaur
        {0, -0.8f, 1.4f, 1, HEADGEAR_SNAKES,  true,  false, ITEM_BOW,    ITEM_NONE,          0.3f, -0.6f},  // Medusa
        {0, -0.8f, 1.3f, 1, HEADGEAR_HAIR,    false, true,  ITEM_NONE,   ITEM_NONE,          -0.8f, -0.8f}, // Sphinx
        {0, -0.8f, 1.5f, 1, HEADGEAR_SNAKES,  false, true,  ITEM_NONE,   ITEM_NONE,          0.6f, 0.6f},   // Hydra
        {0, -0.8f, 1.5f, 1, HEADGEAR_HELMET,  false, false, ITEM_SPEAR,  ITEM_SHIELD,        0.3f, 0.0f},   // Ares
        {0, -0.8f, 1.4f, 1, HEADGEAR_HOOD,    true,  false, ITEM_SHEARS, ITEM_THREAD,        0.4f, -0.2f},  // Atropos
    };
    static_assert(std::size(looks) == CHARACTER_COUNT, "one look per fighter");
    VaseFigure f = looks[id];
    f.x = x;
    f.facing = facing;
    return f;
}

// Zeus enthroned, granting a wish.
static void zeus_on_throne(VaseScene &s, f32 x)
{
    vase_quad(s, x - 0.35f, -0.8f, x + 0.35f, -0.8f, x + 0.35f, 0.1f, x - 0.35f, 0.1f, VASE_DARK_CLAY);
    vase_figure(s, VaseFigure{x, -0.8f, 1.35f, -1, HEADGEAR_BEARD, true, false, ITEM_BOLT, ITEM_STAFF, 0.1f, 0.0f});
}

// What an ending's picture shows, chosen to match the lines it stands beside.
enum EndingScene : u8 {
    SCENE_BEFORE_ZEUS,     // the winner before Zeus on his throne
    SCENE_UNDER_SUN,       // the wish granted: the winner under the sun, hills behind
    SCENE_AT_HOME,         // at peace beside a loved one
    SCENE_PALACE,          // a king among the columns of his palace, his people cheering
    SCENE_FOREST,          // among the trees of the wild
    SCENE_STARS,           // placed among the stars
    SCENE_FIRES,           // welcomed home with fires
    SCENE_WITH_ARES,       // face to face with Ares
    SCENE_BY_THE_SEA,      // on the shore, a nymph rising from the waves
    SCENE_UNCURSED,        // the curse lifted: long hair where the snakes were
    SCENE_TEMPLE,          // at a temple's door, Athena there
    SCENE_RIDDLE,          // asking Zeus riddles under the night sky
    SCENE_SWAMP,           // asleep in the reeds of a dark swamp
    SCENE_WAR,             // war on the earth
    SCENE_CUT_THREAD       // the shears closing on a thread
};

// Per fighter, the scene of each ending picture in order.
static const EndingScene ending_scenes[][3] = {
    {SCENE_BEFORE_ZEUS, SCENE_PALACE, SCENE_AT_HOME},         // Jason: king of Iolcus
    {SCENE_BEFORE_ZEUS, SCENE_UNDER_SUN, SCENE_AT_HOME},      // Odysseus: Ithaca, Penelope
    {SCENE_BEFORE_ZEUS, SCENE_FOREST, SCENE_AT_HOME},         // Atalanta: the forests of Arcadia
    {SCENE_BEFORE_ZEUS, SCENE_AT_HOME, SCENE_STARS},          // Perseus: Andromeda, the stars
    {SCENE_BEFORE_ZEUS, SCENE_FIRES, SCENE_WITH_ARES},        // Hippolyte: the Amazons, her father
    {SCENE_BEFORE_ZEUS, SCENE_BY_THE_SEA, SCENE_AT_HOME},     // Polyphemus: Galatea
    {SCENE_BEFORE_ZEUS, SCENE_UNDER_SUN, SCENE_UNDER_SUN},    // the Minotaur: out into the sun
    {SCENE_BEFORE_ZEUS, SCENE_UNCURSED, SCENE_TEMPLE},        // Medusa: her beauty back, Athena
    {SCENE_BEFORE_ZEUS, SCENE_RIDDLE, SCENE_AT_HOME},         // the Sphinx: riddles till night
    {SCENE_BEFORE_ZEUS, SCENE_SWAMP, SCENE_AT_HOME},          // the Hydra: asleep in Lerna
    {SCENE_BEFORE_ZEUS, SCENE_WAR, SCENE_AT_HOME},            // Ares: war on the earth
    {SCENE_WITH_ARES, SCENE_CUT_THREAD, SCENE_AT_HOME},       // Atropos: the gods' threads cut
};
static_assert(std::size(ending_scenes) == CHARACTER_COUNT, "one row of scenes per fighter");

static void trees(VaseScene &s, int count, int seed)
{
    for (int k = 0; k < count; k++) {
        f32 x = -1.0f + 2.0f * (k + 0.5f) / count + 0.1f * (paint_hash(k, seed, 1) - 0.5f);
        f32 h = 0.9f + 0.4f * paint_hash(k, seed, 2);
        vase_capsule(s, x, -0.86f, x, -0.86f + h, 0.04f, VASE_DARK_CLAY);
        vase_ellipse(s, x, -0.86f + h, 0.22f, 0.3f, 0, VASE_DARK_CLAY);
    }
}

static void waves(VaseScene &s, f32 y, VaseInk ink)
{
    for (int k = 0; k < 7; k++)
        vase_ring(s, -1.05f + 0.35f * k, y, 0.17f, 0.04f, ink);
}

static void columns(VaseScene &s, f32 x0, f32 x1, int count)
{
    for (int k = 0; k < count; k++) {
        f32 x = x0 + (x1 - x0) * k / (count - 1);
        vase_capsule(s, x, -0.86f, x, 0.35f, 0.06f, VASE_DARK_CLAY);
    }
    vase_quad(s, x0 - 0.15f, 0.35f, x1 + 0.15f, 0.35f, x1 + 0.15f, 0.45f, x0 - 0.15f, 0.45f, VASE_DARK_CLAY);
    vase_triangle(s, x0 - 0.15f, 0.45f, x1 + 0.15f, 0.45f, 0.5f * (x0 + x1), 0.75f, VASE_DARK_CLAY);
}

static VaseFigure loved_one(f32 x, f32 facing)
{
    return VaseFigure{x, -0.8f, 1.3f, facing, HEADGEAR_HAIR, true, false, ITEM_NONE, ITEM_NONE, 0.3f, -0.6f};
}

static VaseScene ending_picture(int id, int picture)
{
    VaseScene s;
    switch (ending_scenes[id][picture - 1]) {
    case SCENE_BEFORE_ZEUS:
        zeus_on_throne(s, 0.55f);
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        break;
    case SCENE_UNDER_SUN:
        vase_sun(s, 0.6f, 0.5f, 0.13f);
        vase_mountain(s, -0.5f, -0.86f, 0.6f, 0.7f, false);
        vase_figure(s, fighter_figure(id, 0.05f, 1));
        break;
    case SCENE_PALACE:
        columns(s, -0.8f, 0.8f, 5);
        for (int k = 0; k < 5; k++)   // the people, cheering below
            vase_figure(s, VaseFigure{-0.9f + 0.45f * k, -0.8f, 0.55f, k < 2 ? 1.0f : -1.0f, HEADGEAR_HAIR, true, false,
                                      ITEM_NONE, ITEM_NONE, 0.9f, 0.9f});
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        vase_triangle(s, -0.07f, 0.72f, 0.07f, 0.72f, 0.0f, 0.84f, VASE_GOLD);   // the crown
        break;
    case SCENE_FOREST:
        trees(s, 6, id);
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        break;
    case SCENE_STARS:
        vase_sparks(s, 0.0f, 0.1f, 0.95f, 70, id);
        vase_figure(s, fighter_figure(id, -0.3f, 1));
        vase_figure(s, loved_one(0.35f, -1));
        for (size_t k = 0; k < s.size(); k++)
            if (s[k].ink == VASE_CLAY)
                s[k].ink = VASE_GOLD;   // the figures shine as constellations
        break;
    case SCENE_FIRES:
        for (int k = 0; k < 3; k++) {
            f32 x = -0.75f + 0.75f * k;
            vase_triangle(s, x - 0.12f, -0.86f, x + 0.12f, -0.86f, x, -0.5f, VASE_GOLD);
            vase_sparks(s, x, -0.4f, 0.15f, 10, k + 3);
        }
        vase_figure(s, VaseFigure{-0.55f, -0.8f, 1.1f, 1, HEADGEAR_HAIR, false, false, ITEM_SPEAR, ITEM_NONE, 0.6f, -0.6f});
        vase_figure(s, VaseFigure{0.6f, -0.8f, 1.1f, -1, HEADGEAR_HAIR, false, false, ITEM_BOW, ITEM_NONE, 0.6f, -0.6f});
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        break;
    case SCENE_WITH_ARES:
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        vase_figure(s, fighter_figure(CHARACTER_ARES, 0.45f, -1));
        break;
    case SCENE_BY_THE_SEA:
        waves(s, -0.72f, VASE_WHITE);
        vase_figure(s, fighter_figure(id, -0.4f, 1));
        vase_figure(s, VaseFigure{0.5f, -0.95f, 1.2f, -1, HEADGEAR_HAIR, true, false, ITEM_NONE, ITEM_NONE, 0.4f, -0.6f});
        waves(s, -0.86f, VASE_WHITE);
        break;
    case SCENE_UNCURSED: {
        vase_sun(s, 0.6f, 0.5f, 0.13f);
        VaseFigure f = fighter_figure(id, 0.0f, 1);
        f.head = HEADGEAR_HAIR;
        f.front_item = f.back_item = ITEM_NONE;
        vase_figure(s, f);
        break;
    }
    case SCENE_TEMPLE: {
        columns(s, 0.15f, 0.95f, 3);
        VaseFigure f = fighter_figure(id, -0.55f, 1);
        f.head = HEADGEAR_HAIR;
        f.front_item = f.back_item = ITEM_NONE;
        vase_figure(s, f);
        vase_figure(s, VaseFigure{0.3f, -0.8f, 1.45f, -1, HEADGEAR_HELMET, true, false, ITEM_SPEAR, ITEM_SHIELD, 0.3f, 0.0f});
        break;
    }
    case SCENE_RIDDLE:
        vase_sparks(s, 0.0f, 0.45f, 0.9f, 40, 13);
        vase_ellipse(s, -0.7f, 0.55f, 0.1f, 0.1f, 0, VASE_WHITE);   // the moon
        zeus_on_throne(s, 0.55f);
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        break;
    case SCENE_SWAMP:
        for (int k = 0; k < 14; k++) {
            f32 x = -1.0f + 2.0f * k / 13.0f;
            vase_capsule(s, x, -0.86f, x + 0.05f, -0.2f + 0.2f * paint_hash(k, id, 4), 0.015f, VASE_DARK_CLAY);
        }
        vase_ellipse(s, 0.0f, -0.7f, 0.7f, 0.18f, 0, VASE_DARK_CLAY);
        for (int k = 0; k < 4; k++)   // the heads, coiled in sleep
            vase_ring(s, -0.45f + 0.3f * k, -0.55f, 0.1f, 0.04f, VASE_CLAY);
        vase_ellipse(s, 0.55f, 0.55f, 0.1f, 0.1f, 0, VASE_WHITE);
        break;
    case SCENE_WAR:
        return clash(true);
    case SCENE_CUT_THREAD:
        vase_capsule(s, -0.9f, 0.3f, 0.9f, 0.3f, 0.012f, VASE_GOLD);
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        vase_sparks(s, 0.3f, 0.3f, 0.12f, 12, 7);
        break;
    default:
        vase_clouds(s, 0.55f, 4, id);
        vase_figure(s, fighter_figure(id, -0.35f, 1));
        vase_figure(s, loved_one(0.4f, -1));
        break;
    }
    return s;
}

struct EndingPictures {
    int id;
    const char *entries[3];
};

static const EndingPictures ending_pictures[] = {
    {CHARACTER_JASON, {"finales/jasonf1.jpg", "finales/jasonf2.jpg", nullptr}},
    {CHARACTER_ODYSSEUS, {"finales/odiseof1.jpg", "finales/odiseof2.jpg", "finales/odiseof3.jpg"}},
    {CHARACTER_ATALANTA, {"finales/atalantaf1.jpg", "finales/atalantaf2.jpg", nullptr}},
    {CHARACTER_PERSEUS, {"finales/perseof1.jpg", "finales/perseof2.jpg", "finales/perseof3.jpg"}},
    {CHARACTER_HIPPOLYTE, {"finales/hipolitaf1.jpg", "finales/hipolitaf2.jpg", "finales/hipolitaf3.jpg"}},
    {CHARACTER_POLYPHEMUS, {"finales/polifemof1.jpg", "finales/polifemof2.jpg", nullptr}},
    {CHARACTER_MINOTAUR, {"finales/minotaurof1.jpg", "finales/minotaurof2.jpg", "finales/minotaurof3.jpg"}},
    {CHARACTER_MEDUSA, {"finales/medusaf1.jpg", "finales/medusaf2.jpg", "finales/medusaf3.jpg"}},
    {CHARACTER_SPHINX, {"finales/esfingef1.jpg", "finales/esfingef2.jpg", nullptr}},
    {CHARACTER_HYDRA, {"finales/hidraf1.jpg", "finales/hidraf2.jpg", nullptr}},
    {CHARACTER_ARES, {"finales/aresf1.jpg", "finales/aresf2.jpg", nullptr}},
    {CHARACTER_ATROPOS, {"finales/atropof1.jpg", "finales/atropof2.jpg", nullptr}},
};

// The faction endings: Ares enthroned, the wars, Atropos' visit; the heroes' return.
static VaseScene faction_picture(bool ares, int n)
{
    VaseScene s;
    if (ares) {
        switch (n) {
        case 1: vase_mountain(s, 0, -0.86f, 1.0f, 1.1f, true); break;
        case 2: zeus_on_throne(s, 0.0f); break;
        case 3: vase_figure(s, fighter_figure(CHARACTER_ARES, 0, 1)); vase_sun(s, 0.6f, 0.5f, 0.1f); break;
        case 4: return clash(true);
        case 5: vase_figure(s, fighter_figure(CHARACTER_ATROPOS, 0, 1)); break;
        case 6:
            vase_figure(s, fighter_figure(CHARACTER_ATROPOS, -0.5f, 1));
            vase_figure(s, fighter_figure(CHARACTER_ARES, 0.5f, -1));
            break;
        default: return atropos();
        }
        return s;
    }
    switch (n) {
    case 1: return olympus(5, true);
    case 2:
        vase_figure(s, fighter_figure(CHARACTER_JASON, -0.4f, 1));
        vase_figure(s, fighter_figure(CHARACTER_PERSEUS, 0.4f, -1));
        break;
    case 3: zeus_on_throne(s, 0.0f); vase_clouds(s, 0.6f, 4, 9); break;
    default: return clotho();
    }
    return s;
}

// The quad each story picture is shown on, width by height in the story's units, as the
// opening story's scenes, the endings' scripts and the faction endings' scenes place them.
// A picture on no listed quad is square.
struct StoryQuadShape {
    const char *entry;
    f32 width, height;
};
static const StoryQuadShape story_quad_shapes[] = {
    {"intro/olimpo01.tga", 18, 16},       {"intro/ares02.tga", 15, 16},        {"intro/olimpo03.tga", 50, 40},
    {"intro/ares01.tga", 14, 16},         {"intro/artemisa01.tga", 8, 16},     {"intro/apolo01.tga", 14, 16},
    {"intro/hades01.tga", 10, 16},        {"intro/hera02.tga", 8, 16},         {"intro/olimpo02.tga", 20, 16},
    {"intro/zeus03.tga", 16.5f, 16},      {"intro/clash00.tga", 8, 16},        {"intro/clash01.tga", 8, 16},
    {"intro/hefesto01.tga", 16.5f, 16},   {"intro/hefesto02.tga", 16.5f, 16},  {"intro/jason.tga", 4, 8},
    {"intro/atalanta.tga", 2, 8},         {"intro/odiseo.tga", 4, 8},          {"intro/hipolita.tga", 2, 8},
    {"intro/perseo.tga", 4, 8},           {"intro/polifemo.tga", 4, 8},
    {"finales/jasonf1.jpg", 18, 13.5f},   {"finales/jasonf2.jpg", 18, 13.5f},
    {"finales/odiseof1.jpg", 18, 13.5f},  {"finales/odiseof2.jpg", 18, 13.5f}, {"finales/odiseof3.jpg", 18, 17},
    {"finales/atalantaf1.jpg", 18, 22},   {"finales/atalantaf2.jpg", 20, 16},
    {"finales/perseof1.jpg", 18, 13.5f},  {"finales/perseof2.jpg", 18, 13.5f}, {"finales/perseof3.jpg", 18, 17},
    {"finales/hipolitaf1.jpg", 18, 13.5f}, {"finales/hipolitaf2.jpg", 18, 13.5f}, {"finales/hipolitaf3.jpg", 18, 21},
    {"finales/polifemof1.jpg", 18, 18},   {"finales/polifemof2.jpg", 18, 18},
    {"finales/minotaurof1.jpg", 18, 13.5f}, {"finales/minotaurof2.jpg", 18, 21}, {"finales/minotaurof3.jpg", 18, 13.5f},
    {"finales/medusaf1.jpg", 18, 13.5f},  {"finales/medusaf2.jpg", 18, 21},    {"finales/medusaf3.jpg", 18, 13.5f},
    {"finales/esfingef1.jpg", 18, 22},    {"finales/esfingef2.jpg", 18, 13.5f},
    {"finales/hidraf1.jpg", 18, 13},      {"finales/hidraf2.jpg", 18, 13},
    {"finales/aresf1.jpg", 17, 13.5f},    {"finales/aresf2.jpg", 18, 18},
    {"finales/atropof1.jpg", 17, 14.5f},  {"finales/atropof2.jpg", 18, 13.5f},
    {"finales/fina_01.tga", 20.5f, 16},   {"finales/fina_02.tga", 16.5f, 16},  {"finales/fina_03.tga", 12.5f, 16},
    {"finales/fina_04.tga", 8.5f, 16},    {"finales/fina_05.tga", 18.5f, 16},  {"finales/fina_06.tga", 8.5f, 16},
    {"finales/fina_07.tga", 14.5f, 16},
    {"finales/finz_01.tga", 20.5f, 16},   {"finales/finz_02.tga", 8.5f, 16},   {"finales/finz_03.tga", 18.5f, 16},
    {"finales/finz_04.tga", 18.5f, 16},
};

static f32 story_aspect(const char *entry)
{
    for (const StoryQuadShape &shape : story_quad_shapes)
        if (strcmp(shape.entry, entry) == 0)
            return shape.width / shape.height;
    return 1.0f;
}

// The scene painted for its quad: the longer side STORY_PICTURE_SIZE, the other by the quad's
// shape, the scene fitted inside.
static PaintCanvas story_canvas(const char *entry, VaseScene scene)
{
    f32 aspect = story_aspect(entry);
    int width = aspect >= 1.0f ? STORY_PICTURE_SIZE : static_cast<int>(std::lround(STORY_PICTURE_SIZE * aspect));
    int height = aspect >= 1.0f ? static_cast<int>(std::lround(STORY_PICTURE_SIZE / aspect)) : STORY_PICTURE_SIZE;
    vase_fit(scene, static_cast<f32>(width) / height);
    return vase_paint(scene, width, height);
}

static int add_picture(const char *entry, VaseScene scene, bool jpeg)
{
    PaintCanvas c = story_canvas(entry, std::move(scene));
    Bytes out = jpeg ? vase_jpeg(c) : vase_tga(c);
    if (out.empty()) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry);
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

int build_story(const char *)
{
    for (const StoryPicture &p : intro_pictures)
        if (!add_picture(p.entry, p.paint(), false))
            return 0;
    for (const EndingPictures &e : ending_pictures)
        for (int k = 0; k < 3 && e.entries[k]; k++)
            if (!add_picture(e.entries[k], ending_picture(e.id, k + 1), true))
                return 0;
    char entry[32];
    for (int n = 1; n <= 7; n++) {
        snprintf(entry, sizeof entry, "finales/fina_%02d.tga", n);
        if (!add_picture(entry, faction_picture(true, n), false))
            return 0;
    }
    for (int n = 1; n <= 4; n++) {
        snprintf(entry, sizeof entry, "finales/finz_%02d.tga", n);
        if (!add_picture(entry, faction_picture(false, n), false))
            return 0;
    }
    // The logos are drawn whole on their own rectangles, not on story quads.
    Bytes maker = vase_jpeg(vase_paint(maker_logo(), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE));
    Bytes logo = vase_jpeg(vase_paint(game_logo(), STORY_PICTURE_SIZE * 2, STORY_PICTURE_SIZE));
    if (maker.empty() || logo.empty()) {
        fprintf(stderr, "databuild: cannot encode the logos\n");
        return 0;
    }
    archive_add("titulo/intro_brisvale.jpg", maker);
    archive_add("titulo/logov.jpg", logo);
    return 1;
}
