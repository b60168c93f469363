// The Minotaur: a bull's head with a broad muzzle and long horns on a heavy man's body, a
// thick neck, a leather kilt and harness, hooves for feet, and a double axe.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape minotaur_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.3f, 1.8f},       PART_HEAD,      {0, 0, 0},            {1.2f, 1.35f, 1.3f},   0,     MAT_FACE,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -1.35f, 1.15f},     PART_HEAD,      {0, 0, 0},            {0.85f, 0.85f, 0.72f}, 0,     MAT_FACE,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 0.4f, 0.0f},        PART_HEAD,      {0, 0.1f, 1.6f},      {1.1f, 1.0f, 0},       0,     MAT_FUR,     0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.9f},        PART_HEAD,      {0, 0, 0},            {0.9f, 0.7f, 0.4f},    0,     MAT_FUR,     0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.9f, 0.1f, 2.7f},    PART_HEAD,      {-2.4f, -0.3f, 3.1f}, {0.38f, 0.24f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-2.4f, -0.3f, 3.1f},   PART_HEAD,      {-2.9f, -0.9f, 4.3f}, {0.24f, 0.05f, 0},     0,     MAT_HORN,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.35f, 0.2f, 2.2f},   PART_HEAD,      {0, 0, 0},            {0.45f, 0.15f, 0.22f}, 0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, 0.2f, 3.6f},        PART_HEAD,      {0, 0.2f, 0.6f},      {1.25f, 1.05f, 0},     0,     MAT_FUR,     0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.6f, -1.0f, 4.0f},    PART_CHEST,     {-1.4f, -1.35f, 0.8f}, {0.22f, 0.22f, 0},    0,     MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0.6f, 3.0f},        PART_CHEST,     {0, 0, 0},            {2.1f, 1.0f, 1.8f},    0,     MAT_FUR,     0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -2.2f},        {2.0f, 2.3f, 0.72f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {2.05f, 0, 0.72f},     0.2f,  MAT_BRONZE,  0},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.7f},           PART_HAND_R,    {0, 0, 0.1f},         {0.64f, 0.5f, 0},      0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_LIMB, PART_SHIN_R,    {0, 0, -0.3f},          PART_FOOT_R,    {0, 0, 0.6f},         {0.75f, 0.55f, 0},     0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_CONE, PART_FOOT_R,    {0, -0.3f, 0.1f},       PART_FOOT_R,    {0, -0.35f, -1.0f},   {0.55f, 0.7f, 1.1f},   0,     MAT_HORN,    SHAPE_MIRROR},
    // The double axe: a long haft and two crescent blades.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.2f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.22f, 0.2f, 0},      0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BOX,  AT_WEAPON_TIP,  {0, -1.1f, 1.3f},       AT_WEAPON_TIP,  {0, 0, 0},            {0.1f, 1.0f, 1.3f},    0.35f, MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_BOX,  AT_WEAPON_TIP,  {0, 1.1f, 1.3f},        AT_WEAPON_TIP,  {0, 0, 0},            {0.1f, 1.0f, 1.3f},    0.35f, MAT_STEEL,   0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_TIP,  {0, 0, 1.3f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.35f, 0.4f, 0.6f},   0,     MAT_BRONZE,  0},
};

const FigureLook look_minotaur = {
    look_body_man, look_body_man_count, nullptr, 0,
    minotaur_shapes, static_cast<int>(std::size(minotaur_shapes)),
    // skin            hair            cloth (two outfits)             trim (two outfits)
    {{125, 85, 55}, {70, 45, 30}, {{140, 40, 30}, {45, 60, 110}}, {{150, 40, 30}, {180, 160, 120}},
     // leather      metal            fur             eyes
     {95, 60, 35}, {165, 165, 175}, {75, 50, 32}, {200, 40, 20}},
    FACE_BULL, nullptr, 0,
};
