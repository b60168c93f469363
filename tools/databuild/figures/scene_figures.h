// scene_figures.h: the figures of the painted scenes (pictures/scene.h), loaded ready to draw
// with figure_render_draw*: a fighter from its archive entries, or a figure drawn only in
// pictures (a god, a townsman, a dog) made with the figure kit in memory; each in a move's key
// or in a scene pose. Used by the scene renderer in tools/databuild/pictures/ and by the
// contact sheets.
//
// Use:
//   figure_render_start();
//   FigureModel figure;
//   if (scene_figure_load(&row.figures[i], archive_entries, &figure)) {
//       ... figure_render_draw(&figure, &shot, &rgba) ...  // posed, standing at the origin
//       figure_render_free(&figure);
//   }
#pragma once

#include "tools/databuild/figures/figure_look.h"
#include "tools/databuild/figures/figure_render.h"
#include "tools/databuild/pictures/scene.h"

#include <vector>

// Loads figure `f` (its who, outfit, and action and key or pose; not its place, heading or
// scale, which are the scene's) posed, into `out`, standing at the origin facing -y. A fighter
// comes from the archive's entries, in its move's key, or in the scene pose on a skeleton of
// its rig made in memory (the Sphinx and the Hydra stand at ease for any pose but lying, where
// they lie knocked out); a figure of the pictures only from entries built in memory, never
// added to the archive. False after a message, with nothing held.
bool scene_figure_load(const SceneFigure *f, const std::vector<ZipEntry> &archive_entries, FigureModel *out);

// The key of the fighter's first block of `action` at `at` of the way through it; the rest
// pose (0) when the fighter has no such block.
int fighter_shot_key(const CharacterModule *module, i32 action, f32 at);

// ---- the figure kit's side (figures/) ------------------------------------------------------
// A figure drawn only in pictures: the name its scratch entries take, its look and its build.
struct PictureFigure {
    const char *name;
    const FigureLook *look;
    FigureStyle style;
};
// By SceneWho - WHO_PICTURE_FIRST (figures/picture_figures.cpp).
extern const PictureFigure picture_figures[];

// The looks, a table each: the Olympians in figures/picture_looks_gods.cpp, the other powers
// in picture_looks_powers.cpp, the mortals and the dog in picture_looks_mortals.cpp.
extern const FigureLook look_zeus, look_hera, look_apollo, look_artemis, look_hades, look_hermes, look_hephaestus,
    look_athena, look_poseidon, look_demeter, look_aphrodite, look_phobos, look_clotho, look_lachesis;
extern const FigureLook look_penelope, look_andromeda, look_galatea, look_medea, look_amazon, look_shepherd,
    look_child, look_man, look_woman, look_elder, look_dog;

// figures/scene_poses.cpp: a scene pose on a rig of this build (the dog's four-legged rig
// only stands or lies down), its shift in a 20-unit figure's measure.
FigurePose scene_pose(ScenePose pose, const FigureStyle &style);

// A picture figure's model and a skeleton whose key 1 + p holds scene pose p, as entries
// "<name>.emd" and "<name>.esq" (for the contact sheets' record of the cast and its tests).
void picture_figure_cast(int who, std::vector<ZipEntry> *out);
