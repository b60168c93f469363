// game.h: game flow (entry, start-up loader, main loop, game-state machine, frame drawer,
// HUD, input, cameras, shadows); used by combat/, characters/, arenas/, frontend/, story/.
#pragma once

#include "base/base.h"

// ---- player input (input.cpp) ----------------------------------------------------------
// Screen directions, clockwise from up; the fight control turns them into toward and away.
enum Direction : u8 {
    DIR_NONE,
    DIR_UP,
    DIR_UP_RIGHT,
    DIR_RIGHT,
    DIR_DOWN_RIGHT,
    DIR_DOWN,
    DIR_DOWN_LEFT,
    DIR_LEFT,
    DIR_UP_LEFT
};

// Per player (0 side one, 1 side two), refreshed by the input pass of every logic tick.
// Held bytes are 255 while the button is down; ready bytes are 255 once it was released and
// are cleared by the code that acts on a press; latches (0/1) make a screen act once per press.
extern u8 input_dir[2];
extern u8 input_hard_swing[2], input_low_swing[2], input_kick[2], input_start[2];
extern u8 input_hard_swing_ready[2], input_low_swing_ready[2], input_kick_ready[2], input_start_ready[2];
extern i32 latch_hard_swing[2], latch_low_swing[2], latch_kick[2], latch_start[2];
extern i32 latch_enter;           // 1 after ENTER was acted on, until it is up again
extern u8 latch_esc;              // 1 after ESC was acted on, until it is up again
extern i32 input_dir_latch[2];    // the menus' repeat guard: last direction acted on, -1 none

// The four buttons of a player, in the order of the bindings pages (A, B, C, D).
enum InputButton : u8 {
    BUTTON_HARD_SWING,
    BUTTON_LOW_SWING,
    BUTTON_KICK,
    BUTTON_START,
    BUTTON_COUNT
};

// Refresh player p's direction and buttons from the bound keys (reader for input_device 0)
// or from the bound joystick (input_device 1). A released attack button re-arms its ready
// byte only while the fighter has no live attack, and on the character select only while the
// pause menu is up; START always re-arms.
void input_read_keyboard(int p);
void input_read_joystick(int p);

// Binding capture for the controls pages. While capture_latch is set (a control is still held
// since the last capture) both return 0 at once.
extern i32 capture_latch;         // 1 while the menu waits for every control to be released
extern i32 binding_player;        // 0 or 1: whose bindings the controls pages change
// The settings-file scancode of a key just pressed (F1, F12 and ESC are never taken), 0 for
// none; the key is removed from every other key binding of both players.
i32 capture_key_binding();
// Mode 0: a stick pushed on any joystick gives binding_player that joystick and stick (the
// other player loses it) and returns DIR_UP, DIR_RIGHT, DIR_DOWN or DIR_LEFT, or 0.
// Mode 1: a pressed button of any joystick returns its number + 1, -1 when nothing was
// captured (no button down, no joystick, or binding_player has no joystick).
i32 capture_joystick_binding(int mode);

// Key bindings keep the older numbering of the game library's scancodes, in which the twelve
// modifier keys are 103..114 and KEY_MAX is 115; this library puts them at 115..126 and other
// keys at 103..114. Codes outside the older range become 0 (none) either way.
constexpr int SCANCODE_STORED_MAX = 115;
int scancode_to_library(int stored);
int scancode_from_library(int library);
// Display names of the stored scancodes 0..115: "(none)", "KEY_A" ... "KEY_MAX".
extern const char *const key_names[];    // SCANCODE_STORED_MAX + 1 rows

// Whether side's fighter has an attack live (its skeleton's attack-live byte); the input pass
// keeps the attack buttons unarmed meanwhile. Defined with the fighter skeletons.
bool fighter_attack_live(int side);

// ---- sample player (sound.cpp) ---------------------------------------------------------
// Program lifetime: the sound bank data/dat01.dat, loaded by the start-up loader; 0 while
// none is loaded (then nothing is heard, and the requests are still recorded).
struct DATAFILE;
extern DATAFILE *sfx_datafile;

// Sound numbers of the bank that the game flow plays; the others are named where played.
enum SfxId : i32 {
    SFX_POWER_FULL = 0,        // also the menu cursor move
    SFX_MENU_CONFIRM = 1,
    SFX_MENU_REFUSED = 2,
    SFX_SOLAR_BEAM = 3,
    SFX_SUMMON_EARTH = 4,
    SFX_ROCK_IMPACT = 5,
    SFX_FURIES = 6,
    SFX_SOLDIERS = 7,
    SFX_THUNDER = 8,
    SFX_WAVE = 9,
    SFX_GUARD = 10,
    SFX_SUPER = 11,
    SFX_ROUND_START = 12,
    SFX_SPECIAL = 13,
    SFX_VOICE_HURT_MALE = 14,
    SFX_VOICE_KO_MALE = 15,
    SFX_SWING_HARD = 16,
    SFX_EFFECT_HIT = 17,
    SFX_LAND = 19,
    SFX_SWING_KICK = 20,
    SFX_SWING_LOW = 21,
    SFX_VOICE_HURT_FEMALE = 23,
    SFX_VOICE_KO_FEMALE = 24,
    SFX_NAME_HIPPOLYTE = 25,   // the character select's name calls
    SFX_NAME_JASON = 26,
    SFX_NAME_MINOTAUR = 27,
    SFX_NAME_ODYSSEUS = 28,
    SFX_NAME_PERSEUS = 29,
    SFX_NAME_POLYPHEMUS = 30,
    SFX_HIT_HARD = 33,
    SFX_HIT_LOW = 34,
    SFX_YOU_LOSE = 35,
    SFX_YOU_WIN = 36,
    SFX_BANK_SIZE = 37         // entries the data builder writes; 18, 22, 31 and 32 play nowhere
};

