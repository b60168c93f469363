// The twelve character tuning files, data/<name>.txt. Their values are hand-balanced content
// kept as text beside this file (tuning/); this step copies them and reads each back with the
// game's own reader, so a file the game would find incomplete stops the build.
//
// Column meanings are in the game's reader (combat/tuning.cpp). Lines 15 and 16 hold the two
// specials; for Perseus and Ares the damage of line 15 goes to the second special and that of
// line 16 to the first, while the rates follow the line, and their labels say so.
#include "tools/databuild/databuild.h"

#include "combat/combat.h"

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

// By character id.
static const char *const tuning_names[] = {
    "jason", "odysseus", "atalanta", "perseus", "hippolyte", "polyphemus",
    "minotaur", "medusa", "sphinx", "hydra", "ares", "atropos",
};
static_assert(std::size(tuning_names) == CHARACTER_COUNT, "one tuning file per character");

static int copy_file(const std::string &from, const std::string &to)
{
    FILE *in = fopen(from.c_str(), "rb");
    if (!in)
        return 0;
    Bytes bytes;
    for (int c; (c = fgetc(in)) != EOF;)
        bytes.push_back(static_cast<u8>(c));
    fclose(in);
    return file_write(to.c_str(), bytes);
}

int build_tuning(const char *data_dir)
{
    for (const char *name : tuning_names) {
        std::string from = std::string(TUNING_SOURCE_DIR) + "/" + name + ".txt";
        std::string to = std::string(data_dir) + "/" + name + ".txt";
        if (!copy_file(from, to)) {
            fprintf(stderr, "databuild: cannot copy %s to %s\n", from.c_str(), to.c_str());
            return 0;
        }
        Fighter check;
        memset(&check, 0, sizeof check);
        if (!read_damage_file(to.c_str(), &check)) {
            fprintf(stderr, "databuild: %s is not a complete tuning file\n", from.c_str());
            return 0;
        }
    }
    return 1;
}
