#include "support/tick_harness.h"

#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "story/story.h"
#include "support/fake_audio.h"
#include "support/model_fixtures.h"
#include "support/test_paths.h"

#include <allegro.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

TickScript &TickScript::key(int scancode, int first, int count)
{
    events.push_back({KEY, first, count, scancode, 0, 0, 0, 0, 0});
    return *this;
}

TickScript &TickScript::button(int player, InputButton button, int first, int count)
{
    events.push_back({BUTTON, first, count, player, button, 0, 0, 0, 0});
    return *this;
}

TickScript &TickScript::direction(int player, Direction direction, int first, int count)
{
    events.push_back({DIRECTION, first, count, player, direction, 0, 0, 0, 0});
    return *this;
}

TickScript &TickScript::joy_axis(int joystick, int stick, int axis, int position, int first,
                                 int count)
{
    events.push_back({JOY_AXIS, first, count, joystick, stick, axis, position, 0, 0});
    return *this;
}

TickScript &TickScript::joy_button(int joystick, int button, int first, int count)
{
    events.push_back({JOY_BUTTON, first, count, joystick, button, 0, 0, 0, 0});
    return *this;
}

TickScript &TickScript::mouse(int buttons, f32 move_x, f32 move_y, int first, int count)
{
    events.push_back({MOUSE, first, count, buttons, 0, 0, 0, move_x, move_y});
    return *this;
}

// Harness bindings in the settings file's numbering (the same as the library's for these
// keys), in the order up, down, left, right, HARD SWING, LOW SWING, KICK, START.
constexpr int HARNESS_BINDINGS = 8;
static const i32 harness_keys[2][HARNESS_BINDINGS] = {
    {KEY_UP, KEY_DOWN, KEY_LEFT, KEY_RIGHT, KEY_Z, KEY_X, KEY_C, KEY_ENTER},
    {KEY_W, KEY_S, KEY_A, KEY_D, KEY_J, KEY_K, KEY_L, KEY_SPACE},
};

static void harness_bindings()
{
    i32 *const key_bindings[HARNESS_BINDINGS] = {
        bind_key_up, bind_key_down, bind_key_left, bind_key_right,
        bind_key_hard_swing, bind_key_low_swing, bind_key_kick, bind_key_start};
    i32 *const joy_buttons[BUTTON_COUNT] = {bind_joy_hard_swing, bind_joy_low_swing, bind_joy_kick,
                                            bind_joy_start};
    for (int p = 0; p < 2; p++) {
        input_device[p] = 0;
        for (int i = 0; i < HARNESS_BINDINGS; i++)
            key_bindings[i][p] = harness_keys[p][i];
        bind_joy_index[p] = p;   // player 2 on the second joystick
        bind_joy_stick[p] = 0;
        for (int b = 0; b < BUTTON_COUNT; b++)
            joy_buttons[b][p] = b;
    }
}

static void harness_clear_devices()
{
    for (int i = 0; i < KEY_MAX; i++)
        key[i] = 0;
    for (int j = 0; j < MAX_JOYSTICKS; j++) {
        for (int s = 0; s < MAX_JOYSTICK_STICKS; s++)
            for (int a = 0; a < MAX_JOYSTICK_AXIS; a++)
                joy[j].stick[s].axis[a].pos = 0;
        for (int b = 0; b < MAX_JOYSTICK_BUTTONS; b++)
            joy[j].button[b].b = 0;
    }
    mouse_b = 0;
    mouse_move_x = mouse_move_y = 0.0f;
}

static void harness_clear_input()
{
    for (int p = 0; p < 2; p++) {
        input_dir[p] = 0;
        input_hard_swing[p] = input_low_swing[p] = input_kick[p] = input_start[p] = 0;
        input_hard_swing_ready[p] = input_low_swing_ready[p] = 0;
        input_kick_ready[p] = input_start_ready[p] = 0;
        latch_hard_swing[p] = latch_low_swing[p] = latch_kick[p] = latch_start[p] = 0;
        input_dir_latch[p] = 0;
    }
    latch_enter = 0;
    latch_esc = 0;
    capture_latch = 0;
    binding_player = 0;
}

