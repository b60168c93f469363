// The gods of the painted scenes, each told apart by build, dress and what it holds: a table
// per god, on the shared bodies and head (bodies.cpp). Offsets are a 20-unit figure's, as the
// fighters' looks.
#include "tools/databuild/figures/scene_figures.h"

#include <iterator>

// Zeus: a full dark beard and hair bound with gold, bare-chested under a himation thrown over
// his left shoulder and falling to his feet, the thunderbolt in his right hand: a gold spindle
// flaring into zigzag flames at both ends.
static const FigureShape zeus_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.4f, 2.05f},       PART_HEAD,      {0, 0, 0},            {1.22f, 1.35f, 1.28f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.85f, 0.45f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.5f, 0.75f, 0.9f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.95f, 0.9f},       PART_HEAD,      {0, 0, 0},            {0.95f, 0.6f, 1.0f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.45f},      PART_HEAD,      {0, 0.25f, 2.75f},    {1.28f, 0, 1.1f},      0.3f,  MAT_GOLD,    0},
    // The beard: full cheeks, a moustache and a point below the chin.
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.72f, 0.85f},     PART_HEAD,      {0, 0, 0},            {0.9f, 0.62f, 0.85f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.7f, -0.35f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.32f, 0.55f, 0.7f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.95f, 0.6f},      PART_HEAD,      {0, -1.05f, -0.35f},  {0.62f, 0.22f, 0.7f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.5f, -1.22f, 1.38f}, PART_HEAD,      {0.5f, -1.22f, 1.38f}, {0.14f, 0.14f, 0},    0,     MAT_HAIR,    0},
    // The himation: over the left shoulder and across the back to the right hip, round the
    // waist and to the ankles.
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 0.9f},           PART_PELVIS,    {0, 0, 1.8f},         {2.2f, 0, 0.78f},      0.6f,  MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_LIMB, PART_PELVIS,    {0.6f, -1.7f, 0.8f},    PART_PELVIS,    {0.9f, -2.0f, -5.0f}, {0.12f, 0.1f, 0},      0,     MAT_TRIM,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0, 1.0f},           PART_HAND_R,    {0, 0, 0.4f},         {0.55f, 0, 0},         0.3f,  MAT_GOLD,    SHAPE_MIRROR},
    // The thunderbolt.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.3f},           AT_WEAPON_BASE, {0, 0, -0.3f},        {0.28f, 0.28f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.3f},           AT_WEAPON_BASE, {0.45f, 0, 2.4f},     {0.3f, 0.18f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0.45f, 0, 2.4f},       AT_WEAPON_BASE, {-0.2f, 0, 3.2f},     {0.18f, 0.14f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-0.2f, 0, 3.2f},       AT_WEAPON_BASE, {0.1f, 0, 4.4f},      {0.14f, 0.02f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.5f},           AT_WEAPON_BASE, {-0.9f, 0, 2.6f},     {0.15f, 0.02f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.5f},           AT_WEAPON_BASE, {0.9f, 0, 2.6f},     {0.15f, 0.02f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.3f},          AT_WEAPON_TIP,  {-0.45f, 0, 2.4f},    {0.3f, 0.18f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_TIP,  {-0.45f, 0, 2.4f},      AT_WEAPON_TIP,  {0.2f, 0, 1.4f},      {0.18f, 0.14f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_TIP,  {0.2f, 0, 1.4f},        AT_WEAPON_TIP,  {-0.1f, 0, 0},        {0.14f, 0.02f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.5f},          AT_WEAPON_TIP,  {-0.9f, 0, 1.8f},     {0.15f, 0.02f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.5f},          AT_WEAPON_TIP,  {0.9f, 0, 1.8f},     {0.15f, 0.02f, 0},     0,     MAT_GOLD,    0},
};

const FigureLook look_zeus = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    zeus_shapes, static_cast<int>(std::size(zeus_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{215, 170, 130}, {60, 50, 45}, {{240, 236, 225}, {120, 60, 150}}, {{60, 80, 170}, {225, 190, 80}},
     // leather      metal            fur            eyes
     {120, 80, 45}, {230, 190, 70}, {90, 70, 50}, {60, 90, 150}},
    FACE_HUMAN, look_himation, look_himation_count,
};

