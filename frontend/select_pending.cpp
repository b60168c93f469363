// Stand-ins for the names the select reads whose owners have not landed yet (the flame row's
// effect); deleted when they land.
#include "frontend/frontend.h"

void fx_flame_row_start() {}
void fx_flame_row_step() {}
void draw_fx_flame_row() {}
