// The fighters' looks by character id.
#include "tools/databuild/figure_look.h"

#include <iterator>

const FigureLook *const figure_looks[] = {
    &look_jason, nullptr, nullptr, nullptr, nullptr, nullptr,
    nullptr, nullptr, nullptr, nullptr, nullptr, nullptr,
};
static_assert(std::size(figure_looks) == CHARACTER_COUNT, "one look per character");
