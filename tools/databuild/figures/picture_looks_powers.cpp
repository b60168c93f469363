// The other powers of the painted scenes: the smith, the harvest, love, fear and the two Fates
// beside Atropos; a table each, on the shared bodies and head (bodies.cpp). Offsets are a
// 20-unit figure's, as the fighters' looks.
#include "tools/databuild/figures/scene_figures.h"

#include <iterator>

// Hephaestus: the smith, broad and bearded, in a felt cap, a short tunic off his right
// shoulder, a leather apron, his hammer in his right hand.
static const FigureShape hephaestus_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.4f, 1.9f},        PART_HEAD,      {0, 0, 0},            {1.2f, 1.32f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.25f, 2.3f},       PART_HEAD,      {0, 0.55f, 4.0f},     {1.22f, 0.35f, 1.1f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.2f},       PART_HEAD,      {0, 0.25f, 2.5f},     {1.28f, 0, 1.1f},      0.5f,  MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.72f, 0.82f},     PART_HEAD,      {0, 0, 0},            {0.95f, 0.65f, 0.9f},  0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.7f, -0.35f, 1.2f},  PART_HEAD,      {0, 0, 0},            {0.34f, 0.55f, 0.7f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -0.95f, 0.5f},      PART_HEAD,      {0, -1.0f, -0.5f},    {0.7f, 0.3f, 0.7f},    0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.5f, -1.22f, 1.38f}, PART_HEAD,      {0.5f, -1.22f, 1.38f}, {0.15f, 0.15f, 0},    0,     MAT_HAIR,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0.45f, 0, 2.4f},       PART_CHEST,     {0, 0, 0},            {1.95f, 1.5f, 2.05f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.85f, 1.32f, 1.55f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.3f, 0, 4.2f},        PART_CHEST,     {-1.6f, 0, 1.2f},     {0.7f, 0.7f, 1.5f},    0,     MAT_CLOTH,   0},
    {PART_UPPER_ARM_L, SHAPE_LIMB, PART_UPPER_ARM_L, {0, 0, 0.1f},       PART_UPPER_ARM_L, {0, 0, -1.3f},      {0.9f, 0.8f, 0},       0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.3f},           PART_PELVIS,    {0, 0, -3.6f},        {1.95f, 2.5f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.5f, -1.8f},  PART_THIGH_R,   {0, 0, 0},            {0.78f, 0.75f, 1.5f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.6f},         {2.02f, 0, 0.72f},     0.3f,  MAT_LEATHER, 0},
    // The apron, from the chest to the knees.
    {PART_PELVIS,    SHAPE_BOX,  PART_PELVIS,    {0, -1.55f, -1.2f},     PART_PELVIS,    {0, 0, 0},            {1.3f, 0.2f, 2.6f},    0.5f,  MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0, -1.5f, 0.9f},       PART_CHEST,     {0, 0, 0},            {1.05f, 0.2f, 1.3f},   0.5f,  MAT_LEATHER, 0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.9f, -1.5f, 2.2f},   PART_CHEST,     {-0.6f, -0.4f, 4.3f}, {0.12f, 0.12f, 0},     0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.5f},           PART_HAND_R,    {0, 0, 0.1f},         {0.64f, 0.5f, 0},      0,     MAT_LEATHER, SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.8f},     PART_FOOT_R,    {0, 0, 0},            {0.52f, 1.12f, 0.26f}, 0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The hammer: a wooden haft, an iron head across it.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.0f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.17f, 0.2f, 0},      0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BOX,  AT_WEAPON_TIP,  {0, -0.2f, 0},          AT_WEAPON_TIP,  {0, 0, 0},            {0.62f, 1.35f, 0.62f}, 0.3f,  MAT_STEEL,   0},
};

const FigureLook look_hephaestus = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    hephaestus_shapes, static_cast<int>(std::size(hephaestus_shapes)),
    // skin            hair          cloth (two outfits)             trim (two outfits)
    {{195, 145, 105}, {45, 35, 30}, {{150, 130, 100}, {90, 80, 75}}, {{150, 50, 35}, {110, 90, 60}},
     // leather     metal         fur            eyes
     {95, 60, 35}, {85, 85, 95}, {90, 70, 50}, {60, 50, 40}},
    FACE_HUMAN, nullptr, 0,
};

