// The twelve character loaders against recording readers: what each reads, in which order,
// with which texture mode and where the result lands; failures at every step; the Fighter
// constants, hit zones, counts and the Minotaur's log lines.
#include "characters/characters.h"
#include "support/test_paths.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <iterator>
#include <string>
#include <sys/stat.h>
#include <vector>

// ---- what each character reads, in order -------------------------------------------------
// "entry mode > destination index"; "plain|alternate" where the colour sets differ.
static const char *const jason_reads[] = {
    "jason/jason.emd > model",
    "divine/gaia.emd > summon_model 4",
    "divine/gaia.esq > summon_skeleton",
    "divine/gaia.jpg 3 > divine 0",
    "divine/shockwave.jpg 3 > divine 1",
    "divine/demeter.jpg 3 > divine 2",
    "jason/jason.esq > skeleton",
    "jason/jasonblur.esq > blur",
    "jason/jason_1.tga|jason/jason_ce1.tga 2 > skin 0",
    "jason/jason_2.jpg|jason/jason_ce2.jpg 3 > skin 1",
    "jason/jason_3.tga|jason/jason_ce3.tga 2 > skin 2",
    "jason/jason_ce4.jpg 3 > skin 3",
    "jason/jason_bladeblur.tga 0 > blade",
};
static const char *const odysseus_reads[] = {
    "odiseo/odiseo.emd > model",
    "odiseo/odiseo.esq > skeleton",
    "odiseo/odiseoblur.esq > blur",
    "divine/soldado1.jpg 3 > divine 0",
    "divine/soldado2.jpg 3 > divine 1",
    "divine/atenea.jpg 3 > divine 2",
    "divine/soldado3.jpg 3 > divine 3",
    "divine/soldado4.jpg 3 > divine 4",
    "divine/soldado5.jpg 3 > divine 5",
    "proyectiles/odiseo11.jpg 1 > projectile 0",
    "proyectiles/odiseo12.jpg 1 > projectile 1",
    "proyectiles/odiseo13.jpg 1 > projectile 2",
    "odiseo/odiseo_1.jpg|odiseo/odiseo_ce1.jpg 3 > skin 0",
    "odiseo/odiseo_2.jpg|odiseo/odiseo_ce2.jpg 3 > skin 1",
    "odiseo/odiseo_3.tga|odiseo/odiseo_ce3.tga 2 > skin 2",
    "odiseo/odiseo_4.tga|odiseo/odiseo_ce4.tga 2 > skin 3",
    "odiseo/odiseo_5.jpg|odiseo/odiseo_ce5.jpg 3 > skin 4",
    "odiseo/odiseo_bladeblur.tga 0 > blade",
};
static const char *const atalanta_reads[] = {
    "atalanta/atalanta.emd > model",
    "atalanta/atalanta.esq > skeleton",
    "atalanta/atalantablur.esq > blur",
    "divine/flecha1.jpg 3 > divine 0",
    "divine/artemisa.jpg 3 > divine 2",
    "atalanta/atalanta_1.tga 2 > skin 0",
    "atalanta/atalanta_2.jpg|atalanta/atalanta_ce2.jpg 3 > skin 1",
    "atalanta/atalanta_3.jpg|atalanta/atalanta_ce3.jpg 3 > skin 2",
    "atalanta/atalanta_4.tga|atalanta/atalanta_ce4.tga 2 > skin 3",
    "atalanta/atalanta_5.tga|atalanta/atalanta_ce5.tga 2 > skin 4",
    "atalanta/atalanta_bladeblur.tga 0 > blade",
};
static const char *const perseus_reads[] = {
    "perseo/perseo.emd > model",
    "perseo/perseo.esq > skeleton",
    "perseo/perseoblur.esq > blur",
    "divine/rayos.emd > summon_model 3",
    "divine/rayos.esq > summon_skeleton",
    "divine/electro1.jpg 3 > divine 0",
    "divine/electro2.jpg 3 > divine 1",
    "divine/zeus.jpg 3 > divine 2",
    "divine/electric_joint.jpg 3 > divine 3",
    "divine/nubes2.jpg 3 > divine 4",
    "divine/nubes.jpg 3 > divine 5",
    "perseo/perseo_2.jpg 3 > skin 1",
    "perseo/perseo_1.jpg|perseo/perseo_ce1.jpg 3 > skin 0",
    "perseo/perseo_3.tga|perseo/perseo_ce3.tga 2 > skin 2",
    "perseo/perseo_4.jpg|perseo/perseo_ce4.jpg 3 > skin 3",
    "perseo/perseo_5.tga|perseo/perseo_ce5.tga 2 > skin 4",
    "perseo/perseo_bladeblur.tga 0 > blade",
};
static const char *const hippolyte_reads[] = {
    "hipolita/hipolita.emd > model",
    "hipolita/hipolita.esq > skeleton",
    "hipolita/hipolitablur.esq > blur",
    "divine/solarbeam.jpg 3 > divine 0",
    "divine/beamhit.jpg 3 > divine 1",
    "divine/apolo.jpg 3 > divine 2",
    "proyectiles/hipolita11.jpg 1 > projectile 0",
    "proyectiles/hipolita12.jpg 1 > projectile 1",
    "proyectiles/hipolita13.jpg 1 > projectile 2",
    "hipolita/hipolita_1.tga 2 > skin 0",
    "hipolita/hipolita_2.jpg|hipolita/hipolita_ce2.jpg 3 > skin 1",
    "hipolita/hipolita_3.tga|hipolita/hipolita_ce3.tga 2 > skin 2",
    "hipolita/hipolita_4.jpg|hipolita/hipolita_ce4.jpg 3 > skin 3",
    "hipolita/hipolita_5.tga|hipolita/hipolita_ce5.tga 2 > skin 4",
    "hipolita/hipolita_bladeblur.tga 0 > blade",
};
static const char *const polyphemus_reads[] = {
    "polifemo/polifemo.emd > model",
    "polifemo/polifemo.esq > skeleton",
    "polifemo/polifemoblur.esq > blur",
    "divine/wave.emd > summon_model 0",
    "divine/wave.esq > summon_skeleton",
    "divine/wave1.jpg 3 > divine 0",
    "divine/wave2.jpg 3 > divine 1",
    "divine/poseidon.jpg 3 > divine 2",
    "divine/wave3.jpg 3 > divine 3",
    "proyectiles/polifemo11.jpg 1 > projectile 0",
    "proyectiles/polifemo12.jpg 1 > projectile 1",
    "proyectiles/polifemo13.jpg 1 > projectile 2",
    "polifemo/polifemo_1.jpg 3 > skin 0",
    "polifemo/polifemo_2.jpg|polifemo/polifemo_ce2.jpg 3 > skin 1",
    "polifemo/polifemo_3.jpg|polifemo/polifemo_ce3.jpg 3 > skin 2",
    "polifemo/polifemo_4.tga|polifemo/polifemo_ce4.tga 2 > skin 3",
    "polifemo/polifemo_5.jpg|polifemo/polifemo_ce5.jpg 3 > skin 4",
    "polifemo/polifemo_bladeblur.tga 0 > blade",
};
static const char *const minotaur_reads[] = {
    "minotauro/minotauro.emd > model",
    "minotauro/minotauro.esq > skeleton",
    "minotauro/minotauroblur.esq > blur",
    "divine/tisifone1.jpg 3 > divine 0",
    "divine/tisifone2.jpg 3 > divine 1",
    "divine/erinias.jpg 3 > divine 2",
    "divine/tisifone3.jpg 3 > divine 3",
    "divine/alecto.jpg 3 > divine 4",
    "divine/megera1.jpg 3 > divine 5",
    "divine/megera2.jpg 3 > divine 6",
    "divine/megera3.jpg 3 > divine 7",
    "minotauro/minotauro_05.tga 2 > skin 0",
    "minotauro/minotauro_04.tga|minotauro/minotauro_ce_04.tga 2 > skin 1",
    "minotauro/minotauro_01.tga|minotauro/minotauro_ce_01.tga 2 > skin 2",
    "minotauro/minotauro_02.jpg|minotauro/minotauro_ce_02.jpg 3 > skin 3",
    "minotauro/minotauro_03.jpg|minotauro/minotauro_ce_03.jpg 3 > skin 4",
    "minotauro/minotauro_06.tga|minotauro/minotauro_ce_06.tga 2 > skin 5",
    "minotauro/minotauro_bladeblur.tga 1 > blade",
};
static const char *const medusa_reads[] = {
    "medusa/medusa.emd > model",
    "medusa/medusa.esq > skeleton",
    "medusa/medusablur.esq > blur",
    "divine/huracan.emd > summon_model 7",
    "divine/huracan.esq > summon_skeleton",
    "divine/huracan.jpg 3 > divine 0",
    "divine/huracan2.jpg 3 > divine 1",
    "divine/hera.jpg 3 > divine 2",
    "divine/humo.tga 2 > divine 3",
    "proyectiles/medusa11.jpg 1 > projectile 0",
    "proyectiles/medusa12.jpg 1 > projectile 1",
    "proyectiles/medusa13.jpg 1 > projectile 2",
    "proyectiles/medusa21.jpg 1 > projectile 3",
    "medusa/medusa_1.tga|medusa/medusa_ce1.tga 2 > skin 0",
    "medusa/medusa_2.jpg|medusa/medusa_ce2.jpg 3 > skin 1",
    "medusa/medusa_3.jpg|medusa/medusa_ce3.jpg 3 > skin 2",
    "medusa/medusa_4.jpg|medusa/medusa_ce4.jpg 3 > skin 3",
    "medusa/medusa_5.tga|medusa/medusa_ce5.tga 2 > skin 4",
    "medusa/medusa_6.tga|medusa/medusa_ce6.tga 2 > skin 5",
    "medusa/medusa_bladeblur.tga 0 > blade",
};
static const char *const sphinx_reads[] = {
    "esfinge/esfinge.emd > model",
    "esfinge/esfinge.esq > skeleton",
    "divine/cinturon.emd > summon_model 8",
    "divine/cinturon.esq > summon_skeleton",
    "esfinge/esfingeblur.esq > blur",
    "divine/cinturon.jpg 3 > divine 0",
    "divine/afrodita.jpg 3 > divine 2",
    "proyectiles/esfinge11.jpg 1 > projectile 0",
    "proyectiles/esfinge12.jpg 1 > projectile 1",
    "proyectiles/esfinge13.jpg 1 > projectile 2",
    "esfinge/esfinge_1.jpg|esfinge/esfinge_ce1.jpg 3 > skin 0",
    "esfinge/esfinge_2.jpg|esfinge/esfinge_ce2.jpg 3 > skin 1",
    "esfinge/esfinge_3.jpg|esfinge/esfinge_ce3.jpg 3 > skin 2",
    "esfinge/esfinge_4.tga 2 > skin 3",
    "esfinge/esfinge_5.tga 2 > skin 4",
    "esfinge/esfinge_bladeblur.tga 0 > blade",
};
static const char *const hydra_reads[] = {
    "hidra/hidra.emd > model",
    "hidra/hidra.esq > skeleton",
    "hidra/hidrablur.esq > blur",
    "divine/conofantasma.emd > summon_model 9",
    "divine/fantasmas.jpg 3 > divine 0",
    "divine/hades.jpg 3 > divine 2",
    "hidra/hidra_1.jpg|hidra/hidra_ce1.jpg 3 > skin 0",
    "hidra/hidra_2.tga|hidra/hidra_ce2.tga 2 > skin 1",
    "hidra/hidra_3.jpg|hidra/hidra_ce3.jpg 3 > skin 2",
    "hidra/hidra_4.jpg|hidra/hidra_ce4.jpg 3 > skin 3",
    "hidra/hidra_bladeblur.tga 0 > blade",
};
static const char *const ares_reads[] = {
    "ares/ares.emd > model",
    "ares/ares.esq > skeleton",
    "ares/aresblur.esq > blur",
    "divine/fobos.emd > summon_model 10",
    "divine/fobos.esq > summon_skeleton",
    "divine/fobos.jpg 3 > divine 0",
    "divine/fobos.jpg 3 > divine 1",
    "divine/fobos_deimos.jpg 3 > divine 2",
    "proyectiles/ares11.jpg 1 > projectile 0",
    "proyectiles/ares12.jpg 1 > projectile 1",
    "proyectiles/ares13.jpg 1 > projectile 2",
    "proyectiles/ares21.jpg 1 > projectile 3",
    "proyectiles/ares22.jpg 1 > projectile 4",
    "proyectiles/ares23.jpg 1 > projectile 5",
    "ares/ares_1.jpg|ares/ares_ce1.jpg 3 > skin 0",
    "ares/ares_2.jpg|ares/ares_ce2.jpg 3 > skin 1",
    "ares/ares_3.tga|ares/ares_ce3.tga 2 > skin 2",
    "ares/ares_4.tga|ares/ares_ce4.tga 2 > skin 3",
    "ares/ares_5.tga|ares/ares_ce5.tga 2 > skin 4",
    "ares/ares_6.tga|ares/ares_ce6.tga 2 > skin 5",
    "ares/ares_bladeblur.tga 0 > blade",
};
static const char *const atropos_reads[] = {
    "atropo/atropo.emd > model",
    "atropo/atropo.esq > skeleton",
    "atropo/atropoblur.esq > blur",
    "divine/hilo.emd > summon_model 11",
    "divine/hilo.jpg 3 > divine 0",
    "divine/hilo_destello.jpg 3 > divine 1",
    "divine/moiras.jpg 3 > divine 2",
    "atropo/atropo_1.jpg 3 > skin 0",
    "atropo/atropo_2.jpg|atropo/atropo_ce2.jpg 3 > skin 1",
    "atropo/atropo_3.tga|atropo/atropo_ce3.tga 2 > skin 2",
    "atropo/atropo_4.tga|atropo/atropo_ce4.tga 2 > skin 3",
    "atropo/atropo_5.jpg|atropo/atropo_ce5.jpg 3 > skin 4",
    "atropo/atropo_bladeblur.tga 0 > blade",
};