// The last sound the game asked for, whether or not a bank was there to play it; the seam
// through which tests hear the game.
struct SfxRequest {
    i32 number;
    i32 volume;      // 0..255
    i32 pan;         // 0 left, 128 centre, 255 right
    i32 frequency;   // 1000 is the sample's own pitch
};
extern SfxRequest sfx_last_request;
extern i32 sfx_request_count;            // requests since the start (tests reset it)

// The one sample player: entry `number` of the bank, no loop. A number the bank does not
// hold plays nothing (one log line the first time).
void sfx_play(int number, int volume, int pan, int frequency);
// A menu sound: effects_volume, centred, own pitch.
void sfx_play_menu(int number);
void sfx_stop(int number);

// Loads the bank from path into sfx_datafile; returns 1, or 0 (one log line saying why, no
// bank) when the file is missing or is not an uncompressed datafile of well-formed samples.
// The game library's loader trusts its input, so the file is checked whole before it is read.
int sfx_bank_load(const char *path);
// Unloads the bank, if any.
void sfx_bank_unload();
// Whether data/dat01.dat's bytes form a bank sfx_bank_load takes: the number of samples, or
// -1 with *reason saying what is wrong.
int sfx_bank_check(const u8 *data, size_t size, const char **reason);

// ---- game state machine (game_tick.cpp) ------------------------------------------------
// Which screen or fight phase runs; values not listed are never stored.
enum GameState : i32 {
    STATE_EXIT_SCREEN = 0,        // the picture after the main menu's EXIT; ESC there quits
    STATE_MAIN_MENU = 3,
    STATE_CHARACTER_SELECT = 7,   // also the first step of the biography viewer
    STATE_ROUND_START = 8,        // one tick between the round intro and the fight
    STATE_ROUND_INTRO = 9,
    STATE_FIGHT = 10,
    STATE_MATCH_OVER = 11,
    STATE_TIME_OVER = 12,
    STATE_CONTINUE = 13,
    STATE_GAME_OVER = 14,
    STATE_CHARACTER_ENDING = 15,
    STATE_FACTION_ENDING = 16,
    STATE_CREDITS = 17,
    STATE_BIOGRAPHY = 19,
    STATE_SHOP = 20,
    STATE_INTRO = 23,
    STATE_STAGE_SELECT = 24,
    STATE_CREDITS_EARNED = 25,
    STATE_GALLERY = 26
};

// Who plays. Side one is human in modes 0, 3 and 6, side two in modes 1, 3 and 6.
enum GameMode : i32 {
    GAME_MODE_ARCADE_P1 = 0,      // player 1 against the computer ladder
    GAME_MODE_ARCADE_P2 = 1,
    GAME_MODE_VERSUS = 3,         // two players from the menu, with stage select
    GAME_MODE_CHALLENGE = 6,      // the idle side joined a one-player game
    GAME_MODE_PROFILE_P1 = 7,     // biography viewer driven by player 1
    GAME_MODE_PROFILE_P2 = 8
};

enum FadeMode : i32 {
    FADE_NONE = 0,
    FADE_OUT = 1,
    FADE_IN = 2
};

constexpr f32 FADE_STEP = 0.015f;      // fade level change per tick

// What a handler tells the chain of game_tick: go on to the later tests, or end the tick.
enum TickFlow : u8 {
    TICK_CONTINUES,
    TICK_ENDS
};

// Program lifetime, main thread only.
extern i32 game_state;            // GameState
extern i32 game_mode;             // GameMode
extern i32 fade_mode;             // FadeMode
extern f32 fade_level;            // opacity of the fade quad, 0 clear .. about 1 black
extern f32 fade_colour;           // grey of the fade quad; always 0 (black)
extern i32 state_ticks;           // ticks of the knock-out decision, time over, game over and
                                  // credits-earned screens
extern u8 quit_request;           // non-zero ends the main loop after this tick
extern u8 load_error;             // non-zero: an asset failed; reported at shutdown
extern i32 select_chord_played;          // 0 on entering the character select, -1 after its first frame

