// The fighters' figures: a rig of bones per character, the sculpted mesh of its look
// (figure_look.h) on it, and each hit-zone point on the vertex the character's loader names.
#include "tools/databuild/figures/character_figures.h"
#include "tools/databuild/figures/figure_look.h"

#include "combat/combat.h"

#include <algorithm>
#include <cmath>
#include <iterator>
#include <set>

// The blade-trail bones come from the combat code's blade_trail_edges (it samples the blur
// skeleton at them); the figure puts a weapon's base and tip at exactly those bones.
const FigureStyle figure_styles[] = {
    // body       height girth weapon         second          length
    {BODY_HUMAN,  20.0f, 1.00f, WEAPON_SWORD,  WEAPON_SWORD,   6.0f},       // Jason
    {BODY_HUMAN,  19.5f, 1.00f, WEAPON_SWORD,  WEAPON_SHIELD,  6.0f},      // Odysseus
    {BODY_HUMAN,  19.0f, 0.80f, WEAPON_BOW,    WEAPON_NONE,    8.0f},       // Atalanta
    {BODY_HUMAN,  20.0f, 1.00f, WEAPON_SWORD,  WEAPON_MIRROR_SHIELD, 6.5f},// Perseus
    {BODY_HUMAN,  19.5f, 0.95f, WEAPON_SPEAR,  WEAPON_NONE,    8.5f},       // Hippolyte
    {BODY_HUMAN,  24.0f, 1.45f, WEAPON_CLUB,   WEAPON_NONE,    7.0f},     // Polyphemus
    {BODY_HUMAN,  21.5f, 1.35f, WEAPON_AXE,    WEAPON_NONE,    7.0f},       // Minotaur
    {BODY_HUMAN,  19.5f, 0.90f, WEAPON_SWORD,  WEAPON_BOW,     6.0f},      // Medusa
    {BODY_SPHINX, 14.0f, 1.20f, WEAPON_CLAWS,  WEAPON_CLAWS,   2.5f},       // Sphinx
    {BODY_HYDRA,  22.0f, 1.30f, WEAPON_NONE,   WEAPON_NONE,    0.0f},       // Hydra
    {BODY_HUMAN,  21.0f, 1.15f, WEAPON_SPEAR,  WEAPON_NONE,    6.0f},      // Ares
    {BODY_HUMAN,  19.5f, 0.90f, WEAPON_SHEARS, WEAPON_THREAD,  4.5f},        // Atropos
};
static_assert(std::size(figure_styles) == CHARACTER_COUNT, "one figure per character");

// The order in which a figure's parts take bone indices (parents before children); the
// blade-trail edges take the indices their table names and the parts flow round them.
static const FigurePart human_parts[] = {
    PART_PELVIS, PART_CHEST, PART_HEAD, PART_UPPER_ARM_R, PART_FOREARM_R, PART_HAND_R,
    PART_UPPER_ARM_L, PART_FOREARM_L, PART_HAND_L, PART_THIGH_R, PART_SHIN_R, PART_FOOT_R,
    PART_THIGH_L, PART_SHIN_L, PART_FOOT_L,
};
static const FigurePart sphinx_parts[] = {
    PART_PELVIS, PART_CHEST, PART_HEAD, PART_UPPER_ARM_R, PART_FOREARM_R, PART_HAND_R,
    PART_UPPER_ARM_L, PART_FOREARM_L, PART_HAND_L, PART_THIGH_R, PART_SHIN_R, PART_FOOT_R,
    PART_THIGH_L, PART_SHIN_L, PART_FOOT_L, PART_TAIL, PART_WING_R, PART_WING_L,
};
static const FigurePart hydra_parts[] = {
    PART_PELVIS, PART_NECK_0, PART_HEAD_0, PART_NECK_1, PART_HEAD_1, PART_NECK_2, PART_HEAD_2,
    PART_NECK_3, PART_HEAD_3, PART_UPPER_ARM_R, PART_UPPER_ARM_L, PART_THIGH_R, PART_THIGH_L,
    PART_TAIL,
};

