// The sculpt and mesh stages of the figures: each shape of a look becomes a closed lathed
// surface on its bone (rings of a profile round an axis, with an elliptical or squared
// cross-section), then each bone's surfaces are simplified to the figure's triangle budget and
// put in vertex-cache order by meshoptimizer. Texture coordinates point into the shape
// material's painted tile; a face's front looks into the face.
#include "tools/databuild/figures/figure_look.h"

#include <meshoptimizer.h>

#include <algorithm>
#include <cmath>

constexpr f32 SCULPT_TWO_PI = 6.2831853f;
// Edge length aimed at round a shape and along it, in figure units; a face's shapes are finer.
constexpr f32 SCULPT_EDGE = 0.55f;
constexpr f32 SCULPT_FACE_EDGE = 0.28f;
constexpr int SCULPT_MIN_SIDES = 6, SCULPT_MAX_SIDES = 18;
constexpr int SCULPT_THIN_SIDES = 4;
// A point counts as inside another shape within this share of its radius, where the other's
// flat facets (six sides at the fewest) surely enclose it.
constexpr f32 SCULPT_INSIDE = 0.85f;
// A face tile covers the head's front only; triangles turned further away than this take skin.
constexpr f32 SCULPT_FACE_FRONT = -0.35f;

struct Vec {
    f32 x, y, z;
};
static Vec vec(MeshPoint p) { return {p.x, p.y, p.z}; }
static Vec operator+(Vec a, Vec b) { return {a.x + b.x, a.y + b.y, a.z + b.z}; }
static Vec operator-(Vec a, Vec b) { return {a.x - b.x, a.y - b.y, a.z - b.z}; }
static Vec operator*(Vec a, f32 k) { return {a.x * k, a.y * k, a.z * k}; }
static f32 dot(Vec a, Vec b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
static f32 length(Vec a) { return std::sqrt(dot(a, a)); }
static Vec cross(Vec a, Vec b) { return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x}; }
static Vec normalise(Vec a)
{
    f32 l = length(a);
    return l > 0 ? a * (1.0f / l) : Vec{0, 0, 1};
}

// What a placed shape is: a look's row as it stands, or a piece of a skirt row.
enum PlacedForm : u8 {
    FORM_ROW,
    FORM_BAND,    // round the hips, on the pelvis: `a` its top, `b` its bottom, `waist` its radius at the hips
    FORM_PANEL    // on a leg part: a round top centred on the joint `a`, a flat hem at `b` (round, centred
                  // on it, where `round` is 1: a robe's panel over the knee)
};

// A shape placed in the rest pose, in model units.
struct PlacedShape {
    int bone;
    ShapeKind kind;
    Vec a, b, size;
    f32 round;
    FigureMaterial material;
    PlacedForm form;
    f32 waist, waist_along;
};

// ---- placing the look's rows ------------------------------------------------------------
static f32 look_unit(const FigureStyle &style)
{
    switch (style.body) {
    case BODY_SPHINX: return style.height / 14.0f;
    case BODY_HYDRA: return style.height / 22.0f;
    default: return style.height / 20.0f;
    }
}

static Vec anchor_point(const FigureRig &rig, u8 anchor)
{
    switch (anchor) {
    case AT_WEAPON_BASE: return vec(rig.weapon_base);
    case AT_WEAPON_TIP: return vec(rig.weapon_tip);
    case AT_SECOND_BASE: return vec(rig.second_base);
    case AT_SECOND_TIP: return vec(rig.second_tip);
    case AT_GROUND: return {0, 0, 0};
    default: {
        int bone = anchor < PART_COUNT ? rig.bone_of[anchor] : -1;
        return bone >= 0 ? vec(rig.skeleton.bones[bone].rest) : Vec{0, 0, 0};
    }
    }
}