// Hera: queen of the gods, in a tall gold crown (the polos) with a veil falling behind, a long
// chiton with an overfold to the hips, and a sceptre topped with a gold flower.
static const FigureShape hera_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.0f},       PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 1.35f, 1.3f},       PART_HEAD,      {0, 0, 0},            {0.7f, 0.6f, 0.65f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.1f, 1.35f},  PART_HEAD,      {0, 0, 0},            {0.35f, 0.55f, 0.75f}, 0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.25f, 2.7f},       PART_HEAD,      {0, 0.25f, 3.9f},     {1.05f, 1.3f, 0.95f},  0,     MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 3.75f},      PART_HEAD,      {0, 0.25f, 4.0f},     {1.38f, 0, 0.95f},     0.4f,  MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.9f, 3.3f},        PART_HEAD,      {0, 1.5f, -1.0f},     {1.1f, 1.8f, 0.5f},    0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.1f, 1.4f, 2.1f},    0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -0.6f},      {0.8f, 0.75f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 0, 4.2f},           PART_CHEST,     {0, 0, 4.5f},         {1.2f, 0, 0.8f},       0.4f,  MAT_GOLD,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.7f, 1.3f, 1.4f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {1.95f, 3.1f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_CONE, PART_PELVIS,    {0, 0, 2.2f},           PART_PELVIS,    {0, 0, -0.6f},        {1.9f, 2.5f, 0.78f},   0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.9f},           PART_PELVIS,    {0, 0, 2.3f},         {1.95f, 0, 0.78f},     0.3f,  MAT_GOLD,    0},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0, 0.9f},           PART_HAND_R,    {0, 0, 0.4f},         {0.45f, 0, 0},         0.3f,  MAT_GOLD,    SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.2f},   0.6f,  MAT_GOLD,    SHAPE_MIRROR},
    // The sceptre.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 7.5f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.16f, 0.14f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, 7.7f},           AT_WEAPON_BASE, {0, 0, 0},            {0.35f, 0.35f, 0.3f},  0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_CONE, AT_WEAPON_BASE, {0, 0, 7.9f},           AT_WEAPON_BASE, {0, 0, 8.9f},         {0.25f, 0.75f, 0},     0,     MAT_GOLD,    0},
};

const FigureLook look_hera = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    hera_shapes, static_cast<int>(std::size(hera_shapes)),
    // skin            hair          cloth (two outfits)               trim (two outfits)
    {{235, 200, 170}, {70, 40, 25}, {{235, 230, 215}, {150, 40, 60}}, {{140, 40, 110}, {240, 220, 170}},
     // leather      metal            fur            eyes
     {140, 100, 60}, {230, 190, 70}, {90, 70, 50}, {90, 70, 40}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Poseidon: a bearded sea king, his wet dark hair bound with a gold band, bare-chested in a
// sea-green himation, the trident upright in his right hand.
static const FigureShape poseidon_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.4f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.22f, 1.35f, 1.25f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.2f, 1.8f},        PART_HEAD,      {0, 1.1f, -0.4f},     {0.95f, 0.75f, 0.6f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.9f, 0.4f, 1.0f},    PART_HEAD,      {0, 0, 0},            {0.45f, 0.7f, 1.0f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.4f},       PART_HEAD,      {0, 0.25f, 2.65f},    {1.28f, 0, 1.1f},      0.3f,  MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.72f, 0.8f},      PART_HEAD,      {0, 0, 0},            {0.9f, 0.62f, 0.9f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.7f, -0.35f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.32f, 0.55f, 0.7f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.95f, 0.5f},      PART_HEAD,      {0, -0.95f, -0.8f},   {0.7f, 0.25f, 0.7f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.5f, -1.22f, 1.38f}, PART_HEAD,      {0.5f, -1.22f, 1.38f}, {0.14f, 0.14f, 0},    0,     MAT_HAIR,    0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 0.9f},           PART_PELVIS,    {0, 0, 1.8f},         {2.2f, 0, 0.78f},      0.6f,  MAT_TRIM,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The trident: a long shaft, a crossbar and three barbed prongs.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 8.6f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.17f, 0.15f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-1.0f, 0, 8.4f},       AT_WEAPON_BASE, {1.0f, 0, 8.4f},      {0.16f, 0.16f, 0},     0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-1.0f, 0, 8.4f},       AT_WEAPON_BASE, {-1.0f, 0, 10.4f},    {0.15f, 0.03f, 0},     0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {1.0f, 0, 8.4f},       AT_WEAPON_BASE, {1.0f, 0, 10.4f},    {0.15f, 0.03f, 0},     0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 8.4f},           AT_WEAPON_BASE, {0, 0, 11.0f},        {0.16f, 0.03f, 0},     0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-1.0f, 0, 9.8f},       AT_WEAPON_BASE, {-0.7f, 0, 9.4f},     {0.1f, 0.03f, 0},      0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {1.0f, 0, 9.8f},       AT_WEAPON_BASE, {0.7f, 0, 9.4f},     {0.1f, 0.03f, 0},      0,     MAT_BRONZE,  0},
};

