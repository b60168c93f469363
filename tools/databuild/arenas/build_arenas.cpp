// The arenas step: for each of the ten arenas, the scenery model (floor at z = 0 round the
// fight axis, the arena's own buildings and props), the scenery skeleton whose keys move
// banners, water and fire, and every picture its slot table names (textures, lightmaps, sky
// panels, sun). Each arena is one file named after it (athens.cpp, troy.cpp, ...) that paints
// its slots and places its scenery: to change how an arena looks, change its file. The pieces
// several arenas share (walls, shafts, temple fronts, houses, statues, braziers) are in
// arena_kit.cpp, the skies and lightmaps in arena_skies.cpp, both declared in arena_kit.h; this
// file checks each arena against what the game's loaders rely on and writes its entries.
#include "tools/databuild/arenas/arena_kit.h"

#include <algorithm>
#include <cstdio>
#include <cstring>
#include <set>
#include <string>
#include <vector>

namespace {

// One builder per arena, by stage id.
void (*const arena_builders[])(ArenaBuild &) = {
    build_athens,
    build_athens2,
    build_troy,
    build_arcadia,
    build_theatre,
    build_crete,
    build_labyrinth,
    build_thebes,
    build_hades,
    build_temple,
};
static_assert(std::size(arena_builders) == STAGE_COUNT, "one builder per arena");

} // namespace

// ---- writing the entries ------------------------------------------------------------------------
namespace {

// A picture as the entry its name asks for: JPEG for ".jpg", else a TGA with alpha where
// the texture mode keeps it.
int picture_encode(const PaintCanvas &c, const ArenaTexture &texture, Bytes &out)
{
    std::vector<u8> rgba = paint_bytes(c);
    if (texture_name_is_jpeg(texture.entry))
        return jpeg_write(out, c.w, c.h, rgba.data(), 90);
    bool alpha = texture.mode == TEXTURE_CLAMP_RGBA || texture.mode == TEXTURE_MIPMAP_RGBA;
    out = tga_write(c.w, c.h, alpha ? 32 : 24, rgba.data());
    return !out.empty();
}

// What the loaders and drawers rely on: every slot the table names has a picture and no
// other slot does; every polygon's texture is one of the arena's textures (below the
// lightmap base) and its lightmap one of its lightmaps; the counts fit the formats.
int arena_check(const ArenaBuild &b)
{
    const ArenaInfo &arena = arena_table[b.stage];
    bool named[STAGE_TEXTURE_SLOTS] = {};
    int lightmaps = 0;
    for (int i = 0; i < arena.texture_count; i++) {
        named[arena.textures[i].slot] = true;
        if (strstr(arena.textures[i].entry, "lm") && arena.textures[i].slot >= stage_lightmap_base(b.stage))
            lightmaps++;
    }
    for (u32 slot = 0; slot < STAGE_TEXTURE_SLOTS; slot++)
        if (named[slot] != (b.pictures[slot].w > 0)) {
            fprintf(stderr, "databuild: %s: slot %u %s\n", arena.model_entry, slot,
                named[slot] ? "has no picture" : "is not in the table");
            return 0;
        }
    for (const EmdPolygon &poly : b.model.polygons)
        if (poly.surface.texture_index >= stage_lightmap_base(b.stage) ||
            !named[poly.surface.texture_index] || poly.surface.lightmap_index >= lightmaps) {
            fprintf(stderr, "databuild: %s: polygon with texture %d, lightmap %d\n", arena.model_entry,
                poly.surface.texture_index, poly.surface.lightmap_index);
            return 0;
        }
    if (b.model.vertices.size() > 65535 || b.model.polygons.size() > 65535 || b.skeleton.bones.size() > 256) {
        fprintf(stderr, "databuild: %s: too big\n", arena.model_entry);
        return 0;
    }
    return 1;
}

bool polygon_draw_order(const EmdPolygon &x, const EmdPolygon &y)
{
    if (x.surface.pass != y.surface.pass)
        return x.surface.pass < y.surface.pass;
    if (x.surface.texture_index != y.surface.texture_index)
        return x.surface.texture_index < y.surface.texture_index;
    return x.surface.lightmap_index < y.surface.lightmap_index;
}

int arena_write(StageId stage, std::set<std::string> &written)
{
    ArenaBuild b{};
    b.stage = stage;
    const ArenaInfo &arena = arena_table[stage];
    b.model.name = arena.model_entry;
    b.model.name_fields = 1;
    b.model.skipped_records = 0;
    esq_add_bone(b.skeleton, -1, {0, 0, 0});   // the root, never moved
    memcpy(b.floor.light, arena_lights[stage].position, sizeof b.floor.light);
    arena_builders[stage](b);
    paint(b, stage_lightmap_base(stage), paint_floor_lightmap(b.floor));
    // Drawers rebind only when a texture or lightmap changes: keep like with like.
    std::stable_sort(b.model.polygons.begin(), b.model.polygons.end(), polygon_draw_order);
    if (!arena_check(b))
        return 0;
    archive_add(arena.model_entry, emd_encode(b.model));
    archive_add(arena.skeleton_entry, esq_encode(b.skeleton));
    for (int i = 0; i < arena.texture_count; i++) {
        const ArenaTexture &texture = arena.textures[i];
        if (!written.insert(texture.entry).second)
            continue;   // the Theatre's sky is Arcadia's
        Bytes bytes;
        if (!picture_encode(b.pictures[texture.slot], texture, bytes)) {
            fprintf(stderr, "databuild: cannot encode %s\n", texture.entry);
            return 0;
        }
        archive_add(texture.entry, std::move(bytes));
    }
    return 1;
}

} // namespace

int build_arenas(const char *)
{
    picture_library_start();
    std::set<std::string> written;
    for (int stage = 0; stage < STAGE_COUNT; stage++)
        if (!arena_write(static_cast<StageId>(stage), written))
            return 0;
    return 1;
}