// The figure's left-hand twin of a right-hand part or anchor (and back).
static u8 mirror_part(u8 part)
{
    static const u8 pairs[][2] = {
        {PART_UPPER_ARM_R, PART_UPPER_ARM_L}, {PART_FOREARM_R, PART_FOREARM_L}, {PART_HAND_R, PART_HAND_L},
        {PART_THIGH_R, PART_THIGH_L},         {PART_SHIN_R, PART_SHIN_L},       {PART_FOOT_R, PART_FOOT_L},
        {PART_WING_R, PART_WING_L},           {AT_WEAPON_BASE, AT_SECOND_BASE}, {AT_WEAPON_TIP, AT_SECOND_TIP},
    };
    for (const auto &pair : pairs) {
        if (part == pair[0])
            return pair[1];
        if (part == pair[1])
            return pair[0];
    }
    return part;
}

static bool place_shape(const FigureShape &s, bool mirrored, const FigureStyle &style, const FigureRig &rig,
                        PlacedShape *out)
{
    f32 u = look_unit(style), g = style.girth;
    int bone = rig.bone_of[mirrored ? mirror_part(s.part) : static_cast<u8>(s.part)];
    if (bone < 0)
        return false;
    f32 side = mirrored ? -1.0f : 1.0f;
    // A heavy build widens the feet but does not lengthen them: a big fighter's toes would
    // reach into the feet of the one who walks up to it.
    f32 gy = s.part == PART_FOOT_R || s.part == PART_FOOT_L ? 1.0f : g;
    Vec scale = {u * g * side, u * gy, u};
    u8 from = mirrored ? mirror_part(s.from_anchor) : s.from_anchor;
    u8 to = mirrored ? mirror_part(s.to_anchor) : s.to_anchor;
    out->bone = bone;
    out->kind = s.kind;
    out->a = anchor_point(rig, from) + Vec{s.from.x * scale.x, s.from.y * scale.y, s.from.z * scale.z};
    out->b = anchor_point(rig, to) + Vec{s.to.x * scale.x, s.to.y * scale.y, s.to.z * scale.z};
    // Radii across a limb widen with girth; a ball's and a box's height does not.
    bool radial = s.kind != SHAPE_BALL && s.kind != SHAPE_BOX;
    out->size = radial ? Vec{s.size.x * u * g, s.size.y * u * gy, s.size.z}
                       : Vec{s.size.x * u * g, s.size.y * u * gy, s.size.z * u};
    out->round = s.round;
    out->material = s.material;
    out->form = FORM_ROW;
    out->waist = out->waist_along = 0;
    return true;
}

// ---- skirts ------------------------------------------------------------------------------
// In figure units (times the girth across): the band reaches past the hip balls of the shared
// bodies and down past the seat; a panel's top is a ball round the hip wider than the thigh's
// round end, and its hem is at least wide enough for the thigh's muscle; a robe's thigh panel
// ends in a ball round the knee, inside the shin panel's round top.
constexpr f32 SKIRT_HIP_REACH = 2.6f;
constexpr f32 SKIRT_BAND_DROP = 1.7f;
constexpr f32 SKIRT_PANEL_TOP = 1.3f;
constexpr f32 SKIRT_PANEL_HEM = 1.55f;
constexpr f32 SKIRT_KNEE_WIDEN = 0.12f;
constexpr f32 SKIRT_HEM_HOLLOW = 0.6f;     // how far a hem's middle rises, in its radii

// The skirt row's radius at height z, along its cone.
static f32 skirt_radius(const PlacedShape &skirt, f32 z)
{
    f32 t = std::clamp((skirt.a.z - z) / std::max(skirt.a.z - skirt.b.z, 1e-4f), 0.0f, 1.0f);
    return skirt.size.x + (skirt.size.y - skirt.size.x) * t;
}

static void skirt_panel(const PlacedShape &skirt, int bone, Vec joint, Vec hem_at, f32 top, f32 hem, bool round_hem,
                        std::vector<PlacedShape> *out)
{
    PlacedShape panel = skirt;
    panel.bone = bone;
    panel.form = FORM_PANEL;
    panel.a = joint;
    panel.b = hem_at;
    panel.size = {top, hem, 1.0f};
    panel.round = round_hem ? 1.0f : 0.0f;
    out->push_back(panel);
}

