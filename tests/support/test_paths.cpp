#include "test_paths.h"

#include <cstdio>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <unistd.h>

std::string test_scratch_dir(const char *tag)
{
    const char *tmp = getenv("TMPDIR");
    std::string pattern = std::string(tmp && *tmp ? tmp : "/tmp") + "/tavrosk-" + tag + "-XXXXXX";
    if (!mkdtemp(pattern.data()))
        return std::string();
    return pattern;
}

std::string test_read_text(const std::string &path)
{
    std::string text;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    for (int c; (c = fgetc(file)) != EOF;)
        text += static_cast<char>(c);
    fclose(file);
    return text;
}

std::string test_read_file(const std::string &path)
{
    std::string text;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    char buffer[4096];
    size_t got;
    while ((got = fread(buffer, 1, sizeof buffer, file)) > 0)
        text.append(buffer, got);
    fclose(file);
    return text;
}

std::string test_fuzz_file(const char *tag, const unsigned char *data, size_t size)
{
    // In memory where the system has it: every input is written, and the settings reader's
    // save syncs it, which a disk makes slow enough to starve the short runs.
    static const char *folder = access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp";
    std::string path = std::string(folder) + "/tavrosk-fuzz-" + tag + "-" + std::to_string(getpid());
    FILE *file = fopen(path.c_str(), "wb");
    if (!file)
        return std::string();
    bool ok = fwrite(data, 1, size, file) == size;
    ok = fclose(file) == 0 && ok;
    return ok ? path : std::string();
}
