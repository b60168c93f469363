// The story screens' pictures: the opening story's, the two logos before it, the character and
// faction endings', all in the vase-painting style.
#include "tools/databuild/databuild.h"

#include "tools/databuild/vase_painting.h"

#include "characters/characters.h"

#include <cstdio>
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
static VaseScene hephaestus(bool striking)
{
    VaseScene s;
    vase_quad(s, 0.15f, -0.8f, 0.75f, -0.8f, 0.65f, -0.45f, 0.25f, -0.45f, VASE_DARK_CLAY);   // the anvil
    vase_quad(s, 0.05f, -0.45f, 0.9f, -0.45f, 0.9f, -0.3f, 0.05f, -0.3f, VASE_DARK_CLAY);
    vase_figure(s, figure(-0.35f, 1.4f, 1, HEADGEAR_BEARD, false, ITEM_HAMMER, ITEM_NONE, striking ? 0.9f : 0.2f));
    vase_sparks(s, 0.5f, -0.2f, striking ? 0.45f : 0.2f, striking ? 40 : 12, striking ? 2 : 3);
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
static VaseScene zeus_3() { return zeus(true); }
static VaseScene clash_0() { return clash(false); }
static VaseScene clash_1() { return clash(true); }
static VaseScene forge_1() { return hephaestus(false); }
static VaseScene forge_2() { return hephaestus(true); }

static const StoryPicture intro_pictures[] = {
    {"intro/cloto01.tga", clotho},        {"intro/laquesis02.tga", lachesis}, {"intro/atropos01.tga", atropos},
    {"intro/olimpo01.tga", olympus_1},    {"intro/olimpo02.tga", olympus_2},  {"intro/olimpo03.tga", olympus_3},
    {"intro/ares01.tga", ares_1},         {"intro/ares02.tga", ares_2},       {"intro/artemisa01.tga", artemis},
    {"intro/hades01.tga", hades},         {"intro/apolo01.tga", apollo},      {"intro/zeus02.tga", zeus_2},
    {"intro/zeus03.tga", zeus_3},         {"intro/hera02.tga", hera},         {"intro/clash00.tga", clash_0},
    {"intro/clash01.tga", clash_1},       {"intro/hefesto01.tga", forge_1},   {"intro/hefesto02.tga", forge_2},
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

// Picture 1: the winner before Zeus; 2: the wish granted, under the sun; 3: at peace, at home.
static VaseScene ending_picture(int id, int picture)
{
    VaseScene s;
    switch (picture) {
    case 1:
        zeus_on_throne(s, 0.55f);
        vase_figure(s, fighter_figure(id, -0.45f, 1));
        break;
    case 2:
        vase_sun(s, 0.6f, 0.5f, 0.13f);
        vase_mountain(s, -0.5f, -0.86f, 0.6f, 0.7f, false);
        vase_figure(s, fighter_figure(id, 0.05f, 1));
        break;
    default:
        vase_clouds(s, 0.55f, 4, id);
        vase_figure(s, fighter_figure(id, -0.35f, 1));
        vase_figure(s, VaseFigure{0.4f, -0.8f, 1.3f, -1, HEADGEAR_HAIR, true, false, ITEM_NONE, ITEM_NONE, 0.3f, -0.6f});
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

static int add_picture(const char *entry, const PaintCanvas &c, bool jpeg)
{
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
        if (!add_picture(p.entry, vase_paint(p.paint(), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE), false))
            return 0;
    for (const EndingPictures &e : ending_pictures)
        for (int k = 0; k < 3 && e.entries[k]; k++)
            if (!add_picture(e.entries[k], vase_paint(ending_picture(e.id, k + 1), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE),
                             true))
                return 0;
    char entry[32];
    for (int n = 1; n <= 7; n++) {
        snprintf(entry, sizeof entry, "finales/fina_%02d.tga", n);
        if (!add_picture(entry, vase_paint(faction_picture(true, n), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE), false))
            return 0;
    }
    for (int n = 1; n <= 4; n++) {
        snprintf(entry, sizeof entry, "finales/finz_%02d.tga", n);
        if (!add_picture(entry, vase_paint(faction_picture(false, n), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE), false))
            return 0;
    }
    return add_picture("titulo/intro_brisvale.jpg", vase_paint(maker_logo(), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE),
                       true) &&
           add_picture("titulo/logov.jpg", vase_paint(game_logo(), STORY_PICTURE_SIZE * 2, STORY_PICTURE_SIZE), true);
}