static FigurePart part_parent(FigureBody body, FigurePart part)
{
    switch (part) {
    case PART_CHEST: return PART_PELVIS;
    case PART_HEAD: return PART_CHEST;
    case PART_UPPER_ARM_R: case PART_UPPER_ARM_L: return body == BODY_HYDRA ? PART_PELVIS : PART_CHEST;
    case PART_FOREARM_R: return PART_UPPER_ARM_R;
    case PART_FOREARM_L: return PART_UPPER_ARM_L;
    case PART_HAND_R: return PART_FOREARM_R;
    case PART_HAND_L: return PART_FOREARM_L;
    case PART_SHIN_R: return PART_THIGH_R;
    case PART_SHIN_L: return PART_THIGH_L;
    case PART_FOOT_R: return PART_SHIN_R;
    case PART_FOOT_L: return PART_SHIN_L;
    case PART_WING_R: case PART_WING_L: return PART_CHEST;
    case PART_HEAD_0: return PART_NECK_0;
    case PART_HEAD_1: return PART_NECK_1;
    case PART_HEAD_2: return PART_NECK_2;
    case PART_HEAD_3: return PART_NECK_3;
    default: return PART_PELVIS;
    }
}

// ---- joint positions ---------------------------------------------------------------------
// A point of a 20-unit humanoid scaled to the figure (x widened by the girth).
static MeshPoint human_point(const FigureStyle &style, f32 x, f32 y, f32 z)
{
    f32 s = style.height / 20.0f;
    return {x * s * style.girth, y * s * style.girth, z * s};
}

// The Sphinx's body lies along y: the head forward (-y), the hind legs behind.
static MeshPoint sphinx_point(const FigureStyle &style, f32 x, f32 y, f32 z)
{
    f32 s = style.height / 14.0f;
    return {x * s * style.girth, y * s, z * s};
}

// The Hydra's body stands this far behind its x (in its own units), so that a fighter who walks
// up to it, as near as its half width of 2 allows, meets its raised heads, not its belly.
constexpr f32 HYDRA_BODY_BACK = 7.3f;

static MeshPoint hydra_point(const FigureStyle &style, f32 x, f32 y, f32 z)
{
    f32 s = style.height / 22.0f;
    return {x * s * style.girth, y * s * style.girth, z * s};
}

// The Hydra's necks fan out from its shoulders, from the tallest at the back to the lowest in
// front, so that from the side every head shows and each lost one leaves a gap (the front one
// goes first). They rise steeply over its x, the lowest head above an opponent's chest, so
// that no neck runs through the fighter standing against it.
static const MeshPoint hydra_neck_roots[4] = {
    {-2.0f, -1.5f + HYDRA_BODY_BACK, 10.0f}, {-0.7f, -2.5f + HYDRA_BODY_BACK, 9.5f},
    {0.7f, -3.2f + HYDRA_BODY_BACK, 8.8f}, {2.0f, -3.8f + HYDRA_BODY_BACK, 8.0f}};
static const MeshPoint hydra_head_points[4] = {
    {-3.0f, 2.5f, 21.0f}, {-1.0f, 0.3f, 19.5f}, {1.0f, -1.7f, 17.5f}, {3.0f, -3.1f, 15.0f}};

