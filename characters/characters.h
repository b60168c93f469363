// characters.h: the twelve character modules (their loaders, tables and the one key-frame
// sequencer they share), the character model caches and texture tables; used by game/,
// combat/, frontend/ and the data builder, which poses its figures from the same tables.
#pragma once

#include "base/base.h"
#include "engine/engine.h"
#include "game/game.h"
#include "combat/combat.h"

// ---- character models and textures (character_load.cpp) -------------------------------
constexpr int FIGHTER_SLOTS = 2;                 // 0 side one, 1 side two
constexpr u32 SKIN_TEXTURE_COUNT = FIGHTER_SLOTS * SKIN_SLOT_SIZE;   // slot s's skins from 7 s
constexpr int DIVINE_TEXTURES_PER_SLOT = 8;      // entry 2 of a slot is the god's picture
constexpr int DIVINE_TEXTURE_COUNT = FIGHTER_SLOTS * DIVINE_TEXTURES_PER_SLOT;
constexpr int PROJECTILE_TEXTURES_PER_SLOT = 6;
constexpr int PROJECTILE_TEXTURE_COUNT = FIGHTER_SLOTS * PROJECTILE_TEXTURES_PER_SLOT;
constexpr int SUMMON_MODEL_COUNT = 12;           // fixed cache slots, not character ids

// Program lifetime: a model is read the first time a slot needs it and kept until
// character_models_free at shutdown; fighter_models [slot] points into the cache.
extern Model *character_models[FIGHTER_SLOTS][CHARACTER_COUNT];
extern Model *fighter_models[FIGHTER_SLOTS];
extern Model *summon_models[SUMMON_MODEL_COUNT];

// Fight lifetime: filled by the loaders, deleted in bulk by the next fight load or the
// character select, which go by the count bytes (any non-zero count deletes the whole table).
extern u32 skin_textures[SKIN_TEXTURE_COUNT];
extern u32 divine_textures[DIVINE_TEXTURE_COUNT];
extern u32 projectile_textures[PROJECTILE_TEXTURE_COUNT];
extern u32 blade_blur_textures[FIGHTER_SLOTS];
extern u8 skin_texture_count;        // 32 once a character loaded
extern u8 divine_texture_count;      // 16 once a character loaded
extern u8 projectile_texture_count;  // 1 after the projectile textures, 10 at the end of the load

// The three readers a loader calls, the engine's own unless a test records the calls.
struct CharacterReaders {
    Model *(*model)(ArchiveHandle archive, const char *name);
    int (*skeleton)(Skeleton *skeleton, ArchiveHandle archive, const char *name);
    u32 (*texture)(ArchiveHandle archive, const char *name, int mode);
};
extern CharacterReaders character_readers;   // tests may swap it; nothing else writes it

// Makes a character ready to fight in a fighter slot: models, skeletons, textures, the
// Fighter constants, the hit zones and the tuning file. Returns 0, or 1 at the first asset
// that failed (what was stored before stays); a bad id or slot is refused with 1.
int load_character(int id, int slot, int alt_skin);
// Frees every cached character and summon model and empties the caches.
void character_models_free();

int jason_load(int slot, int alt_skin);
int odysseus_load(int slot, int alt_skin);
int atalanta_load(int slot, int alt_skin);
int perseus_load(int slot, int alt_skin);
int hippolyte_load(int slot, int alt_skin);
int polyphemus_load(int slot, int alt_skin);
int minotaur_load(int slot, int alt_skin);
int medusa_load(int slot, int alt_skin);
int sphinx_load(int slot, int alt_skin);
int hydra_load(int slot, int alt_skin);
int ares_load(int slot, int alt_skin);
int atropos_load(int slot, int alt_skin);

