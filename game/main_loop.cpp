#include "game/game.h"

#include "engine/engine.h"
#include "platform/platform.h"

#include <allegro.h>
#include <cstdio>
#include <cstring>
#include <iterator>

u8 nomask;

// Mouse motion is scaled to the 640 x 480 screen the menus were laid out for.
constexpr float MOUSE_SCALE_WIDTH = 640.0f;
constexpr float MOUSE_SCALE_HEIGHT = 480.0f;
constexpr int MAIN_LOOP_IDLE_MS = 1;   // a pass with nothing owed yields instead of spinning
constexpr int SWITCH_ARGUMENTS_MAX = 4;
constexpr u32 MIDAS_CREDITS = 99999;

struct SwitchName {
    const char *name;
    CommandSwitch bit;
};
static const SwitchName switch_names[] = {
    {"-blood", SWITCH_BLOOD},
    {"-nomask", SWITCH_NOMASK},
    {"-midastouch", SWITCH_MIDASTOUCH},
    {"-ulock_profiles", SWITCH_ULOCK_PROFILES},
};

u32 switches_read(int argc, const char *const *argv)
{
    u32 found = 0;
    if (argc < 2 || argc > SWITCH_ARGUMENTS_MAX + 1)
        return 0;
    for (int i = 1; i < argc; i++)
        for (const SwitchName &entry : switch_names)
            if (argv[i] && strcmp(argv[i], entry.name) == 0)
                found |= entry.bit;
    return found;
}

static void profile_offer(u8 *profile)
{
    // A bought biography (2) stays bought: lowering it to 1 would lose it at the next save.
    if (*profile == 0)
        *profile = 1;
}

void switches_apply(u32 switches)
{
    if (switches & SWITCH_BLOOD)
        blood = 255;
    if (switches & SWITCH_NOMASK)
        nomask = 255;
    if (switches & SWITCH_MIDASTOUCH)
        credits = MIDAS_CREDITS;
    if (!(switches & SWITCH_ULOCK_PROFILES))
        return;
    u8 *const profiles[] = {&profile_jason, &profile_odysseus, &profile_atalanta, &profile_perseus,
                            &profile_hippolyte, &profile_polyphemus, &profile_minotaur, &profile_medusa,
                            &profile_sphinx, &profile_hydra, &profile_ares, &profile_atropos};
    static_assert(std::size(profiles) == CHARACTER_COUNT, "one biography per character");
    for (u8 *profile : profiles)
        profile_offer(profile);
}

int base_dir_from_path(const char *path, char *out, size_t size)
{
    if (size == 0)
        return 0;
    out[0] = '\0';
    const char *slash = strrchr(path, '/');
    if (!slash)
        return 1;   // a bare name: the current directory
    size_t length = static_cast<size_t>(slash - path) + 1;
    if (length >= size)
        return 0;
    memcpy(out, path, length);
    out[length] = '\0';
    return 1;
}

void base_dir_set(const char *argv0)
{
    char path[BASE_DIR_SIZE];
    if (!executable_path(path, sizeof path))
        snprintf(path, sizeof path, "%s", argv0 ? argv0 : "");
    base_dir_from_path(path, base_dir, sizeof base_dir);
}

// Runs every owed tick, each after a fresh read of the joysticks and the mouse. Returns 0 when
// a tick asked to quit: the loop then ends at once, without a frame.
static int main_loop_ticks(bool *frame_due)
{
    while (logic_ticks_pending > 0) {
        poll_joystick();
        int mickey_x = 0, mickey_y = 0;
        get_mouse_mickeys(&mickey_x, &mickey_y);
        mouse_move_x = 2.0f * mickey_x * MOUSE_SCALE_WIDTH / screen_width;
        mouse_move_y = 2.0f * mickey_y * MOUSE_SCALE_HEIGHT / screen_height;
        game_tick();
        if (quit_request)
            return 0;
        *frame_due = true;
        logic_ticks_pending--;
    }
    return 1;
}

// One screenshot per press of F1, taken after the frame of that pass.
static void screenshot_key_check(bool *latch)
{
    if (!key[KEY_F1]) {
        *latch = false;
        return;
    }
    if (*latch)
        return;
    screenshot_save();
    *latch = true;
}

void main_loop_run()
{
    three_finger_flag = 0;   // no Ctrl+Alt+End abort: quitting goes through the shutdown
    bool frame_due = true;   // the first active pass draws at once
    bool screenshot_latch = false;
    while (!quit_request) {
        // The quit signal stands for the desktop's quit message.
        if (quit_signalled()) {
            quit_request = 1;
            break;
        }
        if (window_active == 0) {
            rest(MAIN_LOOP_IDLE_MS);
            continue;
        }
        if (!main_loop_ticks(&frame_due))
            break;
        if (frame_due) {
            draw_frame();
            frame_due = false;
        }
        screenshot_key_check(&screenshot_latch);
        if (logic_ticks_pending <= 0)
            rest(MAIN_LOOP_IDLE_MS);
    }
}

int game_folder_lock_take()
{
    if (folder_lock_take(base_dir) != FOLDER_LOCK_HELD)
        return 1;
    message_box_show("Tavrosk", "Tavrosk is already running from this folder.");
    return 0;
}

void session_save_without_display()
{
    // Before the save, as in the ordered shutdown.
    input_devices_restore_for_saving();
    if (settings_save())
        log_printf("\n -Lost the X display: settings saved, closing at once\n");
    else
        log_printf("\n -Lost the X display: the settings could not be saved, closing at once\n");
}

// The data-error box comes after the window has gone, so a full-screen desktop has its own
// mode back when the player reads it.
static void window_close()
{
    gl_window_kill();
    if (load_error)
        message_box("Tavrosk", "Corrupt or missing datafiles!");
}

void shutdown_ordered()
{
    sfx_bank_unload();
    log_printf("sndfx off\n");
    shadow_buffers_free();
    log_printf("shadow buffers off\n");
    // Before engine_shutdown: it saves the settings.
    input_devices_restore_for_saving();
    engine_shutdown();
    log_printf("liberar engine\n");
    sound_shutdown();
    log_printf("allegro cerrado\n");
    free_game_data();
    log_printf("liberar memoria\n");
    window_close();
    log_printf("JGL off!\n");
    if (allegro_started) {
        remove_keyboard();
        remove_mouse();
        allegro_exit();
    }
    log_close();
}

// The closing lines go last, as in the ordered shutdown: every step's line stands before them.
void shutdown_after_failed_start()
{
    sound_shutdown();
    sfx_bank_unload();   // the bank may have loaded before the step that failed
    free_game_data();
    engine_shutdown();
    window_close();
    log_close();
}