// Demeter: the harvest's goddess, veiled, crowned with ears of wheat, in a long robe and a
// mantle, a sheaf of wheat in her left hand.
static const FigureShape demeter_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.0f},       PART_HEAD,      {0, 0, 0},            {1.15f, 1.3f, 1.2f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.95f, 0.1f, 1.35f},  PART_HEAD,      {0, 0, 0},            {0.38f, 0.55f, 0.8f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.7f, 2.9f},        PART_HEAD,      {0, 1.4f, -1.2f},     {1.25f, 1.9f, 0.55f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_DISC, PART_HEAD,      {0, 0.25f, 2.45f},      PART_HEAD,      {0, 0.25f, 2.75f},    {1.28f, 0, 1.1f},      0.3f,  MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.0f, 2.8f},       PART_HEAD,      {0, -1.15f, 3.8f},    {0.26f, 0.13f, 0},     0,     MAT_GOLD,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.65f, -0.8f, 2.8f},  PART_HEAD,      {-0.9f, -0.95f, 3.65f}, {0.26f, 0.13f, 0},   0,     MAT_GOLD,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.1f, -0.2f, 2.75f},  PART_HEAD,      {-1.45f, -0.3f, 3.5f}, {0.26f, 0.13f, 0},    0,     MAT_GOLD,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-1.15f, 0.6f, 2.75f},  PART_HEAD,      {-1.45f, 0.8f, 3.5f}, {0.26f, 0.13f, 0},     0,     MAT_GOLD,    SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.15f, 1.45f, 2.1f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.8f, 0.7f, 0.7f},    0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.75f, 1.3f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, -1.0f},      {0.82f, 0.78f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.6f, 0.2f, 4.0f},     PART_PELVIS,    {-1.6f, -0.1f, -0.5f}, {0.95f, 1.15f, 0.8f}, 0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.75f, 1.35f, 1.45f}, 0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {2.0f, 3.1f, 0.8f},    0,     MAT_CLOTH,   0},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.42f, 1.0f, 0.2f},   0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The sheaf: stalks bound with a band, the ears above the hand.
    {PART_HAND_L,    SHAPE_CONE, AT_SECOND_BASE, {0, 0, 2.2f},           AT_SECOND_TIP,  {0, 0, 0},            {0.35f, 0.5f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_DISC, AT_SECOND_BASE, {0, 0, -0.4f},          AT_SECOND_BASE, {0, 0, -0.1f},        {0.42f, 0, 0},         0.3f,  MAT_TRIM,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 2.0f},           AT_SECOND_BASE, {0, 0, 3.6f},         {0.22f, 0.05f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {-0.3f, -0.1f, 1.9f},   AT_SECOND_BASE, {-0.8f, -0.2f, 3.3f}, {0.2f, 0.05f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0.3f, -0.1f, 1.9f},    AT_SECOND_BASE, {0.8f, -0.2f, 3.3f},  {0.2f, 0.05f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, -0.3f, 1.9f},       AT_SECOND_BASE, {0, -0.7f, 3.4f},     {0.2f, 0.05f, 0},      0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0.3f, 1.9f},        AT_SECOND_BASE, {0, 0.7f, 3.4f},      {0.2f, 0.05f, 0},      0,     MAT_GOLD,    0},
};

