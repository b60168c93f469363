// The three font atlases, drawn with the game library's built-in 8 x 8 font. Each glyph goes
// into the cell the game's font builder cuts for it, centred on its advance, white on clear.
#include "tools/databuild/databuild.h"

#include "engine/engine.h"

#include <allegro.h>
#include <cstdio>

constexpr int BUILTIN_GLYPH_SIZE = 8;   // the built-in font's cell

struct FontSheet {
    int font;              // FontId
    const char *entry;
    int width;             // picture size in pixels
    int height;
    int scale_x;           // glyph pixels per built-in font pixel
    float scale_y;
    int ink_in_colour;     // 1: black around the ink, for the title menu's lightening blend
};

static const FontSheet font_sheets[] = {
    // font        entry              width height scale_x scale_y ink_in_colour
    {FONT_TEXT, "misc/letra.tga", 256, 256, 1, 1.5f, 0},
    {FONT_LETTERS, "misc/textb.tga", 192, 160, 3, 3.5f, 1},
    {FONT_DIGITS, "misc/number.tga", 160, 64, 3, 3.5f, 0},
};

// The character a glyph stands for; 0 for the cells that stay empty (control codes, the
// letters font's word gap).
static int sheet_glyph_char(int font, int glyph)
{
    int c = static_cast<u8>(glyph + font_layouts[font].first_char);
    if (font == FONT_LETTERS && c == '\\')
        return 0;
    if (c < 32 || (c >= 127 && c < 225))
        return 0;
    return c;
}

// Draws one glyph of the built-in font into the sheet at the glyph's cell.
static void sheet_draw_glyph(BITMAP *sheet, BITMAP *scratch, const FontSheet *info, int glyph)
{
    int c = sheet_glyph_char(info->font, glyph);
    if (!c)
        return;
    char text[8];
    usetc(text + usetc(text, c), 0);
    clear_to_color(scratch, 0);
    textout_ex(scratch, font, text, 0, 0, makecol32(255, 255, 255), -1);
    int left = BUILTIN_GLYPH_SIZE, right = -1;
    for (int y = 0; y < BUILTIN_GLYPH_SIZE; y++)
        for (int x = 0; x < BUILTIN_GLYPH_SIZE; x++)
            if (getpixel(scratch, x, y) & 0xFFFFFF) {
                left = x < left ? x : left;
                right = x > right ? x : right;
            }
    if (right < 0)
        return;
    const FontLayout *layout = &font_layouts[info->font];
    float s, t;
    font_glyph_cell(info->font, glyph, &s, &t);
    int cell_w = static_cast<int>(layout->cell_s * info->width + 0.5f);
    int cell_h = static_cast<int>(layout->cell_t * info->height + 0.5f);
    int advance_w = static_cast<int>(font_glyph_advance(info->font, glyph) / layout->quad_width * cell_w);
    // A clear column on each side keeps filtering from bleeding a neighbour's ink into a quad.
    int room = advance_w - 2;
    int ink_w = (right - left + 1) * info->scale_x;
    if (ink_w > room)
        ink_w = room;
    int ink_h = static_cast<int>(BUILTIN_GLYPH_SIZE * info->scale_y);
    int x = static_cast<int>(s * info->width + 0.5f) + 1 + (room - ink_w) / 2;
    int y = static_cast<int>(t * info->height + 0.5f) + (cell_h - ink_h) / 2;
    stretch_blit(scratch, sheet, left, 0, right - left + 1, BUILTIN_GLYPH_SIZE, x, y, ink_w, ink_h);
}

// The ink is in the alpha. The colour is white everywhere, so filtering never darkens an
// edge under alpha blending, except where the sheet is also drawn with a blend that ignores
// alpha (the title menu's main page lightens what is below by the colour): there the colour
// is the ink too.
static Bytes sheet_to_tga(BITMAP *sheet, int ink_in_colour)
{
    Bytes rgba(static_cast<size_t>(sheet->w) * sheet->h * 4);
    for (int y = 0; y < sheet->h; y++)
        for (int x = 0; x < sheet->w; x++) {
            u8 *out = &rgba[(static_cast<size_t>(y) * sheet->w + x) * 4];
            out[3] = (getpixel(sheet, x, y) & 0xFFFFFF) ? 255 : 0;
            out[0] = out[1] = out[2] = ink_in_colour ? out[3] : 255;
        }
    return tga_write(sheet->w, sheet->h, 32, rgba.data());
}

int build_fonts(const char *)
{
    picture_library_start();
    BITMAP *scratch = create_bitmap_ex(32, BUILTIN_GLYPH_SIZE, BUILTIN_GLYPH_SIZE);
    int ok = scratch != nullptr;
    for (const FontSheet &info : font_sheets) {
        BITMAP *sheet = ok ? create_bitmap_ex(32, info.width, info.height) : nullptr;
        if (!sheet) {
            fprintf(stderr, "databuild: no memory for %s\n", info.entry);
            ok = 0;
            break;
        }
        clear_to_color(sheet, 0);
        for (int glyph = 0; glyph < font_layouts[info.font].glyph_count; glyph++)
            sheet_draw_glyph(sheet, scratch, &info, glyph);
        archive_add(info.entry, sheet_to_tga(sheet, info.ink_in_colour));
        destroy_bitmap(sheet);
    }
    if (scratch)
        destroy_bitmap(scratch);
    return ok;
}
