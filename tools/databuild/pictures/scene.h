// scene.h: the painted pictures as scenes of posed figures: who stands in a picture (a fighter
// or a picture-only figure), in which pose, where, before which backdrop and among which
// props; one row of a scene table per picture. Used by the story, ending and gallery picture
// files of tools/databuild/pictures/ and by the figure kit that builds the picture-only
// figures (tools/databuild/figures/).
#pragma once

#include "tools/databuild/databuild.h"

#include "characters/characters.h"

// ---- who -----------------------------------------------------------------------------------
// The fighters by CharacterId (0 .. CHARACTER_COUNT - 1), then the figures that stand only in
// pictures, each made with the figure kit from a look of its own, its attributes in its hands.
enum SceneWho : u8 {
    WHO_ZEUS = CHARACTER_COUNT,   // bearded, a thunderbolt
    WHO_HERA,          // crowned, a sceptre
    WHO_APOLLO,        // young, laurel, a lyre
    WHO_ARTEMIS,       // short chiton, a bow
    WHO_HADES,         // dark robe, beard, a bident
    WHO_HERMES,        // winged hat and sandals, the herald's staff
    WHO_HEPHAESTUS,    // smith's apron, a hammer
    WHO_ATHENA,        // crested helmet, spear, round shield
    WHO_POSEIDON,      // sea-green robe, beard, a trident
    WHO_DEMETER,       // wheat crown, a sheaf
    WHO_APHRODITE,     // a light robe, flowers in her hair
    WHO_PHOBOS,        // dark armour, a gorgon shield
    WHO_CLOTHO,        // hooded, distaff and spindle
    WHO_LACHESIS,      // hooded, a measuring rod
    WHO_PENELOPE,
    WHO_ANDROMEDA,
    WHO_GALATEA,
    WHO_MEDEA,
    WHO_AMAZON,        // one of Hippolyte's warriors, a spear
    WHO_SHEPHERD,      // a crook
    WHO_CHILD,
    WHO_MAN,           // a townsman, a suitor, a king's man: a plain tunic
    WHO_WOMAN,         // a townswoman: a long robe
    WHO_ELDER,         // an old man, white-bearded, a staff (Pelias, a priest)
    WHO_DOG,           // Odysseus' old Argos
    WHO_COUNT
};
constexpr int WHO_PICTURE_FIRST = WHO_ZEUS;
constexpr int WHO_PICTURE_COUNT = WHO_COUNT - WHO_PICTURE_FIRST;

// ---- poses ---------------------------------------------------------------------------------
// The poses a picture asks of a figure, built with the pose kit on any human rig (a fighter's
// or a picture-only figure's). A fighter may instead take a key of one of its own moves (see
// SceneFigure::action).
enum ScenePose : u8 {
    SCENE_STAND,        // at ease, weight on one leg
    SCENE_SPEAK,        // one hand raised, palm out
    SCENE_ENTHRONED,    // seated upright, forearms on the armrests
    SCENE_FLEE,         // running away, looking back over the shoulder
    SCENE_RAISE,        // the right arm raised high with what it holds (a spear, a bolt)
    SCENE_THROW,        // drawn back to throw
    SCENE_SPIN,         // seated or standing at the distaff, drawing the thread
    SCENE_DRAW_BOW,     // the bow drawn at arm's length
    SCENE_EMBRACE,      // both arms forward and round another
    SCENE_KNEEL,        // on one knee
    SCENE_BOW_DOWN,     // bowed before a god
    SCENE_LIE,          // lying on the ground (fallen, asleep)
    SCENE_STRIKE,       // a blow struck with the right hand
    SCENE_HAMMER,       // the hammer raised over the anvil
    SCENE_MEASURE,      // the rod held level in both hands
    SCENE_CUT,          // shears open before the chest
    SCENE_CHEER,        // both arms raised
    SCENE_WALK,         // mid-stride
    SCENE_POINT,        // the right arm pointing ahead
    SCENE_SIT,          // seated on the ground or a rock
    SCENE_POSE_COUNT
};