// ---- load-step tables (character_load.cpp reads them) -----------------------------------
enum LoadStepKind : u8 {
    LOAD_MODEL,                 // the character's model, read once per slot
    LOAD_SKELETON,              // into fighter_skeletons [slot]
    LOAD_BLUR_SKELETON,         // into blur_skeletons [slot]
    LOAD_SUMMON_MODEL,          // into summon_models [index], read once
    LOAD_SUMMON_SKELETON,       // into summon_skeletons [slot]
    LOAD_DIVINE_TEXTURE,        // into divine_textures [8 slot + index]
    LOAD_PROJECTILE_TEXTURE,    // into projectile_textures [6 slot + index]
    LOAD_SKIN,                  // into skin_textures [7 slot + index]
    LOAD_BLADE_BLUR,            // into blade_blur_textures [slot]
    LOAD_PROJECTILE_COUNT,      // projectile_texture_count = index
    LOAD_LOG                    // writes entry to the log as it stands
};

// One step of a character's ordered load list. For skins alt_entry is the alternate-colour
// file (0: the same file in both sets); for the model and the skeletons it is the unmasked
// variant read while `nomask` is set (0: none).
struct LoadStep {
    LoadStepKind kind;
    i8 index;
    i8 mode;                    // texture mode, -1 for models and skeletons
    const char *entry;
    const char *alt_entry;
};

struct HitZoneRow {
    i16 vertex;                 // model vertex that carries the point, -1 none
    f32 radius;
};

// ---- key-frame sequencer (sequencer.cpp) --------------------------------------------
// A character's animation is a list of blocks, one per action (or a pair of actions that
// share their keys), run in the character's order after the idle block. Every call advances
// the phase; when a step falls due each block whose action the skeleton plays moves the key
// pair, sets the key time, applies its events and handles the end of its keys, then enters
// its keys when the action has just begun. Keys are counted from the key bank the character
// chooses by heads left (the Hydra's); all other characters stay in bank 0.

enum SeqBlockFlag : u16 {
    SEQ_LOOP = 1,               // a key above hi goes back to lo, key_from and key_to separately
    SEQ_FIXED_KEYS = 2,         // the same keys in every bank
    SEQ_STEP_IDLE = 4,          // every step clears the Fighter's attack_state and action
    SEQ_STEP_CALM = 8,          // every step clears the Fighter's attack_state
    SEQ_ENTRY_IDLE = 16,        // the entry blends fast while airborne and disarms the attack
    SEQ_ENTRY_FROM_0 = 32,      // the entry sets key_from 0: the next step is a first step
    SEQ_FIRST_PAST_LO = 64      // a first step starts from lo + 1: lo is only the entry's key
};

// What happens once a step takes key_to past hi, applied in the order listed.
enum SeqEndFlag : u16 {
    END_HOLD = 1,               // key_from = key_to = end_key
    END_TO_KEY = 2,             // key_to = end_key
    END_SKELETON_ACTION = 4,    // the skeleton's action = end_action
    END_FIGHTER_ACTION_0 = 8,
    END_ATTACK_STATE_0 = 16,
    END_ATTACK_STATE_1 = 32,
    END_DISARM = 64,            // attack_live 0, active_window 0
    END_WINDOW_0 = 128,
    END_AURA = 256,             // the Fighter's aura starts fading
    END_PHASE_ONE = 512,        // phase 1.0: the next call captures the last key's pose
    END_SUMMON_DROP = 1024,     // while a summon runs the skeleton's action becomes 0
    END_RESTART = 2048          // the whole call starts over (capture and idle entry at once)
};

// The end kinds in the sequencer's own words.
constexpr u16 END_NONE = 0;
constexpr u16 END_CHAIN = END_SKELETON_ACTION;
constexpr u16 END_LAND = END_HOLD | END_SKELETON_ACTION;
constexpr u16 END_IDLE = END_TO_KEY | END_SKELETON_ACTION | END_FIGHTER_ACTION_0 |
                         END_ATTACK_STATE_0 | END_DISARM;
