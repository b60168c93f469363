// Hippolyte, queen of the Amazons: a gold crown on her long dark hair, a short chiton over a
// bronze breastplate, her father's gold girdle round her hips, greaves, and a long spear.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape hippolyte_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.16f, 1.32f, 1.22f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 0.7f, 1.8f},        PART_HEAD,      {0, 1.0f, -1.8f},     {1.0f, 0.65f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.25f, 2.6f},       PART_HEAD,      {0, 0.25f, 3.25f},    {1.18f, 1.3f, 1.1f},   0,     MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.85f, 3.1f},      PART_HEAD,      {0, -0.95f, 3.7f},    {0.2f, 0.05f, 0},      0,     MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.55f},          PART_CHEST,     {0, 0, 0},            {2.05f, 1.35f, 2.0f},  0,     MAT_BRONZE,  0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.74f, 0.64f, 0.66f}, 0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.6f, 1.15f, 1.5f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0, 1.4f, 1.0f},        PART_CHEST,     {0, 0, 0},            {2.1f, 0.25f, 3.6f},   0.5f,  MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -2.9f},        {1.85f, 2.45f, 0.75f}, 0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 0.6f},           PART_PELVIS,    {0, 0, 1.3f},         {2.25f, 0, 0.74f},     0.3f,  MAT_GOLD,    0},
    {PART_PELVIS,    SHAPE_BOX,  PART_PELVIS,    {0, -1.7f, 0.95f},      PART_PELVIS,    {0, 0, 0},            {0.55f, 0.2f, 0.5f},   0.6f,  MAT_GOLD,    0},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {-0.1f, 0, -0.25f}, PART_UPPER_ARM_R, {0, 0, 0},          {0.85f, 0.85f, 0.8f},  0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.5f},           PART_HAND_R,    {0, 0, 0.1f},         {0.52f, 0.42f, 0},     0,     MAT_GOLD,    SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, -0.1f, -0.2f},      PART_FOOT_R,    {0, -0.1f, 0.5f},     {0.72f, 0.5f, 0},      0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.88f},     PART_FOOT_R,    {0, 0, 0},            {0.44f, 1.02f, 0.15f}, 0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The spear: held near its middle, the shaft runs up past her shoulder.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 6.0f},           AT_WEAPON_TIP,  {0, 0, 1.6f},         {0.16f, 0.14f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_TIP,  {0, 0, 1.8f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.38f, 0.04f, 0.25f}, 0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, 6.1f},           AT_WEAPON_BASE, {0, 0, 0},            {0.2f, 0.2f, 0.3f},    0,     MAT_BRONZE,  0},
};

const FigureLook look_hippolyte = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    hippolyte_shapes, static_cast<int>(std::size(hippolyte_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{200, 150, 110}, {30, 25, 20}, {{170, 90, 40}, {90, 40, 130}}, {{120, 30, 30}, {40, 40, 60}},
     // leather      metal            fur            eyes
     {110, 70, 40}, {200, 200, 210}, {70, 50, 30}, {90, 60, 30}},
    FACE_HUMAN, nullptr, 0,
};
