// tavrosk-bench: the start-up, fight load, logic tick, frame, archive and memory costs, each
// printed beside a baseline measured in the same run, so that figures from a loaded machine
// still compare; and beside the goal each must meet. Run on demand (build/tavrosk-bench);
// never part of the test suite.
#include "arenas/arenas.h"
#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "platform/platform.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/fake_audio.h"
#include "support/gl_context.h"

#include <GL/gl.h>
#include <algorithm>
#include <allegro.h>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <minizip/unzip.h>
#include <string>
#include <vector>

namespace {

constexpr int TICKS_TIMED = 3000;        // fight ticks behind the tick's median and p99
constexpr int TICKS_WARM_UP = 300;       // fight ticks before any is timed
constexpr int FRAMES_TIMED = 100;        // frames behind each frame median
constexpr int FRAMES_WARM_UP = 10;
constexpr int SCREEN_TICKS_LIMIT = 2000; // ticks a screen change may take before the bench gives up

// The size of the window or pbuffer the frames are drawn in; --size sets it.
int bench_width = GL_TEST_WIDTH, bench_height = GL_TEST_HEIGHT;

// Ends the run, saying why; the game's shutdown is not run.
void fail(const char *what)
{
    fprintf(stderr, "tavrosk-bench: %s\n", what);
    fflush(stdout);
    _exit(1);
}

// ---- timing ---------------------------------------------------------------------------------

double now_ms()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The calling thread's CPU time, in ms: unlike the wall time, it does not count the waits for
// a core on a busy machine.
double thread_cpu_ms()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) * 1000.0 + static_cast<double>(now.tv_nsec) / 1e6;
}

// --cpu: every timing is the main thread's CPU time, and the software renderer draws in that
// thread, so that two builds compare on a machine busy with other work.
bool cpu_clock = false;

double time_ms(const std::function<void()> &work)
{
    double start = cpu_clock ? thread_cpu_ms() : now_ms();
    work();
    return (cpu_clock ? thread_cpu_ms() : now_ms()) - start;
}

// A single run's wall time and the calling thread's CPU time, in ms.
struct Span {
    double wall_ms, cpu_ms;
};

Span time_span(const std::function<void()> &work)
{
    double cpu = thread_cpu_ms();
    double wall = time_ms(work);
    return {wall, thread_cpu_ms() - cpu};
}

// The value at fraction `at` (0.5 the median, 0.99 the p99) of sorted timings.
double percentile(std::vector<double> times, double at)
{
    if (times.empty())
        return 0;
    std::sort(times.begin(), times.end());
    size_t index = static_cast<size_t>(at * static_cast<double>(times.size() - 1) + 0.5);
    return times[index];
}

// The median of `runs` timings of `work`, in ms.
double median_ms(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; i++)
        times.push_back(time_ms(work));
    return percentile(times, 0.5);
}

// Peak resident memory so far (VmHWM), in MB; 0 when /proc does not say.
double peak_resident_mb()
{
    FILE *status = fopen("/proc/self/status", "r");
    if (!status)
        return 0;
    char line[256];
    double kb = 0;
    while (fgets(line, sizeof line, status))
        if (sscanf(line, "VmHWM: %lf", &kb) == 1)
            break;
    fclose(status);
    return kb / 1024.0;
}

// ---- the table ------------------------------------------------------------------------------

// A goal is a ceiling on the figure itself, or on its ratio to the baseline.
enum GoalKind { GOAL_NONE, GOAL_AT_MOST, GOAL_RATIO_AT_MOST };

struct Row {
    std::string what;
    double value;
    const char *baseline;
    double base_value;
    const char *unit;          // "ms", "us" or "MB", for both figures
    GoalKind goal_kind;
    double goal;
    bool per_size = false;     // one of the rows --sizes prints for every resolution
};

void print_header()
{
    printf("%-46s %12s   %-32s %12s %7s   %-13s %s\n", "measured", "figure", "baseline (same run)", "figure",
           "ratio", "goal", "");
}

