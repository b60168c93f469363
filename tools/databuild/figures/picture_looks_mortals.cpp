// The mortals of the painted scenes (the heroines, the townsfolk, a shepherd, an elder and a
// child) and Odysseus' old dog: a table per look, on the shared bodies and head (bodies.cpp).
// Offsets are a 20-unit figure's, as the fighters' looks; the dog's are the Sphinx's
// four-legged rig's (14 units).
#include "tools/databuild/figures/scene_figures.h"

#include <iterator>

// A townsman: short curly hair and a trimmed beard, a knee-length tunic belted at the waist, a
// cloak pinned on the right shoulder, sandals.
static const FigureShape man_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.16f, 1.3f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.9f, 0.45f, 1.45f},  PART_HEAD,      {0, 0, 0},            {0.35f, 0.6f, 0.6f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.7f, 0.82f},      PART_HEAD,      {0, 0, 0},            {0.72f, 0.55f, 0.6f},  0,     MAT_HAIR,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.6f},           PART_CHEST,     {0, 0, 0},            {2.35f, 1.5f, 2.2f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.85f, 1.3f, 1.55f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0.2f, 1.5f, 1.5f},     PART_CHEST,     {0, 0, 0},            {2.2f, 0.25f, 3.0f},   0.5f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.6f, 0.2f, 4.1f},    PART_CHEST,     {1.6f, 0.3f, 4.0f},   {0.55f, 0.55f, 0},     0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-1.55f, -0.5f, 4.0f},  PART_CHEST,     {0, 0, 0},            {0.3f, 0.25f, 0.3f},   0,     MAT_BRONZE,  0},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0.1f},       PART_UPPER_ARM_R, {0, 0, -1.4f},      {0.85f, 0.75f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -4.0f},        {1.95f, 2.55f, 0.72f}, 0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {2.0f, 0, 0.72f},      0.3f,  MAT_LEATHER, 0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_DISC, PART_SHIN_R,    {0, 0, -3.0f},          PART_SHIN_R,    {0, 0, -3.4f},        {0.58f, 0, 0},         0.2f,  MAT_LEATHER, SHAPE_MIRROR},
};

const FigureLook look_man = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    man_shapes, static_cast<int>(std::size(man_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{210, 165, 125}, {60, 40, 25}, {{200, 180, 140}, {150, 70, 50}}, {{120, 60, 40}, {90, 110, 80}},
     // leather      metal            fur            eyes
     {110, 75, 45}, {200, 170, 90}, {90, 70, 50}, {70, 60, 40}},
    FACE_HUMAN,
};

// A townswoman: the hair gathered in a knot behind, a long chiton to her feet with a shawl
// (himation) over the shoulders, a girdle.
static const FigureShape woman_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.0f},       PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 1.45f, 1.7f},       PART_HEAD,      {0, 0, 0},            {0.7f, 0.65f, 0.7f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.1f, 1.35f},  PART_HEAD,      {0, 0, 0},            {0.35f, 0.55f, 0.75f}, 0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.35f},      PART_HEAD,      {0, 0.25f, 2.6f},     {1.22f, 0, 1.1f},      0.3f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.1f, 1.4f, 2.1f},    0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -0.8f},      {0.8f, 0.75f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.3f, 4.2f},        PART_CHEST,     {0, 0.6f, 0.5f},      {1.6f, 2.3f, 0.75f},   0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.7f, 1.3f, 1.4f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {1.95f, 3.0f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.9f},           PART_PELVIS,    {0, 0, 2.3f},         {1.95f, 0, 0.78f},     0.3f,  MAT_TRIM,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.2f},   0.6f,  MAT_LEATHER, SHAPE_MIRROR},
};

