#include "combat/combat.h"

#include "combat/combat_local.h"

void hit_sparks_start(f32, f32) {}
void hit_blood_start(int, f32, f32) {}