// What the tail writes: Fighter constants, hit zones and the projectile count it leaves.
struct ExpectedCharacter {
    const char *const *reads;
    int read_count;
    int (*load)(int slot, int alt_skin);
    i8 half_width, height;
    f32 walk_speed;                 // below 0: none written
    i32 has_followups;
    int projectile_count;           // after a whole load, -1 untouched
    i16 vertex[MODEL_HIT_ZONES];
    f32 radius[MODEL_HIT_ZONES];
};

static const ExpectedCharacter expected_cast[CHARACTER_COUNT] = {
    {jason_reads, static_cast<int>(std::size(jason_reads)), jason_load, 8, 6, 0.3f, 1, -1,
     {1835, 1838, 1839, 1836, 1837, 1840, 1841, 1842, 1843, 1844, 1845},
     {1, 2, 3, 1, 1, 2, 2, 2, 2, 2, 2}},
    {odysseus_reads, static_cast<int>(std::size(odysseus_reads)), odysseus_load, 8, 6, 0.25f, 0, 10,
     {1990, 1993, 1992, 1994, 1991, 1995, 1996, 1999, 2000, 1997, 1998},
     {1, 2, 3, 1, 1, 2, 2, 4, 3, 2, 2}},
    {atalanta_reads, static_cast<int>(std::size(atalanta_reads)), atalanta_load, 8, 6, 0.45f, 1, -1,
     {1796, 1797, 1798, 1799, 1800, 1804, 1803, 1801, 1802, 1805, 1806},
     {1, 2, 3, 1, 1, 2, 2, 4, 3, 4, 4}},
    {perseus_reads, static_cast<int>(std::size(perseus_reads)), perseus_load, 9, 6, 0.35f, 1, -1,
     {1983, 1984, 1985, 1990, 1991, 1986, 1988, 1993, 1992, 1987, 1989},
     {1, 2, 3, 1, 1, 2, 2, 6, 3, 2.5f, 2.5f}},
    {hippolyte_reads, static_cast<int>(std::size(hippolyte_reads)), hippolyte_load, 10, 6, 0.3f, 1, 10,
     {2048, 2049, 2050, 2055, 2056, 2051, 2053, 2057, 2058, 2052, 2054},
     {1, 2, 3, 1, 1, 2, 2, 3, 3, 2, 2}},
    {polyphemus_reads, static_cast<int>(std::size(polyphemus_reads)), polyphemus_load, 12, 6, 0.15f, 0, 10,
     {1672, 1675, 1676, 1673, 1674, 1677, 1678, 1681, 1682, 1679, 1680},
     {2, 4, 4, 3, 3, 4, 4, 8, 8, 8, 8}},
    {minotaur_reads, static_cast<int>(std::size(minotaur_reads)), minotaur_load, 12, 6, 0.2f, 0, -1,
     {2054, 2062, 2057, 2056, 2055, 2059, 2058, 2052, 2053, 2060, 2061},
     {2, 3, 5, 2, 2, 4, 4, 4, 4, 3, 3}},
    {medusa_reads, static_cast<int>(std::size(medusa_reads)), medusa_load, 9, 6, 0.4f, 1, 10,
     {1839, 1842, 1843, 1840, 1841, 1845, 1844, 1848, 1849, 1846, 1847},
     {1, 2, 3, 1, 1, 2, 2, 4, 3, 3, 3}},
    {sphinx_reads, static_cast<int>(std::size(sphinx_reads)), sphinx_load, 10, 6, 0.3f, 0, 10,
     {1994, 1997, 1998, 1995, 1996, 1999, 2001, 2003, 2004, 2000, 2002},
     {2, 4, 4, 3, 3, 3, 3, 4, 4, 3, 3}},
    {hydra_reads, static_cast<int>(std::size(hydra_reads)), hydra_load, 2, 4, 0.15f, 0, -1,
     {1222, 1224, 1226, 1223, 0, 1220, 1217, 1218, 1221, 1216, 1219},
     {3, 3, 3, 3, 0, 3, 3, 3, 3, 5, 5}},
    {ares_reads, static_cast<int>(std::size(ares_reads)), ares_load, 8, 6, -1.0f, 0, 10,
     {1812, 1821, 1815, 1813, 1814, 1818, 1816, 1820, 1822, 1817, 1819},
     {1, 2, 3, 1, 1, 2, 2, 3, 3, 2, 2}},
    {atropos_reads, static_cast<int>(std::size(atropos_reads)), atropos_load, 8, 6, 0.35f, 1, -1,
     {1465, 1466, 1467, 1468, 1469, 1470, 1471, 2033, 2032, 1472, 1473},
     {1, 2, 3, 1, 1, 2, 2, 3, 2, 2, 2}},
};

