// The biography viewer: the chosen character turning in its profile pose under an orbit camera
// the player steers, and its life story typed three lines at a time into a panel below.
#include "frontend/frontend.h"

#include "frontend/frontend_local.h"

#include "characters/characters.h"
#include "combat/combat.h"
#include "engine/engine.h"
#include "game/game.h"
#include "story/story.h"

#include <allegro.h>

#include <GL/gl.h>

#include <cmath>
#include <cstring>
#include <iterator>

i32 biography_character;
f32 biography_distance;
f32 biography_angle;          // radians
u32 biography_camera_view;    // 0 the text panel, else the camera help
f32 biography_figure_scale = 1.0f;
f32 biography_figure_lift;

// The camera's start and limits by character.
struct BiographyCamera {
    f32 start_distance;
    f32 start_angle;
    f32 height;                 // of the eye and the centre at the start
    f32 min_distance, max_distance;
    f32 min_centre, max_centre;
};

static const BiographyCamera biography_cameras[] = {
    // distance angle    height  distance range  centre range
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Jason
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Odysseus
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Atalanta
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Perseus
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Hippolyte
    {25, 3.1415f, 23, 10, 40, 5, 25},    // Polyphemus: a giant
    {25, 3.1415f, 15, 15, 40, 0, 20},    // Minotaur
    {15, 3.1415f, 15, 10, 40, 5, 25},    // Medusa
    {15, 3.1415f, 17, 10, 40, 5, 25},    // Sphinx
    {45, 3.6f,    13, 50, 80, 10, 30},   // Hydra: all its heads in view
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Ares
    {15, 3.1415f, 13, 10, 30, 0, 20},    // Atropos
};
static_assert(std::size(biography_cameras) == CHARACTER_COUNT, "one camera per character");

// Each biography: the epithet, the parentage (none for the monsters), an empty line, the
// story; lines of at most 54 characters.
static const char biography_jason[] =
    "Hero\n"
    "Son of Aeson, king of Iolcus.\n"
    "\n"
    "Raised by the centaur Chiron, Jason came down to\n"
    "Iolcus to claim the throne that his uncle Pelias\n"
    "had stolen from his father.\n"
    "Pelias sent him to fetch the Golden Fleece from the\n"
    "end of the world, hoping he would never return.\n"
    "Jason gathered the Argonauts, sailed the Argo past\n"
    "the clashing rocks and took the Fleece from the\n"
    "dragon's grove with the help of Medea.\n"
    "He fights with two swords, one in each hand, and\n"
    "never stays still long enough to be struck.\n"
    "Hera has favoured him since he carried her, unknown,\n"
    "across a flooded river.\n"
    "Now he fights for Zeus, and for the throne he was\n"
    "promised long ago.\n";

static const char biography_odysseus[] =
    "Hero\n"
    "Son of Laertes, king of Ithaca\n"
    "\n"
    "The cleverest of the Greeks, Odysseus ended the\n"
    "war of Troy with a wooden horse full of soldiers.\n"
    "His journey home took him ten years, past the\n"
    "Cyclops, the witch Circe and the singing Sirens.\n"
    "Athena has always stood at his side, and her\n"
    "soldiers answer when he calls.\n"
    "He fights with sword and round shield, and throws\n"
    "his spear from afar. Patient, he waits for a\n"
    "mistake, and never forgives one.\n"
    "He came to the tournament to win his way home,\n"
    "to Ithaca and Penelope at last.\n";

static const char biography_atalanta[] =
    "Heroine\n"
    "Daughter of Iasus and Clymene of Arcadia\n"
    "\n"
    "Her father wanted a son and left the newborn girl\n"
    "on a mountain to die. A she-bear fed her, and\n"
    "hunters raised her in the woods.\n"
    "She grew faster than any man of Arcadia and a\n"
    "better archer than most of them.\n"
    "When the boar of Calydon ravaged the land, hers\n"
    "was the first arrow to wound it, and she won\n"
    "its hide. The men of the hunt never forgave her.\n"
    "Later her father took her back and wished to see\n"
    "her married. She agreed, on one condition: she would\n"
    "only marry the man who could outrun her, and those\n"
    "who lost the race would lose their lives as well.\n"
    "Many tried and died. Only Hippomenes won, with\n"
    "three golden apples from Aphrodite that he\n"
    "threw at her feet along the way.\n"
    "Artemis, the huntress, loves her above all mortals.\n"
    "In the tournament Atalanta is the swiftest of all:\n"
    "she strikes and is gone before her foe can turn,\n"
    "and her arrows fly straight and far.\n"
    "She fights for the freedom she has always had,\n"
    "and bows to no god.\n";