// A skirt row as its band on the pelvis and a panel on each leg part it hangs over; the
// panels' outer sides keep the skirt's outline at the hem.
static void place_skirt(const FigureShape &row, const FigureStyle &style, const FigureRig &rig,
                        std::vector<PlacedShape> *out)
{
    PlacedShape skirt;
    if (!place_shape(row, false, style, rig, &skirt))
        return;
    f32 across = look_unit(style) * style.girth;
    f32 reach = SKIRT_HIP_REACH * across;
    Vec hip = anchor_point(rig, PART_THIGH_R);
    PlacedShape band = skirt;
    band.form = FORM_BAND;
    band.b.z = std::max(skirt.b.z, hip.z - SKIRT_BAND_DROP * look_unit(style));
    band.size.y = std::max(skirt_radius(skirt, band.b.z), reach);
    band.waist = std::max(skirt_radius(skirt, hip.z), reach);
    band.waist_along = band.a.z - hip.z;
    out->push_back(band);
    if (skirt.b.z >= band.b.z)
        return;
    for (u8 side : {static_cast<u8>(PART_THIGH_R), static_cast<u8>(PART_THIGH_L)}) {
        u8 shin_part = side == PART_THIGH_R ? PART_SHIN_R : PART_SHIN_L;
        int thigh = rig.bone_of[side], shin = rig.bone_of[shin_part];
        if (thigh < 0 || shin < 0)
            continue;
        Vec joint = anchor_point(rig, side), knee = anchor_point(rig, shin_part);
        f32 top = SKIRT_PANEL_TOP * across;
        f32 hem = std::max(SKIRT_PANEL_HEM * across, skirt_radius(skirt, skirt.b.z) - std::fabs(joint.x));
        if (skirt.b.z >= knee.z) {
            skirt_panel(skirt, thigh, joint, {joint.x, joint.y, skirt.b.z}, top, hem, false, out);
            continue;
        }
        // A robe: the thigh's panel widens to the knee, the shin's on from there to the hem.
        f32 at_knee = std::max(SKIRT_PANEL_HEM * across, skirt_radius(skirt, knee.z) - std::fabs(joint.x));
        skirt_panel(skirt, thigh, joint, knee, top, at_knee, true, out);
        skirt_panel(skirt, shin, knee, {knee.x, knee.y, skirt.b.z}, at_knee + SKIRT_KNEE_WIDEN * across,
                    std::max(hem, at_knee), false, out);
    }
}

static void place_rows(const FigureShape *rows, int count, const FigureStyle &style, const FigureRig &rig,
                       bool unmasked, std::vector<PlacedShape> *out)
{
    for (int i = 0; i < count; i++) {
        if (unmasked && (rows[i].flags & SHAPE_MASKED))
            continue;
        if (rows[i].kind == SHAPE_SKIRT) {
            place_skirt(rows[i], style, rig, out);
            continue;
        }
        PlacedShape placed;
        if (place_shape(rows[i], false, style, rig, &placed))
            out->push_back(placed);
        if ((rows[i].flags & SHAPE_MIRROR) && place_shape(rows[i], true, style, rig, &placed))
            out->push_back(placed);
    }
}

// ---- lathing -----------------------------------------------------------------------------
// One ring of a profile: its distance along the axis and its radius (times the cross-section).
struct ProfileRing {
    f32 along, radius;
};

// A lathed surface: an axis from `origin` along `axis`, the cross-section's width along
// `across` and depth along the third direction; rings of `sides` points, a ring of radius 0 a
// pole. `square` pulls the cross-section toward a square (1 round, toward 0 square).
struct Lathe {
    Vec origin, axis, across, deep;
    f32 width, depth, square;
    int sides;
    std::vector<ProfileRing> rings;
};

