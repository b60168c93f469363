// Arbitrary bytes as data/dat01.dat: refused by the check, or loaded by the game library and
// every entry played and stopped without reading past it.
#include "engine/engine.h"
#include "game/game.h"
#include "tools/writers/writers.h"

#include <cstdio>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const char *reason = nullptr;
    int count = sfx_bank_check(data, size, &reason);
    if (count < 0)
        return 0;
    picture_library_start();
    static const std::string path = "/tmp/tavrosk-fuzz-bank-" + std::to_string(getpid()) + ".dat";
    if (!file_write(path.c_str(), Bytes(data, data + size)))
        return 0;
    if (sfx_bank_load(path.c_str())) {
        for (int k = 0; k <= count; k++) {
            sfx_play(k, 64, 128, 1000);
            sfx_stop(k);
        }
        sfx_bank_unload();
    }
    std::remove(path.c_str());
    return 0;
}