void print_row(const Row &row)
{
    double ratio = row.base_value > 0 ? row.value / row.base_value : 0.0;
    char goal[32] = "";
    const char *verdict = "";
    if (row.goal_kind == GOAL_AT_MOST) {
        snprintf(goal, sizeof goal, "<= %g %s", row.goal, row.unit);
        verdict = row.value <= row.goal ? "ok" : "over";
    } else if (row.goal_kind == GOAL_RATIO_AT_MOST) {
        snprintf(goal, sizeof goal, "<= x%g", row.goal);
        verdict = ratio <= row.goal ? "ok" : "over";
    }
    char base[64] = "";
    if (row.base_value > 0)
        snprintf(base, sizeof base, "%9.2f %-2s %6.1fx", row.base_value, row.unit, ratio);
    printf("%-46s %9.2f %-2s   %-32s %-20s   %-13s %s\n", row.what.c_str(), row.value, row.unit, row.baseline, base, goal,
           verdict);
}

// ---- the archive ----------------------------------------------------------------------------

// Every entry of the archive read once by name, as the loaders read them.
void read_every_entry(const std::string &root, const std::vector<std::string> &names)
{
    ArchiveHandle archive = archive_open((root + "/data/dat00.dat").c_str());
    for (const std::string &name : names) {
        u8 *data;
        u32 size;
        if (archive_read_entry(archive, name.c_str(), &data, &size))
            free(data);
    }
    archive_close(archive);
}

std::vector<std::string> entry_names(const std::string &root)
{
    std::vector<std::string> names;
    unzFile zip = unzOpen((root + "/data/dat00.dat").c_str());
    for (int at = zip ? unzGoToFirstFile(zip) : UNZ_EOF; at == UNZ_OK; at = unzGoToNextFile(zip)) {
        char name[512];
        unz_file_info info;
        if (unzGetCurrentFileInfo(zip, &info, name, sizeof name, nullptr, 0, nullptr, 0) == UNZ_OK)
            names.push_back(name);
    }
    if (zip)
        unzClose(zip);
    return names;
}

// ---- the game's set-up, screens and fight -----------------------------------------------------

// What the engine start leaves for the loader: the settings the data builder shipped, the
// capabilities Mesa offers (multitexture and its unit count, ARB combine, env-add), the glow
// buffers and the GL state of the game's window, here the 640 x 480 surfaceless one.
void engine_start_stand_in(const std::string &root)
{
    config_load((root + "/data/qx.cfg").c_str());
    screen_width = bench_width;
    screen_height = bench_height;
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &gl_max_texture_size);
    picture_library_start();
    fake_audio_install();
    draw_caps_set(true, 2, true);
    // As the engine start reads them: the title draws its back layers in one pass with three.
    glGetIntegerv(GL_MAX_TEXTURE_UNITS, &texture_units);
    draw_glow_setup();
    gl_init_state();
}

// One logic tick and the frame's own steps (the menus read their confirms there), undrawn.
void tick_and_frame_step()
{
    game_tick();
    frame_step();
}

// Ticks the game until `done` holds; false when it never did.
bool tick_until(const std::function<bool()> &done)
{
    for (int t = 0; t < SCREEN_TICKS_LIMIT; t++) {
        if (done())
            return true;
        tick_and_frame_step();
    }
    return done();
}

// Player one presses START on the title's first item: the title fades out into the character
// select, as the game's own flow goes.
bool enter_character_select()
{
    int start_key = scancode_to_library(bind_key_start[0]);
    key[start_key] = 1;
    tick_and_frame_step();
    key[start_key] = 0;
    return tick_until([] { return game_state == STATE_CHARACTER_SELECT && fade_mode == FADE_NONE; });
}

// Jason against Jason in Athens, loaded by the fight load's own loading tick as after a versus
// stage select; returns the tick's times.
Span fight_load_tick()
{
    game_mode = GAME_MODE_VERSUS;
    p1_character = p2_character = CHARACTER_JASON;
    p1_alt_color = 0;
    p2_alt_color = 1;
    stage_select_cursor = 0;   // the Acropolis tile
    fight_load_phase = 2;
    TickFlow flow = TICK_CONTINUES;
    Span span = time_span([&] { flow = fight_load(FIGHT_LOAD_STAGE_SELECT); });
    if (flow == TICK_ENDS)
        fail("the fight load failed");
    return span;
}

// The round intro played out; then neither side is a player's, both are the computer's. The
// tune stops: the stand-in audio always has a buffer free, so every tick would decode some
// of it, where a sound card asks for one now and then.
bool fight_between_computers()
{
    if (!tick_until([] { return game_state == STATE_FIGHT; }))
        return false;
    game_mode = GAME_MODE_PROFILE_P1;
    cpu_opponents_reset();
    music_stop();
    return true;
}

