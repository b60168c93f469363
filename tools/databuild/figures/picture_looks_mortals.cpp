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
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -2.0f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.7f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
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
    FACE_HUMAN, nullptr, 0,
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
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
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
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// An elder (Pelias, a priest): white hair thinning on top, a long white beard, a long robe
// and a mantle, a plain staff with a knob.
static const FigureShape elder_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.6f, 1.8f},        PART_HEAD,      {0, 0, 0},            {1.15f, 1.05f, 1.05f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.35f, 1.45f}, PART_HEAD,      {0, 0, 0},            {0.35f, 0.65f, 0.65f}, 0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.72f, 0.8f},      PART_HEAD,      {0, 0, 0},            {0.88f, 0.62f, 0.9f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.7f, -0.35f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.32f, 0.55f, 0.7f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.95f, 0.4f},      PART_HEAD,      {0, -0.85f, -1.6f},   {0.7f, 0.15f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.5f, -1.22f, 1.38f}, PART_HEAD,      {0.5f, -1.22f, 1.38f}, {0.14f, 0.14f, 0},    0,     MAT_HAIR,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0.1f, 2.5f},        PART_CHEST,     {0, 0, 0},            {2.3f, 1.55f, 2.2f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.9f, 1.4f, 1.6f},    0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -1.0f},      {0.9f, 0.85f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.5f, 0.1f, 4.0f},     PART_PELVIS,    {-1.6f, 0, -0.5f},    {1.0f, 1.15f, 0.85f},  0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.85f, 1.4f, 1.45f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.5f},           PART_PELVIS,    {0, 0, -8.8f},        {2.05f, 3.0f, 0.78f},  0,     MAT_CLOTH,   0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.88f},    PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.18f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The staff.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 4.6f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.18f, 0.15f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, 4.7f},           AT_WEAPON_BASE, {0, 0, 0},            {0.32f, 0.32f, 0.3f},  0,     MAT_WOOD,    0},
};

const FigureLook look_elder = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    elder_shapes, static_cast<int>(std::size(elder_shapes)),
    // skin            hair             cloth (two outfits)              trim (two outfits)
    {{205, 165, 135}, {225, 225, 220}, {{225, 220, 205}, {100, 80, 110}}, {{140, 60, 50}, {200, 180, 120}},
     // leather     metal            fur            eyes
     {100, 70, 45}, {200, 170, 90}, {90, 70, 50}, {80, 80, 80}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// A shepherd: a broad felt hat hung at his back, a short tunic off one shoulder under a
// sheepskin, bare legs, the crook in his right hand.
static const FigureShape shepherd_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.18f, 1.32f, 1.22f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.9f, 0.45f, 1.45f},  PART_HEAD,      {0, 0, 0},            {0.38f, 0.62f, 0.62f}, 0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.68f, 0.85f},     PART_HEAD,      {0, 0, 0},            {0.7f, 0.52f, 0.55f},  0,     MAT_HAIR,    0},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 2.0f, 3.6f},        PART_CHEST,     {0, 2.3f, 3.5f},      {2.0f, 0, 0},          0.5f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 2.35f, 3.5f},       PART_CHEST,     {0, 0, 0},            {1.0f, 0.6f, 1.0f},    0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0.4f, 0, 2.45f},       PART_CHEST,     {0, 0, 0},            {2.0f, 1.5f, 2.05f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.85f, 1.32f, 1.55f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.4f, 0.1f, 4.1f},     PART_CHEST,     {-1.5f, 0.2f, 0.9f},  {1.0f, 1.0f, 1.5f},    0,     MAT_FUR,     0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0.2f, 1.2f, 2.2f},     PART_CHEST,     {0, 0, 0},            {1.9f, 0.6f, 2.2f},    0,     MAT_FUR,     0},
    {PART_UPPER_ARM_L, SHAPE_LIMB, PART_UPPER_ARM_L, {0, 0, 0.1f},       PART_UPPER_ARM_L, {0, 0, -1.3f},      {0.9f, 0.8f, 0},       0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.4f},        {1.95f, 2.55f, 0.72f}, 0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -1.7f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.4f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {2.0f, 0, 0.72f},      0.3f,  MAT_LEATHER, 0},
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {-1.9f, -0.3f, 0.6f},   PART_PELVIS,    {0, 0, 0},            {0.4f, 0.55f, 0.7f},   0,     MAT_LEATHER, 0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The crook: a long staff bent over at its head.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 7.0f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.17f, 0.15f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 7.0f},           AT_WEAPON_BASE, {0, -0.35f, 7.8f},    {0.17f, 0.16f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, -0.35f, 7.8f},      AT_WEAPON_BASE, {0, -1.05f, 8.1f},    {0.16f, 0.15f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, -1.05f, 8.1f},      AT_WEAPON_BASE, {0, -1.7f, 7.7f},     {0.15f, 0.14f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, -1.7f, 7.7f},       AT_WEAPON_BASE, {0, -1.8f, 7.0f},     {0.14f, 0.12f, 0},     0,     MAT_WOOD,    0},
};

