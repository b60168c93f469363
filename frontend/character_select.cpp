#include "frontend/frontend.h"

#include "characters/characters.h"
#include "frontend/frontend_local.h"
#include "combat/combat.h"
#include "engine/engine.h"

#include <GL/gl.h>
#include <allegro.h>
#include <cstdio>

f32 select_ring_angle[2];
i32 select_spin[2];
i32 select_button_latch[2];
u8 select_confirmed[2];
u8 select_icons_loaded;
u32 tex_select_icons;
u32 select_portraits[CHARACTER_COUNT][2];
u32 tex_locked_portrait, tex_hidden_icon;
int (*select_assets_loader)() = select_assets_load;

constexpr i32 SPIN_TICKS = 10;             // ticks of one ring step
constexpr f32 SPIN_STEP = 0.0523f;         // radians per tick of a step
constexpr f32 RING_FULL_TURN = 6.28f;
constexpr f32 RING_ID_ANGLE = 0.523f;
constexpr f32 RING_WRAP_BELOW_ZERO = 6.2317f;
constexpr int PAN_SIDE1 = 50, PAN_SIDE2 = 206, PAN_CENTRE = 128;
constexpr int SFX_SELECT_STEP = 0, SFX_SELECT_CHORD = 13;
constexpr int SFX_NAME_FIRST = 25, SFX_NAME_LAST = 30;
constexpr f32 PULSE_STEP = 0.1f, PULSE_FLOOR = 2.0f, PULSE_TOP = 4.28f;
constexpr f32 BLINK_STEP = 0.005f;

// A character's name call when picked, -1 for none.
static const i32 select_name_calls[] = {26, 28, -1, 29, 25, 30, 27, -1, -1, -1, -1, -1};
static_assert(sizeof select_name_calls / sizeof select_name_calls[0] == CHARACTER_COUNT, "one per character");

// The pictures the entry loads once, in order; the ten portraits the screen names beside the
// two it always had follow the same pattern.
struct SelectPicture {
    u32 *texture;
    const char *entry;
    int mode;
};

static i32 *side_character(int side) { return side == 0 ? &p1_character : &p2_character; }
static i32 *side_alt_color(int side) { return side == 0 ? &p1_alt_color : &p2_alt_color; }

f32 select_rest_angle(int id)
{
    return RING_FULL_TURN - static_cast<f32>(id) * RING_ID_ANGLE;
}

// ---- locked characters -------------------------------------------------------------------
static u8 unlock_flag(int character)
{
    switch (character) {
    case CHARACTER_MEDUSA: return unlocked_medusa;
    case CHARACTER_SPHINX: return unlocked_sphinx;
    case CHARACTER_HYDRA: return unlocked_hydra;
    case CHARACTER_ARES: return unlocked_ares;
    case CHARACTER_ATROPOS: return unlocked_atropos;
    default: return 1;
    }
}

static u8 biography_state(int character)
{
    const u8 *const states[] = {&profile_jason, &profile_odysseus, &profile_atalanta, &profile_perseus,
                                &profile_hippolyte, &profile_polyphemus, &profile_minotaur, &profile_medusa,
                                &profile_sphinx, &profile_hydra, &profile_ares, &profile_atropos};
    return *states[character];
}

static bool side_chooses_profile(int side)
{
    return (side == 0 && game_mode == GAME_MODE_PROFILE_P1) || (side == 1 && game_mode == GAME_MODE_PROFILE_P2);
}

bool select_character_locked(int side, int character)
{
    if (character < 0 || character >= CHARACTER_COUNT)
        return true;
    if (!unlock_flag(character))
        return true;
    return side_chooses_profile(side) && biography_state(character) != 2;
}

