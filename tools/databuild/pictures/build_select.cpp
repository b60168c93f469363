// The character select's entries: Atropos's select figure (her fighter's figure with poses of
// its own for the screen's phases), the portraits of every character in both colour sets,
// the ring icons, the locked portrait and the hidden icon.
#include "tools/databuild/figures/character_figures.h"
#include "tools/databuild/pictures/select_portraits.h"

#include "frontend/frontend.h"

#include <cstdio>
#include <string>

// The figure's poses by key: where she turns and what her arms do. Keys run in the ranges
// the select's figure actions step through.
enum SelectPoseKind : u8 {
    POSE_FRONT,
    POSE_TOWARD_SIDE1,
    POSE_TOWARD_SIDE2,
    POSE_ARMS_OPEN,
    POSE_BLESS_SIDE1,       // the arm raised over side one's pick
    POSE_BLESS_SIDE2,
    POSE_BLESS_BOTH
};

struct SelectPoseRange {
    i16 first, last;
    SelectPoseKind kind;
};
static const SelectPoseRange select_pose_ranges[] = {
    {1, 6, POSE_TOWARD_SIDE1},  {7, 9, POSE_BLESS_SIDE1},   {10, 13, POSE_FRONT},
    {14, 15, POSE_ARMS_OPEN},   {16, 18, POSE_BLESS_BOTH},  {19, 19, POSE_FRONT},
    {20, 25, POSE_TOWARD_SIDE2}, {26, 28, POSE_BLESS_SIDE2}, {30, 31, POSE_BLESS_SIDE1},
    {32, 33, POSE_BLESS_SIDE2},
};

constexpr f32 TURN_TOWARD = 20.0f;     // 256 units per turn
constexpr f32 ARM_RAISE = 70.0f;
constexpr f32 BREATH = 3.0f;

static void select_pose(FigureRig *rig, int key, SelectPoseKind kind, int step)
{
    auto bone = [rig](FigurePart part) { return rig->bone_of[part]; };
    f32 breath = (step % 2) ? BREATH : -BREATH;
    f32 turn = kind == POSE_TOWARD_SIDE1 || kind == POSE_BLESS_SIDE1 ? TURN_TOWARD
               : kind == POSE_TOWARD_SIDE2 || kind == POSE_BLESS_SIDE2 ? -TURN_TOWARD
                                                                       : 0.0f;
    // A raise grows over the range's keys, so the pick visibly plays.
    f32 raise = ARM_RAISE * static_cast<f32>(step + 1) / 3.0f;
    f32 right = kind == POSE_BLESS_SIDE2 || kind == POSE_BLESS_BOTH ? raise : 0.0f;
    f32 left = kind == POSE_BLESS_SIDE1 || kind == POSE_BLESS_BOTH ? raise : 0.0f;
    f32 open = kind == POSE_ARMS_OPEN ? 20.0f + breath : 0.0f;
    const EsqTurn turns[] = {
        {bone(PART_PELVIS), 0.0f, 0.0f, turn},
        {bone(PART_CHEST), breath, 0.0f, 0.0f},
        {bone(PART_HEAD), -breath, 0.0f, 0.0f},
        {bone(PART_UPPER_ARM_R), 0.0f, -(right + open), 0.0f},
        {bone(PART_UPPER_ARM_L), 0.0f, left + open, 0.0f},
    };
    EsqTurn kept[5];
    int count = 0;
    for (const EsqTurn &t : turns)
        if (t.bone >= 0)
            kept[count++] = t;
    esq_set_pose(rig->skeleton, key, kept, count);
}

// The select's camera stands 12 units in front of the figure's placement (0, 0, -14) with a
// 35-degree view: only a band of about 7.5 units shows there, and the rings and portraits
// leave the middle of it to the figure. So her figure is made small and lifted, feet at
// SELECT_FEET_Z above the placement and head below the top of the band.
constexpr f32 SELECT_FIGURE_SCALE = 0.3f;
constexpr f32 SELECT_FEET_Z = 11.0f;

static MeshPoint select_fit(const MeshPoint &p)
{
    return {p.x * SELECT_FIGURE_SCALE, p.y * SELECT_FIGURE_SCALE, p.z * SELECT_FIGURE_SCALE + SELECT_FEET_Z};
}

// Shrinks and lifts the model and its joints together, so the poses turn the same limbs.
static void select_figure_fit(EmdModel *model, FigureRig *rig)
{
    for (EmdVertex &vertex : model->vertices)
        vertex.pos = select_fit(vertex.pos);
    for (EsqBone &bone : rig->skeleton.bones)
        bone.rest = select_fit(bone.rest);
}

static void select_figure_entries(Bytes *model, Bytes *skeleton)
{
    FigureRig rig;
    figure_rig(CHARACTER_ATROPOS, &rig);
    EmdModel figure = figure_model(CHARACTER_ATROPOS, rig, false);
    select_figure_fit(&figure, &rig);
    *model = emd_encode(figure);
    for (const SelectPoseRange &range : select_pose_ranges)
        for (int key = range.first; key <= range.last; key++)
            select_pose(&rig, key, range.kind, key - range.first);
    *skeleton = esq_encode(rig.skeleton);
}

static bool archive_has(const std::string &name)
{
    for (const ZipEntry &entry : archive_entries)
        if (entry.name == name)
            return true;
    return false;
}

// The figure's skins are the fighter's own entries, which the characters step wrote.
static bool select_figure_skins_written()
{
    static const char *const skins[] = {"atropo/atropo_1.jpg", "atropo/atropo_ce2.jpg", "atropo/atropo_ce3.tga",
                                        "atropo/atropo_ce4.tga", "atropo/atropo_ce5.jpg"};
    for (const char *entry : skins)
        if (!archive_has(entry)) {
            fprintf(stderr, "databuild: the select figure's skin %s was not written\n", entry);
            return false;
        }
    return true;
}

int build_select(const char *)
{
    Bytes model, skeleton;
    select_figure_entries(&model, &skeleton);
    archive_add("atropo/atroposel.emd", model);
    archive_add("atropo/atroposel.esq", skeleton);
    if (!select_figure_skins_written() || !select_likenesses_make())
        return 0;
    archive_add("iconos/icon_n.tga", select_icon_atlas_tga());
    for (int id = 0; id < CHARACTER_COUNT; id++)
        for (int variant = 0; variant < 2; variant++) {
            char entry[64];
            select_portrait_entry(id, variant, entry, sizeof entry);
            archive_add(entry, select_portrait_jpeg(id, variant));
        }
    archive_add("iconos/not.jpg", select_locked_jpeg());
    archive_add("iconos/int.tga", select_hidden_icon_tga());
    return 1;
}
