// The opening story: the Moirae tell how Ares challenged Zeus and how the tournament began,
// over 26 scenes of pictures that drift and fade while the narration is typed beneath them.
#include "story/story.h"

#include "story/story_local.h"

#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"

#include <allegro.h>

#include <iterator>

// Page structure: three blank pages under the logos, the Moirae one per page, two blank pages,
// the tale on pages 8 to 27 (12 blank), the Moirae again, a last blank page. Trailing spaces
// are reading pauses: a space takes as long to type as a letter.
const char intro_narration[] =
    "                                            \n"
    "\n"
    "\n"
    "                                            \n"
    "\n"
    "\n"
    "                                            \n"
    "\n"
    "\n"
    "CLOTHO:\n"
    "\"We are the Moirae, the Fates of gods and men.           \n"
    "I am Clotho: I spin the thread of every life.\"             \n"
    "LACHESIS:         \n"
    "\"I am Lachesis: I measure how long it runs.\"               \n"
    "\n"
    "ATROPOS:\n"
    "\"And I am Atropos, who cuts it. Hear how the  \n"
    "threads of the gods were nearly cut.\"                      \n"
    "                  \n"
    "\n"
    "\n"
    "                  \n"
    "\n"
    "\n"
    "\"It happened once, that Ares, god of war, grew         \n"
    "weary of the long peace of his father Zeus.\"               \n"
    "\n"
    "\"In peace no altar burned for him.\"                        \n"
    "\n"
    "\n"
    "\"Mortals prayed to the other gods, and his fire       \n"
    "went out. Alone, Ares looked up at Olympus.\"               \n"
    "\n"
    "\"So Ares climbed Olympus in his bronze and called\n"
    "his father too old to rule the sky.\"                       \n"
    "\n"
    "         \n"
    "\n"
    "\n"
    "\"Thunder rolled over the mountain.\"                  \n"
    "\n"
    "\n"
    "\"In the hall of the gods Artemis, Apollo, Hades \n"
    "fell still. Ares claimed the throne of Zeus.\"\n"
    "\n"
    "\"Zeus rose in anger, but a war of gods would\n"
    "burn the earth to ash.\"                 \n"
    "\n"
    "\"Hera spoke: let no god strike a god. Let heroes\n"
    "and monsters fight in their place.\"                 \n"
    "\n"
    "\"The last to stand would choose who rules Olympus.\"        \n"
    "\n"
    "\n"
    "\"Zeus sent word to the Greeks for heroes, and Ares\n"
    "called the Minotaur, Medusa, the Sphinx, the Hydra.\"      \n"
    "\n"
    "\"Even his daughter Hippolyte answered him.\"          \n"
    "\n"
    "\n"
    "\"They all came, heroes and monsters alike, and     \n"
    "in ten arenas they would meet one against one.\"      \n"
    "\n"
    "\"Beneath the mountain Hephaestus built the       \n"
    "arenas, from Athens to the gates of Hades.\"          \n"
    "\n"
    "\"Day and night his hammer rang on the anvil.\"        \n"
    "\n"
    "\n"
    "\"The sparks of his anvil lit the night.\"            \n"
    "\n"
    "\n"
    "\"Atropos came too: even the Fates took a side.\" \n"
    "\n"
    "\n"
    "\"The crowds of heaven gathered to watch, and each\n"
    "champion had a god behind him, ready to lend\n"
    "his power.\"                 \n"
    "\"Jason came, and Odysseus, swift Atalanta,\n"
    "Perseus, Hippolyte, and even the Cyclops.\"                 \n"
    "\n"
    "\"So began the tournament of Tavrosk.\"                   \n"
    "                                        \n"
    "\n"
    "CLOTHO:\n"
    "\"The thread is spun.\"                       \n"
    "\n"
    "LACHESIS:\n"
    "\"Its length is measured.\"                       \n"
    "\n"
    "ATROPOS:\n"
    "\"Now let us see whose thread I cut.\"                       \n"
    "\n"
    "                                         \n"
    "       \n";
static_assert(sizeof intro_narration == 2430, "the narration's pacing is counted in characters");

constexpr int INTRO_LAST_SCENE = 26;
constexpr int SLOT_MAKER_LOGO = 0, SLOT_GAME_LOGO = 1;
constexpr int INTRO_SLOTS = 14;

// A picture a scene loads into a slot of screen_textures.
struct IntroPicture {
    i8 slot;             // -1 ends the list
    const char *entry;
};

// What a scene does to the picture slots, and the page of the next scene.
struct IntroScene {
    u16 release_mask;            // slots released before the loads (bit per slot)
    IntroPicture loads[3];
    u32 quad_count;
    i32 next_cue;                // STORY_CUE_NONE after the last
};