// ---- the recording readers ------------------------------------------------------------
constexpr u16 FAKE_VERTEX_COUNT = 4000;   // above every hit-zone vertex of the cast
constexpr u8 UNTOUCHED = 0xEE;

struct Recorder {
    std::vector<std::string> names;      // entry and mode of every read, in order
    std::vector<const void *> results;   // what each read handed back (or was given)
    int fail_at = -1;                    // the read that fails, -1 none
    u16 vertex_count = FAKE_VERTEX_COUNT;
    u32 next_texture = 1000;
    std::vector<Model *> models;         // the fakes, freed by the fixture
};
static Recorder *recorder;

static bool recorder_fails()
{
    return static_cast<int>(recorder->names.size()) - 1 == recorder->fail_at;
}

static Model *fake_model(ArchiveHandle, const char *name)
{
    recorder->names.push_back(name);
    if (recorder_fails()) {
        recorder->results.push_back(nullptr);
        return nullptr;
    }
    Model *model = static_cast<Model *>(calloc(1, sizeof(Model)));
    model->vertex_count = recorder->vertex_count;
    for (int i = 0; i < MODEL_HIT_ZONES; i++)
        model->hit_vertex[i] = -1;
    recorder->models.push_back(model);
    recorder->results.push_back(model);
    return model;
}

