// The gallery's twenty-three pictures: the twelve fighters drawn from their figures in an
// action pose inside an arena, with the game's own model and arena drawing; the ten gods and
// the panorama of Polyphemus rendered from their scene rows (gallery_scenes.cpp), each god
// with its attributes in a setting of its own. Every
// picture is composed on its own, so that paging shows a new picture and not a new colour.
// A contact sheet of all of them is written beside the figures' sheets.
#include "tools/databuild/databuild.h"
#include "tools/databuild/figures/figure_render.h"
#include "tools/databuild/figures/scene_figures.h"
#include "tools/databuild/pictures/scene_render.h"

#include "characters/characters.h"
#include "frontend/frontend.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>
#include <sys/stat.h>

constexpr int GALLERY_SIDE = 256;       // the square pictures
constexpr int GALLERY_WIDE = 298;       // the panorama is drawn 28 units wide against 24
constexpr int GALLERY_QUALITY = 88;
constexpr int GALLERY_FRAME = 4;        // the gold rim, pixels
constexpr int GALLERY_SHEET_COLUMNS = 6;
constexpr f32 GALLERY_DEGREES = 3.14159265f / 180.0f;

// ---- the fighters ------------------------------------------------------------------------------
// One fighter's picture: the pose, where the figure stands in its arena and how the camera
// sees it. Lengths are in figure heights; angles in degrees.
struct FighterShot {
    const char *entry;
    i32 character;       // CharacterId
    i32 stage;           // StageId: the arena behind
    i32 action;          // ActionId: the pose is a key of its first block
    f32 key_at;          // 0..1 through that block's keys
    f32 heading;         // the figure's turn about z (0: its front toward -y)
    f32 yaw;             // the camera round the figure from -y, toward +x
    f32 rise;            // the eye over the figure's middle
    f32 distance;        // the eye from the figure's middle
    f32 side, lift;      // the point looked at, beside (camera right) and over the figure's middle
    f32 fov;             // vertical field of view
    f32 light[3];        // toward the key light
};

// In the gallery's order; the figure's place in the frame, the camera's height and the arena
// change from row to row so that no two pictures share a layout.
static const FighterShot fighter_shots[] = {
    // entry                 character            stage           action                  key   head  yaw   rise   dist  side   lift   fov  light
    {"galeria/atalanta.jpg", CHARACTER_ATALANTA,  STAGE_ARCADIA,   ACTION_KICK,             0.5f, 0,    75,   0.05f, 2.1f, 0.05f, 0.05f, 32, {-0.6f, -1.0f, 0.7f}},
    {"galeria/hipolita.jpg", CHARACTER_HIPPOLYTE, STAGE_THEATRE,   ACTION_HARD_SWING,       0.6f, 25,   35,   -0.25f, 1.9f, -0.1f, 0.05f, 36, {0.7f, -0.8f, 0.6f}},
    {"galeria/jason.jpg",    CHARACTER_JASON,     STAGE_ATHENS,    ACTION_JASON_SPECIAL1,   0.5f, 0,    10,   0.3f, 2.2f, 0.0f, -0.1f, 30, {-0.4f, -1.0f, 0.9f}},
    {"galeria/odiseo.jpg",   CHARACTER_ODYSSEUS,  STAGE_CRETE,     ACTION_HARD_SWING,       0.5f, 10,   65,   0.0f, 2.0f, 0.25f, 0.1f, 34, {0.2f, -1.0f, 0.5f}},
    {"galeria/perseo.jpg",   CHARACTER_PERSEUS,   STAGE_ATHENS2,   ACTION_PERSEUS_SPECIAL1, 0.5f, -50,  -45,  -0.1f, 1.6f, -0.15f, 0.1f, 38, {-1.0f, -0.5f, 0.6f}},
    {"galeria/polifemo.jpg", CHARACTER_POLYPHEMUS, STAGE_ARCADIA,  ACTION_POLYPHEMUS_SPECIAL1, 0.5f, 15,   -10,  -0.2f, 1.7f, 0.0f, 0.1f, 40, {0.3f, -1.0f, 0.4f}},
    {"galeria/esfinge.jpg",  CHARACTER_SPHINX,    STAGE_THEBES,    ACTION_SPHINX_SPECIAL1,  0.5f, -80,  -70,  0.25f, 2.9f, 0.2f, -0.1f, 30, {-0.5f, -0.6f, 1.0f}},
    {"galeria/hidra.jpg",    CHARACTER_HYDRA,     STAGE_HADES,     ACTION_HYDRA_SPECIAL1,   0.5f, 20,   25,   0.15f, 2.5f, -0.3f, 0.05f, 36, {0.8f, -0.7f, 0.8f}},
    {"galeria/medusa.jpg",   CHARACTER_MEDUSA,    STAGE_TEMPLE,    ACTION_LOW_SWING,        0.5f, -15,  -30,  0.2f, 1.2f, 0.1f, 0.3f, 38, {-0.8f, -1.0f, 0.3f}},
    {"galeria/minotaur.jpg", CHARACTER_MINOTAUR,  STAGE_LABYRINTH, ACTION_HARD_SWING_FORWARD, 0.5f, 40, 20,   -0.1f, 2.2f, 0.3f, 0.05f, 34, {0.5f, -1.0f, 0.6f}},
    {"galeria/ares.jpg",     CHARACTER_ARES,      STAGE_TROY,      ACTION_ARES_SPECIAL1,    0.5f, -20,  0,    -0.2f, 1.5f, 0.0f, 0.12f, 40, {0.0f, -1.0f, 0.2f}},
    {"galeria/atropo.jpg",   CHARACTER_ATROPOS,   STAGE_HADES,     ACTION_ATROPOS_SPECIAL1, 0.5f, -60,  -55,  0.25f, 2.3f, -0.25f, 0.1f, 32, {-0.3f, -0.8f, 1.0f}},
};
static_assert(std::size(fighter_shots) == CHARACTER_COUNT, "one picture per fighter");

