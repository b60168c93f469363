// The character endings: what the ladder's winner wished for, typed over two or three pictures
// that slide into place and cross-fade at their cue pages.
#include "story/story.h"

#include "story/story_local.h"

#include "arenas/arenas.h"
#include "characters/characters.h"
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"

#include <GL/gl.h>

#include <cstring>
#include <iterator>

constexpr u32 ENDING_START_WAIT = 120;       // ticks of black before the ending's first tick
constexpr f32 SLIDE_DISTANCE = 16.0f;
constexpr f32 END_FADE = 0.9f;
constexpr i32 DIFFICULTY_NORMAL_SKIPS_ENDINGS = 4;

enum EndingSlide : u32 {
    ENDING_SLIDE_UP = 0,
    ENDING_SLIDE_DOWN = 1,
    ENDING_SLIDE_LEFT = 2,
    ENDING_SLIDE_RIGHT = 3
};

// One picture of an ending: how it comes in, from which page, how fast, and where it lies.
struct EndingPicture {
    const char *entry;
    u32 mode;                 // EndingSlide
    i32 cue_page;
    f32 fade_ticks;
    f32 left, right, top, bottom;
};

struct EndingScript {
    const char *text;
    EndingPicture pictures[3];   // entry null: no such picture
};

static const char ending_text_jason[] =
    "Standing before Zeus, still recovering from the last fight,\n"
    "Jason     \n"
    "\n"
    "asked for the one thing he had always wanted: the throne of\n"
    "Iolcus.     \n"
    "\n"
    "Zeus smiled and raised his hand.     \n"
    "\n"
    "\n"
    "Thunder rolled, and a white light filled the hall.\n"
    "He shut his eyes.  \n"
    "\n"
    "Jason woke in the palace of his fathers.    \n"
    "\n"
    "\n"
    "The people cheered their rightful king, for Pelias was gone.         \n"
    "\n"
    "\n"
    "Jason ruled with Medea at his side for many years.     \n"
    "\n"
    "\n"
    "The Argo was hung in the temple of Poseidon, her voyages done.    \n"
    "\n"
    "\n"
    "Sometimes, on quiet nights, he still dreamed of the open sea.    \n"
    "\n"
    "\n"
    "But he never sailed again.    \n"
    "\n"
    "\n"
    "Hera watched over his city for as long as he lived.    \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_odysseus[] =
    "\"...And so, the Mighty Odysseus took his prize before the throne\n"
    "of Zeus.                                    \n"
    "\n"
    "The father of the gods asked him what he wished for.                  \n"
    "\n"
    "\n"
    "Odysseus did not ask for gold, nor for glory, nor for a crown.        \n"
    "\n"
    "\n"
    "He asked only to go home, to Ithaca, to his wife and his son.         \n"
    "\n"
    "\n"
    "Zeus granted it, and Poseidon could do nothing to stop him this\n"
    "time.                                    \n"
    "\n"
    "A swift ship carried him over a calm sea, with Athena at the\n"
    "helm.                                    \n"
    "\n"
    "After twenty years, Odysseus saw the hills of Ithaca again.           \n"
    "\n"
    "\n"
    "But his palace was full of strangers who wanted his wife and his\n"
    "kingdom.                                    \n"
    "\n"
    "Dressed as a beggar, the king walked into his own hall.               \n"
    "\n"
    "\n"
    "Only his old dog Argos knew him, and wagged his tail one last\n"
    "time.                                   \n"
    "\n"
    "Penelope set a test: whoever could string the great bow would be\n"
    "her husband.                                   \n"
    "\n"
    "One by one the suitors tried, and one by one they failed.             \n"
    "\n"
    "\n"
    "Then the beggar took the bow, strung it, and sent an arrow\n"
    "through twelve axes.                                   \n"
    "\n"
    "The battle in the hall was short.                                   \n"
    "\n"
    "\n"
    "When it was over, Penelope looked at the stranger and knew him\n"
    "at last.                                   \n"
    "\n"
    "Odysseus was home, and this time he stayed.                           \n"
    "\n"
    "\n"
    "And Athena, who had watched over him all his life, smiled.\"           \n"
    "\n"
    "\n"
    "So ends the story of Odysseus, the man of many ways.                  \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_atalanta[] =
    "After all the fighting.                 \n"
    "\n"
    "\n"
    "Atalanta stood before Zeus with her bow on her shoulder.              \n"
    "\n"
    "\n"
    "\"Ask for anything,\" said the king of the gods.                 \n"
    "\n"
    "\n"
    "She asked for the forests of Arcadia, free of kings and cities\n"
    "forever.                 \n"
    "\n"
    "Zeus granted it, and Artemis herself came to thank her.               \n"
    "\n"
    "\n"
    "The goddess made her the guardian of the wild places.                 \n"
    "\n"
    "\n"
    "No hunter would ever take more than the forest could give.            \n"
    "\n"
    "\n"
    "No king would ever build his walls among her trees.                 \n"
    "\n"
    "\n"
    "Atalanta went back to the woods where the she-bear had raised\n"
    "her.                \n"
    "\n"
    "There she ran with the deer, faster than the wind, as she always\n"
    "had.                \n"
    "\n"
    "Hippomenes came to find her, with no golden apples this time.         \n"
    "\n"
    "\n"
    "He only asked to walk beside her, and she let him.                \n"
    "\n"
    "\n"
    "Together they kept the forests of Arcadia for many years.             \n"
    "\n"
    "\n"
    "Travellers told of a huntress who appeared among the trees and\n"
    "vanished.                \n"
    "\n"
    "And the forests of Arcadia are still wild today.                \n"
    "\n"
    "\n"
    "Some say she is still there.                \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_perseus[] =
    "After the last battle, Perseus was taken before the throne of\n"
    "Zeus.                                  \n"
    "\n"
    "Zeus looked at his son with pride.                                  \n"
    "\n"
    "\n"
    "ZEUS:                 \n"
    "\"You have fought well, my son. What do you wish for?\"                 \n"
    "\n"
    "PERSEUS:             \n"
    "\"Father, I want to know who brought Medusa back.\"                     \n"
    "\n"
    "Zeus was silent for a long time.                                  \n"
    "\n"
    "\n"
    "ZEUS:               \n"
    "\"It was Ares. He freed her from Hades for his war.\"                   \n"
    "\n"
    "PERSEUS:           \n"
    "\"Then let her rest. Let no god wake her again.\"                       \n"
    "\n"
    "Zeus agreed, and sent Hermes to lead Medusa's shade back below.       \n"
    "\n"
    "\n"
    "But Perseus had one more wish.                                  \n"
    "\n"
    "\n"
    "PERSEUS:            \n"
    "\"And let my grandfather Acrisius live in peace.\"                      \n"
    "\n"
    "The old king had feared his grandson all his life.                    \n"
    "\n"
    "\n"
    "Zeus granted that too, and the prophecy was forgotten.                \n"
    "\n"
    "\n"
    "Perseus went back to Argos with Andromeda.                            \n"
    "\n"
    "\n"
    "There he gave the shield back to Athena, and the sandals to\n"
    "Hermes.                                 \n"
    "\n"
    "He kept only his sword.                                 \n"
    "\n"
    "\n"
    "He founded the city of Mycenae and built its walls of great\n"
    "stones.                                 \n"
    "\n"
    "His children became kings, and their children heroes.                 \n"
    "\n"
    "\n"
    "One of them would be called Heracles.                                 \n"
    "\n"
    "\n"
    "And somewhere far below, Medusa sleeps at last.                       \n"
    "\n"
    "\n"
    "Nobody wakes her now.                                 \n"
    "\n"
    "\n"
    "Not even Ares.                                 \n"
    "\n"
    "\n"
    "Perseus grew old in Mycenae, with Andromeda at his side.              \n"
    "\n"
    "\n"
    "When his time came, Zeus did not send him down to Hades.              \n"
    "\n"
    "\n"
    "Zeus placed him among the stars, with Andromeda beside him.           \n"
    "\n"
    "\n"
    "On clear nights you can still see them, side by side.           \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_hippolyte[] =
    "As anyone would imagine, Hippolyte's wish was for her father,\n"
    "Ares.                                                \n"
    "\n"
    "But when she stood before the throne of Zeus, she did not ask\n"
    "for it.                                                \n"
    "\n"
    "She asked for the freedom of the Amazons instead.                     \n"
    "\n"
    "\n"
    "No Greek king would ever again come to steal her belt or her\n"
    "people.                                                \n"
    "\n"
    "Zeus granted it, and Ares raged on Olympus.                           \n"
    "\n"
    "\n"
    "The god of war had lost his throne because of his own daughter.       \n"
    "\n"
    "\n"
    "Hippolyte bowed to Zeus, and did not look back at her father.         \n"
    "\n"
    "\n"
    "The Amazons welcomed her home with songs and fires.                   \n"
    "\n"
    "\n"
    "She ruled them long and well, and nobody dared to attack them.        \n"
    "\n"
    "\n"
    "Ares came to see her once, and asked her why.                         \n"
    "\n"
    "\n"
    "\"You taught me to fight for myself, father,\" she said.                \n"
    "\n"
    "\n"
    "\"So I did.\"                                                \n"
    "\n"
    "\n"
    "Ares laughed, for the first time in a thousand years.                 \n"
    "\n"
    "\n"
    "The Amazons remember her as their greatest queen.                     \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_polyphemus[] =
    "POLYPHEMUS:                \n"
    "\"I want my eye back. Both of them! No, one is enough.\"                \n"
    "\n"
    "Zeus gave the Cyclops his sight back, clearer than ever.              \n"
    "\n"
    "\n"
    "POLYPHEMUS:\n"
    "\"And I want Galatea.\"                                \n"
    "\n"
    "The nymph Galatea had always laughed at the giant.                    \n"
    "\n"
    "\n"
    "Zeus could not give him a heart, but he could give him a chance.      \n"
    "\n"
    "\n"
    "Zeus wished him luck, and sent the Cyclops home to his island.        \n"
    "\n"
    "\n"
    "There he sat by the sea and sang for her, badly, every evening.       \n"
    "\n"
    "\n"
    "One evening Galatea came out of the waves to listen.                  \n"
    "\n"
    "\n"
    "GALATEA:\n"
    "\"Your song is terrible, Cyclops.\"                                \n"
    "\n"
    "POLYPHEMUS:                 \n"
    "\"I know. I will sing it every night until you like it.\"               \n"
    "\n"
    "Galatea laughed, but she came back the next night.                    \n"
    "\n"
    "\n"
    "And the next.                                \n"
    "\n"
    "\n"
    "A ship passed the island one day and a familiar voice called\n"
    "out.                                \n"
    "\n"
    "ODYSSEUS:  \n"
    "\"Polyphemus! I am sorry about your eye!\"                              \n"
    "\n"
    "Polyphemus threw one small rock, just to be polite, and missed.       \n"
    "\n"
    "\n"
    "Then he went back to his singing.                                \n"
    "\n"
    "\n"
    "Galatea says it has improved.                               \n"
    "\n"
    "\n"
    "A little.                               \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_minotaur[] =
    "With the battle's end, the Minotaur stood before Zeus, breathing\n"
    "hard.                                                    \n"
    "\n"
    "It had no words for its wish, but the god of gods could see its\n"
    "heart.                                                    \n"
    "\n"
    "It wished never to go back into the dark of the Labyrinth again.      \n"
    "\n"
    "\n"
    "Zeus opened the earth, and the Minotaur walked out into the sun.      \n"
    "\n"
    "\n"
    "For the first time it saw the green hills of Crete and the blue\n"
    "sea.                                                    \n"
    "\n"
    "Nobody would feed it youths and maidens any more; it needed\n"
    "none.                                                    \n"
    "\n"
    "It lived on the mountain as a bull lives, alone and quiet,\n"
    "eating grass.                                                    \n"
    "\n"
    "Nobody hunted it and nobody feared it. It was free under the sun\n"
    "at last.                                           \n"
    "\n"
    "The shepherds of Crete and their children came up to see the\n"
    "great beast resting in the sun.                               \n"
    "\n"
    "It never harmed them. It only watched the sea, for hours, in\n"
    "silence.                                                   \n"
    "\n"
    "The Labyrinth below fell in, and nobody ever rebuilt it.              \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_medusa[] =
    "Medusa's wish did not come much as a surprise.                   \n"
    "\n"
    "\n"
    "She wanted her beauty back.                   \n"
    "\n"
    "\n"
    "Zeus hesitated, for the curse was Athena's.                   \n"
    "\n"
    "\n"
    "But a wish is a wish.                   \n"
    "\n"
    "\n"
    "The snakes fell from her head, one by one.                   \n"
    "\n"
    "\n"
    "Her hair grew long and dark again.                   \n"
    "\n"
    "\n"
    "And her eyes turned nobody to stone.                   \n"
    "\n"
    "\n"
    "Medusa went back to the temple where she had served.                  \n"
    "\n"
    "\n"
    "Athena met her at the door.                   \n"
    "\n"
    "\n"
    "The goddess said nothing for a long time.                   \n"
    "\n"
    "\n"
    "Then she bowed her head.                   \n"
    "\n"
    "\n"
    "Medusa smiled.                  \n"
    "\n"
    "\n"
    "She never served in the temple again.                  \n"
    "\n"
    "\n"
    "She went away over the sea, to live as she wished.                  \n"
    "\n"
    "\n"
    "Nobody knows where she went.                  \n"
    "\n"
    "\n"
    "Perhaps it is better so.                  \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_sphinx[] =
    "The sphinx came up with an unusual desire.              \n"
    "\n"
    "\n"
    "She asked Zeus a riddle, and told him she would have his throne\n"
    "if he failed.              \n"
    "\n"
    "What walks on four legs in the morning, two at noon and three at\n"
    "night?              \n"
    "\n"
    "Zeus smiled, for he had heard it before: man.             \n"
    "\n"
    "\n"
    "So the Sphinx asked another, and another, until night fell on\n"
    "Olympus.             \n"
    "\n"
    "At last Zeus could not answer.             \n"
    "\n"
    "\n"
    "The Sphinx laughed, and said she did not want a throne after\n"
    "all.             \n"
    "\n"
    "She only wanted to see the father of the gods without an answer.      \n"
    "\n"
    "\n"
    "She flew back to Thebes to wait for travellers.             \n"
    "\n"
    "\n"
    "The riddle is still there.             \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_hydra[] =
    "The Hydra stood stoic at its victory, all its heads raised high.      \n"
    "\n"
    "\n"
    "It had no wish but one: to be left alone in its swamp.                \n"
    "\n"
    "\n"
    "Zeus granted it, gladly.                       \n"
    "\n"
    "\n"
    "He never wanted to see its heads on Olympus again.                 \n"
    "\n"
    "\n"
    "The Hydra hissed its thanks with all its heads.               \n"
    "\n"
    "\n"
    "Then it slid down the mountain, back to the swamp of Lerna.           \n"
    "\n"
    "\n"
    "It sleeps there still. If you hear a hiss in its reeds,         \n"
    "\n"
    "\n"
    "turn back.                       \n"
    "\n"
    "\n"
    "The end.                      \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_ares[] =
    "ATROPOS:\n"
    "\"So the god of war has won.\"                         \n"
    "\n"
    "ARES:\n"
    "\"I have. The throne is mine.\"                         \n"
    "\n"
    "Zeus rose from his throne and left without a word.                    \n"
    "\n"
    "\n"
    "Ares sat down, and the gods bowed before him.                         \n"
    "\n"
    "\n"
    "From his new throne, Ares sent war down to the earth, and was glad.   \n"
    "\n"
    "\n"
    "ATROPOS:\n"
    "\"Be careful. Threads can be cut.\"                         \n"
    "\n"
    "ARES:\n"
    "\"Not mine. I am a god.\"                         \n"
    "\n"
    "Atropos only smiled, and went back to her sisters.                    \n"
    "\n"
    "\n"
    "She has time.                         \n"
    "\n"
    "\n"
    "She always has.                         \n"
    "\n"
    "\n"
    "The end.                        \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const char ending_text_atropos[] =
    "ARES:\n"
    "\"What do you want, Fate?\"                                  \n"
    "\n"
    "ATROPOS:  \n"
    "\"Nothing from you. Nothing from Zeus.\"                                \n"
    "\n"
    "She raised her shears, and the throne of Olympus stood empty.         \n"
    "\n"
    "\n"
    "The gods do not rule fate. Fate rules the gods.                       \n"
    "\n"
    "\n"
    "Atropos went back to her sisters, to spin, measure and cut.           \n"
    "\n"
    "\n"
    "Every thread ends.                                  \n"
    "\n"
    "\n"
    "Even the gods' threads.                                  \n"
    "\n"
    "\n"
    "The end.                                 \n"
    "\n"
    "\n"
    "                    \n"
    "\n"
    "\n";

