// test_paths.h: where the tests find the built program, the data builder and scratch folders.
#pragma once

#include <string>

// The build tree (holds tavrosk, tavrosk-databuild and the player's data/, which no test touches).
inline std::string test_build_dir() { return TAVROSK_BUILD_DIR; }
inline std::string test_source_dir() { return TAVROSK_SOURCE_DIR; }

// The data set the builder wrote once for this run of the suite (the DataSetBuild fixture):
// a folder holding data/ and figure-sheets/. Tests only read it; one that writes takes a copy
// (data_set_built, data_set_copy).
inline std::string test_data_set_dir() { return std::string(TAVROSK_BUILD_DIR) + "/data-set"; }
// What a test that finds no data set says.
constexpr const char *TEST_NO_DATA_SET = "no data set: run the tests through ctest, whose DataSetBuild fixture builds it";
// Its archive, data/dat00.dat, for tests that read entries.
inline std::string test_data_archive_path() { return test_data_set_dir() + "/data/dat00.dat"; }

// A new empty folder under the system's temporary directory. Removed when the test program
// ends with every test passed; kept (and named on stderr) after a failure, or always with
// TAVROSK_KEEP_SCRATCH set, for a look at the artefacts.
std::string test_scratch_dir(const char *tag);

// A whole file as text; "" when it is missing.
std::string test_read_text(const std::string &path);

// A whole file's bytes; "" when it is missing.
std::string test_read_file(const std::string &path);

// A fuzz input as a file, as the readers that take a path need it: written over the one file
// of this process named by tag. Returns its path, or "" when it cannot be written.
std::string test_fuzz_file(const char *tag, const unsigned char *data, size_t size);
