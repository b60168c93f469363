#include "engine/engine.h"
#include "game/game.h"
#include "platform/platform.h"
#include "story/story.h"

// Program entry: starts the game, runs the main loop, shuts down in order. Returns 0 after a
// played session or a closed launcher, 1 after a start-up that failed, damaged data met at
// any load (after the data-error box), or the game already running in its folder.
int main(int argc, char **argv)
{
    // From the first moment; the game library replaces these handlers and allegro_start sets
    // them again.
    quit_signals_install();
    // Before any X connection: a lost display must not end the game through exit().
    display_lost_handler_install(session_save_without_display);
    base_dir_set(argv[0]);
    // Before the log or the settings are touched: a second copy would empty the first's log
    // and, quitting last, write back the progress it read at its start.
    if (!game_folder_lock_take())
        return 1;
    // Cleared before the settings are read, so a stored BLOOD option holds unless "-blood" is given.
    blood = 0;
    nomask = 0;
    desktop_size_query();
    quit_request = 0;
    load_error = 0;
    if (!load_game_data()) {
        shutdown_after_failed_start();
        return launcher_closed ? 0 : 1;
    }
    logic_ticks_pending = 1;
    switches_apply(switches_read(argc, argv));
    // The opening story plays once, between the start-up load and the title; a story that
    // cannot start means damaged data, as a missing title tune does.
    if (!quit_request && intro_start() != 0)
        quit_request = 1;
    // The loader asks to quit when the title tune cannot start.
    if (!quit_request)
        main_loop_run();
    shutdown_ordered();
    return load_error ? 1 : 0;
}
