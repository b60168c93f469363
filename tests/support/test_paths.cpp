#include "test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <string>

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
    char buffer[4096];
    for (size_t got; (got = fread(buffer, 1, sizeof buffer, file)) > 0;)
        text.append(buffer, got);
    fclose(file);
    return text;
}
