// writers.h: writers of the game's file formats; used by the data builder and the tests' fixtures.
#pragma once

#include "base/base.h"

#include <string>
#include <vector>

typedef std::vector<u8> Bytes;

// ---- zip archive (zip_writer.cpp) ----------------------------------------------------
struct ZipEntry {
    std::string name;   // "/" separated path inside the archive
    Bytes bytes;
};
// Writes a whole archive, deflating every entry. Returns 1, or 0 on any write failure.
int zip_write(const char *path, const std::vector<ZipEntry> &entries);

// ---- little-endian byte assembly (bytes.cpp) -----------------------------------------
void put_u8(Bytes &out, u32 value);
void put_u16(Bytes &out, u32 value);
void put_u32(Bytes &out, u32 value);
void put_f32(Bytes &out, float value);
// Writes bytes to a file; returns 1, or 0 on failure.
int file_write(const char *path, const Bytes &bytes);

// ---- Ogg Vorbis (ogg_writer.cpp) -----------------------------------------------------
// Encodes interleaved signed 16-bit sound (frames x channels, 1 or 2 channels) as one Ogg
// Vorbis stream at a VBR quality from -0.1 (smallest) to 1.0, appended to out. The stream's
// serial number is fixed, so the same sound always gives the same bytes. Returns 1, or 0 when
// the encoder refuses the settings.
int ogg_write(Bytes &out, const i16 *samples, u32 frames, int channels, int rate, float quality);