const FigureLook look_shepherd = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    shepherd_shapes, static_cast<int>(std::size(shepherd_shapes)),
    // skin            hair          cloth (two outfits)             trim (two outfits)
    {{200, 150, 105}, {45, 30, 20}, {{170, 150, 110}, {110, 120, 90}}, {{150, 120, 70}, {120, 90, 60}},
     // leather     metal            fur (the sheepskin) eyes
     {110, 75, 45}, {200, 170, 90}, {225, 215, 190},    {70, 60, 40}},
    FACE_HUMAN, nullptr, 0,
};

// One of Hippolyte's Amazons: a short tunic, a Scythian cap with its point tipped forward and
// flaps to the shoulders, high boots, a crescent shield and the spear point up.
static const FigureShape amazon_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.2f, 1.35f, 1.25f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 0.2f, 2.8f},        PART_HEAD,      {0, -0.5f, 4.1f},     {0.85f, 0.25f, 0},     0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {-1.05f, 0, 0.9f},      PART_HEAD,      {0, 0, 0},            {0.2f, 0.55f, 0.9f},   0.6f,  MAT_TRIM,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.1f, 1.6f},        PART_HEAD,      {0, 1.2f, -1.6f},     {0.8f, 0.5f, 0.6f},    0,     MAT_HAIR,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.0f, 1.35f, 2.05f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.74f, 0.64f, 0.66f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.6f, 1.15f, 1.5f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.5f, -0.1f, 4.2f},   PART_CHEST,     {1.4f, -0.1f, 0.8f},  {0.22f, 0.22f, 0},     0,     MAT_LEATHER, 0},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0.1f},       PART_UPPER_ARM_R, {0, 0, -1.6f},      {0.75f, 0.65f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.2f},        {1.8f, 2.4f, 0.75f},   0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -1.6f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.3f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {1.85f, 0, 0.75f},     0.2f,  MAT_LEATHER, 0},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, 0, 0.2f},           PART_FOOT_R,    {0, 0, 0.1f},         {0.68f, 0.5f, 0},      0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.72f},     PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.34f},  0.5f,  MAT_LEATHER, SHAPE_MIRROR},
    // The spear, point up.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 7.6f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.15f, 0.13f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 7.5f},           AT_WEAPON_BASE, {0, 0, 9.3f},         {0.36f, 0.03f, 0.25f}, 0,     MAT_BRONZE,  0},
    // The crescent shield on her left forearm, horns up.
    {PART_FOREARM_L, SHAPE_BOX,  PART_FOREARM_L, {0.75f, 0, -1.6f},      PART_FOREARM_L, {0, 0, 0},            {0.12f, 1.6f, 1.3f},   0.8f,  MAT_LEATHER, 0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {0.8f, -1.4f, -1.0f},   PART_FOREARM_L, {0.8f, -1.7f, 0.6f},  {0.5f, 0.08f, 0.3f},   0,     MAT_LEATHER, 0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {0.8f, 1.4f, -1.0f},    PART_FOREARM_L, {0.8f, 1.7f, 0.6f},   {0.5f, 0.08f, 0.3f},   0,     MAT_LEATHER, 0},
    {PART_FOREARM_L, SHAPE_BALL, PART_FOREARM_L, {0.9f, 0, -1.8f},       PART_FOREARM_L, {0, 0, 0},            {0.2f, 0.4f, 0.4f},    0,     MAT_BRONZE,  0},
};

