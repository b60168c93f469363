// scene_render.h: a row of a scene table (scene.h) rendered into a picture with the game's own
// model and arena drawing: the backdrop, the props, the posed cast, framed for the part of the
// picture the screen shows; used by the story and gallery picture files of
// tools/databuild/pictures/.
#pragma once

#include "tools/databuild/figures/figure_render.h"
#include "tools/databuild/pictures/scene.h"

#include <vector>

// The part of a picture the screen shows, 0..1 across and down it.
struct SceneWindow {
    f32 u0, u1, v0, v1;
};
constexpr SceneWindow SCENE_WHOLE = {0.0f, 1.0f, 0.0f, 1.0f};

// Renders the row into width x height RGBA bytes, rows from the top (at most
// FIGURE_RENDER_MAX a side), its cast framed into the window. `clear` leaves the backdrop out
// whatever the row says, as BACKDROP_CLEAR does: alpha 0 off the figures and props. False
// after a message when a figure, a prop or an arena cannot be read.
bool scene_render(const SceneRow *row, int width, int height, const SceneWindow *window, bool clear,
                  std::vector<u8> *rgba);

// A prop (SceneProp) as a small model in the offscreen context, its foot at its origin; the
// caller frees it with figure_render_free.
bool scene_prop_load(int prop, FigureModel *out);