// One logic tick: latches, music, input pass, pause menu, then the handlers of the states.
void game_tick();
// Every screen change starts the same black fade-out; its end runs the transition of the
// state it started in.
void fade_out_start();
// A screen set-up or tune that failed: the program stops and reports the data files.
TickFlow load_failed();
// Back to the title menu with its tune (from the fades, the pause, the shop, the stories);
// the tick ends there, or the program stops when the tune cannot start.
TickFlow title_menu_return();

// ---- pause menu (pause_menu.cpp) --------------------------------------------------------
// Screen lifetime: set by the screens that open the pause, cleared when it closes.
extern u8 paused;                 // 1 while the menu is up; the paused screens' handlers wait
extern i32 pause_cursor;          // full menu: 0 RESUME, 1 MOVE CAMERA, 2 RETURN TO TITLE;
                                  // two entries: 0 RESUME, 1 RETURN TO TITLE
extern i32 pause_confirm;         // -1 while the "ARE YOU SURE" box is up, else 0
extern i32 pause_confirm_cursor;  // 0 YES, 1 NO
extern i32 free_camera;           // 1 while MOVE CAMERA lets the directions turn the camera

// Opens the pause over the current state; `player` pressed Start, or -1 for ESC.
void pause_open(int player);
// The pause menu's step of the logic tick, run while paused.
TickFlow pause_tick();
// True where the menu offers only RESUME and RETURN TO TITLE.
bool pause_menu_is_short();

// ---- menu pointer (menu_pointer.cpp) ----------------------------------------------------
// Menu units: x -20..20, y -15..15 on the plane 50 units in front of the eye.
extern f32 pointer_x, pointer_y;
extern f32 pointer_target_x, pointer_target_y;   // where the pointer was when last active
extern i32 menu_click_latch;      // 1 after a click was acted on; 0 while no button is down
// This tick's mouse motion scaled to a 640 x 480 screen; written by the main loop before
// every tick, overwritten by the pause menu's free camera.
extern f32 mouse_move_x, mouse_move_y;

// Moves the pointer by this tick's mouse motion and frees the click latch once no button is
// down: the pointer step shared by the menus.
void menu_pointer_step();

// ---- frame step (frame_step.cpp) --------------------------------------------------------
// The screens' state changes that happen once per drawn frame; the frame drawer calls it right
// before drawing (and the tests where a frame would be drawn).
void frame_step();

// ---- fight load (fight_load.cpp) ---------------------------------------------------------
// Match lifetime: who fights, chosen by the character select and moved on by the ladder.
extern i32 p1_character, p2_character;   // CharacterId of side one and side two
extern i32 p1_alt_color, p2_alt_color;   // 0 the plain colours, 1 the alternate set
// A screen asks for a fight by setting music_fade = 1.0 and fight_load_phase = 1.
extern i32 fight_load_phase;      // 0 none, 1 music fading, 2 loading, then settling in the
                                  // round intro until the music is back
extern f32 music_fade;            // 1.0 falling below 0 before the load, 0 rising past 1 after

// Where a fight load was requested; each site loads in its own order.
enum FightLoadSite : u8 {
    FIGHT_LOAD_LADDER,            // match over, continue
    FIGHT_LOAD_SELECT,            // character select
    FIGHT_LOAD_STAGE_SELECT
};
// The loaders the fight load runs (the character and arena loaders by id, 0 on success); the
// load tests put recorders here.
extern int (*fight_character_loader)(int character, int slot, int alt_color);
extern int (*fight_arena_loader)(StageId stage);
// The music voice's volume for the fade as it stands: music_fade x music_volume, truncated;
// the last step below 0 is silence.
int fight_load_music_volume();
// One tick of a requested fight load: the music fade, then the loading tick, which enters
// STATE_ROUND_INTRO. TICK_ENDS when a loader or the tune failed (load_error, quit_request set).
TickFlow fight_load(FightLoadSite site);

// ---- round intro, round start, fight tick and round clock (round.cpp, fight_tick.cpp) ----
// Round lifetime.
extern i32 round_clock;           // whole seconds left, shown as "%02d"
extern i32 round_clock_ticks;     // ticks 0..59 within the current second
extern f32 round_intro_timer;     // 1.0 when a round is prepared; READY / FIGHT show while above 0
extern i32 round_call_phase;      // 0 while READY shows, -1 once the round call has sounded
extern i32 challenger_pending;    // -1 after the idle side pressed Start in a one-player fight
extern i32 challenger_ticks;      // ticks since challenger_pending was set
// Per side, written by the hit code, counted down by the fight tick.
extern i32 combo_display_timer[2];   // ticks the combo stays on the HUD
extern i32 combo_hits[2];            // hits of the running combo
extern i32 best_combo[2];            // the longest combo while it shows
extern i32 followup_timer[2];        // ticks left of the LOW SWING follow-up window
extern i32 followup_chain[2];        // 0 none, else the follow-up the window allows

// The round length the TIME option gives, in seconds; 0 for an option value it does not know.
i32 round_length_seconds();
// STATE_ROUND_INTRO, STATE_ROUND_START and STATE_FIGHT: one tick each.
void round_intro_state_tick();
void round_start_tick();
void fight_tick();
bool fighter_knocked_out();        // either fighter is at ACTION_KO

