// data_set.h: the data builder's whole data set in a scratch folder, damaged copies of it,
// and the start-up loader run against one; used by the loader and data-builder tests.
#pragma once

#include "characters/characters.h"
#include "engine/engine.h"
#include "tools/writers/writers.h"

#include <gtest/gtest.h>
#include <set>
#include <string>
#include <vector>

// This test program's own copy of the suite's data set (a folder holding data/), made on first
// use: a test may point base_dir at it and let the game write its log and settings there.
// "" when the data set was not built.
std::string data_set_built();
// A fresh copy of the suite's data set for one test to damage; "" on failure.
std::string data_set_copy(const char *tag);
// root/relative's bytes ("" when missing), and writing or removing such a file.
std::string data_set_read(const std::string &root, const char *relative);
::testing::AssertionResult data_set_write(const std::string &root, const char *relative, const Bytes &bytes);
::testing::AssertionResult data_set_remove(const std::string &root, const char *relative);
// Every entry name of the zip archive at path, in its order; none when it does not open.
std::vector<std::string> archive_names(const std::string &path);
// Rewrites root/data/dat00.dat without the named entry.
::testing::AssertionResult data_set_remove_entry(const std::string &root, const char *entry);
// Rewrites it with the named entry holding these bytes instead.
::testing::AssertionResult data_set_replace_entry(const std::string &root, const char *entry, const Bytes &bytes);
// Changes one byte in the middle of the entry's packed data, in place: a damaged disk, which
// the archive notices only when the entry is read (a CRC or inflate error).
::testing::AssertionResult data_set_damage_entry(const std::string &root, const char *entry);

// The suite's data set's archive, opened read-only for a test suite; 0 when it was not built.
ArchiveHandle data_set_archive_open();

// base_dir := root + "/", then the loader's steps after the engine start; its result.
int data_set_load(const std::string &root);

// Every entry of one kind that a character's load list names, in both colour sets.
std::set<std::string> character_entries(int id, LoadStepKind kind);
// The fighter's model (its first) and skeleton entries, as its load list names them.
void character_figure_entries(const CharacterModule *module, std::string *model, std::string *skeleton);
// The keys the figure tests pose, in order: of every block its first, middle and last key and
// its entry key.
std::vector<int> character_sampled_keys(const CharacterModule *module);

// An archive entry decoded as texture_load decodes it (".jpg" names as JPEG, others as TGA);
// an empty picture when it is missing or does not decode. The caller frees it.
Picture archive_picture(ArchiveHandle archive, const char *entry);