// ---- entry -------------------------------------------------------------------------------
// The pictures of the screens before this one; each group only when it holds any.
static void previous_textures_delete()
{
    screen_textures_free();
    if (divine_texture_count)
        texture_table_delete(divine_textures, DIVINE_TEXTURE_COUNT);
    divine_texture_count = 0;
    if (projectile_texture_count)
        texture_table_delete(projectile_textures, PROJECTILE_TEXTURE_COUNT);
    projectile_texture_count = 0;
    if (title_texture_count)
        title_textures_free();
    if (stage_texture_count)
        texture_table_delete(stage_textures, stage_texture_count < STAGE_TEXTURE_SLOTS ? stage_texture_count : STAGE_TEXTURE_SLOTS);
    stage_texture_count = 0;
    if (skin_texture_count)
        texture_table_delete(skin_textures, SKIN_TEXTURE_COUNT);
    skin_texture_count = 0;
}

void select_portrait_entry(int id, int variant, char *out, size_t size)
{
    // Hippolyte's and the Minotaur's names were the first; the others follow them.
    static const char *const portrait_names[CHARACTER_COUNT] = {
        "jason", "odiseo", "atalanta", "perseo", "hipolita", "polifemo",
        "minotauro", "medusa", "esfinge", "hidra", "ares", "atropo"};
    if (id < 0 || id >= CHARACTER_COUNT)
        id = 0;
    snprintf(out, size, "iconos/%s_%c.jpg", portrait_names[id], variant ? 'i' : 'n');
}

static u32 select_portrait_load(int id, int variant)
{
    char entry[64];
    select_portrait_entry(id, variant, entry, sizeof entry);
    return texture_load(asset_archive, entry, TEXTURE_CLAMP_RGB);
}

static int select_pictures_load()
{
    // A loading panel may have kept or loaded a portrait or two since the last release.
    texture_table_delete(&select_portraits[0][0], 2 * CHARACTER_COUNT);
    if (!(tex_select_icons = texture_load(asset_archive, "iconos/icon_n.tga", TEXTURE_MIPMAP_RGBA_FULL)))
        return 2;
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++)
            if (!(select_portraits[id][variant] = select_portrait_load(id, variant)))
                return 2;
    if (!(tex_locked_portrait = texture_load(asset_archive, "iconos/not.jpg", TEXTURE_CLAMP_RGB)))
        return 2;
    if (!(tex_hidden_icon = texture_load(asset_archive, "iconos/int.tga", TEXTURE_CLAMP_RGBA)))
        return 2;
    return 0;
}

// The fight's textures load into the memory the others leave: only the loading panel's two
// portraits stay on screen.
void select_pictures_release(i32 shown_p1, i32 shown_p2)
{
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++) {
            const i32 picture = portrait_picture(id, variant);
            if (picture != shown_p1 && picture != shown_p2)
                texture_table_delete(&select_portraits[id][variant], 1);
        }
    texture_table_delete(&tex_select_icons, 1);
    texture_table_delete(&tex_locked_portrait, 1);
    texture_table_delete(&tex_hidden_icon, 1);
    select_icons_loaded = 0;
}

// The character and colour set of portrait number `picture`; false for a number outside them.
static bool select_portrait_find(i32 picture, int *id, int *variant)
{
    for (*id = 0; *id < CHARACTER_COUNT; ++*id)
        for (*variant = 0; *variant < 2; ++*variant)
            if (portrait_picture(*id, *variant) == picture)
                return true;
    return false;
}

u32 *select_portrait_slot(i32 picture)
{
    int id, variant;
    return select_portrait_find(picture, &id, &variant) ? &select_portraits[id][variant] : nullptr;
}

void select_portrait_ensure(i32 picture)
{
    int id, variant;
    if (select_portrait_find(picture, &id, &variant) && !select_portraits[id][variant])
        select_portraits[id][variant] = select_portrait_load(id, variant);
}

// The figure, then the pictures once; the log gets a line when the figure fails.
int select_assets_load()
{
    if (select_atropos_load() != 0) {
        log_printf("\n   Error while trying to access file!\n");
        return 1;
    }
    if (select_icons_loaded)
        return 0;
    if (select_pictures_load() != 0)
        return 2;
    select_icons_loaded = 1;
    return 0;
}

