// The three font atlases, rasterised from a free font (DejaVu, Debian's fonts-dejavu-core) with
// FreeType. Each glyph goes into the cell the game's font builder cuts for it, inside its
// advance, drawn so that it keeps its shape once the cell is stretched onto the glyph's quad.
#include "tools/databuild/databuild.h"

#include "engine/engine.h"

#include <algorithm>
#include <cstdio>
#include <ft2build.h>
#include FT_FREETYPE_H
#include <vector>

static const char *const FONT_FILE = "/usr/share/fonts/truetype/dejavu/DejaVuSansCondensed-Bold.ttf";

struct FontSheet {
    int font;              // FontId
    const char *entry;
    int width;             // picture size in pixels
    int height;
    float cap_height;      // of a capital, as a share of the cell's height
    float baseline;        // from the cell's top, as a share of its height
};

static const FontSheet font_sheets[] = {
    // font        entry              width height cap   baseline
    {FONT_TEXT, "misc/letra.tga", 512, 512, 0.52f, 0.76f},   // room below for descenders
    {FONT_LETTERS, "misc/textb.tga", 384, 320, 0.70f, 0.85f},
    {FONT_DIGITS, "misc/number.tga", 320, 128, 0.70f, 0.85f},
};

constexpr float DEJAVU_CAP_PER_EM = 0.729f;   // the face's capital height per em

// The character a glyph stands for; 0 for the cells that stay empty (control codes, the
// letters font's word gap).
static int sheet_glyph_char(int font, int glyph)
{
    int c = static_cast<u8>(glyph + font_layouts[font].first_char);
    if (font == FONT_LETTERS && c == '\\')
        return 0;
    // The letters font's ']' hides a locked character's name: it reads as a question mark.
    if (font == FONT_LETTERS && c == ']')
        return '?';
    if (c < 32 || (c >= 127 && c < 225))
        return 0;
    return c;
}

struct SheetCell {
    int x, y;              // top-left pixel
    int w, h;              // cell size in pixels
    int room;              // pixels the glyph's advance leaves for ink
    int left;              // where the ink's room starts
};

static SheetCell sheet_cell(const FontSheet &info, int glyph)
{
    const FontLayout *layout = &font_layouts[info.font];
    float s, t;
    font_glyph_cell(info.font, glyph, &s, &t);
    SheetCell cell;
    cell.x = static_cast<int>(s * info.width + 0.5f);
    cell.y = static_cast<int>(t * info.height + 0.5f);
    cell.w = static_cast<int>(layout->cell_s * info.width + 0.5f);
    cell.h = static_cast<int>(layout->cell_t * info.height + 0.5f);
    int advance = static_cast<int>(font_glyph_advance(info.font, glyph) / layout->quad_width * cell.w);
    cell.room = std::min(advance, cell.w) - 2;   // a pixel clear on each side between glyphs
    // The ink's room in the middle of the cell: the quad is wider than the advance, and ink near
    // a cell's edge shows at the edge of the neighbouring glyph's quad once mipmaps blur it.
    cell.left = cell.x + (cell.w - cell.room) / 2;
    return cell;
}

// Renders c with a horizontal stretch; 0 when the face has no such glyph.
static int glyph_render(FT_Face face, int c, float stretch)
{
    FT_Matrix matrix = {static_cast<FT_Fixed>(stretch * 65536.0f), 0, 0, 0x10000};
    FT_Set_Transform(face, &matrix, nullptr);
    FT_UInt index = FT_Get_Char_Index(face, static_cast<FT_ULong>(c));
    if (index == 0 || FT_Load_Glyph(face, index, FT_LOAD_DEFAULT) != 0)
        return 0;
    return FT_Render_Glyph(face->glyph, FT_RENDER_MODE_NORMAL) == 0;
}

// Coverage into the sheet's alpha; the colour carries it too (black around the ink), so
// the blends that add the colour as it is show only the ink.
static void glyph_copy(std::vector<u8> &rgba, const FontSheet &info, const SheetCell &cell, const FT_Bitmap &bitmap,
                       int left, int top)
{
    for (unsigned row = 0; row < bitmap.rows; row++)
        for (unsigned col = 0; col < bitmap.width; col++) {
            int x = left + static_cast<int>(col), y = top + static_cast<int>(row);
            if (x < cell.x || x >= cell.x + cell.w || y < cell.y || y >= cell.y + cell.h)
                continue;
            u8 ink = bitmap.buffer[row * bitmap.pitch + col];
            u8 *out = &rgba[(static_cast<size_t>(y) * info.width + x) * 4];
            out[0] = out[1] = out[2] = out[3] = std::max(out[3], ink);
        }
}

// One glyph: drawn wide enough that the quad's stretch gives it its natural proportions,
// narrowed only where its advance has no room for it.
static void sheet_draw_glyph(std::vector<u8> &rgba, FT_Face face, const FontSheet &info, int glyph)
{
    int c = sheet_glyph_char(info.font, glyph);
    if (!c)
        return;
    const FontLayout *layout = &font_layouts[info.font];
    SheetCell cell = sheet_cell(info, glyph);
    // Quad units per pixel, down over across: how much wider a sheet pixel shows than high.
    float stretch = (layout->quad_height / cell.h) / (layout->quad_width / cell.w);
    if (!glyph_render(face, c, stretch))
        return;
    int ink = static_cast<int>(face->glyph->bitmap.width);
    if (ink > cell.room && !glyph_render(face, c, stretch * cell.room / ink))
        return;
    const FT_GlyphSlot slot = face->glyph;
    int left = cell.left + (cell.room - static_cast<int>(slot->bitmap.width)) / 2;
    int top = cell.y + static_cast<int>(info.baseline * cell.h) - slot->bitmap_top;
    glyph_copy(rgba, info, cell, slot->bitmap, left, top);
}

static Bytes sheet_build(FT_Face face, const FontSheet &info)
{
    std::vector<u8> rgba(static_cast<size_t>(info.width) * info.height * 4, 0);
    const FontLayout *layout = &font_layouts[info.font];
    int cell_h = static_cast<int>(layout->cell_t * info.height + 0.5f);
    FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(info.cap_height * cell_h / DEJAVU_CAP_PER_EM + 0.5f));
    for (int glyph = 0; glyph < layout->glyph_count; glyph++)
        sheet_draw_glyph(rgba, face, info, glyph);
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