static void harness_clear_flow()
{
    game_state = game_mode = 0;
    fade_mode = FADE_NONE;
    fade_level = fade_colour = 0.0f;
    state_ticks = 0;
    quit_request = load_error = 0;
    select_chord_played = 0;
    paused = 0;
    // No side is a computer until a fight load says so; an earlier test's must not linger.
    for (CpuOpponent &cpu : cpu_opponents)
        cpu = CpuOpponent{};
    ai_dash_request = 0;
    pause_cursor = pause_confirm = pause_confirm_cursor = free_camera = 0;
    pointer_x = pointer_y = pointer_target_x = pointer_target_y = 0.0f;
    menu_click_latch = 0;
    fight_load_phase = 0;
    music_fade = 0.0f;
    p1_character = p2_character = p1_alt_color = p2_alt_color = 0;
    round_clock = round_clock_ticks = round_call_phase = 0;
    round_intro_timer = 0.0f;
    camera_sequence = CameraSequence{};
    victory_done = 0;
    for (int side = 0; side < 2; side++)
        combo_display_timer[side] = combo_hits[side] = best_combo[side] = followup_timer[side] =
            followup_chain[side] = 0;
    challenger_pending = challenger_ticks = continue_active = vs_record_shown = 0;
    ladder_time = 0;
    ladder_started = ladder_index = 0;
    stage_select_cursor = 0;
    summon_phase = 0;
    select_button_latch[0] = select_button_latch[1] = 0;
    select_spin[0] = select_spin[1] = 0;
    select_confirmed[0] = select_confirmed[1] = 0;
    p1_character = p2_character = p1_alt_color = p2_alt_color = 0;
    unlocked_medusa = unlocked_sphinx = unlocked_hydra = unlocked_ares = unlocked_atropos = 0;
    story_ticks = 0;
    menu_page = menu_cursor = 0;
}

int harness_select_result;

// The select's figure and pictures need a GL context; here the figure is a bare block and
// the entry gives harness_select_result.
static int harness_select_assets()
{
    // The start-up loader's block where a test made one, else the harness's own.
    static Skeleton harness_select_skeleton;
    if (!select_skeleton)
        select_skeleton = &harness_select_skeleton;
    skeleton_block_clear(select_skeleton);
    return harness_select_result;
}

// The fighters', their blade trails' and the arena's skeleton blocks, as the start-up loader
// allocates them.
static Skeleton harness_skeletons[5];

u32 harness_screen_texture_loads;
const char *harness_screen_texture_failing;

// The screens' pictures need a GL context too: each load hands out the next made-up name,
// except the entry a test asks to fail.
static u32 harness_screen_texture(const char *entry, int)
{
    if (harness_screen_texture_failing && strcmp(entry, harness_screen_texture_failing) == 0)
        return 0;
    return ++harness_screen_texture_loads;
}

// The tick writes the settings at once after a purchase, an award or a binding change: with
// no folder of its own yet, this program's saves go to a scratch folder, never beside the
// test's working directory.
static void harness_settings_folder()
{
    if (base_dir[0])
        return;
    std::string dir = test_scratch_dir("harness-settings");
    if (dir.empty() || mkdir((dir + "/data").c_str(), 0755) != 0)
        return;
    snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
}

void harness_reset(unsigned seed)
{
    harness_settings_folder();
    harness_select_result = 0;
    select_assets_loader = harness_select_assets;
    harness_screen_texture_loads = 0;
    harness_screen_texture_failing = nullptr;
    screen_texture_loader = harness_screen_texture;
    // The names are made up (or a GL test's own): forgotten, never deleted.
    for (u32 &name : screen_textures)
        name = 0;
    screen_texture_count = 0;
    screen_texture_set = SCREEN_SET_NONE;
    harness_clear_devices();
    num_joysticks = 0;
    for (int j = 0; j < MAX_JOYSTICKS; j++) {
        joy[j].num_sticks = joy[j].num_buttons = 0;
        for (int s = 0; s < MAX_JOYSTICK_STICKS; s++)
            joy[j].stick[s].num_axis = 0;
    }
    config_set_defaults();
    harness_bindings();
    harness_clear_input();
    harness_clear_flow();
    for (Skeleton &block : harness_skeletons)
        skeleton_block_clear(&block);
    for (int side = 0; side < 2; side++) {
        fighter_skeletons[side] = &harness_skeletons[side];
        blur_skeletons[side] = &harness_skeletons[2 + side];
    }
    stage_skeleton = &harness_skeletons[4];
    sfx_datafile = nullptr;
    sfx_last_request = SfxRequest{-1, 0, 0, 0};
    sfx_request_count = 0;
    logic_tick_units = 0;
    logic_ticks_pending = 0;
    fake_audio_tunes_open();
    // The arena's light record, zeroed, as the start-up loader would make it.
    static StageLight harness_light;
    harness_light = StageLight{};
    stage_light = &harness_light;
    // A fight's walls and the computer's play depend on the arena: Athens, whatever arena an
    // earlier test loaded.
    stage_id = STAGE_ATHENS;
    srand(seed);
    title_menu_enter();
}