static const EndingScript ending_scripts[] = {
    {ending_text_jason,
     {{"finales/jasonf1.jpg", 3, 0, 480, -9, 9, 7, -6.5f}, {"finales/jasonf2.jpg", 2, 3, 640, -9, 9, 7, -6.5f}}},
    {ending_text_odysseus,
     {{"finales/odiseof1.jpg", 3, 0, 360, -9, 9, 6.5f, -7}, {"finales/odiseof2.jpg", 2, 6, 640, -9, 9, 7, -6.5f},
      {"finales/odiseof3.jpg", 1, 14, 640, -9, 9, 7, -10}}},
    {ending_text_atalanta,
     {{"finales/atalantaf1.jpg", 1, 0, 480, -9, 9, 7, -15}, {"finales/atalantaf2.jpg", 2, 7, 640, -10, 10, 8, -8}}},
    {ending_text_perseus,
     {{"finales/perseof1.jpg", 3, 0, 360, -9, 9, 6.5f, -7}, {"finales/perseof2.jpg", 2, 6, 640, -9, 9, 7, -6.5f},
      {"finales/perseof3.jpg", 0, 22, 800, -9, 9, 10, -7}}},
    {ending_text_hippolyte,
     {{"finales/hipolitaf1.jpg", 3, 0, 360, -9, 9, 6.5f, -7}, {"finales/hipolitaf2.jpg", 2, 6, 640, -9, 9, 7, -6.5f},
      {"finales/hipolitaf3.jpg", 1, 11, 640, -9, 9, 7, -14}}},
    {ending_text_polyphemus,
     {{"finales/polifemof1.jpg", 1, 0, 480, -9, 9, 7, -11}, {"finales/polifemof2.jpg", 1, 5, 640, -9, 9, 7, -11}}},
    {ending_text_minotaur,
     {{"finales/minotaurof1.jpg", 3, 0, 360, -9, 9, 6.5f, -7}, {"finales/minotaurof2.jpg", 0, 2, 480, -9, 9, 14, -7},
      {"finales/minotaurof3.jpg", 2, 7, 640, -9, 9, 6.5f, -7}}},
    {ending_text_medusa,
     {{"finales/medusaf1.jpg", 3, 0, 360, -9, 9, 6.5f, -7}, {"finales/medusaf2.jpg", 1, 4, 480, -9, 9, 7, -14},
      {"finales/medusaf3.jpg", 2, 11, 640, -9, 9, 7, -6.5f}}},
    {ending_text_sphinx,
     {{"finales/esfingef1.jpg", 0, 0, 480, -9, 9, 15, -7}, {"finales/esfingef2.jpg", 2, 3, 640, -9, 9, 7, -6.5f}}},
    {ending_text_hydra,
     {{"finales/hidraf1.jpg", 2, 0, 480, -9, 9, 6.5f, -6.5f}, {"finales/hidraf2.jpg", 3, 5, 480, -9, 9, 6.5f, -6.5f}}},
    {ending_text_ares,
     {{"finales/aresf1.jpg", 3, 0, 480, -8.5f, 8.5f, 7, -6.5f}, {"finales/aresf2.jpg", 1, 4, 640, -9, 9, 7, -11}}},
    {ending_text_atropos,
     {{"finales/atropof1.jpg", 3, 0, 480, -8.5f, 8.5f, 7.5f, -7}, {"finales/atropof2.jpg", 2, 7, 480, -9, 9, 7, -6.5f}}},
};
static_assert(std::size(ending_scripts) == CHARACTER_COUNT, "one ending per character");

