// figure_look.h: what a figure looks like, as data: the shapes on each bone with their
// materials, the figure's colours in its two outfits and the face painted on its head; read by
// the sculpt, paint and contact-sheet stages of the data builder. One look per fighter lives
// in tools/databuild/figures/, one file each.
#pragma once

#include "tools/databuild/figures/character_figures.h"

// ---- materials -------------------------------------------------------------------------
// Each material is one tile of the figure's painted skin; a figure uses at most
// LOOK_TILES of them besides its face.
enum FigureMaterial : u8 {
    MAT_SKIN,
    MAT_FACE,        // skin, with the face painted where the head looks forward
    MAT_HAIR,
    MAT_CLOTH,       // the outfit's main colour
    MAT_TRIM,        // the outfit's second colour
    MAT_LEATHER,
    MAT_BRONZE,
    MAT_STEEL,
    MAT_GOLD,
    MAT_WOOD,
    MAT_FUR,
    MAT_HORN,
    MAT_SCALES,
    MAT_FEATHER,
    MAT_EYE,         // a glowing animal eye
    MAT_COUNT
};
constexpr int LOOK_TILES = 12;

// ---- shapes ----------------------------------------------------------------------------
// Every shape is a closed lathed or lofted surface round an axis. Where a cross-section is
// elliptical, size.z is its depth over its width (0: round).
enum ShapeKind : u8 {
    SHAPE_BALL,      // ellipsoid at `from`, radii `size`
    SHAPE_LIMB,      // cone with round ends from `from` (radius size.x) to `to` (radius size.y)
    SHAPE_BOX,       // box at `from`, half sizes `size`, corners rounded by `round` (0..1)
    SHAPE_DISC,      // flat cylinder from `from` to `to`, radius size.x, rim bevelled by `round`
    SHAPE_CONE,      // cone with flat ends from `from` (radius size.x) to `to` (radius size.y)
    SHAPE_THIN,      // a string or thread: a fine tube of radius size.x
    // A skirt, tunic, kilt or robe on the pelvis, as a cone from `from` (radius size.x) to its
    // hem at `to` (radius size.y). Built as a band round the hips on the pelvis and a panel on
    // each thigh (and each shin, for a hem below the knees) that follows the leg, so that no
    // stride or kick takes a leg out through the cloth.
    SHAPE_SKIRT
};

// Where a shape's point is measured from: a bone's joint (any FigurePart) or one of these.
constexpr u8 AT_WEAPON_BASE = PART_COUNT;      // the first weapon's grip, rest pose
constexpr u8 AT_WEAPON_TIP = PART_COUNT + 1;
constexpr u8 AT_SECOND_BASE = PART_COUNT + 2;  // the second weapon (or the first's other edge)
constexpr u8 AT_SECOND_TIP = PART_COUNT + 3;
constexpr u8 AT_GROUND = PART_COUNT + 4;       // the origin, between the feet

// Shape flags.
constexpr u8 SHAPE_MIRROR = 1;     // also on the figure's left: x negated, right parts for left
constexpr u8 SHAPE_MASKED = 2;     // only on the masked figure (the Sphinx's headdress)

// One shape on one bone. Offsets and sizes are in the figure's own units (a humanoid is 20
// tall before its height and girth scale it), added to the anchor's rest position. Shapes of
// neighbouring bones overlap round each joint (a ball or a round end centred on the joint
// turns in itself), so no pose opens a gap.
struct FigureShape {
    FigurePart part;        // the bone that carries it
    ShapeKind kind;
    u8 from_anchor;
    MeshPoint from;
    u8 to_anchor;
    MeshPoint to;
    MeshPoint size;
    f32 round;
    FigureMaterial material;
    u8 flags;
};

// What is painted on a head's face.
enum FaceKind : u8 {
    FACE_HUMAN,
    FACE_CYCLOPS,    // one great eye
    FACE_BULL,       // a muzzle with nostrils, eyes to the sides
    FACE_SERPENT     // slit eyes and scales
};

struct LookColour {
    u8 r, g, b;
};

// A figure's colours; the outfit's two colours change with the colour set.
struct LookColours {
    LookColour skin, hair;
    LookColour cloth[2], trim[2];   // per outfit
    LookColour leather, metal, fur;
    LookColour eyes;                // the iris (or an animal's glowing eye)
};

struct FigureLook {
    const FigureShape *body;        // shared body shapes (none: the look's own cover it all)
    int body_count;
    const FigureShape *head;        // shared head shapes (a human face), or none
    int head_count;
    const FigureShape *shapes;      // the fighter's own head, clothing, gear and weapons
    int shape_count;
    LookColours colours;
    FaceKind face;
    const FigureShape *garment;     // shared clothing several looks wear (a long robe), or none
    int garment_count;
};

// The shared bodies (figures/bodies.cpp): a man's and a woman's without head, and a human
// head with its face (hair, helmets and hoods are the fighters' own).
extern const FigureShape look_body_man[];
extern const int look_body_man_count;
extern const FigureShape look_body_woman[];
extern const int look_body_woman_count;
extern const FigureShape look_head_human[];
extern const int look_head_human_count;
// Shared clothing (figures/bodies.cpp): the panels that close a long robe in front over each
// thigh and shin, so a seated or kneeling figure's robe follows the legs; a god's himation to
// the ankles, draped over the left shoulder, with those panels; the Fates' hooded wool robe
// to the ground, with those panels (the cape over the shoulders and the belt are each
// sister's own).
extern const FigureShape look_robe_panels[];
extern const int look_robe_panels_count;
extern const FigureShape look_himation[];
extern const int look_himation_count;
extern const FigureShape look_fate_robe[];
extern const int look_fate_robe_count;

// One look per fighter, each in its own file (figures/jason.cpp, ...), and all of them by
// character id (figures/looks.cpp).
extern const FigureLook look_jason, look_odysseus, look_atalanta, look_perseus, look_hippolyte, look_polyphemus,
    look_minotaur, look_medusa, look_sphinx, look_hydra, look_ares, look_atropos;
extern const FigureLook *const figure_looks[];   // CHARACTER_COUNT rows

// ---- the stages ------------------------------------------------------------------------
// A sculpted mesh before the hit-zone points are laid in: vertices bound to bones, triangles
// with their material.
struct SculptedFigure {
    EmdModel model;
    std::vector<FigureMaterial> material;   // per polygon
};

// figure_sculpt.cpp: every shape of the look on its bone as a closed surface, simplified to
// the triangle budget, with texture coordinates into the painted skin.
void figure_sculpt(const FigureLook &look, const FigureStyle &style, const FigureRig &rig, bool unmasked,
                   int triangle_budget, SculptedFigure *out);

// figure_paint.cpp: the painted skin of a look in one outfit, SKIN_ATLAS pixels square, as
// 8-bit RGBA rows; where each material's tile lies in it.
constexpr int SKIN_ATLAS = 256;
std::vector<u8> figure_paint(const FigureLook &look, int outfit);
// The tile of a material in the atlas (u0, v0, u1, v1 in 0..1, with a margin inside).
void figure_tile(const FigureLook &look, FigureMaterial material, f32 tile[4]);