const FigureLook look_demeter = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    demeter_shapes, static_cast<int>(std::size(demeter_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{225, 185, 145}, {95, 60, 30}, {{140, 50, 40}, {70, 110, 60}}, {{220, 195, 140}, {200, 150, 90}},
     // leather      metal            fur            eyes
     {120, 85, 50}, {230, 190, 70}, {90, 70, 50}, {90, 80, 50}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Aphrodite: her long hair gathered up with roses, a light robe slipping from one shoulder
// under a gold girdle, a necklace and bracelets, a gold hand mirror in her left hand.
static const FigureShape aphrodite_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.35f, 2.05f},      PART_HEAD,      {0, 0, 0},            {1.18f, 1.32f, 1.22f}, 0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 1.35f, 2.3f},       PART_HEAD,      {0, 0, 0},            {0.8f, 0.7f, 0.75f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {-0.95f, 0.2f, 1.6f},   PART_HEAD,      {-1.15f, 0.4f, -0.8f}, {0.45f, 0.3f, 0.8f},  0,     MAT_HAIR,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.2f, 1.6f},        PART_HEAD,      {0, 1.5f, -1.2f},     {0.75f, 0.5f, 0.6f},   0,     MAT_HAIR,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.75f, 0.9f, 2.95f},  PART_HEAD,      {0, 0, 0},            {0.32f, 0.32f, 0.3f},  0,     MAT_TRIM,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.05f, 0.1f, 2.75f},  PART_HEAD,      {0, 0, 0},            {0.28f, 0.28f, 0.26f}, 0,     MAT_TRIM,    SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.75f, 3.35f},      PART_HEAD,      {0, 0, 0},            {0.3f, 0.3f, 0.28f},   0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-1.2f, 0.2f, 1.25f},   PART_HEAD,      {0, 0, 0},            {0.12f, 0.12f, 0.18f}, 0,     MAT_GOLD,    SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0.2f, 0.05f, 2.45f},   PART_CHEST,     {0, 0, 0},            {1.95f, 1.35f, 2.0f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.86f, 2.65f}, PART_CHEST,    {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.65f, 1.2f, 1.55f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0.6f, 0.1f, 3.9f},     PART_UPPER_ARM_L, {0, 0, -0.8f},      {0.78f, 0.72f, 0},     0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_DISC, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 4.45f},     {0.95f, 0, 0.85f},     0.5f,  MAT_GOLD,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.85f, 4.0f},      PART_CHEST,     {0, 0, 0},            {0.2f, 0.12f, 0.25f},  0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.65f, 1.25f, 1.4f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.2f},        {1.95f, 3.0f, 0.78f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.3f},           PART_PELVIS,    {0, 0, 1.7f},         {2.0f, 0, 0.78f},      0.4f,  MAT_GOLD,    0},
    {PART_FOREARM_R, SHAPE_DISC, PART_HAND_R,    {0, 0, 0.9f},           PART_HAND_R,    {0, 0, 0.55f},        {0.42f, 0, 0},         0.4f,  MAT_GOLD,    SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.6f, -0.8f},      PART_FOOT_R,    {0, 0, 0},            {0.4f, 0.98f, 0.2f},   0.6f,  MAT_GOLD,    SHAPE_MIRROR},
    // The mirror: a polished disc on a short handle.
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 0.9f},           AT_SECOND_BASE, {0, 0, -0.5f},        {0.13f, 0.16f, 0},     0,     MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_DISC, AT_SECOND_BASE, {0, -0.12f, -1.35f},    AT_SECOND_BASE, {0, 0.12f, -1.35f},   {0.95f, 0, 0},         0.5f,  MAT_GOLD,    0},
    {PART_HAND_L,    SHAPE_DISC, AT_SECOND_BASE, {0, -0.16f, -1.35f},    AT_SECOND_BASE, {0, -0.12f, -1.35f},  {0.78f, 0, 0},         0.3f,  MAT_STEEL,   0},
};

const FigureLook look_aphrodite = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    aphrodite_shapes, static_cast<int>(std::size(aphrodite_shapes)),
    // skin            hair            cloth (two outfits)                trim (two outfits)
    {{240, 205, 180}, {200, 140, 70}, {{130, 190, 215}, {225, 140, 165}}, {{210, 50, 80}, {245, 235, 240}},
     // leather      metal            fur            eyes
     {150, 110, 70}, {230, 190, 70}, {90, 70, 50}, {70, 120, 160}},
    FACE_HUMAN, look_robe_panels, look_robe_panels_count,
};

