// The faction endings: how the tournament ended for Ares' side or for Zeus' heroes, told by
// Atropos or a narrator over drifting pictures, before the credits roll.
#include "story/story.h"

#include "story/story_local.h"

#include "engine/engine.h"
#include "game/game.h"

#include <cstring>
#include <iterator>

constexpr u32 SCENE_CLAMP = 26;
constexpr u32 ARES_LAST_SCENE = 7, HEROES_LAST_SCENE = 4;
constexpr u32 FROZEN = 0, FADING = QUAD_FADE, DRIFTING = QUAD_FADE | QUAD_MOVE;

static const char faction_text_ares[] =
    "                                            \n"
    "\n"
    "\n"
    "Zeus never expected this to happen. That is why he lost.             \n"
    "\n"
    "\n"
    "Ares' champions had won, one after another, and the throne was\n"
    "his.             \n"
    "\n"
    "The gods of Olympus watched in silence as the god of war climbed\n"
    "the steps.             \n"
    "\n"
    "                              \n"
    "\n"
    "\n"
    "Wars broke out in every city of the Greeks. Ares had never been\n"
    "so happy.             \n"
    "\n"
    "The temples of the other gods fell silent, and the altars of war\n"
    "burned.             \n"
    "\n"
    "That could not last. This is where I intervened.             \n"
    "\n"
    "\n"
    "I took my shears and went up to Olympus, to the new king of the\n"
    "gods.             \n"
    "\n"
    "ATROPOS:\n"
    "\"Your thread is long, god of war. But it is a thread.\"             \n"
    "\n"
    "ARES:\n"
    "\"You would not dare. I am the king of the gods now.\"             \n"
    "\n"
    "ATROPOS:\n"
    "\"Kings come and go. I have cut the threads of kings.\"             \n"
    "\n"
    "ARES:\n"
    "\"What do you want, then?\"             \n"
    "\n"
    "ATROPOS:         \n"
    "\"Give the throne back to your father, and I keep my shears closed.\"   \n"
    "\n"
    "ARES:\n"
    "\"...Very well. But the next tournament will be mine.\"            \n"
    "\n"
    "So the shears stayed closed, and Ares went back to his wars.          \n"
    "\n"
    "\n"
    "The world went on, a little more warlike than before.            \n"
    "\n"
    "\n"
    "And I went back to my sisters, to spin, to measure, to cut.           \n"
    "\n"
    "\n"
    "As always.            \n"
    "\n"
    "\n"
    "                              \n"
    "\n"
    "\n";

static const char faction_text_heroes[] =
    "                                            \n"
    "\n"
    "\n"
    "Zeus' heroes vanquished Ares' warriors.                     \n"
    "\n"
    "\n"
    "The god of war was defeated, and fled the hall of the gods.           \n"
    "\n"
    "\n"
    "So ended the tournament of Tavrosk.           \n"
    "\n"
    "\n"
    "                                                            \n"
    "\n"
    "\n"
    "Zeus kept his throne,\n"
    "and peace came back to the earth.                     \n"
    "\n"
    "The heroes went home with the wishes he granted,\n"
    "and their names were sung in every city.                    \n"
    "\n"
    "And Ares waited in the dark for his next chance.                    \n"
    "\n"
    "\n"
    "The Moirae spun on,\n"
    "as they always will.                    \n"
    "\n"
    "                                                            \n"
    "\n"
    "\n"
    "                                                            \n"
    "\n"
    "\n";

// The first pictures of each ending, in slot order.
const char *faction_ending_text(u8 kind)
{
    return kind == STORY_ARES_WON ? faction_text_ares : faction_text_heroes;
}

static const char *const ares_pictures[] = {"finales/fina_01.tga", "finales/fina_02.tga"};
static const char *const heroes_pictures[] = {"finales/finz_01.tga", "finales/finz_02.tga", "finales/finz_03.tga"};

// A scene's picture (slot -1: none), its quad count and the page of the next scene.
struct FactionScene {
    i8 slot;
    const char *entry;
    u32 quad_count;
    i32 next_cue;
};

static const FactionScene ares_scenes[] = {
    {-1, nullptr, 2, 1},                          // the start
    {2, "finales/fina_03.tga", 2, 4},
    {3, "finales/fina_04.tga", 2, 7},
    {4, "finales/fina_05.tga", 2, 9},
    {5, "finales/fina_06.tga", 4, 13},
    {6, "finales/fina_07.tga", 2, 15},
    {6, "finales/fina_07.tga", 2, 16},            // KEEP: loaded again, as the scene always did
    {-1, nullptr, 3, STORY_CUE_NONE},
};
static_assert(std::size(ares_scenes) == ARES_LAST_SCENE + 1, "the start and seven scenes");

static const FactionScene heroes_scenes[] = {
    {-1, nullptr, 2, 1},
    {-1, nullptr, 2, 3},
    {-1, nullptr, 2, 4},
    {3, "finales/finz_04.tga", 3, 7},
    {-1, nullptr, 4, STORY_CUE_NONE},
};
static_assert(std::size(heroes_scenes) == HEROES_LAST_SCENE + 1, "the start and four scenes");

