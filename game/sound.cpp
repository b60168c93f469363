// The sound bank data/dat01.dat and the one sample player every sound of the game goes through.
#include "game/game.h"

#include "engine/engine.h"

#include <allegro.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/stat.h>

DATAFILE *sfx_datafile;
SfxRequest sfx_last_request;
i32 sfx_request_count;

constexpr int SFX_PAN_CENTRE = 128;
constexpr int SFX_OWN_PITCH = 1000;
constexpr long SFX_BANK_MAX_BYTES = 64L << 20;   // far beyond any bank; a larger file is damage
constexpr int SFX_LOGGED_NUMBERS = 64;          // numbers below this are logged once each

// Field sizes of the datafile format, whose numbers are big-endian.
constexpr u32 DATAFILE_HEADER_BYTES = 12;       // packfile magic, datafile magic, entry count
constexpr u32 DATAFILE_OBJECT_BYTES = 12;       // type, stored size, unpacked size
constexpr u32 DATAFILE_PROPERTY_BYTES = 12;     // "prop", property type, size
constexpr u32 SAMPLE_HEADER_BYTES = 8;          // bits, frequency, length

// Numbers already reported missing from the loaded bank; the last slot stands for all larger
// or negative ones.
static bool sfx_missing_logged[SFX_LOGGED_NUMBERS + 1];

static int clamp_byte(int value)
{
    return value < 0 ? 0 : value > 255 ? 255 : value;
}

static void sfx_missing_log(int number)
{
    int slot = number >= 0 && number < SFX_LOGGED_NUMBERS ? number : SFX_LOGGED_NUMBERS;
    if (sfx_missing_logged[slot])
        return;
    sfx_missing_logged[slot] = true;
    log_printf("\n -sound %d is not in the sound bank", number);
}

// Entry `number` of the bank when it is there and holds a sample, else 0. The bank ends at its
// DAT_END entry, so the walk never reads past it.
static SAMPLE *sfx_sample(int number)
{
    if (!sfx_datafile)
        return nullptr;
    if (number < 0) {
        sfx_missing_log(number);
        return nullptr;
    }
    for (int i = 0; i < number; i++)
        if (sfx_datafile[i].type == DAT_END) {
            sfx_missing_log(number);
            return nullptr;
        }
    const DATAFILE &entry = sfx_datafile[number];
    if (entry.type != DAT_SAMPLE || !entry.dat) {
        sfx_missing_log(number);
        return nullptr;
    }
    return static_cast<SAMPLE *>(entry.dat);
}

void sfx_play(int number, int volume, int pan, int frequency)
{
    sfx_last_request = SfxRequest{number, clamp_byte(volume), clamp_byte(pan), frequency};
    sfx_request_count++;
    SAMPLE *sample = sfx_sample(number);
    if (sample)
        play_sample(sample, clamp_byte(volume), clamp_byte(pan), frequency, 0);
}

void sfx_play_menu(int number)
{
    sfx_play(number, static_cast<int>(effects_volume), SFX_PAN_CENTRE, SFX_OWN_PITCH);
}

void sfx_stop(int number)
{
    SAMPLE *sample = sfx_sample(number);
    if (sample)
        stop_sample(sample);
}

// ---- the bank's check --------------------------------------------------------------------
//
// The game library's datafile loader believes every size and count it reads, and reads nested
// datafiles and packed objects by recursion and decompression. The bank is a flat list of
// plain samples, so that is all the check lets through: an uncompressed datafile whose every
// object is a sample of 8 or 16 bits whose data is exactly as long as its header says.

struct BankReader {
    const u8 *data;
    size_t size;
    size_t at;
};

static size_t bank_left(const BankReader *in)
{
    return in->size - in->at;
}

// The next big-endian 32-bit number; the caller has checked that four bytes are left.
static u32 bank_u32(BankReader *in)
{
    const u8 *p = in->data + in->at;
    in->at += 4;
    return static_cast<u32>(p[0]) << 24 | static_cast<u32>(p[1]) << 16 | static_cast<u32>(p[2]) << 8 | p[3];
}

static u16 bank_u16(BankReader *in)
{
    const u8 *p = in->data + in->at;
    in->at += 2;
    return static_cast<u16>(p[0] << 8 | p[1]);
}

static bool bank_is_text(const u8 *bytes, u32 count)
{
    for (u32 i = 0; i < count; i++)
        if (bytes[i] < 32 || bytes[i] > 126)
            return false;
    return true;
}

// Skips the object's properties; returns its type, or 0 (with *reason) when one is damaged.
// Property text must be printable ASCII: the library converts it as text.
static u32 bank_skip_properties(BankReader *in, const char **reason)
{
    for (;;) {
        if (bank_left(in) < 4) {
            *reason = "an entry is cut short";
            return 0;
        }
        u32 type = bank_u32(in);
        if (type != DAT_PROPERTY)
            return type;
        if (bank_left(in) < DATAFILE_PROPERTY_BYTES - 4) {
            *reason = "a property is cut short";
            return 0;
        }
        // A property id is four letters; the library ends its property list at an id of -1,
        // and a property read with that id is lost.
        if (!bank_is_text(in->data + in->at, 4)) {
            *reason = "a property has no name";
            return 0;
        }
        bank_u32(in);
        u32 length = bank_u32(in);
        if (length > bank_left(in)) {
            *reason = "a property is longer than the file";
            return 0;
        }
        if (!bank_is_text(in->data + in->at, length)) {
            *reason = "a property holds more than plain text";
            return 0;
        }
        in->at += length;
    }
}

