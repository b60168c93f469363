// The story screens' pictures against their lines, played from the built data set: in the
// opening story, the twelve endings and both faction endings the picture a line speaks of is
// the one on top for most of the time the line is typed; nothing a picture shows lies off the
// screen; and a picture drawn over another, or in two halves, meets it without a seam.
#include "engine/engine.h"
#include "frontend/frontend.h"
#include "game/game.h"
#include "story/story.h"
#include "support/data_set.h"
#include "support/draw_fixtures.h"
#include "support/fake_audio.h"
#include "support/test_paths.h"

#include <GL/gl.h>
#include <algorithm>
#include <functional>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <gtest/gtest.h>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

namespace {

// The screen at the pictures' depth (script z 0), half-width and half-height in story units.
constexpr float SCREEN_HALF_W = 8.408f, SCREEN_HALF_H = 6.306f;

// A picture's rectangle on the screen plane at script z 0: left, right, top, bottom.
struct ScreenRect {
    float l, r, t, b;
};

struct Shown {
    std::string entry;   // the picture's name without its folder and extension
    ScreenRect rect;
    std::string archive_entry;
    int quad;      // the story quad showing it; -1 on a character ending
    float alpha;   // how much of it the screen shows, 0..1
    bool going;    // a character ending's picture fading out over the next
};

std::string short_name(const char *entry)
{
    std::string e = entry;
    size_t slash = e.rfind('/'), dot = e.rfind('.');
    return e.substr(slash + 1, dot - slash - 1);
}

// Every picture the running story screen shows now, however faint: quads with a picture, on
// the screen.
std::vector<Shown> quads_on_screen()
{
    std::vector<Shown> out;
    for (u32 i = 0; i < story_quad_count && i < STORY_QUADS; i++) {
        const StoryQuad &q = story_quads[i];
        const char *entry = q.texture < SCREEN_TEXTURES ? story_slot_entries[q.texture] : nullptr;
        if (!entry || q.alpha <= 0.0f)
            continue;
        float s = 20.0f / (20.0f - q.position[2]);
        ScreenRect r = {(q.position[0] + q.corners[0][0]) * s, (q.position[0] + q.corners[2][0]) * s,
                        (q.position[1] + q.corners[0][1]) * s, (q.position[1] + q.corners[2][1]) * s};
        if (r.r > -SCREEN_HALF_W && r.l < SCREEN_HALF_W && r.b < SCREEN_HALF_H && r.t > -SCREEN_HALF_H)
            out.push_back({short_name(entry), r, entry, static_cast<int>(i), q.alpha, false});
    }
    return out;
}

// A character ending's two pictures: the one going, drawn over the other at 1 - fade, and the
// one coming, opaque beneath it (faded in on its own when it is the first), so showing as
// much as the fade.
std::vector<Shown> ending_on_screen()
{
    std::vector<Shown> out;
    u32 k = story_picture_index < ENDING_MAX_PICTURES ? story_picture_index : ENDING_MAX_PICTURES - 1;
    float f = story_picture_fade;
    const u32 slots[2] = {ending_prev_texture, ending_texture};
    const float alpha[2] = {ending_texture > 0 ? 1.0f - f : 0.0f, f};
    for (int i = 0; i < 2; i++) {
        const char *entry = slots[i] < SCREEN_TEXTURES ? story_slot_entries[slots[i]] : nullptr;
        u32 at = i == 0 && k > 0 ? k - 1 : k;
        if (alpha[i] > 0.0f && entry)
            out.push_back({short_name(entry),
                           {ending_quad_left[at], ending_quad_right[at], ending_quad_top[at], ending_quad_bottom[at]},
                           entry, -1, alpha[i], i == 0});
    }
    return out;
}

std::vector<Shown> pictures_on_screen()
{
    return game_state == STATE_CHARACTER_ENDING ? ending_on_screen() : quads_on_screen();
}

// The pictures a reader takes in at a glance: on the story quads those at about half opacity
// or more; on a character ending the picture fading out until it is more than half gone, and
// the one coming in from a third of its way (it slides in beneath the other).
constexpr float SHOWN_ALPHA = 0.3f, INCOMING_SHOWN = 0.3f, OUTGOING_SHOWN = 0.5f;
std::vector<Shown> pictures_shown()
{
    std::vector<Shown> out;
    bool ending = game_state == STATE_CHARACTER_ENDING;
    for (const Shown &s : pictures_on_screen()) {
        float least = !ending ? SHOWN_ALPHA : s.going ? OUTGOING_SHOWN : INCOMING_SHOWN;
        if (s.alpha >= least)
            out.push_back(s);
    }
    return out;
}

// The pictures on top now: those at the highest alpha on the screen (pictures fading
// together are on top together); none on black.
std::vector<std::string> pictures_on_top()
{
    constexpr float SAME_ALPHA = 0.001f;
    std::vector<Shown> shown = pictures_on_screen();
    float top = 0.0f;
    for (const Shown &s : shown)
        top = std::max(top, s.alpha);
    std::vector<std::string> out;
    for (const Shown &s : shown)
        if (s.alpha >= top - SAME_ALPHA)
            out.push_back(s.entry);
    return out;
}

// One typed line at the moment its last word is typed (only its pause spaces remain).
struct LineMoment {
    std::string script;
    u32 page;
    std::string text;
    std::vector<Shown> shown;
};

// One typed line over all the ticks it is typed, from its first character to the next line's
// (its pause spaces too): how many of them each picture was on top, and how many were black.
struct LineTicks {
    std::string script;
    u32 page;
    u32 line;
    std::string text;
    int ticks = 0, black = 0;
    std::map<std::string, int> on_top;
};

// Plays story screens tick by tick and notes each line's moment and its ticks.
class StoryWalk {
public:
    void sample(const std::string &script)
    {
        count_tick(script);
        if (story_line >= STORY_LINES)
            return;
        std::string text = story_lines[story_line];
        size_t end = text.find_last_not_of(' ');
        if (end == std::string::npos)
            return;
        const char *rest = story_read_ptr;
        while (*rest == ' ')
            rest++;
        if (*rest != '\n' && *rest != '\0')
            return;
        int key = static_cast<int>(story_page * STORY_LINES + story_line);
        if (script == last_script && key == last_key)
            return;
        last_script = script;
        last_key = key;
        moments.push_back({script, story_page, text.substr(0, end + 1), pictures_shown()});
        if (on_moment)
            on_moment(moments.back());
    }
    std::vector<LineMoment> moments;
    std::vector<LineTicks> lines;
    // Called at each moment with the screen still as it is (to draw it), when set.
    std::function<void(const LineMoment &)> on_moment;

private:
    // A tick belongs to the line its last typed character went into; a page just turned and
    // not yet typed on is still its last line's.
    void count_tick(const std::string &script)
    {
        bool typing = story_line < STORY_LINES && story_lines[story_line][0] != '\0';
        if (typing && (lines.empty() || lines.back().script != script || lines.back().page != story_page ||
                       lines.back().line != story_line))
            lines.push_back({script, story_page, story_line, "", 0, 0, {}});
        if (lines.empty() || lines.back().script != script)
            return;
        LineTicks &line = lines.back();
        if (typing)
            line.text = story_lines[story_line];
        line.ticks++;
        std::vector<std::string> top = pictures_on_top();
        line.black += top.empty();
        for (const std::string &name : top)
            line.on_top[name]++;
    }

