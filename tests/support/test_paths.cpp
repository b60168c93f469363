#include "test_paths.h"

#include <cstdio>
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
