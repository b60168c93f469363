#include "engine/engine.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

static Bytes read_file(const std::string &path)
{
    return file_read(path.c_str());
}

static u32 le32(const Bytes &b, size_t at)
{
    return b[at] | b[at + 1] << 8 | b[at + 2] << 16 | static_cast<u32>(b[at + 3]) << 24;
}

class ConfigFileTest : public ::testing::Test {
protected:
    std::string dir = test_scratch_dir("config");
    std::string path = dir + "/qx.cfg";
    void SetUp() override
    {
        snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
        mkdir((dir + "/data").c_str(), 0755);
    }
};

TEST_F(ConfigFileTest, MissingFileGetsDefaultsAndIsWritten)
{
    bind_key_up[0] = 99;   // a player who deletes the file still gets the default keys
    bind_key_start[1] = 0;
    difficulty = 5;
    EXPECT_EQ(config_load(path.c_str()), 0);
    Bytes file = read_file(path);
    ASSERT_EQ(file.size(), CONFIG_FILE_SIZE);
    EXPECT_EQ(file[0], 0);    // 640 x 480
    EXPECT_EQ(file[1], 16);
    float gamma;
    u32 bits = le32(file, 8);
    memcpy(&gamma, &bits, 4);
    EXPECT_EQ(gamma, 1.0f);
    EXPECT_EQ(le32(file, 13), 64u);
    EXPECT_EQ(le32(file, 17), 64u);
    EXPECT_EQ(le32(file, 21), 2u);
    EXPECT_EQ(le32(file, 25), 0u);
    EXPECT_EQ(file[29], 2);
    EXPECT_EQ(le32(file, 31), 84u);    // player 1 up: the up arrow
    EXPECT_EQ(le32(file, 116), 75u);   // player 2 start: space
    EXPECT_EQ(file[5], 1);             // windowed
    for (size_t i = 144; i < 168; i++)
        EXPECT_EQ(file[i], 0) << "progress byte " << i;
}

// Every field sits at its fixed offset, both players and the doubled byte included.
TEST_F(ConfigFileTest, FieldsRoundTripAtTheirOffsets)
{
    config_set_defaults();
    bind_key_start[1] = 75;
    bind_joy_index[1] = -1;
    bind_joy_stick[1] = 2;
    bind_joy_start[1] = 9;
    credits = 123456;
    unlocked_ares = 1;
    profile_perseus = 2;
    profile_atropos = 1;
    blood = 255;
    ASSERT_EQ(config_save(path.c_str()), 1);
    Bytes file = read_file(path);
    ASSERT_EQ(file.size(), CONFIG_FILE_SIZE);
    EXPECT_EQ(le32(file, 116), 75u);
    EXPECT_EQ(static_cast<i32>(le32(file, 120)), -1);
    EXPECT_EQ(le32(file, 124), 2u);
    EXPECT_EQ(le32(file, 140), 9u);
    EXPECT_EQ(le32(file, 146), 123456u);
    EXPECT_EQ(file[151], 1);
    EXPECT_EQ(file[154], 1);
    EXPECT_EQ(file[156], 2);
    EXPECT_EQ(file[167], 1);
    EXPECT_EQ(file[168], 255);

    credits = 0;
    blood = 0;
    bind_joy_index[1] = 0;
    ASSERT_EQ(config_load(path.c_str()), 1);
    EXPECT_EQ(credits, 123456u);
    EXPECT_EQ(blood, 255);
    EXPECT_EQ(bind_joy_index[1], -1);
    EXPECT_EQ(bind_joy_stick[1], 2);
}

// The byte at 154 is read last, so it decides the shared global.
TEST_F(ConfigFileTest, SecondAresByteWins)
{
    Bytes file(CONFIG_FILE_SIZE, 0);
    file[1] = 16;
    file[151] = 0;
    file[154] = 1;
    ASSERT_TRUE(file_write(path.c_str(), file));
    config_load(path.c_str());
    EXPECT_EQ(unlocked_ares, 1);
}

