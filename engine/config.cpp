#include "engine/engine.h"

#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <iterator>
#include <sys/stat.h>
#include <unistd.h>

u8 resolution_index, colour_depth, texture_detail, texture_sharpness, texture_colour_depth;
u8 screen_mode, vsync_option, glow_effect;
f32 brightness;
u8 shadow_quality;
u32 effects_volume, music_volume, rounds_to_win, round_time_option;
i8 difficulty;
u8 input_device[2];
i32 bind_key_up[2], bind_key_down[2], bind_key_left[2], bind_key_right[2];
i32 bind_key_hard_swing[2], bind_key_low_swing[2], bind_key_kick[2], bind_key_start[2];
i32 bind_joy_index[2], bind_joy_stick[2];
i32 bind_joy_hard_swing[2], bind_joy_low_swing[2], bind_joy_kick[2], bind_joy_start[2];
u8 gallery_bought, profiles_unlocked;
u32 credits;
u8 unlocked_medusa, unlocked_ares, unlocked_sphinx, unlocked_hydra, unlocked_atropos;
u8 profile_jason, profile_odysseus, profile_atalanta, profile_perseus, profile_hippolyte,
    profile_polyphemus, profile_minotaur, profile_medusa, profile_sphinx, profile_hydra,
    profile_ares, profile_atropos;
u8 blood;

// Set when the file exists but cannot be read: this run keeps the defaults and must not
// replace the player's file with them.
static char config_blocked_path[BASE_DIR_SIZE + 64];

// One field of the file: the memory image of one global, or of two i32 globals stored
// together (the joystick and its stick).
struct ConfigField {
    void *first;
    void *second;   // 0, or the second half of an 8-byte field
    u8 width;       // bytes in the file
};

constexpr int CONFIG_FIELD_COUNT = 65;

// The fields in file order; every offset follows from the widths before it.
static const ConfigField config_fields[] = {
    {&resolution_index, nullptr, 1},
    {&colour_depth, nullptr, 1},
    {&texture_detail, nullptr, 1},
    {&texture_sharpness, nullptr, 1},
    {&texture_colour_depth, nullptr, 1},
    {&screen_mode, nullptr, 1},
    {&vsync_option, nullptr, 1},
    {&glow_effect, nullptr, 1},
    {&brightness, nullptr, 4},
    {&shadow_quality, nullptr, 1},
    {&effects_volume, nullptr, 4},
    {&music_volume, nullptr, 4},
    {&rounds_to_win, nullptr, 4},
    {&round_time_option, nullptr, 4},
    {&difficulty, nullptr, 1},
    // player 1 (offset 30)
    {&input_device[0], nullptr, 1},
    {&bind_key_up[0], nullptr, 4},
    {&bind_key_down[0], nullptr, 4},
    {&bind_key_left[0], nullptr, 4},
    {&bind_key_right[0], nullptr, 4},
    {&bind_key_hard_swing[0], nullptr, 4},
    {&bind_key_low_swing[0], nullptr, 4},
    {&bind_key_kick[0], nullptr, 4},
    {&bind_key_start[0], nullptr, 4},
    {&bind_joy_index[0], &bind_joy_stick[0], 8},
    {&bind_joy_hard_swing[0], nullptr, 4},
    {&bind_joy_low_swing[0], nullptr, 4},
    {&bind_joy_kick[0], nullptr, 4},
    {&bind_joy_start[0], nullptr, 4},
    // player 2 (offset 87)
    {&input_device[1], nullptr, 1},
    {&bind_key_up[1], nullptr, 4},
    {&bind_key_down[1], nullptr, 4},
    {&bind_key_left[1], nullptr, 4},
    {&bind_key_right[1], nullptr, 4},
    {&bind_key_hard_swing[1], nullptr, 4},
    {&bind_key_low_swing[1], nullptr, 4},
    {&bind_key_kick[1], nullptr, 4},
    {&bind_key_start[1], nullptr, 4},
    {&bind_joy_index[1], &bind_joy_stick[1], 8},
    {&bind_joy_hard_swing[1], nullptr, 4},
    {&bind_joy_low_swing[1], nullptr, 4},
    {&bind_joy_kick[1], nullptr, 4},
    {&bind_joy_start[1], nullptr, 4},
    // progress (offset 144)
    {&gallery_bought, nullptr, 1},
    {&profiles_unlocked, nullptr, 1},
    {&credits, nullptr, 4},
    {&unlocked_medusa, nullptr, 1},
    {&unlocked_ares, nullptr, 1},
    {&unlocked_sphinx, nullptr, 1},
    {&unlocked_hydra, nullptr, 1},
    // KEEP: the same byte twice; files in the wild hold it at both offsets.
    {&unlocked_ares, nullptr, 1},
    {&unlocked_atropos, nullptr, 1},
    {&profile_perseus, nullptr, 1},
    {&profile_jason, nullptr, 1},
    {&profile_odysseus, nullptr, 1},
    {&profile_atalanta, nullptr, 1},
    {&profile_polyphemus, nullptr, 1},
    {&profile_hippolyte, nullptr, 1},
    {&profile_minotaur, nullptr, 1},
    {&profile_medusa, nullptr, 1},
    {&profile_hydra, nullptr, 1},
    {&profile_sphinx, nullptr, 1},
    {&profile_ares, nullptr, 1},
    {&profile_atropos, nullptr, 1},
    {&blood, nullptr, 1},
};
static_assert(sizeof config_fields / sizeof config_fields[0] == CONFIG_FIELD_COUNT, "65 fields");

