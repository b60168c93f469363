// The figures' contact sheets, written beside the data set (figure-sheets/): per fighter,
// front, side and back in the rest pose and in three action poses; the select's Atropos; one
// sheet of every fighter from the front in both colour sets; one of every fighter lying
// knocked out; and one of the figures drawn only in the painted scenes (with their models
// and posed skeletons, cast.dat). Drawn from the archive's
// entries with the game's own readers and model drawing, so that anyone can look at every
// figure at once.
#include "tools/databuild/databuild.h"
#include "tools/databuild/figures/figure_render.h"
#include "tools/databuild/figures/scene_figures.h"

#include "characters/characters.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <sys/stat.h>

constexpr int SHEET_CELL_W = 200, SHEET_CELL_H = 250;
constexpr int SHEET_COLUMNS = 6, SHEET_ROWS = 2;
constexpr int OVERVIEW_CELL_W = 100, OVERVIEW_CELL_H = 200;
constexpr int SHEET_QUALITY = 90;
constexpr f32 SHEET_FOV = 30.0f;         // degrees, vertical
constexpr f32 SHEET_MARGIN = 1.3f;       // room round the rest pose for the actions' reach
constexpr f32 SHEET_AMBIENT = 0.35f, SHEET_DIFFUSE = 0.6f;   // together about an arena's light
static const u8 sheet_background[3] = {70, 90, 110};
// The knock-out sheet: a column per fighter, a row per view; the ground line's colour.
constexpr int KNOCKOUT_CELL_W = 160, KNOCKOUT_CELL_H = 160, KNOCKOUT_VIEWS = 3;
constexpr f32 KNOCKOUT_ELEVATION = 40.0f;   // degrees, the view from above at three quarters
static const u8 knockout_ground[3] = {35, 45, 55};

// The action poses shown: the middle key of the first block of the first three of these
// actions that the fighter has.
static const ActionId sheet_actions[] = {ACTION_HARD_SWING, ACTION_KICK, ACTION_JUMP, ACTION_LOW_SWING,
                                         ACTION_CROUCH};
constexpr int SHEET_POSES = 4;   // the rest pose and three actions

struct Sheet {
    int width, height;
    std::vector<u8> rgb;
};

static Sheet sheet_new(int width, int height)
{
    Sheet s = {width, height, {}};
    for (int i = 0; i < width * height; i++)
        s.rgb.insert(s.rgb.end(), {sheet_background[0], sheet_background[1], sheet_background[2]});
    return s;
}

// Lays a drawn cell on the sheet over its ground, by the cell's alpha.
static void sheet_put(Sheet *s, int x0, int y0, int w, int h, const std::vector<u8> &rgba)
{
    for (int y = 0; y < h; y++)
        for (int x = 0; x < w; x++) {
            const u8 *p = &rgba[(static_cast<size_t>(y) * w + x) * 4];
            u8 *q = &s->rgb[(static_cast<size_t>(y0 + y) * s->width + x0 + x) * 3];
            for (int k = 0; k < 3; k++)
                q[k] = static_cast<u8>((p[k] * p[3] + q[k] * (255 - p[3])) / 255);
        }
}

static bool sheet_write(const Sheet &s, const std::string &path)
{
    std::vector<u8> rgba;
    for (size_t i = 0; i < s.rgb.size(); i += 3)
        rgba.insert(rgba.end(), {s.rgb[i], s.rgb[i + 1], s.rgb[i + 2], 255});
    Bytes jpeg;
    return jpeg_write(jpeg, s.width, s.height, rgba.data(), SHEET_QUALITY) && file_write(path.c_str(), jpeg);
}