static const char biography_perseus[] =
    "Hero\n"
    "Son of Zeus and the mortal Danae\n"
    "\n"
    "An oracle told King Acrisius that his grandson\n"
    "would kill him, so he locked Danae in a tower\n"
    "of bronze. Zeus came to her as golden rain,\n"
    "and Perseus was born.\n"
    "The king set mother and child adrift at sea,\n"
    "and the waves carried them to Seriphos.\n"
    "There King Polydectes, who wanted Danae, sent\n"
    "the young man after the head of Medusa,\n"
    "sure that the Gorgon would turn him to stone.\n"
    "But the gods helped him: Hermes gave him\n"
    "winged sandals, Hades a helmet that made him\n"
    "unseen, Athena a shield bright as a mirror.\n"
    "Looking only at her reflection, he cut off the\n"
    "Gorgon's head while she slept.\n"
    "On his way home he saved Andromeda from\n"
    "a sea monster and made her his wife.\n"
    "He fights with sword and mirrored shield,\n"
    "and knows how to face Medusa.\n"
    "Zeus is his father; for him he fights.\n"
    "Yet he has heard that Medusa lives again,\n"
    "and wonders which god brought her back.\n"
    "The tournament will tell him.\n"
    "He will face her again.\n";

static const char biography_hippolyte[] =
    "Amazon\n"
    "Daughter of Ares\n"
    "\n"
    "Queen of the Amazons, warrior women of the\n"
    "northern plains, Hippolyte wears the war belt\n"
    "her father gave her, the sign of her rule.\n"
    "She fights with a long spear and no fear.\n"
    "Ares calls, and his daughter answers.\n"
    "She will win his throne for him.\n"
    "Or take it herself.\n";

static const char biography_polyphemus[] =
    "Cyclops\n"
    "Son of Poseidon and the nymph Thoosa\n"
    "\n"
    "A one-eyed giant who kept his sheep in a cave on\n"
    "an island at the edge of the world.\n"
    "When Odysseus and his men came to steal his food,\n"
    "Polyphemus shut them in and ate two of them every\n"
    "night. Odysseus got him drunk, put out his eye\n"
    "with a burning stake and escaped under the sheep.\n"
    "His father Poseidon never forgave the Greeks.\n"
    "Now, his eye restored by the god of the sea, the\n"
    "Cyclops has come to the tournament for revenge,\n"
    "and to show the gods of Olympus what he is worth.\n"
    "He fights with a tree trunk for a club; his\n"
    "steps shake the ground.\n"
    "He is slow, but one blow of his is enough\n"
    "Odysseus had better keep his distance.\n";

static const char biography_minotaur[] =
    "Monster\n"
    "\n"
    "\n"
    "Half man, half bull, born of Queen Pasiphae\n"
    "and the white bull of Poseidon.\n"
    "King Minos hid him in the Labyrinth that\n"
    "Daedalus built under the palace of Knossos,\n"
    "and every nine years Athens sent seven youths\n"
    "and seven maidens to feed him.\n"
    "Theseus killed him, they say. But Ares found\n"
    "him in the dark and gave him life again.\n"
    "He swings his great axe without mercy.\n"
    "He is the strongest of Ares' champions.\n";

static const char biography_medusa[] =
    "Gorgon\n"
    "Daugther of the gods Phorcys and Ceto\n"
    "\n"
    "Once a beautiful priestess of Athena, Medusa was\n"
    "cursed by the goddess and her hair became snakes.\n"
    "Whoever meets her eyes is turned to stone.\n"
    "Perseus cut off her head while she slept, but\n"
    "Ares brought her back from Hades with a promise:\n"
    "her revenge on the son of Zeus.\n"
    "She fights with bow and arrows, and with her gaze.\n"
    "She has not forgotten Perseus.\n"
    "She never will.\n"
    "Do not look into her eyes.\n";