const FigureLook look_woman = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    woman_shapes, static_cast<int>(std::size(woman_shapes)),
    // skin            hair          cloth (two outfits)               trim (two outfits)
    {{230, 190, 155}, {50, 30, 20}, {{215, 200, 170}, {120, 90, 140}}, {{160, 70, 50}, {210, 200, 170}},
     // leather      metal            fur            eyes
     {120, 85, 50}, {200, 170, 90}, {90, 70, 50}, {70, 60, 40}},
    FACE_HUMAN,
};

// Argos, Odysseus' old hound: a lean grey-brown body, a long muzzle, drooping ears, a thin
// tail.
static const FigureShape dog_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {0, -0.6f, 0.1f},       PART_PELVIS,    {0, 0, 0},            {1.5f, 2.6f, 1.5f},    0,     MAT_FUR,     0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0.2f, -0.1f},       PART_CHEST,     {0, 0, 0},            {1.7f, 2.4f, 1.9f},    0,     MAT_FUR,     0},
    {PART_HEAD,      SHAPE_LIMB, PART_CHEST,     {0, -1.6f, 0.7f},       PART_HEAD,      {0, 0.2f, -0.2f},     {1.05f, 0.8f, 0},      0,     MAT_FUR,     0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.2f, 0.4f},       PART_HEAD,      {0, 0, 0},            {1.0f, 1.25f, 1.0f},   0,     MAT_FUR,     0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.0f, 0.1f},       PART_HEAD,      {0, -2.7f, -0.35f},   {0.7f, 0.42f, 0.9f},   0,     MAT_FUR,     0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -2.75f, -0.25f},    PART_HEAD,      {0, 0, 0},            {0.3f, 0.25f, 0.25f},  0,     MAT_LEATHER, 0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.5f, -1.0f, 0.75f},  PART_HEAD,      {0, 0, 0},            {0.17f, 0.12f, 0.15f}, 0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.75f, 0.1f, 1.1f},   PART_HEAD,      {-1.05f, 0.2f, -0.4f}, {0.45f, 0.3f, 0.4f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0.3f},       PART_FOREARM_R, {0, 0, 0},            {0.65f, 0.42f, 0},     0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_LIMB, PART_FOREARM_R, {0, 0, 0},              PART_HAND_R,    {0, 0, 0},            {0.4f, 0.32f, 0},      0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_HAND_R,    SHAPE_BALL, PART_HAND_R,    {0, -0.3f, -0.35f},     PART_HAND_R,    {0, 0, 0},            {0.42f, 0.6f, 0.35f},  0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_BALL, PART_THIGH_R,   {0, 0.1f, -0.6f},       PART_THIGH_R,   {0, 0, 0},            {0.8f, 1.1f, 1.4f},    0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_LIMB, PART_THIGH_R,   {0, 0, -0.5f},          PART_SHIN_R,    {0, 0, 0},            {0.65f, 0.4f, 0},      0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_LIMB, PART_SHIN_R,    {0, 0, 0},              PART_FOOT_R,    {0, 0, 0},            {0.4f, 0.3f, 0},       0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BALL, PART_FOOT_R,    {0, -0.35f, -0.35f},    PART_FOOT_R,    {0, 0, 0},            {0.42f, 0.6f, 0.35f},  0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_TAIL,      SHAPE_LIMB, PART_TAIL,      {0, -0.5f, 0},          PART_TAIL,      {0, 2.2f, -1.6f},     {0.4f, 0.12f, 0},      0,     MAT_FUR,     0},
};

const FigureLook look_dog = {
    nullptr, 0, nullptr, 0,
    dog_shapes, static_cast<int>(std::size(dog_shapes)),
    // skin            hair          cloth (two outfits)               trim (two outfits)
    {{150, 120, 90}, {90, 70, 55}, {{150, 120, 90}, {150, 120, 90}}, {{150, 120, 90}, {150, 120, 90}},
     // leather    metal            fur              eyes
     {40, 30, 25}, {150, 150, 150}, {140, 115, 85}, {40, 30, 20}},
    FACE_HUMAN,
};