const char *ending_text(int character)
{
    return character >= 0 && character < CHARACTER_COUNT ? ending_scripts[character].text : "";
}

// Screen lifetime: the picture script of the running ending and where it stands.
u32 ending_script_modes[ENDING_MAX_PICTURES];
f32 ending_script_fade_ticks[ENDING_MAX_PICTURES];
f32 ending_quad_left[ENDING_MAX_PICTURES], ending_quad_right[ENDING_MAX_PICTURES];
f32 ending_quad_top[ENDING_MAX_PICTURES], ending_quad_bottom[ENDING_MAX_PICTURES];
u32 story_picture_index;
f32 story_picture_fade;     // 0..1
u32 ending_draw_mode;
u32 ending_texture, ending_prev_texture;
f32 ending_prev_left, ending_prev_right, ending_prev_top, ending_prev_bottom;
i32 ending_last_change = -1;

i32 ending_winner()
{
    i32 id = game_mode == GAME_MODE_ARCADE_P1 ? p1_character : game_mode == GAME_MODE_ARCADE_P2 ? p2_character : 0;
    return id >= 0 && id < CHARACTER_COUNT ? id : 0;
}

// The pictures into slots 0..2, then the text and the script; 2 at the first picture missing.
static int ending_load(int id)
{
    const EndingScript *script = &ending_scripts[id];
    int count = 0;
    for (const EndingPicture &p : script->pictures) {
        if (!p.entry)
            break;
        if (!story_slot_load(count, p.entry, TEXTURE_MIPMAP_RGBA_FULL))
            return 2;
        count++;
    }
    story_text_start(script->text);
    for (int k = 0; k < count; k++) {
        const EndingPicture &p = script->pictures[k];
        ending_script_modes[k] = p.mode;
        story_cue_pages[k] = p.cue_page;
        ending_script_fade_ticks[k] = p.fade_ticks;
        ending_quad_left[k] = p.left;
        ending_quad_right[k] = p.right;
        ending_quad_top[k] = p.top;
        ending_quad_bottom[k] = p.bottom;
    }
    story_cue_pages[count] = STORY_CUE_NONE;
    return 0;
}