constexpr u16 SLOTS(int first, int last)
{
    return static_cast<u16>(((1u << (last + 1)) - 1) & ~((1u << first) - 1));
}

static const IntroScene intro_scenes[] = {
    // release          loads                                                     quads next cue
    {0, {{-1, nullptr}}, 3, 3},                                                    // 0: the start
    {0, {{-1, nullptr}}, 3, 4},                                                    // 1: Clotho
    {0, {{5, "intro/olimpo01.tga"}, {-1, nullptr}}, 3, 5},                          // 2: Lachesis
    {0, {{6, "intro/ares02.tga"}, {-1, nullptr}}, 3, 7},                            // 3: Atropos
    {0, {{-1, nullptr}}, 3, 8},                                                    // 4: they fade
    {SLOTS(2, 4), {{2, "intro/ares01.tga"}, {-1, nullptr}}, 2, 9},                  // 5: Olympus, Ares
    {0, {{3, "intro/artemisa01.tga"}, {-1, nullptr}}, 2, 10},                       // 6
    {0, {{7, "intro/hades01.tga"}, {-1, nullptr}}, 2, 11},                          // 7
    {0, {{8, "intro/olimpo03.tga"}, {-1, nullptr}}, 2, 12},                         // 8
    {0, {{9, "intro/apolo01.tga"}, {-1, nullptr}}, 2, 13},                          // 9
    {0, {{-1, nullptr}}, 2, 14},                                                   // 10
    {SLOTS(5, 6), {{10, "intro/zeus02.tga"}, {-1, nullptr}}, 5, 15},                // 11: the gods
    {0, {{11, "intro/hera02.tga"}, {-1, nullptr}}, 7, 16},                          // 12: Hera
    {0, {{12, "intro/olimpo02.tga"}, {-1, nullptr}}, 7, 17},                        // 13
    {0, {{13, "intro/zeus03.tga"}, {-1, nullptr}}, 8, 18},                          // 14
    {SLOTS(0, 9), {{0, "intro/clash00.tga"}, {-1, nullptr}}, 9, 20},                // 15: the clash
    {0, {{1, "intro/clash01.tga"}, {-1, nullptr}}, 9, 21},                          // 16
    {SLOTS(10, 10) | SLOTS(12, 12), {{8, "intro/hefesto01.tga"}, {-1, nullptr}}, 2, 23},   // 17
    {0, {{9, "intro/hefesto02.tga"}, {-1, nullptr}}, 2, 24},                        // 18
    {0, {{2, "intro/jason.tga"}, {3, "intro/atalanta.tga"}, {4, "intro/odiseo.tga"}}, 2, 25},        // 19
    {0, {{5, "intro/hipolita.tga"}, {6, "intro/perseo.tga"}, {7, "intro/polifemo.tga"}}, 2, 26},     // 20
    {0, {{10, "intro/atropos01.tga"}, {-1, nullptr}}, 8, 27},                       // 21: the heroes
    {0, {{9, "intro/laquesis02.tga"}, {-1, nullptr}}, 8, 28},                       // 22
    {SLOTS(0, 7), {{8, "intro/cloto01.tga"}, {-1, nullptr}}, 3, 29},                // 23: the Moirae
    {0, {{-1, nullptr}}, 3, 30},                                                   // 24
    {0, {{-1, nullptr}}, 3, 31},                                                   // 25
    {0, {{-1, nullptr}}, 3, STORY_CUE_NONE},                                       // 26
};
static_assert(std::size(intro_scenes) == INTRO_LAST_SCENE + 1, "one row per scene and the start");

// Fades quads first..last by step (the other fields stay).
static void quads_fade(int first, int last, f32 step)
{
    for (int i = first; i <= last; i++)
        story_quads[i].alpha_step = step;
}

static void quads_flags(int first, int last, u32 flags)
{
    for (int i = first; i <= last; i++)
        story_quads[i].flags = flags;
}

constexpr u32 FROZEN = 0, FADING = QUAD_FADE, DRIFTING = QUAD_FADE | QUAD_MOVE;

