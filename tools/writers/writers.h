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

// ---- TGA and JPEG pictures (tga_writer.cpp, jpeg_writer.cpp) --------------------------
// Both take width x height pixels of R, G, B, A bytes, top row first.
// An uncompressed TGA of 24 bits (alpha dropped) or 32 bits, bottom row first, with the
// header the game's reader requires. Returns no bytes for a size or depth it cannot write.
Bytes tga_write(int width, int height, int bits, const u8 *rgba);
// A baseline JPEG made by JPGalleg (alpha dropped), quality 1..100. Returns 1, or 0 on failure.
int jpeg_write(Bytes &out, int width, int height, const u8 *rgba, int quality);
