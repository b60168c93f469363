// Stand-in for the start-up loader's title pictures until game/loader.cpp loads them; delete
// this file then.
#include "game/game.h"

u32 tex_logo;
u32 tex_select_panel;
