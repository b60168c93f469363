// Stand-ins for the globals the frame drawer reads whose owner has not landed yet (the summon
// sequence); deleted when it lands.
#include "game/game.h"

#include "engine/engine.h"

f32 summon_fade_level = 1.0f;
