#include "tools/databuild/databuild.h"

#include "engine/engine.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

// First-run key bindings in the settings file's scancode numbering.
struct DefaultKeys {
    i32 up, down, left, right, hard_swing, low_swing, kick, start;
};
static const DefaultKeys default_keys[2] = {
    // up  down left right  Z   X   C  Enter
    {84, 85, 82, 83, 26, 24, 3, 67},
    //  W   S   A   D   J   K   L  Space
    {23, 19, 1, 4, 10, 11, 12, 75},
};

static void settings_first_run()
{
    config_set_defaults();
    screen_mode = 1;   // a new player starts in a window
    for (int p = 0; p < 2; p++) {
        const DefaultKeys &keys = default_keys[p];
        input_device[p] = 0;
        bind_key_up[p] = keys.up;
        bind_key_down[p] = keys.down;
        bind_key_left[p] = keys.left;
        bind_key_right[p] = keys.right;
        bind_key_hard_swing[p] = keys.hard_swing;
        bind_key_low_swing[p] = keys.low_swing;
        bind_key_kick[p] = keys.kick;
        bind_key_start[p] = keys.start;
        bind_joy_index[p] = p;
        bind_joy_stick[p] = 0;
        bind_joy_hard_swing[p] = 0;
        bind_joy_low_swing[p] = 1;
        bind_joy_kick[p] = 2;
        bind_joy_start[p] = 3;
    }
}

// Writes the first-run data/qx.cfg; a settings file that exists is the player's and stays.
int build_settings(const char *data_dir)
{
    std::string path = std::string(data_dir) + "/qx.cfg";
    struct stat info;
    if (stat(path.c_str(), &info) == 0)
        return 1;
    settings_first_run();
    if (!config_save(path.c_str())) {
        fprintf(stderr, "databuild: cannot write %s\n", path.c_str());
        return 0;
    }
    return 1;
}