static int fake_skeleton(Skeleton *skeleton, ArchiveHandle, const char *name)
{
    recorder->names.push_back(name);
    recorder->results.push_back(skeleton);
    return recorder_fails() ? 0 : 1;
}

static u32 fake_texture(ArchiveHandle, const char *name, int mode)
{
    recorder->names.push_back(std::string(name) + " " + std::to_string(mode));
    u32 texture = recorder_fails() ? 0 : recorder->next_texture++;
    recorder->results.push_back(reinterpret_cast<const void *>(static_cast<uintptr_t>(texture)));
    return texture;
}

// Where a read's result landed, in the words of the expected lists.
static std::string landed(const void *result, int id, int slot)
{
    if (!result)
        return "nowhere";
    if (result == character_models[slot][id])
        return fighter_models[slot] == result ? "model" : "model, not the slot's";
    for (int k = 0; k < SUMMON_MODEL_COUNT; k++)
        if (result == summon_models[k])
            return "summon_model " + std::to_string(k);
    if (result == fighter_skeletons[slot])
        return "skeleton";
    if (result == blur_skeletons[slot])
        return "blur";
    if (result == summon_skeletons[slot])
        return "summon_skeleton";
    u32 texture = static_cast<u32>(reinterpret_cast<uintptr_t>(result));
    for (int k = 0; k < DIVINE_TEXTURES_PER_SLOT; k++)
        if (divine_textures[DIVINE_TEXTURES_PER_SLOT * slot + k] == texture)
            return "divine " + std::to_string(k);
    for (int k = 0; k < PROJECTILE_TEXTURES_PER_SLOT; k++)
        if (projectile_textures[PROJECTILE_TEXTURES_PER_SLOT * slot + k] == texture)
            return "projectile " + std::to_string(k);
    for (int k = 0; k < static_cast<int>(SKIN_SLOT_SIZE); k++)
        if (skin_textures[SKIN_SLOT_SIZE * slot + k] == texture)
            return "skin " + std::to_string(k);
    if (blade_blur_textures[slot] == texture)
        return "blade";
    return "nowhere";
}

