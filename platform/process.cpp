#include "platform/platform.h"

#include <csignal>
#include <unistd.h>

static volatile sig_atomic_t quit_signal_flag;

int executable_path(char *out, size_t size)
{
    if (size == 0)
        return 0;
    ssize_t n = readlink("/proc/self/exe", out, size - 1);
    if (n <= 0 || static_cast<size_t>(n) >= size - 1) {
        out[0] = '\0';
        return 0;
    }
    out[n] = '\0';
    return 1;
}

static void quit_signal_handler(int)
{
    quit_signal_flag = 1;
}

void quit_signals_install()
{
    struct sigaction action = {};
    action.sa_handler = quit_signal_handler;
    sigemptyset(&action.sa_mask);
    sigaction(SIGTERM, &action, nullptr);
    sigaction(SIGINT, &action, nullptr);
    // A closed terminal or a logout: the session is saved as on any other quit.
    sigaction(SIGHUP, &action, nullptr);
}

int quit_signalled()
{
    return quit_signal_flag != 0;
}