static void ares_scene_quads(u32 scene)
{
    switch (scene) {
    case 1:
        story_quad_motion(0, DRIFTING, 0.01f, -0.0005f, 0, 0);
        story_quad_motion(1, DRIFTING, 0.01f, -0.001f, 0, 0);
        break;
    case 2: story_quads[1].flags = DRIFTING; story_quads[1].alpha_step = -0.005f; break;
    case 3: story_quads[0].flags = DRIFTING; story_quads[0].alpha_step = -0.005f; break;
    case 4:
        story_quad_set(2, 3, 4.25f, 8, 3, 0, -2, 0, DRIFTING, 0.001f, 0.0001f, 0, 0);
        story_quad_set(3, 2, 6.25f, 8, 0, -0.5f, -8, 0, FADING, 0.05f, 0, 0, 0);
        break;
    case 5:
        story_quad_set(0, 5, 4.25f, 8, 6, 0, -2, 0, DRIFTING, 0.001f, -0.0001f, 0, 0);
        story_quad_set(1, 4, 9.25f, 8, 0, 0, -2, 0, DRIFTING, 0.005f, 0, 0, 0);
        break;
    case 6:
        for (int i = 0; i < 2; i++) {
            story_quads[i].flags = DRIFTING;
            story_quads[i].alpha_step = -0.005f;
        }
        break;
    case 7: story_quad_set(2, 6, 7.25f, 8, 0, 0, 2.5f, 0, DRIFTING, 0.005f, 0, 0.001f, 0); break;
    default: break;
    }
}

static void heroes_scene_quads(u32 scene)
{
    switch (scene) {
    case 1:
        story_quad_motion(0, DRIFTING, 0.0025f, -0.0005f, 0, 0);
        story_quad_motion(1, DRIFTING, 0.0025f, 0.001f, 0, 0);
        break;
    case 2: story_quads[0].alpha_step = story_quads[1].alpha_step = -0.05f; break;
    case 3: story_quad_motion(2, DRIFTING, 0.1f, 0, 0, 0.005f); break;
    case 4: {
        story_quads[2].alpha_step = -0.01f;
        f32 alpha = story_quads[3].alpha;   // still 0 from the start
        story_quad_set(3, 3, 9.25f, 8, -1, 0, 0, alpha, DRIFTING, 0.0025f, 0.001f, 0, 0);
        break;
    }
    default: break;
    }
}

int faction_ending_next_scene()
{
    bool ares = story_kind == STORY_ARES_WON;
    if ((!ares && story_kind != STORY_HEROES_WON) || story_scene == 0 ||
        story_scene > (ares ? ARES_LAST_SCENE : HEROES_LAST_SCENE))
        return 0;
    const FactionScene *scene = ares ? &ares_scenes[story_scene] : &heroes_scenes[story_scene];
    if (scene->slot >= 0 && !story_slot_load(scene->slot, scene->entry, TEXTURE_MIPMAP_RGBA_FULL))
        return 2;
    if (ares)
        ares_scene_quads(story_scene);
    else
        heroes_scene_quads(story_scene);
    story_quad_count = scene->quad_count;
    story_cue_pages[story_scene] = scene->next_cue;
    return 0;
}

static int faction_ending_start(u8 kind, const char *const *pictures, int picture_count, const char *text)
{
    story_kind = kind;
    music_stop();
    if (music_play("musica/ending.ogg") != 0) {
        load_error = 1;
        return 1;
    }
    story_scenes_reset(kind);
    story_fight_pictures_release(false);
    for (int slot = 0; slot < picture_count; slot++)
        if (!story_slot_load(slot, pictures[slot], TEXTURE_MIPMAP_RGBA_FULL)) {
            load_error = 1;
            return 2;
        }
    story_text_start(text);
    game_state = STATE_FACTION_ENDING;
    story_cue_pages[0] = 1;
    story_quad_count = 2;
    return 0;
}

int faction_ending_start_ares()
{
    int failed = faction_ending_start(STORY_ARES_WON, ares_pictures, 2, faction_text_ares);
    if (failed)
        return failed;
    story_quad_set(0, 0, 10.25f, 8, 0, 0, -3, 0, FROZEN, 0, 0, 0, 0);
    story_quad_set(1, 1, 8.25f, 8, 6, 0, -2, 0, FROZEN, 0, 0, 0, 0);
    return 0;
}

int faction_ending_start_heroes()
{
    int failed = faction_ending_start(STORY_HEROES_WON, heroes_pictures, 3, faction_text_heroes);
    if (failed)
        return failed;
    story_quad_set(0, 0, 10.25f, 8, 0, 0, -4, 0, FROZEN, 0, 0, 0, 0);
    story_quad_set(1, 1, 4.25f, 8, -6, 0, -2, 0, FROZEN, 0, 0, 0, 0);
    story_quad_set(2, 2, 9.25f, 8, 0, 0, -2, 0, FADING, 0, 0, 0, 0);   // beyond the count until scene 3
    return 0;
}

static void faction_ending_leave()
{
    latch_start[0] = latch_start[1] = 1;   // the Start that ended this does not end the roll
    if (credits_roll_start() != 0) {
        quit_request = 1;
        load_error = 1;
    }
}

void faction_ending_tick()
{
    if (story_scene > SCENE_CLAMP)
        story_scene = SCENE_CLAMP;
    if (story_end_wait_over() || story_start_pressed()) {
        faction_ending_leave();
        return;
    }
    if (story_told()) {
        if (story_end_stamp == 0)
            story_end_stamp = story_ticks;
        return;   // the pictures and the typing stop where they are
    }
    story_quads_step();
    if (story_typewriter_step() && story_cue_due() && faction_ending_next_scene() == 2) {
        quit_request = 1;
        load_error = 0xff;
    }
}