// An expected line with the colour set chosen: "a|b rest" becomes "a rest" or "b rest".
static std::string expected_line(const char *line, int alt_skin)
{
    std::string text = line;
    size_t bar = text.find('|');
    if (bar == std::string::npos)
        return text;
    size_t space = text.find(' ', bar);
    std::string plain = text.substr(0, bar), alternate = text.substr(bar + 1, space - bar - 1);
    return (alt_skin ? alternate : plain) + text.substr(space);
}

class CharacterLoad : public ::testing::Test {
protected:
    Skeleton *blocks = nullptr;   // fighter, blur and summon skeletons of both slots
    Recorder record;
    CharacterReaders saved_readers = character_readers;
    char saved_base_dir[BASE_DIR_SIZE];

    void SetUp() override
    {
        blocks = static_cast<Skeleton *>(calloc(6, sizeof(Skeleton)));
        for (int s = 0; s < 2; s++) {
            fighter_skeletons[s] = &blocks[s];
            blur_skeletons[s] = &blocks[2 + s];
            summon_skeletons[s] = &blocks[4 + s];
        }
        recorder = &record;
        character_readers = {fake_model, fake_skeleton, fake_texture};
        nomask = 0;   // as without "-nomask"; the switch tests may have set it
        memcpy(saved_base_dir, base_dir, sizeof base_dir);
        // No tuning files here: the loaders must not depend on them.
        std::string dir = test_scratch_dir("character-load");
        mkdir((dir + "/data").c_str(), 0755);
        snprintf(base_dir, sizeof base_dir, "%s/", dir.c_str());
        clear_tables();
    }

