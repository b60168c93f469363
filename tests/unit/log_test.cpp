#include "engine/engine.h"
#include "engine/engine_local.h"
#include "support/test_paths.h"

#include <cerrno>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

static std::string read_text(const std::string &path)
{
    std::string text;
    FILE *file = fopen(path.c_str(), "rb");
    if (!file)
        return text;
    int c;
    while ((c = fgetc(file)) != EOF)
        text += static_cast<char>(c);
    fclose(file);
    return text;
}

TEST(Log, AppendsLinesCutsLongOnesAndClosesWithTheEndLines)
{
    std::string dir = test_scratch_dir("log");
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    std::string path = dir + "/data/initlog.txt";

    log_printf("\n -Trying to set %d x %d x %d...", 640, 480, 16);
    log_printf(nullptr);
    log_printf("%s", std::string(400, 'x').c_str());
    std::string text = read_text(path);
    EXPECT_EQ(text, "\n -Trying to set 640 x 480 x 16...\n" + std::string(255, 'x'));

    log_close();
    text = read_text(path);
    EXPECT_NE(text.find("\n\n -Closing system\n -QORN successfully closed!\n -Log ended at "), std::string::npos);
    EXPECT_EQ(text.back(), '\n');
}

// The game's lines begin with a newline and the shutdown's end with one; whatever follows a
// line that did not end still starts a line of its own, and nothing else changes.
TEST(Log, EveryLineStandsOnALineOfItsOwn)
{
    std::string dir = test_scratch_dir("log_lines");
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    std::string path = dir + "/data/initlog.txt";
    struct Case {
        std::vector<const char *> lines;
        const char *log;
    } cases[] = {
        {{"\n -jason.txt incomplete: missing values kept", "damage file ok!\n"},
         "\n -jason.txt incomplete: missing values kept\ndamage file ok!\n"},
        {{"\n -shorter than its header", "sndfx off\n", "shadow buffers off\n"},
         "\n -shorter than its header\nsndfx off\nshadow buffers off\n"},
        {{"sndfx off\n", "\n -Couldn't write qx.cfg", "archivo config guardado\n"},
         "sndfx off\n\n -Couldn't write qx.cfg\narchivo config guardado\n"},
        {{"modelos ok!\n", "blur ok!\n"}, "modelos ok!\nblur ok!\n"},
        {{"\n -Trying to setup timers... Success!", "\n -Trying to initialize sound..."},
         "\n -Trying to setup timers... Success!\n -Trying to initialize sound..."},
    };
    for (const Case &c : cases) {
        remove(path.c_str());
        for (const char *line : c.lines)
            log_printf("%s", line);
        EXPECT_EQ(read_text(path), c.log);
    }
}

TEST(Log, BasePathRefusesWhatDoesNotFit)
{
    snprintf(base_dir, sizeof base_dir, "/games/tavrosk/");
    char path[32];
    EXPECT_EQ(base_path(path, sizeof path, "data/qx.cfg"), 1);
    EXPECT_STREQ(path, "/games/tavrosk/data/qx.cfg");
    EXPECT_EQ(base_path(path, 16, "data/qx.cfg"), 0);
    EXPECT_STREQ(path, "");
}

TEST(Timers, RateChangeIsRecordedWithoutRunningTimers)
{
    timer_logic_rate_set(LOGIC_TICK_30HZ);
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_30HZ);
    timer_logic_rate_set(LOGIC_TICK_60HZ);
    EXPECT_EQ(logic_tick_units, LOGIC_TICK_60HZ);
    logic_ticks_pending = 0;
    timer_logic_tick();
    EXPECT_EQ(logic_ticks_pending, 1);
    seconds_counter = 1000;
    timer_second_tick();
    EXPECT_EQ(seconds_counter, 0);
}

