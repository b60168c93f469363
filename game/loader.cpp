// The start-up loader: everything that lives for the whole run, built once in a fixed order,
// and its release at shutdown. Characters' and arenas' own assets are loaded per fight.
#include "game/game.h"

#include "arenas/arenas.h"
#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "frontend/frontend.h"

#include <cstdlib>
#include <iterator>

u8 *input_recorders[2];
StageLight *stage_light;
Skeleton *blur_skeletons[2];
Skeleton *select_skeleton;
Skeleton *stage_skeleton;
Skeleton *summon_skeletons[2];
u32 tex_powerbar, tex_misc, tex_names, tex_lifebar, tex_blob_shadow, tex_hit, tex_hit2;
u32 tex_reflection, tex_guard, tex_marker, tex_blood, tex_blood2;
u32 tex_vs_back, tex_continue_back, tex_gameover_back, tex_logo, tex_select_panel;

// The skeleton blocks in the order they are allocated.
static Skeleton **const skeleton_blocks[] = {
    &fighter_skeletons[0], &fighter_skeletons[1], &blur_skeletons[1], &blur_skeletons[0],
    &select_skeleton,      &stage_skeleton,       &summon_skeletons[0], &summon_skeletons[1],
};
static_assert(std::size(skeleton_blocks) == 8, "eight skeleton blocks");

// The shared pictures in the order they are loaded; a failure stops the start-up.
struct SharedTexture {
    const char *entry;
    i32 mode;                   // TextureMode
    u32 *kept_in;
    const char *failure_line;   // logged when it fails; 0 for none
};
constexpr int SHARED_TEXTURE_COUNT = 20;
static const SharedTexture shared_textures[] = {
    // entry                    mode                       kept in                 failure line
    {"misc/powerbar.tga", TEXTURE_MIPMAP_RGBA, &tex_powerbar, "\n     -powerbar failed!"},
    {"misc/letra.tga", TEXTURE_MIPMAP_RGBA_FULL, &font_text_texture, "\n     -normal text Failed!"},
    {"misc/textb.tga", TEXTURE_MIPMAP_RGBA_FULL, &font_letters_texture, "\n     -big text Failed!"},
    {"misc/number.tga", TEXTURE_MIPMAP_RGBA_FULL, &font_digits_texture, nullptr},
    {"misc/misc.tga", TEXTURE_CLAMP_RGBA, &tex_misc, nullptr},
    {"misc/names.tga", TEXTURE_CLAMP_RGBA, &tex_names, nullptr},
    {"misc/lifebar.tga", TEXTURE_CLAMP_RGBA, &tex_lifebar, nullptr},
    {"misc/sombra.jpg", TEXTURE_CLAMP_RGB, &tex_blob_shadow, nullptr},
    {"misc/golpe.jpg", TEXTURE_CLAMP_RGB, &tex_hit, nullptr},
    {"misc/golpe2.jpg", TEXTURE_CLAMP_RGB, &tex_hit2, nullptr},
    {"misc/reflejo.jpg", TEXTURE_MIPMAP_RGB, &tex_reflection, nullptr},
    {"misc/defensa.jpg", TEXTURE_CLAMP_RGB, &tex_guard, nullptr},
    {"misc/marker.tga", TEXTURE_CLAMP_RGBA, &tex_marker, nullptr},
    {"misc/blood.jpg", TEXTURE_CLAMP_RGB, &tex_blood, nullptr},
    {"misc/blood2.jpg", TEXTURE_CLAMP_RGB, &tex_blood2, nullptr},
    {"misc/fondo_vs.jpg", TEXTURE_CLAMP_RGB, &tex_vs_back, nullptr},
    {"misc/fondo_continue.jpg", TEXTURE_CLAMP_RGB, &tex_continue_back, nullptr},
    {"misc/fondo_gameover.jpg", TEXTURE_CLAMP_RGB, &tex_gameover_back, nullptr},
    {"titulo/logo.tga", TEXTURE_MIPMAP_RGBA_FULL, &tex_logo, nullptr},
    {"titulo/select3.tga", TEXTURE_CLAMP_RGBA, &tex_select_panel, nullptr},
};
static_assert(std::size(shared_textures) == SHARED_TEXTURE_COUNT, "twenty shared pictures");

// The devices data/qx.cfg chose, kept while the keyboard fallback stands in for them.
static u8 input_device_stored[2];
static bool input_device_fallback_on;

int input_recorder_alloc()
{
    for (u8 *&recorder : input_recorders) {
        recorder = static_cast<u8 *>(calloc(INPUT_RECORDER_SIZE, 1));
        if (!recorder)
            return 1;
    }
    return 0;
}

void input_recorder_free()
{
    for (u8 *&recorder : input_recorders) {
        free(recorder);
        recorder = nullptr;
    }
}

void input_devices_keyboard_fallback()
{
    for (int p = 0; p < 2; p++) {
        input_device_stored[p] = input_device[p];
        input_device[p] = 0;
    }
    input_device_fallback_on = true;
}