// One logic tick of the fight; a knock-out or the clock ends nothing: the round starts again.
void fight_tick_once()
{
    game_tick();
    if (fighter_knocked_out() || game_state != STATE_FIGHT) {
        reset_round();
        round_intro_timer = 0.0f;
        fade_mode = FADE_NONE;
        game_state = STATE_FIGHT;
    }
}

// In a real window the frame ends with the swap (the game's draw_frame swaps), which a software
// renderer pays for by copying the picture to the X server: the empty frame pays it too. It
// clears as the game's frames clear.
void empty_frame()
{
    view_clear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    gl_window_swap();
    glFinish();
}

void game_frame()
{
    draw_frame();
    glFinish();
}

// Medians of the screen's frame and of an empty frame, timed in turns; each frame follows
// one logic tick (untimed), as the main loop runs them.
struct FrameCost {
    double frame_ms, empty_ms;
};

FrameCost frame_cost(const std::function<void()> &tick)
{
    std::vector<double> frames, empties;
    for (int f = 0; f < FRAMES_WARM_UP + FRAMES_TIMED; f++) {
        tick();
        double empty = time_ms(empty_frame);
        double frame = time_ms(game_frame);
        if (f < FRAMES_WARM_UP)
            continue;
        empties.push_back(empty);
        frames.push_back(frame);
    }
    // Other work on the machine only ever adds to a frame's CPU time: its low end is the steady figure.
    double at = cpu_clock ? 0.1 : 0.5;
    return {percentile(frames, at), percentile(empties, at)};
}

// The fight tick's timings in µs, and copying both figures' rest poses as many times (the
// floor under the skinning that the tick redoes for both figures), timed in turns with them.
struct TickCost {
    double median_us, p99_us, base_median_us, base_p99_us;
};

void rest_poses_copy()
{
    model_copy_rest_pose(fighter_models[0]);
    model_copy_rest_pose(fighter_models[1]);
}

// The hit pass reads the posed figures: after each copy both are posed again as the tick
// left them, untimed, so that the copies change nothing in the fight.
TickCost tick_cost()
{
    std::vector<double> ticks, copies;
    for (int t = 0; t < TICKS_WARM_UP; t++)
        fight_tick_once();
    for (int t = 0; t < TICKS_TIMED; t++) {
        ticks.push_back(1000 * time_ms(fight_tick_once));
        copies.push_back(1000 * time_ms(rest_poses_copy));
        fight_side_skin(0);
        fight_side_skin(1);
    }
    return {percentile(ticks, 0.5), percentile(ticks, 0.99), percentile(copies, 0.5), percentile(copies, 0.99)};
}

// The game's own window (AllegroGL on the X display), made as the game makes it, with the swap
// interval at 0 so that no frame waits for the screen.
bool window_context_current()
{
    if (!allegro_start())
        return false;
    set_color_depth(32);
    if (!gl_window_create("tavrosk-bench", bench_width, bench_height, 32, 24, 8, 0))
        return false;
    for (SwapControlKind kind : {SWAP_CONTROL_EXT, SWAP_CONTROL_MESA})
        if (swap_control_init(kind)) {
            swap_interval_set(0);
            break;
        }
    return true;
}

// What the command line asks for.
struct BenchArgs {
    bool in_window = false;
    bool every_size = false;   // --sizes: the per-size rows for each of the launcher's resolutions
    bool size_rows = false;    // --size-rows: this run prints only its per-size rows (for --sizes)
};

void usage_fail()
{
    fail("usage: tavrosk-bench [--window] [--cpu] [--size WxH | --sizes]");
}

BenchArgs bench_args(int argc, char **argv)
{
    BenchArgs args;
    for (int i = 1; i < argc; i++) {
        if (strcmp(argv[i], "--window") == 0)
            args.in_window = true;
        else if (strcmp(argv[i], "--cpu") == 0)
            cpu_clock = true;
        else if (strcmp(argv[i], "--sizes") == 0)
            args.every_size = true;
        else if (strcmp(argv[i], "--size-rows") == 0)
            args.size_rows = true;
        else if (strcmp(argv[i], "--size") == 0 && i + 1 < argc) {
            if (sscanf(argv[++i], "%dx%d", &bench_width, &bench_height) != 2 || bench_width < 64 ||
                bench_height < 64 || bench_width > 4096 || bench_height > 4096)
                usage_fail();
        } else
            usage_fail();
    }
    return args;
}