// Little-endian assembly, whatever the host's byte order.
static void config_field_decode(const ConfigField &field, const u8 *bytes)
{
    if (field.second) {
        i32 first = static_cast<i32>(bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<u32>(bytes[3]) << 24);
        i32 second = static_cast<i32>(bytes[4] | bytes[5] << 8 | bytes[6] << 16 | static_cast<u32>(bytes[7]) << 24);
        memcpy(field.first, &first, 4);
        memcpy(field.second, &second, 4);
        return;
    }
    if (field.width == 1) {
        memcpy(field.first, bytes, 1);
        return;
    }
    u32 value = bytes[0] | bytes[1] << 8 | bytes[2] << 16 | static_cast<u32>(bytes[3]) << 24;
    memcpy(field.first, &value, 4);
}

static void config_field_encode(const ConfigField &field, u8 *bytes)
{
    u32 values[2] = {0, 0};
    memcpy(&values[0], field.first, field.width == 1 ? 1 : 4);
    if (field.second)
        memcpy(&values[1], field.second, 4);
    for (int i = 0; i < field.width; i++)
        bytes[i] = static_cast<u8>(values[i / 4] >> (8 * (i % 4)));
}

// The file as bytes; also what the data builder writes for a first run.
static void config_encode(u8 out[CONFIG_FILE_SIZE])
{
    size_t offset = 0;
    for (const ConfigField &field : config_fields) {
        config_field_encode(field, out + offset);
        offset += field.width;
    }
}

// Reads the whole fields that the bytes hold; a field cut by the end stays as it was.
static void config_decode(const u8 *bytes, size_t size)
{
    size_t offset = 0;
    for (const ConfigField &field : config_fields) {
        if (offset + field.width > size)
            break;
        config_field_decode(field, bytes + offset);
        offset += field.width;
    }
}

void config_set_defaults()
{
    resolution_index = 0;
    colour_depth = 16;
    texture_detail = texture_sharpness = texture_colour_depth = 0;
    screen_mode = vsync_option = glow_effect = 0;
    brightness = 1.0f;
    shadow_quality = 0;
    effects_volume = music_volume = 64;
    rounds_to_win = 2;
    round_time_option = 0;
    difficulty = 2;
    gallery_bought = profiles_unlocked = 0;
    credits = 0;
    unlocked_medusa = unlocked_ares = unlocked_sphinx = unlocked_hydra = unlocked_atropos = 0;
    profile_jason = profile_odysseus = profile_atalanta = profile_perseus = profile_hippolyte = 0;
    profile_polyphemus = profile_minotaur = profile_medusa = profile_sphinx = profile_hydra = 0;
    profile_ares = profile_atropos = 0;
}

// First-run key bindings in the settings file's scancode numbering (the README's table).
struct ConfigDefaultKeys {
    i32 up, down, left, right, hard_swing, low_swing, kick, start;
};
static const ConfigDefaultKeys config_default_keys[] = {
    // up  down left right  Z   X   C  Enter
    {84, 85, 82, 83, 26, 24, 3, 67},
    //  W   S   A   D   J   K   L  Space
    {23, 19, 1, 4, 10, 11, 12, 75},
};
static_assert(std::size(config_default_keys) == 2, "one row per player");