// ---- backdrops and props ---------------------------------------------------------------------
enum SceneBackdrop : u8 {
    BACKDROP_CLEAR,     // none: the picture is drawn over another and brings only its figures
    BACKDROP_ARENA,     // the arena of SceneRow::stage, drawn with the game's arena drawing
    BACKDROP_SKY,       // open sky and clouds
    BACKDROP_OLYMPUS,   // the mountain's peak above the clouds, a temple on it
    BACKDROP_HALL,      // the hall of the gods: columns, a pediment, a marble floor
    BACKDROP_SEA,       // the sea to the horizon, a shore
    BACKDROP_WOOD,      // trees and a meadow
    BACKDROP_NIGHT,     // a night sky with stars
    BACKDROP_DARK,      // the underworld's dark, a red glow
    BACKDROP_FORGE,     // under the mountain: rock, fire
    BACKDROP_PALACE,    // a king's hall: walls, hangings, a hearth
    BACKDROP_COUNT
};

enum SceneProp : u8 {
    PROP_NONE,
    PROP_THRONE,
    PROP_ALTAR,
    PROP_ANVIL,
    PROP_COLUMN,
    PROP_TEMPLE,        // a temple front
    PROP_BRAZIER,
    PROP_STATUE,
    PROP_SHIP,
    PROP_TREE,
    PROP_ROCK,
    PROP_CLOUD,
    PROP_SUN,
    PROP_MOON,
    PROP_THREAD,        // a long thread of life, level, between two points
    PROP_WATER,         // the sea's face: a wide plane of water, level with the ground
    PROP_COUNT
};

// One figure in a scene. World units, z up: x across the picture (right positive), y into it;
// the figure's own height is its figure's (about 20 units for a human) times `scale`.
struct SceneFigure {
    u8 who;             // CharacterId or SceneWho; a row's list ends at the first WHO_COUNT
    u8 pose;            // ScenePose (when action < 0)
    i16 action;         // a fighter's own move (ActionId), or -1 for `pose`
    f32 key_at;         // 0..1 through that move's keys
    f32 x, y;           // where it stands
    f32 heading;        // degrees; 0: its front toward the viewer, 90: toward picture right
    f32 scale;          // 1: its own size
    u8 outfit;          // 0 or 1: the colour set
};

struct ScenePropAt {
    u8 prop;            // SceneProp; a row's list ends at the first PROP_NONE
    f32 x, y, z;        // where it stands (z: raised above the ground)
    f32 heading;        // degrees, as a figure's
    f32 scale;
};

// How the camera sees the scene; the renderer frames the figures' bounds into the part of
// the picture the screen shows, then applies these.
struct SceneCamera {
    f32 yaw;            // degrees round the scene, from the front toward +x
    f32 rise;           // the eye over the figures' middle, in figure heights
    f32 zoom;           // 1: the figures fill the window's height with a margin
    f32 side, lift;     // the framing's shift, in window widths and heights
};

// Ends a row's cast and its props before the lists are full.
constexpr SceneFigure END_OF_CAST = {WHO_COUNT, 0, -1, 0, 0, 0, 0, 0, 0};
constexpr ScenePropAt NO_PROPS = {PROP_NONE, 0, 0, 0, 0, 0};

constexpr int SCENE_FIGURES = 8;
constexpr int SCENE_PROPS = 8;

struct SceneRow {
    const char *entry;                  // the archive entry it is written to
    u8 backdrop;                        // SceneBackdrop
    i8 stage;                           // StageId for BACKDROP_ARENA, else -1
    SceneFigure figures[SCENE_FIGURES];
    ScenePropAt props[SCENE_PROPS];
    SceneCamera camera;
};

// ---- the scene tables ----------------------------------------------------------------------
// One row per picture, in files of their own: the opening story's (story_intro_scenes.cpp;
// intro/clash00 stands for both halves, painted whole and cut), the twelve endings'
// (story_ending_scenes.cpp), the two faction endings' (story_faction_scenes.cpp) and the
// gallery's gods and the Cyclops (gallery_scenes.cpp).
extern const SceneRow intro_scenes[];
extern const int intro_scene_count;
extern const SceneRow ending_scenes[];
extern const int ending_scene_count;
extern const SceneRow faction_scenes[];
extern const int faction_scene_count;
extern const SceneRow gallery_scenes[];
extern const int gallery_scene_count;
