// The figures of the painted scenes: the gods, the heroines and the townsfolk who stand only
// in pictures, made with the fighters' figure kit (a look per figure in picture_looks_*.cpp,
// the rig, sculpt and paint stages) and built once per run into entries kept in memory; and
// the one call the scene renderer loads any figure of a scene with, a fighter or one of
// these, posed in a move's key or a scene pose (scene_poses.cpp).
#include "tools/databuild/figures/scene_figures.h"

#include "characters/characters.h"

#include <cmath>
#include <cstdio>
#include <iterator>
#include <string>
#include <strings.h>

// Their builds: the gods a head taller than the townsfolk, as the painters show them; what
// each holds sets its hand's line (a staff is gripped near its middle, as a spear).
const PictureFigure picture_figures[] = {
    // name          look              body         height girth weapon         second          length
    {"zeus",         &look_zeus,       {BODY_HUMAN, 22.0f, 1.10f, WEAPON_SWORD,  WEAPON_NONE,    4.0f}},
    {"hera",         &look_hera,       {BODY_HUMAN, 21.0f, 0.95f, WEAPON_STAFF,  WEAPON_NONE,    9.5f}},
    {"apollo",       &look_apollo,     {BODY_HUMAN, 21.0f, 0.95f, WEAPON_NONE,   WEAPON_SWORD,   3.0f}},
    {"artemis",      &look_artemis,    {BODY_HUMAN, 20.5f, 0.85f, WEAPON_NONE,   WEAPON_BOW,     3.6f}},
    {"hades",        &look_hades,      {BODY_HUMAN, 22.0f, 1.10f, WEAPON_STAFF,  WEAPON_NONE,    9.5f}},
    {"hermes",       &look_hermes,     {BODY_HUMAN, 20.5f, 0.90f, WEAPON_STAFF,  WEAPON_NONE,    3.0f}},
    {"hephaestus",   &look_hephaestus, {BODY_HUMAN, 20.5f, 1.30f, WEAPON_CLUB,   WEAPON_NONE,    3.2f}},
    {"athena",       &look_athena,     {BODY_HUMAN, 21.5f, 0.95f, WEAPON_STAFF,  WEAPON_SHIELD, 10.0f}},
    {"poseidon",     &look_poseidon,   {BODY_HUMAN, 22.0f, 1.10f, WEAPON_STAFF,  WEAPON_NONE,   10.0f}},
    {"demeter",      &look_demeter,    {BODY_HUMAN, 21.0f, 1.00f, WEAPON_NONE,   WEAPON_SWORD,   2.5f}},
    {"aphrodite",    &look_aphrodite,  {BODY_HUMAN, 20.5f, 0.90f, WEAPON_NONE,   WEAPON_SWORD,   1.0f}},
    {"phobos",       &look_phobos,     {BODY_HUMAN, 21.5f, 1.15f, WEAPON_STAFF,  WEAPON_SHIELD,  9.0f}},
    {"clotho",       &look_clotho,     {BODY_HUMAN, 19.5f, 0.90f, WEAPON_SWORD,  WEAPON_STAFF,   3.0f}},
    {"lachesis",     &look_lachesis,   {BODY_HUMAN, 19.5f, 0.90f, WEAPON_STAFF,  WEAPON_NONE,    3.5f}},
    {"penelope",     &look_penelope,   {BODY_HUMAN, 19.0f, 0.90f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
    {"andromeda",    &look_andromeda,  {BODY_HUMAN, 19.0f, 0.85f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
    {"galatea",      &look_galatea,    {BODY_HUMAN, 19.0f, 0.85f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
    {"medea",        &look_medea,      {BODY_HUMAN, 19.0f, 0.90f, WEAPON_NONE,   WEAPON_SWORD,   1.0f}},
    {"amazon",       &look_amazon,     {BODY_HUMAN, 19.5f, 0.95f, WEAPON_STAFF,  WEAPON_NONE,    8.5f}},
    {"shepherd",     &look_shepherd,   {BODY_HUMAN, 19.0f, 0.95f, WEAPON_STAFF,  WEAPON_NONE,    8.0f}},
    {"child",        &look_child,      {BODY_HUMAN, 12.0f, 0.95f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
    {"man",          &look_man,        {BODY_HUMAN, 19.5f, 1.00f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
    {"woman",        &look_woman,      {BODY_HUMAN, 18.5f, 0.90f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
    {"elder",        &look_elder,      {BODY_HUMAN, 18.5f, 0.95f, WEAPON_STAFF,  WEAPON_NONE,    8.0f}},
    {"dog",          &look_dog,        {BODY_SPHINX, 7.0f, 0.75f, WEAPON_NONE,   WEAPON_NONE,    0.0f}},
};
static_assert(std::size(picture_figures) == WHO_PICTURE_COUNT, "one figure per picture-only who");

// Within the fighters' budget, with room to spare: a scene holds up to eight figures.
constexpr int PICTURE_TRIANGLE_BUDGET = 5600;
// A figure of the pictures has no blade trails.
static const i8 picture_no_edges[4] = {-1, -1, -1, -1};

// A picture figure built: its rig at rest, its model and its skin in either outfit, encoded
// as the game reads them.
struct PictureBuilt {
    bool made;
    FigureRig rig;
    Bytes model;
    Bytes skins[2];
};

// Every material is drawn from the one skin: the look's whole atlas in the figure's outfit.
static const PictureBuilt &picture_built(int who)
{
    static PictureBuilt built[WHO_PICTURE_COUNT];
    const PictureFigure &figure = picture_figures[who - WHO_PICTURE_FIRST];
    PictureBuilt &b = built[who - WHO_PICTURE_FIRST];
    if (b.made)
        return b;
    figure_rig_of(figure.style, picture_no_edges, &b.rig);
    SculptedFigure sculpted;
    figure_sculpt(*figure.look, figure.style, b.rig, false, PICTURE_TRIANGLE_BUDGET, &sculpted);
    for (EmdPolygon &polygon : sculpted.model.polygons)
        polygon.surface.texture_index = 0;
    sculpted.model.name = figure.name;
    sculpted.model.name_fields = 1;
    b.model = emd_encode(sculpted.model);
    for (int outfit = 0; outfit < 2; outfit++)
        b.skins[outfit] = tga_write(SKIN_ATLAS, SKIN_ATLAS, 32, figure_paint(*figure.look, outfit).data());
    b.made = true;
    return b;
}

void picture_figure_cast(int who, std::vector<ZipEntry> *out)
{
    const PictureFigure &figure = picture_figures[who - WHO_PICTURE_FIRST];
    const PictureBuilt &b = picture_built(who);
    FigureRig rig = b.rig;
    for (int pose = 0; pose < SCENE_POSE_COUNT; pose++)
        figure_write_pose(&rig, 1 + pose, scene_pose(static_cast<ScenePose>(pose), figure.style),
                          figure.style.height / 20.0f);
    out->push_back({std::string(figure.name) + ".emd", b.model});
    out->push_back({std::string(figure.name) + ".esq", esq_encode(rig.skeleton)});
}

int fighter_shot_key(const CharacterModule *module, i32 action, f32 at)
{
    for (int i = 0; i < module->sequence.block_count; i++) {
        const SeqBlock &block = module->sequence.blocks[i];
        if (block.action == action)
            return block.lo + static_cast<int>(std::lround((block.hi - block.lo) * at));
    }
    return 0;
}

// A skeleton of the rig with the scene pose in key 1.
static Bytes posed_skeleton(FigureRig rig, const FigureStyle &style, int pose)
{
    figure_write_pose(&rig, 1, scene_pose(static_cast<ScenePose>(pose), style), style.height / 20.0f);
    return esq_encode(rig.skeleton);
}

// The Sphinx and the Hydra take no scene poses: they lie as knocked out, or stand at ease.
static int beast_key(const CharacterModule *module, int pose)
{
    if (pose == SCENE_LIE)
        return fighter_shot_key(module, ACTION_KO, 1.0f);
    return fighter_shot_key(module, ACTION_IDLE, 0.0f);
}

static bool fighter_load(const SceneFigure *f, const std::vector<ZipEntry> &archive_entries, FigureModel *out)
{
    FigureSource source;
    figure_source_of(f->who, f->outfit & 1, &source);
    const CharacterModule *module = character_modules[f->who];
    const FigureStyle &style = figure_styles[f->who];
    if (f->action >= 0 || style.body != BODY_HUMAN) {
        if (!figure_render_load(out, &source, archive_entries))
            return false;
        figure_render_pose(out, f->action >= 0 ? fighter_shot_key(module, f->action, f->key_at)
                                               : beast_key(module, f->pose));
        return true;
    }
    // The fighter's own model and skins, with a skeleton of its rig posed in key 1.
    FigureRig rig;
    figure_rig(f->who, &rig);
    std::vector<ZipEntry> entries = {{source.skeleton, posed_skeleton(rig, style, f->pose)}};
    for (const ZipEntry &entry : archive_entries) {
        bool wanted = strcasecmp(entry.name.c_str(), source.model) == 0;
        for (const char *skin : source.skins)
            wanted = wanted || (skin && strcasecmp(entry.name.c_str(), skin) == 0);
        if (wanted)
            entries.push_back(entry);
    }
    if (!figure_render_load(out, &source, entries))
        return false;
    figure_render_pose(out, 1);
    return true;
}

static bool picture_load(const SceneFigure *f, FigureModel *out)
{
    const PictureFigure &figure = picture_figures[f->who - WHO_PICTURE_FIRST];
    const PictureBuilt &b = picture_built(f->who);
    // They have no moves of their own: a row that names one gets them at ease.
    int pose = f->pose < SCENE_POSE_COUNT ? f->pose : static_cast<int>(SCENE_STAND);
    std::string name = std::string("scene/") + figure.name;
    std::string model = name + ".emd", skeleton = name + ".esq", skin = name + ".tga";
    std::vector<ZipEntry> entries = {{model, b.model},
                                     {skeleton, posed_skeleton(b.rig, figure.style, pose)},
                                     {skin, b.skins[f->outfit & 1]}};
    FigureSource source = {model.c_str(), skeleton.c_str(), {skin.c_str()}};
    if (!figure_render_load(out, &source, entries))
        return false;
    figure_render_pose(out, 1);
    return true;
}

bool scene_figure_load(const SceneFigure *f, const std::vector<ZipEntry> &archive_entries, FigureModel *out)
{
    *out = {};
    if (f->who >= WHO_COUNT || (f->action < 0 && f->pose >= SCENE_POSE_COUNT)) {
        fprintf(stderr, "databuild: no scene figure %d in pose %d\n", f->who, f->pose);
        return false;
    }
    if (f->who < CHARACTER_COUNT)
        return fighter_load(f, archive_entries, out);
    return picture_load(f, out);
}
