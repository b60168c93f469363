// The jump and hop arcs. The angles are summed in single precision, one rounding per step, as
// the recorded jumps were made with them.
#include "combat/combat.h"

#include <cmath>

constexpr f32 JUMP_ARC_HEIGHT = 15.0f;
constexpr f32 JUMP_ARC_STEP = 0.08975f;
constexpr f32 HOP_ARC_HEIGHT = 8.0f;
constexpr f32 HOP_ARC_STEP = 0.10472f;

f32 jump_arc_table[JUMP_ARC_FRAMES];
f32 hop_arc_table[HOP_ARC_FRAMES];

static void arc_fill(f32 *table, int count, f32 height, f32 step)
{
    f32 angle = 0.0f;
    for (int k = 0; k < count; k++) {
        table[k] = static_cast<f32>(height * std::sin(static_cast<double>(angle)));
        angle += step;
    }
}

void jump_arcs_fill()
{
    arc_fill(jump_arc_table, JUMP_ARC_FRAMES, JUMP_ARC_HEIGHT, JUMP_ARC_STEP);
    arc_fill(hop_arc_table, HOP_ARC_FRAMES, HOP_ARC_HEIGHT, HOP_ARC_STEP);
}
