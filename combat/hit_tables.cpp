// The hit code's tables: per-character hit rules, the move classes and every move that can
// strike in melee.
#include "combat/combat.h"

#include "combat/combat_local.h"

#include <iterator>

const HitCharacter hit_characters[] = {
    // voice        weapon kicks  sweep proof  heads  fwd stun  side-two sweep vs
    {VOICE_MALE,   0, 0, 0, 0, -1},                 // Jason
    {VOICE_MALE,   0, 0, 0, 0, CHARACTER_ARES},     // Odysseus  KEEP: the pairing has always played so
    {VOICE_FEMALE, 0, 0, 0, 0, -1},                 // Atalanta
    {VOICE_MALE,   0, 0, 0, 0, -1},                 // Perseus
    {VOICE_FEMALE, 0, 0, 0, 0, -1},                 // Hippolyte
    {VOICE_MALE,   1, 0, 0, 0, -1},                 // Polyphemus
    {VOICE_NONE,   0, 0, 0, 0, -1},                 // Minotaur
    {VOICE_NONE,   0, 1, 0, 0, -1},                 // Medusa
    {VOICE_NONE,   0, 0, 0, 1, -1},                 // Sphinx
    {VOICE_NONE,   0, 1, 1, 0, -1},                 // Hydra
    {VOICE_MALE,   0, 0, 0, 0, -1},                 // Ares
    {VOICE_FEMALE, 0, 0, 0, 0, -1},                 // Atropos
};
static_assert(std::size(hit_characters) == CHARACTER_COUNT, "one row per character");

const HitCharacter &hit_character(const Fighter *fighter)
{
    return hit_characters[fighter->character < CHARACTER_COUNT ? fighter->character : 0];
}

const MoveClassInfo move_classes[] = {
    // hit sound     swing sound     recoil
    {-1,             -1,             HIT_RECOIL_NONE},    // other
    {SFX_HIT_HARD,   SFX_SWING_HARD, HIT_RECOIL_HEAVY},   // heavy
    {SFX_HIT_LOW,    SFX_SWING_LOW,  HIT_RECOIL_LIGHT},   // light (kicks too)
};
static_assert(std::size(move_classes) == MOVE_CLASS_COUNT, "one row per move class");

static const MeleeMove melee_moves[] = {
    // action                      class             damage kick bleeds stun low guard chain
    {ACTION_LOW_SWING,             MOVE_CLASS_LIGHT, 1,  0, 1, 0,  0, 2},
    {ACTION_LOW_SWING_2,           MOVE_CLASS_LIGHT, 2,  0, 1, 0,  0, 1},
    {ACTION_LOW_SWING_3,           MOVE_CLASS_LIGHT, 3,  0, 1, 0,  0, 0},
    {ACTION_LOW_SWING_CROUCH,      MOVE_CLASS_LIGHT, 4,  0, 1, 0,  0, 0},
    {ACTION_LOW_SWING_AIR,         MOVE_CLASS_LIGHT, 5,  0, 1, 0,  0, 0},
    {ACTION_KICK,                  MOVE_CLASS_LIGHT, 10, 1, 0, 0,  0, 0},
    {ACTION_KICK_CROUCH,           MOVE_CLASS_LIGHT, 12, 1, 0, 0,  0, 0},
    {ACTION_KICK_SWEEP,            MOVE_CLASS_LIGHT, 13, 1, 0, 0,  0, 0},
    {ACTION_KICK_AIR,              MOVE_CLASS_LIGHT, 14, 1, 0, 0,  0, 0},
    {ACTION_HARD_SWING,            MOVE_CLASS_HEAVY, 6,  0, 1, 0,  0, 0},
    {ACTION_HARD_SWING_FORWARD,    MOVE_CLASS_HEAVY, 7,  0, 1, 0,  0, 0},
    {ACTION_HARD_SWING_CROUCH,     MOVE_CLASS_HEAVY, 8,  0, 1, 0,  0, 0},
    {ACTION_HARD_SWING_AIR,        MOVE_CLASS_HEAVY, 9,  0, 1, 0,  0, 0},
    {ACTION_KICK_FORWARD,          MOVE_CLASS_HEAVY, 11, 1, 1, 10, 0, 0},
    {ACTION_JASON_SPECIAL1,        MOVE_CLASS_HEAVY, 15, 0, 1, 10, 0, 0},
    {ACTION_JASON_SPECIAL2,        MOVE_CLASS_HEAVY, 16, 0, 1, 0,  0, 0},
    {ACTION_ATALANTA_SPECIAL1,     MOVE_CLASS_HEAVY, 15, 0, 1, 0,  1, 0},
    {ACTION_HYDRA_SPECIAL1,        MOVE_CLASS_HEAVY, 15, 0, 1, 0,  0, 0},
    {ACTION_ODYSSEUS_SPECIAL1,     MOVE_CLASS_HEAVY, 15, 0, 1, 5,  0, 0},
    {ACTION_PERSEUS_SPECIAL1,      MOVE_CLASS_HEAVY, 16, 0, 1, 0,  0, 0},
    {ACTION_PERSEUS_SPECIAL2,      MOVE_CLASS_HEAVY, 15, 0, 1, 0,  1, 0},
    {ACTION_ARES_SPECIAL1,         MOVE_CLASS_HEAVY, 15, 0, 1, 5,  0, 0},
    {ACTION_HIPPOLYTE_SPECIAL1,    MOVE_CLASS_HEAVY, 15, 0, 1, 5,  1, 0},
    {ACTION_POLYPHEMUS_SPECIAL1,   MOVE_CLASS_HEAVY, 15, 0, 1, 10, 0, 0},
    {ACTION_SPECIAL_UNUSED,        MOVE_CLASS_HEAVY, 15, 0, 1, 0,  0, 0},
    {ACTION_SPHINX_SPECIAL1,       MOVE_CLASS_HEAVY, 15, 0, 1, 10, 0, 0},
    {ACTION_ATROPOS_SPECIAL1,      MOVE_CLASS_HEAVY, 15, 0, 1, 0,  1, 0},
    {ACTION_ATALANTA_SPECIAL2,     MOVE_CLASS_HEAVY, 16, 0, 1, 10, 0, 0},
    {ACTION_ATROPOS_SPECIAL2,      MOVE_CLASS_HEAVY, 16, 0, 1, 0,  1, 0},
    {ACTION_MINOTAUR_SPECIAL2,     MOVE_CLASS_HEAVY, 16, 0, 1, 10, 0, 0},
    {ACTION_MINOTAUR_SPECIAL1,     MOVE_CLASS_HEAVY, 15, 0, 1, 0,  0, 0},
};

const MeleeMove &melee_move(i32 action)
{
    static const MeleeMove other = {0, MOVE_CLASS_OTHER, 0, 0, 0, 0, 0, 0};
    for (const MeleeMove &move : melee_moves)
        if (move.action == action)
            return move;
    return other;
}
