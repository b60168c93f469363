// The gallery's twenty-three pictures: the twelve fighters drawn from their figures in an
// action pose inside an arena, with the game's own model and arena drawing; the ten gods and
// the panorama of Polyphemus painted as the story paints, each god with its attributes. Every
// picture is composed on its own, so that paging shows a new picture and not a new colour.
// A contact sheet of all of them is written beside the figures' sheets.
#include "tools/databuild/databuild.h"
#include "tools/databuild/figures/figure_render.h"
#include "tools/databuild/figures/scene_figures.h"
#include "tools/databuild/pictures/scene_render.h"
#include "tools/databuild/pictures/vase_painting.h"

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

// ---- the gods, in the story's painting -------------------------------------------------------
static VaseFigure god(f32 x, f32 foot, f32 h, f32 facing, VaseHeadgear head, bool robe, VaseItem front,
                      VaseItem back, f32 front_raise, f32 back_raise)
{
    return VaseFigure{x, foot, h, facing, head, robe, false, front, back, front_raise, back_raise};
}

static void waves_paint(VaseScene &s, f32 y, f32 x0, f32 x1, int count, VaseInk ink)
{
    f32 step = (x1 - x0) / count;
    for (int k = 0; k < count; k++) {
        f32 x = x0 + step * (k + 0.5f);
        vase_ring(s, x, y, step * 0.42f, step * 0.12f, ink);
        vase_ellipse(s, x, y - step * 0.45f, step * 0.55f, step * 0.25f, 0, VASE_GLAZE);   // the lower half goes
    }
}

// A bird in flight seen from the side, `size` across, its head toward `facing`: the far wing
// (in shadow on a clay bird), the body, head and golden beak, the fanned tail, the near wing,
// both wings raised in a V.
static void bird_paint(VaseScene &s, f32 x, f32 y, f32 size, f32 facing, VaseInk ink)
{
    f32 u = size * 0.5f;
    VaseInk far = ink == VASE_CLAY ? VASE_DARK_CLAY : ink;
    vase_triangle(s, x - u * 0.05f, y + u * 0.05f, x + facing * u * 0.4f, y + u * 0.05f, x + facing * u * 0.35f,
                  y + u * 0.95f, far);
    vase_ellipse(s, x, y, u * 0.7f, u * 0.22f, 0, ink);
    vase_ellipse(s, x + facing * u * 0.75f, y + u * 0.1f, u * 0.2f, u * 0.17f, 0, ink);
    vase_triangle(s, x + facing * u * 0.9f, y + u * 0.15f, x + facing * u * 1.15f, y + u * 0.02f,
                  x + facing * u * 0.9f, y, VASE_GOLD);
    vase_triangle(s, x - facing * u * 0.6f, y, x - facing * u * 1.1f, y + u * 0.25f, x - facing * u * 1.1f,
                  y - u * 0.2f, ink);
    vase_triangle(s, x - u * 0.15f, y + u * 0.1f, x + facing * u * 0.3f, y + u * 0.1f, x - facing * u * 0.5f,
                  y + u * 1.1f, ink);
}

// Apollo at the left with his lyre under a great sun; laurel at his feet.
static VaseScene apollo_scene()
{
    VaseScene s;
    vase_sun(s, 0.42f, 0.4f, 0.22f);
    for (int k = 0; k < 5; k++)
        vase_ellipse(s, -0.1f + 0.16f * k, -0.74f + 0.03f * (k % 2), 0.09f, 0.04f, 0.5f * (k % 2 ? 1 : -1), VASE_DARK_CLAY);
    vase_figure(s, god(-0.45f, -0.8f, 1.45f, 1, HEADGEAR_HAIR, true, ITEM_LYRE, ITEM_NONE, 0.2f, -0.3f));
    vase_capsule(s, -0.95f, -0.8f, 0.95f, -0.8f, 0.02f, VASE_CLAY);
    return s;
}

