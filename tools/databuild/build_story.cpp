// The opening story's pictures and the two logos before it, all in the vase-painting style.
#include "tools/databuild/databuild.h"

#include "tools/databuild/vase_painting.h"

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
    return add_picture("titulo/intro_brisvale.jpg", vase_paint(maker_logo(), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE),
                       true) &&
           add_picture("titulo/logov.jpg", vase_paint(game_logo(), STORY_PICTURE_SIZE * 2, STORY_PICTURE_SIZE), true);
}
