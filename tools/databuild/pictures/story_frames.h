// story_frames.h: how each story picture is shown (its quad, the window the screen shows,
// the narration rows, its ground) and its picture rendered from its scene row in that frame;
// used by build_story.cpp and the storyboard sheets (story_sheets.cpp).
#pragma once

#include "tools/databuild/pictures/scene.h"

#include <string>
#include <vector>

constexpr int STORY_PICTURE_SIZE = 256;

// Where a story picture's scene lies on its texture. A quad larger than the screen, or one
// that slides or drifts, shows only part of its texture: the cast is framed into that part.
enum StoryGround : u8 {
    STORY_GROUND_BANDED,  // a scene, and meander bands along the quad's top and bottom where they show
    STORY_GROUND_PLAIN,   // a scene only: a quad that zooms would carry its bands across the screen
    STORY_GROUND_NONE     // drawn over another picture: only the figures, the rest transparent
};
struct StoryFrame {
    f32 u0, u1, v0, v1;       // the window, 0..1 across and down the texture
    f32 shade_v0, shade_v1;   // rows under the narration, darkened (none when v1 <= v0)
    StoryGround ground;
};

struct StoryQuadShape {
    const char *entry;
    f32 width, height;
    StoryFrame frame;
};

// Every story picture's shape (intro/clash00 stands for both halves, made as one picture).
extern const StoryQuadShape story_quad_shapes[];
extern const int story_quad_shape_count;

// The entry's shape; a square picture shown whole for an entry on no listed quad.
const StoryQuadShape &story_shape(const char *entry);

// The picture's size: its quad's shape, the longer side STORY_PICTURE_SIZE.
void story_canvas_size(const StoryQuadShape &shape, int *width, int *height);

// The scene row of a story picture (the opening story's, the endings', the faction
// endings'); null while its table has none.
const SceneRow *story_scene_row(const char *entry);

// The row rendered for its quad: the cast framed into the window, the narration rows
// darkened (and the window's top on a character ending's picture, `offer_band`), a meander
// band only along an edge of the quad the screen shows, transparent off the figures for a
// picture drawn over another. False after a message.
bool story_scene_picture(const SceneRow *row, const StoryQuadShape &shape, bool offer_band, PaintCanvas *out);

// A story picture as made, by its archive entry.
struct StoryMade {
    std::string entry;
    PaintCanvas picture;
};

// story_sheets.cpp: the storyboard sheets (figure-sheets/story-<script>.jpg beside the data
// set), every picture beside the lines the game types under it; after the story's pictures
// are in the archive. False after a message.
bool story_sheets_write(const char *data_dir, const std::vector<StoryMade> &made);