void harness_joysticks(int count, int sticks, int axes, int buttons)
{
    num_joysticks = count;
    for (int j = 0; j < count && j < MAX_JOYSTICKS; j++) {
        joy[j].num_sticks = sticks;
        joy[j].num_buttons = buttons;
        for (int s = 0; s < sticks && s < MAX_JOYSTICK_STICKS; s++)
            joy[j].stick[s].num_axis = axes;
    }
}

int harness_key_for(int player, InputButton button)
{
    const i32 *bindings[BUTTON_COUNT] = {bind_key_hard_swing, bind_key_low_swing, bind_key_kick,
                                         bind_key_start};
    if (player < 0 || player > 1 || button >= BUTTON_COUNT)
        return 0;
    return scancode_to_library(bindings[button][player]);
}

static void hold_stored_key(i32 stored)
{
    int library = scancode_to_library(stored);
    if (library > 0 && library < KEY_MAX)
        key[library] = 1;
}

static void hold_direction(int p, int direction)
{
    bool up = direction == DIR_UP || direction == DIR_UP_RIGHT || direction == DIR_UP_LEFT;
    bool down = direction == DIR_DOWN || direction == DIR_DOWN_RIGHT || direction == DIR_DOWN_LEFT;
    bool left = direction == DIR_LEFT || direction == DIR_UP_LEFT || direction == DIR_DOWN_LEFT;
    bool right = direction == DIR_RIGHT || direction == DIR_UP_RIGHT || direction == DIR_DOWN_RIGHT;
    if (up)
        hold_stored_key(bind_key_up[p]);
    if (down)
        hold_stored_key(bind_key_down[p]);
    if (left)
        hold_stored_key(bind_key_left[p]);
    if (right)
        hold_stored_key(bind_key_right[p]);
}

static void harness_apply(const TickScript::Event &event)
{
    switch (event.kind) {
    case TickScript::KEY:
        if (event.a > 0 && event.a < KEY_MAX)
            key[event.a] = 1;
        break;
    case TickScript::BUTTON: {
        int library = harness_key_for(event.a, static_cast<InputButton>(event.b));
        if (library > 0 && library < KEY_MAX)
            key[library] = 1;
        break;
    }
    case TickScript::DIRECTION:
        if (event.a == 0 || event.a == 1)
            hold_direction(event.a, event.b);
        break;
    case TickScript::JOY_AXIS:
        if (event.a >= 0 && event.a < MAX_JOYSTICKS && event.b >= 0 &&
            event.b < MAX_JOYSTICK_STICKS && event.c >= 0 && event.c < MAX_JOYSTICK_AXIS)
            joy[event.a].stick[event.b].axis[event.c].pos = event.d;
        break;
    case TickScript::JOY_BUTTON:
        if (event.a >= 0 && event.a < MAX_JOYSTICKS && event.b >= 0 &&
            event.b < MAX_JOYSTICK_BUTTONS)
            joy[event.a].button[event.b].b = 1;
        break;
    case TickScript::MOUSE:
        mouse_b |= event.a;
        mouse_move_x += event.move_x;
        mouse_move_y += event.move_y;
        break;
    }
}

static void harness_tick(int tick, const TickScript &script)
{
    harness_clear_devices();
    for (const TickScript::Event &event : script.events)
        if (tick >= event.first && tick < event.first + event.count)
            harness_apply(event);
    game_tick();
}

int harness_run(int ticks, const TickScript &script)
{
    for (int tick = 0; tick < ticks; tick++) {
        harness_tick(tick, script);
        if (quit_request)
            return tick + 1;
        frame_step();
    }
    return ticks;
}

int harness_run_until(int max_ticks, const std::function<bool()> &done, const TickScript &script)
{
    for (int tick = 0; tick < max_ticks; tick++) {
        harness_tick(tick, script);
        if (quit_request)
            return done() ? tick + 1 : -1;
        frame_step();
        if (done())
            return tick + 1;
    }
    return -1;
}