// A short file fills only the whole fields it holds, the rest take the first-run values;
// damaged values fall back.
TEST_F(ConfigFileTest, ShortAndDamagedFiles)
{
    config_set_defaults();
    bind_key_up[0] = 33;
    credits = 77;
    Bytes file(30, 0);
    file[0] = 3;
    file[1] = 24;                 // not a depth the game offers
    put_u32(file, 0);             // keeps the vector at 34 bytes: field at 30 whole, 31 cut
    const float nan = std::nanf("");
    memcpy(&file[8], &nan, 4);
    file[29] = 5;
    ASSERT_TRUE(file_write(path.c_str(), file));
    ASSERT_EQ(config_load(path.c_str()), 1);
    EXPECT_EQ(resolution_index, 3);
    EXPECT_EQ(colour_depth, 16);
    EXPECT_EQ(brightness, 1.0f);
    EXPECT_EQ(difficulty, 5);
    EXPECT_EQ(bind_key_up[0], 84);   // offset 31 cut by the end of the file: the default
    EXPECT_EQ(credits, 0u);

    const float bright = 9.0f;
    memcpy(&file[8], &bright, 4);
    ASSERT_TRUE(file_write(path.c_str(), file));
    config_load(path.c_str());
    EXPECT_EQ(brightness, 1.0f);
}

// A file that exists but cannot be read is never replaced by this run's defaults.
TEST_F(ConfigFileTest, UnreadableFileIsNotOverwritten)
{
    mkdir(path.c_str(), 0755);   // a folder where the file should be
    EXPECT_EQ(config_load(path.c_str()), 0);
    EXPECT_EQ(rounds_to_win, 2u);
    EXPECT_EQ(config_save(path.c_str()), 0);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_TRUE(S_ISDIR(info.st_mode));
}

// An emptied or cut file must not leave zeros that the shutdown would save as complete:
// no rounds to win, silence, no key bound.
TEST_F(ConfigFileTest, ShortFilesTakeTheDefaultsPastTheirEnd)
{
    for (size_t size : {size_t(0), size_t(30)}) {
        Bytes file(size, 0);
        if (size > 29) {
            file[0] = 2;
            file[1] = 32;
            const float bright = 1.5f;
            memcpy(&file[8], &bright, 4);
            file[29] = 4;
        }
        ASSERT_TRUE(file_write(path.c_str(), file));
        rounds_to_win = effects_volume = music_volume = 0;
        bind_key_left[0] = bind_key_kick[1] = 0;
        difficulty = 0;
        ASSERT_EQ(config_load(path.c_str()), 1) << size << " bytes";
        EXPECT_EQ(difficulty, size ? 4 : 2) << size << " bytes";
        EXPECT_EQ(resolution_index, size ? 2 : 0) << size << " bytes";
        EXPECT_EQ(brightness, size ? 1.5f : 1.0f) << size << " bytes";
        if (size == 30)
            continue;   // the options it holds are zeros by design of the case above
        EXPECT_EQ(rounds_to_win, 2u);
        EXPECT_EQ(effects_volume, 64u);
        EXPECT_EQ(music_volume, 64u);
        EXPECT_EQ(screen_mode, 1);
        EXPECT_EQ(bind_key_left[0], 82);
        EXPECT_EQ(bind_key_kick[1], 12);
    }
    EXPECT_EQ(bind_key_left[0], 82);
    EXPECT_EQ(bind_key_kick[1], 12);
}

// The reader runs before the log is created; its note reaches the log afterwards.
TEST_F(ConfigFileTest, TheShortFileNoteReachesTheLog)
{
    ASSERT_TRUE(file_write(path.c_str(), Bytes(30, 0)));
    ASSERT_EQ(config_load(path.c_str()), 1);
    std::string log_path = dir + "/data/initlog.txt";
    remove(log_path.c_str());
    config_log_note();
    Bytes log = read_file(log_path);
    std::string text(log.begin(), log.end());
    EXPECT_NE(text.find("\n -" + path + " holds 30 of 169 bytes"), std::string::npos) << text;
    remove(log_path.c_str());
    config_log_note();
    EXPECT_TRUE(read_file(log_path).empty()) << "the note is written once";
}

