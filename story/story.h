// story.h: typewriter and picture quads, opening story, endings, credits roll; used by game/
// and frontend/ (the biography viewer types into the same record).
#pragma once

#include "base/base.h"

// ---- the story record (typewriter.cpp) ---------------------------------------------------
constexpr int STORY_TEXT_SIZE = 10240;       // the longest text and its NUL fit with room
constexpr int STORY_LINE_SIZE = 256;
constexpr int STORY_LINES = 3;
constexpr int STORY_CUES = 50;
constexpr int STORY_QUADS = 10;
constexpr i32 STORY_CUE_NONE = -1;           // no further scene or picture

enum StoryKind : u8 {
    STORY_ARES_WON = 0,
    STORY_HEROES_WON = 1,
    STORY_INTRO = 2
};

// Flags of a picture quad; either fade bit enables the fade.
constexpr u32 QUAD_MOVE = 0x01;
constexpr u32 QUAD_FADE = 0x0a;

// One textured rectangle of a story screen, in view space 20 units in front of the eye.
struct StoryQuad {
    f32 corners[4][3];   // top-left, bottom-left, bottom-right, top-right, about position
    f32 position[3];
    u32 texture;         // slot of screen_textures
    f32 alpha;           // 0..1
    u32 flags;           // QUAD_MOVE, QUAD_FADE
    f32 alpha_step;      // per tick
    f32 velocity[3];     // per tick
};

// Screen lifetime: each story screen's start (and the biography's entry) resets what it uses.
extern char story_text[STORY_TEXT_SIZE];     // the text being told, NUL-terminated
extern const char *story_read_ptr;           // next character to consume
extern char story_lines[STORY_LINES][STORY_LINE_SIZE];
extern u32 story_chars_typed;                // typed characters and consumed line breaks
extern u32 story_line;                       // line being typed, 0..2; 3: the page is full
extern u32 story_page;                       // pages completed since the start
extern u32 story_tick_divider;               // 0..9 (the biography: 0..15)
extern u32 story_scene;                      // 0 before the first cue
extern i32 story_last_cue_page;              // -1 after a start
extern i32 story_cue_pages[STORY_CUES];      // page of the next scene or picture, STORY_CUE_NONE
extern StoryQuad story_quads[STORY_QUADS];
// The entry each picture slot of screen_textures was last loaded from by a story screen; null
// for a slot it released (SCREEN_TEXTURES entries). Read by the tests of the pictures' shapes.
extern const char *story_slot_entries[];
extern u32 story_quad_count;                 // quads 0..count-1 are stepped and drawn
extern u8 story_kind;                        // StoryKind
// Ticks since the credits roll or an ending started; the logic tick adds 1 before each of
// their steps (not in the opening story).
extern u32 story_ticks;
extern u32 story_end_stamp;                  // story_ticks when the end was first met; 0 not yet

// Copies a screen's text (cut to what the record holds) and resets the typing: lines empty,
// counters 0, the read pointer at the start.
void story_text_start(const char *text);
// The opening story's and faction endings' extra reset: kind, scene 0, no cue yet, every cue
// entry and quad zeroed, no quads.
void story_scenes_reset(u8 kind);
// Sets quad i to a centred rectangle half_w by half_h at (x, y, z) showing slot, with the
// given alpha, flags, alpha step and velocity; a later scene changes single fields directly.
void story_quad_set(int i, u32 slot, f32 half_w, f32 half_h, f32 x, f32 y, f32 z, f32 alpha, u32 flags,
                    f32 alpha_step, f32 vx, f32 vy, f32 vz);
// One typing tick (a character every 5 ticks); true when a new page was started in it.
bool story_typewriter_step();
// True when the page just started is a cue of the current scene (and marks it run).
bool story_cue_due();
// One tick of the first story_quad_count quads: move, fade, alpha kept in 0..1.
void story_quads_step();
// True once the last scene has started and everything but the final line break is typed.
bool story_told();
// The music's fall to silence over the 240 ticks after the end stamp; elapsed ticks in.
int story_music_fade_volume(u32 elapsed);
// STATE_INTRO and STATE_FACTION_ENDING: the logos (opening story), the quads, the lines.
void story_screen_draw();
void story_lines_draw();

