// engine.h: the engine layer (settings, log, archive, textures, fonts, models, skeletons,
// drawing, timers, music); used by every other subsystem except platform/.
#pragma once

#include "base/base.h"

// ---- asset archive (archive.cpp) -------------------------------------------------
// Program lifetime: opened by the start-up loader, closed at shutdown.
typedef void *ArchiveHandle;                 // minizip's unzFile
extern ArchiveHandle asset_archive;          // data/dat00.dat, 0 while closed

ArchiveHandle archive_open(const char *path);
void archive_close(ArchiveHandle archive);
// Reads one whole entry (name matched without regard to case) into a new buffer that the
// caller frees with free(). Returns 1, or 0 with *data = 0 when the entry is missing, short,
// fails its CRC or cannot be allocated.
int archive_read_entry(ArchiveHandle archive, const char *name, u8 **data, u32 *size);

// ---- pictures and textures (picture.cpp, texture.cpp) -----------------------------
// A decoded picture: width x height pixels of R, G, B, A bytes, rows packed, top row first.
// Decoding needs no GL context, so tests and the fuzzer call the decoders directly.
struct Picture {
    int width;
    int height;
    u8 *pixels;   // malloc'd; picture_free releases it
};

// Each returns 1 and fills *picture, or 0 with *picture empty when the bytes are not a
// picture this game reads (uncompressed 24/32-bit TGA; baseline 8-bit JPEG).
int tga_decode(const u8 *data, size_t size, Picture *picture);
int jpeg_decode(const u8 *data, size_t size, Picture *picture);
void picture_free(Picture *picture);
// Starts the game library for memory bitmaps where nothing has started it yet (tools, tests,
// the fuzzer; the game starts it with its window) and sets 32-bit colour for new bitmaps.
void picture_library_start();

// The third argument of texture_load.
enum TextureMode : int32_t {
    TEXTURE_CLAMP_RGBA,         // level 0 only, clamped, alpha kept
    TEXTURE_CLAMP_RGB,          // level 0 only, clamped, alpha dropped
    TEXTURE_MIPMAP_RGBA,        // mipmapped, repeating
    TEXTURE_MIPMAP_RGB,
    TEXTURE_MIPMAP_RGBA_FULL,   // mipmapped; kept at its own size whatever the detail setting
    TEXTURE_MODE_COUNT
};

// Reads, decodes and uploads one archive entry (".jpg" names as JPEG, anything else as TGA)
// and leaves it bound to GL_TEXTURE_2D. Returns the GL texture name, which the caller owns,
// or 0 when the entry is missing, undecodable or the mode unknown.
u32 texture_load(ArchiveHandle archive, const char *entry_name, int mode);
// The size a picture of width x height is uploaded at under a mode, from the texture detail
// setting and the driver's largest texture size.
void texture_upload_size(int mode, int width, int height, int *upload_width, int *upload_height);
// Whether texture_load takes an entry name for a JPEG.
int texture_name_is_jpeg(const char *entry_name);