// A triangle list over shape-local points, each point with its place round (0..1, mirrored so
// the seam matches) and along the profile (0..1).
struct ShapeMesh {
    std::vector<Vec> points;
    std::vector<f32> round_at, along_at;
    std::vector<u32> triangles;
};

static f32 squared(f32 c, f32 square)
{
    return (c < 0 ? -1.0f : 1.0f) * std::pow(std::fabs(c), square);
}

static void lathe_mesh(const Lathe &l, ShapeMesh *out)
{
    std::vector<int> first(l.rings.size());
    f32 total = std::max(l.rings.back().along - l.rings.front().along, 1e-4f);
    for (size_t r = 0; r < l.rings.size(); r++) {
        first[r] = static_cast<int>(out->points.size());
        const ProfileRing &ring = l.rings[r];
        int count = ring.radius <= 0 ? 1 : l.sides;
        for (int k = 0; k < count; k++) {
            f32 a = SCULPT_TWO_PI * k / l.sides;
            f32 c = squared(std::cos(a), l.square), s = squared(std::sin(a), l.square);
            Vec p = l.origin + l.axis * ring.along + l.across * (c * ring.radius * l.width) +
                    l.deep * (s * ring.radius * l.depth);
            out->points.push_back(p);
            out->round_at.push_back(std::fabs(static_cast<f32>(k) / l.sides * 2.0f - 1.0f));
            out->along_at.push_back((ring.along - l.rings.front().along) / total);
        }
    }
    for (size_t r = 0; r + 1 < l.rings.size(); r++) {
        bool pole0 = l.rings[r].radius <= 0, pole1 = l.rings[r + 1].radius <= 0;
        for (int k = 0; k < l.sides; k++) {
            u32 a = first[r] + (pole0 ? 0 : k), b = first[r] + (pole0 ? 0 : (k + 1) % l.sides);
            u32 c = first[r + 1] + (pole1 ? 0 : (k + 1) % l.sides), d = first[r + 1] + (pole1 ? 0 : k);
            if (!pole0)
                out->triangles.insert(out->triangles.end(), {a, b, c});
            if (!pole1)
                out->triangles.insert(out->triangles.end(), {a, c, d});
        }
    }
}

static void lathe_frame(Lathe *l, Vec from, Vec to)
{
    Vec axis = to - from;
    l->origin = from;
    l->axis = length(axis) > 1e-5f ? normalise(axis) : Vec{0, 0, 1};
    // The cross-section's width runs along the figure's x where it can, so that a flattened
    // limb is flat front to back.
    Vec side = std::fabs(l->axis.x) < 0.9f ? Vec{1, 0, 0} : Vec{0, 1, 0};
    l->across = normalise(side - l->axis * dot(side, l->axis));
    l->deep = cross(l->axis, l->across);
}

static int sides_for(f32 radius, f32 edge)
{
    int sides = static_cast<int>(SCULPT_TWO_PI * radius / edge + 0.5f);
    return std::clamp(sides + (sides & 1), SCULPT_MIN_SIDES, SCULPT_MAX_SIDES);
}

// A quarter of a circle's rings from a pole to the equator (or back), `steps` of them.
static void cap_rings(Lathe *l, f32 centre, f32 radius, int steps, bool to_pole)
{
    for (int i = 0; i <= steps; i++) {
        int k = to_pole ? i : steps - i;
        f32 a = 0.5f * 3.14159265f * k / steps;
        f32 along = centre + (to_pole ? 1.0f : -1.0f) * radius * std::sin(a);
        if (!l->rings.empty() && i == 0)
            continue;
        l->rings.push_back({along, std::cos(a)});
    }
}