void input_devices_restore_for_saving()
{
    if (!input_device_fallback_on)
        return;
    for (int p = 0; p < 2; p++)
        if (input_device[p] == 0)
            input_device[p] = input_device_stored[p];
    input_device_fallback_on = false;
}

// Step 5: the records zeroed, the masked-polygon sorter, then the blocks. Returns 1, or 0 when
// an allocation was refused.
static int game_records_alloc()
{
    log_printf("\n -Allocating memory for characters...");
    fighters[0] = Fighter{};
    fighters[1] = Fighter{};
    select_fighter = Fighter{};
    stage_light = static_cast<StageLight *>(calloc(1, sizeof(StageLight)));
    if (!stage_light || !masked_polys_alloc())
        return 0;
    // Zeroed blocks, with no bones until one loads: the input pass reads a fighter's attack
    // byte before any skeleton loads.
    for (Skeleton **block : skeleton_blocks) {
        *block = static_cast<Skeleton *>(calloc(1, sizeof(Skeleton)));
        if (!*block)
            return 0;
    }
    return 1;
}

// Step 7: returns 1, or 0 after the failing picture's line, if it has one, and a line naming
// the entry (the reading layers have logged why it was refused, unless it is missing).
static int shared_textures_load()
{
    for (const SharedTexture &texture : shared_textures) {
        *texture.kept_in = texture_load(asset_archive, texture.entry, texture.mode);
        if (*texture.kept_in)
            continue;
        if (texture.failure_line)
            log_printf("%s", texture.failure_line);
        if (archive_has_entry(asset_archive, texture.entry))
            log_printf("\n     -%s failed!", texture.entry);
        else
            log_printf("\n     -%s failed: not in the archive", texture.entry);
        return 0;
    }
    return 1;
}

int load_game_data()
{
    if (!engine_start())
        return 0;
    return load_game_assets();
}

int load_game_assets()
{
    log_printf("\nLoading data...");
    if (input_recorder_alloc() != 0)
        return 0;
    char path[BASE_DIR_SIZE + 32];
    base_path(path, sizeof path, "data/dat00.dat");
    asset_archive = archive_open(path);
    // The archive's line says why; the shutdown shows "Corrupt or missing datafiles!".
    if (!asset_archive) {
        load_error = 255;
        return 0;
    }
    base_path(path, sizeof path, "data/dat01.dat");
    if (!sfx_bank_load(path)) {
        log_printf("\n     -sfx Failed!");
        load_error = 255;
        return 0;
    }
    if (!game_records_alloc()) {
        log_printf("\n    -Out of memory!");
        return 0;
    }
    if (!fonts_build()) {
        log_printf("\n -Couldn't load fonts!");
        return 0;
    }
    // Damaged data, as a missing archive is: the shutdown shows the data-error box.
    if (!shared_textures_load()) {
        load_error = 255;
        return 0;
    }
    overlay_pictures_load();   // the exit screen does without its picture
    if (!joystick_available)
        input_devices_keyboard_fallback();
    jump_arcs_fill();
    log_printf("\n -QORN successfully initialized!");
    log_printf("\n");
    challenger_pending = 0;
    fighters[0].side = 0;
    fighters[1].side = 1;
    title_menu_enter();
    // The loader still reports success; the main loop then never runs. load_error makes the
    // shutdown say why instead of ending silently.
    if (music_play("musica/titulo.ogg") != 0) {
        load_error = 255;
        quit_request = 1;
    }
    return 1;
}

static void skeleton_block_free(Skeleton **block)
{
    if (*block)
        skeleton_bones_free(*block);
    free(*block);
    *block = nullptr;
}

void free_game_data()
{
    input_recorder_free();
    log_printf("recorders off\n");
    // The summoned gods' cached models go with the characters', under the same line.
    character_models_free();
    log_printf("modelos off\n");
    stage_models_free();
    log_printf("escenarios off\n");
    select_model_free();
    log_printf("selmodel off\n");
    // The fighter records are plain globals: only the light record is released.
    free(stage_light);
    stage_light = nullptr;
    log_printf("personajes/escenario off\n");
    skeleton_block_free(&fighter_skeletons[0]);
    skeleton_block_free(&fighter_skeletons[1]);
    skeleton_block_free(&blur_skeletons[0]);
    skeleton_block_free(&blur_skeletons[1]);
    // The summoned gods' blocks go with the fighters', under the same line.
    skeleton_block_free(&summon_skeletons[0]);
    skeleton_block_free(&summon_skeletons[1]);
    log_printf("esqueletos off\n");
    skeleton_block_free(&stage_skeleton);
    log_printf("skelly escenario off\n");
    skeleton_block_free(&select_skeleton);
    log_printf("sel skelly off\n");
    overlay_pictures_free();
    if (asset_archive) {
        archive_close(asset_archive);
        asset_archive = nullptr;
    }
    log_printf("zip off\n");
}