const FigureLook look_poseidon = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    poseidon_shapes, static_cast<int>(std::size(poseidon_shapes)),
    // skin            hair          cloth (two outfits)             trim (two outfits)
    {{200, 160, 120}, {35, 45, 50}, {{40, 130, 120}, {30, 60, 130}}, {{230, 200, 90}, {220, 225, 230}},
     // leather      metal            fur            eyes
     {110, 80, 50}, {200, 170, 80}, {60, 60, 60}, {40, 110, 120}},
    FACE_HUMAN, look_himation, look_himation_count,
};

// Hades: lord of the dead, robed to the ground in black with a mantle over both shoulders, a
// dark beard and an iron crown of spikes, the bident upright in his right hand.
static const FigureShape hades_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.4f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.22f, 1.35f, 1.25f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.1f, 1.8f},        PART_HEAD,      {0, 1.0f, -0.6f},     {0.95f, 0.8f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.9f, 0.4f, 1.0f},    PART_HEAD,      {0, 0, 0},            {0.45f, 0.7f, 1.0f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.72f, 0.8f},      PART_HEAD,      {0, 0, 0},            {0.92f, 0.64f, 0.9f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.7f, -0.35f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.32f, 0.55f, 0.7f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.95f, 0.5f},      PART_HEAD,      {0, -0.9f, -1.0f},    {0.75f, 0.2f, 0.7f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.5f, -1.22f, 1.38f}, PART_HEAD,      {0.5f, -1.22f, 1.38f}, {0.14f, 0.14f, 0},    0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.25f, 2.35f},      PART_HEAD,      {0, 0.25f, 2.95f},    {1.3f, 1.34f, 1.1f},   0,     MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.05f, 2.8f},      PART_HEAD,      {0, -1.15f, 4.0f},    {0.26f, 0.02f, 0},     0,     MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.85f, -0.7f, 2.8f},  PART_HEAD,      {-1.0f, -0.8f, 3.7f}, {0.22f, 0.02f, 0},     0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.25f, 0.2f, 2.8f},   PART_HEAD,      {-1.4f, 0.2f, 3.5f},  {0.2f, 0.02f, 0},      0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.6f},           PART_CHEST,     {0, 0, 0},            {2.4f, 1.55f, 2.25f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.9f, -0.62f, 3.1f},  PART_CHEST,     {0, 0, 0},            {1.12f, 0.82f, 0.86f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.9f, 1.35f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.15f, 4.4f},       PART_CHEST,     {0, 0.3f, 1.2f},      {1.6f, 2.6f, 0.72f},   0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -0.2f},      {1.0f, 1.0f, 0},       0,     MAT_TRIM,    SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0},          PART_FOREARM_R, {0, 0, 0},            {0.95f, 0.75f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.85f, 1.35f, 1.45f}, 0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.5f},           PART_PELVIS,    {0, 0, -8.8f},        {2.05f, 3.1f, 0.78f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.2f},           PART_PELVIS,    {0, 0, 1.6f},         {2.1f, 0, 0.78f},      0.3f,  MAT_STEEL,   0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.88f},    PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.18f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The bident: a black shaft and two long iron prongs.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 8.4f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.17f, 0.15f, 0},     0,     MAT_LEATHER, 0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-0.7f, 0, 8.3f},       AT_WEAPON_BASE, {0.7f, 0, 8.3f},      {0.17f, 0.17f, 0},     0,     MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-0.7f, 0, 8.3f},       AT_WEAPON_BASE, {-0.7f, 0, 10.8f},    {0.16f, 0.03f, 0},     0,     MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0.7f, 0, 8.3f},        AT_WEAPON_BASE, {0.7f, 0, 10.8f},     {0.16f, 0.03f, 0},     0,     MAT_STEEL,   0},
};

