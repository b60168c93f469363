// Perseus: the winged cap of Hermes, a tunic and a cloak pinned at the shoulders, winged
// sandals, a sword in his right hand and the polished mirror shield on his left forearm.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape perseus_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.2f, 2.15f},       PART_HEAD,      {0, 0, 0},            {1.2f, 1.36f, 1.22f},  0,     MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.2f, 1.95f},       PART_HEAD,      {0, 0.2f, 2.1f},      {1.3f, 0, 1.12f},      0.3f,  MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.1f, 0.4f, 2.5f},    PART_HEAD,      {-1.9f, 1.3f, 3.6f},  {0.22f, 0.1f, 3.0f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.1f, 0.6f, 2.2f},    PART_HEAD,      {-1.8f, 1.7f, 2.9f},  {0.2f, 0.08f, 3.0f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.5f, 1.4f},   PART_HEAD,      {0, 0, 0},            {0.3f, 0.55f, 0.5f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.6f},           PART_CHEST,     {0, 0, 0},            {2.35f, 1.5f, 2.2f},   0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.85f, 1.3f, 1.55f},  0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0, 1.5f, 0.4f},        PART_CHEST,     {0, 0, 0},            {2.4f, 0.3f, 4.2f},    0.5f,  MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.6f, 0.4f, 4.1f},    PART_CHEST,     {1.6f, 0.4f, 4.1f},   {0.5f, 0.5f, 0},       0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-1.6f, -0.6f, 4.0f},   PART_CHEST,     {0, 0, 0},            {0.3f, 0.2f, 0.3f},    0,     MAT_GOLD,    SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -2.8f},        {1.95f, 2.45f, 0.72f}, 0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {2.0f, 0, 0.72f},      0.2f,  MAT_LEATHER, 0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_LIMB, PART_FOOT_R,    {-0.4f, 0.1f, 0.1f},    PART_FOOT_R,    {-0.9f, 1.3f, 0.9f},  {0.2f, 0.06f, 3.0f},   0,     MAT_FEATHER, SHAPE_MIRROR},
    // The sword.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.1f},           AT_WEAPON_BASE, {0, 0, 0},            {0.17f, 0.17f, 0},     0,     MAT_LEATHER, 0},
    {PART_HAND_R,    SHAPE_BOX,  AT_WEAPON_BASE, {0, 0, 0},              AT_WEAPON_BASE, {0, 0, 0},            {0.75f, 0.2f, 0.14f},  0.5f,  MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.1f},          AT_WEAPON_TIP,  {0, 0, 0},            {0.28f, 0.05f, 0.2f},  0,     MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_TIP,  {0, 0, 2.4f},           AT_WEAPON_TIP,  {0, -0.9f, 1.4f},     {0.18f, 0.05f, 0.2f},  0,     MAT_STEEL,   0},
    // The mirror shield: polished all over, a gold rim.
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.45f, 0, -1.5f},      PART_FOREARM_L, {0.9f, 0, -1.5f},     {2.7f, 0, 0},          0.3f,  MAT_GOLD,    0},
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.85f, 0, -1.5f},      PART_FOREARM_L, {1.0f, 0, -1.5f},     {2.45f, 0, 0},         0.2f,  MAT_STEEL,   0},
};

const FigureLook look_perseus = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    perseus_shapes, static_cast<int>(std::size(perseus_shapes)),
    // skin            hair          cloth (two outfits)             trim (two outfits)
    {{225, 180, 140}, {40, 30, 20}, {{60, 80, 170}, {190, 120, 40}}, {{225, 220, 205}, {200, 180, 130}},
     // leather      metal            fur            eyes
     {120, 85, 50}, {235, 238, 245}, {90, 70, 50}, {60, 80, 120}},
    FACE_HUMAN, nullptr, 0,
};
