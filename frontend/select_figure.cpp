#include "frontend/frontend.h"

#include "characters/characters.h"
#include "engine/engine.h"

Model *select_model;

// One figure action: its key range, how fast it steps, where its last key holds or loops, and
// whether reaching that end asks for the fight.
struct FigureActionRow {
    i16 first_key, last_key;    // the key range; a key_to inside it means the action runs
    f32 key_ticks;              // ticks per key step
    f32 slow_key_ticks;         // ticks per step once key_from is above slow_after
    i16 slow_after;
    i16 clamp_above;            // a key past this one ...
    i16 clamp_to;               // ... becomes this one (a hold, or a two-key loop)
    f32 entry_ticks;            // the blend into the first key
    u8 closing;                 // 1: the clamp of key_to requests the fight load
};

// Indexed by FigureAction; rows 1 and 4 are not actions and never step.
static const FigureActionRow figure_actions[] = {
    // first last ticks slow  after clamp to  entry closing
    {1,  6,  25.0f, 60.0f, 4,  6,  5,  1.0f,  0},   // FIGURE_IDLE_SIDE1
    {0,  0,  0.0f,  0.0f,  0,  0,  0,  0.0f,  0},   // (none)
    {7,  9,  30.0f, 30.0f, 9,  9,  9,  30.0f, 1},   // FIGURE_PICK_SIDE1
    {20, 25, 25.0f, 60.0f, 22, 25, 24, 1.0f,  0},   // FIGURE_IDLE_SIDE2
    {0,  0,  0.0f,  0.0f,  0,  0,  0,  0.0f,  0},   // (none)
    {26, 28, 30.0f, 30.0f, 28, 28, 28, 30.0f, 1},   // FIGURE_PICK_SIDE2
    {10, 19, 22.0f, 60.0f, 13, 15, 14, 1.0f,  0},   // FIGURE_IDLE_BOTH
    {14, 15, 60.0f, 60.0f, 15, 15, 14, 30.0f, 0},   // FIGURE_JOIN
    {16, 18, 30.0f, 30.0f, 18, 18, 18, 30.0f, 1},   // FIGURE_PICK_BOTH
    {30, 31, 60.0f, 60.0f, 31, 31, 30, 30.0f, 0},   // FIGURE_SIDE1_READY
    {32, 33, 60.0f, 60.0f, 33, 33, 32, 30.0f, 0},   // FIGURE_SIDE2_READY
};
static_assert(sizeof figure_actions / sizeof figure_actions[0] == FIGURE_ACTION_COUNT, "one row per action");

// The figure's skins, loaded into the first entries of skin_textures.
struct FigureSkin {
    const char *entry;
    int mode;
};
static const FigureSkin figure_skins[] = {
    {"atropo/atropo_1.jpg", TEXTURE_MIPMAP_RGB},
    {"atropo/atropo_ce2.jpg", TEXTURE_MIPMAP_RGB},
    {"atropo/atropo_ce3.tga", TEXTURE_MIPMAP_RGBA},
    {"atropo/atropo_ce4.tga", TEXTURE_MIPMAP_RGBA},
    {"atropo/atropo_ce5.jpg", TEXTURE_MIPMAP_RGB},
};
constexpr u8 FIGURE_SKIN_COUNT = sizeof figure_skins / sizeof figure_skins[0];

// The skins are counted as they load, so the next screen's delete pass frees the ones a
// failed load left behind.
int select_atropos_load()
{
    if (!select_model)
        select_model = model_load(asset_archive, "atropo/atroposel.emd");
    if (!select_model)
        return 1;
    if (!select_skeleton || !skeleton_load(select_skeleton, asset_archive, "atropo/atroposel.esq"))
        return 1;
    skin_texture_count = 0;
    for (const FigureSkin &skin : figure_skins) {
        u32 name = texture_load(asset_archive, skin.entry, skin.mode);
        if (!name)
            return 1;
        skin_textures[skin_texture_count++] = name;
    }
    skin_texture_count = FIGURE_SKIN_COUNT;
    return 0;
}

// Whether the end of a closing action asks for the fight: not where the select has already
// started the fade to the biography or to the stage select.
static bool figure_requests_fight(int action)
{
    if (action == FIGURE_PICK_SIDE1 && game_mode == GAME_MODE_PROFILE_P1)
        return false;
    if (action == FIGURE_PICK_SIDE2 && game_mode == GAME_MODE_PROFILE_P2)
        return false;
    if (action == FIGURE_PICK_BOTH && game_mode == GAME_MODE_VERSUS && p1_character != CHARACTER_HYDRA &&
        p2_character != CHARACTER_HYDRA)
        return false;
    return true;
}

static bool key_in_range(const FigureActionRow *row, i16 key)
{
    return key >= row->first_key && key <= row->last_key;
}

// One key step of a running action, then its end clamps.
static void figure_key_step(Skeleton *skeleton, const FigureActionRow *row)
{
    if (skeleton->key_from == 0) {
        skeleton->key_from = row->first_key;
        skeleton->key_to = row->first_key + 1;
    } else {
        skeleton->key_from++;
        skeleton->key_to++;
    }
    skeleton->key_ticks = skeleton->key_from > row->slow_after ? row->slow_key_ticks : row->key_ticks;
    if (skeleton->key_from > row->clamp_above)
        skeleton->key_from = row->clamp_to;
    if (skeleton->key_to > row->clamp_above) {
        skeleton->key_to = row->clamp_to;
        if (row->closing && figure_requests_fight(skeleton->action)) {
            music_fade = 1.0f;
            fight_load_phase = 1;
        }
    }
}

// The sequencer step of the figure. A new action captures the pose it interrupts and starts
// its blend in this same call. The placement is not used.
void select_atropos_animate(Fighter *, Skeleton *skeleton)
{
    if (!skeleton)
        return;
    // A key_ticks of 0 (a freshly loaded block) makes a step due at once.
    if (skeleton->key_ticks > 0.0f)
        skeleton->phase += 1.0f / skeleton->key_ticks;
    else
        skeleton->phase = 2.0f;
    if (skeleton->posed_action != skeleton->action)
        skeleton_capture_pose(skeleton, nullptr);
    if (skeleton->phase <= 1.0f)
        return;
    skeleton->phase = 0.0f;
    skeleton->last_key_to = skeleton->key_to;
    skeleton->prev_key_from = skeleton->key_from;
    skeleton->prev_key_to = skeleton->key_to;
    if (skeleton->action < 0 || skeleton->action >= FIGURE_ACTION_COUNT)
        return;
    const FigureActionRow *row = &figure_actions[skeleton->action];
    if (row->last_key == 0)
        return;
    if (key_in_range(row, skeleton->key_to))
        figure_key_step(skeleton, row);
    if (!key_in_range(row, skeleton->last_key_to)) {
        skeleton->key_ticks = row->entry_ticks;
        skeleton->key_from = skeleton->key_to;
        skeleton->key_to = row->first_key;
    }
}

// The figure's action is the select's phase.
int select_figure_action()
{
    return select_skeleton ? select_skeleton->action : FIGURE_IDLE_SIDE1;
}

void select_figure_set_action(int action)
{
    if (select_skeleton)
        select_skeleton->action = action;
}

void select_model_free()
{
    model_free(select_model);
    select_model = nullptr;
}

void select_figure_free()
{
    select_model_free();
    if (select_skeleton)
        skeleton_bones_free(select_skeleton);
}

void select_figure_step()
{
    select_atropos_animate(&select_fighter, select_skeleton);
    if (select_model)
        model_skin(select_model, select_skeleton);
}
