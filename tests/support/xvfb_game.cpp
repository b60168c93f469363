#include "xvfb_game.h"

#include "test_paths.h"

#include "engine/engine.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

constexpr int POLL_MS = 20;
constexpr double TOOL_TIMEOUT_SECONDS = 15.0;   // one xdotool or data builder call
constexpr double DATA_BUILD_SECONDS = 150.0;    // one whole data set
constexpr size_t REPORT_TAIL = 1500;            // characters of a file quoted in a failure

static void sleep_ms(int ms)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

static double seconds_since(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

static int status_code(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return -1;
}

// Starts argv[0] (searched on PATH) with its output into out_path ("" keeps ours); returns the
// child, or -1.
static pid_t spawn(const std::vector<std::string> &args, const std::string &dir, const std::string &out_path,
                   const std::string &err_path)
{
    std::vector<char *> argv;
    for (const std::string &arg : args)
        argv.push_back(const_cast<char *>(arg.c_str()));
    argv.push_back(nullptr);
    pid_t pid = fork();
    if (pid != 0)
        return pid;
    if (!dir.empty() && chdir(dir.c_str()) != 0)
        _exit(126);
    if (!out_path.empty()) {
        int out = open(out_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        int err = open(err_path.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
        dup2(out, 1);
        dup2(err, 2);
    }
    execvp(argv[0], argv.data());
    _exit(127);
}

// Waits up to seconds for pid; returns 1 and its code in *code, or 0 while it still runs.
static int wait_for(pid_t pid, double seconds, int *code)
{
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        int status = 0;
        pid_t done = waitpid(pid, &status, WNOHANG);
        if (done == pid) {
            *code = status_code(status);
            return 1;
        }
        if (done < 0 && errno != EINTR) {
            *code = -1;
            return 1;
        }
        if (seconds_since(start) >= seconds)
            return 0;
        sleep_ms(POLL_MS);
    }
}

// Runs a tool to its end; a tool still running after its own time plus TOOL_TIMEOUT_SECONDS
// is killed. Returns its exit code.
static int run_tool(const std::vector<std::string> &args, double own_seconds = 0.0)
{
    pid_t pid = spawn(args, "", "", "");
    if (pid < 0)
        return -1;
    int code = -1;
    if (!wait_for(pid, own_seconds + TOOL_TIMEOUT_SECONDS, &code)) {
        kill(pid, SIGKILL);
        wait_for(pid, TOOL_TIMEOUT_SECONDS, &code);
        return -1;
    }
    return code;
}

static std::string tail(const std::string &text)
{
    return text.size() <= REPORT_TAIL ? text : "..." + text.substr(text.size() - REPORT_TAIL);
}

// What a failure message shows of the run: the end of its log and of its stderr.
static std::string run_report(const GameRun *run)
{
    return "\n--- data/initlog.txt ---\n" + tail(game_read_text(run, "data/initlog.txt")) + "\n--- stderr ---\n" +
           tail(game_read_text(run, "stderr.txt"));
}

GameRun::~GameRun()
{
    if (pid <= 0)
        return;
    kill(pid, SIGKILL);
    int code;
    wait_for(pid, TOOL_TIMEOUT_SECONDS, &code);
}

std::string game_path(const GameRun *run, const char *relative)
{
    return run->dir + "/" + relative;
}

std::string game_read_text(const GameRun *run, const char *relative)
{
    return test_read_file(game_path(run, relative));
}

Bytes game_settings(const GameRun *run)
{
    std::string text = game_read_text(run, "data/qx.cfg");
    return Bytes(text.begin(), text.end());
}

::testing::AssertionResult game_prepare(GameRun *run, const char *tag)
{
    run->dir = test_scratch_dir(tag);
    if (run->dir.empty())
        return ::testing::AssertionFailure() << "no scratch folder for " << tag;
    std::string program = test_read_file(test_build_dir() + "/tavrosk");
    if (program.empty())
        return ::testing::AssertionFailure() << "no program at " << test_build_dir() << "/tavrosk";
    std::string copy = game_path(run, "tavrosk");
    if (!file_write(copy.c_str(), Bytes(program.begin(), program.end())) || chmod(copy.c_str(), 0755) != 0)
        return ::testing::AssertionFailure() << "cannot copy the program to " << copy;
    // The whole data set is painted anew for each run: give it longer than one xdotool call,
    // and room for a sanitizer build on a machine that other builds share.
    int code = run_tool({test_build_dir() + "/tavrosk-databuild", game_path(run, "data")}, DATA_BUILD_SECONDS);
    if (code != 0)
        return ::testing::AssertionFailure() << "tavrosk-databuild failed with " << code;
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_settings_patch(GameRun *run, size_t offset, u8 value)
{
    Bytes settings = game_settings(run);
    if (offset >= settings.size())
        return ::testing::AssertionFailure() << "data/qx.cfg has no byte " << offset;
    settings[offset] = value;
    if (!file_write(game_path(run, "data/qx.cfg").c_str(), settings))
        return ::testing::AssertionFailure() << "cannot write data/qx.cfg";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_start(GameRun *run, const std::vector<std::string> &args)
{
    if (!getenv("DISPLAY"))
        return ::testing::AssertionFailure() << "no DISPLAY: run the xvfb tests under xvfb-run (make test does)";
    std::vector<std::string> command = {game_path(run, "tavrosk")};
    command.insert(command.end(), args.begin(), args.end());
    // In a sanitizer build, LeakSanitizer's scan at exit takes minutes in a process that holds
    // Mesa's compiled shaders, and it reports what Mesa's driver keeps, which is unloaded with
    // the window before the scan and so cannot be named by a suppression; our own leaks show
    // in the unit and gl tests. Other builds ignore the variable.
    setenv("ASAN_OPTIONS", "detect_leaks=0", 0);
    run->pid = spawn(command, run->dir, game_path(run, "stdout.txt"), game_path(run, "stderr.txt"));
    if (run->pid < 0)
        return ::testing::AssertionFailure() << "cannot start " << command[0];
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_start_playing(GameRun *run, const std::vector<std::string> &args)
{
    ::testing::AssertionResult step = game_start(run, args);
    if (step)
        step = game_keys(run, {"Return"});   // "Start Game" holds the launcher's focus
    if (step)
        step = game_wait_log(run, "\n -QORN successfully initialized!");
    if (step)
        step = game_skip_intro(run);
    return step;
}

::testing::AssertionResult game_skip_intro(GameRun *run)
{
    // Held long enough for the story's first ticks to see it, however busy the machine is.
    ::testing::AssertionResult step = game_key_hold(run, "Escape", 1000);
    // The title fades in from black, and takes no keys until it has.
    std::this_thread::sleep_for(std::chrono::milliseconds(1400));
    return step;
}

// Whether the game still runs; notes its exit status when it has ended.
static bool game_running(GameRun *run)
{
    if (run->pid <= 0)
        return false;
    int code;
    if (!wait_for(run->pid, 0.0, &code))
        return true;
    run->exit_status = code;
    run->pid = -1;
    return false;
}

// Retries an xdotool command until it succeeds (its window exists) or time runs out.
static ::testing::AssertionResult xdotool_retry(GameRun *run, const std::vector<std::string> &args,
                                                double seconds, const char *what)
{
    auto start = std::chrono::steady_clock::now();
    while (seconds_since(start) < seconds) {
        if (run_tool(args) == 0)
            return ::testing::AssertionSuccess();
        if (!game_running(run))
            return ::testing::AssertionFailure() << "the game ended (status " << run->exit_status << ") before "
                                                 << what << run_report(run);
        sleep_ms(100);
    }
    return ::testing::AssertionFailure() << "no " << what << " after " << seconds << " s" << run_report(run);
}

::testing::AssertionResult game_focus(GameRun *run, double seconds)
{
    return xdotool_retry(run, {"xdotool", "search", "--onlyvisible", "--name", "^Tavrosk$", "windowfocus", "--sync"},
                         seconds, "visible Tavrosk window");
}

static std::string seconds_text(int ms)
{
    char text[32];
    snprintf(text, sizeof text, "%.3f", ms / 1000.0);
    return text;
}

::testing::AssertionResult game_keys(GameRun *run, const std::vector<std::string> &keys, int hold_ms, int gap_ms)
{
    ::testing::AssertionResult focused = game_focus(run);
    if (!focused)
        return focused;
    // One xdotool call: down, hold, up, gap for each key.
    std::vector<std::string> command = {"xdotool"};
    for (const std::string &key : keys) {
        std::vector<std::string> press = {"keydown", key, "sleep", seconds_text(hold_ms),
                                          "keyup",   key, "sleep", seconds_text(gap_ms)};
        command.insert(command.end(), press.begin(), press.end());
    }
    if (run_tool(command, keys.size() * (hold_ms + gap_ms) / 1000.0) != 0)
        return ::testing::AssertionFailure() << "xdotool could not press the keys";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_key_hold(GameRun *run, const std::string &key, int hold_ms)
{
    ::testing::AssertionResult focused = game_focus(run);
    if (!focused)
        return focused;
    if (run_tool({"xdotool", "keydown", key}) != 0)
        return ::testing::AssertionFailure() << "xdotool keydown failed";
    sleep_ms(hold_ms);
    if (run_tool({"xdotool", "keyup", key}) != 0)
        return ::testing::AssertionFailure() << "xdotool keyup failed";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_wait_log(GameRun *run, const std::string &text, double seconds)
{
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        // Read before testing for the end, so lines written just before it still count.
        bool running = game_running(run);
        if (game_read_text(run, "data/initlog.txt").find(text) != std::string::npos)
            return ::testing::AssertionSuccess();
        if (!running)
            return ::testing::AssertionFailure() << "the game ended (status " << run->exit_status
                                                 << ") without logging \"" << text << "\"" << run_report(run);
        if (seconds_since(start) >= seconds)
            return ::testing::AssertionFailure() << "no \"" << text << "\" in the log after " << seconds << " s"
                                                 << run_report(run);
        sleep_ms(POLL_MS);
    }
}

::testing::AssertionResult game_wait_message_box(GameRun *run, double seconds)
{
    // Not tied to the game running: a box left behind outlives it.
    auto start = std::chrono::steady_clock::now();
    while (seconds_since(start) < seconds) {
        if (run_tool({"xdotool", "search", "--onlyvisible", "--class", "Xmessage"}) == 0)
            return ::testing::AssertionSuccess();
        sleep_ms(100);
    }
    return ::testing::AssertionFailure() << "no message box after " << seconds << " s" << run_report(run);
}

::testing::AssertionResult game_answer_message_box(GameRun *run, double seconds)
{
    ::testing::AssertionResult focused = xdotool_retry(
        run, {"xdotool", "search", "--onlyvisible", "--class", "Xmessage", "windowfocus", "--sync"}, seconds,
        "message box");
    if (!focused)
        return focused;
    // OK is the box's default button. Typed into the focus, not sent to the window, which is
    // gone before xdotool would be done with it.
    if (run_tool({"xdotool", "key", "Return"}) != 0)
        return ::testing::AssertionFailure() << "xdotool key failed";
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_wait_exit(GameRun *run, double seconds)
{
    if (run->pid <= 0)
        return ::testing::AssertionSuccess();
    int code;
    if (!wait_for(run->pid, seconds, &code))
        return ::testing::AssertionFailure() << "the game still runs after " << seconds << " s" << run_report(run);
    run->exit_status = code;
    run->pid = -1;
    return ::testing::AssertionSuccess();
}


::testing::AssertionResult game_signal_stop(GameRun *run, int signal, double seconds)
{
    if (!game_running(run))
        return ::testing::AssertionFailure() << "the game had already ended (status " << run->exit_status << ")"
                                             << run_report(run);
    kill(run->pid, signal);
    return game_wait_exit(run, seconds);
}

::testing::AssertionResult game_stop(GameRun *run, double seconds)
{
    return game_signal_stop(run, SIGTERM, seconds);
}

OwnDisplay::~OwnDisplay()
{
    own_display_kill(this);
}

::testing::AssertionResult own_display_start(OwnDisplay *display)
{
    // The server writes its display number down the pipe once it takes connections.
    int ready[2];
    if (pipe(ready) != 0)
        return ::testing::AssertionFailure() << "no pipe";
    pid_t pid = fork();
    if (pid == 0) {
        close(ready[0]);
        int null = open("/dev/null", O_WRONLY);
        dup2(null, 1);
        dup2(null, 2);
        std::string fd = std::to_string(ready[1]);
        execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1280x1024x24", "-nolisten", "tcp",
               static_cast<char *>(nullptr));
        _exit(127);
    }
    close(ready[1]);
    if (pid < 0) {
        close(ready[0]);
        return ::testing::AssertionFailure() << "cannot start Xvfb";
    }
    display->pid = pid;
    char number[16] = {};
    ssize_t got = 0;
    for (ssize_t n; got < static_cast<ssize_t>(sizeof number) - 1 &&
                    (n = read(ready[0], number + got, sizeof number - 1 - got)) > 0;) {
        got += n;
        if (number[got - 1] == '\n')
            break;
    }
    close(ready[0]);
    if (got <= 1) {
        own_display_kill(display);
        return ::testing::AssertionFailure() << "Xvfb gave no display number";
    }
    const char *now = getenv("DISPLAY");
    display->saved_display = now ? now : "";
    setenv("DISPLAY", (":" + std::string(number, strcspn(number, "\n"))).c_str(), 1);
    return ::testing::AssertionSuccess();
}

void own_display_kill(OwnDisplay *display)
{
    if (display->pid <= 0)
        return;
    kill(display->pid, SIGKILL);
    int code;
    wait_for(display->pid, TOOL_TIMEOUT_SECONDS, &code);
    display->pid = -1;
    if (display->saved_display.empty())
        unsetenv("DISPLAY");
    else
        setenv("DISPLAY", display->saved_display.c_str(), 1);
}

std::vector<std::string> game_screenshots(const GameRun *run)
{
    std::vector<std::string> found;
    DIR *dir = opendir(run->dir.c_str());
    if (!dir)
        return found;
    while (struct dirent *entry = readdir(dir)) {
        std::string name = entry->d_name;
        if (name.size() > 7 && name.compare(0, 3, "scr") == 0 && name.compare(name.size() - 4, 4, ".jpg") == 0)
            found.push_back(run->dir + "/" + name);
    }
    closedir(dir);
    // By number: scr100000.jpg comes after scr99999.jpg.
    std::sort(found.begin(), found.end(), [](const std::string &a, const std::string &b) {
        return a.size() != b.size() ? a.size() < b.size() : a < b;
    });
    return found;
}

::testing::AssertionResult texts_in_order(const std::string &haystack, const std::vector<std::string> &texts)
{
    size_t at = 0;
    for (const std::string &text : texts) {
        size_t found = haystack.find(text, at);
        if (found == std::string::npos)
            return ::testing::AssertionFailure() << "\"" << text << "\" missing or out of order in:\n" << haystack;
        at = found + text.size();
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_wait_screenshots(const GameRun *run, size_t count, double seconds)
{
    auto start = std::chrono::steady_clock::now();
    while (game_screenshots(run).size() < count) {
        if (seconds_since(start) > seconds)
            return ::testing::AssertionFailure() << "only " << game_screenshots(run).size() << " of " << count
                                                 << " screenshots after " << seconds << " s";
        sleep_ms(POLL_MS);
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult game_screenshot(GameRun *run, size_t count, int settle_ms)
{
    sleep_ms(settle_ms);
    ::testing::AssertionResult held = game_key_hold(run, "F1", KEY_HOLD_MS);
    if (!held)
        return held;
    return game_wait_screenshots(run, count);
}

u32 settings_u32(const Bytes &settings, size_t offset)
{
    if (offset + 4 > settings.size())
        return 0;
    return settings[offset] | settings[offset + 1] << 8 | settings[offset + 2] << 16 |
           static_cast<u32>(settings[offset + 3]) << 24;
}

::testing::AssertionResult screenshot_decode(const std::string &path, Picture *picture)
{
    std::ifstream in(path, std::ios::binary);
    Bytes jpeg((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    picture_library_start();
    *picture = Picture{};
    if (jpeg.empty() || !jpeg_decode(jpeg.data(), jpeg.size(), picture))
        return ::testing::AssertionFailure() << path << " is not a JPEG";
    return ::testing::AssertionSuccess();
}
