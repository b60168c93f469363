// Atropos, the Fate who cuts the thread: robed to the ground and hooded, her face pale in the
// hood's shadow, wide sleeves, a cord at her waist, the shears in her right hand and the
// spindle with the thread of a life in her left.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape atropos_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 1.9f},       PART_HEAD,      {0, 0, 0},            {1.4f, 1.5f, 1.55f},   0,     MAT_CLOTH,   0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.5f, 2.2f},        PART_HEAD,      {0, 0.7f, -0.9f},     {1.3f, 2.0f, 0.95f},   0,     MAT_CLOTH,   0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 0.5f, 3.1f},        PART_HEAD,      {0, 1.6f, 3.4f},      {0.5f, 0.15f, 0},      0,     MAT_CLOTH,   0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, -0.75f, 1.9f},      PART_HEAD,      {0, -0.95f, 1.9f},    {1.5f, 0, 1.1f},       0.4f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.2f, 1.45f, 2.15f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 1.4f},      {1.4f, 2.4f, 0.7f},    0,     MAT_CLOTH,   0},
    // The robe over the shoulders and round the waist, so that no raised arm or bend of her
    // back opens it onto her body.
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, 0},          {0.95f, 0.95f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.75f, 1.3f, 1.45f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.9f},        {1.95f, 3.1f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.45f},        {2.0f, 0, 0.78f},      0.3f,  MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_LIMB, PART_PELVIS,    {0.4f, -1.6f, 1.2f},    PART_PELVIS,    {0.6f, -2.0f, -3.0f}, {0.14f, 0.12f, 0},     0,     MAT_TRIM,    0},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, -0.1f},      PART_FOREARM_R, {0, 0, 0},            {0.95f, 0.8f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_FOREARM_R, {0, 0, 0.4f},           PART_HAND_R,    {0, 0, 0.2f},         {0.8f, 1.25f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0, 0.45f},          PART_HAND_R,    {0, 0, 0.2f},         {1.28f, 0, 0},         0.3f,  MAT_TRIM,    SHAPE_MIRROR},
    // The shears: two long blades crossed at a pivot, and bronze finger loops.
    {PART_HAND_R,    SHAPE_DISC, AT_WEAPON_BASE, {-0.1f, -0.3f, 0.75f},  AT_WEAPON_BASE, {0.1f, -0.3f, 0.75f}, {0.45f, 0, 0},         0.4f,  MAT_BRONZE,  0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, -0.2f, 0.3f},       AT_WEAPON_TIP,  {0, -0.3f, 0},        {0.28f, 0.04f, 0.3f},  0,     MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0.2f, 0.3f},        AT_WEAPON_TIP,  {0, 0.5f, 0.2f},      {0.28f, 0.04f, 0.3f},  0,     MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, -0.2f},          AT_WEAPON_BASE, {0, 0, 0},            {0.22f, 0.3f, 0.22f},  0,     MAT_BRONZE,  0},
    // The spindle wound with thread, and the thread of a life hanging from it.
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 1.0f},           AT_SECOND_BASE, {0, 0, -0.8f},        {0.1f, 0.1f, 0},       0,     MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_BALL, AT_SECOND_BASE, {0, 0, 0},              AT_SECOND_BASE, {0, 0, 0},            {0.45f, 0.45f, 0.6f},  0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0, 0, -0.5f},          AT_SECOND_TIP,  {0, 0, 0},            {0.06f, 0, 0},         0,     MAT_GOLD,    0},
};

const FigureLook look_atropos = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    atropos_shapes, static_cast<int>(std::size(atropos_shapes)),
    // skin            hair          cloth (two outfits)           trim (two outfits)
    {{225, 210, 200}, {20, 20, 20}, {{45, 45, 55}, {75, 50, 95}}, {{150, 130, 80}, {190, 190, 205}},
     // leather      metal            fur            eyes
     {60, 50, 45}, {200, 200, 210}, {40, 40, 40}, {90, 90, 110}},
    FACE_HUMAN, nullptr, 0,
};
