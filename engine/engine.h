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
