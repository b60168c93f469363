#include "engine/engine.h"

#include <cstdarg>
#include <cstdio>
#include <ctime>

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

static FILE *log_open_append()
{
    char path[BASE_DIR_SIZE + 32];
    if (!base_path(path, sizeof path, "data/initlog.txt"))
        return nullptr;
    // Read as well: a line checks how the one before it ended.
    return fopen(path, "a+");
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
