// tavrosk-bench: the start-up, fight load, archive and memory costs, each printed beside a
// baseline measured in the same run, so that figures from a loaded machine still compare.
// Run on demand (build/tavrosk-bench); never part of the test suite.
#include "arenas/arenas.h"
#include "characters/characters.h"
#include "engine/engine.h"
#include "game/game.h"
#include "support/data_set.h"
#include "support/fake_audio.h"
#include "support/gl_context.h"

#include <GL/gl.h>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <minizip/unzip.h>
#include <string>
#include <vector>

namespace {

double now_ms()
{
    using namespace std::chrono;
    return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

// The median of `runs` timings of `work`, in ms.
double median_ms(int runs, const std::function<void()> &work)
{
    std::vector<double> times;
    for (int i = 0; i < runs; i++) {
        double start = now_ms();
        work();
        times.push_back(now_ms() - start);
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
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

void print_row(const char *what, double value, const char *baseline, double base_value)
{
    printf("%-34s %9.2f ms   %-28s %9.2f ms   x%.1f\n", what, value, baseline, base_value,
           base_value > 0 ? value / base_value : 0.0);
}

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

}  // namespace

int main()
{
    std::string root = data_set_copy("bench");
    if (root.empty() || !gl_test_context_current()) {
        fprintf(stderr, "tavrosk-bench: no data set or no EGL surfaceless GL context\n");
        return 1;
    }
    picture_library_start();
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &gl_max_texture_size);
    fake_audio_install();
    double bare_mb = peak_resident_mb();

    printf("tavrosk-bench (software GL where Mesa gives llvmpipe; medians)\n");
    std::vector<std::string> names = entry_names(root);
    double open_ms = median_ms(21, [&] { archive_close(archive_open((root + "/data/dat00.dat").c_str())); });
    double all_ms = median_ms(5, [&] { read_every_entry(root, names); });
    print_row("archive: every entry read", all_ms, "archive open + close", open_ms);

    double startup_ms = median_ms(1, [&] { data_set_load(root); });
    print_row("start-up to the title", startup_ms, "archive open + close", open_ms);
    double title_mb = peak_resident_mb();

    double load_ms = median_ms(1, [&] {
        load_character(CHARACTER_JASON, 0, 0);
        load_character(CHARACTER_JASON, 1, 1);
        load_arena(static_cast<StageId>(0));
    });
    print_row("fight load (Jason, Jason, arena 0)", load_ms, "archive open + close", open_ms);
    double fight_mb = peak_resident_mb();

    // Skinning is most of a fight tick: side one's figure posed by its own skeleton.
    Model *figure = fighter_models[0];
    if (figure && fighter_skeletons[0]) {
        double skin_ms = median_ms(201, [&] { model_skin(figure, fighter_skeletons[0]); });
        double rest_ms = median_ms(201, [&] { model_copy_rest_pose(figure); });
        printf("%-34s %9.1f us   %-28s %9.1f us   x%.1f\n", "skinning Jason's figure", skin_ms * 1000,
               "copying its rest pose", rest_ms * 1000, rest_ms > 0 ? skin_ms / rest_ms : 0.0);
    }

    printf("%-34s %9.1f MB   %-28s %9.1f MB\n", "peak resident at the title", title_mb,
           "bare GL context", bare_mb);
    printf("%-34s %9.1f MB   %-28s %9.1f MB\n", "peak resident after a fight load", fight_mb,
           "bare GL context", bare_mb);
    printf("(%zu archive entries)\n", names.size());
    fflush(stdout);
    // The game's own shutdown is not part of what is measured.
    _exit(0);
}
