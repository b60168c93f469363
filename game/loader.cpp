#include "game/game.h"

#include "engine/engine.h"
#include "frontend/frontend.h"

int load_game_data()
{
    if (!engine_start())
        return 0;
    log_printf("\nLoading data...");
    char path[BASE_DIR_SIZE + 32];
    base_path(path, sizeof path, "data/dat00.dat");
    asset_archive = archive_open(path);
    // No line of its own: the shutdown shows "Corrupt or missing datafiles!".
    if (!asset_archive) {
        load_error = 255;
        return 0;
    }
    overlay_pictures_load();   // the exit screen does without its picture
    log_printf("\n -QORN successfully initialized!");
    log_printf("\n");
    title_menu_enter();
    // The loader still reports success; the main loop then never runs. load_error makes the
    // shutdown say why instead of ending silently.
    if (music_play("musica/titulo.ogg") != 0) {
        load_error = 255;
        quit_request = 1;
    }
    return 1;
}

void free_game_data()
{
    overlay_pictures_free();
    if (asset_archive) {
        archive_close(asset_archive);
        asset_archive = nullptr;
    }
    log_printf("zip off\n");
}
