// The figures' contact sheets, written beside the data set (figure-sheets/): per fighter,
// front, side and back in the rest pose and in three action poses, and one sheet of every
// figure from the front in both colour sets; drawn from the built archive with the game's
// own loaders and model drawing, so that anyone can look at every figure at once.
#include "tools/databuild/databuild.h"
#include "tools/databuild/figure_render.h"

#include <cstdio>
#include <string>
#include <sys/stat.h>

constexpr int SHEET_CELL_W = 200, SHEET_CELL_H = 250;
constexpr int SHEET_COLUMNS = 6, SHEET_ROWS = 2;
constexpr int OVERVIEW_CELL_W = 100, OVERVIEW_CELL_H = 200;
constexpr int SHEET_WIDTH = 1400, SHEET_HEIGHT = 600;   // the offscreen window, room for either sheet
constexpr int SHEET_QUALITY = 90;
static const u8 sheet_background[3] = {70, 90, 110};

// The action poses shown: the middle key of the first block of each action the fighter has.
static const ActionId sheet_actions[] = {ACTION_HARD_SWING, ACTION_KICK, ACTION_JUMP, ACTION_LOW_SWING,
                                         ACTION_CROUCH};
constexpr int SHEET_POSES = 4;   // the rest pose and three actions

static int sheet_action_key(const CharacterModule *module, ActionId action)
{
    for (int i = 0; i < module->sequence.block_count; i++) {
        const SeqBlock &block = module->sequence.blocks[i];
        if (block.action == action)
            return (block.lo + block.hi) / 2;
    }
    return 0;
}

static void sheet_poses(const CharacterModule *module, int keys[SHEET_POSES])
{
    int count = 0;
    keys[count++] = -1;
    for (ActionId action : sheet_actions) {
        int key = sheet_action_key(module, action);
        if (key > 0 && count < SHEET_POSES)
            keys[count++] = key;
    }
    while (count < SHEET_POSES)
        keys[count++] = -1;
}

static bool sheet_write(const std::string &path, int width, int height)
{
    // The window is larger than a sheet: the cells lie at its bottom left, so keep those.
    std::vector<u8> window = figure_render_read(SHEET_WIDTH, SHEET_HEIGHT);
    std::vector<u8> rgba;
    for (int row = SHEET_HEIGHT - height; row < SHEET_HEIGHT; row++)
        rgba.insert(rgba.end(), window.begin() + static_cast<size_t>(row) * SHEET_WIDTH * 4,
                    window.begin() + static_cast<size_t>(row) * SHEET_WIDTH * 4 + width * 4);
    Bytes jpeg;
    return jpeg_write(jpeg, width, height, rgba.data(), SHEET_QUALITY) && file_write(path.c_str(), jpeg);
}

// One fighter's sheet: each pose a row of front, side and back, two poses a line.
static bool fighter_sheet(ArchiveHandle archive, const std::string &folder, const CharacterModule *module,
                          const char *model_entry, const char *skeleton_entry, const char *name)
{
    RenderFigure figure;
    if (!figure_render_load(archive, model_entry, skeleton_entry, module->load_steps, module->load_step_count, 0,
                            &figure))
        return false;
    int keys[SHEET_POSES];
    sheet_poses(module, keys);
    static const f32 headings[3] = {0.0f, 90.0f, 180.0f};
    for (int pose = 0; pose < SHEET_POSES; pose++) {
        figure_render_pose(&figure, keys[pose]);
        for (int view = 0; view < 3; view++) {
            int cell = pose * 3 + view;
            int x = (cell % SHEET_COLUMNS) * SHEET_CELL_W;
            int y = (SHEET_ROWS - 1 - cell / SHEET_COLUMNS) * SHEET_CELL_H;
            figure_render_draw(&figure, headings[view], sheet_background, x, y, SHEET_CELL_W, SHEET_CELL_H);
        }
    }
    figure_render_free(&figure);
    return sheet_write(folder + "/" + name + ".jpg", SHEET_COLUMNS * SHEET_CELL_W, SHEET_ROWS * SHEET_CELL_H);
}

static const LoadStep *step_of(const CharacterModule *module, LoadStepKind kind)
{
    for (int i = 0; i < module->load_step_count; i++)
        if (module->load_steps[i].kind == kind)
            return &module->load_steps[i];
    return nullptr;
}

// Every fighter from the front in the rest pose, the first colour set above the second.
static bool overview_sheet(ArchiveHandle archive, const std::string &folder)
{
    for (int outfit = 0; outfit < 2; outfit++)
        for (int id = 0; id < CHARACTER_COUNT; id++) {
            const CharacterModule *module = character_modules[id];
            RenderFigure figure;
            if (!figure_render_load(archive, step_of(module, LOAD_MODEL)->entry, step_of(module, LOAD_SKELETON)->entry,
                                    module->load_steps, module->load_step_count, outfit, &figure))
                return false;
            figure_render_pose(&figure, -1);
            figure_render_draw(&figure, 0.0f, sheet_background, id * OVERVIEW_CELL_W,
                               (1 - outfit) * OVERVIEW_CELL_H, OVERVIEW_CELL_W, OVERVIEW_CELL_H);
            figure_render_free(&figure);
        }
    return sheet_write(folder + "/all.jpg", CHARACTER_COUNT * OVERVIEW_CELL_W, 2 * OVERVIEW_CELL_H);
}

static bool sheets_draw(ArchiveHandle archive, const std::string &folder)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const CharacterModule *module = character_modules[id];
        if (!fighter_sheet(archive, folder, module, step_of(module, LOAD_MODEL)->entry,
                           step_of(module, LOAD_SKELETON)->entry, module->directory))
            return false;
    }
    if (!fighter_sheet(archive, folder, &atropos_module, "atropo/atroposel.emd", "atropo/atroposel.esq", "select"))
        return false;
    return overview_sheet(archive, folder);
}

int build_contact_sheets(const char *data_dir)
{
    std::string folder = std::string(data_dir) + "/../figure-sheets";
    mkdir(folder.c_str(), 0755);
    // The sheets are for people to look at; a machine without an offscreen GL gets none.
    if (!figure_render_start(SHEET_WIDTH, SHEET_HEIGHT)) {
        printf("databuild: no offscreen GL here, no contact sheets\n");
        figure_render_stop();
        return 1;
    }
    ArchiveHandle archive = archive_open((std::string(data_dir) + "/dat00.dat").c_str());
    bool ok = archive && sheets_draw(archive, folder);
    if (archive)
        archive_close(archive);
    figure_render_stop();
    if (!ok)
        fprintf(stderr, "databuild: cannot draw the contact sheets\n");
    return ok ? 1 : 0;
}