// Artemis running to the left, bow drawn, under a crescent moon among the trees.
static VaseScene artemis_scene()
{
    VaseScene s;
    vase_ellipse(s, -0.55f, 0.55f, 0.2f, 0.2f, 0, VASE_WHITE);
    vase_ellipse(s, -0.47f, 0.6f, 0.18f, 0.18f, 0, VASE_GLAZE);   // the moon's dark part
    for (int k = 0; k < 3; k++) {
        f32 x = 0.35f + 0.25f * k, h = 0.9f + 0.2f * (k % 2);
        vase_capsule(s, x, -0.8f, x, -0.8f + h, 0.035f, VASE_DARK_CLAY);
        vase_ellipse(s, x, -0.8f + h, 0.16f, 0.28f, 0, VASE_DARK_CLAY);
    }
    vase_figure(s, god(-0.1f, -0.8f, 1.35f, -1, HEADGEAR_HAIR, false, ITEM_BOW, ITEM_NONE, 0.35f, 0.3f));
    // The hound running ahead of her.
    vase_ellipse(s, -0.68f, -0.6f, 0.2f, 0.07f, 0, VASE_CLAY);
    vase_ellipse(s, -0.9f, -0.52f, 0.06f, 0.05f, 0, VASE_CLAY);
    vase_capsule(s, -0.8f, -0.62f, -0.9f, -0.78f, 0.02f, VASE_CLAY);
    vase_capsule(s, -0.56f, -0.62f, -0.46f, -0.78f, 0.02f, VASE_CLAY);
    return s;
}

// Athena armed, centred before a temple front, her owl on a column at the right.
static VaseScene athena_scene()
{
    VaseScene s;
    vase_triangle(s, -0.85f, 0.35f, 0.85f, 0.35f, 0.0f, 0.62f, VASE_DARK_CLAY);
    for (int k = 0; k < 6; k++) {
        f32 x = -0.75f + 0.3f * k;
        vase_capsule(s, x, -0.8f, x, 0.32f, 0.05f, VASE_DARK_CLAY);
    }
    vase_figure(s, god(-0.05f, -0.8f, 1.5f, 1, HEADGEAR_HELMET, true, ITEM_SPEAR, ITEM_SHIELD, 0.5f, -0.1f));
    vase_capsule(s, 0.7f, -0.8f, 0.7f, -0.25f, 0.07f, VASE_DARK_CLAY);
    vase_capsule(s, 0.6f, -0.24f, 0.8f, -0.24f, 0.03f, VASE_DARK_CLAY);
    vase_ellipse(s, 0.7f, -0.08f, 0.1f, 0.14f, 0, VASE_CLAY);   // the owl
    vase_ellipse(s, 0.66f, -0.02f, 0.03f, 0.03f, 0, VASE_GOLD);
    vase_ellipse(s, 0.74f, -0.02f, 0.03f, 0.03f, 0, VASE_GOLD);
    return s;
}

// Demeter at the right over a field of ripe wheat, a torch raised, the sheaves all along the
// ground.
static VaseScene demeter_scene()
{
    VaseScene s;
    vase_figure(s, god(0.45f, -0.55f, 1.35f, -1, HEADGEAR_CROWN, true, ITEM_STAFF, ITEM_NONE, 0.1f, 0.0f));
    vase_ellipse(s, 0.3f, 0.33f, 0.06f, 0.1f, 0, VASE_GOLD);   // the torch's flame
    for (int k = 0; k < 14; k++) {
        f32 x = -0.9f + 0.135f * k, top = -0.25f - 0.12f * paint_hash(k, 3, 5);
        vase_capsule(s, x, -0.8f, x + 0.03f, top, 0.012f, VASE_GOLD);
        for (int g = 0; g < 3; g++)
            vase_ellipse(s, x + 0.03f, top + 0.05f * g, 0.025f, 0.04f, 0.3f, VASE_GOLD);
    }
    return s;
}