// Phobos: Fear, in black iron armour and a crested helmet that hides all of his face but his
// burning eyes, a spear and a round shield with the gorgon's glaring eyes and snakes on it.
static const FigureShape phobos_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.1f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.26f, 1.42f, 1.4f},  0,     MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {-0.8f, -0.7f, 1.05f},  PART_HEAD,      {0, 0, 0},            {0.22f, 0.55f, 0.8f},  0.5f,  MAT_STEEL,   SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {0, -1.2f, 1.7f},       PART_HEAD,      {0, 0, 0},            {0.16f, 0.2f, 0.55f},  0.5f,  MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, -0.62f, 1.15f},     PART_HEAD,      {0, 0, 0},            {0.92f, 0.76f, 0.78f}, 0,     MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {-0.4f, -1.3f, 1.8f},   PART_HEAD,      {0, 0, 0},            {0.2f, 0.12f, 0.14f},  0,     MAT_EYE,     SHAPE_MIRROR},
    {PART_HEAD,      SHAPE_BOX,  PART_HEAD,      {0, 0.3f, 3.45f},       PART_HEAD,      {0, 0, 0},            {0.14f, 0.55f, 0.3f},  0.5f,  MAT_STEEL,   0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, -1.0f, 4.0f},       PART_HEAD,      {0, 1.6f, 4.3f},      {0.5f, 0.55f, 0.42f},  0,     MAT_TRIM,    0},
    {PART_HEAD,      SHAPE_LIMB, PART_HEAD,      {0, 1.6f, 4.3f},        PART_HEAD,      {0, 2.6f, 0.8f},      {0.55f, 0.2f, 0.42f},  0,     MAT_TRIM,    0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.65f},          PART_CHEST,     {0, 0, 0},            {2.45f, 1.6f, 2.25f},  0,     MAT_STEEL,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.9f, -0.7f, 3.1f},   PART_CHEST,     {0, 0, 0},            {1.1f, 0.85f, 0.85f},  0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.85f},     PART_CHEST,     {0, 0, 0},            {1.95f, 1.4f, 1.6f},   0,     MAT_STEEL,   0},
    {PART_CHEST,     SHAPE_BOX,  PART_CHEST,     {0, 1.75f, -0.6f},      PART_CHEST,     {0, 0, 0},            {2.3f, 0.2f, 4.2f},    0.5f,  MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-1.7f, 0.9f, 3.6f},    PART_CHEST,     {1.7f, 0.9f, 3.6f},   {0.5f, 0.5f, 0},       0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -3.0f},        {2.05f, 2.55f, 0.74f}, 0,     MAT_LEATHER, 0},
    {PART_PELVIS,    SHAPE_CONE, PART_PELVIS,    {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -1.4f},        {2.3f, 2.75f, 0.76f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.3f},           PART_PELVIS,    {0, 0, 1.9f},         {2.15f, 0, 0.74f},     0.2f,  MAT_STEEL,   0},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {-0.2f, 0, -0.1f},  PART_UPPER_ARM_R, {0, 0, 0},          {1.15f, 1.1f, 0.9f},   0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_CONE, PART_HAND_R,    {0, 0, 1.9f},           PART_HAND_R,    {0, 0, 0.1f},         {0.66f, 0.5f, 0},      0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_CONE, PART_SHIN_R,    {0, -0.1f, 0.3f},       PART_FOOT_R,    {0, -0.1f, 0.5f},     {0.85f, 0.55f, 0},     0,     MAT_STEEL,   SHAPE_MIRROR},
    {PART_FOOT_R,    SHAPE_BOX,  PART_FOOT_R,    {0, -0.65f, -0.88f},    PART_FOOT_R,    {0, 0, 0},            {0.5f, 1.12f, 0.16f},  0.6f,  MAT_LEATHER, SHAPE_MIRROR},
    // The spear, point up.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 8.2f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.17f, 0.15f, 0},     0,     MAT_LEATHER, 0},
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 8.1f},           AT_WEAPON_BASE, {0, 0, 10.3f},        {0.42f, 0.03f, 0.25f}, 0,     MAT_STEEL,   0},
    // The gorgon shield: black with a bronze rim, the gorgon's face glaring from it, snakes
    // for her hair.
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.45f, 0, -1.5f},      PART_FOREARM_L, {0.95f, 0, -1.5f},    {3.0f, 0, 0},          0.35f, MAT_BRONZE,  0},
    {PART_FOREARM_L, SHAPE_DISC, PART_FOREARM_L, {0.9f, 0, -1.5f},       PART_FOREARM_L, {1.02f, 0, -1.5f},    {2.5f, 0, 0},          0.3f,  MAT_TRIM,    0},
    {PART_FOREARM_L, SHAPE_BALL, PART_FOREARM_L, {1.05f, 0, -1.4f},      PART_FOREARM_L, {0, 0, 0},            {0.35f, 1.0f, 1.15f},  0,     MAT_BRONZE,  0},
    {PART_FOREARM_L, SHAPE_BALL, PART_FOREARM_L, {1.3f, -0.4f, -1.1f},   PART_FOREARM_L, {0, 0, 0},            {0.18f, 0.22f, 0.18f}, 0,     MAT_EYE,     0},
    {PART_FOREARM_L, SHAPE_BALL, PART_FOREARM_L, {1.3f, 0.4f, -1.1f},    PART_FOREARM_L, {0, 0, 0},            {0.18f, 0.22f, 0.18f}, 0,     MAT_EYE,     0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {1.1f, -0.7f, -0.4f},   PART_FOREARM_L, {1.1f, -1.8f, 0.4f},  {0.16f, 0.05f, 0},     0,     MAT_SCALES,  0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {1.1f, 0.7f, -0.4f},    PART_FOREARM_L, {1.1f, 1.8f, 0.4f},   {0.16f, 0.05f, 0},     0,     MAT_SCALES,  0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {1.1f, 0, -0.3f},       PART_FOREARM_L, {1.1f, 0, 0.9f},      {0.16f, 0.05f, 0},     0,     MAT_SCALES,  0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {1.1f, -0.8f, -1.5f},   PART_FOREARM_L, {1.1f, -2.0f, -1.4f}, {0.16f, 0.05f, 0},     0,     MAT_SCALES,  0},
    {PART_FOREARM_L, SHAPE_LIMB, PART_FOREARM_L, {1.1f, 0.8f, -1.5f},    PART_FOREARM_L, {1.1f, 2.0f, -1.4f},  {0.16f, 0.05f, 0},     0,     MAT_SCALES,  0},
};