// ---- fight scene steps (fight_scene.cpp) ---------------------------------------------------
// The steps every fight state runs (round intro, fight, match over, time over).
// On the temple arena: the main light flickers; the phase (menu_pulse_angle) grows by step and
// starts again from floor past 4.28.
void fight_temple_flicker(f32 step, f32 floor);
void fight_side_animate(int side);        // the side's key-frame step, then its skinning
void fight_side_skin(int side);
void fight_stage_animate();               // the arena's scenery step, then its skinning
void fight_scene_animate();               // side one, side two, then the arena
void fight_ambient_effects();             // the arena's rain or flames
void fight_auras_step();                  // the auras of the fighters whose aura is set
void fight_bursts_step();                 // the spark burst and both sides' large bursts
// With the blood option on: both sides' blood bursts and, when asked, the stains.
void fight_blood_step(bool stains);

// ---- round reset and the arena step hook (round_reset.cpp) ---------------------------------
// Both fighters and every per-round global back to the start of a round; at the first round
// of a one-player match the computer side's damage is scaled by the difficulty.
void reset_round();
// The running arena's scenery step (stage_id); the Labyrinth and unknown ids have none.
void step_stage_animation(int stage);
// Light 0 lights the fight; the hit light (1) and the spare light (2) are off.
void fight_lights_reset();

// ---- round-intro and victory cameras (cameras.cpp) ---------------------------------------
// These sequences own the fight camera's globals (combat.h) while they run.
constexpr i32 CAMERA_DONE = -1;   // CameraSide::done and victory_done once a sequence is over

// One side's intro or victory sequence.
struct CameraSide {
    i32 ticks;                    // ticks since the sequence began
    i32 variant;                  // 0 or 1: the intro orbit's eye height, drawn at random
    i32 done;                     // 0 while it runs, CAMERA_DONE when it is over
};
struct CameraSequence {
    CameraSide side[2];           // side one first
};
// Match lifetime; read by the round intro and the frame.
extern CameraSequence camera_sequence;
extern i32 victory_done;          // 0 while the victory camera runs, CAMERA_DONE when over or skipped

// The intro presents each fighter with an orbit, then sweeps back to the opening fight camera
// and sounds the round call; phase 0 places, phase 1 steps one tick.
void round_intro_start(int side);
void round_intro_tick();
void round_intro_orbit(int side, int phase);
void round_intro_sweep(int phase);
// A human's attack button cuts the orbits short: straight to the opening shot, whose sweep
// still sounds the round call.
void round_intro_skip();
// After a decided round the camera spirals in on the winner, who strikes a victory pose.
void round_victory_start(int side);
void round_victory_tick();
void round_victory_orbit(int side, int phase);

// ---- summon state the state machine reads (owned by combat/summon.cpp; SummonPhase values) --
extern i32 summon_phase;          // 0 while no god's power is being summoned

// ---- round and match decisions (round_end.cpp) -------------------------------------------
// Match lifetime: cleared by the fight load; the hit code adds the knock-out's winner.
extern i32 p1_round_wins, p2_round_wins;   // rounds won by side one and side two
extern i32 rounds_played;         // rounds decided in this match; 4 sets up the final round

// The knock-out decision (a fighter is at ACTION_KO): 100 ticks after the knock-out, the next
// round or the match's end; the 60 Hz tick comes back.
void knockout_decision();
// STATE_TIME_OVER's first handler: the camera and projectiles, the decision at tick 100 and
// the outcome at tick 301 (next round, match over, or a drawn game).
void time_over_decision();
// STATE_TIME_OVER's second handler: the fighters and the arena keep moving.
void time_over_tick();
// The decided match: the victory camera on `side`, whose skeleton keeps its attack live.
void match_over_setup(int side);

// ---- ladder, continue, game over, versus record, credits award (ladder.cpp) --------------
constexpr int LADDER_FIGHTS = 9;           // the longest ladder, on Hard
constexpr int VS_RECORD_SIZE = 2 * CHARACTER_COUNT;
constexpr u32 LADDER_TIME_CAP = 1000000;   // ticks
constexpr u32 CREDITS_CAP = 999999;

// Run lifetime: the one-player ladder. ladder_time is cleared by the title menu's entry, the
// other two by the menu's START.
extern u32 ladder_time;           // ticks fought in the one-player run, capped at LADDER_TIME_CAP
extern i32 ladder_started;        // 0 until the run's ladder was set up, then -1
extern i32 ladder_index;          // the current ladder fight, from 0; never past the lists
extern i32 ladder_opponents[LADDER_FIGHTS];   // CharacterId of the computer side, per fight
extern i32 ladder_stages[LADDER_FIGHTS];      // StageId, per fight
// Match lifetime: what follows a decided match.
extern i32 ladder_advance_done;   // 1 once the ladder advance ran for this match's end
extern i32 continue_active;       // -1 while the continue offer is armed
extern f32 continue_slide;        // the continue panel: 1.0 below the view, 0 in place
extern i32 continue_countdown;    // 10 down to 0
extern i32 continue_ticks;        // 0..59 within the current count
extern i32 vs_record_shown;       // 1 while the versus record table is shown
extern f32 vs_record_alpha;       // the table's slide: 1.0 off to the side, 0 in place
extern i32 ending_picture_p1, ending_picture_p2;   // portrait_picture of each side's pick
// The loading panel's and the endings' picture number of a character in a colour set; 0 is none.
inline i32 portrait_picture(i32 character, i32 alt_color) { return 1 + 2 * character + (alt_color ? 1 : 0); }
// Program lifetime: the versus record, index side x 12 + character; each count stops at 255.
extern u8 vs_wins[VS_RECORD_SIZE], vs_losses[VS_RECORD_SIZE], vs_draws[VS_RECORD_SIZE];
extern u32 credits_earned;        // the last award
extern u8 ladder_profile_offered;  // 1 when the last won ladder offered its winner's profile