// A settings file the player cannot write, or marked read-only for everyone (the test runs as
// the superuser, whom the mode does not stop), is left as it is: same bytes, same mode.
TEST_F(ConfigFileTest, AReadOnlyFileIsNotReplaced)
{
    ASSERT_EQ(config_load(path.c_str()), 0);   // a first run writes the defaults
    ASSERT_EQ(chmod(path.c_str(), 0444), 0);
    Bytes before = read_file(path);
    credits = 777;
    std::string log_path = dir + "/data/initlog.txt";
    remove(log_path.c_str());
    EXPECT_EQ(config_save(path.c_str()), 0);
    EXPECT_EQ(read_file(path), before);
    struct stat info;
    ASSERT_EQ(stat(path.c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0444u);
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0) << "no temporary file is left";
    Bytes log = read_file(log_path);
    EXPECT_NE(std::string(log.begin(), log.end()).find("\n -Couldn't write " + path + ": the file is read-only"),
              std::string::npos);
    chmod(path.c_str(), 0644);
}

// A save replaces the file with a new one that keeps its mode, and a symbolic link stays a
// link: its target gets the settings, written through a temporary file beside the target.
TEST_F(ConfigFileTest, TheSaveKeepsTheModeAndFollowsSymbolicLinks)
{
    std::string other = test_scratch_dir("config-link-target");
    std::string target = other + "/kept.cfg";
    struct Case {
        const char *what;
        std::string link;   // what path links to, "" for a plain file
        mode_t mode;
    } cases[] = {
        {"plain file", "", 0600},
        {"absolute link", target, 0640},
        {"relative link", "../" + other.substr(other.rfind('/') + 1) + "/kept.cfg", 0644},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        remove(path.c_str());
        remove(target.c_str());
        std::string written = c.link.empty() ? path : target;
        ASSERT_TRUE(file_write(written.c_str(), Bytes(CONFIG_FILE_SIZE, 0)));
        ASSERT_EQ(chmod(written.c_str(), c.mode), 0);
        if (!c.link.empty()) {
            ASSERT_EQ(symlink(c.link.c_str(), path.c_str()), 0);
        }
        credits = 4242;
        ASSERT_EQ(config_save(path.c_str()), 1);
        Bytes saved = read_file(written);
        ASSERT_EQ(saved.size(), CONFIG_FILE_SIZE);
        EXPECT_EQ(le32(saved, 146), 4242u);
        struct stat info;
        ASSERT_EQ(lstat(path.c_str(), &info), 0);
        EXPECT_EQ(S_ISLNK(info.st_mode), !c.link.empty());
        ASSERT_EQ(stat(written.c_str(), &info), 0);
        EXPECT_EQ(info.st_mode & 07777, c.mode);
        EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0);
        EXPECT_NE(access((target + ".tmp").c_str(), F_OK), 0);
    }
    remove(path.c_str());
}

// What a shared data folder may hold where the save or the read expects a plain file. Each
// case plants something, and the save must leave it, and any file it leads to, as it was.
struct PlantedCase {
    const char *what;
    const char *planted;    // relative to the scratch folder
    const char *kind;       // "fifo", "device", "link-to-victim", "victim-file"
    const char *link;       // 0, or qx.cfg made a link to this (relative to the folder)
    const char *reason;     // in the log line of the refused save
};
static const PlantedCase planted_cases[] = {
    {"temporary file linked to another file", "qx.cfg.tmp", "link-to-victim", nullptr,
     "its temporary file is in the way and not ours to remove"},
    {"settings linked to a FIFO", "pipe", "fifo", "pipe", "not a regular file"},
    {"settings linked to a device", "null", "device", "null", "not a regular file"},
    {"settings that are a FIFO", "qx.cfg", "fifo", nullptr, "not a regular file"},
};

class PlantedFileTest : public ConfigFileTest {
protected:
    std::string victim = dir + "/victim.txt";
    const Bytes victim_bytes = Bytes{'k', 'e', 'e', 'p'};

