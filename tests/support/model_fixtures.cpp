#include "model_fixtures.h"
#include "test_paths.h"

#include <allegro.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/stat.h>

static bool maths_started = false;

static void maths_start(const std::string &log_dir)
{
    maths_started = true;
    install_allegro(SYSTEM_NONE, &errno, atexit);
    snprintf(base_dir, sizeof base_dir, "%s/", log_dir.c_str());
}

void test_maths_setup()
{
    if (maths_started)
        return;
    std::string dir = test_scratch_dir("models-log");
    mkdir((dir + "/data").c_str(), 0755);
    maths_start(dir);
}

void fuzz_maths_setup()
{
    if (!maths_started)
        maths_start("/nonexistent-tavrosk-fuzz");
}

ArchiveHandle test_archive_of(const char *tag, const std::vector<ZipEntry> &entries)
{
    std::string path = test_scratch_dir(tag) + "/dat00.dat";
    if (!zip_write(path.c_str(), entries))
        return nullptr;
    return archive_open(path.c_str());
}

Skeleton *skeleton_blocks_new(int count)
{
    return static_cast<Skeleton *>(calloc(static_cast<size_t>(count), sizeof(Skeleton)));
}

void skeleton_blocks_free(Skeleton *blocks, int count)
{
    if (!blocks)
        return;
    for (int i = 0; i < count; i++)
        skeleton_bones_free(&blocks[i]);
    free(blocks);
}

void skeleton_block_clear(Skeleton *block)
{
    skeleton_bones_free(block);
    *block = Skeleton{};
}

bool polygon_in_tile(const Polygon &p, f32 u0, f32 v0, f32 u1, f32 v1)
{
    for (int k = 0; k < 3; k++) {
        f32 u = p.tex_uv[2 * k], v = p.tex_uv[2 * k + 1];
        if (u < u0 || u > u1 || v < v0 || v > v1)
            return false;
    }
    return true;
}

LoadedFigure::~LoadedFigure()
{
    model_free(model);
    skeleton_blocks_free(skeleton, 1);
}

bool figure_load(ArchiveHandle archive, const char *model_entry, const char *skeleton_entry, LoadedFigure *out)
{
    out->model = model_load(archive, model_entry);
    out->skeleton = skeleton_blocks_new(1);
    return out->model && skeleton_load(out->skeleton, archive, skeleton_entry);
}

void model_pose_at(Model *m, Skeleton *s, int key)
{
    s->key_from = s->key_to = static_cast<i16>(key);
    s->phase = 0.0f;
    model_skin(m, s);
}
