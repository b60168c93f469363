// Stand-ins for the globals the frame drawer reads whose owners have not landed yet (character
// select, fight tick, summon sequence); deleted when they land.
#include "game/game.h"

#include "engine/engine.h"

u32 select_pictures[SELECT_PICTURE_COUNT];
