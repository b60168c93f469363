// The faction endings' pictures as scenes: Ares won (fina_01..07), the heroes won (finz_01..04).
#include "tools/databuild/pictures/scene.h"

#include <iterator>

const SceneRow faction_scenes[] = {
    {"finales/fina_01.tga", BACKDROP_SKY, -1, {{CHARACTER_ARES, SCENE_RAISE, -1, 0, 0, 0, 0, 1, 0}, END_OF_CAST}, {NO_PROPS}, {0, 0.1f, 1, 0, 0}},
};
const int faction_scene_count = static_cast<int>(std::size(faction_scenes));
