// The twelve character endings' pictures as scenes, by fighter, in the order each ending shows
// them. Each picture holds what the lines typed over it say: an ending's first picture is the
// winner before Zeus (or the gods' hall it has just won), the next ones where the wish took
// the winner. A human figure is about 20 units tall; x runs across the picture, y into it.
#include "tools/databuild/pictures/scene.h"

#include <iterator>

constexpr SceneCamera LEVEL = {0, 0.1f, 1.2f, 0, -0.1f};

const SceneRow ending_scenes[] = {
    // Jason kneels before Zeus on his throne in the hall of the gods and asks for Iolcus.
    {"finales/jasonf1.jpg", BACKDROP_HALL, -1,
     {{CHARACTER_JASON, SCENE_KNEEL, -1, 0, -8, 0, 60, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 10, 6, -50, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 10, 6, 0, -50, 0.9f}, {PROP_BRAZIER, -20, 16, 0, 0, 0.8f}, NO_PROPS},
     LEVEL},
    // King of Iolcus: Jason on his father's throne, Medea at his side, his people cheering him,
    // Hera watching over the city from the back of the hall.
    {"finales/jasonf2.jpg", BACKDROP_PALACE, -1,
     {{CHARACTER_JASON, SCENE_ENTHRONED, -1, 0, -4, 10, 10, 1, 0},
      {WHO_MEDEA, SCENE_STAND, -1, 0, 8, 10, -25, 1, 0},
      {WHO_HERA, SCENE_STAND, -1, 0, 20, 22, -35, 1.1f, 0},
      {WHO_MAN, SCENE_CHEER, -1, 0, -22, -4, 50, 0.95f, 0},
      {WHO_WOMAN, SCENE_CHEER, -1, 0, -12, -10, 35, 0.95f, 0},
      {WHO_CHILD, SCENE_CHEER, -1, 0, 12, -10, -35, 1, 0},
      {WHO_MAN, SCENE_CHEER, -1, 0, 22, -4, -55, 0.95f, 1},
      END_OF_CAST},
     {{PROP_THRONE, -4, 10, 0, 10, 0.85f}, NO_PROPS},
     LEVEL},

    // Odysseus asks Zeus to go home; behind him on the sea his ship waits, Athena beside it.
    {"finales/odiseof1.jpg", BACKDROP_SEA, -1,
     {{CHARACTER_ODYSSEUS, SCENE_SPEAK, -1, 0, 2, 0, -65, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, -14, 6, 55, 1.1f, 0},
      {WHO_ATHENA, SCENE_STAND, -1, 0, 16, 16, -30, 1.05f, 0},
      END_OF_CAST},
     {{PROP_THRONE, -14, 6, 0, 55, 0.9f}, {PROP_WATER, 0, 24, 0.2f, 0, 1}, {PROP_SHIP, 28, 44, 0, -70, 1.1f}, NO_PROPS},
     LEVEL},
    // In his own hall the beggar shoots at the suitors (his own arrow move: the scene's bow
    // pose puts no bow in a fighter's hands); they fall and flee, Penelope looks on from the
    // back, old Argos lies at his master's feet.
    {"finales/odiseof2.jpg", BACKDROP_PALACE, -1,
     {{CHARACTER_ODYSSEUS, SCENE_STAND, ACTION_ODYSSEUS_SPECIAL2, 0.5f, -16, 2, 75, 1, 0},
      {WHO_PENELOPE, SCENE_STAND, -1, 0, 0, 20, -10, 1, 0},
      {WHO_MAN, SCENE_LIE, -1, 0, 8, 0, -80, 1, 0},
      {WHO_MAN, SCENE_FLEE, -1, 0, 22, 6, 70, 1, 1},
      {WHO_MAN, SCENE_KNEEL, -1, 0, 14, 12, -100, 1, 0},
      {WHO_DOG, SCENE_LIE, -1, 0, -24, -6, 90, 1.4f, 0},
      END_OF_CAST},
     {{PROP_BRAZIER, -26, 20, 0, 0, 0.8f}, NO_PROPS},
     {0, 0.1f, 1.35f, 0, -0.1f}},
    // Home: Odysseus and Penelope in each other's arms, Telemachus and Argos by them, Athena
    // watching over them with a smile.
    {"finales/odiseof3.jpg", BACKDROP_PALACE, -1,
     {{CHARACTER_ODYSSEUS, SCENE_EMBRACE, -1, 0, -4, 4, 70, 1, 0},
      {WHO_PENELOPE, SCENE_EMBRACE, -1, 0, 4, 4, -70, 1, 0},
      {WHO_ATHENA, SCENE_STAND, -1, 0, 18, 16, -40, 1.05f, 0},
      {WHO_MAN, SCENE_STAND, -1, 0, -18, 12, 30, 1, 0},
      {WHO_DOG, SCENE_STAND, -1, 0, -12, -8, 60, 1.4f, 0},
      END_OF_CAST},
     {NO_PROPS},
     LEVEL},

    // In the wood of Arcadia Atalanta, her bow on her shoulder, asks Zeus for the forests;
    // Artemis comes to thank her.
    {"finales/atalantaf1.jpg", BACKDROP_ARENA, STAGE_ARCADIA,
     {{CHARACTER_ATALANTA, SCENE_SPEAK, -1, 0, -4, 0, 55, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 14, 8, -45, 1.1f, 0},
      {WHO_ARTEMIS, SCENE_STAND, -1, 0, -18, 8, 40, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 14, 8, 0, -45, 0.9f}, NO_PROPS},
     {0, 0.1f, 1.15f, 0, -0.05f}},
    // Back in the woods: Atalanta runs ahead, Hippomenes walks beside her, a traveller stops
    // among the trees to watch the huntress go by.
    {"finales/atalantaf2.jpg", BACKDROP_WOOD, -1,
     {{CHARACTER_ATALANTA, SCENE_WALK, -1, 0, 4, 0, 80, 1, 0},
      {WHO_MAN, SCENE_WALK, -1, 0, -10, 6, 80, 1, 1},
      {WHO_SHEPHERD, SCENE_STAND, -1, 0, 22, 18, -60, 0.95f, 0},
      END_OF_CAST},
     {{PROP_TREE, -26, 24, 0, 0, 1.2f}, {PROP_TREE, 12, 32, 0, 40, 1.3f}, NO_PROPS},
     LEVEL},

    // Perseus before his father on his throne, asking who brought Medusa back.
    {"finales/perseof1.jpg", BACKDROP_HALL, -1,
     {{CHARACTER_PERSEUS, SCENE_SPEAK, -1, 0, -8, 0, 60, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 10, 6, -50, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 10, 6, 0, -50, 0.9f}, {PROP_BRAZIER, -22, 16, 0, 0, 0.8f}, NO_PROPS},
     {0, 0.1f, 0.95f, 0, -0.1f}},
    // At home in Argos: Perseus hands the shield back to Athena, Hermes takes his sandals,
    // Andromeda and the children beside him, old Acrisius at peace at last.
    {"finales/perseof2.jpg", BACKDROP_PALACE, -1,
     {{CHARACTER_PERSEUS, SCENE_SPEAK, -1, 0, -2, 4, 80, 1, 0},
      {WHO_ATHENA, SCENE_STAND, -1, 0, 10, 6, -80, 1.05f, 0},
      {WHO_HERMES, SCENE_STAND, -1, 0, 22, 14, -60, 1, 0},
      {WHO_ANDROMEDA, SCENE_STAND, -1, 0, -14, 8, 40, 1, 0},
      {WHO_ELDER, SCENE_STAND, -1, 0, -26, 14, 45, 1, 0},
      {WHO_CHILD, SCENE_STAND, -1, 0, -8, -6, 30, 1, 0},
      END_OF_CAST},
     {NO_PROPS},
     LEVEL},
    // Among the stars: Perseus, his sword held high, and Andromeda beside him in the night sky.
    {"finales/perseof3.jpg", BACKDROP_NIGHT, -1,
     {{CHARACTER_PERSEUS, SCENE_RAISE, -1, 0, -6, 0, 25, 1, 0},
      {WHO_ANDROMEDA, SCENE_STAND, -1, 0, 8, 2, -25, 1, 0},
      END_OF_CAST},
     {{PROP_CLOUD, -6, 0, 0, 0, 0.45f}, {PROP_CLOUD, 8, 2, 0, 0, 0.45f}, NO_PROPS},
     {0, -0.3f, 1.0f, 0, -0.1f}},

    // Hippolyte kneels before Zeus on Olympus and asks for her people's freedom; Ares, her
    // father, rages behind her with his spear up.
    {"finales/hipolitaf1.jpg", BACKDROP_OLYMPUS, -1,
     {{CHARACTER_HIPPOLYTE, SCENE_KNEEL, -1, 0, -4, 0, 60, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 14, 8, -50, 1.1f, 0},
      {CHARACTER_ARES, SCENE_RAISE, -1, 0, -20, 12, 40, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 14, 8, 0, -50, 0.9f}, NO_PROPS},
     {0, 0.1f, 1.0f, 0, -0.1f}},
    // Home on the plains: the Amazons welcome their queen with cheers round the fires; far off,
    // Ares comes walking to see her.
    {"finales/hipolitaf2.jpg", BACKDROP_WOOD, -1,
     {{CHARACTER_HIPPOLYTE, SCENE_RAISE, -1, 0, 0, 4, 0, 1, 0},
      {WHO_AMAZON, SCENE_CHEER, -1, 0, -14, -6, 40, 1, 0},
      {WHO_AMAZON, SCENE_CHEER, -1, 0, 14, -6, -40, 1, 1},
      {WHO_AMAZON, SCENE_RAISE, -1, 0, -24, 8, 50, 1, 1},
      {CHARACTER_ARES, SCENE_WALK, -1, 0, 28, 20, -90, 1, 0},
      END_OF_CAST},
     {{PROP_BRAZIER, -8, 14, 0, 0, 0.9f}, {PROP_BRAZIER, 10, 14, 0, 0, 0.9f}, NO_PROPS},
     LEVEL},
    // "So I did": Ares laughs for the first time in a thousand years, his daughter before him,
    // her Amazons cheering round them.
    {"finales/hipolitaf3.jpg", BACKDROP_WOOD, -1,
     {{CHARACTER_ARES, SCENE_STAND, ACTION_WIN_1, 0.6f, 8, 2, -50, 1, 0},
      {CHARACTER_HIPPOLYTE, SCENE_STAND, -1, 0, -8, 2, 50, 1, 0},
      {WHO_AMAZON, SCENE_CHEER, -1, 0, -20, 12, 40, 1, 0},
      {WHO_AMAZON, SCENE_CHEER, -1, 0, 20, 12, -40, 1, 1},
      END_OF_CAST},
     {{PROP_BRAZIER, 0, 20, 0, 0, 0.9f}, NO_PROPS},
     {0, 0.1f, 1.15f, 0, -0.05f}},

    // The Cyclops before Zeus on Olympus, asking for his eye and for Galatea.
    {"finales/polifemof1.jpg", BACKDROP_OLYMPUS, -1,
     {{CHARACTER_POLYPHEMUS, SCENE_STAND, -1, 0, -10, 0, 40, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 14, 8, -50, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 14, 8, 0, -50, 0.9f}, NO_PROPS},
     LEVEL},
    // Polyphemus sits on his rock in the sea and sings; Galatea has come up out of the waves
    // to listen; a ship passes far out.
    {"finales/polifemof2.jpg", BACKDROP_SEA, -1,
     {{CHARACTER_POLYPHEMUS, SCENE_SIT, -1, 0, -10, 4, 50, 1, 0},
      {WHO_GALATEA, SCENE_STAND, -1, 0, 12, 20, -50, 1, 0},
      END_OF_CAST},
     {{PROP_ROCK, -10, 6, 0, 0, 0.6f}, {PROP_WATER, 0, -80, 0.2f, 0, 1}, {PROP_SHIP, 26, 54, 0, -90, 1}, NO_PROPS},
     LEVEL},

    // In the dark of the Labyrinth the Minotaur stands breathing hard before Zeus, who has come
    // down to it and reads its wish.
    {"finales/minotaurof1.jpg", BACKDROP_ARENA, STAGE_LABYRINTH,
     {{CHARACTER_MINOTAUR, SCENE_STAND, -1, 0, -8, 0, 55, 1, 0},
      {WHO_ZEUS, SCENE_SPEAK, -1, 0, 10, 6, -50, 1.1f, 0},
      END_OF_CAST},
     {NO_PROPS},
     {0, 0.1f, 0.95f, 0, -0.1f}},
    // Out of the earth and into the sun: the Minotaur walks over the green hills of Crete.
    {"finales/minotaurof2.jpg", BACKDROP_SKY, -1,
     {{CHARACTER_MINOTAUR, SCENE_WALK, -1, 0, 0, 0, 40, 1, 0},
      END_OF_CAST},
     {{PROP_SUN, 18, 30, 24, 0, 1}, {PROP_ROCK, -16, 6, 0, 0, 0.7f}, NO_PROPS},
     LEVEL},
    // Free under the sun: the Minotaur rests on a rock by the sea; the shepherds' children
    // have climbed up to look at it, a shepherd behind them.
    {"finales/minotaurof3.jpg", BACKDROP_SEA, -1,
     {{CHARACTER_MINOTAUR, SCENE_SIT, -1, 0, -10, 6, 40, 1, 0},
      {WHO_CHILD, SCENE_STAND, -1, 0, 8, 0, -60, 1, 0},
      {WHO_CHILD, SCENE_POINT, -1, 0, 14, 6, -70, 0.9f, 1},
      {WHO_SHEPHERD, SCENE_STAND, -1, 0, 22, 12, -60, 1, 0},
      END_OF_CAST},
     {{PROP_ROCK, -10, 8, 0, 0, 0.6f}, {PROP_SUN, -28, 60, 34, 0, 1}, NO_PROPS},
     LEVEL},

    // Medusa asks Zeus for her beauty back; Athena, whose curse it was, stands by his throne.
    {"finales/medusaf1.jpg", BACKDROP_HALL, -1,
     {{CHARACTER_MEDUSA, SCENE_SPEAK, -1, 0, -8, 0, 55, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 10, 6, -50, 1.1f, 0},
      {WHO_ATHENA, SCENE_STAND, -1, 0, 24, 14, -50, 1.05f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 10, 6, 0, -50, 0.9f}, NO_PROPS},
     LEVEL},
    // At the door of the temple she served in, Athena kneels to Medusa (the bowing pose, that
    // deep, reads as a fall).
    {"finales/medusaf2.jpg", BACKDROP_ARENA, STAGE_TEMPLE,
     {{CHARACTER_MEDUSA, SCENE_STAND, -1, 0, -8, 2, 50, 1, 1},
      {WHO_ATHENA, SCENE_KNEEL, -1, 0, 10, 6, -60, 1.05f, 0},
      END_OF_CAST},
     {NO_PROPS},
     {0, 0.35f, 1.0f, 0, 0.05f}},
    // Away over the sea: Medusa walks down to the ship that will take her nobody knows where.
    {"finales/medusaf3.jpg", BACKDROP_SEA, -1,
     {{CHARACTER_MEDUSA, SCENE_WALK, -1, 0, -6, 0, 150, 1, 1},
      END_OF_CAST},
     {{PROP_WATER, 0, 24, 0.2f, 0, 1}, {PROP_SHIP, 16, 44, 0, 80, 1}, NO_PROPS},
     {0, 0.1f, 0.95f, 0, -0.1f}},

    // The Sphinx asks Zeus her riddle; he smiles on his throne.
    {"finales/esfingef1.jpg", BACKDROP_OLYMPUS, -1,
     {{CHARACTER_SPHINX, SCENE_STAND, -1, 0, -10, 0, 60, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 14, 8, -50, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 14, 8, 0, -50, 0.9f}, NO_PROPS},
     {0, 0.1f, 1.15f, 0, -0.05f}},
    // Night on Olympus: the Sphinx laughs, Zeus sits without an answer.
    {"finales/esfingef2.jpg", BACKDROP_NIGHT, -1,
     {{CHARACTER_SPHINX, SCENE_STAND, ACTION_WIN_1, 0.6f, -10, 0, 60, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 14, 8, -50, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 14, 8, 0, -50, 0.9f}, NO_PROPS},
     LEVEL},

    // The Hydra before Zeus on Olympus, all its heads raised high.
    {"finales/hidraf1.jpg", BACKDROP_OLYMPUS, -1,
     {{CHARACTER_HYDRA, SCENE_STAND, ACTION_WIN_1, 0.6f, -10, 0, 50, 1, 0},
      {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 18, 10, -50, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 18, 10, 0, -50, 0.9f}, NO_PROPS},
     LEVEL},
    // Asleep among the trees and reeds of Lerna by the water, its heads laid down.
    {"finales/hidraf2.jpg", BACKDROP_WOOD, -1,
     {{CHARACTER_HYDRA, SCENE_STAND, ACTION_KO, 1, 0, 0, 30, 1, 0},
      END_OF_CAST},
     {{PROP_TREE, -26, 20, 0, 0, 1.1f}, {PROP_TREE, 26, 24, 0, 60, 1.2f}, {PROP_ROCK, 16, -4, 0, 0, 0.5f}, NO_PROPS},
     LEVEL},

    // On the throne of Olympus: Ares sits where Zeus sat, Zeus walks out without a word, the
    // gods kneel, and Atropos speaks to the new king.
    {"finales/aresf1.jpg", BACKDROP_HALL, -1,
     {{CHARACTER_ARES, SCENE_ENTHRONED, -1, 0, 0, 12, 0, 1.05f, 0},
      {CHARACTER_ATROPOS, SCENE_SPEAK, -1, 0, -18, 0, 50, 1, 0},
      {WHO_ZEUS, SCENE_WALK, -1, 0, 22, 4, 100, 1.1f, 0},
      {WHO_APOLLO, SCENE_KNEEL, -1, 0, -10, 2, 120, 1, 0},
      {WHO_HERMES, SCENE_KNEEL, -1, 0, 11, 2, -120, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 0, 12, 0, 0, 0.9f}, NO_PROPS},
     LEVEL},
    // "Threads can be cut": Atropos opens her shears before Ares on his throne; behind her,
    // her sisters spin and measure his thread.
    {"finales/aresf2.jpg", BACKDROP_OLYMPUS, -1,
     {{CHARACTER_ATROPOS, SCENE_CUT, -1, 0, -6, 0, 50, 1, 0},
      {CHARACTER_ARES, SCENE_ENTHRONED, -1, 0, 12, 8, -45, 1.05f, 0},
      {WHO_CLOTHO, SCENE_SPIN, -1, 0, -22, 14, 40, 1, 0},
      {WHO_LACHESIS, SCENE_MEASURE, -1, 0, -14, 22, 30, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 12, 8, 0, -45, 0.9f}, {PROP_THREAD, -10, 12, 12, 0, 0.8f}, NO_PROPS},
     {0, 0.1f, 1.15f, 0, -0.1f}},

    // Atropos has raised her shears: the throne of Olympus stands empty, Ares runs from it,
    // Zeus looks on, and her sisters wait behind her.
    {"finales/atropof1.jpg", BACKDROP_HALL, -1,
     {{CHARACTER_ATROPOS, SCENE_RAISE, -1, 0, -6, 0, 40, 1, 0},
      {CHARACTER_ARES, SCENE_FLEE, -1, 0, 12, -4, 100, 1, 0},
      {WHO_ZEUS, SCENE_STAND, -1, 0, 28, 14, -60, 1.1f, 0},
      {WHO_CLOTHO, SCENE_SPIN, -1, 0, -20, 10, 50, 1, 0},
      {WHO_LACHESIS, SCENE_MEASURE, -1, 0, -26, 18, 40, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 4, 18, 0, 0, 1}, NO_PROPS},
     LEVEL},
    // The three sisters at their work again: Clotho spins, Lachesis measures, Atropos cuts.
    {"finales/atropof2.jpg", BACKDROP_DARK, -1,
     {{WHO_CLOTHO, SCENE_SPIN, -1, 0, -16, 4, 40, 1, 0},
      {WHO_LACHESIS, SCENE_MEASURE, -1, 0, 0, 8, 0, 1, 0},
      {CHARACTER_ATROPOS, SCENE_CUT, -1, 0, 16, 4, -40, 1, 0},
      END_OF_CAST},
     {{PROP_THREAD, 0, 4, 13, 0, 1.4f}, NO_PROPS},
     LEVEL},
};
const int ending_scene_count = static_cast<int>(std::size(ending_scenes));