void config_set_default_bindings()
{
    for (int p = 0; p < 2; p++) {
        const ConfigDefaultKeys &keys = config_default_keys[p];
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

void config_set_first_run()
{
    config_set_defaults();
    config_set_default_bindings();
    screen_mode = 1;   // a new player starts in a window
}

// The log is created after the settings are read (the launcher's choices come first), so
// what the reader has to say waits here until config_log_note.
static char config_note[BASE_DIR_SIZE + 128];

void config_log_note()
{
    if (!config_note[0])
        return;
    log_printf("%s", config_note);
    config_note[0] = '\0';
}

static void config_note_unreadable(const char *path, const char *why)
{
    snprintf(config_blocked_path, sizeof config_blocked_path, "%s", path);
    snprintf(config_note, sizeof config_note, "\n -Couldn't read %s (%s), using the default settings", path, why);
}

// Values no setting can hold would break the gamma ramp or the window set-up.
static void config_sanitise()
{
    if (!std::isfinite(brightness) || brightness < 0.5f || brightness > 2.5f)
        brightness = 1.0f;
    if (colour_depth != 32)
        colour_depth = 16;
}

// The whole file, read without blocking: a FIFO or a device in its place must neither hang the
// start nor be taken for settings. Returns the bytes read (at most size) with the file's own
// size in *file_size, or -1 with *why set.
static ssize_t config_read_file(const char *path, u8 *bytes, size_t size, off_t *file_size, const char **why)
{
    struct stat status;
    if (stat(path, &status) == 0 && !S_ISREG(status.st_mode)) {
        errno = 0;
        *why = "not a regular file";
        return -1;
    }
    int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        *why = strerror(errno);
        return -1;
    }
    // Checked again on what was opened: the name may have changed since the stat.
    if (fstat(fd, &status) != 0 || !S_ISREG(status.st_mode)) {
        close(fd);
        errno = 0;
        *why = "not a regular file";
        return -1;
    }
    *file_size = status.st_size;
    size_t done = 0;
    while (done < size) {
        ssize_t n = read(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0) {
            *why = strerror(errno);
            close(fd);
            return -1;
        }
        if (n == 0)
            break;
        done += static_cast<size_t>(n);
    }
    close(fd);
    return static_cast<ssize_t>(done);
}

// A name that is a symbolic link whose target does not exist.
static bool config_link_dangles(const char *path)
{
    struct stat status;
    return lstat(path, &status) == 0 && S_ISLNK(status.st_mode) && stat(path, &status) != 0 && errno == ENOENT;
}

// No settings to read: the first-run values. A missing file is written at once; a link to a
// missing file is not followed (that would make a file wherever it points), and the save at
// exit puts a plain file in its place; anything else that cannot be read is left alone.
static void config_load_missing(const char *path, const char *why, int error)
{
    // Without the bindings a player who deleted the file could not move.
    config_set_first_run();
    if (error == ENOENT && config_link_dangles(path)) {
        snprintf(config_note, sizeof config_note,
                 "\n -%s is a link to a missing file, using the default settings; the save at exit replaces the "
                 "link with a plain file",
                 path);
        return;
    }
    if (error == ENOENT)
        config_save(path);
    else
        config_note_unreadable(path, why);
}

// A file of the wrong size is read as far as it goes and named in the log: a short one would
// otherwise keep zeros past its end (no rounds to win, no keys) that the shutdown saves as a
// complete file, and a long one loses its extra bytes at that save.
static void config_note_size(const char *path, size_t got, off_t file_size)
{
    if (got < CONFIG_FILE_SIZE) {
        config_set_first_run();
        snprintf(config_note, sizeof config_note,
                 "\n -%s holds %zu of %zu bytes, using the default settings past its end", path, got,
                 CONFIG_FILE_SIZE);
    } else if (file_size > static_cast<off_t>(CONFIG_FILE_SIZE)) {
        snprintf(config_note, sizeof config_note,
                 "\n -%s holds %lld bytes, more than %zu: the bytes past them are ignored and dropped at the next save",
                 path, static_cast<long long>(file_size), CONFIG_FILE_SIZE);
    }
}

int config_load(const char *path)
{
    u8 bytes[CONFIG_FILE_SIZE];
    const char *why = "";
    off_t file_size = 0;
    config_blocked_path[0] = '\0';
    errno = 0;
    ssize_t got = config_read_file(path, bytes, sizeof bytes, &file_size, &why);
    if (got < 0) {
        config_load_missing(path, why, errno);
        return 0;
    }
    config_note_size(path, static_cast<size_t>(got), file_size);
    config_decode(bytes, static_cast<size_t>(got));
    config_sanitise();
    return 1;
}

// The file a save replaces: a symbolic link is followed to its target (a few links deep), so
// the link stays a link and the temporary file is made beside the file it names. A link to a
// file that does not exist is not followed: the save would make a file wherever it points, so
// the link itself is replaced. Returns 1 with the name to replace in out, or 0 for a link that
// cannot be read or a loop.
static int config_save_target(const char *path, char *out, size_t size)
{
    constexpr int LINKS_FOLLOWED_MAX = 8;
    if (snprintf(out, size, "%s", path) >= static_cast<int>(size))
        return 0;
    for (int depth = 0; depth < LINKS_FOLLOWED_MAX; depth++) {
        struct stat status;
        if (lstat(out, &status) != 0) {
            if (depth > 0 && (errno == ENOENT || errno == ENOTDIR))
                snprintf(out, size, "%s", path);
            return 1;
        }
        if (!S_ISLNK(status.st_mode))
            return 1;
        char link[PATH_MAX];
        ssize_t n = readlink(out, link, sizeof link - 1);
        if (n <= 0)
            return 0;
        link[n] = '\0';
        char next[PATH_MAX];
        const char *slash = strrchr(out, '/');
        int length = 0;
        if (link[0] == '/' || !slash)
            length = snprintf(next, sizeof next, "%s", link);
        else
            length = snprintf(next, sizeof next, "%.*s%s", static_cast<int>(slash - out + 1), out, link);
        if (length < 0 || static_cast<size_t>(length) >= size)
            return 0;
        memcpy(out, next, static_cast<size_t>(length) + 1);
    }
    return 0;
}

// The permissions a new file gets from a plain creation: 0666 less the process's umask, which
// can only be read by setting it.
static mode_t config_new_file_mode()
{
    mode_t mask = umask(022);
    umask(mask);
    return 0666 & ~mask;
}

// Writes the whole file under a new name beside target, "<target>.tmp.XXXXXX" with a random
// suffix, and flushes it to the disk before the caller renames it into place. The name is
// made as mkstemp makes it (O_CREAT | O_EXCL, which never follows a link, retried under a new
// suffix while the name is taken), so nothing planted at any name can block the save or be
// written into. Returns 1 with the name in temp_path; a file it made and could not finish is
// removed.
static int config_write_file(const char *target, char *temp_path, size_t temp_size, const u8 *bytes, size_t size,
                             const struct stat *kept)
{
    if (snprintf(temp_path, temp_size, "%s.tmp.XXXXXX", target) >= static_cast<int>(temp_size)) {
        errno = ENAMETOOLONG;
        return 0;
    }
    int fd = mkostemp(temp_path, O_CLOEXEC);
    if (fd < 0)
        return 0;
    // The new file keeps the old one's permissions, or those of a plain new file.
    bool ok = fchmod(fd, kept ? kept->st_mode & 07777 : config_new_file_mode()) == 0;
    size_t done = 0;
    while (ok && done < size) {
        ssize_t n = write(fd, bytes + done, size - done);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n > 0;
        if (ok)
            done += static_cast<size_t>(n);
    }
    ok = ok && fsync(fd) == 0;
    ok = (close(fd) == 0) && ok;
    if (!ok) {
        int error = errno;
        unlink(temp_path);
        errno = error;
    }
    return ok;
}

// A file marked read-only is the player's wish to keep it as it is; the mode bits count as
// well as access(), since a superuser may write anything.
static bool config_file_read_only(const struct stat *status, const char *path)
{
    return (status->st_mode & 0222) == 0 || access(path, W_OK) != 0;
}

// Logs why a save wrote nothing; errno is left as the failure set it, for the caller.
static int config_save_refused(const char *path, const char *why)
{
    int error = errno;
    log_printf("\n -Couldn't write %s: %s", path, why);
    errno = error;
    return 0;
}

int config_save(const char *path)
{
    if (strcmp(path, config_blocked_path) == 0)
        return 0;
    char target[PATH_MAX];
    if (!config_save_target(path, target, sizeof target))
        return config_save_refused(path, "a link that cannot be followed");
    struct stat status;
    bool exists = lstat(target, &status) == 0;
    // A rename would put a plain file where a device, a FIFO or a folder was. A link here is
    // the one to a missing file that config_save_target chose to replace.
    if (exists && !S_ISREG(status.st_mode) && !S_ISLNK(status.st_mode)) {
        errno = S_ISDIR(status.st_mode) ? EISDIR : 0;
        return config_save_refused(path, "not a regular file");
    }
    exists = exists && S_ISREG(status.st_mode);
    if (exists && config_file_read_only(&status, target))
        return config_save_refused(path, "the file is read-only");
    u8 bytes[CONFIG_FILE_SIZE];
    config_encode(bytes);
    char temp_path[PATH_MAX + 16];
    // The old file is replaced only by a complete new one.
    if (!config_write_file(target, temp_path, sizeof temp_path, bytes, sizeof bytes, exists ? &status : nullptr))
        return config_save_refused(path, strerror(errno));
    if (rename(temp_path, target) != 0) {
        int error = errno;
        unlink(temp_path);
        errno = error;
        return config_save_refused(path, strerror(error));
    }
    return 1;
}