static void select_figure_start()
{
    select_fighter.pos_x = select_fighter.pos_y = 0.0f;
    select_fighter.pos_z = -14.0f;
    select_fighter.rot_x = select_fighter.rot_y = select_fighter.heading = 0.0f;
    Skeleton *skeleton = select_skeleton;
    if (!skeleton)
        return;
    switch (game_mode) {
    case GAME_MODE_ARCADE_P2:
    case GAME_MODE_PROFILE_P2:
        skeleton->action = FIGURE_IDLE_SIDE2;
        skeleton->key_from = 20;
        skeleton->key_to = 21;
        break;
    case GAME_MODE_VERSUS:
    case GAME_MODE_CHALLENGE:
        skeleton->action = FIGURE_IDLE_BOTH;
        skeleton->key_from = 10;
        skeleton->key_to = 11;
        break;
    default:
        skeleton->action = FIGURE_IDLE_SIDE1;
        skeleton->key_from = 1;
        skeleton->key_to = 2;
        break;
    }
}

// A challenger joins at the character the screen offers; the side that fought keeps its
// pick and shows as ready.
static void select_challenger_join()
{
    if (game_mode == GAME_MODE_ARCADE_P1) {
        p2_character = CHARACTER_HIPPOLYTE;
        select_ring_angle[1] = 4.188f;
        p2_alt_color = p1_character == CHARACTER_HIPPOLYTE ? !p1_alt_color : 0;
        select_figure_set_action(FIGURE_SIDE1_READY);
        game_mode = GAME_MODE_CHALLENGE;
    } else if (game_mode == GAME_MODE_ARCADE_P2) {
        p1_character = CHARACTER_MINOTAUR;
        select_ring_angle[0] = 3.142f;
        p1_alt_color = p2_character == CHARACTER_MINOTAUR ? !p2_alt_color : 0;
        select_figure_set_action(FIGURE_SIDE2_READY);
        game_mode = GAME_MODE_CHALLENGE;
    }
}

static void select_new_game_picks()
{
    p1_character = CHARACTER_MINOTAUR;
    select_ring_angle[0] = 3.142f;
    p2_character = CHARACTER_HIPPOLYTE;
    select_ring_angle[1] = 4.188f;
    p1_alt_color = p2_alt_color = 0;
}

int character_select_enter()
{
    if (stage_light)
        stage_light->hit_light_on = 0;
    wound_level[0] = wound_level[1] = 0;
    p1_round_wins = p2_round_wins = rounds_played = 0;
    stage_select_cursor = 0;
    select_confirmed[0] = select_confirmed[1] = 0;
    select_spin[0] = select_spin[1] = 0;
    previous_textures_delete();
    int result = select_assets_loader();
    if (result == 1)
        return 1;
    select_figure_start();
    if (challenger_pending)
        select_challenger_join();
    else if (!ladder_started)
        select_new_game_picks();
    challenger_pending = 0;
    if (result != 0)
        return result;
    camera_eye[0] = 0.0f;
    camera_eye[1] = -12.0f;
    camera_eye[2] = 0.0f;
    camera_centre[0] = camera_centre[1] = camera_centre[2] = 0.0f;
    camera_up_z = 1.0f;
    fx_flame_row(stage_flame_particles, FX_INIT);
    fx_flame_row_measure();
    return 0;
}

// ---- tick --------------------------------------------------------------------------------
bool select_side_plays(int side)
{
    switch (game_mode) {
    case GAME_MODE_ARCADE_P1:
    case GAME_MODE_PROFILE_P1:
        return side == 0;
    case GAME_MODE_ARCADE_P2:
    case GAME_MODE_PROFILE_P2:
        return side == 1;
    case GAME_MODE_VERSUS:
    case GAME_MODE_CHALLENGE:
        return true;
    default:
        return false;
    }
}

