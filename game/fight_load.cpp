// The fight load: the music fades out over about 41 ticks, then one tick deletes the previous
// screen's textures, loads the arena and both characters, resets the round, starts the intro
// cameras and the fight tune, and enters STATE_ROUND_INTRO. The ladder, the character select
// and the stage select each load in an order of their own.
#include "game/game.h"

#include "characters/characters.h"
#include "arenas/arenas.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"

#include <GL/gl.h>
#include <cstdlib>
#include <iterator>

i32 p1_character, p2_character;
i32 p1_alt_color, p2_alt_color;
i32 fight_load_phase;
f32 music_fade;
int (*fight_character_loader)(int character, int slot, int alt_color) = load_character;
int (*fight_arena_loader)(StageId stage) = load_arena;

constexpr f32 MUSIC_FADE_STEP = 0.025f;
constexpr f32 MUSIC_FADE_END = -0.01f;
constexpr u8 LOAD_ERROR_ARENA = 255;        // also Jason's loader
constexpr u8 LOAD_ERROR_CHARACTER = 1;
constexpr u8 LOAD_ERROR_TUNE = 1;
constexpr int SELECT_FIGURE_SKINS = 5;      // the select figure's textures, skin_textures[0..4]

// The versus fight tunes, one drawn at random; the Hades tune holds two of the nine chances.
static const char *const versus_tunes[] = {
    "musica/jason.ogg",     "musica/atalanta.ogg", "musica/atenas.ogg",
    "musica/creta.ogg",     "musica/labyrinth.ogg", "musica/esfinge.ogg",
    "musica/medusa.ogg",    "musica/hades.ogg",     "musica/hades.ogg",
};
constexpr int VERSUS_TUNE_DRAW = 89999;     // rand() % this / 10000 gives 0..8
constexpr int VERSUS_TUNE_SPAN = 10000;
static_assert(std::size(versus_tunes) == (VERSUS_TUNE_DRAW - 1) / VERSUS_TUNE_SPAN + 1,
              "one tune per drawn number");
static const char *const LADDER_TUNE = "musica/jason.ogg";

// The previous fight's character and arena textures, by the tables' own sizes. The skin count
// stays for the character loaders to set.
static void ladder_textures_delete()
{
    if (divine_texture_count) {
        texture_table_delete(divine_textures, DIVINE_TEXTURE_COUNT);
        divine_texture_count = 0;
    }
    if (projectile_texture_count) {
        texture_table_delete(projectile_textures, PROJECTILE_TEXTURE_COUNT);
        projectile_texture_count = 0;
    }
    if (stage_texture_count) {
        int count = stage_texture_count < STAGE_TEXTURE_SLOTS ? stage_texture_count : STAGE_TEXTURE_SLOTS;
        texture_table_delete(stage_textures, count);
        stage_texture_count = 0;
    }
    if (skin_texture_count)
        texture_table_delete(skin_textures, SKIN_TEXTURE_COUNT);
}

static void select_figure_leave()
{
    texture_table_delete(skin_textures, SELECT_FIGURE_SKINS);
    select_figure_free();
    select_pictures_release(ending_picture_p1, ending_picture_p2);
}

// The hit light gives no ambient light of its own.
static void hit_light_ambient_clear()
{
    static const GLfloat black[4] = {0.0f, 0.0f, 0.0f, 0.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, black);
}

static TickFlow fight_load_failed(u8 error)
{
    load_error = error;
    quit_request = 1;
    return TICK_ENDS;
}

// The arena of the current ladder fight; an index or stage id outside the tables loads Athens.
static i32 ladder_stage()
{
    if (ladder_index >= 0 && ladder_index < LADDER_FIGHTS) {
        i32 stage = ladder_stages[ladder_index];
        if (stage >= 0 && stage < STAGE_COUNT)
            return stage;
    }
    log_printf("\n     -ladder fight %d has no arena, loading stage 0", ladder_index);
    return STAGE_ATHENS;
}

static i32 stage_select_stage()
{
    if (stage_select_cursor < STAGE_TILES)
        return stage_tiles[stage_select_cursor].stage;
    log_printf("\n     -stage tile %u has no arena, loading stage 0", stage_select_cursor);
    return STAGE_ATHENS;
}

// The arena, then its flames, started afresh at their torches: the pool is the character
// select's too, and a step alone would leave most of its flame row burning where it stood.
static TickFlow arena_load(i32 stage, bool log_athens)
{
    if (fight_arena_loader(static_cast<StageId>(stage)) != 0) {
        if (log_athens && stage == STAGE_ATHENS)
            log_printf("atenas failed!\n");
        return fight_load_failed(LOAD_ERROR_ARENA);
    }
    if (stage == STAGE_LABYRINTH)
        fx_labyrinth_flames(stage_flame_particles, FX_INIT);
    if (stage == STAGE_THEATRE)
        fx_theatre_flames(stage_flame_particles, FX_INIT);
    if (stage == STAGE_TEMPLE)
        fx_temple_flames(stage_flame_particles, FX_INIT);
    return TICK_CONTINUES;
}

