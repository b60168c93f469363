// The characters' pictures: skins in both colour sets (the looks' painted atlases), the
// summoned gods' portraits and effect pictures and blade-blur strips. The projectile frames
// are projectile_pictures.cpp's.
#include "tools/databuild/figures/character_figures.h"
#include "tools/databuild/figures/figure_look.h"

#include <algorithm>
#include <allegro.h>
#include <cmath>
#include <cstring>
#include <iterator>
#include <string>

constexpr int EFFECT_SIZE = 64;
constexpr int BLUR_WIDTH = 128;
constexpr int BLUR_HEIGHT = 16;
constexpr int JPEG_QUALITY = 85;

struct Colour {
    u8 r, g, b;
};

// Per character: armour in the plain and the alternate set, flesh, hair and metal (Perseus's
// bright as his mirror shield, Hippolyte's gold as her girdle).
struct CharacterColours {
    Colour armour, armour_alt, flesh, hair, metal;
};
static const CharacterColours character_colours[] = {
    {{200, 160, 40}, {60, 90, 200}, {225, 180, 140}, {70, 45, 25}, {200, 200, 210}},    // Jason
    {{150, 40, 40}, {40, 120, 60}, {215, 170, 130}, {90, 70, 50}, {190, 190, 200}},     // Odysseus
    {{60, 150, 70}, {170, 60, 150}, {235, 195, 155}, {200, 160, 60}, {210, 210, 220}},  // Atalanta
    {{60, 80, 170}, {190, 120, 40}, {225, 180, 140}, {40, 30, 20}, {235, 238, 245}},    // Perseus
    {{170, 90, 40}, {90, 40, 130}, {200, 150, 110}, {30, 25, 20}, {225, 180, 60}},      // Hippolyte
    {{110, 90, 60}, {70, 100, 110}, {190, 150, 120}, {50, 40, 30}, {120, 90, 60}},      // Polyphemus
    {{90, 60, 40}, {50, 50, 50}, {120, 80, 50}, {230, 220, 190}, {150, 150, 160}},      // Minotaur
    {{40, 110, 80}, {120, 40, 60}, {150, 190, 140}, {60, 140, 60}, {180, 190, 170}},    // Medusa
    {{200, 170, 90}, {120, 110, 150}, {210, 170, 120}, {40, 60, 150}, {230, 220, 200}}, // Sphinx
    {{50, 110, 60}, {110, 50, 110}, {90, 140, 80}, {150, 40, 30}, {220, 220, 180}},     // Hydra
    {{130, 20, 20}, {30, 30, 30}, {210, 160, 120}, {170, 30, 20}, {160, 160, 170}},     // Ares
    {{40, 40, 50}, {200, 200, 210}, {220, 200, 190}, {20, 20, 20}, {190, 190, 200}},    // Atropos
};
static_assert(std::size(character_colours) == CHARACTER_COUNT, "one set of colours per character");

static const char *const character_names[] = {
    "JASON", "ODYSSEUS", "ATALANTA", "PERSEUS", "HIPPOLYTE", "POLYPHEMUS",
    "MINOTAUR", "MEDUSA", "SPHINX", "HYDRA", "ARES", "ATROPOS",
};
static_assert(std::size(character_names) == CHARACTER_COUNT, "one name per character");

// A picture being drawn: R, G, B, A bytes, top row first.
struct Canvas {
    int width, height;
    std::vector<u8> rgba;
};

static Canvas canvas(int width, int height)
{
    return {width, height, std::vector<u8>(static_cast<size_t>(width) * height * 4, 255)};
}

static u8 channel(f32 v)
{
    return static_cast<u8>(v < 0 ? 0 : v > 255 ? 255 : v);
}

static void put(Canvas &c, int x, int y, f32 r, f32 g, f32 b, f32 a = 255.0f)
{
    u8 *p = &c.rgba[(static_cast<size_t>(y) * c.width + x) * 4];
    p[0] = channel(r);
    p[1] = channel(g);
    p[2] = channel(b);
    p[3] = channel(a);
}

static Colour shade(Colour c, f32 f)
{
    return {channel(c.r * f), channel(c.g * f), channel(c.b * f)};
}

