// The story screens' pictures: the opening story's, the two logos before it, the character and
// faction endings', all in the vase-painting style.
#include "tools/databuild/databuild.h"

#include "tools/databuild/pictures/story_frames.h"

#include "characters/characters.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <utility>

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
    ENDING_BEFORE_ZEUS,     // the winner before Zeus on his throne
    ENDING_UNDER_SUN,       // the wish granted: the winner under the sun, hills behind
    ENDING_AT_HOME,         // at peace beside a loved one
    ENDING_PALACE,          // a king among the columns of his palace, his people cheering
    ENDING_FOREST,          // among the trees of the wild
    ENDING_STARS,           // placed among the stars
    ENDING_FIRES,           // welcomed home with fires
    ENDING_WITH_ARES,       // face to face with Ares
    ENDING_BY_THE_SEA,      // on the shore, a nymph rising from the waves
    ENDING_TEMPLE,          // at a temple's door, Athena there
    ENDING_RIDDLE,          // asking Zeus riddles under the night sky
    ENDING_SWAMP,           // asleep in the reeds of a dark swamp
    ENDING_WAR,             // war on the earth
    ENDING_RESTING,         // at rest on a hillside over the sea, children come to look
    ENDING_VOYAGE,          // sailing away over the sea
    ENDING_EMPTY_THRONE,    // the throne of Olympus empty, a cut thread falling before it
    ENDING_ENTHRONED,       // on the throne of Olympus, Atropos before it
    ENDING_GREAT_BOW,       // drawing the great bow in his hall, the suitors falling back
    ENDING_SHEARS_RAISED    // facing Ares, the shears raised over him
};