// The log line a failed character loader leaves, by the load site; 0 for none.
static const char *character_failure_line(FightLoadSite site, int side, i32 character)
{
    if (site == FIGHT_LOAD_LADDER && character == CHARACTER_HIPPOLYTE)
        return "hipo failed!\n";
    if (site == FIGHT_LOAD_LADDER && character == CHARACTER_MINOTAUR)
        return "minotauro failed!\n";
    if (site == FIGHT_LOAD_STAGE_SELECT && side == 1 && character == CHARACTER_MINOTAUR)
        return "2minotauro failed!\n";
    return nullptr;
}

static TickFlow side_load(FightLoadSite site, int side)
{
    i32 character = side == 0 ? p1_character : p2_character;
    i32 alt_color = side == 0 ? p1_alt_color : p2_alt_color;
    if (fight_character_loader(character, side, alt_color) == 0)
        return TICK_CONTINUES;
    const char *line = character_failure_line(site, side, character);
    if (line)
        log_printf("%s", line);
    return fight_load_failed(character == CHARACTER_JASON ? LOAD_ERROR_ARENA : LOAD_ERROR_CHARACTER);
}

// A Hydra on either side always fights in Hades, whatever the ladder or the tiles say: a
// versus pick of the Hydra skips the stage select, and the ladder index is not versus's.
static bool hydra_fights()
{
    return p1_character == CHARACTER_HYDRA || p2_character == CHARACTER_HYDRA;
}

// Ladder fights load the fighters first.
static TickFlow ladder_assets_load()
{
    if (side_load(FIGHT_LOAD_LADDER, 0) == TICK_ENDS || side_load(FIGHT_LOAD_LADDER, 1) == TICK_ENDS)
        return TICK_ENDS;
    return arena_load(hydra_fights() ? STAGE_HADES : ladder_stage(), true);
}

// The first fight of a run, versus picks of the Hydra and the stage select: the arena first.
static TickFlow select_assets_load(FightLoadSite site)
{
    bool from_tile = site == FIGHT_LOAD_STAGE_SELECT;
    i32 stage = hydra_fights() ? STAGE_HADES : from_tile ? stage_select_stage() : ladder_stage();
    TickFlow flow = arena_load(stage, !from_tile);
    if (flow == TICK_ENDS || side_load(site, 0) == TICK_ENDS || side_load(site, 1) == TICK_ENDS)
        return TICK_ENDS;
    return TICK_CONTINUES;
}

static TickFlow fight_tune_start(FightLoadSite site)
{
    const char *tune = LADDER_TUNE;
    if (site == FIGHT_LOAD_STAGE_SELECT) {
        // KEEP: the drawn number is kept in ladder_index, which versus has no other use for.
        ladder_index = (rand() % VERSUS_TUNE_DRAW) / VERSUS_TUNE_SPAN;
        tune = versus_tunes[ladder_index];
    }
    if (music_play(tune) == 0)
        return TICK_CONTINUES;
    if (site == FIGHT_LOAD_SELECT)
        log_printf("musica failed!\n");
    return fight_load_failed(LOAD_ERROR_TUNE);
}

// The loading tick. Leaving the character select, by either road, the select figure goes with
// its skins, before the fight's assets load into the memory it leaves; the next select entry
// reads it again. The fight's own textures are deleted by the next ladder load.
static TickFlow fight_assets_load(FightLoadSite site)
{
    music_stop();
    game_state = STATE_ROUND_INTRO;
    fight_lights_reset();
    hit_light_ambient_clear();
    if (site == FIGHT_LOAD_LADDER)
        ladder_textures_delete();
    else
        select_figure_leave();
    if (site == FIGHT_LOAD_STAGE_SELECT)
        screen_textures_free();   // the stage select's pictures go with it
    round_intro_timer = 1.0f;
    TickFlow flow = site == FIGHT_LOAD_LADDER ? ladder_assets_load() : select_assets_load(site);
    if (flow == TICK_ENDS)
        return TICK_ENDS;
    reset_round();
    round_call_phase = 0;
    round_intro_start(0);
    round_intro_start(1);
    if (fight_tune_start(site) == TICK_ENDS)
        return TICK_ENDS;
    logic_ticks_pending = 0;   // the ticks owed while loading are dropped, not run in a burst
    return TICK_CONTINUES;
}

int fight_load_music_volume()
{
    int volume = static_cast<int>(music_fade * static_cast<f32>(music_volume));
    return volume < 0 ? 0 : volume;
}

TickFlow fight_load(FightLoadSite site)
{
    music_fade -= MUSIC_FADE_STEP;
    music_set_voice_volume(fight_load_music_volume());
    if (fight_load_phase == 2 && fight_assets_load(site) == TICK_ENDS)
        return TICK_ENDS;
    if (music_fade < MUSIC_FADE_END && fight_load_phase == 1) {
        music_fade = 0.0f;
        // The other sites' matches were started by the character select.
        if (site == FIGHT_LOAD_LADDER)
            p1_round_wins = p2_round_wins = rounds_played = 0;
        fight_load_phase = 2;
        logic_ticks_pending = 0;
        music_set_voice_volume(0);
    }
    return TICK_CONTINUES;
}