static bool entry_is_jpeg(const char *entry)
{
    size_t n = strlen(entry);
    return n >= 4 && strcmp(entry + n - 4, ".jpg") == 0;
}

static Bytes encode(const Canvas &c, const char *entry)
{
    if (entry_is_jpeg(entry)) {
        Bytes out;
        jpeg_write(out, c.width, c.height, c.rgba.data(), JPEG_QUALITY);
        return out;
    }
    return tga_write(c.width, c.height, 32, c.rgba.data());
}

// The picture's own name: "divine/demeter.jpg" gives "DEMETER".
static std::string entry_title(const char *entry)
{
    std::string name = entry;
    size_t slash = name.rfind('/');
    if (slash != std::string::npos)
        name = name.substr(slash + 1);
    size_t dot = name.rfind('.');
    if (dot != std::string::npos)
        name = name.substr(0, dot);
    for (char &ch : name)
        ch = static_cast<char>(toupper(static_cast<unsigned char>(ch)));
    return name;
}

// A colour of its own for each name, so that every effect picture differs.
static Colour name_colour(const std::string &name)
{
    u32 h = 2166136261u;
    for (char ch : name)
        h = (h ^ static_cast<u8>(ch)) * 16777619u;
    return {static_cast<u8>(90 + h % 166), static_cast<u8>(90 + (h >> 8) % 166),
            static_cast<u8>(90 + (h >> 16) % 166)};
}

// A soft glowing blob: the summons' effects.
static Canvas glow_picture(const char *entry, int size)
{
    Canvas c = canvas(size, size);
    std::string title = entry_title(entry);
    Colour colour = name_colour(title);
    for (int y = 0; y < size; y++)
        for (int x = 0; x < size; x++) {
            f32 dx = (x - size / 2.0f) / size, dy = (y - size / 2.0f) / size;
            f32 d = std::sqrt(dx * dx + dy * dy) * 2.0f;
            f32 f = d >= 1.0f ? 0.0f : (1.0f - d) * (1.0f - d);
            f32 ripple = 0.8f + 0.2f * std::sin(d * 20.0f);
            put(c, x, y, colour.r * f * ripple + 255 * f * f, colour.g * f * ripple + 255 * f * f,
                colour.b * f * ripple + 255 * f * f, 255 * f);
        }
    return c;
}

// The blade's ribbon: brightest at its newest edge (u = 1), fading to nothing at its oldest;
// the colour fades too, so that the strip also works without its alpha.
static Canvas blade_blur(int id)
{
    Canvas c = canvas(BLUR_WIDTH, BLUR_HEIGHT);
    Colour tint = shade(character_colours[id].metal, 1.2f);
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 u = static_cast<f32>(x) / (c.width - 1);
            f32 v = static_cast<f32>(y) / (c.height - 1);
            f32 f = u * std::sin(3.14159f * (0.15f + 0.7f * v));
            put(c, x, y, tint.r * f, tint.g * f, tint.b * f, 255 * f);
        }
    return c;
}

Bytes character_picture(int id, const LoadStep *step, const char *entry, int alternate)
{
    switch (step->kind) {
    case LOAD_SKIN:
    {
        // Every slot holds the look's whole painted atlas in the colour set.
        Canvas c = {SKIN_ATLAS, SKIN_ATLAS, figure_paint(*figure_looks[id], alternate)};
        return encode(c, entry);
    }
    case LOAD_PROJECTILE_TEXTURE:
        return projectile_picture(entry);
    case LOAD_BLADE_BLUR:
        return encode(blade_blur(id), entry);
    default:
        return summon_picture(entry);
    }
}

// Slot 2 of every summon set is the god's portrait; the others are effect pictures; an entry
// without a painter of its own is a glowing blob.
Bytes summon_picture(const char *entry)
{
    std::vector<u8> painted;
    int size = 0;
    if (summon_picture_paint(entry, &painted, &size)) {
        Canvas c = {size, size, painted};
        return encode(c, entry);
    }
    return encode(glow_picture(entry, EFFECT_SIZE * 2), entry);
}