// --sizes: each of the launcher's resolutions is measured by a run of its own, so that every
// memory peak starts from its own bare window; the rows come back through a pipe.
int bench_every_size(const char *self, const BenchArgs &args)
{
    printf("tavrosk-bench --sizes (%s; medians; each figure beside the empty frame or bare %s of the same "
           "size)\n", args.in_window ? "the game's window" : "EGL surfaceless, no swap",
           args.in_window ? "window" : "context");
    print_header();
    int failures = 0;
    for (u8 index = 0; index < video_list_sizes[VIDEO_LIST_RESOLUTION]; index++) {
        resolution_index = index;
        screen_size_from_resolution();
        char command[1024];
        snprintf(command, sizeof command, "'%s' --size %dx%d --size-rows%s%s", self, screen_width, screen_height,
                 args.in_window ? " --window" : "", cpu_clock ? " --cpu" : "");
        fflush(stdout);
        FILE *child = popen(command, "r");
        char line[512];
        while (child && fgets(line, sizeof line, child))
            fputs(line, stdout);
        if (!child || pclose(child) != 0) {
            printf("%dx%d: the run failed\n", screen_width, screen_height);
            failures++;
        }
    }
    fflush(stdout);
    return failures ? 1 : 0;
}

// The goal of the frame with every option on: 60 frames a second on the largest screens, and
// a ratio at the smallest, where the empty frame is cheap enough for the ratio to mean much.
void every_pass_goal(Row *row)
{
    if (bench_width <= 640) {
        row->goal_kind = GOAL_RATIO_AT_MOST;
        row->goal = 6;
    } else {
        row->goal_kind = GOAL_AT_MOST;
        row->goal = 16.7;
    }
}

}  // namespace