static const char biography_sphinx[] =
    "Monster\n"
    "\n"
    "\n"
    "A lion's body, an eagle's wings, a woman's face.\n"
    "She guarded the road to Thebes and asked every\n"
    "traveller her riddle, and ate those who failed.\n"
    "Oedipus answered it. Ares has a new riddle\n"
    "for her now, and new travellers to eat.\n"
    "Beware her curse.\n";

static const char biography_hydra[] =
    "Monster\n"
    "\n"
    "\n"
    "The many-headed serpent of the swamp of Lerna,\n"
    "child of Typhon and Echidna. Its breath is poison.\n"
    "When one of its heads is cut off, another grows\n"
    "in its place. Heracles needed fire to kill it.\n"
    "Ares raised it again from the swamp, and in the\n"
    "tournament it fights with all its heads at once.\n"
    "Each head must fall before it does.\n"
    "It is not a fight for the weak.\n";

static const char biography_ares[] =
    "The God of War \n"
    "Son of Zeus and Hera \n"
    "\n"
    "Hated by the other gods, loved by none, Ares\n"
    "lives for battle and the cry of the wounded.\n"
    "He has never forgiven his father the long\n"
    "peace. Now he wants the throne of the sky.\n"
    "He fights with a spear and the fear his son\n"
    "Phobos spreads before him.\n"
    "Zeus will not fight his own son himself.\n"
    "So Ares must win the tournament.\n"
    "And he means to.\n";

static const char biography_atropos[] =
    "The Unavoidable\n"
    "Daughter of the Night, Nyx\n"
    "\n"
    "Eldest of the three Moirae, she cuts the thread\n"
    "of every life with her shears when its time has\n"
    "come, and no god can stop her.\n"
    "Her sisters Clotho and Lachesis spin and measure\n"
    "the threads; Atropos decides when they end.\n"
    "She came to the tournament because so many\n"
    "threads would be cut there, and she wanted to\n"
    "cut them herself.\n"
    "She serves neither Zeus nor Ares.\n"
    "She serves only fate.\n"
    "And fate has no favourites.\n";

static const char *const biography_texts[] = {
    biography_jason,   biography_odysseus, biography_atalanta, biography_perseus,
    biography_hippolyte, biography_polyphemus, biography_minotaur, biography_medusa,
    biography_sphinx,  biography_hydra,    biography_ares,     biography_atropos,
};
static_assert(std::size(biography_texts) == CHARACTER_COUNT, "one biography per character");

const char *biography_text(int character)
{
    return character >= 0 && character < CHARACTER_COUNT ? biography_texts[character] : "";
}

constexpr f32 ORBIT_STEP = 0.03125f;           // radians per tick
constexpr f32 HEIGHT_STEP = 0.125f;
constexpr f32 ZOOM_STEP = 0.125f;
constexpr f32 ZOOM_LIFT = 0.025f;              // the eye and centre rise as the camera closes in
constexpr f32 MOUSE_TURN = 0.001f, MOUSE_LIFT = 0.01f;
constexpr int MOUSE_LEFT_ONLY = 1, MOUSE_RIGHT_ONLY = 2;   // the button bits held, exactly
constexpr u32 BIOGRAPHY_DIVIDER = 16;          // five typing ticks in every 16

static int biography_id()
{
    return biography_character >= 0 && biography_character < CHARACTER_COUNT ? biography_character : 0;
}

static const BiographyCamera *biography_camera()
{
    return &biography_cameras[biography_id()];
}

static f32 clamp_to(f32 v, f32 lo, f32 hi)
{
    return v < lo ? lo : v > hi ? hi : v;
}

static void biography_eye_place()
{
    camera_eye[0] = biography_distance * std::sin(biography_angle);
    camera_eye[1] = biography_distance * std::cos(biography_angle);
}

