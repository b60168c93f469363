#include "platform/platform.h"

#include <dlfcn.h>

// The sound library the game library's ALSA driver loads. Opened here by name at run time:
// the game links no sound library of its own, and a machine without it has nothing to quiet.
constexpr char ALSA_LIBRARY[] = "libasound.so.2";

typedef void (*AlsaErrorHandler)(const char *file, int line, const char *function, int err, const char *format, ...);

static void alsa_error_quiet(const char *, int, const char *, int, const char *, ...)
{
}

int sound_card_quiet_when_absent()
{
    void *alsa = dlopen(ALSA_LIBRARY, RTLD_NOW | RTLD_GLOBAL | RTLD_NODELETE);
    if (!alsa)
        return 0;
    auto card_next = reinterpret_cast<int (*)(int *)>(dlsym(alsa, "snd_card_next"));
    auto set_handler = reinterpret_cast<int (*)(AlsaErrorHandler)>(dlsym(alsa, "snd_lib_error_set_handler"));
    int card = -1;
    // A machine with a card keeps the library's own messages: they may say why sound failed.
    bool absent = card_next && set_handler && (card_next(&card) != 0 || card < 0);
    if (absent)
        set_handler(alsa_error_quiet);
    // RTLD_NODELETE keeps the library, and the handler set in it, for the driver's own load.
    dlclose(alsa);
    return absent ? 1 : 0;
}
