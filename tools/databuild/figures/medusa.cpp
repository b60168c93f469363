// Medusa the Gorgon: a nest of snakes for hair, pale green skin and glowing eyes, a long
// scaled gown, a sword in her right hand and a bow in her left.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape medusa_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.2f},   0,     MAT_SCALES,  0},
    // The snakes: each rears from the scalp and bends out, its head raised, eyes glowing.
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.5f, -0.3f, 2.9f},   PART_HEAD,      {-1.3f, -0.9f, 3.9f}, {0.26f, 0.2f, 0},      0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.4f, -1.2f, 4.0f},   PART_HEAD,      {0, 0, 0},            {0.28f, 0.4f, 0.24f},  0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.9f, 0.2f, 2.6f},    PART_HEAD,      {-2.1f, 0.1f, 3.4f},  {0.26f, 0.2f, 0},      0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-2.3f, -0.15f, 3.45f}, PART_HEAD,      {0, 0, 0},            {0.28f, 0.4f, 0.24f},  0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.8f, 0.9f, 2.0f},    PART_HEAD,      {-2.0f, 1.6f, 2.2f},  {0.26f, 0.2f, 0},      0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-2.2f, 1.7f, 2.4f},    PART_HEAD,      {0, 0, 0},            {0.28f, 0.4f, 0.24f},  0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.3f, 1.0f, 1.2f},    PART_HEAD,      {-1.0f, 2.0f, 0.0f},  {0.26f, 0.2f, 0},      0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.1f, 2.2f, 0.9f},    PART_HEAD,      {0, 0, 0},            {0.28f, 0.4f, 0.24f},  0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 0.2f, 3.0f},        PART_HEAD,      {0, -0.4f, 4.3f},     {0.26f, 0.2f, 0},      0,     MAT_SCALES,  0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.75f, 4.4f},      PART_HEAD,      {0, 0, 0},            {0.28f, 0.4f, 0.24f},  0,     MAT_SCALES,  0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.5f, -1.55f, 4.1f},  PART_HEAD,      {0, 0, 0},            {0.1f, 0.1f, 0.1f},    0,     MAT_EYE,     SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.55f},          PART_CHEST,     {0, 0, 0},            {2.0f, 1.32f, 2.0f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.87f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.74f, 0.64f, 0.66f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.58f, 1.13f, 1.5f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -9.5f},        {1.9f, 2.7f, 0.8f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.0f},           PART_PELVIS,    {0, 0, 1.4f},         {1.95f, 0, 0.78f},     0.2f,  MAT_GOLD,    0},
    {PART_UPPER_ARM_R, SHAPE_DISC, PART_UPPER_ARM_R, {0, 0, -1.0f},      PART_UPPER_ARM_R, {0, 0, -1.4f},      {0.66f, 0, 0},         0.2f,  MAT_GOLD,    SHAPE_MIRROR},
    // The sword.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.0f},           AT_WEAPON_BASE, {0, 0, 0},            {0.15f, 0.15f, 0},     0,     MAT_LEATHER, 0},
    {PART_HAND_R,    SHAPE_BOX,  AT_WEAPON_BASE, {0, 0, 0},              AT_WEAPON_BASE, {0, 0, 0},            {0.6f, 0.18f, 0.12f},  0.5f,  MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.1f},          AT_WEAPON_TIP,  {0, 0, 0},            {0.26f, 0.04f, 0.2f},  0,     MAT_STEEL,   0},
    // The bow in her left hand.
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 1.2f},           AT_SECOND_BASE, {0, 0, 0},            {0.2f, 0.2f, 0},       0,     MAT_LEATHER, 0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 0},              AT_SECOND_BASE, {0, -0.8f, -1.4f},    {0.18f, 0.18f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, -0.8f, -1.4f},      AT_SECOND_TIP,  {0, -0.8f, 1.4f},     {0.18f, 0.16f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_TIP,  {0, -0.8f, 1.4f},       AT_SECOND_TIP,  {0, 0, 0},            {0.16f, 0.08f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0, 0, 1.0f},           AT_SECOND_TIP,  {0, 0, 0},            {0.04f, 0, 0},         0,     MAT_HORN,    0},
};

const FigureLook look_medusa = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    medusa_shapes, static_cast<int>(std::size(medusa_shapes)),
    // skin            hair            cloth (two outfits)             trim (two outfits)
    {{160, 195, 145}, {60, 120, 60}, {{40, 100, 75}, {120, 40, 60}}, {{200, 180, 90}, {200, 180, 90}},
     // leather      metal            fur            eyes
     {90, 70, 45}, {180, 190, 170}, {70, 90, 50}, {250, 220, 60}},
    FACE_HUMAN, nullptr, 0,
};