// A cool light from the side and a warm one from above and behind; the arena's light is off.
static void biography_lights()
{
    const GLfloat ambient2[4] = {1.5f, 1, 1, 1}, diffuse2[4] = {0.3f, 0.3f, 1, 1}, direction2[4] = {-1, 0, 0, 0};
    const GLfloat ambient1[4] = {0, 0, 0, 1}, diffuse1[4] = {0.3f, 0.3f, 0.3f, 1}, direction1[4] = {1, 0, 1, 0};
    glLightfv(GL_LIGHT2, GL_AMBIENT, ambient2);
    glLightfv(GL_LIGHT2, GL_DIFFUSE, diffuse2);
    glLightfv(GL_LIGHT2, GL_POSITION, direction2);
    glLightfv(GL_LIGHT1, GL_AMBIENT, ambient1);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, diffuse1);
    glLightfv(GL_LIGHT1, GL_POSITION, direction1);
    glDisable(GL_LIGHT0);
    glEnable(GL_LIGHT1);
    glEnable(GL_LIGHT2);
    glEnable(GL_LIGHTING);
}

static void biography_camera_start()
{
    const BiographyCamera *cam = biography_camera();
    camera_up_z = 1.0f;
    camera_centre[0] = camera_centre[1] = 0.0f;
    camera_centre[2] = camera_eye[2] = cam->height;
    // KEEP: the Hydra starts nearer than its nearest distance; zooming in does nothing until it
    // has been zoomed out past it.
    biography_distance = cam->start_distance;
    biography_angle = cam->start_angle;
    biography_eye_place();
}

// The start view's height at the orbit's centre is 2 x distance x FIELD_HALF_TAN (the view's
// 35-degree field); the text panel covers it from PANEL_TOP_BELOW (a fraction of the half
// height below the eye's level) down. The figure stands from FIT_BELOW under the eye's level
// to FIT_ABOVE over it: whole, and clear of the panel.
constexpr f32 FIELD_HALF_TAN = 0.31529879f;   // tan(17.5 degrees)
constexpr f32 FIT_BELOW = 0.22f, FIT_ABOVE = 0.85f;
static_assert(FIT_BELOW < 5.0f / 50.0f / FIELD_HALF_TAN, "the feet stand above the panel's top");

// The figure's lowest and highest posed points; false when there is no posed figure.
static bool biography_figure_span(f32 *low, f32 *high)
{
    const Model *model = fighter_models[0];
    if (!model || !model->pos || model->vertex_count == 0)
        return false;
    *low = *high = model->pos[0][2];
    for (u16 v = 1; v < model->vertex_count; v++) {
        *low = model->pos[v][2] < *low ? model->pos[v][2] : *low;
        *high = model->pos[v][2] > *high ? model->pos[v][2] : *high;
    }
    return *high > *low;
}

// Sizes and raises the figure so that the whole of it stands in the start view above the
// panel, whatever its height: the camera rows were made for figures a quarter of a fighter's
// size. Poses the figure once to measure it.
static void biography_figure_fit()
{
    biography_figure_scale = 1.0f;
    biography_figure_lift = 0.0f;
    if (!fighter_models[0] || !fighter_skeletons[0])
        return;
    character_animate(&fighters[0], fighter_skeletons[0], blur_skeletons[0]);
    model_skin(fighter_models[0], fighter_skeletons[0]);
    f32 low = 0.0f, high = 0.0f;
    if (!biography_figure_span(&low, &high))
        return;
    const BiographyCamera *cam = biography_camera();
    f32 half = cam->start_distance * FIELD_HALF_TAN;
    biography_figure_scale = (FIT_BELOW + FIT_ABOVE) * half / (high - low);
    biography_figure_lift = cam->height - FIT_BELOW * half - biography_figure_scale * low;
}

void biography_figure_view(f32 eye[3], f32 centre[3])
{
    f32 s = biography_figure_scale > 0.0f ? biography_figure_scale : 1.0f;
    for (int axis = 0; axis < 3; axis++) {
        f32 lift = axis == 2 ? biography_figure_lift : 0.0f;
        eye[axis] = (camera_eye[axis] - lift) / s;
        centre[axis] = (camera_centre[axis] - lift) / s;
    }
}

