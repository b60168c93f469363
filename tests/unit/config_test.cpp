#include "engine/engine.h"
#include "support/test_paths.h"
#include "tools/writers/writers.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <dirent.h>
#include <functional>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#include <vector>

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

// The reader runs before the log is created; its note reaches the log afterwards. A file of
// any size but the right one is named there, whether its end was cut or more was added.
TEST_F(ConfigFileTest, AFileOfTheWrongSizeIsNamedInTheLog)
{
    struct Case {
        size_t size;
        std::string note;
    } cases[] = {
        {30, " holds 30 of 169 bytes, using the default settings past its end"},
        {200, " holds 200 bytes, more than 169: the bytes past them are ignored and dropped at the next save"},
    };
    std::string log_path = dir + "/data/initlog.txt";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.size);
        Bytes file(c.size, 0);
        file[0] = 2;
        file[1] = 32;
        ASSERT_TRUE(file_write(path.c_str(), file));
        ASSERT_EQ(config_load(path.c_str()), 1);
        EXPECT_EQ(resolution_index, 2) << "what the file holds is read";
        remove(log_path.c_str());
        config_log_note();
        Bytes log = read_file(log_path);
        std::string text(log.begin(), log.end());
        EXPECT_EQ(text, "\n -" + path + c.note);
        remove(log_path.c_str());
        config_log_note();
        EXPECT_TRUE(read_file(log_path).empty()) << "the note is written once";
    }
}

// A settings file that is a link to nothing makes no file where it points: the run plays on
// the defaults, says so, and the save at exit puts a plain file in the link's place.
TEST_F(ConfigFileTest, ALinkToAMissingFileIsReplacedNotFollowed)
{
    std::string other = test_scratch_dir("config-dangling");
    struct Case {
        const char *what;
        std::string link;       // what qx.cfg points to
        std::string missing;    // the file that must not appear
    } cases[] = {
        {"absolute link", other + "/settings.cfg", other + "/settings.cfg"},
        {"relative link", "../" + other.substr(other.rfind('/') + 1) + "/settings.cfg", other + "/settings.cfg"},
        {"link into a missing folder", other + "/gone/settings.cfg", other + "/gone/settings.cfg"},
        {"link to a link to nothing", other + "/hop", other + "/settings.cfg"},
    };
    ASSERT_EQ(symlink((other + "/settings.cfg").c_str(), (other + "/hop").c_str()), 0);
    std::string log_path = dir + "/data/initlog.txt";
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        remove(path.c_str());
        remove(log_path.c_str());
        ASSERT_EQ(symlink(c.link.c_str(), path.c_str()), 0);
        rounds_to_win = 9;
        EXPECT_EQ(config_load(path.c_str()), 0);
        EXPECT_EQ(rounds_to_win, 2u);
        EXPECT_EQ(bind_key_up[0], 84) << "the default keys";
        EXPECT_NE(access(c.missing.c_str(), F_OK), 0) << "the start made a file where the link points";
        struct stat info;
        ASSERT_EQ(lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISLNK(info.st_mode)) << "the link stays until the exit";
        config_log_note();
        Bytes log = read_file(log_path);
        EXPECT_EQ(std::string(log.begin(), log.end()),
                  "\n -" + path + " is a link to a missing file, using the default settings; the save at exit "
                  "replaces the link with a plain file");

        credits = 555;
        EXPECT_EQ(config_save(path.c_str()), 1);
        EXPECT_NE(access(c.missing.c_str(), F_OK), 0) << "the save made a file where the link pointed";
        ASSERT_EQ(lstat(path.c_str(), &info), 0);
        EXPECT_TRUE(S_ISREG(info.st_mode));
        Bytes saved = read_file(path);
        ASSERT_EQ(saved.size(), CONFIG_FILE_SIZE);
        EXPECT_EQ(le32(saved, 146), 555u);
    }
    remove(path.c_str());
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
    const char *kind;       // "fifo" or "device"
    const char *link;       // 0, or qx.cfg made a link to this (relative to the folder)
    const char *reason;     // in the log line of the refused save
};
static const PlantedCase planted_cases[] = {
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
        return mknod(at.c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0;
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
    // The names in the folder that begin with "qx.cfg", sorted.
    std::vector<std::string> config_names()
    {
        std::vector<std::string> names;
        DIR *folder = opendir(dir.c_str());
        if (!folder)
            return names;
        while (const struct dirent *entry = readdir(folder))
            if (strncmp(entry->d_name, "qx.cfg", 6) == 0)
                names.push_back(entry->d_name);
        closedir(folder);
        std::sort(names.begin(), names.end());
        return names;
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
        EXPECT_NE(log_text().find("\n -Couldn't write " + path + ": " + c.reason), std::string::npos) << log_text();
    }
    clear();
}

// Whatever stands at the temporary name an earlier version used (a link to another file, a
// folder, someone else's file, a save of ours that died) blocks no save, session after
// session: each save's temporary name is new, and nothing at the old one is touched.
TEST_F(PlantedFileTest, NothingAtATemporaryNameStopsTheSave)
{
    const std::string temp = path + ".tmp";
    struct Case {
        const char *what;
        std::function<bool()> plant;
    } cases[] = {
        {"link to another file",
         [&] { return file_write(victim.c_str(), victim_bytes) && symlink(victim.c_str(), temp.c_str()) == 0; }},
        {"dangling link", [&] { return symlink(victim.c_str(), temp.c_str()) == 0; }},
        {"folder", [&] { return mkdir(temp.c_str(), 0755) == 0; }},
        {"someone else's file", [&] { return file_write(temp.c_str(), victim_bytes) && chown(temp.c_str(), 4321, 4321) == 0; }},
        {"a save of ours that died", [&] { return file_write(temp.c_str(), victim_bytes); }},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        clear();
        rmdir(temp.c_str());
        ASSERT_TRUE(c.plant()) << strerror(errno);
        struct stat before;
        ASSERT_EQ(lstat(temp.c_str(), &before), 0);
        for (u32 session = 1; session <= 2; session++) {
            credits = 1000 + session;
            EXPECT_EQ(config_save(path.c_str()), 1) << "session " << session << ": " << log_text();
            Bytes saved = read_file(path);
            ASSERT_EQ(saved.size(), CONFIG_FILE_SIZE);
            EXPECT_EQ(le32(saved, 146), 1000 + session);
        }
        struct stat after;
        ASSERT_EQ(lstat(temp.c_str(), &after), 0);
        EXPECT_EQ(after.st_ino, before.st_ino);
        EXPECT_EQ(after.st_mode, before.st_mode);
        if (!S_ISDIR(after.st_mode) && access(temp.c_str(), F_OK) == 0) {
            EXPECT_EQ(read_file(temp), victim_bytes) << "what the old name leads to is kept";
        }
        EXPECT_EQ(config_names(), std::vector<std::string>({"qx.cfg", "qx.cfg.tmp"})) << "no temporary file is left";
        EXPECT_EQ(log_text().find("Couldn't write"), std::string::npos) << log_text();
        rmdir(temp.c_str());
    }
    clear();
}

// A FIFO or a device where the settings belong is no settings file: the read neither waits on
// it nor takes its bytes, the run plays on the defaults, and its shutdown writes nothing there.
TEST_F(PlantedFileTest, AReadRefusesAnythingButARegularFile)
{
    for (const PlantedCase &c : planted_cases) {
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
