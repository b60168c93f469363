// The title menu's pictures: a Greek temple on its hill at dusk, built in the layers the menu
// stacks. Layer 1 is a tiling field of lit cloud that drifts diagonally; layer 2 holds glowing
// cloud streaks that drift sideways and lighten what is below; the filter multiplies both with
// the dusk sky's light and the dark silhouettes of the hills and the temple. The reflection is
// a light band that slides across the logo, and the caps are gilded laurel sprigs.
#include "tools/databuild/databuild.h"

#include <cmath>
#include <cstdio>
#include <vector>

constexpr int PICTURE_SIZE = 256;   // the largest side the game keeps at every detail setting
constexpr int CAP_SIZE = 64;
constexpr int JPEG_QUALITY = 90;
constexpr f32 PI = 3.14159265f;

// A picture being painted: RGBA in 0..1, top row first.
struct Canvas {
    int width, height;
    std::vector<f32> rgba;
};

static Canvas canvas_make(int width, int height)
{
    return Canvas{width, height, std::vector<f32>(static_cast<size_t>(width) * height * 4, 0.0f)};
}

static f32 *canvas_at(Canvas &c, int x, int y)
{
    return &c.rgba[(static_cast<size_t>(y) * c.width + x) * 4];
}

static f32 clamp01(f32 v)
{
    return v < 0.0f ? 0.0f : v > 1.0f ? 1.0f : v;
}

static f32 mix(f32 a, f32 b, f32 t)
{
    return a + (b - a) * t;
}

static f32 smooth_step(f32 edge0, f32 edge1, f32 v)
{
    f32 t = clamp01((v - edge0) / (edge1 - edge0));
    return t * t * (3.0f - 2.0f * t);
}

static Bytes canvas_bytes(const Canvas &c)
{
    Bytes out(c.rgba.size());
    for (size_t i = 0; i < out.size(); i++)
        out[i] = static_cast<u8>(clamp01(c.rgba[i]) * 255.0f + 0.5f);
    return out;
}

// ---- noise that tiles ---------------------------------------------------------------------
// A lattice value in 0..1 from an integer hash, so every build paints the same pictures.
static f32 lattice_value(int x, int y, u32 seed)
{
    u32 h = static_cast<u32>(x) * 374761393u + static_cast<u32>(y) * 668265263u + seed * 2246822519u;
    h = (h ^ (h >> 13)) * 1274126177u;
    h ^= h >> 16;
    return static_cast<f32>(h & 0xFFFFFF) / static_cast<f32>(0xFFFFFF);
}

static int wrap(int v, int period)
{
    int m = v % period;
    return m < 0 ? m + period : m;
}

// Smoothly interpolated value noise at (x, y) in lattice cells, repeating every period cells.
static f32 noise_periodic(f32 x, f32 y, int period_x, int period_y, u32 seed)
{
    int x0 = static_cast<int>(std::floor(x)), y0 = static_cast<int>(std::floor(y));
    f32 fx = x - static_cast<f32>(x0), fy = y - static_cast<f32>(y0);
    fx = fx * fx * (3.0f - 2.0f * fx);
    fy = fy * fy * (3.0f - 2.0f * fy);
    f32 a = lattice_value(wrap(x0, period_x), wrap(y0, period_y), seed);
    f32 b = lattice_value(wrap(x0 + 1, period_x), wrap(y0, period_y), seed);
    f32 c = lattice_value(wrap(x0, period_x), wrap(y0 + 1, period_y), seed);
    f32 d = lattice_value(wrap(x0 + 1, period_x), wrap(y0 + 1, period_y), seed);
    return mix(mix(a, b, fx), mix(c, d, fx), fy);
}

// Octaves of noise over a picture coordinate u, v in 0..1 that tiles on both axes; the first
// octave has cells_x x cells_y cells. Result about 0..1.
static f32 fractal_noise(f32 u, f32 v, int cells_x, int cells_y, int octaves, u32 seed)
{
    f32 sum = 0.0f, weight = 0.5f, total = 0.0f;
    for (int o = 0; o < octaves; o++) {
        int px = cells_x << o, py = cells_y << o;
        sum += weight * noise_periodic(u * static_cast<f32>(px), v * static_cast<f32>(py), px, py, seed + o);
        total += weight;
        weight *= 0.5f;
    }
    return sum / total;
}