int ending_load_jason() { return ending_load(CHARACTER_JASON); }
int ending_load_odysseus() { return ending_load(CHARACTER_ODYSSEUS); }
int ending_load_atalanta() { return ending_load(CHARACTER_ATALANTA); }
int ending_load_perseus() { return ending_load(CHARACTER_PERSEUS); }
int ending_load_hippolyte() { return ending_load(CHARACTER_HIPPOLYTE); }
int ending_load_polyphemus() { return ending_load(CHARACTER_POLYPHEMUS); }
int ending_load_minotaur() { return ending_load(CHARACTER_MINOTAUR); }
int ending_load_medusa() { return ending_load(CHARACTER_MEDUSA); }
int ending_load_sphinx() { return ending_load(CHARACTER_SPHINX); }
int ending_load_hydra() { return ending_load(CHARACTER_HYDRA); }
int ending_load_ares() { return ending_load(CHARACTER_ARES); }
int ending_load_atropos() { return ending_load(CHARACTER_ATROPOS); }

static int (*const ending_loaders[])() = {
    ending_load_jason,  ending_load_odysseus, ending_load_atalanta, ending_load_perseus,
    ending_load_hippolyte, ending_load_polyphemus, ending_load_minotaur, ending_load_medusa,
    ending_load_sphinx, ending_load_hydra,    ending_load_ares,     ending_load_atropos,
};
static_assert(std::size(ending_loaders) == CHARACTER_COUNT, "one loader per character");

