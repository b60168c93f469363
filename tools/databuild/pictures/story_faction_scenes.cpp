// The faction endings' pictures as scenes: Ares won (fina_01..07), the heroes won
// (finz_01..04). Several are drawn over another picture (no backdrop of their own) on a quad
// that covers one side of the screen, so their cast keeps to that side.
#include "tools/databuild/pictures/scene.h"

#include <iterator>

constexpr SceneCamera LEVEL = {0, 0.1f, 1.2f, 0, -0.1f};

const SceneRow faction_scenes[] = {
    // Ares' champions have won: the Minotaur, Hippolyte and Medusa raise their weapons below
    // Olympus while the altar of war burns (the left of the screen: Ares' climb lies over the
    // right).
    {"finales/fina_01.tga", BACKDROP_OLYMPUS, -1,
     {{CHARACTER_MINOTAUR, SCENE_STAND, ACTION_WIN_1, 0.6f, -30, 8, 40, 1, 0},
      {CHARACTER_HIPPOLYTE, SCENE_RAISE, -1, 0, -17, 0, 30, 1, 0},
      {CHARACTER_MEDUSA, SCENE_STAND, ACTION_WIN_1, 0.6f, -5, 10, 10, 1, 0},
      END_OF_CAST},
     {{PROP_ALTAR, 8, 8, 0, 0, 0.8f}, {PROP_BRAZIER, 8, 8, 9, 0, 0.8f}, NO_PROPS},
     {0, 0.1f, 0.68f, 0.25f, -0.1f}},
    // Ares walks up to the empty throne while Apollo and Hera watch in silence, the throne
    // between him and them.
    {"finales/fina_02.tga", BACKDROP_CLEAR, -1,
     {{CHARACTER_ARES, SCENE_WALK, -1, 0, -8, 2, 75, 1, 0},
      {WHO_APOLLO, SCENE_STAND, -1, 0, 16, 8, -50, 1, 0},
      {WHO_HERA, SCENE_STAND, -1, 0, 26, 16, -40, 1.05f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 4, 14, 0, 15, 0.9f}, NO_PROPS},
     {0, 0.1f, 1.05f, -0.12f, -0.1f}},
    // Atropos, her shears in her hand, Ares' thread running from them.
    {"finales/fina_03.tga", BACKDROP_CLEAR, -1,
     {{CHARACTER_ATROPOS, SCENE_CUT, -1, 0, 0, 0, 60, 1, 0},
      END_OF_CAST},
     {{PROP_THREAD, 8, 0, 12, 0, 0.35f}, NO_PROPS},
     {0, 0.1f, 1.05f, 0, -0.1f}},
    // Ares, king of the gods for a time, on the throne of Olympus.
    {"finales/fina_04.tga", BACKDROP_CLEAR, -1,
     {{CHARACTER_ARES, SCENE_ENTHRONED, -1, 0, 0, 0, -40, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 0, 0, 0, -40, 0.8f}, NO_PROPS},
     LEVEL},
    // Her shears open on his thread, Ares kneels and gives the throne back.
    {"finales/fina_05.tga", BACKDROP_CLEAR, -1,
     {{CHARACTER_ATROPOS, SCENE_CUT, -1, 0, -10, 0, 60, 1, 0},
      {CHARACTER_ARES, SCENE_KNEEL, -1, 0, 10, 2, -60, 1, 0},
      END_OF_CAST},
     {{PROP_THREAD, 0, 1, 12, 0, 0.8f}, NO_PROPS},
     LEVEL},
    // Zeus back on his throne.
    {"finales/fina_06.tga", BACKDROP_CLEAR, -1,
     {{WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 0, 0, -30, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, 0, 0, 0, -30, 0.85f}, NO_PROPS},
     LEVEL},
    // The three sisters at their thread again: Clotho spins, Lachesis measures, Atropos cuts.
    {"finales/fina_07.tga", BACKDROP_NIGHT, -1,
     {{WHO_CLOTHO, SCENE_SPIN, -1, 0, -16, 4, 35, 1, 0},
      {WHO_LACHESIS, SCENE_MEASURE, -1, 0, 0, 8, 0, 1, 0},
      {CHARACTER_ATROPOS, SCENE_CUT, -1, 0, 16, 4, -35, 1, 0},
      END_OF_CAST},
     {{PROP_THREAD, 0, 4, 13, 0, 0.9f}, NO_PROPS},
     LEVEL},

    // The hall of the gods: Zeus, back by his throne, points Ares out of it, and Ares runs
    // (the right of the screen: the heroes stand over the left).
    {"finales/finz_01.tga", BACKDROP_HALL, -1,
     {{CHARACTER_ARES, SCENE_FLEE, -1, 0, 20, 2, 100, 1, 0},
      {WHO_ZEUS, SCENE_POINT, -1, 0, -6, 16, 60, 1.1f, 0},
      END_OF_CAST},
     {{PROP_THRONE, -16, 22, 0, 20, 0.9f}, NO_PROPS},
     {0, 0.1f, 0.8f, -0.2f, -0.1f}},
    // Zeus' heroes over a fallen warrior of Ares: Jason and Perseus with their weapons up.
    {"finales/finz_02.tga", BACKDROP_CLEAR, -1,
     {{CHARACTER_JASON, SCENE_RAISE, -1, 0, -8, 2, 25, 1, 0},
      {CHARACTER_PERSEUS, SCENE_RAISE, -1, 0, 8, 2, -25, 1, 0},
      {CHARACTER_MINOTAUR, SCENE_STAND, ACTION_KO, 1, 2, -10, 90, 1, 0},
      END_OF_CAST},
     {NO_PROPS},
     LEVEL},
    // Zeus keeps his throne on Olympus; the heroes cheer before him, the people with them.
    {"finales/finz_03.tga", BACKDROP_OLYMPUS, -1,
     {{WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 0, 10, 0, 1.1f, 0},
      {CHARACTER_JASON, SCENE_CHEER, -1, 0, -12, 0, 30, 1, 0},
      {CHARACTER_ATALANTA, SCENE_CHEER, -1, 0, 12, 0, -30, 1, 0},
      {CHARACTER_ODYSSEUS, SCENE_STAND, -1, 0, -22, 4, 40, 1, 0},
      {CHARACTER_PERSEUS, SCENE_STAND, -1, 0, 22, 4, -40, 1, 0},
      {CHARACTER_POLYPHEMUS, SCENE_STAND, -1, 0, -32, 12, 45, 1, 0},
      {WHO_WOMAN, SCENE_CHEER, -1, 0, 32, 12, -45, 1, 0},
      END_OF_CAST},
     {{PROP_THRONE, 0, 10, 0, 0, 0.9f}, NO_PROPS},
     {0, 0.1f, 1.15f, 0, -0.1f}},
    // Ares sits waiting in the dark; beside him the Moirae spin on.
    {"finales/finz_04.tga", BACKDROP_DARK, -1,
     {{CHARACTER_ARES, SCENE_SIT, -1, 0, -22, 4, 40, 1, 0},
      {WHO_CLOTHO, SCENE_SPIN, -1, 0, 4, 8, -20, 1, 0},
      {WHO_LACHESIS, SCENE_MEASURE, -1, 0, 16, 12, -30, 1, 0},
      {CHARACTER_ATROPOS, SCENE_CUT, -1, 0, 28, 8, -40, 1, 0},
      END_OF_CAST},
     {{PROP_THREAD, 16, 8, 13, 0, 1.2f}, {PROP_ROCK, -22, 6, 0, 0, 0.5f}, NO_PROPS},
     {0, 0.1f, 1.15f, 0, -0.1f}},
};
const int faction_scene_count = static_cast<int>(std::size(faction_scenes));
