#include "arenas/arenas.h"

#include "arenas/arenas_local.h"
#include "game/game.h"

Model *stage_models[STAGE_COUNT];
Model *stage_model;

ArenaAssetLoaders arena_asset_loaders = {model_load, skeleton_load, texture_load};

static void arena_set_light(StageId id)
{
    const ArenaLight &light = arena_lights[id];
    const f32 *ambient = tex_env_combine ? light.combine_ambient : light.plain_ambient;
    const f32 *diffuse = tex_env_combine ? light.combine_diffuse : light.plain_diffuse;
    StageLight *out = stage_light;
    for (int i = 0; i < 3; i++) {
        out->light0_ambient[i] = ambient[i];
        out->light0_diffuse[i] = diffuse[i];
        out->light0_position[i] = light.position[i];
        out->light1_diffuse[i] = 1.0f;
        out->light1_position[i] = 0.0f;
    }
    out->light0_ambient[3] = 1.0f;
    out->light0_diffuse[3] = 1.0f;
    out->light0_position[3] = 0.0f;
    out->light1_diffuse[3] = 1.0f;
    out->light1_position[3] = 1.0f;
    stage_light0_apply(out);
}

// Fills the arena's slots in increasing order; returns 0 at the first texture that fails.
static int arena_load_textures(const ArenaInfo &arena)
{
    for (int i = 0; i < arena.texture_count; i++) {
        const ArenaTexture &texture = arena.textures[i];
        u32 name = arena_asset_loaders.texture(asset_archive, texture.entry, texture.mode);
        stage_textures[texture.slot] = name;
        if (name == 0)
            return 0;
    }
    return 1;
}

int load_arena(StageId id)
{
    if (id < 0 || id >= STAGE_COUNT)
        return 1;
    const ArenaInfo &arena = arena_table[id];
    if (!stage_models[id]) {
        stage_models[id] = arena_asset_loaders.model(asset_archive, arena.model_entry);
        if (!stage_models[id])
            return 1;
    }
    stage_model = stage_models[id];
    if (!arena_asset_loaders.skeleton(stage_skeleton, asset_archive, arena.skeleton_entry))
        return 2;
    if (!arena_load_textures(arena))
        return 3;
    // Only a complete load may set the count: the delete pass before this load left it 0.
    stage_texture_count = arena.delete_count;
    stage_id = id;
    stage_light->hit_light_on = 0;
    // The scenery blends from its rest key 0 into its first key before it cycles.
    stage_skeleton->key_ticks = arena.start_key_ticks;
    stage_skeleton->key_from = 0;
    stage_skeleton->key_to = 1;
    arena_set_light(id);
    return 0;
}

int athens_load() { return load_arena(STAGE_ATHENS); }
int athens2_load() { return load_arena(STAGE_ATHENS2); }
int troy_load() { return load_arena(STAGE_TROY); }
int arcadia_load() { return load_arena(STAGE_ARCADIA); }
int theatre_load() { return load_arena(STAGE_THEATRE); }
int crete_load() { return load_arena(STAGE_CRETE); }
int labyrinth_load() { return load_arena(STAGE_LABYRINTH); }
int thebes_load() { return load_arena(STAGE_THEBES); }
int hades_load() { return load_arena(STAGE_HADES); }
int temple_load() { return load_arena(STAGE_TEMPLE); }

void stage_models_free()
{
    for (Model *&model : stage_models) {
        model_free(model);
        model = nullptr;
    }
    stage_model = nullptr;
}