    void TearDown() override
    {
        clear_tables();
        for (Model *model : record.models)
            free(model);
        character_readers = saved_readers;
        memcpy(base_dir, saved_base_dir, sizeof base_dir);
        for (int s = 0; s < 2; s++)
            fighter_skeletons[s] = blur_skeletons[s] = summon_skeletons[s] = nullptr;
        free(blocks);
        recorder = nullptr;
    }

    // Empties the caches without freeing: the fakes are the fixture's.
    void clear_tables()
    {
        memset(character_models, 0, sizeof character_models);
        memset(fighter_models, 0, sizeof fighter_models);
        memset(summon_models, 0, sizeof summon_models);
        memset(skin_textures, 0, sizeof skin_textures);
        memset(divine_textures, 0, sizeof divine_textures);
        memset(projectile_textures, 0, sizeof projectile_textures);
        memset(blade_blur_textures, 0, sizeof blade_blur_textures);
        skin_texture_count = divine_texture_count = projectile_texture_count = UNTOUCHED;
        memset(fighters, 0, sizeof fighters);
        for (int s = 0; s < 2; s++) {
            fighters[s].character = UNTOUCHED;
            fighters[s].walk_speed = 7.0f;
        }
    }

    void restart()
    {
        clear_tables();
        record.names.clear();
        record.results.clear();
        record.fail_at = -1;
    }

    // The reads of the last load as "entry mode > destination" lines.
    std::vector<std::string> reads(int id, int slot)
    {
        std::vector<std::string> lines;
        for (size_t i = 0; i < record.names.size(); i++)
            lines.push_back(record.names[i] + " > " + landed(record.results[i], id, slot));
        return lines;
    }
};

TEST_F(CharacterLoad, EveryCharacterReadsItsListInOrderIntoItsSlot)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const ExpectedCharacter &c = expected_cast[id];
        for (int slot = 0; slot < 2; slot++) {
            for (int alt = 0; alt < 2; alt++) {
                SCOPED_TRACE("character " + std::to_string(id) + " slot " + std::to_string(slot) +
                             " colours " + std::to_string(alt));
                restart();
                ASSERT_EQ(c.load(slot, alt), 0);
                std::vector<std::string> expected;
                for (int i = 0; i < c.read_count; i++)
                    expected.push_back(expected_line(c.reads[i], alt));
                EXPECT_EQ(reads(id, slot), expected);
            }
        }
    }
}

