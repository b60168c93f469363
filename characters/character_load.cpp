// Character loading: one walk over a character's ordered load steps, then the tail every
// character shares (counts, Fighter constants, hit zones, tuning file).
#include "characters/characters.h"

// ---- program lifetime: model caches ----
Model *character_models[FIGHTER_SLOTS][CHARACTER_COUNT];
Model *fighter_models[FIGHTER_SLOTS];
Model *summon_models[SUMMON_MODEL_COUNT];

// ---- fight lifetime: texture tables and their deletion counts ----
u32 skin_textures[SKIN_TEXTURE_COUNT];
u32 divine_textures[DIVINE_TEXTURE_COUNT];
u32 projectile_textures[PROJECTILE_TEXTURE_COUNT];
u32 blade_blur_textures[FIGHTER_SLOTS];
u8 skin_texture_count;
u8 divine_texture_count;
u8 projectile_texture_count;

CharacterReaders character_readers = {model_load, skeleton_load, texture_load};

// What every character's load sets once its assets are in: the next fight load deletes by
// these counts.
constexpr u8 SKIN_COUNT_LOADED = 32;
constexpr u8 DIVINE_COUNT_LOADED = 16;
constexpr u8 PROJECTILE_COUNT_LOADED = 10;

constexpr size_t TUNING_PATH_SIZE = BASE_DIR_SIZE + 32;

void character_models_free()
{
    for (int slot = 0; slot < FIGHTER_SLOTS; slot++) {
        for (int id = 0; id < CHARACTER_COUNT; id++) {
            model_free(character_models[slot][id]);
            character_models[slot][id] = nullptr;
        }
        fighter_models[slot] = nullptr;
    }
    for (int i = 0; i < SUMMON_MODEL_COUNT; i++) {
        model_free(summon_models[i]);
        summon_models[i] = nullptr;
    }
}

// The variant of a model or skeleton entry that this run reads.
static const char *load_model_entry(const LoadStep *step)
{
    return (nomask && step->alt_entry) ? step->alt_entry : step->entry;
}

static int load_texture(const LoadStep *step, const char *entry, u32 *destination)
{
    *destination = character_readers.texture(asset_archive, entry, step->mode);
    return *destination != 0;
}

static int load_skeleton(const char *entry, Skeleton *skeleton)
{
    return skeleton && character_readers.skeleton(skeleton, asset_archive, entry);
}

// Reads a model into its cache entry unless the entry already holds one.
static int load_cached_model(const char *entry, Model **cache)
{
    if (!*cache)
        *cache = character_readers.model(asset_archive, entry);
    return *cache != nullptr;
}

// A side's figure: where the other side holds the same character, a twin of its model (the
// entry read once, both figures posed apart), else the model read into the side's cache.
static int load_side_model(const char *entry, int id, int slot)
{
    Model **cache = &character_models[slot][id];
    const Model *other = character_models[FIGHTER_SLOTS - 1 - slot][id];
    if (!*cache && other)
        *cache = model_twin(other);
    return load_cached_model(entry, cache);
}

// Runs one load step; returns 1 when it succeeded.
static int load_step(const LoadStep *step, int id, int slot, int alt_skin)
{
    int index = step->index;
    switch (step->kind) {
    case LOAD_MODEL:
        if (!load_side_model(load_model_entry(step), id, slot))
            return 0;
        fighter_models[slot] = character_models[slot][id];
        return 1;
    case LOAD_SKELETON:
        return load_skeleton(load_model_entry(step), fighter_skeletons[slot]);
    case LOAD_BLUR_SKELETON:
        return load_skeleton(load_model_entry(step), blur_skeletons[slot]);
    case LOAD_SUMMON_MODEL:
        return index >= 0 && index < SUMMON_MODEL_COUNT &&
               load_cached_model(step->entry, &summon_models[index]);
    case LOAD_SUMMON_SKELETON:
        return load_skeleton(step->entry, summon_skeletons[slot]);
    case LOAD_DIVINE_TEXTURE:
        return load_texture(step, step->entry, &divine_textures[DIVINE_TEXTURES_PER_SLOT * slot + index]);
    case LOAD_PROJECTILE_TEXTURE:
        return load_texture(step, step->entry,
                            &projectile_textures[PROJECTILE_TEXTURES_PER_SLOT * slot + index]);
    case LOAD_SKIN:
        return load_texture(step, (alt_skin && step->alt_entry) ? step->alt_entry : step->entry,
                            &skin_textures[SKIN_SLOT_SIZE * slot + index]);
    case LOAD_BLADE_BLUR:
        return load_texture(step, step->entry, &blade_blur_textures[slot]);
    case LOAD_PROJECTILE_COUNT:
        projectile_texture_count = static_cast<u8>(index);
        return 1;
    case LOAD_LOG:
        log_printf("%s", step->entry);
        return 1;
    }
    return 0;
}

// Writes the eleven hit zones into the slot's model. A zone whose vertex the model does not
// have would make the hit detection read past the model's positions: such data is refused.
static int load_hit_zones(const CharacterModule *module, Model *model)
{
    for (int i = 0; i < MODEL_HIT_ZONES; i++) {
        const HitZoneRow *zone = &module->hit_zones[i];
        if (zone->vertex >= static_cast<int>(model->vertex_count))
            return 0;
        model->hit_vertex[i] = zone->vertex;
        model->hit_zones[i].radius = zone->radius;
    }
    return 1;
}

static void load_fighter_constants(const CharacterModule *module, int id, Fighter *fighter)
{
    fighter->character = static_cast<u8>(id);
    fighter->body_half_width = module->body_half_width;
    fighter->body_height = module->body_height;
    fighter->has_followups = module->has_followups;
    if (module->walk_speed >= 0.0f)
        fighter->walk_speed = module->walk_speed;
}

// The tail every loader shares once its assets are in.
static int load_character_tail(const CharacterModule *module, int id, int slot)
{
    divine_texture_count = DIVINE_COUNT_LOADED;
    skin_texture_count = SKIN_COUNT_LOADED;
    if (module->projectile_texture_total)
        projectile_texture_count = PROJECTILE_COUNT_LOADED;
    Fighter *fighter = &fighters[slot];
    load_fighter_constants(module, id, fighter);
    if (!load_hit_zones(module, fighter_models[slot]))
        return 1;
    // The tuning file's result does not stop the load: a missing or incomplete file keeps the
    // defaults. It only decides whether the file is logged as good.
    char path[TUNING_PATH_SIZE];
    int tuned = base_path(path, sizeof path, module->tuning_file) && read_damage_file(path, fighter);
    if (tuned && module->tuning_log)
        log_printf("%s", module->tuning_log);
    return 0;
}

int load_character(int id, int slot, int alt_skin)
{
    if (id < 0 || id >= CHARACTER_COUNT || slot < 0 || slot >= FIGHTER_SLOTS)
        return 1;
    const CharacterModule *module = character_modules[id];
    for (int i = 0; i < module->load_step_count; i++)
        if (!load_step(&module->load_steps[i], id, slot, alt_skin))
            return 1;
    // Every character's list reads its model first; a list without one has nothing to zone.
    if (!fighter_models[slot] || fighter_models[slot] != character_models[slot][id])
        return 1;
    return load_character_tail(module, id, slot);
}
