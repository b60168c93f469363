// The story screens' pictures: the opening story's, the two logos before it, the character and
// faction endings', all in the vase-painting style.
#include "tools/databuild/databuild.h"

#include "tools/databuild/pictures/vase_painting.h"

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
// Clotho stands on the right of the three and spins toward the middle; Lachesis, on the left,
// holds up her measuring rod to the thread; Atropos, between them, opens her shears.
static VaseScene clotho()
{
    return one(figure(0.0f, 1.5f, -1, HEADGEAR_HOOD, true, ITEM_THREAD, ITEM_DISTAFF, 0.2f, 0.1f));
}
static VaseScene lachesis()
{
    return one(figure(0.0f, 1.5f, 1, HEADGEAR_HOOD, true, ITEM_ROD, ITEM_THREAD, 0.3f, 0.2f));
}
static VaseScene atropos()
{
    return one(figure(0.0f, 1.5f, 1, HEADGEAR_HOOD, true, ITEM_SHEARS, ITEM_THREAD, 0.4f, -0.2f));
}

// ---- the gods --------------------------------------------------------------------------------
// Olympus, its temple on the peak; the clouds stay about its middle, clear of the narration.
static VaseScene olympus(int seed, bool sun)
{
    VaseScene s;
    vase_mountain(s, 0.0f, -0.86f, 1.0f, 1.1f, true);
    vase_clouds(s, 0.05f, 4, seed);
    if (sun)
        vase_sun(s, 0.62f, 0.55f, 0.12f);
    return s;
}
// A stone altar, its fire out ("In peace no altar burned for him").
static void cold_altar(VaseScene &s, f32 x)
{
    vase_quad(s, x - 0.16f, -0.8f, x + 0.16f, -0.8f, x + 0.12f, -0.5f, x - 0.12f, -0.5f, VASE_DARK_CLAY);
    vase_quad(s, x - 0.2f, -0.5f, x + 0.2f, -0.5f, x + 0.2f, -0.44f, x - 0.2f, -0.44f, VASE_DARK_CLAY);
}
// Ares in his bronze before the mountain, by his cold altar; raised: his spear held high.
static VaseScene ares(bool raised)
{
    VaseScene s;
    if (!raised)
        cold_altar(s, -0.55f);
    vase_figure(s, figure(0.1f, 1.5f, -1, HEADGEAR_HELMET, false, ITEM_SPEAR, ITEM_SHIELD, raised ? 0.95f : 0.2f, -0.2f));
    return s;
}
static VaseScene artemis()
{
    return one(figure(0.0f, 1.5f, -1, HEADGEAR_HAIR, true, ITEM_BOW, ITEM_NONE, 0.3f));
}
static VaseScene hades()
{
    VaseScene s = one(figure(0.0f, 1.5f, 1, HEADGEAR_BEARD, true, ITEM_BIDENT, ITEM_NONE, 0.1f));
    vase_sparks(s, 0.0f, -0.7f, 0.5f, 20, 4);
    return s;
}
static VaseScene apollo()
{
    return one(figure(0.0f, 1.5f, -1, HEADGEAR_HAIR, true, ITEM_LYRE, ITEM_NONE, 0.1f));
}
// Zeus risen in anger, his bolt drawn back to throw.
static VaseScene zeus_angry()
{
    return one(figure(0.0f, 1.55f, 1, HEADGEAR_BEARD, true, ITEM_STAFF, ITEM_BOLT, 0.0f, 0.95f));
}
// Hera speaking, her hand raised between the two of them.
static VaseScene hera()
{
    return one(figure(0.0f, 1.5f, -1, HEADGEAR_CROWN, true, ITEM_NONE, ITEM_STAFF, 0.8f, 0.1f));
}
// A throne: seat, back and legs, its front toward `facing`.
static void throne(VaseScene &s, f32 x, f32 base, f32 size, f32 facing, VaseInk ink)
{
    f32 back = x - facing * size * 0.35f;
    vase_quad(s, x - size * 0.4f, base + size * 0.45f, x + size * 0.4f, base + size * 0.45f, x + size * 0.4f,
              base + size * 0.55f, x - size * 0.4f, base + size * 0.55f, ink);
    vase_capsule(s, back, base, back, base + size * 1.3f, size * 0.07f, ink);
    vase_capsule(s, x + facing * size * 0.35f, base, x + facing * size * 0.35f, base + size * 0.5f, size * 0.06f, ink);
}
// The hall of the gods: columns under a pediment, the empty throne of Zeus in the middle.
static VaseScene hall_of_gods()
{
    VaseScene s;
    for (int k = 0; k < 6; k++) {
        f32 x = -0.95f + 0.38f * k;
        vase_capsule(s, x, -0.86f, x, 0.4f, 0.05f, VASE_DARK_CLAY);
    }
    vase_quad(s, -1.1f, 0.4f, 1.1f, 0.4f, 1.1f, 0.5f, -1.1f, 0.5f, VASE_DARK_CLAY);
    vase_triangle(s, -1.1f, 0.5f, 1.1f, 0.5f, 0.0f, 0.8f, VASE_DARK_CLAY);
    throne(s, 0.0f, -0.86f, 0.6f, 1, VASE_GOLD);
    return s;
}
// "The last to stand would choose who rules Olympus": the mountain, the empty throne on its
// peak under the sun.
static VaseScene olympus_throne()
{
    VaseScene s;
    vase_mountain(s, 0.0f, -0.86f, 1.0f, 1.0f, false);
    throne(s, 0.0f, 0.14f, 0.3f, 1, VASE_GOLD);
    vase_clouds(s, -0.1f, 4, 2);
    vase_sun(s, 0.62f, 0.5f, 0.11f);
    return s;
}
// Both sides call their champions: Zeus sends his herald running; on the other side the
// Minotaur and Hippolyte answer Ares.
static VaseScene champions_called()
{
    VaseScene s;
    vase_figure(s, figure(-0.75f, 1.5f, 1, HEADGEAR_BEARD, true, ITEM_BOLT, ITEM_STAFF, 0.9f, 0.0f));
    vase_figure(s, figure(-0.1f, 1.15f, -1, HEADGEAR_HELMET, false, ITEM_STAFF, ITEM_NONE, 0.5f, 0.3f));
    VaseFigure bull = figure(0.55f, 1.4f, -1, HEADGEAR_BULL, false, ITEM_HAMMER, ITEM_NONE, 0.5f);
    bull.large = true;
    vase_figure(s, bull);
    vase_figure(s, figure(1.0f, 1.3f, -1, HEADGEAR_HAIR, false, ITEM_SPEAR, ITEM_NONE, 0.3f));
    return s;
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
// One painting across two half quads side by side: on the left Hephaestus at his anvil in
// the mountain's forge, sparks rising; on the right Atropos coming, shears in hand. Made for
// a square picture and cut down the middle.
static VaseScene forge_and_fate()
{
    VaseScene s;
    vase_triangle(s, -1.6f, -0.86f, 0.1f, -0.86f, -0.75f, 0.84f, VASE_DARK_CLAY);     // the mountain
    vase_ellipse(s, -0.72f, -0.86f, 0.42f, 0.62f, 0, VASE_GLAZE);                     // its forge
    vase_quad(s, -0.62f, -0.8f, -0.38f, -0.8f, -0.42f, -0.55f, -0.58f, -0.55f, VASE_DARK_CLAY);   // the anvil
    vase_quad(s, -0.66f, -0.55f, -0.3f, -0.55f, -0.3f, -0.48f, -0.66f, -0.48f, VASE_DARK_CLAY);
    vase_figure(s, figure(-0.86f, 0.75f, 1, HEADGEAR_BEARD, false, ITEM_HAMMER, ITEM_NONE, 0.9f));
    vase_sparks(s, -0.48f, -0.25f, 0.25f, 30, 5);
    vase_figure(s, figure(0.5f, 1.5f, -1, HEADGEAR_HOOD, true, ITEM_SHEARS, ITEM_THREAD, 0.5f, -0.2f));
    return s;
}

// Everything a scene adds from `first` on, painted in another ink.
static void scene_ink(VaseScene &s, size_t first, VaseInk from, VaseInk to)
{
    for (size_t k = first; k < s.size(); k++)
        if (s[k].ink == from)
            s[k].ink = to;
}

// "Each had a god behind him, ready to lend his power": a hero, and a god towering in gold
// behind him.
static VaseScene god_behind_hero()
{
    VaseScene s;
    size_t god = s.size();
    vase_figure(s, VaseFigure{0.12f, -0.8f, 1.62f, -1, HEADGEAR_BEARD, true, false, ITEM_BOLT, ITEM_STAFF, 0.6f, 0.0f});
    scene_ink(s, god, VASE_CLAY, VASE_GOLD);
    vase_figure(s, figure(-0.12f, 1.0f, -1, HEADGEAR_HELMET, false, ITEM_SWORD, ITEM_SHIELD, 0.3f, 0.0f));
    return s;
}

// "The crowds of heaven gathered to watch": the gods in a row on a bank of clouds high above
// the arena and its stands.
static VaseScene heaven_watches()
{
    VaseScene s;
    vase_ellipse(s, 0.0f, -0.86f, 1.0f, 0.3f, 0.0f, VASE_DARK_CLAY);    // the stands
    vase_ellipse(s, 0.0f, -0.86f, 0.62f, 0.14f, 0.0f, VASE_CLAY);       // the sand
    static const VaseHeadgear heads[] = {HEADGEAR_CROWN, HEADGEAR_BEARD, HEADGEAR_HELMET, HEADGEAR_HAIR, HEADGEAR_BEARD};
    static const VaseItem items[] = {ITEM_STAFF, ITEM_BOLT, ITEM_SPEAR, ITEM_LYRE, ITEM_BIDENT};
    for (int k = 0; k < 5; k++) {
        f32 x = -0.8f + 0.4f * k;
        vase_figure(s, VaseFigure{x, 0.0f, 0.8f - 0.04f * (k % 2), k < 2 ? 1.0f : -1.0f, heads[k], k != 2, false,
                                  items[k], ITEM_NONE, 0.1f, -0.6f});
    }
    vase_clouds(s, -0.02f, 6, 17);
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
static VaseScene ares_1() { return ares(true); }
static VaseScene ares_2() { return ares(false); }

// One entry per picture of the opening story. The two halves of forge_and_fate are painted
// together (build_story_halves).
static const StoryPicture intro_pictures[] = {
    {"intro/cloto01.tga", clotho},         {"intro/laquesis02.tga", lachesis},      {"intro/atropos01.tga", atropos},
    {"intro/olimpo01.tga", olympus_1},     {"intro/olimpo02.tga", olympus_throne},  {"intro/olimpo03.tga", hall_of_gods},
    {"intro/ares01.tga", ares_1},          {"intro/ares02.tga", ares_2},            {"intro/artemisa01.tga", artemis},
    {"intro/hades01.tga", hades},          {"intro/apolo01.tga", apollo},           {"intro/zeus02.tga", zeus_angry},
    {"intro/zeus03.tga", champions_called}, {"intro/hera02.tga", hera},             {"intro/hefesto01.tga", heaven_watches},
    {"intro/hefesto02.tga", god_behind_hero}, {"intro/jason.tga", jason},           {"intro/atalanta.tga", atalanta},
    {"intro/odiseo.tga", odysseus},        {"intro/hipolita.tga", hippolyte},       {"intro/perseo.tga", perseus},
    {"intro/polifemo.tga", polyphemus},
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
    SCENE_TEMPLE,          // at a temple's door, Athena there
    SCENE_RIDDLE,          // asking Zeus riddles under the night sky
    SCENE_SWAMP,           // asleep in the reeds of a dark swamp
    SCENE_WAR,             // war on the earth
    SCENE_RESTING,         // at rest on a hillside over the sea, children come to look
    SCENE_VOYAGE,          // sailing away over the sea
    SCENE_EMPTY_THRONE,    // the throne of Olympus empty, a cut thread falling before it
    SCENE_ENTHRONED,       // on the throne of Olympus, Atropos before it
    SCENE_GREAT_BOW,       // drawing the great bow in his hall, the suitors falling back
    SCENE_SHEARS_RAISED    // facing Ares, the shears raised over him
};

// Per fighter, the scene of each ending picture in order.
static const EndingScene ending_scenes[][3] = {
    {SCENE_BEFORE_ZEUS, SCENE_PALACE, SCENE_AT_HOME},         // Jason: king of Iolcus
    {SCENE_BEFORE_ZEUS, SCENE_GREAT_BOW, SCENE_AT_HOME},      // Odysseus: his hall, Penelope
    {SCENE_BEFORE_ZEUS, SCENE_FOREST, SCENE_AT_HOME},         // Atalanta: the forests of Arcadia
    {SCENE_BEFORE_ZEUS, SCENE_AT_HOME, SCENE_STARS},          // Perseus: Andromeda, the stars
    {SCENE_BEFORE_ZEUS, SCENE_FIRES, SCENE_WITH_ARES},        // Hippolyte: the Amazons, her father
    {SCENE_BEFORE_ZEUS, SCENE_BY_THE_SEA, SCENE_AT_HOME},     // Polyphemus: Galatea
    {SCENE_BEFORE_ZEUS, SCENE_UNDER_SUN, SCENE_RESTING},      // the Minotaur: out into the sun
    {SCENE_BEFORE_ZEUS, SCENE_TEMPLE, SCENE_VOYAGE},          // Medusa: her beauty back, Athena, away
    {SCENE_BEFORE_ZEUS, SCENE_RIDDLE, SCENE_AT_HOME},         // the Sphinx: riddles till night
    {SCENE_BEFORE_ZEUS, SCENE_SWAMP, SCENE_AT_HOME},          // the Hydra: asleep in Lerna
    {SCENE_ENTHRONED, SCENE_WAR, SCENE_AT_HOME},              // Ares: enthroned, war on the earth
    {SCENE_SHEARS_RAISED, SCENE_EMPTY_THRONE, SCENE_AT_HOME}, // Atropos: the gods' threads cut
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
    case SCENE_TEMPLE: {
        columns(s, 0.15f, 0.95f, 3);
        VaseFigure f = fighter_figure(id, -0.55f, 1);
        f.head = HEADGEAR_HAIR;
        f.front_item = f.back_item = ITEM_NONE;
        vase_figure(s, f);
        vase_figure(s, VaseFigure{0.3f, -0.8f, 1.45f, -1, HEADGEAR_HELMET, true, false, ITEM_SPEAR, ITEM_SHIELD, 0.3f, 0.0f});
        for (int k = 0; k < 3; k++)   // the snakes, fallen from her head
            vase_capsule(s, -0.95f + 0.12f * k, -0.82f, -0.85f + 0.12f * k, -0.78f, 0.015f, VASE_DARK_CLAY);
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
    case SCENE_RESTING: {
        vase_sun(s, 0.65f, 0.55f, 0.1f);
        vase_triangle(s, -1.2f, -0.86f, 0.5f, -0.86f, -0.7f, -0.1f, VASE_DARK_CLAY);   // the hillside
        waves(s, -0.78f, VASE_WHITE);
        VaseFigure f = fighter_figure(id, -0.55f, 1);
        f.foot_y = -0.45f;
        f.height = 1.0f;
        f.front_raise = f.back_raise = -0.6f;
        vase_figure(s, f);
        vase_figure(s, VaseFigure{0.25f, -0.8f, 0.55f, -1, HEADGEAR_HAIR, false, false, ITEM_NONE, ITEM_NONE, 0.6f, -0.6f});
        vase_figure(s, VaseFigure{0.5f, -0.8f, 0.45f, -1, HEADGEAR_NONE, false, false, ITEM_NONE, ITEM_NONE, 0.2f, -0.6f});
        break;
    }
    case SCENE_VOYAGE: {
        vase_sun(s, -0.6f, 0.5f, 0.1f);
        VaseFigure f = fighter_figure(id, 0.1f, 1);
        f.head = HEADGEAR_HAIR;
        f.front_item = f.back_item = ITEM_NONE;
        f.foot_y = -0.55f;
        vase_figure(s, f);
        vase_quad(s, -0.55f, -0.72f, 0.75f, -0.72f, 0.6f, -0.5f, -0.4f, -0.5f, VASE_DARK_CLAY);   // the boat
        vase_capsule(s, 0.35f, -0.5f, 0.35f, 0.55f, 0.025f, VASE_DARK_CLAY);                       // its mast
        vase_triangle(s, 0.38f, 0.5f, 0.38f, -0.3f, 0.85f, -0.3f, VASE_WHITE);                     // its sail
        waves(s, -0.8f, VASE_WHITE);
        break;
    }
    case SCENE_ENTHRONED:
        throne(s, 0.45f, -0.86f, 0.8f, -1, VASE_GOLD);
        vase_figure(s, fighter_figure(id, 0.45f, -1));
        vase_figure(s, fighter_figure(CHARACTER_ATROPOS, -0.5f, 1));
        break;
    case SCENE_GREAT_BOW: {
        columns(s, -0.9f, 0.9f, 5);
        VaseFigure f = fighter_figure(id, -0.35f, 1);
        f.front_item = ITEM_BOW;
        f.back_item = ITEM_NONE;
        f.front_raise = 0.5f;
        f.back_raise = 0.4f;   // the string drawn back
        vase_figure(s, f);
        for (int k = 0; k < 2; k++)   // the suitors, falling back
            vase_figure(s, VaseFigure{0.35f + 0.35f * k, -0.8f, 1.0f, -1, HEADGEAR_HAIR, true, false, ITEM_NONE, ITEM_NONE,
                                      0.9f, 0.9f});
        break;
    }
    case SCENE_SHEARS_RAISED: {
        VaseFigure f = fighter_figure(id, -0.45f, 1);
        f.front_raise = 0.95f;
        vase_figure(s, f);
        vase_figure(s, fighter_figure(CHARACTER_ARES, 0.45f, -1));
        break;
    }
    case SCENE_EMPTY_THRONE:
        throne(s, 0.3f, -0.86f, 0.8f, -1, VASE_GOLD);
        vase_capsule(s, -0.9f, 0.35f, -0.25f, 0.3f, 0.012f, VASE_WHITE);
        vase_capsule(s, -0.15f, 0.2f, 0.0f, -0.5f, 0.012f, VASE_WHITE);   // the cut end, falling
        vase_figure(s, fighter_figure(id, -0.6f, 1));
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

// Ares' side won: Olympus over the burning cities; Ares climbing to the empty throne; Atropos
// with her shears before Ares enthroned; her shears open on his thread while Zeus comes back
// to his throne; the three sisters at their thread again.
static VaseScene ares_won_picture(int n)
{
    VaseScene s;
    switch (n) {
    case 1:
        vase_mountain(s, 0.0f, -0.86f, 0.9f, 1.1f, true);
        for (int k = 0; k < 4; k++) {   // the wars at its foot
            f32 x = -1.05f + 0.7f * k;
            vase_triangle(s, x - 0.09f, -0.86f, x + 0.09f, -0.86f, x, -0.62f, VASE_GOLD);
        }
        break;
    case 2:
        for (int k = 0; k < 4; k++) {   // the steps to the throne
            f32 y = -0.86f + 0.12f * k;
            vase_quad(s, -0.6f + 0.15f * k, y, 0.6f, y, 0.6f, y + 0.12f, -0.6f + 0.15f * k, y + 0.12f, VASE_DARK_CLAY);
        }
        throne(s, 0.35f, -0.38f, 0.5f, -1, VASE_GOLD);
        vase_figure(s, VaseFigure{-0.35f, -0.62f, 1.2f, 1, HEADGEAR_HELMET, false, false, ITEM_SPEAR, ITEM_SHIELD, 0.4f, -0.2f});
        break;
    case 3: vase_figure(s, fighter_figure(CHARACTER_ATROPOS, 0, 1)); break;
    case 4:
        throne(s, 0.0f, -0.86f, 0.75f, -1, VASE_GOLD);
        vase_figure(s, fighter_figure(CHARACTER_ARES, 0.0f, -1));
        break;
    case 5: {
        VaseFigure atropos_f = fighter_figure(CHARACTER_ATROPOS, -0.55f, 1);
        atropos_f.front_raise = 0.7f;
        vase_figure(s, atropos_f);
        VaseFigure ares_f = fighter_figure(CHARACTER_ARES, 0.15f, -1);
        ares_f.front_raise = -0.7f;   // his spear lowered
        vase_figure(s, ares_f);
        vase_capsule(s, -0.3f, 0.0f, 0.15f, 0.1f, 0.01f, VASE_WHITE);   // his thread, in her shears
        break;
    }
    case 6: zeus_on_throne(s, 0.0f); break;
    default:
        vase_capsule(s, -0.9f, 0.35f, 0.9f, 0.35f, 0.012f, VASE_WHITE);
        vase_figure(s, figure(-0.65f, 1.35f, 1, HEADGEAR_HOOD, true, ITEM_ROD, ITEM_THREAD, 0.3f, 0.2f));
        vase_figure(s, figure(0.0f, 1.35f, 1, HEADGEAR_HOOD, true, ITEM_SHEARS, ITEM_THREAD, 0.4f, -0.2f));
        vase_figure(s, figure(0.65f, 1.35f, -1, HEADGEAR_HOOD, true, ITEM_THREAD, ITEM_DISTAFF, 0.2f, 0.1f));
        break;
    }
    return s;
}

// The heroes won: the hall of the gods, Ares fleeing it; the heroes with their weapons up;
// Zeus on his throne, the heroes before him; Ares in the dark while the Moirae spin on.
static VaseScene heroes_won_picture(int n)
{
    VaseScene s;
    switch (n) {
    case 1: {
        s = hall_of_gods();
        VaseFigure fleeing = fighter_figure(CHARACTER_ARES, 0.75f, 1);
        fleeing.height = 0.9f;
        fleeing.front_raise = -0.6f;
        vase_figure(s, fleeing);
        break;
    }
    case 2: {
        VaseFigure jason_f = fighter_figure(CHARACTER_JASON, -0.3f, 1), perseus_f = fighter_figure(CHARACTER_PERSEUS, 0.3f, -1);
        jason_f.front_raise = perseus_f.front_raise = 0.9f;
        vase_figure(s, jason_f);
        vase_figure(s, perseus_f);
        break;
    }
    case 3:
        zeus_on_throne(s, 0.35f);
        vase_clouds(s, 0.55f, 3, 9);
        vase_figure(s, VaseFigure{-0.35f, -0.8f, 1.0f, 1, HEADGEAR_NONE, false, false, ITEM_SWORD, ITEM_SWORD, 0.3f, 0.2f});
        vase_figure(s, VaseFigure{-0.8f, -0.8f, 1.0f, 1, HEADGEAR_HELMET, false, false, ITEM_SWORD, ITEM_MIRROR_SHIELD, 0.4f, 0.0f});
        break;
    default: {
        size_t dark = s.size();
        vase_figure(s, fighter_figure(CHARACTER_ARES, -0.6f, 1));
        scene_ink(s, dark, VASE_CLAY, VASE_DARK_CLAY);   // Ares in the dark
        vase_capsule(s, -0.1f, 0.35f, 1.0f, 0.35f, 0.012f, VASE_WHITE);
        vase_figure(s, figure(0.15f, 1.2f, 1, HEADGEAR_HOOD, true, ITEM_ROD, ITEM_THREAD, 0.3f, 0.2f));
        vase_figure(s, figure(0.5f, 1.2f, 1, HEADGEAR_HOOD, true, ITEM_SHEARS, ITEM_THREAD, 0.4f, -0.2f));
        vase_figure(s, figure(0.85f, 1.2f, -1, HEADGEAR_HOOD, true, ITEM_THREAD, ITEM_DISTAFF, 0.2f, 0.1f));
        break;
    }
    }
    return s;
}

static VaseScene faction_picture(bool ares, int n)
{
    return ares ? ares_won_picture(n) : heroes_won_picture(n);
}

// How each story picture is shown: its quad, width by height in the story's units, as the
// opening story's scenes, the endings' scripts and the faction endings' scenes place it; the
// part of it the screen shows while it is seen (the window, 0..1 across and down, the
// smallest over the moments its lines are read, at rest after a slide); the rows the
// narration lies over; and its ground: banded, plain, or none for a picture drawn over another
// (then it brings only its figures). A picture on no listed quad is square and shown whole.
struct StoryQuadShape {
    const char *entry;
    f32 width, height;
    VaseFrame frame;
};
constexpr VaseGround OVER = VASE_GROUND_NONE, BASE = VASE_GROUND_BANDED, PLAIN = VASE_GROUND_PLAIN;
static const StoryQuadShape story_quad_shapes[] = {
    // entry, quad w and h, window u0 u1 v0 v1, narration rows, ground;
    // intro/clash00 stands for both halves, painted as one 16 x 16 picture and cut. The windows
    // of the three sisters, fina_03, fina_05 and hefesto02 are narrowed further, so that each
    // figure stands beside, not on, those of the pictures shown with it.
    {"finales/aresf1.jpg", 17, 13.5f, {0.005f, 0.995f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/aresf2.jpg", 18, 18, {0.033f, 0.967f, 0.039f, 0.739f, 0.517f, 0.644f, BASE}},
    {"finales/atalantaf1.jpg", 18, 22, {0.033f, 0.967f, 0.032f, 0.605f, 0.423f, 0.527f, BASE}},
    {"finales/atalantaf2.jpg", 20, 16, {0.08f, 0.92f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"finales/atropof1.jpg", 17, 14.5f, {0.005f, 0.995f, 0.082f, 0.952f, 0.676f, 0.834f, BASE}},
    {"finales/atropof2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/esfingef1.jpg", 18, 22, {0.033f, 0.967f, 0.395f, 0.968f, 0.786f, 0.891f, BASE}},
    {"finales/esfingef2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/fina_01.tga", 20.5f, 16, {0.085f, 0.974f, 0.047f, 0.953f, 0.665f, 0.831f, BASE}},
    {"finales/fina_02.tga", 16.5f, 16, {0.0f, 0.703f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_03.tga", 12.5f, 16, {0.0f, 0.5f, 0.0f, 1.0f, 0.67f, 0.871f, OVER}},
    {"finales/fina_04.tga", 8.5f, 16, {0.0f, 1.0f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_05.tga", 18.5f, 16, {0.02f, 0.6f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_06.tga", 8.5f, 16, {0.0f, 0.888f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/fina_07.tga", 14.5f, 16, {0.0f, 1.0f, 0.201f, 0.853f, 0.634f, 0.798f, BASE}},
    {"finales/finz_01.tga", 20.5f, 16, {0.023f, 1.0f, 0.027f, 0.973f, 0.672f, 0.845f, BASE}},
    {"finales/finz_02.tga", 8.5f, 16, {0.08f, 1.0f, 0.066f, 0.934f, 0.658f, 0.816f, OVER}},
    {"finales/finz_03.tga", 18.5f, 16, {0.146f, 0.854f, 0.193f, 0.807f, 0.612f, 0.793f, BASE}},
    {"finales/finz_04.tga", 18.5f, 16, {0.087f, 0.979f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"finales/hidraf1.jpg", 18, 13, {0.033f, 0.967f, 0.015f, 0.985f, 0.677f, 0.854f, BASE}},
    {"finales/hidraf2.jpg", 18, 13, {0.033f, 0.967f, 0.015f, 0.985f, 0.677f, 0.854f, BASE}},
    {"finales/hipolitaf1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/hipolitaf2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/hipolitaf3.jpg", 18, 21, {0.033f, 0.967f, 0.033f, 0.634f, 0.443f, 0.552f, BASE}},
    {"finales/jasonf1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/jasonf2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/medusaf1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/medusaf2.jpg", 18, 21, {0.033f, 0.967f, 0.033f, 0.634f, 0.443f, 0.552f, BASE}},
    {"finales/medusaf3.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/minotaurof1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/minotaurof2.jpg", 18, 21, {0.033f, 0.967f, 0.366f, 0.967f, 0.776f, 0.886f, BASE}},
    {"finales/minotaurof3.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/odiseof1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/odiseof2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/odiseof3.jpg", 18, 17, {0.033f, 0.967f, 0.041f, 0.783f, 0.547f, 0.682f, BASE}},
    {"finales/perseof1.jpg", 18, 13.5f, {0.033f, 0.967f, 0.014f, 0.949f, 0.652f, 0.822f, BASE}},
    {"finales/perseof2.jpg", 18, 13.5f, {0.033f, 0.967f, 0.051f, 0.986f, 0.689f, 0.859f, BASE}},
    {"finales/perseof3.jpg", 18, 17, {0.033f, 0.967f, 0.217f, 0.959f, 0.724f, 0.859f, BASE}},
    {"finales/polifemof1.jpg", 18, 18, {0.033f, 0.967f, 0.039f, 0.739f, 0.517f, 0.644f, BASE}},
    {"finales/polifemof2.jpg", 18, 18, {0.033f, 0.967f, 0.039f, 0.739f, 0.517f, 0.644f, BASE}},
    {"intro/apolo01.tga", 14, 16, {0.0f, 0.823f, 0.132f, 0.743f, 0.549f, 0.948f, OVER}},
    {"intro/ares01.tga", 14, 16, {0.0f, 0.849f, 0.0f, 0.901f, 0.606f, 1.0f, OVER}},
    {"intro/ares02.tga", 15, 16, {0.199f, 0.734f, 0.104f, 0.427f, 0.307f, 0.776f, OVER}},
    {"intro/artemisa01.tga", 8, 16, {0.0f, 0.19f, 0.132f, 0.743f, 0.549f, 0.948f, OVER}},
    {"intro/atalanta.tga", 2, 8, {0.0f, 1.0f, 0.377f, 1.0f, 1.0f, 0.0f, OVER}},
    {"intro/atropos01.tga", 16, 16, {0.36f, 0.64f, 0.06f, 0.758f, 0.536f, 0.77f, OVER}},
    {"intro/clash00.tga", 16, 16, {0.0f, 1.0f, 0.007f, 0.993f, 0.68f, 0.859f, BASE}},
    {"intro/cloto01.tga", 16, 16, {0.42f, 0.731f, 0.047f, 0.862f, 0.603f, 0.88f, OVER}},
    {"intro/hades01.tga", 10, 16, {0.232f, 1.0f, 0.171f, 0.704f, 0.535f, 0.919f, OVER}},
    {"intro/hefesto01.tga", 16.5f, 16, {0.032f, 1.0f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"intro/hefesto02.tga", 16.5f, 16, {0.3f, 0.687f, 0.35f, 0.855f, 0.629f, 0.759f, OVER}},
    {"intro/hera02.tga", 8, 16, {0.0f, 1.0f, 0.024f, 0.851f, 0.588f, 0.739f, OVER}},
    {"intro/hipolita.tga", 2, 8, {0.0f, 1.0f, 0.0f, 1.0f, 0.727f, 1.0f, OVER}},
    {"intro/jason.tga", 4, 8, {0.0f, 1.0f, 0.377f, 1.0f, 1.0f, 0.0f, OVER}},
    {"intro/laquesis02.tga", 16, 16, {0.3f, 0.62f, 0.008f, 0.881f, 0.604f, 0.887f, OVER}},
    {"intro/odiseo.tga", 4, 8, {0.089f, 1.0f, 0.0f, 1.0f, 0.727f, 1.0f, OVER}},
    {"intro/olimpo01.tga", 18, 16, {0.16f, 0.84f, 0.216f, 0.79f, 0.607f, 0.794f, PLAIN}},
    {"intro/olimpo02.tga", 20, 16, {0.08f, 0.92f, 0.106f, 0.894f, 0.644f, 0.788f, BASE}},
    {"intro/olimpo03.tga", 50, 40, {0.186f, 0.614f, 0.299f, 0.701f, 0.573f, 0.762f, PLAIN}},
    {"intro/perseo.tga", 4, 8, {0.0f, 1.0f, 0.0f, 0.623f, 0.227f, 0.595f, OVER}},
    {"intro/polifemo.tga", 4, 8, {0.0f, 1.0f, 0.0f, 0.623f, 0.227f, 0.595f, OVER}},
    {"intro/zeus02.tga", 16, 16, {0.339f, 1.0f, 0.106f, 0.894f, 0.644f, 0.788f, OVER}},
    {"intro/zeus03.tga", 16.5f, 16, {0.233f, 1.0f, 0.106f, 0.894f, 0.644f, 0.788f, OVER}},
};

static const StoryQuadShape *story_shape(const char *entry)
{
    for (const StoryQuadShape &shape : story_quad_shapes)
        if (strcmp(shape.entry, entry) == 0)
            return &shape;
    return nullptr;
}

// The canvas for a quad of this shape: the longer side STORY_PICTURE_SIZE.
static void story_canvas_size(f32 aspect, int *width, int *height)
{
    *width = aspect >= 1.0f ? STORY_PICTURE_SIZE : static_cast<int>(std::lround(STORY_PICTURE_SIZE * aspect));
    *height = aspect >= 1.0f ? static_cast<int>(std::lround(STORY_PICTURE_SIZE / aspect)) : STORY_PICTURE_SIZE;
}

// The scene painted for its quad, fitted inside the part of it the screen shows.
static PaintCanvas story_canvas(const char *entry, VaseScene scene)
{
    static const VaseFrame whole = {0.0f, 1.0f, 0.0f, 1.0f, 1.0f, 0.0f, VASE_GROUND_BANDED};
    const StoryQuadShape *shape = story_shape(entry);
    const VaseFrame &frame = shape ? shape->frame : whole;
    int width = 0, height = 0;
    story_canvas_size(shape ? shape->width / shape->height : 1.0f, &width, &height);
    vase_fit(scene, static_cast<f32>(width) * (frame.u1 - frame.u0) / (static_cast<f32>(height) * (frame.v1 - frame.v0)));
    return vase_paint_framed(scene, width, height, frame);
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

// Two half quads side by side showing one painting: painted whole for both, then cut, so the
// bands and the figures run on across the join.
static int add_halves(const char *left, const char *right, VaseScene scene)
{
    PaintCanvas whole = story_canvas(left, std::move(scene));
    PaintCanvas halves[2] = {paint_canvas(whole.w / 2, whole.h, {0, 0, 0, 1}), paint_canvas(whole.w / 2, whole.h, {0, 0, 0, 1})};
    for (int y = 0; y < whole.h; y++)
        for (int x = 0; x < whole.w / 2 * 2; x++)
            paint_pixel(halves[x / (whole.w / 2)], x % (whole.w / 2), y) = paint_pixel(whole, x, y);
    Bytes out[2] = {vase_tga(halves[0]), vase_tga(halves[1])};
    if (out[0].empty() || out[1].empty()) {
        fprintf(stderr, "databuild: cannot encode %s and %s\n", left, right);
        return 0;
    }
    archive_add(left, out[0]);
    archive_add(right, out[1]);
    return 1;
}

int build_story(const char *)
{
    for (const StoryPicture &p : intro_pictures)
        if (!add_picture(p.entry, p.paint(), false))
            return 0;
    // Painted for the two halves together: the left entry's shape is the whole painting's.
    if (!add_halves("intro/clash00.tga", "intro/clash01.tga", forge_and_fate()))
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
