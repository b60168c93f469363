#include "tools/databuild/databuild.h"

#include "engine/engine.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

// Writes the first-run data/qx.cfg; a settings file that exists is the player's and stays.
int build_settings(const char *data_dir)
{
    std::string path = std::string(data_dir) + "/qx.cfg";
    struct stat info;
    if (stat(path.c_str(), &info) == 0)
        return 1;
    config_set_first_run();
    if (!config_save(path.c_str())) {
        fprintf(stderr, "databuild: cannot write %s\n", path.c_str());
        return 0;
    }
    return 1;
}
