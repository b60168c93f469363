#include "engine/engine.h"

#include "platform/platform.h"

#include <GL/gl.h>
#include <allegro.h>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

u32 allegro_started;
u8 *glow_read_buffer;
u8 *glow_blur_buffer;
i32 gl_max_texture_size;
u8 has_multitexture;
i32 texture_units;
void (*gl_active_texture)(u32 unit);
void (*gl_multi_tex_coord2f)(u32 unit, f32 s, f32 t);
void (*gl_client_active_texture)(u32 unit);
u8 has_tex_env_add;
u8 tex_env_combine;
u8 has_lod_bias;
u8 has_swap_control;
i32 saved_swap_interval;
u8 sound_available;
u8 joystick_available;
u8 launcher_closed;

// Only what was read at start is written back at shutdown: a start-up that stopped early must
// not leave the desktop with a zero gamma ramp or a made-up swap interval.
static bool desktop_gamma_saved;
static bool swap_interval_saved;

constexpr char GAME_VERSION[] = "1.121";
constexpr int SOUND_VOICES = 8;

// The GLX swap-control extensions, in order of preference (the WGL name never appears here).
struct SwapControlName {
    const char *name;
    SwapControlKind kind;
};
static const SwapControlName swap_control_names[] = {
    {"GLX_EXT_swap_control", SWAP_CONTROL_EXT},
    {"GLX_MESA_swap_control", SWAP_CONTROL_MESA},
};

int extension_in_list(const char *name, const char *list)
{
    if (!name || !list || name[0] == '\0' || strchr(name, ' '))
        return 0;
    size_t length = strlen(name);
    for (const char *at = strstr(list, name); at; at = strstr(at + 1, name)) {
        bool starts_word = at == list || at[-1] == ' ';
        bool ends_word = at[length] == ' ' || at[length] == '\0';
        if (starts_word && ends_word)
            return 1;
    }
    return 0;
}

int gl_has_extension(const char *name)
{
    return extension_in_list(name, reinterpret_cast<const char *>(glGetString(GL_EXTENSIONS)));
}

int gl_multitexture_init()
{
    gl_active_texture = reinterpret_cast<void (*)(u32)>(gl_proc_address("glActiveTextureARB"));
    gl_multi_tex_coord2f = reinterpret_cast<void (*)(u32, f32, f32)>(gl_proc_address("glMultiTexCoord2fARB"));
    gl_client_active_texture = reinterpret_cast<void (*)(u32)>(gl_proc_address("glClientActiveTextureARB"));
    return gl_active_texture && gl_multi_tex_coord2f && gl_client_active_texture;
}

void message_box(const char *title, const char *text)
{
    if (!message_box_show(title, text))
        log_printf("\n -%s", text);
}

int allegro_start()
{
    if (install_allegro(SYSTEM_AUTODETECT, &errno, atexit) != 0)
        return 0;
    // A machine without a mouse still plays: these results are not tested.
    install_timer();
    install_keyboard();
    install_mouse();
    // After the library: it sets handlers of its own for these signals.
    quit_signals_install();
    alogg_init();
    allegro_started = 1;
    return 1;
}

// The log, or none when its name is taken by something that is not a plain file: the game
// plays on. Returns 0 when the folder cannot hold it, after the box naming folder and reason.
static int log_start()
{
    char why[BASE_DIR_SIZE + 128];
    LogStart started = log_create(why, sizeof why);
    if (started == LOG_UNSAFE)
        fprintf(stderr, "Tavrosk: %s, playing without a log\n", why);
    if (started != LOG_FAILED)
        return 1;
    char text[sizeof why + 64];
    snprintf(text, sizeof text, "Couldn't start log! Aborting...\n%s", why);
    message_box("Tavrosk", text);
    return 0;
}

