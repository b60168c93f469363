// model_fixtures.h: shared set-up of the model, skeleton and posing tests; included by
// those tests and their fuzz targets.
#pragma once

#include "engine/engine.h"
#include "tools/writers/writers.h"

#include <memory>
#include <vector>

// Starts the game library with no system driver (its maths need no more) once, and points
// the log at a scratch folder so that refusals never land in a real data folder.
void test_maths_setup();
// The same for a fuzz target: the log points at a folder that cannot exist, so that a
// run of refusals never fills a disk.
void fuzz_maths_setup();

// Writes the entries as an archive in a new scratch folder and opens it; 0 on failure.
ArchiveHandle test_archive_of(const char *tag, const std::vector<ZipEntry> &entries);

// Skeleton blocks a test owns, as the start-up loader allocates its own: `count` zeroed
// blocks with no bones. skeleton_blocks_free releases each block's bones and then the blocks
// (null is ignored); skeleton_block_clear empties one block for reuse.
Skeleton *skeleton_blocks_new(int count);
void skeleton_blocks_free(Skeleton *blocks, int count);
void skeleton_block_clear(Skeleton *block);

// One such block, released when it goes out of scope.
struct SkeletonBlockRelease {
    void operator()(Skeleton *block) const { skeleton_blocks_free(block, 1); }
};
using SkeletonBlock = std::unique_ptr<Skeleton, SkeletonBlockRelease>;
inline SkeletonBlock skeleton_block_new() { return SkeletonBlock(skeleton_blocks_new(1)); }

// Whether all three corners of a triangle take their texture from the atlas rectangle
// u0..u1, v0..v1: how the figure tests tell one material's triangles (skin, cloth) from
// the rest.
bool polygon_in_tile(const Polygon &p, f32 u0, f32 v0, f32 u1, f32 v1);

// A figure's model and its skeleton's block, loaded from an archive and released together.
struct LoadedFigure {
    Model *model = nullptr;
    Skeleton *skeleton = nullptr;
    LoadedFigure() = default;
    LoadedFigure(const LoadedFigure &) = delete;
    LoadedFigure &operator=(const LoadedFigure &) = delete;
    ~LoadedFigure();
};
// Loads both entries into `out`; false when either is missing or refused.
bool figure_load(ArchiveHandle archive, const char *model_entry, const char *skeleton_entry, LoadedFigure *out);

// Skins the model in the skeleton's key frame `key`, held still (no blend toward another key).
void model_pose_at(Model *m, Skeleton *s, int key);