// ---- layer 1: drifting cloud field ----------------------------------------------------------
struct Colour {
    f32 r, g, b;
};

static Colour colour_mix(Colour a, Colour b, f32 t)
{
    return Colour{mix(a.r, b.r, t), mix(a.g, b.g, t), mix(a.b, b.b, t)};
}

// Deep violet in the gaps, rose in the body of the clouds, gold where they catch the sun.
static Colour cloud_colour(f32 density)
{
    const Colour gap = {0.40f, 0.28f, 0.56f}, body = {0.88f, 0.50f, 0.52f}, lit = {1.0f, 0.82f, 0.52f};
    if (density < 0.5f)
        return colour_mix(gap, body, smooth_step(0.25f, 0.5f, density));
    return colour_mix(body, lit, smooth_step(0.5f, 0.75f, density));
}

static Canvas paint_cloud_field()
{
    Canvas c = canvas_make(PICTURE_SIZE, PICTURE_SIZE);
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 u = (x + 0.5f) / c.width, v = (y + 0.5f) / c.height;
            // Wider than tall, as clouds lie at dusk.
            f32 density = fractal_noise(u, v, 3, 6, 5, 11);
            Colour col = cloud_colour(density);
            f32 *p = canvas_at(c, x, y);
            p[0] = col.r, p[1] = col.g, p[2] = col.b, p[3] = 1.0f;
        }
    return c;
}

// ---- the filter: dusk light, hills and temple ------------------------------------------------
// The filter spans 50 x 50 menu units centred on the screen, which shows x -21..21, y -15.8..15.8.
constexpr f32 FILTER_HALF = 25.0f;
constexpr f32 HORIZON_Y = -5.0f;
constexpr f32 PLATEAU_Y = -10.5f;           // the temple's hill top
constexpr f32 PLATEAU_HALF = 14.0f;
constexpr f32 STEP_HEIGHT = 0.4f;           // three steps of the platform
constexpr f32 COLUMN_BOTTOM = PLATEAU_Y + 3 * STEP_HEIGHT;
constexpr f32 COLUMN_TOP = -3.6f;
constexpr f32 ENTABLATURE_TOP = -2.0f;
constexpr f32 PEDIMENT_APEX = 0.6f;
constexpr f32 TEMPLE_HALF = 10.5f;          // entablature half width
constexpr int COLUMN_COUNT = 8;
constexpr f32 COLUMN_HALF = 0.55f;

// The far range's height at x: soft ridges at the sides, a low saddle behind the temple
// where the sun went down, so the columns stand against the afterglow.
static f32 far_ridge(f32 x)
{
    f32 u = (x + FILTER_HALF) / (2 * FILTER_HALF);
    f32 sides = smooth_step(7.0f, 17.0f, std::fabs(x));
    return HORIZON_Y - 3.0f + (1.5f + 5.5f * sides) * fractal_noise(u, 0.5f, 5, 1, 4, 23);
}

// The temple's hill: a plateau under the temple falling away to both sides.
static f32 near_hill(f32 x)
{
    f32 ax = std::fabs(x);
    if (ax < PLATEAU_HALF)
        return PLATEAU_Y - 0.3f * (ax / PLATEAU_HALF);
    f32 fall = (ax - PLATEAU_HALF) / 8.0f;
    return PLATEAU_Y - 0.3f - 4.0f * fall * fall / (1.0f + fall);
}