// The sample body of `stored` bytes at the cursor; returns 1, or 0 with *reason.
static int bank_check_sample(BankReader *in, u32 stored, const char **reason)
{
    if (stored < SAMPLE_HEADER_BYTES) {
        *reason = "a sample has no header";
        return 0;
    }
    i16 bits = static_cast<i16>(bank_u16(in));
    u16 frequency = bank_u16(in);
    u32 length = bank_u32(in);
    int channels = bits < 0 ? 2 : 1;
    int width = bits < 0 ? -bits : bits;
    if ((width != 8 && width != 16) || frequency == 0) {
        *reason = "a sample is not 8 or 16 bits at a frequency";
        return 0;
    }
    uint64_t data_bytes = static_cast<uint64_t>(length) * static_cast<uint64_t>(channels * width / 8);
    if (data_bytes != stored - SAMPLE_HEADER_BYTES) {
        *reason = "a sample's length disagrees with its size";
        return 0;
    }
    in->at += stored - SAMPLE_HEADER_BYTES;
    return 1;
}

// One object at the cursor; returns 1, or 0 with *reason.
static int bank_check_object(BankReader *in, const char **reason)
{
    u32 type = bank_skip_properties(in, reason);
    if (!type)
        return 0;
    if (type != DAT_SAMPLE) {
        *reason = "an entry is not a sample";
        return 0;
    }
    if (bank_left(in) < DATAFILE_OBJECT_BYTES - 4) {
        *reason = "an entry is cut short";
        return 0;
    }
    u32 stored = bank_u32(in);
    u32 unpacked = bank_u32(in);
    if (stored != unpacked) {
        *reason = "an entry is compressed";
        return 0;
    }
    if (stored > bank_left(in)) {
        *reason = "an entry is longer than the file";
        return 0;
    }
    return bank_check_sample(in, stored, reason);
}

int sfx_bank_check(const u8 *data, size_t size, const char **reason)
{
    BankReader in = {data, size, 0};
    if (!data || size < DATAFILE_HEADER_BYTES) {
        *reason = "too short for a datafile";
        return -1;
    }
    u32 pack_magic = bank_u32(&in);
    if (pack_magic == static_cast<u32>(F_PACK_MAGIC)) {
        *reason = "a compressed datafile";
        return -1;
    }
    if (pack_magic != static_cast<u32>(F_NOPACK_MAGIC) || bank_u32(&in) != static_cast<u32>(DAT_MAGIC)) {
        *reason = "not a datafile";
        return -1;
    }
    u32 count = bank_u32(&in);
    if (count > bank_left(&in) / (DATAFILE_OBJECT_BYTES + SAMPLE_HEADER_BYTES)) {
        *reason = "more entries than the file has room for";
        return -1;
    }
    for (u32 i = 0; i < count; i++)
        if (!bank_check_object(&in, reason))
            return -1;
    if (bank_left(&in) != 0) {
        *reason = "bytes after the last entry";
        return -1;
    }
    return static_cast<int>(count);
}

// ---- loading -----------------------------------------------------------------------------

// The whole file in a new buffer (freed by the caller); 0 with *reason when it cannot be read,
// is not a regular file (a FIFO would hang the start) or is larger than any bank.
static u8 *bank_file_read(const char *path, size_t *size, const char **reason)
{
    *size = 0;
    struct stat status;
    if (stat(path, &status) != 0) {
        *reason = strerror(errno);
        return nullptr;
    }
    if (!S_ISREG(status.st_mode) || status.st_size > SFX_BANK_MAX_BYTES) {
        *reason = S_ISREG(status.st_mode) ? "larger than any sound bank" : "not a regular file";
        return nullptr;
    }
    FILE *file = fopen(path, "rb");
    if (!file) {
        *reason = strerror(errno);
        return nullptr;
    }
    size_t length = static_cast<size_t>(status.st_size);
    u8 *data = static_cast<u8 *>(malloc(length > 0 ? length : 1));
    if (data && fread(data, 1, length, file) != length) {
        free(data);
        data = nullptr;
    }
    fclose(file);
    if (!data) {
        *reason = "cannot be read to its end";
        return nullptr;
    }
    *size = length;
    return data;
}

int sfx_bank_load(const char *path)
{
    sfx_bank_unload();
    size_t size = 0;
    const char *reason = "";
    u8 *data = bank_file_read(path, &size, &reason);
    if (!data) {
        log_printf("\n     -sound bank %s: %s", path, reason);
        return 0;
    }
    int count = sfx_bank_check(data, size, &reason);
    free(data);
    if (count < 0) {
        log_printf("\n     -sound bank %s: %s", path, reason);
        return 0;
    }
    sfx_datafile = load_datafile(path);
    if (!sfx_datafile) {
        log_printf("\n     -sound bank %s: the game library could not load it", path);
        return 0;
    }
    for (bool &logged : sfx_missing_logged)
        logged = false;
    return 1;
}

void sfx_bank_unload()
{
    if (sfx_datafile)
        unload_datafile(sfx_datafile);
    sfx_datafile = nullptr;
}
