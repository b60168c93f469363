// Screenshots: the frame read back and saved as the first free scr%05d.jpg beside the program,
// so that no earlier picture is ever overwritten.
#include "engine/engine.h"

#include <GL/gl.h>
#include <allegro.h>
#include <jpgalleg.h>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

constexpr int SCREENSHOT_QUALITY = 100;
constexpr int SCREENSHOT_COLOUR_DEPTH = 24;
constexpr size_t SCREENSHOT_NAME_SIZE = 32;   // "scr" + up to 10 digits + ".jpg"

static std::string screenshot_path(const char *dir, int number)
{
    char name[SCREENSHOT_NAME_SIZE];
    snprintf(name, sizeof name, "scr%05d.jpg", number);
    return std::string(dir ? dir : "") + name;
}

int screenshot_free_number(const char *dir)
{
    for (int n = 0; n <= SCREENSHOT_NUMBER_MAX; n++)
        if (access(screenshot_path(dir, n).c_str(), F_OK) != 0)
            return n;
    return -1;
}

// The window's pixels as a bitmap of the game library, top row first (GL reads the bottom
// row first). Returns 0 when memory is short.
static BITMAP *screenshot_grab(int width, int height)
{
    u8 *pixels = static_cast<u8 *>(malloc(static_cast<size_t>(width) * height * 3));
    BITMAP *bitmap = pixels ? create_bitmap_ex(SCREENSHOT_COLOUR_DEPTH, width, height) : nullptr;
    if (!bitmap) {
        free(pixels);
        return nullptr;
    }
    // Rows come tightly packed whatever the width: a window clamped to the desktop need not
    // be a multiple of 4 pixels wide.
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, width, height, GL_RGB, GL_UNSIGNED_BYTE, pixels);
    for (int y = 0; y < height; y++) {
        const u8 *row = pixels + static_cast<size_t>(height - 1 - y) * width * 3;
        for (int x = 0; x < width; x++)
            putpixel(bitmap, x, y, makecol24(row[3 * x], row[3 * x + 1], row[3 * x + 2]));
    }
    free(pixels);
    return bitmap;
}

int screenshot_save_in(const char *dir)
{
    int width = screen_width, height = screen_height;
    if (width <= 0 || height <= 0)
        return 0;
    int number = screenshot_free_number(dir);
    if (number < 0) {
        log_printf("\n -Screenshot not saved: scr00000.jpg to scr%05d.jpg all exist", SCREENSHOT_NUMBER_MAX);
        return 0;
    }
    BITMAP *bitmap = screenshot_grab(width, height);
    if (!bitmap) {
        log_printf("\n -Screenshot not saved: out of memory");
        return 0;
    }
    std::string path = screenshot_path(dir, number);
    int failed = save_jpg_ex(path.c_str(), bitmap, nullptr, SCREENSHOT_QUALITY, JPG_SAMPLING_422, nullptr);
    destroy_bitmap(bitmap);
    if (failed) {
        // A half-written file would take the number and show nothing.
        remove(path.c_str());
        log_printf("\n -Screenshot %s not saved: %s", path.c_str(), jpgalleg_error_string());
        return 0;
    }
    return 1;
}

void screenshot_save()
{
    screenshot_save_in(base_dir);
}