// Phobos, fear: a dark warrior charging in from the right with a gorgon-faced shield, two
// small men fleeing before him.
static VaseScene phobos_scene()
{
    VaseScene s;
    vase_figure(s, god(0.35f, -0.8f, 1.6f, -1, HEADGEAR_HELMET, false, ITEM_SHIELD, ITEM_SWORD, 0.2f, 0.8f));
    constexpr f32 FACE_X = -0.066f, FACE_Y = 0.381f;   // the shield's middle, where his hand holds it
    vase_ellipse(s, FACE_X, FACE_Y, 0.1f, 0.1f, 0, VASE_WHITE);   // the staring face on the shield
    vase_ellipse(s, FACE_X - 0.035f, FACE_Y + 0.02f, 0.018f, 0.018f, 0, VASE_GLAZE);
    vase_ellipse(s, FACE_X + 0.035f, FACE_Y + 0.02f, 0.018f, 0.018f, 0, VASE_GLAZE);
    vase_capsule(s, FACE_X - 0.04f, FACE_Y - 0.045f, FACE_X + 0.04f, FACE_Y - 0.045f, 0.012f, VASE_GLAZE);
    vase_figure(s, god(-0.5f, -0.8f, 0.7f, -1, HEADGEAR_NONE, false, ITEM_NONE, ITEM_NONE, 0.9f, 0.9f));
    vase_figure(s, god(-0.8f, -0.8f, 0.6f, -1, HEADGEAR_NONE, false, ITEM_NONE, ITEM_NONE, 0.8f, 1.0f));
    return s;
}

// Aphrodite rising on a shell from the waves, doves at both shoulders.
static VaseScene aphrodite_scene()
{
    VaseScene s;
    for (int k = 0; k < 7; k++) {
        f32 a = (0.15f + 0.7f * k / 6.0f) * 3.14159265f;
        vase_capsule(s, 0.0f, -0.62f, std::cos(a) * 0.5f, -0.62f + std::sin(a) * 0.32f, 0.05f, VASE_WHITE);
    }
    vase_figure(s, god(0.0f, -0.58f, 1.2f, 1, HEADGEAR_HAIR, true, ITEM_NONE, ITEM_NONE, 0.7f, 0.7f));
    for (int side : {-1, 1})
        bird_paint(s, side * 0.6f, 0.42f, 0.3f, -static_cast<f32>(side), VASE_WHITE);
    waves_paint(s, -0.72f, -1.0f, 1.0f, 8, VASE_CLAY);
    return s;
}

// Hades enthroned at the left with his bident, three-headed Cerberus at his feet, the fire of
// his halls behind.
static VaseScene hades_scene()
{
    VaseScene s;
    for (int k = 0; k < 6; k++)
        vase_triangle(s, 0.1f + 0.15f * k, -0.8f, 0.22f + 0.15f * k, -0.8f, 0.16f + 0.15f * k,
                      -0.4f + 0.2f * paint_hash(k, 7, 3), VASE_GOLD);
    vase_quad(s, -0.85f, -0.8f, -0.35f, -0.8f, -0.35f, -0.2f, -0.85f, -0.2f, VASE_DARK_CLAY);   // the throne
    vase_capsule(s, -0.85f, -0.2f, -0.85f, 0.45f, 0.05f, VASE_DARK_CLAY);
    vase_figure(s, god(-0.55f, -0.55f, 1.15f, 1, HEADGEAR_BEARD, true, ITEM_BIDENT, ITEM_NONE, 0.2f, -0.4f));
    vase_ellipse(s, 0.15f, -0.55f, 0.25f, 0.12f, 0, VASE_CLAY);
    for (int k = 0; k < 3; k++) {
        f32 a = 0.6f + 0.5f * k;
        vase_capsule(s, 0.3f, -0.5f, 0.3f + std::cos(a) * 0.25f, -0.5f + std::sin(a) * 0.3f, 0.04f, VASE_CLAY);
        vase_ellipse(s, 0.3f + std::cos(a) * 0.3f, -0.5f + std::sin(a) * 0.34f, 0.07f, 0.05f, 0, VASE_CLAY);
    }
    for (f32 x : {0.0f, 0.3f})
        vase_capsule(s, x, -0.6f, x, -0.8f, 0.03f, VASE_CLAY);
    return s;
}