const FigureLook look_hades = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    hades_shapes, static_cast<int>(std::size(hades_shapes)),
    // skin            hair          cloth (two outfits)          trim (two outfits)
    {{185, 160, 140}, {25, 22, 25}, {{40, 35, 45}, {60, 20, 30}}, {{90, 25, 35}, {30, 30, 35}},
     // leather    metal            fur            eyes
     {35, 30, 30}, {95, 95, 105}, {40, 40, 40}, {120, 40, 30}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Apollo: young and beardless, long golden curls under a laurel wreath, a mantle over one
// shoulder and round his hips, the lyre in his left hand: a tortoiseshell sound box, two
// curved arms, a crossbar and gold strings.
static const FigureShape apollo_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.2f, 1.34f, 1.24f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.45f, 1.0f},  PART_HEAD,      {0, 0, 0},            {0.42f, 0.55f, 0.75f}, 0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.2f, 1.6f},        PART_HEAD,      {0, 1.05f, -0.9f},    {0.9f, 0.65f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.55f, -0.7f, 2.75f}, PART_HEAD,      {0, 0, 0},            {0.42f, 0.35f, 0.3f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.3f, 2.5f},        PART_HEAD,      {0, 0.3f, 2.75f},     {1.3f, 0, 1.12f},      0.5f,  MAT_FUR,     0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.0f, -0.45f, 2.7f},  PART_HEAD,      {0, 0, 0},            {0.3f, 0.42f, 0.22f},  0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.25f, 0.35f, 2.65f}, PART_HEAD,      {0, 0, 0},            {0.25f, 0.45f, 0.22f}, 0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.6f, -0.3f, 4.1f},    PART_PELVIS,    {-1.7f, -0.4f, 0.9f}, {1.0f, 1.15f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.6f, 0.4f, 4.1f},     PART_PELVIS,    {-1.7f, 0.5f, 0.9f},  {1.0f, 1.15f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_UPPER_ARM_L, SHAPE_LIMB, PART_UPPER_ARM_L, {0, 0, 0.1f},       PART_UPPER_ARM_L, {0, 0, -1.8f},      {0.95f, 0.8f, 0},      0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -8.6f},        {2.0f, 2.95f, 0.76f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 0.8f},           PART_PELVIS,    {0, 0, 1.6f},         {2.12f, 0, 0.76f},     0.6f,  MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_LIMB, PART_PELVIS,    {0.9f, -1.65f, 0.9f},   PART_PELVIS,    {1.2f, -2.1f, -5.5f}, {0.12f, 0.1f, 0},      0,     MAT_TRIM,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The lyre, rising from the left hand beside the forearm.
    {PART_HAND_L,    SHAPE_BOX,  AT_SECOND_BASE, {0.5f, -0.5f, 0.9f},    AT_SECOND_BASE, {0, 0, 0},            {1.15f, 0.35f, 0.95f}, 0.8f,  MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {-0.45f, -0.5f, 1.5f},  AT_SECOND_BASE, {-0.95f, -0.5f, 4.6f}, {0.26f, 0.16f, 0},    0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {1.45f, -0.5f, 1.5f},   AT_SECOND_BASE, {1.95f, -0.5f, 4.6f}, {0.26f, 0.16f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {-1.2f, -0.5f, 4.3f},   AT_SECOND_BASE, {2.2f, -0.5f, 4.3f},  {0.17f, 0.17f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0.1f, -0.6f, 1.2f},    AT_SECOND_BASE, {0.1f, -0.6f, 4.3f},  {0.05f, 0, 0},         0,     MAT_HORN,    0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0.5f, -0.6f, 1.2f},    AT_SECOND_BASE, {0.5f, -0.6f, 4.3f},  {0.05f, 0, 0},         0,     MAT_HORN,    0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0.9f, -0.6f, 1.2f},    AT_SECOND_BASE, {0.9f, -0.6f, 4.3f},  {0.05f, 0, 0},         0,     MAT_HORN,    0},
};

