// Stand-ins for the state and calls of parts not built yet (summon sequence, projectiles and
// their effects, computer opponent, the fight tick's and the arena light's globals); each
// definition is deleted here when its real one arrives.
#include "combat/combat.h"

i32 summoner;
i32 summon_victim;
f32 summon_fade_level;
Projectile projectiles[2];
u8 projectile_in_flight[2];
CpuOpponent cpu_opponents[2];
i32 ai_dash_request;
f32 ai_opponent_life_memo;
i32 stage_id;
u8 clash_flash_on[2];
f32 clash_flash[2];
u8 hit_light_on;

void fx_projectile_trail_reset(int) {}
void ai_think(int) {}