// Fills ladder_opponents and ladder_stages for the human's `character` in the one-player
// modes (the other modes leave them alone): the six heroes other than the human's, then the
// bosses, the last of which only Hard reaches.
void setup_ladder(int character);
// Fights in the ladder at the current difficulty: 8, or 9 on Hard.
int ladder_length();
// In the one-player modes, the ticks of the round just decided: (round length - round_clock)
// x 60, the total capped at LADDER_TIME_CAP.
void ladder_time_add();
void continue_arm();
// STATE_MATCH_OVER: the versus record table while shown, else the victory camera and then,
// once, the ladder advance (next fight, record table, continue offer or the run's end).
void match_over_tick();
// The continue offer: the panel rises, the countdown runs; Start takes it, HARD SWING hurries.
void continue_tick();
void game_over_tick();
// At the end of the completed one-player run: the award from the difficulty and the run's
// time, added to credits (capped at CREDITS_CAP).
void credits_award();
// A won ladder puts the winner's profile up for sale in the shop; ladder_profile_offered says
// whether this win made the offer (the ending says so). Call after credits_award.
void ladder_profile_offer();

// ---- fighter record (fighter.cpp) ---------------------------------------------------
// One fighter in a fight: who it is, where it stands, what it does, how hurt it is, what its
// player's motion commands have built up, and its character's tuning values. Counters count
// logic ticks. Flags that read "255 while ..." are u8 set to FIGHTER_FLAG_ON.
constexpr u8 FIGHTER_FLAG_ON = 255;

constexpr int FIGHTER_DIR_HISTORY_SIZE = 512;
constexpr int FIGHTER_TAP_HISTORY_SIZE = 256;
constexpr int FIGHTER_HEAD_COUNT = 4;         // the Hydra's heads
// Tuning values read from data/<name>.txt: damage 0 is the defence, 1-18 the moves, 19 the
// summon; anim_rate 0 the walk, 1-14 the button attacks, 15 and 16 the specials.
constexpr int TUNING_DAMAGE_COUNT = 20;
constexpr int TUNING_RATE_COUNT = 19;
constexpr int TUNING_MOVE_COUNT = 18;         // move_param and move_flag

enum Posture : u8 {
    POSTURE_STAND = 0,
    POSTURE_CROUCH = 1,
    POSTURE_AIR = 2                           // no special move starts while airborne
};

// Kind of hit reaction under way (Fighter.hit_recoil); input is ignored while not none.
enum HitRecoil : u8 {
    HIT_RECOIL_NONE = 0,
    HIT_RECOIL_LIGHT = 1,
    HIT_RECOIL_HEAVY = 3,
    HIT_RECOIL_FAR = 99                       // projectile or summon hit
};

enum AttackState : i32 {
    ATTACK_STATE_NORMAL = 0,
    ATTACK_STATE_RECOVERING = 1,              // after a knock-down, edge hit or stun
    ATTACK_STATE_STUNNED = 2
};

enum AuraState : i32 {
    AURA_NONE = 0,
    AURA_EMITTING = 2,
    AURA_FADING = 3
};

// The motion-command recognisers, one state byte each in Fighter.command_state, stepped in
// this order.
enum MotionCommand : u8 {
    COMMAND_DOWN_TOWARD,                      // D, F or DF            done at 2
    COMMAND_DOWN_AWAY,                        // D, B or DB            done at 2
    COMMAND_AWAY_DOWN,                        // B or DB, D            done at 2
    COMMAND_TOWARD_DOWN_TOWARD,               // F, D, F or DF         done at 3
    COMMAND_TOWARD_AWAY_TOWARD,               // F or DF, B or DB, F or DF   done at 3
    COMMAND_SUPER,                            // D, F, D, F            done at 4
    COMMAND_COUNT
};

