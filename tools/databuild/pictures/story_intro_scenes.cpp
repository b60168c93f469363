// The opening story's pictures as scenes, in the order the story shows them.
#include "tools/databuild/pictures/scene.h"

#include <iterator>

const SceneRow intro_scenes[] = {
    {"intro/cloto01.tga", BACKDROP_SKY, -1, {{WHO_CLOTHO, SCENE_SPIN, -1, 0, 0, 0, -30, 1, 0}, END_OF_CAST}, {NO_PROPS}, {0, 0.1f, 1, 0, 0}},
};
const int intro_scene_count = static_cast<int>(std::size(intro_scenes));