void story_fight_pictures_release(bool with_fighters_extras)
{
    if (with_fighters_extras) {
        texture_table_delete(divine_textures, DIVINE_TEXTURE_COUNT);
        divine_texture_count = 0;
        texture_table_delete(projectile_textures, PROJECTILE_TEXTURE_COUNT);
        title_textures_free();
    }
    texture_table_delete(skin_textures, SKIN_TEXTURE_COUNT);
    skin_texture_count = 0;
    texture_table_delete(screen_textures, SCREEN_TEXTURES);
    screen_texture_count = 0;
    texture_table_delete(stage_textures, STAGE_TEXTURE_SLOTS);
    stage_texture_count = 0;
}

int ending_start()
{
    music_stop();
    if (music_play("musica/tavrosk2.ogg") != 0)
        return 1;
    story_picture_fade = 0.0f;
    ending_last_change = -1;
    story_picture_index = 0;
    story_fight_pictures_release(true);
    if (ending_loaders[ending_winner()]() != 0) {
        quit_request = 1;
        return 1;
    }
    ending_draw_mode = ending_script_modes[0];
    ending_texture = 0;
    ending_prev_texture = 0;
    game_state = STATE_CHARACTER_ENDING;
    return 0;
}

// After the ending: the credits at difficulty 4 or for the gods' side's leaders, else the
// faction that won.
static int ending_next_screen()
{
    i32 id = ending_winner();
    if (difficulty == DIFFICULTY_NORMAL_SKIPS_ENDINGS || id == CHARACTER_ARES || id == CHARACTER_ATROPOS)
        return credits_roll_start();
    if (id == CHARACTER_HIPPOLYTE || id == CHARACTER_MINOTAUR || id == CHARACTER_MEDUSA || id == CHARACTER_SPHINX ||
        id == CHARACTER_HYDRA)
        return faction_ending_start_ares();
    return faction_ending_start_heroes();
}

