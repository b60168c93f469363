#include "platform/platform.h"

#include <allegro.h>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <sys/wait.h>
#include <unistd.h>

constexpr int MESSAGE_BOX_POLL_US = 20000;
constexpr int MESSAGE_BOX_NO_PROGRAM = 127;   // the child's status when xmessage cannot start

// The box is xmessage, as the game library's own message uses, but run and waited for here: the
// library's wait gives up when a signal interrupts it, and a quit signal would then leave the
// box on the screen after the game had gone. Returns 1 when the box was shown.
static int message_box_run(const char *text)
{
    pid_t pid = fork();
    if (pid < 0)
        return 0;
    if (pid == 0) {
        execlp("xmessage", "xmessage", "-buttons", "OK:0", "-default", "OK", "-center", text,
               static_cast<char *>(nullptr));
        _exit(MESSAGE_BOX_NO_PROGRAM);
    }
    int status = 0;
    for (;;) {
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid)
            break;
        if (done < 0 && errno != EINTR)
            return 0;
        // Quitting closes the box: the shutdown goes on and nothing is left behind.
        if (quit_signalled()) {
            kill(pid, SIGTERM);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return 1;
        }
        usleep(MESSAGE_BOX_POLL_US);
    }
    return !(WIFEXITED(status) && WEXITSTATUS(status) == MESSAGE_BOX_NO_PROGRAM);
}

int message_box_show(const char *title, const char *text)
{
    fprintf(stderr, "%s: %s\n", title, text);
    // Only where the game library runs on an X display; any other driver (none started, or a
    // console) has no screen to show it on.
    if (!system_driver || system_driver->id != SYSTEM_XWINDOWS)
        return 0;
    return message_box_run(text);
}