// The quads of scenes 1 to 13: the Moirae, then the gods on Olympus.
static void intro_scene_quads_early(u32 scene)
{
    switch (scene) {
    case 1: story_quad_motion(0, DRIFTING, 0.0025f, 0, -0.0005f, 0.005f); break;
    case 2: story_quad_motion(1, DRIFTING, 0.005f, 0, -0.001f, 0.005f); break;
    case 3: story_quad_motion(2, DRIFTING, 0.01f, 0, -0.001f, 0.005f); break;
    case 4: quads_fade(0, 2, -0.01f); break;
    case 5:
        story_quad_set(0, 5, 9, 8, 0, -1, -5, 0, DRIFTING, 0.01f, 0, 0.0005f, 0.005f);
        story_quad_set(1, 6, 7.5f, 8, 0.5f, 0, 0, 0, DRIFTING, 0.01f, 0, -0.002f, 0.005f);
        break;
    case 10: quads_fade(0, 1, -0.01f); break;
    case 11:
        story_quad_set(0, 8, 25, 20, 5, 0, -2, 0, DRIFTING, 0.01f, 0, 0, -0.05f);
        story_quad_set(1, 2, 7, 8, 5, -1, 0, 0, DRIFTING, 0.01f, 0, 0, -0.05f);
        story_quad_set(2, 3, 4, 8, 9, -1, 8, 0, DRIFTING, 0.01f, 0, 0, -0.05f);
        story_quad_set(3, 9, 7, 8, 2, -1, 8, 0, DRIFTING, 0.01f, 0, 0, -0.05f);
        story_quad_set(4, 7, 5, 8, -3, -1, 10, 0, DRIFTING, 0.01f, 0, 0, -0.05f);
        break;
    case 12:
        quads_flags(0, 4, FROZEN);   // KEEP: the five gods stay at whatever alpha they reached
        story_quad_set(5, 11, 4, 8, 0, -1, -1, 0, FROZEN, 0, 0, 0, 0);
        story_quad_set(6, 10, 8, 8, -6, 0, 0, 0, DRIFTING, 0.01f, 0.0025f, 0, 0);
        break;
    case 13:
        story_quad_motion(5, DRIFTING, 0.01f, 0.001f, 0, 0);
        story_quads[6].flags = FROZEN;
        break;
    default:
        break;
    }
}

// The quads of scenes 14 to 26: the clash, the forge, the heroes, the Moirae again.
static void intro_scene_quads_late(u32 scene)
{
    switch (scene) {
    case 14:
        quads_flags(0, 6, FADING);
        quads_fade(0, 6, -0.01f);
        story_quad_set(7, 12, 10, 8, 0, 0, 0, 0, FADING, 0.01f, 0, 0, 0);
        break;
    case 15: story_quad_set(8, 13, 8.25f, 8, -4, 0, 0, 0, FADING, 0.01f, 0, 0, 0); break;
    case 16:
        story_quads[7].alpha_step = -0.01f;
        story_quads[8].alpha_step = -0.005f;
        break;
    case 17:
        story_quad_set(0, 0, 4, 8, -4, 0, -5, 0, FADING, 0.005f, 0, 0, 0);
        story_quad_set(1, 1, 4, 8, 4, 0, -5, 0, FROZEN, 0.005f, 0, 0, 0);
        break;
    case 18: story_quads[1].flags = FADING; break;
    case 19: quads_fade(0, 1, -0.002f); break;
    case 20:
        story_quad_set(0, 8, 8.25f, 8, 0, 0, 0, 0, DRIFTING, 0.005f, -0.001f, 0, 0);
        story_quad_set(1, 9, 8.25f, 8, 5, 0, 2, 0, DRIFTING, 0.005f, -0.005f, 0, 0);
        break;
    case 21: {
        quads_fade(0, 1, -0.005f);
        static const f32 hero_quads[6][5] = {
            // slot half_w  x   y
            {2, 2, -2, 4}, {3, 1, 2, 4}, {4, 2, -5, 0}, {5, 1, 5, 0}, {6, 2, -2, -4}, {7, 2, 2, -4},
        };
        for (int h = 0; h < 6; h++)
            story_quad_set(2 + h, static_cast<u32>(hero_quads[h][0]), hero_quads[h][1], 4, hero_quads[h][2],
                           hero_quads[h][3], -2, 0, DRIFTING, 0.005f, 0, 0, 0.01f);
        break;
    }
    case 22: quads_fade(2, 7, -0.005f); break;
    case 23:
        story_quad_set(0, 8, 8, 8, 4, -1, -1, 0, DRIFTING, 0.0025f, 0, 0.0005f, -0.01f);
        story_quad_set(1, 9, 8, 8, -4, -1, -1, 0, FROZEN, 0, 0, 0, 0);
        story_quad_set(2, 10, 8, 8, 0, -1, 0, 0, FROZEN, 0, 0, 0, 0.01f);
        break;
    case 24:
        story_quads[0].alpha_step = -0.005f;
        story_quad_motion(1, DRIFTING, 0.005f, 0, 0.001f, -0.01f);
        break;
    case 25:
        story_quads[1].alpha_step = -0.005f;
        story_quad_motion(2, DRIFTING, 0.01f, 0, 0.001f, -0.01f);
        break;
    case 26: story_quads[2].alpha_step = -0.005f; break;
    default:
        break;
    }
}

