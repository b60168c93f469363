// The gallery's ten gods and the Cyclops' scene as scenes, in the gallery's order: each god
// with its attribute in a setting of its own, so that paging shows a new picture each time.
#include "tools/databuild/pictures/scene.h"

#include <iterator>

constexpr f32 NO_MOVE = 0;   // key_at of a figure posed by the pose kit (action -1)

const SceneRow gallery_scenes[] = {
    // Polyphemus on the shore, a rock from his hand flying at Odysseus' ship, which rows away
    // at the right.
    {"galeria/poli2.jpg", BACKDROP_SEA, -1,
     {{CHARACTER_POLYPHEMUS, SCENE_THROW, -1, NO_MOVE, -16, 0, 50, 1, 0},
      {CHARACTER_ODYSSEUS, SCENE_POINT, -1, NO_MOVE, 20, 44, -120, 0.6f, 0}, END_OF_CAST},
     {{PROP_ROCK, 2, 24, 26, 30, 0.45f}, {PROP_WATER, 0, 16, 0.3f, 0, 1}, {PROP_SHIP, 22, 44, -1.5f, 180, 0.8f},
      {PROP_ROCK, -28, 8, 0, 0, 1.2f}, NO_PROPS},
     {0, 0.15f, 1, 0, 0.05f}},
    // Apollo with his lyre on the theatre's stage under a great sun, a laurel beside him.
    {"galeria/apolo.jpg", BACKDROP_ARENA, STAGE_THEATRE,
     {{WHO_APOLLO, SCENE_SPEAK, -1, NO_MOVE, -4, 0, 20, 1, 0}, END_OF_CAST},
     {{PROP_SUN, 18, 60, 34, 0, 1.6f}, {PROP_TREE, -22, 14, 0, 0, 0.9f}, NO_PROPS},
     {-10, 0.1f, 1, 0.08f, 0}},
    // Artemis drawing her bow under the moon in the wood, her hound running ahead.
    {"galeria/artemisa.jpg", BACKDROP_WOOD, -1,
     {{WHO_ARTEMIS, SCENE_DRAW_BOW, -1, NO_MOVE, 6, 0, -70, 1, 0}, {WHO_DOG, SCENE_WALK, -1, NO_MOVE, -14, -4, -90, 1, 0},
      END_OF_CAST},
     {{PROP_MOON, -20, 60, 38, 0, 1}, {PROP_TREE, 24, 18, 0, 0, 1.1f}, NO_PROPS},
     {20, 0.05f, 1, 0, 0}},
    // Athena armed before a temple front, a column at her side.
    {"galeria/atenea.jpg", BACKDROP_ARENA, STAGE_ATHENS,
     {{WHO_ATHENA, SCENE_STAND, -1, NO_MOVE, 0, 0, -10, 1, 0}, END_OF_CAST},
     {{PROP_TEMPLE, 0, 40, 0, 0, 1}, {PROP_COLUMN, 14, 6, 0, 0, 0.8f}, NO_PROPS},
     {0, -0.05f, 0.85f, 0, 0.1f}},
    // Demeter with her sheaf in the meadow, an offering burning on her altar.
    {"galeria/demeter.jpg", BACKDROP_ARENA, STAGE_ARCADIA,
     {{WHO_DEMETER, SCENE_STAND, -1, NO_MOVE, 6, 0, -25, 1, 0}, END_OF_CAST},
     {{PROP_ALTAR, -12, 6, 0, 0, 1}, {PROP_TREE, 26, 30, 0, 0, 1}, NO_PROPS},
     {-15, 0.25f, 1, 0, 0}},
    // Phobos charging in with his gorgon shield, two men fleeing before him.
    {"galeria/fobos.jpg", BACKDROP_ARENA, STAGE_TROY,
     {{WHO_PHOBOS, SCENE_STRIKE, -1, NO_MOVE, 7, 0, -60, 1.15f, 0}, {WHO_MAN, SCENE_FLEE, -1, NO_MOVE, -8, -4, -100, 0.85f, 0},
      {WHO_MAN, SCENE_FLEE, -1, NO_MOVE, -17, 5, -80, 0.8f, 1}, END_OF_CAST},
     {NO_PROPS},
     {15, -0.15f, 1, 0, 0}},
    // Aphrodite risen from the sea, on a rock of the shore.
    {"galeria/aphrodite.jpg", BACKDROP_SEA, -1,
     {{WHO_APHRODITE, SCENE_STAND, -1, NO_MOVE, 0, 0, 10, 1, 0}, END_OF_CAST},
     {{PROP_WATER, 0, 14, 0.3f, 0, 1}, {PROP_ROCK, 10, 8, 0, 0, 0.9f}, {PROP_CLOUD, -20, 70, 40, 0, 1.2f}, NO_PROPS},
     {0, 0.1f, 1, 0, 0}},
    // Hades enthroned in his dark hall with his bident, his hound at his feet.
    {"galeria/hades.jpg", BACKDROP_DARK, -1,
     {{WHO_HADES, SCENE_ENTHRONED, -1, NO_MOVE, -4, 0, 15, 1, 0}, {WHO_DOG, SCENE_SIT, -1, NO_MOVE, 13, -6, -30, 2.4f, 1},
      END_OF_CAST},
     {{PROP_THRONE, -4, 0, 0, 15, 1}, {PROP_BRAZIER, -20, 10, 0, 0, 1}, NO_PROPS},
     {-10, 0.15f, 1, 0, 0}},
    // Hera in the hall of the gods with her sceptre, her throne behind her.
    {"galeria/hera.jpg", BACKDROP_HALL, -1,
     {{WHO_HERA, SCENE_STAND, -1, NO_MOVE, 6, -4, -20, 1, 0}, END_OF_CAST},
     {{PROP_THRONE, -10, 10, 0, 10, 1}, {PROP_STATUE, 24, 24, 0, -20, 1}, NO_PROPS},
     {10, 0.2f, 0.9f, 0, 0}},
    // Poseidon striding knee-deep out of the sea with his trident held high, a ship beyond.
    {"galeria/poseidon.jpg", BACKDROP_SEA, -1,
     {{WHO_POSEIDON, SCENE_RAISE, -1, NO_MOVE, 0, 0, 15, 1, 0}, END_OF_CAST},
     {{PROP_WATER, 0, -80, 5, 0, 1}, {PROP_SHIP, -30, 90, 5, 160, 1}, NO_PROPS},
     {0, -0.1f, 1, 0, 0}},
    // Zeus on the peak of Olympus above the clouds, his bolt raised to hurl.
    {"galeria/zeus.jpg", BACKDROP_OLYMPUS, -1,
     {{WHO_ZEUS, SCENE_RAISE, -1, NO_MOVE, 0, 0, 0, 1, 0}, END_OF_CAST},
     {NO_PROPS},
     {0, -0.2f, 1, 0, 0}},
};
const int gallery_scene_count = static_cast<int>(std::size(gallery_scenes));
