// The three font atlases, rasterised from a free font (DejaVu, Debian's fonts-dejavu-core) with
// FreeType. Each glyph's ink fills the room its advance leaves once the font's gap between
// letters is taken off, starting half a gap into its cell: the printer draws the left part of
// the cell, as wide as the advance, from the pen, so ink, quad and advance agree and the gap
// between any two letters is the same.
#include "tools/databuild/databuild.h"

#include "engine/engine.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H
#include FT_BBOX_H
#include <vector>

static const char *const FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

struct FontSheet {
    int font;              // FontId
    const char *entry;
    int width;             // picture size in pixels
    int height;
    float cap_height;      // of a capital, as a share of the cell's height
    float baseline;        // from the cell's top, as a share of its height
    float gap;             // blank between two glyphs' ink, in quad units
    float rim;             // the dark outline's reach around the ink, in sheet pixels
    float shadow;          // how far down and right the baked shadow falls, in sheet pixels
};

// The advances of the engine's font tables were measured from this face with these sizes and
// gaps. The pictures' sides are powers of two, so the mipmap builder uploads them texel for
// texel and the ink's edges stay where they are drawn. The text font's capitals are a little smaller than before so that a credits page's
// capital line and the text line under it stand apart.
// The text font and the digits are light on whatever lies behind them (a white wall, clouds),
// so their ink carries a dark rim and a shadow; the rims of two neighbours meet in the gap
// between them. The capitals sit on their own dark boxes and banners and keep plain ink.
static const FontSheet font_sheets[] = {
    // font        entry              width height cap   baseline gap  rim   shadow
    {FONT_TEXT, "misc/letra.tga", 512, 512, 0.44f, 0.81f, 0.3f, 1.5f, 1.0f},   // room below for descenders
    {FONT_LETTERS, "misc/textb.tga", 512, 512, 0.70f, 0.79f, 0.4f, 0.0f, 0.0f},
    {FONT_DIGITS, "misc/number.tga", 256, 128, 0.70f, 0.85f, 0.5f, 3.5f, 2.5f},
};

constexpr float DEJAVU_CAP_PER_EM = 0.729f;   // the face's capital height per em

// The character a glyph stands for; 0 for the cells that stay empty (control codes, the
// letters font's word gap).
static int sheet_glyph_char(int font, int glyph)
{
    int c = static_cast<u8>(glyph + font_layouts[font].first_char);
    if (font == FONT_LETTERS && c == '\\')
        return 0;
    // The letters font's ']' hides a locked character's name: it reads as a question mark. Its
    // '[' ends the calls of a fight ("FIGHT["): an exclamation mark.
    if (font == FONT_LETTERS && c == ']')
        return '?';
    if (font == FONT_LETTERS && c == '[')
        return '!';
    if (c < 32 || (c >= 127 && c < 225))
        return 0;
    return c;
}

struct SheetCell {
    int x, y;              // top-left pixel
    int w, h;              // cell size in pixels
    int left;              // first pixel of the ink
    float shift;           // where in that pixel the ink starts, 0..1
    float room;            // pixels of ink across
};

// The ink's place: half a gap in from where the quad's left edge samples the cell, up to half
// a gap short of where its right edge does, to the fraction of a texel: the cells of six
// columns start between texels.
static SheetCell sheet_cell(const FontSheet &info, int glyph)
{
    const FontLayout *layout = &font_layouts[info.font];
    float s, t;
    font_glyph_cell(info.font, glyph, &s, &t);
    float x0 = s * info.width, pixels_per_unit = layout->cell_s * info.width / layout->quad_width;
    float advance = std::min(font_glyph_advance(info.font, glyph), layout->quad_width);
    float margin = info.gap / 2 * pixels_per_unit;
    SheetCell cell;
    cell.x = static_cast<int>(std::lround(x0));
    cell.y = static_cast<int>(std::lround(t * info.height));
    cell.w = static_cast<int>(std::lround(x0 + layout->cell_s * info.width)) - cell.x;
    cell.h = static_cast<int>(std::lround((t + layout->cell_t) * info.height)) - cell.y;
    float left = x0 + margin;
    cell.left = static_cast<int>(std::floor(left));
    cell.shift = left - cell.left;
    cell.room = advance * pixels_per_unit - 2 * margin;
    return cell;
}