static bool start_pressed(int player)
{
    return input_start[player] && !latch_start[player];
}

// ESC, or a START press of a player whose START pauses this mode.
static void select_pause_test()
{
    if (latch_esc || fade_mode != FADE_NONE)
        return;
    bool p1_may = game_mode == GAME_MODE_ARCADE_P1 || game_mode == GAME_MODE_VERSUS ||
                  game_mode == GAME_MODE_CHALLENGE || game_mode == GAME_MODE_PROFILE_P1;
    bool p2_may = game_mode == GAME_MODE_ARCADE_P2 || game_mode == GAME_MODE_VERSUS ||
                  game_mode == GAME_MODE_PROFILE_P2;
    if (key[KEY_ESC])
        pause_open(-1);
    else if (p1_may && start_pressed(0))
        pause_open(0);
    else if (p2_may && start_pressed(1))
        pause_open(1);
}

static void select_timers()
{
    title_scroll_1 += BLINK_STEP;
    if (title_scroll_1 > 1.0f)
        title_scroll_1 = 0.0f;
    menu_pulse_angle += PULSE_STEP;
    if (menu_pulse_angle > PULSE_TOP)
        menu_pulse_angle = PULSE_FLOOR;
}

// The colour variant a side takes when its ring step lands.
static void ring_step_landed(int side)
{
    int other = 1 - side;
    i32 *alt = side_alt_color(side);
    if (*side_character(side) != *side_character(other)) {
        *alt = 0;
        return;
    }
    int own_arcade = side == 0 ? GAME_MODE_ARCADE_P1 : GAME_MODE_ARCADE_P2;
    if (game_mode == own_arcade)
        *alt = 0;
    else if (game_mode == GAME_MODE_VERSUS || game_mode == GAME_MODE_CHALLENGE)
        *alt = !*side_alt_color(other);
}

static void ring_step(int side)
{
    i32 *id = side_character(side);
    f32 *angle = &select_ring_angle[side];
    if (select_spin[side] > 0) {
        *angle -= SPIN_STEP;
        if (*angle < 0.0f)
            *angle = RING_WRAP_BELOW_ZERO;
        if (--select_spin[side] != 0)
            return;
        ++*id;
        *angle = select_rest_angle(*id);
        if (*id > CHARACTER_COUNT - 1) {
            *id = 0;
            *angle = 0.0f;
        }
    } else {
        *angle += SPIN_STEP;
        if (*angle >= RING_FULL_TURN)
            *angle = 0.0f;
        if (++select_spin[side] != 0)
            return;
        --*id;
        *angle = select_rest_angle(*id);
        if (*id < 0) {
            *id = CHARACTER_COUNT - 1;
            *angle = RING_ID_ANGLE;
        }
    }
    ring_step_landed(side);
}

static bool ring_frozen(int side)
{
    int action = select_figure_action();
    if (action == FIGURE_PICK_SIDE1 || action == FIGURE_PICK_SIDE2 || action == FIGURE_PICK_BOTH)
        return true;
    return action == (side == 0 ? FIGURE_SIDE1_READY : FIGURE_SIDE2_READY);
}

// KEEP: no repeat guard; a held direction steps again every SPIN_TICKS.
static void ring_input(int side)
{
    if (!select_side_plays(side) || ring_frozen(side) || select_spin[side] != 0)
        return;
    int pan = side == 0 ? PAN_SIDE1 : PAN_SIDE2;
    if (input_dir[side] == DIR_RIGHT) {
        select_spin[side] = SPIN_TICKS;
        sfx_play(SFX_SELECT_STEP, effects_volume, pan, 1000);
    } else if (input_dir[side] == DIR_LEFT) {
        select_spin[side] = -SPIN_TICKS;
        sfx_play(SFX_SELECT_STEP, effects_volume, pan, 1000);
    }
}