    // Plants one case; false (with the test skipped) where the system does not allow it.
    bool plant(const PlantedCase &c)
    {
        std::string at = dir + "/" + c.planted;
        if (strcmp(c.kind, "fifo") == 0)
            return mkfifo(at.c_str(), 0644) == 0;
        if (strcmp(c.kind, "device") == 0)
            return mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
        return file_write(victim.c_str(), victim_bytes) && symlink(victim.c_str(), at.c_str()) == 0;
    }
    // A clean folder, then the case planted and qx.cfg linked as it says; false where the
    // system does not allow it (only the superuser may make a device node).
    bool plant_case(const PlantedCase &c)
    {
        clear();
        if (!plant(c)) {
            EXPECT_EQ(errno, EPERM) << "cannot plant " << c.planted << ": " << strerror(errno);
            return false;
        }
        bool linked = !c.link || symlink(c.link, path.c_str()) == 0;
        EXPECT_TRUE(linked) << strerror(errno);
        return linked;
    }
    void remove_planted()
    {
        for (const char *name : {"qx.cfg", "qx.cfg.tmp", "pipe", "null", "pipe.tmp", "null.tmp"})
            remove((dir + "/" + name).c_str());
    }
    void clear()
    {
        remove_planted();
        // A good read: a refused one earlier in the run blocks saves to this path.
        file_write(path.c_str(), Bytes(CONFIG_FILE_SIZE, 0));
        config_load(path.c_str());
        remove_planted();
        remove(victim.c_str());
        remove((dir + "/data/initlog.txt").c_str());
    }
    std::string log_text()
    {
        Bytes log = read_file(dir + "/data/initlog.txt");
        return std::string(log.begin(), log.end());
    }
};

TEST_F(PlantedFileTest, ASaveWritesNothingThroughWhatWasPlanted)
{
    for (const PlantedCase &c : planted_cases) {
        SCOPED_TRACE(c.what);
        if (!plant_case(c))
            continue;
        struct stat planted_before;
        ASSERT_EQ(lstat((dir + "/" + c.planted).c_str(), &planted_before), 0);
        credits = 31337;
        EXPECT_EQ(config_save(path.c_str()), 0);
        struct stat planted_after;
        ASSERT_EQ(lstat((dir + "/" + c.planted).c_str(), &planted_after), 0);
        EXPECT_EQ(planted_after.st_mode & S_IFMT, planted_before.st_mode & S_IFMT) << "the planted node was replaced";
        EXPECT_EQ(planted_after.st_ino, planted_before.st_ino);
        if (strcmp(c.kind, "link-to-victim") == 0) {
            EXPECT_EQ(read_file(victim), victim_bytes);
            EXPECT_NE(access(path.c_str(), F_OK), 0) << "no settings file was made from the victim";
        }
        EXPECT_NE(log_text().find("\n -Couldn't write " + path + ": " + c.reason), std::string::npos) << log_text();
    }
    clear();
}

// A temporary file that a save which died left behind is ours and plain: it goes, and the
// save goes through.
TEST_F(PlantedFileTest, AStaleTemporaryFileOfOursIsReplaced)
{
    clear();
    ASSERT_TRUE(file_write((path + ".tmp").c_str(), Bytes(7, 0xEE)));
    credits = 99;
    ASSERT_EQ(config_save(path.c_str()), 1);
    Bytes saved = read_file(path);
    ASSERT_EQ(saved.size(), CONFIG_FILE_SIZE);
    EXPECT_EQ(le32(saved, 146), 99u);
    EXPECT_NE(access((path + ".tmp").c_str(), F_OK), 0);
    clear();
}

// A FIFO or a device where the settings belong is no settings file: the read neither waits on
// it nor takes its bytes, the run plays on the defaults, and its shutdown writes nothing there.
TEST_F(PlantedFileTest, AReadRefusesAnythingButARegularFile)
{
    for (const PlantedCase &c : planted_cases) {
        if (strcmp(c.kind, "link-to-victim") == 0)
            continue;
        SCOPED_TRACE(c.what);
        if (!plant_case(c))
            continue;
        rounds_to_win = 9;
        EXPECT_EQ(config_load(path.c_str()), 0);
        EXPECT_EQ(rounds_to_win, 2u);
        EXPECT_EQ(bind_key_up[0], 84) << "the default keys";
        config_log_note();
        EXPECT_NE(log_text().find("\n -Couldn't read " + path + " (not a regular file), using the default settings"),
                  std::string::npos)
            << log_text();
        EXPECT_EQ(config_save(path.c_str()), 0);
        struct stat after;
        ASSERT_EQ(stat(path.c_str(), &after), 0);
        EXPECT_FALSE(S_ISREG(after.st_mode));
    }
    clear();
}
