// figure_render.h: draws built figures offscreen (EGL surfaceless, no window) with the game's
// own model drawing; used by the data builder's contact sheet.
#pragma once

#include "characters/characters.h"

#include <vector>

// A figure read back from the built archive with the game's loaders, with its skins.
struct RenderFigure {
    Model *model;
    Skeleton skeleton;
    u32 textures[SKIN_SLOT_SIZE];
    ModelSkin skin;
    f32 centre[3];     // the rest pose's middle, and the height that frames it
    f32 frame;
};

// Makes the offscreen context current, width x height pixels; false when none can be had.
bool figure_render_start(int width, int height);
void figure_render_stop();
// Reads a model, its skeleton and the pictures of its skin slots (slot entries by index,
// the alternate names for outfit 1). False after a line on stderr when any is missing.
bool figure_render_load(ArchiveHandle archive, const char *model_entry, const char *skeleton_entry,
                        const LoadStep *steps, int step_count, int outfit, RenderFigure *figure);
void figure_render_free(RenderFigure *figure);
// Poses the figure at one key of its skeleton; key -1 is the rest pose.
void figure_render_pose(RenderFigure *figure, int key);
// Draws the posed figure turned by heading degrees (0: its front toward the eye) into a cell
// of the window, cleared to the background first, framed by its rest pose.
void figure_render_draw(const RenderFigure *figure, f32 heading, const u8 background[3], int x, int y, int w,
                        int h);
// The window's pixels as 8-bit RGBA rows, top row first.
std::vector<u8> figure_render_read(int width, int height);
