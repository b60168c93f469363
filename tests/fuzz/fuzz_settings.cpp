// Arbitrary bytes as data/qx.cfg, the file a player damages most: the reader, the code that
// reads each of its fields, then the save. The reader clamps only the brightness and the
// colour depth, so a whole file must come back from the save byte for byte but for those.
#include "engine/engine.h"
#include "game/game.h"
#include "platform/platform.h"
#include "support/test_paths.h"

#include <allegro.h>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

constexpr size_t SETTINGS_COLOUR_DEPTH = 1;
constexpr size_t SETTINGS_BRIGHTNESS = 8;   // four bytes
// One global stored twice: the save writes both from the value read last.
constexpr size_t SETTINGS_ARES_FIRST = 151;
constexpr size_t SETTINGS_ARES_AGAIN = 154;

// Every reader of a field that indexes a table or sizes something.
static void settings_consumers()
{
    u8 selection[VIDEO_LIST_COUNT];
    launcher_selection_from_settings(selection);
    for (int list = 0; list < VIDEO_LIST_COUNT; list++)
        if (selection[list] >= video_list_sizes[list])
            abort();
    screen_size_from_resolution();
    if (screen_width == 0 || screen_height == 0)
        abort();
    u16 ramp[GAMMA_RAMP_SIZE];
    gamma_ramp_build(brightness, ramp);
    if (!std::isfinite(brightness))
        abort();
    round_length_seconds();
    for (int p = 0; p < 2; p++) {
        input_read_keyboard(p);
        input_read_joystick(p);
        const i32 keys[] = {bind_key_up[p],         bind_key_down[p],      bind_key_left[p], bind_key_right[p],
                            bind_key_hard_swing[p], bind_key_low_swing[p], bind_key_kick[p], bind_key_start[p]};
        // KEY_MAX itself is a stored name ("KEY_MAX"); the readers of key[] stop below it.
        for (i32 stored : keys) {
            int library = scancode_to_library(stored);
            if (library < 0 || library > KEY_MAX)
                abort();
        }
    }
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    base_dir[0] = '\0';   // the log goes nowhere unless ./data/ exists
    std::string path = test_fuzz_file("settings", data, size);
    if (path.empty())
        return 0;
    config_load(path.c_str());
    settings_consumers();
    if (!config_save(path.c_str()))
        abort();
    std::string saved = test_read_file(path);
    if (saved.size() != CONFIG_FILE_SIZE)
        abort();
    if (size != CONFIG_FILE_SIZE)
        return 0;
    for (size_t i = 0; i < CONFIG_FILE_SIZE; i++) {
        u8 was = data[i], now = static_cast<u8>(saved[i]);
        if (i == SETTINGS_COLOUR_DEPTH) {
            if (now != (was == 32 ? 32 : 16))
                abort();
        } else if (i >= SETTINGS_BRIGHTNESS && i < SETTINGS_BRIGHTNESS + 4) {
            continue;   // checked whole below
        } else if (i == SETTINGS_ARES_FIRST) {
            if (now != data[SETTINGS_ARES_AGAIN])
                abort();
        } else if (now != was) {
            abort();
        }
    }
    f32 stored, kept;
    memcpy(&stored, data + SETTINGS_BRIGHTNESS, 4);
    memcpy(&kept, saved.data() + SETTINGS_BRIGHTNESS, 4);
    bool in_range = std::isfinite(stored) && stored >= 0.5f && stored <= 2.5f;
    if (in_range ? memcmp(&stored, &kept, 4) != 0 : kept != 1.0f)
        abort();
    return 0;
}