void biography_enter()
{
    bool p2 = game_mode == GAME_MODE_PROFILE_P2;
    biography_character = p2 ? p2_character : p1_character;
    int alt = p2 ? p2_alt_color : p1_alt_color;
    biography_lights();
    Fighter *f = &fighters[0];
    f->pos_x = f->pos_y = f->pos_z = 0.0f;
    f->rot_x = f->rot_y = f->heading = 0.0f;
    biography_camera_start();
    if (load_character(biography_character, 0, alt) != 0) {
        quit_request = 1;
        load_error = 1;   // the player is told the data is damaged, not left with a closed window
        return;
    }
    story_text_start(biography_texts[biography_id()]);
    f->action = ACTION_PROFILE_POSE;
    if (fighter_skeletons[0])
        fighter_skeletons[0]->action = ACTION_PROFILE_POSE;
    biography_figure_fit();
    logic_ticks_pending = 0;
    title_textures_free();
    title_textures[0] = texture_load(asset_archive, "titulo/back1.jpg", TEXTURE_MIPMAP_RGB);
    if (!title_textures[0])
        return;
    title_texture_count = 1;
    for (int p = 0; p < 2; p++)
        latch_hard_swing[p] = latch_low_swing[p] = latch_kick[p] = latch_start[p] = 1;
    biography_camera_view = 0;
}

// Closer (dir -1) or farther (dir 1) by one step while within the character's range.
static void biography_zoom(int dir)
{
    const BiographyCamera *cam = biography_camera();
    if (dir < 0 && !(biography_distance > cam->min_distance))
        return;
    if (dir > 0 && !(biography_distance < cam->max_distance))
        return;
    biography_distance += dir * ZOOM_STEP;
    camera_eye[2] -= dir * ZOOM_LIFT;
    camera_centre[2] -= dir * ZOOM_LIFT;
}

// One player's keys; true when the player leaves the screen.
static bool biography_player_input(int p)
{
    u8 dir = input_dir[p];
    if (dir == DIR_UP_RIGHT || dir == DIR_RIGHT || dir == DIR_DOWN_RIGHT)
        biography_angle += ORBIT_STEP;
    if (dir == DIR_DOWN_LEFT || dir == DIR_LEFT || dir == DIR_UP_LEFT)
        biography_angle -= ORBIT_STEP;
    if (biography_camera_view) {
        if (dir == DIR_UP)
            camera_centre[2] += HEIGHT_STEP;
        if (dir == DIR_DOWN)
            camera_centre[2] -= HEIGHT_STEP;
        if (input_low_swing[p])
            biography_zoom(-1);
        if (input_hard_swing[p]) {
            biography_zoom(1);
            latch_hard_swing[p] = 1;   // a held zoom never turns the text's page
        }
    }
    if (input_kick[p] && !latch_kick[p]) {
        biography_camera_view = !biography_camera_view;
        latch_kick[p] = 1;
    }
    // Once a fade runs the way out is taken: a second ESC would restart it from the start.
    if (fade_mode != FADE_NONE)
        return false;
    bool esc = key[KEY_ESC] && !latch_esc;
    if (!(input_start[p] && !latch_start[p]) && !esc)
        return false;
    latch_esc = 1;
    latch_start[p] = 1;
    pause_confirm = 0;
    fade_colour = 0.0f;
    fade_level = 0.0f;
    fade_mode = FADE_OUT;
    return true;
}

// The mouse turns, raises and zooms in both views: the left button zooms in as LOW SWING
// does, the right one out as HARD SWING does, as the help lines pair them.
static void biography_mouse()
{
    const BiographyCamera *cam = biography_camera();
    biography_angle += mouse_move_x * MOUSE_TURN;
    camera_centre[2] = clamp_to(camera_centre[2] + mouse_move_y * MOUSE_LIFT, cam->min_centre, cam->max_centre);
    if (mouse_b == MOUSE_LEFT_ONLY)
        biography_zoom(-1);
    else if (mouse_b == MOUSE_RIGHT_ONLY)
        biography_zoom(1);
}