const FigureLook look_apollo = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    apollo_shapes, static_cast<int>(std::size(apollo_shapes)),
    // skin            hair            cloth (two outfits)               trim (two outfits)
    {{230, 185, 140}, {225, 175, 70}, {{180, 45, 40}, {235, 232, 220}}, {{230, 190, 80}, {70, 120, 190}},
     // leather      metal            fur (the laurel) eyes
     {140, 95, 50}, {230, 190, 70}, {70, 130, 50},   {70, 110, 160}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Artemis: the huntress in a short chiton belted high, her hair up in a knot under a silver
// crescent, hunting boots, a quiver on her back and the bow in her left hand.
static const FigureShape artemis_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.22f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 1.1f, 2.9f},        PART_HEAD,      {0, 0, 0},            {0.65f, 0.6f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.1f, 1.35f},  PART_HEAD,      {0, 0, 0},            {0.32f, 0.5f, 0.7f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.05f, 2.85f},     PART_HEAD,      {-0.45f, -0.98f, 3.05f}, {0.2f, 0.15f, 0},   0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.45f, -0.98f, 3.05f}, PART_HEAD,     {-0.6f, -0.95f, 3.55f}, {0.15f, 0.03f, 0},   0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.0f, 1.35f, 2.05f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.74f, 0.64f, 0.66f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.6f, 1.15f, 1.5f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 0, 1.6f},           PART_CHEST,     {0, 0, 1.9f},         {1.65f, 0, 0.75f},     0.3f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.5f, -0.2f, 4.2f},    PART_CHEST,     {-1.4f, -0.2f, 0.8f}, {0.2f, 0.2f, 0},       0,     MAT_LEATHER, 0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -4.2f},        {1.8f, 2.45f, 0.75f},  0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -2.1f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.8f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, 0, -1.0f},          PART_FOOT_R,    {0, 0, 0.1f},         {0.62f, 0.48f, 0},     0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_DISC, PART_SHIN_R,    {0, 0, -0.8f},          PART_SHIN_R,    {0, 0, -1.2f},        {0.72f, 0, 0},         0.3f,  MAT_FUR,     SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.72f},     PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.34f},  0.5f,  MAT_LEATHER, SHAPE_MIRROR},
    // The quiver and its arrows' fletching.
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {1.0f, 1.75f, -0.2f},   PART_CHEST,     {-1.3f, 1.85f, 4.6f}, {0.55f, 0.65f, 0},     0,     MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.2f, 1.85f, 4.6f},   PART_CHEST,     {-1.7f, 1.95f, 5.5f}, {0.18f, 0.1f, 2.5f},   0,     MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.5f, 1.9f, 4.5f},    PART_CHEST,     {-2.1f, 2.0f, 5.3f},  {0.18f, 0.1f, 2.5f},   0,     MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.9f, 1.8f, 4.5f},    PART_CHEST,     {-1.3f, 1.85f, 5.5f}, {0.18f, 0.1f, 2.5f},   0,     MAT_GOLD,    0},
    // The bow, bent toward her front, silver-tipped, and its string.
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 3.4f},           AT_SECOND_BASE, {0, -1.0f, 1.6f},     {0.14f, 0.2f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, -1.0f, 1.6f},       AT_SECOND_BASE, {0, -0.9f, -1.4f},    {0.2f, 0.2f, 0},       0,     MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, -0.9f, -1.4f},      AT_SECOND_TIP,  {0, 0, 0},            {0.2f, 0.14f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0, 0, 3.4f},           AT_SECOND_TIP,  {0, 0, 0},            {0.04f, 0, 0},         0,     MAT_HORN,    0},
};

const FigureLook look_artemis = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    artemis_shapes, static_cast<int>(std::size(artemis_shapes)),
    // skin            hair           cloth (two outfits)                trim (two outfits)
    {{235, 200, 165}, {110, 65, 30}, {{225, 225, 215}, {110, 140, 90}}, {{90, 120, 70}, {210, 190, 130}},
     // leather      metal            fur             eyes
     {130, 90, 55}, {215, 220, 235}, {200, 190, 170}, {70, 110, 90}},
    FACE_HUMAN, nullptr, 0,
};