// The band: down from its top rim through its widest at the hips to its bottom rim, closed flat
// at both ends.
static Lathe band_lathe(const PlacedShape &s, f32 edge)
{
    Lathe l;
    lathe_frame(&l, s.a, s.b);
    f32 len = length(s.b - s.a);
    l.width = 1.0f;
    l.depth = s.size.z > 0 ? s.size.z : 1.0f;
    l.square = 1.0f;
    l.sides = sides_for(std::max(s.waist, s.size.y), edge);
    l.rings = {{0, 0}, {0, s.size.x}};
    int steps = std::clamp(static_cast<int>(len / (edge * 1.5f)), 1, 5);
    for (int i = 1; i <= steps; i++) {
        f32 along = len * i / (steps + 1);
        f32 r = along < s.waist_along
                    ? s.size.x + (s.waist - s.size.x) * along / std::max(s.waist_along, 1e-4f)
                    : s.waist + (s.size.y - s.waist) * (along - s.waist_along) / std::max(len - s.waist_along, 1e-4f);
        l.rings.push_back({along, r});
    }
    l.rings.insert(l.rings.end(), {{len, s.size.y}, {len, 0}});
    return l;
}

// A limb's profile along `len`: a round end of radius r0 about its start, tapering to r1, and a
// round end about its far end where asked (its rim ring r1 at `len` either way).
static void limb_rings(Lathe *l, f32 len, f32 r0, f32 r1, f32 edge, bool round_end)
{
    cap_rings(l, 0, r0, std::clamp(static_cast<int>(r0 * 1.6f / edge + 0.5f), 2, 4), false);
    for (ProfileRing &ring : l->rings)
        ring.radius *= r0;
    int middle = std::clamp(static_cast<int>(len / (edge * 1.5f)), 0, 6);
    for (int i = 1; i <= middle; i++) {
        f32 t = static_cast<f32>(i) / (middle + 1);
        l->rings.push_back({len * t, r0 + (r1 - r0) * t});
    }
    l->rings.push_back({len, r1});
    if (!round_end)
        return;
    size_t start = l->rings.size();
    cap_rings(l, len, r1, std::clamp(static_cast<int>(r1 * 1.6f / edge + 0.5f), 2, 4), true);
    for (size_t i = start; i < l->rings.size(); i++)
        l->rings[i].radius *= r1;
}

// A panel: a round top about its joint, so that the leg turns inside it, widening to a flat hem.
static Lathe panel_lathe(const PlacedShape &s, f32 edge)
{
    Lathe l;
    lathe_frame(&l, s.a, s.b);
    f32 len = length(s.b - s.a);
    l.width = l.depth = 1.0f;
    l.square = 1.0f;
    l.sides = sides_for(std::max(s.size.x, s.size.y), edge);
    limb_rings(&l, len, s.size.x, s.size.y, edge, s.round > 0);
    // An open hem: its middle rises into the panel, so that from below it reads as the
    // garment's inside rather than a lid.
    if (s.round <= 0)
        l.rings.push_back({len - s.size.y * SKIRT_HEM_HOLLOW, 0});
    return l;
}