static void ending_leave()
{
    latch_start[0] = latch_start[1] = 1;   // a Start still held does not skip what follows
    if (ending_next_screen() != 0) {
        quit_request = 1;
        load_error = 1;
    }
}

static void ending_picture_change()
{
    u32 k = story_picture_index;
    ending_last_change = static_cast<i32>(k);
    ending_prev_left = ending_quad_left[k];
    ending_prev_right = ending_quad_right[k];
    ending_prev_top = ending_quad_top[k];
    ending_prev_bottom = ending_quad_bottom[k];
    story_picture_fade = 0.0f;
    story_picture_index = k + 1;
    ending_draw_mode = ending_script_modes[k + 1];
    ending_prev_texture = ending_texture;
    ending_texture++;
}

void ending_tick()
{
    if (story_end_wait_over() || story_start_pressed()) {
        ending_leave();
        return;
    }
    u32 k = story_picture_index < ENDING_MAX_PICTURES - 1 ? story_picture_index : ENDING_MAX_PICTURES - 2;
    bool last = story_cue_pages[k + 1] == STORY_CUE_NONE;
    if (last && story_chars_typed + 1 >= std::strlen(story_text) && story_picture_fade > END_FADE) {
        if (story_end_stamp == 0)
            story_end_stamp = story_ticks;
        return;
    }
    f32 ticks = ending_script_fade_ticks[k] > 0.0f ? ending_script_fade_ticks[k] : 1.0f;
    story_picture_fade += 1.0f / ticks;
    if (story_picture_fade > 1.0f)
        story_picture_fade = 1.0f;
    if (story_typewriter_step() && static_cast<i32>(story_page) == story_cue_pages[k + 1] &&
        static_cast<i32>(k) != ending_last_change && !last)
        ending_picture_change();
}