constexpr f32 GALLERY_AMBIENT = 0.35f, GALLERY_DIFFUSE = 0.6f;   // about an arena's light

// The camera of a row, framed on the posed figure's bounds.
static FigureShot fighter_camera(const FighterShot &row, const f32 lo[3], const f32 hi[3])
{
    f32 height = hi[2] - lo[2];
    f32 middle[3] = {(lo[0] + hi[0]) * 0.5f, (lo[1] + hi[1]) * 0.5f, (lo[2] + hi[2]) * 0.5f};
    f32 yaw = row.yaw * GALLERY_DEGREES;
    f32 right[2] = {std::cos(yaw), std::sin(yaw)};
    FigureShot shot = {GALLERY_SIDE, GALLERY_SIDE, {}, {}, row.fov, {row.light[0], row.light[1], row.light[2]},
                       GALLERY_AMBIENT, GALLERY_DIFFUSE};
    shot.eye[0] = middle[0] + std::sin(yaw) * row.distance * height;
    shot.eye[1] = middle[1] - std::cos(yaw) * row.distance * height;
    shot.eye[2] = middle[2] + row.rise * height;
    shot.centre[0] = middle[0] + right[0] * row.side * height;
    shot.centre[1] = middle[1] + right[1] * row.side * height;
    shot.centre[2] = middle[2] + row.lift * height;
    return shot;
}

static PaintCanvas canvas_of_rgba(const std::vector<u8> &rgba, int w, int h)
{
    PaintCanvas c = paint_canvas(w, h, paint_rgb(0, 0, 0));
    for (int i = 0; i < w * h; i++)
        c.px[i] = paint_rgb(rgba[i * 4], rgba[i * 4 + 1], rgba[i * 4 + 2]);
    return c;
}

// The fighter in its arena; false after a message when a figure or an arena cannot be read.
static bool fighter_picture(const FighterShot &row, PaintCanvas *out)
{
    FigureSource source;
    figure_source_of(row.character, 0, &source);
    FigureModel figure;
    if (!figure_render_load(&figure, &source, archive_entries))
        return false;
    FigureArena arena;
    if (!figure_arena_load(&arena, row.stage, archive_entries)) {
        figure_render_free(&figure);
        return false;
    }
    figure_render_pose(&figure, fighter_shot_key(character_modules[row.character], row.action, row.key_at));
    // The bounds are the unturned model's; it turns about its own upright axis, so its middle
    // stays where they put it.
    f32 lo[3], hi[3];
    figure_render_bounds(&figure, lo, hi);
    FigureShot shot = fighter_camera(row, lo, hi);
    const ModelPlacement placement = {0, 0, 0, 0, 0, row.heading};
    std::vector<u8> rgba;
    figure_render_draw_in_arena(&figure, &placement, &shot, &arena, &rgba);
    *out = canvas_of_rgba(rgba, shot.width, shot.height);
    figure_arena_free(&arena);
    figure_render_free(&figure);
    return true;
}

// ---- the gods and the Cyclops, from their scene rows -----------------------------------------
// Rendered by the scene renderer, the ten gods square and the panorama of Polyphemus wider.
static bool scene_picture(const SceneRow &row, int width, int height, PaintCanvas *out)
{
    std::vector<u8> rgba;
    if (!scene_render(&row, width, height, &SCENE_WHOLE, false, &rgba))
        return false;
    *out = canvas_of_rgba(rgba, width, height);
    return true;
}

static int scene_picture_width(const SceneRow &row)
{
    return strcmp(row.entry, "galeria/poli2.jpg") == 0 ? GALLERY_WIDE : GALLERY_SIDE;
}

