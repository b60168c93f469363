// Texture loading: an archive entry decoded to a picture and handed to GL under a mode.
#include "engine/engine.h"

#include <GL/gl.h>
#include <GL/glu.h>
#include <cstdlib>
#include <cstring>
#include <iterator>

constexpr int TEXTURE_SMALL_SIDE = 256;      // the size a squeezed picture is made at
constexpr int TEXTURE_LARGE_DRIVER = 512;    // a driver that takes this keeps large pictures

// What each mode does with a picture.
struct TextureModeInfo {
    u8 keep_alpha;       // RGBA internal format, else RGB
    u8 mipmaps;          // the full chain by gluBuild2DMipmaps, else level 0 only
    u8 any_detail;       // own size on a large driver whatever the detail setting
};

static const TextureModeInfo texture_modes[] = {
    // alpha mipmaps any_detail
    {1, 0, 0},   // TEXTURE_CLAMP_RGBA
    {0, 0, 0},   // TEXTURE_CLAMP_RGB
    {1, 1, 0},   // TEXTURE_MIPMAP_RGBA
    {0, 1, 0},   // TEXTURE_MIPMAP_RGB
    {1, 1, 1},   // TEXTURE_MIPMAP_RGBA_FULL
};
static_assert(std::size(texture_modes) == TEXTURE_MODE_COUNT, "one row per texture mode");

void texture_upload_size(int mode, int width, int height, int *upload_width, int *upload_height)
{
    int keep = 0;
    if (mode == TEXTURE_MIPMAP_RGBA_FULL) {
        keep = gl_max_texture_size >= TEXTURE_LARGE_DRIVER;
    } else {
        int large = width > TEXTURE_SMALL_SIDE || height > TEXTURE_SMALL_SIDE;
        // A picture beyond the driver's limit would come back as an empty texture from the
        // level-0 upload, so it is squeezed too.
        int driver_takes = gl_max_texture_size >= TEXTURE_LARGE_DRIVER && width <= gl_max_texture_size &&
                           height <= gl_max_texture_size;
        keep = !large || (texture_detail != 0 && driver_takes);
    }
    *upload_width = keep ? width : TEXTURE_SMALL_SIDE;
    *upload_height = keep ? height : TEXTURE_SMALL_SIDE;
}

int texture_name_is_jpeg(const char *entry_name)
{
    const char *dot = strrchr(entry_name, '.');
    if (!dot || strchr(dot, '/'))
        return 0;
    // KEEP: only the first three letters count, and only in lower case: stored entry names
    // rely on "JPG" being read as a TGA.
    return strncmp(dot + 1, "jpg", 3) == 0;
}

static void texture_set_parameters(const TextureModeInfo *info)
{
    GLint wrap = info->mipmaps ? GL_REPEAT : GL_CLAMP_TO_EDGE;
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, info->mipmaps ? GL_LINEAR_MIPMAP_LINEAR : GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, wrap);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, wrap);
    // A value of the active unit's environment, not of this texture: it holds for whatever is
    // drawn on the unit afterwards, and it is set whether or not the driver named the extension.
    if (info->mipmaps && texture_sharpness == 1)
        glTexEnvf(GL_TEXTURE_FILTER_CONTROL_EXT, GL_TEXTURE_LOD_BIAS_EXT, -1.0f);
}

// Uploads the picture to the bound texture; returns 1, or 0 when GLU refused it.
static int texture_upload(const TextureModeInfo *info, int mode, const Picture *picture)
{
    GLint format = info->keep_alpha ? (texture_colour_depth ? GL_RGBA8 : GL_RGBA4)
                                    : (texture_colour_depth ? GL_RGB8 : GL_RGB4);
    int width, height;
    texture_upload_size(mode, picture->width, picture->height, &width, &height);
    // Rows of 4-byte pixels are packed under any pixel-store alignment but 8, which nothing sets.
    const u8 *pixels = picture->pixels;
    u8 *scaled = nullptr;
    if (width != picture->width || height != picture->height) {
        scaled = static_cast<u8 *>(malloc(static_cast<size_t>(width) * height * 4));
        if (!scaled || gluScaleImage(GL_RGBA, picture->width, picture->height, GL_UNSIGNED_BYTE, picture->pixels,
                                     width, height, GL_UNSIGNED_BYTE, scaled) != 0) {
            free(scaled);
            return 0;
        }
        pixels = scaled;
    }
    int ok = 1;
    if (info->mipmaps)
        ok = gluBuild2DMipmaps(GL_TEXTURE_2D, format, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels) == 0;
    else
        glTexImage2D(GL_TEXTURE_2D, 0, format, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, pixels);
    free(scaled);
    return ok;
}

static int texture_decode(const char *entry_name, const u8 *data, u32 size, Picture *picture)
{
    int jpeg = texture_name_is_jpeg(entry_name);
    int ok = jpeg ? jpeg_decode(data, size, picture) : tga_decode(data, size, picture);
    if (!ok)
        log_printf("\n       -%s is not a readable %s picture", entry_name, jpeg ? "JPEG" : "TGA");
    return ok;
}

u32 texture_load(ArchiveHandle archive, const char *entry_name, int mode)
{
    // No caller passes another mode; refusing it up front leaves no empty texture behind.
    if (mode < 0 || mode >= TEXTURE_MODE_COUNT || !entry_name)
        return 0;
    u8 *data;
    u32 size;
    if (!archive_read_entry(archive, entry_name, &data, &size))
        return 0;
    Picture picture;
    int decoded = texture_decode(entry_name, data, size, &picture);
    free(data);
    if (!decoded)
        return 0;
    const TextureModeInfo *info = &texture_modes[mode];
    GLuint name = 0;
    glGenTextures(1, &name);
    glBindTexture(GL_TEXTURE_2D, name);
    texture_set_parameters(info);
    int uploaded = texture_upload(info, mode, &picture);
    picture_free(&picture);
    if (!uploaded) {
        log_printf("\n       -%s could not be uploaded", entry_name);
        glDeleteTextures(1, &name);
        return 0;
    }
    return name;
}

void texture_table_delete(u32 *names, int count)
{
    for (int i = 0; i < count; i++) {
        if (names[i]) {
            GLuint name = names[i];
            glDeleteTextures(1, &name);
        }
        names[i] = 0;
    }
}

Picture texture_read(u32 name)
{
    Picture picture = {0, 0, nullptr};
    if (!name)
        return picture;
    glBindTexture(GL_TEXTURE_2D, name);
    GLint width = 0, height = 0;
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_WIDTH, &width);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 0, GL_TEXTURE_HEIGHT, &height);
    if (width <= 0 || height <= 0)
        return picture;
    picture.pixels = static_cast<u8 *>(malloc(static_cast<size_t>(width) * height * 4));
    if (!picture.pixels)
        return picture;
    picture.width = width;
    picture.height = height;
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, picture.pixels);
    return picture;
}
