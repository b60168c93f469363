// Jason, the young Argonaut: a short tunic belted at the waist, the Golden Fleece over his
// shoulders, sandals, curly hair, and a bronze-hilted sword in each hand.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape jason_shapes[] = {
    // part         kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,     SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.18f, 1.32f, 1.2f},  0,     MAT_HAIR,    0},
    {PART_HEAD,     SHAPE_BALL, PART_HEAD,      {-0.6f, -0.55f, 2.85f}, PART_HEAD,      {0, 0, 0},            {0.45f, 0.4f, 0.35f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,     SHAPE_BALL, PART_HEAD,      {-0.95f, 0.5f, 1.5f},   PART_HEAD,      {0, 0, 0},            {0.35f, 0.6f, 0.6f},   0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_CHEST,    SHAPE_BALL, PART_CHEST,     {0, 0, 2.6f},           PART_CHEST,     {0, 0, 0},            {2.35f, 1.5f, 2.2f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,    SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.85f, 1.3f, 1.55f},  0,     MAT_CLOTH,   0},
    // The fleece: a rounded mass of wool over the back that narrows as it hangs, rolled over
    // the shoulders, its forelegs knotted on the chest.
    {PART_CHEST,    SHAPE_BALL, PART_CHEST,     {0, 1.2f, 2.7f},        PART_CHEST,     {0, 0, 0},            {2.2f, 0.7f, 1.9f},    0,     MAT_FUR,     0},
    {PART_CHEST,    SHAPE_BALL, PART_CHEST,     {0, 1.05f, 1.0f},       PART_CHEST,     {0, 0, 0},            {1.6f, 0.6f, 1.2f},    0,     MAT_FUR,     0},
    {PART_CHEST,    SHAPE_LIMB, PART_CHEST,     {-1.3f, 0.2f, 4.1f},    PART_CHEST,     {1.3f, 0.2f, 4.1f},   {0.6f, 0.6f, 0},       0,     MAT_FUR,     0},
    {PART_CHEST,    SHAPE_LIMB, PART_CHEST,     {-1.25f, -0.6f, 4.2f},  PART_CHEST,     {-0.3f, -1.55f, 3.2f}, {0.3f, 0.2f, 0},      0,     MAT_FUR,     SHAPE_MIRROR},
    {PART_CHEST,    SHAPE_BALL, PART_CHEST,     {0, -1.6f, 3.15f},      PART_CHEST,     {0, 0, 0},            {0.36f, 0.3f, 0.3f},   0,     MAT_FUR,     0},
    {PART_PELVIS,   SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.0f},        {1.95f, 2.55f, 0.72f}, 0,     MAT_CLOTH,   0},
    {PART_PELVIS,   SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.7f},         {2.0f, 0, 0.72f},      0.2f,  MAT_LEATHER, 0},
    {PART_FOOT_R,   SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.9f},     PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.15f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_SHIN_R,   SHAPE_DISC, PART_SHIN_R,    {0, 0, -3.0f},          PART_SHIN_R,    {0, 0, -3.5f},        {0.58f, 0, 0},         0.2f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,   {0, 0, 0.9f},           PART_HAND_R,    {0, 0, 0.2f},         {0.48f, 0, 0},         0.2f,  MAT_LEATHER, SHAPE_MIRROR},
    // The swords: grip, guard and pommel in bronze and leather, a leaf-shaped steel blade.
    {PART_HAND_R,   SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.1f},           AT_WEAPON_BASE, {0, 0, 0},            {0.17f, 0.17f, 0},     0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_HAND_R,   SHAPE_BALL, AT_WEAPON_BASE, {0, 0, 1.2f},           AT_WEAPON_BASE, {0, 0, 0},            {0.24f, 0.24f, 0.2f},  0,     MAT_BRONZE,  SHAPE_MIRROR},
    {PART_HAND_R,   SHAPE_BOX,  AT_WEAPON_BASE, {0, 0, 0},              AT_WEAPON_BASE, {0, 0, 0},            {0.75f, 0.22f, 0.14f}, 0.5f,  MAT_BRONZE,  SHAPE_MIRROR},
    {PART_HAND_R,   SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, -0.1f},          AT_WEAPON_TIP,  {0, 0, 1.8f},         {0.3f, 0.36f, 0.2f},   0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_HAND_R,   SHAPE_LIMB, AT_WEAPON_TIP,  {0, 0, 1.8f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.36f, 0.04f, 0.2f},  0,     MAT_STEEL,   SHAPE_MIRROR},
};

const FigureLook look_jason = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    jason_shapes, static_cast<int>(std::size(jason_shapes)),
    // skin            hair          cloth (two outfits)            trim (two outfits)
    {{225, 180, 140}, {70, 45, 25}, {{235, 225, 200}, {60, 90, 200}}, {{170, 40, 30}, {230, 190, 70}},
     // leather      metal            fur (the fleece)  eyes
     {120, 80, 45}, {205, 205, 215}, {225, 180, 60},   {80, 100, 60}},
    FACE_HUMAN, nullptr, 0,
};