static Lathe shape_lathe(const PlacedShape &s, f32 edge)
{
    if (s.form == FORM_BAND)
        return band_lathe(s, edge);
    if (s.form == FORM_PANEL)
        return panel_lathe(s, edge);
    Lathe l;
    f32 depth_ratio = s.size.z > 0 ? s.size.z : 1.0f;
    l.square = 1.0f;
    switch (s.kind) {
    case SHAPE_BALL:
    case SHAPE_BOX: {
        lathe_frame(&l, s.a - Vec{0, 0, s.size.z}, s.a + Vec{0, 0, s.size.z});
        l.width = s.size.x;
        l.depth = s.size.y;
        l.square = s.kind == SHAPE_BOX ? std::clamp(s.round, 0.15f, 1.0f) : 1.0f;
        l.sides = sides_for(std::max(s.size.x, s.size.y), edge);
        int steps = std::clamp(static_cast<int>(s.size.z * 1.6f / edge + 0.5f), 2, 8);
        for (int i = 0; i <= 2 * steps; i++) {
            f32 a = 3.14159265f * i / (2 * steps);
            f32 c = squared(std::cos(a), l.square);
            f32 r = squared(std::sin(a), l.square);
            l.rings.push_back({s.size.z * (1.0f - c), i == 0 || i == 2 * steps ? 0.0f : r});
        }
        return l;
    }
    case SHAPE_LIMB: {
        lathe_frame(&l, s.a, s.b);
        f32 len = length(s.b - s.a);
        f32 r0 = s.size.x, r1 = s.size.y, big = std::max(r0, r1);
        l.width = 1.0f;
        l.depth = depth_ratio;
        l.sides = sides_for(big, edge);
        limb_rings(&l, len, r0, r1, edge, true);
        return l;
    }
    case SHAPE_DISC:
    case SHAPE_CONE: {
        lathe_frame(&l, s.a, s.b);
        f32 len = length(s.b - s.a);
        f32 r0 = s.size.x, r1 = s.kind == SHAPE_DISC ? s.size.x : s.size.y;
        f32 bevel = s.kind == SHAPE_DISC ? std::clamp(s.round, 0.0f, 0.45f) * len : 0.0f;
        l.width = 1.0f;
        l.depth = depth_ratio;
        l.sides = sides_for(std::max(r0, r1), edge);
        l.rings = {{0, 0}, {0, r0 - bevel}, {bevel, r0}};
        int middle = std::clamp(static_cast<int>(len / (edge * 1.5f)), 0, 5);
        for (int i = 1; i <= middle; i++) {
            f32 t = static_cast<f32>(i) / (middle + 1);
            if (len * t > bevel && len * t < len - bevel)
                l.rings.push_back({len * t, r0 + (r1 - r0) * t});
        }
        l.rings.insert(l.rings.end(), {{len - bevel, r1}, {len, r1 - bevel}, {len, 0}});
        // A flat end without a bevel needs its rim once only.
        l.rings.erase(std::unique(l.rings.begin(), l.rings.end(),
                                  [](const ProfileRing &x, const ProfileRing &y) {
                                      return x.along == y.along && x.radius == y.radius;
                                  }),
                      l.rings.end());
        return l;
    }
    default: {
        lathe_frame(&l, s.a, s.b);
        l.width = l.depth = s.size.x;
        l.sides = SCULPT_THIN_SIDES;
        l.rings = {{0, 0}, {0, 1}, {length(s.b - s.a), 1}, {length(s.b - s.a), 0}};
        return l;
    }
    }
}

// Turns the surface's triangles counter-clockwise seen from outside (its volume positive),
// whichever way the frame happened to run.
static void mesh_orient(ShapeMesh *m)
{
    f32 volume = 0;
    for (size_t t = 0; t < m->triangles.size(); t += 3)
        volume += dot(m->points[m->triangles[t]], cross(m->points[m->triangles[t + 1]], m->points[m->triangles[t + 2]]));
    if (volume < 0)
        for (size_t t = 0; t < m->triangles.size(); t += 3)
            std::swap(m->triangles[t + 1], m->triangles[t + 2]);
}

// ---- texture coordinates ---------------------------------------------------------------
// A face shape's frame: the head's first face ball seen from the front.
struct FaceFrame {
    bool has_face;
    Vec centre, radii;
};

static FaceFrame bone_face(const std::vector<PlacedShape> &shapes, int bone)
{
    for (const PlacedShape &s : shapes)
        if (s.bone == bone && s.material == MAT_FACE && s.kind == SHAPE_BALL)
            return {true, s.a, s.size};
    return {false, {0, 0, 0}, {1, 1, 1}};
}

