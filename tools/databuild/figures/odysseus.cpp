// Odysseus, king of Ithaca: bearded, in a crested bronze helmet with cheek guards, a tunic
// under a leather corslet, a short cloak, a sword in his right hand and a round shield on his
// left forearm.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape odysseus_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.8f, 0.75f},      PART_HEAD,      {0, 0, 0},            {0.75f, 0.6f, 0.7f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.15f, 2.1f},       PART_HEAD,      {0, 0, 0},            {1.22f, 1.38f, 1.3f},  0,     MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {-0.85f, -0.6f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.16f, 0.5f, 0.6f},   0.5f,  MAT_BRONZE,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {0, 0.2f, 3.5f},        PART_HEAD,      {0, 0, 0},            {0.16f, 1.4f, 0.45f},  0.7f,  MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.15f, 1.95f},      PART_HEAD,      {0, 0.15f, 2.15f},    {1.3f, 0, 1.12f},      0.3f,  MAT_BRONZE,  0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.6f},           PART_CHEST,     {0, 0, 0},            {2.38f, 1.52f, 2.2f},  0,     MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.88f, 1.32f, 1.55f}, 0,     MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0, 1.45f, 1.6f},       PART_CHEST,     {0, 0, 0},            {2.3f, 0.3f, 3.0f},    0.5f,  MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.5f, 0.3f, 4.1f},    PART_CHEST,     {1.5f, 0.3f, 4.1f},   {0.5f, 0.5f, 0},       0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.2f},        {1.95f, 2.5f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.7f},         {2.02f, 0, 0.72f},     0.2f,  MAT_BRONZE,  0},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {-0.1f, 0, -0.3f},  PART_UPPER_ARM_R, {0, 0, 0},          {1.0f, 1.0f, 0.95f},   0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.6f},           PART_HAND_R,    {0, 0, 0.1f},         {0.62f, 0.48f, 0},     0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, 0, -0.4f},          PART_FOOT_R,    {0, 0, 0.6f},         {0.78f, 0.55f, 0},     0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.88f},    PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.16f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The sword.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.1f},           AT_WEAPON_BASE, {0, 0, 0},            {0.17f, 0.17f, 0},     0,     MAT_LEATHER, 0},
    {PART_HAND_R,    SHAPE_BOX,  AT_WEAPON_BASE, {0, 0, 0},              AT_WEAPON_BASE, {0, 0, 0},            {0.7f, 0.2f, 0.14f},   0.5f,  MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.1f},          AT_WEAPON_TIP,  {0, 0, 0},            {0.3f, 0.05f, 0.2f},   0,     MAT_STEEL,   0},
    // The round shield, its face to the figure's side, a boss at its middle.
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.45f, 0, -1.5f},      PART_FOREARM_L, {0.95f, 0, -1.5f},    {2.8f, 0, 0},          0.35f, MAT_BRONZE,  0},
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.9f, 0, -1.5f},       PART_FOREARM_L, {1.02f, 0, -1.5f},    {2.2f, 0, 0},          0.3f,  MAT_TRIM,    0},
    {PART_FOREARM_L, SHAPE_BALL, PART_FOREARM_L, {1.05f, 0, -1.5f},      PART_FOREARM_L, {0, 0, 0},            {0.35f, 0.6f, 0.6f},   0,     MAT_BRONZE,  0},
};

const FigureLook look_odysseus = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    odysseus_shapes, static_cast<int>(std::size(odysseus_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{215, 170, 130}, {90, 65, 45}, {{150, 40, 40}, {40, 110, 60}}, {{230, 200, 120}, {220, 220, 210}},
     // leather      metal            fur            eyes
     {110, 75, 45}, {195, 195, 205}, {90, 70, 50}, {70, 90, 110}},
    FACE_HUMAN, nullptr, 0,
};
