// The fighters' looks by character id.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

const FigureLook *const figure_looks[] = {
    &look_jason,    &look_odysseus, &look_atalanta, &look_perseus, &look_hippolyte, &look_polyphemus,
    &look_minotaur, &look_medusa,   &look_sphinx,   &look_hydra,   &look_ares,      &look_atropos,
};
static_assert(std::size(figure_looks) == CHARACTER_COUNT, "one look per character");