    std::string last_script;
    int last_key = -1;
};

const char *const ENDING_NAMES[CHARACTER_COUNT] = {"jason",     "odysseus", "atalanta", "perseus", "hippolyte", "polyphemus",
                                                  "minotaur",  "medusa",   "sphinx",   "hydra",   "ares",      "atropos"};

class StoryPictures : public DrawTest {
protected:
    static void SetUpTestSuite()
    {
        std::string path = test_data_archive_path();
        archive = archive_open(path.c_str());
    }
    static void TearDownTestSuite() { archive_close(archive); }
    void SetUp() override
    {
        DrawTest::SetUp();
        ASSERT_TRUE(archive) << TEST_NO_DATA_SET;
        previous = asset_archive;
        asset_archive = archive;
        fake_audio_install();
        difficulty = 2;
        game_mode = GAME_MODE_ARCADE_P1;
    }
    void TearDown() override
    {
        texture_table_delete(screen_textures, SCREEN_TEXTURES);
        fake_audio_remove();
        asset_archive = previous;
    }

    // The opening story, every ending, and after the Jason and Minotaur endings their
    // faction's ending (the same two for every winner of a side).
    void walk_all(StoryWalk &walk)
    {
        ASSERT_EQ(intro_start(), 0);
        for (int t = 0; t < 30000 && game_state == STATE_INTRO; t++) {
            intro_tick();
            walk.sample("intro");
        }
        for (int id = 0; id < CHARACTER_COUNT; id++) {
            ending_play(id, [&] { walk.sample(ENDING_NAMES[id]); });
            if (id != CHARACTER_JASON && id != CHARACTER_MINOTAUR)
                continue;
            for (int t = 0; t < 30000 && game_state == STATE_FACTION_ENDING; t++) {
                story_ticks++;
                faction_ending_tick();
                walk.sample(story_kind == STORY_ARES_WON ? "ares won" : "heroes won");
            }
        }
    }

    // Plays character id's ending to its end as the logic tick does, calling each_tick after
    // every tick.
    void ending_play(int id, const std::function<void()> &each_tick)
    {
        p1_character = id;
        ASSERT_EQ(ending_start(), 0) << id;
        for (int t = 0; t < 30000 && game_state == STATE_CHARACTER_ENDING; t++) {
            if (++story_ticks > 120)
                ending_tick();
            each_tick();
        }
    }

