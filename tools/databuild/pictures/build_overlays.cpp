// The screen overlays' own picture: the exit screen's farewell, a dusk sky over the sea with
// a temple on its headland and the game's name, drawn with the game library's built-in font.
#include "tools/databuild/databuild.h"

#include "engine/engine.h"

#include <allegro.h>
#include <cstdio>
#include <vector>

constexpr int EXIT_WIDTH = 256;
constexpr int EXIT_HEIGHT = 256;
constexpr int EXIT_HORIZON = 170;
constexpr int EXIT_JPEG_QUALITY = 90;

// Dusk from deep blue at the top to amber at the horizon; the sea darker below it.
static int exit_background(int x, int y)
{
    if (y < EXIT_HORIZON) {
        int k = y * 255 / EXIT_HORIZON;
        return makecol32(20 + k * 200 / 255, 20 + k * 110 / 255, 70 + k * 10 / 255);
    }
    int ripple = ((x / 6 + y) % 5 == 0) ? 30 : 0;
    return makecol32(20 + ripple, 40 + ripple, 70 + ripple);
}

// A dark headland with a temple of six columns under a pediment.
static void exit_temple(BITMAP *picture)
{
    int ground = makecol32(15, 12, 20);
    int stone = makecol32(40, 32, 40);
    rectfill(picture, 0, EXIT_HORIZON - 12, 120, EXIT_HORIZON + 6, ground);
    rectfill(picture, 20, EXIT_HORIZON - 18, 104, EXIT_HORIZON - 12, stone);
    for (int column = 0; column < 6; column++) {
        int x = 26 + column * 14;
        rectfill(picture, x, EXIT_HORIZON - 60, x + 6, EXIT_HORIZON - 18, stone);
    }
    rectfill(picture, 20, EXIT_HORIZON - 66, 104, EXIT_HORIZON - 60, stone);
    triangle(picture, 18, EXIT_HORIZON - 66, 106, EXIT_HORIZON - 66, 62, EXIT_HORIZON - 86, stone);
}

// The built-in font's 8-pixel text, scaled up.
static void exit_title(BITMAP *picture, const char *text, int centre_y, int scale, int colour)
{
    int width = text_length(font, text);
    BITMAP *line = create_bitmap_ex(32, width, text_height(font));
    if (!line)
        return;
    clear_to_color(line, makecol32(255, 0, 255));
    textout_ex(line, font, text, 0, 0, colour, -1);
    masked_stretch_blit(line, picture, 0, 0, line->w, line->h, (EXIT_WIDTH - width * scale) / 2,
                        centre_y - line->h * scale / 2, line->w * scale, line->h * scale);
    destroy_bitmap(line);
}

static Bytes exit_picture_rgba(BITMAP *picture)
{
    Bytes rgba(static_cast<size_t>(EXIT_WIDTH) * EXIT_HEIGHT * 4);
    for (int y = 0; y < EXIT_HEIGHT; y++)
        for (int x = 0; x < EXIT_WIDTH; x++) {
            int c = getpixel(picture, x, y);
            u8 *out = &rgba[(static_cast<size_t>(y) * EXIT_WIDTH + x) * 4];
            out[0] = static_cast<u8>(getr32(c));
            out[1] = static_cast<u8>(getg32(c));
            out[2] = static_cast<u8>(getb32(c));
            out[3] = 255;
        }
    return rgba;
}

int build_overlays(const char *)
{
    picture_library_start();
    BITMAP *picture = create_bitmap_ex(32, EXIT_WIDTH, EXIT_HEIGHT);
    if (!picture) {
        fprintf(stderr, "databuild: no memory for misc/exit.jpg\n");
        return 0;
    }
    for (int y = 0; y < EXIT_HEIGHT; y++)
        for (int x = 0; x < EXIT_WIDTH; x++)
            putpixel(picture, x, y, exit_background(x, y));
    exit_temple(picture);
    // The words stand in the open sky, above the pediment (its peak 86 above the horizon).
    exit_title(picture, "TAVROSK", 36, 4, makecol32(240, 200, 90));
    exit_title(picture, "FAREWELL, HERO", 66, 2, makecol32(250, 240, 220));
    Bytes rgba = exit_picture_rgba(picture);
    destroy_bitmap(picture);
    Bytes jpeg;
    if (!jpeg_write(jpeg, EXIT_WIDTH, EXIT_HEIGHT, rgba.data(), EXIT_JPEG_QUALITY)) {
        fprintf(stderr, "databuild: cannot encode misc/exit.jpg\n");
        return 0;
    }
    archive_add("misc/exit.jpg", std::move(jpeg));
    return 1;
}