// A shot framing the figure's rest bounds, seen from the front (0), its left side (1) or its
// back (2).
static FigureShot sheet_shot(const f32 lo[3], const f32 hi[3], int view, int w, int h)
{
    f32 centre[3] = {(lo[0] + hi[0]) * 0.5f, (lo[1] + hi[1]) * 0.5f, (lo[2] + hi[2]) * 0.5f};
    f32 frame = std::max(hi[2] - lo[2], std::max(hi[0] - lo[0], hi[1] - lo[1])) * SHEET_MARGIN;
    f32 d = frame * 0.5f / std::tan(SHEET_FOV * 0.5f * 3.14159265f / 180.0f);
    static const f32 directions[3][2] = {{0, -1}, {1, 0}, {0, 1}};
    FigureShot shot = {w, h, {centre[0] + directions[view][0] * d, centre[1] + directions[view][1] * d, centre[2]},
                       {centre[0], centre[1], centre[2]}, SHEET_FOV, {-0.4f, -1.0f, 0.8f}, SHEET_AMBIENT, SHEET_DIFFUSE};
    return shot;
}

// The front shot turned `yaw` degrees round toward the figure's left and raised `up` degrees
// to look down on it.
static FigureShot sheet_shot_turned(const f32 lo[3], const f32 hi[3], int w, int h, f32 yaw, f32 up)
{
    FigureShot shot = sheet_shot(lo, hi, 0, w, h);
    f32 d = shot.centre[1] - shot.eye[1];
    f32 a = yaw * 3.14159265f / 180.0f, b = up * 3.14159265f / 180.0f;
    f32 level = d * std::cos(b);
    shot.eye[0] = shot.centre[0] + level * std::sin(a);
    shot.eye[1] = shot.centre[1] - level * std::cos(a);
    shot.eye[2] = shot.centre[2] + d * std::sin(b);
    return shot;
}

// Three quarters between the front and the figure's left, from above.
static FigureShot sheet_shot_above(const f32 lo[3], const f32 hi[3], int w, int h)
{
    return sheet_shot_turned(lo, hi, w, h, 45.0f, KNOCKOUT_ELEVATION);
}

// A line across a cell at the height where a level shot sees the ground (z = 0) at the
// depth of the point it looks at.
static void sheet_ground_line(Sheet *s, int x0, int y0, int w, int h, const FigureShot &shot)
{
    f32 d = std::sqrt((shot.eye[0] - shot.centre[0]) * (shot.eye[0] - shot.centre[0]) +
                      (shot.eye[1] - shot.centre[1]) * (shot.eye[1] - shot.centre[1]));
    f32 frame = 2.0f * d * std::tan(shot.fov_y * 0.5f * 3.14159265f / 180.0f);
    int row = static_cast<int>(h * 0.5f + shot.centre[2] * h / frame + 0.5f);
    if (row < 0 || row >= h)
        return;
    for (int x = 0; x < w; x++) {
        u8 *q = &s->rgb[(static_cast<size_t>(y0 + row) * s->width + x0 + x) * 3];
        q[0] = knockout_ground[0];
        q[1] = knockout_ground[1];
        q[2] = knockout_ground[2];
    }
}

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
    keys[count++] = 0;
    for (ActionId action : sheet_actions) {
        int key = sheet_action_key(module, action);
        if (key > 0 && count < SHEET_POSES)
            keys[count++] = key;
    }
    while (count < SHEET_POSES)
        keys[count++] = 0;
}

// One figure's sheet: each pose a run of front, side and back, two poses a line.
static bool figure_sheet(const FigureSource *source, const CharacterModule *module, const std::string &path)
{
    FigureModel figure;
    if (!figure_render_load(&figure, source, archive_entries))
        return false;
    f32 lo[3], hi[3];
    figure_render_pose(&figure, 0);
    figure_render_bounds(&figure, lo, hi);
    int keys[SHEET_POSES];
    sheet_poses(module, keys);
    Sheet sheet = sheet_new(SHEET_COLUMNS * SHEET_CELL_W, SHEET_ROWS * SHEET_CELL_H);
    std::vector<u8> cell;
    for (int pose = 0; pose < SHEET_POSES; pose++) {
        figure_render_pose(&figure, keys[pose]);
        for (int view = 0; view < 3; view++) {
            int at = pose * 3 + view;
            FigureShot shot = sheet_shot(lo, hi, view, SHEET_CELL_W, SHEET_CELL_H);
            figure_render_draw(&figure, &shot, &cell);
            sheet_put(&sheet, (at % SHEET_COLUMNS) * SHEET_CELL_W, (at / SHEET_COLUMNS) * SHEET_CELL_H, SHEET_CELL_W,
                      SHEET_CELL_H, cell);
        }
    }
    figure_render_free(&figure);
    return sheet_write(sheet, path);
}