// Loads c's outline at a horizontal scale; 0 when the face has no such glyph.
static int glyph_load(FT_Face face, int c, float scale)
{
    FT_Matrix matrix = {static_cast<FT_Fixed>(scale * 65536.0f), 0, 0, 0x10000};
    FT_Set_Transform(face, &matrix, nullptr);
    FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_NO_HINTING | FT_LOAD_NO_BITMAP) != 0)
        return 0;
    return face->glyph->format == FT_GLYPH_FORMAT_OUTLINE;
}

// The outline's ink across, in 1/64 pixels.
static FT_Pos glyph_ink_width(FT_Face face)
{
    FT_BBox box;
    FT_Outline_Get_BBox(&face->glyph->outline, &box);
    return box.xMax - box.xMin;
}

// Renders c scaled across so that its ink is exactly room pixels wide and starts shift pixels
// into the bitmap's first column; 0 for a glyph the face lacks or one without ink.
static int glyph_render_fitted(FT_Face face, int c, float room, float shift)
{
    if (room <= 0 || !glyph_load(face, c, 1.0f))
        return 0;
    FT_Pos natural = glyph_ink_width(face);
    if (natural <= 0 || !glyph_load(face, c, room * 64.0f / natural))
        return 0;
    FT_BBox box;
    FT_Outline_Get_BBox(&face->glyph->outline, &box);
    FT_Outline_Translate(&face->glyph->outline, -box.xMin + static_cast<FT_Pos>(std::lround(shift * 64.0f)), 0);
    return FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0;
}

// Coverage into the sheet's ink; glyph_rim_paint turns it into colour and alpha.
static void glyph_copy(std::vector<u8> &ink_sheet, const FontSheet &info, const SheetCell &cell, const FT_Bitmap &bitmap,
                       int left, int top)
{
    for (unsigned row = 0; row < bitmap.rows; row++)
        for (unsigned col = 0; col < bitmap.width; col++) {
            int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
            if (x < cell.x || x >= cell.x + cell.w || y < cell.y || y >= cell.y + cell.h)
                continue;
            u8 ink = bitmap.buffer[row * bitmap.pitch + col];
            u8 &out = ink_sheet[static_cast<size_t>(y) * info.width + x];
            out = std::max(out, ink);
        }
}

// How dark the rim is at (x, y): the nearest ink within reach of the point itself (the
// outline) or of the point the shadow falls from, fading over the last pixel of the reach.
// Half-covered edge pixels count as ink, so the rim stands as far out from a soft edge as
// from a hard one.
static float rim_cover(const std::vector<u8> &ink_sheet, const FontSheet &info, const SheetCell &cell, int x, int y)
{
    int reach = static_cast<int>(std::ceil(info.rim + info.shadow));
    float cover = 0.0f;
    for (int dy = -reach; dy <= reach; dy++)
        for (int dx = -reach; dx <= reach; dx++) {
            int sx = x + dx, sy = y + dy;
            if (sx < cell.x || sx >= cell.x + cell.w || sy < cell.y || sy >= cell.y + cell.h)
                continue;
            float ink = std::min(1.0f, 2.0f * ink_sheet[static_cast<size_t>(sy) * info.width + sx] / 255.0f);
            if (ink <= 0.0f)
                continue;
            float outline = info.rim + 0.5f - std::hypot(static_cast<float>(dx), static_cast<float>(dy));
            float shadow = info.rim + 0.5f - std::hypot(dx + info.shadow, dy + info.shadow);
            cover = std::max(cover, ink * std::clamp(std::max(outline, shadow), 0.0f, 1.0f));
        }
    return cover;
}

// The cell's ink as white over its dark rim, premultiplied: the colour carries the ink alone
// (black on the rim), the alpha the ink laid over the rim. The rim stays inside the part of
// the cell the glyph's quad samples, so no neighbour's quad picks it up.
static void glyph_rim_paint(std::vector<u8> &rgba, const std::vector<u8> &ink_sheet, const FontSheet &info, int glyph)
{
    SheetCell cell = sheet_cell(info, glyph);
    const FontLayout *layout = &font_layouts[info.font];
    float pixels_per_unit = layout->cell_s * info.width / layout->quad_width;
    float advance = std::min(font_glyph_advance(info.font, glyph), layout->quad_width);
    int sampled = std::min(cell.w, static_cast<int>(std::floor(advance * pixels_per_unit)));
    for (int y = cell.y; y < cell.y + cell.h; y++)
        for (int x = cell.x; x < cell.x + sampled; x++) {
            float ink = ink_sheet[static_cast<size_t>(y) * info.width + x] / 255.0f;
            float rim = info.rim > 0.0f ? rim_cover(ink_sheet, info, cell, x, y) : 0.0f;
            float alpha = ink + rim * (1.0f - ink);
            u8 *out = &rgba[(static_cast<size_t>(y) * info.width + x) * 4];
            out[0] = out[1] = out[2] = static_cast<u8>(std::lround(ink * 255.0f));
            out[3] = static_cast<u8>(std::lround(alpha * 255.0f));
        }
}

