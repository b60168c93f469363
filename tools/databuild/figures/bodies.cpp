// The shared bodies the fighters' looks build on: a man's, a woman's (both without a head) and
// a human head with its face; and the clothing several picture figures wear alike. Right-hand rows are mirrored to the left. Joints of a 20-unit
// figure: pelvis z 10, chest 12, head 17, shoulder (-2.9, 0, 16), elbow (-3.1, 0, 12.6),
// wrist (-3.2, 0, 9.6), hip (-1.3, 0, 10), knee (-1.35, 0, 5.5), ankle (-1.35, 0, 1).
#include "tools/databuild/figures/figure_look.h"

#include <iterator>

const FigureShape look_body_man[] = {
    // part            kind        from           offset                 to             offset                size                   round  material  flags
    {PART_PELVIS,      SHAPE_BALL, PART_PELVIS,   {0, 0, 0.2f},          PART_PELVIS,   {0, 0, 0},            {2.0f, 1.35f, 1.5f},   0,     MAT_SKIN, 0},
    {PART_PELVIS,      SHAPE_BALL, PART_CHEST,    {0, 0, 0.1f},          PART_CHEST,    {0, 0, 0},            {1.75f, 1.2f, 1.2f},   0,     MAT_SKIN, 0},
    {PART_PELVIS,      SHAPE_BALL, PART_THIGH_R,  {0, 0, 0},             PART_THIGH_R,  {0, 0, 0},            {1.05f, 1.05f, 1.05f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_CHEST,       SHAPE_BALL, PART_CHEST,    {0, -0.05f, 0.9f},     PART_CHEST,    {0, 0, 0},            {1.75f, 1.2f, 1.5f},   0,     MAT_SKIN, 0},
    {PART_CHEST,       SHAPE_BALL, PART_CHEST,    {0, 0, 2.7f},          PART_CHEST,    {0, 0, 0},            {2.25f, 1.4f, 2.1f},   0,     MAT_SKIN, 0},
    {PART_CHEST,       SHAPE_BALL, PART_CHEST,    {-0.9f, -0.6f, 3.1f},  PART_CHEST,    {0, 0, 0},            {1.05f, 0.75f, 0.8f},  0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_CHEST,       SHAPE_LIMB, PART_CHEST,    {-0.6f, 0.1f, 4.0f},   PART_UPPER_ARM_R, {0, 0, 0},         {0.75f, 0.85f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_CHEST,       SHAPE_LIMB, PART_CHEST,    {0, 0.1f, 3.8f},       PART_HEAD,     {0, 0.05f, 0.5f},     {0.7f, 0.6f, 0},       0,     MAT_SKIN, 0},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {-0.1f, 0, -0.3f},  PART_UPPER_ARM_R, {0, 0, 0},         {0.9f, 0.9f, 1.1f},    0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, -0.4f},      PART_FOREARM_R, {0, 0, 0},           {0.72f, 0.52f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {0, -0.2f, -1.7f},  PART_UPPER_ARM_R, {0, 0, 0},         {0.62f, 0.62f, 1.0f},  0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOREARM_R,   SHAPE_LIMB, PART_FOREARM_R, {0, 0, 0},            PART_HAND_R,   {0, 0, 0.2f},         {0.55f, 0.38f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOREARM_R,   SHAPE_BALL, PART_FOREARM_R, {0, -0.05f, -1.0f},   PART_FOREARM_R, {0, 0, 0},           {0.6f, 0.58f, 1.1f},   0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_BALL, PART_HAND_R,   {0, 0, 0},             PART_HAND_R,   {0, 0, 0},            {0.38f, 0.38f, 0.38f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_BOX,  PART_HAND_R,   {0, -0.05f, -0.7f},    PART_HAND_R,   {0, 0, 0},            {0.22f, 0.45f, 0.55f}, 0.5f,  MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_LIMB, PART_HAND_R,   {0.05f, -0.1f, -1.15f}, PART_HAND_R,  {0.1f, -0.15f, -1.55f}, {0.28f, 0.22f, 1.4f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_LIMB, PART_HAND_R,   {0.15f, -0.3f, -0.4f}, PART_HAND_R,   {0.2f, -0.55f, -0.95f}, {0.15f, 0.12f, 0},   0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_THIGH_R,     SHAPE_LIMB, PART_THIGH_R,  {0, 0, 0},             PART_SHIN_R,   {0, 0, 0},            {1.05f, 0.68f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_THIGH_R,     SHAPE_BALL, PART_THIGH_R,  {0, -0.2f, -1.8f},     PART_THIGH_R,  {0, 0, 0},            {0.95f, 1.0f, 1.8f},   0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_SHIN_R,      SHAPE_LIMB, PART_SHIN_R,   {0, 0, 0},             PART_FOOT_R,   {0, 0, 0},            {0.66f, 0.42f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_SHIN_R,      SHAPE_BALL, PART_SHIN_R,   {0, 0.25f, -1.3f},     PART_SHIN_R,   {0, 0, 0},            {0.7f, 0.72f, 1.4f},   0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOOT_R,      SHAPE_BALL, PART_FOOT_R,   {0, 0, 0},             PART_FOOT_R,   {0, 0, 0},            {0.45f, 0.45f, 0.45f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOOT_R,      SHAPE_BOX,  PART_FOOT_R,   {0, -0.65f, -0.7f},    PART_FOOT_R,   {0, 0, 0},            {0.45f, 1.05f, 0.32f}, 0.5f,  MAT_SKIN, SHAPE_MIRROR},
};
const int look_body_man_count = static_cast<int>(std::size(look_body_man));

const FigureShape look_body_woman[] = {
    // part            kind        from           offset                 to             offset                size                   round  material  flags
    {PART_PELVIS,      SHAPE_BALL, PART_PELVIS,   {0, 0.05f, 0.1f},      PART_PELVIS,   {0, 0, 0},            {2.1f, 1.45f, 1.6f},   0,     MAT_SKIN, 0},
    {PART_PELVIS,      SHAPE_BALL, PART_CHEST,    {0, 0, 0.1f},          PART_CHEST,    {0, 0, 0},            {1.45f, 1.05f, 1.2f},  0,     MAT_SKIN, 0},
    {PART_PELVIS,      SHAPE_BALL, PART_THIGH_R,  {0, 0, 0},             PART_THIGH_R,  {0, 0, 0},            {1.05f, 1.05f, 1.05f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_CHEST,       SHAPE_BALL, PART_CHEST,    {0, -0.05f, 0.9f},     PART_CHEST,    {0, 0, 0},            {1.5f, 1.05f, 1.4f},   0,     MAT_SKIN, 0},
    {PART_CHEST,       SHAPE_BALL, PART_CHEST,    {0, 0, 2.7f},          PART_CHEST,    {0, 0, 0},            {1.95f, 1.25f, 1.95f}, 0,     MAT_SKIN, 0},
    {PART_CHEST,       SHAPE_BALL, PART_CHEST,    {-0.75f, -0.85f, 2.7f}, PART_CHEST,   {0, 0, 0},            {0.72f, 0.62f, 0.65f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_CHEST,       SHAPE_LIMB, PART_CHEST,    {-0.6f, 0.1f, 3.9f},   PART_UPPER_ARM_R, {0, 0, 0},         {0.6f, 0.7f, 0},       0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_CHEST,       SHAPE_LIMB, PART_CHEST,    {0, 0.1f, 3.8f},       PART_HEAD,     {0, 0.05f, 0.5f},     {0.58f, 0.5f, 0},      0,     MAT_SKIN, 0},
    {PART_UPPER_ARM_R, SHAPE_BALL, PART_UPPER_ARM_R, {-0.05f, 0, -0.3f}, PART_UPPER_ARM_R, {0, 0, 0},         {0.72f, 0.72f, 0.95f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, -0.4f},      PART_FOREARM_R, {0, 0, 0},           {0.6f, 0.45f, 0},      0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOREARM_R,   SHAPE_LIMB, PART_FOREARM_R, {0, 0, 0},            PART_HAND_R,   {0, 0, 0.2f},         {0.47f, 0.32f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOREARM_R,   SHAPE_BALL, PART_FOREARM_R, {0, -0.05f, -0.9f},   PART_FOREARM_R, {0, 0, 0},           {0.5f, 0.48f, 1.0f},   0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_BALL, PART_HAND_R,   {0, 0, 0},             PART_HAND_R,   {0, 0, 0},            {0.33f, 0.33f, 0.33f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_BOX,  PART_HAND_R,   {0, -0.05f, -0.65f},   PART_HAND_R,   {0, 0, 0},            {0.19f, 0.4f, 0.5f},   0.5f,  MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_LIMB, PART_HAND_R,   {0.05f, -0.1f, -1.05f}, PART_HAND_R,  {0.1f, -0.15f, -1.45f}, {0.24f, 0.19f, 1.4f}, 0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_HAND_R,      SHAPE_LIMB, PART_HAND_R,   {0.13f, -0.27f, -0.4f}, PART_HAND_R,  {0.18f, -0.5f, -0.85f}, {0.13f, 0.1f, 0},    0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_THIGH_R,     SHAPE_LIMB, PART_THIGH_R,  {0, 0, 0},             PART_SHIN_R,   {0, 0, 0},            {1.05f, 0.6f, 0},      0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_THIGH_R,     SHAPE_BALL, PART_THIGH_R,  {0, -0.1f, -1.6f},     PART_THIGH_R,  {0, 0, 0},            {0.92f, 0.95f, 1.9f},  0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_SHIN_R,      SHAPE_LIMB, PART_SHIN_R,   {0, 0, 0},             PART_FOOT_R,   {0, 0, 0},            {0.58f, 0.36f, 0},     0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_SHIN_R,      SHAPE_BALL, PART_SHIN_R,   {0, 0.2f, -1.3f},      PART_SHIN_R,   {0, 0, 0},            {0.6f, 0.62f, 1.35f},  0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOOT_R,      SHAPE_BALL, PART_FOOT_R,   {0, 0, 0},             PART_FOOT_R,   {0, 0, 0},            {0.4f, 0.4f, 0.4f},    0,     MAT_SKIN, SHAPE_MIRROR},
    {PART_FOOT_R,      SHAPE_BOX,  PART_FOOT_R,   {0, -0.6f, -0.72f},    PART_FOOT_R,   {0, 0, 0},            {0.38f, 0.95f, 0.3f},  0.5f,  MAT_SKIN, SHAPE_MIRROR},
};
const int look_body_woman_count = static_cast<int>(std::size(look_body_woman));

// The face ball is the face's frame: the painted eyes, brows and mouth lie on its front.
const FigureShape look_head_human[] = {
    // part      kind        from        offset                 to          offset                 size                   round  material  flags
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, -0.3f, 1.55f},     PART_HEAD,  {0, 0, 0},             {0.92f, 0.95f, 1.2f},  0,     MAT_FACE, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, 0.05f, 0.3f},      PART_HEAD,  {0, 0, 0},             {0.6f, 0.6f, 0.7f},    0,     MAT_SKIN, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, 0.2f, 1.85f},      PART_HEAD,  {0, 0, 0},             {1.08f, 1.25f, 1.25f}, 0,     MAT_SKIN, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, -0.98f, 2.0f},     PART_HEAD,  {0, 0, 0},             {0.72f, 0.28f, 0.2f},  0,     MAT_FACE, 0},
    {PART_HEAD,  SHAPE_LIMB, PART_HEAD,  {0, -1.15f, 1.85f},    PART_HEAD,  {0, -1.38f, 1.3f},     {0.12f, 0.19f, 0},     0,     MAT_FACE, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {0, -0.75f, 0.85f},    PART_HEAD,  {0, 0, 0},             {0.62f, 0.5f, 0.45f},  0,     MAT_FACE, 0},
    {PART_HEAD,  SHAPE_BALL, PART_HEAD,  {-1.0f, 0.15f, 1.6f},  PART_HEAD,  {0, 0, 0},             {0.14f, 0.3f, 0.38f},  0,     MAT_SKIN, SHAPE_MIRROR},
};
const int look_head_human_count = static_cast<int>(std::size(look_head_human));

const FigureShape look_robe_panels[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.6f, -2.4f},   PART_THIGH_R,   {0, 0, 0},            {0.8f, 0.8f, 2.5f},    0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_BOX,  PART_SHIN_R,    {0.75f, -0.55f, -2.4f}, PART_SHIN_R,    {0, 0, 0},            {0.78f, 0.75f, 2.3f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
};
const int look_robe_panels_count = static_cast<int>(std::size(look_robe_panels));

const FigureShape look_himation[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.6f, -0.3f, 4.1f},    PART_PELVIS,    {-1.7f, -0.4f, 0.9f}, {1.0f, 1.15f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {1.6f, 0.4f, 4.1f},     PART_PELVIS,    {-1.7f, 0.5f, 0.9f},  {1.0f, 1.15f, 0.72f},  0,     MAT_CLOTH,   0},
    {PART_UPPER_ARM_L, SHAPE_LIMB, PART_UPPER_ARM_L, {0, 0, 0.1f},       PART_UPPER_ARM_L, {0, 0, -2.2f},      {1.0f, 0.85f, 0},      0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.5f},           PART_PELVIS,    {0, 0, -8.7f},        {2.05f, 3.0f, 0.78f},  0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.6f, -2.4f},   PART_THIGH_R,   {0, 0, 0},            {0.8f, 0.8f, 2.5f},    0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_BOX,  PART_SHIN_R,    {0.75f, -0.55f, -2.4f}, PART_SHIN_R,    {0, 0, 0},            {0.78f, 0.75f, 2.3f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
};
const int look_himation_count = static_cast<int>(std::size(look_himation));

const FigureShape look_fate_robe[] = {
    // part          kind        from            offset                  to              offset                size                   round  material     flags
    {PART_HEAD,      SHAPE_BALL, PART_HEAD,      {0, 0.6f, 2.0f},        PART_HEAD,      {0, 0, 0},            {1.42f, 1.5f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_HEAD,      SHAPE_CONE, PART_HEAD,      {0, 0.7f, 2.2f},        PART_HEAD,      {0, 0.8f, -0.9f},     {1.35f, 2.0f, 0.95f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, 0, 2.5f},           PART_CHEST,     {0, 0, 0},            {2.2f, 1.45f, 2.15f},  0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {-0.75f, -0.88f, 2.7f}, PART_CHEST,     {0, 0, 0},            {0.76f, 0.66f, 0.68f}, 0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_CHEST,     SHAPE_BALL, PART_CHEST,     {0, -0.05f, 0.8f},      PART_CHEST,     {0, 0, 0},            {1.7f, 1.25f, 1.6f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.02f, 2.3f},      PART_CHEST,     {0, 0, -1.3f},        {1.72f, 1.78f, 0.74f}, 0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {0, -0.05f, 3.7f},      PART_CHEST,     {0, -0.05f, 2.0f},    {1.8f, 1.8f, 0.78f},   0,     MAT_CLOTH,   0},
    {PART_CHEST,     SHAPE_LIMB, PART_CHEST,     {-0.6f, 0.1f, 3.9f},    PART_UPPER_ARM_R, {0, 0, 0},          {0.95f, 0.95f, 0},     0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_PELVIS,    SHAPE_BALL, PART_CHEST,     {0, 0, 0.1f},           PART_CHEST,     {0, 0, 0},            {1.75f, 1.3f, 1.45f},  0,     MAT_CLOTH,   0},
    {PART_PELVIS,    SHAPE_SKIRT, PART_PELVIS,   {0, 0, 1.4f},           PART_PELVIS,    {0, 0, -9.9f},        {1.95f, 3.1f, 0.8f},   0,     MAT_CLOTH,   0},
    {PART_THIGH_R,   SHAPE_BOX,  PART_THIGH_R,   {0.8f, -0.6f, -2.4f},   PART_THIGH_R,   {0, 0, 0},            {0.8f, 0.8f, 2.5f},    0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_SHIN_R,    SHAPE_BOX,  PART_SHIN_R,    {0.75f, -0.55f, -2.4f}, PART_SHIN_R,    {0, 0, 0},            {0.78f, 0.75f, 2.3f},  0.9f,  MAT_CLOTH,   SHAPE_MIRROR},
    {PART_UPPER_ARM_R, SHAPE_LIMB, PART_UPPER_ARM_R, {0, 0, -0.1f},      PART_FOREARM_R, {0, 0, 0},            {0.95f, 0.8f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
    {PART_FOREARM_R, SHAPE_LIMB, PART_FOREARM_R, {0, 0, 0.2f},           PART_HAND_R,    {0, 0, 0.45f},        {0.8f, 0.68f, 0},      0,     MAT_CLOTH,   SHAPE_MIRROR},
};
const int look_fate_robe_count = static_cast<int>(std::size(look_fate_robe));
