#include "engine/engine.h"

#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

char base_dir[BASE_DIR_SIZE];

constexpr size_t LOG_LINE_SIZE = 256;

int base_path(char *out, size_t size, const char *relative)
{
    int n = snprintf(out, size, "%s%s", base_dir, relative);
    if (n < 0 || static_cast<size_t>(n) >= size) {
        if (size > 0)
            out[0] = '\0';
        return 0;
    }
    return 1;
}

// The log's path when log_create found something other than a plain file there: the run plays
// without a log rather than write into whatever was put there, even once it is gone. Kept by
// path, so that a log under another base_dir (the tests move it) is written as usual.
static char log_off_path[BASE_DIR_SIZE + 32];

// The log's descriptor, opened read-write without truncating, without following a link and
// without waiting on a FIFO, and kept only when it is a regular file with no other name. A
// link planted in a shared folder would otherwise have its target overwritten, a hard link
// the file it shares, and a FIFO would hang the start where no signal reaches it. Returns -1
// with errno set (ELOOP, EMLINK for a second name, or EINVAL for a file of another kind).
static int log_open_fd(const char *path)
{
    struct stat status;
    if (lstat(path, &status) == 0 && !S_ISREG(status.st_mode)) {
        errno = S_ISLNK(status.st_mode) ? ELOOP : EINVAL;
        return -1;
    }
    int fd = open(path, O_RDWR | O_CREAT | O_NOFOLLOW | O_NONBLOCK | O_CLOEXEC, 0666);
    if (fd < 0)
        return -1;
    // Checked on what was opened: the name may have changed since the lstat.
    int error = 0;
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode))
        error = EINVAL;
    else if (status.st_nlink != 1)
        error = EMLINK;
    if (error) {
        close(fd);
        errno = error;
        return -1;
    }
    return fd;
}

static FILE *log_open_append()
{
    char path[BASE_DIR_SIZE + 32];
    if (!base_path(path, sizeof path, "data/initlog.txt") || !strcmp(path, log_off_path))
        return nullptr;
    int fd = log_open_fd(path);
    if (fd < 0)
        return nullptr;
    // Read as well: a line checks how the one before it ended.
    FILE *file = fdopen(fd, "a+");
    if (!file)
        close(fd);
    return file;
}

LogStart log_create(char *why, size_t size)
{
    log_off_path[0] = '\0';
    char path[BASE_DIR_SIZE + 32];
    if (!base_path(path, sizeof path, "data/initlog.txt")) {
        snprintf(why, size, "%sdata/: the path is too long", base_dir);
        return LOG_FAILED;
    }
    int fd = log_open_fd(path);
    if (fd < 0 && (errno == ELOOP || errno == EINVAL || errno == EISDIR || errno == EMLINK)) {
        snprintf(log_off_path, sizeof log_off_path, "%s", path);
        snprintf(why, size, "%s %s", path, errno == EMLINK ? "is a second name of another file" : "is not a plain file");
        return LOG_UNSAFE;
    }
    // Emptied only now that it is known to be ours alone.
    if (fd < 0) {
        snprintf(why, size, "%sdata/: %s", base_dir, strerror(errno));
        return LOG_FAILED;
    }
    int error = ftruncate(fd, 0) == 0 ? 0 : errno;
    if (close(fd) != 0 && !error)
        error = errno;
    if (error) {
        snprintf(why, size, "%s: %s", path, strerror(error));
        return LOG_FAILED;
    }
    return LOG_STARTED;
}

void log_printf(const char *format, ...)
{
    if (!format)
        return;
    char line[LOG_LINE_SIZE];
    va_list args;
    va_start(args, format);
    vsnprintf(line, sizeof line, format, args);  // cut, never overflow
    va_end(args);
    FILE *file = log_open_append();
    if (!file)
        return;
    // The game's lines begin with a newline, the shutdown's end with one: a line of neither
    // kind, or one after a line that did not end, starts on a line of its own.
    if (line[0] != '\0' && line[0] != '\n' && fseek(file, -1, SEEK_END) == 0) {
        int last = fgetc(file);
        if (last != EOF && last != '\n') {
            fseek(file, 0, SEEK_END);
            fputc('\n', file);
        }
    }
    fseek(file, 0, SEEK_END);
    fputs(line, file);
    fclose(file);
}

void log_close()
{
    FILE *file = log_open_append();
    if (!file)
        return;
    time_t now = time(nullptr);
    struct tm local;
    localtime_r(&now, &local);
    fprintf(file, "\n\n -Closing system\n -QORN successfully closed!\n -Log ended at %02d:%02d %02d-%02d-%d\n",
            local.tm_hour, local.tm_min, local.tm_mon + 1, local.tm_mday, local.tm_year + 1900);
    fclose(file);
}
