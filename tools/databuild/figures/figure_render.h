// figure_render.h: pictures of the fighters' figures drawn offscreen by the game's own
// loaders and model drawer, for the builder's portraits, icons and contact sheets; used by
// tools/databuild/.
//
// Use:
//   figure_render_start();                         // once: the display-less GL context
//   FigureSource source;
//   figure_source_of(id, alternate, &source);      // or fill the entry names by hand
//   FigureModel figure;
//   figure_render_load(&figure, &source, archive_entries);
//   figure_render_pose(&figure, key);              // 0: the rest pose
//   FigureShot shot = {...};                       // size, camera, light
//   std::vector<u8> rgba;
//   figure_render_draw(&figure, &shot, &rgba);     // rows from the top, alpha 0 off the figure
//   figure_render_free(&figure);
// Several figures and props in one picture, in an arena or on a clear ground, go through
// figure_render_draw_scene (the scene pictures of tools/databuild/pictures/scene_render.cpp).
#pragma once

#include "engine/engine.h"
#include "tools/writers/writers.h"

constexpr int FIGURE_RENDER_MAX = 512;          // largest picture side, pixels
constexpr int FIGURE_RENDER_SKINS = SKIN_SLOT_SIZE;

// The archive entries one figure reads: its model, its skeleton and its skin pictures by the
// model's texture index (null where the figure has none). Names as the archive holds them.
struct FigureSource {
    const char *model;
    const char *skeleton;
    const char *skins[FIGURE_RENDER_SKINS];
};

// A figure loaded into the offscreen context: the game's model, one skeleton block and the
// skins' GL textures. Owned by the caller; figure_render_free releases it.
struct FigureModel {
    Model *model;
    Skeleton skeleton;
    u32 skins[FIGURE_RENDER_SKINS];
};

// One picture of a figure. World units, z up; the figure stands at the origin with its front
// toward -y, so an eye at (0, -d, h) sees its face.
struct FigureShot {
    int width, height;     // the picture, 1..FIGURE_RENDER_MAX pixels each
    f32 eye[3];            // camera position
    f32 centre[3];         // the point looked at, drawn at the picture's middle
    f32 fov_y;             // vertical field of view, degrees
    f32 light[3];          // direction toward the key light (need not be unit length)
    f32 ambient;           // light 0's ambient level, 0..1
    f32 diffuse;           // light 0's diffuse level, 0..1
};

// Makes the display-less GL context (Mesa's surfaceless EGL platform) current, once; returns
// false after a message on stderr when the machine has none.
bool figure_render_start();

// The entries of character `id`'s figure in a colour set (alternate 0 or 1), from its own
// load list, as the fight loads them.
void figure_source_of(int id, int alternate, FigureSource *source);

// Loads a figure with the game's own readers from the named entries of `entries` (the
// builder's archive so far). Returns true, or false after a message with nothing held.
bool figure_render_load(FigureModel *figure, const FigureSource *source, const std::vector<ZipEntry> &entries);

// Poses the model at one key of its skeleton (0 is the rest pose).
void figure_render_pose(FigureModel *figure, int key);

// The posed model's bounds, model space.
void figure_render_bounds(const FigureModel *figure, f32 lo[3], f32 hi[3]);

// Where a bone's joint stands in the current pose (model space); the origin for a bone the
// skeleton does not have.
void figure_render_joint(FigureModel *figure, int bone, f32 out[3]);

// Draws the posed figure as the shot says into shot->width x shot->height RGBA bytes, rows
// from the top, on a clear ground (alpha 0). Drawn at twice the size and averaged down, so
// the edges are smooth.
void figure_render_draw(const FigureModel *figure, const FigureShot *shot, std::vector<u8> *rgba);

void figure_render_free(FigureModel *figure);

// An arena loaded into the offscreen context for a figure to stand in: the game's model, its
// scenery skeleton at rest and its pictures by slot, read from the named entries as a fight
// loads them. Owned by the caller; figure_arena_free releases it.
struct FigureArena {
    i32 stage;                          // StageId
    Model *model;
    Skeleton skeleton;
    u32 textures[STAGE_TEXTURE_SLOTS];
};
bool figure_arena_load(FigureArena *arena, int stage, const std::vector<ZipEntry> &entries);
void figure_arena_free(FigureArena *arena);

// As figure_render_draw, with the figure placed in the arena and the arena (unlit, as its
// lightmaps would light it on a card with one texture unit) and its sky behind: every pixel
// the arena or the sky covers is opaque.
void figure_render_draw_in_arena(const FigureModel *figure, const ModelPlacement *placement, const FigureShot *shot,
                                 const FigureArena *arena, std::vector<u8> *rgba);

// Several figures (and props, loaded as figures) in one picture, each at its placement; in
// the arena when one is given (each figure then casts a soft shadow of shadow_radius on its
// floor, none when 0), else on a clear ground.
struct FigureInScene {
    const FigureModel *figure;
    ModelPlacement placement;
    f32 shadow_radius;      // world units
};
void figure_render_draw_scene(const FigureInScene *figures, int count, const FigureShot *shot, const FigureArena *arena,
                              std::vector<u8> *rgba);

// Scales the posed model about its own origin (its feet), for a figure drawn larger or
// smaller than its own size; pose it first, since posing rewrites the positions.
void figure_render_scale(FigureModel *figure, f32 scale);
