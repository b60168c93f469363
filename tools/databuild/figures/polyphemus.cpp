// Polyphemus the Cyclops: a huge shepherd, bald with one great eye under a heavy brow, a
// shaggy beard, a sheepskin round his loins and over one shoulder, and a knotted club.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape polyphemus_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.75f, 0.7f},      PART_HEAD,      {0, 0, 0},            {0.85f, 0.7f, 0.85f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -1.0f, 2.15f},      PART_HEAD,      {0, 0, 0},            {0.85f, 0.35f, 0.25f}, 0,     MAT_SKIN,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.6f, 0.6f},       PART_CHEST,     {0, 0, 0},            {1.9f, 1.0f, 1.6f},    0,     MAT_SKIN,    0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.4f, -0.3f, 4.0f},    PART_CHEST,     {-1.0f, -0.5f, 0.8f}, {0.9f, 0.9f, 0.8f},    0,     MAT_FUR,     0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0.8f, 1.2f, 2.9f},     PART_CHEST,     {0, 0, 0},            {1.6f, 0.3f, 1.5f},    0.6f,  MAT_FUR,     0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.2f},           PART_PELVIS,    {0, 0, -2.2f},        {2.05f, 2.35f, 0.75f}, 0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.0f},           PART_PELVIS,    {0, 0, 1.5f},         {2.1f, 0, 0.74f},      0.2f,  MAT_LEATHER, 0},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0, 0.9f},           PART_HAND_R,    {0, 0, 0.2f},         {0.48f, 0, 0},         0.2f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.88f},    PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.16f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The club: a knotted trunk thickening to its end.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.3f},           AT_WEAPON_TIP,  {0, 0, 1.2f},         {0.35f, 0.85f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_TIP,  {0, 0, 1.0f},           AT_WEAPON_TIP,  {0, 0, 0},            {1.1f, 1.1f, 1.4f},    0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_TIP,  {0.8f, -0.3f, 1.8f},    AT_WEAPON_TIP,  {0, 0, 0},            {0.45f, 0.45f, 0.45f}, 0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_TIP,  {-0.6f, 0.6f, 0.8f},    AT_WEAPON_TIP,  {0, 0, 0},            {0.4f, 0.4f, 0.4f},    0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0.3f, 0, -2.0f},       AT_WEAPON_BASE, {0, 0, 0},            {0.3f, 0.3f, 0.3f},    0,     MAT_WOOD,    0},
};

const FigureLook look_polyphemus = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    polyphemus_shapes, static_cast<int>(std::size(polyphemus_shapes)),
    // skin            hair          cloth (two outfits)             trim (two outfits)
    {{190, 150, 120}, {60, 45, 30}, {{130, 100, 60}, {70, 100, 110}}, {{80, 60, 40}, {50, 70, 80}},
     // leather      metal          fur (the sheepskin)  eyes
     {100, 70, 45}, {120, 90, 60}, {215, 205, 180},     {70, 130, 190}},
    FACE_CYCLOPS, nullptr, 0,
};
