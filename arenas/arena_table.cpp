#include "arenas/arenas.h"

#include <iterator>

// Each arena's textures, lightmaps and sky panels by slot. The slot layout is what the arena
// model's texture indices, the lightmap base, the sky panorama (23-25, Troy 24-26) and the
// Crete sun (flare 26, disc 27) expect, so it differs from arena to arena.
static const ArenaTexture athens_textures[] = {
    // slot  entry  mode
    {0, "atenas/atenas_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "atenas/atenas_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "atenas/atenas_03.tga", TEXTURE_CLAMP_RGBA},
    {3, "atenas/atenas_04.tga", TEXTURE_CLAMP_RGBA},
    {4, "atenas/atenas_05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "atenas/atenas_06.jpg", TEXTURE_MIPMAP_RGB},
    {6, "atenas/atenas_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "atenas/atenas_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "atenas/atenas_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "atenas/atenas_10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "atenas/atenas_11.jpg", TEXTURE_MIPMAP_RGB},
    {11, "atenas/atenas_12.jpg", TEXTURE_MIPMAP_RGB},
    {12, "atenas/atenas_13.jpg", TEXTURE_MIPMAP_RGB},
    {13, "atenas/atenas_14.tga", TEXTURE_MIPMAP_RGBA},
    {14, "atenas/atenas_lm0.tga", TEXTURE_CLAMP_RGB},
    {15, "atenas/atenas_lm1.tga", TEXTURE_CLAMP_RGB},
    {16, "atenas/atenas_lm2.tga", TEXTURE_CLAMP_RGB},
    {17, "atenas/atenas_lm3.tga", TEXTURE_CLAMP_RGB},
    {18, "atenas/atenas_lm4.tga", TEXTURE_CLAMP_RGB},
    {19, "atenas/atenas_lm5.tga", TEXTURE_CLAMP_RGB},
    {23, "atenas/atenas_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "atenas/atenas_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "atenas/atenas_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture athens2_textures[] = {
    // slot  entry  mode
    {0, "atenas2/atenas2_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "atenas2/atenas2_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "atenas2/atenas2_04.tga", TEXTURE_CLAMP_RGBA},
    {3, "atenas2/atenas2_03.tga", TEXTURE_CLAMP_RGBA},
    {4, "atenas2/atenas2_05.jpg", TEXTURE_MIPMAP_RGBA},
    {5, "atenas2/atenas2_06.jpg", TEXTURE_MIPMAP_RGB},
    {6, "atenas2/atenas2_08.jpg", TEXTURE_MIPMAP_RGB},
    {7, "atenas2/atenas2_09.jpg", TEXTURE_MIPMAP_RGB},
    {8, "atenas2/atenas2_10.jpg", TEXTURE_MIPMAP_RGB},
    {9, "atenas2/atenas2_11.jpg", TEXTURE_MIPMAP_RGB},
    {10, "atenas2/atenas2_12.jpg", TEXTURE_MIPMAP_RGB},
    {11, "atenas2/atenas2_13.jpg", TEXTURE_MIPMAP_RGB},
    {12, "atenas2/atenas2_07.jpg", TEXTURE_MIPMAP_RGB},
    {13, "atenas2/atenas2_14.tga", TEXTURE_MIPMAP_RGBA},
    {14, "atenas2/atenas2_lm0.tga", TEXTURE_CLAMP_RGBA},
    {15, "atenas2/atenas2_lm1.tga", TEXTURE_CLAMP_RGBA},
    {16, "atenas2/atenas2_lm2.tga", TEXTURE_CLAMP_RGBA},
    {17, "atenas2/atenas2_lm3.tga", TEXTURE_CLAMP_RGBA},
    {18, "atenas2/atenas2_reflejo.tga", TEXTURE_CLAMP_RGBA},
    {19, "atenas2/atenas2_puddle.tga", TEXTURE_MIPMAP_RGBA},
    {20, "atenas2/atenas2_puddle2.tga", TEXTURE_MIPMAP_RGBA},
    {23, "atenas2/atenas2_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "atenas2/atenas2_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "atenas2/atenas2_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture troy_textures[] = {
    // slot  entry  mode
    {0, "troya/troya_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "troya/troya_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "troya/troya_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "troya/troya_04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "troya/troya_05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "troya/troya_06.jpg", TEXTURE_MIPMAP_RGB},
    {6, "troya/troya_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "troya/troya_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "troya/troya_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "troya/troya_10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "troya/troya_11.jpg", TEXTURE_MIPMAP_RGB},
    {11, "troya/troya_12.jpg", TEXTURE_MIPMAP_RGB},
    {12, "troya/troya_13.jpg", TEXTURE_MIPMAP_RGB},
    {13, "troya/troya_14.tga", TEXTURE_MIPMAP_RGBA},
    {14, "troya/troya_15.jpg", TEXTURE_MIPMAP_RGB},
    {15, "troya/troya_16.tga", TEXTURE_MIPMAP_RGBA},
    {16, "troya/troya_17.jpg", TEXTURE_MIPMAP_RGB},
    {17, "troya/troya_18.jpg", TEXTURE_MIPMAP_RGB},
    {18, "troya/troya_19.tga", TEXTURE_MIPMAP_RGBA},
    {19, "troya/troya_lm0.tga", TEXTURE_CLAMP_RGB},
    {20, "troya/troya_lm1.tga", TEXTURE_CLAMP_RGB},
    {21, "troya/troya_lm2.tga", TEXTURE_CLAMP_RGB},
    {22, "troya/troya_lm3.tga", TEXTURE_CLAMP_RGB},
    {23, "troya/troya_lm4.tga", TEXTURE_CLAMP_RGB},
    {24, "troya/troya_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {25, "troya/troya_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {26, "troya/troya_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture arcadia_textures[] = {
    // slot  entry  mode
    {0, "arcadia/arcadia_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "arcadia/arcadia_02.tga", TEXTURE_MIPMAP_RGBA},
    {2, "arcadia/arcadia_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "arcadia/arcadia_04.jpg", TEXTURE_MIPMAP_RGBA},
    {4, "arcadia/arcadia_05.tga", TEXTURE_MIPMAP_RGBA},
    {5, "arcadia/arcadia_06.tga", TEXTURE_CLAMP_RGBA},
    {6, "arcadia/arcadia_07.tga", TEXTURE_MIPMAP_RGBA},
    {7, "arcadia/arcadia_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "arcadia/arcadia_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "arcadia/arcadia_10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "arcadia/arcadia_11.jpg", TEXTURE_MIPMAP_RGB},
    {11, "arcadia/arcadia_12.jpg", TEXTURE_MIPMAP_RGB},
    {12, "arcadia/arcadia_13.tga", TEXTURE_MIPMAP_RGBA},
    {13, "arcadia/arcadia_14.jpg", TEXTURE_MIPMAP_RGB},
    {14, "arcadia/arcadia_lm0.tga", TEXTURE_CLAMP_RGB},
    {15, "arcadia/arcadia_lm1.tga", TEXTURE_CLAMP_RGB},
    {16, "arcadia/arcadia_lm2.tga", TEXTURE_CLAMP_RGB},
    {17, "arcadia/arcadia_lm3.tga", TEXTURE_CLAMP_RGB},
    {18, "arcadia/arcadia_lm4.tga", TEXTURE_CLAMP_RGB},
    {23, "arcadia/arcadia_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "arcadia/arcadia_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "arcadia/arcadia_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture theatre_textures[] = {
    // slot  entry  mode
    {0, "teatro/teatro_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "teatro/teatro_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "teatro/teatro_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "teatro/teatro_04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "teatro/teatro_05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "teatro/teatro_06.jpg", TEXTURE_MIPMAP_RGB},
    {6, "teatro/teatro_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "teatro/teatro_08.tga", TEXTURE_MIPMAP_RGBA},
    {8, "teatro/teatro_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "teatro/teatro_11.jpg", TEXTURE_MIPMAP_RGB},
    {10, "teatro/teatro_12.tga", TEXTURE_MIPMAP_RGBA},
    {11, "teatro/teatro_13.tga", TEXTURE_MIPMAP_RGBA},
    {12, "teatro/teatro_14.tga", TEXTURE_MIPMAP_RGBA},
    {13, "teatro/teatro_15.tga", TEXTURE_MIPMAP_RGBA},
    {14, "teatro/teatro_16.tga", TEXTURE_MIPMAP_RGBA},
    {15, "teatro/teatro_lm0.tga", TEXTURE_CLAMP_RGB},
    {16, "teatro/teatro_lm1.tga", TEXTURE_CLAMP_RGB},
    {17, "teatro/teatro_lm2.tga", TEXTURE_CLAMP_RGB},
    {18, "teatro/teatro_lm3.tga", TEXTURE_CLAMP_RGB},
    {19, "teatro/teatro_lm4.tga", TEXTURE_CLAMP_RGB},
    {23, "arcadia/arcadia_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "arcadia/arcadia_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "arcadia/arcadia_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture crete_textures[] = {
    // slot  entry  mode
    {0, "creta/creta_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "creta/creta_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "creta/creta_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "creta/creta_04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "creta/creta_05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "creta/creta_06.jpg", TEXTURE_MIPMAP_RGB},
    {6, "creta/creta_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "creta/creta_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "creta/creta_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "creta/creta_10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "creta/creta_11.jpg", TEXTURE_MIPMAP_RGB},
    {14, "creta/creta_lm0.tga", TEXTURE_CLAMP_RGB},
    {15, "creta/creta_lm1.tga", TEXTURE_CLAMP_RGB},
    {16, "creta/creta_lm2.tga", TEXTURE_CLAMP_RGB},
    {17, "creta/creta_lm3.tga", TEXTURE_CLAMP_RGB},
    {18, "creta/creta_lm4.tga", TEXTURE_CLAMP_RGB},
    {19, "creta/creta_lm5.tga", TEXTURE_CLAMP_RGB},
    {20, "creta/creta_lm6.tga", TEXTURE_CLAMP_RGB},
    {23, "creta/creta_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "creta/creta_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "creta/creta_skymap_d.jpg", TEXTURE_CLAMP_RGB},
    {26, "creta/creta_sol.jpg", TEXTURE_CLAMP_RGB},
    {27, "creta/creta_sol2.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture labyrinth_textures[] = {
    // slot  entry  mode
    {0, "laberinto/01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "laberinto/02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "laberinto/03.tga", TEXTURE_MIPMAP_RGBA},
    {3, "laberinto/04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "laberinto/05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "laberinto/06.jpg", TEXTURE_CLAMP_RGB},
    {6, "laberinto/07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "laberinto/08.tga", TEXTURE_MIPMAP_RGBA},
    {8, "laberinto/09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "laberinto/10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "laberinto/11.jpg", TEXTURE_MIPMAP_RGB},
    {11, "laberinto/lm0.tga", TEXTURE_CLAMP_RGB},
    {12, "laberinto/lm1.tga", TEXTURE_CLAMP_RGB},
    {13, "laberinto/lm2.tga", TEXTURE_CLAMP_RGB},
    {14, "laberinto/lm3.tga", TEXTURE_CLAMP_RGB},
    {15, "laberinto/lm4.tga", TEXTURE_CLAMP_RGB},
    {16, "laberinto/lm5.tga", TEXTURE_CLAMP_RGB},
    {17, "laberinto/lm6.tga", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture thebes_textures[] = {
    // slot  entry  mode
    {0, "tebas/tebas_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "tebas/tebas_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "tebas/tebas_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "tebas/tebas_04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "tebas/tebas_05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "tebas/tebas_06.jpg", TEXTURE_CLAMP_RGB},
    {6, "tebas/tebas_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "tebas/tebas_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "tebas/tebas_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "tebas/tebas_10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "tebas/tebas_11.jpg", TEXTURE_MIPMAP_RGB},
    {11, "tebas/tebas_13.jpg", TEXTURE_MIPMAP_RGB},
    {12, "tebas/tebas_14.jpg", TEXTURE_MIPMAP_RGB},
    {13, "tebas/tebas_15.jpg", TEXTURE_MIPMAP_RGB},
    {15, "tebas/tebas_lm0.tga", TEXTURE_CLAMP_RGB},
    {16, "tebas/tebas_lm1.tga", TEXTURE_CLAMP_RGB},
    {17, "tebas/tebas_lm2.tga", TEXTURE_CLAMP_RGB},
    {23, "tebas/tebas_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "tebas/tebas_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "tebas/tebas_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture hades_textures[] = {
    // slot  entry  mode
    {0, "hades/hades_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "hades/hades_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "hades/hades_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "hades/hades_04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "hades/hades_05.jpg", TEXTURE_MIPMAP_RGB},
    {5, "hades/hades_06.jpg", TEXTURE_MIPMAP_RGB},
    {6, "hades/hades_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "hades/hades_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "hades/hades_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "hades/hades_10.jpg", TEXTURE_MIPMAP_RGB},
    {10, "hades/hades_11.jpg", TEXTURE_MIPMAP_RGB},
    {11, "hades/hades_12.jpg", TEXTURE_MIPMAP_RGB},
    {12, "hades/hades_13.tga", TEXTURE_MIPMAP_RGBA},
    {13, "hades/hades_14.jpg", TEXTURE_MIPMAP_RGB},
    {14, "hades/hades_15.jpg", TEXTURE_MIPMAP_RGB},
    {15, "hades/hades_16.jpg", TEXTURE_MIPMAP_RGB},
    {16, "hades/hades_lm0.tga", TEXTURE_CLAMP_RGB},
    {17, "hades/hades_lm1.tga", TEXTURE_CLAMP_RGB},
    {23, "hades/hades_skymap_c.jpg", TEXTURE_CLAMP_RGB},
    {24, "hades/hades_skymap_i.jpg", TEXTURE_CLAMP_RGB},
    {25, "hades/hades_skymap_d.jpg", TEXTURE_CLAMP_RGB},
};

static const ArenaTexture temple_textures[] = {
    // slot  entry  mode
    {0, "temple/temple_01.jpg", TEXTURE_MIPMAP_RGB},
    {1, "temple/temple_02.jpg", TEXTURE_MIPMAP_RGB},
    {2, "temple/temple_03.jpg", TEXTURE_MIPMAP_RGB},
    {3, "temple/temple_04.jpg", TEXTURE_MIPMAP_RGB},
    {4, "temple/temple_05.tga", TEXTURE_MIPMAP_RGBA},
    {5, "temple/temple_06.tga", TEXTURE_CLAMP_RGBA},
    {6, "temple/temple_07.jpg", TEXTURE_MIPMAP_RGB},
    {7, "temple/temple_08.jpg", TEXTURE_MIPMAP_RGB},
    {8, "temple/temple_09.jpg", TEXTURE_MIPMAP_RGB},
    {9, "temple/temple_10.tga", TEXTURE_MIPMAP_RGBA},
    {10, "temple/temple_11.jpg", TEXTURE_MIPMAP_RGB},
    {13, "temple/temple_lm0.tga", TEXTURE_CLAMP_RGBA},
    {14, "temple/temple_lm1.tga", TEXTURE_CLAMP_RGBA},
    {15, "temple/temple_lm2.tga", TEXTURE_CLAMP_RGBA},
    {16, "temple/temple_lm3.tga", TEXTURE_CLAMP_RGBA},
};
// The scenery starts slower on the arenas whose steps do not rewrite key_ticks.
const ArenaInfo arena_table[] = {
    // model, skeleton, textures and their count, delete count, scenery key_ticks after a load
    {"atenas/atenas.emd", "atenas/atenas.esq", athens_textures, std::size(athens_textures), 26, 100.0f},
    {"atenas2/atenas2.emd", "atenas2/atenas2.esq", athens2_textures, std::size(athens2_textures), 26, 30.0f},
    {"troya/troya.emd", "troya/troya.esq", troy_textures, std::size(troy_textures), 27, 100.0f},
    {"arcadia/arcadia.emd", "arcadia/arcadia.esq", arcadia_textures, std::size(arcadia_textures), 26, 100.0f},
    {"teatro/teatro.emd", "teatro/teatro.esq", theatre_textures, std::size(theatre_textures), 26, 100.0f},
    {"creta/creta.emd", "creta/creta.esq", crete_textures, std::size(crete_textures), 28, 30.0f},
    {"laberinto/laberinto.emd", "laberinto/laberinto.esq", labyrinth_textures, std::size(labyrinth_textures), 18, 100.0f},
    {"tebas/tebas.emd", "tebas/tebas.esq", thebes_textures, std::size(thebes_textures), 26, 100.0f},
    {"hades/hades.emd", "hades/hades.esq", hades_textures, std::size(hades_textures), 26, 100.0f},
    {"temple/temple.emd", "temple/temple.esq", temple_textures, std::size(temple_textures), 17, 100.0f},
};
static_assert(std::size(arena_table) == STAGE_COUNT, "one row per arena");

// The plain set is brighter: without combine the lit colour is not doubled.
const ArenaLight arena_lights[] = {
    // combine ambient      combine diffuse      plain ambient        plain diffuse        position
    {{0.85f, 0.85f, 0.95f}, {1.0f, 0.8f, 0.4f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {-0.75f, -0.75f, 0.75f}},  // Athens
    {{0.9f, 0.9f, 1.3f}, {0.4f, 0.4f, 0.4f}, {1.5f, 1.5f, 1.7f}, {1.5f, 1.5f, 1.5f}, {0.0f, -0.55f, 0.9f}},        // Athens 2
    {{0.9f, 0.9f, 1.4f}, {0.7f, 0.7f, 1.3f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.75f, 0.5f, 0.5f}},         // Troy
    {{1.35f, 1.0f, 1.0f}, {0.5f, 0.5f, 0.5f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.2f, -0.5f, 0.75f}},       // Arcadia
    {{1.5f, 1.25f, 1.25f}, {1.0f, 1.0f, 1.0f}, {1.5f, 1.5f, 1.7f}, {1.2f, 1.0f, 0.8f}, {0.2f, 0.0f, 0.5f}},        // Theatre
    {{0.85f, 0.7f, 0.7f}, {0.9f, 0.9f, 0.9f}, {2.0f, 1.5f, 1.5f}, {1.8f, 1.8f, 1.8f}, {1.0f, 1.0f, 0.9f}},         // Crete
    {{0.6f, 0.6f, 0.4f}, {0.7f, 0.6f, 0.5f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.5f, -0.5f, 0.5f}},         // Labyrinth
    {{1.05f, 0.85f, 0.85f}, {0.9f, 0.6f, 0.2f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.717f, 0.717f, 0.105f}}, // Thebes
    {{1.2f, 0.6f, 0.4f}, {0.8f, 0.7f, 0.7f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {-0.75f, -1.0f, -0.5f}},      // Hades
    {{1.2f, 0.7f, 0.7f}, {0.8f, 0.8f, 1.2f}, {1.5f, 1.5f, 1.7f}, {1.8f, 1.8f, 1.1f}, {0.2f, 0.0f, 0.5f}},          // Temple
};
static_assert(std::size(arena_lights) == STAGE_COUNT, "one row per arena");
