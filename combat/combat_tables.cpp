// The per-character combat rules and the special-move table.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <iterator>

// Specials by command: down-toward, down-away, away-down, toward-down-toward,
// toward-away-toward, (super).
const CombatCharacter combat_characters[] = {
    // grounded swing hold heavy keeps sweep cpu_long spares heads  margin camera back
    {0, 1, 0, 0, 0, 1, 0, 0, 0, 0.0f, 25.0f, 0.0f,   // Jason
     {ACTION_JASON_SPECIAL2, ACTION_JASON_SPECIAL1, 0, 0, 0, 0}},
    {0, 1, 0, 0, 0, 0, 0, 0, 0, 0.0f, 25.0f, 0.0f,   // Odysseus
     {ACTION_ODYSSEUS_SPECIAL2, ACTION_ODYSSEUS_SPECIAL1, 0, 0, 0, 0}},
    {0, 1, 0, 0, 0, 0, 0, 0, 0, 0.0f, 25.0f, 0.0f,   // Atalanta
     {ACTION_ATALANTA_SPECIAL1, 0, ACTION_ATALANTA_SPECIAL2, 0, 0, 0}},
    {0, 1, 0, 0, 0, 0, 1, 0, 0, 0.0f, 25.0f, 0.0f,   // Perseus
     {ACTION_PERSEUS_SPECIAL1, 0, 0, ACTION_PERSEUS_SPECIAL2, 0, 0}},
    {0, 1, 0, 0, 0, 0, 0, 0, 0, 0.0f, 25.0f, 0.0f,   // Hippolyte
     {ACTION_HIPPOLYTE_SPECIAL2, ACTION_HIPPOLYTE_SPECIAL1, 0, 0, 0, 0}},
    {0, 1, 0, 1, 0, 0, 1, 0, 0, 5.0f, 30.0f, 0.0f,   // Polyphemus
     {0, 0, 0, ACTION_POLYPHEMUS_SPECIAL2, ACTION_POLYPHEMUS_SPECIAL1, 0}},
    {0, 1, 0, 0, 0, 0, 0, 0, 0, 5.0f, 30.0f, 0.0f,   // Minotaur
     {ACTION_MINOTAUR_SPECIAL2, ACTION_MINOTAUR_SPECIAL1, 0, 0, 0, 0}},
    {0, 1, 1, 0, 0, 0, 0, 1, 0, 5.0f, 30.0f, 0.0f,   // Medusa
     {ACTION_MEDUSA_SPECIAL1, ACTION_MEDUSA_SPECIAL2, 0, 0, 0, 0}},
    {0, 1, 0, 0, 1, 0, 1, 0, 0, 5.0f, 30.0f, 0.0f,   // Sphinx
     {0, ACTION_SPHINX_SPECIAL2, 0, ACTION_SPHINX_SPECIAL1, 0, 0}},
    {1, 0, 0, 0, 0, 0, 0, 0, 1, 30.0f, 60.0f, 8.0f,  // Hydra
     {ACTION_HYDRA_SPECIAL1, 0, 0, 0, 0, 0}},
    {0, 1, 0, 0, 1, 0, 0, 0, 0, 0.0f, 25.0f, 0.0f,   // Ares
     {ACTION_ARES_SPECIAL2, ACTION_ARES_SPECIAL1, 0, 0, 0, 0}},
    {0, 1, 1, 0, 0, 0, 0, 0, 0, 0.0f, 25.0f, 0.0f,   // Atropos
     {ACTION_ATROPOS_SPECIAL2, 0, 0, ACTION_ATROPOS_SPECIAL1, 0, 0}},
};
static_assert(std::size(combat_characters) == CHARACTER_COUNT, "one row per character");

const CombatCharacter &combat_character(const Fighter *fighter)
{
    return combat_characters[fighter->character < CHARACTER_COUNT ? fighter->character : 0];
}

const SpecialMove special_moves[] = {
    // kind              trail sound lunge        step   near
    {SPECIAL_MELEE,      0, 1, LUNGE_TIMER, 0.05f, 0},   // 1001 Jason
    {SPECIAL_LONG_MELEE, 0, 1, LUNGE_FIXED, 0.75f, 0},   // 1002 Jason
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.55f, 0},   // 1003 Atalanta
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.55f, 1},   // 1004 Hydra
    {SPECIAL_MELEE,      0, 1, LUNGE_NONE,  0.0f,  0},   // 1005 Odysseus
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.55f, 0},   // 1006 Perseus
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.55f, 0},   // 1007 Perseus
    {SPECIAL_LAUNCH,     0, 1, LUNGE_NONE,  0.0f,  0},   // 1008 Ares
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.55f, 0},   // 1009 Hippolyte
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.55f, 0},   // 1010 Polyphemus
    {SPECIAL_NONE,       0, 0, LUNGE_NONE,  0.0f,  0},   // 1011 nobody's
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.75f, 0},   // 1012 Sphinx
    {SPECIAL_LEAP,       0, 1, LUNGE_NONE,  0.0f,  0},   // 1013 Atropos
    {SPECIAL_THROW,      1, 1, LUNGE_NONE,  0.0f,  0},   // 1014 Odysseus
    {SPECIAL_THROW,      1, 1, LUNGE_NONE,  0.0f,  0},   // 1015 Hippolyte
    {SPECIAL_LOW,        0, 1, LUNGE_NONE,  0.0f,  0},   // 1016 Atalanta
    {SPECIAL_LAUNCH,     1, 0, LUNGE_NONE,  0.0f,  0},   // 1017 Sphinx: its animation plays the sound
    {SPECIAL_LAUNCH,     0, 1, LUNGE_NONE,  0.0f,  0},   // 1018 Polyphemus
    {SPECIAL_LAUNCH,     1, 1, LUNGE_NONE,  0.0f,  0},   // 1019 Medusa
    {SPECIAL_LAUNCH,     1, 1, LUNGE_NONE,  0.0f,  0},   // 1020 Medusa
    {SPECIAL_MELEE,      0, 1, LUNGE_FIXED, 0.5f,  0},   // 1021 Atropos
    {SPECIAL_LAUNCH,     1, 1, LUNGE_NONE,  0.0f,  0},   // 1022 Ares
    {SPECIAL_LONG_MELEE, 0, 1, LUNGE_FIXED, 0.75f, 0},   // 1023 Minotaur
    {SPECIAL_MELEE,      0, 1, LUNGE_NONE,  0.0f,  0},   // 1024 Minotaur
};
static_assert(std::size(special_moves) == SPECIAL_LAST - SPECIAL_FIRST + 1, "one row per special id");

const SpecialMove &special_move(i32 action)
{
    static const SpecialMove none = {SPECIAL_NONE, 0, 0, LUNGE_NONE, 0.0f, 0};
    if (action < SPECIAL_FIRST || action > SPECIAL_LAST)
        return none;
    return special_moves[action - SPECIAL_FIRST];
}