struct Fighter {
    i32 side;                    // 0 for fighters[0], 1 for fighters[1]; set once at start-up
    u8 posture;                  // Posture
    u8 hit_lock;                 // 255 once the current attack connected; cleared as one starts
    u8 hit_recoil;               // HitRecoil
    u8 turned;                   // 1 after facing changed, until the heading has turned
    u8 character;                // CharacterId 0-11
    i8 stun_build;               // stunned above 10
    u8 guarding;                 // 255 while guarding
    u8 facing;                   // 1 when facing +x (the opponent at the same or greater x)
    i8 body_half_width;          // push-apart half width
    i8 body_height;              // push-apart height
    i8 special_cooldown;         // ticks before the next special may start
    i8 hit_stun;                 // ticks of hit reaction left
    i8 action_timer;             // countdown of the current timed action
    i16 command_window;          // ticks left to answer a completed motion command
    i16 hold_timer;              // hold moves of LOW SWING (Medusa, Atropos)
    i16 tap_window;              // ticks left for the second tap of a dash
    i16 dir_history[FIGHTER_DIR_HISTORY_SIZE];   // entry n (from 1) at index n - 1
    i16 tap_history[FIGHTER_TAP_HISTORY_SIZE];   // entry n (from 1) at index n - 1
    i16 dir_count;               // number of the newest dir_history entry, 0..512
    i16 press_count;             // presses counted by the hold moves
    i16 jump_frame;              // frame of the current jump or hit hop
    f32 pos_x;                   // along the fight axis; the walls stand near +/-50
    f32 pos_y;                   // depth
    f32 pos_z;                   // height above the floor
    f32 rot_x, rot_y;            // degrees
    f32 heading;                 // degrees about z: 90 faces +x, 270 faces -x
    f32 hop_base_z;              // height at which the current hit hop began
    f32 walk_speed;              // world units per tick
    f32 life;                    // 1.0 full; knocked out below 0.001
    f32 life_shown;              // the lagging life the HUD draws
    i32 tap_count;               // number of the newest tap_history entry, 0..256
    i32 attack_state;            // AttackState
    i32 action;                  // ActionId
    i32 hit_flash;               // hit or guard flash level, 30 down to 0
    i32 has_followups;           // 1 when the LOW SWING follow-ups are allowed
    f32 power;                   // 0..1; above 0.999 the super move is available
    u8 command_state[COMMAND_COUNT];
    i16 effect_timer;            // petrification ticks left
    f32 damage[TUNING_DAMAGE_COUNT];     // each 0..1
    f32 anim_rate[TUNING_RATE_COUNT];    // key-duration factors
    f32 move_param[TUNING_MOVE_COUNT];
    u8 move_flag[TUNING_MOVE_COUNT];     // 0 or 1
    f32 head_life[FIGHTER_HEAD_COUNT];   // the Hydra's heads; index through fighter_head_index
    i32 heads_left;              // 4 down to 1
    i32 attack_age;              // ticks the current attack has had its window open
    i32 aura;                    // AuraState
    f32 hit_x;                   // where the last hit landed
    f32 hit_z;
};

// Program lifetime: zero from the start; `side` is set by the start-up loader, the rest by
// the round reset, the character loaders and the fight code.
extern Fighter fighters[2];              // side one first
extern Fighter select_fighter;           // places the figure on the select and biography screens
// The fighters' skeleton blocks, allocated by the start-up loader; the control code writes
// their action and attack bytes, the sequencers their keys.
struct Skeleton;
extern Skeleton *fighter_skeletons[2];

// The index of the Hydra's head in play, heads_left - 1 kept within 0..3 whatever
// heads_left holds.
int fighter_head_index(const Fighter *fighter);

// ---- program entry, main loop and shutdown (main_loop.cpp) ---------------------------------
// Program lifetime, cleared by main before the start-up (main also clears quit_request and
// load_error of game_tick.cpp, and writes mouse_move_x and mouse_move_y before every tick).
extern u8 nomask;            // 255 when "-nomask" was given (the Sphinx then loads unmasked)

// The command-line switches, as bits of switches_read's result.
enum CommandSwitch : u32 {
    SWITCH_BLOOD = 1u << 0,            // "-blood"
    SWITCH_NOMASK = 1u << 1,           // "-nomask"
    SWITCH_MIDASTOUCH = 1u << 2,       // "-midastouch"
    SWITCH_ULOCK_PROFILES = 1u << 3    // "-ulock_profiles"
};
// The switches among argv[1..argc-1], matched whole and case-sensitively; none are read with
// no argument or more than four.
u32 switches_read(int argc, const char *const *argv);
// Blood on, unmasked Sphinx, 99,999 credits, every unbought biography offered.
void switches_apply(u32 switches);
// The directory part of path, ending in "/", into out ("" when path has none); returns 1, or
// 0 (out empty) when it does not fit.
int base_dir_from_path(const char *path, char *out, size_t size);
// base_dir := the running program's own directory (argv0's when /proc cannot tell).
void base_dir_set(const char *argv0);
// Runs owed logic ticks and draws frames until quit_request is set.
void main_loop_run();
// The ordered release after the main loop, one log line per step.
void shutdown_ordered();
// The release when the start-up failed; its lines land after the log's closing lines.
void shutdown_after_failed_start();
// One copy of the game per folder: returns 1 when this one may run, 0 (after saying so)
// when another copy already runs from base_dir.
int game_folder_lock_take();
// What a lost X display leaves time for: the settings saved, with no X call.
void session_save_without_display();