// One glyph, its ink fitted across its room and standing on the font's baseline.
static void sheet_draw_glyph(std::vector<u8> &ink_sheet, FT_Face face, const FontSheet &info, int glyph)
{
    int c = sheet_glyph_char(info.font, glyph);
    if (!c)
        return;
    SheetCell cell = sheet_cell(info, glyph);
    if (!glyph_render_fitted(face, c, cell.room, cell.shift))
        return;
    const FT_GlyphSlot slot = face->glyph;
    int top = cell.y + static_cast<int>(info.baseline * cell.h) - slot->bitmap_top;
    glyph_copy(ink_sheet, info, cell, slot->bitmap, cell.left + slot->bitmap_left, top);
}

static Bytes sheet_build(FT_Face face, const FontSheet &info)
{
    std::vector<u8> ink_sheet(static_cast<size_t>(info.width) * info.height, 0);
    std::vector<u8> rgba(static_cast<size_t>(info.width) * info.height * 4, 0);
    const FontLayout *layout = &font_layouts[info.font];
    float cell_h = layout->cell_t * info.height;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(info.cap_height * cell_h / DEJAVU_CAP_PER_EM + 0.5f));
    for (int glyph = 0; glyph < layout->glyph_count; glyph++)
        sheet_draw_glyph(ink_sheet, face, info, glyph);
    for (int glyph = 0; glyph < layout->glyph_count; glyph++)
        glyph_rim_paint(rgba, ink_sheet, info, glyph);
    return tga_write(info.width, info.height, 32, rgba.data());
}

int build_fonts(const char *)
{
    FT_Library library;
    if (FT_Init_FreeType(&library) != 0) {
        fprintf(stderr, "databuild: FreeType does not start\n");
        return 0;
    }
    FT_Face face;
    if (FT_New_Face(library, FONT_FILE, 0, &face) != 0) {
        fprintf(stderr, "databuild: cannot open %s (scripts/install-deps installs fonts-dejavu-core)\n", FONT_FILE);
        FT_Done_FreeType(library);
        return 0;
    }
    for (const FontSheet &info : font_sheets)
        archive_add(info.entry, sheet_build(face, info));
    FT_Done_Face(face);
    FT_Done_FreeType(library);
    return 1;
}

// The face, opened once for the sheets' captions; null after a message when it cannot be.
static FT_Face caption_face()
{
    static FT_Library library = nullptr;
    static FT_Face face = nullptr;
    if (face)
        return face;
    if (!library && FT_Init_FreeType(&library) != 0) {
        fprintf(stderr, "databuild: FreeType does not start\n");
        library = nullptr;
        return nullptr;
    }
    if (FT_New_Face(library, FONT_FILE, 0, &face) != 0) {
        fprintf(stderr, "databuild: cannot open %s\n", FONT_FILE);
        face = nullptr;
    }
    return face;
}

int font_text_paint(PaintCanvas &c, int x, int baseline, int pixel_height, const char *text, PaintColour colour)
{
    FT_Face face = caption_face();
    if (!face)
        return x;
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(pixel_height));
    for (const char *p = text; *p; p++) {
        if (!glyph_load(face, static_cast<unsigned char>(*p), 1.0f) || FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) != 0)
            continue;
        const FT_GlyphSlot slot = face->glyph;
        for (unsigned row = 0; row < slot->bitmap.rows; row++)
            for (unsigned col = 0; col < slot->bitmap.width; col++) {
                int px = x + slot->bitmap_left + static_cast<int>(col), py = baseline - slot->bitmap_top + static_cast<int>(row);
                u8 cover = slot->bitmap.buffer[row * slot->bitmap.pitch + col];
                if (cover && px >= 0 && py >= 0 && px < c.w && py < c.h)
                    paint_blend(c, px, py, colour, cover / 255.0f);
            }
        x += static_cast<int>(slot->advance.x >> 6);
    }
    return x;
}
