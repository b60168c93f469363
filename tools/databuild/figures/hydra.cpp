// The Hydra: a scaled, squat body on four clawed legs with a heavy tail and a ridge of spines,
// and four long necks, each with a serpent's head: long jaws, fangs and glowing eyes. Its
// joints (a 22-unit figure, its body 7.3 behind its x): body (0, 7.3, 7); necks from
// (-2, 5.8, 10), (-0.7, 4.8, 9.5), (0.7, 4.1, 8.8), (2, 3.5, 8) to heads at (-3, 2.5, 21),
// (-1, 0.3, 19.5), (1, -1.7, 17.5), (3, -3.1, 15); legs at (+-3, 5.3, 5) and (+-3, 10.3, 5);
// tail (0, 12.3, 6).
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape hydra_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {0, 0.5f, 0},           PART_PELVIS,    {0, 0, 0},            {3.6f, 4.6f, 3.2f},    0,     MAT_SCALES,  0},
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {0, -0.8f, -0.9f},      PART_PELVIS,    {0, 0, 0},            {3.0f, 3.6f, 2.5f},    0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_LIMB, PART_PELVIS,    {0, -1.0f, 3.0f},       PART_PELVIS,    {0, -1.6f, 4.6f},     {0.5f, 0.05f, 0},      0,     MAT_HORN,    0},
    {PART_PELVIS,    SHAPE_LIMB, PART_PELVIS,    {0, 1.2f, 3.0f},        PART_PELVIS,    {0, 1.2f, 4.6f},      {0.5f, 0.05f, 0},      0,     MAT_HORN,    0},
    {PART_PELVIS,    SHAPE_LIMB, PART_PELVIS,    {0, 3.2f, 2.2f},        PART_PELVIS,    {0, 3.6f, 3.7f},      {0.45f, 0.05f, 0},     0,     MAT_HORN,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_NECK_0,    {0, 0, 0},              PART_NECK_0,    {0, 0, 0},            {1.0f, 1.0f, 1.0f},    0,     MAT_SCALES,  0},
    {PART_PELVIS,    SHAPE_BALL, PART_NECK_3,    {0, 0, 0},              PART_NECK_3,    {0, 0, 0},            {1.0f, 1.0f, 1.0f},    0,     MAT_SCALES,  0},
    {PART_NECK_0,    SHAPE_LIMB, PART_NECK_0,    {0, 0, 0},              PART_HEAD_0,    {0, 0, 0},            {0.95f, 0.6f, 0},      0,     MAT_SCALES,  0},
    {PART_NECK_1,    SHAPE_LIMB, PART_NECK_1,    {0, 0, 0},              PART_HEAD_1,    {0, 0, 0},            {0.95f, 0.6f, 0},      0,     MAT_SCALES,  0},
    {PART_NECK_2,    SHAPE_LIMB, PART_NECK_2,    {0, 0, 0},              PART_HEAD_2,    {0, 0, 0},            {0.95f, 0.6f, 0},      0,     MAT_SCALES,  0},
    {PART_NECK_3,    SHAPE_LIMB, PART_NECK_3,    {0, 0, 0},              PART_HEAD_3,    {0, 0, 0},            {0.95f, 0.6f, 0},      0,     MAT_SCALES,  0},
    // The heads, one block of rows each: skull, upper and lower jaw, fangs, eyes, crest.
    {PART_HEAD_0,    SHAPE_BALL, PART_HEAD_0,    {0, 0, 0},              PART_HEAD_0,    {0, 0, 0},            {0.85f, 1.2f, 0.75f},  0,     MAT_SCALES,  0},
    {PART_HEAD_0,    SHAPE_LIMB, PART_HEAD_0,    {0, -0.6f, 0.15f},      PART_HEAD_0,    {0, -2.3f, 0},        {0.6f, 0.28f, 0.7f},   0,     MAT_SCALES,  0},
    {PART_HEAD_0,    SHAPE_LIMB, PART_HEAD_0,    {0, -0.7f, -0.35f},     PART_HEAD_0,    {0, -2.2f, -0.65f},   {0.45f, 0.2f, 0.6f},   0,     MAT_TRIM,    0},
    {PART_HEAD_0,    SHAPE_LIMB, PART_HEAD_0,    {-0.25f, -2.0f, -0.1f}, PART_HEAD_0,    {-0.25f, -2.05f, -0.6f}, {0.08f, 0.02f, 0},   0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD_0,    SHAPE_BALL, PART_HEAD_0,    {-0.5f, -0.6f, 0.4f},   PART_HEAD_0,    {0, 0, 0},            {0.2f, 0.22f, 0.16f},  0,     MAT_EYE,     SHAPE_MIRROR},
    {PART_HEAD_0,    SHAPE_LIMB, PART_HEAD_0,    {0, 0.2f, 0.6f},        PART_HEAD_0,    {0, 1.2f, 1.1f},      {0.35f, 0.05f, 0},     0,     MAT_HORN,    0},
    {PART_HEAD_1,    SHAPE_BALL, PART_HEAD_1,    {0, 0, 0},              PART_HEAD_1,    {0, 0, 0},            {0.85f, 1.2f, 0.75f},  0,     MAT_SCALES,  0},
    {PART_HEAD_1,    SHAPE_LIMB, PART_HEAD_1,    {0, -0.6f, 0.15f},      PART_HEAD_1,    {0, -2.3f, 0},        {0.6f, 0.28f, 0.7f},   0,     MAT_SCALES,  0},
    {PART_HEAD_1,    SHAPE_LIMB, PART_HEAD_1,    {0, -0.7f, -0.35f},     PART_HEAD_1,    {0, -2.2f, -0.65f},   {0.45f, 0.2f, 0.6f},   0,     MAT_TRIM,    0},
    {PART_HEAD_1,    SHAPE_LIMB, PART_HEAD_1,    {-0.25f, -2.0f, -0.1f}, PART_HEAD_1,    {-0.25f, -2.05f, -0.6f}, {0.08f, 0.02f, 0},   0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD_1,    SHAPE_BALL, PART_HEAD_1,    {-0.5f, -0.6f, 0.4f},   PART_HEAD_1,    {0, 0, 0},            {0.2f, 0.22f, 0.16f},  0,     MAT_EYE,     SHAPE_MIRROR},
    {PART_HEAD_1,    SHAPE_LIMB, PART_HEAD_1,    {0, 0.2f, 0.6f},        PART_HEAD_1,    {0, 1.2f, 1.1f},      {0.35f, 0.05f, 0},     0,     MAT_HORN,    0},
    {PART_HEAD_2,    SHAPE_BALL, PART_HEAD_2,    {0, 0, 0},              PART_HEAD_2,    {0, 0, 0},            {0.85f, 1.2f, 0.75f},  0,     MAT_SCALES,  0},
    {PART_HEAD_2,    SHAPE_LIMB, PART_HEAD_2,    {0, -0.6f, 0.15f},      PART_HEAD_2,    {0, -2.3f, 0},        {0.6f, 0.28f, 0.7f},   0,     MAT_SCALES,  0},
    {PART_HEAD_2,    SHAPE_LIMB, PART_HEAD_2,    {0, -0.7f, -0.35f},     PART_HEAD_2,    {0, -2.2f, -0.65f},   {0.45f, 0.2f, 0.6f},   0,     MAT_TRIM,    0},
    {PART_HEAD_2,    SHAPE_LIMB, PART_HEAD_2,    {-0.25f, -2.0f, -0.1f}, PART_HEAD_2,    {-0.25f, -2.05f, -0.6f}, {0.08f, 0.02f, 0},   0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD_2,    SHAPE_BALL, PART_HEAD_2,    {-0.5f, -0.6f, 0.4f},   PART_HEAD_2,    {0, 0, 0},            {0.2f, 0.22f, 0.16f},  0,     MAT_EYE,     SHAPE_MIRROR},
    {PART_HEAD_2,    SHAPE_LIMB, PART_HEAD_2,    {0, 0.2f, 0.6f},        PART_HEAD_2,    {0, 1.2f, 1.1f},      {0.35f, 0.05f, 0},     0,     MAT_HORN,    0},
    {PART_HEAD_3,    SHAPE_BALL, PART_HEAD_3,    {0, 0, 0},              PART_HEAD_3,    {0, 0, 0},            {0.85f, 1.2f, 0.75f},  0,     MAT_SCALES,  0},
    {PART_HEAD_3,    SHAPE_LIMB, PART_HEAD_3,    {0, -0.6f, 0.15f},      PART_HEAD_3,    {0, -2.3f, 0},        {0.6f, 0.28f, 0.7f},   0,     MAT_SCALES,  0},
    {PART_HEAD_3,    SHAPE_LIMB, PART_HEAD_3,    {0, -0.7f, -0.35f},     PART_HEAD_3,    {0, -2.2f, -0.65f},   {0.45f, 0.2f, 0.6f},   0,     MAT_TRIM,    0},
    {PART_HEAD_3,    SHAPE_LIMB, PART_HEAD_3,    {-0.25f, -2.0f, -0.1f}, PART_HEAD_3,    {-0.25f, -2.05f, -0.6f}, {0.08f, 0.02f, 0},   0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD_3,    SHAPE_BALL, PART_HEAD_3,    {-0.5f, -0.6f, 0.4f},   PART_HEAD_3,    {0, 0, 0},            {0.2f, 0.22f, 0.16f},  0,     MAT_EYE,     SHAPE_MIRROR},
    {PART_HEAD_3,    SHAPE_LIMB, PART_HEAD_3,    {0, 0.2f, 0.6f},        PART_HEAD_3,    {0, 1.2f, 1.1f},      {0.35f, 0.05f, 0},     0,     MAT_HORN,    0},
    // Legs (the front pair on the arm bones, the hind pair on the thigh bones) and the tail.
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0},          PART_UPPER_ARM_R, {0, -0.5f, -4.2f},  {1.25f, 0.75f, 0},     0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_BOX,  PART_UPPER_ARM_R, {0, -1.1f, -4.6f},  PART_UPPER_ARM_R, {0, 0, 0},          {0.9f, 1.3f, 0.4f},    0.5f,  MAT_SCALES,  SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, -2.2f, -4.7f},  PART_UPPER_ARM_R, {0, -2.9f, -4.95f}, {0.18f, 0.04f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_LIMB, PART_THIGH_R,   {0, 0, 0},              PART_THIGH_R,   {0, -0.5f, -4.2f},    {1.35f, 0.75f, 0},     0,     MAT_SCALES,  SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0, -1.1f, -4.6f},      PART_THIGH_R,   {0, 0, 0},            {0.9f, 1.3f, 0.4f},    0.5f,  MAT_SCALES,  SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_LIMB, PART_THIGH_R,   {0, -2.2f, -4.7f},      PART_THIGH_R,   {0, -2.9f, -4.95f},   {0.18f, 0.04f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_TAIL,      SHAPE_LIMB, PART_TAIL,      {0, 0, 0},              PART_TAIL,      {0, 3.5f, -2.5f},     {1.5f, 0.8f, 0},       0,     MAT_SCALES,  0},
    {PART_TAIL,      SHAPE_LIMB, PART_TAIL,      {0, 3.5f, -2.5f},       PART_TAIL,      {0, 6.5f, -4.3f},     {0.8f, 0.15f, 0},      0,     MAT_SCALES,  0},
};

const FigureLook look_hydra = {
    nullptr, 0, nullptr, 0,
    hydra_shapes, static_cast<int>(std::size(hydra_shapes)),
    // skin (its scales)  hair        cloth (two outfits)            trim (its belly, two outfits)
    {{70, 120, 70}, {40, 60, 40}, {{50, 110, 60}, {110, 50, 110}}, {{190, 180, 110}, {200, 160, 190}},
     // leather      metal            fur            eyes
     {80, 70, 40}, {220, 220, 180}, {60, 80, 50}, {255, 200, 40}},
    FACE_SERPENT, nullptr, 0,
};
