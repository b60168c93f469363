#include "platform/platform.h"

#include <X11/Xlib.h>
#include <atomic>
#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <sys/file.h>
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

// ---- one copy per folder -------------------------------------------------------------------

// Open for the whole run; closed by the kernel with the process, which lets the lock go even
// when the game dies.
static int folder_lock_fd = -1;

FolderLock folder_lock_take(const char *dir)
{
    if (folder_lock_fd >= 0)
        return FOLDER_LOCK_TAKEN;
    // Close-on-exec: a message box's helper program must not carry the lock on past the game.
    int fd = open(dir[0] ? dir : ".", O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0)
        return FOLDER_LOCK_UNAVAILABLE;
    if (flock(fd, LOCK_EX | LOCK_NB) != 0) {
        int error = errno;
        close(fd);
        return error == EWOULDBLOCK ? FOLDER_LOCK_HELD : FOLDER_LOCK_UNAVAILABLE;
    }
    folder_lock_fd = fd;
    return FOLDER_LOCK_TAKEN;
}

// ---- a lost X server ----------------------------------------------------------------------

static void (*display_lost_save)();
static std::atomic<int> display_lost_seen;

// Called by Xlib in whichever thread first meets the dead connection (the main thread in a
// swap, the game library's input thread in its poll, often both). Xlib's own handler calls
// exit(), whose exit handlers then run in two threads at once and deadlock or crash; so the
// first thread here saves and ends the process with _exit, and any other waits for it.
static int display_lost_handler(Display *)
{
    if (display_lost_seen.exchange(1) != 0)
        for (;;)
            pause();
    if (display_lost_save)
        display_lost_save();
    _exit(DISPLAY_LOST_EXIT_STATUS);
}

void display_lost_handler_install(void (*save)())
{
    display_lost_save = save;
    XSetIOErrorHandler(display_lost_handler);
}
