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