// Every fighter from the front in the rest pose, the first colour set above the second.
static bool overview_sheet(const std::string &path)
{
    Sheet sheet = sheet_new(CHARACTER_COUNT * OVERVIEW_CELL_W, 2 * OVERVIEW_CELL_H);
    std::vector<u8> cell;
    for (int outfit = 0; outfit < 2; outfit++)
        for (int id = 0; id < CHARACTER_COUNT; id++) {
            FigureSource source;
            figure_source_of(id, outfit, &source);
            FigureModel figure;
            if (!figure_render_load(&figure, &source, archive_entries))
                return false;
            f32 lo[3], hi[3];
            figure_render_pose(&figure, 0);
            figure_render_bounds(&figure, lo, hi);
            FigureShot shot = sheet_shot(lo, hi, 0, OVERVIEW_CELL_W, OVERVIEW_CELL_H);
            figure_render_draw(&figure, &shot, &cell);
            sheet_put(&sheet, id * OVERVIEW_CELL_W, outfit * OVERVIEW_CELL_H, OVERVIEW_CELL_W, OVERVIEW_CELL_H, cell);
            figure_render_free(&figure);
        }
    return sheet_write(sheet, path);
}

// The last key of the fighter's knock-out, where it lies until the round ends; 0 when it has none.
static int knockout_key(const CharacterModule *module)
{
    for (int i = 0; i < module->sequence.block_count; i++)
        if (module->sequence.blocks[i].action == ACTION_KO)
            return module->sequence.blocks[i].hi;
    return 0;
}

// One fighter's column of the knock-out sheet: from its left side (as the fight's camera sees
// a fighter), from the front and from above; the level views over a ground line.
static bool knockout_column(Sheet *sheet, int id)
{
    FigureSource source;
    figure_source_of(id, 0, &source);
    FigureModel figure;
    if (!figure_render_load(&figure, &source, archive_entries))
        return false;
    figure_render_pose(&figure, knockout_key(character_modules[id]));
    f32 lo[3], hi[3];
    figure_render_bounds(&figure, lo, hi);
    lo[2] = std::min(lo[2], 0.0f);
    std::vector<u8> cell;
    for (int view = 0; view < KNOCKOUT_VIEWS; view++) {
        FigureShot shot = view == 2 ? sheet_shot_above(lo, hi, KNOCKOUT_CELL_W, KNOCKOUT_CELL_H)
                                    : sheet_shot(lo, hi, 1 - view, KNOCKOUT_CELL_W, KNOCKOUT_CELL_H);
        int x0 = id * KNOCKOUT_CELL_W, y0 = view * KNOCKOUT_CELL_H;
        if (view < 2)
            sheet_ground_line(sheet, x0, y0, KNOCKOUT_CELL_W, KNOCKOUT_CELL_H, shot);
        figure_render_draw(&figure, &shot, &cell);
        sheet_put(sheet, x0, y0, KNOCKOUT_CELL_W, KNOCKOUT_CELL_H, cell);
    }
    figure_render_free(&figure);
    return true;
}

static bool knockout_sheet(const std::string &path)
{
    Sheet sheet = sheet_new(CHARACTER_COUNT * KNOCKOUT_CELL_W, KNOCKOUT_VIEWS * KNOCKOUT_CELL_H);
    for (int id = 0; id < CHARACTER_COUNT; id++)
        if (!knockout_column(&sheet, id))
            return false;
    return sheet_write(sheet, path);
}