// The line of its own that tells of the profile this win put up for sale, above the pictures,
// centred by its measured width. The pictures fill the screen and their detail runs to the top
// (Jason's palace roof stands right there), so the line sits on a dark band of its own that
// hides whatever the picture holds under it.
constexpr const char *OFFER_LINE = "PROFILE NOW ON SALE IN THE SHOP";
constexpr f32 OFFER_LINE_Y = 18.0f, OFFER_LINE_Z = -70.0f;
constexpr f32 OFFER_BAND_MARGIN = 1.0f;   // round the glyph quads, in the line's units
constexpr f32 OFFER_BAND_ALPHA = 0.8f;

static void offer_line_draw()
{
    f32 width = font_text_width(FONT_TEXT, OFFER_LINE), height = font_layouts[FONT_TEXT].quad_height;
    f32 left = -0.5f * width - OFFER_BAND_MARGIN, right = 0.5f * width + OFFER_BAND_MARGIN;
    f32 bottom = OFFER_LINE_Y - OFFER_BAND_MARGIN, top = OFFER_LINE_Y + height + OFFER_BAND_MARGIN;
    glMatrixMode(GL_MODELVIEW);
    glPushMatrix();
    glLoadIdentity();
    glColor4f(0.0f, 0.0f, 0.0f, OFFER_BAND_ALPHA);
    screen_rect_fill(left, top, right, bottom, OFFER_LINE_Z);
    glPopMatrix();
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    print_text(-0.5f * width, OFFER_LINE_Y, OFFER_LINE_Z, "%s", OFFER_LINE);
}

