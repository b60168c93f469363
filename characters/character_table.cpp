// The cast by character id: every per-character table of loading and animation hangs off
// one module row, defined beside that character's tables.
#include "characters/characters.h"

#include <iterator>

const CharacterModule *const character_modules[] = {
    &jason_module,      &odysseus_module, &atalanta_module, &perseus_module,
    &hippolyte_module,  &polyphemus_module, &minotaur_module, &medusa_module,
    &sphinx_module,     &hydra_module,    &ares_module,     &atropos_module,
};
static_assert(std::size(character_modules) == CHARACTER_COUNT, "one module per character");

void character_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur)
{
    if (fighter->character >= CHARACTER_COUNT)
        return;
    sequencer_step(&character_modules[fighter->character]->sequence, fighter, skeleton, blur);
}
