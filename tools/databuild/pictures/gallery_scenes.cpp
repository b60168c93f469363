// The gallery's ten gods and the Cyclops' scene as scenes, in the gallery's order.
#include "tools/databuild/pictures/scene.h"

#include <iterator>

const SceneRow gallery_scenes[] = {
    {"galeria/zeus.jpg", BACKDROP_SKY, -1, {{WHO_ZEUS, SCENE_RAISE, -1, 0, 0, 0, 0, 1, 0}, END_OF_CAST}, {NO_PROPS}, {0, 0.1f, 1, 0, 0}},
};
const int gallery_scene_count = static_cast<int>(std::size(gallery_scenes));