    static ArchiveHandle archive;
    ArchiveHandle previous = nullptr;
};
ArchiveHandle StoryPictures::archive = nullptr;

// Line -> the picture it speaks of ("" for a line told on black), by script and page; the
// line is named by its first words.
struct LineRow {
    const char *script;
    u32 page;
    const char *line_start;
    const char *picture;   // the short name
};
const LineRow LINE_TABLE[] = {
    // script      page  line              picture
    {"intro", 3, "CLOTHO:", "cloto01"},
    {"intro", 3, "\"We are the Moirae, the ", "cloto01"},
    {"intro", 3, "I am Clotho: I spin the ", "cloto01"},
    {"intro", 4, "LACHESIS:", "cloto01"},   // each sister's name comes before her picture
    {"intro", 4, "\"I am Lachesis: I measur", "laquesis02"},
    {"intro", 5, "ATROPOS:", "laquesis02"},
    {"intro", 5, "\"And I am Atropos, who c", "atropos01"},
    {"intro", 5, "threads of the gods were", "atropos01"},
    {"intro", 8, "\"It happened once, that ", "ares02"},
    {"intro", 8, "weary of the long peace ", "ares02"},
    {"intro", 9, "\"In peace no altar burne", "ares02"},
    {"intro", 10, "\"Mortals prayed to the o", "ares02"},
    {"intro", 10, "went out. Alone, Ares lo", "olimpo01"},
    {"intro", 11, "\"So Ares climbed Olympus", "olimpo01"},
    {"intro", 11, "his father too old to ru", "ares02"},
    {"intro", 13, "\"Thunder rolled over the", ""},
    {"intro", 14, "\"In the hall of the gods", "olimpo03"},
    {"intro", 14, "fell still. Ares claimed", "ares01"},
    {"intro", 15, "\"Zeus rose in anger, but", "zeus02"},
    {"intro", 15, "burn the earth to ash.\"", "zeus02"},
    {"intro", 16, "\"Hera spoke: let no god ", "hera02"},
    {"intro", 16, "and monsters fight in th", "hera02"},
    {"intro", 17, "\"The last to stand would", "olimpo02"},
    {"intro", 18, "\"Zeus sent word to the G", "zeus03"},
    {"intro", 18, "called the Minotaur, Med", "zeus03"},
    {"intro", 19, "\"Even his daughter Hippo", "zeus03"},
    {"intro", 20, "\"They all came, heroes a", "zeus03"},
    {"intro", 20, "in ten arenas they would", ""},
    {"intro", 21, "\"Beneath the mountain He", "clash00"},
    {"intro", 21, "arenas, from Athens to t", "clash00"},
    {"intro", 22, "\"Day and night his hamme", "clash00"},
    {"intro", 23, "\"The sparks of his anvil", "clash00"},
    {"intro", 24, "\"Atropos came too: even ", "clash01"},
    {"intro", 25, "\"The crowds of heaven ga", "hefesto01"},
    {"intro", 25, "champion had a god behin", "hefesto02"},
    {"intro", 25, "his power.\"", "hefesto02"},
    {"intro", 26, "\"Jason came, and Odysseu", "jason"},
    {"intro", 26, "Perseus, Hippolyte, and ", "perseo"},
    {"intro", 27, "\"So began the tournament", "jason"},
    {"intro", 28, "CLOTHO:", "cloto01"},
    {"intro", 28, "\"The thread is spun.\"", "cloto01"},
    {"intro", 29, "LACHESIS:", "cloto01"},
    {"intro", 29, "\"Its length is measured.", "laquesis02"},
    {"intro", 30, "ATROPOS:", "laquesis02"},
    {"intro", 30, "\"Now let us see whose th", "atropos01"},
    {"jason", 0, "Standing before Zeus, st", "jasonf1"},
    {"jason", 0, "Jason", "jasonf1"},
    {"jason", 1, "asked for the one thing ", "jasonf1"},
    {"jason", 1, "Iolcus.", "jasonf1"},
    {"jason", 2, "Zeus smiled and raised h", "jasonf1"},
    {"jason", 3, "Thunder rolled, and a wh", "jasonf1"},
    {"jason", 3, "He shut his eyes.", "jasonf1"},
    {"jason", 4, "Jason woke in the palace", "jasonf2"},
    {"jason", 5, "The people cheered their", "jasonf2"},
    {"jason", 6, "Jason ruled with Medea a", "jasonf2"},
    {"jason", 7, "The Argo was hung in the", "jasonf2"},
    {"jason", 8, "Sometimes, on quiet nigh", "jasonf2"},
    {"jason", 9, "But he never sailed agai", "jasonf2"},
    {"jason", 10, "Hera watched over his ci", "jasonf2"},
    {"heroes won", 1, "Zeus' heroes vanquished ", "finz_01"},
    {"heroes won", 2, "The god of war was defea", "finz_01"},
    {"heroes won", 3, "So ended the tournament ", ""},
    {"heroes won", 5, "Zeus kept his throne,", "finz_03"},
    {"heroes won", 5, "and peace came back to t", "finz_03"},
    {"heroes won", 6, "The heroes went home wit", "finz_03"},
    {"heroes won", 6, "and their names were sun", "finz_03"},
    {"heroes won", 7, "And Ares waited in the d", "finz_04"},
    {"heroes won", 8, "The Moirae spun on,", "finz_04"},
    {"heroes won", 8, "as they always will.", "finz_04"},
    {"odysseus", 0, "\"...And so, the Mighty O", "odiseof1"},
    {"odysseus", 0, "of Zeus.", "odiseof1"},
    {"odysseus", 1, "The father of the gods a", "odiseof1"},
    {"odysseus", 2, "Odysseus did not ask for", "odiseof1"},
    {"odysseus", 3, "He asked only to go home", "odiseof1"},
    {"odysseus", 4, "Zeus granted it, and Pos", "odiseof1"},
    {"odysseus", 4, "time.", "odiseof1"},
    {"odysseus", 5, "A swift ship carried him", "odiseof1"},
    {"odysseus", 5, "helm.", "odiseof1"},
    {"odysseus", 6, "After twenty years, Odys", "odiseof1"},
    {"odysseus", 7, "But his palace was full ", "odiseof2"},
    {"odysseus", 7, "kingdom.", "odiseof2"},
    {"odysseus", 8, "Dressed as a beggar, the", "odiseof2"},
    {"odysseus", 9, "Only his old dog Argos k", "odiseof2"},
    {"odysseus", 9, "time.", "odiseof2"},
    {"odysseus", 10, "Penelope set a test: who", "odiseof2"},
    {"odysseus", 10, "her husband.", "odiseof2"},
    {"odysseus", 11, "One by one the suitors t", "odiseof2"},
    {"odysseus", 12, "Then the beggar took the", "odiseof2"},
    {"odysseus", 12, "through twelve axes.", "odiseof2"},
    {"odysseus", 13, "The battle in the hall w", "odiseof2"},
    {"odysseus", 14, "When it was over, Penelo", "odiseof2"},
    {"odysseus", 14, "at last.", "odiseof3"},
    {"odysseus", 15, "Odysseus was home, and t", "odiseof3"},
    {"odysseus", 16, "And Athena, who had watc", "odiseof3"},
    {"odysseus", 17, "So ends the story of Ody", "odiseof3"},
    {"atalanta", 0, "After all the fighting.", "atalantaf1"},
    {"atalanta", 1, "Atalanta stood before Ze", "atalantaf1"},
    {"atalanta", 2, "\"Ask for anything,\" said", "atalantaf1"},
    {"atalanta", 3, "She asked for the forest", "atalantaf1"},
    {"atalanta", 3, "forever.", "atalantaf1"},
    {"atalanta", 4, "Zeus granted it, and Art", "atalantaf1"},
    {"atalanta", 5, "The goddess made her the", "atalantaf1"},
    {"atalanta", 6, "No hunter would ever tak", "atalantaf1"},
    {"atalanta", 7, "No king would ever build", "atalantaf1"},
    {"atalanta", 8, "Atalanta went back to th", "atalantaf2"},
    {"atalanta", 8, "her.", "atalantaf2"},
    {"atalanta", 9, "There she ran with the d", "atalantaf2"},
    {"atalanta", 9, "had.", "atalantaf2"},
    {"atalanta", 10, "Hippomenes came to find ", "atalantaf2"},
    {"atalanta", 11, "He only asked to walk be", "atalantaf2"},
    {"atalanta", 12, "Together they kept the f", "atalantaf2"},
    {"atalanta", 13, "Travellers told of a hun", "atalantaf2"},
    {"atalanta", 13, "vanished.", "atalantaf2"},
    {"atalanta", 14, "And the forests of Arcad", "atalantaf2"},
    {"atalanta", 15, "Some say she is still th", "atalantaf2"},
    {"perseus", 0, "After the last battle, P", "perseof1"},
    {"perseus", 0, "Zeus.", "perseof1"},
    {"perseus", 1, "Zeus looked at his son w", "perseof1"},
    {"perseus", 2, "ZEUS:", "perseof1"},
    {"perseus", 2, "\"You have fought well, m", "perseof1"},
    {"perseus", 3, "PERSEUS:", "perseof1"},
    {"perseus", 3, "\"Father, I want to know ", "perseof1"},
    {"perseus", 4, "Zeus was silent for a lo", "perseof1"},
    {"perseus", 5, "ZEUS:", "perseof1"},
    {"perseus", 5, "\"It was Ares. He freed h", "perseof1"},
    {"perseus", 6, "PERSEUS:", "perseof1"},
    {"perseus", 6, "\"Then let her rest. Let ", "perseof1"},
    {"perseus", 7, "Zeus agreed, and sent He", "perseof2"},
    {"perseus", 8, "But Perseus had one more", "perseof2"},
    {"perseus", 9, "PERSEUS:", "perseof2"},
    {"perseus", 9, "\"And let my grandfather ", "perseof2"},
    {"perseus", 10, "The old king had feared ", "perseof2"},
    {"perseus", 11, "Zeus granted that too, a", "perseof2"},
    {"perseus", 12, "Perseus went back to Arg", "perseof2"},
    {"perseus", 13, "There he gave the shield", "perseof2"},
    {"perseus", 13, "Hermes.", "perseof2"},
    {"perseus", 14, "He kept only his sword.", "perseof2"},
    {"perseus", 15, "He founded the city of M", "perseof2"},
    {"perseus", 15, "stones.", "perseof2"},
    {"perseus", 16, "His children became king", "perseof2"},
    {"perseus", 17, "One of them would be cal", "perseof2"},
    {"perseus", 18, "And somewhere far below,", "perseof2"},
    {"perseus", 19, "Nobody wakes her now.", "perseof2"},
    {"perseus", 20, "Not even Ares.", "perseof2"},
    {"perseus", 21, "Perseus grew old in Myce", "perseof2"},
    {"perseus", 22, "When his time came, Zeus", "perseof2"},
    {"perseus", 23, "Zeus placed him among th", "perseof3"},
    {"perseus", 24, "On clear nights you can ", "perseof3"},
    {"hippolyte", 0, "As anyone would imagine,", "hipolitaf1"},
    {"hippolyte", 0, "Ares.", "hipolitaf1"},
    {"hippolyte", 1, "But when she stood befor", "hipolitaf1"},
    {"hippolyte", 1, "for it.", "hipolitaf1"},
    {"hippolyte", 2, "She asked for the freedo", "hipolitaf1"},
    {"hippolyte", 3, "No Greek king would ever", "hipolitaf1"},
    {"hippolyte", 3, "people.", "hipolitaf1"},
    {"hippolyte", 4, "Zeus granted it, and Are", "hipolitaf1"},
    {"hippolyte", 5, "The god of war had lost ", "hipolitaf1"},
    {"hippolyte", 6, "Hippolyte bowed to Zeus,", "hipolitaf1"},
    {"hippolyte", 7, "The Amazons welcomed her", "hipolitaf2"},
    {"hippolyte", 8, "She ruled them long and ", "hipolitaf2"},
    {"hippolyte", 9, "Ares came to see her onc", "hipolitaf2"},
    {"hippolyte", 10, "\"You taught me to fight ", "hipolitaf2"},
    {"hippolyte", 11, "\"So I did.\"", "hipolitaf2"},
    {"hippolyte", 12, "Ares laughed, for the fi", "hipolitaf3"},
    {"hippolyte", 13, "The Amazons remember her", "hipolitaf3"},
    {"polyphemus", 0, "POLYPHEMUS:", "polifemof1"},
    {"polyphemus", 0, "\"I want my eye back. Bot", "polifemof1"},
    {"polyphemus", 1, "Zeus gave the Cyclops hi", "polifemof1"},
    {"polyphemus", 2, "POLYPHEMUS:", "polifemof1"},
    {"polyphemus", 2, "\"And I want Galatea.\"", "polifemof1"},
    {"polyphemus", 3, "The nymph Galatea had al", "polifemof1"},
    {"polyphemus", 4, "Zeus could not give him ", "polifemof1"},
    {"polyphemus", 5, "Zeus wished him luck, an", "polifemof1"},
    {"polyphemus", 6, "There he sat by the sea ", "polifemof2"},
    {"polyphemus", 7, "One evening Galatea came", "polifemof2"},
    {"polyphemus", 8, "GALATEA:", "polifemof2"},
    {"polyphemus", 8, "\"Your song is terrible, ", "polifemof2"},
    {"polyphemus", 9, "POLYPHEMUS:", "polifemof2"},
    {"polyphemus", 9, "\"I know. I will sing it ", "polifemof2"},
    {"polyphemus", 10, "Galatea laughed, but she", "polifemof2"},
    {"polyphemus", 11, "And the next.", "polifemof2"},
    {"polyphemus", 12, "A ship passed the island", "polifemof2"},
    {"polyphemus", 12, "out.", "polifemof2"},
    {"polyphemus", 13, "ODYSSEUS:", "polifemof2"},
    {"polyphemus", 13, "\"Polyphemus! I am sorry ", "polifemof2"},
    {"polyphemus", 14, "Polyphemus threw one sma", "polifemof2"},
    {"polyphemus", 15, "Then he went back to his", "polifemof2"},
    {"polyphemus", 16, "Galatea says it has impr", "polifemof2"},
    {"polyphemus", 17, "A little.", "polifemof2"},
    {"minotaur", 0, "With the battle's end, t", "minotaurof1"},
    {"minotaur", 0, "hard.", "minotaurof1"},
    {"minotaur", 1, "It had no words for its ", "minotaurof1"},
    {"minotaur", 1, "heart.", "minotaurof1"},
    {"minotaur", 2, "It wished never to go ba", "minotaurof1"},
    {"minotaur", 3, "Zeus opened the earth, a", "minotaurof2"},
    {"minotaur", 4, "For the first time it sa", "minotaurof2"},
    {"minotaur", 4, "sea.", "minotaurof2"},
    {"minotaur", 5, "Nobody would feed it you", "minotaurof2"},
    {"minotaur", 5, "none.", "minotaurof2"},
    {"minotaur", 6, "It lived on the mountain", "minotaurof2"},
    {"minotaur", 6, "eating grass.", "minotaurof2"},
    {"minotaur", 7, "Nobody hunted it and nob", "minotaurof2"},
    {"minotaur", 7, "at last.", "minotaurof3"},
    {"minotaur", 8, "The shepherds of Crete a", "minotaurof3"},
    {"minotaur", 8, "great beast resting in t", "minotaurof3"},
    {"minotaur", 9, "It never harmed them. It", "minotaurof3"},
    {"minotaur", 9, "silence.", "minotaurof3"},
    {"minotaur", 10, "The Labyrinth below fell", "minotaurof3"},
    {"ares won", 1, "Zeus never expected this", "fina_01"},
    {"ares won", 2, "Ares' champions had won,", "fina_01"},
    {"ares won", 2, "his.", "fina_01"},
    {"ares won", 3, "The gods of Olympus watc", "fina_01"},
    {"ares won", 3, "the steps.", "fina_01"},
    {"ares won", 5, "Wars broke out in every ", "fina_01"},
    {"ares won", 5, "so happy.", "fina_01"},
    {"ares won", 6, "The temples of the other", "fina_01"},
    {"ares won", 6, "burned.", "fina_01"},
    {"ares won", 7, "That could not last. Thi", "fina_01"},
    {"ares won", 8, "I took my shears and wen", ""},
    {"ares won", 8, "gods.", ""},
    {"ares won", 9, "ATROPOS:", "fina_03"},
    {"ares won", 9, "\"Your thread is long, go", "fina_03"},
    {"ares won", 10, "ARES:", "fina_03"},
    {"ares won", 10, "\"You would not dare. I a", "fina_03"},
    {"ares won", 11, "ATROPOS:", "fina_03"},
    {"ares won", 11, "\"Kings come and go. I ha", "fina_03"},
    {"ares won", 12, "ARES:", "fina_03"},
    {"ares won", 12, "\"What do you want, then?", "fina_03"},
    {"ares won", 13, "ATROPOS:", "fina_05"},
    {"ares won", 13, "\"Give the throne back to", "fina_05"},
    {"ares won", 14, "ARES:", "fina_05"},
    {"ares won", 14, "\"...Very well. But the n", "fina_05"},
    {"ares won", 15, "So the shears stayed clo", "fina_05"},
    {"ares won", 16, "The world went on, a lit", "fina_07"},
    {"ares won", 17, "And I went back to my si", "fina_07"},
    {"ares won", 18, "As always.", "fina_07"},
    {"medusa", 0, "Medusa's wish did not co", "medusaf1"},
    {"medusa", 1, "She wanted her beauty ba", "medusaf1"},
    {"medusa", 2, "Zeus hesitated, for the ", "medusaf1"},
    {"medusa", 3, "But a wish is a wish.", "medusaf1"},
    {"medusa", 4, "The snakes fell from her", "medusaf1"},
    {"medusa", 5, "Her hair grew long and d", "medusaf2"},
    {"medusa", 6, "And her eyes turned nobo", "medusaf2"},
    {"medusa", 7, "Medusa went back to the ", "medusaf2"},
    {"medusa", 8, "Athena met her at the do", "medusaf2"},
    {"medusa", 9, "The goddess said nothing", "medusaf2"},
    {"medusa", 10, "Then she bowed her head.", "medusaf2"},
    {"medusa", 11, "Medusa smiled.", "medusaf2"},
    {"medusa", 12, "She never served in the ", "medusaf2"},
    {"medusa", 13, "She went away over the s", "medusaf3"},
    {"medusa", 14, "Nobody knows where she w", "medusaf3"},
    {"medusa", 15, "Perhaps it is better so.", "medusaf3"},
    {"sphinx", 0, "The sphinx came up with ", "esfingef1"},
    {"sphinx", 1, "She asked Zeus a riddle,", "esfingef1"},
    {"sphinx", 1, "if he failed.", "esfingef1"},
    {"sphinx", 2, "What walks on four legs ", "esfingef1"},
    {"sphinx", 2, "night?", "esfingef1"},
    {"sphinx", 3, "Zeus smiled, for he had ", "esfingef1"},
    {"sphinx", 4, "So the Sphinx asked anot", "esfingef2"},
    {"sphinx", 4, "Olympus.", "esfingef2"},
    {"sphinx", 5, "At last Zeus could not a", "esfingef2"},
    {"sphinx", 6, "The Sphinx laughed, and ", "esfingef2"},
    {"sphinx", 6, "all.", "esfingef2"},
    {"sphinx", 7, "She only wanted to see t", "esfingef2"},
    {"sphinx", 8, "She flew back to Thebes ", "esfingef2"},
    {"sphinx", 9, "The riddle is still ther", "esfingef2"},
    {"hydra", 0, "The Hydra stood stoic at", "hidraf1"},
    {"hydra", 1, "It had no wish but one: ", "hidraf1"},
    {"hydra", 2, "Zeus granted it, gladly.", "hidraf1"},
    {"hydra", 3, "He never wanted to see i", "hidraf1"},
    {"hydra", 4, "The Hydra hissed its tha", "hidraf1"},
    {"hydra", 5, "Then it slid down the mo", "hidraf1"},
    {"hydra", 6, "It sleeps there still. I", "hidraf2"},
    {"hydra", 7, "turn back.", "hidraf2"},
    {"hydra", 8, "The end.", "hidraf2"},
    {"ares", 0, "ATROPOS:", "aresf1"},
    {"ares", 0, "\"So the god of war has w", "aresf1"},
    {"ares", 1, "ARES:", "aresf1"},
    {"ares", 1, "\"I have. The throne is m", "aresf1"},
    {"ares", 2, "Zeus rose from his thron", "aresf1"},
    {"ares", 3, "Ares sat down, and the g", "aresf1"},
    {"ares", 4, "From his new throne, Are", "aresf1"},
    {"ares", 5, "ATROPOS:", "aresf2"},
    {"ares", 5, "\"Be careful. Threads can", "aresf2"},
    {"ares", 6, "ARES:", "aresf2"},
    {"ares", 6, "\"Not mine. I am a god.\"", "aresf2"},
    {"ares", 7, "Atropos only smiled, and", "aresf2"},
    {"ares", 8, "She has time.", "aresf2"},
    {"ares", 9, "She always has.", "aresf2"},
    {"ares", 10, "The end.", "aresf2"},
    {"atropos", 0, "ARES:", "atropof1"},
    {"atropos", 0, "\"What do you want, Fate?", "atropof1"},
    {"atropos", 1, "ATROPOS:", "atropof1"},
    {"atropos", 1, "\"Nothing from you. Nothi", "atropof1"},
    {"atropos", 2, "She raised her shears, a", "atropof1"},
    {"atropos", 3, "The gods do not rule fat", "atropof1"},
    {"atropos", 4, "Atropos went back to her", "atropof1"},
    {"atropos", 5, "Every thread ends.", "atropof1"},
    {"atropos", 6, "Even the gods' threads.", "atropof1"},
    {"atropos", 7, "The end.", "atropof1"},
};

std::string escaped(const std::string &text)
{
    std::string out;
    for (char c : text)
        out += c == '"' ? std::string("\\\"") : std::string(1, c);
    return out;
}

// Each typed line names the picture on top for most of the ticks it is typed, the one that
// must be: a line speaks of what the screen shows most, not of a picture half faded in or out.
TEST_F(StoryPictures, EveryLineIsTypedOverThePictureItSpeaksOf)
{
    StoryWalk walk;
    walk_all(walk);
    std::set<size_t> met;
    std::ostringstream wrong;
    for (const LineTicks &line : walk.lines) {
        size_t end = line.text.find_last_not_of(' ');
        if (end == std::string::npos)
            continue;
        const LineRow *row = nullptr;
        for (size_t i = 0; i < std::size(LINE_TABLE) && !row; i++)
            if (line.script == LINE_TABLE[i].script && line.page == LINE_TABLE[i].page &&
                line.text.rfind(LINE_TABLE[i].line_start, 0) == 0) {
                row = &LINE_TABLE[i];
                met.insert(i);
            }
        std::string most;
        int most_ticks = line.black;
        std::ostringstream counts;
        counts << "black " << line.black;
        for (const auto &name : line.on_top) {
            counts << ", " << name.first << " " << name.second;
            if (name.second > most_ticks)
                most = name.first, most_ticks = name.second;
        }
        int named_ticks = !row ? 0 : row->picture[0] == '\0' ? line.black
                          : line.on_top.count(row->picture) ? line.on_top.at(row->picture) : 0;
        if (!row || 2 * named_ticks <= line.ticks)
            wrong << "    {\"" << line.script << "\", " << line.page << ", \"" << escaped(line.text.substr(0, 24)) << "\", \""
                  << most << "\"},  // " << (row ? std::string("expected ") + row->picture : "not in the table") << "; on top of "
                  << line.ticks << " ticks: " << counts.str() << "\n";
    }
    for (size_t i = 0; i < std::size(LINE_TABLE); i++)
        if (!met.count(i))
            wrong << "never typed: " << LINE_TABLE[i].script << " page " << LINE_TABLE[i].page << " \""
                  << LINE_TABLE[i].line_start << "\"\n";
    EXPECT_TRUE(wrong.str().empty()) << wrong.str();
}

// The part of a picture the screen shows, 0..1 across and down: u0, u1, v0, v1.
struct Window {
    float u0, u1, v0, v1;
};

Window screen_window(const ScreenRect &r)
{
    return {std::max(0.0f, (-SCREEN_HALF_W - r.l) / (r.r - r.l)), std::min(1.0f, (SCREEN_HALF_W - r.l) / (r.r - r.l)),
            std::max(0.0f, (r.t - SCREEN_HALF_H) / (r.t - r.b)), std::min(1.0f, (r.t + SCREEN_HALF_H) / (r.t - r.b))};
}

// Painted pixels of a picture drawn over another outside a window (a margin of 2 % inside
// it allowed): its figures, the only thing it brings. An opaque picture's scene runs on past
// the screen's edge (it shows while the picture slides in) and counts none.
int ink_outside(const Picture &p, const Window &w)
{
    constexpr int INK = 100, COVER = 128;
    constexpr float MARGIN = 0.02f;
    bool transparent = false;
    for (size_t i = 3; i < static_cast<size_t>(p.width) * p.height * 4 && !transparent; i += 4)
        transparent = p.pixels[i] < COVER;
    if (!transparent)
        return 0;
    int count = 0;
    for (int y = 0; y < p.height; y++)
        for (int x = 0; x < p.width; x++) {
            float u = (x + 0.5f) / p.width, v = (y + 0.5f) / p.height;
            if (u >= w.u0 - MARGIN && u <= w.u1 + MARGIN && v >= w.v0 - MARGIN && v <= w.v1 + MARGIN)
                continue;
            const u8 *px = &p.pixels[(static_cast<size_t>(y) * p.width + x) * 4];
            count += px[3] >= COVER && std::max({px[0], px[1], px[2]}) > INK;
        }
    return count;
}

// Whatever a picture drawn over another shows (a head, a throne) is on the screen while its
// line is read: the Minotaur once rose with his head above the top edge.
TEST_F(StoryPictures, NothingAPictureShowsLiesOffTheScreen)
{
    StoryWalk walk;
    walk_all(walk);
    std::map<std::string, Picture> pictures;
    std::set<std::string> wrong;
    for (const LineMoment &m : walk.moments)
        for (const Shown &shown : m.shown) {
            if (!pictures.count(shown.archive_entry))
                pictures[shown.archive_entry] = archive_picture(archive, shown.archive_entry.c_str());
            const Picture &p = pictures[shown.archive_entry];
            ASSERT_GT(p.width, 0) << shown.archive_entry;
            int outside = ink_outside(p, screen_window(shown.rect));
            if (outside > p.width * p.height / 500)
                wrong.insert(shown.entry + " under \"" + m.text + "\": " + std::to_string(outside) + " pixels off the screen");
        }
    for (auto &entry : pictures)
        picture_free(&entry.second);
    std::string all;
    for (const std::string &line : wrong)
        all += line + "\n";
    EXPECT_TRUE(wrong.empty()) << all;
}

// The screen's pixels as the story screen draws them now, RGB rows from the bottom.
std::vector<u8> story_screen_pixels()
{
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    story_screen_draw();
    std::vector<u8> out(GL_TEST_WIDTH * GL_TEST_HEIGHT * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, out.data());
    return out;
}

int screen_column(float x)
{
    return static_cast<int>(std::lround((x / SCREEN_HALF_W * 0.5f + 0.5f) * GL_TEST_WIDTH));
}

// The mean difference (0..255 a channel) between column pa of screen a and column pb of
// screen b, rows y0 to y1 (story units).
float column_change(const std::vector<u8> &a, int pa, const std::vector<u8> &b, int pb, float y0, float y1)
{
    int row0 = static_cast<int>((std::max(y0, -SCREEN_HALF_H) / SCREEN_HALF_H * 0.5f + 0.5f) * GL_TEST_HEIGHT);
    int row1 = static_cast<int>((std::min(y1, SCREEN_HALF_H) / SCREEN_HALF_H * 0.5f + 0.5f) * GL_TEST_HEIGHT);
    row0 = std::max(row0, 0), row1 = std::min(row1, GL_TEST_HEIGHT);
    if (std::min(pa, pb) < 0 || std::max(pa, pb) >= GL_TEST_WIDTH || row1 <= row0)
        return 0.0f;
    float sum = 0.0f;
    for (int y = row0; y < row1; y++)
        for (int c = 0; c < 3; c++) {
            size_t row = static_cast<size_t>(y) * GL_TEST_WIDTH;
            sum += std::abs(a[(row + pa) * 3 + c] - b[(row + pb) * 3 + c]);
        }
    return sum / (3.0f * static_cast<float>(row1 - row0));
}

// The step across column px of a screen, against the largest step between neighbouring
// columns a little to either side (the painting's own detail).
float join_step_above_painting(const std::vector<u8> &screen, int px, float y0, float y1)
{
    constexpr int BESIDE_FROM = 4, BESIDE_TO = 12;
    float beside = 0.0f;
    for (int k = BESIDE_FROM; k <= BESIDE_TO; k++) {
        beside = std::max(beside, column_change(screen, px - k - 1, screen, px - k, y0, y1));
        beside = std::max(beside, column_change(screen, px + k, screen, px + k + 1, y0, y1));
    }
    float across = std::max(column_change(screen, px - 1, screen, px, y0, y1), column_change(screen, px, screen, px + 1, y0, y1));
    return across - beside;
}

// Where one picture is drawn over another (the sisters, Olympus and Ares, the gods, the
// faction endings' first scenes) it adds its figures and nothing along its edges: drawn or
// left out, the screen just inside its edge is the same. Where two halves meet edge to edge
// (the forge and Atropos), the join steps no more than the painting does beside it.
TEST_F(StoryPictures, APictureOverOrBesideAnotherMeetsItWithoutASeam)
{
    constexpr float MAX_CHANGE = 6.0f, MAX_JOIN_STEP = 6.0f, TOUCH = 0.1f;
    constexpr int INSIDE = 3;
    std::set<std::string> wrong;
    int overlaps = 0, joins = 0;
    StoryWalk walk;
    walk.on_moment = [&](const LineMoment &m) {
        if (m.shown.size() < 2 || game_state == STATE_CHARACTER_ENDING)
            return;
        std::vector<u8> with = story_screen_pixels();
        for (size_t later = 1; later < m.shown.size(); later++) {
            StoryQuad &q = story_quads[m.shown[later].quad];
            f32 alpha = q.alpha;
            q.alpha = 0.0f;
            std::vector<u8> without = story_screen_pixels();
            q.alpha = alpha;
            for (size_t under = 0; under < later; under++) {
                const ScreenRect &a = m.shown[later].rect, &b = m.shown[under].rect;
                float y0 = std::max(a.b, b.b), y1 = std::min(a.t, b.t);
                for (int side = 0; side < 2; side++) {
                    float x = side == 0 ? a.l : a.r;
                    if (std::fabs(x) > SCREEN_HALF_W - 0.3f || x < b.l - TOUCH || x > b.r + TOUCH)
                        continue;
                    std::string where = m.shown[later].entry + " and " + m.shown[under].entry + " under \"" + m.text + "\"";
                    int inside = screen_column(x) + (side == 0 ? INSIDE : -INSIDE);
                    float change = column_change(with, inside, without, inside, y0, y1);
                    if (change <= MAX_CHANGE) {   // nothing of it along this edge
                        overlaps++;
                        continue;
                    }
                    if (x < b.l + TOUCH || x > b.r - TOUCH) {   // an opaque half, edge to edge
                        joins++;
                        float step = join_step_above_painting(with, screen_column(x), y0, y1);
                        if (step > MAX_JOIN_STEP)
                            wrong.insert(where + ": the join steps " + std::to_string(step) + " above the painting");
                        continue;
                    }
                    wrong.insert(where + ": its edge changes the screen by " + std::to_string(change));
                }
            }
        }
    };
    walk_all(walk);
    EXPECT_GT(overlaps, 0);
    EXPECT_GT(joins, 0);
    std::string all;
    for (const std::string &line : wrong)
        all += line + "\n";
    EXPECT_TRUE(wrong.empty()) << all;
}

// The screen's mean brightness (0..255) along a line parallel to a picture's edge: column
// px (vertical) or row px (horizontal, rows from the bottom).
float line_brightness(const std::vector<int> &screen, bool vertical, int px)
{
    int along = vertical ? GL_TEST_HEIGHT : GL_TEST_WIDTH;
    float sum = 0.0f;
    for (int k = 0; k < along; k++) {
        size_t at = vertical ? static_cast<size_t>(k) * GL_TEST_WIDTH + px : static_cast<size_t>(px) * GL_TEST_WIDTH + k;
        sum += static_cast<float>(screen[at * 3] + screen[at * 3 + 1] + screen[at * 3 + 2]);
    }
    return sum / (3.0f * static_cast<float>(along));
}

// The character ending's screen as drawn now, RGB rows from the bottom; with the incoming
// picture's texture swapped for `stand_in` when that is not 0.
std::vector<int> ending_screen(u32 stand_in)
{
    u32 held = screen_textures[ending_texture];
    if (stand_in)
        screen_textures[ending_texture] = stand_in;
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    ending_draw();
    screen_textures[ending_texture] = held;
    std::vector<u8> bytes(GL_TEST_WIDTH * GL_TEST_HEIGHT * 3);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glReadPixels(0, 0, GL_TEST_WIDTH, GL_TEST_HEIGHT, GL_RGB, GL_UNSIGNED_BYTE, bytes.data());
    return std::vector<int>(bytes.begin(), bytes.end());
}

// A character ending slides each picture in under the one before, its leading edge crossing
// the other picture and the lines: that edge brings no border, no line brighter than the
// picture a little inside it. The picture's share is what it adds over a black one in its
// place, so the other picture's detail does not count.
TEST_F(StoryPictures, AnEndingPictureSlidesInWithoutABorderAcrossTheOther)
{
    // A border's gold or white stands out far more than the light falling off across a
    // floor toward the picture's edge.
    constexpr float RIDGE = 30.0f, FROM = 0.2f, TO = 0.8f;
    constexpr int BAND = 10, INSIDE = 16, DEEP = 30, EVERY = 6;
    u32 black = 0;
    const u8 black_texel[4] = {0, 0, 0, 255};
    glGenTextures(1, &black);
    glBindTexture(GL_TEXTURE_2D, black);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA, 1, 1, 0, GL_RGBA, GL_UNSIGNED_BYTE, black_texel);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_NEAREST);
    std::set<std::string> wrong;
    int edges = 0;
    for (int id = 0; id < CHARACTER_COUNT; id++) {
        int t = 0;
        ending_play(id, [&] {
            f32 f = story_picture_fade, dx, dy;
            ending_slide_offset(&dx, &dy);
            if (ending_texture == 0 || f < FROM || f > TO || t++ % EVERY != 0 || (dx == 0.0f && dy == 0.0f))
                return;
            u32 k = std::min<u32>(story_picture_index, ENDING_MAX_PICTURES - 1);
            bool vertical = dx != 0.0f;   // a picture sliding sideways leads with a vertical edge
            // The leading edge in screen pixels, and which way the picture lies from it.
            float edge = vertical ? (dx > 0 ? ending_quad_left[k] + dx : ending_quad_right[k] + dx)
                                  : (dy > 0 ? ending_quad_bottom[k] + dy : ending_quad_top[k] + dy);
            float half = vertical ? SCREEN_HALF_W : SCREEN_HALF_H;
            int limit = vertical ? GL_TEST_WIDTH : GL_TEST_HEIGHT;
            int px = static_cast<int>(std::lround((edge / half * 0.5f + 0.5f) * limit));
            int in = (vertical ? dx > 0 : dy > 0) ? 1 : -1;
            if (std::min(px, px + in * DEEP) < 0 || std::max(px, px + in * DEEP) >= limit)
                return;
            std::vector<int> share = ending_screen(0), under = ending_screen(black);
            for (size_t i = 0; i < share.size(); i++)
                share[i] -= under[i];
            float band = 0.0f, inside = 0.0f;
            for (int d = 0; d < BAND; d++)
                band = std::max(band, line_brightness(share, vertical, px + in * d));
            for (int d = INSIDE; d < DEEP; d++)
                inside = std::max(inside, line_brightness(share, vertical, px + in * d));
            edges++;
            if (band - inside > RIDGE)
                wrong.insert(std::string(ENDING_NAMES[id]) + " picture " + std::to_string(k + 1) + ": its edge is " +
                             std::to_string(band - inside) + " brighter than the picture inside it");
        });
    }
    glDeleteTextures(1, &black);
    EXPECT_GT(edges, 0);
    std::string all;
    for (const std::string &line : wrong)
        all += line + "\n";
    EXPECT_TRUE(wrong.empty()) << all;
}

}  // namespace