// ---- the cast of the painted scenes ----------------------------------------------------------
// Each figure drawn only in pictures at ease and in two poses the scenes ask of it, each from
// the front and at three quarters, framed alike; two figures a row.
constexpr int CAST_CELL_W = 200, CAST_CELL_H = 270;
constexpr int CAST_POSES = 3, CAST_PER_ROW = 2;
constexpr f32 CAST_YAW = 40.0f, CAST_UP = 8.0f;   // the three-quarter view, degrees
constexpr f32 CAST_MARGIN = 1.08f;

static const ScenePose cast_poses[WHO_PICTURE_COUNT][2] = {
    {SCENE_RAISE, SCENE_ENTHRONED},   // Zeus
    {SCENE_ENTHRONED, SCENE_SPEAK},   // Hera
    {SCENE_SPEAK, SCENE_SIT},         // Apollo
    {SCENE_DRAW_BOW, SCENE_WALK},     // Artemis
    {SCENE_ENTHRONED, SCENE_POINT},   // Hades
    {SCENE_WALK, SCENE_SPEAK},        // Hermes
    {SCENE_HAMMER, SCENE_WALK},       // Hephaestus
    {SCENE_RAISE, SCENE_STRIKE},      // Athena
    {SCENE_RAISE, SCENE_STRIKE},      // Poseidon
    {SCENE_SPEAK, SCENE_WALK},        // Demeter
    {SCENE_EMBRACE, SCENE_SIT},       // Aphrodite
    {SCENE_STRIKE, SCENE_RAISE},      // Phobos
    {SCENE_SPIN, SCENE_SIT},          // Clotho
    {SCENE_MEASURE, SCENE_SPEAK},     // Lachesis
    {SCENE_SPIN, SCENE_EMBRACE},      // Penelope
    {SCENE_KNEEL, SCENE_EMBRACE},     // Andromeda
    {SCENE_EMBRACE, SCENE_WALK},      // Galatea
    {SCENE_POINT, SCENE_SPEAK},       // Medea
    {SCENE_THROW, SCENE_STRIKE},      // the Amazon
    {SCENE_WALK, SCENE_SIT},          // the shepherd
    {SCENE_CHEER, SCENE_FLEE},        // the child
    {SCENE_BOW_DOWN, SCENE_LIE},      // the man
    {SCENE_FLEE, SCENE_CHEER},        // the woman
    {SCENE_SPEAK, SCENE_KNEEL},       // the elder
    {SCENE_LIE, SCENE_WALK},          // the dog
};

// A cell's shot drawn in to the bounds' height, or their width where that is the wider for
// the cell.
static FigureShot cast_shot(const f32 lo[3], const f32 hi[3], int view)
{
    FigureShot shot = view == 0 ? sheet_shot(lo, hi, 0, CAST_CELL_W, CAST_CELL_H)
                                : sheet_shot_turned(lo, hi, CAST_CELL_W, CAST_CELL_H, CAST_YAW, CAST_UP);
    f32 across = std::max(hi[0] - lo[0], hi[1] - lo[1]);
    f32 framed = std::max(hi[2] - lo[2], across) * SHEET_MARGIN;
    f32 wanted = std::max(hi[2] - lo[2], across * CAST_CELL_H / CAST_CELL_W) * CAST_MARGIN;
    for (int k = 0; k < 3; k++)
        shot.eye[k] = shot.centre[k] + (shot.eye[k] - shot.centre[k]) * wanted / framed;
    return shot;
}