// Hera at the right with her sceptre, her peacock's tail fanned across the left.
static VaseScene hera_scene()
{
    VaseScene s;
    for (int k = 0; k < 9; k++) {
        f32 a = (0.1f + 0.8f * k / 8.0f) * 3.14159265f;
        f32 x = -0.35f + std::cos(a) * 0.55f, y = -0.55f + std::sin(a) * 0.85f;
        vase_capsule(s, -0.35f, -0.55f, x, y, 0.02f, VASE_DARK_CLAY);
        vase_ellipse(s, x, y, 0.08f, 0.08f, 0, VASE_GOLD);
        vase_ellipse(s, x, y, 0.035f, 0.035f, 0, VASE_GLAZE);
    }
    vase_ellipse(s, -0.35f, -0.6f, 0.14f, 0.1f, 0, VASE_CLAY);   // the bird
    vase_capsule(s, -0.25f, -0.55f, -0.2f, -0.3f, 0.03f, VASE_CLAY);
    vase_ellipse(s, -0.19f, -0.27f, 0.04f, 0.035f, 0, VASE_CLAY);
    vase_figure(s, god(0.55f, -0.8f, 1.5f, -1, HEADGEAR_CROWN, true, ITEM_STAFF, ITEM_NONE, 0.3f, -0.2f));
    return s;
}

// Poseidon striding out of the sea with his trident held high, a dolphin leaping behind.
static VaseScene poseidon_scene()
{
    VaseScene s;
    // The dolphin leaping over the waves at the left: body, beak, fin and tail.
    vase_ellipse(s, -0.5f, 0.05f, 0.26f, 0.08f, -0.5f, VASE_DARK_CLAY);
    vase_capsule(s, -0.3f, -0.07f, -0.22f, -0.16f, 0.025f, VASE_DARK_CLAY);
    vase_triangle(s, -0.55f, 0.1f, -0.45f, 0.12f, -0.55f, 0.24f, VASE_DARK_CLAY);
    vase_triangle(s, -0.72f, 0.17f, -0.86f, 0.3f, -0.8f, 0.1f, VASE_DARK_CLAY);
    vase_ellipse(s, -0.33f, -0.02f, 0.015f, 0.015f, 0, VASE_GLAZE);
    vase_figure(s, god(0.1f, -0.6f, 1.4f, 1, HEADGEAR_BEARD, false, ITEM_NONE, ITEM_NONE, 0.9f, -0.3f));
    f32 hx = 0.1f + 0.31f, hy = -0.6f + 1.4f * 0.72f;   // the raised hand
    vase_capsule(s, hx - 0.05f, hy - 0.7f, hx + 0.05f, hy + 0.55f, 0.018f, VASE_GOLD);
    vase_capsule(s, hx - 0.06f, hy + 0.5f, hx + 0.16f, hy + 0.52f, 0.018f, VASE_GOLD);
    for (f32 t : {-0.06f, 0.05f, 0.16f})
        vase_capsule(s, hx + t, hy + 0.51f, hx + t + 0.01f, hy + 0.68f, 0.016f, VASE_GOLD);
    for (int row = 0; row < 3; row++)
        waves_paint(s, -0.65f - 0.08f * row, -1.0f + 0.07f * row, 1.0f, 9 - row, row % 2 ? VASE_CLAY : VASE_WHITE);
    return s;
}

// Zeus on the peak of Olympus, hurling a bolt down at the earth; his eagle above.
static VaseScene zeus_scene()
{
    VaseScene s;
    vase_triangle(s, -1.0f, -0.8f, 0.6f, -0.8f, -0.2f, -0.1f, VASE_DARK_CLAY);
    vase_figure(s, god(-0.2f, -0.15f, 0.95f, 1, HEADGEAR_BEARD, true, ITEM_BOLT, ITEM_STAFF, 0.9f, 0.0f));
    // The bolt's path down to the right.
    const f32 path[][2] = {{0.3f, 0.6f}, {0.5f, 0.25f}, {0.4f, 0.15f}, {0.7f, -0.35f}, {0.6f, -0.42f}, {0.85f, -0.78f}};
    for (int k = 0; k + 1 < static_cast<int>(std::size(path)); k++)
        vase_capsule(s, path[k][0], path[k][1], path[k + 1][0], path[k + 1][1], 0.03f, VASE_GOLD);
    bird_paint(s, 0.6f, 0.55f, 0.45f, -1, VASE_CLAY);   // the eagle
    vase_clouds(s, -0.55f, 3, 9);
    return s;
}