const FigureLook look_phobos = {
    look_body_man, look_body_man_count, look_head_human, look_head_human_count,
    phobos_shapes, static_cast<int>(std::size(phobos_shapes)),
    // skin            hair          cloth (two outfits)          trim (two outfits)
    {{180, 150, 130}, {20, 20, 20}, {{70, 20, 25}, {30, 30, 40}}, {{20, 20, 25}, {120, 20, 20}},
     // leather    metal         fur            eyes (the gorgon's)
     {45, 35, 30}, {70, 70, 80}, {40, 40, 40}, {255, 90, 30}},
    FACE_HUMAN, nullptr, 0,
};

// Clotho, the Fate who spins: hooded and robed to the ground like her sister Atropos but in
// pale wool, the distaff with its ball of wool in her left hand, the spindle in her right.
static const FigureShape clotho_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    // Over the Fates' shared hooded robe: her own cape and belt.
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 1.4f},      {1.4f, 2.4f, 0.7f},    0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.45f},        {2.0f, 0, 0.78f},      0.3f,  MAT_TRIM,    0},
    // The spindle: a shaft, its whorl, thread wound on it.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 1.0f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.1f, 0.06f, 0},      0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, -1.0f},          AT_WEAPON_BASE, {0, 0, 0},            {0.3f, 0.3f, 0.55f},   0,     MAT_FUR,     0},
    {PART_HAND_R,    SHAPE_DISC, AT_WEAPON_TIP,  {0, 0, 0.6f},           AT_WEAPON_TIP,  {0, 0, 0.35f},        {0.55f, 0, 0},         0.4f,  MAT_BRONZE,  0},
    // The distaff, held upright, its ball of wool above her hand and the thread drawn from it.
    {PART_HAND_L,    SHAPE_LIMB, AT_SECOND_BASE, {0, 0, 5.4f},           AT_SECOND_TIP,  {0, 0, 0},            {0.12f, 0.1f, 0},      0,     MAT_WOOD,    0},
    {PART_HAND_L,    SHAPE_BALL, AT_SECOND_BASE, {0, 0, 4.6f},           AT_SECOND_BASE, {0, 0, 0},            {0.6f, 0.6f, 1.0f},    0,     MAT_FUR,     0},
    {PART_HAND_L,    SHAPE_THIN, AT_SECOND_BASE, {0, -0.5f, 4.0f},       AT_SECOND_BASE, {-0.4f, -0.8f, 0.2f}, {0.04f, 0, 0},         0,     MAT_FUR,     0},
};

