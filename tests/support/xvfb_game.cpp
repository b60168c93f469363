#include "xvfb_game.h"

#include "test_paths.h"

#include "engine/engine.h"

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cmath>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <dirent.h>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <fcntl.h>
#include <sys/prctl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>

constexpr int POLL_MS = 20;
// A screen has settled (a fade or a load is over) when the window's mean brightness over
// SETTLED_SAMPLES grabs SETTLED_SAMPLE_MS apart stays within SETTLED_CHANGE of its highest
// (give or take one level), and it is not black. A fade changes it by a fifth between two grabs;
// the flames, figures and sparkles of a settled screen move it by far less.
constexpr size_t SETTLED_SAMPLES = 4;
constexpr int SETTLED_SAMPLE_MS = 200;
constexpr double SETTLED_CHANGE = 0.04;
constexpr double SETTLED_LIGHT = 10.0;
constexpr double TOOL_TIMEOUT_SECONDS = 30.0;   // one xdotool call, or the X server's start
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

// The X server of this test program: each window test runs in a process of its own, with a
// display of its own, so that ctest may run several at once and no test finds another's window.
static OwnDisplay program_display;

// Servers a test started for itself (OwnDisplay) that still run: while one does, DISPLAY names
// it, and the game runs there.
static int own_displays_running;

::testing::AssertionResult test_display_start()
{
    if (program_display.pid > 0 || own_displays_running > 0)
        return ::testing::AssertionSuccess();
    return own_display_start(&program_display);
}

::testing::AssertionResult game_prepare(GameRun *run, const char *tag)
{
    ::testing::AssertionResult display = test_display_start();
    if (!display)
        return display;
    run->dir = test_scratch_dir(tag);
    if (run->dir.empty())
        return ::testing::AssertionFailure() << "no scratch folder for " << tag;
    std::string program = test_read_file(test_build_dir() + "/tavrosk");
    if (program.empty())
        return ::testing::AssertionFailure() << "no program at " << test_build_dir() << "/tavrosk";
    std::string copy = game_path(run, "tavrosk");
    if (!file_write(copy.c_str(), Bytes(program.begin(), program.end())) || chmod(copy.c_str(), 0755) != 0)
        return ::testing::AssertionFailure() << "cannot copy the program to " << copy;
    // The suite's data set, first-run settings and all: the game writes its log and settings
    // into the copy.
    const std::string data = test_data_set_dir() + "/data";
    if (!std::filesystem::exists(data + "/dat00.dat"))
        return ::testing::AssertionFailure() << TEST_NO_DATA_SET;
    std::error_code error;
    std::filesystem::copy(data, game_path(run, "data"), std::filesystem::copy_options::recursive, error);
    if (error)
        return ::testing::AssertionFailure() << "cannot copy " << data << ": " << error.message();
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
    ::testing::AssertionResult display = test_display_start();
    if (!display)
        return display;
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
    // The story fades out and the title in from black; it takes no keys until it is up.
    if (step)
        step = game_wait_settled(run, FADE_WAIT_MS);
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
        // A test program that dies takes its server with it.
        prctl(PR_SET_PDEATHSIG, SIGKILL);
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
    if (display != &program_display)
        own_displays_running++;
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
    if (display != &program_display)
        own_displays_running--;
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

// Whether the newest screenshot is written to its end: the game may still be writing it when
// the file shows up, and a JPEG ends with its end-of-image marker.
static bool screenshot_complete(const std::string &path)
{
    std::string bytes = test_read_file(path);
    return bytes.size() > 2 && static_cast<u8>(bytes[bytes.size() - 2]) == 0xFF &&
           static_cast<u8>(bytes[bytes.size() - 1]) == 0xD9;
}

::testing::AssertionResult game_wait_screenshots(const GameRun *run, size_t count, double seconds)
{
    auto start = std::chrono::steady_clock::now();
    for (;;) {
        std::vector<std::string> shots = game_screenshots(run);
        if (shots.size() >= count && screenshot_complete(shots.back()))
            break;
        if (seconds_since(start) > seconds)
            return ::testing::AssertionFailure() << "only " << game_screenshots(run).size() << " of " << count
                                                 << " screenshots after " << seconds << " s";
        sleep_ms(POLL_MS);
    }
    return ::testing::AssertionSuccess();
}

// ---- what the window shows --------------------------------------------------------------
// The game's window by its title on this program's display; 0 when there is none.
static Window game_window(Display *display)
{
    Window root = DefaultRootWindow(display), parent, *children = nullptr;
    unsigned count = 0;
    Window found = 0;
    if (!XQueryTree(display, root, &root, &parent, &children, &count))
        return 0;
    for (unsigned i = 0; i < count && !found; i++) {
        char *name = nullptr;
        XWindowAttributes attributes;
        if (XFetchName(display, children[i], &name) && name && !strcmp(name, "Tavrosk") &&
            XGetWindowAttributes(display, children[i], &attributes) && attributes.map_state == IsViewable)
            found = children[i];
        if (name)
            XFree(name);
    }
    if (children)
        XFree(children);
    return found;
}

// Mean brightness (0..255) of the game's window; -1 when there is no window to read.
static double screen_light()
{
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return -1.0;
    Window window = game_window(display);
    XWindowAttributes attributes;
    XImage *image = nullptr;
    if (window && XGetWindowAttributes(display, window, &attributes) && attributes.width > 0)
        image = XGetImage(display, window, 0, 0, attributes.width, attributes.height, AllPlanes, ZPixmap);
    double light = -1.0;
    if (image) {
        // Every other pixel of every other row is plenty for a mean.
        double sum = 0;
        long count = 0;
        for (int y = 0; y < image->height; y += 2)
            for (int x = 0; x < image->width; x += 2, count++) {
                unsigned long p = XGetPixel(image, x, y);
                sum += ((p >> 16 & 0xFF) + (p >> 8 & 0xFF) + (p & 0xFF)) / 3.0;
            }
        light = count ? sum / count : -1.0;
        XDestroyImage(image);
    }
    XCloseDisplay(display);
    return light;
}

::testing::AssertionResult game_wait_settled(GameRun *run, int at_least_ms, double seconds)
{
    sleep_ms(at_least_ms);
    auto start = std::chrono::steady_clock::now();
    std::vector<double> recent;
    double last_mean = 0, last_change = 0;
    while (seconds_since(start) < seconds) {
        if (!game_running(run))
            return ::testing::AssertionFailure() << "the game ended (status " << run->exit_status
                                                 << ") before its screen settled" << run_report(run);
        last_mean = screen_light();
        recent.push_back(last_mean);
        if (recent.size() > SETTLED_SAMPLES)
            recent.erase(recent.begin());
        auto [low, high] = std::minmax_element(recent.begin(), recent.end());
        last_change = *high - *low;
        bool steady = recent.size() == SETTLED_SAMPLES && last_change <= SETTLED_CHANGE * *high + 1.0;
        if (steady && last_mean >= SETTLED_LIGHT)
            return ::testing::AssertionSuccess();
        sleep_ms(SETTLED_SAMPLE_MS);
    }
    return ::testing::AssertionFailure() << "the screen did not settle in " << seconds << " s (brightness "
                                         << last_mean << ", last change " << last_change << ")" << run_report(run);
}

::testing::AssertionResult game_screenshot(GameRun *run, size_t count, int settle_ms)
{
    ::testing::AssertionResult settled = game_wait_settled(run, settle_ms);
    if (!settled)
        return settled;
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