TickFlow biography_tick()
{
    for (int p = 0; p < 2; p++)
        if (biography_player_input(p))
            return TICK_ENDS;
    biography_typewriter_tick();
    menu_pointer_step();
    biography_mouse();
    biography_eye_place();
    character_animate(&fighters[0], fighter_skeletons[0], blur_skeletons[0]);
    if (fighter_models[0] && fighter_skeletons[0])
        model_skin(fighter_models[0], fighter_skeletons[0]);
    return TICK_ENDS;
}

static bool biography_typing_tick(u32 divider)
{
    return divider == 0 || divider == 4 || divider == 8 || divider == 12 || divider == 15;
}

// Five characters every 16 ticks; a full page waits for HARD SWING.
void biography_typewriter_tick()
{
    u32 divider = story_tick_divider;
    story_tick_divider = (divider + 1) % BIOGRAPHY_DIVIDER;
    if (*story_read_ptr == '\0' || !biography_typing_tick(divider))
        return;
    while (*story_read_ptr == '\n' && story_line < STORY_LINES) {
        story_line++;
        story_chars_typed++;
        story_read_ptr++;
    }
    if (*story_read_ptr != '\0' && story_line < STORY_LINES) {
        size_t length = std::strlen(story_lines[story_line]);
        if (length < STORY_LINE_SIZE - 1) {
            story_lines[story_line][length] = *story_read_ptr;
            story_lines[story_line][length + 1] = '\0';
        }
        story_read_ptr++;
        story_chars_typed++;
        return;
    }
    if (*story_read_ptr == '\0')
        return;
    for (int p = 0; p < 2; p++)
        if (input_hard_swing[p] && !latch_hard_swing[p]) {
            story_page++;
            latch_hard_swing[0] = latch_hard_swing[1] = 1;
            for (char *line : story_lines)
                line[0] = '\0';
            story_line = 0;
            return;
        }
}

bool biography_page_waits()
{
    return story_line >= STORY_LINES && *story_read_ptr != '\0';
}

// The panel fades from white at its top to a quarter at its bottom.
static void biography_panel_draw()
{
    glBindTexture(GL_TEXTURE_2D, title_textures[0]);
    glBegin(GL_QUADS);
    glColor4f(1, 1, 1, 1.0f);
    glTexCoord2f(0, 0);
    glVertex3f(-25, -5, -50);
    glColor4f(1, 1, 1, 0.25f);
    glTexCoord2f(0, 0.5f);
    glVertex3f(-25, -15, -50);
    glTexCoord2f(1, 0.5f);
    glVertex3f(25, -15, -50);
    glColor4f(1, 1, 1, 1.0f);
    glTexCoord2f(1, 0);
    glVertex3f(25, -5, -50);
    glEnd();
}

static void biography_help_draw()
{
    static const char *const help[] = {"Right and Left to Rotate camera", "Up and down to change height",
                                       "Press LOW SWING to Zoom In", "Press HARD SWING to Zoom Out"};
    glColor4f(1, 1, 1, 1);
    for (int i = 0; i < 4; i++)
        print_text(10.0f, -24.0f - 2.0f * i, -120.0f, "%s", help[i]);
}

void biography_overlay_draw()
{
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_CULL_FACE);
    glDisable(GL_LIGHTING);
    texture_unit1_off();
    glEnable(GL_TEXTURE_2D);
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glDepthFunc(GL_ALWAYS);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glEnable(GL_BLEND);
    if (biography_camera_view) {
        biography_help_draw();
        return;
    }
    biography_panel_draw();
    glColor4f(1, 1, 1, 1);
    print_letters(-30.0f, -10.0f, -80.0f, "%s", character_names[biography_id()]);
    for (int i = 0; i < STORY_LINES; i++)
        print_text(-30.0f, -13.0f - 3.0f * i, -75.0f, "%s", story_lines[i]);
    if (biography_page_waits()) {
        glColor4f(0.5f, 0.5f, 1.0f, 1.0f);
        print_text(0.0f, -22.0f, -75.0f, "%s", "Continue...");
    }
}