const FigureLook look_amazon = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    amazon_shapes, static_cast<int>(std::size(amazon_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{220, 175, 135}, {40, 25, 15}, {{190, 70, 40}, {60, 100, 140}}, {{230, 200, 120}, {220, 220, 210}},
     // leather     metal            fur            eyes
     {100, 65, 40}, {200, 200, 210}, {90, 70, 50}, {60, 80, 60}},
    FACE_HUMAN, nullptr, 0,
};

// Penelope: the queen of Ithaca, veiled, in a long robe and a wide mantle, a band across her
// brow.
static const FigureShape penelope_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.0f},       PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.45f, 2.15f},      PART_HEAD,      {0, 0, 0},            {1.3f, 1.35f, 1.3f},   0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.8f, 2.6f},        PART_HEAD,      {0, 1.3f, -1.5f},     {1.3f, 2.0f, 0.6f},    0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.1f, 2.45f},       PART_HEAD,      {0, 0.1f, 2.65f},     {1.25f, 0, 1.1f},      0.3f,  MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.1f, 1.4f, 2.1f},    0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -1.2f},      {0.85f, 0.8f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.35f, 4.3f},       PART_CHEST,     {0, 0.6f, 0.2f},      {1.7f, 2.4f, 0.75f},   0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.7f, 1.3f, 1.4f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.3f},        {1.95f, 3.1f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.9f},           PART_PELVIS,    {0, 0, 2.3f},         {1.95f, 0, 0.78f},     0.3f,  MAT_GOLD,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.2f},   0.6f,  MAT_LEATHER, SHAPE_MIRROR},
};

const FigureLook look_penelope = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    penelope_shapes, static_cast<int>(std::size(penelope_shapes)),
    // skin            hair          cloth (two outfits)             trim (two outfits)
    {{230, 190, 155}, {60, 35, 20}, {{130, 40, 50}, {60, 80, 130}}, {{225, 215, 190}, {200, 180, 120}},
     // leather      metal            fur            eyes
     {120, 85, 50}, {230, 190, 70}, {90, 70, 50}, {80, 60, 40}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Andromeda: the chained princess, her long hair loose under a gold diadem, a long robe with a
// jewelled girdle, broken chains hanging from iron cuffs at her wrists.
static const FigureShape andromeda_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.18f, 1.32f, 1.22f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.0f, 1.8f},        PART_HEAD,      {0, 1.2f, -2.2f},     {1.1f, 0.7f, 0.55f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.95f, 0.2f, 1.6f},   PART_HEAD,      {-1.1f, 0.3f, -1.3f}, {0.45f, 0.3f, 0.8f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.2f, 2.5f},        PART_HEAD,      {0, 0.2f, 3.1f},      {1.2f, 1.3f, 1.1f},    0,     MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -1.05f, 2.85f},     PART_HEAD,      {0, 0, 0},            {0.2f, 0.12f, 0.25f},  0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.05f, 1.38f, 2.05f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.74f, 0.64f, 0.66f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.65f, 1.2f, 1.55f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 4.45f},     {0.95f, 0, 0.85f},     0.5f,  MAT_GOLD,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.65f, 1.25f, 1.4f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {1.95f, 3.0f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.4f},           PART_PELVIS,    {0, 0, 1.9f},         {1.98f, 0, 0.78f},     0.3f,  MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {0, -1.55f, 1.6f},      PART_PELVIS,    {0, 0, 0},            {0.35f, 0.2f, 0.35f},  0,     MAT_GOLD,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.4f, 0.98f, 0.2f},   0.6f,  MAT_GOLD,    SHAPE_MIRROR},
    // The cuffs and the broken chains hanging from them.
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0, 1.1f},           PART_HAND_R,    {0, 0, 0.4f},         {0.5f, 0, 0},          0.3f,  MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0.3f, 0.35f},       PART_HAND_R,    {0, 0.6f, 0.35f},     {0.42f, 0, 0},         0.9f,  MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0.15f, 0.75f, -0.3f},  PART_HAND_R,    {-0.15f, 0.75f, -0.3f}, {0.42f, 0, 0},       0.9f,  MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0.75f, -1.0f},      PART_HAND_R,    {0, 1.05f, -1.0f},    {0.42f, 0, 0},         0.9f,  MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0.15f, 0.9f, -1.7f},   PART_HAND_R,    {-0.15f, 0.9f, -1.7f}, {0.42f, 0, 0},        0.9f,  MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0.85f, -2.4f},      PART_HAND_R,    {0, 1.15f, -2.4f},    {0.42f, 0, 0},         0.9f,  MAT_STEEL,   SHAPE_MIRROR},
};