constexpr u16 END_AIR_ATTACK = END_HOLD | END_ATTACK_STATE_0 | END_WINDOW_0;
constexpr u16 END_SETTLE = END_HOLD | END_SKELETON_ACTION | END_ATTACK_STATE_1;
constexpr u16 END_SETTLE_IDLE = END_SETTLE | END_FIGHTER_ACTION_0;   // the stun's end
constexpr u16 END_REACTION = END_HOLD | END_SUMMON_DROP;           // the hit reactions' hold
constexpr u16 END_SPECIAL = END_IDLE | END_AURA | END_RESTART;
constexpr u16 END_SPECIAL_HELD = END_HOLD | END_SKELETON_ACTION | END_FIGHTER_ACTION_0 |
                                 END_ATTACK_STATE_0 | END_DISARM | END_AURA | END_PHASE_ONE;
constexpr u16 END_SPECIAL_SKELETON = END_HOLD | END_SKELETON_ACTION | END_DISARM | END_AURA |
                                     END_RESTART;
constexpr u16 END_AIRBORNE_HOLD = END_HOLD | END_DISARM | END_AURA;
// A special that ends into idle where its last step left the pair (past its keys): with the
// restart the idle entry blends in the same call, without it one call later.
constexpr u16 END_SPECIAL_IN_PLACE = END_SKELETON_ACTION | END_FIGHTER_ACTION_0 | END_ATTACK_STATE_0 |
                                     END_DISARM | END_AURA | END_RESTART;
constexpr u16 END_SPECIAL_IN_PLACE_LATE = END_SPECIAL_IN_PLACE & ~END_RESTART;

constexpr f32 SEQ_NO_TICKS = -1.0f;   // the block sets no key time (the entry's stays)
constexpr i8 SEQ_NO_RATE = -1;        // a key time without an anim_rate factor
constexpr i32 SEQ_NO_TWIN = -1;

struct SeqBlock {
    i32 action;                 // ActionId
    i32 twin;                   // a second action sharing the row, or SEQ_NO_TWIN
    i16 lo, hi;                 // the block's keys
    i16 step_hi;                // steps only while key_to <= step_hi (0: hi)
    f32 ticks;                  // key time of a step, or SEQ_NO_TICKS
    i8 rate;                    // ticks x anim_rate [rate], or SEQ_NO_RATE
    u16 end;                    // SeqEndFlag set
    i16 end_key;
    i32 end_action;             // the skeleton's action after END_SKELETON_ACTION
    f32 entry_ticks;            // blend into the block's keys
    i16 entry_key;              // key_to of the entry (0: lo)
    u8 window_first;            // active_window raised by this on a first step
    u8 window_later;            // ... and by this on every later step
    i16 window_clear_above;     // active_window 0 once key_to is above this (0: never)
    u16 flags;                  // SeqBlockFlag set
};

enum SeqEventWhen : u8 {
    SEQ_ON_ENTRY,               // the block's entry
    SEQ_ON_STEP,                // a step, after the key time and the window
    SEQ_ON_END                  // the end of the keys, before a restart
};

// Key tests use the pair as it stands after the step, in the block's bank.
enum SeqKeyTest : u8 {
    SEQ_ANY_KEY,
    SEQ_TO_IS,
    SEQ_TO_AT_MOST,
    SEQ_TO_ABOVE,
    SEQ_FROM_IS,
    SEQ_FROM_AT_MOST,
    SEQ_FROM_ABOVE
};

enum SeqEventCode : u8 {
    SEQ_KEY_TICKS,              // key_ticks = a, times anim_rate [b] unless b is SEQ_NO_RATE
    SEQ_HIT_LOCK_CLEAR,         // the move may hit again
    SEQ_CAMERA_SHAKE,           // camera_shake = a
    SEQ_ATTACK_STATE,           // the Fighter's attack_state = a
    SEQ_FIGHTER_ACTION,         // the Fighter's action = a
    SEQ_WINDOW_CLEAR,           // active_window 0
    SEQ_AIRBORNE,               // posture airborne from jump frame 0: the control code carries it
    SEQ_COOLDOWN,               // special_cooldown = a
    SEQ_AURA,                   // aura = a
    SEQ_LAUNCH,                 // throws the side's projectile as launch row a says
    SEQ_SAMPLE,                 // plays sound-bank entry a at pan b
    SEQ_HEAD_LOST               // one head fewer; the lagging life bar refills for the next
};