// ---- framing, writing and the sheet ----------------------------------------------------------
// A thin gold rim with a dark inner line, as a picture hung in a hall.
static void frame_paint(PaintCanvas &c)
{
    PaintColour gold = paint_rgb(200, 160, 60), dark = paint_rgb(60, 40, 15);
    paint_rect(c, 0, 0, c.w, GALLERY_FRAME, gold, 1);
    paint_rect(c, 0, c.h - GALLERY_FRAME, c.w, c.h, gold, 1);
    paint_rect(c, 0, 0, GALLERY_FRAME, c.h, gold, 1);
    paint_rect(c, c.w - GALLERY_FRAME, 0, c.w, c.h, gold, 1);
    paint_rect(c, GALLERY_FRAME, GALLERY_FRAME, c.w - GALLERY_FRAME, GALLERY_FRAME + 1, dark, 1);
    paint_rect(c, GALLERY_FRAME, c.h - GALLERY_FRAME - 1, c.w - GALLERY_FRAME, c.h - GALLERY_FRAME, dark, 1);
    paint_rect(c, GALLERY_FRAME, GALLERY_FRAME, GALLERY_FRAME + 1, c.h - GALLERY_FRAME, dark, 1);
    paint_rect(c, c.w - GALLERY_FRAME - 1, GALLERY_FRAME, c.w - GALLERY_FRAME, c.h - GALLERY_FRAME, dark, 1);
}

struct GalleryMade {
    std::string entry;
    PaintCanvas picture;
};

static bool gallery_add(std::vector<GalleryMade> *made, const char *entry, PaintCanvas picture)
{
    frame_paint(picture);
    Bytes out;
    if (!jpeg_write(out, picture.w, picture.h, paint_bytes(picture).data(), GALLERY_QUALITY)) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry);
        return false;
    }
    archive_add(entry, out);
    made->push_back({entry, std::move(picture)});
    return true;
}

// Every picture in one sheet, in the gallery's paging order, six a row.
static bool gallery_sheet_write(const std::vector<GalleryMade> &made, const char *data_dir)
{
    static const char *const order[] = {
        "atalanta", "hipolita", "jason", "odiseo", "perseo", "polifemo", "esfinge", "hidra",
        "medusa", "minotaur", "ares", "poli2", "apolo", "artemisa", "atenea", "demeter",
        "fobos", "aphrodite", "hades", "hera", "poseidon", "zeus", "atropo"};
    static_assert(std::size(order) == GALLERY_PICTURES, "every gallery picture, once");
    constexpr int CELL_W = GALLERY_WIDE + 6, CELL_H = GALLERY_SIDE + 6;
    int rows = (static_cast<int>(std::size(order)) + GALLERY_SHEET_COLUMNS - 1) / GALLERY_SHEET_COLUMNS;
    PaintCanvas sheet = paint_canvas(GALLERY_SHEET_COLUMNS * CELL_W, rows * CELL_H, paint_rgb(40, 40, 50));
    for (int i = 0; i < static_cast<int>(std::size(order)); i++)
        for (const GalleryMade &m : made) {
            if (m.entry != std::string("galeria/") + order[i] + ".jpg")
                continue;
            int x0 = (i % GALLERY_SHEET_COLUMNS) * CELL_W + (CELL_W - m.picture.w) / 2;
            int y0 = (i / GALLERY_SHEET_COLUMNS) * CELL_H + 3;
            for (int y = 0; y < m.picture.h; y++)
                for (int x = 0; x < m.picture.w; x++)
                    sheet.px[static_cast<size_t>(y0 + y) * sheet.w + x0 + x] = m.picture.px[static_cast<size_t>(y) * m.picture.w + x];
        }
    std::string folder = std::string(data_dir) + "/../figure-sheets";
    mkdir(folder.c_str(), 0755);
    Bytes jpeg;
    std::string path = folder + "/gallery.jpg";
    if (!jpeg_write(jpeg, sheet.w, sheet.h, paint_bytes(sheet).data(), 90) || !file_write(path.c_str(), jpeg)) {
        fprintf(stderr, "databuild: cannot write %s\n", path.c_str());
        return false;
    }
    return true;
}

int gallery_pictures_build(const char *data_dir)
{
    if (!figure_render_start())
        return 0;
    std::vector<GalleryMade> made;
    for (const FighterShot &row : fighter_shots) {
        PaintCanvas picture;
        if (!fighter_picture(row, &picture) || !gallery_add(&made, row.entry, std::move(picture)))
            return 0;
    }
    if (gallery_scene_count + CHARACTER_COUNT != GALLERY_PICTURES) {
        fprintf(stderr, "databuild: the gallery's scene table has %d rows, not %d\n", gallery_scene_count,
                GALLERY_PICTURES - CHARACTER_COUNT);
        return 0;
    }
    for (int i = 0; i < gallery_scene_count; i++) {
        const SceneRow &row = gallery_scenes[i];
        PaintCanvas picture;
        if (!scene_picture(row, scene_picture_width(row), GALLERY_SIDE, &picture) ||
            !gallery_add(&made, row.entry, std::move(picture)))
            return 0;
    }
    return gallery_sheet_write(made, data_dir);
}

PaintCanvas gallery_shop_tile(int side)
{
    PaintCanvas tile = paint_canvas(side, side, paint_rgb(0, 0, 0));
    for (int i = 0; i < gallery_scene_count; i++)
        if (strcmp(gallery_scenes[i].entry, "galeria/zeus.jpg") == 0 && !scene_picture(gallery_scenes[i], side, side, &tile))
            fprintf(stderr, "databuild: the shop's gallery tile stays black\n");
    frame_paint(tile);
    return tile;
}