static bool cast_row(Sheet *sheet, int who)
{
    FigureModel figures[CAST_POSES];
    ScenePose poses[CAST_POSES] = {SCENE_STAND, cast_poses[who - WHO_PICTURE_FIRST][0],
                                   cast_poses[who - WHO_PICTURE_FIRST][1]};
    f32 lo[3] = {1e9f, 1e9f, 0}, hi[3] = {-1e9f, -1e9f, -1e9f};
    for (int i = 0; i < CAST_POSES; i++) {
        SceneFigure f = {static_cast<u8>(who), poses[i], -1, 0, 0, 0, 0, 1, 0};
        if (!scene_figure_load(&f, archive_entries, &figures[i])) {
            for (int k = 0; k < i; k++)
                figure_render_free(&figures[k]);
            return false;
        }
        f32 a[3], b[3];
        figure_render_bounds(&figures[i], a, b);
        for (int k = 0; k < 3; k++) {
            lo[k] = std::min(lo[k], a[k]);
            hi[k] = std::max(hi[k], b[k]);
        }
    }
    int at = who - WHO_PICTURE_FIRST;
    int x0 = (at % CAST_PER_ROW) * CAST_POSES * 2 * CAST_CELL_W, y0 = (at / CAST_PER_ROW) * CAST_CELL_H;
    std::vector<u8> cell;
    for (int i = 0; i < CAST_POSES; i++) {
        for (int view = 0; view < 2; view++) {
            FigureShot shot = cast_shot(lo, hi, view);
            figure_render_draw(&figures[i], &shot, &cell);
            sheet_put(sheet, x0 + (i * 2 + view) * CAST_CELL_W, y0, CAST_CELL_W, CAST_CELL_H, cell);
        }
        figure_render_free(&figures[i]);
    }
    return true;
}

static bool cast_sheet(const std::string &path)
{
    int rows = (WHO_PICTURE_COUNT + CAST_PER_ROW - 1) / CAST_PER_ROW;
    Sheet sheet = sheet_new(CAST_PER_ROW * CAST_POSES * 2 * CAST_CELL_W, rows * CAST_CELL_H);
    for (int who = WHO_PICTURE_FIRST; who < WHO_COUNT; who++)
        if (!cast_row(&sheet, who))
            return false;
    return sheet_write(sheet, path);
}

// The cast's models and skeletons (scene pose p in key 1 + p) beside the sheets, for the
// tests to pose and measure: the figures are never in the archive.
static bool cast_record(const std::string &path)
{
    std::vector<ZipEntry> entries;
    for (int who = WHO_PICTURE_FIRST; who < WHO_COUNT; who++)
        picture_figure_cast(who, &entries);
    return zip_write(path.c_str(), entries);
}

static bool sheets_draw(const std::string &folder)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        FigureSource source;
        figure_source_of(id, 0, &source);
        const CharacterModule *module = character_modules[id];
        if (!figure_sheet(&source, module, folder + "/" + module->directory + ".jpg"))
            return false;
    }
    FigureSource select;
    figure_source_of(CHARACTER_ATROPOS, 0, &select);
    select.model = "atropo/atroposel.emd";
    select.skeleton = "atropo/atroposel.esq";
    if (!figure_sheet(&select, &atropos_module, folder + "/select.jpg"))
        return false;
    return overview_sheet(folder + "/all.jpg") && knockout_sheet(folder + "/knockouts.jpg") &&
           cast_sheet(folder + "/cast.jpg");
}

int build_contact_sheets(const char *data_dir)
{
    std::string folder = std::string(data_dir) + "/../figure-sheets";
    mkdir(folder.c_str(), 0755);
    if (!cast_record(folder + "/cast.dat")) {
        fprintf(stderr, "databuild: cannot write the cast of the painted scenes\n");
        return 0;
    }
    // The sheets are for people to look at; a machine without an offscreen GL gets none.
    if (!figure_render_start()) {
        printf("databuild: no offscreen GL here, no contact sheets\n");
        return 1;
    }
    if (!sheets_draw(folder)) {
        fprintf(stderr, "databuild: cannot draw the contact sheets\n");
        return 0;
    }
    return 1;
}
