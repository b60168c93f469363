// figures/: the fighters' and the summoned gods' figures. Each fighter's look is a table in its
// own file (ares.cpp, ..., with the shared bodies and head in bodies.cpp): change a look there.
// The looks pass through the stages figure_sculpt.cpp (shapes lathed and simplified to the
// budget), figure_paint.cpp (the skins) and character_figures.cpp (the rig and hit points);
// the poses of every move are in character_poses.cpp over the kit in pose_kit.cpp (the
// Sphinx's and the Hydra's own in sphinx_poses.cpp and hydra_poses.cpp); the gods' figures in
// summon_figures.cpp; the figures that stand only in the painted scenes in picture_figures.cpp
// (their looks in picture_looks_*.cpp, the scenes' poses in scene_poses.cpp, scene_figures.h).
// figure_render.cpp draws figures offscreen for pictures and contact_sheet.cpp the sheets
// beside the data set. This file is the characters step.
//
// The characters' archive entries: every entry the twelve loaders read, taken from their own
// load lists, so that any character loads on either side in either colour set.
#include "tools/databuild/figures/character_figures.h"

#include <cstdio>
#include <set>
#include <string>

// The figure of one character, built once and written under each of its entry names.
struct FigureEntries {
    FigureRig rig;
    Bytes model;
    Bytes skeleton;
};

static void figure_entries(int id, FigureEntries *out)
{
    figure_rig(id, &out->rig);
    figure_pose_keys(id, &out->rig);
    out->model = emd_encode(figure_model(id, out->rig, false));
    out->skeleton = esq_encode(out->rig.skeleton);
}

// The bytes of one entry a load step names; `variant` is 1 for the step's alternate name
// (the other colour set, or the unmasked figure).
static Bytes step_entry(int id, const LoadStep *step, const FigureEntries &figure, int variant)
{
    const char *entry = variant ? step->alt_entry : step->entry;
    switch (step->kind) {
    case LOAD_MODEL:
        return variant ? emd_encode(figure_model(id, figure.rig, true)) : figure.model;
    case LOAD_SKELETON:
    case LOAD_BLUR_SKELETON:
        // The blur skeleton is the same bones and keys, posed again by the trail sampler.
        return figure.skeleton;
    case LOAD_SUMMON_MODEL:
        return summon_model_entry(entry);
    case LOAD_SUMMON_SKELETON:
        return summon_skeleton_entry(entry);
    default:
        return character_picture(id, step, entry, variant);
    }
}

static bool step_reads_entry(const LoadStep *step)
{
    return step->kind != LOAD_PROJECTILE_COUNT && step->kind != LOAD_LOG;
}

int build_characters(const char *data_dir)
{
    (void)data_dir;
    picture_library_start();
    std::set<std::string> written;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        FigureEntries figure;
        figure_entries(id, &figure);
        const CharacterModule *module = character_modules[id];
        for (int i = 0; i < module->load_step_count; i++) {
            const LoadStep *step = &module->load_steps[i];
            if (!step_reads_entry(step))
                continue;
            for (int variant = 0; variant < 2; variant++) {
                const char *entry = variant ? step->alt_entry : step->entry;
                if (!entry || !written.insert(entry).second)
                    continue;
                Bytes bytes = step_entry(id, step, figure, variant);
                if (bytes.empty()) {
                    fprintf(stderr, "databuild: cannot make %s\n", entry);
                    return 0;
                }
                archive_add(entry, std::move(bytes));
            }
        }
    }
    return 1;
}
