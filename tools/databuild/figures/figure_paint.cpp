// The paint stage of the figures: one atlas per outfit with the face in its top-left quarter
// and a tile for each other material the look uses, each painted with simple procedural detail
// (folds, grain, rivets, strands, scales). Nothing is written on them.
#include "tools/databuild/figures/figure_look.h"

#include <cmath>

constexpr int FACE_SIZE = SKIN_ATLAS / 2;     // the face's quarter
constexpr int TILE_SIZE = SKIN_ATLAS / 4;     // every other material's tile
constexpr int TILE_MARGIN = 2;                // pixels kept from a tile's edge by its coordinates

// The tiles' places in the atlas, in cells of TILE_SIZE: the three quarters beside the face.
static const int tile_cells[LOOK_TILES][2] = {
    {2, 0}, {3, 0}, {2, 1}, {3, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {2, 2}, {3, 2}, {2, 3}, {3, 3},
};

static void look_materials(const FigureLook &look, bool used[MAT_COUNT])
{
    for (int m = 0; m < MAT_COUNT; m++)
        used[m] = false;
    for (int i = 0; i < look.body_count; i++)
        used[look.body[i].material] = true;
    for (int i = 0; i < look.shape_count; i++)
        used[look.shapes[i].material] = true;
    for (int i = 0; i < look.garment_count; i++)
        used[look.garment[i].material] = true;
    // A face's head turns away from the front in skin.
    if (used[MAT_FACE])
        used[MAT_SKIN] = true;
}

// The cell of a material: the used materials take the cells in their enum order; -1 the face.
static int material_cell(const FigureLook &look, FigureMaterial material)
{
    if (material == MAT_FACE)
        return -1;
    bool used[MAT_COUNT];
    look_materials(look, used);
    int cell = 0;
    for (int m = 0; m < material; m++)
        if (used[m] && m != MAT_FACE)
            cell++;
    return cell < LOOK_TILES ? cell : LOOK_TILES - 1;
}

void figure_tile(const FigureLook &look, FigureMaterial material, f32 tile[4])
{
    constexpr f32 INV = 1.0f / SKIN_ATLAS;
    int cell = material_cell(look, material);
    if (cell < 0) {
        tile[0] = TILE_MARGIN * INV;
        tile[1] = TILE_MARGIN * INV;
        tile[2] = (FACE_SIZE - TILE_MARGIN) * INV;
        tile[3] = (FACE_SIZE - TILE_MARGIN) * INV;
        return;
    }
    tile[0] = (tile_cells[cell][0] * TILE_SIZE + TILE_MARGIN) * INV;
    tile[1] = (tile_cells[cell][1] * TILE_SIZE + TILE_MARGIN) * INV;
    tile[2] = ((tile_cells[cell][0] + 1) * TILE_SIZE - TILE_MARGIN) * INV;
    tile[3] = ((tile_cells[cell][1] + 1) * TILE_SIZE - TILE_MARGIN) * INV;
}

static PaintColour colour_of(LookColour c)
{
    return paint_rgb(c.r, c.g, c.b);
}

// ---- the materials -------------------------------------------------------------------------
// Each painter gives the colour at (s, t) in 0..1 of its tile, t down the tile.
static PaintColour paint_skin(PaintColour skin, f32 s, f32 t, int seed)
{
    f32 mottle = paint_fractal(s, t, 4, 3, seed);
    return paint_shade(skin, 0.9f + 0.15f * mottle - 0.08f * t);
}

static PaintColour paint_strands(PaintColour hair, f32 s, f32 t, int count, int seed)
{
    f32 wave = paint_fractal(s, t, 4, 2, seed) * 4.0f;
    f32 strand = 0.5f + 0.5f * std::sin((s * count + wave) * 2.0f * PAINT_PI);
    f32 shine = 0.15f * paint_smooth(0.7f, 1.0f, strand) * (1.0f - t);
    return paint_shade(hair, 0.65f + 0.35f * strand + shine);
}

static PaintColour paint_cloth(PaintColour cloth, PaintColour trim, f32 s, f32 t, int seed)
{
    f32 folds = std::sin((s * 5.0f + paint_fractal(s, t, 4, 2, seed) * 1.5f) * 2.0f * PAINT_PI);
    f32 weave = 0.96f + 0.04f * paint_hash(static_cast<int>(s * 64), static_cast<int>(t * 64), seed);
    PaintColour c = paint_shade(cloth, (0.85f + 0.15f * folds) * weave);
    // A woven border along the hem: a band of the second colour with a stepped wave in it.
    if (t > 0.86f) {
        f32 step = std::fmod(s * 8.0f, 1.0f);
        bool mark = (t > 0.9f && t < 0.96f) && (step < 0.5f ? t < 0.93f : t > 0.93f);
        c = paint_shade(trim, mark ? 0.6f : 1.0f);
    }
    return c;
}

static PaintColour paint_leather(PaintColour leather, f32 s, f32 t, int seed)
{
    f32 grain = paint_fractal(s, t, 8, 3, seed);
    PaintColour c = paint_shade(leather, 0.8f + 0.3f * grain);
    // Stitches along both edges.
    bool stitch = (s < 0.08f || s > 0.92f) && std::fmod(t * 16.0f, 1.0f) < 0.5f;
    return stitch ? paint_shade(leather, 1.35f) : c;
}

static PaintColour paint_metal(PaintColour metal, f32 s, f32 t, bool rivets, int seed)
{
    f32 sheen = 0.75f + 0.45f * std::pow(std::fabs(std::sin((s * 1.3f + t * 0.6f) * PAINT_PI)), 3.0f);
    f32 brush = 0.95f + 0.05f * paint_noise(s * 40.0f, t * 4.0f, 40, seed);
    PaintColour c = paint_shade(metal, sheen * brush);
    if (rivets) {
        f32 ds = std::fmod(s * 4.0f, 1.0f) - 0.5f, dt = std::fmod(t * 4.0f, 1.0f) - 0.5f;
        f32 d = std::sqrt(ds * ds + dt * dt);
        if (d < 0.13f)
            c = paint_shade(metal, 1.35f - 2.5f * d);
        else if (d < 0.17f)
            c = paint_shade(metal, 0.55f);
    }
    return c;
}

static PaintColour paint_wood(PaintColour wood, f32 s, f32 t, int seed)
{
    f32 grain = std::sin((s * 9.0f + paint_fractal(s, t, 4, 3, seed) * 3.0f) * 2.0f * PAINT_PI);
    return paint_shade(wood, 0.8f + 0.15f * grain + 0.1f * paint_hash(static_cast<int>(s * 32), 0, seed));
}

static PaintColour paint_horn(PaintColour horn, f32 s, f32 t, int seed)
{
    f32 rings = 0.9f + 0.1f * std::sin((t * 14.0f + paint_noise(s * 4, t * 4, 4, seed)) * 2.0f * PAINT_PI);
    return paint_shade(horn, rings * (1.05f - 0.25f * t));
}

// Overlapping scales in offset rows, each darker at its rim.
static PaintColour paint_scales(PaintColour skin, f32 s, f32 t, int seed)
{
    constexpr f32 ROWS = 8.0f;
    f32 row = std::floor(t * ROWS);
    f32 cs = s * ROWS * 0.5f + (static_cast<int>(row) % 2) * 0.5f;
    f32 ds = std::fmod(cs, 1.0f) - 0.5f, dt = std::fmod(t * ROWS, 1.0f) - 0.15f;
    f32 d = std::sqrt(ds * ds + dt * dt * 0.6f);
    f32 tint = 0.85f + 0.2f * paint_hash(static_cast<int>(cs), static_cast<int>(row), seed);
    return paint_shade(skin, tint * (1.15f - 0.75f * paint_smooth(0.25f, 0.55f, d)));
}

static PaintColour paint_feather(PaintColour feather, f32 s, f32 t, int seed)
{
    f32 across = std::fmod(s * 3.0f, 1.0f);
    f32 shaft = paint_smooth(0.06f, 0.0f, std::fabs(across - 0.5f));
    f32 barbs = 0.5f + 0.5f * std::sin((t * 30.0f + std::fabs(across - 0.5f) * 18.0f) * PAINT_PI);
    PaintColour c = paint_shade(feather, 0.7f + 0.25f * barbs + 0.1f * paint_fractal(s, t, 4, 2, seed));
    return paint_mix(c, paint_shade(feather, 1.4f), shaft);
}

static PaintColour paint_eye(PaintColour eye, f32 s, f32 t)
{
    f32 ds = s - 0.5f, dt = t - 0.5f;
    f32 d = std::sqrt(ds * ds + dt * dt) * 2.0f;
    return paint_mix(paint_shade(eye, 1.6f), paint_shade(eye, 0.7f), paint_clamp(d));
}

static PaintColour material_colour(const FigureLook &look, int outfit, FigureMaterial m, f32 s, f32 t)
{
    const LookColours &c = look.colours;
    int seed = 101 + m * 7;
    switch (m) {
    case MAT_SKIN:
    case MAT_FACE: return paint_skin(colour_of(c.skin), s, t, seed);
    case MAT_HAIR: return paint_strands(colour_of(c.hair), s, t, 14, seed);
    case MAT_CLOTH: return paint_cloth(colour_of(c.cloth[outfit]), colour_of(c.trim[outfit]), s, t, seed);
    case MAT_TRIM: return paint_cloth(colour_of(c.trim[outfit]), colour_of(c.cloth[outfit]), s, t, seed);
    case MAT_LEATHER: return paint_leather(colour_of(c.leather), s, t, seed);
    case MAT_BRONZE: return paint_metal(paint_rgb(190, 130, 60), s, t, true, seed);
    case MAT_STEEL: return paint_metal(colour_of(c.metal), s, t, false, seed);
    case MAT_GOLD: return paint_metal(paint_rgb(225, 180, 60), s, t, false, seed);
    case MAT_WOOD: return paint_wood(paint_rgb(120, 80, 45), s, t, seed);
    case MAT_FUR: return paint_strands(colour_of(c.fur), s, t, 24, seed);
    case MAT_HORN: return paint_horn(paint_rgb(225, 210, 175), s, t, seed);
    case MAT_SCALES: return paint_scales(colour_of(c.cloth[outfit]), s, t, seed);
    case MAT_FEATHER: return paint_feather(colour_of(c.trim[outfit]), s, t, seed);
    case MAT_EYE: return paint_eye(colour_of(c.eyes), s, t);
    default: return colour_of(c.skin);
    }
}

// ---- the face --------------------------------------------------------------------------------
// Where the features lie on the face's quarter, as fractions of it (the head's front seen
// straight on, top row first).
constexpr f32 EYE_ROW = 0.46f, EYE_APART = 0.17f, MOUTH_ROW = 0.74f, BROW_ROW = 0.37f;

static f32 ellipse(f32 s, f32 t, f32 cs, f32 ct, f32 rs, f32 rt)
{
    f32 ds = (s - cs) / rs, dt = (t - ct) / rt;
    return ds * ds + dt * dt;
}

static PaintColour face_eye(PaintColour c, const LookColours &lc, f32 s, f32 t, f32 cs, f32 ct, f32 size)
{
    f32 white = ellipse(s, t, cs, ct, 0.07f * size, 0.035f * size);
    if (white < 1.0f) {
        c = paint_rgb(235, 230, 220);
        f32 iris = ellipse(s, t, cs, ct, 0.032f * size, 0.032f * size);
        if (iris < 1.0f)
            c = iris < 0.3f ? paint_rgb(15, 10, 10) : colour_of(lc.eyes);
    } else if (white < 1.5f) {
        c = paint_shade(c, 0.55f);   // the lid's line
    }
    return c;
}

static PaintColour face_human(PaintColour c, const LookColours &lc, f32 s, f32 t, f32 size)
{
    for (int side = -1; side <= 1; side += 2) {
        f32 cs = 0.5f + side * EYE_APART * (size > 1.5f ? 0.0f : 1.0f);
        c = face_eye(c, lc, s, t, cs, EYE_ROW, size);
        f32 brow = ellipse(s, t, cs, BROW_ROW - 0.01f * size, 0.09f * size, 0.018f);
        if (brow < 1.0f)
            c = paint_shade(colour_of(lc.hair), 0.8f);
        if (size > 1.5f)
            break;
    }
    f32 mouth = ellipse(s, t, 0.5f, MOUTH_ROW, 0.09f, 0.022f);
    if (mouth < 1.0f)
        c = paint_mix(paint_rgb(150, 60, 55), paint_shade(c, 0.7f), mouth * 0.5f);
    // Shade under the brow and beside the nose, so the face reads in flat light too.
    f32 nose = ellipse(s, t, 0.5f, 0.6f, 0.05f, 0.09f);
    if (nose < 1.0f && nose > 0.5f)
        c = paint_shade(c, 0.9f);
    f32 cheeks = std::min(ellipse(s, t, 0.3f, 0.62f, 0.09f, 0.06f), ellipse(s, t, 0.7f, 0.62f, 0.09f, 0.06f));
    if (cheeks < 1.0f)
        c = paint_mix(c, paint_rgb(200, 110, 100), 0.15f * (1.0f - cheeks));
    return c;
}

static PaintColour face_bull(PaintColour c, const LookColours &lc, f32 s, f32 t)
{
    c = paint_strands(colour_of(lc.hair), s, t, 20, 7);
    f32 muzzle = ellipse(s, t, 0.5f, 0.78f, 0.22f, 0.16f);
    if (muzzle < 1.0f)
        c = paint_mix(paint_rgb(60, 40, 35), c, muzzle * muzzle);
    for (int side = -1; side <= 1; side += 2) {
        if (ellipse(s, t, 0.5f + side * 0.08f, 0.8f, 0.035f, 0.05f) < 1.0f)
            c = paint_rgb(15, 10, 10);
        f32 eye = ellipse(s, t, 0.5f + side * 0.27f, 0.42f, 0.05f, 0.035f);
        if (eye < 1.0f)
            c = eye < 0.4f ? colour_of(lc.eyes) : paint_rgb(20, 10, 10);
    }
    return c;
}

static PaintColour face_serpent(PaintColour c, const LookColours &lc, f32 s, f32 t)
{
    c = paint_scales(colour_of(lc.skin), s * 2.0f, t, 11);
    for (int side = -1; side <= 1; side += 2) {
        f32 eye = ellipse(s, t, 0.5f + side * 0.24f, 0.4f, 0.07f, 0.05f);
        if (eye < 1.0f)
            c = std::fabs(s - (0.5f + side * 0.24f)) < 0.012f ? paint_rgb(10, 10, 10) : colour_of(lc.eyes);
    }
    if (ellipse(s, t, 0.5f, 0.82f, 0.2f, 0.012f) < 1.0f)
        c = paint_rgb(40, 20, 20);
    return c;
}

static PaintColour face_colour(const FigureLook &look, f32 s, f32 t)
{
    PaintColour c = paint_skin(colour_of(look.colours.skin), s, t, 3);
    switch (look.face) {
    case FACE_HUMAN: return face_human(c, look.colours, s, t, 1.0f);
    case FACE_CYCLOPS: return face_human(c, look.colours, s, t, 2.2f);
    case FACE_BULL: return face_bull(c, look.colours, s, t);
    case FACE_SERPENT: return face_serpent(c, look.colours, s, t);
    }
    return c;
}

std::vector<u8> figure_paint(const FigureLook &look, int outfit)
{
    PaintCanvas canvas = paint_canvas(SKIN_ATLAS, SKIN_ATLAS, paint_rgb(128, 128, 128));
    for (int y = 0; y < FACE_SIZE; y++)
        for (int x = 0; x < FACE_SIZE; x++)
            paint_pixel(canvas, x, y) = face_colour(look, paint_coord(x, FACE_SIZE), paint_coord(y, FACE_SIZE));
    bool used[MAT_COUNT];
    look_materials(look, used);
    for (int m = 0; m < MAT_COUNT; m++) {
        if (!used[m] || m == MAT_FACE)
            continue;
        int cell = material_cell(look, static_cast<FigureMaterial>(m));
        int x0 = tile_cells[cell][0] * TILE_SIZE, y0 = tile_cells[cell][1] * TILE_SIZE;
        for (int y = 0; y < TILE_SIZE; y++)
            for (int x = 0; x < TILE_SIZE; x++)
                paint_pixel(canvas, x0 + x, y0 + y) = material_colour(
                    look, outfit, static_cast<FigureMaterial>(m), paint_coord(x, TILE_SIZE), paint_coord(y, TILE_SIZE));
    }
    return paint_bytes(canvas);
}