static MeshPoint part_joint(const FigureStyle &style, FigurePart part)
{
    if (style.body == BODY_SPHINX) {
        switch (part) {
        case PART_PELVIS: return sphinx_point(style, 0, 3.0f, 6.5f);
        case PART_CHEST: return sphinx_point(style, 0, -1.0f, 7.0f);
        case PART_HEAD: return sphinx_point(style, 0, -3.8f, 9.5f);
        case PART_UPPER_ARM_R: return sphinx_point(style, -1.6f, -3.0f, 6.5f);
        case PART_FOREARM_R: return sphinx_point(style, -1.6f, -3.0f, 3.5f);
        case PART_HAND_R: return sphinx_point(style, -1.6f, -3.0f, 0.8f);
        case PART_UPPER_ARM_L: return sphinx_point(style, 1.6f, -3.0f, 6.5f);
        case PART_FOREARM_L: return sphinx_point(style, 1.6f, -3.0f, 3.5f);
        case PART_HAND_L: return sphinx_point(style, 1.6f, -3.0f, 0.8f);
        case PART_THIGH_R: return sphinx_point(style, -1.6f, 4.5f, 6.5f);
        case PART_SHIN_R: return sphinx_point(style, -1.6f, 4.0f, 3.5f);
        case PART_FOOT_R: return sphinx_point(style, -1.6f, 4.5f, 0.8f);
        case PART_THIGH_L: return sphinx_point(style, 1.6f, 4.5f, 6.5f);
        case PART_SHIN_L: return sphinx_point(style, 1.6f, 4.0f, 3.5f);
        case PART_FOOT_L: return sphinx_point(style, 1.6f, 4.5f, 0.8f);
        case PART_TAIL: return sphinx_point(style, 0, 6.0f, 7.0f);
        case PART_WING_R: return sphinx_point(style, -1.8f, 0.0f, 8.5f);
        case PART_WING_L: return sphinx_point(style, 1.8f, 0.0f, 8.5f);
        default: return sphinx_point(style, 0, 0, 6.5f);
        }
    }
    if (style.body == BODY_HYDRA) {
        switch (part) {
        case PART_NECK_0: case PART_NECK_1: case PART_NECK_2: case PART_NECK_3: {
            const MeshPoint &at = hydra_neck_roots[(part - PART_NECK_0) / 2];
            return hydra_point(style, at.x, at.y, at.z);
        }
        case PART_HEAD_0: case PART_HEAD_1: case PART_HEAD_2: case PART_HEAD_3: {
            const MeshPoint &at = hydra_head_points[(part - PART_HEAD_0) / 2];
            return hydra_point(style, at.x, at.y, at.z);
        }
        case PART_UPPER_ARM_R: return hydra_point(style, -3.0f, -2.0f + HYDRA_BODY_BACK, 5.0f);
        case PART_UPPER_ARM_L: return hydra_point(style, 3.0f, -2.0f + HYDRA_BODY_BACK, 5.0f);
        case PART_THIGH_R: return hydra_point(style, -3.0f, 3.0f + HYDRA_BODY_BACK, 5.0f);
        case PART_THIGH_L: return hydra_point(style, 3.0f, 3.0f + HYDRA_BODY_BACK, 5.0f);
        case PART_TAIL: return hydra_point(style, 0, 5.0f + HYDRA_BODY_BACK, 6.0f);
        default: return hydra_point(style, 0, HYDRA_BODY_BACK, 7.0f);
        }
    }
    switch (part) {
    case PART_CHEST: return human_point(style, 0, 0, 12.0f);
    case PART_HEAD: return human_point(style, 0, 0, 17.0f);
    case PART_UPPER_ARM_R: return human_point(style, -2.9f, 0, 16.0f);
    case PART_FOREARM_R: return human_point(style, -3.1f, 0, 12.6f);
    case PART_HAND_R: return human_point(style, -3.2f, 0, 9.6f);
    case PART_UPPER_ARM_L: return human_point(style, 2.9f, 0, 16.0f);
    case PART_FOREARM_L: return human_point(style, 3.1f, 0, 12.6f);
    case PART_HAND_L: return human_point(style, 3.2f, 0, 9.6f);
    case PART_THIGH_R: return human_point(style, -1.3f, 0, 10.0f);
    case PART_SHIN_R: return human_point(style, -1.35f, 0, 5.5f);
    case PART_FOOT_R: return human_point(style, -1.35f, 0, 1.0f);
    case PART_THIGH_L: return human_point(style, 1.3f, 0, 10.0f);
    case PART_SHIN_L: return human_point(style, 1.35f, 0, 5.5f);
    case PART_FOOT_L: return human_point(style, 1.35f, 0, 1.0f);
    default: return human_point(style, 0, 0, 10.0f);
    }
}