int main(int argc, char **argv)
{
    BenchArgs args = bench_args(argc, argv);
    if (args.every_size)
        return bench_every_size(argv[0], args);
    // llvmpipe's rasteriser threads would do the drawing out of the timed thread's sight.
    if (cpu_clock)
        setenv("LP_NUM_THREADS", "0", 1);
    std::string root = data_set_copy("bench");
    if (root.empty())
        fail("no data set");
    gl_test_context_size(bench_width, bench_height);
    bool in_window = args.in_window;
    if (in_window ? !window_context_current() : !gl_test_context_current())
        fail(in_window ? "no GL window on the X display" : "no EGL surfaceless GL context");
    engine_start_stand_in(root);
    double bare_mb = peak_resident_mb();
    const char *empty_name = in_window ? "empty frame (clear + swap)" : "empty frame (clear + finish)";
    const char *bare_name = in_window ? "bare GL window" : "bare GL context";
    std::vector<Row> rows;

    std::vector<std::string> names = entry_names(root);
    double open_ms = median_ms(21, [&] { archive_close(archive_open((root + "/data/dat00.dat").c_str())); });
    double all_ms = median_ms(5, [&] { read_every_entry(root, names); });
    const char *open_base = "archive open + close";
    rows.push_back({"archive: every entry read", all_ms, open_base, open_ms, "ms", GOAL_NONE, 0});

    Span startup = time_span([&] {
        if (data_set_load(root) != 1)
            fail("the start-up failed");
    });
    rows.push_back({"start-up to the title", startup.wall_ms, open_base, open_ms, "ms", GOAL_AT_MOST, 250});
    double title_mb = peak_resident_mb();

    FrameCost title = frame_cost(game_tick);
    rows.push_back({"title frame", title.frame_ms, empty_name, title.empty_ms, "ms",
                    GOAL_RATIO_AT_MOST, 3, true});
    if (!enter_character_select())
        fail("the title did not lead to the character select");
    FrameCost select = frame_cost(game_tick);
    rows.push_back({"character select frame", select.frame_ms, empty_name, select.empty_ms,
                    "ms", GOAL_RATIO_AT_MOST, 4, true});

    Span load = fight_load_tick();
    rows.push_back({"fight load (Jason, Jason, Athens)", load.wall_ms, open_base, open_ms, "ms", GOAL_AT_MOST, 80});
    double load_mb = peak_resident_mb();
    if (!fight_between_computers())
        fail("the round intro never ended");

    // Skinning is most of a fight tick: side one's figure posed by its own skeleton.
    double skin_ms = median_ms(201, [] { model_skin(fighter_models[0], fighter_skeletons[0]); });
    double rest_ms = median_ms(201, [] { model_copy_rest_pose(fighter_models[0]); });
    rows.push_back({"skinning Jason's figure", skin_ms * 1000, "copying its rest pose", rest_ms * 1000, "us",
                    GOAL_NONE, 0});

    TickCost tick = tick_cost();
    const char *copy_base = "copying both rest poses";
    rows.push_back({"fight tick, computer v computer, median", tick.median_us, copy_base, tick.base_median_us,
                    "us", GOAL_AT_MOST, 50});
    rows.push_back({"fight tick, p99", tick.p99_us, copy_base, tick.base_p99_us, "us", GOAL_NONE, 0});

    FrameCost fight = frame_cost(fight_tick_once);
    rows.push_back({"fight frame", fight.frame_ms, empty_name, fight.empty_ms, "ms",
                    GOAL_RATIO_AT_MOST, 4.5, true});
    double fight_mb = peak_resident_mb();
    // The options the shipped settings leave off add passes of their own: the glow's small
    // pre-pass and its read-back, the shadows thrown on the arena, the blood. Timed after the
    // peak in a fight is read, so that the peak stays the shipped settings'.
    u8 shipped_glow = glow_effect, shipped_shadows = shadow_quality, shipped_blood = blood;
    glow_effect = 1;
    shadow_quality = 1;
    blood = 255;
    FrameCost every_pass = frame_cost(fight_tick_once);
    glow_effect = shipped_glow;
    shadow_quality = shipped_shadows;
    blood = shipped_blood;
    Row every_pass_row = {"fight frame, glow, shadows, blood on", every_pass.frame_ms, empty_name,
                          every_pass.empty_ms, "ms", GOAL_NONE, 0, true};
    every_pass_goal(&every_pass_row);
    rows.push_back(every_pass_row);

    rows.push_back({"peak resident at the title", title_mb, bare_name, bare_mb, "MB", GOAL_NONE, 0});
    rows.push_back({"peak resident after the fight load", load_mb, bare_name, bare_mb, "MB", GOAL_NONE, 0});
    rows.push_back({"peak resident in a fight", fight_mb, bare_name, bare_mb, "MB", GOAL_AT_MOST, 115});
    // The goal's own split: a bare window of 89 MB leaves the game 26 MB of the 115.
    rows.push_back({"peak in a fight above the bare one", fight_mb - bare_mb, "", 0, "MB", GOAL_AT_MOST, 26,
                    true});

    if (args.size_rows) {
        for (Row &row : rows)
            if (row.per_size) {
                char size[32];
                snprintf(size, sizeof size, "%dx%d ", bench_width, bench_height);
                row.what = size + row.what;
                print_row(row);
            }
        fflush(stdout);
        _exit(0);
    }
    printf("tavrosk-bench (software GL where Mesa gives llvmpipe, %d x %d, %s; medians)\n", bench_width,
           bench_height, in_window ? "the game's window" : "EGL surfaceless, no swap");
    printf("renderer: %s; shipped settings: %s shadows, glow %s, blood %s\n",
           reinterpret_cast<const char *>(glGetString(GL_RENDERER)), shadow_quality ? "projected" : "blob",
           glow_effect ? "on" : "off", blood ? "on" : "off");
    print_header();
    for (const Row &row : rows)
        print_row(row);
    printf("(%zu archive entries; %d fight ticks timed, %d frames per screen after %d)\n", names.size(),
           TICKS_TIMED, FRAMES_TIMED, FRAMES_WARM_UP);
    if (cpu_clock)
        printf("(--cpu: the times are the main thread's CPU time, the renderer drawing in it, frames at their "
               "tenth percentile; the goals do not apply)\n");
    printf("(single runs, with the main thread's CPU time, which leaves out waits for a core: start-up %.1f ms "
           "of CPU, fight load %.1f ms of CPU)\n", startup.cpu_ms, load.cpu_ms);
    fflush(stdout);
    // The game's own shutdown is not part of what is measured.
    _exit(0);
}