// ---- start-up loader (loader.cpp) ----------------------------------------------------------
// Program lifetime: built by load_game_data, released by free_game_data.
constexpr u32 INPUT_RECORDER_SIZE = 216000;   // one byte per tick for an hour
extern u8 *input_recorders[2];                // per player; nothing records into them yet
// The arena's lights, zeroed here and filled by each arena loader; hit detection switches the
// hit light on and moves it.
struct StageLight;
extern StageLight *stage_light;
// The skeleton blocks besides the fighters' own (fighter.cpp), each of the full bone capacity.
extern Skeleton *blur_skeletons[2];           // the blade-trail copies of the fighters' poses
extern Skeleton *select_skeleton;             // the select and biography screens' figure
extern Skeleton *stage_skeleton;              // the running arena's scenery
extern Skeleton *summon_skeletons[2];         // the summoned gods, per side
// The shared HUD, effect and screen pictures: GL texture names, 0 until loaded.
extern u32 tex_powerbar;        // the power-gauge frame
extern u32 tex_misc;            // HUD bar colour corner and the effects sheet (quarter cells)
extern u32 tex_names;           // the name-plate atlas
extern u32 tex_lifebar;         // life-bar frames: side one above, side two below
extern u32 tex_blob_shadow;
extern u32 tex_hit, tex_hit2;   // the two quads of a hit flash
extern u32 tex_reflection;      // the sphere map of shiny surfaces
extern u32 tex_guard;           // the guard flash
extern u32 tex_marker;          // one round-win marker
extern u32 tex_blood, tex_blood2;   // wound overlays: level 2, level 1
extern u32 tex_vs_back, tex_continue_back, tex_gameover_back;   // the screen panels
extern u32 tex_logo;            // the game's logo on the title menu
extern u32 tex_select_panel;    // the menu pointer

// Starts the engine, then load_game_assets; returns 1 when the game may run, 0 on failure.
int load_game_data();
// Everything of the start-up after the engine: recorders, archive, sound bank, records,
// skeleton blocks, fonts, shared textures, arcs, then the title menu and its tune. Returns as
// load_game_data; on 0 what was built is left for free_game_data. Needs a GL context.
int load_game_assets();
// Releases what load_game_data built; safe after a start-up that stopped half-way.
void free_game_data();
// 0 when both recorder buffers exist, 1 when one could not be had.
int input_recorder_alloc();
void input_recorder_free();
// With no joystick found, both players play this run on the keyboard. Before the settings
// are saved, a player still on that keyboard gets the stored choice back, so one run without
// the pad plugged in does not lose the setting.
void input_devices_keyboard_fallback();
void input_devices_restore_for_saving();

// ---- frame drawer (frame.cpp, frame_fight.cpp) -------------------------------------------
// One frame of the current game state, then the overlays and the buffer swap; called only by
// the main loop. Reads the globals the logic tick left and changes none of them (the screens'
// frame step runs first, as the tick's once-per-frame part).
void draw_frame();
// The 3D fight scene of STATE_ROUND_INTRO, STATE_FIGHT, STATE_MATCH_OVER, STATE_TIME_OVER and
// STATE_CONTINUE, in its fixed order of passes.
void fight_scene_draw();
// One fighter of side 0 or 1 with its model and its side's skins (side one draws mode 0).
void fighter_draw(int side);
// The state of every 3D scene's start: unit 0 active and textured, culling on, no blending,
// depth test GL_LEQUAL.
void frame_3d_begin();
// The overlay set-up every 2D panel starts from: eye space (identity model-view), culling and
// lighting off, unit 0 textured and modulated, depth test GL_ALWAYS, alpha blending function.
void overlay_begin();
// The fade quad of every screen change, while fade_mode runs: fade_colour at fade_level
// opacity over the whole view.
void fade_quad_draw();

// The glow's threshold level in the biography viewer, by the character shown.
int biography_glow_level(int character);
// The fight scene's effects (frame_effects.cpp): the auras, projectile trails and arena
// particles; the blood with the BLOOD option; the flashes, clash sparks and bursts.
void fight_particles_draw();
void fight_blood_draw();
void fight_flashes_draw();
// The fight's fog colour: grey, dimmed with the scene while a summon fades it out.
void fight_fog_colour(f32 rgba[4]);
// The blood picture laid over a fighter of this wound level (1 half life, 2 a quarter), 0 none.
u32 wound_overlay_texture(int wound_level);

// ---- fight HUD and round calls (hud.cpp) -------------------------------------------------
// Draw-only cache: the pulse of a full power gauge, advanced by the HUD once per drawn frame.
extern f32 hud_power_pulse;

// An x range of the HUD, in eye units at depth 50.
struct HudSpan {
    f32 low, high;
};
// The life bar of `side` (0 one, 1 two) at `value` (1.0 full): side one grows leftward from
// -1.5, side two rightward from 1.5; a value below 0 gives a bar of no width.
HudSpan hud_life_span(int side, f32 value);