// The panorama: Polyphemus on his cliff at the left heaving a rock at Odysseus's ship, which
// rows away over the sea at the right.
static VaseScene polyphemus_panorama()
{
    VaseScene s;
    vase_quad(s, -1.2f, -0.8f, -0.35f, -0.8f, -0.5f, -0.35f, -1.2f, -0.28f, VASE_DARK_CLAY);
    VaseFigure giant = god(-0.8f, -0.32f, 1.0f, 1, HEADGEAR_ONE_EYE, false, ITEM_NONE, ITEM_NONE, 1.0f, 1.0f);
    giant.large = true;
    vase_figure(s, giant);
    vase_ellipse(s, -0.78f, 0.72f, 0.24f, 0.11f, 0.1f, VASE_DARK_CLAY);   // the rock held over his head
    vase_ellipse(s, -0.84f, 0.76f, 0.07f, 0.03f, 0.1f, VASE_CLAY);
    // The ship: hull, mast, sail and a row of oars.
    vase_quad(s, 0.25f, -0.5f, 1.05f, -0.5f, 0.95f, -0.65f, 0.35f, -0.65f, VASE_CLAY);
    vase_capsule(s, 1.05f, -0.5f, 1.12f, -0.35f, 0.025f, VASE_CLAY);
    vase_capsule(s, 0.65f, -0.5f, 0.65f, 0.15f, 0.018f, VASE_CLAY);
    vase_quad(s, 0.45f, 0.1f, 0.85f, 0.1f, 0.82f, -0.3f, 0.48f, -0.3f, VASE_WHITE);
    for (int k = 0; k < 6; k++)
        vase_capsule(s, 0.38f + 0.11f * k, -0.57f, 0.32f + 0.11f * k, -0.74f, 0.012f, VASE_CLAY);
    for (int k = 0; k < 4; k++)
        vase_ellipse(s, 0.45f + 0.15f * k, -0.45f, 0.035f, 0.05f, 0, VASE_DARK_CLAY);   // the crew's heads
    waves_paint(s, -0.76f, -0.35f, 1.2f, 9, VASE_WHITE);
    return s;
}

// The painted pictures by entry; the scenes are made for a square picture and fitted to their own.
struct PaintedPicture {
    const char *entry;
    VaseScene (*scene)();
    int width;
};
static const PaintedPicture painted_pictures[] = {
    {"galeria/poli2.jpg", polyphemus_panorama, GALLERY_WIDE},
    {"galeria/apolo.jpg", apollo_scene, GALLERY_SIDE},
    {"galeria/artemisa.jpg", artemis_scene, GALLERY_SIDE},
    {"galeria/atenea.jpg", athena_scene, GALLERY_SIDE},
    {"galeria/demeter.jpg", demeter_scene, GALLERY_SIDE},
    {"galeria/fobos.jpg", phobos_scene, GALLERY_SIDE},
    {"galeria/aphrodite.jpg", aphrodite_scene, GALLERY_SIDE},
    {"galeria/hades.jpg", hades_scene, GALLERY_SIDE},
    {"galeria/hera.jpg", hera_scene, GALLERY_SIDE},
    {"galeria/poseidon.jpg", poseidon_scene, GALLERY_SIDE},
    {"galeria/zeus.jpg", zeus_scene, GALLERY_SIDE},
};
static_assert(std::size(painted_pictures) + CHARACTER_COUNT == GALLERY_PICTURES, "every gallery picture, once");

static PaintCanvas painted_picture(const PaintedPicture &row)
{
    for (int i = 0; i < gallery_scene_count; i++) {
        if (strcmp(gallery_scenes[i].entry, row.entry) != 0)
            continue;
        std::vector<u8> rgba;
        if (scene_render(&gallery_scenes[i], row.width, GALLERY_SIDE, &SCENE_WHOLE, false, &rgba))
            return canvas_of_rgba(rgba, row.width, GALLERY_SIDE);
    }
    VaseScene scene = row.scene();
    f32 aspect = static_cast<f32>(row.width) / GALLERY_SIDE;
    vase_fit(scene, aspect);
    return vase_paint(scene, row.width, GALLERY_SIDE);
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
    for (const PaintedPicture &row : painted_pictures)
        if (!gallery_add(&made, row.entry, painted_picture(row)))
            return 0;
    return gallery_sheet_write(made, data_dir);
}

PaintCanvas gallery_shop_tile(int side)
{
    VaseScene scene = zeus_scene();
    vase_fit(scene, 1.0f);
    PaintCanvas tile = vase_paint(scene, side, side);
    frame_paint(tile);
    return tile;
}