static bool in_temple(f32 x, f32 y)
{
    f32 ax = std::fabs(x);
    for (int s = 0; s < 3; s++) {
        f32 top = PLATEAU_Y + STEP_HEIGHT * static_cast<f32>(s + 1);
        if (y <= top && y > PLATEAU_Y - 0.6f && ax < TEMPLE_HALF + 1.2f - 0.4f * static_cast<f32>(s))
            return true;
    }
    if (y > COLUMN_BOTTOM && y <= COLUMN_TOP) {
        f32 spacing = 2 * (TEMPLE_HALF - 0.8f) / (COLUMN_COUNT - 1);
        f32 from_first = x + TEMPLE_HALF - 0.8f;
        f32 nearest = std::round(from_first / spacing);
        // Columns taper a little towards the top.
        f32 half = COLUMN_HALF * (1.0f - 0.15f * (y - COLUMN_BOTTOM) / (COLUMN_TOP - COLUMN_BOTTOM));
        if (nearest >= 0 && nearest < COLUMN_COUNT && std::fabs(from_first - nearest * spacing) < half)
            return true;
    }
    if (y > COLUMN_TOP && y <= ENTABLATURE_TOP)
        return ax < TEMPLE_HALF;
    if (y > ENTABLATURE_TOP && y < PEDIMENT_APEX)
        return ax < TEMPLE_HALF * (PEDIMENT_APEX - y) / (PEDIMENT_APEX - ENTABLATURE_TOP);
    return false;
}

// A cypress on the left and a broken column on the right, so the hill is not bare.
static bool in_cypress(f32 x, f32 y)
{
    const f32 base_x = -17.5f, base_y = near_hill(-17.5f), height = 9.0f, half = 1.1f;
    f32 h = (y - base_y) / height;
    if (h < 0.0f || h > 1.0f)
        return false;
    return std::fabs(x - base_x) < half * std::sin(PI * std::pow(h, 0.7f)) + (h < 0.08f ? 0.25f : 0.0f);
}

static bool in_broken_column(f32 x, f32 y)
{
    const f32 base_x = 17.0f, base_y = near_hill(17.0f);
    if (std::fabs(x - base_x) < 0.6f && y > base_y - 0.5f && y < base_y + 4.6f - 0.8f * (x - base_x))
        return true;
    // A fallen drum beside it.
    return std::fabs(x - base_x - 2.2f) < 1.0f && y > base_y - 0.5f && y < base_y + 0.6f;
}

// The light of the sky at (x, y): dim violet overhead, warm and bright over the horizon.
static Colour sky_light(f32 x, f32 y)
{
    const Colour high = {0.36f, 0.34f, 0.72f}, low = {1.0f, 0.88f, 0.72f};
    f32 height = clamp01((y - HORIZON_Y) / (16.0f - HORIZON_Y));
    Colour col = colour_mix(low, high, std::pow(height, 0.7f));
    // The glow of the set sun behind the temple.
    f32 dx = x / 18.0f, dy = (y - HORIZON_Y) / 9.0f;
    f32 glow = std::exp(-(dx * dx + dy * dy));
    col.r = mix(col.r, 1.0f, 0.6f * glow);
    col.g = mix(col.g, 0.95f, 0.5f * glow);
    col.b = mix(col.b, 0.85f, 0.3f * glow);
    return col;
}

// The filter's value at one point of the menu plane.
static Colour filter_at(f32 x, f32 y)
{
    const Colour silhouette = {0.03f, 0.02f, 0.05f}, far_hills = {0.16f, 0.12f, 0.26f};
    if (y < near_hill(x) || in_temple(x, y) || in_cypress(x, y) || in_broken_column(x, y))
        return silhouette;
    if (y < far_ridge(x))
        return far_hills;
    return sky_light(x, y);
}