// The fight scene's last pass: the bars, the name plates and the round clock, where the HUD
// shows (not in STATE_MATCH_OVER, not with free_camera, in the round intro once both cameras
// are done).
void hud_draw();
// The name-plate atlas by character: cell column s0 and row t0 (cells NAME_PLATE_CELL_S x
// NAME_PLATE_CELL_T), side one's x range; side two draws the same cell at -x1 .. -x0. Quads
// at HUD_DEPTH in front of the eye; the data builder paints each name where both show it.
struct NamePlate {
    f32 s0, t0;
    f32 x0, x1;
};
extern const NamePlate name_plates[];   // CHARACTER_COUNT rows
constexpr f32 NAME_PLATE_CELL_S = 0.5f, NAME_PLATE_CELL_T = 0.1f;
constexpr f32 HUD_DEPTH = 50.0f;
void draw_hud_bars();
void draw_name_plates();
// The round calls and fight texts over the scene, each under its own state test.
void round_calls_draw();

// Where a combo counter stands: the number's x and format, "Hits!"'s x, and the alpha.
struct ComboLayout {
    f32 number_x;
    const char *number_format;
    f32 hits_x;
    f32 alpha;
};
ComboLayout combo_layout(int side, i32 best, i32 timer);

// ---- screen overlays (overlays.cpp) -----------------------------------------------------
// Program lifetime: the exit screen's picture, loaded with the shared pictures.
extern u32 tex_exit_picture;
// Loads tex_exit_picture from asset_archive; 1 on success, 0 (one log line) when the entry
// is missing or damaged (the exit screen then shows an untextured panel).
int overlay_pictures_load();
void overlay_pictures_free();
// The panels after the scene, in their fixed order (the fade quad follows them).
void overlays_draw();
// STATE_CREDITS_EARNED: the run's time and the credits just won.
void credits_earned_draw();
// Writes "TOTAL TIME: mm:ss" for a run of `ticks` logic ticks (whole minutes and seconds).
void credits_time_format(u32 ticks, char *out, size_t size);
// Top and bottom y of a panel that slides up from below the view as `slide` falls from 1 to 0.
HudSpan overlay_slide_span(f32 half_height, f32 slide);

// ---- projected shadows and the segment test (shadows.cpp) -------------------------------
struct Model;

// A fighter as its shadow sees it: the skinned model, the position, and rot_x, rot_y and
// heading in degrees.
struct ShadowCaster {
    const Model *model;
    f32 pos[3];
    f32 angles[3];
};
constexpr u8 SHADOW_SKIP = 255;   // the call only sets and resets the drawing state

// A projected shadow is made in two steps. First the caster's picture, filled in the shadow's
// grey from the projector, blurred and sent to the pair's texture: light_dir is the arena's
// light direction, strength the grey of the shadow (0 black .. 1 none), scale the projector's
// distance (and twice the shadow's reach), pair the buffer pair 0 or 1. Make both pictures
// before the frame draws anything: a texture changed after draws that use it waits for them.
// The buffers are made on the first call and kept until shadow_buffers_free at shutdown.
void shadow_picture_make(const f32 light_dir[3], const ShadowCaster *caster, f32 strength, f32 scale, u8 pair);
// Then the pair's picture thrown onto the receiver's opaque triangles near the caster.
void shadow_project(const f32 light_dir[3], const ShadowCaster *caster, const Model *receiver, f32 scale, u8 pair,
                    u8 skip);
void shadow_buffers_free();
// The 3 x 3 mean of a 128 x 128 grey picture, its one-pixel border left white (255).
void shadow_blur(const u8 *raw, u8 *blurred);
// Whether the triangle c0 c1 c2 takes the shadow of a fighter at target: the fighter stands in
// front of its plane by more than 0 and at most reach (unless any_height) and the plane faces
// the projector's direction dir.
bool shadow_receives(const f32 c0[3], const f32 c1[3], const f32 c2[3], const f32 target[3], const f32 dir[3],
                     f32 reach, bool any_height);

// 1 when the segment from a to b crosses any triangle of the model's current vertex positions.
int segment_hits_mesh(const Model *model, const f32 a[3], const f32 b[3]);
f32 vec_length(f32 x, f32 y, f32 z);
void vec_sub(f32 out[3], const f32 a[3], const f32 b[3]);
f32 vec_dot(const f32 a[3], const f32 b[3]);
f32 vec_angle(const f32 a[3], const f32 b[3]);          // radians; 0 when either is zero
f32 plane_d_from_point(const f32 n[3], const f32 p[3]);  // -(n . p)
f32 plane_eval(const f32 n[3], const f32 p[3], f32 d);   // n . p + d
// Where the line through a and b meets the plane (n, d); a itself when the line runs along it.
void line_plane_intersect(f32 out[3], const f32 a[3], const f32 b[3], const f32 n[3], f32 d);
// Inside (or on an edge) when the angles from q to the corners add up to a full turn.
bool point_in_triangle(const f32 q[3], const f32 c0[3], const f32 c1[3], const f32 c2[3]);