// A picture's rectangle as four corners about the origin, for the shared picture drawer.
static void ending_rect(f32 corners[4][3], f32 left, f32 right, f32 top, f32 bottom, f32 dx, f32 dy)
{
    const f32 rect[4][3] = {{left + dx, top + dy, 0}, {left + dx, bottom + dy, 0}, {right + dx, bottom + dy, 0},
                            {right + dx, top + dy, 0}};
    std::memcpy(corners, rect, sizeof rect);
}

void ending_slide_offset(f32 *dx, f32 *dy)
{
    f32 s = SLIDE_DISTANCE * (1.0f - story_picture_fade);
    *dx = ending_draw_mode == ENDING_SLIDE_LEFT ? s : ending_draw_mode == ENDING_SLIDE_RIGHT ? -s : 0.0f;
    *dy = ending_draw_mode == ENDING_SLIDE_UP ? -s : ending_draw_mode == ENDING_SLIDE_DOWN ? s : 0.0f;
}

void ending_draw()
{
    static const f32 origin[3] = {0, 0, 0};
    f32 f = story_picture_fade;
    f32 a = 1.0f - f < 0.0f ? 0.0f : 1.0f - f;
    story_screen_state_set();
    u32 k = story_picture_index < ENDING_MAX_PICTURES ? story_picture_index : ENDING_MAX_PICTURES - 1;
    f32 dx, dy;
    ending_slide_offset(&dx, &dy);
    f32 corners[4][3];
    ending_rect(corners, ending_quad_left[k], ending_quad_right[k], ending_quad_top[k], ending_quad_bottom[k], dx, dy);
    story_picture_draw(ending_texture, corners, origin, story_picture_index == 0 ? f : 1.0f);
    if (ending_texture > 0) {
        ending_rect(corners, ending_prev_left, ending_prev_right, ending_prev_top, ending_prev_bottom, 0, 0);
        story_picture_draw(ending_prev_texture, corners, origin, a);
    }
    glEnable(GL_BLEND);
    story_lines_draw();
    if (ladder_profile_offered)
        offer_line_draw();
}