// Each pixel is the mean of 4 x 4 samples, so the silhouettes' edges stay smooth when the
// picture is stretched over the screen.
static Canvas paint_filter()
{
    constexpr int SAMPLES = 4;
    Canvas c = canvas_make(PICTURE_SIZE, PICTURE_SIZE);
    f32 unit_per_pixel = 2 * FILTER_HALF / PICTURE_SIZE;
    for (int py = 0; py < c.height; py++)
        for (int px = 0; px < c.width; px++) {
            Colour sum = {0, 0, 0};
            for (int sy = 0; sy < SAMPLES; sy++)
                for (int sx = 0; sx < SAMPLES; sx++) {
                    f32 x = -FILTER_HALF + (px + (sx + 0.5f) / SAMPLES) * unit_per_pixel;
                    f32 y = FILTER_HALF - (py + (sy + 0.5f) / SAMPLES) * unit_per_pixel;
                    Colour col = filter_at(x, y);
                    sum.r += col.r, sum.g += col.g, sum.b += col.b;
                }
            // The edges of the screen darken a little.
            f32 x = -FILTER_HALF + (px + 0.5f) * unit_per_pixel, y = FILTER_HALF - (py + 0.5f) * unit_per_pixel;
            f32 edge = 1.0f - 0.35f * smooth_step(0.6f, 1.1f, std::sqrt((x / 21) * (x / 21) + (y / 16) * (y / 16)));
            f32 *p = canvas_at(c, px, py);
            f32 n = static_cast<f32>(SAMPLES * SAMPLES);
            p[0] = sum.r / n * edge, p[1] = sum.g / n * edge, p[2] = sum.b / n * edge, p[3] = 1.0f;
        }
    return c;
}

// ---- layer 2: glowing cloud streaks ---------------------------------------------------------
// Over the menu plane from y 10 (top row) to -15 (bottom row), tiling sideways.
static Canvas paint_streaks()
{
    Canvas c = canvas_make(PICTURE_SIZE, PICTURE_SIZE);
    const Colour warm = {1.0f, 0.55f, 0.28f}, pale = {0.95f, 0.62f, 0.75f};
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 u = (x + 0.5f) / c.width, v = (y + 0.5f) / c.height;
            f32 menu_y = mix(10.0f, -15.0f, v);
            // A bright band just above the horizon and a fainter one higher up.
            f32 low = std::exp(-std::pow((menu_y - (HORIZON_Y + 3.5f)) / 2.6f, 2.0f));
            f32 high = 0.5f * std::exp(-std::pow((menu_y - 6.5f) / 2.0f, 2.0f));
            f32 streak = fractal_noise(u, v, 4, 24, 4, 37);
            streak = smooth_step(0.45f, 0.8f, streak);
            f32 *p = canvas_at(c, x, y);
            Colour col = colour_mix(pale, warm, clamp01(low * 1.5f));
            f32 level = 0.9f * streak * (low + high);
            p[0] = col.r * level, p[1] = col.g * level, p[2] = col.b * level, p[3] = 1.0f;
        }
    return c;
}

// ---- the reflection: a light band sliding across the logo ----------------------------------
// Black adds nothing; the bands lean, and repeat sideways as the picture slides.
static Canvas paint_reflection()
{
    Canvas c = canvas_make(PICTURE_SIZE, PICTURE_SIZE / 2);
    for (int y = 0; y < c.height; y++)
        for (int x = 0; x < c.width; x++) {
            f32 u = (x + 0.5f) / c.width, v = (y + 0.5f) / c.height;
            f32 along = u - 0.3f * v;
            along -= std::floor(along);
            f32 wide = std::exp(-std::pow((along - 0.5f) / 0.05f, 2.0f));
            f32 thin = 0.6f * std::exp(-std::pow((along - 0.62f) / 0.012f, 2.0f));
            f32 level = 0.75f * (wide + thin);
            f32 *p = canvas_at(c, x, y);
            p[0] = level, p[1] = level * 0.93f, p[2] = level * 0.8f, p[3] = 1.0f;
        }
    return c;
}

// ---- the highlight caps: gilded laurel sprigs -----------------------------------------------
// Distance-based coverage of an ellipse centred at (cx, cy) with half axes a (along angle) and b.
static f32 ellipse_cover(f32 x, f32 y, f32 cx, f32 cy, f32 a, f32 b, f32 angle)
{
    f32 dx = x - cx, dy = y - cy;
    f32 along = dx * std::cos(angle) + dy * std::sin(angle);
    f32 across = -dx * std::sin(angle) + dy * std::cos(angle);
    f32 d = std::sqrt((along / a) * (along / a) + (across / b) * (across / b));
    return clamp01((1.0f - d) * std::fmin(a, b));
}