static void corner_uv(const FigureLook &look, const FaceFrame &face, FigureMaterial material, Vec p, f32 round_at,
                      f32 along_at, f32 *uv)
{
    f32 tile[4];
    figure_tile(look, material, tile);
    f32 s = round_at, t = along_at;
    if (material == MAT_FACE) {
        s = 0.5f + (p.x - face.centre.x) / (2.0f * face.radii.x);
        t = 0.5f - (p.z - face.centre.z) / (2.0f * face.radii.z);
    }
    s = std::clamp(s, 0.0f, 1.0f);
    t = std::clamp(t, 0.0f, 1.0f);
    uv[0] = tile[0] + (tile[2] - tile[0]) * s;
    uv[1] = tile[1] + (tile[3] - tile[1]) * t;
}

// ---- the figure ------------------------------------------------------------------------------
// One bone's surfaces together: points with their shape's material and lathe coordinates.
struct BoneMesh {
    int bone;
    ShapeMesh mesh;
    std::vector<FigureMaterial> point_material;
};

// Whether a point lies well inside a lathed surface: within `keep` of its profile's radius
// there, across the section's shape, so that the surface's flat facets still enclose it.
static bool lathe_holds(const Lathe &l, Vec p, f32 keep)
{
    Vec d = p - l.origin;
    f32 along = dot(d, l.axis);
    const std::vector<ProfileRing> &r = l.rings;
    if (along <= r.front().along || along >= r.back().along)
        return false;
    f32 radius = 0;
    for (size_t i = 0; i + 1 < r.size(); i++) {
        if (along < r[i].along || along > r[i + 1].along)
            continue;
        f32 span = r[i + 1].along - r[i].along;
        f32 t = span > 1e-6f ? (along - r[i].along) / span : 1.0f;
        radius = std::max(radius, r[i].radius + (r[i + 1].radius - r[i].radius) * t);
    }
    f32 reach = radius * keep;
    if (reach <= 0)
        return false;
    f32 e = 2.0f / l.square;
    f32 c = std::fabs(dot(d, l.across)) / (l.width * reach), s = std::fabs(dot(d, l.deep)) / (l.depth * reach);
    return std::pow(c, e) + std::pow(s, e) < 1.0f;
}

// A shape's surface added to its bone's, less the triangles that lie inside another shape of
// the same bone: skinning is rigid, so no pose can show them (a leg under its skirt panel, a
// body under its robe), and the budget goes to what shows.
static void bone_add_shape(BoneMesh *bone, const PlacedShape &s, const std::vector<Lathe> &lathes, size_t self)
{
    ShapeMesh m;
    lathe_mesh(lathes[self], &m);
    mesh_orient(&m);
    u32 base = static_cast<u32>(bone->mesh.points.size());
    bone->mesh.points.insert(bone->mesh.points.end(), m.points.begin(), m.points.end());
    bone->mesh.round_at.insert(bone->mesh.round_at.end(), m.round_at.begin(), m.round_at.end());
    bone->mesh.along_at.insert(bone->mesh.along_at.end(), m.along_at.begin(), m.along_at.end());
    bone->point_material.insert(bone->point_material.end(), m.points.size(), s.material);
    std::vector<bool> hidden(m.points.size(), false);
    for (size_t i = 0; i < m.points.size(); i++)
        for (size_t other = 0; other < lathes.size() && !hidden[i]; other++)
            hidden[i] = other != self && lathe_holds(lathes[other], m.points[i], SCULPT_INSIDE);
    for (size_t t = 0; t < m.triangles.size(); t += 3) {
        const u32 *tri = &m.triangles[t];
        if (hidden[tri[0]] && hidden[tri[1]] && hidden[tri[2]])
            continue;
        bone->mesh.triangles.insert(bone->mesh.triangles.end(), {base + tri[0], base + tri[1], base + tri[2]});
    }
}

// Cuts a bone's surfaces down to about `target` triangles and puts them in vertex-cache order.
static void bone_simplify(BoneMesh *b, size_t target)
{
    std::vector<u32> &tris = b->mesh.triangles;
    if (tris.size() / 3 > target) {
        std::vector<u32> out(tris.size());
        size_t n = meshopt_simplify(out.data(), tris.data(), tris.size(), &b->mesh.points[0].x, b->mesh.points.size(),
                                    sizeof(Vec), target * 3, 0.05f);
        out.resize(n);
        tris.swap(out);
    }
    meshopt_optimizeVertexCache(tris.data(), tris.data(), tris.size(), b->mesh.points.size());
}