const FigureLook look_andromeda = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    andromeda_shapes, static_cast<int>(std::size(andromeda_shapes)),
    // skin            hair          cloth (two outfits)               trim (two outfits)
    {{200, 150, 110}, {25, 18, 15}, {{240, 235, 220}, {230, 200, 120}}, {{40, 120, 130}, {150, 40, 60}},
     // leather      metal         fur            eyes
     {120, 85, 50}, {90, 90, 100}, {90, 70, 50}, {60, 40, 25}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Galatea: the sea nymph, her long hair loose and strung with pearls, a sea-blue robe falling
// from one shoulder and a shawl like foam over her arms.
static const FigureShape galatea_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.2f, 1.34f, 1.24f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.0f, 1.8f},        PART_HEAD,      {0, 1.3f, -2.8f},     {1.15f, 0.8f, 0.55f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.95f, 0.2f, 1.6f},   PART_HEAD,      {-1.2f, 0.5f, -1.8f}, {0.5f, 0.35f, 0.8f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.9f, -0.35f, 2.75f}, PART_HEAD,      {0, 0, 0},            {0.17f, 0.17f, 0.17f}, 0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.45f, -0.7f, 3.05f}, PART_HEAD,      {0, 0, 0},            {0.17f, 0.17f, 0.17f}, 0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.82f, 3.15f},     PART_HEAD,      {0, 0, 0},            {0.2f, 0.2f, 0.2f},    0,     MAT_HORN,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.2f, 0.05f, 2.45f},  PART_CHEST,     {0, 0, 0},            {1.95f, 1.35f, 2.0f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.86f, 2.65f}, PART_CHEST,    {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.65f, 1.2f, 1.55f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -0.8f},      {0.78f, 0.72f, 0},     0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 4.45f},     {0.95f, 0, 0.85f},     0.6f,  MAT_HORN,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.65f, 1.25f, 1.4f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {1.95f, 3.1f, 0.78f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.5f},           PART_PELVIS,    {0, 0, 1.9f},         {1.98f, 0, 0.78f},     0.4f,  MAT_TRIM,    0},
};

