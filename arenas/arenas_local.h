// arenas_local.h: the asset-loader seam of the arena loader; included by arenas/*.cpp and by
// the arena tests, which put recording fakes in it.
#pragma once

#include "arenas/arenas.h"

// The three engine loaders the arena loader reads through.
struct ArenaAssetLoaders {
    Model *(*model)(ArchiveHandle archive, const char *entry_name);
    int (*skeleton)(Skeleton *skeleton, ArchiveHandle archive, const char *entry_name);
    u32 (*texture)(ArchiveHandle archive, const char *entry_name, int mode);
};
extern ArenaAssetLoaders arena_asset_loaders;   // the engine's own loaders
