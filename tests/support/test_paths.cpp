#include "test_paths.h"

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
