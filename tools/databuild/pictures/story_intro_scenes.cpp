// The opening story's pictures as scenes, in the order the story shows them. Each is composed
// for the lines typed while it is the picture on top, and for where its quad lies on the
// screen beside the others (a picture laid over another brings only its figures).
#include "tools/databuild/pictures/scene.h"

#include <iterator>

// A figure in one of the pose kit's poses.
static constexpr SceneFigure posed(u8 who, u8 pose, f32 x, f32 y, f32 heading, f32 scale = 1.0f, u8 outfit = 0)
{
    return {who, pose, -1, 0.0f, x, y, heading, scale, outfit};
}

// A fighter at a key of one of its own moves.
static constexpr SceneFigure moving(u8 who, i16 action, f32 key_at, f32 x, f32 y, f32 heading, f32 scale = 1.0f)
{
    return {who, SCENE_STAND, action, key_at, x, y, heading, scale, 0};
}

// A hero at the height of a win, weapon raised.
static constexpr SceneFigure hero(u8 who, f32 heading)
{
    return moving(who, ACTION_WIN_1, 0.6f, 0, 0, heading);
}

static constexpr ScenePropAt prop(u8 what, f32 x, f32 y, f32 z, f32 heading, f32 scale = 1.0f)
{
    return {what, x, y, z, heading, scale};
}

// The camera square on, shifted by side and lift (window widths and heights) and zoomed.
static constexpr SceneCamera shifted(f32 side, f32 lift, f32 zoom = 1.0f, f32 rise = 0.1f)
{
    return {0.0f, rise, zoom, side, lift};
}

constexpr SceneCamera FRONT = shifted(0.0f, 0.0f);
constexpr SceneCamera HERO = shifted(0.0f, 0.0f, 1.15f);   // a hero a little larger than the frame

