#include "data_set.h"

#include "engine/engine.h"
#include "game/game.h"
#include "test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <minizip/unzip.h>
#include <vector>

// Copies the suite's data set (data/ alone: the contact sheets are not the game's) into a new
// scratch folder; "" when it is missing or cannot be copied.
static std::string data_set_copy_into(const char *tag)
{
    const std::string source = test_data_set_dir() + "/data";
    if (!std::filesystem::exists(source + "/dat00.dat")) {
        ADD_FAILURE() << "no data set at " << source << ": run the suite through ctest (its DataSetBuild "
                      << "fixture builds it) or `make test`";
        return std::string();
    }
    std::string copy = test_scratch_dir(tag);
    if (copy.empty())
        return copy;
    std::error_code error;
    std::filesystem::copy(source, copy + "/data", std::filesystem::copy_options::recursive, error);
    if (error) {
        ADD_FAILURE() << "cannot copy " << source << " to " << copy << ": " << error.message();
        return std::string();
    }
    return copy;
}

std::string data_set_built()
{
    static std::string root;
    if (root.empty())
        root = data_set_copy_into("data-set");
    return root;
}

std::string data_set_copy(const char *tag)
{
    return data_set_copy_into(tag);
}

std::string data_set_read(const std::string &root, const char *relative)
{
    return test_read_file(root + "/" + relative);
}

::testing::AssertionResult data_set_write(const std::string &root, const char *relative, const Bytes &bytes)
{
    if (!file_write((root + "/" + relative).c_str(), bytes))
        return ::testing::AssertionFailure() << "cannot write " << relative;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult data_set_remove(const std::string &root, const char *relative)
{
    if (std::remove((root + "/" + relative).c_str()) != 0)
        return ::testing::AssertionFailure() << "cannot remove " << relative;
    return ::testing::AssertionSuccess();
}

std::vector<std::string> archive_names(const std::string &path)
{
    std::vector<std::string> names;
    unzFile archive = unzOpen(path.c_str());
    if (!archive)
        return names;
    for (int more = unzGoToFirstFile(archive); more == UNZ_OK; more = unzGoToNextFile(archive)) {
        char name[512];
        unz_file_info info;
        if (unzGetCurrentFileInfo(archive, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK)
            names.push_back(name);
    }
    unzClose(archive);
    return names;
}

// Rewrites root/data/dat00.dat with the named entry left out, or holding other bytes.
static ::testing::AssertionResult archive_rewrite(const std::string &root, const char *entry, const Bytes *replacement)
{
    std::string path = root + "/data/dat00.dat";
    std::vector<std::string> names = archive_names(path);
    ArchiveHandle archive = archive_open(path.c_str());
    if (!archive)
        return ::testing::AssertionFailure() << "cannot open " << path;
    std::vector<ZipEntry> kept;
    bool found = false;
    for (const std::string &name : names) {
        if (name == entry) {
            found = true;
            if (replacement)
                kept.push_back(ZipEntry{name, *replacement});
            continue;
        }
        u8 *data = nullptr;
        u32 size = 0;
        if (archive_read_entry(archive, name.c_str(), &data, &size))
            kept.push_back(ZipEntry{name, Bytes(data, data + size)});
        free(data);
    }
    archive_close(archive);
    if (!found)
        return ::testing::AssertionFailure() << "the data set has no entry " << entry;
    if (!zip_write(path.c_str(), kept))
        return ::testing::AssertionFailure() << "cannot rewrite " << path;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult data_set_remove_entry(const std::string &root, const char *entry)
{
    return archive_rewrite(root, entry, nullptr);
}

::testing::AssertionResult data_set_replace_entry(const std::string &root, const char *entry, const Bytes &bytes)
{
    return archive_rewrite(root, entry, &bytes);
}

::testing::AssertionResult data_set_damage_entry(const std::string &root, const char *entry)
{
    std::string path = root + "/data/dat00.dat";
    unzFile archive = unzOpen(path.c_str());
    if (!archive)
        return ::testing::AssertionFailure() << "cannot open " << path;
    unz_file_info info = {};
    ZPOS64_T start = 0;
    bool found = unzLocateFile(archive, entry, 0) == UNZ_OK &&
                 unzGetCurrentFileInfo(archive, &info, nullptr, 0, nullptr, 0, nullptr, 0) == UNZ_OK &&
                 unzOpenCurrentFile(archive) == UNZ_OK;
    if (found) {
        start = unzGetCurrentFileZStreamPos64(archive);
        unzCloseCurrentFile(archive);
    }
    unzClose(archive);
    if (!found || info.compressed_size < 2)
        return ::testing::AssertionFailure() << "no packed data for " << entry << " in " << path;
    std::string bytes = data_set_read(root, "data/dat00.dat");
    bytes[start + info.compressed_size / 2] ^= 0x20;
    return data_set_write(root, "data/dat00.dat", Bytes(bytes.begin(), bytes.end()));
}

int data_set_load(const std::string &root)
{
    snprintf(base_dir, sizeof base_dir, "%s/", root.c_str());
    return load_game_assets();
}

Picture archive_picture(ArchiveHandle archive, const char *entry)
{
    Picture picture = {0, 0, nullptr};
    u8 *data = nullptr;
    u32 size = 0;
    if (!archive_read_entry(archive, entry, &data, &size))
        return picture;
    if (texture_name_is_jpeg(entry))
        jpeg_decode(data, size, &picture);
    else
        tga_decode(data, size, &picture);
    free(data);
    return picture;
}

ArchiveHandle data_set_archive_open()
{
    return archive_open(test_data_archive_path().c_str());
}

std::set<std::string> character_entries(int id, LoadStepKind kind)
{
    std::set<std::string> names;
    const CharacterModule *m = character_modules[id];
    for (int i = 0; i < m->load_step_count; i++) {
        const LoadStep &s = m->load_steps[i];
        if (s.kind != kind)
            continue;
        names.insert(s.entry);
        if (s.alt_entry)
            names.insert(s.alt_entry);
    }
    return names;
}

void character_figure_entries(const CharacterModule *module, std::string *model, std::string *skeleton)
{
    for (int i = 0; i < module->load_step_count; i++) {
        if (module->load_steps[i].kind == LOAD_MODEL && model->empty())
            *model = module->load_steps[i].entry;
        if (module->load_steps[i].kind == LOAD_SKELETON)
            *skeleton = module->load_steps[i].entry;
    }
}

std::vector<int> character_sampled_keys(const CharacterModule *module)
{
    std::set<int> keys;
    for (int i = 0; i < module->sequence.block_count; i++) {
        const SeqBlock &b = module->sequence.blocks[i];
        keys.insert({b.lo, (b.lo + b.hi) / 2, b.hi});
        if (b.entry_key > 0)
            keys.insert(b.entry_key);
    }
    return std::vector<int>(keys.begin(), keys.end());
}