struct SeqEvent {
    i32 action;                 // the block (its first action) the event belongs to
    SeqEventWhen when;
    SeqKeyTest test;
    i16 key;
    SeqEventCode code;
    i16 a, b;
};

// A throw: what a special move puts into its side's Projectile record.
struct SeqLaunch {
    i32 move_id;
    ProjectileKind kind;
    u8 flat;                    // 1: an upright quad in the fight plane
    i32 texture_set;            // first frame in the side's projectile textures
    f32 ahead;                  // x from the thrower, toward where it faces
    f32 height;
    f32 size[3];                // half extents
    f32 speed;                  // times anim_rate [speed_rate] unless SEQ_NO_RATE
    i8 speed_rate;
    f32 decay;                  // life lost per tick
};

constexpr int SEQ_BANK_CHOICES = 5;       // by heads left 0..4

struct CharacterSequence {
    const SeqBlock *blocks;     // the idle block first, then the character's order
    int block_count;
    const SeqEvent *events;
    int event_count;
    const SeqLaunch *launches;
    int launch_count;
    i16 bank_by_heads[SEQ_BANK_CHOICES];   // first key of the bank in use; other counts: 0
};

// The idle block most characters share: keys 1-4 at 30 ticks.
constexpr SeqBlock SEQ_IDLE_BLOCK = {
    ACTION_IDLE, SEQ_NO_TWIN, 1, 4, 0, 30, SEQ_NO_RATE, END_NONE, 0, 0, 10, 0, 0, 0, 0,
    SEQ_LOOP | SEQ_STEP_IDLE | SEQ_ENTRY_IDLE};

// One sequencer call for a fighter, its skeleton and its blur skeleton (the blur skeleton
// may be null). Never tests which character it runs: everything comes from the tables.
void sequencer_step(const CharacterSequence *sequence, Fighter *fighter, Skeleton *skeleton,
                    Skeleton *blur);
// The bank offset the sequence uses for this fighter.
int sequencer_bank(const CharacterSequence *sequence, const Fighter *fighter);
// The block that plays an action, or null.
const SeqBlock *sequencer_find_block(const CharacterSequence *sequence, int action);
// The keys outside a block's lo..hi that it can leave on show: its entry key, its end's key and
// the key its last step reaches past hi when the end leaves the pair alone. In the block's own
// numbering (add the bank); returns how many were written to out.
constexpr int SEQ_OUTER_KEYS = 3;
int sequencer_outer_keys(const SeqBlock *block, int out[SEQ_OUTER_KEYS]);

// The key-frame step of the fighter's own character (Fighter::character); an unknown id
// steps nothing.
void character_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);

void jason_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void odysseus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void atalanta_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void perseus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void hippolyte_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void polyphemus_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void minotaur_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void medusa_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void sphinx_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void hydra_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void ares_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);
void atropos_animate(Fighter *fighter, Skeleton *skeleton, Skeleton *blur);

// ---- the cast (character_table.cpp, one file of tables per character) --------------------
struct CharacterModule {
    const char *directory;      // archive directory ("jason")
    const char *tuning_file;    // under the program's directory ("data/jason.txt")
    i8 body_half_width;         // push-apart sizes
    i8 body_height;
    f32 walk_speed;             // default before the tuning file; below 0: none written
    i32 has_followups;          // the LOW SWING chain 88, 89 is allowed
    u8 projectile_texture_total; // projectile textures loaded (0: the counts leave it alone)
    const char *tuning_log;     // logged after the tuning file, or 0
    const HitZoneRow *hit_zones;   // MODEL_HIT_ZONES rows: 0-6 body, 7-8 weapon, 9-10 kicks
    const LoadStep *load_steps;
    int load_step_count;
    CharacterSequence sequence;
};

constexpr f32 NO_WALK_SPEED = -1.0f;

extern const CharacterModule *const character_modules[];   // CHARACTER_COUNT rows, by id
extern const CharacterModule jason_module, odysseus_module, atalanta_module, perseus_module,
    hippolyte_module, polyphemus_module, minotaur_module, medusa_module, sphinx_module,
    hydra_module, ares_module, atropos_module;
