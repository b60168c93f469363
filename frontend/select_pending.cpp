// Stand-ins for the names the select reads whose owners have not landed yet (fight load and
// ladder, character and arena loaders, start-up loader, effects); deleted when they land.
#include "frontend/frontend.h"

#include "engine/engine.h"

i32 p1_character, p2_character;
i32 p1_alt_color, p2_alt_color;
i32 ending_picture_p1, ending_picture_p2;
i32 ladder_opponents[LADDER_FIGHTS];
i32 ladder_stages[LADDER_FIGHTS];
i32 rounds_played;
u32 stage_select_cursor;
u32 screen_textures[SCREEN_TEXTURES];
u8 screen_texture_count, stage_texture_count;
static Skeleton select_skeleton_block;
Skeleton *select_skeleton = &select_skeleton_block;

// The playable characters other than the human's, then the arenas in order.
void setup_ladder(int character)
{
    int next = 0;
    for (int i = 0; i < LADDER_FIGHTS; i++) {
        if (next == character)
            next = (next + 1) % 7;
        ladder_opponents[i] = next;
        next = (next + 1) % 7;
        ladder_stages[i] = i;
    }
}

void fx_flame_row_start() {}
void fx_flame_row_step() {}
void draw_fx_flame_row() {}
