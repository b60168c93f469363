// The twelve character endings' pictures as scenes, by fighter, in the order each ending shows them.
#include "tools/databuild/pictures/scene.h"

#include <iterator>

const SceneRow ending_scenes[] = {
    {"finales/jasonf1.jpg", BACKDROP_SKY, -1, {{CHARACTER_JASON, SCENE_KNEEL, -1, 0, 0, 0, 30, 1, 0}, {WHO_ZEUS, SCENE_ENTHRONED, -1, 0, 8, 4, -40, 1.1f, 0}, END_OF_CAST}, {NO_PROPS}, {0, 0.1f, 1, 0, 0}},
};
const int ending_scene_count = static_cast<int>(std::size(ending_scenes));
