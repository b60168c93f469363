// The story screens' pictures: the opening story's, the character and faction endings', each
// rendered from its scene row (story_intro_scenes.cpp, story_ending_scenes.cpp,
// story_faction_scenes.cpp) into the frame its quad shows (story_frames.cpp); the two logos
// before the opening story; and the storyboard sheets beside the data set.
#include "tools/databuild/databuild.h"

#include "tools/databuild/pictures/story_frames.h"
#include "tools/databuild/pictures/vase_painting.h"

#include <cmath>
#include <cstdio>
#include <cstring>
#include <utility>

// ---- the logos -----------------------------------------------------------------------------------
// The maker's mark: an owl's face in a gold ring.
static VaseScene maker_logo()
{
    VaseScene s;
    vase_ring(s, 0, 0, 0.7f, 0.08f, VASE_GOLD);
    vase_ellipse(s, 0, -0.05f, 0.42f, 0.5f, 0, VASE_CLAY);
    for (int side = -1; side <= 1; side += 2) {
        vase_ellipse(s, side * 0.18f, 0.08f, 0.14f, 0.14f, 0, VASE_WHITE);
        vase_ellipse(s, side * 0.18f, 0.08f, 0.06f, 0.06f, 0, VASE_GLAZE);
        vase_triangle(s, side * 0.3f, 0.3f, side * 0.12f, 0.38f, side * 0.36f, 0.55f, VASE_CLAY);   // the ear tufts
    }
    vase_triangle(s, -0.05f, -0.08f, 0.05f, -0.08f, 0, -0.22f, VASE_GOLD);
    return s;
}
// The game's mark: a bull's head between two laurel sprays on a wide band.
static VaseScene game_logo()
{
    VaseScene s;
    vase_quad(s, -1.9f, -0.5f, 1.9f, -0.5f, 1.9f, 0.5f, -1.9f, 0.5f, VASE_DARK_CLAY);
    vase_ellipse(s, 0, 0.05f, 0.28f, 0.34f, 0, VASE_CLAY);
    vase_ellipse(s, 0, -0.18f, 0.18f, 0.14f, 0, VASE_CLAY);
    for (int side = -1; side <= 1; side += 2) {
        vase_capsule(s, side * 0.2f, 0.25f, side * 0.5f, 0.45f, 0.05f, VASE_WHITE);
        vase_ellipse(s, side * 0.1f, 0.1f, 0.04f, 0.03f, 0, VASE_GLAZE);
        for (int k = 0; k < 6; k++) {
            f32 x = side * (0.55f + 0.18f * k), y = -0.1f + 0.05f * k * (k < 3 ? 1 : -1) * 0.5f;
            vase_ellipse(s, x, y + 0.08f, 0.09f, 0.04f, side * 0.5f, VASE_GOLD);
            vase_ellipse(s, x, y - 0.08f, 0.09f, 0.04f, -side * 0.5f, VASE_GOLD);
        }
    }
    return s;
}

// Every story picture made so far, for the storyboard sheets.
static std::vector<StoryMade> story_made;

// The picture of an entry, rendered from its scene row; a row its table does not have yet
// shows its backdrop's sky with no one in it, so the data set still has every picture. A
// character ending's picture (`ending`) keeps the top of its window dark for the line
// offering a profile.
static bool story_picture(const char *entry, bool ending, PaintCanvas *out)
{
    const SceneRow *row = story_scene_row(entry);
    const SceneRow empty = {entry, BACKDROP_SKY, -1, {END_OF_CAST}, {NO_PROPS}, {0, 0, 1, 0, 0}};
    if (!row)
        fprintf(stderr, "databuild: %s has no scene row; its picture is an empty sky\n", entry);
    return story_scene_picture(row ? row : &empty, story_shape(entry), ending, out);
}

static int add_canvas(const char *entry, const PaintCanvas &c, bool jpeg)
{
    story_made.push_back({entry, c});
    Bytes out = jpeg ? vase_jpeg(c) : vase_tga(c);
    if (out.empty()) {
        fprintf(stderr, "databuild: cannot encode %s\n", entry);
        return 0;
    }
    archive_add(entry, out);
    return 1;
}

// The character endings' pictures are the JPEG ones.
static int add_picture(const char *entry)
{
    bool jpeg = strstr(entry, ".jpg") != nullptr;
    PaintCanvas c;
    return story_picture(entry, jpeg, &c) && add_canvas(entry, c, jpeg);
}

constexpr f32 STORY_JOIN_DARK = 0.6f;     // the light at the halves' cut
constexpr f32 STORY_JOIN_WIDTH = 0.1f;   // the fall's reach either side of it, in half widths

// Two half quads side by side showing one picture: made whole for both, then cut, so the
// ground and the figures run on across the join.
static int add_halves(const char *left, const char *right)
{
    PaintCanvas whole;
    if (!story_picture(left, false, &whole))
        return 0;
    int half = whole.w / 2;
    // The halves fade in one after the other: the picture falls dark toward the cut, so the
    // later half's edge shows no seam over the earlier one while it comes.
    for (int y = 0; y < whole.h; y++)
        for (int x = 0; x < whole.w; x++) {
            f32 from_cut = std::fabs(x + 0.5f - half) / (STORY_JOIN_WIDTH * half);
            PaintColour &p = paint_pixel(whole, x, y);
            p = paint_alpha(paint_shade(p, STORY_JOIN_DARK + (1.0f - STORY_JOIN_DARK) * paint_smooth(0.0f, 1.0f, from_cut)), p.a);
        }
    PaintCanvas halves[2] = {paint_canvas(half, whole.h, {0, 0, 0, 1}), paint_canvas(half, whole.h, {0, 0, 0, 1})};
    for (int y = 0; y < whole.h; y++) {
        for (int x = 0; x < half * 2; x++)
            paint_pixel(halves[x / half], x % half, y) = paint_pixel(whole, x, y);
        // A half's picture wraps round as the game draws it: its outer column blends into its
        // edge at the cut, so it takes the cut's colour.
        paint_pixel(halves[0], 0, y) = paint_pixel(halves[0], half - 1, y);
        paint_pixel(halves[1], half - 1, y) = paint_pixel(halves[1], 0, y);
    }
    return add_canvas(left, halves[0], false) && add_canvas(right, halves[1], false);
}

int build_story(const char *data_dir)
{
    story_made.clear();
    // Every story picture has a quad shape; the opening story's forge and Atropos are one
    // picture in two halves, its shape the whole picture's.
    for (int i = 0; i < story_quad_shape_count; i++) {
        const char *entry = story_quad_shapes[i].entry;
        bool made = strcmp(entry, "intro/clash00.tga") == 0 ? add_halves(entry, "intro/clash01.tga") : add_picture(entry);
        if (!made)
            return 0;
    }
    // The logos are drawn whole on their own rectangles, not on story quads.
    Bytes maker = vase_jpeg(vase_paint(maker_logo(), STORY_PICTURE_SIZE, STORY_PICTURE_SIZE));
    Bytes logo = vase_jpeg(vase_paint(game_logo(), STORY_PICTURE_SIZE * 2, STORY_PICTURE_SIZE));
    if (maker.empty() || logo.empty()) {
        fprintf(stderr, "databuild: cannot encode the logos\n");
        return 0;
    }
    archive_add("titulo/intro_brisvale.jpg", maker);
    archive_add("titulo/logov.jpg", logo);
    return story_sheets_write(data_dir, story_made);
}
