// The versus stage select: ten tiles in two rows of five, one per arena; either player moves
// the one cursor and confirms, and the confirm requests the fight load on the tile's arena.
// The pictures are loaded on entry and released by the fight load or the title menu.
#include "frontend/frontend.h"

#include "engine/engine.h"
#include "frontend/frontend_local.h"
#include "game/game.h"

#include <allegro.h>
#include <iterator>

u32 stage_select_cursor;

const StageTile stage_tiles[] = {
    // stage, name, name x, description lines (text, x, y)
    {STAGE_ATHENS, "ACROPOLIS", 4, {{"Made by the gods specially for", -2, 4}, {"the tournament.", 4, 2}, {}}},
    {STAGE_CRETE, "CRETE", 9, {{"The palace at Knossos", 4, 4}, {}, {}}},
    {STAGE_ARCADIA, "ARCADIA", 7, {{"The beautiful forest of Peloponessus.", -4, 4}, {}, {}}},
    {STAGE_TROY, "TROY", 9, {{"The once breathtaking entrance to", -4, 4}, {"the city of Troy, now in ruins.", -4, 2}, {}}},
    {STAGE_THEATRE, "ANPHITHEATRE", 1,
     {{"Made by the gods, just like", 0, 4}, {"the Acropolis, at an", 3, 2}, {"unknown location.", 4, 0}}},
    {STAGE_ATHENS2, "ACROPOLIS\\II", 2, {{"Made by the gods specially for", -2, 4}, {"the tournament.", 4, 2}, {}}},
    {STAGE_LABYRINTH, "LABYRINTH", 4, {{"Crete's undergound dungeons.", 0, 4}, {}, {}}},
    {STAGE_THEBES, "THEBES", 7, {{"Entrance to the city of Thebes.", -2, 4}, {}, {}}},
    {STAGE_TEMPLE, "TEMPLE", 7, {{"The three Gorgons' lair.", 2, 4}, {}, {}}},
    {STAGE_HADES, "HADES", 7, {{"The palace of Hades,", 3, 4}, {"surrounded by river Stix.", 1, 2}, {}}},
};
static_assert(std::size(stage_tiles) == STAGE_TILES, "one tile per arena");
static_assert(STAGE_TILES == STAGE_COUNT, "every arena has a tile");

constexpr u32 TILES_PER_ROW = 5;
constexpr u32 HADES_TILE = 9;   // where a Hydra fights

// The screen's pictures: background, the thumbnail atlas, then one preview per tile.
static const ScreenPicture stage_select_pictures[] = {
    {"stageselect/back.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/thumbs.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview0.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview1.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview2.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview3.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview4.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview5.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview6.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview7.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview8.jpg", TEXTURE_CLAMP_RGB},
    {"stageselect/preview9.jpg", TEXTURE_CLAMP_RGB},
};
static_assert(std::size(stage_select_pictures) == STAGE_SELECT_FIRST_PREVIEW + STAGE_TILES,
              "background, atlas, one preview per tile");

int stage_select_enter()
{
    if (screen_textures_load(SCREEN_SET_STAGE_SELECT, stage_select_pictures,
                             static_cast<int>(std::size(stage_select_pictures))) != 0)
        return 2;
    game_state = STATE_STAGE_SELECT;
    return 0;
}

// The cursor after one direction: up and down switch rows, right and left step through all
// ten tiles with wrap-around; other directions leave it.
static u32 stage_cursor_moved(u32 cursor, int dir)
{
    switch (dir) {
    case DIR_UP:
    case DIR_DOWN:
        return cursor >= TILES_PER_ROW ? cursor - TILES_PER_ROW : cursor + TILES_PER_ROW;
    case DIR_RIGHT:
        return cursor + 1 >= STAGE_TILES ? 0 : cursor + 1;
    case DIR_LEFT:
        return cursor == 0 ? STAGE_TILES - 1 : cursor - 1;
    default:
        return cursor;
    }
}

static bool stage_direction_moves(int dir)
{
    return dir == DIR_UP || dir == DIR_DOWN || dir == DIR_RIGHT || dir == DIR_LEFT;
}

// One player's directions: a direction acts once per press; a Hydra holds the cursor on
// Hades, where it must fight.
static void stage_player_move(int p)
{
    int dir = input_dir[p];
    if (dir != input_dir_latch[p])
        input_dir_latch[p] = -1;
    if (p1_character == CHARACTER_HYDRA || p2_character == CHARACTER_HYDRA) {
        stage_select_cursor = HADES_TILE;
        return;
    }
    if (!stage_direction_moves(dir) || input_dir_latch[p] == dir)
        return;
    input_dir_latch[p] = dir;
    stage_select_cursor = stage_cursor_moved(stage_select_cursor, dir);
    sfx_play_menu(SFX_POWER_FULL);
}

// A fresh HARD SWING or START chooses the tile and requests the fight load.
static bool stage_player_confirms(int p)
{
    bool swing = input_hard_swing[p] && input_hard_swing_ready[p];
    bool start = input_start[p] && !latch_start[p];
    if (!swing && !start)
        return false;
    input_hard_swing_ready[p] = 0;
    latch_start[p] = 1;
    sfx_play_menu(SFX_MENU_CONFIRM);
    fight_load_phase = 1;
    music_fade = 1.0f;
    return true;
}

constexpr int PAUSE_BY_ESC = -1;   // pause_open's player for the ESC key
constexpr int PAUSE_BY_NOBODY = -2;

// Who opens the pause: ESC, or either player's fresh START; the pause test comes first, so
// START never confirms while the pause can open.
static int stage_pause_opener()
{
    if (latch_esc)
        return PAUSE_BY_NOBODY;
    if (key[KEY_ESC])
        return PAUSE_BY_ESC;
    for (int p = 0; p < 2; p++)
        if (input_start[p] && !latch_start[p])
            return p;
    return PAUSE_BY_NOBODY;
}

void stage_select_tick()
{
    // The state chain calls this during fades and the pause too.
    if (fade_mode != FADE_NONE || paused || fight_load_phase)
        return;
    menu_pulse_step();
    int opener = stage_pause_opener();
    if (opener != PAUSE_BY_NOBODY) {
        pause_open(opener);
        return;   // nothing else acts under the opening menu
    }
    for (int p = 0; p < 2; p++) {
        stage_player_move(p);   // player 2 moves from where player 1 left the cursor
        if (stage_player_confirms(p))
            return;
    }
}