// Hermes: the messenger in a winged traveller's hat and winged sandals, a short cloak pinned
// at his right shoulder over a short tunic, the herald's staff with its two snakes and its
// wings in his right hand.
static const FigureShape hermes_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.0f},       PART_HEAD,      {0, 0, 0},            {1.16f, 1.3f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.4f, 1.4f},   PART_HEAD,      {0, 0, 0},            {0.35f, 0.6f, 0.6f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.55f},      PART_HEAD,      {0, 0.25f, 2.75f},    {2.0f, 0, 0.95f},      0.5f,  MAT_LEATHER, 0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.25f, 2.8f},       PART_HEAD,      {0, 0, 0},            {1.15f, 1.2f, 0.75f},  0,     MAT_LEATHER, 0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.05f, 0.25f, 3.0f},  PART_HEAD,      {-2.2f, 0.75f, 4.1f}, {0.55f, 0.12f, 0.3f},  0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.05f, 0.45f, 2.9f},  PART_HEAD,      {-2.0f, 1.3f, 3.4f},  {0.45f, 0.1f, 0.3f},   0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.6f},           PART_CHEST,     {0, 0, 0},            {2.3f, 1.48f, 2.2f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.9f, -0.62f, 3.1f},  PART_CHEST,     {0, 0, 0},            {1.1f, 0.8f, 0.85f},   0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.82f, 1.28f, 1.55f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0.3f, 1.5f, 1.2f},     PART_CHEST,     {0, 0, 0},            {2.2f, 0.25f, 3.2f},   0.5f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.6f, -0.1f, 4.2f},   PART_CHEST,     {1.7f, 0.4f, 3.9f},   {0.55f, 0.6f, 0},      0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-1.5f, -0.65f, 4.1f},  PART_CHEST,     {0, 0, 0},            {0.3f, 0.25f, 0.3f},   0,     MAT_GOLD,    0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.4f},        {1.92f, 2.5f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -1.7f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.4f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {2.0f, 0, 0.72f},      0.3f,  MAT_LEATHER, 0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_DISC, PART_SHIN_R,    {0, 0, -3.1f},          PART_SHIN_R,    {0, 0, -3.5f},        {0.58f, 0, 0},         0.2f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_LIMB, PART_SHIN_R,    {-0.5f, 0.2f, -3.5f},   PART_SHIN_R,    {-1.5f, 1.0f, -2.4f}, {0.42f, 0.1f, 0.3f},   0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_LIMB, PART_SHIN_R,    {-0.5f, 0.4f, -3.6f},   PART_SHIN_R,    {-1.3f, 1.3f, -3.2f}, {0.36f, 0.08f, 0.3f},  0,     MAT_HORN,    SHAPE_MIRROR},
    // The herald's staff: gold, two snakes wound up it, a pair of wings at its head.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 3.4f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.12f, 0.1f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, 3.6f},           AT_WEAPON_BASE, {0, 0, 0},            {0.24f, 0.24f, 0.24f}, 0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 3.4f},           AT_WEAPON_BASE, {-1.0f, 0, 4.4f},     {0.32f, 0.05f, 0.3f},  0,     MAT_HORN,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 3.4f},           AT_WEAPON_BASE, {1.0f, 0, 4.4f},      {0.32f, 0.05f, 0.3f},  0,     MAT_HORN,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-0.35f, 0, 3.0f},      AT_WEAPON_BASE, {0.35f, 0, 2.2f},     {0.1f, 0.1f, 0},       0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0.35f, 0, 3.0f},       AT_WEAPON_BASE, {-0.35f, 0, 2.2f},    {0.1f, 0.1f, 0},       0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0.35f, 0, 2.2f},       AT_WEAPON_BASE, {-0.35f, 0, 1.4f},    {0.1f, 0.1f, 0},       0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-0.35f, 0, 2.2f},      AT_WEAPON_BASE, {0.35f, 0, 1.4f},     {0.1f, 0.1f, 0},       0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {-0.4f, 0, 3.15f},      AT_WEAPON_BASE, {0, 0, 0},            {0.17f, 0.17f, 0.14f}, 0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0.4f, 0, 3.15f},       AT_WEAPON_BASE, {0, 0, 0},            {0.17f, 0.17f, 0.14f}, 0,     MAT_BRONZE,  0},
};

