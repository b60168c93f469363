// Ares, god of war, in full armour: a Corinthian helmet with a tall horsehair crest, a bronze
// cuirass, shoulder guards, a skirt of leather strips, greaves and bracers, a red cloak
// hung from a bar under his shoulders down his back to the hips, and a long spear.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape ares_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.1f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.25f, 1.42f, 1.4f},  0,     MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {-0.8f, -0.7f, 1.05f},  PART_HEAD,      {0, 0, 0},            {0.2f, 0.55f, 0.75f},  0.5f,  MAT_BRONZE,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.3f, 0.55f},       PART_HEAD,      {0, 0.3f, 0.9f},      {1.15f, 0, 1.1f},      0.3f,  MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {0, 0.3f, 3.3f},        PART_HEAD,      {0, 0, 0},            {0.12f, 0.5f, 0.3f},   0.5f,  MAT_BRONZE,  0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.0f, 3.8f},       PART_HEAD,      {0, 1.5f, 3.9f},      {0.45f, 0.5f, 0.45f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.5f, 3.9f},        PART_HEAD,      {0, 2.3f, 1.0f},      {0.5f, 0.25f, 0.45f},  0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.65f},          PART_CHEST,     {0, 0, 0},            {2.45f, 1.6f, 2.25f},  0,     MAT_BRONZE,  0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.9f, -0.7f, 3.1f},   PART_CHEST,     {0, 0, 0},            {1.1f, 0.85f, 0.85f},  0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.85f},     PART_CHEST,     {0, 0, 0},            {1.95f, 1.4f, 1.6f},   0,     MAT_BRONZE,  0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0, 1.75f, -0.2f},      PART_CHEST,     {0, 0, 0},            {2.3f, 0.2f, 3.8f},    0.5f,  MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.7f, 0.9f, 3.6f},    PART_CHEST,     {1.7f, 0.9f, 3.6f},   {0.5f, 0.5f, 0},       0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -3.0f},        {2.05f, 2.55f, 0.74f}, 0,     MAT_LEATHER, 0},
    {PART_PELVIS,    SHAPE_CONE, PART_PELVIS,    {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -1.4f},        {2.3f, 2.75f, 0.76f},  0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.3f},           PART_PELVIS,    {0, 0, 1.9f},         {2.15f, 0, 0.74f},     0.2f,  MAT_GOLD,    0},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {-0.2f, 0, -0.1f},  PART_UPPER_ARM_R, {0, 0, 0},          {1.15f, 1.1f, 0.9f},   0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.9f},           PART_HAND_R,    {0, 0, 0.1f},         {0.66f, 0.5f, 0},      0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, -0.1f, 0.3f},       PART_FOOT_R,    {0, -0.1f, 0.5f},     {0.85f, 0.55f, 0},     0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_BALL, PART_SHIN_R,    {0, -0.35f, 0.1f},      PART_SHIN_R,    {0, 0, 0},            {0.6f, 0.5f, 0.55f},   0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.88f},    PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.16f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The spear: a long ash shaft above and below the hand, a bronze head and butt-spike.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 5.0f},           AT_WEAPON_TIP,  {0, 0, 1.7f},         {0.17f, 0.15f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_TIP,  {0, 0, 1.9f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.42f, 0.04f, 0.25f}, 0,     MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 5.0f},           AT_WEAPON_BASE, {0, 0, 5.6f},         {0.16f, 0.05f, 0},     0,     MAT_BRONZE,  0},
};

const FigureLook look_ares = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    ares_shapes, static_cast<int>(std::size(ares_shapes)),
    // skin            hair           cloth (two outfits)          trim (two outfits)
    {{210, 160, 120}, {50, 30, 20}, {{150, 25, 25}, {35, 35, 40}}, {{200, 30, 25}, {230, 230, 230}},
     // leather      metal            fur            eyes
     {90, 55, 35}, {160, 160, 170}, {70, 50, 30}, {120, 50, 30}},
    FACE_HUMAN, nullptr, 0,
};