const FigureLook look_galatea = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    galatea_shapes, static_cast<int>(std::size(galatea_shapes)),
    // skin            hair             cloth (two outfits)               trim (two outfits)
    {{240, 215, 200}, {170, 110, 60}, {{95, 165, 175}, {120, 150, 200}}, {{235, 245, 245}, {225, 235, 240}},
     // leather      metal            fur            eyes
     {120, 85, 50}, {210, 220, 230}, {90, 70, 50}, {50, 130, 150}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Medea: the sorceress of Colchis, dark-haired under a gold diadem and a dark veil, in a long
// purple robe with a patterned border and a star-marked mantle, a gold phial of her draughts
// in her left hand.
static const FigureShape medea_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.18f, 1.32f, 1.22f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.95f, 0.2f, 1.6f},   PART_HEAD,      {-1.1f, 0.3f, -1.0f}, {0.45f, 0.3f, 0.8f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.9f, 2.9f},        PART_HEAD,      {0, 1.4f, -1.6f},     {1.25f, 2.0f, 0.55f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.2f, 2.45f},       PART_HEAD,      {0, 0.2f, 2.95f},     {1.25f, 1.35f, 1.1f},  0,     MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.0f, 2.8f},       PART_HEAD,      {0, -1.1f, 3.6f},     {0.25f, 0.03f, 0},     0,     MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.1f, 1.4f, 2.1f},    0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -0.9f},      {0.82f, 0.78f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 4.45f},     {0.95f, 0, 0.85f},     0.5f,  MAT_GOLD,    0},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0},          PART_FOREARM_R, {0, 0, 0},            {0.75f, 0.6f, 0},      0,     MAT_TRIM,    SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_FOREARM_R, {0, 0, 0.3f},           PART_HAND_R,    {0, 0, 0.7f},         {0.6f, 0.95f, 0},      0,     MAT_TRIM,    SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.7f, 1.3f, 1.4f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.3f},        {1.95f, 3.15f, 0.8f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.6f},           PART_PELVIS,    {0, 0, 2.0f},         {1.96f, 0, 0.78f},     0.3f,  MAT_GOLD,    0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.2f},   0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The phial.
    {PART_HAND_L,    SHAPE_BALL, AT_SECOND_BASE, {0, -0.2f, 0.1f},       AT_SECOND_BASE, {0, 0, 0},            {0.5f, 0.5f, 0.55f},   0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_CONE, AT_SECOND_BASE, {0, -0.2f, 0.5f},       AT_SECOND_BASE, {0, -0.2f, 1.3f},     {0.2f, 0.3f, 0},       0,     MAT_GOLD,    0},
};

const FigureLook look_medea = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    medea_shapes, static_cast<int>(std::size(medea_shapes)),
    // skin            hair          cloth (two outfits)            trim (two outfits)
    {{225, 190, 160}, {20, 15, 15}, {{90, 30, 100}, {30, 70, 60}}, {{30, 25, 40}, {120, 30, 40}},
     // leather     metal            fur            eyes
     {90, 60, 40}, {230, 190, 70}, {90, 70, 50}, {90, 60, 30}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// A child: a head large for its body, short hair, a short tunic, bare feet.
static const FigureShape child_head[] = {
    // part      kind        from        offset                 to          offset                 size                   round  material  flags
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, -0.35f, 1.9f},     PART_HEAD,  {0, 0, 0},             {1.2f, 1.2f, 1.45f},   0,     MAT_FACE, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, 0.05f, 0.3f},      PART_HEAD,  {0, 0, 0},             {0.7f, 0.7f, 0.8f},    0,     MAT_SKIN, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, 0.25f, 2.3f},      PART_HEAD,  {0, 0, 0},             {1.4f, 1.55f, 1.55f},  0,     MAT_SKIN, 0},
    {PART_HEAD,  SHAPE_LIMB, PART_HEAD,  {0, -1.5f, 2.2f},      PART_HEAD,  {0, -1.6f, 1.75f},     {0.12f, 0.19f, 0},     0,     MAT_FACE, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {-1.3f, 0.15f, 1.9f},  PART_HEAD,  {0, 0, 0},             {0.16f, 0.34f, 0.42f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, 0.45f, 2.6f},      PART_HEAD,  {0, 0, 0},             {1.48f, 1.55f, 1.45f}, 0,     MAT_HAIR, 0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.1f, 1.45f, 2.1f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.85f, 1.35f, 1.55f}, 0,     MAT_CLOTH,   0},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0.1f},       PART_UPPER_ARM_R, {0, 0, -1.2f},      {0.8f, 0.7f, 0},       0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.4f},        {1.95f, 2.5f, 0.74f},  0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -1.7f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.4f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.0f},           PART_PELVIS,    {0, 0, 1.4f},         {2.0f, 0, 0.74f},      0.3f,  MAT_TRIM,    0},
};

const FigureLook look_child = {
    look_body_man, look_body_man_count, nullptr, 0,
    child_head, static_cast<int>(std::size(child_head)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{230, 185, 145}, {90, 60, 30}, {{220, 210, 180}, {170, 90, 60}}, {{170, 60, 40}, {90, 110, 150}},
     // leather      metal            fur            eyes
     {110, 75, 45}, {200, 170, 90}, {90, 70, 50}, {70, 90, 60}},
    FACE_HUMAN, nullptr, 0,
};