const FigureLook look_hermes = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    hermes_shapes, static_cast<int>(std::size(hermes_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{225, 180, 135}, {85, 55, 30}, {{230, 225, 210}, {90, 130, 180}}, {{150, 110, 60}, {200, 70, 50}},
     // leather      metal            fur            eyes
     {140, 95, 55}, {210, 210, 220}, {90, 70, 50}, {80, 100, 70}},
    FACE_HUMAN, nullptr, 0,
};

// Athena: a crested bronze helmet pushed up off her face, her hair falling behind it, a long
// peplos under the gold aegis with the gorgon's head at its middle, the spear upright in her
// right hand point up, the round shield on her left arm.
static const FigureShape athena_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.0f, 1.8f},        PART_HEAD,      {0, 1.25f, -1.4f},    {0.95f, 0.6f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.1f, 1.35f},  PART_HEAD,      {0, 0, 0},            {0.35f, 0.55f, 0.75f}, 0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.3f},       PART_HEAD,      {0, 0, 0},            {1.22f, 1.38f, 1.22f}, 0,     MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {0, -1.0f, 3.05f},      PART_HEAD,      {0, 0, 0},            {0.75f, 0.35f, 0.3f},  0.6f,  MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.3f, 1.9f},        PART_HEAD,      {0, 1.7f, 1.2f},      {0.6f, 0.3f, 0.8f},    0,     MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {0, 0.35f, 3.65f},      PART_HEAD,      {0, 0, 0},            {0.12f, 0.5f, 0.3f},   0.5f,  MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.9f, 4.1f},       PART_HEAD,      {0, 1.5f, 4.3f},      {0.45f, 0.5f, 0.42f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.5f, 4.3f},        PART_HEAD,      {0, 2.6f, 1.8f},      {0.5f, 0.2f, 0.42f},   0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.1f, 1.4f, 2.1f},    0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.05f, 4.35f},      PART_CHEST,     {0, 0.05f, 2.2f},     {1.3f, 2.35f, 0.7f},   0,     MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -1.45f, 2.9f},      PART_CHEST,     {0, 0, 0},            {0.45f, 0.2f, 0.45f},  0,     MAT_FACE,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -0.6f},      {0.8f, 0.75f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.7f, 1.3f, 1.4f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {1.95f, 3.1f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.6f},           PART_PELVIS,    {0, 0, 2.1f},         {1.95f, 0, 0.78f},     0.3f,  MAT_GOLD,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.2f},   0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The spear, point up.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 9.4f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.16f, 0.14f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 9.3f},           AT_WEAPON_BASE, {0, 0, 11.3f},        {0.4f, 0.03f, 0.25f},  0,     MAT_BRONZE,  0},
    // The shield, its face to her side, a gold rim and boss.
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.45f, 0, -1.5f},      PART_FOREARM_L, {0.95f, 0, -1.5f},    {2.9f, 0, 0},          0.35f, MAT_GOLD,    0},
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.9f, 0, -1.5f},       PART_FOREARM_L, {1.02f, 0, -1.5f},    {2.4f, 0, 0},          0.3f,  MAT_TRIM,    0},
    {PART_FOREARM_L, SHAPE_BALL, PART_FOREARM_L, {1.05f, 0, -1.5f},      PART_FOREARM_L, {0, 0, 0},            {0.35f, 0.7f, 0.7f},   0,     MAT_GOLD,    0},
};

const FigureLook look_athena = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    athena_shapes, static_cast<int>(std::size(athena_shapes)),
    // skin            hair          cloth (two outfits)               trim (two outfits)
    {{230, 195, 160}, {60, 40, 25}, {{225, 220, 205}, {110, 120, 140}}, {{40, 70, 140}, {160, 40, 40}},
     // leather      metal            fur            eyes
     {120, 85, 50}, {210, 210, 220}, {90, 70, 50}, {110, 130, 140}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};