TEST_F(CharacterLoad, CountsConstantsAndHitZones)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        SCOPED_TRACE("character " + std::to_string(id));
        const ExpectedCharacter &c = expected_cast[id];
        restart();
        ASSERT_EQ(load_character(id, 1, 0), 0);
        EXPECT_EQ(divine_texture_count, 16);
        EXPECT_EQ(skin_texture_count, 32);
        EXPECT_EQ(projectile_texture_count, c.projectile_count < 0 ? UNTOUCHED : c.projectile_count);
        const Fighter &f = fighters[1];
        EXPECT_EQ(f.character, id);
        EXPECT_EQ(f.body_half_width, c.half_width);
        EXPECT_EQ(f.body_height, c.height);
        EXPECT_EQ(f.walk_speed, c.walk_speed < 0 ? 7.0f : c.walk_speed);
        EXPECT_EQ(f.has_followups, c.has_followups);
        EXPECT_EQ(fighters[0].character, UNTOUCHED);
        const Model *model = fighter_models[1];
        ASSERT_NE(model, nullptr);
        for (int i = 0; i < MODEL_HIT_ZONES; i++) {
            EXPECT_EQ(model->hit_vertex[i], c.vertex[i]) << "zone " << i;
            EXPECT_EQ(model->hit_zones[i].radius, c.radius[i]) << "zone " << i;
        }
    }
}

TEST_F(CharacterLoad, AFailedReadEndsTheLoadAtThatStep)
{
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        const ExpectedCharacter &c = expected_cast[id];
        for (int fail = 0; fail < c.read_count; fail++) {
            SCOPED_TRACE("character " + std::to_string(id) + " failing read " + std::to_string(fail));
            restart();
            record.fail_at = fail;
            EXPECT_EQ(load_character(id, 0, 0), 1);
            EXPECT_EQ(static_cast<int>(record.names.size()), fail + 1);
            // Nothing of the tail ran.
            EXPECT_EQ(fighters[0].character, UNTOUCHED);
            EXPECT_EQ(divine_texture_count, UNTOUCHED);
            EXPECT_EQ(skin_texture_count, UNTOUCHED);
            if (fail == 0) {
                EXPECT_EQ(fighter_models[0], nullptr);
            }
        }
    }
}

TEST_F(CharacterLoad, ProjectileCountIsOneOnceTheProjectileTexturesAreIn)
{
    // Odysseus fails at his first skin, after his three projectile textures.
    record.fail_at = 12;
    EXPECT_EQ(odysseus_load(0, 0), 1);
    EXPECT_EQ(projectile_texture_count, 1);
    restart();
    record.fail_at = 11;   // his last projectile texture
    EXPECT_EQ(odysseus_load(0, 0), 1);
    EXPECT_EQ(projectile_texture_count, UNTOUCHED);
}

TEST_F(CharacterLoad, AModelIsReadOnceTheMirrorGetsATwinAndSummonModelsAreCached)
{
    ASSERT_EQ(polyphemus_load(0, 0), 0);
    Model *first = fighter_models[0];
    fighters[0].character = UNTOUCHED;
    first->hit_vertex[3] = -1;
    size_t reads_before = record.names.size();
    ASSERT_EQ(polyphemus_load(0, 1), 0);
    // The same slot again: no model read, but the zones and constants are written anew.
    EXPECT_EQ(record.names.size() - reads_before, std::size(polyphemus_reads) - 2);
    EXPECT_EQ(fighter_models[0], first);
    EXPECT_EQ(first->hit_vertex[3], 1673);
    EXPECT_EQ(fighters[0].character, CHARACTER_POLYPHEMUS);
    // The mirror: the other slot reads no model either; its figure is a twin of the first,
    // posed on its own, and the wave stays cached.
    reads_before = record.names.size();
    ASSERT_EQ(polyphemus_load(1, 0), 0);
    EXPECT_EQ(record.names.size() - reads_before, std::size(polyphemus_reads) - 2);
    Model *twin = fighter_models[1];
    ASSERT_NE(twin, nullptr);
    EXPECT_NE(twin, first);
    EXPECT_EQ(twin, character_models[1][CHARACTER_POLYPHEMUS]);
    EXPECT_NE(twin->pos, first->pos);
    EXPECT_EQ(twin->hit_vertex[3], 1673);
    model_free(twin);   // the fixture frees only the models its reader made
}

TEST_F(CharacterLoad, TheUnmaskedSphinxReadsHerVariant)
{
    u8 saved = nomask;
    nomask = 255;
    EXPECT_EQ(sphinx_load(0, 0), 0);
    nomask = saved;
    ASSERT_GE(record.names.size(), 5u);
    EXPECT_EQ(record.names[0], "esfinge/nomask.emd");
    EXPECT_EQ(record.names[1], "esfinge/nomask.esq");
    EXPECT_EQ(record.names[4], "esfinge/nomaskblur.esq");
}