static void button_latch_release(int player)
{
    if (!input_hard_swing[player] && !input_low_swing[player] && !input_kick[player])
        select_button_latch[player] = 0;
}

// KICK toggles the side's colours; in the two-player modes a shared character keeps the two
// sides apart, unless the other side has already confirmed it.
static void kick_colour_toggle(int side)
{
    int other = 1 - side;
    int action = select_figure_action();
    if (action == (side == 0 ? FIGURE_SIDE1_READY : FIGURE_SIDE2_READY) ||
        action == (side == 0 ? FIGURE_PICK_SIDE1 : FIGURE_PICK_SIDE2))
        return;
    if (!input_kick[side] || select_button_latch[side] != 0)
        return;
    select_button_latch[side] = -1;
    i32 *alt = side_alt_color(side);
    bool same = *side_character(side) == *side_character(other);
    if (game_mode != GAME_MODE_VERSUS && game_mode != GAME_MODE_CHALLENGE) {
        *alt = !*alt;
        return;
    }
    if (same && action == (side == 0 ? FIGURE_SIDE2_READY : FIGURE_SIDE1_READY))
        return;
    *alt = !*alt;
    if (same)
        *side_alt_color(other) = !*alt;
}

// The idle side of a one-player game presses START. A side that has already confirmed is
// treated as ready, as a challenger's entry does, so the challenge can go on.
static void select_join_test()
{
    int joiner;
    if (game_mode == GAME_MODE_ARCADE_P2)
        joiner = 0;
    else if (game_mode == GAME_MODE_ARCADE_P1)
        joiner = 1;
    else
        return;
    if (!start_pressed(joiner))
        return;
    sfx_play(SFX_MENU_CONFIRM, effects_volume, PAN_CENTRE, 1000);
    latch_start[0] = latch_start[1] = 1;
    select_button_latch[joiner] = -1;
    int waiting = 1 - joiner;
    select_figure_set_action(select_confirmed[waiting] ? (waiting == 0 ? FIGURE_SIDE1_READY : FIGURE_SIDE2_READY)
                                                       : FIGURE_JOIN);
    game_mode = GAME_MODE_CHALLENGE;
}

// The one-player pick: the ladder is set up on the first pick of a run and names the opponent.
static void arcade_pick(int side)
{
    int other = 1 - side;
    select_figure_set_action(side == 0 ? FIGURE_PICK_SIDE1 : FIGURE_PICK_SIDE2);
    if (!ladder_started) {
        ladder_started = -1;
        setup_ladder(*side_character(side));
    }
    int index = ladder_index >= 0 && ladder_index < LADDER_FIGHTS ? ladder_index : 0;
    *side_character(other) = ladder_opponents[index];
    if (*side_character(other) == *side_character(side))
        *side_alt_color(other) = !*side_alt_color(side);
}

// The second side of a two-player pick; in versus without a Hydra the stage select follows.
static void two_player_pick(int side)
{
    int other_ready = side == 0 ? FIGURE_SIDE2_READY : FIGURE_SIDE1_READY;
    if (select_figure_action() != other_ready) {
        select_figure_set_action(side == 0 ? FIGURE_SIDE1_READY : FIGURE_SIDE2_READY);
        return;
    }
    select_figure_set_action(FIGURE_PICK_BOTH);
    if (game_mode == GAME_MODE_VERSUS && p1_character != CHARACTER_HYDRA && p2_character != CHARACTER_HYDRA)
        fade_out_start();
}