int intro_next_scene()
{
    if (story_scene == 0 || story_scene > INTRO_LAST_SCENE)
        return 0;
    const IntroScene *scene = &intro_scenes[story_scene];
    for (int slot = 0; slot < INTRO_SLOTS; slot++)
        if (scene->release_mask & (1u << slot))
            story_slot_release(slot);
    for (const IntroPicture &picture : scene->loads) {
        if (picture.slot < 0)
            break;
        if (!story_slot_load(picture.slot, picture.entry, TEXTURE_MIPMAP_RGBA_FULL)) {
            if (story_scene >= 21 && story_scene <= 23)
                load_error = 1;
            return 2;
        }
    }
    if (story_scene <= 13)
        intro_scene_quads_early(story_scene);
    else
        intro_scene_quads_late(story_scene);
    story_quad_count = scene->quad_count;
    story_cue_pages[story_scene] = scene->next_cue;
    return 0;
}

static const IntroPicture intro_start_pictures[] = {
    {SLOT_MAKER_LOGO, "titulo/intro_brisvale.jpg"}, {SLOT_GAME_LOGO, "titulo/logov.jpg"},
    {2, "intro/atropos01.tga"}, {3, "intro/laquesis02.tga"}, {4, "intro/cloto01.tga"},
};

int intro_start()
{
    story_kind = STORY_INTRO;
    music_stop();
    if (music_play("musica/cinematic1.ogg") != 0) {
        load_error = 1;
        return 1;
    }
    story_scenes_reset(STORY_INTRO);
    story_ticks = 0;
    for (const IntroPicture &picture : intro_start_pictures) {
        int mode = picture.slot == SLOT_GAME_LOGO ? TEXTURE_CLAMP_RGB : TEXTURE_MIPMAP_RGBA_FULL;
        if (!story_slot_load(picture.slot, picture.entry, mode)) {
            load_error = 1;
            return 2;
        }
    }
    story_text_start(intro_narration);
    game_state = STATE_INTRO;
    // The three Moirae wait unseen for their pages.
    story_quad_set(0, 4, 8, 8, 5, 0, -8, 0, FROZEN, 0, 0, 0, 0);
    story_quad_set(1, 3, 8, 8, -6, 0, -8, 0, FROZEN, 0, 0, 0, 0);
    story_quad_set(2, 2, 8, 8, 0, -1, 0, 0, FROZEN, 0, 0, 0, 0);
    story_quad_count = 3;
    story_cue_pages[0] = intro_scenes[0].next_cue;
    return 0;
}

// To the title, fading in from black, with its tune; a tune that fails ends the game.
static void intro_leave(bool skipped)
{
    music_stop();
    // The story's pictures go with it: no later screen counts them as its own.
    for (int slot = 0; slot < SCREEN_TEXTURES; slot++)
        story_slot_release(slot);
    title_menu_enter();
    fade_colour = 0.0f;
    fade_level = 1.0f;
    fade_mode = FADE_IN;
    if (music_play("musica/titulo.ogg") != 0) {
        quit_request = 1;
        if (skipped)
            load_error = 1;
    }
}

void intro_tick()
{
    if (story_scene > INTRO_LAST_SCENE)
        story_scene = INTRO_LAST_SCENE;
    if (key[KEY_ESC] || input_start[0] || input_start[1]) {
        latch_start[0] = latch_start[1] = 1;
        latch_esc = 1;   // the held key is spent here, not on the title
        intro_leave(true);
        return;
    }
    if (story_told()) {
        intro_leave(false);
        return;
    }
    story_quads_step();
    if (story_typewriter_step() && story_cue_due() && intro_next_scene() == 2) {
        quit_request = 1;
        load_error = 0xff;
    }
}

// Each logo fades in over 15 typed characters, holds, and fades out 15 before it is gone.
static f32 logo_alpha(u32 n)
{
    constexpr f32 FADE_CHARS = 15.0f;
    f32 a = n < 30 ? static_cast<f32>(n) / FADE_CHARS : 1.0f - static_cast<f32>(n - 30) / FADE_CHARS;
    return a > 1.0f ? 1.0f : a < 0.0f ? 0.0f : a;
}

void intro_logos_draw()
{
    static const f32 maker[4][3] = {{-4.5f, 4.5f, 0}, {-4.5f, -4.5f, 0}, {4.5f, -4.5f, 0}, {4.5f, 4.5f, 0}};
    static const f32 game[4][3] = {{-5, 2.5f, 0}, {-5, -2.5f, 0}, {5, -2.5f, 0}, {5, 2.5f, 0}};
    static const f32 centre[3] = {0, 0, 0};
    u32 n = story_chars_typed;
    if (n <= 59)
        story_picture_draw(SLOT_MAKER_LOGO, maker, centre, logo_alpha(n));
    else if (n <= 119)
        story_picture_draw(SLOT_GAME_LOGO, game, centre, logo_alpha(n - 60));
}
