// The Sphinx: a lion's body on four legs with a tufted tail, great feathered wings raised from
// her shoulders, and a woman's head in a striped headdress (without it when unmasked).
// Her joints (a 14-unit figure lying along y, head toward -y): pelvis (0, 3, 6.5), chest
// (0, -1, 7), head (0, -4, 9.5), front legs from (-1.6, -3, 6.5) to the paw (-1.6, -3, 0.8),
// hind legs from (-1.6, 4.5, 6.5) to (-1.6, 4.5, 0.8), tail (0, 6, 7), wings (-1.8, 0, 8.5).
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape sphinx_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {0, -0.3f, 0.2f},       PART_PELVIS,    {0, 0, 0},            {1.9f, 3.2f, 1.8f},    0,     MAT_SKIN,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_THIGH_R,   {0, 0, -0.4f},          PART_THIGH_R,   {0, 0, 0},            {0.9f, 1.5f, 1.6f},    0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.45f, 0.3f},       PART_CHEST,     {0, 0, 0},            {2.1f, 2.6f, 2.2f},    0,     MAT_SKIN,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -1.6f, 1.6f},       PART_CHEST,     {0, 0, 0},            {1.7f, 1.3f, 1.6f},    0,     MAT_FUR,     0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -1.9f, 1.8f},       PART_HEAD,      {0, 0, 0.3f},         {0.9f, 0.6f, 0},       0,     MAT_SKIN,    0},
    {PART_CHEST,     SHAPE_BALL, PART_UPPER_ARM_R, {0, 0, 0},            PART_UPPER_ARM_R, {0, 0, 0},          {0.85f, 0.85f, 0.9f},  0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.05f},       PART_HEAD,      {0, 0, 0},            {1.45f, 1.45f, 1.3f},  0,     MAT_TRIM,    SHAPE_MASKED},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {-1.05f, -0.1f, 0.6f},  PART_HEAD,      {0, 0, 0},            {0.3f, 0.5f, 1.3f},    0.5f,  MAT_TRIM,    SHAPE_MIRROR | SHAPE_MASKED},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.45f},      PART_HEAD,      {0, 0.25f, 2.7f},     {1.5f, 0, 1.0f},       0.3f,  MAT_GOLD,    SHAPE_MASKED},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.45f, 1.8f},       PART_HEAD,      {0, 0, 0},            {1.2f, 1.25f, 1.3f},   0,     MAT_HAIR,    0},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0},          PART_FOREARM_R, {0, 0, 0},            {0.8f, 0.55f, 0},      0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_LIMB, PART_FOREARM_R, {0, 0, 0},              PART_HAND_R,    {0, 0, 0},            {0.58f, 0.45f, 0},     0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_HAND_R,    SHAPE_BALL, PART_HAND_R,    {0, -0.35f, -0.4f},     PART_HAND_R,    {0, 0, 0},            {0.6f, 0.85f, 0.42f},  0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_LIMB, PART_THIGH_R,   {0, 0, -0.3f},          PART_SHIN_R,    {0, 0, 0},            {0.85f, 0.55f, 0},     0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_LIMB, PART_SHIN_R,    {0, 0, 0},              PART_FOOT_R,    {0, 0, 0},            {0.55f, 0.42f, 0},     0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BALL, PART_FOOT_R,    {0, -0.35f, -0.4f},     PART_FOOT_R,    {0, 0, 0},            {0.58f, 0.85f, 0.42f}, 0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_TAIL,      SHAPE_LIMB, PART_TAIL,      {0, 0, 0},              PART_TAIL,      {0, 2.2f, 1.2f},      {0.32f, 0.2f, 0},      0,     MAT_SKIN,    0},
    {PART_TAIL,      SHAPE_LIMB, PART_TAIL,      {0, 2.2f, 1.2f},        PART_TAIL,      {0, 3.2f, 2.6f},      {0.2f, 0.14f, 0},      0,     MAT_SKIN,    0},
    {PART_TAIL,      SHAPE_BALL, PART_TAIL,      {0, 3.3f, 2.9f},        PART_TAIL,      {0, 0, 0},            {0.35f, 0.35f, 0.5f},  0,     MAT_FUR,     0},
    // The wings: long feathers fanned up and back from each shoulder, flat to the sides.
    {PART_WING_R,    SHAPE_BALL, PART_WING_R,    {0, 0, 0},              PART_WING_R,    {0, 0, 0},            {0.5f, 0.8f, 0.5f},    0,     MAT_FEATHER, SHAPE_MIRROR},
    {PART_WING_R,    SHAPE_LIMB, PART_WING_R,    {0, 0, 0},              PART_WING_R,    {-1.0f, 0.6f, 4.8f},  {0.3f, 0.12f, 3.2f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    {PART_WING_R,    SHAPE_LIMB, PART_WING_R,    {0, 0.3f, 0},           PART_WING_R,    {-1.4f, 2.4f, 4.2f},  {0.3f, 0.12f, 3.2f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    {PART_WING_R,    SHAPE_LIMB, PART_WING_R,    {0, 0.6f, 0},           PART_WING_R,    {-1.6f, 3.9f, 3.0f},  {0.3f, 0.12f, 3.2f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    {PART_WING_R,    SHAPE_LIMB, PART_WING_R,    {0, 0.9f, 0},           PART_WING_R,    {-1.6f, 5.0f, 1.6f},  {0.3f, 0.12f, 3.2f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    // The claws, three on each forepaw.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {-0.35f, 0, 0},         AT_WEAPON_TIP,  {-0.5f, 0, -0.3f},    {0.16f, 0.03f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 0},              AT_WEAPON_TIP,  {0, 0, -0.3f},        {0.16f, 0.03f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0.35f, 0, 0},          AT_WEAPON_TIP,  {0.5f, 0, -0.3f},     {0.16f, 0.03f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
};

const FigureLook look_sphinx = {
    nullptr, 0, look_head_human, look_head_human_count,
    sphinx_shapes, static_cast<int>(std::size(sphinx_shapes)),
    // skin (her lion's coat) hair      cloth (two outfits)               trim (the headdress's stripes)
    {{205, 165, 105}, {40, 30, 20}, {{200, 170, 90}, {120, 110, 150}}, {{40, 70, 160}, {150, 40, 50}},
     // leather      metal            fur (the mane)  eyes
     {120, 90, 50}, {230, 220, 200}, {150, 100, 50}, {60, 140, 90}},
    FACE_HUMAN, nullptr, 0,
};