// ---- opening story (intro.cpp) ------------------------------------------------------------
// Starts it: 0, or 1 when its tune fails, 2 when a picture fails (load_error set on both).
int intro_start();
// Runs scene story_scene: 0, or 2 when one of its pictures fails to load.
int intro_next_scene();
// The narration, as typed.
extern const char intro_narration[];

// ---- opening story and endings (intro.cpp, ending.cpp, faction_ending.cpp) ---------------
// One step each of STATE_INTRO, STATE_CHARACTER_ENDING and STATE_FACTION_ENDING; each may
// change game_state, which ends the logic tick.
void intro_tick();
void ending_tick();
void faction_ending_tick();

// ---- character endings (ending.cpp) -------------------------------------------------------
// Screen lifetime: the page of the credits roll, or the picture of a character ending.
extern u32 story_picture_index;
extern f32 story_picture_fade;               // the current ending picture's progress, 0..1
// Screen lifetime: the running ending's picture rectangles by picture (story units about the
// view's middle) and the slots of the picture shown and of the one fading out.
constexpr int ENDING_MAX_PICTURES = 4;
extern f32 ending_quad_left[ENDING_MAX_PICTURES], ending_quad_right[ENDING_MAX_PICTURES];
extern f32 ending_quad_top[ENDING_MAX_PICTURES], ending_quad_bottom[ENDING_MAX_PICTURES];
extern u32 ending_texture, ending_prev_texture;
extern u32 ending_draw_mode;                 // how the current picture slides in (EndingSlide)
// The ladder's winner by the game mode: side one's or side two's character, Jason otherwise.
i32 ending_winner();
// Starts the winner's ending: 0, or 1 when its tune or its loader fails (quit_request set on
// a loader failure).
int ending_start();
// STATE_CHARACTER_ENDING's picture and lines.
void ending_draw();
// How far the current picture lies from its place while it slides in, story units (0, 0 once
// it is in); read by ending_draw and by the tests of the pictures' edges.
void ending_slide_offset(f32 *dx, f32 *dy);
// A character's ending as typed ("" for an id out of range).
const char *ending_text(int character);

// ---- faction endings (faction_ending.cpp) ------------------------------------------------
// Start Ares' or the heroes' ending: 0, or 1 when its tune fails, 2 when a picture fails (the
// load error set on both).
int faction_ending_start_ares();
int faction_ending_start_heroes();
// Runs scene story_scene of the running ending: 0, or 2 when a picture fails to load.
int faction_ending_next_scene();
// Ares' (STORY_ARES_WON) or the heroes' ending as typed.
const char *faction_ending_text(u8 kind);

// ---- credits roll (credits_roll.cpp) ----------------------------------------------------
// Starts the roll (STATE_CREDITS, set even on failure); 1 when its tune cannot start, else 0.
int credits_roll_start();
// One step of the roll; its end enters STATE_CREDITS_EARNED.
void credits_roll_tick();
// The page the roll shows, white on black.
void credits_roll_draw();
// One line of a page; capital lines use the capital font, whose backslash is its word gap.
struct CreditLine {
    u8 page;
    u8 capital;
    const char *text;
    f32 x, y;             // CREDIT_CENTRED: centred on x = 0; CREDIT_COLUMN: see below
};
constexpr f32 CREDIT_CENTRED = 1000.0f;
// A line of a page's left-aligned column, the column centred on x = 0 as one block (its
// widest line sets where all of them start).
constexpr f32 CREDIT_COLUMN = 2000.0f;
constexpr f32 CREDIT_CAPITAL_Z = -90.0f, CREDIT_TEXT_Z = -70.0f;
extern const CreditLine credit_lines[];   // credit_line_count rows, page by page
extern const int credit_line_count;
// Where credit line i starts, in its font's units at its depth.
f32 credit_line_x(int i);
