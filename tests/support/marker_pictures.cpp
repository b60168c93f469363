#include "support/marker_pictures.h"

#include <GL/gl.h>
#include <algorithm>
#include <cmath>
#include <cstdlib>

Rgb marker(int i)
{
    return {255, 30 + 8 * i, 230 - 8 * i};
}

Rgb marker_at(int i, f32 level)
{
    Rgb c = marker(i);
    return {static_cast<int>(std::lround(c.r * level)), static_cast<int>(std::lround(c.g * level)),
            static_cast<int>(std::lround(c.b * level))};
}

u32 marker_texture(int i)
{
    Rgb c = marker(i);
    return solid_texture(static_cast<u8>(c.r), static_cast<u8>(c.g), static_cast<u8>(c.b));
}

void texel_set(std::vector<u8> &rgba, int width, int x, int y, Rgb c)
{
    u8 *p = &rgba[(static_cast<size_t>(y) * width + x) * 4];
    p[0] = static_cast<u8>(c.r);
    p[1] = static_cast<u8>(c.g);
    p[2] = static_cast<u8>(c.b);
    p[3] = 255;
}

u32 texels_texture(const std::vector<u8> &rgba, int width, int height)
{
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_NEAREST);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, rgba.data());
    glBindTexture(GL_TEXTURE_2D, 0);
    return name;
}

static bool level_near(int got, int want)
{
    return std::abs(got - want) <= 2;
}

static bool pixel_is(const u8 *p, Rgb c)
{
    return level_near(p[0], c.r) && level_near(p[1], c.g) && level_near(p[2], c.b);
}

std::vector<MarkerArea> marker_areas(const std::vector<u8> &pixels)
{
    std::vector<MarkerArea> areas(MARKER_COUNT, MarkerArea{0, {1e9f, 1e9f, -1e9f, -1e9f}});
    for (int y = 0; y < GL_TEST_HEIGHT; y++)
        for (int x = 0; x < GL_TEST_WIDTH; x++) {
            const u8 *p = &pixels[(static_cast<size_t>(y) * GL_TEST_WIDTH + x) * 4];
            if (p[0] < 120)
                continue;   // no marker at either level
            for (int i = 0; i < MARKER_COUNT; i++) {
                if (!pixel_is(p, marker_at(i, 1.0f)) && !pixel_is(p, marker_at(i, 0.5f)))
                    continue;
                MarkerArea &a = areas[i];
                a.count++;
                a.box = {std::min(a.box.x0, f32(x)), std::min(a.box.y0, f32(y)), std::max(a.box.x1, f32(x + 1)),
                         std::max(a.box.y1, f32(y + 1))};
                break;
            }
        }
    return areas;
}

f32 rect_area(const PixelRect &r)
{
    return (r.x1 - r.x0) * (r.y1 - r.y0);
}

f32 rect_overlap_area(const PixelRect &a, const PixelRect &b)
{
    f32 w = std::min(a.x1, b.x1) - std::max(a.x0, b.x0), h = std::min(a.y1, b.y1) - std::max(a.y0, b.y0);
    return w > 0 && h > 0 ? w * h : 0.0f;
}

static u32 saved_atlases[3];

bool inkless_fonts_begin()
{
    u32 *atlases[3] = {&font_text_texture, &font_letters_texture, &font_digits_texture};
    for (int i = 0; i < 3; i++) {
        saved_atlases[i] = *atlases[i];
        *atlases[i] = solid_texture(0, 0, 0, 0);
    }
    return fonts_build() == 1;
}

void inkless_fonts_end()
{
    u32 *atlases[3] = {&font_text_texture, &font_letters_texture, &font_digits_texture};
    for (int i = 0; i < 3; i++)
        *atlases[i] = saved_atlases[i];
    fonts_free();
}