const FigureLook look_clotho = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    clotho_shapes, static_cast<int>(std::size(clotho_shapes)),
    // skin            hair          cloth (two outfits)                trim (two outfits)
    {{228, 200, 178}, {90, 70, 60}, {{215, 200, 165}, {150, 160, 180}}, {{150, 110, 70}, {90, 90, 120}},
     // leather    metal            fur (the wool)   eyes
     {90, 70, 55}, {200, 200, 210}, {245, 240, 225}, {90, 90, 110}},
    FACE_HUMAN, look_fate_robe, look_fate_robe_count,
};

// Lachesis, the Fate who measures: hooded and robed in earth brown, a gold-banded measuring rod
// in her right hand.
static const FigureShape lachesis_shapes[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    // Over the Fates' shared hooded robe: her own cape and belt.
    {PART_CHEST,     SHAPE_CONE, PART_CHEST,     {0, 0.1f, 4.3f},        PART_CHEST,     {0, 0.1f, 1.4f},      {1.4f, 2.4f, 0.7f},    0,     MAT_TRIM,    0},
    {PART_PELVIS,    SHAPE_DISC, PART_PELVIS,    {0, 0, 1.1f},           PART_PELVIS,    {0, 0, 1.45f},        {2.0f, 0, 0.78f},      0.3f,  MAT_GOLD,    0},
    // The measuring rod: dark wood marked off with gold bands, gold-capped.
    {PART_HAND_R,    SHAPE_LIMB, AT_WEAPON_BASE, {0, 0, 3.6f},           AT_WEAPON_TIP,  {0, 0, 0},            {0.15f, 0.15f, 0},     0,     MAT_WOOD,    0},
    {PART_HAND_R,    SHAPE_DISC, AT_WEAPON_BASE, {0, 0, 3.0f},           AT_WEAPON_BASE, {0, 0, 3.2f},         {0.2f, 0, 0},          0.3f,  MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_DISC, AT_WEAPON_BASE, {0, 0, -0.4f},          AT_WEAPON_BASE, {0, 0, -0.6f},        {0.2f, 0, 0},          0.3f,  MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_DISC, AT_WEAPON_TIP,  {0, 0, 1.9f},           AT_WEAPON_TIP,  {0, 0, 1.7f},         {0.2f, 0, 0},          0.3f,  MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_DISC, AT_WEAPON_TIP,  {0, 0, 0.8f},           AT_WEAPON_TIP,  {0, 0, 0.6f},         {0.2f, 0, 0},          0.3f,  MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_BASE, {0, 0, 3.65f},          AT_WEAPON_BASE, {0, 0, 0},            {0.24f, 0.24f, 0.24f}, 0,     MAT_GOLD,    0},
    {PART_HAND_R,    SHAPE_BALL, AT_WEAPON_TIP,  {0, 0, -0.05f},         AT_WEAPON_TIP,  {0, 0, 0},            {0.24f, 0.24f, 0.24f}, 0,     MAT_GOLD,    0},
};

const FigureLook look_lachesis = {
    look_body_woman, look_body_woman_count, look_head_human, look_head_human_count,
    lachesis_shapes, static_cast<int>(std::size(lachesis_shapes)),
    // skin            hair          cloth (two outfits)              trim (two outfits)
    {{222, 195, 172}, {120, 120, 120}, {{60, 75, 115}, {110, 55, 60}}, {{200, 170, 110}, {170, 160, 130}},
     // leather    metal            fur            eyes
     {90, 70, 55}, {200, 200, 210}, {40, 40, 40}, {90, 90, 110}},
    FACE_HUMAN, look_fate_robe, look_fate_robe_count,
};