// Per fighter, the scene of each ending picture in order.
static const EndingScene vase_ending_scenes[][3] = {
    {ENDING_BEFORE_ZEUS, ENDING_PALACE, ENDING_AT_HOME},         // Jason: king of Iolcus
    {ENDING_BEFORE_ZEUS, ENDING_GREAT_BOW, ENDING_AT_HOME},      // Odysseus: his hall, Penelope
    {ENDING_BEFORE_ZEUS, ENDING_FOREST, ENDING_AT_HOME},         // Atalanta: the forests of Arcadia
    {ENDING_BEFORE_ZEUS, ENDING_AT_HOME, ENDING_STARS},          // Perseus: Andromeda, the stars
    {ENDING_BEFORE_ZEUS, ENDING_FIRES, ENDING_WITH_ARES},        // Hippolyte: the Amazons, her father
    {ENDING_BEFORE_ZEUS, ENDING_BY_THE_SEA, ENDING_AT_HOME},     // Polyphemus: Galatea
    {ENDING_BEFORE_ZEUS, ENDING_UNDER_SUN, ENDING_RESTING},      // the Minotaur: out into the sun
    {ENDING_BEFORE_ZEUS, ENDING_TEMPLE, ENDING_VOYAGE},          // Medusa: her beauty back, Athena, away
    {ENDING_BEFORE_ZEUS, ENDING_RIDDLE, ENDING_AT_HOME},         // the Sphinx: riddles till night
    {ENDING_BEFORE_ZEUS, ENDING_SWAMP, ENDING_AT_HOME},          // the Hydra: asleep in Lerna
    {ENDING_ENTHRONED, ENDING_WAR, ENDING_AT_HOME},              // Ares: enthroned, war on the earth
    {ENDING_SHEARS_RAISED, ENDING_EMPTY_THRONE, ENDING_AT_HOME}, // Atropos: the gods' threads cut
};
static_assert(std::size(vase_ending_scenes) == CHARACTER_COUNT, "one row of scenes per fighter");

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
    switch (vase_ending_scenes[id][picture - 1]) {
    case ENDING_BEFORE_ZEUS:
        zeus_on_throne(s, 0.55f);
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        break;
    case ENDING_UNDER_SUN:
        vase_sun(s, 0.6f, 0.5f, 0.13f);
        vase_mountain(s, -0.5f, -0.86f, 0.6f, 0.7f, false);
        vase_figure(s, fighter_figure(id, 0.05f, 1));
        break;
    case ENDING_PALACE:
        columns(s, -0.8f, 0.8f, 5);
        for (int k = 0; k < 5; k++)   // the people, cheering below
            vase_figure(s, VaseFigure{-0.9f + 0.45f * k, -0.8f, 0.55f, k < 2 ? 1.0f : -1.0f, HEADGEAR_HAIR, true, false,
                                      ITEM_NONE, ITEM_NONE, 0.9f, 0.9f});
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        vase_triangle(s, -0.07f, 0.72f, 0.07f, 0.72f, 0.0f, 0.84f, VASE_GOLD);   // the crown
        break;
    case ENDING_FOREST:
        trees(s, 6, id);
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        break;
    case ENDING_STARS:
        vase_sparks(s, 0.0f, 0.1f, 0.95f, 70, id);
        vase_figure(s, fighter_figure(id, -0.3f, 1));
        vase_figure(s, loved_one(0.35f, -1));
        for (size_t k = 0; k < s.size(); k++)
            if (s[k].ink == VASE_CLAY)
                s[k].ink = VASE_GOLD;   // the figures shine as constellations
        break;
    case ENDING_FIRES:
        for (int k = 0; k < 3; k++) {
            f32 x = -0.75f + 0.75f * k;
            vase_triangle(s, x - 0.12f, -0.86f, x + 0.12f, -0.86f, x, -0.5f, VASE_GOLD);
            vase_sparks(s, x, -0.4f, 0.15f, 10, k + 3);
        }
        vase_figure(s, VaseFigure{-0.55f, -0.8f, 1.1f, 1, HEADGEAR_HAIR, false, false, ITEM_SPEAR, ITEM_NONE, 0.6f, -0.6f});
        vase_figure(s, VaseFigure{0.6f, -0.8f, 1.1f, -1, HEADGEAR_HAIR, false, false, ITEM_BOW, ITEM_NONE, 0.6f, -0.6f});
        vase_figure(s, fighter_figure(id, 0.0f, 1));
        break;
    case ENDING_WITH_ARES:
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        vase_figure(s, fighter_figure(CHARACTER_ARES, 0.45f, -1));
        break;
    case ENDING_BY_THE_SEA:
        waves(s, -0.72f, VASE_WHITE);
        vase_figure(s, fighter_figure(id, -0.4f, 1));
        vase_figure(s, VaseFigure{0.5f, -0.95f, 1.2f, -1, HEADGEAR_HAIR, true, false, ITEM_NONE, ITEM_NONE, 0.4f, -0.6f});
        waves(s, -0.86f, VASE_WHITE);
        break;
    case ENDING_TEMPLE: {
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
    case ENDING_RIDDLE:
        vase_sparks(s, 0.0f, 0.45f, 0.9f, 40, 13);
        vase_ellipse(s, -0.7f, 0.55f, 0.1f, 0.1f, 0, VASE_WHITE);   // the moon
        zeus_on_throne(s, 0.55f);
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        break;
    case ENDING_SWAMP:
        for (int k = 0; k < 14; k++) {
            f32 x = -1.0f + 2.0f * k / 13.0f;
            vase_capsule(s, x, -0.86f, x + 0.05f, -0.2f + 0.2f * paint_hash(k, id, 4), 0.015f, VASE_DARK_CLAY);
        }
        vase_ellipse(s, 0.0f, -0.7f, 0.7f, 0.18f, 0, VASE_DARK_CLAY);
        for (int k = 0; k < 4; k++)   // the heads, coiled in sleep
            vase_ring(s, -0.45f + 0.3f * k, -0.55f, 0.1f, 0.04f, VASE_CLAY);
        vase_ellipse(s, 0.55f, 0.55f, 0.1f, 0.1f, 0, VASE_WHITE);
        break;
    case ENDING_WAR:
        return clash(true);
    case ENDING_RESTING: {
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
    case ENDING_VOYAGE: {
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
    case ENDING_ENTHRONED:
        throne(s, 0.45f, -0.86f, 0.8f, -1, VASE_GOLD);
        vase_figure(s, fighter_figure(id, 0.45f, -1));
        vase_figure(s, fighter_figure(CHARACTER_ATROPOS, -0.5f, 1));
        break;
    case ENDING_GREAT_BOW: {
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
    case ENDING_SHEARS_RAISED: {
        VaseFigure f = fighter_figure(id, -0.45f, 1);
        f.front_raise = 0.95f;
        vase_figure(s, f);
        vase_figure(s, fighter_figure(CHARACTER_ARES, 0.45f, -1));
        break;
    }
    case ENDING_EMPTY_THRONE:
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

// The picture of an entry: the render of its scene row, or, while its table has none, its
// vase painting fitted inside the part of the quad the screen shows. A character ending's
// picture (`ending`) keeps the top of its window dark for the line offering a profile.
static bool story_picture(const char *entry, VaseScene scene, bool ending, PaintCanvas *out)
{
    const StoryQuadShape &shape = story_shape(entry);
    if (const SceneRow *row = story_scene_row(entry))
        return story_scene_picture(row, shape, ending, out);
    int width = 0, height = 0;
    story_canvas_size(shape, &width, &height);
    // No bands, and no shade under the lines (the glaze is dark enough for them): both lie
    // inside the quad and would slide in as lines across the picture before.
    VaseFrame frame = shape.frame;
    if (frame.ground == VASE_GROUND_BANDED)
        frame.ground = VASE_GROUND_PLAIN;
    frame.shade_v1 = frame.shade_v0;
    vase_fit(scene, static_cast<f32>(width) * (frame.u1 - frame.u0) / (static_cast<f32>(height) * (frame.v1 - frame.v0)));
    *out = vase_paint_framed(scene, width, height, frame);
    return true;
}

// Every story picture made so far, for the storyboard sheets.
static std::vector<StoryMade> story_made;

static int add_canvas(const char *entry, const PaintCanvas &c, bool jpeg)
{
    story_made.push_back({entry, c});
    Bytes out = jpeg ? vase_jpeg(c) : vase_tga(c);
    if (out.empty()) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry);
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

static int add_picture(const char *entry, VaseScene scene, bool jpeg)
{
    PaintCanvas c;
    // The character endings' pictures are the JPEG ones.
    return story_picture(entry, std::move(scene), jpeg, &c) && add_canvas(entry, c, jpeg);
}

// Two half quads side by side showing one picture: made whole for both, then cut, so the
// ground and the figures run on across the join.
static int add_halves(const char *left, const char *right, VaseScene scene)
{
    PaintCanvas whole;
    if (!story_picture(left, std::move(scene), false, &whole))
        return 0;
    int half = whole.w / 2;
    PaintCanvas halves[2] = {paint_canvas(half, whole.h, {0, 0, 0, 1}), paint_canvas(half, whole.h, {0, 0, 0, 1})};
    for (int y = 0; y < whole.h; y++)
        for (int x = 0; x < half * 2; x++)
            paint_pixel(halves[x / half], x % half, y) = paint_pixel(whole, x, y);
    return add_canvas(left, halves[0], false) && add_canvas(right, halves[1], false);
}

int build_story(const char *data_dir)
{
    story_made.clear();
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
    return story_sheets_write(data_dir, story_made);
}
