// Arbitrary bytes as a character tuning file: the reader must never overrun, and must never
// leave a non-finite value or an out-of-range fraction or flag in the fighter.
#include "combat/combat.h"
#include "engine/engine.h"
#include "support/test_paths.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    base_dir[0] = '\0';   // the log goes nowhere unless ./data/ exists
    std::string path = test_fuzz_file("tuning", data, size);
    if (path.empty())
        return 0;
    Fighter fighter;
    memset(&fighter, 0, sizeof fighter);
    read_damage_file(path.c_str(), &fighter);
    if (!std::isfinite(fighter.walk_speed))
        abort();
    for (f32 value : fighter.damage)
        if (!(value >= 0.0f && value <= 1.0f))
            abort();
    for (f32 value : fighter.anim_rate)
        if (!std::isfinite(value))
            abort();
    for (f32 value : fighter.move_param)
        if (!std::isfinite(value))
            abort();
    for (u8 flag : fighter.move_flag)
        if (flag > 1)
            abort();
    return 0;
}