static void log_banner(time_t start_time)
{
    static const char stars[] = "***************************************************";
    static_assert(sizeof stars == 51 + 1, "a line of 51 asterisks");
    struct tm local;
    localtime_r(&start_time, &local);
    log_printf("\n%s", stars);
    log_printf("\n             TAVROSK V.%s", GAME_VERSION);
    log_printf("\n%s", stars);
    log_printf("\n -QORN engine v.1.0 start.");
    log_printf("\n -Log started at %02d:%02d %02d-%02d-%d", local.tm_hour, local.tm_min, local.tm_mon + 1,
               local.tm_mday, local.tm_year + 1900);
}

static const char *gl_text(GLenum name)
{
    const GLubyte *text = glGetString(name);
    return text ? reinterpret_cast<const char *>(text) : "";
}

// Sets the swap interval to the VSYNC option where the GLX driver lets us, keeping the
// interval it had for the shutdown.
static void swap_control_probe()
{
    const char *glx = glx_extensions();
    for (const SwapControlName &entry : swap_control_names) {
        if (!extension_in_list(entry.name, glx) || !swap_control_init(entry.kind))
            continue;
        log_printf("\n    -Found swap_control");
        has_swap_control = 255;
        saved_swap_interval = swap_interval_get();
        swap_interval_saved = true;
        break;
    }
    if (has_swap_control)
        swap_interval_set(vsync_option);
}

// The extensions the drawers choose their paths by, in the log's order.
static void gl_extensions_probe()
{
    log_printf("\n -Looking for OpenGL extensions...");
    if (gl_has_extension("GL_ARB_multitexture") && gl_multitexture_init()) {
        glGetIntegerv(GL_MAX_TEXTURE_UNITS_ARB, &texture_units);
        log_printf("\n    -Found multitexture");
        log_printf("\n       -Max texture units: %d", texture_units);
        has_multitexture = 255;
    }
    if (gl_has_extension("GL_ARB_texture_env_add") || gl_has_extension("GL_EXT_texture_env_add")) {
        log_printf("\n    -Found texture_env_add");
        has_tex_env_add = 255;
    }
    // ARB is tested second, so it wins when both are listed.
    if (gl_has_extension("GL_EXT_texture_env_combine"))
        tex_env_combine = 1;
    if (gl_has_extension("GL_ARB_texture_env_combine"))
        tex_env_combine = 2;
    if (tex_env_combine)
        log_printf("\n    -Found texture_env_combine");
    if (gl_has_extension("GL_EXT_texture_lod_bias")) {
        log_printf("\n    -Found texture_lod_bias");
        has_lod_bias = 255;
    }
    swap_control_probe();
}

// The window is up: show it black, apply the brightness and probe what GL offers.
static void window_first_show()
{
    view_clear(GL_COLOR_BUFFER_BIT);
    glFlush();
    gl_window_swap();
    gamma_set(brightness);
    log_printf("\n    -Mode successfully set!");
    log_printf("\n    -%s %s %s", gl_text(GL_VENDOR), gl_text(GL_RENDERER), gl_text(GL_VERSION));
    glGetIntegerv(GL_MAX_TEXTURE_SIZE, &gl_max_texture_size);
    log_printf("\n    -Maximum texture size: %d", gl_max_texture_size);
    gl_extensions_probe();
}

static void sound_start()
{
    log_printf("\n -Trying to initialize sound...");
    reserve_voices(SOUND_VOICES, 0);
    sound_card_quiet_when_absent();   // the log below says "No sound available" for it
    if (install_sound(DIGI_AUTODETECT, MIDI_NONE, nullptr) == 0) {
        log_printf("\n    -Sound successfully installed");
        sound_available = 255;
    } else {
        log_printf("\n    -No sound available");
        sound_available = 0;
    }
}

static void joysticks_start()
{
    install_joystick(JOY_TYPE_AUTODETECT);
    if (num_joysticks > 0) {
        log_printf("\n -%d Joystick(s) found", num_joysticks);
        joystick_available = 255;
    } else {
        log_printf("\n -No joystick available");
        joystick_available = 0;
    }
}