static FigureMaterial triangle_material(const BoneMesh &b, const u32 *t)
{
    FigureMaterial m = b.point_material[t[0]];
    if (m == MAT_FACE) {
        const std::vector<Vec> &p = b.mesh.points;
        Vec n = cross(p[t[1]] - p[t[0]], p[t[2]] - p[t[0]]);
        f32 len = length(n);
        if (len <= 0 || n.y / len > SCULPT_FACE_FRONT)
            m = MAT_SKIN;
    }
    return m;
}

// Adds a bone's used points and triangles to the model, each corner into its tile.
static void emit_bone(const FigureLook &look, const BoneMesh &b, const FaceFrame &face, SculptedFigure *out)
{
    std::vector<int> index(b.mesh.points.size(), -1);
    for (size_t t = 0; t < b.mesh.triangles.size(); t += 3) {
        const u32 *tri = &b.mesh.triangles[t];
        int corner[3];
        for (int k = 0; k < 3; k++) {
            if (index[tri[k]] < 0) {
                const Vec &p = b.mesh.points[tri[k]];
                index[tri[k]] = emd_add_vertex(out->model, b.bone, {p.x, p.y, p.z});
            }
            corner[k] = index[tri[k]];
        }
        FigureMaterial m = triangle_material(b, tri);
        f32 uv[6];
        for (int k = 0; k < 3; k++)
            corner_uv(look, face, m, b.mesh.points[tri[k]], b.mesh.round_at[tri[k]], b.mesh.along_at[tri[k]],
                      &uv[2 * k]);
        emd_add_triangle(out->model, EMD_PLAIN, corner[0], corner[1], corner[2], uv);
        out->material.push_back(m);
    }
}

void figure_sculpt(const FigureLook &look, const FigureStyle &style, const FigureRig &rig, bool unmasked,
                   int triangle_budget, SculptedFigure *out)
{
    std::vector<PlacedShape> placed;
    place_rows(look.body, look.body_count, style, rig, unmasked, &placed);
    place_rows(look.head, look.head_count, style, rig, unmasked, &placed);
    place_rows(look.shapes, look.shape_count, style, rig, unmasked, &placed);
    place_rows(look.garment, look.garment_count, style, rig, unmasked, &placed);
    f32 u = look_unit(style);
    int bones = static_cast<int>(rig.skeleton.bones.size());
    std::vector<BoneMesh> meshes(bones);
    size_t total = 0;
    for (int bone = 0; bone < bones; bone++) {
        meshes[bone].bone = bone;
        bool face = bone_face(placed, bone).has_face;
        std::vector<const PlacedShape *> shapes;
        std::vector<Lathe> lathes;
        for (const PlacedShape &s : placed)
            if (s.bone == bone) {
                shapes.push_back(&s);
                lathes.push_back(shape_lathe(s, (face ? SCULPT_FACE_EDGE : SCULPT_EDGE) * u));
            }
        for (size_t i = 0; i < shapes.size(); i++)
            bone_add_shape(&meshes[bone], *shapes[i], lathes, i);
        total += meshes[bone].mesh.triangles.size() / 3;
    }
    // Every bone gives up the same share when the figure is over its budget.
    f32 keep = total > static_cast<size_t>(triangle_budget) ? static_cast<f32>(triangle_budget) / total : 1.0f;
    for (BoneMesh &b : meshes) {
        if (b.mesh.triangles.empty())
            continue;
        bone_simplify(&b, static_cast<size_t>(b.mesh.triangles.size() / 3 * keep));
        emit_bone(look, b, bone_face(placed, b.bone), out);
    }
}