TEST_F(CharacterLoad, AHitVertexTheModelDoesNotHaveFailsTheLoad)
{
    record.vertex_count = 1845;   // Jason's last zone is vertex 1845
    EXPECT_EQ(jason_load(0, 0), 1);
    EXPECT_EQ(fighter_models[0]->hit_vertex[10], -1);
    restart();
    record.vertex_count = 1846;
    EXPECT_EQ(jason_load(0, 0), 0);
    EXPECT_EQ(fighter_models[0]->hit_vertex[10], 1845);
}

TEST_F(CharacterLoad, BadIdsAndSlotsAreRefusedWithoutReading)
{
    EXPECT_EQ(load_character(-1, 0, 0), 1);
    EXPECT_EQ(load_character(CHARACTER_COUNT, 0, 0), 1);
    EXPECT_EQ(load_character(0, 2, 0), 1);
    EXPECT_EQ(load_character(0, -1, 0), 1);
    EXPECT_TRUE(record.names.empty());
}

static std::string log_path()
{
    return std::string(base_dir) + "data/initlog.txt";
}

static std::string log_text()
{
    return test_read_text(log_path());
}

TEST_F(CharacterLoad, TheMinotaurLogsItsProgressAndNoOneElseDoes)
{
    for (int id = 0; id < CHARACTER_COUNT; id++)
        if (id != CHARACTER_MINOTAUR) {
            ASSERT_EQ(load_character(id, 0, 0), 0);
        }
    EXPECT_EQ(log_text(), "");
    // "damage file ok!" only for a whole tuning file: not for a missing one, nor after the
    // reader has said the file is incomplete.
    std::string whole = test_read_text(test_source_dir() + "/tools/databuild/tuning/minotaur.txt");
    ASSERT_FALSE(whole.empty());
    std::string tuning_path = std::string(base_dir) + "data/minotaur.txt";
    const std::string progress = "modelos ok!\ntexturas divine ok!\ntexturas normales ok!\nblur ok!\n";
    struct Case {
        const char *what;
        std::string file;   // "" for none
        std::string log;
    } cases[] = {
        {"whole file", whole, progress + "damage file ok!\n"},
        {"no file", "", progress},
        {"first line only", whole.substr(0, whole.find('\n') + 1),
         progress + "\n     -" + tuning_path + " incomplete from line 1: missing values kept"},
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.what);
        restart();
        remove(log_path().c_str());
        remove(tuning_path.c_str());
        if (!c.file.empty()) {
            FILE *file = fopen(tuning_path.c_str(), "wb");
            ASSERT_NE(file, nullptr);
            fwrite(c.file.data(), 1, c.file.size(), file);
            fclose(file);
        }
        ASSERT_EQ(minotaur_load(0, 0), 0);
        EXPECT_EQ(log_text(), c.log);
    }
}

TEST_F(CharacterLoad, TheMinotaursLogTellsWhichGroupFailed)
{
    struct Case {
        int fail;
        const char *log;
    };
    const Case cases[] = {
        {1, ""},                                                          // skeleton
        {3, "modelos ok!\n"},                                             // a summon picture
        {11, "modelos ok!\ntexturas divine ok!\n"},                       // a skin
        {17, "modelos ok!\ntexturas divine ok!\ntexturas normales ok!\n"},  // the blade blur
    };
    for (const Case &c : cases) {
        SCOPED_TRACE(c.fail);
        restart();
        remove((std::string(base_dir) + "data/initlog.txt").c_str());
        record.fail_at = c.fail;
        EXPECT_EQ(minotaur_load(1, 1), 1);
        EXPECT_EQ(log_text(), c.log);
    }
}

TEST_F(CharacterLoad, TheTuningFileReplacesTheDefaultWalkSpeedAndAMissingOneDoesNot)
{
    // Missing: the loader's default stays, and the load still succeeds.
    ASSERT_EQ(jason_load(0, 0), 0);
    EXPECT_EQ(fighters[0].walk_speed, 0.3f);
    // Present: the file's first line sets the speed and the walk's key-time factor.
    std::string text = test_read_text(test_source_dir() + "/tools/databuild/tuning/jason.txt");
    ASSERT_FALSE(text.empty());
    text = "defence_walk 0.15 0.42 1.25" + text.substr(text.find('\n'));
    FILE *file = fopen((std::string(base_dir) + "data/jason.txt").c_str(), "wb");
    ASSERT_NE(file, nullptr);
    fputs(text.c_str(), file);
    fclose(file);
    ASSERT_EQ(jason_load(0, 0), 0);
    EXPECT_EQ(fighters[0].walk_speed, 0.42f);
    EXPECT_EQ(fighters[0].anim_rate[0], 1.25f);
}