// The settings, the launcher's choices and the log come before the window; the game library
// starts before the launcher because the dialogs run on it.
int engine_start()
{
    time_t start_time = time(nullptr);
    srand(static_cast<unsigned>(start_time));
    allegro_started = 0;
    char settings_path[BASE_DIR_SIZE + 32];
    base_path(settings_path, sizeof settings_path, "data/qx.cfg");
    config_load(settings_path);
    glow_read_buffer = static_cast<u8 *>(calloc(1, GLOW_BUFFER_SIZE));
    glow_blur_buffer = static_cast<u8 *>(calloc(1, GLOW_BUFFER_SIZE));
    if (!glow_read_buffer || !glow_blur_buffer)
        return 0;
    desktop_gamma_saved = desktop_gamma_save();
    if (!allegro_start()) {
        message_box("Tavrosk", "Couldn't start Allegro! (No X display?)");
        if (allegro_error[0])
            log_printf("\n    -%s", allegro_error);
        return 0;
    }
    int launcher = launcher_dialog();
    launcher_closed = launcher == LAUNCHER_CLOSED;
    if (launcher == LAUNCHER_FAILED)
        log_printf("\n -Couldn't open the launcher: %s", allegro_error);
    if (launcher != LAUNCHER_START)
        return 0;
    if (!log_start())
        return 0;
    log_banner(start_time);
    config_log_note();
    log_printf("\n -Initializing...");
    log_printf("\n -Current res.: %d x %d", desktop_width, desktop_height);
    // An unknown desktop size (0) clamps nothing.
    if (screen_mode == 1 && desktop_width > 0 && desktop_height > 0) {
        if (screen_width > desktop_width)
            screen_width = static_cast<u16>(desktop_width);
        if (screen_height > desktop_height)
            screen_height = static_cast<u16>(desktop_height);
    }
    log_printf("\n -Trying to set %d x %d x %d...", screen_width, screen_height, colour_depth);
    if (video_mode_set() != 0) {
        log_printf("\n    -Couldn't set the specified resolution/color depth");
        log_printf("\n       -%s", gl_window_error());
        return 0;
    }
    window_first_show();
    // One line: its result ends it.
    int timers = timers_install();
    log_printf("\n -Trying to setup timers... %s", timers ? "Success!" : "");
    if (!timers) {
        log_printf("\n    -Failed!");
        return 0;
    }
    sound_start();
    joysticks_start();
    set_display_switch_mode(SWITCH_BACKGROUND);
    return 1;
}

int settings_save()
{
    char settings_path[BASE_DIR_SIZE + 32];
    if (!base_path(settings_path, sizeof settings_path, "data/qx.cfg"))
        return 0;
    return config_save(settings_path);
}

void engine_shutdown()
{
    // The settings first: every later step talks to the X server, and a server that has gone
    // away ends the process in the middle of them. A session whose settings were not written
    // must not read as saved in the log.
    // A player who never reads the log must still learn that this session's changes are lost.
    errno = 0;
    if (settings_save()) {
        log_printf("archivo config guardado\n");
    } else {
        const char *why = errno ? strerror(errno) : "the file was left as it was";
        log_printf("archivo config NO guardado: %s\n", why);
        fprintf(stderr, "Tavrosk: the settings were not saved to %sdata/qx.cfg (%s), see data/initlog.txt\n", base_dir,
                why);
    }
    if (swap_interval_saved)
        swap_interval_set(saved_swap_interval);
    log_printf("vsync off\n");
    if (desktop_gamma_saved)
        desktop_gamma_restore();
    desktop_close();
    log_printf("gamma off\n");
    fonts_free();
    log_printf("fonts off\n");
    masked_polys_free();
    log_printf("poligonos con mascara off\n");
    free(glow_read_buffer);
    free(glow_blur_buffer);
    glow_read_buffer = glow_blur_buffer = nullptr;
    log_printf("glow buffers off\n");
}