// Argos, Odysseus' old hound: a deep chest and a long body, a long muzzle, dark drooping
// ears, a thin tail.
static const FigureShape dog_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.4f, -0.5f},      PART_PELVIS,    {0, 0.4f, -0.2f},     {2.9f, 2.6f, 0},       0,     MAT_SKIN,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.6f, -0.7f},      PART_CHEST,     {0, 0, 0},            {2.0f, 2.4f, 2.4f},    0,     MAT_SKIN,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_PELVIS,    {0, 0.6f, -0.3f},       PART_PELVIS,    {0, 0, 0},            {1.8f, 2.2f, 2.0f},    0,     MAT_SKIN,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_CHEST,     {0, -2.0f, 0.5f},       PART_HEAD,      {0, -0.6f, -0.8f},    {1.35f, 1.05f, 0},     0,     MAT_SKIN,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.9f, -0.4f},      PART_HEAD,      {0, 0, 0},            {1.15f, 1.35f, 1.1f},  0,     MAT_SKIN,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.7f, -0.7f},      PART_HEAD,      {0, -3.3f, -1.1f},    {0.8f, 0.5f, 0.85f},   0,     MAT_SKIN,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -3.35f, -0.95f},    PART_HEAD,      {0, 0, 0},            {0.34f, 0.28f, 0.28f}, 0,     MAT_LEATHER, 0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.55f, -1.75f, 0.1f}, PART_HEAD,      {0, 0, 0},            {0.2f, 0.14f, 0.18f},  0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.8f, -0.6f, 0.5f},   PART_HEAD,      {-1.15f, -0.4f, -1.2f}, {0.5f, 0.32f, 0.4f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, 0.5f},       PART_FOREARM_R, {0, 0, 0},            {0.85f, 0.6f, 0},       0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_LIMB, PART_FOREARM_R, {0, 0, 0},              PART_HAND_R,    {0, 0, 0},            {0.7f, 0.52f, 0},      0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_HAND_R,    SHAPE_BALL, PART_HAND_R,    {0, -0.35f, -0.3f},     PART_HAND_R,    {0, 0, 0},            {0.52f, 0.72f, 0.4f},  0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_BALL, PART_THIGH_R,   {0, 0.1f, -0.2f},       PART_THIGH_R,   {0, 0, 0},            {0.85f, 1.3f, 1.5f},   0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_THIGH_R,   SHAPE_LIMB, PART_THIGH_R,   {0, 0.1f, -0.8f},       PART_SHIN_R,    {0, 0, 0},            {1.0f, 0.65f, 0},      0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_LIMB, PART_SHIN_R,    {0, 0, 0},              PART_FOOT_R,    {0, 0, 0},            {0.62f, 0.5f, 0},      0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BALL, PART_FOOT_R,    {0, -0.35f, -0.3f},     PART_FOOT_R,    {0, 0, 0},            {0.52f, 0.72f, 0.4f},  0,     MAT_SKIN,    SHAPE_MIRROR},
    {PART_TAIL,      SHAPE_LIMB, PART_TAIL,      {0, -1.5f, 0.2f},       PART_TAIL,      {0, 1.3f, -2.0f},     {0.45f, 0.14f, 0},     0,     MAT_SKIN,    0},
};

const FigureLook look_dog = {
    nullptr, 0, nullptr, 0,
    dog_shapes, static_cast<int>(std::size(dog_shapes)),
    // skin            hair          cloth (two outfits)               trim (two outfits)
    {{125, 100, 75}, {80, 65, 55}, {{150, 120, 90}, {150, 120, 90}}, {{150, 120, 90}, {150, 120, 90}},
     // leather    metal            fur              eyes
     {40, 30, 25}, {150, 150, 150}, {140, 115, 85}, {40, 30, 20}},
    FACE_HUMAN, nullptr, 0,
};
