// The character tuning files: twenty text lines, each a label word and its values.
//   line 0       label defence walk_speed walk_rate
//   lines 1-18   label damage param rate flag
//   line 19      label summon_damage
// A player may edit these files, so every byte is suspect: numbers are read without the
// locale, non-finite values are refused, and whatever is missing keeps its old value.
#include "combat/combat.h"

#include "engine/engine.h"

#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>

constexpr int TUNING_LINE_COUNT = 20;
constexpr int TUNING_MAX_VALUES = 4;
constexpr long TUNING_FILE_LIMIT = 1 << 20;   // far above any real file; refuse the rest

// Where each value of a line goes; no field is a null pointer past the line's value count.
struct TuningLine {
    int count;
    f32 *floats[TUNING_MAX_VALUES];
    u8 *flag;                        // the fourth value of lines 1-18
    bool clamp[TUNING_MAX_VALUES];   // fractions 0..1
};

static TuningLine tuning_line(Fighter *fighter, int line)
{
    if (line == 0)
        return {3, {&fighter->damage[0], &fighter->walk_speed, &fighter->anim_rate[0], nullptr},
                nullptr, {true, false, false, false}};
    if (line == TUNING_LINE_COUNT - 1)
        return {1, {&fighter->damage[line], nullptr, nullptr, nullptr}, nullptr, {true, false, false, false}};
    return {4, {&fighter->damage[line], &fighter->move_param[line - 1], &fighter->anim_rate[line], nullptr},
            &fighter->move_flag[line - 1], {true, false, false, false}};
}

static bool is_blank(char c)
{
    return c == ' ' || c == '\t' || c == '\r';
}

static const char *skip_blanks(const char *at, const char *end)
{
    while (at < end && is_blank(*at))
        at++;
    return at;
}

static const char *skip_word(const char *at, const char *end)
{
    while (at < end && !is_blank(*at))
        at++;
    return at;
}

// Reads a decimal number at the start of [at, end) (a leading '+' allowed). Returns 1 with
// *value set, 0 when no number starts there, -1 for a number that is not finite.
static int parse_float(const char *at, const char *end, f32 *value)
{
    if (at < end && *at == '+')
        at++;
    float parsed = 0.0f;
    std::from_chars_result result = std::from_chars(at, end, parsed);
    if (result.ptr == at)
        return 0;
    if (result.ec != std::errc() || !std::isfinite(parsed))
        return -1;
    *value = parsed;
    return 1;
}

static int parse_flag(const char *at, const char *end, u8 *value)
{
    if (at < end && *at == '+')
        at++;
    long parsed = 0;
    std::from_chars_result result = std::from_chars(at, end, parsed);
    if (result.ptr == at)
        return 0;
    if (result.ec != std::errc())   // out of range: keep the sign, as a clamp would
        parsed = (*at == '-') ? 0 : 1;
    *value = parsed < 1 ? 0 : 1;
    return 1;
}

static f32 clamp_fraction(f32 value)
{
    return value < 0.0f ? 0.0f : (value > 1.0f ? 1.0f : value);
}

// Stores the values of one line [at, end) after its label. Returns how many were stored; a
// refused (non-finite) value counts as present but leaves its field alone.
static int tuning_read_line(Fighter *fighter, int line, const char *at, const char *end, bool *refused)
{
    TuningLine target = tuning_line(fighter, line);
    at = skip_word(skip_blanks(at, end), end);          // the label
    for (int v = 0; v < target.count; v++) {
        at = skip_blanks(at, end);
        if (at >= end)
            return v;
        if (v == 3) {
            if (!parse_flag(at, end, target.flag))
                return v;
        } else {
            f32 value;
            int got = parse_float(at, end, &value);
            if (got == 0)
                return v;
            if (got < 0)
                *refused = true;
            else
                *target.floats[v] = target.clamp[v] ? clamp_fraction(value) : value;
        }
        at = skip_word(at, end);
    }
    return target.count;
}

// Reads the whole file into a new buffer (freed by the caller); 0 when it cannot be read.
static char *tuning_load_text(const char *path, long *size)
{
    FILE *file = fopen(path, "rb");
    if (!file)
        return nullptr;
    // Sized by the file (the files are a few hundred bytes), never past the limit; one spare
    // byte so an empty file still gets a buffer.
    long length = fseek(file, 0, SEEK_END) == 0 ? ftell(file) : -1;
    if (length < 0 || length > TUNING_FILE_LIMIT)
        length = TUNING_FILE_LIMIT;
    rewind(file);
    char *text = static_cast<char *>(malloc(static_cast<size_t>(length) + 1));
    *size = text ? static_cast<long>(fread(text, 1, static_cast<size_t>(length), file)) : 0;
    fclose(file);
    return text;
}

int read_damage_file(const char *path, Fighter *fighter)
{
    long size = 0;
    char *text = path ? tuning_load_text(path, &size) : nullptr;
    if (!text || size == 0) {
        free(text);
        return 0;
    }
    const char *at = text;
    const char *end = text + size;
    int line = 0;
    int first_short = -1;
    bool refused = false;
    while (line < TUNING_LINE_COUNT && at < end) {
        const char *line_end = at;
        while (line_end < end && *line_end != '\n')
            line_end++;
        // Blank lines are skipped, so a stray empty line does not shift the rest.
        if (skip_blanks(at, line_end) < line_end) {
            if (tuning_read_line(fighter, line, at, line_end, &refused) < tuning_line(fighter, line).count &&
                first_short < 0)
                first_short = line;
            line++;
        }
        at = line_end + 1;
    }
    free(text);
    if (line < TUNING_LINE_COUNT && first_short < 0)
        first_short = line;
    if (first_short >= 0) {
        log_printf("\n     -%s incomplete from line %d: missing values kept", path, first_short);
        return 0;
    }
    if (refused)
        log_printf("\n     -%s: a value that is not a number was ignored", path);
    return 1;
}