// Rows: entry, backdrop, stage, cast (who, pose or move, place, heading, scale), props (what,
// place, heading, scale), camera. The pictures laid over others place their figures with
// the camera's side and lift (window widths and heights, plus to the left and down), each
// where the screen has room for it once its quad has come to rest.
const SceneRow intro_scenes[] = {
    // The three Moirae, each on a picture of her own: Clotho stands on the right of the three
    // and spins toward the middle; Lachesis, on the left, measures a thread against her rod;
    // Atropos, between and before them, opens her shears.
    {"intro/cloto01.tga", BACKDROP_CLEAR, -1, {posed(WHO_CLOTHO, SCENE_SPIN, 0, 0, -35), END_OF_CAST}, {NO_PROPS},
     FRONT},
    {"intro/laquesis02.tga", BACKDROP_CLEAR, -1, {posed(WHO_LACHESIS, SCENE_MEASURE, 0, 0, 35), END_OF_CAST},
     {prop(PROP_THREAD, 2, -4, 13.2f, 35, 0.45f), NO_PROPS}, FRONT},
    {"intro/atropos01.tga", BACKDROP_CLEAR, -1, {posed(CHARACTER_ATROPOS, SCENE_CUT, 0, 0, 35), END_OF_CAST}, {NO_PROPS},
     shifted(-0.12f, 0.0f, 1.35f)},

    // "It happened once, that Ares ... grew weary of the long peace": Olympus, its floor raised
    // to where Ares walks, and over it Ares alone in his bronze, striding off from the cold
    // stone where no fire burned for him.
    {"intro/olimpo01.tga", BACKDROP_OLYMPUS, -1, {END_OF_CAST}, {NO_PROPS}, shifted(0.0f, -0.45f, 1.0f, 0.3f)},
    {"intro/ares02.tga", BACKDROP_CLEAR, -1, {posed(CHARACTER_ARES, SCENE_WALK, 3, 0, 65), END_OF_CAST},
     {prop(PROP_ROCK, -9, 4, 0, -20, 0.9f), NO_PROPS}, shifted(0.0f, 0.12f)},

    // The hall of the gods; before its throne Ares, his spear raised, claims it, while from the
    // left Hades, come up from his dark hall, and Apollo with his lyre turn to him, and from the
    // right Artemis draws her bow on him. Artemis' window is a narrow strip of her quad, though
    // the screen shows more of it: she is drawn larger than it to stand as tall as the others.
    {"intro/olimpo03.tga", BACKDROP_HALL, -1, {END_OF_CAST}, {prop(PROP_THRONE, 0, 30, 0, 0, 1.3f), NO_PROPS},
     shifted(-0.26f, 0.0f)},
    {"intro/ares01.tga", BACKDROP_CLEAR, -1, {posed(CHARACTER_ARES, SCENE_RAISE, 0, 0, -10), END_OF_CAST}, {NO_PROPS},
     shifted(-0.13f, 0.0f)},
    {"intro/artemisa01.tga", BACKDROP_CLEAR, -1, {posed(WHO_ARTEMIS, SCENE_DRAW_BOW, 0, 0, -70), END_OF_CAST},
     {NO_PROPS}, shifted(-1.63f, 0.0f, 3.5f)},
    {"intro/apolo01.tga", BACKDROP_CLEAR, -1, {posed(WHO_APOLLO, SCENE_STAND, 0, 0, 50), END_OF_CAST}, {NO_PROPS},
     shifted(0.12f, 0.0f)},
    {"intro/hades01.tga", BACKDROP_CLEAR, -1, {posed(WHO_HADES, SCENE_STAND, 0, 0, 55), END_OF_CAST}, {NO_PROPS},
     shifted(0.26f, 0.0f)},

    // Zeus risen in anger on the left, his bolt high; Hera steps in between him and Ares, her
    // hand raised to Zeus. His picture lies over hers: each keeps to its own side.
    {"intro/zeus02.tga", BACKDROP_CLEAR, -1, {posed(WHO_ZEUS, SCENE_RAISE, 0, 0, 55), END_OF_CAST}, {NO_PROPS},
     shifted(0.32f, 0.0f)},
    {"intro/hera02.tga", BACKDROP_CLEAR, -1, {posed(WHO_HERA, SCENE_SPEAK, 0, 0, -45), END_OF_CAST}, {NO_PROPS},
     shifted(0.08f, 0.0f)},

    // "The last to stand would choose who rules Olympus": the empty throne on the peak, right
    // of the middle, where the champions of the next picture leave it in sight.
    {"intro/olimpo02.tga", BACKDROP_OLYMPUS, -1, {END_OF_CAST}, {prop(PROP_THRONE, 0, 0, 0, -15, 1.5f), NO_PROPS},
     shifted(-0.17f, 0.0f, 0.85f)},

    // Both sides call their champions: on the left Zeus sends Hermes running with word to the
    // Greeks; to the right Ares with his spear up, and before him those who answered him: Medusa,
    // Hippolyte, the Minotaur, the Sphinx and the Hydra.
    {"intro/zeus03.tga", BACKDROP_CLEAR, -1,
     {posed(WHO_ZEUS, SCENE_POINT, -22, 14, -55, 1.1f), posed(WHO_HERMES, SCENE_WALK, -33, -4, -90),
      moving(CHARACTER_MEDUSA, ACTION_IDLE, 0.0f, -9, 2, 20),
      posed(CHARACTER_ARES, SCENE_RAISE, 0, 12, -10, 1.1f), moving(CHARACTER_HIPPOLYTE, ACTION_IDLE, 0.0f, 7, -6, -20),
      moving(CHARACTER_MINOTAUR, ACTION_IDLE, 0.0f, 13, 4, -30),
      moving(CHARACTER_SPHINX, ACTION_IDLE, 0.0f, 19, 14, -50), moving(CHARACTER_HYDRA, ACTION_IDLE, 0.0f, 25, 24, -40)},
     {NO_PROPS}, shifted(0.08f, 0.1f, 1.1f, 0.3f)},

    // One painting in two halves: under the mountain Hephaestus hammers at his anvil, the
    // temple of an arena raised behind him; on the right Atropos comes, shears in hand.
    {"intro/clash00.tga", BACKDROP_FORGE, -1,
     {posed(WHO_HEPHAESTUS, SCENE_HAMMER, -17, 0, 60), posed(CHARACTER_ATROPOS, SCENE_CUT, 14, 2, -40), END_OF_CAST},
     {prop(PROP_ANVIL, -10, -1, 0, -30), prop(PROP_TEMPLE, -22, 40, 0, 20, 0.45f), NO_PROPS}, FRONT},

    // "The crowds of heaven gathered to watch": the gods, giants, at the far edge of an arena,
    // Apollo and Aphrodite cheering; over its right side a champion, Odysseus, on guard with
    // his goddess Athena towering behind him.
    {"intro/hefesto01.tga", BACKDROP_ARENA, STAGE_ATHENS,
     {posed(WHO_HERA, SCENE_SPEAK, -100, 80, 15, 2.5f), posed(WHO_ZEUS, SCENE_STAND, -50, 85, 5, 2.8f),
      posed(WHO_APOLLO, SCENE_CHEER, 0, 80, 0, 2.5f), posed(WHO_POSEIDON, SCENE_STAND, 50, 85, -5, 2.6f),
      posed(WHO_APHRODITE, SCENE_CHEER, 100, 80, -15, 2.5f), END_OF_CAST},
     {NO_PROPS}, shifted(0.0f, 0.0f, 1.0f, 0.2f)},
    {"intro/hefesto02.tga", BACKDROP_CLEAR, -1,
     {posed(WHO_ATHENA, SCENE_RAISE, 4, 14, -25, 1.3f),
      moving(CHARACTER_ODYSSEUS, ACTION_GUARD_STAND, 0.0f, -3, -6, 60), END_OF_CAST},
     {NO_PROPS}, shifted(0.0f, -0.08f, 1.35f)},

    // The six heroes, each full length on a tall picture of its own, weapon raised.
    {"intro/jason.tga", BACKDROP_CLEAR, -1, {hero(CHARACTER_JASON, 20), END_OF_CAST}, {NO_PROPS}, HERO},
    {"intro/atalanta.tga", BACKDROP_CLEAR, -1, {hero(CHARACTER_ATALANTA, -20), END_OF_CAST}, {NO_PROPS}, HERO},
    {"intro/odiseo.tga", BACKDROP_CLEAR, -1, {hero(CHARACTER_ODYSSEUS, 20), END_OF_CAST}, {NO_PROPS}, HERO},
    {"intro/hipolita.tga", BACKDROP_CLEAR, -1, {hero(CHARACTER_HIPPOLYTE, -20), END_OF_CAST}, {NO_PROPS}, HERO},
    {"intro/perseo.tga", BACKDROP_CLEAR, -1, {hero(CHARACTER_PERSEUS, 20), END_OF_CAST}, {NO_PROPS}, HERO},
    {"intro/polifemo.tga", BACKDROP_CLEAR, -1, {hero(CHARACTER_POLYPHEMUS, -20), END_OF_CAST}, {NO_PROPS}, HERO},
};
const int intro_scene_count = static_cast<int>(std::size(intro_scenes));
