// test_paths.h: where the tests find the built program, the data builder and scratch folders.
#pragma once

#include <string>

// The build tree (holds tavrosk, tavrosk-databuild and data/).
inline std::string test_build_dir() { return TAVROSK_BUILD_DIR; }
inline std::string test_source_dir() { return TAVROSK_SOURCE_DIR; }

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
