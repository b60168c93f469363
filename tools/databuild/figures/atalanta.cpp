// Atalanta the huntress: light and lean, a short chiton over one shoulder, her hair tied back,
// high laced boots, a quiver of arrows on her back and a long bow in her right hand.
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

static const FigureShape atalanta_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.3f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.22f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.2f, 2.2f},        PART_HEAD,      {0, 1.2f, 0.4f},      {0.5f, 0.3f, 0},      0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.2f, 2.55f},       PART_HEAD,      {0, 0.2f, 2.75f},     {1.2f, 0, 1.12f},      0.3f,  MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0.25f, 0, 2.5f},       PART_CHEST,     {0, 0, 0},            {2.0f, 1.35f, 2.05f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.6f, 1.15f, 1.5f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.5f, 0, 4.2f},        PART_CHEST,     {-1.4f, 0, 0.8f},     {0.22f, 0.22f, 0},     0,     MAT_LEATHER, 0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -2.4f},        {1.8f, 2.3f, 0.75f},   0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.5f},         {1.85f, 0, 0.75f},     0.2f,  MAT_TRIM,    0},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, 0, -0.3f},          PART_FOOT_R,    {0, 0, 0.1f},         {0.66f, 0.5f, 0},      0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.72f},     PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.34f},  0.5f,  MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.3f},           PART_HAND_R,    {0, 0, 0.1f},         {0.5f, 0.4f, 0},       0,     MAT_LEATHER, SHAPE_MIRROR},
    // The quiver across her back with the arrows' fletching above her shoulder.
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {1.0f, 1.75f, -0.2f},   PART_CHEST,     {-1.3f, 1.85f, 4.6f}, {0.55f, 0.65f, 0},     0,     MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.2f, 1.85f, 4.6f},   PART_CHEST,     {-1.7f, 1.95f, 5.5f}, {0.18f, 0.1f, 2.5f},   0,     MAT_FEATHER, 0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.5f, 1.9f, 4.5f},    PART_CHEST,     {-2.1f, 2.0f, 5.3f},  {0.18f, 0.1f, 2.5f},   0,     MAT_FEATHER, 0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.9f, 1.8f, 4.5f},    PART_CHEST,     {-1.3f, 1.85f, 5.5f}, {0.18f, 0.1f, 2.5f},   0,     MAT_FEATHER, 0},
    // The bow: a stave bent toward her front, horn tips, and its string.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.0f},           AT_WEAPON_BASE, {0, -0.9f, -1.6f},    {0.2f, 0.2f, 0},       0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, -0.9f, -1.6f},      AT_WEAPON_BASE, {0, -1.5f, -4.0f},    {0.2f, 0.17f, 0},      0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, -1.5f, -4.0f},      AT_WEAPON_TIP,  {0, -0.9f, 1.6f},     {0.17f, 0.14f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_TIP,  {0, -0.9f, 1.6f},       AT_WEAPON_TIP,  {0, 0, 0},            {0.14f, 0.08f, 0},     0,     MAT_HORN,    0},
    {PART_HAND_R,    SHAPE_THIN, AT_WEAPON_BASE, {0, 0, 1.0f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.04f, 0, 0},         0,     MAT_HORN,    0},
};

const FigureLook look_atalanta = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    atalanta_shapes, static_cast<int>(std::size(atalanta_shapes)),
    // skin            hair            cloth (two outfits)             trim (two outfits)
    {{235, 195, 155}, {200, 150, 60}, {{70, 140, 70}, {170, 60, 150}}, {{120, 80, 40}, {240, 220, 180}},
     // leather      metal            fur             eyes
     {130, 90, 50}, {210, 210, 220}, {160, 120, 70}, {60, 120, 80}},
    FACE_HUMAN, nullptr, 0,
};