// The sprig for the left end of a row: a stem curving like "(" with leaves pointing up and
// out; the right cap is its mirror. Pixel units of the 64 x 64 picture, y downward.
static f32 laurel_cover(f32 x, f32 y)
{
    const f32 centre_x = 58.0f, centre_y = 34.0f, radius = 26.0f;
    f32 dx = x - centre_x, dy = y - centre_y;
    f32 r = std::sqrt(dx * dx + dy * dy);
    f32 angle = std::atan2(dy, dx);
    f32 cover = 0.0f;
    // The stem, from below (angle 2.2) round the left to above (-2.2, i.e. 4.08).
    f32 turned = angle < 0 ? angle + 2 * PI : angle;
    if (turned > 2.0f && turned < 4.3f)
        cover = clamp01(1.6f - std::fabs(r - radius));
    constexpr int LEAVES = 6;
    for (int i = 0; i < LEAVES; i++) {
        // From the bottom of the stem to its top.
        f32 at = mix(2.25f, 4.05f, static_cast<f32>(i) / (LEAVES - 1));
        f32 sx = centre_x + radius * std::cos(at), sy = centre_y + radius * std::sin(at);
        f32 tangent = at + PI / 2;   // the stem's direction, upward along the arc
        for (int side = -1; side <= 1; side += 2) {
            f32 lean = tangent - static_cast<f32>(side) * 0.55f;
            f32 lx = sx + 6.0f * std::cos(lean), ly = sy + 6.0f * std::sin(lean);
            cover = std::fmax(cover, ellipse_cover(x, y, lx, ly, 6.5f, 2.6f, lean));
        }
    }
    // A berry at the stem's foot.
    f32 bx = centre_x + radius * std::cos(2.1f), by = centre_y + radius * std::sin(2.1f);
    cover = std::fmax(cover, ellipse_cover(x, y, bx, by, 2.6f, 2.6f, 0.0f));
    return cover;
}

static Canvas paint_cap(bool mirrored)
{
    constexpr int SAMPLES = 4;
    Canvas c = canvas_make(CAP_SIZE, CAP_SIZE);
    for (int py = 0; py < c.height; py++)
        for (int px = 0; px < c.width; px++) {
            f32 sum = 0.0f;
            for (int sy = 0; sy < SAMPLES; sy++)
                for (int sx = 0; sx < SAMPLES; sx++) {
                    f32 x = px + (sx + 0.5f) / SAMPLES, y = py + (sy + 0.5f) / SAMPLES;
                    sum += laurel_cover(mirrored ? CAP_SIZE - x : x, y);
                }
            f32 cover = sum / (SAMPLES * SAMPLES);
            // Gold, lighter towards the top as if lit from above.
            f32 light = mix(1.0f, 0.75f, static_cast<f32>(py) / CAP_SIZE);
            f32 *p = canvas_at(c, px, py);
            p[0] = 1.0f * light, p[1] = 0.82f * light, p[2] = 0.42f * light, p[3] = cover;
        }
    return c;
}

// ---- the step ------------------------------------------------------------------------------
static int add_jpeg(const char *entry, const Canvas &c)
{
    Bytes out;
    if (!jpeg_write(out, c.width, c.height, canvas_bytes(c).data(), JPEG_QUALITY)) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry);
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

static int add_tga(const char *entry, const Canvas &c)
{
    Bytes out = tga_write(c.width, c.height, 32, canvas_bytes(c).data());
    if (out.empty()) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry);
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

int build_title(const char *)
{
    return add_jpeg("titulo/back1.jpg", paint_cloud_field()) &&
           add_jpeg("titulo/backfilter.jpg", paint_filter()) &&
           add_jpeg("titulo/reflect2.jpg", paint_reflection()) &&
           add_tga("titulo/select1.tga", paint_cap(false)) &&
           add_tga("titulo/select2.tga", paint_cap(true)) &&
           add_tga("titulo/back2.tga", paint_streaks());
}