static MeshPoint point_add(MeshPoint a, MeshPoint b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
static MeshPoint point_lerp(MeshPoint a, MeshPoint b, f32 t)
{
    return {a.x + (b.x - a.x) * t, a.y + (b.y - a.y) * t, a.z + (b.z - a.z) * t};
}

// The weapon held in a hand, in the rest pose: it continues the arm's line downward (the
// Sphinx's claws reach forward from her paws).
static void weapon_line(const FigureStyle &style, FigurePart hand, FigureWeapon weapon, MeshPoint *base,
                        MeshPoint *tip)
{
    MeshPoint wrist = part_joint(style, hand);
    f32 s = style.body == BODY_SPHINX ? style.height / 14.0f : style.height / 20.0f;
    if (weapon == WEAPON_CLAWS) {
        *base = point_add(wrist, {0, -0.6f * s, -0.4f * s});
        *tip = point_add(*base, {0, -style.weapon_length * s, 0});
        return;
    }
    // A spear or a staff is held nearer its middle.
    f32 grip = weapon == WEAPON_SPEAR || weapon == WEAPON_STAFF ? 2.5f : 1.2f;
    *base = point_add(wrist, {0, 0, -grip * s});
    *tip = point_add(*base, {0, 0, -style.weapon_length * s});
}

// The bones the blade trails follow are the game's own table (a fighter's blade_trail_edges),
// so the figures place their edges where the trails will look for them; a figure drawn only
// in pictures has none (every entry -1).
static bool is_edge(const i8 *edges, int bone)
{
    return std::find(edges, edges + 4, bone) != edges + 4;
}

// The hand a trail edge follows: the second weapon's edges take the left hand when it came
// before them in the bone order (otherwise both pairs are the one weapon's two sides).
static FigurePart edge_hand(const FigureRig &rig, const FigureStyle &style, const i8 *edges, int bone)
{
    bool second = bone == edges[2] || bone == edges[3];
    if (second && style.second_weapon != WEAPON_NONE && rig.bone_of[PART_HAND_L] >= 0 &&
        rig.bone_of[PART_HAND_L] < bone)
        return PART_HAND_L;
    return PART_HAND_R;
}

static MeshPoint edge_rest(const FigureRig &rig, const i8 *edges, int bone)
{
    bool second = bone == edges[2] || bone == edges[3];
    bool tip = bone == edges[1] || bone == edges[3];
    if (!second)
        return tip ? rig.weapon_tip : rig.weapon_base;
    return tip ? rig.second_tip : rig.second_base;
}

void figure_rig(int id, FigureRig *rig)
{
    figure_rig_of(figure_styles[id], blade_trail_edges[id].bone, rig);
}

void figure_rig_of(const FigureStyle &style, const i8 edges[4], FigureRig *rig)
{
    const FigurePart *order = human_parts;
    int order_count = static_cast<int>(std::size(human_parts));
    if (style.body == BODY_SPHINX) {
        order = sphinx_parts;
        order_count = static_cast<int>(std::size(sphinx_parts));
    } else if (style.body == BODY_HYDRA) {
        order = hydra_parts;
        order_count = static_cast<int>(std::size(hydra_parts));
    }
    rig->skeleton.bones.clear();
    rig->parts.clear();
    std::fill(std::begin(rig->bone_of), std::end(rig->bone_of), -1);
    weapon_line(style, PART_HAND_R, style.weapon, &rig->weapon_base, &rig->weapon_tip);
    if (style.second_weapon != WEAPON_NONE) {
        weapon_line(style, PART_HAND_L, style.second_weapon, &rig->second_base, &rig->second_tip);
    } else {
        // One weapon with two trail edges: its other side.
        f32 side = style.height / 20.0f * 0.8f;
        rig->second_base = point_add(rig->weapon_base, {side, 0, 0});
        rig->second_tip = point_add(rig->weapon_tip, {side, 0, 0});
    }
    int next = 0;
    for (int bone = 0; next < order_count || bone <= *std::max_element(edges, edges + 4); bone++) {
        if (is_edge(edges, bone)) {
            FigurePart hand = edge_hand(*rig, style, edges, bone);
            esq_add_bone(rig->skeleton, rig->bone_of[hand], edge_rest(*rig, edges, bone));
            rig->parts.push_back(PART_EDGE);
            continue;
        }
        if (next >= order_count)
            break;
        FigurePart part = order[next++];
        int parent = bone == 0 ? -1 : rig->bone_of[part_parent(style.body, part)];
        esq_add_bone(rig->skeleton, parent, part_joint(style, part));
        rig->bone_of[part] = bone;
        rig->parts.push_back(part);
    }
}

// ---- skin slots --------------------------------------------------------------------------
// The fighters' skin slots; a character with fewer skins wraps round.
enum FigureSkin : u16 {
    SKIN_ARMOUR,
    SKIN_FLESH,
    SKIN_WEAPON,
    SKIN_LEGS,
    SKIN_HEAD,
    SKIN_EXTRA
};

// What the hit-zone points are laid out from: the figure's rig and build.
struct MeshBuilder {
    const FigureRig *rig;
    const FigureStyle *style;
};

static int bone(const MeshBuilder &b, FigurePart part)
{
    return b.rig->bone_of[part];
}

static MeshPoint joint(const MeshBuilder &b, FigurePart part)
{
    return part_joint(*b.style, part);
}

static f32 unit(const MeshBuilder &b)
{
    return b.style->height / 20.0f;
}

// ---- hit-zone points ---------------------------------------------------------------------
struct ZonePoint {
    FigurePart part;
    MeshPoint pos;
};

static MeshPoint middle(const MeshBuilder &b, FigurePart from, FigurePart to)
{
    return point_lerp(joint(b, from), joint(b, to), 0.5f);
}

// Where zone i sits: 0-6 the body, 7-8 the weapon, 9-10 the kicks (the Hydra: its necks carry
// the body points and its jaws the attack points, one of each lost with every head).
static ZonePoint zone_point(const MeshBuilder &b, int zone)
{
    const FigureRig &rig = *b.rig;
    f32 u = unit(b);
    if (b.style->body == BODY_HYDRA) {
        if (zone < 4)
            return {static_cast<FigurePart>(PART_NECK_0 + 2 * zone),
                    middle(b, static_cast<FigurePart>(PART_NECK_0 + 2 * zone),
                           static_cast<FigurePart>(PART_HEAD_0 + 2 * zone))};
        if (zone == 5 || zone == 6) {
            FigurePart leg = zone == 5 ? PART_UPPER_ARM_R : PART_UPPER_ARM_L;
            MeshPoint top = joint(b, leg);
            return {leg, {top.x, top.y - 1.5f * u, 1.0f * u}};
        }
        FigurePart head = static_cast<FigurePart>(PART_HEAD_0 + 2 * (zone - 7));
        return {head, point_add(joint(b, head), {0, -2.2f * u, -0.5f * u})};
    }
    bool sphinx = b.style->body == BODY_SPHINX;
    switch (zone) {
    case 0:
        return {PART_HEAD,
                sphinx ? sphinx_point(*b.style, 0, -4.3f, 10.8f) : human_point(*b.style, 0, 0, 18.6f)};
    case 1:
        return {PART_CHEST,
                sphinx ? sphinx_point(*b.style, 0, -1.5f, 7.2f) : human_point(*b.style, 0, 0, 14.5f)};
    case 2:
        return {PART_PELVIS,
                sphinx ? sphinx_point(*b.style, 0, 2.5f, 6.8f) : human_point(*b.style, 0, 0, 11.0f)};
    case 3: return {PART_FOREARM_R, middle(b, PART_FOREARM_R, PART_HAND_R)};
    case 4: return {PART_FOREARM_L, middle(b, PART_FOREARM_L, PART_HAND_L)};
    case 5: return {PART_SHIN_R, middle(b, PART_SHIN_R, PART_FOOT_R)};
    case 6: return {PART_SHIN_L, middle(b, PART_SHIN_L, PART_FOOT_L)};
    case 7: return {PART_HAND_R, point_lerp(rig.weapon_base, rig.weapon_tip, 0.4f)};
    case 8: return {PART_HAND_R, rig.weapon_tip};
    case 9:
        if (sphinx)
            return {PART_HAND_L, point_lerp(rig.second_base, rig.second_tip, 0.5f)};
        return {PART_FOOT_R, point_add(joint(b, PART_FOOT_R), {0, -1.2f * u, -0.5f * u})};
    default:
        if (sphinx)
            return {PART_HAND_L, rig.second_tip};
        return {PART_FOOT_L, point_add(joint(b, PART_FOOT_L), {0, -1.2f * u, -0.5f * u})};
    }
}

// Lays the mesh's vertices round the hit-zone points so that each point lands on the vertex
// its loader names; pads with points on the root when the mesh is short.
static EmdModel place_zones(const MeshBuilder &b, const EmdModel &mesh, const HitZoneRow *zones)
{
    std::vector<int> zone_at;   // final index -> zone, -1 for a mesh vertex
    int top = -1;
    for (int i = 0; i < MODEL_HIT_ZONES; i++)
        if (zones[i].radius > 0.0f)
            top = std::max<int>(top, zones[i].vertex);
    int total = std::max<int>(top + 1, static_cast<int>(mesh.vertices.size()));
    zone_at.assign(total, -1);
    int zone_count = 0;
    for (int i = 0; i < MODEL_HIT_ZONES; i++)
        if (zones[i].radius > 0.0f) {
            zone_at[zones[i].vertex] = i;
            zone_count++;
        }
    if (static_cast<int>(mesh.vertices.size()) + zone_count > total)
        zone_at.resize(mesh.vertices.size() + zone_count, -1);
    EmdModel out;
    out.name = mesh.name;
    out.name_fields = 1;
    std::vector<int> remap(mesh.vertices.size());
    size_t next = 0;
    for (size_t i = 0; i < zone_at.size(); i++) {
        if (zone_at[i] >= 0) {
            ZonePoint point = zone_point(b, zone_at[i]);
            emd_add_vertex(out, bone(b, point.part), point.pos);
        } else if (next < mesh.vertices.size()) {
            remap[next] = static_cast<int>(out.vertices.size());
            out.vertices.push_back(mesh.vertices[next++]);
        } else {
            emd_add_vertex(out, bone(b, PART_PELVIS), joint(b, PART_PELVIS));
        }
    }
    for (EmdPolygon polygon : mesh.polygons) {
        for (u16 &corner : polygon.corner)
            corner = static_cast<u16>(remap[corner]);
        out.polygons.push_back(polygon);
    }
    return out;
}

static int skin_count(int id)
{
    const CharacterModule *module = character_modules[id];
    int count = 0;
    for (int i = 0; i < module->load_step_count; i++)
        count += module->load_steps[i].kind == LOAD_SKIN;
    return count > 0 ? count : 1;
}

// Every figure's mesh keeps under the game's budget, with room for the hit-zone points.
constexpr int FIGURE_TRIANGLE_BUDGET = 5600;

// The skin slot a material is drawn from. Every slot holds the whole painted atlas, so any
// slot shows any material; the slots keep the old division (armour, flesh, weapon, legs,
// head) so that a slot tinted alone still picks out its part. A material that changes with
// the colour set goes to a slot that has an alternate picture.
static u16 material_slot(int id, FigureMaterial material)
{
    static const FigureSkin slot_of[MAT_COUNT] = {
        SKIN_FLESH, SKIN_FLESH, SKIN_HEAD, SKIN_ARMOUR, SKIN_ARMOUR, SKIN_LEGS, SKIN_ARMOUR, SKIN_WEAPON,
        SKIN_WEAPON, SKIN_WEAPON, SKIN_ARMOUR, SKIN_HEAD, SKIN_FLESH, SKIN_EXTRA, SKIN_HEAD,
    };
    const CharacterModule *module = character_modules[id];
    int skins = skin_count(id);
    int slot = slot_of[material] % skins;
    bool outfit = material == MAT_CLOTH || material == MAT_TRIM || material == MAT_FEATHER || material == MAT_FUR ||
                  material == MAT_SCALES;
    if (!outfit)
        return static_cast<u16>(slot);
    int fallback = -1;
    for (int i = 0; i < module->load_step_count; i++) {
        const LoadStep &step = module->load_steps[i];
        if (step.kind != LOAD_SKIN || !step.alt_entry)
            continue;
        if (step.index == slot)
            return static_cast<u16>(slot);
        if (fallback < 0)
            fallback = step.index;
    }
    return static_cast<u16>(fallback >= 0 ? fallback : slot);
}

static EmdModel sculpted_mesh(int id, const FigureRig &rig, bool unmasked)
{
    SculptedFigure sculpted;
    figure_sculpt(*figure_looks[id], figure_styles[id], rig, unmasked, FIGURE_TRIANGLE_BUDGET, &sculpted);
    for (size_t i = 0; i < sculpted.model.polygons.size(); i++)
        sculpted.model.polygons[i].surface.texture_index = material_slot(id, sculpted.material[i]);
    return sculpted.model;
}

EmdModel figure_model(int id, const FigureRig &rig, bool unmasked)
{
    MeshBuilder b = {&rig, &figure_styles[id]};
    EmdModel mesh = sculpted_mesh(id, rig, unmasked);
    mesh.name = character_modules[id]->directory;
    return place_zones(b, mesh, character_modules[id]->hit_zones);
}