// Every entry of the log starts on a line of its own, the loaders' refusals too.
TEST(Log, LoaderRefusalsStartTheirOwnLines)
{
    std::string dir = test_scratch_dir("log_refusals");
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    mkdir((dir + "/data").c_str(), 0755);
    std::string path = dir + "/data/initlog.txt";
    const u8 junk[3] = {1, 2, 3};
    const u8 negative_count[7] = {0, 0, 0, 0, 0, 0xFB, 0xFF};
    Skeleton skeleton = {};
    struct Case {
        const char *what;
        std::function<void()> refuse;
    } cases[] = {
        {"model_load: cannot read", [] { model_load(nullptr, "fig.emd"); }},
        {"model_load: fig.emd refused", [&] { model_parse(junk, sizeof junk, "fig.emd"); }},
        {"skeleton_load: cannot read", [&] { skeleton_load(&skeleton, nullptr, "fig.esq"); }},
        {"skeleton_load: fig.esq refused", [&] { skeleton_parse(&skeleton, junk, sizeof junk, "fig.esq"); }},
        // Loaded, with no bones, but not silently.
        {"skeleton_load: fig.esq has a bone count of -5",
         [&] { skeleton_parse(&skeleton, negative_count, sizeof negative_count, "fig.esq"); }},
    };
    for (const Case &c : cases) {
        remove(path.c_str());
        log_printf("\n -before");
        c.refuse();
        std::string text = read_text(path);
        EXPECT_NE(text.find("\n       -" + std::string(c.what)), std::string::npos) << text;
    }
}

// Something planted where the log belongs: a link to another user's file, a second name of
// one (a hard link), a FIFO (whose open would wait for a reader for ever), a folder. A line
// appended to it writes nothing into what was planted and does not block; the start empties
// nothing and goes on without a log.
TEST(Log, ALogThatIsNotAPlainFileIsReplacedByNoLog)
{
    std::string dir = test_scratch_dir("log_planted");
    std::string path = dir + "/data/initlog.txt";
    std::string victim = dir + "/victim.txt";
    struct Case {
        const char *what;
        std::function<int()> plant;
        const char *why;    // after the path
    } cases[] = {
        {"link to a file", [&] { return symlink(victim.c_str(), path.c_str()); }, " is not a plain file"},
        {"dangling link", [&] { return symlink((dir + "/nowhere").c_str(), path.c_str()); }, " is not a plain file"},
        {"hard link", [&] { return link(victim.c_str(), path.c_str()); }, " is a second name of another file"},
        {"FIFO", [&] { return mkfifo(path.c_str(), 0644); }, " is not a plain file"},
        {"folder", [&] { return mkdir(path.c_str(), 0755); }, " is not a plain file"},
    };
    mkdir((dir + "/data").c_str(), 0755);
    mkdir((dir + "/clean").c_str(), 0755);
    mkdir((dir + "/clean/data").c_str(), 0755);
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        char why[BASE_DIR_SIZE + 128] = "";
        // A good start elsewhere first, so the lines below try the planted file themselves.
        snprintf(base_dir, sizeof base_dir, "%s/clean/", dir.c_str());
        ASSERT_EQ(log_create(why, sizeof why), LOG_STARTED) << why;
        snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
        remove(path.c_str());
        rmdir(path.c_str());
        FILE *file = fopen(victim.c_str(), "wb");
        ASSERT_NE(file, nullptr);
        fputs("keep", file);
        fclose(file);
        ASSERT_EQ(c.plant(), 0);
        log_printf("\n -Initializing...");
        EXPECT_EQ(log_create(why, sizeof why), LOG_UNSAFE);
        EXPECT_EQ(std::string(why), path + c.why);
        log_printf("\n -Initializing...");
        log_close();
        EXPECT_EQ(read_text(victim), "keep");
        EXPECT_NE(access((dir + "/nowhere").c_str(), F_OK), 0) << "the link made no file";
    }
    remove(path.c_str());
    rmdir(path.c_str());
}

// A folder that cannot hold the log stops the start with a reason naming the folder; an old
// log is emptied by a good start.
TEST(Log, TheStartNamesTheFolderThatCannotHoldTheLog)
{
    std::string dir = test_scratch_dir("log_folder");
    char why[BASE_DIR_SIZE + 128] = "";
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
    rmdir((dir + "/data").c_str());
    EXPECT_EQ(log_create(why, sizeof why), LOG_FAILED);
    EXPECT_EQ(std::string(why), dir + "/data/: No such file or directory");

    mkdir((dir + "/data").c_str(), 0755);
    std::string path = dir + "/data/initlog.txt";
    FILE *file = fopen(path.c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fputs("the last run's lines", file);
    fclose(file);
    EXPECT_EQ(log_create(why, sizeof why), LOG_STARTED);
    EXPECT_EQ(read_text(path), "");
    log_printf("\n -Initializing...");
    EXPECT_EQ(read_text(path), "\n -Initializing...");
}