static void confirm_accepted(int side)
{
    select_confirmed[side] = 1;
    sfx_play(SFX_MENU_CONFIRM, static_cast<int>(effects_volume) / 2, PAN_CENTRE, 1000);
    for (int n = SFX_NAME_FIRST; n <= SFX_NAME_LAST; n++)
        sfx_stop(n);
    i32 call = select_name_calls[*side_character(side)];
    if (call >= 0) {
        int volume = static_cast<int>(1.5f * static_cast<f32>(effects_volume));
        sfx_play(call, volume > 255 ? 255 : volume, PAN_CENTRE, 1000);
    }
    select_button_latch[side] = -1;
    input_start_ready[side] = 0;
    switch (game_mode) {
    case GAME_MODE_ARCADE_P1:
    case GAME_MODE_ARCADE_P2:
        arcade_pick(side);
        break;
    case GAME_MODE_VERSUS:
    case GAME_MODE_CHALLENGE:
        two_player_pick(side);
        break;
    case GAME_MODE_PROFILE_P1:
    case GAME_MODE_PROFILE_P2:
        select_figure_set_action(side == 0 ? FIGURE_PICK_SIDE1 : FIGURE_PICK_SIDE2);
        fade_out_start();
        break;
    default:
        break;
    }
}

// A HARD SWING on the side's highlighted character. TICK_ENDS when the press was spent
// without a pick (a side already shown ready, or a refused character).
static TickFlow select_confirm(int side)
{
    if (!select_side_plays(side) || !input_hard_swing[side] || select_button_latch[side] != 0 ||
        select_spin[side] != 0 || select_confirmed[side])
        return TICK_CONTINUES;
    bool two_player = game_mode == GAME_MODE_VERSUS || game_mode == GAME_MODE_CHALLENGE;
    if (two_player && select_figure_action() == (side == 0 ? FIGURE_SIDE1_READY : FIGURE_SIDE2_READY)) {
        select_button_latch[side] = -1;
        input_start_ready[side] = 0;
        return TICK_ENDS;
    }
    if (select_character_locked(side, *side_character(side))) {
        sfx_play(SFX_MENU_REFUSED, effects_volume, PAN_CENTRE, 1000);
        select_button_latch[side] = -1;
        input_start_ready[side] = 0;
        return TICK_ENDS;
    }
    confirm_accepted(side);
    return TICK_CONTINUES;
}

void character_select_tick()
{
    // The state machine runs the fight load in its place once one is requested.
    if (fight_load_phase != 0 || paused)
        return;
    select_pause_test();                 // the rest of the tick still runs under the new pause
    select_timers();
    if (select_chord_played == 0)        // nothing moves until the first frame is up
        return;
    for (int side = 0; side < 2; side++)
        if (select_spin[side] != 0)
            ring_step(side);
    fx_flame_row(stage_flame_particles, FX_STEP);
    select_figure_step();
    for (int side = 0; side < 2; side++)
        ring_input(side);
    button_latch_release(0);
    button_latch_release(1);
    kick_colour_toggle(0);
    kick_colour_toggle(1);
    select_join_test();
    if (select_confirm(0) == TICK_ENDS)
        return;
    select_confirm(1);
}

// ---- frame step --------------------------------------------------------------------------
// The computer side of a one-player game never wears the human's colours on the same
// character; the ending pictures follow the picks.
void character_select_frame()
{
    if (p1_character == p2_character && p1_alt_color == p2_alt_color) {
        if (game_mode == GAME_MODE_ARCADE_P1)
            p2_alt_color = !p1_alt_color;
        else if (game_mode == GAME_MODE_ARCADE_P2)
            p1_alt_color = !p2_alt_color;
    }
    ending_picture_p1 = portrait_picture(p1_character, p1_alt_color);
    ending_picture_p2 = portrait_picture(p2_character, p2_alt_color);
    if (select_chord_played != 0)
        return;
    // The ticks owed while the screen loaded are dropped.
    logic_ticks_pending = 1;
    select_chord_played = -1;
    int volume = static_cast<int>(effects_volume) / 3;
    sfx_play(SFX_SELECT_CHORD, volume, PAN_SIDE1, 1000);
    sfx_play(SFX_SELECT_CHORD, volume, PAN_CENTRE, 800);
    sfx_play(SFX_SELECT_CHORD, volume, 200, 1200);
}
